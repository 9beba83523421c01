#include "platform/qt/qt_dc.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <functional>

// This test directory links only the Qt layer; the chart object is compiled
// in here to render one chart through this back end.
#include "app/core/charts/grafica.h"
#include "platform/qt/recordedpicture.h"
#include "tests/platform/qt/pintar_grafica.h"

namespace vardo {
namespace {

const QColor kGris(200, 200, 200);
// 25 logical units (0.25 mm) per pixel: logical (x, y) -> pixel (x / 25, -y / 25).
constexpr double kEscala = 0.04;

// Draws on a grey image; with a name, the image is kept in /tmp to be looked at.
QImage Draw(const std::function<void(QtDc&)>& paint, const char* name = nullptr, QSize size = {400, 300}) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(kGris);
  QPainter p(&img);
  QtDc dc(p, QPointF(0, 0), kEscala, kEscala);
  paint(dc);
  p.end();
  if (name) img.save(QString("/tmp/vardo_qtdc_%1.png").arg(name));
  return img;
}

bool Oscuro(QRgb c) { return qGray(c) < 100; }

int OscurosEnFila(const QImage& img, int y, int x0, int x1) {
  int n = 0;
  for (int x = x0; x < x1; ++x) n += Oscuro(img.pixel(x, y));
  return n;
}

TEST(QtDc, MapsLogicalUnitsWithYUpwards) {
  const QImage img = Draw([](QtDc& dc) {
    dc.MoveTo(0, -1000);
    dc.LineTo(10000, -1000);  // row 40, from x 0 to 400
    dc.MoveTo(2500, 0);
    dc.LineTo(2500, -5000);  // column 100, rows 0..200
  });
  EXPECT_TRUE(Oscuro(img.pixel(200, 40)));
  EXPECT_FALSE(Oscuro(img.pixel(200, 30)));
  EXPECT_TRUE(Oscuro(img.pixel(100, 150)));
  EXPECT_FALSE(Oscuro(img.pixel(100, 250)));

  QImage dummy(10, 10, QImage::Format_RGB32);
  QPainter p(&dummy);
  QtDc dc(p, QPointF(5, 7), kEscala, kEscala);
  EXPECT_EQ(dc.ToDevice(250, -500), QPointF(15, 27));
  EXPECT_EQ(dc.ToLogical(QPointF(15, 27)), (Point{250, -500}));
}

TEST(QtDc, PensAndBrushes) {
  const QImage img = Draw([](QtDc& dc) {
    dc.SelectPen({PenStyle::Solid, 0, MakeRgb(0, 0, 0)});
    dc.Polyline({{0, -250}, {10000, -250}});  // row 10
    dc.SelectPen({PenStyle::Dash, 1, MakeRgb(0, 0, 0)});
    dc.Polyline({{0, -500}, {10000, -500}});  // row 20
    dc.SelectPen({PenStyle::Null, 0, 0});
    dc.Polyline({{0, -750}, {10000, -750}});  // row 30: nothing
    dc.SelectPen({PenStyle::Solid, 0, MakeRgb(255, 0, 0)});
    dc.SelectBrush(Brush::Hollow);
    dc.Rectangle({250, -1250, 2500, -3750});  // x 10..100, y 50..150
    dc.SelectBrush(Brush::White);
    dc.Ellipse({5000, -1250, 7500, -3750});  // x 200..300, y 50..150
  }, "plumas");
  EXPECT_GT(OscurosEnFila(img, 10, 0, 400), 390);
  const int dash = OscurosEnFila(img, 20, 0, 400);
  EXPECT_GT(dash, 150);
  EXPECT_LT(dash, 350);
  EXPECT_EQ(OscurosEnFila(img, 30, 0, 400), 0);
  EXPECT_EQ(img.pixelColor(50, 100), kGris);  // hollow inside
  EXPECT_EQ(img.pixelColor(10, 100), QColor(255, 0, 0));  // red outline
  EXPECT_EQ(img.pixelColor(250, 100), QColor(Qt::white));  // white inside
}

TEST(QtDc, TextIsUprightAtItsTopLeftOnOpaqueWhite) {
  LogFont f;
  f.height = -5000;  // character height 200 px
  const QImage img = Draw([&](QtDc& dc) {
    dc.SelectFont(f);
    dc.TextOut(2500, -1250, "T");  // top-left at pixel (100, 50)
    LogFont small = f;
    small.height = -1000;
    dc.SelectFont(small);
    dc.TextOut(7500, -1250, "Año");
  }, "texto");
  // Rows of the T (left of x 290): the bar of the T is at the top, the stem below.
  int first = -1, last = -1;
  for (int y = 0; y < img.height(); ++y)
    if (OscurosEnFila(img, y, 0, 290) > 0) {
      if (first < 0) first = y;
      last = y;
    }
  ASSERT_GE(first, 50);
  ASSERT_GT(last, first + 100);
  EXPECT_GT(OscurosEnFila(img, first + 5, 0, 290), 3 * OscurosEnFila(img, last - 5, 0, 290));
  // Opaque white cell from the reference point; outside it the image is untouched.
  EXPECT_EQ(img.pixelColor(101, 51), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(99, 51), kGris);
  EXPECT_EQ(img.pixelColor(101, 49), kGris);
  // Black text by default.
  bool black = false;
  for (int x = 100; x < 290; ++x) black |= img.pixelColor(x, first + 5) == QColor(Qt::black);
  EXPECT_TRUE(black);

  const QImage red = Draw([&](QtDc& dc) {
    dc.SelectFont(f);
    dc.SetTextColor(MakeRgb(255, 0, 0));
    dc.TextOut(2500, -1250, "T");
  });
  bool isRed = false;
  for (int x = 100; x < 300; ++x) isRed |= red.pixelColor(x, first + 5) == QColor(255, 0, 0);
  EXPECT_TRUE(isRed);
}

TEST(QtDc, FontHeightRuleAndArialStandIn) {
  QImage img(10, 10, QImage::Format_RGB32);
  QPainter p(&img);
  QtDc dc(p, QPointF(0, 0), 0.5, 0.5);
  LogFont f;
  const QString family = QFontInfo(dc.MakeFont(f)).family();
  EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();

  f.height = -400;  // character height: the cell is taller (2288 / 2048 of it)
  dc.SelectFont(f);
  EXPECT_NEAR(dc.TextExtent("Xg").y, 447, 3);
  f.height = 400;  // cell height
  dc.SelectFont(f);
  EXPECT_NEAR(dc.TextExtent("Xg").y, 400, 3);
  // "W" is 1933 / 2048 em wide in Arial's metrics.
  EXPECT_NEAR(dc.TextExtent("W").x, 400 * 2048 / 2288 * 1933 / 2048, 4);
}

class PaintedWidget : public QWidget {
 public:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), kGris);
    QtDc dc(p, QPointF(0, 0), kEscala, kEscala);
    dc.SelectBrush(Brush::White);
    dc.Rectangle({250, -250, 2250, -2250});
  }
};

TEST(QtDc, DrawsOnWidgetsAndPrinters) {
  PaintedWidget w;
  w.resize(120, 120);
  const QImage shot = w.grab().toImage();
  EXPECT_EQ(shot.pixelColor(50, 50), QColor(Qt::white));
  EXPECT_EQ(shot.pixelColor(110, 110), kGris);

  const QString pdf = "/tmp/vardo_qtdc_test.pdf";
  QFile::remove(pdf);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  QPainter p;
  ASSERT_TRUE(p.begin(&printer));
  QtDc dc(p);  // the printer's own resolution
  EXPECT_NEAR(dc.ScaleX(), printer.logicalDpiX() / 2540.0, 1e-9);
  dc.MoveTo(1000, -1000);
  dc.LineTo(10000, -10000);
  dc.TextOut(1000, -2000, "Impresión");
  p.end();
  EXPECT_GT(QFileInfo(pdf).size(), 500);
}

TEST(QtDc, RendersAChartToPng) {
  CGrafica g;
  g.decimales = 2;
  g.Inicializar("Corrientes calientes", 0, MakeRgb(200, 0, 0));
  const int hot[][2] = {{0, 45000}, {20000, 40000}, {60000, 33000}, {90000, 30000}};
  for (const auto& p : hot) g.AddPunto(p[0], p[1]);
  g.AddSerie("Corrientes frías", 1, MakeRgb(0, 0, 200));
  const int cold[][2] = {{10000, 29000}, {50000, 36000}, {100000, 42000}};
  for (const auto& p : cold) g.AddPunto(p[0], p[1]);
  g.AddSerie("Puntos", kEstiloMarcas, MakeRgb(0, 150, 0));
  for (const auto& p : cold) g.AddPunto(p[0], p[1] + 1000);
  g.SetTitulos("H (kW)", "T (K)", "Figura 1: Curvas compuestas");
  g.posLeyenda = 1;
  g.Recalcular();

  const QImage img = PintarGrafica(g, 620, 660);
  ASSERT_TRUE(img.save("/tmp/vardo_qtdc_grafica.png"));

  // Something drawn in each series colour.
  bool rojo = false, azul = false, verde = false;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      rojo |= c.red() > 150 && c.green() < 60 && c.blue() < 60;
      azul |= c.blue() > 150 && c.red() < 60 && c.green() < 60;
      verde |= c.green() > 100 && c.red() < 60 && c.blue() < 60;
    }
  EXPECT_TRUE(rojo);
  EXPECT_TRUE(azul);
  EXPECT_TRUE(verde);
}

// A tall recorded picture (2,000 rows of lines, boxes and texts, as the grid
// diagram records them) painted at three scroll positions: the items that can
// reach the view give the same pixels as the whole list, and they are a few
// dozen rows' worth, not the picture.
TEST(ReplayItemsEn, PintaSoloLoQueLlegaALaVistaYIgualQueTodo) {
  MeasuringRecordingDc rec(96.0);
  constexpr int kFilas = 2'000, kPaso = 500;
  for (int i = 0; i < kFilas; ++i) {
    const std::int32_t y = -1500 - kPaso * i;
    rec.MoveTo(1500, y);
    rec.LineTo(20000, y - 200);
    rec.Rectangle(Rect{3000, y + 100, 3400, y - 300});
    rec.TextOut(500, y + 150, "T" + std::to_string(i));
    rec.TextOut(21000, y + 150, std::to_string(400.25 - i));
  }
  const std::vector<RecordingDc::Item>& items = rec.Items();
  const QSize vista(600, 300);
  const double s = 96.0 / 2540.0;
  for (int desplazamiento : {0, 17'000, 37'000}) {
    SCOPED_TRACE(desplazamiento);
    QImage todo(vista, QImage::Format_RGB32), parte(vista, QImage::Format_RGB32);
    todo.fill(Qt::white);
    parte.fill(Qt::white);
    const QPointF origen(0, -desplazamiento);
    {
      QPainter p(&todo);
      QtDc dc(p, origen, s, s);
      ReplayItems(items, dc);
    }
    Rect v;
    {
      QPainter p(&parte);
      QtDc dc(p, origen, s, s);
      const Point a = dc.ToLogical(QPointF(0, 0)), b = dc.ToLogical(QPointF(vista.width(), vista.height()));
      v = Rect{a.x, a.y, b.x, b.y};
      ReplayItemsEn(items, dc, v);
    }
    EXPECT_TRUE(parte == todo);
    // What a Dc is asked to draw: the rows in view and a row either side.
    RecordingDc contador;
    ReplayItemsEn(items, contador, v);
    EXPECT_GT(contador.Items().size(), 0u);
    EXPECT_LT(contador.Items().size(), items.size() / 40);
  }
}

}  // namespace
}  // namespace vardo
