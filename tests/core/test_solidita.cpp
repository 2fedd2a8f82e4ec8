// Whole collections played with the move search alone: every move it proposes must agree with
// the puzzle's unique solution.
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <map>
#include <vector>

#include "fixture.h"
#include "risolutore.h"
#include "techniques/tecniche.h"

namespace orv {
namespace {

std::vector<std::string> Schemi(const char* nome) {
  std::ifstream in(std::string(ORVENTO_DATA_DIR) + "/" + nome);
  std::vector<std::string> schemi;
  for (std::string riga; std::getline(in, riga);)
    if (riga.size() >= 81) schemi.push_back(riga.substr(0, 81));
  return schemi;
}

struct Esito {
  int schemi = 0, risolti = 0, mosse = 0;
  std::map<std::string, int> codici;
};

// Plays one schema with CercaMossa (standard order, view "Nessuno") until it finds nothing.
// Every found move is checked against the solution before it is played.
void GiocaSchema(Gioco& g, const std::string& schema, Esito& esito) {
  SCOPED_TRACE(schema);
  test::ContaSoluzioni r(schema);
  ASSERT_EQ(r.Conta(2), 1) << "lo schema deve avere una sola soluzione";
  const std::string& sol = r.Soluzione();
  test::CaricaGriglia(g, schema);
  test::VistaNessuno(g);
  for (;;) {
    g.ricerca.Mossa.CodiceMetodo.clear();
    g.ricerca.Mossa.CasellaMossa.reset();
    CercaMossa(g);
    if (!g.ricerca.Trovata) break;
    const MossaTrovata& m = g.ricerca.Mossa;
    ++esito.mosse;
    ++esito.codici[m.CodiceMetodo];
    ASSERT_TRUE(m.CasellaMossa && CellaValida(*m.CasellaMossa)) << m.CodiceMetodo;
    const int c = *m.CasellaMossa;
    ASSERT_FALSE(g.HaValore(c)) << m.CodiceMetodo << " su una casella con valore " << c;
    const std::string_view valore = Trim(m.ValoreMossa);
    if (valore.size() == 1) {
      ASSERT_EQ(valore[0], sol[c]) << m.CodiceMetodo << " casella " << c;
      ImpostaValore(g, c, valore[0], Origine::Blu);
      ++g.griglia.Riempite;
      ControlloErrori(g, c, valore[0]);
      ASSERT_TRUE(g.verifica.NessunErrore) << m.CodiceMetodo << " casella " << c;
    } else {
      ASSERT_TRUE(HaCandidato(valore, sol[c]))
          << m.CodiceMetodo << " toglie " << sol[c] << " da " << c << ": " << m.ValoreMossa;
      // A move must have an effect, or the search would propose it for ever.
      ASSERT_LT(valore.size(), Trim(g.griglia.Can[c]).size()) << m.CodiceMetodo << " casella " << c;
      g.griglia.Can.set(c, m.ValoreMossa);
    }
  }
  if (g.griglia.Riempite == kCelle) ++esito.risolti;
}

Esito Gioca(const char* nome) {
  Esito esito;
  test::Partita p;
  for (const std::string& schema : Schemi(nome)) {
    ++esito.schemi;
    GiocaSchema(*p, schema, esito);
  }
  return esito;
}

void Stampa(const char* nome, const Esito& e) {
  std::cout << nome << ": " << e.risolti << "/" << e.schemi << " risolti, " << e.mosse << " mosse;";
  for (const auto& [codice, n] : e.codici) std::cout << ' ' << codice << '=' << n;
  std::cout << '\n';
}

TEST(Solidita, EveryMoveAgreesWithTheSolution) {
  for (const char* nome : {"qqwing400.txt", "easy50.txt"}) {
    SCOPED_TRACE(nome);
    const Esito e = Gioca(nome);
    EXPECT_EQ(e.schemi, std::string(nome) == "easy50.txt" ? 50 : 400);
    Stampa(nome, e);
  }
}

// How far the techniques alone get on hard puzzles: a figure to read, not a rule.
// Run with --gtest_also_run_disabled_tests --gtest_filter='*Top95*'.
TEST(Solidita, DISABLED_Top95) {
  for (const char* nome : {"top95.txt", "hardest.txt"}) Stampa(nome, Gioca(nome));
}

}  // namespace
}  // namespace orv
