// Enhanced-metafile back end of Dc: the pictures copied to the clipboard,
// saved as files and written with the HTML report.
//
// The metafile maps MM_HIMETRIC (0.01 mm, y up). Its reference device has
// 100 pixels per millimetre, so the bounds (device units) and the frame
// (0.01 mm) of the header carry the same numbers: the extent of what was
// drawn. Pens, brushes and fonts are created when a drawing first needs them
// and deleted once nothing selects them any more; font heights go into the
// font records unchanged. The same drawing always gives the same bytes.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/dc.h"

namespace vardo {

class EmfDc : public DcStateBase {
 public:
  // Description of the pictures: application name, then an empty picture name.
  static constexpr const char* kAplicacion = "Vardo";

  EmfDc();
  ~EmfDc() override;
  EmfDc(const EmfDc&) = delete;
  EmfDc& operator=(const EmfDc&) = delete;

  int SaveDc() override;
  void RestoreDc(int saved) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void Polyline(const std::vector<Point>& points) override;
  void Rectangle(const Rect& r) override;
  void Ellipse(const Rect& r) override;
  void TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) override;
  // Width from Arial's advance widths (Liberation Sans has the same), height
  // of the character cell, for the selected font.
  Point TextExtent(const std::string& utf8) override;
  bool IsMetafile() const override { return true; }

  // Ends the metafile (open saves are restored, the objects deleted, the end
  // record written) and returns its bytes; drawing after that is ignored.
  const std::vector<std::uint8_t>& Close();
  // Closes and writes the bytes to a file; false when it cannot be written.
  bool WriteFile(const std::string& path);

 private:
  // What the metafile has selected: object handles (stock objects for the
  // defaults) with the values they stand for, the text colour and the
  // current position.
  struct Realized {
    std::uint32_t pen = 0;
    std::uint32_t brush = 0;
    std::uint32_t font = 0;
    Rgb textColor = 0;
    Point pos;
    bool posKnown = true;
  };
  struct Object {
    enum class Kind { Pen, Brush, Font } kind;
    Pen pen;
    Brush brush = Brush::White;
    LogFont font;
  };

  void Append(char* record);
  void Widen(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
  // Widens the bounds by a stroke from (x1, y1) to (x2, y2) or the box they
  // span, drawn with the current pen (half its width beyond).
  void WidenStroke(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);
  // A rectangle or an ellipse in its box: pen, brush, bounds and record.
  void Box(const Rect& r, bool ellipse);
  void RealizePen();
  void RealizeBrush();
  void RealizeFont();
  void RealizeTextColor();
  void Select(std::uint32_t* current, std::uint32_t handle);
  std::uint32_t FindOrCreate(const Object& o);
  void DeleteUnused();
  std::int32_t PenMargin() const;

  std::vector<std::uint8_t> bytes_;
  std::uint32_t records_ = 0;
  bool closed_ = false;
  // Created objects by handle (index 0 unused); empty slots are free.
  std::vector<std::optional<Object>> objects_;
  std::uint32_t peakHandle_ = 0;
  Realized real_;
  std::vector<Realized> realSaved_;
  // Drawn extent in device units (x right, y down), inclusive.
  bool anyDrawn_ = false;
  std::int64_t boundLeft_ = 0, boundTop_ = 0, boundRight_ = 0, boundBottom_ = 0;
};

}  // namespace vardo
