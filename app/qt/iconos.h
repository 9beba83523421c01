// Pictures drawn in code: toolbar buttons by command id, the start-up
// picture and the program's icon.
#pragma once
#include <QIcon>
#include <QPixmap>

namespace vardo {

// The button picture of a command (an empty picture for an id without one).
QIcon IconoComando(int id);
bool TieneIcono(int id);
// The start-up picture.
QPixmap ImagenPresentacion();
QIcon IconoPrograma();

}  // namespace vardo
