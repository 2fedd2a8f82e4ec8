// The reset "Azzera Tutto" and the grid layout it starts with. Every subsystem may reset the
// window (a failed verification, opening or creating a game), so the reset lives beside the
// model it empties.
#pragma once

#include "model/gioco.h"

namespace orv {

// "Orvento Versione 2.3 - ..." as the window and the about box show it.
extern const char* const kTitoloFinestra;

// "Azzera Tutto".
void Azzera(Gioco& g);

// Places the cell labels, the grid lines and headings and the controls that follow the grid.
void DisponiGriglia(Gioco& g);

}  // namespace orv
