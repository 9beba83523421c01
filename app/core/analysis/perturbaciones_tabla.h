// Window-free part of the disturbance paths table ("Caminos de transmisión de
// perturbaciones"): for every ordered pair of streams, whether a disturbance
// of the first reaches the second through the designed network. The dialog
// and the HTML report both call it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/diagrama.h"
#include "platform/core/uiport.h"

namespace vardo {

// The stream references that head the table's rows and columns: every
// process stream in order and then, while the utilities are shown, every
// utility (kRefServicio + k). Of the streams of a split only the one its first split
// node names as main branch takes part.
std::vector<std::int32_t> EntradasPerturbaciones(const CDiagrama& d);

struct TablaPerturbaciones {
  std::vector<std::int32_t> refs;        // stream reference of each entry
  std::vector<std::string> cabeceras;    // "%d" for a stream, "S%d" for a utility
  std::vector<std::vector<bool>> camino;  // [from][to]: a route was found
  // Grid texts, (n + 1) × (n + 1): "de/a" in the corner, the heads in row 0
  // and column 0, "-" on the diagonal, "*" where a route was found.
  std::vector<std::vector<std::string>> Celdas() const;
};

// Runs the silent disturbance search on `d` for every ordered pair of
// different entries (n × (n − 1) searches); each search leaves its pair and
// result in `d`, so pass a copy that may change.
TablaPerturbaciones CalcularPerturbaciones(CDiagrama& d, UiPort& ui = DefaultUiPort());

}  // namespace vardo
