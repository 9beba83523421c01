// The drawing interface every picture of the program goes through. Logical
// units are 0.01 mm with y growing upwards (the metafile mapping of the
// documents' pictures). Back ends: RecordingDc (tests and hit-testing),
// EmfDc (enhanced metafiles) and QtDc (screen, images, printers).
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/types.h"

namespace vardo {

enum class PenStyle : std::int32_t { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5 };

struct Pen {
  PenStyle style = PenStyle::Solid;
  std::int32_t width = 0;  // 0: one device pixel; otherwise logical units
  Rgb color = 0;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class Brush : std::int32_t { White = 0, Hollow = 1 };

class Dc {
 public:
  virtual ~Dc() = default;

  // Selections. Each returns what was selected before.
  virtual Pen SelectPen(const Pen& pen) = 0;
  virtual Brush SelectBrush(Brush brush) = 0;
  // The font's height follows the record's rule: negative = character height,
  // positive = cell height, in logical units.
  virtual LogFont SelectFont(const LogFont& font) = 0;
  virtual Rgb SetTextColor(Rgb color) = 0;

  // Save and restore of the current selections and text colour (nested).
  virtual int SaveDc() = 0;
  virtual void RestoreDc(int saved) = 0;

  virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
  virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
  virtual void Polyline(const std::vector<Point>& points) = 0;
  // Outlined with the pen, filled with the brush.
  virtual void Rectangle(const Rect& r) = 0;
  virtual void Ellipse(const Rect& r) = 0;
  // Text whose top-left corner is at (x, y), on an opaque white background.
  virtual void TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) = 0;

  // Size of a text in logical units with the selected font (width, height).
  virtual Point TextExtent(const std::string& utf8) = 0;
  // True for metafile back ends, whose font heights are used unchanged.
  virtual bool IsMetafile() const { return false; }
};

// Holds the selection state every back end shares, with the save stack.
class DcStateBase : public Dc {
 public:
  Pen SelectPen(const Pen& pen) override;
  Brush SelectBrush(Brush brush) override;
  LogFont SelectFont(const LogFont& font) override;
  Rgb SetTextColor(Rgb color) override;
  int SaveDc() override;
  void RestoreDc(int saved) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  Point TextExtent(const std::string& utf8) override;

  const Pen& CurrentPen() const { return state_.pen; }
  Brush CurrentBrush() const { return state_.brush; }
  const LogFont& CurrentFont() const { return state_.font; }
  Rgb CurrentTextColor() const { return state_.textColor; }
  Point CurrentPosition() const { return pos_; }

 protected:
  struct State {
    Pen pen;
    Brush brush = Brush::White;
    LogFont font;
    Rgb textColor = 0;
  };
  // Called after a selection changes, for back ends that mirror it.
  virtual void OnStateChanged() {}

  State state_;
  std::vector<State> saved_;
  Point pos_;

 private:
  // Puts v in a field of the state, tells the back end, returns the old value.
  template <class T>
  T Cambiar(T& campo, const T& v) {
    T old = std::exchange(campo, v);
    OnStateChanged();
    return old;
  }
};

// Records every drawing call with the state it was drawn in.
class RecordingDc : public DcStateBase {
 public:
  enum class Op { Line, Polyline, Rectangle, Ellipse, Text };
  struct Item {
    Op op;
    std::vector<Point> points;  // line: from, to; rectangle/ellipse: top-left, bottom-right
    std::string text;
    Pen pen;
    Brush brush;
    LogFont font;
    Rgb textColor;
  };

  void LineTo(std::int32_t x, std::int32_t y) override;
  void Polyline(const std::vector<Point>& points) override;
  void Rectangle(const Rect& r) override;
  void Ellipse(const Rect& r) override;
  void TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) override;

  const std::vector<Item>& Items() const { return items_; }
  void Clear() { items_.clear(); }
  // The texts drawn, in order.
  std::vector<std::string> Texts() const;
  // First text item equal to s, or nullptr.
  const Item* FindText(const std::string& s) const;

 private:
  Item Make(Op op) const;
  std::vector<Item> items_;
};

}  // namespace vardo
