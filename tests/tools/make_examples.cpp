// Writes the sample documents of examples/ through the program's own
// serialization: make_examples [directory] (default: the source tree's
// examples/).
#include <cstdio>
#include <fstream>
#include <string>

#include "tests/tools/ejemplos.h"

#ifndef VARDO_EXAMPLES_DIR
#define VARDO_EXAMPLES_DIR "examples"
#endif

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : VARDO_EXAMPLES_DIR;
  for (auto& e : vardo::ejemplos::Todos()) {
    const auto bytes = vardo::ejemplos::Bytes(e);
    const std::string ruta = dir + "/" + e.archivo;
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!f) {
      std::fprintf(stderr, "No se pudo escribir %s\n", ruta.c_str());
      return 1;
    }
    std::printf("%s: %zu bytes\n", ruta.c_str(), bytes.size());
  }
  return 0;
}
