// The result tables as text, cell by cell (row 0 the headings): streams,
// exchangers and utilities, the possible matches at a pinch, and the
// exchangers that move heat across the pinch.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/diagrama.h"

namespace vardo {

using TablaTexto = std::vector<std::vector<std::string>>;

// "Tabla de Corrientes": number, name, type, heat type, T1, T2, H, m·cp
// ("-" for a latent stream), seven significant digits.
TablaTexto TablaCorrientes(const CDiagrama& d);
// "Tabla de Cambiadores": number, duty, hot side ("%d", "S%d" or "S.G.") with
// its inlet and outlet ("-" for the generic utility), cold side likewise,
// area (five digits) and cost (four digits); other numbers seven digits.
TablaTexto TablaCambiadores(const CDiagrama& d);
// "Tabla de Servicios Generales": number, name, type, heat type ("No Lineal",
// "Sensible", "Latente"), T1, T2, load, m·cp ("-" when latent), unit cost and
// annual cost, six digits.
TablaTexto TablaServicios(const CDiagrama& d);

// Whether a hot and a cold stream at the pinch may be matched, from their
// m·cp on the side (-1.0 latent): hot side mh <= mc with a sensible hot
// stream, or a latent cold one; cold side mc <= mh with a sensible cold
// stream, or a latent hot one.
bool EmparejamientoPosible(int lado, double mcpCaliente, double mcpFria);

// "Tabla de emparejamientos posibles en el pinch" for item `pinch` of the
// pinch list (TextosPinches): the hot side has the cold streams as rows and
// the hot streams as columns, the cold side the hot streams as rows and the
// cold streams as columns; labels "%d" or "S%d", cells "*" or empty. Both
// hold only the corner cell when the model has no such pinch.
struct TablaEmparejamientos {
  TablaTexto ladoCaliente;
  TablaTexto ladoFrio;
};
TablaEmparejamientos TablaEmparejamientosPosibles(CDiagrama& d, int pinch);

// An exchanger that moves heat across the pinch.
struct FilaCrucePinch {
  std::int32_t cambiador = 0;  // index
  double calor = 0.0;          // kW across the pinch
  std::string numero;          // "%d", from 1
  std::string texto;           // the heat, six digits
  std::string textoGrafico;    // the same with a decimal comma, for the chart
};

inline constexpr const char* kMensajeSinCrucePinch =
    "No se han encontrado emparejamientos a través del pinch";

// The exchangers, in order, whose heat across the pinch is greater than 0
// and, while an area is shown, each of whose sides is the generic utility or
// a stream of a shown area. Empty: the caller shows kMensajeSinCrucePinch.
std::vector<FilaCrucePinch> ListarCrucePinch(CDiagrama& d);

}  // namespace vardo
