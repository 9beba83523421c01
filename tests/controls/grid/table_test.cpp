// Rows, clipboard, stored properties and creation by class id.
#include <QClipboard>
#include <QTest>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>

#include "celdix_fixture.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/kit/host.h"

namespace vardo {
namespace {

using Log = std::vector<std::string>;

// ---------------------------------------------------------------- rows

TEST_F(CeldixFixture, AddRowCommitsTheEditAndAppendsAnEmptyRow) {
  OpenEditorAt(2, 2);
  Type("typed");
  QTest::mouseClick(grid.AddButton(), Qt::LeftButton);
  EXPECT_EQ(log, (Log{"modified 2,2=typed", "NuevaLinea"}));
  EXPECT_EQ(grid.Rows(), 6);
  EXPECT_EQ(grid.TextMatrix(5, 1), "");
  EXPECT_FALSE(grid.EditorOpen());
  // The next move commits nothing more and opens the next editor.
  log.clear();
  ClickCell(5, 1);
  EXPECT_EQ(log, (Log{"enter 5,1 editor"}));
}

TEST_F(CeldixFixture, DeleteRowAsksAndRemovesTheSelectedRowOnYes) {
  ClickCell(2, 1);
  runner.Script({Answer::No, Answer::Yes});
  QTest::mouseClick(grid.DelButton(), Qt::LeftButton);
  EXPECT_EQ(grid.Rows(), 5);
  QTest::mouseClick(grid.DelButton(), Qt::LeftButton);
  ASSERT_EQ(runner.Log().size(), 2u);
  EXPECT_EQ(runner.Log()[0].text, "¿Confirma que desea eliminar la fila seleccionada?");
  EXPECT_EQ(runner.Log()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(grid.Rows(), 4);
  EXPECT_EQ(grid.TextMatrix(2, 1), "3,1");
  EXPECT_EQ(log.back(), "BorrarLinea");
  // The selection's end row is the one removed.
  G()->SetCurrentCell(1, 1);
  G()->SetRowSel(3);
  EXPECT_EQ(grid.GetSelRow(), 3);
  QTest::mouseClick(grid.DelButton(), Qt::LeftButton);
  EXPECT_EQ(grid.TextMatrix(2, 1), "3,1");
  EXPECT_EQ(grid.Rows(), 3);
}

TEST_F(CeldixFixture, DeleteOfAHeadingOrTheLastDataRowDoesNothing) {
  G()->SetCurrentCell(0, 1);  // a heading row selected by code
  grid.DeleteRowCommand();
  EXPECT_EQ(grid.Rows(), 5);
  grid.SetRows(2);
  G()->SetCurrentCell(1, 1);
  grid.DeleteRowCommand();
  EXPECT_EQ(grid.Rows(), 2);
  EXPECT_TRUE(runner.Log().empty());
  EXPECT_EQ(std::count(log.begin(), log.end(), "BorrarLinea"), 0);
}

TEST_F(CeldixFixture, DeleteButtonFollowsTheRowCountAndReadOnlyTable) {
  grid.SetRows(2);  // FixedRows + 1
  EXPECT_FALSE(grid.DelButton()->isEnabled());
  grid.SetRows(3);  // FixedRows + 2
  EXPECT_TRUE(grid.DelButton()->isEnabled());
  grid.SetRows(2);
  QTest::mouseClick(grid.AddButton(), Qt::LeftButton);
  EXPECT_TRUE(grid.DelButton()->isEnabled());
  grid.SetReadOnlyTable(true);
  for (QToolButton* b : {grid.AddButton(), grid.DelButton(), grid.PegarButton()})
    EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
  EXPECT_TRUE(grid.CopyButton()->isEnabled());
  grid.SetRows(6);  // a Rows put leaves the read-only buttons off
  EXPECT_FALSE(grid.DelButton()->isEnabled());
  // Called directly, the commands still refuse to change the table.
  G()->SetCurrentCell(2, 1);
  log.clear();
  grid.AddRowCommand();
  grid.DeleteRowCommand();
  grid.PasteText("x\ny\nz\nw\nv\nu\nt\n");
  EXPECT_EQ(grid.Rows(), 6);
  EXPECT_EQ(grid.TextMatrix(1, 1), "1,1");
  EXPECT_TRUE(runner.Log().empty());
  EXPECT_TRUE(log.empty());
  grid.SetReadOnlyTable(false);
  for (QToolButton* b : {grid.AddButton(), grid.DelButton(), grid.PegarButton()})
    EXPECT_TRUE(b->isEnabled());
}

// The buttons are shown by default; a host that hides them gives their
// column to the grid, and the switch is neither stored nor tied to the
// read-only mode. The popup menu still copies.
TEST_F(CeldixFixture, ButtonsCanBeHiddenAtRunTime) {
  const QList<QToolButton*> botones{grid.CopyButton(), grid.PegarButton(), grid.AddButton(),
                                    grid.DelButton()};
  EXPECT_TRUE(grid.MostrarBotones());
  for (QToolButton* b : botones) EXPECT_TRUE(b->isVisible()) << b->objectName().toStdString();
  const QRect antes = G()->geometry();
  PropertyBag guardado;
  grid.WriteProperties(guardado);

  grid.SetMostrarBotones(false);
  for (QToolButton* b : botones) EXPECT_FALSE(b->isVisible()) << b->objectName().toStdString();
  EXPECT_EQ(G()->x(), 0);
  EXPECT_EQ(G()->y(), antes.y());
  EXPECT_EQ(G()->width(), antes.width() + antes.x());
  EXPECT_FALSE(grid.ReadOnlyTable());
  PropertyBag ahora;
  grid.WriteProperties(ahora);
  EXPECT_EQ(ahora, guardado);
  // A new size keeps the grid where the buttons were.
  grid.resize(400, 200);
  EXPECT_EQ(G()->x(), 0);
  EXPECT_EQ(G()->width(), antes.width() + antes.x() - 100);
  // Copy stays on the popup menu.
  EXPECT_FALSE(grid.Menu()->findChild<QAction*>(QStringLiteral("CopyTable")) == nullptr);

  grid.SetMostrarBotones(true);
  for (QToolButton* b : botones) EXPECT_TRUE(b->isVisible());
  grid.resize(500, 260);
  EXPECT_EQ(G()->geometry(), antes);
}

// A read-only table leaves Enter to the window around it; an editable one
// moves on to the next cell.
TEST_F(CeldixFixture, EnterInAReadOnlyTableGoesToTheWindow) {
  for (bool soloLectura : {false, true}) {
    grid.SetReadOnlyTable(soloLectura);
    G()->SetCurrentCell(1, 1);
    G()->setFocus();
    QTest::keyClick(G(), Qt::Key_Return);
    EXPECT_EQ(G()->Col(), soloLectura ? 1 : 2) << soloLectura;
    // The dialog host reads this mark to press its default button.
    EXPECT_EQ(G()->property(kit::kIntroAlDialogo).toBool(), soloLectura);
  }
}

// ---------------------------------------------------------------- paste

struct PasteCase {
  const char* name;
  const char* text;
  std::vector<std::vector<const char*>> expect;  // rows 1.. , columns 1..3
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

class Paste : public CeldixFixture, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(Paste, LinesEndedByCrLfLfOrCrAndTheLastLineToo) {
  const PasteCase& c = GetParam();
  QGuiApplication::clipboard()->setText(QString::fromUtf8(c.text));
  QTest::mouseClick(grid.PegarButton(), Qt::LeftButton);
  for (std::size_t i = 0; i < c.expect.size(); ++i)
    for (std::size_t j = 0; j < c.expect[i].size(); ++j)
      EXPECT_EQ(grid.TextMatrix(int(i) + 1, int(j) + 1).toStdString(), c.expect[i][j])
          << "row " << i + 1 << " col " << j + 1;
  EXPECT_EQ(log, (Log{"TablaPegada"}));
  EXPECT_TRUE(runner.Log().empty());
  EXPECT_EQ(grid.Rows(), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Paste,
    ::testing::Values(
        PasteCase{"CrLf", "a\tb\r\nc\td\r\n", {{"a", "b", "1,3"}, {"c", "d", "2,3"}, {"3,1"}}},
        PasteCase{"Lf", "a\tb\nc\td\n", {{"a", "b", "1,3"}, {"c", "d", "2,3"}, {"3,1"}}},
        PasteCase{"Unterminated", "a\tb\nc\td", {{"a", "b", "1,3"}, {"c", "d", "2,3"}}},
        PasteCase{"BareCr", "a\tb\rc\td\r", {{"a", "b"}, {"c", "d"}}},
        PasteCase{"OneCellNoEnd", "solo", {{"solo", "1,2"}, {"2,1"}}},
        PasteCase{"EmptyLineAndWideRow", "a\t\tc\textra\n\nz",
                  {{"a", "", "c"}, {"", "2,2"}, {"z", "3,2"}}},
        PasteCase{"Accents", "Vapor ñ\t25.5\r\n", {{"Vapor ñ", "25.5"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CeldixFixture, PasteOfMoreRowsAsksToGrowTheTable) {
  const char* six = "1\n2\n3\n4\n5\n6";  // four data rows in the table
  runner.Script({Answer::No});
  grid.PasteText(six);
  ASSERT_EQ(runner.Log().size(), 1u);
  EXPECT_EQ(runner.Log()[0].caption, "Pegar Tabla");
  EXPECT_EQ(runner.Log()[0].text,
            "El portapapeles contiene una tabla con más filas que la tabla de destino.\n\n"
            "¿Desea aumentar el tamaño de la tabla de destino para que quepa todo el contenido "
            "del portapapeles?");
  EXPECT_EQ(runner.Log()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(grid.Rows(), 5);
  EXPECT_EQ(grid.TextMatrix(4, 1), "4");  // what fits is pasted
  runner.Script({Answer::Yes});
  grid.PasteText(six);
  EXPECT_EQ(grid.Rows(), 7);
  EXPECT_EQ(grid.TextMatrix(6, 1), "6");
  EXPECT_TRUE(grid.DelButton()->isEnabled());
  EXPECT_EQ(log, (Log{"TablaPegada", "TablaPegada"}));
  // As many lines as data rows, with a final line end: no question.
  runner.Clear();
  grid.PasteText("a\nb\nc\nd\ne\nf\r\n");
  EXPECT_TRUE(runner.Log().empty());
}

TEST_F(CeldixFixture, PasteSkipsCellsThatBreakAColumnOrCellRule) {
  grid.SetColNumeric(1);
  grid.SetColDropdown(2);
  grid.SetTextoDropdown(2, "Agua");
  grid.SetTextoDropdown(2, "Vapor");
  grid.SetColReadOnly(3);
  grid.SetReadOnlyCells(1, 2, true);  // column 1, row 2
  grid.PasteText("12.5\tVapor\tro\nabc\tAceite\tro\n-3e2\tAgua\n7\tagua\n");
  const char* expect[4][3] = {{"12.5", "Vapor", "1,3"},
                              {"2,1", "2,2", "2,3"},  // read-only cell; not an option
                              {"-3e2", "Agua", "3,3"},
                              {"7", "4,2", "4,3"}};  // options match exactly
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(grid.TextMatrix(r + 1, c + 1).toStdString(), expect[r][c]);
  // "abc" in the numeric column of row 2 met the read-only cell first.
  grid.SetReadOnlyCells(1, 2, false);
  grid.PasteText("1\nabc\n");
  EXPECT_EQ(grid.TextMatrix(2, 1), "2,1");
}

TEST_F(CeldixFixture, PasteWithoutTextOnTheClipboardDoesNothing) {
  auto* md = new QMimeData;
  md->setData("application/x-other", "bytes");
  QGuiApplication::clipboard()->setMimeData(md);
  grid.PasteCommand();
  grid.PasteText("");
  EXPECT_TRUE(log.empty());
}

TEST_F(CeldixFixture, PasteCommitsAnOpenEditFirst) {
  OpenEditorAt(1, 1);
  Type("stale");
  QGuiApplication::clipboard()->setText("new");
  QTest::mouseClick(grid.PegarButton(), Qt::LeftButton);
  ClickCell(3, 3);
  EXPECT_EQ(grid.TextMatrix(1, 1), "new");
  EXPECT_EQ(log.front(), "modified 1,1=stale");
}

// ---------------------------------------------------------------- copy

TEST_F(CeldixFixture, CopiesOfTheTableAndOfTheSelection) {
  grid.SetRows(3);
  grid.SetCols(3);
  OpenEditorAt(1, 1);
  Type("e");
  QTest::mouseClick(grid.CopyButton(), Qt::LeftButton);  // commits first
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "0,0\t0,1\t0,2\n1,0\te\t1,2\n2,0\t2,1\t2,2");
  G()->SetCurrentCell(1, 1);
  G()->SetRowSel(2);
  G()->SetColSel(2);
  grid.CopySelection();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "e\t1,2\r2,1\t2,2");
  // Both copies paste back as they were: the selection into the data
  // cells, the table without its heading row and column.
  grid.SetTextMatrix(2, 2, "changed");
  QGuiApplication::clipboard()->setText(QString("e\t1,2\r2,1\t2,2"));
  grid.PasteCommand();
  EXPECT_EQ(grid.TextMatrix(2, 2), "2,2");
  const QString tabla = grid.TableText();
  grid.SetTextMatrix(1, 1, "x");
  grid.SetTextMatrix(2, 2, "y");
  QGuiApplication::clipboard()->setText(tabla);
  QTest::mouseClick(grid.PegarButton(), Qt::LeftButton);
  EXPECT_EQ(grid.TableText(), tabla);
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_TRUE(runner.Log().empty());
  // Only the table's own headings are skipped: other first lines are data.
  grid.PasteText("0,0\t0,1\t0,X\n");
  EXPECT_EQ(grid.TextMatrix(1, 1), "0,0");
  // The menu carries the two copy items.
  ASSERT_EQ(grid.Menu()->actions().size(), 2);
  EXPECT_EQ(grid.Menu()->title(), "Menú Grid");
  EXPECT_EQ(grid.Menu()->actions()[0]->text(), "Copiar &Selección");
  EXPECT_EQ(grid.Menu()->actions()[1]->text(), "Copiar &Tabla");
  grid.Menu()->actions()[1]->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), grid.TableText());
}

// ---------------------------------------------------------------- stored properties

TEST(CeldixProperties, DefaultsAreLeftOutExceptForeColorFixed) {
  Celdix c;
  c.ReadProperties(PropertyBag());
  PropertyBag out;
  c.WriteProperties(out);
  ASSERT_EQ(out.Entries().size(), 1u);
  EXPECT_EQ(out.Entries()[0].key, "ForeColorFixed");
  EXPECT_EQ(std::get<std::int64_t>(out.Entries()[0].value), 0x80000012);
  // Nothing stored: a 6 x 6 table with no headings and column 0 of width 0.
  EXPECT_EQ(c.Rows(), 6);
  EXPECT_EQ(c.Cols(), 6);
  EXPECT_EQ(c.FixedRows(), 0);
  EXPECT_EQ(c.ColWidth(0), 0);
  EXPECT_EQ(c.ScrollBars(), 3);
  EXPECT_EQ(c.ForeColor(), 0x80000008u);
}

TEST(CeldixProperties, StoredValuesRoundTripInTheirOrder) {
  Celdix a;
  a.ReadProperties(PropertyBag());
  a.SetRows(12);
  a.SetCols(5);
  a.SetFixedRows(3);  // more than the rows read before "Rows"
  a.SetFixedCols(1);
  a.SetColWidth(0, 450);
  a.SetColWidth(1, 999);  // only column 0 is stored
  a.SetTextMatrix(0, 0, "Nº");
  a.SetTextMatrix(1, 1, "lost");
  a.SetFontSize(8.25f);
  a.SetFontName("Arial");
  a.SetBackColor(MakeRgb(1, 2, 3));
  a.SetReadOnlyTable(true);
  a.SetPermitirNuevoBorrar(true);
  a.SetScrollBars(2);
  EXPECT_TRUE(a.IsDirty());
  PropertyBag bag;
  a.WriteProperties(bag);
  std::vector<std::string> keys;
  for (const auto& e : bag.Entries()) keys.push_back(e.key);
  EXPECT_EQ(keys, (std::vector<std::string>{"BackColor", "ColWidth0", "FixedCols", "FixedRows",
                                            "FontName", "FontSize", "Rows", "Cols", "ScrollBars",
                                            "TextMatrix0", "ReadOnlyTable", "PermitirNuevoBorrar",
                                            "ForeColorFixed"}));
  auto restored = PropertyBag::FromBytes(bag.ToBytes());
  ASSERT_TRUE(restored.has_value());
  Celdix b;
  b.ReadProperties(*restored);
  EXPECT_EQ(b.Rows(), 12);
  EXPECT_EQ(b.Cols(), 5);
  EXPECT_EQ(b.FixedRows(), 3);
  EXPECT_EQ(b.ColWidth(0), 450);
  EXPECT_NE(b.ColWidth(1), 999);
  EXPECT_EQ(b.TextMatrix(0, 0), "Nº");
  EXPECT_EQ(b.TextMatrix(1, 1), "");
  EXPECT_FLOAT_EQ(b.FontSize(), 8.25f);
  EXPECT_EQ(b.BackColor(), MakeRgb(1, 2, 3));
  EXPECT_TRUE(b.PermitirNuevoBorrar());
  EXPECT_EQ(b.ScrollBars(), 2);
  // The read-only flag comes back with its buttons but not the grey look.
  EXPECT_TRUE(b.ReadOnlyTable());
  EXPECT_FALSE(b.AddButton()->isEnabled());
  EXPECT_NE(b.Grid()->BackColor(), MakeRgb(220, 220, 220));
}

TEST(CeldixRegistry, CreatedByItsClassId) {
  QWidget host;
  QWidget* w = ComponentRegistry::Instance().Create("{bd0c579d-9a24-11d5-8bb5-dbe515e72673}", &host);
  auto* c = qobject_cast<Celdix*>(w);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->parentWidget(), &host);
  EXPECT_EQ(c->Grid()->Row(), 0);  // creation leaves the current cell at (0, 0)
  EXPECT_EQ(c->Grid()->Col(), 0);
}

TEST(CeldixLayout, ChildrenInTwipsAndTheGridFollowsTheControlsSize) {
  Celdix c;
  c.SetWidth(6000);
  c.SetHeight(3000);
  EXPECT_EQ(c.size(), QSize(400, 200));
  EXPECT_EQ(c.Grid()->geometry(), QRect(56, 8, (6000 - 1000) / 15, (3000 - 100) / 15));
  EXPECT_EQ(c.DelButton()->geometry(), QRect(24, 32, 25, 25));
  EXPECT_EQ(c.CopyButton()->toolTip(), "Copiar");
  EXPECT_EQ(c.AddButton()->toolTip(), "Añadir Línea");
  // Too small to fit: the grid keeps its size in that direction.
  c.SetWidth(900);
  EXPECT_EQ(c.Grid()->width(), (6000 - 1000) / 15);
}

}  // namespace
}  // namespace vardo

namespace vardo {
namespace {

// Rows past 32,767 are rows like any other: a click on row 65,540 of a
// 70,000-row table selects that row, and a double click there followed by
// leaving the cell writes nothing anywhere (before, the row number wrapped
// to 4 and the open editor's text went into row 4).
TEST_F(CeldixFixture, FilaMasAllaDe32767SeSeleccionaYUnDobleClicNoEscribeNada) {
  constexpr int kFila = 65'540;
  ASSERT_TRUE(grid.SetRows(70'001));
  for (int r : {4, kFila})
    for (int c = 1; c < 4; ++c) grid.SetTextMatrix(r, c, Cell(r, c));
  ASSERT_TRUE(G()->SetTopRow(kFila));
  log.clear();
  ClickCell(kFila, 2);
  EXPECT_EQ(grid.GetSelRow(), kFila);
  EXPECT_EQ(grid.EditRow(), kFila);
  ASSERT_TRUE(grid.EditorOpen());
  QTest::mouseDClick(Text1(), Qt::LeftButton);
  grid.ConfirmarEdicion();
  EXPECT_FALSE(grid.EditorOpen());
  for (int c = 1; c < 4; ++c) {
    EXPECT_EQ(grid.TextMatrix(4, c), Cell(4, c));
    EXPECT_EQ(grid.TextMatrix(kFila, c), Cell(kFila, c));
  }
  for (const std::string& e : log)
    if (e.rfind("modified", 0) == 0) EXPECT_EQ(e, "modified 65540,2=65540,2");
}

// The per-cell read-only flags follow the table's size once per change of
// size, not once per flag set or read: setting every flag of n rows and of
// 4n rows re-dimensions them once each time, and the flags still act.
TEST_F(CeldixFixture, LasMarcasDeSoloLecturaSeDimensionanUnaVezPorTamano) {
  for (int filas : {2'000, 8'000}) {
    SCOPED_TRACE(filas);
    const std::size_t antes = grid.FlagResizes();
    ASSERT_TRUE(grid.SetRows(filas + 1));
    for (int r = 1; r <= filas; ++r)
      for (int c = 0; c < grid.Cols(); ++c) grid.SetReadOnlyCells(c, r, c == 2);
    EXPECT_LE(grid.FlagResizes() - antes, 1u);
    // Setting them all again costs no re-dimensioning at all.
    const std::size_t medio = grid.FlagResizes();
    for (int r = 1; r <= filas; ++r) grid.SetReadOnlyCells(1, r, false);
    EXPECT_EQ(grid.FlagResizes(), medio);
  }
  // A read-only cell opens no editor, its neighbour does.
  G()->SetCurrentCell(1, 1);
  ClickCell(2, 2);
  EXPECT_FALSE(grid.EditorOpen());
  ClickCell(2, 3);
  EXPECT_TRUE(grid.EditorOpen());
}

}  // namespace
}  // namespace vardo
