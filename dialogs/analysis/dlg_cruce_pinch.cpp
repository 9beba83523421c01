#include "dialogs/analysis/dlg_cruce_pinch.h"

#include "app/core/analysis/tablas_resultados.h"
#include "app/core/document/documento.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "controls/grid/celdix.h"
#include "platform/qt/barchart.h"

namespace vardo {

namespace {

// Width of the table's two columns, twips.
constexpr int kAnchoColumna = 1000;

kit::Template Plantilla() {
  using namespace kit;
  using D = CCrucePinchDlg;
  return Template{"Emparejamientos a través del pinch",
                  351,
                  178,
                  {
                      Hosted(D::kIdTabla, kCeldixClassId, 7, 7, 150, 142),
                      Hosted(D::kIdGrafico, kClassIdGraficoBarras, 164, 7, 180, 142),
                      Button(kIdOk, "Aceptar", 294, 157, 50, 14, kDefault),
                  }};
}

}  // namespace

CCrucePinchDlg::CCrucePinchDlg(const CDiagrama& modelo, QWidget* parent)
    : kit::Dialog(Plantilla(), parent) {
  CopiarModeloCompleto(modelo_, modelo);
}

void CCrucePinchDlg::OnInit() {
  const std::vector<FilaCrucePinch> filas = ListarCrucePinch(modelo_);
  const int n = static_cast<int>(filas.size());
  auto* tabla = Get<Celdix>(kIdTabla);
  auto* grafico = Get<BarChart>(kIdGrafico);
  tabla->SetCols(2);
  for (int c = 0; c < 2; ++c) tabla->SetColWidth(c, kAnchoColumna);
  tabla->SetTextMatrix(0, 0, QStringLiteral("Cambiador"));
  tabla->SetTextMatrix(0, 1, QStringLiteral("Q (kW)"));
  tabla->SetRows(n + 1);
  grafico->SetRowCount(n);
  grafico->SetColumnCount(1);
  grafico->SetColumn(1);
  for (int r = 1; r <= n; ++r) {
    const FilaCrucePinch& f = filas[static_cast<std::size_t>(r - 1)];
    tabla->SetTextMatrix(r, 0, QString::fromStdString(f.numero));
    tabla->SetTextMatrix(r, 1, QString::fromStdString(f.texto));
    grafico->SetRow(r);
    grafico->SetRowLabel(QString::fromStdString(f.numero));
    grafico->SetData(QString::fromStdString(f.textoGrafico));
  }
  tabla->SoloParaLeer();
}

bool EjecutarCrucePinch(QWidget* padre, DlgCrucePinch& d) {
  CCrucePinchDlg dlg(d.modelo, padre);
  return dlg.Run() == kit::kIdOk;
}

void RegistrarCrucePinch(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgCrucePinch>(EjecutarCrucePinch);
}

}  // namespace vardo
