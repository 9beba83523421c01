// The report page as bytes: the default sections of the four-stream sample
// with a fixed clock, the date line, the progress the dialog shows, and the
// document left as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/documento_archivo.h"
#include "report/informe.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/report/informe_prueba.h"

namespace vardo {
namespace {

using prueba::CargarEjemplo;
using prueba::Contiene;
using prueba::Informe;
using prueba::Pos;
using prueba::TextoPagina;

std::vector<std::uint8_t> Guardado(CDiagrama& d) {
  Archive ar;
  d.Serialize(ar);
  return ar.Bytes();
}

TEST(Informe, SeccionesPorDefectoDelEjemploDeCuatroCorrientes) {
  CDiagrama modelo = CargarEjemplo("cuatro_corrientes.vdo");
  const auto antes = Guardado(modelo);
  Informe inf;
  const std::string b = inf.Escribir(modelo, OpcionesInforme{}, "a.htm", "cuatro_corrientes");
  ASSERT_TRUE(inf.ok);

  // The head, title and date line, byte for byte (Windows-1252, CR LF).
  const std::string cabecera =
      "<html>\r\n\r\n<head>\r\n<meta http-equiv=\"Content-Language\" content=\"es\">\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
      "<meta name=\"GENERATOR\" content=\"Microsoft FrontPage 4.0\">\r\n"
      "<meta name=\"ProgId\" content=\"FrontPage.Editor.Document\">\r\n"
      "<title>cuatro_corrientes</title>\r\n</head>\r\n\r\n<body>\r\n\r\n"
      "<p><u><b><font size=\"5\">cuatro_corrientes</font></b></u></p>\r\n"
      "<p><font size=\"3\">Informe generado el d\xED"
      "a 3/5/2024 a las 10:05 horas.</font></p>"
      "<p><u><b><font size=\"4\">Corrientes</font></b></u></p>\r\n\r\n";
  EXPECT_EQ(b.substr(0, cabecera.size()), cabecera);
  const std::string cierre = "\r\n\r\n</body>\r\n\r\n</html>";
  ASSERT_GE(b.size(), cierre.size());
  EXPECT_EQ(b.substr(b.size() - cierre.size()), cierre);

  // Every line ends in CR LF; "Número" in Windows-1252.
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (b[i] == '\n') ASSERT_TRUE(i > 0 && b[i - 1] == '\r') << "LF alone at " << i;
    if (b[i] == '\r') ASSERT_TRUE(i + 1 < b.size() && b[i + 1] == '\n') << "CR alone at " << i;
  }
  EXPECT_TRUE(Contiene(b, "\x4E\xFA\x6D\x65\x72\x6F"));
  EXPECT_FALSE(Contiene(b, "N\xC3\xBAmero"));

  // The cascade: six boundaries, DT min and the three results.
  const std::string t = TextoPagina(b);
  const char* filas[][2] = {{"438.15", "20."},  {"418.15", "80."}, {"413.15", "82.5"},
                            {"358.15", "0."},   {"328.15", "75."}, {"298.15", "60."}};
  std::string cascada;
  for (const auto& f : filas)
    cascada += std::string("  <tr>\n    <td>") + f[0] + "</td>\n    <td>" + f[1] + "</td>\n  </tr>\n";
  EXPECT_TRUE(Contiene(t, "    <td width=\"15%\">Entalpía (kW)</td>\n  </tr>\n" + cascada +
                              "</table>\n<p align=\"center\">DIFERENCIA MÍNIMA DE TEMPERATURAS: "
                              "10. K</p>\n"))
      << t;
  EXPECT_TRUE(Contiene(t, "  <li>Temperatura de Pinch : 358.15 K.</li>\n"));
  EXPECT_TRUE(Contiene(t, "  <li>Necesidades mínimas de calefacción: 20. kW.</li>\n"));
  EXPECT_TRUE(Contiene(t, "  <li>Necesidades mínimas de refrigeración: 60. kW.</li>\n</ul>\n"));

  // The default sections in page order, each under its heading.
  const char* orden[] = {"Tabla de corrientes", "Cálculo de Vadizod", "<b>Curvas Compuestas</b>",
                         "<b>Curvas Grand Compuestas</b>", ">Cambiadores<", "Tabla de cambiadores",
                         "Diagrama de Trama", "Análisis del Problema Remanente",
                         ">Servicios Generales<", "Tabla de Servicios Generales",
                         "Tabla de Costes de Operación"};
  std::size_t anterior = 0;
  for (const char* s : orden) {
    const std::size_t p = Pos(t, s);
    ASSERT_NE(p, std::string::npos) << s;
    EXPECT_GT(p, anterior) << s;
    anterior = p;
  }
  for (const char* ausente : {"Propiedades Físicas", "Anillos y Sendas", "Análisis de <font",
                              "Criterios de factibilidad", "Áreas de Integridad"})
    EXPECT_FALSE(Contiene(t, ausente)) << ausente;

  // The stream rows: number, type, heat type, ends, heat, m·cp.
  EXPECT_TRUE(Contiene(t, "    <td>2</td>\n    <td>H2</td>\n    <td>Caliente</td>\n"
                          "    <td>Sensible</td>\n    <td>443.15</td>\n    <td>333.15</td>\n"
                          "    <td>-330.</td>\n    <td>3.</td>\n"))
      << t;

  // The open document is unchanged: all recomputation ran on the copy.
  EXPECT_EQ(Guardado(modelo), antes);
}

TEST(Informe, ProgresoEstadoAntesYPasoDespuesDeCadaSeccion) {
  const CDiagrama modelo = CargarEjemplo("cuatro_corrientes.vdo");
  Informe inf;
  inf.Escribir(modelo, OpcionesInforme{});
  const std::vector<std::string> esperado = {
      "estado: Escribiendo tabla de corrientes...",
      "paso",
      "estado: Escribiendo cascada...",
      "paso",
      "estado: Grabando Curvas Compuestas...",
      "paso",
      "estado: Grabando Curvas Grand Compuestas...",
      "paso",
      "estado: Escribiendo tabla de cambiadores...",
      "paso",
      "estado: Grabando Diagrama de Trama...",
      "paso",
      "estado: Escribiendo análisis de problema remanente...",
      "paso",
      "estado: Escribiendo tabla de servicios...",
      "paso",
      "estado: Escribiendo tabla de costes de operación...",
      "paso",
      "estado: Informe completo",
      "completo"};
  EXPECT_EQ(inf.progreso.eventos, esperado);
}

TEST(Informe, LineaDeFechaSinCerosALaIzquierdaSalvoEnLosMinutos) {
  struct Caso {
    FechaHoraInforme fecha;
    const char* linea;
  };
  const Caso casos[] = {
      {{3, 5, 2024, 10, 5}, "el día 3/5/2024 a las 10:05 horas.</font></p>"},
      {{3, 5, 2024, 10, 15}, "el día 3/5/2024 a las 10:15 horas.</font></p>"},
      {{31, 12, 1999, 0, 0}, "el día 31/12/1999 a las 0:00 horas.</font></p>"},
      {{1, 1, 2030, 9, 10}, "el día 1/1/2030 a las 9:10 horas.</font></p>"},
  };
  for (const Caso& c : casos) {
    Informe inf;
    inf.reloj.fecha = c.fecha;
    const std::string t = TextoPagina(inf.Escribir(CDiagrama(), prueba::SinSecciones()));
    EXPECT_TRUE(Contiene(t, std::string("<p><font size=\"3\">Informe generado ") + c.linea +
                                "\n\n</body>\n\n</html>"))
        << t;
  }
}

TEST(Informe, TextoDelModeloEscapadoEnLaPagina) {
  CDiagrama modelo = CargarEjemplo("cuatro_corrientes.vdo");
  modelo.m_corrientes[0].SetNombre("A<B & C");
  modelo.m_corrientes[1].SetNombre("CO₂ año €");
  OpcionesInforme o = prueba::SinSecciones();
  o.corrientes[5] = true;  // streams table
  Informe inf;
  const std::string b = inf.Escribir(modelo, o, "a.htm", "<script>x</script>");
  EXPECT_TRUE(Contiene(b, "<title>&lt;script&gt;x&lt;/script&gt;</title>"));
  EXPECT_FALSE(Contiene(b, "<script>"));
  EXPECT_TRUE(Contiene(b, "<td>A&lt;B &amp; C</td>"));
  // ₂ has no Windows-1252 byte; ñ and € have.
  EXPECT_TRUE(Contiene(b, "<td>CO&#8322; a\xF1o \x80</td>"));
}

TEST(Informe, TextoHtml) {
  struct Caso {
    const char* entrada;
    const char* salida;
  };
  const Caso casos[] = {
      {"A<B & C", "A&lt;B &amp; C"},
      {"CO₂", "CO&#8322;"},
      {"x > y", "x &gt; y"},
      {"año €", "año €"},  // kept: Windows-1252 has them
      {"dos\r\nlíneas", "dos&#13;&#10;líneas"},
      {"\xC3(", "?("},  // invalid UTF-8
      {"😀", "&#128512;"},
      {"", ""},
  };
  for (const Caso& c : casos) EXPECT_EQ(TextoHtml(c.entrada), c.salida) << c.entrada;
}

TEST(Informe, NombreEnUrl) {
  struct Caso {
    const char* nombre;
    const char* src;
  };
  const Caso casos[] = {
      {"a.htm_CurvComp.svg", "a.htm_CurvComp.svg"},
      {"año 1.htm_Trama.svg", "a%C3%B1o%201.htm_Trama.svg"},
      {"x&y#z%.htm", "x%26y%23z%25.htm"},
      {"Mi-Informe_2.HTM", "Mi-Informe_2.HTM"},
  };
  for (const Caso& c : casos) EXPECT_EQ(NombreEnUrl(c.nombre), c.src) << c.nombre;
}

TEST(Informe, AltoDeLaImagenDeLaTrama) {
  struct Caso {
    Rect r;
    int alto;
  };
  const Caso casos[] = {
      {CDiagrama::kRectGraficoDefecto, 427},  // 700 × 11000 / 18000
      {{1500, -1500, 1500, -12500}, 427},     // no width
      {{0, 0, 7000, -1000}, 100},
      {{0, 1000, 2000, 0}, 350},
      {{0, 0, 7000, 0}, 427},  // no height
      {{0, 0, 3, -1}, 233},    // truncated toward zero
  };
  for (const Caso& c : casos) EXPECT_EQ(AltoImagenTrama(c.r), c.alto) << c.r.right;
}

}  // namespace
}  // namespace vardo
