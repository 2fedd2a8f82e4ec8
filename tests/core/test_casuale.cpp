#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>

#include "cli/casuale.h"
#include "cli/cli.h"
#include "cli/sessione.h"
#include "creation/crea.h"
#include "model/celle.h"
#include "risolutore.h"
#include "ui/finestra.h"
#include "verification/verifica.h"

namespace orv {
namespace {

constexpr std::string_view kFacile =
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";

// The first check of the table that reports, "" when every one holds.
std::string PrimoGuasto(Gioco& g, const DopoEvento& e) {
  for (const Invariante& i : Invarianti())
    if (!i.controlla(g, e).empty()) return std::string(i.nome);
  return {};
}

int PrimaVuota(const Gioco& g) {
  for (int c = 0; c < kCelle; ++c)
    if (!g.HaValore(c)) return c;
  return -1;
}

int PrimaPiena(const Gioco& g) {
  for (int c = 0; c < kCelle; ++c)
    if (g.HaValore(c)) return c;
  return -1;
}

// A digit placed as play places it: value, count and label together.
void Piazza(Gioco& g, int c, char v) {
  ImpostaValore(g, c, v, Origine::Blu);
  g.griglia.Riempite = g.griglia.Cifra.piene();
  g.f.Fatti.setCaption(std::to_string(g.griglia.Riempite));
}

char CifraSbagliata(const Gioco& g, int c) {
  const char giusta = Trim(GrigliaSoluzione(g)[c])[0];
  return giusta == '9' ? '1' : static_cast<char>(giusta + 1);
}

struct Caso {
  const char* descrizione;
  std::function<void(Gioco&)> cambia;
  // The check that must report first; "" when the model must pass them all.
  const char* atteso;
  // How the event went, for the checks that read it.
  bool irraggiungibile = false;
  bool ignorato = false;
  bool nonDisponibile = false;
};

// Each case starts from a verified game on the driver, changes the model as a fault would (or as
// the program may), and runs the checks with the model as it was before the change.
TEST(Invarianti, EachCheckCatchesItsFaultAndAcceptsWhatTheProgramDoes) {
  const std::vector<Caso> casi = {
      {"a verified game", [](Gioco&) {}, ""},
      {"Riempite counts one too many", [](Gioco& g) { ++g.griglia.Riempite; }, "Riempite"},
      {"a given taken away without counting", [](Gioco& g) { SvuotaCella(g, PrimaPiena(g)); },
       "Riempite"},
      {"Fatti left behind", [](Gioco& g) { g.f.Fatti.setCaption("0"); }, "Fatti"},
      {"digits not ascending", [](Gioco& g) { g.griglia.Can.set(PrimaVuota(g), " 31 "); },
       "candidati"},
      {"a digit twice", [](Gioco& g) { g.griglia.Can.set(PrimaVuota(g), " 33 "); }, "candidati"},
      {"no closing blank", [](Gioco& g) { g.griglia.Can.set(PrimaVuota(g), " 13"); }, "candidati"},
      {"not a digit", [](Gioco& g) { g.griglia.Can.set(PrimaVuota(g), " 1a "); }, "candidati"},
      {"a zero", [](Gioco& g) { g.griglia.Can.set(PrimaVuota(g), " 04 "); }, "candidati"},
      {"no candidate and no error shown", [](Gioco& g) { g.griglia.Can.set(PrimaVuota(g), "  "); },
       "candidati"},
      {"no candidate while the error is shown",
       [](Gioco& g) {
         g.griglia.Can.set(PrimaVuota(g), "  ");
         g.f.SemaLab.setCaption("ERR");
       },
       ""},
      {"candidates not computed", [](Gioco& g) { g.griglia.Can.set(PrimaVuota(g), ""); }, ""},
      {"all nine", [](Gioco& g) { g.griglia.Can.set(PrimaVuota(g), " 123456789 "); }, ""},
      {"candidates on a cell with a value",
       [](Gioco& g) { g.griglia.Can.set(PrimaPiena(g), " 5 "); }, "candidati"},
      {"nothing on a cell with a value", [](Gioco& g) { g.griglia.Can.set(PrimaPiena(g), ""); },
       "candidati"},
      {"a cell label beyond the grid", [](Gioco& g) { g.f.caN.load(kCelle); }, "caselle 0..80"},
      {"a tenth correction box", [](Gioco& g) { g.f.cM.load(9); }, "caselle 0..80"},
      {"nine correction boxes", [](Gioco& g) { g.f.cM.load(8); }, ""},
      {"a tenth trial option", [](Gioco& g) { g.f.cv1.load(9); }, "caselle 0..80"},
      {"an eleventh grid line", [](Gioco& g) { g.f.liO.load(10); }, "caselle 0..80"},
      {"the cursor past the last cell", [](Gioco& g) { g.partita.Cursore = kCelle; },
       "caselle 0..80"},
      {"the cursor before the first", [](Gioco& g) { g.partita.Cursore = -1; }, "caselle 0..80"},
      {"the cursor on the last cell", [](Gioco& g) { g.partita.Cursore = kCelle - 1; }, ""},
      {"no cell signalled", [](Gioco& g) { g.partita.CellaSegnalata = kNessunaCella; }, ""},
      {"a signalled cell off the grid", [](Gioco& g) { g.partita.CellaSegnalata = 81; },
       "caselle 0..80"},
      {"a move off the grid", [](Gioco& g) { g.ricerca.Mossa.CasellaMossa = 81; }, "caselle 0..80"},
      {"a move in zone 27", [](Gioco& g) { g.ricerca.Mossa.ZonaMossa = kZone; }, "caselle 0..80"},
      {"a trial off the grid",
       [](Gioco& g) {
         g.verifica.NumVociTentativi = 1;
         g.verifica.ElencoTentativi[1] = {81, '1', -1};
       },
       "caselle 0..80"},
      {"a failed trial, as the run marks it",
       [](Gioco& g) {
         g.verifica.NumVociTentativi = 1;
         g.verifica.ElencoTentativi[1] = {kNessunaCella, '1', 40};
       },
       ""},
      {"an exact move that is not the solution's",
       [](Gioco& g) {
         const int c = PrimaVuota(g);
         Piazza(g, c, CifraSbagliata(g, c));
         g.f.ListCons.addItem("- MOSSA ESATTA in " + NomeCasella(c) + ".");
       },
       "mossa esatta"},
      {"an exact move that is the solution's",
       [](Gioco& g) {
         const int c = PrimaVuota(g);
         Piazza(g, c, Trim(GrigliaSoluzione(g)[c])[0]);
         g.f.ListCons.addItem("- MOSSA ESATTA in " + NomeCasella(c) + ".");
       },
       ""},
      {"an exact digit then rejected: no cell changes",
       [](Gioco& g) { g.f.ListCons.addItem("- MOSSA ESATTA in Aa."); }, ""},
      {"a wrong digit without the exact line",
       [](Gioco& g) {
         const int c = PrimaVuota(g);
         Piazza(g, c, CifraSbagliata(g, c));
       },
       ""},
      {"an ignored event that enables a button", [](Gioco& g) { g.f.Gioca.setEnabled(true); },
       "evento senza effetto", true, true},
      {"an ignored event that writes on the blackboard",
       [](Gioco& g) { g.f.ListCons.addItem("x"); }, "evento senza effetto", true, true},
      {"an ignored event that changes a candidate",
       [](Gioco& g) {
         g.griglia.Can.togli(PrimaVuota(g), g.griglia.Can.ridotto(PrimaVuota(g))[0]);
       },
       "evento senza effetto", true, true},
      {"an ignored event that loads a trial option", [](Gioco& g) { g.f.cv1.load(1); },
       "evento senza effetto", true, true},
      {"an ignored event that changes nothing", [](Gioco&) {}, "", true, true},
      {"an event on an unreachable control that the driver let through", [](Gioco&) {},
       "evento senza effetto", true, false},
      {"an event ignored on a reachable control", [](Gioco&) {}, "evento senza effetto", false,
       true},
      {"a behaviour not built yet that beeps", [](Gioco& g) { g.platform.beep(); },
       "evento senza effetto", false, false, true},
      {"an ignored event that moves the priorities",
       [](Gioco& g) { std::swap(g.tabelle.Priorita[1], g.tabelle.Priorita[2]); },
       "evento senza effetto", true, true},
      {"an ignored event that moves the cursor", [](Gioco& g) { g.partita.Cursore = 5; },
       "evento senza effetto", true, true},
      {"a behaviour not built yet that places a value",
       [](Gioco& g) { Piazza(g, PrimaVuota(g), '5'); }, "evento senza effetto", false, false, true},
      {"a behaviour not built yet that changes a view option",
       [](Gioco& g) { g.f.Sugge1.setValue(true); }, "evento senza effetto", false, false, true},
      {"a behaviour not built yet that changes nothing", [](Gioco&) {}, "", false, false, true},
      {"the busy guard left on", [](Gioco& g) { g.Occupato = true; }, "lavoro finito"},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.descrizione);
    std::ostringstream out, err;
    Sessione s(out, err, 1);
    ASSERT_EQ(s.Riga("schema " + std::string(kFacile)), kSessioneOk);
    ASSERT_EQ(s.Riga("clic Gioca"), kSessioneOk);
    Gioco& g = s.gioco();
    // As the run takes it: the whole model only before an event on an unreachable control.
    const Istantanea prima = Istantanea::Di(g, caso.irraggiungibile);
    caso.cambia(g);
    DopoEvento e;
    e.prima = &prima;
    e.irraggiungibile = caso.irraggiungibile;
    e.ignorato = caso.ignorato;
    e.nonDisponibile = caso.nonDisponibile;
    EXPECT_EQ(PrimoGuasto(g, e), caso.atteso);
  }
}

// A created game keeps its solution's digits as givens and its symmetry, until a reset.
TEST(Invarianti, ACreatedGameKeepsItsSolutionAndItsSymmetry) {
  struct CasoCreato {
    const char* descrizione;
    std::function<void(Gioco&)> cambia;
    const char* atteso;
  };
  auto soluzione = [](const Gioco& g, int c) {
    return g.creazione.Modelli[g.creazione.NumModello][c / 9][c % 9];
  };
  const std::vector<CasoCreato> casi = {
      {"as created", [](Gioco&) {}, ""},
      {"a given that is not the solution's",
       [&](Gioco& g) {
         const int c = PrimaPiena(g);
         ImpostaValore(g, c, soluzione(g, c) == '9' ? '1' : soluzione(g, c) + 1, Origine::Nera);
       },
       "schema creato"},
      {"a given whose partner is empty",
       [&](Gioco& g) {
         int c = 0;
         while (g.HaValore(c) || Partner(c, g.creazione.Simmetria) == c) ++c;
         Piazza(g, c, soluzione(g, c));
         g.griglia.Orig[c] = Origine::Nera;
       },
       "schema creato"},
      {"the reset ends the created game", [](Gioco& g) { g.f.Azzera.onClick(); }, ""},
  };
  for (const CasoCreato& caso : casi) {
    SCOPED_TRACE(caso.descrizione);
    std::ostringstream out, err;
    Sessione s(out, err, 3);
    ASSERT_EQ(s.Riga("clic mCrea"), kSessioneOk);
    Gioco& g = s.gioco();
    ASSERT_TRUE(g.partita.SchemaCreato);
    const Istantanea prima = Istantanea::Di(g, false);
    caso.cambia(g);
    DopoEvento e;
    e.prima = &prima;
    EXPECT_EQ(PrimoGuasto(g, e), caso.atteso);
  }
}

// After the reset the grid is empty and no candidate was computed: the checks hold there too.
TEST(Invarianti, HoldOnTheWindowAfterTheReset) {
  std::ostringstream out, err;
  Sessione s(out, err, 1);
  const Istantanea prima = Istantanea::Di(s.gioco(), true);
  DopoEvento e;
  e.prima = &prima;
  EXPECT_EQ(PrimoGuasto(s.gioco(), e), "");
}

// Everything that can tell two windows apart, as the driver shows it.
std::string Fotografia(Sessione& s) {
  Gioco& g = s.gioco();
  std::string t;
  for (int c = 0; c < kCelle; ++c) t += DescriviCasella(g, c) + "|" + g.griglia.Can[c] + "\n";
  s.nomi().perOgni([&t](Control& c) {
    t += DescriviControllo(c) + "\n";
    if (c.kind() == Kind::PictureBox)
      for (const std::string& l : static_cast<PictureBox&>(c).lines()) t += "> " + l + "\n";
  });
  for (const std::string& l : g.f.ListCons.items()) t += "| " + l + "\n";
  t += "Riempite " + std::to_string(g.griglia.Riempite) + "\n";
  return t;
}

// The session file of a run, played by a plain session with the same seed, gives the same window:
// the file printed for a failure replays it, and the events kept as comments changed nothing. The
// file written as the run goes is the same file.
TEST(SessioneCasuale, ItsSessionFileReplaysTheRunExactly) {
  for (std::uint64_t seme : {3u, 11u, 2026u}) {
    SCOPED_TRACE(seme);
    SessioneCasuale casuale(seme);
    std::stringstream registro;
    casuale.Registra(registro);
    ASSERT_TRUE(casuale.Gioca(3000)) << casuale.guasto();
    EXPECT_TRUE(registro.str() == casuale.FileSessione());
    std::istringstream file(casuale.FileSessione());
    std::ostringstream out, err;
    Sessione replica(out, err, seme);
    ASSERT_EQ(replica.Esegui(file), kSessioneOk) << err.str();
    EXPECT_TRUE(Fotografia(replica) == Fotografia(casuale.sessione()));
    EXPECT_TRUE(replica.gioco().verifica == casuale.sessione().gioco().verifica);
    EXPECT_EQ(replica.ignorati(), casuale.ignorati());
  }
}

// The run draws its names from the driver's table: every control there, and every command of the
// session language, comes up in a run of some thousands of events.
TEST(SessioneCasuale, DrawsEveryControlOfTheDriversTableAndEveryCommand) {
  SessioneCasuale casuale(5);
  ASSERT_TRUE(casuale.Gioca(10000)) << casuale.guasto();
  const std::string commento = "# non ancora disponibile: ";
  std::set<std::string> comandi, nomi;
  for (std::string riga : casuale.righe()) {
    if (riga.starts_with(commento)) riga.erase(0, commento.size());
    std::istringstream parole(riga);
    std::string comando, nome;
    parole >> comando >> nome;
    comandi.insert(comando);
    nomi.insert(nome);
    nomi.insert(nome.substr(0, nome.find('(')));
  }
  for (const char* c : {"clic", "premi", "rilascia", "casella", "tasto", "scrivi", "scegli",
                        "spunta", "risposta", "file", "timer", "mostra", "schema"})
    EXPECT_TRUE(comandi.count(c)) << c;
  std::ostringstream out, err;
  Sessione fresca(out, err, 1);
  fresca.nomi().perOgni([&nomi](Control& c) { EXPECT_TRUE(nomi.count(c.name())) << c.name(); });
  EXPECT_GT(casuale.ignorati(), 0);
  EXPECT_GT(casuale.nonDisponibili(), 0);
  EXPECT_GT(casuale.schemi(), 1);
}

// The schemas are puzzles with one solution each, and between them the verification solves with
// the methods alone, needs trials, and gives up.
TEST(SessioneCasuale, SchemasAreValidPuzzlesThatCoverEveryOutcomeOfTheVerification) {
  std::set<std::string> esiti;
  for (std::string_view schema : SchemiCasuali()) {
    SCOPED_TRACE(schema);
    EXPECT_EQ(MotivoSchemaNonValido(schema), "");
    EXPECT_EQ(test::ContaSoluzioni(schema).Conta(), 1);
    std::ostringstream out, err;
    Sessione s(out, err, 1);
    ASSERT_EQ(s.Riga("schema " + std::string(schema)), kSessioneOk);
    const EsitoVerifica esito = Gioca_Click(s.gioco());
    if (esito.tipo == EsitoVerifica::Tipo::Fallita)
      esiti.insert("fallita");
    else if (esito.tipo == EsitoVerifica::Tipo::Riuscita)
      esiti.insert(esito.tentativi == 0 ? "metodi" : "tentativi");
    else
      esiti.insert("errore");
  }
  EXPECT_EQ(esiti, (std::set<std::string>{"fallita", "metodi", "tentativi"}));
}

int Cli(std::vector<std::string> args) {
  args.insert(args.begin(), "orvento-cli");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  return MainCli(static_cast<int>(argv.size()), argv.data());
}

// The options of the random session: a number of events, no session file beside it, and
// `--salva` only with it.
TEST(SessioneCasuale, CommandLineTakesOnlyWellFormedOptions) {
  struct Riga {
    std::vector<std::string> args;
    int stato;
  };
  const std::vector<Riga> righe = {
      {{"sessione", "--casuale", "40", "--seme", "3"}, 0},
      {{"sessione", "--seme", "3", "--casuale", "40"}, 0},
      {{"sessione", "--casuale", "0"}, 2},
      {{"sessione", "--casuale", "-5"}, 2},
      {{"sessione", "--casuale", "molti"}, 2},
      {{"sessione", "--casuale"}, 2},
      {{"sessione", "--casuale", "40", "sessione.ses"}, 2},
      {{"sessione", "--salva", "x.ses", "sessione.ses"}, 2},
      {{"sessione", "--casuale", "40", "--salva"}, 2},
  };
  for (const Riga& r : righe) {
    SCOPED_TRACE(testing::PrintToString(r.args));
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int stato = Cli(r.args);
    const std::string out = testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(stato, r.stato);
    if (stato == 0) {
      EXPECT_TRUE(out.starts_with("# sessione casuale, seme 3: 40 eventi,")) << out;
    }
  }
}

}  // namespace
}  // namespace orv
