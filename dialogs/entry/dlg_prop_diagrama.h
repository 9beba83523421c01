// "Propiedades del Gráfico" of the grid diagram (its size in centimetres,
// its font and seven display options) and "Otras Gráficas" (two target
// quantities against DT min over a range, for the chart of chosen
// variables). Both exchange plain values with their records; the view's
// commands apply them.
#pragma once
#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CPropDiagramaDlg : public kit::Dialog {
 public:
  static constexpr int kIdAncho = 1000;
  static constexpr int kIdAlto = 1001;
  static constexpr int kIdCambiarFuente = 1002;
  // The seven options, in the record's order.
  static constexpr int kIdTPinch = 1003;
  static constexpr int kIdTBifurcadas = 1004;
  static constexpr int kIdNombres = 1005;
  static constexpr int kIdCalientesFrias = 1006;
  static constexpr int kIdAreas = 1007;
  static constexpr int kIdColorearAreas = 1008;
  static constexpr int kIdColorearServicios = 1009;

  // The record is read when the dialog opens and written on OK.
  explicit CPropDiagramaDlg(DlgPropDiagrama& datos, QWidget* parent = nullptr);

 protected:
  void DataExchange(kit::Exchange& dx) override;

 private:
  DlgPropDiagrama& datos_;
};

// The variables both axes offer, by index.
inline constexpr const char* kVariablesGrafica[] = {
    "Consumo de calefacción",       "Consumo de refrigeración",
    "Temperatura de pinch",         "Número mínimo de cambiadores",
    "Área mínima",                  "Costes mínimos de operación",
    "Costes mínimos de inmovilizado", "Costes mínimos totales"};

class COtrasGraficasDlg : public kit::Dialog {
 public:
  static constexpr int kIdEjeX = 1000;
  static constexpr int kIdEjeY = 1001;
  static constexpr int kIdInicial = 1002;
  static constexpr int kIdFinal = 1003;
  static constexpr int kIdPuntos = 1004;

  explicit COtrasGraficasDlg(DlgOtrasGraficas& datos, QWidget* parent = nullptr);

 protected:
  void DataExchange(kit::Exchange& dx) override;
  // The fields with their checks; then the final DT min must exceed the
  // initial one.
  void OnOK() override;

 private:
  DlgOtrasGraficas& datos_;
};

// Run modally on their records; true for OK.
bool EjecutarPropDiagrama(QWidget* padre, DlgPropDiagrama& d);
bool EjecutarOtrasGraficas(QWidget* padre, DlgOtrasGraficas& d);

void RegistrarPropDiagrama(FabricaDialogosQt& fabrica);

}  // namespace vardo
