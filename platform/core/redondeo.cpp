#include "platform/core/redondeo.h"

#include <climits>
#include <cmath>

namespace vardo {

double RedondeoPar(double v) {
  if (!std::isfinite(v)) return v;
  const double f = std::floor(v);
  const double d = v - f;
  if (d < 0.5) return f;
  if (d > 0.5) return f + 1.0;
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

int APixeles(double longitud, double porPulgada, double dpi) {
  const double p = std::round(longitud * dpi / porPulgada);
  if (!(p > INT_MIN)) return std::isnan(p) ? 0 : INT_MIN;
  if (p >= INT_MAX) return INT_MAX;
  return static_cast<int>(p);
}

}  // namespace vardo
