#include "dialogs/analysis/coeficientes.h"

#include "app/core/document/documento.h"
#include "dialogs/entry/dlg_coeficientes.h"
#include "dialogs/entry/dlg_estimar_h.h"

namespace vardo {

bool EstimarCoeficientes(QWidget* padre, CDiagrama& modelo, std::int32_t ref) {
  return EjecutarAsistenteCoeficientes(padre, modelo, ref);
}

bool VerCoeficientes(QWidget* padre, CDiagrama& modelo) {
  DlgCoeficientes d;
  CopiarModeloCompleto(d.modelo, modelo);
  if (!EjecutarCoeficientes(padre, d)) return false;
  CopiarModeloCompleto(modelo, d.modelo);
  return true;
}

}  // namespace vardo
