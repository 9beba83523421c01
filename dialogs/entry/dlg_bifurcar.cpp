#include "dialogs/entry/dlg_bifurcar.h"

#include <QApplication>
#include <QLineEdit>
#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "app/qt/fabrica_dialogos_qt.h"
#include "model/constantes.h"

namespace vardo {

namespace {

using namespace kit;

// A share in per cent, held within 0..100 (0 for no number).
double Porcentaje(double p) {
  if (!std::isfinite(p)) return 0.0;
  return std::clamp(p, 0.0, 100.0);
}

// The slider's position for a share: truncated toward zero.
int PosicionBarra(double p) { return static_cast<int>(std::trunc(Porcentaje(p))); }

// A number written into a field; -0 is written as 0.
void Escribir(ControlHost& h, int id, double v) { h.SetNumber(id, v + 0.0); }

// The number a field holds by the number rule within the range; otherwise
// the value given.
double Valor(const ControlHost& h, int id, double otro,
             const RangoNumero& rango = RangoNumero::Finito()) {
  const auto v = LeerNumeroTecleado(h.Text(id));
  return v && rango.Contiene(*v) ? *v : otro;
}

// A field just left: true when it holds a number the rule takes (a text the
// program wrote is taken as it is). A text it refuses is said, and the field
// keeps the focus, unless the field is left by Enter or by a click on
// "Aceptar" or "Cancelar": OK then refuses it with its one message, and
// Cancel is never held up by it.
bool Dejado(ControlHost& h, int id, const RangoNumero& rango) {
  double v = 0.0;
  if (!h.Typed(id)) return true;
  const std::string mensaje = ComprobarNumeroTecleado(h.Text(id), rango, v);
  if (mensaje.empty()) return true;
  const QWidget* destino = QApplication::focusWidget();
  const bool clic = QGuiApplication::mouseButtons() != Qt::NoButton &&
                    (destino == h.Widget(kIdOk) || destino == h.Widget(kIdCancel));
  if (destino != h.Widget(id) && !clic) h.Refuse(id, mensaje);
  return false;
}

// A share as the slider and the opening write it: a whole number as "%d".
void EscribirPorcentaje(ControlHost& h, int id, double p) {
  if (p == std::trunc(p))
    h.SetInt(id, static_cast<int>(p));
  else
    Escribir(h, id, p);
}

Template PlantillaBifurcar(std::int32_t numero) {
  using D = CBifurcarDlg;
  Template t{"Bifurcar la corriente número " + std::to_string(numero), 322, 172, {}};
  auto& c = t.controls;
  c.push_back(Group("Temperaturas", 7, 5, 308, 62));
  const struct {
    const char* texto;
    int id, y;
  } temperaturas[] = {{"Entrada:", D::kIdEntrada, 18},
                      {"Salida rama 1:", D::kIdSalida1, 33},
                      {"Salida rama 2:", D::kIdSalida2, 48}};
  for (const auto& f : temperaturas) {
    c.push_back(Label(f.texto, 16, f.y + 2, 60, 8));
    c.push_back(Edit(f.id, 80, f.y, 60, 12));
    c.push_back(Label("K", 144, f.y + 2, 10, 8));
  }
  c.push_back(Group("División de entalpía", 7, 72, 308, 70));
  c.push_back(Label("m·cp 1", 16, 88, 30, 8));
  c.push_back(Edit(D::kIdMcp1, 48, 86, 64, 12));
  c.push_back(Label("% 1", 16, 104, 30, 8));
  c.push_back(Edit(D::kIdPorcentaje1, 48, 102, 64, 12));
  c.push_back(Label("H 1", 16, 120, 30, 8));
  c.push_back(Edit(D::kIdH1, 48, 118, 64, 12));
  c.push_back(Slider(D::kIdBarra, 118, 100, 86, 16));
  c.push_back(Edit(D::kIdMcp2, 210, 86, 64, 12));
  c.push_back(Label("m·cp 2", 278, 88, 30, 8));
  c.push_back(Edit(D::kIdPorcentaje2, 210, 102, 64, 12));
  c.push_back(Label("% 2", 278, 104, 30, 8));
  c.push_back(Edit(D::kIdH2, 210, 118, 64, 12));
  c.push_back(Label("H 2", 278, 120, 30, 8));
  c.push_back(Button(kIdOk, "Aceptar", 211, 151, 50, 14, kDefault | kGroup));
  c.push_back(Button(kIdCancel, "Cancelar", 265, 151, 50, 14));
  return t;
}

Template PlantillaBifurcarH() {
  using D = CBifurcarHDlg;
  return Template{"Bifurcar corriente",
                  186,
                  97,
                  {
                      Label("Bifurcar la corriente número", 7, 9, 100, 8),
                      Edit(D::kIdNumero, 108, 7, 24, 12, kReadOnly),
                      Label("División de entalpías:", 7, 26, 100, 8),
                      Edit(D::kIdH1, 7, 40, 50, 12),
                      Slider(D::kIdBarra, 62, 38, 62, 16),
                      Edit(D::kIdH2, 129, 40, 50, 12),
                      Label("H1", 7, 55, 50, 8, kCenter),
                      Label("H2", 129, 55, 50, 8, kCenter),
                      Button(kIdOk, "Aceptar", 75, 76, 50, 14, kDefault | kGroup),
                      Button(kIdCancel, "Cancelar", 129, 76, 50, 14),
                  }};
}

}  // namespace

// ================================================================== branches

CBifurcarDlg::CBifurcarDlg(const DlgBifurcar& datos, QWidget* parent)
    : kit::Dialog(PlantillaBifurcar(datos.numero), parent),
      corriente_(datos.corriente),
      tEntrada_(datos.tEntrada),
      tSalida1_(datos.tSalida1),
      tSalida2_(datos.tSalida2),
      porcentaje1_(datos.porcentaje1),
      porcentaje2_(datos.porcentaje2),
      mcp1_(datos.mcp1),
      mcp2_(datos.mcp2) {
  // A field's check runs only when what it holds is a number: a refused
  // text leaves every other field as it is.
  auto dejar = [this](int id, const RangoNumero& rango, std::function<void()> f) {
    OnFocusOut(id, [this, id, rango, f] {
      if (Dejado(*this, id, rango)) f();
    });
  };
  const RangoNumero temperatura = RangoNumero::Temperatura();
  const RangoNumero numero = RangoNumero::Finito();
  dejar(kIdEntrada, temperatura, [this] { DejarEntrada(); });
  dejar(kIdSalida1, temperatura, [this] { DejarSalida(kIdSalida1); });
  dejar(kIdSalida2, temperatura, [this] { DejarSalida(kIdSalida2); });
  dejar(kIdMcp1, numero, [this] { DejarMcp(1); });
  dejar(kIdMcp2, numero, [this] { DejarMcp(2); });
  dejar(kIdPorcentaje1, numero, [this] { DejarPorcentaje(1); });
  dejar(kIdPorcentaje2, numero, [this] { DejarPorcentaje(2); });
  dejar(kIdH1, numero, [this] { DejarCarga(1); });
  dejar(kIdH2, numero, [this] { DejarCarga(2); });
  OnSlide(kIdBarra, [this] { MoverBarra(); });
}

std::vector<CBifurcarDlg::Campo> CBifurcarDlg::Campos() {
  const RangoNumero t = RangoNumero::Temperatura();
  const RangoNumero n = RangoNumero::Finito();
  return {{kIdEntrada, &tEntrada_, t},        {kIdSalida1, &tSalida1_, t},
          {kIdSalida2, &tSalida2_, t},        {kIdPorcentaje1, &porcentaje1_, n},
          {kIdPorcentaje2, &porcentaje2_, n}, {kIdMcp1, &mcp1_, n},
          {kIdMcp2, &mcp2_, n}};
}

void CBifurcarDlg::DataExchange(kit::Exchange& dx) {
  for (const Campo& c : Campos()) dx.Double(c.id, *c.valor, c.rango);
}

double CBifurcarDlg::H(double T) const { return corriente_.GetH(T, 1); }

double CBifurcarDlg::McpRama(double desde, double hasta) const {
  const double v = corriente_.GetCP(desde, hasta);
  return std::isfinite(v) && v > 0.0 ? v : 0.0;
}

bool CBifurcarDlg::Fria() const { return corriente_.m_fria != 0; }

void CBifurcarDlg::LeerTodo() {
  // Without messages: a field the rule refuses keeps the value last read.
  for (const Campo& c : Campos()) *c.valor = Valor(*this, c.id, *c.valor, c.rango);
}

void CBifurcarDlg::Derivar(double p, unsigned que) {
  p = Porcentaje(p);
  if (que & kBarra) SetPos(kIdBarra, PosicionBarra(p));
  if (que & kPorcentaje1) Escribir(*this, kIdPorcentaje1, p);
  if (que & kPorcentaje2) Escribir(*this, kIdPorcentaje2, 100.0 - p);
  if (que & kCargas) {
    Escribir(*this, kIdH1, (H(tSalida1_) - H(tEntrada_)) * p * 0.01);
    Escribir(*this, kIdH2, (H(tSalida2_) - H(tEntrada_)) * (100.0 - p) * 0.01);
  }
  if (que & kMcps) {
    Escribir(*this, kIdMcp1, McpRama(tEntrada_, tSalida1_) * p * 0.01);
    Escribir(*this, kIdMcp2, McpRama(tEntrada_, tSalida2_) * (100.0 - p) * 0.01);
  }
}

void CBifurcarDlg::OnInit() {
  SetRange(kIdBarra, 0, 100);
  // The share the caller gave, exact; only the slider truncates it.
  const bool dado = porcentaje1_ != 0.0 || porcentaje2_ != 0.0;
  const double p = dado ? Porcentaje(porcentaje1_) : 0.0;
  SetPos(kIdBarra, PosicionBarra(p));
  if (tEntrada_ == 0.0) Escribir(*this, kIdEntrada, corriente_.GetT1());
  if (tSalida1_ == 0.0) {
    Escribir(*this, kIdSalida1, corriente_.GetT2());
    Escribir(*this, kIdSalida2, corriente_.GetT2());
  }
  EscribirPorcentaje(*this, kIdPorcentaje1, p);
  EscribirPorcentaje(*this, kIdPorcentaje2, 100.0 - p);
  LeerTodo();
  Derivar(p, kMcps | kCargas);
}

void CBifurcarDlg::DejarEntrada() {
  const double v = Valor(*this, kIdEntrada, tEntrada_);
  const double T1 = corriente_.GetT1();
  const double T2 = corriente_.GetT2();
  const bool fria = Fria();
  // Within the stream.
  if (fria ? v > T2 : v < T2) {
    Escribir(*this, kIdEntrada, T2);
  } else if (fria ? v < T1 : v > T1) {
    Escribir(*this, kIdEntrada, T1);
  }
  // Before both outlets, as typed.
  const double s1 = Valor(*this, kIdSalida1, tSalida1_);
  const double s2 = Valor(*this, kIdSalida2, tSalida2_);
  if (fria ? std::min(s1, s2) < v : std::max(s1, s2) > v) Escribir(*this, kIdEntrada, T1);
  LeerTodo();
  DejarMcp(1);
}

void CBifurcarDlg::DejarSalida(int id) {
  const double salida = Valor(*this, id, id == kIdSalida1 ? tSalida1_ : tSalida2_);
  const double entrada = Valor(*this, kIdEntrada, tEntrada_);
  const double T2 = corriente_.GetT2();
  // After the inlet and not past the stream's target.
  const bool fuera = Fria() ? entrada > salida || salida > T2 : entrada < salida || salida < T2;
  if (fuera) Escribir(*this, id, T2);
  LeerTodo();
  DejarMcp(1);
}

// Each branch's fields are checked alike; q is the branch's own share and
// branch 1 takes p = q, branch 2 p = 100 - q.

void CBifurcarDlg::DejarMcp(int rama) {
  LeerTodo();
  const bool uno = rama == 1;
  const int id = uno ? kIdMcp1 : kIdMcp2;
  const int otro = uno ? kIdMcp2 : kIdMcp1;
  const double v = uno ? mcp1_ : mcp2_;
  const double c = McpRama(tEntrada_, uno ? tSalida1_ : tSalida2_);
  const double cOtra = McpRama(tEntrada_, uno ? tSalida2_ : tSalida1_);
  double q;
  if (c <= 0.0) {
    // The branch carries no m·cp: the share stays.
    const double p = Porcentaje(porcentaje1_);
    q = uno ? p : 100.0 - p;
    Escribir(*this, id, 0.0);
    Escribir(*this, otro, cOtra * (100.0 - q) * 0.01);
  } else if (v > c) {
    Escribir(*this, id, c);
    Escribir(*this, otro, 0.0);
    q = 100.0;
  } else if (v < 0.0) {
    Escribir(*this, id, 0.0);
    Escribir(*this, otro, cOtra);
    q = 0.0;
  } else {
    q = 100.0 * v / c;
    Escribir(*this, otro, cOtra * (100.0 - q) * 0.01);
  }
  Derivar(uno ? q : 100.0 - q, kBarra | kPorcentaje1 | kPorcentaje2 | kCargas);
}

void CBifurcarDlg::DejarPorcentaje(int rama) {
  LeerTodo();
  const bool uno = rama == 1;
  const double leido = uno ? porcentaje1_ : porcentaje2_;
  const double q = Porcentaje(leido);
  if (q != leido) Escribir(*this, uno ? kIdPorcentaje1 : kIdPorcentaje2, q);
  Derivar(uno ? q : 100.0 - q, (uno ? kPorcentaje2 : kPorcentaje1) | kBarra | kCargas | kMcps);
}

void CBifurcarDlg::DejarCarga(int rama) {
  LeerTodo();
  const bool uno = rama == 1;
  const int id = uno ? kIdH1 : kIdH2;
  double h = Valor(*this, id, 0.0);
  // A cold stream takes positive loads, a hot one negative ones.
  if (Fria() ? h < 0.0 : h > 0.0) {
    h = -h;
    Escribir(*this, id, h);
  }
  const double d = H(uno ? tSalida1_ : tSalida2_) - H(tEntrada_);
  const double dOtra = H(uno ? tSalida2_ : tSalida1_) - H(tEntrada_);
  if (std::fabs(h) > std::fabs(d)) {
    h = d;
    Escribir(*this, id, h);
  }
  // A branch without heat leaves the share as it was.
  const double p = Porcentaje(porcentaje1_);
  const double q = std::fabs(d) < kTolH ? (uno ? p : 100.0 - p)
                                        : Porcentaje(100.0 * std::fabs(h) / std::fabs(d));
  const double otra = std::fabs(dOtra * (100.0 - q) * 0.01);
  Escribir(*this, uno ? kIdH2 : kIdH1, Fria() ? otra : -otra);
  Derivar(uno ? q : 100.0 - q, kBarra | kPorcentaje1 | kPorcentaje2 | kMcps);
}

void CBifurcarDlg::MoverBarra() {
  const int p = Pos(kIdBarra);
  SetInt(kIdPorcentaje1, p);
  SetInt(kIdPorcentaje2, 100 - p);
  // From the fields as last read.
  Derivar(p, kMcps | kCargas);
}

void CBifurcarDlg::OnOK() {
  // A field that holds no number keeps the dialog open with one message;
  // the two heat loads, bound to nothing, are checked the same way.
  double h = 0.0;
  if (!UpdateData(true) || !ReadNumber(kIdH1, h) || !ReadNumber(kIdH2, h)) return;
  // Each check rewrites the others from its own field, in this order, so
  // that the values handed back agree.
  DejarEntrada();
  DejarSalida(kIdSalida1);
  DejarSalida(kIdSalida2);
  DejarMcp(1);
  DejarMcp(2);
  DejarPorcentaje(1);
  DejarPorcentaje(2);
  DejarCarga(1);
  DejarCarga(2);
  if (!UpdateData(true)) return;
  porcentaje1_ = Porcentaje(porcentaje1_);
  porcentaje2_ = Porcentaje(porcentaje2_);
  End(kIdOk);
}

bool EjecutarBifurcar(QWidget* padre, DlgBifurcar& d) {
  CBifurcarDlg dlg(d, padre);
  if (dlg.Run() != kIdOk) return false;
  d.tEntrada = dlg.TEntrada();
  d.tSalida1 = dlg.TSalida1();
  d.tSalida2 = dlg.TSalida2();
  d.porcentaje1 = dlg.Porcentaje1();
  d.porcentaje2 = dlg.Porcentaje2();
  d.mcp1 = dlg.Mcp1();
  d.mcp2 = dlg.Mcp2();
  return true;
}

// ==================================================================== latent

CBifurcarHDlg::CBifurcarHDlg(const DlgBifurcarH& datos, QWidget* parent)
    : kit::Dialog(PlantillaBifurcarH(), parent),
      numero_(datos.numero),
      h1_(datos.h1),
      h2_(datos.h2) {
  const double H = datos.corriente.GetH(kTSentinel, 1);
  q_ = std::isfinite(H) ? std::fabs(H) : 0.0;
  // Hundredths of a kW while the range fits the slider.
  escala_ = q_ * 100.0 <= static_cast<double>(INT_MAX) ? 100.0 : static_cast<double>(INT_MAX) / q_;
  OnFocusOut(kIdH1, [this] {
    if (Dejado(*this, kIdH1, RangoNumero::Finito())) DejarCarga(kIdH1, kIdH2);
  });
  OnFocusOut(kIdH2, [this] {
    if (Dejado(*this, kIdH2, RangoNumero::Finito())) DejarCarga(kIdH2, kIdH1);
  });
  OnSlide(kIdBarra, [this] { MoverBarra(); });
}

void CBifurcarHDlg::DataExchange(kit::Exchange& dx) {
  dx.Int(kIdNumero, numero_);
  dx.Double(kIdH1, h1_);
  dx.Double(kIdH2, h2_);
}

void CBifurcarHDlg::OnInit() {
  // The number reads as part of the sentence beside it.
  Get<QLineEdit>(kIdNumero)->setFrame(false);
  SetRange(kIdBarra, 0, static_cast<int>(std::trunc(q_ * escala_)));
  SetPos(kIdBarra, 0);
  Escribir(*this, kIdH2, q_);
  SetText(kIdH1, "0");
}

void CBifurcarHDlg::BarraDesdeH1() {
  const double v = Valor(*this, kIdH1, 0.0) * escala_;
  const double tope = std::trunc(q_ * escala_);
  SetPos(kIdBarra, static_cast<int>(std::clamp(std::trunc(v), 0.0, tope)));
}

void CBifurcarHDlg::DejarCarga(int id, int otro) {
  const double v = Valor(*this, id, 0.0);
  if (v > q_) {
    Escribir(*this, id, q_);
    SetText(otro, "0");
  } else if (v < 0.0) {
    Escribir(*this, otro, q_);
    SetText(id, "0");
  } else {
    Escribir(*this, otro, q_ - v);
  }
  BarraDesdeH1();
}

void CBifurcarHDlg::MoverBarra() {
  const double h1 = Pos(kIdBarra) / escala_;
  Escribir(*this, kIdH1, h1);
  Escribir(*this, kIdH2, q_ - h1);
}

void CBifurcarHDlg::OnOK() {
  if (!UpdateData(true)) return;
  // The two loads make up the whole one, neither below zero.
  h1_ = std::clamp(std::isfinite(h1_) ? h1_ : 0.0, 0.0, q_);
  h2_ = q_ - h1_;
  End(kIdOk);
}

bool EjecutarBifurcarH(QWidget* padre, DlgBifurcarH& d) {
  CBifurcarHDlg dlg(d, padre);
  if (dlg.Run() != kIdOk) return false;
  d.h1 = dlg.H1();
  d.h2 = dlg.H2();
  return true;
}

void RegistrarBifurcar(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgBifurcar>(EjecutarBifurcar);
  fabrica.Registrar<DlgBifurcarH>(EjecutarBifurcarH);
}

}  // namespace vardo
