// Naked subsets: CandidatiCaselle(2|3) and TerneQuaterne(3|4|5) in both modes.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "tavola.h"

namespace orv {
namespace {

using test::Testo;

struct Attesa {
  const char* codice;
  int casella;
  const char* valore;
  int zona;
  const char* daTogliere;
  const char* gruppo;
  const char* caselle;
};

struct Caso {
  const char* nome;
  std::vector<Testo> testi;  // over a free board
  std::function<void(Gioco&)> ritocchi;
  void (*metodo)(Gioco&, int);
  int n;
  std::optional<Attesa> attesa;
};

void Prepara(Gioco& g, const Caso& k) {
  test::TavolaLibera(g);
  for (const Testo& t : k.testi) g.griglia.Can.set(t.c, t.can);
  if (k.ritocchi) k.ritocchi(g);
}

const std::vector<Caso>& Casi() {
  static const std::vector<Caso> casi = {
      {"coppia: 36 esce dalla terza casella",
       {{0, " 36 "}, {1, " 1369 "}, {5, " 36 "}},
       {},
       CandidatiCaselle,
       2,
       Attesa{"CPN", 1, " 19 ", 0, "36", "36", "00,05"}},
      {"coppia senza effetto: la seconda coppia della riga non si prova",
       {{0, " 12 "},
        {1, " 12 "},
        {2, " 34 "},
        {3, " 34 "},
        {4, " 3456789 "},
        {5, " 3456789 "},
        {6, " 3456789 "},
        {7, " 3456789 "},
        {8, " 3456789 "}},
       {},
       CandidatiCaselle,
       2,
       Attesa{"CPN", 9, " 3456789 ", 18, "12", "12", "00,01"}},
      {"coppia che non toglie nulla in nessuna zona",
       {{0, " 12 "}, {1, " 12 "}},
       [](Gioco& g) {
         for (char d : {'1', '2'}) {
           test::SoloIn(g, 0, d, {0, 1});
           test::SoloIn(g, 18, d, {0, 1});
         }
       },
       CandidatiCaselle,
       2,
       std::nullopt},
      {"terna 12 23 13",
       {{0, " 12 "}, {1, " 23 "}, {2, " 13 "}, {3, " 12345 "}},
       {},
       CandidatiCaselle,
       3,
       Attesa{"SCI3", 3, " 45 ", 0, "123", "123", "00,01,02"}},
      {"terna 12 23 13 non e' una terna pura",
       {{0, " 12 "}, {1, " 23 "}, {2, " 13 "}, {3, " 12345 "}},
       {},
       TerneQuaterne,
       3,
       std::nullopt},
      {"unione non ordinata: 36 13 16 danno 361",
       {{0, " 36 "}, {1, " 13 "}, {2, " 16 "}},
       {},
       CandidatiCaselle,
       3,
       Attesa{"SCI3", 3, " 245789 ", 0, "361", "361", "00,01,02"}},
      {"le caselle di una coppia non entrano nel gruppo",
       {{0, " 12 "}, {1, " 12 "}, {2, " 23 "}, {3, " 34 "}},
       {},
       CandidatiCaselle,
       3,
       std::nullopt},
      {"12 13 23 34: le prime tre coprono solo tre cifre",
       {{0, " 12 "}, {1, " 13 "}, {2, " 23 "}, {3, " 34 "}},
       {},
       TerneQuaterne,
       4,
       std::nullopt},
      {"12 34 13 23",
       {{0, " 12 "}, {1, " 34 "}, {2, " 13 "}, {3, " 23 "}},
       {},
       TerneQuaterne,
       4,
       Attesa{"SCI4", 4, " 56789 ", 0, "1234", "1234", "00,01,02,03"}},
      {"quaterna con unione non ordinata: 46 12 16 24 danno 4612",
       {{0, " 46 "}, {1, " 12 "}, {2, " 16 "}, {3, " 24 "}},
       {},
       TerneQuaterne,
       4,
       Attesa{"SCI4", 4, " 35789 ", 0, "4612", "4612", "00,01,02,03"}},
      {"le caselle di una coppia non entrano nella quaterna",
       {{0, " 12 "}, {1, " 12 "}, {2, " 34 "}, {3, " 13 "}, {4, " 24 "}},
       {},
       TerneQuaterne,
       4,
       std::nullopt},
      {"terna pura",
       {{0, " 147 "}, {3, " 147 "}, {6, " 147 "}},
       {},
       TerneQuaterne,
       3,
       Attesa{"TRN", 1, " 235689 ", 0, "147", "147", "00,03,06"}},
      {"solo la prima terna pura della zona si prova",
       {{0, " 147 "},
        {1, " 147 "},
        {2, " 147 "},
        {3, " 258 "},
        {4, " 258 "},
        {5, " 258 "},
        {6, " 235689 "},
        {7, " 235689 "},
        {8, " 235689 "}},
       {},
       TerneQuaterne,
       3,
       // In row 0 the triple 147 removes nothing and 258 is never tried; the box finds 147.
       Attesa{"TRN", 9, " 235689 ", 18, "147", "147", "00,01,02"}},
      {"quaterna pura",
       {{0, " 2468 "}, {2, " 2468 "}, {4, " 2468 "}, {6, " 2468 "}},
       {},
       TerneQuaterne,
       5,
       Attesa{"QUA", 1, " 13579 ", 0, "2468", "2468", "00,02,04,06"}},
      {"quaterna pura: dopo una senza effetto si prova la seguente della zona",
       {{0, " 1234 "},
        {1, " 1234 "},
        {2, " 1234 "},
        {3, " 1234 "},
        {4, " 5678 "},
        {5, " 5678 "},
        {6, " 5678 "},
        {7, " 5678 "},
        {8, " 59 "}},
       {},
       TerneQuaterne,
       5,
       Attesa{"QUA", 8, " 9 ", 0, "5", "5678", "04,05,06,07"}},
      {"nessun gruppo su una tavola libera", {}, {}, TerneQuaterne, 4, std::nullopt},
  };
  return casi;
}

MossaTrovata Atteso(const Attesa& a) {
  MossaTrovata m = test::MossaSentinella();
  m.CodiceMetodo = a.codice;
  m.CasellaMossa = a.casella;
  m.ValoreMossa = a.valore;
  m.ZonaMossa = a.zona;
  m.DaTogliere = a.daTogliere;
  m.Gruppo = a.gruppo;
  m.CaselleGruppo = a.caselle;
  m.SecondaZona.reset();
  return m;
}

TEST(SottoinsiemiNudi, RicercaDescriveLaPrimaMossaSenzaToccareLaGriglia) {
  for (const Caso& k : Casi()) {
    SCOPED_TRACE(k.nome);
    test::DalleMaschereEDaiTesti([&](Gioco& g) {
      Prepara(g, k);
      const auto can = g.griglia.Can;
      const auto sfondi = test::Sfondi(g);
      g.ricerca.Mossa = test::MossaSentinella();
      test::InRicerca(g);
      k.metodo(g, k.n);
      EXPECT_EQ(g.ricerca.Trovata, k.attesa.has_value());
      const MossaTrovata atteso = k.attesa ? Atteso(*k.attesa) : test::MossaSentinella();
      EXPECT_EQ(g.ricerca.Mossa, atteso) << test::TestoMossa(g.ricerca.Mossa) << "\n"
                                         << test::TestoMossa(atteso);
      EXPECT_EQ(g.griglia.Can, can);
      EXPECT_EQ(test::Sfondi(g), sfondi);
      EXPECT_EQ(g.verifica.NumConsigli, 0);
    });
  }
}

TEST(SottoinsiemiNudi, ApplicaToglieUnaCifraPerChiamata) {
  for (const Caso& k : Casi()) {
    SCOPED_TRACE(k.nome);
    test::DalleMaschereEDaiTesti([&](Gioco& g) {
      Prepara(g, k);
      auto atteso = g.griglia.Can;
      auto sfondi = test::Sfondi(g);
      test::InApplicazione(g);
      k.metodo(g, k.n);
      EXPECT_EQ(g.ricerca.Trovata, k.attesa.has_value());
      if (!k.attesa) {
        EXPECT_EQ(g.griglia.Can, atteso);
        EXPECT_EQ(g.verifica.NumConsigli, 0);
        return;
      }
      const Attesa& a = *k.attesa;
      const bool qua = std::string(a.codice) == "QUA";
      atteso.togli(a.casella, a.daTogliere[0]);
      if (!qua) sfondi[a.casella] = kAzzurroTolto;
      EXPECT_EQ(g.griglia.Can, atteso);
      EXPECT_EQ(test::Sfondi(g), sfondi);
      EXPECT_EQ(g.verifica.NumConsigli, qua ? 0 : 1);
      // The next calls take the group's other digits from the same cell, one each, until the
      // cell shows what the search described.
      const int resto = static_cast<int>(std::string(a.daTogliere).size()) - 1;
      for (int i = 0; i < resto; ++i) {
        test::InApplicazione(g);
        k.metodo(g, k.n);
        EXPECT_TRUE(g.ricerca.Trovata);
      }
      EXPECT_EQ(g.griglia.Can[a.casella], a.valore);
      EXPECT_EQ(g.verifica.NumConsigli, qua ? 0 : resto + 1);
    });
  }
}

TEST(SottoinsiemiNudi, SoloLaVerificaColoraEConta) {
  // Outside a run driving the techniques nothing is painted or counted, but the digit goes.
  test::Partita p;
  Gioco& g = *p;
  test::TavolaLibera(g);
  test::ImpostaTesti(g, {{0, " 36 "}, {1, " 1369 "}, {5, " 36 "}});
  test::InApplicazione(g, false);
  CandidatiCaselle(g, 2);
  EXPECT_TRUE(g.ricerca.Trovata);
  EXPECT_EQ(g.griglia.Can[1], " 169 ");
  EXPECT_EQ(g.f.caN[1].backColor(), kBianco);
  EXPECT_EQ(g.verifica.NumConsigli, 0);
}

TEST(SottoinsiemiNudi, LeCaselleConValoreNonSonoBersagli) {
  // A cell with a value whose record still lists candidates is left alone.
  test::Partita p;
  Gioco& g = *p;
  test::TavolaLibera(g);
  ImpostaValore(g, 1, '5', Origine::Nera);
  test::ImpostaTesti(g, {{0, " 36 "}, {1, " 1369 "}, {5, " 36 "}});
  g.ricerca.Mossa = test::MossaSentinella();
  test::InRicerca(g);
  CandidatiCaselle(g, 2);
  EXPECT_TRUE(g.ricerca.Trovata);
  EXPECT_EQ(g.ricerca.Mossa.CasellaMossa, 2);
}

}  // namespace
}  // namespace orv
