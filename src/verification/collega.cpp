#include "verification/verifica.h"

namespace orv {

namespace {

// A command that does nothing while a run, a search or a creation is under way: long loops let
// events through.
Handler SeLibero(Gioco& g, void (*comando)(Gioco&)) {
  return [&g, comando] {
    Occupazione o(g);
    if (o.attivo()) comando(g);
  };
}

}  // namespace

void CollegaVerifica(Gioco& g) {
  Form1& f = g.f;
  f.Gioca.onClick = SeLibero(g, [](Gioco& x) { Gioca_Click(x); });
  f.mNuoVal.onClick = SeLibero(g, VerificaSolvibilita);
  f.mValuta.onClick = SeLibero(g, mValuta_Click);
}

}  // namespace orv
