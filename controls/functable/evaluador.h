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
  // Parses the formula; nullopt on a syntax error, an unknown name or a wrong
  // number of arguments. Names and keywords ignore case.
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

// Rounding of the language: to the nearest integer, halves to even.
double RedondeoBanquero(double v);

}  // namespace vardo
