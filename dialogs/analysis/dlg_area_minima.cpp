#include "dialogs/analysis/dlg_area_minima.h"

#include <vector>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/coeficientes.h"
#include "model/constantes.h"
#include "model/objetivos_area.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

kit::Template Plantilla() {
  using namespace kit;
  using D = CAreaMinimaDlg;
  return Template{
      "Área mínima de intercambio",
      306,
      207,
      {
          Label("Diferencia mínima de temperatura:", 7, 9, 118, 8),
          Edit(D::kIdDTMin, 128, 7, 50, 12),
          Label("K", 182, 9, 10, 8),
          Group("Corrientes", 7, 24, 144, 104),
          Label("Corriente número:", 13, 39, 64, 8),
          Edit(D::kIdCorriente, 80, 37, 40, 12, kDigits),
          UpDown(D::kIdSpinCorriente, D::kIdCorriente, 0, 0, 10, 12),
          Edit(D::kIdNombreCorriente, 13, 54, 132, 12, kReadOnly),
          Label("Coeficiente:", 13, 73, 42, 8),
          Edit(D::kIdCoefCorriente, 56, 71, 50, 12),
          Label("kW/(m2·K)", 109, 73, 38, 8),
          Button(D::kIdEstimarCorriente, "Estimar coeficiente", 13, 106, 80, 14),
          Group("Servicios Generales ", 155, 24, 144, 104),
          Label("Servicio número:", 161, 39, 64, 8),
          Edit(D::kIdServicio, 228, 37, 40, 12, kDigits),
          UpDown(D::kIdSpinServicio, D::kIdServicio, 0, 0, 10, 12),
          Edit(D::kIdNombreServicio, 161, 54, 132, 12, kReadOnly),
          Label("Coeficiente:", 161, 73, 46, 8),
          Edit(D::kIdCoefServicio, 210, 71, 46, 12),
          Label("kW/(m2·K)", 259, 73, 38, 8),
          Label("Temperatura:", 161, 89, 46, 8),
          Edit(D::kIdTempServicio, 210, 87, 46, 12),
          Label("K", 259, 89, 10, 8),
          Button(D::kIdEstimarServicio, "Estimar coeficiente", 161, 106, 80, 14),
          Label("Número mínimo de cambiadores:", 7, 141, 118, 8),
          Edit(D::kIdNMin, 128, 139, 50, 12, kReadOnly),
          Label("Área mínima de intercambio:", 7, 157, 118, 8),
          Edit(D::kIdArea, 128, 155, 50, 12, kReadOnly),
          Label("m2", 182, 157, 12, 8),
          Button(D::kIdCalcular, "Calcular", 0, 0, 10, 10, kHidden | kDefault),
          Button(kIdOk, "Aceptar", 195, 186, 50, 14),
          Button(kIdCancel, "Cancelar", 249, 186, 50, 14),
      }};
}

// The temperatures a default utility may take: the heating must reach the
// hottest temperature of the process it serves (the highest shifted interval
// temperature + DT min/2) and the cooling the coldest (the lowest − DT
// min/2). The limit is accepted as it is shown, to six digits.
RangoNumero RangoTemperaturaPorDefecto(CDiagrama& d, bool frio) {
  RangoNumero r;
  d.CalcularObjetivos();
  const std::vector<double>& T = d.m_temperaturas;
  if (T.empty()) return r;
  const double medio = d.m_dtMin / 2.0;
  if (frio) {
    const double limite = T.back() - medio;
    r.maximo = limite + kTolSpan;
    r.mensaje = "La temperatura de la refrigeración no puede ser mayor que " + NumTexto(limite) +
                " K, la temperatura más baja a la que debe enfriar el proceso.";
  } else {
    const double limite = T.front() + medio;
    r.minimo = limite - kTolSpan;
    r.mensaje = "La temperatura de la calefacción no puede ser menor que " + NumTexto(limite) +
                " K, la temperatura más alta a la que debe calentar el proceso.";
  }
  return r;
}

}  // namespace

CAreaMinimaDlg::CAreaMinimaDlg(const CDiagrama& modelo, QWidget* parent)
    : CDialogoObjetivos(Plantilla(), modelo, kIdDTMin, parent) {
  corrientes_ = {kIdCorriente,
                 kIdSpinCorriente,
                 [this] { return modelo_.GetNumCorrientes(); },
                 [this](int i) { MostrarCorriente(i); },
                 [this](int i) { return GuardarCoeficienteCorriente(i, Aviso::Foco); }};
  servicios_ = {kIdServicio,
                kIdSpinServicio,
                [this] { return NumServicios(); },
                [this](int i) { MostrarServicio(i); },
                [this](int i) { return GuardarServicio(i, Aviso::Foco); }};
  Conectar(*this, corrientes_);
  Conectar(*this, servicios_);
  for (int id : {kIdCoefCorriente, kIdCoefServicio, kIdTempServicio})
    OnFocusOut(id, [this] { Calcular(Aviso::Ninguno); });
  OnClick(kIdCalcular, [this] { CalcularConAviso(); });
  OnClick(kIdEstimarCorriente, [this] {
    const int i = ItemMostrado(*this, corrientes_);
    if (i >= 0) Estimar(i);
  });
  OnClick(kIdEstimarServicio, [this] {
    const int i = ItemMostrado(*this, servicios_);
    if (i >= 0 && ModoDefinido()) Estimar(kRefServicio + i);
  });
}

void CAreaMinimaDlg::OnInit() {
  AceptarDecimales(*this, {kIdCoefCorriente, kIdCoefServicio, kIdTempServicio});
  SetRange(kIdSpinCorriente, 1, std::max(1, modelo_.GetNumCorrientes()));
  SetPos(kIdSpinCorriente, 1);
  SetRange(kIdSpinServicio, 1, 2);
  SetPos(kIdSpinServicio, 1);
  if (modelo_.GetNumCorrientes() > 0) MostrarCorriente(0);
  MostrarServicio(0);
  SetNumber(kIdDTMin, modelo_.m_dtMin);
  Calcular(Aviso::Ninguno);
}

void CAreaMinimaDlg::OnOK() {
  // Every field shown is stored, or refused with the dialog left open.
  if (!CalcularConAviso()) return;
  kit::Dialog::OnOK();
}

void CAreaMinimaDlg::MostrarCorriente(int i) {
  const CCorriente& c = modelo_.m_corrientes[static_cast<std::size_t>(i)];
  SetInt(kIdCorriente, i + 1);
  SetText(kIdNombreCorriente, c.GetNombre());
  SetNumber(kIdCoefCorriente, c.m_h, 10);
}

bool CAreaMinimaDlg::GuardarCoeficienteCorriente(int i, Aviso aviso) {
  double& h = modelo_.m_corrientes[static_cast<std::size_t>(i)].m_h;
  return LeerCampo(*this, kIdCoefCorriente, h, RangoNumero::Coeficiente(), aviso);
}

void CAreaMinimaDlg::MostrarServicio(int i) {
  if (ModoDefinido()) {
    SetReadOnly(kIdTempServicio, true);
    Enable(kIdEstimarServicio, true);
    SetRange(kIdSpinServicio, 1, modelo_.GetNumServicios());
    const CServicios& s = modelo_.m_servicios[static_cast<std::size_t>(i)];
    SetInt(kIdServicio, i + 1);
    SetText(kIdNombreServicio, s.GetNombre());
    SetNumber(kIdCoefServicio, s.m_h, 10);
    return;
  }
  SetReadOnly(kIdTempServicio, false);
  Enable(kIdEstimarServicio, false);
  SetRange(kIdSpinServicio, 1, 2);
  FijarTemperaturasPorDefecto(modelo_);
  const bool frio = i == kServicioRefrigeracion;
  // The number always names the utility shown, so that storing it later
  // writes the fields back where they came from.
  SetInt(kIdServicio, frio ? 2 : 1);
  SetNumber(kIdTempServicio, frio ? modelo_.m_tFrioGenerico : modelo_.m_tCalienteGenerico);
  SetNumber(kIdCoefServicio, frio ? modelo_.m_hFrioGenerico : modelo_.m_hCalienteGenerico);
  SetText(kIdNombreServicio, frio ? kNombreRefrigeracion : kNombreCalefaccion);
}

bool CAreaMinimaDlg::GuardarServicio(int i, Aviso aviso) {
  if (ModoDefinido()) {
    if (i >= modelo_.GetNumServicios()) return true;
    double& h = modelo_.m_servicios[static_cast<std::size_t>(i)].m_h;
    return LeerCampo(*this, kIdCoefServicio, h, RangoNumero::Coeficiente(), aviso);
  }
  const bool frio = i == kServicioRefrigeracion;
  double& t = frio ? modelo_.m_tFrioGenerico : modelo_.m_tCalienteGenerico;
  double& h = frio ? modelo_.m_hFrioGenerico : modelo_.m_hCalienteGenerico;
  // The temperature is read as a temperature first, then against the
  // process it serves.
  double leida = t;
  return LeerCampos(*this,
                    {{kIdCoefServicio, &h, RangoNumero::Coeficiente()},
                     {kIdTempServicio, &leida, RangoNumero::Temperatura()},
                     {kIdTempServicio, &t, RangoTemperaturaPorDefecto(modelo_, frio)}},
                    aviso);
}

bool CAreaMinimaDlg::Calcular(Aviso aviso) {
  const int c = ItemMostrado(*this, corrientes_);
  if (c >= 0 && !GuardarCoeficienteCorriente(c, aviso)) return false;
  const int s = ItemMostrado(*this, servicios_);
  if (s >= 0 && !GuardarServicio(s, aviso)) return false;
  modelo_.CalcularObjetivos();
  // Composites that touch need an unbounded area; an area too large for a
  // double (a tiny coefficient) shows as "-".
  EscribirResultado(*this, kIdArea, modelo_.CalcularAreaMinima(0), true, kTextoAreaInfinita);
  SetInt(kIdNMin, modelo_.CalcularNMinCambiadores(0));
  return true;
}

void CAreaMinimaDlg::Estimar(std::int32_t ref) {
  if (!EstimarCoeficientes(this, modelo_, ref)) return;
  if (EsServicio(ref)) MostrarServicio(IndiceServicio(ref));
  else MostrarCorriente(ref);
  // The area shown goes with the new coefficient.
  Calcular(Aviso::Ninguno);
}

bool EjecutarAreaMinima(QWidget* padre, DlgAreaMinima& d) {
  return EjecutarSobreModelo<CAreaMinimaDlg>(padre, d);
}

void RegistrarAreaMinima(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgAreaMinima>(EjecutarAreaMinima);
}

}  // namespace vardo
