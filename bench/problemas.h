// Random problems shared by the benchmarks.
#pragma once
#include <random>

#include "model/diagrama.h"

namespace bench {

enum class Tipo { Enteras, Latentes, Continuas };

// n streams, hot or cold, between 280 K and 600 K, m·cp 0.5..10 kW/K.
// Enteras: ends in whole kelvin, so many coincide and the duplicate rule has
// work to do (the number of intervals stays below ~330). Latentes: the same
// with one stream in four latent at one of 20 temperatures. Continuas: ends
// anywhere, so there are about 2n intervals, each stream spanning a third of
// them on average.
inline vardo::CDiagrama Aleatorio(int n, Tipo tipo) {
  const bool latentes = tipo == Tipo::Latentes;
  std::mt19937 rng(static_cast<unsigned>(n) * 7919u + static_cast<unsigned>(tipo));
  std::uniform_int_distribution<int> temp(280, 600);
  std::uniform_real_distribution<double> tempContinua(280.0, 600.0);
  std::uniform_int_distribution<int> pocas(0, 19);
  std::uniform_real_distribution<double> mcp(0.5, 10.0);
  vardo::CDiagrama d;
  d.SetDTMin(10);
  for (int i = 0; i < n; ++i) {
    if (latentes && i % 4 == 0) {
      const double T = 300.0 + 15.0 * pocas(rng);
      d.AddCorriente(T, T, 100.0 * mcp(rng), static_cast<int>(rng() & 1u), 1);
      continue;
    }
    double a, b;
    if (tipo == Tipo::Continuas) {
      a = tempContinua(rng);
      b = tempContinua(rng);
    } else {
      a = temp(rng);
      b = temp(rng);
    }
    if (a == b) b += 1.0;
    d.AddCorriente(a, b, mcp(rng), b > a ? 1 : 0, 0);
  }
  return d;
}

}  // namespace bench
