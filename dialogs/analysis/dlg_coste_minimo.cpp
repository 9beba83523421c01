#include "dialogs/analysis/dlg_coste_minimo.h"

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/coeficientes.h"
#include "model/objetivos_area.h"

namespace vardo {

namespace {

// Digits of the default utilities' values and of a record's own.
constexpr int kDigitosDefecto = 6;
constexpr int kDigitosRegistro = 10;

kit::Template Plantilla() {
  using namespace kit;
  using D = CCosteMinimoDlg;
  Template t{"Coste Mínimo", 299, 332, {}};
  auto& c = t.controls;
  c = {
      Label("Diferencia mínima de temperatura:", 7, 9, 118, 8),
      Edit(D::kIdDTMin, 128, 7, 50, 12),
      Label("K", 182, 9, 10, 8),
      Group("Coste de Operación", 7, 24, 285, 52),
      Label("Número de servicio:", 13, 38, 70, 8),
      Edit(D::kIdServicioOp, 86, 36, 40, 12, kDigits),
      UpDown(D::kIdSpinServicioOp, D::kIdServicioOp, 0, 0, 10, 12),
      Edit(D::kIdNombreServicioOp, 132, 36, 154, 12, kReadOnly),
      Label("Coste:", 13, 56, 70, 8),
      Edit(D::kIdCosteServicio, 86, 54, 70, 12),
      Label("$/kW·año", 160, 56, 40, 8),
      Group("Coste de Inmovilizado", 7, 80, 285, 168),
      Label("Tiempo de amortización:", 13, 94, 90, 8),
      Edit(D::kIdAnos, 106, 92, 50, 12),
      Label("Años", 160, 94, 24, 8),
      Label("Tipo de interés:", 13, 110, 90, 8),
      Edit(D::kIdInteres, 106, 108, 50, 12),
      Label("%", 160, 110, 10, 8),
      Label("Factor de Lang:", 13, 126, 90, 8),
      Edit(D::kIdLang, 106, 124, 50, 12),
      Label("Número de corriente:", 13, 144, 70, 8),
      Edit(D::kIdCorriente, 86, 142, 40, 12, kDigits),
      UpDown(D::kIdSpinCorriente, D::kIdCorriente, 0, 0, 10, 12),
      Edit(D::kIdNombreCorriente, 132, 142, 154, 12, kReadOnly),
  };
  FilaLey(c, D::kIdA, 13, 158, 70);
  c.push_back(Label("Número de servicio:", 13, 178, 70, 8));
  c.push_back(Edit(D::kIdServicio, 86, 176, 40, 12, kDigits));
  c.push_back(UpDown(D::kIdSpinServicio, D::kIdServicio, 0, 0, 10, 12));
  c.push_back(Edit(D::kIdNombreServicio, 132, 176, 154, 12, kReadOnly));
  FilaLey(c, D::kIdAServicio, 13, 192, 70);
  c.push_back(Label("Ecuación de costes en la forma: C = a+b·A^c", 13, 212, 176, 8));
  c.push_back(Label("A |=| m2;  C |=| $", 13, 226, 120, 8));
  c.push_back(Button(D::kIdCoeficientes, "Ver Coeficientes T.C.", 196, 224, 90, 14));
  const char* resultados[] = {"Coste de Operación:", "Coste de Inmovilizado:", "Coste Total:"};
  for (int k = 0; k < 3; ++k) {
    c.push_back(Label(resultados[k], 7, 258 + 16 * k, 100, 8));
    c.push_back(Edit(D::kIdCosteOperacion + k, 110, 256 + 16 * k, 80, 12, kReadOnly));
    c.push_back(Label("$/año", 194, 258 + 16 * k, 24, 8));
  }
  c.push_back(Button(D::kIdCalcular, "Calcular", 0, 0, 10, 10, kHidden | kDefault));
  c.push_back(Button(kIdOk, "Aceptar", 187, 311, 50, 14));
  c.push_back(Button(kIdCancel, "Cancelar", 242, 311, 50, 14));
  return t;
}

}  // namespace

CCosteMinimoDlg::CCosteMinimoDlg(const CDiagrama& modelo, QWidget* parent)
    : CDialogoObjetivos(Plantilla(), modelo, kIdDTMin, parent) {
  corrientes_ = {kIdCorriente, kIdSpinCorriente, [this] { return modelo_.GetNumCorrientes(); },
                 [this](int i) { MostrarCorriente(i); },
                 [this](int i) { return GuardarCorriente(i, Aviso::Foco); }};
  leyes_ = {kIdServicio, kIdSpinServicio, [this] { return NumServicios(); },
            [this](int i) { MostrarLeyServicio(i); },
            [this](int i) { return GuardarLeyServicio(i, Aviso::Foco); }};
  costes_ = {kIdServicioOp, kIdSpinServicioOp, [this] { return NumServicios(); },
             [this](int i) { MostrarCosteServicio(i); },
             [this](int i) { return GuardarCosteServicio(i, Aviso::Foco); }};
  for (const Selector* s : {&corrientes_, &leyes_, &costes_}) Conectar(*this, *s);
  // The years are read when something else is recalculated, or on Enter.
  const auto recalcular = [this] { Calcular(Aviso::Ninguno); };
  for (int id = kIdA; id <= kIdCosteServicio; ++id) OnFocusOut(id, recalcular);
  for (int id : {kIdCosteOperacion, kIdInteres, kIdLang}) OnFocusOut(id, recalcular);
  OnClick(kIdCalcular, [this] { CalcularConAviso(); });
  OnClick(kIdCoeficientes, [this] { VerCoeficientesTC(); });
}

void CCosteMinimoDlg::OnInit() {
  SetRange(kIdSpinCorriente, 1, std::max(1, modelo_.GetNumCorrientes()));
  SetPos(kIdSpinCorriente, 1);
  for (int spin : {kIdSpinServicio, kIdSpinServicioOp}) {
    SetRange(spin, 1, 2);
    SetPos(spin, 1);
  }
  if (modelo_.GetNumCorrientes() > 0) MostrarCorriente(0);
  MostrarLeyServicio(0);
  MostrarCosteServicio(0);
  SetNumber(kIdAnos, modelo_.m_amortizacion);
  SetNumber(kIdInteres, modelo_.m_interes);
  SetNumber(kIdLang, modelo_.m_factorLang);
  SetNumber(kIdDTMin, modelo_.m_dtMin);
  Calcular(Aviso::Ninguno);
}

void CCosteMinimoDlg::OnOK() {
  // Every field shown is stored, or refused with the dialog left open.
  if (!CalcularConAviso()) return;
  if (!ComprobarAmortizacion(*this, kIdAnos)) return;
  kit::Dialog::OnOK();
}

void CCosteMinimoDlg::MostrarPrimerServicio() {
  MostrarLeyServicio(0);
  MostrarCosteServicio(0);
}

void CCosteMinimoDlg::MostrarCorriente(int i) {
  const CCorriente& c = modelo_.m_corrientes[static_cast<std::size_t>(i)];
  SetInt(kIdCorriente, i + 1);
  SetText(kIdNombreCorriente, c.GetNombre());
  MostrarLey(*this, kIdA, c.m_a, c.m_b, c.m_c, kDigitosRegistro);
}

bool CCosteMinimoDlg::GuardarCorriente(int i, Aviso aviso) {
  CCorriente& c = modelo_.m_corrientes[static_cast<std::size_t>(i)];
  std::vector<CampoNumero> campos = {{kIdAnos, &modelo_.m_amortizacion},
                                     {kIdInteres, &modelo_.m_interes},
                                     {kIdLang, &modelo_.m_factorLang}};
  for (const CampoNumero& f : CamposLey(kIdA, c.m_a, c.m_b, c.m_c)) campos.push_back(f);
  return LeerCampos(*this, campos, aviso);
}

void CCosteMinimoDlg::MostrarLeyServicio(int i) {
  if (ModoDefinido()) {
    SetRange(kIdSpinServicio, 1, modelo_.GetNumServicios());
    const CServicios& s = modelo_.m_servicios[static_cast<std::size_t>(i)];
    SetInt(kIdServicio, i + 1);
    SetText(kIdNombreServicio, s.GetNombre());
    MostrarLey(*this, kIdAServicio, s.m_a, s.m_b, s.m_c, kDigitosRegistro);
    return;
  }
  SetRange(kIdSpinServicio, 1, 2);
  const bool frio = i == kServicioRefrigeracion;
  SetInt(kIdServicio, frio ? 2 : 1);
  if (frio) MostrarLey(*this, kIdAServicio, modelo_.m_a2, modelo_.m_b2, modelo_.m_c2, kDigitosDefecto);
  else MostrarLey(*this, kIdAServicio, modelo_.m_a1, modelo_.m_b1, modelo_.m_c1, kDigitosDefecto);
  SetText(kIdNombreServicio, frio ? kNombreRefrigeracion : kNombreCalefaccion);
}

bool CCosteMinimoDlg::GuardarLeyServicio(int i, Aviso aviso) {
  if (ModoDefinido()) {
    if (i >= modelo_.GetNumServicios()) return true;
    CServicios& s = modelo_.m_servicios[static_cast<std::size_t>(i)];
    return LeerCampos(*this, CamposLey(kIdAServicio, s.m_a, s.m_b, s.m_c), aviso);
  }
  CDiagrama& m = modelo_;
  return LeerCampos(*this,
                    i == kServicioRefrigeracion ? CamposLey(kIdAServicio, m.m_a2, m.m_b2, m.m_c2)
                                                : CamposLey(kIdAServicio, m.m_a1, m.m_b1, m.m_c1),
                    aviso);
}

void CCosteMinimoDlg::MostrarCosteServicio(int i) {
  if (ModoDefinido()) {
    SetRange(kIdSpinServicioOp, 1, modelo_.GetNumServicios());
    const CServicios& s = modelo_.m_servicios[static_cast<std::size_t>(i)];
    SetInt(kIdServicioOp, i + 1);
    SetText(kIdNombreServicioOp, s.GetNombre());
    SetNumber(kIdCosteServicio, s.m_coste, kDigitosRegistro);
    return;
  }
  SetRange(kIdSpinServicioOp, 1, 2);
  const bool frio = i == kServicioRefrigeracion;
  SetInt(kIdServicioOp, frio ? 2 : 1);
  SetNumber(kIdCosteServicio, frio ? modelo_.m_costeFrio : modelo_.m_costeCaliente,
            kDigitosDefecto);
  SetText(kIdNombreServicioOp, frio ? kNombreRefrigeracion : kNombreCalefaccion);
}

bool CCosteMinimoDlg::GuardarCosteServicio(int i, Aviso aviso) {
  double* coste = nullptr;
  if (!ModoDefinido())
    coste = i == kServicioRefrigeracion ? &modelo_.m_costeFrio : &modelo_.m_costeCaliente;
  else if (i < modelo_.GetNumServicios())
    coste = &modelo_.m_servicios[static_cast<std::size_t>(i)].m_coste;
  return !coste || LeerCampo(*this, kIdCosteServicio, *coste, RangoNumero::Finito(), aviso);
}

bool CCosteMinimoDlg::Calcular(Aviso aviso) {
  const int c = ItemMostrado(*this, corrientes_);
  if (c >= 0 && !GuardarCorriente(c, aviso)) return false;
  const int l = ItemMostrado(*this, leyes_);
  if (l >= 0 && !GuardarLeyServicio(l, aviso)) return false;
  const int o = ItemMostrado(*this, costes_);
  if (o >= 0 && !GuardarCosteServicio(o, aviso)) return false;
  modelo_.CalcularObjetivos();
  const double anos = modelo_.m_amortizacion;
  const bool conAnos = AmortizacionValida(anos);
  const double inmovilizado = conAnos ? modelo_.CosteInmovilizado(0) / anos : 0.0;
  const double operacion = modelo_.CosteOperacion(0);
  EscribirResultado(*this, kIdCosteInmovilizado, inmovilizado, conAnos, kTextoCosteInfinito);
  EscribirResultado(*this, kIdCosteOperacion, operacion);
  EscribirResultado(*this, kIdCosteTotal, inmovilizado + operacion, conAnos, kTextoCosteInfinito);
  return true;
}

void CCosteMinimoDlg::VerCoeficientesTC() {
  if (!VerCoeficientes(this, modelo_)) return;
  Calcular(Aviso::Mensaje);
}

bool EjecutarCosteMinimo(QWidget* padre, DlgCosteMinimo& d) {
  return EjecutarSobreModelo<CCosteMinimoDlg>(padre, d);
}

void RegistrarCosteMinimo(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgCosteMinimo>(EjecutarCosteMinimo);
}

}  // namespace vardo
