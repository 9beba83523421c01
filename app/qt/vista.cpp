#include "app/qt/vista.h"

#include <algorithm>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "app/core/document/comandos_documento.h"
#include "app/core/views/diagrama_rejilla.h"
#include "app/core/document/documento.h"
#include "app/core/charts/graficas.h"
#include "app/core/document/ids_comandos.h"
#include "app/qt/menus_contexto.h"
#include "model/anillos.h"
#include "model/constantes.h"
#include "platform/core/numero_tecleado.h"
#include "platform/core/numtext.h"
#include "platform/qt/clipboard.h"
#include "platform/qt/filedialogs.h"
#include "platform/qt/frameworktexts.h"
#include "platform/core/redondeo.h"
#include "platform/qt/mainframe.h"
#include "platform/qt/qt_dc.h"
#include "platform/qt/recordedpicture.h"

namespace vardo {

namespace {

CVardoView* g_vistaActiva = nullptr;

bool EsModoGrafica(int modo) { return modo == 1 || modo == 2 || (modo >= 4 && modo <= 17); }

// Shows the wait cursor for the life of the scope.
class CursorEspera {
 public:
  CursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~CursorEspera() { QApplication::restoreOverrideCursor(); }
  CursorEspera(const CursorEspera&) = delete;
  CursorEspera& operator=(const CursorEspera&) = delete;
};

// The x range of the cost chart over a loop's heat flow: the dialog's range,
// from minus the loop's smallest even duty to its smallest odd duty, in the
// chart's stored units; the y range stays as scaled.
void MargenesCostesAnillo(CGrafica& g, const CAnillo& anillo) {
  g.SetMargenes(ValorGrafica(anillo.minimoImpar, g.decimales),
                ValorGrafica(-anillo.minimoPar, g.decimales), g.yMax, g.yMin);
}

}  // namespace

RejillaPaginas CalcularPaginas(const Rect& r, int dpiX, int dpiY, int anchoPx, int altoPx) {
  // Pages along one side: (extent + 20 mm) in pixels over the page's pixels,
  // plus one; in 64 bits, between 1 and the cap.
  auto contar = [](std::int64_t extension, int dpi, int paginaPx) {
    if (paginaPx <= 0) return 1;
    const auto pxPorMm = static_cast<std::int64_t>(dpi / 25.4);
    const std::int64_t n = (extension + 2000) * pxPorMm / (std::int64_t{paginaPx} * 100) + 1;
    return static_cast<int>(std::clamp<std::int64_t>(n, 1, kMaxFilasPaginas));
  };
  RejillaPaginas g;
  g.filas = contar(r.Height(), dpiY, altoPx);
  g.columnas = contar(r.Width(), dpiX, anchoPx);
  return g;
}

// ---------------------------------------------------------------- view

CVardoView::CVardoView(CVardoDoc* doc, QWidget* parent)
    : QAbstractScrollArea(parent), doc_(doc), editor_(*doc, textoEstado_) {
  setFocusPolicy(Qt::StrongFocus);
  // A moved exchanger end follows the pointer with no button held.
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(true);
  QPalette pal = viewport()->palette();
  pal.setColor(QPalette::Window, Qt::white);
  viewport()->setPalette(pal);
  setFrameShape(QFrame::NoFrame);
  DefinirComandos();
  DefinirComandosEdicion();
  AjustarBarras();
}

CVardoView::~CVardoView() {
  if (g_vistaActiva == this) g_vistaActiva = nullptr;
}

CVardoView* CVardoView::GetVistaActiva() { return g_vistaActiva; }

void CVardoView::SetVistaActiva(CVardoView* vista) {
  g_vistaActiva = vista;
  if (vista)
    if (auto* marco = qobject_cast<MdiFrame*>(vista->window())) VigilarCampoDTMin(marco->Field());
}

void CVardoView::SetEstadoEdicion(int estado) { editor_.SetTipo(estado); }

void CVardoView::EditarCorriente(std::int32_t i) {
  CDiagrama& d = doc_->m_Diagrama;
  if (i < 0 || i >= d.GetNumCorrientes()) return;
  d.SeleccionarCorriente(i);
  editor_.SetTipo(kSelCorriente);
  Pendiente p;
  p.tipo = Pendiente::kComando;
  p.comando = cmd::kModificarCorriente;
  Rehacer();
  Encolar(p);
}

bool CVardoView::HayCorrientes() const { return doc_->m_Diagrama.GetNumCorrientes() > 0; }

bool CVardoView::Disponible(DialogoId dialogo) const {
  return fabrica_ && fabrica_->Disponible(dialogo);
}

void CVardoView::MostrarEstado(const std::string& texto) {
  if (PuertoEstado* e = doc_->Puertos().estado) e->SetTextoEstado(vardo::TextoEstado(texto));
}

void CVardoView::MostrarEstadoVista() { MostrarEstado(textoEstado_); }

void CVardoView::ActualizarContadoresDoc() { doc_->ActualizarContadores(); }

// ---------------------------------------------------------------- commands

void CVardoView::DefinirComandos() {
  using namespace cmd;
  auto conModo = [this](int modo) {
    return [this, modo](CmdUi& ui) {
      ui.enabled = HayCorrientes();
      ui.checked = doc_->m_nModo == modo;
    };
  };
  auto conDialogo = [this](DialogoId d) {
    return [this, d](CmdUi& ui) { ui.enabled = HayCorrientes() && Disponible(d); };
  };
  auto conCorrientes = [this](CmdUi& ui) { ui.enabled = HayCorrientes(); };
  auto grafica = [this](int id) { return [this, id] { ComandoGrafica(id); }; };

  comandos_.OnCommand(kGrandCompuesta, grafica(kGrandCompuesta), conModo(1));
  comandos_.OnCommand(kCompuestas, grafica(kCompuestas), conModo(2));
  comandos_.OnCommand(kDiagramaTrama, grafica(kDiagramaTrama), conModo(3));
  comandos_.OnCommand(kCosteTotalDTMin, grafica(kCosteTotalDTMin), [this](CmdUi& ui) {
    ui.enabled = HayCorrientes() && Disponible(DialogoId::VariacionCosteTot);
    ui.checked = doc_->m_nModo == 10;
  });
  comandos_.OnCommand(kServiciosDTMin, grafica(kServiciosDTMin), conDialogo(DialogoId::VariacionDT));
  comandos_.OnCommand(kNMinDTMin, grafica(kNMinDTMin), conDialogo(DialogoId::VariacionDT));
  comandos_.OnCommand(kTPinchDTMin, grafica(kTPinchDTMin), conDialogo(DialogoId::VariacionDT));
  comandos_.OnCommand(kAreaMinDTMin, grafica(kAreaMinDTMin), conDialogo(DialogoId::VariacionArea));
  comandos_.OnCommand(kCosteInmDTMin, grafica(kCosteInmDTMin),
                      conDialogo(DialogoId::VariacionCosteInm));
  comandos_.OnCommand(kCosteOperacionDTMin, grafica(kCosteOperacionDTMin),
                      conDialogo(DialogoId::CostesOperacion));
  comandos_.OnCommand(kCostesAnillo, grafica(kCostesAnillo), [this](CmdUi& ui) {
    ui.enabled = HayCorrientes() && doc_->m_Diagrama.GetNumCambiadores() >= 2 &&
                 Disponible(DialogoId::CostesTotales);
  });
  comandos_.OnCommand(kDTDisponible, grafica(kDTDisponible), conCorrientes);
  comandos_.OnCommand(kGraficaPersonalizada, grafica(kGraficaPersonalizada),
                      conDialogo(DialogoId::OtrasGraficas));
  comandos_.OnCommand(kCompuestasServicios, grafica(kCompuestasServicios), conCorrientes);
  comandos_.OnCommand(kCompuestasExergia, grafica(kCompuestasExergia), conDialogo(DialogoId::Exergia));
  comandos_.OnCommand(kGrandCompuestaExergia, grafica(kGrandCompuestaExergia),
                      conDialogo(DialogoId::Exergia));
  comandos_.OnCommand(kExergiaDisponible, grafica(kExergiaDisponible), conDialogo(DialogoId::Exergia));
  comandos_.OnCommand(kFormatoGrafica, [this] { FormatoGrafica(); }, [this](CmdUi& ui) {
    const int modo = doc_->m_nModo;
    ui.enabled = modo != 0 &&
                 Disponible(modo == 3 ? DialogoId::PropDiagrama : DialogoId::PropGrafico);
  });
  comandos_.OnCommand(kConfigurarImpresora, [this] { ConfigurarImpresora(); });

  // A picture exists only while the view draws something (mode not 0).
  const auto conDibujo = [this](CmdUi& ui) { ui.enabled = doc_->m_nModo != 0; };
  comandos_.OnCommand(kCopiar, [this] { OnCopiarImagen(); }, conDibujo);
  comandos_.OnCommand(kGrabarImagen, [this] { OnGrabarImagen(); }, conDibujo);
  comandos_.OnCommand(kExportarGrafica, [this] { OnExportarGrafica(); },
                      [this](CmdUi& ui) { ui.enabled = EsModoGrafica(doc_->m_nModo); });
  comandos_.OnCommand(kCopiarTablaCambiadores, [this] { OnCopiarTablaCambiadores(); });
  comandos_.OnCommand(kCopiarTablaCorrientes, [this] { OnCopiarTablaCorrientes(); });
  comandos_.OnCommand(kCopiarMAN, [this] { OnCopiarMAN(); });
  comandos_.OnCommand(kExportarMAN, [this] { OnExportarMAN(); });
}

bool CVardoView::LeerRango(const std::string& inicial, const std::string& final, double& desde,
                           double& hasta) {
  UiPort& ui = doc_->Puertos().ui ? *doc_->Puertos().ui : DefaultUiPort();
  // The dialogs refuse a text that is no number; one that reached here
  // anyway is no range either.
  const auto a = LeerNumeroTecleado(inicial);
  const auto b = LeerNumeroTecleado(final);
  desde = a.value_or(0.0);
  hasta = b.value_or(0.0);
  if (!a || !(desde > 0.0)) {
    ui.Message(kMsgDTInicial);
    return false;
  }
  if (!b || !(hasta > desde)) {
    ui.Message(kMsgDTFinal);
    return false;
  }
  return true;
}

void CVardoView::ConstruirGrafica(int modo, double desde, double hasta, int puntos) {
  CDiagrama& m = doc_->m_Diagrama;
  CGrafica& g = grafica_;
  const bool sel = editor_.Tipo() == kSelCorriente;
  const bool serv = m.m_serviciosVisibles != 0;
  switch (modo) {
    case 1: GraficaGrandCompuesta(m, g, sel, serv); break;
    case 2: GraficaCompuestas(m, g, sel); break;
    case 4: GraficaServiciosDTMin(m, g, desde, hasta, puntos); break;
    case 5: GraficaNMinDTMin(m, g, desde, hasta, puntos); break;
    case 6: GraficaTPinchDTMin(m, g, desde, hasta, puntos); break;
    case 7: GraficaAreaMinDTMin(m, g, desde, hasta, puntos); break;
    case 8: GraficaCosteInmovilizadoDTMin(m, g, desde, hasta, puntos); break;
    case 9: GraficaCosteOperacionDTMin(m, g, desde, hasta, puntos); break;
    case 10: GraficaCosteTotalDTMin(m, g, desde, hasta, puntos); break;
    case 11: GraficaCosteTotalDTMin(m, g, desde, hasta, puntos); break;
    case 12: GraficaDTDisponible(m, g); break;
    case 13: GraficaPersonalizada(m, g, desde, hasta, puntos, kVarCalefaccion, kVarAreaMin); break;
    case 14: GraficaCompuestasServicios(m, g, sel); break;
    case 15: GraficaCompuestasExergia(m, g, puntos); break;
    case 16: GraficaGrandCompuestaExergia(m, g, puntos, serv); break;
    case 17: GraficaExergiaDisponible(m, g, puntos, serv); break;
    default: return;
  }
  g.Recalcular();
  if (modo == 12) MargenesDTDisponible(g);
}

void CVardoView::Fijar(int modo) {
  doc_->m_nModo = modo;
  modoGrafica_ = modo;
  doc_->UpdateAllViews();
}

void CVardoView::ComandoGrafica(int id) {
  using namespace cmd;
  textoEstado_ = id == kDiagramaTrama ? kTextoPreparadoTrama : kTextoPreparado;
  MostrarEstadoVista();
  CDiagrama& m = doc_->m_Diagrama;
  UiPort& ui = doc_->Puertos().ui ? *doc_->Puertos().ui : DefaultUiPort();
  double desde = 0.0;
  double hasta = 0.0;

  // The targets against DT min over the range of a dialog.
  auto rangoDT = [&](int modo) {
    if (!fabrica_) return;
    DlgVariacionDT d;
    if (!fabrica_->VariacionDT(d)) return;
    doc_->GuardarDeshacer(true);
    if (!LeerRango(d.inicial, d.final, desde, hasta)) return;
    ConstruirGrafica(modo, desde, hasta, d.puntos);
    Fijar(modo);
  };
  // The same with a dialog that works on a copy of the model.
  auto rangoModelo = [&](auto d, auto ejecutar, int modo) {
    if (!fabrica_) return;
    d.modelo = m;
    if (!ejecutar(d)) return;
    doc_->CambiarModelo([&] { m = d.modelo; });
    if (!LeerRango(d.inicial, d.final, desde, hasta)) return;
    CursorEspera espera;
    ConstruirGrafica(modo, desde, hasta, d.puntos);
    Fijar(modo);
  };
  auto exergia = [&](int modo) {
    if (!fabrica_) return;
    DlgExergia d;
    d.temperatura = m.m_tReferencia;
    d.puntos = 50;
    if (!fabrica_->Exergia(d)) return;
    // The snapshot keeps the temperature the model had; the ambient
    // temperature is not stored, so the document stays as it was.
    doc_->CambiarModelo([&] { m.m_tReferencia = d.temperatura; });
    ConstruirGrafica(modo, 0.0, 0.0, d.puntos);
    Fijar(modo);
  };

  switch (id) {
    case kGrandCompuesta:
      doc_->GuardarDeshacer(true);
      ConstruirGrafica(1, 0, 0, 0);
      Fijar(1);
      break;
    case kCompuestas:
      doc_->GuardarDeshacer(true);
      ConstruirGrafica(2, 0, 0, 0);
      Fijar(2);
      break;
    case kDiagramaTrama:
      doc_->GuardarDeshacer(true);
      Fijar(3);
      break;
    case kCompuestasServicios:
      doc_->GuardarDeshacer(true);
      ConstruirGrafica(14, 0, 0, 0);
      Fijar(14);
      break;
    case kDTDisponible:
      // The chart may set or move the generic utility temperatures (after
      // asking): one change of the document, with its undo step.
      doc_->CambiarModelo([&] { GraficaDTDisponible(m, grafica_, Preguntas::Preguntar, ui); });
      grafica_.Recalcular();
      MargenesDTDisponible(grafica_);
      Fijar(12);
      break;
    case kServiciosDTMin: rangoDT(4); break;
    case kNMinDTMin: rangoDT(5); break;
    case kTPinchDTMin: rangoDT(6); break;
    case kAreaMinDTMin:
      rangoModelo(DlgVariacionArea{}, [this](DlgVariacionArea& d) { return fabrica_->VariacionArea(d); }, 7);
      break;
    case kCosteInmDTMin:
      rangoModelo(DlgVariacionCosteInm{},
                  [this](DlgVariacionCosteInm& d) { return fabrica_->VariacionCosteInm(d); }, 8);
      break;
    case kCosteTotalDTMin:
      rangoModelo(DlgVariacionCosteTot{},
                  [this](DlgVariacionCosteTot& d) { return fabrica_->VariacionCosteTot(d); }, 10);
      break;
    case kCosteOperacionDTMin: {
      if (!fabrica_) return;
      DlgCostesOperacion d;
      d.costeCalefaccion = NumTexto(m.m_costeCaliente);
      d.costeRefrigeracion = NumTexto(m.m_costeFrio);
      if (!fabrica_->CostesOperacion(d)) return;
      doc_->CambiarModelo([&] {
        m.m_costeCaliente = LeerNumeroTecleado(d.costeCalefaccion).value_or(m.m_costeCaliente);
        m.m_costeFrio = LeerNumeroTecleado(d.costeRefrigeracion).value_or(m.m_costeFrio);
      });
      if (!LeerRango(d.inicial, d.final, desde, hasta)) return;
      ConstruirGrafica(9, desde, hasta, d.puntos);
      Fijar(9);
      break;
    }
    case kCostesAnillo: {
      if (!fabrica_) return;
      DlgCostesTotales d;
      d.modelo = m;
      if (!fabrica_->CostesTotales(d)) return;
      doc_->CambiarModelo([&] { m = d.modelo; });
      CursorEspera espera;
      GraficaCostesAnillo(m, grafica_, d.puntos);
      grafica_.Recalcular();
      MargenesCostesAnillo(grafica_, m.m_anillo);
      Fijar(11);
      break;
    }
    case kGraficaPersonalizada: {
      if (!fabrica_) return;
      DlgOtrasGraficas d;  // 1.0 to 50.0 K, 25 points, x 0, y 4
      if (!fabrica_->OtrasGraficas(d)) return;
      CursorEspera espera;
      if (GraficaPersonalizada(m, grafica_, d.dtInicial, d.dtFinal, d.puntos, d.variableX,
                               d.variableY))
        grafica_.Recalcular();
      Fijar(13);
      break;
    }
    case kCompuestasExergia: exergia(15); break;
    case kGrandCompuestaExergia: exergia(16); break;
    case kExergiaDisponible: exergia(17); break;
    default: break;
  }
}

void CVardoView::RedibujarGrafica() {
  textoEstado_ = kTextoPreparado;
  MostrarEstadoVista();
  const int modo = doc_->m_nModo;
  switch (modo) {
    case 1:
    case 2:
    case 12:
    case 14:
      ConstruirGrafica(modo, 0, 0, 0);
      break;
    case 4: case 5: case 6: case 7: case 8: case 9: case 10: case 13:
      ConstruirGrafica(modo, 1.0, 30.0, 30);
      break;
    case 11:
      // The loop and heat-flow range of the last build are not kept: the
      // chart built by the command stays; with none (a document opened in
      // this mode) the total costs against DT min stand in.
      if (modoGrafica_ != 11) ConstruirGrafica(11, 1.0, 30.0, 30);
      break;
    case 15:
    case 16:
    case 17:
      ConstruirGrafica(modo, 0, 0, 50);
      break;
    default:
      break;
  }
  if (modo != 11 || modoGrafica_ != 11) modoGrafica_ = modo;
  textoEstado_ = modo == 3 ? kTextoPreparadoTrama : kTextoPreparado;
  viewport()->update();
  MostrarEstadoVista();
}

// ---------------------------------------------------------------- format

namespace {

// Width and height of the grid or a chart as the properties dialogs took
// them (cm, 1 to 1000); false for any other text.
bool LeerTamanos(const std::string& ancho, const std::string& alto, double& w, double& h) {
  const RangoNumero rango = RangoTamanoGrafico();
  return ComprobarNumeroTecleado(ancho, rango, w).empty() &&
         ComprobarNumeroTecleado(alto, rango, h).empty();
}

}  // namespace

void CVardoView::FormatoGrafica() {
  CDiagrama& m = doc_->m_Diagrama;
  UiPort& ui = doc_->Puertos().ui ? *doc_->Puertos().ui : DefaultUiPort();
  if (!fabrica_) return;
  const int modo = doc_->m_nModo;
  if (modo == 3 || modo == 0) {
    DlgPropDiagrama d;
    const Rect r = m.m_rectGrafico;
    d.ancho = std::to_string((r.right - r.left) / 1000);
    d.alto = std::to_string((r.top - r.bottom) / 1000);
    d.fuente = m.m_fuente;
    d.mostrarTPinch = m.m_mostrarTPinch;
    d.mostrarTBifurcadas = m.m_mostrarTBifurcadas;
    d.mostrarNombres = m.m_mostrarNombres;
    d.ordenarCalientesFrias = m.m_ordenarCalientesFrias;
    d.ordenarAreas = m.m_ordenarAreas;
    d.colorearAreas = m.m_colorearAreas;
    d.colorearServicios = m.m_colorearServicios;
    if (!fabrica_->PropDiagrama(d)) return;
    // The dialog took the sizes; a record that brings any other is refused
    // as a whole (a grid without width would divide the exchangers' scale
    // by zero).
    double ancho = 0.0, alto = 0.0;
    if (!LeerTamanos(d.ancho, d.alto, ancho, alto)) {
      ui.Message(kMsgTamanoGrafico);
      return;
    }
    const auto W = static_cast<std::int32_t>(ancho);
    const auto H = static_cast<std::int32_t>(alto);
    doc_->CambiarModelo([&] {
      const double anchoViejo = r.right - r.left;
      const double altoViejo = r.bottom - r.top;
      m.m_rectGrafico = Rect{1500, -1500, 1500 + 1000 * W, -1500 - 1000 * H};
      if (anchoViejo != 0 && altoViejo != 0) {
        const double fx = ancho * 1000.0 / anchoViejo;
        const double fy = alto * -1000.0 / altoViejo;
        for (auto& c : m.m_cambiadores) c.Escalar(fx, fy);
      }
      if (d.fuenteCambiada) m.m_fuente = d.fuente;
      m.m_mostrarTPinch = d.mostrarTPinch;
      m.m_mostrarTBifurcadas = d.mostrarTBifurcadas;
      m.m_mostrarNombres = d.mostrarNombres;
      m.m_ordenarCalientesFrias = d.ordenarCalientesFrias;
      m.m_ordenarAreas = d.ordenarAreas;
      m.m_colorearAreas = d.colorearAreas;
      m.m_colorearServicios = d.colorearServicios;
    });
    return;
  }
  CGrafica& g = grafica_;
  DlgPropGrafico d;
  // The limits in axis units, with the chart's own decimals (an exergy axis
  // from 0 to 0.3 reads "0." and "0.3").
  const double escala = std::pow(10.0, g.decimales);
  d.titulo = g.titulo;
  d.tituloX = g.tituloX;
  d.tituloY = g.tituloY;
  d.xMin = NumTexto(g.xMin / escala);
  d.xMax = NumTexto(g.xMax / escala);
  d.yMin = NumTexto(g.yMin / escala);
  d.yMax = NumTexto(g.yMax / escala);
  d.ancho = std::to_string((g.marco.right - g.marco.left) / 1000);
  d.alto = std::to_string((g.marco.top - g.marco.bottom) / 1000);
  d.fuenteEscala = g.fuenteEscala;
  d.fuenteEjes = g.fuenteEjes;
  d.fuenteLeyenda = g.fuenteLeyenda;
  d.fuenteTitulo = g.fuenteTitulo;
  d.posLeyenda = g.posLeyenda;
  d.rejilla = g.rejilla;
  d.series = g.series;
  if (!fabrica_->PropGrafico(d)) return;
  double ancho = 0.0, alto = 0.0;
  if (!LeerTamanos(d.ancho, d.alto, ancho, alto)) {
    ui.Message(kMsgTamanoGrafico);
    return;
  }
  const auto W = static_cast<std::int32_t>(ancho);
  const auto H = static_cast<std::int32_t>(alto);
  g.SetTitulos(d.tituloX, d.tituloY, d.titulo);
  // Read back in the chart's decimals; a limit that is no number keeps the
  // chart's own (the dialog refuses one typed).
  auto limite = [&g](const std::string& t, std::int32_t actual) {
    const auto v = LeerNumeroTecleado(t);
    return v ? ValorGrafica(*v, g.decimales) : actual;
  };
  // An axis whose maximum is not above its minimum keeps its range (the
  // dialog refuses such a range; a difference finer than the decimals is
  // all that can still come here).
  g.SetMargenes(limite(d.xMax, g.xMax), limite(d.xMin, g.xMin), limite(d.yMax, g.yMax),
                limite(d.yMin, g.yMin));
  g.marco = Rect{1500, -1500, 1500 + 1000 * W, -1500 - 1000 * H};
  g.posLeyenda = d.posLeyenda;
  g.rejilla = d.rejilla;
  for (std::size_t i = 0; i < g.series.size() && i < d.series.size(); ++i) {
    g.series[i].estilo = d.series[i].estilo;
    g.series[i].color = d.series[i].color;
    g.series[i].etiqueta = d.series[i].etiqueta;
  }
  if (d.fuentesCambiadas) {
    g.fuenteEscala = d.fuenteEscala;
    g.fuenteEjes = d.fuenteEjes;
    g.fuenteLeyenda = d.fuenteLeyenda;
    g.fuenteTitulo = d.fuenteTitulo;
  }
  Maquetar();
  AjustarBarras();
  viewport()->update();
}

// ---------------------------------------------------------------- drawing

void CVardoView::OnInitialUpdate() {
  Actualizar();
  MostrarEstadoVista();
}

void CVardoView::Actualizar() {
  if (actualizando_) return;
  actualizando_ = true;
  if (HayCorrientes() && doc_->m_nModo == 0) doc_->m_nModo = 3;
  if (doc_->m_bRedibujar) {
    RedibujarGrafica();
    doc_->m_bRedibujar = false;
  }
  if (!HayCorrientes()) doc_->m_nModo = 0;
  Maquetar();
  AjustarBarras();
  viewport()->update();
  actualizando_ = false;
}

void CVardoView::DibujarContenido(Dc& dc, CDiagrama& m, int modo) const {
  if (modo == 3) {
    dc.TextOut(1500, -1000, "H (kW)");
    dc.TextOut(m.m_rectGrafico.right - 2400, -1000, "m·cp (kW/K)");
    Dibujar(m, dc, kDibujoPantalla);
    if (editor_.Superposicion()) {
      DibujarAuxiliar1(m, dc);
      DibujarAuxiliar2(m, dc);
    }
  } else if (EsModoGrafica(modo)) {
    grafica_.Dibujar(dc, false);
  }
}

void CVardoView::Maquetar() {
  const double dpi = viewport()->logicalDpiX();
  MeasuringRecordingDc rec(dpi);
  const int modo = doc_->m_nModo;
  DibujarContenido(rec, doc_->m_Diagrama, modo);
  imagen_ = rec.Items();
  pintada_ = QPixmap();  // the kept painting shows the old layout
  const CDiagrama& m = doc_->m_Diagrama;
  if (modo == 3) {
    const double ancho = m.m_rectGrafico.right + (m.m_mostrarNombres ? 4000 : 0);
    const double alto = 500.0 - m.m_rectGrafico.bottom;
    total_ = QSize(APixeles(ancho, kCentesimasMmPorPulgada, dpi),
                   APixeles(alto, kCentesimasMmPorPulgada, viewport()->logicalDpiY()));
  } else if (EsModoGrafica(modo)) {
    total_ = QSize(APixeles(grafica_.marco.right, kCentesimasMmPorPulgada, dpi),
                   APixeles(-static_cast<double>(grafica_.marco.bottom), kCentesimasMmPorPulgada,
                            viewport()->logicalDpiY()));
  } else {
    total_ = QSize(100, 100);
  }
}

void CVardoView::AjustarBarras() {
  const QSize vp = viewport()->size();
  const bool trama = doc_->m_nModo == 3;
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  h->setRange(0, std::max(0, total_.width() - vp.width()));
  v->setRange(0, std::max(0, total_.height() - vp.height()));
  // The grid scrolls by 10-pixel lines and 100-pixel pages; a chart by a
  // tenth of its size per page and a tenth of a page per line.
  const int paginaX = trama ? 100 : std::max(1, total_.width() / 10);
  const int paginaY = trama ? 100 : std::max(1, total_.height() / 10);
  h->setPageStep(paginaX);
  v->setPageStep(paginaY);
  h->setSingleStep(trama ? 10 : std::max(1, paginaX / 10));
  v->setSingleStep(trama ? 10 : std::max(1, paginaY / 10));
  scroll_ = QPoint(h->value(), v->value());
}

void CVardoView::paintEvent(QPaintEvent*) {
  // The layout's painting at this size and scroll position is kept: a paint
  // that the layout did not cause (the window shown, docked panes moved, a
  // menu closed) copies it instead of drawing every row's texts again.
  QWidget* lienzo = viewport();
  const qreal dpr = lienzo->devicePixelRatioF();
  if (pintada_.isNull() || pintadaScroll_ != scroll_ || pintada_.devicePixelRatio() != dpr ||
      pintada_.deviceIndependentSize().toSize() != lienzo->size()) {
    pintada_ = QPixmap(lienzo->size() * dpr);
    pintada_.setDevicePixelRatio(dpr);
    pintadaScroll_ = scroll_;
    QPainter p(&pintada_);
    p.fillRect(lienzo->rect(), Qt::white);
    // At the view's own resolution, which the layout measured with.
    QtDc dc(p, QPointF(-scroll_.x(), -scroll_.y()),
            lienzo->logicalDpiX() / kCentesimasMmPorPulgada,
            lienzo->logicalDpiY() / kCentesimasMmPorPulgada);
    const Point a = dc.ToLogical(QPointF(0, 0));
    const Point b = dc.ToLogical(QPointF(lienzo->width(), lienzo->height()));
    ReplayItemsEn(imagen_, dc, Rect{a.x, a.y, b.x, b.y});
  }
  QPainter p(lienzo);
  p.drawPixmap(0, 0, pintada_);
}

void CVardoView::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  AjustarBarras();
}

void CVardoView::scrollContentsBy(int, int) {
  scroll_ = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
  viewport()->update();
}

void CVardoView::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  EscribirCampoDTMin();
  MostrarEstadoVista();
  ActualizarContadoresDoc();
}

void CVardoView::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  // Menus take the focus only while they are open.
  if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::MenuBarFocusReason) return;
  const bool habia = editor_.Superposicion();
  editor_.PerderFoco();
  if (habia) Rehacer();
}

void CVardoView::showEvent(QShowEvent* e) {
  QAbstractScrollArea::showEvent(e);
  ActualizarContadoresDoc();
}

// ---------------------------------------------------------------- printing

Rect CVardoView::RectanguloImpresion() const {
  return doc_->m_nModo == 3 ? doc_->m_Diagrama.m_rectGrafico : grafica_.marco;
}

void CVardoView::DibujarParaImprimir(Dc& dc) const {
  CDiagrama copia;
  CopiarModeloCompleto(copia, doc_->m_Diagrama);
  // No highlight of the covered streams nor of a selected first stream.
  copia.m_dibujoExportar = 0;
  if (!copia.m_corrientes.empty()) copia.m_corrientes[0].m_color = 0;
  DibujarContenido(dc, copia, doc_->m_nModo);
}

bool CVardoView::Imprimir(QPrinter& printer) {
  QPainter p;
  if (!p.begin(&printer)) return false;
  const int ancho = printer.width();
  const int alto = printer.height();
  const RejillaPaginas g =
      CalcularPaginas(RectanguloImpresion(), printer.logicalDpiX(), printer.logicalDpiY(), ancho, alto);
  for (int n = 1; n <= g.Paginas(); ++n) {
    if (n > 1) printer.newPage();
    QtDc dc(p, QPointF(-static_cast<double>(g.Columna(n)) * ancho,
                       -static_cast<double>(g.Fila(n)) * alto));
    DibujarParaImprimir(dc);
  }
  p.end();
  return true;
}

void CVardoView::ConfigurarImpresora() {
  QPrinter printer;
  if (configuracionGuardada_) printer.setPageLayout(configuracion_);
  QPageSetupDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("Configurar impresión"));
  if (dialog.exec() != QDialog::Accepted) return;
  configuracion_ = printer.pageLayout();
  configuracionGuardada_ = true;
}

// ---------------------------------------------------------------- exports

QImage CVardoView::ImagenExportada(const std::vector<std::uint8_t>& emf) const {
  Rect b;
  if (!LimitesMetafile(emf, b)) {
    QImage vacia(1, 1, QImage::Format_RGB32);
    vacia.fill(Qt::white);
    return vacia;
  }
  // Pixels per 0.01 mm at the view's resolution; a picture too large for
  // memory is scaled down to a side of kMaxLado pixels.
  constexpr int kMargen = 4;
  constexpr double kMaxLado = 8000.0;
  double escala = viewport()->logicalDpiX() / 2540.0;
  const double ancho = static_cast<double>(b.right) - b.left + 1;
  const double alto = static_cast<double>(b.bottom) - b.top + 1;
  escala = std::min(escala, kMaxLado / std::max(ancho, alto));
  QImage imagen(static_cast<int>(std::ceil(ancho * escala)) + 2 * kMargen,
                static_cast<int>(std::ceil(alto * escala)) + 2 * kMargen, QImage::Format_RGB32);
  imagen.setDotsPerMeterX(static_cast<int>(std::lround(escala * 100000.0)));
  imagen.setDotsPerMeterY(static_cast<int>(std::lround(escala * 100000.0)));
  imagen.fill(Qt::white);
  QPainter p(&imagen);
  p.setRenderHint(QPainter::Antialiasing);
  // The metafile's top-left corner (y downwards) at the margin.
  QtDc dc(p, QPointF(kMargen - b.left * escala, kMargen - b.top * escala), escala, escala);
  DibujarImagenExportada(doc_->m_Diagrama, grafica_, doc_->m_nModo, dc);
  return imagen;
}

void CVardoView::OnCopiarImagen() {
  const std::vector<std::uint8_t> emf = MetafileImagen(doc_->m_Diagrama, grafica_, doc_->m_nModo);
  CopiarImagen(emf, ImagenExportada(emf));
}

bool CVardoView::GuardarExportado(const TipoArchivoExportado& tipo,
                                  const std::function<std::vector<std::uint8_t>()>& bytes) {
  const QString ext = QString::fromLatin1(tipo.extension);
  FileDialogRequest r;
  r.save = true;
  r.title = QString::fromUtf8(textos::kTituloGuardarComo);
  r.filter = QString::fromUtf8(tipo.texto) + QStringLiteral(" (*.") + ext + QStringLiteral(")");
  r.hideFilterDetails = true;
  r.defaultSuffix = ext;
  r.initialPath = QStringLiteral("*.") + ext;
  const QString ruta = CurrentFileDialogRunner().Run(this, r);
  if (ruta.isEmpty()) return false;
  const ResultadoArchivo escrito = EscribirArchivoSeguro(ruta.toStdString(), bytes());
  if (!escrito.ok) {
    UiPort& ui = doc_->Puertos().ui ? *doc_->Puertos().ui : DefaultUiPort();
    ui.Message(escrito.mensaje, MsgKind::Error);
  }
  return escrito.ok;
}

bool CVardoView::OnGrabarImagen() {
  return GuardarExportado(kTipoImagen, [this] {
    return MetafileImagen(doc_->m_Diagrama, grafica_, doc_->m_nModo);
  });
}

bool CVardoView::OnExportarGrafica() {
  return GuardarExportado(kTipoDatosGrafica,
                          [this] { return TextoParaArchivo(TextoDatosGrafica(grafica_)); });
}

void CVardoView::OnCopiarTablaCambiadores() { CopiarTexto(TextoTablaCambiadores(doc_->m_Diagrama)); }

void CVardoView::OnCopiarTablaCorrientes() { CopiarTexto(TextoTablaCorrientes(doc_->m_Diagrama)); }

void CVardoView::OnCopiarMAN() { CopiarTexto(TextoMatrizMAN(TablaMatrizMAN(doc_->m_Diagrama))); }

bool CVardoView::OnExportarMAN() {
  return GuardarExportado(kTipoMatrizMAN, [this] {
    return TextoParaArchivo(TextoArchivoMAN(TablaMatrizMAN(doc_->m_Diagrama)));
  });
}

// ---------------------------------------------------------------- editing

namespace {

// What a key typed into the DT min field does: digits, the decimal point
// ("." or ","), Delete, the left and right arrows and Backspace reach the
// field (and the copy and undo keys); Enter applies the value; any other
// key is swallowed.
enum class TeclaDTMin { Pasa, Aplica, Traga };

TeclaDTMin ClasificarTecla(const QKeyEvent& k) {
  switch (k.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return TeclaDTMin::Aplica;
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Backspace:
      return TeclaDTMin::Pasa;
    default:
      break;
  }
  // Copying the value and undoing the typing change nothing of the value's form.
  if (k.matches(QKeySequence::Copy) || k.matches(QKeySequence::Undo)) return TeclaDTMin::Pasa;
  const QString t = k.text();
  if (t.size() == 1 && (t[0] == QLatin1Char('.') || t[0] == QLatin1Char(',') ||
                        (t[0] >= QLatin1Char('0') && t[0] <= QLatin1Char('9'))))
    return TeclaDTMin::Pasa;
  return TeclaDTMin::Traga;
}

// Watches the main window's DT min field for the active view. A refused
// text (its message shown) stays selected in the field after Enter; leaving
// the field with it, or refused there, shows the DT min in force again.
class FiltroCampoDTMin : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objeto, QEvent* e) override {
    auto* campo = qobject_cast<QLineEdit*>(objeto);
    CVardoView* vista = CVardoView::GetVistaActiva();
    if (!campo) return false;
    switch (e->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        const TeclaDTMin t = ClasificarTecla(*static_cast<QKeyEvent*>(e));
        if (t == TeclaDTMin::Pasa) return false;
        if (t == TeclaDTMin::Aplica && e->type() == QEvent::KeyPress && vista) {
          campo->setModified(false);
          if (!vista->OnDTMinAplicar(campo->text().toStdString())) {
            rechazado_ = campo->text();
            campo->setModified(true);
            campo->selectAll();
          }
        }
        return true;
      }
      case QEvent::FocusOut:
        // Leaving the field applies what was typed there.
        if (campo->isModified() && vista) {
          campo->setModified(false);
          const bool yaRechazado = campo->text() == rechazado_;
          rechazado_.clear();
          if (yaRechazado || !vista->OnDTMinAplicar(campo->text().toStdString()))
            vista->EscribirCampoDTMin();
        }
        return false;
      default:
        return false;
    }
  }

 private:
  QString rechazado_;
};

}  // namespace

void CVardoView::VigilarCampoDTMin(QLineEdit* campo) {
  if (!campo || campo->property("vardoFiltroDTMin").toBool()) return;
  campo->setProperty("vardoFiltroDTMin", true);
  // Only typed keys reach it: no pasting from a menu, no dropped text.
  campo->setContextMenuPolicy(Qt::NoContextMenu);
  campo->setAcceptDrops(false);
  campo->installEventFilter(new FiltroCampoDTMin(campo));
}

bool CVardoView::OnDTMinAplicar(const std::string& texto) {
  using R = CEditorRejilla::ResultadoDTMin;
  // The chart is rebuilt inside the change, so that the change's one
  // refresh (counts, panes, views) shows it.
  const R r = editor_.AplicarDTMin(texto, [this] {
    const int modo = doc_->m_nModo;
    if (modo >= 1 && modo <= 3) RedibujarGrafica();
  });
  return r != R::Rechazado;
}

void CVardoView::EscribirCampoDTMin() {
  if (PuertoCampoDTMin* c = doc_->Puertos().campoDTMin)
    c->SetTexto(NumTexto(doc_->m_Diagrama.m_dtMin));
}

void CVardoView::DefinirComandosEdicion() {
  using namespace cmd;
  comandos_.OnCommand(kModificarCambiador, [this] {
    const std::int32_t e = doc_->CambiadorSeleccionado();
    if (e >= 0) doc_->EditarCambiadores(e, 1);
  }, [this](CmdUi& ui) {
    ui.enabled = doc_->CambiadorSeleccionado() >= 0 && Disponible(DialogoId::AddCamb);
  });
  auto mover = [this](bool caliente) {
    return [this, caliente] { editor_.MoverExtremo(caliente); };
  };
  auto puedeMover = [this](bool caliente) {
    return [this, caliente](CmdUi& ui) { ui.enabled = editor_.PuedeMover(caliente); };
  };
  comandos_.OnCommand(kMoverCaliente, mover(true), puedeMover(true));
  comandos_.OnCommand(kMoverFrio, mover(false), puedeMover(false));
  auto alinear = [this](bool caliente) {
    return [this, caliente] {
      editor_.Alinear(caliente);
      Rehacer();
    };
  };
  auto puedeAlinear = [this](CmdUi& ui) { ui.enabled = editor_.PuedeAlinear(); };
  comandos_.OnCommand(kAlinearCaliente, alinear(true), puedeAlinear);
  comandos_.OnCommand(kAlinearFrio, alinear(false), puedeAlinear);

  // The loop commands: the document says when they are enabled.
  auto segunDocumento = [this](int id) {
    return [this, id](CmdUi& ui) { ui.enabled = EstadoComandoDocumento(doc_, id).habilitado; };
  };
  comandos_.OnCommand(kBuscarAnillos, [this] {
    {
      CursorEspera espera;
      editor_.Buscar();
    }
    Rehacer();
  }, segunDocumento(kBuscarAnillos));
  comandos_.OnCommand(kAnilloAnterior, [this] {
    editor_.Anterior();
    Rehacer();
  }, segunDocumento(kAnilloAnterior));
  comandos_.OnCommand(kAnilloSiguiente, [this] {
    editor_.Siguiente();
    Rehacer();
  }, segunDocumento(kAnilloSiguiente));
  comandos_.OnCommand(kAnadirAnillo, [this] {
    editor_.AnadirAnillo();
    Rehacer();
  }, [this](CmdUi& ui) {
    ui.enabled = EstadoComandoDocumento(doc_, cmd::kAnadirAnillo).habilitado &&
                 Disponible(DialogoId::AnadirAnillos);
  });
}

Point CVardoView::Logico(const QPointF& pixel) const {
  const QPoint px = pixel.toPoint();
  // The scroll bars hold the real offset, whatever scrolled the view.
  return PixelALogico(px.x(), px.y(), horizontalScrollBar()->value(),
                      verticalScrollBar()->value(), viewport()->logicalDpiX(),
                      viewport()->logicalDpiY());
}

void CVardoView::Rehacer() {
  Maquetar();
  viewport()->update();
}

void CVardoView::Encolar(const Pendiente& p) {
  if (p.tipo == Pendiente::kNada) return;
  QTimer::singleShot(0, this, [this, p] { Ejecutar(p); });
}

void CVardoView::Ejecutar(const Pendiente& p) {
  switch (p.tipo) {
    case Pendiente::kNada:
      return;
    case Pendiente::kEditarCambiador:
      doc_->EditarCambiadores(p.cambiador, p.modo);
      break;
    case Pendiente::kComando:
      EjecutarComandoDocumento(*doc_, p.comando);
      break;
    case Pendiente::kAnadirAnillo:
      comandos_.Run(cmd::kAnadirAnillo);
      return;
    case Pendiente::kMensaje: {
      UiPort& ui = doc_->Puertos().ui ? *doc_->Puertos().ui : DefaultUiPort();
      ui.Message(p.texto);
      break;
    }
    case Pendiente::kPerturbacion: {
      UiPort& ui = doc_->Puertos().ui ? *doc_->Puertos().ui : DefaultUiPort();
      BuscarCaminosPerturbacion(doc_->m_Diagrama, p.corriente, p.destino, 0, ui);
      break;
    }
  }
  Rehacer();
}

void CVardoView::AbrirMenuContexto(const QPoint& global) {
  auto* marco = qobject_cast<MdiFrame*>(window());
  if (!marco) return;
  const CDiagrama& m = doc_->m_Diagrama;
  QMenu** menu = nullptr;
  MenuContexto cual = MenuContexto::Corriente;
  if (editor_.Tipo() == kSelCorriente) {
    const bool servicio = EsServicio(m.m_corrienteSel);
    menu = servicio ? &menuServicio_ : &menuCorriente_;
    cual = servicio ? MenuContexto::Servicio : MenuContexto::Corriente;
  } else if (editor_.Tipo() == kSelCambiador) {
    menu = &menuCambiador_;
    cual = MenuContexto::Cambiador;
  }
  if (!menu) return;
  if (!*menu) *menu = CrearMenuContexto(cual, marco->Commands(), this);
  menuAbierto_ = *menu;
  (*menu)->popup(global);
}

void CVardoView::mousePressEvent(QMouseEvent* e) {
  const bool rejilla = doc_->m_nModo == kModoRejilla;
  const Point p = Logico(e->position());
  if (e->button() == Qt::LeftButton) {
    const Pendiente r = editor_.PulsarIzquierdo(p, e->modifiers().testFlag(Qt::ControlModifier),
                                                e->modifiers().testFlag(Qt::ShiftModifier), rejilla);
    Rehacer();
    Encolar(r);
  } else if (e->button() == Qt::RightButton && rejilla) {
    editor_.PulsarDerecho(p);
    Rehacer();
    AbrirMenuContexto(e->globalPosition().toPoint());
  }
  e->accept();
}

void CVardoView::mouseDoubleClickEvent(QMouseEvent* e) {
  e->accept();
  if (e->button() != Qt::LeftButton || doc_->m_nModo != kModoRejilla) return;
  const Pendiente r =
      editor_.DobleClic(Logico(e->position()), e->modifiers().testFlag(Qt::ControlModifier));
  Rehacer();
  Encolar(r);
}

void CVardoView::mouseMoveEvent(QMouseEvent* e) {
  e->accept();
  if (doc_->m_nModo != kModoRejilla) return;
  const bool izquierdo = e->buttons() == Qt::LeftButton;
  if (editor_.Mover(Logico(e->position()), izquierdo)) {
    Maquetar();
    viewport()->repaint();
  }
}

void CVardoView::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  if (e->button() == Qt::LeftButton && editor_.Soltar()) Rehacer();
}

void CVardoView::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Delete) {
    Encolar(editor_.Suprimir());
    e->accept();
  } else if (e->key() == Qt::Key_Escape) {
    editor_.Escape();
    Rehacer();
    e->accept();
  } else {
    QAbstractScrollArea::keyPressEvent(e);
  }
}

}  // namespace vardo
