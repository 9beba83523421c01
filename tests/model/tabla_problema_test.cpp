#include "model/tabla_problema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "model/constantes.h"
#include "model/servicios.h"
#include "tests/comun/objetivos_referencia.h"

namespace vardo {
namespace {

CCorriente Sensible(double T1, double T2, double mcp) {
  return CCorriente(T1, T2, mcp, T2 > T1 ? 1 : 0, 0);
}
CCorriente Latente(double T, double H, int fria) { return CCorriente(T, T, H, fria, 1); }
CCorriente Tabla(std::vector<std::pair<double, double>> puntos, int fria) {
  CCorriente c;
  c.BorrarPuntos();
  for (auto [T, H] : puntos) c.AddPunto(T, H);
  c.m_fria = fria;
  c.m_lineal = 0;
  c.m_latente = 0;
  return c;
}

GrupoCorrientes Grupo(const std::vector<CCorriente>& cs) {
  GrupoCorrientes g;
  for (const auto& c : cs) g.push_back(&c);
  return g;
}

referencia::Pool Punteros(const std::vector<CCorriente>& cs) {
  referencia::Pool p;
  for (const auto& c : cs) p.push_back(&c);
  return p;
}

// ---- Worked examples

struct CasoTabla {
  const char* nombre;
  std::vector<CCorriente> corrientes;
  double dtMin;
  std::vector<double> T, Q, C;
  double pinch;
};

class TablaEjemplos : public ::testing::TestWithParam<int> {};

std::vector<CasoTabla> Casos() {
  return {
      // Equal duplicates from sensible ends collapse; the minimum at the top
      // with no inner zero leaves the pinch at the top.
      {"dos_corrientes",
       {Sensible(450, 350, 2), Sensible(340, 440, 2)},
       10,
       {445, 345},
       {0, 0},
       {0, 0},
       445},
      // A latent stream needs its zero-width interval.
      {"latente_frio", {Latente(400, 1000, 1)}, 10, {405, 405}, {0, 1000}, {1000, 0}, 405},
      // A third equal boundary is always dropped (latent at 405, a hot end at 405).
      {"tercer_igual",
       {Latente(400, 1000, 1), Sensible(430, 410, 1), Sensible(410, 500, 1)},
       10,
       {505, 425, 415, 405, 405},
       {0, 80, 0, -10, 1000},
       {1070, 990, 990, 1000, 0},
       405},
      // A vertical step of a table keeps its zero-width interval; the sides of
      // the step are read on either side of it.
      {"tabla_escalon",
       {Tabla({{300, 0}, {350, 100}, {350, 300}, {400, 400}}, 1)},
       10,
       {405, 355, 355, 305},
       {0, 100, 200, 100},
       {400, 300, 100, 0},
       305},
      // Two equal minima inside: the first (highest) one is the pinch.
      {"minimos_iguales",
       {Sensible(350, 400, 1), Sensible(350, 300, 1), Sensible(250, 300, 1)},
       0,
       {400, 350, 300, 250},
       {0, 50, -50, 50},
       {50, 0, 50, 0},
       350},
      // The minimum at the top tied with an inner one: the inner one is taken.
      {"minimo_arriba",
       {Sensible(400, 350, 1), Sensible(300, 350, 1), Sensible(300, 250, 1)},
       0,
       {400, 350, 300, 250},
       {0, -50, 50, -50},
       {0, 50, 0, 50},
       300},
      // Shifted cascade entries below 1e-5 become exactly 0; 1e-5 stays.
      {"cero_por_debajo", {Sensible(300, 301, 9e-6)}, 0, {301, 300}, {0, 9e-6}, {0, 0}, 300},
      {"cero_limite", {Sensible(300, 301, 1e-5)}, 0, {301, 300}, {0, 1e-5}, {1e-5, 0}, 300},
  };
}

TEST_P(TablaEjemplos, IntervalosCascadaYPinch) {
  const CasoTabla caso = Casos()[static_cast<std::size_t>(GetParam())];
  SCOPED_TRACE(caso.nombre);
  const GrupoCorrientes g = Grupo(caso.corrientes);
  const TablaProblema t = ResolverTablaProblema(g, caso.dtMin);
  EXPECT_EQ(t.T, caso.T);
  ASSERT_EQ(t.Q.size(), caso.Q.size());
  ASSERT_EQ(t.C.size(), caso.C.size());
  for (std::size_t i = 0; i < t.Q.size(); ++i) {
    EXPECT_NEAR(t.Q[i], caso.Q[i], 1e-9) << "Q[" << i << "]";
    EXPECT_NEAR(t.C[i], caso.C[i], 1e-9) << "C[" << i << "]";
    if (caso.C[i] == 0.0) {
      EXPECT_EQ(t.C[i], 0.0) << "C[" << i << "]";
    }
  }
  EXPECT_EQ(t.TemperaturaPinch(-1), caso.pinch);
}

INSTANTIATE_TEST_SUITE_P(Casos, TablaEjemplos, ::testing::Range(0, static_cast<int>(Casos().size())),
                         [](const auto& info) {
                           return std::string(Casos()[static_cast<std::size_t>(info.param)].nombre);
                         });

TEST(TablaProblema, CuatroCorrientes) {
  // Entered in K; DT min 10 K.
  const std::vector<CCorriente> cs = {Sensible(293.15, 408.15, 2), Sensible(443.15, 333.15, 3),
                                      Sensible(353.15, 413.15, 4), Sensible(423.15, 303.15, 1.5)};
  const TablaProblema t = ResolverTablaProblema(Grupo(cs), 10);
  EXPECT_NEAR(t.CalienteMinimo(), 20.0, 1e-9);
  EXPECT_NEAR(t.FrioMinimo(), 60.0, 1e-9);
  EXPECT_NEAR(t.TemperaturaPinch(0), 358.15, 1e-9);
  // Boundaries: 165, 145, 140, 85, 55, 25 °C shifted.
  ASSERT_EQ(t.Num(), 6);
  EXPECT_NEAR(t.T.front(), 438.15, 1e-9);
  EXPECT_NEAR(t.T.back(), 298.15, 1e-9);
}

TEST(TablaProblema, SinCorrientesTodoVacio) {
  const GrupoCorrientes vacio;
  const TablaProblema t = ResolverTablaProblema(vacio, 10);
  EXPECT_TRUE(t.T.empty());
  EXPECT_TRUE(t.Q.empty());
  EXPECT_TRUE(t.C.empty());
  EXPECT_EQ(t.pinch, -1);
  EXPECT_EQ(t.TemperaturaPinch(123.0), 123.0);
  EXPECT_EQ(t.CalienteMinimo(), 0.0);
  EXPECT_EQ(t.FrioMinimo(), 0.0);
  // A cascade over stale intervals with no streams reads nothing out of range.
  const CascadaTabla c = CalcularCascadaTabla(vacio, 10, {400, 300});
  EXPECT_EQ(c.Q, (std::vector<double>{0, 0}));
  EXPECT_EQ(IndicePinch({}, 0), -1);
}

TEST(TablaProblema, UnaCorrienteLatenteSinCalorNoDuplica) {
  // Without heat a latent stream needs no zero-width interval.
  const std::vector<CCorriente> cs = {Latente(400, 0.0, 1)};
  const TablaProblema t = ResolverTablaProblema(Grupo(cs), 10);
  EXPECT_EQ(t.T, std::vector<double>{405});
  EXPECT_EQ(t.C, std::vector<double>{0});
  EXPECT_EQ(t.pinch, 0);
}

TEST(TablaProblema, LatenteSumaBajoSuPrimerLimite) {
  // Without a zero-width interval of its own (no heat) the latent boundary is
  // the last one: there is no interval below it to add to.
  const std::vector<CCorriente> sinCalor = {Latente(300, 0.0, 1), Sensible(400, 320, 1)};
  const TablaProblema t = ResolverTablaProblema(Grupo(sinCalor), 10);
  ASSERT_EQ(t.T, (std::vector<double>{395, 315, 305}));
  EXPECT_EQ(t.Q, (std::vector<double>{0, -80, 0}));
  // 305 occurs three times (two latent points and the hot end): two are kept
  // and the heat goes below the first.
  const std::vector<CCorriente> conCalor = {Latente(300, 50, 1), Sensible(400, 310, 1)};
  const TablaProblema u = ResolverTablaProblema(Grupo(conCalor), 10);
  ASSERT_EQ(u.T, (std::vector<double>{395, 305, 305}));
  EXPECT_EQ(u.Q, (std::vector<double>{0, -90, 50}));
}

TEST(TablaProblema, FiltroDeAreas) {
  std::vector<CCorriente> cs = {Sensible(450, 350, 2), Sensible(340, 440, 2), Sensible(300, 310, 1)};
  std::vector<CAreaIntegridad> areas(3);
  cs[0].m_area = 0;
  cs[1].m_area = 1;
  cs[2].m_area = 7;  // names no area at all
  areas[0].corrientes = {0, 1};  // lists stream 1 too; its own index decides

  // No area shown: every stream, in array order.
  EXPECT_EQ(CorrientesConsideradas(cs, areas), (GrupoCorrientes{&cs[0], &cs[1], &cs[2]}));
  areas[0].mostrada = 1;
  EXPECT_EQ(CorrientesConsideradas(cs, areas), (GrupoCorrientes{&cs[0]}));
  areas[0].mostrada = 0;
  areas[2].mostrada = 1;  // shown but without members
  EXPECT_TRUE(CorrientesConsideradas(cs, areas).empty());
  EXPECT_TRUE(ResolverTablaProblema(CorrientesConsideradas(cs, areas), 10).Vacia());

  // Utilities go through the same filter by their own area index.
  std::vector<CServicios> ss(2);
  ss[1].m_area = 2;
  EXPECT_EQ(CorrientesConsideradas(ss, areas), (GrupoCorrientes{&ss[1]}));
}

TEST(TablaProblema, GruposSeSumanJuntos) {
  // Two groups give the same table as one group holding both.
  const std::vector<CCorriente> a = {Sensible(450, 350, 2)};
  const std::vector<CCorriente> b = {Sensible(340, 440, 3)};
  const std::vector<CCorriente> ab = {Sensible(450, 350, 2), Sensible(340, 440, 3)};
  const std::vector<GrupoCorrientes> pool = {Grupo(a), Grupo(b)};
  const TablaProblema t = ResolverTablaProblema(pool, 10);
  const TablaProblema u = ResolverTablaProblema(Grupo(ab), 10);
  EXPECT_EQ(t.T, u.T);
  EXPECT_EQ(t.Q, u.Q);
  EXPECT_EQ(t.C, u.C);
  EXPECT_EQ(t.pinch, u.pinch);
}

TEST(TablaProblema, DatosDanadosNoRompen) {
  // NaN and infinite temperatures, and a stream without points: no crash, and
  // the result has one entry per point left after the duplicate rule.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<CCorriente> cs = {Sensible(400, 300, 1), Sensible(nan, 350, 1),
                                Sensible(310, std::numeric_limits<double>::infinity(), 1),
                                Tabla({{nan, 0}, {350, nan}, {350, 1}}, 1)};
  cs.emplace_back();
  cs.back().BorrarPuntos();
  const TablaProblema t = ResolverTablaProblema(Grupo(cs), 10);
  EXPECT_EQ(t.Q.size(), t.T.size());
  EXPECT_EQ(t.C.size(), t.T.size());
}

// The core gives the intervals of the step-by-step method exactly and the
// heats of the plain interval-by-interval method, on problems full of equal
// and nearly equal temperatures, latent streams and vertical steps (also at a
// table's ends). The presorted pool gives the very same table.
TEST(TablaProblema, IgualQueElMetodoDirecto) {
  std::mt19937 rng(12345);
  auto temp = [&] { return 300.0 + 0.005 * static_cast<int>(rng() % 4000); };
  auto elegir = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  for (int prueba = 0; prueba < 300; ++prueba) {
    std::vector<CCorriente> cs;
    const int num = 1 + elegir(12);
    for (int s = 0; s < num; ++s) {
      const int tipo = elegir(4);
      if (tipo == 0) {
        cs.push_back(Latente(temp(), elegir(3) == 0 ? 1e-6 : 10.0 + elegir(100), elegir(2)));
      } else if (tipo == 1) {
        const int fria = elegir(2);
        double T = temp();
        double H = 0;
        std::vector<std::pair<double, double>> p{{T, 0.0}};
        for (int k = 0, np = 1 + elegir(4); k < np; ++k) {
          if (elegir(3) != 0) T += (fria ? 1 : -1) * 0.005 * (1 + elegir(8));
          H += (fria ? 1 : -1) * static_cast<double>(elegir(3) * 5);
          p.emplace_back(T, H);
        }
        cs.push_back(Tabla(p, fria));
      } else {
        double a = temp(), b = temp();
        if (a == b) b += 1;
        cs.push_back(Sensible(a, b, 0.5 + elegir(8)));
      }
    }
    const double dt = 0.005 * elegir(4);
    const GrupoCorrientes g = Grupo(cs);
    const TablaProblema t = ResolverTablaProblema(g, dt);
    const std::vector<double> T = referencia::Intervalos(Punteros(cs), dt);
    ASSERT_EQ(t.T, T) << "prueba " << prueba;
    const std::vector<double> Q = referencia::Calores(Punteros(cs), dt, T);
    const double tol = 1e-9 * std::max(1.0, referencia::Escala(Punteros(cs)));
    ASSERT_EQ(t.Q.size(), Q.size());
    for (std::size_t i = 0; i < Q.size(); ++i)
      ASSERT_NEAR(t.Q[i], Q[i], tol) << "prueba " << prueba << " Q[" << i << "]";

    const TablaProblema u = PoolOrdenado(g).Resolver(dt);
    ASSERT_EQ(u.T, t.T) << "prueba " << prueba;
    ASSERT_EQ(u.Q, t.Q) << "prueba " << prueba;
    ASSERT_EQ(u.C, t.C) << "prueba " << prueba;
    ASSERT_EQ(u.pinch, t.pinch) << "prueba " << prueba;
  }
}

// With stream ends anywhere many intervals are narrower than 0.001 K; every
// one of them counts its heat, so energy is conserved: QC - QH is the hot
// streams' heat less the cold streams'. QH, QC and the pinch are those of the
// plain method.
TEST(TablaProblema, BalanceConExtremosCualesquiera) {
  const CDiagrama d = referencia::ProblemaAleatorio(
      {.corrientes = 1000, .semilla = 20240611, .especiales = false});
  const referencia::Pool p = referencia::Proceso(d);
  const TablaProblema t = ResolverTablaProblema(p, d.m_dtMin);

  int estrechos = 0;
  for (std::size_t i = 1; i < t.T.size(); ++i)
    if (t.T[i - 1] - t.T[i] < kTolSpan) ++estrechos;
  ASSERT_GT(estrechos, 0) << "the problem must have narrow intervals";

  double calientes = 0.0, frias = 0.0;
  for (const CCorriente* c : p)
    (c->m_fria ? frias : calientes) += std::fabs(c->GetH(kTSentinel, 1));
  EXPECT_TRUE(referencia::Cerca(t.FrioMinimo() - t.CalienteMinimo(), calientes - frias, 1e-9))
      << t.FrioMinimo() - t.CalienteMinimo() << " vs " << calientes - frias;

  const referencia::Tabla r = referencia::ResolverTabla(p, d.m_dtMin);
  ASSERT_EQ(t.T, r.T);
  EXPECT_TRUE(referencia::Cerca(t.CalienteMinimo(), r.C.front(), 1e-9));
  EXPECT_TRUE(referencia::Cerca(t.FrioMinimo(), r.C.back(), 1e-9));
  EXPECT_EQ(t.TemperaturaPinch(0.0), r.pinch);

  // The sweep's presorted pool gives the same table at every DT min.
  const PoolOrdenado pool(p);
  for (double dt : {1.0, 10.0, 27.3}) {
    const TablaProblema u = pool.Resolver(dt);
    const TablaProblema v = ResolverTablaProblema(p, dt);
    EXPECT_EQ(u.T, v.T) << dt;
    EXPECT_EQ(u.C, v.C) << dt;
    EXPECT_EQ(u.pinch, v.pinch) << dt;
  }
}

// The core keeps its working lists between calls on a thread: tables of
// pools of every kind and size, one after another (the larger first, with
// steps and latent streams before pools without), are each those of the
// plain method; solved into the lists of the previous table they are the
// same as solved afresh.
TEST(TablaProblema, TablasSucesivasComoElMetodoDirecto) {
  struct Paso {
    int corrientes;
    bool enteras, especiales;
    double dtMin;
  };
  const Paso pasos[] = {{2000, false, true, 10.0}, {7, true, false, 10.0},  {1200, true, true, 5.0},
                        {0, false, false, 10.0},   {300, false, false, 1.0}, {2000, false, true, 10.0},
                        {40, false, true, 20.0}};
  TablaProblema anterior;
  unsigned semilla = 900;
  for (const Paso& paso : pasos) {
    SCOPED_TRACE(::testing::Message() << paso.corrientes << " streams, seed " << semilla);
    const CDiagrama d = referencia::ProblemaAleatorio({.corrientes = paso.corrientes,
                                                       .semilla = semilla++,
                                                       .enteras = paso.enteras,
                                                       .especiales = paso.especiales});
    const referencia::Pool p = referencia::Proceso(d);
    const TablaProblema t = ResolverTablaProblema(p, paso.dtMin);
    const referencia::Tabla r = referencia::ResolverTabla(p, paso.dtMin);
    ASSERT_EQ(t.T, r.T);
    ASSERT_EQ(t.Q.size(), r.Q.size());
    ASSERT_EQ(t.C.size(), r.C.size());
    const double tol = 1e-9 * std::max(1.0, referencia::Escala(p));
    for (std::size_t i = 0; i < r.Q.size(); ++i) {
      ASSERT_NEAR(t.Q[i], r.Q[i], tol) << "Q[" << i << "]";
      ASSERT_NEAR(t.C[i], r.C[i], tol) << "C[" << i << "]";
    }
    EXPECT_EQ(t.TemperaturaPinch(0.0), paso.corrientes ? r.pinch : 0.0);

    ResolverTablaProblema(std::span<const GrupoCorrientes>(&p, 1), paso.dtMin, anterior);
    EXPECT_EQ(anterior.T, t.T);
    EXPECT_EQ(anterior.Q, t.Q);
    EXPECT_EQ(anterior.C, t.C);
    EXPECT_EQ(anterior.pinch, t.pinch);
  }
}

// The network's computed heats, cascade and pinch are the plain method's.
void CalculadaComoLaReferencia(const CDiagrama& d, const referencia::Pool& p,
                               const referencia::Tabla& r) {
  ASSERT_EQ(d.m_calores.size(), r.Q.size());
  ASSERT_EQ(d.m_cascada.size(), r.C.size());
  const double tol = 1e-9 * std::max(1.0, referencia::Escala(p));
  for (std::size_t i = 0; i < r.Q.size(); ++i) {
    ASSERT_NEAR(d.m_calores[i], r.Q[i], tol) << "Q[" << i << "]";
    ASSERT_NEAR(d.m_cascada[i], r.C[i], tol) << "C[" << i << "]";
  }
  EXPECT_EQ(d.m_tPinch, r.pinch);
}

// A network's targets recalculated after edits (streams removed, a
// temperature changed, another DT min) are those of the plain method on the
// edited streams.
TEST(TablaProblema, ObjetivosRecalculadosTrasEditar) {
  CDiagrama d = referencia::ProblemaAleatorio({.corrientes = 1500, .semilla = 31});
  d.CalcularObjetivos();
  const std::size_t antes = d.m_temperaturas.size();
  d.m_corrientes.erase(d.m_corrientes.begin(), d.m_corrientes.begin() + 600);
  CCorriente& c = d.m_corrientes[10];
  c = CCorriente(c.m_T.front() + 3.25, c.m_T.back(), 2.0, c.m_fria, 0);
  d.SetDTMin(7.5);
  d.CalcularObjetivos();

  const referencia::Pool p = referencia::Proceso(d);
  const referencia::Tabla r = referencia::ResolverTabla(p, d.m_dtMin);
  ASSERT_LT(r.T.size(), antes);
  ASSERT_EQ(d.m_temperaturas, r.T);
  EXPECT_EQ(d.m_numIntervalos, static_cast<std::int32_t>(r.T.size()));
  CalculadaComoLaReferencia(d, p, r);
}

// A network's energy targets, read from its stream array, are the plain
// method's on the considered streams, whatever the pool: ends anywhere,
// equal temperatures (whole kelvin), latent streams and steps, an integrity
// area shown (streams left out), an infinite end (the sort's buckets then go
// by key, not by temperature). The networks come one after another on one
// thread, large and small, so each starts from the working lists of the last.
TEST(TablaProblema, ObjetivosDeLaRedComoElMetodoDirecto) {
  struct Caso {
    const char* nombre;
    referencia::Aleatorio problema;
    double dtMin;
    bool areas = false, infinito = false;
  };
  const Caso casos[] = {
      {"alternas", {.corrientes = 1500, .semilla = 41, .alternas = true}, 10.0},
      {"kelvin enteros", {.corrientes = 900, .semilla = 42, .enteras = true}, 10.0},
      {"latentes y escalones", {.corrientes = 1200, .semilla = 43}, 7.5},
      {"pocas", {.corrientes = 9, .semilla = 44}, 10.0},
      {"area mostrada", {.corrientes = 1000, .semilla = 45, .enteras = true}, 10.0, true},
      {"extremo infinito", {.corrientes = 400, .semilla = 46, .especiales = false}, 10.0, false,
       true},
      {"alternas otra vez", {.corrientes = 2500, .semilla = 47, .alternas = true}, 20.0},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = referencia::ProblemaAleatorio(c.problema);
    d.SetDTMin(c.dtMin);
    if (c.areas) {
      // Streams in a shown area, in a hidden one and in none.
      d.m_areas.resize(2);
      d.m_areas[0].mostrada = 1;
      for (std::size_t k = 0; k < d.m_corrientes.size(); ++k) {
        d.m_corrientes[k].m_area = k % 3 == 2 ? -1 : static_cast<std::int32_t>(k % 3);
        if (k % 3 != 2) d.m_areas[k % 3].corrientes.push_back(static_cast<std::uint32_t>(k));
      }
    }
    if (c.infinito) d.m_corrientes[7].m_T.back() = std::numeric_limits<double>::infinity();
    d.CalcularObjetivos();
    const referencia::Pool p = referencia::Proceso(d);
    if (c.areas) ASSERT_LT(p.size(), d.m_corrientes.size());
    const std::vector<double> T = referencia::Intervalos(p, d.m_dtMin);
    ASSERT_EQ(d.m_temperaturas, T);
    EXPECT_EQ(d.m_numIntervalos, static_cast<std::int32_t>(T.size()));
    if (c.infinito) continue;  // an infinite end leaves no finite heats to compare
    const referencia::Tabla r = referencia::ResolverTabla(p, d.m_dtMin);
    CalculadaComoLaReferencia(d, p, r);
    // The pool of pointers gives the very same table.
    const TablaProblema t = ResolverTablaProblema(p, d.m_dtMin);
    EXPECT_EQ(t.T, d.m_temperaturas);
    EXPECT_EQ(t.Q, d.m_calores);
    EXPECT_EQ(t.C, d.m_cascada);
  }
}

// Over boundaries that are not the streams' own (a regular grid), each
// piece adds the part of it that every interval covers.
TEST(TablaProblema, CascadaSobreOtrosIntervalos) {
  const CDiagrama d = referencia::ProblemaAleatorio({.corrientes = 60, .semilla = 77});
  const referencia::Pool p = referencia::Proceso(d);
  std::vector<double> T;
  for (double v = 611.123; v > 270.0; v -= 3.7) T.push_back(v);
  const CascadaTabla c = CalcularCascadaTabla(p, d.m_dtMin, T);
  const std::vector<double> Q = referencia::Calores(p, d.m_dtMin, T);
  ASSERT_EQ(c.Q.size(), Q.size());
  for (std::size_t i = 0; i < Q.size(); ++i)
    EXPECT_NEAR(c.Q[i], Q[i], 1e-9 * referencia::Escala(p)) << i;
}

// The weighted sums per interval: every sensible stream's heat per kelvin in
// the intervals it crosses, and every latent heat and step in the interval
// that holds it, each times its stream's weight. (On a zero-width interval
// the rate multiplies no width: only the concentrated heats are compared.)
TEST(TablaProblema, SumasPonderadasPorIntervalo) {
  const CDiagrama d = referencia::ProblemaAleatorio({.corrientes = 80, .semilla = 5});
  const referencia::Pool p = referencia::Proceso(d);
  std::vector<double> pesos;
  for (std::size_t k = 0; k < p.size(); ++k)
    pesos.push_back(0.25 + 0.5 * static_cast<double>(k % 7));
  const TablaColocada t(p, d.m_dtMin);
  ASSERT_EQ(t.NumCorrientes(), p.size());
  const TablaColocada::Sumas s = t.SumasPonderadas(pesos);
  const std::vector<double>& T = t.Tabla().T;
  const double half = d.m_dtMin / 2;
  for (std::size_t i = 1; i < T.size(); ++i) {
    double porGrado = 0.0, concentrado = 0.0;
    for (std::size_t k = 0; k < p.size(); ++k) {
      const CCorriente& c = *p[k];
      if (c.m_latente) {
        if (referencia::IntervaloLatente(c, half, T) == static_cast<int>(i))
          concentrado += std::fabs(c.GetH(kTSentinel, 1)) * pesos[k];
      } else if (T[i] == T[i - 1]) {
        concentrado += std::fabs(referencia::Escalon(c, T[i], half)) * pesos[k];
      } else {
        porGrado += std::fabs(referencia::CalorEntre(c, T[i], T[i - 1], half)) /
                    (T[i - 1] - T[i]) * pesos[k];
      }
    }
    if (T[i] != T[i - 1]) {
      EXPECT_NEAR(s.porGrado[i], porGrado, 1e-9 * std::max(1.0, porGrado)) << i;
    }
    EXPECT_NEAR(s.concentrado[i], concentrado, 1e-9 * std::max(1.0, concentrado)) << i;
  }
}

// ---- Curve lookup

TEST(BuscarEnCurva, Casos) {
  const std::vector<double> x = {400, 400, 300}, y = {50, 20, 0};
  struct Caso {
    double v, esperado;
  };
  for (const Caso& c : std::vector<Caso>{{400, 20}, {350, 10}, {300, 0}, {500, 50}, {200, 0}})
    EXPECT_DOUBLE_EQ(BuscarEnCurva(x, y, c.v), c.esperado) << "v = " << c.v;
  EXPECT_DOUBLE_EQ(BuscarEnCurva({500, 400, 300}, {0, 100, 50}, 450), 50);
  EXPECT_EQ(BuscarEnCurva({}, {}, 1.0), 0.0);
  EXPECT_EQ(BuscarEnCurva({400, 300}, {}, 350.0), 0.0);
  EXPECT_EQ(BuscarEnCurva({400}, {7}, 1.0), 7.0);
}

}  // namespace
}  // namespace vardo
