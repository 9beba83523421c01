#include "model/arbol.h"

#include <algorithm>
#include <cstddef>
#include <deque>
#include <limits>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace vardo {

namespace {

using ClaveArista = std::uint64_t;  // undirected edge: smaller node high, larger low

ClaveArista Clave(std::int32_t a, std::int32_t b) {
  const auto lo = static_cast<std::uint32_t>(std::min(a, b));
  const auto hi = static_cast<std::uint32_t>(std::max(a, b));
  return (static_cast<std::uint64_t>(lo) << 32) | hi;
}

// Canonical form of a cyclic sequence up to rotation and reversal.
SecuenciaNodos Canonica(const SecuenciaNodos& s) {
  const std::size_t n = s.size();
  if (n == 0) return s;
  const std::int32_t menor = *std::min_element(s.begin(), s.end());
  SecuenciaNodos mejor, rot;
  for (int sentido = 0; sentido < 2; ++sentido) {
    SecuenciaNodos v = s;
    if (sentido == 1) std::reverse(v.begin(), v.end());
    for (std::size_t r = 0; r < n; ++r) {
      if (v[r] != menor) continue;
      rot.assign(v.begin() + static_cast<std::ptrdiff_t>(r), v.end());
      rot.insert(rot.end(), v.begin(), v.begin() + static_cast<std::ptrdiff_t>(r));
      if (mejor.empty() || rot < mejor) mejor.swap(rot);
    }
  }
  return mejor;
}

}  // namespace

// ------------------------------------------------------------------- matrix

void CArbol::Dimensionar(std::int32_t n) {
  if (n < 0) n = 0;
  matriz.assign(static_cast<std::size_t>(n), std::vector<std::uint32_t>(static_cast<std::size_t>(n), 0));
  nombres.assign(static_cast<std::size_t>(n), std::string());
}

void CArbol::SetArista(std::int32_t desde, std::int32_t hasta) {
  const std::int32_t n = NumNodos();
  if (desde < 0 || hasta < 0 || desde >= n || hasta >= n) return;
  auto& fila = matriz[static_cast<std::size_t>(hasta)];
  if (static_cast<std::size_t>(desde) < fila.size()) fila[static_cast<std::size_t>(desde)] = 1;
}

bool CArbol::Arista(std::int32_t desde, std::int32_t hasta) const {
  const std::int32_t n = NumNodos();
  if (desde < 0 || hasta < 0 || desde >= n || hasta >= n) return false;
  const auto& fila = matriz[static_cast<std::size_t>(hasta)];
  return static_cast<std::size_t>(desde) < fila.size() && fila[static_cast<std::size_t>(desde)] != 0;
}

// ----------------------------------------------------------- spanning forest

void CArbol::AnadirArista(std::int32_t hijo, std::int32_t padre) { aristas.emplace_back(hijo, padre); }

void CArbol::AnadirCuerda(std::int32_t a, std::int32_t b) { cuerdas.emplace_back(a, b); }

void CArbol::QuitarCuerda(std::int32_t a, std::int32_t b) {
  cuerdas.erase(std::remove_if(cuerdas.begin(), cuerdas.end(),
                               [&](const CConexion& c) {
                                 return (c.primero == a && c.segundo == b) ||
                                        (c.primero == b && c.segundo == a);
                               }),
                cuerdas.end());
}

std::int32_t CArbol::EsCuerda(std::int32_t a, std::int32_t b) const {
  for (const CConexion& c : cuerdas) {
    if ((c.primero == a && c.segundo == b) || (c.primero == b && c.segundo == a)) return 1;
  }
  return 0;
}

std::int32_t CArbol::EnComponente(std::int32_t nodo, std::int32_t componente) const {
  auto contiene = [nodo](const SecuenciaNodos& c) {
    return std::find(c.begin(), c.end(), nodo) != c.end();
  };
  if (componente == -1) {
    for (const auto& c : componentes)
      if (contiene(c)) return 1;
    return 0;
  }
  if (componente < 0 || static_cast<std::size_t>(componente) >= componentes.size()) return 0;
  return contiene(componentes[static_cast<std::size_t>(componente)]) ? 1 : 0;
}

std::int32_t CArbol::TotalEnComponentes() const {
  std::size_t total = 0;
  for (const auto& c : componentes) total += c.size();
  return static_cast<std::int32_t>(total);
}

void CArbol::VaciarBusqueda() {
  componentes.clear();
  aristas.clear();
  candidatos.clear();
  ciclos.clear();
  cuerdas.clear();
  finBusqueda = FinBusqueda::Completa;
}

void CArbol::LlenarCuerdas() {
  const std::int32_t n = NumNodos();
  const auto un = static_cast<std::size_t>(n);
  std::vector<char> listada(un * un, 0);
  for (std::int32_t i = 0; i < n; ++i) {
    for (std::int32_t j = 0; j < n; ++j) {
      if (i == j || !Arista(j, i)) continue;  // entry [i][j]
      const std::size_t a = static_cast<std::size_t>(std::min(i, j));
      const std::size_t b = static_cast<std::size_t>(std::max(i, j));
      if (listada[a * un + b]) continue;
      listada[a * un + b] = 1;
      AnadirCuerda(i, j);
    }
  }
}

std::int32_t CArbol::ArbolMaximo() {
  VaciarBusqueda();
  // Every undirected edge once, as a chord for now.
  LlenarCuerdas();
  const std::int32_t n = NumNodos();
  const auto un = static_cast<std::size_t>(n);

  // Breadth-first components; each tree edge stops being a chord.
  std::vector<char> colocado(un, 0);
  std::int32_t colocados = 0;
  std::int32_t siguienteLibre = 0;
  while (colocados < n) {
    while (colocado[static_cast<std::size_t>(siguienteLibre)]) ++siguienteLibre;
    componentes.push_back({siguienteLibre});
    colocado[static_cast<std::size_t>(siguienteLibre)] = 1;
    ++colocados;
    SecuenciaNodos& comp = componentes.back();
    for (std::size_t k = 0; k < comp.size() && static_cast<std::int32_t>(comp.size()) < n; ++k) {
      const std::int32_t u = comp[k];
      for (std::int32_t w = 0; w < n; ++w) {
        if (colocado[static_cast<std::size_t>(w)] || !Unidos(u, w)) continue;
        comp.push_back(w);
        colocado[static_cast<std::size_t>(w)] = 1;
        ++colocados;
        AnadirArista(w, u);
        QuitarCuerda(w, u);
      }
    }
  }
  return colocados;
}

void CArbol::CaminoARaiz(std::int32_t nodo) {
  ruta.clear();
  std::int32_t raiz = -1;
  for (const auto& c : componentes) {
    if (std::find(c.begin(), c.end(), nodo) != c.end()) {
      raiz = c.front();
      break;
    }
  }
  if (raiz < 0) {
    ruta.push_back(static_cast<std::uint32_t>(nodo));
    return;
  }
  // Each node is the child of one tree edge at most; the walk is bounded by
  // the number of edges so a damaged tree cannot make it loop.
  std::unordered_map<std::int32_t, std::int32_t> padre;
  for (const CConexion& a : aristas) padre.emplace(a.primero, a.segundo);
  std::int32_t actual = nodo;
  for (std::size_t pasos = 0; actual != raiz && pasos <= aristas.size(); ++pasos) {
    ruta.push_back(static_cast<std::uint32_t>(actual));
    auto it = padre.find(actual);
    if (it == padre.end()) break;
    actual = it->second;
  }
  ruta.push_back(static_cast<std::uint32_t>(raiz));
}

void CArbol::CiclosFundamentales() {
  ciclos.clear();
  for (const CConexion& c : cuerdas) {
    CaminoARaiz(c.primero);
    SecuenciaNodos a(ruta.rbegin(), ruta.rend());
    CaminoARaiz(c.segundo);
    SecuenciaNodos b(ruta.rbegin(), ruta.rend());
    // Drop the common stretch from the root; the last node dropped is where
    // the two tree routes meet.
    std::size_t comun = 0;
    std::int32_t encuentro = 0;
    do {
      encuentro = a[comun];
      ++comun;
    } while (comun < a.size() && comun < b.size() && a[comun] == b[comun]);
    SecuenciaNodos ciclo(a.rbegin(), a.rend() - static_cast<std::ptrdiff_t>(comun));
    ciclo.push_back(encuentro);
    ciclo.insert(ciclo.end(), b.begin() + static_cast<std::ptrdiff_t>(comun), b.end());
    ciclos.push_back(std::move(ciclo));
  }
}

// --------------------------------------------------------------- loop search

namespace {

struct HashSecuencia {
  std::size_t operator()(const SecuenciaNodos& s) const {
    std::uint64_t h = 1469598103934665603ull;
    for (std::int32_t v : s) {
      h ^= static_cast<std::uint32_t>(v);
      h *= 1099511628211ull;
    }
    return static_cast<std::size_t>(h);
  }
};

// Order of two chord sets (chord numbers sorted): fewer chords first, sets
// of one size by their numbers in order.
bool AntesEnOrden(const std::vector<std::int32_t>& a, const std::vector<std::int32_t>& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

// The simple cycles of the loop graph, edges taken as undirected.
//
// Every cycle is met from one start only: its lowest node s followed by the
// lower, a, of its two neighbours there; the cycle is then a path s, a, ...,
// x, back to s, with x > a and no node below s. For one start those paths are
// the circuits through s of Johnson's search on the directed graph with the
// arc s -> a, the arcs x -> s (x a neighbour of s above a) and both arcs of
// every other edge: a node from which s cannot be reached again stays blocked
// until a node it leads to is freed, so every branch of the search ends in a
// cycle and the work grows with the cycles found (plus one pass over the
// graph per start).
//
// Restricted to the chains in which exchangers c0, c1, ... lie one after
// another, the start is c0's hot end followed by its cold end (and, with two
// or more, also the other way round), and the path must first cross c1, c2,
// ... in that order, crossing no other exchanger in between; from the end of
// that stretch the search goes on as above towards the start, closing from
// any neighbour of it.
//
// When the cycles outnumber the limit the search runs again by levels: the
// cycles of 1 chord, then 2, and so on, each level a depth-first search that
// extends the path only while the start can still be reached with no more
// chords than the level allows (a 0-1 breadth-first search from the start
// around the path), until the limit is reached. The list kept thus holds
// every cycle with fewer chords than its last one.
class Enumerador {
 public:
  Enumerador(const CArbol& arbol, const ControlBusqueda& control, const SecuenciaNodos& seguidos);
  FinBusqueda Ejecutar();
  // The cycles found in order, each from the first end of its lowest chord
  // to the other end.
  ListaSecuencias Resultado();

 private:
  static constexpr std::int32_t kInf = std::numeric_limits<std::int32_t>::max() / 2;
  static constexpr std::uint64_t kPasosEntreSondeos = 4096;

  struct Vecino {
    std::int32_t nodo;
    std::int32_t cuerda;  // chord number of the edge; -1 for a tree edge
  };
  struct Inicio {
    std::int32_t s;        // start node
    std::int32_t a;        // first step
    std::int32_t cuerdaA;  // chord number of the edge s-a
    std::int32_t minimo;   // lowest node a cycle may hold
    bool soloMayores;      // the cycle comes back to s only from nodes above a
  };
  struct Hallado {
    SecuenciaNodos nodos;
    std::vector<std::int32_t> cuerdas;  // sorted
  };
  struct Marco {
    std::int32_t v;
    std::size_t i;  // next neighbour (or next step of the level search) to try
    bool hallado;   // a cycle was closed beyond this node (Johnson)
  };
  enum class Paso { Sigue, Para };

  bool Cierra(const Inicio& z, std::int32_t x) const {
    return x != z.a && x >= z.minimo && (!z.soloMayores || x > z.a);
  }
  static std::int32_t Coste(std::int32_t cuerda) { return cuerda >= 0 ? 1 : 0; }
  // The exchanger whose two ends x and y are, or -1.
  std::int32_t Cruza(std::int32_t x, std::int32_t y) const {
    return x / 2 == y / 2 && x < 2 * arbol_.numCambiadores ? x / 2 : -1;
  }

  Paso Recorrer(const Inicio& z);
  Paso Tramo(const Inicio& z, std::size_t siguiente);
  Paso Johnson(const Inicio& z);
  void Desbloquear(std::int32_t u);
  Paso Nivel(const Inicio& z);
  Paso Ramas(const Inicio& z);
  void Distancias(const Inicio& z);
  void Poner(std::int32_t v, std::int32_t cuerda);
  void Quitar();
  Paso Anotar(std::int32_t cuerdaCierre);
  Paso Sondear();

  const CArbol& arbol_;
  const ControlBusqueda& control_;
  const SecuenciaNodos& seguidos_;
  std::int32_t n_ = 0;
  std::int32_t numCuerdas_ = 0;
  std::vector<std::vector<Vecino>> ady_;
  std::vector<Inicio> inicios_;

  // The path being extended, the chord number of each of its edges and the
  // chords on it.
  SecuenciaNodos camino_;
  std::vector<std::int32_t> cuerdasCamino_;
  std::vector<char> enCamino_;
  std::int32_t usadas_ = 0;
  std::vector<Marco> pila_;

  std::vector<char> bloqueado_;
  std::vector<SecuenciaNodos> esperan_;  // Johnson's lists: nodes freed with this one
  std::vector<std::int32_t> liberar_;

  std::int32_t nivel_ = 0;                       // 0: first search; else chords per cycle
  std::vector<std::int32_t> dist_;               // fewest chords back to the start
  std::vector<char> pendiente_;                  // neighbours of the path's end not yet settled
  std::deque<std::int32_t> cola_;
  std::vector<std::vector<Vecino>> siguientes_;  // level search: the steps left at each depth

  std::vector<Hallado> hallados_;
  std::unordered_map<SecuenciaNodos, std::size_t, HashSecuencia> vistos_;  // chain -> index
  std::size_t limite_ = 0;  // the search stops when it has found this many chains
  std::uint64_t pasos_ = 0;
  bool cancelada_ = false;
  bool lleno_ = false;
};

Enumerador::Enumerador(const CArbol& arbol, const ControlBusqueda& control, const SecuenciaNodos& seguidos)
    : arbol_(arbol), control_(control), seguidos_(seguidos), n_(arbol.NumNodos()) {
  std::unordered_map<ClaveArista, std::int32_t> numero;
  for (std::size_t c = 0; c < arbol.cuerdas.size(); ++c) {
    numero.emplace(Clave(arbol.cuerdas[c].primero, arbol.cuerdas[c].segundo), static_cast<std::int32_t>(c));
  }
  numCuerdas_ = static_cast<std::int32_t>(arbol.cuerdas.size());
  const auto un = static_cast<std::size_t>(n_);
  ady_.assign(un, {});
  for (std::int32_t i = 0; i < n_; ++i) {
    for (std::int32_t j = i + 1; j < n_; ++j) {
      if (!arbol.Unidos(i, j)) continue;
      auto it = numero.find(Clave(i, j));
      const std::int32_t c = it == numero.end() ? -1 : it->second;
      ady_[static_cast<std::size_t>(i)].push_back({j, c});
      ady_[static_cast<std::size_t>(j)].push_back({i, c});
    }
  }
  if (seguidos.empty()) {
    for (std::int32_t s = 0; s < n_; ++s) {
      for (const Vecino& a : ady_[static_cast<std::size_t>(s)]) {
        if (a.nodo > s) inicios_.push_back({s, a.nodo, a.cuerda, s, true});
      }
    }
  } else {
    const std::int32_t c = seguidos.front();
    const bool valido = std::all_of(seguidos.begin(), seguidos.end(), [&](std::int32_t e) {
      return e >= 0 && e < arbol.numCambiadores && 2 * e + 1 < n_;
    });
    for (const Vecino& a : valido ? ady_[static_cast<std::size_t>(2 * c)] : std::vector<Vecino>{}) {
      if (a.nodo != 2 * c + 1) continue;
      inicios_.push_back({2 * c, 2 * c + 1, a.cuerda, 0, false});
      if (seguidos.size() >= 2) inicios_.push_back({2 * c + 1, 2 * c, a.cuerda, 0, false});
    }
  }
  enCamino_.assign(un, 0);
  bloqueado_.assign(un, 0);
  esperan_.assign(un, {});
  dist_.assign(un, kInf);
  pendiente_.assign(un, 0);
}

FinBusqueda Enumerador::Ejecutar() {
  const std::size_t maximo = std::max<std::size_t>(control_.maximo, 1);
  // One chain past the limit tells that there are more.
  limite_ = maximo + 1;
  nivel_ = 0;
  for (const Inicio& z : inicios_) {
    if (Recorrer(z) == Paso::Para) break;
  }
  if (cancelada_) return FinBusqueda::Cancelada;
  if (!lleno_) return FinBusqueda::Completa;

  hallados_.clear();
  vistos_.clear();
  lleno_ = false;
  limite_ = maximo;
  for (nivel_ = 1; nivel_ <= numCuerdas_ && !lleno_ && !cancelada_; ++nivel_) {
    for (const Inicio& z : inicios_) {
      if (Recorrer(z) == Paso::Para) break;
    }
  }
  if (cancelada_) return FinBusqueda::Cancelada;
  return lleno_ ? FinBusqueda::Limite : FinBusqueda::Completa;
}

ListaSecuencias Enumerador::Resultado() {
  std::sort(hallados_.begin(), hallados_.end(),
            [](const Hallado& x, const Hallado& y) { return AntesEnOrden(x.cuerdas, y.cuerdas); });
  ListaSecuencias r;
  r.reserve(hallados_.size());
  for (Hallado& h : hallados_) {
    SecuenciaNodos& c = h.nodos;
    if (!h.cuerdas.empty()) {
      const CConexion& cuerda = arbol_.cuerdas[static_cast<std::size_t>(h.cuerdas.front())];
      auto it = std::find(c.begin(), c.end(), cuerda.primero);
      if (it != c.end()) {
        std::rotate(c.begin(), it, c.end());
        if (c.size() > 2 && c[1] == cuerda.segundo) std::reverse(c.begin() + 1, c.end());
      }
    }
    r.push_back(std::move(c));
  }
  return r;
}

void Enumerador::Poner(std::int32_t v, std::int32_t cuerda) {
  camino_.push_back(v);
  cuerdasCamino_.push_back(cuerda);
  enCamino_[static_cast<std::size_t>(v)] = 1;
  usadas_ += Coste(cuerda);
}

void Enumerador::Quitar() {
  enCamino_[static_cast<std::size_t>(camino_.back())] = 0;
  usadas_ -= Coste(cuerdasCamino_.back());
  camino_.pop_back();
  cuerdasCamino_.pop_back();
}

Enumerador::Paso Enumerador::Recorrer(const Inicio& z) {
  camino_.assign(1, z.s);
  cuerdasCamino_.clear();
  usadas_ = 0;
  enCamino_[static_cast<std::size_t>(z.s)] = 1;
  Poner(z.a, z.cuerdaA);
  const Paso paso = Tramo(z, 1);
  Quitar();
  enCamino_[static_cast<std::size_t>(z.s)] = 0;
  return paso;
}

// The stretch through the picked exchangers after the first: paths that
// cross no exchanger but the next picked one, until all are crossed; then
// the search proper from there.
Enumerador::Paso Enumerador::Tramo(const Inicio& z, std::size_t siguiente) {
  if (siguiente >= seguidos_.size()) return nivel_ == 0 ? Johnson(z) : Nivel(z);
  const std::int32_t v = camino_.back();
  for (const Vecino& w : ady_[static_cast<std::size_t>(v)]) {
    if (w.nodo == z.s || enCamino_[static_cast<std::size_t>(w.nodo)]) continue;
    if (nivel_ > 0 && usadas_ + Coste(w.cuerda) > nivel_) continue;
    const std::int32_t cruza = Cruza(v, w.nodo);
    if (cruza >= 0 && cruza != seguidos_[siguiente]) continue;
    if (Sondear() == Paso::Para) return Paso::Para;
    Poner(w.nodo, w.cuerda);
    const Paso paso = Tramo(z, siguiente + (cruza >= 0 ? 1 : 0));
    Quitar();
    if (paso == Paso::Para) return Paso::Para;
  }
  return Paso::Sigue;
}

// Johnson's search from the end of the path back to the start, the path's
// nodes blocked.
Enumerador::Paso Enumerador::Johnson(const Inicio& z) {
  for (std::int32_t v = z.minimo; v < n_; ++v) {
    bloqueado_[static_cast<std::size_t>(v)] = enCamino_[static_cast<std::size_t>(v)];
    esperan_[static_cast<std::size_t>(v)].clear();
  }
  pila_.assign(1, {camino_.back(), 0, false});
  Paso paso = Paso::Sigue;
  while (!pila_.empty() && paso == Paso::Sigue) {
    Marco& m = pila_.back();
    const auto& vecinos = ady_[static_cast<std::size_t>(m.v)];
    if (m.i < vecinos.size()) {
      const Vecino w = vecinos[m.i++];
      if (w.nodo == z.s) {
        if (Cierra(z, m.v)) {
          m.hallado = true;
          paso = Anotar(w.cuerda);
        }
      } else if (w.nodo >= z.minimo && !bloqueado_[static_cast<std::size_t>(w.nodo)] &&
                 !enCamino_[static_cast<std::size_t>(w.nodo)]) {
        paso = Sondear();
        bloqueado_[static_cast<std::size_t>(w.nodo)] = 1;
        Poner(w.nodo, w.cuerda);
        pila_.push_back({w.nodo, 0, false});
      }
      continue;
    }
    // Every neighbour tried: a node that led to a cycle is freed with the
    // nodes waiting on it; one that did not waits on its neighbours.
    const std::int32_t v = m.v;
    const bool hallado = m.hallado;
    if (hallado) {
      Desbloquear(v);
    } else {
      for (const Vecino& w : vecinos) {
        if (w.nodo < z.minimo || w.nodo == z.s) continue;
        SecuenciaNodos& e = esperan_[static_cast<std::size_t>(w.nodo)];
        if (std::find(e.begin(), e.end(), v) == e.end()) e.push_back(v);
      }
    }
    pila_.pop_back();
    if (pila_.empty()) break;  // the path's own end stays for the caller
    Quitar();
    if (hallado) pila_.back().hallado = true;
  }
  // Stopped midway: back to the path's own end.
  while (pila_.size() > 1) {
    pila_.pop_back();
    Quitar();
  }
  pila_.clear();
  return paso;
}

void Enumerador::Desbloquear(std::int32_t u) {
  bloqueado_[static_cast<std::size_t>(u)] = 0;
  liberar_.assign(1, u);
  while (!liberar_.empty()) {
    const std::int32_t x = liberar_.back();
    liberar_.pop_back();
    SecuenciaNodos& e = esperan_[static_cast<std::size_t>(x)];
    for (std::int32_t w : e) {
      if (bloqueado_[static_cast<std::size_t>(w)] && !enCamino_[static_cast<std::size_t>(w)]) {
        bloqueado_[static_cast<std::size_t>(w)] = 0;
        liberar_.push_back(w);
      }
    }
    e.clear();
  }
}

// The level search from the end of the path back to the start.
Enumerador::Paso Enumerador::Nivel(const Inicio& z) {
  pila_.assign(1, {camino_.back(), 0, false});
  Paso paso = Ramas(z);
  while (!pila_.empty() && paso == Paso::Sigue) {
    Marco& m = pila_.back();
    const auto& pasosLibres = siguientes_[pila_.size() - 1];
    if (m.i < pasosLibres.size()) {
      const Vecino w = pasosLibres[m.i++];
      paso = Sondear();
      if (paso == Paso::Para) break;
      Poner(w.nodo, w.cuerda);
      pila_.push_back({w.nodo, 0, false});
      paso = Ramas(z);
      continue;
    }
    pila_.pop_back();
    if (!pila_.empty()) Quitar();
  }
  while (pila_.size() > 1) {
    pila_.pop_back();
    Quitar();
  }
  pila_.clear();
  return paso;
}

// Closes the cycles of the level from the path's end and lists the steps
// from which the start can still be reached within the level.
Enumerador::Paso Enumerador::Ramas(const Inicio& z) {
  if (siguientes_.size() < pila_.size()) siguientes_.resize(pila_.size());
  std::vector<Vecino>& pasosLibres = siguientes_[pila_.size() - 1];
  pasosLibres.clear();
  Distancias(z);
  const std::int32_t v = camino_.back();
  for (const Vecino& w : ady_[static_cast<std::size_t>(v)]) {
    const std::int32_t coste = usadas_ + Coste(w.cuerda);
    if (w.nodo == z.s) {
      if (Cierra(z, v) && coste == nivel_ && Anotar(w.cuerda) == Paso::Para) return Paso::Para;
    } else if (w.nodo >= z.minimo && !enCamino_[static_cast<std::size_t>(w.nodo)] &&
               coste + dist_[static_cast<std::size_t>(w.nodo)] <= nivel_) {
      pasosLibres.push_back(w);
    }
  }
  return Paso::Sigue;
}

// Fewest chords from each node back to the start around the path, settled
// for the neighbours of the path's end: the breadth-first search stops once
// they all are, or once it is past the chords the level has left.
void Enumerador::Distancias(const Inicio& z) {
  std::fill(dist_.begin() + z.minimo, dist_.end(), kInf);
  const std::int32_t v = camino_.back();
  std::int32_t pendientes = 0;
  for (const Vecino& w : ady_[static_cast<std::size_t>(v)]) {
    const auto i = static_cast<std::size_t>(w.nodo);
    if (w.nodo != z.s && w.nodo >= z.minimo && !enCamino_[i] && !pendiente_[i]) {
      pendiente_[i] = 1;
      ++pendientes;
    }
  }
  const std::int32_t margen = nivel_ - usadas_;
  cola_.clear();
  auto poner = [&](std::int32_t w, std::int32_t d, std::int32_t coste) {
    auto& dw = dist_[static_cast<std::size_t>(w)];
    if (d >= dw || d > margen) return;
    dw = d;
    if (coste == 0) {
      cola_.push_front(w);
    } else {
      cola_.push_back(w);
    }
  };
  for (const Vecino& x : ady_[static_cast<std::size_t>(z.s)]) {
    if (Cierra(z, x.nodo) && !enCamino_[static_cast<std::size_t>(x.nodo)]) {
      poner(x.nodo, Coste(x.cuerda), Coste(x.cuerda));
    }
  }
  while (!cola_.empty() && pendientes > 0) {
    const std::int32_t u = cola_.front();
    cola_.pop_front();
    const std::int32_t du = dist_[static_cast<std::size_t>(u)];
    if (pendiente_[static_cast<std::size_t>(u)]) {
      // Popped in order of distance: settled.
      pendiente_[static_cast<std::size_t>(u)] = 0;
      --pendientes;
    }
    for (const Vecino& w : ady_[static_cast<std::size_t>(u)]) {
      if (w.nodo < z.minimo || enCamino_[static_cast<std::size_t>(w.nodo)]) continue;
      poner(w.nodo, du + Coste(w.cuerda), Coste(w.cuerda));
    }
  }
  for (const Vecino& w : ady_[static_cast<std::size_t>(v)]) pendiente_[static_cast<std::size_t>(w.nodo)] = 0;
}

Enumerador::Paso Enumerador::Anotar(std::int32_t cuerdaCierre) {
  SecuenciaNodos cambiadores = arbol_.CambiadoresDe(camino_);
  if (cambiadores.empty()) return Paso::Sigue;
  if (!seguidos_.empty() && !CArbol::ContieneSeguidos(cambiadores, seguidos_)) return Paso::Sigue;
  std::vector<std::int32_t> cuerdas;
  for (std::int32_t c : cuerdasCamino_) {
    if (c >= 0) cuerdas.push_back(c);
  }
  if (cuerdaCierre >= 0) cuerdas.push_back(cuerdaCierre);
  std::sort(cuerdas.begin(), cuerdas.end());
  // One chain of exchangers may be named by several cycles (through split
  // nodes, or passing a stream twice); the first in order stands for it.
  auto [it, nuevo] = vistos_.try_emplace(Canonica(cambiadores), hallados_.size());
  if (!nuevo) {
    Hallado& h = hallados_[it->second];
    if (AntesEnOrden(cuerdas, h.cuerdas)) {
      h.nodos = camino_;
      h.cuerdas = std::move(cuerdas);
    }
    return Paso::Sigue;
  }
  hallados_.push_back({camino_, std::move(cuerdas)});
  if (hallados_.size() >= limite_) {
    lleno_ = true;
    return Paso::Para;
  }
  return Paso::Sigue;
}

Enumerador::Paso Enumerador::Sondear() {
  if (++pasos_ % kPasosEntreSondeos != 0 || !control_.cancelar) return Paso::Sigue;
  if (!control_.cancelar(hallados_.size())) return Paso::Sigue;
  cancelada_ = true;
  return Paso::Para;
}

}  // namespace

FinBusqueda CArbol::CiclosDelGrafo(const ControlBusqueda& control, const SecuenciaNodos& seguidos) {
  Enumerador e(*this, control, seguidos);
  finBusqueda = e.Ejecutar();
  candidatos = e.Resultado();
  return finBusqueda;
}

// ------------------------------------------------ filtering and conversion

namespace {

// Removes the split nodes (limite and above) from a node sequence; false when
// it is left without a hot end or without a cold end.
bool SinNodosDeDivision(SecuenciaNodos& c, std::int32_t limite) {
  c.erase(std::remove_if(c.begin(), c.end(), [limite](std::int32_t v) { return v >= limite; }), c.end());
  const bool par = std::any_of(c.begin(), c.end(), [](std::int32_t v) { return v % 2 == 0; });
  const bool impar = std::any_of(c.begin(), c.end(), [](std::int32_t v) { return v % 2 != 0; });
  return par && impar;
}

}  // namespace

void CArbol::FiltrarNodos() {
  const std::int32_t limite = 2 * numCambiadores;
  std::size_t quedan = 0;
  for (SecuenciaNodos& c : candidatos) {
    if (c.size() < 2 || !SinNodosDeDivision(c, limite)) continue;
    if (&candidatos[quedan] != &c) candidatos[quedan] = std::move(c);
    ++quedan;
  }
  candidatos.resize(quedan);
}

SecuenciaNodos CArbol::ParearNodos(const SecuenciaNodos& nodos, bool cerrada) {
  // An exchanger belongs to the chain when its two ends lie side by side in
  // the sequence. In a closed sequence the last and the first node are side
  // by side too; that pair is taken first. Only nodes that are neighbours in
  // the sequence are paired: two ends that merely become first and last after
  // others were consumed are not (that would add an exchanger the loop only
  // passes by).
  SecuenciaNodos salida;
  std::size_t i = 0;
  std::size_t fin = nodos.size();
  if (cerrada && fin >= 2 && nodos[0] / 2 != nodos[1] / 2 && nodos[0] / 2 == nodos[fin - 1] / 2) {
    salida.push_back(nodos[0] / 2);
    i = 1;
    --fin;
  }
  while (fin - i >= 2) {
    if (nodos[i] / 2 == nodos[i + 1] / 2) {
      salida.push_back(nodos[i] / 2);
      i += 2;
    } else {
      ++i;
    }
  }
  return salida;
}

SecuenciaNodos CArbol::CambiadoresDe(SecuenciaNodos nodos) const {
  if (nodos.size() < 2 || !SinNodosDeDivision(nodos, 2 * numCambiadores)) return {};
  return ParearNodos(nodos, true);
}

bool CArbol::ContieneSeguidos(const SecuenciaNodos& cambiadores, const SecuenciaNodos& elegidos) {
  const std::size_t L = cambiadores.size();
  std::vector<std::size_t> pos;
  for (std::int32_t c : elegidos) {
    auto it = std::find(cambiadores.begin(), cambiadores.end(), c);
    if (it == cambiadores.end()) return false;
    pos.push_back(static_cast<std::size_t>(it - cambiadores.begin()));
  }
  if (pos.size() < 2) return true;
  bool adelante = true, atras = true;
  for (std::size_t i = 0; i < pos.size(); ++i) {
    adelante = adelante && pos[i] == (pos[0] + i) % L;
    atras = atras && pos[i] == (pos[0] + L * pos.size() - i) % L;
  }
  return adelante || atras;
}

void CArbol::ConvertirACambiadores() {
  SecuenciaNodos banderas(candidatos.size(), 0);
  if (nodoEnlaceCaliente < kSinEnlace && nodoEnlaceFrio < kSinEnlace) {
    auto esEnlace = [&](std::int32_t x, std::int32_t y) {
      return (x == nodoEnlaceCaliente && y == nodoEnlaceFrio) ||
             (x == nodoEnlaceFrio && y == nodoEnlaceCaliente);
    };
    for (std::size_t k = 0; k < candidatos.size(); ++k) {
      const SecuenciaNodos& c = candidatos[k];
      if (c.empty()) continue;
      bool senda = esEnlace(c.front(), c.back());
      for (std::size_t i = 0; !senda && i + 1 < c.size(); ++i) senda = esEnlace(c[i], c[i + 1]);
      banderas[k] = senda ? 1 : 0;
    }
  }
  ListaSecuencias convertidos;
  SecuenciaNodos banderasQuedan;
  for (std::size_t k = 0; k < candidatos.size(); ++k) {
    SecuenciaNodos e = ParearNodos(candidatos[k], true);
    // A sequence in which no exchanger's two ends lie side by side names no
    // chain of exchangers.
    if (e.empty()) continue;
    convertidos.push_back(std::move(e));
    banderasQuedan.push_back(banderas[k]);
  }
  convertidos.push_back(std::move(banderasQuedan));
  candidatos = std::move(convertidos);
}

void CArbol::QuitarDuplicados() {
  if (candidatos.empty()) return;
  SecuenciaNodos banderas = std::move(candidatos.back());
  candidatos.pop_back();
  banderas.resize(candidatos.size(), 0);
  // The earliest of every set of equal cyclic sequences stays.
  std::set<SecuenciaNodos> vistos;
  ListaSecuencias quedan;
  SecuenciaNodos banderasQuedan;
  for (std::size_t k = 0; k < candidatos.size(); ++k) {
    if (!vistos.insert(Canonica(candidatos[k])).second) continue;
    quedan.push_back(std::move(candidatos[k]));
    banderasQuedan.push_back(banderas[k]);
  }
  quedan.push_back(std::move(banderasQuedan));
  candidatos = std::move(quedan);
}

FinBusqueda CArbol::BuscarAnillosYSendas(const ControlBusqueda& control, const SecuenciaNodos& seguidos) {
  CiclosFundamentales();
  const FinBusqueda fin = CiclosDelGrafo(control, seguidos);
  FiltrarNodos();
  ConvertirACambiadores();
  QuitarDuplicados();
  return fin;
}

// -------------------------------------------------------- disturbance route

void CArbol::BuscarCaminos(std::int32_t inicio, std::int32_t fin) {
  // Chords as in ArbolMaximo; the tree edges of the walk leave them.
  VaciarBusqueda();
  LlenarCuerdas();
  const std::int32_t n = NumNodos();
  const auto un = static_cast<std::size_t>(n);
  perturbacion.clear();
  if (inicio < 0 || inicio >= n || fin < 0 || fin >= n) return;

  // Directed breadth-first walk: from u to every w with an edge u -> w.
  std::vector<char> visto(un, 0);
  componentes.push_back({inicio});
  visto[static_cast<std::size_t>(inicio)] = 1;
  SecuenciaNodos& comp = componentes.back();
  for (std::size_t k = 0; k < comp.size(); ++k) {
    const std::int32_t u = comp[k];
    for (std::int32_t w = 0; w < n; ++w) {
      if (visto[static_cast<std::size_t>(w)] || !Arista(u, w)) continue;
      comp.push_back(w);
      visto[static_cast<std::size_t>(w)] = 1;
      AnadirArista(w, u);
      QuitarCuerda(w, u);
    }
  }
  if (!visto[static_cast<std::size_t>(fin)]) return;

  CaminoARaiz(fin);
  SecuenciaNodos nodos;
  for (std::uint32_t v : ruta) {
    if (static_cast<std::int32_t>(v) < 2 * numCambiadores) nodos.push_back(static_cast<std::int32_t>(v));
  }
  perturbacion.push_back(ParearNodos(nodos, false));
}

}  // namespace vardo
