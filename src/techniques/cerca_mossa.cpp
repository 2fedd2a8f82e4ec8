#include <algorithm>

#include "techniques/catalogo.h"
#include "techniques/incrocio.h"
#include "techniques/tecniche.h"

namespace orv {

void CercaMossa(Gioco& g) {
  g.ricerca.InRisoluzione = true;
  g.ricerca.SoloRicerca = true;
  g.ricerca.Trovata = false;
  const int ultima = std::min(g.tabelle.NumMetodi, kVociPriorita - 1);
  for (int i = 1; i <= ultima; ++i) {
    std::string_view chiave = std::string_view(g.tabelle.Priorita[i]).substr(0, 2);
    // A blank entry ends the list: the methods after it are switched off.
    if (chiave == "  ") break;
    if (const Metodo* m = MetodoDellaChiave(chiave)) m->ricerca(g);
    // The methods mark and paint cells while they look; the grid goes back to white.
    CancellaEsclusioni(g);
    if (g.ricerca.Trovata) break;
  }
  g.ricerca.InRisoluzione = false;
  g.ricerca.SoloRicerca = false;
}

}  // namespace orv
