#include <gtest/gtest.h>

#include "app/core/charts/graficas.h"
#include "model/constantes.h"
#include "tests/app/core/charts/graficas_comun.h"

namespace vardo {
namespace {

using namespace prueba;

// Chart integer of a value with two decimals.
std::int32_t V(double v) { return ValorGrafica(v, 2); }

// Points (heat, temperature) compared as chart integers, allowing one unit
// for the last bit of the temperature sums.
void ComprobarPuntos(const std::vector<Point>& p, const std::vector<std::pair<double, double>>& e) {
  ASSERT_EQ(p.size(), e.size());
  for (std::size_t i = 0; i < e.size(); ++i) {
    EXPECT_NEAR(p[i].x, e[i].first * 100, 1.0) << i;
    EXPECT_NEAR(p[i].y, e[i].second * 100, 1.0) << i;
  }
}

TEST(GraficaGrandCompuesta, PointsAreTheHeatCascade) {
  CDiagrama d = CuatroCorrientes();
  CGrafica g;
  GraficaGrandCompuesta(d, g, false, true);  // no utilities: a single series
  ComprobarSeries(g, {{"Curva Grand Compuesta de Proceso", 0, MakeRgb(0, 0, 200)}});
  ComprobarTitulos(g, "H (kW)", "T (K)", "Curva Grand Compuesta", 2);
  const std::vector<Point> p = PuntosSerie(g, 0);
  ASSERT_EQ(p.size(), d.m_cascada.size());
  for (std::size_t i = 0; i < p.size(); ++i) {
    EXPECT_EQ(p[i].x, V(d.m_cascada[i]));
    EXPECT_EQ(p[i].y, V(d.m_temperaturas[i]));
  }
  ComprobarPuntos(p, {{20, 438.15}, {80, 418.15}, {82.5, 413.15}, {0, 358.15}, {75, 328.15},
                      {60, 298.15}});
}

TEST(GraficaGrandCompuesta, UtilitiesCurveAndSelectedStretch) {
  CDiagrama d = CuatroCorrientes();
  // A latent steam utility at 450 K taking 20 kW and a cooling water utility.
  d.m_servicios.resize(2);
  d.m_servicios[0] = CServicios();
  static_cast<CCorriente&>(d.m_servicios[0]) = CCorriente(450.0, 450.0, -1.0, 0, 1);
  d.m_servicios[0].m_carga = 20.0;
  static_cast<CCorriente&>(d.m_servicios[1]) = CCorriente(283.15, 303.15, 1.0 / 20.0, 1, 0);
  d.m_servicios[1].m_carga = 60.0;

  CGrafica g;
  d.SeleccionarCorriente(1);  // H2: shifted 438.15 -> 328.15, boundaries 0..4
  GraficaGrandCompuesta(d, g, true, true);
  ComprobarSeries(g, {{"Curva Grand Compuesta de Proceso", 0, MakeRgb(0, 0, 200)},
                      {"Curva Grand Compuesta de Servicios", 0, MakeRgb(180, 110, 250)},
                      {"Seleccionada", 0, MakeRgb(80, 210, 60)}});
  const auto proceso = PuntosSerie(g, 0);
  const auto sel = PuntosSerie(g, 2);
  ASSERT_EQ(sel.size(), 5u);
  EXPECT_EQ(sel.front(), proceso[0]);
  EXPECT_EQ(sel.back(), proceso[4]);
  EXPECT_FALSE(PuntosSerie(g, 1).empty());

  // A stream whose ends are no boundaries gives an empty stretch.
  d.m_corrientes.push_back(CCorriente(300.0, 301.0, 1.0, 1, 0));
  d.m_areas.push_back(CAreaIntegridad());
  d.m_areas[0].mostrada = 1;
  for (int i = 0; i < 4; ++i) d.m_corrientes[static_cast<std::size_t>(i)].m_area = 0;
  d.SeleccionarCorriente(4);
  GraficaGrandCompuesta(d, g, true, false);
  ASSERT_EQ(g.series.size(), 2u);
  EXPECT_TRUE(PuntosSerie(g, 1).empty());
}

TEST(GraficaGrandCompuesta, UtilitiesCurveAsTheProcessSeesIt) {
  // Steam at 473.15 K (20 kW) and water 278.15 -> 288.15 K (60 kW) cover the
  // four streams: their curve runs from 20 kW at the steam to 0, along 0 to
  // the water and out to 60 kW, within the process curve (20 at the top,
  // 60 at the bottom), as the fit test reads it.
  CDiagrama d = CuatroCorrientesConServicios(
      {ServicioLatente(473.15, 20, 0), ServicioSensible(278.15, 288.15, 60)});
  ASSERT_TRUE(d.ServiciosAjustanGrandCompuesta());
  CGrafica g;
  GraficaGrandCompuesta(d, g, false, true);
  ComprobarPuntos(PuntosSerie(g, 1), {{20, 468.15}, {0, 468.15}, {0, 293.15}, {60, 283.15}});
}

TEST(GraficaCompuestas, HotAndColdCurvesOfTheFourStreams) {
  CDiagrama d = CuatroCorrientes();
  CGrafica g;
  GraficaCompuestas(d, g, false);
  ComprobarSeries(g, {{"Curva caliente", 0, MakeRgb(170, 0, 0)},
                      {"Curva Fría", 0, MakeRgb(0, 0, 200)}});
  ComprobarTitulos(g, "H (kW)", "T (K)", "Curvas Compuestas", 2);
  // The hot curve starts at 0 kW at its lowest temperature; the cold one at
  // the minimum cold utility; the cold curve ends Qh beyond the hot one.
  ComprobarPuntos(PuntosSerie(g, 0), {{510, 443.15}, {450, 423.15}, {45, 333.15}, {0, 303.15}});
  ComprobarPuntos(PuntosSerie(g, 1),
                  {{530, 413.15}, {510, 408.15}, {180, 353.15}, {60, 293.15}});
}

TEST(GraficaCompuestas, TwoStreamProblemPointByPoint) {
  // Hot 450 -> 350 K m·cp 2, cold 340 -> 440 K m·cp 2, DT min 10: no
  // utility is needed, the curves lie 10 K apart.
  CDiagrama d;
  d.AddCorriente(450.0, 350.0, 2.0, 0, 0);
  d.AddCorriente(340.0, 440.0, 2.0, 1, 0);
  CGrafica g;
  GraficaCompuestas(d, g, true);  // selection 0: the hot stream
  ComprobarSeries(g, {{"Curva caliente", 0, MakeRgb(170, 0, 0)},
                      {"Seleccionada", 0, MakeRgb(80, 210, 60)},
                      {"Curva Fría", 0, MakeRgb(0, 0, 200)}});
  ComprobarPuntos(PuntosSerie(g, 0), {{200, 450}, {0, 350}});
  ComprobarPuntos(PuntosSerie(g, 1), {{200, 450}, {0, 350}});
  ComprobarPuntos(PuntosSerie(g, 2), {{200, 440}, {0, 340}});

  CGrafica gcc;
  GraficaGrandCompuesta(d, gcc, false, false);
  ComprobarPuntos(PuntosSerie(gcc, 0), {{0, 445}, {0, 345}});
}

TEST(GraficaCompuestas, OnlyColdStreamsStartWithTheColdCurve) {
  CDiagrama d;
  d.AddCorriente(300.0, 400.0, 1.0, 1, 0);
  CGrafica g;
  GraficaCompuestas(d, g, false);
  ComprobarSeries(g, {{"Curva Fría", 0, MakeRgb(0, 0, 200)}});
  // The cold curve starts at the whole problem's cold utility: 0 here.
  ComprobarPuntos(PuntosSerie(g, 0), {{100, 400}, {0, 300}});
}

TEST(GraficaCompuestas, NoStreamsKeepsThePreviousChartButItsCaptions) {
  CDiagrama d;
  CGrafica g;
  g.decimales = 3;
  g.Inicializar("Anterior", 1, MakeRgb(1, 2, 3));
  g.AddPunto(5, 6);
  GraficaCompuestas(d, g, false);
  ASSERT_EQ(g.series.size(), 1u);
  EXPECT_EQ(g.series[0].etiqueta, "Anterior");
  EXPECT_EQ(g.puntos.size(), 1u);
  EXPECT_EQ(g.decimales, 3);
  EXPECT_EQ(g.titulo, "Curvas Compuestas");
}

TEST(GraficaCompuestasServicios, UtilitiesJoinTheCurvesOfTheirKind) {
  CDiagrama d = CuatroCorrientes();
  // Steam at 450 K covering the 20 kW of heating, cooling water 283.15 ->
  // 303.15 K taking 60 kW.
  d.m_servicios.resize(2);
  static_cast<CCorriente&>(d.m_servicios[0]) = CCorriente(450.0, 450.0, -1.0, 0, 1);
  d.m_servicios[0].m_carga = 20.0;
  static_cast<CCorriente&>(d.m_servicios[1]) = CCorriente(283.15, 303.15, 1.0, 1, 0);
  d.m_servicios[1].NormalizarEntalpia();
  d.m_servicios[1].m_carga = 60.0;
  d.SeleccionarCorriente(kRefServicio + 1);

  CGrafica g;
  GraficaCompuestasServicios(d, g, true);
  ComprobarSeries(g, {{"Curva caliente", 0, MakeRgb(170, 0, 0)},
                      {"Curva Fría", 0, MakeRgb(0, 0, 200)},
                      {"Seleccionada", 0, MakeRgb(80, 210, 60)}});
  ComprobarTitulos(g, "H (kW)", "T (K)", "Curvas Compuestas con Servicios", 2);
  const auto cal = PuntosSerie(g, 0);
  const auto fria = PuntosSerie(g, 1);
  // The hot curve now holds 530 kW, topped by the steam at 450 K.
  EXPECT_NEAR(cal.front().x, 53000, 1);
  EXPECT_NEAR(cal.front().y, 45000, 1);
  // The utilities cover the problem: the cold curve starts at 0 kW and also
  // ends at 530 kW; the selected water is its lowest stretch.
  EXPECT_EQ(fria.back().x, 0);
  EXPECT_NEAR(fria.front().x, 53000, 1);
  const auto sel = PuntosSerie(g, 2);
  ASSERT_EQ(sel.size(), 3u);  // 308.15, 298.15 and 288.15 shifted
  EXPECT_EQ(sel.back(), fria.back());
  EXPECT_NEAR(sel.front().x, 8000, 1);  // the water and 10 K of C1
  EXPECT_NEAR(sel.front().y, 30315, 1);
}

TEST(GraficasCompuestas, LeaveTheModelAsTheyFoundIt) {
  CDiagrama d = CuatroCorrientes();
  d.m_servicios.resize(1);
  static_cast<CCorriente&>(d.m_servicios[0]) = CCorriente(450.0, 450.0, -1.0, 0, 1);
  d.m_servicios[0].m_carga = 20.0;
  d.SeleccionarCorriente(2);
  const auto antes = Fotografiar(d);
  CGrafica g;
  GraficaGrandCompuesta(d, g, true, true);
  EXPECT_TRUE(Fotografiar(d) == antes);
  GraficaCompuestas(d, g, true);
  EXPECT_TRUE(Fotografiar(d) == antes);
  GraficaCompuestasServicios(d, g, true);
  EXPECT_TRUE(Fotografiar(d) == antes);
  EXPECT_EQ(d.GetNumCorrientes(), 4);
}

}  // namespace
}  // namespace vardo
