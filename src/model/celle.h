// How a cell's value and origin show on its label.
#pragma once

#include "model/gioco.h"

namespace orv {

// The font of a cell's value and the font of its candidates.
inline Font CarattereValore(const Gioco& g) {
  return Font{"MS Sans Serif", g.geometria.DimValore, false, false};
}
inline Font CarattereCandidati(const Gioco& g) {
  return Font{"Courier New", g.geometria.DimCandidati, false, false};
}

// Gives cell c the value v with origin o: the digit in the value font and the origin's colour,
// and the candidate text "  ". Riempite is the caller's to keep.
void ImpostaValore(Gioco& g, int c, char v, Origine o);

// Cell c loses its value and shows nothing: candidate font, red text, white background.
void SvuotaCella(Gioco& g, int c);

// Every cell's background white. The techniques paint cells while they look, and the move search
// and the verification run whiten the grid after every method; when no cell label has changed
// since the last whitening there is nothing to do.
void SfondiBianchi(Gioco& g);

// The text colour of a value of origin o.
Colore ColoreOrigine(const Gioco& g, Origine o);

}  // namespace orv
