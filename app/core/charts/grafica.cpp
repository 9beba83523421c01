#include "app/core/charts/grafica.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <limits>

#include "platform/core/numtext.h"

namespace vardo {
namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// Integer part of 10^k, 0 for a negative k (exact in a double up to 10^22).
double P(int k) { return k < 0 ? 0.0 : std::floor(std::pow(10.0, k)); }

// The autoscale's search loops end only when 10^(e-1) >= 1; the program uses
// 2 and 3 decimals, other values are held inside a range where the rules end.
int DecimalesEscala(int e) { return std::clamp(e, 1, 9); }
// The tick rule ends for any decimals; labels take them as stored (bounded).
int DecimalesMarcas(int e) { return std::clamp(e, 0, 9); }

// Smallest k for the minimum's rounding: 0 when v / 2 <= P(e-1) + 1,
// otherwise the smallest k >= 1 with v / (P(k) + 1) <= P(e-1) + 1.
int ExponenteMinimo(double v, int e) {
  const double lim = P(e - 1) + 1;
  if (v / 2 <= lim) return 0;
  int k = 1;
  while (v / (P(k) + 1) > lim && k < 40) ++k;
  return k;
}

// The maximum rounded up: j = 0 when v <= P(e-1), else the smallest j >= 1
// with v / P(j) <= P(e-1); then trunc(v / r + 1) x r with r = P(e+j-2) + 1.
// The product is taken in 64 bits and saturated.
std::int32_t RedondearMaximo(double v, int e) {
  const double lim = P(e - 1);
  int j = 0;
  if (v > lim) {
    j = 1;
    while (v / P(j) > lim && j < 40) ++j;
  }
  const double r = P(e + j - 2) + 1;
  const double q = std::trunc(v / r + 1);
  const double producto = q * r;  // |q r| < 2^33 + r: exact in a double
  if (producto >= static_cast<double>(kInt32Max)) return static_cast<std::int32_t>(kInt32Max);
  if (producto <= static_cast<double>(kInt32Min)) return static_cast<std::int32_t>(kInt32Min);
  return Saturar32(static_cast<std::int64_t>(q) * static_cast<std::int64_t>(r));
}

std::int32_t Trunc32(double v) { return TruncCoord(v); }

PenStyle EstiloPluma(int estilo) {
  if (estilo >= 0 && estilo <= 4) return static_cast<PenStyle>(estilo);
  return PenStyle::Solid;
}

}  // namespace

std::int32_t ValorGrafica(double valor, int decimales) {
  const double t = valor * std::pow(10.0, decimales);
  // A value that is a whole number of shown units but for the error of its
  // binary form (288.15 x 100 gives 28814.999999999996) is that number, so
  // points and tick labels show the digits the value has.
  const double r = std::round(t);
  return TruncCoord(std::fabs(t - r) <= 1e-9 * std::max(1.0, std::fabs(t)) ? r : t);
}

CGrafica::CGrafica() {
  fuenteEscala.height = 20;
  fuenteLeyenda.height = 16;
  fuenteEjes.height = 20;
  fuenteTitulo.height = 20;
  fuenteTitulo.weight = 700;
}

void CGrafica::Inicializar(const std::string& etiqueta, int estilo, Rgb color) {
  puntos.clear();
  escalado = 0;
  series.assign(1, SerieGrafica{etiqueta, estilo, color, 0});
}

bool CGrafica::AddPunto(std::int32_t x, std::int32_t y) {
  if (NumPuntos() >= kMaxPuntos) return false;
  puntos.push_back({x, y});
  return true;
}

void CGrafica::AddSerie(const std::string& etiqueta, int estilo, Rgb color) {
  series.push_back(SerieGrafica{etiqueta, estilo, color, NumPuntos()});
}

void CGrafica::SetTitulos(const std::string& ejeX, const std::string& ejeY,
                          const std::string& tit) {
  tituloX = ejeX;
  tituloY = ejeY;
  titulo = tit;
}

void CGrafica::Recalcular() {
  if (puntos.empty()) return;
  escalado = 1;
  Escalar();
}

void CGrafica::Escalar() {
  if (puntos.empty()) return;
  const int e = DecimalesEscala(decimales);
  double xmin = puntos[0].x, xmax = puntos[0].x, ymin = puntos[0].y, ymax = puntos[0].y;
  for (const Point& p : puntos) {
    xmin = std::min<double>(xmin, p.x);
    xmax = std::max<double>(xmax, p.x);
    ymin = std::min<double>(ymin, p.y);
    ymax = std::max<double>(ymax, p.y);
  }

  // Minimum of x: down to a multiple of P(k) + 1 (toward zero when negative),
  // and to 0 when it is small.
  int k = ExponenteMinimo(xmin, e);
  xmin -= std::fmod(std::trunc(xmin), P(k) + 1);
  if (xmin >= 0 && xmin <= 10 * P(e) + 1) xmin = 0;

  // Minimum of y: the same search, but a multiple of P(k).
  k = ExponenteMinimo(ymin, e);
  ymin -= std::fmod(std::trunc(ymin), P(k));
  if (ymin >= 0 && ymin < 10 * (P(e) + 1)) ymin = 0;

  xMin = Trunc32(xmin);
  yMin = Trunc32(ymin);
  xMax = RedondearMaximo(xmax, e);
  yMax = RedondearMaximo(ymax, e);

  // The rules above always leave max > min for 2 or more decimals below the
  // 32-bit limits; keep a positive range in every case.
  auto Abrir = [](std::int32_t& mn, std::int32_t& mx) {
    if (mx > mn) return;
    if (mn < kInt32Max) {
      mx = mn + 1;
    } else {
      mn = static_cast<std::int32_t>(kInt32Max - 1);
      mx = static_cast<std::int32_t>(kInt32Max);
    }
  };
  Abrir(xMin, xMax);
  Abrir(yMin, yMax);
}

bool CGrafica::SetMargenes(std::int32_t xMaximo, std::int32_t xMinimo, std::int32_t yMaximo,
                           std::int32_t yMinimo) {
  bool todo = true;
  if (xMaximo > xMinimo) {
    xMax = xMaximo;
    xMin = xMinimo;
  } else {
    todo = false;
  }
  if (yMaximo > yMinimo) {
    yMax = yMaximo;
    yMin = yMinimo;
  } else {
    todo = false;
  }
  return todo;
}

CGrafica::EscalaEje CGrafica::Marcas(std::int32_t minimo, std::int32_t maximo, bool ejeX) const {
  EscalaEje out;
  std::int64_t d = static_cast<std::int64_t>(maximo) - minimo;
  if (d <= 0) return out;  // no range, no ticks

  // Normalize the range into 100..10000.
  double f = 1.0;
  while (d < 100) {
    d *= 10;
    f *= 10;
  }
  while (d > 10000) {
    d /= 10;
    f /= 10;
  }
  out.rango = d;

  // Step: base 10^e times the first of 1, 2, 5, 10, 20, 50, ... giving at
  // most 10 steps (an integer quotient on the x axis, exact on the y axis).
  const int e = DecimalesMarcas(decimales);
  const std::int64_t c = static_cast<std::int64_t>(P(e));
  std::int64_t s = c;
  static constexpr int kSerie[3] = {1, 2, 5};
  for (std::int64_t escala = 1, i = 0; escala <= 1000000000000LL; ++i) {
    const std::int64_t m = kSerie[i % 3] * escala;
    s = c * m;
    const bool cabe = ejeX ? d / s <= 10 : static_cast<double>(d) / static_cast<double>(s) <= 10.0;
    if (cabe) break;
    if (i % 3 == 2) escala *= 10;
  }

  const double divisor = P(e);
  for (std::int64_t ks = 0; ks <= d; ks += s) {
    const double valor = minimo + static_cast<double>(ks) / f;
    out.marcas.push_back({ks, valor, NumTexto(valor / divisor + 0.0, e + 3)});
  }
  return out;
}

void CGrafica::Dibujar(Dc& dc, bool aMetafile) const {
  if (escalado != 1) return;
  // A range that is not positive can only come from fields written directly:
  // there is nothing to map the points to, so nothing is drawn.
  if (xMax <= xMin || yMax <= yMin) return;

  // Font heights: 20 logical units per stored unit. A metafile takes them as
  // they are; the other back ends map 0.01 mm through the device themselves,
  // so the same height gives the same size there too.
  (void)aMetafile;
  const LogFont antesFuente = dc.SelectFont(FuenteDibujo(fuenteEscala));

  const Rect plot{Saturar32(std::int64_t{marco.left} + 1500), Saturar32(std::int64_t{marco.top} - 1500),
                  Saturar32(std::int64_t{marco.right} - 1500), Saturar32(std::int64_t{marco.bottom} + 4000)};
  const std::int64_t W = static_cast<std::int64_t>(plot.right) - plot.left;
  const std::int64_t H = static_cast<std::int64_t>(plot.top) - plot.bottom;
  dc.Rectangle(plot);

  const Pen plumaRejilla{PenStyle::Dot, 1, MakeRgb(130, 130, 130)};
  auto Linea = [&dc](std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    dc.MoveTo(Saturar32(x1), Saturar32(y1));
    dc.LineTo(Saturar32(x2), Saturar32(y2));
  };

  // x axis: grid at the inner ticks, then tick marks and labels.
  const EscalaEje ex = Marcas(xMin, xMax, true);
  auto PosX = [&](std::int64_t ks) { return plot.left + W * ks / ex.rango; };
  if (rejilla) {
    const Pen antes = dc.SelectPen(plumaRejilla);
    for (const auto& m : ex.marcas)
      if (m.normal > 0 && m.normal < ex.rango) Linea(PosX(m.normal), plot.bottom, PosX(m.normal), plot.top);
    dc.SelectPen(antes);
  }
  // Labels that would run into each other are thinned to every k-th, the
  // first always kept, with k the smallest step that leaves room; every tick
  // keeps its mark.
  const auto PasoX = [&] {
    for (std::size_t k = 1; k < ex.marcas.size(); ++k) {
      bool cabe = true;
      std::int64_t fin = INT64_MIN;
      for (std::size_t i = 0; i < ex.marcas.size() && cabe; i += k) {
        const std::int64_t desde = PosX(ex.marcas[i].normal) - 300;
        const Point ext = dc.TextExtent(ex.marcas[i].etiqueta);
        cabe = desde >= fin;
        fin = desde + ext.x + ext.y / 2;
      }
      if (cabe) return k;
    }
    return std::max<std::size_t>(ex.marcas.size(), 1);
  };
  const std::size_t pasoX = PasoX();
  for (std::size_t i = 0; i < ex.marcas.size(); ++i) {
    const std::int64_t X = PosX(ex.marcas[i].normal);
    Linea(X, static_cast<std::int64_t>(plot.bottom) - semiMarca, X,
          static_cast<std::int64_t>(plot.bottom) + semiMarca);
    if (i % pasoX == 0) dc.TextOut(Saturar32(X - 300), plot.bottom - 400, ex.marcas[i].etiqueta);
  }

  // y axis.
  const EscalaEje ey = Marcas(yMin, yMax, false);
  auto PosY = [&](std::int64_t ks) { return plot.bottom + H * ks / ey.rango; };
  if (rejilla) {
    const Pen antes = dc.SelectPen(plumaRejilla);
    for (const auto& m : ey.marcas)
      if (m.normal > 0 && m.normal < ey.rango) Linea(plot.left, PosY(m.normal), plot.right, PosY(m.normal));
    dc.SelectPen(antes);
  }
  const auto PasoY = [&] {
    for (std::size_t k = 1; k < ey.marcas.size(); ++k) {
      bool cabe = true;
      for (std::size_t i = k; i < ey.marcas.size() && cabe; i += k)
        cabe = PosY(ey.marcas[i].normal) - PosY(ey.marcas[i - k].normal) >=
               dc.TextExtent(ey.marcas[i].etiqueta).y;
      if (cabe) return k;
    }
    return std::max<std::size_t>(ey.marcas.size(), 1);
  };
  const std::size_t pasoY = PasoY();
  for (std::size_t i = 0; i < ey.marcas.size(); ++i) {
    const std::int64_t Y = PosY(ey.marcas[i].normal);
    Linea(static_cast<std::int64_t>(plot.left) - semiMarca, Y,
          static_cast<std::int64_t>(plot.left) + semiMarca, Y);
    if (i % pasoY == 0) dc.TextOut(marco.left + sangriaEtiquetas, Saturar32(Y + 300), ey.marcas[i].etiqueta);
  }

  // Legend.
  if (posLeyenda >= 0 && posLeyenda <= 4) {
    const std::int64_t D = static_cast<std::int64_t>(plot.bottom) - marco.top;
    std::int64_t x0 = 0, y0 = 0;
    switch (posLeyenda) {
      case 0: x0 = marco.left + 1700; y0 = marco.top - 2300; break;
      case 1: x0 = plot.right - 3750; y0 = marco.top - 2300; break;
      case 2: x0 = marco.left + 1700; y0 = marco.top + 3 * D / 4; break;
      case 3: x0 = plot.right - 3750; y0 = marco.top + 3 * D / 4; break;
      default: x0 = plot.right + 1200; y0 = marco.top - 2300; break;
    }
    dc.SelectFont(FuenteDibujo(fuenteLeyenda));
    for (std::size_t i = 0; i < series.size(); ++i) {
      const SerieGrafica& s = series[i];
      const std::int64_t y = y0 - 700 * static_cast<std::int64_t>(i);
      const Pen antes = dc.SelectPen({EstiloPluma(s.estilo), 1, s.color});
      if (s.estilo == kEstiloMarcas) {
        // A marker series shows one of its circles in the middle of the sample.
        const std::int64_t xc = x0 + 375;
        dc.Ellipse({Saturar32(xc - 70), Saturar32(y + 70), Saturar32(xc + 70), Saturar32(y - 70)});
      } else {
        Linea(x0, y, x0 + 750, y);
      }
      dc.SelectPen(antes);
      dc.TextOut(Saturar32(x0 + 950), Saturar32(y + 200), s.etiqueta);
    }
  }

  // Series: the points inside the ranges, each series from its own first
  // visible point, in its own style and colour.
  const int n = NumPuntos();
  bool alguno = false;
  for (const Point& p : puntos)
    if (p.x >= xMin && p.x <= xMax && p.y >= yMin && p.y <= yMax) alguno = true;
  if (n >= 2 && alguno) {
    const std::int64_t dx = static_cast<std::int64_t>(xMax) - xMin;
    const std::int64_t dy = static_cast<std::int64_t>(yMax) - yMin;
    for (std::size_t i = 0; i < series.size(); ++i) {
      const SerieGrafica& s = series[i];
      const int desde = std::clamp(s.primerPunto, 0, n);
      int hasta = i + 1 < series.size() ? series[i + 1].primerPunto : n;
      hasta = std::clamp(hasta, desde, n);
      std::vector<Point> visibles;
      for (int k = desde; k < hasta; ++k) {
        const Point& p = puntos[static_cast<std::size_t>(k)];
        if (p.x < xMin || p.x > xMax || p.y < yMin || p.y > yMax) continue;
        visibles.push_back({Saturar32(plot.left + (static_cast<std::int64_t>(p.x) - xMin) * W / dx),
                            Saturar32(plot.bottom + (static_cast<std::int64_t>(p.y) - yMin) * H / dy)});
      }
      if (visibles.empty()) continue;
      if (s.estilo == kEstiloMarcas) {
        const Pen antes = dc.SelectPen({PenStyle::Solid, 1, s.color});
        for (const Point& v : visibles)
          dc.Ellipse({Saturar32(std::int64_t{v.x} - 70), Saturar32(std::int64_t{v.y} + 70),
                      Saturar32(std::int64_t{v.x} + 70), Saturar32(std::int64_t{v.y} - 70)});
        dc.SelectPen(antes);
      } else if (visibles.size() >= 2) {
        const Pen antes = dc.SelectPen({EstiloPluma(s.estilo), 0, s.color});
        dc.Polyline(visibles);
        dc.SelectPen(antes);
      }
    }
  }

  // Captions.
  dc.SelectFont(FuenteDibujo(fuenteEjes));
  dc.TextOut(plot.right - 700, plot.bottom - 1000, tituloX);
  dc.TextOut(marco.left + 100, marco.top - 500, tituloY);
  dc.SelectFont(FuenteDibujo(fuenteTitulo));
  dc.TextOut(plot.left, plot.bottom - 2000, titulo);

  dc.SelectFont(antesFuente);
}

}  // namespace vardo
