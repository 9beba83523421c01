// The sample documents of examples/, built through the model's own
// operations. make_examples writes them; a test checks that the committed
// files are still exactly what these builders produce.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/diagrama.h"
#include "model/documento_archivo.h"

namespace vardo::ejemplos {

struct Ejemplo {
  std::string archivo;  // file name inside examples/
  MarcoDocumento marco;
  CDiagrama diagrama;
};

// C1 20→135 °C m·cp 2, H2 170→60 °C m·cp 3, C3 80→140 °C m·cp 4,
// H4 150→30 °C m·cp 1.5 kW/K, DT min 10 K (entered in K).
Ejemplo CuatroCorrientes();
// A latent (boiling) stream, a table stream with a condensing step and a
// sensible stream.
Ejemplo LatenteYTabla();
// The four-stream problem with steam and cooling water, two integrity areas
// and three exchangers.
Ejemplo ServiciosYArea();

std::vector<Ejemplo> Todos();

// The bytes of the document file of one example.
std::vector<std::uint8_t> Bytes(Ejemplo& e);

}  // namespace vardo::ejemplos
