#include "dialogs/analysis/dlg_factibilidad.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <utility>

#include "app/core/analysis/factibilidad.h"
#include "app/core/document/documento.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "model/bifurcacion_edicion.h"
#include "platform/qt/colorlist.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

using namespace kit;

constexpr const char* kCriterioNumeroCaliente =
    "Número de corrientes calientes <= Número de corrientes frías";
constexpr const char* kCriterioMcpCaliente = "m·cp corriente caliente <= m·cp corriente fría";
constexpr const char* kCriterioNumeroFrio =
    "Número de corrientes calientes >= Número de corrientes frías";
constexpr const char* kCriterioMcpFrio = "m·cp corriente caliente >= m·cp corriente fría";

constexpr const char* kNoBifurcableCaliente = "No es posible bifurcar esta corriente";
constexpr const char* kNoBifurcableFria = "No es posible bifurcar esa corriente";
constexpr const char* kPreguntaBifurcar =
    "Al bifurcar una corriente se perderán las definiciones de cambiadores que se hayan "
    "realizado en este cuadro de diálogo\n\n¿Desea continuar?";

// The two groups both windows share, from y on, `ancho` wide: the criteria
// of one side (two labels, the ids given) and the m·cp table with its two
// lists side by side.
void Tablas(std::vector<DefControl>& c, int y, int ancho, int idNumero, const char* numero,
            int idMcp, const char* mcp, int idCalientes, int idFrias, int altoListas,
            unsigned estiloListas) {
  // The number criterion takes two lines at the dialog font.
  c.push_back(Group("Criterios de factibilidad", 7, y, ancho, 42));
  c.push_back(Label(numero, 14, y + 11, ancho - 12, 17, kPlain, idNumero));
  c.push_back(Label(mcp, 14, y + 29, ancho - 12, 8, kPlain, idMcp));
  const int t = y + 46;
  const int lista = (ancho - 22) / 2;
  c.push_back(Group("Tabla de m·cp", 7, t, ancho, altoListas + 26));
  c.push_back(Label("Calientes", 14, t + 11, lista, 8));
  c.push_back(Label("Frías", 22 + lista, t + 11, lista, 8));
  c.push_back(List(idCalientes, 14, t + 21, lista, altoListas, estiloListas));
  c.push_back(List(idFrias, 22 + lista, t + 21, lista, altoListas, estiloListas));
}

Template PlantillaFactibilidad() {
  using D = CFactibilidadDlg;
  Template t{"Criterios de factibilidad", 216, 191, {}};
  auto& c = t.controls;
  c.push_back(Combo(D::kIdPinch, 7, 7, 202, 80, kListOnly, {kTextoPinchProceso}));
  c.push_back(Combo(D::kIdLado, 7, 23, 202, 40, kListOnly, {"Lado Caliente", "Lado Frío"}));
  Tablas(c, 40, 202, D::kIdNumeroCaliente, kCriterioNumeroCaliente, D::kIdMcpCaliente,
         kCriterioMcpCaliente, D::kIdCalientes, D::kIdFrias, 38, kOwnerDrawn);
  // The cold side's labels, hidden, where the hot side's stand.
  c.push_back(Label(kCriterioNumeroFrio, 14, 51, 190, 17, kHidden, D::kIdNumeroFrio));
  c.push_back(Label(kCriterioMcpFrio, 14, 69, 190, 8, kHidden, D::kIdMcpFrio));
  c.push_back(Label(kAyudaFactibilidad, 7, 153, 202, 20, kPlain, D::kIdAyuda));
  c.push_back(Button(kIdOk, "Aceptar", 105, 176, 50, 14, kDefault));
  c.push_back(Button(kIdCancel, "Cancelar", 159, 176, 50, 14));
  return t;
}

Template PlantillaLado(int lado) {
  using D = CFactibilidadLadoDlg;
  const bool caliente = lado == kLadoCaliente;
  // Wide enough for the caption in a window frame's title bar.
  Template t{caliente ? "Criterios de factibilidad, lado caliente"
                      : "Criterios de factibilidad, lado frío",
             240, caliente ? 134 : 135, {}};
  Tablas(t.controls, 7, 226, kNoId, caliente ? kCriterioNumeroCaliente : kCriterioNumeroFrio, kNoId,
         caliente ? kCriterioMcpCaliente : kCriterioMcpFrio, D::kIdListaB, D::kIdListaA, 33,
         kPlain);
  t.controls.push_back(Button(kIdCancel, "Cerrar", 183, 115, 50, 14));
  return t;
}

}  // namespace

// ---------------------------------------------------------------- design

CFactibilidadDlg::CFactibilidadDlg(FabricaDialogos& fabrica, QWidget* parent)
    : kit::Dialog(PlantillaFactibilidad(), parent), fabrica_(fabrica) {
  OnSelect(kIdPinch, [this] { OnSelchangePinch(); });
  OnSelect(kIdLado, [this] { OnSelchangeLado(); });
  OnSelect(kIdCalientes, [this] { OnSelchange(true); });
  OnSelect(kIdFrias, [this] { OnSelchange(false); });
  OnTimer([this](int id) { OnTemporizador(id); });
}

void CFactibilidadDlg::DataExchange(kit::Exchange& dx) { dx.Index(kIdLado, m_nLado); }

void CFactibilidadDlg::AfterBuild() {
  // Rows drawn in their match colours, as the colour list draws them.
  for (int id : {kIdCalientes, kIdFrias}) {
    auto* lista = Get<QListWidget>(id);
    lista->setItemDelegate(new DelegadoListaColores(lista));
    // The row under a double click: the first click may already have made a
    // match and cleared the selection.
    const bool caliente = id == kIdCalientes;
    QObject::connect(lista, &QListWidget::itemDoubleClicked, lista,
                     [this, lista, caliente](QListWidgetItem* item) {
                       if (Live() && !Quiet()) OnDblclk(caliente, lista->row(item));
                     });
  }
  auto* ayuda = Get<QLabel>(kIdAyuda);
  ayuda->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  ayuda->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CFactibilidadDlg::OnInit() {
  const std::vector<std::string> pinches = TextosPinches(m_Diagrama);
  for (std::size_t k = 1; k < pinches.size(); ++k) AddString(kIdPinch, pinches[k]);
  SetCurSel(kIdPinch, 0);
  SetCurSel(kIdLado, m_nLado);
  ladoMostrado_ = m_nLado;
  MostrarCriterios(m_nLado);
  m_nPinch = 0;
  RellenarListas(m_nPinch, m_nLado);
  MostrarCambiadores(m_nPinch, m_nLado);
}

void CFactibilidadDlg::RellenarListas(int pinch, int lado) {
  estado_.RellenarListas(m_Diagrama, pinch, lado);
  EscribirListas();
  SetAyuda(kAyudaFactibilidad);
}

void CFactibilidadDlg::MostrarCambiadores(int pinch, int lado) {
  estado_.MostrarCambiadores(m_Diagrama, pinch, lado);
  EscribirListas();
}

void CFactibilidadDlg::GuardarCambiadores(int pinch, int lado) {
  estado_.GuardarCambiadores(m_Diagrama, pinch, lado);
}

void CFactibilidadDlg::EscribirListas() {
  ResetContent(kIdFrias);
  ResetContent(kIdCalientes);
  for (const auto& f : estado_.Frias()) AddString(kIdFrias, f.texto, f.color);
  for (const auto& f : estado_.Calientes()) AddString(kIdCalientes, f.texto, f.color);
}

void CFactibilidadDlg::MostrarCriterios(int lado) {
  const bool caliente = lado != kLadoFrio;
  Show(kIdNumeroCaliente, caliente);
  Show(kIdMcpCaliente, caliente);
  Show(kIdNumeroFrio, !caliente);
  Show(kIdMcpFrio, !caliente);
}

void CFactibilidadDlg::SetAyuda(const std::string& texto) { SetText(kIdAyuda, texto); }

void CFactibilidadDlg::OnSelchangePinch() {
  const int nuevo = CurSel(kIdPinch);
  if (nuevo == m_nPinch || nuevo < 0) return;  // the same pinch chosen again
  GuardarCambiadores(m_nPinch, ladoMostrado_);
  m_nPinch = nuevo;
  RellenarListas(m_nPinch, ladoMostrado_);
  MostrarCambiadores(m_nPinch, ladoMostrado_);
}

void CFactibilidadDlg::OnSelchangeLado() {
  const int nuevo = LadoElegido();
  // The same side chosen again: writing its matches as the other side's
  // would put them at the wrong end of the pinch.
  if (nuevo == ladoMostrado_ || nuevo < 0) return;
  GuardarCambiadores(m_nPinch, ladoMostrado_);
  ladoMostrado_ = nuevo;
  MostrarCriterios(nuevo);
  RellenarListas(m_nPinch, nuevo);
  MostrarCambiadores(m_nPinch, nuevo);
}

void CFactibilidadDlg::OnSelchange(bool caliente) {
  const int filaCaliente = CurSel(kIdCalientes);
  const int filaFria = CurSel(kIdFrias);
  const int fila = caliente ? filaCaliente : filaFria;
  const auto& filas = caliente ? estado_.Calientes() : estado_.Frias();
  if (fila < 0 || static_cast<std::size_t>(fila) >= filas.size()) return;
  if ((caliente ? filaFria : filaCaliente) < 0) {
    // The first of the two clicks: the row stays selected.
    SetAyuda(AyudaPrimerClic(caliente, filas[static_cast<std::size_t>(fila)].ref));
    return;
  }
  const ResultadoClic r = estado_.Clic(m_Diagrama, m_nPinch, ladoMostrado_, filaCaliente, filaFria);
  if (const std::string mensaje = MensajeTrasClic(r); !mensaje.empty())
    ShowMessage(this, mensaje, MsgIcon::Warning);
  if (r == ResultadoClic::Anadido || r == ResultadoClic::Eliminado) {
    SetItemColor(kIdCalientes, filaCaliente,
                 estado_.Calientes()[static_cast<std::size_t>(filaCaliente)].color);
    SetItemColor(kIdFrias, filaFria, estado_.Frias()[static_cast<std::size_t>(filaFria)].color);
  }
  SetCurSel(kIdCalientes, -1);
  SetCurSel(kIdFrias, -1);
  SetAyuda(AyudaTrasClic(r));
  if (r == ResultadoClic::Anadido || r == ResultadoClic::Eliminado)
    SetTimer(kIdTemporizador, kPeriodoAyudaMs);
}

void CFactibilidadDlg::OnDblclk(bool caliente, int fila) {
  const auto& filas = caliente ? estado_.Calientes() : estado_.Frias();
  if (fila < 0 || static_cast<std::size_t>(fila) >= filas.size()) return;
  const std::int32_t s = filas[static_cast<std::size_t>(fila)].ref;
  // Utilities, latent streams and main branches are not split.
  if (!PuedeBifurcarse(m_Diagrama, s)) {
    ShowMessage(this, caliente ? kNoBifurcableCaliente : kNoBifurcableFria);
    return;
  }
  if (AskYesNo(this, kPreguntaBifurcar) != Answer::Yes) return;
  DlgBifurcar dlg;
  dlg.corriente = m_Diagrama.m_corrientes[static_cast<std::size_t>(s)];
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  dlg.numero = s + 1;
  if (!fabrica_.Bifurcar(dlg)) return;
  if (BifurcarCorriente(m_Diagrama, s, dlg.tEntrada, dlg.tSalida1, dlg.tSalida2, dlg.porcentaje1,
                        dlg.porcentaje2) >= 0)
    estado_.TrasBifurcar(s);
  RellenarListas(m_nPinch, ladoMostrado_);
}

void CFactibilidadDlg::OnTemporizador(int id) {
  SetAyuda(kAyudaFactibilidad);
  KillTimer(id);
}

void CFactibilidadDlg::OnOK() {
  GuardarCambiadores(m_nPinch, ladoMostrado_);
  kit::Dialog::OnOK();
}

bool EjecutarFactibilidad(QWidget* padre, DlgFactibilidad& d, FabricaDialogos& fabrica) {
  CFactibilidadDlg dlg(fabrica, padre);
  CopiarModeloCompleto(dlg.m_Diagrama, d.modelo);
  dlg.m_nLado = d.lado;
  if (dlg.Run() != kit::kIdOk) return false;
  CopiarModeloCompleto(d.modelo, dlg.m_Diagrama);
  d.lado = dlg.m_nLado;
  return true;
}

// ---------------------------------------------------------------- windows

CFactibilidadLadoDlg::CFactibilidadLadoDlg(VentanaFactibilidad datos)
    : kit::Dialog(PlantillaLado(datos.lado)), datos_(std::move(datos)) {}

void CFactibilidadLadoDlg::AfterBuild() {
  // Rows that show and cannot be selected.
  for (int id : {kIdListaA, kIdListaB}) {
    auto* lista = Get<QListWidget>(id);
    lista->setSelectionMode(QAbstractItemView::NoSelection);
    lista->setFocusPolicy(Qt::NoFocus);
    lista->viewport()->setAttribute(Qt::WA_Hover, false);
  }
}

void CFactibilidadLadoDlg::OnInit() {
  for (const std::string& linea : datos_.calientes) AddString(kIdListaB, linea);
  for (const std::string& linea : datos_.frias) AddString(kIdListaA, linea);
}

namespace {
VentanaFactibilidad DelLado(VentanaFactibilidad v, int lado) {
  v.lado = lado;
  return v;
}
}  // namespace

CFactibilidadCalDlg::CFactibilidadCalDlg(VentanaFactibilidad datos)
    : CFactibilidadLadoDlg(DelLado(std::move(datos), kLadoCaliente)) {}

CFactibilidadFrioDlg::CFactibilidadFrioDlg(VentanaFactibilidad datos)
    : CFactibilidadLadoDlg(DelLado(std::move(datos), kLadoFrio)) {}

void MostrarFactibilidad(const VentanaFactibilidad& v) {
  kit::Dialog* ventana = v.lado == kLadoFrio
                             ? static_cast<kit::Dialog*>(new CFactibilidadFrioDlg(v))
                             : static_cast<kit::Dialog*>(new CFactibilidadCalDlg(v));
  ventana->ShowModeless();
}

void RegistrarFactibilidad(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgFactibilidad>([&fabrica](QWidget* padre, DlgFactibilidad& d) {
    return EjecutarFactibilidad(padre, d, fabrica);
  });
  // The windows have no parent, whatever the factory's.
  fabrica.RegistrarVentana<VentanaFactibilidad>(
      [](QWidget*, const VentanaFactibilidad& v) { MostrarFactibilidad(v); });
}

}  // namespace vardo
