// One drawing of the report, made once and kept twice: as an enhanced
// metafile (the .wmf file) and as recorded items that the picture port turns
// into the SVG. Text is measured with the metafile's own Arial widths, so
// both pictures lay out alike.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/dc.h"
#include "platform/core/emf_dc.h"
#include "platform/core/types.h"

namespace vardo {

class DibujoInforme : public RecordingDc {
 public:
  Pen SelectPen(const Pen& pen) override;
  Brush SelectBrush(Brush brush) override;
  LogFont SelectFont(const LogFont& font) override;
  Rgb SetTextColor(Rgb color) override;
  int SaveDc() override;
  void RestoreDc(int saved) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void Polyline(const std::vector<Point>& points) override;
  void Rectangle(const Rect& r) override;
  void Ellipse(const Rect& r) override;
  void TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) override;
  Point TextExtent(const std::string& utf8) override;
  bool IsMetafile() const override { return true; }

  // Ends the metafile and returns its bytes.
  const std::vector<std::uint8_t>& Metafile() { return emf_.Close(); }
  // Extent of what was drawn (0.01 mm, y up: top above bottom), as the
  // metafile's header gives it; a zero rectangle when nothing was drawn.
  Rect Extension();

 private:
  EmfDc emf_;
};

}  // namespace vardo
