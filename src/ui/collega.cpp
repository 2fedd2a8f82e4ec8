#include "creation/crea.h"
#include "ui/finestra.h"
#include "verification/verifica.h"

namespace orv {

namespace {

// A command that does nothing while a run, a search or a creation is under way: long loops let
// events through, and such work must neither start twice nor see the game reset under it.
Handler SeLibero(Gioco& g, void (*comando)(Gioco&)) {
  return [&g, comando] {
    Occupazione o(g);
    if (o.attivo()) comando(g);
  };
}

}  // namespace

void CollegaEventi(Gioco& g) {
  Form1& f = g.f;
  // A reset in the middle of a run would leave the run writing onto an empty grid.
  f.Azzera.onClick = SeLibero(g, Azzera);
  f.mAzzer.onClick = SeLibero(g, Azzera);
  f.mRicMan.onClick = [&g] { mRicMan_Click(g); };
  // The correction check boxes are read when the correction ends; a click does nothing.
  f.cM[0].onClick = [] {};
  f.DatIniz.onClick = SeLibero(g, DatIniz_Click);
  f.mCrea.onClick = SeLibero(g, mCrea_click);
  f.Gioca.onClick = SeLibero(g, [](Gioco& x) { Gioca_Click(x); });
  f.mNuoVal.onClick = SeLibero(g, VerificaSolvibilita);
  f.mValuta.onClick = SeLibero(g, mValuta_Click);
}

}  // namespace orv
