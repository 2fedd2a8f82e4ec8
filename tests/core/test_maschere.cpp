// The grid and the candidate texts keep masks beside their values; the techniques trust them, so
// after any sequence of changes they must say exactly what a fresh look at the values says.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>

#include "fixture.h"
#include "model/cifre.h"
#include "model/testi_candidati.h"

namespace orv {

namespace {

TEST(Maschere, BitCountOfEverySixteenBitMask) {
  for (unsigned m = 0; m < 0x10000; ++m) ASSERT_EQ(ContaBit(m), std::popcount(m)) << m;
}

TEST(Maschere, TextFormsAndTheirMasks) {
  struct Caso {
    const char* testo;
    std::uint16_t maschera;
    bool canonico;
  };
  TestiCandidati t;
  for (const Caso& k :
       {Caso{"", 0, true}, Caso{"  ", 0, true}, Caso{" 1357 ", 0xAA, true},
        Caso{" 9 ", 0x200, true}, Caso{" 31 ", 0x0A, false}, Caso{" 11 ", 0x02, false},
        Caso{"13", 0x0A, false}, Caso{" 1a ", 0x02, false}, Caso{" 1 3 ", 0x0A, false},
        Caso{" ", 0, false}}) {
    t.set(40, k.testo);
    EXPECT_EQ(t[40], k.testo);
    EXPECT_EQ(t.maschera(40), k.maschera) << k.testo;
    EXPECT_EQ(t.canonico(40), k.canonico) << k.testo;
    EXPECT_EQ(t.tuttiCanonici(), k.canonico) << k.testo;
  }
  // Removing the odd character gives the program's form back.
  t.set(40, " 1a3 ");
  EXPECT_FALSE(t.tuttiCanonici());
  t.togli(40, 'a');
  EXPECT_EQ(t[40], " 13 ");
  EXPECT_TRUE(t.tuttiCanonici());
  EXPECT_TRUE(t.ha(40, '3'));
  EXPECT_FALSE(t.ha(40, '2'));
  // A text rewritten by its digits has lost the odd character, before it is read and after.
  t.set(40, " 1a3 ");
  t.setDaMaschera(40, 0x0A);
  EXPECT_FALSE(t.ha(40, 'a'));
  EXPECT_TRUE(t.ha(40, ' '));
  EXPECT_EQ(t[40], " 13 ");
  EXPECT_FALSE(t.ha(40, 'a'));
}

// Random changes, then every mask compared with one made from scratch.
TEST(Maschere, MasksFollowEveryChange) {
  std::mt19937 rnd(7);
  Cifre cifre;
  TestiCandidati testi;
  const char* forme[] = {"", "  ", " 12 ", " 2489 ", " 123456789 ", " 21 ", " 55 ", " 1 3 "};
  // The texts as plain strings, changed the plain way: the kept texts are written out only when
  // read, and must read the same at any moment, in copies too.
  std::array<std::string, kCelle> attesi{};
  for (int passo = 0; passo < 20000; ++passo) {
    const int c = static_cast<int>(rnd() % kCelle);
    const std::array<std::uint64_t, 3> timbri = {
        testi.timbro(ZonaRiga(c)), testi.timbro(ZonaColonna(c)), testi.timbro(ZonaQuadro(c))};
    const std::string prima = attesi[c];
    switch (rnd() % 5) {
      case 4: {
        const int k = static_cast<int>(rnd() % kCelle);
        ASSERT_EQ(testi[k], attesi[k]) << passo;
        const TestiCandidati copia = testi;
        ASSERT_EQ(copia.ridotto(c), Trim(attesi[c])) << passo;
        ASSERT_EQ(copia.dimensione(c), attesi[c].size()) << passo;
        ASSERT_EQ(copia[c], attesi[c]) << passo;
        break;
      }
      case 0: {
        const int v = static_cast<int>(rnd() % 10);
        cifre.set(c, v == 0 ? '\0' : static_cast<char>('0' + v));
        break;
      }
      case 1:
        cifre.set(c, rnd() % 8 == 0 ? 'x' : 0);
        break;
      case 2: {
        const char* forma = forme[rnd() % 8];
        testi.set(c, forma);
        attesi[c] = forma;
        break;
      }
      case 3:
        if (rnd() % 4 == 0) {
          const auto m = static_cast<std::uint16_t>(rnd() & 0x3FE);
          testi.setDaMaschera(c, m);
          attesi[c] = " ";
          for (int d = 1; d <= 9; ++d)
            if (m >> d & 1) attesi[c] += static_cast<char>('0' + d);
          attesi[c] += ' ';
        } else {
          const char d = static_cast<char>('1' + rnd() % 9);
          testi.togli(c, d);
          if (const std::size_t p = attesi[c].find(d); p != std::string::npos)
            attesi[c].erase(p, 1);
        }
        break;
    }
    // A text that changed moves the stamps of its three zones.
    if (attesi[c] != prima) {
      EXPECT_NE(testi.timbro(ZonaRiga(c)), timbri[0]) << passo;
      EXPECT_NE(testi.timbro(ZonaColonna(c)), timbri[1]) << passo;
      EXPECT_NE(testi.timbro(ZonaQuadro(c)), timbri[2]) << passo;
    }
  }
  for (int c = 0; c < kCelle; ++c) {
    EXPECT_EQ(testi.dimensione(c), attesi[c].size()) << c;
    EXPECT_EQ(testi[c], attesi[c]) << c;
  }
  for (int z = 0; z < kZone; ++z) {
    for (int n = 2; n <= 4; ++n) {
      unsigned lunghe = 0;
      for (int j = 0; j < 9; ++j)
        lunghe |= (Trim(testi[Zona()[z][j]]).size() == static_cast<std::size_t>(n) ? 1u : 0u) << j;
      EXPECT_EQ(testi.conLunghezza(z, n), lunghe) << z << " " << n;
    }
    unsigned vuote = 0;
    for (int j = 0; j < 9; ++j) vuote |= (cifre[Zona()[z][j]] == 0 ? 1u : 0u) << j;
    EXPECT_EQ(cifre.vuote()[z], vuote) << z;
    unsigned valori = 0;
    for (int c : Zona()[z])
      if (cifre[c] >= '1' && cifre[c] <= '9') valori |= 1u << (cifre[c] - '0');
    EXPECT_EQ(cifre.cifre(z), valori) << z;
    EXPECT_EQ(cifre.zoneConUnaVuota() >> z & 1, std::popcount(vuote) == 1 ? 1u : 0u) << z;
    for (int d = 1; d <= 9; ++d) {
      unsigned posti = 0;
      for (int j = 0; j < 9; ++j)
        posti |=
            (testi[Zona()[z][j]].find(static_cast<char>('0' + d)) != std::string::npos ? 1u : 0u)
            << j;
      EXPECT_EQ(testi.posti(z, d), posti) << z << " " << d;
    }
  }
  EXPECT_EQ(cifre.piene(), kCelle - static_cast<int>(std::count(cifre.begin(), cifre.end(), 0)));
  int nonCanonici = 0;
  for (int c = 0; c < kCelle; ++c) {
    const std::string& s = testi[c];
    const bool forma =
        s.empty() || s == "  " ||
        (s.size() >= 3 && s.front() == ' ' && s.back() == ' ' && s.find(' ', 1) == s.size() - 1 &&
         std::is_sorted(s.begin() + 1, s.end() - 1) &&
         std::adjacent_find(s.begin() + 1, s.end() - 1) == s.end() - 1);
    EXPECT_EQ(testi.canonico(c), forma) << c << " '" << s << "'";
    EXPECT_EQ(testi.ridotto(c), Trim(s)) << c;
    nonCanonici += !forma;
  }
  EXPECT_EQ(testi.tuttiCanonici(), nonCanonici == 0);
  int primoSolo = -1;
  for (int c = kCelle - 1; c >= 0; --c)
    if (Trim(testi[c]).size() == 1) primoSolo = c;
  EXPECT_EQ(testi.primoSolo(), primoSolo);
  for (int d = 1; d <= 9; ++d) {
    unsigned righe = 0, colonne = 0, quadri = 0;
    for (int c = 0; c < kCelle; ++c) {
      if (cifre[c] != '0' + d) continue;
      righe |= 1u << (c / 9);
      colonne |= 1u << (c % 9);
      quadri |= 1u << (3 * (c / 27) + (c % 9) / 3);
    }
    EXPECT_EQ(cifre.righe(d), righe) << d;
    EXPECT_EQ(cifre.colonne(d), colonne) << d;
    EXPECT_EQ(cifre.quadri(d), quadri) << d;
  }
}

}  // namespace
}  // namespace orv
