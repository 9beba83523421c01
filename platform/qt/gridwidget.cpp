#include "platform/qt/gridwidget.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <limits>

#include "platform/core/numtext.h"
#include "platform/qt/olecolor.h"

namespace vardo {

namespace {

constexpr int kDefaultColWidthTwips = 960;  // 64 pixels
constexpr int kMinRowHeightPx = 16;
constexpr int kTextPadPx = 3;

// '.' as decimal point in every locale.
bool LooksNumeric(const QString& s) { return EsNumero(s.trimmed().toStdString()); }

}  // namespace

GridWidget::GridWidget(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  viewport()->setMouseTracking(false);
  viewport()->setAutoFillBackground(false);
  Resize(rows_, cols_);
  UpdateScrollBars();
}

// ---------------------------------------------------------------- size

void GridWidget::Resize(int rows, int cols) {
  const int oldCols = static_cast<int>(colWidth_.size());
  const int oldRows = static_cast<int>(rowHeight_.size());
  const std::size_t cells = static_cast<std::size_t>(rows) * cols;
  if (cols == oldCols) {
    // Rows added or dropped at the end: the cells stay where they are, and
    // a table growing row by row costs each row once.
    text_.resize(cells);
    cellBack_.resize(cells, 0);
  } else {
    std::vector<QString> text(cells);
    std::vector<std::uint32_t> back(cells, 0);
    for (int r = 0; r < std::min(rows, oldRows); ++r) {
      for (int c = 0; c < std::min(cols, oldCols); ++c) {
        text[static_cast<std::size_t>(r) * cols + c] =
            std::move(text_[static_cast<std::size_t>(r) * oldCols + c]);
        back[static_cast<std::size_t>(r) * cols + c] =
            cellBack_[static_cast<std::size_t>(r) * oldCols + c];
      }
    }
    text_.swap(text);
    cellBack_.swap(back);
  }
  for (int r = rows; r < oldRows; ++r)
    if (rowHeight_[static_cast<std::size_t>(r)] >= 0) --ownRowHeights_;
  colWidth_.resize(cols, kDefaultColWidthTwips);
  colAlign_.resize(cols, ColAlign::General);
  rowHeight_.resize(rows, -1);
  rows_ = rows;
  cols_ = cols;
}

void GridWidget::Relayout() {
  ClampAfterResize();
  UpdateScrollBars();
  Repaint();
}

void GridWidget::ClampAfterResize() {
  auto clamp = [](int v, int hi) { return std::max(0, std::min(v, hi)); };
  row_ = clamp(row_, rows_ - 1);
  col_ = clamp(col_, cols_ - 1);
  rowSel_ = clamp(rowSel_, rows_ - 1);
  colSel_ = clamp(colSel_, cols_ - 1);
  topRow_ = std::max(fixedRows_, std::min(topRow_, MaxTopRow()));
  leftCol_ = std::max(fixedCols_, std::min(leftCol_, MaxLeftCol()));
}

bool GridWidget::SetRows(int n) { return SetCount(true, n); }

bool GridWidget::SetCols(int n) { return SetCount(false, n); }

bool GridWidget::SetCount(bool rows, int n) {
  int& count = rows ? rows_ : cols_;
  const int& fixed = rows ? fixedRows_ : fixedCols_;
  int& current = rows ? row_ : col_;
  int& currentSel = rows ? rowSel_ : colSel_;
  int& otherSel = rows ? colSel_ : rowSel_;
  const int& other = rows ? col_ : row_;
  if (n < 0 || n < fixed) return false;
  if (n == count) return true;
  const int target = std::max(0, std::min(current, n - 1));
  const bool moves = n > 0 && target != current;
  QPointer<GridWidget> self(this);
  if (moves) {
    emit leaveCell();  // while the current cell still exists
    if (!self) return true;
  }
  if (n < fixed) return false;  // a handler raised the fixed count
  if (rows)
    Resize(n, cols_);
  else
    Resize(rows_, n);
  if (moves) {
    current = target;
    currentSel = target;
    otherSel = other;
  }
  Relayout();
  if (moves) EmitEntered(true);
  return true;
}

bool GridWidget::SetFixedRows(int n) {
  if (n < 0 || n > rows_) return false;
  fixedRows_ = n;
  Relayout();
  return true;
}

bool GridWidget::SetFixedCols(int n) {
  if (n < 0 || n > cols_) return false;
  fixedCols_ = n;
  Relayout();
  return true;
}

// ---------------------------------------------------------------- cells

QString GridWidget::Text(int row, int col) const {
  if (!IsValidCell(row, col)) return QString();
  return text_[static_cast<std::size_t>(row) * cols_ + col];
}

bool GridWidget::SetText(int row, int col, const QString& text) {
  if (!IsValidCell(row, col)) return false;
  ++textWrites_;
  text_[static_cast<std::size_t>(row) * cols_ + col] = text;
  Repaint();
  return true;
}

int GridWidget::ColWidth(int col) const {
  if (col < 0 || col >= cols_) return -1;
  return colWidth_[col];
}

GridWidget::ColAlign GridWidget::ColAlignment(int col) const {
  return col < 0 || col >= cols_ ? ColAlign::General : colAlign_[col];
}

bool GridWidget::SetColAlignment(int col, ColAlign a) {
  if (col < 0 || col >= cols_) return false;
  colAlign_[col] = a;
  Repaint();
  return true;
}

bool GridWidget::SetColWidth(int col, int twips) {
  if (col < 0 || col >= cols_ || twips < 0) return false;
  colWidth_[col] = twips;
  Relayout();
  return true;
}

int GridWidget::RowHeight(int row) const {
  if (row < 0 || row >= rows_) return -1;
  return RowHeightPx(row) * kTwipsPerPixel;
}

bool GridWidget::SetRowHeight(int row, int twips) {
  if (row < 0 || row >= rows_ || twips < 0) return false;
  if (rowHeight_[row] < 0) ++ownRowHeights_;
  rowHeight_[row] = twips;
  Relayout();
  return true;
}

void GridWidget::SetBackColor(std::uint32_t c) { backColor_ = c; Repaint(); }
void GridWidget::SetBackColorFixed(std::uint32_t c) { backColorFixed_ = c; Repaint(); }
void GridWidget::SetForeColor(std::uint32_t c) { foreColor_ = c; Repaint(); }
void GridWidget::SetForeColorFixed(std::uint32_t c) { foreColorFixed_ = c; Repaint(); }
void GridWidget::SetGridColor(std::uint32_t c) { gridColor_ = c; Repaint(); }

std::uint32_t GridWidget::CellBackColor(int row, int col) const {
  if (!IsValidCell(row, col)) return 0;
  return cellBack_[static_cast<std::size_t>(row) * cols_ + col];
}

bool GridWidget::SetCellBackColor(int row, int col, std::uint32_t c) {
  if (!IsValidCell(row, col)) return false;
  cellBack_[static_cast<std::size_t>(row) * cols_ + col] = c;
  Repaint();
  return true;
}

bool GridWidget::SetRangeBackColor(int row1, int col1, int row2, int col2, std::uint32_t c) {
  if (!IsValidCell(row1, col1) || !IsValidCell(row2, col2)) return false;
  for (int r = std::min(row1, row2); r <= std::max(row1, row2); ++r)
    for (int k = std::min(col1, col2); k <= std::max(col1, col2); ++k)
      cellBack_[static_cast<std::size_t>(r) * cols_ + k] = c;
  Repaint();
  return true;
}

// ---------------------------------------------------- current cell, selection

bool GridWidget::MoveTo(int row, int col, bool user) {
  if (!IsValidCell(row, col)) return false;
  if (row == row_ && col == col_) {
    SetSelection(row, col);
    return true;
  }
  QPointer<GridWidget> self(this);
  emit leaveCell();
  if (!self) return true;
  // A handler may have resized the table or moved the cell itself.
  row = std::max(0, std::min(row, rows_ - 1));
  col = std::max(0, std::min(col, cols_ - 1));
  if (rows_ == 0 || cols_ == 0) return true;
  const bool selChanged = rowSel_ != row || colSel_ != col;
  row_ = row;
  col_ = col;
  rowSel_ = row;
  colSel_ = col;
  if (user) EnsureVisible(row, col);
  if (!self) return true;
  Repaint();
  EmitEntered(selChanged);
  return true;
}

void GridWidget::EmitEntered(bool selChanged) {
  QPointer<GridWidget> self(this);
  emit enterCell();
  if (!self) return;
  emit rowColChange();
  if (!self) return;
  if (selChanged) emit selChange();
}

bool GridWidget::SetRow(int row) {
  if (row < 0 || row >= rows_) return false;
  return MoveTo(row, col_, false);
}

bool GridWidget::SetCol(int col) {
  if (col < 0 || col >= cols_) return false;
  return MoveTo(row_, col, false);
}

bool GridWidget::SetCurrentCell(int row, int col, bool scrollIntoView) {
  return MoveTo(row, col, scrollIntoView);
}

void GridWidget::SetSelection(int rowSel, int colSel) {
  if (rowSel == rowSel_ && colSel == colSel_) return;
  rowSel_ = rowSel;
  colSel_ = colSel;
  Repaint();
  emit selChange();
}

bool GridWidget::SetRowSel(int row) {
  if (row < 0 || row >= rows_) return false;
  SetSelection(row, colSel_);
  return true;
}

bool GridWidget::SetColSel(int col) {
  if (col < 0 || col >= cols_) return false;
  SetSelection(rowSel_, col);
  return true;
}

QString GridWidget::Clip() const {
  if (rows_ == 0 || cols_ == 0) return QString();
  const int r1 = std::min(row_, rowSel_), r2 = std::max(row_, rowSel_);
  const int c1 = std::min(col_, colSel_), c2 = std::max(col_, colSel_);
  return RangeText(r1, c1, r2, c2, QLatin1Char('\r'));
}

QString GridWidget::RangeText(int row1, int col1, int row2, int col2, QChar rowSeparator) const {
  QString out;
  for (int r = row1; r <= row2; ++r) {
    if (r > row1) out += rowSeparator;
    for (int c = col1; c <= col2; ++c) {
      if (c > col1) out += QLatin1Char('\t');
      out += Text(r, c);
    }
  }
  return out;
}

bool GridWidget::RemoveRow(int row) {
  if (row < fixedRows_ || row >= rows_ || rows_ - fixedRows_ < 2) return false;
  const int newRows = rows_ - 1;
  const int target = std::min(row_, newRows - 1);
  const bool moves = target != row_;
  QPointer<GridWidget> self(this);
  if (moves) {
    emit leaveCell();
    if (!self) return true;
    // A handler may have changed the table; check again.
    if (row < fixedRows_ || row >= rows_ || rows_ - fixedRows_ < 2) return false;
  }
  const std::size_t cols = static_cast<std::size_t>(cols_);
  text_.erase(text_.begin() + static_cast<std::ptrdiff_t>(row * cols),
              text_.begin() + static_cast<std::ptrdiff_t>((row + 1) * cols));
  cellBack_.erase(cellBack_.begin() + static_cast<std::ptrdiff_t>(row * cols),
                  cellBack_.begin() + static_cast<std::ptrdiff_t>((row + 1) * cols));
  if (rowHeight_[row] >= 0) --ownRowHeights_;
  rowHeight_.erase(rowHeight_.begin() + row);
  rows_ -= 1;
  if (moves) {
    row_ = std::min(row_, rows_ - 1);
    rowSel_ = row_;
    colSel_ = col_;
  }
  Relayout();
  if (moves) EmitEntered(true);
  return true;
}

// ---------------------------------------------------------------- geometry

int GridWidget::DefaultRowHeightPx() const {
  return std::max(kMinRowHeightPx, fontMetrics().height() + 4);
}

int GridWidget::ColWidthPx(int col) const { return colWidth_[col] / kTwipsPerPixel; }

int GridWidget::AnchoTextoPx(int col) const {
  return col < 0 || col >= cols_ ? 0 : ColWidthPx(col) - 2 * kTextPadPx - 1;
}

void GridWidget::AjustarColumnasAlTexto() {
  const QFontMetrics fm(font());
  for (int c = 0; c < cols_; ++c) {
    int necesita = 0;
    for (int r = 0; r < rows_; ++r) necesita = std::max(necesita, fm.horizontalAdvance(Text(r, c)));
    const int px = necesita + 2 * kTextPadPx + 1;
    if (px > ColWidthPx(c)) SetColWidth(c, px * kTwipsPerPixel);
  }
}

QRect GridWidget::TextRectViewport(int row, int col) const {
  const int x = ColX(col), y = RowY(row);
  if (!IsValidCell(row, col) || x < 0 || y < 0) return QRect();
  QRect tr = QRect(x, y, ColWidthPx(col), RowHeightPx(row)).adjusted(kTextPadPx, 0, -kTextPadPx - 1, -1);
  tr.setRight(std::min(tr.right(), viewport()->width() - 1 - kTextPadPx));
  return tr;
}

QString GridWidget::TextoMostrado(int row, int col) const {
  const QRect tr = TextRectViewport(row, col);
  if (tr.isNull()) return QString();
  const QString& t = text_[static_cast<std::size_t>(row) * cols_ + col];
  // The same measure as the columns' widths (elidedText counts fractions of
  // a pixel that the widths leave out).
  const QFontMetrics fm = fontMetrics();
  if (fm.horizontalAdvance(t) <= tr.width()) return t;
  // A cut number would read as another number: the mark shows it is cut.
  return fm.elidedText(t, Qt::ElideRight, std::max(0, tr.width()));
}

int GridWidget::RowHeightPx(int row) const {
  return rowHeight_[row] < 0 ? DefaultRowHeightPx() : rowHeight_[row] / kTwipsPerPixel;
}

GridWidget::Axis GridWidget::RowAxis() const {
  // Rows without heights of their own all take the default height.
  const int uniform = ownRowHeights_ == 0 ? DefaultRowHeightPx() : -1;
  return Axis{rows_, fixedRows_, topRow_,
              [this](int r) {
                ++rowSizeReads_;
                return RowHeightPx(r);
              },
              uniform};
}

GridWidget::Axis GridWidget::ColAxis() const {
  return Axis{cols_, fixedCols_, leftCol_, [this](int c) { return ColWidthPx(c); }, -1};
}

int GridWidget::Axis::FixedSize() const {
  int s = 0;
  for (int k = 0; k < fixed; ++k) s += size(k);
  return s;
}

int GridWidget::Axis::Offset(int i) const {
  if (i < 0 || i >= count) return -1;
  int pos = 0;
  if (i < fixed) {
    for (int k = 0; k < i; ++k) pos += size(k);
    return pos;
  }
  if (i < first) return -1;
  pos = FixedSize();
  if (uniform >= 0) {
    const std::int64_t p = pos + static_cast<std::int64_t>(i - first) * uniform;
    return static_cast<int>(std::min<std::int64_t>(p, std::numeric_limits<int>::max()));
  }
  for (int k = first; k < i; ++k) pos += size(k);
  return pos;
}

std::vector<GridWidget::Axis::Span> GridWidget::Axis::Spans(int limit) const {
  std::vector<Span> out;
  int pos = 0;
  auto add = [&](int k) {
    const int s = size(k);
    out.push_back({k, pos, s});
    pos += s;
  };
  for (int k = 0; k < fixed && k < count && pos < limit; ++k) add(k);
  // The scrolled items from the first in view: those above it cost nothing.
  for (int k = std::max(first, fixed); k < count && pos < limit; ++k) add(k);
  return out;
}

int GridWidget::Axis::At(int p) const {
  if (p < 0) return -1;
  int pos = 0;
  for (int k = 0; k < fixed && k < count; ++k) {
    const int s = size(k);
    if (p < pos + s) return k;
    pos += s;
  }
  if (uniform > 0) {
    const std::int64_t k = first + static_cast<std::int64_t>(p - pos) / uniform;
    return k < count ? static_cast<int>(k) : -1;
  }
  for (int k = std::max(first, fixed); k < count; ++k) {
    const int s = size(k);
    if (p < pos + s) return k;
    pos += s;
  }
  return -1;
}

int GridWidget::Axis::MaxFirst(int viewportSize) const {
  const int avail = viewportSize - FixedSize();
  int top = count;
  int used = 0;
  while (top > fixed && used + size(top - 1) <= avail) {
    used += size(top - 1);
    --top;
  }
  if (top == count) top = std::max(fixed, count - 1);
  return std::max(fixed, top);
}

int GridWidget::Axis::FirstShowing(int i, int viewportSize) const {
  if (i < fixed || i >= count) return first;
  if (i < first) return i;
  const int avail = viewportSize - FixedSize();
  // The earliest first item, not before the current one, from which the
  // items down to i still fit: walked up from i, so the cost is the rows a
  // viewport holds, however far i is.
  int f = i;
  std::int64_t used = size(i);
  while (f > first) {
    const int s = size(f - 1);
    if (used + s > avail) break;
    used += s;
    --f;
  }
  return f;
}

int GridWidget::FixedWidthPx() const { return ColAxis().FixedSize(); }

int GridWidget::FixedHeightPx() const { return RowAxis().FixedSize(); }

int GridWidget::ColX(int col) const { return ColAxis().Offset(col); }

int GridWidget::RowY(int row) const { return RowAxis().Offset(row); }

QRect GridWidget::CellRect(int row, int col) const {
  const int x = ColX(col), y = RowY(row);
  if (x < 0 || y < 0) return QRect();
  return QRect(viewport()->geometry().topLeft() + QPoint(x, y),
               QSize(ColWidthPx(col), RowHeightPx(row)));
}

QRect GridWidget::CellRectTwips(int row, int col) const {
  QRect r = CellRect(row, col);
  if (r.isNull()) return QRect();
  return QRect(r.x() * kTwipsPerPixel, r.y() * kTwipsPerPixel, r.width() * kTwipsPerPixel,
               r.height() * kTwipsPerPixel);
}

bool GridWidget::CellAtViewport(const QPoint& p, int* row, int* col) const {
  const int foundR = RowAxis().At(p.y());
  const int foundC = ColAxis().At(p.x());
  if (foundR < 0 || foundC < 0) return false;
  *row = foundR;
  *col = foundC;
  return true;
}

bool GridWidget::CellAt(const QPoint& pos, int* row, int* col) const {
  return CellAtViewport(pos - viewport()->geometry().topLeft(), row, col);
}

// ---------------------------------------------------------------- scrolling

int GridWidget::MaxTopRow() const { return RowAxis().MaxFirst(viewport()->height()); }

int GridWidget::MaxLeftCol() const { return ColAxis().MaxFirst(viewport()->width()); }

void GridWidget::UpdateScrollBars() {
  adjustingScroll_ = true;
  const bool h = scrollBars_ == ScrollBarSetting::Horizontal || scrollBars_ == ScrollBarSetting::Both;
  const bool v = scrollBars_ == ScrollBarSetting::Vertical || scrollBars_ == ScrollBarSetting::Both;
  setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  verticalScrollBar()->setRange(0, MaxTopRow() - fixedRows_);
  verticalScrollBar()->setPageStep(std::max(1, (viewport()->height() - FixedHeightPx()) /
                                                   std::max(1, DefaultRowHeightPx())));
  horizontalScrollBar()->setRange(0, MaxLeftCol() - fixedCols_);
  horizontalScrollBar()->setPageStep(1);
  adjustingScroll_ = false;
  // The ranges may have clamped the position.
  const int top = fixedRows_ + verticalScrollBar()->value();
  const int left = fixedCols_ + horizontalScrollBar()->value();
  if (top != topRow_ || left != leftCol_) {
    if (verticalScrollBar()->value() != topRow_ - fixedRows_ &&
        topRow_ - fixedRows_ <= verticalScrollBar()->maximum())
      verticalScrollBar()->setValue(topRow_ - fixedRows_);
    if (horizontalScrollBar()->value() != leftCol_ - fixedCols_ &&
        leftCol_ - fixedCols_ <= horizontalScrollBar()->maximum())
      horizontalScrollBar()->setValue(leftCol_ - fixedCols_);
    // A first row or column the new ranges cannot reach (fewer heading
    // columns, a larger window) follows the scroll bars.
    topRow_ = fixedRows_ + verticalScrollBar()->value();
    leftCol_ = fixedCols_ + horizontalScrollBar()->value();
  }
}

void GridWidget::scrollContentsBy(int, int) {
  if (adjustingScroll_) return;
  const int top = fixedRows_ + verticalScrollBar()->value();
  const int left = fixedCols_ + horizontalScrollBar()->value();
  if (top == topRow_ && left == leftCol_) return;
  topRow_ = top;
  leftCol_ = left;
  Repaint();
  emit scrolled();
}

void GridWidget::SetScrollBars(ScrollBarSetting s) {
  scrollBars_ = s;
  UpdateScrollBars();
}

bool GridWidget::SetTopRow(int row) {
  if (row < fixedRows_ || row >= rows_) return false;
  row = std::min(row, MaxTopRow());
  verticalScrollBar()->setValue(row - fixedRows_);
  return true;
}

bool GridWidget::SetLeftCol(int col) {
  if (col < fixedCols_ || col >= cols_) return false;
  col = std::min(col, MaxLeftCol());
  horizontalScrollBar()->setValue(col - fixedCols_);
  return true;
}

void GridWidget::EnsureVisible(int row, int col) {
  const int top = RowAxis().FirstShowing(row, viewport()->height());
  if (top != topRow_) SetTopRow(top);
  const int left = ColAxis().FirstShowing(col, viewport()->width());
  if (left != leftCol_) SetLeftCol(left);
}

void GridWidget::SetRedraw(bool on) {
  redraw_ = on;
  if (on) viewport()->update();
}

void GridWidget::Repaint() {
  if (redraw_) viewport()->update();
}

QSize GridWidget::sizeHint() const { return QSize(320, 160); }

void GridWidget::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  UpdateScrollBars();
}

bool GridWidget::viewportEvent(QEvent* e) {
  if (e->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(e);
  // A cut text is given whole in the cell's tooltip.
  const auto* ayuda = static_cast<QHelpEvent*>(e);
  int r = -1, c = -1;
  if (CellAtViewport(ayuda->pos(), &r, &c) && TextoMostrado(r, c) != Text(r, c)) {
    QToolTip::showText(ayuda->globalPos(), Text(r, c), viewport(), TextRectViewport(r, c));
  } else {
    QToolTip::hideText();
    e->ignore();
  }
  return true;
}

void GridWidget::changeEvent(QEvent* e) {
  QAbstractScrollArea::changeEvent(e);
  if (e->type() == QEvent::FontChange) {
    UpdateScrollBars();
    Repaint();
  }
}

// ---------------------------------------------------------------- painting

void GridWidget::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  const QRect area = viewport()->rect();
  // Beyond the last row and column: the workspace colour.
  p.fillRect(area, OleToQColor(kSysAppWorkspace));

  using Span = Axis::Span;
  const std::vector<Span> cols = ColAxis().Spans(area.width());
  const std::vector<Span> rows = RowAxis().Spans(area.height());

  const int r1 = std::min(row_, rowSel_), r2 = std::max(row_, rowSel_);
  const int c1 = std::min(col_, colSel_), c2 = std::max(col_, colSel_);
  const bool range = r1 != r2 || c1 != c2;
  const QColor back = OleToQColor(backColor_);
  const QColor backFixed = OleToQColor(backColorFixed_);
  const QColor fore = OleToQColor(foreColor_);
  const QColor foreFixed = OleToQColor(foreColorFixed_);
  const QColor grid = OleToQColor(gridColor_);
  const QColor gridFixed = QColor(0, 0, 0);
  const QColor hiBack = OleToQColor(kSysHighlight);
  const QColor hiText = OleToQColor(kSysHighlightText);
  const bool enabled = isEnabled();

  for (const Span& rs : rows) {
    for (const Span& cs : cols) {
      const int r = rs.index, c = cs.index;
      const QRect cell(cs.pos, rs.pos, cs.size, rs.size);
      if (cell.width() <= 0 || cell.height() <= 0) continue;
      const bool fixed = r < fixedRows_ || c < fixedCols_;
      const bool selected = !fixed && range && r >= r1 && r <= r2 && c >= c1 && c <= c2 &&
                            !(r == row_ && c == col_);
      const std::uint32_t own = cellBack_[static_cast<std::size_t>(r) * cols_ + c];
      QColor bg = own ? OleToQColor(own) : (fixed ? backFixed : back);
      QColor fg = fixed ? foreFixed : fore;
      if (selected) {
        bg = hiBack;
        fg = hiText;
      }
      if (!enabled) fg = palette().color(QPalette::Disabled, QPalette::Text);
      p.fillRect(cell, bg);
      p.setPen(fixed ? gridFixed : grid);
      p.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
      p.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());
      const QString& t = text_[static_cast<std::size_t>(r) * cols_ + c];
      if (!t.isEmpty()) {
        p.setPen(fg);
        const QRect tr = TextRectViewport(r, c);
        const ColAlign a = colAlign_[c];
        const bool derecha = a == ColAlign::Right || (a == ColAlign::General && LooksNumeric(t));
        const Qt::Alignment h = derecha ? Qt::AlignRight : Qt::AlignLeft;
        p.drawText(tr, h | Qt::AlignVCenter | Qt::TextSingleLine, TextoMostrado(r, c));
      }
      if (!fixed && r == row_ && c == col_) {
        QPen pen(fore);
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(1, 1, -2, -2));
      }
    }
  }
}

// ---------------------------------------------------------------- user input

namespace {
enum DragKind { kDragCells = 0, kDragRows = 1, kDragCols = 2, kDragAll = 3 };
}

void GridWidget::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) {
    emit contextMenuRequested(e->globalPosition().toPoint());
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  int r = 0, c = 0;
  if (!CellAtViewport(e->position().toPoint(), &r, &c)) return;
  if (rows_ <= fixedRows_ || cols_ <= fixedCols_) return;
  QPointer<GridWidget> self(this);
  const bool fixedRow = r < fixedRows_;
  const bool fixedCol = c < fixedCols_;
  int kind = (fixedRow ? kDragCols : 0) | (fixedCol ? kDragRows : 0);
  dragKind_ = kind;
  if (kind == kDragCells && (e->modifiers() & Qt::ShiftModifier) && row_ >= fixedRows_ &&
      col_ >= fixedCols_) {
    SetSelection(r, c);
  } else {
    // A heading click selects the whole row, column or table.
    const int tr = fixedRow ? fixedRows_ : r;
    const int tc = fixedCol ? fixedCols_ : c;
    MoveTo(tr, tc, true);
    if (!self) return;
    if (kind == kDragRows) SetSelection(row_, cols_ - 1);
    if (kind == kDragCols) SetSelection(rows_ - 1, col_);
    if (kind == kDragAll) SetSelection(rows_ - 1, cols_ - 1);
    if (!self) return;
  }
  if (self) dragging_ = true;
}

void GridWidget::mouseMoveEvent(QMouseEvent* e) {
  if (!dragging_ || !(e->buttons() & Qt::LeftButton)) return;
  int r = 0, c = 0;
  if (!CellAtViewport(e->position().toPoint(), &r, &c)) return;
  r = std::max(r, fixedRows_);
  c = std::max(c, fixedCols_);
  const int kind = dragKind_;
  if (kind == kDragRows) SetSelection(r, cols_ - 1);
  else if (kind == kDragCols) SetSelection(rows_ - 1, c);
  else if (kind == kDragCells) SetSelection(r, c);
}

void GridWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  dragging_ = false;
  emit clicked();
}

void GridWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  int r = -1, c = -1;
  dblClickRow_ = CellAtViewport(e->position().toPoint(), &r, &c) ? r : -1;
  emit doubleClicked();
}

void GridWidget::keyPressEvent(QKeyEvent* e) {
  if (rows_ <= fixedRows_ || cols_ <= fixedCols_) {
    e->ignore();
    return;
  }
  const int lastRow = rows_ - 1, lastCol = cols_ - 1;
  const bool shift = e->modifiers() & Qt::ShiftModifier;
  const bool ctrl = e->modifiers() & Qt::ControlModifier;
  // Keys move from the selection's far corner when extending it.
  int r = shift ? rowSel_ : row_;
  int c = shift ? colSel_ : col_;
  const int page = std::max(1, (viewport()->height() - FixedHeightPx()) / DefaultRowHeightPx());
  switch (e->key()) {
    case Qt::Key_Up: r -= 1; break;
    case Qt::Key_Down: r += 1; break;
    case Qt::Key_Left: c -= 1; break;
    case Qt::Key_Right: c += 1; break;
    case Qt::Key_PageUp: r -= page; break;
    case Qt::Key_PageDown: r += page; break;
    case Qt::Key_Home:
      c = fixedCols_;
      if (ctrl) r = fixedRows_;
      break;
    case Qt::Key_End:
      c = lastCol;
      if (ctrl) r = lastRow;
      break;
    default:
      e->ignore();
      return;
  }
  r = std::max(fixedRows_, std::min(r, lastRow));
  c = std::max(fixedCols_, std::min(c, lastCol));
  if (shift) {
    SetSelection(r, c);
    EnsureVisible(r, c);
  } else {
    MoveTo(r, c, true);
  }
  e->accept();
}

}  // namespace vardo
