// A report whose page or picture cannot be written never ends as complete:
// the writer stops at the first failed write and gives the message with the
// file it could not write; no file of the new report is put in place, so an
// old report of the same name stays byte for byte and nothing new is left.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/core/document/documento.h"
#include "report/informe.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/report/informe_prueba.h"

namespace vardo {
namespace {

using prueba::Carpeta;
using prueba::EscribirBytes;
using prueba::LeerBytes;
using prueba::ProgresoPrueba;
using prueba::RelojFijo;
using prueba::SinSecciones;
using prueba::SvgPrueba;

TEST(FallosInforme, UnaEscrituraFallidaNoTerminaComoCompletaNiTocaElInformeViejo) {
  struct Caso {
    const char* nombre;
    // Prepares the folder; answers the page's path and the file that fails.
    std::function<std::pair<std::string, std::string>(const Carpeta&)> preparar;
    OpcionesInforme opciones;
    int svgDesde;  // the first SVG that cannot be drawn
  };
  OpcionesInforme tabla = SinSecciones();
  tabla.corrientes[5] = true;
  OpcionesInforme compuestas = SinSecciones();
  compuestas.corrientes[0] = true;
  compuestas.corrientes[5] = true;
  OpcionesInforme dosGraficas = compuestas;
  dosGraficas.corrientes[3] = true;
  using Rutas = std::pair<std::string, std::string>;
  const int todas = 1 << 30;
  const Caso casos[] = {
      {"un dispositivo", [](const Carpeta&) { return Rutas{"/dev/full", "/dev/full"}; }, tabla,
       todas},
      {"carpeta inexistente", [](const Carpeta& c) { return Rutas{c / "no/a.htm", c / "no/a.htm"}; },
       tabla, todas},
      {"metafile rechazado",
       [](const Carpeta& c) {
         std::filesystem::create_directory(c / "a.htm_CurvComp.wmf");
         return Rutas{c / "a.htm", c / "a.htm_CurvComp.wmf"};
       },
       compuestas, todas},
      {"segunda imagen rechazada",
       [](const Carpeta& c) {
         std::filesystem::create_directory(c / "a.htm_CurvGrand.wmf");
         return Rutas{c / "a.htm", c / "a.htm_CurvGrand.wmf"};
       },
       dosGraficas, todas},
      {"svg rechazado", [](const Carpeta& c) { return Rutas{c / "a.htm", c / "a.htm_CurvComp.svg"}; },
       compuestas, 0},
      {"segundo svg rechazado",
       [](const Carpeta& c) { return Rutas{c / "a.htm", c / "a.htm_CurvGrand.svg"}; }, dosGraficas,
       1},
  };
  const CDiagrama modelo = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Carpeta carpeta;
    // An old report of the same name, with its first picture.
    EscribirBytes(carpeta / "a.htm", {'v', 'i', 'e', 'j', 'o'});
    EscribirBytes(carpeta / "a.htm_CurvComp.svg", {'<', 's', 'v', 'g', '>'});
    const auto [ruta, falla] = c.preparar(carpeta);
    const auto antes = carpeta.Contenido();
    ProgresoPrueba progreso;
    RelojFijo reloj;
    SvgPrueba svg;
    svg.rechazarDesde = c.svgDesde;
    PuertoInforme puerto{progreso, reloj, svg};
    CDiagrama copia;
    CopiarModeloCompleto(copia, modelo);
    EXPECT_FALSE(EscribirInforme(ruta, copia, "t", c.opciones, puerto));
    ASSERT_FALSE(progreso.eventos.empty());
    EXPECT_EQ(progreso.eventos.back(), "fallo: Error inesperado al escribir en " + falla + ".");
    EXPECT_EQ(progreso.Contar("completo"), 0);
    EXPECT_EQ(progreso.Contar("estado: Informe completo"), 0);
    EXPECT_EQ(carpeta.Contenido(), antes);
  }
  // The device named is left alone.
  struct stat st {};
  ASSERT_EQ(::stat("/dev/full", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST(FallosInforme, LaSeccionQueFallaNoDaSuPaso) {
  // The picture section fails before its step; the streams table before it
  // gave one.
  Carpeta carpeta;
  std::filesystem::create_directory(carpeta / "a.htm_CurvComp.wmf");
  OpcionesInforme o = SinSecciones();
  o.corrientes[0] = true;
  o.corrientes[3] = true;
  o.corrientes[5] = true;
  ProgresoPrueba progreso;
  RelojFijo reloj;
  SvgPrueba svg;
  PuertoInforme puerto{progreso, reloj, svg};
  CDiagrama copia = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  EXPECT_FALSE(EscribirInforme(carpeta / "a.htm", copia, "t", o, puerto));
  EXPECT_EQ(progreso.Contar("paso"), 1);
  EXPECT_EQ(progreso.eventos[progreso.eventos.size() - 2], "estado: Grabando Curvas Compuestas...");
  // The grand composite that would follow was not attempted.
  EXPECT_EQ(carpeta.Archivos(), std::vector<std::string>{"a.htm_CurvComp.wmf"});
  EXPECT_TRUE(svg.llamadas.empty());
}

}  // namespace
}  // namespace vardo
