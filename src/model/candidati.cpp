#include "model/candidati.h"

#include <array>
#include <bit>

#include "ui/finestra.h"

namespace orv {

void TogliPresenti(Gioco& g, int c, int z) {
  if (!CellaValida(c) || !ZonaValida(z)) return;
  for (int j = 0; j < 9; ++j) {
    if (NumCandidati(g.Can[c]) == 1) return;
    int k = Zona()[z][j];
    if (g.HaValore(k)) g.Can.togli(c, g.Cifra[k]);
    if (NumCandidati(g.Can[c]) == 1) return;
  }
}

void RicalcoloCandidati(Gioco& g) {
  // The digits each row, column and box holds, from the grid's masks.
  std::array<unsigned, kZone> presenti{};
  for (int v = 1; v <= 9; ++v) {
    for (int i = 0; i < 9; ++i) {
      presenti[i] |= (g.Cifra.righe(v) >> i & 1u) << v;
      presenti[9 + i] |= (g.Cifra.colonne(v) >> i & 1u) << v;
      presenti[18 + i] |= (g.Cifra.quadri(v) >> i & 1u) << v;
    }
  }
  for (int c = 0; c < kCelle; ++c) {
    if (g.HaValore(c)) {
      g.Can.setDaMaschera(c, 0);
      continue;
    }
    const int zone[3] = {ZonaRiga(c), ZonaColonna(c), ZonaQuadro(c)};
    const unsigned visti = presenti[zone[0]] | presenti[zone[1]] | presenti[zone[2]];
    unsigned cifre = 0x3FE & ~visti;
    if (cifre == 0) {
      // TogliPresenti over the row, the column and the box: the removal stops at the last
      // candidate, so on a grid whose three zones hold all nine digits the order decides which
      // one stays.
      cifre = 0x3FE;
      int n = 9;
      for (int z : zone) {
        for (int j = 0; j < 9 && n > 1; ++j) {
          const int v = g.Valore(Zona()[z][j]);
          if (v != 0 && (cifre & (1u << v))) {
            cifre &= ~(1u << v);
            --n;
          }
        }
      }
    }
    g.Can.setDaMaschera(c, static_cast<std::uint16_t>(cifre));
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
      std::string_view resto = Trim(g.Can[k]);
      if (resto.empty()) {
        g.NessunErrore = false;
        if (!g.InTentativo) SegnalaErrore(g);
        return;
      }
      if (mostra) g.f.caN[k].setCaption(resto);
    }
  }
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
