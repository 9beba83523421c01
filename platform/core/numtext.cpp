#include "platform/core/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vardo {
namespace {

void StripZeros(std::string& digits) {
  const auto dot = digits.find('.');
  if (dot == std::string::npos) return;
  std::size_t end = digits.size();
  while (end > dot + 1 && digits[end - 1] == '0') --end;
  digits.resize(end);
}

}  // namespace

std::string NumTexto(double v, int digits) {
  if (digits < 1) digits = 1;
  if (digits > 17) digits = 17;
  if (std::isnan(v)) return "nan";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  if (v == 0.0) return std::signbit(v) ? "-0." : "0.";

  char buf[64];
  // Scientific form rounded to 'digits' significant digits gives the exponent.
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits - 1);
  std::string sci(buf, r.ptr);
  const auto epos = sci.find('e');
  const int e = std::atoi(sci.c_str() + epos + 1);

  std::string out;
  if (e >= -1 && e <= digits - 1) {
    r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, digits - 1 - e);
    out.assign(buf, r.ptr);
    if (out.find('.') == std::string::npos) out += '.';
    StripZeros(out);
  } else {
    std::string mant = sci.substr(0, epos);
    if (mant.find('.') == std::string::npos) mant += '.';
    StripZeros(mant);
    char ex[16];
    std::snprintf(ex, sizeof ex, "e%c%03d", e < 0 ? '-' : '+', std::abs(e));
    out = mant + ex;
  }
  return out;
}

namespace {

// Parses the longest numeric prefix of s (after blanks); returns characters used.
std::size_t ParsePrefix(std::string_view s, double& value) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) ++i;
  std::size_t start = i;
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
  if (res.ec == std::errc::result_out_of_range) {
    // Overflow or underflow: keep what strtod would give.
    std::string tmp(s.substr(i, static_cast<std::size_t>(res.ptr - (s.data() + i))));
    v = std::strtod(tmp.c_str(), nullptr);
  }
  value = neg ? -v : v;
  (void)start;
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
