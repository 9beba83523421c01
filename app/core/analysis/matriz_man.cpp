#include "app/core/analysis/matriz_man.h"

namespace vardo {

std::vector<std::vector<std::string>> TablaMAN::Celdas() const {
  const std::size_t n = nombres.size();
  const std::string marca = "*";
  std::vector<std::vector<std::string>> c(n + 1, std::vector<std::string>(n + 1));
  for (std::size_t i = 0; i < n; ++i) {
    c[0][i + 1] = nombres[i];
    c[i + 1][0] = nombres[i];
    for (std::size_t j = 0; j < n; ++j)
      if (unidos[i][j]) c[i + 1][j + 1] = marca;
  }
  return c;
}

TablaMAN TablaMatrizMAN(CDiagrama& d) {
  d.ConstruirMAN();
  const CArbol& g = d.m_arbol;
  const std::int32_t n = g.NumNodos();
  TablaMAN t;
  t.nombres = g.nombres;
  t.nombres.resize(static_cast<std::size_t>(n));
  t.unidos.assign(static_cast<std::size_t>(n), std::vector<bool>(static_cast<std::size_t>(n)));
  // Entry [i][j] of the matrix is the edge from node j to node i.
  for (std::int32_t i = 0; i < n; ++i)
    for (std::int32_t j = 0; j < n; ++j)
      t.unidos[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = g.Arista(j, i);
  return t;
}

std::vector<ElementoArbolMAN> ArbolMaximoMAN(CDiagrama& d) {
  CArbol& g = d.m_arbol;
  g.ArbolMaximo();
  const auto n = static_cast<std::size_t>(g.NumNodos());
  std::vector<std::int32_t> item(n, -1);  // the item of each placed node
  std::vector<ElementoArbolMAN> r;
  auto colocar = [&](std::int32_t nodo, std::int32_t padre) {
    const auto k = static_cast<std::size_t>(nodo);
    item[k] = static_cast<std::int32_t>(r.size());
    r.push_back({nodo, k < g.nombres.size() ? g.nombres[k] : std::string(), padre});
  };
  // Tree edges are (child, parent) pairs.
  for (const CConexion& e : g.aristas) {
    const std::int32_t padre = e.segundo;
    const std::int32_t hijo = e.primero;
    if (padre < 0 || hijo < 0 || static_cast<std::size_t>(padre) >= n ||
        static_cast<std::size_t>(hijo) >= n)
      continue;
    if (item[static_cast<std::size_t>(padre)] < 0) colocar(padre, -1);
    colocar(hijo, item[static_cast<std::size_t>(padre)]);
  }
  return r;
}

}  // namespace vardo
