// The verification run behind "Gioca", the rating, and their menu commands.
#pragma once

#include "model/gioco.h"

namespace orv {

// Wires "Gioca", "Verifica Solvibilità" and "Valutazione Difficoltà".
void CollegaVerifica(Gioco& g);

}  // namespace orv
