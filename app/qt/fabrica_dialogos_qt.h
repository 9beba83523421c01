// The dialogs of data entry and analysis as the program runs them, parented
// to the main window. Each dialog's window code registers how it runs on its
// record; a dialog that nobody registered answers Disponible false, which
// keeps its command disabled: it is never faked.
#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

#include "app/core/document/puertos.h"

namespace vardo {

class FabricaDialogosQt : public FabricaDialogos {
 public:
  explicit FabricaDialogosQt(QWidget* padre = nullptr) : padre_(padre) {}
  void SetPadre(QWidget* padre) { padre_ = padre; }

  // How a modal dialog runs on its record (true for OK).
  template <class D>
  void Registrar(std::function<bool(QWidget* padre, D& datos)> ejecutar) {
    modales_[D::kId] = [ejecutar](QWidget* padre, void* p) {
      return ejecutar(padre, *static_cast<D*>(p));
    };
  }
  // How a modeless window is made from its record.
  template <class V>
  void RegistrarVentana(std::function<void(QWidget* padre, const V& datos)> mostrar) {
    ventanas_[V::kId] = [mostrar](QWidget* padre, const void* p) {
      mostrar(padre, *static_cast<const V*>(p));
    };
  }

  bool Disponible(DialogoId id) const override;

  bool Corrientes(DlgCorrientes& d) override;
  bool Servicios(DlgServicios& d) override;
  bool Cambiadores(DlgCambiadores& d) override;
  bool BorrarCorrientes(DlgBorrarCorrientes& d) override;
  bool BorrarCambiadores(DlgBorrarCambiadores& d) override;
  bool BorrarServicios(DlgBorrarServicios& d) override;
  bool CalculoCambiadores(DlgCalculoCambiadores& d) override;
  bool FormatoCambiadores(DlgFormatoCambiadores& d) override;
  bool FormatoCambiador(DlgFormatoCambiador& d) override;
  bool Bifurcar(DlgBifurcar& d) override;
  bool BifurcarH(DlgBifurcarH& d) override;
  void PropCorriente(const VentanaPropCorriente& v) override;
  void PropCambiador(const VentanaPropCambiador& v) override;
  void PropServicio(const VentanaPropServicio& v) override;
  bool AreasIntegridad(DlgAreasIntegridad& d) override;
  bool PropDiagrama(DlgPropDiagrama& d) override;
  bool PropGrafico(DlgPropGrafico& d) override;
  bool OtrasGraficas(DlgOtrasGraficas& d) override;
  bool Coeficientes(DlgCoeficientes& d) override;
  bool CalculoCascada(DlgCalculoCascada& d) override;
  bool AreaMinima(DlgAreaMinima& d) override;
  bool CosteMinimo(DlgCosteMinimo& d) override;
  bool Remanente(DlgRemanente& d) override;
  bool Factibilidad(DlgFactibilidad& d) override;
  void FactibilidadVentana(const VentanaFactibilidad& v) override;
  void TablaEmparejamientos(const VentanaTablaEmparejamientos& v) override;
  bool TablaCorrientes(DlgTablaCorrientes& d) override;
  bool TablaCambiadores(DlgTablaCambiadores& d) override;
  bool TablaServicios(DlgTablaServicios& d) override;
  bool MAN(DlgMAN& d) override;
  bool Perturbaciones(DlgPerturbaciones& d) override;
  bool CrucePinch(DlgCrucePinch& d) override;
  bool AnadirAnillos(DlgAnadirAnillos& d) override;
  bool CostesTotales(DlgCostesTotales& d) override;
  bool VariacionDT(DlgVariacionDT& d) override;
  bool VariacionArea(DlgVariacionArea& d) override;
  bool VariacionCosteInm(DlgVariacionCosteInm& d) override;
  bool VariacionCosteTot(DlgVariacionCosteTot& d) override;
  bool CostesOperacion(DlgCostesOperacion& d) override;
  bool Exergia(DlgExergia& d) override;
  bool DifTempOptima(DlgDifTempOptima& d) override;
  bool Informe(DlgInforme& d) override;
  bool GenerandoInforme(DlgGenerandoInforme& d) override;

 private:
  template <class D>
  bool Ejecutar(D& d) {
    auto it = modales_.find(D::kId);
    return it != modales_.end() && it->second(padre_, &d);
  }
  template <class V>
  void Mostrar(const V& v) {
    auto it = ventanas_.find(V::kId);
    if (it != ventanas_.end()) it->second(padre_, &v);
  }

  QPointer<QWidget> padre_;
  std::map<DialogoId, std::function<bool(QWidget*, void*)>> modales_;
  std::map<DialogoId, std::function<void(QWidget*, const void*)>> ventanas_;
};

}  // namespace vardo
