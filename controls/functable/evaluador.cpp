#include "controls/functable/evaluador.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "platform/core/numtext.h"
#include "platform/core/redondeo.h"

namespace vardo {

namespace {

using Op = Expresion::Op;

// ---------------------------------------------------------------- tokens

enum class Tok { Fin, Numero, Nombre, Simbolo };

struct Token {
  Tok tipo = Tok::Fin;
  std::string texto;  // name in upper case, or the symbol
  double valor = 0;
};

bool IgualSinCaso(const std::string& mayus, const char* palabra) { return mayus == palabra; }

// Splits the text into tokens; false on a character that belongs to no token
// or a malformed number.
bool Separar(std::string_view s, std::vector<Token>& out) {
  std::size_t i = 0;
  const std::size_t n = s.size();
  // Names are ASCII letters, digits and '_', whatever the locale says.
  auto digito = [&](std::size_t k) { return k < n && s[k] >= '0' && s[k] <= '9'; };
  auto letra = [&](std::size_t k) {
    return k < n && ((s[k] >= 'a' && s[k] <= 'z') || (s[k] >= 'A' && s[k] <= 'Z'));
  };
  while (i < n) {
    const char c = s[i];
    if (c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    Token t;
    if (digito(i) || (c == '.' && digito(i + 1))) {
      const std::size_t ini = i;
      while (digito(i)) ++i;
      if (i < n && s[i] == '.') {
        ++i;
        while (digito(i)) ++i;
      }
      if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < n && (s[k] == '+' || s[k] == '-')) ++k;
        if (!digito(k)) return false;
        while (digito(k)) ++k;
        i = k;
      }
      t.tipo = Tok::Numero;
      // Too large for a double is an error; too small reads as 0.
      if (!EsNumero(s.substr(ini, i - ini), &t.valor)) return false;
    } else if (letra(i)) {
      const std::size_t ini = i;
      while (letra(i) || digito(i) || (i < n && s[i] == '_')) ++i;
      t.tipo = Tok::Nombre;
      for (std::size_t k = ini; k < i; ++k)
        t.texto += s[k] >= 'a' && s[k] <= 'z' ? static_cast<char>(s[k] - 'a' + 'A') : s[k];
    } else {
      t.tipo = Tok::Simbolo;
      if ((c == '<' || c == '>') && i + 1 < n && (s[i + 1] == '=' || (c == '<' && s[i + 1] == '>'))) {
        t.texto = std::string(s.substr(i, 2));
        i += 2;
      } else if (std::string_view("+-*/\\^()=<>,").find(c) != std::string_view::npos) {
        t.texto = std::string(1, c);
        ++i;
      } else {
        return false;
      }
    }
    out.push_back(std::move(t));
  }
  out.push_back(Token{});
  return true;
}

// ---------------------------------------------------------------- parser

struct Funcion {
  const char* nombre;
  Op op;
  int minArgs;
  int maxArgs;
};

constexpr Funcion kFunciones[] = {
    {"ABS", Op::Abs, 1, 1},   {"ATN", Op::Atn, 1, 1},     {"COS", Op::Cos, 1, 1},
    {"EXP", Op::Exp, 1, 1},   {"FIX", Op::Fix, 1, 1},     {"INT", Op::Int, 1, 1},
    {"LOG", Op::Log, 1, 1},   {"SGN", Op::Sgn, 1, 1},     {"SIN", Op::Sin, 1, 1},
    {"SQR", Op::Sqr, 1, 1},   {"TAN", Op::Tan, 1, 1},     {"ROUND", Op::Round, 1, 2},
    {"CDBL", Op::CDbl, 1, 1}, {"CSNG", Op::CSng, 1, 1},   {"CINT", Op::CInt, 1, 1},
    {"CLNG", Op::CLng, 1, 1},
};

// Precedence climbing by explicit levels, lowest first:
// Imp, Eqv, Xor, Or, And, Not, comparisons, + -, Mod, \, * /, unary -, ^.
class Analizador {
 public:
  Analizador(const std::vector<Token>& t, std::vector<Expresion::Paso>& out) : t_(t), out_(out) {}

  bool Todo() { return Imp() && t_[k_].tipo == Tok::Fin; }

 private:
  const Token& Actual() const { return t_[k_]; }
  bool EsSimbolo(const char* s) const { return Actual().tipo == Tok::Simbolo && Actual().texto == s; }
  bool EsPalabra(const char* s) const { return Actual().tipo == Tok::Nombre && IgualSinCaso(Actual().texto, s); }
  void Emitir(Op op, double v = 0, int args = 0) { out_.push_back({op, v, args}); }

  // A left-associative chain of one keyword operator over the next level.
  template <typename Sig>
  bool CadenaPalabra(const char* palabra, Op op, Sig sig) {
    if (!(this->*sig)()) return false;
    while (EsPalabra(palabra)) {
      ++k_;
      if (!(this->*sig)()) return false;
      Emitir(op);
    }
    return true;
  }

  // One level deeper for as long as the object lives; Excede once the
  // formula nests beyond the limit.
  class Nivel {
   public:
    explicit Nivel(int& profundidad) : p_(++profundidad) {}
    ~Nivel() { --p_; }
    Nivel(const Nivel&) = delete;
    Nivel& operator=(const Nivel&) = delete;
    bool Excede() const { return p_ > Expresion::kAnidamientoMax; }

   private:
    int& p_;
  };

  // A whole expression: the top level, inside parentheses or an argument.
  bool Imp() {
    const Nivel nivel(profundidad_);
    return !nivel.Excede() && CadenaPalabra("IMP", Op::Imp, &Analizador::Eqv);
  }
  bool Eqv() { return CadenaPalabra("EQV", Op::Eqv, &Analizador::Xor); }
  bool Xor() { return CadenaPalabra("XOR", Op::Xor, &Analizador::Or); }
  bool Or() { return CadenaPalabra("OR", Op::Or, &Analizador::And); }
  bool And() { return CadenaPalabra("AND", Op::And, &Analizador::Not); }

  bool Not() {
    if (EsPalabra("NOT")) {
      const Nivel nivel(profundidad_);
      if (nivel.Excede()) return false;
      ++k_;
      if (!Not()) return false;
      Emitir(Op::Not);
      return true;
    }
    return Comparacion();
  }

  // A left-associative chain of symbol operators over the next level.
  template <typename Sig>
  bool CadenaSimbolos(std::initializer_list<std::pair<const char*, Op>> ops, Sig sig) {
    if (!(this->*sig)()) return false;
    for (;;) {
      const auto op = std::find_if(ops.begin(), ops.end(),
                                   [this](const auto& o) { return EsSimbolo(o.first); });
      if (op == ops.end()) return true;
      ++k_;
      if (!(this->*sig)()) return false;
      Emitir(op->second);
    }
  }

  bool Comparacion() {
    return CadenaSimbolos({{"=", Op::Igual},
                           {"<>", Op::Distinto},
                           {"<", Op::Menor},
                           {">", Op::Mayor},
                           {"<=", Op::MenorIgual},
                           {">=", Op::MayorIgual}},
                          &Analizador::Suma);
  }

  bool Suma() { return CadenaSimbolos({{"+", Op::Suma}, {"-", Op::Resta}}, &Analizador::Modulo); }

  bool Modulo() { return CadenaPalabra("MOD", Op::Mod, &Analizador::DivEntera); }

  bool DivEntera() { return CadenaSimbolos({{"\\", Op::DivEnt}}, &Analizador::Producto); }

  bool Producto() { return CadenaSimbolos({{"*", Op::Mul}, {"/", Op::Div}}, &Analizador::Signo); }

  // Unary minus and plus bind below ^: -2^2 is -(2^2).
  bool Signo() { return ConSignos(&Analizador::Potencia); }

  // ^ is left-associative: 2^3^2 is (2^3)^2. Its right operand may carry
  // its own sign (2^-1).
  bool Potencia() {
    if (!Primario()) return false;
    while (EsSimbolo("^")) {
      ++k_;
      if (!Exponente()) return false;
      Emitir(Op::Pot);
    }
    return true;
  }

  bool Exponente() { return ConSignos(&Analizador::Primario); }

  // Any leading minus and plus signs, then what `resto` reads; each minus
  // negates it.
  bool ConSignos(bool (Analizador::*resto)()) {
    if (EsSimbolo("-") || EsSimbolo("+")) {
      const Nivel nivel(profundidad_);
      if (nivel.Excede()) return false;
      const bool menos = EsSimbolo("-");
      ++k_;
      if (!ConSignos(resto)) return false;
      if (menos) Emitir(Op::Neg);
      return true;
    }
    return (this->*resto)();
  }

  bool Primario() {
    const Token& t = Actual();
    if (t.tipo == Tok::Numero) {
      ++k_;
      Emitir(Op::Numero, t.valor);
      return true;
    }
    if (EsSimbolo("(")) {
      ++k_;
      if (!Imp() || !EsSimbolo(")")) return false;
      ++k_;
      return true;
    }
    if (t.tipo != Tok::Nombre) return false;
    if (t.texto == "X") {
      ++k_;
      Emitir(Op::VarX);
      return true;
    }
    for (const Funcion& f : kFunciones) {
      if (t.texto != f.nombre) continue;
      ++k_;
      if (!EsSimbolo("(")) return false;
      ++k_;
      int args = 0;
      if (!EsSimbolo(")")) {
        for (;;) {
          if (!Imp()) return false;
          ++args;
          if (EsSimbolo(",")) {
            ++k_;
            continue;
          }
          break;
        }
      }
      if (!EsSimbolo(")")) return false;
      ++k_;
      if (args < f.minArgs || args > f.maxArgs) return false;
      Emitir(f.op, 0, args);
      return true;
    }
    return false;  // unknown name, or a keyword where an operand belongs
  }

  const std::vector<Token>& t_;
  std::vector<Expresion::Paso>& out_;
  std::size_t k_ = 0;
  int profundidad_ = 0;
};

// ---------------------------------------------------------------- evaluation

constexpr double kVerdadero = -1.0;

// Conversion to a 32-bit integer as the language does it (halves to even);
// false when the value does not fit.
bool ALargo(double v, std::int64_t& out) {
  const double r = RedondeoPar(v);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) return false;
  out = static_cast<std::int64_t>(r);
  return true;
}

bool Logico(Op op, double a, double b, double& r) {
  std::int64_t x = 0, y = 0;
  if (!ALargo(a, x) || !ALargo(b, y)) return false;
  const auto ux = static_cast<std::uint32_t>(x), uy = static_cast<std::uint32_t>(y);
  std::uint32_t z = 0;
  switch (op) {
    case Op::And: z = ux & uy; break;
    case Op::Or: z = ux | uy; break;
    case Op::Xor: z = ux ^ uy; break;
    case Op::Eqv: z = ~(ux ^ uy); break;
    case Op::Imp: z = ~ux | uy; break;
    default: return false;
  }
  r = static_cast<double>(static_cast<std::int32_t>(z));
  return true;
}

bool Binario(Op op, double a, double b, double& r) {
  switch (op) {
    case Op::Suma: r = a + b; return true;
    case Op::Resta: r = a - b; return true;
    case Op::Mul: r = a * b; return true;
    case Op::Div:
      if (b == 0.0) return false;
      r = a / b;
      return true;
    case Op::Pot:
      if (a == 0.0 && b < 0.0) return false;
      r = std::pow(a, b);
      return true;
    case Op::DivEnt:
    case Op::Mod: {
      std::int64_t x = 0, y = 0;
      if (!ALargo(a, x) || !ALargo(b, y) || y == 0) return false;
      r = static_cast<double>(op == Op::DivEnt ? x / y : x % y);
      return op == Op::Mod || (r >= -2147483648.0 && r <= 2147483647.0);
    }
    case Op::Igual: r = a == b ? kVerdadero : 0.0; return true;
    case Op::Distinto: r = a != b ? kVerdadero : 0.0; return true;
    case Op::Menor: r = a < b ? kVerdadero : 0.0; return true;
    case Op::Mayor: r = a > b ? kVerdadero : 0.0; return true;
    case Op::MenorIgual: r = a <= b ? kVerdadero : 0.0; return true;
    case Op::MayorIgual: r = a >= b ? kVerdadero : 0.0; return true;
    default: return Logico(op, a, b, r);
  }
}

bool Funcion1(Op op, double a, double& r) {
  switch (op) {
    case Op::Neg: r = -a; return true;
    case Op::Not: {
      std::int64_t x = 0;
      if (!ALargo(a, x)) return false;
      r = static_cast<double>(~static_cast<std::int32_t>(x));
      return true;
    }
    case Op::Abs: r = std::fabs(a); return true;
    case Op::Atn: r = std::atan(a); return true;
    case Op::Cos: r = std::cos(a); return true;
    case Op::Sin: r = std::sin(a); return true;
    case Op::Tan: r = std::tan(a); return true;
    case Op::Exp: r = std::exp(a); return true;
    case Op::Fix: r = std::trunc(a); return true;
    case Op::Int: r = std::floor(a); return true;
    case Op::Log:
      if (!(a > 0.0)) return false;
      r = std::log(a);
      return true;
    case Op::Sqr:
      if (a < 0.0) return false;
      r = std::sqrt(a);
      return true;
    case Op::Sgn: r = a > 0.0 ? 1.0 : (a < 0.0 ? -1.0 : 0.0); return true;
    case Op::CDbl: r = a; return true;
    case Op::CSng:
      if (std::fabs(a) > static_cast<double>(FLT_MAX)) return false;
      r = static_cast<double>(static_cast<float>(a));
      return true;
    case Op::CInt:
      r = RedondeoPar(a);
      return r >= -32768.0 && r <= 32767.0;
    case Op::CLng: {
      std::int64_t x = 0;
      if (!ALargo(a, x)) return false;
      r = static_cast<double>(x);
      return true;
    }
    case Op::Round: r = RedondeoPar(a); return true;
    default: return false;
  }
}

// Round(value, decimals): halves to even at the given decimal place.
bool Redondear(double a, double decimales, double& r) {
  std::int64_t d = 0;
  if (!ALargo(decimales, d) || d < 0) return false;
  if (d > 22) {
    r = a;
    return true;
  }
  const double escala = std::pow(10.0, static_cast<double>(d));
  const double v = a * escala;
  r = std::isfinite(v) ? RedondeoPar(v) / escala : a;
  return true;
}

}  // namespace

std::optional<Expresion> Expresion::Compilar(std::string_view texto) {
  std::vector<Token> tokens;
  if (!Separar(texto, tokens)) return std::nullopt;
  Expresion e;
  Analizador a(tokens, e.pasos_);
  if (!a.Todo() || e.pasos_.empty()) return std::nullopt;
  return e;
}

std::optional<double> Expresion::Evaluar(double x) const {
  std::vector<double> pila;
  pila.reserve(16);
  for (const Paso& p : pasos_) {
    double r = 0;
    bool ok = true;
    switch (p.op) {
      case Op::Numero: r = p.valor; break;
      case Op::VarX: r = x; break;
      case Op::Round:
        if (p.args == 2) {
          const double d = pila.back();
          pila.pop_back();
          ok = Redondear(pila.back(), d, r);
          pila.pop_back();
          break;
        }
        [[fallthrough]];
      case Op::Neg: case Op::Not: case Op::Abs: case Op::Atn: case Op::Cos: case Op::Exp:
      case Op::Fix: case Op::Int: case Op::Log: case Op::Sgn: case Op::Sin: case Op::Sqr:
      case Op::Tan: case Op::CDbl: case Op::CSng: case Op::CInt: case Op::CLng:
        ok = Funcion1(p.op, pila.back(), r);
        pila.pop_back();
        break;
      default: {
        const double b = pila.back();
        pila.pop_back();
        ok = Binario(p.op, pila.back(), b, r);
        pila.pop_back();
        break;
      }
    }
    if (!ok || !std::isfinite(r)) return std::nullopt;
    pila.push_back(r);
  }
  if (pila.size() != 1) return std::nullopt;
  return pila.back();
}

std::optional<double> EvaluarFormula(std::string_view texto, double x) {
  auto e = Expresion::Compilar(texto);
  if (!e) return std::nullopt;
  return e->Evaluar(x);
}

}  // namespace vardo
