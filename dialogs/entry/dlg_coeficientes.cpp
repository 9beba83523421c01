#include "dialogs/entry/dlg_coeficientes.h"

#include <algorithm>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_estimar_h.h"
#include "dialogs/entry/ejecutar_modelo.h"
#include "model/constantes.h"
#include "platform/core/numtext.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

// The temperature of a default utility not yet set.
constexpr const char* kSinTemperatura = "-";

kit::Template Plantilla() {
  using namespace kit;
  using D = CCoeficientesDlg;
  return Template{"Coeficientes de Transmisión de Calor",
                  306,
                  127,
                  {
                      Group("Corrientes", 6, 4, 144, 98),
                      Label("Corriente número:", 13, 19, 62, 8),
                      Edit(D::kIdCorriente, 78, 17, 40, 12, kDigits),
                      UpDown(D::kIdPasoCorriente, D::kIdCorriente, 108, 17, 10, 12),
                      Edit(D::kIdNombreCorriente, 13, 34, 130, 12, kReadOnly),
                      Label("Coeficiente:", 13, 55, 42, 8),
                      Edit(D::kIdCoefCorriente, 57, 53, 50, 12),
                      Label("kW/(m2·K)", 110, 55, 36, 8),
                      Button(D::kIdEstimarCorriente, "Estimar coeficiente", 38, 80, 76, 14),
                      Group("Servicios Generales ", 156, 4, 144, 98),
                      Label("Servicio número:", 163, 19, 62, 8),
                      Edit(D::kIdServicio, 228, 17, 40, 12, kDigits),
                      UpDown(D::kIdPasoServicio, D::kIdServicio, 258, 17, 10, 12),
                      Edit(D::kIdNombreServicio, 163, 34, 130, 12, kReadOnly),
                      Label("Coeficiente:", 163, 52, 42, 8),
                      Edit(D::kIdCoefServicio, 207, 50, 50, 12),
                      Label("kW/(m2·K)", 260, 52, 36, 8),
                      Label("Temperatura:", 159, 67, 47, 8),
                      Edit(D::kIdTemperatura, 207, 65, 50, 12),
                      Label("K", 260, 67, 10, 8),
                      Button(D::kIdEstimarServicio, "Estimar coeficiente", 188, 83, 76, 14),
                      Button(kIdOk, "Aceptar", 192, 108, 50, 14, kDefault),
                      Button(kIdCancel, "Cancelar", 250, 108, 50, 14),
                  }};
}

std::string TextoTemperatura(double t) { return t == kTSentinel ? kSinTemperatura : NumTexto(t); }

}  // namespace

CCoeficientesDlg::CCoeficientesDlg(QWidget* parent) : kit::Dialog(Plantilla(), parent) {
  // A step never shows a message: a refused field makes it beep and stay.
  OnStep(kIdPasoCorriente, [this](int pos, int paso) {
    if (!GuardarCorriente(corriente_, false)) return false;
    const int i = pos - 1 + paso;
    if (i >= 0 && i < m_diagrama.GetNumCorrientes()) MostrarCorriente(i);
    return true;
  });
  OnStep(kIdPasoServicio, [this](int pos, int paso) {
    if (!GuardarServicio(servicio_, false)) return false;
    const int i = pos - 1 + paso;
    if (i >= 0 && i < NumServicios()) MostrarServicio(i);
    return true;
  });
  OnFocusIn(kIdCorriente, [this] {
    if (!ArrowHeld(kIdPasoCorriente)) GuardarCorriente(corriente_);
  });
  OnFocusOut(kIdCorriente, [this] {
    const int n = m_diagrama.GetNumCorrientes();
    const int i = std::clamp(Integer(kIdCorriente), 1, std::max(n, 1)) - 1;
    // The stream already shown keeps the fields as typed.
    if (i == corriente_) SetInt(kIdCorriente, i + 1);
    else MostrarCorriente(i);
  });
  OnFocusIn(kIdServicio, [this] {
    if (!ArrowHeld(kIdPasoServicio)) GuardarServicio(servicio_);
  });
  OnFocusOut(kIdServicio, [this] {
    const int numero = Integer(kIdServicio);
    const int i = ModoDefinido() ? std::clamp(numero, 1, std::max(NumServicios(), 1)) - 1
                                 : (numero <= 1 ? 0 : 1);
    if (i == servicio_) SetInt(kIdServicio, i + 1);
    else MostrarServicio(i);
  });
  // The wizard shows both sides again afterwards: both are stored first.
  OnClick(kIdEstimarCorriente, [this] {
    if (GuardarMostrados()) Estimar(corriente_);
  });
  OnClick(kIdEstimarServicio, [this] {
    if (GuardarMostrados()) Estimar(kRefServicio + servicio_);
  });
}

bool CCoeficientesDlg::ModoDefinido() {
  return m_diagrama.m_serviciosVisibles && m_diagrama.ServiciosCubrenProblema();
}

int CCoeficientesDlg::NumServicios() { return ModoDefinido() ? m_diagrama.GetNumServicios() : 2; }

void CCoeficientesDlg::OnInit() {
  SetRange(kIdPasoCorriente, 1, std::max(m_diagrama.GetNumCorrientes(), 1));
  SetPos(kIdPasoCorriente, 1);
  SetRange(kIdPasoServicio, 1, 2);
  SetPos(kIdPasoServicio, 1);
  MostrarCorriente(0);
  MostrarServicio(0);
}

void CCoeficientesDlg::MostrarCorriente(int i) {
  const bool hay = i >= 0 && i < m_diagrama.GetNumCorrientes();
  Enable(kIdEstimarCorriente, hay);
  if (!hay) return;
  corriente_ = i;
  const CCorriente& c = m_diagrama.m_corrientes[static_cast<std::size_t>(i)];
  SetInt(kIdCorriente, i + 1);
  SetPos(kIdPasoCorriente, i + 1);
  SetText(kIdNombreCorriente, c.GetNombre());
  SetNumber(kIdCoefCorriente, c.m_h, 10);
}

bool CCoeficientesDlg::GuardarCorriente(int i, bool decir) {
  if (i < 0 || i >= m_diagrama.GetNumCorrientes() || i != corriente_) return true;
  double h = m_diagrama.m_corrientes[static_cast<std::size_t>(i)].m_h;
  if (!ReadNumber(kIdCoefCorriente, h, RangoNumero::Coeficiente(), !decir)) return false;
  m_diagrama.m_corrientes[static_cast<std::size_t>(i)].m_h = h;
  return true;
}

void CCoeficientesDlg::MostrarServicio(int i) {
  CDiagrama& d = m_diagrama;
  if (ModoDefinido()) {
    SetReadOnly(kIdTemperatura, true);
    SetText(kIdTemperatura, "");
    Enable(kIdEstimarServicio, true);
    SetRange(kIdPasoServicio, 1, d.GetNumServicios());
    if (i < 0 || i >= d.GetNumServicios()) return;
    const CServicios& s = d.m_servicios[static_cast<std::size_t>(i)];
    SetText(kIdNombreServicio, s.GetNombre());
    SetNumber(kIdCoefServicio, s.m_h, 10);
  } else {
    SetReadOnly(kIdTemperatura, false);
    SetText(kIdTemperatura, kSinTemperatura);
    Enable(kIdEstimarServicio, false);
    SetRange(kIdPasoServicio, 1, 2);
    if (d.m_tCalienteGenerico == kTSentinel && d.m_tFrioGenerico == kTSentinel) {
      d.CalcularObjetivos();
      // A problem without intervals keeps them unset.
      if (!d.m_temperaturas.empty()) {
        d.m_tCalienteGenerico = d.m_temperaturas.front() + d.m_dtMin;
        d.m_tFrioGenerico = d.m_temperaturas.back() - d.m_dtMin;
      }
    }
    i = i == 0 ? 0 : 1;
    const bool calor = i == 0;
    SetText(kIdTemperatura, TextoTemperatura(calor ? d.m_tCalienteGenerico : d.m_tFrioGenerico));
    SetNumber(kIdCoefServicio, calor ? d.m_hCalienteGenerico : d.m_hFrioGenerico);
    SetText(kIdNombreServicio, calor ? "Calefacción" : "Refrigeración");
  }
  servicio_ = i;
  SetInt(kIdServicio, i + 1);
  SetPos(kIdPasoServicio, i + 1);
}

bool CCoeficientesDlg::GuardarServicio(int i, bool decir) {
  CDiagrama& d = m_diagrama;
  if (i != servicio_) return true;
  if (ModoDefinido()) {
    if (i < 0 || i >= d.GetNumServicios()) return true;
    double h = d.m_servicios[static_cast<std::size_t>(i)].m_h;
    if (!ReadNumber(kIdCoefServicio, h, RangoNumero::Coeficiente(), !decir)) return false;
    d.m_servicios[static_cast<std::size_t>(i)].m_h = h;
    return true;
  }
  if (i < 0 || i > 1) return true;
  const bool calor = i == 0;
  double h = calor ? d.m_hCalienteGenerico : d.m_hFrioGenerico;
  double t = calor ? d.m_tCalienteGenerico : d.m_tFrioGenerico;
  // The "-" of a temperature not set, left untouched, keeps it unset.
  if (!ReadNumber(kIdCoefServicio, h, RangoNumero::Coeficiente(), !decir) ||
      !ReadNumber(kIdTemperatura, t, RangoNumero::Temperatura(), !decir))
    return false;
  (calor ? d.m_hCalienteGenerico : d.m_hFrioGenerico) = h;
  (calor ? d.m_tCalienteGenerico : d.m_tFrioGenerico) = t;
  return true;
}

void CCoeficientesDlg::Estimar(std::int32_t ref) {
  if (!EjecutarAsistenteCoeficientes(this, m_diagrama, ref)) return;
  // Both sides show their records again: either may have been estimated.
  MostrarCorriente(corriente_);
  MostrarServicio(servicio_);
}

bool CCoeficientesDlg::GuardarMostrados() {
  return GuardarCorriente(corriente_) && GuardarServicio(servicio_);
}

void CCoeficientesDlg::OnOK() {
  if (!GuardarMostrados()) return;
  kit::Dialog::OnOK();
}

bool EjecutarCoeficientes(QWidget* padre, DlgCoeficientes& d) {
  CCoeficientesDlg dlg(padre);
  return EjecutarSobreModelo(dlg, d);
}

void RegistrarCoeficientes(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgCoeficientes>(EjecutarCoeficientes);
}

}  // namespace vardo
