// Window-free part of the loops and paths dialog ("Añadir anillos o sendas"):
// the exchanger lines of its two lists, the load-shift range of the chain
// under construction with the slider's mapping to an amount, the clamp of a
// typed amount, and the sequence that applies the shift on "Aceptar". The
// dialog works on its own copy of the model; these functions take that copy.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/diagrama.h"
#include "platform/core/uiport.h"

namespace vardo {

// Confirmation asked on "Aceptar" before the exchangers' set values are rewritten.
inline constexpr const char* kPreguntaAnillo =
    "Al calcular el anillo o senda se producirán algunos cambios en las especificaciones de los "
    "cambiadores implicados:\n\n\t-Pasarán a ser del tipo 'entalpía especificada por el "
    "usuario'.\n\n\t-Las especificaciones de temperatura se transformarán a 'igual a la de la "
    "\n\tcorriente o el cambiador anterior o posterior'.\n\n¿Desea continuar?";

// Said when "Buscar" finds no loop or path in the network.
inline constexpr const char* kMsgSinAnillos =
    "No se ha encontrado ningún anillo ni ninguna senda en el diagrama.";

// Label of an exchanger side in the lists: "SG" for the generic utility,
// "%d (Bif. %d)" (stream and split number) for a branch of a split, "S%d" for
// a utility, "%d" for a process stream; numbers from 1.
std::string EtiquetaLadoAnillo(const CDiagrama& d, std::int32_t ref);
// "%d - CC: %s, CF: %s": exchanger i's number (i + 1) and its side labels.
std::string LineaCambiadorAnillo(const CDiagrama& d, std::int32_t i);
// Lines of the left list (every exchanger, in order) and of the right list
// (the exchangers of the chain under construction, in the chain's order).
std::vector<std::string> LineasCambiadores(const CDiagrama& d);
std::vector<std::string> LineasAnilloEnCurso(const CDiagrama& d);

// Range of the load shift: the amount refers to the chain's first exchanger,
// from -b (the first, third ... exchangers give up their smallest duty) to a
// (the second, fourth ... give up theirs).
struct DesplazamientoAnillo {
  double a = -1.0;  // smallest duty at the even places (second, fourth ...); -1 none
  double b = -1.0;  // smallest duty at the odd places (first, third ...); -1 none
  std::string minimo;    // lowest amount, -b (10 significant digits)
  std::string maximo;    // highest amount, a
  std::string cantidad;  // amount shown at first, -b; the slider starts at 0
};
// Builds the model's load-shifting record from the chain under construction,
// computes its two smallest duties and gives the range texts.
DesplazamientoAnillo PrepararDesplazamiento(CDiagrama& d);

// Slider of 0 to 100 positions.
inline constexpr int kPosicionMaxima = 100;
// Amount at slider position p: (a + b) × p / 100 − b, 10 significant digits.
std::string CantidadEnPosicion(const DesplazamientoAnillo& s, int p);

// A typed amount v applied (the dialog reads it by the number rule): below
// -b it becomes -b (7 significant digits) with the slider at 0, above a it
// becomes a with the slider at 100; otherwise the text stays as typed and
// the slider goes to its place between them.
struct CantidadAplicada {
  bool reescrita = false;  // texto replaces what was typed
  std::string texto;
  int posicion = 0;
};
CantidadAplicada AplicarCantidad(const DesplazamientoAnillo& s, double v);

// "Aceptar": with the chain under construction complete (a path or a loop),
// asks kPreguntaAnillo (Yes/No, default No); on Yes rewrites the
// set values of the exchangers reached from the chain, shifts the typed
// amount (kept within -b to a) around it and recalculates the network, and
// answers true: the dialog ends with OK. An incomplete chain (without the
// question) and No answer false: the dialog ends as Cancel would.
bool AceptarAnillo(CDiagrama& d, double cantidad, UiPort& ui);

}  // namespace vardo
