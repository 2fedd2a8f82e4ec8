// The fonts the window names, mapped onto what is installed.
#pragma once

#include <QFont>

#include "toolkit/controls.h"

namespace orv {

// Where a named family is missing, let Qt fall back to its free metric twin ("MS Sans Serif"
// and Arial to Liberation Sans, "Courier New" to Liberation Mono, "Comic Sans MS" to Comic Neue).
// Call once, before any widget is built.
void InstallFontSubstitutions();

// Sizes are points on the 96-dpi screen the layout is drawn for; they are turned into pixels so
// that text keeps its size relative to the controls (which are placed in pixels) whatever dpi the
// display reports.
QFont ToQFont(const Font& f);

}  // namespace orv
