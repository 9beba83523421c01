// The optimum DT min: a sweep of DT min over 0.1, 0.2, ... (the step added in
// double precision while the sum stays at most 50, so 499 values) that keeps
// the value of least total annual cost, capital per year plus operating cost,
// of the process targets alone.
#pragma once
#include <functional>

#include "model/diagrama.h"

namespace vardo {

// Progress range of the sweep; the sweep itself takes one step less.
inline constexpr int kPasosDTOptima = 500;

inline constexpr const char* kMensajeSinCosteTotal =
    "No se ha podido calcular el coste total para ninguna diferencia de temperaturas.";

struct ResultadoDTOptima {
  bool encontrado = false;        // some DT min gave a finite total
  double dtMin = 0.0;             // the DT min of least total (K)
  double costeOperacion = 0.0;    // $/year
  double costeInmovilizado = 0.0; // capital cost per year of amortization, $/year
  double costeTotal = 0.0;        // $/year
};

// Sweeps DT min on d, calling alPaso (when given) with the number of values
// tried after each one. Clears d's utilities-shown flag. When a DT min was
// found, d is left at it with its targets; otherwise d keeps the DT min it
// had (with its targets recomputed) and nothing is to be applied.
ResultadoDTOptima BuscarDTOptima(CDiagrama& d, const std::function<void(int)>& alPaso = {});

}  // namespace vardo
