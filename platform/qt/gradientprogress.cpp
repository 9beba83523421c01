#include "platform/qt/gradientprogress.h"

#include <QPainter>
#include <QPaintEvent>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

#include "platform/qt/olecolor.h"

namespace vardo {

namespace {

QColor ColorDe(Rgb c) { return OleToQColor(c & 0xFFFFFFu); }

// a · b / c rounded to the nearest whole number, in 64 bits; c is not 0.
long long Proporcion(long long a, long long b, long long c) {
  return std::llround(static_cast<double>(a) * static_cast<double>(b) / static_cast<double>(c));
}

}  // namespace

CGradientProgressCtrl::CGradientProgressCtrl(QWidget* parent) : QWidget(parent) {
  const QPalette& p = palette();
  colores_ = {p.color(QPalette::Active, QPalette::Highlight),
              p.color(QPalette::Active, QPalette::Highlight)};
  fondo_ = p.color(QPalette::Active, QPalette::Button);
  textoBarra_ = p.color(QPalette::Active, QPalette::HighlightedText);
  textoFondo_ = p.color(QPalette::Active, QPalette::ButtonText);
  // The paint covers every pixel.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize CGradientProgressCtrl::sizeHint() const {
  return (estilo_ & kVertical) ? QSize(18, 150) : QSize(150, 18);
}

// ---------------------------------------------------------------- range

void CGradientProgressCtrl::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
  cola_ = std::max(cola_, std::min(lower_, upper_));
  update();
}

int CGradientProgressCtrl::FijarPosicion(int pos) {
  const int previa = pos_;
  pos_ = std::clamp(pos, std::min(lower_, upper_), std::max(lower_, upper_));
  if (pos_ != previa) update();
  return previa;
}

int CGradientProgressCtrl::SetPos(int pos) {
  if (estilo_ & kSegmento) return MoverSegmento(pos, false);
  return FijarPosicion(pos);
}

int CGradientProgressCtrl::OffsetPos(int delta) {
  if (estilo_ & kSegmento) return MoverSegmento(delta, true);
  return FijarPosicion(static_cast<int>(std::clamp<long long>(
      static_cast<long long>(pos_) + delta, std::min(lower_, upper_), std::max(lower_, upper_))));
}

int CGradientProgressCtrl::SetStep(int step) {
  const int previo = step_;
  step_ = step;
  return previo;
}

int CGradientProgressCtrl::StepIt() {
  if (estilo_ & kSegmento) return MoverSegmento(step_, true);
  const long long lo = std::min(lower_, upper_);
  const long long hi = std::max(lower_, upper_);
  long long n = static_cast<long long>(pos_) + step_;
  // Past an end the bar starts again from the other.
  if (hi > lo && (n > hi || n < lo)) n = ((n - lo) % (hi - lo) + (hi - lo)) % (hi - lo) + lo;
  return FijarPosicion(static_cast<int>(std::clamp(n, lo, hi)));
}

int CGradientProgressCtrl::MoverSegmento(int valor, bool relativo) {
  long long nuevo = valor;
  if (relativo) {
    long long actual = pos_;
    if (actual < static_cast<long long>(lower_) + segmento_) actual = static_cast<long long>(lower_) + segmento_;
    nuevo = actual + std::llabs(static_cast<long long>(valor));
  }
  const long long tope = static_cast<long long>(upper_) + segmento_;
  if (nuevo > tope) {
    // Out at the far end: the segment comes back in from the other side,
    // and the direction turns.
    nuevo = std::min(nuevo + lower_ - segmento_ - upper_, tope);
    estilo_ ^= kInvertido;
    update();
  } else if (nuevo >= upper_) {
    update();
  }
  cola_ = static_cast<int>(std::max<long long>(nuevo - segmento_, lower_));
  // The head may run past the upper end by the segment's length, so that
  // the segment slides out before it comes back.
  const int previa = pos_;
  pos_ = static_cast<int>(std::clamp<long long>(nuevo, lower_, std::max<long long>(lower_, tope)));
  if (pos_ != previa) update();
  return previa;
}

// ---------------------------------------------------------------- look

void CGradientProgressCtrl::SetEstilo(unsigned estilo) {
  estilo_ = estilo;
  updateGeometry();
  update();
}

void CGradientProgressCtrl::SetBarColor(Rgb color, Rgb fin) {
  colores_ = {ColorDe(color), ColorDe(fin != 0 ? fin : color)};
  update();
}

void CGradientProgressCtrl::SetColores(const std::vector<QColor>& colores) {
  colores_ = colores;
  update();
}

void CGradientProgressCtrl::SetBrochaBarra(std::optional<QBrush> brocha) {
  brochaBarra_ = std::move(brocha);
  update();
}

void CGradientProgressCtrl::SetBkColor(Rgb color) {
  fondo_ = ColorDe(color);
  update();
}

void CGradientProgressCtrl::SetBrochaFondo(std::optional<QBrush> brocha) {
  brochaFondo_ = std::move(brocha);
  update();
}

void CGradientProgressCtrl::SetColoresTexto(QColor sobreBarra, QColor sobreFondo) {
  textoBarra_ = sobreBarra;
  textoFondo_ = sobreFondo;
  update();
}

void CGradientProgressCtrl::SetFormato(const QString& formato) {
  formato_ = formato;
  update();
}

void CGradientProgressCtrl::SetDesplazamientoTexto(int dx, int dy) {
  dx_ = dx;
  dy_ = dy;
  update();
}

void CGradientProgressCtrl::SetLongitudSegmento(int longitud) {
  segmento_ = std::max(0, longitud);
  update();
}

// ---------------------------------------------------------------- layout

bool CGradientProgressCtrl::EnRango() const {
  if (estilo_ & kSegmento) return pos_ >= lower_ && pos_ <= static_cast<long long>(upper_) + segmento_;
  return pos_ >= std::min(lower_, upper_) && pos_ <= std::max(lower_, upper_);
}

int CGradientProgressCtrl::Escala(long long p, int largo) const {
  // Equal ends would divide by zero: nothing is filled.
  if (upper_ == lower_) return 0;
  return static_cast<int>(Proporcion(p - lower_, largo, static_cast<long long>(upper_) - lower_));
}

QRect CGradientProgressCtrl::Parte(const QRect& r, int desde, int hasta) const {
  const int n = hasta - desde;
  if (!(estilo_ & kVertical))
    return (estilo_ & kInvertido) ? QRect(r.right() + 1 - hasta, r.top(), n, r.height())
                                  : QRect(r.left() + desde, r.top(), n, r.height());
  return (estilo_ & kInvertido) ? QRect(r.left(), r.top() + desde, r.width(), n)
                                : QRect(r.left(), r.bottom() + 1 - hasta, r.width(), n);
}

QRect CGradientProgressCtrl::RectanguloLleno() const {
  if (!EnRango()) return {};
  const int largo = (estilo_ & kVertical) ? height() : width();
  // A segment's head past the upper end is cut at the end.
  const bool segmento = estilo_ & kSegmento;
  const int cabeza = segmento ? std::min(pos_, upper_) : pos_;
  const int fin = std::clamp(Escala(cabeza, largo), 0, largo);
  const int inicio = segmento ? std::clamp(Escala(cola_, largo), 0, fin) : 0;
  if (fin <= inicio) return {};
  return Parte(rect(), inicio, fin);
}

QString CGradientProgressCtrl::Texto() const {
  const bool porcentaje = estilo_ & kMostrarPorcentaje;
  if (!porcentaje && !(estilo_ & kMostrarPosicion)) return {};
  long long numero = pos_;
  if (porcentaje)
    numero = upper_ == lower_ ? 0 : Proporcion(static_cast<long long>(pos_) - lower_, 100,
                                                static_cast<long long>(upper_) - lower_);
  const QString formato =
      !formato_.isEmpty() ? formato_ : (porcentaje ? QStringLiteral("%d%%") : QStringLiteral("%d"));
  // "%d" takes the number (written without the locale), "%%" is a percent sign.
  QString texto;
  for (int i = 0; i < formato.size(); ++i) {
    if (formato[i] == QLatin1Char('%') && i + 1 < formato.size()) {
      if (formato[i + 1] == QLatin1Char('d')) {
        texto += QString::fromStdString(std::to_string(numero));
        ++i;
        continue;
      }
      if (formato[i + 1] == QLatin1Char('%')) {
        texto += QLatin1Char('%');
        ++i;
        continue;
      }
    }
    texto += formato[i];
  }
  return texto;
}

// ---------------------------------------------------------------- painting

int CGradientProgressCtrl::PasosGradiente(QColor a, QColor b, int ancho, bool pocosColores) {
  if (pocosColores) return 1;
  const int d = std::max({std::abs(b.red() - a.red()), std::abs(b.green() - a.green()),
                          std::abs(b.blue() - a.blue())});
  return std::max(1, std::min(d, ancho));
}

QColor CGradientProgressCtrl::ColorBanda(QColor a, QColor b, int i, int pasos) {
  auto canal = [&](int x, int y) {
    return x + static_cast<int>(std::lround(static_cast<double>(i) * (y - x) / pasos));
  };
  return QColor(canal(a.red(), b.red()), canal(a.green(), b.green()), canal(a.blue(), b.blue()));
}

void CGradientProgressCtrl::PartesIguales(const QRect& r, int partes,
                                          const std::function<void(int, const QRect&)>& pintar) const {
  const int largo = (estilo_ & kVertical) ? r.height() : r.width();
  // Equal parts; the last one ends exactly at the end.
  auto corte = [&](int i) {
    return i == partes ? largo : static_cast<int>(static_cast<long long>(i) * largo / partes);
  };
  for (int i = 0; i < partes; ++i) {
    const int desde = corte(i), hasta = corte(i + 1);
    if (hasta > desde) pintar(i, Parte(r, desde, hasta));
  }
}

void CGradientProgressCtrl::PintarTramo(QPainter& p, const QRect& tramo, QColor a, QColor b,
                                        const QRect& zona) const {
  const int largo = (estilo_ & kVertical) ? tramo.height() : tramo.width();
  if (largo <= 0) return;
  const int pasos = PasosGradiente(a, b, largo, depth() < 8);
  PartesIguales(tramo, pasos, [&](int i, const QRect& banda) {
    if (banda.intersects(zona)) p.fillRect(banda, ColorBanda(a, b, i, pasos));
  });
}

void CGradientProgressCtrl::PintarGradiente(QPainter& p, const QRect& lleno, const QRect& zona) const {
  const int n = static_cast<int>(colores_.size());
  if (n == 0) return;
  if (n == 1) {
    p.fillRect(lleno, colores_.front());
    return;
  }
  // Run k goes from colour k to colour k + 1.
  PartesIguales(lleno, n - 1, [&](int k, const QRect& tramo) {
    PintarTramo(p, tramo, colores_[static_cast<std::size_t>(k)],
                colores_[static_cast<std::size_t>(k + 1)], zona);
  });
}

void CGradientProgressCtrl::paintEvent(QPaintEvent* e) {
  // Qt paints widgets through an off-screen buffer, so the bar never
  // flickers between the background and the fill.
  QPainter p(this);
  const QRect zona = e->rect();
  if (brochaFondo_)
    p.fillRect(rect(), *brochaFondo_);
  else
    p.fillRect(rect(), fondo_);
  if (!EnRango()) return;
  const QRect lleno = RectanguloLleno();
  if (!lleno.isEmpty()) {
    if (brochaBarra_)
      p.fillRect(lleno, *brochaBarra_);
    else
      PintarGradiente(p, lleno, zona);
  }
  const QString texto = Texto();
  if (texto.isEmpty()) return;
  const QRect caja = rect().translated(dx_, dy_);
  const int alineacion = Qt::AlignCenter | Qt::TextSingleLine;
  // Over the bar in one colour, over the background in the other.
  p.setFont(font());
  p.save();
  p.setClipRegion(QRegion(rect()).subtracted(QRegion(lleno)));
  p.setPen(textoFondo_);
  p.drawText(caja, alineacion, texto);
  p.restore();
  if (!lleno.isEmpty()) {
    p.save();
    p.setClipRect(lleno);
    p.setPen(textoBarra_);
    p.drawText(caja, alineacion, texto);
    p.restore();
  }
}

}  // namespace vardo
