// What the cascade plot's labels run into, read from the figure as the
// picture draws it: a label that passes the picture's right edge or leaves
// its box, one that stands on an arrow, or two labels on each other.
#pragma once
#include <QFontMetrics>
#include <QRect>
#include <string>
#include <vector>

#include "controls/cascade/vadizod.h"
#include "platform/core/redondeo.h"

namespace vardo::prueba {

// The pixels a figure step covers on the picture (a text by the picture's
// font, a line by its two ends).
inline QRect PixelesTrazo(const Vadizod& v, const TrazoCascada& t) {
  const QPoint a(APixeles(t.a.x()), APixeles(t.a.y()));
  if (t.tipo == TrazoCascada::Tipo::Texto) {
    const QFontMetrics fm(v.Picture1()->font(), v.Picture1());
    return QRect(a, QSize(fm.horizontalAdvance(t.texto), fm.height()));
  }
  return QRect(a, QPoint(APixeles(t.b.x()), APixeles(t.b.y()))).normalized();
}

inline std::vector<std::string> TextosCascadaEstorbados(const Vadizod& v) {
  std::vector<std::string> out;
  const std::vector<TrazoCascada> f = v.Figura(false);
  const int ancho = v.Picture1()->width();
  for (std::size_t i = 0; i < f.size(); ++i) {
    if (f[i].tipo != TrazoCascada::Tipo::Texto) continue;
    const QRect r = PixelesTrazo(v, f[i]);
    const std::string t = f[i].texto.toStdString();
    if (r.right() >= ancho)
      out.push_back("\"" + t + "\" ends at " + std::to_string(r.right()) + " px in " +
                    std::to_string(ancho) + " px");
    for (std::size_t k = 0; k < f.size(); ++k) {
      const TrazoCascada& o = f[k];
      // A label that starts in a box ends in it.
      const QRect caja = PixelesTrazo(v, o);
      if (o.tipo == TrazoCascada::Tipo::Caja && caja.contains(r.topLeft()) &&
          r.right() >= caja.right())
        out.push_back("\"" + t + "\" leaves its box");
      const bool flecha = o.tipo == TrazoCascada::Tipo::Linea && o.color == Vadizod::kColorFlecha;
      const bool otroTexto = o.tipo == TrazoCascada::Tipo::Texto && k > i;
      if ((flecha || otroTexto) && r.intersects(PixelesTrazo(v, o).adjusted(0, 0, 1, 1)))
        out.push_back("\"" + t + "\" on " + (flecha ? "an arrow" : "\"" + o.texto.toStdString() + "\""));
    }
  }
  return out;
}

}  // namespace vardo::prueba
