// "Añadir anillos o sendas": builds a loop or path by picking exchangers, or
// steps through those the loop search finds, and shifts an amount of heat
// around the chosen chain. Works on its own copy of the model, handed back on
// OK once the shift has been applied.
#pragma once
#include "app/core/analysis/anillos_dlg.h"
#include "app/core/document/puertos.h"
#include "dialogs/analysis/campos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CAnadirAnillosDlg : public kit::Dialog {
 public:
  static constexpr int kIdCambiadores = 1130;  // every exchanger of the model
  static constexpr int kIdAnillo = 1131;       // the chain under construction
  static constexpr int kIdAnadir = 1034;       // ">"
  static constexpr int kIdQuitar = 1035;       // "<"
  static constexpr int kIdVaciar = 1036;       // "<<"
  static constexpr int kIdSiguiente = 1161;    // "<": the next found chain
  static constexpr int kIdBuscar = 1163;
  static constexpr int kIdAnterior = 1162;     // ">": the previous found chain
  static constexpr int kIdDeslizador = 1134;
  static constexpr int kIdMinimo = 1135;
  static constexpr int kIdMaximo = 1136;
  static constexpr int kIdCantidad = 1137;
  static constexpr int kIdAplicar = 1138;      // hidden default button: Enter applies

  explicit CAnadirAnillosDlg(const CDiagrama& modelo, QWidget* parent = nullptr);
  const CDiagrama& Modelo() const { return modelo_; }

 protected:
  void OnInit() override;
  void OnOK() override;

 private:
  void Rellenar();
  void PrepararControles();
  void ReiniciarControles();
  // The shift controls for the chain shown: ready when it is complete, reset
  // and disabled otherwise.
  void ControlesDeLaCadena();
  void OnAnadir();
  void OnQuitar();
  void OnVaciar();
  void OnBuscar();
  void OnPaso(bool siguiente);
  void OnDeslizar();
  // The typed amount, kept within the range, moves the slider.
  void AplicarTecleada(Aviso aviso);
  bool Completo() const;

  CDiagrama modelo_;
  DesplazamientoAnillo rango_;
};

bool EjecutarAnadirAnillos(QWidget* padre, DlgAnadirAnillos& d);
void RegistrarAnadirAnillos(FabricaDialogosQt& fabrica);

}  // namespace vardo
