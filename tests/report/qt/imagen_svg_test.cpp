// The report's pictures through the real SVG port: each SVG is valid, shows
// its drawing (non-white pixels where it was drawn), has the drawing's
// extent as its view box, and sits beside the page where its <img> points.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QUrl>
#include <filesystem>
#include <regex>
#include <string>

#include "app/core/document/documento.h"
#include "report/informe.h"
#include "report/qt/imagen_svg.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/report/informe_prueba.h"

namespace vardo {
namespace {

using prueba::Carpeta;
using prueba::Contiene;
using prueba::ProgresoPrueba;
using prueba::RelojFijo;

// Renders an SVG file onto a white image of its own size.
QImage Pintar(const QString& ruta, QSvgRenderer& r) {
  QImage img(r.defaultSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  r.render(&p);
  return img;
}

int NoBlancos(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != qRgb(255, 255, 255)) ++n;
  return n;
}

TEST(ImagenSvgInforme, LaVistaEsLaExtensionDelDibujo) {
  // A red line from (1000, -500) to (3540, -3040): 1 inch by 1 inch, 96 px.
  RecordingDc dc;
  dc.SelectPen(Pen{PenStyle::Solid, 0, MakeRgb(200, 0, 0)});
  dc.MoveTo(1000, -500);
  dc.LineTo(3540, -3040);
  dc.TextOut(3000, -2900, "x");
  const Rect extension{1000, -500, 3540, -3040};
  const std::string svg = ImagenSvgInforme().Svg(dc.Items(), extension);
  const double k = 96.0 / 2540.0;
  QSvgRenderer r(QByteArray::fromStdString(svg));
  ASSERT_TRUE(r.isValid());
  EXPECT_NEAR(r.viewBoxF().x(), 1000 * k, 1e-3);
  EXPECT_NEAR(r.viewBoxF().y(), 500 * k, 1e-3);
  EXPECT_NEAR(r.viewBoxF().width(), 96.0, 1e-3);
  EXPECT_NEAR(r.viewBoxF().height(), 96.0, 1e-3);
  // One inch each way, the size a browser gives it.
  EXPECT_TRUE(Contiene(svg, "<svg width=\"25.4mm\" height=\"25.4mm\"")) << svg;
  // The text names the drawing's font first.
  EXPECT_TRUE(Contiene(svg, "font-family=\"Arial, Liberation Sans, sans-serif\"")) << svg;
  // The line runs corner to corner: red near both ends and the middle.
  QImage img(96, 96, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  r.render(&p);
  p.end();
  for (const QPoint& q : {QPoint(2, 2), QPoint(48, 48), QPoint(93, 93)}) {
    const QColor c = img.pixelColor(q);
    EXPECT_GT(c.red() - c.green(), 60) << q.x();
    EXPECT_EQ(c.green(), c.blue()) << q.x();
  }
  EXPECT_EQ(img.pixelColor(90, 5), QColor(Qt::white));
}

TEST(ImagenSvgInforme, UnDibujoVacioDaUnaImagenValida) {
  QSvgRenderer r(QByteArray::fromStdString(ImagenSvgInforme().Svg({}, Rect{})));
  EXPECT_TRUE(r.isValid());
}

TEST(ImagenSvgInforme, CadaImagenDelInformeSeVeYEstaJuntoALaPagina) {
  Carpeta carpeta;
  ProgresoPrueba progreso;
  RelojFijo reloj;
  ImagenSvgInforme svg;
  PuertoInforme puerto{progreso, reloj, svg};
  CDiagrama copia;
  CopiarModeloCompleto(copia, prueba::CargarEjemplo("servicios_y_area.vdo"));
  const std::string ruta = carpeta / "año 1.htm";
  ASSERT_TRUE(EscribirInforme(ruta, copia, "t", prueba::TodasLasSecciones(), puerto));

  const std::string t = prueba::TextoPagina([&] {
    const auto b = prueba::LeerBytes(ruta);
    return std::string(b.begin(), b.end());
  }());
  const std::regex re("src=\"([^\"]*)\" width=\"([0-9]+)\" height=\"([0-9]+)\"");
  int imagenes = 0;
  for (auto it = std::sregex_iterator(t.begin(), t.end(), re); it != std::sregex_iterator(); ++it) {
    const std::string src = (*it)[1];
    ASSERT_EQ(src.rfind("a%C3%B1o%201.htm_", 0), 0u) << src;
    // The file the browser resolves: the src decoded, beside the page.
    const std::string archivo =
        QUrl::fromPercentEncoding(QByteArray::fromStdString(src)).toStdString();
    ASSERT_TRUE(std::filesystem::exists(carpeta / archivo)) << archivo;
    QSvgRenderer r(QString::fromStdString(carpeta / archivo));
    ASSERT_TRUE(r.isValid()) << archivo;
    // Its view box is the extent of the drawing, as the metafile's header
    // bounds give it (0.01 mm, y down, inclusive).
    const std::string wmf = archivo.substr(0, archivo.size() - 4) + ".wmf";
    const auto emf = prueba::LeerBytes(carpeta / wmf);
    ASSERT_GE(emf.size(), 24u) << wmf;
    auto i32 = [&emf](std::size_t at) {
      return static_cast<std::int32_t>(emf[at] | (emf[at + 1] << 8) | (emf[at + 2] << 16) |
                                       (static_cast<std::uint32_t>(emf[at + 3]) << 24));
    };
    const double k = 96.0 / 2540.0;
    EXPECT_NEAR(r.viewBoxF().x(), i32(8) * k, 1e-3) << archivo;
    EXPECT_NEAR(r.viewBoxF().y(), i32(12) * k, 1e-3) << archivo;
    EXPECT_NEAR(r.viewBoxF().width(), (i32(16) - i32(8) + 1) * k, 1e-3) << archivo;
    EXPECT_NEAR(r.viewBoxF().height(), (i32(20) - i32(12) + 1) * k, 1e-3) << archivo;
    const QImage img = Pintar(QString::fromStdString(carpeta / archivo), r);
    EXPECT_GT(NoBlancos(img), img.width() * img.height() / 200) << archivo;
    ++imagenes;
  }
  EXPECT_EQ(imagenes, 12);
}

}  // namespace
}  // namespace vardo
