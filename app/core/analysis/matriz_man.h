// Window-free part of the node adjacency matrix dialog ("Matriz de Adyacencia
// de Nodos y Árbol Máximo"): the matrix as a table headed by the node names,
// and the maximum tree (the graph's spanning forest) as the items of a tree
// view. The HTML report shows the same table.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/diagrama.h"

namespace vardo {

struct TablaMAN {
  std::vector<std::string> nombres;     // node labels, node 0 first
  std::vector<std::vector<bool>> unidos;  // [i][j]: the matrix entry of row i, column j is set
  // Grid texts, (n + 1) × (n + 1): the names in row 0 and column 0 (the
  // corner empty), "*" where the entry is set, the diagonal as built.
  std::vector<std::vector<std::string>> Celdas() const;
};

// Builds the node adjacency matrix of `d`'s design into its graph and reads it.
TablaMAN TablaMatrizMAN(CDiagrama& d);

// One item of the tree view, in the order of insertion: an item is inserted
// as the last child of its parent (an earlier item), or as the last root.
struct ElementoArbolMAN {
  std::int32_t nodo = 0;
  std::string texto;        // the node's name
  std::int32_t padre = -1;  // index of the parent item; -1 a root
};
// Grows the spanning forest on the matrix TablaMatrizMAN built and places it:
// each tree edge in the forest's order puts its parent node at the root when
// it has no item yet, and its child below the parent's item. Each connected
// part of the graph gives one root; a node no tree edge touches gets no item.
std::vector<ElementoArbolMAN> ArbolMaximoMAN(CDiagrama& d);

}  // namespace vardo
