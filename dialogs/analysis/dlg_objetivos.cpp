#include "dialogs/analysis/dlg_objetivos.h"

#include "app/core/documento.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

CDialogoObjetivos::CDialogoObjetivos(kit::Template t, const CDiagrama& modelo, int idDTMin,
                                     QWidget* parent)
    : kit::Dialog(std::move(t), parent), idDTMin_(idDTMin) {
  CopiarModeloCompleto(modelo_, modelo);
  OnFocusOut(idDTMin_, [this] { OnCambioDTMin(); });
}

bool CDialogoObjetivos::ModoDefinido() {
  return modelo_.m_serviciosVisibles != 0 && modelo_.GetNumServicios() > 0 &&
         modelo_.ServiciosCubrenProblema();
}

int CDialogoObjetivos::NumServicios() { return ModoDefinido() ? modelo_.GetNumServicios() : 2; }

void FijarTemperaturasPorDefecto(CDiagrama& d) {
  if (d.m_tCalienteGenerico != kTSinFijar || d.m_tFrioGenerico != kTSinFijar) return;
  d.CalcularObjetivos();
  if (d.m_temperaturas.empty()) return;
  d.m_tCalienteGenerico = d.m_temperaturas.front() + d.m_dtMin;
  d.m_tFrioGenerico = d.m_temperaturas.back() - d.m_dtMin;
}

bool CDialogoObjetivos::ComprobarDTMin(Aviso aviso) {
  double dt = modelo_.m_dtMin;
  return LeerCampo(*this, idDTMin_, dt, RangoNumero::NoNegativo(), aviso);
}

void CDialogoObjetivos::OnCambioDTMin() {
  const double anterior = modelo_.m_dtMin;
  double dt = anterior;
  if (!LeerCampo(*this, idDTMin_, dt, RangoNumero::NoNegativo(), Aviso::Ninguno)) return;
  const bool definido = ModoDefinido();
  modelo_.SetDTMin(dt);
  const bool definidoAhora = ModoDefinido();
  if (definido && !definidoAhora) {
    if (AskYesNo(this, kPreguntaServiciosNoCubren) != Answer::Yes) {
      SetNumber(idDTMin_, anterior);
      modelo_.SetDTMin(anterior);
      return;
    }
    // The fields go over to the default utilities.
    MostrarPrimerServicio();
  } else if (!definido && definidoAhora) {
    MostrarPrimerServicio();
  }

  modelo_.CalcularObjetivos();
  const std::vector<double>& T = modelo_.m_temperaturas;
  if (!T.empty()) {
    const double th = T.front() + modelo_.m_dtMin;
    const double tc = T.back() - modelo_.m_dtMin;
    const bool cumplen = th <= modelo_.m_tCalienteGenerico && tc >= modelo_.m_tFrioGenerico;
    if (!cumplen && guardia_ == 0 && !definidoAhora) {
      guardia_ = 1;
      if (AskYesNo(this, kPreguntaServiciosViolan) == Answer::Yes) {
        modelo_.m_tCalienteGenerico = th;
        modelo_.m_tFrioGenerico = tc;
        MostrarPrimerServicio();
      }
      guardia_ = 0;
    }
  }
  Calcular(Aviso::Ninguno);
}

}  // namespace vardo
