#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <ostream>
#include <string>

#include "controls/functable/evaluador.h"
#include "tests/comun/locale_coma.h"

using namespace vardo;

namespace {

struct CasoValor {
  const char* formula;
  double x;
  double esperado;
};

// Test names show the formula, not the case's bytes.
void PrintTo(const CasoValor& c, std::ostream* os) { *os << c.formula << " con X = " << c.x; }

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

// A comma locale changes nothing: '.' is the decimal point, a comma only
// separates arguments.
TEST(Evaluador, ElPuntoDecimalNoDependeDelLocale) {
  LocaleComa coma;
  ASSERT_TRUE(coma.Puesto());
  const CasoValor casos[] = {{"1.5*X", 2, 3},        {"X^0.5", 4, 2},      {"1.5*2", 0, 3},
                             {"Round(2.25, 1)", 0, 2.2}, {".5e1", 0, 5},   {"2.5E-1*X", 4, 1}};
  for (const CasoValor& c : casos) {
    const std::optional<double> v = EvaluarFormula(c.formula, c.x);
    ASSERT_TRUE(v.has_value()) << c.formula;
    EXPECT_DOUBLE_EQ(*v, c.esperado) << c.formula;
  }
  EXPECT_FALSE(EvaluarFormula("1,5*2", 0).has_value());
}

// Nesting is bounded: a formula nested deeper than the limit is a syntax
// error, found at once and without exhausting the stack; up to the limit it
// computes.
TEST(Evaluador, ElAnidamientoTieneUnLimite) {
  const int max = Expresion::kAnidamientoMax;
  auto Repetir = [](const char* s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
  };
  struct Caso {
    const char* nombre;
    std::string formula;
    std::optional<double> valor;
  };
  // The whole formula is one level; each parenthesis, call, Not or sign
  // adds one.
  const Caso casos[] = {
      {"parentesis al limite", Repetir("(", max - 1) + "X" + Repetir(")", max - 1), 2.0},
      {"parentesis de mas", Repetir("(", max) + "X" + Repetir(")", max), std::nullopt},
      {"5200 parentesis", Repetir("(", 5200) + "X" + Repetir(")", 5200), std::nullopt},
      {"5200 sin cerrar", Repetir("(", 5200), std::nullopt},
      {"llamadas", Repetir("Abs(", 5200) + "X" + Repetir(")", 5200), std::nullopt},
      {"Not al limite", Repetir("Not ", max - 1) + "0", (max - 1) % 2 ? -1.0 : 0.0},
      {"Not de mas", Repetir("Not ", 5200) + "0", std::nullopt},
      {"signos al limite", Repetir("-", max - 1) + "X", (max - 1) % 2 ? -2.0 : 2.0},
      {"signos de mas", Repetir("-", 5200) + "X", std::nullopt},
      {"exponentes", "2^" + Repetir("-", 5200) + "1", std::nullopt},
      // A long flat formula has no depth at all.
      {"suma larga", "X" + Repetir("+1", 100000), 100002.0},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(EvaluarFormula(c.formula, 2.0), c.valor) << c.nombre;
  }
}

}  // namespace
