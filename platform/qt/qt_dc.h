// QPainter back end of Dc: the view on screen, images and printers.
//
// Logical units are 0.01 mm with y upwards. Every coordinate is mapped here,
// not through a mirrored painter transform, so text stays upright: a logical
// point (x, y) lands on the device at (origin.x + x * sx, origin.y - y * sy),
// sx and sy being device pixels per 0.01 mm (the device's logical resolution
// times a zoom). Texts take their top-left corner as reference and are drawn
// on an opaque white cell in the selected text colour. A font height follows
// the record's rule: negative = character height, positive = cell height;
// Liberation Sans stands in for Arial where Arial is not installed.
#pragma once
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QRectF>

#include "platform/core/dc.h"

class QPainter;

namespace vardo {

class QtDc : public DcStateBase {
 public:
  // Draws through a painter already active on a widget, an image or a
  // printer. origin: device position of the logical origin; zoom scales the
  // device's own resolution.
  explicit QtDc(QPainter& painter, QPointF origin = {}, double zoom = 1.0);
  // Draws with an explicit scale (device pixels per 0.01 mm on each axis).
  QtDc(QPainter& painter, QPointF origin, double sx, double sy);

  void LineTo(std::int32_t x, std::int32_t y) override;
  void Polyline(const std::vector<Point>& points) override;
  void Rectangle(const Rect& r) override;
  void Ellipse(const Rect& r) override;
  void TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) override;
  Point TextExtent(const std::string& utf8) override;

  // The mapping, for hit tests and layout in device terms.
  QPointF ToDevice(double x, double y) const;
  Point ToLogical(QPointF device) const;
  double ScaleX() const { return sx_; }
  double ScaleY() const { return sy_; }

  // The Qt font a font record gives on this device.
  QFont MakeFont(const LogFont& font) const;

 private:
  void ApplyPen();
  void ApplyBrush();
  QRectF DeviceRect(const Rect& r) const;
  // A text's width in device pixels at the current font (fm), shaped once
  // per device, scale, font and text in the program's run.
  double Ancho(const QFontMetricsF& fm, const QString& text) const;

  QPainter& painter_;
  // The last font made, kept because texts come in runs of one font.
  mutable bool fontCached_ = false;
  mutable LogFont cachedRecord_;
  mutable QFont cachedFont_;
  // The kept text widths of that font on this device (see Ancho).
  mutable QHash<QString, double>* anchosFuente_ = nullptr;
  QPointF origin_;
  double sx_ = 1.0;
  double sy_ = 1.0;
};

}  // namespace vardo
