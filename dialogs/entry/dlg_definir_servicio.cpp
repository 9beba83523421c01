#include "dialogs/entry/dlg_definir_servicio.h"

#include <cmath>
#include <string>
#include <vector>

#include "controls/functable/tabulix.h"
#include "app/core/charts/tabla_puntos.h"
#include "controls/grid/celdix.h"
#include "model/constantes.h"
#include "app/core/entry/celda_numero.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

constexpr const char* kDosLineas =
    "No se puede borrar la línea.\n\nLa tabla de entalpía debe tener al menos dos líneas.";

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The grid's data rows as a points table, and back.
TablaPuntos LeerTabla(const Celdix& t) {
  TablaPuntos filas;
  for (int r = 1; r < t.Rows(); ++r)
    filas.push_back({t.TextMatrix(r, 0).toStdString(), t.TextMatrix(r, 1).toStdString()});
  return filas;
}


// The last row takes the texts of the row above it.
void CopiarFilaAnterior(Celdix& t) {
  const int r = t.Rows() - 1;
  if (r < 2) return;
  for (int c = 0; c < 2; ++c) t.SetTextMatrix(r, c, t.TextMatrix(r - 1, c));
}

kit::Template PlantillaDefinir() {
  using namespace kit;
  using D = CDefinirServicioDlg;
  return Template{"Definir Servicio",
                  210,
                  141,
                  {
                      Hosted(D::kIdTabla, kCeldixClassId, 7, 7, 196, 106),
                      Button(D::kIdFuncion, "Introducir Función de Ajuste", 7, 120, 100, 14),
                      Button(kIdOk, "Aceptar", 111, 120, 44, 14, kDefault),
                      Button(kIdCancel, "Cancelar", 159, 120, 44, 14),
                  }};
}

kit::Template PlantillaFuncion() {
  using namespace kit;
  using D = CFuncionAjusteDlg;
  return Template{"Función de Ajuste",
                  310,
                  104,
                  {
                      Hosted(D::kIdTabulix, kClassIdTabulix, 7, 7, 296, 70),
                      Label("Tipo de Ajuste:", 7, 87, 50, 8),
                      Radio(D::kIdHT, "H = f(T)", 58, 86, 42, 10, kGroup),
                      Radio(D::kIdTH, "T = f(H)", 102, 86, 42, 10),
                      Button(kIdOk, "Aceptar", 205, 84, 48, 14, kDefault | kGroup),
                      Button(kIdCancel, "Cancelar", 257, 84, 46, 14),
                  }};
}

}  // namespace

// ---------------------------------------------------------------- "Definir Servicio"

CDefinirServicioDlg::CDefinirServicioDlg(const CServicios& servicio, QWidget* parent)
    : kit::Dialog(PlantillaDefinir(), parent), m_servicio(servicio) {
  OnEvent(kIdTabla, celdix_event::NuevaLinea, [this] { OnNuevaLinea(); });
  OnEvent(kIdTabla, celdix_event::BorrarLinea, [this] { OnBorrarLinea(); });
  OnClick(kIdFuncion, [this] {
    CFuncionAjusteDlg funcion(*this);
    funcion.Run();
  });
}

Celdix& CDefinirServicioDlg::Tabla() const { return *Get<Celdix>(kIdTabla); }

void CDefinirServicioDlg::OnInit() {
  Celdix& t = Tabla();
  t.SetCols(2);
  t.SetFixedCols(0);
  t.Grid()->SetLeftCol(0);  // the first column is no heading: show it
  t.SetFixedRows(1);
  t.SetColWidth(0, 960);
  t.SetTextMatrix(0, 0, QStringLiteral("T(K)"));
  t.SetTextMatrix(0, 1, QStringLiteral("H(kW)"));
  t.SetColNumeric(0);
  t.SetColNumeric(1);
  EscribirTabla(TablaDeCorriente(m_servicio));
  t.SetReadOnlyCells(1, 1, true);
}

void CDefinirServicioDlg::EscribirTabla(const TablaPuntos& filas) {
  Celdix& t = Tabla();
  t.SetRows(static_cast<int>(filas.size()) + 1);
  for (std::size_t i = 0; i < filas.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    t.SetTextMatrix(r, 0, Q(filas[i].t));
    t.SetTextMatrix(r, 1, Q(filas[i].h));
  }
  escritas_ = filas;
  escritasConocidas_ = true;
}

void CDefinirServicioDlg::OnNuevaLinea() {
  Celdix& t = Tabla();
  CopiarFilaAnterior(t);
  if (escritasConocidas_ && static_cast<int>(escritas_.size()) == t.Rows() - 2)
    escritas_.push_back(LeerTabla(t).back());
}

void CDefinirServicioDlg::OnBorrarLinea() {
  Celdix& t = Tabla();
  escritasConocidas_ = false;
  if (t.Rows() != 2) return;
  ShowMessage(this, kDosLineas);
  t.SetRows(3);
  CopiarFilaAnterior(t);
  t.SetTextMatrix(1, 1, QStringLiteral("0"));
}

void CDefinirServicioDlg::OnOK() {
  if (!ComprobarCeldas()) return;
  ComprobarYGuardar();
  // A curve that ends at enthalpy 0 holds no heat, whatever its load: the
  // dialog stays open on the last enthalpy.
  const int n = m_servicio.GetNumPuntos();
  if (n == 0 || m_servicio.GetPunto(n - 1, 0) == 0.0) {
    Refuse(kIdTabla, kMsgEntalpiaFinalNula);
    Tabla().Grid()->SetCurrentCell(Tabla().Rows() - 1, 1, true);
    return;
  }
  kit::Dialog::OnOK();
}

bool CDefinirServicioDlg::ComprobarCeldas() {
  Celdix& t = Tabla();
  const RangoNumero rangos[2] = {RangoNumero::Temperatura(), RangoNumero::Finito()};
  for (int r = 1; r < t.Rows(); ++r)
    for (int c = 0; c < 2; ++c) {
      const auto i = static_cast<std::size_t>(r - 1);
      const FilaPuntos* escrita =
          escritasConocidas_ && i < escritas_.size() ? &escritas_[i] : nullptr;
      const std::string* escrito = escrita ? (c == 0 ? &escrita->t : &escrita->h) : nullptr;
      double v = 0.0;
      const std::string mensaje =
          LeerCelda(t.TextMatrix(r, c).toStdString(), escrito, rangos[c], v);
      if (mensaje.empty()) continue;
      Refuse(kIdTabla, mensaje);
      // The cell opens for editing, its text selected.
      t.Grid()->SetCurrentCell(r, c, true);
      return false;
    }
  return true;
}

void CDefinirServicioDlg::ComprobarYGuardar() {
  Celdix& t = Tabla();
  TablaPuntos filas = LeerTabla(t);
  const bool creciente = TablaAscendente(filas);
  const bool corregida = ComprobarTabla(filas);
  EscribirTabla(filas);
  if (corregida) ShowMessage(this, kMsgTablaNoMonotona);
  PuntosDeTabla(filas, m_servicio);
  const int n = m_servicio.GetNumPuntos();
  if (n < 3) {
    m_servicio.m_lineal = 1;
    m_servicio.m_latente = n >= 1 && std::fabs(m_servicio.GetT1() - m_servicio.GetT2()) < kTolSpan;
  } else {
    m_servicio.m_lineal = 0;
    m_servicio.m_latente = 0;
  }
  m_servicio.m_fria = creciente ? 1 : 0;
  m_servicio.AjustarSignoH();
  m_servicio.NormalizarEntalpia();
}

// ---------------------------------------------------------------- "Función de Ajuste"

CFuncionAjusteDlg::CFuncionAjusteDlg(CDefinirServicioDlg& propietario)
    : kit::Dialog(PlantillaFuncion(), &propietario), m_propietario(propietario) {
  OnEvent(kIdTabulix, EventoTabulix::Listo, [this] { m_tablaLista = true; });
}

void CFuncionAjusteDlg::OnInit() {
  m_tablaLista = false;
  const CServicios& s = m_propietario.m_servicio;
  int forma = 0;
  if (s.m_ajustada) {
    Get<Tabulix>(kIdTabulix)->SetAjuste(Q(s.GetAjuste()));
    if (!s.m_formaHT) forma = 1;
  }
  SetRadioIndex(kIdHT, forma);
}

void CFuncionAjusteDlg::OnOK() {
  const bool hDeT = RadioIndex(kIdHT) != 1;
  if (m_tablaLista) {
    const Tabulix& f = *Get<Tabulix>(kIdTabulix);
    CServicios& s = m_propietario.m_servicio;
    s.m_ajustada = 1;
    s.m_formaHT = hDeT ? 1 : 0;
    s.SetAjuste(f.Ajuste().toStdString());
    std::vector<double> x, y;
    for (int i = 0; i < f.NumeroPuntos(); ++i) {
      x.push_back(f.TablaX(static_cast<std::int16_t>(i)).value_or(0.0));
      y.push_back(f.TablaY(static_cast<std::int16_t>(i)).value_or(0.0));
    }
    bool desplazada = false;
    const TablaPuntos filas = TablaDeFuncion(x, y, hDeT, desplazada);
    if (desplazada) ShowMessage(this, kMsgEntalpiaInicial, MsgIcon::Information);
    m_propietario.EscribirTabla(filas);
  }
  kit::Dialog::OnOK();
}

bool EjecutarDefinirServicio(QWidget* padre, CServicios& servicio) {
  CDefinirServicioDlg dlg(servicio, padre);
  if (dlg.Run() != kit::kIdOk) return false;
  servicio = dlg.m_servicio;
  return true;
}

}  // namespace vardo
