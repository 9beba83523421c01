// Random problems shared by the benchmarks: the seeded problems the target
// checks run on, from 10 to 100,000 streams between 280 and 600 K.
// Continuas: ends anywhere, so there are about two intervals per stream, many
// of them narrower than 0.001 K at the larger sizes. Enteras: ends in whole
// kelvin, so many coincide and the duplicate rule has work to do (the
// intervals stay below ~330). Especiales: ends anywhere, one stream in six
// latent and one in six a table of points with vertical steps. Alternas:
// sensible streams, hot and cold alternating, ends anywhere in 20-400 °C and
// no two equal, m·cp 0.5-20 kW/K.
#pragma once
#include <benchmark/benchmark.h>

#include "tests/comun/objetivos_referencia.h"

namespace bench {

enum class Tipo { Continuas, Enteras, Especiales, Alternas };

// Problem `otro` of n streams of a kind (0, 1, ...: different draws).
inline vardo::CDiagrama Aleatorio(int n, Tipo tipo, unsigned otro = 0) {
  return vardo::referencia::ProblemaAleatorio(
      {.corrientes = n,
       .semilla = static_cast<unsigned>(n) * 7919u + static_cast<unsigned>(tipo) + otro * 104729u,
       .enteras = tipo == Tipo::Enteras,
       .especiales = tipo == Tipo::Especiales,
       .alternas = tipo == Tipo::Alternas});
}

// The sizes every target is timed at.
inline void Tamanos(benchmark::internal::Benchmark* b) {
  for (int n : {10, 100, 1000, 10000, 100000}) b->Arg(n);
}

}  // namespace bench
