// Closed evaluator of the formula language of the function table: numbers,
// the variable X, arithmetic, comparisons, logical operators and a fixed set
// of numeric functions, with the language's own rules (True is -1, integer
// division and Mod round their operands to even, CInt and Round round halves
// to even). It runs no code: a formula can only compute a number.
#pragma once
#include <optional>
#include <string_view>
#include <vector>

namespace vardo {

class Expresion {
 public:
  // Far beyond any formula typed by hand; bounds the parser's recursion so
  // that no text can exhaust the stack.
  static constexpr int kAnidamientoMax = 100;

  // Parses the formula; nullopt on a syntax error, an unknown name, a wrong
  // number of arguments or nesting deeper than kAnidamientoMax (parentheses,
  // function calls, Not and signs each add a level). Names and keywords
  // ignore case; numbers take '.' as decimal point in every locale.
  static std::optional<Expresion> Compilar(std::string_view texto);

  // Value for the given X; nullopt on division by zero, a logarithm or square
  // root out of its domain, a value out of range of an integer conversion or
  // any result that is not a finite number.
  std::optional<double> Evaluar(double x) const;

  // One step of the compiled formula, kept in post-order (operands first),
  // so evaluation runs them in order over a stack of values.
  enum class Op {
    Numero, VarX,
    Neg, Pot, Mul, Div, DivEnt, Mod, Suma, Resta,
    Igual, Distinto, Menor, Mayor, MenorIgual, MayorIgual,
    Not, And, Or, Xor, Eqv, Imp,
    Abs, Atn, Cos, Exp, Fix, Int, Log, Sgn, Sin, Sqr, Tan, Round, CDbl, CSng, CInt, CLng
  };
  struct Paso {
    Op op;
    double valor = 0;  // the literal of Numero
    int args = 0;      // argument count of a function
  };

 private:
  std::vector<Paso> pasos_;
};

// Compiles and evaluates in one call.
std::optional<double> EvaluarFormula(std::string_view texto, double x);

}  // namespace vardo
