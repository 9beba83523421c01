// Chart builders of the network object: each fills a CGrafica from scratch
// with one of the program's charts (composite and grand composite curves,
// the targets against DT min, the loop costs, the available temperature
// difference, the chart of chosen variables and the exergy charts) and sets
// its series, captions and decimals. The caller then runs Recalcular and
// draws.
//
// Every builder leaves the model as it found it: DT min, the stream and
// utility arrays, the generic utility temperatures and the network; the
// targets it holds are those of the model's DT min on return. Partial
// problems (the hot streams alone, the utilities alone, ...) are solved on
// local data. The one exception is the available temperature difference
// when it asks: the user's answer may update the generic utility
// temperatures.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/core/charts/grafica.h"
#include "model/diagrama.h"
#include "platform/core/types.h"
#include "platform/core/uiport.h"

namespace vardo {

// ---- Colours of the charts ----
inline constexpr Rgb kColorCurvaCaliente = MakeRgb(170, 0, 0);
inline constexpr Rgb kColorCurvaFria = MakeRgb(0, 0, 200);
inline constexpr Rgb kColorCurvaServicios = MakeRgb(180, 110, 250);
inline constexpr Rgb kColorSeleccionada = MakeRgb(80, 210, 60);
inline constexpr Rgb kColorTotales = MakeRgb(0, 170, 0);
inline constexpr Rgb kColorSeparador = MakeRgb(0, 200, 0);

// ---- Composite and grand composite curves (graficas_compuestas.cpp) ----

// Process grand composite curve (heat cascade against shifted temperature);
// with conServicios the utilities' one; with mostrarSeleccionada the selected
// stream's or utility's stretch of its curve.
void GraficaGrandCompuesta(CDiagrama& d, CGrafica& g, bool mostrarSeleccionada, bool conServicios);
// Hot and cold composite curves of the process streams. Without any stream
// no series is started (only the captions change).
void GraficaCompuestas(CDiagrama& d, CGrafica& g, bool mostrarSeleccionada);
// The same with the defined utilities in their curves.
void GraficaCompuestasServicios(CDiagrama& d, CGrafica& g, bool mostrarSeleccionada);

// ---- Targets against DT min (graficas_dtmin.cpp) ----
// Each sweeps DT min from dtDesde by (dtHasta - dtDesde) / n, n points per
// series (dtHasta itself is not reached); n <= 0 gives series without points.

void GraficaServiciosDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n);
void GraficaNMinDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n);
void GraficaTPinchDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n);
void GraficaAreaMinDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n);
void GraficaCosteInmovilizadoDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta,
                                   int n);
void GraficaCosteOperacionDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n);
void GraficaCosteTotalDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n);

// Target variables of the chart of chosen variables.
enum VariableObjetivo {
  kVarCalefaccion = 0,      // minimum hot utility
  kVarRefrigeracion = 1,    // minimum cold utility
  kVarTPinch = 2,           // pinch temperature (shifted)
  kVarNMin = 3,             // minimum number of units
  kVarAreaMin = 4,          // minimum area
  kVarCosteOperacion = 5,   // operating cost per year
  kVarCosteInmovilizado = 6,  // capital cost per year
  kVarCosteTotal = 7,       // total cost per year
  kNumVariables = 8
};

// Values of one target variable over a DT min sweep, one entry per DT index
// (the k-th DT of the sweep); an entry is empty where the sweep plots no
// point (an area of 0, a value that is not a number). An unknown variable
// gives an empty list.
std::vector<std::optional<double>> BarridoVariable(CDiagrama& d, int variable, double dtDesde,
                                                   double dtHasta, int n);

// ---- Other charts (graficas_otras.cpp) ----

// Cost of the network against the heat flow shifted around the loop that is
// loaded and prepared in the model's load-shifting member (capital, operating
// and total cost). Returns how many heat flows gave no point because the
// network failed to calculate; no message is shown for them.
int GraficaCostesAnillo(CDiagrama& d, CGrafica& g, int n);

// Whether a builder may ask the user. The explicit command asks; painting,
// the object browser and the report never do.
enum class Preguntas { Preguntar, NoPreguntar };

// Temperature of the hot composite against that of the cold composite at the
// same heat, utility loads included. When the generic utility temperatures
// violate DT min, Preguntar asks whether to update them (and updates the
// model on Yes; unset temperatures are set); NoPreguntar never changes the
// model and draws with the temperatures it has (unset ones taken from the
// targets). Without streams the chart stays as it was.
void GraficaDTDisponible(CDiagrama& d, CGrafica& g, Preguntas preguntas, UiPort& ui);
inline void GraficaDTDisponible(CDiagrama& d, CGrafica& g) {
  GraficaDTDisponible(d, g, Preguntas::NoPreguntar, DefaultUiPort());
}
// The ranges of the available-temperature-difference chart, set after its
// scaling: x from the last two points (the separator's ends), y from the
// first point down to the separator's lower end.
void MargenesDTDisponible(CGrafica& g);

// One target variable against another over a DT min sweep, points paired by
// DT. False (chart untouched) for a variable code outside 0..7.
bool GraficaPersonalizada(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n,
                          int variableX, int variableY);
// Caption of a variable ("Cal (kW)", ...); empty for an unknown code.
std::string TituloVariable(int variable);

// Carnot factor 1 - T0/T at the model's reference temperature T0.
double FactorCarnot(const CDiagrama& d, double T);

// Exergy composite curves: Carnot factor against heat, n points per curve.
void GraficaCompuestasExergia(CDiagrama& d, CGrafica& g, int n);
// Exergy grand composite curves: Carnot factor of the shifted temperature
// against the cascade, n temperatures per curve, both ends included.
void GraficaGrandCompuestaExergia(CDiagrama& d, CGrafica& g, int n, bool conServicios);
// Available exergy: cascade times Carnot factor against shifted temperature.
void GraficaExergiaDisponible(CDiagrama& d, CGrafica& g, int n, bool conServicios);

// ---- Shared by the builders ----

// Keeps what a builder may disturb while it computes targets at other DT min
// values, and puts it back when it goes out of scope: DT min, the generic
// utility temperatures, and the targets recomputed at the restored DT min
// (the utility targets only when they were computed before).
class ConservarModelo {
 public:
  explicit ConservarModelo(CDiagrama& d);
  ~ConservarModelo();
  ConservarModelo(const ConservarModelo&) = delete;
  ConservarModelo& operator=(const ConservarModelo&) = delete;

 private:
  CDiagrama& d_;
  double dtMin_;
  double tCalienteGenerico_;
  double tFrioGenerico_;
  bool soloServicios_;
  bool conServicios_;
};

// Adds (x, y) as chart integers at the chart's decimals; a value that is not
// a finite number gives no point. False when no point was added.
bool AnadirPuntoValor(CGrafica& g, double x, double y);

// Largest number of points a series of a sweep computes.
int PuntosBarrido(int n);

}  // namespace vardo
