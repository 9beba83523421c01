// Random colours (new integrity areas, the gradient bars of the progress
// dialogs): each component drawn uniformly from 0 to 255.
#pragma once
#include <cstdint>
#include <random>

#include "platform/core/types.h"

namespace vardo {

class GeneradorColores {
 public:
  explicit GeneradorColores(std::uint32_t semilla) : gen_(semilla) {}
  Rgb Siguiente();

 private:
  std::mt19937 gen_;
};

// A colour from one generator of the program, seeded once: calls within the
// same second still differ.
Rgb ColorAlAzar();

}  // namespace vardo
