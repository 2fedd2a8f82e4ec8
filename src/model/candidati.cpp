#include "model/candidati.h"

#include <bit>

#include "model/celle.h"
#include "model/vista.h"

namespace orv {

void TogliPresenti(Gioco& g, int c, int z) {
  if (!CellaValida(c) || !ZonaValida(z)) return;
  for (int j = 0; j < 9; ++j) {
    if (g.griglia.Can.ridotto(c).size() == 1) return;
    int k = Zona()[z][j];
    if (g.HaValore(k)) g.griglia.Can.togli(c, g.griglia.Cifra[k]);
    if (g.griglia.Can.ridotto(c).size() == 1) return;
  }
}

void RicalcoloCandidati(Gioco& g) {
  for (int c = 0; c < kCelle; ++c) {
    if (g.HaValore(c)) {
      g.griglia.Can.setDaMaschera(c, 0);
      continue;
    }
    const PostoCella& p = PostiCella(c);
    const unsigned viste = g.griglia.Cifra.cifre(p.zona[0]) | g.griglia.Cifra.cifre(p.zona[1]) |
                           g.griglia.Cifra.cifre(p.zona[2]);
    if (viste != 0x3FE) {
      g.griglia.Can.setDaMaschera(c, static_cast<std::uint16_t>(0x3FE & ~viste));
      continue;
    }
    // All nine digits around the cell: the removal stops at the last candidate, and the order
    // of row, column and box decides which one stays.
    g.griglia.Can.set(c, kTuttiCandidati);
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
  if (!g.f.Sugge1.value() && g.creazione.InCreazione) {
    g.f.Sugge1.setValue(true);
    MostraCandidati(g);
  }
  g.verifica.NessunErrore = true;
  const bool mostra = g.f.Sugge1.value();
  const bool cifra = v >= '1' && v <= '9';
  for (int z : {ZonaRiga(c), ZonaColonna(c), ZonaQuadro(c)}) {
    // The cells of the zone that list v, in zone order (all of them for any other character).
    unsigned posti = cifra ? g.griglia.Can.posti(z, v - '0') : 0x1FFu;
    for (; posti != 0; posti &= posti - 1) {
      const int k = Zona()[z][std::countr_zero(posti)];
      if (!g.griglia.Can.ha(k, v)) continue;
      g.griglia.Can.togli(k, v);
      std::string_view resto = g.griglia.Can.ridotto(k);
      if (resto.empty()) {
        g.verifica.NessunErrore = false;
        if (!g.verifica.InTentativo) SegnalaErrore(g);
        return;
      }
      if (mostra) g.f.caN[k].setCaption(resto);
    }
  }
}

void PiazzaProvvisoria(Gioco& g, int c, char d) {
  ImpostaValore(g, c, d, Origine::Provvisoria);
  if (g.ricerca.InRisoluzione) ++g.verifica.NumConsigli;
  ++g.griglia.Riempite;
  g.ricerca.Trovata = true;
  ControlloErrori(g, c, d);
}

void SegnalaErrore(Gioco& g) {
  ListBox& l = g.f.ListCons;
  l.clear();
  l.addItem("- ERRORE NEL GIOCO ...");
  if (g.ricerca.InRisoluzione || g.partita.UltimaModifica.empty()) {
    l.addItem("  ... anomalie nei dati di partenza,");
    l.addItem("  verificarli e ricaricarli.");
  }
  if (!g.partita.UltimaModifica.empty()) {
    l.addItem("  ... quando nella Casella segnalata,");
    l.addItem("  hai cambiato " + g.partita.UltimaModifica + ".");
    l.addItem("  Ricaricare il Flash (o Cancellare");
    l.addItem("  tutte le Mosse o Azzerare).");
  }
  g.f.Semaf.setFillColor(kRossoSemaforo);
  g.f.SemaLab.setBackColor(kRossoSemaforo);
  g.f.SemaLab.setCaption("ERR");
  ++g.partita.NumErrori;
  g.f.NErr.setCaption(TestoErrori(g.partita.NumErrori));
  g.partita.ModoConsigli = false;
  for (int c = 0; c < kCelle; ++c) {
    if (g.HaValore(c) && g.griglia.Orig[c] == Origine::Blu &&
        Trim(g.verifica.Soluzione[c]).empty()) {
      g.f.caN[c].setBackColor(kGrigioEsclusione);
      g.f.caN[c].setForeColor(kRosso);
    }
  }
  if (CellaValida(g.partita.CellaSegnalata)) g.f.caN[g.partita.CellaSegnalata].setBackColor(kViola);
  for (Button* b : {&g.f.Cons1, &g.f.Cons2, &g.f.Cons3, &g.f.Applica}) b->setEnabled(false);
}

}  // namespace orv
