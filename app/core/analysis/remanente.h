// Remaining-problem analysis: how much of the problem the exchangers placed
// on the grid diagram already solve and what is left. Five quantities
// (number of units, area, capital cost, heating, cooling) in four columns:
// the targets of the whole problem ("Mínimo"), the sums over the installed
// exchangers ("Instalado"), the targets of the problem that remains once the
// installed exchangers are taken away ("Remanente") and installed plus
// remaining ("Total").
//
// The remaining problem is a network object of its own: every process stream
// and utility cut into the temperature segments no installed exchanger
// covers. The analysis dialog and the HTML report both call these functions.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "model/diagrama.h"
#include "platform/core/uiport.h"

namespace vardo {

// Question asked when the generic utilities' temperatures violate DT min.
inline constexpr const char* kPreguntaServiciosGenericos =
    "Las temperaturas de los servicios generales violan la diferencia de temperaturas mínima "
    "para el nuevo valor de ésta. ¿Desea actualizarlos?";

// Generic utility check, before the analysis: recomputes the problem's
// targets and, when the generic heating utility lies below the highest
// shifted temperature + DT min or the generic cooling utility above the
// lowest − DT min, asks kPreguntaServiciosGenericos (Yes/No, default No). On
// Yes both are set to those two limits. An unset heating temperature
// (-10000 K) always asks. When no stream takes part (shown integrity areas
// leave none) there is nothing to compare and nothing is asked.
// Returns true when the temperatures were changed.
bool ComprobarServiciosGenericos(CDiagrama& problema, UiPort& ui);

// The problem that remains: a copy of `problema` whose process streams and
// utilities are replaced by the parts no exchanger covers (every other field
// stays). With an integrity area shown only sources of shown areas take part.
// A source without exchangers stays whole unless its heat is 1e-5 kW or less;
// a latent source loses the duties of its exchangers; a sensible source is cut
// into the gaps between its exchangers, each gap more than 0.01 K long in the
// stream's direction of flow becoming a segment whose heat is the source's
// heat over that range (every segment but the one from the supply starts at
// enthalpy 0).
CDiagrama ProblemaRemanente(const CDiagrama& problema);

// The five quantities of one column.
struct ValoresRemanente {
  std::int32_t numCambiadores = 0;
  double area = 0.0;           // m²
  double coste = 0.0;          // capital cost
  double calefaccion = 0.0;    // kW
  double refrigeracion = 0.0;  // kW
};

struct AnalisisRemanente {
  ValoresRemanente minimo;
  ValoresRemanente instalado;
  ValoresRemanente remanente;
  ValoresRemanente total;
  bool remanenteVacio = true;  // no process stream is left
};

// The four columns (after ComprobarServiciosGenericos, when the caller asks
// it). The targets are computed on a copy of `problema` and on the remaining
// problem, so `problema` is left as it was: the area targets fix unset
// generic utility temperatures, which only the user's Yes may change. With an
// integrity area shown an exchanger counts as installed when one of its sides
// is the generic utility or names a process stream of a shown area.
AnalisisRemanente CalcularRemanente(const CDiagrama& problema);

// Grid texts, [row][column]: row 0 the headings ("", "Mínimo", "Instalado",
// "Remanente", "Total"), column 0 the five row labels; the number of units as
// an integer, the capital cost with 4 significant digits, the others with 6.
using TablaRemanente = std::array<std::array<std::string, 5>, 6>;
TablaRemanente TextosRemanente(const AnalisisRemanente& a);

// Divisor of the cost chart for a capital cost target: 1, 1000 above 10000,
// 10000 above 100000 and so on up to 10000000 above 100000000.
double EscalaCosteRemanente(double costeMinimo);
// What the cost chart's bars count in: "Escala de coste: × 10⁴" (power
// written with superscript digits), "× 1" when not scaled.
std::string TextoEscalaCoste(double escala);

// One bar chart: its row label and the texts of its columns 1 to 3 (Mínimo,
// Instalado, Remanente) with the first "." turned into ",". The "Total"
// column is not charted.
struct GraficaRemanente {
  std::string etiqueta;
  std::array<std::string, 3> datos;
};
// The five charts in the order of the table's rows. The charts take the grid
// texts, except the cost chart: the three capital costs divided by
// EscalaCosteRemanente, with 8 significant digits.
std::array<GraficaRemanente, 5> GraficasRemanente(const AnalisisRemanente& a);

}  // namespace vardo
