// Autosave of the main window: at a fixed interval it writes a backup copy
// of the active document beside its file, or asks whether to save it, and
// counts down the time to the next save in the message pane. The copy is
// "Backup_of_" + the document's file name without extension + ".vdo"; the
// document itself (path, title, modified flag, model) is never touched by it.
// The settings live only while the program runs.
#pragma once
#include <functional>
#include <string>

#include "app/core/document/puertos.h"
#include "platform/core/uiport.h"

namespace vardo {

class CVardoDoc;

// Timers of the main window.
inline constexpr int kTimerAutograbacion = 101112;  // save or ask
inline constexpr int kTimerCuentaAtras = 101113;    // countdown text
inline constexpr int kTimerRestaurar = 101114;      // bring the previous message back

inline constexpr int kIntervaloDefectoMs = 600000;
inline constexpr int kMaxRestaurarMs = 1500;
// Range of the interval typed in the settings (minutes).
inline constexpr double kMinutosMin = 0.0;
inline constexpr double kMinutosMax = 300.0;
// Shortest interval accepted: shorter ones would run the timers flat out.
inline constexpr int kIntervaloMinimoMs = 1000;

inline constexpr const char* kPrefijoCopia = "Backup_of_";
inline constexpr const char* kPreguntaGuardar = "¿Desea guardar ahora el documento?";
inline constexpr const char* kTextoGrabando = "Grabando automáticamente en ";
inline constexpr const char* kTextoProxima = "Próxima grabación automática en ";
inline constexpr const char* kMsgIntervaloMinimo =
    "El intervalo entre grabaciones debe ser de al menos 1 segundo.";

// The backup path of a document file: same folder, "Backup_of_" + file name
// without extension + ".vdo". Empty for a document never saved.
std::string RutaCopiaSeguridad(const std::string& rutaDocumento);

// Values of the settings dialog "Autograbación".
struct AjustesAutograbacion {
  static constexpr int kSegundoPlano = 0;  // "Grabación automática en segundo plano"
  static constexpr int kPreguntar = 1;     // "Solicitar permiso para grabar automáticamente"
  static constexpr int kSinGrabacion = 2;  // "Sin grabación automática"
  int eleccion = kSegundoPlano;
  double minutos = 10.0;  // "Intervalo entre grabaciones:"
};

// Checks the minutes as typed: a number from 0 to 300 that gives at least
// one second. Returns the message to show, empty when accepted (and then
// writes the value into minutos).
std::string ValidarMinutos(const std::string& texto, double& minutos);

class CAutograbacion {
 public:
  struct Puertos {
    PuertoTemporizadores* temporizadores = nullptr;
    PuertoEstado* estado = nullptr;
    UiPort* ui = nullptr;  // DefaultUiPort() when null
    // Posts the save command to the main window (it saves the active
    // document, asking for a name when it has none).
    std::function<void()> guardar;
  };

  CAutograbacion() = default;
  explicit CAutograbacion(Puertos p) : puertos_(std::move(p)) {}
  void SetPuertos(Puertos p) { puertos_ = std::move(p); }

  // First activation of the main window: starts the save and countdown
  // timers, whatever the mode.
  void Iniciar();
  // A timer of the main window fired.
  void OnTimer(int id);

  // The dialog preset from the current state.
  AjustesAutograbacion Ajustes() const;
  // The dialog's OK: sets the mode and interval and restarts the timers.
  // The minutes must have passed ValidarMinutos.
  void Aplicar(const AjustesAutograbacion& a);

  // ---- State ----
  bool m_bAutograbacion = true;
  bool m_bPreguntarAntes = false;
  int m_nIntervalo = kIntervaloDefectoMs;  // ms between saves
  int m_nCuentaAtras = kIntervaloDefectoMs / 4;  // ms between countdown texts
  bool m_bRecienGrabado = false;  // the next countdown tick only clears this
  std::string m_strMensajePrevio;  // message to bring back
  int m_nRestante = kIntervaloDefectoMs;  // ms left to the next save

  // The text of a countdown for ms left: "Próxima grabación automática en m:s min".
  static std::string TextoCuentaAtras(int restanteMs);

 private:
  UiPort& Ui() const { return puertos_.ui ? *puertos_.ui : DefaultUiPort(); }
  void GrabarOPreguntar();
  void CuentaAtras();
  void Restaurar();
  void Preguntar();
  void Mostrar(const std::string& texto);
  void IniciarTimer(int id, int ms);
  void PararTimer(int id);

  Puertos puertos_;
  bool dialogoAbierto_ = false;  // a question or error box of ours is open
  bool restaurarPendiente_ = false;  // our text is shown until the restore tick
};

}  // namespace vardo
