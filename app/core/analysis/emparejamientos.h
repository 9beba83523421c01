// Matches of the pinch design method: the rows of one pinch and side, the
// matches the engineer makes by clicking a hot and a cold row, and the
// exchangers they become in the model.
//
// The state belongs to the design dialog, which owns the model copy and
// passes it to every call. After a split of a listed stream the dialog calls
// TrasBifurcar and RellenarListas again.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/core/analysis/factibilidad.h"
#include "model/diagrama.h"
#include "platform/core/types.h"

namespace vardo {

// Colours of the matches, in the order they are given; the nineteenth match
// takes colour 0 again.
inline constexpr std::array<Rgb, 18> kColoresEmparejamiento{
    MakeRgb(255, 200, 150), MakeRgb(255, 0, 255),  MakeRgb(0, 255, 255),
    MakeRgb(128, 0, 0),     MakeRgb(0, 128, 0),    MakeRgb(0, 0, 128),
    MakeRgb(128, 128, 0),   MakeRgb(128, 0, 128),  MakeRgb(0, 128, 128),
    MakeRgb(255, 64, 64),   MakeRgb(255, 0, 0),    MakeRgb(0, 255, 0),
    MakeRgb(0, 0, 255),     MakeRgb(64, 255, 64),  MakeRgb(64, 64, 255),
    MakeRgb(200, 200, 64),  MakeRgb(255, 64, 255), MakeRgb(64, 255, 255)};

inline constexpr const char* kAyudaFactibilidad =
    "Pulse doble clic sobre una corriente para bifurcarla\n"
    "Pulse clic sobre las corrientes para definir cambiadores";
inline constexpr const char* kAyudaCambiadorAnadido =
    "Cambiador añadido\nPara eliminarlo vuelva a hacer clic sobre sus corrientes";
inline constexpr const char* kAyudaCambiadorEliminado = "Cambiador eliminado\n";
inline constexpr const char* kMensajeYaEmparejada =
    "No es posible definir un cambiador entre estas corrientes\n\n"
    "Una de las corrientes ya está emparejada\n\n"
    "Para eliminar un cambiador, vuelva a hacer clic sobre las dos corrientes que lo forman";
inline constexpr const char* kMensajeNoFactible =
    "No es posible definir un cambiador entre estas corrientes\n\n"
    "No se cumplen los criterios de factibilidad";

// Hint after the first click of a match: "Añadiendo cambiador\n" with
// "Corriente caliente: %d" or "Corriente fría: %d" (the reference + 1).
std::string AyudaPrimerClic(bool caliente, std::int32_t ref);

struct Emparejamiento {
  std::int32_t caliente = 0;  // stream references
  std::int32_t fria = 0;
  friend bool operator==(const Emparejamiento&, const Emparejamiento&) = default;
};

// Outcome of a click on a hot and a cold row.
enum class ResultadoClic {
  Anadido,       // the pair became a match
  Eliminado,     // the pair was a match and was removed
  YaEmparejada,  // refused: one of the two streams is in another match
  NoFactible,    // refused: the m·cp criterion fails
  NoGuardable,   // refused: a stream the document file cannot name
  SinEfecto,     // no such row, or the pinch no longer exists
};

// Hint after a click: the added and removed texts, otherwise the default.
std::string AyudaTrasClic(ResultadoClic r);
// Message box of a refusal; empty when there is none.
std::string MensajeTrasClic(ResultadoClic r);

// Whether exchanger c sits at pinch p on side lado: hot side, its hot outlet
// within 0.001 K of Th and its cold inlet of Tc; cold side, its hot inlet and
// its cold outlet.
bool CambiadorEnPinch(const CCambiador& c, int lado, const TemperaturasPinch& p);

class CEmparejamientosPinch {
 public:
  struct Fila {
    std::int32_t ref = 0;
    std::string texto;
    Rgb color = 0;  // 0: the list's default colours
  };

  // The rows of pinch and side, uncoloured. The matches are kept.
  void RellenarListas(CDiagrama& d, int pinch, int lado);
  // Refills the rows and reads the exchangers that sit at the pinch on this
  // side back into matches, coloured from colour 0 on; forgets the removed
  // matches.
  void MostrarCambiadores(CDiagrama& d, int pinch, int lado);
  // A click on hot row filaCaliente and cold row filaFria: adds, removes or
  // refuses the match and colours the two rows.
  ResultadoClic Clic(CDiagrama& d, int pinch, int lado, int filaCaliente, int filaFria);
  // Writes the matches into the model: deletes the exchangers of removed
  // matches that sit at the pinch on this side, adds a specified exchanger
  // for each match that has none there, rebuilds every stream's and
  // utility's exchanger list and runs the network calculation. A pinch that
  // no longer exists writes and deletes nothing.
  void GuardarCambiadores(CDiagrama& d, int pinch, int lado);
  // After process stream `partida` was split (deleted, every stream above it
  // shifted down by one, the parts appended): the matches not yet written
  // are dropped, the removals kept with their references renumbered, and a
  // removal naming the split stream dropped (its exchangers went with it).
  void TrasBifurcar(std::int32_t partida);

  const std::vector<Fila>& Calientes() const { return calientes_; }
  const std::vector<Fila>& Frias() const { return frias_; }
  const std::vector<Emparejamiento>& Emparejamientos() const { return emparejamientos_; }
  const std::vector<Emparejamiento>& Eliminados() const { return eliminados_; }

 private:
  Rgb SiguienteColor();

  std::vector<Fila> calientes_;
  std::vector<Fila> frias_;
  std::vector<Emparejamiento> emparejamientos_;
  std::vector<Emparejamiento> eliminados_;
  int color_ = -1;  // index of the colour given last
};

}  // namespace vardo
