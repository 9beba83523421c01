// Network graph of the loop, path and disturbance searches: the node adjacency
// matrix ("MAN") of the designed network, its spanning forest, the fundamental
// cycles and the candidates found on them. The network object owns one and
// copies it with itself.
//
// Nodes: exchanger k has node 2k at its end on the hot stream and node 2k + 1
// at its end on the cold stream; the split nodes of the split streams follow,
// two graph nodes each. Entry matriz[r][c] = 1 is an edge from node c to
// node r. The loop search treats edges as undirected; the disturbance search
// follows their direction.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/bifurcada.h"  // CConexion

namespace vardo {

// Link node value meaning "no utility link".
inline constexpr std::int32_t kSinEnlace = 30000;

// Largest number of fundamental cycles whose combinations the loop search
// tries. The combination step visits every subset of fundamental cycles
// (2^m - 1 - m steps), so the cost more than doubles with each cycle. On
// random networks of 40 exchangers (bench/anillos_bench.cpp) a search took
// about 0.1 s at 14 cycles, 0.3 s at 15, 0.6 s at 16 and 1.4 s at 17; 14
// keeps every search well under a second on slower machines too.
inline constexpr std::int32_t kMaxCiclosFundamentales = 14;

using SecuenciaNodos = std::vector<std::int32_t>;
using ListaSecuencias = std::vector<SecuenciaNodos>;

class CArbol {
 public:
  CArbol() = default;
  CArbol(const CArbol&) = default;
  CArbol& operator=(const CArbol&) = default;

  // ---- Fields ----
  // N rows of N entries; [r][c] = 1: edge from node c to node r.
  std::vector<std::vector<std::uint32_t>> matriz;
  std::vector<std::string> nombres;  // node labels
  // Loops and paths found: node sequences during the search, 0-based
  // exchanger numbers after ConvertirACambiadores; after a search the last
  // entry holds the path flags (1 path, 0 loop), one per candidate.
  ListaSecuencias candidatos;
  std::vector<CConexion> aristas;  // tree edges (child, parent), in discovery order
  // Disturbance route: empty, or one entry with the route's exchangers from
  // the end node back to the start node.
  ListaSecuencias perturbacion;
  std::int32_t numCambiadores = 0;  // exchangers when the matrix was built
  std::int32_t nodoEnlaceFrio = kSinEnlace;      // first cooler's free end on the utility link
  std::int32_t nodoEnlaceCaliente = kSinEnlace;  // first heater's free end on the utility link
  std::vector<std::uint32_t> ruta;               // output of CaminoARaiz
  ListaSecuencias componentes;  // spanning forest: nodes of each component, root first
  std::vector<CConexion> cuerdas;          // matrix edges that are not tree edges
  ListaSecuencias ultimasCombinaciones;    // last candidate of each combination step
  ListaSecuencias ciclos;                  // fundamental cycles, one per chord
  // Topology of the design the matrix was built from (exchanger sides,
  // exchanger lists, split nodes); a search rebuilds the graph when the
  // design no longer matches it.
  std::vector<std::int32_t> firma;

  // ---- Matrix ----
  std::int32_t NumNodos() const { return static_cast<std::int32_t>(matriz.size()); }
  // N × N zeros and N empty labels; link nodes back to "no link".
  void Dimensionar(std::int32_t n);
  // Sets the edge from node `desde` to node `hasta`; ignored out of range.
  void SetArista(std::int32_t desde, std::int32_t hasta);
  // Whether the matrix holds the edge from `desde` to `hasta`.
  bool Arista(std::int32_t desde, std::int32_t hasta) const;
  // Whether nodes a and b are joined in either direction.
  bool Unidos(std::int32_t a, std::int32_t b) const { return Arista(a, b) || Arista(b, a); }

  // ---- Spanning forest ----
  // Fills components, tree edges and chords from the matrix (breadth first,
  // lowest-numbered free node as each component's root); empties the
  // candidates, cycles and last combinations. Returns the nodes placed (N).
  std::int32_t ArbolMaximo();
  // One node sequence per chord: the tree route from one end of the chord to
  // the other; the chord closes it.
  void CiclosFundamentales();
  // 1 when the node lies in component `componente` (any component for -1).
  std::int32_t EnComponente(std::int32_t nodo, std::int32_t componente) const;
  std::int32_t TotalEnComponentes() const;
  // ruta = node, its tree parent, ..., its component's root. A node in no
  // component gives the node alone.
  void CaminoARaiz(std::int32_t nodo);
  void AnadirArista(std::int32_t hijo, std::int32_t padre);
  void AnadirCuerda(std::int32_t a, std::int32_t b);
  // Removes every chord joining a and b, in either order.
  void QuitarCuerda(std::int32_t a, std::int32_t b);
  std::int32_t EsCuerda(std::int32_t a, std::int32_t b) const;

  // ---- Loop and path search ----
  // Number of combination steps the search needs for m fundamental cycles
  // (2^m - 1 - m); saturates at UINT64_MAX.
  static std::uint64_t Combinaciones(std::int32_t m);
  // The search pipeline: fundamental cycles, their combinations, node
  // filtering, conversion to exchangers and duplicate removal. Expects
  // ArbolMaximo to have run. Returns false, with no candidate, when the
  // network has more than kMaxCiclosFundamentales fundamental cycles.
  bool BuscarAnillosYSendas();
  // Every non-empty set of fundamental cycles is combined once; only single
  // closed sequences remain as candidates.
  void CombinarCiclosFundamentales();
  // Merges the cycle with the group's members one at a time (the first
  // member that merges into exactly one sequence, again and again); returns
  // the merged cycle followed by the members that did not merge.
  ListaSecuencias CombinarConCiclo(const ListaSecuencias& grupo, const SecuenciaNodos& ciclo) const;
  // Combines two cycles. Cycles sharing no edge (disjoint, or touching only
  // at nodes) come back unchanged, both. Otherwise the result is the edges
  // that belong to exactly one of them, as closed simple sequences: exactly
  // one when the two merge into one loop. A merged loop starts at the first
  // node of `a` that it keeps and runs in a's direction where it can.
  static ListaSecuencias CombinarCiclos(const SecuenciaNodos& a, const SecuenciaNodos& b);
  // Drops split nodes (2E and above) and every candidate left without an
  // even and an odd node.
  void FiltrarNodos();
  // Appends the path-flag entry and turns node sequences into exchanger
  // numbers (ParearNodos); candidates left with no exchanger are dropped
  // together with their flag.
  void ConvertirACambiadores();
  // Removes every candidate that is the same cyclic sequence of exchangers as
  // an earlier one (rotated or reversed), together with its flag.
  void QuitarDuplicados();

  // ---- Disturbance route ----
  // Directed breadth-first tree from `inicio`; when it reaches `fin`, the
  // disturbance result holds the tree route from fin back to inicio as
  // exchanger numbers (split nodes removed); otherwise it is empty.
  void BuscarCaminos(std::int32_t inicio, std::int32_t fin);

  // The exchangers whose two ends lie side by side in a node sequence, in
  // order; in a closed sequence (cerrada) the last and the first node count
  // as neighbours.
  static SecuenciaNodos ParearNodos(const SecuenciaNodos& nodos, bool cerrada);

 private:
  // Empties components, tree edges, candidates, cycles, chords and last
  // combinations.
  void VaciarBusqueda();
  // Lists every undirected edge of the matrix once as a chord.
  void LlenarCuerdas();
};

}  // namespace vardo
