// Targets of one problem at many values of DT min, as the charts over DT min
// ask for them: the defined utilities take no part, and at every DT min the
// generic utilities stand DT min beyond the ends of the shifted intervals.
// The problem's points are sorted and its composite curves built once; each
// DT min then costs a merge and linear sweeps instead of sorts.
#pragma once
#include <cstdint>
#include <optional>

#include "model/diagrama.h"
#include "model/objetivos_comun.h"
#include "model/tabla_problema.h"

namespace vardo {

class BarridoObjetivos {
 public:
  // Reads the model's streams and cost data, which must not change while the
  // sweep lives. Each point writes DT min and, when there are intervals, the
  // generic utility temperatures into the model, as the targets themselves
  // would; the caller puts them back.
  explicit BarridoObjetivos(CDiagrama& d);
  const CDiagrama& Modelo() const { return d_; }

  // The energy targets at dt: minimum hot and cold utilities and the shifted
  // pinch temperature (the model's when there is no interval).
  double CalienteMinimo(double dt);
  double FrioMinimo(double dt);
  double TemperaturaPinch(double dt);
  // The unit, area and cost targets at dt, with the generic utilities set.
  std::int32_t NMinCambiadores(double dt);
  double AreaMinima(double dt);
  double CosteInmovilizado(double dt);  // $ over the amortization period
  double CosteOperacion(double dt);     // $/year

 private:
  // The process table at dt, computed once per DT min.
  const TablaProblema& Tabla(double dt);
  // Sets DT min and the generic temperatures for dt; the base of the targets.
  objetivos::Base Preparar(double dt);

  CDiagrama& d_;
  GrupoCorrientes proceso_;
  PoolOrdenado pool_;
  objetivos::ProblemaArea area_;
  std::optional<double> dtTabla_;
  TablaProblema tabla_;
};

}  // namespace vardo
