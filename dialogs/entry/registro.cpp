#include "dialogs/entry/registro.h"

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_areas_integridad.h"
#include "dialogs/entry/dlg_bifurcar.h"
#include "dialogs/entry/dlg_borrar.h"
#include "dialogs/entry/dlg_formato_cambiadores.h"
#include "dialogs/entry/dlg_prop_diagrama.h"
#include "dialogs/entry/dlg_prop_grafico.h"
#include "dialogs/entry/dlg_cambiadores.h"
#include "dialogs/entry/dlg_corrientes.h"
#include "dialogs/entry/dlg_coeficientes.h"
#include "dialogs/entry/dlg_estimar_h.h"
#include "dialogs/entry/pag_propiedades.h"
#include "dialogs/entry/dlg_propiedades.h"
#include "dialogs/entry/dlg_servicios.h"

namespace vardo {

void RegistrarDialogosEntrada(FabricaDialogosQt& fabrica) {
  // One line per dialog.
  RegistrarBorrar(fabrica);
  RegistrarPropiedades(fabrica);
  RegistrarFormatoCambiadores(fabrica);
  RegistrarPropGrafico(fabrica);
  RegistrarPropDiagrama(fabrica);
  RegistrarCambiadores(fabrica);
  RegistrarBifurcar(fabrica);
  RegistrarCorrientes(fabrica);
  RegistrarServicios(fabrica);
  RegistrarCoeficientes(fabrica);
  // The costs page of the streams sheet runs the estimation wizard.
  SetEstimarCoeficiente(EjecutarAsistenteResultado);
  RegistrarAreasIntegridad(fabrica);
}

}  // namespace vardo
