// The zone-by-zone searches (hidden and naked subsets) look at each zone alone: what they find in
// a zone depends only on its values and its texts. A search that found nothing in a zone finds
// nothing there again until one of them changes, so it skips such zones. Between two steps of a
// run most zones keep their stamps: a removed candidate touches three zones.
#pragma once

#include "model/gioco.h"

namespace orv {

// Each search's first slot less its smallest group size, so that the slot is the value plus n:
// Nascosti 1..4 in slots 0..3, Nudi 2..3 in 4..5, TerneQuaterne 3..5 in 6..8.
enum class RicercaZona { Nascosti = -1, Nudi = 2, TerneQuaterne = 3 };

// The memory of one search: the method, its group size n, and the mode, since apply mode places
// hidden singles that search mode passes over (search mode takes the second half of the slots).
class MemoriaZone {
 public:
  MemoriaZone(Gioco& g, RicercaZona r, int n)
      : g_(g),
        m_(g.cache.SenzaEsito[static_cast<int>(r) + n +
                              (g.ricerca.SoloRicerca ? kRicercheZona / 2 : 0)]) {}

  // True when zone z holds what it held when the search last found nothing there. Otherwise
  // the zone's stamps are noted, for `nulla`.
  bool gia(int z) {
    valori_ = g_.griglia.Cifra.timbro(z);
    testi_ = g_.griglia.Can.timbro(z);
    return m_.valori[z] == valori_ && m_.testi[z] == testi_;
  }
  // The search went through zone z: when nothing in it changed meanwhile, it found nothing.
  void nulla(int z) {
    if (g_.griglia.Cifra.timbro(z) != valori_ || g_.griglia.Can.timbro(z) != testi_) return;
    m_.valori[z] = valori_;
    m_.testi[z] = testi_;
  }

 private:
  Gioco& g_;
  ZoneSenzaEsito& m_;
  std::uint64_t valori_ = 0, testi_ = 0;
};

}  // namespace orv
