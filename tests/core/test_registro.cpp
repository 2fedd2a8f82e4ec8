#include <gtest/gtest.h>

#include "fixture.h"
#include "model/registro.h"

namespace orv {
namespace {

using test::CaricaGriglia;
using test::Partita;

constexpr const char* kSchema =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// A game in play with every kind of cell: givens, a move (cell 2 = 4), a value of the
// verification run (cell 3 = 6, white), candidates corrected by hand (cell 5, blue " 28 ") and a
// cell left without candidates (cell 6); cells 7 and 8 keep their candidates.
void PartitaInCorso(Gioco& g) {
  CaricaGriglia(g, kSchema);
  g.partita.InGioco = true;
  ImpostaValore(g, 2, '4', Origine::Blu);
  g.verifica.ColoreMossa = kBianco;
  ImpostaValore(g, 3, '6', Origine::Provvisoria);
  g.verifica.ColoreMossa = kBluMossa;
  g.griglia.Riempite += 2;
  g.griglia.Can.set(5, " 28 ");
  g.f.caN[5].setForeColor(kBluMossa);
  g.griglia.Can.set(6, "  ");
  g.griglia.Can.set(7, " 12 ");
  g.griglia.Can.set(8, " 248 ");
  g.verifica.UsoMetodiConta[4] = 3;
}

struct Cella {
  char cifra;
  Origine orig;
  std::string can;
  Colore colore;
  bool operator==(const Cella&) const = default;
};

std::array<Cella, kCelle> Fotografia(const Gioco& g) {
  std::array<Cella, kCelle> f;
  for (int c = 0; c < kCelle; ++c)
    f[c] = {g.griglia.Cifra[c], g.griglia.Orig[c], g.griglia.Can[c], g.f.caN[c].foreColor()};
  return f;
}

// Changes everything the record holds, so that a restore has to rebuild it.
void Scompiglia(Gioco& g) {
  for (int c = 0; c < kCelle; ++c) {
    SvuotaCella(g, c);
    g.griglia.Can.set(c, " 9 ");
  }
  ImpostaValore(g, 40, '1', Origine::Blu);
  g.griglia.Riempite = 1;
}

TEST(RegistraStato, TheFlashOfAGameInPlayHasAll27RowsAndAsksNothing) {
  Partita p;
  Gioco& g = *p;
  PartitaInCorso(g);
  g.griglia.Riempite = 37;
  RegistraStato(g);
  EXPECT_TRUE(p.platform.messages().empty());
  EXPECT_EQ(g.registro.RigheUsate, 27);
  // Row 0: 5, 3 given; 4 a move; 6 of the run; 7 given; cells 5..8 without value, 5 corrected.
  EXPECT_EQ(g.registro.RigheDati[0], "53467    ");
  EXPECT_EQ(g.registro.RigheDati[9], "  bc b   ");
  EXPECT_EQ(g.registro.RigheDati[18], " , , , , ,28,,12,248,");
  EXPECT_EQ(g.registro.RiempiteRegistrate, 37);
  EXPECT_EQ(g.verifica.UsoMetodiSalvati[4], 3);
  // A move clears DatiRegistrati.
  EXPECT_FALSE(g.registro.DatiRegistrati);
}

TEST(RegistraStato, BeforeGiocaOnlyTheGridRows) {
  Partita p;
  Gioco& g = *p;
  CaricaGriglia(g, kSchema);
  ImpostaValore(g, 2, '4', Origine::Blu);
  g.registro.RigheDati[9] = "old";
  RegistraStato(g);
  EXPECT_EQ(g.registro.RigheUsate, 9);
  EXPECT_EQ(g.registro.RigheDati[0], "534 7    ");
  EXPECT_EQ(g.registro.RigheDati[8], "    8  79");
  EXPECT_EQ(g.registro.RigheDati[9], "old");
  EXPECT_EQ(g.registro.RiempiteRegistrate, 0);
}

TEST(RegistraStato, SavingAsksForTheCandidatesOnlyWhenTheGameHasMoves) {
  struct Caso {
    bool mossa;
    std::optional<MsgResult> risposta;  // nothing: no question expected
    int righe;
  };
  for (const Caso& k : {Caso{false, std::nullopt, 9}, Caso{true, MsgResult::Yes, 27},
                        Caso{true, MsgResult::No, 18}}) {
    Partita p;
    Gioco& g = *p;
    CaricaGriglia(g, kSchema);
    g.partita.InGioco = true;
    if (k.mossa) {
      ImpostaValore(g, 2, '4', Origine::Blu);
      g.registro.DatiRegistrati = false;
    }
    g.registro.InSalvataggio = true;
    if (k.risposta) p.platform.queueAnswer(*k.risposta);
    RegistraStato(g);
    EXPECT_EQ(g.registro.RigheUsate, k.righe) << k.righe;
    const auto msg = p.platform.takeMessages();
    if (!k.risposta) {
      EXPECT_TRUE(msg.empty());
      continue;
    }
    ASSERT_EQ(msg.size(), 1u);
    EXPECT_EQ(msg[0].title, "Salvataggio");
    EXPECT_EQ(msg[0].text, "Salvare anche i Candidati ?");
    EXPECT_EQ(msg[0].buttons, MsgButtons::YesNo);
    // Counts travel only with a complete record.
    EXPECT_EQ(g.registro.RiempiteRegistrate, k.righe == 27 ? g.griglia.Riempite : 0);
  }
}

TEST(RegistraStato, DatiRegistratiIsSetOnlyWhenNothingWasCorrectedOrTried) {
  struct Caso {
    bool modificati;
    int voci;
    bool prima;
    bool dopo;
  };
  for (const Caso& k : {Caso{false, 0, false, true}, Caso{true, 0, false, false},
                        Caso{true, 0, true, true}, Caso{false, 5, false, false}}) {
    Partita p;
    Gioco& g = *p;
    CaricaGriglia(g, kSchema);
    g.registro.CandidatiModificati = k.modificati;
    g.verifica.NumVociTentativi = k.voci;
    g.registro.DatiRegistrati = k.prima;
    RegistraStato(g);
    EXPECT_EQ(g.registro.DatiRegistrati, k.dopo) << k.modificati << k.voci << k.prima;
  }
}

TEST(RipristinaFlash, RoundTripOf9_18And27Rows) {
  for (int righe : {9, 18, 27}) {
    Partita p;
    Gioco& g = *p;
    PartitaInCorso(g);
    if (righe == 9) g.partita.InGioco = false;
    if (righe == 18) {
      g.registro.InSalvataggio = true;
      p.platform.queueAnswer(MsgResult::No);
    }
    const auto prima = Fotografia(g);
    const int riempite = g.griglia.Riempite;
    RegistraStato(g);
    g.registro.InSalvataggio = false;
    ASSERT_EQ(g.registro.RigheUsate, righe);
    Scompiglia(g);
    RipristinaFlash(g);
    const auto dopo = Fotografia(g);
    EXPECT_EQ(g.griglia.Riempite, riempite) << righe;
    for (int c = 0; c < kCelle; ++c) {
      Cella attesa = prima[c];
      // Without the origin rows every value is a given and every text the candidate red.
      if (righe == 9) {
        if (attesa.cifra != 0) {
          attesa.orig = Origine::Nera;
          attesa.colore = kTestoPulsante;
        } else {
          attesa.colore = kRosso;
        }
      }
      // Without the candidate rows the candidates are left to the caller.
      if (righe < 27 && attesa.cifra == 0) attesa.can.clear();
      // A cell without candidates is an empty piece: nothing is written.
      if (righe == 27 && c == 6) attesa.can.clear();
      EXPECT_EQ(dopo[c], attesa) << "righe " << righe << " cella " << c;
      EXPECT_EQ(g.f.caN[c].backColor(), kBianco);
      EXPECT_EQ(g.f.caN[c].font().name, attesa.cifra ? "MS Sans Serif" : "Courier New");
    }
  }
}

TEST(RipristinaFlash, ThirdBlockPiecesGoToTheirCellsAndNeverPastTheLast) {
  Partita p;
  Gioco& g = *p;
  g.registro.RigheUsate = 27;
  g.registro.RigheDati[0] = "  5 6 12 ";
  g.registro.RigheDati[1] = "x";  // any character is placed as it stands; a short row is fine
  g.registro.RigheDati[18] = "3,18, ,, ,2459, , ,7,";
  for (int r = 19; r < 26; ++r) g.registro.RigheDati[r] = "9,9,9,9,9,9,9,9,9,";
  // Twelve pieces in the last row: three too many. Text after the last comma is ignored.
  g.registro.RigheDati[26] = "4,4,4,4,4,4,4,4,4,7,7,7,5";
  RipristinaFlash(g);
  const std::array<const char*, 9> riga0 = {" 3 ",    " 18 ", "  ", "",   "  ",
                                            " 2459 ", "  ",   "  ", " 7 "};
  for (int c = 0; c < 9; ++c) EXPECT_EQ(g.griglia.Can[c], riga0[c]) << c;
  EXPECT_EQ(g.griglia.Cifra[2], '5');
  EXPECT_EQ(g.griglia.Cifra[7], '2');
  EXPECT_EQ(g.griglia.Cifra[9], 'x');
  EXPECT_EQ(g.griglia.Orig[9], Origine::Nera);
  EXPECT_EQ(g.griglia.Can[10], " 9 ");
  EXPECT_EQ(g.griglia.Can[80], " 4 ");
  EXPECT_EQ(g.griglia.Riempite, 5);
}

TEST(RipristinaFlash, BetweenTrialsPutsBackTheCountsOfTheStall) {
  for (bool tentativo : {false, true}) {
    Partita p;
    Gioco& g = *p;
    CaricaGriglia(g, kSchema);
    g.partita.InGioco = true;
    RegistraStato(g);
    g.registro.ConsigliInizioTentativi = 7;
    g.registro.RiempiteRegistrate = 12;
    g.verifica.UsoMetodiSalvati.fill(0);
    g.verifica.UsoMetodiSalvati[3] = 2;
    g.verifica.UsoMetodiConta.fill(5);
    g.verifica.NumConsigli = 40;
    g.verifica.InTentativo = tentativo;
    RipristinaFlash(g);
    EXPECT_EQ(g.verifica.NumConsigli, tentativo ? 7 : 40);
    EXPECT_EQ(g.griglia.Riempite, tentativo ? 12 : 30);
    EXPECT_EQ(g.verifica.UsoMetodiConta[3], tentativo ? 2 : 5);
    EXPECT_EQ(g.verifica.UsoMetodiConta[0], tentativo ? 0 : 5);
  }
}

// All a restore leaves: the grid with the masks kept beside it, and the cell labels.
std::vector<std::string> StatoRipristinato(const Gioco& g) {
  std::vector<std::string> s{"riempite " + std::to_string(g.griglia.Riempite),
                             "soli " + std::to_string(g.griglia.Can.primoSolo()) +
                                 (g.griglia.Can.tuttiCanonici() ? " canonici" : "")};
  for (int c = 0; c < kCelle; ++c) {
    const Label& l = g.f.caN[c];
    s.push_back(std::to_string(c) + ": " + std::string(1, g.griglia.Cifra[c]) + " " +
                std::to_string(static_cast<int>(g.griglia.Orig[c])) + " '" + g.griglia.Can[c] +
                "' " + std::to_string(g.griglia.Can.maschera(c)) + " '" +
                std::string(g.griglia.Can.ridotto(c)) + "' " +
                (g.griglia.Can.canonico(c) ? "c " : "- ") + l.caption() + "|" + l.font().name +
                " " + std::to_string(l.font().size) + " " + std::to_string(l.foreColor()) + " " +
                std::to_string(l.backColor()));
  }
  for (int z = 0; z < kZone; ++z) {
    std::string zona = "zona " + std::to_string(z) + ": " +
                       std::to_string(g.griglia.Cifra.vuote()[z]) + " " +
                       std::to_string(g.griglia.Cifra.cifre(z));
    for (int d = 0; d < 10; ++d) zona += " " + std::to_string(g.griglia.Can.posti(z, d));
    for (int n = 2; n <= 4; ++n) zona += " " + std::to_string(g.griglia.Can.conLunghezza(z, n));
    s.push_back(zona);
  }
  for (int v = 1; v <= 9; ++v)
    s.push_back("cifra " + std::to_string(v) + ": " + std::to_string(g.griglia.Cifra.righe(v)) +
                " " + std::to_string(g.griglia.Cifra.colonne(v)) + " " +
                std::to_string(g.griglia.Cifra.quadri(v)));
  s.push_back("una vuota " + std::to_string(g.griglia.Cifra.zoneConUnaVuota()));
  return s;
}

// Restoring the same Flash again gives exactly what the first restore gave; a change to anything
// the restore reads is read anew, never answered with what the earlier rows gave.
TEST(RipristinaFlash, AgainGivesTheSameAndAnyChangedInputIsReadAnew) {
  struct Caso {
    const char* cosa;
    void (*cambia)(Gioco&);
  };
  const Caso casi[] = {
      {"value row", [](Gioco& g) { g.registro.RigheDati[4][1] = '7'; }},
      {"odd value", [](Gioco& g) { g.registro.RigheDati[0] = "x"; }},
      {"origin row", [](Gioco& g) { g.registro.RigheDati[9] = "c b"; }},
      {"candidate row", [](Gioco& g) { g.registro.RigheDati[18] = " , , ,9 1,xy,,12,248,"; }},
      {"unused row", [](Gioco& g) { g.registro.RigheUsate = 18; }},
      {"values only", [](Gioco& g) { g.registro.RigheUsate = 9; }},
      {"copy of the givens", [](Gioco& g) { g.registro.RigheDati = g.registro.RigheDatiCopia; }},
      {"candidate font", [](Gioco& g) { g.geometria.DimCandidati = 11; }},
      {"value font", [](Gioco& g) { g.geometria.DimValore = 14; }},
  };
  for (const Caso& k : casi) {
    // The changed inputs read first, in a game of their own.
    Partita altra;
    PartitaInCorso(*altra);
    RegistraStato(*altra);
    k.cambia(*altra);
    Scompiglia(*altra);
    RipristinaFlash(*altra);
    const auto cambiato = StatoRipristinato(*altra);

    Partita p;
    Gioco& g = *p;
    PartitaInCorso(g);
    RegistraStato(g);
    Scompiglia(g);
    RipristinaFlash(g);
    const auto primo = StatoRipristinato(g);
    Scompiglia(g);
    g.f.caN[20].setBackColor(kGialloCursore);
    RipristinaFlash(g);
    EXPECT_EQ(StatoRipristinato(g), primo) << k.cosa;

    k.cambia(g);
    Scompiglia(g);
    RipristinaFlash(g);
    EXPECT_NE(cambiato, primo) << k.cosa;
    EXPECT_EQ(StatoRipristinato(g), cambiato) << k.cosa;
  }
}

TEST(RipristinaFile, RestoresLikeTheFlash) {
  Partita p;
  Gioco& g = *p;
  PartitaInCorso(g);
  const auto prima = Fotografia(g);
  RegistraStato(g);
  Scompiglia(g);
  RipristinaFile(g);
  auto dopo = Fotografia(g);
  dopo[6].can = "  ";  // the cell without candidates comes back empty
  EXPECT_EQ(dopo, prima);
}

}  // namespace
}  // namespace orv
