#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <functional>
#include <optional>

#include "controls/scrollpanel/barrion.h"
#include "platform/qt/componentregistry.h"
#include "tests/comun/locale_coma.h"

using namespace vardo;

namespace {

// A panel built in the host's order: bars, start, initial values.
class BarrionTest : public ::testing::Test {
 public:
  BarrionTest() : cambiado_(&p_, &Barrion::cambiado) {
    p_.resize(300, 200);
    p_.show();
    p_.BarraInicial(QStringLiteral("Vapor"), 250);
    p_.AddBarra(QStringLiteral("Aceite"), 100);
    p_.Arrancar();
    cambiado_.clear();
  }

  // The user types into value box k and confirms with Enter or by leaving it.
  void Teclear(int k, const char* texto, bool conEnter = true) {
    QLineEdit* caja = p_.ValorLabel(k);
    caja->setText(QString::fromUtf8(texto));
    if (conEnter) {
      QTest::keyClick(caja, Qt::Key_Return);
    } else {
      QFocusEvent ev(QEvent::FocusOut, Qt::OtherFocusReason);
      QApplication::sendEvent(caja, &ev);
    }
  }

  QString Caja(int k) const { return p_.ValorLabel(k)->text(); }
  int Posicion(int k) const { return p_.HScroll1(k)->value(); }

  Barrion p_;
  QSignalSpy cambiado_;
};

TEST_F(BarrionTest, ArrancarPoneNombresYCeros) {
  EXPECT_EQ(p_.NumBarras(), 2);
  EXPECT_EQ(p_.NombreLabel(0)->text(), QStringLiteral("Vapor"));
  EXPECT_EQ(p_.NombreLabel(1)->text(), QStringLiteral("Aceite"));
  EXPECT_EQ(Caja(0), QStringLiteral("0"));
  EXPECT_EQ(Caja(1), QStringLiteral("0"));
  EXPECT_TRUE(p_.EventosActivos());
  EXPECT_EQ(p_.HScroll1(0)->maximum(), 10000);
  EXPECT_EQ(p_.HScroll1(0)->singleStep(), 100);
  EXPECT_EQ(p_.HScroll1(0)->pageStep(), 1000);
  // Bar k lies 1090 twips below bar k - 1.
  EXPECT_EQ(p_.RectTwips(p_.NombreLabel(1)), QRect(240, 1210, 4215, 255));
  EXPECT_EQ(p_.RectTwips(p_.HScroll1(1)), QRect(240, 1570, 2415, 255));
  EXPECT_EQ(p_.RectTwips(p_.ValorLabel(1)), QRect(840, 1930, 1215, 285));
  EXPECT_EQ(p_.HScroll1(1)->geometry().top(), 1570 / 15 + 1);  // 104.67 px rounds to 105
}

TEST_F(BarrionTest, MoverLaBarraMuestraSuValor) {
  p_.HScroll1(0)->setValue(5000);
  EXPECT_EQ(Caja(0), QStringLiteral("125"));
  EXPECT_EQ(cambiado_.count(), 1);
  p_.HScroll1(1)->setValue(1234);
  EXPECT_EQ(Caja(1), QStringLiteral("12.34"));
  EXPECT_EQ(cambiado_.count(), 2);
  EXPECT_DOUBLE_EQ(p_.LeerScroll(0).value_or(NAN), 125);
  EXPECT_DOUBLE_EQ(p_.LeerScroll(1).value_or(NAN), 12.34);
}

struct CasoTecleo {
  const char* texto;
  int posicionAntes;
  QString caja;   // what the box shows after the commit
  int posicion;   // where the bar goes
  int eventos;    // cambiado raised
};

TEST_F(BarrionTest, TeclearUnValor) {
  const CasoTecleo casos[] = {
      // Steps of 1 % of the range; the box keeps the typed text.
      {"62.4", 0, QStringLiteral("62.4"), 2500, 1},
      {"1.25", 0, QStringLiteral("1.25"), 0, 1},      // p = 0.5 rounds to even: 0
      {"3.75", 0, QStringLiteral("3.75"), 200, 1},    // p = 1.5 rounds to even: 2
      {"249", 0, QStringLiteral("250"), 10000, 1},    // p = 99.6 -> 100: the maximum
      {"300", 0, QStringLiteral("250"), 10000, 1},
      {"250", 0, QStringLiteral("250"), 10000, 1},
      // A negative value shows 0 and puts the bar at 0 with the box.
      {"-3", 5000, QStringLiteral("0"), 0, 1},
      // Letters: the bar's value comes back, no event.
      {"abc", 2500, QStringLiteral("62.5"), 2500, 0},
      {"", 5000, QStringLiteral("125"), 5000, 0},
  };
  for (const CasoTecleo& c : casos) {
    for (bool conEnter : {true, false}) {
      p_.HScroll1(0)->setValue(c.posicionAntes);
      cambiado_.clear();
      Teclear(0, c.texto, conEnter);
      EXPECT_EQ(Caja(0), c.caja) << c.texto;
      EXPECT_EQ(Posicion(0), c.posicion) << c.texto;
      EXPECT_EQ(cambiado_.count(), c.eventos) << c.texto << (conEnter ? " (Enter)" : " (foco)");
      EXPECT_TRUE(p_.EventosActivos());
    }
  }
  // Typed values leave the other bar alone.
  EXPECT_EQ(Caja(1), QStringLiteral("0"));
}

TEST_F(BarrionTest, EscribirYLeer) {
  p_.EscribirScroll(1, 37.5);
  EXPECT_EQ(cambiado_.count(), 1);
  EXPECT_EQ(Caja(1), QStringLiteral("37.5"));
  EXPECT_EQ(Posicion(1), 3800);  // p = 37.5 rounds to even: 38
  EXPECT_DOUBLE_EQ(p_.LeerScroll(1).value_or(NAN), 37.5);
  p_.EscribirScroll(0, 1000);
  EXPECT_EQ(Caja(0), QStringLiteral("250"));
  EXPECT_DOUBLE_EQ(p_.LeerScroll(0).value_or(NAN), 250);
  EXPECT_EQ(cambiado_.count(), 2);

  // Errors come back as values, never as exceptions.
  EXPECT_EQ(p_.LeerScroll(2), std::nullopt);
  EXPECT_EQ(p_.LeerScroll(-1), std::nullopt);
  EXPECT_FALSE(p_.EscribirScroll(2, 1));
  p_.ValorLabel(1)->setText(QStringLiteral("x"));
  EXPECT_EQ(p_.LeerScroll(1), std::nullopt);
  EXPECT_EQ(cambiado_.count(), 2);
}

TEST_F(BarrionTest, UnMaximoCeroNoDivide) {
  p_.AddBarra(QStringLiteral("Nada"), 0);
  p_.Arrancar();
  cambiado_.clear();
  p_.EscribirScroll(2, 5);
  EXPECT_EQ(Caja(2), QStringLiteral("0"));
  EXPECT_EQ(Posicion(2), 10000);
  p_.EscribirScroll(2, 0);
  EXPECT_EQ(Caja(2), QStringLiteral("0"));
  EXPECT_EQ(Posicion(2), 0);
  EXPECT_EQ(cambiado_.count(), 2);
  p_.HScroll1(2)->setValue(7000);
  EXPECT_EQ(Caja(2), QStringLiteral("0"));
  EXPECT_EQ(cambiado_.count(), 3);
}

TEST(Barrion, AntesDeArrancarLaBarraNoAvisa) {
  Barrion p;
  QSignalSpy cambiado(&p, &Barrion::cambiado);
  EXPECT_TRUE(p.NombreLabel(0)->isHidden());
  p.BarraInicial(QStringLiteral("A"), 10);
  EXPECT_FALSE(p.HScroll1(0)->isHidden());
  EXPECT_FALSE(p.EventosActivos());
  p.HScroll1(0)->setValue(4000);
  EXPECT_TRUE(p.ValorLabel(0)->text().isEmpty());
  EXPECT_EQ(cambiado.count(), 0);
  // Writing a value before the start commits it (one event) and leaves the
  // panel not started.
  p.EscribirScroll(0, 3);
  EXPECT_EQ(cambiado.count(), 1);
  EXPECT_EQ(p.HScroll1(0)->value(), 3000);
  EXPECT_FALSE(p.EventosActivos());
  p.Arrancar();
  EXPECT_EQ(p.ValorLabel(0)->text(), QStringLiteral("3"));  // not empty: kept
}

TEST_F(BarrionTest, VaciarQuitaLasBarras) {
  p_.Vaciar();
  EXPECT_EQ(p_.NumBarras(), 1);
  EXPECT_FALSE(p_.EventosActivos());
  EXPECT_TRUE(p_.HScroll1(0)->isHidden());
  EXPECT_TRUE(p_.ValorLabel(0)->isHidden());
  EXPECT_TRUE(p_.NombreLabel(0)->isHidden());
  EXPECT_EQ(p_.LeerScroll(1), std::nullopt);
  p_.HScroll1(0)->setValue(3000);
  EXPECT_EQ(cambiado_.count(), 0);
  // Refilled in the host's order.
  p_.BarraInicial(QStringLiteral("Agua"), 50);
  p_.AddBarra(QStringLiteral("Aire"), 20);
  p_.Arrancar();
  EXPECT_EQ(p_.NumBarras(), 2);
  EXPECT_EQ(p_.NombreLabel(0)->text(), QStringLiteral("Agua"));
  EXPECT_EQ(p_.NombreLabel(1)->text(), QStringLiteral("Aire"));
  p_.EscribirScroll(1, 10);
  EXPECT_EQ(Posicion(1), 5000);
}

// A host that empties and refills the panel from its cambiado handler, while
// the widget that raised the event is still inside its own handler: a value
// box leaving the focus or taking Enter, a bar being moved. The old widgets
// must outlive that handler and go afterwards.
TEST_F(BarrionTest, ElAnfitrionRellenaDesdeSuManejador) {
  struct Caso {
    const char* nombre;
    std::function<void(BarrionTest&)> accion;
  };
  const Caso casos[] = {
      {"foco", [](BarrionTest& t) { t.Teclear(1, "50", false); }},
      {"Enter", [](BarrionTest& t) { t.Teclear(1, "50", true); }},
      {"barra", [](BarrionTest& t) { t.p_.HScroll1(1)->triggerAction(QScrollBar::SliderPageStepAdd); }},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    int rellenos = 0;
    const auto conexion = QObject::connect(&p_, &Barrion::cambiado, [&] {
      if (++rellenos > 1) return;
      p_.Vaciar();
      p_.BarraInicial(QStringLiteral("Agua"), 50);
      p_.AddBarra(QStringLiteral("Aire"), 20);
      p_.Arrancar();
      p_.EscribirScroll(1, 10);  // raises cambiado once more
    });
    QPointer<QLineEdit> vieja = p_.ValorLabel(1);
    c.accion(*this);
    QObject::disconnect(conexion);
    EXPECT_EQ(rellenos, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(vieja.isNull());
    ASSERT_EQ(p_.NumBarras(), 2);
    EXPECT_EQ(p_.NombreLabel(1)->text(), QStringLiteral("Aire"));
    EXPECT_EQ(Caja(1), QStringLiteral("10"));
    EXPECT_EQ(Posicion(1), 5000);
    EXPECT_TRUE(p_.EventosActivos());
    EXPECT_EQ(p_.ContenedorPicture()->findChildren<QLineEdit*>().size(), 2);
    // The panel goes on as a fresh one.
    cambiado_.clear();
    Teclear(0, "25");
    EXPECT_EQ(Posicion(0), 5000);
    EXPECT_EQ(cambiado_.count(), 1);
  }
}

// Emptying from the handler leaves the panel emptied, its events off.
TEST_F(BarrionTest, VaciarDesdeElManejadorApagaLosEventos) {
  QObject::connect(&p_, &Barrion::cambiado, [this] { p_.Vaciar(); });
  Teclear(1, "50");
  EXPECT_EQ(p_.NumBarras(), 1);
  EXPECT_FALSE(p_.EventosActivos());
}

// Under a comma locale the boxes still show and read '.' as the decimal point.
TEST_F(BarrionTest, LosDecimalesNoDependenDelLocale) {
  LocaleComa coma;
  ASSERT_TRUE(coma.Puesto());
  EXPECT_TRUE(p_.EscribirScroll(1, 37.5));
  EXPECT_EQ(Caja(1), QStringLiteral("37.5"));
  EXPECT_EQ(p_.LeerScroll(1), 37.5);
  p_.HScroll1(0)->setValue(1234);
  EXPECT_EQ(Caja(0), QStringLiteral("30.85"));
  Teclear(0, "62.5");
  EXPECT_EQ(Posicion(0), 2500);
  EXPECT_EQ(p_.LeerScroll(0), 62.5);
  // A comma is a decimal point too; text that is no number gets the bar's
  // value back.
  Teclear(0, "37,5");
  EXPECT_EQ(Posicion(0), 1500);
  EXPECT_EQ(p_.LeerScroll(0), 37.5);
  Teclear(0, "37x5");
  EXPECT_EQ(Caja(0), QStringLiteral("37.5"));
  EXPECT_EQ(Posicion(0), 1500);
}

TEST(Barrion, CuarentaBarrasCabenConPosicionesDe32Bits) {
  Barrion p;
  p.resize(300, 200);
  p.BarraInicial(QStringLiteral("B1"), 100);
  for (int k = 1; k < 40; ++k) p.AddBarra(QStringLiteral("B%1").arg(k + 1), 100.0 * (k + 1));
  p.Arrancar();
  ASSERT_EQ(p.NumBarras(), 40);
  EXPECT_EQ(p.RectTwips(p.HScroll1(39)).top(), 1090 * 39 + 480);  // beyond 32767
  EXPECT_EQ(p.RectTwips(p.ValorLabel(39)).top(), 1090 * 39 + 840);
  EXPECT_EQ(p.NombreLabel(39)->text(), QStringLiteral("B40"));
  p.EscribirScroll(39, 2000);
  EXPECT_EQ(p.HScroll1(39)->value(), 5000);
  EXPECT_DOUBLE_EQ(p.LeerScroll(39).value_or(NAN), 2000);
  // Scrolling the panel to the end brings the last bar to the top.
  p.VertScroll()->setValue(100);
  const int yoff = 1090 * 39 + 120;
  EXPECT_EQ(p.RectTwips(p.HScroll1(39)).top(), 1090 * 39 + 480 - yoff);
  EXPECT_EQ(p.RectTwips(p.NombreLabel(0)).top(), 120 - yoff);
  EXPECT_EQ(p.HScroll1(39)->geometry().top(), 360 / 15);
  // A further bar sends the panel's scroll bars back to 0 first.
  p.AddBarra(QStringLiteral("B41"), 1);
  EXPECT_EQ(p.VertScroll()->value(), 0);
  EXPECT_EQ(p.RectTwips(p.NombreLabel(0)).top(), 120);
  EXPECT_EQ(p.RectTwips(p.HScroll1(40)).top(), 1090 * 40 + 480);
}

TEST_F(BarrionTest, DesplazamientoHorizontalYTamano) {
  // 300 x 200 pixels = 4500 x 3000 twips.
  EXPECT_EQ(p_.RectTwips(p_.ContenedorPicture()), QRect(0, 0, 4500, 3000));
  EXPECT_EQ(p_.RectTwips(p_.VertScroll()).left(), 4200);
  EXPECT_EQ(p_.RectTwips(p_.VertScroll()).height(), 2950);
  EXPECT_EQ(p_.RectTwips(p_.HorzScroll()).top(), 2700);
  EXPECT_EQ(p_.RectTwips(p_.HorzScroll()).width(), 4200);
  p_.resize(150, 100);  // 2250 x 1500 twips
  ASSERT_EQ(p_.RectTwips(p_.ContenedorPicture()).width(), 2250);
  p_.HorzScroll()->setValue(50);
  const int xoff = (2415 + 480 - 2250 + 500) / 100.0 * 50;  // 572.5 -> 573 rounded
  for (int k = 0; k < 2; ++k) {
    EXPECT_NEAR(p_.RectTwips(p_.HScroll1(k)).left(), 240 - xoff, 1);
    EXPECT_NEAR(p_.RectTwips(p_.NombreLabel(k)).left(), 240 - xoff, 1);
    EXPECT_NEAR(p_.RectTwips(p_.ValorLabel(k)).left(), 840 - xoff, 1);
  }
  p_.EstablecerScrolls(false, true);
  EXPECT_TRUE(p_.HorzScroll()->isHidden());
  EXPECT_FALSE(p_.VertScroll()->isHidden());
}

TEST(BarrionTexto, NumerosDeLaCaja) {
  EXPECT_EQ(TextoValorBarra(125), QStringLiteral("125"));
  EXPECT_EQ(TextoValorBarra(62.4), QStringLiteral("62.4"));
  EXPECT_EQ(TextoValorBarra(-0.0), QStringLiteral("0"));
  EXPECT_EQ(TextoValorBarra(0.1 + 0.2), QStringLiteral("0.3"));
  EXPECT_EQ(TextoValorBarra(1e20), QStringLiteral("1E+20"));
}

TEST(BarrionRegistro, SeCreaPorSuClassId) {
  QWidget padre;
  QWidget* w = ComponentRegistry::Instance().Create(kClassIdBarrion, &padre);
  ASSERT_NE(w, nullptr);
  EXPECT_NE(qobject_cast<Barrion*>(w), nullptr);
  EXPECT_EQ(DispBarrion::Vaciar, 0x6003000C);
}

}  // namespace
