// The settings dialog "Autograbación": how the main window autosaves (in the
// background, asking first, or not at all) and every how many minutes.
#pragma once
#include <QDialog>

#include "app/core/autoguardado.h"

class QLineEdit;
class QRadioButton;

namespace vardo {

class CAutograbacionDlg : public QDialog {
  Q_OBJECT
 public:
  // Control ids, as the controls' object names.
  static constexpr int kIdSegundoPlano = 1008;
  static constexpr int kIdPreguntar = 1009;
  static constexpr int kIdSinGrabacion = 1064;
  static constexpr int kIdMinutos = 1065;

  explicit CAutograbacionDlg(QWidget* parent = nullptr);

  void SetAjustes(const AjustesAutograbacion& a);
  // The values after OK.
  AjustesAutograbacion Ajustes() const { return ajustes_; }

  QRadioButton* Opcion(int eleccion) const;
  QLineEdit* CampoMinutos() const { return minutos_; }

 public slots:
  // OK: checks the minutes; a refused value shows why and keeps the dialog.
  void accept() override;

 private:
  QRadioButton* opciones_[3];
  QLineEdit* minutos_;
  AjustesAutograbacion ajustes_;
};

// Runs the dialog modally on a; true for OK with a holding the choice.
bool EjecutarDialogoAutograbacion(QWidget* parent, AjustesAutograbacion& a);

}  // namespace vardo
