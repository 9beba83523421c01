// The chart object: XY series of scaled integer points with captions, four
// fonts, a frame, axis ranges, a legend and a grid; it autoscales itself and
// draws itself into any Dc (0.01 mm, y upwards).
//
// Builders fill it with Inicializar, AddPunto, AddSerie and SetTitulos, then
// call Recalcular; SetMargenes may override the ranges afterwards; Dibujar
// draws it any number of times. The object knows nothing of the model.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/dc.h"
#include "platform/core/types.h"

namespace vardo {

// Line style of a series: the pen styles 0 (solid) to 4 (dash-dot-dot), or
// markers only (a small circle at each point, no line).
inline constexpr int kEstiloMarcas = -100;

struct SerieGrafica {
  std::string etiqueta;  // legend text
  int estilo = 0;        // 0..4 pen style, or kEstiloMarcas
  Rgb color = 0;
  int primerPunto = 0;  // index of the series' first point in CGrafica::puntos
};

// A value turned into a chart integer: value x 10^decimales, truncated toward
// zero and saturated at the 32-bit limits; a product within a few parts in
// 10^9 of a whole number (the binary error of a decimal value) is that number.
std::int32_t ValorGrafica(double valor, int decimales);

class CGrafica {
 public:
  // Limit of the point count (a 16-bit count in the stored form).
  static constexpr int kMaxPuntos = 32767;

  CGrafica();
  virtual ~CGrafica() = default;

  // Starts a new chart: no points, unscaled, exactly one series.
  void Inicializar(const std::string& etiqueta, int estilo, Rgb color);
  // Appends a point in scaled units to the last series. Refused (false) once
  // the chart holds kMaxPuntos points.
  bool AddPunto(std::int32_t x, std::int32_t y);
  // Appends a series whose points are the ones added from now on.
  void AddSerie(const std::string& etiqueta, int estilo, Rgb color);
  void SetTitulos(const std::string& ejeX, const std::string& ejeY, const std::string& titulo);
  // Scales the chart to its points; with no points it stays unscaled.
  void Recalcular();
  // The autoscale: writes the four ranges from the extreme points.
  void Escalar();
  // Overrides the ranges (scaled units). An axis whose maximum is not above
  // its minimum keeps its current range; returns false when one was refused.
  bool SetMargenes(std::int32_t xMaximo, std::int32_t xMinimo, std::int32_t yMaximo,
                   std::int32_t yMinimo);
  // Draws the chart; aMetafile is true when drawing into a metafile.
  void Dibujar(Dc& dc, bool aMetafile) const;

  int NumPuntos() const { return static_cast<int>(puntos.size()); }

  // Ticks of one axis as Dibujar places them. The range is normalized into
  // 100..10000 (rango); a tick sits at the normalized position `normal`, the
  // scaled value `valor`, and is labelled with `etiqueta`.
  struct Marca {
    std::int64_t normal;
    double valor;
    std::string etiqueta;
  };
  struct EscalaEje {
    std::int64_t rango = 0;  // 0: the range is not positive, no ticks
    std::vector<Marca> marcas;
  };
  EscalaEje Marcas(std::int32_t minimo, std::int32_t maximo, bool ejeX) const;

  // Public settings, written by the chart format and properties commands.
  int sangriaEtiquetas = 100;  // x distance of the y tick labels from the frame's left
  std::vector<SerieGrafica> series;
  int posLeyenda = 5;  // 0 top left, 1 top right, 2 bottom left, 3 bottom right, 4 right of the plot, 5 none
  int semiMarca = 100;  // ticks reach this far on each side of the axis
  int rejilla = 1;      // dotted grid lines at the inner ticks
  Rect marco{1500, -1500, 14500, -15500};
  std::int16_t decimales = 2;  // points are value x 10^decimales
  std::string titulo = "Figura 1: título";
  std::string tituloY = "eje y";
  std::string tituloX = "eje x";
  std::int32_t xMin = 0;
  std::int32_t yMin = 0;
  std::int32_t yMax = 0;
  std::int32_t xMax = 0;
  int escalado = 0;  // set by Recalcular; nothing is drawn while 0
  std::vector<Point> puntos;  // every series' points one after the other
  LogFont fuenteEscala;
  LogFont fuenteLeyenda;
  LogFont fuenteEjes;
  LogFont fuenteTitulo;
};

}  // namespace vardo
