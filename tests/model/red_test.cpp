// Network calculation: propagation of the set values, stream completion,
// the undetermined-network failure, exchanger ordering and placement.
#include "model/red.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/constantes.h"
#include "model/diagrama.h"
#include "platform/core/uiport.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using namespace prueba;

using RedTest = ConPuertoUi;

TEST_F(RedTest, FourStreamDesignEndToEnd) {
  CDiagrama d = DisenoCuatroCorrientes();
  d.m_textoComprobacion = "informe anterior";
  EXPECT_EQ(CalcularRed(d), kRedSinAvisos);
  EXPECT_EQ(d.m_textoComprobacion, "");
  EXPECT_TRUE(ui.Log().empty());

  struct Esperado {
    double q, thi, tho, tci, tco;
  } esperado[] = {
      {240, 443.15, 363.15, 353.15, 413.15},  // E1
      {90, 423.15, 363.15, 353.15, 398.15},   // E2
      {20, 0, 0, 398.15, 408.15},             // heater: completes C1
      {90, 363.15, 333.15, 308.15, 353.15},   // E3
      {30, 363.15, 343.15, 293.15, 308.15},   // E4
      {60, 343.15, 303.15, 0, 0},             // cooler: completes H4
  };
  ASSERT_EQ(d.m_cambiadores.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    const CCambiador& c = d.m_cambiadores[i];
    const Esperado& e = esperado[i];
    EXPECT_EQ(c.calculado, 1) << i;
    EXPECT_NEAR(c.q, e.q, 1e-9) << i;
    if (c.ladoCaliente.ref != kRefGenerico) {
      EXPECT_NEAR(c.tEntradaCaliente, e.thi, 1e-9) << i;
      EXPECT_NEAR(c.tSalidaCaliente, e.tho, 1e-9) << i;
    }
    if (c.ladoFrio.ref != kRefGenerico) {
      EXPECT_NEAR(c.tEntradaFria, e.tci, 1e-9) << i;
      EXPECT_NEAR(c.tSalidaFria, e.tco, 1e-9) << i;
    }
    EXPECT_NEAR(c.tPinch, 358.15, 1e-9);
    EXPECT_EQ(c.dtMin, 10.0);
    EXPECT_TRUE(c.pinchesServicio.empty());
  }
  // Lists in descending outlet order; circles placed, markers settled.
  EXPECT_EQ(d.m_corrientes[0].m_cambiadores, (std::vector<std::uint32_t>{2, 1, 3, 4}));
  EXPECT_EQ(d.m_corrientes[3].m_cambiadores, (std::vector<std::uint32_t>{1, 4, 5}));
  for (const auto& s : d.m_corrientes) EXPECT_EQ(s.m_marcaOrden, 0);
}

TEST_F(RedTest, EmptyNetworkHasNothingToReport) {
  CDiagrama d;
  d.m_textoComprobacion = "viejo";
  EXPECT_EQ(CalcularRed(d), kRedSinAvisos);
  EXPECT_EQ(d.m_textoComprobacion, "");

  CDiagrama e = DisenoCuatroCorrientes();
  while (e.GetNumCambiadores() > 0) e.BorrarCambiador(0);
  EXPECT_EQ(CalcularRed(e), kRedSinAvisos);
  EXPECT_NEAR(e.m_cascada.front(), 20.0, 1e-9);  // targets recomputed
}

TEST_F(RedTest, CompletionOfAStreamOrUtility) {
  // Hot stream 500 → 300 K, m·cp 2: 400 kW. Two exchangers of 100 and 50 kW
  // leave 250 kW for the completing one.
  CDiagrama d;
  d.AddCorriente(500, 300, 2, 0, 0);
  d.AddCorriente(280, 480, 10, 1, 0);
  d.AddCambiador(kModoCompletarCaliente, 0, 1, 0, 0, kTipoExtremo, 0, kTipoExtremo, 0, 0, 0, 3, 0);
  d.AddCambiador(kModoQ, 0, 1, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, 100);
  d.AddCambiador(kModoQ, 0, -1, kTipoValor, 450, 0, 0, 0, 0, 0, 0, 1, 50);
  ReconstruirListas(d);
  CalcularRed(d);
  EXPECT_EQ(d.m_cambiadores[0].calculado, 1);
  EXPECT_NEAR(d.m_cambiadores[0].valorQ, 250.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[0].q, 250.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[0].tEntradaCaliente, 425.0, 1e-9);

  // A cold utility of load 120 completed by a cooler-side exchanger: the
  // cold-side value is the absolute load.
  CDiagrama u;
  u.AddCorriente(500, 300, 2, 0, 0);
  // The load is stored with a sign: the completion takes its size.
  u.m_servicios.push_back(ServicioSensible(290, 310, -120));
  u.AddCambiador(kModoQ, 0, kRefServicio, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 20);
  u.AddCambiador(kModoCompletarFria, 0, kRefServicio, kTipoCambiador, 0, 0, 0, 0, 0, kTipoExtremo, 0, 2, 0);
  ReconstruirListas(u);
  CalcularRed(u);
  EXPECT_EQ(u.m_cambiadores[1].calculado, 1);
  EXPECT_NEAR(u.m_cambiadores[1].q, 100.0, 1e-9);
  EXPECT_NEAR(u.m_cambiadores[1].tEntradaCaliente, 490.0, 1e-9);
}

const char* const kFalloCabecera =
    "Las especificaciones no son correctas: dejan algunos parámetros indeterminados, y no se pudo "
    "completar el cálculo.\n\nNo se pudo calcular los siguientes cambiadores:";
const char* const kFalloPie =
    "\n\nCompruebe lo siguiente:\n\n\t-Especificaciones de entalpía para completar.\n\n\t-"
    "Especificaciones de temperatura igual a la de otro cambiador.";

TEST_F(RedTest, MutualReferencesFailWithTheirNumbers) {
  CDiagrama d;
  d.AddCorriente(500, 300, 2, 0, 0);
  d.AddCorriente(280, 480, 10, 1, 0);
  d.AddCambiador(kModoQ, 0, 1, kTipoValor, 480, 0, 0, kTipoExtremo, 0, 0, 0, 1, 10);
  d.AddCambiador(kModoQ, 0, 1, kTipoCambiador, 2, 0, 0, kTipoExtremo, 0, 0, 0, 1, 10);
  d.AddCambiador(kModoQ, 0, 1, kTipoCambiador, 1, 0, 0, kTipoExtremo, 0, 0, 0, 1, 10);
  ReconstruirListas(d);
  d.m_textoComprobacion = "Advertencias:\n\tinforme anterior";

  const std::int32_t r = CalcularRed(d);
  EXPECT_EQ(r, kRedIndeterminada);
  EXPECT_NE(r, 0);  // not "errors at exchanger 0"
  const std::string texto = std::string(kFalloCabecera) + "2  3  " + kFalloPie;
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], texto);
  EXPECT_EQ(d.m_textoComprobacion, texto);
  EXPECT_EQ(d.m_cambiadores[0].calculado, 1);  // nothing is rolled back
  EXPECT_EQ(d.m_cambiadores[1].calculado, 0);
}

TEST_F(RedTest, UndeterminedSetValuesAreListedNotFollowed) {
  // Kind-4 values that name no exchanger, and completions of a generic side.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  CDiagrama d;
  d.AddCorriente(500, 300, 2, 0, 0);
  d.AddCorriente(280, 480, 10, 1, 0);
  d.AddCambiador(kModoQ, 0, 1, kTipoCambiador, 7, 0, 0, kTipoExtremo, 0, 0, 0, 1, 10);
  d.AddCambiador(kModoQ, 0, 1, kTipoCambiador, -1, 0, 0, kTipoExtremo, 0, 0, 0, 1, 10);
  d.AddCambiador(kModoQ, 0, 1, kTipoExtremo, 0, 0, 0, kTipoCambiador, nan, 0, 0, 1, 10);
  d.AddCambiador(kModoQ, 0, 1, kTipoExtremo, 0, 0, 0, kTipoCambiador, 1e300, 0, 0, 1, 10);
  d.AddCambiador(kModoCompletarCaliente, -1, 1, 0, 0, 0, 0, kTipoExtremo, 0, 0, 0, 3, 0);
  d.AddCambiador(kModoCompletarFria, 0, -1, kTipoExtremo, 0, 0, 0, 0, 0, 0, 0, 2, 0);
  d.AddCambiador(kModoQ, 0, 1, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 10);
  ReconstruirListas(d);
  EXPECT_EQ(CalcularRed(d), kRedIndeterminada);
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], std::string(kFalloCabecera) + "1  2  3  4  5  6  " + kFalloPie);
  EXPECT_EQ(d.m_cambiadores[6].calculado, 1);
}

// A chain of n coolers on one stream, each taking its hot inlet from the next
// one's outlet: the last is calculated first, then one more per pass, so the
// chain needs n - 1 passes.
CDiagrama Cadena(int n) {
  CDiagrama d;
  d.AddCorriente(1000, 300, 10, 0, 0);
  for (int i = 0; i < n - 1; ++i)
    d.AddCambiador(kModoQ, 0, -1, kTipoCambiador, i + 1, 0, 0, 0, 0, 0, 0, 1, 0.1);
  d.AddCambiador(kModoQ, 0, -1, kTipoValor, 900, 0, 0, 0, 0, 0, 0, 1, 0.1);
  ReconstruirListas(d);
  return d;
}

TEST_F(RedTest, AtMostFiveHundredPassesSucceed) {
  CDiagrama bien = Cadena(501);  // 500 passes
  EXPECT_NE(CalcularRed(bien), kRedIndeterminada);
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_NEAR(bien.m_cambiadores[0].tEntradaCaliente, 900.0 - 500 * 0.01, 1e-6);

  CDiagrama mal = Cadena(502);  // 501 passes: the last one is discarded
  EXPECT_EQ(CalcularRed(mal), kRedIndeterminada);
  EXPECT_EQ(ui.Messages().size(), 1u);
}

TEST_F(RedTest, UtilityPinchesReachEveryExchanger) {
  CDiagrama d = DisenoCuatroCorrientes();
  for (auto& c : d.m_cambiadores) c.pinchesServicio = {1.0, 2.0};
  CalcularRed(d);
  for (const auto& c : d.m_cambiadores) EXPECT_TRUE(c.pinchesServicio.empty());
}

// ------------------------------------------------------------------ ordering

struct Orden : ::testing::Test {
  CDiagrama d;
  // Cold stream 0 and hot stream 1 on rows of the default grid; four
  // exchangers between them with the given outlets (pinch 400, DT min 10:
  // cold pinch 395, hot pinch 405).
  void SetUp() override {
    d.AddCorriente(300, 500, 1, 1, 0);
    d.AddCorriente(500, 300, 1, 0, 0);
    d.m_corrientes[0].m_rect = Rect{1500, -2000, 19500, -3000};
    d.m_corrientes[1].m_rect = Rect{1500, -3000, 19500, -4000};
    d.m_tPinch = 400;
    d.m_dtMin = 10;
    const double tco[] = {380, 420, 410, 390};
    const double tho[] = {430, 405, 450, 400};
    for (int i = 0; i < 4; ++i) {
      d.AddCambiador(kModoQ, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0);
      d.m_cambiadores.back().tSalidaFria = tco[i];
      d.m_cambiadores.back().tSalidaCaliente = tho[i];
    }
    ReconstruirListas(d);
  }
  std::vector<std::int32_t> Lefts(bool fria) {
    std::vector<std::int32_t> v;
    for (std::uint32_t k : d.m_corrientes[fria ? 0 : 1].m_cambiadores) {
      const CCambiador& c = d.m_cambiadores[k];
      v.push_back(fria ? c.rectFrio.left : c.rectCaliente.left);
    }
    return v;
  }
};

TEST_F(Orden, FullPlacementByPinchRegionThenRecentring) {
  ASSERT_EQ(d.m_corrientes[0].m_marcaOrden, 2);
  OrdenarCambiadores(d);
  EXPECT_EQ(d.m_corrientes[0].m_cambiadores, (std::vector<std::uint32_t>{1, 2, 3, 0}));
  EXPECT_EQ(d.m_corrientes[1].m_cambiadores, (std::vector<std::uint32_t>{2, 0, 1, 3}));
  // Above the pinch from column 5500; below from 5500 + 4W/8 = 14500.
  EXPECT_EQ(Lefts(true), (std::vector<std::int32_t>{5500, 7500, 14500, 16500}));
  // A hot outlet exactly at the hot pinch counts as above it.
  EXPECT_EQ(Lefts(false), (std::vector<std::int32_t>{5500, 7500, 9500, 14500}));
  const CCambiador& c = d.m_cambiadores[1];
  // Row centre -2500; top = -2500 + 50·6.5, bottom = top - 100·6.5.
  EXPECT_EQ(c.rectFrio, (Rect{5500, -2175, 6150, -2825}));
  EXPECT_EQ(c.rectCaliente, (Rect{9500, -3175, 10150, -3825}));
  EXPECT_EQ(d.m_corrientes[0].m_marcaOrden, 3);

  OrdenarCambiadores(d);  // second full placement
  EXPECT_EQ(d.m_corrientes[0].m_marcaOrden, 0);
  EXPECT_EQ(Lefts(true), (std::vector<std::int32_t>{5500, 7500, 14500, 16500}));

  // Marker 0: only the vertical place follows the row.
  d.m_corrientes[0].m_rect = Rect{1500, -5000, 19500, -6000};
  d.m_cambiadores[1].rectFrio.left = 8000;
  d.m_cambiadores[1].rectFrio.right = 8651;
  OrdenarCambiadores(d);
  EXPECT_EQ(d.m_cambiadores[1].rectFrio, (Rect{8000, -5175, 8650, -5825}));
}

TEST_F(Orden, MarkerOneSettlesWhenTheOrderHolds) {
  OrdenarCambiadores(d);
  OrdenarCambiadores(d);
  d.m_corrientes[0].m_marcaOrden = 1;
  OrdenarCambiadores(d);  // unchanged list: recentring only
  EXPECT_EQ(d.m_corrientes[0].m_marcaOrden, 0);

  d.m_corrientes[0].m_marcaOrden = 1;
  d.m_cambiadores[0].tSalidaFria = 430;  // now first on the cold stream
  OrdenarCambiadores(d);
  EXPECT_EQ(d.m_corrientes[0].m_cambiadores, (std::vector<std::uint32_t>{0, 1, 2, 3}));
  EXPECT_EQ(d.m_corrientes[0].m_marcaOrden, 3);  // changed: full placement
}

TEST_F(Orden, EqualKeysKeepTheirOrderAndLatentListsStay) {
  for (auto& c : d.m_cambiadores) c.tSalidaCaliente = 400;
  d.m_cambiadores[2].tSalidaCaliente = 450;
  d.m_corrientes[1].m_cambiadores = {3, 0, 2, 1};
  OrdenarCambiadores(d);
  EXPECT_EQ(d.m_corrientes[1].m_cambiadores, (std::vector<std::uint32_t>{2, 3, 0, 1}));

  for (auto& c : d.m_cambiadores) c.tSalidaFria = 350;
  d.m_corrientes[0].m_cambiadores = {2, 0, 3, 1};
  OrdenarCambiadores(d);
  EXPECT_EQ(d.m_corrientes[0].m_cambiadores, (std::vector<std::uint32_t>{2, 0, 3, 1}));

  d.m_corrientes[0].m_latente = 1;
  d.m_cambiadores[1].tSalidaFria = 500;
  OrdenarCambiadores(d);
  EXPECT_EQ(d.m_corrientes[0].m_cambiadores, (std::vector<std::uint32_t>{2, 0, 3, 1}));
}

TEST_F(Orden, HiddenEndsAndCirclesKeptInTheRow) {
  OrdenarCambiadores(d);
  OrdenarCambiadores(d);
  // An area is shown and the cold stream is not in it: its ends are parked.
  d.AddArea("Area 1", 0);
  d.m_areas[0].mostrada = 1;
  d.m_corrientes[1].m_area = 0;
  OrdenarCambiadores(d);
  for (const auto& c : d.m_cambiadores) {
    EXPECT_EQ(c.rectFrio.top, 1000);
    EXPECT_EQ(c.rectFrio.bottom, 1000);
    EXPECT_NE(c.rectCaliente.top, 1000);
  }

  // A narrow row: a circle that would run past its right edge is moved back.
  d.m_areas[0].mostrada = 0;
  d.m_corrientes[1].m_rect = Rect{1500, -3000, 8000, -4000};
  d.m_corrientes[1].m_marcaOrden = 2;
  OrdenarCambiadores(d);
  for (std::uint32_t k : d.m_corrientes[1].m_cambiadores) {
    const Rect& r = d.m_cambiadores[k].rectCaliente;
    EXPECT_GE(r.left, 1500);
    EXPECT_LE(r.right, 8000);
  }
}

TEST(OrdenSinCambiadores, PlacementDoesNothing) {
  CDiagrama d;
  d.AddCorriente(300, 500, 1, 1, 0);
  d.m_corrientes[0].m_marcaOrden = 2;
  d.m_corrientes[0].m_cambiadores = {5};  // a stale entry names no exchanger
  OrdenarCambiadores(d);
  EXPECT_EQ(d.m_corrientes[0].m_cambiadores, (std::vector<std::uint32_t>{5}));
  EXPECT_EQ(d.m_corrientes[0].m_marcaOrden, 2);
}

}  // namespace
}  // namespace vardo
