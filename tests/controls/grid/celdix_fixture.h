// A shown Celdix with a small table, a scripted message runner and a log of
// the events the host sees.
#pragma once
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "controls/grid/celdix.h"
#include "platform/core/types.h"
#include "platform/qt/messagerunner.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vardo {

class CeldixFixture : public ::testing::Test {
 public:
  // Rows 0 and column 0 are headings; cells read "r,c".
  void SetUp() override {
    grid.resize(500, 260);
    grid.SetRows(5);
    grid.SetCols(4);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    for (int c = 0; c < 4; ++c) grid.SetColWidth(c, 1200);
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 4; ++c) grid.SetTextMatrix(r, c, Cell(r, c));
    grid.show();
    QObject::connect(&grid, &Celdix::TablaModificada, [this] {
      const int r = G()->Row(), c = G()->Col();
      log.push_back("modified " + Pos() + "=" + grid.TextMatrix(r, c).toStdString());
    });
    QObject::connect(G(), &GridWidget::enterCell, [this] {
      log.push_back("enter " + Pos() + (grid.EditorOpen() ? " editor" : ""));
    });
    for (auto [sig, name] : {std::pair{&Celdix::NuevaLinea, "NuevaLinea"},
                             std::pair{&Celdix::BorrarLinea, "BorrarLinea"},
                             std::pair{&Celdix::TablaPegada, "TablaPegada"}}) {
      QObject::connect(&grid, sig, [this, n = std::string(name)] { log.push_back(n); });
    }
  }

  static QString Cell(int r, int c) { return QString("%1,%2").arg(r).arg(c); }
  GridWidget* G() { return grid.Grid(); }
  std::string Pos() { return std::to_string(G()->Row()) + "," + std::to_string(G()->Col()); }
  QLineEdit* Text1() { return grid.TextEditor(); }

  // Moves to a data cell by code past the first (uncommitted) leave and
  // leaves the text editor open there.
  void OpenEditorAt(int r, int c) {
    G()->SetCurrentCell(r, c);
    if (G()->Row() != r || G()->Col() != c) {
      ADD_FAILURE() << "could not move";
    }
    if (!grid.EditorOpen()) {  // the move consumed the first leave only
      G()->SetCurrentCell(r == 1 ? 2 : 1, c);
      G()->SetCurrentCell(r, c);
    }
    log.clear();
  }

  // Types into the open text editor (its text is all selected on entry).
  void Type(const char* text) { QTest::keyClicks(Text1(), text); }

  QPoint CellCenter(int r, int c) {
    return G()->CellRect(r, c).center() - G()->viewport()->geometry().topLeft();
  }
  void ClickCell(int r, int c) {
    QTest::mouseClick(G()->viewport(), Qt::LeftButton, {}, CellCenter(r, c));
  }

  ScriptedMessageRunner runner;
  ScopedMessageRunner useRunner{runner};
  Celdix grid;
  std::vector<std::string> log;
};

}  // namespace vardo
