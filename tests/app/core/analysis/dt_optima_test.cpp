#include "app/core/analysis/dt_optima.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

// The least total over the same accumulated DT min values, worked out here
// on a separate copy: the DT min and the number of values tried.
struct Referencia {
  double dt = 0.0;
  double total = 1e300;
  int valores = 0;
};

Referencia Barrer(CDiagrama d) {
  Referencia r;
  d.m_serviciosVisibles = 0;
  for (double dt = 0.1; dt <= 50.0; dt += 0.1) {
    d.SetDTMin(dt);
    d.CalcularObjetivos();
    const double total = d.CosteInmovilizado(0) / d.m_amortizacion + d.CosteOperacion(0);
    if (total < r.total) {
      r.total = total;
      r.dt = dt;
    }
    ++r.valores;
  }
  return r;
}

TEST(DTOptima, CuatroCorrientesEligeElMenorCosteTotal) {
  // Dear exchangers, so that the least total lies inside the range.
  CDiagrama d = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  d.m_corrientes[0].m_b = 20000.0;
  d.m_servicios.push_back(prueba::ServicioLatente(500, 100, 0, 10));
  d.m_serviciosVisibles = 1;
  const Referencia ref = Barrer(d);
  ASSERT_EQ(ref.valores, 499);

  std::vector<int> pasos;
  const ResultadoDTOptima r = BuscarDTOptima(d, [&](int paso) { pasos.push_back(paso); });
  ASSERT_EQ(pasos.size(), 499u);
  EXPECT_EQ(pasos.front(), 1);
  EXPECT_EQ(pasos.back(), 499);
  ASSERT_TRUE(r.encontrado);
  EXPECT_EQ(r.dtMin, ref.dt);
  EXPECT_EQ(r.costeTotal, ref.total);
  EXPECT_GT(r.dtMin, 1.0);
  EXPECT_LT(r.dtMin, 49.0);
  EXPECT_NEAR(r.costeOperacion + r.costeInmovilizado, r.costeTotal, 1e-6 * r.costeTotal);
  // The copy is left at the chosen DT min with its targets, utilities hidden.
  EXPECT_EQ(d.m_dtMin, r.dtMin);
  EXPECT_EQ(d.m_serviciosVisibles, 0);
  prueba::EsperarObjetivosDelProceso(d);
}

TEST(DTOptima, CostesIgualesDanLaMenorDiferencia) {
  // No capital cost and free utilities: every DT min costs 0.
  CDiagrama d = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  d.m_corrientes[0].m_a = 0.0;
  d.m_corrientes[0].m_b = 0.0;
  d.m_costeCaliente = 0.0;
  d.m_costeFrio = 0.0;
  const ResultadoDTOptima r = BuscarDTOptima(d);
  ASSERT_TRUE(r.encontrado);
  EXPECT_EQ(r.dtMin, 0.1);
  EXPECT_EQ(r.costeTotal, 0.0);
}

TEST(DTOptima, SinCosteTotalFinitoNoHayNadaQueAplicar) {
  for (double anos : {0.0, -1.0}) {
    SCOPED_TRACE(anos);
    CDiagrama d = prueba::CargarEjemplo("cuatro_corrientes.vdo");
    d.m_amortizacion = anos;
    int pasos = 0;
    const ResultadoDTOptima r = BuscarDTOptima(d, [&](int) { ++pasos; });
    EXPECT_EQ(pasos, 499);
    EXPECT_FALSE(r.encontrado);
    EXPECT_EQ(d.m_dtMin, 10.0);  // the DT min it had
    prueba::EsperarObjetivosDelProceso(d);
  }
  EXPECT_EQ(std::string(kMensajeSinCosteTotal),
            "No se ha podido calcular el coste total para ninguna diferencia de temperaturas.");
}

}  // namespace
}  // namespace vardo
