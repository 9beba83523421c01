// Time of the energy targets (problem table) on random problems.
#include <benchmark/benchmark.h>

#include <random>

#include "model/diagrama.h"

namespace {

enum class Tipo { Enteras, Latentes, Continuas };

// n streams, hot or cold, between 280 K and 600 K, m·cp 0.5..10 kW/K.
// Enteras: ends in whole kelvin, so many coincide and the duplicate rule has
// work to do (the number of intervals stays below ~330). Latentes: the same
// with one stream in four latent at one of 20 temperatures. Continuas: ends
// anywhere, so there are about 2n intervals, each stream spanning a third of
// them on average.
vardo::CDiagrama Aleatorio(int n, Tipo tipo) {
  const bool latentes = tipo == Tipo::Latentes;
  std::mt19937 rng(static_cast<unsigned>(n) * 7919u + static_cast<unsigned>(tipo));
  std::uniform_int_distribution<int> temp(280, 600);
  std::uniform_real_distribution<double> tempContinua(280.0, 600.0);
  std::uniform_int_distribution<int> pocas(0, 19);
  std::uniform_real_distribution<double> mcp(0.5, 10.0);
  vardo::CDiagrama d;
  d.SetDTMin(10);
  for (int i = 0; i < n; ++i) {
    if (latentes && i % 4 == 0) {
      const double T = 300.0 + 15.0 * pocas(rng);
      d.AddCorriente(T, T, 100.0 * mcp(rng), static_cast<int>(rng() & 1u), 1);
      continue;
    }
    double a, b;
    if (tipo == Tipo::Continuas) {
      a = tempContinua(rng);
      b = tempContinua(rng);
    } else {
      a = temp(rng);
      b = temp(rng);
    }
    if (a == b) b += 1.0;
    d.AddCorriente(a, b, mcp(rng), b > a ? 1 : 0, 0);
  }
  return d;
}

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
