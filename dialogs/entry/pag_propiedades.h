// The last two pages of the streams sheet. "Propiedades Físicas": the
// heat-transfer situation of the current stream (one of ten correlations)
// and the 20 physical properties, only those the chosen correlation uses
// being editable. "Costes y Área": the cost law of the exchangers on the
// stream and its film coefficient, typed or estimated by the
// coefficient-estimation wizard. Both show and store a split's whole stream
// and give every branch the same values.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/core/entry/propiedades_fisicas.h"
#include "dialogs/entry/hoja_corrientes.h"

namespace vardo {

class CPropCorrDlg : public CPaginaCorrientes {
 public:
  static constexpr int kIdCorrelacion = 1200;
  static constexpr int kIdFormula = 1201;
  // Field of property k: kIdPrimeraPropiedad + k.
  static constexpr int kIdPrimeraPropiedad = 1210;

  explicit CPropCorrDlg(DatosHojaCorrientes& hoja);

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnSetActive() override;
  bool OnKillActive() override;

 private:
  void MostrarPropiedades();
  void GuardarPropiedades();
  void MostrarCorrelacion();
  void ActivarCampos();

  std::array<double, kNumPropiedadesFisicas> valores_{};
};

// The coefficient-estimation wizard as the costs page runs it: on a copy of
// the page's problem with the stream being edited as current; true for
// Finish with the result filled in. The dialogs' registration installs the
// wizard (RegistrarDialogosEntrada); without it the button is disabled.
using EstimarCoeficienteFn =
    std::function<bool(QWidget* padre, const CDiagrama& modelo, std::int32_t corriente,
                       ResultadoEstimacion& resultado)>;
void SetEstimarCoeficiente(EstimarCoeficienteFn fn);
bool HayEstimarCoeficiente();

class CCorrelCorrDlg : public CPaginaCorrientes {
 public:
  static constexpr int kIdA = 1300;
  static constexpr int kIdB = 1301;
  static constexpr int kIdC = 1302;
  static constexpr int kIdCoeficiente = 1303;
  static constexpr int kIdEstimar = 1304;

  explicit CCorrelCorrDlg(DatosHojaCorrientes& hoja);

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnSetActive() override;
  bool OnKillActive() override;

 private:
  void MostrarCostes();
  void GuardarCostes();
  void OnEstimarCoeficiente();
  void AplicarEstimacion(const ResultadoEstimacion& r);

  double h_ = 0.0, a_ = 0.0, b_ = 0.0, c_ = 0.0;
};

}  // namespace vardo
