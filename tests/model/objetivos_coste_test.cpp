// Cost targets: the amortization sum, the folding of cost laws into film
// coefficients (degenerate laws included), the capital cost of the
// four-stream problem and the operating cost with and without utilities.
#include "model/objetivos_coste.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "model/objetivos_area.h"
#include "tests/comun/objetivos_referencia.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using namespace prueba;

struct CasoAmortizacion {
  double anos, interes, factor;
};

class Amortizacion : public ::testing::TestWithParam<CasoAmortizacion> {};

TEST_P(Amortizacion, Suma) {
  const CasoAmortizacion c = GetParam();
  EXPECT_NEAR(FactorAmortizacion(c.anos, c.interes), c.factor, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Casos, Amortizacion,
                         ::testing::Values(CasoAmortizacion{10, 5, 12.5779},
                                           CasoAmortizacion{10, 0, 10},
                                           // A fractional year counts whole.
                                           CasoAmortizacion{10.5, 5, 14.2068},
                                           CasoAmortizacion{1, 5, 1},
                                           CasoAmortizacion{0, 5, 0},
                                           CasoAmortizacion{-3, 5, 0},
                                           // Long periods: closed form, no long loop.
                                           CasoAmortizacion{1e9, 0, 1e9}));

struct CasoFactor {
  const char* nombre;
  double b0, c0, b, c, aN, factor;
};
void PrintTo(const CasoFactor& c, std::ostream* os) { *os << c.nombre; }


class LeyCoste : public ::testing::TestWithParam<CasoFactor> {};

TEST_P(LeyCoste, Factor) {
  const CasoFactor c = GetParam();
  EXPECT_NEAR(FactorLeyCoste(c.b0, c.c0, c.b, c.c, c.aN), c.factor, 1e-9) << c.nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LeyCoste,
    ::testing::Values(CasoFactor{"por defecto", 920, 0.7, 920, 0.7, 37.5, 1.0},
                      CasoFactor{"b doble", 920, 0.7, 1840, 0.7, 37.5, std::pow(0.5, 1 / 0.7)},
                      CasoFactor{"c mitad", 920, 0.7, 920, 0.35, 4, 2.0},
                      CasoFactor{"b nulo", 920, 0.7, 0, 0.7, 5, 1.0},
                      CasoFactor{"c nulo", 920, 0.7, 920, 0, 5, 1.0},
                      CasoFactor{"c0 nulo", 920, 0, 920, 0.7, 5, 1.0},
                      CasoFactor{"b0 nulo", 0, 0.7, 920, 0.7, 5, 1.0},
                      CasoFactor{"sin area", 920, 0.7, 920, 0.35, 0, 1.0}));

// Lang · Σ(1+r)^i · N (a + b (A/N)^c) / years with the default laws.
double CapitalPorDefecto(double A, int N, double anos, double interes) {
  return 3.4 * FactorAmortizacion(anos, interes) * N * (4600 + 920 * std::pow(A / N, 0.7)) / anos;
}

TEST(CosteInmovilizado, LeyesPorDefecto) {
  CDiagrama d = CuatroCorrientes();
  CDiagrama ref = d;
  const double A = CalcularAreaMinima(ref, 1);
  ASSERT_EQ(CalcularNMinCambiadores(ref, 1), 7);
  const double coste = CosteInmovilizado(d, 1);
  EXPECT_NEAR(coste, CapitalPorDefecto(A, 7, 10, 5), 1e-6 * coste);
  // Every coefficient is back, the targets are the process's, and another
  // run gives the same.
  for (const CCorriente& c : d.m_corrientes) EXPECT_EQ(c.m_h, 2.0);
  EXPECT_EQ(d.m_hCalienteGenerico, 2.0);
  EXPECT_EQ(d.m_hFrioGenerico, 2.0);
  EsperarObjetivosDelProceso(d);
  EXPECT_DOUBLE_EQ(CosteInmovilizado(d, 1), coste);
  EXPECT_EQ(CalcularNMinCambiadores(d, 1), 7);
}

TEST(CosteInmovilizado, InteresNulo) {
  CDiagrama d = CuatroCorrientes();
  d.m_interes = 0;
  CDiagrama ref = d;
  const double A = CalcularAreaMinima(ref, 1);
  EXPECT_NEAR(CosteInmovilizado(d, 1), 3.4 * 7 * (4600 + 920 * std::pow(A / 7, 0.7)), 1e-6);
  d.m_amortizacion = 0;
  EXPECT_EQ(CosteInmovilizado(d, 1), 0.0);
}

TEST(CosteInmovilizado, LeyPropiaEquivaleAUnCoeficiente) {
  // A stream whose law costs twice as much per area is priced as that stream
  // with the reference law and a coefficient scaled by (1/2)^(1/c).
  CDiagrama d = CuatroCorrientes();
  d.m_corrientes[2].m_b = 1840;
  const double coste = CosteInmovilizado(d, 1);

  CDiagrama equivalente = CuatroCorrientes();
  equivalente.m_corrientes[2].m_h *= std::pow(0.5, 1 / 0.7);
  const double A = CalcularAreaMinima(equivalente, 1);
  EXPECT_NEAR(coste, CapitalPorDefecto(A, 7, 10, 5), 1e-6 * coste);
  EXPECT_GT(coste, CosteInmovilizado(equivalente = CuatroCorrientes(), 1));
  EXPECT_EQ(d.m_corrientes[2].m_h, 2.0);
  EsperarObjetivosDelProceso(d);
}

TEST(CosteInmovilizado, LeyesDegeneradas) {
  // Zero factors and exponents fold with factor 1: the cost of the defaults.
  CDiagrama d = CuatroCorrientes();
  const double porDefecto = CosteInmovilizado(d, 1);
  d.m_corrientes[1].m_b = 0;
  d.m_corrientes[2].m_c = 0;
  d.m_b1 = 0;
  d.m_c2 = 0;
  const double coste = CosteInmovilizado(d, 1);
  EXPECT_TRUE(std::isfinite(coste));
  EXPECT_NEAR(coste, porDefecto, 1e-6 * porDefecto);
}

TEST(CosteInmovilizado, SinCorrientes) {
  CDiagrama d;
  const double coste = CosteInmovilizado(d, 1);
  EXPECT_TRUE(std::isfinite(coste));
  // One unit of no area with the heater law.
  EXPECT_NEAR(coste, 3.4 * FactorAmortizacion(10, 5) * 4600 / 10, 1e-6);
}

TEST(CosteOperacion, ObjetivosYServicios) {
  CDiagrama d = CuatroCorrientes();
  EXPECT_NEAR(CosteOperacion(d, 1), 60 * 50 + 20 * 50, 1e-9);
  d.m_costeFrio = 10;
  d.m_costeCaliente = 100;
  EXPECT_NEAR(CosteOperacion(d, 0), 60 * 10 + 20 * 100, 1e-9);

  // Shown utilities that cover the problem are priced at their own costs.
  d.m_servicios.push_back(ServicioLatente(450, 10, 0, 100));
  d.m_servicios.push_back(ServicioLatente(400, 10, 0, 50));
  d.m_servicios.push_back(ServicioLatente(280, 60, 1, 5));
  d.m_serviciosVisibles = 1;
  EXPECT_NEAR(CosteOperacion(d, 0), 10 * 100 + 10 * 50 + 60 * 5, 1e-9);
  EXPECT_NEAR(CosteOperacion(d, 1), 60 * 10 + 20 * 100, 1e-9);
  // Not shown, or not covering: the targets at the network's prices.
  d.m_serviciosVisibles = 0;
  EXPECT_NEAR(CosteOperacion(d, 0), 60 * 10 + 20 * 100, 1e-9);
  d.m_serviciosVisibles = 1;
  d.m_servicios[1].m_carga = 5;
  EXPECT_NEAR(CosteOperacion(d, 0), 60 * 10 + 20 * 100, 1e-9);
  EsperarObjetivosDelProceso(d);
}

// One process table, the composites built once, one walk and a second only
// when a cost law differs: the capital cost of the plain calculation, which
// walks both areas piece by piece. With laws of their own (the second area
// differs), with the defaults (it is the first), with utilities taking part
// and not.
TEST(CosteInmovilizado, IgualQueElCalculoDirecto) {
  struct Caso {
    bool leyes, servicios, especiales;
    int soloObjetivos;
  };
  for (const Caso& c : {Caso{true, false, true, 1}, Caso{false, false, true, 1},
                        Caso{true, true, true, 0}, Caso{true, true, false, 1}}) {
    for (unsigned s = 0; s < 6; ++s) {
      const referencia::Aleatorio o{.corrientes = 30,
                                    .semilla = 900 + s,
                                    .especiales = c.especiales,
                                    .servicios = c.servicios,
                                    .leyes = c.leyes};
      CDiagrama d = referencia::ProblemaAleatorio(o);
      CalcularNMinCambiadores(d, 1);  // fixes the generic utilities
      SCOPED_TRACE(::testing::Message() << "semilla " << o.semilla << " leyes " << c.leyes
                                        << " servicios " << c.servicios);
      const double esperado = referencia::CosteInmovilizado(d, c.soloObjetivos);
      const double coste = CosteInmovilizado(d, c.soloObjetivos);
      EXPECT_TRUE(referencia::Cerca(coste, esperado, 1e-9)) << coste << " vs " << esperado;
    }
  }
}

}  // namespace
}  // namespace vardo
