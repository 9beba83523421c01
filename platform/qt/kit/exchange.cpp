#include "platform/qt/kit/exchange.h"

#include <QString>
#include <charconv>
#include <climits>
#include <limits>

#include "platform/core/numtext.h"
#include "platform/qt/kit/host.h"

namespace vardo::kit {

namespace {

std::string Sustituir(const char* plantilla, const std::string& a) {
  return QString::fromUtf8(plantilla).arg(QString::fromStdString(a)).toStdString();
}

std::string Sustituir(const char* plantilla, const std::string& a, const std::string& b) {
  return QString::fromUtf8(plantilla)
      .arg(QString::fromStdString(a), QString::fromStdString(b))
      .toStdString();
}

std::string Recortar(const std::string& s) {
  const auto blanco = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t i = 0, j = s.size();
  while (i < j && blanco(s[i])) ++i;
  while (j > i && blanco(s[j - 1])) --j;
  return s.substr(i, j - i);
}

// A whole number filling the whole text (blanks around it allowed).
bool EsEntero(const std::string& texto, int& v) {
  std::string s = Recortar(texto);
  if (!s.empty() && s[0] == '+') s.erase(0, 1);
  if (s.empty()) return false;
  const char* fin = s.data() + s.size();
  const auto [p, ec] = std::from_chars(s.data(), fin, v);
  return ec == std::errc() && p == fin;
}

}  // namespace

std::string TextoDoble(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  return std::string(buf, r.ptr);
}

void Exchange::Fail(int id, const std::string& message) { host_.Fail(id, message); }

void Exchange::Int(int id, int& v) { Int(id, v, INT_MIN, INT_MAX); }

void Exchange::Int(int id, int& v, int lo, int hi) {
  if (!saving_) {
    host_.SetInt(id, v);
    return;
  }
  int leido = 0;
  if (!EsEntero(host_.Text(id), leido)) Fail(id, kMsgNumero);
  if (leido < lo || leido > hi)
    Fail(id, Sustituir(kMsgEntre, std::to_string(lo), std::to_string(hi)));
  v = leido;
}

void Exchange::Double(int id, double& v, const RangoNumero& rango) {
  if (!saving_) {
    host_.SetText(id, TextoDoble(v));
    return;
  }
  if (!host_.ReadNumber(id, v, rango)) throw ExchangeFailed{};
}

void Exchange::Double(int id, double& v, double lo, double hi) {
  RangoNumero r = RangoNumero::Entre(lo, hi);
  r.mensaje = Sustituir(kMsgEntre, TextoDoble(lo), TextoDoble(hi));
  Double(id, v, r);
}

void Exchange::Text(int id, std::string& s, int maxChars) {
  if (!saving_) {
    if (maxChars > 0) host_.SetLimit(id, maxChars);
    host_.SetText(id, s);
    return;
  }
  const std::string leido = host_.Text(id);
  if (maxChars > 0 && QString::fromStdString(leido).size() > maxChars)
    Fail(id, Sustituir(kMsgLongitud, std::to_string(maxChars)));
  s = leido;
}

void Exchange::Radio(int firstId, int& index) {
  if (saving_) index = host_.RadioIndex(firstId);
  else host_.SetRadioIndex(firstId, index);
}

void Exchange::Check(int id, int& v) {
  if (saving_) v = host_.Checked(id) ? 1 : 0;
  else host_.SetCheck(id, v != 0);
}

void Exchange::Check(int id, bool& v) {
  if (saving_) v = host_.Checked(id);
  else host_.SetCheck(id, v);
}

void Exchange::Index(int id, int& index) {
  if (saving_) index = host_.CurSel(id);
  else host_.SetCurSel(id, index);
}

}  // namespace vardo::kit
