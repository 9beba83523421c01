#include "dialogs/entry/dlg_corrientes.h"

#include <utility>

#include "app/qt/fabrica_dialogos_qt.h"

namespace vardo {

CCorrientesSheet::CCorrientesSheet(std::string caption, QWidget* parent, int primera)
    : kit::PropertySheet(std::move(caption), parent, primera) {
  AddPage(principal_);
  AddPage(entalpia_);
  AddPage(propiedades_);
  AddPage(costes_);
}

bool EjecutarCorrientes(QWidget* padre, DlgCorrientes& d) {
  CCorrientesSheet hoja(d.titulo, padre, d.pagina);
  hoja.datos.m_diagrama = d.modelo;
  hoja.datos.m_corriente = d.corriente;
  if (hoja.Run() != kit::kIdOk) return false;
  d.modelo = hoja.datos.m_diagrama;
  return true;
}

void RegistrarCorrientes(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgCorrientes>(&EjecutarCorrientes);
}

}  // namespace vardo
