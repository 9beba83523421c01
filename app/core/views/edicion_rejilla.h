// Editing the grid diagram by mouse and keyboard, without the window: the hit
// test of a press against the layout the last drawing left in the records,
// the selection, adding an exchanger by clicks (Ctrl), picking a loop or the
// two streams of a disturbance search (Shift), dragging exchangers and split
// nodes, moving and aligning an exchanger's ends, the loop commands, the DT
// min field and the message-pane texts.
//
// The view turns its events into calls here, with the pointer in 0.01 mm
// (y upwards), lays the picture out again and repaints. Whatever a call
// leaves to open (a dialog, a message, a command that asks) comes back as a
// Pendiente, which the view runs once its event handler has returned.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/diagrama.h"
#include "platform/core/types.h"

namespace vardo {

class CVardoDoc;

// ---- Texts ----
inline constexpr const char* kMsgServiciosPorDefecto =
    "Una vez mostrados los Servicios, no es posible definir cambiadores utilizando los servicios "
    "por defecto";
inline constexpr const char* kMsgMismoTipo =
    "No se puede añadir un cambiador con dos corrientes del mismo tipo (frías o calientes)";
inline constexpr const char* kTextoPulseEsc = "Pulse ESC para cancelar";
inline constexpr const char* kTextoPulseEscEditar =
    "Pulse ESC para cancelar o Mayús + DblClick para editar";

// ---- Split nodes ----

// Node k of split s: upper hit area 1000·s + 1001 + 2k, lower 1000·s + 1002 + 2k.
struct NodoBifurcada {
  std::int32_t bifurcada = -1;
  std::int32_t nodo = -1;
  bool superior = true;
  friend bool operator==(const NodoBifurcada&, const NodoBifurcada&) = default;
};
std::int32_t CodigoNodo(const NodoBifurcada& n);
NodoBifurcada DecodificarNodo(std::int32_t codigo);
// The hit area of a node: the box of its right line (upper) or of its left
// line (lower), as the last drawing computed them.
Rect AreaNodo(const CCuaterna& n, bool superior);

// ---- Hit test ----

// A pixel of the view (from the top-left corner of its visible part) in
// 0.01 mm, y upwards, with the view scrolled by (scrollX, scrollY) pixels.
Point PixelALogico(int x, int y, int scrollX, int scrollY, double dpiX, double dpiY);

struct Impacto {
  enum Tipo { kNada, kCambiador, kCorriente, kNodo };
  Tipo tipo = kNada;
  std::int32_t indice = -1;  // exchanger index, or stream reference
  NodoBifurcada nodo;
};
// What lies under p in the layout the last drawing wrote into the records:
// an exchanger end grown by 200 on every side (the last one in list order);
// else a drawn process stream's row, then, while the utilities are shown, a
// utility's row (the first in list order); a split node wins over all.
Impacto ProbarImpacto(const CDiagrama& d, Point p);

// ---- Message-pane texts ----

// "Añadiendo cambiador: corriente caliente: %s - pulse ESC para cancelar"
// (or "fría"), with the label of stream or utility ref ("3", "S2").
std::string TextoAnadiendoCambiador(const CDiagrama& d, std::int32_t ref);
// A loop picked exchanger by exchanger, by its classification (0 under
// construction, 1 path, 2 loop): the heading, "%d - " per exchanger number
// and "Pulse ESC para cancelar".
std::string TextoLazoEnCurso(int clasificacion, const std::vector<std::uint32_t>& numeros);
// A loop or path shown by the search: "Senda terminada" or "Anillo
// terminado", the numbers, and the hint on editing it.
std::string TextoLazoMostrado(bool senda, const std::vector<std::uint32_t>& numeros);
// "Buscando camino de transmisión de perturbaciones desde la corriente %s.
// Pulse ESC para cancelar".
std::string TextoBuscandoPerturbacion(std::int32_t ref);

// ---- What a call leaves to the window ----

struct Pendiente {
  enum Tipo {
    kNada,
    kEditarCambiador,  // the exchangers dialog: cambiador, modo
    kComando,          // a document command by id (it may ask or open its dialog)
    kAnadirAnillo,     // the loops-and-paths command
    kMensaje,          // a message box with texto
    kPerturbacion,     // the disturbance search from corriente to destino
  };
  Tipo tipo = kNada;
  std::int32_t cambiador = 0;
  std::int32_t modo = 1;
  int comando = 0;
  std::string texto;
  std::int32_t corriente = -1;
  std::int32_t destino = -1;
};

// ---- The editor ----

class CEditorRejilla {
 public:
  // textoEstado is the view's resting message ("Preparado ..."), shown again
  // whenever an editing state ends.
  CEditorRejilla(CVardoDoc& doc, const std::string& textoEstado);

  // The selected kind (kSel* of app/core/document/puertos.h); other values are ignored.
  int Tipo() const { return tipo_; }
  void SetTipo(int tipo);
  // The model's code of the selected split node (see CodigoNodo).
  std::int32_t CodigoNodoSeleccionado() const { return codigoNodo_; }
  bool Superposicion() const { return superposicion_; }
  std::int32_t PrimeraCorriente() const { return primeraCorriente_; }
  std::int32_t PrimeraPerturbacion() const { return primeraPerturbacion_; }
  bool Arrastrando() const { return arrastreCambiador_ || arrastreNodo_; }

  // ---- Mouse (p in 0.01 mm); enRejilla: the view shows the grid diagram ----
  // Left press: commits a move of an exchanger end still following the
  // pointer, then selects what lies under p. With ctrl the press adds an
  // exchanger (first the stream, then the second stream or the same one
  // again for a heater or cooler); with mayus it picks an exchanger for the
  // loop under construction or a stream of a disturbance search.
  Pendiente PulsarIzquierdo(Point p, bool ctrl, bool mayus, bool enRejilla);
  // Right press: selects what lies under p (the view then opens its menu).
  void PulsarDerecho(Point p);
  // Double click: with the loop overlay shown, the loops-and-paths command;
  // with ctrl a heater or cooler on the stream under p; otherwise the editor
  // of the selected object.
  Pendiente DobleClic(Point p, bool ctrl);
  // The pointer moved; izquierdo when the left button alone is held. True
  // when the picture changed.
  bool Mover(Point p, bool izquierdo);
  // Left release: an exchanger drag becomes one undo step. True when the
  // picture changed.
  bool Soltar();

  // ---- Keys ----
  // Delete: the document's command that deletes the selected object.
  Pendiente Suprimir() const;
  // Escape: cancels adding an exchanger, hides the overlay, forgets the first
  // stream of a disturbance search.
  void Escape();
  // The view lost the focus: the overlay goes, the loop under construction
  // is emptied.
  void PerderFoco();
  // Another object was chosen (in the object browser): the loop shown goes,
  // overlay and loop under construction, as when the view loses the focus.
  void QuitarAnillo();

  // ---- Exchanger menu ----
  // Whether the selected exchanger's hot (cold) end lies on a stream row.
  bool PuedeMover(bool caliente) const;
  bool PuedeAlinear() const;
  // The chosen end follows the pointer until the next left press commits it.
  void MoverExtremo(bool caliente);
  // The chosen end takes the other end's left and right.
  void Alinear(bool caliente);

  // ---- Loop commands ----
  // Searches the loops and paths, shows the first.
  void Buscar();
  void Anterior();
  void Siguiente();
  // The loops-and-paths dialog on a copy of the model; on OK the copy is
  // taken back with an undo step and the network calculated.
  void AnadirAnillo();
  // The object browser shows found loop n (1-based) with the overlay on.
  void MostrarAnilloEncontrado(std::int32_t n);

  // ---- DT min field ----
  // The text typed in the field applied: undo step, DT min, targets,
  // modified, network check, then `antesDeRefrescar` (the view's chart
  // rebuilt), then the one refresh of the change. Without streams nothing is
  // done; a text that is no DT min (a number of at least 0, by the number
  // rule) is refused with its message and changes nothing.
  enum class ResultadoDTMin { Aplicado, SinCorrientes, Rechazado };
  ResultadoDTMin AplicarDTMin(const std::string& texto,
                              const std::function<void()>& antesDeRefrescar = {});

 private:
  CDiagrama& Modelo() const;
  void MostrarEstado(const std::string& texto) const;
  void MostrarEstadoReposo() const;
  void SeleccionarEnVisor() const;
  // Selects what lies under p; the pick (mayus) and the add (ctrl) follow.
  Pendiente ProcesarClic(Point p, bool mayus);
  Pendiente CompletarAnadir();
  void Confirmar(bool soltando);
  void TomarCopia();
  void MostrarLazo();
  std::int32_t Cambiador() const;

  CVardoDoc& doc_;
  const std::string& textoEstado_;
  int tipo_ = 0;
  std::int32_t codigoNodo_ = 0;
  // Drag: the model before it, kept current at every press until a drag
  // starts.
  CDiagrama copia_;
  bool copiaVigente_ = true;
  bool arrastreCambiador_ = false;
  bool arrastreNodo_ = false;
  bool nodoMovido_ = false;
  int extremoMenu_ = 0;  // 0 none, 1 hot end, 2 cold end
  Point ultimo_{};
  // Adding by clicks.
  std::int32_t primeraCorriente_ = -2;
  bool anadirCtrl_ = false;
  bool anadirDoble_ = false;
  // Loop overlay and disturbance search.
  bool superposicion_ = false;
  std::int32_t primeraPerturbacion_ = -2;
};

}  // namespace vardo
