// A user's actions on the utilities sheet "Servicios Generales" and on the
// tables of the data-entry dialogs: choosing a drop-down option of a cell,
// clicking the grid's buttons, pasting through the clipboard.
#pragma once
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QToolButton>

#include "dialogs/entry/dlg_servicios.h"
#include "tests/comun/kit_controles.h"

namespace vardo::prueba {

inline CServGenSheet& Hoja(Driver& d) { return dynamic_cast<CServGenSheet&>(d.Dialog()); }

// Opens a drop-down cell, chooses option `index` and presses Enter.
inline void ElegirEnCelda(Celdix& grid, int row, int col, int index) {
  ClickCell(grid, row, col);
  QComboBox* combo = grid.ComboEditor();
  ASSERT_FALSE(combo->isHidden()) << "no drop-down at " << row << "," << col;
  combo->setCurrentIndex(index);
  QTest::keyClick(combo, Qt::Key_Return);
}

inline void PulsarBoton(QToolButton* b) { ClickAt(b); }

// Puts text on the clipboard and clicks the grid's paste button.
inline void Pegar(Celdix& grid, const QString& texto) {
  QGuiApplication::clipboard()->setText(texto);
  PulsarBoton(grid.PegarButton());
}

}  // namespace vardo::prueba
