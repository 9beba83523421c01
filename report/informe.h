// The HTML report: one page (Windows-1252, CR LF line ends) with the
// document's analysis, section by section as the options choose, and a
// picture file pair for every chart or drawing it shows: an enhanced metafile
// (informe.htm_CurvComp.wmf, for word processors) and an SVG
// (informe.htm_CurvComp.svg) that the page's <img> shows in any browser.
//
// The page text is built here without windows; the progress display, the
// clock and the SVG writer reach the window part through the small ports
// below, so that tests compare the bytes of a page written with a fixed
// clock.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "app/core/document/puertos.h"
#include "model/diagrama.h"
#include "platform/core/dc.h"
#include "platform/core/types.h"

namespace vardo {

// Status text once the page is written.
inline constexpr const char* kTextoInformeCompleto = "Informe completo";

// What the progress dialog shows while the report is written.
class PuertoProgresoInforme {
 public:
  virtual ~PuertoProgresoInforme() = default;
  // The status text, shown before each section ("Escribiendo cascada...").
  virtual void Estado(const std::string& texto) = 0;
  // One step of the progress bar, after each section.
  virtual void Paso() = 0;
  // The page and its pictures are written: the bar goes to its end and the
  // dialog lets the user close it. The status text is kTextoInformeCompleto,
  // given through Estado just before.
  virtual void Completo() = 0;
  // A write failed: mensaje ("La unidad de disco de destino está llena.",
  // or "Error inesperado al escribir en %1." with the file) is for the user.
  // No file of the report was put in place; Completo is not called.
  virtual void Fallo(const std::string& mensaje) = 0;
};

// Local date and time of the report's date line.
struct FechaHoraInforme {
  int dia = 1;    // 1..31
  int mes = 1;    // 1..12
  int anio = 2000;
  int hora = 0;    // 0..23
  int minuto = 0;  // 0..59
};

class RelojInforme {
 public:
  virtual ~RelojInforme() = default;
  virtual FechaHoraInforme Ahora() = 0;
};

// The computer's local clock.
class RelojLocal : public RelojInforme {
 public:
  FechaHoraInforme Ahora() override;
};

// Makes the SVG picture of one drawing.
class PuertoImagenInforme {
 public:
  virtual ~PuertoImagenInforme() = default;
  // The SVG text (UTF-8) of the drawing (0.01 mm, y up) whose view box is
  // `extension`, the drawing's extent in the same units; empty when it
  // could not be drawn. The page writes it to its file.
  virtual std::string Svg(const std::vector<RecordingDc::Item>& dibujo, const Rect& extension) = 0;
};

struct PuertoInforme {
  PuertoProgresoInforme& progreso;
  RelojInforme& reloj;
  PuertoImagenInforme& imagenes;
};

// Writes the report into the file at ruta, with its pictures beside it
// named ruta + suffix. The page and the pictures replace the files of their
// names only once all are written whole: until then, and after a failure,
// an old report there stays as it was. `copia` is a whole copy of the
// document's model (CopiarModeloCompleto): every target, search and chart
// is recomputed on it, and on a further copy for the remaining problem, so
// the document never changes. Messages of the model's searches are not
// shown. Every write is checked: on the first one that fails the writer
// stops, tells progreso.Fallo and answers false; otherwise it ends with
// Estado(kTextoInformeCompleto), Completo() and true.
bool EscribirInforme(const std::string& ruta, CDiagrama& copia, const std::string& titulo,
                     const OpcionesInforme& opciones, PuertoInforme& puerto);

// ---- Pieces of the page, for the writer and its tests ----

// Model text (names, titles, fitted expressions) as page text: &, < and >
// escaped, characters without a Windows-1252 byte (and line breaks) written
// as numeric references; invalid UTF-8 bytes become "?".
std::string TextoHtml(std::string_view utf8);

// A file name as the src of an <img>: UTF-8 bytes other than ASCII letters,
// digits and "._-" percent-encoded ("año 1.htm" -> "a%C3%B1o%201.htm").
std::string NombreEnUrl(std::string_view nombre);

// Height of the grid-diagram picture shown 700 wide: 700 × height / width of
// the grid rectangle, truncated; 427 (the default rectangle's) when the
// rectangle has no width or no height.
int AltoImagenTrama(const Rect& r);

}  // namespace vardo
