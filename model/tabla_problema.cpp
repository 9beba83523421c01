#include "model/tabla_problema.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <limits>
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
  // Two of its points may lie within 2·kTolT of each other (the duplicate
  // rule looks only at such streams): a neighbouring pair does, or its
  // points do not run one way.
  bool cercanos;
  std::uint32_t primerCercano;  // where its points start in Pool::cercanos
  double calor;                 // whole heat, GetH(kTSentinel, 1)
  double t1;                    // supply temperature, as entered
};

// A point of the pool: its temperature (as entered, or shifted once sorted),
// how the sum of the heats per kelvin of the pieces crossing the intervals
// changes below it (pieces whose upper end it is begin there, pieces whose
// lower end it is stop), and how many pieces begin (+) or stop (-) there.
struct Registro {
  // Left unset, so that the large lists the sort fills are not cleared first.
  Registro() {}
  Registro(double t_, std::uint32_t id_, bool fria_)
      : t(t_), cambio(0.0), id(id_), piezas(0), fria(fria_ ? 1 : 0), especial(0) {}
  double t;
  double cambio;
  std::uint32_t id;
  std::int16_t piezas;
  std::uint8_t fria;
  std::uint8_t especial;  // a step starts here or a piece without finite slope ends here
};

// A vertical step of a stream: its heat goes to the zero-width interval at
// its first point.
struct Escalon {
  std::uint32_t id;
  std::uint32_t miembro;
  double calor;
};

// A piece whose heat per kelvin is no finite number (damaged data): kept out
// of the running sum, which it would spoil for good.
struct Rara {
  std::uint32_t sup, inf;  // point ids
  std::uint32_t miembro;
  double g;
};

// The streams of a pool and their points, read once.
struct Pool {
  std::vector<Miembro> miembros;
  std::vector<Registro> puntos;  // by id, temperatures shifted as read
  // Read only when asked for (LeerPool's completo): the enthalpy of each
  // point on the scale GetH answers on, its stream, and as Registro::cambio
  // of the magnitudes.
  std::vector<double> h;
  std::vector<std::uint32_t> miembro;
  std::vector<double> cambioAbs;
  std::vector<Escalon> escalones;
  std::vector<Rara> raras;
  // The points (temperature and enthalpy as entered) of the streams marked
  // cercanos, for the duplicate rule.
  std::vector<std::pair<double, double>> cercanos;
  // Filled for a presorted pool: the hot and the cold points, falling.
  std::vector<Registro> calientes, frias;
  // Range of the keys of the points (see Clave), and the number of streams
  // read.
  std::uint64_t kmin = 0, kmax = 0;
  std::size_t corrientes = 0;

  // A point of a pool read without shift, on the shifted scale of half.
  double Desplazada(std::uint32_t id, double half) const {
    return puntos[id].t + (puntos[id].fria ? half : -half);
  }
};

// Heat that goes whole into one interval: a latent stream's or a step's.
struct Concentrado {
  std::uint32_t miembro;
  std::int32_t intervalo;
  double calor;
};

// Compensated (Neumaier) addition of x to the sum s with its correction c.
void Acumular(double& s, double& c, double x) {
  const double t = s + x;
  if (std::fabs(s) >= std::fabs(x))
    c += (s - t) + x;
  else
    c += (x - t) + s;
  s = t;
}

// Changes of a running sum fed at interval indices, with the count of the
// pieces they belong to: the sum over interval i is everything fed at 1..i,
// exactly 0 where no piece is left.
class Diferencias {
 public:
  Diferencias() = default;
  explicit Diferencias(std::size_t n) { Reiniciar(n); }
  // Every change back to 0 for n intervals; the lists keep their storage.
  void Reiniciar(std::size_t n) {
    s_.assign(n + 1, 0.0);
    c_.assign(n + 1, 0.0);
    cuenta_.assign(n + 1, 0);
  }
  void Anadir(std::size_t i, double v, std::int32_t piezas) {
    Acumular(s_[i], c_[i], v);
    cuenta_[i] += piezas;
  }
  // f(i, sum) for every interval i = 1 .. n-1.
  template <class F>
  void Sumar(F f) const {
    double s = 0.0, c = 0.0;
    std::int32_t activas = 0;
    for (std::size_t i = 1; i + 1 < s_.size(); ++i) {
      Acumular(s, c, s_[i]);
      Acumular(s, c, c_[i]);
      activas += cuenta_[i];
      if (activas == 0) s = c = 0.0;
      f(i, s + c);
    }
  }

 private:
  std::vector<double> s_, c_;
  std::vector<std::int32_t> cuenta_;
};

// Working lists of the sort and of the walk. A table that keeps them between
// calls (this thread's tables, a placed table built again) reuses memory it
// has already touched instead of faulting in fresh pages; a call made just
// after models were freed (and the allocator gave their pages back to the
// system) otherwise pays a page fault for every 4 KiB it writes.
struct Memoria {
  std::vector<Registro> aux;
  std::vector<std::uint32_t> inicio, lleno;
  std::vector<std::pair<std::uint32_t, std::int32_t>> especiales;  // point id, boundary
  // Where the walk put every stream's heat, when asked to: the boundary of
  // each sorted point, the heats that went whole into one interval and the
  // intervals a..b of each Rara.
  std::vector<std::int32_t> pos;
  std::vector<Concentrado> concentrados;
  std::vector<std::pair<std::int32_t, std::int32_t>> raras;
};

// What a placed table keeps: its working lists with the placement, and the
// running sum of its weighted sums.
struct Colocacion {
  Memoria memoria;
  Diferencias dif;
};

}  // namespace tabla_detalle

namespace {

using tabla_detalle::Acumular;
using tabla_detalle::Colocacion;
using tabla_detalle::Concentrado;
using tabla_detalle::Diferencias;
using tabla_detalle::Escalon;
using tabla_detalle::Memoria;
using tabla_detalle::Miembro;
using tabla_detalle::Pool;
using tabla_detalle::Rara;
using tabla_detalle::Registro;

// Falling order with NaN last: a strict weak order even on damaged data, so the
// sort is well defined, and the predicates of the searches below stay monotone.
bool Mayor(double a, double b) {
  if (std::isnan(a)) return false;
  if (std::isnan(b)) return true;
  return a > b;
}

// A key whose rising order is Antes' order of temperatures: falling, NaN
// last, -0 as 0.
std::uint64_t Clave(double t) {
  if (std::isnan(t)) return ~std::uint64_t{0};
  if (t == 0.0) t = 0.0;
  std::uint64_t u = std::bit_cast<std::uint64_t>(t);
  constexpr std::uint64_t kSigno = std::uint64_t{1} << 63;
  u = (u & kSigno) ? ~u : (u | kSigno);  // rising with the value
  return ~u;
}

// The temperature of a key.
double Valor(std::uint64_t k) {
  if (k == ~std::uint64_t{0}) return std::numeric_limits<double>::quiet_NaN();
  constexpr std::uint64_t kSigno = std::uint64_t{1} << 63;
  const std::uint64_t u = ~k;
  return std::bit_cast<double>((u & kSigno) ? (u & ~kSigno) : ~u);
}

// Reads streams one by one into a pool, whose lists are emptied first (their
// storage is kept). The points are stored on the shifted scale of half (hot
// down, cold up), and the range of their keys is kept for the sort. With
// completo it also keeps what the weighted sums and the cascade over other
// boundaries need and a record for every stream; without, only the streams
// the duplicate rule and the latent heats look at get a record (a latent
// one, or one with close points), and the member numbers of steps and odd
// pieces are left unused.
class Lector {
 public:
  Lector(Pool& p, bool completo, double half, std::size_t corrientes)
      : p_(p), completo_(completo), half_(half) {
    p.miembros.clear();
    p.puntos.clear();
    p.h.clear();
    p.miembro.clear();
    p.cambioAbs.clear();
    p.escalones.clear();
    p.raras.clear();
    p.cercanos.clear();
    p.calientes.clear();
    p.frias.clear();
    p.kmin = ~std::uint64_t{0};
    p.kmax = 0;
    p.corrientes = 0;
    // Most streams have two points.
    if (completo) p.miembros.reserve(corrientes);
    p.puntos.reserve(2 * corrientes);
    if (completo) {
      p.h.reserve(2 * corrientes);
      p.miembro.reserve(2 * corrientes);
      p.cambioAbs.reserve(2 * corrientes);
    }
  }

  // One stream; calor() gives its whole heat, GetH(kTSentinel, 1).
  template <class Calor>
  void Leer(const CCorriente& c, Calor calor) {
    Pool& p = p_;
    const bool completo = completo_;
    ++p.corrientes;
    Miembro m{};
    m.c = &c;
    m.primero = id_;
    const auto mi = static_cast<std::uint32_t>(p.miembros.size());
    const std::size_t np = std::min(c.m_T.size(), c.m_H.size());
    const double* T = c.m_T.data();
    const double* H = c.m_H.data();
    m.num = static_cast<std::uint32_t>(np);
    m.fria = c.m_fria != 0;
    m.latente = c.m_latente != 0;
    const double d = m.fria ? half_ : -half_;
    double escala = 1.0;
    if (np > 0) {
      m.calor = calor();
      // The points' enthalpies brought to the scale of the virtual whole-
      // range query (a utility's curve times its load; 1 for a stream).
      const double ultimo = H[np - 1];
      if (m.calor != ultimo && ultimo != 0.0) escala = m.calor / ultimo;
      for (std::size_t k = 0; k < np; ++k, ++id_) {
        const double t = T[k] + d;
        const std::uint64_t clave = Clave(t);
        p.kmin = std::min(p.kmin, clave);
        p.kmax = std::max(p.kmax, clave);
        p.puntos.emplace_back(t, id_, m.fria);
        if (completo) {
          p.h.push_back(H[k] * escala);
          p.miembro.push_back(mi);
        }
      }
      if (completo) p.cambioAbs.resize(p.puntos.size(), 0.0);
      const double t1 = T[0], t2 = T[np - 1];
      m.t1 = t1;
      m.orientada = m.fria ? t1 <= t2 : t1 >= t2;
      bool sube = true, baja = true;
      for (std::size_t k = 1; k < np; ++k) {
        const double a = T[k - 1], b = T[k];
        if (!(std::fabs(b - a) >= 2.5 * kTolT)) m.cercanos = true;
        sube = sube && a <= b;
        baja = baja && a >= b;
      }
      if (!sube && !baja) m.cercanos = true;
      if (m.cercanos) {
        m.primerCercano = static_cast<std::uint32_t>(p.cercanos.size());
        for (std::size_t k = 0; k < np; ++k) p.cercanos.emplace_back(T[k], H[k]);
      }
    }
    if (completo || m.latente || m.cercanos) p.miembros.push_back(m);
    if (m.latente || !m.orientada) return;
    // Every piece between two points: its heat per kelvin begins at its
    // upper point and stops at its lower one.
    for (std::uint32_t k = 0; k + 1 < m.num; ++k) {
      const std::uint32_t a = m.primero + k;
      const double t0 = T[k], t1 = T[k + 1];
      const double dH = H[k + 1] * escala - H[k] * escala;
      if (t0 == t1) {
        if (dH == 0.0) continue;
        p.escalones.push_back({a, mi, dH});
        p.puntos[a].especial = 1;
        continue;
      }
      if (std::isnan(t0) || std::isnan(t1)) continue;
      const std::uint32_t sup = t0 > t1 ? a : a + 1, inf = t0 > t1 ? a + 1 : a;
      const double gr = dH / std::fabs(t1 - t0);
      if (!std::isfinite(gr)) {
        p.raras.push_back({sup, inf, mi, gr});
        p.puntos[sup].especial = p.puntos[inf].especial = 1;
        continue;
      }
      p.puntos[sup].cambio += gr;
      p.puntos[inf].cambio -= gr;
      ++p.puntos[sup].piezas;
      --p.puntos[inf].piezas;
      if (completo) {
        p.cambioAbs[sup] += std::fabs(gr);
        p.cambioAbs[inf] -= std::fabs(gr);
      }
    }
  }

 private:
  Pool& p_;
  bool completo_;
  double half_;
  std::uint32_t id_ = 0;
};

// Reads the streams of a pool into p (see Lector).
void LeerPool(std::span<const GrupoCorrientes> grupos, bool completo, double half, Pool& p) {
  std::size_t corrientes = 0;
  for (const GrupoCorrientes& g : grupos) corrientes += g.size();
  Lector lector(p, completo, half, corrientes);
  for (const GrupoCorrientes& g : grupos) {
    for (std::size_t j = 0; j < g.size(); ++j) {
      // Large pools live in memory, not in cache: the streams a few places
      // ahead are asked for early (their record, then their points).
      if (j + 32 < g.size()) {
        const CCorriente* r = g[j + 32];
        __builtin_prefetch(r);
        __builtin_prefetch(&r->m_fria);
        __builtin_prefetch(&r->m_latente);
        __builtin_prefetch(&r->m_T);
        __builtin_prefetch(&r->m_H);
      }
      if (j + 16 < g.size()) {
        __builtin_prefetch(g[j + 16]->m_T.data());
        __builtin_prefetch(g[j + 16]->m_H.data());
      }
      const CCorriente* c = g[j];
      lector.Leer(*c, [c] { return c->GetH(kTSentinel, 1); });
    }
  }
}

// The considered process streams of a network, read from its array in
// order. The array holds plain streams, whose whole heat is their last
// enthalpy; no virtual query is needed.
void LeerPool(const std::vector<CCorriente>& corrientes, const std::vector<CAreaIntegridad>& areas,
              double half, Pool& p) {
  const bool activas = AreasActivas(areas);
  const std::size_t n = corrientes.size();
  Lector lector(p, false, half, n);
  for (std::size_t j = 0; j < n; ++j) {
    // The records a few places ahead, then their points, are asked for
    // early: a large network lives in memory, not in cache.
    if (j + 24 < n) {
      const CCorriente& r = corrientes[j + 24];
      __builtin_prefetch(&r.m_fria);
      __builtin_prefetch(&r.m_H);
      if (activas) __builtin_prefetch(&r.m_area);
    }
    if (j + 12 < n) {
      __builtin_prefetch(corrientes[j + 12].m_T.data());
      __builtin_prefetch(corrientes[j + 12].m_H.data());
    }
    const CCorriente& c = corrientes[j];
    if (!Considerada(c, areas, activas)) continue;
    lector.Leer(c, [&c] { return c.CCorriente::GetH(kTSentinel, 1); });
  }
}

Pool LeerPool(std::span<const GrupoCorrientes> grupos, bool completo, double half) {
  Pool p;
  LeerPool(grupos, completo, half, p);
  return p;
}

// The pool and working lists of this thread's tables.
struct MemoriaHilo {
  Pool pool;
  Memoria memoria;
};
MemoriaHilo& DelHilo() {
  thread_local MemoriaHilo m;
  return m;
}

// The order of the points: temperature falling (NaN last), equal ones by
// number, so that the running sums add in one order however the points came.
bool Antes(const Registro& a, const Registro& b) {
  if (Mayor(a.t, b.t)) return true;
  if (Mayor(b.t, a.t)) return false;
  return a.id < b.id;
}
constexpr auto kAntes = [](const Registro& a, const Registro& b) { return Antes(a, b); };

// Sorts points given in number order, already shifted, whose keys lie in
// kmin..kmax, by Antes. They are first spread over buckets (stable), each
// bucket covering an equal share of the temperature range (of the keys'
// range when some temperature is not finite), then each bucket is sorted on
// its own, small and in cache. Rounding keeps the share of a temperature
// monotone in it, so the buckets come in order.
void OrdenarDesplazados(std::vector<Registro>& r, std::uint64_t kmin, std::uint64_t kmax,
                        Memoria& mem) {
  const std::size_t n = r.size();
  if (n < 256) {
    std::sort(r.begin(), r.end(), kAntes);
    return;
  }
  if (kmin == kmax) return;  // all equal: already in number order
  // About eight points a bucket.
  const int bits = std::clamp(static_cast<int>(std::bit_width(n)) - 3, 8, 16);
  const int desplazamiento = std::max(0, static_cast<int>(std::bit_width(kmax - kmin)) - bits);
  const double tAlta = Valor(kmin), tBaja = Valor(kmax);
  const std::size_t ultimo = (std::size_t{1} << bits) - 1;
  const double escala = static_cast<double>(ultimo + 1) / (tAlta - tBaja);
  const bool lineal = std::isfinite(tAlta - tBaja) && std::isfinite(escala);
  auto cubo = [&](const Registro& x) {
    if (lineal) return std::min(ultimo, static_cast<std::size_t>((tAlta - x.t) * escala));
    return static_cast<std::size_t>((Clave(x.t) - kmin) >> desplazamiento);
  };
  std::vector<std::uint32_t>& inicio = mem.inicio;
  inicio.assign((std::size_t{1} << bits) + 1, 0);
  for (const Registro& x : r) ++inicio[cubo(x) + 1];
  for (std::size_t b = 1; b < inicio.size(); ++b) inicio[b] += inicio[b - 1];
  std::vector<Registro>& aux = mem.aux;
  aux.resize(n);
  std::vector<std::uint32_t>& lleno = mem.lleno;
  lleno.assign(inicio.begin(), inicio.end() - 1);
  for (const Registro& x : r) aux[lleno[cubo(x)]++] = x;
  for (std::size_t b = 0; b + 1 < inicio.size(); ++b) {
    Registro* ini = aux.data() + inicio[b];
    Registro* fin = aux.data() + inicio[b + 1];
    if (fin - ini > 16) {
      if (!std::is_sorted(ini, fin, kAntes)) std::sort(ini, fin, kAntes);
      continue;
    }
    // Insertion for the few points of most buckets.
    for (Registro* i = ini + 1; i < fin; ++i) {
      if (!Antes(*i, *(i - 1))) continue;
      const Registro x = *i;
      Registro* j = i;
      for (; j > ini && Antes(x, *(j - 1)); --j) *j = *(j - 1);
      *j = x;
    }
  }
  r.swap(aux);
}

// Shifts points given in number order (hot ones down by half, cold ones up)
// and sorts them by Antes.
void Ordenar(std::vector<Registro>& r, double half, Memoria& mem) {
  std::uint64_t kmin = ~std::uint64_t{0}, kmax = 0;
  for (Registro& x : r) {
    x.t += x.fria ? half : -half;
    const std::uint64_t k = Clave(x.t);
    kmin = std::min(kmin, k);
    kmax = std::max(kmax, k);
  }
  OrdenarDesplazados(r, kmin, kmax, mem);
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
        const double s = m.t1 + d;
        cand_.push_back({s, s, s});
      }
      if (m.num < 2 || !m.cercanos) continue;
      puntos.assign(p.cercanos.begin() + m.primerCercano,
                    p.cercanos.begin() + m.primerCercano + m.num);
      for (auto& x : puntos) x.first += d;
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

// Interval of T below the first boundary (from the top) within kTolT of the
// latent stream's shifted supply temperature; -1 when there is none.
std::int32_t IntervaloLatente(const Miembro& m, double half, const std::vector<double>& T) {
  const double s = m.t1 + (m.fria ? half : -half);
  auto it = std::partition_point(T.begin(), T.end(), [&](double v) { return v - s >= kTolT; });
  const auto i = static_cast<std::size_t>(it - T.begin());
  if (i < T.size() && std::fabs(T[i] - s) < kTolT && i + 1 < T.size())
    return static_cast<std::int32_t>(i) + 1;
  return -1;
}

// The cascade built one interval heat at a time into C: C[0] = Q[0], then
// C[i] = C[i-1] - Q[i] (a compensated sum), keeping the index of the first
// smallest entry.
class CascadaEnCurso {
 public:
  explicit CascadaEnCurso(std::vector<double>& C) : C_(C) { C_.clear(); }
  void Anadir(double q) {
    if (C_.empty()) {
      s_ = q;
      C_.push_back(s_);
      return;
    }
    Acumular(s_, c_, -q);
    C_.push_back(s_ + c_);
    if (C_.back() < C_[minimo_]) minimo_ = C_.size() - 1;
  }
  // Shifts C so that its smallest entry is 0 (entries below 1e-5 are
  // exactly 0); the index of that entry, -1 when there are no intervals.
  int Cerrar() {
    if (C_.empty()) return -1;
    const double minimo = C_[minimo_];
    for (double& v : C_) {
      v -= minimo;
      if (v < kTolH) v = 0.0;
    }
    return static_cast<int>(minimo_);
  }

 private:
  std::vector<double>& C_;
  double s_ = 0.0, c_ = 0.0;
  std::size_t minimo_ = 0;
};

// The cascade C of the interval heats Q; the index of its smallest entry
// before the shift (-1 when there are no intervals).
int Cascada(const std::vector<double>& Q, std::vector<double>& C) {
  CascadaEnCurso cascada(C);
  C.reserve(Q.size());
  for (double q : Q) cascada.Anadir(q);
  return cascada.Cerrar();
}

CascadaTabla Cascada(std::vector<double> Q) {
  CascadaTabla r;
  r.Q = std::move(Q);
  r.minimo = Cascada(r.Q, r.C);
  return r;
}

// The table of a pool from its points sorted falling on the shifted scale, in
// one walk: equal values are merged by the duplicate rule (a third one always,
// a second one unless a latent stream or a vertical step needs the zero-width
// interval), and every new boundary closes an interval whose heat is the
// running sum of the heats per kelvin of the pieces crossing it times its
// width. The cascade is summed as the intervals close; latent heats, steps
// and odd pieces are added afterwards (and the cascade summed again, if
// there are any). The table goes to t, whose lists keep their storage; with
// colocar the placement stays in mem.
void Recorrer(const Pool& p, const std::vector<Registro>& orden, double half, Memoria& mem,
              bool colocar, TablaProblema& t) {
  std::vector<double>& T = t.T;
  std::vector<double>& Q = t.Q;
  T.clear();
  Q.clear();
  T.reserve(orden.size());
  Q.reserve(orden.size());
  t.C.reserve(orden.size());
  CascadaEnCurso cascada(t.C);
  std::vector<std::int32_t>& pos = mem.pos;
  pos.clear();
  if (colocar) pos.resize(orden.size());
  auto& especiales = mem.especiales;
  especiales.clear();
  std::optional<NecesidadDuplicados> necesidad;
  double s = 0.0, c = 0.0;
  std::int32_t activas = 0;
  for (std::size_t k = 0; k < orden.size(); ++k) {
    const Registro& r = orden[k];
    const double v = r.t;
    std::size_t primero;
    if (T.empty() || v != T.back()) {
      Q.push_back(T.empty() || activas == 0 ? 0.0 : (s + c) * (T.back() - v));
      cascada.Anadir(Q.back());
      T.push_back(v);
      primero = T.size() - 1;
    } else if (T.size() >= 2 && T[T.size() - 2] == v) {
      primero = T.size() - 2;
    } else {
      primero = T.size() - 1;
      if (!necesidad) necesidad.emplace(p, half);
      if (necesidad->Necesario(v)) {
        T.push_back(v);
        Q.push_back(0.0);
        cascada.Anadir(0.0);
      }
    }
    if (colocar) pos[k] = static_cast<std::int32_t>(primero);
    if (r.especial) especiales.emplace_back(r.id, static_cast<std::int32_t>(primero));
    if (r.piezas != 0 || r.cambio != 0.0) {
      Acumular(s, c, r.cambio);
      activas += r.piezas;
      if (activas == 0) s = c = 0.0;
    }
  }
  const auto n = static_cast<std::int32_t>(T.size());

  std::vector<Concentrado>& concentrados = mem.concentrados;
  concentrados.clear();
  for (std::uint32_t mi = 0; mi < p.miembros.size(); ++mi) {
    const Miembro& m = p.miembros[mi];
    if (!m.latente || m.num == 0) continue;
    const std::int32_t i = IntervaloLatente(m, half, T);
    if (i > 0) concentrados.push_back({mi, i, m.calor});
  }
  std::sort(especiales.begin(), especiales.end());
  auto frontera = [&](std::uint32_t id) {
    return std::lower_bound(especiales.begin(), especiales.end(), std::make_pair(id, INT32_MIN))
        ->second;
  };
  for (const Escalon& e : p.escalones) {
    const std::int32_t i = frontera(e.id) + 1;
    if (i < n) concentrados.push_back({e.miembro, i, e.calor});
  }
  auto& raras = mem.raras;
  raras.clear();
  for (const Rara& x : p.raras) {
    const std::int32_t a = frontera(x.sup) + 1, b = frontera(x.inf);
    raras.emplace_back(a, b);
    for (std::int32_t i = a; i <= b; ++i) {
      const auto u = static_cast<std::size_t>(i);
      Q[u] += x.g * (T[u - 1] - T[u]);
    }
  }
  for (const Concentrado& k : concentrados) Q[static_cast<std::size_t>(k.intervalo)] += k.calor;

  const bool otrosCalores = !concentrados.empty() || !p.raras.empty();
  t.pinch = IndicePinch(t.C, otrosCalores ? Cascada(Q, t.C) : cascada.Cerrar());
}

// The table of a pool on this thread's working lists, into t.
void ResolverEnHilo(std::span<const GrupoCorrientes> grupos, double dtMin, TablaProblema& t) {
  const double half = dtMin * 0.5;
  MemoriaHilo& m = DelHilo();
  LeerPool(grupos, false, half, m.pool);
  // The points are sorted where they were read; the walk reads the other
  // lists of the pool only.
  OrdenarDesplazados(m.pool.puntos, m.pool.kmin, m.pool.kmax, m.memoria);
  Recorrer(m.pool, m.pool.puntos, half, m.memoria, false, t);
}

// The table of the considered process streams of a network on this
// thread's working lists, into t.
void ResolverEnHilo(const std::vector<CCorriente>& corrientes,
                    const std::vector<CAreaIntegridad>& areas, double dtMin, TablaProblema& t) {
  const double half = dtMin * 0.5;
  MemoriaHilo& m = DelHilo();
  LeerPool(corrientes, areas, half, m.pool);
  OrdenarDesplazados(m.pool.puntos, m.pool.kmin, m.pool.kmax, m.memoria);
  Recorrer(m.pool, m.pool.puntos, half, m.memoria, false, t);
}

// ---- Cascade over the boundaries of another pool

// Where a shifted temperature v falls among the boundaries T (falling).
struct Lugar {
  std::int32_t primero;  // first index with T[k] <= v (n when none)
  std::int32_t despues;  // first index with T[k] < v
  bool exacto;           // T[primero] == v
};

Lugar Localizar(const std::vector<double>& T, double v) {
  const auto primero = std::partition_point(T.begin(), T.end(), [&](double x) { return x > v; });
  const auto despues = std::partition_point(primero, T.end(), [&](double x) { return x >= v; });
  return Lugar{static_cast<std::int32_t>(primero - T.begin()),
               static_cast<std::int32_t>(despues - T.begin()), primero != T.end() && *primero == v};
}

// Adds g over [inf, sup] to the intervals of T: whole intervals through a
// running sum fed at the ends (ds, dc, cuenta), the parts of at most two
// intervals its ends fall inside directly.
void AnadirPieza(const std::vector<double>& T, double sup, double inf, double g, Diferencias& dif,
                 std::vector<double>& Q) {
  const auto n = static_cast<std::int32_t>(T.size());
  const Lugar ls = Localizar(T, sup), li = Localizar(T, inf);
  const std::int32_t a = ls.primero + 1, b = li.despues - 1;
  auto en = [&](std::int32_t i) { return static_cast<std::size_t>(i); };
  if (a <= b) {
    if (std::isfinite(g)) {
      dif.Anadir(en(a), g, 1);
      dif.Anadir(en(b + 1), -g, -1);
    } else {
      for (std::int32_t i = a; i <= b; ++i) Q[en(i)] += g * (T[en(i - 1)] - T[en(i)]);
    }
  }
  const std::int32_t ks = ls.primero, kd = li.despues;
  if (!ls.exacto && ks >= 1 && ks < n) Q[en(ks)] += g * (kd == ks ? sup - inf : sup - T[en(ks)]);
  if (kd != ks && kd >= 1 && kd < n && T[en(kd - 1)] > inf) Q[en(kd)] += g * (T[en(kd - 1)] - inf);
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
  TablaProblema t;
  ResolverEnHilo(pool, dtMin, t);
  return std::move(t.T);
}

std::vector<double> CalcularIntervalosTabla(const GrupoCorrientes& grupo, double dtMin) {
  return CalcularIntervalosTabla(std::span<const GrupoCorrientes>(&grupo, 1), dtMin);
}

CascadaTabla CalcularCascadaTabla(std::span<const GrupoCorrientes> pool, double dtMin,
                                  const std::vector<double>& T) {
  const double half = dtMin * 0.5;
  const Pool p = LeerPool(pool, true, 0.0);
  const std::size_t n = T.size();
  std::vector<double> Q(n, 0.0);
  if (n == 0) return Cascada(std::move(Q));
  Diferencias dif(n);
  for (const Miembro& m : p.miembros) {
    if (m.num == 0) continue;
    if (m.latente) {
      const std::int32_t i = IntervaloLatente(m, half, T);
      if (i > 0) Q[static_cast<std::size_t>(i)] += m.calor;
      continue;
    }
    if (!m.orientada) continue;
    for (std::uint32_t k = m.primero; k + 1 < m.primero + m.num; ++k) {
      const double t0 = p.Desplazada(k, half), t1 = p.Desplazada(k + 1, half);
      const double dH = p.h[k + 1] - p.h[k];
      if (t0 == t1) {
        // A step: in the zero-width interval there, or in the interval it
        // falls inside.
        if (dH == 0.0) continue;
        const Lugar l = Localizar(T, t0);
        const std::int32_t i = l.exacto ? l.primero + 1 : l.primero;
        if (i >= 1 && i < static_cast<std::int32_t>(n)) Q[static_cast<std::size_t>(i)] += dH;
      } else if (!std::isnan(t0) && !std::isnan(t1)) {
        AnadirPieza(T, std::max(t0, t1), std::min(t0, t1), dH / std::fabs(t1 - t0), dif, Q);
      }
    }
  }
  dif.Sumar([&](std::size_t i, double g) {
    if (g != 0.0) Q[i] += g * (T[i - 1] - T[i]);
  });
  return Cascada(std::move(Q));
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
  ResolverEnHilo(pool, dtMin, t);
  return t;
}

void ResolverTablaProblema(std::span<const GrupoCorrientes> pool, double dtMin,
                           TablaProblema& t) {
  ResolverEnHilo(pool, dtMin, t);
}

void ResolverTablaProblema(const std::vector<CCorriente>& corrientes,
                           const std::vector<CAreaIntegridad>& areas, double dtMin,
                           TablaProblema& t) {
  ResolverEnHilo(corrientes, areas, dtMin, t);
}

TablaProblema ResolverTablaProblema(const GrupoCorrientes& grupo, double dtMin) {
  return ResolverTablaProblema(std::span<const GrupoCorrientes>(&grupo, 1), dtMin);
}

// ---- Placed table

TablaColocada::TablaColocada() = default;
TablaColocada::~TablaColocada() = default;
TablaColocada::TablaColocada(TablaColocada&&) noexcept = default;
TablaColocada& TablaColocada::operator=(TablaColocada&&) noexcept = default;

TablaColocada::TablaColocada(std::span<const GrupoCorrientes> pool, double dtMin) {
  Rehacer(pool, dtMin);
}

void TablaColocada::Rehacer(std::span<const GrupoCorrientes> pool, double dtMin) {
  if (!pool_) pool_ = std::make_unique<Pool>();
  if (!colocacion_) colocacion_ = std::make_unique<Colocacion>();
  const double half = dtMin * 0.5;
  LeerPool(pool, true, half, *pool_);
  // The points are sorted where they were read and stay there.
  OrdenarDesplazados(pool_->puntos, pool_->kmin, pool_->kmax, colocacion_->memoria);
  Recorrer(*pool_, pool_->puntos, half, colocacion_->memoria, true, tabla_);
}

TablaColocada::TablaColocada(const GrupoCorrientes& grupo, double dtMin)
    : TablaColocada(std::span<const GrupoCorrientes>(&grupo, 1), dtMin) {}

std::size_t TablaColocada::NumCorrientes() const { return pool_ ? pool_->miembros.size() : 0; }

TablaColocada::Sumas TablaColocada::SumasPonderadas(std::span<const double> pesos) const {
  Sumas r;
  SumasPonderadas(pesos, r);
  return r;
}

void TablaColocada::SumasPonderadas(std::span<const double> pesos, Sumas& r) const {
  const std::vector<double>& T = tabla_.T;
  const std::size_t n = T.size();
  r.porGrado.assign(n, 0.0);
  r.concentrado.assign(n, 0.0);
  if (!colocacion_ || n == 0) return;
  const Pool& p = *pool_;
  const Memoria& col = colocacion_->memoria;
  const std::vector<Registro>& orden = p.puntos;  // sorted
  auto peso = [&](std::uint32_t m) { return m < pesos.size() ? pesos[m] : 1.0; };
  // The same running sum as the table's, of the magnitudes times the weights:
  // a point's change applies to the intervals below its boundary. Its lists
  // are the table's own working lists (not part of the answer).
  Diferencias& dif = colocacion_->dif;
  dif.Reiniciar(n);
  for (std::size_t k = 0; k < orden.size(); ++k) {
    const Registro& x = orden[k];
    if (x.piezas == 0 && p.cambioAbs[x.id] == 0.0) continue;
    dif.Anadir(static_cast<std::size_t>(col.pos[k]) + 1, p.cambioAbs[x.id] * peso(p.miembro[x.id]),
               x.piezas);
  }
  dif.Sumar([&](std::size_t i, double g) { r.porGrado[i] = g; });
  for (std::size_t k = 0; k < p.raras.size(); ++k) {
    const auto [a, b] = col.raras[k];
    const double v = std::fabs(p.raras[k].g) * peso(p.raras[k].miembro);
    for (std::int32_t i = a; i <= b; ++i) r.porGrado[static_cast<std::size_t>(i)] += v;
  }
  for (const Concentrado& x : col.concentrados)
    r.concentrado[static_cast<std::size_t>(x.intervalo)] += std::fabs(x.calor) * peso(x.miembro);
}

// ---- Presorted pool

PoolOrdenado::~PoolOrdenado() = default;
PoolOrdenado::PoolOrdenado(PoolOrdenado&&) noexcept = default;
PoolOrdenado& PoolOrdenado::operator=(PoolOrdenado&&) noexcept = default;

PoolOrdenado::PoolOrdenado(std::span<const GrupoCorrientes> pool)
    : pool_(std::make_unique<Pool>(LeerPool(pool, false, 0.0))) {
  Pool& p = *pool_;
  for (const Registro& r : p.puntos) (r.fria ? p.frias : p.calientes).push_back(r);
  p.puntos = {};
  Memoria mem;
  Ordenar(p.calientes, 0.0, mem);
  Ordenar(p.frias, 0.0, mem);
}

PoolOrdenado::PoolOrdenado(const GrupoCorrientes& grupo)
    : PoolOrdenado(std::span<const GrupoCorrientes>(&grupo, 1)) {}

TablaProblema PoolOrdenado::Resolver(double dtMin) const {
  const double half = dtMin * 0.5;
  const Pool& p = *pool_;
  std::vector<Registro> orden(p.calientes.size() + p.frias.size());
  // Merge of the two shifted lists, each still falling.
  std::size_t i = 0, j = 0, k = 0;
  const std::size_t nc = p.calientes.size(), nf = p.frias.size();
  while (i < nc && j < nf) {
    Registro a = p.calientes[i], b = p.frias[j];
    a.t -= half;
    b.t += half;
    if (Antes(b, a)) {
      orden[k++] = b;
      ++j;
    } else {
      orden[k++] = a;
      ++i;
    }
  }
  for (; i < nc; ++i, ++k) {
    orden[k] = p.calientes[i];
    orden[k].t -= half;
  }
  for (; j < nf; ++j, ++k) {
    orden[k] = p.frias[j];
    orden[k].t += half;
  }
  Memoria mem;
  TablaProblema t;
  Recorrer(p, orden, half, mem, false, t);
  return t;
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
