#include "dialogs/entry/pag_propiedades.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/core/entry/corriente_edicion.h"
#include "app/core/entry/estimacion_coeficientes.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

bool EsCorriente(const CDiagrama& d, std::int32_t i) { return i >= 0 && i < d.GetNumCorrientes(); }

// The record a page shows: the current stream (its split's whole stream), or
// a new stream's values when there is no current stream.
const CCorriente& Fuente(const CDiagrama& d, std::int32_t i) {
  static const CCorriente nueva;
  return EsCorriente(d, i) ? CorrienteEditada(d, i) : nueva;
}

// ------------------------------------------------------------ properties

using P = CPropCorrDlg;

kit::Template PlantillaPropiedades() {
  using namespace kit;
  Template t{"Propiedades Físicas", 430, 264, {}};
  auto& c = t.controls;
  c.push_back(Group("Correlación", 7, 4, 416, 60));
  c.push_back(Label("Seleccione el tipo de transmisión de calor:", 14, 18, 150, 8));
  std::vector<std::string> nombres;
  for (int k = 0; k < kNumCorrelacionesH; ++k) nombres.push_back(Correlacion(k).nombre);
  c.push_back(Combo(P::kIdCorrelacion, 166, 16, 250, 120, kListOnly, nombres));
  c.push_back(Label("La correlación seleccionada es la siguiente:", 14, 34, 200, 8));
  c.push_back(Edit(P::kIdFormula, 14, 45, 402, 12, kReadOnly));
  c.push_back(Group("Propiedades físicas", 7, 68, 416, 190));
  c.push_back(Label("Para la correlación seleccionada, únicamente son necesarios los datos de los "
                    "campos activos:",
                    14, 82, 392, 8));
  auto columna = [&c](const std::array<int, 10>& ks, int x) {
    int y = 98;
    for (int k : ks) {
      c.push_back(Label(Propiedad(k).etiqueta, x, y + 2, 98, 8));
      c.push_back(Edit(P::kIdPrimeraPropiedad + k, x + 100, y, 50, 12));
      c.push_back(Label(Propiedad(k).unidad, x + 153, y + 2, 34, 8));
      y += 15;
    }
  };
  columna(kColumnaIzquierdaPropiedades, 14);
  columna(kColumnaDerechaPropiedades, 222);
  return t;
}

// ------------------------------------------------------------ costs

using C = CCorrelCorrDlg;

kit::Template PlantillaCostes() {
  using namespace kit;
  return Template{
      "Costes y Área",
      430,
      264,
      {
          Group("Costes", 7, 4, 416, 94),
          Label("a:", 16, 20, 12, 8),
          Edit(C::kIdA, 30, 18, 70, 12),
          Label("b:", 16, 36, 12, 8),
          Edit(C::kIdB, 30, 34, 70, 12),
          Label("c:", 16, 52, 12, 8),
          Edit(C::kIdC, 30, 50, 70, 12),
          Label("Ecuación de costes en la forma: C = a+b·A^c", 16, 70, 250, 8),
          Label("A |=| m2;  C |=| $", 16, 82, 250, 8),
          Group("Coeficiente de Transmisión de Calor", 7, 104, 416, 42),
          Label("Coeficiente:", 16, 122, 50, 8),
          Edit(C::kIdCoeficiente, 68, 120, 70, 12),
          Label("kW/(m2·K)", 142, 122, 50, 8),
          Button(C::kIdEstimar, "Estimar coeficiente", 326, 119, 88, 14),
      }};
}

EstimarCoeficienteFn& Estimador() {
  static EstimarCoeficienteFn fn;
  return fn;
}

}  // namespace

// ---------------------------------------------------------- CPropCorrDlg

CPropCorrDlg::CPropCorrDlg(DatosHojaCorrientes& hoja)
    : CPaginaCorrientes(PlantillaPropiedades(), hoja) {
  OnSelect(kIdCorrelacion, [this] {
    MostrarCorrelacion();
    ActivarCampos();
  });
}

void CPropCorrDlg::DataExchange(kit::Exchange& dx) {
  for (int k = 0; k < kNumPropiedadesFisicas; ++k) dx.Double(kIdPrimeraPropiedad + k, valores_[k]);
}

void CPropCorrDlg::OnSetActive() {
  TomarDeHoja();
  MostrarPropiedades();
}

bool CPropCorrDlg::OnKillActive() {
  // A field without a number keeps the page, its message shown once.
  if (!UpdateData(true)) return false;
  GuardarPropiedades();
  DevolverAHoja();
  return true;
}

void CPropCorrDlg::MostrarPropiedades() {
  const CCorriente& s = Fuente(modelo_, corriente_);
  const int c = s.m_correlacion;
  SetCurSel(kIdCorrelacion, c >= 0 && c < kNumCorrelacionesH ? c : -1);
  MostrarCorrelacion();
  ActivarCampos();
  for (int k = 0; k < kNumPropiedadesFisicas; ++k) valores_[k] = ValorPropiedad(s, k);
  UpdateData(false);
}

void CPropCorrDlg::MostrarCorrelacion() {
  const int c = CurSel(kIdCorrelacion);
  // No correlation chosen: no formula, not the last stream's.
  SetText(kIdFormula, c < 0 || c >= kNumCorrelacionesH ? "" : Correlacion(c).formula);
}

void CPropCorrDlg::ActivarCampos() {
  const int c = CurSel(kIdCorrelacion);
  if (c < 0 || c >= kNumCorrelacionesH) return;
  for (int k = 0; k < kNumPropiedadesFisicas; ++k)
    SetReadOnly(kIdPrimeraPropiedad + k, !CorrelacionUsa(c, k));
}

void CPropCorrDlg::GuardarPropiedades() {
  const std::int32_t correlacion = CurSel(kIdCorrelacion);
  const auto valores = valores_;
  CambiarCorrienteYRamas(modelo_, corriente_, [&](CCorriente& s) {
    s.m_correlacion = correlacion;
    for (int k = 0; k < kNumPropiedadesFisicas; ++k) SetValorPropiedad(s, k, valores[k]);
  });
}

// ---------------------------------------------------------- estimation hook

void SetEstimarCoeficiente(EstimarCoeficienteFn fn) { Estimador() = std::move(fn); }
bool HayEstimarCoeficiente() { return static_cast<bool>(Estimador()); }

// ---------------------------------------------------------- CCorrelCorrDlg

CCorrelCorrDlg::CCorrelCorrDlg(DatosHojaCorrientes& hoja)
    : CPaginaCorrientes(PlantillaCostes(), hoja) {
  OnClick(kIdEstimar, [this] { OnEstimarCoeficiente(); });
}

void CCorrelCorrDlg::DataExchange(kit::Exchange& dx) {
  dx.Double(kIdA, a_);
  dx.Double(kIdB, b_);
  dx.Double(kIdC, c_);
  // The area targets divide by the coefficient; it is checked where the
  // page is left, so "Cancelar" and Escape always close the sheet.
  double h = h_;
  dx.Double(kIdCoeficiente, h, RangoNumero::Coeficiente());
  if (dx.Saving() && !(h > 0.0)) dx.Fail(kIdCoeficiente, kMsgCoeficienteNoPositivo);
  h_ = h;
}

void CCorrelCorrDlg::OnSetActive() {
  TomarDeHoja();
  // The wizard runs once its code has installed it.
  Enable(kIdEstimar, HayEstimarCoeficiente());
  MostrarCostes();
}

bool CCorrelCorrDlg::OnKillActive() {
  if (!UpdateData(true)) return false;
  GuardarCostes();
  DevolverAHoja();
  return true;
}

void CCorrelCorrDlg::MostrarCostes() {
  const CCorriente& s = Fuente(modelo_, corriente_);
  h_ = s.m_h;
  a_ = s.m_a;
  b_ = s.m_b;
  c_ = s.m_c;
  UpdateData(false);
}

void CCorrelCorrDlg::GuardarCostes() {
  const double h = h_, a = a_, b = b_, c = c_;
  CambiarCorrienteYRamas(modelo_, corriente_, [=](CCorriente& s) {
    s.m_h = h;
    s.m_a = a;
    s.m_b = b;
    s.m_c = c;
  });
}

void CCorrelCorrDlg::OnEstimarCoeficiente() {
  const EstimarCoeficienteFn& estimar = Estimador();
  if (!estimar) return;
  ResultadoEstimacion r;
  if (!estimar(this, modelo_, corriente_, r) || r.elegidas.empty()) return;
  AplicarEstimacion(r);
}

void CCorrelCorrDlg::AplicarEstimacion(const ResultadoEstimacion& r) {
  if (!vardo::AplicarEstimacion(modelo_, r)) return;
  // The field ends with the current stream's coefficient when it was
  // chosen (a split counts as chosen through any of its branches), and
  // keeps what it held otherwise.
  if (!EsCorriente(modelo_, corriente_)) return;
  const std::int32_t actual = PrimeraRama(modelo_, corriente_);
  const bool elegida = std::any_of(r.elegidas.begin(), r.elegidas.end(), [&](std::uint32_t e) {
    const std::int32_t ref = RefDeIndiceCombinado(modelo_, e);
    return EsCorriente(modelo_, ref) && PrimeraRama(modelo_, ref) == actual;
  });
  if (!elegida) return;
  SetNumber(kIdCoeficiente, CorrienteEditada(modelo_, corriente_).m_h, 6);
}

}  // namespace vardo
