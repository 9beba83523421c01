// Loops, paths and disturbance routes of a designed network: the node
// adjacency matrix built from the design, the loop and path search with its
// next/previous/show stepping, the chain built by picking exchangers, load
// shifting around a loop or path, and the route by which a disturbance of one
// stream reaches another.
//
// These are operations of the network object written as free functions on
// it; messages go through the given UiPort.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/arbol.h"
#include "model/diagrama.h"
#include "platform/core/uiport.h"

namespace vardo {

// ---- Node adjacency matrix (anillos.cpp) ----

// Builds the loop-search matrix and node labels of the design into `arbol`:
// exchanger edges from the hot end to the cold end, stream edges along each
// stream's exchanger list in the direction of flow, utility-to-utility edges,
// split-node edges, the heater and cooler chains and the utility link.
void ConstruirMAN(const CDiagrama& d, CArbol& arbol);
// The same into the network object's own graph.
void ConstruirMAN(CDiagrama& d);
// The disturbance matrix: the same nodes and labels, exchanger edges in both
// directions, stream and split-node edges; no utility edges and no link.
void ConstruirMANPerturbaciones(const CDiagrama& d, CArbol& arbol);
// Stores the label of one node of the network object's graph.
void NombrarNodo(CDiagrama& d, std::int32_t nodo, const std::string& texto);
// The topology a graph is built from: exchanger sides, the exchanger lists of
// streams and utilities, split nodes. Two designs with the same signature
// give the same matrix.
std::vector<std::int32_t> FirmaDiseno(const CDiagrama& d);

// Texts shown when a search lists only the first loops and paths: it
// reached its limit, or it was stopped.
std::string TextoAnillosLimitados(std::size_t maximo = kMaxAnillos);
inline constexpr const char* kTextoBusquedaInterrumpida =
    "Se ha interrumpido la búsqueda de anillos y sendas; sólo se muestran los encontrados hasta "
    "ese momento.";

// ---- Loop and path search (anillos.cpp) ----

// Adds exchanger i (0-based) to the chain under construction, or removes it
// when it was the last one picked. Returns the chain's classification
// (kLazoIncompleto, kLazoSenda, kLazoAnillo), or 0 when the pick was refused
// or undone.
std::int32_t AddCambiadorAnillo(CDiagrama& d, std::int32_t i);
// Searches every loop and path of the design (restricted, when exchangers
// were picked, to those through the picked ones one after another), fills
// the found loops and shows the first. The graph and its loops are rebuilt
// whenever the design changed since they were built. Past kMaxAnillos loops,
// or when `cancelar` (polled during the search with the number found so
// far) answers true, the search stops, the user is told that only the first
// ones are listed and those are kept. A list cut at the limit is used again
// by the next search (picked exchangers then get a search of their own); a
// search stopped by `cancelar` is not. Returns the number of loops and paths
// listed.
std::int32_t BuscarAnillos(CDiagrama& d, UiPort& ui = DefaultUiPort(),
                           const std::function<bool(std::size_t)>& cancelar = {});
// Show the next or previous found loop, cyclically; nothing without loops.
void AnilloSiguiente(CDiagrama& d);
void AnilloAnterior(CDiagrama& d);
// Shows found loop n (1-based); any n outside 1..count shows the first.
void MostrarAnillo(CDiagrama& d, std::int32_t n);
// Clears the split highlights and the loop display state.
void LimpiarAnillos(CDiagrama& d);

// ---- Load shifting and disturbance routes (perturbaciones.cpp) ----

// Fills the load-shifting loop's streams with every stream reached from its
// exchangers (through the exchangers on them and the branches of splits).
void PrepararAnillo(CDiagrama& d);
// Rewrites the set values of the exchangers on those streams so that
// their duties can be shifted: duty given, temperatures chained along each
// stream.
void DesplazarCargaAnillo(CDiagrama& d);
// Moves x kW around the load-shifting loop (added at even positions, taken
// at odd ones, never below 0), recalculates targets, network and splits and,
// with the utilities shown, the utility loads. A loop repeats its first
// exchanger at its end; that exchanger is shifted once. Returns true when
// the network calculation succeeded (no errors), false otherwise.
bool RelajarAnillo(CDiagrama& d, double x);
// Searches the route by which a disturbance of stream s1 reaches stream s2,
// on a scratch graph (the loop-search graph is left alone); the route goes
// into the graph's disturbance result (the route's exchangers from s2's end
// back to s1's). With `silencio` non-zero the "no route" message is not
// shown; the message about choosing two different streams always is.
// Returns 1 when a route was found (it may cross no exchanger, through a
// split), 0 otherwise; a stream without exchangers leaves the result as it
// was.
std::int32_t BuscarCaminosPerturbacion(CDiagrama& d, std::int32_t s1, std::int32_t s2,
                                       std::int32_t silencio, UiPort& ui = DefaultUiPort());

// Messages of the disturbance search.
inline constexpr const char* kTextoPerturbacionMismaCorriente =
    "Para buscar caminos de transmisión de perturbaciones deben seleccionarse dos corrientes "
    "distintas.";
inline constexpr const char* kTextoPerturbacionSinCaminos =
    "No se han encontrado caminos de transmisión de perturbaciones.";

}  // namespace vardo
