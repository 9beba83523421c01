// The one rule for a number a user types, in a field, a grid cell or a
// paste: blanks around it allowed, "," or "." as the decimal point (one of
// them, once), the whole text one finite number. Anything else is refused
// with a Spanish message: never read as 0, as a prefix or as the digits a
// filter would leave. The program writes its numbers with "." (numtext.h).
#pragma once
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace vardo {

// The framework's texts; %1 and %2 stand for the limits.
inline constexpr const char* kMsgNumero = "Introduzca un número.";
inline constexpr const char* kMsgEntre = "Introduzca un número entre %1 y %2.";

// The physical range of a field and the message that refuses a value
// outside it. Limits are included unless said open.
struct RangoNumero {
  double minimo = -std::numeric_limits<double>::infinity();
  double maximo = std::numeric_limits<double>::infinity();
  bool minimoAbierto = false;
  bool maximoAbierto = false;
  // Empty: "Introduzca un número entre %1 y %2." with the limits.
  std::string mensaje;

  bool Contiene(double v) const;
  // The message that refuses a value outside the range.
  std::string Mensaje() const;

  // Any finite number (m·cp, heat loads, costs).
  static RangoNumero Finito();
  // >= 0.
  static RangoNumero NoNegativo();
  // DT min: 0 to 10000 K; beyond that the shifted temperatures lose their
  // digits.
  static RangoNumero DTMin();
  // > 0.
  static RangoNumero Positivo();
  // Temperatures: > 0 K.
  static RangoNumero Temperatura();
  // Film coefficients: > 0.
  static RangoNumero Coeficiente();
  // lo <= v <= hi.
  static RangoNumero Entre(double lo, double hi);
};

// The number the whole text is under the rule ("1,5", " 1.5 ", "1e3",
// "-0" as 0); nullopt for anything else ("", "abc", "4x0", "1,5,0",
// "1e999", "nan", "inf").
std::optional<double> LeerNumeroTecleado(std::string_view texto);

// The rule and the range together: empty when the text is accepted (valor
// then holds it), else the Spanish message that refuses it (valor kept).
std::string ComprobarNumeroTecleado(std::string_view texto, const RangoNumero& rango,
                                    double& valor);

}  // namespace vardo
