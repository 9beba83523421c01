#include "platform/qt/displaygrid.h"

#include <QMouseEvent>
#include <QPointer>

#include "platform/qt/componentregistry.h"

namespace vardo {

namespace {

const ComponentRegistrar kRegistro(kClassIdTablaVista, "Tabla de consulta",
                                   [](QWidget* padre) { return new DisplayGrid(padre); });

int Boton(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return DisplayGrid::kBotonIzquierdo;
    case Qt::RightButton: return DisplayGrid::kBotonDerecho;
    case Qt::MiddleButton: return DisplayGrid::kBotonCentral;
    default: return 0;
  }
}

int Teclas(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
         (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

DisplayGrid::DisplayGrid(QWidget* parent) : GridWidget(parent) {}

void DisplayGrid::mousePressEvent(QMouseEvent* e) {
  // The scroll area hands over the viewport's events in its coordinates.
  const QPoint p = viewport()->mapTo(this, e->position().toPoint());
  lastButton_ = Boton(e->button());
  lastShift_ = Teclas(e->modifiers());
  lastPos_ = p;
  QPointer<DisplayGrid> self(this);
  emit MouseDown(lastButton_, lastShift_, p.x(), p.y());
  // A handler may have closed the window the table lives in.
  if (self) GridWidget::mousePressEvent(e);
}

}  // namespace vardo
