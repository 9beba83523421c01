// Time of the minimum area and the capital cost target on random problems.
// Both build their composite curves on local data; the capital cost runs the
// area once more with the cost-law factors.
#include <benchmark/benchmark.h>

#include "bench/problemas.h"
#include "model/objetivos_area.h"
#include "model/objetivos_coste.h"

namespace {

void BM_CalcularAreaMinima(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  vardo::CDiagrama d = bench::Aleatorio(n, bench::Tipo::Continuas);
  for (auto _ : state) benchmark::DoNotOptimize(vardo::CalcularAreaMinima(d, 1));
  state.SetComplexityN(n);
}

void BM_CosteInmovilizado(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  vardo::CDiagrama d = bench::Aleatorio(n, bench::Tipo::Continuas);
  for (auto _ : state) benchmark::DoNotOptimize(vardo::CosteInmovilizado(d, 1));
  state.SetComplexityN(n);
}

}  // namespace

BENCHMARK(BM_CalcularAreaMinima)->RangeMultiplier(10)->Range(10, 1000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_CosteInmovilizado)->RangeMultiplier(10)->Range(10, 1000)->Unit(benchmark::kMillisecond)->Complexity();
