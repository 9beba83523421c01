// The points-table checker and the conversions between tables and points.
#include "app/core/charts/tabla_puntos.h"

#include <gtest/gtest.h>

namespace vardo {
namespace {

struct CasoTabla {
  const char* nombre;
  TablaPuntos antes;
  TablaPuntos despues;
  bool mensaje;
};

TEST(ComprobarTabla, CorrigeLaTablaYDiceSiHayQueAvisar) {
  const CasoTabla casos[] = {
      {"caliente correcta", {{"400", "0"}, {"350", "-100"}, {"300", "-150"}},
       {{"400", "0"}, {"350", "-100"}, {"300", "-150"}}, false},
      // The corrected temperature is not nudged: the values read before
      // the correction differ.
      {"temperatura que retrocede", {{"300", "0"}, {"350", "100"}, {"340", "200"}},
       {{"300", "0"}, {"350", "100"}, {"350", "200"}}, true},
      {"temperaturas iguales", {{"300", "0"}, {"300", "50"}, {"350", "100"}},
       {{"300", "0"}, {"300.01", "50"}, {"350", "100"}}, false},
      {"temperaturas iguales bajando", {{"400", "0"}, {"350", "-50"}, {"350", "-60"}, {"300", "-90"}},
       {{"400", "0"}, {"350", "-50"}, {"349.99", "-60"}, {"300", "-90"}}, false},
      {"entalpía que retrocede", {{"300", "0"}, {"350", "120"}, {"400", "100"}},
       {{"300", "0"}, {"350", "120"}, {"400", "120"}}, true},
      {"dos correcciones, un aviso", {{"300", "0"}, {"350", "120"}, {"340", "100"}},
       {{"300", "0"}, {"350", "120"}, {"350", "120"}}, true},
      {"fría escrita negativa", {{"300", "0"}, {"350", "-100"}, {"400", "-150"}},
       {{"300", "0"}, {"350", "100."}, {"400", "150."}}, false},
      {"caliente escrita positiva", {{"400", "0"}, {"350", "100"}, {"300", "150"}},
       {{"400", "0"}, {"350", "-100."}, {"300", "-150."}}, false},
      // Two rows: only the last enthalpy's sign.
      {"dos filas caliente", {{"400", "0"}, {"300", "50"}}, {{"400", "0"}, {"300", "-50."}}, false},
      {"dos filas latente caliente", {{"300", "0"}, {"300", "-50"}},
       {{"300", "0"}, {"300", "-50"}}, false},
      {"dos filas latente fría", {{"300", "0"}, {"300", "50"}}, {{"300", "0"}, {"300", "50"}},
       false},
      // Text that is no number reads as 0.
      {"celda sin número", {{"300", "0"}, {"abc", "50"}, {"350", "100"}},
       {{"300", "0"}, {"300", "50"}, {"350", "100"}}, true},
      {"vacía", {}, {}, false},
  };
  for (const CasoTabla& c : casos) {
    TablaPuntos t = c.antes;
    EXPECT_EQ(ComprobarTabla(t), c.mensaje) << c.nombre;
    EXPECT_EQ(t, c.despues) << c.nombre;
  }
}

TEST(TablaAscendente, LosExtremosDecidenYSiCoincidenLaUltimaEntalpia) {
  const struct {
    TablaPuntos t;
    bool sube;
  } casos[] = {
      {{{"300", "0"}, {"400", "10"}}, true},
      {{{"400", "0"}, {"300", "10"}}, false},
      {{{"300", "0"}, {"300.0005", "10"}}, true},
      {{{"300", "0"}, {"300.0005", "-10"}}, false},
      {{{"300", "0"}, {"300", "0"}}, false},
      {{}, false},
  };
  for (const auto& c : casos) EXPECT_EQ(TablaAscendente(c.t), c.sube) << c.t.size();
}

TEST(TablaPuntos, IdaYVueltaEntrePuntosYTabla) {
  CCorriente c(400, 300, 2.5, 0, 0);
  const TablaPuntos t = TablaDeCorriente(c);
  EXPECT_EQ(t, (TablaPuntos{{"400.", "0."}, {"300.", "-250."}}));
  CCorriente d;
  PuntosDeTabla({{"500", "0"}, {"450.5", "-20"}, {"400", "x"}}, d);
  EXPECT_EQ(d.m_T, (std::vector<double>{500, 450.5, 400}));
  EXPECT_EQ(d.m_H, (std::vector<double>{0, -20, 0}));
}

TEST(TablaDeFuncion, EmpiezaEnEntalpiaCeroYDiceSiHaRestado) {
  bool desplazada = false;
  EXPECT_EQ(TablaDeFuncion({300, 350, 400}, {25, 75, 125}, true, desplazada),
            (TablaPuntos{{"300.", "0."}, {"350.", "50."}, {"400.", "100."}}));
  EXPECT_TRUE(desplazada);
  // T = f(H): x is the enthalpy.
  EXPECT_EQ(TablaDeFuncion({0, 50, 100}, {300, 350, 400}, false, desplazada),
            (TablaPuntos{{"300.", "0."}, {"350.", "50."}, {"400.", "100."}}));
  EXPECT_FALSE(desplazada);
  EXPECT_EQ(TablaDeFuncion({300, 400}, {0.000001, 5}, true, desplazada).size(), 2u);
  EXPECT_FALSE(desplazada);
  EXPECT_TRUE(TablaDeFuncion({}, {}, true, desplazada).empty());
}

TEST(GraficaEntalpia, FriaEnAzulYCalienteEnRojoDesdeCero) {
  const struct {
    const char* nombre;
    TablaPuntos filas;
    const char* etiqueta;
    Rgb color;
    std::vector<Point> puntos;
  } casos[] = {
      {"fría", {{"300", "0"}, {"350.005", "100.129"}, {"400", "150"}}, "Entalpía", MakeRgb(0, 0, 200),
       {{0, 30000}, {10012, 35000}, {15000, 40000}}},
      {"caliente", {{"400", "0"}, {"350", "-100"}, {"300", "-150"}}, "Entalpia", MakeRgb(180, 0, 0),
       {{15000, 40000}, {5000, 35000}, {0, 30000}}},
      // Ends at 0: not cold.
      {"sin calor", {{"300", "0"}, {"300", "0"}}, "Entalpia", MakeRgb(180, 0, 0),
       {{0, 30000}, {0, 30000}}},
  };
  for (const auto& c : casos) {
    const CGrafica g = GraficaEntalpia(c.filas);
    SCOPED_TRACE(c.nombre);
    ASSERT_EQ(g.series.size(), 1u);
    EXPECT_EQ(g.series[0].etiqueta, c.etiqueta);
    EXPECT_EQ(g.series[0].color, c.color);
    EXPECT_EQ(g.series[0].estilo, 0);
    EXPECT_EQ(g.puntos, c.puntos);
    EXPECT_EQ(g.tituloX, "H (kW)");
    EXPECT_EQ(g.tituloY, "T (K)");
    EXPECT_EQ(g.titulo, "");
    EXPECT_EQ(g.escalado, 1);
    EXPECT_EQ(g.marco.top, 500);
    EXPECT_EQ(g.marco.right, 9000);
  }
}

}  // namespace
}  // namespace vardo
