// The state record RigheDati: the whole game as up to 27 text rows. Held in memory it is the
// Flash; written to disk it is a game file.
//
// Rows 0..8: the values of each grid row (digit or blank per cell). Rows 9..17: where each value
// came from ("b" a move, "c" a value of the verification run, blank a given). Rows 18..26: the
// candidates of each cell, comma-terminated items (a blank for a cell with a value).
#pragma once

#include "model/gioco.h"

namespace orv {

// Grid row r as the record keeps it: for each cell its value, or a blank.
std::string RigaValori(const Gioco& g, int r);

// Writes the current game into RigheDati and sets RigheUsate (9, 18 or 27). When the save
// command is writing (InSalvataggio) and the game carries moves, it asks whether the candidates
// should go too.
void RegistraStato(Gioco& g);

// Rebuilds values, origins and candidates from RigheDati. Between the trials of a verification
// run (InTentativo) it also puts back NumConsigli, Riempite and the method counts of the stall.
void RipristinaFlash(Gioco& g);

// The same restore, used by the open command after its verification run.
void RipristinaFile(Gioco& g);

}  // namespace orv
