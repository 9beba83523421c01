// Running a dialog that edits the values of its record: it works on a copy,
// which the record takes only on OK, so that Cancel (or a refused OK that
// was then cancelled) hands nothing back.
#pragma once
#include "platform/qt/kit/kit.h"

namespace vardo {

// Dlg is built as Dlg(D& datos, QWidget* parent).
template <class Dlg, class D>
bool EjecutarSobreCopia(QWidget* padre, D& d) {
  D copia = d;
  Dlg dlg(copia, padre);
  if (dlg.Run() != kit::kIdOk) return false;
  d = copia;
  return true;
}

}  // namespace vardo
