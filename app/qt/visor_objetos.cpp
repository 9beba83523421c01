#include "app/qt/visor_objetos.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "app/core/charts/cascada_alimentacion.h"
#include "app/core/document/documento.h"
#include "app/core/document/ids_comandos.h"
#include "app/qt/menus_contexto.h"
#include "app/qt/ventana_principal.h"
#include "app/qt/vista.h"
#include "controls/cascade/vadizod.h"
#include "model/constantes.h"
#include "platform/qt/commands.h"
#include "platform/qt/displaygrid.h"
#include "platform/qt/qt_dc.h"
#include "platform/qt/recordedpicture.h"
#include "platform/qt/splitterbar.h"

namespace vardo {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr double kCentesimasPorPulgada = 2540.0;

// ---------------------------------------------------------------- icons

const QColor kRojo(190, 0, 0);
const QColor kAzul(0, 60, 210);
const QColor kNaranja(240, 130, 20);
const QColor kCeleste(60, 170, 240);
const QColor kGrisOscuro(70, 70, 70);

void Flecha(QPainter& p, double y, QColor c) {
  p.setPen(QPen(c, 2.0));
  p.drawLine(QPointF(2, y), QPointF(11, y));
  QPainterPath f;
  f.moveTo(15, y);
  f.lineTo(10, y - 3.5);
  f.lineTo(10, y + 3.5);
  f.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPath(f);
}

void Circulo(QPainter& p, QPointF centro, double r, QColor borde, QColor relleno) {
  p.setPen(QPen(borde, 1.3));
  p.setBrush(relleno);
  p.drawEllipse(centro, r, r);
}

// Two exchanger ends joined by a line: the upper on the hot side.
void Cambiador(QPainter& p, QColor arriba, QColor abajo) {
  p.setPen(QPen(kGrisOscuro, 1.2));
  p.drawLine(QPointF(8, 4), QPointF(8, 12));
  Circulo(p, QPointF(8, 4), 3.2, kRojo, arriba);
  Circulo(p, QPointF(8, 12), 3.2, kAzul, abajo);
}

// A folder with a small emblem drawn by `emblema`.
template <class F>
void Carpeta(QPainter& p, F emblema) {
  QPainterPath c;
  c.moveTo(1.5, 4.5);
  c.lineTo(6, 4.5);
  c.lineTo(7.5, 3);
  c.lineTo(14.5, 3);
  c.lineTo(14.5, 14.5);
  c.lineTo(1.5, 14.5);
  c.closeSubpath();
  p.setPen(QPen(QColor(150, 110, 20), 1.0));
  p.setBrush(QColor(250, 215, 100));
  p.drawPath(c);
  emblema();
}

void Llama(QPainter& p, QPointF base, double escala) {
  QPainterPath l;
  l.moveTo(base.x(), base.y());
  l.cubicTo(base.x() - 5 * escala, base.y() - 3 * escala, base.x() - 1 * escala,
            base.y() - 7 * escala, base.x(), base.y() - 11 * escala);
  l.cubicTo(base.x() + 1 * escala, base.y() - 7 * escala, base.x() + 5 * escala,
            base.y() - 3 * escala, base.x(), base.y());
  p.setPen(QPen(kRojo, 1.0));
  p.setBrush(kNaranja);
  p.drawPath(l);
}

void Gota(QPainter& p, QPointF base, double escala) {
  QPainterPath g;
  g.moveTo(base.x(), base.y() - 11 * escala);
  g.cubicTo(base.x() + 6 * escala, base.y() - 4 * escala, base.x() + 4 * escala, base.y(),
            base.x(), base.y());
  g.cubicTo(base.x() - 4 * escala, base.y(), base.x() - 6 * escala, base.y() - 4 * escala,
            base.x(), base.y() - 11 * escala);
  p.setPen(QPen(kAzul, 1.0));
  p.setBrush(kCeleste);
  p.drawPath(g);
}

void Anillo(QPainter& p) {
  p.setPen(QPen(QColor(200, 0, 0), 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(2.5, 3.5, 11, 9));
  Circulo(p, QPointF(3, 8), 1.8, kGrisOscuro, Qt::white);
  Circulo(p, QPointF(13, 8), 1.8, kGrisOscuro, Qt::white);
}

void Senda(QPainter& p) {
  p.setPen(QPen(QColor(200, 0, 0), 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(2, 13), QPointF(6, 5), QPointF(10, 11), QPointF(14, 3)}));
  Circulo(p, QPointF(2, 13), 1.8, kGrisOscuro, Qt::white);
  Circulo(p, QPointF(14, 3), 1.8, kGrisOscuro, Qt::white);
}

void Area(QPainter& p, QRectF r, QColor c) {
  p.setPen(QPen(kGrisOscuro, 1.0));
  p.setBrush(c);
  p.drawRect(r);
}

void DibujarIcono(QPainter& p, int indice) {
  switch (indice) {
    case kIconoCambiador: Cambiador(p, Qt::white, Qt::white); break;
    case kIconoFria: Flecha(p, 8, kAzul); break;
    case kIconoCaliente: Flecha(p, 8, kRojo); break;
    case kIconoCalentador: Cambiador(p, kNaranja, Qt::white); break;
    case kIconoRaizCorrientes:
      Carpeta(p, [&p] {
        p.setPen(QPen(kRojo, 1.6));
        p.drawLine(QPointF(4, 8), QPointF(12, 8));
        p.setPen(QPen(kAzul, 1.6));
        p.drawLine(QPointF(4, 11.5), QPointF(12, 11.5));
      });
      break;
    case kIconoRaizCambiadores:
      Carpeta(p, [&p] { Circulo(p, QPointF(8, 9.5), 3.0, kGrisOscuro, Qt::white); });
      break;
    case kIconoEnfriador: Cambiador(p, Qt::white, kCeleste); break;
    case kIconoRaizAnillos:
      Carpeta(p, [&p] {
        p.setPen(QPen(QColor(200, 0, 0), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(4, 6.5, 8, 6));
      });
      break;
    case kIconoAnillo: Anillo(p); break;
    case kIconoSenda: Senda(p); break;
    case kIconoRaizAreas:
      Carpeta(p, [&p] {
        Area(p, QRectF(3.5, 7, 4, 4), QColor(80, 190, 80));
        Area(p, QRectF(8.5, 9, 4, 4), QColor(230, 90, 160));
      });
      break;
    case kIconoArea:
      Area(p, QRectF(1.5, 2.5, 8, 8), QColor(80, 190, 80));
      Area(p, QRectF(6.5, 5.5, 8, 8), QColor(230, 90, 160));
      break;
    case kIconoRaizServicios:
      Carpeta(p, [&p] {
        Llama(p, QPointF(6, 13.5), 0.6);
        Gota(p, QPointF(11, 13.5), 0.6);
      });
      break;
    case kIconoServicioCalefaccion: Llama(p, QPointF(8, 14.5), 1.15); break;
    case kIconoServicioRefrigeracion: Gota(p, QPointF(8, 14.5), 1.15); break;
    default: break;
  }
}

// The drawing area of the small chart: it paints the browser's layout.
class LienzoGrafica : public QFrame {
 public:
  LienzoGrafica(CVisorObjetosDlg* visor, QWidget* parent) : QFrame(parent), visor_(visor) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    {
      QPainter p(this);
      p.fillRect(rect(), Qt::white);
      p.setRenderHint(QPainter::Antialiasing);
      visor_->PintarDibujo(p);
    }
    QFrame::paintEvent(e);
  }

 private:
  CVisorObjetosDlg* visor_;
};

QFrame* BarraDivisoria(QWidget* padre) {
  auto* f = new QFrame(padre);
  f->setFrameShape(QFrame::HLine);
  f->setFrameShadow(QFrame::Sunken);
  return f;
}

}  // namespace

QIcon IconoVisor(int indice) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  {
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    DibujarIcono(p, indice);
  }
  return QIcon(pm);
}

// ---------------------------------------------------------------- pane

CVisorObjetosDlg::CVisorObjetosDlg(CommandRegistry* registro, QWidget* parent)
    : QWidget(parent), registro_(registro) {
  setMinimumSize(60, 120);
  graficas_ = new QComboBox(this);
  graficas_->setObjectName(QStringLiteral("1059"));
  for (const char* t : kGraficasVisor) graficas_->addItem(QString::fromUtf8(t));
  graficas_->setCurrentIndex(0);

  dibujo_ = new LienzoGrafica(this, this);
  dibujo_->setObjectName(QStringLiteral("1014"));
  dibujo_->installEventFilter(this);
  cascada_ = new Vadizod(this);
  cascada_->setObjectName(QStringLiteral("1063"));
  cascada_->hide();
  barraGrafica_ = BarraDivisoria(this);

  arbol_ = new QTreeWidget(this);
  arbol_->setObjectName(QStringLiteral("1165"));
  arbol_->setHeaderHidden(true);
  arbol_->setColumnCount(1);
  arbol_->setRootIsDecorated(true);
  arbol_->setIconSize(QSize(16, 16));
  arbol_->setContextMenuPolicy(Qt::CustomContextMenu);
  barraArbol_ = BarraDivisoria(this);

  propiedades_ = new DisplayGrid(this);
  propiedades_->setObjectName(QStringLiteral("1077"));
  propiedades_->SetCols(2);
  propiedades_->SetFixedRows(0);
  propiedades_->SetFixedCols(1);
  propiedades_->SetColWidth(0, 1750);
  propiedades_->SetColWidth(1, 2000);
  propiedades_->SetColAlignment(1, GridWidget::ColAlign::Left);
  Llenar(PropiedadesVacias());

  // The bars move the edges of the parts on their two sides.
  divisoriaGrafica_ = new CBarraDivisoria(CBarraDivisoria::Eje::Vertical, this);
  divisoriaGrafica_->Attach(barraGrafica_, kIdBarraGrafica);
  divisoriaGrafica_->SetMargenes(60, 30);
  divisoriaGrafica_->AddPrimerLado(dibujo_);
  divisoriaGrafica_->AddPrimerLado(cascada_);
  divisoriaGrafica_->AddSegundoLado(arbol_);
  divisoriaArbol_ = new CBarraDivisoria(CBarraDivisoria::Eje::Vertical, this);
  divisoriaArbol_->Attach(barraArbol_, kIdBarraArbol);
  divisoriaArbol_->SetMargenes(30, 30);
  divisoriaArbol_->AddPrimerLado(arbol_);
  divisoriaArbol_->AddSegundoLado(propiedades_);
  auto trasMover = [this](int, int) {
    altoGrafica_ = (cascada_->isVisible() ? cascada_ : dibujo_)->height();
    altoArbol_ = arbol_->height();
    Colocar();
  };
  connect(divisoriaGrafica_, &CBarraDivisoria::Movida, this, trasMover);
  connect(divisoriaArbol_, &CBarraDivisoria::Movida, this, trasMover);

  connect(graficas_, &QComboBox::currentIndexChanged, this, [this](int) { Redibujar(); });
  connect(arbol_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item, int) { ClicElemento(item); });
  connect(arbol_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item, int) { DobleClicElemento(item); });
  connect(arbol_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { ClicDerecho(arbol_->itemAt(pos)); });
  resize(240, 640);
  Colocar();
}

CVisorObjetosDlg::~CVisorObjetosDlg() {
  // The bars let the parts go before the parts go.
  delete divisoriaGrafica_;
  delete divisoriaArbol_;
}

// ---- layout

QSize CVisorObjetosDlg::sizeHint() const {
  return {graficas_->sizeHint().width() + 10, 640};
}

void CVisorObjetosDlg::Colocar() {
  const QRect c = rect().adjusted(5, 5, -5, -5);
  const int L = c.left();
  const int W = std::max(10, c.width());
  const int hCombo = graficas_->sizeHint().height();
  graficas_->setGeometry(L, c.top(), W, hCombo);
  constexpr int kBarra = 4;
  constexpr int kMinimo = 30;
  int y = c.top() + hCombo + 5;
  // The grid keeps at least kMinimo: the tree gives way first, then the chart.
  const int libre = std::max(0, c.bottom() + 1 - y - 2 * (kBarra + 2) - kMinimo);
  const int altoGrafica = std::clamp(altoGrafica_, 0, libre);
  const int altoArbol = std::clamp(altoArbol_, 0, libre - altoGrafica);
  dibujo_->setGeometry(L, y, W, altoGrafica);
  cascada_->setGeometry(L, y, W, altoGrafica);
  y += altoGrafica + 1;
  barraGrafica_->setGeometry(L, y, W, kBarra);
  y += kBarra + 1;
  arbol_->setGeometry(L, y, W, altoArbol);
  y += altoArbol + 1;
  barraArbol_->setGeometry(L, y, W, kBarra);
  y += kBarra + 1;
  propiedades_->setGeometry(L, y, W, std::max(0, c.bottom() + 1 - y));
}

void CVisorObjetosDlg::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Colocar();
}

bool CVisorObjetosDlg::eventFilter(QObject* watched, QEvent* event) {
  // A new size of the drawing area lays the chart out for it.
  if (watched == dibujo_ && event->type() == QEvent::Resize &&
      graficas_->currentIndex() != kGraficaVisorCascada && !modelo_.m_corrientes.empty())
    Redibujar();
  return QWidget::eventFilter(watched, event);
}

// ---- chart

void CVisorObjetosDlg::Vaciar() {
  arbol_->clear();
  cascada_->hide();
  dibujo_->show();
  grafica_.Inicializar("", 0, 0);
  imagen_.clear();
  dibujo_->update();
  Llenar(PropiedadesVacias());
}

void CVisorObjetosDlg::Redibujar() {
  if (modelo_.m_corrientes.empty()) {
    Vaciar();
    return;
  }
  const int indice = graficas_->currentIndex();
  if (indice == kGraficaVisorCascada) {
    LlenarCascada();
    imagen_.clear();
    dibujo_->hide();
    cascada_->show();
    return;
  }
  cascada_->hide();
  dibujo_->show();
  const double dpiX = dibujo_->logicalDpiX();
  const double dpiY = dibujo_->logicalDpiY();
  const auto ancho = static_cast<std::int32_t>(dibujo_->width() * kCentesimasPorPulgada / dpiX);
  const auto alto = static_cast<std::int32_t>(dibujo_->height() * kCentesimasPorPulgada / dpiY);
  // The builders work on the browser's copy and never ask.
  imagen_.clear();
  if (GraficaVisor(modelo_, grafica_, indice, TipoVista() == kSelCorriente, ancho, alto)) {
    MeasuringRecordingDc rec(dpiX);
    grafica_.Dibujar(rec, false);
    imagen_ = rec.Items();
  }
  dibujo_->update();
}

void CVisorObjetosDlg::PintarDibujo(QPainter& p) const {
  QtDc dc(p);
  ReplayItems(imagen_, dc);
}

void CVisorObjetosDlg::LlenarCascada() {
  // The browser's copy, as the document last handed it over.
  cascada_->Vaciar();
  if (!modelo_.m_corrientes.empty()) {
    modelo_.CalcularObjetivos();
    for (const FronteraCascada& f : AlimentacionCascada(modelo_)) {
      if (!f.enviar) continue;
      cascada_->AddTemp(f.T);
      if (f.conCalor) cascada_->AddH(f.calor);
      cascada_->AddHp(f.cascada);
    }
  }
  cascada_->EscribirTabla();
  cascada_->Dibujar();
}

// ---- tree and grid

namespace {

// An item made to show e, touching only what differs (a change of text,
// icon or tip repaints and re-sorts nothing else).
void Ajustar(QTreeWidgetItem* item, const ElementoVisor& e, bool conAyuda) {
  const QString texto = Q(e.texto);
  if (item->text(0) != texto) item->setText(0, texto);
  if (item->data(0, Qt::UserRole).toInt() != e.icono) {
    item->setData(0, Qt::UserRole, e.icono);
    item->setIcon(0, IconoVisor(e.icono));
  }
  if (conAyuda) {
    const QString ayuda = Q(e.ayuda);
    if (item->toolTip(0) != ayuda) item->setToolTip(0, ayuda);
  }
}

QTreeWidgetItem* ItemNuevo(const ElementoVisor& e, bool conAyuda) {
  auto* item = new QTreeWidgetItem(QStringList(Q(e.texto)));
  item->setData(0, Qt::UserRole, e.icono);
  item->setIcon(0, IconoVisor(e.icono));
  if (conAyuda) item->setToolTip(0, Q(e.ayuda));
  return item;
}

}  // namespace

void CVisorObjetosDlg::ActualizarArbol() {
  // The tree is brought to the model's list in place: items that still show
  // the same object stay (with their expanded state and the selection), and
  // a change costs what changed, not the whole list again.
  const std::vector<ElementoVisor> raices = ArbolVisor(modelo_);
  for (std::size_t i = 0; i < raices.size(); ++i) {
    const ElementoVisor& r = raices[i];
    QTreeWidgetItem* raiz = static_cast<int>(i) < arbol_->topLevelItemCount()
                                ? arbol_->topLevelItem(static_cast<int>(i))
                                : nullptr;
    if (!raiz) {
      raiz = ItemNuevo(r, false);
      arbol_->addTopLevelItem(raiz);
    } else {
      Ajustar(raiz, r, false);
    }
    const int n = static_cast<int>(r.hijos.size());
    for (int k = 0; k < std::min(n, raiz->childCount()); ++k)
      Ajustar(raiz->child(k), r.hijos[static_cast<std::size_t>(k)], true);
    if (raiz->childCount() > n) {
      const QList<QTreeWidgetItem*> sobran = [&] {
        QList<QTreeWidgetItem*> l;
        while (raiz->childCount() > n) l.append(raiz->takeChild(raiz->childCount() - 1));
        return l;
      }();
      qDeleteAll(sobran);
    } else if (raiz->childCount() < n) {
      QList<QTreeWidgetItem*> nuevos;
      for (int k = raiz->childCount(); k < n; ++k)
        nuevos.append(ItemNuevo(r.hijos[static_cast<std::size_t>(k)], true));
      raiz->addChildren(nuevos);
    }
  }
  while (arbol_->topLevelItemCount() > static_cast<int>(raices.size()))
    delete arbol_->takeTopLevelItem(arbol_->topLevelItemCount() - 1);
}

QTreeWidgetItem* CVisorObjetosDlg::Buscar(const QString& raiz, const QString& texto) const {
  for (int i = 0; i < arbol_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* r = arbol_->topLevelItem(i);
    if (r->text(0) != raiz) continue;
    for (int k = 0; k < r->childCount(); ++k)
      if (r->child(k)->text(0) == texto) return r->child(k);
  }
  return nullptr;
}

void CVisorObjetosDlg::Llenar(const FilasPropiedades& filas) {
  propiedades_->SetRedraw(false);
  propiedades_->SetRows(static_cast<int>(filas.size()));
  for (std::size_t i = 0; i < filas.size(); ++i) {
    propiedades_->SetTextMatrix(static_cast<int>(i), 0, Q(filas[i].first));
    propiedades_->SetTextMatrix(static_cast<int>(i), 1, Q(filas[i].second));
  }
  // The widths are the least; the captions and values at the font in use may
  // need more.
  propiedades_->AjustarColumnasAlTexto();
  propiedades_->SetRedraw(true);
}

void CVisorObjetosDlg::MostrarPropiedades(const CDiagrama& fuente, int tipo, bool anilloMostrado) {
  // The cross-pinch heat recomputes targets: a scratch copy takes it.
  CDiagrama trabajo;
  CopiarModeloCompleto(trabajo, fuente);
  FilasPropiedades filas = PropiedadesSeleccion(trabajo, tipo, anilloMostrado);
  Llenar(filas.empty() ? PropiedadesVacias() : filas);
}

void CVisorObjetosDlg::MostrarPropiedades() {
  const CVardoDoc* doc = CVardoDoc::GetDocActivo();
  MostrarPropiedades(doc ? doc->m_Diagrama : modelo_, TipoVista(), AnilloVista());
}

int CVisorObjetosDlg::TipoVista() const {
  const CVardoDoc* doc = CVardoDoc::GetDocActivo();
  return doc && doc->Puertos().vistas ? doc->Puertos().vistas->TipoSeleccion() : kSelNada;
}

bool CVisorObjetosDlg::AnilloVista() const {
  CVardoView* v = CVardoView::GetVistaActiva();
  return v && v->GetDocument() == CVardoDoc::GetDocActivo() && v->Editor().Superposicion();
}

// ---- following the document and the view

void CVisorObjetosDlg::ActualizarModelo(const CDiagrama& modelo, bool conCorrientes) {
  CopiarModeloCompleto(modelo_, modelo);
  if (conCorrientes) {
    ActualizarArbol();
    MostrarPropiedades();
  }
  Redibujar();
}

void CVisorObjetosDlg::SeleccionarObjeto(const CDiagrama& modelo, int tipo, bool anilloMostrado) {
  // A loop search lists new loops: the tree takes them before it follows.
  bool otrosLazos = modelo.m_lazos.size() != modelo_.m_lazos.size();
  for (std::size_t k = 0; !otrosLazos && k < modelo.m_lazos.size(); ++k)
    otrosLazos = modelo.m_lazos[k].nodos != modelo_.m_lazos[k].nodos;
  CopiarModeloCompleto(modelo_, modelo);
  if (otrosLazos && !modelo_.m_corrientes.empty()) ActualizarArbol();
  std::string raiz, texto;
  if (ElementoDeSeleccion(modelo, tipo, anilloMostrado, raiz, texto)) {
    if (QTreeWidgetItem* item = Buscar(Q(raiz), Q(texto))) {
      arbol_->setCurrentItem(item);
      arbol_->scrollToItem(item);
    }
  }
  Redibujar();
  MostrarPropiedades(modelo, tipo, anilloMostrado);
}

std::int32_t CVisorObjetosDlg::GetAreaSeleccionada() const {
  const QTreeWidgetItem* item = arbol_->currentItem();
  if (!item || !item->parent()) return -1;
  const CVardoDoc* doc = CVardoDoc::GetDocActivo();
  const ObjetoVisor o = IdentificarElemento(doc ? doc->m_Diagrama : modelo_, item->text(0).toStdString());
  return o.clase == ClaseObjetoVisor::Area ? o.indice : -1;
}

// ---- tree events

void CVisorObjetosDlg::ClicElemento(QTreeWidgetItem* item) {
  CVardoDoc* doc = CVardoDoc::GetDocActivo();
  CVardoView* vista = CVardoView::GetVistaActiva();
  if (!item || !doc || !vista || vista->GetDocument() != doc) return;
  CDiagrama& m = doc->m_Diagrama;
  // The text names an object of the current model, or nothing (a root, or
  // an item of a tree older than the model).
  const ObjetoVisor o = IdentificarElemento(m, item->text(0).toStdString());
  switch (o.clase) {
    case ClaseObjetoVisor::Corriente:
    case ClaseObjetoVisor::Servicio:
      vista->SetEstadoEdicion(kSelCorriente);
      if (m.GetNumCambiadores() > 0) m.DeseleccionarCambiador();
      m.LimpiarAnillos();
      vista->Editor().QuitarAnillo();
      m.SeleccionarCorriente(o.clase == ClaseObjetoVisor::Servicio ? kRefServicio + o.indice
                                                                    : o.indice);
      doc->UpdateAllViews();
      break;
    case ClaseObjetoVisor::Cambiador:
      vista->SetEstadoEdicion(kSelCambiador);
      m.DeseleccionarCorriente();
      m.LimpiarAnillos();
      vista->Editor().QuitarAnillo();
      m.SeleccionarCambiador(o.indice);
      doc->UpdateAllViews();
      break;
    case ClaseObjetoVisor::Area:
      vista->SetEstadoEdicion(kSelNada);
      m.DeseleccionarCorriente();
      m.LimpiarAnillos();
      if (m.GetNumCambiadores() > 0) m.DeseleccionarCambiador();
      doc->UpdateAllViews();
      break;
    case ClaseObjetoVisor::Anillo:
    case ClaseObjetoVisor::Senda:
      vista->Editor().MostrarAnilloEncontrado(o.indice + 1);
      doc->UpdateAllViews();
      break;
    case ClaseObjetoVisor::Ninguna:
      break;
  }
  CopiarModeloCompleto(modelo_, m);
  if (o.clase == ClaseObjetoVisor::Area)
    Llenar(PropiedadesArea(m, o.indice));
  else
    MostrarPropiedades();
  Redibujar();
}

void CVisorObjetosDlg::Ejecutar(int comando) {
  // Run once the tree's event is over, as the view runs what a click leaves.
  QPointer<CVisorObjetosDlg> yo(this);
  QTimer::singleShot(0, this, [yo, comando] {
    if (yo && yo->registro_) yo->registro_->Execute(comando);
  });
}

void CVisorObjetosDlg::DobleClicElemento(QTreeWidgetItem* item) {
  CVardoDoc* doc = CVardoDoc::GetDocActivo();
  if (!item || !doc) return;
  switch (IdentificarElemento(doc->m_Diagrama, item->text(0).toStdString()).clase) {
    case ClaseObjetoVisor::Corriente: Ejecutar(cmd::kModificarCorriente); break;
    case ClaseObjetoVisor::Cambiador: Ejecutar(cmd::kModificarCambiador); break;
    case ClaseObjetoVisor::Area: Ejecutar(cmd::kSeleccionarArea); break;
    case ClaseObjetoVisor::Servicio: Ejecutar(cmd::kAnadirServicios); break;
    case ClaseObjetoVisor::Anillo:
    case ClaseObjetoVisor::Senda: Ejecutar(cmd::kAnadirAnillo); break;
    case ClaseObjetoVisor::Ninguna: break;
  }
}

void CVisorObjetosDlg::ClicDerecho(QTreeWidgetItem* item) {
  if (!item) return;
  arbol_->setCurrentItem(item);
  if (!item->parent() || !registro_) return;  // roots open nothing
  const std::string texto = item->text(0).toStdString();
  // The menu's commands act on the model's selection: the item's object
  // becomes the selection first.
  ClicElemento(item);
  const CVardoDoc* doc = CVardoDoc::GetDocActivo();
  if (!doc) return;
  int cual = -1;
  MenuContexto menu = MenuContexto::Corriente;
  switch (IdentificarElemento(doc->m_Diagrama, texto).clase) {
    case ClaseObjetoVisor::Corriente: cual = 0; menu = MenuContexto::Corriente; break;
    case ClaseObjetoVisor::Cambiador: cual = 1; menu = MenuContexto::Cambiador; break;
    case ClaseObjetoVisor::Servicio: cual = 2; menu = MenuContexto::Servicio; break;
    case ClaseObjetoVisor::Area: cual = 3; menu = MenuContexto::Areas; break;
    case ClaseObjetoVisor::Anillo:
    case ClaseObjetoVisor::Senda: cual = 4; menu = MenuContexto::Anillos; break;
    case ClaseObjetoVisor::Ninguna: return;
  }
  QMenu*& m = menus_[cual];
  if (!m) m = CrearMenuContexto(menu, *registro_, this);
  menuAbierto_ = m;
  m->popup(arbol_->mapToGlobal(QPoint(10, 10)));
}

// ---------------------------------------------------------------- ports

EnlaceVisorObjetos::EnlaceVisorObjetos(CMainFrame& marco) : QObject(&marco), marco_(marco) {}

QWidget* EnlaceVisorObjetos::Crear() {
  if (!panel_) panel_ = new CVisorObjetosDlg(&marco_.Commands());
  return panel_;
}

bool EnlaceVisorObjetos::Visible() const {
  return panel_ && marco_.PanelVisible(cmd::kVerVisorObjetos);
}

void EnlaceVisorObjetos::ActualizarVisorObjetos(const CDiagrama& modelo, bool conCorrientes) {
  if (Visible()) panel_->ActualizarModelo(modelo, conCorrientes);
}

std::int32_t EnlaceVisorObjetos::GetAreaSeleccionada() const {
  return panel_ ? panel_->GetAreaSeleccionada() : -1;
}

void EnlaceVisorObjetos::SeleccionarObjeto(const CDiagrama& modelo, int tipo, bool anilloMostrado) {
  if (Visible()) panel_->SeleccionarObjeto(modelo, tipo, anilloMostrado);
}

EnlaceVisorObjetos* RegistrarVisorObjetos(CMainFrame& marco, PuertosDocumento& puertos) {
  auto* enlace = new EnlaceVisorObjetos(marco);
  CMainFrame::Panel p;
  p.comando = cmd::kVerVisorObjetos;
  p.titulo = QStringLiteral("Visor de Objetos");
  p.lado = Qt::LeftDockWidgetArea;
  p.crear = [enlace] { return enlace->Crear(); };
  p.puerto = enlace;
  marco.RegistrarPanel(p);
  puertos.visor = enlace;
  return enlace;
}

}  // namespace vardo
