#include <gtest/gtest.h>

#include <map>

#include "fixture.h"
#include "verification/verifica.h"

namespace orv {
namespace {

using test::Partita;

void Usi(Gioco& g, const std::map<int, int>& conte, int tentativi = 0, bool creazione = false) {
  g.verifica.UsoMetodiConta.fill(0);
  for (auto [riga, n] : conte) g.verifica.UsoMetodiConta[riga] = n;
  g.verifica.Tentativi = tentativi;
  g.creazione.InCreazione = creazione;
}

TEST(Valutazione, TheHighestRowUsedDecides) {
  struct Caso {
    std::map<int, int> conte;
    int tentativi;
    bool creazione;
    const char* atteso;
  };
  const Caso casi[] = {
      {{}, 0, false, " Facile"},
      {{{0, 30}}, 0, false, " Facile"},
      {{{0, 5}, {1, 3}, {2, 9}}, 0, false, " Facile"},
      {{{3, 1}}, 0, false, " Medio"},
      {{{3, 1}}, 0, true, " Facile"},
      {{{0, 2}, {4, 1}}, 0, false, " Medio"},
      {{{4, 1}}, 0, true, " Medio"},
      {{{5, 1}}, 0, false, " Difficile"},
      {{{8, 2}, {0, 1}}, 0, false, " Difficile"},
      {{{9, 1}}, 0, false, " Diabolico"},
      {{{13, 1}}, 0, false, " Diabolico"},
      {{{16, 1}}, 0, false, " Diabolico"},
      {{{0, 40}}, 2, false, " Diabolico"},
      // Trials count only through a used row.
      {{}, 3, false, " Facile"},
  };
  for (const Caso& k : casi) {
    Partita p;
    Gioco& g = *p;
    Usi(g, k.conte, k.tentativi, k.creazione);
    g.f.ListCons.clear();
    Valutazione(g, 0);
    EXPECT_EQ(g.verifica.ValutazioneTesto, k.atteso) << k.conte.size() << " " << k.tentativi;
    EXPECT_EQ(g.f.ListCons.count(), 0);
  }
}

TEST(Valutazione, ListsThreeItemsPerLine) {
  struct Caso {
    std::map<int, int> conte;
    std::vector<std::string> righe;
  };
  const Caso casi[] = {
      {{{0, 12}}, {"  N.1 =12   "}},
      {{{0, 10}, {1, 2}, {4, 1}, {16, 3}}, {"  N.1 =10   N.2 =2   N.5 =1   ", "  N.17 =3   "}},
      {{{2, 1}, {3, 1}, {6, 4}}, {"  N.3 =1   N.4 =1   N.7 =4   "}},
      {{}, {}},
  };
  for (const Caso& k : casi) {
    Partita p;
    Gioco& g = *p;
    Usi(g, k.conte);
    g.f.ListCons.clear();
    Valutazione(g, 1);
    EXPECT_EQ(g.f.ListCons.items(), k.righe);
  }
}

TEST(Valutazione, MenuShowsTheCountsAndTheRatingWithoutFullStop) {
  Partita p;
  Gioco& g = *p;
  Usi(g, {{0, 20}, {5, 1}});
  g.f.Applica.setEnabled(true);
  g.f.mApplica.setEnabled(true);
  g.f.mValuta.setEnabled(true);
  g.f.ListCons.addItem("prima");
  g.f.mValuta.onClick();
  EXPECT_EQ(
      g.f.ListCons.items(),
      (std::vector<std::string>{"METODI USATI NELLA VERIFICA:", "  N.1 =20   N.6 =1   ",
                                "  Valutazione Complessiva= Difficile", " ", "ORA PUOI GIOCARE"}));
  EXPECT_FALSE(g.f.Applica.enabled());
  EXPECT_FALSE(g.f.mApplica.enabled());
}

}  // namespace
}  // namespace orv
