#include "app/core/views/diagrama_rejilla.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/bifurcacion_layout.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

// Offsets of the four temperature labels of a pinch line from the line.
constexpr std::int32_t kXEtiquetaCaliente = -600;
constexpr std::int32_t kXEtiquetaFria = 100;
constexpr std::int32_t kYEtiquetaInferior = 300;  // above the grid's bottom edge

// Horizontal extent of the stream lines inside a row (from the row's left and
// right edges): the disturbance overlay joins its rows there.
constexpr std::int32_t kInicioLineaFila = 2000;
constexpr std::int32_t kFinLineaFila = 1500;

Rect Desplazar(const Rect& r, std::int32_t dy) {
  return Rect{r.left, Saturar32(std::int64_t{r.top} + dy), r.right,
              Saturar32(std::int64_t{r.bottom} + dy)};
}

// ---- Integrity-area filter ----

bool FiltroAreas(const CDiagrama& d) {
  return std::any_of(d.m_areas.begin(), d.m_areas.end(),
                     [](const CAreaIntegridad& a) { return a.mostrada != 0; });
}

// The area a record belongs to, or null.
const CAreaIntegridad* AreaDe(const CDiagrama& d, const CCorriente& c) {
  if (c.m_area < 0 || static_cast<std::size_t>(c.m_area) >= d.m_areas.size()) return nullptr;
  return &d.m_areas[static_cast<std::size_t>(c.m_area)];
}

// Whether a stream or utility takes a row: with the filter on, only members of
// a shown area.
bool Cuenta(const CDiagrama& d, const CCorriente& c, bool filtro) {
  if (!filtro) return true;
  const CAreaIntegridad* a = AreaDe(d, c);
  return a && a->mostrada != 0;
}

// The split a process stream is a branch of, or null.
CCorrienteBifurcada* BifurcadaDe(CDiagrama& d, const CCorriente& c) {
  if (c.m_split < 0 || static_cast<std::size_t>(c.m_split) >= d.m_bifurcadas.size()) return nullptr;
  return &d.m_bifurcadas[static_cast<std::size_t>(c.m_split)];
}

// Rows a split takes: its row count, at least one (a damaged count must
// neither swallow the rows of other streams nor stall the layout).
std::int64_t FilasBifurcada(const CCorrienteBifurcada& b) {
  return std::max<std::int64_t>(b.filas, 1);
}

// The first branch stream of a split, when it names one.
const CCorriente* PrimeraRama(const CDiagrama& d, const CCorrienteBifurcada& b) {
  if (b.ramas.empty() || b.ramas.front() >= d.m_corrientes.size()) return nullptr;
  return &d.m_corrientes[b.ramas.front()];
}

// ---- Colours ----

// Sum of the duties of the exchangers a record lists.
double SumaCalores(const CDiagrama& d, const std::vector<std::uint32_t>& lista) {
  double suma = 0.0;
  for (std::uint32_t k : lista)
    if (k < d.m_cambiadores.size()) suma += d.m_cambiadores[k].q;
  return suma;
}

bool Cubierta(double suma, double H) {
  return std::fabs(suma - std::fabs(H)) < kTolCubierta * std::fabs(H);
}

// The selected stream or utility keeps the selection colour through the
// layout; once it no longer carries it, it is coloured like any other.
bool ConservaSeleccion(const CDiagrama& d, std::int32_t ref, const CCorriente& c) {
  return ref == d.m_corrienteSel && c.m_color == kColorSeleccion;
}

void Colorear(CDiagrama& d, CCorriente& c, std::int32_t ref, bool servicio) {
  if (ConservaSeleccion(d, ref, c)) return;
  c.m_color = 0;
  if (d.m_dibujoExportar && Cubierta(SumaCalores(d, c.m_cambiadores), c.GetH(kTSentinel, 1)))
    c.m_color = kColorCorrienteCubierta;
  if (servicio && d.m_colorearServicios)
    c.m_color = c.m_fria ? kColorServicioFrio : kColorServicioCaliente;
  if (d.m_colorearAreas && !d.m_areas.empty())
    if (const CAreaIntegridad* a = AreaDe(d, c)) c.m_color = a->color;
}

void ColorearRegistros(CDiagrama& d) {
  for (std::size_t i = 0; i < d.m_corrientes.size(); ++i)
    Colorear(d, d.m_corrientes[i], static_cast<std::int32_t>(i), false);
  for (std::size_t k = 0; k < d.m_servicios.size(); ++k)
    Colorear(d, d.m_servicios[k], kRefServicio + static_cast<std::int32_t>(k), true);
}

Rgb ColorBifurcada(const CDiagrama& d, const CCorrienteBifurcada& b) {
  const CCorriente* primera = PrimeraRama(d, b);
  if (d.m_colorearAreas && !d.m_areas.empty() && primera)
    if (const CAreaIntegridad* a = AreaDe(d, *primera)) return a->color;
  if (!d.m_dibujoExportar) return 0;
  double suma = 0.0;
  for (std::uint32_t r : b.ramas)
    if (r < d.m_corrientes.size()) suma += SumaCalores(d, d.m_corrientes[r].m_cambiadores);
  return Cubierta(suma, b.corriente.GetH(kTSentinel, 1)) ? kColorCorrienteCubierta : 0;
}

// ---- Rows ----

// What a record needs of the layout before it draws itself.
void PrepararRegistro(const CDiagrama& d, CCorriente& c) {
  c.m_pinch = d.m_tPinch;
  c.m_dtMin = d.m_dtMin;
  c.BorrarPinches();
  for (double t : d.m_pinchesServicioSup) c.AddPinchServicio(t);
  for (double t : d.m_pinchesServicioInf) c.AddPinchServicioInferior(t);
  c.m_serviciosVisibles = d.m_serviciosVisibles;
}

// Process streams in row order: by areas when asked (only shown areas while
// the filter is on, then the streams of no area while it is off), hot before
// cold inside each group when asked. Only streams that take a row.
std::vector<std::int32_t> OrdenCorrientes(const CDiagrama& d, bool filtro) {
  const std::size_t n = d.m_corrientes.size();
  std::vector<bool> puesta(n, false);
  std::vector<std::int32_t> orden;
  auto anadirGrupo = [&](const std::vector<std::int32_t>& grupo) {
    if (!d.m_ordenarCalientesFrias) {
      orden.insert(orden.end(), grupo.begin(), grupo.end());
      return;
    }
    for (int fria = 0; fria <= 1; ++fria)
      for (std::int32_t i : grupo)
        if ((d.m_corrientes[static_cast<std::size_t>(i)].m_fria != 0) == (fria != 0))
          orden.push_back(i);
  };
  auto tomar = [&](std::size_t i, std::vector<std::int32_t>& grupo) {
    if (i >= n || puesta[i] || !Cuenta(d, d.m_corrientes[i], filtro)) return;
    puesta[i] = true;
    grupo.push_back(static_cast<std::int32_t>(i));
  };

  if (d.m_ordenarAreas) {
    for (const CAreaIntegridad& a : d.m_areas) {
      if (filtro && !a.mostrada) continue;
      std::vector<std::int32_t> grupo;
      for (std::uint32_t m : a.corrientes)
        // Utilities have rows of their own.
        if (m < static_cast<std::uint32_t>(kRefServicio)) tomar(m, grupo);
      anadirGrupo(grupo);
    }
    if (!filtro) {
      // The streams of no area (and any a member list failed to name).
      std::vector<std::int32_t> grupo;
      for (std::size_t i = 0; i < n; ++i) tomar(i, grupo);
      anadirGrupo(grupo);
    }
  } else {
    std::vector<std::int32_t> grupo;
    for (std::size_t i = 0; i < n; ++i) tomar(i, grupo);
    anadirGrupo(grupo);
  }
  return orden;
}

// Draws the utilities of one kind, each in the next row.
void DibujarServicios(CDiagrama& d, Dc& dc, Rect& fila, std::int32_t h, bool filtro, bool frios) {
  for (std::size_t k = 0; k < d.m_servicios.size(); ++k) {
    CServicios& s = d.m_servicios[k];
    if ((s.m_fria != 0) != frios || !Cuenta(d, s, filtro)) continue;
    PrepararRegistro(d, s);
    s.ClasificarExtremos();
    s.m_rect = fila;
    s.m_mostrarNombre = d.m_mostrarNombres;
    s.Dibujar(dc, kRefServicio + static_cast<std::int32_t>(k));
    fila = Desplazar(fila, h);
  }
}

// Lays a split out over its rows starting at the current one and draws it;
// the row moves past its last row.
void ColocarBifurcada(CDiagrama& d, Dc& dc, CCorrienteBifurcada& b, std::int32_t rama, Rect& fila,
                      std::int32_t h) {
  b.color = ColorBifurcada(d, b);
  const Rect primera = fila;
  fila = Desplazar(fila, Saturar32((FilasBifurcada(b) - 1) * h));
  b.rect = Rect{primera.left, primera.top, primera.right, fila.bottom};
  PrepararRegistro(d, b.corriente);
  b.mostrarNombre = d.m_mostrarNombres;
  b.corriente.m_mostrarNombre = d.m_mostrarNombres;
  DibujarBifurcada(b, d.m_corrientes, dc, d.m_tPinch, rama, d.m_mostrarTBifurcadas);
  fila = Desplazar(fila, h);
}

// ---- Pinch lines ----

void DibujarLineasPinch(CDiagrama& d, Dc& dc) {
  struct Linea {
    double t;
    Rgb color;
  };
  std::vector<Linea> lineas;
  if (d.m_serviciosVisibles)
    for (double t : d.m_pinchesServicioSup) lineas.push_back({t, kColorLineaPinchServicio});
  lineas.push_back({d.m_tPinch, kColorLineaPinch});
  if (d.m_serviciosVisibles)
    for (double t : d.m_pinchesServicioInf) lineas.push_back({t, kColorLineaPinchServicio});

  const Rect& g = d.m_rectGrafico;
  const std::int64_t dx =
      (std::int64_t{g.right} - g.left) / static_cast<std::int64_t>(lineas.size() + 1);
  const Pen anterior = dc.SelectPen(Pen{PenStyle::Dash, 1, kColorLineaPinch});
  for (std::size_t k = 0; k < lineas.size(); ++k) {
    const std::int32_t x = Saturar32(g.left + static_cast<std::int64_t>(k + 1) * dx);
    dc.SelectPen(Pen{PenStyle::Dash, 1, lineas[k].color});
    dc.MoveTo(x, kYSuperiorPinch);
    dc.LineTo(x, g.bottom);
    if (!d.m_mostrarTPinch) continue;
    dc.SetTextColor(lineas[k].color);
    const std::string caliente = NumTexto(lineas[k].t + d.m_dtMin / 2.0, 6);
    const std::string fria = NumTexto(lineas[k].t - d.m_dtMin / 2.0, 6);
    const std::int32_t yInferior = Saturar32(std::int64_t{g.bottom} + kYEtiquetaInferior);
    // A hot label wider than its place would run over the line into the cold
    // one: it then ends at the line.
    const std::int32_t xCaliente = Saturar32(std::min<std::int64_t>(
        std::int64_t{x} + kXEtiquetaCaliente, std::int64_t{x} - dc.TextExtent(caliente).x));
    dc.TextOut(xCaliente, kYSuperiorPinch, caliente);
    dc.TextOut(xCaliente, yInferior, caliente);
    dc.TextOut(Saturar32(std::int64_t{x} + kXEtiquetaFria), kYSuperiorPinch, fria);
    dc.TextOut(Saturar32(std::int64_t{x} + kXEtiquetaFria), yInferior, fria);
  }
  dc.SelectPen(anterior);
}

// ---- Exchangers ----

// The row of an exchanger side's stream or utility (an empty rectangle for a
// reference that names no record).
Rect FilaDe(const CDiagrama& d, std::int32_t ref) {
  return d.RefValida(ref) ? d.GetCorriente(ref).m_rect : Rect{};
}

int Orientacion(const CDiagrama& d, const CCambiador& c) {
  if (c.ladoCaliente.ref == kRefGenerico) return 1;
  if (c.ladoFrio.ref == kRefGenerico) return 0;
  return FilaDe(d, c.ladoCaliente.ref).bottom > FilaDe(d, c.ladoFrio.ref).bottom ? 1 : 0;
}

// The end temperatures written on the rows of an exchanger's two sides, at
// the Dc's font: the exchanger's own temperatures keep clear of them. A
// split's branch draws no such texts, nor does a row the layout left out.
std::vector<Rect> RotulosDeSusFilas(CDiagrama& d, Dc& dc, const CCambiador& c) {
  std::vector<Rect> out;
  const bool filtro = FiltroAreas(d);
  for (std::int32_t ref : {c.ladoCaliente.ref, c.ladoFrio.ref}) {
    if (!d.RefValida(ref)) continue;
    const CCorriente& s = d.GetCorriente(ref);
    if (EsServicio(ref) ? !d.m_serviciosVisibles : BifurcadaDe(d, s) != nullptr) continue;
    if (!Cuenta(d, s, filtro)) continue;
    const auto [supply, target] = s.RotulosExtremos(dc);
    out.push_back(supply);
    out.push_back(target);
  }
  return out;
}

void DibujarCambiadores(CDiagrama& d, Dc& dc) {
  OrdenarCambiadores(d);
  for (std::size_t i = 0; i < d.m_cambiadores.size(); ++i) {
    const int numero = static_cast<int>(i) + 1;
    if (d.m_cambiadorResaltado == static_cast<std::int32_t>(i)) {
      // The copy being dragged, see-through over the grid.
      const Brush antes = dc.SelectBrush(Brush::Hollow);
      d.m_cambiadorAux.Dibujar(dc, numero, Orientacion(d, d.m_cambiadorAux),
                               RotulosDeSusFilas(d, dc, d.m_cambiadorAux));
      dc.SelectBrush(antes);
    }
    CCambiador& c = d.m_cambiadores[i];
    c.Dibujar(dc, numero, Orientacion(d, c), RotulosDeSusFilas(d, dc, c));
  }
}

// ---- Overlays ----

// Highlights the split branches that a chain passes between pairs of its
// exchangers (the chain's split-pass list, which this empties).
void ResaltarBifurcaciones(CDiagrama& d, Dc& dc, std::vector<std::uint32_t>& pasos, int flag) {
  auto misma = [&](std::int32_t a, std::int32_t b) -> CCorrienteBifurcada* {
    if (a < 0 || b < 0 || EsServicio(a) || EsServicio(b)) return nullptr;
    if (!d.RefValida(a) || !d.RefValida(b)) return nullptr;
    CCorrienteBifurcada* ba = BifurcadaDe(d, d.m_corrientes[static_cast<std::size_t>(a)]);
    CCorrienteBifurcada* bb = BifurcadaDe(d, d.m_corrientes[static_cast<std::size_t>(b)]);
    return ba && ba == bb ? ba : nullptr;
  };
  while (pasos.size() >= 2) {
    const std::uint32_t e = pasos[0];
    const std::uint32_t n = pasos[1];
    pasos.erase(pasos.begin(), pasos.begin() + 2);
    if (e >= d.m_cambiadores.size() || n >= d.m_cambiadores.size()) continue;
    const CCambiador& ce = d.m_cambiadores[e];
    const CCambiador& cn = d.m_cambiadores[n];
    if (CCorrienteBifurcada* b = misma(ce.ladoCaliente.ref, cn.ladoCaliente.ref))
      DibujarResaltada(*b, d.m_corrientes, ce.ladoCaliente.ref, cn.ladoCaliente.ref, dc, flag);
    if (CCorrienteBifurcada* b = misma(ce.ladoFrio.ref, cn.ladoFrio.ref))
      DibujarResaltada(*b, d.m_corrientes, ce.ladoFrio.ref, cn.ladoFrio.ref, dc, flag);
  }
}

// Draws the chain's exchangers over the grid in one colour, each with its
// number in the chain, and gives them their own colours back.
void RedibujarCambiadores(CDiagrama& d, Dc& dc, const CLazo& lazo, Rgb color) {
  const Brush antes = dc.SelectBrush(Brush::White);
  const std::size_t n = std::min<std::size_t>(lazo.cambiadores.size(),
                                              static_cast<std::size_t>(std::max(lazo.cuenta, 0)));
  for (std::size_t k = 0; k < n; ++k) {
    const std::int32_t idx = lazo.cambiadores[k];
    if (idx < 0 || static_cast<std::size_t>(idx) >= d.m_cambiadores.size()) continue;
    CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(idx)];
    const int numero = k < lazo.nodos.size() ? static_cast<int>(lazo.nodos[k]) : idx + 1;
    const Rgb propio = c.color;
    c.color = color;
    c.Dibujar(dc, numero, c.rectFrio.bottom < c.rectCaliente.bottom ? 1 : 0,
              RotulosDeSusFilas(d, dc, c));
    c.color = propio;
  }
  dc.SelectBrush(antes);
}

// Centre of an exchanger's end on stream ref (the hot end when it has none
// there).
Point ExtremoEn(const CCambiador& c, std::int32_t ref) {
  const Rect& r = c.ladoFrio.ref == ref && c.ladoCaliente.ref != ref ? c.rectFrio : c.rectCaliente;
  return Point{Saturar32(r.left + (std::int64_t{r.right} - r.left) / 2),
               Saturar32(r.top + (std::int64_t{r.bottom} - r.top) / 2)};
}

bool Toca(const CCambiador& c, std::int32_t ref) {
  return c.ladoCaliente.ref == ref || c.ladoFrio.ref == ref;
}

// Where a stream's row is joined: at its line's upstream end (hot streams run
// left to right, cold ones right to left) or its downstream end.
Point PuntoFila(const CDiagrama& d, std::int32_t ref, bool aguasArriba) {
  const CCorriente& s = d.GetCorriente(ref);
  const Rect& r = s.m_rect;
  const bool izquierda = (s.m_fria == 0) == aguasArriba;
  const std::int32_t x = izquierda ? Saturar32(std::int64_t{r.left} + kInicioLineaFila)
                                   : Saturar32(std::int64_t{r.right} - kFinLineaFila);
  return Point{x, Saturar32(r.top + (std::int64_t{r.bottom} - r.top) / 2)};
}

}  // namespace

// ------------------------------------------------------------------ layout

void CalcularPinchesServicio(CDiagrama& d) {
  d.m_pinchesServicioSup.clear();
  d.m_pinchesServicioInf.clear();
  const std::size_t n = std::min(d.m_temperaturasConServ.size(), d.m_cascadaConServ.size());
  for (std::size_t k = 1; k + 1 < n; ++k) {
    if (std::fabs(d.m_cascadaConServ[k]) >= kTolPinchServicio) continue;
    // A boundary within the matching tolerance of the process pinch is the
    // process pinch itself (two stream ends there may differ by rounding).
    const double t = d.m_temperaturasConServ[k];
    if (std::fabs(t - d.m_tPinch) < kTolT) continue;
    if (t > d.m_tPinch)
      d.m_pinchesServicioSup.push_back(t);
    else
      d.m_pinchesServicioInf.push_back(t);
  }
}

LogFont FuenteDiagrama(const CDiagrama& d) {
  return FuenteDibujo(d.m_fuente);
}

std::int32_t ContarFilas(CDiagrama& d) {
  const bool filtro = FiltroAreas(d);
  std::int64_t n = 0;
  for (const CCorriente& c : d.m_corrientes)
    if (Cuenta(d, c, filtro)) ++n;
  for (CCorrienteBifurcada& b : d.m_bifurcadas) {
    const CCorriente* primera = PrimeraRama(d, b);
    if (!primera || !Cuenta(d, *primera, filtro)) continue;
    b.CalcularFilas();
    n += FilasBifurcada(b) - static_cast<std::int64_t>(b.ramas.size());
  }
  if (d.m_serviciosVisibles)
    for (const CServicios& s : d.m_servicios)
      if (Cuenta(d, s, filtro)) ++n;
  return Saturar32(n);
}

void Dibujar(CDiagrama& d, Dc& dc, int exportar) {
  // The picture is the same in 0.01 mm on every device (see FuenteDiagrama).
  (void)exportar;

  d.CalcularObjetivos();
  d.CalcularObjetivosServicios();
  CalcularPinchesServicio(d);

  const bool filtro = FiltroAreas(d);
  const std::int32_t n = ContarFilas(d);
  // Without rows there is no row height: nothing is drawn.
  if (n <= 0) return;

  const LogFont fuenteAnterior = dc.SelectFont(FuenteDiagrama(d));
  const Pen plumaAnterior = dc.SelectPen(Pen{});

  const Rect& g = d.m_rectGrafico;
  const std::int32_t h = Saturar32((std::int64_t{g.bottom} - g.top) / n);
  Rect fila{g.left, g.top, g.right, Saturar32(std::int64_t{g.top} + h)};

  for (CCorrienteBifurcada& b : d.m_bifurcadas) b.dibujada = 0;
  ColorearRegistros(d);

  if (d.m_serviciosVisibles) DibujarServicios(d, dc, fila, h, filtro, false);
  for (std::int32_t i : OrdenCorrientes(d, filtro)) {
    CCorriente& c = d.m_corrientes[static_cast<std::size_t>(i)];
    if (CCorrienteBifurcada* b = BifurcadaDe(d, c)) {
      if (!b->dibujada) ColocarBifurcada(d, dc, *b, i, fila, h);
      continue;
    }
    PrepararRegistro(d, c);
    c.ClasificarExtremos();
    c.m_rect = fila;
    c.m_mostrarNombre = d.m_mostrarNombres;
    c.Dibujar(dc, i);
    fila = Desplazar(fila, h);
  }
  if (d.m_serviciosVisibles) DibujarServicios(d, dc, fila, h, filtro, true);

  DibujarLineasPinch(d, dc);

  const Brush pincelAnterior = dc.SelectBrush(Brush::White);
  DibujarCambiadores(d, dc);

  dc.SelectBrush(pincelAnterior);
  dc.SelectFont(fuenteAnterior);
  dc.SelectPen(plumaAnterior);
}

// ----------------------------------------------------------------- overlays

void DibujarAuxiliar1(CDiagrama& d, Dc& dc) {
  CLazoEnCurso& lazo = d.m_lazoEnCurso;
  lazo.Dibujar(dc, d.m_cambiadores, 1);

  const Pen plumaAnterior = dc.SelectPen(Pen{PenStyle::Solid, 1, kColorLazoResaltado});
  const LogFont fuenteAnterior = dc.SelectFont(FuenteDiagrama(d));
  ResaltarBifurcaciones(d, dc, lazo.pasosBifurcacion, 0);
  RedibujarCambiadores(d, dc, lazo, kColorLazoResaltado);
  dc.SelectFont(fuenteAnterior);
  dc.SelectPen(plumaAnterior);
}

void DibujarAuxiliar2(CDiagrama& d, Dc& dc) {
  if (d.m_arbol.perturbacion.empty()) return;
  const std::vector<std::int32_t> camino = d.m_arbol.perturbacion.front();

  CLazoEnCurso enCurso;
  enCurso.fuente = d.m_fuente;
  enCurso.LlenarTablaCorrientes(d.m_corrientes, d.m_servicios, d.m_serviciosVisibles);
  for (std::int32_t idx : camino)
    if (idx >= 0 && static_cast<std::size_t>(idx) < d.m_cambiadores.size())
      enCurso.Anadir(d.m_cambiadores, idx);
  CLazo lazo(enCurso);
  lazo.Dibujar(dc, d.m_cambiadores, 0);

  const Pen plumaAnterior = dc.SelectPen(Pen{PenStyle::Solid, 1, kColorLazoPerturbacion});
  const LogFont fuenteAnterior = dc.SelectFont(FuenteDiagrama(d));

  const std::int32_t s1 = d.m_perturbacionOrigen;
  const std::int32_t s2 = d.m_perturbacionDestino;
  if (d.RefValida(s1) && d.RefValida(s2)) {
    const Point entrada = PuntoFila(d, s1, true);
    const Point salida = PuntoFila(d, s2, false);
    std::vector<const CCambiador*> ruta;
    for (std::int32_t idx : camino)
      if (idx >= 0 && static_cast<std::size_t>(idx) < d.m_cambiadores.size())
        ruta.push_back(&d.m_cambiadores[static_cast<std::size_t>(idx)]);
    if (ruta.empty()) {
      dc.MoveTo(entrada.x, entrada.y);
      dc.LineTo(salida.x, salida.y);
    } else {
      // The route may be listed from either stream: join each stream to the
      // end exchanger that lies on it.
      const CCambiador* primero = ruta.front();
      const CCambiador* ultimo = ruta.back();
      if (!Toca(*primero, s1) && Toca(*ultimo, s1)) std::swap(primero, ultimo);
      const Point a = ExtremoEn(*primero, s1);
      const Point b = ExtremoEn(*ultimo, s2);
      dc.MoveTo(entrada.x, entrada.y);
      dc.LineTo(a.x, a.y);
      dc.MoveTo(b.x, b.y);
      dc.LineTo(salida.x, salida.y);
    }
  }

  ResaltarBifurcaciones(d, dc, lazo.pasosBifurcacion, 1);
  RedibujarCambiadores(d, dc, lazo, kColorLazoPerturbacion);
  dc.SelectFont(fuenteAnterior);
  dc.SelectPen(plumaAnterior);
}

}  // namespace vardo
