#include "dialogs/entry/dlg_borrar.h"

#include <string>

#include "app/qt/fabrica_dialogos_qt.h"

namespace vardo {

namespace {

const TextosBorrar kCorrientes{"Borrar corrientes", "Borrar corriente número:",
                               "Borrar todas las corrientes", false};
const TextosBorrar kCambiadores{"Borrar cambiadores", "Borrar cambiador número:",
                                "Borrar todos los cambiadores", false};
const TextosBorrar kServicios{"Borrar Servicios", "Borrar servicio número:",
                              "Borrar todos los servicios", true};

kit::Template Plantilla(const TextosBorrar& t) {
  using namespace kit;
  using D = CBorrarDlg;
  return Template{t.titulo,
                  190,
                  66,
                  {
                      Radio(D::kIdUno, t.uno, 10, 12, 106, 10, kGroup),
                      Combo(D::kIdLista, 120, 10, 40, 80, kListOnly),
                      Radio(D::kIdTodos, t.todos, 10, 28, 140, 10),
                      Button(kIdOk, "Aceptar", 80, 46, 50, 14, kDefault | kGroup),
                      Button(kIdCancel, "Cancelar", 134, 46, 50, 14),
                  }};
}

}  // namespace

const TextosBorrar& TextosDeBorrar(DialogoId id) {
  switch (id) {
    case DialogoId::BorrarCambiadores: return kCambiadores;
    case DialogoId::BorrarServicios: return kServicios;
    default: return kCorrientes;
  }
}

CBorrarDlg::CBorrarDlg(const TextosBorrar& textos, std::int32_t numero, std::int32_t& eleccion,
                       std::int32_t& indice, QWidget* parent)
    : kit::Dialog(Plantilla(textos), parent),
      marcarUno_(textos.marcarUno),
      numero_(numero),
      eleccion_(eleccion),
      indice_(indice) {}

void CBorrarDlg::DataExchange(kit::Exchange& dx) {
  // The two radios are one group; the list between them is not a radio.
  dx.Radio(kIdUno, eleccion_);
  dx.Index(kIdLista, indice_);
}

void CBorrarDlg::OnInit() {
  for (int i = 1; i <= numero_; ++i) AddString(kIdLista, std::to_string(i));
  SetCurSel(kIdLista, 0);
  if (marcarUno_) SetRadioIndex(kIdUno, 0);
}

void RegistrarBorrar(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgBorrarCorrientes>(EjecutarBorrar<DialogoId::BorrarCorrientes>);
  fabrica.Registrar<DlgBorrarCambiadores>(EjecutarBorrar<DialogoId::BorrarCambiadores>);
  fabrica.Registrar<DlgBorrarServicios>(EjecutarBorrar<DialogoId::BorrarServicios>);
}

}  // namespace vardo
