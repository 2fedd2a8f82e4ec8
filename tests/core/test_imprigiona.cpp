#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.h"
#include "mosse.h"
#include "techniques/tecniche.h"

namespace orv {
namespace {

using test::MossaSentinella;
using test::TestoMossa;

// A grid without values where every cell lists every digit but d, except `celle`, which list
// all nine: only d can show a pattern.
void SoloDoveServe(Gioco& g, char d, const std::vector<int>& celle) {
  std::string senza = kTuttiCandidati;
  TogliCandidato(senza, d);
  test::SoloCandidati(g, senza);
  for (int c : celle) g.griglia.Can.set(c, kTuttiCandidati);
}

struct Caso {
  const char* nome;
  std::vector<int> celle;
  bool trovata;
  int casella, linea, quadro;
  const char* caselleGruppo;
};

void ControllaRicerca(void (*metodo)(Gioco&), const char* codice, char d,
                      const std::vector<Caso>& casi) {
  for (const Caso& k : casi) {
    SCOPED_TRACE(std::string(k.nome));
    test::DalleMaschereEDaiTesti([&](Gioco& g) {
      SoloDoveServe(g, d, k.celle);
      const auto can = g.griglia.Can;
      g.ricerca.Mossa = MossaSentinella();
      test::InRicerca(g);
      metodo(g);
      EXPECT_EQ(g.ricerca.Trovata, k.trovata);
      MossaTrovata atteso = MossaSentinella();
      if (k.trovata) {
        atteso.CodiceMetodo = codice;
        atteso.CasellaMossa = k.casella;
        atteso.ValoreMossa = can[0];  // every cell but the pattern's lacks d already
        TogliCandidato(atteso.ValoreMossa, d);
        atteso.ZonaMossa = k.linea;
        atteso.SecondaZona = k.quadro;
        atteso.DaTogliere = std::string(1, d);
        atteso.Gruppo = "";
        atteso.CaselleGruppo = k.caselleGruppo;
      }
      EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(atteso));
      EXPECT_EQ(g.griglia.Can, can);
    });
  }
}

TEST(QuadroImprigiona, SearchBoxesThenDigitsThenTheLine) {
  ControllaRicerca(
      QuadroImprigiona, "PRQ", '4',
      {
          {"due celle della riga 0 nel quadro 18", {1, 2, 5, 7}, true, 5, 0, 18, "01,02"},
          {"tre celle", {0, 1, 2, 8}, true, 8, 0, 18, "00,01,02"},
          {"colonna 4 nel quadro 22", {4, 31, 49, 76}, true, 4, 13, 22, "31,49"},
          // Box 18's row holds no other 4: the scan goes on to box 21.
          {"schema senza effetto, poi colonna 0", {1, 2, 27, 36, 72}, true, 72, 9, 21, "27,36"},
          {"un solo posto in ogni quadro", {0, 5, 40}, false, 0, 0, 0, ""},
          {"due posti non allineati", {0, 10, 5}, false, 0, 0, 0, ""},
      });
}

TEST(QuadroImprigiona, SearchSkipsCellsWithAValue) {
  test::Partita p;
  Gioco& g = *p;
  SoloDoveServe(g, '4', {1, 2, 5, 7});
  g.griglia.Cifra.set(5, '9');  // a value whose candidate text was left behind
  test::InRicerca(g);
  QuadroImprigiona(g);
  ASSERT_TRUE(g.ricerca.Trovata);
  EXPECT_EQ(g.ricerca.Mossa.CasellaMossa, 7);
}

TEST(RigaColImprigiona, SearchLinesThenDigitsThenTheBox) {
  ControllaRicerca(
      RigaColImprigiona, "PRC", '7',
      {
          {"riga 0 nel quadro 19", {3, 4, 13, 21}, true, 13, 0, 19, "03,04"},
          {"colonna 5 nel quadro 25", {59, 77, 66}, true, 66, 14, 25, "59,77"},
          // Row 0 confines 7 to box 19, which has it nowhere else.
          {"schema senza effetto, poi colonna 0", {3, 4, 27, 45, 37}, true, 37, 9, 21, "27,45"},
          {"riga su due quadri", {0, 1, 5}, false, 0, 0, 0, ""},
          {"un solo posto per linea", {0, 13, 26}, false, 0, 0, 0, ""},
      });
}

struct CasoApplica {
  const char* nome;
  void (*metodo)(Gioco&);
  char d;
  std::vector<int> celle;
  std::vector<int> bersagli;  // in the order of the calls
};

TEST(Imprigiona, ApplyRemovesOneCandidatePerCall) {
  const CasoApplica casi[] = {
      {"PRQ", QuadroImprigiona, '4', {1, 2, 5, 7}, {5, 7}},
      {"PRC", RigaColImprigiona, '7', {3, 4, 13, 21}, {13, 21}},
  };
  for (const CasoApplica& k : casi) {
    for (bool inRisoluzione : {true, false}) {
      SCOPED_TRACE(std::string(k.nome) + (inRisoluzione ? " in risoluzione" : ""));
      test::DalleMaschereEDaiTesti([&](Gioco& g) {
        SoloDoveServe(g, k.d, k.celle);
        g.ricerca.Mossa = MossaSentinella();
        g.verifica.NumConsigli = 3;
        auto atteso = g.griglia.Can;
        for (std::size_t i = 0; i < k.bersagli.size(); ++i) {
          const int c = k.bersagli[i];
          test::InApplicazione(g, inRisoluzione);
          k.metodo(g);
          EXPECT_TRUE(g.ricerca.Trovata);
          atteso.togli(c, k.d);
          EXPECT_EQ(g.griglia.Can, atteso);
          EXPECT_EQ(g.verifica.NumConsigli, 3 + (inRisoluzione ? static_cast<int>(i) + 1 : 0));
          EXPECT_EQ(g.f.caN[c].backColor(), inRisoluzione ? kAzzurroTolto : kBianco);
        }
        test::InApplicazione(g, inRisoluzione);
        k.metodo(g);
        EXPECT_FALSE(g.ricerca.Trovata);
        EXPECT_EQ(g.griglia.Can, atteso);
        EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(MossaSentinella()));
      });
    }
  }
}

}  // namespace
}  // namespace orv
