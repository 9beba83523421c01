#include "model/servicios.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/constantes.h"

namespace vardo {

namespace {
// A divisor of the maximum-load terms closer to 0 than this is the utility's
// far end (1 − H or 1 + H of a curve normalised to 1), reached up to the
// rounding of the normalisation: the term sets no limit.
constexpr double kTolDivisorCarga = 1e-9;
}  // namespace

CServicios::CServicios() = default;

CServicios::CServicios(const CServicios& o)
    : CCorriente(o), m_entalpiaMaxima(o.m_entalpiaMaxima), m_carga(o.m_carga), m_coste(o.m_coste) {}

CServicios& CServicios::operator=(const CServicios& o) {
  if (this != &o) {
    CCorriente::operator=(o);
    m_entalpiaMaxima = o.m_entalpiaMaxima;
    m_carga = o.m_carga;
    m_coste = o.m_coste;
  }
  return *this;
}

CServicios::~CServicios() = default;

double CServicios::GetH(double T, std::int32_t lado) const {
  if (T == kTSentinel) return m_H.back() * m_carga;
  return InterpolarH(Acotar(T), lado) * m_carga;
}

double CServicios::GetCP(double T1, double T2) const {
  const double dT = m_T.back() - m_T.front();
  if (std::fabs(dT) < kTolSpan) {
    if (m_T.size() == 2) m_latente = 1;
    return kCpLatente;
  }
  const double total = std::fabs(GetH(kTSentinel, 1) / dT);
  if (T1 == kTSentinel && T2 == kTSentinel) return total;
  if (std::fabs(T2 - T1) < kTolSpan) T2 = m_fria ? T1 + kTolSpan : T1 - kTolSpan;
  if (m_fria ? T1 > T2 : T1 < T2) std::swap(T1, T2);
  T1 = Acotar(T1);
  T2 = Acotar(T2);
  // Both clamped onto one end: the interval is empty, answer the whole range.
  if (T2 == T1) return total;
  return std::fabs((InterpolarH(T2, 1) * m_carga - InterpolarH(T1, 1) * m_carga) / (T2 - T1));
}

void CServicios::BorrarPuntos() {
  m_cascadaH.clear();
  m_cascadaT.clear();
}

void CServicios::AnadirPunto(double calor, double T) {
  m_cascadaH.push_back(calor);
  m_cascadaT.push_back(T);
}

void CServicios::NormalizarEntalpia() {
  const double ultimo = std::fabs(m_H.back());
  if (ultimo == 0.0) return;  // no shape to normalise; leave the curve as it is
  for (double& h : m_H) h /= ultimo;
}

double CServicios::Interpolar(double T) const {
  const std::size_t n = std::min(m_cascadaT.size(), m_cascadaH.size());
  if (n == 0) return 0.0;
  std::size_t i = T <= m_cascadaT[0] ? n - 1 : 0;
  const std::size_t inicio = i;
  for (std::size_t k = 0; k < n; ++k) {
    if (m_cascadaT[k] <= T) { i = k; break; }
  }
  std::size_t j = inicio;
  for (std::size_t k = n; k-- > 0;) {
    if (m_cascadaT[k] >= T) { j = k; break; }
  }
  if (i == j) return m_cascadaH[i];
  if (m_cascadaT[i] == m_cascadaT[j]) return std::min(m_cascadaH[i], m_cascadaH[j]);
  return m_cascadaH[j] +
         (T - m_cascadaT[j]) / (m_cascadaT[i] - m_cascadaT[j]) * (m_cascadaH[i] - m_cascadaH[j]);
}

// The largest load that does not cross the process grand composite curve: a
// cooler takes its heat out of what flows down through every cascade point at
// or below its temperatures, a heater puts its heat in place of what flows
// through every point at or above them. Each point limits the load to its
// heat divided by the share of the utility's heat on the far side of it (the
// whole load beyond the utility's ends, a part within its range).
void CServicios::CalcularEntalpiaMaxima() {
  double s = m_dtMin / 2.0;
  if (!m_fria) s = -s;
  double M = 1e100;
  const std::size_t nc = std::min(m_cascadaT.size(), m_cascadaH.size());

  if (m_latente) {
    const double t = m_T.front() + s;
    M = Interpolar(t);
    for (std::size_t k = 0; k < nc; ++k) {
      const double theta = m_cascadaT[k];
      if (m_fria ? theta <= t : theta >= t) M = std::min(M, m_cascadaH[k]);
    }
    if (!m_fria) M = -M;
    m_T.back() = m_T.front();
    m_entalpiaMaxima = M;
    return;
  }

  NormalizarEntalpia();
  AjustarSignoH();
  M = Interpolar(m_T.front() + s);
  // Terms whose divisor is 0 (the utility's far end and beyond) set no limit
  // and are skipped.
  const double signo = m_fria ? -1.0 : 1.0;  // divisor 1 − H (cold) or 1 + H (hot)
  const double lo = (m_fria ? m_T.front() : m_T.back()) + s;
  const double hi = (m_fria ? m_T.back() : m_T.front()) + s;
  for (std::size_t k = 0; k < nc; ++k) {
    const double theta = m_cascadaT[k];
    if (m_fria ? theta <= hi : lo <= theta) {
      const double d = 1.0 + signo * InterpolarH(Acotar(theta - s), 1);
      if (std::fabs(d) > kTolDivisorCarga) M = std::min(M, m_cascadaH[k] / d);
    }
  }
  for (std::size_t i = 0; i + 1 < m_T.size(); ++i) {
    const double d = 1.0 + signo * m_H[i];
    if (std::fabs(d) > kTolDivisorCarga) M = std::min(M, Interpolar(m_T[i] + s) / d);
  }
  if (!m_fria) M = -M;
  m_entalpiaMaxima = M;
}

void CServicios::Serialize(Archive& ar) {
  CCorriente::Serialize(ar);
  ar.Io(m_coste);
  ar.Io(m_entalpiaMaxima);
  ar.Io(m_carga);
}

}  // namespace vardo
