// The docked streams table, without windows: the rows it shows for a model,
// the change a user's edit, paste, new row or deleted row makes, and how
// that change reaches the document.
//
// The pane shows its own copy of the model, refreshed with the document's
// count refresh. Many commands change the document without that refresh
// (the analysis dialogs' DT min, the utilities, an exchanger drag), so the
// copy may be stale: an edit is found by comparing the grid with the copy
// it was filled from, and then applied to the document's current model.
// Only the cells the user changed count, so a number rounded for display
// never turns into a change of its own.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/diagrama.h"
#include "platform/core/types.h"

namespace vardo {

class CVardoDoc;

inline constexpr int kColumnasTablaCorrientes = 8;

// Columns of the table.
enum ColumnaTablaCorrientes {
  kColNumero = 0,       // "Corriente"
  kColDescripcion = 1,  // "Descripción"
  kColTipo = 2,         // "Tipo": "Caliente" or "Fría"
  kColTipoCalor = 3,    // "Tipo calor": "Sensible", "Latente", "No Lineal"
  kColT1 = 4,           // "T1 (K)"
  kColT2 = 5,           // "T2 (K)"
  kColH = 6,            // "H (kW)"
  kColMcp = 7,          // "mcp (kW/K)"
};

inline constexpr std::array<const char*, kColumnasTablaCorrientes> kCabecerasTablaCorrientes = {
    "Corriente", "Descripción", "Tipo", "Tipo calor", "T1 (K)", "T2 (K)", "H (kW)", "mcp (kW/K)"};
inline constexpr const char* kTextoFilaCaliente = "Caliente";
inline constexpr const char* kTextoFilaFria = "Fría";
inline constexpr const char* kTextoFilaSensible = "Sensible";
inline constexpr const char* kTextoFilaLatente = "Latente";
inline constexpr const char* kTextoFilaNoLineal = "No Lineal";

// Row colours (red in the low byte): hot streams, cold streams.
inline constexpr std::uint32_t kColorFilaCaliente = 0x0A1EC8;
inline constexpr std::uint32_t kColorFilaFria = 0xC81432;

// Column widths in twips (the others keep the grid's width).
inline constexpr int kAnchoDescripcion = 2500;
inline constexpr int kAnchoNumeros = 1420;

// One data row as shown: texts, which cells are read-only, its colour.
struct FilaTablaCorrientes {
  std::array<std::string, kColumnasTablaCorrientes> celdas;
  std::array<bool, kColumnasTablaCorrientes> soloLectura{};
  std::uint32_t color = 0;
};

// The row of process stream i of d (which must exist).
FilaTablaCorrientes FilaTablaCorriente(const CDiagrama& d, std::size_t i);

// The rows for every process stream of d, in order. Numbers have seven
// significant digits; a latent stream shows "-" as its m·cp.
std::vector<FilaTablaCorrientes> FilasTablaCorrientes(const CDiagrama& d);

// The grid's data rows as texts (row 0 of the grid, the headings, left out).
using CeldasTablaCorrientes = std::vector<std::array<std::string, kColumnasTablaCorrientes>>;

// One change to one stream, found in an edited row.
struct CambioCorriente {
  enum Campo { kNombre, kFria, kLatente, kT1, kT2, kH, kMcp };
  std::int32_t corriente = -1;
  Campo campo = kNombre;
  std::string nombre;
  bool valor = false;   // kFria, kLatente
  double numero = 0.0;  // kT1, kT2, kH, kMcp
};

// The change of a committed cell edit: rows from the last to the first, the
// first row that differs from the stream of `mostrado` (the copy the grid
// was filled from) gives one change, by the first field that differs in
// this order: name; hot or cold; sensible or latent; T1 by more than
// 0.001 K; T2 by more than 0.001 K (not for a latent stream); H by more than
// 0.01 kW; m·cp by more than 0.01 kW/K (not for a latent stream). A field
// counts only when its cell's text is not the text the row was filled with.
std::optional<CambioCorriente> DetectarCambio(const CDiagrama& mostrado,
                                              const CeldasTablaCorrientes& filas);

// The same for data row k alone (stream k of `mostrado`): what a committed
// cell edit needs, since only the edited row can differ from the model the
// table was filled from. None for a row past `mostrado`'s streams.
std::optional<CambioCorriente> DetectarCambioEnFila(
    const CDiagrama& mostrado, std::size_t k,
    const std::array<std::string, kColumnasTablaCorrientes>& celdas);

// Applies a change to its stream of d; false, changing nothing, when the
// stream no longer exists. A new T1 moves a latent stream's target along; a
// new H takes the stream's sign, and so does a latent stream's heat when it
// turns hot or cold; a sensible stream's m·cp or H follows the other.
bool AplicarCambio(CDiagrama& d, const CambioCorriente& c);

// The pasted grid applied to d: streams are appended (0 K to 1 K, cold,
// sensible, m·cp 0) until there is one per row; then each row whose texts
// differ from what `mostrado` filled it with, and each row past it, sets
// its stream's name, type, ends and H (or m·cp when H is 0).
void AplicarPegado(CDiagrama& d, const CDiagrama& mostrado, const CeldasTablaCorrientes& filas);

// The stream a row deletion removed: the first row whose number is no
// longer its own; when every row keeps its number, the row past the last.
// -1 when that names no stream of d.
std::int32_t CorrienteBorrada(const CDiagrama& d, const CeldasTablaCorrientes& filas);

// The grid's events as they reach the document.
enum class EventoTablaCorrientes { kModificada, kPegada, kNuevaLinea, kBorrarLinea };

// Finds the event's change against `mostrado`, applies it to the document's
// current model with one undo step, checks the exchangers, marks the
// document modified and its charts stale and refreshes it (counts, panes,
// views). True when something changed; a change that names a stream the
// document no longer has does nothing, and so does a paste that leaves every
// row as it was. A typed or pasted temperature not above 0 K or a value that
// gives a stream no finite heat is refused, a paste as a whole: nothing
// changes (no undo step) and `rechazo`, when given, gets the message to show.
bool AplicarEventoTabla(CVardoDoc& doc, const CDiagrama& mostrado,
                        const CeldasTablaCorrientes& filas, EventoTablaCorrientes evento,
                        std::string* rechazo = nullptr);

// A committed cell edit of data row `fila` (stream `fila` of `mostrado`),
// applied as AplicarEventoTabla applies kModificada, reading that row only:
// the cost of leaving a cell does not grow with the table.
bool AplicarEdicionFila(CVardoDoc& doc, const CDiagrama& mostrado, std::size_t fila,
                        const std::array<std::string, kColumnasTablaCorrientes>& celdas,
                        std::string* rechazo = nullptr);

// A click on grid row `fila` (0 the headings): its stream becomes the
// selected object of the document's view, loop marks and the exchanger
// selection go, the view repaints and the object browser follows. False,
// changing nothing, when the row names no stream of the document.
bool SeleccionarFilaTabla(CVardoDoc& doc, int fila);

}  // namespace vardo
