#include "platform/core/color_azar.h"

#include <chrono>

namespace vardo {

Rgb GeneradorColores::Siguiente() {
  std::uniform_int_distribution<int> componente(0, 255);
  const int r = componente(gen_);
  const int g = componente(gen_);
  const int b = componente(gen_);
  return MakeRgb(r, g, b);
}

Rgb ColorAlAzar() {
  static GeneradorColores generador(static_cast<std::uint32_t>(
      std::random_device{}() ^
      static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())));
  return generador.Siguiente();
}

}  // namespace vardo
