#include "platform/qt/recordedpicture.h"

#include <algorithm>
#include <cstdlib>

#include "platform/qt/qt_dc.h"

namespace vardo {

MeasuringRecordingDc::MeasuringRecordingDc(double dpi) : image_(4, 4, QImage::Format_RGB32) {
  const int dpm = static_cast<int>(dpi / 0.0254 + 0.5);
  image_.setDotsPerMeterX(dpm);
  image_.setDotsPerMeterY(dpm);
  painter_.begin(&image_);
  measure_ = std::make_unique<QtDc>(painter_);
}

MeasuringRecordingDc::~MeasuringRecordingDc() {
  measure_.reset();
  painter_.end();
}

Point MeasuringRecordingDc::TextExtent(const std::string& utf8) {
  measure_->SelectFont(CurrentFont());
  return measure_->TextExtent(utf8);
}

namespace {

void Replay(const RecordingDc::Item& it, Dc& dc) {
  dc.SelectPen(it.pen);
  dc.SelectBrush(it.brush);
  dc.SelectFont(it.font);
  dc.SetTextColor(it.textColor);
  switch (it.op) {
    case RecordingDc::Op::Line:
      if (it.points.size() >= 2) {
        dc.MoveTo(it.points[0].x, it.points[0].y);
        dc.LineTo(it.points[1].x, it.points[1].y);
      }
      break;
    case RecordingDc::Op::Polyline:
      dc.Polyline(it.points);
      break;
    case RecordingDc::Op::Rectangle:
    case RecordingDc::Op::Ellipse:
      if (it.points.size() >= 2) {
        const Rect r{it.points[0].x, it.points[0].y, it.points[1].x, it.points[1].y};
        if (it.op == RecordingDc::Op::Rectangle)
          dc.Rectangle(r);
        else
          dc.Ellipse(r);
      }
      break;
    case RecordingDc::Op::Text:
      if (!it.points.empty()) dc.TextOut(it.points[0].x, it.points[0].y, it.text);
      break;
  }
}

// Whether an item lies wholly outside the logical rectangle v (y upwards,
// v.top above v.bottom), with room for pen widths and text heights. A text
// is known by its reference point only: it runs right and down from it, so
// it is outside when it starts right of v, or wholly above or below it;
// turned text is never left out.
bool Fuera(const RecordingDc::Item& it, const Rect& v) {
  if (it.points.empty()) return false;
  if (it.op == RecordingDc::Op::Text) {
    if (it.font.escapement != 0) return false;
    const std::int64_t alto = 2 * std::max<std::int64_t>(360, std::abs(std::int64_t{it.font.height}));
    const Point& p = it.points[0];
    return p.x > v.right || p.y < v.bottom || std::int64_t{p.y} - alto > v.top;
  }
  std::int64_t x0 = it.points[0].x, x1 = x0, y0 = it.points[0].y, y1 = y0;
  for (const Point& p : it.points) {
    x0 = std::min<std::int64_t>(x0, p.x);
    x1 = std::max<std::int64_t>(x1, p.x);
    y0 = std::min<std::int64_t>(y0, p.y);
    y1 = std::max<std::int64_t>(y1, p.y);
  }
  const std::int64_t m = std::max<std::int64_t>(100, 2 * std::int64_t{it.pen.width});
  return x1 + m < v.left || x0 - m > v.right || y1 + m < v.bottom || y0 - m > v.top;
}

}  // namespace

void ReplayItems(const std::vector<RecordingDc::Item>& items, Dc& dc) {
  const int saved = dc.SaveDc();
  for (const auto& it : items) Replay(it, dc);
  dc.RestoreDc(saved);
}

void ReplayItemsEn(const std::vector<RecordingDc::Item>& items, Dc& dc, const Rect& vista) {
  const int saved = dc.SaveDc();
  for (const auto& it : items)
    if (!Fuera(it, vista)) Replay(it, dc);
  dc.RestoreDc(saved);
}

Rect ItemsBounds(const std::vector<RecordingDc::Item>& items) {
  bool any = false;
  Rect b;
  for (const auto& it : items)
    for (const Point& p : it.points) {
      if (!any) {
        b = {p.x, p.y, p.x, p.y};
        any = true;
      }
      b.left = std::min(b.left, p.x);
      b.right = std::max(b.right, p.x);
      b.top = std::max(b.top, p.y);
      b.bottom = std::min(b.bottom, p.y);
    }
  return b;
}

}  // namespace vardo
