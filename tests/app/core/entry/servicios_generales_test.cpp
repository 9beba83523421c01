// What the utilities sheet's pages do to the model: listing, rows read back
// and pasted, reclassification by the pinch, deleted rows, the add page's
// chart and the fitted change of the combine page.
#include "app/core/entry/servicios_generales.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/core/numtext.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {
namespace {

// The four-stream problem: Qh 20, Qc 60, shifted pinch 358.15 K; between
// 413.15 and 358.15 (shifted) its grand composite curve falls from 82.5 to 0.
CDiagrama ConServicios(std::vector<CServicios> servicios) {
  return CuatroCorrientesConServicios(std::move(servicios));
}

std::vector<double> Cargas(const CDiagrama& d) {
  std::vector<double> v;
  for (const CServicios& s : d.m_servicios) v.push_back(s.m_carga);
  return v;
}

TEST(ServiciosGenerales, ListadosSegunLasAreasMostradas) {
  CDiagrama d = CuatroCorrientes();
  for (int i = 0; i < 4; ++i) d.AddServicio();
  d.AddArea("A", 0);
  d.AddArea("B", 0);
  d.m_servicios[1].m_area = 0;
  d.m_servicios[3].m_area = 1;
  EXPECT_EQ(ServiciosListados(d), (std::vector<std::int32_t>{0, 1, 2, 3}));  // none shown
  d.m_areas[1].mostrada = 1;
  EXPECT_EQ(ServiciosListados(d), (std::vector<std::int32_t>{3}));
  d.m_areas[0].mostrada = 1;
  EXPECT_EQ(ServiciosListados(d), (std::vector<std::int32_t>{1, 3}));
}

TEST(ServiciosGenerales, FilaQueNoNombraServicioNoSeLee) {
  CDiagrama d = ConServicios({ServicioLatente(473.15, 0, 0)});
  const CDiagrama antes = d;
  for (const char* numero : {"", "0", "2", "-1", "1x", " 1", "99999999999"}) {
    SCOPED_TRACE(numero);
    EXPECT_EQ(ServicioDeFila(d, numero), -1);
    LeerFila(d, {numero, "Otro", kTextoRefrigeracion, kTextoSensible, "300", "200", "5"}, nullptr,
             nullptr);
    EXPECT_EQ(d.m_servicios[0].GetNombre(), antes.m_servicios[0].GetNombre());
    EXPECT_EQ(d.m_servicios[0].m_T, antes.m_servicios[0].m_T);
  }
  EXPECT_EQ(ServicioDeFila(d, "1"), 0);
}

TEST(ServiciosGenerales, LecturaDeFilas) {
  struct Caso {
    const char* nombre;
    FilaServicio fila;
    int fria, latente, lineal;
    double t1, t2;
  };
  const Caso casos[] = {
      // A cooling utility is never cooled: the outlet comes up to the inlet.
      {"refrigeracion enfriada", {"1", "Agua", kTextoRefrigeracion, kTextoSensible, "300", "290", "7"},
       1, 0, 1, 300, 300},
      {"refrigeracion", {"1", "Agua", kTextoRefrigeracion, kTextoSensible, "278.15", "288.15", "7"},
       1, 0, 1, 278.15, 288.15},
      // A heating utility is never heated.
      {"calefaccion calentada", {"1", "Vapor", kTextoCalefaccion, kTextoSensible, "450", "460", "7"},
       0, 0, 1, 450, 450},
      {"latente", {"1", "Vapor", kTextoCalefaccion, kTextoLatente, "473.15", "473.15", "7"}, 0, 1,
       1, 473.15, 473.15},
      // A decimal comma is a decimal point.
      {"coma", {"1", "Agua", kTextoRefrigeracion, kTextoSensible, "280,5", " 1e3 ", "7"}, 1, 0, 1,
       280.5, 1000},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = ConServicios({ServicioSensible(280, 290, 0)});
    ASSERT_FALSE(ComprobarFila(c.fila, nullptr));
    LeerFila(d, c.fila, nullptr, nullptr);
    const CServicios& s = d.m_servicios[0];
    EXPECT_EQ(s.GetNombre(), c.fila.nombre);
    EXPECT_EQ(s.m_fria, c.fria);
    EXPECT_EQ(s.m_latente, c.latente);
    EXPECT_EQ(s.m_lineal, c.lineal);
    EXPECT_DOUBLE_EQ(s.GetT1(), c.t1);
    EXPECT_DOUBLE_EQ(s.GetT2(), c.t2);
    EXPECT_DOUBLE_EQ(s.m_entalpiaMaxima, 7);
    for (double h : s.m_H) EXPECT_TRUE(c.fria ? h >= 0 : h <= 0);
  }
}

TEST(ServiciosGenerales, TemperaturasQueLaReglaRechaza) {
  // The row as the page wrote it: a cell left so is taken as it is, even a
  // temperature of 0 K a file brought; what the user typed is checked.
  const FilaServicio escrita{"1", "Agua", kTextoRefrigeracion, kTextoSensible, "0.", "288.15", "7"};
  const char* numero = "Introduzca un número.";
  const char* temperatura = "Introduzca una temperatura mayor que 0 K.";
  struct Caso {
    const char* tEntrada;
    const char* tSalida;
    int columna;  // -1 taken
    const char* mensaje;
  };
  const Caso casos[] = {
      {"0.", "288.15", -1, ""},      {"280,5", "288.15", -1, ""}, {"abc", "288.15", 4, numero},
      {"", "288.15", 4, numero},     {"4x0", "288.15", 4, numero}, {"0.", "1e999", 5, numero},
      {"0.", "1,5,0", 5, numero},    {"0", "288.15", 4, temperatura},
      {"0.", "-5", 5, temperatura},  {"nan", "288.15", 4, numero},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.tEntrada) + " / " + c.tSalida);
    FilaServicio fila = escrita;
    fila.tEntrada = c.tEntrada;
    fila.tSalida = c.tSalida;
    const auto r = ComprobarFila(fila, &escrita);
    if (c.columna < 0) {
      EXPECT_FALSE(r);
      continue;
    }
    ASSERT_TRUE(r);
    EXPECT_EQ(r->columna, c.columna);
    EXPECT_EQ(r->mensaje, c.mensaje);
  }
  // Untouched cells keep the utility's own values, not their six digits.
  CDiagrama d = ConServicios({ServicioSensible(280.123456, 290.654321, 0)});
  const FilaServicio mostrada{"1", "Agua", kTextoRefrigeracion, kTextoSensible, "280.123",
                              "290.654", "7"};
  FilaServicio tecleada = mostrada;
  tecleada.nombre = "Agua de pozo";
  LeerFila(d, tecleada, &mostrada, nullptr);
  EXPECT_EQ(d.m_servicios[0].GetNombre(), "Agua de pozo");
  EXPECT_EQ(d.m_servicios[0].GetT1(), 280.123456);
  EXPECT_EQ(d.m_servicios[0].GetT2(), 290.654321);
  tecleada.tSalida = "295,25";
  LeerFila(d, tecleada, &mostrada, nullptr);
  EXPECT_EQ(d.m_servicios[0].GetT1(), 280.123456);
  EXPECT_EQ(d.m_servicios[0].GetT2(), 295.25);
}

TEST(ServiciosGenerales, PegadoQueLaReglaRechaza) {
  const std::vector<FilaPegada> buenas = {{"Vapor", kTextoSensible, "473,15", "450"},
                                          {"Agua", kTextoLatente, "280", "lo que sea"}};
  EXPECT_FALSE(ComprobarPegado(buenas));
  std::vector<FilaPegada> malas = buenas;
  malas.push_back({"Aceite", kTextoSensible, "520", "4x0"});
  const auto r = ComprobarPegado(malas);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->fila, 2);
  EXPECT_EQ(r->columna, 5);
  EXPECT_EQ(r->mensaje, "Introduzca un número.");
  CDiagrama d = CuatroCorrientes();
  d.AddServicio();
  AplicarPegado(d, {0}, {buenas[0]});
  EXPECT_DOUBLE_EQ(d.m_servicios[0].GetT1(), 473.15);
}

TEST(ServiciosGenerales, CombinadoPideLaTablaSoloAlCambiar) {
  const FilaServicio fila{"1", "Mezcla", kTextoRefrigeracion, kTextoCombinado, "280", "290", "7"};
  struct Caso {
    const char* nombre;
    int linealAntes;  // 1: the row was just changed to "Combinado"
    bool acepta;
    int llamadas;
    std::vector<double> temperaturas;
  };
  const Caso casos[] = {
      {"cancelado", 1, false, 1, {280, 290}},
      {"aceptado", 1, true, 1, {270, 275, 285}},
      {"ya combinado", 0, true, 0, {280, 290}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = ConServicios({ServicioSensible(280, 290, 0)});
    d.m_servicios[0].m_lineal = c.linealAntes;
    int llamadas = 0;
    LeerFila(d, fila, nullptr, [&](CServicios& s) {
      ++llamadas;
      EXPECT_DOUBLE_EQ(s.m_dtMin, 10.0);  // the page's DT min and pinch go along
      EXPECT_DOUBLE_EQ(s.m_pinch, d.m_tPinch);
      s.m_T = {270, 275, 285};
      s.m_H = {0, 0.5, 1};
      return c.acepta;
    });
    EXPECT_EQ(llamadas, c.llamadas);
    EXPECT_EQ(d.m_servicios[0].m_lineal, 0);
    EXPECT_EQ(d.m_servicios[0].m_latente, 0);
    EXPECT_EQ(d.m_servicios[0].m_T, c.temperaturas);
    EXPECT_EQ(TipoCalor(d.m_servicios[0]), kTextoCombinado);
  }
}

TEST(ServiciosGenerales, ReclasificacionPorLaTemperaturaDeEntrada) {
  // Shifted pinch 358.15, DT min 10: cooling up to 353.15, heating from 363.15.
  struct Caso {
    double t1;
    int fria;
    double t1Final;
  };
  const Caso casos[] = {{300, 1, 300}, {353.15, 1, 353.15}, {360, 1, 353.15},
                        {363.15, 0, 363.15}, {473.15, 0, 473.15}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.t1);
    CDiagrama d = ConServicios({ServicioLatente(c.t1, 0, 1 - c.fria)});
    ReclasificarServicios(d);
    const CServicios& s = d.m_servicios[0];
    EXPECT_EQ(s.m_fria, c.fria);
    EXPECT_DOUBLE_EQ(s.GetT1(), c.t1Final);
    EXPECT_EQ(s.m_cascadaT, d.m_temperaturas);  // cascade copy rebuilt
    for (double h : s.m_H) EXPECT_TRUE(c.fria ? h >= 0 : h <= 0);
  }
  // A latent heating utility above the curve can take the minimum hot utility.
  CDiagrama d = ConServicios({ServicioLatente(473.15, 0, 0)});
  ReclasificarServicios(d);
  EXPECT_DOUBLE_EQ(d.m_servicios[0].m_entalpiaMaxima, -20.0);
}

TEST(ServiciosGenerales, LosServiciosNuevosSeListanConAreasMostradas) {
  CDiagrama d = CuatroCorrientes();
  d.AddArea("A", 0);
  d.AddArea("B", 0);
  d.m_areas[0].mostrada = 1;
  d.m_areas[1].mostrada = 1;
  const auto nuevos = AnadirServiciosListados(d, 3);
  EXPECT_EQ(nuevos, (std::vector<std::int32_t>{0, 1, 2}));
  EXPECT_EQ(ServiciosListados(d), nuevos);
  ASSERT_EQ(d.m_areas[0].corrientes.size(), 3u);
  for (std::int32_t k : nuevos) {
    EXPECT_EQ(d.m_servicios[static_cast<std::size_t>(k)].m_area, 0);
    EXPECT_EQ(d.m_areas[0].GetCorriente(k), kRefServicio + k);
  }
  // Without areas shown nothing joins an area.
  CDiagrama libre = CuatroCorrientes();
  AnadirServiciosListados(libre, 2);
  EXPECT_EQ(libre.m_servicios[1].m_area, -1);
}

TEST(ServiciosGenerales, ServicioDeLaFilaBorrada) {
  using V = std::vector<std::int32_t>;
  using N = std::vector<std::string>;
  struct Caso {
    const char* nombre;
    V listados;
    N numeros;  // what the rows still show
    std::int32_t borrado;
  };
  const Caso casos[] = {
      {"la del medio", V{0, 1, 2}, N{"1", "3"}, 1},
      {"la primera", V{0, 1, 2}, N{"2", "3"}, 0},
      {"la ultima", V{0, 1, 2}, N{"1", "2"}, 2},
      {"lista filtrada", V{1, 3, 4}, N{"2", "5"}, 3},
      {"nada listado", V{}, N{}, -1},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    EXPECT_EQ(ServicioBorrado(c.listados, c.numeros), c.borrado);
  }
}

TEST(ServiciosGenerales, FilasPegadas) {
  struct Caso {
    const char* nombre;
    FilaPegada fila;
    int fria, latente;
    double t1, t2;
  };
  const Caso casos[] = {
      {"iguales", {"Vapor", kTextoSensible, "473.15", "473.15"}, 0, 1, 473.15, 473.15},
      {"latente escrito", {"Vapor", kTextoLatente, "473.15", "400"}, 0, 1, 473.15, 473.15},
      {"calefaccion calentada", {"Aceite", kTextoSensible, "450", "470"}, 0, 1, 450, 450},
      {"refrigeracion", {"Agua", kTextoSensible, "278.15", "288.15"}, 1, 0, 278.15, 288.15},
      {"refrigeracion enfriada", {"Agua", kTextoSensible, "300", "280"}, 1, 1, 300, 300},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = CuatroCorrientes();
    d.AddServicio();
    AplicarPegado(d, {0}, {c.fila});
    const CServicios& s = d.m_servicios[0];
    EXPECT_EQ(s.GetNombre(), c.fila.nombre);
    EXPECT_EQ(s.m_fria, c.fria);
    EXPECT_EQ(s.m_latente, c.latente);
    EXPECT_DOUBLE_EQ(s.GetT1(), c.t1);
    EXPECT_DOUBLE_EQ(s.GetT2(), c.t2);
    EXPECT_DOUBLE_EQ(std::fabs(s.m_H.back()), 1.0);  // normalised
  }
}

TEST(ServiciosGenerales, GraficaDelServicioSeleccionado) {
  CDiagrama d = ConServicios({ServicioLatente(473.15, 0, 0), ServicioSensible(278.15, 288.15, 0)});
  CGrafica g;
  GraficaServicio(d, g, -1);
  ASSERT_EQ(g.series.size(), 1u);
  EXPECT_EQ(g.series[0].etiqueta, "Curva Grand Compuesta de Proceso");
  GraficaServicio(d, g, 2);  // names no utility
  EXPECT_EQ(g.series.size(), 1u);

  struct Caso {
    std::int32_t servicio;
    Rgb color;
    std::vector<Point> puntos;
  };
  const Caso casos[] = {
      // Heating: from |H| at its temperature less DT min/2 to 0 (x 100, a
      // product within rounding of a whole number taken as that number).
      {0, kColorCalefaccion, {{2000, 46815}, {0, 46815}}},
      // Cooling: from H to 0, at its temperatures plus DT min/2.
      {1, kColorRefrigeracion, {{6000, 28315}, {0, 29315}}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.servicio);
    GraficaServicio(d, g, c.servicio);
    ASSERT_EQ(g.series.size(), 2u);
    EXPECT_EQ(g.series[1].etiqueta, "Servicio");
    EXPECT_EQ(g.series[1].color, c.color);
    const std::vector<Point> puntos(g.puntos.begin() + g.series[1].primerPunto, g.puntos.end());
    EXPECT_EQ(puntos, c.puntos);
  }
}

TEST(ServiciosGenerales, TotalesYMaximosDeBarras) {
  CDiagrama d = ConServicios({ServicioLatente(473.15, 12.5, 0), ServicioSensible(278.15, 288.15, 60)});
  const TotalesServicios t = CalcularTotales(d, ServiciosListados(d));
  EXPECT_EQ(TextoTotal(t.calefaccion, t.calefaccionMinima), "12.5 kW/20. kW");
  EXPECT_EQ(TextoTotal(t.refrigeracion, t.refrigeracionMinima), "60. kW/60. kW");
  struct Caso {
    std::size_t k;
    bool ajustar;
    double maximo;
  };
  // H -20 and 60: |H| fitted, |H + 50| x 10 otherwise.
  for (const Caso& c : {Caso{0, true, 20}, Caso{0, false, 300}, Caso{1, true, 60},
                        Caso{1, false, 1100}})
    EXPECT_DOUBLE_EQ(MaximoBarra(d.m_servicios[c.k], c.ajustar), c.maximo);
}

// Heating at 400 K (at most 20 kW: 55.275 flow at 395 K shifted, but only
// 20 at 438.15 above it) and cooling at 300 K (at most 60: 63.425 at 305,
// but 60 at 298.15 below it) with these loads.
CDiagrama Bolsillo(std::vector<double> calefaccion, double refrigeracion) {
  std::vector<CServicios> v;
  for (double c : calefaccion) v.push_back(ServicioLatente(400, c, 0));
  v.push_back(ServicioLatente(300, refrigeracion, 1));
  return ConServicios(v);
}

// Steam at 473.15 and 453.15 K (above the process, at most 20 kW each), steam
// at 360 K (below the pinch, at most 7.875) and cooling water 278.15 ->
// 288.15 K (below the process, at most 60), with these loads. Their curve
// fits the process one while the upper steam gives at most 20 kW in all, the
// lower one nothing and the water takes at most 60.
CDiagrama Escalonados(std::vector<double> cargas) {
  const CServicios tipos[] = {ServicioLatente(473.15, 0, 0), ServicioLatente(453.15, 0, 0),
                              ServicioLatente(360, 0, 0), ServicioSensible(278.15, 288.15, 0)};
  std::vector<CServicios> v;
  for (std::size_t k = 0; k < cargas.size() && k < std::size(tipos); ++k) {
    v.push_back(tipos[k]);
    v.back().m_carga = cargas[k];
  }
  return ConServicios(v);
}

TEST(ServiciosGenerales, CambioAjustado) {
  struct Caso {
    const char* nombre;
    std::vector<double> antes, despues;  // loads before and as read from the bars
    CambioAjustado resultado;
    std::vector<double> final;
  };
  const Caso casos[] = {
      {"encaja", {10, 10, 0, 30}, {10, 10, 0, 60}, CambioAjustado::Aceptado, {10, 10, 0, 60}},
      // The raised steam comes back to what its side still needs.
      {"corregido", {10, 10, 0, 60}, {10, 15, 0, 60}, CambioAjustado::Corregido, {10, 10, 0, 60}},
      // Steam below the pinch crosses the curve; the 10 kW its side still
      // needs are more than it may give: everything back.
      {"rechazado", {10, 0, 0, 60}, {10, 0, 5, 60}, CambioAjustado::Rechazado, {10, 0, 0, 60}},
      // Nothing changed: the first steam would take 20 - 30 = -10 kW, a
      // negative load; refused instead.
      {"resto negativo", {5, 30, 0, 20}, {5, 30, 0, 20}, CambioAjustado::Rechazado, {5, 30, 0, 20}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = Escalonados(c.despues);
    EXPECT_EQ(AplicarCambioAjustado(d, c.antes), c.resultado);
    EXPECT_EQ(Cargas(d), c.final);
  }
  CDiagrama vacio = CuatroCorrientes();
  EXPECT_EQ(AplicarCambioAjustado(vacio, {}), CambioAjustado::Aceptado);
}

TEST(ServiciosGenerales, SinAjusteLasCargasNoPasanDeSuMaximo) {
  // Maxima 20 (heating, H negative) and 60.
  CDiagrama d = Bolsillo({70, 10}, 100);
  LimitarCargas(d);
  const std::vector<double> cargas = Cargas(d);
  ASSERT_EQ(cargas.size(), 3u);
  EXPECT_NEAR(cargas[0], 20, 1e-9);
  EXPECT_EQ(cargas[1], 10);
  EXPECT_NEAR(cargas[2], 60, 1e-9);
}

}  // namespace
}  // namespace vardo::prueba
