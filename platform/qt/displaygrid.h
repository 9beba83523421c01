// A table that only shows text, as dialogs fill it through Rows, Cols,
// ColWidth (twips) and TextMatrix: row 0 and column 0 are headings (one
// fixed row and one fixed column unless told otherwise). Nothing can be
// typed into it; the user may select cells. Every mouse button pressed on it
// is reported with the button (1 left, 2 right, 4 middle), the modifier keys
// (1 Shift, 2 Ctrl, 4 Alt) and the position in pixels of the table.
//
// Hostable in kit dialogs by its class id (kClassIdTablaVista); its only
// event, MouseDown, is event 1.
#pragma once
#include <QPoint>
#include <QString>

#include "platform/qt/gridwidget.h"

namespace vardo {

inline constexpr const char* kClassIdTablaVista = "{5B1E7C43-3D0A-4F6E-9C21-8A4D2E6B7F10}";

// Event numbers of the table.
namespace display_grid_event {
inline constexpr int MouseDown = 1;
}

class DisplayGrid : public GridWidget {
  Q_OBJECT
 public:
  static constexpr int kBotonIzquierdo = 1;
  static constexpr int kBotonDerecho = 2;
  static constexpr int kBotonCentral = 4;

  explicit DisplayGrid(QWidget* parent = nullptr);

  // Text of a cell; "" outside the table, and a write outside it is refused.
  QString TextMatrix(int row, int col) const { return Text(row, col); }
  bool SetTextMatrix(int row, int col, const QString& text) { return SetText(row, col, text); }

  // The last press reported (button 0 before any).
  int LastButton() const { return lastButton_; }
  int LastShift() const { return lastShift_; }
  QPoint LastPos() const { return lastPos_; }

 signals:
  // A mouse button went down on the table.
  void MouseDown(int button, int shift, int x, int y);

 protected:
  void mousePressEvent(QMouseEvent* e) override;

 private:
  int lastButton_ = 0;
  int lastShift_ = 0;
  QPoint lastPos_;
};

}  // namespace vardo
