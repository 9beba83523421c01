#include "dialogs/entry/dlg_servicios.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "app/core/charts/grafica.h"
#include "app/core/charts/graficas.h"
#include "app/core/entry/celda_numero.h"
#include "app/core/entry/servicios_generales.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "controls/grid/celdix.h"
#include "controls/scrollpanel/barrion.h"
#include "dialogs/entry/dlg_definir_servicio.h"
#include "dialogs/entry/ejecutar_modelo.h"
#include "platform/core/numtext.h"
#include "platform/qt/messagerunner.h"
#include "platform/qt/qt_dc.h"

namespace vardo {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// Draws a chart filled by a builder into a paint area. The frame is given
// for the area as its dialog units measure on a 96-dpi screen with the
// 8-point dialog font (1.5 by 1.625 pixels a unit); it is scaled to the area
// as laid out here, so that the chart takes the same share of it.
void DibujarGrafica(QtDc& dc, CGrafica& g, const Rect& marco, const QWidget& area, int anchoDu,
                    int altoDu) {
  constexpr double kCentesimasPorPixel = 2540.0 / 96.0;
  const double fx = area.width() / dc.ScaleX() / (anchoDu * 1.5 * kCentesimasPorPixel);
  const double fy = area.height() / dc.ScaleY() / (altoDu * 1.625 * kCentesimasPorPixel);
  auto x = [fx](std::int32_t v) { return static_cast<std::int32_t>(std::lround(v * fx)); };
  auto y = [fy](std::int32_t v) { return static_cast<std::int32_t>(std::lround(v * fy)); };
  g.marco = Rect{x(marco.left), y(marco.top), x(marco.right), y(marco.bottom)};
  g.SetTitulos("", "", "");
  g.Recalcular();
  g.Dibujar(dc, false);
}

constexpr const char* kPreguntaAjuste =
    "En su configuración actual, la curva de servicios no se ajusta a la de proceso.\n\n"
    "Para conseguir que se ajusten, deberá reducir la entalpía suministrada por uno o más "
    "servicios.\n\n¿Desea establecer la entalpía de todos los servicios a 0?";
constexpr const char* kFilasFijas = "No está permitido modificar el número de filas de esta tabla";

// ------------------------------------------------------------ templates

// Width of the sheet's pages: the add and costs tables show every column
// beside a vertical scroll bar, none hidden behind a horizontal one.
constexpr int kAnchoPagina = 404;

kit::Template PlantillaAnadir() {
  using namespace kit;
  using D = CAddSGDlg;
  return Template{"Añadir",
                  kAnchoPagina,
                  277,
                  {
                      Paint(D::kIdGrafico, 7, 7, kAnchoPagina - 14, 180),
                      Hosted(D::kIdTabla, kCeldixClassId, 4, 192, kAnchoPagina - 7, 79),
                  }};
}

kit::Template PlantillaCombinar() {
  using namespace kit;
  using D = CCombinarSGDlg;
  // The bars keep their width at the right; the chart takes the rest.
  constexpr int x = kAnchoPagina - 158;
  return Template{"Combinar",
                  kAnchoPagina,
                  287,
                  {
                      Paint(D::kIdGrafico, 5, 7, x - 14, 274),
                      Label("Calefaccion", x, 9, 50, 8),
                      Edit(D::kIdTotalCalor, x + 53, 7, 96, 12, kReadOnly),
                      Hosted(D::kIdCalor, kClassIdBarrion, x, 22, 149, 114),
                      Label("Refrigeracion", x, 145, 50, 8),
                      Edit(D::kIdTotalFrio, x + 53, 143, 96, 12, kReadOnly),
                      Hosted(D::kIdFrio, kClassIdBarrion, x, 158, 149, 114),
                      Check(D::kIdAjustar, "Ajustar Curva de Servicios y de Proceso", x, 276, 155,
                            10),
                  }};
}

kit::Template PlantillaCostes() {
  using namespace kit;
  using D = COptimizarSGDlg;
  // The totals keep their width at the right; the combination table takes
  // the rest.
  constexpr int x = kAnchoPagina - 141;
  return Template{"Costes",
                  kAnchoPagina,
                  269,
                  {
                      Group("Costes", 5, 4, kAnchoPagina - 12, 128),
                      Hosted(D::kIdCostes, kCeldixClassId, 11, 15, kAnchoPagina - 24, 97),
                      Label("Ecuación de costes de la forma C[$] = a +b·A[m2]^c", 11, 117, 300, 8),
                      Group("Combinación", 5, 136, kAnchoPagina - 12, 128),
                      Hosted(D::kIdCombinacion, kCeldixClassId, 11, 147, x - 19, 97),
                      Frame(x, 149, 128, 74),
                      Label("Totales ($/año):", x + 6, 154, 110, 8),
                      Label("Calefacción:", x + 6, 170, 50, 8),
                      Edit(D::kIdTotalCalor, x + 60, 168, 62, 12, kReadOnly),
                      Label("Refrigeración:", x + 6, 187, 50, 8),
                      Edit(D::kIdTotalFrio, x + 60, 185, 62, 12, kReadOnly),
                      Label("Total:", x + 6, 204, 50, 8),
                      Edit(D::kIdTotal, x + 60, 202, 62, 12, kReadOnly),
                  }};
}

// Column widths in twips.
constexpr int kAnchosAnadir[] = {300, 2000, 1100, 900, 700, 700, 900};
constexpr const char* kTitulosAnadir[] = {"Nº",     "Descripción", "Servicio", "Calor",
                                          "T ent(K)", "T sal(K)",  "H max(kW)"};
constexpr int kAnchosCostes[] = {500, 2000, 1350, 1350, 700, 700, 700};
// The costs table's numbers: unit cost, h, a, b and c from column 2.
constexpr int kPrimerNumeroCostes = 2;
constexpr int kNumerosCostes = 5;
constexpr const char* kTitulosCostes[] = {"Nº", "Descripción", "Coste ($/kWa)", "h (kW/(m2·K))",
                                          "a",  "b",           "c"};

void Encabezar(Celdix& t, int columnas, const char* const* titulos, const int* anchos) {
  t.SetCols(columnas);
  t.SetFixedCols(0);
  t.Grid()->SetLeftCol(0);  // the first column is no heading: show it
  t.SetRows(1);
  t.SetFixedRows(1);
  for (int c = 0; c < columnas; ++c) {
    t.SetTextMatrix(0, c, QString::fromUtf8(titulos[c]));
    t.SetColWidth(c, anchos[c]);
  }
  t.Grid()->AjustarColumnasAlTexto();
}

}  // namespace

// ================================================================ "Añadir"

CAddSGDlg::CAddSGDlg(CDiagrama& hoja) : kit::Page(PlantillaAnadir()), hoja_(hoja) {
  using namespace celdix_event;
  OnEvent(kIdTabla, TablaModificada, [this] { OnTablaModificada(); });
  OnEvent(kIdTabla, NuevaLinea, [this] { OnNuevaLinea(); });
  OnEvent(kIdTabla, BorrarLinea, [this] { OnBorrarLinea(); });
  OnEvent(kIdTabla, TablaPegada, [this] { OnTablaPegada(); });
  OnEvent(kIdTabla, CambioSel, [this] { Invalidate(kIdGrafico); });
  OnEvent(kIdTabla, DblClick, [this] { OnDobleClic(); });
  OnPaint(kIdGrafico, [this](QtDc& dc) { Dibujar(dc); });
}

Celdix& CAddSGDlg::Tabla() const { return *Get<Celdix>(kIdTabla); }

void CAddSGDlg::OnInit() {
  Celdix& t = Tabla();
  Encabezar(t, 7, kTitulosAnadir, kAnchosAnadir);
  t.SetColNumeric(4);
  t.SetColReadOnly(0);
  t.SetColDropdown(3);
  // The heat column opens a list: room for its longest entry and the arrow.
  const QFontMetrics fm(t.ComboEditor()->font());
  int ancho = 0;
  for (const char* opcion : {kTextoSensible, kTextoLatente, kTextoCombinado}) {
    t.SetTextoDropdown(3, QString::fromUtf8(opcion));
    ancho = std::max(ancho, fm.horizontalAdvance(QString::fromUtf8(opcion)));
  }
  ancho += t.ComboEditor()->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
  if (ancho * kTwipsPerPixel > t.ColWidth(3)) t.SetColWidth(3, ancho * kTwipsPerPixel);
}

void CAddSGDlg::OnSetActive() {
  kit::Page::OnSetActive();
  m_diagrama = hoja_;
  LlenarTabla();
}

bool CAddSGDlg::OnKillActive() {
  if (!LeerTabla()) return false;
  hoja_ = m_diagrama;
  return kit::Page::OnKillActive();
}

void CAddSGDlg::LlenarTabla() {
  Celdix& t = Tabla();
  listados_ = ServiciosListados(m_diagrama);
  escritas_ = PrepararFilas(m_diagrama, listados_);
  const std::vector<FilaServicio>& filas = escritas_;
  const int n = static_cast<int>(filas.size());
  t.SetRows(n + 1);
  for (int r = 1; r <= n; ++r) {
    t.SetReadOnlyCells(2, r, true);
    t.SetReadOnlyCells(6, r, true);
  }
  for (int r = 1; r <= n; ++r) {
    const FilaServicio& f = filas[static_cast<std::size_t>(r - 1)];
    t.SetTextMatrix(r, 0, Q(f.numero));
    t.SetTextMatrix(r, 1, Q(f.nombre));
    t.SetTextMatrix(r, 2, Q(f.servicio));
    t.SetTextMatrix(r, 3, Q(f.calor));
    const bool combinado = f.calor == kTextoCombinado;
    t.SetReadOnlyCells(4, r, combinado);
    t.SetReadOnlyCells(5, r, combinado || f.calor == kTextoLatente);
    t.SetTextMatrix(r, 4, Q(f.tEntrada));
    t.SetTextMatrix(r, 5, Q(f.tSalida));
    t.SetTextMatrix(r, 6, Q(f.hMaxima));
    t.SetColor(r, f.servicio == kTextoRefrigeracion ? kColorRefrigeracion : kColorCalefaccion);
  }
  t.Grid()->AjustarColumnasAlTexto();
  t.ColorearTabla();
  t.Refresh();
  Invalidate(kIdGrafico);
}

bool CAddSGDlg::LeerTabla() {
  Celdix& t = Tabla();
  std::vector<FilaServicio> filas;
  for (int r = 1; r < t.Rows(); ++r)
    filas.push_back({S(t.TextMatrix(r, 0)), S(t.TextMatrix(r, 1)), S(t.TextMatrix(r, 2)),
                     S(t.TextMatrix(r, 3)), S(t.TextMatrix(r, 4)), S(t.TextMatrix(r, 5)),
                     S(t.TextMatrix(r, 6))});
  auto escrita = [this](std::size_t i) { return i < escritas_.size() ? &escritas_[i] : nullptr; };
  for (std::size_t i = 0; i < filas.size(); ++i)
    if (const auto rechazo = ComprobarFila(filas[i], escrita(i))) {
      LlenarTabla();
      Refuse(kIdTabla, rechazo->mensaje);
      return false;
    }
  for (std::size_t i = 0; i < filas.size(); ++i)
    LeerFila(m_diagrama, filas[i], escrita(i),
             [this](CServicios& s) { return EjecutarDefinirServicio(this, s); });
  return true;
}

std::int32_t CAddSGDlg::ServicioSeleccionado() const {
  const Celdix& t = Tabla();
  const int r = t.GetSelRow();
  if (r < 1 || r >= t.Rows()) return -1;
  return ServicioDeFila(m_diagrama, S(t.TextMatrix(r, 0)));
}

void CAddSGDlg::OnTablaModificada() {
  if (!LeerTabla()) return;
  ReclasificarServicios(m_diagrama);
  LlenarTabla();
}

void CAddSGDlg::OnNuevaLinea() {
  AnadirServiciosListados(m_diagrama, 1);
  LlenarTabla();
}

void CAddSGDlg::OnBorrarLinea() {
  const Celdix& t = Tabla();
  std::vector<std::string> numeros;
  for (int r = 1; r < t.Rows(); ++r) numeros.push_back(S(t.TextMatrix(r, 0)));
  const std::int32_t k = ServicioBorrado(listados_, numeros);
  if (k >= 0) m_diagrama.BorrarServicio(k);
  LlenarTabla();
}

void CAddSGDlg::OnTablaPegada() {
  Celdix& t = Tabla();
  // Each data row stands for the utility listed at its place; rows beyond
  // the list get new utilities that the list will show.
  std::vector<std::int32_t> servicios = listados_;
  const int filas = t.Rows() - 1;
  std::vector<FilaPegada> pegadas;
  for (int r = 1; r <= filas; ++r)
    pegadas.push_back({S(t.TextMatrix(r, 1)), S(t.TextMatrix(r, 3)), S(t.TextMatrix(r, 4)),
                       S(t.TextMatrix(r, 5))});
  // A temperature the number rule refuses refuses the paste: the table
  // shows the utilities as they were.
  if (const auto rechazo = ComprobarPegado(pegadas)) {
    LlenarTabla();
    Refuse(kIdTabla, rechazo->mensaje);
    return;
  }
  if (filas > static_cast<int>(servicios.size())) {
    const std::vector<std::int32_t> nuevos =
        AnadirServiciosListados(m_diagrama, filas - static_cast<int>(servicios.size()));
    servicios.insert(servicios.end(), nuevos.begin(), nuevos.end());
  }
  for (int r = 1; r <= filas; ++r)
    t.SetTextMatrix(r, 0, Q(std::to_string(servicios[static_cast<std::size_t>(r - 1)] + 1)));
  AplicarPegado(m_diagrama, servicios, pegadas);
  LlenarTabla();
}

void CAddSGDlg::OnDobleClic() {
  const std::int32_t k = ServicioSeleccionado();
  if (k < 0) return;
  CServicios copia(m_diagrama.m_servicios[static_cast<std::size_t>(k)]);
  copia.m_dtMin = m_diagrama.m_dtMin;
  copia.m_pinch = m_diagrama.m_tPinch;
  if (!EjecutarDefinirServicio(this, copia)) return;
  m_diagrama.m_servicios[static_cast<std::size_t>(k)] = copia;
  LlenarTabla();
}

void CAddSGDlg::Dibujar(QtDc& dc) {
  CGrafica g;
  GraficaServicio(m_diagrama, g, ServicioSeleccionado());
  DibujarGrafica(dc, g, Rect{0, 1000, 14500, -10700}, *Widget(kIdGrafico), 347, 180);
}

// ================================================================ "Combinar"

CCombinarSGDlg::CCombinarSGDlg(CDiagrama& hoja) : kit::Page(PlantillaCombinar()), hoja_(hoja) {
  OnEvent(kIdCalor, EventoBarrion::cambiado, [this] { OnCambiado(); });
  OnEvent(kIdFrio, EventoBarrion::cambiado, [this] { OnCambiado(); });
  OnClick(kIdAjustar, [this] { OnAjustar(); });
  OnPaint(kIdGrafico, [this](QtDc& dc) { Dibujar(dc); });
}

Barrion& CCombinarSGDlg::Panel(bool frio) const { return *Get<Barrion>(frio ? kIdFrio : kIdCalor); }

void CCombinarSGDlg::OnSetActive() {
  kit::Page::OnSetActive();
  m_diagrama = hoja_;
  ajustar_ = m_diagrama.ServiciosAjustanGrandCompuesta();
  SetCheck(kIdAjustar, ajustar_);
  ocupado_ = true;
  ConstruirPaneles();
  ajustar_ = Checked(kIdAjustar);
  ocupado_ = false;
  Invalidate(kIdGrafico);
}

bool CCombinarSGDlg::OnKillActive() {
  if (ajustar_) CambioAjustado();
  else LeerCargas();
  hoja_ = m_diagrama;
  ocupado_ = true;
  VaciarPaneles();
  ocupado_ = false;
  return kit::Page::OnKillActive();
}

void CCombinarSGDlg::ConstruirPaneles() {
  int barras[2] = {0, 0};
  for (std::int32_t k : ServiciosListados(m_diagrama)) {
    const CServicios& s = m_diagrama.m_servicios[static_cast<std::size_t>(k)];
    const bool frio = s.m_fria != 0;
    const QString nombre = QStringLiteral("%1 %2").arg(k + 1).arg(Q(s.GetNombre()));
    const double maximo = MaximoBarra(s, ajustar_);
    if (barras[frio]++ == 0) Panel(frio).BarraInicial(nombre, maximo);
    else Panel(frio).AddBarra(nombre, maximo);
  }
  EscribirCargas();
  for (bool frio : {false, true}) {
    if (barras[frio] == 0) continue;
    Panel(frio).EstablecerScrolls(false, true);
    Panel(frio).Arrancar();
  }
}

void CCombinarSGDlg::VaciarPaneles() {
  Panel(false).Vaciar();
  Panel(true).Vaciar();
}

void CCombinarSGDlg::EscribirCargas() {
  int barra[2] = {0, 0};
  for (std::int32_t k : ServiciosListados(m_diagrama)) {
    const CServicios& s = m_diagrama.m_servicios[static_cast<std::size_t>(k)];
    const bool frio = s.m_fria != 0;
    Panel(frio).EscribirScroll(static_cast<std::int16_t>(barra[frio]++), s.m_carga);
  }
  ActualizarTotales();
}

void CCombinarSGDlg::LeerCargas() {
  int barra[2] = {0, 0};
  for (std::int32_t k : ServiciosListados(m_diagrama)) {
    CServicios& s = m_diagrama.m_servicios[static_cast<std::size_t>(k)];
    const bool frio = s.m_fria != 0;
    const int i = barra[frio]++;
    if (i >= Panel(frio).NumBarras()) continue;
    // A box left without a number keeps the load it had.
    if (const auto v = Panel(frio).LeerScroll(static_cast<std::int16_t>(i))) s.m_carga = *v;
  }
}

void CCombinarSGDlg::ActualizarTotales() {
  const TotalesServicios t = CalcularTotales(m_diagrama, ServiciosListados(m_diagrama));
  SetText(kIdTotalCalor, TextoTotal(t.calefaccion, t.calefaccionMinima));
  SetText(kIdTotalFrio, TextoTotal(t.refrigeracion, t.refrigeracionMinima));
}

bool CCombinarSGDlg::CambioAjustado() {
  if (m_diagrama.m_servicios.empty()) return true;
  ocupado_ = true;
  guardadas_.clear();
  for (const CServicios& s : m_diagrama.m_servicios) guardadas_.push_back(s.m_carga);
  LeerCargas();
  const vardo::CambioAjustado r = AplicarCambioAjustado(m_diagrama, guardadas_);
  if (r == vardo::CambioAjustado::Aceptado) {
    ActualizarTotales();
  } else {
    if (r == vardo::CambioAjustado::Rechazado) kit::Beep(1000, 50);
    EscribirCargas();
  }
  Invalidate(kIdGrafico);
  ocupado_ = false;
  return r == vardo::CambioAjustado::Aceptado;
}

void CCombinarSGDlg::OnCambiado() {
  ajustar_ = Checked(kIdAjustar);
  if (ocupado_) return;
  if (ajustar_) {
    CambioAjustado();
    return;
  }
  LeerCargas();
  Invalidate(kIdGrafico);
  ActualizarTotales();
}

void CCombinarSGDlg::OnAjustar() {
  ajustar_ = Checked(kIdAjustar);
  if (ajustar_) {
    if (!CambioAjustado() && AskYesNo(this, kPreguntaAjuste) == Answer::Yes)
      for (CServicios& s : m_diagrama.m_servicios) s.m_carga = 0.0;
  } else {
    LimitarCargas(m_diagrama);
  }
  ocupado_ = true;
  VaciarPaneles();
  ConstruirPaneles();
  ocupado_ = false;
  Invalidate(kIdGrafico);
}

void CCombinarSGDlg::Dibujar(QtDc& dc) {
  CGrafica g;
  GraficaGrandCompuesta(m_diagrama, g, false, true);
  DibujarGrafica(dc, g, Rect{0, 1000, 8300, -14000}, *Widget(kIdGrafico), 189, 274);
}

// ================================================================ "Costes"

COptimizarSGDlg::COptimizarSGDlg(CDiagrama& hoja) : kit::Page(PlantillaCostes()), hoja_(hoja) {
  using namespace celdix_event;
  OnEvent(kIdCostes, TablaModificada, [this] {
    if (LeerTabla()) Llenar();
  });
  OnEvent(kIdCostes, NuevaLinea, [this] { FilasFijas(); });
  OnEvent(kIdCostes, BorrarLinea, [this] { FilasFijas(); });
  OnEvent(kIdCostes, TablaPegada, [this] {
    if (Tabla(kIdCostes).Rows() - 1 > m_diagrama.GetNumServicios()) FilasFijas();
  });
}

Celdix& COptimizarSGDlg::Tabla(int id) const { return *Get<Celdix>(id); }

void COptimizarSGDlg::OnInit() {
  Celdix& costes = Tabla(kIdCostes);
  Encabezar(costes, 7, kTitulosCostes, kAnchosCostes);
  costes.SetColReadOnly(0);
  costes.SetColNumeric(2);
  constexpr const char* titulos[] = {"Número", "Carga (kW)", "Coste ($/a)"};
  constexpr int anchos[] = {900, 1150, 1150};
  Encabezar(Tabla(kIdCombinacion), 3, titulos, anchos);
}

void COptimizarSGDlg::OnSetActive() {
  kit::Page::OnSetActive();
  m_diagrama = hoja_;
  Llenar();
}

bool COptimizarSGDlg::OnKillActive() {
  if (!LeerTabla()) return false;
  hoja_ = m_diagrama;
  return kit::Page::OnKillActive();
}

void COptimizarSGDlg::Llenar() {
  Celdix& costes = Tabla(kIdCostes);
  Celdix& combinacion = Tabla(kIdCombinacion);
  const int n = m_diagrama.GetNumServicios();
  costes.SetRows(n + 1);
  combinacion.SetRows(n + 1);
  double calor = 0.0, frio = 0.0;
  escritas_.clear();
  for (int i = 0; i < n; ++i) {
    const CServicios& s = m_diagrama.m_servicios[static_cast<std::size_t>(i)];
    const int r = i + 1;
    const QString numero = Q(std::to_string(r));
    costes.SetTextMatrix(r, 0, numero);
    costes.SetTextMatrix(r, 1, Q(s.GetNombre()));
    costes.SetReadOnlyCells(1, r, true);
    escritas_.push_back({NumTexto(s.m_coste), NumTexto(s.m_h), NumTexto(s.m_a), NumTexto(s.m_b),
                         NumTexto(s.m_c)});
    for (int c = 0; c < kNumerosCostes; ++c)
      costes.SetTextMatrix(r, kPrimerNumeroCostes + c,
                           Q(escritas_.back()[static_cast<std::size_t>(c)]));
    const double anual = s.m_coste * s.m_carga;
    combinacion.SetTextMatrix(r, 0, numero);
    combinacion.SetTextMatrix(r, 1, Q(NumTexto(s.m_carga)));
    combinacion.SetTextMatrix(r, 2, Q(NumTexto(anual)));
    (s.m_fria ? frio : calor) += anual;
  }
  SetText(kIdTotalCalor, NumTexto(calor));
  SetText(kIdTotalFrio, NumTexto(frio));
  SetText(kIdTotal, NumTexto(calor + frio));
  combinacion.SoloParaLeer();
}

bool COptimizarSGDlg::LeerTabla() {
  const Celdix& t = Tabla(kIdCostes);
  const RangoNumero rangos[kNumerosCostes] = {RangoNumero::Finito(), RangoNumero::Coeficiente(),
                                              RangoNumero::Finito(), RangoNumero::Finito(),
                                              RangoNumero::Finito()};
  // Every cell is checked before any is stored.
  std::vector<std::vector<double>> leidos;
  for (int i = 0; i < m_diagrama.GetNumServicios() && i + 1 < t.Rows(); ++i) {
    const CServicios& s = m_diagrama.m_servicios[static_cast<std::size_t>(i)];
    std::vector<double> v = {s.m_coste, s.m_h, s.m_a, s.m_b, s.m_c};
    for (int c = 0; c < kNumerosCostes; ++c) {
      const auto k = static_cast<std::size_t>(c);
      const std::string* escrito =
          static_cast<std::size_t>(i) < escritas_.size() ? &escritas_[static_cast<std::size_t>(i)][k]
                                                         : nullptr;
      const std::string mensaje =
          LeerCelda(S(t.TextMatrix(i + 1, kPrimerNumeroCostes + c)), escrito, rangos[c], v[k]);
      if (!mensaje.empty()) {
        Llenar();
        Refuse(kIdCostes, mensaje);
        return false;
      }
    }
    leidos.push_back(v);
  }
  for (std::size_t i = 0; i < leidos.size(); ++i) {
    CServicios& s = m_diagrama.m_servicios[i];
    s.m_coste = leidos[i][0];
    s.m_h = leidos[i][1];
    s.m_a = leidos[i][2];
    s.m_b = leidos[i][3];
    s.m_c = leidos[i][4];
  }
  return true;
}

void COptimizarSGDlg::FilasFijas() {
  ShowMessage(this, kFilasFijas);
  Llenar();
}

// ================================================================ the sheet

CServGenSheet::CServGenSheet(std::int32_t pagina, QWidget* parent)
    : kit::PropertySheet("Servicios Generales", parent, pagina >= 1 && pagina <= 3 ? pagina - 1 : 0),
      m_add(m_diagrama),
      m_combinar(m_diagrama),
      m_costes(m_diagrama) {
  AddPage(m_add);
  AddPage(m_combinar);
  AddPage(m_costes);
}

bool EjecutarServicios(QWidget* padre, DlgServicios& d) {
  CServGenSheet hoja(d.pagina, padre);
  return EjecutarSobreModelo(hoja, d);
}

void RegistrarServicios(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgServicios>(EjecutarServicios);
}

}  // namespace vardo
