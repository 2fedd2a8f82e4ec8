// The sixteen solving methods and the move search.
//
// Every procedure has the same contract: in search mode (SoloRicerca and InRisoluzione set) it
// only looks, and describes the first move that has an effect in g.ricerca.Mossa; in apply mode
// (SoloRicerca clear, InRisoluzione set) it changes the grid. Both report through
// g.ricerca.Trovata.
#pragma once

#include "model/gioco.h"

namespace orv {

// Whether a technique may read the masks beside the candidate texts instead of the texts: all of
// them, or the text of cell c, in the program's form, and the test switch not asking for texts.
inline bool MaschereFedeli(const Gioco& g) {
  return !g.tecniche.SoloTesti && g.griglia.Can.tuttiCanonici();
}
inline bool MaschereFedeli(const Gioco& g, int c) {
  return !g.tecniche.SoloTesti && g.griglia.Can.canonico(c);
}

// Tries the methods in the order of g.tabelle.Priorita and stops at the first that finds a move.
void CercaMossa(Gioco& g);

// Crossing and singles.
void ColpoOcchio(Gioco& g);
void CasellaSola(Gioco& g);
void Incrocia(Gioco& g);

// Locked candidates.
void QuadroImprigiona(Gioco& g);
void RigaColImprigiona(Gioco& g);

// Naked subsets: CandidatiCaselle(2|3), TerneQuaterne(3|4|5).
void CandidatiCaselle(Gioco& g, int n);
void TerneQuaterne(Gioco& g, int n);

// Hidden subsets: Nascosti(1..4).
void Nascosti(Gioco& g, int n);

// Fish.
void XWing(Gioco& g);
void Swordfish(Gioco& g);

}  // namespace orv
