// "Cálculo de cascada": tries values of DT min on a copy of the problem and
// shows the heating and cooling needs, the pinch, the minimum number of
// exchangers and the heat cascade plot; two lists of integrity areas
// restrict the calculation to the areas made visible.
#pragma once
#include "app/core/document/puertos.h"
#include "dialogs/analysis/campos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CCalculoCascadaDlg : public kit::Dialog {
 public:
  static constexpr int kIdDTMin = 1011;
  static constexpr int kIdCalefaccion = 1012;
  static constexpr int kIdRefrigeracion = 1013;
  static constexpr int kIdPinch = 1014;
  static constexpr int kIdNMin = 1000;
  static constexpr int kIdRecalcular = 1114;
  static constexpr int kIdCascada = 1063;
  static constexpr int kIdAreas = 1081;
  static constexpr int kIdVisibles = 1083;
  static constexpr int kIdMostrarSeleccionada = 1090;
  static constexpr int kIdMostrarTodas = 1091;

  explicit CCalculoCascadaDlg(const CDiagrama& modelo, QWidget* parent = nullptr);
  const CDiagrama& Modelo() const { return modelo_; }

 protected:
  void OnInit() override;
  void OnOK() override;

 private:
  // DT min from its field, then the targets; false, nothing changed, when
  // the field holds no DT min (a number of at least 0).
  bool Calcular(Aviso aviso);
  bool LeerDTMin(Aviso aviso);
  void AlimentarCascada();
  void RellenarAreas();
  void OnMostrarSeleccionada();
  void OnMostrarTodas();

  CDiagrama modelo_;
};

bool EjecutarCalculoCascada(QWidget* padre, DlgCalculoCascada& d);
void RegistrarCalculoCascada(FabricaDialogosQt& fabrica);

}  // namespace vardo
