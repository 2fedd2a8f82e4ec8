// Fish: for one digit, base lines (first the rows, then the columns) whose candidates of the
// digit fall into as many cover lines of the other direction; the digit then leaves the other
// cells of the cover lines.
#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "techniques/caselle_testo.h"
#include "techniques/tecniche.h"

namespace orv {
namespace {

using Bit = std::uint16_t;

constexpr Bit B(int p) {
  return static_cast<Bit>(1u << p);
}

// One pass: the base lines are the zones inizio..inizio + 8 (rows from 0, columns from 9).
struct Passata {
  int inizio;
  // The cover zone of position p: its column in the row pass, its row in the column pass.
  int Copertura(int p) const { return inizio == 0 ? 9 + p : p; }
  // Zona(linea)(p), without the table.
  static int Cella(int linea, int p) { return linea < 9 ? 9 * linea + p : linea - 9 + 9 * p; }
  const char* Orientamento() const { return inizio == 0 ? "0" : "9"; }
};

constexpr std::array<Passata, 2> kPassate{{{0}, {9}}};

// For one pass, per digit and base line, the positions whose cell lists the digit; `vuote`
// counts only cells without a value, `valori` marks the cells with one.
struct Linee {
  std::array<std::array<Bit, 9>, 10> tutte{}, vuote{};
  std::array<Bit, 9> valori{};
};

// The candidate digits of every cell as bits 1..9, and the lines of both passes, read once per
// call: nothing changes a candidate text before the procedure returns.
struct Tavola {
  std::array<Bit, kCelle> cand{};
  std::array<Linee, 2> passata;
};

Tavola LeggiTavola(const Gioco& g) {
  // The candidate texts keep, per zone and digit, the positions whose text lists the digit
  // (anywhere in it), and the grid keeps the empty positions: rows and columns are two of those
  // zones.
  Tavola t;
  for (int c = 0; c < kCelle; ++c) t.cand[c] = g.griglia.Can.maschera(c);
  const std::array<std::uint16_t, kZone>& vuote = g.griglia.Cifra.vuote();
  for (int l = 0; l < 9; ++l) {
    t.passata[0].valori[l] = static_cast<Bit>(~vuote[l] & 0x1FF);
    t.passata[1].valori[l] = static_cast<Bit>(~vuote[9 + l] & 0x1FF);
    for (int d = 1; d <= 9; ++d) {
      const Bit riga = g.griglia.Can.posti(l, d), colonna = g.griglia.Can.posti(9 + l, d);
      t.passata[0].tutte[d][l] = riga;
      t.passata[1].tutte[d][l] = colonna;
      t.passata[0].vuote[d][l] = static_cast<Bit>(riga & vuote[l]);
      t.passata[1].vuote[d][l] = static_cast<Bit>(colonna & vuote[9 + l]);
    }
  }
  return t;
}

// Removes d from cell c or describes that removal, as the last step of a found fish.
void TogliDaCella(Gioco& g, int c, char x, const char* codice, const Passata& ps,
                  const std::string& caselle) {
  if (!g.ricerca.SoloRicerca) {
    if (g.ricerca.InRisoluzione) g.f.caN[c].setBackColor(kAzzurroTolto);
    g.griglia.Can.togli(c, x);
    if (g.ricerca.InRisoluzione) ++g.verifica.NumConsigli;
    g.ricerca.Trovata = true;
    return;
  }
  MossaTrovata& mt = g.ricerca.Mossa;
  mt.CodiceMetodo = codice;
  mt.CasellaMossa = c;
  mt.ValoreMossa = g.griglia.Can[c];
  TogliCandidato(mt.ValoreMossa, x);
  mt.DaTogliere.assign(1, x);
  mt.Gruppo = ps.Orientamento();
  mt.ZonaMossa.reset();
  mt.SecondaZona.reset();
  mt.CaselleGruppo = caselle;
  g.ricerca.Trovata = true;
}

std::string TestoCaselle(std::initializer_list<int> celle) {
  std::string s;
  for (int c : celle) AggiungiCasella(s, c);
  return s;
}

}  // namespace

void XWing(Gioco& g) {
  const Tavola tav = LeggiTavola(g);
  const std::array<Bit, kCelle>& cand = tav.cand;
  const TabellaZone& Z = Zona();
  struct Linea {
    int linea, p1, p2;
  };
  for (const Passata& ps : kPassate) {
    const Linee& t = tav.passata[ps.inizio == 0 ? 0 : 1];
    for (int d = 1; d <= 9; ++d) {
      const char x = static_cast<char>('0' + d);
      std::array<Linea, 9> linee{};
      int n = 0;
      for (int l = 0; l < 9; ++l) {
        const unsigned m = t.tutte[d][l];
        if (ContaBit(m) != 2) continue;
        linee[n++] = {ps.inizio + l, std::countr_zero(m), std::countr_zero(m & (m - 1))};
      }
      if (n < 2) continue;
      for (int a = 0; a < n - 1; ++a) {
        for (int b = a + 1; b < n; ++b) {
          if (linee[a].p1 != linee[b].p1 || linee[a].p2 != linee[b].p2) continue;
          const int p1 = linee[a].p1, p2 = linee[a].p2;
          const int angoli[4] = {
              Passata::Cella(linee[a].linea, p1), Passata::Cella(linee[a].linea, p2),
              Passata::Cella(linee[b].linea, p1), Passata::Cella(linee[b].linea, p2)};
          for (int cop : {ps.Copertura(p1), ps.Copertura(p2)}) {
            for (int j = 0; j < 9; ++j) {
              const int c = Z[cop][j];
              if (g.HaValore(c)) continue;
              if (c == angoli[0] || c == angoli[1] || c == angoli[2] || c == angoli[3]) continue;
              if (!(cand[c] & B(d))) continue;
              // The rectangle is recorded only with the move it explains, so that a search that
              // finds nothing leaves the last move's rectangles as they were.
              std::array<int, 8>& r = g.ricerca.Mossa.Rettangoli;
              r[0] = linee[a].linea;
              r[1] = linee[b].linea;
              r[2] = p1;
              r[3] = p2;
              TogliDaCella(g, c, x, "XWN", ps,
                           TestoCaselle({angoli[0], angoli[1], angoli[2], angoli[3]}));
              return;
            }
          }
        }
      }
    }
  }
}

void Swordfish(Gioco& g) {
  const Tavola tav = LeggiTavola(g);
  const std::array<Bit, kCelle>& cand = tav.cand;
  const TabellaZone& Z = Zona();
  // A listed line: its zone, the positions holding the digit ("X") and those holding a value
  // ("+"); every other position is "0", or "-" where no listed line holds the digit.
  struct Linea {
    int linea;
    Bit x, piu;
  };
  for (const Passata& ps : kPassate) {
    const Linee& t = tav.passata[ps.inizio == 0 ? 0 : 1];
    for (int d = 1; d <= 9; ++d) {
      const char x = static_cast<char>('0' + d);
      std::array<Linea, 9> linee{};
      int n = 0;
      for (int l = 0; l < 9; ++l) {
        // A line with more than three places for the digit is dropped.
        const int k = ContaBit(t.vuote[d][l]);
        if (k == 2 || k == 3) linee[n++] = {ps.inizio + l, t.vuote[d][l], t.valori[l]};
      }
      if (n < 3) continue;

      // A position that only one listed line uses cannot be a cover line: that line goes. A
      // line that can go stays so while others go, so every such line goes at once, keeping the
      // order of the others, until no position has a single line.
      for (;;) {
        unsigned una = 0, due = 0;
        for (int i = 0; i < n; ++i) {
          due |= una & linee[i].x;
          una |= linee[i].x;
        }
        const unsigned sole = una & ~due;
        if (sole == 0) break;
        int k = 0;
        for (int i = 0; i < n; ++i)
          if (!(linee[i].x & sole)) linee[k++] = linee[i];
        n = k;
      }

      Bit usate = 0;
      for (int i = 0; i < n; ++i) usate |= linee[i].x;
      int primaUsata = -1, ultimaUsata = -1;  // the second and the last but one used positions
      {
        std::array<int, 9> u{};
        int nu = 0;
        for (int p = 0; p < 9; ++p)
          if (usate & B(p)) u[nu++] = p;
        if (nu >= 3) {
          primaUsata = u[1];
          ultimaUsata = u[nu - 2];
        }
      }
      // "0" flag: empty, without the digit, at a position that some listed line uses.
      auto zero = [&](const Linea& l, int p) {
        return (usate & B(p)) && !(l.x & B(p)) && !(l.piu & B(p));
      };
      auto due = [](const Linea& l, int p, int q) { return (l.x & B(p)) && (l.x & B(q)); };

      for (int m = 1; m <= n - 2; ++m) {
        const Linea& M = linee[m];
        for (int q1 = primaUsata; q1 >= 0 && q1 <= ultimaUsata; ++q1) {
          if (!zero(M, q1)) continue;
          for (int q2 = q1 - 1; q2 >= 0; --q2) {
            if (!(M.x & B(q2))) continue;
            int seconda = -1;
            for (int i = m - 1; i >= 0 && seconda < 0; --i)
              if (due(linee[i], q2, q1)) seconda = i;
            for (int i = m + 1; i < n && seconda < 0; ++i)
              if (due(linee[i], q2, q1)) seconda = i;
            if (seconda < 0) continue;
            const int passo = seconda < m ? 1 : -1;  // the third line lies on the other side
            bool abbandona = false;
            for (int q3 = q1 + 1; q3 < 9 && !abbandona; ++q3) {
              if (!(M.x & B(q3))) continue;
              for (int terza = m + passo; terza >= 0 && terza < n && !abbandona; terza += passo) {
                if (!due(linee[terza], q3, q1)) continue;
                const int iu = seconda < m ? seconda : terza, iw = seconda < m ? terza : seconda;
                const Linea &U = linee[iu], &W = linee[iw];
                const Bit coperte = B(q1) | B(q2) | B(q3);
                if ((U.x | M.x | W.x) & ~coperte) {
                  abbandona = true;
                  continue;
                }
                const Linea &S = linee[seconda], &T = linee[terza];
                const int schema[7] = {Passata::Cella(M.linea, q1), Passata::Cella(M.linea, q2),
                                       Passata::Cella(S.linea, q2), Passata::Cella(S.linea, q1),
                                       Passata::Cella(M.linea, q3), Passata::Cella(T.linea, q3),
                                       Passata::Cella(T.linea, q1)};
                // Every cell of the three base lines keeps the digit, not only the seven cells
                // of the pattern: an outer line may hold it at all three cover positions, and
                // its third one is no less a place for the digit than the others.
                for (int cop : {ps.Copertura(q2), ps.Copertura(q1), ps.Copertura(q3)}) {
                  for (int j = 0; j < 9; ++j) {
                    const int c = Z[cop][j];
                    const int base = ps.inizio + j;
                    if (base == U.linea || base == M.linea || base == W.linea) continue;
                    if (g.HaValore(c) || !(cand[c] & B(d))) continue;
                    std::array<int, 8>& r = g.ricerca.Mossa.Rettangoli;
                    r[0] = U.linea;
                    r[1] = M.linea;
                    r[4] = M.linea;
                    r[5] = W.linea;
                    if (seconda < m) {
                      r[2] = q2, r[3] = q1, r[6] = q1, r[7] = q3;
                    } else {
                      r[2] = q1, r[3] = q3, r[6] = q2, r[7] = q1;
                    }
                    TogliDaCella(g, c, x, "SWF", ps,
                                 TestoCaselle({schema[0], schema[1], schema[2], schema[3],
                                               schema[4], schema[5], schema[6]}));
                    return;
                  }
                }
              }
            }
          }
        }
      }
    }
  }
}

}  // namespace orv
