// Autosave: the three timers, the backup copy and the settings.
#include "app/core/document/autoguardado.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "app/core/document/documento.h"
#include "platform/core/numero_tecleado.h"

namespace vardo {

namespace {

// Clears a flag when the scope ends, however it ends.
class Bandera {
 public:
  explicit Bandera(bool& b) : b_(b) { b_ = true; }
  ~Bandera() { b_ = false; }
  Bandera(const Bandera&) = delete;
  Bandera& operator=(const Bandera&) = delete;

 private:
  bool& b_;
};

}  // namespace

std::string RutaCopiaSeguridad(const std::string& rutaDocumento) {
  if (rutaDocumento.empty()) return {};
  const std::filesystem::path p(rutaDocumento);
  const std::string nombre = kPrefijoCopia + p.stem().string() + kExtensionDocumento;
  return (p.parent_path() / nombre).string();
}

std::string ValidarMinutos(const std::string& texto, double& minutos) {
  const auto leido = LeerNumeroTecleado(texto);
  if (!leido) return kMsgNumero;
  const double v = *leido;
  if (v < kMinutosMin || v > kMinutosMax) return "Introduzca un número entre 0 y 300.";
  if (std::trunc(v * 60000.0) < kIntervaloMinimoMs) return kMsgIntervaloMinimo;
  minutos = v;
  return {};
}

std::string CAutograbacion::TextoCuentaAtras(int restanteMs) {
  const int restante = std::max(restanteMs, 0);
  const int minutos = restante / 60000;
  const int segundos = (restante - minutos * 60000) / 1000;
  return std::string(kTextoProxima) + std::to_string(minutos) + ":" + std::to_string(segundos) +
         " min";
}

void CAutograbacion::IniciarTimer(int id, int ms) {
  if (puertos_.temporizadores) puertos_.temporizadores->Iniciar(id, ms);
}

void CAutograbacion::PararTimer(int id) {
  if (puertos_.temporizadores) puertos_.temporizadores->Parar(id);
}

void CAutograbacion::Mostrar(const std::string& texto) {
  if (puertos_.estado) {
    // While a restore is pending the pane shows a text of ours (a countdown
    // followed at once by a save): the one to bring back is the older one.
    if (!restaurarPendiente_) m_strMensajePrevio = puertos_.estado->UltimoMensaje();
    puertos_.estado->SetTextoEstado(TextoEstado(texto));
  }
  restaurarPendiente_ = true;
  IniciarTimer(kTimerRestaurar, std::min(m_nCuentaAtras / 20, kMaxRestaurarMs));
}

void CAutograbacion::Iniciar() {
  IniciarTimer(kTimerAutograbacion, m_nIntervalo);
  IniciarTimer(kTimerCuentaAtras, m_nCuentaAtras);
}

void CAutograbacion::OnTimer(int id) {
  if (id == kTimerAutograbacion)
    GrabarOPreguntar();
  else if (id == kTimerCuentaAtras)
    CuentaAtras();
  else
    Restaurar();
}

void CAutograbacion::Preguntar() {
  // Timers keep coming while the question is open: one question at a time.
  if (dialogoAbierto_) return;
  bool si = false;
  {
    Bandera abierta(dialogoAbierto_);
    si = Ui().AskYesNo(kPreguntaGuardar, Answer::No) == Answer::Yes;
  }
  if (si && puertos_.guardar) puertos_.guardar();
}

void CAutograbacion::GrabarOPreguntar() {
  if (!m_bAutograbacion) return;
  CVardoDoc* doc = CVardoDoc::GetDocActivo();
  if (doc) {
    if (m_bPreguntarAntes) {
      Preguntar();
    } else {
      const std::string copia = RutaCopiaSeguridad(doc->GetPathName());
      if (copia.empty()) {
        // Never saved: there is no folder to put a copy in.
        Preguntar();
      } else {
        const ResultadoArchivo r = doc->GuardarCopia(copia);
        if (r.ok) {
          Mostrar(kTextoGrabando + copia);
          m_bRecienGrabado = true;
        } else if (!dialogoAbierto_) {
          Bandera abierta(dialogoAbierto_);
          Ui().Message(r.mensaje, MsgKind::Error);
        }
      }
    }
  }
  m_nRestante = m_nIntervalo;
}

void CAutograbacion::CuentaAtras() {
  if (m_bRecienGrabado) {
    m_bRecienGrabado = false;
    return;
  }
  m_nRestante = std::max(m_nRestante - m_nCuentaAtras, 0);
  Mostrar(TextoCuentaAtras(m_nRestante));
}

void CAutograbacion::Restaurar() {
  if (puertos_.estado) puertos_.estado->SetTextoEstado(TextoEstado(m_strMensajePrevio));
  PararTimer(kTimerRestaurar);
  restaurarPendiente_ = false;
}

AjustesAutograbacion CAutograbacion::Ajustes() const {
  AjustesAutograbacion a;
  a.eleccion = !m_bAutograbacion  ? AjustesAutograbacion::kSinGrabacion
               : m_bPreguntarAntes ? AjustesAutograbacion::kPreguntar
                                   : AjustesAutograbacion::kSegundoPlano;
  // The exact interval: a whole-minute preset would turn 0.5 min into 0 and
  // 2.5 min into 2 at the next OK.
  a.minutos = m_nIntervalo / 60000.0;
  return a;
}

void CAutograbacion::Aplicar(const AjustesAutograbacion& a) {
  const bool antes = m_bAutograbacion;
  m_bAutograbacion = a.eleccion != AjustesAutograbacion::kSinGrabacion;
  m_bPreguntarAntes = a.eleccion == AjustesAutograbacion::kPreguntar;
  const double ms = std::trunc(a.minutos * 60000.0);
  m_nIntervalo = ms >= kIntervaloMinimoMs && ms <= kMinutosMax * 60000.0 ? static_cast<int>(ms)
                 : ms > kMinutosMax * 60000.0 ? static_cast<int>(kMinutosMax * 60000.0)
                                              : kIntervaloMinimoMs;
  m_nRestante = m_nIntervalo;
  m_nCuentaAtras = m_nIntervalo / 4;
  if (m_bAutograbacion) {
    if (antes) {
      PararTimer(kTimerAutograbacion);
      PararTimer(kTimerCuentaAtras);
    }
    Iniciar();
  } else if (antes) {
    PararTimer(kTimerAutograbacion);
    PararTimer(kTimerCuentaAtras);
  }
}

}  // namespace vardo
