#include "platform/qt/toolicons.h"

#include <QPainter>
#include <QPixmap>

namespace vardo {

QIcon DrawnIcon(const IconPainter& paint) {
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pm(16 * scale, 15 * scale);
    pm.setDevicePixelRatio(scale);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::NoBrush);
    paint(p);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

}  // namespace vardo
