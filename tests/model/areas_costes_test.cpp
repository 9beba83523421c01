// Installed area, capital cost and cross-pinch heat of the exchangers of a
// calculated network.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/constantes.h"
#include "model/diagrama.h"
#include "model/red.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using namespace prueba;

// Stream 1 hot 500 → 300 K, stream 2 cold 300 → 500 K, both m·cp 2 and film
// coefficient 2; one exchanger with the given results.
CDiagrama UnCambiador(std::int32_t caliente, std::int32_t fria, double thi, double tho, double tci,
                      double tco, double q) {
  CDiagrama d;
  d.AddCorriente(500, 300, 2, 0, 0);
  d.AddCorriente(300, 500, 2, 1, 0);
  d.AddCambiador(kModoQ, caliente, fria, 0, 0, 0, 0, 0, 0, 0, 0, 1, q);
  CCambiador& c = d.m_cambiadores.back();
  c.tEntradaCaliente = thi;
  c.tSalidaCaliente = tho;
  c.tEntradaFria = tci;
  c.tSalidaFria = tco;
  c.q = q;
  return d;
}

TEST(AreaCambiador, MeanTemperatureDifferenceCases) {
  const double ln = std::log(0.5);
  struct Caso {
    const char* nombre;
    double thi, tho, tci, tco, q, area;
  } casos[] = {
      // U = 1/(1/2 + 1/2) = 1 kW/(m²·K).
      {"equal end differences", 450, 420, 400, 430, 60, 60.0 / 20.0},
      {"different ends", 450, 410, 400, 420, 40, 40.0 / ((30.0 - 10.0) / std::log(3.0))},
      {"both ends reversed", 400, 380, 400, 410, 30, 30.0 / std::fabs((-10.0 + 20.0) / ln)},
      {"ends of opposite signs", 450, 380, 400, 430, 60, 0.0},
      {"one end zero", 450, 400, 400, 430, 60, 0.0},
      {"both ends zero", 430, 400, 400, 430, 60, 0.0},
      {"negligible duty", 450, 420, 400, 430, 0.000001, 0.0},
  };
  for (const Caso& k : casos) {
    const CDiagrama d = UnCambiador(0, 1, k.thi, k.tho, k.tci, k.tco, k.q);
    const double a = AreaCambiador(d, 0);
    EXPECT_TRUE(std::isfinite(a)) << k.nombre;
    EXPECT_NEAR(a, k.area, 1e-9) << k.nombre;
  }
  EXPECT_EQ(AreaCambiador(UnCambiador(0, 1, 450, 420, 400, 430, 60), 1), 0.0);  // no exchanger 1
}

TEST(AreaCambiador, GenericSidesUseTheGenericUtilities) {
  // A heater: hot side at the generic hot utility (500 K, h = 4).
  CDiagrama d = UnCambiador(-1, 1, 0, 0, 300, 350, 100);
  d.m_tCalienteGenerico = 500;
  d.m_hCalienteGenerico = 4;
  const double lmtd = (150.0 - 200.0) / std::log(150.0 / 200.0);
  EXPECT_NEAR(AreaCambiador(d, 0), 100.0 / (lmtd / (1.0 / 4 + 1.0 / 2)), 1e-9);

  // A cooler against the generic cold utility (280 K, h = 1).
  CDiagrama e = UnCambiador(0, -1, 400, 350, 0, 0, 100);
  e.m_tFrioGenerico = 280;
  e.m_hFrioGenerico = 1;
  const double lmtd2 = (120.0 - 70.0) / std::log(120.0 / 70.0);
  EXPECT_NEAR(AreaCambiador(e, 0), 100.0 / (lmtd2 / (1.0 / 2 + 1.0 / 1)), 1e-9);
}

// Capital cost with the default laws (4600 + 920·A^0.7), one unit, 10 years
// at 5 % and Lang factor 3.4.
double CosteDefecto(double area) {
  double suma = 0.0;
  for (int i = 0; i < 10; ++i) suma += std::pow(1.05, i);
  return 3.4 * suma * (4600.0 + 920.0 * std::pow(area, 0.7)) / 10.0;
}

TEST(CosteCambiadores, TwoStreamExchangerCostsItsArea) {
  // 100 kW, both end differences 100 K: 1 m².
  CDiagrama d = UnCambiador(0, 1, 450, 400, 300, 350, 100);
  EXPECT_NEAR(AreaCambiador(d, 0), 1.0, 1e-12);
  EXPECT_NEAR(CosteCambiadores(d, 0), CosteDefecto(1.0), 1e-6);

  // A degenerate law on the cold stream gives the factor 1: the same cost.
  d.m_corrientes[1].m_b = 0;
  d.m_corrientes[1].m_c = 0;
  const double c = CosteCambiadores(d, 0);
  EXPECT_TRUE(std::isfinite(c));
  EXPECT_NEAR(c, CosteDefecto(1.0), 1e-6);

  EXPECT_EQ(CosteCambiadores(UnCambiador(0, 1, 450, 400, 300, 350, 0.000001), 0), 0.0);
  EXPECT_EQ(CosteCambiadores(d, 5), 0.0);
}

TEST(CosteCambiadores, ScratchNetworkHoldsTheCutSides) {
  CDiagrama d = UnCambiador(0, 1, 450, 400, 300, 350, 100);
  d.AddArea("A", 0);
  d.m_areas[0].mostrada = 1;
  d.m_corrientes[0].m_area = 0;
  d.m_amortizacion = 7;
  d.m_tCalienteGenerico = 510;
  const CDiagrama red = RedDeCambiador(d, 0);
  ASSERT_EQ(red.m_corrientes.size(), 2u);
  EXPECT_TRUE(red.m_servicios.empty());
  EXPECT_TRUE(red.m_areas.empty());
  EXPECT_TRUE(red.m_cambiadores.empty());
  const CCorriente& h = red.m_corrientes[0];
  EXPECT_EQ(h.m_T, (std::vector<double>{450, 400}));
  EXPECT_EQ(h.m_H, (std::vector<double>{0, -100}));
  EXPECT_EQ(h.m_fria, 0);
  EXPECT_EQ(red.m_corrientes[1].m_T, (std::vector<double>{300, 350}));
  EXPECT_EQ(red.m_corrientes[1].m_H, (std::vector<double>{0, 100}));
  EXPECT_EQ(red.m_amortizacion, 7);
  EXPECT_EQ(red.m_tCalienteGenerico, 510);
  EXPECT_EQ(red.m_dtMin, d.m_dtMin);

  // A utility side stays a utility: its curve normalised, its load the heat
  // (a latent utility's heat is the duty).
  d.m_servicios.push_back(ServicioLatente(520, 300, 0));
  d.ConectarCaliente(kRefServicio, 0, 0);
  d.m_cambiadores[0].tEntradaCaliente = d.m_cambiadores[0].tSalidaCaliente = 520;
  const CDiagrama red2 = RedDeCambiador(d, 0);
  ASSERT_EQ(red2.m_servicios.size(), 1u);
  ASSERT_EQ(red2.m_corrientes.size(), 1u);
  EXPECT_EQ(red2.m_servicios[0].m_carga, 100);
  EXPECT_NEAR(red2.m_servicios[0].GetH(kTSentinel, 1), -100, 1e-12);
  EXPECT_TRUE(std::isfinite(CosteCambiadores(d, 0)));

  // The live network is left as it was.
  EXPECT_EQ(d.m_corrientes[0].m_T, (std::vector<double>{500, 300}));
  EXPECT_EQ(d.m_servicios[0].m_carga, 300);
  EXPECT_EQ(d.m_areas[0].mostrada, 1);
  EXPECT_EQ(d.m_cambiadores[0].ladoCaliente.ref, kRefServicio);
  EXPECT_EQ(d.m_amortizacion, 7);
}

// The four-stream design of the network-calculation tests (pinch 363.15 /
// 353.15 K, 20 kW heating, 60 kW cooling), with the generic utilities at
// 473.15 K and 283.15 K.
CDiagrama DisenoConGenericos() {
  CDiagrama d = DisenoCuatroCorrientes();
  d.m_tCalienteGenerico = 473.15;
  d.m_tFrioGenerico = 283.15;
  return d;
}

double Lmtd(double a, double b) { return a == b ? a : (a - b) / std::log(a / b); }

TEST(AreasCostes, FourStreamDesign) {
  CDiagrama d = DisenoConGenericos();
  ASSERT_EQ(CalcularRed(d), kRedSinAvisos);
  // U = 1 everywhere (all film coefficients 2).
  const double area[] = {240 / Lmtd(30, 10), 90 / Lmtd(25, 10), 20 / Lmtd(65, 75),
                         90 / Lmtd(10, 25),  30 / Lmtd(55, 50), 60 / Lmtd(60, 20)};
  double total = 0.0;
  for (int i = 0; i < 6; ++i) {
    EXPECT_NEAR(AreaCambiador(d, i), area[i], 1e-9) << i;
    total += AreaCambiador(d, i);
  }
  EXPECT_NEAR(total, 13.1833 + 5.4979 + 0.2861 + 5.4979 + 0.5719 + 1.6479, 1e-3);

  // Each exchanger alone is a balanced match within DT min, so its cost is
  // the default law at its own area.
  const std::vector<double> antes = d.m_cascada;
  for (int i = 0; i < 6; ++i)
    EXPECT_NEAR(CosteCambiadores(d, i), CosteDefecto(area[i]), 1e-6 * CosteDefecto(area[i])) << i;
  EXPECT_EQ(d.m_cascada, antes);

  // The pinch design moves no heat across the pinch.
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(CalorCrucePinch(d, i), 0.0, 1e-6) << i;
}

// A heater of the design while the generic temperatures are still unset:
// its hot side stands at the hottest shifted interval plus DT min (438.15 +
// 10 K), as the unit and area targets would fix it, whatever ran before;
// 20 kW from 398.15 to 408.15 K over 40 and 50 K gives 0.446 m².
TEST(AreasCostes, HeaterBeforeTheGenericTemperaturesAreSet) {
  struct Caso {
    const char* nombre;
    void (*antes)(CDiagrama&);
  };
  const Caso casos[] = {
      {"nothing", [](CDiagrama&) {}},
      {"the cost of the heater", [](CDiagrama& d) { CosteCambiadores(d, 2); }},
      {"the unit target", [](CDiagrama& d) { d.CalcularNMinCambiadores(0); }},
      {"the area target", [](CDiagrama& d) { d.CalcularAreaMinima(1); }},
      {"the capital-cost target", [](CDiagrama& d) { d.CosteInmovilizado(1); }},
  };
  const double area = 20 / Lmtd(40, 50);
  ASSERT_NEAR(area, 0.446, 5e-4);
  for (const auto& c : casos) {
    CDiagrama d = DisenoCuatroCorrientes();
    ASSERT_EQ(d.m_tCalienteGenerico, kTSentinel);
    ASSERT_EQ(CalcularRed(d), kRedSinAvisos) << c.nombre;
    c.antes(d);
    EXPECT_NEAR(AreaCambiador(d, 2), area, 1e-9) << c.nombre;
    EXPECT_NEAR(CosteCambiadores(d, 2), CosteDefecto(area), 1e-6 * CosteDefecto(area)) << c.nombre;
    // The cooler likewise, its cold side at the coldest shifted interval
    // less DT min (288.15 K): 60 kW from 343.15 to 303.15 K.
    EXPECT_NEAR(AreaCambiador(d, 5), 60 / Lmtd(55, 15), 1e-9) << c.nombre;
  }
}

TEST(CalorCrucePinch, ClassifiesMatchesAgainstThePinch) {
  // Four-stream problem, hot pinch 363.15 K, cold pinch 353.15 K.
  CDiagrama d = DisenoConGenericos();
  while (d.GetNumCambiadores() > 0) d.BorrarCambiador(0);
  // H2 above the pinch to C1 below it: all 100 kW cross.
  d.AddCambiador(kModoQ, 1, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 100);
  // A heater on C1 below the pinch: 40 kW.
  d.AddCambiador(kModoQ, -1, 0, 0, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 40);
  // A cooler on H2 above the pinch: 60 kW.
  d.AddCambiador(kModoQ, 1, -1, kTipoExtremo, 0, 0, 0, 0, 0, 0, 0, 1, 60);
  // H4 393.15 → 363.15 against C3 from the pinch: 45 kW, no crossing.
  d.AddCambiador(kModoQ, 3, 2, kTipoValor, 393.15, 0, 0, kTipoPinch, 0, 0, 0, 1, 45);
  // H2 373.15 → 343.15 against C3 353.15 → 375.65: 90 kW, of which the hot
  // side gives 60 kW below the hot pinch.
  d.AddCambiador(kModoQ, 1, 2, kTipoValor, 373.15, 0, 0, kTipoPinch, 0, 0, 0, 1, 90);
  ReconstruirListas(d);
  CalcularRed(d);
  const double esperado[] = {100, 40, 60, 0, 60};
  for (int i = 0; i < 5; ++i) {
    d.m_cambiadores[static_cast<std::size_t>(i)].tPinch = 0;  // prepared again by the call
    EXPECT_NEAR(CalorCrucePinch(d, i), esperado[i], 1e-6) << i;
    EXPECT_NEAR(d.m_cambiadores[static_cast<std::size_t>(i)].tPinch, 358.15, 1e-9);
  }
  EXPECT_EQ(CalorCrucePinch(d, 9), 0.0);
}

TEST(CalorCrucePinch, UtilityPinchesOnlyWhileUtilitiesShown) {
  // A hot stream 500 → 300 K (m·cp 1) cooled by three latent cold utilities
  // at 445, 395 and 290 K: utility pinches at 450 and 400 K (shifted), below
  // the process pinch at 495 K. A cooler 480 → 380 K crosses both.
  CDiagrama d = TresServiciosFrios();
  d.AddCambiador(kModoQ, 0, -1, kTipoValor, 480, 0, 0, 0, 0, 0, 0, 1, 100);
  d.m_cambiadores[0].tEntradaCaliente = 480;
  d.m_cambiadores[0].tSalidaCaliente = 380;
  d.m_cambiadores[0].q = 100;

  EXPECT_EQ(CalorCrucePinch(d, 0), 0.0);  // utilities hidden: the list stays empty
  EXPECT_TRUE(d.m_cambiadores[0].pinchesServicio.empty());
  d.m_serviciosVisibles = 1;
  EXPECT_NEAR(CalorCrucePinch(d, 0), 100.0, 1e-9);
  ASSERT_EQ(d.m_cambiadores[0].pinchesServicio.size(), 2u);
  EXPECT_NEAR(d.m_cambiadores[0].pinchesServicio[0], 450, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[0].pinchesServicio[1], 400, 1e-9);
}

// Heat across the pinch below the heat tolerance (1e-5 kW) is rounding,
// not heat: it reads 0. The four-stream design with a load shift along its
// loop 2-5-2 leaves E2's cold inlet a hair off the cold pinch; an exchanger
// H4 393.15 K -> 363.15 - d K against C3 from the pinch crosses by 1.5 d kW
// (H4's m·cp), which counts from 1e-5 kW on.
TEST(CalorCrucePinch, BelowTheHeatToleranceIsNoHeat) {
  CDiagrama d = DisenoConCargaDesplazada();
  ASSERT_TRUE(Calculada(CalcularRed(d)));
  ASSERT_NE(d.m_cambiadores[1].q, 90.0);
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i) EXPECT_EQ(CalorCrucePinch(d, i), 0.0) << i;

  struct Caso {
    double exceso;  // K below the hot pinch
    double cruce;   // kW
  };
  for (const Caso& c : {Caso{1e-6, 0.0}, Caso{5e-6, 0.0}, Caso{1e-5, 1.5e-5}, Caso{1e-3, 1.5e-3},
                        Caso{10.0, 15.0}}) {
    SCOPED_TRACE(c.exceso);
    CDiagrama x = DisenoConGenericos();
    while (x.GetNumCambiadores() > 0) x.BorrarCambiador(0);
    x.AddCambiador(kModoQ, 3, 2, kTipoValor, 393.15, 0, 0, kTipoPinch, 0, 0, 0, 1,
                   1.5 * (30.0 + c.exceso));
    ReconstruirListas(x);
    CalcularRed(x);
    ASSERT_NEAR(x.m_cambiadores[0].tSalidaCaliente, 363.15 - c.exceso, 1e-9);
    if (c.cruce == 0.0)
      EXPECT_EQ(CalorCrucePinch(x, 0), 0.0);
    else
      EXPECT_NEAR(CalorCrucePinch(x, 0), c.cruce, 1e-9);
  }
}

}  // namespace
}  // namespace vardo
