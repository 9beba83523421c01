// Reading the rows of a kit dialog's lists and double-clicking them as a
// user does.
#pragma once
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <string>
#include <vector>

#include "platform/qt/kit/dialog.h"

namespace vardo::prueba {

// The texts of a list's or combo's entries, in order.
inline std::vector<std::string> Entradas(const kit::ControlHost& d, int id) {
  std::vector<std::string> v;
  for (int i = 0; i < d.Count(id); ++i) v.push_back(d.ItemText(id, i));
  return v;
}

// The colours of an owner-drawn list's rows, in order.
inline std::vector<Rgb> ColoresFilas(const kit::ControlHost& d, int id) {
  std::vector<Rgb> v;
  for (int i = 0; i < d.Count(id); ++i) v.push_back(d.ItemColor(id, i));
  return v;
}

// How many rows a list draws as selected.
inline int Seleccionadas(const kit::ControlHost& d, int id) {
  return static_cast<int>(d.Get<QListWidget>(id)->selectedItems().size());
}

// A double click as the window system delivers it (press, release, press
// with the double click, release), on row `fila` of a list, or below its
// rows when fila is -1.
inline void DobleClic(kit::Dialog& d, int id, int fila) {
  auto* l = d.Get<QListWidget>(id);
  QWidget* v = l->viewport();
  const QPoint p = fila >= 0 ? l->visualItemRect(l->item(fila)).center()
                             : QPoint(v->width() / 2, v->height() - 3);
  QWidget* ventana = v->window();
  QTest::mouseDClick(ventana->windowHandle(), Qt::LeftButton, Qt::NoModifier, v->mapTo(ventana, p));
  QApplication::processEvents();
}

}  // namespace vardo::prueba
