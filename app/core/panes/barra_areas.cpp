#include "app/core/panes/barra_areas.h"

#include "app/core/document/documento.h"

namespace vardo {

EntradasBarraAreas EntradasAreas(const CDiagrama& d) {
  EntradasBarraAreas e;
  std::string listado;
  int mostradas = 0;
  int unica = -1;
  for (std::size_t i = 0; i < d.m_areas.size(); ++i) {
    const CAreaIntegridad& a = d.m_areas[i];
    const std::string texto = std::to_string(i + 1) + " " + a.GetNombre();
    e.textos.push_back(texto);
    if (a.mostrada) {
      ++mostradas;
      unica = static_cast<int>(i);
      listado += texto + ";";
    }
  }
  e.textos.push_back(kTextoDiagramaCompleto);
  e.seleccion = static_cast<int>(d.m_areas.size());
  if (mostradas == 1) e.seleccion = unica;
  if (mostradas > 1) {
    e.textos.push_back(listado);
    e.seleccion = static_cast<int>(e.textos.size()) - 1;
  }
  return e;
}

bool ElegirEntradaArea(CVardoDoc& doc, int s) {
  CDiagrama& d = doc.m_Diagrama;
  const int a = static_cast<int>(d.m_areas.size());
  const int entradas = static_cast<int>(EntradasAreas(d).textos.size());
  if (s < 0 || s >= entradas) return false;
  // The listing entry stands for the areas shown now: they stay shown.
  if (s <= a) {
    for (int i = 0; i < a; ++i) d.m_areas[static_cast<std::size_t>(i)].mostrada = i == s ? 1 : 0;
  }
  doc.ActualizarContadores();  // counts, panes, this bar and the views
  return true;
}

}  // namespace vardo
