// The network object's calculations, each written as a free function in its
// own file (they are also used on scratch copies); the members forward.
#include "model/cascada_lp.h"
#include "model/diagrama.h"
#include "model/objetivos_area.h"
#include "model/objetivos_coste.h"
#include "model/red.h"

namespace vardo {

std::int32_t CDiagrama::CalcularNMinCambiadores(std::int32_t s) { return vardo::CalcularNMinCambiadores(*this, s); }
double CDiagrama::CalcularAreaMinima(std::int32_t s) { return vardo::CalcularAreaMinima(*this, s); }
double CDiagrama::CosteInmovilizado(std::int32_t s) { return vardo::CosteInmovilizado(*this, s); }
double CDiagrama::CosteOperacion(std::int32_t s) { return vardo::CosteOperacion(*this, s); }
void CDiagrama::CascadaLP() { vardo::CascadaLP(*this); }
std::int32_t CDiagrama::CalcularRed() { return vardo::CalcularRed(*this); }
void CDiagrama::OrdenarCambiadores() { vardo::OrdenarCambiadores(*this); }
std::int32_t CDiagrama::ComprobarRed() { return vardo::ComprobarRed(*this); }
double CDiagrama::AreaCambiador(std::int32_t i) const { return vardo::AreaCambiador(*this, i); }
double CDiagrama::CosteCambiadores(std::int32_t i) const { return vardo::CosteCambiadores(*this, i); }
double CDiagrama::CalorCrucePinch(std::int32_t i) { return vardo::CalorCrucePinch(*this, i); }

}  // namespace vardo
