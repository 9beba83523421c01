// The report in a real browser: headless Chromium screenshots a report saved
// as "año 1.htm" with the composite curves and the grid diagram. The hot and
// cold curves' colours show in the picture area; a copy of the report whose
// SVG files were removed shows neither. Both screenshots are kept beside the
// test's build folder to be looked at.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <filesystem>
#include <string>

#include "app/core/charts/graficas.h"
#include "app/core/document/documento.h"
#include "report/informe.h"
#include "report/qt/imagen_svg.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/report/informe_prueba.h"

#ifndef VARDO_SALIDA_PRUEBAS
#define VARDO_SALIDA_PRUEBAS "."
#endif

namespace vardo {
namespace {

namespace fs = std::filesystem;
using prueba::Carpeta;

// Starts Chromium on a page; the screenshot goes to png.
QProcess* Capturar(const std::string& pagina, const QString& png, const QString& perfil) {
  auto* p = new QProcess;
  p->setProcessChannelMode(QProcess::MergedChannels);
  p->start(QStringLiteral("chromium"),
           {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--user-data-dir=" + perfil, "--screenshot=" + png, "--window-size=1200,2000",
            QString::fromUtf8(QUrl::fromLocalFile(QString::fromStdString(pagina)).toEncoded())});
  return p;
}

// Pixels close to a colour (antialiased line pixels blend with white, so
// only the strongest count).
int Pixeles(const QImage& img, Rgb color) {
  const QColor c(RgbRed(color), RgbGreen(color), RgbBlue(color));
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor p = img.pixelColor(x, y);
      if (std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) +
              std::abs(p.blue() - c.blue()) <
          90)
        ++n;
    }
  return n;
}

TEST(NavegadorInforme, LasImagenesSeVenEnChromium) {
  if (QStandardPaths::findExecutable(QStringLiteral("chromium")).isEmpty())
    GTEST_SKIP() << "sin chromium";
  Carpeta carpeta;
  OpcionesInforme o = prueba::SinSecciones();
  o.corrientes[0] = true;   // composite curves
  o.cambiadores[3] = true;  // grid diagram
  prueba::ProgresoPrueba progreso;
  prueba::RelojFijo reloj;
  ImagenSvgInforme svg;
  PuertoInforme puerto{progreso, reloj, svg};
  const CDiagrama modelo = prueba::CargarEjemplo("servicios_y_area.vdo");

  // The report, and a copy of it in a folder of its own without the SVGs.
  fs::create_directory(carpeta / "con");
  fs::create_directory(carpeta / "sin");
  for (const char* sub : {"con", "sin"}) {
    CDiagrama copia;
    CopiarModeloCompleto(copia, modelo);
    ASSERT_TRUE(EscribirInforme(carpeta / (std::string(sub) + "/año 1.htm"), copia,
                                "Informe de prueba", o, puerto));
  }
  int quitados = 0;
  for (const auto& e : fs::directory_iterator(carpeta / "sin"))
    if (e.path().extension() == ".svg") quitados += fs::remove(e.path()) ? 1 : 0;
  ASSERT_EQ(quitados, 2);

  const QString salida = QStringLiteral(VARDO_SALIDA_PRUEBAS);
  QDir().mkpath(salida);
  const QString pngCon = salida + "/informe_en_chromium.png";
  const QString pngSin = salida + "/informe_en_chromium_sin_svg.png";
  QFile::remove(pngCon);
  QFile::remove(pngSin);
  // Both browsers at once, each with a profile of its own.
  QTemporaryDir perfiles;
  ASSERT_TRUE(perfiles.isValid());
  std::unique_ptr<QProcess> con(
      Capturar(carpeta / "con/año 1.htm", pngCon, perfiles.filePath("con")));
  std::unique_ptr<QProcess> sin(
      Capturar(carpeta / "sin/año 1.htm", pngSin, perfiles.filePath("sin")));
  for (QProcess* p : {con.get(), sin.get()}) {
    ASSERT_TRUE(p->waitForFinished(90000)) << p->readAll().toStdString();
    EXPECT_EQ(p->exitCode(), 0) << p->readAll().toStdString();
  }

  const QImage imgCon(pngCon);
  const QImage imgSin(pngSin);
  ASSERT_FALSE(imgCon.isNull());
  ASSERT_FALSE(imgSin.isNull());
  EXPECT_GT(Pixeles(imgCon, kColorCurvaCaliente), 50);
  EXPECT_GT(Pixeles(imgCon, kColorCurvaFria), 50);
  EXPECT_EQ(Pixeles(imgSin, kColorCurvaCaliente), 0);
  EXPECT_EQ(Pixeles(imgSin, kColorCurvaFria), 0);
}

// The Greek letters of the physical properties table reach the browser as
// letters: the page of examples/latente_y_tabla.vdo read by Chromium holds
// ρ, μ and σ, and its screenshot is kept to be looked at.
TEST(NavegadorInforme, LetrasGriegasDeLasPropiedades) {
  if (QStandardPaths::findExecutable(QStringLiteral("chromium")).isEmpty())
    GTEST_SKIP() << "sin chromium";
  Carpeta carpeta;
  OpcionesInforme o = prueba::SinSecciones();
  o.corrientes[4] = true;  // physical properties
  prueba::ProgresoPrueba progreso;
  prueba::RelojFijo reloj;
  ImagenSvgInforme svg;
  PuertoInforme puerto{progreso, reloj, svg};
  CDiagrama copia = prueba::CargarEjemplo("latente_y_tabla.vdo");
  const std::string pagina = carpeta / "propiedades.htm";
  ASSERT_TRUE(EscribirInforme(pagina, copia, "Propiedades", o, puerto));

  const QString salida = QStringLiteral(VARDO_SALIDA_PRUEBAS);
  QDir().mkpath(salida);
  const QString png = salida + "/informe_propiedades_en_chromium.png";
  QFile::remove(png);
  QTemporaryDir perfiles;
  ASSERT_TRUE(perfiles.isValid());
  std::unique_ptr<QProcess> captura(Capturar(pagina, png, perfiles.filePath("png")));
  // The page as the browser read it.
  QProcess dom;
  dom.start(QStringLiteral("chromium"),
            {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--user-data-dir=" + perfiles.filePath("dom"), "--dump-dom",
             QString::fromUtf8(QUrl::fromLocalFile(QString::fromStdString(pagina)).toEncoded())});
  ASSERT_TRUE(dom.waitForFinished(90000));
  ASSERT_TRUE(captura->waitForFinished(90000)) << captura->readAll().toStdString();
  const QString leido = QString::fromUtf8(dom.readAllStandardOutput());
  for (const char* letra : {"ρ</font>: Densidad", "μ</font>: Viscosidad", "σ</font>: Tensión superficial"})
    EXPECT_TRUE(leido.contains(QString::fromUtf8(letra))) << letra << "\n" << leido.toStdString();
  EXPECT_FALSE(QImage(png).isNull());
}

}  // namespace
}  // namespace vardo
