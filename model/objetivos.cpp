// Energy targets of the network: the problem table of the considered process
// streams (shifted intervals, heat cascade, pinch), through the problem-table
// core.
#include <cmath>

#include "model/diagrama.h"
#include "model/tabla_problema.h"

namespace vardo {

namespace {
// Both ends of the cascade with utilities within this of zero (kW): the
// utilities cover the problem exactly.
constexpr double kTolCubre = 0.001;
}  // namespace

void CDiagrama::CalcularObjetivos() {
  CalcularIntervalos();
  CalcularCascada();
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
  // Nothing considered: no heat left over at either end.
  if (m_cascadaConServ.empty()) return true;
  return std::fabs(m_cascadaConServ.front()) <= kTolCubre &&
         std::fabs(m_cascadaConServ.back()) <= kTolCubre;
}

}  // namespace vardo
