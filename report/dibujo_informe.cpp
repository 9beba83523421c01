#include "report/dibujo_informe.h"

namespace vardo {

Pen DibujoInforme::SelectPen(const Pen& pen) {
  emf_.SelectPen(pen);
  return RecordingDc::SelectPen(pen);
}

Brush DibujoInforme::SelectBrush(Brush brush) {
  emf_.SelectBrush(brush);
  return RecordingDc::SelectBrush(brush);
}

LogFont DibujoInforme::SelectFont(const LogFont& font) {
  emf_.SelectFont(font);
  return RecordingDc::SelectFont(font);
}

Rgb DibujoInforme::SetTextColor(Rgb color) {
  emf_.SetTextColor(color);
  return RecordingDc::SetTextColor(color);
}

int DibujoInforme::SaveDc() {
  emf_.SaveDc();
  return RecordingDc::SaveDc();
}

void DibujoInforme::RestoreDc(int saved) {
  emf_.RestoreDc(saved);
  RecordingDc::RestoreDc(saved);
}

void DibujoInforme::MoveTo(std::int32_t x, std::int32_t y) {
  emf_.MoveTo(x, y);
  RecordingDc::MoveTo(x, y);
}

void DibujoInforme::LineTo(std::int32_t x, std::int32_t y) {
  emf_.LineTo(x, y);
  RecordingDc::LineTo(x, y);
}

void DibujoInforme::Polyline(const std::vector<Point>& points) {
  emf_.Polyline(points);
  RecordingDc::Polyline(points);
}

void DibujoInforme::Rectangle(const Rect& r) {
  emf_.Rectangle(r);
  RecordingDc::Rectangle(r);
}

void DibujoInforme::Ellipse(const Rect& r) {
  emf_.Ellipse(r);
  RecordingDc::Ellipse(r);
}

void DibujoInforme::TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) {
  emf_.TextOut(x, y, utf8);
  RecordingDc::TextOut(x, y, utf8);
}

Point DibujoInforme::TextExtent(const std::string& utf8) { return emf_.TextExtent(utf8); }

Rect DibujoInforme::Extension() {
  const std::vector<std::uint8_t>& b = Metafile();
  // The header's bounds follow its type and size: left, top, right, bottom in
  // device units of 0.01 mm with y down, inclusive; empty as (0, 0, -1, -1).
  auto leer = [&b](std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 4 && at + k < b.size(); ++k)
      v |= static_cast<std::uint32_t>(b[at + k]) << (8 * k);
    return static_cast<std::int32_t>(v);
  };
  const std::int32_t izquierda = leer(8), arriba = leer(12), derecha = leer(16), abajo = leer(20);
  if (b.size() < 24 || derecha < izquierda || abajo < arriba) return Rect{};
  return Rect{izquierda, -arriba, derecha + 1, -(abajo + 1)};
}

}  // namespace vardo
