#include "dialogs/analysis/registro.h"

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/dlg_factibilidad.h"
#include "dialogs/analysis/dlg_area_minima.h"
#include "dialogs/analysis/dlg_cascada.h"
#include "dialogs/analysis/dlg_coste_minimo.h"
#include "dialogs/analysis/dlg_costes_variacion.h"
#include "dialogs/analysis/dlg_cruce_pinch.h"
#include "dialogs/analysis/dlg_dt_optima.h"
#include "dialogs/analysis/dlg_exergia.h"
#include "dialogs/analysis/dlg_tablas.h"
#include "dialogs/analysis/dlg_variacion.h"
#include "dialogs/analysis/dlg_generando_informe.h"
#include "dialogs/analysis/dlg_informe.h"
#include "dialogs/analysis/dlg_remanente.h"
#include "dialogs/analysis/dlg_anillos.h"
#include "dialogs/analysis/dlg_perturbaciones.h"
#include "dialogs/analysis/dlg_man.h"

namespace vardo {

void RegistrarDialogosAnalisis(FabricaDialogosQt& fabrica) {
  // One line per dialog.
  RegistrarFactibilidad(fabrica);
  RegistrarCalculoCascada(fabrica);
  RegistrarAreaMinima(fabrica);
  RegistrarCosteMinimo(fabrica);
  RegistrarCostesVariacion(fabrica);
  RegistrarVariacion(fabrica);
  RegistrarDifTempOptima(fabrica);
  RegistrarExergia(fabrica);
  RegistrarCrucePinch(fabrica);
  RegistrarTablas(fabrica);
  RegistrarInforme(fabrica);
  RegistrarGenerandoInforme(fabrica);
  RegistrarRemanente(fabrica);
  RegistrarAnadirAnillos(fabrica);
  RegistrarPerturbaciones(fabrica);
  RegistrarMAN(fabrica);
}

}  // namespace vardo
