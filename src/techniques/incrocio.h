// Crossing and singles: ColpoOcchio, CasellaSola and the exclusion display Incrocia (declared
// in tecniche.h), with the helpers that the move search and the verification share.
#pragma once

#include <optional>

#include "model/gioco.h"
#include "techniques/tecniche.h"

namespace orv {

// The exclusion marks show as grey cells; clearing them paints all 81 cells white.
void CancellaEsclusioni(Gioco& g);

// What the move search runs for the crossing: ColpoOcchio without its closing rule, because the
// search paints every cell white right after the method anyway.
void RicercaIncroci(Gioco& g);

// The first cell, in index order, whose candidate text trimmed is exactly one digit long.
std::optional<int> PrimoCandidatoPuro(const Gioco& g);

}  // namespace orv
