// Placeholder until the move search lands.
#include "techniques/tecniche.h"

namespace orv {
void CercaMossa(Gioco&) {}
void ColpoOcchio(Gioco&) {}
void CasellaSola(Gioco&) {}
void Incrocia(Gioco&) {}
void QuadroImprigiona(Gioco&) {}
void RigaColImprigiona(Gioco&) {}
}  // namespace orv
