// The bar chart filled cell by cell with comma texts, its bars and labels,
// and hosted in a kit dialog by its class id.
#include "platform/qt/barchart.h"

#include <QImage>
#include <gtest/gtest.h>

#include "platform/qt/kit/dialog.h"
#include "tests/comun/kit_prueba.h"

namespace vardo {
namespace {

TEST(BarChart, DatosComoTextoConComaSeLeenComoNumero) {
  struct Caso {
    const char* texto;
    double valor;
    const char* devuelto;
  };
  const Caso casos[] = {
      {"30,", 30.0, "30,"},         {"2,5", 2.5, "2,5"},       {"5,e-002", 0.05, "5,e-002"},
      {"-1,25", -1.25, "-1,25"},    {",5", 0.5, "0,5"},        {"abc", 0.0, "0,"},
      {"", 0.0, "0,"},              {"12", 12.0, "12,"},       {"1,5,7", 1.5, "1,5"},
  };
  BarChart g;
  ASSERT_TRUE(g.SetRowCount(1));
  ASSERT_TRUE(g.SetColumnCount(1));
  ASSERT_TRUE(g.SetRow(1));
  ASSERT_TRUE(g.SetColumn(1));
  for (const Caso& c : casos) {
    ASSERT_TRUE(g.SetData(QString::fromUtf8(c.texto)));
    EXPECT_DOUBLE_EQ(g.Value(1, 1), c.valor) << c.texto;
    EXPECT_EQ(g.Data().toStdString(), c.devuelto) << c.texto;
  }
}

TEST(BarChart, CeldaActualDentroDeLaRejillaYTamanoQueConservaLoEscrito) {
  BarChart g;
  // No cell before the grid has one.
  EXPECT_EQ(g.Row(), 0);
  EXPECT_FALSE(g.SetRow(1));
  EXPECT_FALSE(g.SetData("1,"));
  EXPECT_FALSE(g.SetRowLabel("1"));
  EXPECT_FALSE(g.SetRowCount(-1));

  ASSERT_TRUE(g.SetRowCount(3));
  ASSERT_TRUE(g.SetColumnCount(2));
  EXPECT_EQ(g.Row(), 1);
  EXPECT_EQ(g.Column(), 1);
  for (int r = 1; r <= 3; ++r) {
    g.SetRow(r);
    g.SetRowLabel(QString::fromStdString(std::to_string(r * 10)));
    for (int c = 1; c <= 2; ++c) {
      g.SetColumn(c);
      g.SetData(QString::fromStdString(std::to_string(r) + "," + std::to_string(c)));
    }
  }
  EXPECT_FALSE(g.SetRow(4));
  EXPECT_FALSE(g.SetColumn(0));
  EXPECT_EQ(g.Row(), 3);
  EXPECT_DOUBLE_EQ(g.Value(2, 2), 2.2);
  EXPECT_EQ(g.Label(2).toStdString(), "20");

  // Shrinking keeps what still fits and pulls the current cell in; growing
  // adds empty cells.
  g.SetRowCount(2);
  EXPECT_EQ(g.Row(), 2);
  EXPECT_EQ(g.RowLabel().toStdString(), "20");
  g.SetColumnCount(3);
  EXPECT_DOUBLE_EQ(g.Value(1, 2), 1.2);
  EXPECT_DOUBLE_EQ(g.Value(2, 3), 0.0);
  EXPECT_DOUBLE_EQ(g.Value(3, 1), 0.0);  // outside
  g.SetRowCount(0);
  EXPECT_EQ(g.Row(), 0);
  EXPECT_TRUE(g.RowLabel().isEmpty());
}

TEST(BarChart, UnaBarraPorCeldaDesdeElCeroYLaEtiquetaDebajo) {
  BarChart g;
  g.resize(300, 200);
  g.SetRowCount(3);
  g.SetColumnCount(1);
  const char* datos[] = {"30,", "10,", "-5,"};
  for (int r = 1; r <= 3; ++r) {
    g.SetRow(r);
    g.SetRowLabel(QString::fromStdString(std::to_string(r)));
    g.SetData(datos[r - 1]);
  }
  EXPECT_LE(g.AxisMin(), -5.0);
  EXPECT_GE(g.AxisMax(), 30.0);
  const QRect a = g.BarRect(1, 1), b = g.BarRect(2, 1), c = g.BarRect(3, 1);
  // Rows left to right; the positive bars stand on the zero line, the
  // negative one hangs from it; heights follow the values.
  EXPECT_LT(a.right(), b.left());
  EXPECT_LT(b.right(), c.left());
  EXPECT_EQ(a.bottom(), b.bottom());
  EXPECT_EQ(c.top(), a.bottom());
  EXPECT_NEAR(static_cast<double>(a.height()) / b.height(), 3.0, 0.15);
  EXPECT_TRUE(g.BarRect(4, 1).isNull());

  QImage img(g.size(), QImage::Format_ARGB32);
  g.render(&img);
  // The bar is filled with its column's colour, the label lies below.
  EXPECT_EQ(img.pixelColor(a.center()), BarChart::ColumnColor(1));
  EXPECT_EQ(img.pixelColor(c.center()), BarChart::ColumnColor(1));
  ASSERT_TRUE(img.save(QString::fromStdString(::testing::TempDir() + "/vardo_barras.png")));
}

TEST(BarChart, AlojadoEnUnDialogoPorSuIdDeClase) {
  kit::Dialog d(kit::Template{"Barras", 200, 120,
                              {kit::Hosted(10, kClassIdGraficoBarras, 5, 5, 190, 90),
                               kit::Button(kit::kIdOk, "Aceptar", 145, 100, 50, 14)}});
  prueba::ScriptedRunner runner;
  kit::ScopedModalRunner usar(runner);
  d.Open();
  auto* g = d.Get<BarChart>(10);
  ASSERT_NE(g, nullptr);
  g->SetRowCount(2);
  g->SetColumnCount(1);
  g->SetRow(2);
  g->SetData("7,5");
  EXPECT_DOUBLE_EQ(g->Value(2, 1), 7.5);
  d.End(kit::kIdCancel);
}

}  // namespace
}  // namespace vardo
