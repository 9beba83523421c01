// Energy targets of the network object: intervals, cascade, pinch.
#include <gtest/gtest.h>

#include <vector>

#include "model/diagrama.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

struct Corriente {
  double T1, T2, valor;
  int fria, latente;
};

CDiagrama Problema(const std::vector<Corriente>& cs, double dtMin) {
  CDiagrama d;
  for (const Corriente& c : cs) d.AddCorriente(c.T1, c.T2, c.valor, c.fria, c.latente);
  d.SetDTMin(dtMin);
  return d;
}

using namespace prueba;

TEST(Objetivos, CuatroCorrientes) {
  CDiagrama d = CuatroCorrientesSinCalcular();
  d.CalcularObjetivos();
  ASSERT_EQ(d.m_numIntervalos, 6);
  ASSERT_EQ(d.m_temperaturas.size(), 6u);
  EXPECT_NEAR(d.m_cascada.front(), 20.0, 1e-9);  // minimum hot utility
  EXPECT_NEAR(d.m_cascada.back(), 60.0, 1e-9);   // minimum cold utility
  EXPECT_NEAR(d.m_tPinch, 358.15, 1e-9);         // 85 °C shifted
  const std::vector<double> Q = {0, -60, -2.5, 82.5, -75, 15};
  const std::vector<double> C = {20, 80, 82.5, 0, 75, 60};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_NEAR(d.m_calores[i], Q[i], 1e-9) << i;
    EXPECT_NEAR(d.m_cascada[i], C[i], 1e-9) << i;
  }
  // Real pinch temperatures: 90 °C hot, 80 °C cold.
  EXPECT_NEAR(d.m_tPinch + d.m_dtMin / 2, 363.15, 1e-9);
  EXPECT_NEAR(d.m_tPinch - d.m_dtMin / 2, 353.15, 1e-9);

  // Recomputed from scratch with another DT min; the old lists are replaced.
  d.SetDTMin(20);
  d.CalcularObjetivos();
  EXPECT_NEAR(d.m_cascada.front(), 65.0, 1e-9);
  EXPECT_NEAR(d.m_cascada.back(), 105.0, 1e-9);
  EXPECT_NEAR(d.m_tPinch, 363.15, 1e-9);  // 90 °C shifted
  EXPECT_EQ(d.m_calores.size(), d.m_temperaturas.size());
}

struct CasoDiagrama {
  const char* nombre;
  std::vector<Corriente> corrientes;
  std::vector<double> T, Q, C;
  double pinch;
};

class ObjetivosEjemplos : public ::testing::TestWithParam<CasoDiagrama> {};

TEST_P(ObjetivosEjemplos, Tabla) {
  const CasoDiagrama& caso = GetParam();
  CDiagrama d = Problema(caso.corrientes, 10);
  d.CalcularObjetivos();
  EXPECT_EQ(d.m_numIntervalos, static_cast<int>(caso.T.size()));
  EXPECT_EQ(d.m_temperaturas, caso.T);
  EXPECT_EQ(d.m_calores, caso.Q);
  EXPECT_EQ(d.m_cascada, caso.C);
  EXPECT_EQ(d.m_tPinch, caso.pinch);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ObjetivosEjemplos,
    ::testing::Values(
        // Duplicates of sensible ends collapse; the minimum is at the top and
        // no inner zero exists, so the pinch is the top boundary.
        CasoDiagrama{"dos_corrientes",
                     {{450, 350, 2, 0, 0}, {340, 440, 2, 1, 0}},
                     {445, 345},
                     {0, 0},
                     {0, 0},
                     445},
        // The latent stream keeps its zero-width interval.
        CasoDiagrama{"latente", {{400, 400, 1000, 1, 1}}, {405, 405}, {0, 1000}, {1000, 0}, 405}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Objetivos, SinCorrientesNadaQueCalcular) {
  CDiagrama d;
  EXPECT_EQ(d.m_tPinch, 0.0);  // a fresh object's pinch
  d.CalcularObjetivos();
  EXPECT_EQ(d.m_numIntervalos, 0);
  EXPECT_TRUE(d.m_temperaturas.empty());
  EXPECT_TRUE(d.m_calores.empty());
  EXPECT_TRUE(d.m_cascada.empty());
  EXPECT_EQ(d.m_tPinch, 0.0);

  // After a real calculation, areas that leave no stream considered empty
  // the lists and keep the pinch.
  d = CuatroCorrientesSinCalcular();
  d.CalcularObjetivos();
  const double pinch = d.m_tPinch;
  d.AddArea("Area 1", 0);
  d.m_areas[0].mostrada = 1;  // shown, no members
  d.CalcularObjetivos();
  EXPECT_EQ(d.m_numIntervalos, 0);
  EXPECT_TRUE(d.m_temperaturas.empty());
  EXPECT_TRUE(d.m_calores.empty());
  EXPECT_TRUE(d.m_cascada.empty());
  EXPECT_EQ(d.m_tPinch, pinch);
  // The lookups on the empty lists read nothing.
  EXPECT_EQ(d.CalorEnTemperatura(350.0), 0.0);
}

TEST(Objetivos, SoloLasAreasMostradas) {
  CDiagrama d = CuatroCorrientesSinCalcular();
  d.AddArea("Area 1", 0);
  d.AddArea("Area 2", 0);
  // Streams 0 and 1 in area 0, streams 2 and 3 in area 1.
  for (int i = 0; i < 4; ++i) {
    d.m_corrientes[static_cast<std::size_t>(i)].m_area = i / 2;
    d.m_areas[static_cast<std::size_t>(i / 2)].AddCorriente(i);
  }
  d.m_areas[0].mostrada = 1;
  d.CalcularObjetivos();
  // C1 25→140 shifted (230 kW) against H2 165→55 (330 kW).
  CDiagrama solo = Problema({{293.15, 408.15, 2, 1, 0}, {443.15, 333.15, 3, 0, 0}}, 10);
  solo.CalcularObjetivos();
  EXPECT_EQ(d.m_temperaturas, solo.m_temperaturas);
  EXPECT_EQ(d.m_cascada, solo.m_cascada);
  EXPECT_EQ(d.m_tPinch, solo.m_tPinch);

  // The stream's own area index decides, not the member list.
  d.m_areas[0].corrientes = {0, 1, 2, 3};
  d.CalcularObjetivos();
  EXPECT_EQ(d.m_cascada, solo.m_cascada);

  // Both areas shown: the whole problem again.
  d.m_areas[1].mostrada = 1;
  d.CalcularObjetivos();
  EXPECT_NEAR(d.m_cascada.front(), 20.0, 1e-9);
}

TEST(Objetivos, PinchYDTMinEnLasBifurcaciones) {
  CDiagrama d = CuatroCorrientesSinCalcular();
  d.m_bifurcadas.resize(2);
  d.CalcularObjetivos();
  for (const CCorrienteBifurcada& b : d.m_bifurcadas) {
    EXPECT_EQ(b.corriente.m_pinch, d.m_tPinch);
    EXPECT_EQ(b.corriente.m_dtMin, 10.0);
  }
}

// Both ends of the cascade with utilities within ±0.001 kW: covered. A hot
// utility of 100 kW against a 100 kW cold stream, and a small latent stream
// below everything that leaves a remainder at one end.
struct CasoCubre {
  double resto;  // heat of the small latent stream, cold (> 0) or hot (< 0)
  bool cubre;
};

class CubreProblema : public ::testing::TestWithParam<CasoCubre> {};

TEST_P(CubreProblema, DentroDeUnaMilesima) {
  const CasoCubre caso = GetParam();
  CDiagrama d = Problema({{300, 400, 1, 1, 0}, {250, 250, caso.resto, caso.resto > 0, 1}}, 10);
  d.m_servicios.push_back(ServicioLatente(500, 100, 0));
  const bool cubre = d.ServiciosCubrenProblema();
  EXPECT_EQ(cubre, caso.cubre) << "C = " << d.m_cascadaConServ.front() << " ... "
                               << d.m_cascadaConServ.back();
  // The process targets are left alone.
  EXPECT_TRUE(d.m_cascada.empty());
}

INSTANTIATE_TEST_SUITE_P(Casos, CubreProblema,
                         ::testing::Values(CasoCubre{0.001, true}, CasoCubre{0.0011, false},
                                           CasoCubre{-0.001, true}, CasoCubre{-0.0011, false}));

TEST(Objetivos, ServiciosCubrenCuatroCorrientes) {
  CDiagrama d = CuatroCorrientesSinCalcular();
  d.m_servicios.push_back(ServicioLatente(500, 20, 0));  // steam, 495 shifted
  d.m_servicios.push_back(ServicioLatente(280, 60, 1));  // cooling water, 285 shifted
  EXPECT_TRUE(d.ServiciosCubrenProblema());
  // The process pinch is an inner zero of the cascade with utilities.
  bool pinchServicio = false;
  for (std::size_t i = 1; i + 1 < d.m_cascadaConServ.size(); ++i)
    if (std::abs(d.m_temperaturasConServ[i] - 358.15) < 1e-9 && d.m_cascadaConServ[i] == 0.0)
      pinchServicio = true;
  EXPECT_TRUE(pinchServicio);

  d.m_servicios[0].m_carga = 19;  // one kW short
  EXPECT_FALSE(d.ServiciosCubrenProblema());
  EXPECT_NEAR(d.m_cascadaConServ.front(), 1.0, 1e-9);
  d.m_servicios[0].m_carga = 20;
  d.m_servicios[1].m_carga = 61;  // one kW too much
  EXPECT_FALSE(d.ServiciosCubrenProblema());

  // Nothing at all to cover.
  CDiagrama vacio;
  EXPECT_TRUE(vacio.ServiciosCubrenProblema());
}

}  // namespace
}  // namespace vardo
