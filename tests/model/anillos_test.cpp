#include "model/anillos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "model/constantes.h"
#include "model/diagrama.h"
#include "platform/core/uiport.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

// A design built record by record; exchanger lists in the order of creation.
struct Red : prueba::RedManual {
  RecordingUiPort ui;

  // n exchangers between one hot and one cold stream.
  static Red Paralelos(int n) {
    Red r;
    const int H1 = r.Corriente(400, 300), C1 = r.Corriente(300, 380);
    for (int i = 0; i < n; ++i) r.Cambiador(H1, C1);
    return r;
  }
  std::int32_t Buscar() { return BuscarAnillos(d, ui); }
};

std::vector<std::uint32_t> Nodos(const CLazo& l) { return l.nodos; }

// The found loops as sets of exchangers (the repeat of a loop's first
// exchanger left out).
std::set<std::set<std::uint32_t>> Conjuntos(const CDiagrama& d) {
  std::set<std::set<std::uint32_t>> s;
  for (const CLazo& l : d.m_lazos) s.insert(std::set<std::uint32_t>(l.nodos.begin(), l.nodos.end()));
  return s;
}

TEST(BuscarAnillos, TwoExchangersOnOnePairMakeOneLoop) {
  Red r = Red::Paralelos(2);
  EXPECT_EQ(r.Buscar(), 1);
  ASSERT_EQ(r.d.m_lazos.size(), 1u);
  EXPECT_EQ(Nodos(r.d.m_lazos[0]), (std::vector<std::uint32_t>{0, 1, 0}));
  EXPECT_EQ(r.d.m_lazos[0].cuenta, 3);
  // The first one is on show in the chain under construction, 1-based.
  EXPECT_EQ(r.d.m_anilloActual, 0);
  EXPECT_EQ(r.d.m_lazoEnCurso.nodos, (std::vector<std::uint32_t>{1, 2, 1}));
  EXPECT_EQ(r.d.m_lazoEnCurso.cambiadores, (std::vector<std::int32_t>{0, 1, 0}));
  EXPECT_EQ(r.d.m_lazoEnCurso.cuenta, 3);
  EXPECT_EQ(r.d.m_lazoEnCurso.Clasificar(r.d.m_cambiadores), kLazoAnillo);
  EXPECT_EQ(r.d.m_grafoConstruido, 1);
  EXPECT_TRUE(r.ui.Log().empty());
}

TEST(BuscarAnillos, ParallelExchangersGiveEveryPair) {
  // Every pair of k exchangers on one hot and one cold stream is a loop, and
  // no loop of three or more (it would cross one pair of streams twice).
  for (int k : {3, 4, 6}) {
    Red r = Red::Paralelos(k);
    EXPECT_EQ(r.Buscar(), k * (k - 1) / 2) << k;
    for (const CLazo& l : r.d.m_lazos) EXPECT_EQ(l.cuenta, 3) << k;
  }
}

TEST(BuscarAnillos, NetworkWithoutLoopsFindsNothingAndSteppingDoesNothing) {
  Red r;
  const int H1 = r.Corriente(400, 300), C1 = r.Corriente(300, 380), C2 = r.Corriente(300, 350);
  r.Cambiador(H1, C1);
  r.Cambiador(H1, C2);
  AddCambiadorAnillo(r.d, 0);
  const auto cadena = r.d.m_lazoEnCurso.nodos;
  r.d.m_lazoEnCurso.Vaciar();
  EXPECT_EQ(r.Buscar(), 0);
  EXPECT_TRUE(r.d.m_lazos.empty());
  EXPECT_EQ(r.d.m_anilloActual, -1);
  AddCambiadorAnillo(r.d, 0);
  AnilloSiguiente(r.d);
  AnilloAnterior(r.d);
  MostrarAnillo(r.d, 2);
  EXPECT_EQ(r.d.m_anilloActual, -1);
  EXPECT_EQ(r.d.m_lazoEnCurso.nodos, cadena);
}

TEST(BuscarAnillos, NextPreviousAndShowWrapAround) {
  Red r = Red::Paralelos(3);
  ASSERT_EQ(r.Buscar(), 3);
  auto mostrado = [&] {
    std::vector<std::uint32_t> n;
    for (std::uint32_t x : r.d.m_lazos[static_cast<std::size_t>(r.d.m_anilloActual)].nodos) n.push_back(x + 1);
    EXPECT_EQ(r.d.m_lazoEnCurso.nodos, n);
    return r.d.m_anilloActual;
  };
  struct Paso {
    const char* que;
    void (*accion)(CDiagrama&);
    std::int32_t esperado;
  };
  const Paso pasos[] = {
      {"start", [](CDiagrama&) {}, 0},
      {"next", AnilloSiguiente, 1},
      {"next", AnilloSiguiente, 2},
      {"next from the third", AnilloSiguiente, 0},
      {"previous from the first", AnilloAnterior, 2},
      {"previous", AnilloAnterior, 1},
      {"show 1", [](CDiagrama& d) { MostrarAnillo(d, 1); }, 0},
      {"show 3", [](CDiagrama& d) { MostrarAnillo(d, 3); }, 2},
      {"show 2", [](CDiagrama& d) { MostrarAnillo(d, 2); }, 1},
      {"show 5", [](CDiagrama& d) { MostrarAnillo(d, 5); }, 0},
      {"show 0", [](CDiagrama& d) { MostrarAnillo(d, 0); }, 0},
  };
  for (const Paso& p : pasos) {
    p.accion(r.d);
    EXPECT_EQ(mostrado(), p.esperado) << p.que;
  }
}

TEST(BuscarAnillos, HeaterExchangerCoolerIsAPath) {
  Red r;
  const int H1 = r.Corriente(400, 300), C1 = r.Corriente(300, 380);
  const int calentador = r.Cambiador(kRefGenerico, C1);
  r.Cambiador(H1, C1);
  const int enfriador = r.Cambiador(H1, kRefGenerico);
  ASSERT_EQ(r.Buscar(), 1);
  const CLazo& l = r.d.m_lazos[0];
  ASSERT_EQ(l.cuenta, 3);  // a path does not repeat its first exchanger
  EXPECT_EQ(std::set<std::uint32_t>(l.nodos.begin(), l.nodos.end()), (std::set<std::uint32_t>{0, 1, 2}));
  EXPECT_EQ(l.nodos[1], 1u);
  EXPECT_TRUE((l.nodos.front() == static_cast<std::uint32_t>(calentador) && l.nodos.back() == static_cast<std::uint32_t>(enfriador)) ||
              (l.nodos.front() == static_cast<std::uint32_t>(enfriador) && l.nodos.back() == static_cast<std::uint32_t>(calentador)));
  EXPECT_EQ(r.d.m_lazoEnCurso.Clasificar(r.d.m_cambiadores), kLazoSenda);
}

TEST(BuscarAnillos, PathThroughShownUtilities) {
  Red r;
  const int H1 = r.Corriente(400, 300), C1 = r.Corriente(300, 380);
  CServicios vapor, agua;
  vapor.m_T = {500, 499};
  vapor.m_H = {0, -1};
  vapor.m_fria = 0;
  agua.m_T = {290, 300};
  agua.m_H = {0, 1};
  agua.m_fria = 1;
  r.d.m_servicios = {vapor, agua};
  r.d.m_serviciosVisibles = 1;
  r.Cambiador(kRefServicio + 0, C1);  // heater on steam
  r.Cambiador(H1, C1);
  r.Cambiador(H1, kRefServicio + 1);  // cooler on water
  ASSERT_EQ(r.Buscar(), 1);
  const CLazo& l = r.d.m_lazos[0];
  EXPECT_EQ(l.cuenta, 3);
  EXPECT_EQ(std::set<std::uint32_t>({l.nodos.front(), l.nodos.back()}), (std::set<std::uint32_t>{0, 2}));
}

TEST(AddCambiadorAnillo, PickingTheLastOneAgainRemovesIt) {
  Red r = Red::Paralelos(2);
  EXPECT_EQ(AddCambiadorAnillo(r.d, 0), kLazoIncompleto);
  EXPECT_EQ(AddCambiadorAnillo(r.d, 1), kLazoIncompleto);
  EXPECT_EQ(AddCambiadorAnillo(r.d, 0), kLazoAnillo);
  EXPECT_EQ(r.d.m_lazoEnCurso.nodos, (std::vector<std::uint32_t>{1, 2, 1}));
  EXPECT_EQ(AddCambiadorAnillo(r.d, 0), 0);  // undone
  EXPECT_EQ(r.d.m_lazoEnCurso.nodos, (std::vector<std::uint32_t>{1, 2}));
  EXPECT_EQ(r.d.m_lazoEnCurso.Clasificar(r.d.m_cambiadores), kLazoIncompleto);
  EXPECT_EQ(r.d.m_lazoEnCurso.fuente.faceName, r.d.m_fuente.faceName);

  // A refused pick changes nothing.
  const int H2 = r.Corriente(500, 400), C2 = r.Corriente(200, 300);
  r.Cambiador(H2, C2);
  EXPECT_EQ(AddCambiadorAnillo(r.d, 2), 0);
  EXPECT_EQ(r.d.m_lazoEnCurso.cuenta, 2);
}

// Exchangers e0 (H1, C1), e1 (H2, C1), e2 (H2, C2), e3 (H1, C2): one loop.
Red Cuadrado() {
  Red r;
  const int H1 = r.Corriente(400, 300), H2 = r.Corriente(420, 320);
  const int C1 = r.Corriente(300, 380), C2 = r.Corriente(290, 390);
  r.Cambiador(H1, C1);
  r.Cambiador(H2, C1);
  r.Cambiador(H2, C2);
  r.Cambiador(H1, C2);
  return r;
}

TEST(BuscarAnillos, PickedExchangersMustLieOneAfterAnother) {
  struct Caso {
    std::vector<int> elegidos;
    std::vector<std::vector<std::uint32_t>> esperados;  // kept candidates, loop form
  };
  const Caso casos[] = {
      {{0, 1}, {{0, 1, 2, 3, 0}, {0, 1, 0}, {0, 3, 2, 1, 0}}},
      // Exchangers 3 and 0 are neighbours across the loop's ends.
      {{3, 0}, {{0, 1, 2, 3, 0}, {0, 2, 1, 3, 0}, {0, 3, 2, 1, 0}}},
      {{1, 2, 3}, {{0, 1, 2, 3, 0}, {0, 3, 2, 1, 0}}},
      {{0}, {{0, 1, 2, 3, 0}, {0, 2, 1, 3, 0}, {0, 1, 0}, {0, 3, 2, 1, 0}}},
  };
  for (const Caso& c : casos) {
    Red r = Cuadrado();
    ASSERT_EQ(r.Buscar(), 1);
    // Candidates of a search on this design, made up so that picked
    // exchangers appear both side by side and apart.
    r.d.m_arbol.candidatos = {{0, 1, 2, 3}, {0, 2, 1, 3}, {1, 0}, {3, 2, 1, 0}, {0, 0, 0, 0}};
    r.d.m_lazoEnCurso.Vaciar();
    for (int e : c.elegidos) AddCambiadorAnillo(r.d, e);
    ASSERT_EQ(r.d.m_lazoEnCurso.cuenta, static_cast<int>(c.elegidos.size()));
    r.Buscar();
    std::vector<std::vector<std::uint32_t>> obtenidos;
    for (const CLazo& l : r.d.m_lazos) obtenidos.push_back(l.nodos);
    EXPECT_EQ(obtenidos, c.esperados) << c.elegidos.size();
  }
}

TEST(BuscarAnillos, GraphIsRebuiltWhenTheDesignChanged) {
  Red r = Red::Paralelos(2);
  ASSERT_EQ(r.Buscar(), 1);
  // A third exchanger added straight into the arrays, the built flag left set.
  r.Cambiador(0, 1);
  ASSERT_EQ(r.d.m_grafoConstruido, 1);
  r.d.m_lazoEnCurso.Vaciar();
  EXPECT_EQ(r.Buscar(), 3);
  // With the design unchanged the graph and its candidates are used again.
  r.d.m_arbol.candidatos = {{0, 1}, {0}};
  r.d.m_lazoEnCurso.Vaciar();
  EXPECT_EQ(r.Buscar(), 1);
}

TEST(BuscarAnillos, LoopThroughASplit) {
  Red r;
  const int in = r.Corriente(500, 450), p = r.Corriente(450, 400), q = r.Corriente(450, 400);
  const int out = r.Corriente(400, 300), C1 = r.Corriente(300, 480, 2.0);
  for (int s : {in, p, q, out}) r.d.m_corrientes[static_cast<std::size_t>(s)].m_split = 0;
  r.d.m_bifurcadas.push_back(prueba::UnaDivision(CCorriente(500, 300, 1.0, 0, 0), in, false));
  const int eP = r.Cambiador(p, C1);
  const int eQ = r.Cambiador(q, C1);
  ASSERT_GE(r.Buscar(), 1);
  const auto conjuntos = Conjuntos(r.d);
  EXPECT_TRUE(conjuntos.count({static_cast<std::uint32_t>(eP), static_cast<std::uint32_t>(eQ)}));
  for (const CLazo& l : r.d.m_lazos) {
    for (std::uint32_t e : l.nodos) EXPECT_LT(e, 2u);  // no split node survives
  }
  // The chain built by hand through the split is a loop too.
  r.d.m_lazoEnCurso.Vaciar();
  AddCambiadorAnillo(r.d, eP);
  AddCambiadorAnillo(r.d, eQ);
  EXPECT_EQ(AddCambiadorAnillo(r.d, eP), kLazoAnillo);
}

TEST(BuscarAnillos, TooManyIndependentLoopsAreRefused) {
  Red r = Red::Paralelos(kMaxCiclosFundamentales + 2);  // one cycle more than allowed
  AddCambiadorAnillo(r.d, 0);
  EXPECT_EQ(r.Buscar(), -1);
  ASSERT_EQ(r.ui.Log().size(), 1u);
  EXPECT_EQ(r.ui.Log()[0].text, TextoDemasiadosAnillos(kMaxCiclosFundamentales + 1));
  EXPECT_EQ(r.ui.Log()[0].kind, MsgKind::Warning);
  EXPECT_NE(r.ui.Log()[0].text.find("No se ha realizado la búsqueda."), std::string::npos);
  EXPECT_TRUE(r.d.m_lazos.empty());
  EXPECT_EQ(r.d.m_grafoConstruido, 0);
  EXPECT_EQ(r.d.m_lazoEnCurso.nodos, (std::vector<std::uint32_t>{1}));

  // At the bound the search runs (bench/anillos_bench.cpp shows its time).
  Red s = Red::Paralelos(kMaxCiclosFundamentales + 1);
  EXPECT_EQ(s.Buscar(), (kMaxCiclosFundamentales + 1) * kMaxCiclosFundamentales / 2);
}

TEST(LimpiarAnillos, ClearsSplitHighlightsAndTheDisplayState) {
  Red r;
  r.d.m_bifurcadas.resize(2);
  r.d.m_bifurcadas[0].SetSeleccion(3);
  r.d.m_bifurcadas[1].SetSeleccion(-2);
  r.d.m_estadoAnillos = 1;
  LimpiarAnillos(r.d);
  EXPECT_EQ(r.d.m_bifurcadas[0].seleccion, kSinSeleccionBifurcada);
  EXPECT_EQ(r.d.m_bifurcadas[1].seleccion, kSinSeleccionBifurcada);
  EXPECT_EQ(r.d.m_estadoAnillos, 0);
}

}  // namespace
}  // namespace vardo
