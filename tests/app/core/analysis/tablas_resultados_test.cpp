#include "app/core/analysis/tablas_resultados.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/analysis/factibilidad.h"
#include "model/cambiador.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/numtext.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using Fila = std::vector<std::string>;
using TablasUi = prueba::ConPuertoUi;

TEST(TablasResultados, CorrientesSensiblesLatentesYDeTabla) {
  const CDiagrama d = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  const TablaTexto t = TablaCorrientes(d);
  ASSERT_EQ(t.size(), 5u);
  EXPECT_EQ(t[0], (Fila{"Corriente", "Descripción", "Tipo", "Tipo calor", "T1 (K)", "T2 (K)",
                        "H (kW)", "mcp (kW/K)"}));
  EXPECT_EQ(t[1], (Fila{"1", "C1", "Fría", "Sensible", "293.15", "408.15", "230.", "2."}));
  EXPECT_EQ(t[2], (Fila{"2", "H2", "Caliente", "Sensible", "443.15", "333.15", "-330.", "3."}));

  const TablaTexto l = TablaCorrientes(prueba::CargarEjemplo("latente_y_tabla.vdo"));
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[1], (Fila{"1", "Evaporador", "Fría", "Latente", "393.15", "393.15", "400.", "-"}));
  EXPECT_EQ(l[2], (Fila{"2", "Condensado", "Caliente", "Sensible", "473.15", "353.15", "-300.",
                        "2.5"}));

  EXPECT_EQ(TablaCorrientes(CDiagrama()).size(), 1u);
}

TEST_F(TablasUi, CambiadoresConServicioYServicioGenerico) {
  // The minimum-utility design: exchanger 3 heats C1 from the generic
  // utility, exchanger 6 cools H4 into it.
  // An exchanger on utility 1, a cooling-water stream, is added (the
  // check finds fault with it, the table shows it all the same).
  CDiagrama d = prueba::DisenoCuatroCorrientes();
  d.m_servicios.push_back(prueba::ServicioSensible(288.15, 303.15, 30));
  d.AddCambiador(kModoQ, 3, kRefServicio, kTipoValor, 323.15, 0, 0, kTipoExtremo, 0, 0, 0, 1, 10);
  prueba::ReconstruirListas(d);
  d.CalcularRed();
  for (const CCambiador& c : d.m_cambiadores) ASSERT_EQ(c.calculado, 1);

  const TablaTexto t = TablaCambiadores(d);
  ASSERT_EQ(t.size(), 8u);
  EXPECT_EQ(t[0], (Fila{"Cambiador", "Carga (kW)", "C. caliente", "T1 (K)", "T2 (K)", "C. fría",
                        "T1 (K)", "T2 (K)", "Área (m2)", "Coste ($)"}));
  EXPECT_EQ(t[1], (Fila{"1", "240.", "2", "443.15", "363.15", "3", "353.15", "413.15",
                        NumTexto(AreaCambiador(d, 0), 5), NumTexto(CosteCambiadores(d, 0), 4)}));
  EXPECT_EQ(Fila(t[3].begin(), t[3].begin() + 8),
            (Fila{"3", "20.", "S.G.", "-", "-", "1", "398.15", "408.15"}));
  EXPECT_EQ(Fila(t[6].begin() + 2, t[6].begin() + 8),
            (Fila{"4", "343.15", "309.8167", "S.G.", "-", "-"}));
  EXPECT_EQ(Fila(t[7].begin() + 1, t[7].begin() + 8),
            (Fila{"10.", "4", "323.15", "316.4833", "S1", "288.15", "293.15"}));
}

TEST(TablasResultados, Servicios) {
  CDiagrama d = prueba::CargarEjemplo("servicios_y_area.vdo");
  CServicios noLineal = prueba::ServicioSensible(400, 300, 50, 2);
  noLineal.m_T = {400, 350, 300};
  noLineal.m_H = {0, -0.8, -1};
  noLineal.m_lineal = 0;
  noLineal.SetNombre("Aceite");
  d.m_servicios.push_back(noLineal);

  const TablaTexto t = TablaServicios(d);
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0], (Fila{"Nº", "Descripción", "Tipo", "Tipo calor", "T1(K)", "T2(K)", "H (kW)",
                        "m·cp(kW/K)", "Coste ($/kWa)", "Coste anual ($/a)"}));
  const CServicios& vapor = d.m_servicios[0];
  const CServicios& agua = d.m_servicios[1];
  EXPECT_EQ(t[1], (Fila{"1", vapor.GetNombre(), "Calefacción", "Latente", "453.15", "453.15",
                        "20.", "-", NumTexto(vapor.m_coste), NumTexto(vapor.m_coste * 20)}));
  EXPECT_EQ(t[2], (Fila{"2", agua.GetNombre(), "Refrigeración", "Sensible", "288.15", "303.15",
                        "60.", "4.", NumTexto(agua.m_coste), NumTexto(agua.m_coste * 60)}));
  EXPECT_EQ(t[3], (Fila{"3", "Aceite", "Calefacción", "No Lineal", "400.", "300.", "50.", "0.5",
                        "2.", "100."}));
}

TEST(TablasResultados, EmparejamientosPosiblesEnElPinchDeProceso) {
  CDiagrama d = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  const TablaEmparejamientos t = TablaEmparejamientosPosibles(d, 0);
  EXPECT_EQ(t.ladoCaliente, (TablaTexto{{"", "2", "4"}, {"1", "", "*"}, {"3", "*", "*"}}));
  EXPECT_EQ(t.ladoFrio, (TablaTexto{{"", "1"}, {"2", "*"}, {"4", ""}}));

  // A pinch the model does not have: only the corner cells.
  const TablaEmparejamientos nada = TablaEmparejamientosPosibles(d, 1);
  EXPECT_EQ(nada.ladoCaliente, TablaTexto{{""}});
  EXPECT_EQ(nada.ladoFrio, TablaTexto{{""}});
}

TEST(TablasResultados, EmparejamientosEnUnPinchDeServicios) {
  // At utility pinch 2 (shifted 400) the latent cold utility S2 lies at the
  // pinch on its hot side, and takes any hot stream.
  CDiagrama d = prueba::TresServiciosFrios();
  d.m_serviciosVisibles = 1;
  const TablaEmparejamientos t = TablaEmparejamientosPosibles(d, 2);
  EXPECT_EQ(t.ladoCaliente, (TablaTexto{{"", "1"}, {"S2", "*"}}));
  // The hot stream reaches the cold side; no cold stream does.
  EXPECT_EQ(t.ladoFrio, (TablaTexto{{""}, {"1"}}));
}

TEST(TablasResultados, ReglaDeLasCeldas) {
  struct Caso {
    int lado;
    double mh, mc;
    bool posible;
  };
  const Caso casos[] = {
      {kLadoCaliente, 2, 3, true},  {kLadoCaliente, 3, 3, true},   {kLadoCaliente, 3, 2, false},
      {kLadoCaliente, 3, -1, true}, {kLadoCaliente, -1, 2, false}, {kLadoCaliente, -1, -1, true},
      {kLadoFrio, 3, 2, true},      {kLadoFrio, 1.5, 2, false},    {kLadoFrio, -1, 2, true},
      {kLadoFrio, 3, -1, false},    {kLadoFrio, -1, -1, true},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << c.lado << " " << c.mh << " " << c.mc);
    EXPECT_EQ(EmparejamientoPosible(c.lado, c.mh, c.mc), c.posible);
  }
}

// The four streams with one exchanger H2-C3 from the given hot inlet and
// outlet and cold inlet, calculated (the check reports the crossing).
CDiagrama ConCambiador(double the, double ths, double tfe) {
  CDiagrama d = prueba::CuatroCorrientesSinCalcular();
  d.AddCambiador(kModoTemperaturas, 1, 2, kTipoValor, the, kTipoValor, ths, kTipoValor, tfe, 0,
                 0, 0, 0);
  prueba::ReconstruirListas(d);
  d.CalcularRed();
  EXPECT_EQ(d.m_cambiadores[0].calculado, 1);
  return d;
}

TEST_F(TablasUi, CrucePinch) {
  {
    CDiagrama d = prueba::DisenoCuatroCorrientes();
    ASSERT_TRUE(prueba::Calculada(d.CalcularRed()));
    EXPECT_TRUE(ListarCrucePinch(d).empty());
    EXPECT_EQ(std::string(kMensajeSinCrucePinch),
              "No se han encontrado emparejamientos a través del pinch");
  }
  // H2 from 383.15 to 353.15 K crosses its pinch temperature (363.15) by
  // 30 kW while C3 stays above the pinch.
  CDiagrama d = ConCambiador(383.15, 353.15, 358.15);
  const std::vector<FilaCrucePinch> f = ListarCrucePinch(d);
  ASSERT_EQ(f.size(), 1u);
  EXPECT_EQ(f[0].cambiador, 0);
  EXPECT_EQ(f[0].numero, "1");
  EXPECT_EQ(f[0].texto, "30.");
  EXPECT_EQ(f[0].textoGrafico, "30,");

  // With an area shown, an exchanger on streams of hidden areas is left out.
  d.AddArea("A", 0);
  d.AddArea("B", 0);
  d.m_corrientes[1].m_area = 0;
  d.m_corrientes[2].m_area = 0;
  d.m_areas[1].mostrada = 1;
  EXPECT_TRUE(ListarCrucePinch(d).empty());
  d.m_areas[0].mostrada = 1;
  EXPECT_EQ(ListarCrucePinch(d).size(), 1u);
}

}  // namespace
}  // namespace vardo
