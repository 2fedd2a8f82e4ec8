#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "fixture.h"
#include "model/registro.h"
#include "verifica_aiuto.h"
#include "verification/verifica.h"

namespace orv {
namespace {

using test::Partita;
using test::verifica::DatiIniziali;
using test::verifica::GrigliaRisolta;
using test::verifica::MosseErrate;
using test::verifica::SoluzioneRegistrata;

// Solved by singles alone.
constexpr const char* kFacile =
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";
constexpr const char* kFacileSoluzione =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";
// kFacileSoluzione without the rectangle Ab, Ag, Bb, Bg (8 6 / 6 8): two solutions, so no
// method can decide; the first trial (6 in Ab) completes the grid.
constexpr const char* kRettangolo =
    "4.3921.579.7345.21251876493548132976729564138136798245372689514814253769695417382";
// No two givens are equal, but row A lacks 6 while column a already holds it (and lacks 3): the
// last-free-cell rule completes a grid that breaks the rules.
constexpr const char* kIncoerente =
    ".214397855.7128496894657213748261539256793841913584672679342158182975364435816927";

std::vector<std::string> Lavagna(const Gioco& g) {
  return g.f.ListCons.items();
}

void Verifica(Gioco& g, std::string_view schema) {
  DatiIniziali(g, schema);
  g.f.Gioca.onClick();
}

std::string Riga(const std::array<std::string, kCelle>& a, int r) {
  std::string s;
  for (int k = 0; k < 9; ++k) s += a[9 * r + k] + " ";
  return s;
}

TEST(Verifica, TechniquesAloneGiveTheFullReportAndOpenThePlay) {
  struct Caso {
    double orologio, passo;
    const char* tempo;
  };
  // The second case starts half a second before midnight.
  for (const Caso& k :
       {Caso{1000.0, 1.25, "  (in 1.25 sec.)"}, Caso{86399.5, 1.0, "  (in 1.00 sec.)"}}) {
    Partita p;
    Gioco& g = *p;
    p.platform.setClock(k.orologio);
    p.platform.setClockStep(k.passo);
    Verifica(g, kFacile);
    EXPECT_EQ(Lavagna(g), (std::vector<std::string>{
                              "ESITO DELLA VERIFICA", k.tempo, "- ho 49 consigli, per risolverlo,",
                              "  valutazione Complessiva= Facile.", "ORA PUOI GIOCARE",
                              "- usa i tasti qui sotto per i consigli."}));
    EXPECT_TRUE(p.platform.messages().empty());
  }

  Partita p;
  Gioco& g = *p;
  Verifica(g, kFacile);
  EXPECT_EQ(g.verifica.Tentativi, 0);
  EXPECT_EQ(SoluzioneRegistrata(g), kFacileSoluzione);
  for (int c = 0; c < kCelle; ++c) {
    EXPECT_EQ(g.verifica.Soluzione[c], std::string(1, kFacileSoluzione[c]));
    EXPECT_EQ(g.verifica.SoluzioneTentativi[c], "");
  }
  ASSERT_EQ(g.f.Peri.lines().size(), 9u);
  EXPECT_EQ(g.f.Peri.lines()[0], "4 8 3 9 2 1 6 5 7 ");
  EXPECT_EQ(g.f.Peri.lines()[8], "6 9 5 4 1 7 3 8 2 ");
  EXPECT_TRUE(g.f.APeri.lines().empty());
  EXPECT_EQ(g.registro.RigheDati[0], "  3 2 6  ");
  EXPECT_EQ(g.registro.RigheUsate, 9);

  // The grid shows the schema again, with fresh candidates, and the view "Nessuno".
  EXPECT_EQ(g.griglia.Riempite, 32);
  EXPECT_EQ(g.f.Fatti.caption(), "32");
  for (int c = 0; c < kCelle; ++c) {
    const bool dato = kFacile[c] != '.';
    EXPECT_EQ(g.HaValore(c), dato) << c;
    EXPECT_TRUE(g.f.caN[c].visible());
    if (dato) {
      EXPECT_EQ(g.griglia.Orig[c], Origine::Nera);
      EXPECT_EQ(g.verifica.ValoriInizio[c], std::string(1, kFacile[c]));
    } else {
      EXPECT_TRUE(HaCandidato(g.griglia.Can[c], kFacileSoluzione[c])) << c;
      EXPECT_EQ(g.f.caN[c].caption(), "");
      EXPECT_EQ(g.verifica.ValoriInizio[c], "");
    }
  }
  EXPECT_EQ(g.Vista(), ModoVista::Nessuno);
  EXPECT_TRUE(g.f.mSugge0.checked());
  EXPECT_FALSE(g.f.mSugge1.checked());

  // Flags and controls of play.
  EXPECT_TRUE(g.partita.InGioco);
  EXPECT_FALSE(g.ricerca.InRisoluzione);
  EXPECT_FALSE(g.verifica.InTentativo);
  EXPECT_EQ(g.verifica.ColoreMossa, kBluMossa);
  EXPECT_FALSE(g.f.Gioca.enabled());
  EXPECT_FALSE(g.f.DatIniz.enabled());
  for (Button* b : {&g.f.Cons1, &g.f.Cons2, &g.f.Cons3}) {
    EXPECT_TRUE(b->enabled());
    EXPECT_TRUE(b->visible());
  }
  for (Control* c : std::initializer_list<Control*>{&g.f.ListCons, &g.f.Cons0, &g.f.Applica,
                                                    &g.f.Tenta0, &g.f.VaiTenta, &g.f.AppTenta})
    EXPECT_TRUE(c->visible()) << c->name();
  for (const MenuItem* m : {&g.f.mCanMoss, &g.f.mNuoVal, &g.f.mRicMan, &g.f.mSoluz, &g.f.mValuta,
                            &g.f.mSugge0, &g.f.mSugge1})
    EXPECT_TRUE(m->enabled()) << m->name();
  EXPECT_FALSE(g.f.mPerSuCom.enabled());
  EXPECT_TRUE(g.f.Sugge0.enabled());
  EXPECT_TRUE(g.f.Sugge1.enabled());

  // The replay: one entry per move, all placements here, counted in UsoMetodi.
  EXPECT_EQ(g.verifica.NumMosse, 49);
  EXPECT_EQ(MosseErrate(g, kFacileSoluzione), std::vector<std::string>{});
  int contate = 0;
  for (int n : g.verifica.UsoMetodiConta) contate += n;
  EXPECT_EQ(contate, g.verifica.NumMosse);
  EXPECT_EQ(g.verifica.UsoMetodiConta[16], 0);
  EXPECT_EQ(g.verifica.ValutazioneTesto, " Facile");
}

TEST(Verifica, OneTrialSolvesTheRectangle) {
  Partita p;
  Gioco& g = *p;
  Verifica(g, kRettangolo);
  EXPECT_EQ(Lavagna(g),
            (std::vector<std::string>{"ESITO DELLA VERIFICA", "  (in 0.00 sec. con 1 Tentativo)",
                                      "- ho 4 consigli, per risolverlo,",
                                      "  valutazione Complessiva= Diabolico.", "ORA PUOI GIOCARE",
                                      "- usa i tasti qui sotto per i consigli."}));
  EXPECT_EQ(g.verifica.Tentativi, 1);
  // The trial table: the candidates of Ab, Ag, Bb, Bg in cell order; the first one solved.
  EXPECT_EQ(g.verifica.NumVociTentativi, 8);
  EXPECT_EQ(g.verifica.IndiceTentativo, 1);
  EXPECT_EQ(g.verifica.ElencoTentativi[1], (VoceTentativo{1, '6', -1}));
  EXPECT_EQ(g.verifica.ElencoTentativi[8], (VoceTentativo{15, '8', -1}));

  // Soluzione holds what was known before the trial; SoluzioneTentativi the complete grid.
  const std::string soluzione = SoluzioneRegistrata(g);
  EXPECT_TRUE(GrigliaRisolta(soluzione)) << soluzione;
  for (int c = 0; c < kCelle; ++c) {
    if (kRettangolo[c] == '.') {
      EXPECT_EQ(g.verifica.Soluzione[c], " ") << c;
    } else {
      EXPECT_EQ(g.verifica.Soluzione[c], std::string(1, kRettangolo[c])) << c;
      EXPECT_EQ(soluzione[c], kRettangolo[c]) << c;
    }
  }
  EXPECT_EQ(soluzione[1], '6');
  ASSERT_EQ(g.f.APeri.lines().size(), 9u);
  ASSERT_EQ(g.f.Peri.lines().size(), 9u);
  for (int r = 0; r < 9; ++r) {
    EXPECT_EQ(g.f.APeri.lines()[r], Riga(g.verifica.SoluzioneTentativi, r));
    EXPECT_EQ(g.f.Peri.lines()[r], Riga(g.verifica.SoluzioneTentativi, r));
  }
  EXPECT_TRUE(g.f.mPerSuCom.enabled());

  // The record of the schema replaced the Flash; the grid is the schema again.
  EXPECT_EQ(g.registro.RigheUsate, 27);
  EXPECT_EQ(g.registro.RigheDati[0], "4 3921 57");
  EXPECT_EQ(g.registro.RigheDati[9], "");
  EXPECT_EQ(g.griglia.Riempite, 77);
  for (int c : {1, 6, 10, 15}) {
    EXPECT_FALSE(g.HaValore(c));
    EXPECT_EQ(g.griglia.Can[c], " 68 ");
  }

  // The replay plays the trial once, as "TT" without zone, then the rest follows.
  ASSERT_FALSE(g.verifica.ElencoMosse.empty());
  EXPECT_EQ(g.verifica.ElencoMosse[0], "TT : 'Ab' =6");
  EXPECT_EQ(g.verifica.NumMosse, 4);
  EXPECT_EQ(g.verifica.UsoMetodiConta[16], 1);
  EXPECT_EQ(MosseErrate(g, soluzione), std::vector<std::string>{});
}

TEST(Verifica, ACompleteGridIsAlreadySolved) {
  Partita p;
  Gioco& g = *p;
  Verifica(g, kFacileSoluzione);
  EXPECT_EQ(Lavagna(g), std::vector<std::string>{"IL GIOCO E' GIA' RISOLTO"});
  EXPECT_EQ(g.verifica.NumMosse, 0);
  EXPECT_EQ(SoluzioneRegistrata(g), kFacileSoluzione);
  EXPECT_TRUE(g.f.Cons1.enabled());
}

TEST(Verifica, TheFirstDuplicateIsPaintedRedAndTheRunDoesNotStart) {
  // 5 in Aa and Bb: the same box, different rows and columns. A second pair, 3 in Gg and Ii,
  // lies in a later zone and stays unreported.
  std::string schema(kCelle, '.');
  schema[0] = '5';
  schema[10] = '5';
  schema[2] = '1';
  schema[60] = '3';
  schema[80] = '3';
  Partita p;
  Gioco& g = *p;
  Verifica(g, schema);
  EXPECT_EQ(Lavagna(g),
            (std::vector<std::string>{"ERRORE NEI DATI CORRENTI!", "- correggi o Azzera."}));
  for (int c = 0; c < kCelle; ++c) {
    if (!g.HaValore(c)) continue;
    EXPECT_EQ(g.f.caN[c].foreColor(), c == 0 || c == 10 ? kRosso : kTestoPulsante) << c;
  }
  EXPECT_FALSE(g.partita.InGioco);
  EXPECT_TRUE(g.f.Gioca.enabled());
  EXPECT_EQ(g.griglia.Riempite, 5);
  EXPECT_FALSE(g.f.mSoluz.enabled());
}

TEST(Verifica, GivensWithoutSolutionStopWithTheErrorReport) {
  // Aa and Ab can only hold 9: the naked single in Aa leaves Ab without candidates.
  std::string contraddizione(kCelle, '.');
  for (auto [c, v] : std::initializer_list<std::pair<int, char>>{{3, '1'},
                                                                 {4, '2'},
                                                                 {5, '3'},
                                                                 {27, '4'},
                                                                 {36, '5'},
                                                                 {45, '6'},
                                                                 {55, '4'},
                                                                 {64, '5'},
                                                                 {73, '6'},
                                                                 {11, '7'},
                                                                 {20, '8'}})
    contraddizione[c] = v;
  for (const std::string& schema : {contraddizione, std::string(kIncoerente)}) {
    Partita p;
    Gioco& g = *p;
    Verifica(g, schema);
    EXPECT_EQ(Lavagna(g), (std::vector<std::string>{"- ERRORE NEL GIOCO ...",
                                                    "  ... anomalie nei dati di partenza,",
                                                    "  verificarli e ricaricarli."}))
        << schema;
    EXPECT_EQ(g.f.SemaLab.caption(), "ERR");
    EXPECT_EQ(g.partita.NumErrori, 1);
    EXPECT_EQ(g.verifica.ValutazioneTesto, "??");
    EXPECT_FALSE(g.f.mSoluz.enabled());
    EXPECT_FALSE(g.ricerca.InRisoluzione);
    EXPECT_FALSE(g.verifica.InTentativo);
    EXPECT_TRUE(p.platform.messages().empty());
  }
}

TEST(Verifica, AnUnsolvableSchemaShowsTheFailureBoxAndResets) {
  // An empty grid: no method and no single trial can complete it.
  Partita p;
  Gioco& g = *p;
  DatiIniziali(g, "");
  const EsitoVerifica esito = Gioca_Click(g);
  EXPECT_EQ(esito.tipo, EsitoVerifica::Tipo::Fallita);
  // Every one of the 729 candidates was tried.
  EXPECT_EQ(esito.tentativi, 730);
  const auto msg = p.platform.takeMessages();
  ASSERT_EQ(msg.size(), 1u);
  EXPECT_EQ(msg[0].text,
            "La Verifica non riuscita: se si era richiesta la\n"
            "creazione a programma, fare una nuova richiesta,\n"
            "se, invece, lo Schema è stato preso da un'altra\n"
            "fonte, controllare i Valori digitati.");
  EXPECT_EQ(msg[0].buttons, MsgButtons::Ok);
  EXPECT_TRUE(g.creazione.CreazioneFallita);
  // "Azzera Tutto" ran.
  EXPECT_FALSE(g.partita.InGioco);
  EXPECT_EQ(Lavagna(g).size(), 3u);
  EXPECT_EQ(Lavagna(g)[0], "- Clic su 'Dati Iniziali' per costruire");
  EXPECT_FALSE(g.f.caN[0].visible());
  EXPECT_TRUE(g.f.DatIniz.enabled());
}

TEST(Verifica, ASecondVerificationListsItsOwnMovesAndRecordsTheMovesAsGivens) {
  Partita p;
  Gioco& g = *p;
  Verifica(g, kFacile);
  const std::vector<std::string> prime = g.verifica.ElencoMosse;
  g.f.mNuoVal.onClick();
  EXPECT_EQ(g.verifica.ElencoMosse, prime);
  EXPECT_EQ(g.verifica.NumMosse, static_cast<int>(prime.size()));

  // A move of the player (the right 4 in Aa) is recorded with the givens.
  ImpostaValore(g, 0, '4', Origine::Blu);
  ++g.griglia.Riempite;
  g.f.mNuoVal.onClick();
  EXPECT_EQ(g.registro.RigheDati[0], "4 3 2 6  ");
  EXPECT_EQ(g.verifica.NumMosse, static_cast<int>(prime.size()) - 1);
  EXPECT_EQ(g.griglia.Orig[0], Origine::Blu);
  EXPECT_EQ(g.f.caN[0].foreColor(), kBluMossa);
  EXPECT_EQ(Lavagna(g).back(), "- usa i tasti qui sotto per i consigli.");
  EXPECT_EQ(MosseErrate(g, kFacileSoluzione), std::vector<std::string>{});
}

TEST(Verifica, ShortReportAfterADeletionAndHeadingOfAReloadedGame) {
  {
    Partita p;
    Gioco& g = *p;
    Verifica(g, kFacile);
    const int mosse = g.verifica.NumMosse;
    g.verifica.InCancellazione = true;
    VerificaSolvibilita(g);
    EXPECT_EQ(Lavagna(g), (std::vector<std::string>{"DOPO CANCELLAZIONE",
                                                    "- ho 49 consigli, per risolverlo,"}));
    EXPECT_EQ(g.verifica.NumMosse, mosse);
    EXPECT_TRUE(g.f.Cons1.enabled());
    EXPECT_TRUE(g.f.mValuta.enabled());
  }
  {
    Partita p;
    Gioco& g = *p;
    for (int r = 0; r < 9; ++r) {
      g.registro.RigheDati[r] = std::string(kFacile + 9 * r, 9);
      std::replace(g.registro.RigheDati[r].begin(), g.registro.RigheDati[r].end(), '.', ' ');
    }
    g.registro.RigheUsate = 9;
    RipristinaFlash(g);
    g.registro.Ricaricato = true;
    DatiIniziali(g, "");
    g.f.Gioca.onClick();
    EXPECT_EQ(Lavagna(g)[0], "GIOCO RICARICATO E VERIFICATO");
    EXPECT_EQ(SoluzioneRegistrata(g), kFacileSoluzione);
  }
}

TEST(Verifica, CreationRunsSilentlyAndReportsFailureOnlyThroughTheFlag) {
  {
    Partita p;
    Gioco& g = *p;
    g.creazione.InCreazione = true;
    g.creazione.NumModello = 3;
    g.creazione.Simmetria = 1;
    Verifica(g, kFacile);
    EXPECT_EQ(Lavagna(g), std::vector<std::string>{"CREAZIONE IN CORSO - M.3/S.1"});
    EXPECT_FALSE(g.f.caN[0].visible());
    EXPECT_EQ(g.verifica.ValutazioneTesto, " Facile");
    EXPECT_FALSE(g.creazione.CreazioneFallita);
  }
  {
    Partita p;
    Gioco& g = *p;
    g.creazione.InCreazione = true;
    Verifica(g, "");
    EXPECT_TRUE(g.creazione.CreazioneFallita);
    EXPECT_EQ(g.verifica.Tentativi, 0);
    EXPECT_TRUE(p.platform.messages().empty());
    EXPECT_EQ(Lavagna(g), std::vector<std::string>{"CREAZIONE IN CORSO - M.0/S.0"});
  }
}

// A platform whose event pump lets a click through, as a real window would.
class PiattaformaConEventi : public ScriptedPlatform {
 public:
  std::function<void()> evento;
  void processEvents() override {
    ScriptedPlatform::processEvents();
    if (evento) evento();
  }
};

TEST(Verifica, ClicksLetThroughDuringARunNeitherStartASecondRunNorReset) {
  PiattaformaConEventi piattaforma;
  Gioco g(piattaforma);
  CollegaEventi(g);
  Form_Load(g);
  int eventi = 0;
  piattaforma.evento = [&] {
    ++eventi;
    const auto prima = Lavagna(g);
    const int mosse = g.verifica.NumMosse;
    g.f.Gioca.onClick();
    g.f.mNuoVal.onClick();
    g.f.mValuta.onClick();
    g.f.Azzera.onClick();
    g.f.mAzzer.onClick();
    EXPECT_EQ(Lavagna(g), prima);
    EXPECT_EQ(g.verifica.NumMosse, mosse);
  };
  Verifica(g, kFacile);
  EXPECT_GT(eventi, 0);
  EXPECT_EQ(g.verifica.NumMosse, 49);
  EXPECT_EQ(Lavagna(g).back(), "- usa i tasti qui sotto per i consigli.");
  EXPECT_FALSE(g.Occupato);
}

}  // namespace
}  // namespace orv
