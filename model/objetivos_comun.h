// Pieces the unit, area and cost targets share with their sweep over DT min:
// the residual utility needs, the count of units on each side of the pinch,
// and the two sides' composite curves with the walk between them.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/diagrama.h"
#include "model/objetivos_area.h"
#include "model/tabla_problema.h"

namespace vardo::objetivos {

// Whether the defined utilities take part in a target.
bool UtilidadesParticipan(const CDiagrama& d, std::int32_t soloObjetivos);

// True when both ends of the cascade with utilities, as last computed, are
// within 0.001 kW of zero (nothing computed counts as covered).
bool CubrenProblema(const CDiagrama& d);

// What a unit or area target starts from.
struct Base {
  bool participan = false;  // the defined utilities take part
  bool cubren = false;      // ... and cover the problem exactly
  double arriba = 0.0;      // heat left for utilities at the top of the cascade
  double abajo = 0.0;       // ... and at the bottom
};

// Where the generic utilities take their temperatures from, the first time a
// target needs them: the process intervals or those with utilities.
enum class OrigenGenericas { Proceso, ConServicios };

// How a target stands towards the process table: it computes it, finds it
// just computed (the model's process targets are current), or computes it
// only if it needs it (when the utilities take no part, its ends are the
// residual needs).
enum class Proceso { Calcular, AlDia, SiHaceFalta };

// Runs the tables a target needs and no more: the process table as asked,
// the table with utilities when they take part (or when the generic
// temperatures are still unset and come from it). Without any considered
// utility the table with utilities is the process table, copied. Fixes the
// generic temperatures if unset.
Base PrepararBase(CDiagrama& d, std::int32_t soloObjetivos, Proceso proceso,
                  OrigenGenericas origen);

// Minimum number of units with the process pinch P (shifted) and half DT min.
std::int32_t Unidades(const CDiagrama& d, const Base& b, double P, double half);

// A composite curve of one side with what the area walk asks of each
// segment: points (temperatures falling from index 0, enthalpies falling to 0
// at the last point) and, per segment k (points k and k + 1), the sum over
// the sensible streams crossing it of |m·cp| / h and the sum over the latent
// heats and vertical steps it holds of |heat| / h.
struct CurvaArea {
  std::vector<double> T, H, porGrado, concentrado;
};

// One side of the area target: its streams, each with its film coefficient
// and the factor it takes from FactoresPelicula, and their composite built
// once on their own temperatures (no shift). Its lists are kept when it is
// built again for other streams; its queries use working lists of its own,
// so one side serves one thread at a time.
class LadoArea {
 public:
  // The streams of one side (cold when caliente is false).
  struct Miembros {
    GrupoCorrientes grupo;
    std::vector<double> h;          // film coefficients
    std::vector<std::int32_t> ref;  // stream reference of each, for its factor
  };
  // A side without streams.
  explicit LadoArea(bool caliente);
  // The member lists emptied (their storage kept), for the caller to fill
  // before Construir.
  Miembros& Vaciar();
  // The composite of the members.
  void Construir();
  // The composite with the side's generic utility (none when g is null),
  // into c (whose lists keep their storage). A generic utility well outside
  // the curve (beyond the tolerances) is put on it as a vertical segment
  // with a segment without heat between; otherwise the composite is built
  // again with it.
  void Curva(const CCorriente* g, const FactoresPelicula& f, double factorGenerico,
             CurvaArea& c) const;

 private:
  const std::vector<double>& Pesos(const FactoresPelicula& f) const;
  void DeTabla(const TablaColocada& t, std::span<const double> pesos, CurvaArea& c) const;

  bool caliente_;
  Miembros m_;
  TablaColocada tabla_;
  CurvaArea base_;  // with every factor 1
  // Working lists of the queries.
  mutable std::vector<double> pesos_;
  mutable TablaColocada::Sumas sumas_;
  mutable GrupoCorrientes grupoConGenerica_;
  mutable TablaColocada tablaConGenerica_;
};

// Both sides of the area target. One object serves one thread at a time.
class ProblemaArea {
 public:
  // Without streams.
  ProblemaArea();
  ProblemaArea(const CDiagrama& d, bool participan);
  // Both sides built again for d in the lists already held.
  void Preparar(const CDiagrama& d, bool participan);
  // Minimum area with the generic utilities standing for the residual needs
  // at the network's generic temperatures, film coefficients times f.
  double Area(const CDiagrama& d, const Base& b, const FactoresPelicula& f) const;

 private:
  LadoArea caliente_, fria_;
  mutable CurvaArea curvaCaliente_, curvaFria_;  // working lists of Area
};

// This thread's area problem, prepared for d: the targets computed one after
// another (the area, the capital cost, on one model or on models built just
// before) build their composites in the same memory each time. Valid until
// the next call on this thread.
const ProblemaArea& ProblemaDelHilo(const CDiagrama& d, bool participan);

// Vertical heat transfer between the two composites: the enthalpy axis is
// cut at every breakpoint of either curve, and each interval adds the sum of
// its streams' heat over film coefficient divided by its logarithmic mean
// temperature difference. Infinite where the curves touch with heat passing.
double AreaEntreCurvas(const CurvaArea& cal, const CurvaArea& fri);

// Capital cost target from the base, the area problem, the pinch P and half
// DT min: one area, the units, and a second area only when some cost law
// differs from the reference one.
double CosteCapital(const CDiagrama& d, const Base& b, const ProblemaArea& pa, double P,
                    double half);

}  // namespace vardo::objetivos
