#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "app/core/charts/graficas.h"
#include "model/objetivos_area.h"
#include "model/objetivos_coste.h"
#include "tests/app/core/charts/graficas_comun.h"

namespace vardo {
namespace {

using namespace prueba;


using Constructor = std::function<void(CDiagrama&, CGrafica&, double, double, int)>;

// A target computed on its own copy of the problem at one DT min, with the
// generic utilities DT min beyond the ends of the intervals.
double ObjetivoEn(const CDiagrama& modelo, double dt, int variable) {
  CDiagrama d(modelo);
  d.SetDTMin(dt);
  d.CalcularObjetivos();
  d.m_tCalienteGenerico = d.m_temperaturas.front() + dt;
  d.m_tFrioGenerico = d.m_temperaturas.back() - dt;
  switch (variable) {
    case kVarCalefaccion: return d.m_cascada.front();
    case kVarRefrigeracion: return d.m_cascada.back();
    case kVarTPinch: return d.m_tPinch;
    case kVarNMin: return CalcularNMinCambiadores(d, 1);
    case kVarAreaMin: return CalcularAreaMinima(d, 1);
    case kVarCosteOperacion: return CosteOperacion(d, 1);
    case kVarCosteInmovilizado: return CosteInmovilizado(d, 1) / d.m_amortizacion;
    default: return 0.0;
  }
}

struct CasoBarrido {
  const char* nombre;
  Constructor construir;
  std::vector<prueba::SerieEsperada> series;
  std::vector<int> variables;  // target of each series
  const char* ejeX;
  const char* ejeY;
  const char* titulo;
};

const std::vector<CasoBarrido>& Casos() {
  static const std::vector<CasoBarrido> casos = {
      {"servicios", GraficaServiciosDTMin,
       {{"Calefacción", 0, kRojo}, {"Refrigeración", 0, kAzul}},
       {kVarCalefaccion, kVarRefrigeracion}, "DT min (K)", "H (kW)",
       "Variación del consumo de energía con DT mínima"},
      {"nmin", GraficaNMinDTMin, {{"Nº min vs DT min", 0, kAzul}}, {kVarNMin}, "DT mínimo (K)",
       "N", "Variación del número mínimo de cambiadores con la diferencia mínima de temperatura"},
      {"tpinch", GraficaTPinchDTMin, {{"T pinch vs DT min", 0, kAzul}}, {kVarTPinch},
       "DT min (K)", "T pinch (K)",
       "Variación de la temperatura de pinch con la diferencia mínima de temperatura"},
      {"area", GraficaAreaMinDTMin, {{"Area Min vs DT min", 0, kAzul}}, {kVarAreaMin},
       "DT mínimo (K)", "A (m2)",
       "Variación del área mínima de intercambio con la diferencia mínima de temperatura"},
      {"inmovilizado", GraficaCosteInmovilizadoDTMin,
       {{"Coste Inmovilizado vs DT min", 0, kAzul}}, {kVarCosteInmovilizado}, "DT min (K)",
       "Coste ($)", "Variación de los costes de inmovilizado con DT mínimo"},
      {"operacion", GraficaCosteOperacionDTMin, {{"Coste Operación vs DT min", 0, kAzul}},
       {kVarCosteOperacion}, "DT min (K)", "Coste ($)",
       "Variación de los costes de operación con DT mínimo"},
      {"total", GraficaCosteTotalDTMin,
       {{"Operación", 2, kAzul}, {"Inmovilizado", 1, kRojo}, {"Totales", 0, kVerde}},
       {kVarCosteOperacion, kVarCosteInmovilizado, -1}, "DT min (K)", "Coste ($)",
       "Variación de los costes totales mínimos con DT mínima"},
  };
  return casos;
}

// Every sweep: its series, captions, decimals and point values at DT 5, 15
// and 25 K, each compared with the target computed on its own.
TEST(GraficasDTMin, SeriesCaptionsAndPointValues) {
  const CDiagrama modelo = CuatroCorrientes();
  for (const CasoBarrido& c : Casos()) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = CuatroCorrientes();
    CGrafica g;
    c.construir(d, g, 5.0, 35.0, 3);
    ComprobarSeries(g, c.series);
    ComprobarTitulos(g, c.ejeX, c.ejeY, c.titulo, 2);
    for (std::size_t s = 0; s < c.series.size(); ++s) {
      const auto p = PuntosSerie(g, s);
      ASSERT_EQ(p.size(), 3u) << s;
      for (int k = 0; k < 3; ++k) {
        const double dt = 5.0 + 10.0 * k;
        EXPECT_EQ(p[static_cast<std::size_t>(k)].x, ValorGrafica(dt, 2));
        double esperado = 0.0;
        if (c.variables[s] >= 0)
          esperado = ObjetivoEn(modelo, dt, c.variables[s]);
        else
          esperado = ObjetivoEn(modelo, dt, kVarCosteOperacion) +
                     ObjetivoEn(modelo, dt, kVarCosteInmovilizado);
        EXPECT_NEAR(p[static_cast<std::size_t>(k)].y, esperado * 100, 1.0) << s << " " << dt;
      }
    }
  }
}

TEST(GraficasDTMin, KnownValuesAtTenKelvin) {
  CDiagrama d = CuatroCorrientes();
  CGrafica g;
  GraficaServiciosDTMin(d, g, 0.0, 30.0, 3);  // DT 0, 10, 20
  EXPECT_EQ(PuntosSerie(g, 0)[1], (Point{1000, 2000}));
  EXPECT_EQ(PuntosSerie(g, 1)[1], (Point{1000, 6000}));
  GraficaTPinchDTMin(d, g, 0.0, 30.0, 3);
  EXPECT_NEAR(PuntosSerie(g, 0)[1].y, 35815, 1);
  // Above the pinch H2, C1, C3, H4 and the heater; below H2, C1, H4 and the
  // cooler: (5 - 1) + (4 - 1) units.
  GraficaNMinDTMin(d, g, 0.0, 30.0, 3);
  EXPECT_EQ(PuntosSerie(g, 0)[1].y, 700);
}

TEST(GraficasDTMin, SweepPointsAndCounts) {
  CDiagrama d = CuatroCorrientes();
  CGrafica g;
  // The view's sweep: 1.0 to 30.0 K in 30 points; 30.0 is not among them.
  GraficaTPinchDTMin(d, g, 1.0, 30.0, 30);
  auto p = PuntosSerie(g, 0);
  ASSERT_EQ(p.size(), 30u);
  EXPECT_EQ(p[0].x, 100);
  EXPECT_EQ(p[1].x, 196);
  EXPECT_EQ(p[29].x, 2903);

  // No points for n of 0 or less: the chart is not drawn.
  for (int n : {0, -3}) {
    GraficaServiciosDTMin(d, g, 1.0, 30.0, n);
    ASSERT_EQ(g.series.size(), 2u);
    EXPECT_TRUE(g.puntos.empty());
    g.Recalcular();
    EXPECT_EQ(g.escalado, 0);
  }

  // A count beyond what a chart can hold is swept over the whole range with
  // as many points as fit.
  GraficaTPinchDTMin(d, g, 1.0, 30.0, 1000000);
  EXPECT_EQ(g.NumPuntos(), CGrafica::kMaxPuntos);
  EXPECT_GT(g.puntos.back().x, 2990);
}

// At DT min 0 the composites touch: area, capital and total cost are not
// finite there and the charts leave that point out; the operating cost keeps
// it.
TEST(GraficasDTMin, ElPuntoDeAreaInfinitaQuedaFuera) {
  struct Caso {
    Constructor construir;
    std::size_t serie;
    std::size_t puntos;
  };
  const Caso casos[] = {{GraficaAreaMinDTMin, 0, 4},          {GraficaCosteInmovilizadoDTMin, 0, 4},
                        {GraficaCosteTotalDTMin, 2, 4},       {GraficaCosteTotalDTMin, 1, 4},
                        {GraficaCosteTotalDTMin, 0, 5},       {GraficaCosteOperacionDTMin, 0, 5}};
  for (const Caso& c : casos) {
    // At DT min 0 the hot curve meets the boiling stream at 390 K.
    CDiagrama d = LatenteEnElPinch();
    d.CalcularObjetivos();
    CGrafica g;
    c.construir(d, g, 0.0, 20.0, 5);  // DT 0, 4, 8, 12, 16
    const auto p = PuntosSerie(g, c.serie);
    ASSERT_EQ(p.size(), c.puntos) << g.series[c.serie].etiqueta;
    EXPECT_EQ(p.front().x, c.puntos == 4 ? 400 : 0) << g.series[c.serie].etiqueta;
  }
}

TEST(GraficasDTMin, NoStreamsGiveNoAreaAndNoCapitalWithoutYears) {
  CDiagrama vacio;
  CGrafica g;
  GraficaAreaMinDTMin(vacio, g, 1.0, 30.0, 10);
  EXPECT_TRUE(g.puntos.empty());  // an area of 0 is left out

  // Without an amortization period the capital cost per year is no number:
  // no point instead of a saturated one.
  CDiagrama d = CuatroCorrientes();
  d.m_amortizacion = 0.0;
  GraficaCosteInmovilizadoDTMin(d, g, 1.0, 30.0, 5);
  EXPECT_TRUE(g.puntos.empty());
}

TEST(GraficasDTMin, EverySweepLeavesTheModelAsItFoundIt) {
  for (const CasoBarrido& c : Casos()) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = CuatroCorrientes();
    d.SetDTMin(12.5);
    d.CalcularObjetivos();
    d.CalcularObjetivosServicios();  // utility targets computed before: kept
    const auto antes = Fotografiar(d);
    ASSERT_EQ(d.m_tCalienteGenerico, -10000.0);
    CGrafica g;
    c.construir(d, g, 1.0, 30.0, 7);
    EXPECT_TRUE(Fotografiar(d) == antes);
    EXPECT_EQ(d.m_dtMin, 12.5);
    EXPECT_EQ(d.m_tCalienteGenerico, -10000.0);
    EXPECT_EQ(d.m_tFrioGenerico, -10000.0);
  }
}

TEST(GraficasDTMin, LargeCostsSaturateInsteadOfWrapping) {
  CDiagrama d = CuatroCorrientes();
  d.m_costeCaliente = 1e12;
  d.m_costeFrio = 1e12;
  CGrafica g;
  GraficaCosteOperacionDTMin(d, g, 5.0, 15.0, 1);
  ASSERT_EQ(g.NumPuntos(), 1);
  EXPECT_EQ(g.puntos[0].y, std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace vardo
