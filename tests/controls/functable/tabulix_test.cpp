#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <cmath>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <string>

#include "controls/functable/evaluador.h"
#include "controls/functable/tabulix.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/messagerunner.h"

using namespace vardo;

namespace {

// ------------------------------------------------------------ evaluator

struct CasoValor {
  const char* formula;
  double x;
  double esperado;
};

class EvaluadorValores : public ::testing::TestWithParam<CasoValor> {};

TEST_P(EvaluadorValores, DaElValorDelLenguaje) {
  const CasoValor& c = GetParam();
  const std::optional<double> v = EvaluarFormula(c.formula, c.x);
  ASSERT_TRUE(v.has_value()) << c.formula;
  EXPECT_DOUBLE_EQ(*v, c.esperado) << c.formula << " con X = " << c.x;
}

INSTANTIATE_TEST_SUITE_P(
    Precedencia, EvaluadorValores,
    ::testing::Values(
        CasoValor{"2+3*4", 0, 14}, CasoValor{"(2+3)*4", 0, 20}, CasoValor{"10-2-3", 0, 5},
        CasoValor{"8/2/2", 0, 2}, CasoValor{"2^3^2", 0, 64}, CasoValor{"-2^2", 0, -4},
        CasoValor{"-X^2", 3, -9}, CasoValor{"2*3^2", 0, 18}, CasoValor{"2^-1", 0, 0.5},
        CasoValor{"- -3", 0, 3}, CasoValor{"+X", 4, 4}, CasoValor{"2*-3", 0, -6},
        // \ below * and /, Mod below \, + and - below Mod.
        CasoValor{"7\\2*3", 0, 1}, CasoValor{"7 Mod 4\\2", 0, 1}, CasoValor{"1+2 Mod 2", 0, 1},
        CasoValor{"1+1=2", 0, -1}, CasoValor{"Not 1=2", 0, -1},
        CasoValor{"1 Or 2 And 0", 0, 1}, CasoValor{"X>1 And X<3", 2, -1},
        CasoValor{"((X))", 5, 5}));

INSTANTIATE_TEST_SUITE_P(
    NumerosYX, EvaluadorValores,
    ::testing::Values(CasoValor{"12", 0, 12}, CasoValor{".5", 0, 0.5}, CasoValor{"1E3", 0, 1000},
                      CasoValor{"1.5e-1", 0, 0.15}, CasoValor{"2.5E+2", 0, 250},
                      CasoValor{"x*2", 1.5, 3}, CasoValor{"X+X", 2, 4},
                      CasoValor{"  X  ^ 2 ", -3, 9}));

INSTANTIATE_TEST_SUITE_P(
    EnterosYComparaciones, EvaluadorValores,
    ::testing::Values(
        // Integer division and Mod round their operands halves to even.
        CasoValor{"7.5\\2", 0, 4}, CasoValor{"6.5\\2", 0, 3}, CasoValor{"-7\\2", 0, -3},
        CasoValor{"-7 Mod 3", 0, -1}, CasoValor{"7.5 Mod 2", 0, 0}, CasoValor{"2.5 mod 3", 0, 2},
        CasoValor{"1<2", 0, -1}, CasoValor{"1>2", 0, 0}, CasoValor{"2=2", 0, -1},
        CasoValor{"1<>1", 0, 0}, CasoValor{"3>=3", 0, -1}, CasoValor{"2<=1", 0, 0},
        CasoValor{"1<2<3", 0, -1}, CasoValor{"3>2>1", 0, 0}));

INSTANTIATE_TEST_SUITE_P(
    Logicos, EvaluadorValores,
    ::testing::Values(CasoValor{"Not 0", 0, -1}, CasoValor{"NOT -1", 0, 0}, CasoValor{"Not 0.5", 0, -1},
                      CasoValor{"5 And 3", 0, 1}, CasoValor{"5 Or 3", 0, 7}, CasoValor{"5 xor 3", 0, 6},
                      CasoValor{"-1 Eqv 0", 0, 0}, CasoValor{"0 Eqv 0", 0, -1},
                      CasoValor{"0 Imp 0", 0, -1}, CasoValor{"-1 Imp 0", 0, 0},
                      CasoValor{"0 Or 0 Imp 0", 0, -1}));

INSTANTIATE_TEST_SUITE_P(
    Funciones, EvaluadorValores,
    ::testing::Values(
        CasoValor{"Abs(-2)", 0, 2}, CasoValor{"Atn(1)", 0, std::numbers::pi / 4},
        CasoValor{"Cos(0)", 0, 1}, CasoValor{"Exp(1)", 0, std::numbers::e},
        CasoValor{"Fix(-2.5)", 0, -2}, CasoValor{"Int(-2.5)", 0, -3}, CasoValor{"Log(Exp(2))", 0, 2},
        CasoValor{"Sgn(-3)", 0, -1}, CasoValor{"Sgn(0)", 0, 0}, CasoValor{"Sgn(X)", 0.1, 1},
        CasoValor{"Sin(0)", 0, 0}, CasoValor{"sQr(x)", 9, 3}, CasoValor{"Tan(0)", 0, 0},
        CasoValor{"Round(2.5)", 0, 2}, CasoValor{"Round(3.5)", 0, 4}, CasoValor{"Round(-2.5)", 0, -2},
        CasoValor{"Round(1.25, 1)", 0, 1.2}, CasoValor{"Round(X, 0)", 2.7, 3},
        CasoValor{"CDbl(2)", 0, 2}, CasoValor{"CSng(0.1)", 0, static_cast<double>(0.1f)},
        CasoValor{"CInt(2.5)", 0, 2}, CasoValor{"CInt(-2.5)", 0, -2}, CasoValor{"cint(3.5)", 0, 4},
        CasoValor{"CLng(1.5)", 0, 2}, CasoValor{"ABS (X - 10)", 4, 6},
        CasoValor{"Sqr(Abs(X)) * 2 ^ 2", -16, 16}));

class EvaluadorErrores : public ::testing::TestWithParam<const char*> {};

TEST_P(EvaluadorErrores, NoDaValor) { EXPECT_FALSE(EvaluarFormula(GetParam(), 2.0).has_value()) << GetParam(); }

INSTANTIATE_TEST_SUITE_P(
    Sintaxis, EvaluadorErrores,
    ::testing::Values("", "   ", "2+", "(2", "2)", "2 3", "2 & 3", "\"a\"", "1e", "1.2.3", "Mod 2", "*2",
                      "X X", "Sin X", "2 =< 3", "Not", "1 ^", "2#"));

INSTANTIATE_TEST_SUITE_P(NombresYArgumentos, EvaluadorErrores,
                         ::testing::Values("X2", "Y", "Foo(1)", "Sin()", "Sin(1,2)", "Round()",
                                           "Round(1,2,3)", "Pi", "Rnd(1)"));

INSTANTIATE_TEST_SUITE_P(
    Dominio, EvaluadorErrores,
    ::testing::Values("1/0", "X/(X-2)", "1\\0", "1 Mod 0", "1 Mod 0.4", "Log(0)", "Log(-1)", "Sqr(-1)",
                      "Exp(1000)", "10^400", "(-8)^(1/3)", "0^-1", "1E308*10", "CInt(40000)",
                      "CLng(3E9)", "Not 1E10", "1E10 And 1", "3E9\\2", "CSng(1E39)", "Round(1, -1)"));

TEST(Evaluador, CompilaUnaVezYEvaluaPorX) {
  const auto e = Expresion::Compilar("1/(X-1)");
  ASSERT_TRUE(e.has_value());
  EXPECT_DOUBLE_EQ(*e->Evaluar(3), 0.5);
  EXPECT_FALSE(e->Evaluar(1).has_value());
  EXPECT_DOUBLE_EQ(*e->Evaluar(2), 1.0);
}

TEST(Evaluador, RedondeoBanquero) {
  EXPECT_EQ(RedondeoBanquero(0.5), 0);
  EXPECT_EQ(RedondeoBanquero(1.5), 2);
  EXPECT_EQ(RedondeoBanquero(-1.5), -2);
  EXPECT_EQ(RedondeoBanquero(-0.5), 0);
  EXPECT_EQ(RedondeoBanquero(2.5000001), 3);
  EXPECT_EQ(RedondeoBanquero(-2.4), -2);
}

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
    EXPECT_DOUBLE_EQ(t_.TablaX(i), xs[i]);
    EXPECT_DOUBLE_EQ(t_.TablaY(i), ys[i]);
  }
  // Index NumeroPuntos exists and is never filled; beyond it the host gets an error.
  EXPECT_EQ(t_.TablaX(3), 0.0);
  EXPECT_THROW(t_.TablaY(4), std::out_of_range);
  EXPECT_THROW(t_.TablaX(-1), std::out_of_range);
  EXPECT_EQ(Mensajes(), 0u);
}

TEST_F(TabulixTest, XEsUnNumeroNoUnTexto) {
  Llenar("X+X", "1", "2", "2");
  ASSERT_EQ(listo_.count(), 1);
  EXPECT_DOUBLE_EQ(t_.TablaY(0), 2.0);
  EXPECT_DOUBLE_EQ(t_.TablaY(1), 4.0);
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
    EXPECT_DOUBLE_EQ(t_.TablaX(3), 3.0);
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
    const char* f;
    const char* ini;
    const char* fin;
    const char* n;
  };
  // A failure at the first point, in the middle, at the last point, a
  // syntax error and a single point (a zero step).
  for (const Caso& c : {Caso{"Log(X)", "0", "4", "5"}, Caso{"1/(X-2)", "0", "4", "5"},
                        Caso{"Sqr(3-X)", "0", "4", "5"}, Caso{"X +* 2", "0", "4", "5"},
                        Caso{"Foo(X)", "0", "4", "5"}, Caso{"X", "0", "4", "1"}}) {
    runner_.Clear();
    Llenar(c.f, c.ini, c.fin, c.n);
    ASSERT_EQ(Mensajes(), 1u) << c.f;
    EXPECT_EQ(runner_.Log()[0].text, kMsgErrorExpresion);
    EXPECT_EQ(runner_.Log()[0].icon, MsgIcon::Information);
    EXPECT_EQ(listo_.count(), 1) << c.f;
    EXPECT_EQ(t_.NumeroPuntos(), 3) << c.f;
    EXPECT_DOUBLE_EQ(t_.TablaX(1), 0.5) << c.f;
    EXPECT_DOUBLE_EQ(t_.TablaY(1), 0.25) << c.f;
    EXPECT_EQ(t_.TablaY(3), 0.0) << c.f;
    EXPECT_THROW(t_.TablaY(4), std::out_of_range) << c.f;
  }
}

TEST_F(TabulixTest, NadaSeCalculaSinCuatroCasillasValidas) {
  Llenar("", "0", "1", "3");          // empty function
  Llenar("X", "", "1", "3");          // empty start
  Llenar("X", "0", "uno", "3");       // end is no number
  Llenar("X", "0", "1", "tres");      // count is no number
  EXPECT_EQ(listo_.count(), 0);
  EXPECT_EQ(Mensajes(), 0u);
  EXPECT_EQ(t_.NumeroPuntos(), 0);
  EXPECT_THROW(t_.TablaX(0), std::out_of_range);
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
  EXPECT_DOUBLE_EQ(t_.TablaX(0), 10);
  EXPECT_DOUBLE_EQ(t_.TablaX(1), 12.5);
  EXPECT_DOUBLE_EQ(t_.TablaX(4), 20);
  for (QLineEdit* caja : {t_.XIniText(), t_.XFinText(), t_.NumText(), t_.FuncionText()}) Salir(caja);
  EXPECT_EQ(listo_.count(), 6);
}

TEST_F(TabulixTest, PropiedadesDeLasCasillas) {
  t_.SetAjuste(" X^2 ");
  t_.SetPuntoIni("1.5");
  t_.SetPuntoFin("-2");
  t_.SetNumPuntos("7.5");
  EXPECT_EQ(t_.Ajuste(), QStringLiteral(" X^2 "));
  EXPECT_DOUBLE_EQ(t_.PuntoIni(), 1.5);
  EXPECT_DOUBLE_EQ(t_.PuntoFin(), -2);
  EXPECT_EQ(t_.NumPuntos(), 8);
  EXPECT_EQ(t_.NumeroPuntos(), 0);  // nothing computed yet
  t_.SetPuntoIni("abc");
  t_.SetNumPuntos("40000");
  EXPECT_THROW(t_.PuntoIni(), std::invalid_argument);
  EXPECT_THROW(t_.NumPuntos(), std::invalid_argument);
  EXPECT_EQ(listo_.count(), 0);
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
