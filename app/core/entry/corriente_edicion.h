// Editing process streams one at a time, as the streams sheet does: a split
// stream stands in the stream list as a run of branch streams carrying its
// split index, and is edited as one stream, its whole stream, shown under
// the number of the run's first branch. What the main page stores (ends,
// m·cp or heat, hot or cold, sensible or latent) lands in the split's whole
// stream and the branches are rebuilt from it; property and cost changes go
// to the whole stream and to every branch.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "model/corriente.h"
#include "model/diagrama.h"

namespace vardo {

// The first stream index that carries the split index of process stream i;
// i itself when i is in no split.
std::int32_t PrimeraRama(const CDiagrama& d, std::int32_t i);

// The record shown and edited for process stream i (a valid index): the
// split's whole stream when i is a branch of a split, stream i otherwise.
const CCorriente& CorrienteEditada(const CDiagrama& d, std::int32_t i);
CCorriente& CorrienteEditada(CDiagrama& d, std::int32_t i);

// The number (1-based) stream i is shown under: a split always under its
// first branch's, whichever branch was asked for.
std::int32_t NumeroMostrado(const CDiagrama& d, std::int32_t i);

// Where a step of the stream number's up-down leads from number `posicion`
// by `delta` (+1 up, -1 down): onto a split, down or onto its first branch
// it lands on the first branch; up onto a later branch it skips the split's
// run (back to the first branch when the run ends the list).
struct PasoCorriente {
  std::int32_t indice = -1;  // stream to show; -1 outside the list: nothing
  bool aceptado = true;      // the up-down keeps its own change of position
};
PasoCorriente DestinoPaso(const CDiagrama& d, std::int32_t posicion, std::int32_t delta);

// Changes the edited record of stream i through a copy of it that replaces
// the record; for a split the same change is applied to every branch. Does
// nothing when i names no process stream.
void CambiarCorrienteYRamas(CDiagrama& d, std::int32_t i,
                            const std::function<void(CCorriente&)>& cambio);

// The fields of the main page of the streams sheet.
struct CamposCorriente {
  std::string nombre;
  bool lineal = true;      // "Corriente Lineal" (else "Corriente No Lineal")
  double tEntrada = 0.0;   // K
  double tSalida = 0.0;    // K
  bool mcpDado = true;     // "m·cp" set (else "H")
  double mcp = 0.0;        // kW/K; -1.0 latent
  double h = 0.0;          // kW, the whole stream's heat
  bool caliente = false;   // "Caliente" (else "Fría")
  bool latente = false;    // "Latente" (else "Sensible")
};

// Whether a stream's points and m·cp are finite numbers (a huge m·cp over a
// span gives an infinite heat, which no document may hold).
bool CorrienteFinita(const CCorriente& c);

// The message that refuses a typed value giving a stream such numbers.
inline constexpr const char* kMsgCalorNoFinito =
    "Con este valor el calor de la corriente no es un número finito.";

// The fields stream i shows (its split's whole stream for a branch).
CamposCorriente CamposDe(const CDiagrama& d, std::int32_t i);

// Stores the fields into stream i (into its split's whole stream, never
// latent, whose branches are then rebuilt). A linear stream gets two points
// from its ends and m·cp or heat: the temperatures decide hot or cold, a
// latent one keeps its supply temperature and the heat signed by "Caliente".
// A non-linear one keeps its points. Nothing happens when i is outside the
// list.
void GuardarCampos(CDiagrama& d, std::int32_t i, const CamposCorriente& f);

}  // namespace vardo
