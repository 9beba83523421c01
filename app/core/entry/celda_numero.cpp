#include "app/core/entry/celda_numero.h"

namespace vardo {

std::string LeerCelda(std::string_view texto, const std::string* escrito, const RangoNumero& rango,
                      double& valor) {
  if (escrito && texto == *escrito) return {};
  return ComprobarNumeroTecleado(texto, rango, valor);
}

double NumeroCelda(std::string_view texto, const std::string* escrito, double valor) {
  if (escrito && texto == *escrito) return valor;
  return LeerNumeroTecleado(texto).value_or(valor);
}

}  // namespace vardo
