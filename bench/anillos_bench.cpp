// Time of the loop and path search, as the user runs it: node matrix,
// spanning forest, every loop of the graph in order, conversion to
// exchangers and the found-loop records. Families:
//   Escalera/n    a ladder of n rungs (3n - 2 exchangers on 2n streams):
//                 n(n - 1)/2 loops; n = 14 is 40 exchangers. The fit is
//                 against the size of the output (nodes of all loops found);
//   Red/E         random networks of E exchangers on E/2 streams, one in
//                 eight a heater or a cooler. From 40 exchangers on they hold
//                 more loops than a search lists, and the search stops at
//                 the limit with the first ones;
//   Paralelos/k   k exchangers between one hot and one cold stream:
//                 k(k - 1)/2 loops of two exchangers.
// Each family checks its loop count where it is known.
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

int Corriente(CDiagrama& d, bool fria) {
  if (fria) {
    d.m_corrientes.emplace_back(290.0, 480.0, 1.0, 1, 0);
  } else {
    d.m_corrientes.emplace_back(500.0, 300.0, 1.0, 0, 0);
  }
  return d.GetNumCorrientes() - 1;
}

// E exchangers on s hot and s cold streams; one in eight is a heater or a
// cooler.
CDiagrama Aleatoria(int E, int s, unsigned semilla) {
  std::mt19937 rng(semilla);
  CDiagrama d;
  for (int i = 0; i < s; ++i) Corriente(d, false);
  for (int i = 0; i < s; ++i) Corriente(d, true);
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

// Rails of streams A0 A1 ... and B0 B1 ..., hot and cold alternating along
// each rail and across; rungs Ai-Bi and rail exchangers between neighbours.
CDiagrama Escalera(int n) {
  CDiagrama d;
  std::vector<int> a, b;
  for (int i = 0; i < n; ++i) {
    a.push_back(Corriente(d, i % 2 != 0));
    b.push_back(Corriente(d, i % 2 == 0));
  }
  auto unir = [&d](int x, int y) {
    if (d.m_corrientes[static_cast<std::size_t>(x)].m_fria) std::swap(x, y);
    Anadir(d, x, y);
  };
  for (std::size_t i = 0; i < a.size(); ++i) {
    unir(a[i], b[i]);
    if (i + 1 < a.size()) {
      unir(a[i], a[i + 1]);
      unir(b[i], b[i + 1]);
    }
  }
  return d;
}

CDiagrama Paralelos(int k) {
  CDiagrama d;
  const int h = Corriente(d, false), c = Corriente(d, true);
  for (int i = 0; i < k; ++i) Anadir(d, h, c);
  return d;
}

// Runs the search on d from scratch once per iteration; fills the counters.
// With esperados >= 0 the loop count is checked.
void Buscar(benchmark::State& state, CDiagrama d, std::int64_t esperados) {
  vardo::RecordingUiPort ui;
  std::int32_t encontrados = 0;
  for (auto _ : state) {
    d.m_grafoConstruido = 0;
    d.m_lazoEnCurso.Vaciar();
    ui.Clear();
    encontrados = vardo::BuscarAnillos(d, ui);
    benchmark::DoNotOptimize(encontrados);
  }
  if (esperados >= 0 && encontrados != esperados) {
    state.SkipWithError("wrong number of loops");
    return;
  }
  std::int64_t nodos = 0;
  for (const auto& l : d.m_lazos) nodos += static_cast<std::int64_t>(l.nodos.size());
  state.SetComplexityN(nodos);
  state.counters["anillos"] = encontrados;
  state.counters["cuerdas"] = static_cast<double>(d.m_arbol.cuerdas.size());
  state.counters["cortada"] = d.m_arbol.finBusqueda == vardo::FinBusqueda::Limite ? 1 : 0;
}

void BM_Escalera(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Buscar(state, Escalera(n), n * (n - 1) / 2);
}
BENCHMARK(BM_Escalera)->Arg(8)->Arg(14)->Arg(28)->Arg(56)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_Red(benchmark::State& state) {
  const int E = static_cast<int>(state.range(0));
  // Red/25 is a network of 3372 loops.
  Buscar(state, Aleatoria(E, std::max(2, E / 4), 17u * static_cast<unsigned>(E)), E == 25 ? 3372 : -1);
}
BENCHMARK(BM_Red)->Arg(25)->Arg(40)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

void BM_Paralelos(benchmark::State& state) {
  const int k = static_cast<int>(state.range(0));
  Buscar(state, Paralelos(k), k * (k - 1) / 2);
}
BENCHMARK(BM_Paralelos)->Arg(40)->Unit(benchmark::kMillisecond);

}  // namespace
