// Fuzz target of the function table's formula evaluator: any text is
// compiled; a formula that compiles is evaluated at a few values of X and
// gives a finite number or none. Compiling twice gives the same result.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "controls/functable/evaluador.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view texto(reinterpret_cast<const char*>(data), size);
  const auto e = vardo::Expresion::Compilar(texto);
  if (e.has_value() != vardo::Expresion::Compilar(texto).has_value()) std::abort();
  if (!e) return 0;
  for (double x : {0.0, 1.0, -2.5, 0.5, 1e300, -1e-300}) {
    const auto y = e->Evaluar(x);
    if (y && !std::isfinite(*y)) std::abort();
    if (y != e->Evaluar(x)) std::abort();
  }
  return 0;
}
