// Temperature–enthalpy tables as the points grids show them (a stream's
// enthalpy table, a utility's curve): one row per point, the temperature and
// the enthalpy as the texts of their cells. Cells that hold no number read
// as 0.
#pragma once
#include <string>
#include <vector>

#include "app/core/charts/grafica.h"
#include "model/corriente.h"

namespace vardo {

struct FilaPuntos {
  std::string t;  // temperature, K
  std::string h;  // cumulative enthalpy, kW
  friend bool operator==(const FilaPuntos&, const FilaPuntos&) = default;
};
// The data rows in order (grid row r holds entry r - 1).
using TablaPuntos = std::vector<FilaPuntos>;

// Shown when the checker had to correct a temperature or an enthalpy.
inline constexpr const char* kMsgTablaNoMonotona =
    "Los datos introducidos en la tabla no son correctos\n\n"
    "Temperatura y entalpía deben ser funciones monótonas\n\n"
    "El programa ha modificado los datos de la tabla para que cumplan esta condición";
// Shown when a utility's table ends at enthalpy 0: such a curve holds no heat.
inline constexpr const char* kMsgEntalpiaFinalNula =
    "La entalpía del último punto no puede ser cero: el servicio no intercambiaría calor.\n\n"
    "Introduzca una entalpía final distinta de cero.";
// Shown when a computed table did not start at enthalpy 0 and was shifted.
inline constexpr const char* kMsgEntalpiaInicial =
    "El valor inicial de la entalpía debe ser cero.\n\n"
    "Se ha restado el valor inicial de la entalpía a todas las columnas de la tabla para que "
    "se cumpla esta condición";

// The number a cell holds by the number rule, 0 when none.
double ValorCelda(const std::string& texto);

// Direction of a table: rising when its last temperature lies at least
// 0.001 K above the first; with the ends within 0.001 K of each other,
// rising when the last enthalpy is above 0. An empty table is falling.
bool TablaAscendente(const TablaPuntos& filas);

// Makes a table monotonic in the table's direction, in place:
// - with three rows or more, for each pair of neighbouring rows in order: a
//   temperature going against the direction takes the text of the row
//   above; two equal temperatures move the lower row 0.01 K on in the
//   direction; an enthalpy of smaller magnitude than the row above takes its
//   text; the upper row's enthalpy gets the sign of the direction;
// - always: the last enthalpy gets the sign of the direction.
// Returns true when a temperature or an enthalpy magnitude was corrected:
// the caller then shows kMsgTablaNoMonotona, once. Sign changes and the
// 0.01 K nudges are silent.
bool ComprobarTabla(TablaPuntos& filas);

// The points of a stream or utility, six significant digits.
TablaPuntos TablaDeCorriente(const CCorriente& c);
// Replaces the point lists of c by the table's rows, in order.
void PuntosDeTabla(const TablaPuntos& filas, CCorriente& c);

// The table of a computed fitted function with its points (x[i], y[i]):
// H = f(T) gives rows (x, y - y[0]), T = f(H) rows (y, x - x[0]), six
// significant digits. `desplazada` tells whether the first enthalpy was more
// than 1e-5 away from 0 (the caller shows kMsgEntalpiaInicial).
TablaPuntos TablaDeFuncion(const std::vector<double>& x, const std::vector<double>& y,
                           bool hDeT, bool& desplazada);

// Preview of a table: a rising table whose last enthalpy is above 0 (cold)
// as the series "Entalpía" in blue, (H, T); any other as "Entalpia" in red,
// shifted by the last enthalpy so that it also starts at 0 and grows to the
// right. Axes "H (kW)" and "T (K)", no title, scaled to its points, in a
// frame of 90 × 95 mm from 5 mm above the origin.
inline constexpr Rgb kColorEntalpiaFria = MakeRgb(0, 0, 200);
inline constexpr Rgb kColorEntalpiaCaliente = MakeRgb(180, 0, 0);
CGrafica GraficaEntalpia(const TablaPuntos& filas);

}  // namespace vardo
