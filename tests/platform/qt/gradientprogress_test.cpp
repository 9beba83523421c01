// The gradient progress bar: what its paint fills, in which colours, the
// text over it, and how position, step and the moving segment move.
#include "platform/qt/gradientprogress.h"

#include <gtest/gtest.h>

#include <QImage>
#include <functional>

namespace vardo {
namespace {

QImage Imagen(CGradientProgressCtrl& b) { return b.grab().toImage().convertToFormat(QImage::Format_RGB32); }

class Barra : public ::testing::Test {
 protected:
  void SetUp() override {
    barra.resize(300, 40);
    barra.SetBkColor(MakeRgb(240, 240, 240));
  }
  // Colours of row y, left to right.
  std::vector<QRgb> Fila(const QImage& img, int y) {
    std::vector<QRgb> f;
    for (int x = 0; x < img.width(); ++x) f.push_back(img.pixel(x, y));
    return f;
  }
  CGradientProgressCtrl barra;
  const QRgb fondo = qRgb(240, 240, 240);
};

TEST_F(Barra, MitadLlenaDeUnColorConSuPorcentaje) {
  barra.SetRange(0, 500);
  barra.SetPos(250);
  barra.SetBarColor(MakeRgb(0, 90, 160), MakeRgb(0, 90, 160));
  barra.SetEstilo(CGradientProgressCtrl::kMostrarPorcentaje);
  EXPECT_EQ(barra.Texto(), QStringLiteral("50%"));
  EXPECT_EQ(barra.RectanguloLleno(), QRect(0, 0, 150, 40));
  EXPECT_EQ(CGradientProgressCtrl::PasosGradiente(QColor(0, 90, 160), QColor(0, 90, 160), 150, false), 1);
  const QImage img = Imagen(barra);
  ASSERT_TRUE(img.save(QString::fromStdString(::testing::TempDir() + "/vardo_progreso_50.png")));
  // Above the text: the left half one colour, the right half background.
  for (int y : {1, 38}) {
    const std::vector<QRgb> f = Fila(img, y);
    for (int x = 0; x < 300; ++x) EXPECT_EQ(f[x], x < 150 ? qRgb(0, 90, 160) : fondo) << x << "," << y;
  }
}

TEST_F(Barra, DegradadoPorBandasDesdeElPrimerColor) {
  barra.resize(255, 20);
  barra.SetRange(0, 100);
  barra.SetPos(100);
  barra.SetBarColor(MakeRgb(0, 0, 0), MakeRgb(255, 0, 0));
  // One band per step of the widest channel, at most one per pixel.
  EXPECT_EQ(CGradientProgressCtrl::PasosGradiente(Qt::black, Qt::red, 255, false), 255);
  EXPECT_EQ(CGradientProgressCtrl::PasosGradiente(Qt::black, Qt::red, 100, false), 100);
  EXPECT_EQ(CGradientProgressCtrl::PasosGradiente(Qt::black, Qt::red, 100, true), 1);
  EXPECT_EQ(CGradientProgressCtrl::ColorBanda(Qt::black, QColor(255, 0, 0), 50, 100), QColor(128, 0, 0));
  QImage img = Imagen(barra);
  for (int x : {0, 1, 100, 254}) EXPECT_EQ(img.pixel(x, 10), qRgb(x, 0, 0)) << x;
  // Reversed: it starts at the right.
  barra.SetEstilo(CGradientProgressCtrl::kInvertido);
  img = Imagen(barra);
  for (int x : {0, 100, 254}) EXPECT_EQ(img.pixel(x, 10), qRgb(254 - x, 0, 0)) << x;
  // Three colours: two runs, the middle colour half way.
  barra.SetEstilo(0);
  barra.SetColores({Qt::black, QColor(254, 0, 0), QColor(254, 0, 254)});
  img = Imagen(barra);
  EXPECT_EQ(img.pixel(0, 10), qRgb(0, 0, 0));
  EXPECT_EQ(qRed(img.pixel(126, 10)), 252);
  EXPECT_EQ(img.pixel(254, 10), qRgb(254, 0, 252));
  ASSERT_TRUE(img.save(QString::fromStdString(::testing::TempDir() + "/vardo_progreso_degradado.png")));
}

TEST_F(Barra, LlenoSegunDireccion) {
  barra.resize(100, 200);
  barra.SetRange(0, 4);
  barra.SetPos(1);
  struct Caso {
    unsigned estilo;
    QRect lleno;
  } casos[] = {
      {0, QRect(0, 0, 25, 200)},
      {CGradientProgressCtrl::kInvertido, QRect(75, 0, 25, 200)},
      {CGradientProgressCtrl::kVertical, QRect(0, 150, 100, 50)},
      {CGradientProgressCtrl::kVertical | CGradientProgressCtrl::kInvertido, QRect(0, 0, 100, 50)},
  };
  for (const auto& c : casos) {
    barra.SetEstilo(c.estilo);
    EXPECT_EQ(barra.RectanguloLleno(), c.lleno) << c.estilo;
  }
}

TEST_F(Barra, FueraDelRangoSoloElFondo) {
  barra.SetEstilo(CGradientProgressCtrl::kMostrarPorcentaje);
  barra.SetRange(0, 500);
  barra.SetPos(400);
  barra.SetRange(0, 100);  // the position stays, now past the end
  EXPECT_EQ(barra.Pos(), 400);
  EXPECT_TRUE(barra.RectanguloLleno().isEmpty());
  const QImage img = Imagen(barra);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) ASSERT_EQ(img.pixel(x, y), fondo) << x << "," << y;
}

TEST_F(Barra, ExtremosIgualesVaciaConCeroPorCiento) {
  barra.SetEstilo(CGradientProgressCtrl::kMostrarPorcentaje);
  barra.SetRange(7, 7);
  barra.SetPos(9);
  EXPECT_EQ(barra.Pos(), 7);
  EXPECT_EQ(barra.Texto(), QStringLiteral("0%"));
  EXPECT_TRUE(barra.RectanguloLleno().isEmpty());
  const QImage img = Imagen(barra);
  for (int x = 0; x < img.width(); ++x) EXPECT_EQ(img.pixel(x, 1), fondo) << x;
  // The text is there, over the background.
  int tinta = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) tinta += img.pixel(x, y) != fondo;
  EXPECT_GT(tinta, 10);
}

TEST_F(Barra, ExtremosIgualesEnCadaEstiloYMovimiento) {
  // Equal ends in every direction and in the moving-segment mode, after
  // each way of moving: the bar stays empty and the percentage is 0.
  using G = CGradientProgressCtrl;
  const unsigned estilos[] = {0, G::kVertical, G::kInvertido, G::kVertical | G::kInvertido,
                              G::kSegmento, G::kSegmento | G::kVertical};
  const std::function<void(G&)> movimientos[] = {
      [](G& b) { b.SetPos(5); }, [](G& b) { b.StepIt(); }, [](G& b) { b.OffsetPos(-30); },
      [](G& b) { for (int i = 0; i < 12; ++i) b.StepIt(); }};
  for (unsigned estilo : estilos) {
    for (const auto& mover : movimientos) {
      G b;
      b.resize(120, 30);
      b.SetBkColor(MakeRgb(240, 240, 240));
      b.SetEstilo(estilo | G::kMostrarPorcentaje);
      b.SetRange(5, 5);
      mover(b);
      EXPECT_TRUE(b.RectanguloLleno().isEmpty()) << estilo;
      EXPECT_EQ(b.Texto(), QStringLiteral("0%")) << estilo;
      const QImage img = Imagen(b);
      EXPECT_EQ(img.pixel(0, 0), fondo) << estilo;
      EXPECT_EQ(img.pixel(119, 29), fondo) << estilo;
    }
  }
}

TEST_F(Barra, Textos) {
  barra.SetRange(100, 600);
  barra.SetPos(350);
  struct Caso {
    unsigned estilo;
    const char* formato;
    const char* texto;
  } casos[] = {
      {0, "", ""},
      {CGradientProgressCtrl::kMostrarPorcentaje, "", "50%"},
      {CGradientProgressCtrl::kMostrarPosicion, "", "350"},
      {CGradientProgressCtrl::kMostrarPorcentaje, "Hecho: %d%%", "Hecho: 50%"},
      {CGradientProgressCtrl::kMostrarPosicion, "Paso %d de 600", "Paso 350 de 600"},
  };
  for (const auto& c : casos) {
    barra.SetEstilo(c.estilo);
    barra.SetFormato(QString::fromUtf8(c.formato));
    EXPECT_EQ(barra.Texto(), QString::fromUtf8(c.texto)) << c.formato;
  }
  // The percentage rounds: 1/3 of the way is 33 %, 2/3 is 67 %.
  barra.SetFormato({});
  barra.SetEstilo(CGradientProgressCtrl::kMostrarPorcentaje);
  barra.SetRange(0, 3);
  barra.SetPos(2);
  EXPECT_EQ(barra.Texto(), QStringLiteral("67%"));
}

TEST_F(Barra, ColorDeBarraConUnSoloValor) {
  barra.SetBarColor(MakeRgb(10, 20, 30));
  ASSERT_EQ(barra.Colores().size(), 2u);
  EXPECT_EQ(barra.Colores()[0], QColor(10, 20, 30));
  EXPECT_EQ(barra.Colores()[1], QColor(10, 20, 30));
  barra.SetBarColor(MakeRgb(10, 20, 30), MakeRgb(200, 0, 0));
  EXPECT_EQ(barra.Colores()[1], QColor(200, 0, 0));
}

TEST_F(Barra, PasosYPosicionDentroDelRango) {
  barra.SetRange(0, 100);
  EXPECT_EQ(barra.SetStep(14), 10);
  for (int i = 0; i < 7; ++i) barra.StepIt();
  EXPECT_EQ(barra.Pos(), 98);
  // Past the end it starts again from the start.
  EXPECT_EQ(barra.StepIt(), 98);
  EXPECT_EQ(barra.Pos(), 12);
  EXPECT_EQ(barra.SetPos(150), 12);
  EXPECT_EQ(barra.Pos(), 100);
  EXPECT_EQ(barra.OffsetPos(-130), 100);
  EXPECT_EQ(barra.Pos(), 0);
}

TEST_F(Barra, SegmentoMovilNuncaPorDebajoDelRango) {
  barra.SetEstilo(CGradientProgressCtrl::kSegmento);
  barra.SetRange(20, 120);
  barra.SetLongitudSegmento(40);
  barra.SetStep(15);
  barra.SetPos(25);
  EXPECT_EQ(barra.Cola(), 20);
  int vueltas = 0;
  for (int i = 0; i < 40; ++i) {
    const unsigned antes = barra.Estilo();
    barra.StepIt();
    vueltas += (barra.Estilo() ^ antes) == CGradientProgressCtrl::kInvertido;
    ASSERT_GE(barra.Cola(), 20) << i;
    ASSERT_LE(barra.Cola(), barra.Pos()) << i;
    ASSERT_GE(barra.Pos(), 20) << i;
    ASSERT_LE(barra.Pos(), 120 + 40) << i;
    const QRect r = barra.RectanguloLleno();
    EXPECT_LE(r.width(), 300 * 40 / 100 + 1) << i;
  }
  // The segment ran out at the end and came back turned round.
  EXPECT_GE(vueltas, 2);
  // A move by a negative amount moves forwards too.
  barra.SetPos(60);
  barra.OffsetPos(-10);
  EXPECT_EQ(barra.Pos(), 70);
  EXPECT_EQ(barra.Cola(), 30);
}

}  // namespace
}  // namespace vardo
