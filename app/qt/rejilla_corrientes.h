// The docked streams table: the process streams of the active document in
// the editable grid, one row per stream. Editing a cell, pasting, adding or
// deleting a row changes the document at once as one undo step; a click
// selects the row's stream on the grid diagram, a double click opens it.
#pragma once
#include <QWidget>

#include "app/core/document/puertos.h"
#include "app/core/panes/tabla_corrientes_panel.h"
#include "model/diagrama.h"

namespace vardo {

class Celdix;
class CMainFrame;

inline constexpr const char* kTituloTablaCorrientes = "Tabla de corrientes";

class CRejillaCorrientesDlg : public QWidget, public PuertoPaneles {
  Q_OBJECT
 public:
  explicit CRejillaCorrientesDlg(QWidget* parent = nullptr);

  // ---- PuertoPaneles: the document's refresh ----
  // Takes the copy of the model and fills the table from it.
  void ActualizarTablaCorrientes(const CDiagrama& modelo) override;
  void ActualizarVisorObjetos(const CDiagrama&, bool) override {}
  void ActualizarBarraAreas(const CDiagrama&) override {}

  Celdix& Tabla() const { return *tabla_; }
  // The copy the table shows.
  const CDiagrama& Modelo() const { return modelo_; }
  // The data rows as the grid holds them now.
  CeldasTablaCorrientes Celdas() const;
  // Grid row r's texts (r from 1).
  std::array<std::string, kColumnasTablaCorrientes> CeldasFila(int r) const;

 private:
  void Llenar();
  void AlEvento(EventoTablaCorrientes evento);
  void AlClick();
  void AlDobleClick();

  CDiagrama modelo_;
  Celdix* tabla_;
};

// Registers the pane with the main window: docked at the bottom under
// "Tabla de corrientes" at the first activation, toggled by its View item.
void InstalarTablaCorrientes(CMainFrame& marco);

}  // namespace vardo
