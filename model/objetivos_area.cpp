// Unit and area targets: minimum number of units above and below the pinch,
// minimum area of the balanced composite curves. The composite curves come
// from the problem-table core on local stream pools, so the network's own
// targets and arrays stay as they were.
#include "model/objetivos_area.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "model/constantes.h"
#include "model/tabla_problema.h"

namespace vardo {

namespace {

// A stream whose temperature range misses an interval by this much or more
// (K) does not exchange heat in it.
constexpr double kTolIntervalo = 1e-5;

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
std::vector<CCorriente> CorrientesGenericas(const CDiagrama& d, double arriba, double abajo,
                                            double hFrio, double hCaliente) {
  std::vector<CCorriente> g;
  g.reserve(2);
  const std::int32_t area = PrimeraAreaMostrada(d);
  if (abajo != 0.0) {
    g.emplace_back(d.m_tFrioGenerico, d.m_tFrioGenerico, abajo, 1, 1);
    g.back().m_area = area;
    g.back().m_h = hFrio;
  }
  if (arriba != 0.0) {
    g.emplace_back(d.m_tCalienteGenerico, d.m_tCalienteGenerico, -arriba, 0, 1);
    g.back().m_area = area;
    g.back().m_h = hCaliente;
  }
  return g;
}

bool UtilidadesParticipan(const CDiagrama& d, std::int32_t soloObjetivos) {
  return soloObjetivos == 0 && d.m_serviciosVisibles != 0;
}

// Heat left for utilities at the top and at the bottom of the cascade: what
// the defined utilities leave over when they take part (the ends of the
// cascade with utilities, freshly computed), otherwise the process's own
// minimum utilities, so that defined utilities that take no part do not hide
// the process's needs.
struct Residuos {
  double arriba, abajo;
};

Residuos ResiduosServicios(const CDiagrama& d, bool participan) {
  if (participan) return {Primera(d.m_cascadaConServ), Ultima(d.m_cascadaConServ)};
  const TablaProblema t =
      ResolverTablaProblema(CorrientesConsideradas(d.m_corrientes, d.m_areas), d.m_dtMin);
  return {t.CalienteMinimo(), t.FrioMinimo()};
}

bool EsLatente(const CCorriente& c) {
  return c.GetCP(kTSentinel, kTSentinel) == kCpLatente || c.m_latente != 0;
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

// A composite curve: real temperatures falling from index 0, enthalpies
// falling to 0 at the last point.
struct Compuesta {
  std::vector<double> T;
  std::vector<double> H;
  std::size_t Num() const { return T.size(); }
  // Temperature at enthalpy h within segment k (points k and k + 1).
  double TEn(std::size_t k, double h) const {
    const double dH = H[k + 1] - H[k];
    if (dH == 0.0) return T[k];
    return T[k] + (h - H[k]) / dH * (T[k + 1] - T[k]);
  }
};

Compuesta CurvaCompuesta(const GrupoCorrientes& g, double dtMin, bool caliente) {
  Compuesta cc;
  if (g.empty()) return cc;
  const TablaProblema t = ResolverTablaProblema(g, dtMin);
  const std::size_t n = t.T.size();
  if (n == 0 || t.C.size() != n) return cc;
  const double half = dtMin * 0.5;
  cc.T.resize(n);
  cc.H.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (caliente) {
      cc.H[i] = t.C[n - 1] - t.C[i];
      cc.T[i] = t.T[i] + half;
    } else {
      cc.H[i] = t.C[i] + t.C[n - 1];
      cc.T[i] = t.T[i] - half;
    }
  }
  return cc;
}

// One stream of the area sum with its effective film coefficient and what
// the walk asks of it in every interval.
struct Miembro {
  Miembro(const CCorriente& corriente, double hEfectivo)
      : c(&corriente),
        h(hEfectivo),
        T1(corriente.GetT1()),
        T2(corriente.GetT2()),
        calor(std::fabs(corriente.GetH(kTSentinel, 1))),
        fria(corriente.m_fria != 0),
        latente(EsLatente(corriente)),
        recta(!latente && corriente.GetNumPuntos() == 2),
        mcp(recta ? corriente.GetCP(kTSentinel, kTSentinel) : 0.0) {}
  const CCorriente* c;
  double h;
  double T1, T2;  // supply and target temperatures
  double calor;   // whole heat, kW
  bool fria;
  bool latente;
  bool recta;  // two points: the same m·cp over any part of its range
  double mcp;
};

// One enthalpy interval of the walk, with the temperatures of both curves at
// its ends and the enthalpy widths of the two current segments.
struct Intervalo {
  double dH;
  double calSup, calInf;  // hot curve at the upper and lower enthalpy
  double friSup, friInf;  // cold curve
  double segCal, segFri;  // enthalpy width of the current segment of each curve
};

// Heat of one stream in the interval divided by its film coefficient; 0 when
// the stream does not span the interval on its side.
double Resistencia(const Miembro& m, const Intervalo& iv) {
  const double sup = m.fria ? iv.friSup : iv.calSup;
  const double inf = m.fria ? iv.friInf : iv.calInf;
  if (!m.fria) {
    if (m.T2 - inf >= kTolIntervalo || sup - m.T1 >= kTolIntervalo) return 0.0;
  } else {
    if (m.T1 - inf >= kTolIntervalo || sup - m.T2 >= kTolIntervalo) return 0.0;
  }
  double q;
  if (m.latente) {
    // A latent stream makes a flat segment of its composite; several latent
    // streams at one temperature share it by their heats. Its heat here is
    // its share of the interval's width.
    const double seg = m.fria ? iv.segFri : iv.segCal;
    const double parte = seg > 0.0 ? std::min(1.0, m.calor / seg) : 1.0;
    q = iv.dH * parte;
  } else {
    q = (sup - inf) * (m.recta ? m.mcp : m.c->GetCP(sup, inf));
  }
  return std::fabs(q) / m.h;
}

// Vertical heat transfer between the two composites: the enthalpy axis is cut
// at every breakpoint of either curve, and each interval adds the sum of its
// streams' heat over film coefficient divided by its logarithmic mean
// temperature difference.
double AreaEntreCompuestas(const Compuesta& cal, const Compuesta& fri,
                           const std::vector<Miembro>& miembros) {
  const std::size_t nh = cal.Num();
  const std::size_t nc = fri.Num();
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
      Intervalo iv;
      iv.dH = hSup - hInf;
      iv.calSup = cal.TEn(i, hSup);
      iv.calInf = cal.TEn(i, hInf);
      iv.friSup = fri.TEn(j, hSup);
      iv.friInf = fri.TEn(j, hInf);
      iv.segCal = cal.H[i] - cal.H[i + 1];
      iv.segFri = fri.H[j] - fri.H[j + 1];
      const double lmtd = MediaLogaritmica(iv.friInf - iv.calInf, iv.friSup - iv.calSup);
      if (lmtd != 0.0 && std::isfinite(lmtd)) {
        double S = 0.0;
        for (const Miembro& m : miembros) S += Resistencia(m, iv);
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

double Factor(const std::vector<double>& f, std::size_t k) {
  return k < f.size() ? f[k] : 1.0;
}

}  // namespace

double MediaLogaritmica(double dt1, double dt2) {
  if (dt1 == dt2) return std::fabs(dt1);
  // Touching or crossing curves: no finite mean difference.
  if (!(dt1 * dt2 > 0.0)) return 0.0;
  // ln(dt1/dt2) through log1p keeps close ends accurate.
  const double lm = (dt1 - dt2) / std::log1p((dt1 - dt2) / dt2);
  return std::isfinite(lm) ? std::fabs(lm) : 0.0;
}

std::int32_t CalcularNMinCambiadores(CDiagrama& d, std::int32_t soloObjetivos) {
  d.CalcularObjetivos();
  d.CalcularObjetivosServicios();
  FijarTemperaturasGenericas(d, d.m_temperaturas);

  const bool participan = UtilidadesParticipan(d, soloObjetivos);
  const Residuos r = ResiduosServicios(d, participan);
  const bool cubren = participan && d.ServiciosCubrenProblema();
  std::vector<CCorriente> genericas;
  if (!cubren)
    genericas = CorrientesGenericas(d, r.arriba, r.abajo, d.m_hFrioGenerico, d.m_hCalienteGenerico);

  const double P = d.m_tPinch;
  const double half = d.m_dtMin / 2.0;
  const bool activas = AreasActivas(d.m_areas);
  std::int32_t n = 0;
  bool sobre = false, bajo = false;
  for (const CCorriente& c : d.m_corrientes)
    if (Considerada(c, d.m_areas, activas)) ContarLados(c, P, half, n, sobre, bajo);
  for (const CCorriente& c : genericas)
    if (Considerada(c, d.m_areas, activas)) ContarLados(c, P, half, n, sobre, bajo);
  if (participan)
    for (const CServicios& s : d.m_servicios)
      if (Considerada(s, d.m_areas, activas)) ContarLados(s, P, half, n, sobre, bajo);
  if (sobre) --n;
  if (bajo) --n;
  return n;
}

double CalcularAreaMinima(CDiagrama& d, std::int32_t soloObjetivos) {
  return CalcularAreaMinima(d, soloObjetivos, FactoresPelicula{});
}

double CalcularAreaMinima(CDiagrama& d, std::int32_t soloObjetivos, const FactoresPelicula& f) {
  d.CalcularObjetivosServicios();
  FijarTemperaturasGenericas(d, d.m_temperaturasConServ);

  const bool participan = UtilidadesParticipan(d, soloObjetivos);
  const Residuos r = ResiduosServicios(d, participan);
  const std::vector<CCorriente> genericas =
      CorrientesGenericas(d, r.arriba, r.abajo, d.m_hFrioGenerico * f.frioGenerico,
                          d.m_hCalienteGenerico * f.calienteGenerico);

  // The streams of the area sum, and the hot and cold pools of the composites.
  const bool activas = AreasActivas(d.m_areas);
  std::vector<Miembro> miembros;
  GrupoCorrientes calientes, frias;
  auto anadir = [&](const CCorriente& c, double h) {
    if (!Considerada(c, d.m_areas, activas)) return;
    miembros.emplace_back(c, h);
    (c.m_fria ? frias : calientes).push_back(&c);
  };
  for (std::size_t k = 0; k < d.m_corrientes.size(); ++k)
    anadir(d.m_corrientes[k], d.m_corrientes[k].m_h * Factor(f.corrientes, k));
  for (const CCorriente& g : genericas) anadir(g, g.m_h);
  if (participan)
    for (std::size_t k = 0; k < d.m_servicios.size(); ++k)
      anadir(d.m_servicios[k], d.m_servicios[k].m_h * Factor(f.servicios, k));

  const Compuesta cal = CurvaCompuesta(calientes, d.m_dtMin, true);
  const Compuesta fri = CurvaCompuesta(frias, d.m_dtMin, false);
  return AreaEntreCompuestas(cal, fri, miembros);
}

}  // namespace vardo
