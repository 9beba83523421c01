#include "model/corriente.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "model/constantes.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

// Layout of a row on the grid diagram (0.01 mm, y upwards).
constexpr std::int32_t kColumnaH = 1500;        // x of the heat column
constexpr std::int32_t kColumnaCpDesdeDerecha = 900;  // m·cp column, left of the right edge
constexpr std::int32_t kNombreDesdeDerecha = 350;     // name, right of the right edge
constexpr std::int32_t kInicioLinea = 2000;     // line's left extreme from the left edge
constexpr std::int32_t kFinLinea = 1500;        // line's right extreme from the right edge
constexpr std::int32_t kCaja = 550;             // number box side
constexpr std::int32_t kFlechaLargo = 300;      // arrow head length
constexpr std::int32_t kFlechaAncho = 150;      // arrow head half width
constexpr std::int32_t kSeparacionTexto = 100;  // gap between the line and a temperature

std::uint32_t PosicionEn(const std::vector<std::uint32_t>& pos, std::size_t sup, std::int32_t i) {
  if (i == -1) {
    if (sup == 0 || pos.empty()) return 0;
    i = static_cast<std::int32_t>(sup);
  }
  if (i < 0 || static_cast<std::size_t>(i) >= pos.size()) return 0;
  return pos[static_cast<std::size_t>(i)];
}

}  // namespace

CCorriente::CCorriente() = default;

CCorriente::CCorriente(double T1, double T2, double valor, std::int32_t fria, std::int32_t latente) {
  m_correlacion = 0;
  m_fria = fria;
  m_latente = latente;
  if (latente) {
    m_T = {T1, T2};
    m_H = {0.0, valor};
    m_mcp = kCpLatente;
  } else {
    m_mcp = valor;
    m_T = {T1, T2};
    m_H = {0.0, 0.0};
    CalcularHFinal();
  }
}

CCorriente::CCorriente(const CCorriente& o) { CopiarDe(o); }

CCorriente& CCorriente::operator=(const CCorriente& o) {
  if (this != &o) CopiarDe(o);
  return *this;
}

CCorriente::~CCorriente() = default;

void CCorriente::CopiarDe(const CCorriente& o) {
  // Taken first: the source's virtual query may mark it latent.
  const double mcp = o.GetCP(kTSentinel, kTSentinel);
  m_cambiadores = o.m_cambiadores;
  m_correlacion = o.m_correlacion;
  for (int n = 1; n <= kNumPropiedades; ++n) Propiedad(n) = o.Propiedad(n);
  m_mostrarNombre = o.m_mostrarNombre;
  m_ajuste = o.m_ajuste;
  m_formaHT = o.m_formaHT;
  m_ajustada = o.m_ajustada;
  m_entalpiaDada = o.m_entalpiaDada;
  m_lineal = o.m_lineal;
  m_dtMin = o.m_dtMin;
  m_mcp = mcp;
  m_fria = o.m_fria;
  m_latente = o.m_latente;
  m_pinch = o.m_pinch;
  m_pinchesSup = o.m_pinchesSup;
  m_pinchesInf = o.m_pinchesInf;
  m_T = o.m_T;
  m_H = o.m_H;
  m_c = o.m_c;
  m_b = o.m_b;
  m_a = o.m_a;
  m_h = o.m_h;
  m_split = o.m_split;
  m_area = o.m_area;
  m_nombre = o.m_nombre;
  m_rect = o.m_rect;
  m_marcaOrden = o.m_marcaOrden;
  m_posicionT2 = o.m_posicionT2;
  m_posicionT1 = o.m_posicionT1;
  m_serviciosVisibles = o.m_serviciosVisibles;
  m_clasificada = o.m_clasificada;
}

// ---------------------------------------------------------------- properties

double CCorriente::Propiedad(int n) const { return const_cast<CCorriente*>(this)->Propiedad(n); }

double& CCorriente::Propiedad(int n) {
  switch (n) {
    case 1: return m_k;
    case 2: return m_mu;
    case 3: return m_rho;
    case 4: return m_rhoL;
    case 5: return m_rhoV;
    case 6: return m_Cp;
    case 7: return m_u;
    case 8: return m_D;
    case 9: return m_Hv;
    case 10: return m_sigma;
    case 11: return m_pF;
    case 12: return m_tF;
    case 13: return m_lF;
    case 14: return m_d1;
    case 15: return m_d2;
    case 16: return m_Dv;
    case 17: return m_PP;
    case 18: return m_L;
    case 19: return m_N;
    case 20: return m_Dc;
    default: break;
  }
  // Out of range: a scratch value, so a bad index never touches other fields.
  static thread_local double basura;
  basura = 0.0;
  return basura;
}

std::string CCorriente::NombreCorrelacion(std::int32_t c) {
  static const char* const kNombres[kNumCorrelaciones] = {
      "Convección forzada por el interior de tubos",
      "Convección forzada por el exterior de tubos",
      "Condensación por el interior de tubos",
      "Ebullición",
      "Convección forzada por el exterior de tubos con aletas",
      "Cambiadores de placas",
      "Convección forzada entre tubos concéntricos",
      "Convección forzada por el interior de serpentines",
      "Convección forzada por el exterior de serpentines con agitación",
      "Tanques encamisados",
  };
  if (c < 0 || c >= kNumCorrelaciones) return {};
  return kNombres[c];
}

// ------------------------------------------------------------------- queries

double CCorriente::GetPunto(std::int32_t i, std::int32_t cual) const {
  const auto k = static_cast<std::size_t>(i);
  return cual == 0 ? m_H[k] : m_T[k];
}

double CCorriente::GetT1() const { return m_T.front(); }
double CCorriente::GetT2() const { return m_T.back(); }

std::uint32_t CCorriente::GetPosicionT1(std::int32_t i) const {
  return PosicionEn(m_posicionT1, m_pinchesSup.size(), i);
}

std::uint32_t CCorriente::GetPosicionT2(std::int32_t i) const {
  return PosicionEn(m_posicionT2, m_pinchesSup.size(), i);
}

double CCorriente::Acotar(double T) const {
  const double a = m_T.front();
  const double b = m_T.back();
  if (m_fria) {
    if (T < a) T = a;
    if (T > b) T = b;
  } else {
    if (T > a) T = a;
    if (T < b) T = b;
  }
  return T;
}

double CCorriente::GetH(double T, std::int32_t lado) const {
  if (T == kTSentinel) return m_H.back();
  return InterpolarH(Acotar(T), lado);
}

double CCorriente::InterpolarH(double T, std::int32_t lado) const {
  const std::size_t n = m_T.size();
  if (n == 0) return 0.0;
  std::size_t i = n, j = n;
  for (std::size_t k = 0; k < n; ++k) {
    const bool pasa = m_fria ? m_T[k] >= T : m_T[k] <= T;
    if (pasa) { i = k; break; }
  }
  for (std::size_t k = n; k-- > 0;) {
    const bool antes = m_fria ? m_T[k] <= T : m_T[k] >= T;
    if (antes) { j = k; break; }
  }
  // Outside the points (only when called without clamping): the nearer end.
  if (i == n) i = n - 1;
  if (j == n) j = 0;
  if (i == j) return m_H[i];
  if (m_T[i] == m_T[j]) {
    if (m_fria) return lado != 0 ? m_H[i] : m_H[j];
    return lado == 0 ? m_H[i] : m_H[j];
  }
  return m_H[j] + (T - m_T[j]) / (m_T[i] - m_T[j]) * (m_H[i] - m_H[j]);
}

double CCorriente::GetCP(double T1, double T2) const {
  const double dT = m_T.back() - m_T.front();
  if (std::fabs(dT) < kTolSpan) {
    if (m_T.size() == 2) m_latente = 1;
    return kCpLatente;
  }
  const double total = std::fabs(GetH(kTSentinel, 1) / dT);
  if ((T1 == kTSentinel && T2 == kTSentinel) || std::fabs(T2 - T1) < kTolSpan) return total;
  if (m_fria ? T1 > T2 : T1 < T2) std::swap(T1, T2);
  T1 = Acotar(T1);
  T2 = Acotar(T2);
  if (std::fabs(T2 - T1) < kTolSpan) return total;
  return std::fabs((InterpolarH(T2, 1) - InterpolarH(T1, 1)) / (T2 - T1));
}

double CCorriente::EscalaEntalpia() const {
  // Through the virtual whole-range query, so a utility's points are read on
  // its load-scaled curve; a plain stream gives exactly 1.
  const double ultimo = m_H.back();
  if (ultimo == 0.0) return 1.0;
  return GetH(kTSentinel, 1) / ultimo;
}

double CCorriente::GetTEnH(double H) {
  CalcularCP();
  // A stream without heat (below 1e-5 kW) extrapolates with the stand-in m·cp.
  const bool sinCalor = m_mcp == 0.0;
  if (sinCalor) m_mcp = kTolH;
  // The slope of the curve the virtual queries answer on (load-scaled for a
  // utility); for a plain stream it is the m·cp just computed.
  double mcp = sinCalor ? kTolH : GetCP(kTSentinel, kTSentinel);
  if (mcp == 0.0) mcp = kTolH;
  const double total = GetH(kTSentinel, 1);

  bool extrapola = false;
  double resultado = 0.0;
  if (m_fria) {
    if (H < 0.0) {
      resultado = m_T.front() + H / mcp;
      H = 0.0;
      extrapola = true;
    }
    if (total < H) {
      resultado = m_T.back() + (H - total) / mcp;
      extrapola = true;
    }
  } else {
    if (H > 0.0) {
      resultado = m_T.front() + H / mcp;
      H = 0.0;
      extrapola = true;
    }
    if (total > H) {
      resultado = m_T.back() + (H - total) / mcp;
      extrapola = true;
    }
  }
  if (extrapola && mcp != kCpLatente) return resultado;
  return InterpolarT(H);
}

double CCorriente::InterpolarT(double H) const {
  const std::size_t n = m_T.size();
  if (n == 0) return 0.0;
  const double escala = EscalaEntalpia();
  if (std::fabs(H) < kTolH) return m_T.front();
  if (std::fabs(H - m_H.back() * escala) < kTolH) return m_T.back();
  for (std::size_t k = 0; k + 1 < n; ++k) {
    const double ha = m_H[k] * escala;
    const double hb = m_H[k + 1] * escala;
    const bool dentro = m_fria ? (ha <= H && H <= hb) : (ha >= H && H >= hb);
    if (dentro && ha != hb)
      return m_T[k] + (H - ha) / (hb - ha) * (m_T[k + 1] - m_T[k]);
  }
  return m_T.back();
}

// ------------------------------------------------------------------- setters

void CCorriente::SetT1(double T) { m_T.front() = T; }
void CCorriente::SetT2(double T) { m_T.back() = T; }
void CCorriente::SetHFinal(double H) { m_H.back() = H; }

void CCorriente::BorrarPuntos() {
  m_T.clear();
  m_H.clear();
}

void CCorriente::AddPunto(double T, double H) {
  m_T.push_back(T);
  m_H.push_back(H);
}

void CCorriente::BorrarPinches() {
  m_pinchesSup.clear();
  m_pinchesInf.clear();
}

void CCorriente::AddPinchServicio(double T) { m_pinchesSup.push_back(T); }
void CCorriente::AddPinchServicioInferior(double T) { m_pinchesInf.push_back(T); }

// ------------------------------------------------------------ derived values

void CCorriente::CalcularHFinal() {
  const double h = (m_T.back() - m_T.front()) * m_mcp;
  m_H.back() = h == 0.0 ? 0.0 : h;  // no heat is +0, never a signed zero
  if (h < 0.0) m_fria = 0;
  if (h > 0.0) m_fria = 1;
}

void CCorriente::CalcularCP() {
  const double dT = m_T.back() - m_T.front();
  if (std::fabs(dT) <= kTolSpan) {
    if (m_T.size() == 2) m_latente = 1;
    m_mcp = kCpLatente;
    return;
  }
  if (std::fabs(m_H.back()) < kTolH) {
    m_mcp = 0.0;
    return;
  }
  m_mcp = m_H.back() / dT;
  if (m_mcp < 0.0) {
    m_mcp = -m_mcp;
    m_H.back() = -m_H.back();
    m_fria = m_fria ? 0 : 1;
  }
}

void CCorriente::AjustarSignoH() {
  // A hot stream's enthalpies are negative, a cold one's positive; a zero
  // stays an unsigned zero, so that no "-0." is ever shown or written.
  for (double& h : m_H) h = (m_fria || h == 0.0) ? std::fabs(h) : -std::fabs(h);
}

void CCorriente::EstimarH() {
  const double Re = m_u * m_rho * m_D / m_mu;
  const double Pr = m_Cp * m_mu / m_k;
  const double kW = 0.001;
  switch (m_correlacion) {
    case 0:
      m_h = 0.023 * std::pow(Re, 0.8) * std::pow(Pr, 0.33) * m_k / m_D * kW;
      break;
    case 1:
      m_h = 0.26 * std::pow(Re, 0.6) * std::pow(Pr, 0.3) * m_k / m_D * kW;
      break;
    case 2: {
      const double ReV = m_u * m_rhoV * m_D / m_mu;
      m_h = 0.13 * std::pow(ReV, 0.6) * std::pow(Pr, 0.3) * (1.0 + std::pow(m_rhoL / m_rhoV, 0.5)) *
            m_k / m_D * kW;
      break;
    }
    case 3:
      m_h = 0.00122 * std::pow(m_k, 0.79) * std::pow(m_Cp, 0.45) * std::pow(m_rhoL, 0.49) /
            (std::pow(m_Hv, 0.24) * std::pow(m_rhoV, 0.24) * std::pow(m_mu, 0.29) *
             std::pow(m_sigma, 0.5)) *
            kW;
      break;
    case 4:
      m_h = 0.134 * std::pow(Re, 0.681) * std::pow((m_pF - m_tF) / m_lF, 0.2) * std::pow(Pr, 0.33) *
            std::pow(m_pF / m_tF, 0.1134) * m_k / m_D * kW;
      break;
    case 5: {
      const double ReP = m_u * m_rho * (2.0 * m_PP) / m_mu;
      m_h = 0.26 * std::pow(ReP, 0.65) * std::pow(Pr, 0.4) * m_k / (2.0 * m_PP) * kW;
      break;
    }
    case 6: {
      const double ReC = m_u * m_rho * m_d1 / m_mu;
      m_h = 0.031 * std::pow(m_d2 / m_d1, 0.15) * ReC * Pr * m_k / m_D * kW;
      break;
    }
    case 7:
      m_h = 0.023 * std::pow(Re, 0.8) * std::pow(Pr, 0.4) * (1.0 + 3.5 * m_D / m_Dc) * m_k / m_D * kW;
      break;
    case 8: {
      const double ReA = m_L * m_L * m_N * m_rho / m_mu;
      m_h = 0.9 * std::pow(ReA, 0.62) * std::pow(Pr, 0.33) * m_k / m_D * kW;
      break;
    }
    case 9: {
      const double ReA = m_L * m_L * m_N * m_rho / m_mu;
      m_h = 0.36 * std::pow(ReA, 0.67) * std::pow(Pr, 0.33) * m_k / m_Dv * kW;
      break;
    }
    default:
      break;
  }
}

std::vector<double> CCorriente::PinchesFila() const {
  std::vector<double> pinches;
  if (m_serviciosVisibles) {
    pinches = m_pinchesSup;
    pinches.push_back(m_pinch);
    pinches.insert(pinches.end(), m_pinchesInf.begin(), m_pinchesInf.end());
  } else {
    pinches.push_back(m_pinch);
  }
  return pinches;
}

void CCorriente::ClasificarExtremos() {
  const double mitad = m_dtMin / 2.0;
  const std::vector<double> pinches = PinchesFila();
  m_clasificada = 1;
  m_posicionT1.assign(pinches.size(), 0);
  m_posicionT2.assign(pinches.size(), 0);
  const double t1 = m_T.front();
  const double t2 = m_T.back();
  for (std::size_t k = 0; k < pinches.size(); ++k) {
    if (m_fria) {
      const double p = pinches[k] - mitad;
      m_posicionT1[k] = t1 < p ? 4u : (t1 > p ? 1u : 2u);
      m_posicionT2[k] = t2 < p ? 3u : (t2 > p ? 0u : 2u);
    } else {
      const double p = pinches[k] + mitad;
      m_posicionT1[k] = t1 > p ? 0u : (t1 < p ? 3u : 2u);
      m_posicionT2[k] = t2 > p ? 1u : (t2 < p ? 4u : 2u);
    }
  }
}

// ------------------------------------------------------------------- drawing

// Positions are worked out in 64 bits and saturated where they reach the
// device: a rectangle from a file may span the whole 32-bit range. Pinch
// lines stand at left + k·dx (k = 1..N), hottest first.
void CCorriente::ExtremosFila(std::int64_t& xCaliente, std::int64_t& xFrio) const {
  using I64 = std::int64_t;
  const Rect& r = m_rect;
  const std::size_t n = std::min(m_posicionT1.size(), m_posicionT2.size());
  const I64 dx = r.Width() / static_cast<I64>(n + 1);
  auto xPinch = [&](std::size_t k) {  // k 0-based
    return r.left + static_cast<I64>(k + 1) * dx;
  };
  const I64 xMin = I64{r.left} + kInicioLinea;
  const I64 xMax = I64{r.right} - kFinLinea;

  // Codes of the hot and cold ends: supply/target by the stream's direction.
  const auto& posCaliente = m_fria ? m_posicionT2 : m_posicionT1;
  const auto& posFrio = m_fria ? m_posicionT1 : m_posicionT2;

  // The hot end stands in the first interval whose pinch lies below it.
  xCaliente = n > 0 ? xPinch(n - 1) : xMin;
  for (std::size_t k = 0; k < n; ++k) {
    if (posCaliente[k] == 0) { xCaliente = k == 0 ? xMin : xPinch(k - 1); break; }
    if (posCaliente[k] == 2) { xCaliente = xPinch(k); break; }
  }
  // The cold end in the last interval whose pinch lies above it.
  xFrio = n > 0 ? xPinch(0) : xMax;
  for (std::size_t k = n; k-- > 0;) {
    if (posFrio[k] == 4) { xFrio = k + 1 == n ? xMax : xPinch(k + 1); break; }
    if (posFrio[k] == 2) { xFrio = xPinch(k); break; }
  }
}

std::optional<CCorriente::Tramo> CCorriente::TramoDibujado() const {
  if (!m_clasificada || m_rect.right <= m_rect.left) return std::nullopt;
  std::int64_t xCaliente = 0, xFrio = 0;
  ExtremosFila(xCaliente, xFrio);
  const std::int64_t xSupply = m_fria ? xFrio : xCaliente;
  const std::int64_t xTarget = m_fria ? xCaliente : xFrio;
  // The number box stands on the supply end, the arrow head at the target.
  const std::int64_t margenSupply = kCaja / 2, margenTarget = kFlechaLargo;
  Tramo t = xSupply <= xTarget ? Tramo{xSupply + margenSupply, xTarget - margenTarget}
                               : Tramo{xTarget + margenTarget, xSupply - margenSupply};
  // A line too short for both (a stream at one temperature on a pinch line
  // is a point there): its middle.
  if (t.izquierda > t.derecha) t.izquierda = t.derecha = (xSupply + xTarget) / 2;
  return t;
}

std::vector<CCorriente::LineaPinch> CCorriente::LineasPinchFila() const {
  const std::vector<double> pinches = PinchesFila();
  const auto n = static_cast<std::int64_t>(pinches.size());
  const std::int64_t dx = m_rect.Width() / (n + 1);
  const double mitad = m_fria ? -m_dtMin / 2.0 : m_dtMin / 2.0;
  std::vector<LineaPinch> lineas;
  for (std::int64_t k = 0; k < n; ++k)
    lineas.push_back({m_rect.left + (k + 1) * dx, pinches[static_cast<std::size_t>(k)] + mitad});
  return lineas;
}

namespace {

// The row's line: its height and its two ends on the page, in 64 bits.
struct LineaFila {
  std::int64_t ym, xSupply, xTarget, dir;  // dir: 1 left to right, -1 right to left
};

LineaFila Linea(const CCorriente& c) {
  using I64 = std::int64_t;
  const Rect& r = c.m_rect;
  const I64 ym = TruncCoord((static_cast<double>(r.top) + r.bottom) / 2.0);
  I64 xCaliente = 0, xFrio = 0;
  c.ExtremosFila(xCaliente, xFrio);

  const I64 xSupply = c.m_fria ? xFrio : xCaliente;
  const I64 xTarget = c.m_fria ? xCaliente : xFrio;
  const I64 dir = xTarget >= xSupply ? 1 : -1;  // direction of flow on the page
  return LineaFila{ym, xSupply, xTarget, dir};
}

// The supply and target temperatures stand above the line, inside its two
// ends.
std::pair<Rect, Rect> Rotulos(const LineaFila& l, const Point& e1, const Point& e2) {
  using I64 = std::int64_t;
  const I64 x1 = l.dir > 0 ? l.xSupply + kCaja / 2 + kSeparacionTexto
                           : l.xSupply - kCaja / 2 - kSeparacionTexto - e1.x;
  const I64 x2 = l.dir > 0 ? l.xTarget - kFlechaLargo - kSeparacionTexto - e2.x
                           : l.xTarget + kFlechaLargo + kSeparacionTexto;
  auto caja = [&](I64 x, const Point& e) {
    return Rect{Saturar32(x), Saturar32(l.ym + kSeparacionTexto + e.y), Saturar32(x + e.x),
                Saturar32(l.ym + kSeparacionTexto)};
  };
  return {caja(x1, e1), caja(x2, e2)};
}

}  // namespace

std::pair<Rect, Rect> CCorriente::RotulosExtremos(Dc& dc) const {
  return Rotulos(Linea(*this), dc.TextExtent(NumTexto(GetT1(), 6)),
                 dc.TextExtent(NumTexto(GetT2(), 6)));
}

void CCorriente::Dibujar(Dc& dc, std::int32_t numero) const {
  using I64 = std::int64_t;
  const Rect& r = m_rect;
  const LineaFila l = Linea(*this);
  const I64 ym = l.ym, xSupply = l.xSupply, xTarget = l.xTarget, dir = l.dir;
  auto P = [](I64 x, I64 y) { return Point{Saturar32(x), Saturar32(y)}; };

  const int guardado = dc.SaveDc();
  dc.SelectPen(Pen{PenStyle::Solid, 1, m_color});
  dc.SetTextColor(m_color);

  // Line and arrow head at the target end.
  dc.MoveTo(Saturar32(xSupply), Saturar32(ym));
  dc.LineTo(Saturar32(xTarget), Saturar32(ym));
  dc.Polyline({P(xTarget - dir * kFlechaLargo, ym + kFlechaAncho), P(xTarget, ym),
               P(xTarget - dir * kFlechaLargo, ym - kFlechaAncho)});

  // Number box on the supply end.
  char etiqueta[32];
  if (!EsServicio(numero))
    std::snprintf(etiqueta, sizeof etiqueta, "%d", numero + 1);
  else
    std::snprintf(etiqueta, sizeof etiqueta, m_fria ? "R%d" : "C%d", IndiceServicio(numero) + 1);
  dc.SelectBrush(Brush::White);
  const Point arribaIzquierda = P(xSupply - kCaja / 2, ym + kCaja / 2);
  const Point abajoDerecha = P(xSupply + kCaja / 2, ym - kCaja / 2);
  dc.Rectangle(Rect{arribaIzquierda.x, arribaIzquierda.y, abajoDerecha.x, abajoDerecha.y});
  auto texto = [&](I64 x, I64 y, const std::string& t) {
    const Point p = P(x, y);
    dc.TextOut(p.x, p.y, t);
  };
  {
    const Point ext = dc.TextExtent(etiqueta);
    texto(xSupply - ext.x / 2, ym + ext.y / 2, etiqueta);
  }

  // Heat and m·cp columns, vertically centred on the line.
  const std::string textoH = NumTexto(GetH(kTSentinel, 1), 6);
  const double mcp = GetCP(kTSentinel, kTSentinel);
  const std::string textoCp = mcp == kCpLatente ? std::string("-") : NumTexto(mcp, 6);
  texto(kColumnaH, ym + dc.TextExtent(textoH).y / 2, textoH);
  texto(I64{r.right} - kColumnaCpDesdeDerecha, ym + dc.TextExtent(textoCp).y / 2, textoCp);

  // Supply and target temperatures above the line, inside its two ends.
  const std::string textoT1 = NumTexto(GetT1(), 6);
  const std::string textoT2 = NumTexto(GetT2(), 6);
  const auto [rotulo1, rotulo2] = Rotulos(l, dc.TextExtent(textoT1), dc.TextExtent(textoT2));
  texto(rotulo1.left, rotulo1.top, textoT1);
  texto(rotulo2.left, rotulo2.top, textoT2);

  if (m_mostrarNombre && !m_nombre.empty())
    texto(I64{r.right} + kNombreDesdeDerecha, ym + dc.TextExtent(m_nombre).y / 2, m_nombre);

  dc.RestoreDc(guardado);
}

// ----------------------------------------------------------------- storing

void CCorriente::Serialize(Archive& ar) {
  ar.Io(m_mcp);
  ar.Io(m_fria);
  std::int32_t latente = m_latente;
  ar.Io(latente);
  m_latente = latente;
  ar.Io(m_rect);
  ar.IoArray(m_cambiadores);
  ar.Io(m_h);
  ar.Io(m_a);
  ar.Io(m_b);
  ar.Io(m_c);
  ar.Io(m_nombre);
  ar.Io(m_marcaOrden);
  ar.Io(m_split);
  ar.Io(m_correlacion);
  for (int n = 1; n <= kNumPropiedades; ++n) ar.Io(Propiedad(n));
  ar.Io(m_ajuste);
  ar.Io(m_formaHT);
  ar.Io(m_entalpiaDada);
  ar.Io(m_lineal);
  ar.Io(m_ajustada);
  if (ar.IsStoring()) {
    ar.WriteInt32(static_cast<std::int32_t>(m_T.size()));
    for (std::size_t k = 0; k < m_T.size(); ++k) {
      ar.WriteDouble(m_T[k]);
      ar.WriteDouble(m_H[k]);
    }
  } else {
    const std::size_t p = ar.ReadCount(16);
    if (p < 2) throw FormatError("Formato de archivo no esperado.");
    std::vector<double> T, H;
    T.reserve(p);
    H.reserve(p);
    for (std::size_t k = 0; k < p; ++k) {
      T.push_back(ar.ReadDouble());
      H.push_back(ar.ReadDouble());
    }
    m_T = std::move(T);
    m_H = std::move(H);
  }
  // The marker is written twice; on loading the second value is kept.
  ar.Io(m_marcaOrden);
  ar.Io(m_area);
}

}  // namespace vardo
