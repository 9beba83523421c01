// Time of the total-cost chart over DT min (100 points: the operating,
// capital and total series) on random problems, 64 streams among the sizes.
#include <benchmark/benchmark.h>

#include "app/core/charts/grafica.h"
#include "app/core/charts/graficas.h"
#include "bench/problemas.h"

namespace {

using bench::Tipo;

void CosteTotalDTMin(benchmark::State& state, Tipo tipo) {
  const int n = static_cast<int>(state.range(0));
  vardo::CDiagrama d = bench::Aleatorio(n, tipo);
  vardo::CGrafica g;
  for (auto _ : state) {
    vardo::GraficaCosteTotalDTMin(d, g, 1.0, 30.0, 100);
    benchmark::DoNotOptimize(g.NumPuntos());
  }
  state.SetComplexityN(n);
}

void Tamanos(benchmark::internal::Benchmark* b) {
  b->Arg(64);
  bench::Tamanos(b);
}

}  // namespace

BENCHMARK_CAPTURE(CosteTotalDTMin, continuas, Tipo::Continuas)
    ->Apply(Tamanos)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK_CAPTURE(CosteTotalDTMin, enteras, Tipo::Enteras)
    ->Apply(Tamanos)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
