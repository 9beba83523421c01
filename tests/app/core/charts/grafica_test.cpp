#include "app/core/charts/grafica.h"

#include <gtest/gtest.h>

#include <uemf.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "platform/core/dc.h"
#include "platform/core/emf_dc.h"

namespace vardo {
namespace {

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

CGrafica Chart(const std::vector<Point>& pts, int decimales = 2) {
  CGrafica g;
  g.decimales = static_cast<std::int16_t>(decimales);
  g.Inicializar("Serie", 0, MakeRgb(200, 0, 0));
  for (const Point& p : pts) g.AddPunto(p.x, p.y);
  g.Recalcular();
  return g;
}

std::vector<const RecordingDc::Item*> ItemsOf(const RecordingDc& dc, RecordingDc::Op op) {
  std::vector<const RecordingDc::Item*> out;
  for (const auto& it : dc.Items())
    if (it.op == op) out.push_back(&it);
  return out;
}

// ---- Autoscale -----------------------------------------------------------

struct EscalaCase {
  const char* name;
  int decimales;
  std::vector<Point> pts;
  std::int32_t xMin, xMax, yMin, yMax;
};

TEST(CGraficaEscalar, RangesFollowTheRoundingRules) {
  const EscalaCase cases[] = {
      // y 300..500 with two decimals: 30000..50005; x 0..10 gives 0..1010.
      {"y30000a50000", 2, {{0, 30000}, {1000, 50000}}, 0, 1010, 30000, 50005},
      // A DT min sweep 1.0..30.0 K: x minimum 100 -> 99 -> small -> 0; y 50..120.
      {"barridoDTmin", 2, {{100, 5000}, {3000, 12000}}, 0, 3003, 5000, 20002},
      // A negative x minimum moves toward zero (remainder modulo 2).
      {"xNegativo", 2, {{-5, -2999}, {1000, 100}}, -4, 1010, -2999, 110},
      // Large minima round down to a multiple of P(k)+1 (x) or P(k) (y).
      {"minimosGrandes", 2, {{12345, 12345}, {67890, 67890}}, 10001, 70007, 10000, 70007},
      // Carnot-factor charts: three decimals.
      {"tresDecimales", 3, {{0, 250}, {5000, 900}}, 0, 5005, 0, 909},
      // One point: 5000 - 5000 mod 1001 on x, 5000 - 5000 mod 1000 on y.
      {"unPunto", 2, {{5000, 5000}}, 4004, 5005, 5000, 5005},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CGrafica g = Chart(c.pts, c.decimales);
    EXPECT_EQ(g.escalado, 1);
    EXPECT_EQ(g.xMin, c.xMin);
    EXPECT_EQ(g.xMax, c.xMax);
    EXPECT_EQ(g.yMin, c.yMin);
    EXPECT_EQ(g.yMax, c.yMax);
  }
}

TEST(CGraficaEscalar, MaximumRoundsIn64BitsAndSaturates) {
  // 2147483647 rounds up to 3000000003, which does not fit: the limit stays.
  const CGrafica g = Chart({{0, 0}, {kMax32, kMax32}});
  EXPECT_EQ(g.xMax, kMax32);
  EXPECT_EQ(g.yMax, kMax32);
  EXPECT_GT(g.xMax, g.xMin);

  const CGrafica neg = Chart({{kMin32, kMin32}});
  EXPECT_EQ(neg.xMin, kMin32);
  EXPECT_EQ(neg.xMax, -2147483646);
  EXPECT_GT(neg.yMax, neg.yMin);
}

TEST(CGraficaEscalar, EveryInputGivesPositiveRangesAndDrawsWithoutHanging) {
  const std::vector<std::vector<Point>> sets = {
      {{-3, -3}},
      {{0, 0}},
      {{kMax32, kMax32}},
      {{kMin32, kMin32}},
      {{kMin32, kMax32}, {kMax32, kMin32}},
      {{7, 7}, {7, 7}},
  };
  for (int dec : {-3, 0, 1, 2, 3, 9, 15, 32767}) {
    for (const auto& pts : sets) {
      SCOPED_TRACE("decimales " + std::to_string(dec) + ", primer punto " +
                   std::to_string(pts[0].x));
      CGrafica g = Chart(pts, dec);
      EXPECT_GT(g.xMax, g.xMin);
      EXPECT_GT(g.yMax, g.yMin);
      RecordingDc dc;
      g.Dibujar(dc, false);
      EXPECT_FALSE(dc.Items().empty());
      EXPECT_LT(dc.Items().size(), 400u);
    }
  }
}

TEST(CGraficaEscalar, EmptyChartStaysUnscaledAndIsNotDrawn) {
  CGrafica g;
  g.Inicializar("s", 0, 0);
  g.Recalcular();
  EXPECT_EQ(g.escalado, 0);
  RecordingDc dc;
  g.Dibujar(dc, true);
  EXPECT_TRUE(dc.Items().empty());
}

// ---- Ticks ---------------------------------------------------------------

struct MarcasCase {
  const char* name;
  int decimales;
  std::int32_t min, max;
  bool ejeX;
  std::int64_t rango;
  std::vector<std::string> etiquetas;
};

TEST(CGraficaMarcas, StepsAndLabels) {
  const MarcasCase cases[] = {
      {"x0a1010", 2, 0, 1010, true, 1010,
       {"0.", "1.", "2.", "3.", "4.", "5.", "6.", "7.", "8.", "9.", "10."}},
      {"y30000a50005", 2, 30000, 50005, false, 2000,
       {"300.", "320.", "340.", "360.", "380.", "400.", "420.", "440.", "460.", "480.", "500."}},
      {"barrido", 2, 0, 3003, true, 3003, {"0.", "5.", "10.", "15.", "20.", "25.", "30."}},
      // 1050: the x axis divides in integers (10 steps of 100), y exactly (5 of 200).
      {"x1050", 2, 0, 1050, true, 1050,
       {"0.", "1.", "2.", "3.", "4.", "5.", "6.", "7.", "8.", "9.", "10."}},
      {"y1050", 2, 0, 1050, false, 1050, {"0.", "2.", "4.", "6.", "8.", "10."}},
      // A small range is normalized upwards.
      {"rangoPequeno", 2, 5000, 5005, false, 500, {"50.", "50.01", "50.02", "50.03", "50.04", "50.05"}},
      {"negativo", 2, -300, 700, true, 1000,
       {"-3.", "-2.", "-1.", "0.", "1.", "2.", "3.", "4.", "5.", "6.", "7."}},
      // Three decimals and a normalized range below 1000: only the start.
      {"tresDecimales", 3, 0, 909, false, 909, {"0."}},
      {"tresDecimalesX", 3, 0, 5005, true, 5005, {"0.", "1.", "2.", "3.", "4.", "5."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CGrafica g;
    g.decimales = static_cast<std::int16_t>(c.decimales);
    const auto e = g.Marcas(c.min, c.max, c.ejeX);
    EXPECT_EQ(e.rango, c.rango);
    std::vector<std::string> labels;
    for (const auto& m : e.marcas) labels.push_back(m.etiqueta);
    EXPECT_EQ(labels, c.etiquetas);
  }
}

TEST(CGraficaMarcas, NoPositiveRangeGivesNoTicksAndHugeRangesEnd) {
  CGrafica g;
  EXPECT_TRUE(g.Marcas(100, 100, true).marcas.empty());
  EXPECT_TRUE(g.Marcas(100, -100, false).marcas.empty());
  const auto e = g.Marcas(kMin32, kMax32, false);
  EXPECT_EQ(e.rango, 4294);
  EXPECT_EQ(e.marcas.size(), 9u);
}

// ---- Points and series ---------------------------------------------------

TEST(CGrafica, PointsSeriesAndLimit) {
  CGrafica g;
  g.Inicializar("a", 1, 5);
  g.AddPunto(1, 2);
  g.AddSerie("b", kEstiloMarcas, 6);
  g.AddPunto(3, 4);
  ASSERT_EQ(g.series.size(), 2u);
  EXPECT_EQ(g.series[1].primerPunto, 1);
  EXPECT_EQ(g.series[1].estilo, kEstiloMarcas);

  g.Inicializar("c", 0, 7);
  EXPECT_EQ(g.NumPuntos(), 0);
  ASSERT_EQ(g.series.size(), 1u);
  EXPECT_EQ(g.series[0].etiqueta, "c");
  EXPECT_EQ(g.series[0].primerPunto, 0);

  for (int i = 0; i < CGrafica::kMaxPuntos; ++i) ASSERT_TRUE(g.AddPunto(i, i));
  EXPECT_FALSE(g.AddPunto(1, 1));
  EXPECT_EQ(g.NumPuntos(), CGrafica::kMaxPuntos);
}

TEST(CGrafica, ValuesSaturateWhenTurnedIntoChartIntegers) {
  EXPECT_EQ(ValorGrafica(12.349, 2), 1234);
  EXPECT_EQ(ValorGrafica(-12.349, 2), -1234);
  EXPECT_EQ(ValorGrafica(0.8765, 3), 876);
  EXPECT_EQ(ValorGrafica(28512000.0 * 1000.0, 2), kMax32);
  EXPECT_EQ(ValorGrafica(-28512000.0 * 1000.0, 2), kMin32);
}

// Decimal values whose binary form falls just short of the shown digits keep
// those digits; truncation applies to digits beyond them only.
TEST(CGrafica, ChartIntegersKeepTheDigitsOfDecimalValues) {
  struct Caso {
    double valor;
    int decimales;
    std::int32_t entero;
  };
  const Caso casos[] = {{288.15, 2, 28815},        {448.15, 2, 44815},   {273.15 + 15.0, 2, 28815},
                        {-288.15, 2, -28815},      {0.29, 2, 29},        {1.005, 3, 1005},
                        {4.35, 2, 435},            {288.1499, 2, 28814}, {288.159, 2, 28815},
                        {-0.0, 2, 0},              {NAN, 2, 0}};
  for (const Caso& c : casos) EXPECT_EQ(ValorGrafica(c.valor, c.decimales), c.entero) << c.valor;
}

TEST(CGrafica, OverrideWithEmptyRangeIsIgnored) {
  CGrafica g = Chart({{0, 30000}, {1000, 50000}});
  EXPECT_FALSE(g.SetMargenes(500, 500, 40000, 35000));  // x refused, y taken
  EXPECT_EQ(g.xMin, 0);
  EXPECT_EQ(g.xMax, 1010);
  EXPECT_EQ(g.yMin, 35000);
  EXPECT_EQ(g.yMax, 40000);
  EXPECT_FALSE(g.SetMargenes(2000, 0, 100, 200));
  EXPECT_EQ(g.yMin, 35000);
  EXPECT_TRUE(g.SetMargenes(2000, 0, 60000, 0));
  EXPECT_EQ(g.xMax, 2000);

  // Ranges written directly: no ticks, no division, no hang; nothing drawn.
  g.xMax = g.xMin;
  RecordingDc dc;
  g.Dibujar(dc, false);
  EXPECT_TRUE(dc.Items().empty());
}

// ---- Drawing -------------------------------------------------------------

class CGraficaDibujo : public ::testing::Test {
 protected:
  void SetUp() override {
    g.Inicializar("Caliente", 0, MakeRgb(200, 0, 0));
    g.AddPunto(0, 30000);
    g.AddPunto(1000, 50000);
    g.AddSerie("Fría", 1, MakeRgb(0, 0, 200));
    g.AddPunto(500, 40000);
    g.AddPunto(800, 45000);
    g.AddSerie("Vacía", 2, MakeRgb(0, 200, 0));
    g.SetTitulos("H (kW)", "T (K)", "Curvas compuestas");
    g.Recalcular();
  }
  RecordingDc Draw(bool meta = false) {
    RecordingDc dc;
    g.Dibujar(dc, meta);
    return dc;
  }
  CGrafica g;
};

TEST_F(CGraficaDibujo, LayoutOfFrameTicksAndCaptions) {
  RecordingDc dc = Draw();
  const auto& items = dc.Items();
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items[0].op, RecordingDc::Op::Rectangle);
  EXPECT_EQ(items[0].points[0], (Point{3000, -3000}));
  EXPECT_EQ(items[0].points[1], (Point{13000, -11500}));

  // x tick "1." at X = 3000 + 10000 * 100 / 1010; y tick "320." at
  // Y = -11500 + 8500 * 200 / 2000.
  const auto* x1 = dc.FindText("1.");
  ASSERT_NE(x1, nullptr);
  EXPECT_EQ(x1->points[0], (Point{3990 - 300, -11900}));
  EXPECT_EQ(x1->font.height, 400);
  const auto* y320 = dc.FindText("320.");
  ASSERT_NE(y320, nullptr);
  EXPECT_EQ(y320->points[0], (Point{1600, -10650 + 300}));

  const auto* ejeX = dc.FindText("H (kW)");
  ASSERT_NE(ejeX, nullptr);
  EXPECT_EQ(ejeX->points[0], (Point{12300, -12500}));
  const auto* ejeY = dc.FindText("T (K)");
  ASSERT_NE(ejeY, nullptr);
  EXPECT_EQ(ejeY->points[0], (Point{1600, -2000}));
  const auto* tit = dc.FindText("Curvas compuestas");
  ASSERT_NE(tit, nullptr);
  EXPECT_EQ(tit->points[0], (Point{3000, -13500}));
  EXPECT_EQ(tit->font.weight, 700);
  EXPECT_EQ(tit->font.height, 400);

  // Grid: dotted grey lines at the 10 inner x ticks (1000 < 1010) and the 9
  // inner y ticks; tick marks reach 100 on both sides of the axis.
  int grid = 0;
  for (const auto* it : ItemsOf(dc, RecordingDc::Op::Line))
    if (it->pen.style == PenStyle::Dot) {
      EXPECT_EQ(it->pen.color, MakeRgb(130, 130, 130));
      ++grid;
    }
  EXPECT_EQ(grid, 19);
  g.rejilla = 0;
  dc = Draw();
  for (const auto* it : ItemsOf(dc, RecordingDc::Op::Line)) EXPECT_NE(it->pen.style, PenStyle::Dot);
  bool marca = false;
  for (const auto* it : ItemsOf(dc, RecordingDc::Op::Line))
    if (it->points[0] == Point{3000, -11600} && it->points[1] == Point{3000, -11400}) marca = true;
  EXPECT_TRUE(marca);
}

// In a narrow or low frame labels that would run into each other are thinned
// to every k-th: the labels drawn never overlap and the first of each axis
// is always drawn.
TEST_F(CGraficaDibujo, TickLabelsNeverRunIntoEachOther) {
  const Rect marcos[] = {{0, 0, 5000, -14500}, {0, 0, 14500, -7000}, {0, 0, 4500, -6500}};
  for (const Rect& m : marcos) {
    g.marco = m;
    RecordingDc dc = Draw();
    const std::int32_t bajo = m.bottom + 4000;  // the plot's lower edge
    std::vector<const RecordingDc::Item*> ex, ey;
    for (const auto& it : dc.Items()) {
      if (it.op != RecordingDc::Op::Text) continue;
      if (it.points[0].y == bajo - 400) ex.push_back(&it);
      else if (it.points[0].x == m.left + g.sangriaEtiquetas && it.text != "T (K)") ey.push_back(&it);
    }
    ASSERT_GE(ex.size(), 2u) << m.right;
    ASSERT_GE(ey.size(), 2u) << m.bottom;
    EXPECT_EQ(ex.front()->text, "0.");
    // The labels kept are every k-th tick's, for one k per axis.
    const auto Regular = [](const std::vector<const RecordingDc::Item*>& dibujadas,
                            const CGrafica::EscalaEje& e) {
      std::vector<std::string> todas;
      for (const auto& mk : e.marcas) todas.push_back(mk.etiqueta);
      for (std::size_t k = 1; k <= todas.size(); ++k) {
        std::vector<std::string> cada;
        for (std::size_t i = 0; i < todas.size(); i += k) cada.push_back(todas[i]);
        std::vector<std::string> vistas;
        for (const auto* it : dibujadas) vistas.push_back(it->text);
        if (cada == vistas) return true;
      }
      return false;
    };
    EXPECT_TRUE(Regular(ex, g.Marcas(g.xMin, g.xMax, true))) << m.right;
    EXPECT_TRUE(Regular(ey, g.Marcas(g.yMin, g.yMax, false))) << m.bottom;
    for (std::size_t i = 1; i < ex.size(); ++i)
      EXPECT_GE(ex[i]->points[0].x, ex[i - 1]->points[0].x + dc.TextExtent(ex[i - 1]->text).x)
          << ex[i - 1]->text << " " << ex[i]->text;
    for (std::size_t i = 1; i < ey.size(); ++i)
      EXPECT_GE(ey[i]->points[0].y - ey[i - 1]->points[0].y, dc.TextExtent(ey[i]->text).y)
          << ey[i - 1]->text << " " << ey[i]->text;
  }
}

TEST_F(CGraficaDibujo, SeriesMapToThePlotWithTheirOwnPens) {
  RecordingDc dc = Draw();
  const auto polys = ItemsOf(dc, RecordingDc::Op::Polyline);
  ASSERT_EQ(polys.size(), 2u);  // the empty series draws nothing
  EXPECT_EQ(polys[0]->points,
            (std::vector<Point>{{3000, -11500}, {3000 + 9900, -11500 + 8497}}));
  EXPECT_EQ(polys[0]->pen, (Pen{PenStyle::Solid, 0, MakeRgb(200, 0, 0)}));
  EXPECT_EQ(polys[1]->pen, (Pen{PenStyle::Dash, 0, MakeRgb(0, 0, 200)}));
  EXPECT_EQ(polys[1]->points[0], (Point{3000 + 4950, -11500 + 4248}));
}

TEST_F(CGraficaDibujo, PointsOutsideTheRangesAreSkippedSeriesBySeries) {
  // The first series lies wholly outside; the second starts at its own point.
  g.SetMargenes(900, 400, 46000, 39000);
  RecordingDc dc = Draw();
  const auto polys = ItemsOf(dc, RecordingDc::Op::Polyline);
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0]->pen.color, MakeRgb(0, 0, 200));
  EXPECT_EQ(polys[0]->points[0], (Point{3000 + 2000, -11500 + 1214}));

  // No point inside: no series at all.
  g.SetMargenes(100000, 90000, 46000, 39000);
  dc = Draw();
  EXPECT_TRUE(ItemsOf(dc, RecordingDc::Op::Polyline).empty());
}

TEST_F(CGraficaDibujo, MarkerSeriesDrawCircles) {
  g.series[1].estilo = kEstiloMarcas;
  RecordingDc dc = Draw();
  const auto circles = ItemsOf(dc, RecordingDc::Op::Ellipse);
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(circles[0]->points[0], (Point{7950 - 70, -7252 + 70}));
  EXPECT_EQ(circles[0]->points[1], (Point{7950 + 70, -7252 - 70}));
  EXPECT_EQ(circles[0]->pen, (Pen{PenStyle::Solid, 1, MakeRgb(0, 0, 200)}));
  EXPECT_EQ(ItemsOf(dc, RecordingDc::Op::Polyline).size(), 1u);
}

TEST_F(CGraficaDibujo, LegendPositions) {
  struct Case {
    int pos;
    Point origen;
  };
  // D = plot bottom - frame top = -10000, so 3 D / 4 = -7500.
  const Case cases[] = {{0, {3200, -3800}},
                        {1, {9250, -3800}},
                        {2, {3200, -9000}},
                        {3, {9250, -9000}},
                        {4, {14200, -3800}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pos);
    g.posLeyenda = c.pos;
    RecordingDc dc = Draw();
    const char* labels[] = {"Caliente", "Fría", "Vacía"};  // also the series without points
    for (int i = 0; i < 3; ++i) {
      const auto* t = dc.FindText(labels[i]);
      ASSERT_NE(t, nullptr);
      EXPECT_EQ(t->points[0], (Point{c.origen.x + 950, c.origen.y - 700 * i + 200}));
      EXPECT_EQ(t->font.height, 320);
    }
    bool sample = false;
    for (const auto* it : ItemsOf(dc, RecordingDc::Op::Line))
      if (it->points[0] == (Point{c.origen.x, c.origen.y - 700}) &&
          it->points[1] == (Point{c.origen.x + 750, c.origen.y - 700}) &&
          it->pen == Pen{PenStyle::Dash, 1, MakeRgb(0, 0, 200)})
        sample = true;
    EXPECT_TRUE(sample);
  }
  g.posLeyenda = 5;
  RecordingDc dc = Draw();
  EXPECT_EQ(dc.FindText("Caliente"), nullptr);
}

TEST_F(CGraficaDibujo, SameLayoutForMetafileAndScreenAndContextRestored) {
  RecordingDc screen;
  LogFont mine;
  mine.faceName = "Courier";
  screen.SelectFont(mine);
  const Pen pen{PenStyle::Solid, 3, 9};
  screen.SelectPen(pen);
  g.Dibujar(screen, false);
  EXPECT_EQ(screen.CurrentFont(), mine);
  EXPECT_EQ(screen.CurrentPen(), pen);
  EXPECT_EQ(screen.Items()[0].pen, pen);  // the frame uses the context's pen

  RecordingDc meta;
  meta.SelectFont(mine);
  meta.SelectPen(pen);
  g.Dibujar(meta, true);
  ASSERT_EQ(screen.Items().size(), meta.Items().size());
  for (std::size_t i = 0; i < meta.Items().size(); ++i) {
    EXPECT_EQ(screen.Items()[i].points, meta.Items()[i].points);
    EXPECT_EQ(screen.Items()[i].text, meta.Items()[i].text);
  }
}

TEST_F(CGraficaDibujo, MetafileCarriesTheChartForASecondReader) {
  g.posLeyenda = 0;
  g.series[1].estilo = kEstiloMarcas;
  EmfDc emf;
  g.Dibujar(emf, true);
  const std::vector<std::uint8_t>& bytes = emf.Close();
  // Walk the records: one polyline (the solid series), two marker circles
  // plus the legend's one, and a text per tick, legend entry and caption.
  int polylines = 0, ellipses = 0, texts = 0;
  for (std::size_t off = 0; off + 8 <= bytes.size();) {
    std::uint32_t type = 0, size = 0;
    std::memcpy(&type, bytes.data() + off, 4);
    std::memcpy(&size, bytes.data() + off + 4, 4);
    ASSERT_GE(size, 8u);
    polylines += type == U_EMR_POLYLINE;
    ellipses += type == U_EMR_ELLIPSE;
    texts += type == U_EMR_EXTTEXTOUTW;
    off += size;
  }
  RecordingDc rec;
  g.Dibujar(rec, true);
  EXPECT_EQ(polylines, 1);
  EXPECT_EQ(ellipses, 3);
  EXPECT_EQ(texts, static_cast<int>(rec.Texts().size()));

  const std::string path = "/tmp/vardo_grafica_test.emf";
  const std::string svg = "/tmp/vardo_grafica_test.svg";
  ASSERT_TRUE(emf.WriteFile(path));
  if (std::system("command -v emf2svg-conv >/dev/null 2>&1") != 0) GTEST_SKIP() << "emf2svg-conv not installed";
  ASSERT_EQ(std::system(("emf2svg-conv -i " + path + " -o " + svg + " 2>/dev/null").c_str()), 0);
  std::ifstream in(svg);
  std::stringstream ss;
  ss << in.rdbuf();
  for (const char* t : {"Caliente", "Fría", "Vacía", "H (kW)", "T (K)", "Curvas compuestas", "320.", "10."})
    EXPECT_NE(ss.str().find(t), std::string::npos) << t;
}

TEST(CGraficaDibujoPocos, OnePointDrawsAxesButNoSeries) {
  CGrafica g;
  g.Inicializar("m", kEstiloMarcas, 0);
  g.AddPunto(500, 500);
  g.Recalcular();
  RecordingDc dc;
  g.Dibujar(dc, false);
  EXPECT_FALSE(dc.Texts().empty());
  EXPECT_TRUE(ItemsOf(dc, RecordingDc::Op::Ellipse).empty());
}

}  // namespace
}  // namespace vardo
