// Operations of a split stream that need the network's streams: building and
// rebuilding its branch pieces, placing and drawing it on the grid diagram,
// tracing a loop through it, and recalculating its branch temperatures after
// the network changed.
//
// A split record keeps no pointer to any stream: every operation receives
// the network's stream array and resolves the record's references against it
// (a reference of 0 or more is a network stream, -k the segment of node k).
#pragma once
#include <cstdint>
#include <vector>

#include "model/bifurcada.h"
#include "model/corriente.h"
#include "model/diagrama.h"
#include "platform/core/dc.h"

namespace vardo {

// Colours of a split's overlays.
inline constexpr Rgb kColorBifurcacionSeleccion = MakeRgb(0, 0, 255);
inline constexpr Rgb kColorBifurcacionBlanco = MakeRgb(255, 255, 255);

// ---- Pieces ----

// Splits node `nodo` at Ta into a main branch ending at Tb and an offset
// branch ending at Tc, carrying pu and pl percent of the flow, merging at
// Td; rebuilds the node's four pieces, then the nodes they name.
void Bifurcar(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes, std::int32_t nodo,
              double Ta, double Tb, double Tc, double Td, double pu, double pl);
// Rebuilds every node of the pending list and the nodes named on the way,
// keeping each piece's temperatures and the branches' shares of the flow
// (each branch's heat over the stream's heat across the same temperatures,
// at its second point or else over the whole branch). Branches that tell
// nothing (no heat at all) are shared half and half.
void RecalcularRamas(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes);
// After the split's own stream was edited: node 0's segment takes it and
// every piece is rebuilt.
void ActualizarCorriente(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes);

// ---- Layout and drawing ----

// Computes the two lines of node `nodo` from the rectangles of its parts.
void CalcularPuntos(CCorrienteBifurcada& b, const std::vector<CCorriente>& corrientes,
                    std::int32_t nodo);
// Draws one line of a node: the left line when `izquierda` is non-zero.
void DibujarNodo(const CCuaterna& n, Dc& dc, std::int32_t izquierda);
// Lays out the split in its rectangle (rows, and the nodes from the relayout
// start on when it is set), draws its stream with `indice` as its number,
// the offset branches as brackets, the split and merge temperatures when
// `mostrarTemperaturas` is set, and the selection; sets the drawn flag.
void DibujarBifurcada(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes, Dc& dc,
                      double tPinch, std::int32_t indice, std::int32_t mostrarTemperaturas);
// Rebuilds the path list from stream `desde` to stream `hasta` through the
// split and draws those streams over the grid in red, or green when `verde`
// is set.
void DibujarResaltada(CCorrienteBifurcada& b, const std::vector<CCorriente>& corrientes,
                      std::int32_t desde, std::int32_t hasta, Dc& dc, std::int32_t verde);
// After a node was dragged: the four parts of every node follow its lines.
void AjustarRectangulos(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes);

// ---- Branch temperatures ----

// Recalculates the branch temperatures of split `bifurcacion` after the
// network changed: each node splits where its incoming stream leaves its last
// exchanger, the branches carry the shares of their heats up to where their
// exchangers end, and the outgoing stream starts at the mixing temperature.
// A node inside the split (one that is the incoming part or a branch of
// another node) also ends where its outgoing stream's exchangers end; the
// stream's own end is never cut. Runs the network calculation; returns its
// last result (kRed* of model/red.h), kRedSinAvisos when nothing was done.
std::int32_t CalcularTemperaturas(CDiagrama& d, std::int32_t bifurcacion);

}  // namespace vardo
