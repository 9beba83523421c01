#include "platform/core/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vardo {
namespace {

void StripZeros(std::string& digits) {
  const auto dot = digits.find('.');
  if (dot == std::string::npos) return;
  std::size_t end = digits.size();
  while (end > dot + 1 && digits[end - 1] == '0') --end;
  digits.resize(end);
}

// The exponent of a number written by to_chars in scientific form ("e+20",
// "e-005"), read from position epos (the 'e').
int Exponente(const std::string& sci, std::size_t epos) {
  std::size_t i = epos + 1;
  if (i < sci.size() && sci[i] == '+') ++i;
  int e = 0;
  std::from_chars(sci.data() + i, sci.data() + sci.size(), e);
  return e;
}

// Locale-free text of v in the given form and precision.
std::string Escribir(double v, std::chars_format formato, int precision) {
  char buf[400];  // room for any double in fixed form with 30 decimals
  const auto r = std::to_chars(buf, buf + sizeof buf, v, formato, precision);
  return std::string(buf, r.ptr);
}

}  // namespace

std::string NumTexto(double v, int digits) {
  if (digits < 1) digits = 1;
  if (digits > 17) digits = 17;
  if (std::isnan(v)) return "nan";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  if (v == 0.0) return "0.";  // a zero is written unsigned

  // Scientific form rounded to 'digits' significant digits gives the exponent.
  const std::string sci = Escribir(v, std::chars_format::scientific, digits - 1);
  const auto epos = sci.find('e');
  const int e = Exponente(sci, epos);

  std::string out;
  if (e >= -1 && e <= digits - 1) {
    out = Escribir(v, std::chars_format::fixed, digits - 1 - e);
    if (out.find('.') == std::string::npos) out += '.';
    StripZeros(out);
  } else {
    std::string mant = sci.substr(0, epos);
    if (mant.find('.') == std::string::npos) mant += '.';
    StripZeros(mant);
    out = mant + 'e' + (e < 0 ? '-' : '+');
    const std::string ex = std::to_string(std::abs(e));
    out.append(ex.size() < 3 ? 3 - ex.size() : 0, '0');
    out += ex;
  }
  return out;
}

std::string TextoFijo(double v, int decimales) {
  std::string out = Escribir(v, std::chars_format::fixed, std::clamp(decimales, 0, 30));
  // A negative value that rounds to zero is written as zero, unsigned.
  if (out[0] == '-' && out.find_first_not_of("-0.") == std::string::npos) out.erase(0, 1);
  return out;
}

std::string TextoGeneral(double v, int digits) {
  digits = std::clamp(digits, 1, 17);
  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
  if (v == 0.0) return "0";
  const std::string sci = Escribir(v, std::chars_format::scientific, digits - 1);
  const auto epos = sci.find('e');
  const int e = Exponente(sci, epos);
  if (e >= -4 && e < digits) {
    std::string out = Escribir(v, std::chars_format::fixed, digits - 1 - e);
    StripZeros(out);
    if (out.back() == '.') out.pop_back();
    return out;
  }
  std::string mant = sci.substr(0, epos);
  StripZeros(mant);
  if (mant.back() == '.') mant.pop_back();
  return mant + 'E' + sci.substr(epos + 1);
}

namespace {

// For a number from_chars finds too large or too small for a double: true
// when it is too large. The order of magnitude is where the first
// significant digit stands relative to the point, moved by the exponent.
bool Desborda(std::string_view num) {
  const std::size_t e = num.find_first_of("eE");
  const std::string_view mant = num.substr(0, e);
  const std::size_t punto = std::min(mant.find('.'), mant.size());
  const std::size_t primera = mant.find_first_of("123456789");
  if (primera == std::string_view::npos) return false;
  long long orden = primera < punto ? static_cast<long long>(punto - primera)
                                    : -static_cast<long long>(primera - punto - 1);
  long long exp = 0;
  if (e != std::string_view::npos) {
    std::size_t k = e + 1;
    const bool menos = k < num.size() && num[k] == '-';
    if (k < num.size() && (num[k] == '+' || num[k] == '-')) ++k;
    // Beyond a few hundred the exponent only has to keep its sign.
    for (; k < num.size() && exp < 100000; ++k) exp = exp * 10 + (num[k] - '0');
    if (menos) exp = -exp;
  }
  return orden + exp > 0;
}

// Parses the longest numeric prefix of s (after blanks); returns characters used.
std::size_t ParsePrefix(std::string_view s, double& value) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) ++i;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    neg = s[i] == '-';
    ++i;
  }
  // from_chars takes no '+' sign; it also accepts "inf"/"nan", which typed
  // text never means, so only digits and a point may start the number.
  if (i >= s.size() || !((s[i] >= '0' && s[i] <= '9') || s[i] == '.')) {
    value = 0;
    return 0;
  }
  double v = 0;
  auto res = std::from_chars(s.data() + i, s.data() + s.size(), v, std::chars_format::general);
  if (res.ec == std::errc::invalid_argument) {
    value = 0;
    return 0;
  }
  if (res.ec == std::errc::result_out_of_range)
    v = Desborda(s.substr(i, static_cast<std::size_t>(res.ptr - (s.data() + i))))
            ? std::numeric_limits<double>::infinity()
            : 0.0;
  value = neg ? -v : v;
  return static_cast<std::size_t>(res.ptr - s.data());
}

}  // namespace

double TextoANumero(std::string_view text) {
  double v = 0;
  ParsePrefix(text, v);
  return v;
}

bool EsNumero(std::string_view text, double* out) {
  double v = 0;
  std::size_t used = ParsePrefix(text, v);
  if (used == 0) return false;
  while (used < text.size() && (text[used] == ' ' || text[used] == '\t')) ++used;
  if (used != text.size() || !std::isfinite(v)) return false;
  if (out) *out = v;
  return true;
}

}  // namespace vardo
