// In-cell editing: the order of leave, commit, TablaModificada and enter for
// every kind of move, the editors' rules and a host that rewrites the table
// while it is told of a commit.
#include <clocale>
#include <functional>

#include <QLineEdit>

#include "celdix_fixture.h"
#include "platform/core/numtext.h"
#include "tests/comun/locale_coma.h"

namespace vardo {
namespace {

using Log = std::vector<std::string>;

struct MoveCase {
  const char* name;
  int row, col;  // where the edit starts
  std::function<void(CeldixFixture&)> move;
  Log expected;
};

class EventOrder : public CeldixFixture, public ::testing::WithParamInterface<int> {};

// The commit is told while the grid is still on the cell left (leave comes
// first), and the next editor opens after it (enter comes last).
const std::vector<MoveCase>& MoveCases() {
  static const std::vector<MoveCase> cases = {
      {"EnterKey", 1, 1, [](CeldixFixture& f) { QTest::keyClick(f.Text1(), Qt::Key_Return); },
       {"modified 1,1=5", "enter 1,2 editor"}},
      {"EnterKeyAtRowEndGoesToColumnZero", 1, 3,
       [](CeldixFixture& f) { QTest::keyClick(f.Text1(), Qt::Key_Return); },
       {"modified 1,3=5", "enter 2,0"}},
      {"RightKey", 2, 2, [](CeldixFixture& f) { QTest::keyClick(f.Text1(), Qt::Key_Right); },
       {"modified 2,2=5", "enter 2,3 editor"}},
      {"DownKey", 2, 2, [](CeldixFixture& f) { QTest::keyClick(f.Text1(), Qt::Key_Down); },
       {"modified 2,2=5", "enter 3,2 editor"}},
      {"UpKeyIntoHeading", 1, 2, [](CeldixFixture& f) { QTest::keyClick(f.Text1(), Qt::Key_Up); },
       {"modified 1,2=5", "enter 0,2"}},
      {"LeftKeyAtRowStart", 1, 1,
       [](CeldixFixture& f) { QTest::keyClick(f.Text1(), Qt::Key_Left); },
       {"modified 1,1=5", "enter 1,0"}},
      {"MouseClick", 1, 1, [](CeldixFixture& f) { f.ClickCell(3, 2); },
       {"modified 1,1=5", "enter 3,2 editor"}},
      {"PressReturnByCode", 2, 1, [](CeldixFixture& f) { f.grid.PressReturn(); },
       {"modified 2,1=5", "enter 2,2 editor"}},
      // Column first, then row: the editor opened on the way commits too.
      {"EscribirTexto", 1, 1, [](CeldixFixture& f) { f.grid.EscribirTexto(3, 2, "x"); },
       {"modified 1,1=5", "enter 1,2 editor", "modified 1,2=1,2", "enter 3,2 editor"}},
      {"RowsShrinkUnderTheEditor", 4, 1, [](CeldixFixture& f) { f.grid.SetRows(3); },
       {"modified 4,1=5", "enter 2,1 editor"}},
      {"GridMoveByCode", 3, 3, [](CeldixFixture& f) { f.G()->SetRow(1); },
       {"modified 3,3=5", "enter 1,3 editor"}},
  };
  return cases;
}

TEST_P(EventOrder, LeaveCommitTablaModificadaEnter) {
  const MoveCase& c = MoveCases()[GetParam()];
  SCOPED_TRACE(c.name);
  OpenEditorAt(c.row, c.col);
  ASSERT_TRUE(grid.EditorOpen());
  Type("5");
  c.move(*this);
  EXPECT_EQ(log, c.expected);
  if (grid.Rows() > c.row) {
    EXPECT_EQ(grid.TextMatrix(c.row, c.col), "5");
  }
  // The open editor sits over the current cell and shows its text.
  if (grid.EditorOpen()) {
    QRect cell = G()->CellRect(G()->Row(), G()->Col()).translated(G()->pos());
    EXPECT_EQ(Text1()->geometry(), cell);
    EXPECT_EQ(Text1()->text(), grid.TextMatrix(G()->Row(), G()->Col()));
  }
}

INSTANTIATE_TEST_SUITE_P(Moves, EventOrder, ::testing::Range(0, 11),
                         [](const auto& info) { return std::string(MoveCases()[info.param].name); });

TEST_F(CeldixFixture, FirstLeaveAfterCreationCommitsNothing) {
  // The fixture's grid has seen no leave yet: the first one is swallowed.
  G()->SetCurrentCell(1, 1);
  EXPECT_TRUE(grid.EditorOpen());
  Type("first");
  QTest::keyClick(Text1(), Qt::Key_Return);
  EXPECT_EQ(log, (Log{"enter 1,1 editor", "modified 1,1=first", "enter 1,2 editor"}));
}

TEST_F(CeldixFixture, NoEditorOpenMeansNothingIsCommitted) {
  OpenEditorAt(2, 2);
  Type("typed");
  grid.KillFocus();
  EXPECT_FALSE(grid.EditorOpen());
  EXPECT_EQ(Text1()->text(), "2,2");
  G()->SetCurrentCell(3, 3);
  EXPECT_EQ(grid.TextMatrix(2, 2), "2,2");
  EXPECT_EQ(log, (Log{"enter 3,3 editor"}));
  // Scrolling or losing the focus with no editor open commit nothing either.
  grid.KillFocus();
  log.clear();
  G()->SetTopRow(2);
  grid.SetReadOnlyTable(false);
  EXPECT_TRUE(log.empty());
}

TEST_F(CeldixFixture, TextMatrixPutTouchesTheEditorOnlyForTheCellUnderEdit) {
  OpenEditorAt(2, 2);
  Type("mine");
  grid.SetTextMatrix(3, 3, "other");
  EXPECT_EQ(Text1()->text(), "mine");
  QTest::keyClick(Text1(), Qt::Key_Return);
  EXPECT_EQ(grid.TextMatrix(2, 2), "mine");
  EXPECT_EQ(grid.TextMatrix(3, 3), "other");
  // A put into the cell under edit shows in its editor and is what commits.
  grid.SetTextMatrix(2, 3, "host");
  EXPECT_EQ(Text1()->text(), "host");
  QTest::keyClick(Text1(), Qt::Key_Return);
  EXPECT_EQ(grid.TextMatrix(2, 3), "host");
  EXPECT_FALSE(grid.SetTextMatrix(9, 1, "x"));
}

TEST_F(CeldixFixture, HostRewritingTheTableInsideTablaModificada) {
  // A host that keeps column 3 as the sum of columns 1 and 2, rewrites the
  // cell the user is moving to, recolours and drops the last row.
  int calls = 0;
  QObject::connect(&grid, &Celdix::TablaModificada, [&] {
    ++calls;
    grid.SetTextMatrix(1, 2, "10");
    for (int r = 1; r < grid.Rows(); ++r) {
      double sum = TextoANumero(grid.TextMatrix(r, 1).toStdString()) +
                   TextoANumero(grid.TextMatrix(r, 2).toStdString());
      grid.SetTextMatrix(r, 3, QString::fromStdString(NumTexto(sum)));
    }
    grid.SetColor(1, MakeRgb(255, 255, 0));
    grid.ColorearTabla();
    if (grid.Rows() > 3) grid.SetRows(grid.Rows() - 1);
  });
  OpenEditorAt(1, 1);
  Type("2.5");
  QTest::keyClick(Text1(), Qt::Key_Return);  // commit (1,1), move to (1,2)
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(grid.TextMatrix(1, 1), "2.5");
  EXPECT_EQ(grid.TextMatrix(1, 3), "12.5");
  EXPECT_EQ(grid.Rows(), 4);
  EXPECT_EQ(G()->CellBackColor(1, 0), MakeRgb(255, 255, 0));
  // The editor opened after the host's changes shows the rewritten text.
  EXPECT_EQ(G()->Row(), 1);
  EXPECT_EQ(G()->Col(), 2);
  ASSERT_TRUE(grid.EditorOpen());
  EXPECT_EQ(Text1()->text(), "10");
  // The user moves on without typing: the host's text stays.
  QTest::keyClick(Text1(), Qt::Key_Down);
  EXPECT_EQ(grid.TextMatrix(1, 2), "10");
  EXPECT_EQ(grid.Rows(), 3);
  // Moving to a row the host removes lands on the last row left.
  OpenEditorAt(1, 1);
  QObject::connect(&grid, &Celdix::TablaModificada, [&] { grid.SetRows(2); });
  QTest::keyClick(Text1(), Qt::Key_Down);
  EXPECT_EQ(G()->Row(), 1);
  EXPECT_TRUE(G()->IsValidCell(G()->Row(), G()->Col()));
}

struct NumericCase {
  const char* typed;
  const char* stored;
};

TEST_F(CeldixFixture, NumericColumnTakesNumbersAndRefusesTheRest) {
  grid.SetColNumeric(2);
  // stored nullptr: refused with the message, the cell keeping its text.
  const NumericCase cases[] = {{"12", "12"},     {"-1.5e3", "-1.5e3"}, {"+.5", "+.5"},
                               {"3.25", "3.25"}, {"1,5", "1.5"},       {" 2,5 ", "2.5"},
                               {"abc", nullptr}, {"", nullptr},        {"2x", nullptr},
                               {"1e999", nullptr}, {"1,5,0", nullptr}};
  // '.' is the decimal point whatever the locale, and ',' is one too.
  LocaleComa coma;
  ASSERT_TRUE(coma.Puesto());
  for (const NumericCase& c : cases) {
    SCOPED_TRACE(c.typed);
    grid.SetTextMatrix(1, 2, QStringLiteral("7"));
    log.clear();
    runner.Clear();
    OpenEditorAt(1, 2);
    log.clear();
    Text1()->setText(QString::fromUtf8(c.typed));
    QTest::keyClick(Text1(), Qt::Key_Return);
    if (c.stored) {
      EXPECT_EQ(grid.TextMatrix(1, 2).toStdString(), c.stored);
      ASSERT_FALSE(log.empty());
      EXPECT_EQ(log.front(), std::string("modified 1,2=") + c.stored);
      EXPECT_TRUE(runner.Log().empty());
    } else {
      EXPECT_EQ(grid.TextMatrix(1, 2).toStdString(), "7");
      for (const std::string& l : log) EXPECT_NE(l.rfind("modified", 0), 0u) << l;
      ASSERT_EQ(runner.Log().size(), 1u);
      EXPECT_EQ(runner.Log()[0].text, "Introduzca un número.");
    }
  }
}

TEST_F(CeldixFixture, ReadOnlyColumnsAndCellsShowNoEditorAndCommitNothing) {
  grid.SetColReadOnly(3);
  EXPECT_TRUE(grid.SetReadOnlyCells(2, 2, true));  // column 2, row 2
  EXPECT_FALSE(grid.SetReadOnlyCells(2, 99, true));
  OpenEditorAt(1, 2);
  Type("a");
  QTest::keyClick(Text1(), Qt::Key_Down);  // into the read-only cell
  EXPECT_EQ(log, (Log{"modified 1,2=a", "enter 2,2"}));
  EXPECT_FALSE(grid.EditorOpen());
  log.clear();
  ClickCell(1, 3);  // read-only column
  ClickCell(3, 2);
  EXPECT_EQ(log, (Log{"enter 1,3", "enter 3,2 editor"}));
  // Clearing the flag makes the cell editable again.
  grid.SetReadOnlyCells(2, 2, false);
  ClickCell(2, 2);
  EXPECT_TRUE(grid.EditorOpen());
}

TEST_F(CeldixFixture, ReadOnlyTableShowsNoEditorAndNeverTellsOfAChange) {
  OpenEditorAt(1, 1);
  grid.SetReadOnlyTable(true);
  EXPECT_FALSE(grid.EditorOpen());  // no editor left open over it
  EXPECT_EQ(G()->BackColor(), MakeRgb(220, 220, 220));
  ClickCell(2, 2);
  QTest::keyClick(G(), Qt::Key_Return);
  ClickCell(3, 1);
  EXPECT_FALSE(grid.EditorOpen());
  for (const auto& e : log) EXPECT_EQ(e.rfind("modified", 0), std::string::npos) << e;
  grid.SetReadOnlyTable(false);
  EXPECT_EQ(G()->BackColor(), MakeRgb(255, 255, 255));
  ClickCell(2, 2);
  EXPECT_TRUE(grid.EditorOpen());
}

TEST_F(CeldixFixture, DropdownColumnEditsThroughTheComboBox) {
  grid.SetColDropdown(2);
  for (const char* t : {"Agua", "Vapor", "Aceite"}) EXPECT_TRUE(grid.SetTextoDropdown(2, t));
  grid.SetTextMatrix(2, 2, "");
  grid.SetTextMatrix(3, 2, "Otro");
  QComboBox* combo = grid.ComboEditor();
  OpenEditorAt(2, 2);
  ASSERT_FALSE(combo->isHidden());
  EXPECT_TRUE(Text1()->isHidden());
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->itemText(0), "Agua");
  EXPECT_EQ(combo->itemText(2), "Aceite");
  EXPECT_EQ(combo->currentText(), "");  // an empty cell opens empty
  combo->setCurrentIndex(1);
  QTest::keyClick(combo, Qt::Key_Return);
  EXPECT_EQ(grid.TextMatrix(2, 2), "Vapor");
  EXPECT_EQ(log.front(), "modified 2,2=Vapor");
  // A text not among the options still shows; Down stays with the list.
  ClickCell(3, 2);
  EXPECT_EQ(combo->currentText(), "Otro");
  QTest::keyClick(combo, Qt::Key_Right);
  EXPECT_EQ(G()->Col(), 3);
  EXPECT_TRUE(combo->isHidden());
  EXPECT_FALSE(Text1()->isHidden());
  // 21 option slots: the 22nd is refused.
  for (int i = 3; i < kCeldixDropdownSlots; ++i) EXPECT_TRUE(grid.SetTextoDropdown(2, "x"));
  EXPECT_FALSE(grid.SetTextoDropdown(2, "one too many"));
  EXPECT_FALSE(grid.SetTextoDropdown(40, "no such column"));
}

TEST_F(CeldixFixture, CommitPaintsTheCellWithItsRowColour) {
  grid.SetColor(2, MakeRgb(0, 200, 0));
  EXPECT_EQ(G()->CellBackColor(2, 1), 0u);  // nothing painted yet
  OpenEditorAt(2, 1);
  QTest::keyClick(Text1(), Qt::Key_Return);
  EXPECT_EQ(G()->CellBackColor(2, 1), MakeRgb(0, 200, 0));
  EXPECT_EQ(G()->CellBackColor(2, 2), 0u);
  grid.ColorearTabla();
  for (int c = 0; c < 4; ++c) EXPECT_EQ(G()->CellBackColor(2, c), MakeRgb(0, 200, 0));
  EXPECT_FALSE(grid.SetColor(40, 1));
}

TEST_F(CeldixFixture, ClickAndDoubleClickReachTheHost) {
  int clicks = 0, doubles = 0, selChanges = 0;
  QObject::connect(&grid, &Celdix::Click, [&] { ++clicks; });
  QObject::connect(&grid, &Celdix::DblClick, [&] { ++doubles; });
  QObject::connect(&grid, &Celdix::CambioSel, [&] { ++selChanges; });
  ClickCell(2, 2);
  QTest::mouseDClick(G()->viewport(), Qt::LeftButton, {}, CellCenter(3, 3));
  QTest::mouseDClick(Text1(), Qt::LeftButton);
  EXPECT_GE(clicks, 1);
  EXPECT_EQ(doubles, 2);
  EXPECT_GE(selChanges, 1);
}

}  // namespace
}  // namespace vardo

namespace vardo {
namespace {

TEST_F(CeldixFixture, ScrollingAndLosingTheFocusCommitTheOpenEdit) {
  grid.SetRows(40);
  OpenEditorAt(2, 1);
  Type("scrolled");
  G()->SetTopRow(5);
  EXPECT_EQ(log, (Log{"modified 2,1=scrolled"}));
  EXPECT_FALSE(grid.EditorOpen());

  // Focus moving to a widget outside the control commits too; moving
  // inside it (editor to grid) does not.
  QWidget host;
  grid.setParent(&host);
  QLineEdit other(&host);
  other.move(0, 300);
  host.resize(520, 340);
  host.show();
  QApplication::setActiveWindow(&host);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
  G()->SetTopRow(1);
  OpenEditorAt(3, 2);
  Text1()->setFocus();
  Type("focus");
  G()->setFocus();
  EXPECT_TRUE(log.empty());
  Text1()->setFocus();
  other.setFocus();
  EXPECT_EQ(log, (Log{"modified 3,2=focus"}));
  grid.setParent(nullptr);
}

// A control destroyed with the focus in its open editor: while its children
// go, the focus moves on, and the half-destroyed control must not answer
// that (nor the moves after it).
TEST(CeldixVida, DestruidaConElFocoDentroNoAtiendeElCambioDeFoco) {
  QWidget host;
  QLineEdit other(&host);
  other.move(0, 300);
  auto* grid = new Celdix(&host);
  grid->SetRows(3);
  grid->SetCols(3);
  grid->SetFixedRows(1);
  grid->SetFixedCols(1);
  host.resize(520, 340);
  host.show();
  QApplication::setActiveWindow(&host);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
  // The first move only arms the leave; the second opens the editor.
  grid->Grid()->SetCurrentCell(1, 1);
  grid->Grid()->SetCurrentCell(2, 1);
  ASSERT_TRUE(grid->EditorOpen());
  grid->TextEditor()->setFocus();
  QTest::keyClicks(grid->TextEditor(), "abierta");
  ASSERT_EQ(QApplication::focusWidget(), grid->TextEditor());
  int modificada = 0;
  QObject::connect(grid, &Celdix::TablaModificada, &host, [&] { ++modificada; });
  delete grid;
  other.setFocus();
  EXPECT_EQ(modificada, 0);
  EXPECT_EQ(QApplication::focusWidget(), &other);
}

}  // namespace
}  // namespace vardo
