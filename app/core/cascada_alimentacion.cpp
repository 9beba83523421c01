#include "app/core/cascada_alimentacion.h"

#include <algorithm>

namespace vardo {

namespace {

// Supply tried before target, stream by stream, compared exactly.
bool ExtremoDeCorriente(const CDiagrama& d, double T) {
  const double medio = d.m_dtMin * 0.5;
  for (const CCorriente& s : d.m_corrientes) {
    const double desplazamiento = s.m_fria ? medio : -medio;
    if (s.GetT1() + desplazamiento == T || s.GetT2() + desplazamiento == T) return true;
  }
  return false;
}

}  // namespace

std::vector<FronteraCascada> AlimentacionCascada(const CDiagrama& d) {
  const std::size_t n = std::min(d.m_temperaturas.size(), d.m_cascada.size());
  const std::size_t nCalores = d.m_calores.size();
  std::vector<FronteraCascada> f(n);
  for (std::size_t i = 0; i < n; ++i) {
    f[i].T = d.m_temperaturas[i];
    f[i].enviar = ExtremoDeCorriente(d, f[i].T);
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
