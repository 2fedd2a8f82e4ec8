// Naked subsets: cells of one zone whose candidates, taken together, are as many digits as there
// are cells; those digits then leave the other cells of the zone.
//
// Every zone rebuilds its pair list and its group list from the candidate texts; nothing
// survives a call. Cell texts are views into g.griglia.Can: they stay valid because nothing changes
// a candidate text before the procedure returns.
#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

#include "techniques/caselle_testo.h"
#include "techniques/tecniche.h"
#include "techniques/zone_senza_esito.h"

namespace orv {
namespace {

enum class Metodo { CPN, SCI3, SCI4, TRN, QUA };

const char* Codice(Metodo m) {
  switch (m) {
    case Metodo::CPN:
      return "CPN";
    case Metodo::SCI3:
      return "SCI3";
    case Metodo::SCI4:
      return "SCI4";
    case Metodo::TRN:
      return "TRN";
    case Metodo::QUA:
      break;
  }
  return "QUA";
}

// A valid grid has at most four naked pairs in a zone; more only come from inconsistent
// candidates, and those extra pairs are ignored. The group list can hold the whole zone.
constexpr int kMaxCoppie = 4;
constexpr int kMaxElenco = 10;

// The trimmed texts of a zone's cells, with what the candidate texts keep beside them.
struct TestiZona {
  std::array<std::string_view, 9> testo;
  std::array<std::uint16_t, 9> maschera;
  std::array<std::uint16_t, 5> lunghe;  // per length 2..4, the positions whose text has it
  // Every text is in the program's form: a text is then its digits, and masks compare at once.
  bool canonici;

  std::string_view operator[](int j) const { return testo[j]; }
  bool Uguali(int a, int b) const {
    return canonici ? maschera[a] == maschera[b] : testo[a] == testo[b];
  }
  // The positions whose text has from `da` to `a` characters (2 <= da <= a <= 4).
  unsigned Lunghe(int da, int a) const {
    unsigned m = 0;
    for (int k = da; k <= a; ++k) m |= lunghe[k];
    return m;
  }
};

TestiZona TestiDellaZona(const Gioco& g, int z) {
  TestiZona t;
  for (int j = 0; j < 9; ++j) {
    const int c = Zona()[z][j];
    t.testo[j] = g.griglia.Can.ridotto(c);
    t.maschera[j] = g.griglia.Can.maschera(c);
  }
  for (int k = 2; k <= 4; ++k) t.lunghe[k] = g.griglia.Can.conLunghezza(z, k);
  t.canonici = MaschereFedeli(g);
  return t;
}

// The digits '1'..'9' of a text as bits 1..9: the nine-character digit mask of a listed cell.
std::uint16_t Maschera(std::string_view s) {
  std::uint16_t m = 0;
  for (char ch : s)
    if (ch >= '1' && ch <= '9') m |= static_cast<std::uint16_t>(1u << (ch - '0'));
  return m;
}

// The union text of a combination: the first cell's text as it stands, then the new digits of
// each further cell in ascending order. It is therefore not always sorted (36 and 13 give 361).
struct Unione {
  std::array<char, 16> cifre{};
  int lung = 0;
  std::uint16_t bit = 0;

  explicit Unione(std::string_view primo) {
    for (char ch : primo)
      if (lung < static_cast<int>(cifre.size())) cifre[lung++] = ch;
    bit = Maschera(primo);
  }
  void Aggiungi(std::uint16_t maschera) {
    for (int d = 1; d <= 9; ++d) {
      const auto b = static_cast<std::uint16_t>(1u << d);
      if ((maschera & b) && !(bit & b) && lung < static_cast<int>(cifre.size())) {
        cifre[lung++] = static_cast<char>('0' + d);
        bit |= b;
      }
    }
  }
  std::string_view Testo() const { return {cifre.data(), static_cast<std::size_t>(lung)}; }
};

// The length of the union text of `primo` (digits `mprimo`) with cells whose digits are `altri`,
// without building it: the search tries many combinations and keeps few.
int LunghezzaUnione(std::string_view primo, std::uint16_t mprimo, std::uint16_t altri) {
  const int n = static_cast<int>(primo.size()) + ContaBit(altri & ~mprimo & 0x3FEu);
  return n < 16 ? n : 16;
}

// The naked pairs found in the zone: the first cell of each matching couple of cells.
struct Coppie {
  std::array<int, kMaxCoppie> pos;
  int n = 0;
  bool Contiene(const TestiZona& t, int j) const {
    for (int i = 0; i < n; ++i)
      if (t.Uguali(pos[i], j)) return true;
    return false;
  }
};

Coppie RaccogliCoppie(const TestiZona& t) {
  Coppie coppie;
  const unsigned due = t.Lunghe(2, 2);
  for (unsigned a = due; a != 0; a &= a - 1) {
    const int j = std::countr_zero(a);
    for (unsigned b = a & (a - 1); b != 0; b &= b - 1)
      if (t.Uguali(std::countr_zero(b), j) && coppie.n < kMaxCoppie) coppie.pos[coppie.n++] = j;
  }
  return coppie;
}

// The cells that may form a group: texts of two to `massimo` digits that are not a naked pair.
struct Elenco {
  std::array<int, kMaxElenco> pos;  // zone positions
  std::array<std::uint16_t, kMaxElenco> maschera;
  int n = 0;
};

Elenco ElencoGruppi(const TestiZona& t, int massimo) {
  const Coppie coppie = RaccogliCoppie(t);
  Elenco e;
  for (unsigned r = t.Lunghe(2, massimo); r != 0 && e.n < kMaxElenco; r &= r - 1) {
    const int j = std::countr_zero(r);
    if (coppie.Contiene(t, j)) continue;
    e.pos[e.n] = j;
    // Trimming takes only blanks away: the text's digits are the cell's.
    e.maschera[e.n] = t.maschera[j];
    ++e.n;
  }
  return e;
}

struct Gruppo {
  std::array<int, 4> pos{};  // zone positions, in group order
  int n = 0;
  std::string_view cifre;
};

// Strikes the group's digits from the other cells of zone z. Search mode describes the first
// cell that holds any of them; apply mode removes one digit from it. False when no cell has one.
bool Elimina(Gioco& g, int z, const TestiZona& t, const Gruppo& gr, Metodo m) {
  unsigned posti = 0x1FF;
  if (t.canonici) {
    // The cells that list a digit of the group, from the masks: a text in the program's form
    // lists its mask's digits, and an empty one none.
    const std::uint16_t cifre = Maschera(gr.cifre);
    posti = 0;
    for (int j = 0; j < 9; ++j) posti |= static_cast<unsigned>((t.maschera[j] & cifre) != 0) << j;
  }
  for (; posti != 0; posti &= posti - 1) {
    const int j = std::countr_zero(posti);
    const int c = Zona()[z][j];
    if (t[j].empty() || g.HaValore(c)) continue;
    bool nelGruppo = false;
    for (int k = 0; k < gr.n; ++k) nelGruppo = nelGruppo || gr.pos[k] == j;
    if (nelGruppo) continue;

    std::size_t k = 0;
    while (k < gr.cifre.size() && !g.griglia.Can.ha(c, gr.cifre[k])) ++k;
    if (k == gr.cifre.size()) continue;

    if (!g.ricerca.SoloRicerca) {
      g.griglia.Can.togli(c, gr.cifre[k]);
      // The pure quad removes without a mark and without counting a move.
      if (m != Metodo::QUA && g.ricerca.InRisoluzione) {
        g.f.caN[c].setBackColor(kAzzurroTolto);
        ++g.verifica.NumConsigli;
      }
      g.ricerca.Trovata = true;
      return true;
    }

    MossaTrovata& mt = g.ricerca.Mossa;
    std::string nuovo = g.griglia.Can[c];
    std::string tolti;
    for (char d : gr.cifre) {
      if (!HaCandidato(nuovo, d)) continue;
      TogliCandidato(nuovo, d);
      tolti += d;
    }
    std::string caselle;
    for (int i = 0; i < gr.n; ++i) AggiungiCasella(caselle, Zona()[z][gr.pos[i]]);
    mt.CodiceMetodo = Codice(m);
    mt.CasellaMossa = c;
    mt.ValoreMossa = std::move(nuovo);
    mt.DaTogliere = std::move(tolti);
    mt.ZonaMossa = z;
    mt.Gruppo = std::string(gr.cifre);
    mt.SecondaZona.reset();
    mt.CaselleGruppo = std::move(caselle);
    g.ricerca.Trovata = true;
    return true;
  }
  return false;
}

// Three listed cells whose union is exactly three digits. False when none removes anything.
bool TreCandidati(Gioco& g, int z, const TestiZona& t, const Elenco& e) {
  for (int a1 = 0; a1 < e.n - 2; ++a1) {
    const std::string_view primo = t[e.pos[a1]];
    if (primo.size() > 3) continue;
    const std::uint16_t m1 = e.maschera[a1];
    for (int a2 = a1 + 1; a2 < e.n - 1; ++a2) {
      const std::uint16_t m2 = e.maschera[a2];
      if (LunghezzaUnione(primo, m1, m2) > 3) continue;
      for (int a3 = a2 + 1; a3 < e.n; ++a3) {
        if (LunghezzaUnione(primo, m1, m2 | e.maschera[a3]) != 3) continue;
        Unione u3(primo);
        u3.Aggiungi(m2);
        u3.Aggiungi(e.maschera[a3]);
        const Gruppo gr{{e.pos[a1], e.pos[a2], e.pos[a3], 0}, 3, u3.Testo()};
        if (Elimina(g, z, t, gr, Metodo::SCI3)) return true;
      }
    }
  }
  return false;
}

// Four listed cells whose union is exactly four digits, the first three already covering all
// four. False when none removes anything.
bool QuattroCandidati(Gioco& g, int z, const TestiZona& t, const Elenco& e) {
  for (int a1 = 0; a1 < e.n - 3; ++a1) {
    const std::string_view primo = t[e.pos[a1]];
    if (primo.size() > 4) continue;
    const std::uint16_t m1 = e.maschera[a1];
    for (int a2 = a1 + 1; a2 < e.n - 2; ++a2) {
      const std::uint16_t m2 = e.maschera[a2];
      if (LunghezzaUnione(primo, m1, m2) > 4) continue;
      for (int a3 = a2 + 1; a3 < e.n - 1; ++a3) {
        const std::uint16_t m3 = m2 | e.maschera[a3];
        if (LunghezzaUnione(primo, m1, m3) != 4) continue;
        for (int a4 = a3 + 1; a4 < e.n; ++a4) {
          if (LunghezzaUnione(primo, m1, m3 | e.maschera[a4]) != 4) continue;
          Unione u4(primo);
          u4.Aggiungi(e.maschera[a2]);
          u4.Aggiungi(e.maschera[a3]);
          u4.Aggiungi(e.maschera[a4]);
          const Gruppo gr{{e.pos[a1], e.pos[a2], e.pos[a3], e.pos[a4]}, 4, u4.Testo()};
          if (Elimina(g, z, t, gr, Metodo::SCI4)) return true;
        }
      }
    }
  }
  return false;
}

// The first k cells of the zone, in scan order, with the same text of k digits (k = 2, 3): the
// first cell that has k - 1 equal ones after it, with the first of them.
bool PrimoPuro(const TestiZona& t, int k, Gruppo& gr) {
  gr = Gruppo{};
  gr.n = k;
  for (unsigned a = t.Lunghe(k, k); a != 0; a &= a - 1) {
    const int j = std::countr_zero(a);
    gr.pos[0] = j;
    int n = 1;
    for (unsigned b = a & (a - 1); b != 0 && n < k; b &= b - 1)
      if (t.Uguali(std::countr_zero(b), j)) gr.pos[n++] = std::countr_zero(b);
    if (n == k) {
      gr.cifre = t[j];
      return true;
    }
  }
  return false;
}

// Naked pairs (n = 2) or triples (n = 3) of zone z. True when the call is over.
bool ZonaNudi(Gioco& g, int z, int n) {
  const TestiZona t = TestiDellaZona(g, z);
  if (n == 2) {
    // Only the first pair of the zone is tried.
    Gruppo gr;
    return PrimoPuro(t, 2, gr) && Elimina(g, z, t, gr, Metodo::CPN);
  }
  const Elenco e = ElencoGruppi(t, 3);
  return e.n >= 3 && TreCandidati(g, z, t, e);
}

// 3 for 3 (n = 3), 4 for 4 (n = 4) or the pure quads (n = 5) of zone z. True when the call is
// over.
bool ZonaTerneQuaterne(Gioco& g, int z, int n) {
  const TestiZona t = TestiDellaZona(g, z);
  if (n == 3) {
    // Pure triples: only the first of the zone is tried.
    Gruppo gr;
    return PrimoPuro(t, 3, gr) && Elimina(g, z, t, gr, Metodo::TRN);
  }
  if (n == 4) {
    const Elenco e = ElencoGruppi(t, 4);
    return e.n >= 4 && QuattroCandidati(g, z, t, e);
  }
  // Pure quads: every one of the zone is tried until one removes something.
  for (int j = 0; j < 6; ++j) {
    if (t[j].size() != 4) continue;
    for (int j2 = j + 1; j2 < 7; ++j2) {
      if (!t.Uguali(j2, j)) continue;
      for (int j3 = j2 + 1; j3 < 8; ++j3) {
        if (!t.Uguali(j3, j)) continue;
        for (int j4 = j3 + 1; j4 < 9; ++j4) {
          if (!t.Uguali(j4, j)) continue;
          if (Elimina(g, z, t, Gruppo{{j, j2, j3, j4}, 4, t[j]}, Metodo::QUA)) return true;
        }
      }
    }
  }
  return false;
}

}  // namespace

void CandidatiCaselle(Gioco& g, int n) {
  if (n != 2 && n != 3) return;
  MemoriaZone memoria(g, RicercaZona::Nudi, n);
  for (int z = 0; z < kZone; ++z) {
    // A zone with too few cells of the right length holds no group.
    const unsigned due = g.griglia.Can.conLunghezza(z, 2);
    if (ContaBit(n == 2 ? due : due | g.griglia.Can.conLunghezza(z, 3)) < n) continue;
    if (memoria.gia(z)) continue;
    if (ZonaNudi(g, z, n)) return;
    memoria.nulla(z);
  }
}

void TerneQuaterne(Gioco& g, int n) {
  if (n < 3 || n > 5) return;
  MemoriaZone memoria(g, RicercaZona::TerneQuaterne, n);
  for (int z = 0; z < kZone; ++z) {
    // A zone with too few cells of the right length holds no group.
    const unsigned lunghe = n == 3   ? g.griglia.Can.conLunghezza(z, 3)
                            : n == 4 ? g.griglia.Can.conLunghezza(z, 2) |
                                           g.griglia.Can.conLunghezza(z, 3) |
                                           g.griglia.Can.conLunghezza(z, 4)
                                     : g.griglia.Can.conLunghezza(z, 4);
    if (ContaBit(lunghe) < (n == 3 ? 3 : 4)) continue;
    if (memoria.gia(z)) continue;
    if (ZonaTerneQuaterne(g, z, n)) return;
    memoria.nulla(z);
  }
}

}  // namespace orv
