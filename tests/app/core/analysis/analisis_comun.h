// What the tests of the network analyses share: the sample documents read as
// the program reads them, and the heads of their square tables.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/diagrama.h"
#include "model/documento_archivo.h"
#include "tests/comun/archivos.h"

namespace vardo::prueba {

// The model of a sample document of examples/ (tests run from the source
// folder).
inline CDiagrama Ejemplo(const std::string& nombre) {
  CDiagrama d;
  MarcoDocumento m;
  CargarDocumento(LeerBytes("examples/" + nombre), m, d);
  return d;
}

using Celdas = std::vector<std::vector<std::string>>;

// A square table of n + 1 rows of n + 1 cells: the corner text, then the n
// heads along row 0 and down column 0.
inline void EsperarCabeceras(const Celdas& celdas, const std::string& esquina,
                             const std::vector<std::string>& cabeceras) {
  const std::size_t n = cabeceras.size();
  ASSERT_EQ(celdas.size(), n + 1);
  for (const auto& fila : celdas) ASSERT_EQ(fila.size(), n + 1);
  EXPECT_EQ(celdas[0][0], esquina);
  for (std::size_t i = 0; i < n; ++i) {
    EXPECT_EQ(celdas[0][i + 1], cabeceras[i]);
    EXPECT_EQ(celdas[i + 1][0], cabeceras[i]);
  }
}

}  // namespace vardo::prueba
