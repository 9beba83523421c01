// Network graph of the loop, path and disturbance searches: the node adjacency
// matrix ("MAN") of the designed network, its spanning forest, the fundamental
// cycles and the loops and paths found in it. The network object owns one and
// copies it with itself.
//
// Nodes: exchanger k has node 2k at its end on the hot stream and node 2k + 1
// at its end on the cold stream; the split nodes of the split streams follow,
// two graph nodes each. Entry matriz[r][c] = 1 is an edge from node c to
// node r. The loop search treats edges as undirected; the disturbance search
// follows their direction.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/bifurcada.h"  // CConexion

namespace vardo {

// Link node value meaning "no utility link".
inline constexpr std::int32_t kSinEnlace = 30000;

// Most loops and paths one search lists. Past it the search stops and lists
// the first ones in the order described at CiclosDelGrafo.
inline constexpr std::size_t kMaxAnillos = 10000;

// How a loop search ended: every loop found, stopped at the limit, or
// stopped by its caller.
enum class FinBusqueda { Completa, Limite, Cancelada };

// Limit and stop hook of a loop search.
struct ControlBusqueda {
  std::size_t maximo = kMaxAnillos;  // most loops listed (at least 1)
  // Called every few thousand search steps with the number of loops found so
  // far; returning true stops the search, which keeps what it has found. A
  // progress window checks its cancel button (and the clock) here.
  std::function<bool(std::size_t)> cancelar;
};

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
  ListaSecuencias ciclos;                  // fundamental cycles, one per chord
  // How the search that filled the candidates ended.
  FinBusqueda finBusqueda = FinBusqueda::Completa;
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
  // candidates and cycles. Returns the nodes placed (N).
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
  // The search pipeline: fundamental cycles, every loop of the graph,
  // node filtering, conversion to exchangers and duplicate removal. Expects
  // ArbolMaximo to have run. With `seguidos` (0-based exchangers) only the
  // loops in which those exchangers lie one after another are kept.
  FinBusqueda BuscarAnillosYSendas(const ControlBusqueda& control = {},
                                   const SecuenciaNodos& seguidos = {});
  // Fills the candidates with the simple cycles of the graph (edges taken
  // as undirected) that name a chain of exchangers, one per chain (rotations
  // and reversals being the same chain), as node sequences. Order: by the
  // set of chords each cycle contains, fewer chords first, sets of equal
  // size by their chord numbers compared in order; that is the order in
  // which combining the fundamental cycles one set at a time meets them.
  // A cycle starts at the first end of its lowest chord and ends at the
  // chord's other end, so a fundamental cycle comes out as CiclosFundamentales
  // gives it. Past control.maximo chains the search stops, lists every chain
  // with fewer chords than the last one listed and fills up with chains of
  // that many chords; the result tells whether it stopped.
  FinBusqueda CiclosDelGrafo(const ControlBusqueda& control = {}, const SecuenciaNodos& seguidos = {});
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
  // The chain of exchangers a closed node sequence names: split nodes left
  // out, then ParearNodos; empty when no chain (no hot or no cold end left,
  // or no exchanger crossed).
  SecuenciaNodos CambiadoresDe(SecuenciaNodos nodos) const;
  // Whether the `elegidos` lie in the closed chain `cambiadores` one after
  // another, in either direction; fewer than two only need to be in it.
  static bool ContieneSeguidos(const SecuenciaNodos& cambiadores, const SecuenciaNodos& elegidos);

 private:
  // Empties components, tree edges, candidates, cycles and chords; no search
  // has been cut short.
  void VaciarBusqueda();
  // Lists every undirected edge of the matrix once as a chord.
  void LlenarCuerdas();
};

}  // namespace vardo
