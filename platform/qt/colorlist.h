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

// A single-choice list box as dialogs use it. Taking the focus chooses
// nothing (no row becomes current). A press makes its row current, which the
// dialog hears as a choice; when the dialog's handler then moves or clears
// the current row, the press selects nothing and the drag of that press
// neither, so the handler's doing stands.
class CListaEleccion : public QListWidget {
  Q_OBJECT
 public:
  explicit CListaEleccion(QWidget* parent = nullptr);

 protected:
  void focusInEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;

 private:
  bool pulsando_ = false;  // inside the handling of a press
  int filaPulsada_ = -1;   // the row under that press
  bool anulada_ = false;   // the handler changed the current row: this press selects nothing
};

class CListaColores : public CListaEleccion {
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
