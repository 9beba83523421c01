// The coefficient estimation wizard and the heat-transfer coefficients
// dialog as the analysis dialogs run them on their own copy of the problem.
#pragma once
#include <QWidget>
#include <cstdint>

#include "model/diagrama.h"

namespace vardo {

// The wizard for stream reference ref (a process stream, or 1000 + k for
// utility k) on the copy; on Finish each stream or utility chosen takes the
// correlation and the 20 values and estimates its coefficient. True when
// something was estimated.
bool EstimarCoeficientes(QWidget* padre, CDiagrama& modelo, std::int32_t ref);
// The coefficients dialog on a copy of the copy, taken back on OK.
bool VerCoeficientes(QWidget* padre, CDiagrama& modelo);

}  // namespace vardo
