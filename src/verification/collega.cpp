#include "verification/verifica.h"

namespace orv {

void CollegaVerifica(Gioco& g) {
  Form1& f = g.f;
  // While a run, a search or a creation is under way (events are let through by long loops),
  // these commands do nothing.
  f.Gioca.onClick = [&g] {
    Occupazione o(g);
    if (o.attivo()) Gioca_Click(g);
  };
  f.voce("mNuoVal").onClick = [&g] {
    Occupazione o(g);
    if (o.attivo()) VerificaSolvibilita(g);
  };
  f.voce("mValuta").onClick = [&g] {
    Occupazione o(g);
    if (o.attivo()) mValuta_Click(g);
  };
}

}  // namespace orv
