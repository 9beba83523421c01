#include "platform/qt/hostedwidgets.h"

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

}  // namespace vardo
