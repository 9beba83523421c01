#include "app/core/charts/cascada_alimentacion.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/app/core/document/ejemplo_archivo.h"

namespace vardo {
namespace {

// What the plot receives: the boundaries sent with their heats.
struct Enviado {
  std::vector<double> T, calor, cascada;
};

Enviado Enviados(const std::vector<FronteraCascada>& f) {
  Enviado e;
  for (const FronteraCascada& x : f) {
    if (!x.enviar) continue;
    e.T.push_back(x.T);
    if (x.conCalor) e.calor.push_back(x.calor);
    e.cascada.push_back(x.cascada);
  }
  return e;
}

void EsperarCerca(const std::vector<double>& v, const std::vector<double>& esperado) {
  ASSERT_EQ(v.size(), esperado.size());
  for (std::size_t i = 0; i < v.size(); ++i) EXPECT_NEAR(v[i], esperado[i], 1e-9) << i;
}

// The heat sent with each boundary takes the cascade to the next boundary
// sent: the plot's interval heats agree with its cascaded heats.
void EsperarCoherente(const Enviado& e) {
  ASSERT_GE(e.cascada.size(), e.calor.size());
  for (std::size_t i = 0; i + 1 < e.cascada.size(); ++i)
    EXPECT_NEAR(e.cascada[i + 1], e.cascada[i] - e.calor[i], 1e-9) << e.T[i];
}

TEST(CascadaAlimentacion, CuatroCorrientesEnviaCadaFrontera) {
  CDiagrama d = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  d.CalcularObjetivos();
  const std::vector<FronteraCascada> f = AlimentacionCascada(d);
  ASSERT_EQ(f.size(), 6u);
  const Enviado e = Enviados(f);
  EsperarCerca(e.T, {438.15, 418.15, 413.15, 358.15, 328.15, 298.15});
  // Net demand, cold minus hot; the last boundary carries none.
  EsperarCerca(e.calor, {-60, -2.5, 82.5, -75, 15});
  EsperarCerca(e.cascada, {20, 80, 82.5, 0, 75, 60});
  EsperarCoherente(e);
}

TEST(CascadaAlimentacion, CuatroCorrientesConDTMin20) {
  CDiagrama d = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  d.SetDTMin(20.0);
  d.CalcularObjetivos();
  EXPECT_NEAR(d.m_cascada.front(), 65.0, 1e-9);
  EXPECT_NEAR(d.m_cascada.back(), 105.0, 1e-9);
  EXPECT_NEAR(d.m_tPinch, 363.15, 1e-9);
  const Enviado e = Enviados(AlimentacionCascada(d));
  EsperarCerca(e.T, {433.15, 423.15, 418.15, 413.15, 363.15, 323.15, 303.15, 293.15});
  EsperarCerca(e.calor, {-30, 5, 15, 75, -100, 10, -15});
  EsperarCerca(e.cascada, {65, 95, 90, 75, 0, 100, 90, 105});
  EsperarCoherente(e);
}

TEST(CascadaAlimentacion, PuntoInteriorDeUnaTablaSeSaltaYSuCalorSeSuma) {
  // The condensing table stream has inner points at 140 °C (shifted 408.15
  // K), which no stream end equals.
  CDiagrama d = prueba::CargarEjemplo("latente_y_tabla.vdo");
  d.CalcularObjetivos();
  const std::vector<FronteraCascada> f = AlimentacionCascada(d);
  std::vector<double> saltadas;
  for (const FronteraCascada& x : f)
    if (!x.enviar) saltadas.push_back(x.T);
  EsperarCerca(saltadas, {408.15, 408.15});
  const Enviado e = Enviados(f);
  EsperarCerca(e.T, {468.15, 398.15, 398.15, 378.15, 348.15, 308.15});
  EsperarCoherente(e);
  // The top boundary carries the three intervals down to 398.15.
  EXPECT_NEAR(e.calor[0], d.m_calores[1] + d.m_calores[2] + d.m_calores[3], 1e-9);
}

TEST(CascadaAlimentacion, SinCorrientesNoSeEnviaNada) {
  CDiagrama d;
  d.CalcularObjetivos();
  EXPECT_TRUE(AlimentacionCascada(d).empty());
}

}  // namespace
}  // namespace vardo
