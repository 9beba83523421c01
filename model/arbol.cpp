#include "model/arbol.h"

#include <algorithm>
#include <cstddef>
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

// Undirected edges of a closed node sequence, sorted.
std::vector<ClaveArista> AristasDe(const SecuenciaNodos& c) {
  std::vector<ClaveArista> e;
  const std::size_t n = c.size();
  if (n < 2) return e;
  e.reserve(n);
  for (std::size_t i = 0; i < n; ++i) e.push_back(Clave(c[i], c[(i + 1) % n]));
  std::sort(e.begin(), e.end());
  e.erase(std::unique(e.begin(), e.end()), e.end());
  return e;
}

// Successor and predecessor of each node inside a closed sequence.
struct Vecinos {
  std::unordered_map<std::int32_t, std::pair<std::int32_t, std::int32_t>> m;
  explicit Vecinos(const SecuenciaNodos& c) {
    const std::size_t n = c.size();
    for (std::size_t i = 0; i < n; ++i) m.emplace(c[i], std::make_pair(c[(i + 1) % n], c[(i + n - 1) % n]));
  }
  bool Siguiente(std::int32_t v, std::int32_t& w) const {
    auto it = m.find(v);
    if (it == m.end()) return false;
    w = it->second.first;
    return true;
  }
  bool Anterior(std::int32_t v, std::int32_t& w) const {
    auto it = m.find(v);
    if (it == m.end()) return false;
    w = it->second.second;
    return true;
  }
};

// Canonical form of a cyclic sequence up to rotation and reversal.
SecuenciaNodos Canonica(const SecuenciaNodos& s) {
  const std::size_t n = s.size();
  if (n == 0) return s;
  SecuenciaNodos mejor;
  for (int sentido = 0; sentido < 2; ++sentido) {
    SecuenciaNodos v = s;
    if (sentido == 1) std::reverse(v.begin(), v.end());
    for (std::size_t r = 0; r < n; ++r) {
      if (v[r] != *std::min_element(v.begin(), v.end())) continue;
      SecuenciaNodos rot(v.begin() + static_cast<std::ptrdiff_t>(r), v.end());
      rot.insert(rot.end(), v.begin(), v.begin() + static_cast<std::ptrdiff_t>(r));
      if (mejor.empty() || rot < mejor) mejor = std::move(rot);
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
  ultimasCombinaciones.clear();
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

// --------------------------------------------------------------- combining

std::uint64_t CArbol::Combinaciones(std::int32_t m) {
  if (m <= 1) return 0;
  if (m >= 64) return std::numeric_limits<std::uint64_t>::max();
  return ((std::uint64_t{1} << m) - 1) - static_cast<std::uint64_t>(m);
}

namespace {

enum class Combinacion { SinComun, Uno, Varios };

// Fills `e` with the sorted undirected edges of a closed sequence.
void AristasEn(const SecuenciaNodos& c, std::vector<ClaveArista>& e) {
  e.clear();
  const std::size_t n = c.size();
  if (n < 2) return;
  for (std::size_t i = 0; i < n; ++i) e.push_back(Clave(c[i], c[(i + 1) % n]));
  std::sort(e.begin(), e.end());
  e.erase(std::unique(e.begin(), e.end()), e.end());
}

// The fast path of the combination: whether two cycles share no edge, merge
// into exactly one loop (written to `unido`) or leave several sequences.
// Works in buffers of its own so the search does not allocate per pair. The
// merged loop is the one CombinarCiclos' general walk gives: it starts at the
// first node of `a` on it, leaves along a's next edge, else b's next, else
// a's previous, else b's previous, else towards its lowest neighbour.
Combinacion Fusionar(const SecuenciaNodos& a, const SecuenciaNodos& b, SecuenciaNodos& unido) {
  thread_local std::vector<ClaveArista> ea, eb, dif;
  thread_local std::vector<std::int32_t> nodos;
  thread_local std::vector<std::pair<std::int32_t, std::int32_t>> vecinos;
  AristasEn(a, ea);
  AristasEn(b, eb);
  dif.clear();
  std::size_t comunes = 0;
  {
    std::size_t i = 0, j = 0;
    while (i < ea.size() && j < eb.size()) {
      if (ea[i] == eb[j]) {
        ++comunes, ++i, ++j;
      } else if (ea[i] < eb[j]) {
        dif.push_back(ea[i++]);
      } else {
        dif.push_back(eb[j++]);
      }
    }
    while (i < ea.size()) dif.push_back(ea[i++]);
    while (j < eb.size()) dif.push_back(eb[j++]);
  }
  if (comunes == 0 || dif.empty()) return Combinacion::SinComun;

  // One loop: every node on exactly two of the edges, all of them in one walk.
  nodos.clear();
  for (ClaveArista e : dif) {
    nodos.push_back(static_cast<std::int32_t>(e >> 32));
    nodos.push_back(static_cast<std::int32_t>(e & 0xffffffffu));
  }
  std::sort(nodos.begin(), nodos.end());
  for (std::size_t i = 0; i < nodos.size(); i += 2) {
    if (nodos[i] != nodos[i + 1] || (i + 2 < nodos.size() && nodos[i + 2] == nodos[i])) {
      return Combinacion::Varios;
    }
  }
  nodos.erase(std::unique(nodos.begin(), nodos.end()), nodos.end());
  auto indice = [&](std::int32_t v) -> std::ptrdiff_t {
    auto it = std::lower_bound(nodos.begin(), nodos.end(), v);
    return (it != nodos.end() && *it == v) ? it - nodos.begin() : -1;
  };
  vecinos.assign(nodos.size(), {-1, -1});
  for (ClaveArista e : dif) {
    const auto u = static_cast<std::int32_t>(e >> 32);
    const auto v = static_cast<std::int32_t>(e & 0xffffffffu);
    auto poner = [&](std::int32_t x, std::int32_t y) {
      auto& p = vecinos[static_cast<std::size_t>(indice(x))];
      (p.first < 0 ? p.first : p.second) = y;
    };
    poner(u, v);
    poner(v, u);
  }
  auto esVecino = [&](std::int32_t x, std::int32_t y) {
    const auto& p = vecinos[static_cast<std::size_t>(indice(x))];
    return p.first == y || p.second == y;
  };

  // Start and first step.
  std::int32_t inicio = -1;
  for (std::int32_t v : a) {
    if (indice(v) >= 0) {
      inicio = v;
      break;
    }
  }
  if (inicio < 0) {
    for (std::int32_t v : b) {
      if (indice(v) >= 0) {
        inicio = v;
        break;
      }
    }
  }
  auto vecinosEn = [](const SecuenciaNodos& c, std::int32_t v, std::int32_t& sig, std::int32_t& ant) {
    const std::size_t n = c.size();
    for (std::size_t i = 0; i < n; ++i) {
      if (c[i] == v) {
        sig = c[(i + 1) % n];
        ant = c[(i + n - 1) % n];
        return true;
      }
    }
    return false;
  };
  std::int32_t sa = 0, aa = 0, sb = 0, ab = 0;
  const bool enA = vecinosEn(a, inicio, sa, aa);
  const bool enB = vecinosEn(b, inicio, sb, ab);
  std::int32_t siguiente;
  if (enA && esVecino(inicio, sa)) {
    siguiente = sa;
  } else if (enB && esVecino(inicio, sb)) {
    siguiente = sb;
  } else if (enA && esVecino(inicio, aa)) {
    siguiente = aa;
  } else if (enB && esVecino(inicio, ab)) {
    siguiente = ab;
  } else {
    const auto& p = vecinos[static_cast<std::size_t>(indice(inicio))];
    siguiente = std::min(p.first, p.second);
  }

  unido.clear();
  unido.push_back(inicio);
  std::int32_t anterior = inicio, actual = siguiente;
  while (actual != inicio && unido.size() <= nodos.size()) {
    unido.push_back(actual);
    const auto& p = vecinos[static_cast<std::size_t>(indice(actual))];
    const std::int32_t proximo = p.first == anterior ? p.second : p.first;
    anterior = actual;
    actual = proximo;
  }
  return unido.size() == nodos.size() ? Combinacion::Uno : Combinacion::Varios;
}

}  // namespace

ListaSecuencias CArbol::CombinarCiclos(const SecuenciaNodos& a, const SecuenciaNodos& b) {
  SecuenciaNodos unido;
  switch (Fusionar(a, b, unido)) {
    case Combinacion::SinComun: return {a, b};
    case Combinacion::Uno: return {std::move(unido)};
    case Combinacion::Varios: break;
  }
  const std::vector<ClaveArista> ea = AristasDe(a);
  const std::vector<ClaveArista> eb = AristasDe(b);
  std::vector<ClaveArista> comunes;
  std::set_intersection(ea.begin(), ea.end(), eb.begin(), eb.end(), std::back_inserter(comunes));
  if (comunes.empty()) return {a, b};
  std::vector<ClaveArista> dif;
  std::set_symmetric_difference(ea.begin(), ea.end(), eb.begin(), eb.end(), std::back_inserter(dif));
  if (dif.empty()) return {a, b};

  // Free edges by node.
  std::unordered_set<ClaveArista> libres(dif.begin(), dif.end());
  std::unordered_map<std::int32_t, std::vector<std::int32_t>> ady;
  for (ClaveArista e : dif) {
    const auto u = static_cast<std::int32_t>(e >> 32);
    const auto v = static_cast<std::int32_t>(e & 0xffffffffu);
    ady[u].push_back(v);
    ady[v].push_back(u);
  }
  for (auto& [v, l] : ady) std::sort(l.begin(), l.end());
  const Vecinos va(a), vb(b);

  // Next free edge from u: along a, then along b, forwards before backwards,
  // else the lowest neighbour.
  auto siguiente = [&](std::int32_t u, std::int32_t& w) {
    auto libre = [&](std::int32_t x) {
      if (!libres.count(Clave(u, x))) return false;
      w = x;
      return true;
    };
    std::int32_t x = 0;
    if (va.Siguiente(u, x) && libre(x)) return true;
    if (vb.Siguiente(u, x) && libre(x)) return true;
    if (va.Anterior(u, x) && libre(x)) return true;
    if (vb.Anterior(u, x) && libre(x)) return true;
    for (std::int32_t y : ady[u]) {
      if (libre(y)) return true;
    }
    return false;
  };

  ListaSecuencias resultado;
  SecuenciaNodos orden(a);
  orden.insert(orden.end(), b.begin(), b.end());
  for (std::int32_t inicio : orden) {
    std::int32_t w;
    while (siguiente(inicio, w)) {
      // Walk from inicio; every time the walk meets a node already on it,
      // the closed stretch is cut off as one sequence.
      SecuenciaNodos camino{inicio};
      std::unordered_map<std::int32_t, std::size_t> pos{{inicio, 0}};
      std::int32_t actual = inicio;
      while (siguiente(actual, w)) {
        libres.erase(Clave(actual, w));
        auto it = pos.find(w);
        if (it != pos.end()) {
          SecuenciaNodos ciclo(camino.begin() + static_cast<std::ptrdiff_t>(it->second), camino.end());
          for (std::size_t k = it->second + 1; k < camino.size(); ++k) pos.erase(camino[k]);
          camino.resize(it->second + 1);
          resultado.push_back(std::move(ciclo));
        } else {
          pos.emplace(w, camino.size());
          camino.push_back(w);
        }
        actual = w;
      }
    }
  }
  return resultado;
}

ListaSecuencias CArbol::CombinarConCiclo(const ListaSecuencias& grupo, const SecuenciaNodos& ciclo) const {
  SecuenciaNodos actual = ciclo;
  ListaSecuencias resto = grupo;
  SecuenciaNodos unido;
  for (bool otra = true; otra;) {
    otra = false;
    for (std::size_t i = 0; i < resto.size(); ++i) {
      if (Fusionar(resto[i], actual, unido) == Combinacion::Uno) {
        actual.swap(unido);
        resto.erase(resto.begin() + static_cast<std::ptrdiff_t>(i));
        otra = true;
        break;
      }
    }
  }
  ListaSecuencias resultado;
  resultado.reserve(resto.size() + 1);
  resultado.push_back(std::move(actual));
  for (auto& s : resto) resultado.push_back(std::move(s));
  return resultado;
}

void CArbol::CombinarCiclosFundamentales() {
  struct Marca {
    std::size_t ultimoCiclo;  // highest fundamental cycle in the set
    std::size_t grupo;        // sequences in the candidate's block
    bool union_;              // block of several sequences
  };
  const std::size_t m = ciclos.size();
  candidatos = ciclos;
  std::vector<Marca> marcas;
  marcas.reserve(m);
  for (std::size_t i = 0; i < m; ++i) marcas.push_back({i, 1, false});
  std::vector<std::size_t> notados;

  for (std::size_t s = 0; s < candidatos.size(); s += std::max<std::size_t>(marcas[s].grupo, 1)) {
    for (std::size_t f = marcas[s].ultimoCiclo + 1; f < m; ++f) {
      const ListaSecuencias grupo(candidatos.begin() + static_cast<std::ptrdiff_t>(s),
                                  candidatos.begin() + static_cast<std::ptrdiff_t>(s + marcas[s].grupo));
      ListaSecuencias r = CombinarConCiclo(grupo, ciclos[f]);
      const std::size_t n = r.size();
      // The result's first sequence becomes the last candidate of the block.
      for (auto it = r.rbegin(); it != r.rend(); ++it) {
        candidatos.push_back(std::move(*it));
        marcas.push_back({f, n, n > 1});
      }
      notados.push_back(candidatos.size() - 1);
    }
  }

  ultimasCombinaciones.clear();
  for (std::size_t k : notados) ultimasCombinaciones.push_back(candidatos[k]);

  ListaSecuencias quedan;
  for (std::size_t k = 0; k < candidatos.size(); ++k) {
    if (!marcas[k].union_) quedan.push_back(std::move(candidatos[k]));
  }
  candidatos = std::move(quedan);
}

// ------------------------------------------------ filtering and conversion

void CArbol::FiltrarNodos() {
  const std::int32_t limite = 2 * numCambiadores;
  for (std::size_t k = candidatos.size(); k-- > 0;) {
    SecuenciaNodos& c = candidatos[k];
    bool quitar = c.size() < 2;
    if (!quitar) {
      c.erase(std::remove_if(c.begin(), c.end(), [limite](std::int32_t v) { return v >= limite; }),
              c.end());
      const bool par = std::any_of(c.begin(), c.end(), [](std::int32_t v) { return v % 2 == 0; });
      const bool impar = std::any_of(c.begin(), c.end(), [](std::int32_t v) { return v % 2 != 0; });
      quitar = !(par && impar);
    }
    if (quitar) candidatos.erase(candidatos.begin() + static_cast<std::ptrdiff_t>(k));
  }
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

bool CArbol::BuscarAnillosYSendas() {
  CiclosFundamentales();
  if (static_cast<std::int32_t>(ciclos.size()) > kMaxCiclosFundamentales) {
    candidatos.clear();
    ultimasCombinaciones.clear();
    return false;
  }
  CombinarCiclosFundamentales();
  FiltrarNodos();
  ConvertirACambiadores();
  QuitarDuplicados();
  return true;
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
