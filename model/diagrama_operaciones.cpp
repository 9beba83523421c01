// The network object's calculations, each written as a free function in its
// own file (they are also used on scratch copies); the members forward.
#include "model/anillos.h"
#include "model/bifurcacion_layout.h"
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
void CDiagrama::ConstruirMAN() { vardo::ConstruirMAN(*this); }
std::int32_t CDiagrama::AddCambiadorAnillo(std::int32_t i) { return vardo::AddCambiadorAnillo(*this, i); }
std::int32_t CDiagrama::BuscarAnillos() { return vardo::BuscarAnillos(*this); }
void CDiagrama::AnilloSiguiente() { vardo::AnilloSiguiente(*this); }
void CDiagrama::AnilloAnterior() { vardo::AnilloAnterior(*this); }
void CDiagrama::MostrarAnillo(std::int32_t n) { vardo::MostrarAnillo(*this, n); }
void CDiagrama::LimpiarAnillos() { vardo::LimpiarAnillos(*this); }
void CDiagrama::PrepararAnillo() { vardo::PrepararAnillo(*this); }
void CDiagrama::DesplazarCargaAnillo() { vardo::DesplazarCargaAnillo(*this); }
bool CDiagrama::RelajarAnillo(double x) { return vardo::RelajarAnillo(*this, x); }
std::int32_t CDiagrama::BuscarCaminosPerturbacion(std::int32_t s1, std::int32_t s2, std::int32_t silencio) {
  return vardo::BuscarCaminosPerturbacion(*this, s1, s2, silencio);
}
std::int32_t CDiagrama::CalcularTemperaturas(std::int32_t b) { return vardo::CalcularTemperaturas(*this, b); }

}  // namespace vardo
