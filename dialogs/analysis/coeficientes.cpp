#include "dialogs/analysis/coeficientes.h"

namespace vardo {

bool HayCoeficientes() { return false; }

bool EstimarCoeficientes(QWidget*, CDiagrama&, std::int32_t) { return false; }

bool VerCoeficientes(QWidget*, CDiagrama&) { return false; }

}  // namespace vardo
