// "Diferencia de Temperaturas Óptima" through the program's dialog factory:
// the one-second timer, the sweep, the buttons, the bar and its colours.
#include <gtest/gtest.h>

#include <set>

#include "dialogs/analysis/dlg_dt_optima.h"
#include "platform/core/numtext.h"
#include "platform/qt/gradientprogress.h"
#include "tests/comun/problemas.h"
#include "tests/dialogs/analysis/fixture_analisis.h"

namespace vardo::prueba {
namespace {

using D = CDifTempOptimaDlg;

struct Optimo {
  double dt = 0.0;
  double total = 1e300;
  int valores = 0;
};

// The sweep as the dialog must make it: 0.1 added in double precision while
// the sum stays at most 50, the strictly smaller total kept.
Optimo Barrer(CDiagrama m) {
  Optimo o;
  m.m_serviciosVisibles = 0;
  for (double dt = 0.1; dt <= 50.0; dt += 0.1) {
    m.SetDTMin(dt);
    m.CalcularObjetivos();
    const double total = m.CosteInmovilizado(0) / m.m_amortizacion + m.CosteOperacion(0);
    if (total < o.total) {
      o.total = total;
      o.dt = dt;
    }
    ++o.valores;
  }
  return o;
}

using DTOptima = ConDialogos;

TEST_F(DTOptima, BarridoTrasElTemporizadorConLosBotonesAlFinal) {
  const CDiagrama m = CuatroCorrientes();
  const Optimo esperado = Barrer(m);
  ASSERT_EQ(esperado.valores, 499);
  DlgDifTempOptima r;
  r.modelo = m;
  runner_.ScriptDialog([&](Driver& d) {
    auto& dlg = static_cast<D&>(d.Dialog());
    auto* barra = dlg.Get<CGradientProgressCtrl>(D::kIdProgreso);
    EXPECT_EQ(dlg.TimerPeriod(D::kTemporizador), 1000);
    EXPECT_EQ(barra->Lower(), 0);
    EXPECT_EQ(barra->Upper(), 500);
    EXPECT_EQ(barra->Pos(), 0);
    EXPECT_FALSE(dlg.IsEnabled(kit::kIdOk));
    EXPECT_FALSE(dlg.IsEnabled(kit::kIdCancel));
    EXPECT_EQ(d.Text(kit::kIdOk), "Aplicar");
    ASSERT_TRUE(d.Timer(D::kTemporizador));
    EXPECT_FALSE(dlg.TimerActive(D::kTemporizador));
    EXPECT_EQ(barra->Pos(), 499);
    EXPECT_TRUE(dlg.IsEnabled(kit::kIdOk));
    EXPECT_TRUE(dlg.IsEnabled(kit::kIdCancel));
    EXPECT_EQ(d.Text(D::kIdDT), NumTexto(esperado.dt));
    EXPECT_EQ(d.Text(D::kIdTotal), NumTexto(esperado.total));
    // The bar's colours are those drawn for it.
    ASSERT_EQ(barra->Colores().size(), 2u);
    EXPECT_EQ(barra->Colores()[0], QColor(RgbRed(dlg.ColorInicial()), RgbGreen(dlg.ColorInicial()),
                                          RgbBlue(dlg.ColorInicial())));
    d.Grab(::testing::TempDir() + "analisis_dt_optima.png");
    d.Ok();
  });
  ASSERT_TRUE(fabrica_.DifTempOptima(r));
  EXPECT_EQ(r.dtMin, esperado.dt);
  EXPECT_GT(r.dtMin, 0.0);
}

TEST_F(DTOptima, SinCosteTotalFinitoLoDiceYSoloDejaCancelar) {
  CDiagrama m = CuatroCorrientes();
  m.m_amortizacion = 0.0;
  DlgDifTempOptima r;
  r.modelo = m;
  r.dtMin = 10.0;
  runner_.ScriptDialog([](Driver& d) {
    ASSERT_TRUE(d.Timer(D::kTemporizador));
    EXPECT_FALSE(d.Dialog().IsEnabled(kit::kIdOk));
    EXPECT_TRUE(d.Dialog().IsEnabled(kit::kIdCancel));
    EXPECT_EQ(d.Text(D::kIdDT), "");
    d.Enter();  // the disabled "Aplicar" is not pressed
    EXPECT_TRUE(d.Dialog().IsOpen());
    d.Cancel();
  });
  EXPECT_FALSE(fabrica_.DifTempOptima(r));
  EXPECT_EQ(r.dtMin, 10.0);
  ASSERT_EQ(runner_.Log().size(), 2u);
  EXPECT_EQ(runner_.Log()[1].text,
            "No se ha podido calcular el coste total para ninguna diferencia de temperaturas.");
}

TEST(ColorAlAzar, CadaParteDe0A255Repartida) {
  // The three parts of many colours: never beyond a byte, and both ends of
  // the range reached.
  std::set<int> vistos[3];
  for (int i = 0; i < 3000; ++i) {
    const Rgb c = ColorAlAzar();
    EXPECT_EQ(c & 0xFF000000u, 0u);
    vistos[0].insert(RgbRed(c));
    vistos[1].insert(RgbGreen(c));
    vistos[2].insert(RgbBlue(c));
  }
  for (const auto& v : vistos) {
    EXPECT_GT(v.size(), 240u);
    EXPECT_EQ(*v.begin(), 0);
    EXPECT_EQ(*v.rbegin(), 255);
  }
}

}  // namespace
}  // namespace vardo::prueba
