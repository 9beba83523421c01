#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "app/core/charts/graficas.h"
#include "model/anillos.h"
#include "model/cambiador.h"
#include "model/red.h"
#include "platform/core/uiport.h"
#include "tests/app/core/charts/graficas_comun.h"

namespace vardo {
namespace {

using namespace prueba;

constexpr const char* kPregunta =
    "Las temperaturas de los servicios generales violan la diferencia de temperaturas mínima "
    "para el nuevo valor de ésta. ¿Desea actualizarlos?";

void Cerca(const Point& p, double x, double y, double tol = 1.0) {
  EXPECT_NEAR(p.x, x, tol);
  EXPECT_NEAR(p.y, y, tol);
}

// ---- Cost against the loop heat flow ----

// H 450 -> 350 K and C 340 -> 440 K, both m·cp 2: E1 (80 kW) at the hot
// ends, E2 (60 kW) after it on both streams, a cooler and a heater of 60 kW
// each on the generic utilities, or with serviciosDefinidos on steam at
// 500 K (S1, 80 $/(kW·año)) and water at 300 K (S2, 10 $/(kW·año)), shown.
// E1 and E2 form a loop; every shift keeps both matches exactly DT min apart
// at their ends.
CDiagrama RedConAnillo(bool serviciosDefinidos = false) {
  CDiagrama d;
  d.AddCorriente(450.0, 350.0, 2.0, 0, 0);
  d.AddCorriente(340.0, 440.0, 2.0, 1, 0);
  // A defined utility's side starts at the utility's own temperature.
  std::int32_t vapor = kRefGenerico, agua = kRefGenerico, entradaServicio = kTipoNinguno;
  if (serviciosDefinidos) {
    d.m_servicios = {ServicioLatente(500.0, 60.0, 0, 80.0), ServicioLatente(300.0, 60.0, 1, 10.0)};
    d.m_serviciosVisibles = 1;
    vapor = kRefServicio;
    agua = kRefServicio + 1;
    entradaServicio = kTipoExtremo;
  }
  d.AddCambiador(kModoQ, 0, 1, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, 80);
  d.AddCambiador(kModoQ, 0, 1, kTipoCambiador, 0, 0, 0, 0, 0, kTipoCambiador, 0, 1, 60);
  d.AddCambiador(kModoCompletarCaliente, 0, agua, kTipoCambiador, 1, 0, 0, entradaServicio, 0, 0,
                 0, 3, 0);
  d.AddCambiador(kModoCompletarFria, vapor, 1, entradaServicio, 0, 0, 0, kTipoExtremo, 0,
                 kTipoCambiador, 1, 2, 0);
  ReconstruirListas(d);
  d.CalcularObjetivos();
  EXPECT_GE(CalcularRed(d), kRedSoloAvisos);
  EXPECT_LT(CalcularRed(d), 0);
  // The loop E1, E2, E1.
  CargarCadena(d, {0, 1, 0}, kLazoAnillo);
  return d;
}

TEST(GraficaCostesAnillo, CostsOverTheShiftedHeatFlow) {
  CDiagrama d = RedConAnillo();
  ASSERT_DOUBLE_EQ(d.m_anillo.minimoPar, 80.0);
  ASSERT_DOUBLE_EQ(d.m_anillo.minimoImpar, 60.0);
  const auto antes = Fotografiar(d);
  std::vector<double> duties;
  for (const CCambiador& c : d.m_cambiadores) duties.push_back(c.q);

  CGrafica g;
  EXPECT_EQ(GraficaCostesAnillo(d, g, 4), 0);
  EXPECT_TRUE(Fotografiar(d) == antes);
  for (std::size_t i = 0; i < duties.size(); ++i) EXPECT_DOUBLE_EQ(d.m_cambiadores[i].q, duties[i]);

  ComprobarSeries(g, {{"Inmovilizado", 1, kAzul},
                      {"Operación", 2, kRojo},
                      {"Totales", 0, kVerde}});
  ComprobarTitulos(g, "Flujo de calor (kJ)", "Coste ($)",
                   "Línea continua: Costes totales. Línea discontinua: Costes de inmovilizado. "
                   "Línea punteada: Costes de operación",
                   2);
  // q from -(80 - 1) by (79 + 59) / 4.
  const auto inm = PuntosSerie(g, 0);
  const auto op = PuntosSerie(g, 1);
  const auto tot = PuntosSerie(g, 2);
  ASSERT_EQ(inm.size(), 4u);
  ASSERT_EQ(op.size(), 4u);
  ASSERT_EQ(tot.size(), 4u);
  const double qs[] = {-79.0, -44.5, -10.0, 24.5};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(inm[k].x, ValorGrafica(qs[k], 2));
    EXPECT_EQ(op[k].x, inm[k].x);
    EXPECT_GT(inm[k].y, 0);
    // The heater and the cooler keep their 60 kW each at 50 $/(kW·año):
    // 6000 $/año whatever the loop carries.
    EXPECT_EQ(op[k].y, 600000);
    EXPECT_NEAR(tot[k].y, inm[k].y + op[k].y, 1);
  }
  // Moving load from E1 to E2 changes the capital cost.
  EXPECT_NE(inm.front().y, inm.back().y);

  // The capital point at q equals the cost of the network shifted once by q.
  CDiagrama una = RedConAnillo();
  RelajarAnillo(una, qs[2]);
  ASSERT_LT(CalcularRed(una), 0);
  double capital = 0.0;
  for (std::int32_t i = 0; i < una.GetNumCambiadores(); ++i) capital += CosteCambiadores(una, i);
  EXPECT_EQ(inm[2].y, ValorGrafica(capital, 2));
}

// The four-stream design at minimum utilities (heater 20 kW, cooler 60 kW,
// both at 50 $/(kW·año): 4000 $/año). Along the loop 2-5-2 (E2 90 kW, E5
// 30 kW, both H4-C1) the utilities keep their loads: only the capital moves
// (E2 cannot give much of its load to E5: those shifts fail and leave no
// point). Along the path 3-5-6 the heater and the cooler take q more each
// while E5 takes q less: the operating cost is 4000 + 100 q. Every point is
// on the chart as computed, none cut at the 32-bit limit, and at q = 0 the
// operating series reads the operating cost target.
TEST(GraficaCostesAnillo, MinimumEnergyDesignAlongALoopAndAPath) {
  struct Caso {
    const char* nombre;
    std::initializer_list<std::int32_t> cadena;
    std::int32_t clase;
    int puntos;        // a step of 1 kW from 1 - (smallest even duty)
    double pendiente;  // $/año of operating cost per kW shifted
  };
  const Caso casos[] = {
      {"anillo 2-5-2", {1, 4, 1}, kLazoAnillo, 118, 0.0},
      {"senda 3-5-6", {2, 4, 5}, kLazoSenda, 48, 100.0},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    CDiagrama d = DisenoCuatroCorrientes();
    d.CalcularObjetivos();
    ASSERT_TRUE(Calculada(CalcularRed(d)));
    CargarCadena(d, caso.cadena, caso.clase);
    ASSERT_DOUBLE_EQ(d.CosteOperacion(0), 4000.0);
    ASSERT_DOUBLE_EQ(d.m_anillo.minimoPar + d.m_anillo.minimoImpar - 2.0, caso.puntos);

    CGrafica g;
    const int fallidos = GraficaCostesAnillo(d, g, caso.puntos);
    EXPECT_EQ(g.decimales, 2);
    const auto inm = PuntosSerie(g, 0);
    const auto op = PuntosSerie(g, 1);
    const auto tot = PuntosSerie(g, 2);
    ASSERT_EQ(op.size(), static_cast<std::size_t>(caso.puntos - fallidos));
    ASSERT_GT(op.size(), 10u);
    ASSERT_EQ(inm.size(), op.size());
    ASSERT_EQ(tot.size(), op.size());
    std::set<std::int32_t> totales, operaciones;
    bool enCero = false;
    for (std::size_t k = 0; k < op.size(); ++k) {
      // Whole kilowatts: x is exactly q x 100.
      const double q = op[k].x / 100.0;
      ASSERT_EQ(q, std::trunc(q)) << k;
      EXPECT_EQ(inm[k].x, op[k].x);
      for (const auto* serie : {&inm, &op, &tot}) {
        EXPECT_LT((*serie)[k].y, std::numeric_limits<std::int32_t>::max()) << k;
        EXPECT_GT((*serie)[k].y, 0) << k;
      }
      EXPECT_EQ(op[k].y, ValorGrafica(4000.0 + caso.pendiente * q, 2)) << k;
      EXPECT_NEAR(tot[k].y, inm[k].y + op[k].y, 1) << k;
      if (op[k].x == 0) {
        enCero = true;
        EXPECT_EQ(op[k].y, ValorGrafica(d.CosteOperacion(0), 2));
      }
      totales.insert(tot[k].y);
      operaciones.insert(op[k].y);
    }
    EXPECT_TRUE(enCero);
    EXPECT_GT(totales.size(), 1u);
    EXPECT_EQ(operaciones.size() > 1, caso.pendiente != 0.0);
  }
}

// With the defined utilities shown, each heater and cooler costs its own
// utility's unit cost: 60 kW of steam at 80 and 60 kW of water at 10 $/(kW·año)
// are 5400 $/año at every heat flow of the loop.
TEST(GraficaCostesAnillo, DefinedUtilitiesCostTheirOwnUnitPrice) {
  CDiagrama d = RedConAnillo(true);
  CGrafica g;
  ASSERT_EQ(GraficaCostesAnillo(d, g, 4), 0);
  const auto op = PuntosSerie(g, 1);
  ASSERT_EQ(op.size(), 4u);
  for (const Point& p : op) EXPECT_EQ(p.y, 540000);
}

// Costs too large for two decimals in 32 bits are drawn with fewer, never
// cut at the limit; no count, no point.
TEST(GraficaCostesAnillo, LargeCostsTakeFewerDecimalsInsteadOfBeingCut) {
  struct Caso {
    double precio;  // $/(kW·año) of both generic utilities (120 kW in all)
    int decimales;
  };
  for (const Caso& caso : {Caso{50.0, 2}, Caso{1e6, 1}, Caso{1e7, 0}}) {
    SCOPED_TRACE(caso.precio);
    CDiagrama d = RedConAnillo();
    d.m_costeCaliente = caso.precio;
    d.m_costeFrio = caso.precio;
    CGrafica g;
    GraficaCostesAnillo(d, g, 2);
    EXPECT_EQ(g.decimales, caso.decimales);
    const auto op = PuntosSerie(g, 1);
    const auto tot = PuntosSerie(g, 2);
    ASSERT_EQ(op.size(), 2u);
    EXPECT_EQ(op[0].y, ValorGrafica(120.0 * caso.precio, caso.decimales));
    for (const Point& p : tot) EXPECT_LT(p.y, std::numeric_limits<std::int32_t>::max());
    // q from -79 by 69, in the same units.
    EXPECT_EQ(op[1].x, ValorGrafica(-10.0, caso.decimales));
  }
  CDiagrama d = RedConAnillo();
  CGrafica g;
  GraficaCostesAnillo(d, g, 0);
  EXPECT_EQ(g.series.size(), 3u);
  EXPECT_TRUE(g.puntos.empty());
}

TEST(GraficaCostesAnillo, FailedShiftsAreCountedQuietlyAndUndoneFromTheSnapshot) {
  CDiagrama d = RedConAnillo();
  // Shifts beyond what E1 holds: its duty is cut at 0 and E2 takes more than
  // the streams allow, so the network fails there.
  d.m_anillo.minimoPar = 300.0;
  const auto antes = Fotografiar(d);
  std::vector<double> duties;
  for (const CCambiador& c : d.m_cambiadores) duties.push_back(c.valorQ);
  RecordingUiPort ui;
  SetDefaultUiPort(&ui);
  CGrafica g;
  const int fallidos = GraficaCostesAnillo(d, g, 8);
  SetDefaultUiPort(nullptr);
  EXPECT_GT(fallidos, 0);
  EXPECT_EQ(static_cast<int>(PuntosSerie(g, 0).size()), 8 - fallidos);
  EXPECT_TRUE(ui.Log().empty());
  EXPECT_TRUE(Fotografiar(d) == antes);
  for (std::size_t i = 0; i < duties.size(); ++i)
    EXPECT_DOUBLE_EQ(d.m_cambiadores[i].valorQ, duties[i]) << i;
}

// ---- Available temperature difference ----

TEST(GraficaDTDisponible, HotAgainstColdTemperatureAtEqualHeat) {
  CDiagrama d = CuatroCorrientes();
  CGrafica g;
  RecordingUiPort ui;
  GraficaDTDisponible(d, g, Preguntas::NoPreguntar, ui);
  ComprobarSeries(g, {{"DT Disponible", 0, kAzul}, {"Separador", 1, MakeRgb(0, 200, 0)}});
  ComprobarTitulos(g, "T fría (K)", "T caliente (K)", "Diferencia de temperaturas disponible", 2);
  const auto p = PuntosSerie(g, 0);
  // Six boundaries on each curve (utility loads at 448.15 K and 288.15 K
  // included), each read on the other curve.
  ASSERT_EQ(p.size(), 12u);
  EXPECT_TRUE(std::is_sorted(p.begin(), p.end(), [](const Point& a, const Point& b) {
    return a.x != b.x ? a.x > b.x : a.y > b.y;
  }));
  EXPECT_EQ(p.front(), (Point{41315, 44815}));
  EXPECT_EQ(p.back(), (Point{28815, 30315}));
  // At the pinch the curves are DT min apart.
  EXPECT_NE(std::find(p.begin(), p.end(), Point{35315, 36315}), p.end());
  const auto s = PuntosSerie(g, 1);
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0], (Point{p.back().x, p.back().x}));
  EXPECT_EQ(s[1], (Point{p.front().x, p.front().x}));
  EXPECT_TRUE(ui.Log().empty());
}

// The axes set to the chart's own extremes, from the separator's start at
// 288.15 K to the hottest point at 448.15 K: the ticks read those
// temperatures.
TEST(GraficaDTDisponible, TickLabelsShowTheTemperatures) {
  CDiagrama d = CuatroCorrientes();
  CGrafica g;
  GraficaDTDisponible(d, g);
  g.Recalcular();
  const auto curva = PuntosSerie(g, 0);
  const auto separador = PuntosSerie(g, 1);
  ASSERT_EQ(separador.size(), 2u);
  ASSERT_TRUE(g.SetMargenes(separador[1].x, separador[0].x, curva.front().y, separador[0].y));
  auto Etiquetas = [&g](std::int32_t minimo, std::int32_t maximo, bool ejeX) {
    std::vector<std::string> out;
    for (const auto& m : g.Marcas(minimo, maximo, ejeX).marcas) out.push_back(m.etiqueta);
    return out;
  };
  EXPECT_EQ(Etiquetas(g.xMin, g.xMax, true),
            (std::vector<std::string>{"288.15", "308.15", "328.15", "348.15", "368.15", "388.15",
                                      "408.15"}));
  EXPECT_EQ(Etiquetas(g.yMin, g.yMax, false),
            (std::vector<std::string>{"288.15", "308.15", "328.15", "348.15", "368.15", "388.15",
                                      "408.15", "428.15", "448.15"}));
}

TEST(GraficaDTDisponible, OnlyTheExplicitCommandAsksAndUpdates) {
  struct Caso {
    const char* nombre;
    Preguntas preguntas;
    double tCal, tFrio;        // before
    std::vector<Answer> respuestas;
    std::size_t preguntasHechas;
    double tCalDespues, tFrioDespues;
  };
  const double sin = -10000.0;
  const Caso casos[] = {
      {"sinFijarPintando", Preguntas::NoPreguntar, sin, sin, {}, 0, sin, sin},
      {"sinFijarOrden", Preguntas::Preguntar, sin, sin, {}, 0, 448.15, 288.15},
      {"violanPintando", Preguntas::NoPreguntar, 440.0, 295.0, {}, 0, 440.0, 295.0},
      {"violanSi", Preguntas::Preguntar, 440.0, 295.0, {Answer::Yes}, 1, 448.15, 288.15},
      {"violanNo", Preguntas::Preguntar, 440.0, 295.0, {Answer::No}, 1, 440.0, 295.0},
      {"cumplen", Preguntas::Preguntar, 500.0, 250.0, {}, 0, 500.0, 250.0},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = CuatroCorrientes();
    d.m_tCalienteGenerico = c.tCal;
    d.m_tFrioGenerico = c.tFrio;
    const auto antes = Fotografiar(d);
    RecordingUiPort ui;
    for (Answer a : c.respuestas) ui.Script({a});
    CGrafica g;
    GraficaDTDisponible(d, g, c.preguntas, ui);
    ASSERT_EQ(ui.Log().size(), c.preguntasHechas);
    if (c.preguntasHechas) {
      EXPECT_EQ(ui.Log()[0].text, kPregunta);
    }
    EXPECT_NEAR(d.m_tCalienteGenerico, c.tCalDespues, 1e-9);
    EXPECT_NEAR(d.m_tFrioGenerico, c.tFrioDespues, 1e-9);
    if (c.preguntas == Preguntas::NoPreguntar) {
      EXPECT_TRUE(Fotografiar(d) == antes);
    }
    EXPECT_EQ(g.series.size(), 2u);
  }
}

TEST(GraficaDTDisponible, NoStreamsLeaveTheChartAsItWas) {
  CDiagrama d;
  CGrafica g;
  g.Inicializar("Anterior", 0, 0);
  g.AddPunto(1, 2);
  RecordingUiPort ui;
  GraficaDTDisponible(d, g, Preguntas::Preguntar, ui);
  ASSERT_EQ(g.series.size(), 1u);
  EXPECT_EQ(g.series[0].etiqueta, "Anterior");
  EXPECT_EQ(g.titulo, "Figura 1: título");
  EXPECT_TRUE(ui.Log().empty());
}

// ---- Chosen variables ----

TEST(GraficaPersonalizada, PointsPairTheTwoSweepsByDT) {
  CDiagrama d = CuatroCorrientes();
  const auto antes = Fotografiar(d);
  const auto cal = BarridoVariable(d, kVarCalefaccion, 1.0, 30.0, 6);
  const auto area = BarridoVariable(d, kVarAreaMin, 1.0, 30.0, 6);
  CGrafica g;
  ASSERT_TRUE(GraficaPersonalizada(d, g, 1.0, 30.0, 6, kVarCalefaccion, kVarAreaMin));
  EXPECT_TRUE(Fotografiar(d) == antes);
  ComprobarSeries(g, {{"titulo", 0, kAzul}});
  ComprobarTitulos(g, "Cal (kW)", "A (m2)", "A (m2) vs Cal (kW)", 2);
  ASSERT_EQ(g.NumPuntos(), 6);
  for (std::size_t k = 0; k < 6; ++k) {
    EXPECT_EQ(g.puntos[k].x, ValorGrafica(*cal[k], 2));
    EXPECT_EQ(g.puntos[k].y, ValorGrafica(*area[k], 2));
  }
}

TEST(GraficaPersonalizada, SameVariableGivesTheDiagonal) {
  CDiagrama d = CuatroCorrientes();
  CGrafica g;
  ASSERT_TRUE(GraficaPersonalizada(d, g, 1.0, 30.0, 5, kVarNMin, kVarNMin));
  EXPECT_EQ(g.titulo, "Num vs Num");
  ASSERT_EQ(g.NumPuntos(), 5);
  for (const Point& p : g.puntos) EXPECT_EQ(p.x, p.y);
}

TEST(GraficaPersonalizada, ADTMissingFromOneSweepGivesNoPoint) {
  // Without streams the area is 0 at every DT and left out: no pinch value
  // may be paired with another DT's area.
  CDiagrama d;
  CGrafica g;
  ASSERT_TRUE(GraficaPersonalizada(d, g, 1.0, 30.0, 4, kVarTPinch, kVarAreaMin));
  EXPECT_EQ(g.NumPuntos(), 0);
  const auto xs = BarridoVariable(d, kVarTPinch, 1.0, 30.0, 4);
  const auto ys = BarridoVariable(d, kVarAreaMin, 1.0, 30.0, 4);
  ASSERT_EQ(xs.size(), 4u);
  ASSERT_EQ(ys.size(), 4u);
  EXPECT_TRUE(std::none_of(ys.begin(), ys.end(), [](const auto& v) { return v.has_value(); }));
}

TEST(GraficaPersonalizada, UnknownVariableLeavesTheChart) {
  CDiagrama d = CuatroCorrientes();
  CGrafica g;
  for (auto [x, y] : {std::pair{-1, 0}, std::pair{0, 8}}) {
    EXPECT_FALSE(GraficaPersonalizada(d, g, 1.0, 30.0, 5, x, y));
    EXPECT_TRUE(g.series.empty());
  }
  const char* titulos[] = {"Cal (kW)", "Ref (kW)", "T pinch (K)", "Num",
                           "A (m2)",   "C Op ($)", "C In ($)",    "C Tot ($)"};
  for (int v = 0; v < kNumVariables; ++v) EXPECT_EQ(TituloVariable(v), titulos[v]);
}

// ---- Exergy ----

TEST(GraficaGrandCompuestaExergia, CarnotFactorAgainstTheCascade) {
  CDiagrama d = CuatroCorrientes();
  const auto antes = Fotografiar(d);
  CGrafica g;
  GraficaGrandCompuestaExergia(d, g, 3, true);  // no utilities: one series
  EXPECT_TRUE(Fotografiar(d) == antes);
  ComprobarSeries(g, {{"Proceso", 0, kAzul}});
  ComprobarTitulos(g, "H (kW)", "n", "Curvas Grand Compuestas de Exergía", 3);
  const auto p = PuntosSerie(g, 0);
  ASSERT_EQ(p.size(), 3u);  // 298.15, 368.15 and 438.15 K, both ends included
  Cerca(p[0], 60000, 17);
  Cerca(p[1], 15000, 204);
  Cerca(p[2], 20000, 331);

  GraficaGrandCompuestaExergia(d, g, 1, false);  // one point: no division by n - 1
  ASSERT_EQ(g.NumPuntos(), 1);
  Cerca(g.puntos[0], 60000, 17);
  GraficaGrandCompuestaExergia(d, g, 0, false);
  EXPECT_EQ(g.NumPuntos(), 0);

  // With T0 on a swept temperature the Carnot factor there is 0.
  d.m_tReferencia = 358.15;
  GraficaGrandCompuestaExergia(d, g, 15, false);  // step 10 K: 358.15 is the 7th
  EXPECT_NEAR(PuntosSerie(g, 0)[6].y, 0, 1);
  EXPECT_NEAR(PuntosSerie(g, 0)[6].x, 0, 1);
}

TEST(GraficaGrandCompuestaExergia, UtilitiesCurveAndTemperaturesAtOrBelowZero) {
  CDiagrama d;
  d.AddCorriente(-20.0, 50.0, 1.0, 1, 0);  // shifted -15 .. 55 K
  d.AddCorriente(80.0, 10.0, 0.5, 0, 0);
  d.m_servicios.resize(1);
  static_cast<CCorriente&>(d.m_servicios[0]) = CCorriente(100.0, 100.0, -1.0, 0, 1);
  d.m_servicios[0].m_carga = 30.0;
  CGrafica g;
  GraficaGrandCompuestaExergia(d, g, 21, true);
  ComprobarSeries(g, {{"Proceso", 0, kAzul}, {"Servicios", 0, kLila}});
  // The Carnot factor stays below 1: no point at 0 K or below.
  EXPECT_LT(PuntosSerie(g, 0).size(), 21u);
  for (const Point& p : g.puntos) EXPECT_LE(p.y, 1000);

  GraficaExergiaDisponible(d, g, 21, true);
  ComprobarSeries(g, {{"Process", 0, kAzul}, {"Utilities", 0, kLila}});
  for (const Point& p : g.puntos) EXPECT_GT(p.y, 0);
}

TEST(GraficaExergiaDisponible, HeatTimesCarnotFactorAgainstTemperature) {
  CDiagrama d = CuatroCorrientes();
  CGrafica g;
  GraficaExergiaDisponible(d, g, 3, false);
  ComprobarSeries(g, {{"Process", 0, kAzul}});
  ComprobarTitulos(g, "E (kW)", "T (K)", "Available Exergy Composite Curve", 2);
  const auto p = PuntosSerie(g, 0);
  ASSERT_EQ(p.size(), 3u);
  Cerca(p[0], 60 * (1 - 293 / 298.15) * 100, 29815, 1.5);
  Cerca(p[2], 20 * (1 - 293 / 438.15) * 100, 43815, 1.5);
}

TEST(GraficaCompuestasExergia, HotAndColdCurves) {
  CDiagrama d = CuatroCorrientes();
  const auto antes = Fotografiar(d);
  CGrafica g;
  GraficaCompuestasExergia(d, g, 2);
  EXPECT_TRUE(Fotografiar(d) == antes);
  ComprobarSeries(g, {{"Curva Caliente", 0, kRojo}, {"Curva Fría", 0, kAzul}});
  ComprobarTitulos(g, "H (kW)", "n", "Curvas Compuestas de Exergía", 3);
  const auto cal = PuntosSerie(g, 0);
  const auto fria = PuntosSerie(g, 1);
  ASSERT_EQ(cal.size(), 2u);
  ASSERT_EQ(fria.size(), 2u);
  // Hot: q = 0 at 303.15 K and 255 kW at 379.82 K.
  Cerca(cal[0], 0, 33);
  Cerca(cal[1], 255000, 228);
  // Cold: from the minimum cold utility, 60 kW at 293.15 K, then 235 kW on.
  Cerca(fria[0], 60000, 0);
  Cerca(fria[1], 295000, 213);

  // Only cold members: the cold curve comes first.
  CDiagrama frio;
  frio.AddCorriente(300.0, 400.0, 1.0, 1, 0);
  GraficaCompuestasExergia(frio, g, 4);
  ComprobarSeries(g, {{"Curva Fría", 0, kAzul}});
  EXPECT_EQ(g.NumPuntos(), 4);
}

}  // namespace
}  // namespace vardo
