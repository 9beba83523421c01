// The loops of a network graph found the slow, plain way, for checking the
// loop search: every set of chords of the spanning forest is tried, its
// fundamental cycles added edge by edge (an edge in two of them cancels), and
// the set is a loop when the edges left form one closed ring. The cycle space
// holds exactly one such edge set per set of chords, so this finds every
// simple cycle once, in the order of the sets (fewer chords first, then by
// chord number).
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "model/arbol.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {

// Adds `calientes` hot and `frias` cold streams and one exchanger between
// every hot and every cold one (exchanger frias * i + j joins the i-th hot
// stream and the j-th cold one): the loops are those of the complete
// bipartite graph of the streams, and more when a stream carries four or
// more exchangers (one loop may then pass it twice).
inline void UnirTodas(RedManual& r, int calientes, int frias) {
  const int primera = r.d.GetNumCorrientes();
  for (int i = 0; i < calientes; ++i) r.Corriente(400, 300);
  for (int j = 0; j < frias; ++j) r.Corriente(300, 380);
  for (int i = 0; i < calientes; ++i) {
    for (int j = 0; j < frias; ++j) r.Cambiador(primera + i, primera + calientes + j);
  }
}

// A chain of exchangers up to rotation and reversal: its smallest reading.
inline std::vector<std::int32_t> FormaCanonica(const std::vector<std::int32_t>& c) {
  std::vector<std::int32_t> mejor;
  for (int sentido = 0; sentido < 2; ++sentido) {
    std::vector<std::int32_t> v = c;
    if (sentido) std::reverse(v.begin(), v.end());
    for (std::size_t r = 0; r < v.size(); ++r) {
      std::rotate(v.begin(), v.begin() + 1, v.end());
      if (mejor.empty() || v < mejor) mejor = v;
    }
  }
  return mejor;
}

struct AnilloReferencia {
  std::vector<std::int32_t> cuerdas;  // chord numbers, ascending
  std::vector<std::int32_t> cadena;   // exchangers crossed, canonical form
};

// The loops of graph `a` (ArbolMaximo done) with at most maxCuerdas chords,
// in order; a chain of exchangers met again through another cycle is listed
// once, at its first place. Cycles that cross no exchanger are left out.
inline std::vector<AnilloReferencia> AnillosPorCombinacion(const CArbol& a, int maxCuerdas) {
  const int n = a.NumNodos();
  // Every undirected edge gets a number.
  std::map<std::pair<int, int>, int> numero;
  std::vector<std::pair<int, int>> aristas;
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (a.Unidos(i, j)) {
        numero[{i, j}] = static_cast<int>(aristas.size());
        aristas.push_back({i, j});
      }
    }
  }
  const std::size_t palabras = (aristas.size() + 63) / 64;
  using Conjunto = std::vector<std::uint64_t>;
  auto invertir = [&](Conjunto& c, int x, int y) {
    const int e = numero.at({std::min(x, y), std::max(x, y)});
    c[static_cast<std::size_t>(e) / 64] ^= std::uint64_t{1} << (e % 64);
  };
  std::map<int, int> padre;
  for (const CConexion& t : a.aristas) padre[t.primero] = t.segundo;
  // Edges from a node up to its root.
  auto alRaiz = [&](int v, Conjunto& c) {
    while (padre.count(v)) {
      invertir(c, v, padre[v]);
      v = padre[v];
    }
  };
  std::vector<Conjunto> fundamentales;
  for (const CConexion& c : a.cuerdas) {
    Conjunto f(palabras, 0);
    alRaiz(c.primero, f);
    alRaiz(c.segundo, f);
    invertir(f, c.primero, c.segundo);
    fundamentales.push_back(f);
  }
  const int m = static_cast<int>(fundamentales.size());
  const int E = a.numCambiadores;

  std::vector<AnilloReferencia> lista;
  std::set<std::vector<std::int32_t>> vistas;
  // The exchangers crossed, walking the ring; none when the edges do not
  // form one ring.
  auto cadenaDe = [&](const Conjunto& c) {
    std::map<int, std::vector<int>> vecinos;
    int total = 0;
    for (std::size_t e = 0; e < aristas.size(); ++e) {
      if (!((c[e / 64] >> (e % 64)) & 1)) continue;
      vecinos[aristas[e].first].push_back(aristas[e].second);
      vecinos[aristas[e].second].push_back(aristas[e].first);
      ++total;
    }
    std::vector<std::int32_t> cadena;
    if (vecinos.empty()) return cadena;
    for (const auto& [v, l] : vecinos) {
      if (l.size() != 2) return std::vector<std::int32_t>{};
    }
    const int inicio = vecinos.begin()->first;
    int anterior = inicio, actual = vecinos[inicio][0], pasos = 1;
    auto cruzar = [&](int x, int y) {
      if (x / 2 == y / 2 && x / 2 < E) cadena.push_back(x / 2);
    };
    cruzar(inicio, actual);
    while (actual != inicio) {
      const auto& l = vecinos[actual];
      const int siguiente = l[0] == anterior ? l[1] : l[0];
      cruzar(actual, siguiente);
      anterior = actual;
      actual = siguiente;
      ++pasos;
    }
    if (pasos != total) return std::vector<std::int32_t>{};  // several rings
    return cadena;
  };

  std::vector<std::int32_t> eleccion;
  Conjunto suma(palabras, 0);
  // Sets of k chords in order, built up chord by chord.
  auto recorrer = [&](auto& self, int desde, int k) -> void {
    if (static_cast<int>(eleccion.size()) == k) {
      std::vector<std::int32_t> cadena = cadenaDe(suma);
      if (cadena.empty()) return;
      std::vector<std::int32_t> canonica = FormaCanonica(cadena);
      if (!vistas.insert(canonica).second) return;
      lista.push_back({eleccion, canonica});
      return;
    }
    for (int i = desde; i < m; ++i) {
      for (std::size_t w = 0; w < palabras; ++w) suma[w] ^= fundamentales[static_cast<std::size_t>(i)][w];
      eleccion.push_back(i);
      self(self, i + 1, k);
      eleccion.pop_back();
      for (std::size_t w = 0; w < palabras; ++w) suma[w] ^= fundamentales[static_cast<std::size_t>(i)][w];
    }
  };
  for (int k = 1; k <= std::min(m, maxCuerdas); ++k) recorrer(recorrer, 0, k);
  return lista;
}

// The candidates of a finished search (path flags left out) as canonical
// chains, in their order.
inline std::vector<std::vector<std::int32_t>> CadenasCanonicas(const ListaSecuencias& candidatos) {
  std::vector<std::vector<std::int32_t>> r;
  for (std::size_t k = 0; k + 1 < candidatos.size(); ++k) r.push_back(FormaCanonica(candidatos[k]));
  return r;
}

// Checks a list cut at `maximo`: every loop with fewer chords than the last
// one listed, in order, then loops of that many chords, in order.
inline void ComprobarCorte(const std::vector<std::vector<std::int32_t>>& obtenidas,
                           const std::vector<AnilloReferencia>& todas, std::size_t maximo,
                           const char* que) {
  ASSERT_EQ(obtenidas.size(), maximo) << que;
  std::map<std::vector<std::int32_t>, std::size_t> lugar;
  for (std::size_t i = 0; i < todas.size(); ++i) lugar[todas[i].cadena] = i;
  std::vector<std::size_t> lugares;
  for (const auto& c : obtenidas) {
    auto it = lugar.find(c);
    ASSERT_NE(it, lugar.end()) << que;
    lugares.push_back(it->second);
  }
  EXPECT_TRUE(std::is_sorted(lugares.begin(), lugares.end())) << que;
  EXPECT_EQ(std::set<std::size_t>(lugares.begin(), lugares.end()).size(), maximo) << que;
  const std::size_t ultimo = todas[lugares.back()].cuerdas.size();
  std::size_t antes = 0;
  while (antes < todas.size() && todas[antes].cuerdas.size() < ultimo) ++antes;
  ASSERT_LE(antes, maximo) << que;
  for (std::size_t i = 0; i < antes; ++i) EXPECT_EQ(lugares[i], i) << que;
}

}  // namespace vardo::prueba
