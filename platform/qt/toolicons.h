// Toolbar and menu pictures drawn in code: a function paints one picture in
// a 16 x 15 box and the icon holds it at the screen's scales.
#pragma once
#include <QColor>
#include <QIcon>
#include <QRectF>
#include <functional>

class QPainter;

namespace vardo {

using IconPainter = std::function<void(QPainter& p)>;

// The painter works in a 16 x 15 logical box, antialiased, with a 1-pixel
// black pen and no brush.
QIcon DrawnIcon(const IconPainter& paint);

}  // namespace vardo
