// Qt's keys as the toolkit's virtual key codes and shift bits, which the window's key handlers
// receive.
#pragma once

#include <QKeyEvent>

namespace orv {

// The virtual key code of a key (digits 48..57, letters 65..90, keypad digits 96..105, F1 112 ...
// F12 123, arrows 37..40, Enter 13, Esc 27, space 32, Delete 46, ...); -1 for a key that has none.
int VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);
// kShift | kCtrl | kAlt.
int ShiftState(Qt::KeyboardModifiers modifiers);
// The character code a key press types (0..255), -1 when it types none.
int TypedCharacter(const QKeyEvent& e);

}  // namespace orv
