#include "app/core/analysis/perturbaciones_tabla.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/anillos.h"
#include "model/constantes.h"
#include "tests/app/core/analysis/analisis_comun.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using prueba::RedManual;
using prueba::Celdas;

// Every cell against the search the table stands for, each run alone on a
// fresh copy of the model.
void EsperarBusquedasSueltas(const CDiagrama& modelo, const TablaPerturbaciones& t) {
  const std::size_t n = t.refs.size();
  int marcadas = 0;
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < n; ++j) {
      if (i == j) continue;
      CDiagrama copia = modelo;
      RecordingUiPort ui;
      const bool camino = BuscarCaminosPerturbacion(copia, t.refs[i], t.refs[j], 1, ui) != 0;
      EXPECT_EQ(t.camino[i][j], camino) << t.cabeceras[i] << " -> " << t.cabeceras[j];
      EXPECT_TRUE(ui.Log().empty());
      marcadas += camino ? 1 : 0;
    }
  EXPECT_GT(marcadas, 0);
}

TEST(Perturbaciones, SampleWithUtilitiesShownAndHidden) {
  const CDiagrama modelo = prueba::Ejemplo("servicios_y_area.vdo");
  ASSERT_NE(modelo.m_serviciosVisibles, 0);
  const struct {
    int visibles;
    std::vector<std::string> cabeceras;
  } casos[] = {{1, {"1", "2", "3", "4", "S1", "S2"}}, {0, {"1", "2", "3", "4"}}};
  for (const auto& c : casos) {
    CDiagrama d = modelo;
    d.m_serviciosVisibles = c.visibles;
    RecordingUiPort ui;
    const TablaPerturbaciones t = CalcularPerturbaciones(d, ui);
    EXPECT_TRUE(ui.Log().empty());
    EXPECT_EQ(t.cabeceras, c.cabeceras);
    const Celdas celdas = t.Celdas();
    prueba::EsperarCabeceras(celdas, "de/a", c.cabeceras);
    ASSERT_FALSE(HasFatalFailure());
    const std::size_t n = c.cabeceras.size();
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j)
        EXPECT_EQ(celdas[i + 1][j + 1], i == j ? "-" : t.camino[i][j] ? "*" : "");
    }
    EsperarBusquedasSueltas(modelo, t);
  }
}

// C1 meets H0 at E0, upstream of E1 where H0 meets C2: a disturbance of C1
// travels down H0 to C2, while one of C2 cannot climb H0 back to E0. C3
// has no exchanger: its row and column stay empty.
TEST(Perturbaciones, RoutesFollowTheFlowOnly) {
  RedManual m;
  m.Corriente(500, 300);  // H0
  m.Corriente(300, 400);  // C1
  m.Corriente(310, 420);  // C2
  m.Corriente(320, 330);  // C3
  m.Cambiador(0, 1);
  m.Cambiador(0, 2);
  const TablaPerturbaciones t = CalcularPerturbaciones(m.d);
  const Celdas celdas = t.Celdas();
  EXPECT_EQ(celdas[2][3], "*");  // C1 to C2
  EXPECT_EQ(celdas[3][2], "");   // not C2 to C1
  for (std::size_t k = 1; k < 4; ++k) {
    EXPECT_EQ(celdas[4][k], "") << k;
    EXPECT_EQ(celdas[k][4], "") << k;
  }
  EXPECT_EQ(celdas[4][4], "-");
  EsperarBusquedasSueltas(m.d, t);
}

// Of the streams of a split only the one its first node names as main branch
// heads a row and a column.
TEST(Perturbaciones, ASplitStreamTakesOneEntry) {
  const struct {
    const char* caso;
    std::vector<std::int32_t> principales;  // main branch of each split node
    std::vector<std::string> cabeceras;
  } casos[] = {
      {"two nodes, three branches", {2, 3}, {"3", "7"}},
      {"first node's main branch split again", {-1, 4}, {"5", "7"}},
  };
  for (const auto& c : casos) {
    RedManual m;
    for (int s = 0; s < 6; ++s) m.Corriente(500, 300);  // the split's streams
    m.Corriente(300, 400);                                 // stream 7
    for (int s = 0; s < 6; ++s) m.d.m_corrientes[static_cast<std::size_t>(s)].m_split = 0;
    CCorrienteBifurcada b;
    for (std::int32_t p : c.principales) {
      b.nodos.emplace_back();
      b.nodos.back().refRamaPrincipal = p;
    }
    m.d.m_bifurcadas.push_back(b);
    const TablaPerturbaciones t = CalcularPerturbaciones(m.d);
    EXPECT_EQ(t.cabeceras, c.cabeceras) << c.caso;
  }
  // A real split: its main branch (stream 2) and the cold stream (5).
  CDiagrama d = prueba::RedDividida();
  const TablaPerturbaciones t = CalcularPerturbaciones(d);
  EXPECT_EQ(t.cabeceras, (std::vector<std::string>{"2", "5"}));
  EsperarBusquedasSueltas(prueba::RedDividida(), t);
}

TEST(Perturbaciones, NoStreamsGiveTheCornerOnly) {
  CDiagrama d;
  const Celdas celdas = CalcularPerturbaciones(d).Celdas();
  EXPECT_EQ(celdas, (Celdas{{"de/a"}}));
}

}  // namespace
}  // namespace vardo
