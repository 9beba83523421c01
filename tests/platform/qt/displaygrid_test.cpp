// The display-only table: its size, widths and texts, every mouse press
// reported with its button and place, and hosted in a kit dialog whose
// event 1 is the press.
#include "platform/qt/displaygrid.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/qt/kit/dialog.h"
#include "tests/comun/kit_prueba.h"

namespace vardo {
namespace {

TEST(DisplayGrid, TamanoAnchosYTextos) {
  DisplayGrid g;
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.FixedCols(), 1);
  ASSERT_TRUE(g.SetRows(3));
  ASSERT_TRUE(g.SetCols(4));
  ASSERT_TRUE(g.SetColWidth(1, 2000));
  EXPECT_EQ(g.ColWidth(1), 2000);
  EXPECT_TRUE(g.SetTextMatrix(0, 1, QString::fromUtf8("Descripción")));
  EXPECT_TRUE(g.SetTextMatrix(2, 3, "2."));
  EXPECT_FALSE(g.SetTextMatrix(3, 0, "x"));
  EXPECT_EQ(g.TextMatrix(0, 1).toStdString(), "Descripción");
  EXPECT_EQ(g.TextMatrix(2, 3).toStdString(), "2.");
  EXPECT_TRUE(g.TextMatrix(5, 5).isEmpty());
  // A smaller size keeps the texts it still holds.
  g.SetCols(2);
  EXPECT_EQ(g.TextMatrix(0, 1).toStdString(), "Descripción");
}

TEST(DisplayGrid, CadaPulsacionConSuBotonTeclasYLugar) {
  struct Caso {
    Qt::MouseButton boton;
    Qt::KeyboardModifiers teclas;
    int esperado;
    int shift;
  };
  const Caso casos[] = {{Qt::LeftButton, Qt::NoModifier, 1, 0},
                        {Qt::RightButton, Qt::NoModifier, 2, 0},
                        {Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, 2, 3},
                        {Qt::MiddleButton, Qt::AltModifier, 4, 4}};
  DisplayGrid g;
  g.resize(300, 150);
  g.SetRows(4);
  g.SetCols(3);
  g.show();
  QSignalSpy espia(&g, &DisplayGrid::MouseDown);
  // The place is the table's own, heading and frame included.
  const QPoint enViewport(40, 30);
  const QPoint enTabla = g.viewport()->mapTo(&g, enViewport);
  for (const Caso& c : casos) {
    espia.clear();
    QTest::mousePress(g.viewport(), c.boton, c.teclas, enViewport);
    QTest::mouseRelease(g.viewport(), c.boton, c.teclas, enViewport);
    ASSERT_EQ(espia.count(), 1);
    const QList<QVariant> a = espia.takeFirst();
    EXPECT_EQ(a[0].toInt(), c.esperado);
    EXPECT_EQ(a[1].toInt(), c.shift);
    EXPECT_EQ(QPoint(a[2].toInt(), a[3].toInt()), enTabla);
    EXPECT_EQ(g.LastButton(), c.esperado);
    EXPECT_EQ(g.LastPos(), enTabla);
  }
  // A left press still chooses the cell, as on any table.
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.CellRect(2, 2).center() -
                                                           g.viewport()->geometry().topLeft());
  EXPECT_EQ(g.Row(), 2);
  EXPECT_EQ(g.Col(), 2);
}

TEST(DisplayGrid, AlojadaEnUnDialogoSuPulsacionEsElEvento1) {
  class Dlg : public kit::Dialog {
   public:
    Dlg()
        : kit::Dialog(kit::Template{"Tabla", 200, 120,
                                    {kit::Hosted(10, kClassIdTablaVista, 5, 5, 190, 90),
                                     kit::Button(kit::kIdOk, "Aceptar", 145, 100, 50, 14)}}) {
      OnEvent(10, display_grid_event::MouseDown,
              [this] { botones.push_back(Get<DisplayGrid>(10)->LastButton()); });
    }
    std::vector<int> botones;

   protected:
    void OnInit() override {
      auto* g = Get<DisplayGrid>(10);
      g->SetRows(3);
      g->SetCols(3);
      g->SetTextMatrix(1, 1, "*");
    }
  };
  prueba::ScriptedRunner runner;
  kit::ScopedModalRunner usar(runner);
  Dlg d;
  d.Open();
  auto* g = d.Get<DisplayGrid>(10);
  ASSERT_NE(g, nullptr);
  QTest::mouseClick(g->viewport(), Qt::RightButton, {}, QPoint(20, 20));
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(d.botones, (std::vector<int>{2, 1}));
  QImage img(d.size(), QImage::Format_ARGB32);
  d.render(&img);
  ASSERT_TRUE(img.save(QString::fromStdString(::testing::TempDir() + "/vardo_tabla_vista.png")));
  d.End(kit::kIdCancel);
}

}  // namespace
}  // namespace vardo
