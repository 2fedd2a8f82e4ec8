// The main window's own procedures: start-up, the wiring of its events, the schema typed as
// "Dati Iniziali" takes it, and its menu commands.
#pragma once

#include <string>

#include "model/azzera.h"
#include "model/gioco.h"
#include "model/vista.h"

namespace orv {

// Start-up of the main window: tables, cell labels, value chooser, reset, help file.
void Form_Load(Gioco& g);

// Wires the events of the controls to the procedures of the subsystems (ui/collega.cpp).
void CollegaEventi(Gioco& g);

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
