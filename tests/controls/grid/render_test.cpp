// What a filled table looks like: headings, row colours, the editor.
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QCoreApplication>

#include "celdix_fixture.h"

namespace vardo {
namespace {

TEST(CeldixRender, FilledTableShowsHeadingsRowColoursAndTheEditor) {
  Celdix c;
  c.ReadProperties(PropertyBag());
  c.SetWidth(7800);
  c.SetHeight(2700);
  c.SetRows(6);
  c.SetCols(5);
  c.SetFixedRows(1);
  c.SetFixedCols(1);
  c.SetColWidth(0, 450);
  for (int col = 1; col < 5; ++col) c.SetColWidth(col, 1500);
  const char* heads[] = {"", "Corriente", "T ent. (K)", "T sal. (K)", "mcp (kW/K)"};
  for (int col = 0; col < 5; ++col) c.SetTextMatrix(0, col, heads[col]);
  const char* rows[5][4] = {{"Caliente 1", "453.", "313.", "2.5"},
                            {"Caliente 2", "423.", "333.", "8."},
                            {"Fría 1", "293.", "408.", "3."},
                            {"Fría 2", "353.", "393.", "6.e-002"},
                            {"Vapor", "500.", "499.", ""}};
  for (int r = 1; r < 6; ++r) {
    c.SetTextMatrix(r, 0, QString::number(r));
    for (int col = 1; col < 5; ++col) c.SetTextMatrix(r, col, QString::fromUtf8(rows[r - 1][col - 1]));
  }
  c.SetColor(1, MakeRgb(255, 220, 220));
  c.SetColor(2, MakeRgb(255, 220, 220));
  c.SetColor(3, MakeRgb(220, 220, 255));
  c.SetColor(4, MakeRgb(220, 220, 255));
  c.ColorearTabla();
  c.show();
  c.Grid()->SetCurrentCell(2, 2);
  c.Grid()->SetCurrentCell(3, 2);  // past the first leave; editor open
  ASSERT_TRUE(c.EditorOpen());

  QCoreApplication::processEvents();  // scroll bars settle through queued calls
  EXPECT_FALSE(c.Grid()->horizontalScrollBar()->isVisible());  // everything fits
  QImage img = c.grab().toImage();
  img.save(QDir::tempPath() + "/celdix_filled.png");
  auto at = [&](int r, int col) {
    QPoint p = c.Grid()->CellRect(r, col).translated(c.Grid()->pos()).topLeft() + QPoint(2, 2);
    return img.pixelColor(p);
  };
  EXPECT_EQ(at(1, 3), QColor(255, 220, 220));
  EXPECT_EQ(at(4, 4), QColor(220, 220, 255));
  EXPECT_EQ(at(5, 3), QColor(255, 255, 255));  // colour 0: the default background
  EXPECT_NE(at(0, 2), QColor(255, 255, 255));  // headings keep their own colour
}

}  // namespace
}  // namespace vardo
