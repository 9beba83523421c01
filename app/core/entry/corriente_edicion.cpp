#include "app/core/entry/corriente_edicion.h"

#include <cmath>
#include <cstddef>
#include <utility>

#include "model/bifurcacion_edicion.h"
#include "model/bifurcacion_layout.h"
#include "model/constantes.h"

namespace vardo {

namespace {

bool EsIndice(const CDiagrama& d, std::int32_t i) { return i >= 0 && i < d.GetNumCorrientes(); }

std::int32_t SplitDe(const CDiagrama& d, std::int32_t i) {
  return d.m_corrientes[static_cast<std::size_t>(i)].m_split;
}

}  // namespace

std::int32_t PrimeraRama(const CDiagrama& d, std::int32_t i) {
  const std::int32_t b = BifurcacionDe(d, i);
  if (b < 0) return i;
  for (std::int32_t k = 0; k < d.GetNumCorrientes(); ++k)
    if (SplitDe(d, k) == b) return k;
  return i;
}

const CCorriente& CorrienteEditada(const CDiagrama& d, std::int32_t i) {
  const std::int32_t b = BifurcacionDe(d, i);
  if (b >= 0) return d.m_bifurcadas[static_cast<std::size_t>(b)].corriente;
  return d.m_corrientes.at(static_cast<std::size_t>(i));
}

CCorriente& CorrienteEditada(CDiagrama& d, std::int32_t i) {
  return const_cast<CCorriente&>(CorrienteEditada(std::as_const(d), i));
}

std::int32_t NumeroMostrado(const CDiagrama& d, std::int32_t i) { return PrimeraRama(d, i) + 1; }

PasoCorriente DestinoPaso(const CDiagrama& d, std::int32_t posicion, std::int32_t delta) {
  const std::int32_t t = posicion + delta - 1;
  if (!EsIndice(d, t)) return {};
  const std::int32_t b = BifurcacionDe(d, t);
  if (b < 0) return {t, true};
  const std::int32_t f = PrimeraRama(d, t);
  if (delta < 1 || t == f) return {f, false};
  // Up onto a later branch: past the run, or back to its first branch when
  // the run reaches the end of the list.
  std::int32_t k = f;
  const std::int32_t n = d.GetNumCorrientes();
  while (SplitDe(d, k) == b && k < n - 1) ++k;
  return {SplitDe(d, k) == b ? f : k, false};
}

void CambiarCorrienteYRamas(CDiagrama& d, std::int32_t i,
                            const std::function<void(CCorriente&)>& cambio) {
  if (!EsIndice(d, i)) return;
  CCorriente copia = CorrienteEditada(d, i);
  cambio(copia);
  CorrienteEditada(d, i) = copia;
  const std::int32_t b = BifurcacionDe(d, i);
  if (b < 0) return;
  for (std::int32_t k = 0; k < d.GetNumCorrientes(); ++k)
    if (SplitDe(d, k) == b) cambio(d.m_corrientes[static_cast<std::size_t>(k)]);
}

bool CorrienteFinita(const CCorriente& c) {
  for (std::size_t k = 0; k < c.m_T.size() && k < c.m_H.size(); ++k)
    if (!std::isfinite(c.m_T[k]) || !std::isfinite(c.m_H[k])) return false;
  return std::isfinite(c.m_mcp);
}

CamposCorriente CamposDe(const CDiagrama& d, std::int32_t i) {
  CamposCorriente f;
  if (!EsIndice(d, i)) return f;
  const CCorriente& c = CorrienteEditada(d, i);
  f.nombre = c.GetNombre();
  f.lineal = c.m_lineal != 0;
  f.tEntrada = c.GetT1();
  f.tSalida = c.GetT2();
  f.mcpDado = c.m_entalpiaDada == 0;
  f.h = c.GetH(kTSentinel, 1);
  f.mcp = c.GetCP(kTSentinel, kTSentinel);  // also marks a stream without span latent
  f.caliente = c.m_fria == 0;
  f.latente = c.m_latente != 0;
  return f;
}

void GuardarCampos(CDiagrama& d, std::int32_t i, const CamposCorriente& f) {
  if (!EsIndice(d, i)) return;
  const std::int32_t b = BifurcacionDe(d, i);
  CCorriente& c = CorrienteEditada(d, i);
  c.SetNombre(f.nombre);
  if (!f.lineal) {
    c.m_lineal = 0;
  } else {
    const double t1 = f.tEntrada;
    c.BorrarPuntos();
    c.m_lineal = 1;
    c.AddPunto(t1, 0.0);
    c.m_fria = f.caliente ? 0 : 1;
    // A heat typed for the stream, signed as hot or cold (no heat is +0).
    const double q = f.h == 0.0 ? 0.0 : c.m_fria ? std::fabs(f.h) : -std::fabs(f.h);
    if (f.latente && b < 0) {
      c.m_latente = 1;
      c.m_mcp = kCpLatente;
      c.m_entalpiaDada = 1;
      c.AddPunto(t1, q);
    } else {
      c.m_latente = 0;
      if (!f.mcpDado) {
        c.m_entalpiaDada = 1;
        c.AddPunto(f.tSalida, q);
        c.CalcularCP();
      } else {
        c.m_mcp = std::fabs(f.mcp);
        c.m_entalpiaDada = 0;
        c.AddPunto(f.tSalida, 0.0);
        c.CalcularHFinal();
      }
    }
  }
  if (b >= 0) ActualizarCorriente(d.m_bifurcadas[static_cast<std::size_t>(b)], d.m_corrientes);
}

}  // namespace vardo
