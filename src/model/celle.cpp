#include "model/celle.h"

namespace orv {

Colore ColoreOrigine(const Gioco& g, Origine o) {
  switch (o) {
    case Origine::Blu:
      return kBluMossa;
    case Origine::Provvisoria:
      return g.verifica.ColoreMossa;
    case Origine::Nera:
      return kTestoPulsante;
    case Origine::Nessuna:
      break;
  }
  return kRosso;
}

void ImpostaValore(Gioco& g, int c, char v, Origine o) {
  if (!CellaValida(c) || v == 0 || v == ' ') return;
  g.griglia.Cifra.set(c, v);
  g.griglia.Orig[c] = o;
  g.griglia.Can.setDaMaschera(c, 0);
  Label& l = g.f.caN[c];
  l.setCaption(std::string_view(&v, 1));
  l.setFont(CarattereValore(g));
  l.setForeColor(ColoreOrigine(g, o));
}

void SfondiBianchi(Gioco& g) {
  if (g.f.caN.backColorChanges() == g.cache.BiancheDa) return;
  for (int c = 0; c < kCelle; ++c) g.f.caN[c].setBackColor(kBianco);
  g.cache.BiancheDa = g.f.caN.backColorChanges();
}

void SvuotaCella(Gioco& g, int c) {
  if (!CellaValida(c)) return;
  g.griglia.Cifra.set(c, 0);
  g.griglia.Orig[c] = Origine::Nessuna;
  Label& l = g.f.caN[c];
  l.setCaption("");
  l.setFont(CarattereCandidati(g));
  l.setForeColor(kRosso);
  l.setBackColor(kBianco);
}

}  // namespace orv
