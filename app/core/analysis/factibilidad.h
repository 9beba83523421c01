// The pinches of a problem and the streams that meet a pinch on one side of
// it: the rules the pinch-design dialog, its read-only windows and the
// possible-matches table share.
//
// Pinch index: 0 the process pinch; k from 1 the k-th utility pinch
// (PinchesServicioRed). The hot streams meet a pinch at shifted temperature T
// at Th = T + DT min/2, the cold streams at Tc = T - DT min/2.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/corriente.h"
#include "model/diagrama.h"

namespace vardo {

// Sides of a pinch.
inline constexpr int kLadoCaliente = 0;  // above the pinch
inline constexpr int kLadoFrio = 1;      // below the pinch

inline constexpr const char* kTextoPinchProceso = "Pinch de Proceso";

struct TemperaturasPinch {
  double T = 0.0;   // shifted scale (K)
  double Th = 0.0;  // where the hot streams meet it
  double Tc = 0.0;  // where the cold streams meet it
};

// Recomputes the process targets and the cascade with utilities and answers
// pinch k. Empty when the model has no pinch k: a negative index, or one past
// its utility pinches (a split may leave fewer than a list shows).
std::optional<TemperaturasPinch> TemperaturaPinch(CDiagrama& d, int k);

// The items of a pinch list: "Pinch de Proceso", then, when the problem shows
// its utilities, "Pinch de Servicios %s - %s" (Th, Tc) per utility pinch.
// Recomputes the targets.
std::vector<std::string> TextosPinches(CDiagrama& d);

// Which streams a listing takes besides the side rule.
struct ReglaListado {
  // While an integrity area is shown, only streams of shown areas.
  bool filtroAreas = true;
  // A stream lying at the pinch (both ends within 0.001 K of it) counts even
  // without heat.
  bool enPinchSinCalor = false;
};

// Rule of the design dialog and of the possible-matches table.
inline constexpr ReglaListado kReglaDiseno{true, false};
inline constexpr ReglaListado kReglaTablaEmparejamientos{false, true};

struct FilaFactibilidad {
  std::int32_t ref = 0;   // stream reference
  double mcp = 0.0;       // over its stretch on the side; -1.0 latent
  std::string texto;      // "%d: %s" or "S%d: %s", "-" for a latent stream
};

struct ListadoFactibilidad {
  std::vector<FilaFactibilidad> calientes;
  std::vector<FilaFactibilidad> frias;
};

// The streams that must be matched at pinch p on side lado: every process
// stream in order, then every utility when the problem shows them.
//   hot side:  hot  T1 > Th and T2 <= Th;
//              cold T1 <= Tc < T2, or both ends within 0.001 K of Tc;
//   cold side: hot  T1 >= Th > T2, or both ends within 0.001 K of Th;
//              cold T1 < Tc <= T2;
// and a non-zero whole heat (see ReglaListado). So a latent cold stream at
// the pinch belongs to the hot side and a latent hot stream to the cold side.
ListadoFactibilidad ListarCorrientesPinch(const CDiagrama& d, const TemperaturasPinch& p,
                                          int lado, ReglaListado regla = kReglaDiseno);
// The same at pinch index `pinch`; empty when the model has no such pinch.
ListadoFactibilidad ListarCorrientesPinch(CDiagrama& d, int pinch, int lado,
                                          ReglaListado regla = kReglaDiseno);

// Mean m·cp of a stream over its stretch on side lado, between the pinch and
// its own end: hot side hot T1..Th, cold Tc..T2; cold side hot Th..T2, cold
// T1..Tc. -1.0 for a latent stream.
double McpEnLado(const CCorriente& s, int lado, const TemperaturasPinch& p);

// An m·cp as every table shows it: "-" for a latent stream's marker.
std::string TextoMcp(double mcp);

// Row text: "%d: %s" (process stream) or "S%d: %s" (utility) with the m·cp,
// "-" in place of a latent stream's.
std::string TextoFilaFactibilidad(std::int32_t ref, double mcp);

// The m·cp criterion of a match: hot side mh <= mc or a latent cold stream;
// cold side mh >= mc or a latent hot stream.
bool CumpleCriterioMcp(int lado, double mcpCaliente, double mcpFria);

}  // namespace vardo
