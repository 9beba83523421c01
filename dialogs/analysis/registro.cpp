#include "dialogs/analysis/registro.h"

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/dlg_factibilidad.h"

namespace vardo {

void RegistrarDialogosAnalisis(FabricaDialogosQt& fabrica) {
  // One line per dialog.
  RegistrarFactibilidad(fabrica);
}

}  // namespace vardo
