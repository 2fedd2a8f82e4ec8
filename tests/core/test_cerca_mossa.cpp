#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "fixture.h"
#include "mosse.h"
#include "techniques/catalogo.h"
#include "techniques/tecniche.h"

namespace orv {
namespace {

using test::CaricaGriglia;
using test::MossaSentinella;
using test::Righe;
using test::TestoMossa;

const std::string kCompleta =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// 1 in cells 14, 25, 37 and 65: the crossing places 1 in cell 0 (box 18).
const std::string kQuattroUno = [] {
  std::string s(81, '.');
  for (int c : {14, 25, 37, 65}) s[c] = '1';
  return s;
}();

// No values; 4 is a candidate only in cells 1, 2, 5, 7 ("PRQ" strikes it from 5) and 7 only in
// cells 3, 4, 13, 21 ("PRC" strikes it from 13).
void DueImprigionati(Gioco& g) {
  test::SoloCandidati(g, " 1235689 ");
  for (int c : {1, 2, 5, 7}) g.griglia.Can.set(c, " 12345689 ");
  for (int c : {3, 4, 13, 21}) g.griglia.Can.set(c, " 12356789 ");
}

// The method list with these keys only, in this order, then the rest blank.
void SoloChiavi(Gioco& g, std::initializer_list<const char*> chiavi) {
  int i = 1;
  for (const char* k : chiavi) {
    const Metodo* m = MetodoDellaChiave(k);
    g.tabelle.Priorita[i++] = m ? std::string(VoceMetodo(*m)) : std::string(k) + " - Nessuno";
  }
  for (; i < kVociPriorita; ++i) g.tabelle.Priorita[i] = "";
}

TEST(Catalogo, KeysEntriesAndCodes) {
  ASSERT_EQ(Catalogo().size(), 15u);
  for (std::size_t i = 0; i < Catalogo().size(); ++i) {
    const Metodo& m = Catalogo()[i];
    EXPECT_EQ(VoceMetodo(m).substr(0, 2), m.chiave);
    EXPECT_EQ(MetodoDellaChiave(m.chiave), &m);
    ASSERT_NE(m.ricerca, nullptr);
    // Each code counts for its own method; only the crossing shares "USO" with key 02.
    for (const CodiceMetodo& c : m.codici) {
      if (c.codice.empty()) continue;
      int atteso = std::stoi(std::string(m.chiave));
      if (c.codice == "USO") atteso = 2;
      if (c.codice == "CFC") atteso = 3;
      EXPECT_EQ(NumeroDelCodice(c.codice), atteso) << c.codice;
      EXPECT_EQ(DatiDelCodice(c.codice).riga, atteso - 1) << c.codice;
    }
  }
  EXPECT_EQ(NomeMetodo(*MetodoDellaChiave("01")), "Colpo d'occhio");
  EXPECT_EQ(NomeMetodo(*MetodoDellaChiave("02")), "Casella sola/Candidato puro");
  EXPECT_EQ(NomeMetodo(*MetodoDellaChiave("16")), "Quaterna nascosta");
  for (const char* k : {"03", "17", "  ", "1", "ZZ"}) EXPECT_EQ(MetodoDellaChiave(k), nullptr);
  EXPECT_EQ(NumeroDelCodice("ZZZ"), 0);
  EXPECT_EQ(NumeroDelCodice("XYZ"), 0);
}

// How the moves list abbreviates each code and which row of UsoMetodi counts it.
TEST(Catalogo, AbbreviationsAndRowsOfTheCodes) {
  struct Caso {
    const char* codice;
    const char* sigla;
    int riga;
  };
  const Caso casi[] = {
      {"ZOB", "XX", 0},  {"ZOC", "XX", 0},  {"USO", "US", 1},  {"CFC", "1n", 2},  {"Xx1", "1h", 3},
      {"CPN", "2n", 4},  {"Xx2a", "2h", 5}, {"Xx2b", "2h", 5}, {"PRQ", "PR", 6},  {"PRC", "PR", 7},
      {"SCI3", "3S", 8}, {"SCI4", "4S", 9}, {"TRN", "3n", 10}, {"HTR", "3h", 11}, {"XWN", "XW", 12},
      {"SWF", "SW", 13}, {"QUA", "4n", 14}, {"HQU", "4h", 15}, {"ZZZ", "TT", 16}, {"ABC", "??", -1},
      {"", "??", -1},
  };
  for (const Caso& k : casi) {
    const CodiceMetodo c = DatiDelCodice(k.codice);
    EXPECT_EQ(c.sigla, k.sigla) << k.codice;
    EXPECT_EQ(c.riga, k.riga) << k.codice;
  }
}

// The first pass of the verification: its fixed order, and the two places after which a failed
// trial is looked for.
TEST(Catalogo, FirstPassOrder) {
  std::string chiavi, controlli;
  for (const Metodo* m : PrimoPasso()) {
    chiavi += std::string(m->chiave) + " ";
    if (m->controllaTentativo) controlli += std::string(m->chiave) + " ";
  }
  EXPECT_EQ(chiavi, "02 04 05 06 07 08 09 10 13 14 11 12 ");
  EXPECT_EQ(controlli, "06 12 ");
}

// The level each row of UsoMetodi gives the rating, in a normal run and during creation.
TEST(Catalogo, LevelsOfTheRows) {
  using enum Livello;
  const Livello normale[kRigheUsoMetodi] = {
      Facile,    Facile,    Facile,    Medio,     Medio,     Difficile, Difficile,
      Difficile, Difficile, Diabolico, Diabolico, Diabolico, Diabolico, Diabolico,
      Diabolico, Diabolico, Diabolico, Diabolico, Diabolico, Diabolico, Diabolico};
  for (int i = 0; i < kRigheUsoMetodi; ++i) {
    EXPECT_EQ(LivelloDellaRiga(i, false), normale[i]) << i;
    EXPECT_EQ(LivelloDellaRiga(i, true), i == 3 ? Facile : normale[i]) << i;
  }
  EXPECT_EQ(TestoLivello(Facile), " Facile");
  EXPECT_EQ(TestoLivello(Medio), " Medio");
  EXPECT_EQ(TestoLivello(Difficile), " Difficile");
  EXPECT_EQ(TestoLivello(Diabolico), " Diabolico");
}

TEST(CercaMossa, TheCrossingIsLeftOutWhenAllCandidatesShow) {
  test::Partita p;
  Gioco& g = *p;
  CaricaGriglia(g, kQuattroUno);  // selects the view "Tutti"
  g.ricerca.ValoreIniziale = g.ricerca.ValoreFinale = 5;
  CercaMossa(g);
  EXPECT_EQ(g.ricerca.ValoreIniziale, 1);
  EXPECT_EQ(g.ricerca.ValoreFinale, 9);
  if (g.ricerca.Trovata) {
    EXPECT_NE(g.ricerca.Mossa.CodiceMetodo, "ZOB");
    EXPECT_NE(g.ricerca.Mossa.CodiceMetodo, "ZOC");
  }

  test::VistaNessuno(g);
  CercaMossa(g);
  ASSERT_TRUE(g.ricerca.Trovata);
  EXPECT_EQ(g.ricerca.Mossa.CodiceMetodo, "ZOB");
  EXPECT_EQ(g.ricerca.Mossa.CasellaMossa, 0);
  EXPECT_EQ(g.ricerca.Mossa.ValoreMossa, " 1 ");
}

TEST(CercaMossa, TheSingleCandidateReplacesTheLastFreeCell) {
  // Row 8 has one free cell, 79 (value 9); cell 0 can only take 1 (row 0 holds 2..5, column 0
  // holds 6..9 and 2).
  const std::string griglia =
      Righe({".2345....", "6........", "7........", "8........", "9........", ".........",
             ".........", ".........", "2345678.1"});
  test::Partita p;
  Gioco& g = *p;
  CaricaGriglia(g, griglia);
  ASSERT_EQ(g.griglia.Can[0], " 1 ");
  g.ricerca.Mossa = MossaSentinella();
  CercaMossa(g);
  ASSERT_TRUE(g.ricerca.Trovata);
  MossaTrovata atteso = MossaSentinella();
  atteso.CodiceMetodo = "CFC";
  atteso.ValoreMossa = "1";
  atteso.CasellaMossa = 0;
  atteso.ZonaMossa.reset();
  atteso.DaTogliere = "";
  atteso.Gruppo = "";
  EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(atteso));

  // Without a single-candidate cell the last free cell stands.
  for (int c = 0; c < kCelle; ++c)
    if (!g.HaValore(c)) g.griglia.Can.set(c, kTuttiCandidati);
  g.ricerca.Mossa = MossaSentinella();
  CercaMossa(g);
  ASSERT_TRUE(g.ricerca.Trovata);
  atteso = MossaSentinella();
  atteso.CodiceMetodo = "USO";
  atteso.ValoreMossa = " 9 ";
  atteso.CasellaMossa = 79;
  atteso.ZonaMossa = 8;
  atteso.DaTogliere = "";
  EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(atteso));
}

TEST(CercaMossa, TheOrderOfTheListDecides) {
  struct Caso {
    const char* nome;
    std::initializer_list<const char*> chiavi;
    bool trovata;
    const char* codice;
    int casella;
  };
  const Caso casi[] = {
      {"07 in testa", {"07", "08"}, true, "PRQ", 5},
      {"08 in testa", {"08", "07"}, true, "PRC", 13},
      {"dopo i metodi senza mossa", {"01", "02", "08"}, true, "PRC", 13},
      {"chiave sconosciuta ignorata", {"99", "03", "07"}, true, "PRQ", 5},
      {"voce vuota: la ricerca finisce", {"01", "02", "  ", "07"}, false, "", 0},
  };
  for (const Caso& k : casi) {
    SCOPED_TRACE(k.nome);
    test::Partita p;
    Gioco& g = *p;
    DueImprigionati(g);
    SoloChiavi(g, k.chiavi);
    g.ricerca.Mossa = MossaSentinella();
    CercaMossa(g);
    EXPECT_EQ(g.ricerca.Trovata, k.trovata);
    if (k.trovata) {
      EXPECT_EQ(g.ricerca.Mossa.CodiceMetodo, k.codice);
      EXPECT_EQ(g.ricerca.Mossa.CasellaMossa, k.casella);
    } else {
      EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(MossaSentinella()));
    }
  }
}

TEST(CercaMossa, LeavesTheGridWhiteAndTheFlagsDown) {
  struct Caso {
    const char* nome;
    std::string griglia;
    bool trovata;
  };
  for (const Caso& k :
       {Caso{"mossa trovata", kQuattroUno, true}, Caso{"nessuna mossa", kCompleta, false}}) {
    SCOPED_TRACE(k.nome);
    test::Partita p;
    Gioco& g = *p;
    CaricaGriglia(g, k.griglia);
    test::VistaNessuno(g);
    for (int c = 0; c < kCelle; ++c) {
      g.f.caN[c].setBackColor(kGialloCursore);
      g.ricerca.Esclusa[c] = true;
    }
    g.ricerca.Mossa = MossaSentinella();
    g.ricerca.Trovata = !k.trovata;
    CercaMossa(g);
    EXPECT_EQ(g.ricerca.Trovata, k.trovata);
    EXPECT_FALSE(g.ricerca.SoloRicerca);
    EXPECT_FALSE(g.ricerca.InRisoluzione);
    for (int c = 0; c < kCelle; ++c) {
      EXPECT_EQ(g.f.caN[c].backColor(), kBianco) << c;
      EXPECT_FALSE(g.ricerca.Esclusa[c]) << c;
    }
    // A failed search leaves the last move in place.
    if (!k.trovata) {
      EXPECT_EQ(TestoMossa(g.ricerca.Mossa), TestoMossa(MossaSentinella()));
    }
  }
}

TEST(CercaMossa, EveryMethodOnlyLooks) {
  std::ifstream in(std::string(ORVENTO_DATA_DIR) + "/easy50.txt");
  std::string riga;
  int schemi = 0;
  while (schemi < 10 && std::getline(in, riga)) {
    if (riga.size() < 81) continue;
    ++schemi;
    test::Partita p;
    Gioco& g = *p;
    CaricaGriglia(g, riga);
    test::VistaNessuno(g);
    g.verifica.NumConsigli = 4;
    const auto cifra = g.griglia.Cifra;
    const auto can = g.griglia.Can;
    const int riempite = g.griglia.Riempite;
    for (const Metodo& m : Catalogo()) {
      SCOPED_TRACE(std::string(m.chiave) + " su " + riga);
      SoloChiavi(g, {std::string(m.chiave).c_str()});
      CercaMossa(g);
      EXPECT_EQ(g.griglia.Cifra, cifra);
      EXPECT_EQ(g.griglia.Can, can);
      EXPECT_EQ(g.griglia.Riempite, riempite);
      EXPECT_EQ(g.verifica.NumConsigli, 4);
    }
  }
  EXPECT_EQ(schemi, 10);
}

}  // namespace
}  // namespace orv
