#include "platform/qt/kit/definicion.h"

#include <utility>

namespace vardo::kit {

namespace {
DefControl Row(int id, Kind kind, std::string text, int x, int y, int w, int h, unsigned style) {
  DefControl s;
  s.id = id;
  s.kind = kind;
  s.text = std::move(text);
  s.x = x;
  s.y = y;
  s.w = w;
  s.h = h;
  s.style = style;
  return s;
}
}  // namespace

DefControl Label(std::string text, int x, int y, int w, int h, unsigned style, int id) {
  return Row(id, Kind::Label, std::move(text), x, y, w, h, style);
}

DefControl Frame(int x, int y, int w, int h, int id) {
  return Row(id, Kind::Frame, {}, x, y, w, h, kPlain);
}

DefControl Group(std::string text, int x, int y, int w, int h, int id) {
  return Row(id, Kind::Group, std::move(text), x, y, w, h, kPlain);
}

DefControl Edit(int id, int x, int y, int w, int h, unsigned style, int limit) {
  DefControl s = Row(id, Kind::Edit, {}, x, y, w, h, style);
  s.limit = limit;
  return s;
}

DefControl Button(int id, std::string text, int x, int y, int w, int h, unsigned style) {
  return Row(id, Kind::Button, std::move(text), x, y, w, h, style);
}

DefControl Check(int id, std::string text, int x, int y, int w, int h, unsigned style) {
  return Row(id, Kind::Check, std::move(text), x, y, w, h, style);
}

DefControl Radio(int id, std::string text, int x, int y, int w, int h, unsigned style) {
  return Row(id, Kind::Radio, std::move(text), x, y, w, h, style);
}

DefControl List(int id, int x, int y, int w, int h, unsigned style,
                 std::vector<std::string> items) {
  DefControl s = Row(id, Kind::List, {}, x, y, w, h, style);
  s.items = std::move(items);
  return s;
}

DefControl Combo(int id, int x, int y, int w, int h, unsigned style,
                  std::vector<std::string> items) {
  DefControl s = Row(id, Kind::Combo, {}, x, y, w, h, style);
  s.items = std::move(items);
  return s;
}

DefControl UpDown(int id, int buddy, int x, int y, int w, int h, unsigned style) {
  DefControl s = Row(id, Kind::UpDown, {}, x, y, w, h, style);
  s.buddy = buddy;
  return s;
}

DefControl Slider(int id, int x, int y, int w, int h, unsigned style) {
  return Row(id, Kind::Slider, {}, x, y, w, h, style);
}

DefControl Progress(int id, int x, int y, int w, int h, unsigned style) {
  return Row(id, Kind::Progress, {}, x, y, w, h, style);
}

DefControl Paint(int id, int x, int y, int w, int h, unsigned style) {
  return Row(id, Kind::Paint, {}, x, y, w, h, style);
}

DefControl Hosted(int id, std::string classId, int x, int y, int w, int h, unsigned style) {
  DefControl s = Row(id, Kind::Hosted, {}, x, y, w, h, style);
  s.classId = std::move(classId);
  return s;
}

}  // namespace vardo::kit
