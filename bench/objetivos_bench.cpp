// Time of the energy targets (problem table) on random problems.
#include <benchmark/benchmark.h>

#include "bench/problemas.h"

namespace {

using bench::Aleatorio;
using bench::Tipo;

void Objetivos(benchmark::State& state, Tipo tipo) {
  const int n = static_cast<int>(state.range(0));
  vardo::CDiagrama d = Aleatorio(n, tipo);
  for (auto _ : state) {
    d.CalcularObjetivos();
    benchmark::DoNotOptimize(d.m_tPinch);
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(n);
  state.counters["intervalos"] = d.m_numIntervalos;
}

void BM_CalcularObjetivos(benchmark::State& state) { Objetivos(state, Tipo::Enteras); }
void BM_CalcularObjetivosLatentes(benchmark::State& state) { Objetivos(state, Tipo::Latentes); }
void BM_CalcularObjetivosContinuas(benchmark::State& state) { Objetivos(state, Tipo::Continuas); }

}  // namespace

BENCHMARK(BM_CalcularObjetivos)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK(BM_CalcularObjetivosLatentes)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK(BM_CalcularObjetivosContinuas)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
