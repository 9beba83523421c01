#include "platform/qt/panesizer.h"

#include <QMouseEvent>
#include <algorithm>

namespace vardo {

CPanelDivisor::CPanelDivisor(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void CPanelDivisor::SetPaneles(const Panel& izquierdo, const Panel& derecho) {
  izquierdo_ = izquierdo;
  derecho_ = derecho;
  for (const Panel* p : {&izquierdo_, &derecho_}) {
    if (!p->ventana) continue;
    p->ventana->setParent(this);
    p->ventana->show();
  }
  ColocarDivisor(divisor_);
}

QRect CPanelDivisor::RectanguloDivisor() const {
  return QRect(divisor_ - kAnchoDivisor / 2, 0, kAnchoDivisor, height());
}

void CPanelDivisor::ColocarDivisor(int x) {
  // The left pane's least width first, then the right pane's reserve.
  x = std::max(x, izquierdo_.margenX + izquierdo_.minimo);
  x = std::min(x, width() - derecho_.margenX - derecho_.minimo);
  divisor_ = x;
  Colocar();
}

void CPanelDivisor::Colocar() {
  const int mitad = kAnchoDivisor / 2;
  izq_ = QRect(QPoint(izquierdo_.margenX, izquierdo_.margenY),
               QPoint(divisor_ - mitad - 1, height() - izquierdo_.margenY - 1));
  der_ = QRect(QPoint(divisor_ + mitad, derecho_.margenY),
               QPoint(width() - derecho_.margenX - 1, height() - derecho_.margenY - 1));
  if (izquierdo_.ventana) izquierdo_.ventana->setGeometry(izq_.normalized());
  if (derecho_.ventana) derecho_.ventana->setGeometry(der_.normalized());
  update();
}

void CPanelDivisor::resizeEvent(QResizeEvent*) { ColocarDivisor(divisor_); }

void CPanelDivisor::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && RectanguloDivisor().contains(e->position().toPoint())) {
    arrastrando_ = true;
    grabMouse();
    return;
  }
  QWidget::mousePressEvent(e);
}

void CPanelDivisor::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (arrastrando_) {
    ColocarDivisor(p.x());
    return;
  }
  if (RectanguloDivisor().contains(p))
    setCursor(Qt::SizeHorCursor);
  else
    unsetCursor();
}

void CPanelDivisor::mouseReleaseEvent(QMouseEvent* e) {
  if (!arrastrando_) {
    QWidget::mouseReleaseEvent(e);
    return;
  }
  ColocarDivisor(e->position().toPoint().x());
  arrastrando_ = false;
  releaseMouse();
}

}  // namespace vardo
