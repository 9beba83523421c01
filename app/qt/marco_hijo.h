// The window of one document: it owns the document and shows its view,
// always maximised. Its command target carries the document's commands of
// the framework (save, save as, close, undo, redo) and its views' updates
// reach the view.
#pragma once
#include <QString>
#include <functional>
#include <memory>

#include "app/core/document/puertos.h"
#include "platform/qt/mainframe.h"

namespace vardo {

class CVardoDoc;
class CVardoView;

class CChildFrame : public MdiChild, public PuertoVistas {
  Q_OBJECT
 public:
  // Takes the document; the view is made here.
  CChildFrame(std::unique_ptr<CVardoDoc> doc, FabricaDialogos* fabrica, QWidget* parent = nullptr);
  ~CChildFrame() override;

  CVardoDoc* Documento() const { return doc_.get(); }
  CVardoView* Vista() const { return vista_; }
  CommandTarget& ComandosDocumento() { return comandos_; }

  // PuertoVistas: every view repaints; the selected kind is the view's.
  void ActualizarVistas() override;
  int TipoSeleccion() const override;
  void SetTipoSeleccion(int tipo) override;
  // The window title from the document's title.
  void ActualizarTitulo();

  // The framework's save road. Save writes to the document's path, or asks
  // for one when it has none; SaveAs always asks. False when nothing was
  // saved (cancelled or failed).
  bool Guardar();
  bool GuardarComo();
  // Before closing: "¿Guardar cambios a %1?" for a modified document. Yes
  // saves (a failed or cancelled save keeps the window), No discards,
  // Cancel keeps it. True when the window may close.
  bool GuardarSiModificado();
  // Closes without asking (the question was already answered).
  void CerrarSinPreguntar();

  // Called after each successful save with the path written.
  std::function<void(const QString&)> alGuardar;

 private:
  std::unique_ptr<CVardoDoc> doc_;
  CVardoView* vista_;
  CommandTarget comandos_;
  bool sinPreguntar_ = false;
};

}  // namespace vardo
