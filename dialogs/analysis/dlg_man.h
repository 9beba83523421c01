// "Matriz de Adyacencia de Nodos y Árbol Máximo": the node adjacency matrix
// of the designed network as a table headed by the node names, and its
// maximum tree (one root per connected part). A right press on the table
// opens "Menu MAN", whose "&Copiar" and "&Exportar como .dat" go to the main
// window's commands, so the active document's view copies or exports the
// matrix. Works on its own copy of the model; nothing is taken back.
#pragma once
#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

class QMenu;
class QTreeWidget;

namespace vardo {

class FabricaDialogosQt;

// Class id of the tree view the dialog hosts (buttons, lines, lines at the
// root).
inline constexpr const char* kClassIdArbolMAN = "{5B1E7C47-3D0A-4F6E-9C21-8A4D2E6B7F10}";

class CMANDlg : public kit::Dialog {
 public:
  static constexpr int kIdTabla = 1077;
  static constexpr int kIdArbol = 1165;
  // Width of every column, twips.
  static constexpr int kAnchoColumna = 370;

  explicit CMANDlg(const CDiagrama& modelo, QWidget* parent = nullptr);
  QMenu* MenuMAN() const { return menu_; }

 protected:
  void OnInit() override;

 private:
  void OnMouseDown(int boton, int x, int y);
  void Comando(int id);

  CDiagrama modelo_;
  QMenu* menu_ = nullptr;
};

bool EjecutarMAN(QWidget* padre, DlgMAN& d);
void RegistrarMAN(FabricaDialogosQt& fabrica);

}  // namespace vardo
