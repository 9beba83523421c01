// "Análisis del problema remanente": how much of the problem the installed
// exchangers solve and what remains, as a table of five quantities in four
// columns and five bar charts. Everything is computed when the dialog opens;
// the only change it makes to its copy of the problem is the generic
// utilities' temperatures, when the user accepts the question about them.
#pragma once
#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CRemanenteDlg : public kit::Dialog {
 public:
  static constexpr int kIdTabla = 1040;
  // The five charts, in the order of the table's rows.
  static constexpr int kIdGraficos[5] = {1067, 1068, 1069, 1070, 1071};
  // Below the charts: which bar is which, and what the cost chart counts in.
  static constexpr int kIdLeyenda = 1201;
  static constexpr int kIdEscalaCoste = 1202;
  // Column 0 of the table, twips.
  static constexpr int kAnchoEtiquetas = 2200;
  // Columns 1 to 4, twips: room for a cost in exponent form.
  static constexpr int kAnchoValores = 1200;

  explicit CRemanenteDlg(const CDiagrama& problema, QWidget* parent = nullptr);
  // The problem copy handed back on OK.
  const CDiagrama& Modelo() const { return problema_; }

 protected:
  void OnInit() override;

 private:
  CDiagrama problema_;
};

bool EjecutarRemanente(QWidget* padre, DlgRemanente& d);
void RegistrarRemanente(FabricaDialogosQt& fabrica);

}  // namespace vardo
