// Utility targets of the network object: the utilities' own grand composite,
// the cascade with utilities, the fit test and the curve lookups.
#include <gtest/gtest.h>

#include <vector>

#include "model/diagrama.h"
#include "model/constantes.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using namespace prueba;

// One hot stream 400→300 K, m·cp 1: process curve 0 at 395 K, 100 kW at 295 K.
CDiagrama Caliente() {
  CDiagrama d;
  d.AddCorriente(400, 300, 1, 0, 0);
  d.SetDTMin(10);
  return d;
}

TEST(ObjetivosServicios, SinServiciosAjusta) {
  CDiagrama d = Caliente();
  EXPECT_TRUE(d.ServiciosAjustanGrandCompuesta());
  EXPECT_EQ(d.m_numIntervalosServ, 0);
  EXPECT_TRUE(d.m_temperaturasServ.empty());
  EXPECT_TRUE(d.m_caloresServ.empty());
  EXPECT_TRUE(d.m_cascadaServ.empty());
  EXPECT_EQ(d.CalorEnTemperaturaServicios(350), 0.0);

  // A utility that no shown area holds is not considered either.
  d.m_servicios.push_back(Servicio(500, 500, 50, 0));
  d.AddArea("Area 1", 0);
  d.m_areas[0].mostrada = 1;
  d.m_corrientes[0].m_area = 0;
  d.m_areas[0].AddCorriente(0);
  EXPECT_TRUE(d.ServiciosAjustanGrandCompuesta());
  EXPECT_TRUE(d.m_cascadaServ.empty());
  EXPECT_EQ(d.m_cascada.size(), 2u);  // the process itself is still there
}

// The utilities' curve may lie up to 0.001 kW above the process curve at a
// breakpoint of either curve; 0.0011 is too much.
struct CasoAjuste {
  double T;      // temperature of a hot latent utility
  double carga;  // its load
  bool ajusta;
};

class AjusteGrandCompuesta : public ::testing::TestWithParam<CasoAjuste> {};

TEST_P(AjusteGrandCompuesta, UnaMilesima) {
  const CasoAjuste caso = GetParam();
  CDiagrama d = Caliente();
  d.m_servicios.push_back(Servicio(caso.T, caso.T, caso.carga, 0));
  EXPECT_EQ(d.ServiciosAjustanGrandCompuesta(), caso.ajusta);
  EXPECT_EQ(d.m_numIntervalosServ, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AjusteGrandCompuesta,
    ::testing::Values(
        // At the process's top boundary: a utility breakpoint above the process.
        CasoAjuste{400, 0.001, true}, CasoAjuste{400, 0.0011, false},
        // Above the process: the process's top boundary lies under the utility.
        CasoAjuste{500, 0.001, true}, CasoAjuste{500, 0.0011, false}));

TEST(ObjetivosServicios, LaCurvaDeServiciosSeMideDesdeElProceso) {
  // The process's heat (0 at 395 K, 100 kW at 295 K shifted) taken by a
  // cooling utility heated along the same shifted range fits; a larger one
  // takes more than there is. A heating utility along that range adds heat
  // the process cannot take and crosses the curve, whatever its load.
  struct Caso {
    const char* nombre;
    CServicios servicio;
    bool ajusta;
  };
  const Caso casos[] = {
      {"refrigeración igual", Servicio(290, 390, 100, 1), true},
      {"refrigeración mayor", Servicio(290, 390, 150, 1), false},
      {"calefacción", Servicio(400, 300, 100, 0), false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = Caliente();
    d.m_servicios.push_back(c.servicio);
    EXPECT_EQ(d.ServiciosAjustanGrandCompuesta(), c.ajusta);
    EXPECT_EQ(d.m_temperaturasServ, d.m_temperaturas);
  }
}

// The four-stream problem (Qh 20, Qc 60, shifted pinch 358.15 K) with steam
// at 473.15 K and cooling water 278.15 -> 288.15 K. By hand: the process
// curve runs 20 (438.15), 80, 82.5, 0 (358.15), 75, 60 (298.15); the
// utilities' curve set against it holds the steam's load above 468.15 and
// the water's load at 283.15, and 0 in between. It fits while the steam
// takes at most 20 kW and the water at most 60 kW.
TEST(ObjetivosServicios, VaporYAguaSobreElEjemploDeCuatroCorrientes) {
  struct Caso {
    double vapor, agua;
    bool ajusta;
  };
  const Caso casos[] = {
      {20, 60, true},     // they cover the process exactly
      {10, 30, true},     // less of both: the rest still to be supplied
      {0, 0, true},
      {20.0005, 60, true},  // within the tolerance
      {20.002, 60, false},  // more heat than the process takes
      {20, 60.002, false},  // more cooling than the process gives
      {30, 70, false},    // both beyond, though balanced
      {0, 70, false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(::testing::Message() << c.vapor << " " << c.agua);
    CDiagrama d = CuatroCorrientesConServicios(
        {ServicioLatente(473.15, c.vapor, 0), ServicioSensible(278.15, 288.15, c.agua)});
    EXPECT_EQ(d.ServiciosAjustanGrandCompuesta(), c.ajusta);
    // The process targets stay as they are.
    EXPECT_NEAR(d.m_cascada.front(), 20, 1e-9);
    EXPECT_NEAR(d.m_cascada.back(), 60, 1e-9);
  }
  // Cooling above the pinch (water at 380 K) takes heat from the part of the
  // process that lacks it: the curves cross at the pinch.
  CDiagrama d = CuatroCorrientesConServicios(
      {ServicioLatente(473.15, 20, 0), ServicioLatente(380, 10, 1)});
  EXPECT_FALSE(d.ServiciosAjustanGrandCompuesta());
  d.m_servicios[1].m_carga = 0;
  EXPECT_TRUE(d.ServiciosAjustanGrandCompuesta());
}

// Heating that does not lie above all the cooling: steam 20 kW and a heater
// at 405 K of 10 kW, water 60 kW and a table cooler taking 10 kW between 425
// and 430 K. Each side is 10 kW over its minimum, so the set crosses the
// process curve; without the heater and the cooler it fits.
TEST(ObjetivosServicios, CalefaccionBajoUnaRefrigeracionNoEncajaSiSobra) {
  CServicios tabla;
  tabla.CCorriente::BorrarPuntos();
  tabla.AddPunto(353.15, 0.0);
  tabla.AddPunto(425, 0.0);
  tabla.AddPunto(430, 1.0);
  tabla.m_fria = 1;
  tabla.m_latente = 0;
  tabla.m_lineal = 0;
  tabla.m_carga = 10;
  CDiagrama d = CuatroCorrientesConServicios({ServicioLatente(473.15, 20, 0),
                                              ServicioLatente(405, 10, 0),
                                              ServicioSensible(278.15, 288.15, 60), tabla});
  EXPECT_FALSE(d.ServiciosAjustanGrandCompuesta());
  // The curve as the process sees it: the heating load at the top, the
  // cooling load at the bottom.
  const std::vector<double> frente = CurvaServiciosFrenteAlProceso(d, d.m_cascadaServ);
  ASSERT_FALSE(frente.empty());
  EXPECT_NEAR(frente.front(), 30, 1e-9);
  EXPECT_NEAR(frente.back(), 70, 1e-9);
  d.m_servicios[1].m_carga = 0;
  d.m_servicios[3].m_carga = 0;
  EXPECT_TRUE(d.ServiciosAjustanGrandCompuesta());
}

TEST(ObjetivosServicios, GrandCompuestaDeLosServicios) {
  CDiagrama d;
  d.SetDTMin(10);
  d.m_tPinch = 123.0;
  d.m_servicios.push_back(Servicio(400, 300, 100, 0));  // hot, 395→295 shifted
  d.m_servicios.push_back(Servicio(350, 350, 30, 1));   // cold latent, 355 shifted
  d.CalcularGrandCompuestaServicios();
  EXPECT_EQ(d.m_numIntervalosServ, 4);
  EXPECT_EQ(d.m_temperaturasServ, (std::vector<double>{395, 355, 355, 295}));
  const std::vector<double> Q = {0, -40, 30, -60}, C = {0, 40, 10, 70};
  ASSERT_EQ(d.m_caloresServ.size(), 4u);
  ASSERT_EQ(d.m_cascadaServ.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(d.m_caloresServ[i], Q[i], 1e-9) << i;
    EXPECT_NEAR(d.m_cascadaServ[i], C[i], 1e-9) << i;
  }
  EXPECT_EQ(d.m_tPinch, 123.0);  // no pinch is set
}

TEST(ObjetivosServicios, NoTocanLosObjetivosDelProceso) {
  CDiagrama d = Caliente();
  d.m_servicios.push_back(Servicio(500, 500, 100, 0));
  d.CalcularObjetivos();
  const std::vector<double> T = d.m_temperaturas, Q = d.m_calores, C = d.m_cascada;
  const double pinch = d.m_tPinch;
  d.CalcularGrandCompuestaServicios();
  d.CalcularObjetivosServicios();
  EXPECT_EQ(d.m_temperaturas, T);
  EXPECT_EQ(d.m_calores, Q);
  EXPECT_EQ(d.m_cascada, C);
  EXPECT_EQ(d.m_tPinch, pinch);
  // Streams and utilities together: 495 (twice, latent), 395, 295.
  EXPECT_EQ(d.m_numIntervalosConServ, 4);
  EXPECT_EQ(d.m_temperaturasConServ, (std::vector<double>{495, 495, 395, 295}));
  EXPECT_EQ(d.m_cascadaConServ, (std::vector<double>{0, 100, 100, 200}));
}

TEST(ObjetivosServicios, ConServiciosSoloLosConsiderados) {
  CDiagrama d = Caliente();
  d.m_servicios.push_back(Servicio(500, 500, 100, 0));
  d.m_servicios.push_back(Servicio(250, 250, 100, 1));
  d.AddArea("Area 1", 0);
  d.m_corrientes[0].m_area = 0;
  d.m_servicios[1].m_area = 0;
  d.m_areas[0].corrientes = {0, kRefServicio + 1};
  d.m_areas[0].mostrada = 1;
  // The hot stream against the cold utility only: 100 kW cover it exactly.
  EXPECT_TRUE(d.ServiciosCubrenProblema());
  EXPECT_EQ(d.m_temperaturasConServ, (std::vector<double>{395, 295, 255, 255}));
}

// The three lookups read their own lists.
TEST(ObjetivosServicios, Busquedas) {
  CDiagrama d;
  d.m_temperaturas = {400, 400, 300};
  d.m_cascada = {50, 20, 0};
  d.m_temperaturasServ = {500, 400};
  d.m_cascadaServ = {0, 100};
  d.m_temperaturasConServ = {500, 400, 300};
  d.m_cascadaConServ = {100, 50, 0};
  struct Caso {
    double v, esperado;
  };
  // Falling temperatures: a zero-width interval gives the smaller value,
  // outside the curve the end values.
  for (const Caso& c : std::vector<Caso>{{400, 20}, {350, 10}, {600, 50}, {200, 0}})
    EXPECT_DOUBLE_EQ(d.CalorEnTemperatura(c.v), c.esperado) << c.v;
  for (const Caso& c : std::vector<Caso>{{450, 50}, {400, 100}, {600, 0}, {200, 100}})
    EXPECT_DOUBLE_EQ(d.CalorEnTemperaturaServicios(c.v), c.esperado) << c.v;
  // The cascade with utilities read as the curve's x.
  for (const Caso& c : std::vector<Caso>{{75, 450}, {50, 400}, {25, 350}, {150, 500}, {-5, 300}})
    EXPECT_DOUBLE_EQ(d.TemperaturaEnCalorConServicios(c.v), c.esperado) << c.v;
  CDiagrama vacio;
  EXPECT_EQ(vacio.CalorEnTemperatura(1), 0.0);
  EXPECT_EQ(vacio.CalorEnTemperaturaServicios(1), 0.0);
  EXPECT_EQ(vacio.TemperaturaEnCalorConServicios(1), 0.0);
}

}  // namespace
}  // namespace vardo
