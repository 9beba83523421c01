#include "app/qt/fabrica_dialogos_qt.h"

#include <QWidget>

namespace vardo {

bool FabricaDialogosQt::Disponible(DialogoId id) const {
  return modales_.count(id) != 0 || ventanas_.count(id) != 0;
}

// A dialog nobody registered is a Cancel (its command is disabled anyway).

bool FabricaDialogosQt::Corrientes(DlgCorrientes& d) { return Ejecutar(d); }
bool FabricaDialogosQt::Servicios(DlgServicios& d) { return Ejecutar(d); }
bool FabricaDialogosQt::Cambiadores(DlgCambiadores& d) { return Ejecutar(d); }
bool FabricaDialogosQt::BorrarCorrientes(DlgBorrarCorrientes& d) { return Ejecutar(d); }
bool FabricaDialogosQt::BorrarCambiadores(DlgBorrarCambiadores& d) { return Ejecutar(d); }
bool FabricaDialogosQt::BorrarServicios(DlgBorrarServicios& d) { return Ejecutar(d); }
bool FabricaDialogosQt::CalculoCambiadores(DlgCalculoCambiadores& d) { return Ejecutar(d); }
bool FabricaDialogosQt::FormatoCambiadores(DlgFormatoCambiadores& d) { return Ejecutar(d); }
bool FabricaDialogosQt::FormatoCambiador(DlgFormatoCambiador& d) { return Ejecutar(d); }
bool FabricaDialogosQt::Bifurcar(DlgBifurcar& d) { return Ejecutar(d); }
bool FabricaDialogosQt::BifurcarH(DlgBifurcarH& d) { return Ejecutar(d); }
void FabricaDialogosQt::PropCorriente(const VentanaPropCorriente& v) { Mostrar(v); }
void FabricaDialogosQt::PropCambiador(const VentanaPropCambiador& v) { Mostrar(v); }
void FabricaDialogosQt::PropServicio(const VentanaPropServicio& v) { Mostrar(v); }
bool FabricaDialogosQt::AreasIntegridad(DlgAreasIntegridad& d) { return Ejecutar(d); }
bool FabricaDialogosQt::PropDiagrama(DlgPropDiagrama& d) { return Ejecutar(d); }
bool FabricaDialogosQt::PropGrafico(DlgPropGrafico& d) { return Ejecutar(d); }
bool FabricaDialogosQt::OtrasGraficas(DlgOtrasGraficas& d) { return Ejecutar(d); }
bool FabricaDialogosQt::Coeficientes(DlgCoeficientes& d) { return Ejecutar(d); }
bool FabricaDialogosQt::CalculoCascada(DlgCalculoCascada& d) { return Ejecutar(d); }
bool FabricaDialogosQt::AreaMinima(DlgAreaMinima& d) { return Ejecutar(d); }
bool FabricaDialogosQt::CosteMinimo(DlgCosteMinimo& d) { return Ejecutar(d); }
bool FabricaDialogosQt::Remanente(DlgRemanente& d) { return Ejecutar(d); }
bool FabricaDialogosQt::Factibilidad(DlgFactibilidad& d) { return Ejecutar(d); }
void FabricaDialogosQt::FactibilidadVentana(const VentanaFactibilidad& v) { Mostrar(v); }
void FabricaDialogosQt::TablaEmparejamientos(const VentanaTablaEmparejamientos& v) { Mostrar(v); }
bool FabricaDialogosQt::TablaCorrientes(DlgTablaCorrientes& d) { return Ejecutar(d); }
bool FabricaDialogosQt::TablaCambiadores(DlgTablaCambiadores& d) { return Ejecutar(d); }
bool FabricaDialogosQt::TablaServicios(DlgTablaServicios& d) { return Ejecutar(d); }
bool FabricaDialogosQt::MAN(DlgMAN& d) { return Ejecutar(d); }
bool FabricaDialogosQt::Perturbaciones(DlgPerturbaciones& d) { return Ejecutar(d); }
bool FabricaDialogosQt::CrucePinch(DlgCrucePinch& d) { return Ejecutar(d); }
bool FabricaDialogosQt::AnadirAnillos(DlgAnadirAnillos& d) { return Ejecutar(d); }
bool FabricaDialogosQt::CostesTotales(DlgCostesTotales& d) { return Ejecutar(d); }
bool FabricaDialogosQt::VariacionDT(DlgVariacionDT& d) { return Ejecutar(d); }
bool FabricaDialogosQt::VariacionArea(DlgVariacionArea& d) { return Ejecutar(d); }
bool FabricaDialogosQt::VariacionCosteInm(DlgVariacionCosteInm& d) { return Ejecutar(d); }
bool FabricaDialogosQt::VariacionCosteTot(DlgVariacionCosteTot& d) { return Ejecutar(d); }
bool FabricaDialogosQt::CostesOperacion(DlgCostesOperacion& d) { return Ejecutar(d); }
bool FabricaDialogosQt::Exergia(DlgExergia& d) { return Ejecutar(d); }
bool FabricaDialogosQt::DifTempOptima(DlgDifTempOptima& d) { return Ejecutar(d); }
bool FabricaDialogosQt::Informe(DlgInforme& d) { return Ejecutar(d); }
bool FabricaDialogosQt::GenerandoInforme(DlgGenerandoInforme& d) { return Ejecutar(d); }

}  // namespace vardo
