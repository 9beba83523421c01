// Helpers of the data-entry dialog tests: the kit windows now open, the
// deletion of closed ones, and the entries of a list.
#pragma once
#include <QApplication>
#include <string>
#include <vector>

#include "platform/qt/kit/dialog.h"

namespace vardo::prueba {

// The windows of a class now open.
template <class W>
std::vector<W*> Abiertas() {
  std::vector<W*> v;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = dynamic_cast<W*>(w); d && d->IsOpen()) v.push_back(d);
  return v;
}

// Runs the posted events, the deletion of closed windows included.
inline void Borrados() {
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The entries of a list or combo.
inline std::vector<std::string> Lineas(kit::Dialog& d, int id) {
  std::vector<std::string> v;
  for (int i = 0; i < d.Count(id); ++i) v.push_back(d.ItemText(id, i));
  return v;
}

}  // namespace vardo::prueba
