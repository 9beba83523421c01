// Targets worked out the plain way, to check the fast ones against: the
// problem table interval by interval with every stream asked through GetH,
// and the minimum area walked piece by piece with every stream's heat in
// each piece. Quadratic and slow on purpose. Also the seeded random problems
// these checks (and the benchmarks) run on. No test framework here, so the
// benchmarks can use it as well.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "model/constantes.h"
#include "model/diagrama.h"
#include "model/objetivos_area.h"
#include "model/objetivos_coste.h"
#include "model/servicios.h"
#include "model/tabla_problema.h"

namespace vardo::referencia {

using Pool = std::vector<const CCorriente*>;

inline double Desplazada(const CCorriente& c, double T, double half) {
  return c.m_fria ? T + half : T - half;
}

// ---- Problem table ----

// Every point shifted and sorted; an equal value is dropped unless a latent
// stream or two points of different enthalpy within 0.01 K of it need the
// zero-width interval; a third one always.
inline std::vector<double> Intervalos(const Pool& cs, double dt) {
  const double half = dt * 0.5;
  std::vector<double> T;
  for (const CCorriente* c : cs)
    for (int k = 0; k < c->GetNumPuntos(); ++k)
      T.push_back(Desplazada(*c, c->GetPunto(k, 1), half));
  std::sort(T.begin(), T.end(), std::greater<>());
  if (T.size() < 2) return T;
  std::vector<double> r{T[0]};
  for (std::size_t i = 1; i < T.size(); ++i) {
    const double v = T[i];
    if (v != r.back()) {
      r.push_back(v);
      continue;
    }
    if (r.size() >= 2 && r[r.size() - 2] == v) continue;
    bool necesario = false;
    for (const CCorriente* c : cs) {
      const CCorriente& s = *c;
      if (s.m_latente && std::fabs(s.GetH(kTSentinel, 1)) > 1e-5 &&
          std::fabs(v - Desplazada(s, s.GetPunto(0, 1), half)) < 0.01)
        necesario = true;
      std::vector<double> hs;
      for (int k = 0; k < s.GetNumPuntos(); ++k)
        if (std::fabs(v - Desplazada(s, s.GetPunto(k, 1), half)) < 0.01)
          hs.push_back(s.GetPunto(k, 0));
      for (double h : hs)
        if (h != hs.front()) necesario = true;
    }
    if (necesario) r.push_back(v);
  }
  return r;
}

// Interval of T (falling) whose upper boundary is the first within 0.01 K of
// the latent stream's shifted temperature; -1 when there is none below it.
inline int IntervaloLatente(const CCorriente& c, double half, const std::vector<double>& T) {
  const double s = Desplazada(c, c.GetPunto(0, 1), half);
  for (std::size_t i = 0; i < T.size(); ++i)
    if (std::fabs(T[i] - s) < 0.01) return i + 1 < T.size() ? static_cast<int>(i) + 1 : -1;
  return -1;
}

// Heat of a sensible stream between the shifted temperatures lo < hi (the
// part inside its range): steps strictly between them counted, steps at lo
// or hi left out (they belong to the zero-width interval there); positive
// for a cold stream, negative for a hot one.
inline double CalorEntre(const CCorriente& c, double lo, double hi, double half) {
  const double a = Desplazada(c, c.GetT1(), half), b = Desplazada(c, c.GetT2(), half);
  const double bajo = std::min(a, b), alto = std::max(a, b);
  const bool dentroArriba = hi > alto, dentroAbajo = lo < bajo;
  lo = std::max(lo, bajo);
  hi = std::min(hi, alto);
  if (!(hi > lo)) return 0.0;
  // Which of two points at one temperature GetH answers: lado 0 the later
  // one along a cold stream, the earlier one along a hot one.
  if (c.m_fria)
    return c.GetH(hi - half, dentroArriba ? 0 : 1) - c.GetH(lo - half, dentroAbajo ? 1 : 0);
  return c.GetH(lo + half, dentroAbajo ? 1 : 0) - c.GetH(hi + half, dentroArriba ? 0 : 1);
}

// Heat of a stream's vertical steps at shifted temperature t.
inline double Escalon(const CCorriente& c, double t, double half) {
  const double a = Desplazada(c, c.GetT1(), half), b = Desplazada(c, c.GetT2(), half);
  if (t < std::min(a, b) || t > std::max(a, b)) return 0.0;
  if (c.m_fria) return c.GetH(t - half, 0) - c.GetH(t - half, 1);
  return c.GetH(t + half, 1) - c.GetH(t + half, 0);
}

// A sensible stream whose ends run its way.
inline bool Orientada(const CCorriente& c) {
  return c.m_fria ? c.GetT1() <= c.GetT2() : c.GetT1() >= c.GetT2();
}

// Net heat demand of every interval: every stream asked for its heat in
// every interval (latent streams under their first matching boundary, steps
// in their zero-width interval).
inline std::vector<double> Calores(const Pool& cs, double dt, const std::vector<double>& T) {
  const double half = dt * 0.5;
  std::vector<double> Q(T.size(), 0.0);
  for (const CCorriente* c : cs) {
    if (c->m_latente) {
      const int i = IntervaloLatente(*c, half, T);
      if (i > 0) Q[static_cast<std::size_t>(i)] += c->GetH(kTSentinel, 1);
      continue;
    }
    if (!Orientada(*c)) continue;
    for (std::size_t i = 1; i < T.size(); ++i)
      Q[i] += T[i] == T[i - 1] ? Escalon(*c, T[i], half) : CalorEntre(*c, T[i], T[i - 1], half);
  }
  return Q;
}

struct Tabla {
  std::vector<double> T, Q, C;
  double pinch = 0.0;
};

// The whole table: cascade, shift to a smallest entry of 0 (below 1e-5 is
// 0), pinch at the first minimum or, at the top, the lowest inner zero.
inline Tabla ResolverTabla(const Pool& cs, double dt) {
  Tabla t;
  t.T = Intervalos(cs, dt);
  t.Q = Calores(cs, dt, t.T);
  const std::size_t n = t.T.size();
  if (n == 0) return t;
  t.C.assign(n, 0.0);
  t.C[0] = t.Q[0];
  for (std::size_t i = 1; i < n; ++i) t.C[i] = t.C[i - 1] - t.Q[i];
  std::size_t m = 0;
  for (std::size_t i = 1; i < n; ++i)
    if (t.C[i] < t.C[m]) m = i;
  const double minimo = t.C[m];
  for (double& c : t.C) {
    c -= minimo;
    if (c < 1e-5) c = 0.0;
  }
  if (m == 0)
    for (std::size_t i = n - 1; i-- > 1;)
      if (t.C[i] == 0.0) {
        m = i;
        break;
      }
  t.pinch = t.T[m];
  return t;
}

// ---- Minimum area ----

struct Miembro {
  const CCorriente* c;
  double h;  // film coefficient with its factor
};

// One side's composite from its own problem table at the network's DT min,
// back on the streams' temperatures, with the interval of the table that
// holds each latent heat and step.
struct Lado {
  std::vector<double> T, H;
  std::vector<Miembro> m;
  double half = 0.0;
  std::vector<double> Tabla;  // shifted boundaries
};

inline Lado Compuesta(const std::vector<Miembro>& m, double dt, bool caliente) {
  Lado l;
  l.m = m;
  l.half = dt * 0.5;
  Pool p;
  for (const Miembro& x : m) p.push_back(x.c);
  if (p.empty()) return l;
  const referencia::Tabla t = ResolverTabla(p, dt);
  const std::size_t n = t.T.size();
  l.Tabla = t.T;
  for (std::size_t i = 0; i < n; ++i) {
    l.T.push_back(caliente ? t.T[i] + l.half : t.T[i] - l.half);
    l.H.push_back(caliente ? t.C[n - 1] - t.C[i] : t.C[i] + t.C[n - 1]);
  }
  return l;
}

inline double TEn(const Lado& l, std::size_t k, double h) {
  const double dH = l.H[k + 1] - l.H[k];
  if (dH == 0.0) return l.T[k];
  return l.T[k] + (h - l.H[k]) / dH * (l.T[k + 1] - l.T[k]);
}

// Heat over film coefficient of one side's streams in the piece of segment k
// between temperatures sup and inf (enthalpy width dH): the sensible heat
// each stream has there, and each latent heat or step the segment holds by
// the piece's share of the segment.
inline double Resistencia(const Lado& l, std::size_t k, double sup, double inf, double dH) {
  const double seg = l.H[k] - l.H[k + 1];
  double S = 0.0;
  for (const Miembro& x : l.m) {
    const CCorriente& c = *x.c;
    double q = 0.0;
    if (c.m_latente) {
      if (IntervaloLatente(c, l.half, l.Tabla) == static_cast<int>(k) + 1 && seg > 0.0)
        q = std::fabs(c.GetH(kTSentinel, 1)) * dH / seg;
    } else if (Orientada(c)) {
      const double d = c.m_fria ? l.half : -l.half;
      q = std::fabs(CalorEntre(c, std::min(sup, inf) + d, std::max(sup, inf) + d, l.half));
      const double t = l.Tabla[k + 1];
      if (l.Tabla[k] == t && seg > 0.0) q += std::fabs(Escalon(c, t, l.half)) * dH / seg;
    }
    S += q / x.h;
  }
  return S;
}

// The segment of a curve that holds the enthalpies between hi and hs (one
// with heat), or none.
inline std::ptrdiff_t Segmento(const Lado& l, double hs, double hi) {
  for (std::size_t k = 0; k + 1 < l.H.size(); ++k)
    if (l.H[k] > l.H[k + 1] && l.H[k] >= hs && l.H[k + 1] <= hi)
      return static_cast<std::ptrdiff_t>(k);
  return -1;
}

// The enthalpy axis cut at every breakpoint of either curve; each piece adds
// its streams' heat over film coefficient divided by its logarithmic mean
// temperature difference.
inline double AreaEntre(const Lado& cal, const Lado& fri) {
  if (cal.H.size() < 2 || fri.H.size() < 2) return 0.0;
  const double tope = std::min(cal.H.front(), fri.H.front());
  std::vector<double> cortes{tope};
  for (const Lado* l : {&cal, &fri})
    for (double h : l->H)
      if (h < tope) cortes.push_back(h);
  std::sort(cortes.begin(), cortes.end(), std::greater<>());
  cortes.erase(std::unique(cortes.begin(), cortes.end()), cortes.end());
  double A = 0.0;
  for (std::size_t p = 0; p + 1 < cortes.size(); ++p) {
    const double hs = cortes[p], hi = cortes[p + 1];
    const std::ptrdiff_t i = Segmento(cal, hs, hi), j = Segmento(fri, hs, hi);
    if (i < 0 || j < 0) continue;
    const auto ki = static_cast<std::size_t>(i), kj = static_cast<std::size_t>(j);
    const double cs = TEn(cal, ki, hs), ci = TEn(cal, ki, hi);
    const double fs = TEn(fri, kj, hs), fi = TEn(fri, kj, hi);
    const double lmtd = MediaLogaritmica(fi - ci, fs - cs);
    if (lmtd != 0.0 && std::isfinite(lmtd))
      A += (Resistencia(cal, ki, cs, ci, hs - hi) + Resistencia(fri, kj, fs, fi, hs - hi)) / lmtd;
  }
  return A;
}

inline double FactorDe(const std::vector<double>& f, std::size_t k) {
  return k < f.size() ? f[k] : 1.0;
}

// Minimum area of a network whose generic utility temperatures are set: the
// residual needs from the process table (or the table with utilities when
// they take part) as two generic latent streams, then the walk.
inline double Area(const CDiagrama& d, int soloObjetivos, const FactoresPelicula& f = {}) {
  const bool participan = soloObjetivos == 0 && d.m_serviciosVisibles != 0;
  const bool activas = AreasActivas(d.m_areas);
  Pool proceso, todo;
  for (const CCorriente& c : d.m_corrientes)
    if (Considerada(c, d.m_areas, activas)) proceso.push_back(&c);
  todo = proceso;
  for (const CServicios& s : d.m_servicios)
    if (Considerada(s, d.m_areas, activas)) todo.push_back(&s);
  const referencia::Tabla t = ResolverTabla(participan ? todo : proceso, d.m_dtMin);
  const double arriba = t.C.empty() ? 0.0 : t.C.front();
  const double abajo = t.C.empty() ? 0.0 : t.C.back();

  std::vector<CCorriente> genericas;
  genericas.reserve(2);
  std::int32_t area = -1;
  for (std::size_t i = 0; i < d.m_areas.size() && area < 0; ++i)
    if (d.m_areas[i].mostrada) area = static_cast<std::int32_t>(i);
  if (abajo != 0.0) {
    genericas.emplace_back(d.m_tFrioGenerico, d.m_tFrioGenerico, abajo, 1, 1);
    genericas.back().m_h = d.m_hFrioGenerico * f.frioGenerico;
    genericas.back().m_area = area;
  }
  if (arriba != 0.0) {
    genericas.emplace_back(d.m_tCalienteGenerico, d.m_tCalienteGenerico, -arriba, 0, 1);
    genericas.back().m_h = d.m_hCalienteGenerico * f.calienteGenerico;
    genericas.back().m_area = area;
  }
  std::vector<Miembro> cal, fri;
  auto anadir = [&](const CCorriente& c, double h) {
    if (Considerada(c, d.m_areas, activas)) (c.m_fria ? fri : cal).push_back({&c, h});
  };
  for (std::size_t k = 0; k < d.m_corrientes.size(); ++k)
    anadir(d.m_corrientes[k], d.m_corrientes[k].m_h * FactorDe(f.corrientes, k));
  for (const CCorriente& g : genericas) anadir(g, g.m_h);
  if (participan)
    for (std::size_t k = 0; k < d.m_servicios.size(); ++k)
      anadir(d.m_servicios[k], d.m_servicios[k].m_h * FactorDe(f.servicios, k));
  return AreaEntre(Compuesta(cal, d.m_dtMin, true), Compuesta(fri, d.m_dtMin, false));
}

// Capital cost with the plain areas: the units as the target counts them,
// every cost law folded into the first stream's through the film
// coefficients, and the second area always walked.
inline double CosteInmovilizado(const CDiagrama& modelo, int soloObjetivos) {
  CDiagrama d(modelo);
  const double A = Area(d, soloObjetivos);
  std::int32_t N = CalcularNMinCambiadores(d, soloObjetivos);
  if (N <= 0) N = 1;
  const CCorriente& r = d.m_corrientes.front();
  FactoresPelicula f;
  for (std::size_t k = 0; k < d.m_corrientes.size(); ++k)
    f.corrientes.push_back(
        k == 0 ? 1.0
               : FactorLeyCoste(r.m_b, r.m_c, d.m_corrientes[k].m_b, d.m_corrientes[k].m_c, A / N));
  for (const CServicios& s : d.m_servicios)
    f.servicios.push_back(FactorLeyCoste(r.m_b, r.m_c, s.m_b, s.m_c, A / N));
  f.calienteGenerico = FactorLeyCoste(r.m_b, r.m_c, d.m_b1, d.m_c1, A / N);
  f.frioGenerico = FactorLeyCoste(r.m_b, r.m_c, d.m_b2, d.m_c2, A / N);
  const double A2 = Area(d, soloObjetivos, f);
  return N * (r.m_a + r.m_b * std::pow(A2 / N, r.m_c)) / d.m_amortizacion *
         FactorAmortizacion(d.m_amortizacion, d.m_interes) * d.m_factorLang;
}

// ---- Random problems ----

struct Aleatorio {
  int corrientes = 20;
  unsigned semilla = 1;
  bool enteras = false;    // ends in whole kelvin (many equal boundaries)
  bool especiales = true;  // latent and table streams among them
  bool servicios = false;  // a few utilities, shown
  bool leyes = false;      // cost laws and film coefficients of their own
  // In place of the above: sensible streams only, hot and cold alternating,
  // both ends drawn in 20-400 °C (293.15-673.15 K), no two ends of the whole
  // problem equal, m·cp 0.5 to 20 kW/K.
  bool alternas = false;
};

// Streams between 280 and 600 K, m·cp 0.5 to 10 kW/K, DT min 10 K; with
// especiales, one in six latent and one in six a table of three to five
// points, some with a vertical step.
inline CDiagrama ProblemaAlternas(const Aleatorio& o) {
  std::mt19937 rng(o.semilla);
  std::uniform_real_distribution<double> temp(293.15, 673.15), mcp(0.5, 20.0);
  std::set<double> usadas;
  auto T = [&] {
    for (;;)
      if (const double t = temp(rng); usadas.insert(t).second) return t;
  };
  CDiagrama d;
  d.SetDTMin(10.0);
  d.m_corrientes.reserve(static_cast<std::size_t>(o.corrientes));
  for (int i = 0; i < o.corrientes; ++i) {
    const double a = T(), b = T();
    const int fria = i % 2;
    const double alta = std::max(a, b), baja = std::min(a, b);
    d.m_corrientes.emplace_back(fria ? baja : alta, fria ? alta : baja, mcp(rng), fria, 0);
  }
  return d;
}

inline CDiagrama ProblemaAleatorio(const Aleatorio& o) {
  if (o.alternas) return ProblemaAlternas(o);
  std::mt19937 rng(o.semilla);
  std::uniform_real_distribution<double> temp(280.0, 600.0), mcp(0.5, 10.0), u(0.0, 1.0);
  auto T = [&] { return o.enteras ? std::floor(temp(rng)) : temp(rng); };
  CDiagrama d;
  d.SetDTMin(10.0);
  for (int i = 0; i < o.corrientes; ++i) {
    const int tipo = o.especiales ? static_cast<int>(rng() % 6) : 5;
    const int fria = static_cast<int>(rng() & 1u);
    if (tipo == 0) {
      const double t = T();
      d.m_corrientes.emplace_back(t, t, (fria ? 1 : -1) * 100.0 * mcp(rng), fria, 1);
    } else if (tipo == 1) {
      CCorriente c;
      c.BorrarPuntos();
      double t = T(), h = 0.0;
      c.AddPunto(t, 0.0);
      for (int k = 0, np = 2 + static_cast<int>(rng() % 3); k < np; ++k) {
        if (u(rng) < 0.7)
          t += (fria ? 1 : -1) * (o.enteras ? 1.0 + std::floor(40 * u(rng)) : 40 * u(rng));
        h += (fria ? 1 : -1) * 200.0 * u(rng);
        c.AddPunto(t, h);
      }
      c.m_fria = fria;
      c.m_lineal = 0;
      c.m_latente = 0;
      d.m_corrientes.push_back(c);
    } else {
      double a = T(), b = T();
      if (a == b) b += 1.0;
      d.m_corrientes.emplace_back(a, b, mcp(rng), b > a ? 1 : 0, 0);
    }
    if (o.leyes) {
      CCorriente& c = d.m_corrientes.back();
      c.m_h = 0.2 + 3.0 * u(rng);
      if (rng() % 3 == 0) {
        c.m_b = 500.0 + 1000.0 * u(rng);
        c.m_c = 0.5 + 0.4 * u(rng);
      }
    }
  }
  if (o.servicios) {
    // Two heating and two cooling utilities, one of each latent.
    auto servicio = [&](double t1, double t2, int fria) {
      CServicios s;
      s.m_T = {t1, t2};
      s.m_H = {0.0, fria ? 1.0 : -1.0};
      s.m_fria = fria;
      s.m_latente = t1 == t2 ? 1 : 0;
      s.m_carga = 50.0 + 500.0 * u(rng);
      s.m_h = 0.5 + 4.0 * u(rng);
      if (o.leyes) s.m_b = 600.0 + 800.0 * u(rng);
      d.m_servicios.push_back(s);
    };
    servicio(650.0, 650.0, 0);
    servicio(640.0, 610.0, 0);
    servicio(250.0, 250.0, 1);
    servicio(255.0, 270.0, 1);
    d.m_serviciosVisibles = 1;
  }
  return d;
}

// The considered process streams of a network.
inline Pool Proceso(const CDiagrama& d) {
  return CorrientesConsideradas(d.m_corrientes, d.m_areas);
}

// Sum of the magnitudes of the streams' heats: the scale of a table's errors.
inline double Escala(const Pool& p) {
  double e = 0.0;
  for (const CCorriente* c : p) e += std::fabs(c->GetH(kTSentinel, 1));
  return e;
}

// |a - b| within tol of the larger magnitude (or of 1 near zero).
inline bool Cerca(double a, double b, double tol) {
  return std::fabs(a - b) <= tol * std::max({1.0, std::fabs(a), std::fabs(b)});
}

}  // namespace vardo::referencia
