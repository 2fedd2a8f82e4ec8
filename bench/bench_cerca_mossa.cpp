// The cost of the move search on real positions: the positions met while playing collection
// puzzles with the search alone, once with the whole method list in its start-up order and once
// per method on its own.
//
//   bench_cerca_mossa [--benchmark_filter=...]
//
// Every timed iteration loads the next position into the game and runs CercaMossa; "Carica"
// times the load alone, to be taken off the other figures.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "model/candidati.h"
#include "model/celle.h"
#include "techniques/catalogo.h"
#include "techniques/tecniche.h"
#include "toolkit/scripted_platform.h"
#include "ui/finestra.h"

namespace orv {
namespace {

struct Posizione {
  std::array<char, kCelle> cifra;
  std::array<std::string, kCelle> can;
};

struct Partita {
  ScriptedPlatform platform;
  std::unique_ptr<Gioco> g = std::make_unique<Gioco>(platform);
  Partita() {
    CollegaEventi(*g);
    Form_Load(*g);
  }
};

void Carica(Gioco& g, const Posizione& p) {
  g.griglia.Cifra = p.cifra;
  g.griglia.Can = p.can;
}

void CaricaSchema(Gioco& g, const std::string& s) {
  g.griglia.Riempite = 0;
  for (int c = 0; c < kCelle; ++c) {
    if (s[c] >= '1' && s[c] <= '9') {
      ImpostaValore(g, c, s[c], Origine::Nera);
      ++g.griglia.Riempite;
    } else {
      SvuotaCella(g, c);
    }
  }
  RicalcoloCandidati(g);
  g.f.Sugge0.setValue(true);  // the replay's view: no candidates shown
}

// Plays every puzzle of the collection with the search in start-up order and keeps one position
// in `passo` of those met before each search.
std::vector<Posizione> Posizioni(const char* nome, int passo) {
  std::vector<Posizione> pos;
  Partita p;
  Gioco& g = *p.g;
  std::ifstream in(std::string(ORVENTO_DATA_DIR) + "/" + nome);
  int n = 0;
  for (std::string riga; std::getline(in, riga);) {
    if (riga.size() < 81) continue;
    CaricaSchema(g, riga);
    for (;;) {
      if (n++ % passo == 0) pos.push_back({g.griglia.Cifra.valori(), g.griglia.Can.testi()});
      CercaMossa(g);
      if (!g.ricerca.Trovata || !g.ricerca.Mossa.CasellaMossa) break;
      const int c = *g.ricerca.Mossa.CasellaMossa;
      const std::string_view v = Trim(g.ricerca.Mossa.ValoreMossa);
      if (v.size() == 1) {
        ImpostaValore(g, c, v[0], Origine::Blu);
        ++g.griglia.Riempite;
        ControlloErrori(g, c, v[0]);
      } else {
        g.griglia.Can.set(c, g.ricerca.Mossa.ValoreMossa);
      }
    }
  }
  return pos;
}

const std::vector<Posizione>& Raccolta(int i) {
  static const std::vector<Posizione> qqwing = Posizioni("qqwing400.txt", 10);
  static const std::vector<Posizione> top95 = Posizioni("top95.txt", 2);
  return i == 0 ? qqwing : top95;
}

const char* NomeRaccolta(int i) {
  return i == 0 ? "qqwing400" : "top95";
}

// chiave empty: the whole start-up list.
void Misura(benchmark::State& state, const std::string& chiave) {
  const std::vector<Posizione>& pos = Raccolta(static_cast<int>(state.range(0)));
  Partita p;
  Gioco& g = *p.g;
  g.f.Sugge0.setValue(true);
  if (!chiave.empty()) {
    g.tabelle.Priorita[1] = std::string(VoceMetodo(*MetodoDellaChiave(chiave)));
    for (int i = 2; i < kVociPriorita; ++i) g.tabelle.Priorita[i] = "  ";
  }
  std::size_t i = 0;
  std::int64_t trovate = 0;
  for (auto _ : state) {
    Carica(g, pos[i]);
    CercaMossa(g);
    trovate += g.ricerca.Trovata;
    if (++i == pos.size()) i = 0;
  }
  state.SetLabel(NomeRaccolta(static_cast<int>(state.range(0))));
  state.counters["trovate%"] = benchmark::Counter(100.0 * static_cast<double>(trovate) /
                                                  static_cast<double>(state.iterations()));
  state.counters["posizioni"] = static_cast<double>(pos.size());
}

void Carica_(benchmark::State& state) {
  const std::vector<Posizione>& pos = Raccolta(static_cast<int>(state.range(0)));
  Partita p;
  Gioco& g = *p.g;
  std::size_t i = 0;
  for (auto _ : state) {
    Carica(g, pos[i]);
    benchmark::DoNotOptimize(g.griglia.Can[0].data());
    if (++i == pos.size()) i = 0;
  }
  state.SetLabel(NomeRaccolta(static_cast<int>(state.range(0))));
}

bool Registra() {
  benchmark::RegisterBenchmark("Carica", Carica_)->Arg(0)->Arg(1);
  benchmark::RegisterBenchmark("CercaMossa/tutti", Misura, std::string())->Arg(0)->Arg(1);
  for (const Metodo& m : Catalogo()) {
    std::string nome = "CercaMossa/" + std::string(m.chiave) + " " + std::string(NomeMetodo(m));
    benchmark::RegisterBenchmark(nome.c_str(), Misura, std::string(m.chiave))->Arg(0)->Arg(1);
  }
  return true;
}

const bool registrati = Registra();

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
