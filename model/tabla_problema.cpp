#include "model/tabla_problema.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

#include "model/constantes.h"

namespace vardo {

namespace tabla_detalle {

// One stream of a pool as the core reads it.
struct Miembro {
  const CCorriente* c;
  std::uint32_t primero;  // index of its first point
  std::uint32_t num;      // number of points
  bool fria;
  bool latente;
  // A sensible stream whose ends run its way (a cold one rising, a hot one
  // falling); any other takes no part, as its range holds no interval.
  bool orientada;
  double calor;  // whole heat, GetH(kTSentinel, 1)
};

// The streams of a pool and their points, read once.
struct Pool {
  std::vector<Miembro> miembros;
  std::vector<double> t;           // point temperatures, as entered
  std::vector<double> h;           // point enthalpies on the scale GetH answers on
  std::vector<std::uint8_t> fria;  // cold flag of each point's stream

  double Desplazada(std::uint32_t id, double half) const {
    return t[id] + (fria[id] ? half : -half);
  }
};

// A piece of a sensible stream between two of its points: g kW per kelvin
// (positive for a cold stream, negative for a hot one) over the whole
// intervals a..b, and over the parts it covers of at most two intervals its
// ends fall inside (only against intervals of another pool).
struct Pieza {
  std::uint32_t miembro;
  std::int32_t a, b;
  double g;
  std::int32_t parcial[2];  // interval, -1 none
  double ancho[2];          // kelvin covered
};

// Heat that goes whole into one interval: a latent stream's or a step's.
struct Concentrado {
  std::uint32_t miembro;
  std::int32_t intervalo;
  double calor;
};

struct Colocacion {
  std::vector<Pieza> piezas;
  std::vector<Concentrado> concentrados;
};

}  // namespace tabla_detalle

namespace {

using tabla_detalle::Colocacion;
using tabla_detalle::Concentrado;
using tabla_detalle::Miembro;
using tabla_detalle::Pieza;
using tabla_detalle::Pool;

// Falling order with NaN last: a strict weak order even on damaged data, so the
// sort is well defined, and the predicates of the searches below stay monotone.
bool Mayor(double a, double b) {
  if (std::isnan(a)) return false;
  if (std::isnan(b)) return true;
  return a > b;
}

// Compensated (Neumaier) addition of x to the sum s with its correction c.
void Acumular(double& s, double& c, double x) {
  const double t = s + x;
  if (std::fabs(s) >= std::fabs(x))
    c += (s - t) + x;
  else
    c += (x - t) + s;
  s = t;
}

Pool LeerPool(std::span<const GrupoCorrientes> grupos) {
  Pool p;
  std::size_t total = 0, corrientes = 0;
  for (const GrupoCorrientes& g : grupos) {
    corrientes += g.size();
    for (const CCorriente* c : g) total += static_cast<std::size_t>(std::max(0, c->GetNumPuntos()));
  }
  p.miembros.reserve(corrientes);
  p.t.reserve(total);
  p.h.reserve(total);
  p.fria.reserve(total);
  for (const GrupoCorrientes& g : grupos) {
    for (const CCorriente* c : g) {
      Miembro m{};
      m.c = c;
      m.primero = static_cast<std::uint32_t>(p.t.size());
      const int np = std::max(0, c->GetNumPuntos());
      m.num = static_cast<std::uint32_t>(np);
      m.fria = c->m_fria != 0;
      m.latente = c->m_latente != 0;
      if (np > 0) {
        m.calor = c->GetH(kTSentinel, 1);
        // The points' enthalpies brought to the scale of the virtual whole-
        // range query (a utility's curve times its load; 1 for a stream).
        const double ultimo = c->GetPunto(np - 1, 0);
        const double escala = (m.calor == ultimo || ultimo == 0.0) ? 1.0 : m.calor / ultimo;
        for (int k = 0; k < np; ++k) {
          p.t.push_back(c->GetPunto(k, 1));
          p.h.push_back(c->GetPunto(k, 0) * escala);
          p.fria.push_back(m.fria ? 1 : 0);
        }
        const double t1 = p.t[m.primero], t2 = p.t.back();
        m.orientada = m.fria ? t1 <= t2 : t1 >= t2;
      }
      p.miembros.push_back(m);
    }
  }
  return p;
}

// A point on the shifted scale.
struct Registro {
  double t;
  std::uint32_t id;
};

bool RegistroMayor(const Registro& a, const Registro& b) { return Mayor(a.t, b.t); }

std::vector<Registro> Ordenar(const Pool& p, double half) {
  std::vector<Registro> r(p.t.size());
  for (std::uint32_t id = 0; id < r.size(); ++id) r[id] = {p.Desplazada(id, half), id};
  std::sort(r.begin(), r.end(), RegistroMayor);
  return r;
}

// Decides whether a second equal interval temperature is needed. A duplicate is
// kept for a latent stream with heat whose shifted supply temperature lies
// within kTolT of it, and for a stream with two points of different enthalpy
// that both lie within kTolT of it (a vertical step of a table).
//
// For the second rule it is enough to look at neighbouring points once each
// stream's points are sorted by temperature: if two points within kTolT of t
// differ in enthalpy, some neighbouring pair between them does too, and every
// point between two points within kTolT of t is itself within kTolT; such a
// pair lies less than 2·kTolT apart, so only those are kept. Each rule
// becomes a candidate keyed by a temperature; a query looks only at the
// candidates near it.
class NecesidadDuplicados {
 public:
  NecesidadDuplicados(const Pool& p, double half) {
    std::vector<std::pair<double, double>> puntos;  // (shifted T, H as entered)
    for (const Miembro& m : p.miembros) {
      if (m.num == 0) continue;
      const double d = m.fria ? half : -half;
      if (m.latente && std::fabs(m.calor) > kTolH) {
        const double s = p.t[m.primero] + d;
        cand_.push_back({s, s, s});
      }
      if (m.num < 2) continue;
      puntos.clear();
      for (std::uint32_t k = 0; k < m.num; ++k)
        puntos.emplace_back(p.t[m.primero + k] + d, m.c->GetPunto(static_cast<std::int32_t>(k), 0));
      if (puntos.size() > 2 || Mayor(puntos[0].first, puntos[1].first))
        std::sort(puntos.begin(), puntos.end(),
                  [](const auto& a, const auto& b) { return Mayor(b.first, a.first); });
      for (std::size_t k = 1; k < puntos.size(); ++k) {
        if (puntos[k - 1].second != puntos[k].second &&
            puntos[k].first - puntos[k - 1].first < 2.5 * kTolT)
          cand_.push_back({puntos[k - 1].first, puntos[k - 1].first, puntos[k].first});
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

// Interval temperatures from the points sorted falling: equal values are
// merged (a third one always, a second one unless a latent stream or a
// vertical step needs the zero-width interval). pos, when given, gets for
// every point the index of the first boundary equal to it.
std::vector<double> Intervalos(const Pool& p, const std::vector<Registro>& orden, double half,
                               std::vector<std::int32_t>* pos) {
  std::vector<double> T;
  T.reserve(orden.size());
  if (pos) pos->assign(p.t.size(), 0);
  std::optional<NecesidadDuplicados> necesidad;
  for (const Registro& r : orden) {
    const double v = r.t;
    std::size_t primero;
    if (T.empty() || v != T.back()) {
      T.push_back(v);
      primero = T.size() - 1;
    } else if (T.size() >= 2 && T[T.size() - 2] == v) {
      primero = T.size() - 2;
    } else {
      primero = T.size() - 1;
      if (!necesidad) necesidad.emplace(p, half);
      if (necesidad->Necesario(v)) T.push_back(v);
    }
    if (pos) (*pos)[r.id] = static_cast<std::int32_t>(primero);
  }
  return T;
}

// Where a shifted temperature v falls among the boundaries T (falling).
struct Lugar {
  std::int32_t primero;  // first index with T[k] <= v (n when none)
  std::int32_t despues;  // first index with T[k] < v
  bool exacto;           // T[primero] == v
};

// The pieces and concentrated heats of every stream of the pool over T.
// lugar(id, v) places point id, whose shifted temperature is v.
template <class Localizar>
Colocacion Colocar(const Pool& p, const std::vector<double>& T, double half, Localizar lugar) {
  Colocacion col;
  col.piezas.reserve(p.t.size());
  const auto n = static_cast<std::int32_t>(T.size());
  for (std::uint32_t mi = 0; mi < p.miembros.size(); ++mi) {
    const Miembro& m = p.miembros[mi];
    if (m.num == 0) continue;
    const double d = m.fria ? half : -half;
    if (m.latente) {
      // The whole heat goes to the interval just below the first boundary
      // that matches the shifted supply temperature.
      const double s = p.t[m.primero] + d;
      auto it = std::partition_point(T.begin(), T.end(), [&](double v) { return v - s >= kTolT; });
      const auto i = static_cast<std::int32_t>(it - T.begin());
      if (i < n && std::fabs(T[static_cast<std::size_t>(i)] - s) < kTolT && i + 1 < n)
        col.concentrados.push_back({mi, i + 1, m.calor});
      continue;
    }
    if (!m.orientada) continue;
    for (std::uint32_t k = 0; k + 1 < m.num; ++k) {
      const std::uint32_t id0 = m.primero + k, id1 = id0 + 1;
      const double t0 = p.t[id0] + d, t1 = p.t[id1] + d;
      const double dH = p.h[id1] - p.h[id0];
      if (t0 == t1) {
        // A vertical step: its heat goes to the zero-width interval there.
        if (dH == 0.0) continue;
        const Lugar l = lugar(id0, t0);
        std::int32_t i = -1;
        if (l.exacto)
          i = l.primero + 1;
        else if (l.primero >= 1)
          i = l.primero;
        if (i >= 1 && i < n) col.concentrados.push_back({mi, i, dH});
        continue;
      }
      if (std::isnan(t0) || std::isnan(t1)) continue;
      const bool baja = t0 > t1;
      const double sup = baja ? t0 : t1, inf = baja ? t1 : t0;
      const Lugar ls = lugar(baja ? id0 : id1, sup);
      const Lugar li = lugar(baja ? id1 : id0, inf);
      Pieza pz{mi, ls.primero + 1, li.despues - 1, dH / (sup - inf), {-1, -1}, {0.0, 0.0}};
      const std::int32_t ks = ls.primero, kd = li.despues;
      int np = 0;
      if (!ls.exacto && ks >= 1 && ks < n) {
        pz.parcial[np] = ks;
        pz.ancho[np++] = kd == ks ? sup - inf : sup - T[static_cast<std::size_t>(ks)];
      }
      if (kd != ks && kd >= 1 && kd < n && T[static_cast<std::size_t>(kd - 1)] > inf) {
        pz.parcial[np] = kd;
        pz.ancho[np++] = T[static_cast<std::size_t>(kd - 1)] - inf;
      }
      col.piezas.push_back(pz);
    }
  }
  return col;
}

// Adds, for every piece, valor(piece) to the intervals it crosses: times the
// interval's width (porAncho) or as a rate. A running sum over the
// intervals, fed where pieces begin and end; without any piece crossing an
// interval it is exactly 0.
template <class Valor>
void Repartir(const std::vector<double>& T, const std::vector<Pieza>& piezas, Valor valor,
              bool porAncho, std::vector<double>& out) {
  const std::size_t n = T.size();
  if (n < 2) return;
  auto ancho = [&](std::size_t i) { return T[i - 1] - T[i]; };
  std::vector<double> ds(n + 1, 0.0), dc(n + 1, 0.0);
  std::vector<std::int32_t> cuenta(n + 1, 0);
  for (const Pieza& pz : piezas) {
    const double v = valor(pz);
    if (pz.a <= pz.b) {
      const auto a = static_cast<std::size_t>(pz.a), b = static_cast<std::size_t>(pz.b);
      if (std::isfinite(v)) {
        Acumular(ds[a], dc[a], v);
        Acumular(ds[b + 1], dc[b + 1], -v);
        ++cuenta[a];
        --cuenta[b + 1];
      } else {
        // Kept out of the running sum, which it would spoil for good.
        for (std::size_t i = a; i <= b; ++i) out[i] += porAncho ? v * ancho(i) : v;
      }
    }
    for (int k = 0; k < 2; ++k) {
      if (pz.parcial[k] < 0) continue;
      const auto i = static_cast<std::size_t>(pz.parcial[k]);
      if (porAncho)
        out[i] += v * pz.ancho[k];
      else if (ancho(i) > 0.0)
        out[i] += v * pz.ancho[k] / ancho(i);
    }
  }
  double s = 0.0, c = 0.0;
  std::int32_t activos = 0;
  for (std::size_t i = 1; i < n; ++i) {
    Acumular(s, c, ds[i]);
    Acumular(s, c, dc[i]);
    activos += cuenta[i];
    if (activos == 0) {
      s = c = 0.0;
      continue;
    }
    const double r = s + c;
    out[i] += porAncho ? r * ancho(i) : r;
  }
}

std::vector<double> Calores(const std::vector<double>& T, const Colocacion& col) {
  std::vector<double> Q(T.size(), 0.0);
  Repartir(
      T, col.piezas, [](const Pieza& pz) { return pz.g; }, true, Q);
  for (const Concentrado& k : col.concentrados) Q[static_cast<std::size_t>(k.intervalo)] += k.calor;
  return Q;
}

CascadaTabla Cascada(std::vector<double> Q) {
  CascadaTabla r;
  const std::size_t n = Q.size();
  r.Q = std::move(Q);
  if (n == 0) return r;
  r.C.resize(n);
  double s = r.Q[0], c = 0.0;
  r.C[0] = s;
  for (std::size_t i = 1; i < n; ++i) {
    Acumular(s, c, -r.Q[i]);
    r.C[i] = s + c;
  }
  std::size_t m = 0;
  for (std::size_t i = 1; i < n; ++i)
    if (r.C[i] < r.C[m]) m = i;
  const double minimo = r.C[m];
  for (double& v : r.C) {
    v -= minimo;
    if (v < kTolH) v = 0.0;
  }
  r.minimo = static_cast<int>(m);
  return r;
}

// The table of a pool from its points sorted on the shifted scale; the
// placement of every stream's heat goes to guardar when given.
TablaProblema ResolverOrdenado(const Pool& p, const std::vector<Registro>& orden, double half,
                               Colocacion* guardar) {
  TablaProblema t;
  std::vector<std::int32_t> pos;
  t.T = Intervalos(p, orden, half, &pos);
  const auto n = static_cast<std::int32_t>(t.T.size());
  const std::vector<double>& T = t.T;
  Colocacion col = Colocar(p, T, half, [&](std::uint32_t id, double v) {
    Lugar l{pos[id], pos[id] + 1, true};
    while (l.despues < n && T[static_cast<std::size_t>(l.despues)] == v) ++l.despues;
    return l;
  });
  CascadaTabla c = Cascada(Calores(T, col));
  t.Q = std::move(c.Q);
  t.C = std::move(c.C);
  t.pinch = IndicePinch(t.C, c.minimo);
  if (guardar) *guardar = std::move(col);
  return t;
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
  const Pool p = LeerPool(pool);
  return Intervalos(p, Ordenar(p, half), half, nullptr);
}

std::vector<double> CalcularIntervalosTabla(const GrupoCorrientes& grupo, double dtMin) {
  return CalcularIntervalosTabla(std::span<const GrupoCorrientes>(&grupo, 1), dtMin);
}

CascadaTabla CalcularCascadaTabla(std::span<const GrupoCorrientes> pool, double dtMin,
                                  const std::vector<double>& T) {
  const double half = dtMin * 0.5;
  const Pool p = LeerPool(pool);
  const Colocacion col = Colocar(p, T, half, [&](std::uint32_t, double v) {
    const auto primero = std::partition_point(T.begin(), T.end(), [&](double x) { return x > v; });
    const auto despues = std::partition_point(primero, T.end(), [&](double x) { return x >= v; });
    return Lugar{static_cast<std::int32_t>(primero - T.begin()),
                 static_cast<std::int32_t>(despues - T.begin()),
                 primero != T.end() && *primero == v};
  });
  return Cascada(Calores(T, col));
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
  const double half = dtMin * 0.5;
  const Pool p = LeerPool(pool);
  return ResolverOrdenado(p, Ordenar(p, half), half, nullptr);
}

TablaProblema ResolverTablaProblema(const GrupoCorrientes& grupo, double dtMin) {
  return ResolverTablaProblema(std::span<const GrupoCorrientes>(&grupo, 1), dtMin);
}

// ---- Placed table

TablaColocada::TablaColocada() = default;
TablaColocada::~TablaColocada() = default;
TablaColocada::TablaColocada(TablaColocada&&) noexcept = default;
TablaColocada& TablaColocada::operator=(TablaColocada&&) noexcept = default;

TablaColocada::TablaColocada(std::span<const GrupoCorrientes> pool, double dtMin)
    : pool_(std::make_unique<Pool>(LeerPool(pool))), colocacion_(std::make_unique<Colocacion>()) {
  const double half = dtMin * 0.5;
  tabla_ = ResolverOrdenado(*pool_, Ordenar(*pool_, half), half, colocacion_.get());
}

TablaColocada::TablaColocada(const GrupoCorrientes& grupo, double dtMin)
    : TablaColocada(std::span<const GrupoCorrientes>(&grupo, 1), dtMin) {}

std::size_t TablaColocada::NumCorrientes() const { return pool_ ? pool_->miembros.size() : 0; }

TablaColocada::Sumas TablaColocada::SumasPonderadas(std::span<const double> pesos) const {
  Sumas s;
  const std::size_t n = tabla_.T.size();
  s.porGrado.assign(n, 0.0);
  s.concentrado.assign(n, 0.0);
  if (!colocacion_) return s;
  auto peso = [&](std::uint32_t m) { return m < pesos.size() ? pesos[m] : 1.0; };
  Repartir(
      tabla_.T, colocacion_->piezas,
      [&](const Pieza& pz) { return std::fabs(pz.g) * peso(pz.miembro); }, false, s.porGrado);
  for (const Concentrado& k : colocacion_->concentrados)
    s.concentrado[static_cast<std::size_t>(k.intervalo)] += std::fabs(k.calor) * peso(k.miembro);
  return s;
}

// ---- Presorted pool

PoolOrdenado::~PoolOrdenado() = default;
PoolOrdenado::PoolOrdenado(PoolOrdenado&&) noexcept = default;
PoolOrdenado& PoolOrdenado::operator=(PoolOrdenado&&) noexcept = default;

PoolOrdenado::PoolOrdenado(std::span<const GrupoCorrientes> pool)
    : pool_(std::make_unique<Pool>(LeerPool(pool))) {
  const Pool& p = *pool_;
  for (std::uint32_t id = 0; id < p.t.size(); ++id)
    (p.fria[id] ? frias_ : calientes_).push_back(id);
  auto orden = [&](std::uint32_t a, std::uint32_t b) { return Mayor(p.t[a], p.t[b]); };
  std::sort(calientes_.begin(), calientes_.end(), orden);
  std::sort(frias_.begin(), frias_.end(), orden);
}

PoolOrdenado::PoolOrdenado(const GrupoCorrientes& grupo)
    : PoolOrdenado(std::span<const GrupoCorrientes>(&grupo, 1)) {}

TablaProblema PoolOrdenado::Resolver(double dtMin) const {
  const double half = dtMin * 0.5;
  const Pool& p = *pool_;
  std::vector<Registro> orden(p.t.size());
  auto registro = [&](std::uint32_t id) { return Registro{p.Desplazada(id, half), id}; };
  // Merge of the two shifted lists, each still falling.
  std::size_t i = 0, j = 0, k = 0;
  while (i < calientes_.size() && j < frias_.size()) {
    const Registro a = registro(calientes_[i]), b = registro(frias_[j]);
    if (RegistroMayor(b, a)) {
      orden[k++] = b;
      ++j;
    } else {
      orden[k++] = a;
      ++i;
    }
  }
  for (; i < calientes_.size(); ++i) orden[k++] = registro(calientes_[i]);
  for (; j < frias_.size(); ++j) orden[k++] = registro(frias_[j]);
  return ResolverOrdenado(p, orden, half, nullptr);
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
