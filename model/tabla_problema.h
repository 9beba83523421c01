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
#include <cstdint>
#include <memory>
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

// The considered records of one array (streams or utilities), in array order,
// into g (emptied first; its storage is kept).
template <class Rango>
void CorrientesConsideradas(const Rango& registros, const std::vector<CAreaIntegridad>& areas,
                            GrupoCorrientes& g) {
  const bool activas = AreasActivas(areas);
  g.clear();
  for (const auto& r : registros) {
    const CCorriente& c = r;
    if (Considerada(c, areas, activas)) g.push_back(&c);
  }
}
template <class Rango>
GrupoCorrientes CorrientesConsideradas(const Rango& registros,
                                       const std::vector<CAreaIntegridad>& areas) {
  GrupoCorrientes g;
  CorrientesConsideradas(registros, areas, g);
  return g;
}

// ---- Problem table ----
//
// One core serves every table: the points of the pool are sorted once on the
// shifted scale, equal values are merged by the duplicate rule, and every
// piece of a stream between two of its points adds its heat per kelvin at its
// upper boundary and removes it at its lower one, so one sweep with a running
// (compensated) sum gives every interval's heat. The heat of a latent stream
// and of a table's vertical step goes whole into its zero-width interval.

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

// Interval heats and cascade of a pool over the interval temperatures T (any
// falling list: a piece of a stream that ends inside an interval adds the
// part it covers).
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

// The table of one pool. The working lists are kept per thread between
// calls; the form with t fills t's lists in place, so that a table solved
// again (after an edit) into the same lists allocates nothing new.
TablaProblema ResolverTablaProblema(std::span<const GrupoCorrientes> pool, double dtMin);
TablaProblema ResolverTablaProblema(const GrupoCorrientes& grupo, double dtMin);
void ResolverTablaProblema(std::span<const GrupoCorrientes> pool, double dtMin, TablaProblema& t);
// The table of the considered streams of a network's process array (the
// pool CorrientesConsideradas gives), read from the array in its order.
void ResolverTablaProblema(const std::vector<CCorriente>& corrientes,
                           const std::vector<CAreaIntegridad>& areas, double dtMin,
                           TablaProblema& t);

namespace tabla_detalle {
struct Pool;
struct Colocacion;
}  // namespace tabla_detalle

// A solved table that keeps where every stream's heat went, so that the sum
// of any weight per stream over the intervals costs one more sweep. The
// streams of the pool must outlive it.
class TablaColocada {
 public:
  // An empty table (no streams).
  TablaColocada();
  TablaColocada(std::span<const GrupoCorrientes> pool, double dtMin);
  TablaColocada(const GrupoCorrientes& grupo, double dtMin);
  // The table of another pool in the lists this one holds: built again for
  // every call (an area target), it writes to memory it has touched before.
  void Rehacer(std::span<const GrupoCorrientes> pool, double dtMin);
  ~TablaColocada();
  TablaColocada(TablaColocada&&) noexcept;
  TablaColocada& operator=(TablaColocada&&) noexcept;

  const TablaProblema& Tabla() const { return tabla_; }
  // Streams of the pool: the groups in order, each first to last. Weights
  // are given in this order.
  std::size_t NumCorrientes() const;

  // Per interval i (indexed as Q, entry 0 is 0): porGrado[i] is the sum over
  // the sensible pieces of streams that cross the interval of |heat per
  // kelvin| times the stream's weight; concentrado[i] the sum of |heat| times
  // weight of the latent heats and vertical steps the interval holds.
  struct Sumas {
    std::vector<double> porGrado;
    std::vector<double> concentrado;
  };
  Sumas SumasPonderadas(std::span<const double> pesos) const;
  // The same into r, whose lists keep their storage. Uses working lists of
  // the table: one call at a time.
  void SumasPonderadas(std::span<const double> pesos, Sumas& r) const;

 private:
  TablaProblema tabla_;
  std::unique_ptr<tabla_detalle::Pool> pool_;
  std::unique_ptr<tabla_detalle::Colocacion> colocacion_;
};

// The points of a pool sorted once, hot and cold apart. Shifting the hot
// points down and the cold ones up by DT min/2 keeps the order of each, so
// the table at any DT min costs a merge and a sweep instead of a sort; it
// equals ResolverTablaProblema over the same pool. The streams must outlive
// it.
class PoolOrdenado {
 public:
  explicit PoolOrdenado(std::span<const GrupoCorrientes> pool);
  explicit PoolOrdenado(const GrupoCorrientes& grupo);
  ~PoolOrdenado();
  PoolOrdenado(PoolOrdenado&&) noexcept;
  PoolOrdenado& operator=(PoolOrdenado&&) noexcept;

  TablaProblema Resolver(double dtMin) const;

 private:
  std::unique_ptr<tabla_detalle::Pool> pool_;  // with its hot and cold points sorted
};

// ---- Curve lookup ----

// Reads the curve given by x (falling) and y at v: linear interpolation
// between the bracketing points, the end value outside the curve, the smaller
// value on a zero-width interval. An empty curve answers 0; lists of
// different length are read over their common part.
double BuscarEnCurva(const std::vector<double>& x, const std::vector<double>& y, double v);

}  // namespace vardo
