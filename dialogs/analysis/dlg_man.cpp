#include "dialogs/analysis/dlg_man.h"

#include <QMenu>
#include <QTreeWidget>
#include <vector>

#include "app/core/analysis/matriz_man.h"
#include "app/core/document/documento.h"
#include "app/core/document/ids_comandos.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/displaygrid.h"
#include "platform/qt/mainframe.h"

namespace vardo {

namespace {

QTreeWidget* NuevoArbol(QWidget* padre) {
  auto* t = new QTreeWidget(padre);
  t->setHeaderHidden(true);
  t->setColumnCount(1);
  t->setRootIsDecorated(true);
  t->setItemsExpandable(true);
  return t;
}

void RegistrarArbol() {
  static const bool registrado = [] {
    ComponentRegistry::Instance().Register(kClassIdArbolMAN, "ArbolMAN", NuevoArbol);
    return true;
  }();
  static_cast<void>(registrado);
}

kit::Template Plantilla() {
  using namespace kit;
  using D = CMANDlg;
  return Template{"Matriz de Adyacencia de Nodos y Árbol Máximo",
                  406,
                  273,
                  {
                      Hosted(D::kIdTabla, kClassIdTablaVista, 7, 7, 257, 237),
                      Hosted(D::kIdArbol, kClassIdArbolMAN, 271, 7, 128, 238),
                      Button(kIdOk, "Aceptar", 349, 252, 50, 14, kDefault),
                  }};
}

}  // namespace

CMANDlg::CMANDlg(const CDiagrama& modelo, QWidget* parent)
    : kit::Dialog((RegistrarArbol(), Plantilla()), parent) {
  CopiarModeloCompleto(modelo_, modelo);
}

void CMANDlg::OnInit() {
  const TablaMAN t = TablaMatrizMAN(modelo_);
  const std::vector<std::vector<std::string>> celdas = t.Celdas();
  const int n = static_cast<int>(celdas.size());
  auto* tabla = Get<DisplayGrid>(kIdTabla);
  tabla->SetCols(n);
  tabla->SetRows(n);
  for (int c = 0; c < n; ++c) tabla->SetColWidth(c, kAnchoColumna);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c)
      tabla->SetTextMatrix(
          r, c, QString::fromStdString(celdas[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));

  auto* arbol = Get<QTreeWidget>(kIdArbol);
  arbol->clear();
  std::vector<QTreeWidgetItem*> items;
  for (const ElementoArbolMAN& e : ArbolMaximoMAN(modelo_)) {
    const QStringList texto{QString::fromStdString(e.texto)};
    QTreeWidgetItem* item =
        e.padre < 0 ? new QTreeWidgetItem(arbol, texto)
                    : new QTreeWidgetItem(items[static_cast<std::size_t>(e.padre)], texto);
    items.push_back(item);
  }
  arbol->expandAll();

  menu_ = new QMenu(QStringLiteral("Menu MAN"), this);
  menu_->addAction(QStringLiteral("&Copiar"), this, [this] { Comando(cmd::kCopiarMAN); });
  menu_->addAction(QStringLiteral("&Exportar como .dat"), this,
                   [this] { Comando(cmd::kExportarMAN); });
  connect(tabla, &DisplayGrid::MouseDown, this,
          [this](int boton, int, int x, int y) { OnMouseDown(boton, x, y); });
}

void CMANDlg::OnMouseDown(int boton, int x, int y) {
  if (boton != DisplayGrid::kBotonDerecho) return;
  menu_->popup(mapToGlobal(QPoint(x, y)));
}

// The menu's owner is the main window: its commands reach the active view.
void CMANDlg::Comando(int id) {
  for (QWidget* w = parentWidget(); w; w = w->parentWidget())
    if (auto* marco = qobject_cast<MdiFrame*>(w)) {
      marco->Commands().Execute(id);
      return;
    }
}

bool EjecutarMAN(QWidget* padre, DlgMAN& d) {
  CMANDlg dlg(d.modelo, padre);
  return dlg.Run() == kit::kIdOk;
}

void RegistrarMAN(FabricaDialogosQt& fabrica) { fabrica.Registrar<DlgMAN>(EjecutarMAN); }

}  // namespace vardo
