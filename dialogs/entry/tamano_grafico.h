// The width and height fields of the grid diagram's and the chart's
// properties dialogs.
#pragma once
#include <string>

#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

// Checked when the dialog is saved, typed or not, by the number rule within
// 1 to 1000 cm: the drawing cannot take any other size. A refused size keeps
// the dialog open with its message and that field focused.
inline void ComprobarTamano(kit::Exchange& dx, int id, const std::string& texto) {
  if (!dx.Saving()) return;
  double v = 0.0;
  const std::string mensaje = ComprobarNumeroTecleado(texto, RangoTamanoGrafico(), v);
  if (!mensaje.empty()) dx.Fail(id, mensaje);
}

}  // namespace vardo
