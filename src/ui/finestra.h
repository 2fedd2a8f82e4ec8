// The main window's own procedures: start-up, the reset, the candidate display, the panel.
#pragma once

#include <string>

#include "model/gioco.h"

namespace orv {

// "Orvento Versione 2.3 - ..." as the window and the about box show it.
extern const char* const kTitoloFinestra;

// Start-up of the main window: tables, cell labels, value chooser, reset, help file.
void Form_Load(Gioco& g);

// Wires the handlers of the controls this program has so far.
void CollegaEventi(Gioco& g);

// "Azzera Tutto".
void Azzera(Gioco& g);

// Places the cell labels, the grid lines and headings and the controls that follow the grid.
void DisponiGriglia(Gioco& g);

void MostraCandidati(Gioco& g);
void PulisciCaselle(Gioco& g);
void ProntoConsigli(Gioco& g);
void AggiornaPannello(Gioco& g);

// A candidate text, already trimmed, as a cell shows it: after five candidates a blank so that
// the rest goes to the second line. The result may live in `buf`.
std::string_view TestoCandidati(std::string_view ridotto, std::string& buf);

// Why a line is no schema (81 characters, digits 1..9 and '.' or '0' for an empty cell); empty
// when it is one.
std::string MotivoSchemaNonValido(std::string_view schema);

// The window as "Dati Iniziali" and the typed digits leave it: every cell visible, each digit of
// `schema` (81 characters, '.' or '0' for an empty cell) a given, "Gioca" enabled. The batch
// tool and the session driver start their runs from here. False, and nothing changed, when
// `schema` is not 81 such characters.
bool ScriviSchema(Gioco& g, const std::string& schema);

// Menu "Ricalcolo dei Candidati".
void mRicMan_Click(Gioco& g);

}  // namespace orv
