// "Emparejamientos a través del pinch": the exchangers of the network that
// move heat across the pinch, with that heat, in a table and a bar chart.
// Read-only; it works on a copy of the problem and hands nothing back.
#pragma once
#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CCrucePinchDlg : public kit::Dialog {
 public:
  static constexpr int kIdTabla = 1040;
  static constexpr int kIdGrafico = 1066;

  explicit CCrucePinchDlg(const CDiagrama& modelo, QWidget* parent = nullptr);

 protected:
  void OnInit() override;

 private:
  CDiagrama modelo_;
};

bool EjecutarCrucePinch(QWidget* padre, DlgCrucePinch& d);
void RegistrarCrucePinch(FabricaDialogosQt& fabrica);

}  // namespace vardo
