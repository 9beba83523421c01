// The settings dialog "Autograbación": how the main window autosaves (in the
// background, asking first, or not at all) and every how many minutes.
#pragma once
#include "app/core/document/autoguardado.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class CAutograbacionDlg : public kit::Dialog {
 public:
  static constexpr int kIdSegundoPlano = 1008;  // first radio of the three choices
  static constexpr int kIdPreguntar = 1009;
  static constexpr int kIdSinGrabacion = 1064;
  static constexpr int kIdMinutos = 1065;

  explicit CAutograbacionDlg(QWidget* parent = nullptr);

  // The values shown when the dialog opens; after OK, the values chosen.
  void SetAjustes(const AjustesAutograbacion& a) { ajustes_ = a; }
  AjustesAutograbacion Ajustes() const { return ajustes_; }

 protected:
  // The minutes are a number from 0 to 300 that gives at least one second.
  void DataExchange(kit::Exchange& dx) override;

 private:
  AjustesAutograbacion ajustes_;
};

// Runs the dialog modally on a; true for OK with a holding the choice.
bool EjecutarDialogoAutograbacion(QWidget* parent, AjustesAutograbacion& a);

}  // namespace vardo
