#include "qt/keys.h"

#include "toolkit/controls.h"

namespace orv {

int VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::KeypadModifier) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
      case Qt::Key_Asterisk:
        return 106;
      case Qt::Key_Plus:
        return 107;
      case Qt::Key_Minus:
        return 109;
      case Qt::Key_Period:
      case Qt::Key_Comma:
        return 110;
      case Qt::Key_Slash:
        return 111;
      default:
        break;  // the keypad's Enter and, without Num Lock, its arrows: as the main keys
    }
  }
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 48 + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 65 + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_CapsLock:
      return 20;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    default:
      return -1;
  }
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
  int s = 0;
  if (modifiers & Qt::ShiftModifier) s |= kShift;
  if (modifiers & Qt::ControlModifier) s |= kCtrl;
  if (modifiers & Qt::AltModifier) s |= kAlt;
  return s;
}

int TypedCharacter(const QKeyEvent& e) {
  const QString t = e.text();
  if (t.size() != 1) return -1;
  const char16_t u = t.at(0).unicode();
  // Delete types nothing for the toolkit, although some systems report it as character 127.
  if (u >= 256 || u == 127) return -1;
  return u;
}

}  // namespace orv
