// Number text of the program: d significant digits in the shortest form.
// The value rounded to d digits has exponent e; for -1 <= e <= d-1 it is
// written in fixed notation with d-1-e decimals, otherwise as mantissa with
// d-1 decimals, 'e', a sign and three exponent digits. Trailing zeros of the
// fraction go, the decimal point stays: 100 -> "100.", 2.50 -> "2.5",
// 0.05 -> "5.e-002". The decimal point is '.' in every locale.
#pragma once
#include <string>
#include <string_view>

namespace vardo {

std::string NumTexto(double v, int digits = 6);

// A fixed number of decimals, rounded: TextoFijo(288.146, 2) is "288.15".
std::string TextoFijo(double v, int decimales);

// The general form of at most `digits` significant digits: fixed notation
// for exponents -4 to digits-1, otherwise mantissa, 'E', sign and at least
// two exponent digits; no trailing zeros and no bare point ("125", "62.4",
// "1E+20", "1.5E-05").
std::string TextoGeneral(double v, int digits);

// Reads a number the way typed text is converted: leading blanks skipped, the
// longest numeric prefix taken, '.' as decimal point; text that is no number
// reads as 0.
double TextoANumero(std::string_view text);

// Strict form: true only when the whole text (blanks around allowed) is a
// finite number.
bool EsNumero(std::string_view text, double* out = nullptr);

}  // namespace vardo
