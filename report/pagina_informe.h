// The report page while it is written: the open file, the ports, the
// model copy and the options, and the small HTML pieces every section uses.
// Each piece of text goes to the file once complete, in Windows-1252 with
// CR LF line ends; a write that fails throws FalloEscritura, which the
// writer turns into the failure message.
//
// The page and its pictures are written beside their names
// (app/core/document/archivo_nuevo.h) and take them only when every one of them is
// whole: until then an old report of the same name stays as it was, and a
// report that fails or is dropped leaves nothing behind.
#pragma once
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/charts/grafica.h"
#include "app/core/document/archivo_nuevo.h"
#include "app/core/document/puertos.h"
#include "model/diagrama.h"
#include "platform/core/dc.h"
#include "report/informe.h"

namespace vardo {

struct FalloEscritura {
  std::string ruta;  // the file that could not be written
  int err = 0;       // the system's reason, 0 when unknown
};

class PaginaInforme {
 public:
  PaginaInforme(const std::string& ruta, CDiagrama& modelo, const OpcionesInforme& opciones,
                PuertoInforme& puerto);
  ~PaginaInforme();
  PaginaInforme(const PaginaInforme&) = delete;
  PaginaInforme& operator=(const PaginaInforme&) = delete;

  // Starts the page file.
  void Abrir();
  // Writes a piece of page text (UTF-8, "\n" line ends).
  void Escribir(const std::string& texto);
  // Finishes the page and every picture, then puts them in place of the
  // files of their names, the page last.
  void Cerrar();
  // After a failed write: drops the page and the pictures written for it;
  // the files of their names stay as they were.
  void Descartar();

  // One section: its status text, its body, one progress step.
  void Seccion(const char* estado, const std::function<void()>& cuerpo);
  void Estado(const char* texto) { puerto_.progreso.Estado(texto); }

  // Draws a picture once and writes it as ruta + sufijo + ".wmf" and ".svg";
  // returns the src of its <img>.
  std::string Imagen(const std::string& sufijo, const std::function<void(Dc&)>& dibujar);
  // A chart picture: the builder fills the chart, which is then scaled,
  // given its own ranges by `ajustar` when there is one, and drawn. Returns
  // the centred <img> element, 500 × 538.
  std::string ImagenGrafica(const std::string& sufijo,
                            const std::function<void(CGrafica&)>& construir,
                            const std::function<void(CGrafica&)>& ajustar = {});

  CDiagrama& modelo;
  const OpcionesInforme& opciones;

 private:
  std::string ruta_;
  std::string nombre_;  // file name without folder
  // A new file, started.
  ArchivoNuevo& Nuevo(const std::string& ruta);
  // Writes bytes to one of the page's files.
  static void Escribir(ArchivoNuevo& archivo, const void* datos, std::size_t n);

  PuertoInforme& puerto_;
  // The page first, then each picture.
  std::vector<std::unique_ptr<ArchivoNuevo>> archivos_;
};

// ---- HTML pieces ----

// Six significant digits in the shortest form ("10.", "358.15").
std::string Num(double v);
// "%d".
std::string Entero(long long v);

// One table row: "  <tr>\n", a "    <td ...>text</td>\n" per cell (an empty
// text becomes "&nbsp;"), "  </tr>\n". anchos[i], when given and not empty,
// is cell i's width ("12%"); alto the height of every cell.
void Fila(std::string& s, const std::vector<std::string>& celdas,
          const std::vector<std::string_view>& anchos = {}, std::string_view alto = {});

// A table whose columns are records and whose rows are quantities of them:
// each row its label and the quantity's text for every record in turn.
template <class T>
struct Magnitud {
  const char* nombre;
  std::string (*valor)(const T&);
};
template <class T>
void FilasPorMagnitud(std::string& s, std::initializer_list<Magnitud<T>> magnitudes,
                      const std::vector<const T*>& columnas) {
  for (const Magnitud<T>& m : magnitudes) {
    std::vector<std::string> fila{m.nombre};
    for (const T* c : columnas) fila.push_back(m.valor(*c));
    Fila(s, fila);
  }
}

// "<p>" + texto + "</p>\n".
std::string Parrafo(std::string_view texto);

// The centred <img> of a picture.
std::string ElementoImagen(const std::string& src, int ancho, int alto);

}  // namespace vardo
