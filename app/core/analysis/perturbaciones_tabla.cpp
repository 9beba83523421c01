#include "app/core/analysis/perturbaciones_tabla.h"

#include "model/anillos.h"
#include "model/constantes.h"

namespace vardo {

namespace {

// Whether the stream takes part: not a branch of a split, or the branch the
// split's first node names as its main branch (a node reference is followed
// to that node's main branch).
bool TomaParte(const CDiagrama& d, std::int32_t ref) {
  const std::int32_t s = d.GetCorriente(ref).m_split;
  if (s < 0 || static_cast<std::size_t>(s) >= d.m_bifurcadas.size()) return true;
  const std::vector<CCuaterna>& nodos = d.m_bifurcadas[static_cast<std::size_t>(s)].nodos;
  if (nodos.empty()) return true;
  std::int32_t principal = nodos.front().refRamaPrincipal;
  for (std::size_t paso = 0; principal < 0 && paso < nodos.size(); ++paso) {
    const auto k = static_cast<std::size_t>(-principal);
    if (k >= nodos.size()) break;
    principal = nodos[k].refRamaPrincipal;
  }
  return principal == ref;
}

}  // namespace

std::vector<std::int32_t> EntradasPerturbaciones(const CDiagrama& d) {
  std::vector<std::int32_t> r;
  for (std::int32_t i = 0; i < d.GetNumCorrientes(); ++i)
    if (TomaParte(d, i)) r.push_back(i);
  if (d.m_serviciosVisibles)
    for (std::int32_t k = 0; k < d.GetNumServicios(); ++k)
      if (TomaParte(d, kRefServicio + k)) r.push_back(kRefServicio + k);
  return r;
}

std::vector<std::vector<std::string>> TablaPerturbaciones::Celdas() const {
  const std::size_t n = refs.size();
  std::vector<std::vector<std::string>> c(n + 1, std::vector<std::string>(n + 1));
  c[0][0] = "de/a";
  for (std::size_t i = 0; i < n; ++i) {
    c[0][i + 1] = cabeceras[i];
    c[i + 1][0] = cabeceras[i];
    for (std::size_t j = 0; j < n; ++j)
      c[i + 1][j + 1] = i == j ? "-" : camino[i][j] ? "*" : "";
  }
  return c;
}

TablaPerturbaciones CalcularPerturbaciones(CDiagrama& d, UiPort& ui) {
  TablaPerturbaciones t;
  t.refs = EntradasPerturbaciones(d);
  const std::size_t n = t.refs.size();
  for (std::int32_t ref : t.refs)
    t.cabeceras.push_back(EsServicio(ref) ? "S" + std::to_string(IndiceServicio(ref) + 1)
                                          : std::to_string(ref + 1));
  t.camino.assign(n, std::vector<bool>(n, false));
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < n; ++j)
      if (i != j) t.camino[i][j] = BuscarCaminosPerturbacion(d, t.refs[i], t.refs[j], 1, ui) != 0;
  return t;
}

}  // namespace vardo
