#pragma once

#include "model/gioco.h"

namespace orv {

// The method list in its start-up order (slot 0 is the header, 16..20 stay empty).
extern const std::array<const char*, 16> kPrioritaStandard;

// The labels of UsoMetodi, the method list and NumMetodi. The zone table is built at compile
// time (Zona()).
void InizializzaTabelle(Gioco& g);

}  // namespace orv
