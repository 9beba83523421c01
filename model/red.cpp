// Network calculation: every exchanger's duty and end temperatures from the
// engineer's set values, propagated along kind-4 links and stream
// completions; then the check and the ordering of the exchangers along every
// stream and utility with the placement of their circles.
#include "model/red.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "model/constantes.h"
#include "platform/core/uiport.h"

namespace vardo {

namespace {

// The exchanger a kind-4 value names (its index, truncated), or -1 when it
// names none of the n exchangers.
std::int32_t CambiadorReferido(double v, std::size_t n) {
  if (!std::isfinite(v) || v < 0.0) return -1;
  const double t = std::trunc(v);
  if (t >= static_cast<double>(n)) return -1;
  return static_cast<std::int32_t>(t);
}

bool IndiceValido(const CDiagrama& d, std::uint32_t k) { return k < d.m_cambiadores.size(); }

// Heat the completing exchanger takes from the whole stream or utility:
// mode 3 (hot side) the whole-stream value is minus the stream's enthalpy
// change, or a utility's load as stored; mode 2 (cold side) their absolute
// values.
double ValorTotal(const CDiagrama& d, std::int32_t ref, bool ladoCaliente) {
  if (EsServicio(ref)) {
    const double carga = d.m_servicios[static_cast<std::size_t>(IndiceServicio(ref))].m_carga;
    return ladoCaliente ? carga : std::fabs(carga);
  }
  const double h = d.GetCorriente(ref).GetH(kTSentinel, 1);
  return ladoCaliente ? -h : std::fabs(h);
}

// One of the four kind-4 ends of an exchanger, with what resolving it needs
// of the exchanger it names.
struct ExtremoEnlazado {
  std::int32_t CCambiador::*tipo;
  double CCambiador::*valor;
  std::int32_t CCambiador::*enlace;
  int (CCambiador::*conocido)() const;
  void (CCambiador::*calcularDesde)(CCorriente*, const std::vector<CCambiador>&);
  bool caliente;  // the end lies on the hot side
};

const ExtremoEnlazado kExtremos[] = {
    {&CCambiador::tipoEntradaCaliente, &CCambiador::valorEntradaCaliente,
     &CCambiador::enlaceEntradaCaliente, &CCambiador::EntradaCalienteConocida,
     &CCambiador::CalcularDesdeEntradaCaliente, true},
    {&CCambiador::tipoSalidaCaliente, &CCambiador::valorSalidaCaliente,
     &CCambiador::enlaceSalidaCaliente, &CCambiador::SalidaCalienteConocida,
     &CCambiador::CalcularDesdeSalidaCaliente, true},
    {&CCambiador::tipoEntradaFria, &CCambiador::valorEntradaFria, &CCambiador::enlaceEntradaFria,
     &CCambiador::EntradaFriaConocida, &CCambiador::CalcularDesdeEntradaFria, false},
    {&CCambiador::tipoSalidaFria, &CCambiador::valorSalidaFria, &CCambiador::enlaceSalidaFria,
     &CCambiador::SalidaFriaConocida, &CCambiador::CalcularDesdeSalidaFria, false},
};

bool TieneTipo4(const CCambiador& c) {
  for (const auto& e : kExtremos)
    if (c.*(e.tipo) == kTipoCambiador) return true;
  return false;
}

bool Tipo4Enlazados(const CCambiador& c) {
  for (const auto& e : kExtremos)
    if (c.*(e.tipo) == kTipoCambiador && c.*(e.enlace) < 0) return false;
  return true;
}

void CalcularCambiador(CDiagrama& d, std::size_t i) {
  CCambiador& c = d.m_cambiadores[i];
  c.Calcular(CorrienteDeLado(d, c.ladoCaliente.ref), CorrienteDeLado(d, c.ladoFrio.ref),
             d.m_cambiadores);
}

// Resolves the kind-4 ends of exchanger x that are still unlinked. An end is
// linked once the exchanger it names is calculated, or once that exchanger's
// matching end is known, in which case its side is calculated from that end.
// True when any link was set.
bool ResolverEnlaces(CDiagrama& d, std::size_t x) {
  bool cambio = false;
  auto& cs = d.m_cambiadores;
  for (const auto& e : kExtremos) {
    if (cs[x].*(e.tipo) != kTipoCambiador || cs[x].*(e.enlace) >= 0) continue;
    const std::int32_t r = CambiadorReferido(cs[x].*(e.valor), cs.size());
    if (r < 0) continue;  // names no exchanger: stays unresolved
    CCambiador& R = cs[static_cast<std::size_t>(r)];
    if (!R.calculado) {
      if (!(R.*(e.conocido))()) continue;
      CCorriente* s = CorrienteDeLado(d, e.caliente ? R.ladoCaliente.ref : R.ladoFrio.ref);
      (R.*(e.calcularDesde))(s, cs);
    }
    cs[x].*(e.enlace) = r;
    cambio = true;
  }
  return cambio;
}

// Modes 2 and 3: the duty completes the cold (hot) side's stream once every
// other exchanger on it is calculated. True when x was calculated. A generic
// side has no stream to complete: x stays undetermined.
bool Completar(CDiagrama& d, std::size_t x) {
  CCambiador& X = d.m_cambiadores[x];
  const bool caliente = X.modo == kModoCompletarCaliente;
  const std::int32_t ref = caliente ? X.ladoCaliente.ref : X.ladoFrio.ref;
  if (!d.RefValida(ref)) return false;
  const CCorriente& s = d.GetCorriente(ref);
  double otros = 0.0;
  for (std::uint32_t k : s.m_cambiadores) {
    if (k == x || !IndiceValido(d, k)) continue;
    const CCambiador& otro = d.m_cambiadores[k];
    if (!otro.calculado) return false;  // waits for a later pass
    otros += otro.q;
  }
  X.valorQ = ValorTotal(d, ref, caliente) - otros;
  CalcularCambiador(d, x);
  return true;
}

bool TodosCalculados(const CDiagrama& d) {
  return std::all_of(d.m_cambiadores.begin(), d.m_cambiadores.end(),
                     [](const CCambiador& c) { return c.calculado != 0; });
}

// Ordering key of an exchanger on a stream: its hot outlet on a hot stream,
// its cold outlet on a cold one. Indices that name no exchanger go last.
double Clave(const CDiagrama& d, const CCorriente& s, std::uint32_t k) {
  if (!IndiceValido(d, k)) return -std::numeric_limits<double>::infinity();
  const CCambiador& c = d.m_cambiadores[k];
  const double v = s.m_fria ? c.tSalidaFria : c.tSalidaCaliente;
  return std::isnan(v) ? -std::numeric_limits<double>::infinity() : v;
}

void OrdenarLista(const CDiagrama& d, CCorriente& s) {
  const std::vector<std::uint32_t> antigua = s.m_cambiadores;
  if (!s.m_latente) {
    // Descending keys; equal keys keep their previous relative order.
    std::stable_sort(
        s.m_cambiadores.begin(), s.m_cambiadores.end(),
        [&](std::uint32_t a, std::uint32_t b) { return Clave(d, s, a) > Clave(d, s, b); });
  }
  if (s.m_marcaOrden == 1) s.m_marcaOrden = s.m_cambiadores != antigua ? 1 : 0;
}

// Column start of placement region r on the grid of width W.
std::int64_t InicioColumna(std::uint32_t r, std::int64_t W) {
  switch (r) {
    case 0:
      return 5500;
    case 1:
      return 5500 + 3 * W / 8;
    case 2:
      return 5500 + 4 * W / 8;
    case 3:
      return 5500 + 5 * W / 8;
    default:
      return 5500 + W;
  }
}

// The left edge of a circle ancho wide, near left, moved onto the stretch of
// its stream's drawn line that suits the exchanger: on the line, and between
// the pinch lines around the exchanger's end on it (an end whose outlet lies
// at or above a pinch stands left of that pinch's line, one below it right of
// it, as the columns do; an exchanger not yet calculated only keeps to the
// line). When no stretch of the line lies between those
// pinch lines (temperatures outside the stream), the line alone. Rows not
// laid out, and the branches of a split (laid out by the split), are left as
// they are.
double SobreLaLinea(const CCorriente& s, bool extremoCaliente, const CCambiador& c, double left,
                    double ancho) {
  if (s.m_split >= 0) return left;
  const std::optional<CCorriente::Tramo> tramo = s.TramoDibujado();
  if (!tramo) return left;
  double lo = static_cast<double>(tramo->izquierda);
  double hi = static_cast<double>(tramo->derecha);
  const double clave = extremoCaliente ? c.tSalidaCaliente : c.tSalidaFria;
  double izq = -std::numeric_limits<double>::infinity();
  double der = std::numeric_limits<double>::infinity();
  // An exchanger not calculated has no temperatures to place it by.
  const std::vector<CCorriente::LineaPinch> lineas =
      c.calculado ? s.LineasPinchFila() : std::vector<CCorriente::LineaPinch>{};
  for (const CCorriente::LineaPinch& l : lineas) {
    const bool lineaALaIzquierda = extremoCaliente ? clave < l.t : clave <= l.t;
    if (lineaALaIzquierda)
      izq = static_cast<double>(l.x);
    else if (der == std::numeric_limits<double>::infinity())
      der = static_cast<double>(l.x);
  }
  if (std::max(lo, izq) <= std::min(hi, der)) {
    lo = std::max(lo, izq);
    hi = std::min(hi, der);
  }
  if (hi - lo < ancho) return (lo + hi - ancho) / 2.0;
  return std::clamp(left, lo, hi - ancho);
}

void Colocar(CDiagrama& d, CCorriente& s, std::int32_t ref, bool servicio, bool hayAreas,
             double tam) {
  const Rect& rs = s.m_rect;
  const std::int64_t yc = rs.top + (std::int64_t{rs.bottom} - rs.top) / 2;
  const std::int32_t top0 = TruncCoord(static_cast<double>(yc) + 50.0 * tam);
  auto rectDe = [&](CCambiador& c) -> Rect& {
    return c.ladoCaliente.ref == ref ? c.rectCaliente : c.rectFrio;
  };

  // An exchanger joined to the stream since the last full placement (its
  // circle still the empty rectangle it was created with) needs its column.
  const bool sinColumna = std::any_of(
      s.m_cambiadores.begin(), s.m_cambiadores.end(), [&](std::uint32_t k) {
        return IndiceValido(d, k) && rectDe(d.m_cambiadores[k]) == Rect{};
      });
  if (s.m_marcaOrden == 0 && !sinColumna) {
    // Only the vertical place changes; hidden ends are parked off the grid.
    bool oculto = hayAreas && !CorrienteEnAreaMostrada(d, ref, hayAreas);
    if (servicio && !d.m_serviciosVisibles) oculto = true;
    for (std::uint32_t k : s.m_cambiadores) {
      if (!IndiceValido(d, k)) continue;
      CCambiador& c = d.m_cambiadores[k];
      Rect& r = rectDe(c);
      double cx = static_cast<double>(r.left + (std::int64_t{r.right} - r.left) / 2);
      if (!oculto) {
        // A circle left off its line (moved by hand, an older layout, new
        // temperatures) is brought back onto it.
        const double left = cx - 50.0 * tam;
        const double movido = SobreLaLinea(s, c.ladoCaliente.ref == ref, c, left, 100.0 * tam);
        if (movido != left) cx = movido + 50.0 * tam;
      }
      r.left = TruncCoord(cx - 50.0 * tam);
      r.right = TruncCoord(cx + 50.0 * tam);
      if (oculto) {
        r.top = r.bottom = 1000;
      } else {
        r.top = top0;
        r.bottom = TruncCoord(static_cast<double>(top0) - 100.0 * tam);
      }
    }
    return;
  }

  // Full placement: columns by the region of the stream the exchangers lie in.
  if (s.m_marcaOrden != 0) s.m_marcaOrden = s.m_marcaOrden == 3 ? 0 : 3;
  const bool fria = s.m_fria != 0;
  std::uint32_t region = fria ? s.GetPosicionT2(-1) : s.GetPosicionT1(-1);
  const double pinchFrio = d.m_tPinch - d.m_dtMin / 2.0;
  const double pinchCaliente = d.m_tPinch + d.m_dtMin / 2.0;
  const std::int64_t W = std::int64_t{d.m_rectGrafico.right} - d.m_rectGrafico.left;
  std::size_t primero = 0;
  for (std::size_t k = 0; k < s.m_cambiadores.size(); ++k) {
    const std::uint32_t idx = s.m_cambiadores[k];
    if (!IndiceValido(d, idx)) continue;
    CCambiador& c = d.m_cambiadores[idx];
    if (fria) {
      if (c.tSalidaFria > pinchFrio && region > 1) {
        region = 1;
        primero = k;
      } else if (c.tSalidaFria <= pinchFrio && region < 2) {
        region = 2;
        primero = k;
      }
    } else {
      if (c.tSalidaCaliente < pinchCaliente && region < 2) {
        region = 2;
        primero = k;
      } else if (c.tSalidaCaliente >= pinchCaliente && region > 2) {
        region = 1;
        primero = k;
      }
    }
    const double ancho = 100.0 * tam;
    double left =
        static_cast<double>(InicioColumna(region, W)) + static_cast<double>(k - primero) * 2000.0;
    // On a laid-out row the circle stays within it: moved right to the row's
    // left edge, or back from its right edge when it would run past it.
    const bool conFila = rs.right > rs.left;
    if (conFila) {
      if (left < rs.left) left = rs.left;
      if (left + ancho > rs.right) left = std::max<double>(rs.left, rs.right - ancho);
    }
    left = SobreLaLinea(s, c.ladoCaliente.ref == ref, c, left, ancho);
    Rect& r = rectDe(c);
    r.left = TruncCoord(left);
    r.right = TruncCoord(left + ancho);
    if (conFila && r.right > rs.right) r.right = rs.right;  // a row narrower than a circle
    r.top = top0;
    r.bottom = TruncCoord(static_cast<double>(top0) - ancho);
  }
}

}  // namespace

// ------------------------------------------------------------------ helpers

std::string TextoRedIndeterminada(const std::vector<std::int32_t>& sinCalcular) {
  std::string t =
      "Las especificaciones no son correctas: dejan algunos parámetros indeterminados, y no se "
      "pudo completar el cálculo.\n\nNo se pudo calcular los siguientes cambiadores:";
  for (std::int32_t i : sinCalcular) {
    char num[24];
    std::snprintf(num, sizeof num, "%d  ", i + 1);
    t += num;
  }
  t += "\n\nCompruebe lo siguiente:\n\n\t-Especificaciones de entalpía para completar.\n\n\t-"
       "Especificaciones de temperatura igual a la de otro cambiador.";
  return t;
}

std::vector<double> PinchesServicioRed(const CDiagrama& d) {
  std::vector<double> pinches;
  const std::size_t n = std::min(d.m_temperaturasConServ.size(), d.m_cascadaConServ.size());
  for (std::size_t k = 1; k + 1 < n; ++k) {
    const double T = d.m_temperaturasConServ[k];
    if (d.m_cascadaConServ[k] < kTolPinchServicio && std::fabs(T - d.m_tPinch) > kTolT)
      pinches.push_back(T);
  }
  return pinches;
}

std::string EtiquetaCorriente(std::int32_t ref) {
  char buf[24];
  if (EsServicio(ref))
    std::snprintf(buf, sizeof buf, "S%d", IndiceServicio(ref) + 1);
  else
    std::snprintf(buf, sizeof buf, "%d", ref + 1);
  return buf;
}

bool HayAreasMostradas(const CDiagrama& d) {
  return std::any_of(d.m_areas.begin(), d.m_areas.end(),
                     [](const CAreaIntegridad& a) { return a.mostrada != 0; });
}

bool CorrienteEnAreaMostrada(const CDiagrama& d, std::int32_t ref, bool hayAreas) {
  if (!hayAreas) return true;
  if (!d.RefValida(ref)) return false;
  const std::int32_t a = d.GetCorriente(ref).m_area;
  return a >= 0 && static_cast<std::size_t>(a) < d.m_areas.size() &&
         d.m_areas[static_cast<std::size_t>(a)].mostrada != 0;
}

bool CambiadorEnAreaMostrada(const CDiagrama& d, const CCambiador& c, bool hayAreas) {
  if (!hayAreas) return true;
  if (c.ladoCaliente.ref != kRefGenerico && !CorrienteEnAreaMostrada(d, c.ladoCaliente.ref, true))
    return false;
  if (c.ladoFrio.ref != kRefGenerico && !CorrienteEnAreaMostrada(d, c.ladoFrio.ref, true))
    return false;
  return true;
}

CCorriente* CorrienteDeLado(CDiagrama& d, std::int32_t ref) {
  return d.RefValida(ref) ? &d.GetCorriente(ref) : nullptr;
}

const CCorriente* CorrienteDeLado(const CDiagrama& d, std::int32_t ref) {
  return d.RefValida(ref) ? &d.GetCorriente(ref) : nullptr;
}

// -------------------------------------------------------------- calculation

std::int32_t CalcularRed(CDiagrama& d) {
  d.CalcularObjetivos();
  d.CalcularObjetivosServicios();
  const std::vector<double> pinches = PinchesServicioRed(d);

  auto& cs = d.m_cambiadores;
  for (CCambiador& c : cs) {
    c.calculado = 0;
    c.dtMin = d.m_dtMin;
    c.tPinch = d.m_tPinch;
    c.pinchesServicio = pinches;
    c.enlaceEntradaCaliente = c.enlaceSalidaCaliente = -1;
    c.enlaceEntradaFria = c.enlaceSalidaFria = -1;
  }
  for (std::size_t i = 0; i < cs.size(); ++i) {
    const auto idx = static_cast<std::int32_t>(i);
    d.ConectarCaliente(cs[i].ladoCaliente.ref, idx, 0);
    d.ConectarFria(cs[i].ladoFrio.ref, idx, 0);
  }
  for (std::size_t i = 0; i < cs.size(); ++i) {
    if ((cs[i].modo == kModoQ || cs[i].modo == kModoTemperaturas) && !TieneTipo4(cs[i]))
      CalcularCambiador(d, i);
  }

  for (int pasadas = 0;;) {
    bool cambio = false;
    for (std::size_t x = 0; x < cs.size(); ++x) {
      if (cs[x].calculado) continue;
      if (ResolverEnlaces(d, x)) cambio = true;
      if (!Tipo4Enlazados(cs[x])) continue;
      if (cs[x].modo == kModoCompletarCaliente || cs[x].modo == kModoCompletarFria) {
        if (Completar(d, x)) cambio = true;
      } else {
        CalcularCambiador(d, x);
        cambio = true;
      }
    }
    ++pasadas;
    // A pass that changed nothing would be repeated identically until the
    // pass limit: give up at once.
    if (pasadas > kMaxPasadasRed || (!cambio && !TodosCalculados(d))) break;
    if (TodosCalculados(d)) {
      const std::int32_t r = ComprobarRed(d);
      OrdenarCambiadores(d);
      return r;
    }
  }

  std::vector<std::int32_t> sinCalcular;
  for (std::size_t i = 0; i < cs.size(); ++i)
    if (!cs[i].calculado) sinCalcular.push_back(static_cast<std::int32_t>(i));
  const std::string texto = TextoRedIndeterminada(sinCalcular);
  // The check text tells the same, so no older report is shown in its place.
  d.m_textoComprobacion = texto;
  DefaultUiPort().Message(texto, MsgKind::Warning);
  return kRedIndeterminada;
}

// ----------------------------------------------------------------- ordering

void OrdenarCambiadores(CDiagrama& d) {
  const bool hayAreas = HayAreasMostradas(d);
  for (CCorriente& s : d.m_corrientes) OrdenarLista(d, s);
  for (CServicios& s : d.m_servicios) OrdenarLista(d, s);

  if (d.m_cambiadores.empty()) return;
  const double tam = d.m_cambiadores.front().tamano;
  for (std::size_t i = 0; i < d.m_corrientes.size(); ++i)
    Colocar(d, d.m_corrientes[i], static_cast<std::int32_t>(i), false, hayAreas, tam);
  for (std::size_t k = 0; k < d.m_servicios.size(); ++k)
    Colocar(d, d.m_servicios[k], kRefServicio + static_cast<std::int32_t>(k), true, hayAreas, tam);
}

}  // namespace vardo
