// Fuzz target of the document loader: any bytes are opened as a document
// file (the two framing words, then the network's body). A refused file
// leaves the model as it was; an accepted one is calculated (targets and
// network), drawn (the grid diagram and a few charts into a recording Dc),
// saved, and what was saved must read back and save to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include "app/core/charts/grafica.h"
#include "app/core/charts/graficas.h"
#include "app/core/views/diagrama_rejilla.h"
#include "model/diagrama.h"
#include "model/documento_archivo.h"
#include "model/red.h"
#include "platform/core/archive.h"
#include "platform/core/dc.h"
#include "platform/core/uiport.h"

using namespace vardo;

namespace {

// What an untouched model saves to; a refused file must leave it so.
const std::vector<std::uint8_t>& Vacio() {
  static const std::vector<std::uint8_t> bytes = [] {
    CDiagrama d;
    return GuardarDocumento(MarcoDocumento{}, d);
  }();
  return bytes;
}

void Dibujar(CDiagrama& d) {
  RecordingDc dc;
  Dibujar(d, dc, kDibujoPantalla);
  CGrafica g;
  GraficaCompuestas(d, g, true);
  g.Recalcular();
  g.Dibujar(dc, false);
  GraficaGrandCompuesta(d, g, true, true);
  g.Recalcular();
  g.Dibujar(dc, true);
  GraficaDTDisponible(d, g);
  g.Recalcular();
  g.Dibujar(dc, false);
}

// Reads back what the program wrote: it must be accepted.
CDiagrama Releer(const std::vector<std::uint8_t>& bytes, MarcoDocumento& marco) {
  CDiagrama d;
  try {
    CargarDocumento(bytes, marco, d);
  } catch (const FormatError&) {
    std::abort();  // the program wrote a file it cannot read
  }
  return d;
}

// The core code's messages go to a quiet port for one input.
class PuertoCallado {
 public:
  PuertoCallado() {
    ui_.SetQuiet(true);
    SetDefaultUiPort(&ui_);
  }
  ~PuertoCallado() { SetDefaultUiPort(nullptr); }
  PuertoCallado(const PuertoCallado&) = delete;
  PuertoCallado& operator=(const PuertoCallado&) = delete;

 private:
  RecordingUiPort ui_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const PuertoCallado puerto;

  const std::vector<std::uint8_t> bytes(data, data + size);
  CDiagrama d;
  MarcoDocumento marco;
  try {
    CargarDocumento(bytes, marco, d);
  } catch (const FormatError&) {
    MarcoDocumento limpio;
    if (marco.modo != limpio.modo || marco.usarFactibilidad != limpio.usarFactibilidad ||
        GuardarDocumento(marco, d) != Vacio())
      std::abort();  // a refused file changed the model
    return 0;
  } catch (const std::bad_alloc&) {
    return 0;  // the program refuses such a file with its format message too
  }

  // Saved as it was read, then read back: the same bytes again.
  const std::vector<std::uint8_t> guardado = GuardarDocumento(marco, d);
  MarcoDocumento otroMarco;
  CDiagrama otro = Releer(guardado, otroMarco);
  if (GuardarDocumento(otroMarco, otro) != guardado) std::abort();

  d.CalcularObjetivos();
  CalcularRed(d);
  Dibujar(d);
  // Saving what was calculated and drawn must read back as well.
  MarcoDocumento tercerMarco;
  Releer(GuardarDocumento(marco, d), tercerMarco);
  return 0;
}
