// The splitter bar over a dialog's frame and the two-pane sizer: drags move
// the bar or the divider within their limits and the side controls follow.
#include "platform/qt/splitterbar.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "platform/qt/panesizer.h"

namespace vardo {
namespace {

// A 400 × 200 dialog: a list at the left (10..190), the bar (195..205) and
// a list at the right (210..390).
class Divisoria : public ::testing::Test {
 protected:
  void SetUp() override {
    dialogo.resize(400, 200);
    izquierda = new QListWidget(&dialogo);
    izquierda->setGeometry(10, 10, 180, 180);
    barra = new QFrame(&dialogo);
    barra->setGeometry(195, 10, 10, 180);
    derecha = new QListWidget(&dialogo);
    derecha->setGeometry(210, 10, 180, 180);
    divisoria.Attach(barra, 1053);
    divisoria.SetMargenes(60, 30);
    divisoria.AddPrimerLado(izquierda);
    divisoria.AddSegundoLado(derecha);
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogo));
  }
  void TearDown() override { QTest::mouseRelease(barra, Qt::LeftButton, {}, QPoint(5, 90)); }

  // Presses on the bar and moves the mouse to x in the dialog.
  void ArrastrarA(int x) {
    QTest::mousePress(barra, Qt::LeftButton, {}, QPoint(5, 90));
    QTest::mouseMove(barra, QPoint(x - barra->x(), 90));
  }

  QWidget dialogo;
  QListWidget* izquierda = nullptr;
  QFrame* barra = nullptr;
  QListWidget* derecha = nullptr;
  CBarraDivisoria divisoria;
};

TEST_F(Divisoria, LosLadosSiguenALaBarra) {
  QSignalSpy movida(&divisoria, &CBarraDivisoria::Movida);
  EXPECT_EQ(barra->cursor().shape(), Qt::SizeHorCursor);
  EXPECT_EQ(divisoria.Minimo(), 70);   // the left list's left + 60
  EXPECT_EQ(divisoria.Maximo(), 360);  // the right list's right - 30
  ArrastrarA(250);
  EXPECT_TRUE(divisoria.Arrastrando());
  EXPECT_EQ(barra->geometry(), QRect(195, 10, 10, 180));  // only the band moves while dragging
  QTest::mouseRelease(barra, Qt::LeftButton, {}, QPoint(250 - barra->x(), 90));
  EXPECT_FALSE(divisoria.Arrastrando());
  EXPECT_EQ(barra->geometry(), QRect(245, 10, 10, 180));
  // One pixel free on each side; the outer edges stay.
  EXPECT_EQ(izquierda->geometry(), QRect(10, 10, 234, 180));
  EXPECT_EQ(derecha->geometry(), QRect(256, 10, 134, 180));
  ASSERT_EQ(movida.count(), 1);
  EXPECT_EQ(movida[0][0].toInt(), 50);
  EXPECT_EQ(movida[0][1].toInt(), 1053);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(Divisoria, ElRatonQuedaDentroDeLaBanda) {
  struct Caso {
    int hasta, desplazamiento;
  } casos[] = {{395, 360 - 200}, {0, 70 - 200}};
  for (const auto& c : casos) {
    const QRect antes = barra->geometry();
    ArrastrarA(c.hasta);
    QTest::mouseRelease(barra, Qt::LeftButton, {}, QPoint(5, 90));
    EXPECT_EQ(barra->x(), antes.x() + c.desplazamiento) << c.hasta;
    barra->setGeometry(antes);
    divisoria.Ajustar();
  }
}

TEST_F(Divisoria, EscapeYBotonDerechoTerminanMoviendo) {
  ArrastrarA(150);
  QTest::keyClick(barra, Qt::Key_Escape);
  EXPECT_FALSE(divisoria.Arrastrando());
  EXPECT_EQ(barra->x(), 145);
  EXPECT_EQ(izquierda->geometry().right() + 1, 144);
  ArrastrarA(160);
  QTest::mousePress(barra, Qt::RightButton, {}, QPoint(5, 90));
  EXPECT_FALSE(divisoria.Arrastrando());
  QTest::mouseRelease(barra, Qt::RightButton, {}, QPoint(5, 90));
  EXPECT_EQ(barra->x(), 155);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(Divisoria, SinSitioNoSeArrastra) {
  QSignalSpy movida(&divisoria, &CBarraDivisoria::Movida);
  divisoria.SetMargenes(200, 200);
  EXPECT_GE(divisoria.Minimo(), divisoria.Maximo());
  ArrastrarA(100);
  EXPECT_FALSE(divisoria.Arrastrando());
  QTest::mouseRelease(barra, Qt::LeftButton, {}, QPoint(5, 90));
  EXPECT_EQ(barra->geometry(), QRect(195, 10, 10, 180));
  EXPECT_EQ(izquierda->geometry(), QRect(10, 10, 180, 180));
  EXPECT_EQ(movida.count(), 0);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST(DivisoriaVertical, ArribaYAbajo) {
  QWidget dialogo;
  dialogo.resize(200, 400);
  auto* arriba = new QListWidget(&dialogo);
  arriba->setGeometry(10, 10, 180, 180);
  auto* barra = new QFrame(&dialogo);
  barra->setGeometry(10, 195, 180, 10);
  auto* abajo = new QListWidget(&dialogo);
  abajo->setGeometry(10, 210, 180, 180);
  CBarraDivisoria d(CBarraDivisoria::Eje::Vertical);
  d.Attach(barra, 1055);
  d.SetMargenes(30, 30);
  d.AddPrimerLado(arriba);
  d.AddSegundoLado(abajo);
  dialogo.show();
  EXPECT_EQ(barra->cursor().shape(), Qt::SizeVerCursor);
  QTest::mousePress(barra, Qt::LeftButton, {}, QPoint(90, 5));
  QTest::mouseMove(barra, QPoint(90, -45));
  QTest::mouseRelease(barra, Qt::LeftButton, {}, QPoint(90, -45));
  EXPECT_EQ(barra->geometry(), QRect(10, 145, 180, 10));
  EXPECT_EQ(arriba->geometry(), QRect(10, 10, 180, 134));
  EXPECT_EQ(abajo->geometry(), QRect(10, 156, 180, 234));
}

// ---------------------------------------------------------------- sizer

class Panel : public ::testing::Test {
 protected:
  void SetUp() override {
    sizer.resize(300, 200);
    izq = new QListWidget;
    der = new QListWidget;
    sizer.SetPaneles({izq, 5, 5, 50}, {der, 5, 5, 40});
    sizer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sizer));
  }
  CPanelDivisor sizer;
  QListWidget* izq = nullptr;
  QListWidget* der = nullptr;
};

TEST_F(Panel, DivisorEntreSusLimites) {
  struct Caso {
    int x, divisor;
  } casos[] = {{150, 150}, {10, 55}, {-100, 55}, {290, 255}, {1000, 255}};
  for (const auto& c : casos) {
    sizer.ColocarDivisor(c.x);
    EXPECT_EQ(sizer.Divisor(), c.divisor) << c.x;
    // The left pane ends 2 pixels before the divider, the right starts 2 after.
    EXPECT_EQ(izq->geometry(), QRect(5, 5, c.divisor - 2 - 5, 190)) << c.x;
    EXPECT_EQ(der->geometry(), QRect(c.divisor + 2, 5, 295 - (c.divisor + 2), 190)) << c.x;
  }
}

TEST_F(Panel, ArrastreYCambioDeTamano) {
  sizer.ColocarDivisor(150);
  // Over the divider the cursor shows the way it moves.
  QTest::mouseMove(sizer.windowHandle(), QPoint(150, 100));
  EXPECT_TRUE(QTest::qWaitFor([&] { return sizer.cursor().shape() == Qt::SizeHorCursor; }, 2000));
  QTest::mousePress(&sizer, Qt::LeftButton, {}, QPoint(151, 100));
  EXPECT_TRUE(sizer.Arrastrando());
  QTest::mouseMove(&sizer, QPoint(20, 100));
  EXPECT_EQ(sizer.Divisor(), 55);
  QTest::mouseRelease(&sizer, Qt::LeftButton, {}, QPoint(120, 100));
  EXPECT_FALSE(sizer.Arrastrando());
  EXPECT_EQ(sizer.Divisor(), 120);
  // A press away from the divider starts nothing.
  QTest::mousePress(&sizer, Qt::LeftButton, {}, QPoint(200, 100));
  EXPECT_FALSE(sizer.Arrastrando());
  QTest::mouseRelease(&sizer, Qt::LeftButton, {}, QPoint(200, 100));
  // A new size: both panes take the new height, the right pane the width.
  sizer.resize(400, 300);
  EXPECT_EQ(izq->geometry(), QRect(5, 5, 113, 290));
  EXPECT_EQ(der->geometry(), QRect(122, 5, 273, 290));
  // Narrower than the reserves: the right reserve wins.
  sizer.resize(80, 300);
  EXPECT_EQ(sizer.Divisor(), 35);
}

}  // namespace
}  // namespace vardo
