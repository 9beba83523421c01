#include "report/qt/imagen_svg.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "platform/core/emf_dc.h"
#include "platform/qt/qt_dc.h"
#include "platform/qt/recordedpicture.h"

namespace vardo {

namespace {

constexpr double kDpi = 96.0;
// SVG pixels per 0.01 mm.
constexpr double kEscala = kDpi / 2540.0;

}  // namespace

std::string ImagenSvgInforme::Svg(const std::vector<RecordingDc::Item>& dibujo,
                                  const Rect& extension) {
  // A drawing without extent still gets a small, valid picture.
  const double ancho = std::max(1.0, extension.Width() * kEscala);
  const double alto = std::max(1.0, extension.Height() * kEscala);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(static_cast<int>(kDpi));
  svg.setSize(QSize(static_cast<int>(std::ceil(ancho)), static_cast<int>(std::ceil(alto))));
  svg.setViewBox(QRectF(extension.left * kEscala, -extension.top * kEscala, ancho, alto));
  svg.setTitle(QString::fromUtf8(EmfDc::kAplicacion));
  {
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    painter.setRenderHint(QPainter::Antialiasing);
    QtDc dc(painter, QPointF(0.0, 0.0), kEscala, kEscala);
    ReplayItems(dibujo, dc);
    painter.end();
  }
  // Browsers without Liberation Sans take Arial, the drawing's own font.
  QByteArray texto = buffer.data();
  return texto
      .replace("font-family=\"Liberation Sans\"", "font-family=\"Arial, Liberation Sans, sans-serif\"")
      .toStdString();
}

}  // namespace vardo
