#include "app/qt/rejilla_corrientes.h"

#include <QVBoxLayout>
#include <algorithm>

#include "app/core/document/documento.h"
#include "app/core/document/ids_comandos.h"
#include "app/qt/ventana_principal.h"
#include "app/qt/vista.h"
#include "controls/grid/celdix.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CRejillaCorrientesDlg::CRejillaCorrientesDlg(QWidget* parent)
    : QWidget(parent), tabla_(new Celdix(this)) {
  setObjectName(QStringLiteral("tablaCorrientes"));
  tabla_->setObjectName(QStringLiteral("rejilla"));
  // The grid fills the pane less 5 pixels left and right and 3 below.
  auto* caja = new QVBoxLayout(this);
  caja->setContentsMargins(5, 0, 5, 3);
  caja->addWidget(tabla_);

  Celdix& t = *tabla_;
  t.SetCols(kColumnasTablaCorrientes);
  t.SetFixedCols(0);
  t.Grid()->SetLeftCol(0);  // the number column is no heading: show it
  t.SetRows(1);
  t.SetFixedRows(1);
  for (int c = 0; c < kColumnasTablaCorrientes; ++c)
    t.SetTextMatrix(0, c, QString::fromUtf8(kCabecerasTablaCorrientes[static_cast<std::size_t>(c)]));
  t.SetColDropdown(kColTipoCalor);
  t.SetTextoDropdown(kColTipoCalor, QString::fromUtf8(kTextoFilaSensible));
  t.SetTextoDropdown(kColTipoCalor, QString::fromUtf8(kTextoFilaLatente));
  t.SetColDropdown(kColTipo);
  t.SetTextoDropdown(kColTipo, QString::fromUtf8(kTextoFilaCaliente));
  t.SetTextoDropdown(kColTipo, QString::fromUtf8(kTextoFilaFria));
  t.SetColReadOnly(kColNumero);
  for (int c : {kColT1, kColT2, kColH, kColMcp}) t.SetColNumeric(c);
  t.SetColWidth(kColDescripcion, kAnchoDescripcion);
  t.SetColWidth(kColH, kAnchoNumeros);
  t.SetColWidth(kColMcp, kAnchoNumeros);

  connect(tabla_, &Celdix::TablaModificada, this,
          [this] { AlEvento(EventoTablaCorrientes::kModificada); });
  connect(tabla_, &Celdix::TablaPegada, this, [this] { AlEvento(EventoTablaCorrientes::kPegada); });
  connect(tabla_, &Celdix::NuevaLinea, this,
          [this] { AlEvento(EventoTablaCorrientes::kNuevaLinea); });
  connect(tabla_, &Celdix::BorrarLinea, this,
          [this] { AlEvento(EventoTablaCorrientes::kBorrarLinea); });
  connect(tabla_, &Celdix::Click, this, &CRejillaCorrientesDlg::AlClick);
  connect(tabla_, &Celdix::DblClick, this, &CRejillaCorrientesDlg::AlDobleClick);

  if (CVardoDoc* doc = CVardoDoc::GetDocActivo()) modelo_ = doc->m_Diagrama;
  Llenar();
}

void CRejillaCorrientesDlg::ActualizarTablaCorrientes(const CDiagrama& modelo) {
  modelo_ = modelo;
  Llenar();
}

void CRejillaCorrientesDlg::Llenar() {
  Celdix& t = *tabla_;
  const std::vector<FilaTablaCorrientes> filas = FilasTablaCorrientes(modelo_);
  const int n = static_cast<int>(filas.size());
  t.SetRows(n + 1);
  for (int r = 1; r <= n; ++r) {
    const FilaTablaCorrientes& f = filas[static_cast<std::size_t>(r - 1)];
    t.SetColor(r, f.color);
    for (int c = 0; c < kColumnasTablaCorrientes; ++c) {
      const auto k = static_cast<std::size_t>(c);
      t.SetTextMatrix(r, c, Q(f.celdas[k]));
      t.SetReadOnlyCells(c, r, f.soloLectura[k]);
    }
  }
  t.ColorearTabla();
  t.Refresh();
  // Redrawn with the next paint, with the rest of the window: an immediate
  // repaint would also paint every other widget waiting for one (the grid
  // diagram) in the middle of the document's refresh, once per refresh.
  update();
}

CeldasTablaCorrientes CRejillaCorrientesDlg::Celdas() const {
  CeldasTablaCorrientes filas;
  filas.reserve(static_cast<std::size_t>(std::max(0, tabla_->Rows() - 1)));
  for (int r = 1; r < tabla_->Rows(); ++r) filas.push_back(CeldasFila(r));
  return filas;
}

std::array<std::string, kColumnasTablaCorrientes> CRejillaCorrientesDlg::CeldasFila(int r) const {
  std::array<std::string, kColumnasTablaCorrientes> f;
  for (int c = 0; c < kColumnasTablaCorrientes; ++c)
    f[static_cast<std::size_t>(c)] = tabla_->TextMatrix(r, c).toStdString();
  return f;
}

void CRejillaCorrientesDlg::AlEvento(EventoTablaCorrientes evento) {
  CVardoDoc* doc = CVardoDoc::GetDocActivo();
  if (!doc) {
    Llenar();
    return;
  }
  // The document's refresh fills the table again; a change that applied
  // nothing (a row the document no longer has, a refused value) is taken
  // back from the model.
  std::string rechazo;
  const bool hecho =
      evento == EventoTablaCorrientes::kModificada
          // A committed cell: only its row can differ from the copy shown.
          ? AplicarEdicionFila(*doc, modelo_, static_cast<std::size_t>(tabla_->EditRow() - 1),
                               CeldasFila(tabla_->EditRow()), &rechazo)
          : AplicarEventoTabla(*doc, modelo_, Celdas(), evento, &rechazo);
  if (hecho) return;
  ActualizarTablaCorrientes(doc->m_Diagrama);
  if (!rechazo.empty()) ShowMessage(this, rechazo, MsgIcon::Warning);
}

void CRejillaCorrientesDlg::AlClick() {
  CVardoDoc* doc = CVardoDoc::GetDocActivo();
  if (doc) SeleccionarFilaTabla(*doc, tabla_->GetSelRow());
}

void CRejillaCorrientesDlg::AlDobleClick() {
  // A double click on the heading row (which selects a whole column) or
  // below the rows names no stream; one in an open cell editor names its row.
  const GridWidget* g = tabla_->Grid();
  if (!tabla_->EditorOpen() && g->DoubleClickRow() < g->FixedRows()) return;
  CVardoDoc* doc = CVardoDoc::GetDocActivo();
  if (!doc || !SeleccionarFilaTabla(*doc, tabla_->GetSelRow())) return;
  if (CVardoView* vista = CVardoView::GetVistaActiva(); vista && vista->GetDocument() == doc)
    vista->EditarCorriente(tabla_->GetSelRow() - 1);
}

void InstalarTablaCorrientes(CMainFrame& marco) {
  // Made now, so that the frame's refresh port exists before the first
  // activation docks it; the dock takes it over then. Never docked, it goes
  // with the main window.
  auto* panel = new CRejillaCorrientesDlg;
  QObject::connect(&marco, &QObject::destroyed, panel, [panel] {
    if (!panel->parent()) delete panel;
  });
  CMainFrame::Panel p;
  p.comando = cmd::kVerTablaCorrientes;
  p.titulo = QString::fromUtf8(kTituloTablaCorrientes);
  p.lado = Qt::BottomDockWidgetArea;
  p.crear = [panel] { return panel; };
  p.puerto = panel;
  marco.RegistrarPanel(p);
}

}  // namespace vardo
