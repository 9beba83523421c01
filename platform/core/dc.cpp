#include "platform/core/dc.h"

#include <cmath>
#include <cstdlib>

namespace vardo {

Pen DcStateBase::SelectPen(const Pen& pen) { return Cambiar(state_.pen, pen); }

Brush DcStateBase::SelectBrush(Brush brush) { return Cambiar(state_.brush, brush); }

LogFont DcStateBase::SelectFont(const LogFont& font) { return Cambiar(state_.font, font); }

Rgb DcStateBase::SetTextColor(Rgb color) { return Cambiar(state_.textColor, color); }

int DcStateBase::SaveDc() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

void DcStateBase::RestoreDc(int saved) {
  // saved > 0: the level SaveDc returned; saved < 0: that many levels back.
  std::size_t level = saved > 0 ? static_cast<std::size_t>(saved)
                                : (saved_.size() + 1 > static_cast<std::size_t>(-saved)
                                       ? saved_.size() + 1 - static_cast<std::size_t>(-saved)
                                       : 0);
  if (level == 0 || level > saved_.size()) return;
  state_ = saved_[level - 1];
  saved_.resize(level - 1);
  OnStateChanged();
}

void DcStateBase::MoveTo(std::int32_t x, std::int32_t y) { pos_ = {x, y}; }

Point DcStateBase::TextExtent(const std::string& utf8) {
  // Approximation for back ends without font metrics: an average character is
  // half as wide as the character height.
  // In 64 bits, saturated: a font of any stored height measures without
  // overflowing.
  std::int64_t h = std::int64_t{state_.font.height};
  if (h < 0) h = -h;
  if (h == 0) h = 360;
  std::int64_t chars = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++chars;
  return {Saturar32(chars * h / 2), Saturar32(h)};
}

RecordingDc::Item RecordingDc::Make(Op op) const {
  return Item{op, {}, {}, state_.pen, state_.brush, state_.font, state_.textColor};
}

void RecordingDc::LineTo(std::int32_t x, std::int32_t y) {
  Item it = Make(Op::Line);
  it.points = {pos_, {x, y}};
  items_.push_back(std::move(it));
  pos_ = {x, y};
}

void RecordingDc::Polyline(const std::vector<Point>& points) {
  Item it = Make(Op::Polyline);
  it.points = points;
  items_.push_back(std::move(it));
}

void RecordingDc::Rectangle(const Rect& r) {
  Item it = Make(Op::Rectangle);
  it.points = {{r.left, r.top}, {r.right, r.bottom}};
  items_.push_back(std::move(it));
}

void RecordingDc::Ellipse(const Rect& r) {
  Item it = Make(Op::Ellipse);
  it.points = {{r.left, r.top}, {r.right, r.bottom}};
  items_.push_back(std::move(it));
}

void RecordingDc::TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) {
  Item it = Make(Op::Text);
  it.points = {{x, y}};
  it.text = utf8;
  items_.push_back(std::move(it));
}

std::vector<std::string> RecordingDc::Texts() const {
  std::vector<std::string> out;
  for (const auto& it : items_)
    if (it.op == Op::Text) out.push_back(it.text);
  return out;
}

const RecordingDc::Item* RecordingDc::FindText(const std::string& s) const {
  for (const auto& it : items_)
    if (it.op == Op::Text && it.text == s) return &it;
  return nullptr;
}

}  // namespace vardo
