// "Diferencia de Temperaturas Óptima": one second after it opens, sweeps DT
// min on a copy of the problem (the progress bar advancing at each value),
// keeps the value of least total annual cost and shows it with its three
// costs. "Aplicar" hands the value back; both buttons stay disabled until
// the sweep has ended.
#pragma once
#include "app/core/document/puertos.h"
#include "platform/core/color_azar.h"
#include "platform/core/types.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CDifTempOptimaDlg : public kit::Dialog {
 public:
  static constexpr int kIdDT = 1131;
  static constexpr int kIdOperacion = 1066;
  static constexpr int kIdInmovilizado = 1067;
  static constexpr int kIdTotal = 1068;
  static constexpr int kIdProgreso = 1132;
  static constexpr int kTemporizador = 12345;
  static constexpr int kEsperaMs = 1000;

  explicit CDifTempOptimaDlg(const CDiagrama& modelo, QWidget* parent = nullptr);
  const CDiagrama& Modelo() const { return modelo_; }
  // The two colours of the bar, drawn at random when the dialog opened.
  Rgb ColorInicial() const { return color1_; }
  Rgb ColorFinal() const { return color2_; }

 protected:
  void OnInit() override;

 private:
  void Barrido();

  CDiagrama modelo_;
  Rgb color1_ = 0;
  Rgb color2_ = 0;
};

bool EjecutarDifTempOptima(QWidget* padre, DlgDifTempOptima& d);
void RegistrarDifTempOptima(FabricaDialogosQt& fabrica);

}  // namespace vardo
