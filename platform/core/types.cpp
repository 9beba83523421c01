#include "platform/core/types.h"

#include <cmath>
#include <limits>

namespace vardo {

std::int32_t TruncCoord(double v) {
  if (std::isnan(v)) return 0;
  constexpr double lo = std::numeric_limits<std::int32_t>::min();
  constexpr double hi = std::numeric_limits<std::int32_t>::max();
  if (v <= lo) return std::numeric_limits<std::int32_t>::min();
  if (v >= hi) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(v);
}

}  // namespace vardo
