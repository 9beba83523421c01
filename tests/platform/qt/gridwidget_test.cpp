#include "platform/qt/gridwidget.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vardo {
namespace {

// A 6 x 4 table (one heading row and column) that logs its cell events.
class GridFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.resize(400, 200);
    grid.SetRows(6);
    grid.SetCols(4);
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 4; ++c) grid.SetText(r, c, QString("%1,%2").arg(r).arg(c));
    QObject::connect(&grid, &GridWidget::leaveCell, [this] {
      log.push_back("leave " + Cell());
    });
    QObject::connect(&grid, &GridWidget::enterCell, [this] {
      log.push_back("enter " + Cell());
    });
    grid.show();
  }
  std::string Cell() const {
    return std::to_string(grid.Row()) + "," + std::to_string(grid.Col());
  }
  QPoint CenterOf(int r, int c) const { return grid.CellRect(r, c).center() - grid.viewport()->geometry().topLeft(); }

  GridWidget grid;
  std::vector<std::string> log;
};

TEST_F(GridFixture, EveryMoveRaisesLeaveBeforeAndEnterAfter) {
  grid.SetRow(2);
  grid.SetCol(3);
  grid.SetCurrentCell(2, 3);  // already there: nothing
  grid.SetCurrentCell(4, 2);
  QTest::keyClick(&grid, Qt::Key_Down);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CenterOf(1, 1));
  EXPECT_EQ(log, (std::vector<std::string>{"leave 1,1", "enter 2,1", "leave 2,1", "enter 2,3",
                                           "leave 2,3", "enter 4,2", "leave 4,2", "enter 5,2",
                                           "leave 5,2", "enter 1,1"}));
  // Keys stop at the table's edges and never enter the heading.
  log.clear();
  QTest::keyClick(&grid, Qt::Key_Up);
  QTest::keyClick(&grid, Qt::Key_Left);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(Cell(), "1,1");
}

TEST_F(GridFixture, HandlerThatShrinksTheTableDuringLeaveIsSafe) {
  grid.SetCurrentCell(5, 3);
  bool once = true;
  QObject::connect(&grid, &GridWidget::leaveCell, [&] {
    if (once) {
      once = false;
      grid.SetRows(3);  // raises its own leave/enter pair
      grid.SetCols(2);
    }
  });
  log.clear();
  grid.SetCurrentCell(4, 3);  // target no longer exists: lands clamped
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.Cols(), 2);
  EXPECT_EQ(Cell(), "2,1");
  EXPECT_EQ(log.front(), "leave 5,3");
  EXPECT_EQ(log.back(), "enter 2,1");
}

TEST_F(GridFixture, RemoveRowRefusesFixedOutsideAndTheLastDataRow) {
  EXPECT_FALSE(grid.RemoveRow(0));
  EXPECT_FALSE(grid.RemoveRow(6));
  EXPECT_FALSE(grid.RemoveRow(-1));
  EXPECT_TRUE(grid.RemoveRow(2));
  EXPECT_EQ(grid.Rows(), 5);
  EXPECT_EQ(grid.Text(2, 1), "3,1");
  grid.SetCurrentCell(4, 1);
  log.clear();
  EXPECT_TRUE(grid.RemoveRow(4));  // the current row goes: the cell moves up
  EXPECT_EQ(log, (std::vector<std::string>{"leave 4,1", "enter 3,1"}));
  while (grid.Rows() > 2) EXPECT_TRUE(grid.RemoveRow(1));
  EXPECT_FALSE(grid.RemoveRow(1));
  EXPECT_EQ(grid.Rows(), 2);
}

TEST_F(GridFixture, ClipIsTheSelectedRangeWithTabsAndCarriageReturns) {
  grid.SetCurrentCell(3, 2);
  grid.SetRowSel(1);
  grid.SetColSel(3);
  EXPECT_EQ(grid.Clip(), "1,2\t1,3\r2,2\t2,3\r3,2\t3,3");
  // A drag selects from the pressed cell to the released one.
  QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, CenterOf(2, 1));
  QMouseEvent move(QEvent::MouseMove, QPointF(CenterOf(4, 2)), QPointF(grid.viewport()->mapToGlobal(CenterOf(4, 2))),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(grid.viewport(), &move);
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, CenterOf(4, 2));
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(grid.RowSel(), 4);
  EXPECT_EQ(grid.Clip(), "2,1\t2,2\r3,1\t3,2\r4,1\t4,2");
  // A click on a row heading selects the row.
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CenterOf(5, 0));
  EXPECT_EQ(grid.Clip(), "5,1\t5,2\t5,3");
}

TEST_F(GridFixture, CellRectanglesInTwipsAndHeadingsDoNotScroll) {
  grid.SetColWidth(0, 600);
  grid.SetColWidth(1, 1500);
  grid.SetRowHeight(0, 300);
  grid.SetRowHeight(1, 450);
  const QRect r = grid.CellRectTwips(1, 1);
  const int frame = grid.viewport()->geometry().left() * kTwipsPerPixel;
  EXPECT_EQ(r, QRect(frame + 600, frame + 300, 1500, 450));
  EXPECT_EQ(grid.ColWidth(1), 1500);
  EXPECT_EQ(grid.ColWidth(9), -1);
  // Many rows in a small window: scrolling moves data rows only.
  grid.resize(300, 100);
  grid.SetRows(40);
  QSignalSpy scrolled(&grid, &GridWidget::scrolled);
  const QRect heading = grid.CellRect(0, 1);
  grid.SetTopRow(10);
  EXPECT_EQ(grid.TopRow(), 10);
  EXPECT_EQ(scrolled.count(), 1);
  EXPECT_EQ(grid.CellRect(0, 1), heading);
  EXPECT_TRUE(grid.CellRect(5, 1).isNull());
  EXPECT_EQ(grid.CellRect(10, 1).top(), heading.bottom() + 1);
  // A key move past the bottom scrolls the current cell into view.
  grid.SetCurrentCell(39, 1);
  QTest::keyClick(&grid, Qt::Key_Up);
  grid.SetTopRow(1);
  QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(Cell(), "39,3");
  EXPECT_FALSE(grid.CellRect(39, 3).isNull());
}

TEST_F(GridFixture, ResizingKeepsTextsAndColoursAndRefusesBadCounts) {
  grid.SetCellBackColor(2, 2, 0x0000FF);
  grid.SetCols(6);
  grid.SetRows(8);
  EXPECT_EQ(grid.Text(2, 2), "2,2");
  EXPECT_EQ(grid.Text(7, 5), "");
  EXPECT_EQ(grid.CellBackColor(2, 2), 0x0000FFu);
  EXPECT_FALSE(grid.SetRows(-1));
  EXPECT_TRUE(grid.SetFixedRows(2));
  EXPECT_FALSE(grid.SetRows(1));
  EXPECT_FALSE(grid.SetFixedCols(7));
  EXPECT_FALSE(grid.SetText(8, 0, "x"));
  EXPECT_EQ(grid.Text(-1, 0), "");
}

// Where a cell's text is drawn: the middle of its ink, as a fraction of the
// cell's width.
double CentroDeLaTinta(GridWidget& g, int r, int c) {
  const QImage img = g.grab().toImage();
  const QRect cell = g.CellRect(r, c);
  int izquierda = cell.right(), derecha = cell.left();
  for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
    for (int x = cell.left() + 2; x < cell.right() - 1; ++x)
      if (qGray(img.pixel(x, y)) < 128) {
        izquierda = std::min(izquierda, x);
        derecha = std::max(derecha, x);
      }
  return derecha < izquierda ? -1.0 : ((izquierda + derecha) / 2.0 - cell.left()) / cell.width();
}

TEST_F(GridFixture, ColumnAlignmentDecidesWhereTextsGo) {
  grid.SetColWidth(2, 3000);
  const struct {
    GridWidget::ColAlign alineacion;
    const char* texto;
    bool derecha;
  } casos[] = {
      {GridWidget::ColAlign::General, "12.5", true},
      {GridWidget::ColAlign::General, "abc", false},
      {GridWidget::ColAlign::Left, "12.5", false},
      {GridWidget::ColAlign::Right, "abc", true},
  };
  EXPECT_EQ(grid.ColAlignment(2), GridWidget::ColAlign::General);
  for (const auto& c : casos) {
    ASSERT_TRUE(grid.SetColAlignment(2, c.alineacion));
    EXPECT_EQ(grid.ColAlignment(2), c.alineacion);
    grid.SetText(1, 2, QString::fromUtf8(c.texto));
    const double centro = CentroDeLaTinta(grid, 1, 2);
    ASSERT_GE(centro, 0.0) << c.texto;
    EXPECT_EQ(centro > 0.5, c.derecha) << c.texto << " " << centro;
  }
  EXPECT_FALSE(grid.SetColAlignment(4, GridWidget::ColAlign::Left));
  EXPECT_EQ(grid.ColAlignment(-1), GridWidget::ColAlign::General);
  // A column added later starts general; the others keep theirs.
  grid.SetCols(5);
  EXPECT_EQ(grid.ColAlignment(4), GridWidget::ColAlign::General);
  EXPECT_EQ(grid.ColAlignment(2), GridWidget::ColAlign::Right);
}

}  // namespace
}  // namespace vardo

namespace vardo {
namespace {

// Scrolling to a far row costs the rows a viewport holds, not the rows above
// it: Ctrl+End, a click there and Ctrl+Home read as many row heights on a
// table of n rows as on one of 4n, and land where they should.
TEST(GridWidgetGrande, IrAlFinalYVolverCuestaLoMismoConNQueCon4N) {
  auto lecturas = [](int filas) {
    GridWidget g;
    g.resize(400, 300);
    g.SetCols(3);
    g.SetRows(filas);
    g.show();
    const std::size_t antes = g.RowSizeReads();
    QTest::keyClick(&g, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(g.Row(), filas - 1);
    EXPECT_FALSE(g.CellRect(filas - 1, 2).isNull());
    EXPECT_LE(g.CellRect(filas - 1, 2).bottom(), g.viewport()->geometry().bottom());
    g.grab();  // a paint at the foot of the table
    // A click on the row above the last selects that row.
    const QPoint p = g.CellRect(filas - 2, 1).center() - g.viewport()->geometry().topLeft();
    QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_EQ(g.Row(), filas - 2);
    EXPECT_EQ(g.RowSel(), filas - 2);
    QTest::keyClick(&g, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.TopRow(), 1);
    return g.RowSizeReads() - antes;
  };
  const std::size_t n = lecturas(20'000);
  const std::size_t n4 = lecturas(80'000);
  EXPECT_GT(n, 0u);
  // The same work up to a few rows, nowhere near four times as much.
  EXPECT_LE(n4, n + 50) << n << " row reads for n rows";
}

// A table that grows a row at a time (the cascade plot's table) writes each
// row once and keeps the rows it has.
TEST(GridWidgetGrande, CrecerFilaAFilaConservaLoEscrito) {
  GridWidget g;
  g.SetCols(2);
  g.SetRows(1);
  for (int r = 1; r <= 1000; ++r) {
    g.SetRows(r + 1);
    g.SetText(r, 0, QString::number(r));
  }
  EXPECT_EQ(g.TextWrites(), 1000u);
  EXPECT_EQ(g.Text(1, 0), "1");
  EXPECT_EQ(g.Text(1000, 0), "1000");
  g.SetRows(500);
  EXPECT_EQ(g.Text(499, 0), "499");
  g.SetRows(600);
  EXPECT_EQ(g.Text(599, 0), "");
}

}  // namespace
}  // namespace vardo
