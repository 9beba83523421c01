#include "app/core/charts/cascada_alimentacion.h"

#include <algorithm>

namespace vardo {

namespace {

// The process streams' shifted supply and target temperatures, sorted, so
// that each boundary is looked up once instead of against every stream.
std::vector<double> ExtremosDesplazados(const CDiagrama& d) {
  const double medio = d.m_dtMin * 0.5;
  std::vector<double> e;
  e.reserve(2 * d.m_corrientes.size());
  for (const CCorriente& s : d.m_corrientes) {
    const double desplazamiento = s.m_fria ? medio : -medio;
    e.push_back(s.GetT1() + desplazamiento);
    e.push_back(s.GetT2() + desplazamiento);
  }
  std::sort(e.begin(), e.end());
  return e;
}

// Whether a stream's shifted end equals T exactly.
bool ExtremoDeCorriente(const std::vector<double>& extremos, double T) {
  return std::binary_search(extremos.begin(), extremos.end(), T);
}

}  // namespace

std::vector<FronteraCascada> AlimentacionCascada(const CDiagrama& d) {
  const std::size_t n = std::min(d.m_temperaturas.size(), d.m_cascada.size());
  const std::size_t nCalores = d.m_calores.size();
  std::vector<FronteraCascada> f(n);
  const std::vector<double> extremos = ExtremosDesplazados(d);
  for (std::size_t i = 0; i < n; ++i) {
    f[i].T = d.m_temperaturas[i];
    f[i].enviar = ExtremoDeCorriente(extremos, f[i].T);
    f[i].cascada = d.m_cascada[i];
  }
  // Each boundary sent carries the intervals down to the next one sent.
  for (std::size_t i = 0; i < n; ++i) {
    if (!f[i].enviar || i + 1 >= nCalores) continue;
    f[i].conCalor = true;
    for (std::size_t k = i + 1; k < nCalores; ++k) {
      f[i].calor += d.m_calores[k];
      if (k < n && f[k].enviar) break;
    }
  }
  return f;
}

}  // namespace vardo
