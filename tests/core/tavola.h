// Fixtures of the technique tests: boards built from candidate texts, the cell backgrounds, and
// a plain solver for the collection runs. The modes and the record helpers are in mosse.h.
#pragma once

#include <array>
#include <initializer_list>
#include <string>

#include "fixture.h"
#include "mosse.h"
#include "techniques/tecniche.h"

namespace orv::test {

// Every cell empty with all nine candidates: only the texts a test sets afterwards matter.
inline void TavolaLibera(Gioco& g) {
  g.griglia.Riempite = 0;
  for (int c = 0; c < kCelle; ++c) {
    SvuotaCella(g, c);
    g.griglia.Can.set(c, kTuttiCandidati);
  }
}

struct Testo {
  int c;
  const char* can;
};

inline void ImpostaTesti(Gioco& g, std::initializer_list<Testo> testi) {
  for (const Testo& t : testi) g.griglia.Can.set(t.c, t.can);
}

// Digit d stays a candidate only at the given positions of zone z.
inline void SoloIn(Gioco& g, int z, char d, std::initializer_list<int> posizioni) {
  for (int j = 0; j < 9; ++j) {
    bool resta = false;
    for (int p : posizioni) resta = resta || p == j;
    if (!resta) g.griglia.Can.togli(Zona()[z][j], d);
  }
}

inline std::array<Colore, kCelle> Sfondi(const Gioco& g) {
  std::array<Colore, kCelle> s{};
  for (int c = 0; c < kCelle; ++c) s[c] = g.f.caN[c].backColor();
  return s;
}

// Fills the '.' cells of an 81-character grid by backtracking, most constrained cell first;
// false when there is no solution.
class Risolutore {
 public:
  explicit Risolutore(std::string& s) : s_(s) {
    for (int c = 0; c < kCelle; ++c)
      if (s_[c] >= '1' && s_[c] <= '9') Segna(c, s_[c] - '0');
  }
  bool Cerca() {
    int migliore = -1, minimo = 10;
    unsigned liberi = 0;
    for (int c = 0; c < kCelle && minimo > 1; ++c) {
      if (s_[c] >= '1' && s_[c] <= '9') continue;
      const unsigned l = Liberi(c);
      const int n = __builtin_popcount(l);
      if (n < minimo) {
        minimo = n;
        migliore = c;
        liberi = l;
      }
    }
    if (migliore < 0) return true;
    for (int d = 1; d <= 9; ++d) {
      if (!(liberi & (1u << d))) continue;
      s_[migliore] = static_cast<char>('0' + d);
      Segna(migliore, d);
      if (Cerca()) return true;
      Segna(migliore, d);
    }
    s_[migliore] = '.';
    return false;
  }

 private:
  unsigned Liberi(int c) const {
    return 0x3FEu & ~(usati_[ZonaRiga(c)] | usati_[ZonaColonna(c)] | usati_[ZonaQuadro(c)]);
  }
  // Toggles digit d in the three zones of c.
  void Segna(int c, int d) {
    for (int z : {ZonaRiga(c), ZonaColonna(c), ZonaQuadro(c)}) usati_[z] ^= 1u << d;
  }
  std::string& s_;
  std::array<unsigned, kZone> usati_{};
};

inline bool Risolvi(std::string& s) {
  return Risolutore(s).Cerca();
}

}  // namespace orv::test
