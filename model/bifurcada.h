// Split streams: a stream that the user divided into parallel branches.
//
// The branches are ordinary streams of the network whose split index names the
// split record. The record keeps the whole stream as entered, the split nodes
// (CCuaterna), each joining one incoming stream to two branches and one
// outgoing stream, and the links between the streams of the split (CConexion).
//
// Inside a split a reference of 0 or more is an index into the network's
// stream array; -k names node k of the same split, whose segment then plays
// that part. Records keep no pointer to any stream: references are resolved
// against the network's array when they are used (Resolver).
#pragma once
#include <cstdint>
#include <vector>

#include "model/corriente.h"
#include "platform/core/archive.h"
#include "platform/core/types.h"

namespace vardo {

// Selection value of a split with nothing selected.
inline constexpr std::int32_t kSinSeleccionBifurcada = -1001;

// A link between two streams of a split: the stream it leaves and the stream
// it reaches. The third value has no meaning and is always 0.
class CConexion {
 public:
  CConexion() = default;
  CConexion(std::int32_t primero, std::int32_t segundo) : primero(primero), segundo(segundo) {}
  CConexion(const CConexion& o) : primero(o.primero), segundo(o.segundo) {}
  CConexion& operator=(const CConexion& o) {
    primero = o.primero;
    segundo = o.segundo;
    return *this;
  }

  std::int32_t primero = 0;  // stream the link leaves
  std::int32_t segundo = 0;  // stream the link reaches
  std::int32_t tercero = 0;  // always 0; written as 0, ignored on loading

  // Stored form: first, second, third (12 bytes).
  void Serialize(Archive& ar);

  friend bool operator==(const CConexion& a, const CConexion& b) {
    return a.primero == b.primero && a.segundo == b.segundo;
  }
};

// One line of a split node, from a stream end to an end of the offset branch.
struct LineaNodo {
  std::int32_t xRama = 0;  // x at the offset branch
  std::int32_t xOtro = 0;  // x at the other end
  std::int32_t yRama = 0;  // y at the offset branch
  std::int32_t yOtro = 0;  // y at the other end
  friend bool operator==(const LineaNodo&, const LineaNodo&) = default;
};

// One split node: the stream piece it divides and the four streams (or nodes)
// that play the incoming stream, the main branch, the offset branch and the
// outgoing stream.
class CCuaterna {
 public:
  // Positions of the four parts, in the order Referencia answers them.
  static constexpr int kEntrada = 0;
  static constexpr int kRamaPrincipal = 1;
  static constexpr int kRamaDesplazada = 2;
  static constexpr int kSalida = 3;

  CCuaterna() = default;
  // Copies carry the segment and the four references; the two lines are
  // layout state and keep their own values (a copy starts with zero lines).
  CCuaterna(const CCuaterna& o);
  CCuaterna& operator=(const CCuaterna& o);

  CCorriente segmento;  // the stream piece this node stands for
  // To the offset branch's right end: from the outgoing stream's left end on a
  // hot split, from the incoming stream's left end on a cold split.
  LineaNodo lineaDerecha;
  // To the offset branch's left end: from the incoming stream's right end on a
  // hot split, from the outgoing stream's right end on a cold split.
  LineaNodo lineaIzquierda;
  std::int32_t refSalida = 0;          // leaves the node after the branches merge
  std::int32_t refRamaDesplazada = 0;  // drawn one row away, towards the split's top edge
  std::int32_t refRamaPrincipal = 0;   // drawn on the node's own row
  std::int32_t refEntrada = 0;         // enters the node

  // The reference at position i (kEntrada .. kSalida); 0 for any other i.
  std::int32_t Referencia(int i) const;
  // Sets the reference at position i (kEntrada .. kSalida); ignored otherwise.
  void SetReferencia(int i, std::int32_t ref);

  // Stored form: incoming, main-branch, offset-branch and outgoing references,
  // then the segment in the stream's own stored form.
  void Serialize(Archive& ar);
};

class CCorrienteBifurcada {
 public:
  CCorrienteBifurcada() = default;
  // Copies carry branch rows, the stream, the rectangle, the branch list, the
  // nodes, the links, the relayout start and the display value. The pending
  // list, path list, selection, drawn flag, white flag and colour are working
  // state: a copy-constructed split starts with their defaults, an assigned
  // one keeps its own.
  CCorrienteBifurcada(const CCorrienteBifurcada& o);
  CCorrienteBifurcada& operator=(const CCorrienteBifurcada& o);

  // ---- Stored (in the order: drawn flag, rows, rectangle, branch list,
  //      node count, link count, nodes, links, stream) ----
  std::int32_t dibujada = 0;             // drawn flag: set by every drawing
  std::int32_t filas = 2;                // parallel rows the split occupies
  Rect rect;                             // the split's place on the grid (all its rows)
  std::vector<std::uint32_t> ramas;      // network stream indices of the split's streams
  std::vector<CCuaterna> nodos;          // split nodes; node 0 is the first split
  std::vector<CConexion> conexiones;     // links between the split's streams
  CCorriente corriente;                  // the whole stream as entered

  // ---- Working state (not stored) ----
  // When 0 or more, the next drawing places the nodes from this index on anew
  // and sets it back to -1.
  std::int32_t inicioRecolocar = -1;
  std::vector<std::uint32_t> pendientes;  // nodes waiting to be rebuilt
  // Copied into the split's own stream's show-name flag before it draws.
  std::int32_t mostrarNombre = 0;
  std::vector<std::uint32_t> camino;      // split streams on the loop or path being shown
  // -1001 none; 0 or more the network index of a selected branch stream;
  // -(2k+1) node k by its upper hit area (right line); -(2k+2) node k by its
  // lower hit area (left line).
  std::int32_t seleccion = kSinSeleccionBifurcada;
  std::int32_t dibujarEnBlanco = 0;       // next drawing in white, then cleared
  Rgb color = 0;                          // pen colour of the split's drawing

  void SetSeleccion(std::int32_t s) { seleccion = s; }
  void QuitarSeleccion() { seleccion = kSinSeleccionBifurcada; }

  // The stream that a reference inside this split names: stream ref of the
  // network for ref >= 0, the segment of node -ref otherwise; nullptr when it
  // lies outside the array or the node list.
  CCorriente* Resolver(std::int32_t ref, std::vector<CCorriente>& corrientes);
  const CCorriente* Resolver(std::int32_t ref, const std::vector<CCorriente>& corrientes) const;

  // Recomputes branch rows from the links: the widest level of streams met
  // walking the links from the root stream to the final stream.
  void CalcularFilas();

  // True when every reference of the record fits a network of numCorrientes
  // streams: branch list and link ends in 0 .. numCorrientes-1, node
  // references a stream or -k with 0 < k < number of nodes.
  bool ReferenciasValidas(std::int32_t numCorrientes) const;

  // Stored form; the embedded stream uses its own. Loading checks every count
  // against the bytes left and, on a damaged archive, throws FormatError with
  // the record unchanged.
  void Serialize(Archive& ar);
};

}  // namespace vardo
