#include <gtest/gtest.h>

#include "fixture.h"

namespace orv {
namespace {

using test::CaricaGriglia;
using test::Partita;

TEST(RicalcoloCandidati, StopsAtOneCandidate) {
  Partita p;
  Gioco& g = *p;
  // Row 0 holds 1..8 in cells 1..8, column 0 holds 9 at cell 36: cell 0 keeps only 9. Had the
  // removal gone on through the column, the 9 would go too and the cell would look empty.
  std::string s(81, '.');
  for (int j = 1; j <= 8; ++j) s[j] = static_cast<char>('0' + j);
  s[36] = '9';
  CaricaGriglia(g, s);
  EXPECT_EQ(g.griglia.Can[0], " 9 ");
  EXPECT_EQ(g.griglia.Can[1], "  ");
  // A cell that meets 9 in its column only.
  EXPECT_EQ(g.griglia.Can[45], " 12345678 ");
  // Cell 9 sees 1, 2 in its box (cells 1, 2) and 9 in its column.
  EXPECT_EQ(g.griglia.Can[9], " 345678 ");
  EXPECT_EQ(g.Vista(), ModoVista::Tutti);
  EXPECT_TRUE(g.f.Sugge1.value());
  EXPECT_FALSE(g.f.Sugge0.value());
}

TEST(RicalcoloCandidati, TogliPresentiIgnoresBadArguments) {
  Partita p;
  Gioco& g = *p;
  g.griglia.Can.set(3, " 123 ");
  TogliPresenti(g, 3, 27);
  TogliPresenti(g, -1, 0);
  TogliPresenti(g, 81, 0);
  EXPECT_EQ(g.griglia.Can[3], " 123 ");
}

// A board whose cells are all empty with the given candidate texts (no values placed).
void Candidati(Gioco& g, std::initializer_list<std::pair<int, const char*>> celle) {
  for (int c = 0; c < kCelle; ++c) g.griglia.Can.set(c, " 123456789 ");
  for (auto [c, t] : celle) g.griglia.Can.set(c, t);
}

TEST(ControlloErrori, RemovesTheValueFromRowColumnAndBox) {
  Partita p;
  Gioco& g = *p;
  Candidati(g, {{40, "  "}, {41, " 45 "}, {13, " 5 7 "}});
  ControlloErrori(g, 40, '5');
  EXPECT_TRUE(g.verifica.NessunErrore);
  EXPECT_EQ(g.griglia.Can[41], " 4 ");
  EXPECT_EQ(g.griglia.Can[13], "  7 ");
  EXPECT_EQ(g.griglia.Can[36], " 12346789 ");  // row
  EXPECT_EQ(g.griglia.Can[76], " 12346789 ");  // column
  EXPECT_EQ(g.griglia.Can[30], " 12346789 ");  // box
  EXPECT_EQ(g.griglia.Can[0], " 123456789 ");  // elsewhere
  EXPECT_EQ(g.f.ListCons.item(0), "- Clic su 'Dati Iniziali' per costruire");
}

TEST(ControlloErrori, ValueNowhereChangesNothing) {
  Partita p;
  Gioco& g = *p;
  Candidati(g, {});
  for (int z : {4, 13, 22})
    for (int c : Zona()[z]) g.griglia.Can.set(c, " 1234 ");
  auto prima = g.griglia.Can;
  ControlloErrori(g, 40, '7');
  EXPECT_TRUE(g.verifica.NessunErrore);
  EXPECT_EQ(g.griglia.Can, prima);
  EXPECT_EQ(g.partita.NumErrori, 0);
}

TEST(ControlloErrori, ContradictionInTheRowStopsTheCheck) {
  Partita p;
  Gioco& g = *p;
  // Cell 38 (row 4) has 6 as its only candidate; the column and box of 40 keep their 6s.
  Candidati(g, {{40, "  "}, {38, " 6 "}, {37, " 16 "}, {39, " 69 "}});
  ControlloErrori(g, 40, '6');
  EXPECT_FALSE(g.verifica.NessunErrore);
  EXPECT_EQ(g.griglia.Can[37], " 1 ");  // before the contradiction: removed
  EXPECT_EQ(g.griglia.Can[38], "  ");
  EXPECT_EQ(g.griglia.Can[39], " 69 ");         // row, after it: untouched
  EXPECT_EQ(g.griglia.Can[4], " 123456789 ");   // column untouched
  EXPECT_EQ(g.griglia.Can[30], " 123456789 ");  // box untouched
  const std::vector<std::string> atteso = {"- ERRORE NEL GIOCO ...",
                                           "  ... anomalie nei dati di partenza,",
                                           "  verificarli e ricaricarli."};
  EXPECT_EQ(g.f.ListCons.items(), atteso);
  EXPECT_EQ(g.f.Semaf.fillColor(), 0xFF0000u);
  EXPECT_EQ(g.f.SemaLab.backColor(), 0xFF0000u);
  EXPECT_EQ(g.f.SemaLab.caption(), "ERR");
  EXPECT_EQ(g.partita.NumErrori, 1);
  EXPECT_EQ(g.f.NErr.caption(), "1 Errore");
  EXPECT_FALSE(g.partita.ModoConsigli);
  for (Button* b : {&g.f.Cons1, &g.f.Cons2, &g.f.Cons3, &g.f.Applica})
    EXPECT_FALSE(b->enabled()) << b->name();
}

TEST(ControlloErrori, SilentInsideATrial) {
  Partita p;
  Gioco& g = *p;
  Candidati(g, {{40, "  "}, {38, " 6 "}});
  g.verifica.InTentativo = true;
  ControlloErrori(g, 40, '6');
  EXPECT_FALSE(g.verifica.NessunErrore);
  EXPECT_EQ(g.partita.NumErrori, 0);
  EXPECT_EQ(g.f.NErr.caption(), "");
  EXPECT_EQ(g.f.SemaLab.caption(), "VAI");
  EXPECT_EQ(g.f.Semaf.fillColor(), kVerdeSemaforo);
  EXPECT_EQ(g.f.ListCons.count(), 3);  // the welcome text stays
}

TEST(ControlloErrori, FullReportAfterAPlayerChange) {
  Partita p;
  Gioco& g = *p;
  Candidati(g, {{40, "  "}, {41, " 2 "}});
  // A Blu value only trials decide goes grey with a red digit; one the techniques found stays.
  ImpostaValore(g, 0, '4', Origine::Blu);
  ImpostaValore(g, 1, '5', Origine::Blu);
  g.verifica.Soluzione[0] = " ";
  g.verifica.Soluzione[1] = "5";
  g.griglia.Can.set(40, "  ");
  g.partita.UltimaModifica = "il Valore 2";
  g.partita.CellaSegnalata = 40;
  g.partita.NumErrori = 1;
  ControlloErrori(g, 40, '2');
  const std::vector<std::string> atteso = {
      "- ERRORE NEL GIOCO ...", "  ... quando nella Casella segnalata,",
      "  hai cambiato il Valore 2.", "  Ricaricare il Flash (o Cancellare",
      "  tutte le Mosse o Azzerare)."};
  EXPECT_EQ(g.f.ListCons.items(), atteso);
  EXPECT_EQ(g.f.NErr.caption(), "2 Errori");
  EXPECT_EQ(g.f.caN[0].backColor(), kGrigioEsclusione);
  EXPECT_EQ(g.f.caN[0].foreColor(), kRosso);
  EXPECT_EQ(g.f.caN[1].backColor(), kBianco);
  EXPECT_EQ(g.f.caN[1].foreColor(), kBluMossa);
  EXPECT_EQ(g.f.caN[40].backColor(), kViola);

  // Inside a search or a verification the faulty-data lines come first as well.
  g.ricerca.InRisoluzione = true;
  g.griglia.Can.set(41, " 2 ");
  ControlloErrori(g, 40, '2');
  ASSERT_EQ(g.f.ListCons.count(), 7);
  EXPECT_EQ(g.f.ListCons.item(1), "  ... anomalie nei dati di partenza,");
  EXPECT_EQ(g.f.ListCons.item(3), "  ... quando nella Casella segnalata,");
}

TEST(ControlloErrori, ShowsTheNewCandidatesInTheViewTutti) {
  Partita p;
  Gioco& g = *p;
  Candidati(g, {{40, "  "}, {41, " 457 "}});
  g.f.Sugge1.setValue(true);
  ControlloErrori(g, 40, '5');
  EXPECT_EQ(g.f.caN[41].caption(), "47");
  // Outside that view the labels are left alone.
  g.f.Sugge0.setValue(true);
  g.griglia.Can.set(42, " 59 ");
  const std::string prima = g.f.caN[42].caption();
  ControlloErrori(g, 41, '9');
  EXPECT_EQ(g.griglia.Can[42], " 5 ");
  EXPECT_EQ(g.f.caN[42].caption(), prima);
}

TEST(ErrorCounterText, SingularAndPlural) {
  EXPECT_EQ(TestoErrori(1), "1 Errore");
  EXPECT_EQ(TestoErrori(0), "0 Errori");
  EXPECT_EQ(TestoErrori(2), "2 Errori");
  EXPECT_EQ(TestoErrori(11), "11 Errori");
}

}  // namespace
}  // namespace orv
