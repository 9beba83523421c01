#include "platform/qt/recordedpicture.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "platform/qt/qt_dc.h"

namespace vardo {

MeasuringRecordingDc::MeasuringRecordingDc(double dpi)
    : image_(4, 4, QImage::Format_RGB32), dpi_(dpi) {
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

namespace {

// Text extents already measured, by resolution, font and text. A layout
// measures every label it places, and the next layout of the same picture
// (after any change, several per change) the same labels again: shaping each
// text once instead of once per layout. Bounded: emptied when it grows past
// what a very large picture needs.
constexpr std::size_t kMaxMedidas = 1'000'000;

std::string ClaveMedida(double dpi, const LogFont& f, const std::string& texto) {
  std::string k;
  k.reserve(64 + f.faceName.size() + texto.size());
  const std::int32_t enteros[] = {f.height, f.width, f.escapement, f.orientation, f.weight};
  k.append(reinterpret_cast<const char*>(&dpi), sizeof dpi);
  k.append(reinterpret_cast<const char*>(enteros), sizeof enteros);
  for (std::uint8_t b : {f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision,
                         f.clipPrecision, f.quality, f.pitchAndFamily})
    k.push_back(static_cast<char>(b));
  k.append(f.faceName);
  k.push_back('\0');
  k.append(texto);
  return k;
}

std::unordered_map<std::string, Point>& Medidas() {
  static std::unordered_map<std::string, Point> m;
  return m;
}

}  // namespace

Point MeasuringRecordingDc::TextExtent(const std::string& utf8) {
  const std::string clave = ClaveMedida(dpi_, CurrentFont(), utf8);
  auto& medidas = Medidas();
  if (auto it = medidas.find(clave); it != medidas.end()) return it->second;
  measure_->SelectFont(CurrentFont());
  const Point p = measure_->TextExtent(utf8);
  if (medidas.size() >= kMaxMedidas) medidas.clear();
  medidas.emplace(clave, p);
  return p;
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
