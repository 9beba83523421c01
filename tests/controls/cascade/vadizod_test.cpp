#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "controls/cascade/vadizod.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/gridwidget.h"

using namespace vardo;

namespace {

using Tipo = TrazoCascada::Tipo;

std::vector<TrazoCascada> DeTipo(const std::vector<TrazoCascada>& f, Tipo tipo) {
  std::vector<TrazoCascada> out;
  std::copy_if(f.begin(), f.end(), std::back_inserter(out), [tipo](const TrazoCascada& t) { return t.tipo == tipo; });
  return out;
}

// The arrow tips: the ends of the two slanted arrow lines.
std::vector<QPoint> Puntas(const std::vector<TrazoCascada>& f) {
  std::vector<QPoint> out;
  for (const TrazoCascada& t : DeTipo(f, Tipo::Linea))
    if (t.color == Vadizod::kColorFlecha && t.a.y() != t.b.y() && t.a.x() != t.b.x()) out.push_back(t.b);
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

const TrazoCascada* Texto(const std::vector<TrazoCascada>& f, const QString& s) {
  for (const TrazoCascada& t : f)
    if (t.tipo == Tipo::Texto && t.texto == s) return &t;
  return nullptr;
}

// Three boundaries, filled the way the hosts do it.
class VadizodTest : public ::testing::Test {
 protected:
  VadizodTest() {
    c_.resize(200, 100);  // 3000 x 1500 twips
    c_.show();
    const double t[] = {450, 400, 350}, hp[] = {20.5, 0, 30};
    const double h[] = {-20.5, 30};
    for (int i = 0; i < 3; ++i) {
      c_.AddTemp(t[i]);
      if (i < 2) c_.AddH(h[i]);
      c_.AddHp(hp[i]);
    }
    c_.EscribirTabla();
    c_.Dibujar();
  }

  Vadizod c_;
};

TEST_F(VadizodTest, TresFronterasFlechasYCajas) {
  ASSERT_EQ(c_.Intervalos(), 2);
  const auto f = c_.Figura(false);
  EXPECT_EQ(f.front().tipo, Tipo::CajaLlena);
  EXPECT_EQ(f.front().color, Vadizod::kBlanco);
  EXPECT_EQ(Puntas(f), (std::vector<QPoint>{{1250, 400}, {1250, 1400}, {1250, 2400}}));

  const auto llenas = DeTipo(f, Tipo::CajaLlena);
  ASSERT_EQ(llenas.size(), 3u);  // background and two interval boxes
  EXPECT_EQ(llenas[1].a, QPoint(800, 400));
  EXPECT_EQ(llenas[1].b, QPoint(1700, 1100));
  EXPECT_EQ(llenas[1].color, MakeRgb(220, 220, 200));
  EXPECT_EQ(llenas[2].a, QPoint(800, 1400));
  const auto cajas = DeTipo(f, Tipo::Caja);
  ASSERT_EQ(cajas.size(), 2u);
  EXPECT_EQ(cajas[1].b, QPoint(1700, 2100));
  EXPECT_EQ(cajas[1].color, 0u);

  // One dotted blue boundary line per boundary, 180 twips above the tip.
  int punteadas = 0;
  for (const TrazoCascada& t : DeTipo(f, Tipo::Linea))
    if (t.punteado) {
      EXPECT_EQ(t.color, MakeRgb(0, 0, 255));
      EXPECT_EQ(t.a, QPoint(600, 400 - 180 + 1000 * punteadas));
      EXPECT_EQ(t.b.x(), 1950);
      ++punteadas;
    }
  EXPECT_EQ(punteadas, 3);
}

TEST_F(VadizodTest, Etiquetas) {
  // The copy is wide enough for every label at its place.
  const auto f = c_.Figura(true);
  struct Caso {
    const char* texto;
    QPoint en;
  };
  for (const Caso& c : {Caso{"450.00 K", {100, 45}}, Caso{"H=20.50 kW", {1950, 45}},
                        Caso{"-20.50 kW", {920, 630}}, Caso{"400.00 K", {100, 1045}},
                        Caso{"H=0.00 kW", {1950, 1045}}, Caso{"30.00 kW", {920, 1630}},
                        Caso{"350.00 K", {100, 2045}}, Caso{"H=30.00 kW", {1950, 2045}}}) {
    const TrazoCascada* t = Texto(f, QString::fromUtf8(c.texto));
    ASSERT_NE(t, nullptr) << c.texto;
    EXPECT_EQ(t->a, c.en) << c.texto;
  }
  EXPECT_EQ(DeTipo(f, Tipo::Texto).size(), 8u);  // no interval heat below the last boundary

  // The screen's picture, 170 pixels wide, is too narrow for the heats at
  // 1950: they move left to end inside it, right of the arrow (1310).
  const QFontMetrics fm(c_.Picture1()->font(), c_.Picture1());
  const auto pantalla = c_.Figura(false);
  for (const char* calor : {"H=20.50 kW", "H=0.00 kW", "H=30.00 kW"}) {
    const TrazoCascada* t = Texto(pantalla, QString::fromUtf8(calor));
    ASSERT_NE(t, nullptr) << calor;
    EXPECT_LT(t->a.x(), 1950) << calor;
    EXPECT_GT(t->a.x(), 1310) << calor;
    EXPECT_LE(t->a.x() / 15 + fm.horizontalAdvance(QString::fromUtf8(calor)), c_.Picture1()->width()) << calor;
  }
}

TEST_F(VadizodTest, BarrasDeDesplazamiento) {
  EXPECT_EQ(c_.VScroll1()->maximum(), 1400);
  EXPECT_EQ(c_.VScroll1()->singleStep(), 70);
  EXPECT_EQ(c_.VScroll1()->pageStep(), 280);
  EXPECT_EQ(c_.HScroll1()->maximum(), 2500);
  EXPECT_EQ(c_.HScroll1()->singleStep(), 125);
  EXPECT_EQ(c_.HScroll1()->pageStep(), 500);
  // 3000 x 1500 twips: 1000 <= 1400 and 2500 <= 2500, both enabled.
  EXPECT_TRUE(c_.VScroll1()->isEnabled());
  EXPECT_TRUE(c_.HScroll1()->isEnabled());
  c_.resize(300, 200);  // 4500 x 3000 twips: room for everything
  c_.Dibujar();
  EXPECT_FALSE(c_.VScroll1()->isEnabled());
  EXPECT_FALSE(c_.HScroll1()->isEnabled());

  // The screen figure moves with the scroll bars; the copy does not.
  c_.HScroll1()->setValue(125);
  c_.VScroll1()->setValue(70);
  EXPECT_EQ(Puntas(c_.Figura(false)).front(), QPoint(1125, 330));
  EXPECT_EQ(Puntas(c_.Figura(true)).front(), QPoint(1250, 400));
}

TEST_F(VadizodTest, TamanoDeLaCopia) {
  EXPECT_EQ(c_.TamanoCopiaTwips(), QSize(3500, 3900));
  c_.DibujarCopy();
  EXPECT_EQ(c_.ImagenCopia().size(), QSize(233, 260));  // 15 twips a pixel
  // The size comes from the lists, not from a previous screen drawing.
  Vadizod nuevo;
  for (double t : {300.0, 200.0}) nuevo.AddTemp(t);
  nuevo.AddH(5);
  nuevo.AddHp(0);
  nuevo.AddHp(5);
  EXPECT_EQ(nuevo.TamanoCopiaTwips(), QSize(3500, 2900));
  nuevo.DibujarCopy();
  EXPECT_EQ(nuevo.ImagenCopia().size(), QSize(233, 193));
  // Box fill, white background and a dotted line's colour in the copy.
  const QImage& img = c_.ImagenCopia();
  EXPECT_EQ(img.pixelColor(1600 / 15, 1000 / 15), QColor(220, 220, 200));
  EXPECT_EQ(img.pixelColor(3400 / 15, 3800 / 15), QColor(Qt::white));
}

TEST_F(VadizodTest, Tabla) {
  GridWidget* g = c_.MSFlexGrid1();
  ASSERT_EQ(g->Rows(), 4);
  EXPECT_EQ(g->Text(0, 0), QStringLiteral("T (K)"));
  EXPECT_EQ(g->Text(0, 1), QStringLiteral("H (kW)"));
  EXPECT_EQ(g->Text(1, 0), QStringLiteral("450.00"));
  EXPECT_EQ(g->Text(1, 1), QStringLiteral("20.50"));  // cascaded heats, not interval heats
  EXPECT_EQ(g->Text(2, 1), QStringLiteral("0.00"));
  EXPECT_EQ(g->Text(3, 0), QStringLiteral("350.00"));
  EXPECT_EQ(g->Text(3, 1), QStringLiteral("30.00"));
}

TEST_F(VadizodTest, MenuVistasYCopias) {
  EXPECT_TRUE(c_.ModoFigura());
  EXPECT_TRUE(c_.MnuFigura()->isChecked());
  EXPECT_FALSE(c_.MSFlexGrid1()->isVisible());

  // Copy of the figure: a bitmap of the copy's size.
  c_.MnuCopiar()->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(233, 260));

  c_.MnuTabla()->trigger();
  EXPECT_FALSE(c_.ModoFigura());
  EXPECT_TRUE(c_.MnuTabla()->isChecked());
  EXPECT_FALSE(c_.MnuFigura()->isChecked());
  EXPECT_TRUE(c_.MSFlexGrid1()->isVisible());
  EXPECT_FALSE(c_.Picture1()->isVisible());
  EXPECT_FALSE(c_.HScroll1()->isVisible());
  EXPECT_FALSE(c_.VScroll1()->isVisible());
  c_.MnuCopiar()->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("T (K)\tH (kW)\n450.00\t20.50\n400.00\t0.00\n350.00\t30.00"));

  c_.MnuFigura()->trigger();
  EXPECT_TRUE(c_.ModoFigura());
  EXPECT_TRUE(c_.Picture1()->isVisible());
  EXPECT_FALSE(c_.MSFlexGrid1()->isVisible());
  EXPECT_FALSE(c_.MnuTabla()->isChecked());

  // A right click on the picture opens the menu.
  QTest::mouseClick(c_.Picture1(), Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_TRUE(c_.MnuPrincipal()->isVisible());
  c_.MnuPrincipal()->close();
}

TEST_F(VadizodTest, VaciarBorraLaFigura) {
  c_.Vaciar();
  EXPECT_EQ(c_.Intervalos(), 0);
  EXPECT_EQ(c_.Figura(false).size(), 1u);  // only the white background
  EXPECT_EQ(c_.MSFlexGrid1()->Rows(), 1);
  EXPECT_EQ(c_.MSFlexGrid1()->Text(0, 1), QStringLiteral("H (kW)"));
  const QImage img = c_.Picture1()->grab().toImage();
  for (int y = 0; y < img.height(); y += 3)
    for (int x = 0; x < img.width(); x += 3) ASSERT_EQ(img.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
  // Temperatures alone draw nothing either.
  c_.AddTemp(400);
  c_.AddHp(0);
  EXPECT_EQ(c_.Figura(false).size(), 1u);
}

TEST_F(VadizodTest, ListasDesigualesDibujanLoQueTodasTienen) {
  Vadizod c;
  // The object browser's way: an interval heat for each boundary that has one below it.
  for (int i = 0; i < 4; ++i) {
    c.AddTemp(500 - 10 * i);
    c.AddH(i);
    if (i < 3) c.AddHp(i * 2);
  }
  // Three cascaded heats: two intervals and three boundaries can be drawn.
  EXPECT_EQ(c.Intervalos(), 2);
  const auto f = c.Figura(true);
  EXPECT_EQ(Puntas(f).size(), 3u);
  EXPECT_NE(Texto(f, QStringLiteral("480.00 K")), nullptr);
  EXPECT_EQ(Texto(f, QStringLiteral("470.00 K")), nullptr);
  c.EscribirTabla();
  EXPECT_EQ(c.MSFlexGrid1()->Rows(), 4);
  EXPECT_EQ(c.MSFlexGrid1()->Text(3, 1), QStringLiteral("4.00"));
  c.AddHp(6);
  EXPECT_EQ(c.Intervalos(), 3);
}

TEST(Vadizod, CienIntervalos) {
  Vadizod c;
  c.resize(200, 300);
  c.show();
  for (int i = 0; i <= 100; ++i) {
    c.AddTemp(1500.0 - 10 * i);
    if (i < 100) c.AddH(i % 2 ? 12.5 : -7.25);
    c.AddHp(i * 2.5);
  }
  c.EscribirTabla();
  c.Dibujar();
  ASSERT_EQ(c.Intervalos(), 100);
  const auto f = c.Figura(false);
  const auto puntas = Puntas(f);
  ASSERT_EQ(puntas.size(), 101u);
  EXPECT_EQ(puntas.back(), QPoint(1250, 400 + 100 * 1000));  // beyond 16 bits
  const TrazoCascada* ultima = Texto(f, QStringLiteral("500.00 K"));
  ASSERT_NE(ultima, nullptr);
  EXPECT_EQ(ultima->a.y(), 100400 - 355);
  EXPECT_EQ(c.VScroll1()->maximum(), 99400);
  EXPECT_TRUE(c.VScroll1()->isEnabled());
  c.VScroll1()->setValue(99400);
  EXPECT_EQ(Puntas(c.Figura(false)).back(), QPoint(1250, 1000));
  EXPECT_EQ(c.TamanoCopiaTwips(), QSize(3500, 101900));
  c.DibujarCopy();
  EXPECT_EQ(c.ImagenCopia().height(), 6793);
  EXPECT_EQ(c.MSFlexGrid1()->Rows(), 102);
  EXPECT_EQ(c.MSFlexGrid1()->Text(101, 0), QStringLiteral("500.00"));
  // The picture paints at the bottom of the range without trouble.
  EXPECT_FALSE(c.Picture1()->grab().isNull());
}

TEST(Vadizod, ImagenesParaMirar) {
  Vadizod c;
  c.resize(260, 300);
  c.show();
  const double t[] = {480, 440, 410, 370, 330}, hp[] = {35, 0, 12, 30.5, 52};
  const double h[] = {-35, 12, 18.5, 21.5};
  for (int i = 0; i < 5; ++i) {
    c.AddTemp(t[i]);
    if (i < 4) c.AddH(h[i]);
    c.AddHp(hp[i]);
  }
  c.Dibujar();
  ASSERT_TRUE(c.grab().save(QStringLiteral("/tmp/vadizod_pantalla.png")));
  c.DibujarCopy();
  ASSERT_TRUE(c.ImagenCopia().save(QStringLiteral("/tmp/vadizod_copia.png")));
}

TEST(VadizodRegistro, SeCreaPorSuClassId) {
  QWidget padre;
  QWidget* w = ComponentRegistry::Instance().Create("229D66E5-CF83-11D5-8BB5-F856CB72FC44", &padre);
  ASSERT_NE(w, nullptr);
  EXPECT_NE(qobject_cast<Vadizod*>(w), nullptr);
  EXPECT_EQ(DispVadizod::DibujarCopy, 0x60030011);
}

}  // namespace

namespace {

// The screen paints only the intervals in view, and paints them exactly as
// the whole figure would: at scroll positions at the top, in the middle and
// at the foot of a long cascade, the picture equals the whole figure's, and
// it holds far fewer steps than the whole figure.
TEST(VadizodLargo, LaPantallaPintaSoloLoVisibleYIgualQueLaFiguraEntera) {
  Vadizod c;
  c.resize(220, 300);
  c.show();
  constexpr int kFronteras = 3'000;
  for (int i = 0; i < kFronteras; ++i) {
    c.AddTemp(900.0 - 0.25 * i);
    if (i + 1 < kFronteras) c.AddH(i % 3 - 1.0);
    c.AddHp(10.0 + i % 7);
  }
  c.EscribirTabla();
  c.Dibujar();
  QWidget* lienzo = c.Picture1();
  for (int valor : {0, c.VScroll1()->maximum() / 2 + 37, c.VScroll1()->maximum()}) {
    SCOPED_TRACE(valor);
    c.VScroll1()->setValue(valor);
    QImage pantalla(lienzo->size(), QImage::Format_RGB32), entera(lienzo->size(), QImage::Format_RGB32);
    pantalla.fill(Qt::gray);
    entera.fill(Qt::gray);
    {
      QPainter p(&pantalla);
      c.PintarPantalla(p);
    }
    {
      QPainter p(&entera);
      PintarTrazos(p, c.Figura(false));
    }
    EXPECT_TRUE(pantalla == entera);
  }
  const int alto = lienzo->height() * 15;
  const auto visibles = c.FiguraEntre(false, 0, alto / Vadizod::kPasoY + 3).size();
  EXPECT_LT(visibles * 100, c.Figura(false).size());
}

}  // namespace
