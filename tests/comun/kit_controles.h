// A user's actions on the four controls hosted in kit dialogs.
#pragma once
#include <QLineEdit>
#include <QTest>
#include <string>

#include "controls/functable/tabulix.h"
#include "controls/grid/celdix.h"
#include "controls/scrollpanel/barrion.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {

// Types a value into bar k's box and presses Enter (the panel commits it and
// raises cambiado).
inline void TypeBar(Barrion& panel, int k, const std::string& value) {
  TypeIntoBox(panel.ValorLabel(k), value, true);
}

// Types into one of the function table's boxes and leaves it with Tab (the
// table computes and raises Listo).
inline void TypeTableBox(QLineEdit* box, const std::string& text) { TypeIntoBox(box, text, false); }

// Clicks a cell (the first visit of a new grid opens no editor: the user
// clicks again).
inline void ClickCell(Celdix& grid, int row, int col) {
  GridWidget* g = grid.Grid();
  auto click = [g](int r, int c) {
    const QPoint p = g->CellRect(r, c).center() - g->viewport()->geometry().topLeft();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, p);
  };
  click(row, col);
  if (!grid.EditorOpen()) {
    click(row == 1 ? 2 : 1, col);
    click(row, col);
  }
}

// Clicks a cell, types its new text and presses Enter (the grid commits it
// and raises TablaModificada).
inline void EditCell(Celdix& grid, int row, int col, const std::string& text) {
  ClickCell(grid, row, col);
  QLineEdit* editor = grid.TextEditor();
  editor->selectAll();
  if (text.empty()) QTest::keyClick(editor, Qt::Key_Delete);
  TypeKeys(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
}

}  // namespace vardo::prueba
