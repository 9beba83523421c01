// "Coeficientes de Transmisión de Calor": the film coefficients used by the
// area and capital-cost targets, one per process stream and either one per
// defined utility (while they are shown and cover the process) or those of
// the default heating and cooling utilities with their temperatures.
#pragma once
#include <cstdint>

#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CCoeficientesDlg : public kit::Dialog {
 public:
  static constexpr int kIdCorriente = 1000;
  static constexpr int kIdCoefCorriente = 1001;
  static constexpr int kIdServicio = 1002;
  static constexpr int kIdCoefServicio = 1003;
  static constexpr int kIdTemperatura = 1004;
  static constexpr int kIdPasoCorriente = 1025;
  static constexpr int kIdPasoServicio = 1026;
  static constexpr int kIdNombreCorriente = 1115;
  static constexpr int kIdNombreServicio = 1116;
  static constexpr int kIdEstimarCorriente = 1174;
  static constexpr int kIdEstimarServicio = 1175;

  explicit CCoeficientesDlg(QWidget* parent = nullptr);

  CDiagrama m_diagrama;

 protected:
  void OnInit() override;
  void OnOK() override;

 private:
  // The defined utilities take part (shown and covering the process);
  // otherwise the default heating (0) and cooling (1) ones.
  bool ModoDefinido();
  int NumServicios();
  // Storing reads the typed fields by the number rule: a coefficient above
  // 0, a temperature above 0 K. A refused field keeps the record shown and
  // the text typed; with `decir` its message is shown and the field takes
  // the focus, otherwise (an arrow step) the step only beeps.
  void MostrarCorriente(int i);
  bool GuardarCorriente(int i, bool decir = true);
  void MostrarServicio(int i);
  bool GuardarServicio(int i, bool decir = true);
  // The stream and the utility shown, each stored as above.
  bool GuardarMostrados();
  void Estimar(std::int32_t ref);

  int corriente_ = 0;  // the stream shown
  int servicio_ = 0;   // the utility shown
};

// Runs the dialog on its record; true for OK with the record's model changed.
bool EjecutarCoeficientes(QWidget* padre, DlgCoeficientes& d);

void RegistrarCoeficientes(FabricaDialogosQt& fabrica);

}  // namespace vardo
