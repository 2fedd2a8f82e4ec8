// Whole verification runs over the public collections: a run that reports success must have
// found the puzzle's unique solution and replayed only moves that agree with it; a run that
// fails must end with the failure box, never with a solution.
//
// Every puzzle is verified twice: once as the program plays, where the techniques read the masks
// beside the candidate texts, and once with the techniques made to read the texts themselves
// (OpzioniTecniche::SoloTesti). Both runs must leave the same moves, the same blackboard and the
// same solution: the text paths are what a restored record with texts outside the program's
// form meets, and only these runs exercise them on real positions.
#include <gtest/gtest.h>

#include <array>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "fixture.h"
#include "verifica_aiuto.h"
#include "verification/verifica.h"

namespace orv {
namespace {

using test::Partita;
using test::verifica::Collezione;
using test::verifica::ContaSoluzioni;
using test::verifica::DatiIniziali;
using test::verifica::MosseErrate;
using test::verifica::SoluzioneRegistrata;

struct Conteggio {
  int schemi = 0;
  int verificati = 0;
  int conTentativi = 0;
};

bool FiniscePer(const std::string& s, const std::string& fine) {
  return s.size() >= fine.size() && s.compare(s.size() - fine.size(), fine.size(), fine) == 0;
}

// What one verification run leaves for the player and for the rating.
struct Corsa {
  EsitoVerifica::Tipo tipo = EsitoVerifica::Tipo::Fallita;
  int tentativi = 0;
  std::optional<int> consigli;
  std::vector<std::string> messaggi;
  std::vector<std::string> lavagna;
  std::vector<std::string> mosse;
  std::array<std::string, kCelle> soluzione, soluzioneTentativi;
  std::array<int, kRigheUsoMetodi> usoMetodi{};
  std::string valutazione;
  std::array<char, kCelle> valori{};
  std::array<std::string, kCelle> candidati;
};

Corsa Verifica(Partita& p, const std::string& schema) {
  Gioco& g = *p;
  DatiIniziali(g, schema);
  const EsitoVerifica esito = Gioca_Click(g);
  Corsa r;
  r.tipo = esito.tipo;
  r.tentativi = esito.tentativi;
  r.consigli = esito.consigli;
  for (const ShownMessage& m : p.platform.takeMessages()) r.messaggi.push_back(m.text);
  r.lavagna = g.f.ListCons.items();
  r.mosse = g.verifica.ElencoMosse;
  r.soluzione = g.verifica.Soluzione;
  r.soluzioneTentativi = g.verifica.SoluzioneTentativi;
  r.usoMetodi = g.verifica.UsoMetodiConta;
  r.valutazione = g.verifica.ValutazioneTesto;
  r.valori = g.griglia.Cifra.valori();
  r.candidati = g.griglia.Can.testi();
  return r;
}

// The run read from the texts gives what the run read from the masks gave.
void StessaCorsa(const Corsa& maschere, const Corsa& testi) {
  EXPECT_EQ(testi.tipo, maschere.tipo);
  EXPECT_EQ(testi.tentativi, maschere.tentativi);
  EXPECT_EQ(testi.consigli, maschere.consigli);
  EXPECT_EQ(testi.messaggi, maschere.messaggi);
  EXPECT_EQ(testi.lavagna, maschere.lavagna);
  EXPECT_EQ(testi.mosse, maschere.mosse);
  EXPECT_EQ(testi.soluzione, maschere.soluzione);
  EXPECT_EQ(testi.soluzioneTentativi, maschere.soluzioneTentativi);
  EXPECT_EQ(testi.usoMetodi, maschere.usoMetodi);
  EXPECT_EQ(testi.valutazione, maschere.valutazione);
  EXPECT_EQ(testi.valori, maschere.valori);
  EXPECT_EQ(testi.candidati, maschere.candidati);
}

void VerificaSchema(const std::string& schema, Conteggio& n) {
  ContaSoluzioni r(schema);
  EXPECT_EQ(r.Conta(), 1);
  const std::string& giusta = r.Soluzione();

  Partita p, pt;
  Gioco& g = *p;
  pt->tecniche.SoloTesti = true;
  const Corsa corsa = Verifica(p, schema);
  StessaCorsa(corsa, Verifica(pt, schema));
  // A failed run resets the window; the switch is meant for every game.
  EXPECT_TRUE(pt->tecniche.SoloTesti);

  if (corsa.tipo != EsitoVerifica::Tipo::Riuscita) {
    EXPECT_EQ(corsa.tipo, EsitoVerifica::Tipo::Fallita);
    ASSERT_EQ(corsa.messaggi.size(), 1u);
    EXPECT_EQ(corsa.messaggi[0].substr(0, 26), "La Verifica non riuscita: ");
    EXPECT_FALSE(g.partita.InGioco);
    EXPECT_TRUE(g.verifica.Soluzione[0].empty());
    return;
  }
  ++n.verificati;
  EXPECT_TRUE(corsa.messaggi.empty());
  EXPECT_EQ(SoluzioneRegistrata(g), giusta);
  EXPECT_EQ(MosseErrate(g, giusta), std::vector<std::string>{});

  const std::string tempo = g.f.ListCons.item(1);
  if (g.verifica.Tentativi == 0) {
    EXPECT_TRUE(FiniscePer(tempo, " sec.)")) << tempo;
    return;
  }
  ++n.conTentativi;
  EXPECT_TRUE(
      FiniscePer(tempo, g.verifica.Tentativi == 1
                            ? " con 1 Tentativo)"
                            : " con " + std::to_string(g.verifica.Tentativi) + " Tentativi)"))
      << tempo;
  // One trial per row up to the one that solved; every trial marked failed was a wrong guess.
  EXPECT_EQ(g.verifica.Tentativi, g.verifica.IndiceTentativo);
  const VoceTentativo& buona = g.verifica.ElencoTentativi[g.verifica.IndiceTentativo];
  ASSERT_TRUE(CellaValida(buona.Casella));
  EXPECT_EQ(buona.Cifra, giusta[buona.Casella]);
  for (int i = 1; i < g.verifica.IndiceTentativo; ++i) {
    const VoceTentativo& v = g.verifica.ElencoTentativi[i];
    if (v.Casella != kNessunaCella) continue;
    ASSERT_TRUE(CellaValida(v.CasellaFallita)) << "riga " << i;
    EXPECT_NE(v.Cifra, giusta[v.CasellaFallita]) << "riga " << i;
  }
  for (int c = 0; c < kCelle; ++c) {
    if (g.verifica.Soluzione[c] != " ") {
      EXPECT_EQ(g.verifica.Soluzione[c], std::string(1, giusta[c])) << c;
    }
  }
}

struct Raccolta {
  const char* nome;
  // Every puzzle verifies; otherwise some need more than the methods and one-level trials
  // give, and those runs must fail cleanly.
  bool tuttiVerificati;
};

void PrintTo(const Raccolta& k, std::ostream* os) {
  *os << k.nome;
}

class VerificaCollezioni : public ::testing::TestWithParam<Raccolta> {};

TEST_P(VerificaCollezioni, OgniSchemaSiVerificaUgualeDalleMaschereEDaiTesti) {
  const Raccolta& k = GetParam();
  Conteggio n;
  for (const std::string& schema : Collezione(k.nome)) {
    SCOPED_TRACE(std::string(k.nome) + " " + schema);
    ++n.schemi;
    VerificaSchema(schema, n);
  }
  std::cout << "[          ] " << k.nome << ": " << n.verificati << "/" << n.schemi
            << " verificati, " << n.conTentativi << " con Tentativi\n";
  EXPECT_GT(n.schemi, 0);
  if (k.tuttiVerificati) {
    EXPECT_EQ(n.verificati, n.schemi);
  } else {
    RecordProperty(k.nome, std::to_string(n.verificati) + "/" + std::to_string(n.schemi));
  }
}

std::string NomeRaccolta(const ::testing::TestParamInfo<Raccolta>& info) {
  const std::string nome = info.param.nome;
  return nome.substr(0, nome.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Raccolte, VerificaCollezioni,
                         ::testing::Values(Raccolta{"qqwing400.txt", true},
                                           Raccolta{"easy50.txt", true},
                                           Raccolta{"top95.txt", false},
                                           Raccolta{"hardest.txt", false}),
                         NomeRaccolta);

}  // namespace
}  // namespace orv
