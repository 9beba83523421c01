// Unit and area targets: minimum number of units above and below the pinch,
// minimum area of the balanced composite curves. Each side's composite comes
// from the problem-table core on a local pool, once, with the sums the walk
// between the curves needs per segment, so the walk is linear in the number
// of segments; the network's arrays stay as they were.
#include "model/objetivos_area.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

#include "model/constantes.h"
#include "model/objetivos_comun.h"
#include "model/tabla_problema.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace objetivos {

namespace {

// A temperature difference between the composites this close to 0 (K) is the
// curves touching; rounding leaves far less where they meet.
constexpr double kTolContacto = 1e-6;

double Primera(const std::vector<double>& v) { return v.empty() ? 0.0 : v.front(); }
double Ultima(const std::vector<double>& v) { return v.empty() ? 0.0 : v.back(); }

// The generic utilities' temperatures are fixed the first time a target needs
// them, from the interval temperatures T of the run, and then stay.
void FijarTemperaturasGenericas(CDiagrama& d, const std::vector<double>& T) {
  if (T.empty()) return;
  if (d.m_tCalienteGenerico != kTSentinel || d.m_tFrioGenerico != kTSentinel) return;
  d.m_tCalienteGenerico = T.front() + d.m_dtMin;
  d.m_tFrioGenerico = T.back() - d.m_dtMin;
}

std::int32_t PrimeraAreaMostrada(const CDiagrama& d) {
  for (std::size_t i = 0; i < d.m_areas.size(); ++i)
    if (d.m_areas[i].mostrada) return static_cast<std::int32_t>(i);
  return -1;
}

// The latent utility streams that stand for the residual needs: a cold one
// taking `abajo` at the generic cold temperature, a hot one giving `arriba` at
// the generic hot temperature (each only when not zero), cold first.
std::vector<CCorriente> CorrientesGenericas(const CDiagrama& d, double arriba, double abajo) {
  std::vector<CCorriente> g;
  g.reserve(2);
  const std::int32_t area = PrimeraAreaMostrada(d);
  if (abajo != 0.0) {
    g.emplace_back(d.m_tFrioGenerico, d.m_tFrioGenerico, abajo, 1, 1);
    g.back().m_area = area;
    g.back().m_h = d.m_hFrioGenerico;
  }
  if (arriba != 0.0) {
    g.emplace_back(d.m_tCalienteGenerico, d.m_tCalienteGenerico, -arriba, 0, 1);
    g.back().m_area = area;
    g.back().m_h = d.m_hCalienteGenerico;
  }
  return g;
}

// Counts the sides of the pinch on which a stream has heat to exchange.
void ContarLados(const CCorriente& c, double P, double half, std::int32_t& n, bool& arriba,
                 bool& abajo) {
  if (std::fabs(c.GetH(kTSentinel, 1)) <= kTolH) return;
  const double T1 = c.GetT1();
  const double T2 = c.GetT2();
  if (!c.m_fria) {
    if (T1 - (P + half) > kTolSpan) {
      ++n;
      arriba = true;
    }
    if (T2 - (P + half) < -kTolSpan) {
      ++n;
      abajo = true;
    }
  } else {
    if (T1 - (P - half) < -kTolSpan) {
      ++n;
      abajo = true;
    }
    if (T2 - (P - half) > kTolSpan) {
      ++n;
      arriba = true;
    }
  }
}

double Factor(const std::vector<double>& f, std::size_t k) { return k < f.size() ? f[k] : 1.0; }

bool TodosUno(const std::vector<double>& f) {
  return std::all_of(f.begin(), f.end(), [](double x) { return x == 1.0; });
}

// Temperature on a composite at enthalpy h within segment k.
double TEn(const CurvaArea& c, std::size_t k, double h) {
  const double dH = c.H[k + 1] - c.H[k];
  if (dH == 0.0) return c.T[k];
  return c.T[k] + (h - c.H[k]) / dH * (c.T[k + 1] - c.T[k]);
}

// Heat over film coefficient of one curve's streams in the part of its
// segment k between temperatures sup and inf, of enthalpy width dH.
double Resistencia(const CurvaArea& c, std::size_t k, double sup, double inf, double dH) {
  double s = std::fabs(sup - inf) * c.porGrado[k];
  // Latent heats and steps fill the segment's enthalpy, each by its share.
  const double seg = c.H[k] - c.H[k + 1];
  if (c.concentrado[k] != 0.0 && seg > 0.0) s += dH * (c.concentrado[k] / seg);
  return s;
}

bool Finitos(const std::vector<double>& v) {
  return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

}  // namespace

bool UtilidadesParticipan(const CDiagrama& d, std::int32_t soloObjetivos) {
  return soloObjetivos == 0 && d.m_serviciosVisibles != 0;
}

Base PrepararBase(CDiagrama& d, std::int32_t soloObjetivos, Proceso proceso,
                  OrigenGenericas origen) {
  Base b;
  b.participan = UtilidadesParticipan(d, soloObjetivos);
  const bool activas = AreasActivas(d.m_areas);
  const bool hayServicios =
      std::any_of(d.m_servicios.begin(), d.m_servicios.end(),
                  [&](const CServicios& s) { return Considerada(s, d.m_areas, activas); });
  const bool conProceso = proceso != Proceso::SiHaceFalta || !b.participan;
  const bool sinFijar = d.m_tCalienteGenerico == kTSentinel && d.m_tFrioGenerico == kTSentinel;
  if (conProceso && proceso != Proceso::AlDia) d.CalcularObjetivos();
  if (!hayServicios && conProceso) {
    // Without utilities the table with them is the process table.
    d.m_numIntervalosConServ = d.m_numIntervalos;
    d.m_temperaturasConServ = d.m_temperaturas;
    d.m_caloresConServ = d.m_calores;
    d.m_cascadaConServ = d.m_cascada;
  } else if (b.participan || (sinFijar && origen == OrigenGenericas::ConServicios)) {
    d.CalcularObjetivosServicios();
  }
  if (sinFijar)
    FijarTemperaturasGenericas(
        d, origen == OrigenGenericas::Proceso ? d.m_temperaturas : d.m_temperaturasConServ);
  // The residual needs: what the defined utilities leave over when they take
  // part, otherwise the process's own minimum utilities, so that utilities
  // that take no part do not hide the process's needs.
  if (b.participan) {
    b.arriba = Primera(d.m_cascadaConServ);
    b.abajo = Ultima(d.m_cascadaConServ);
    b.cubren = CubrenProblema(d);
  } else {
    b.arriba = Primera(d.m_cascada);
    b.abajo = Ultima(d.m_cascada);
  }
  return b;
}

std::int32_t Unidades(const CDiagrama& d, const Base& b, double P, double half) {
  std::vector<CCorriente> genericas;
  if (!b.cubren) genericas = CorrientesGenericas(d, b.arriba, b.abajo);
  const bool activas = AreasActivas(d.m_areas);
  std::int32_t n = 0;
  bool sobre = false, bajo = false;
  for (const CCorriente& c : d.m_corrientes)
    if (Considerada(c, d.m_areas, activas)) ContarLados(c, P, half, n, sobre, bajo);
  for (const CCorriente& c : genericas)
    if (Considerada(c, d.m_areas, activas)) ContarLados(c, P, half, n, sobre, bajo);
  if (b.participan)
    for (const CServicios& s : d.m_servicios)
      if (Considerada(s, d.m_areas, activas)) ContarLados(s, P, half, n, sobre, bajo);
  if (sobre) --n;
  if (bajo) --n;
  return n;
}

// ---- Composites and the walk between them

LadoArea::LadoArea(bool caliente) : caliente_(caliente) {}

LadoArea::Miembros& LadoArea::Vaciar() {
  m_.grupo.clear();
  m_.h.clear();
  m_.ref.clear();
  return m_;
}

void LadoArea::Construir() {
  tabla_.Rehacer(std::span<const GrupoCorrientes>(&m_.grupo, 1), 0.0);
  DeTabla(tabla_, Pesos(FactoresPelicula{}), base_);
}

const std::vector<double>& LadoArea::Pesos(const FactoresPelicula& f) const {
  std::vector<double>& w = pesos_;
  w.resize(m_.h.size());
  for (std::size_t k = 0; k < m_.h.size(); ++k) {
    const std::int32_t r = m_.ref[k];
    const double factor = EsServicio(r)
                              ? Factor(f.servicios, static_cast<std::size_t>(IndiceServicio(r)))
                              : Factor(f.corrientes, static_cast<std::size_t>(r));
    w[k] = 1.0 / (m_.h[k] * factor);
  }
  return w;
}

void LadoArea::DeTabla(const TablaColocada& t, std::span<const double> pesos,
                       CurvaArea& c) const {
  c.T.clear();
  c.H.clear();
  c.porGrado.clear();
  c.concentrado.clear();
  const TablaProblema& tp = t.Tabla();
  const std::size_t n = tp.T.size();
  if (n == 0 || tp.C.size() != n) return;
  c.T = tp.T;  // built without shift: the streams' own temperatures
  c.H.resize(n);
  for (std::size_t i = 0; i < n; ++i)
    c.H[i] = caliente_ ? tp.C[n - 1] - tp.C[i] : tp.C[i] + tp.C[n - 1];
  TablaColocada::Sumas& s = sumas_;
  t.SumasPonderadas(pesos, s);
  c.porGrado.assign(s.porGrado.begin() + 1, s.porGrado.end());
  c.concentrado.assign(s.concentrado.begin() + 1, s.concentrado.end());
}

void LadoArea::Curva(const CCorriente* g, const FactoresPelicula& f, double factorGenerico,
                     CurvaArea& c) const {
  const bool unos = TodosUno(f.corrientes) && TodosUno(f.servicios);
  if (!g) {
    if (unos)
      c = base_;
    else
      DeTabla(tabla_, Pesos(f), c);
    return;
  }
  const double Tg = g->GetT1();
  const double q = std::fabs(g->GetH(kTSentinel, 1));
  const double w = 1.0 / (g->m_h * factorGenerico);
  // Far enough beyond the curve that no tolerance of the table reaches
  // across, the generic utility only adds its own segments.
  const double margen = 2.0 * kTolT;
  const bool fuera = std::isfinite(Tg) && Finitos(base_.T) &&
                     (base_.T.empty() ||
                      (caliente_ ? Tg - base_.T.front() >= margen : base_.T.back() - Tg >= margen));
  if (!fuera) {
    grupoConGenerica_ = m_.grupo;
    grupoConGenerica_.push_back(g);
    Pesos(f);
    pesos_.push_back(w);
    tablaConGenerica_.Rehacer(std::span<const GrupoCorrientes>(&grupoConGenerica_, 1), 0.0);
    DeTabla(tablaConGenerica_, pesos_, c);
    return;
  }
  if (unos)
    c = base_;
  else
    DeTabla(tabla_, Pesos(f), c);
  if (c.T.empty()) {
    c.T = {Tg, Tg};
    c.H = {q, 0.0};
    c.porGrado = {0.0};
    c.concentrado = {q * w};
    return;
  }
  if (caliente_) {
    // On top: a vertical segment at Tg, then a segment without heat down to
    // the curve.
    const double h0 = c.H.front();
    c.T.insert(c.T.begin(), {Tg, Tg});
    c.H.insert(c.H.begin(), {h0 + q, h0});
    c.porGrado.insert(c.porGrado.begin(), {0.0, 0.0});
    c.concentrado.insert(c.concentrado.begin(), {q * w, 0.0});
  } else {
    // Below: the curve rises by q, then a segment without heat down to Tc and
    // a vertical segment there.
    for (double& h : c.H) h += q;
    c.T.insert(c.T.end(), {Tg, Tg});
    c.H.insert(c.H.end(), {q, 0.0});
    c.porGrado.insert(c.porGrado.end(), {0.0, 0.0});
    c.concentrado.insert(c.concentrado.end(), {0.0, q * w});
  }
}

namespace {

// The considered streams (and utilities, when they take part) split into
// the hot side and the cold side, in one pass.
void Lados(const CDiagrama& d, bool participan, LadoArea::Miembros& cal,
           LadoArea::Miembros& fri) {
  const bool activas = AreasActivas(d.m_areas);
  auto anadir = [&](const CCorriente& c, std::int32_t ref) {
    if (!Considerada(c, d.m_areas, activas)) return;
    LadoArea::Miembros& m = c.m_fria != 0 ? fri : cal;
    m.grupo.push_back(&c);
    m.h.push_back(c.m_h);
    m.ref.push_back(ref);
  };
  for (std::size_t k = 0; k < d.m_corrientes.size(); ++k)
    anadir(d.m_corrientes[k], static_cast<std::int32_t>(k));
  if (participan)
    for (std::size_t k = 0; k < d.m_servicios.size(); ++k)
      anadir(d.m_servicios[k], kRefServicio + static_cast<std::int32_t>(k));
}

}  // namespace

ProblemaArea::ProblemaArea() : caliente_(true), fria_(false) {}

ProblemaArea::ProblemaArea(const CDiagrama& d, bool participan) : ProblemaArea() {
  Preparar(d, participan);
}

void ProblemaArea::Preparar(const CDiagrama& d, bool participan) {
  Lados(d, participan, caliente_.Vaciar(), fria_.Vaciar());
  caliente_.Construir();
  fria_.Construir();
}

const ProblemaArea& ProblemaDelHilo(const CDiagrama& d, bool participan) {
  thread_local ProblemaArea pa;
  pa.Preparar(d, participan);
  return pa;
}

double ProblemaArea::Area(const CDiagrama& d, const Base& b, const FactoresPelicula& f) const {
  const std::vector<CCorriente> genericas = CorrientesGenericas(d, b.arriba, b.abajo);
  const bool activas = AreasActivas(d.m_areas);
  const CCorriente* gCal = nullptr;
  const CCorriente* gFri = nullptr;
  for (const CCorriente& g : genericas) {
    if (!Considerada(g, d.m_areas, activas)) continue;
    (g.m_fria ? gFri : gCal) = &g;
  }
  caliente_.Curva(gCal, f, f.calienteGenerico, curvaCaliente_);
  fria_.Curva(gFri, f, f.frioGenerico, curvaFria_);
  return AreaEntreCurvas(curvaCaliente_, curvaFria_);
}

double AreaEntreCurvas(const CurvaArea& cal, const CurvaArea& fri) {
  const std::size_t nh = cal.T.size();
  const std::size_t nc = fri.T.size();
  if (nh < 2 || nc < 2) return 0.0;
  double A = 0.0;
  std::size_t i = 0, j = 0;
  while (i + 1 < nh && j + 1 < nc) {
    // Segments without heat (a temperature gap of one curve) take no part.
    if (cal.H[i] == cal.H[i + 1]) {
      ++i;
      continue;
    }
    if (fri.H[j] == fri.H[j + 1]) {
      ++j;
      continue;
    }
    const double hSup = std::min(cal.H[i], fri.H[j]);
    const double hInf = std::max(cal.H[i + 1], fri.H[j + 1]);
    if (hSup > hInf) {
      const double dH = hSup - hInf;
      const double calSup = TEn(cal, i, hSup), calInf = TEn(cal, i, hInf);
      const double friSup = TEn(fri, j, hSup), friInf = TEn(fri, j, hInf);
      const double dt1 = friInf - calInf, dt2 = friSup - calSup;
      // Curves that touch where heat passes (DT min 0 at the pinch) need an
      // unbounded area: the target is not finite, whatever the rounding of
      // the temperature difference there.
      if (std::fabs(dt1) <= kTolContacto || std::fabs(dt2) <= kTolContacto)
        return std::numeric_limits<double>::infinity();
      const double lmtd = MediaLogaritmica(dt1, dt2);
      if (lmtd != 0.0 && std::isfinite(lmtd)) {
        const double S =
            Resistencia(cal, i, calSup, calInf, dH) + Resistencia(fri, j, friSup, friInf, dH);
        A += S / lmtd;
      }
    }
    // The curve whose lower point closes the interval moves on (both when
    // they close it together; both as well on damaged values, so the walk
    // always ends).
    const bool avCal = cal.H[i + 1] == hInf;
    const bool avFri = fri.H[j + 1] == hInf;
    if (avCal || !avFri) ++i;
    if (avFri || !avCal) ++j;
  }
  return A;
}

}  // namespace objetivos

using namespace objetivos;

double MediaLogaritmica(double dt1, double dt2) {
  if (dt1 == dt2) return std::fabs(dt1);
  // Touching or crossing curves: no finite mean difference.
  if (!(dt1 * dt2 > 0.0)) return 0.0;
  // ln(dt1/dt2) through log1p keeps close ends accurate.
  const double lm = (dt1 - dt2) / std::log1p((dt1 - dt2) / dt2);
  return std::isfinite(lm) ? std::fabs(lm) : 0.0;
}

std::int32_t CalcularNMinCambiadores(CDiagrama& d, std::int32_t soloObjetivos) {
  return CalcularNMinCambiadores(d, soloObjetivos, false);
}

std::int32_t CalcularNMinCambiadores(CDiagrama& d, std::int32_t soloObjetivos,
                                     bool objetivosAlDia) {
  const Base b = PrepararBase(d, soloObjetivos, objetivosAlDia ? Proceso::AlDia : Proceso::Calcular,
                              OrigenGenericas::Proceso);
  return Unidades(d, b, d.m_tPinch, d.m_dtMin / 2.0);
}

double CalcularAreaMinima(CDiagrama& d, std::int32_t soloObjetivos) {
  return CalcularAreaMinima(d, soloObjetivos, FactoresPelicula{});
}

double CalcularAreaMinima(CDiagrama& d, std::int32_t soloObjetivos, const FactoresPelicula& f) {
  const Base b =
      PrepararBase(d, soloObjetivos, Proceso::SiHaceFalta, OrigenGenericas::ConServicios);
  return ProblemaDelHilo(d, b.participan).Area(d, b, f);
}

std::string TextoObjetivo(double v, const char* infinito, int digitos) {
  return std::isinf(v) && v > 0.0 ? std::string(infinito) : NumTexto(v, digitos);
}

}  // namespace vardo
