// Utility targets of the network: the utilities alone through the problem
// table (their grand composite curve), the process streams and utilities
// together (the cascade with utilities), and the lookups on those curves.
// The process targets are left as they were.
#include <algorithm>
#include <array>
#include <utility>

#include "model/diagrama.h"
#include "model/tabla_problema.h"

namespace vardo {

namespace {
// The utilities' curve may lie this far (kW) above the process grand
// composite curve at a breakpoint and still fit.
constexpr double kTolAjuste = 0.001;
}  // namespace

void CDiagrama::CalcularGrandCompuestaServicios() {
  // Intervals and cascade in one pass of the core.
  TablaProblema t = ResolverTablaProblema(CorrientesConsideradas(m_servicios, m_areas), m_dtMin);
  m_numIntervalosServ = static_cast<std::int32_t>(t.T.size());
  m_temperaturasServ = std::move(t.T);
  m_caloresServ = std::move(t.Q);
  m_cascadaServ = std::move(t.C);
}

void CDiagrama::CalcularIntervalosSoloServicios() {
  m_temperaturasServ =
      CalcularIntervalosTabla(CorrientesConsideradas(m_servicios, m_areas), m_dtMin);
  m_numIntervalosServ = static_cast<std::int32_t>(m_temperaturasServ.size());
}

void CDiagrama::CalcularCascadaSoloServicios() {
  CascadaTabla c = CalcularCascadaTabla(CorrientesConsideradas(m_servicios, m_areas), m_dtMin,
                                        m_temperaturasServ);
  m_caloresServ = std::move(c.Q);
  m_cascadaServ = std::move(c.C);
}

void CDiagrama::CalcularObjetivosServicios() {
  // Intervals and cascade in one pass of the core; process streams first,
  // then utilities.
  const std::array<GrupoCorrientes, 2> pool = {CorrientesConsideradas(m_corrientes, m_areas),
                                               CorrientesConsideradas(m_servicios, m_areas)};
  TablaProblema t = ResolverTablaProblema(pool, m_dtMin);
  m_numIntervalosConServ = static_cast<std::int32_t>(t.T.size());
  m_temperaturasConServ = std::move(t.T);
  m_caloresConServ = std::move(t.Q);
  m_cascadaConServ = std::move(t.C);
}

void CDiagrama::CalcularIntervalosServicios() {
  const std::array<GrupoCorrientes, 2> pool = {CorrientesConsideradas(m_corrientes, m_areas),
                                               CorrientesConsideradas(m_servicios, m_areas)};
  m_temperaturasConServ = CalcularIntervalosTabla(pool, m_dtMin);
  m_numIntervalosConServ = static_cast<std::int32_t>(m_temperaturasConServ.size());
}

void CDiagrama::CalcularCascadaServicios() {
  // Process streams first, then utilities, each from the last to the first.
  const std::array<GrupoCorrientes, 2> pool = {CorrientesConsideradas(m_corrientes, m_areas),
                                               CorrientesConsideradas(m_servicios, m_areas)};
  CascadaTabla c = CalcularCascadaTabla(pool, m_dtMin, m_temperaturasConServ);
  m_caloresConServ = std::move(c.Q);
  m_cascadaConServ = std::move(c.C);
}

bool CDiagrama::ServiciosAjustanGrandCompuesta() {
  CalcularObjetivos();
  CalcularGrandCompuestaServicios();
  const std::size_t nServ = std::min(m_temperaturasServ.size(), m_cascadaServ.size());
  if (nServ == 0) return true;
  // Set against the process: a covering pair of utilities lies within the
  // process curve, a heating or cooling load beyond what the process takes
  // crosses it.
  const std::vector<double> T(m_temperaturasServ.begin(), m_temperaturasServ.begin() + nServ);
  const std::vector<double> frente = CurvaServiciosFrenteAlProceso(
      *this, std::vector<double>(m_cascadaServ.begin(), m_cascadaServ.begin() + nServ));
  const std::size_t n = std::min(m_temperaturas.size(), m_cascada.size());
  for (std::size_t k = 0; k < n; ++k)
    if (m_cascada[k] - BuscarEnCurva(T, frente, m_temperaturas[k]) < -kTolAjuste) return false;
  for (std::size_t k = 0; k < nServ; ++k)
    if (frente[k] - CalorEnTemperatura(T[k]) > kTolAjuste) return false;
  return true;
}

std::vector<double> CurvaServiciosFrenteAlProceso(const CDiagrama& d,
                                                  const std::vector<double>& cascadaServ) {
  std::vector<double> frente = cascadaServ;
  if (frente.empty()) return frente;
  double calefaccion = 0.0;
  for (const CCorriente* s : CorrientesConsideradas(d.m_servicios, d.m_areas))
    if (!s->m_fria) calefaccion += static_cast<const CServicios*>(s)->m_carga;
  const double arriba = frente.front();
  for (double& q : frente) q = calefaccion + arriba - q;
  return frente;
}

double CDiagrama::CalorEnTemperatura(double T) const {
  return BuscarEnCurva(m_temperaturas, m_cascada, T);
}

double CDiagrama::CalorEnTemperaturaServicios(double T) const {
  return BuscarEnCurva(m_temperaturasServ, m_cascadaServ, T);
}

double CDiagrama::TemperaturaEnCalorConServicios(double Q) const {
  return BuscarEnCurva(m_cascadaConServ, m_temperaturasConServ, Q);
}

}  // namespace vardo
