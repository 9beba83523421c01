// The grid diagram ("Diagrama de Trama"): one row per stream, utility or split,
// the pinch lines with their temperatures and every exchanger as a link
// between two rows, drawn into a Dc in 0.01 mm with y growing upwards inside
// the network's grid rectangle.
//
// Every drawing lays out from scratch and writes what it lays out into the
// records (row rectangles, colours, utility-pinch lists, the splits' drawn
// flags, the exchangers' end rectangles), so that a hit test reads exactly
// the picture the user sees. Nothing else is kept between drawings.
#pragma once
#include <cstdint>
#include <vector>

#include "model/diagrama.h"
#include "platform/core/dc.h"
#include "platform/core/types.h"

namespace vardo {

// Where a drawing goes: the screen (or a printer, an image), or a metafile.
inline constexpr int kDibujoPantalla = 0;
inline constexpr int kDibujoMetafile = 1;

// Colours the layout gives.
inline constexpr Rgb kColorCorrienteCubierta = MakeRgb(160, 60, 200);  // whole heat exchanged
inline constexpr Rgb kColorServicioCaliente = MakeRgb(250, 120, 40);
inline constexpr Rgb kColorServicioFrio = MakeRgb(50, 200, 20);
inline constexpr Rgb kColorLineaPinch = MakeRgb(0, 0, 0);
inline constexpr Rgb kColorLineaPinchServicio = MakeRgb(185, 185, 185);

// Relative tolerance of the covered-stream test: the exchangers' duties on a
// record add up to its whole heat within this fraction of it.
inline constexpr double kTolCubierta = 0.001;

// Pinch lines run from this height down to the grid's bottom edge; their
// upper labels stand on it too.
inline constexpr std::int32_t kYSuperiorPinch = -1000;

// Rebuilds the network's two utility-pinch lists from the cascade with
// utilities (which must be up to date): every inner interval temperature whose
// residual heat is below 0.001 in magnitude, hotter than the process pinch in
// the upper list, colder in the lower one, in cascade order; one within 0.01 K
// of the process pinch is the process pinch and goes in neither.
void CalcularPinchesServicio(CDiagrama& d);

// The diagram font: the network's font with 20 logical units (0.01 mm) per
// stored unit of height (the default 18 gives 360, 3.6 mm). Every Dc back end
// takes heights in 0.01 mm and maps them to its own device, so the screen and
// a metafile select the same record.
LogFont FuenteDiagrama(const CDiagrama& d);

// Number of rows the layout takes: the counted process streams, every counted
// split's rows beyond its branch streams, and, with the utilities shown, the
// counted utilities. Recomputes every counted split's row count.
std::int32_t ContarFilas(CDiagrama& d);

// Draws the whole diagram. exportar is kDibujoPantalla on screen and
// kDibujoMetafile into a picture; both give the same picture in 0.01 mm (see
// FuenteDiagrama). Recomputes the targets, the utility pinches,
// the colours, the rows and the exchangers' places. Draws nothing when no row
// counts. The pen, brush and font in the Dc are as before on return.
void Dibujar(CDiagrama& d, Dc& dc, int exportar);

// The loop or path overlay: the network's current chain in RGB(200, 0, 0),
// the split branches it passes through highlighted, and its exchangers drawn
// over in the same colour (their own colours are kept).
void DibujarAuxiliar1(CDiagrama& d, Dc& dc);

// The disturbance-route overlay in RGB(80, 200, 0) between the network's two
// disturbance streams, along the route the last search left in the network's
// graph; nothing when no route is current. A route without exchangers joins
// the two rows directly.
void DibujarAuxiliar2(CDiagrama& d, Dc& dc);

}  // namespace vardo
