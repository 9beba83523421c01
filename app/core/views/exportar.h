// What the view puts outside the program: the picture of the current mode as
// an enhanced metafile, the exchangers and streams tables and the node
// adjacency matrix as tab-separated text, the matrix as a ".dat" file for the
// external loop-analysis tool, and the data of a chart as a text file.
//
// The text builders give UTF-8 with a line feed after each line, as the
// clipboard takes it; TextoParaArchivo turns such a text into the bytes of a
// text file (Windows-1252, CR LF). Numbers are written by the number text, so
// 100 reads "100." and 0.05 "5.e-002" in every locale.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/core/analysis/matriz_man.h"
#include "app/core/charts/grafica.h"
#include "model/diagrama.h"
#include "platform/core/dc.h"

namespace vardo {

// The file types of the three save dialogs: default extension and the text
// of the dialog's one type entry.
struct TipoArchivoExportado {
  const char* extension;
  const char* texto;
};
inline constexpr TipoArchivoExportado kTipoImagen{"wmf", "Windows Metafile (wmf)"};
inline constexpr TipoArchivoExportado kTipoDatosGrafica{"txt", "Archivos de texto (txt)"};
inline constexpr TipoArchivoExportado kTipoMatrizMAN{"dat", "Archivos para Anillos.nb (Archivos dat)"};

// Digits of the table cells and of the chart data.
inline constexpr int kDigitosTabla = 7;
inline constexpr int kDigitosGrafica = 6;

// One line per exchanger under the header: number, duty, the hot side (its
// stream number, inlet and outlet; "SG\t-\t-\t" for the generic utility), the
// cold side the same way, area and capital cost; every cell ends with a tab.
std::string TextoTablaCambiadores(const CDiagrama& d);

// One line per process stream under the header: number, name, "Fría" or
// "Caliente", "Latente" or "Sensible", supply and target temperatures, whole
// heat and mean m·cp ("-" for a latent stream).
std::string TextoTablaCorrientes(const CDiagrama& d);

// The matrix for the clipboard: " \t" and the names, then one line per node
// with its name and "*\t" or " \t" for each column.
std::string TextoMatrizMAN(const TablaMAN& t);

// The matrix for the loop-analysis tool: the node count, the names each
// followed by a blank, then one line of "*" and "-" per node.
std::string TextoArchivoMAN(const TablaMAN& t);

// The chart's data: title, an empty line, the first series' label and its
// points (x and y as values, tab between), then for every further series an
// empty line, its label and its points.
std::string TextoDatosGrafica(const CGrafica& g);

// The bytes of a text file: Windows-1252, every line feed as CR LF.
std::vector<std::uint8_t> TextoParaArchivo(const std::string& utf8);

// Draws the picture of drawing mode `modo` as it goes out of the program:
// mode 3 the grid diagram of a copy of the model without highlights, modes 1,
// 2 and 4 to 17 the chart, any other mode nothing. The model is not changed.
void DibujarImagenExportada(const CDiagrama& modelo, const CGrafica& grafica, int modo, Dc& dc);

// The same picture as the bytes of an enhanced metafile (an empty one for a
// mode that draws nothing).
std::vector<std::uint8_t> MetafileImagen(const CDiagrama& modelo, const CGrafica& grafica,
                                         int modo);

// The drawn extent recorded in a metafile's header, in 0.01 mm with y
// growing downwards (left, top, right, bottom); false when the bytes hold no
// header or nothing was drawn.
bool LimitesMetafile(const std::vector<std::uint8_t>& emf, Rect& limites);

}  // namespace vardo
