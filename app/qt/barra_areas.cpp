#include "app/qt/barra_areas.h"

#include <QComboBox>
#include <QHBoxLayout>

#include "app/core/document/documento.h"
#include "app/core/panes/barra_areas.h"
#include "app/qt/ventana_principal.h"

namespace vardo {

CAreasBarDlg::CAreasBarDlg(QWidget* parent) : QWidget(parent), combo_(new QComboBox(this)) {
  setObjectName(QStringLiteral("barraAreas"));
  combo_->setObjectName(QStringLiteral("area"));
  combo_->setProperty("id", kIdComboAreas);
  combo_->setEditable(false);
  combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  combo_->setMinimumContentsLength(20);
  auto* caja = new QHBoxLayout(this);
  caja->setContentsMargins(2, 1, 2, 1);
  caja->addWidget(combo_);
  // The user's choice only: refilling the list says nothing. Queued, since
  // the choice refills the list, which the combo must not see while it is
  // still reporting the choice.
  connect(combo_, &QComboBox::activated, this, &CAreasBarDlg::OnSelchangeArea,
          Qt::QueuedConnection);
  Rellenar();
}

void CAreasBarDlg::Rellenar() {
  if (CVardoDoc* doc = CVardoDoc::GetDocActivo()) {
    RellenarModelo(doc->m_Diagrama);
  } else {
    RellenarModelo(CDiagrama());
  }
}

void CAreasBarDlg::RellenarModelo(const CDiagrama& modelo) {
  const EntradasBarraAreas e = EntradasAreas(modelo);
  // Nothing to change: the list is left alone, also while it is open.
  bool igual = combo_->count() == static_cast<int>(e.textos.size()) &&
               combo_->currentIndex() == e.seleccion;
  for (int i = 0; igual && i < combo_->count(); ++i)
    igual = combo_->itemText(i).toStdString() == e.textos[static_cast<std::size_t>(i)];
  if (igual) return;
  const QSignalBlocker bloqueo(combo_);
  combo_->clear();
  for (const std::string& t : e.textos) combo_->addItem(QString::fromStdString(t));
  combo_->setCurrentIndex(e.seleccion);
}

void CAreasBarDlg::OnSelchangeArea(int s) {
  CVardoDoc* doc = CVardoDoc::GetDocActivo();
  if (!doc) {
    Rellenar();
    return;
  }
  // The document's refresh refills the list; an entry that no longer
  // stands for anything puts the list back as the model is.
  if (!ElegirEntradaArea(*doc, s)) RellenarModelo(doc->m_Diagrama);
}

void InstalarBarraAreas(CMainFrame& marco) {
  // Made now, so that the refresh port exists before the band is added; the
  // band takes it over then. Never added, it goes with the main window.
  auto* barra = new CAreasBarDlg;
  QObject::connect(&marco, &QObject::destroyed, barra, [barra] {
    if (!barra->parent()) delete barra;
  });
  marco.RegistrarBarraAreas([barra] { return barra; }, barra);
}

}  // namespace vardo
