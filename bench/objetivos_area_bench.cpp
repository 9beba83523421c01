// Time of the minimum area and of the capital cost target on random
// problems. Both build each side's composite once and walk between them;
// the capital cost adds the units and, where a cost law differs from the
// reference one, a second walk. Before timing, both are checked on a
// 1,000-stream problem against the plain piece-by-piece walk.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/problemas.h"
#include "model/objetivos_area.h"
#include "model/objetivos_coste.h"

namespace {

using bench::Aleatorio;
using bench::Tipo;
namespace referencia = vardo::referencia;

bool Comprobado() {
  static const bool ok = [] {
    vardo::CDiagrama d = Aleatorio(1000, Tipo::Continuas);
    vardo::CalcularNMinCambiadores(d, 1);  // fixes the generic utilities
    const double a = vardo::CalcularAreaMinima(d, 1), ar = referencia::Area(d, 1);
    const double c = vardo::CosteInmovilizado(d, 1), cr = referencia::CosteInmovilizado(d, 1);
    const bool bien = referencia::Cerca(a, ar, 1e-9) && referencia::Cerca(c, cr, 1e-9);
    std::fprintf(stderr,
                 "check 1000 streams: area %.10g (plain %.10g), capital cost %.10g (plain "
                 "%.10g): %s\n",
                 a, ar, c, cr, bien ? "ok" : "WRONG");
    return bien;
  }();
  return ok;
}

template <class Objetivo>
void Medir(benchmark::State& state, Tipo tipo, Objetivo objetivo) {
  if (!Comprobado()) {
    state.SkipWithError("the target differs from the plain walk");
    return;
  }
  const int n = static_cast<int>(state.range(0));
  vardo::CDiagrama d = Aleatorio(n, tipo);
  for (auto _ : state) benchmark::DoNotOptimize(objetivo(d));
  state.SetComplexityN(n);
}

double Area(vardo::CDiagrama& d) { return vardo::CalcularAreaMinima(d, 1); }
double Coste(vardo::CDiagrama& d) { return vardo::CosteInmovilizado(d, 1); }

void AreaMinima(benchmark::State& state, Tipo tipo) { Medir(state, tipo, Area); }
void CosteInmovilizado(benchmark::State& state, Tipo tipo) { Medir(state, tipo, Coste); }

}  // namespace

BENCHMARK_CAPTURE(AreaMinima, continuas, Tipo::Continuas)
    ->Apply(bench::Tamanos)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK_CAPTURE(AreaMinima, enteras, Tipo::Enteras)
    ->Apply(bench::Tamanos)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK_CAPTURE(CosteInmovilizado, continuas, Tipo::Continuas)
    ->Apply(bench::Tamanos)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK_CAPTURE(CosteInmovilizado, enteras, Tipo::Enteras)
    ->Apply(bench::Tamanos)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
