// A report whose page or picture cannot be written never ends as complete:
// the writer stops at the first failed write and gives the message with the
// file it could not write; the page and the pictures written for it are
// removed, so no partial report is left to be opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/core/documento.h"
#include "report/informe.h"
#include "tests/app/core/ejemplo_archivo.h"
#include "tests/report/informe_prueba.h"

namespace vardo {
namespace {

using prueba::Carpeta;
using prueba::ProgresoPrueba;
using prueba::RelojFijo;
using prueba::SinSecciones;
using prueba::SvgPrueba;

TEST(FallosInforme, UnaEscrituraFallidaNoTerminaComoCompleta) {
  struct Caso {
    const char* nombre;
    // Prepares the folder; answers the page's path and the file that fails.
    std::function<std::pair<std::string, std::string>(const Carpeta&)> preparar;
    OpcionesInforme opciones;
    bool svgRechaza;
    std::vector<std::string> quedan;  // what the folder holds afterwards
  };
  OpcionesInforme tabla = SinSecciones();
  tabla.corrientes[5] = true;
  OpcionesInforme compuestas = SinSecciones();
  compuestas.corrientes[0] = true;
  compuestas.corrientes[5] = true;
  OpcionesInforme dosGraficas = compuestas;
  dosGraficas.corrientes[3] = true;
  const Caso casos[] = {
      {"disco lleno",
       [](const Carpeta&) { return std::pair<std::string, std::string>{"/dev/full", "/dev/full"}; },
       tabla, false, {}},
      {"carpeta inexistente",
       [](const Carpeta& c) {
         return std::pair<std::string, std::string>{c / "no/a.htm", c / "no/a.htm"};
       },
       tabla, false, {}},
      {"metafile rechazado",
       [](const Carpeta& c) {
         std::filesystem::create_directory(c / "a.htm_CurvComp.wmf");
         return std::pair<std::string, std::string>{c / "a.htm", c / "a.htm_CurvComp.wmf"};
       },
       compuestas, false, {"a.htm_CurvComp.wmf"}},
      {"segunda imagen rechazada",
       [](const Carpeta& c) {
         std::filesystem::create_directory(c / "a.htm_CurvGrand.wmf");
         return std::pair<std::string, std::string>{c / "a.htm", c / "a.htm_CurvGrand.wmf"};
       },
       dosGraficas, false, {"a.htm_CurvGrand.wmf"}},
      {"svg rechazado",
       [](const Carpeta& c) {
         return std::pair<std::string, std::string>{c / "a.htm", c / "a.htm_CurvComp.svg"};
       },
       compuestas, true, {}},
  };
  const CDiagrama modelo = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  for (const Caso& c : casos) {
    Carpeta carpeta;
    const auto [ruta, falla] = c.preparar(carpeta);
    ProgresoPrueba progreso;
    RelojFijo reloj;
    SvgPrueba svg;
    svg.rechazar = c.svgRechaza;
    PuertoInforme puerto{progreso, reloj, svg};
    CDiagrama copia;
    CopiarModeloCompleto(copia, modelo);
    EXPECT_FALSE(EscribirInforme(ruta, copia, "t", c.opciones, puerto)) << c.nombre;
    ASSERT_FALSE(progreso.eventos.empty()) << c.nombre;
    EXPECT_EQ(progreso.eventos.back(), "fallo: Error inesperado al escribir en " + falla + ".")
        << c.nombre;
    EXPECT_EQ(progreso.Contar("completo"), 0) << c.nombre;
    EXPECT_EQ(progreso.Contar("estado: Informe completo"), 0) << c.nombre;
    EXPECT_EQ(carpeta.Archivos(), c.quedan) << c.nombre;
  }
  // The device written to is left alone.
  EXPECT_TRUE(std::filesystem::exists("/dev/full"));
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
  EXPECT_FALSE(std::filesystem::exists(carpeta / "a.htm_CurvGrand.wmf"));
  EXPECT_TRUE(svg.llamadas.empty());
}

}  // namespace
}  // namespace vardo
