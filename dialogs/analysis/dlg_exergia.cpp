#include "dialogs/analysis/dlg_exergia.h"

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/campos.h"

namespace vardo {

namespace {

kit::Template Plantilla() {
  using namespace kit;
  using D = CExergiaDlg;
  return Template{"Exergía",
                  168,
                  66,
                  {
                      Label("Temperatura Ambiente (K):", 7, 9, 96, 8),
                      Edit(D::kIdTemperatura, 106, 7, 55, 12),
                      Label("Número de Puntos:", 7, 27, 96, 8),
                      Edit(D::kIdPuntos, 106, 25, 55, 12),
                      Button(kIdOk, "Aceptar", 57, 45, 50, 14, kDefault),
                      Button(kIdCancel, "Cancelar", 111, 45, 50, 14),
                  }};
}

}  // namespace

CExergiaDlg::CExergiaDlg(DlgExergia& datos, QWidget* parent)
    : kit::Dialog(Plantilla(), parent), datos_(datos) {}

void CExergiaDlg::DataExchange(kit::Exchange& dx) {
  dx.Double(kIdTemperatura, datos_.temperatura, 0.1, 1000.0);
  dx.Int(kIdPuntos, datos_.puntos, 10, 10000);
}

bool EjecutarExergia(QWidget* padre, DlgExergia& d) {
  return EjecutarSobreCopia<CExergiaDlg>(padre, d);
}

void RegistrarExergia(FabricaDialogosQt& fabrica) { fabrica.Registrar<DlgExergia>(EjecutarExergia); }

}  // namespace vardo
