// The integrity-area bar: one drop-down list in the main window's toolbar
// band from which the user picks which integrity areas of the active
// document the grid diagram shows.
#pragma once
#include <QWidget>

#include "app/core/document/puertos.h"

class QComboBox;

namespace vardo {

class CMainFrame;

// Id of the drop-down list.
inline constexpr int kIdComboAreas = 1092;

class CAreasBarDlg : public QWidget, public PuertoPaneles {
  Q_OBJECT
 public:
  explicit CAreasBarDlg(QWidget* parent = nullptr);

  // Refills the list from the active document's model (empty without one).
  void Rellenar();
  // Refills the list from a model.
  void RellenarModelo(const CDiagrama& modelo);

  // ---- PuertoPaneles: the document's refresh refills the list ----
  void ActualizarTablaCorrientes(const CDiagrama&) override {}
  void ActualizarVisorObjetos(const CDiagrama&, bool) override {}
  void ActualizarBarraAreas(const CDiagrama& modelo) override { RellenarModelo(modelo); }

  QComboBox* Combo() const { return combo_; }

 private:
  void OnSelchangeArea(int s);

  QComboBox* combo_;
};

// Registers the bar with the main window, which adds it to its toolbar band
// at the first activation.
void InstalarBarraAreas(CMainFrame& marco);

}  // namespace vardo
