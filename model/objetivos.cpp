// Energy targets of the network: the problem table of the considered process
// streams (shifted intervals, heat cascade, pinch), through the problem-table
// core.
#include <cmath>
#include <utility>

#include "model/diagrama.h"
#include "model/objetivos_comun.h"
#include "model/tabla_problema.h"

namespace vardo {

namespace {
// Both ends of the cascade with utilities within this of zero (kW): the
// utilities cover the problem exactly.
constexpr double kTolCubre = 0.001;
}  // namespace

void CDiagrama::CalcularObjetivos() {
  // Intervals and cascade in one pass of the core (one sort) over the
  // stream array, written into the lists the network already holds; with
  // the core's working lists kept per thread, a recalculation after an edit
  // allocates nothing.
  TablaProblema t;
  t.T.swap(m_temperaturas);
  t.Q.swap(m_calores);
  t.C.swap(m_cascada);
  ResolverTablaProblema(m_corrientes, m_areas, m_dtMin, t);
  m_numIntervalos = static_cast<std::int32_t>(t.T.size());
  m_temperaturas.swap(t.T);
  m_calores.swap(t.Q);
  m_cascada.swap(t.C);
  // With no interval the pinch keeps its value.
  if (t.pinch >= 0) m_tPinch = m_temperaturas[static_cast<std::size_t>(t.pinch)];
  for (CCorrienteBifurcada& b : m_bifurcadas) {
    b.corriente.m_pinch = m_tPinch;
    b.corriente.m_dtMin = m_dtMin;
  }
}

void CDiagrama::CalcularIntervalos() {
  m_temperaturas = CalcularIntervalosTabla(CorrientesConsideradas(m_corrientes, m_areas), m_dtMin);
  m_numIntervalos = static_cast<std::int32_t>(m_temperaturas.size());
}

void CDiagrama::CalcularCascada() {
  CascadaTabla c =
      CalcularCascadaTabla(CorrientesConsideradas(m_corrientes, m_areas), m_dtMin, m_temperaturas);
  m_calores = std::move(c.Q);
  m_cascada = std::move(c.C);
  // With no interval the pinch keeps its value.
  const int p = IndicePinch(m_cascada, c.minimo);
  if (p >= 0) m_tPinch = m_temperaturas[static_cast<std::size_t>(p)];
}

bool CDiagrama::ServiciosCubrenProblema() {
  CalcularObjetivosServicios();
  return objetivos::CubrenProblema(*this);
}

bool objetivos::CubrenProblema(const CDiagrama& d) {
  // Nothing considered: no heat left over at either end.
  if (d.m_cascadaConServ.empty()) return true;
  return std::fabs(d.m_cascadaConServ.front()) <= kTolCubre &&
         std::fabs(d.m_cascadaConServ.back()) <= kTolCubre;
}

}  // namespace vardo
