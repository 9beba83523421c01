#include "report/informe.h"

#include <cerrno>
#include <cstdint>
#include <ctime>

#include "app/core/document/documento.h"
#include "platform/core/codec.h"
#include "platform/core/uiport.h"
#include "report/pagina_informe.h"
#include "report/secciones_informe.h"
#include "platform/core/sustituir.h"

namespace vardo {

namespace {

// Picture height of a grid rectangle that gives none.
constexpr int kAltoTramaDefecto = 427;
constexpr int kAnchoTrama = 700;

std::string Cabecera(const std::string& titulo) {
  const std::string t = TextoHtml(titulo);
  return "<html>\n\n<head>\n<meta http-equiv=\"Content-Language\" content=\"es\">\n"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n"
         "<meta name=\"GENERATOR\" content=\"Microsoft FrontPage 4.0\">\n"
         "<meta name=\"ProgId\" content=\"FrontPage.Editor.Document\">\n<title>" +
         t + "</title>\n</head>\n\n<body>\n\n<p><u><b><font size=\"5\">" + t +
         "</font></b></u></p>\n";
}

std::string LineaFecha(const FechaHoraInforme& f) {
  return "<p><font size=\"3\">Informe generado el día " + Entero(f.dia) + "/" + Entero(f.mes) +
         "/" + Entero(f.anio) + " a las " + Entero(f.hora) + ":" + (f.minuto < 10 ? "0" : "") +
         Entero(f.minuto) + " horas.</font></p>";
}

std::string MensajeFallo(const FalloEscritura& f) {
  switch (f.err) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kMsgDiscoLleno;
    default: return Sustituir(kMsgErrorEscribir, f.ruta);
  }
}

// Decodes one UTF-8 character at s[i]; returns its length, 0 for an invalid
// sequence.
std::size_t Caracter(std::string_view s, std::size_t i, char32_t& c) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  std::size_t n = 0;
  if (b0 < 0x80) {
    c = b0;
    return 1;
  }
  if ((b0 & 0xE0) == 0xC0) {
    n = 2;
    c = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 3;
    c = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 4;
    c = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMinimo[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kMinimo[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

FechaHoraInforme RelojLocal::Ahora() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900, tm.tm_hour, tm.tm_min};
}

std::string TextoHtml(std::string_view utf8) {
  std::string s;
  s.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    const std::size_t n = Caracter(utf8, i, c);
    if (n == 0) {
      s += '?';
      ++i;
      continue;
    }
    const std::string_view uno = utf8.substr(i, n);
    i += n;
    switch (c) {
      case '&': s += "&amp;"; continue;
      case '<': s += "&lt;"; continue;
      case '>': s += "&gt;"; continue;
      case '\r':
      case '\n': s += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";"; continue;
      default: break;
    }
    if (c >= 0x80 && Utf8ToCp1252(uno) == "?")
      s += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";";
    else
      s += uno;
  }
  return s;
}

std::string NombreEnUrl(std::string_view nombre) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string s;
  for (char ch : nombre) {
    const auto b = static_cast<unsigned char>(ch);
    const bool simple = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') ||
                        (b >= '0' && b <= '9') || b == '.' || b == '_' || b == '-';
    if (simple) {
      s += ch;
    } else {
      s += '%';
      s += kHex[b >> 4];
      s += kHex[b & 0x0F];
    }
  }
  return s;
}

int AltoImagenTrama(const Rect& r) {
  const std::int64_t ancho = static_cast<std::int64_t>(r.right) - r.left;
  const std::int64_t alto = static_cast<std::int64_t>(r.top) - r.bottom;
  if (ancho == 0) return kAltoTramaDefecto;
  const std::int64_t h = kAnchoTrama * alto / ancho;
  return h > 0 && h <= INT32_MAX ? static_cast<int>(h) : kAltoTramaDefecto;
}

bool EscribirInforme(const std::string& ruta, CDiagrama& copia, const std::string& titulo,
                     const OpcionesInforme& opciones, PuertoInforme& puerto) {
  // The model's searches and charts speak to nobody while the report runs.
  QuietScope silencio(DefaultUiPort());
  PaginaInforme p(ruta, copia, opciones, puerto);
  try {
    p.Abrir();
    p.Escribir(Cabecera(titulo));
    p.Escribir(LineaFecha(puerto.reloj.Ahora()));
    SeccionesCorrientes(p);
    SeccionesCambiadores(p);
    SeccionesServicios(p);
    SeccionesAnillos(p);
    SeccionesDTMin(p);
    p.Escribir("\n\n</body>\n\n</html>");
    p.Cerrar();
  } catch (const FalloEscritura& f) {
    p.Descartar();
    puerto.progreso.Fallo(MensajeFallo(f));
    return false;
  }
  puerto.progreso.Estado(kTextoInformeCompleto);
  puerto.progreso.Completo();
  return true;
}

}  // namespace vardo
