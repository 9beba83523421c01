#include "app/core/analysis/remanente.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/constantes.h"
#include "platform/core/numtext.h"
#include "tests/app/core/analysis/analisis_comun.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using prueba::Ejemplo;
using prueba::RedManual;
using Puntos = std::vector<std::pair<double, double>>;

Puntos PuntosDe(const CCorriente& c) {
  Puntos p;
  for (int i = 0; i < c.GetNumPuntos(); ++i) p.emplace_back(c.GetPunto(i, 1), c.GetPunto(i, 0));
  return p;
}

void EsperarPuntos(const CCorriente& c, const Puntos& esperados) {
  const Puntos p = PuntosDe(c);
  ASSERT_EQ(p.size(), esperados.size());
  for (std::size_t i = 0; i < p.size(); ++i) {
    EXPECT_NEAR(p[i].first, esperados[i].first, 1e-9) << "point " << i;
    EXPECT_NEAR(p[i].second, esperados[i].second, 1e-9) << "point " << i;
  }
}

// The side of exchanger e on a stream: its inlet and outlet there.
void Lado(CDiagrama& d, int e, bool fria, double entrada, double salida, double q = 0.0) {
  CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(e)];
  (fria ? c.tEntradaFria : c.tEntradaCaliente) = entrada;
  (fria ? c.tSalidaFria : c.tSalidaCaliente) = salida;
  if (q != 0.0) c.q = q;
}

// ---- The sample with three calculated exchangers ----

class RemanenteServicios : public ::testing::Test {
 protected:
  CDiagrama problema = Ejemplo("servicios_y_area.vdo");
  RecordingUiPort ui;
};

TEST_F(RemanenteServicios, UnsetGenericTemperaturesAskAndNoKeepsThem) {
  ui.Script({Answer::No});
  EXPECT_FALSE(ComprobarServiciosGenericos(problema, ui));
  ASSERT_EQ(ui.Log().size(), 1u);
  EXPECT_EQ(ui.Log()[0].type, RecordingUiPort::Entry::Type::YesNo);
  EXPECT_EQ(ui.Log()[0].text,
            "Las temperaturas de los servicios generales violan la diferencia de temperaturas "
            "mínima para el nuevo valor de ésta. ¿Desea actualizarlos?");
  EXPECT_EQ(problema.m_tCalienteGenerico, kTSentinel);
  EXPECT_EQ(problema.m_tFrioGenerico, kTSentinel);
}

TEST_F(RemanenteServicios, YesMovesBothGenericTemperaturesToTheLimits) {
  ui.Script({Answer::Yes});
  EXPECT_TRUE(ComprobarServiciosGenericos(problema, ui));
  // Shifted temperatures 438.15 (H2) down to 298.15 (C1), DT min 10.
  EXPECT_NEAR(problema.m_tCalienteGenerico, 448.15, 1e-9);
  EXPECT_NEAR(problema.m_tFrioGenerico, 288.15, 1e-9);
  // Once they satisfy DT min nothing is asked again.
  EXPECT_FALSE(ComprobarServiciosGenericos(problema, ui));
  EXPECT_EQ(ui.Log().size(), 1u);
}

TEST_F(RemanenteServicios, RemainingProblemIsWhatTheExchangersLeave) {
  const CDiagrama r = ProblemaRemanente(problema);
  // C1 below the heater, H2 below E1, H4 above the cooler; C3 and both
  // utilities are covered whole.
  const struct {
    const char* nombre;
    double t1, t2, h;
  } esperadas[] = {{"C1", 293.15, 398.15, 210.0},
                   {"H2", 363.15, 333.15, -90.0},
                   {"H4", 423.15, 343.15, -120.0}};
  ASSERT_EQ(r.GetNumCorrientes(), 3);
  for (std::size_t i = 0; i < 3; ++i) {
    const CCorriente& c = r.m_corrientes[i];
    EXPECT_EQ(c.GetNombre(), esperadas[i].nombre);
    EXPECT_NEAR(c.GetT1(), esperadas[i].t1, 1e-9) << esperadas[i].nombre;
    EXPECT_NEAR(c.GetT2(), esperadas[i].t2, 1e-9) << esperadas[i].nombre;
    EXPECT_NEAR(c.GetH(kTSentinel, 1), esperadas[i].h, 1e-9) << esperadas[i].nombre;
  }
  EXPECT_EQ(r.GetNumServicios(), 0);
  // Everything else of the problem stays.
  EXPECT_EQ(r.GetNumCambiadores(), 3);
  EXPECT_EQ(r.m_areas.size(), problema.m_areas.size());
  EXPECT_EQ(r.m_dtMin, problema.m_dtMin);
}

TEST_F(RemanenteServicios, ColumnsAndCharts) {
  const AnalisisRemanente a = CalcularRemanente(problema);
  // The area targets fix unset generic temperatures on their own copy: the
  // problem keeps them unset (only a Yes to the question moves them).
  EXPECT_EQ(problema.m_tCalienteGenerico, kTSentinel);
  EXPECT_EQ(problema.m_tFrioGenerico, kTSentinel);
  double area = 0.0, coste = 0.0;
  for (std::int32_t i = 0; i < 3; ++i) {
    area += problema.AreaCambiador(i);
    coste += problema.CosteCambiadores(i);
  }
  EXPECT_GT(area, 0.0);
  EXPECT_EQ(a.instalado.numCambiadores, 3);
  EXPECT_DOUBLE_EQ(a.instalado.area, area);
  EXPECT_DOUBLE_EQ(a.instalado.coste, coste);
  EXPECT_FALSE(a.remanenteVacio);

  const TablaRemanente t = TextosRemanente(a);
  const TablaRemanente::value_type cabecera = {"", "Mínimo", "Instalado", "Remanente", "Total"};
  EXPECT_EQ(t[0], cabecera);
  EXPECT_EQ(t[1][0], "Número de cambiadores");
  EXPECT_EQ(t[3][0], "Coste de inmovilizado ($)");
  EXPECT_EQ(t[5][0], "Refrigeración (kW)");
  EXPECT_EQ(t[1][2], "3");
  EXPECT_EQ(t[2][2], NumTexto(area, 6));
  EXPECT_EQ(t[3][2], NumTexto(coste, 4));
  // Heating and cooling: minimum, installed, remaining, total.
  const std::array<std::string, 4> calefaccion = {"20.", "20.", "0.", "20."};
  const std::array<std::string, 4> refrigeracion = {"60.", "60.", "0.", "60."};
  for (std::size_t c = 0; c < 4; ++c) {
    EXPECT_EQ(t[4][c + 1], calefaccion[c]) << c;
    EXPECT_EQ(t[5][c + 1], refrigeracion[c]) << c;
  }
  // The remaining column holds the targets of the remaining problem.
  CDiagrama r = ProblemaRemanente(problema);
  EXPECT_EQ(a.remanente.numCambiadores, r.CalcularNMinCambiadores(0));
  EXPECT_EQ(t[1][4], std::to_string(3 + a.remanente.numCambiadores));

  const auto g = GraficasRemanente(a);
  EXPECT_EQ(g[3].etiqueta, "Cal (kW)");
  EXPECT_EQ(g[3].datos[1], "20,");
  EXPECT_EQ(g[3].datos[2], "0,");
  EXPECT_EQ(g[4].datos[0], "60,");
  EXPECT_EQ(g[0].datos[1], "3");  // a count has no point to turn
}

// ---- The sample without exchangers ----

TEST(Remanente, WithoutExchangersTheRemainderIsTheWholeProblem) {
  CDiagrama problema = Ejemplo("cuatro_corrientes.vdo");
  const CDiagrama r = ProblemaRemanente(problema);
  ASSERT_EQ(r.GetNumCorrientes(), problema.GetNumCorrientes());
  for (std::size_t i = 0; i < r.m_corrientes.size(); ++i) {
    EXPECT_EQ(r.m_corrientes[i].m_T, problema.m_corrientes[i].m_T);
    EXPECT_EQ(r.m_corrientes[i].m_H, problema.m_corrientes[i].m_H);
  }
  const TablaRemanente t = TextosRemanente(CalcularRemanente(problema));
  EXPECT_EQ(t[1][2], "0");
  for (std::size_t fila = 1; fila <= 5; ++fila) {
    if (fila > 1) {
      EXPECT_EQ(t[fila][2], "0.") << fila;
    }
    EXPECT_EQ(t[fila][3], t[fila][1]) << fila;
    EXPECT_EQ(t[fila][4], t[fila][1]) << fila;
  }
  EXPECT_EQ(t[4][1], "20.");
  EXPECT_EQ(t[5][1], "60.");
}

// ---- Cutting sources into segments ----

// A hot table stream 500 -> 300 K with exchangers 440 -> 430 and 410 -> 350:
// the part after the last exchanger, the part from the supply and the gap,
// whose inner points start again from 0.
TEST(ProblemaRemanente, TableStreamKeepsItsPointsInEachSegment) {
  RedManual m;
  m.Corriente(500, 300);
  CCorriente& s = m.d.m_corrientes[0];
  s.BorrarPuntos();
  for (auto [t, h] : Puntos{{500, 0}, {450, -50}, {420, -110}, {400, -150}, {300, -350}})
    s.AddPunto(t, h);
  s.m_lineal = 0;
  m.d.m_corrientes.emplace_back(250, 520, 2.0, 1, 0);
  m.Cambiador(0, 1);
  m.Cambiador(0, 1);
  Lado(m.d, 0, false, 440, 430);
  Lado(m.d, 1, false, 410, 350);
  Lado(m.d, 0, true, 250, 520);  // the cold stream covered whole
  Lado(m.d, 1, true, 250, 520);
  const CDiagrama r = ProblemaRemanente(m.d);
  ASSERT_EQ(r.GetNumCorrientes(), 3);
  EsperarPuntos(r.m_corrientes[0], {{350, 0}, {300, -100}});
  EsperarPuntos(r.m_corrientes[1], {{500, 0}, {450, -50}, {440, -70}});
  EsperarPuntos(r.m_corrientes[2], {{430, 0}, {420, -20}, {410, -40}});
  EXPECT_EQ(r.m_corrientes[2].m_lineal, 0);
}

// A cold stream 300 -> 400 K (m·cp 1) lists its exchangers from the target:
// its segments come as the part after the last exchanger, the part from the
// supply, then the gaps from the target end down.
TEST(ProblemaRemanente, ColdStreamSegmentsInOrder) {
  RedManual m;
  m.Corriente(300, 400);
  m.Corriente(600, 590, 100.0);  // hot partner, covered whole
  for (int e = 0; e < 3; ++e) {
    m.Cambiador(1, 0);
    Lado(m.d, e, false, 600, 590);
  }
  Lado(m.d, 0, true, 390, 395);  // nearest the target
  Lado(m.d, 1, true, 350, 370);
  Lado(m.d, 2, true, 320, 340);
  const CDiagrama r = ProblemaRemanente(m.d);
  ASSERT_EQ(r.GetNumCorrientes(), 4);
  EsperarPuntos(r.m_corrientes[0], {{395, 0}, {400, 5}});
  EsperarPuntos(r.m_corrientes[1], {{300, 0}, {320, 20}});
  EsperarPuntos(r.m_corrientes[2], {{370, 0}, {390, 20}});
  EsperarPuntos(r.m_corrientes[3], {{340, 0}, {350, 10}});
}

// Where a gap is only as long as rounding, or runs backwards because two
// exchangers overlap on the stream, nothing remains of it.
TEST(ProblemaRemanente, GapsShorterThanTheToleranceOrBackwardsLeaveNothing) {
  const struct {
    const char* caso;
    double a0, b0, a1, b1;  // the two exchangers on a hot stream 500 -> 300 K
    std::vector<double> alcance;  // (from, to) of every remaining segment
  } casos[] = {
      {"touching within 0.01 K", 500.005, 400.0, 400.008, 300.004, {}},
      {"a gap of 0.02 K", 500.0, 400.0, 399.98, 300.0, {400.0, 399.98}},
      {"overlap of 20 K", 500.0, 400.0, 420.0, 300.0, {}},
      {"ends 0.02 K short of both stream ends", 499.98, 400.0, 400.0, 300.02,
       {300.02, 300.0, 500.0, 499.98}},
  };
  for (const auto& c : casos) {
    RedManual m;
    m.Corriente(500, 300);
    m.Corriente(200, 210, 100.0);
    m.Cambiador(0, 1);
    m.Cambiador(0, 1);
    Lado(m.d, 0, false, c.a0, c.b0);
    Lado(m.d, 1, false, c.a1, c.b1);
    Lado(m.d, 0, true, 200, 210);
    Lado(m.d, 1, true, 200, 210);
    const CDiagrama r = ProblemaRemanente(m.d);
    ASSERT_EQ(r.m_corrientes.size() * 2, c.alcance.size()) << c.caso;
    for (std::size_t i = 0; i < r.m_corrientes.size(); ++i) {
      const CCorriente& s = r.m_corrientes[i];
      EXPECT_NEAR(s.GetT1(), c.alcance[2 * i], 1e-9) << c.caso;
      EXPECT_NEAR(s.GetT2(), c.alcance[2 * i + 1], 1e-9) << c.caso;
      // A hot segment gives heat: never a gain.
      EXPECT_LT(s.GetH(kTSentinel, 1), 0.0) << c.caso;
      EXPECT_NEAR(s.GetH(kTSentinel, 1), s.GetT2() - s.GetT1(), 1e-9) << c.caso;
    }
  }
}

// Latent sources lose the duties of their exchangers; sources without heat
// are dropped; a source without exchangers stays whole.
TEST(ProblemaRemanente, LatentAndWholeSources) {
  const struct {
    const char* caso;
    double t, calor;  // latent stream at t with this heat (negative: hot)
    std::vector<double> cargas;
    std::vector<double> resto;  // heat of what remains, if anything
  } casos[] = {
      {"cold, covered whole", 400, 400, {150, 250}, {}},
      {"cold, covered beyond its heat", 400, 400, {500}, {}},
      {"cold, partly covered", 400, 400, {150}, {250}},
      {"hot, partly covered", 450, -300, {100, 50}, {-150}},
      {"hot, covered whole", 450, -300, {300}, {}},
      {"without exchangers", 450, -300, {}, {-300}},
      {"without heat", 450, -0.000001, {}, {}},
      {"without heat, with an exchanger", 450, -0.000001, {1}, {}},
  };
  for (const auto& c : casos) {
    RedManual m;
    const bool fria = c.calor > 0;
    m.d.m_corrientes.emplace_back(c.t, c.t, c.calor, fria ? 1 : 0, 1);
    for (std::size_t e = 0; e < c.cargas.size(); ++e) {
      m.Cambiador(fria ? kRefGenerico : 0, fria ? 0 : kRefGenerico);
      m.d.m_cambiadores[e].q = c.cargas[e];
    }
    const CDiagrama r = ProblemaRemanente(m.d);
    ASSERT_EQ(r.m_corrientes.size(), c.resto.size()) << c.caso;
    if (c.resto.empty()) continue;
    const CCorriente& s = r.m_corrientes[0];
    EXPECT_NEAR(s.GetH(kTSentinel, 1), c.resto[0], 1e-9) << c.caso;
    EXPECT_EQ(s.GetT1(), c.t) << c.caso;
    EXPECT_EQ(s.GetT2(), c.t) << c.caso;
    EXPECT_EQ(s.m_latente, 1) << c.caso;
  }
}

// A utility keeps its curve on its own scale times its load: what remains of
// it carries the heat its exchangers leave, not that heat times the load.
TEST(ProblemaRemanente, UtilitiesKeepTheHeatTheirExchangersLeave) {
  RedManual m;
  m.Corriente(400, 300);  // hot stream, 100 kW
  m.Corriente(250, 350);  // cold stream, 100 kW
  CServicios agua = prueba::ServicioSensible(288.15, 303.15, 60.0);
  CServicios vapor = prueba::ServicioLatente(453.15, 20.0, 0);
  m.d.m_servicios = {agua, vapor};
  m.Cambiador(0, kRefServicio + 0);  // takes 30 kW from the bottom of the water
  Lado(m.d, 0, true, 288.15, 295.65, 30.0);
  Lado(m.d, 0, false, 400, 370);
  m.Cambiador(kRefServicio + 1, 1);  // 5 kW of steam
  Lado(m.d, 1, false, 453.15, 453.15, 5.0);
  Lado(m.d, 1, true, 345, 350);
  const CDiagrama r = ProblemaRemanente(m.d);
  ASSERT_EQ(r.GetNumServicios(), 2);
  const CServicios& restoAgua = r.m_servicios[0];
  EXPECT_NEAR(restoAgua.GetT1(), 295.65, 1e-9);
  EXPECT_NEAR(restoAgua.GetT2(), 303.15, 1e-9);
  EXPECT_NEAR(restoAgua.GetH(kTSentinel, 1), 30.0, 1e-9);
  EXPECT_NEAR(restoAgua.GetH(300.0, 1), agua.GetH(300.0, 1) - agua.GetH(295.65, 1), 1e-9);
  EXPECT_NEAR(r.m_servicios[1].GetH(kTSentinel, 1), -15.0, 1e-9);
  EXPECT_EQ(r.m_servicios[1].m_carga, 20.0);
}

// With an integrity area shown only its sources remain, and an exchanger
// counts as installed when a side is the generic utility or a process stream
// of a shown area.
TEST(Remanente, ShownAreaFiltersSourcesAndInstalledExchangers) {
  RedManual m;
  m.Corriente(400, 300);  // 0: area 0, shown
  m.Corriente(250, 350);  // 1: area 1, hidden
  m.Corriente(380, 320);  // 2: no area
  const int agua = m.Servicio(288, 298);
  m.d.GetCorriente(agua).m_area = 0;
  m.d.m_servicios[0].m_carga = 10.0;
  m.d.AddArea("A", 0);
  m.d.AddArea("B", 0);
  m.d.m_areas[0].mostrada = 1;
  m.d.m_corrientes[0].m_area = 0;
  m.d.m_corrientes[1].m_area = 1;
  const struct {
    int caliente, fria;
    double q;
  } cambiadores[] = {
      {2, 1, 1.0},              // neither side in a shown area: not counted
      {0, 1, 2.0},              // hot side in the shown area
      {kRefGenerico, 1, 4.0},   // a heater on the generic utility
      {2, agua, 8.0},           // a utility never counts as in an area
      {2, kRefGenerico, 16.0},  // a cooler on the generic utility
  };
  for (const auto& c : cambiadores) {
    const int e = m.Cambiador(c.caliente, c.fria);
    m.d.m_cambiadores[static_cast<std::size_t>(e)].q = c.q;
  }
  Lado(m.d, 1, false, 400, 380);
  Lado(m.d, 3, true, 288, 293);
  // Stream 0 below its exchanger and the water above its one remain.
  const CDiagrama r = ProblemaRemanente(m.d);
  ASSERT_EQ(r.GetNumCorrientes(), 1);
  EXPECT_EQ(r.m_corrientes[0].GetT1(), 380.0);
  EXPECT_EQ(r.m_corrientes[0].m_area, 0);
  ASSERT_EQ(r.GetNumServicios(), 1);
  EXPECT_EQ(r.m_servicios[0].GetT1(), 293.0);
  EXPECT_NEAR(r.m_servicios[0].GetH(kTSentinel, 1), 5.0, 1e-9);
  const AnalisisRemanente a = CalcularRemanente(m.d);
  EXPECT_EQ(a.instalado.numCambiadores, 3);
  EXPECT_DOUBLE_EQ(a.instalado.calefaccion, 4.0);
  EXPECT_DOUBLE_EQ(a.instalado.refrigeracion, 16.0);
}

// A shown area without members leaves no stream and no shifted temperature:
// nothing is compared, nothing asked, and every column is zero.
TEST(Remanente, NoStreamTakingPartAsksNothing) {
  CDiagrama d = prueba::CuatroCorrientes();
  d.AddArea("Vacía", 0);
  d.m_areas[0].mostrada = 1;
  RecordingUiPort ui;
  ui.Script({Answer::Yes});
  EXPECT_FALSE(ComprobarServiciosGenericos(d, ui));
  EXPECT_TRUE(ui.Log().empty());
  EXPECT_EQ(d.m_tCalienteGenerico, kTSentinel);
  const AnalisisRemanente a = CalcularRemanente(d);
  EXPECT_TRUE(a.remanenteVacio);
  const TablaRemanente t = TextosRemanente(a);
  EXPECT_EQ(t[1][3], "0");
  for (std::size_t fila = 2; fila <= 5; ++fila) EXPECT_EQ(t[fila][3], "0.") << fila;
}

// ---- Charts ----

TEST(Remanente, CostScale) {
  const struct {
    double coste, escala;
  } casos[] = {{0.0, 1.0},           {10000.0, 1.0},           {10000.01, 1000.0},
               {100000.0, 1000.0},   {100000.01, 10000.0},     {1000000.5, 100000.0},
               {10000001.0, 1e6},    {100000000.0, 1e6},       {100000001.0, 1e7},
               {1e12, 1e7}};
  for (const auto& c : casos) EXPECT_EQ(EscalaCosteRemanente(c.coste), c.escala) << c.coste;
  const struct {
    double escala;
    const char* texto;
  } textos[] = {{1.0, "Escala de coste: × 1"},
                {1000.0, "Escala de coste: × 10³"},
                {10000.0, "Escala de coste: × 10⁴"},
                {1e7, "Escala de coste: × 10⁷"}};
  for (const auto& t : textos) EXPECT_EQ(TextoEscalaCoste(t.escala), t.texto) << t.escala;
}

TEST(Remanente, ChartTextsTurnTheFirstPointIntoAComma) {
  AnalisisRemanente a;
  a.minimo = {5, 5.0, 123456.789, 0.05, 1234567.0};
  a.instalado = {2, 0.05, 10000.0, 5.0, 0.0};
  a.remanente = {0, 2.5, 0.0, 0.0, 1e-7};
  const auto g = GraficasRemanente(a);
  const struct {
    std::size_t grafica;
    const char* etiqueta;
    std::array<const char*, 3> datos;
  } esperadas[] = {
      {0, "Num Camb", {"5", "2", "0"}},
      {1, "Área (m2)", {"5,", "5,e-002", "2,5"}},
      // 123456.789 is above 100000: divided by 10000, 8 digits.
      {2, "Coste ($)", {"12,345679", "1,", "0,"}},
      {3, "Cal (kW)", {"5,e-002", "5,", "0,"}},
      {4, "Ref (kW)", {"1,23457e+006", "0,", "1,e-007"}},
  };
  for (const auto& e : esperadas) {
    EXPECT_EQ(g[e.grafica].etiqueta, e.etiqueta);
    for (std::size_t c = 0; c < 3; ++c) EXPECT_EQ(g[e.grafica].datos[c], e.datos[c]) << e.etiqueta;
  }
  // The table's capital cost keeps 4 significant digits.
  EXPECT_EQ(TextosRemanente(a)[3][1], "1.235e+005");
}

}  // namespace
}  // namespace vardo
