// The integrity-area bar, without windows: the entries of its combo box for
// a model and what choosing one does to the document.
//
// Entries: "%d %s" per area, "Diagrama Completo", then, while more than one
// area is shown, one entry listing the shown areas ("1 Norte;2 Sur;"). The
// selection follows the shown flags. Choosing an entry only changes which
// areas are shown: no undo step, no modified mark.
#pragma once
#include <string>
#include <vector>

#include "model/diagrama.h"

namespace vardo {

class CVardoDoc;

inline constexpr const char* kTextoDiagramaCompleto = "Diagrama Completo";

struct EntradasBarraAreas {
  std::vector<std::string> textos;
  int seleccion = 0;  // index into textos
};

// The combo's entries and selection for model d: none shown selects
// "Diagrama Completo", one shown its area, several the listing entry.
EntradasBarraAreas EntradasAreas(const CDiagrama& d);

// The user chose entry s of the combo filled from the document's model: an
// area is shown alone, "Diagrama Completo" shows every stream, the listing
// entry keeps the areas shown as they are. The views repaint and the
// document refreshes (counts, panes, this bar). False when s names no entry.
bool ElegirEntradaArea(CVardoDoc& doc, int s);

}  // namespace vardo
