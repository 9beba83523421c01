// Time of the loop and path search.
//
// The search combines every subset of the network's fundamental cycles, so
// its cost grows as 2^m with the number m of independent loops; the search
// refuses networks with more than kMaxCiclosFundamentales of them. Three
// families:
//   Red/E         random networks of E exchangers (5 to 40) on E/2 streams,
//                 with a few heaters and coolers; the counters give m, the
//                 loops found and whether the search was refused;
//   Ciclos/m      the search pipeline without the bound on random networks
//                 chosen to have exactly m independent loops, to see where
//                 the bound belongs;
//   Paralelos/k   k exchangers on one pair of streams (m = k - 1), the worst
//                 shape for the combination (every subset of three or more
//                 cycles is a union).
#include <benchmark/benchmark.h>

#include <random>

#include "model/anillos.h"
#include "model/arbol.h"
#include "model/constantes.h"
#include "model/diagrama.h"

namespace {

using vardo::CDiagrama;

void Anadir(CDiagrama& d, int caliente, int fria) {
  vardo::CCambiador c;
  c.ladoCaliente.ref = caliente;
  c.ladoFrio.ref = fria;
  d.m_cambiadores.push_back(c);
  const auto e = static_cast<std::uint32_t>(d.GetNumCambiadores() - 1);
  if (caliente >= 0) d.GetCorriente(caliente).m_cambiadores.push_back(e);
  if (fria >= 0) d.GetCorriente(fria).m_cambiadores.push_back(e);
}

// E exchangers on s hot and s cold streams; one in eight is a heater or a
// cooler.
CDiagrama Aleatoria(int E, int s, unsigned semilla) {
  std::mt19937 rng(semilla);
  CDiagrama d;
  for (int i = 0; i < s; ++i) d.m_corrientes.emplace_back(500.0, 300.0, 1.0, 0, 0);
  for (int i = 0; i < s; ++i) d.m_corrientes.emplace_back(290.0, 480.0, 1.0, 1, 0);
  std::uniform_int_distribution<int> cual(0, s - 1);
  for (int k = 0; k < E; ++k) {
    const int h = cual(rng), c = s + cual(rng);
    switch (rng() % 8) {
      case 0: Anadir(d, vardo::kRefGenerico, c); break;
      case 1: Anadir(d, h, vardo::kRefGenerico); break;
      default: Anadir(d, h, c); break;
    }
  }
  return d;
}

std::int32_t CiclosDe(const CDiagrama& d) {
  vardo::CArbol a;
  vardo::ConstruirMAN(d, a);
  a.ArbolMaximo();
  return static_cast<std::int32_t>(a.cuerdas.size());
}

void Red(benchmark::State& state) {
  const int E = static_cast<int>(state.range(0));
  const CDiagrama base = Aleatoria(E, std::max(2, E / 4), 17u * static_cast<unsigned>(E));
  vardo::RecordingUiPort ui;
  std::int32_t encontrados = 0;
  for (auto _ : state) {
    CDiagrama d = base;
    encontrados = vardo::BuscarAnillos(d, ui);
    benchmark::DoNotOptimize(encontrados);
  }
  state.counters["ciclos"] = CiclosDe(base);
  state.counters["anillos"] = encontrados;
  state.counters["rechazada"] = encontrados < 0 ? 1 : 0;
}
BENCHMARK(Red)->DenseRange(5, 40, 5)->Unit(benchmark::kMillisecond);

// The whole pipeline, bound left out.
std::size_t Buscar(vardo::CArbol a) {
  a.ArbolMaximo();
  a.CiclosFundamentales();
  a.CombinarCiclosFundamentales();
  a.FiltrarNodos();
  a.ConvertirACambiadores();
  a.QuitarDuplicados();
  return a.candidatos.size();
}

void Ciclos(benchmark::State& state) {
  const int m = static_cast<int>(state.range(0));
  // The first random network of 40 exchangers (on as many streams as it
  // takes) with exactly m independent loops.
  CDiagrama d;
  for (unsigned semilla = 1;; ++semilla) {
    const int s = 12 + static_cast<int>(semilla % 10);
    d = Aleatoria(40, s, semilla);
    if (CiclosDe(d) == m) break;
  }
  vardo::CArbol a;
  vardo::ConstruirMAN(d, a);
  std::size_t n = 0;
  for (auto _ : state) {
    n = Buscar(a);
    benchmark::DoNotOptimize(n);
  }
  state.counters["candidatos"] = static_cast<double>(n);
  state.counters["combinaciones"] = static_cast<double>(vardo::CArbol::Combinaciones(m));
}
BENCHMARK(Ciclos)->DenseRange(4, 18, 1)->Unit(benchmark::kMillisecond);

void Paralelos(benchmark::State& state) {
  const int k = static_cast<int>(state.range(0));
  CDiagrama d;
  d.m_corrientes.emplace_back(500.0, 300.0, 1.0, 0, 0);
  d.m_corrientes.emplace_back(290.0, 480.0, 1.0, 1, 0);
  for (int i = 0; i < k; ++i) Anadir(d, 0, 1);
  vardo::CArbol a;
  vardo::ConstruirMAN(d, a);
  std::size_t n = 0;
  for (auto _ : state) {
    n = Buscar(a);
    benchmark::DoNotOptimize(n);
  }
  state.counters["candidatos"] = static_cast<double>(n);
}
BENCHMARK(Paralelos)->DenseRange(5, 17, 2)->Unit(benchmark::kMillisecond);

}  // namespace
