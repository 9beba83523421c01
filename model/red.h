// Network calculation, network checks and per-exchanger results of a
// designed network: result codes and the helpers the three share.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/diagrama.h"

namespace vardo {

// Results of the network calculation and of the network check. An
// exchanger index (0 or more) means errors were found at that exchanger.
inline constexpr std::int32_t kRedSinAvisos = -1;   // nothing to report
inline constexpr std::int32_t kRedSoloAvisos = -2;  // warnings only
// The set values leave some exchanger undetermined; the user has been
// told. Callers that open the exchanger editor on a result use exchanger 0.
inline constexpr std::int32_t kRedIndeterminada = -3;

// Passes of the network calculation before it gives up.
inline constexpr int kMaxPasadasRed = 500;

// Residual heat below which an inner boundary of the cascade with utilities
// is a utility pinch (kW).
inline constexpr double kTolPinchServicio = 0.001;

// Text of the failure message, listing the exchangers left uncalculated.
std::string TextoRedIndeterminada(const std::vector<std::int32_t>& sinCalcular);

// Utility pinches of the cascade with utilities, in cascade order: the inner
// interval temperatures (second to last but one) whose residual heat is below
// 0.001 and that lie more than 0.01 from the process pinch.
std::vector<double> PinchesServicioRed(const CDiagrama& d);

// Label of a stream reference in messages: "%d" for a process stream,
// "S%d" for a utility (numbers from 1).
std::string EtiquetaCorriente(std::int32_t ref);

// Shown-area filter. True when at least one integrity area is shown.
bool HayAreasMostradas(const CDiagrama& d);
// A stream or utility takes part when no area is shown, or when its own area
// index names a shown area.
bool CorrienteEnAreaMostrada(const CDiagrama& d, std::int32_t ref, bool hayAreas);
// An exchanger takes part when each side that names a stream or utility
// passes the stream filter.
bool CambiadorEnAreaMostrada(const CDiagrama& d, const CCambiador& c, bool hayAreas);

// The stream or utility a side reference names; null for the generic utility
// or a reference that names no record.
CCorriente* CorrienteDeLado(CDiagrama& d, std::int32_t ref);
const CCorriente* CorrienteDeLado(const CDiagrama& d, std::int32_t ref);

// ---- Operations of the network object ----
// Network calculation: result as described with kRed*.
std::int32_t CalcularRed(CDiagrama& d);
// Orders every stream's and utility's exchanger list by outlet temperature
// and places the exchanger circles on the grid.
void OrdenarCambiadores(CDiagrama& d);
// Network check: rewrites the check text; kRedSinAvisos, kRedSoloAvisos
// or the index of the exchanger named by the last error.
std::int32_t ComprobarRed(CDiagrama& d);
// Heat-transfer area of exchanger i (m²); 0 for a negligible duty or when
// its end differences leave no finite mean difference.
double AreaCambiador(const CDiagrama& d, std::int32_t i);
// Capital cost of exchanger i: the capital-cost target of a scratch network
// that holds only the exchanger's two streams, cut to its temperatures.
double CosteCambiadores(const CDiagrama& d, std::int32_t i);
// That scratch network: the cost and target settings of d, no areas, and
// copies of the side streams (or utilities) of exchanger i from its inlet to
// its outlet, hot side first.
CDiagrama RedDeCambiador(const CDiagrama& d, std::int32_t i);
// Heat exchanger i moves across the process pinch or a utility pinch (kW).
double CalorCrucePinch(CDiagrama& d, std::int32_t i);

}  // namespace vardo
