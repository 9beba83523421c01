// Time of the minimum area and of the capital cost target on random
// problems. Both build each side's composite once and walk between them;
// the capital cost adds the units and, where a cost law differs from the
// reference one, a second walk. Before timing, both are checked on
// 1,000-stream problems against the plain piece-by-piece walk.
//
// The Alternando cases time the two in turn, as when the user moves between
// the area and the cost dialogs or a sweep computes both: each call runs on a
// model built just before it, outside the timing, with its energy targets
// computed, and the area of one model follows the capital cost of another of
// the same size. One case times the area calls, the other the cost calls;
// solo_area leaves the cost calls out.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <optional>

#include "bench/problemas.h"
#include "model/objetivos_area.h"
#include "model/objetivos_coste.h"

namespace {

using bench::Aleatorio;
using bench::Tipo;
namespace referencia = vardo::referencia;

bool Comprobar(Tipo tipo, const char* nombre) {
  vardo::CDiagrama d = Aleatorio(1000, tipo);
  vardo::CalcularNMinCambiadores(d, 1);  // fixes the generic utilities
  const double a = vardo::CalcularAreaMinima(d, 1), ar = referencia::Area(d, 1);
  const double c = vardo::CosteInmovilizado(d, 1), cr = referencia::CosteInmovilizado(d, 1);
  const bool bien = referencia::Cerca(a, ar, 1e-9) && referencia::Cerca(c, cr, 1e-9);
  std::fprintf(stderr,
               "check 1000 streams (%s): area %.10g (plain %.10g), capital cost %.10g (plain "
               "%.10g): %s\n",
               nombre, a, ar, c, cr, bien ? "ok" : "WRONG");
  return bien;
}

bool Comprobado() {
  static const bool ok =
      Comprobar(Tipo::Continuas, "ends anywhere") && Comprobar(Tipo::Alternas, "alternating");
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

// Which calls are timed; SoloArea leaves the cost calls out, for comparison.
enum class Cronometrado { Area, Coste, SoloArea };

void Alternando(benchmark::State& state, Cronometrado cual) {
  if (!Comprobado()) {
    state.SkipWithError("the target differs from the plain walk");
    return;
  }
  using Reloj = std::chrono::steady_clock;
  const int n = static_cast<int>(state.range(0));
  const vardo::CDiagrama base[2] = {Aleatorio(n, Tipo::Alternas, 0),
                                    Aleatorio(n, Tipo::Alternas, 1)};
  std::optional<vardo::CDiagrama> d;
  // A model built just before, with its energy targets, outside the timing.
  auto nuevo = [&](const vardo::CDiagrama& b) -> vardo::CDiagrama& {
    d.reset();
    d.emplace(b);
    d->CalcularObjetivos();
    return *d;
  };
  unsigned k = 0;
  for (auto _ : state) {
    vardo::CDiagrama& a = nuevo(base[k % 2]);
    const Reloj::time_point t0 = Reloj::now();
    benchmark::DoNotOptimize(vardo::CalcularAreaMinima(a, 1));
    const Reloj::time_point t1 = Reloj::now();
    Reloj::duration coste{};
    if (cual != Cronometrado::SoloArea) {
      vardo::CDiagrama& c = nuevo(base[(k + 1) % 2]);
      const Reloj::time_point t2 = Reloj::now();
      benchmark::DoNotOptimize(vardo::CosteInmovilizado(c, 1));
      coste = Reloj::now() - t2;
    }
    ++k;
    state.SetIterationTime(
        std::chrono::duration<double>(cual == Cronometrado::Coste ? coste : t1 - t0).count());
  }
  state.SetComplexityN(n);
}

}  // namespace

BENCHMARK_CAPTURE(Alternando, area, Cronometrado::Area)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Alternando, coste, Cronometrado::Coste)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Alternando, solo_area, Cronometrado::SoloArea)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
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
