#include "platform/qt/dockbar.h"

#include <QMainWindow>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

namespace vardo {

CBarraAcoplable::CBarraAcoplable(const QString& titulo, QWidget* dialogo, QWidget* parent)
    : QDockWidget(titulo, parent) {
  setObjectName(titulo);
  setAllowedAreas(Qt::AllDockWidgetAreas);
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetFloatable);
  setMinimumSize(kMinimo, kMinimo);
  // The bar's own background is the button face.
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  if (dialogo) {
    dialogo->setMinimumSize(0, 0);
    setWidget(dialogo);
    // Beside the window the bar starts wide enough for what it holds.
    vertical_.setWidth(std::max(kInicial, dialogo->sizeHint().width()));
  }
  connect(this, &QDockWidget::dockLocationChanged, this, [this] { AlCambiarLado(); });
  connect(this, &QDockWidget::topLevelChanged, this, [this](bool f) { AlFlotar(f); });
}

QSize CBarraAcoplable::sizeHint() const {
  if (isFloating()) return flotante_;
  const Qt::DockWidgetArea lado = Lado();
  return lado == Qt::TopDockWidgetArea || lado == Qt::BottomDockWidgetArea ? horizontal_ : vertical_;
}

Qt::DockWidgetArea CBarraAcoplable::Lado() const {
  auto* marco = qobject_cast<QMainWindow*>(parentWidget());
  return marco ? marco->dockWidgetArea(const_cast<CBarraAcoplable*>(this)) : Qt::NoDockWidgetArea;
}

void CBarraAcoplable::AlternarAcoplado() { setFloating(!isFloating()); }

void CBarraAcoplable::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    AlternarAcoplado();
    return;
  }
  QDockWidget::mouseDoubleClickEvent(e);
}

void CBarraAcoplable::resizeEvent(QResizeEvent* e) {
  QDockWidget::resizeEvent(e);
  if (colocando_ || !isVisible()) return;
  // The size the user gave is kept for this way of standing.
  if (isFloating()) {
    flotante_ = size();
    return;
  }
  const Qt::DockWidgetArea lado = Lado();
  if (lado == Qt::TopDockWidgetArea || lado == Qt::BottomDockWidgetArea)
    horizontal_ = size();
  else if (lado == Qt::LeftDockWidgetArea || lado == Qt::RightDockWidgetArea)
    vertical_ = size();
}

void CBarraAcoplable::AlCambiarLado() {
  auto* marco = qobject_cast<QMainWindow*>(parentWidget());
  const Qt::DockWidgetArea lado = Lado();
  if (!marco || lado == Qt::NoDockWidgetArea || isFloating()) return;
  const bool horizontal = lado == Qt::TopDockWidgetArea || lado == Qt::BottomDockWidgetArea;
  colocando_ = true;
  if (horizontal)
    marco->resizeDocks({this}, {horizontal_.height()}, Qt::Vertical);
  else
    marco->resizeDocks({this}, {vertical_.width()}, Qt::Horizontal);
  colocando_ = false;
}

void CBarraAcoplable::AlFlotar(bool flotante) {
  if (!flotante) return;
  colocando_ = true;
  resize(flotante_);
  colocando_ = false;
}

}  // namespace vardo
