// A table widget in the manner the controls and the program's tables expect:
// fixed heading rows and columns that do not scroll, per-cell text and
// background, a current cell and a rectangular selection, cell geometry in
// twips (1/1440 inch, 15 to a pixel) and the events hosts build editing on.
//
// Every move of the current cell, by the user or by code, raises leaveCell
// before the cell changes and enterCell after it (then rowColChange);
// a handler may move the cell again or resize the table, and the move that
// was under way then lands on its target clamped to the new size.
#pragma once
#include <QAbstractScrollArea>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace vardo {

constexpr int kTwipsPerPixel = 15;

class GridWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  enum class ScrollBarSetting { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };

  explicit GridWidget(QWidget* parent = nullptr);

  // Size. Rows and Cols count the fixed ones; a table keeps its texts and
  // colours where the new size still holds them. Setters return false (and
  // change nothing) for negative counts or fixed counts above the total.
  int Rows() const { return rows_; }
  bool SetRows(int n);
  int Cols() const { return cols_; }
  bool SetCols(int n);
  int FixedRows() const { return fixedRows_; }
  bool SetFixedRows(int n);
  int FixedCols() const { return fixedCols_; }
  bool SetFixedCols(int n);

  // Cell text; "" and false outside the table.
  QString Text(int row, int col) const;
  bool SetText(int row, int col, const QString& text);
  bool IsValidCell(int row, int col) const {
    return row >= 0 && row < rows_ && col >= 0 && col < cols_;
  }

  // Sizes in twips. A row without its own height takes the default height,
  // which follows the font.
  int ColWidth(int col) const;  // -1 outside the table
  bool SetColWidth(int col, int twips);
  int RowHeight(int row) const;
  bool SetRowHeight(int row, int twips);
  // The room a column gives its cells' texts, in pixels (the cell less its
  // padding).
  int AnchoTextoPx(int col) const;
  // Widens each column, never narrows it, so that its cells' texts fit at
  // the font in use.
  void AjustarColumnasAlTexto();
  // The text a cell shows: a text wider than the room its cell leaves it in
  // view (the cell's own width, or the table's visible edge) ends in "…";
  // the cell's tooltip then gives the whole text. Empty for a cell out of
  // view.
  QString TextoMostrado(int row, int col) const;

  // Horizontal alignment of a column's texts: general (numbers to the
  // right, other text to the left), left or right.
  enum class ColAlign { General, Left, Right };
  ColAlign ColAlignment(int col) const;  // General outside the table
  bool SetColAlignment(int col, ColAlign a);

  // Colours as 32-bit values (red low byte, top bit a system colour).
  // A cell background of 0 means the table's default background.
  std::uint32_t BackColor() const { return backColor_; }
  void SetBackColor(std::uint32_t c);
  std::uint32_t BackColorFixed() const { return backColorFixed_; }
  void SetBackColorFixed(std::uint32_t c);
  std::uint32_t ForeColor() const { return foreColor_; }
  void SetForeColor(std::uint32_t c);
  std::uint32_t ForeColorFixed() const { return foreColorFixed_; }
  void SetForeColorFixed(std::uint32_t c);
  std::uint32_t GridColor() const { return gridColor_; }
  void SetGridColor(std::uint32_t c);
  std::uint32_t CellBackColor(int row, int col) const;
  bool SetCellBackColor(int row, int col, std::uint32_t c);
  // Every cell of the rectangle between two corners (in any order).
  bool SetRangeBackColor(int row1, int col1, int row2, int col2, std::uint32_t c);

  // Current cell and selection. Setting Row or Col moves the current cell
  // (leaveCell, enterCell) and collapses the selection onto it; a move to
  // the cell that is already current raises nothing. RowSel/ColSel are the
  // selection's other corner.
  int Row() const { return row_; }
  // The row under the last double click of the left button, -1 outside the
  // cells (fixed rows count: a heading row is row 0).
  int DoubleClickRow() const { return dblClickRow_; }
  bool SetRow(int row);
  int Col() const { return col_; }
  bool SetCol(int col);
  // scrollIntoView also scrolls the cell into view between the two events.
  bool SetCurrentCell(int row, int col, bool scrollIntoView = false);
  int RowSel() const { return rowSel_; }
  bool SetRowSel(int row);
  int ColSel() const { return colSel_; }
  bool SetColSel(int col);

  // The selected range's text: TAB between the cells of a row, a carriage
  // return between rows, nothing after the last.
  QString Clip() const;
  // The text of the rows row1..row2 and columns col1..col2 in the same form,
  // with rowSeparator between rows.
  QString RangeText(int row1, int col1, int row2, int col2, QChar rowSeparator) const;

  // Removes a data row. A fixed row, a row outside the table or the only
  // data row left is refused (false, nothing changes).
  bool RemoveRow(int row);

  // Cell geometry relative to this widget's top-left corner, frame
  // included; an empty rectangle when the cell is scrolled out of view.
  QRect CellRect(int row, int col) const;
  QRect CellRectTwips(int row, int col) const;
  // The cell at a point of this widget's coordinates; false when none.
  bool CellAt(const QPoint& pos, int* row, int* col) const;

  // Scrolling of the data area.
  ScrollBarSetting ScrollBars() const { return scrollBars_; }
  void SetScrollBars(ScrollBarSetting s);
  int TopRow() const { return topRow_; }
  bool SetTopRow(int row);
  int LeftCol() const { return leftCol_; }
  bool SetLeftCol(int col);
  // Scrolls so that the cell is in view (data cells only).
  void EnsureVisible(int row, int col);

  // Redrawing can be switched off during bulk changes.
  bool Redraw() const { return redraw_; }
  void SetRedraw(bool on);

  QSize sizeHint() const override;

  // Work counters, for checking that a cost follows the cells touched and
  // not the size of the table: cell texts written, row heights read while
  // laying rows out, hit testing and scrolling.
  std::size_t TextWrites() const { return textWrites_; }
  std::size_t RowSizeReads() const { return rowSizeReads_; }

 signals:
  void leaveCell();
  void enterCell();
  void rowColChange();
  void selChange();
  void scrolled();
  void clicked();
  void doubleClicked();
  // Right button pressed at this global position (the current cell stays).
  void contextMenuRequested(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void changeEvent(QEvent* e) override;
  bool viewportEvent(QEvent* e) override;

 private:
  // Moves the current cell with the leave/enter events; user moves also
  // scroll the cell into view between the two.
  bool MoveTo(int row, int col, bool user);
  // enterCell, rowColChange and (if selChanged) selChange after a move of
  // the current cell; stops when a handler deletes the widget.
  void EmitEntered(bool selChanged);
  void SetSelection(int rowSel, int colSel);
  // SetRows (rows) or SetCols: a count that moves the current cell raises
  // leaveCell before and the entering events after.
  bool SetCount(bool rows, int n);
  void ClampAfterResize();
  // After a change of size: positions clamped, scroll bars, repaint.
  void Relayout();
  void Resize(int rows, int cols);
  // One direction of the table, for what rows and columns do alike: how
  // many items, how many of them fixed, the first scrolled item in view, and
  // each item's size in pixels.
  struct Axis {
    struct Span {
      int index, pos, size;
    };
    int count, fixed, first;
    std::function<int(int)> size;
    // The size of every scrolled item when they all share one; -1 when not.
    int uniform = -1;

    int FixedSize() const;
    // Pixel position of item i, or -1 when it is scrolled out of view.
    int Offset(int i) const;
    // The items in view from position 0 while positions stay below limit.
    std::vector<Span> Spans(int limit) const;
    // The item at a pixel position; -1 when none.
    int At(int p) const;
    // The last first item that still fills the viewport.
    int MaxFirst(int viewportSize) const;
    // The first item that brings data item i into view (first when it is
    // in view already or not a data item).
    int FirstShowing(int i, int viewportSize) const;
  };
  Axis RowAxis() const;
  Axis ColAxis() const;
  int DefaultRowHeightPx() const;
  int ColWidthPx(int col) const;
  int RowHeightPx(int row) const;
  int FixedWidthPx() const;
  int FixedHeightPx() const;
  // Pixel position of a column's or row's left/top edge in the viewport, or
  // -1 when it is scrolled out of view.
  int ColX(int col) const;
  int RowY(int row) const;
  bool CellAtViewport(const QPoint& p, int* row, int* col) const;
  // The room for a cell's text in viewport coordinates, cut at the
  // viewport's right edge (empty when the cell is out of view).
  QRect TextRectViewport(int row, int col) const;
  void UpdateScrollBars();
  int MaxTopRow() const;
  int MaxLeftCol() const;
  void Repaint();

  int rows_ = 2;
  int cols_ = 2;
  int fixedRows_ = 1;
  int fixedCols_ = 1;
  std::vector<QString> text_;            // rows_ x cols_
  std::vector<std::uint32_t> cellBack_;  // rows_ x cols_, 0 = default
  std::vector<int> colWidth_;            // twips
  std::vector<ColAlign> colAlign_;
  std::vector<int> rowHeight_;           // twips, -1 = default
  int ownRowHeights_ = 0;                // rows whose height is not -1
  std::size_t textWrites_ = 0;
  mutable std::size_t rowSizeReads_ = 0;
  int row_ = 1;
  int dblClickRow_ = -1;
  int col_ = 1;
  int rowSel_ = 1;
  int colSel_ = 1;
  int topRow_ = 1;
  int leftCol_ = 1;
  std::uint32_t backColor_ = 0x80000005u;
  std::uint32_t backColorFixed_ = 0x8000000Fu;
  std::uint32_t foreColor_ = 0x80000008u;
  std::uint32_t foreColorFixed_ = 0x80000012u;
  std::uint32_t gridColor_ = 0xC0C0C0u;
  ScrollBarSetting scrollBars_ = ScrollBarSetting::Both;
  bool redraw_ = true;
  bool dragging_ = false;
  int dragKind_ = 0;  // cells, whole rows, whole columns or all
  bool adjustingScroll_ = false;
};

}  // namespace vardo
