#include "app/fabrica_dialogos_qt.h"

#include <QWidget>

namespace vardo {

// No dialog of data entry or analysis is built yet: every one answers
// unavailable, and a call that still arrives is a Cancel.
bool FabricaDialogosQt::Disponible(DialogoId) const { return false; }

bool FabricaDialogosQt::Corrientes(DlgCorrientes&) { return false; }
bool FabricaDialogosQt::Servicios(DlgServicios&) { return false; }
bool FabricaDialogosQt::Cambiadores(DlgCambiadores&) { return false; }
bool FabricaDialogosQt::BorrarCorrientes(DlgBorrarCorrientes&) { return false; }
bool FabricaDialogosQt::BorrarCambiadores(DlgBorrarCambiadores&) { return false; }
bool FabricaDialogosQt::BorrarServicios(DlgBorrarServicios&) { return false; }
bool FabricaDialogosQt::CalculoCambiadores(DlgCalculoCambiadores&) { return false; }
bool FabricaDialogosQt::FormatoCambiadores(DlgFormatoCambiadores&) { return false; }
bool FabricaDialogosQt::FormatoCambiador(DlgFormatoCambiador&) { return false; }
bool FabricaDialogosQt::Bifurcar(DlgBifurcar&) { return false; }
bool FabricaDialogosQt::BifurcarH(DlgBifurcarH&) { return false; }
void FabricaDialogosQt::PropCorriente(const VentanaPropCorriente&) {}
void FabricaDialogosQt::PropCambiador(const VentanaPropCambiador&) {}
void FabricaDialogosQt::PropServicio(const VentanaPropServicio&) {}
bool FabricaDialogosQt::AreasIntegridad(DlgAreasIntegridad&) { return false; }
bool FabricaDialogosQt::PropDiagrama(DlgPropDiagrama&) { return false; }
bool FabricaDialogosQt::PropGrafico(DlgPropGrafico&) { return false; }
bool FabricaDialogosQt::OtrasGraficas(DlgOtrasGraficas&) { return false; }
bool FabricaDialogosQt::CalculoCascada(DlgCalculoCascada&) { return false; }
bool FabricaDialogosQt::AreaMinima(DlgAreaMinima&) { return false; }
bool FabricaDialogosQt::CosteMinimo(DlgCosteMinimo&) { return false; }
bool FabricaDialogosQt::Remanente(DlgRemanente&) { return false; }
bool FabricaDialogosQt::Factibilidad(DlgFactibilidad&) { return false; }
void FabricaDialogosQt::FactibilidadVentana(const VentanaFactibilidad&) {}
void FabricaDialogosQt::TablaEmparejamientos(const VentanaTablaEmparejamientos&) {}
bool FabricaDialogosQt::TablaCorrientes(DlgTablaCorrientes&) { return false; }
bool FabricaDialogosQt::TablaCambiadores(DlgTablaCambiadores&) { return false; }
bool FabricaDialogosQt::TablaServicios(DlgTablaServicios&) { return false; }
bool FabricaDialogosQt::MAN(DlgMAN&) { return false; }
bool FabricaDialogosQt::Perturbaciones(DlgPerturbaciones&) { return false; }
bool FabricaDialogosQt::CrucePinch(DlgCrucePinch&) { return false; }
bool FabricaDialogosQt::AnadirAnillos(DlgAnadirAnillos&) { return false; }
bool FabricaDialogosQt::CostesTotales(DlgCostesTotales&) { return false; }
bool FabricaDialogosQt::VariacionDT(DlgVariacionDT&) { return false; }
bool FabricaDialogosQt::VariacionArea(DlgVariacionArea&) { return false; }
bool FabricaDialogosQt::VariacionCosteInm(DlgVariacionCosteInm&) { return false; }
bool FabricaDialogosQt::VariacionCosteTot(DlgVariacionCosteTot&) { return false; }
bool FabricaDialogosQt::CostesOperacion(DlgCostesOperacion&) { return false; }
bool FabricaDialogosQt::Exergia(DlgExergia&) { return false; }
bool FabricaDialogosQt::DifTempOptima(DlgDifTempOptima&) { return false; }
bool FabricaDialogosQt::Informe(DlgInforme&) { return false; }
bool FabricaDialogosQt::GenerandoInforme(DlgGenerandoInforme&) { return false; }

}  // namespace vardo
