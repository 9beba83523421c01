#include "app/core/analysis/factibilidad.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/constantes.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using Textos = std::vector<std::string>;

Textos TextosDe(const std::vector<FilaFactibilidad>& filas) {
  Textos t;
  for (const FilaFactibilidad& f : filas) t.push_back(f.texto);
  return t;
}

TEST(Factibilidad, CuatroCorrientesListaCadaLadoDelPinchDeProceso) {
  CDiagrama d = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  EXPECT_EQ(TextosPinches(d), Textos{"Pinch de Proceso"});

  const ListadoFactibilidad caliente = ListarCorrientesPinch(d, 0, kLadoCaliente);
  EXPECT_EQ(TextosDe(caliente.calientes), (Textos{"2: 3.", "4: 1.5"}));
  EXPECT_EQ(TextosDe(caliente.frias), (Textos{"1: 2.", "3: 4."}));

  // C3 starts at the pinch: it belongs to the hot side only.
  const ListadoFactibilidad frio = ListarCorrientesPinch(d, 0, kLadoFrio);
  EXPECT_EQ(TextosDe(frio.calientes), (Textos{"2: 3.", "4: 1.5"}));
  EXPECT_EQ(TextosDe(frio.frias), Textos{"1: 2."});
  ASSERT_EQ(frio.frias.size(), 1u);
  EXPECT_EQ(frio.frias[0].ref, 0);
  EXPECT_EQ(frio.frias[0].mcp, 2.0);
}

// One problem, a pinch given directly (shifted 400 K, DT min 10: hot streams
// meet it at 405, cold ones at 395) and the rows each side lists.
struct CasoListado {
  const char* nombre;
  std::function<void(CDiagrama&)> preparar;
  ReglaListado regla;
  Textos calientesArriba, friasArriba;  // hot side
  Textos calientesAbajo, friasAbajo;    // cold side
};

void Corriente(CDiagrama& d, double t1, double t2, double valor, int fria, int latente) {
  d.AddCorriente(t1, t2, valor, fria, latente);
}

// Two areas, the first hidden and the second shown; stream 0 goes into area
// `area` (-1 none).
void ConAreas(CDiagrama& d, int area) {
  d.AddArea("Oculta", 0);
  d.AddArea("Visible", 0);
  d.m_areas[1].mostrada = 1;
  d.m_corrientes[0].m_area = area;
  if (area >= 0) d.m_areas[static_cast<std::size_t>(area)].AddCorriente(0);
}

TEST(Factibilidad, ReglaDelListadoPorLado) {
  const TemperaturasPinch p{400.0, 405.0, 395.0};
  const CasoListado casos[] = {
      {"caliente que empieza en Th", [](CDiagrama& d) { Corriente(d, 405, 300, 2, 0, 0); },
       kReglaDiseno, {}, {}, {"1: 2."}, {}},
      {"caliente que acaba en Th", [](CDiagrama& d) { Corriente(d, 450, 405, 2, 0, 0); },
       kReglaDiseno, {"1: 2."}, {}, {}, {}},
      {"fría que acaba en Tc", [](CDiagrama& d) { Corriente(d, 300, 395, 2, 1, 0); },
       kReglaDiseno, {}, {}, {}, {"1: 2."}},
      {"fría que empieza en Tc", [](CDiagrama& d) { Corriente(d, 395, 450, 2, 1, 0); },
       kReglaDiseno, {}, {"1: 2."}, {}, {}},
      {"fría latente en Tc", [](CDiagrama& d) { Corriente(d, 395, 395, 100, 1, 1); },
       kReglaDiseno, {}, {"1: -"}, {}, {}},
      {"caliente latente en Th", [](CDiagrama& d) { Corriente(d, 405, 405, 100, 0, 1); },
       kReglaDiseno, {}, {}, {"1: -"}, {}},
      {"sin entalpía", [](CDiagrama& d) { Corriente(d, 450, 300, 0, 0, 0); }, kReglaDiseno,
       {}, {}, {}, {}},
      {"latente en el pinch sin entalpía",
       [](CDiagrama& d) { Corriente(d, 395, 395, 0, 1, 1); }, kReglaDiseno, {}, {}, {}, {}},
      {"latente en el pinch sin entalpía, tabla de emparejamientos",
       [](CDiagrama& d) { Corriente(d, 395, 395, 0, 1, 1); }, kReglaTablaEmparejamientos, {},
       {"1: -"}, {}, {}},
      {"tramo propio de cada lado",
       [](CDiagrama& d) {
         Corriente(d, 450, 300, 2, 0, 0);
         CCorriente& s = d.m_corrientes[0];
         s.BorrarPuntos();
         s.AddPunto(450, 0);
         s.AddPunto(405, -45);
         s.AddPunto(300, -255);
         s.m_lineal = 0;
         s.CalcularCP();
       },
       kReglaDiseno, {"1: 1."}, {}, {"1: 2."}, {}},
      {"servicio mostrado",
       [](CDiagrama& d) {
         d.m_servicios.push_back(prueba::ServicioSensible(450, 300, 150));
         d.m_servicios.push_back(prueba::ServicioLatente(395, 20, 1));
         d.m_serviciosVisibles = 1;
       },
       kReglaDiseno, {"S1: 1."}, {"S2: -"}, {"S1: 1."}, {}},
      {"servicio oculto",
       [](CDiagrama& d) { d.m_servicios.push_back(prueba::ServicioSensible(450, 300, 150)); },
       kReglaDiseno, {}, {}, {}, {}},
      {"área oculta",
       [](CDiagrama& d) {
         Corriente(d, 450, 300, 2, 0, 0);
         ConAreas(d, 0);
       },
       kReglaDiseno, {}, {}, {}, {}},
      {"sin área mientras se muestra una",
       [](CDiagrama& d) {
         Corriente(d, 450, 300, 2, 0, 0);
         ConAreas(d, -1);
       },
       kReglaDiseno, {}, {}, {}, {}},
      {"área mostrada",
       [](CDiagrama& d) {
         Corriente(d, 450, 300, 2, 0, 0);
         ConAreas(d, 1);
       },
       kReglaDiseno, {"1: 2."}, {}, {"1: 2."}, {}},
      {"área oculta, tabla de emparejamientos",
       [](CDiagrama& d) {
         Corriente(d, 450, 300, 2, 0, 0);
         ConAreas(d, 0);
       },
       kReglaTablaEmparejamientos, {"1: 2."}, {}, {"1: 2."}, {}},
  };
  for (const CasoListado& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d;
    c.preparar(d);
    const ListadoFactibilidad arriba = ListarCorrientesPinch(d, p, kLadoCaliente, c.regla);
    const ListadoFactibilidad abajo = ListarCorrientesPinch(d, p, kLadoFrio, c.regla);
    EXPECT_EQ(TextosDe(arriba.calientes), c.calientesArriba);
    EXPECT_EQ(TextosDe(arriba.frias), c.friasArriba);
    EXPECT_EQ(TextosDe(abajo.calientes), c.calientesAbajo);
    EXPECT_EQ(TextosDe(abajo.frias), c.friasAbajo);
  }
}

TEST(Factibilidad, PinchesDeServiciosConSusTemperaturas) {
  // Utility pinches at shifted 450 and 400 K, below the process pinch.
  CDiagrama d = prueba::TresServiciosFrios();
  EXPECT_EQ(TextosPinches(d), Textos{"Pinch de Proceso"});
  d.m_serviciosVisibles = 1;
  EXPECT_EQ(TextosPinches(d), (Textos{"Pinch de Proceso", "Pinch de Servicios 455. - 445.",
                                      "Pinch de Servicios 405. - 395."}));

  const auto p2 = TemperaturaPinch(d, 2);
  ASSERT_TRUE(p2.has_value());
  EXPECT_EQ(p2->T, 400.0);
  EXPECT_EQ(p2->Th, 405.0);
  EXPECT_EQ(p2->Tc, 395.0);
  // The latent cold utility at 395 K sits at pinch 2 and belongs to its hot side.
  const ListadoFactibilidad l = ListarCorrientesPinch(d, 2, kLadoCaliente);
  EXPECT_EQ(TextosDe(l.calientes), Textos{"1: 1."});
  EXPECT_EQ(TextosDe(l.frias), Textos{"S2: -"});
}

TEST(Factibilidad, PinchQueYaNoExisteNoListaNada) {
  CDiagrama d = prueba::TresServiciosFrios();
  d.m_serviciosVisibles = 1;
  for (int k : {-1, 3, 1000}) {
    SCOPED_TRACE(k);
    EXPECT_FALSE(TemperaturaPinch(d, k).has_value());
    for (int lado : {kLadoCaliente, kLadoFrio}) {
      const ListadoFactibilidad l = ListarCorrientesPinch(d, k, lado);
      EXPECT_TRUE(l.calientes.empty());
      EXPECT_TRUE(l.frias.empty());
    }
  }
}

TEST(Factibilidad, PinchDeServiciosJuntoAlDeProcesoNoSeOfrece) {
  // Process: C 290 -> 490 m·cp 1, H 400 -> 300 m·cp 1, pinch at shifted 395.
  // A latent hot utility of 100 kW whose shifted temperature is `t` leaves
  // the cascade with utilities at zero there.
  struct Caso {
    double tServicio;  // shifted
    Textos textos;
  };
  const Caso casos[] = {
      {395.005, {"Pinch de Proceso"}},
      {395.05, {"Pinch de Proceso", "Pinch de Servicios 400.05 - 390.05"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.tServicio);
    CDiagrama d;
    d.AddCorriente(290, 490, 1, 1, 0);
    d.AddCorriente(400, 300, 1, 0, 0);
    d.m_servicios.push_back(prueba::ServicioLatente(c.tServicio + 5.0, 100, 0));
    d.m_serviciosVisibles = 1;
    EXPECT_EQ(TextosPinches(d), c.textos);
    EXPECT_EQ(d.m_tPinch, 395.0);
  }
}

TEST(Factibilidad, CriterioMcpDeCadaLado) {
  struct Caso {
    int lado;
    double mh, mc;
    bool acepta;
  };
  const Caso casos[] = {
      {kLadoCaliente, 2, 2, true},   {kLadoCaliente, 3, 2, false},
      {kLadoCaliente, 5, -1, true},  {kLadoFrio, 2, 2, true},
      {kLadoFrio, 1.5, 2, false},    {kLadoFrio, -1, 5, true},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << c.lado << " " << c.mh << " " << c.mc);
    EXPECT_EQ(CumpleCriterioMcp(c.lado, c.mh, c.mc), c.acepta);
  }
}

}  // namespace
}  // namespace vardo
