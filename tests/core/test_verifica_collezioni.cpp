// Whole verification runs over the public collections: a run that reports success must have
// found the puzzle's unique solution and replayed only moves that agree with it; a run that
// fails must end with the failure box, never with a solution.
#include <gtest/gtest.h>

#include <iostream>

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

void VerificaSchema(const std::string& schema, Conteggio& n) {
  {
    ContaSoluzioni r(schema);
    EXPECT_EQ(r.Conta(), 1);
    const std::string& giusta = r.Soluzione();

    Partita p;
    Gioco& g = *p;
    DatiIniziali(g, schema);
    const EsitoVerifica esito = Gioca_Click(g);
    if (esito.tipo != EsitoVerifica::Tipo::Riuscita) {
      EXPECT_EQ(esito.tipo, EsitoVerifica::Tipo::Fallita);
      const auto msg = p.platform.takeMessages();
      ASSERT_EQ(msg.size(), 1u);
      EXPECT_EQ(msg[0].text.substr(0, 26), "La Verifica non riuscita: ");
      EXPECT_FALSE(g.partita.InGioco);
      EXPECT_TRUE(g.verifica.Soluzione[0].empty());
      return;
    }
    ++n.verificati;
    EXPECT_TRUE(p.platform.messages().empty());
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
}

Conteggio VerificaCollezione(const std::string& nome) {
  Conteggio n;
  for (const std::string& schema : Collezione(nome)) {
    SCOPED_TRACE(nome + " " + schema);
    ++n.schemi;
    VerificaSchema(schema, n);
  }
  std::cout << "[          ] " << nome << ": " << n.verificati << "/" << n.schemi << " verificati, "
            << n.conTentativi << " con Tentativi\n";
  return n;
}

TEST(VerificaCollezioni, EasyAndQqwingPuzzlesAllVerify) {
  for (const char* nome : {"easy50.txt", "qqwing400.txt"}) {
    const Conteggio n = VerificaCollezione(nome);
    EXPECT_GT(n.schemi, 0) << nome;
    EXPECT_EQ(n.verificati, n.schemi) << nome;
  }
}

TEST(VerificaCollezioni, HardPuzzlesVerifyOrFailCleanly) {
  for (const char* nome : {"top95.txt", "hardest.txt"}) {
    const Conteggio n = VerificaCollezione(nome);
    EXPECT_GT(n.schemi, 0) << nome;
    RecordProperty(nome, std::to_string(n.verificati) + "/" + std::to_string(n.schemi));
  }
}

}  // namespace
}  // namespace orv
