// Time of the energy targets (the problem table) on random problems: the same
// model recalculated, and a model built fresh for every iteration (copied
// from the problem outside the timing), whose lists are all new. Before
// anything is timed, the tables of a 10,000-stream problem with ends anywhere
// and of a 1,000-stream one in whole kelvin are checked: the energy balance
// (QC - QH = hot heat - cold heat) and QH, QC and the pinch of the plain
// interval-by-interval method, to 1e-9 relative. For scale, OrdenarFronteras
// times a plain comparison sort of the shifted boundaries of the same
// problems (the points on the shifted scale, falling).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "bench/problemas.h"

namespace {

using bench::Aleatorio;
using bench::Tipo;
namespace referencia = vardo::referencia;

bool Comprobar(int n, Tipo tipo) {
  vardo::CDiagrama d = Aleatorio(n, tipo);
  d.CalcularObjetivos();
  const referencia::Pool p = referencia::Proceso(d);
  double calientes = 0.0, frias = 0.0;
  for (const vardo::CCorriente* c : p)
    (c->m_fria ? frias : calientes) += std::fabs(c->GetH(vardo::kTSentinel, 1));
  const double qh = d.m_cascada.front(), qc = d.m_cascada.back();
  const referencia::Tabla r = referencia::ResolverTabla(p, d.m_dtMin);
  const bool ok = referencia::Cerca(qc - qh, calientes - frias, 1e-9) &&
                  referencia::Cerca(qh, r.C.front(), 1e-9) &&
                  referencia::Cerca(qc, r.C.back(), 1e-9) && d.m_tPinch == r.pinch;
  std::fprintf(stderr,
               "check %d streams (%s ends): QC-QH %.10g, hot-cold %.10g; QH %.10g (plain "
               "%.10g), QC %.10g (plain %.10g), pinch %.10g (plain %.10g): %s\n",
               n,
               tipo == Tipo::Enteras       ? "whole-kelvin"
               : tipo == Tipo::Especiales  ? "latent, steps"
               : tipo == Tipo::Alternas    ? "alternating"
                                           : "arbitrary",
               qc - qh, calientes - frias,
               qh, r.C.front(), qc, r.C.back(), d.m_tPinch, r.pinch, ok ? "ok" : "WRONG");
  return ok;
}

bool Comprobado() {
  static const bool ok = Comprobar(10000, Tipo::Continuas) && Comprobar(1000, Tipo::Enteras) &&
                         Comprobar(1000, Tipo::Especiales) && Comprobar(10000, Tipo::Alternas);
  return ok;
}

void Objetivos(benchmark::State& state, Tipo tipo) {
  if (!Comprobado()) {
    state.SkipWithError("the problem table differs from the plain method");
    return;
  }
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

// The targets of a model built just before: a copy of the problem made, and
// the previous one destroyed, outside the timing.
void ObjetivosModeloNuevo(benchmark::State& state, Tipo tipo) {
  if (!Comprobado()) {
    state.SkipWithError("the problem table differs from the plain method");
    return;
  }
  const int n = static_cast<int>(state.range(0));
  const vardo::CDiagrama base = Aleatorio(n, tipo);
  std::optional<vardo::CDiagrama> d;
  for (auto _ : state) {
    state.PauseTiming();
    d.reset();
    d.emplace(base);
    state.ResumeTiming();
    d->CalcularObjetivos();
    benchmark::DoNotOptimize(d->m_tPinch);
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(n);
  state.counters["intervalos"] = d ? d->m_numIntervalos : 0;
}

// A comparison sort of the shifted points of the problem, falling, on a
// fresh copy of the list each time.
void OrdenarFronteras(benchmark::State& state, Tipo tipo) {
  const int n = static_cast<int>(state.range(0));
  const vardo::CDiagrama d = Aleatorio(n, tipo);
  std::vector<double> base;
  for (const vardo::CCorriente& c : d.m_corrientes)
    for (double t : c.m_T) base.push_back(vardo::TemperaturaDesplazada(c, t, d.m_dtMin));
  std::vector<double> v;
  for (auto _ : state) {
    state.PauseTiming();
    v = base;
    state.ResumeTiming();
    std::sort(v.begin(), v.end(), std::greater<>());
    benchmark::DoNotOptimize(v.data());
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(n);
  state.counters["fronteras"] = static_cast<double>(base.size());
}

// The sizes the growth of the energy targets is judged at.
void Grandes(benchmark::internal::Benchmark* b) {
  for (int n : {1000, 10000, 100000}) b->Arg(n);
}

}  // namespace

BENCHMARK_CAPTURE(ObjetivosModeloNuevo, alternas, Tipo::Alternas)
    ->Apply(Grandes)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK_CAPTURE(OrdenarFronteras, alternas, Tipo::Alternas)
    ->Apply(Grandes)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK_CAPTURE(ObjetivosModeloNuevo, continuas, Tipo::Continuas)
    ->Apply(bench::Tamanos)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK_CAPTURE(Objetivos, continuas, Tipo::Continuas)
    ->Apply(bench::Tamanos)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK_CAPTURE(Objetivos, enteras, Tipo::Enteras)
    ->Apply(bench::Tamanos)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK_CAPTURE(Objetivos, especiales, Tipo::Especiales)
    ->Apply(bench::Tamanos)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
