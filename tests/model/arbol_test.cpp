#include "model/arbol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/anillos.h"
#include "model/constantes.h"
#include "model/diagrama.h"
#include "tests/comun/anillos_referencia.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

// A design built record by record; exchanger lists in the order given.
using Red = prueba::RedManual;

// Edges of a matrix other than the diagonal, as (from, to).
std::set<std::pair<int, int>> Aristas(const CArbol& a) {
  std::set<std::pair<int, int>> s;
  for (int r = 0; r < a.NumNodos(); ++r)
    for (int c = 0; c < a.NumNodos(); ++c)
      if (r != c && a.Arista(c, r)) s.insert({c, r});
  return s;
}

bool DiagonalLlena(const CArbol& a) {
  for (int i = 0; i < a.NumNodos(); ++i)
    if (!a.Arista(i, i)) return false;
  return true;
}

// ------------------------------------------------------------------ matrix

TEST(ConstruirMAN, TwoExchangersOnOnePairGiveOneFourNodeCycle) {
  Red r;
  const int H1 = r.Corriente(400, 300), C1 = r.Corriente(300, 380);
  r.Cambiador(H1, C1);
  r.Cambiador(H1, C1);
  CArbol a;
  ConstruirMAN(r.d, a);
  ASSERT_EQ(a.NumNodos(), 4);
  EXPECT_TRUE(DiagonalLlena(a));
  // Exchangers 0->1 and 2->3; H1 from exchanger 0 to 1 (0->2); C1 from the
  // second exchanger's cold end to the first's (3->1).
  EXPECT_EQ(Aristas(a), (std::set<std::pair<int, int>>{{0, 1}, {2, 3}, {0, 2}, {3, 1}}));
  EXPECT_EQ(a.nombres, (std::vector<std::string>{"1c", "1f", "2c", "2f"}));
  EXPECT_EQ(a.nodoEnlaceCaliente, kSinEnlace);  // no heater, no cooler: no link
  EXPECT_EQ(a.nodoEnlaceFrio, kSinEnlace);

  EXPECT_EQ(a.ArbolMaximo(), 4);
  ASSERT_EQ(a.cuerdas.size(), 1u);
  a.CiclosFundamentales();
  ASSERT_EQ(a.ciclos.size(), 1u);
  EXPECT_EQ(a.ciclos[0].size(), 4u);
  EXPECT_EQ(std::set<int>(a.ciclos[0].begin(), a.ciclos[0].end()), (std::set<int>{0, 1, 2, 3}));
}

TEST(ConstruirMAN, LabelsHeatersCoolersAndUtilityLink) {
  Red r;
  const int H1 = r.Corriente(400, 300), C1 = r.Corriente(300, 380);
  const int c = r.Cambiador(kRefGenerico, C1);           // heater
  const int f = r.Cambiador(H1, kRefGenerico);           // cooler
  r.Cambiador(H1, C1);                                   // process exchanger
  r.Cambiador(kRefGenerico, kRefGenerico);               // both sides unset: a heater
  r.Cambiador(kRefGenerico, C1);                         // second heater
  r.Cambiador(H1, kRefGenerico);                         // second cooler
  CArbol a;
  ConstruirMAN(r.d, a);
  EXPECT_EQ(a.nombres, (std::vector<std::string>{"c1c", "c1f", "r2c", "r2f", "3c", "3f", "c4c",
                                                 "c4f", "c5c", "c5f", "r6c", "r6f"}));
  // Heater chain 0 -> 3 -> 4 (hot ends), cooler chain 1 -> 3 -> 5 (cold ends).
  EXPECT_TRUE(a.Arista(2 * 0, 2 * 3));
  EXPECT_TRUE(a.Arista(2 * 3, 2 * 4));
  EXPECT_TRUE(a.Arista(2 * 1 + 1, 2 * 3 + 1));
  EXPECT_TRUE(a.Arista(2 * 3 + 1, 2 * 5 + 1));
  // The link runs from the first cooler's cold end to the first heater's hot end.
  EXPECT_TRUE(a.Arista(2 * f + 1, 2 * c));
  EXPECT_EQ(a.nodoEnlaceCaliente, 2 * c);
  EXPECT_EQ(a.nodoEnlaceFrio, 2 * f + 1);
}

TEST(ConstruirMAN, LabelsOfTheFirstExchanger) {
  struct Caso {
    int caliente, fria;
    const char *c, *f;
  };
  const Caso casos[] = {
      {kRefGenerico, 1, "c1c", "c1f"},             // heater
      {0, kRefGenerico, "r1c", "r1f"},             // cooler
      {0, 1, "1c", "1f"},                          // process exchanger
      {kRefGenerico, kRefGenerico, "c1c", "c1f"},  // both unset: heater labels
  };
  for (const Caso& k : casos) {
    Red r;
    r.Corriente(400, 300);
    r.Corriente(300, 380);
    r.Cambiador(k.caliente, k.fria);
    CArbol a;
    ConstruirMAN(r.d, a);
    EXPECT_EQ(a.nombres, (std::vector<std::string>{k.c, k.f}));
  }
}

TEST(ConstruirMAN, UtilitiesAmongThemselves) {
  Red r;
  const int H1 = r.Corriente(400, 300), C1 = r.Corriente(300, 380);
  const int vapor = r.Servicio(500, 499);  // hot utility
  const int agua = r.Servicio(290, 300);   // cold utility
  r.Servicio(600, 599);                    // hot utility without exchangers
  const int e0 = r.Cambiador(vapor, C1);
  const int e1 = r.Cambiador(H1, agua);
  const int e2 = r.Cambiador(vapor, C1);
  CArbol a;
  ConstruirMAN(r.d, a);
  // From the hot end of the steam's last exchanger to the cold end of the
  // water's first one; nothing from the idle utility.
  EXPECT_TRUE(a.Arista(2 * e2, 2 * e1 + 1));
  EXPECT_FALSE(a.Arista(2 * e0, 2 * e1 + 1));
  // The steam's list orders its own exchangers as a hot stream does.
  EXPECT_TRUE(a.Arista(2 * e0, 2 * e2));
  EXPECT_EQ(a.nodoEnlaceCaliente, kSinEnlace);
}

// A hot stream split into two branches, each with one exchanger to C1, with
// an exchanger before the split and one after.
struct RedBifurcada : Red {
  int in = 0, ramaP = 0, ramaD = 0, out = 0, C1 = 0;
  int eIn = 0, eP = 0, eD = 0, eOut = 0;
  RedBifurcada(bool ramaSinCambiadores = false) {
    in = Corriente(500, 450);
    ramaP = Corriente(450, 400);
    ramaD = Corriente(450, 400);
    out = Corriente(400, 300);
    C1 = Corriente(300, 480, 2.0);
    for (int s : {in, ramaP, ramaD, out}) d.m_corrientes[static_cast<std::size_t>(s)].m_split = 0;
    d.m_bifurcadas.push_back(prueba::UnaDivision(CCorriente(500, 300, 1.0, 0, 0), in, false));
    eIn = Cambiador(in, C1);
    eP = Cambiador(ramaP, C1);
    if (!ramaSinCambiadores) eD = Cambiador(ramaD, C1);
    eOut = Cambiador(out, C1);
  }
};

TEST(ConstruirMAN, SplitNodesJoinTheBranchesToTheChainsAround) {
  RedBifurcada r;
  CArbol a;
  ConstruirMAN(r.d, a);
  const int E = 4;
  ASSERT_EQ(a.NumNodos(), 2 * E + 2);
  const int g0 = 2 * E, g1 = g0 + 1;
  EXPECT_EQ(a.nombres[static_cast<std::size_t>(g0)], "5c");  // E + 2j + 1
  EXPECT_EQ(a.nombres[static_cast<std::size_t>(g1)], "6c");
  const auto e = Aristas(a);
  // Hot ends, in the direction of flow: incoming -> g0 -> each branch -> g1 -> outgoing.
  for (auto [x, y] : {std::pair{2 * r.eIn, g0}, {g0, 2 * r.eP}, {g0, 2 * r.eD}, {2 * r.eP, g1},
                      {2 * r.eD, g1}, {g1, 2 * r.eOut}}) {
    EXPECT_TRUE(e.count({x, y})) << x << " -> " << y;
  }
  EXPECT_FALSE(e.count({g0, g1}));
}

TEST(ConstruirMAN, BranchWithoutExchangersJoinsTheSplitNodesDirectly) {
  RedBifurcada r(/*ramaSinCambiadores=*/true);
  CArbol a;
  ConstruirMAN(r.d, a);
  const int g0 = 2 * r.d.GetNumCambiadores(), g1 = g0 + 1;
  EXPECT_TRUE(a.Arista(g0, g1));
}

TEST(ConstruirMAN, CyclicSplitReferencesEnd) {
  RedBifurcada r;
  CCuaterna n1 = r.d.m_bifurcadas[0].nodos[0];
  n1.refEntrada = -1;  // node 1 names itself as incoming and outgoing part
  n1.refSalida = -1;
  n1.refRamaPrincipal = -1;
  r.d.m_bifurcadas[0].nodos.push_back(n1);
  r.d.m_bifurcadas[0].nodos[0].refRamaDesplazada = -1;
  CArbol a;
  ConstruirMAN(r.d, a);  // must return
  EXPECT_EQ(a.NumNodos(), 2 * r.d.GetNumCambiadores() + 4);
}

TEST(ConstruirMANPerturbaciones, SymmetricAcrossExchangersDirectedAlongStreams) {
  Red r;
  const int H1 = r.Corriente(400, 300), C1 = r.Corriente(300, 380);
  const int c = r.Cambiador(kRefGenerico, C1);
  r.Cambiador(H1, C1);
  r.Cambiador(H1, kRefGenerico);
  CArbol a;
  a.nodoEnlaceCaliente = 7;  // left as it was
  ConstruirMANPerturbaciones(r.d, a);
  EXPECT_EQ(a.nodoEnlaceCaliente, 7);
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(a.Arista(2 * k, 2 * k + 1));
    EXPECT_TRUE(a.Arista(2 * k + 1, 2 * k));
  }
  EXPECT_TRUE(a.Arista(2, 4));    // H1: exchanger 1 -> 2
  EXPECT_FALSE(a.Arista(4, 2));
  EXPECT_TRUE(a.Arista(3, 1));    // C1: exchanger 1 -> exchanger 0 (cold ends)
  EXPECT_FALSE(a.Arista(1, 3));
  EXPECT_FALSE(a.Arista(5, 2 * c));  // no utility link
}

// ------------------------------------------------------------ spanning forest

CArbol Grafo(int n, std::initializer_list<std::pair<int, int>> aristas) {
  CArbol a;
  a.Dimensionar(n);
  for (int i = 0; i < n; ++i) a.SetArista(i, i);
  for (auto [x, y] : aristas) a.SetArista(x, y);
  return a;
}

TEST(ArbolMaximo, ComponentsTreeEdgesAndChords) {
  // Triangle 0-1-2, pair 3-4, node 5 alone.
  CArbol a = Grafo(6, {{0, 1}, {1, 2}, {2, 0}, {4, 3}});
  EXPECT_EQ(a.ArbolMaximo(), 6);
  EXPECT_EQ(a.componentes, (ListaSecuencias{{0, 1, 2}, {3, 4}, {5}}));
  ASSERT_EQ(a.aristas.size(), 3u);
  EXPECT_EQ(a.aristas[0], CConexion(1, 0));
  EXPECT_EQ(a.aristas[1], CConexion(2, 0));
  EXPECT_EQ(a.aristas[2], CConexion(4, 3));
  ASSERT_EQ(a.cuerdas.size(), 1u);
  EXPECT_TRUE(a.EsCuerda(1, 2));
  EXPECT_TRUE(a.EsCuerda(2, 1));
  EXPECT_EQ(a.TotalEnComponentes(), 6);
  EXPECT_EQ(a.EnComponente(5, 2), 1);
  EXPECT_EQ(a.EnComponente(5, 0), 0);
  EXPECT_EQ(a.EnComponente(4, -1), 1);

  a.CaminoARaiz(2);
  EXPECT_EQ(a.ruta, (std::vector<std::uint32_t>{2, 0}));
  a.CaminoARaiz(0);
  EXPECT_EQ(a.ruta, (std::vector<std::uint32_t>{0}));
  a.CiclosFundamentales();
  EXPECT_EQ(a.ciclos, (ListaSecuencias{{2, 0, 1}}));
}

TEST(ArbolMaximo, DamagedTreeEdgesDoNotLoop) {
  CArbol a;
  a.componentes = {{0, 1, 2}};
  a.aristas = {CConexion(1, 2), CConexion(2, 1)};
  a.CaminoARaiz(1);  // never reaches the root through the edges
  EXPECT_LE(a.ruta.size(), 4u);
  EXPECT_EQ(a.ruta.back(), 0u);
}

// -------------------------------------------------------------- loop search

// Networks whose loops are known.

Red Completa(int calientes, int frias) {
  Red r;
  prueba::UnirTodas(r, calientes, frias);
  return r;
}

// Streams in two rails A0 A1 ... and B0 B1 ..., hot and cold alternating
// along each rail and across: a rung exchanger Ai-Bi and rail exchangers
// Ai-Ai+1, Bi-Bi+1 (3n - 2 exchangers). Its loops are those of a ladder: one
// per pair of rungs.
Red Escalera(int peldanos) {
  Red r;
  std::vector<int> a, b;
  for (int i = 0; i < peldanos; ++i) {
    a.push_back(i % 2 ? r.Corriente(300, 380) : r.Corriente(400, 300));
    b.push_back(i % 2 ? r.Corriente(400, 300) : r.Corriente(300, 380));
  }
  auto unir = [&](int x, int y) {
    const bool xFria = r.d.m_corrientes[static_cast<std::size_t>(x)].m_fria != 0;
    r.Cambiador(xFria ? y : x, xFria ? x : y);
  };
  for (int i = 0; i < peldanos; ++i) {
    unir(a[static_cast<std::size_t>(i)], b[static_cast<std::size_t>(i)]);
    if (i + 1 < peldanos) {
      unir(a[static_cast<std::size_t>(i)], a[static_cast<std::size_t>(i) + 1]);
      unir(b[static_cast<std::size_t>(i)], b[static_cast<std::size_t>(i) + 1]);
    }
  }
  return r;
}

Red Paralelos(int n) {
  Red r;
  const int H1 = r.Corriente(400, 300), C1 = r.Corriente(300, 380);
  for (int i = 0; i < n; ++i) r.Cambiador(H1, C1);
  return r;
}

// E exchangers between s hot and s cold streams, chosen at random; with
// `servicios`, one in eight on a steam or a cooling-water utility as well as
// one in eight on the generic heater and cooler sides.
Red Aleatoria(int E, int s, unsigned semilla, bool servicios) {
  std::mt19937 rng(semilla);
  Red r;
  for (int i = 0; i < s; ++i) r.Corriente(500, 300);
  for (int i = 0; i < s; ++i) r.Corriente(290, 480);
  const int vapor = servicios ? r.Servicio(520, 519) : 0;
  const int agua = servicios ? r.Servicio(280, 290) : 0;
  std::uniform_int_distribution<int> cual(0, s - 1);
  for (int k = 0; k < E; ++k) {
    const int h = cual(rng), c = s + cual(rng);
    switch (rng() % 8) {
      case 0: r.Cambiador(kRefGenerico, c); break;
      case 1: r.Cambiador(h, kRefGenerico); break;
      case 2:
        if (servicios) {
          if (rng() % 2) {
            r.Cambiador(vapor, c);
          } else {
            r.Cambiador(h, agua);
          }
          break;
        }
        [[fallthrough]];
      default: r.Cambiador(h, c); break;
    }
  }
  return r;
}

// A hot stream split into two branches with two exchangers each, against
// two cold streams.
Red ConDivision() {
  Red r;
  const int in = r.Corriente(500, 450), p = r.Corriente(450, 400), q = r.Corriente(450, 400);
  const int out = r.Corriente(400, 300);
  const int C1 = r.Corriente(300, 480, 2.0), C2 = r.Corriente(290, 470);
  for (int s : {in, p, q, out}) r.d.m_corrientes[static_cast<std::size_t>(s)].m_split = 0;
  r.d.m_bifurcadas.push_back(prueba::UnaDivision(CCorriente(500, 300, 1.0, 0, 0), in, false));
  r.Cambiador(p, C1);
  r.Cambiador(q, C1);
  r.Cambiador(p, C2);
  r.Cambiador(q, C2);
  r.Cambiador(in, C2);
  r.Cambiador(out, C1);
  return r;
}

CArbol GrafoDe(const Red& r) {
  CArbol a;
  ConstruirMAN(r.d, a);
  a.ArbolMaximo();
  return a;
}

using Cadenas = std::vector<std::vector<std::int32_t>>;

Cadenas CadenasDe(const std::vector<prueba::AnilloReferencia>& l) {
  Cadenas c;
  for (const auto& x : l) c.push_back(x.cadena);
  return c;
}

TEST(BuscarAnillosYSendas, FindsEveryLoopInTheCombinationOrder) {
  struct Caso {
    const char* nombre;
    Red red;
    int esperados;  // counted by hand; -1: only the plain enumeration knows
  };
  const Caso casos[] = {
      {"two in parallel", Paralelos(2), 1},
      // 9 loops of two hot and two cold streams, 6 through all six streams.
      {"complete 3 x 3", Completa(3, 3), 15},
      {"complete 2 x 4", Completa(2, 4), 6},
      {"ladder of 4 rungs", Escalera(4), 6},
      {"ladder of 14 rungs, 40 exchangers", Escalera(14), 91},
      // Streams with four exchangers can be passed twice by one loop.
      {"complete 4 x 4", Completa(4, 4), -1},
      {"split stream", ConDivision(), -1},
      {"random, 25 exchangers", Aleatoria(25, 6, 425, false), -1},
      {"random, 25 exchangers and utilities", Aleatoria(25, 6, 7, true), -1},
      {"random, 30 exchangers and utilities", Aleatoria(30, 9, 11, true), -1},
      {"random, 18 exchangers", Aleatoria(18, 3, 5, false), -1},
  };
  for (const Caso& c : casos) {
    const CArbol base = GrafoDe(c.red);
    ASSERT_LE(base.cuerdas.size(), 18u) << c.nombre;  // keeps the plain way quick
    const Cadenas esperadas = CadenasDe(prueba::AnillosPorCombinacion(base, 64));
    CArbol a = base;
    EXPECT_EQ(a.BuscarAnillosYSendas(), FinBusqueda::Completa) << c.nombre;
    EXPECT_EQ(a.finBusqueda, FinBusqueda::Completa) << c.nombre;
    EXPECT_EQ(prueba::CadenasCanonicas(a.candidatos), esperadas) << c.nombre;
    if (c.esperados >= 0) {
      EXPECT_EQ(esperadas.size(), static_cast<std::size_t>(c.esperados)) << c.nombre;
    }
    ASSERT_FALSE(a.candidatos.empty()) << c.nombre;
    EXPECT_EQ(a.candidatos.back().size() + 1, a.candidatos.size()) << c.nombre;  // one flag each
  }
}

TEST(BuscarAnillosYSendas, LoopsAndPathsOfARandomNetworkOf25) {
  // The random network of 25 exchangers on which combining fundamental cycles
  // one merge at a time missed 38 long loops.
  CArbol a = GrafoDe(Aleatoria(25, 6, 425, false));
  ASSERT_EQ(a.BuscarAnillosYSendas(), FinBusqueda::Completa);
  EXPECT_EQ(a.candidatos.size(), 3372u + 1);
  const SecuenciaNodos& banderas = a.candidatos.back();
  // Paths run through the link between the generic heater and cooler sides.
  EXPECT_GT(std::count(banderas.begin(), banderas.end(), 1), 0);
  EXPECT_GT(std::count(banderas.begin(), banderas.end(), 0), 0);
}

TEST(CiclosDelGrafo, FundamentalCyclesComeFirstAsTheyAre) {
  for (Red r : {Completa(3, 3), Escalera(6)}) {
    CArbol a = GrafoDe(r);
    a.CiclosFundamentales();
    a.CiclosDelGrafo();
    ASSERT_GE(a.candidatos.size(), a.ciclos.size());
    EXPECT_EQ(ListaSecuencias(a.candidatos.begin(),
                              a.candidatos.begin() + static_cast<std::ptrdiff_t>(a.ciclos.size())),
              a.ciclos);
    // Every other cycle starts at the first end of its lowest chord and ends
    // at the other end, and is a closed walk along edges of the graph.
    for (const SecuenciaNodos& c : a.candidatos) {
      for (std::size_t i = 0; i < c.size(); ++i) EXPECT_TRUE(a.Unidos(c[i], c[(i + 1) % c.size()]));
      bool deCuerda = false;
      for (const CConexion& k : a.cuerdas) deCuerda = deCuerda || (k.primero == c.front() && k.segundo == c.back());
      EXPECT_TRUE(deCuerda);
    }
  }
}

TEST(BuscarAnillosYSendas, FortyParallelExchangersGiveEveryPair) {
  CArbol a = GrafoDe(Paralelos(40));
  ASSERT_EQ(a.BuscarAnillosYSendas(), FinBusqueda::Completa);
  std::set<std::set<std::int32_t>> pares;
  for (std::size_t k = 0; k + 1 < a.candidatos.size(); ++k) {
    const SecuenciaNodos& c = a.candidatos[k];
    EXPECT_EQ(c.size(), 2u);
    pares.insert(std::set<std::int32_t>(c.begin(), c.end()));
  }
  EXPECT_EQ(a.candidatos.size(), 780u + 1);
  EXPECT_EQ(pares.size(), 780u);
}

TEST(CiclosDelGrafo, StopsPastTheLimitWithTheFirstLoops) {
  const CArbol base = GrafoDe(Aleatoria(25, 6, 425, false));
  const auto todas = prueba::AnillosPorCombinacion(base, 64);
  ASSERT_EQ(todas.size(), 3372u);
  for (std::size_t maximo : {std::size_t{1}, std::size_t{14}, std::size_t{100}, std::size_t{1000},
                             std::size_t{3371}, std::size_t{3372}}) {
    CArbol a = base;
    ControlBusqueda control;
    control.maximo = maximo;
    const FinBusqueda fin = a.BuscarAnillosYSendas(control);
    const Cadenas obtenidas = prueba::CadenasCanonicas(a.candidatos);
    if (maximo == todas.size()) {
      EXPECT_EQ(fin, FinBusqueda::Completa);  // exactly as many is every one
      EXPECT_EQ(obtenidas, CadenasDe(todas));
    } else {
      EXPECT_EQ(fin, FinBusqueda::Limite) << maximo;
      prueba::ComprobarCorte(obtenidas, todas, maximo, "cut");
    }
  }
}

TEST(CiclosDelGrafo, OnlyLoopsThroughThePickedExchangers) {
  const CArbol base = GrafoDe(Aleatoria(25, 6, 425, false));
  const auto todas = prueba::AnillosPorCombinacion(base, 64);
  // Picks taken from loops of the list, as the user would pick them.
  const std::vector<std::int32_t>& larga = todas[3000].cadena;
  ASSERT_GE(larga.size(), 4u);
  struct Caso {
    SecuenciaNodos seguidos;
    std::size_t maximo;
  };
  const Caso casos[] = {
      {{todas[0].cadena[0]}, kMaxAnillos},
      {{larga[1], larga[2]}, kMaxAnillos},
      {{larga[3], larga[2], larga[1]}, kMaxAnillos},
      {{larga[0], larga[2]}, kMaxAnillos},  // apart in this loop, side by side in others or none
      {{larga[1], larga[2]}, 10},
  };
  for (const Caso& c : casos) {
    std::vector<prueba::AnilloReferencia> esperadas;
    for (const auto& x : todas) {
      if (CArbol::ContieneSeguidos(x.cadena, c.seguidos)) esperadas.push_back(x);
    }
    CArbol a = base;
    ControlBusqueda control;
    control.maximo = c.maximo;
    const FinBusqueda fin = a.BuscarAnillosYSendas(control, c.seguidos);
    const Cadenas obtenidas = prueba::CadenasCanonicas(a.candidatos);
    if (esperadas.size() <= c.maximo) {
      EXPECT_EQ(fin, FinBusqueda::Completa);
      EXPECT_EQ(obtenidas, CadenasDe(esperadas));
    } else {
      EXPECT_EQ(fin, FinBusqueda::Limite);
      prueba::ComprobarCorte(obtenidas, esperadas, c.maximo, "picked, cut");
    }
  }
}

TEST(CiclosDelGrafo, CancelHookStopsTheSearch) {
  const CArbol base = GrafoDe(Completa(5, 5));
  const auto todas = prueba::AnillosPorCombinacion(base, 64);
  ASSERT_GT(todas.size(), kMaxAnillos);
  std::map<std::vector<std::int32_t>, std::size_t> lugar;
  for (std::size_t i = 0; i < todas.size(); ++i) lugar[todas[i].cadena] = i;

  // A hook that never stops is asked with the count found so far, and the
  // result is the one without it.
  std::vector<std::size_t> cuentas;
  ControlBusqueda mira;
  mira.cancelar = [&](std::size_t n) {
    cuentas.push_back(n);
    return false;
  };
  CArbol a = base, b = base;
  EXPECT_EQ(a.BuscarAnillosYSendas(mira), FinBusqueda::Limite);
  EXPECT_EQ(b.BuscarAnillosYSendas(), FinBusqueda::Limite);
  EXPECT_EQ(a.candidatos, b.candidatos);
  ASSERT_FALSE(cuentas.empty());
  EXPECT_LE(cuentas.back(), kMaxAnillos);

  // Stopped at its first question, it keeps what it found, in order.
  int preguntas = 0;
  ControlBusqueda para;
  para.cancelar = [&](std::size_t) { return ++preguntas > 0; };
  CArbol c = base;
  EXPECT_EQ(c.BuscarAnillosYSendas(para), FinBusqueda::Cancelada);
  EXPECT_EQ(c.finBusqueda, FinBusqueda::Cancelada);
  EXPECT_EQ(preguntas, 1);
  const Cadenas halladas = prueba::CadenasCanonicas(c.candidatos);
  ASSERT_FALSE(halladas.empty());
  EXPECT_LT(halladas.size(), kMaxAnillos);
  std::vector<std::size_t> lugares;
  for (const auto& x : halladas) {
    ASSERT_TRUE(lugar.count(x));
    lugares.push_back(lugar[x]);
  }
  EXPECT_TRUE(std::is_sorted(lugares.begin(), lugares.end()));
}

// ----------------------------------------------- filtering and conversion

TEST(QuitarDuplicados, RotationsAndReversalsOfOneLoop) {
  CArbol a;
  a.candidatos = {{0, 1, 2, 3}, {2, 3, 0, 1}, {0, 3, 2, 1}, {1, 0, 3, 2}, {0, 2, 1, 3}, {4, 5},
                  {5, 4}, {0, 0, 0, 0, 1, 0, 1}};
  a.QuitarDuplicados();
  EXPECT_EQ(a.candidatos, (ListaSecuencias{{0, 1, 2, 3}, {0, 2, 1, 3}, {4, 5}, {0, 1, 0}}));
}

TEST(ConvertirACambiadores, PairsExchangerEndsAndFlagsPaths) {
  CArbol a;
  a.numCambiadores = 3;
  a.nodoEnlaceCaliente = 0;
  a.nodoEnlaceFrio = 5;
  a.candidatos = {{1, 3, 2, 4, 5, 0}, {3, 1, 0, 2}, {0, 3}};
  a.ConvertirACambiadores();
  // The first passes through the link 5-0: a path of exchangers 0, 1, 2.
  EXPECT_EQ(a.candidatos, (ListaSecuencias{{0, 1, 2}, {1, 0}, {1, 0}}));
}

TEST(ParearNodos, OnlyNeighbouringEndsMakeAnExchanger) {
  struct Caso {
    SecuenciaNodos nodos;
    bool cerrada;
    SecuenciaNodos esperado;
  };
  const Caso casos[] = {
      {{0, 1, 2, 3}, true, {0, 1}},
      {{1, 2, 3, 0}, true, {0, 1}},  // the pair split over the ends comes first
      {{1, 2, 3, 0}, false, {1}},    // an open route has no such pair
      // The loop through exchangers 0 and 2 passes exchanger 1's two ends
      // (3 and 2) without crossing it: 1 is not part of it.
      {{0, 1, 3, 5, 4, 2}, true, {0, 2}},
      {{0, 3}, true, {}},
      {{}, true, {}},
  };
  for (const Caso& c : casos) EXPECT_EQ(CArbol::ParearNodos(c.nodos, c.cerrada), c.esperado);
}

TEST(FiltrarNodos, DropsSplitNodesAndOneSidedCandidates) {
  CArbol a;
  a.numCambiadores = 2;
  a.candidatos = {{0, 4, 1, 5}, {0, 4, 2}, {7}, {1, 6, 3, 2}};
  a.FiltrarNodos();
  EXPECT_EQ(a.candidatos, (ListaSecuencias{{0, 1}, {1, 3, 2}}));
}

// -------------------------------------------------------------- routes

TEST(BuscarCaminos, FollowsEdgesInTheirDirection) {
  // 0 -> 1 -> 3 -> 2 and a shortcut 0 -> 2; 4 reaches nothing.
  CArbol a = Grafo(6, {{0, 1}, {1, 3}, {3, 2}, {0, 2}, {5, 4}});
  a.numCambiadores = 3;
  a.BuscarCaminos(0, 3);
  // Tree route 3 <- 1 <- 0: the ends 1 and 0 of exchanger 0 lie side by side.
  ASSERT_EQ(a.perturbacion.size(), 1u);
  EXPECT_EQ(a.perturbacion[0], (SecuenciaNodos{0}));
  a.BuscarCaminos(1, 0);  // against the direction
  EXPECT_TRUE(a.perturbacion.empty());
  a.BuscarCaminos(0, 2);  // the shortest route wins
  ASSERT_EQ(a.perturbacion.size(), 1u);
  // Route 2 <- 0 crosses no exchanger: a route without exchangers.
  EXPECT_EQ(a.perturbacion[0], (SecuenciaNodos{}));
  a.BuscarCaminos(0, 9);  // out of range
  EXPECT_TRUE(a.perturbacion.empty());
}

}  // namespace
}  // namespace vardo
