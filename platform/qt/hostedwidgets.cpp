#include "platform/qt/hostedwidgets.h"

#include <QApplication>
#include <QMetaObject>
#include <QWidget>

#include "platform/qt/colorlist.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/gradientprogress.h"

namespace vardo {

namespace {

const ComponentRegistrar kLista(kClassIdListaColores, "Lista de colores", [](QWidget* padre) {
  return new CListaColores(padre);
});
const ComponentRegistrar kProgreso(kClassIdProgresoGradiente, "Barra de progreso",
                                   [](QWidget* padre) { return new CGradientProgressCtrl(padre); });

}  // namespace

void ConfirmarEdicion(QWidget* w) {
  if (!w || w->metaObject()->indexOfSlot(kSlotConfirmarEdicion) < 0) return;
  QMetaObject::invokeMethod(w, "ConfirmarEdicion", Qt::DirectConnection);
}

bool FocoEnCancelar() {
  const QWidget* foco = QApplication::focusWidget();
  return foco && foco->property(kPropiedadCancelar).toBool();
}

}  // namespace vardo
