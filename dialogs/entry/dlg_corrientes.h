// "Añadir Corrientes": the modal sheet where streams are entered, edited and
// walked through, with its four pages ("Principal", "Entalpía",
// "Propiedades Físicas", "Costes y Área"). The sheet and every page work on
// copies of the problem handed over as the pages change; nothing reaches the
// document until the sheet ends with "Aceptar".
#pragma once
#include <string>

#include "app/core/document/puertos.h"
#include "dialogs/entry/hoja_corrientes.h"
#include "dialogs/entry/pag_entalpia.h"
#include "dialogs/entry/pag_principal.h"
#include "dialogs/entry/pag_propiedades.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CCorrientesSheet : public kit::PropertySheet {
 public:
  CCorrientesSheet(std::string caption, QWidget* parent = nullptr, int primera = 0);

  // The sheet's copy of the problem and the current stream.
  DatosHojaCorrientes datos;

  CCorrientesDlg& Principal() { return principal_; }
  CAjusteHDlg& Entalpia() { return entalpia_; }
  CPropCorrDlg& Propiedades() { return propiedades_; }
  CCorrelCorrDlg& Costes() { return costes_; }

 private:
  CCorrientesDlg principal_{datos};
  CAjusteHDlg entalpia_{datos};
  CPropCorrDlg propiedades_{datos};
  CCorrelCorrDlg costes_{datos};
};

// Runs the sheet on the record: its model and current stream in, the
// sheet's model back on "Aceptar" (true).
bool EjecutarCorrientes(QWidget* padre, DlgCorrientes& d);

void RegistrarCorrientes(FabricaDialogosQt& fabrica);

}  // namespace vardo
