#include "platform/qt/olecolor.h"

#include <QGuiApplication>
#include <QPalette>

namespace vardo {

QColor OleToQColor(std::uint32_t v) {
  if (!(v & kSysColorFlag))
    return QColor(static_cast<int>(v & 0xff), static_cast<int>((v >> 8) & 0xff),
                  static_cast<int>((v >> 16) & 0xff));
  const QPalette pal = QGuiApplication::palette();
  switch (v & 0xff) {
    case 5: return pal.color(QPalette::Base);              // window
    case 8: return pal.color(QPalette::Text);              // window text
    case 12: return QColor(128, 128, 128);                 // application workspace
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);           // button face
    case 16: return pal.color(QPalette::Mid);              // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: return pal.color(QPalette::ButtonText);
    case 20: return pal.color(QPalette::Light);            // 3-D highlight
    case 21: return pal.color(QPalette::Shadow);           // 3-D dark shadow
    case 24: return pal.color(QPalette::ToolTipBase);
    case 23: return pal.color(QPalette::ToolTipText);
    default: return pal.color(QPalette::WindowText);
  }
}

std::uint32_t QColorToOle(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
         (static_cast<std::uint32_t>(c.blue()) << 16);
}

}  // namespace vardo
