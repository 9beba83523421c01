// What the pages of the utilities sheet "Servicios Generales" do to the
// model, without windows: which utilities they list, the rows of the add
// page read back and pasted, the reclassification of every utility by the
// pinch, the bars' maxima and totals of the combine page, the fitted change
// that keeps the utilities' curve inside the process curve, and the add
// page's chart of the selected utility.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/core/charts/grafica.h"
#include "model/diagrama.h"
#include "platform/core/types.h"

namespace vardo {

// Row colours of heating and cooling utilities.
inline constexpr Rgb kColorCalefaccion = MakeRgb(250, 120, 40);
inline constexpr Rgb kColorRefrigeracion = MakeRgb(50, 200, 20);

// Texts of the add page's "Servicio" and "Calor" columns.
inline constexpr const char* kTextoCalefaccion = "Calefacción";
inline constexpr const char* kTextoRefrigeracion = "Refrigeración";
inline constexpr const char* kTextoSensible = "Sensible";
inline constexpr const char* kTextoLatente = "Latente";
inline constexpr const char* kTextoCombinado = "Combinado";

// The utilities the pages list, in array order: those whose area is shown
// when any integrity area is shown, else all.
std::vector<std::int32_t> ServiciosListados(const CDiagrama& d);

// The heat type of a utility: "Latente", "Sensible" or "Combinado".
std::string TipoCalor(const CServicios& s);

// One row of the add page as texts, in column order.
struct FilaServicio {
  std::string numero;    // "Nº": index + 1
  std::string nombre;    // "Descripción"
  std::string servicio;  // "Calefacción" or "Refrigeración"
  std::string calor;     // "Sensible", "Latente" or "Combinado"
  std::string tEntrada;  // "T ent(K)"
  std::string tSalida;   // "T sal(K)"
  std::string hMaxima;   // "H max(kW)"
};

// Targets and every utility's cascade copy brought up to date, then the
// listed utilities' DT min and maximum enthalpy; returns their rows.
std::vector<FilaServicio> PrepararFilas(CDiagrama& d, const std::vector<std::int32_t>& listados);

// The utility a row's number names (number - 1), or -1 when its number
// names none.
std::int32_t ServicioDeFila(const CDiagrama& d, const std::string& numero);

// A utility edited by "Definir Servicio": gets the utility, answers true
// when the user accepted (the utility then holds the new definition).
using DefinirServicioFn = std::function<bool(CServicios&)>;

// A cell of a utilities table that the number rule refuses: its row (from
// 0 among the rows checked), its column and the message.
struct CeldaRechazada {
  int fila = 0;
  int columna = 0;
  std::string mensaje;
};

// The end temperatures of a row as the number rule reads them (above 0 K).
// A cell that still holds what `escrita` (the row as the page wrote it;
// nullptr for none) shows is taken as it is. Empty when the row is taken,
// else its first refused cell.
std::optional<CeldaRechazada> ComprobarFila(const FilaServicio& fila, const FilaServicio* escrita);

// Reads one row back into the utility its number names (a row that names
// none is skipped): name, kind (with the outlet kept on the kind's side of
// the inlet), heat type (a row just changed to "Combinado" is defined
// through `definir`, whose accepted utility replaces the row's values) and
// the end temperatures and maximum enthalpy. A cell that still holds what
// `escrita` shows keeps the utility's value; the row is one ComprobarFila
// took.
void LeerFila(CDiagrama& d, const FilaServicio& fila, const FilaServicio* escrita,
              const DefinirServicioFn& definir);

// After an edit: the targets, then every utility classified again by its
// supply temperature against the pinch (one between Tp - DTmin/2 and
// Tp + DTmin/2 moves to Tp - DTmin/2 and cools), its cascade copy rebuilt,
// its enthalpy signs and maximum enthalpy recomputed.
void ReclasificarServicios(CDiagrama& d);

// Appends n default utilities and makes each one listed: while areas are
// shown, one left in no area joins the first shown area. Returns their
// indices.
std::vector<std::int32_t> AnadirServiciosListados(CDiagrama& d, int n);

// The utility of a deleted row: the first row whose number differs from the
// utility listed at its place, else the last listed one; -1 when nothing
// was listed.
std::int32_t ServicioBorrado(const std::vector<std::int32_t>& listados,
                             const std::vector<std::string>& numeros);

// A pasted row: the texts of "Descripción", "Calor", "T ent(K)", "T sal(K)".
struct FilaPegada {
  std::string nombre, calor, tEntrada, tSalida;
};
// The pasted temperatures as the number rule reads them (above 0 K): empty
// when every row is taken, else the first refused cell (its row counted
// from 0, its column that of the add page).
std::optional<CeldaRechazada> ComprobarPegado(const std::vector<FilaPegada>& filas);
// Writes the pasted rows, taken by ComprobarPegado, into the utilities they
// stand for (row i into servicios[i]): name, kind by the pinch, latent when so typed or when the
// outlet equals (or crossed) the inlet, normalised curve, end temperatures
// and maximum enthalpy.
void AplicarPegado(CDiagrama& d, const std::vector<std::int32_t>& servicios,
                   const std::vector<FilaPegada>& filas);

// The add page's chart: the process grand composite curve and, for a
// utility that exists, its curve as the series "Servicio" in its colour.
void GraficaServicio(CDiagrama& d, CGrafica& g, std::int32_t servicio);

// ---- Combine page ----

// A bar's maximum: |H| while the curves are kept fitted, |H + 50| x 10
// otherwise (H the utility's maximum enthalpy); never below the utility's
// load, so the bar can show it (loads kept that do not fit).
double MaximoBarra(const CServicios& s, bool ajustar);

// Load sums of the listed heating and cooling utilities against the minimum
// hot and cold utility of the process.
struct TotalesServicios {
  double calefaccion = 0.0, calefaccionMinima = 0.0;
  double refrigeracion = 0.0, refrigeracionMinima = 0.0;
};
TotalesServicios CalcularTotales(CDiagrama& d, const std::vector<std::int32_t>& listados);
// "%s kW/%s kW".
std::string TextoTotal(double suma, double minimo);

// How a fitted change ended.
enum class CambioAjustado {
  Aceptado,   // the new loads fit
  Corregido,  // the changed utility takes the remainder of its side, and that fits
  Rechazado,  // the loads went back to the saved ones
};
// The loads were just read into the model; `guardadas` holds them as they
// were before. Keeps the new loads when the utilities' curve fits the
// process one; otherwise gives the changed utility (the first whose load
// differs, else the first) what its side still needs, when that is neither
// negative nor beyond its maximum enthalpy and fits; otherwise restores.
CambioAjustado AplicarCambioAjustado(CDiagrama& d, const std::vector<double>& guardadas);

// Leaving the fitted mode: a load above its utility's maximum enthalpy (in
// magnitude) comes down to it.
void LimitarCargas(CDiagrama& d);

}  // namespace vardo
