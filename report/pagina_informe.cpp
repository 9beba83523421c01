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

PaginaInforme::~PaginaInforme() {
  if (archivo_) std::fclose(archivo_);
}

void PaginaInforme::Abrir() {
  archivo_ = std::fopen(ruta_.c_str(), "wb");
  if (!archivo_) throw FalloEscritura{ruta_};
  creados_.push_back(ruta_);
}

void PaginaInforme::Escribir(const std::string& texto) {
  const std::string b = BytesPagina(texto);
  if (!archivo_ || std::fwrite(b.data(), 1, b.size(), archivo_) != b.size())
    throw FalloEscritura{ruta_};
}

void PaginaInforme::Cerrar() {
  std::FILE* f = archivo_;
  archivo_ = nullptr;
  const bool vaciado = f && std::fflush(f) == 0;
  const bool cerrado = f && std::fclose(f) == 0;
  if (!vaciado || !cerrado) throw FalloEscritura{ruta_};
}

void PaginaInforme::Descartar() {
  if (archivo_) std::fclose(archivo_);
  archivo_ = nullptr;
  // Only regular files: a device or a folder in the way is not ours.
  for (const std::string& r : creados_) {
    std::error_code e;
    if (std::filesystem::is_regular_file(r, e)) std::filesystem::remove(r, e);
  }
  creados_.clear();
}

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
  const Rect extension = dibujo.Extension();
  const std::vector<std::uint8_t>& emf = dibujo.Metafile();
  {
    std::FILE* f = std::fopen((base + ".wmf").c_str(), "wb");
    if (f) creados_.push_back(base + ".wmf");
    const bool escrito = f && std::fwrite(emf.data(), 1, emf.size(), f) == emf.size();
    const bool cerrado = f && std::fclose(f) == 0;
    if (!escrito || !cerrado) throw FalloEscritura{base + ".wmf"};
  }
  const bool svg = puerto_.imagenes.GrabarSvg(base + ".svg", dibujo.Items(), extension);
  creados_.push_back(base + ".svg");
  if (!svg) throw FalloEscritura{base + ".svg"};
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
