// The four-stream problem's composite curves drawn on screen through QtDc.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "app/grafica.h"
#include "app/graficas.h"
#include "platform/qt/qt_dc.h"
#include "tests/app/graficas_comun.h"

namespace vardo {
namespace {

TEST(GraficaPantalla, CompositeCurvesOfTheFourStreamProblem) {
  CDiagrama d = prueba::CuatroCorrientes();
  CGrafica g;
  GraficaCompuestas(d, g, false);
  g.Recalcular();
  g.posLeyenda = 1;

  QImage img(800, 640, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QtDc dc(p, QPointF(0, 0), 0.04, 0.04);
  g.Dibujar(dc, false);
  p.end();
  ASSERT_TRUE(img.save(QString::fromStdString(::testing::TempDir() + "/vardo_compuestas.png")));

  // The hot curve (dark red) and the cold one (blue) both appear.
  int rojos = 0, azules = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      rojos += c.red() > 120 && c.green() < 60 && c.blue() < 60;
      azules += c.blue() > 150 && c.red() < 60 && c.green() < 60;
    }
  EXPECT_GT(rojos, 100);
  EXPECT_GT(azules, 100);
}

}  // namespace
}  // namespace vardo
