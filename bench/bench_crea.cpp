// The time of one "Crea un Sudoku nuovo" in the core: a started window, then the command, each
// iteration from a seed of its own so that the median covers many templates and symmetries.
#include <benchmark/benchmark.h>

#include "creation/crea.h"
#include "toolkit/scripted_platform.h"
#include "ui/finestra.h"

namespace {

void BM_CreaUnSudokuNuovo(benchmark::State& state) {
  std::uint64_t seme = 1;
  for (auto _ : state) {
    state.PauseTiming();
    orv::ScriptedPlatform piattaforma(seme++);
    orv::Gioco g(piattaforma);
    orv::CollegaEventi(g);
    orv::Form_Load(g);
    state.ResumeTiming();
    orv::mCrea_click(g);
    benchmark::DoNotOptimize(g.griglia.Riempite);
  }
}
BENCHMARK(BM_CreaUnSudokuNuovo)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
