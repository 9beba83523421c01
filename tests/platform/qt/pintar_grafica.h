// A chart drawn through QtDc on a white image, as the chart tests of this
// directory look at it.
#pragma once
#include <QImage>
#include <QPainter>

#include "app/core/charts/grafica.h"
#include "platform/qt/qt_dc.h"

namespace vardo {

// 25 logical units (0.25 mm) to the pixel, antialiased, as on screen.
inline QImage PintarGrafica(const CGrafica& g, int ancho, int alto) {
  QImage img(ancho, alto, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QtDc dc(p, QPointF(0, 0), 0.04, 0.04);
  g.Dibujar(dc, false);
  p.end();
  return img;
}

}  // namespace vardo
