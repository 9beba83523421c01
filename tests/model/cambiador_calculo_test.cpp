// Exchanger calculation: duty and end temperatures from the set values,
// the one-side variants and the heat moved across the pinches.
#include <gtest/gtest.h>

#include <vector>

#include "model/cambiador.h"
#include "model/constantes.h"
#include "model/corriente.h"

namespace vardo {
namespace {

// Hot 500 → 300 K, m·cp 2 (400 kW); cold 300 → 500 K, m·cp 4 (800 kW).
struct Fixture : ::testing::Test {
  CCorriente caliente{500.0, 300.0, 2.0, 0, 0};
  CCorriente fria{300.0, 500.0, 4.0, 1, 0};
  std::vector<CCambiador> otros;

  static void Lado(CCambiador& c, bool esCaliente, std::int32_t ref, const CCorriente& s) {
    const double cp = s.GetCP(kTSentinel, kTSentinel);
    if (esCaliente)
      c.SetLadoCaliente(ref, s.GetT1(), s.GetT2(), s.GetH(kTSentinel, 1), cp);
    else
      c.SetLadoFrio(ref, s.GetT1(), s.GetT2(), s.GetH(kTSentinel, 1), cp);
  }
  CCambiador Nuevo(std::int32_t modo, std::int32_t tEC, double vEC, std::int32_t tSC, double vSC,
                   std::int32_t tEF, double vEF, std::int32_t tSF, double vSF, double q) {
    CCambiador c(modo, tEC, vEC, tSC, vSC, tEF, vEF, tSF, vSF, 1, q);
    Lado(c, true, 0, caliente);
    Lado(c, false, 1, fria);
    c.tPinch = 400.0;
    c.dtMin = 10.0;
    return c;
  }
  void Calcular(CCambiador& c) { c.Calcular(&caliente, &fria, otros); }
};

TEST_F(Fixture, DutyGivenFromTypedHotInletAndColdSupply) {
  // 450 K hot inlet, 100 kW: the hot side's supply temperature plays no part.
  CCambiador c = Nuevo(kModoQ, kTipoValor, 450.0, 0, 0, kTipoExtremo, 0, 0, 0, 100.0);
  Calcular(c);
  EXPECT_EQ(c.calculado, 1);
  EXPECT_DOUBLE_EQ(c.q, 100.0);
  EXPECT_NEAR(c.tEntradaCaliente, 450.0, 1e-9);
  EXPECT_NEAR(c.tSalidaCaliente, 400.0, 1e-9);
  EXPECT_NEAR(c.tEntradaFria, 300.0, 1e-9);
  EXPECT_NEAR(c.tSalidaFria, 325.0, 1e-9);
}

TEST_F(Fixture, DutyGivenFromOutlets) {
  // Outlets known: the inlets follow backwards along each curve.
  CCambiador c = Nuevo(kModoQ, 0, 0, kTipoExtremo, 0, 0, 0, kTipoValor, 420.0, 120.0);
  Calcular(c);
  EXPECT_NEAR(c.tSalidaCaliente, 300.0, 1e-9);
  EXPECT_NEAR(c.tEntradaCaliente, 360.0, 1e-9);
  EXPECT_NEAR(c.tSalidaFria, 420.0, 1e-9);
  EXPECT_NEAR(c.tEntradaFria, 390.0, 1e-9);
}

TEST_F(Fixture, IsothermalColdSideKeepsItsTemperature) {
  fria = CCorriente(380.0, 380.0, 500.0, 1, 1);
  CCambiador c = Nuevo(kModoQ, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 250.0);
  Calcular(c);
  EXPECT_NEAR(c.tEntradaFria, 380.0, 1e-12);
  EXPECT_NEAR(c.tSalidaFria, 380.0, 1e-12);
  EXPECT_NEAR(c.tSalidaCaliente, 375.0, 1e-9);
}

TEST_F(Fixture, PinchKindPicksProcessOrUtilityPinch) {
  struct Caso {
    double valor;
    double thi;  // hot inlet = pinch + DT/2
  } casos[] = {{0.0, 405.0}, {0.99, 405.0}, {1.0, 425.0},
               {1.7, 405.0}, {2.0, 405.0},  {-3.0, 405.0}};
  for (const Caso& k : casos) {
    CCambiador c = Nuevo(kModoQ, kTipoPinch, k.valor, 0, 0, kTipoPinch, k.valor, 0, 0, 10.0);
    c.pinchesServicio = {420.0};
    Calcular(c);
    EXPECT_NEAR(c.tEntradaCaliente, k.thi, 1e-9) << k.valor;
    EXPECT_NEAR(c.tEntradaFria, k.thi - 10.0, 1e-9) << k.valor;
  }
}

TEST_F(Fixture, FourTemperaturesGiven) {
  // All four typed: the duty comes from the hot side, nothing is derived.
  CCambiador c = Nuevo(kModoTemperaturas, kTipoValor, 480.0, kTipoValor, 440.0, kTipoValor, 310.0,
                       kTipoValor, 330.0, 999.0);
  Calcular(c);
  EXPECT_NEAR(c.q, 80.0, 1e-9);
  EXPECT_NEAR(c.tEntradaFria, 310.0, 1e-12);
  EXPECT_NEAR(c.tSalidaFria, 330.0, 1e-12);

  // Hot outlet not given: the duty comes from the cold side (320 → 340 K,
  // 80 kW) and the hot outlet follows from the hot inlet.
  CCambiador d =
      Nuevo(kModoTemperaturas, kTipoValor, 480.0, 0, 0, kTipoValor, 320.0, kTipoValor, 340.0, 0.0);
  Calcular(d);
  EXPECT_NEAR(d.q, 80.0, 1e-9);
  EXPECT_NEAR(d.tSalidaCaliente, 440.0, 1e-9);
}

TEST_F(Fixture, FourTemperaturesWithGenericSideNeverAsksIt) {
  // A heater whose hot ends are both given: the generic side has no curve, so
  // the duty comes from the cold side.
  CCambiador c = Nuevo(kModoTemperaturas, kTipoValor, 600.0, kTipoValor, 600.0, kTipoValor, 320.0,
                       kTipoValor, 370.0, 0.0);
  c.SetLadoCaliente(kRefGenerico, 0, 0, 0, 0);
  c.tEntradaCaliente = 11.0;
  c.Calcular(nullptr, &fria, otros);
  EXPECT_NEAR(c.q, 200.0, 1e-9);
  EXPECT_EQ(c.tEntradaCaliente, 11.0);  // the generic side keeps its values

  // A cooler with both hot ends given takes its duty from the hot side; with
  // its hot outlet missing the duty would come from the generic cold side,
  // which has no curve, and the hot side cannot answer alone: the duty is 0.
  CCambiador e = Nuevo(kModoTemperaturas, kTipoValor, 480.0, kTipoValor, 430.0, 0, 0, 0, 0, 0.0);
  e.SetLadoFrio(kRefGenerico, 0, 0, 0, 0);
  e.Calcular(&caliente, nullptr, otros);
  EXPECT_NEAR(e.q, 100.0, 1e-9);
  e.tipoSalidaCaliente = 0;
  e.Calcular(&caliente, nullptr, otros);
  EXPECT_EQ(e.q, 0.0);
  EXPECT_NEAR(e.tSalidaCaliente, 480.0, 1e-9);

  // Both sides generic: no stream to ask, the duty is 0.
  CCambiador g = Nuevo(kModoTemperaturas, kTipoValor, 480.0, kTipoValor, 430.0, kTipoValor, 300.0,
                       kTipoValor, 310.0, 0.0);
  g.SetLadoCaliente(kRefGenerico, 0, 0, 0, 0);
  g.SetLadoFrio(kRefGenerico, 0, 0, 0, 0);
  g.Calcular(nullptr, nullptr, otros);
  EXPECT_EQ(g.q, 0.0);
  EXPECT_EQ(g.calculado, 1);
}

TEST_F(Fixture, UnknownModeOnlyMarksCalculated) {
  CCambiador c = Nuevo(7, kTipoValor, 450.0, 0, 0, kTipoExtremo, 0, 0, 0, 100.0);
  c.q = 3.0;
  c.tEntradaCaliente = 4.0;
  Calcular(c);
  EXPECT_EQ(c.calculado, 1);
  EXPECT_EQ(c.q, 3.0);
  EXPECT_EQ(c.tEntradaCaliente, 4.0);
}

TEST_F(Fixture, KindFourReadsTheLinkedExchangerOrLeavesTheEnd) {
  otros.resize(1);
  otros[0].tSalidaCaliente = 460.0;
  otros[0].tEntradaFria = 350.0;
  CCambiador c = Nuevo(kModoQ, kTipoCambiador, 0.0, 0, 0, 0, 0, kTipoCambiador, 0.0, 40.0);
  c.enlaceEntradaCaliente = 0;
  c.enlaceSalidaFria = 0;
  Calcular(c);
  EXPECT_NEAR(c.tEntradaCaliente, 460.0, 1e-12);  // the other's hot outlet
  EXPECT_NEAR(c.tSalidaCaliente, 440.0, 1e-9);
  EXPECT_NEAR(c.tSalidaFria, 350.0, 1e-12);  // the other's cold inlet
  EXPECT_NEAR(c.tEntradaFria, 340.0, 1e-9);

  // Unresolved or out-of-range links leave both sides as they were.
  for (std::int32_t enlace : {-1, 1, 99}) {
    CCambiador e = Nuevo(kModoQ, kTipoCambiador, 0.0, 0, 0, kTipoCambiador, 0.0, 0, 0, 40.0);
    e.enlaceEntradaCaliente = e.enlaceEntradaFria = enlace;
    e.tEntradaCaliente = e.tSalidaCaliente = e.tEntradaFria = e.tSalidaFria = 1.0;
    Calcular(e);
    EXPECT_EQ(e.tEntradaCaliente, 1.0);
    EXPECT_EQ(e.tSalidaCaliente, 1.0);
    EXPECT_EQ(e.tEntradaFria, 1.0);
    EXPECT_EQ(e.tSalidaFria, 1.0);
    EXPECT_EQ(e.calculado, 1);
  }
}

TEST_F(Fixture, OneSideVariants) {
  otros.resize(1);
  otros[0].tSalidaCaliente = 470.0;
  otros[0].tEntradaCaliente = 490.0;
  otros[0].tSalidaFria = 360.0;
  otros[0].tEntradaFria = 330.0;
  CCambiador c = Nuevo(kModoQ, kTipoValor, 450.0, 0, 0, 0, 0, kTipoValor, 350.0, 60.0);
  c.calculado = 0;

  c.CalcularDesdeEntradaCaliente(&caliente, otros);
  EXPECT_NEAR(c.tEntradaCaliente, 450.0, 1e-12);
  EXPECT_NEAR(c.tSalidaCaliente, 420.0, 1e-9);
  c.CalcularDesdeSalidaFria(&fria, otros);
  EXPECT_NEAR(c.tSalidaFria, 350.0, 1e-12);
  EXPECT_NEAR(c.tEntradaFria, 335.0, 1e-9);
  EXPECT_EQ(c.calculado, 0);  // the variants do not mark the exchanger

  // Any kind other than 1 to 3 takes the linked exchanger's end.
  c.tipoSalidaCaliente = kTipoCambiador;
  c.enlaceSalidaCaliente = 0;
  c.CalcularDesdeSalidaCaliente(&caliente, otros);
  EXPECT_NEAR(c.tSalidaCaliente, 490.0, 1e-12);  // the other's hot inlet
  EXPECT_NEAR(c.tEntradaCaliente, 520.0, 1e-9);  // beyond the supply end: extrapolated
  c.tipoEntradaFria = 0;
  c.enlaceEntradaFria = 0;
  c.CalcularDesdeEntradaFria(&fria, otros);
  EXPECT_NEAR(c.tEntradaFria, 360.0, 1e-12);  // the other's cold outlet
  EXPECT_NEAR(c.tSalidaFria, 375.0, 1e-9);
}

// Cross-pinch heat at process pinch 400 (shifted): hot pinch 405, cold 395.
TEST_F(Fixture, HeatAcrossThePinches) {
  struct Caso {
    const char* nombre;
    bool hayCaliente, hayFria;
    double thi, tho, tci, tco, q;
    std::vector<double> pinches;
    double esperado;
  } casos[] = {
      {"wholly above", true, true, 480, 420, 400, 430, 120, {}, 0.0},
      {"hot side crosses, cold above", true, true, 480, 385, 400, 447.5, 190, {}, 40.0},
      {"heater below the pinch", false, true, 0, 0, 380, 420, 160, {}, 60.0},
      {"cooler above the pinch", true, false, 480, 420, 0, 0, 120, {}, 120.0},
      {"cooler below the pinch", true, false, 400, 380, 0, 0, 40, {}, 0.0},
      {"crosses a utility pinch only", true, true, 480, 420, 400, 430, 120, {440.0}, 120.0},
      {"both generic", false, false, 480, 420, 400, 430, 120, {}, 0.0},
  };
  for (const Caso& k : casos) {
    CCambiador c = Nuevo(kModoQ, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    if (!k.hayCaliente) c.SetLadoCaliente(kRefGenerico, 0, 0, 0, 0);
    if (!k.hayFria) c.SetLadoFrio(kRefGenerico, 0, 0, 0, 0);
    c.tEntradaCaliente = k.thi;
    c.tSalidaCaliente = k.tho;
    c.tEntradaFria = k.tci;
    c.tSalidaFria = k.tco;
    c.q = k.q;
    c.pinchesServicio = k.pinches;
    const double r = c.CalorCruce(k.hayCaliente ? &caliente : nullptr, k.hayFria ? &fria : nullptr);
    EXPECT_NEAR(r, k.esperado, 1e-9) << k.nombre;
    EXPECT_EQ(c.tPinch, 400.0) << k.nombre;  // put back after the passes
  }
}

}  // namespace
}  // namespace vardo
