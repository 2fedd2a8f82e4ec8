// Locked candidates: a digit confined to the meeting of a box and a line leaves the rest of the
// line ("PRQ") or the rest of the box ("PRC").
#include <bit>
#include <cstdint>

#include "techniques/caselle_testo.h"
#include "techniques/tecniche.h"

namespace orv {

namespace {

// For each digit, the cells of one zone that list it, in zone order. Only a grid with repeated
// digits in a candidate text can list more than nine; such a digit is left out of the search.
struct TabellaCandidati {
  std::array<std::uint8_t, 10> conta{};
  std::array<std::array<std::uint8_t, 9>, 10> celle;

  void aggiungi(char d, int c) {
    if (d < '1' || d > '9') return;
    std::uint8_t& n = conta[d - '0'];
    if (n < 9) celle[d - '0'][n] = static_cast<std::uint8_t>(c);
    if (n < 10) ++n;
  }
  int quante(int d) const { return conta[d] < 9 ? conta[d] : 9; }
  bool contiene(int d, int c) const {
    for (int i = 0; i < quante(d); ++i)
      if (celle[d][i] == c) return true;
    return false;
  }
  // "19,20": the cells of digit d.
  std::string testo(int d) const {
    std::string s;
    for (int i = 0; i < quante(d); ++i) AggiungiCasella(s, celle[d][i]);
    return s;
  }
};

// Strikes d from cell c: in apply mode at once, in search mode as the move found.
void Togli(Gioco& g, const char* codice, int c, char d, int linea, int quadro,
           const TabellaCandidati& t) {
  if (!g.ricerca.SoloRicerca) {
    if (g.ricerca.InRisoluzione) g.f.caN[c].setBackColor(kAzzurroTolto);
    g.griglia.Can.togli(c, d);
    g.ricerca.Trovata = true;
    if (g.ricerca.InRisoluzione) ++g.verifica.NumConsigli;
    return;
  }
  MossaTrovata& m = g.ricerca.Mossa;
  m.CodiceMetodo = codice;
  m.CasellaMossa = c;
  m.ValoreMossa = g.griglia.Can[c];
  TogliCandidato(m.ValoreMossa, d);
  m.ZonaMossa = linea;
  m.SecondaZona = quadro;
  m.DaTogliere.assign(1, d);
  m.Gruppo.clear();
  m.CaselleGruppo = t.testo(d - '0');
  g.ricerca.Trovata = true;
}

// The table of one digit from the positions of zone z whose text lists it.
TabellaCandidati TabellaDaPosti(int z, int d, unsigned posti) {
  TabellaCandidati t;
  for (; posti != 0; posti &= posti - 1)
    t.aggiungi(static_cast<char>('0' + d), Zona()[z][std::countr_zero(posti)]);
  return t;
}

// Three consecutive positions of a zone: one box of a line, one row of a box.
constexpr unsigned kTerzi[3] = {0x7, 0x38, 0x1C0};
// The positions of one column of a box.
constexpr unsigned kColonneQuadro[3] = {0x49, 0x92, 0x124};

// Whether the positions all fall inside one of `parti`.
bool InUnaParte(unsigned posti, const unsigned (&parti)[3]) {
  for (unsigned p : parti)
    if ((posti & ~p) == 0) return true;
  return false;
}

// With every text in the program's form each listed digit is one bit of the zone masks: the
// same search as below, without reading the texts.
void QuadroImprigionaMaschere(Gioco& g) {
  for (int q = 18; q < kZone; ++q) {
    for (int d = 1; d <= 9; ++d) {
      const unsigned posti = g.griglia.Can.posti(q, d);
      const int n = ContaBit(posti);
      if (n != 2 && n != 3) continue;
      const int prima = Zona()[q][std::countr_zero(posti)];
      int linea;
      if (InUnaParte(posti, kTerzi))
        linea = ZonaRiga(prima);
      else if (InUnaParte(posti, kColonneQuadro))
        linea = ZonaColonna(prima);
      else
        continue;
      for (unsigned f = g.griglia.Can.posti(linea, d) & g.griglia.Cifra.vuote()[linea]; f != 0;
           f &= f - 1) {
        const int c = Zona()[linea][std::countr_zero(f)];
        if (ZonaQuadro(c) == q) continue;
        Togli(g, "PRQ", c, static_cast<char>('0' + d), linea, q, TabellaDaPosti(q, d, posti));
        return;
      }
    }
  }
}

void RigaColImprigionaMaschere(Gioco& g) {
  for (int l = 0; l < 18; ++l) {
    for (int d = 1; d <= 9; ++d) {
      const unsigned posti = g.griglia.Can.posti(l, d);
      if (ContaBit(posti) < 2 || !InUnaParte(posti, kTerzi)) continue;
      const int b = ZonaQuadro(Zona()[l][std::countr_zero(posti)]);
      for (unsigned f = g.griglia.Can.posti(b, d); f != 0; f &= f - 1) {
        const int c = Zona()[b][std::countr_zero(f)];
        if (ZonaRiga(c) == l || ZonaColonna(c) == l) continue;
        Togli(g, "PRC", c, static_cast<char>('0' + d), l, b, TabellaDaPosti(l, d, posti));
        return;
      }
    }
  }
}

}  // namespace

void QuadroImprigiona(Gioco& g) {
  if (MaschereFedeli(g)) return QuadroImprigionaMaschere(g);
  const TabellaZone& zona = Zona();
  for (int q = 18; q < kZone; ++q) {
    TabellaCandidati t;
    for (int c : zona[q]) {
      const std::string& can = g.griglia.Can[c];
      if (can.size() <= 2) continue;
      for (std::size_t i = 1; i + 1 < can.size(); ++i) t.aggiungi(can[i], c);
    }
    for (int d = 1; d <= 9; ++d) {
      const int n = t.conta[d];
      if (n != 2 && n != 3) continue;
      const auto& celle = t.celle[d];
      bool riga = true, colonna = true;
      for (int i = 1; i < n; ++i) {
        riga = riga && celle[i] / 9 == celle[0] / 9;
        colonna = colonna && celle[i] % 9 == celle[0] % 9;
      }
      int linea;
      if (riga)
        linea = ZonaRiga(celle[0]);
      else if (colonna)
        linea = ZonaColonna(celle[0]);
      else
        continue;
      const char x = static_cast<char>('0' + d);
      for (int c : zona[linea]) {
        if (g.HaValore(c) || t.contiene(d, c)) continue;
        if (!HaCandidato(g.griglia.Can[c], x)) continue;
        Togli(g, "PRQ", c, x, linea, q, t);
        return;
      }
    }
  }
}

void RigaColImprigiona(Gioco& g) {
  if (MaschereFedeli(g)) return RigaColImprigionaMaschere(g);
  const TabellaZone& zona = Zona();
  for (int l = 0; l < 18; ++l) {
    TabellaCandidati t;
    // The digits of the trimmed text: the blanks trimmed off are no digits anyway.
    for (int c : zona[l])
      for (char d : g.griglia.Can[c]) t.aggiungi(d, c);
    for (int d = 1; d <= 9; ++d) {
      const int n = t.conta[d];
      if (n < 2 || n > 9) continue;
      const auto& celle = t.celle[d];
      const int b = ZonaQuadro(celle[0]);
      bool stesso = true;
      for (int i = 1; i < n && stesso; ++i) stesso = ZonaQuadro(celle[i]) == b;
      if (!stesso) continue;
      const char x = static_cast<char>('0' + d);
      for (int c : zona[b]) {
        if (ZonaRiga(c) == l || ZonaColonna(c) == l) continue;
        if (!HaCandidato(g.griglia.Can[c], x)) continue;
        Togli(g, "PRC", c, x, l, b, t);
        return;
      }
    }
  }
}

}  // namespace orv
