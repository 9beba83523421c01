// Running a dialog or sheet that works on its own copy of the model: the
// copy starts as the record's, and the record takes it back only on OK.
#pragma once
#include "platform/qt/kit/kit.h"

namespace vardo {

// Dlg has a CDiagrama m_diagrama; D a CDiagrama modelo.
template <class Dlg, class D>
bool EjecutarSobreModelo(Dlg& dlg, D& d) {
  dlg.m_diagrama = d.modelo;
  if (dlg.Run() != kit::kIdOk) return false;
  d.modelo = dlg.m_diagrama;
  return true;
}

}  // namespace vardo
