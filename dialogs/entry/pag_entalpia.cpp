#include "dialogs/entry/pag_entalpia.h"

#include <QString>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/core/charts/tabla_puntos.h"
#include "app/core/entry/corriente_edicion.h"
#include "dialogs/entry/tabla_celdix.h"
#include "model/bifurcacion_edicion.h"
#include "model/constantes.h"
#include "platform/core/numero_tecleado.h"
#include "platform/core/numtext.h"
#include "platform/qt/messagerunner.h"
#include "platform/qt/qt_dc.h"

namespace vardo {

namespace {

using D = CAjusteHDlg;

kit::Template Plantilla() {
  using namespace kit;
  return Template{
      "Entalpía",
      430,
      264,
      {
          Paint(D::kIdGrafica, 7, 7, 195, 176),
          Hosted(D::kIdTabla, kCeldixClassId, 207, 7, 216, 92),
          Label("Las temperaturas y entalpías de la primera y última fila de la tabla se "
                "corresponden con las de entrada y salida de la corriente.",
                207, 102, 216, 26),
          Radio(D::kIdModoTabla, "Utilizar datos de la tabla con interpolación lineal entre puntos",
                207, 132, 216, 10, kGroup),
          Radio(D::kIdModoFuncion, "Utilizar función de ajuste personalizada", 207, 146, 216, 10),
          Label("Tipo de ajuste:", 219, 163, 56, 8, kGroup),
          Radio(D::kIdHdeT, "H = f(T)", 277, 162, 44, 10, kGroup),
          Radio(D::kIdTdeH, "T = f(H)", 325, 162, 44, 10),
          Hosted(D::kIdFuncion, kClassIdTabulix, 139, 188, 284, 70, kGroup),
      }};
}

// Rows 1 and 2 of a linear stream's table are grey.
constexpr Rgb kGrisLineal = MakeRgb(130, 130, 130);

const CCorriente& CorrienteNueva() {
  static const CCorriente nueva;
  return nueva;
}

}  // namespace

CAjusteHDlg::CAjusteHDlg(DatosHojaCorrientes& hoja) : CPaginaCorrientes(Plantilla(), hoja) {
  OnPaint(kIdGrafica, [this](QtDc& dc) {
    if (dibujada_) grafica_.Dibujar(dc, false);
  });
  OnTimer([this](int id) {
    if (id != kIdTemporizador) return;
    KillTimer(id);
    DibujarGrafica();
  });
  OnEvent(kIdTabla, celdix_event::TablaModificada, [this] { OnTablaModificada(); });
  OnEvent(kIdTabla, celdix_event::NuevaLinea, [this] { OnNuevaLinea(); });
  OnEvent(kIdTabla, celdix_event::BorrarLinea, [this] { OnBorrarLinea(); });
  OnEvent(kIdFuncion, EventoTabulix::Listo, [this] { ActualizarDesdeFuncion(); });
  OnClick(kIdModoFuncion, [this] {
    if (FuenteLineal()) SetRadioIndex(kIdModoTabla, 0);
    else if (Funcion().NumeroPuntos() != 0) ActualizarDesdeFuncion();
  });
  OnClick(kIdModoTabla, [this] { OnTablaModificada(); });
  for (int id : {kIdHdeT, kIdTdeH})
    OnClick(id, [this] {
      if (Funcion().NumeroPuntos() != 0) ActualizarDesdeFuncion();
    });
}

void CAjusteHDlg::OnInit() {
  PrepararTablaPuntos(Tabla(), "T (K)", "H (kW)");
  // Temperatures are absolute: a typed 0 K or below is refused in the cell.
  Tabla().SetColRango(0, RangoNumero::Temperatura());
  SetRadioIndex(kIdModoTabla, 0);
  SetRadioIndex(kIdHdeT, 0);
}

void CAjusteHDlg::OnSetActive() {
  TomarDeHoja();
  MostrarTabla();
  MostrarFuncion();
}

bool CAjusteHDlg::OnKillActive() {
  ComprobarTabla();
  GuardarTabla();
  DevolverAHoja();
  return kit::Page::OnKillActive();
}

const CCorriente& CAjusteHDlg::Fuente() const {
  return CorrienteValida() ? CorrienteEditada(modelo_, corriente_) : CorrienteNueva();
}

void CAjusteHDlg::MostrarTabla() {
  const CCorriente& c = Fuente();
  Celdix& t = Tabla();
  t.SetRows(c.GetNumPuntos() + 1);
  if (c.m_lineal) {
    t.SetReadOnlyTable(true);
    t.SetColor(1, kGrisLineal);
    t.SetColor(2, kGrisLineal);
  } else {
    t.SetReadOnlyTable(false);
    t.SetColor(1, 0);
    t.SetColor(2, 0);
    SetRadioIndex(kIdModoTabla, c.m_ajustada ? 1 : 0);
    SetRadioIndex(kIdHdeT, c.m_formaHT ? 0 : 1);
  }
  EscribirTabla(t, TablaDeCorriente(c));
  ajusteTabla_ = c.GetAjuste();
  t.ColorearTabla();
  SetTimer(kIdTemporizador, kRetardoMs);
}

void CAjusteHDlg::MostrarFuncion() {
  if (!ModoFuncion()) return;
  const CCorriente& c = Fuente();
  Tabulix& f = Funcion();
  f.SetAjuste(QString::fromStdString(c.GetAjuste()));
  f.SetNumPuntos(QString::fromStdString(std::to_string(c.GetNumPuntos())));
  const int cual = c.m_formaHT ? 1 : 0;  // temperatures for H = f(T), enthalpies otherwise
  f.SetPuntoIni(QString::fromStdString(NumTexto(c.GetPunto(0, cual))));
  f.SetPuntoFin(QString::fromStdString(NumTexto(c.GetPunto(c.GetNumPuntos() - 1, cual))));
}

bool CAjusteHDlg::FuncionCambiada() const {
  const CCorriente& c = Fuente();
  const Tabulix& f = Funcion();
  const int n = c.GetNumPuntos();
  const bool hDeT = Checked(kIdHdeT);
  if (f.Ajuste().toStdString() != c.GetAjuste()) return true;
  const auto puntos = f.NumPuntos();
  const auto ini = f.PuntoIni();
  const auto fin = f.PuntoFin();
  // A box that holds no number: the computed table is not the stream's.
  if (!puntos || !ini || !fin) return true;
  if (*puntos != n) return true;
  const int cual = hDeT ? 1 : 0;
  if (std::fabs(*ini - c.GetPunto(0, cual)) > kTolSpan) return true;
  if (hDeT) return std::fabs(*fin - c.GetPunto(n - 1, 1)) > kTolSpan;
  return *fin != c.GetPunto(n - 1, 0);
}

void CAjusteHDlg::ActualizarDesdeFuncion() {
  if (!ModoFuncion() || !FuncionCambiada()) return;
  const Tabulix& f = Funcion();
  std::vector<double> x, y;
  for (std::int16_t i = 0; i < f.NumeroPuntos(); ++i) {
    x.push_back(f.TablaX(i).value_or(0.0));
    y.push_back(f.TablaY(i).value_or(0.0));
  }
  bool desplazada = false;
  const TablaPuntos filas = TablaDeFuncion(x, y, Checked(kIdHdeT), desplazada);
  if (filas.empty()) return;
  Tabla().SetRows(static_cast<int>(filas.size()) + 1);
  if (desplazada) ShowMessage(this, kMsgEntalpiaInicial, MsgIcon::Information);
  EscribirTabla(Tabla(), filas);
  ajusteTabla_ = f.AjusteCalculado().toStdString();
  DibujarGrafica();
  GuardarTabla();
}

void CAjusteHDlg::DibujarGrafica() {
  if (Tabla().Rows() < 2) return;
  grafica_ = GraficaEntalpia(LeerTabla(Tabla()));
  dibujada_ = true;
  Invalidate(kIdGrafica);
}

void CAjusteHDlg::ComprobarTabla() {
  TablaPuntos filas = LeerTabla(Tabla());
  const bool corregida = vardo::ComprobarTabla(filas);
  ActualizarTabla(Tabla(), filas);
  if (corregida) ShowMessage(this, kMsgTablaNoMonotona);
}

void CAjusteHDlg::GuardarTabla() {
  // Only a non-linear stream in no split keeps what the page shows.
  if (!CorrienteValida() || BifurcacionDe(modelo_, corriente_) >= 0) return;
  CCorriente& c = modelo_.m_corrientes[static_cast<std::size_t>(corriente_)];
  if (c.m_lineal) return;
  const TablaPuntos filas = LeerTabla(Tabla());
  if (filas.empty()) return;
  if (ModoFuncion()) {
    c.m_ajustada = 1;
    c.m_formaHT = Checked(kIdHdeT) ? 1 : 0;
    // The function the table was computed from, never a text typed since
    // (a formula whose computation failed or never ran).
    c.SetAjuste(ajusteTabla_);
  } else {
    c.m_ajustada = 0;
  }
  PuntosDeTabla(filas, c);
  c.m_fria = c.GetH(kTSentinel, 1) > 0.0 ? 1 : 0;
  c.CalcularCP();
}

void CAjusteHDlg::OnTablaModificada() {
  // A typed table is no longer the function's.
  SetRadioIndex(kIdModoTabla, 0);
  DibujarGrafica();
}

void CAjusteHDlg::OnNuevaLinea() {
  if (FuenteLineal()) {
    ShowMessage(this, kMsgTablaSoloLectura, MsgIcon::Warning);
    MostrarTabla();
    return;
  }
  CopiarFilaAnterior(Tabla());
}

void CAjusteHDlg::OnBorrarLinea() {
  if (FuenteLineal()) {
    ShowMessage(this, kMsgTablaSoloLectura, MsgIcon::Warning);
    MostrarTabla();
  }
  if (Tabla().Rows() < 3) {
    ShowMessage(this, kMsgDosFilas, MsgIcon::Warning);
    ReponerSegundaFila(Tabla());
  }
}

}  // namespace vardo
