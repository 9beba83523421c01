// The exchangers dialog "Añadir Cambiadores" without its window: the state
// of its controls and what each of the user's actions does to them and to
// the dialog's copy of the model. The window (dialogs/entry/dlg_cambiadores)
// copies the texts the user typed in before each action, calls the action
// and shows the state afterwards; the state is the only record of what the
// dialog shows.
//
// One exchanger is shown at a time: its hot and cold streams, its type and
// its five (kind, value) pairs (duty, hot inlet, hot outlet, cold inlet,
// cold outlet; the kinds of model/cambiador.h). A side that stands on
// "Servicios Generales" while the utilities are not shown is a generic
// side. No stream reference is ever taken from outside the reference lists:
// a side whose stream has no entry in its list shows no entry and is stored
// as it was.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/core/document/puertos.h"
#include "model/diagrama.h"
#include "platform/core/uiport.h"

namespace vardo {

// The four ends in the order of the dialog's blocks.
inline constexpr int kEntradaCaliente = 0;
inline constexpr int kSalidaCaliente = 1;
inline constexpr int kEntradaFria = 2;
inline constexpr int kSalidaFria = 3;

// The four choices of an end block, in the order of its radio buttons.
inline constexpr int kRadioNinguno = -1;
inline constexpr int kRadioValor = 0;      // the unlabelled value button and its field
inline constexpr int kRadioPinch = 1;      // "Temperatura de Pinch"
inline constexpr int kRadioCambiador = 2;  // "La de salida/entrada del cambiador:"
inline constexpr int kRadioCorriente = 3;  // "La de entrada/salida de la corriente"

// Change marks of the exchangers.
inline constexpr std::int32_t kSinCambios = 0;
inline constexpr std::int32_t kCambiado = 1;
inline constexpr std::int32_t kCreadoAlAbrir = 2;

// Texts of the dialog.
inline constexpr const char* kTextoGeneralCorriente =
    "No se puede escoger una corriente de servicios generales con las especificaciones actuales";
inline constexpr const char* kTextoGeneralTipo =
    "No se puede escoger esta especificación para una corriente de servicios generales";
inline constexpr const char* kTextoBorrarCambiador = "¿Confirma que desea eliminar el cambiador?";
inline constexpr const char* kServiciosGenerales = "Servicios Generales";
inline constexpr const char* kPinchProceso = "Proceso";

// One end block: its check box, its radio group, its field and its two lists.
struct BloqueExtremo {
  bool casilla = false;
  int radio = kRadioNinguno;
  bool editable = false;  // the field
  std::string campo;
  bool pinchActivo = false;      // the pinch list enabled
  int pinch = -1;                // its selection
  bool cambiadorActivo = false;  // the exchanger list enabled
  int cambiador = -1;            // its selection
  friend bool operator==(const BloqueExtremo&, const BloqueExtremo&) = default;
};

// What the dialog's controls show.
struct ControlesCambiadores {
  std::string numero;  // the number field
  int spinMin = 1, spinMax = 1, spinPos = 1;
  std::vector<std::string> listaFria, listaCaliente;  // stream lists
  int fria = -1, caliente = -1;                       // their selections
  int tipo = 0;                                       // type list selection
  bool casillaQ = false;
  bool editableQ = false;
  std::string campoQ;
  std::array<BloqueExtremo, 4> extremos;  // kEntradaCaliente ... kSalidaFria
  std::vector<std::string> pinches;       // entries of the four pinch lists
  bool pinchesVisibles = false;
  // Entries of the two exchanger lists of each side.
  std::vector<std::string> cambiadoresCaliente, cambiadoresFria;
};

// The duty field among the end fields (kEntradaCaliente ... kSalidaFria).
inline constexpr int kCampoQ = -1;

// A field the number rule refuses: kCampoQ or an end, and the message.
struct CampoRechazado {
  int campo = kCampoQ;
  std::string mensaje;
};

// Whether an end belongs to the hot side.
constexpr bool EsExtremoCaliente(int e) { return e == kEntradaCaliente || e == kSalidaCaliente; }
// The other end of the same side.
constexpr int OtroExtremo(int e) { return e ^ 1; }

class EditorCambiadores {
 public:
  // Works on datos.modelo; datos.cambiador is the exchanger shown first.
  EditorCambiadores(DlgCambiadores& datos, UiPort& ui);

  // Opening: reference lists and marks, the first exchanger of an empty
  // design, the spin, the stream and pinch lists, then the first exchanger.
  void Abrir();

  ControlesCambiadores& Controles() { return c_; }
  const ControlesCambiadores& Controles() const { return c_; }
  const std::vector<std::int32_t>& Marcas() const { return marcas_; }
  // The reference of each stream-list entry (-1 for "Servicios Generales").
  std::int32_t ReferenciaFria(int entrada) const;
  std::int32_t ReferenciaCaliente(int entrada) const;
  // The exchanger whose fields are shown (0-based).
  std::int32_t Mostrado() const { return mostrado_; }

  // The fields the exchanger shown is stored from (the duty when typed in
  // type 0, each end whose value button is chosen), by the number rule: the
  // duty any finite number, a temperature above 0 K. `tecleado` tells
  // whether the user typed into a field since it was last shown; one left
  // as shown is taken when it holds a number, without the range check.
  // Empty when every field is taken, else the first refused.
  std::optional<CampoRechazado> ComprobarCampos(
      const std::function<bool(int campo)>& tecleado) const;
  // Whether Enter stores the exchanger shown (the number names it).
  bool IntroGuarda() const;

  // ---- The user's actions ----
  // The number field gains the focus: the shown exchanger is stored.
  void NumeroEntra();
  // The number field loses the focus: the number is read (outside 1..N it
  // becomes N) and that exchanger shown.
  void NumeroSale();
  // Enter (the hidden default button): as NumeroSale, but when the number
  // names the exchanger shown, its fields are stored first.
  void Intro();
  // A spin step from pos by delta (±1): the shown exchanger is stored, and
  // a new number within 1..N is shown. The step always proceeds.
  bool Paso(int pos, int delta);

  // A click on the duty box or on end e's box (the box toggles, then the
  // rules fix it).
  void ClicCasillaQ();
  void ClicCasilla(int e);
  // The user chooses radio r of end e.
  void ElegirRadio(int e, int r);
  // Choices in the lists.
  void ElegirPinch(int e, int indice);
  void ElegirCambiadorDeLista(int e, int indice);
  void ElegirFria(int indice);
  void ElegirCaliente(int indice);
  void ElegirTipo(int indice);

  // "Añadir Cambiador".
  void AnadirCambiador();
  // "Borrar Cambiador": asks, then deletes the shown exchanger. True when
  // no exchanger is left: the dialog then ends with OK at once.
  bool BorrarCambiador();
  // "Ver Propiedades" of the cold (fria) or hot list: the window of the
  // stream or utility chosen, from the model copy as it is; false when the
  // list stands on "Servicios Generales" or on no entry.
  bool Propiedades(bool fria, VentanaPropCorriente& v) const;
  // "Aceptar": stores the shown exchanger and marks the streams of the
  // changed exchangers for a new ordering.
  void Aceptar();

  // ---- Steps ----
  void MostrarCambiador();
  void GuardarCambiador();
  void AplicarTipo();
  void LimpiarEspecificaciones();
  void MarcarCorrientesModificadas();

  bool GenericaFria() const;
  bool GenericaCaliente() const;

 private:
  std::int32_t NumCambiadores() const { return datos_.modelo.GetNumCambiadores(); }
  // The number field read and held within 1..N (N when outside).
  int LeerNumero() const;
  // Whether storing reads the duty field, or end e's field.
  bool LeeCampoQ() const;
  bool LeeCampo(int e) const;
  // The type stored: the list's, or the exchanger's own when the list
  // stands on none.
  std::int32_t ModoGuardado() const;
  void SetNumero(int numero);
  void LlenarListasCorrientes();
  void LlenarPinches();
  // The exchanger lists of exchanger n's ends: the other exchangers on the
  // streams the two stream lists stand on.
  void LlenarListasCambiadores(std::int32_t n);
  // The side a stream list stands on (the exchanger's own when on none).
  std::int32_t LadoElegido(bool caliente) const;
  // Clears end e: box, radios, field read-only, lists disabled.
  void LimpiarExtremo(int e);
  void LimpiarLado(bool caliente);
  // Sets end e's box with the stream's own end chosen; the field keeps
  // its text.
  void ExtremoDeCorriente(int e);
  // Sets end e's radio and what goes with it; no rule is applied.
  void Radio(int e, int r);
  // After a stream list or the type changed: a side left generic loses its
  // ends; when both are generic, the list moved (fria: the cold one) goes
  // to entry 1 first.
  void ResolverGenericos(bool moverFria, int anteriorFria, int anteriorCaliente);
  // A choice in the cold (fria) or hot stream list.
  void ElegirLado(bool fria, int indice);
  std::int32_t Referencia(const std::vector<std::int32_t>& refs, int entrada) const;
  int Entrada(const std::vector<std::int32_t>& refs, std::int32_t ref) const;
  // Whether end e's outlet is the one its type completes.
  bool SalidaCompletada(int e) const;

  DlgCambiadores& datos_;
  UiPort& ui_;
  ControlesCambiadores c_;
  std::vector<std::int32_t> refsFria_, refsCaliente_;
  int offset_ = 1;
  std::vector<std::int32_t> marcas_;
  std::int32_t mostrado_ = 0;
};

}  // namespace vardo
