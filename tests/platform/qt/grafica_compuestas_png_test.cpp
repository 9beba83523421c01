// The four-stream problem's composite curves drawn on screen through QtDc.
#include <gtest/gtest.h>

#include <QImage>

#include "app/core/charts/grafica.h"
#include "tests/app/core/charts/graficas_comun.h"
#include "tests/platform/qt/pintar_grafica.h"

namespace vardo {
namespace {

TEST(GraficaPantalla, CompositeCurvesOfTheFourStreamProblem) {
  const CGrafica g = prueba::CompuestasCuatroCorrientes();

  const QImage img = PintarGrafica(g, 800, 640);
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
