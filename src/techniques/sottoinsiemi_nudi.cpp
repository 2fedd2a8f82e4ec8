// Placeholder until the naked subsets land: finds nothing.
#include "techniques/tecniche.h"

namespace orv {
void CandidatiCaselle(Gioco&, int) {}
void TerneQuaterne(Gioco&, int) {}
}  // namespace orv
