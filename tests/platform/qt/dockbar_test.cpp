// The docking bar in a main window: its sizes, the carried dialog filling
// it, docking toggled by a double click, hidden by its close button.
#include "platform/qt/dockbar.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

namespace vardo {
namespace {

class Acoplable : public ::testing::Test {
 protected:
  void SetUp() override {
    marco.setCentralWidget(new QLabel(QStringLiteral("documento")));
    marco.resize(900, 700);
    dialogo = new QWidget;
    barra = new CBarraAcoplable(QStringLiteral("Tabla de corrientes"), dialogo, &marco);
    marco.addDockWidget(Qt::LeftDockWidgetArea, barra);
    marco.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&marco));
    Procesar();
  }
  void Procesar() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }
  QMainWindow marco;
  QWidget* dialogo = nullptr;
  CBarraAcoplable* barra = nullptr;
};

TEST_F(Acoplable, TamanosYDialogoQueLaLlena) {
  // Never below 32 × 32 (the caption's buttons may ask for more width).
  EXPECT_EQ(barra->minimumSize().height(), 32);
  EXPECT_GE(barra->minimumSize().width(), 32);
  EXPECT_EQ(barra->width(), 200);
  EXPECT_EQ(barra->Dialogo(), dialogo);
  // The dialog fills the bar below its caption.
  EXPECT_EQ(dialogo->width(), barra->width());
  EXPECT_GT(dialogo->height(), barra->height() - 40);
  // A width the user gives is kept for the left and right sides; floating
  // starts at 200 × 200.
  marco.resizeDocks({barra}, {320}, Qt::Horizontal);
  Procesar();
  EXPECT_EQ(barra->TamanoVertical().width(), 320);
  barra->AlternarAcoplado();
  Procesar();
  ASSERT_TRUE(barra->isFloating());
  EXPECT_EQ(barra->size(), QSize(200, 200));
  barra->AlternarAcoplado();
  Procesar();
  ASSERT_FALSE(barra->isFloating());
  EXPECT_EQ(barra->width(), 320);
  // At the bottom it takes the height of its own.
  marco.addDockWidget(Qt::BottomDockWidgetArea, barra);
  Procesar();
  EXPECT_EQ(barra->height(), 200);
}

TEST_F(Acoplable, DobleClicAlternaYCerrarOculta) {
  // A double click on the carried dialog's background reaches the bar.
  QTest::mouseDClick(dialogo, Qt::LeftButton, {}, QPoint(20, 20));
  Procesar();
  EXPECT_TRUE(barra->isFloating());
  QTest::mouseDClick(dialogo, Qt::LeftButton, {}, QPoint(20, 20));
  Procesar();
  EXPECT_FALSE(barra->isFloating());
  EXPECT_EQ(marco.dockWidgetArea(barra), Qt::LeftDockWidgetArea);
  // The caption's close button hides the bar.
  auto* cerrar = barra->findChild<QAbstractButton*>(QStringLiteral("qt_dockwidget_closebutton"));
  ASSERT_NE(cerrar, nullptr);
  cerrar->click();
  Procesar();
  EXPECT_TRUE(barra->isHidden());
  EXPECT_EQ(marco.findChild<CBarraAcoplable*>(), barra);  // hidden, not destroyed
}

}  // namespace
}  // namespace vardo
