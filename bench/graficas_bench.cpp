// Time of the total-cost chart over DT min (100 points) on random problems:
// every point runs the energy, unit, area and cost targets.
#include <benchmark/benchmark.h>

#include "app/core/grafica.h"
#include "app/core/graficas.h"
#include "bench/problemas.h"

namespace {

void BM_GraficaCosteTotalDTMin(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  vardo::CDiagrama d = bench::Aleatorio(n, bench::Tipo::Continuas);
  vardo::CGrafica g;
  for (auto _ : state) {
    vardo::GraficaCosteTotalDTMin(d, g, 1.0, 30.0, 100);
    benchmark::DoNotOptimize(g.NumPuntos());
  }
  state.SetComplexityN(n);
}

}  // namespace

BENCHMARK(BM_GraficaCosteTotalDTMin)
    ->Arg(10)->Arg(30)->Arg(100)->Arg(300)->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Complexity();
