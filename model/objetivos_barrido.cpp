#include "model/objetivos_barrido.h"

#include "model/constantes.h"

namespace vardo {

BarridoObjetivos::BarridoObjetivos(CDiagrama& d)
    : d_(d),
      proceso_(CorrientesConsideradas(d.m_corrientes, d.m_areas)),
      pool_(proceso_),
      area_(d, false) {}

const TablaProblema& BarridoObjetivos::Tabla(double dt) {
  // The jump check of the charts asks for the same DT min again.
  if (!dtTabla_ || *dtTabla_ != dt) {
    tabla_ = pool_.Resolver(dt);
    dtTabla_ = dt;
  }
  return tabla_;
}

double BarridoObjetivos::CalienteMinimo(double dt) { return Tabla(dt).CalienteMinimo(); }
double BarridoObjetivos::FrioMinimo(double dt) { return Tabla(dt).FrioMinimo(); }
double BarridoObjetivos::TemperaturaPinch(double dt) {
  return Tabla(dt).TemperaturaPinch(d_.m_tPinch);
}

objetivos::Base BarridoObjetivos::Preparar(double dt) {
  const TablaProblema& t = Tabla(dt);
  d_.SetDTMin(dt);
  if (!t.Vacia()) {
    d_.m_tCalienteGenerico = t.T.front() + dt;
    d_.m_tFrioGenerico = t.T.back() - dt;
  }
  objetivos::Base b;
  b.arriba = t.CalienteMinimo();
  b.abajo = t.FrioMinimo();
  return b;
}

std::int32_t BarridoObjetivos::NMinCambiadores(double dt) {
  const objetivos::Base b = Preparar(dt);
  return objetivos::Unidades(d_, b, TemperaturaPinch(dt), dt / 2.0);
}

double BarridoObjetivos::AreaMinima(double dt) {
  const objetivos::Base b = Preparar(dt);
  return area_.Area(d_, b, FactoresPelicula{});
}

double BarridoObjetivos::CosteInmovilizado(double dt) {
  const objetivos::Base b = Preparar(dt);
  return objetivos::CosteCapital(d_, b, area_, TemperaturaPinch(dt), dt / 2.0);
}

double BarridoObjetivos::CosteOperacion(double dt) {
  const TablaProblema& t = Tabla(dt);
  return t.FrioMinimo() * d_.m_costeFrio + t.CalienteMinimo() * d_.m_costeCaliente;
}

}  // namespace vardo
