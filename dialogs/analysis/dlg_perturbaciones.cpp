#include "dialogs/analysis/dlg_perturbaciones.h"

#include "app/core/analysis/perturbaciones_tabla.h"
#include "app/core/document/documento.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "controls/grid/celdix.h"
#include "platform/qt/runneruiport.h"

namespace vardo {

namespace {

kit::Template Plantilla() {
  using namespace kit;
  using D = CPerturbacionesDlg;
  return Template{"Caminos de transmisión de perturbaciones",
                  268,
                  151,
                  {
                      Hosted(D::kIdTabla, kCeldixClassId, 7, 7, 254, 117),
                      Button(kIdOk, "Aceptar", 211, 130, 50, 14, kDefault),
                  }};
}

}  // namespace

CPerturbacionesDlg::CPerturbacionesDlg(const CDiagrama& modelo, QWidget* parent)
    : kit::Dialog(Plantilla(), parent) {
  CopiarModeloCompleto(modelo_, modelo);
}

void CPerturbacionesDlg::OnInit() {
  // The searches are silent; the port only stands by.
  RunnerUiPort ui;
  const TablaPerturbaciones t = CalcularPerturbaciones(modelo_, ui);
  const std::vector<std::vector<std::string>> celdas = t.Celdas();
  const int n = static_cast<int>(celdas.size());
  auto* tabla = Get<Celdix>(kIdTabla);
  tabla->SetFixedRows(1);
  tabla->SetFixedCols(1);
  tabla->SetCols(n);
  tabla->SetRows(n);
  for (int c = 0; c < n; ++c) tabla->SetColWidth(c, kAnchoColumna);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c)
      tabla->SetTextMatrix(
          r, c, QString::fromStdString(celdas[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
  tabla->SoloParaLeer();
}

bool EjecutarPerturbaciones(QWidget* padre, DlgPerturbaciones& d) {
  CPerturbacionesDlg dlg(d.modelo, padre);
  return dlg.Run() == kit::kIdOk;
}

void RegistrarPerturbaciones(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgPerturbaciones>(EjecutarPerturbaciones);
}

}  // namespace vardo
