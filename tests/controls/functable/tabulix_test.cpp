#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <cmath>
#include <optional>
#include <string>

#include "controls/functable/tabulix.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/messagerunner.h"
#include "tests/comun/locale_coma.h"

using namespace vardo;

namespace {

// ------------------------------------------------------------ the control

class TabulixTest : public ::testing::Test {
 protected:
  TabulixTest() : scoped_(runner_), listo_(&t_, &Tabulix::Listo) {}

  static void Salir(QLineEdit* caja) {
    QFocusEvent ev(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(caja, &ev);
  }

  // The host's way of filling the boxes, then the user leaves the function box.
  void Llenar(const char* f, const char* ini, const char* fin, const char* n) {
    t_.SetAjuste(QString::fromUtf8(f));
    t_.SetPuntoIni(QString::fromUtf8(ini));
    t_.SetPuntoFin(QString::fromUtf8(fin));
    t_.SetNumPuntos(QString::fromUtf8(n));
    Salir(t_.FuncionText());
  }

  std::size_t Mensajes() const { return runner_.Log().size(); }

  ScriptedMessageRunner runner_;
  ScopedMessageRunner scoped_;
  Tabulix t_;
  QSignalSpy listo_;
};

TEST_F(TabulixTest, XCuadradoEnTresPuntos) {
  Llenar("X^2", "0", "1", "3");
  ASSERT_EQ(listo_.count(), 1);
  EXPECT_EQ(t_.NumeroPuntos(), 3);
  const double xs[] = {0, 0.5, 1}, ys[] = {0, 0.25, 1};
  for (std::int16_t i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(t_.TablaX(i).value_or(NAN), xs[i]);
    EXPECT_DOUBLE_EQ(t_.TablaY(i).value_or(NAN), ys[i]);
  }
  // Index NumeroPuntos exists and is never filled; beyond it the host gets
  // no value (and no exception).
  EXPECT_EQ(t_.TablaX(3), 0.0);
  EXPECT_EQ(t_.TablaY(4), std::nullopt);
  EXPECT_EQ(t_.TablaX(-1), std::nullopt);
  EXPECT_EQ(Mensajes(), 0u);
}

TEST_F(TabulixTest, XEsUnNumeroNoUnTexto) {
  Llenar("X+X", "1", "2", "2");
  ASSERT_EQ(listo_.count(), 1);
  EXPECT_DOUBLE_EQ(t_.TablaY(0).value_or(NAN), 2.0);
  EXPECT_DOUBLE_EQ(t_.TablaY(1).value_or(NAN), 4.0);
}

TEST_F(TabulixTest, ElUltimoXEsElFinDelIntervalo) {
  Llenar("X", "0", "1", "10");
  ASSERT_EQ(listo_.count(), 1);
  EXPECT_EQ(t_.TablaX(9), 1.0);  // exactly, not the sum of nine steps
  EXPECT_EQ(t_.TablaY(9), 1.0);
  double x = 0;
  for (int i = 0; i < 8; ++i) x += 1.0 / 9;
  EXPECT_EQ(t_.TablaX(8), x);  // the inner points are the running sum
  Llenar("X", "0.1", "0.7", "7");
  EXPECT_EQ(t_.TablaX(6), 0.7);
}

TEST_F(TabulixTest, UnaCuentaMenorQueUnoPasaADiez) {
  for (const char* n : {"0", "-5", "0.4"}) {
    Llenar("X", "0", "9", n);
    EXPECT_EQ(t_.NumText()->text(), QStringLiteral("10")) << n;
    EXPECT_EQ(t_.NumeroPuntos(), 10) << n;
    EXPECT_DOUBLE_EQ(t_.TablaX(3).value_or(NAN), 3.0);
  }
  EXPECT_EQ(listo_.count(), 3);
  // Also with no function to compute: the box shows the default all the same.
  t_.SetAjuste(QString());
  t_.SetNumPuntos(QStringLiteral("-2"));
  Salir(t_.NumText());
  EXPECT_EQ(t_.NumText()->text(), QStringLiteral("10"));
  EXPECT_EQ(listo_.count(), 3);
  // The count rounds halves to even.
  Llenar("X", "0", "1", "2.5");
  EXPECT_EQ(t_.NumeroPuntos(), 2);
  Llenar("X", "0", "1", "3.5");
  EXPECT_EQ(t_.NumeroPuntos(), 4);
}

TEST_F(TabulixTest, CuentasGrandes) {
  Llenar("X", "0", "1", "32767");
  ASSERT_EQ(listo_.count(), 1);
  EXPECT_EQ(t_.NumeroPuntos(), 32767);
  EXPECT_EQ(t_.TablaX(32766), 1.0);
  // Beyond a 16-bit count: a message, the table stays.
  Llenar("X*2", "0", "1", "32768");
  EXPECT_EQ(listo_.count(), 1);
  ASSERT_EQ(Mensajes(), 1u);
  EXPECT_EQ(runner_.Log()[0].text, kMsgRangoPuntos);
  EXPECT_EQ(t_.NumeroPuntos(), 32767);
  EXPECT_EQ(t_.TablaY(32766), 1.0);
}

TEST_F(TabulixTest, UnErrorDejaLaTablaAnterior) {
  Llenar("X^2", "0", "1", "3");
  ASSERT_EQ(listo_.count(), 1);
  struct Caso {
    std::string f;
    const char* ini;
    const char* fin;
    const char* n;
  };
  // A failure at the first point, in the middle, at the last point, a
  // syntax error, nesting too deep to parse and a single point (a zero step).
  const std::string anidada = std::string(5200, '(') + "X" + std::string(5200, ')');
  for (const Caso& c : {Caso{"Log(X)", "0", "4", "5"}, Caso{"1/(X-2)", "0", "4", "5"},
                        Caso{"Sqr(3-X)", "0", "4", "5"}, Caso{"X +* 2", "0", "4", "5"},
                        Caso{"Foo(X)", "0", "4", "5"}, Caso{anidada, "0", "4", "5"},
                        Caso{"X", "0", "4", "1"}}) {
    runner_.Clear();
    Llenar(c.f.c_str(), c.ini, c.fin, c.n);
    ASSERT_EQ(Mensajes(), 1u) << c.f.substr(0, 20);
    EXPECT_EQ(runner_.Log()[0].text, kMsgErrorExpresion);
    EXPECT_EQ(runner_.Log()[0].icon, MsgIcon::Information);
    EXPECT_EQ(listo_.count(), 1) << c.f.substr(0, 20);
    EXPECT_EQ(t_.NumeroPuntos(), 3) << c.f.substr(0, 20);
    EXPECT_DOUBLE_EQ(t_.TablaX(1).value_or(NAN), 0.5) << c.f.substr(0, 20);
    EXPECT_DOUBLE_EQ(t_.TablaY(1).value_or(NAN), 0.25) << c.f.substr(0, 20);
    EXPECT_EQ(t_.TablaY(3), 0.0) << c.f.substr(0, 20);
    EXPECT_EQ(t_.TablaY(4), std::nullopt) << c.f.substr(0, 20);
  }
}

// A failure is told once: leaving the boxes again without changing them
// computes nothing more; a focus taken by another window (the message box
// itself) is no leaving at all.
TEST_F(TabulixTest, CadaFalloSeDiceUnaVez) {
  const auto porVentana = [](QLineEdit* caja) {
    QFocusEvent ev(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(caja, &ev);
  };
  Llenar("2*(X", "0", "1", "3");
  EXPECT_EQ(Mensajes(), 1u);
  for (QLineEdit* caja : {t_.XIniText(), t_.XFinText(), t_.NumText(), t_.FuncionText()}) Salir(caja);
  EXPECT_EQ(Mensajes(), 1u);
  t_.SetAjuste("2*(X+1");
  porVentana(t_.FuncionText());
  EXPECT_EQ(Mensajes(), 1u);
  Salir(t_.FuncionText());  // other boxes, another computation: told again
  EXPECT_EQ(Mensajes(), 2u);
  t_.SetAjuste("2*X");
  Salir(t_.XIniText());
  ASSERT_EQ(listo_.count(), 1);
  EXPECT_EQ(t_.AjusteCalculado(), QStringLiteral("2*X"));
  // After a good table the same bad formula is told again.
  t_.SetAjuste("2*(X");
  Salir(t_.FuncionText());
  EXPECT_EQ(Mensajes(), 3u);
  EXPECT_EQ(t_.AjusteCalculado(), QStringLiteral("2*X"));
  EXPECT_EQ(listo_.count(), 1);
}

TEST_F(TabulixTest, NadaSeCalculaSinCuatroCasillasValidas) {
  Llenar("", "0", "1", "3");          // empty function
  Llenar("X", "", "1", "3");          // empty start
  Llenar("X", "0", "uno", "3");       // end is no number
  Llenar("X", "0", "1", "tres");      // count is no number
  EXPECT_EQ(listo_.count(), 0);
  EXPECT_EQ(Mensajes(), 0u);
  EXPECT_EQ(t_.NumeroPuntos(), 0);
  EXPECT_EQ(t_.TablaX(0), std::nullopt);
  // Leaving a number box that holds no number computes nothing either.
  t_.SetNumPuntos("3");
  t_.SetPuntoFin("x");
  Salir(t_.XFinText());
  EXPECT_EQ(listo_.count(), 0);
}

TEST_F(TabulixTest, CadaCasillaAlPerderElFocoCalculaConLoQueHayAhora) {
  Llenar("X", "0", "1", "3");
  // The host rewrites the range and the count by code; leaving any box
  // computes over what the boxes hold now.
  t_.SetPuntoIni("10");
  t_.SetPuntoFin("20");
  t_.SetNumPuntos("5");
  Salir(t_.NumText());
  ASSERT_EQ(listo_.count(), 2);
  EXPECT_EQ(t_.NumeroPuntos(), 5);
  EXPECT_DOUBLE_EQ(t_.TablaX(0).value_or(NAN), 10);
  EXPECT_DOUBLE_EQ(t_.TablaX(1).value_or(NAN), 12.5);
  EXPECT_DOUBLE_EQ(t_.TablaX(4).value_or(NAN), 20);
  for (QLineEdit* caja : {t_.XIniText(), t_.XFinText(), t_.NumText(), t_.FuncionText()}) Salir(caja);
  EXPECT_EQ(listo_.count(), 6);
}

TEST_F(TabulixTest, PropiedadesDeLasCasillas) {
  t_.SetAjuste(" X^2 ");
  t_.SetPuntoIni("1.5");
  t_.SetPuntoFin("-2");
  t_.SetNumPuntos("7.5");
  EXPECT_EQ(t_.Ajuste(), QStringLiteral(" X^2 "));
  EXPECT_DOUBLE_EQ(t_.PuntoIni().value_or(NAN), 1.5);
  EXPECT_DOUBLE_EQ(t_.PuntoFin().value_or(NAN), -2);
  EXPECT_EQ(t_.NumPuntos(), 8);
  EXPECT_EQ(t_.NumeroPuntos(), 0);  // nothing computed yet
  t_.SetPuntoIni("abc");
  t_.SetNumPuntos("40000");
  EXPECT_EQ(t_.PuntoIni(), std::nullopt);
  EXPECT_EQ(t_.NumPuntos(), std::nullopt);
  EXPECT_EQ(listo_.count(), 0);
}

// A host reads the boxes and the table from its Listo handler, inside the
// event loop: what is missing comes back as no value.
TEST_F(TabulixTest, ElAnfitrionLeeDesdeSuManejador) {
  std::optional<double> ini, fuera;
  std::optional<std::int16_t> cuenta;
  QObject::connect(&t_, &Tabulix::Listo, [&] {
    t_.SetPuntoIni(QStringLiteral("nada"));
    ini = t_.PuntoIni();
    cuenta = t_.NumPuntos();
    fuera = t_.TablaY(static_cast<std::int16_t>(t_.NumeroPuntos() + 1));
  });
  Llenar("X", "0", "1", "3");
  ASSERT_EQ(listo_.count(), 1);
  EXPECT_EQ(ini, std::nullopt);
  EXPECT_EQ(cuenta, std::optional<std::int16_t>(3));
  EXPECT_EQ(fuera, std::nullopt);
}

// Under a comma locale the boxes and the formula still read '.' as the
// decimal point, the boxes a decimal comma too (the number rule), and what
// the control writes back uses '.'.
TEST_F(TabulixTest, LosDecimalesNoDependenDelLocale) {
  LocaleComa coma;
  ASSERT_TRUE(coma.Puesto());
  Llenar("1.5*X", "0.5", "2", "2.5");
  ASSERT_EQ(listo_.count(), 1);
  EXPECT_EQ(Mensajes(), 0u);
  EXPECT_EQ(t_.NumeroPuntos(), 2);
  EXPECT_EQ(t_.TablaX(0), 0.5);
  EXPECT_EQ(t_.TablaY(1), 3.0);
  EXPECT_EQ(t_.PuntoIni(), 0.5);
  EXPECT_EQ(t_.NumPuntos(), std::optional<std::int16_t>(2));
  // A decimal comma in a box reads as the point, in the count too.
  Llenar("X", "0,5", "2", "3");
  ASSERT_EQ(listo_.count(), 2);
  EXPECT_EQ(t_.PuntoIni(), 0.5);
  EXPECT_EQ(t_.TablaX(0), 0.5);
  EXPECT_EQ(t_.TablaX(1), 1.25);
  Llenar("X", "293,15", "408,15", "2,5");
  ASSERT_EQ(listo_.count(), 3);
  EXPECT_EQ(t_.NumeroPuntos(), 2);
  EXPECT_EQ(t_.TablaY(0), 293.15);
  EXPECT_EQ(t_.TablaY(1), 408.15);
  EXPECT_EQ(Mensajes(), 0u);
}

TEST_F(TabulixTest, PropiedadesGuardadas) {
  PropertyBag vacia;
  t_.EscribirPropiedades(vacia);
  EXPECT_TRUE(vacia.Empty());  // every value equals its default

  t_.SetBackColor(0x80000005u);
  t_.SetEnabled(true);
  t_.SetBorderStyle(1);
  EXPECT_TRUE(t_.PropiedadesCambiadas());
  Llenar("X", "0", "1", "4");
  PropertyBag bag;
  t_.EscribirPropiedades(bag);
  ASSERT_EQ(bag.Entries().size(), 4u);
  EXPECT_EQ(bag.Entries()[0].key, "BackColor");
  EXPECT_EQ(bag.Entries()[1].key, "Enabled");
  EXPECT_EQ(bag.Entries()[2].key, "BorderStyle");
  EXPECT_EQ(bag.Entries()[3].key, "NumeroPuntos");

  Tabulix otro;
  otro.LeerPropiedades(bag);
  EXPECT_EQ(otro.BackColor(), 0x80000005u);
  EXPECT_TRUE(otro.Enabled());
  EXPECT_EQ(otro.BorderStyle(), 1);
  EXPECT_EQ(otro.ForeColor(), 0u);
  EXPECT_EQ(otro.NumeroPuntos(), 4);
  EXPECT_TRUE(otro.NumText()->text().isEmpty());  // the count box is not set
  EXPECT_FALSE(otro.PropiedadesCambiadas());
}

TEST(TabulixRegistro, SeCreaPorSuClassId) {
  QWidget padre;
  QWidget* w = ComponentRegistry::Instance().Create("bd0c55d3-9a24-11d5-8bb5-dbe515e72673", &padre);
  ASSERT_NE(w, nullptr);
  EXPECT_NE(qobject_cast<Tabulix*>(w), nullptr);
  EXPECT_EQ(DispTabulix::SetNumPuntos, 0x60030018);
  EXPECT_EQ(EventoTabulix::Listo, 3);
}

}  // namespace
