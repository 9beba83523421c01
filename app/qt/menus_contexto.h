// The context menus of the grid diagram's objects: the stream menu 137
// ("Principal"), the exchanger menu 143 ("PopCamb") and the utility menu 238
// ("PopServ"). The view opens them on the selected object, and the object
// browser opens the same menus on its tree items, and also the area menu 234
// ("PopAreas") and the loop menu 197 ("PopAnillos").
//
// Each entry carries its menu's own text and runs its command through the
// registry (the active document window's targets first, then the main
// window's), which also enables the entries each time the menu opens.
#pragma once

class QAction;
class QMenu;
class QWidget;

namespace vardo {

class CommandRegistry;

enum class MenuContexto {
  Corriente = 137,
  Cambiador = 143,
  Servicio = 238,
  Areas = 234,
  Anillos = 197
};

// Builds one menu; the caller owns it (through padre) and keeps it for reuse.
QMenu* CrearMenuContexto(MenuContexto menu, CommandRegistry& registro, QWidget* padre);

// The command an entry of such a menu runs (0 for a submenu or a separator).
int ComandoDeEntrada(const QAction* entrada);

}  // namespace vardo
