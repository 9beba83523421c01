#include "model/arbol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/anillos.h"
#include "model/constantes.h"
#include "model/diagrama.h"
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

// ----------------------------------------------------------------- combining

TEST(CombinarCiclos, Cases) {
  struct Caso {
    const char* nombre;
    SecuenciaNodos a, b;
    ListaSecuencias esperado;
  };
  const Caso casos[] = {
      {"disjoint", {0, 1, 2}, {3, 4, 5}, {{0, 1, 2}, {3, 4, 5}}},
      {"touching at one node", {0, 1, 2}, {2, 3, 4}, {{0, 1, 2}, {2, 3, 4}}},
      // Squares 0-1-2-3 and 1-4-5-2 share edge 1-2: one loop 0-1-4-5-2-3,
      // starting at a's first node and running in a's direction.
      {"one shared edge", {0, 1, 2, 3}, {1, 4, 5, 2}, {{0, 1, 4, 5, 2, 3}}},
      {"shared stretch, b reversed", {0, 1, 2, 3, 4}, {6, 3, 2, 1, 5}, {{0, 1, 5, 6, 3, 4}}},
      // Two separate shared edges leave two loops.
      {"two shared stretches", {0, 1, 2, 3, 4, 5}, {1, 2, 6, 4, 5, 7}, {{0, 1, 7, 5}, {2, 3, 4, 6}}},
  };
  for (const Caso& c : casos) {
    ListaSecuencias r = CArbol::CombinarCiclos(c.a, c.b);
    if (c.esperado.size() > 1 && c.esperado != ListaSecuencias{c.a, c.b}) {
      // Several loops: compare them as sets of edges.
      ASSERT_EQ(r.size(), c.esperado.size()) << c.nombre;
      auto aristas = [](const SecuenciaNodos& s) {
        std::set<std::pair<int, int>> e;
        for (std::size_t i = 0; i < s.size(); ++i) {
          const int x = s[i], y = s[(i + 1) % s.size()];
          e.insert({std::min(x, y), std::max(x, y)});
        }
        return e;
      };
      std::set<std::set<std::pair<int, int>>> obtenidos, esperados;
      for (const auto& s : r) obtenidos.insert(aristas(s));
      for (const auto& s : c.esperado) esperados.insert(aristas(s));
      EXPECT_EQ(obtenidos, esperados) << c.nombre;
    } else {
      EXPECT_EQ(r, c.esperado) << c.nombre;
    }
  }
}

TEST(CombinarConCiclo, MergesMembersOneAfterAnother) {
  CArbol a;
  // Cycle 1-4-5-2 merges with square 0-1-2-3 (shared edge 1-2); the result
  // then merges with 5-6-7-4 (shared edge 4-5). 8-9-10 never merges.
  const ListaSecuencias r = a.CombinarConCiclo({{8, 9, 10}, {5, 6, 7, 4}, {0, 1, 2, 3}}, {1, 4, 5, 2});
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[1], (SecuenciaNodos{8, 9, 10}));
  EXPECT_EQ(std::set<int>(r[0].begin(), r[0].end()), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(CombinarCiclosFundamentales, DisjointCyclesStayAndTheirUnionGoes) {
  CArbol a;
  a.ciclos = {{0, 1, 2}, {3, 4, 5}};
  a.CombinarCiclosFundamentales();
  EXPECT_EQ(a.candidatos, (ListaSecuencias{{0, 1, 2}, {3, 4, 5}}));
  ASSERT_EQ(a.ultimasCombinaciones.size(), 1u);  // one combination step
}

TEST(CombinarCiclosFundamentales, EverySetOfCyclesIsCombinedOnce) {
  // Three squares in a row: 0-1-2-3, 1-4-5-2, 4-6-7-5.
  CArbol a;
  a.ciclos = {{0, 1, 2, 3}, {1, 4, 5, 2}, {4, 6, 7, 5}};
  a.CombinarCiclosFundamentales();
  EXPECT_EQ(a.ultimasCombinaciones.size(), CArbol::Combinaciones(3));  // 4 steps
  // The 3 squares, the 2 rectangles of two neighbouring squares and the whole
  // rectangle; the first and third squares share no edge, so their set is a
  // union of two loops and goes.
  EXPECT_EQ(a.candidatos.size(), 6u);
}

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

TEST(BuscarAnillosYSendas, RefusesTooManyCycles) {
  // The smallest complete graph with more independent cycles than the bound
  // (K_n has n(n-1)/2 - n + 1).
  int n = 3;
  while (n * (n - 1) / 2 - n + 1 <= kMaxCiclosFundamentales) ++n;
  CArbol a;
  a.Dimensionar(n);
  for (int i = 0; i < n; ++i)
    for (int j = i + 1; j < n; ++j) a.SetArista(i, j);
  a.numCambiadores = n;
  a.ArbolMaximo();
  ASSERT_GT(static_cast<int>(a.cuerdas.size()), kMaxCiclosFundamentales);
  EXPECT_FALSE(a.BuscarAnillosYSendas());
  EXPECT_TRUE(a.candidatos.empty());
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
