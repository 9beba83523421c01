#include "report/pagina_informe.h"

#include <filesystem>

#include "platform/core/codec.h"
#include "platform/core/numtext.h"
#include "report/dibujo_informe.h"

namespace vardo {

namespace {

// Size of every chart picture on the page.
constexpr int kAnchoGrafica = 500;
constexpr int kAltoGrafica = 538;

// Page text as file bytes: Windows-1252, each "\n" as CR LF.
std::string BytesPagina(const std::string& texto) {
  const std::string cp = Utf8ToCp1252(texto);
  std::string b;
  b.reserve(cp.size() + cp.size() / 16);
  for (char c : cp) {
    if (c == '\n') b.push_back('\r');
    b.push_back(c);
  }
  return b;
}

}  // namespace

PaginaInforme::PaginaInforme(const std::string& ruta, CDiagrama& modelo,
                             const OpcionesInforme& opciones, PuertoInforme& puerto)
    : modelo(modelo),
      opciones(opciones),
      ruta_(ruta),
      nombre_(std::filesystem::path(ruta).filename().string()),
      puerto_(puerto) {}

PaginaInforme::~PaginaInforme() = default;

ArchivoNuevo& PaginaInforme::Nuevo(const std::string& ruta) {
  archivos_.push_back(std::make_unique<ArchivoNuevo>(ruta));
  ArchivoNuevo& a = *archivos_.back();
  if (const int err = a.Crear()) throw FalloEscritura{ruta, err};
  return a;
}

void PaginaInforme::Escribir(ArchivoNuevo& archivo, const void* datos, std::size_t n) {
  if (const int err = archivo.Escribir(datos, n)) throw FalloEscritura{archivo.Ruta(), err};
}

void PaginaInforme::Abrir() { Nuevo(ruta_); }

void PaginaInforme::Escribir(const std::string& texto) {
  if (archivos_.empty()) throw FalloEscritura{ruta_};
  const std::string b = BytesPagina(texto);
  Escribir(*archivos_.front(), b.data(), b.size());
}

void PaginaInforme::Cerrar() {
  if (archivos_.empty()) throw FalloEscritura{ruta_};
  // Every file whole on the disk before any takes its name.
  for (const auto& a : archivos_)
    if (const int err = a->Terminar()) throw FalloEscritura{a->Ruta(), err};
  // The page last: until it is in place, an old page shows its pictures.
  for (std::size_t i = 1; i <= archivos_.size(); ++i) {
    ArchivoNuevo& a = *archivos_[i % archivos_.size()];
    if (const int err = a.Reemplazar()) throw FalloEscritura{a.Ruta(), err};
  }
  archivos_.clear();
}

void PaginaInforme::Descartar() { archivos_.clear(); }

void PaginaInforme::Seccion(const char* estado, const std::function<void()>& cuerpo) {
  puerto_.progreso.Estado(estado);
  cuerpo();
  puerto_.progreso.Paso();
}

std::string PaginaInforme::Imagen(const std::string& sufijo,
                                  const std::function<void(Dc&)>& dibujar) {
  DibujoInforme dibujo;
  dibujar(dibujo);
  const std::string base = ruta_ + sufijo;
  const std::vector<std::uint8_t>& emf = dibujo.Metafile();
  Escribir(Nuevo(base + ".wmf"), emf.data(), emf.size());
  const std::string svg = puerto_.imagenes.Svg(dibujo.Items(), dibujo.Extension());
  if (svg.empty()) throw FalloEscritura{base + ".svg"};
  Escribir(Nuevo(base + ".svg"), svg.data(), svg.size());
  return NombreEnUrl(nombre_ + sufijo + ".svg");
}

std::string PaginaInforme::ImagenGrafica(const std::string& sufijo,
                                         const std::function<void(CGrafica&)>& construir,
                                         const std::function<void(CGrafica&)>& ajustar) {
  const std::string src = Imagen(sufijo, [&](Dc& dc) {
    CGrafica g;
    construir(g);
    g.Recalcular();
    if (ajustar) ajustar(g);
    g.Dibujar(dc, true);
  });
  return ElementoImagen(src, kAnchoGrafica, kAltoGrafica);
}

// ---------------------------------------------------------------- pieces

std::string Num(double v) { return NumTexto(v, 6); }

std::string Entero(long long v) { return std::to_string(v); }

void Fila(std::string& s, const std::vector<std::string>& celdas,
          const std::vector<std::string_view>& anchos, std::string_view alto) {
  s += "  <tr>\n";
  for (std::size_t i = 0; i < celdas.size(); ++i) {
    s += "    <td";
    if (i < anchos.size() && !anchos[i].empty()) {
      s += " width=\"";
      s += anchos[i];
      s += '"';
    }
    if (!alto.empty()) {
      s += " height=\"";
      s += alto;
      s += '"';
    }
    s += '>';
    s += celdas[i].empty() ? std::string("&nbsp;") : celdas[i];
    s += "</td>\n";
  }
  s += "  </tr>\n";
}

std::string Parrafo(std::string_view texto) {
  std::string s = "<p>";
  s += texto;
  s += "</p>\n";
  return s;
}

std::string ElementoImagen(const std::string& src, int ancho, int alto) {
  return "<p align=\"center\"><img border=\"0\" src=\"" + src + "\" width=\"" + Entero(ancho) +
         "\" height=\"" + Entero(alto) + "\"></p>\n";
}

}  // namespace vardo
