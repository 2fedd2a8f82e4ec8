#include "model/candidati.h"

#include <bit>

#include "model/celle.h"
#include "ui/finestra.h"

namespace orv {

void TogliPresenti(Gioco& g, int c, int z) {
  if (!CellaValida(c) || !ZonaValida(z)) return;
  for (int j = 0; j < 9; ++j) {
    if (g.Can.ridotto(c).size() == 1) return;
    int k = Zona()[z][j];
    if (g.HaValore(k)) g.Can.togli(c, g.Cifra[k]);
    if (g.Can.ridotto(c).size() == 1) return;
  }
}

void RicalcoloCandidati(Gioco& g) {
  for (int c = 0; c < kCelle; ++c) {
    if (g.HaValore(c)) {
      g.Can.setDaMaschera(c, 0);
      continue;
    }
    const PostoCella& p = PostiCella(c);
    const unsigned viste =
        g.Cifra.cifre(p.zona[0]) | g.Cifra.cifre(p.zona[1]) | g.Cifra.cifre(p.zona[2]);
    if (viste != 0x3FE) {
      g.Can.setDaMaschera(c, static_cast<std::uint16_t>(0x3FE & ~viste));
      continue;
    }
    // All nine digits around the cell: the removal stops at the last candidate, and the order
    // of row, column and box decides which one stays.
    g.Can.set(c, kTuttiCandidati);
    for (int z : p.zona) TogliPresenti(g, c, z);
  }
  g.f.Sugge1.setValue(true);
  MostraCandidati(g);
}

std::string TestoErrori(int n) {
  return std::to_string(n) + (n == 1 ? " Errore" : " Errori");
}

void ControlloErrori(Gioco& g, int c, char v) {
  if (!CellaValida(c)) return;
  if (!g.f.Sugge1.value() && g.InCreazione) {
    g.f.Sugge1.setValue(true);
    MostraCandidati(g);
  }
  g.NessunErrore = true;
  const bool mostra = g.f.Sugge1.value();
  const bool cifra = v >= '1' && v <= '9';
  for (int z : {ZonaRiga(c), ZonaColonna(c), ZonaQuadro(c)}) {
    // The cells of the zone that list v, in zone order (all of them for any other character).
    unsigned posti = cifra ? g.Can.posti(z, v - '0') : 0x1FFu;
    for (; posti != 0; posti &= posti - 1) {
      const int k = Zona()[z][std::countr_zero(posti)];
      if (!g.Can.ha(k, v)) continue;
      g.Can.togli(k, v);
      std::string_view resto = g.Can.ridotto(k);
      if (resto.empty()) {
        g.NessunErrore = false;
        if (!g.InTentativo) SegnalaErrore(g);
        return;
      }
      if (mostra) g.f.caN[k].setCaption(resto);
    }
  }
}

void PiazzaProvvisoria(Gioco& g, int c, char d) {
  ImpostaValore(g, c, d, Origine::Provvisoria);
  if (g.InRisoluzione) ++g.NumConsigli;
  ++g.Riempite;
  g.Trovata = true;
  ControlloErrori(g, c, d);
}

void SegnalaErrore(Gioco& g) {
  ListBox& l = g.f.ListCons;
  l.clear();
  l.addItem("- ERRORE NEL GIOCO ...");
  if (g.InRisoluzione || g.UltimaModifica.empty()) {
    l.addItem("  ... anomalie nei dati di partenza,");
    l.addItem("  verificarli e ricaricarli.");
  }
  if (!g.UltimaModifica.empty()) {
    l.addItem("  ... quando nella Casella segnalata,");
    l.addItem("  hai cambiato " + g.UltimaModifica + ".");
    l.addItem("  Ricaricare il Flash (o Cancellare");
    l.addItem("  tutte le Mosse o Azzerare).");
  }
  g.f.Semaf.setFillColor(kRossoSemaforo);
  g.f.SemaLab.setBackColor(kRossoSemaforo);
  g.f.SemaLab.setCaption("ERR");
  ++g.NumErrori;
  g.f.NErr.setCaption(TestoErrori(g.NumErrori));
  g.ModoConsigli = false;
  for (int c = 0; c < kCelle; ++c) {
    if (g.HaValore(c) && g.Orig[c] == Origine::Blu && Trim(g.Soluzione[c]).empty()) {
      g.f.caN[c].setBackColor(kGrigioEsclusione);
      g.f.caN[c].setForeColor(kRosso);
    }
  }
  if (CellaValida(g.CellaSegnalata)) g.f.caN[g.CellaSegnalata].setBackColor(kViola);
  for (Button* b : {&g.f.Cons1, &g.f.Cons2, &g.f.Cons3, &g.f.Applica}) b->setEnabled(false);
}

}  // namespace orv
