#include "dialogs/analysis/dlg_variacion.h"

#include "app/core/document/documento.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/campos.h"
#include "dialogs/analysis/coeficientes.h"
#include "dialogs/analysis/dlg_objetivos.h"
#include "platform/core/numero_tecleado.h"

namespace vardo {

namespace {

constexpr int kAncho = 256;
constexpr int kAnchoArea = 296;
constexpr int kDigitosDefecto = 6;
constexpr int kDigitosRegistro = 10;

// A row of the form label, field and unit.
void Fila(std::vector<kit::DefControl>& c, const char* etiqueta, int id, const char* unidad,
          int x, int y, unsigned estilo = kit::kPlain) {
  c.push_back(kit::Label(etiqueta, x, y + 2, 92, 8));
  c.push_back(kit::Edit(id, x + 93, y, 50, 12, estilo));
  if (unidad) c.push_back(kit::Label(unidad, x + 147, y + 2, 40, 8));
}

// "Número de corriente:", its field and up-down at y.
void FilaCorriente(std::vector<kit::DefControl>& c, int id, int idSpin, int y) {
  c.push_back(kit::Label("Número de corriente:", 13, y + 2, 80, 8));
  c.push_back(kit::Edit(id, 106, y, 40, 12, kit::kDigits));
  c.push_back(kit::UpDown(idSpin, id, 0, 0, 10, 12));
}

kit::Template PlantillaDT() {
  using D = CVariacionDTDlg;
  kit::Template t{"Variación con DT mínimo", kAncho, 0, {}};
  const int y = GrupoRangoDT(t.controls, D::kIdInicial, D::kIdFinal, D::kIdPuntos, 7);
  BotonesAceptarCancelar(t, y + 7);
  return t;
}

kit::Template PlantillaArea() {
  using namespace kit;
  using D = CVariacionAreaDlg;
  // Wider than the others, for its caption in a window frame's title bar.
  Template t{"Variación del área mínima de intercambio con DT", kAnchoArea, 0, {}};
  auto& c = t.controls;
  const int grupo = kAnchoArea - 14;
  int y = GrupoRangoDT(c, D::kIdInicial, D::kIdFinal, D::kIdPuntos, 7, grupo) + 6;
  c.push_back(Group("Corrientes", 7, y, grupo, 52));
  FilaCorriente(c, D::kIdCorriente, D::kIdSpinCorriente, y + 14);
  c.push_back(Edit(D::kIdNombre, 152, y + 14, 90, 12, kReadOnly));
  Fila(c, "Coeficiente:", D::kIdCoeficiente, "kW/(m2·K)", 13, y + 32);
  y += 58;
  c.push_back(Group("Servicios Generales ", 7, y, grupo, 84));
  const struct {
    const char* nombre;
    int idT, idH;
  } servicios[] = {{"Calefacción:", D::kIdTCalefaccion, D::kIdHCalefaccion},
                   {"Refrigeración:", D::kIdTRefrigeracion, D::kIdHRefrigeracion}};
  int yf = y + 14;
  for (const auto& s : servicios) {
    c.push_back(Label(s.nombre, 13, yf + 2, 52, 8));
    c.push_back(Label("Temperatura:", 68, yf + 2, 46, 8));
    c.push_back(Edit(s.idT, 116, yf, 50, 12));
    c.push_back(Label("K", 170, yf + 2, 10, 8));
    c.push_back(Label("Coeficiente:", 68, yf + 18, 46, 8));
    c.push_back(Edit(s.idH, 116, yf + 16, 50, 12));
    c.push_back(Label("kW/(m2·K)", 170, yf + 18, 40, 8));
    yf += 34;
  }
  BotonesAceptarCancelar(t, y + 90);
  return t;
}

kit::Template PlantillaCoste(bool totales) {
  using namespace kit;
  using D = CVariacionCosteDlg;
  Template t{totales ? "Variación de los costes totales" : "Variación de los costes de inmovilizado",
             kAncho, 0, {}};
  auto& c = t.controls;
  int y = GrupoRangoDT(c, D::kIdInicial, D::kIdFinal, D::kIdPuntos, 7) + 6;
  c.push_back(Group("Coste de Inmovilizado", 7, y, 242, 184));
  Fila(c, "Tiempo de amortización:", D::kIdAnos, "Años", 13, y + 14);
  Fila(c, "Tipo de interés:", D::kIdInteres, "%", 13, y + 30);
  Fila(c, "Factor de Lang:", D::kIdLang, nullptr, 13, y + 46);
  FilaCorriente(c, D::kIdCorriente, D::kIdSpinCorriente, y + 64);
  FilaLey(c, D::kIdA, 13, y + 80, 58);
  c.push_back(Label("S. G. Calefacción:", 13, y + 98, 100, 8));
  FilaLey(c, D::kIdACalefaccion, 13, y + 108, 58);
  c.push_back(Label("S. G. Refrigeración:", 13, y + 126, 100, 8));
  FilaLey(c, D::kIdARefrigeracion, 13, y + 136, 58);
  c.push_back(Label("Ecuación de costes en la forma: C = a+b·A^c", 13, y + 156, 176, 8));
  c.push_back(Label("A |=| m2;  C |=| $", 13, y + 168, 120, 8));
  c.push_back(Button(D::kIdCoeficientes, "Ver Coeficientes T.C.", 152, y + 164, 90, 14));
  y += 190;
  if (totales) {
    c.push_back(Group("Coste de Operación", 7, y, 242, 46));
    Fila(c, "Coste de la calefacción:", D::kIdCosteCalefaccion, "$/kW·año", 13, y + 14);
    Fila(c, "Coste de la refrigeración:", D::kIdCosteRefrigeracion, "$/kW·año", 13, y + 30);
    y += 52;
  }
  BotonesAceptarCancelar(t, y + 1);
  return t;
}

}  // namespace

int GrupoRangoDT(std::vector<kit::DefControl>& c, int idInicial, int idFinal, int idPuntos, int y,
                 int ancho) {
  using namespace kit;
  c.push_back(Group("Diferencia mínima de temperaturas", 7, y, ancho, 62));
  c.push_back(Label("Diferencia de temperaturas mínima inicial:", 13, y + 16, 140, 8));
  c.push_back(Edit(idInicial, 156, y + 14, 50, 12));
  c.push_back(Label("K", 210, y + 16, 10, 8));
  c.push_back(Label("Diferencia de temperaturas mínima final:", 13, y + 32, 140, 8));
  c.push_back(Edit(idFinal, 156, y + 30, 50, 12));
  c.push_back(Label("K", 210, y + 32, 10, 8));
  c.push_back(Label("Número de puntos de la gráfica:", 13, y + 48, 140, 8));
  c.push_back(Edit(idPuntos, 156, y + 46, 50, 12, kDigits));
  return y + 62;
}

void BotonesAceptarCancelar(kit::Template& t, int y) {
  t.controls.push_back(kit::Button(kit::kIdOk, "Aceptar", t.w - 111, y, 50, 14, kit::kDefault));
  t.controls.push_back(kit::Button(kit::kIdCancel, "Cancelar", t.w - 57, y, 50, 14));
  t.h = y + 21;
}

// ---------------------------------------------------------------- DT min range

CVariacionDTDlg::CVariacionDTDlg(DlgVariacionDT& datos, QWidget* parent)
    : kit::Dialog(PlantillaDT(), parent), datos_(datos) {}

void CVariacionDTDlg::DataExchange(kit::Exchange& dx) {
  TextoNumerico(dx, *this, kIdInicial, datos_.inicial, RangoNumero::DTMin());
  TextoNumerico(dx, *this, kIdFinal, datos_.final, RangoNumero::DTMin());
  dx.Int(kIdPuntos, datos_.puntos, 2, 10000);
}

bool EjecutarVariacionDT(QWidget* padre, DlgVariacionDT& d) {
  return EjecutarSobreCopia<CVariacionDTDlg>(padre, d);
}

// ---------------------------------------------------------------- area

CVariacionAreaDlg::CVariacionAreaDlg(const DlgVariacionArea& datos, QWidget* parent)
    : kit::Dialog(PlantillaArea(), parent),
      inicial_(LeerNumeroTecleado(datos.inicial).value_or(0.0)),
      final_(LeerNumeroTecleado(datos.final).value_or(0.0)),
      puntos_(datos.puntos) {
  CopiarModeloCompleto(modelo_, datos.modelo);
  corrientes_ = {kIdCorriente, kIdSpinCorriente, [this] { return modelo_.GetNumCorrientes(); },
                 [this](int i) { MostrarCorriente(i); },
                 [this](int i) { return GuardarCorriente(i, Aviso::Foco); }};
  Conectar(*this, corrientes_);
}

void CVariacionAreaDlg::DataExchange(kit::Exchange& dx) {
  dx.Double(kIdInicial, inicial_, RangoNumero::DTMin());
  dx.Double(kIdFinal, final_, RangoNumero::DTMin());
  dx.Int(kIdPuntos, puntos_, 1, 10000);
  // The range's limits are checked by the chart's command.
  dx.Double(kIdTCalefaccion, modelo_.m_tCalienteGenerico, RangoNumero::Temperatura());
  dx.Double(kIdHCalefaccion, modelo_.m_hCalienteGenerico, RangoNumero::Coeficiente());
  dx.Double(kIdTRefrigeracion, modelo_.m_tFrioGenerico, RangoNumero::Temperatura());
  dx.Double(kIdHRefrigeracion, modelo_.m_hFrioGenerico, RangoNumero::Coeficiente());
}

void CVariacionAreaDlg::OnInit() {
  AceptarDecimales(*this, {kIdTCalefaccion, kIdHCalefaccion, kIdTRefrigeracion, kIdHRefrigeracion});
  SetRange(kIdSpinCorriente, 1, std::max(1, modelo_.GetNumCorrientes()));
  SetPos(kIdSpinCorriente, 1);
  if (modelo_.GetNumCorrientes() > 0) MostrarCorriente(0);
}

void CVariacionAreaDlg::OnOK() {
  const int i = ItemMostrado(*this, corrientes_);
  if (i >= 0 && !GuardarCorriente(i, Aviso::Mensaje)) return;
  kit::Dialog::OnOK();
}

void CVariacionAreaDlg::MostrarCorriente(int i) {
  const CCorriente& c = modelo_.m_corrientes[static_cast<std::size_t>(i)];
  SetInt(kIdCorriente, i + 1);
  SetText(kIdNombre, c.GetNombre());
  SetNumber(kIdCoeficiente, c.m_h, kDigitosRegistro);
}

bool CVariacionAreaDlg::GuardarCorriente(int i, Aviso aviso) {
  double& h = modelo_.m_corrientes[static_cast<std::size_t>(i)].m_h;
  return LeerCampo(*this, kIdCoeficiente, h, RangoNumero::Coeficiente(), aviso);
}

bool EjecutarVariacionArea(QWidget* padre, DlgVariacionArea& d) {
  // The default utilities get the problem's limits on the copy when both
  // are unset, so that Cancel leaves the document as it was.
  DlgVariacionArea copia;
  CopiarModeloCompleto(copia.modelo, d.modelo);
  copia.inicial = d.inicial;
  copia.final = d.final;
  copia.puntos = d.puntos;
  FijarTemperaturasPorDefecto(copia.modelo);
  CVariacionAreaDlg dlg(copia, padre);
  if (dlg.Run() != kit::kIdOk) return false;
  CopiarModeloCompleto(d.modelo, dlg.Modelo());
  d.inicial = kit::TextoDoble(dlg.Inicial());
  d.final = kit::TextoDoble(dlg.Final());
  d.puntos = dlg.Puntos();
  return true;
}

// ---------------------------------------------------------------- costs

CVariacionCosteDlg::CVariacionCosteDlg(bool totales, const CDiagrama& modelo, std::string inicial,
                                       std::string final, std::int32_t puntos, QWidget* parent)
    : kit::Dialog(PlantillaCoste(totales), parent),
      totales_(totales),
      inicial_(std::move(inicial)),
      final_(std::move(final)),
      puntos_(puntos) {
  CopiarModeloCompleto(modelo_, modelo);
  corrientes_ = {kIdCorriente, kIdSpinCorriente, [this] { return modelo_.GetNumCorrientes(); },
                 [this](int i) { MostrarCorriente(i); },
                 [this](int i) { return Guardar(i, Aviso::Foco); }};
  Conectar(*this, corrientes_);
  OnClick(kIdCoeficientes, [this] { VerCoeficientes(this, modelo_); });
}

void CVariacionCosteDlg::DataExchange(kit::Exchange& dx) {
  TextoNumerico(dx, *this, kIdInicial, inicial_, RangoNumero::DTMin());
  TextoNumerico(dx, *this, kIdFinal, final_, RangoNumero::DTMin());
  dx.Int(kIdPuntos, puntos_);
}

void CVariacionCosteDlg::OnInit() {
  SetRange(kIdSpinCorriente, 1, std::max(1, modelo_.GetNumCorrientes()));
  SetPos(kIdSpinCorriente, 1);
  if (modelo_.GetNumCorrientes() > 0) MostrarCorriente(0);
  const CDiagrama& m = modelo_;
  MostrarLey(*this, kIdACalefaccion, m.m_a1, m.m_b1, m.m_c1, kDigitosDefecto);
  MostrarLey(*this, kIdARefrigeracion, m.m_a2, m.m_b2, m.m_c2, kDigitosDefecto);
  if (totales_) {
    SetNumber(kIdCosteCalefaccion, m.m_costeCaliente);
    SetNumber(kIdCosteRefrigeracion, m.m_costeFrio);
  }
  SetNumber(kIdAnos, m.m_amortizacion);
  SetNumber(kIdInteres, m.m_interes);
  SetNumber(kIdLang, m.m_factorLang);
}

void CVariacionCosteDlg::OnOK() {
  const int i = ItemMostrado(*this, corrientes_);
  if (i >= 0 && !Guardar(i, Aviso::Mensaje)) return;
  if (!ComprobarAmortizacion(*this, kIdAnos)) return;
  kit::Dialog::OnOK();
}

void CVariacionCosteDlg::MostrarCorriente(int i) {
  const CCorriente& c = modelo_.m_corrientes[static_cast<std::size_t>(i)];
  SetInt(kIdCorriente, i + 1);
  MostrarLey(*this, kIdA, c.m_a, c.m_b, c.m_c, kDigitosRegistro);
}

bool CVariacionCosteDlg::Guardar(int i, Aviso aviso) {
  // Every field in its order; nothing is stored unless all are numbers.
  CDiagrama& m = modelo_;
  CCorriente& c = m.m_corrientes[static_cast<std::size_t>(i)];
  std::vector<CampoNumero> campos = {
      {kIdAnos, &m.m_amortizacion}, {kIdInteres, &m.m_interes}, {kIdLang, &m.m_factorLang}};
  for (auto ley : {CamposLey(kIdA, c.m_a, c.m_b, c.m_c),
                   CamposLey(kIdACalefaccion, m.m_a1, m.m_b1, m.m_c1),
                   CamposLey(kIdARefrigeracion, m.m_a2, m.m_b2, m.m_c2)})
    campos.insert(campos.end(), ley.begin(), ley.end());
  if (totales_) {
    campos.push_back({kIdCosteCalefaccion, &m.m_costeCaliente});
    campos.push_back({kIdCosteRefrigeracion, &m.m_costeFrio});
  }
  return LeerCampos(*this, campos, aviso);
}

namespace {

template <class Registro>
bool EjecutarVariacionCoste(QWidget* padre, Registro& d, bool totales) {
  CVariacionCosteDlg dlg(totales, d.modelo, d.inicial, d.final, d.puntos, padre);
  if (dlg.Run() != kit::kIdOk) return false;
  CopiarModeloCompleto(d.modelo, dlg.Modelo());
  d.inicial = dlg.Inicial();
  d.final = dlg.Final();
  d.puntos = dlg.Puntos();
  return true;
}

}  // namespace

bool EjecutarVariacionCosteInm(QWidget* padre, DlgVariacionCosteInm& d) {
  return EjecutarVariacionCoste(padre, d, false);
}

bool EjecutarVariacionCosteTot(QWidget* padre, DlgVariacionCosteTot& d) {
  return EjecutarVariacionCoste(padre, d, true);
}

void RegistrarVariacion(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgVariacionDT>(EjecutarVariacionDT);
  fabrica.Registrar<DlgVariacionArea>(EjecutarVariacionArea);
  fabrica.Registrar<DlgVariacionCosteInm>(EjecutarVariacionCosteInm);
  fabrica.Registrar<DlgVariacionCosteTot>(EjecutarVariacionCosteTot);
}

}  // namespace vardo
