#include "controls/scrollpanel/barrion.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QScrollBar>
#include <cmath>

#include "platform/core/numero_tecleado.h"
#include "platform/core/numtext.h"
#include "platform/core/redondeo.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/gridwidget.h"

namespace vardo {

namespace {

ComponentRegistrar registro(kClassIdBarrion, "Barrion",
                            [](QWidget* parent) -> QWidget* { return new Barrion(parent); });

// Design sizes in twips.
constexpr int kAnchoNombre = 4215, kAltoNombre = 255;
constexpr int kAnchoBarra = 2415, kAltoBarra = 255;
constexpr int kAnchoValor = 1215, kAltoValor = 285;
constexpr int kGruesoScroll = 255;  // the panel's own scroll bars

}  // namespace

QString TextoValorBarra(double v) {
  if (v == 0.0 || !std::isfinite(v)) return QStringLiteral("0");
  return QString::fromStdString(TextoGeneral(v, 15));
}

Barrion::Barrion(QWidget* parent) : QWidget(parent) {
  contenedor_ = new QWidget(this);
  contenedor_->setObjectName(QStringLiteral("ContenedorPicture"));
  contenedor_->setAutoFillBackground(true);

  barras_.push_back(CrearBarra(0, kLeftBarra, kLeftBarra, kLeftValor));
  barras_[0].nombre->setText(QStringLiteral("Nombre de la barra"));
  barras_[0].nombre->hide();
  barras_[0].barra->hide();
  barras_[0].valor->hide();

  horzScroll_ = new QScrollBar(Qt::Horizontal, contenedor_);
  horzScroll_->setObjectName(QStringLiteral("HorzScroll"));
  vertScroll_ = new QScrollBar(Qt::Vertical, contenedor_);
  vertScroll_->setObjectName(QStringLiteral("VertScroll"));
  for (QScrollBar* s : {horzScroll_, vertScroll_}) {
    s->setRange(0, 100);
    s->setSingleStep(1);
    s->setPageStep(10);
  }
  connect(horzScroll_, &QScrollBar::valueChanged, this, &Barrion::DesplazarHorz);
  connect(vertScroll_, &QScrollBar::valueChanged, this, &Barrion::DesplazarVert);

  nombres_.resize(1);
  maximos_.resize(1, 0.0);
  Distribuir();
}

Barrion::~Barrion() = default;

Barrion::Barra Barrion::CrearBarra(int k, int leftBarra, int leftNombre, int leftValor) {
  Barra b;
  b.nombre = new QLabel(contenedor_);
  b.nombre->setObjectName(QStringLiteral("NombreLabel"));
  b.barra = new QScrollBar(Qt::Horizontal, contenedor_);
  b.barra->setObjectName(QStringLiteral("HScroll1"));
  b.barra->setRange(0, kPosicionMax);
  b.barra->setSingleStep(100);
  b.barra->setPageStep(1000);
  // Like a scroll bar's change event: raised once the thumb is released.
  b.barra->setTracking(false);
  b.valor = new QLineEdit(contenedor_);
  b.valor->setObjectName(QStringLiteral("ValorLabel"));

  const std::int64_t base = static_cast<std::int64_t>(kPasoBarras) * k;
  Colocar(b.nombre, QRect(leftNombre, static_cast<int>(base + kTopNombre), kAnchoNombre, kAltoNombre));
  Colocar(b.barra, QRect(leftBarra, static_cast<int>(base + kTopBarra), kAnchoBarra, kAltoBarra));
  Colocar(b.valor, QRect(leftValor, static_cast<int>(base + kTopValor), kAnchoValor, kAltoValor));

  connect(b.barra, &QScrollBar::valueChanged, this, [this, barra = b.barra] { BarraMovida(Indice(barra)); });
  connect(b.valor, &QLineEdit::returnPressed, this, [this, valor = b.valor] { Confirmar(Indice(valor)); });
  b.valor->installEventFilter(this);
  return b;
}

int Barrion::Indice(const QObject* obj) const {
  for (std::size_t k = 0; k < barras_.size(); ++k)
    if (barras_[k].barra == obj || barras_[k].valor == obj || barras_[k].nombre == obj) return static_cast<int>(k);
  return -1;
}

void Barrion::Colocar(QWidget* w, const QRect& twips) {
  twips_[w] = twips;
  w->setGeometry(APixeles(twips.left()), APixeles(twips.top()), std::max(1, APixeles(twips.width())),
                 std::max(1, APixeles(twips.height())));
}

void Barrion::MoverA(QWidget* w, int left, int top) {
  QRect r = twips_[w];
  r.moveTo(left, top);
  Colocar(w, r);
}

QRect Barrion::RectTwips(const QWidget* w) const {
  const auto it = twips_.find(w);
  return it == twips_.end() ? QRect() : it->second;
}

QString Barrion::Nombre(int k) const {
  const auto i = static_cast<std::size_t>(k) + 1;
  return k >= 0 && i < nombres_.size() ? nombres_[i] : QString();
}

double Barrion::Maximo(int k) const {
  const auto i = static_cast<std::size_t>(k) + 1;
  return k >= 0 && i < maximos_.size() ? maximos_[i] : 0.0;
}

// ---------------------------------------------------------------- methods

void Barrion::BarraInicial(const QString& nom, double max) {
  nombres_.resize(2);
  maximos_.resize(2, 0.0);
  nombres_[1] = nom;
  maximos_[1] = max;
  barras_[0].nombre->show();
  barras_[0].barra->show();
  barras_[0].valor->show();
}

void Barrion::Arrancar() {
  for (std::size_t k = 0; k < barras_.size(); ++k) {
    barras_[k].nombre->setText(Nombre(static_cast<int>(k)));
    if (barras_[k].valor->text().isEmpty()) barras_[k].valor->setText(QStringLiteral("0"));
  }
  eventosActivos_ = true;
  Distribuir();
}

void Barrion::AddBarra(const QString& nom, double max) {
  horzScroll_->setValue(0);
  vertScroll_->setValue(0);
  const int g = NumBarras();
  const Barra& previa = barras_.back();
  const int leftBarra = RectTwips(previa.barra).left();
  const int leftNombre = RectTwips(previa.nombre).left();
  const int leftValor = RectTwips(previa.valor).left();
  Barra b = CrearBarra(g, leftBarra, leftNombre, leftValor);
  b.nombre->setText(barras_[0].nombre->text());
  b.nombre->show();
  b.barra->show();
  b.valor->show();
  barras_.push_back(b);
  horzScroll_->raise();
  vertScroll_->raise();
  const auto n = static_cast<std::size_t>(g) + 2;
  if (nombres_.size() < n) nombres_.resize(n);
  if (maximos_.size() < n) maximos_.resize(n, 0.0);
  nombres_[n - 1] = nom;
  maximos_[n - 1] = max;
}

void Barrion::EstablecerScrolls(bool Horz, bool Vert) {
  horzScroll_->setVisible(Horz);
  vertScroll_->setVisible(Vert);
}

std::optional<double> Barrion::LeerScroll(std::int16_t Indx) const {
  if (Indx < 0 || Indx >= NumBarras()) return std::nullopt;
  return LeerNumeroTecleado(barras_[static_cast<std::size_t>(Indx)].valor->text().toStdString());
}

bool Barrion::EscribirScroll(std::int16_t Indx, double val) {
  if (Indx < 0 || Indx >= NumBarras()) return false;
  barras_[static_cast<std::size_t>(Indx)].valor->setText(TextoValorBarra(val));
  Confirmar(Indx);
  return true;
}

void Barrion::Vaciar() {
  while (barras_.size() > 1) {
    Barra b = barras_.back();
    barras_.pop_back();
    for (QWidget* w : {static_cast<QWidget*>(b.nombre), static_cast<QWidget*>(b.barra),
                       static_cast<QWidget*>(b.valor)}) {
      twips_.erase(w);
      // The widget may be inside one of its own handlers (the focus-out or
      // the Enter that committed it, the bar's move): it stops answering now
      // and goes once that handler has returned.
      w->removeEventFilter(this);
      w->disconnect(this);
      w->hide();
      w->deleteLater();
    }
  }
  nombres_.assign(1, QString());
  maximos_.assign(1, 0.0);
  barras_[0].nombre->hide();
  barras_[0].barra->hide();
  barras_[0].valor->hide();
  eventosActivos_ = false;
}

// ---------------------------------------------------------------- bars and boxes

void Barrion::BarraMovida(int k) {
  if (k < 0 || !eventosActivos_) return;
  const Barra& b = barras_[static_cast<std::size_t>(k)];
  b.valor->setText(TextoValorBarra(b.barra->value() * Maximo(k) / kPosicionMax));
  emit cambiado();
}

// Commits value box k: the bar follows the typed value in steps of 1 % of
// its range while the box keeps the typed text; a value above the maximum
// shows the maximum and puts the bar at its end, a negative one shows 0 and
// puts the bar at 0, so box and bar always agree. One cambiado per commit. A
// text that is no number gets the bar's value back, without an event.
void Barrion::Confirmar(int k) {
  if (k < 0 || k >= NumBarras()) return;
  const Barra& b = barras_[static_cast<std::size_t>(k)];
  const double max = Maximo(k);
  const auto leido = LeerNumeroTecleado(b.valor->text().toStdString());
  if (!leido) {
    b.valor->setText(TextoValorBarra(b.barra->value() * max / kPosicionMax));
    return;
  }
  const double v = *leido;
  const bool activos = eventosActivos_;
  eventosActivos_ = false;  // the bar's own change must not answer
  if (v < 0) {
    b.valor->setText(QStringLiteral("0"));
    b.barra->setValue(0);
  } else if (max <= 0) {
    // No range to divide: the bar sits at one end or the other.
    if (v > 0) {
      b.valor->setText(TextoValorBarra(max));
      b.barra->setValue(kPosicionMax);
    } else {
      b.barra->setValue(0);
    }
  } else {
    const double p = RedondeoPar(v * 100.0 / max);
    if (p < 100) {
      b.barra->setValue(static_cast<int>(p) * 100);
    } else {
      b.valor->setText(TextoValorBarra(max));
      b.barra->setValue(kPosicionMax);
    }
  }
  // Restored before the event: a host that empties or refills the panel from
  // its handler sets the state it wants.
  eventosActivos_ = activos;
  emit cambiado();
}

bool Barrion::eventFilter(QObject* obj, QEvent* ev) {
  if (ev->type() == QEvent::FocusOut) {
    const int k = Indice(obj);
    if (k >= 0 && barras_[static_cast<std::size_t>(k)].valor == obj) Confirmar(k);
  }
  return QWidget::eventFilter(obj, ev);
}

// ---------------------------------------------------------------- layout

void Barrion::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Distribuir();
}

void Barrion::Distribuir() {
  const int ancho = width() * kTwipsPerPixel;
  const int alto = height() * kTwipsPerPixel;
  contenedor_->setGeometry(0, 0, width(), height());
  twips_[contenedor_] = QRect(0, 0, ancho, alto);
  Colocar(vertScroll_, QRect(ancho - 300, 0, kGruesoScroll, std::max(1, alto - 50)));
  Colocar(horzScroll_, QRect(0, alto - 300, std::max(1, ancho - 300), kGruesoScroll));
  horzScroll_->raise();
  vertScroll_->raise();
}

void Barrion::DesplazarHorz(int valor) {
  const double xoff =
      (RectTwips(barras_[0].barra).width() + 480 - RectTwips(contenedor_).width() + 500) / 100.0 * valor;
  const int off = static_cast<int>(std::lround(xoff));
  for (const Barra& b : barras_) {
    MoverA(b.barra, kLeftBarra - off, RectTwips(b.barra).top());
    MoverA(b.nombre, kLeftBarra - off, RectTwips(b.nombre).top());
    MoverA(b.valor, kLeftValor - off, RectTwips(b.valor).top());
  }
}

void Barrion::DesplazarVert(int valor) {
  const double ultima = NumBarras() - 1;
  const double yoff = (kPasoBarras * ultima + kTopNombre) / 100.0 * valor;
  for (std::size_t k = 0; k < barras_.size(); ++k) {
    const Barra& b = barras_[k];
    const double base = static_cast<double>(kPasoBarras) * static_cast<double>(k) - yoff;
    MoverA(b.barra, RectTwips(b.barra).left(), static_cast<int>(std::lround(base + kTopBarra)));
    MoverA(b.nombre, RectTwips(b.nombre).left(), static_cast<int>(std::lround(base + kTopNombre)));
    MoverA(b.valor, RectTwips(b.valor).left(), static_cast<int>(std::lround(base + kTopValor)));
  }
}

}  // namespace vardo
