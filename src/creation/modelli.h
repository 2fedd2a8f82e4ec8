// The solution templates: six complete grids written in the letters a..i, and the draw that
// turns one of them into the solution of a new schema.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/gioco.h"

namespace orv {

// The six templates, one text per grid row, top to bottom.
extern const std::array<std::array<std::string_view, 9>, 6> kModelli;

// Relabels the template rows: letter L[i] becomes the digit of D at the position given by D[i]
// (D applied twice). L is an order of a..i, D an order of 1..9.
void Rietichetta(std::array<std::string, 9>& righe, std::string_view L, std::string_view D);

// Draws the template (NumModello, 1..6), turns it into a solution in Modelli(NumModello) and
// draws the symmetry of the removals (Simmetria, 0..2).
void GeneraSoluzione(Gioco& g);

}  // namespace orv
