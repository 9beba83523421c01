#include "app/core/analysis/matriz_man.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/anillos.h"
#include "tests/app/core/analysis/analisis_comun.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using prueba::RedManual;
using prueba::Celdas;

// The table shows the graph the model builds, cell by cell.
void EsperarComoElModelo(const CDiagrama& d, const Celdas& celdas) {
  CArbol g;
  ConstruirMAN(d, g);
  prueba::EsperarCabeceras(celdas, "", g.nombres);
  if (::testing::Test::HasFatalFailure()) return;
  const std::size_t n = g.matriz.size();
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j)
      EXPECT_EQ(celdas[i + 1][j + 1], g.matriz[i][j] != 0 ? "*" : "") << i << "," << j;
  }
}

TEST(MatrizMAN, OneExchangerBetweenTwoStreams) {
  RedManual m;
  m.Corriente(400, 300);
  m.Corriente(300, 380);
  m.Cambiador(0, 1);
  const Celdas celdas = TablaMatrizMAN(m.d).Celdas();
  // Both nodes joined to themselves, and the hot end to the cold end.
  EXPECT_EQ(celdas, (Celdas{{"", "1c", "1f"}, {"1c", "*", ""}, {"1f", "*", "*"}}));
  EsperarComoElModelo(m.d, celdas);

  const std::vector<ElementoArbolMAN> arbol = ArbolMaximoMAN(m.d);
  ASSERT_EQ(arbol.size(), 2u);
  EXPECT_EQ(arbol[0].texto, "1c");
  EXPECT_EQ(arbol[0].padre, -1);
  EXPECT_EQ(arbol[1].texto, "1f");
  EXPECT_EQ(arbol[1].padre, 0);
}

// Each part of the graph that is not joined to the rest hangs from a root of
// its own; every other item hangs from an item placed before it.
TEST(MatrizMAN, SeparateGroupsGiveOneRootEach) {
  RedManual m;
  for (int s = 0; s < 2; ++s) {
    m.Corriente(400, 300);
    m.Corriente(300, 380);
  }
  m.Cambiador(0, 1);
  m.Cambiador(0, 1);
  m.Cambiador(2, 3);
  const Celdas celdas = TablaMatrizMAN(m.d).Celdas();
  EsperarComoElModelo(m.d, celdas);
  const std::vector<ElementoArbolMAN> arbol = ArbolMaximoMAN(m.d);
  ASSERT_EQ(arbol.size(), 6u);  // every node is placed once
  std::vector<std::string> raices;
  std::vector<bool> visto(6, false);
  for (std::size_t k = 0; k < arbol.size(); ++k) {
    const ElementoArbolMAN& e = arbol[k];
    EXPECT_FALSE(visto[static_cast<std::size_t>(e.nodo)]) << e.texto;
    visto[static_cast<std::size_t>(e.nodo)] = true;
    EXPECT_EQ(e.texto, m.d.m_arbol.nombres[static_cast<std::size_t>(e.nodo)]);
    if (e.padre < 0)
      raices.push_back(e.texto);
    else
      EXPECT_LT(e.padre, static_cast<std::int32_t>(k));
  }
  EXPECT_EQ(raices, (std::vector<std::string>{"1c", "3c"}));
  // The second group's two nodes.
  EXPECT_EQ(arbol[4].texto, "3c");
  EXPECT_EQ(arbol[5].texto, "3f");
  EXPECT_EQ(arbol[5].padre, 4);
}

TEST(MatrizMAN, NoExchangersGiveOneCellAndNoTree) {
  CDiagrama d = prueba::CuatroCorrientes();
  EXPECT_EQ(TablaMatrizMAN(d).Celdas(), (Celdas{{""}}));
  EXPECT_TRUE(ArbolMaximoMAN(d).empty());
}

}  // namespace
}  // namespace vardo
