// Load shifting around a loop or path, and disturbance routes.
#include <algorithm>
#include <cmath>
#include <functional>

#include "model/anillos.h"
#include "model/bifurcacion_layout.h"
#include "model/constantes.h"
#include "model/red.h"

namespace vardo {

namespace {

// The exchangers of a stream's list that exist, in list order.
std::vector<std::size_t> Lista(const CDiagrama& d, const CCorriente& s) {
  std::vector<std::size_t> l;
  for (std::uint32_t e : s.m_cambiadores)
    if (e < d.m_cambiadores.size()) l.push_back(e);
  return l;
}

bool Calculada(std::int32_t r) { return r == kRedSinAvisos || r == kRedSoloAvisos; }

// An end that keeps its present temperature t: the stream's own end when it
// lies there, else t as a typed value.
void FijarExtremo(std::int32_t& tipo, double& valor, double t, double extremo) {
  if (t == extremo) {
    tipo = kTipoExtremo;
  } else {
    tipo = kTipoValor;
    valor = t;
  }
}

// An end that meets the end tOtro of exchanger k, the next along the stream,
// takes it from that exchanger; one that does not keeps its temperature t.
void EnlazarOFijar(std::int32_t& tipo, double& valor, double t, double tOtro, double extremo,
                   std::size_t k) {
  if (std::fabs(t - tOtro) >= kTolT) {
    FijarExtremo(tipo, valor, t, extremo);
  } else {
    tipo = kTipoCambiador;
    valor = static_cast<double>(k);
  }
}

// Hot side of the exchangers along a hot stream, in the direction of flow:
// the leading exchangers keep the stream's supply as inlet; every other one
// takes its outlet from the next exchanger (or from the stream's target, or
// its present value) and computes its inlet from the duty.
void CadenaCaliente(CDiagrama& d, const CCorriente& s, const std::vector<std::size_t>& l) {
  auto& cs = d.m_cambiadores;
  const double T1 = s.GetT1(), T2 = s.GetT2();
  std::size_t i = 0;
  while (i < l.size() && cs[l[i]].tEntradaCaliente == T1) {
    cs[l[i]].tipoEntradaCaliente = kTipoExtremo;
    cs[l[i]].tipoSalidaCaliente = kTipoNinguno;
    ++i;
  }
  if (i >= l.size()) return;  // the last one is a leading one: its inlet stays the supply
  for (; i + 1 < l.size(); ++i) {
    CCambiador& X = cs[l[i]];
    const CCambiador& Y = cs[l[i + 1]];
    X.tipoEntradaCaliente = kTipoNinguno;
    EnlazarOFijar(X.tipoSalidaCaliente, X.valorSalidaCaliente, X.tSalidaCaliente,
                  Y.tEntradaCaliente, T2, l[i + 1]);
  }
  // The last exchanger keeps its outlet: the stream's target, or the value
  // it has now (on this exchanger, not on the stream's first one, whose inlet
  // would then move with its duty away from the stream's supply).
  CCambiador& U = cs[l.back()];
  U.tipoEntradaCaliente = kTipoNinguno;
  FijarExtremo(U.tipoSalidaCaliente, U.valorSalidaCaliente, U.tSalidaCaliente, T2);
}

// Cold side of the exchangers along a cold stream, in the direction of flow
// (from the last of its list to the first): the first one keeps its inlet
// (the stream's supply or its present value); every further one takes its
// inlet from the one before it, and outlets follow from the duties.
void CadenaFria(CDiagrama& d, const CCorriente& s, const std::vector<std::size_t>& l) {
  auto& cs = d.m_cambiadores;
  const double T1 = s.GetT1();
  CCambiador& F = cs[l.back()];
  F.tipoSalidaFria = kTipoNinguno;
  // This exchanger's own inlet, not the list's first exchanger's.
  FijarExtremo(F.tipoEntradaFria, F.valorEntradaFria, F.tEntradaFria, T1);
  for (std::size_t j = l.size() - 1; j-- > 0;) {
    CCambiador& X = cs[l[j]];
    const CCambiador& Z = cs[l[j + 1]];
    X.tipoSalidaFria = kTipoNinguno;
    EnlazarOFijar(X.tipoEntradaFria, X.valorEntradaFria, X.tEntradaFria, Z.tSalidaFria, T1,
                  l[j + 1]);
  }
}

}  // namespace

// ------------------------------------------------------------ load shifting

void PrepararAnillo(CDiagrama& d) {
  CAnillo& a = d.m_anillo;
  a.OrdenarCorrientes(d.m_cambiadores);
  a.QuitarRepetidas();
  // The list only grows, and never past every stream and utility: each pass
  // that adds nothing ends the walk.
  for (;;) {
    const std::size_t antes = a.corrientes.size();
    std::vector<std::int32_t> lista = a.corrientes;
    for (std::int32_t s : a.corrientes) {
      if (!d.RefValida(s)) continue;
      const CCorriente& c = d.GetCorriente(s);
      for (std::size_t e : Lista(d, c)) {
        const CCambiador& x = d.m_cambiadores[e];
        if (x.ladoCaliente.ref != kRefGenerico) lista.push_back(x.ladoCaliente.ref);
        if (x.ladoFrio.ref != kRefGenerico) lista.push_back(x.ladoFrio.ref);
      }
      if (s < kRefServicio && c.m_split >= 0) {
        for (std::int32_t i = 0; i < d.GetNumCorrientes(); ++i) {
          if (d.m_corrientes[static_cast<std::size_t>(i)].m_split == c.m_split) lista.push_back(i);
        }
      }
    }
    std::sort(lista.begin(), lista.end(), std::greater<>());
    a.corrientes = std::move(lista);
    a.QuitarRepetidas();
    if (a.corrientes.size() == antes) break;
  }
}

void DesplazarCargaAnillo(CDiagrama& d) {
  const std::vector<std::int32_t> corrientes = d.m_anillo.corrientes;
  for (std::int32_t s : corrientes) {
    if (!d.RefValida(s)) continue;
    for (std::size_t e : Lista(d, d.GetCorriente(s))) {
      CCambiador& c = d.m_cambiadores[e];
      c.modo = kModoQ;
      c.tipoQ = 1;  // duty given by the user
      c.valorQ = c.q;
    }
  }
  for (std::int32_t s : corrientes) {
    if (!d.RefValida(s)) continue;
    const CCorriente& c = d.GetCorriente(s);
    const std::vector<std::size_t> l = Lista(d, c);
    if (l.empty()) continue;
    if (c.m_fria) {
      CadenaFria(d, c, l);
    } else {
      CadenaCaliente(d, c, l);
    }
  }
}

bool RelajarAnillo(CDiagrama& d, double x) {
  CAnillo& a = d.m_anillo;
  std::size_t n = std::min(static_cast<std::size_t>(std::max(a.cuenta, 0)), a.nodos.size());
  // A loop repeats its first exchanger at its end: it moves once.
  if (n >= 2 && a.nodos[n - 1] == a.nodos[0]) --n;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t nodo = a.nodos[i];
    if (nodo == 0 || nodo > d.m_cambiadores.size()) continue;
    CCambiador& c = d.m_cambiadores[nodo - 1];
    double q = i % 2 == 0 ? c.q + x : c.q - x;
    if (q < kTolH) q = 0.0;
    c.valorQ = q;
  }

  d.CalcularObjetivos();
  // Each split's recalculation ends with a calculation of the whole network
  // on its new branches, so the last result tells how the shift came out
  // (the first one may still see branches that end where they did before).
  std::int32_t resultado = CalcularRed(d);
  for (std::int32_t s : std::vector<std::int32_t>(a.corrientes)) {
    if (s < 0 || s >= d.GetNumCorrientes()) continue;
    const std::int32_t b = d.m_corrientes[static_cast<std::size_t>(s)].m_split;
    if (b >= 0) resultado = CalcularTemperaturas(d, b);
  }
  const bool bien = Calculada(resultado);

  if (d.m_serviciosVisibles) {
    auto cargar = [&d](std::int32_t ref) {
      if (!EsServicio(ref) || !d.RefValida(ref)) return;
      double suma = 0.0;
      for (const CCambiador& c : d.m_cambiadores)
        if (c.ladoCaliente.ref == ref || c.ladoFrio.ref == ref) suma += c.q;
      d.m_servicios[static_cast<std::size_t>(IndiceServicio(ref))].m_carga = suma;
    };
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint32_t nodo = a.nodos[i];
      if (nodo == 0 || nodo > d.m_cambiadores.size()) continue;
      const CCambiador& c = d.m_cambiadores[nodo - 1];
      cargar(c.ladoCaliente.ref);
      cargar(c.ladoFrio.ref);
    }
  }
  return bien;
}

// -------------------------------------------------------- disturbance route

std::int32_t BuscarCaminosPerturbacion(CDiagrama& d, std::int32_t s1, std::int32_t s2,
                                       std::int32_t silencio, UiPort& ui) {
  d.m_perturbacionOrigen = s1;
  d.m_perturbacionDestino = s2;
  if (s1 == s2) {
    ui.Message(kTextoPerturbacionMismaCorriente, MsgKind::Plain);
    return 0;
  }
  const std::vector<std::size_t> l1 =
      d.RefValida(s1) ? Lista(d, d.GetCorriente(s1)) : std::vector<std::size_t>{};
  const std::vector<std::size_t> l2 =
      d.RefValida(s2) ? Lista(d, d.GetCorriente(s2)) : std::vector<std::size_t>{};
  if (l1.empty() || l2.empty()) {
    if (!silencio) ui.Message(kTextoPerturbacionSinCaminos, MsgKind::Information);
    return 0;
  }
  // In at the upstream end of s1, out at the downstream end of s2.
  const auto inicio = static_cast<std::int32_t>(d.GetCorriente(s1).m_fria ? 2 * l1.back() + 1 : 2 * l1.front());
  const auto fin = static_cast<std::int32_t>(d.GetCorriente(s2).m_fria ? 2 * l2.front() + 1 : 2 * l2.back());

  // A scratch graph: the loop search's graph and candidates stay as they are.
  CArbol grafo;
  ConstruirMANPerturbaciones(d, grafo);
  grafo.BuscarCaminos(inicio, fin);
  d.m_arbol.perturbacion = grafo.perturbacion;
  if (d.m_arbol.perturbacion.empty()) {
    if (!silencio) ui.Message(kTextoPerturbacionSinCaminos, MsgKind::Information);
    return 0;
  }
  return static_cast<std::int32_t>(d.m_arbol.perturbacion.size());
}

}  // namespace vardo
