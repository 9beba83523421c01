#include "platform/qt/recordedpicture.h"

#include <algorithm>

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

void ReplayItems(const std::vector<RecordingDc::Item>& items, Dc& dc) {
  const int saved = dc.SaveDc();
  for (const auto& it : items) {
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
