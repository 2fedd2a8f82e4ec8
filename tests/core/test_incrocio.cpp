#include <gtest/gtest.h>

#include "fixture.h"
#include "mosse.h"
#include "techniques/incrocio.h"

namespace orv {
namespace {

using test::CaricaGriglia;
using test::MossaSentinella;
using test::Righe;
using test::TestoMossa;

// 1 in cells 14, 25, 37 and 65: boxes 26..19 keep several places for it, box 18 only cell 0.
const std::string kQuattroUno = [] {
  std::string s(81, '.');
  for (int c : {14, 25, 37, 65}) s[c] = '1';
  return s;
}();

// Where the four 1s of kQuattroUno exclude a 1: their rows, columns and boxes.
bool EsclusaDaiQuattroUno(int c) {
  const int r = c / 9, k = c % 9, q = ZonaQuadro(c);
  return r == 1 || r == 2 || r == 4 || r == 7 || k == 5 || k == 7 || k == 1 || k == 2 || q == 19 ||
         q == 20 || q == 21 || q == 24;
}

struct CasoColpo {
  const char* nome;
  std::string griglia;
  bool trovata;
  const char* codice;
  int casella, zona;
  const char* valore;
};

TEST(ColpoOcchio, SearchFindsTheLowestValueInTheHighestZone) {
  const CasoColpo casi[] = {
      {"griglia vuota", std::string(81, '.'), false, "", 0, 0, ""},
      {"quattro 1: il quadro 18 prima della colonna 9", kQuattroUno, true, "ZOB", 0, 18, " 1 "},
      // Row 4 holds 2..8; the 1 in column 7 leaves it cell 44 only; its box has five places.
      {"riga con una sola casella non esclusa",
       Righe({".......1.", ".........", ".........", ".........", "2345678..", ".........",
              ".........", ".........", "........."}),
       true, "ZOC", 44, 4, " 1 "},
      // The only empty cell of a row is a crossing too, and is named after the zone.
      {"riga con otto valori",
       Righe({"12345678.", ".........", ".........", ".........", ".........", ".........",
              ".........", ".........", "........."}),
       true, "USO", 8, 0, " 9 "},
      {"griglia completa",
       "534678912672195348198342567859761423426853791713924856961537284287419635345286179", false,
       "", 0, 0, ""},
  };
  for (const CasoColpo& k : casi) {
    SCOPED_TRACE(k.nome);
    test::Partita p;
    Gioco& g = *p;
    CaricaGriglia(g, k.griglia);
    // The crossing reads values only: candidate texts must not matter.
    for (int c = 0; c < kCelle; ++c) g.griglia.Can.set(c, " 123456789 ");
    g.ricerca.Mossa = MossaSentinella();
    test::InRicerca(g);
    g.ricerca.ValoreIniziale = 1;
    g.ricerca.ValoreFinale = 9;
    ColpoOcchio(g);
    EXPECT_EQ(g.ricerca.Trovata, k.trovata);
    MossaTrovata atteso = MossaSentinella();
    if (k.trovata) {
      atteso.CodiceMetodo = k.codice;
      atteso.CasellaMossa = k.casella;
      atteso.ValoreMossa = k.valore;
      atteso.ZonaMossa = k.zona;
      atteso.DaTogliere = "";
      atteso.Gruppo = "";
    }
    EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(atteso));
  }
}

TEST(ColpoOcchio, ApplyModeAndAnEmptyRangeFindNothing) {
  test::Partita p;
  Gioco& g = *p;
  CaricaGriglia(g, kQuattroUno);
  g.ricerca.Mossa = MossaSentinella();
  test::InApplicazione(g);
  g.ricerca.ValoreIniziale = 1;
  g.ricerca.ValoreFinale = 9;
  ColpoOcchio(g);
  EXPECT_FALSE(g.ricerca.Trovata);
  test::InRicerca(g);
  g.ricerca.ValoreIniziale = 0;
  ColpoOcchio(g);
  EXPECT_FALSE(g.ricerca.Trovata);
  EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(MossaSentinella()));
}

TEST(ColpoOcchio, MarksStayForOneValueAndGoForARange) {
  test::Partita p;
  Gioco& g = *p;
  CaricaGriglia(g, kQuattroUno);
  test::InRicerca(g);
  for (int c = 0; c < kCelle; ++c) g.f.caN[c].setBackColor(kGialloCursore);

  g.ricerca.ValoreIniziale = g.ricerca.ValoreFinale = 1;
  ColpoOcchio(g);
  EXPECT_TRUE(g.ricerca.Trovata);
  for (int c = 0; c < kCelle; ++c) {
    const bool esclusa = EsclusaDaiQuattroUno(c);
    EXPECT_EQ(g.ricerca.Esclusa[c], esclusa) << c;
    EXPECT_EQ(g.f.caN[c].backColor(), esclusa ? kGrigioEsclusione : kBianco) << c;
  }

  g.ricerca.ValoreIniziale = 1;
  g.ricerca.ValoreFinale = 9;
  ColpoOcchio(g);
  for (int c = 0; c < kCelle; ++c) {
    EXPECT_FALSE(g.ricerca.Esclusa[c]) << c;
    EXPECT_EQ(g.f.caN[c].backColor(), kBianco) << c;
  }
}

TEST(CasellaSola, SearchReportsTheFirstZoneWithOneFreeCell) {
  struct Caso {
    const char* nome;
    std::string griglia;
    bool trovata;
    int casella, zona;
    const char* valore;
  };
  const Caso casi[] = {
      {"una riga completa, poi una con una casella libera",
       Righe({"123456789", "4567891.3", ".........", ".........", ".........", ".........",
              ".........", ".........", "........."}),
       true, 16, 1, " 2 "},
      // Column 0 comes before box 18 and row 8.
      {"colonna",
       Righe({".........", "2........", "3........", "4........", "5........", "6........",
              "7........", "8........", "9........"}),
       true, 0, 9, " 1 "},
      {"due caselle libere in ogni zona",
       Righe({"1234567..", ".........", ".........", ".........", ".........", ".........",
              ".........", ".........", "........."}),
       false, 0, 0, ""},
  };
  for (const Caso& k : casi) {
    SCOPED_TRACE(k.nome);
    test::Partita p;
    Gioco& g = *p;
    CaricaGriglia(g, k.griglia);
    const auto can = g.griglia.Can;
    g.ricerca.Mossa = MossaSentinella();
    test::InRicerca(g);
    CasellaSola(g);
    EXPECT_EQ(g.ricerca.Trovata, k.trovata);
    MossaTrovata atteso = MossaSentinella();
    if (k.trovata) {
      atteso.CodiceMetodo = "USO";
      atteso.CasellaMossa = k.casella;
      atteso.ValoreMossa = k.valore;
      atteso.ZonaMossa = k.zona;
      atteso.DaTogliere = "";
    }
    EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(atteso));
    EXPECT_EQ(g.griglia.Can, can);
    EXPECT_FALSE(g.HaValore(k.casella) && k.trovata);
  }
}

TEST(CasellaSola, ApplyFillsEveryZoneThatItCompletes) {
  // Filling cell 8 (row 0) leaves column 8 with one free cell, 80, which gets 8.
  const std::string griglia =
      Righe({"12345678.", "........1", "........2", "........3", "........4", "........5",
             "........6", "........7", "........."});
  for (bool inRisoluzione : {true, false}) {
    SCOPED_TRACE(inRisoluzione);
    test::Partita p;
    Gioco& g = *p;
    CaricaGriglia(g, griglia);
    test::VistaNessuno(g);
    ASSERT_TRUE(HaCandidato(g.griglia.Can[15], '9'));
    ASSERT_TRUE(HaCandidato(g.griglia.Can[78], '8'));
    g.ricerca.Mossa = MossaSentinella();
    g.verifica.ColoreMossa = kBianco;
    g.verifica.NumConsigli = 5;
    const int riempite = g.griglia.Riempite;
    test::InApplicazione(g, inRisoluzione);
    CasellaSola(g);
    EXPECT_TRUE(g.ricerca.Trovata);
    EXPECT_EQ(g.griglia.Riempite, riempite + 2);
    EXPECT_EQ(g.verifica.NumConsigli, inRisoluzione ? 7 : 5);
    for (auto [c, v] : {std::pair{8, '9'}, std::pair{80, '8'}}) {
      EXPECT_EQ(g.griglia.Cifra[c], v);
      EXPECT_EQ(g.griglia.Orig[c], Origine::Provvisoria);
      EXPECT_EQ(g.griglia.Can[c], "  ");
      EXPECT_EQ(g.f.caN[c].caption(), std::string(1, v));
      EXPECT_EQ(g.f.caN[c].foreColor(), kBianco);
      EXPECT_EQ(g.f.caN[c].font().name, "MS Sans Serif");
    }
    // The error check followed each placement.
    EXPECT_FALSE(HaCandidato(g.griglia.Can[15], '9'));
    EXPECT_FALSE(HaCandidato(g.griglia.Can[78], '8'));
    EXPECT_TRUE(g.verifica.NessunErrore);
    EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(MossaSentinella()));
  }
}

TEST(CasellaSola, ApplyStopsOnAContradictionInsideATrial) {
  // Cell 8 gets 9, which empties cell 17; row 8 would then give cell 72 its 1.
  const std::string griglia =
      Righe({"12345678.", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", ".23456789"});
  for (bool inTentativo : {true, false}) {
    SCOPED_TRACE(inTentativo);
    test::Partita p;
    Gioco& g = *p;
    CaricaGriglia(g, griglia);
    g.griglia.Can.set(17, " 9 ");
    const int riempite = g.griglia.Riempite;
    g.verifica.InTentativo = inTentativo;
    test::InApplicazione(g);
    CasellaSola(g);
    if (inTentativo) {
      EXPECT_FALSE(g.verifica.NessunErrore);
    }
    EXPECT_EQ(g.griglia.Cifra[8], '9');
    EXPECT_EQ(g.griglia.Cifra[72], inTentativo ? 0 : '1');
    EXPECT_EQ(g.griglia.Riempite, riempite + (inTentativo ? 1 : 2));
    // Inside a trial the contradiction is silent.
    EXPECT_EQ(g.partita.NumErrori, inTentativo ? 0 : 1);
  }
}

TEST(Incrocia, GreyWhereTheValueIsNoCandidate) {
  test::Partita p;
  Gioco& g = *p;
  // No 5 placed: every empty cell keeps 5.
  CaricaGriglia(g, Righe({"1234.6789", ".........", ".........", ".........", ".........",
                          ".........", ".........", ".........", "........."}));
  g.ricerca.Mossa = MossaSentinella();
  g.ricerca.ValoreIniziale = g.ricerca.ValoreFinale = 5;
  Incrocia(g);
  for (int c = 0; c < kCelle; ++c) {
    EXPECT_EQ(g.ricerca.Esclusa[c], g.HaValore(c)) << c;
    EXPECT_EQ(g.f.caN[c].backColor(), g.HaValore(c) ? kGrigioEsclusione : kBianco) << c;
  }

  // The rows, columns and boxes of the placed 1s have lost the candidate and turn grey.
  CaricaGriglia(g, kQuattroUno);
  g.ricerca.ValoreIniziale = g.ricerca.ValoreFinale = 1;
  Incrocia(g);
  for (int c = 0; c < kCelle; ++c) {
    EXPECT_EQ(g.ricerca.Esclusa[c], EsclusaDaiQuattroUno(c)) << c;
    EXPECT_EQ(g.f.caN[c].backColor(), g.ricerca.Esclusa[c] ? kGrigioEsclusione : kBianco) << c;
  }

  // A range leaves no mark.
  g.ricerca.ValoreIniziale = 1;
  g.ricerca.ValoreFinale = 9;
  Incrocia(g);
  for (int c = 0; c < kCelle; ++c) {
    EXPECT_FALSE(g.ricerca.Esclusa[c]) << c;
    EXPECT_EQ(g.f.caN[c].backColor(), kBianco) << c;
  }
  EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(MossaSentinella()));
}

}  // namespace
}  // namespace orv
