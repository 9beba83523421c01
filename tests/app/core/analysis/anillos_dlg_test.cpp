#include "app/core/analysis/anillos_dlg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/anillos.h"
#include "model/constantes.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using prueba::Calculada;
using prueba::RedManual;

// The four-stream problem with two exchangers between H2 and C3: E1 of
// 100 kW from H2's supply into C3's target, E2 of 140 kW after it on both
// streams. The two form a loop.
CDiagrama DosCambiadoresH2C3() {
  CDiagrama d = prueba::CuatroCorrientes();
  // modo, caliente, fria, (tipo, valor) EC, SC, EF, SF, Q
  d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, 100);
  d.AddCambiador(kModoQ, 1, 2, kTipoCambiador, 0, 0, 0, 0, 0, kTipoCambiador, 0, 1, 140);
  prueba::ReconstruirListas(d);
  EXPECT_TRUE(Calculada(d.CalcularRed())) << d.m_textoComprobacion;
  return d;
}

class AnillosDlg : public ::testing::Test {
 protected:
  void SetUp() override {
    d = DosCambiadoresH2C3();
    ASSERT_NEAR(d.m_cambiadores[0].q, 100.0, 1e-9);
    ASSERT_NEAR(d.m_cambiadores[1].q, 140.0, 1e-9);
    ASSERT_EQ(BuscarAnillos(d, ui), 1);
    s = PrepararDesplazamiento(d);
  }
  CDiagrama d;
  RecordingUiPort ui;
  DesplazamientoAnillo s;
};

TEST_F(AnillosDlg, AfterASearchTheRangeRunsFromMinusTheFirstDutyToTheSecond) {
  // The loop found is shown as E1, E2, E1.
  EXPECT_EQ(LineasAnilloEnCurso(d),
            (std::vector<std::string>{"1 - CC: 2, CF: 3", "2 - CC: 2, CF: 3", "1 - CC: 2, CF: 3"}));
  EXPECT_EQ(s.minimo, "-100.");
  EXPECT_EQ(s.maximo, "140.");
  EXPECT_EQ(s.cantidad, "-100.");
  EXPECT_EQ(d.m_anillo.cuenta, 3);
  EXPECT_EQ(d.m_anillo.minimoPar, 100.0);
  EXPECT_EQ(d.m_anillo.minimoImpar, 140.0);
}

TEST_F(AnillosDlg, SliderPositionsGiveAmounts) {
  const struct {
    int p;
    const char* texto;
  } casos[] = {{0, "-100."}, {100, "140."}, {50, "20."}, {58, "39.2"}, {1, "-97.6"}};
  for (const auto& c : casos) EXPECT_EQ(CantidadEnPosicion(s, c.p), c.texto) << c.p;
}

TEST_F(AnillosDlg, TypedAmountsAreKeptWithinTheRange) {
  const struct {
    double tecleado;
    bool reescrita;
    const char* texto;  // what replaces the typed text
    int posicion;
  } casos[] = {
      {141, true, "140.", 100}, {1e9, true, "140.", 100}, {-100.5, true, "-100.", 0},
      {40, false, "", 58},      {140, false, "", 100},    {-100, false, "", 0},
      {0, false, "", 41},       {19.99, false, "", 49},
  };
  for (const auto& c : casos) {
    const CantidadAplicada r = AplicarCantidad(s, c.tecleado);
    EXPECT_EQ(r.reescrita, c.reescrita) << c.tecleado;
    if (r.reescrita) {
      EXPECT_EQ(r.texto, c.texto) << c.tecleado;
    }
    EXPECT_EQ(r.posicion, c.posicion) << c.tecleado;
  }
}

// Both smallest duties 0, or no exchanger at an even place (-1) against a
// duty of 1, leave no range to divide: the slider goes to 0, never to a
// position computed from 0 / 0.
TEST(AnillosDlgSinRango, TypedAmountWithoutRangeLeavesTheSliderAtZero) {
  const struct {
    double a, b;
    double tecleado;
  } casos[] = {{0.0, 0.0, 0.0}, {-1.0, 1.0, -1.0}, {0.0, 0.0, -0.0}};
  for (const auto& c : casos) {
    DesplazamientoAnillo s;
    s.a = c.a;
    s.b = c.b;
    const CantidadAplicada r = AplicarCantidad(s, c.tecleado);
    EXPECT_FALSE(r.reescrita) << c.tecleado;
    EXPECT_EQ(r.posicion, 0) << c.a << " " << c.b;
  }
}

TEST_F(AnillosDlg, AcceptShiftsTheTypedAmountAroundTheLoop) {
  ui.Script({Answer::Yes});
  ASSERT_TRUE(AceptarAnillo(d, 40.0, ui));
  ASSERT_EQ(ui.Log().size(), 1u);
  EXPECT_EQ(ui.Log()[0].text, kPreguntaAnillo);
  EXPECT_NEAR(d.m_cambiadores[0].q, 140.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[1].q, 100.0, 1e-9);
  // The duties are now given by the user.
  EXPECT_EQ(d.m_cambiadores[0].tipoQ, 1);
  EXPECT_EQ(d.m_cambiadores[0].valorQ, 140.0);
}

TEST_F(AnillosDlg, AcceptClampsTheAmountToTheRange) {
  const struct {
    double tecleado;
    double q0, q1;
  } casos[] = {{500, 240.0, 0.0}, {-500, 0.0, 240.0}, {0, 100.0, 140.0}};
  for (const auto& c : casos) {
    CDiagrama copia = d;
    ui.Script({Answer::Yes});
    ASSERT_TRUE(AceptarAnillo(copia, c.tecleado, ui)) << c.tecleado;
    EXPECT_NEAR(copia.m_cambiadores[0].q, c.q0, 1e-9) << c.tecleado;
    EXPECT_NEAR(copia.m_cambiadores[1].q, c.q1, 1e-9) << c.tecleado;
  }
}

TEST_F(AnillosDlg, NoOrAnIncompleteChainEndAsCancel) {
  ui.Script({Answer::No});
  EXPECT_FALSE(AceptarAnillo(d, 40.0, ui));
  EXPECT_EQ(ui.Log().size(), 1u);
  EXPECT_NEAR(d.m_cambiadores[0].q, 100.0, 1e-9);
  EXPECT_EQ(d.m_cambiadores[0].tipoEntradaCaliente, kTipoExtremo);

  // One exchanger is no loop: nothing is asked.
  d.m_lazoEnCurso.Vaciar();
  AddCambiadorAnillo(d, 0);
  ui.Clear();
  ui.Script({Answer::Yes});
  EXPECT_FALSE(AceptarAnillo(d, 40.0, ui));
  EXPECT_TRUE(ui.Log().empty());
  EXPECT_NEAR(d.m_cambiadores[0].q, 100.0, 1e-9);
}

// The shift follows the chain as it stands on "Aceptar", even when the
// shift record was prepared for an earlier chain.
TEST_F(AnillosDlg, AcceptUsesTheChainAsItIsNow) {
  d.m_lazoEnCurso.Vaciar();
  for (int e : {1, 0, 1}) AddCambiadorAnillo(d, e);  // E2 first: its duty is -b
  ui.Script({Answer::Yes});
  ASSERT_TRUE(AceptarAnillo(d, -200.0, ui));
  EXPECT_NEAR(d.m_cambiadores[1].q, 0.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[0].q, 240.0, 1e-9);
}

// ---- Lines of the two lists ----

TEST(AnillosDlgLineas, SideLabels) {
  RedManual m;
  m.Corriente(400, 300);  // 1
  m.Corriente(300, 400);  // 2, a branch of split 1
  m.d.m_corrientes[1].m_split = 0;
  for (int k = 0; k < 3; ++k) m.Servicio(500, 490);
  const struct {
    int caliente, fria;
    const char* linea;
  } casos[] = {
      {kRefServicio + 2, kRefGenerico, "1 - CC: S3, CF: SG"},
      {0, 1, "2 - CC: 1, CF: 2 (Bif. 1)"},
      {kRefGenerico, kRefServicio, "3 - CC: SG, CF: S1"},
  };
  std::vector<std::string> esperadas;
  for (const auto& c : casos) {
    m.Cambiador(c.caliente, c.fria);
    esperadas.push_back(c.linea);
  }
  EXPECT_EQ(LineasCambiadores(m.d), esperadas);
  EXPECT_EQ(EtiquetaLadoAnillo(m.d, kRefServicio + 2), "S3");
  EXPECT_EQ(EtiquetaLadoAnillo(m.d, kRefGenerico), "SG");
  EXPECT_TRUE(LineasAnilloEnCurso(m.d).empty());
}

}  // namespace
}  // namespace vardo
