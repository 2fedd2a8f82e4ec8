// Hidden subsets: digits of a zone that can go only in the same few cells. A hidden single is
// placed; a hidden pair, triple or quad reduces one of its cells to exactly the group's digits.
//
// The groups are pure: every digit of the group has exactly the same cells in the zone. The
// two working lists are kept in ascending order of their text rows ("0512-7" for digit 7 in
// cells 5 and 12, "5= 0X0X00X00 3" for digit 5 in positions 1, 3 and 6), held here as fixed
// buffers whose order is that of the texts.
#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "model/candidati.h"
#include "model/celle.h"
#include "techniques/caselle_testo.h"
#include "techniques/tecniche.h"
#include "techniques/zone_senza_esito.h"

namespace orv {
namespace {

// For each digit of one zone: how many times the empty cells list it, and the positions of
// those cells. A text that lists a digit twice counts it twice at one position, so a count of
// two with a single position is that one cell twice. Only the entries of the digits in `cifre`
// are ever read, so the tables start unfilled.
struct Posizioni {
  std::array<int, 10> conta;
  std::array<std::uint16_t, 10> flag;
  // Bit d for each digit the search has to look at; the others have no place that matters.
  unsigned cifre = 0x3FE;
  // The first (k = 0) or second (k = 1) cell of digit d, in zone order.
  int Posizione(int d, int k) const {
    const unsigned f = flag[d];
    const int prima = std::countr_zero(f);
    if (k == 0 || ContaBit(f) < 2) return prima;
    return std::countr_zero(f & (f - 1));
  }
};

// `n` is the size of the subsets searched: below 3 any count above 2 reads as 3.
Posizioni TabellaPosizioni(const Gioco& g, int z, int n) {
  Posizioni t;
  if (MaschereFedeli(g)) {
    // Texts in the program's form list each digit once, so the counts are numbers of cells:
    // which digits the empty cells list once, twice, or more often, all digits at a time, and
    // their positions from the masks the candidate texts keep per zone.
    const unsigned vuote = g.griglia.Cifra.vuote()[z];
    unsigned una = 0, due = 0, piu = 0;
    for (int j = 0; j < 9; ++j) {
      // A cell with a value counts for nothing (without a branch: which cells are empty follows
      // no pattern a processor could guess).
      const unsigned m = g.griglia.Can.maschera(Zona()[z][j]) & (0u - (vuote >> j & 1u));
      piu |= due & m;
      due |= una & m;
      una |= m;
    }
    const unsigned solo1 = una & ~due, solo2 = due & ~piu;
    t.cifre = solo1 | (n == 2 ? solo2 : 0) | (n >= 3 ? piu : 0);
    for (unsigned r = t.cifre; r != 0; r &= r - 1) {
      const int d = std::countr_zero(r);
      const unsigned f = g.griglia.Can.posti(z, d) & vuote;
      t.flag[d] = static_cast<std::uint16_t>(f);
      t.conta[d] = ContaBit(f);
    }
    return t;
  }
  t.conta.fill(0);
  t.flag.fill(0);
  const std::array<int, 9>& zona = Zona()[z];
  for (int j = 0; j < 9; ++j) {
    const int c = zona[j];
    if (g.HaValore(c)) continue;
    const std::string& can = g.griglia.Can[c];
    // The digits between the framing blanks.
    for (std::size_t k = 1; k + 1 < can.size(); ++k) {
      if (can[k] < '1' || can[k] > '9') continue;
      const int d = can[k] - '0';
      ++t.conta[d];
      t.flag[d] |= static_cast<std::uint16_t>(1u << j);
    }
  }
  return t;
}

// ElencoCoppie: one row per digit with exactly two cells. The row text is the two cells as two
// digits each, "-" and the digit; the key A*1000 + B*10 + d orders exactly as that text does.
struct ElencoCoppie {
  std::array<int, 9> riga;  // rows 0..n-1 are filled
  int n = 0;
  void Aggiungi(int a, int b, int d) {
    const int chiave = a * 1000 + b * 10 + d;
    int i = n;
    while (i > 0 && riga[i - 1] > chiave) {
      riga[i] = riga[i - 1];
      --i;
    }
    riga[i] = chiave;
    ++n;
  }
  static int Celle(int riga) { return riga / 10; }
  static int CellaA(int riga) { return riga / 1000; }
  static int CellaB(int riga) { return riga / 10 % 100; }
  static char Cifra(int riga) { return static_cast<char>('0' + riga % 10); }
};

// ElencoPosizioni: one row per digit with three to nine cells: its position flags and its count.
// Digits arrive in ascending order and the row text starts with the digit, so appending keeps
// the text order; the tally row that closes the list sorts after every digit row and only
// counts as a row here, since nothing reads its counts.
struct ElencoPosizioni {
  struct Riga {
    char cifra;
    std::uint16_t flag;  // bit j: position j of the zone holds the digit
    int conta;
  };
  std::array<Riga, 9> riga;            // rows 0..n-1 are filled
  int n = 0;                           // digit rows
  int Righe() const { return n + 1; }  // with the tally row
  void Togli(int i) {
    for (int k = i; k + 1 < n; ++k) riga[k] = riga[k + 1];
    --n;
  }
};

void Colora(Gioco& g, int c, Colore col) {
  if (g.ricerca.InRisoluzione) g.f.caN[c].setBackColor(col);
}

void ContaPasso(Gioco& g) {
  if (g.ricerca.InRisoluzione) ++g.verifica.NumConsigli;
}

// Apply mode: the hidden single d goes into c as a provisional value, on green.
void PiazzaNascosto(Gioco& g, int c, char d) {
  Colora(g, c, kVerdeNascosto);
  PiazzaProvvisoria(g, c, d);
}

// Hidden triple (N = 3) or quad (N = 4) in zone z. True when the call is over.
bool GruppoNascosto(Gioco& g, int z, int N, ElencoPosizioni& ep) {
  // Rows whose count is not N cannot belong to the group; pending window events run once per
  // pass, which keeps the coach's progress line moving during a long search.
  for (;;) {
    g.platform.processEvents();
    if (ep.Righe() < N + 1) break;
    int i = 0;
    while (i < ep.n && ep.riga[i].conta == N) ++i;
    if (i == ep.n) break;
    ep.Togli(i);
  }
  if (ep.Righe() < N + 1) return false;

  // The first N rows with identical flags, in the order of nested loops over the rows: for the
  // first row that has N - 1 equal rows after it, those are the next N - 1 equal ones.
  std::array<int, 4> scelte{};
  bool trovate = false;
  for (int i1 = 0; i1 + N <= ep.n && !trovate; ++i1) {
    int k = 0;
    scelte[k++] = i1;
    for (int i = i1 + 1; i < ep.n && k < N; ++i)
      if (ep.riga[i].flag == ep.riga[i1].flag) scelte[k++] = i;
    trovate = k == N;
  }
  if (!trovate) return false;

  std::string D = " ";
  for (int k = 0; k < N; ++k) D += ep.riga[scelte[k]].cifra;
  D += ' ';
  const std::uint16_t flag = ep.riga[scelte[0]].flag;
  int bersaglio = -1;
  for (int j = 0; j < 9 && bersaglio < 0; ++j) {
    const int c = Zona()[z][j];
    if ((flag >> j & 1) && g.griglia.Can.ridotto(c).size() > static_cast<std::size_t>(N))
      bersaglio = c;
  }
  if (bersaglio < 0) return false;

  if (!g.ricerca.SoloRicerca) {
    g.ricerca.Trovata = true;
    g.griglia.Can.set(bersaglio, D);
    Colora(g, bersaglio, kVerdeNascosto);
    ContaPasso(g);
    return true;
  }
  MossaTrovata& mt = g.ricerca.Mossa;
  mt.CodiceMetodo = N == 4 ? "HQU" : "HTR";
  mt.CasellaMossa = bersaglio;
  mt.ValoreMossa = D;
  mt.ZonaMossa = z;
  mt.DaTogliere.clear();
  mt.Gruppo = std::string(Trim(D));
  mt.CaselleGruppo.clear();
  for (int j = 0; j < 9; ++j)
    if (flag >> j & 1) AggiungiCasella(mt.CaselleGruppo, Zona()[z][j]);
  g.ricerca.Trovata = true;
  return true;
}

// Hidden pairs of zone z: equal cells on adjacent rows. Search mode stops at the first cell that
// the pair reduces; apply mode reduces every cell of every pair. True when the call is over.
bool CoppieNascoste(Gioco& g, int z, const ElencoCoppie& ec) {
  for (int i = 0; i + 1 < ec.n; ++i) {
    const int r1 = ec.riga[i], r2 = ec.riga[i + 1];
    if (ElencoCoppie::Celle(r1) != ElencoCoppie::Celle(r2)) continue;
    char d1 = ElencoCoppie::Cifra(r1), d2 = ElencoCoppie::Cifra(r2);
    if (d2 < d1) std::swap(d1, d2);
    const char cifre[2] = {d1, d2};
    const std::string D = Incornicia(std::string_view(cifre, 2));
    const int celle[2] = {ElencoCoppie::CellaA(r1), ElencoCoppie::CellaB(r1)};
    const auto coppia = static_cast<std::uint16_t>(1u << (d1 - '0') | 1u << (d2 - '0'));
    for (int k = 0; k < 2; ++k) {
      const int c = celle[k];
      // A text in the program's form is D exactly when its digits are the pair's.
      if (MaschereFedeli(g, c) ? g.griglia.Can.maschera(c) == coppia : g.griglia.Can[c] == D)
        continue;
      if (!g.ricerca.SoloRicerca) {
        g.ricerca.Trovata = true;
        g.griglia.Can.setDaMaschera(c, coppia);
        Colora(g, c, kVerdeNascosto);
        ContaPasso(g);
        continue;
      }
      MossaTrovata& mt = g.ricerca.Mossa;
      mt.CodiceMetodo = k == 0 ? "Xx2a" : "Xx2b";
      mt.CasellaMossa = c;
      mt.ValoreMossa = D;
      mt.ZonaMossa = z;
      mt.DaTogliere.clear();
      mt.Gruppo.assign(cifre, 2);
      mt.CaselleGruppo.clear();
      AggiungiCasella(mt.CaselleGruppo, celle[1 - k]);
      g.ricerca.Trovata = true;
      return true;
    }
  }
  return false;
}

}  // namespace

void Nascosti(Gioco& g, int n) {
  if (n < 1 || n > 4) return;
  MemoriaZone memoria(g, RicercaZona::Nascosti, n);
  for (int z = 0; z < kZone; ++z) {
    if (memoria.gia(z)) continue;
    const std::array<int, 9>& zona = Zona()[z];
    const Posizioni t = TabellaPosizioni(g, z, n);
    ElencoCoppie ec;
    ElencoPosizioni ep;
    for (unsigned cifre = t.cifre; cifre != 0; cifre &= cifre - 1) {
      const int d = std::countr_zero(cifre);
      const int k = t.conta[d];
      if (k == 1) {
        const int c = zona[t.Posizione(d, 0)];
        // A cell whose only candidate is d is a single-candidate cell, not a hidden single.
        if (g.griglia.Can.dimensione(c) <= 3) continue;
        const char cifra = static_cast<char>('0' + d);
        if (!g.ricerca.SoloRicerca) {
          PiazzaNascosto(g, c, cifra);
          return;
        }
        if (n == 1) {
          MossaTrovata& mt = g.ricerca.Mossa;
          mt.CodiceMetodo = "Xx1";
          mt.CasellaMossa = c;
          mt.ValoreMossa = Incornicia(std::string_view(&cifra, 1));
          mt.ZonaMossa = z;
          g.ricerca.Trovata = true;
          return;
        }
      } else if (k == 2 && n == 2) {
        ec.Aggiungi(zona[t.Posizione(d, 0)], zona[t.Posizione(d, 1)], d);
      } else if (k >= 3 && k <= 9 && (n == 3 || n == 4)) {
        ep.riga[ep.n++] = {static_cast<char>('0' + d), t.flag[d], k};
      }
    }
    if (n >= 3) {
      if (GruppoNascosto(g, z, n, ep)) return;
    } else if (CoppieNascoste(g, z, ec)) {
      return;
    }
    memoria.nulla(z);
  }
}

}  // namespace orv
