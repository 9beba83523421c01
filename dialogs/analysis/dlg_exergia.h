// "Exergía": the ambient temperature and the number of points of the view's
// exergy charts.
#pragma once
#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CExergiaDlg : public kit::Dialog {
 public:
  static constexpr int kIdTemperatura = 1114;
  static constexpr int kIdPuntos = 1066;

  explicit CExergiaDlg(DlgExergia& datos, QWidget* parent = nullptr);

 protected:
  void DataExchange(kit::Exchange& dx) override;

 private:
  DlgExergia& datos_;
};

bool EjecutarExergia(QWidget* padre, DlgExergia& d);
void RegistrarExergia(FabricaDialogosQt& fabrica);

}  // namespace vardo
