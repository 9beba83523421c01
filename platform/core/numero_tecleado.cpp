#include "platform/core/numero_tecleado.h"

#include <charconv>
#include <cmath>

#include "platform/core/sustituir.h"

namespace vardo {

namespace {

bool Blanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A limit in a message: the shortest text that reads back ("0.1", "1000").
std::string Limite(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

}  // namespace

std::optional<double> LeerNumeroTecleado(std::string_view texto) {
  std::size_t i = 0, j = texto.size();
  while (i < j && Blanco(texto[i])) ++i;
  while (j > i && Blanco(texto[j - 1])) --j;
  std::string s(texto.substr(i, j - i));
  if (s.empty()) return std::nullopt;
  bool negativo = false;
  std::size_t k = 0;
  if (s[0] == '+' || s[0] == '-') {
    negativo = s[0] == '-';
    k = 1;
  }
  // Only digits and one decimal separator may start the number: from_chars
  // would also take "inf" and "nan", which a user never means.
  if (k >= s.size() || !((s[k] >= '0' && s[k] <= '9') || s[k] == '.' || s[k] == ',')) {
    return std::nullopt;
  }
  int separadores = 0;
  for (char& c : s) {
    if (c == ',') c = '.';
    if (c == '.') ++separadores;
  }
  if (separadores > 1) return std::nullopt;
  double v = 0.0;
  const char* fin = s.data() + s.size();
  const auto [p, ec] = std::from_chars(s.data() + k, fin, v, std::chars_format::general);
  // Too large (and too small) for a double is out of range: refused.
  if (ec != std::errc() || p != fin || !std::isfinite(v)) return std::nullopt;
  if (v == 0.0) return 0.0;  // "-0" is 0, never a signed zero
  return negativo ? -v : v;
}

bool RangoNumero::Contiene(double v) const {
  if (!std::isfinite(v)) return false;
  if (minimoAbierto ? !(v > minimo) : !(v >= minimo)) return false;
  if (maximoAbierto ? !(v < maximo) : !(v <= maximo)) return false;
  return true;
}

std::string RangoNumero::Mensaje() const {
  if (!mensaje.empty()) return mensaje;
  std::string s = Sustituir(kMsgEntre, Limite(minimo));
  const auto p = s.find("%2");
  return s.replace(p, 2, Limite(maximo));
}

RangoNumero RangoNumero::Finito() { return {}; }

RangoNumero RangoNumero::NoNegativo() {
  RangoNumero r;
  r.minimo = 0.0;
  r.mensaje = "Introduzca un número mayor o igual que 0.";
  return r;
}

RangoNumero RangoNumero::DTMin() {
  RangoNumero r = Entre(0.0, 10000.0);
  r.mensaje = "Introduzca una diferencia mínima de temperatura entre 0 y 10000 K.";
  return r;
}

RangoNumero RangoNumero::Positivo() {
  RangoNumero r;
  r.minimo = 0.0;
  r.minimoAbierto = true;
  r.mensaje = "Introduzca un número mayor que 0.";
  return r;
}

RangoNumero RangoNumero::Temperatura() {
  RangoNumero r = Positivo();
  r.mensaje = "Introduzca una temperatura mayor que 0 K.";
  return r;
}

RangoNumero RangoNumero::Coeficiente() {
  RangoNumero r = Positivo();
  r.mensaje = "Introduzca un coeficiente mayor que 0.";
  return r;
}

RangoNumero RangoNumero::Entre(double lo, double hi) {
  RangoNumero r;
  r.minimo = lo;
  r.maximo = hi;
  return r;
}

std::string ComprobarNumeroTecleado(std::string_view texto, const RangoNumero& rango,
                                    double& valor) {
  const auto v = LeerNumeroTecleado(texto);
  if (!v) return kMsgNumero;
  if (!rango.Contiene(*v)) return rango.Mensaje();
  valor = *v;
  return {};
}

}  // namespace vardo
