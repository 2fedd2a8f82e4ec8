// The display procedures that every subsystem calls: they paint the cell labels and the hint
// panel of the main window from the model.
#pragma once

#include <string>
#include <string_view>

#include "model/gioco.h"

namespace orv {

// The candidates of every empty cell, when the hint level or the view mode shows them.
void MostraCandidati(Gioco& g);

// The candidates of every empty cell written in its label, whatever the view.
void ScriviCandidati(Gioco& g);

// Every cell white and without border; the cursor colour white.
void PulisciCaselle(Gioco& g);

// The hint panel ready for a new hint: values shown, blackboard "PRONTO PER I CONSIGLI".
void ProntoConsigli(Gioco& g);

// The window repainted at once (a long procedure shows its progress).
void AggiornaPannello(Gioco& g);

// The trial options cv1 beyond member 0 unloaded.
void ScaricaOpzioniTentativo(Gioco& g);

// A candidate text, already trimmed, as a cell shows it: after five candidates a blank so that
// the rest goes to the second line. The result may live in `buf`.
std::string_view TestoCandidati(std::string_view ridotto, std::string& buf);

}  // namespace orv
