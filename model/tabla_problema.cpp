#include "model/tabla_problema.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "model/constantes.h"

namespace vardo {

namespace {

// Falling order with NaN last: a strict weak order even on damaged data, so the
// sort is well defined, and the predicates of the searches below stay monotone.
bool Mayor(double a, double b) {
  if (std::isnan(a)) return false;
  if (std::isnan(b)) return true;
  return a > b;
}

bool TienePuntos(const CCorriente& c) { return c.GetNumPuntos() > 0; }

double PrimeraT(const CCorriente& c) { return c.GetPunto(0, 1); }
double UltimaT(const CCorriente& c) { return c.GetPunto(c.GetNumPuntos() - 1, 1); }

// Decides whether a second equal interval temperature is needed. A duplicate is
// kept for a latent stream with heat whose shifted supply temperature lies
// within kTolT of it, and for a stream with two points of different enthalpy
// that both lie within kTolT of it (a vertical step of a table).
//
// For the second rule it is enough to look at neighbouring points once each
// stream's points are sorted by temperature: if two points within kTolT of t
// differ in enthalpy, some neighbouring pair between them does too, and every
// point between two points within kTolT of t is itself within kTolT. Each rule
// becomes a candidate keyed by a temperature; a query looks only at the
// candidates near it, so the search costs little more than the sort.
class NecesidadDuplicados {
 public:
  NecesidadDuplicados(std::span<const GrupoCorrientes> pool, double half) {
    std::vector<std::pair<double, double>> puntos;  // (shifted T, H)
    for (const GrupoCorrientes& g : pool) {
      for (const CCorriente* pc : g) {
        const CCorriente& c = *pc;
        if (!TienePuntos(c)) continue;
        const double d = c.m_fria ? half : -half;
        if (c.m_latente && std::fabs(c.GetH(kTSentinel, 1)) > kTolH) {
          const double s = PrimeraT(c) + d;
          cand_.push_back({s, s, s});
        }
        const int np = c.GetNumPuntos();
        if (np < 2) continue;
        puntos.clear();
        for (int k = 0; k < np; ++k) puntos.emplace_back(c.GetPunto(k, 1) + d, c.GetPunto(k, 0));
        std::sort(puntos.begin(), puntos.end(),
                  [](const auto& a, const auto& b) { return Mayor(b.first, a.first); });
        for (std::size_t k = 1; k < puntos.size(); ++k) {
          if (puntos[k - 1].second != puntos[k].second)
            cand_.push_back({puntos[k - 1].first, puntos[k - 1].first, puntos[k].first});
        }
      }
    }
    std::sort(cand_.begin(), cand_.end(),
              [](const Candidato& a, const Candidato& b) { return Mayor(b.clave, a.clave); });
  }

  bool Necesario(double t) {
    if (hayUltima_ && t == ultimaT_) return ultimaR_;
    bool r = false;
    // Every candidate that can hold has its key within kTolT of t; the window
    // is twice as wide to stay clear of rounding.
    auto it = std::partition_point(cand_.begin(), cand_.end(), [&](const Candidato& c) {
      return Mayor(t - 2 * kTolT, c.clave);
    });
    for (; it != cand_.end() && !Mayor(it->clave, t + 2 * kTolT); ++it) {
      if (std::fabs(t - it->s1) < kTolT && std::fabs(t - it->s2) < kTolT) {
        r = true;
        break;
      }
    }
    hayUltima_ = true;
    ultimaT_ = t;
    ultimaR_ = r;
    return r;
  }

 private:
  struct Candidato {
    double clave;  // rising order
    double s1, s2;
  };
  std::vector<Candidato> cand_;
  bool hayUltima_ = false;
  double ultimaT_ = 0.0;
  bool ultimaR_ = false;
};

// Indices i in [1, n) with a <= T[i] <= b, T falling (NaN last).
std::pair<std::size_t, std::size_t> Rango(const std::vector<double>& T, double a, double b) {
  if (T.size() < 2) return {1, 1};
  auto ini = T.begin() + 1;
  auto lo = std::partition_point(ini, T.end(), [&](double v) { return v > b; });
  auto hi = std::partition_point(lo, T.end(), [&](double v) { return v >= a; });
  return {static_cast<std::size_t>(lo - T.begin()), static_cast<std::size_t>(hi - T.begin())};
}

void SumarCorriente(const CCorriente& c, double half, const std::vector<double>& T,
                    std::vector<double>& Q) {
  if (!TienePuntos(c)) return;
  const std::size_t n = T.size();
  if (c.m_latente) {
    // The whole heat goes to the interval just below the first boundary that
    // matches the shifted supply temperature.
    const double s = PrimeraT(c) + (c.m_fria ? half : -half);
    auto it = std::partition_point(T.begin(), T.end(), [&](double v) { return v - s >= kTolT; });
    const std::size_t i = static_cast<std::size_t>(it - T.begin());
    if (i < n && std::fabs(T[i] - s) < kTolT && i + 1 < n) Q[i + 1] += c.GetH(kTSentinel, 1);
    return;
  }
  const bool tabla = !c.m_lineal;
  if (c.m_fria) {
    const auto [lo, hi] = Rango(T, PrimeraT(c) + half, UltimaT(c) + half);
    for (std::size_t i = lo; i < hi; ++i) {
      if (std::fabs(T[i] - T[i - 1]) > kTolSpan)
        Q[i] -= c.GetH(T[i] - half, 0) - c.GetH(T[i - 1] - half, 1);
      else if (tabla)
        Q[i] -= c.GetH(T[i] - half, 1) - c.GetH(T[i - 1] - half, 0);
    }
  } else {
    const auto [lo, hi] = Rango(T, UltimaT(c) - half, PrimeraT(c) - half);
    for (std::size_t i = lo; i < hi; ++i) {
      if (std::fabs(T[i] - T[i - 1]) > kTolSpan)
        Q[i] += c.GetH(T[i] + half, 0) - c.GetH(T[i - 1] + half, 1);
      else if (tabla)
        Q[i] += c.GetH(T[i] + half, 1) - c.GetH(T[i - 1] + half, 0);
    }
  }
}

}  // namespace

bool AreasActivas(const std::vector<CAreaIntegridad>& areas) {
  return std::any_of(areas.begin(), areas.end(),
                     [](const CAreaIntegridad& a) { return a.mostrada != 0; });
}

bool Considerada(const CCorriente& c, const std::vector<CAreaIntegridad>& areas, bool activas) {
  if (!activas) return true;
  if (c.m_area < 0 || static_cast<std::size_t>(c.m_area) >= areas.size()) return false;
  return areas[static_cast<std::size_t>(c.m_area)].mostrada != 0;
}

double TemperaturaDesplazada(const CCorriente& c, double T, double dtMin) {
  const double half = dtMin * 0.5;
  return c.m_fria ? T + half : T - half;
}

std::vector<double> CalcularIntervalosTabla(std::span<const GrupoCorrientes> pool, double dtMin) {
  const double half = dtMin * 0.5;
  std::size_t n = 0;
  for (const GrupoCorrientes& g : pool)
    for (const CCorriente* c : g) n += static_cast<std::size_t>(std::max(0, c->GetNumPuntos()));
  std::vector<double> T;
  T.reserve(n);
  for (const GrupoCorrientes& g : pool) {
    for (const CCorriente* c : g) {
      const double d = c->m_fria ? half : -half;
      for (int k = 0; k < c->GetNumPuntos(); ++k) T.push_back(c->GetPunto(k, 1) + d);
    }
  }
  std::sort(T.begin(), T.end(), Mayor);
  if (T.size() < 2) return T;

  // Equal values: a third one is always dropped, a second one only kept when
  // a latent stream or a vertical step needs the zero-width interval.
  NecesidadDuplicados necesidad(pool, half);
  std::vector<double> r;
  r.reserve(T.size());
  r.push_back(T[0]);
  for (std::size_t i = 1; i < T.size(); ++i) {
    const double v = T[i];
    if (v != r.back()) {
      r.push_back(v);
    } else if (r.size() >= 2 && r[r.size() - 2] == v) {
      continue;
    } else if (necesidad.Necesario(v)) {
      r.push_back(v);
    }
  }
  return r;
}

std::vector<double> CalcularIntervalosTabla(const GrupoCorrientes& grupo, double dtMin) {
  return CalcularIntervalosTabla(std::span<const GrupoCorrientes>(&grupo, 1), dtMin);
}

CascadaTabla CalcularCascadaTabla(std::span<const GrupoCorrientes> pool, double dtMin,
                                  const std::vector<double>& T) {
  const double half = dtMin * 0.5;
  const std::size_t n = T.size();
  CascadaTabla r;
  r.Q.assign(n, 0.0);
  if (n == 0) return r;
  for (const GrupoCorrientes& g : pool)
    for (auto it = g.rbegin(); it != g.rend(); ++it) SumarCorriente(**it, half, T, r.Q);

  r.C = r.Q;
  for (std::size_t i = 1; i < n; ++i) r.C[i] = r.C[i - 1] - r.Q[i];
  std::size_t m = 0;
  for (std::size_t i = 1; i < n; ++i)
    if (r.C[i] < r.C[m]) m = i;
  const double minimo = r.C[m];
  for (double& c : r.C) {
    c -= minimo;
    if (c < kTolH) c = 0.0;
  }
  r.minimo = static_cast<int>(m);
  return r;
}

CascadaTabla CalcularCascadaTabla(const GrupoCorrientes& grupo, double dtMin,
                                  const std::vector<double>& T) {
  return CalcularCascadaTabla(std::span<const GrupoCorrientes>(&grupo, 1), dtMin, T);
}

int IndicePinch(const std::vector<double>& C, int minimo) {
  const int n = static_cast<int>(C.size());
  if (n == 0 || minimo < 0 || minimo >= n) return -1;
  if (minimo != 0) return minimo;
  for (int i = n - 2; i >= 1; --i)
    if (C[static_cast<std::size_t>(i)] == 0.0) return i;
  return 0;
}

TablaProblema ResolverTablaProblema(std::span<const GrupoCorrientes> pool, double dtMin) {
  TablaProblema t;
  t.T = CalcularIntervalosTabla(pool, dtMin);
  CascadaTabla c = CalcularCascadaTabla(pool, dtMin, t.T);
  t.Q = std::move(c.Q);
  t.C = std::move(c.C);
  t.pinch = IndicePinch(t.C, c.minimo);
  return t;
}

TablaProblema ResolverTablaProblema(const GrupoCorrientes& grupo, double dtMin) {
  return ResolverTablaProblema(std::span<const GrupoCorrientes>(&grupo, 1), dtMin);
}

double BuscarEnCurva(const std::vector<double>& x, const std::vector<double>& y, double v) {
  const std::size_t n = std::min(x.size(), y.size());
  if (n == 0) return 0.0;
  std::size_t i = v <= x[0] ? n - 1 : 0;
  std::size_t j = i;
  for (std::size_t k = 0; k < n; ++k) {
    if (v >= x[k]) {
      i = k;
      break;
    }
  }
  for (std::size_t k = n; k-- > 0;) {
    if (v <= x[k]) {
      j = k;
      break;
    }
  }
  if (i == j) return y[j];
  if (x[i] != x[j]) return y[i] + (v - x[i]) / (x[j] - x[i]) * (y[j] - y[i]);
  return std::min(y[i], y[j]);
}

}  // namespace vardo
