// The points grids of the data-entry dialogs (a stream's enthalpy table, a
// utility's curve) on the grid control: two numeric columns under one
// heading row, temperature then enthalpy, the first enthalpy read-only.
#pragma once

#include "app/core/charts/tabla_puntos.h"
#include "controls/grid/celdix.h"

namespace vardo {

// Lays a grid out for points with its two headings ("T (K)", "H (kW)").
void PrepararTablaPuntos(Celdix& grid, const char* cabeceraT, const char* cabeceraH);

// The data rows as the grid holds them.
TablaPuntos LeerTabla(const Celdix& grid);
// One grid row per point (rows = points + 1); texts as given.
void EscribirTabla(Celdix& grid, const TablaPuntos& filas);
// Writes back only the cells whose text differs (a table the checker
// corrected), so untouched cells keep their text.
void ActualizarTabla(Celdix& grid, const TablaPuntos& filas);

// A row added at the end copies the row above it.
void CopiarFilaAnterior(Celdix& grid);
// After a deletion left one data row: a second equal to the first comes
// back and the first enthalpy is "0" again.
void ReponerSegundaFila(Celdix& grid);

}  // namespace vardo
