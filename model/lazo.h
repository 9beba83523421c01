// Loops ("anillos") and paths ("sendas") through the exchanger network.
//
// A loop is a closed chain of exchangers in which consecutive exchangers share
// a stream; a path is an open chain that starts and ends at exchangers served
// by a utility (or with an unset side). Three records carry such chains:
//   CLazo        a loop or path found by the search, or the one drawn;
//   CLazoEnCurso the chain the user builds by picking exchangers;
//   CAnillo      the chain used for load shifting, with the streams it
//                touches and its smallest even and odd duties.
//
// A chain names its exchangers by index into the network's exchanger array;
// operations that need the exchangers receive that array and resolve the
// indices when they run. Loops are never stored in the problem file.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/core/archive.h"
#include "platform/core/dc.h"
#include "platform/core/types.h"

namespace vardo {

class CCambiador;
class CCorriente;
class CServicios;

// Classification of a chain.
inline constexpr int kLazoIncompleto = 0;
inline constexpr int kLazoSenda = 1;
inline constexpr int kLazoAnillo = 2;

// Pen colours of the chain's drawing: the loop or path being built or shown,
// and the disturbance route.
inline constexpr Rgb kColorLazoResaltado = MakeRgb(200, 0, 0);
inline constexpr Rgb kColorLazoPerturbacion = MakeRgb(80, 200, 0);

class CLazo {
 public:
  CLazo() = default;
  // Copies carry the font, the count, the nodes and the exchangers; the
  // split-pass list and the streams table are working state: a copy starts
  // with them empty, an assigned record keeps its own.
  CLazo(const CLazo& o);
  CLazo& operator=(const CLazo& o);
  virtual ~CLazo() = default;

  // 0-based numbers of the two exchangers of every link of the chain that
  // passes through a split, in pairs; rebuilt by every drawing.
  std::vector<std::uint32_t> pasosBifurcacion;
  // The chain in order: 0-based indices into the network's exchanger array.
  std::vector<std::int32_t> cambiadores;
  // Streams table of the continuity test: the split index of every process
  // stream (by stream index) and, while the utilities are shown, of every
  // utility (by utility index, reference kRefServicio + k). A reference outside
  // the table belongs to no split.
  std::vector<std::int32_t> bifCorrientes;
  std::vector<std::int32_t> bifServicios;
  // Number of each exchanger of the chain: 1-based in a chain under
  // construction; the search's found loops keep 0-based numbers here.
  std::vector<std::uint32_t> nodos;
  std::int32_t cuenta = 0;  // number of exchangers in the chain
  LogFont fuente;           // copy of the grid diagram's font

  // The exchanger at position i of the chain, resolved in the network's
  // array; nullptr when the position or the index is out of range.
  const CCambiador* GetCambiador(const std::vector<CCambiador>& red, int i) const;

  // Split index that the streams table gives a stream reference; -1 for a
  // reference outside the table.
  std::int32_t BifurcacionDe(std::int32_t ref) const;
  // Fills the streams table from the network's streams and, when conServicios
  // is non-zero, its utilities.
  void LlenarTablaCorrientes(const std::vector<CCorriente>& corrientes,
                             const std::vector<CServicios>& servicios, int conServicios);

  // Draws the chain over the grid diagram along the exchangers' end marks, in
  // RGB(200, 0, 0) when resaltar is non-zero, RGB(80, 200, 0) otherwise.
  // Links that pass through a split are not drawn but listed in
  // pasosBifurcacion for the grid drawing.
  void Dibujar(Dc& dc, const std::vector<CCambiador>& red, int resaltar);

  // Loops and paths are rebuilt by searching, never stored.
  void Serialize(Archive&) {}
};

// The chain the user builds by picking exchangers one after another.
class CLazoEnCurso : public CLazo {
 public:
  CLazoEnCurso() = default;
  CLazoEnCurso(const CLazoEnCurso&) = default;
  CLazoEnCurso& operator=(const CLazoEnCurso&) = default;
  explicit CLazoEnCurso(const CLazo& o) : CLazo(o) {}
  CLazoEnCurso& operator=(const CLazo& o) {
    CLazo::operator=(o);
    return *this;
  }

  // Continuity test: 1 when exchanger `numero` (0-based index into red) may
  // follow the chain, else 0. Consecutive links alternate between the hot and
  // the cold side; two references are linked when equal or when both are set
  // and belong to the same split.
  int PuedeAnadir(const std::vector<CCambiador>& red, std::int32_t numero) const;
  // Appends exchanger `numero` (node numero + 1) when the test allows it;
  // returns the test's result. A refused candidate changes nothing.
  int Anadir(const std::vector<CCambiador>& red, std::int32_t numero);
  // kLazoIncompleto, kLazoSenda or kLazoAnillo.
  int Clasificar(const std::vector<CCambiador>& red) const;

  // Removes the last exchanger (picking it again undoes the pick).
  void QuitarUltimo();
  // Empties the chain: exchangers, nodes and count.
  void Vaciar();
};

// The chain used for load shifting.
class CAnillo : public CLazo {
 public:
  CAnillo() = default;
  // From a chain: its font, count, nodes and exchangers; no streams, both
  // minima -1.0.
  explicit CAnillo(const CLazo& lazo) : CLazo(lazo) {}
  CAnillo(const CAnillo& o);
  // As the chain's copy, plus the streams, their count and both minima.
  CAnillo& operator=(const CAnillo& o);

  // Stream (or utility, kRefServicio + index) references touched by the chain,
  // sorted in descending order; without repeats after QuitarRepetidas.
  std::vector<std::int32_t> corrientes;
  std::int32_t numCorrientes = 0;
  double minimoPar = -1.0;    // smallest duty at positions 0, 2, 4, ...; -1.0 none
  double minimoImpar = -1.0;  // smallest duty at positions 1, 3, 5, ...; -1.0 none

  // The hot-side and cold-side references (when not -1) of the chain's
  // exchangers, sorted in descending order.
  void OrdenarCorrientes(const std::vector<CCambiador>& red);
  // Removes every entry equal to the one before it.
  void QuitarRepetidas();
  // The smallest duties at the even and at the odd positions of the chain.
  void CalcularMinimos(const std::vector<CCambiador>& red);
};

}  // namespace vardo
