// Unit and area targets of a network before it is designed: the minimum
// number of exchanger units (counted above and below the process pinch) and
// the minimum heat-transfer area of the balanced composite curves (vertical
// heat transfer, each stream with its own film coefficient).
//
// soloObjetivos = 1 ignores the defined utilities: the residual utility needs
// are two generic latent utilities. With 0, the defined utilities take part
// when the network shows them. The composite curves are built on local data:
// the process targets the network holds are those of CalcularObjetivos
// afterwards, and the stream and utility arrays are unchanged.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/diagrama.h"

namespace vardo {

// Multipliers of the film coefficients used by the area target (the cost
// target scales them by the cost laws). An empty list means 1 for every
// process stream (utility); a list shorter than the array leaves the rest at 1.
struct FactoresPelicula {
  std::vector<double> corrientes;
  std::vector<double> servicios;
  double calienteGenerico = 1.0;
  double frioGenerico = 1.0;
};

// Logarithmic mean of two end temperature differences, positive. Equal ends
// give their common value. Zero when either end is zero or the ends have
// opposite signs (curves touching or crossing: no finite mean).
double MediaLogaritmica(double dt1, double dt2);

// Minimum number of units: (streams above the pinch - 1) + (streams below
// the pinch - 1). Recomputes the process targets first, so that the process
// pinch is the current one.
std::int32_t CalcularNMinCambiadores(CDiagrama& d, std::int32_t soloObjetivos);
// The same with the process targets of d taken as they stand, when the caller
// has just computed them (CalcularObjetivos): one problem table fewer.
std::int32_t CalcularNMinCambiadores(CDiagrama& d, std::int32_t soloObjetivos,
                                     bool objetivosAlDia);

// Minimum area (m²) of the balanced composite curves; infinite where they
// touch with heat passing between them (DT min 0 at the pinch), and so is the
// capital cost then.
double CalcularAreaMinima(CDiagrama& d, std::int32_t soloObjetivos);
// The same with every film coefficient multiplied by its factor.
double CalcularAreaMinima(CDiagrama& d, std::int32_t soloObjetivos, const FactoresPelicula& f);

// An area or cost target as written for the user: its number with the given
// significant digits, or the word that says it is not finite.
inline constexpr const char* kTextoAreaInfinita = "infinita";
inline constexpr const char* kTextoCosteInfinito = "infinito";
std::string TextoObjetivo(double v, const char* infinito, int digitos = 6);

}  // namespace vardo
