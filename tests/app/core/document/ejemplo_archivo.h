// A sample document read from examples/ the way the program opens it.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "model/diagrama.h"
#include "model/documento_archivo.h"
#include "tests/comun/archivos.h"

namespace vardo::prueba {

inline CDiagrama CargarEjemplo(const std::string& archivo) {
  CDiagrama d;
  MarcoDocumento marco;
  const auto bytes = LeerBytes("examples/" + archivo);
  EXPECT_FALSE(bytes.empty()) << archivo;
  CargarDocumento(bytes, marco, d);
  return d;
}

}  // namespace vardo::prueba
