// "Caminos de transmisión de perturbaciones": for every ordered pair of
// streams, whether a disturbance of the first reaches the second through the
// designed network, as a square table headed "de/a". The searches run once,
// silently, on the dialog's own copy of the model, which nothing takes back.
#pragma once
#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CPerturbacionesDlg : public kit::Dialog {
 public:
  static constexpr int kIdTabla = 1040;
  // Width of every column, twips.
  static constexpr int kAnchoColumna = 450;

  explicit CPerturbacionesDlg(const CDiagrama& modelo, QWidget* parent = nullptr);

 protected:
  void OnInit() override;

 private:
  CDiagrama modelo_;
};

bool EjecutarPerturbaciones(QWidget* padre, DlgPerturbaciones& d);
void RegistrarPerturbaciones(FabricaDialogosQt& fabrica);

}  // namespace vardo
