// "Añadir Cambiadores": adds, browses, changes and deletes the exchangers of
// the design one at a time on a copy of the model. The rules live in
// EditorCambiadores (app/core/entry/editor_cambiadores.h); this window copies the
// typed texts into it before each of the user's actions and shows its state
// afterwards.
#pragma once
#include "app/core/document/puertos.h"
#include "app/core/entry/editor_cambiadores.h"
#include "platform/qt/kit/kit.h"
#include "platform/qt/runneruiport.h"

namespace vardo {

class FabricaDialogosQt;

class CAddCambDlg : public kit::Dialog {
 public:
  static constexpr int kIdNumero = 1000;
  static constexpr int kIdSpin = 1001;
  static constexpr int kIdAnadir = 1002;
  static constexpr int kIdBorrar = 1003;
  static constexpr int kIdFria = 1004;
  static constexpr int kIdVerFria = 1005;
  static constexpr int kIdCaliente = 1006;
  static constexpr int kIdVerCaliente = 1007;
  static constexpr int kIdTipo = 1008;
  static constexpr int kIdCasillaQ = 1009;
  static constexpr int kIdCampoQ = 1010;
  static constexpr int kIdIntro = 1011;  // the hidden default button

  // The controls of end e (kEntradaCaliente ... kSalidaFria).
  static constexpr int IdCasilla(int e) { return 1100 + 10 * e; }
  static constexpr int IdRadio(int e, int r) {  // r: kRadioValor ... kRadioCorriente
    return 1101 + 10 * e + 2 * r;
  }
  static constexpr int IdCampo(int e) { return 1102 + 10 * e; }
  static constexpr int IdPinch(int e) { return 1104 + 10 * e; }
  static constexpr int IdCambiador(int e) { return 1106 + 10 * e; }

  CAddCambDlg(DlgCambiadores& datos, QWidget* parent = nullptr);

  EditorCambiadores& Editor() { return editor_; }

 protected:
  void OnInit() override;
  void OnOK() override;

 private:
  // Runs one of the user's actions: typed texts in, the action, state out.
  template <class F>
  void Accion(F f);
  void Leer();
  void Mostrar();
  // The fields the exchanger shown is stored from, read in and checked by
  // the number rule before it is stored. A refused field gets the focus with
  // its text selected, and its message when `decir`; a spin step, where a
  // message box would keep the arrow pressed, beeps instead.
  bool CamposValidos(bool decir = true);
  // Writes a field's text, leaving a field that already shows it as the
  // user left it.
  void Campo(int id, const std::string& texto);
  void Lista(int id, const std::vector<std::string>& entradas);
  void VerPropiedades(bool fria);

  RunnerUiPort ui_;
  EditorCambiadores editor_;
};

// Runs the dialog on its record; true for OK with the record's model edited.
bool EjecutarCambiadores(QWidget* padre, DlgCambiadores& d);

void RegistrarCambiadores(FabricaDialogosQt& fabrica);

}  // namespace vardo
