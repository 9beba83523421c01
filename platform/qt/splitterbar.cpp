#include "platform/qt/splitterbar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <climits>

namespace vardo {

CBarraDivisoria::CBarraDivisoria(Eje eje, QObject* parent) : QObject(parent), eje_(eje) {}

CBarraDivisoria::~CBarraDivisoria() {
  if (arrastrando_ && control_) {
    control_->releaseMouse();
    control_->releaseKeyboard();
  }
  delete banda_;
}

void CBarraDivisoria::Attach(QWidget* control, int id) {
  if (control_) control_->removeEventFilter(this);
  control_ = control;
  id_ = id;
  if (!control) return;
  control->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  control->setCursor(eje_ == Eje::Horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
  control->installEventFilter(this);
}

void CBarraDivisoria::SetMargenes(int primero, int segundo) {
  margenPrimero_ = primero;
  margenSegundo_ = segundo;
}

void CBarraDivisoria::AddPrimerLado(QWidget* control) { primero_.emplace_back(control); }

void CBarraDivisoria::AddSegundoLado(QWidget* control) { segundo_.emplace_back(control); }

int CBarraDivisoria::Coordenada(QPoint p) const { return eje_ == Eje::Horizontal ? p.x() : p.y(); }

int CBarraDivisoria::Minimo() const {
  int m = margenPrimero_;  // the parent's client area starts at 0
  for (const auto& c : primero_)
    if (c) m = std::max(m, Coordenada(c->geometry().topLeft()) + margenPrimero_);
  return m;
}

int CBarraDivisoria::Maximo() const {
  const QWidget* padre = control_ ? control_->parentWidget() : nullptr;
  int m = INT_MAX;
  if (padre) m = (eje_ == Eje::Horizontal ? padre->width() : padre->height()) - margenSegundo_;
  for (const auto& c : segundo_) {
    if (!c) continue;
    const QRect g = c->geometry();
    const int fin = eje_ == Eje::Horizontal ? g.x() + g.width() : g.y() + g.height();
    m = std::min(m, fin - margenSegundo_);
  }
  return m;
}

void CBarraDivisoria::Ajustar() {
  if (!control_) return;
  const QRect barra = control_->geometry();
  const bool h = eje_ == Eje::Horizontal;
  // Edges as exclusive ends: one pixel is left free on each side of the bar.
  const int antes = (h ? barra.x() : barra.y()) - 1;
  const int despues = (h ? barra.x() + barra.width() : barra.y() + barra.height()) + 1;
  for (const auto& c : primero_) {
    if (!c) continue;
    QRect g = c->geometry();
    if (h)
      g.setWidth(std::max(0, antes - g.x()));
    else
      g.setHeight(std::max(0, antes - g.y()));
    c->setGeometry(g);
  }
  for (const auto& c : segundo_) {
    if (!c) continue;
    QRect g = c->geometry();
    if (h) {
      const int fin = g.x() + g.width();
      g.setRect(despues, g.y(), std::max(0, fin - despues), g.height());
    } else {
      const int fin = g.y() + g.height();
      g.setRect(g.x(), despues, g.width(), std::max(0, fin - despues));
    }
    c->setGeometry(g);
  }
}

void CBarraDivisoria::Empezar(QPoint global) {
  QWidget* padre = control_->parentWidget();
  if (!padre || QWidget::mouseGrabber()) return;
  minimo_ = Minimo();
  maximo_ = Maximo();
  if (minimo_ >= maximo_) return;  // no room to move
  inicio_ = Coordenada(padre->mapFromGlobal(global));
  desplazamiento_ = 0;
  arrastrando_ = true;
  control_->grabMouse();
  control_->grabKeyboard();
  auto* banda = new QWidget(padre);
  banda->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette pal = banda->palette();
  pal.setBrush(QPalette::Window, QBrush(Qt::black, Qt::Dense4Pattern));
  banda->setPalette(pal);
  banda->setAutoFillBackground(true);
  banda->setGeometry(control_->geometry());
  banda->show();
  banda->raise();
  banda_ = banda;
}

void CBarraDivisoria::Seguir(QPoint global) {
  QWidget* padre = control_->parentWidget();
  if (!padre) return;
  // The mouse stays inside the band.
  const int raton = std::clamp(Coordenada(padre->mapFromGlobal(global)), minimo_, maximo_);
  desplazamiento_ = raton - inicio_;
  if (banda_)
    banda_->move(control_->geometry().topLeft() +
                 (eje_ == Eje::Horizontal ? QPoint(desplazamiento_, 0) : QPoint(0, desplazamiento_)));
}

void CBarraDivisoria::Terminar() {
  if (!arrastrando_) return;
  arrastrando_ = false;
  delete banda_;
  if (!control_) return;
  control_->releaseMouse();
  control_->releaseKeyboard();
  const int d = desplazamiento_;
  if (d == 0) return;
  control_->move(control_->pos() + (eje_ == Eje::Horizontal ? QPoint(d, 0) : QPoint(0, d)));
  Ajustar();
  if (QWidget* padre = control_->parentWidget()) padre->update();
  emit Movida(d, id_);
}

bool CBarraDivisoria::eventFilter(QObject* watched, QEvent* event) {
  if (watched != control_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* m = static_cast<QMouseEvent*>(event);
      if (arrastrando_) {
        if (m->button() == Qt::RightButton) Terminar();
        return true;
      }
      if (m->button() == Qt::LeftButton) {
        Empezar(m->globalPosition().toPoint());
        return true;
      }
      return false;
    }
    case QEvent::MouseMove:
      if (!arrastrando_) return false;
      Seguir(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
      return true;
    case QEvent::MouseButtonRelease:
      if (!arrastrando_) return false;
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) Terminar();
      return true;
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
      if (!arrastrando_) return false;
      if (event->type() == QEvent::KeyPress &&
          static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        Terminar();
      event->accept();
      return true;
    case QEvent::KeyRelease:
      return arrastrando_;
    // The mouse taken away: the window lost the focus or the bar went.
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
    case QEvent::FocusOut:
      if (arrastrando_) Terminar();
      return false;
    default:
      return false;
  }
}

}  // namespace vardo
