// Cost targets of a network before it is designed: the capital cost from the
// minimum number of units and the minimum area with the cost laws, interest
// and Lang factor, and the yearly operating cost of the utilities.
#pragma once
#include <cstdint>

#include "model/diagrama.h"

namespace vardo {

// Multiplier of a film coefficient that turns an exchanger cost law (b, c)
// into the reference law (b0, c0) at the mean unit area aPorUnidad:
// (b0/b)^(1/c0) · aPorUnidad^(1 - c/c0). A degenerate law (a factor or an
// exponent of either law that is zero or negative, a result that is not a
// positive number) gives 1; without area (aPorUnidad <= 0) only the first
// term is kept.
double FactorLeyCoste(double b0, double c0, double b, double c, double aPorUnidad);

// Sum over the whole years of the amortization period of (1 + interest)^i,
// i = 0, 1, ... while i < period (a fractional period counts the next whole
// year; 0 or less gives 0). Interest in %.
double FactorAmortizacion(double anos, double interes);

// Capital cost target ($, over the whole amortization period).
double CosteInmovilizado(CDiagrama& d, std::int32_t soloObjetivos);

// Operating cost target ($/year).
double CosteOperacion(CDiagrama& d, std::int32_t soloObjetivos);

}  // namespace vardo
