#include "dialogs/analysis/registro.h"

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/dlg_generando_informe.h"
#include "dialogs/analysis/dlg_informe.h"

namespace vardo {

void RegistrarDialogosAnalisis(FabricaDialogosQt& fabrica) {
  // One line per dialog; none is built yet, so their commands stay disabled.
  static_cast<void>(fabrica);
  RegistrarInforme(fabrica);
  RegistrarGenerandoInforme(fabrica);
}

}  // namespace vardo
