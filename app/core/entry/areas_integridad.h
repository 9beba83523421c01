// What the integrity areas dialog does to its copy of the problem, without a
// window: the texts of its lists, moving streams and utilities into and out
// of an area (a split stream always as a whole), storing an area's members,
// new areas in random colours, and the targets table that compares the
// undivided problem with the areas taken one by one.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/diagrama.h"
#include "platform/core/types.h"

namespace vardo {

// "%d %s": area k numbered from 1 and its name.
std::string TextoArea(const CDiagrama& d, std::int32_t k);

// One entry of a stream list: its text ("%d %s" for a process stream,
// "S%d %s" for a utility) and its stream reference.
struct EntradaCorriente {
  std::string texto;
  std::int32_t ref = 0;
  friend bool operator==(const EntradaCorriente&, const EntradaCorriente&) = default;
};

// The process streams, then the utilities, whose area index is `area` (-1:
// those in no area), in model order. A split is listed once, by the first of
// its streams that qualifies; its other streams go with it.
std::vector<EntradaCorriente> CorrientesDeArea(const CDiagrama& d, std::int32_t area);

// The other streams of the split that process stream ref belongs to (valid
// indices only, ref itself left out); none for a utility or an unsplit
// stream.
std::vector<std::int32_t> RestoDeBifurcacion(const CDiagrama& d, std::int32_t ref);

// Gives stream or utility ref the area index `area` (-1 takes it out of any
// area); a process stream takes the rest of its split along. References out
// of range change nothing.
void AsignarArea(CDiagrama& d, std::int32_t ref, std::int32_t area);

// Rewrites the member list of area `area` from the entries of its list, in
// list order, each split stream followed by the rest of its split. An area
// out of range changes nothing.
void GuardarMiembros(CDiagrama& d, std::int32_t area, const std::vector<std::int32_t>& refs);

// Appends an area named "Area %d" (the new count) in the given colour, not
// shown and without members; returns its index.
std::int32_t NuevaArea(CDiagrama& d, Rgb color);


// ------------------------------------------------------------ targets table

inline constexpr int kFilasObjetivos = 7;
// Row labels of the table, rows 1 to 7.
extern const std::array<const char*, kFilasObjetivos> kEtiquetasObjetivos;

// One value column: its header and its seven texts.
struct ColumnaObjetivos {
  std::string cabecera;
  std::array<std::string, kFilasObjetivos> valores;
};

// "Sin Dividir" (the whole problem), one column for each area with members
// (and "Restantes" for the streams and utilities of no area, when there are
// any), then "Dividido" with the sums of the area columns. The areas, their
// members and shown flags are left as they were; the copy's targets are those
// of the last area column.
std::vector<ColumnaObjetivos> TablaObjetivosAreas(CDiagrama& d);

}  // namespace vardo
