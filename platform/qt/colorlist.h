// List box whose rows are drawn in their own colours. Each row carries an
// RGB colour as its item data (Qt::UserRole, an unsigned Rgb): an unselected
// row shows its text in its colour on the window background; a selected row
// is filled with its colour and shows its text in the inverse colour. Colour
// 0 stands for the system colours: window text, and highlight text when
// selected (on a black fill). A disabled list writes every row in grey.
//
// The usual list operations are QListWidget's (count, currentRow,
// setCurrentRow, clear, item texts; currentRowChanged and
// itemDoubleClicked for the dialog's handlers).
#pragma once
#include <QListWidget>
#include <QStyledItemDelegate>
#include <string>

#include "platform/core/types.h"

namespace vardo {

// Background and text colour of one row.
struct ColoresFilaLista {
  QColor fondo;
  QColor texto;
};
// The rule of the rows: colour, selected, enabled, the list's palette.
ColoresFilaLista ColoresFila(Rgb color, bool seleccionada, bool activa, const QPalette& paleta);

class CListaColores : public QListWidget {
  Q_OBJECT
 public:
  explicit CListaColores(QWidget* parent = nullptr);

  // Appends a row (or inserts it in order when the list sorts) with its
  // colour; returns its index.
  int AddItem(const std::string& utf8, Rgb color);
  // Sets the colour of a row and repaints the list at once; an index past
  // the rows does nothing.
  void SetColor(int index, Rgb color);
  // The colour of a row; 0 for an index past the rows.
  Rgb GetColor(int index) const;
};

// The row painter of the list; dialogs that make their own QListWidget may
// set it to draw the same way.
class DelegadoListaColores : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace vardo
