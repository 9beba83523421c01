// Making and unmaking splits of the network's streams: a sensible stream
// becomes a split record with one node over four streams, a latent stream
// becomes two latent streams, and a split becomes one stream again.
//
// Every new stream is a copy of the stream it replaces (name, properties,
// film coefficient, cost law) with its own points, no exchangers and the
// replaced stream's integrity area; the replaced stream is deleted with its
// exchangers.
#pragma once
#include <cstdint>

#include "model/corriente.h"
#include "model/diagrama.h"

namespace vardo {

// A stream whose supply and target temperatures coincide.
bool EsLatente(const CCorriente& c);

// The split process stream i belongs to (its split index, when it names a
// split record), or -1.
std::int32_t BifurcacionDe(const CDiagrama& d, std::int32_t i);
// The last node of split b that names stream i among its four parts, or -1.
std::int32_t NodoDeCorriente(const CDiagrama& d, std::int32_t b, std::int32_t i);

// The temperature at which the two branches of S, split at Ta, ending at Tb
// and Tc and carrying pu and pl percent of the flow, mix again: where S
// reaches H(Ta) + pu/100·(H(Tb) - H(Ta)) + pl/100·(H(Tc) - H(Ta)).
double TemperaturaMezcla(const CCorriente& S, double Ta, double Tb, double Tc, double pu,
                         double pl);

// Whether process stream i can be split into two branches: a sensible stream
// that is no node's main branch (a main branch is drawn on its node's own
// row, where a further node has no room).
bool PuedeBifurcarse(const CDiagrama& d, std::int32_t i);

// Splits sensible process stream i at Ta into a main branch ending at Tb
// (pu percent of the flow) and an offset branch ending at Tc (pl percent),
// mixing where TemperaturaMezcla says. Four streams are appended (the part
// before Ta, the two branches, the part from the mixing temperature on),
// named like stream i, in its integrity area, each taking the rectangle of
// the split's whole stream. A new node names them (incoming, main, offset,
// outgoing) with the links incoming -> both branches -> outgoing:
// - a stream outside any split gets a new split record with that node 0;
// - a part of a split extends that split: the node is appended, every node
//   naming i names it (-n) instead, i's links go, and the nodes around it
//   are linked to the new parts (what fed i feeds the incoming part, what
//   i fed the outgoing part takes). A link never names a node: it names
//   the stream where the flow enters the node or leaves it.
// Then stream i alone is deleted with its exchangers (every reference above
// it shifts down) and the model's stream selection is cleared. Returns the
// split's index, or -1 (nothing done) when PuedeBifurcarse refuses i.
std::int32_t BifurcarCorriente(CDiagrama& d, std::int32_t i, double Ta, double Tb, double Tc,
                               double pu, double pl);

// Divides latent process stream i into two latent streams at its supply
// temperature carrying h1 and h2 (positive loads; negative enthalpies for a
// hot stream); then stream i is deleted. No split record is made. False
// (nothing done) when i names no latent process stream or one that a node
// of its split names.
bool DividirCorrienteLatente(CDiagrama& d, std::int32_t i, double h1, double h2);

// Puts split b's whole stream back as an ordinary stream at the end of the
// list, in integrity area `area` (-1 none), then deletes the split with its
// branch streams (and their exchangers). Returns the index the whole stream
// ends at, or -1 when b names no split.
std::int32_t UnirBifurcacion(CDiagrama& d, std::int32_t b, std::int32_t area);

}  // namespace vardo
