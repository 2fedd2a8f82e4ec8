// A new game: "Dati Iniziali", where the player types the givens, and "Crea un Sudoku nuovo",
// where the program cuts a schema out of a solution.
#pragma once

#include "model/gioco.h"

namespace orv {

// "Dati Iniziali".
void DatIniz_Click(Gioco& g);

// "Crea un Sudoku nuovo": removals in symmetric pairs from a fresh solution, each checked by a
// silent verification, until the schema rates " Difficile" or " Diabolico" or has lost enough
// cells; then the normal verification opens the game.
void mCrea_click(Gioco& g);

// The cell removed together with cell k under the symmetry mode (0: about the centre, 1: the
// left-right mirror, 2: the top-bottom mirror); k itself when it is its own partner.
int Partner(int k, int simmetria);

// The name of a created schema: three letters of the rating, the schema number, "Cr", the
// template and the symmetry ("Dia012Cr30").
std::string NomeCreato(std::string_view valutazione, int numSchemi, int modello, int simmetria);

}  // namespace orv
