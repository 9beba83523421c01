#include "model/anillos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/constantes.h"
#include "model/diagrama.h"
#include "platform/core/uiport.h"
#include "tests/comun/anillos_referencia.h"
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
  // n hot and n cold streams, each pair joined once.
  static Red Completa(int n) {
    Red r;
    prueba::UnirTodas(r, n, n);
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
  for (int k : {3, 4, 6, 40}) {
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

// The found loops as canonical chains (a loop's repeat of its first
// exchanger left out).
std::vector<std::vector<std::int32_t>> Listadas(const CDiagrama& d) {
  std::vector<std::vector<std::int32_t>> r;
  for (const CLazo& l : d.m_lazos) {
    std::vector<std::int32_t> c(l.cambiadores.begin(), l.cambiadores.end());
    if (c.size() > 1 && c.front() == c.back()) c.pop_back();
    r.push_back(prueba::FormaCanonica(c));
  }
  return r;
}

// Every loop and path of the 5 x 5 network, by the plain enumeration.
const std::vector<prueba::AnilloReferencia>& TodasLasDeCompleta5() {
  static const std::vector<prueba::AnilloReferencia> todas = [] {
    Red r = Red::Completa(5);
    CArbol a;
    ConstruirMAN(r.d, a);
    a.ArbolMaximo();
    return prueba::AnillosPorCombinacion(a, 64);
  }();
  return todas;
}

TEST(BuscarAnillos, PastTheLimitListsTheFirstLoopsAndSaysSo) {
  Red r = Red::Completa(5);  // 25 exchangers, 33092 loops
  ASSERT_GT(TodasLasDeCompleta5().size(), kMaxAnillos);
  EXPECT_EQ(r.Buscar(), static_cast<std::int32_t>(kMaxAnillos));
  ASSERT_EQ(r.ui.Log().size(), 1u);
  EXPECT_EQ(r.ui.Log()[0].text,
            "Se han encontrado más de 10000 anillos y sendas; sólo se muestran los primeros 10000.");
  EXPECT_EQ(r.ui.Log()[0].kind, MsgKind::Warning);
  EXPECT_EQ(r.d.m_grafoConstruido, 1);
  EXPECT_EQ(r.d.m_anilloActual, 0);
  prueba::ComprobarCorte(Listadas(r.d), TodasLasDeCompleta5(), kMaxAnillos, "5 x 5");

  // Each one can be built by picking its exchangers one after another.
  for (const CLazo& l : r.d.m_lazos) {
    r.d.m_lazoEnCurso.Vaciar();
    std::int32_t clase = 0;
    for (std::int32_t e : l.cambiadores) clase = AddCambiadorAnillo(r.d, e);
    ASSERT_EQ(r.d.m_lazoEnCurso.cambiadores, l.cambiadores);
    ASSERT_EQ(clase, kLazoAnillo);
  }

  // The next search uses the list again and says so again.
  const auto antes = Listadas(r.d);
  r.d.m_lazoEnCurso.Vaciar();
  r.ui.Clear();
  EXPECT_EQ(r.Buscar(), static_cast<std::int32_t>(kMaxAnillos));
  EXPECT_EQ(Listadas(r.d), antes);
  EXPECT_EQ(r.ui.Messages(), (std::vector<std::string>{TextoAnillosLimitados()}));
}

TEST(BuscarAnillos, PickedExchangersOnACutListAreSearchedByThemselves) {
  Red r = Red::Completa(5);
  ASSERT_EQ(r.Buscar(), static_cast<std::int32_t>(kMaxAnillos));
  struct Caso {
    std::vector<std::int32_t> elegidos;  // picked in this order
  };
  // Exchanger 5i + j joins hot stream i and cold stream j.
  const Caso casos[] = {
      {{0}},
      {{0, 1}},
      {{0, 1, 6}},
      {{6, 1, 0, 5}},  // a whole loop of four, picked without closing it
  };
  for (const Caso& c : casos) {
    r.d.m_lazoEnCurso.Vaciar();
    for (std::int32_t e : c.elegidos) AddCambiadorAnillo(r.d, e);
    ASSERT_EQ(r.d.m_lazoEnCurso.cuenta, static_cast<std::int32_t>(c.elegidos.size()));
    std::vector<prueba::AnilloReferencia> esperadas;
    for (const auto& x : TodasLasDeCompleta5()) {
      if (CArbol::ContieneSeguidos(x.cadena, c.elegidos)) esperadas.push_back(x);
    }
    r.ui.Clear();
    const std::int32_t n = r.Buscar();
    if (esperadas.size() > kMaxAnillos) {
      EXPECT_EQ(r.ui.Messages(), (std::vector<std::string>{TextoAnillosLimitados()}));
      prueba::ComprobarCorte(Listadas(r.d), esperadas, kMaxAnillos, "picked");
    } else {
      EXPECT_TRUE(r.ui.Log().empty()) << c.elegidos.size();
      EXPECT_EQ(static_cast<std::size_t>(n), esperadas.size());
      std::vector<std::vector<std::int32_t>> cadenas;
      for (const auto& x : esperadas) cadenas.push_back(x.cadena);
      EXPECT_EQ(Listadas(r.d), cadenas) << c.elegidos.size();
    }
  }
}

TEST(BuscarAnillos, AStoppedSearchKeepsWhatItFoundAndIsNotReused) {
  Red r = Red::Completa(5);
  int preguntas = 0;
  const std::int32_t n = BuscarAnillos(r.d, r.ui, [&](std::size_t) {
    ++preguntas;
    return true;
  });
  EXPECT_EQ(preguntas, 1);
  EXPECT_GT(n, 0);
  EXPECT_LT(n, static_cast<std::int32_t>(kMaxAnillos));
  ASSERT_EQ(r.ui.Log().size(), 1u);
  EXPECT_EQ(r.ui.Log()[0].text, kTextoBusquedaInterrumpida);
  EXPECT_EQ(r.ui.Log()[0].kind, MsgKind::Information);
  EXPECT_EQ(r.d.m_anilloActual, 0);  // the first one found is on show
  EXPECT_EQ(r.d.m_grafoConstruido, 0);
  std::set<std::vector<std::int32_t>> todas;
  for (const auto& x : TodasLasDeCompleta5()) todas.insert(x.cadena);
  for (const auto& c : Listadas(r.d)) EXPECT_TRUE(todas.count(c));

  // The next search starts afresh.
  r.d.m_lazoEnCurso.Vaciar();
  r.ui.Clear();
  EXPECT_EQ(r.Buscar(), static_cast<std::int32_t>(kMaxAnillos));
  EXPECT_EQ(r.ui.Messages(), (std::vector<std::string>{TextoAnillosLimitados()}));
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
