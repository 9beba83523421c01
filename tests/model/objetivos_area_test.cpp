// Minimum number of units and minimum area targets: counts above and below
// the pinch, areas of small problems worked out by hand, and the network's
// own targets and arrays left as they were.
#include "model/objetivos_area.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <vector>

#include "model/constantes.h"
#include "model/objetivos_coste.h"
#include "tests/comun/objetivos_referencia.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using namespace prueba;

TEST(NMinCambiadores, CuatroCorrientes) {
  CDiagrama d = CuatroCorrientes();
  ASSERT_NEAR(d.m_cascada.front(), 20.0, 1e-9);
  ASSERT_NEAR(d.m_cascada.back(), 60.0, 1e-9);
  ASSERT_NEAR(d.m_tPinch, 358.15, 1e-9);
  const CDiagrama antes = d;
  // Above: H2, H4, C1, C3 and the hot utility; below: H2, H4, C1 and the
  // cold utility (C3 starts on the pinch).
  EXPECT_EQ(CalcularNMinCambiadores(d, 1), 7);
  EXPECT_EQ(CalcularNMinCambiadores(d, 1), 7);
  EXPECT_EQ(CalcularNMinCambiadores(d, 0), 7);
  EsperarObjetivosDelProceso(d);
  EsperarMismasCorrientes(d, antes);
  // The generic utilities sit DT min beyond the process's extreme intervals.
  EXPECT_NEAR(d.m_tCalienteGenerico, 448.15, 1e-9);
  EXPECT_NEAR(d.m_tFrioGenerico, 288.15, 1e-9);
}

TEST(NMinCambiadores, PinchAnticuado) {
  // The count uses the pinch of the problem as it is now, not a stale one.
  CDiagrama d = CuatroCorrientes();
  d.m_tPinch = 0.0;
  EXPECT_EQ(CalcularNMinCambiadores(d, 1), 7);
}

// A stream added to the four-stream problem and the count it gives.
struct CasoUnidades {
  const char* nombre;
  double T1, T2, mcp;
  int fria;
  int esperado;
};
void PrintTo(const CasoUnidades& c, std::ostream* os) { *os << c.nombre; }


class NMinTolerancias : public ::testing::TestWithParam<CasoUnidades> {};

TEST_P(NMinTolerancias, Caso) {
  const CasoUnidades c = GetParam();
  CDiagrama d = CuatroCorrientes();
  d.AddCorriente(c.T1, c.T2, c.mcp, c.fria, 0);
  d.CalcularObjetivos();
  ASSERT_NEAR(d.m_tPinch, 358.15, 1e-9) << c.nombre;
  EXPECT_EQ(CalcularNMinCambiadores(d, 1), c.esperado) << c.nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, NMinTolerancias,
    ::testing::Values(
        // Supply within 0.001 K under the cold pinch 353.15: not below.
        CasoUnidades{"dentro", 353.1495, 400, 0.1, 1, 8},
        // 0.002 K under it: below as well.
        CasoUnidades{"fuera", 353.148, 400, 0.1, 1, 9},
        // A whole heat of 1e-5 kW or less never counts.
        CasoUnidades{"sin calor", 300, 400, 0.5e-7, 1, 7},
        CasoUnidades{"con calor", 300, 400, 2e-7, 1, 9}));

TEST(NMinCambiadores, SinServiciosAmbosCruzanElPinch) {
  // Hot 400→300 and cold 290→390 (a table bent at 340 K) need no utility
  // and pinch at 345 K: two streams above and two below give 2 units.
  CDiagrama d;
  d.AddCorriente(400, 300, 1, 0, 0);
  CCorriente fria;
  fria.BorrarPuntos();
  fria.AddPunto(290, 0);
  fria.AddPunto(340, 50);
  fria.AddPunto(390, 100);
  fria.m_fria = 1;
  fria.m_lineal = 0;
  d.m_corrientes.push_back(fria);
  d.SetDTMin(10);
  d.CalcularObjetivos();
  ASSERT_NEAR(d.m_tPinch, 345.0, 1e-9);
  ASSERT_NEAR(d.m_cascada.front(), 0.0, 1e-9);
  EXPECT_EQ(CalcularNMinCambiadores(d, 1), 2);
}

// HP steam 450 K (10 kW), LP steam 400 K (10 kW) and cooling at 280 K
// (60 kW) cover the four-stream problem exactly.
CDiagrama ConServicios() {
  CDiagrama d = CuatroCorrientes();
  d.m_servicios.push_back(Servicio(450, 450, 10, 0));
  d.m_servicios.push_back(Servicio(400, 400, 10, 0));
  d.m_servicios.push_back(Servicio(280, 280, 60, 1));
  d.m_serviciosVisibles = 1;
  return d;
}

TEST(NMinCambiadores, ServiciosQueCubren) {
  CDiagrama d = ConServicios();
  ASSERT_TRUE(d.ServiciosCubrenProblema());
  // The defined utilities replace the generic ones: two hot utilities above.
  EXPECT_EQ(CalcularNMinCambiadores(d, 0), 8);
  EXPECT_EQ(CalcularNMinCambiadores(d, 1), 7);
  d.m_serviciosVisibles = 0;
  EXPECT_EQ(CalcularNMinCambiadores(d, 0), 7);
  EsperarObjetivosDelProceso(d);
}

TEST(NMinCambiadores, TemperaturasGenericasFijas) {
  CDiagrama d = CuatroCorrientes();
  CalcularNMinCambiadores(d, 1);
  d.SetDTMin(20);
  CalcularNMinCambiadores(d, 1);
  CalcularAreaMinima(d, 1);
  EXPECT_NEAR(d.m_tCalienteGenerico, 448.15, 1e-9);
  EXPECT_NEAR(d.m_tFrioGenerico, 288.15, 1e-9);
}

// ---- Logarithmic mean ----

struct CasoMedia {
  double dt1, dt2, media;
};

class Media : public ::testing::TestWithParam<CasoMedia> {};

TEST_P(Media, Valor) {
  const CasoMedia c = GetParam();
  const double m = MediaLogaritmica(c.dt1, c.dt2);
  EXPECT_FALSE(std::isnan(m));
  EXPECT_NEAR(m, c.media, 1e-9);
  EXPECT_NEAR(MediaLogaritmica(c.dt2, c.dt1), c.media, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Media,
    ::testing::Values(CasoMedia{10, 10, 10}, CasoMedia{-7, -7, 7},
                      CasoMedia{-10, -30, 20 / std::log(3.0)},
                      CasoMedia{40, 40 * (1 + 1e-13), 40 * (1 + 0.5e-13)},
                      // Opposite signs (curves crossing) and a touching end.
                      CasoMedia{10, -5, 0}, CasoMedia{0, 5, 0}, CasoMedia{0, 0, 0}));

// ---- Minimum area ----

struct CasoArea {
  const char* nombre;
  std::vector<CCorriente> corrientes;
  double esperada;
};
void PrintTo(const CasoArea& c, std::ostream* os) { *os << c.nombre; }


CCorriente Sensible(double T1, double T2, double mcp, double h) {
  CCorriente c(T1, T2, mcp, T2 > T1 ? 1 : 0, 0);
  c.m_h = h;
  return c;
}
CCorriente Latente(double T, double H, int fria, double h) {
  CCorriente c(T, T, H, fria, 1);
  c.m_h = h;
  return c;
}

class AreaAMano : public ::testing::TestWithParam<CasoArea> {};

TEST_P(AreaAMano, Valor) {
  const CasoArea& c = GetParam();
  CDiagrama d;
  d.m_corrientes = c.corrientes;
  d.SetDTMin(10);
  d.CalcularObjetivos();
  const CDiagrama antes = d;
  EXPECT_NEAR(CalcularAreaMinima(d, 1), c.esperada, 1e-9) << c.nombre;
  EXPECT_NEAR(CalcularAreaMinima(d, 1), c.esperada, 1e-9) << c.nombre;
  EsperarObjetivosDelProceso(d);
  EsperarMismasCorrientes(d, antes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AreaAMano,
    ::testing::Values(
        // Equal end differences of 10 K: (200/2 + 200/2) / 10.
        CasoArea{"paralelas", {Sensible(450, 350, 2, 2), Sensible(340, 440, 2, 2)}, 20.0},
        // Ends 30 K and 10 K: (100 + 100) / (20 / ln 3).
        CasoArea{"media logaritmica",
                 {Sensible(400, 300, 1, 1), Sensible(290, 370, 1.25, 1)},
                 10.0 * std::log(3.0)},
        // No cold stream: 100 kW go to the generic cooler at 295 - 10 = 285 K
        // (h 2). Ends 15 K and 115 K: (100/1 + 100/2) / (100 / ln(115/15)).
        CasoArea{"enfriador generico", {Sensible(400, 300, 1, 1)}, 1.5 * std::log(115.0 / 15.0)},
        // A condensing stream against a cold stream: (100 + 100) / (80 / ln 5).
        CasoArea{"latente", {Latente(400, -100, 0, 1), Sensible(300, 380, 1.25, 1)},
                 2.5 * std::log(5.0)},
        // The same with the cold curve broken at 340 K into two streams: the
        // condensing heat counts once, split between the two intervals.
        CasoArea{"latente partida",
                 {Latente(400, -100, 0, 1), Sensible(300, 340, 1.25, 1),
                  Sensible(340, 380, 1.25, 1)},
                 2.5 * std::log(5.0)}));

TEST(AreaMinima, CuatroCorrientesDejaLosObjetivos) {
  CDiagrama d = CuatroCorrientes();
  const CDiagrama antes = d;
  const double a1 = CalcularAreaMinima(d, 1);
  EXPECT_GT(a1, 0.0);
  EXPECT_TRUE(std::isfinite(a1));
  EsperarObjetivosDelProceso(d);
  EsperarMismasCorrientes(d, antes);
  // Without defined utilities both flags give the same area, and the units
  // that follow still use the process pinch.
  EXPECT_DOUBLE_EQ(CalcularAreaMinima(d, 0), a1);
  EXPECT_EQ(CalcularNMinCambiadores(d, 1), 7);
}

TEST(AreaMinima, ServiciosDefinidos) {
  // Covering utilities at the generic utilities' places and coefficients give
  // the generic area; shown with flag 0 they replace the generic ones.
  CDiagrama d = CuatroCorrientes();
  const double generica = CalcularAreaMinima(d, 1);
  d.m_servicios.push_back(Servicio(d.m_tCalienteGenerico, d.m_tCalienteGenerico, 20, 0));
  d.m_servicios.push_back(Servicio(d.m_tFrioGenerico, d.m_tFrioGenerico, 60, 1));
  d.m_serviciosVisibles = 1;
  ASSERT_TRUE(d.ServiciosCubrenProblema());
  EXPECT_NEAR(CalcularAreaMinima(d, 0), generica, 1e-9);
  EXPECT_NEAR(CalcularAreaMinima(d, 1), generica, 1e-9);
  // A better coefficient of the hot utility makes the area smaller.
  d.m_servicios[0].m_h = 20;
  EXPECT_LT(CalcularAreaMinima(d, 0), generica - 1e-3);
  EXPECT_NEAR(CalcularAreaMinima(d, 1), generica, 1e-9);
  EsperarObjetivosDelProceso(d);
}

TEST(AreaMinima, CurvasCruzadasNoDanNaN) {
  // A generic cooler fixed at 360 K lies between the hot stream's ends: the
  // end differences have opposite signs and the interval adds nothing.
  CDiagrama d;
  d.m_corrientes.push_back(Sensible(400, 300, 1, 1));
  d.SetDTMin(10);
  d.m_tFrioGenerico = 360;
  d.m_tCalienteGenerico = 500;
  const double a = CalcularAreaMinima(d, 1);
  EXPECT_FALSE(std::isnan(a));
  EXPECT_EQ(a, 0.0);
}

// At DT min 0 the composites touch at the pinch: the area there grows
// without bound, so the target is infinite whatever the rounding of the
// temperature difference where they meet (H1 500 -> 300 K m·cp 1, C2 395 ->
// 450 K m·cp 2 and C3 boiling at 390 K, 80 kW: the hot curve
// meets C3 at 390 K; the same 0.15 K higher, where the temperatures do not
// sum exactly; two parallel streams that meet everywhere). The capital cost
// follows; the operating cost does not. Just above 0 the area is finite.
TEST(AreaMinima, CurvasQueSeTocanNoTienenAreaFinita) {
  struct Caso {
    const char* nombre;
    std::function<CDiagrama()> problema;
  };
  auto latente = [](double t0) { return [t0] { return LatenteEnElPinch(t0); }; };
  const Caso casos[] = {
      {"latente en el pinch", latente(0.0)},
      {"latente en el pinch, decimales", latente(0.15)},
      {"paralelas", [] {
         CDiagrama d;
         d.m_corrientes = {Sensible(450.15, 350.15, 2, 2), Sensible(350.15, 450.15, 2, 2)};
         return d;
       }}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    for (int soloObjetivos : {0, 1}) {
      CDiagrama d = c.problema();
      d.SetDTMin(0.0);
      d.CalcularObjetivos();
      EXPECT_TRUE(std::isinf(CalcularAreaMinima(d, soloObjetivos)));
      EXPECT_TRUE(std::isinf(CosteInmovilizado(d, soloObjetivos)));
      EXPECT_TRUE(std::isfinite(CosteOperacion(d, soloObjetivos)));
    }
    CDiagrama d = c.problema();
    d.SetDTMin(0.01);
    d.CalcularObjetivos();
    const double a = CalcularAreaMinima(d, 1);
    EXPECT_TRUE(std::isfinite(a) && a > 0.0) << a;
  }
  EXPECT_EQ(TextoObjetivo(std::numeric_limits<double>::infinity(), kTextoAreaInfinita),
            "infinita");
  EXPECT_EQ(TextoObjetivo(23.5, kTextoAreaInfinita), "23.5");
}

TEST(AreaMinima, FactoresDePelicula) {
  // Doubling every coefficient halves the area.
  CDiagrama d = CuatroCorrientes();
  const double a = CalcularAreaMinima(d, 1);
  FactoresPelicula f;
  f.corrientes.assign(4, 2.0);
  f.calienteGenerico = 2.0;
  f.frioGenerico = 2.0;
  EXPECT_NEAR(CalcularAreaMinima(d, 1, f), a / 2, 1e-9);
  EXPECT_EQ(d.m_corrientes[1].m_h, 2.0);
  EsperarObjetivosDelProceso(d);
}

TEST(AreaMinima, SinCorrientes) {
  CDiagrama d;
  EXPECT_EQ(CalcularAreaMinima(d, 1), 0.0);
  EXPECT_EQ(CalcularNMinCambiadores(d, 1), 0);
  EXPECT_EQ(d.m_tCalienteGenerico, kTSentinel);
}

TEST(AreaMinima, AreasDeIntegridad) {
  // Only the streams of the shown area count; the generic utilities join it.
  CDiagrama d;
  d.m_corrientes.push_back(Sensible(450, 350, 2, 2));
  d.m_corrientes.push_back(Sensible(340, 440, 2, 2));
  d.m_corrientes.push_back(Sensible(600, 500, 7, 1));
  d.SetDTMin(10);
  d.AddArea("A", 0);
  d.m_areas[0].mostrada = 1;
  for (int k = 0; k < 2; ++k) {
    d.m_corrientes[static_cast<std::size_t>(k)].m_area = 0;
    d.m_areas[0].AddCorriente(k);
  }
  d.CalcularObjetivos();
  EXPECT_NEAR(CalcularAreaMinima(d, 1), 20.0, 1e-9);
  EXPECT_EQ(CalcularNMinCambiadores(d, 1), 1);
}

// ---- Against the plain walk ----

// A random problem of the given kind with its generic utilities fixed the
// way the first target fixes them.
CDiagrama ConGenericas(const referencia::Aleatorio& o) {
  CDiagrama d = referencia::ProblemaAleatorio(o);
  CalcularNMinCambiadores(d, 1);
  return d;
}

struct CasoDirecto {
  const char* nombre;
  referencia::Aleatorio problema;
  int soloObjetivos;
};
void PrintTo(const CasoDirecto& c, std::ostream* os) { *os << c.nombre; }

class AreaDirecta : public ::testing::TestWithParam<CasoDirecto> {};

// The composites built once with their per-segment sums give the area of
// the walk that asks every stream for its heat in every piece, whatever the
// streams (latent, tables with steps, utilities taking part) and wherever
// the generic utilities sit (well beyond the curves or right at their ends).
TEST_P(AreaDirecta, IgualQueElCalculoDirecto) {
  const CasoDirecto& c = GetParam();
  for (unsigned s = 0; s < 8; ++s) {
    referencia::Aleatorio o = c.problema;
    o.semilla += s;
    CDiagrama d = ConGenericas(o);
    SCOPED_TRACE(::testing::Message() << c.nombre << " semilla " << o.semilla);
    const double esperada = referencia::Area(d, c.soloObjetivos);
    ASSERT_GT(esperada, 0.0);
    EXPECT_TRUE(referencia::Cerca(CalcularAreaMinima(d, c.soloObjetivos), esperada, 1e-9))
        << CalcularAreaMinima(d, c.soloObjetivos) << " vs " << esperada;

    // Film coefficients scaled stream by stream.
    FactoresPelicula f;
    for (std::size_t k = 0; k < d.m_corrientes.size(); ++k)
      f.corrientes.push_back(0.5 + static_cast<double>(k % 5) * 0.3);
    for (std::size_t k = 0; k < d.m_servicios.size(); ++k)
      f.servicios.push_back(1.5 + static_cast<double>(k) * 0.1);
    f.calienteGenerico = 0.7;
    f.frioGenerico = 1.3;
    EXPECT_TRUE(referencia::Cerca(CalcularAreaMinima(d, c.soloObjetivos, f),
                                  referencia::Area(d, c.soloObjetivos, f), 1e-9));

    // Generic utilities closer to the curves' ends than the tables'
    // tolerances reach: the composites are built again with them.
    d.AddCorriente(700.0, 650.0, 3.0, 0, 0);
    d.AddCorriente(200.0, 230.0, 3.0, 1, 0);
    d.m_tCalienteGenerico = 700.015;
    d.m_tFrioGenerico = 199.985;
    EXPECT_TRUE(referencia::Cerca(CalcularAreaMinima(d, c.soloObjetivos),
                                  referencia::Area(d, c.soloObjetivos), 1e-9));
  }
}

// The area and the capital cost computed in turn, each on a model built just
// before (as when the user moves between the two dialogs), on models of many
// kinds and sizes one after another: every result is the plain walk's,
// though each call builds its composites in the lists the last one left.
TEST(AreaMinima, AlternadaConElCosteComoElCalculoDirecto) {
  struct Caso {
    const char* nombre;
    referencia::Aleatorio problema;
    int soloObjetivos;
  };
  const Caso casos[] = {
      {"alternas", {.corrientes = 600, .semilla = 71, .alternas = true}, 1},
      {"latentes y tablas", {.corrientes = 40, .semilla = 72, .leyes = true}, 1},
      {"con servicios", {.corrientes = 30, .semilla = 73, .servicios = true, .leyes = true}, 0},
      {"dos", {.corrientes = 2, .semilla = 74, .alternas = true}, 1},
      {"kelvin enteros", {.corrientes = 300, .semilla = 75, .enteras = true, .leyes = true}, 1},
      {"sin corrientes", {.corrientes = 0, .semilla = 76}, 1},
      {"alternas grandes", {.corrientes = 900, .semilla = 77, .alternas = true}, 1},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    for (unsigned s = 0; s < 2; ++s) {
      referencia::Aleatorio o = c.problema;
      o.semilla += 100 * s;
      {
        CDiagrama d = ConGenericas(o);
        const double esperada = referencia::Area(d, c.soloObjetivos);
        const double area = CalcularAreaMinima(d, c.soloObjetivos);
        EXPECT_TRUE(referencia::Cerca(area, esperada, 1e-9)) << area << " vs " << esperada;
      }
      o.semilla += 1;
      if (o.corrientes == 0) continue;  // no stream gives the reference cost law
      CDiagrama d = ConGenericas(o);
      const double esperado = referencia::CosteInmovilizado(d, c.soloObjetivos);
      const double coste = CosteInmovilizado(d, c.soloObjetivos);
      EXPECT_TRUE(referencia::Cerca(coste, esperado, 1e-9)) << coste << " vs " << esperado;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AreaDirecta,
    ::testing::Values(
        CasoDirecto{"sensibles",
                    {.corrientes = 40, .semilla = 100, .especiales = false, .leyes = true}, 1},
        CasoDirecto{"latentes y tablas", {.corrientes = 40, .semilla = 200, .leyes = true}, 1},
        CasoDirecto{"kelvin enteros",
                    {.corrientes = 60, .semilla = 300, .enteras = true, .leyes = true}, 1},
        CasoDirecto{"con servicios",
                    {.corrientes = 30, .semilla = 400, .servicios = true, .leyes = true}, 0},
        CasoDirecto{"servicios sin tomar parte",
                    {.corrientes = 30, .semilla = 500, .servicios = true, .leyes = true}, 1},
        CasoDirecto{"grande", {.corrientes = 400, .semilla = 600, .leyes = true}, 1}),
    [](const auto& info) {
      std::string n = info.param.nombre;
      for (char& ch : n)
        if (ch == ' ') ch = '_';
      return n;
    });

}  // namespace
}  // namespace vardo
