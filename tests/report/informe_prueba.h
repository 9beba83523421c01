// Test doubles of the report's ports and a small runner: a progress port
// that records what the dialog would show, a fixed clock, and an SVG port
// that answers a marker text (or nothing) and keeps what it was given.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/core/document/documento.h"
#include "app/core/document/puertos.h"
#include "model/diagrama.h"
#include "platform/core/codec.h"
#include "report/informe.h"
#include "tests/comun/archivos.h"

namespace vardo::prueba {

class ProgresoPrueba : public PuertoProgresoInforme {
 public:
  void Estado(const std::string& texto) override { eventos.push_back("estado: " + texto); }
  void Paso() override { eventos.push_back("paso"); }
  void Completo() override { eventos.push_back("completo"); }
  void Fallo(const std::string& mensaje) override { eventos.push_back("fallo: " + mensaje); }

  int Contar(const std::string& e) const {
    return static_cast<int>(std::count(eventos.begin(), eventos.end(), e));
  }
  std::vector<std::string> eventos;
};

class RelojFijo : public RelojInforme {
 public:
  FechaHoraInforme Ahora() override { return fecha; }
  FechaHoraInforme fecha{3, 5, 2024, 10, 5};
};

class SvgPrueba : public PuertoImagenInforme {
 public:
  std::string Svg(const std::vector<RecordingDc::Item>& dibujo, const Rect& extension) override {
    llamadas.push_back({dibujo.size(), extension});
    return llamadas.size() > static_cast<std::size_t>(rechazarDesde) ? std::string() : "<svg/>";
  }
  struct Llamada {
    std::size_t elementos;
    Rect extension;
  };
  std::vector<Llamada> llamadas;
  // The pictures from this one on (0 the first) cannot be drawn.
  int rechazarDesde = 1 << 30;
};

// One report written into a folder of its own with the doubles above.
struct Informe {
  Carpeta carpeta;
  ProgresoPrueba progreso;
  RelojFijo reloj;
  SvgPrueba svg;
  bool ok = false;

  // Writes the report of a whole copy of `modelo` as `nombre` in the folder
  // and answers the page's bytes.
  std::string Escribir(const CDiagrama& modelo, const OpcionesInforme& opciones,
                       const std::string& nombre = "a.htm", const std::string& titulo = "prueba") {
    CDiagrama copia;
    CopiarModeloCompleto(copia, modelo);
    PuertoInforme puerto{progreso, reloj, svg};
    ok = EscribirInforme(carpeta / nombre, copia, titulo, opciones, puerto);
    const auto b = LeerBytes(carpeta / nombre);
    return std::string(b.begin(), b.end());
  }
};

// Options with no section chosen.
inline OpcionesInforme SinSecciones() {
  OpcionesInforme o;
  o.corrientes.fill(false);
  o.cambiadores.fill(false);
  o.anillos.fill(false);
  o.dtMinima.fill(false);
  o.servicios.fill(false);
  return o;
}

inline OpcionesInforme TodasLasSecciones() {
  OpcionesInforme o;
  o.corrientes.fill(true);
  o.cambiadores.fill(true);
  o.anillos.fill(true);
  o.dtMinima.fill(true);
  o.servicios.fill(true);
  o.puntos = 10;
  return o;
}

inline bool Contiene(const std::string& s, const std::string& t) {
  return s.find(t) != std::string::npos;
}

// Position of t in s (npos when missing), for order checks.
inline std::size_t Pos(const std::string& s, const std::string& t) { return s.find(t); }

// The text of a page in UTF-8 with LF line ends, for reading its content.
inline std::string TextoPagina(const std::string& bytes) {
  std::string s = Cp1252ToUtf8(bytes);
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i)
    if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')) r += s[i];
  return r;
}

}  // namespace vardo::prueba
