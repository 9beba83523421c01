// What the cascade plot is fed: the boundaries of the problem table that a
// process stream's shifted supply or target temperature equals, each with the
// heat of the intervals down to the next such boundary and the cascaded heat.
#pragma once
#include <vector>

#include "model/diagrama.h"

namespace vardo {

struct FronteraCascada {
  double T = 0.0;          // shifted boundary temperature (K)
  bool enviar = false;     // a process stream's shifted end equals T
  bool conCalor = false;   // an interval lies below the boundary
  double calor = 0.0;      // net demand of the intervals down to the next boundary sent (kW)
  double cascada = 0.0;    // cascaded heat at the boundary (kW)
};

// One entry per boundary of the targets last computed, top first; the plot
// takes the entries marked enviar, and its table is rewritten after every
// boundary, sent or not. A boundary left out (an inner point of a table
// stream) adds its interval's heat to the boundary sent above it, so the
// heats sent agree with the cascaded heats.
std::vector<FronteraCascada> AlimentacionCascada(const CDiagrama& d);

}  // namespace vardo
