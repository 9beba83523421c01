#include "app/qt/dlg_autograbacion.h"

#include <cmath>

namespace vardo {

namespace {

kit::Template Plantilla() {
  using namespace kit;
  using D = CAutograbacionDlg;
  return Template{"Autograbación",
                  196,
                  100,
                  {
                      Radio(D::kIdSegundoPlano, "Grabación automática en segundo plano", 10, 10,
                            180, 10, kGroup),
                      Radio(D::kIdPreguntar, "Solicitar permiso para grabar automáticamente", 10,
                            24, 180, 10),
                      Radio(D::kIdSinGrabacion, "Sin grabación automática", 10, 38, 180, 10),
                      Label("Intervalo entre grabaciones:", 10, 58, 100, 8, kGroup),
                      Edit(D::kIdMinutos, 112, 56, 40, 12),
                      Label("min", 156, 58, 20, 8),
                      Button(kIdOk, "Aceptar", 84, 78, 50, 14, kDefault),
                      Button(kIdCancel, "Cancelar", 138, 78, 50, 14),
                  }};
}

}  // namespace

CAutograbacionDlg::CAutograbacionDlg(QWidget* parent) : kit::Dialog(Plantilla(), parent) {}

void CAutograbacionDlg::DataExchange(kit::Exchange& dx) {
  int eleccion = ajustes_.eleccion;
  double minutos = ajustes_.minutos;
  dx.Radio(kIdSegundoPlano, eleccion);
  dx.Double(kIdMinutos, minutos, kMinutosMin, kMinutosMax);
  if (!dx.Saving()) return;
  // A shorter interval would run the timers flat out.
  if (std::trunc(minutos * 60000.0) < kIntervaloMinimoMs) dx.Fail(kIdMinutos, kMsgIntervaloMinimo);
  ajustes_.eleccion = eleccion < 0 ? AjustesAutograbacion::kSegundoPlano : eleccion;
  ajustes_.minutos = minutos;
}

bool EjecutarDialogoAutograbacion(QWidget* parent, AjustesAutograbacion& a) {
  CAutograbacionDlg dlg(parent);
  dlg.SetAjustes(a);
  if (dlg.Run() != kit::kIdOk) return false;
  a = dlg.Ajustes();
  return true;
}

}  // namespace vardo
