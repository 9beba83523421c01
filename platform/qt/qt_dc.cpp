#include "platform/qt/qt_dc.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

namespace vardo {
namespace {

constexpr double kMmPorPulgada = 25.4;
constexpr double kUnidadesPorPulgada = kMmPorPulgada * 100.0;  // 0.01 mm units in an inch
constexpr double kDpiPantalla = 96.0;               // the screen the dash lengths are made for
constexpr std::int32_t kAlturaDefecto = 360;  // cell height used for a font of height 0

QColor Color(Rgb c) { return QColor(RgbRed(c), RgbGreen(c), RgbBlue(c)); }

Qt::PenStyle Estilo(PenStyle s) {
  switch (s) {
    case PenStyle::Solid: return Qt::SolidLine;
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::DashDotDot: return Qt::DashDotDotLine;
    case PenStyle::Null: return Qt::NoPen;
  }
  return Qt::SolidLine;
}

double DpiX(const QPainter& p) { return p.device() ? p.device()->logicalDpiX() : 96.0; }
double DpiY(const QPainter& p) { return p.device() ? p.device()->logicalDpiY() : 96.0; }

// Widths of texts already shaped, in device pixels, by device resolution,
// scale, font record and text. A picture's layout measures each label and
// its painting draws it on a white box of the same width: with the widths
// kept, every layout after the first and every painting shape a label once
// (to draw it) instead of again to measure it. Bounded: emptied when it
// passes what a very large picture needs.
constexpr std::size_t kMaxAnchos = 1'000'000;

struct Anchos {
  // By device resolution, scale and font record: the widths by text.
  std::unordered_map<std::string, QHash<QString, double>> porFuente;
  std::size_t total = 0;
};

Anchos& AnchosGuardados() {
  static Anchos a;
  return a;
}

std::string ClaveFuente(double dpiX, double dpiY, double sy, const LogFont& f) {
  std::string k;
  const double reales[] = {dpiX, dpiY, sy};
  const std::int32_t enteros[] = {f.height, f.width, f.escapement, f.orientation, f.weight};
  const std::uint8_t bytes[] = {f.italic,       f.underline,     f.strikeOut, f.charSet,
                                f.outPrecision, f.clipPrecision, f.quality,   f.pitchAndFamily};
  k.append(reinterpret_cast<const char*>(reales), sizeof reales);
  k.append(reinterpret_cast<const char*>(enteros), sizeof enteros);
  k.append(reinterpret_cast<const char*>(bytes), sizeof bytes);
  k.append(f.faceName);
  return k;
}

}  // namespace

QtDc::QtDc(QPainter& painter, QPointF origin, double zoom)
    : QtDc(painter, origin, DpiX(painter) / kUnidadesPorPulgada * zoom,
           DpiY(painter) / kUnidadesPorPulgada * zoom) {}

QtDc::QtDc(QPainter& painter, QPointF origin, double sx, double sy)
    : painter_(painter), origin_(origin), sx_(sx > 0 ? sx : 1.0), sy_(sy > 0 ? sy : 1.0) {}

QPointF QtDc::ToDevice(double x, double y) const {
  return {origin_.x() + x * sx_, origin_.y() - y * sy_};
}

Point QtDc::ToLogical(QPointF device) const {
  return {TruncCoord(std::round((device.x() - origin_.x()) / sx_)),
          TruncCoord(std::round(-(device.y() - origin_.y()) / sy_))};
}

QRectF QtDc::DeviceRect(const Rect& r) const {
  return QRectF(ToDevice(r.left, r.top), ToDevice(r.right, r.bottom)).normalized();
}

QFont QtDc::MakeFont(const LogFont& lf) const {
  if (fontCached_ && cachedRecord_ == lf) return cachedFont_;
  QString face = QString::fromStdString(lf.faceName);
  if (face.isEmpty()) face = QStringLiteral("Arial");
  if (!QFontDatabase::hasFamily(face) && face.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0)
    face = QStringLiteral("Liberation Sans");
  QFont f(face);
  f.setStyleStrategy(QFont::PreferQuality);
  f.setWeight(static_cast<QFont::Weight>(lf.weight <= 0 ? 400 : std::clamp(lf.weight, 1, 1000)));
  f.setItalic(lf.italic != 0);
  f.setUnderline(lf.underline != 0);
  f.setStrikeOut(lf.strikeOut != 0);

  // Em size in device pixels. A cell height is turned into an em through
  // the family's own cell-to-em ratio.
  double em = 0;
  if (lf.height < 0) {
    em = -static_cast<double>(lf.height) * sy_;
  } else {
    const double celda = (lf.height == 0 ? kAlturaDefecto : lf.height) * sy_;
    QFont ref(f);
    ref.setPixelSize(1000);
    const QFontMetricsF fm(ref, painter_.device());
    const double ratio = (fm.ascent() + fm.descent()) / 1000.0;
    em = celda / (ratio > 0 ? ratio : 1.0);
  }
  // Point sizes are taken at the device's resolution.
  f.setPointSizeF(std::max(em, 0.01) * 72.0 / DpiY(painter_));
  cachedRecord_ = lf;
  cachedFont_ = f;
  fontCached_ = true;
  anchosFuente_ = nullptr;
  return f;
}

void QtDc::ApplyPen() {
  const Pen& p = CurrentPen();
  QPen pen(Color(p.color));
  pen.setStyle(Estilo(p.style));
  // Width 0 is one device pixel; a logical width is at least one pixel too.
  const double ancho = p.width <= 0 ? 0.0 : std::max(1.0, p.width * sx_);
  pen.setWidthF(ancho);
  // Qt measures dashes in pen widths, which for a thin pen are device
  // pixels: on a 1200-dpi printer they would be too short to see and the
  // line would look solid. Each dash and gap is at least as long as on a
  // 96-dpi screen at this scale, in logical units.
  const double pixelPantalla = kUnidadesPorPulgada / kDpiPantalla * sx_;
  const double anchoDispositivo = std::max(1.0, ancho);
  if (p.style != PenStyle::Solid && p.style != PenStyle::Null && pixelPantalla > anchoDispositivo) {
    QList<qreal> trazos = pen.dashPattern();
    for (qreal& t : trazos) t *= pixelPantalla / anchoDispositivo;
    pen.setDashPattern(trazos);
  }
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
}

void QtDc::ApplyBrush() {
  painter_.setBrush(CurrentBrush() == Brush::Hollow ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
}

void QtDc::LineTo(std::int32_t x, std::int32_t y) {
  const Point from = CurrentPosition();
  pos_ = {x, y};
  if (!painter_.isActive()) return;
  ApplyPen();
  painter_.drawLine(ToDevice(from.x, from.y), ToDevice(x, y));
}

void QtDc::Polyline(const std::vector<Point>& points) {
  if (!painter_.isActive() || points.size() < 2) return;
  ApplyPen();
  QPolygonF poly;
  poly.reserve(static_cast<qsizetype>(points.size()));
  for (const Point& p : points) poly << ToDevice(p.x, p.y);
  painter_.drawPolyline(poly);
}

void QtDc::Rectangle(const Rect& r) {
  if (!painter_.isActive()) return;
  ApplyPen();
  ApplyBrush();
  painter_.drawRect(DeviceRect(r));
}

void QtDc::Ellipse(const Rect& r) {
  if (!painter_.isActive()) return;
  ApplyPen();
  ApplyBrush();
  painter_.drawEllipse(DeviceRect(r));
}

void QtDc::TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) {
  if (!painter_.isActive() || utf8.empty()) return;
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const QFont f = MakeFont(CurrentFont());
  const QFontMetricsF fm(f, painter_.device());
  const QSizeF celda(Ancho(fm, text), fm.ascent() + fm.descent());

  painter_.save();
  QPointF p = ToDevice(x, y);
  const int esc = CurrentFont().escapement;
  if (esc != 0) {
    // Escapement turns the text counter-clockwise about its reference point.
    painter_.translate(p);
    painter_.rotate(-esc / 10.0);
    p = {0, 0};
  }
  painter_.fillRect(QRectF(p, celda), Qt::white);
  painter_.setFont(f);
  painter_.setPen(Color(CurrentTextColor()));
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.drawText(QPointF(p.x(), p.y() + fm.ascent()), text);
  painter_.restore();
}

double QtDc::Ancho(const QFontMetricsF& fm, const QString& text) const {
  Anchos& a = AnchosGuardados();
  if (!anchosFuente_)
    anchosFuente_ = &a.porFuente[ClaveFuente(DpiX(painter_), DpiY(painter_), sy_, CurrentFont())];
  if (auto it = anchosFuente_->constFind(text); it != anchosFuente_->cend()) return *it;
  const double w = fm.horizontalAdvance(text);
  if (a.total >= kMaxAnchos) {
    // Emptied, not removed: each font's list stays where the devices point.
    for (auto& [clave, lista] : a.porFuente) lista.clear();
    a.total = 0;
  }
  anchosFuente_->insert(text, w);
  ++a.total;
  return w;
}

Point QtDc::TextExtent(const std::string& utf8) {
  if (!painter_.isActive()) return DcStateBase::TextExtent(utf8);
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const QFontMetricsF fm(MakeFont(CurrentFont()), painter_.device());
  return {TruncCoord(std::round(Ancho(fm, text) / sx_)),
          TruncCoord(std::round((fm.ascent() + fm.descent()) / sy_))};
}

}  // namespace vardo
