// Hidden subsets: Nascosti(1..4) in both modes.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "tavola.h"

namespace orv {
namespace {

using test::Testo;

// The fields a hidden group writes; a hidden single writes the first four only.
struct Attesa {
  const char* codice;
  int casella;
  const char* valore;
  int zona;
  const char* gruppo = nullptr;
  const char* caselle = nullptr;
};

struct Riduzione {
  int c;
  const char* can;
};

struct Caso {
  const char* nome;
  std::vector<Testo> testi;  // over a free board
  std::function<void(Gioco&)> ritocchi;
  int n;
  std::optional<Attesa> attesa;
  // Apply mode: the cells one call reduces (light green, one move each).
  std::vector<Riduzione> riduzioni;
  // Apply mode places a hidden single instead (see the placement test).
  bool piazza = false;
};

// Digits 5 and 7 are left only in cells 3 and 12, the top of column 3.
void Coppia57(Gioco& g) {
  test::SoloIn(g, 12, '5', {0, 1});
  test::SoloIn(g, 12, '7', {0, 1});
}

const std::vector<Caso>& Casi() {
  static const std::vector<Caso> casi = {
      {"candidato nascosto",
       {},
       [](Gioco& g) { test::SoloIn(g, 0, '5', {3}); },
       1,
       Attesa{"Xx1", 3, " 5 ", 0},
       {},
       true},
      {"l'unico posto del 5 e' il suo unico candidato: non e' un candidato nascosto",
       {{3, " 5 "}},
       [](Gioco& g) { test::SoloIn(g, 0, '5', {3}); },
       1,
       std::nullopt,
       {}},
      {"la coppia nascosta non riporta un candidato nascosto",
       {},
       [](Gioco& g) { test::SoloIn(g, 0, '5', {3}); },
       2,
       std::nullopt,
       {},
       true},
      {"coppia nascosta: la prima casella e' gia' ridotta",
       {{3, " 57 "}, {12, " 1457 "}},
       Coppia57,
       2,
       Attesa{"Xx2b", 12, " 57 ", 12, "57", "03"},
       {{12, " 57 "}}},
      {"coppia nascosta: si riduce la prima casella",
       {{3, " 1257 "}, {12, " 1457 "}},
       Coppia57,
       2,
       Attesa{"Xx2a", 3, " 57 ", 12, "57", "12"},
       {{3, " 57 "}, {12, " 57 "}}},
      {"coppie nascoste in ordine di caselle, non di cifre",
       // Row 0: 2 and 6 only in cells 5 and 7, 4 and 8 only in cells 1 and 3. By digit the
       // rows alternate (2, 4, 6, 8) and no two equal ones would be adjacent.
       {{1, " 1348 "}, {3, " 3489 "}, {5, " 2569 "}, {7, " 126 "}},
       [](Gioco& g) {
         for (char d : {'2', '4', '6', '8'}) test::SoloIn(g, 0, d, {1, 3, 5, 7});
       },
       2,
       Attesa{"Xx2a", 1, " 48 ", 0, "48", "03"},
       {{1, " 48 "}, {3, " 48 "}, {5, " 26 "}, {7, " 26 "}}},
      {"terna nascosta",
       {},
       [](Gioco& g) {
         for (char d : {'1', '4', '7'}) test::SoloIn(g, 0, d, {0, 3, 6});
       },
       3,
       Attesa{"HTR", 0, " 147 ", 0, "147", "00,03,06"},
       {{0, " 147 "}}},
      {"terna nascosta con una cifra in due sole caselle: non si trova",
       {},
       [](Gioco& g) {
         test::SoloIn(g, 0, '1', {0, 3, 6});
         test::SoloIn(g, 0, '4', {0, 3, 6});
         test::SoloIn(g, 0, '7', {0, 3});
       },
       3,
       std::nullopt,
       {}},
      {"terna nascosta: la prima casella con altri candidati",
       {{0, " 147 "}, {3, " 147 "}, {6, " 1479 "}},
       [](Gioco& g) {
         for (char d : {'1', '4', '7'}) test::SoloIn(g, 0, d, {0, 3, 6});
       },
       3,
       Attesa{"HTR", 6, " 147 ", 0, "147", "00,03,06"},
       {{6, " 147 "}}},
      {"quaterna nascosta in un quadro",
       {},
       [](Gioco& g) {
         for (char d : {'2', '3', '5', '8'}) test::SoloIn(g, 18, d, {0, 1, 3, 4});
       },
       4,
       Attesa{"HQU", 0, " 2358 ", 18, "2358", "00,01,09,10"},
       {{0, " 2358 "}}},
      {"quaterna senza altri candidati: la zona finisce li'",
       // 5678 in cells 4..7 would reduce cell 4, but 1234 comes first and reduces nothing.
       {{0, " 1234 "},
        {1, " 1234 "},
        {2, " 1234 "},
        {3, " 1234 "},
        {4, " 56789 "},
        {5, " 5678 "},
        {6, " 5678 "},
        {7, " 5678 "},
        {8, " 9 "}},
       {},
       4,
       std::nullopt,
       {}},
      {"nessun gruppo su una tavola libera", {}, {}, 3, std::nullopt, {}},
  };
  return casi;
}

void Prepara(Gioco& g, const Caso& k) {
  test::TavolaLibera(g);
  for (const Testo& t : k.testi) g.griglia.Can.set(t.c, t.can);
  if (k.ritocchi) k.ritocchi(g);
}

MossaTrovata Atteso(const Attesa& a) {
  MossaTrovata m = test::MossaSentinella();
  m.CodiceMetodo = a.codice;
  m.CasellaMossa = a.casella;
  m.ValoreMossa = a.valore;
  m.ZonaMossa = a.zona;
  if (a.gruppo) {
    m.DaTogliere.clear();
    m.Gruppo = a.gruppo;
    m.CaselleGruppo = a.caselle;
  }
  return m;
}

TEST(Nascosti, RicercaDescriveLaPrimaMossaSenzaToccareLaGriglia) {
  for (const Caso& k : Casi()) {
    SCOPED_TRACE(k.nome);
    test::DalleMaschereEDaiTesti([&](Gioco& g) {
      Prepara(g, k);
      const auto can = g.griglia.Can;
      const auto sfondi = test::Sfondi(g);
      g.ricerca.Mossa = test::MossaSentinella();
      test::InRicerca(g);
      Nascosti(g, k.n);
      EXPECT_EQ(g.ricerca.Trovata, k.attesa.has_value());
      const MossaTrovata atteso = k.attesa ? Atteso(*k.attesa) : test::MossaSentinella();
      EXPECT_EQ(g.ricerca.Mossa, atteso) << test::TestoMossa(g.ricerca.Mossa) << "\n"
                                         << test::TestoMossa(atteso);
      EXPECT_EQ(g.griglia.Can, can);
      EXPECT_EQ(test::Sfondi(g), sfondi);
      EXPECT_EQ(g.verifica.NumConsigli, 0);
      EXPECT_EQ(g.griglia.Riempite, 0);
    });
  }
}

TEST(Nascosti, ApplicaRiduceLeCaselleDelGruppo) {
  for (const Caso& k : Casi()) {
    if (k.piazza) continue;
    SCOPED_TRACE(k.nome);
    test::DalleMaschereEDaiTesti([&](Gioco& g) {
      Prepara(g, k);
      auto atteso = g.griglia.Can;
      auto sfondi = test::Sfondi(g);
      for (const Riduzione& r : k.riduzioni) {
        atteso.set(r.c, r.can);
        sfondi[r.c] = kVerdeNascosto;
      }
      test::InApplicazione(g);
      Nascosti(g, k.n);
      EXPECT_EQ(g.ricerca.Trovata, !k.riduzioni.empty());
      EXPECT_EQ(g.griglia.Can, atteso);
      EXPECT_EQ(test::Sfondi(g), sfondi);
      EXPECT_EQ(g.verifica.NumConsigli, static_cast<int>(k.riduzioni.size()));
    });
  }
}

TEST(Nascosti, ApplicaPiazzaIlCandidatoNascostoConOgniArgomento) {
  for (int n = 1; n <= 4; ++n) {
    SCOPED_TRACE(n);
    test::Partita p;
    Gioco& g = *p;
    test::TavolaLibera(g);
    test::SoloIn(g, 0, '5', {3});
    // Cell 12 (column 3) and cell 22 (box 19) lose the 5 through the error check.
    test::InApplicazione(g);
    g.verifica.ColoreMossa = kBianco;
    Nascosti(g, n);
    EXPECT_TRUE(g.ricerca.Trovata);
    EXPECT_EQ(g.griglia.Cifra[3], '5');
    EXPECT_EQ(g.griglia.Orig[3], Origine::Provvisoria);
    EXPECT_EQ(g.griglia.Can[3], "  ");
    EXPECT_EQ(g.f.caN[3].caption(), "5");
    EXPECT_EQ(g.f.caN[3].foreColor(), kBianco);
    EXPECT_EQ(g.f.caN[3].backColor(), kVerdeNascosto);
    EXPECT_EQ(g.griglia.Riempite, 1);
    EXPECT_EQ(g.verifica.NumConsigli, 1);
    EXPECT_TRUE(g.verifica.NessunErrore);
    EXPECT_EQ(g.griglia.Can[12], " 12346789 ");
    EXPECT_EQ(g.griglia.Can[22], " 12346789 ");
    EXPECT_EQ(g.griglia.Can[30], " 12346789 ");
    EXPECT_EQ(g.griglia.Can[13], " 12346789 ");
    EXPECT_EQ(g.griglia.Can[31], kTuttiCandidati);
  }
}

TEST(Nascosti, ApplicaSegnalaLaCasellaRimastaSenzaCandidati) {
  // Placing the hidden 5 leaves cell 12, whose only candidate was 5, empty: the error check runs
  // after the placement and reports it.
  test::Partita p;
  Gioco& g = *p;
  test::TavolaLibera(g);
  test::SoloIn(g, 0, '5', {3});
  g.griglia.Can.set(12, " 5 ");
  test::InApplicazione(g);
  Nascosti(g, 1);
  EXPECT_TRUE(g.ricerca.Trovata);
  EXPECT_EQ(g.griglia.Cifra[3], '5');
  EXPECT_FALSE(g.verifica.NessunErrore);
  EXPECT_EQ(g.f.ListCons.item(0), "- ERRORE NEL GIOCO ...");
}

TEST(Nascosti, LaPotaturaLasciaPassareGliEventiUnaVoltaPerGiro) {
  // Row 0: digits 1, 4, 7 in three cells, the other six in all nine. The six rows that cannot
  // be a triple go one per pass; the seventh pass removes nothing.
  test::Partita p;
  Gioco& g = *p;
  test::TavolaLibera(g);
  for (char d : {'1', '4', '7'}) test::SoloIn(g, 0, d, {0, 3, 6});
  test::InRicerca(g);
  const int prima = p.platform.eventPumps();
  Nascosti(g, 3);
  EXPECT_TRUE(g.ricerca.Trovata);
  EXPECT_EQ(p.platform.eventPumps() - prima, 7);
  // Pairs and singles never let events run.
  const int dopo = p.platform.eventPumps();
  test::InRicerca(g);
  Nascosti(g, 2);
  Nascosti(g, 1);
  EXPECT_EQ(p.platform.eventPumps(), dopo);
}

}  // namespace
}  // namespace orv
