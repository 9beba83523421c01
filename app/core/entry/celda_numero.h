// A number in a grid cell, read by the one number rule
// (platform/core/numero_tecleado.h). A cell that still holds the text the
// program wrote into it is taken as it is: the value it was written from
// stays, without the range check. Any other text is the user's and is
// checked whole.
#pragma once
#include <string>
#include <string_view>

#include "platform/core/numero_tecleado.h"

namespace vardo {

// `escrito` is the text the program wrote into the cell, nullptr when it
// wrote none. Empty when the cell is taken (valor then holds its number; a
// cell left as written keeps valor as it was), else the message that
// refuses it (valor unchanged).
std::string LeerCelda(std::string_view texto, const std::string* escrito, const RangoNumero& rango,
                      double& valor);

// The number of a cell LeerCelda took: its typed number, or valor when the
// cell still holds what was written (or holds no number).
double NumeroCelda(std::string_view texto, const std::string* escrito, double valor);

}  // namespace vardo
