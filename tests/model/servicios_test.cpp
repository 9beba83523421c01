#include "model/servicios.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "model/constantes.h"
#include "model/diagrama.h"
#include "platform/core/archive.h"
#include "tests/comun/archivos.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

// Little-endian bytes written by hand, independent of Archive's writer.
struct Bytes : prueba::BytesLE {
  // The stream part with default values but those given.
  void corriente(double mcp, std::int32_t fria, std::int32_t latente, const std::string& nombre,
                 const std::vector<std::pair<double, double>>& puntos) {
    f64(mcp);
    i32(fria);
    i32(latente);
    for (int k = 0; k < 4; ++k) i32(0);
    i32(0);
    f64(2.0);
    f64(4600.0);
    f64(920.0);
    f64(0.7);
    str(nombre);
    i32(0);
    i32(-1);
    i32(-1);
    for (double p : prueba::kPropiedadesDefecto) f64(p);
    str("");
    i32(1);
    i32(1);
    i32(1);
    i32(0);
    i32(static_cast<std::int32_t>(puntos.size()));
    for (auto [T, H] : puntos) {
      f64(T);
      f64(H);
    }
    i32(0);
    i32(-1);
  }
};

using prueba::Guardar;

// A utility whose normalised curve runs through the given points.
CServicios Servicio(std::vector<std::pair<double, double>> puntos, std::int32_t fria, double carga) {
  CServicios u;
  u.CCorriente::BorrarPuntos();
  for (auto [T, H] : puntos) u.AddPunto(T, H);
  u.m_fria = fria;
  u.m_carga = carga;
  return u;
}

// ------------------------------------------------------------------ queries

TEST(ServiciosConsultas, LoadOf500) {
  CServicios u = Servicio({{400, 0}, {500, 1}}, 1, 500);
  EXPECT_DOUBLE_EQ(u.GetH(450, 1), 250);
  EXPECT_DOUBLE_EQ(u.GetH(kTSentinel, 1), 500);
  EXPECT_DOUBLE_EQ(u.GetH(300, 1), 0);    // clamped
  EXPECT_DOUBLE_EQ(u.GetH(600, 1), 500);  // clamped
  EXPECT_DOUBLE_EQ(u.GetCP(kTSentinel, kTSentinel), 5);
  EXPECT_DOUBLE_EQ(u.GetCP(420, 480), 5);
  EXPECT_DOUBLE_EQ(u.GetCP(480, 420), 5);
  EXPECT_NEAR(u.GetCP(420, 420), 5, 1e-6);
  EXPECT_NEAR(u.GetCP(kTSentinel, 450), 5, 1e-9);

  // Both ends clamped onto one end: the whole-range value, not 0/0.
  struct { double T1, T2; } fuera[] = {{600, 700}, {300, 350}, {500, 500}, {350, 399}};
  for (const auto& c : fuera) EXPECT_DOUBLE_EQ(u.GetCP(c.T1, c.T2), 5) << c.T1 << " " << c.T2;

  CServicios l = Servicio({{450, 0}, {450, 1}}, 1, 500);
  EXPECT_EQ(l.GetCP(400, 500), -1.0);
  EXPECT_EQ(l.m_latente, 1);
  EXPECT_DOUBLE_EQ(l.GetH(kTSentinel, 1), 500);
}

TEST(ServiciosConsultas, EqualArgumentsTakeTheSlopeNextToT1InTheFlow) {
  // Cold: 0.8 over 400..450, 0.2 over 450..500; load 500.
  CServicios c = Servicio({{400, 0}, {450, 0.8}, {500, 1}}, 1, 500);
  EXPECT_NEAR(c.GetCP(450, 450), 0.2 * 500 / 50, 1e-6);  // towards 450.001
  EXPECT_NEAR(c.GetCP(449.5, 449.5), 0.8 * 500 / 50, 1e-6);
  // Hot: flows from 500 down; next to 450 in the flow is 449.999.
  CServicios h = Servicio({{500, 0}, {450, -0.2}, {400, -1}}, 0, 500);
  EXPECT_NEAR(h.GetCP(450, 450), 0.8 * 500 / 50, 1e-6);
  EXPECT_NEAR(h.GetCP(450.5, 450.5), 0.2 * 500 / 50, 1e-6);
}

TEST(ServiciosConsultas, TemperatureAtHeatUsesTheScaledCurve) {
  struct Caso {
    double H, T;
  };
  CServicios c = Servicio({{400, 0}, {500, 1}}, 1, 500);
  const Caso frio[] = {{0, 400}, {250, 450}, {500, 500}, {600, 520}, {-50, 390}, {100, 420}};
  for (const auto& k : frio) EXPECT_DOUBLE_EQ(c.GetTEnH(k.H), k.T) << k.H;

  CServicios h = Servicio({{500, 0}, {400, -1}}, 0, 500);
  const Caso caliente[] = {{0, 500}, {-250, 450}, {-500, 400}, {-600, 380}, {50, 510}};
  for (const auto& k : caliente) EXPECT_DOUBLE_EQ(h.GetTEnH(k.H), k.T) << k.H;

  // A table: 0.8 of the load over the first 50 K.
  CServicios t = Servicio({{400, 0}, {450, 0.8}, {500, 1}}, 1, 500);
  EXPECT_DOUBLE_EQ(t.GetTEnH(200), 425);
  EXPECT_DOUBLE_EQ(t.GetTEnH(450), 475);
}

// ----------------------------------------------------------------- cascade

TEST(ServiciosCascada, Interpolar) {
  CServicios u;
  EXPECT_EQ(u.Interpolar(400), 0.0);  // no cascade

  for (auto [q, T] : std::vector<std::pair<double, double>>{{100, 500}, {40, 450}, {0, 400}, {60, 350}})
    u.AnadirPunto(q, T);
  struct { double T, q; } casos[] = {
      {600, 100}, {500, 100}, {475, 70}, {450, 40}, {425, 20}, {375, 30}, {350, 60}, {300, 60},
  };
  for (const auto& c : casos) EXPECT_DOUBLE_EQ(u.Interpolar(c.T), c.q) << c.T;

  CServicios v;  // two entries at one temperature: the smaller heat
  for (auto [q, T] : std::vector<std::pair<double, double>>{{100, 500}, {30, 450}, {20, 450}, {0, 400}})
    v.AnadirPunto(q, T);
  EXPECT_DOUBLE_EQ(v.Interpolar(450), 20);

  v.BorrarPuntos();
  EXPECT_TRUE(v.m_cascadaH.empty());
  EXPECT_TRUE(v.m_cascadaT.empty());
  EXPECT_EQ(v.GetNumPuntos(), 2);  // the curve's points stay
  EXPECT_EQ(v.Interpolar(450), 0.0);
}

TEST(ServiciosCascada, NormalizarEntalpia) {
  CServicios u = Servicio({{400, 0}, {450, -1}, {500, -4}}, 1, 0);
  u.NormalizarEntalpia();
  EXPECT_EQ(u.m_H, (std::vector<double>{0, -0.25, -1}));

  CServicios z = Servicio({{400, 0}, {450, 3}, {500, 0}}, 1, 0);
  z.NormalizarEntalpia();  // nothing to divide by: unchanged
  EXPECT_EQ(z.m_H, (std::vector<double>{0, 3, 0}));
}

TEST(ServiciosCascada, EntalpiaMaximaColdUtility) {
  // Curve 300 -> 400 K with heat 2 (normalised to 0..1); DT min 10: s = +5.
  CServicios u = Servicio({{300, 0}, {400, 2}}, 1, 0);
  u.m_dtMin = 10;
  // The entry at 405 K (the far end) divides by 1 - 1 = 0 and is skipped.
  for (auto [q, T] : std::vector<std::pair<double, double>>{
           {0, 420}, {-5, 405}, {50, 380}, {20, 340}, {80, 300}, {100, 260}})
    u.AnadirPunto(q, T);
  u.CalcularEntalpiaMaxima();
  // Interpolar(305) = 72.5; 380: 50 / (1 - 0.75) = 200; 340: 20 / (1 - 0.35).
  EXPECT_DOUBLE_EQ(u.m_entalpiaMaxima, 20 / 0.65);
  EXPECT_TRUE(std::isfinite(u.m_entalpiaMaxima));
  EXPECT_EQ(u.m_H, (std::vector<double>{0, 1}));

  // A flat end inside the table (1 - H_i = 0 at an inner point) is skipped too.
  CServicios f = Servicio({{300, 0}, {350, 1}, {400, 1}}, 1, 0);
  f.m_dtMin = 10;
  for (auto [q, T] : std::vector<std::pair<double, double>>{{-30, 420}, {10, 300}})
    f.AnadirPunto(q, T);
  f.CalcularEntalpiaMaxima();
  // Interpolar(305) = -30 + 115/120·40; the point at 350 K (H = 1) would divide
  // Interpolar(355) = -8.33 by 0.
  EXPECT_TRUE(std::isfinite(f.m_entalpiaMaxima));
  EXPECT_NEAR(f.m_entalpiaMaxima, -30 + 115.0 / 120 * 40, 1e-9);
}

TEST(ServiciosCascada, EntalpiaMaximaHotUtility) {
  // Curve 500 -> 400 K, heat -4 normalised to 0..-1; s = -5.
  CServicios u = Servicio({{500, 0}, {400, -4}}, 0, 0);
  u.m_dtMin = 10;
  for (auto [q, T] : std::vector<std::pair<double, double>>{
           {30, 520}, {60, 495}, {40, 470}, {90, 440}, {-7, 395}, {10, 380}})
    u.AnadirPunto(q, T);
  u.CalcularEntalpiaMaxima();
  // 495: 60 / 1; 470: 40 / (1 - 0.25); 440: 90 / (1 - 0.55); 395 divides by 0:
  // skipped; 520, above the utility, must carry the whole load: 30 / 1.
  EXPECT_DOUBLE_EQ(u.m_entalpiaMaxima, -30);
  EXPECT_EQ(u.m_H, (std::vector<double>{0, -1}));
}

TEST(ServiciosCascada, EntalpiaMaximaLatentAndEmpty) {
  struct Caso {
    std::int32_t fria;
    double T, esperado;
  };
  // Cascade 420 K: 10, 380 K: 50.
  const Caso casos[] = {
      {1, 400, 25},   // Interpolar(405) = 10 + 15/40·40; 50 below it
      {0, 400, -10},  // Interpolar(395) = 35, but only 10 flows at 420 above it
  };
  for (const auto& c : casos) {
    CServicios u = Servicio({{c.T, 0}, {c.T + 0.0005, 1}}, c.fria, 0);
    u.m_latente = 1;
    u.m_dtMin = 10;
    u.AnadirPunto(10, 420);
    u.AnadirPunto(50, 380);
    u.CalcularEntalpiaMaxima();
    EXPECT_DOUBLE_EQ(u.m_entalpiaMaxima, c.esperado);
    EXPECT_EQ(u.GetT2(), u.GetT1());
  }

  // Without a cascade a sensible utility is limited by its own points only: 0.
  CServicios e = Servicio({{300, 0}, {400, 1}}, 1, 0);
  e.CalcularEntalpiaMaxima();
  EXPECT_EQ(e.m_entalpiaMaxima, 0.0);
}

// The four-stream problem's cascade (Qh 20, Qc 60, DT min 10), shifted K:
//   438.15: 20, 418.15: 80, 413.15: 82.5, 358.15: 0, 328.15: 75, 298.15: 60.
// A cooler's load must pass down through every point at and below its
// shifted temperatures, a heater's replaces what flows through every point at
// and above them: the maximum is the least heat there (per point scaled by
// the share of a sensible utility's heat beyond that point).
TEST(ServiciosCascada, EntalpiaMaximaMiraMasAllaDelServicio) {
  struct Caso {
    const char* nombre;
    CServicios s;
    double maxima;
  };
  const Caso casos[] = {
      // Shifted 305: Interpolar = 60 + 6.85/30·15 = 63.425, but only 60 flows
      // at 298.15 below it.
      {"enfriador latente a 300 K", prueba::ServicioLatente(300, 0, 1), 60},
      // Shifted 400: Interpolar = 82.5·41.85/55 = 62.775, but 20 at 438.15.
      {"calentador latente a 405 K", prueba::ServicioLatente(405, 0, 0), -20},
      // Shifted 405 -> 395: Interpolar(405) = 70.275; above it 82.5, 80 and
      // 20 (each point above the whole curve: divisor 1).
      {"calentador 410 -> 400 K", prueba::Servicio(410, 400, 0, 0), -20},
      // Shifted 300 -> 310: Interpolar(300) = 60.925; 60 at 298.15 below.
      {"enfriador 295 -> 305 K", prueba::Servicio(295, 305, 0, 1), 60},
      // Cooler 320 -> 340 K (shifted 325 -> 345): Interpolar(325) = 73.425;
      // at 328.15, inside it, 1 - 3.15/20 of the load lies above: 75 / 0.8425
      // = 89.02; below it, 60 at 298.15 takes the whole load.
      {"enfriador 320 -> 340 K", prueba::Servicio(320, 340, 0, 1), 60},
  };
  std::vector<CServicios> servicios;
  for (const Caso& c : casos) servicios.push_back(c.s);
  const CDiagrama d = prueba::CuatroCorrientesConServicios(servicios);
  ASSERT_NEAR(d.m_cascada.front(), 20, 1e-9);
  ASSERT_NEAR(d.m_cascada.back(), 60, 1e-9);
  for (std::size_t k = 0; k < std::size(casos); ++k)
    EXPECT_NEAR(d.m_servicios[k].m_entalpiaMaxima, casos[k].maxima, 1e-9) << casos[k].nombre;
}

// A divisor that rounding leaves a hair away from 0 is the utility's far end
// as much as an exact 0: hot 650 -> 450 K m·cp 1, cold 510.34 -> 600 K m·cp 2,
// DT min 9.5; the cooling utility 500.34 -> 510.34 K can take 10 kW (its
// normalised end leaves 1 - H about 1e-16 at the cascade's 515.09 K).
TEST(ServiciosCascada, EntalpiaMaximaConUnDivisorRedondeado) {
  CDiagrama d;
  d.AddCorriente(650.0, 450.0, 1.0, 0, 0);
  d.AddCorriente(510.34, 600.0, 2.0, 1, 0);
  d.SetDTMin(9.5);
  d.CalcularObjetivos();
  CServicios u = Servicio({{500.34, 0}, {510.34, 1}}, 1, 0);
  u.m_dtMin = d.m_dtMin;
  for (std::size_t k = 0; k < d.m_cascada.size(); ++k)
    u.AnadirPunto(d.m_cascada[k], d.m_temperaturas[k]);
  u.CalcularEntalpiaMaxima();
  EXPECT_NEAR(u.m_entalpiaMaxima, 10.0, 1e-9);
}

// ------------------------------------------------------------------ copying

TEST(ServiciosCopia, CascadeListsAreNotCopied) {
  CServicios u = Servicio({{400, 0}, {500, 1}}, 1, 500);
  u.m_coste = 12.5;
  u.m_entalpiaMaxima = 800;
  u.m_mcp = 0.01;  // normalised slope
  u.AnadirPunto(10, 420);

  const CServicios c(u);
  EXPECT_TRUE(c.m_cascadaH.empty());
  EXPECT_TRUE(c.m_cascadaT.empty());
  EXPECT_EQ(c.m_carga, 500);
  EXPECT_EQ(c.m_coste, 12.5);
  EXPECT_EQ(c.m_entalpiaMaxima, 800);
  EXPECT_EQ(c.m_T, u.m_T);

  CServicios d;
  d.AnadirPunto(1, 2);
  d = u;
  EXPECT_EQ(d.m_cascadaT, (std::vector<double>{2}));  // an assigned one keeps its own
  EXPECT_EQ(d.m_carga, 500);

  // A utility copied into a plain stream brings its load-scaled m·cp.
  const CCorriente s(u);
  EXPECT_DOUBLE_EQ(s.m_mcp, 5.0);
  EXPECT_DOUBLE_EQ(s.GetH(kTSentinel, 1), 1.0);  // the points themselves stay normalised
}

// ----------------------------------------------------------------- storing

TEST(ServiciosArchivo, GoldenBytes) {
  Bytes e;
  e.corriente(0.0, 1, 0, "", {{0.0, 0.0}, {1.0, 0.0}});
  e.f64(0);
  e.f64(0);
  e.f64(0);
  CServicios d;
  EXPECT_EQ(Guardar(d), e.b);
  EXPECT_EQ(e.b.size(), 302u + 24u);

  // As a new utility is made: latent 1 K point pair, with load, cost and maximum.
  Bytes f;
  f.corriente(-1.0, 1, 1, "Vapor", {{1.0, 0.0}, {1.0, 1.0}});
  f.f64(12.5);   // unit cost
  f.f64(800.0);  // maximum enthalpy
  f.f64(500.0);  // load
  CServicios u = Servicio({{1.0, 0.0}, {1.0, 1.0}}, 1, 500);
  u.m_mcp = -1.0;
  u.m_latente = 1;
  u.m_nombre = "Vapor";
  u.m_coste = 12.5;
  u.m_entalpiaMaxima = 800;
  EXPECT_EQ(Guardar(u), f.b);
}

TEST(ServiciosArchivo, RoundTripAndDamage) {
  CServicios u = Servicio({{400, 0}, {450, 0.3}, {500, 1}}, 1, 750);
  u.m_mcp = 7.5;
  u.m_coste = 3.25;
  u.m_entalpiaMaxima = 1200;
  u.m_nombre = "Agua de refrigeración";
  u.AnadirPunto(10, 420);
  const auto bytes = Guardar(u);

  CServicios r;
  r.AnadirPunto(1, 2);
  Archive in(bytes);
  r.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(r.m_carga, 750);
  EXPECT_EQ(r.m_coste, 3.25);
  EXPECT_EQ(r.m_entalpiaMaxima, 1200);
  EXPECT_EQ(r.m_nombre, u.m_nombre);
  EXPECT_EQ(r.m_T, u.m_T);
  EXPECT_EQ(r.m_H, u.m_H);
  EXPECT_EQ(Guardar(r), bytes);

  for (std::size_t n = bytes.size() - 24; n < bytes.size(); ++n) {
    Archive corto(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(n)));
    CServicios x;
    EXPECT_THROW(x.Serialize(corto), FormatError) << n;
  }
}

}  // namespace
}  // namespace vardo
