#include "app/qt/menus_contexto.h"

#include <QAction>
#include <QMenu>
#include <initializer_list>

#include "app/core/document/ids_comandos.h"
#include "platform/qt/commands.h"

namespace vardo {

namespace {

// One entry: a command with its text, a separator (id 0, no text), or a
// submenu (id 0, a text and entries).
struct Entrada {
  int id;
  const char* texto;
  std::initializer_list<Entrada> hijas = {};
};

const char* const kPropiedadComando = "vardoComando";

void Llenar(QMenu* menu, std::initializer_list<Entrada> entradas, CommandRegistry& registro) {
  for (const Entrada& e : entradas) {
    if (e.id == 0 && !e.texto) {
      menu->addSeparator();
    } else if (e.id == 0) {
      Llenar(menu->addMenu(QString::fromUtf8(e.texto)), e.hijas, registro);
    } else {
      QAction* a = menu->addAction(QString::fromUtf8(e.texto));
      a->setProperty(kPropiedadComando, e.id);
      const int id = e.id;
      QObject::connect(a, &QAction::triggered, &registro, [&registro, id] { registro.Execute(id); });
    }
  }
  // The entries follow the commands' states whenever the menu opens.
  QObject::connect(menu, &QMenu::aboutToShow, &registro, [menu, &registro] {
    for (QAction* a : menu->actions())
      if (const int id = ComandoDeEntrada(a)) a->setEnabled(registro.State(id).enabled);
  });
}

}  // namespace

int ComandoDeEntrada(const QAction* entrada) {
  return entrada ? entrada->property(kPropiedadComando).toInt() : 0;
}

QMenu* CrearMenuContexto(MenuContexto menu, CommandRegistry& registro, QWidget* padre) {
  using namespace cmd;
  auto* m = new QMenu(padre);
  switch (menu) {
    case MenuContexto::Corriente:
      m->setTitle(QStringLiteral("Principal"));
      Llenar(m,
             {{kModificarCorriente, "&Modificar"},
              {kBorrarCorrienteSel, "&Borrar"},
              {0, "B&ifurcar",
               {{kBifurcarNueva, "&Nueva"},
                {kBifurcarModificar, "&Modificar"},
                {kBifurcarBorrar, "&Borrar"},
                {kBifurcarTemperaturas, "&Calcular Temperaturas"}}},
              {0, "&Factibilidad",
               {{kLadoCalienteCorriente, "Lado &Caliente"},
                {kLadoFrioCorriente, "Lado &Frío"},
                {kTablaEmparejamientos, "&Tabla de emparejamientos"}}},
              {kPropiedadesCorrienteSel, "Ver &Propiedades"}},
             registro);
      break;
    case MenuContexto::Servicio:
      m->setTitle(QStringLiteral("PopServ"));
      Llenar(m,
             {{kAnadirServicios, "&Modificar\tCtrl+U"},
              {kBorrarServicioSel, "&Borrar"},
              {0, nullptr},
              {kPropiedadesServicio, "Ver &Propiedades"}},
             registro);
      break;
    case MenuContexto::Cambiador:
      m->setTitle(QStringLiteral("PopCamb"));
      Llenar(m,
             {{kModificarCambiador, "&Modificar"},
              {kBorrarCambiadorSel, "&Borrar"},
              {0, "Mo&ver", {{kMoverCaliente, "Nodo &superior"}, {kMoverFrio, "Nodo &inferior"}}},
              {0, "&Alinear", {{kAlinearCaliente, "Nodo &superior"}, {kAlinearFrio, "Nodo &inferior"}}},
              {kFormatoCambiador, "&Formato"},
              {kPropiedadesCambiadorSel, "Ver &Propiedades"}},
             registro);
      break;
    case MenuContexto::Areas:
      m->setTitle(QStringLiteral("PopAreas"));
      Llenar(m, {{kSeleccionarArea, "&Seleccionar"}}, registro);
      break;
    case MenuContexto::Anillos:
      m->setTitle(QStringLiteral("PopAnillos"));
      Llenar(m, {{kAnadirAnillo, "&Calcular"}}, registro);
      break;
  }
  return m;
}

}  // namespace vardo
