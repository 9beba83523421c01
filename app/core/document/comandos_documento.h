// The document's commands by id: when each is enabled (and checked), and
// running it. The menus, toolbars and key tables of the window part reach
// the document's command logic through these two functions only.
#pragma once
#include <optional>
#include <vector>

#include "app/core/document/documento.h"

namespace vardo {

// What the document says of one command.
struct EstadoComando {
  bool habilitado = false;
  std::optional<bool> marcado;  // empty: no check mark
};

// The ids the document runs, in menu order.
const std::vector<int>& ComandosDocumento();
bool EsComandoDocumento(int id);

// Whether command id is enabled for doc (null: no document, disabled), and
// its check mark. Also answers the view's loop commands, which the document
// enables but the view runs. A command whose dialog the factory cannot offer
// yet is disabled.
EstadoComando EstadoComandoDocumento(const CVardoDoc* doc, int id);

// Runs command id when it is enabled; false when it was not run. Afterwards
// the view's selected kind is dropped when it no longer names an object.
bool EjecutarComandoDocumento(CVardoDoc& doc, int id);

// The stream-properties window of process stream or utility ref as the
// model stands: number ("%d", "S%d"), name, ends, whole heat, m·cp ("-" for
// a latent one), one line per exchanger of its list with the computed
// temperatures of its side, and the heat no exchanger covers.
VentanaPropCorriente VentanaDeCorriente(const CDiagrama& d, std::int32_t ref);

}  // namespace vardo
