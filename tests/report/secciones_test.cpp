// The sections of the report: which headings, tables and picture files each
// option gives, the whole report of the sample with utilities and areas,
// and tables checked on networks built in code.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/core/analysis/remanente.h"
#include "app/core/document/documento.h"
#include "model/anillos.h"
#include "model/constantes.h"
#include "report/informe.h"
#include "report/pagina_informe.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/comun/problemas.h"
#include "tests/report/informe_prueba.h"

namespace vardo {
namespace {

using prueba::CargarEjemplo;
using prueba::Contiene;
using prueba::Informe;
using prueba::SinSecciones;
using prueba::TextoPagina;
using prueba::TodasLasSecciones;

// The part of the page between the date line and the closing tags.
std::string Cuerpo(const std::string& texto) {
  const std::size_t a = texto.find("horas.</font></p>");
  const std::size_t b = texto.rfind("\n\n</body>");
  if (a == std::string::npos || b == std::string::npos || b < a) return {};
  return texto.substr(a + 17, b - a - 17);
}

// Every src of the page's <img> elements.
std::vector<std::string> Fuentes(const std::string& texto) {
  std::vector<std::string> v;
  const std::regex re("<img border=\"0\" src=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(texto.begin(), texto.end(), re); it != std::sregex_iterator(); ++it)
    v.push_back((*it)[1]);
  return v;
}

TEST(SeccionesInforme, UnaSolaOpcion) {
  struct Caso {
    const char* nombre;
    std::array<bool, 13> OpcionesInforme::*pagina13;  // or null
    std::size_t indice;
    int paginaCorta;  // 0 none, 1 cambiadores, 2 dtMinima, 3 servicios
    std::string cuerpo;  // the whole body between the date line and the end
    std::set<std::string> archivos;
  };
  const std::string svgTrama = "<p align=\"center\"><img border=\"0\" src=\"a.htm_Trama.svg\" width=\"700\" height=\"427\"></p>\n";
  const Caso casos[] = {
      {"DT disponible", &OpcionesInforme::corrientes, 12, 0,
       "<p><u><b><font size=\"4\">Corrientes</font></b></u></p>\n\n"
       "<p><b>Curva de Diferencia de Temperaturas Disponible</b></p>\n"
       "<p align=\"center\"><img border=\"0\" src=\"a.htm_DTDisp.svg\" width=\"500\" "
       "height=\"538\"></p>\n",
       {"a.htm", "a.htm_DTDisp.svg", "a.htm_DTDisp.wmf"}},
      {"coste del inmovilizado", nullptr, 1, 2,
       "<p><u><b><font size=\"4\">Análisis de <font face=\"Symbol\">&#916;</font>T "
       "mínima</font></b></u></p>\n"
       "<p><b>Variación de los costes del inmovilizado con <font face=\"Symbol\">&#916;</font>T\n"
       "mínima</b></p>\n"
       "<p align=\"center\"><img border=\"0\" src=\"a.htm_VarCInm.svg\" width=\"500\" "
       "height=\"538\"></p>\n",
       {"a.htm", "a.htm_VarCInm.svg", "a.htm_VarCInm.wmf"}},
      {"coste total", nullptr, 3, 2,
       "<p><u><b><font size=\"4\">Análisis de <font face=\"Symbol\">&#916;</font>T "
       "mínima</font></b></u></p>\n"
       "<p><b>Variación de los costes totales con <font face=\"Symbol\">&#916;</font>T\n"
       "mínima</b></p>\n"
       "<p align=\"center\"><img border=\"0\" src=\"a.htm_VarCTot.svg\" width=\"500\" "
       "height=\"538\"></p>\n",
       {"a.htm", "a.htm_VarCTot.svg", "a.htm_VarCTot.wmf"}},
      {"diagrama de trama", nullptr, 3, 1,
       "\n<p><u><b><font size=\"4\">Cambiadores</font></b></u></p>\n"
       "<p><b>Diagrama de Trama</b></p>\n" + svgTrama,
       {"a.htm", "a.htm_Trama.svg", "a.htm_Trama.wmf"}},
  };
  const CDiagrama modelo = CargarEjemplo("servicios_y_area.vdo");
  for (const Caso& c : casos) {
    OpcionesInforme o = SinSecciones();
    if (c.pagina13) (o.*c.pagina13)[c.indice] = true;
    if (c.paginaCorta == 1) o.cambiadores[c.indice] = true;
    if (c.paginaCorta == 2) o.dtMinima[c.indice] = true;
    Informe inf;
    const std::string t = TextoPagina(inf.Escribir(modelo, o));
    EXPECT_TRUE(inf.ok) << c.nombre;
    EXPECT_EQ(Cuerpo(t), c.cuerpo) << c.nombre;
    const auto v = inf.carpeta.Archivos();
    EXPECT_EQ(std::set<std::string>(v.begin(), v.end()), c.archivos) << c.nombre;
    EXPECT_EQ(inf.progreso.Contar("paso"), 1) << c.nombre;
  }
}

// At DT min 0 the composites of this problem touch: the area and the capital
// and total costs are not finite, and the page says so instead of a figure.
TEST(SeccionesInforme, AreaYCostesNoFinitosConDTMinCero) {
  CDiagrama modelo = prueba::LatenteEnElPinch();
  modelo.SetDTMin(0.0);
  modelo.CalcularObjetivos();
  OpcionesInforme o = SinSecciones();
  o.corrientes[7] = true;
  Informe inf;
  const std::string t = TextoPagina(inf.Escribir(modelo, o));
  ASSERT_TRUE(inf.ok);
  const std::string c = Cuerpo(t);
  ASSERT_NE(c.find("Área y Costes mínimos"), std::string::npos) << c;
  for (const char* linea :
       {"Área mínima de la red de intercambio: infinita (las curvas compuestas se tocan).",
        "De inmovilizado totales: infinito (las curvas compuestas se tocan).",
        "De inmovilizado anuales: infinito (las curvas compuestas se tocan).",
        "Totales anuales: infinito (las curvas compuestas se tocan)."})
    EXPECT_NE(c.find(linea), std::string::npos) << linea << "\n" << c;
  EXPECT_EQ(c.find("inf "), std::string::npos);
}

TEST(SeccionesInforme, AltoDeLaTramaSegunElRectanguloDelModelo) {
  struct Caso {
    Rect r;
    const char* alto;
  };
  const Caso casos[] = {{{0, 0, 7000, -3500}, "350"},
                        {{1500, -1500, 1500, -12500}, "427"},  // without width
                        {{0, 0, 0, 0}, "427"}};
  for (const Caso& c : casos) {
    CDiagrama d = CargarEjemplo("cuatro_corrientes.vdo");
    d.m_rectGrafico = c.r;
    OpcionesInforme o = SinSecciones();
    o.cambiadores[3] = true;
    Informe inf;
    const std::string t = TextoPagina(inf.Escribir(d, o));
    EXPECT_TRUE(inf.ok) << c.alto;
    EXPECT_TRUE(Contiene(t, std::string("src=\"a.htm_Trama.svg\" width=\"700\" height=\"") +
                                c.alto + "\"></p>\n"))
        << t;
  }
}

TEST(SeccionesInforme, SoloCorrelacionesDeCostesDeLosServicios) {
  OpcionesInforme o = SinSecciones();
  o.servicios[0] = true;
  Informe inf;
  const std::string t = TextoPagina(inf.Escribir(CargarEjemplo("servicios_y_area.vdo"), o));
  const std::string cuerpo = Cuerpo(t);
  EXPECT_EQ(cuerpo.rfind("<p><u><b><font size=\"4\">Servicios Generales</font></b></u></p>\n\n"
                         "<p><b>Correlaciones de costes y coeficientes de transmisión de calor</b></p>\n",
                         0),
            0u)
      << cuerpo;
  // Steam: film coefficient 2, cost law 4600 + 920·A^0.7 (the defaults).
  EXPECT_TRUE(Contiene(cuerpo, "    <td width=\"20%\">Servicio</td>\n"));
  EXPECT_TRUE(Contiene(cuerpo, "    <td width=\"20%\">1</td>\n    <td width=\"20%\">2.</td>\n"
                               "    <td width=\"20%\">4600.</td>\n    <td width=\"20%\">920.</td>\n"
                               "    <td width=\"20%\">0.7</td>\n"));
  EXPECT_TRUE(Contiene(cuerpo, "C[$] = a + b·A[m<sup>2</sup>]<sup>c</sup>"));
  EXPECT_FALSE(Contiene(cuerpo, "Estimación de coeficientes"));
  EXPECT_FALSE(Contiene(cuerpo, "Tabla de Servicios"));
  EXPECT_EQ(inf.carpeta.NumArchivos(), 1u);
}

TEST(SeccionesInforme, TodasLasSeccionesDelEjemploConServiciosYAreas) {
  const CDiagrama modelo = CargarEjemplo("servicios_y_area.vdo");
  Informe inf;
  const std::string b = inf.Escribir(modelo, TodasLasSecciones());
  ASSERT_TRUE(inf.ok);
  const std::string t = TextoPagina(b);

  // Every heading, in page order.
  const char* orden[] = {
      ">Corrientes<", "Tabla de corrientes", "Propiedades Físicas",
      "Tablas de entalpía de corrientes no lineales",
      "<p><b>Correlaciones de costes y coeficientes", "<p><b>Estimación de coeficientes",
      "Cálculo de Vadizod", "Área y Costes mínimos", "Criterios de factibilidad y matrices",
      "<b>Curvas Compuestas</b>", "<b>Curvas Grand Compuestas</b>",
      "<b>Curvas Compuestas con Servicios</b>", "Curva de Diferencia de Temperaturas Disponible",
      "<p><b>Áreas de Integridad</b>", ">Cambiadores<", "Tabla de cambiadores",
      "Especificaciones de los cambiadores", "<b>Diagrama de Trama</b>",
      "Análisis del Problema Remanente", "<p><b>Emparejamientos a través del pinch</b>",
      ">Servicios Generales<", "Tabla de Servicios Generales",
      "Tablas de entalpía de servicios no lineales", "Propiedades Físicas",
      "<p><b>Correlaciones de costes y coeficientes", "<p><b>Estimación de coeficientes",
      "Tabla de Costes de Operación", ">Anillos y Sendas<", "Búsqueda de anillos",
      "Matriz de Adyacencia de Nodos", "Caminos de transmisión de perturbaciones",
      ">Análisis de <font", "Variación de los consumos de calefacción y refrigeración",
      "Variación de la temperatura de pinch", "Variación del número mínimo de cambiadores",
      "Variación del área mínima", "Variación de los costes de operación",
      "Variación de los costes del inmovilizado", "Variación de los costes totales"};
  std::size_t desde = 0;
  for (const char* s : orden) {
    const std::size_t p = t.find(s, desde);
    ASSERT_NE(p, std::string::npos) << s;
    desde = p + 1;
  }

  // Exchangers: the steam heater and the cooling-water cooler.
  EXPECT_TRUE(Contiene(t, "    <td>2</td>\n    <td>20.</td>\n    <td>S1</td>\n"));
  EXPECT_TRUE(Contiene(t, "    <td>60.</td>\n    <td>4</td>\n"));
  EXPECT_TRUE(Contiene(t, "    <td>S2</td>\n"));
  // Loops: none in this design.
  EXPECT_TRUE(Contiene(t, "<p>El programa ha encontrado un total de 0 anillos y sendas:</p>\n"));
  // Both matrices, the disturbance one headed "de/a" with the utilities.
  EXPECT_TRUE(Contiene(t, "<td>de/a</td>"));
  EXPECT_TRUE(Contiene(t, "<td>S2</td>\n  </tr>\n"));
  // The areas: members and the comparison of the split diagram.
  EXPECT_TRUE(Contiene(t, "    <td>1</td>\n    <td>Area 1</td>\n    <td>1;2;S1;</td>\n"));
  EXPECT_TRUE(Contiene(t, "    <td>Parámetro</td>\n    <td>Diagrama sin fraccionar</td>\n"
                          "    <td>1 Area 1</td>\n    <td>2 Area 2</td>\n"
                          "    <td>Diagrama fraccionado</td>\n"));
  // Whole problem, each area alone, and the sum of the areas.
  EXPECT_TRUE(Contiene(t, "    <td>Calefacción (kW)</td>\n    <td>20.</td>\n    <td>0.</td>\n"
                          "    <td>150.</td>\n    <td>150.</td>\n"));
  EXPECT_TRUE(Contiene(t, "    <td>Número</td>\n    <td>7</td>\n    <td>2</td>\n    <td>4</td>\n"
                          "    <td>6</td>\n"));
  // The remaining problem: minimum, installed, remaining, total.
  EXPECT_TRUE(Contiene(t, "    <td>Número de cambiadores</td>\n    <td>7</td>\n    <td>3</td>\n"
                          "    <td>3</td>\n    <td>6</td>\n"));
  // Operating costs: steam 120 $/kW·año × 20 kW.
  EXPECT_TRUE(Contiene(t, "    <td>1</td>\n    <td>Vapor</td>\n    <td>120.</td>\n    <td>20.</td>\n"
                          "    <td>2400.</td>\n"));

  // 34 sections: 34 steps, then complete.
  EXPECT_EQ(inf.progreso.Contar("paso"), 34);
  EXPECT_EQ(inf.progreso.eventos.back(), "completo");

  // Eleven charts and the grid, each a metafile and an SVG beside the page,
  // each src naming an SVG that is there.
  const auto src = Fuentes(t);
  EXPECT_EQ(src.size(), 12u);
  for (const std::string& s : src) {
    EXPECT_TRUE(std::filesystem::exists(inf.carpeta / s)) << s;
    const std::string wmf = s.substr(0, s.size() - 4) + ".wmf";
    EXPECT_TRUE(std::filesystem::exists(inf.carpeta / wmf)) << wmf;
  }
  EXPECT_EQ(inf.carpeta.NumArchivos(), 25u);
  EXPECT_EQ(inf.svg.llamadas.size(), 12u);
  for (const auto& l : inf.svg.llamadas) {
    EXPECT_GT(l.elementos, 0u);
    EXPECT_GT(l.extension.Width(), 0);
    EXPECT_GT(l.extension.Height(), 0);
  }
}

TEST(SeccionesInforme, ProblemaVacioEscribeCabecerasSinFilas) {
  Informe inf;
  const std::string t = TextoPagina(inf.Escribir(CDiagrama(), TodasLasSecciones()));
  ASSERT_TRUE(inf.ok);
  EXPECT_EQ(inf.progreso.Contar("paso"), 34);
  EXPECT_TRUE(Contiene(t, "    <td width=\"15%\">m·cp(kW·K)</td>\n  </tr>\n</table>\n"));
  EXPECT_TRUE(Contiene(t, "<p>El programa ha encontrado un total de 0 anillos y sendas:</p>\n"));
  EXPECT_TRUE(Contiene(t, "<td>de/a</td>\n  </tr>\n</table>\n"));
  // Every picture is written even with nothing to draw.
  EXPECT_EQ(inf.carpeta.NumArchivos(), 25u);
}

TEST(SeccionesInforme, CadaMetafileLoLeeOtroLector) {
  if (std::system("command -v emf2svg-conv >/dev/null 2>&1") != 0) GTEST_SKIP() << "sin emf2svg-conv";
  Informe inf;
  inf.Escribir(CargarEjemplo("servicios_y_area.vdo"), TodasLasSecciones());
  ASSERT_TRUE(inf.ok);
  int leidos = 0;
  for (const std::string& f : inf.carpeta.Archivos()) {
    if (f.size() < 4 || f.substr(f.size() - 4) != ".wmf") continue;
    const auto bytes = prueba::LeerBytes(inf.carpeta / f);
    // EMR_HEADER with the " EMF" signature.
    ASSERT_GE(bytes.size(), 44u) << f;
    EXPECT_EQ(bytes[0], 1) << f;
    EXPECT_EQ(std::string(bytes.begin() + 40, bytes.begin() + 44), " EMF") << f;
    const std::string svg = inf.carpeta / (f + ".emf2svg.svg");
    EXPECT_EQ(std::system(("emf2svg-conv -i '" + (inf.carpeta / f) + "' -o '" + svg + "' 2>/dev/null").c_str()), 0) << f;
    std::stringstream ss;
    ss << std::ifstream(svg).rdbuf();
    EXPECT_TRUE(Contiene(ss.str(), "<svg")) << f;
    ++leidos;
  }
  EXPECT_EQ(leidos, 12);
}

// The four-stream problem with its design at minimum utilities: a heater
// and a cooler on the generic utilities.
CDiagrama DisenoCalculado() {
  CDiagrama d = prueba::DisenoCuatroCorrientes();
  EXPECT_TRUE(prueba::Calculada(d.CalcularRed())) << d.m_textoComprobacion;
  return d;
}

TEST(SeccionesInforme, CambiadoresConServicioGenerico) {
  OpcionesInforme o = SinSecciones();
  o.cambiadores[0] = true;
  o.cambiadores[1] = true;
  CDiagrama d = DisenoCalculado();
  d.m_cambiadores[1].tipoSalidaFria = kTipoValor;  // a typed end shows its value
  d.m_cambiadores[1].valorSalidaFria = 380.5;
  Informe inf;
  const std::string t = TextoPagina(inf.Escribir(d, o));
  // The heater: generic utility on the hot side, no temperatures there.
  EXPECT_TRUE(Contiene(t, "    <td>3</td>\n    <td>20.</td>\n    <td>SG</td>\n    <td>-</td>\n"
                          "    <td>-</td>\n    <td>1</td>\n"))
      << t;
  // The cooler: generic utility on the cold side, H4 brought to its target.
  EXPECT_TRUE(Contiene(t, "    <td>303.15</td>\n    <td>SG</td>\n    <td>-</td>\n    <td>-</td>\n"));
  // Set values: load by type, ends by kind.
  const auto fila = [](std::vector<std::string> celdas) {
    std::string s = "  <tr>\n";
    for (const auto& c : celdas) s += "    <td>" + c + "</td>\n";
    return s + "  </tr>\n";
  };
  EXPECT_TRUE(Contiene(t, fila({"1", "Especificada por Usuario", "240.", "Igual a la de la corriente",
                                "-", "No especificada", "-", "Temperatura de pinch", "-",
                                "No especificada", "-"})))
      << t;
  EXPECT_TRUE(Contiene(t, fila({"2", "Especificada por Usuario", "90.", "Igual a la de la corriente",
                                "-", "No especificada", "-", "Temperatura de pinch", "-",
                                "Especificada por Usuario", "380.5"})));
  EXPECT_TRUE(Contiene(t, fila({"3", "Para agotar corr. cal.", "-", "No especificada", "-",
                                "No especificada", "-", "Igual a la de otro cambiador", "-",
                                "No especificada", "-"})));
  EXPECT_TRUE(Contiene(t, fila({"6", "Para agotar corr. fría", "-", "Igual a la de otro cambiador",
                                "-", "No especificada", "-", "No especificada", "-",
                                "No especificada", "-"})));
}

// The remaining-problem table: the capital cost is the cost over the whole
// amortization period, headed in dollars, not per year; the other rows as
// they stand.
TEST(SeccionesInforme, RemanenteConElInmovilizadoEnDolares) {
  OpcionesInforme o = SinSecciones();
  o.cambiadores[2] = true;
  const CDiagrama d = DisenoCalculado();
  Informe inf;
  const std::string t = TextoPagina(inf.Escribir(d, o));
  CDiagrama copia;
  CopiarModeloCompleto(copia, d);
  const AnalisisRemanente a = CalcularRemanente(copia);
  const auto fila = [](std::vector<std::string> celdas) {
    std::string s = "  <tr>\n";
    for (const auto& c : celdas) s += "    <td>" + c + "</td>\n";
    return s + "  </tr>\n";
  };
  EXPECT_TRUE(Contiene(t, fila({"Coste del inmovilizado ($)", Num(a.minimo.coste),
                                Num(a.instalado.coste), Num(a.remanente.coste),
                                Num(a.total.coste)})))
      << t;
  for (const char* cabecera : {"Número de cambiadores", "Área de intercambio (m<sup>2</sup>)",
                               "Calefacción (kW)", "Refrigeración (kW)"})
    EXPECT_TRUE(Contiene(t, std::string("    <td>") + cabecera + "</td>\n")) << cabecera;
  EXPECT_FALSE(Contiene(t, "$/año)</td>"));
}

// Two loops of their own: E1 and E2 (100 and 140 kW) between H2 and C3, E3
// and E4 (10 and 15 kW) between H4 and C1.
CDiagrama DosAnillos() {
  CDiagrama d = prueba::CuatroCorrientes();
  // modo, caliente, fria, (tipo, valor) EC, SC, EF, SF, Q
  d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, 100);
  d.AddCambiador(kModoQ, 1, 2, kTipoCambiador, 0, 0, 0, 0, 0, kTipoCambiador, 0, 1, 140);
  d.AddCambiador(kModoQ, 3, 0, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, 10);
  d.AddCambiador(kModoQ, 3, 0, kTipoCambiador, 2, 0, 0, 0, 0, kTipoCambiador, 2, 1, 15);
  prueba::ReconstruirListas(d);
  EXPECT_TRUE(prueba::Calculada(d.CalcularRed())) << d.m_textoComprobacion;
  return d;
}

TEST(SeccionesInforme, CadaAnilloConSuPropioIntervalo) {
  OpcionesInforme o = SinSecciones();
  o.anillos[0] = true;
  Informe inf;
  const std::string t = TextoPagina(inf.Escribir(DosAnillos(), o));
  EXPECT_TRUE(Contiene(t, "<p>El programa ha encontrado un total de 2 anillos y sendas:</p>\n"));
  const std::regex re("<p>([0-9]+): Anillo formado por los cambiadores ([0-9 -]+)Se puede "
                      "transmitir entre -([^ ]+) kW y ([^ ]+) kW</p>\n");
  std::set<std::string> lineas;
  for (auto it = std::sregex_iterator(t.begin(), t.end(), re); it != std::sregex_iterator(); ++it)
    lineas.insert((*it)[2].str() + "| " + (*it)[3].str() + " " + (*it)[4].str());
  EXPECT_EQ(lineas, (std::set<std::string>{"1 - 2 - 1 - | 100. 140.", "3 - 4 - 3 - | 10. 15."})) << t;
  // The search's status and the writing's, then the step.
  const std::vector<std::string> esperado = {"estado: Buscando anillos y sendas...",
                                             "estado: Escribiendo datos de anillos y sendas...",
                                             "paso", "estado: Informe completo", "completo"};
  EXPECT_EQ(inf.progreso.eventos, esperado);
}

// The four-stream design at minimum utilities has the loop 2-5-2, the path
// 3-5-6 and the path 3-2-6. With a path of the search shown (as the object
// browser shows it), the report still counts and lists all three, not only
// those through the shown one; the document's chain is left as it was.
TEST(SeccionesInforme, AnillosConUnaSendaMostradaLosCuentaTodos) {
  CDiagrama d = prueba::DisenoCuatroCorrientes();
  d.CalcularObjetivos();
  ASSERT_TRUE(prueba::Calculada(d.CalcularRed()));
  ASSERT_EQ(BuscarAnillos(d), 3);
  std::int32_t senda = -1;
  for (std::int32_t k = 0; k < 3 && senda < 0; ++k) {
    MostrarAnillo(d, k);
    if (d.m_lazoEnCurso.Clasificar(d.m_cambiadores) == kLazoSenda) senda = k;
  }
  ASSERT_GE(senda, 0);
  MostrarAnillo(d, senda);
  const std::vector<std::uint32_t> mostrada = d.m_lazoEnCurso.nodos;

  OpcionesInforme o = SinSecciones();
  o.anillos[0] = true;
  Informe inf;
  const std::string t = TextoPagina(inf.Escribir(d, o));
  EXPECT_TRUE(Contiene(t, "<p>El programa ha encontrado un total de 3 anillos y sendas:</p>\n")) << t;
  const std::regex re("<p>[0-9]+: (Anillo|Senda) formad[ao] por los cambiadores ([0-9 -]+)Se puede");
  std::set<std::string> lineas;
  for (auto it = std::sregex_iterator(t.begin(), t.end(), re); it != std::sregex_iterator(); ++it)
    lineas.insert((*it)[1].str() + " " + (*it)[2].str());
  EXPECT_EQ(lineas, (std::set<std::string>{"Anillo 2 - 5 - 2 - ", "Senda 3 - 5 - 6 - ",
                                            "Senda 3 - 2 - 6 - "}))
      << t;
  EXPECT_EQ(d.m_lazoEnCurso.nodos, mostrada);
}

// After a load shift no exchanger of the pinch design is listed as moving
// heat across the pinch: the table keeps its heading row alone.
TEST(SeccionesInforme, CrucePinchSinRuidoTrasDesplazarCarga) {
  OpcionesInforme o = SinSecciones();
  o.cambiadores[4] = true;
  Informe inf;
  const std::string t = TextoPagina(inf.Escribir(prueba::DisenoConCargaDesplazada(), o));
  const std::size_t tabla = t.find("<p><b>Emparejamientos a través del pinch</b></p>");
  ASSERT_NE(tabla, std::string::npos) << t;
  const std::string resto = t.substr(tabla);
  const std::size_t fin = resto.find("</table>");
  ASSERT_NE(fin, std::string::npos);
  // One row: the heading.
  const std::string filas = resto.substr(0, fin);
  std::size_t n = 0;
  for (std::size_t p = filas.find("<tr>"); p != std::string::npos; p = filas.find("<tr>", p + 1)) ++n;
  EXPECT_EQ(n, 1u) << filas;
  EXPECT_EQ(t.find("e-01"), std::string::npos);
}

TEST(SeccionesInforme, CaminosDePerturbacionMarcanCualquierCamino) {
  OpcionesInforme o = SinSecciones();
  o.anillos[2] = true;
  CDiagrama d = DosAnillos();
  Informe inf;
  const std::string t = TextoPagina(inf.Escribir(d, o));
  // H2 and C3 are joined by two exchangers, H4 and C1 by two more; the two
  // pairs are not joined at all.
  CDiagrama copia = d;
  std::vector<std::vector<std::string>> esperado = {{"de/a", "1", "2", "3", "4"},
                                                    {"1", "-", "-", "-", "*"},
                                                    {"2", "-", "-", "*", "-"},
                                                    {"3", "-", "*", "-", "-"},
                                                    {"4", "*", "-", "-", "-"}};
  std::string tabla = "<p><b>Caminos de transmisión de perturbaciones</b></p>\n<table border=\"1\">\n";
  for (const auto& f : esperado) {
    tabla += "  <tr>\n";
    for (const auto& c : f) tabla += "    <td>" + c + "</td>\n";
    tabla += "  </tr>\n";
  }
  EXPECT_TRUE(Contiene(t, tabla + "</table>\n")) << t;
}

TEST(SeccionesInforme, PropiedadesSoloDeLasColumnasDeCadaCorrelacion) {
  CDiagrama d = prueba::CuatroCorrientes();
  d.m_corrientes[0].m_correlacion = 9;  // jacketed tank
  d.m_corrientes[0].m_Dv = 1.5;
  d.m_corrientes[2].m_correlacion = 0;  // forced convection inside tubes
  d.m_corrientes[1].m_correlacion = -1;  // none
  d.m_corrientes[3].m_correlacion = -1;
  OpcionesInforme o = SinSecciones();
  o.corrientes[4] = true;
  o.corrientes[8] = true;
  Informe inf;
  const std::string t = TextoPagina(inf.Escribir(d, o));
  const auto fila = [](const std::string& n, const std::vector<std::string>& valores) {
    std::string s = "  <tr>\n    <td width=\"5%\" height=\"19\">" + n + "</td>\n";
    for (const auto& v : valores)
      s += "    <td width=\"5%\" height=\"19\">" + (v.empty() ? std::string("&nbsp;") : v) + "</td>\n";
    return s + "  </tr>\n";
  };
  // k Cp r rL rV m s Hv u D Di Do lF tF pF PP Dv Dc L N
  EXPECT_TRUE(Contiene(t, fila("1", {"0.6", "4180.", "1000.", "", "", "1.e-003", "", "", "", "", "",
                                     "", "", "", "", "", "1.5", "", "0.1", "50."})))
      << t;
  EXPECT_TRUE(Contiene(t, fila("3", {"0.6", "4180.", "1000.", "", "", "1.e-003", "", "", "2.", "0.1",
                                     "", "", "", "", "", "", "", "", "", ""})));
  // Streams without a correlation have no row.
  EXPECT_FALSE(Contiene(t, "<td width=\"5%\" height=\"19\">2</td>"));
  EXPECT_FALSE(Contiene(t, "    <td>2</td>\n"));
  EXPECT_TRUE(Contiene(t, "<li><font face=\"Symbol\">&#961;</font><sub>L</sub>: Densidad del líquido "
                          "(kg/m<sup>3</sup>)</li>\n"));
  EXPECT_TRUE(Contiene(t, "    <td>1</td>\n    <td>Tanques encamisados</td>\n"
                          "    <td>Nu=0.36*Re^0.67*Pr^0.33</td>\n"));
  EXPECT_TRUE(Contiene(t, "    <td>3</td>\n    <td>Convección forzada en el interior de tubos</td>\n"));
}

// A latent stream or utility has no m·cp: its cell reads "-", never the
// latent marker.
TEST(SeccionesInforme, McpDeUnaCorrienteLatenteEsUnGuion) {
  struct Caso {
    const char* ejemplo;
    bool servicios;
    std::string fila;
  };
  const Caso casos[] = {
      {"latente_y_tabla.vdo", false,
       "    <td>1</td>\n    <td>Evaporador</td>\n    <td>Fría</td>\n    <td>Latente</td>\n"},
      {"servicios_y_area.vdo", true,
       "    <td>1</td>\n    <td>Vapor</td>\n    <td>Calefacción</td>\n    <td>Latente</td>\n"},
  };
  for (const Caso& c : casos) {
    OpcionesInforme o = SinSecciones();
    if (c.servicios) o.servicios[5] = true;
    else o.corrientes[5] = true;
    Informe inf;
    const std::string t = TextoPagina(inf.Escribir(CargarEjemplo(c.ejemplo), o));
    const std::size_t en = t.find(c.fila);
    ASSERT_NE(en, std::string::npos) << c.ejemplo << "\n" << t;
    const std::size_t fin = t.find("  </tr>\n", en);
    ASSERT_NE(fin, std::string::npos);
    const std::string fila = t.substr(en, fin - en);
    EXPECT_TRUE(Contiene(fila, "    <td>-</td>\n")) << c.ejemplo << "\n" << fila;
    EXPECT_FALSE(Contiene(fila, "-1.")) << c.ejemplo << "\n" << fila;
  }
}

TEST(SeccionesInforme, CriteriosDeFactibilidadYMatrices) {
  OpcionesInforme o = SinSecciones();
  o.corrientes[2] = true;
  Informe inf;
  const std::string t = TextoPagina(inf.Escribir(CargarEjemplo("cuatro_corrientes.vdo"), o));
  // Hot side (Th 363.15, Tc 353.15): H2 and H4 start above, C1 and C3 end
  // above.
  EXPECT_TRUE(Contiene(t, "<p>Las tablas de m·cp del problema son, para el lado caliente:</p>\n"
                          "<table border=\"1\" width=\"50%\">\n  <tr>\n"
                          "    <td width=\"50%\">Corrientes Calientes</td>\n"
                          "    <td width=\"50%\">Corrientes Frías</td>\n  </tr>\n  <tr>\n"
                          "    <td width=\"50%\">\n      <p>2: 3.</p>\n      <p>4: 1.5</p>\n    </td>\n"
                          "    <td width=\"50%\">\n      <p>1: 2.</p>\n      <p>3: 4.</p>\n    </td>\n"))
      << t;
  // The hot-side matrix: cold streams as rows, hot ones as columns, numbered
  // from 1; H2 (3) cannot meet C1 (2).
  EXPECT_TRUE(Contiene(t, "posibles en el lado caliente:</p>\n<table border=\"1\">\n"
                          "  <tr>\n    <td>&nbsp;</td>\n    <td>2</td>\n    <td>4</td>\n  </tr>\n"
                          "  <tr>\n    <td>1</td>\n    <td>&nbsp;</td>\n    <td>*</td>\n  </tr>\n"
                          "  <tr>\n    <td>3</td>\n    <td>*</td>\n    <td>*</td>\n  </tr>\n"
                          "</table>\n"))
      << t;
  EXPECT_TRUE(Contiene(t, "      <p>m·cp de la corriente caliente &gt;= m·cp de la corriente fría</td>\n"));
}

}  // namespace
}  // namespace vardo
