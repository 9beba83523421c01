// Problem-table core: shifted temperature intervals, interval heats, heat
// cascade and pinch for any pool of streams (process streams, utilities or both
// together). It works on plain inputs and gives plain outputs, so a partial
// problem (the utilities alone, the hot streams only, ...) is solved on local
// data without touching the targets a network object holds.
//
// A pool is a list of groups; each group lists the considered streams of one
// array in array order. The intervals visit the groups in order and each group
// first to last; the cascade visits the groups in order and each group last to
// first (the order in which the interval heats are summed).
#pragma once
#include <span>
#include <vector>

#include "model/area_integridad.h"
#include "model/corriente.h"

namespace vardo {

// Streams of one group, owned by the caller; they must outlive the call.
using GrupoCorrientes = std::vector<const CCorriente*>;

// ---- Area filter ----

// True when at least one integrity area is shown.
bool AreasActivas(const std::vector<CAreaIntegridad>& areas);

// Whether a stream or utility takes part in the targets: always while no area
// is shown; otherwise only when its own area index names a shown area (an index
// of -1 or past the end of the area list leaves it out).
bool Considerada(const CCorriente& c, const std::vector<CAreaIntegridad>& areas, bool activas);

// The considered records of one array (streams or utilities), in array order.
template <class Rango>
GrupoCorrientes CorrientesConsideradas(const Rango& registros,
                                       const std::vector<CAreaIntegridad>& areas) {
  const bool activas = AreasActivas(areas);
  GrupoCorrientes g;
  for (const auto& r : registros) {
    const CCorriente& c = r;
    if (Considerada(c, areas, activas)) g.push_back(&c);
  }
  return g;
}

// ---- Problem table ----

// A stream temperature on the shifted scale: hot less DT min/2, cold plus.
double TemperaturaDesplazada(const CCorriente& c, double T, double dtMin);

// Interval temperatures, falling: every point of every stream of the pool on
// the shifted scale, sorted, with equal values removed except where a latent
// stream or a vertical step of a table needs a zero-width interval (a value
// then occurs twice, never three times).
std::vector<double> CalcularIntervalosTabla(std::span<const GrupoCorrientes> pool, double dtMin);
std::vector<double> CalcularIntervalosTabla(const GrupoCorrientes& grupo, double dtMin);

struct CascadaTabla {
  // Net heat demand of interval i (between T[i-1] and T[i]); Q[0] = 0.
  std::vector<double> Q;
  // Heat flowing down across boundary i, shifted so that its smallest entry
  // is 0; entries below 1e-5 are exactly 0.
  std::vector<double> C;
  // Index of the smallest running-cascade entry before the shift (the first
  // one on ties); -1 when there are no intervals.
  int minimo = -1;
};

// Interval heats and cascade of a pool over the interval temperatures T.
CascadaTabla CalcularCascadaTabla(std::span<const GrupoCorrientes> pool, double dtMin,
                                  const std::vector<double>& T);
CascadaTabla CalcularCascadaTabla(const GrupoCorrientes& grupo, double dtMin,
                                  const std::vector<double>& T);

// Pinch boundary of a shifted cascade: the minimum's index, or, when the
// minimum is the top boundary, the lowest inner boundary with no heat flow (if
// any). -1 for an empty cascade.
int IndicePinch(const std::vector<double>& C, int minimo);

// The whole table of one pool.
struct TablaProblema {
  std::vector<double> T;  // interval temperatures, shifted, falling
  std::vector<double> Q;  // interval heats
  std::vector<double> C;  // heat cascade
  int pinch = -1;         // index of the pinch boundary, -1 when empty

  int Num() const { return static_cast<int>(T.size()); }
  bool Vacia() const { return T.empty(); }
  // Minimum hot and cold utilities (ends of the cascade); 0 when empty.
  double CalienteMinimo() const { return C.empty() ? 0.0 : C.front(); }
  double FrioMinimo() const { return C.empty() ? 0.0 : C.back(); }
  // Shifted pinch temperature; the given value when the table is empty.
  double TemperaturaPinch(double siVacia) const {
    return pinch < 0 ? siVacia : T[static_cast<std::size_t>(pinch)];
  }
};

TablaProblema ResolverTablaProblema(std::span<const GrupoCorrientes> pool, double dtMin);
TablaProblema ResolverTablaProblema(const GrupoCorrientes& grupo, double dtMin);

// ---- Curve lookup ----

// Reads the curve given by x (falling) and y at v: linear interpolation
// between the bracketing points, the end value outside the curve, the smaller
// value on a zero-width interval. An empty curve answers 0; lists of
// different length are read over their common part.
double BuscarEnCurva(const std::vector<double>& x, const std::vector<double>& y, double v);

}  // namespace vardo
