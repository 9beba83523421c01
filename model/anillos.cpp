// Node adjacency matrix of the design and the loop and path search.
#include "model/anillos.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "model/constantes.h"

namespace vardo {

namespace {

bool EnRango(std::int64_t i, std::size_t n) { return i >= 0 && static_cast<std::size_t>(i) < n; }

std::string Formato(const char* f, std::int32_t v) {
  char b[48];
  std::snprintf(b, sizeof b, f, v);
  return b;
}

// The exchangers of a stream's list that exist, in list order.
std::vector<std::int32_t> Lista(const CCorriente& s, std::int32_t numCambiadores) {
  std::vector<std::int32_t> l;
  for (std::uint32_t e : s.m_cambiadores) {
    if (e < static_cast<std::uint32_t>(numCambiadores)) l.push_back(static_cast<std::int32_t>(e));
  }
  return l;
}

// Stream edges along an exchanger list, in the direction of flow: a hot
// stream from each exchanger's hot end to the next one's; a cold stream from
// each exchanger's cold end to the previous one's (the lists run from the hot
// end of a stream to its cold end).
void AristasCorriente(CArbol& a, const CCorriente& s, std::int32_t numCambiadores) {
  const std::vector<std::int32_t> l = Lista(s, numCambiadores);
  for (std::size_t i = 1; i < l.size(); ++i) {
    const std::int32_t p = l[i - 1];
    const std::int32_t c = l[i];
    if (s.m_fria) {
      a.SetArista(2 * c + 1, 2 * p + 1);
    } else {
      a.SetArista(2 * p, 2 * c);
    }
  }
}

// Split-node edges. Graph node g0 of a split node is where the stream
// divides and g1 where the branches merge again; every edge runs in the
// direction of flow, on the split stream's side of the exchangers (hot ends
// of a hot split stream, cold ends of a cold one):
//   end of the incoming part -> g0 -> start of each branch,
//   end of each branch -> g1 -> start of the outgoing part,
// and g0 -> g1 for a branch without exchangers. The start (end) of a part is
// the end of its upstream-most (downstream-most) exchanger; a part that is
// another split node -k starts where node k's incoming part starts (or, when
// that has no exchanger, at node k's g0) and ends where node k's outgoing
// part ends (or at node k's g1). An incoming or outgoing stream without
// exchangers adds no edge: the neighbouring split node reaches across it.
// So every exchanger chain on a branch is joined through the split nodes to
// the chains before and after the split.
class AristasBifurcacion {
 public:
  AristasBifurcacion(const CDiagrama& d, const CCorrienteBifurcada& b, std::int32_t primerNodo,
                     CArbol& a)
      : d_(d), b_(b), primero_(primerNodo), a_(a), fria_(b.corriente.m_fria != 0) {}

  void Construir() {
    for (std::size_t k = 0; k < b_.nodos.size(); ++k) {
      const CCuaterna& n = b_.nodos[k];
      const std::int32_t g0 = G0(static_cast<std::int32_t>(k));
      const std::int32_t g1 = g0 + 1;
      const std::int32_t fin = Fin(n.refEntrada, 0);
      if (fin >= 0) a_.SetArista(fin, g0);
      const std::int32_t ini = Inicio(n.refSalida, 0);
      if (ini >= 0) a_.SetArista(g1, ini);
      for (std::int32_t rama : {n.refRamaPrincipal, n.refRamaDesplazada}) {
        const std::int32_t u = Inicio(rama, 0);
        const std::int32_t v = Fin(rama, 0);
        if (u >= 0) a_.SetArista(g0, u);
        if (v >= 0) a_.SetArista(v, g1);
        if (u < 0 && v < 0) a_.SetArista(g0, g1);
      }
    }
  }

 private:
  std::int32_t G0(std::int32_t k) const { return primero_ + 2 * k; }
  std::int32_t Extremo(std::int32_t e) const { return fria_ ? 2 * e + 1 : 2 * e; }

  // Exchangers of process stream ref, or none.
  std::vector<std::int32_t> Cambiadores(std::int32_t ref) const {
    if (!EnRango(ref, d_.m_corrientes.size())) return {};
    return Lista(d_.m_corrientes[static_cast<std::size_t>(ref)], d_.GetNumCambiadores());
  }

  // Node where the part named by ref starts; -1 when it has none. Node
  // references are followed at most once per split node, so a cyclic
  // reference cannot loop.
  std::int32_t Inicio(std::int32_t ref, std::size_t profundidad) const {
    return Borde(ref, profundidad, true);
  }

  // Node where the part named by ref ends; -1 when it has none.
  std::int32_t Fin(std::int32_t ref, std::size_t profundidad) const {
    return Borde(ref, profundidad, false);
  }

  // Start (inicio) or end of the part named by ref: the first or last of its
  // exchangers along the flow, else the split node's own start or end.
  std::int32_t Borde(std::int32_t ref, std::size_t profundidad, bool inicio) const {
    if (ref >= 0) {
      const auto l = Cambiadores(ref);
      if (l.empty()) return -1;
      return Extremo(fria_ == inicio ? l.back() : l.front());
    }
    const std::int64_t k = -static_cast<std::int64_t>(ref);
    if (!EnRango(k, b_.nodos.size()) || profundidad > b_.nodos.size()) return -1;
    const CCuaterna& n = b_.nodos[static_cast<std::size_t>(k)];
    const std::int32_t r = Borde(inicio ? n.refEntrada : n.refSalida, profundidad + 1, inicio);
    return r >= 0 ? r : G0(static_cast<std::int32_t>(k)) + (inicio ? 0 : 1);
  }

  const CDiagrama& d_;
  const CCorrienteBifurcada& b_;
  std::int32_t primero_;
  CArbol& a_;
  bool fria_;
};

// Common part of both matrices.
void ConstruirNodos(const CDiagrama& d, CArbol& a, bool perturbaciones) {
  const std::int32_t E = d.GetNumCambiadores();
  std::int32_t S = 0;
  for (const auto& b : d.m_bifurcadas) S += static_cast<std::int32_t>(b.nodos.size());
  a.numCambiadores = E;
  a.Dimensionar(2 * E + 2 * S);

  // Labels.
  for (std::int32_t k = 0; k < E; ++k) {
    const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(k)];
    const char* f = c.ladoCaliente.ref == kRefGenerico ? "c%dc"
                    : c.ladoFrio.ref == kRefGenerico   ? "r%dc"
                                                       : "%dc";
    a.nombres[static_cast<std::size_t>(2 * k)] = Formato(f, k + 1);
    a.nombres[static_cast<std::size_t>(2 * k + 1)] = Formato(f, k + 1);
    a.nombres[static_cast<std::size_t>(2 * k + 1)].back() = 'f';
  }
  std::int32_t j = 0;
  for (const auto& b : d.m_bifurcadas) {
    const char* f = b.corriente.m_fria ? "%df" : "%dc";
    for (std::size_t k = 0; k < b.nodos.size(); ++k, ++j) {
      a.nombres[static_cast<std::size_t>(2 * E + 2 * j)] = Formato(f, E + 2 * j + 1);
      a.nombres[static_cast<std::size_t>(2 * E + 2 * j + 1)] = Formato(f, E + 2 * j + 2);
    }
  }

  const std::int32_t N = a.NumNodos();
  for (std::int32_t i = 0; i < N; ++i) a.SetArista(i, i);

  // Across every exchanger, from its hot end to its cold end (and back, for
  // a disturbance).
  for (std::int32_t k = 0; k < E; ++k) {
    a.SetArista(2 * k, 2 * k + 1);
    if (perturbaciones) a.SetArista(2 * k + 1, 2 * k);
  }

  for (const auto& s : d.m_corrientes) AristasCorriente(a, s, E);
  for (const auto& s : d.m_servicios) AristasCorriente(a, s, E);

  std::int32_t primero = 2 * E;
  for (const auto& b : d.m_bifurcadas) {
    AristasBifurcacion(d, b, primero, a).Construir();
    primero += 2 * static_cast<std::int32_t>(b.nodos.size());
  }
}

}  // namespace

// ------------------------------------------------------------------ matrix

std::vector<std::int32_t> FirmaDiseno(const CDiagrama& d) {
  std::vector<std::int32_t> f;
  f.push_back(d.GetNumCambiadores());
  for (const auto& c : d.m_cambiadores) {
    f.push_back(c.ladoCaliente.ref);
    f.push_back(c.ladoFrio.ref);
  }
  auto lista = [&f](const CCorriente& s) {
    f.push_back(s.m_fria);
    f.push_back(static_cast<std::int32_t>(s.m_cambiadores.size()));
    for (std::uint32_t e : s.m_cambiadores) f.push_back(static_cast<std::int32_t>(e));
  };
  f.push_back(d.GetNumCorrientes());
  for (const auto& s : d.m_corrientes) lista(s);
  f.push_back(d.GetNumServicios());
  for (const auto& s : d.m_servicios) lista(s);
  f.push_back(static_cast<std::int32_t>(d.m_bifurcadas.size()));
  for (const auto& b : d.m_bifurcadas) {
    f.push_back(b.corriente.m_fria);
    f.push_back(static_cast<std::int32_t>(b.nodos.size()));
    for (const auto& n : b.nodos) {
      for (int i = CCuaterna::kEntrada; i <= CCuaterna::kSalida; ++i) f.push_back(n.Referencia(i));
    }
  }
  return f;
}

void ConstruirMAN(const CDiagrama& d, CArbol& a) {
  ConstruirNodos(d, a, false);
  const std::int32_t E = d.GetNumCambiadores();

  // Utilities among themselves: from the hot end of each hot utility's last
  // exchanger to the cold end of each cold utility's first exchanger.
  for (const auto& u : d.m_servicios) {
    const auto lu = Lista(u, E);
    if (!u.m_fria || lu.empty()) continue;
    for (const auto& v : d.m_servicios) {
      const auto lv = Lista(v, E);
      if (v.m_fria == u.m_fria || lv.empty()) continue;
      a.SetArista(2 * lv.back(), 2 * lu.front() + 1);
    }
  }

  // Heaters and coolers: the generic utility on their free side joins them in
  // one chain each; the utility link joins the first heater to the first
  // cooler.
  std::vector<std::int32_t> calentadores, enfriadores;
  for (std::int32_t k = 0; k < E; ++k) {
    const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(k)];
    if (c.ladoCaliente.ref == kRefGenerico) calentadores.push_back(k);
    if (c.ladoFrio.ref == kRefGenerico) enfriadores.push_back(k);
  }
  for (std::size_t i = 1; i < calentadores.size(); ++i)
    a.SetArista(2 * calentadores[i - 1], 2 * calentadores[i]);
  for (std::size_t i = 1; i < enfriadores.size(); ++i)
    a.SetArista(2 * enfriadores[i - 1] + 1, 2 * enfriadores[i] + 1);
  a.nodoEnlaceCaliente = kSinEnlace;
  a.nodoEnlaceFrio = kSinEnlace;
  if (!calentadores.empty() && !enfriadores.empty()) {
    const std::int32_t h = calentadores.front();
    const std::int32_t f = enfriadores.front();
    a.SetArista(2 * f + 1, 2 * h);
    a.nodoEnlaceCaliente = 2 * h;
    a.nodoEnlaceFrio = 2 * f + 1;
  }
  a.firma = FirmaDiseno(d);
}

void ConstruirMAN(CDiagrama& d) { ConstruirMAN(d, d.m_arbol); }

void ConstruirMANPerturbaciones(const CDiagrama& d, CArbol& a) { ConstruirNodos(d, a, true); }

void NombrarNodo(CDiagrama& d, std::int32_t nodo, const std::string& texto) {
  if (EnRango(nodo, d.m_arbol.nombres.size())) d.m_arbol.nombres[static_cast<std::size_t>(nodo)] = texto;
}

std::string TextoAnillosLimitados(std::size_t maximo) {
  char b[24];
  const std::string n(b, std::to_chars(b, b + sizeof b, maximo).ptr);
  return "Se han encontrado más de " + n + " anillos y sendas; sólo se muestran los primeros " + n + ".";
}

// ------------------------------------------------------------ chain picking

std::int32_t AddCambiadorAnillo(CDiagrama& d, std::int32_t i) {
  CLazoEnCurso& l = d.m_lazoEnCurso;
  if (!l.nodos.empty() && l.nodos.back() == static_cast<std::uint32_t>(i) + 1) {
    l.QuitarUltimo();
    return 0;
  }
  l.LlenarTablaCorrientes(d.m_corrientes, d.m_servicios, d.m_serviciosVisibles);
  if (!l.Anadir(d.m_cambiadores, i)) return 0;
  l.fuente = d.m_fuente;
  return l.Clasificar(d.m_cambiadores);
}

// ------------------------------------------------------------------ search

namespace {

// Both ends of an open chain lie on a utility: the generic one (-1) or a
// defined one (kRefServicio or more), a hot end at one side and a cold end at the
// other.
bool ExtremosDeSenda(const CCambiador& primero, const CCambiador& ultimo) {
  const std::int32_t ph = primero.ladoCaliente.ref, pf = primero.ladoFrio.ref;
  const std::int32_t uh = ultimo.ladoCaliente.ref, uf = ultimo.ladoFrio.ref;
  return (ph == kRefGenerico && uf == kRefGenerico) || (pf == kRefGenerico && uh == kRefGenerico) ||
         (EsServicio(ph) && EsServicio(uf)) || (EsServicio(pf) && EsServicio(uh));
}

// With the utilities shown, a chain is a path when it passes from a hot
// utility to a cold one: two neighbouring exchangers (in either order, the
// chain being closed) of which one has a utility on its hot side and the
// other a utility on its cold side.
bool EsSendaPorServicios(const std::vector<std::int32_t>& e, const std::vector<CCambiador>& red) {
  const std::size_t n = e.size();
  if (n == 0) return false;
  auto enlace = [&](std::size_t i, std::size_t j) {
    const CCambiador& a = red[static_cast<std::size_t>(e[i])];
    const CCambiador& b = red[static_cast<std::size_t>(e[j])];
    return (EsServicio(a.ladoCaliente.ref) && EsServicio(b.ladoFrio.ref)) ||
           (EsServicio(a.ladoFrio.ref) && EsServicio(b.ladoCaliente.ref));
  };
  for (std::size_t i = 0; i < n; ++i) {
    if (enlace(i, (i + 1) % n)) return true;
  }
  return false;
}

}  // namespace

std::int32_t BuscarAnillos(CDiagrama& d, UiPort& ui, const std::function<bool(std::size_t)>& cancelar) {
  CArbol& arbol = d.m_arbol;
  const std::int32_t E = d.GetNumCambiadores();
  ControlBusqueda control;
  control.cancelar = cancelar;

  // The graph and loops of an earlier search are used again only while the
  // design is the one they were built from and that search was not stopped.
  if (!d.m_grafoConstruido || arbol.firma != FirmaDiseno(d)) {
    ConstruirMAN(d);
    arbol.ArbolMaximo();
    arbol.BuscarAnillosYSendas(control);
    d.m_grafoConstruido = arbol.finBusqueda == FinBusqueda::Cancelada ? 0 : 1;
  }

  // The picked exchangers, in picking order; a closed chain's repeat of its
  // first exchanger adds nothing.
  std::vector<std::int32_t> elegidos;
  for (std::uint32_t n : d.m_lazoEnCurso.nodos) elegidos.push_back(static_cast<std::int32_t>(n) - 1);
  if (elegidos.size() >= 2 && elegidos.back() == elegidos.front()) elegidos.pop_back();

  // A list cut at the limit may lack loops through the picked exchangers:
  // those are searched by themselves.
  const ListaSecuencias* lista = &arbol.candidatos;
  FinBusqueda fin = arbol.finBusqueda;
  CArbol restringida;
  const bool enRango = std::all_of(elegidos.begin(), elegidos.end(),
                                   [E](std::int32_t e) { return e >= 0 && e < E; });
  if (fin == FinBusqueda::Limite && !elegidos.empty() && enRango) {
    restringida = arbol;
    fin = restringida.BuscarAnillosYSendas(control, elegidos);
    lista = &restringida.candidatos;
  }

  ListaSecuencias candidatos;
  SecuenciaNodos banderas;
  if (!lista->empty()) {
    candidatos.assign(lista->begin(), lista->end() - 1);
    banderas = lista->back();
  }
  banderas.resize(candidatos.size(), 0);

  // Candidates naming exchangers that no longer exist are left out.
  auto valido = [E](const SecuenciaNodos& c) {
    return !c.empty() && std::all_of(c.begin(), c.end(), [E](std::int32_t e) { return e >= 0 && e < E; });
  };

  if (d.m_serviciosVisibles) {
    for (std::size_t k = 0; k < candidatos.size(); ++k) {
      if (valido(candidatos[k])) banderas[k] = EsSendaPorServicios(candidatos[k], d.m_cambiadores) ? 1 : 0;
    }
  }

  std::vector<CLazo> encontrados;
  for (std::size_t k = 0; k < candidatos.size(); ++k) {
    std::vector<std::int32_t> e = candidatos[k];
    if (!valido(e) || !CArbol::ContieneSeguidos(e, elegidos)) continue;
    if (banderas[k]) {
      // A path is shown from one utility end to the other.
      for (std::size_t giro = 0; giro < e.size(); ++giro) {
        if (ExtremosDeSenda(d.m_cambiadores[static_cast<std::size_t>(e.front())],
                            d.m_cambiadores[static_cast<std::size_t>(e.back())])) {
          break;
        }
        std::rotate(e.begin(), e.begin() + 1, e.end());
      }
    } else {
      // A loop starts at its lowest-numbered exchanger and repeats it at its
      // end.
      std::rotate(e.begin(), std::min_element(e.begin(), e.end()), e.end());
      e.push_back(e.front());
    }
    CLazo l;
    l.cambiadores = e;
    for (std::int32_t x : e) l.nodos.push_back(static_cast<std::uint32_t>(x));
    l.cuenta = static_cast<std::int32_t>(e.size());
    l.fuente = d.m_fuente;
    encontrados.push_back(std::move(l));
  }
  d.m_lazos = std::move(encontrados);
  d.m_anilloActual = -1;
  AnilloSiguiente(d);
  if (fin == FinBusqueda::Limite) ui.Message(TextoAnillosLimitados(), MsgKind::Warning);
  if (fin == FinBusqueda::Cancelada) ui.Message(kTextoBusquedaInterrumpida, MsgKind::Information);
  return static_cast<std::int32_t>(d.m_lazos.size());
}

namespace {

// Loads found loop k into the chain under construction.
void CargarLazo(CDiagrama& d, std::size_t k) {
  const CLazo& r = d.m_lazos[k];
  CLazoEnCurso& l = d.m_lazoEnCurso;
  l.Vaciar();
  for (std::uint32_t n : r.nodos) {
    l.cambiadores.push_back(static_cast<std::int32_t>(n));
    l.nodos.push_back(n + 1);
  }
  l.cuenta = static_cast<std::int32_t>(l.nodos.size());
  l.fuente = d.m_fuente;
  l.LlenarTablaCorrientes(d.m_corrientes, d.m_servicios, 0);
}

}  // namespace

void AnilloSiguiente(CDiagrama& d) {
  if (d.m_lazos.empty()) return;
  std::int32_t k = d.m_anilloActual + 1;
  if (k < 0 || k >= static_cast<std::int32_t>(d.m_lazos.size())) k = 0;
  d.m_anilloActual = k;
  CargarLazo(d, static_cast<std::size_t>(k));
}

void AnilloAnterior(CDiagrama& d) {
  if (d.m_lazos.empty()) return;
  const auto n = static_cast<std::int32_t>(d.m_lazos.size());
  std::int32_t k = d.m_anilloActual - 1;
  if (k < 0 || k >= n) k = n - 1;
  d.m_anilloActual = k;
  CargarLazo(d, static_cast<std::size_t>(k));
}

void MostrarAnillo(CDiagrama& d, std::int32_t n) {
  if (d.m_lazos.empty()) return;
  // AnilloSiguiente steps from the one before record n (1-based) to it, and
  // from past the end to the first.
  d.m_anilloActual = n - 2;
  AnilloSiguiente(d);
}

void LimpiarAnillos(CDiagrama& d) {
  for (auto& b : d.m_bifurcadas) b.QuitarSeleccion();
  d.m_estadoAnillos = 0;
}

}  // namespace vardo
