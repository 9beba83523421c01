#include "model/corriente.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "model/constantes.h"
#include "platform/core/archive.h"
#include "platform/core/dc.h"
#include "tests/comun/archivos.h"

namespace vardo {
namespace {

using Bytes = prueba::BytesLE;
using prueba::Guardar;
constexpr const auto& kPropDefecto = prueba::kPropiedadesDefecto;

// ------------------------------------------------------------ construction

TEST(CorrienteConstruccion, DefaultAndValueConstructors) {
  const CCorriente d;
  EXPECT_EQ(d.m_correlacion, -1);
  for (int n = 1; n <= 20; ++n) EXPECT_EQ(d.Propiedad(n), kPropDefecto[n - 1]) << n;
  EXPECT_EQ(d.m_formaHT, 1);
  EXPECT_EQ(d.m_ajustada, 0);
  EXPECT_EQ(d.m_entalpiaDada, 1);
  EXPECT_EQ(d.m_lineal, 1);
  EXPECT_EQ(d.m_latente, 0);
  EXPECT_EQ(d.m_T, (std::vector<double>{0.0, 1.0}));
  EXPECT_EQ(d.m_H, (std::vector<double>{0.0, 0.0}));
  EXPECT_EQ(d.m_c, 0.7);
  EXPECT_EQ(d.m_b, 920.0);
  EXPECT_EQ(d.m_a, 4600.0);
  EXPECT_EQ(d.m_h, 2.0);
  EXPECT_EQ(d.m_split, -1);
  EXPECT_EQ(d.m_area, -1);
  EXPECT_EQ(d.m_marcaOrden, 0);
  EXPECT_EQ(d.m_rect, Rect{});
  EXPECT_EQ(d.m_posicionT1, (std::vector<std::uint32_t>{4}));
  EXPECT_EQ(d.m_posicionT2, (std::vector<std::uint32_t>{0}));

  const CCorriente v(400, 300, 2, 1, 0);  // cold flag given, but temperatures fall
  EXPECT_EQ(v.m_correlacion, 0);
  EXPECT_EQ(v.m_mcp, 2.0);
  EXPECT_EQ(v.m_H.back(), -200.0);
  EXPECT_EQ(v.m_fria, 0);  // set by the final enthalpy
  EXPECT_EQ(v.m_marcaOrden, 0);
  EXPECT_EQ(v.m_rect, Rect{});
  EXPECT_EQ(v.m_posicionT1.size(), 1u);
  EXPECT_EQ(v.m_posicionT2.size(), 1u);

  const CCorriente l(350, 350, 500, 1, 1);
  EXPECT_EQ(l.m_mcp, -1.0);
  EXPECT_EQ(l.m_H, (std::vector<double>{0.0, 500.0}));
}

TEST(CorrienteConstruccion, CopyRules) {
  CCorriente a(400, 300, 2, 0, 0);
  a.m_color = MakeRgb(1, 2, 3);
  a.m_nombre = "Corriente fría";
  a.m_cambiadores = {4, 1};
  a.m_pinchesSup = {420};
  a.m_pinchesInf = {310, 305};
  a.m_posicionT1 = {0, 3, 3};
  a.m_pinch = 355;
  a.m_rect = Rect{1, 2, 3, 4};
  a.m_marcaOrden = 2;
  a.m_mcp = 99;  // stale value: the copy takes the whole-range query instead

  const CCorriente c(a);
  EXPECT_EQ(c.m_color, 0u);
  EXPECT_EQ(c.m_mcp, 2.0);
  EXPECT_EQ(c.m_nombre, a.m_nombre);
  EXPECT_EQ(c.m_cambiadores, a.m_cambiadores);
  EXPECT_EQ(c.m_pinchesSup, a.m_pinchesSup);
  EXPECT_EQ(c.m_pinchesInf, a.m_pinchesInf);
  EXPECT_EQ(c.m_posicionT1, a.m_posicionT1);
  EXPECT_EQ(c.m_pinch, 355.0);
  EXPECT_EQ(c.m_rect, a.m_rect);
  EXPECT_EQ(c.m_marcaOrden, 2);

  CCorriente d;
  d.m_color = MakeRgb(9, 9, 9);
  d = a;
  EXPECT_EQ(d.m_color, MakeRgb(9, 9, 9));  // an assigned stream keeps its colour
  EXPECT_EQ(d.m_T, a.m_T);
  EXPECT_EQ(d.m_H, a.m_H);
  a.m_mcp = 2.0;
  EXPECT_EQ(Guardar(d), Guardar(a));
}

// ------------------------------------------------------------------ queries

TEST(CorrienteConsultas, HotStream400To300) {
  CCorriente s(400, 300, 2, 0, 0);
  ASSERT_EQ(s.m_fria, 0);
  EXPECT_EQ(s.m_H, (std::vector<double>{0.0, -200.0}));

  struct { double T; double H; } casosH[] = {
      {kTSentinel, -200}, {350, -100}, {400, 0}, {300, -200},
      {500, 0},      // clamped to the supply end
      {200, -200},   // clamped to the target end
      {325, -150},
  };
  for (const auto& c : casosH) EXPECT_DOUBLE_EQ(s.GetH(c.T, 0), c.H) << c.T;

  struct { double T1, T2, cp; } casosCp[] = {
      {300, 400, 2}, {400, 300, 2}, {kTSentinel, kTSentinel, 2}, {350, 350, 2},
      {kTSentinel, 350, 2}, {250, 500, 2},
  };
  for (const auto& c : casosCp) EXPECT_DOUBLE_EQ(s.GetCP(c.T1, c.T2), c.cp) << c.T1 << " " << c.T2;

  // Temperature at a heat: inside, and extrapolated with m·cp outside 0..H_tot.
  struct { double H, T; } casosT[] = {
      {0, 400}, {-100, 350}, {-200, 300}, {-250, 275}, {20, 410}, {-50, 375},
  };
  for (const auto& c : casosT) EXPECT_DOUBLE_EQ(s.GetTEnH(c.H), c.T) << c.H;
}

TEST(CorrienteConsultas, WrongSignOfHeatFlipsTheStream) {
  CCorriente s;
  s.BorrarPuntos();
  s.AddPunto(300, 0);
  s.AddPunto(400, -200);  // entered as a hot heat on rising temperatures
  s.m_fria = 0;
  s.CalcularCP();
  EXPECT_EQ(s.m_mcp, 2.0);
  EXPECT_EQ(s.m_H.back(), 200.0);
  EXPECT_EQ(s.m_fria, 1);

  CCorriente z;  // no heat
  z.CalcularCP();
  EXPECT_EQ(z.m_mcp, 0.0);
  // A zero m·cp is replaced by 1e-5 when a temperature is sought.
  EXPECT_DOUBLE_EQ(z.GetTEnH(0.0), 0.0);
  EXPECT_EQ(z.m_mcp, 1e-5);
  // A heat below 1e-5 kW counts as none: beyond it the temperature moves with
  // the stand-in 1e-5, not with the stream's vanishing slope.
  CCorriente casi(300, 400, 0, 1, 0);
  casi.SetHFinal(5e-6);
  EXPECT_NEAR(casi.GetTEnH(1.0), 400 + (1.0 - 5e-6) / 1e-5, 1e-6);
  EXPECT_NEAR(casi.GetTEnH(-1.0), 300 - 1.0 / 1e-5, 1e-6);
}

TEST(CorrienteConsultas, LatentStream) {
  CCorriente l(350, 350, 500, 1, 1);
  for (double T1 : {kTSentinel, 300.0, 350.0})
    for (double T2 : {kTSentinel, 360.0})
      EXPECT_EQ(l.GetCP(T1, T2), -1.0);
  EXPECT_EQ(l.GetH(kTSentinel, 1), 500.0);
  // Vertical segment: on a cold stream side 1 takes the point nearer the supply end.
  EXPECT_EQ(l.GetH(350, 1), 0.0);
  EXPECT_EQ(l.GetH(350, 0), 500.0);
  EXPECT_DOUBLE_EQ(l.GetTEnH(250), 350.0);
  EXPECT_DOUBLE_EQ(l.GetTEnH(900), 350.0);  // no extrapolation for a latent stream

  // Two points without span become latent when m·cp is asked.
  CCorriente p;
  p.BorrarPuntos();
  p.AddPunto(350, 0);
  p.AddPunto(350.0005, 100);
  EXPECT_EQ(p.m_latente, 0);
  EXPECT_EQ(p.GetCP(kTSentinel, kTSentinel), -1.0);
  EXPECT_EQ(p.m_latente, 1);
}

TEST(CorrienteConsultas, TableWithVerticalSegment) {
  CCorriente s;
  s.BorrarPuntos();
  s.AddPunto(300, 0);
  s.AddPunto(350, 100);
  s.AddPunto(350, 300);
  s.AddPunto(400, 400);
  s.m_fria = 1;
  s.m_lineal = 0;
  EXPECT_DOUBLE_EQ(s.GetH(350, 1), 100);
  EXPECT_DOUBLE_EQ(s.GetH(350, 0), 300);
  EXPECT_DOUBLE_EQ(s.GetH(325, 0), 50);
  EXPECT_DOUBLE_EQ(s.GetH(375, 0), 350);
  EXPECT_DOUBLE_EQ(s.GetCP(300, 350), 2.0);
  EXPECT_DOUBLE_EQ(s.GetCP(350, 400), 6.0);  // from the lower end of the vertical
  EXPECT_DOUBLE_EQ(s.GetCP(310, 390), (380 - 20) / 80.0);
  EXPECT_DOUBLE_EQ(s.GetTEnH(200), 350);  // inside the latent part
  EXPECT_DOUBLE_EQ(s.GetTEnH(350), 375);
  EXPECT_DOUBLE_EQ(s.GetTEnH(50), 325);
  EXPECT_DOUBLE_EQ(s.GetTEnH(400), 400);
  EXPECT_DOUBLE_EQ(s.GetTEnH(440), 410);  // m·cp over the whole stream: 400 / 100

  CCorriente h;  // hot table: enthalpies fall
  h.BorrarPuntos();
  h.AddPunto(400, 0);
  h.AddPunto(350, -50);
  h.AddPunto(300, -250);
  h.m_fria = 0;
  EXPECT_DOUBLE_EQ(h.GetH(375, 0), -25);
  EXPECT_DOUBLE_EQ(h.GetH(325, 0), -150);
  EXPECT_DOUBLE_EQ(h.GetTEnH(-150), 325);
  EXPECT_DOUBLE_EQ(h.GetTEnH(-25), 375);
}

TEST(CorrienteConsultas, SettersAndSigns) {
  CCorriente s(300, 400, 2, 1, 0);
  s.SetT1(310);
  s.SetT2(390);
  s.SetHFinal(-80);
  EXPECT_EQ(s.GetT1(), 310);
  EXPECT_EQ(s.GetT2(), 390);
  EXPECT_EQ(s.GetPunto(1, 0), -80);
  EXPECT_EQ(s.GetPunto(1, 1), 390);
  s.AjustarSignoH();
  EXPECT_EQ(s.m_H.back(), 80);  // cold: absolute values
  s.m_fria = 0;
  s.AjustarSignoH();
  EXPECT_EQ(s.m_H.back(), -80);
  // A hot stream's zero enthalpy (its first point) stays an unsigned zero.
  ASSERT_EQ(s.m_H.front(), 0.0);
  EXPECT_FALSE(std::signbit(s.m_H.front()));
  s.CalcularHFinal();  // (390 - 310) · 2 > 0 makes it cold
  EXPECT_EQ(s.m_H.back(), 160);
  EXPECT_EQ(s.m_fria, 1);
  s.m_mcp = 0;
  s.CalcularHFinal();  // exactly 0 keeps the flag
  EXPECT_EQ(s.m_fria, 1);
}

// ---------------------------------------------------------------- EstimarH

TEST(CorrienteEstimarH, EveryCorrelationWithDefaultProperties) {
  // Re = 2·1000·0.1/0.001 = 2e5, Pr = 4180·0.001/0.6 = 6.9667, by hand.
  const double esperado[10] = {4.559333318785193,  4.233017902027361,  1.094311672388353,
                               0.003007461674098446, 7.901447920705437, 9.462461120857155,
                               214.38503192237934, 41.78333322811353,  34.99076381900977,
                               2.6975028637498357};
  for (int c = 0; c < 10; ++c) {
    CCorriente s;
    s.m_correlacion = c;
    s.EstimarH();
    EXPECT_NEAR(s.m_h, esperado[c], 1e-9 * esperado[c]) << CCorriente::NombreCorrelacion(c);
  }
  for (int c : {-1, 10}) {
    CCorriente s;
    s.m_correlacion = c;
    s.m_h = 3.5;
    s.EstimarH();
    EXPECT_EQ(s.m_h, 3.5);
  }
  EXPECT_EQ(CCorriente::NombreCorrelacion(3), "Ebullición");
  EXPECT_EQ(CCorriente::NombreCorrelacion(-1), "");
}

TEST(CorrienteEstimarH, PropertiesChangeTheResult) {
  CCorriente s;
  s.m_correlacion = 0;
  s.m_u = 1.0;  // Re = 1e5
  s.m_k = 0.5;  // Pr = 8.36
  s.EstimarH();
  // 0.023 · 1e5^0.8 · 8.36^0.33 · 0.5/0.1 · 0.001
  EXPECT_NEAR(s.m_h, 0.023 * 10000.0 * std::pow(8.36, 0.33) * 5.0 * 0.001, 1e-9);
}

// ------------------------------------------------------- end classification

TEST(CorrienteExtremos, CodesAgainstProcessPinch) {
  struct Caso {
    double T1, T2;
    std::int32_t fria;
    std::uint32_t pos1, pos2;
  };
  // DT min 10, shifted pinch 355: cold streams meet it at 350, hot at 360.
  const Caso casos[] = {
      {300, 400, 1, 4, 0},  // across
      {360, 400, 1, 1, 0},  // above
      {300, 340, 1, 4, 3},  // below
      {350, 400, 1, 2, 0},  // supply on the pinch
      {300, 350, 1, 4, 2},  // target on the pinch
      {350 + 1e-12, 400, 1, 1, 0},
      {350 - 1e-12, 400, 1, 4, 0},
      {400, 300, 0, 0, 4},  // hot across
      {400, 370, 0, 0, 1},  // hot above
      {350, 300, 0, 3, 4},  // hot below
      {360, 300, 0, 2, 4},
      {400, 360, 0, 0, 2},
      {400, 360 + 1e-12, 0, 0, 1},
      {400, 360 - 1e-12, 0, 0, 4},
  };
  for (const auto& c : casos) {
    CCorriente s;
    s.m_T = {c.T1, c.T2};
    s.m_fria = c.fria;
    s.m_dtMin = 10;
    s.m_pinch = 355;
    s.AddPinchServicio(420);  // ignored while utilities are hidden
    s.ClasificarExtremos();
    ASSERT_EQ(s.m_posicionT1.size(), 1u);
    EXPECT_EQ(s.GetPosicionT1(0), c.pos1) << c.T1 << "->" << c.T2;
    EXPECT_EQ(s.GetPosicionT2(0), c.pos2) << c.T1 << "->" << c.T2;
  }
}

TEST(CorrienteExtremos, UtilityPinchesInOrder) {
  CCorriente s(300, 400, 1, 1, 0);
  s.m_dtMin = 10;
  s.m_pinch = 355;
  s.AddPinchServicio(425);
  s.AddPinchServicio(385);
  s.AddPinchServicioInferior(305);
  s.m_serviciosVisibles = 1;
  s.ClasificarExtremos();
  // Pinches seen by a cold stream: 420, 380, 350, 300.
  EXPECT_EQ(s.m_posicionT1, (std::vector<std::uint32_t>{4, 4, 4, 2}));
  EXPECT_EQ(s.m_posicionT2, (std::vector<std::uint32_t>{3, 0, 0, 0}));
  EXPECT_EQ(s.GetPosicionT2(-1), 0u);  // the process pinch's entry (index 2)
  EXPECT_EQ(s.GetPosicionT1(-1), 4u);
  EXPECT_EQ(s.GetPosicionT1(7), 0u);   // out of range answers 0

  s.BorrarPinches();
  EXPECT_TRUE(s.m_pinchesSup.empty());
  EXPECT_TRUE(s.m_pinchesInf.empty());
  EXPECT_EQ(s.GetPosicionT1(-1), 0u);  // no utility pinches above
}

// -------------------------------------------------------------- storing

TEST(CorrienteArchivo, DefaultGoldenBytes) {
  Bytes e;
  e.f64(0.0);           // 1 m·cp
  e.i32(1);             // 2 cold
  e.i32(0);             // 3 latent
  for (int k = 0; k < 4; ++k) e.i32(0);  // 4 rectangle
  e.i32(0);             // 5 exchangers
  e.f64(2.0);           // 6 h
  e.f64(4600.0);        // 7 a
  e.f64(920.0);         // 8 b
  e.f64(0.7);           // 9 c
  e.str("");            // 10 name
  e.i32(0);             // 11 marker
  e.i32(-1);            // 12 split
  e.i32(-1);            // 13 correlation
  for (double p : kPropDefecto) e.f64(p);  // 14
  e.str("");            // 15 fitted function
  e.i32(1);             // 16 H = f(T)
  e.i32(1);             // 17 enthalpy given
  e.i32(1);             // 18 linear
  e.i32(0);             // 19 fitted
  e.i32(2);             // 20 points
  e.f64(0.0); e.f64(0.0);
  e.f64(1.0); e.f64(0.0);
  e.i32(0);             // 21 marker again
  e.i32(-1);            // 22 area
  CCorriente d;
  EXPECT_EQ(Guardar(d), e.b);
  EXPECT_EQ(e.b.size(), 302u);
}

CCorriente NoDefecto() {
  CCorriente s;
  s.m_mcp = 2.5;
  s.m_fria = 0;
  s.m_latente = 0;
  s.m_rect = Rect{1500, -1500, 19500, -4250};
  s.m_cambiadores = {7, 3};
  s.m_h = 0.75;
  s.m_a = 1000;
  s.m_b = 500;
  s.m_c = 0.6;
  s.m_nombre = "Corriente fría · ñ";
  s.m_marcaOrden = 2;
  s.m_split = 4;
  s.m_correlacion = 6;
  for (int n = 1; n <= 20; ++n) s.Propiedad(n) = n + 0.5;
  s.m_ajuste = "H=2*T";
  s.m_formaHT = 0;
  s.m_entalpiaDada = 0;
  s.m_lineal = 0;
  s.m_ajustada = 1;
  s.m_T = {400, 350, 300};
  s.m_H = {0, -125, -250};
  s.m_area = 1;
  return s;
}

TEST(CorrienteArchivo, NonDefaultGoldenBytes) {
  Bytes e;
  e.f64(2.5);
  e.i32(0);
  e.i32(0);
  e.i32(1500); e.i32(-1500); e.i32(19500); e.i32(-4250);
  e.i32(2); e.i32(7); e.i32(3);
  e.f64(0.75);
  e.f64(1000);
  e.f64(500);
  e.f64(0.6);
  e.str("Corriente fr\xED""a \xB7 \xF1");
  e.i32(2);
  e.i32(4);
  e.i32(6);
  for (int n = 1; n <= 20; ++n) e.f64(n + 0.5);
  e.str("H=2*T");
  e.i32(0);   // form
  e.i32(0);   // enthalpy given
  e.i32(0);   // linear
  e.i32(1);   // fitted
  e.i32(3);
  e.f64(400); e.f64(0);
  e.f64(350); e.f64(-125);
  e.f64(300); e.f64(-250);
  e.i32(2);
  e.i32(1);
  CCorriente s = NoDefecto();
  EXPECT_EQ(Guardar(s), e.b);
}

TEST(CorrienteArchivo, RoundTripKeepsStoredValuesAndRecomputesNothing) {
  CCorriente s = NoDefecto();
  s.m_mcp = 123.0;  // not what the points say: loading must keep it
  s.m_fria = 1;
  s.m_latente = 1;
  const auto bytes = Guardar(s);

  CCorriente r(10, 20, 3, 1, 0);  // different points, to be emptied
  r.m_color = MakeRgb(5, 5, 5);
  r.m_dtMin = 7;
  Archive in(bytes);
  r.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(r.m_mcp, 123.0);
  EXPECT_EQ(r.m_fria, 1);
  EXPECT_EQ(r.m_latente, 1);
  EXPECT_EQ(r.m_T, s.m_T);
  EXPECT_EQ(r.m_H, s.m_H);
  EXPECT_EQ(r.m_nombre, s.m_nombre);
  EXPECT_EQ(r.m_cambiadores, s.m_cambiadores);
  EXPECT_EQ(r.m_rect, s.m_rect);
  EXPECT_EQ(r.m_color, MakeRgb(5, 5, 5));  // working fields are not stored
  EXPECT_EQ(r.m_dtMin, 7.0);
  EXPECT_EQ(Guardar(r), bytes);
}

TEST(CorrienteArchivo, SecondMarkerIsKept) {
  CCorriente s;
  auto bytes = Guardar(s);
  // First marker sits after m·cp, flags, rectangle, count, four doubles, name.
  const std::size_t primero = 8 + 4 + 4 + 16 + 4 + 32 + 1;
  bytes[primero] = 2;
  bytes[bytes.size() - 8] = 1;
  Archive in(bytes);
  CCorriente r;
  r.Serialize(in);
  EXPECT_EQ(r.m_marcaOrden, 1);
}

TEST(CorrienteArchivo, DamagedFilesAreFormatErrors) {
  CCorriente s = NoDefecto();
  const auto bytes = Guardar(s);
  // Every truncation fails cleanly.
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    Archive in(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(n)));
    CCorriente r;
    EXPECT_THROW(r.Serialize(in), FormatError) << n;
  }
  // Offsets of the exchanger count and of the point count in the non-default record.
  const std::size_t cuentaCambiadores = 8 + 4 + 4 + 16;
  const std::size_t nombre = cuentaCambiadores + 4 + 8 + 32;
  const std::size_t cuentaPuntos = nombre + 1 + bytes[nombre] + 12 + 160 + 1 + 5 + 16;
  ASSERT_EQ(bytes[cuentaPuntos], 3);
  struct { std::size_t offset; std::int32_t valor; } casos[] = {
      {cuentaPuntos, 1}, {cuentaPuntos, 0}, {cuentaPuntos, -1}, {cuentaPuntos, 0x7fffffff},
      {cuentaPuntos, 4},  // one point more than the bytes hold
      {cuentaCambiadores, -5}, {cuentaCambiadores, 0x40000000},
  };
  for (const auto& c : casos) {
    auto b = bytes;
    std::memcpy(&b[c.offset], &c.valor, 4);
    Archive in(b);
    CCorriente r;
    EXPECT_THROW(r.Serialize(in), FormatError) << c.offset << " " << c.valor;
  }
}

// ----------------------------------------------------------------- drawing

struct CorrienteDibujo : ::testing::Test {
  // Row of the default grid: 1500..19500 wide, first row of four.
  static constexpr Rect kFila{1500, -1500, 19500, -4250};
  static constexpr std::int32_t kYm = -2875;
  RecordingDc dc;

  static CCorriente Fila(double T1, double T2, double v, std::int32_t fria, std::int32_t latente = 0) {
    CCorriente s(T1, T2, v, fria, latente);
    s.m_rect = kFila;
    s.m_dtMin = 10;
    s.m_pinch = 355;
    s.m_color = MakeRgb(0, 0, 255);
    s.ClasificarExtremos();
    return s;
  }
  std::vector<const RecordingDc::Item*> De(RecordingDc::Op op) const {
    std::vector<const RecordingDc::Item*> out;
    for (const auto& it : dc.Items())
      if (it.op == op) out.push_back(&it);
    return out;
  }
};

TEST_F(CorrienteDibujo, HotStreamAcrossThePinch) {
  const CCorriente s = Fila(400, 300, 2, 0);
  dc.SelectFont(LogFont{.height = -360});
  const Pen antes = dc.CurrentPen();
  s.Dibujar(dc, 0);

  auto lineas = De(RecordingDc::Op::Line);
  ASSERT_EQ(lineas.size(), 1u);
  EXPECT_EQ(lineas[0]->points, (std::vector<Point>{{3500, kYm}, {18000, kYm}}));
  EXPECT_EQ(lineas[0]->pen, (Pen{PenStyle::Solid, 1, MakeRgb(0, 0, 255)}));
  auto flecha = De(RecordingDc::Op::Polyline);
  ASSERT_EQ(flecha.size(), 1u);
  EXPECT_EQ(flecha[0]->points,
            (std::vector<Point>{{17700, kYm + 150}, {18000, kYm}, {17700, kYm - 150}}));
  auto cajas = De(RecordingDc::Op::Rectangle);
  ASSERT_EQ(cajas.size(), 1u);
  EXPECT_EQ(cajas[0]->points, (std::vector<Point>{{3225, kYm + 275}, {3775, kYm - 275}}));
  EXPECT_EQ(cajas[0]->brush, Brush::White);

  // Label centred in the box; heat and m·cp columns; temperatures above the line.
  const auto* n = dc.FindText("1");
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->points[0], (Point{3500 - 90, kYm + 180}));
  EXPECT_EQ(n->textColor, MakeRgb(0, 0, 255));
  const auto* h = dc.FindText("-200.");
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->points[0], (Point{1500, kYm + 180}));
  const auto* cp = dc.FindText("2.");
  ASSERT_NE(cp, nullptr);
  EXPECT_EQ(cp->points[0], (Point{19500 - 900, kYm + 180}));
  const auto* t1 = dc.FindText("400.");
  const auto* t2 = dc.FindText("300.");
  ASSERT_NE(t1, nullptr);
  ASSERT_NE(t2, nullptr);
  EXPECT_EQ(t1->points[0], (Point{3500 + 275 + 100, kYm + 100 + 360}));
  EXPECT_EQ(t2->points[0], (Point{18000 - 300 - 100 - 4 * 180, kYm + 100 + 360}));
  EXPECT_EQ(dc.Texts().size(), 5u);  // no name unless asked
  EXPECT_EQ(dc.CurrentPen(), antes);  // selections restored
}

// A row spanning the whole 32-bit range (a damaged file's grid) and a font
// of the most negative height draw without overflow: positions past the
// range stop at its ends.
TEST_F(CorrienteDibujo, ExtremeRowSaturates) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  CCorriente s = Fila(400, 300, 2, 0);
  s.m_rect = Rect{kMin, kMax, kMax, kMin};
  s.SetNombre("Nombre");
  s.m_mostrarNombre = 1;
  dc.SelectFont(LogFont{.height = kMin});
  s.Dibujar(dc, 0);
  auto lineas = De(RecordingDc::Op::Line);
  ASSERT_EQ(lineas.size(), 1u);
  EXPECT_LT(lineas[0]->points[0].x, lineas[0]->points[1].x);
  EXPECT_EQ(lineas[0]->points[0].y, 0);
  const auto* cp = dc.FindText("2.");
  ASSERT_NE(cp, nullptr);
  EXPECT_EQ(cp->points[0].x, kMax - 900);
  EXPECT_EQ(cp->points[0].y, kMax / 2);
  const auto* nombre = dc.FindText("Nombre");
  ASSERT_NE(nombre, nullptr);
  EXPECT_EQ(nombre->points[0].x, kMax);
  EXPECT_EQ(dc.Texts().size(), 6u);
}

TEST_F(CorrienteDibujo, StreamsCutAtThePinchLine) {
  // One pinch line at 1500 + 18000/2 = 10500; line extremes 3500 and 18000.
  struct Caso {
    double T1, T2;
    std::int32_t fria;
    Point desde, hasta;
  };
  const Caso casos[] = {
      {400, 370, 0, {3500, kYm}, {10500, kYm}},   // hot, above
      {350, 300, 0, {10500, kYm}, {18000, kYm}},  // hot, below
      {360, 300, 0, {10500, kYm}, {18000, kYm}},  // hot, supply on the pinch
      {300, 400, 1, {18000, kYm}, {3500, kYm}},   // cold across: drawn right to left
      {360, 400, 1, {10500, kYm}, {3500, kYm}},   // cold, above
      {300, 340, 1, {18000, kYm}, {10500, kYm}},  // cold, below
      {300, 350, 1, {18000, kYm}, {10500, kYm}},  // cold, target on the pinch
  };
  for (const auto& c : casos) {
    dc.Clear();
    Fila(c.T1, c.T2, 1, c.fria).Dibujar(dc, 3);
    auto lineas = De(RecordingDc::Op::Line);
    ASSERT_EQ(lineas.size(), 1u);
    EXPECT_EQ(lineas[0]->points, (std::vector<Point>{c.desde, c.hasta})) << c.T1 << "->" << c.T2;
    // The arrow's tip is the target end and points along the flow.
    auto flecha = De(RecordingDc::Op::Polyline);
    ASSERT_EQ(flecha.size(), 1u);
    EXPECT_EQ(flecha[0]->points[1], c.hasta);
    const int dir = c.hasta.x > c.desde.x ? 1 : -1;
    EXPECT_EQ(flecha[0]->points[0].x, c.hasta.x - dir * 300);
    EXPECT_NE(dc.FindText("4"), nullptr);
  }
}

TEST_F(CorrienteDibujo, UtilityPinchLines) {
  // Three lines at 6000, 10500 and 15000 (dx = 18000 / 4).
  CCorriente s(390, 300, 1, 0, 0);  // hot end between the upper and the process pinch
  s.m_rect = kFila;
  s.m_dtMin = 10;
  s.m_pinch = 355;
  s.AddPinchServicio(395);       // 400 for a hot stream
  s.AddPinchServicioInferior(315);  // 320
  s.m_serviciosVisibles = 1;
  s.ClasificarExtremos();
  s.Dibujar(dc, 0);
  auto lineas = De(RecordingDc::Op::Line);
  ASSERT_EQ(lineas.size(), 1u);
  EXPECT_EQ(lineas[0]->points, (std::vector<Point>{{6000, kYm}, {18000, kYm}}));

  dc.Clear();
  s.m_T = {390, 330};  // cold end between the process and the lower pinch
  s.ClasificarExtremos();
  s.Dibujar(dc, 0);
  EXPECT_EQ(De(RecordingDc::Op::Line)[0]->points, (std::vector<Point>{{6000, kYm}, {15000, kYm}}));
}

TEST_F(CorrienteDibujo, LabelsLatentAndName) {
  // Streams by number at any count; utilities "C" (hot) or "R" (cold).
  struct { std::int32_t numero; std::int32_t fria; const char* etiqueta; } casos[] = {
      {0, 0, "1"}, {41, 1, "42"}, {999, 0, "1000"}, {1000, 0, "1001"}, {4999, 1, "5000"},
      {kRefServicio, 0, "C1"}, {kRefServicio + 4, 0, "C5"}, {kRefServicio + 999, 0, "C1000"},
      {kRefServicio, 1, "R1"}, {kRefServicio + 2, 1, "R3"},
  };
  for (const auto& c : casos) {
    dc.Clear();
    (c.fria ? Fila(300, 400, 2, 1) : Fila(400, 300, 2, 0)).Dibujar(dc, c.numero);
    EXPECT_NE(dc.FindText(c.etiqueta), nullptr) << c.numero;
  }

  dc.Clear();
  CCorriente l = Fila(380, 380, 750, 1, 1);
  l.m_nombre = "Vapor";
  l.m_mostrarNombre = 1;
  l.Dibujar(dc, 0);
  EXPECT_NE(dc.FindText("750."), nullptr);
  EXPECT_NE(dc.FindText("-"), nullptr);
  const auto* nombre = dc.FindText("Vapor");
  ASSERT_NE(nombre, nullptr);
  EXPECT_EQ(nombre->points[0].x, 19500 + 350);
  EXPECT_EQ(dc.FindText("380.") != nullptr, true);
}

}  // namespace
}  // namespace vardo
