// "Generando Informe": writes the report one second after it opens, showing
// each section's text and a step of its gradient bar as it goes, then
// "Informe completo" with "Aceptar" enabled. The writing runs inside the
// timer's tick without an event loop, so the status and the bar are
// repainted at once at every step. With no section chosen the bar is full
// at once, nothing is written and Esc closes the dialog. Closed before the
// report is written, or after a failed write, it leaves the files as they
// were.
#pragma once
#include <string>

#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"
#include "report/informe.h"
#include "report/qt/imagen_svg.h"

namespace vardo {

class CGradientProgressCtrl;
class FabricaDialogosQt;

// The class id under which the dialogs host the gradient progress bar.
inline constexpr const char* kClassIdBarraGradiente = "{77743347-E2AD-4CCA-B30F-A1830948F46B}";

class CGenerandoInformeDlg : public kit::Dialog, private PuertoProgresoInforme {
 public:
  static constexpr int kIdImagen = 1001;
  static constexpr int kIdEstado = 1002;
  static constexpr int kIdBarra = 1008;
  static constexpr int kIdTemporizador = 12345;
  static constexpr int kEsperaMs = 1000;

  // The record's model is the dialog's own copy, which the report may
  // recompute; its file is left as it is until the report is whole.
  explicit CGenerandoInformeDlg(DlgGenerandoInforme& datos, QWidget* parent = nullptr);

  CGradientProgressCtrl& Barra() const;
  // How many sections the options choose (of 34).
  int Secciones() const { return secciones_; }

 protected:
  void OnInit() override;

 private:
  void Escribir();
  void Estado(const std::string& texto) override;
  void Paso() override;
  void Completo() override;
  void Fallo(const std::string& mensaje) override;

  DlgGenerandoInforme& datos_;
  int secciones_ = 0;
  std::string fallo_;  // the writer's message when a write failed
  RelojLocal reloj_;
  ImagenSvgInforme imagenes_;
};

// Runs the dialog; true when it ended with "Aceptar".
bool EjecutarGenerandoInforme(QWidget* padre, DlgGenerandoInforme& d);

void RegistrarGenerandoInforme(FabricaDialogosQt& fabrica);

}  // namespace vardo
