#include "dialogs/entry/registro.h"

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_borrar.h"
#include "dialogs/entry/dlg_coeficientes.h"
#include "dialogs/entry/dlg_propiedades.h"
#include "dialogs/entry/dlg_servicios.h"

namespace vardo {

void RegistrarDialogosEntrada(FabricaDialogosQt& fabrica) {
  // One line per dialog.
  RegistrarBorrar(fabrica);
  RegistrarPropiedades(fabrica);
  RegistrarServicios(fabrica);
  RegistrarCoeficientes(fabrica);
}

}  // namespace vardo
