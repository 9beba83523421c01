#include "dialogs/analysis/dlg_remanente.h"

#include <QLabel>
#include <string>

#include "app/core/analysis/remanente.h"
#include "app/core/document/documento.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "controls/grid/celdix.h"
#include "dialogs/analysis/campos.h"
#include "platform/qt/barchart.h"
#include "platform/qt/runneruiport.h"

namespace vardo {

namespace {

kit::Template Plantilla() {
  using namespace kit;
  using D = CRemanenteDlg;
  std::vector<DefControl> c;
  // The five charts side by side along the top, the table below them.
  for (int k = 0; k < 5; ++k)
    c.push_back(Hosted(D::kIdGraficos[k], kClassIdGraficoBarras, 4 + 78 * k, 4, 76, 122));
  // Wide and tall enough for the five rows and the costs in exponent form.
  c.push_back(Hosted(D::kIdTabla, kCeldixClassId, 7, 130, 381, 90));
  c.push_back(Label("", 7, 226, 160, 10, kPlain, D::kIdLeyenda));
  c.push_back(Label("", 170, 227, 105, 8, kPlain, D::kIdEscalaCoste));
  c.push_back(Button(kIdOk, "Aceptar", 281, 225, 50, 14, kDefault));
  c.push_back(Button(kIdCancel, "Cancelar", 338, 225, 50, 14));
  return Template{"Análisis del problema remanente", 395, 246, std::move(c)};
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CRemanenteDlg::CRemanenteDlg(const CDiagrama& problema, QWidget* parent)
    : kit::Dialog(Plantilla(), parent) {
  CopiarModeloCompleto(problema_, problema);
}

void CRemanenteDlg::OnInit() {
  auto* tabla = Get<Celdix>(kIdTabla);
  // As designed: five columns and six rows, one fixed of each.
  tabla->SetCols(5);
  tabla->SetRows(6);
  tabla->SetFixedCols(1);
  tabla->SetFixedRows(1);
  for (int k = 0; k < 5; ++k) {
    auto* g = Get<BarChart>(kIdGraficos[k]);
    g->SetRowCount(1);
    g->SetColumnCount(4);
    g->SetRow(1);
    g->SetRowLabel(QStringLiteral("R1"));
  }

  RunnerUiPort ui;
  ComprobarServiciosGenericos(problema_, ui);
  const AnalisisRemanente a = CalcularRemanente(problema_);

  const TablaRemanente t = TextosRemanente(a);
  tabla->SetColWidth(0, kAnchoEtiquetas);
  for (int col = 1; col < 5; ++col) tabla->SetColWidth(col, kAnchoValores);
  for (int r = 0; r < static_cast<int>(t.size()); ++r)
    for (int col = 0; col < static_cast<int>(t[0].size()); ++col)
      tabla->SetTextMatrix(r, col, Q(t[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]));
  // The widths are the least; the texts at the font in use may need more.
  tabla->SoloParaLeer();

  // The key: a square of each bar's colour before its column's name.
  QString leyenda;
  for (int col = 1; col <= 3; ++col)
    leyenda += QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2&nbsp;&nbsp; ")
                   .arg(BarChart::ColumnColor(col).name(), Q(t[0][static_cast<std::size_t>(col)]));
  auto* clave = Get<QLabel>(kIdLeyenda);
  clave->setTextFormat(Qt::RichText);
  clave->setText(leyenda.trimmed());
  SetText(kIdEscalaCoste, TextoEscalaCoste(EscalaCosteRemanente(a.minimo.coste)));

  const std::array<GraficaRemanente, 5> graficas = GraficasRemanente(a);
  for (int k = 0; k < 5; ++k) {
    const GraficaRemanente& gr = graficas[static_cast<std::size_t>(k)];
    auto* g = Get<BarChart>(kIdGraficos[k]);
    g->SetRow(1);
    g->SetRowLabel(Q(gr.etiqueta));
    for (int col = 1; col <= 3; ++col) {
      g->SetColumn(col);
      g->SetData(Q(gr.datos[static_cast<std::size_t>(col - 1)]));
    }
  }
}

bool EjecutarRemanente(QWidget* padre, DlgRemanente& d) {
  return EjecutarSobreModelo<CRemanenteDlg>(padre, d);
}

void RegistrarRemanente(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgRemanente>(EjecutarRemanente);
}

}  // namespace vardo
