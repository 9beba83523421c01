#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "model/anillos.h"
#include "model/bifurcacion_layout.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/dc.h"
#include "platform/core/uiport.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using namespace prueba;

using PerturbacionesTest = ConPuertoUi;

// Loads chain (0-based exchangers) as the load-shifting loop and prepares it.
void Preparar(CDiagrama& d, std::initializer_list<int> cadena) {
  d.m_lazoEnCurso.Vaciar();
  for (int e : cadena) AddCambiadorAnillo(d, e);
  ASSERT_EQ(d.m_lazoEnCurso.cuenta, static_cast<std::int32_t>(cadena.size()));
  d.m_anillo = CAnillo(d.m_lazoEnCurso);
  PrepararAnillo(d);
  DesplazarCargaAnillo(d);
  d.m_anillo.CalcularMinimos(d.m_cambiadores);
}

// What a load shift must leave alone on every stream: the heat its
// exchangers take together, where the first of them starts and where the
// last one ends; and consecutive exchangers must still meet.
struct Balance {
  double q;
  double inicio, fin;
};

std::vector<Balance> Balances(const CDiagrama& d) {
  std::vector<Balance> b;
  for (const CCorriente& s : d.m_corrientes) {
    const auto& l = s.m_cambiadores;
    if (l.empty()) {
      b.push_back({0, 0, 0});
      continue;
    }
    double q = 0;
    for (auto e : l) q += d.m_cambiadores[e].q;
    // Lists run from the stream's hot end to its cold end.
    const CCambiador &p = d.m_cambiadores[l.front()], &u = d.m_cambiadores[l.back()];
    if (s.m_fria) {
      b.push_back({q, u.tEntradaFria, p.tSalidaFria});
    } else {
      b.push_back({q, p.tEntradaCaliente, u.tSalidaCaliente});
    }
  }
  return b;
}

void ExpectContinuas(const CDiagrama& d) {
  for (std::size_t i = 0; i < d.m_corrientes.size(); ++i) {
    const CCorriente& s = d.m_corrientes[i];
    for (std::size_t k = 1; k < s.m_cambiadores.size(); ++k) {
      const CCambiador& a = d.m_cambiadores[s.m_cambiadores[k - 1]];
      const CCambiador& b = d.m_cambiadores[s.m_cambiadores[k]];
      if (s.m_fria) {
        EXPECT_NEAR(b.tSalidaFria, a.tEntradaFria, kTolT) << "stream " << i;
      } else {
        EXPECT_NEAR(a.tSalidaCaliente, b.tEntradaCaliente, kTolT) << "stream " << i;
      }
    }
  }
}

void ExpectBalances(const std::vector<Balance>& antes, const std::vector<Balance>& despues) {
  ASSERT_EQ(antes.size(), despues.size());
  for (std::size_t i = 0; i < antes.size(); ++i) {
    EXPECT_NEAR(despues[i].q, antes[i].q, 1e-6) << "stream " << i;
    EXPECT_NEAR(despues[i].inicio, antes[i].inicio, 1e-6) << "stream " << i;
    EXPECT_NEAR(despues[i].fin, antes[i].fin, 1e-6) << "stream " << i;
  }
}

// H1 400 -> 300 K and C1 290 -> 390 K, m·cp 1: E0 takes 60 kW from H1's hot
// end into C1's hot end, E1 the other 40 kW at the cold ends.
CDiagrama DosEnSerie() {
  CDiagrama d;
  d.SetDTMin(10);
  d.AddCorriente(400, 300, 1, 0, 0);
  d.AddCorriente(290, 390, 1, 1, 0);
  // modo, caliente, fria, (tipo, valor) EC, SC, EF, SF, Q
  d.AddCambiador(kModoQ, 0, 1, kTipoExtremo, 0, 0, 0, kTipoCambiador, 1, 0, 0, 1, 60);
  d.AddCambiador(kModoQ, 0, 1, kTipoCambiador, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 40);
  ReconstruirListas(d);
  return d;
}

// ------------------------------------------------------------ load shifting

TEST_F(PerturbacionesTest, LoopOfTwoShiftedByTen) {
  CDiagrama d = DosEnSerie();
  ASSERT_TRUE(Calculada(CalcularRed(d)));
  const auto antes = Balances(d);
  Preparar(d, {0, 1, 0});
  EXPECT_EQ(d.m_anillo.nodos, (std::vector<std::uint32_t>{1, 2, 1}));
  EXPECT_EQ(d.m_anillo.minimoPar, 60.0);
  EXPECT_EQ(d.m_anillo.minimoImpar, 40.0);

  EXPECT_TRUE(RelajarAnillo(d, 10.0));
  // The first exchanger appears twice in the loop but moves once.
  EXPECT_NEAR(d.m_cambiadores[0].q, 70.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[1].q, 30.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[0].tSalidaCaliente, 330.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[1].tSalidaFria, 320.0, 1e-9);
  ExpectBalances(antes, Balances(d));
  ExpectContinuas(d);
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(PerturbacionesTest, ShiftsOfNothingAndOfTooMuch) {
  struct Caso {
    double x, q0, q1;
  };
  const Caso casos[] = {
      {0.0, 60.0, 40.0},    // recalculates, changes no duty
      {-25.0, 35.0, 65.0},
      {55.0, 115.0, 0.0},   // the odd duty stops at 0.0, not below
  };
  for (const Caso& k : casos) {
    CDiagrama d = DosEnSerie();
    ASSERT_TRUE(Calculada(CalcularRed(d)));
    Preparar(d, {0, 1, 0});
    RelajarAnillo(d, k.x);
    EXPECT_EQ(d.m_cambiadores[0].valorQ, k.q0) << k.x;
    EXPECT_EQ(d.m_cambiadores[1].valorQ, k.q1) << k.x;
  }
}

// H1 420 -> 250 K and C1 280 -> 450 K, m·cp 1, matched only between 400
// and 300 K on H1 and 290 and 390 K on C1: neither end of the matched part
// is the stream's own end. E0 (60 kW) starts at a typed 400 K; E1 (40 kW)
// follows it on H1 and ends at a typed 330 K on C1.
CDiagrama ExtremosLibres() {
  CDiagrama d;
  d.SetDTMin(10);
  d.AddCorriente(420, 250, 1, 0, 0);
  d.AddCorriente(280, 450, 1, 1, 0);
  d.AddCambiador(kModoQ, 0, 1, kTipoValor, 400, 0, 0, kTipoCambiador, 1, 0, 0, 1, 60);
  d.AddCambiador(kModoQ, 0, 1, kTipoCambiador, 0, 0, 0, 0, 0, kTipoValor, 330, 1, 40);
  ReconstruirListas(d);
  return d;
}

TEST_F(PerturbacionesTest, PreparedSetValuesKeepTheStreamsEnds) {
  CDiagrama d = ExtremosLibres();
  ASSERT_TRUE(Calculada(CalcularRed(d)));
  ASSERT_NEAR(d.m_cambiadores[0].tSalidaCaliente, 340.0, 1e-9);
  const auto antes = Balances(d);
  Preparar(d, {0, 1, 0});

  // E0's hot outlet meets E1's inlet: taken from E1. E1 keeps its own hot
  // outlet; on C1 the first exchanger along the flow (E1) keeps its own
  // inlet and E0 takes its inlet from E1.
  const CCambiador &e0 = d.m_cambiadores[0], &e1 = d.m_cambiadores[1];
  EXPECT_EQ(e0.modo, kModoQ);
  EXPECT_EQ(e0.tipoQ, 1);
  EXPECT_EQ(e0.valorQ, 60.0);
  EXPECT_EQ(e0.tipoEntradaCaliente, kTipoNinguno);
  EXPECT_EQ(e0.tipoSalidaCaliente, kTipoCambiador);
  EXPECT_EQ(e0.valorSalidaCaliente, 1.0);
  EXPECT_EQ(e1.tipoEntradaCaliente, kTipoNinguno);
  EXPECT_EQ(e1.tipoSalidaCaliente, kTipoValor);
  EXPECT_EQ(e1.valorSalidaCaliente, 300.0);
  EXPECT_EQ(e1.tipoEntradaFria, kTipoValor);
  EXPECT_EQ(e1.valorEntradaFria, 290.0);
  EXPECT_EQ(e1.tipoSalidaFria, kTipoNinguno);
  EXPECT_EQ(e0.tipoEntradaFria, kTipoCambiador);
  EXPECT_EQ(e0.valorEntradaFria, 1.0);

  // After the shift the network calculates, every stream's heat and the ends
  // of its matched part are what they were, and the exchangers still meet.
  EXPECT_TRUE(RelajarAnillo(d, 10.0));
  EXPECT_NEAR(e0.tEntradaCaliente, 400.0, 1e-9);
  ExpectBalances(antes, Balances(d));
  ExpectContinuas(d);
}

TEST_F(PerturbacionesTest, FailedCalculationIsReported) {
  CDiagrama d = DosEnSerie();
  ASSERT_TRUE(Calculada(CalcularRed(d)));
  Preparar(d, {0, 1, 0});
  // E1 loses every set value: the network cannot be calculated.
  CCambiador& e1 = d.m_cambiadores[1];
  e1.tipoEntradaCaliente = e1.tipoSalidaCaliente = e1.tipoEntradaFria = e1.tipoSalidaFria = 0;
  e1.tipoQ = 0;
  e1.modo = kModoQ;
  d.m_cambiadores[0].tipoEntradaFria = kTipoExtremo;
  EXPECT_FALSE(RelajarAnillo(d, 5.0));
  // A sweep runs quietly and tells each point by the result: no box per point.
  ui.Clear();
  {
    QuietScope quieto(ui);
    for (double x : {1.0, 2.0, 3.0}) EXPECT_FALSE(RelajarAnillo(d, x));
  }
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(PerturbacionesTest, StreamsReachedFromTheLoop) {
  CDiagrama d;
  d.AddCorriente(400, 300, 1, 0, 0);  // 0 H1, a branch of split 0
  d.AddCorriente(290, 390, 1, 1, 0);  // 1 C1
  d.AddCorriente(280, 330, 1, 1, 0);  // 2 C2
  d.AddCorriente(500, 450, 1, 0, 0);  // 3 H2
  d.AddCorriente(300, 310, 1, 1, 0);  // 4 C3
  d.AddCorriente(400, 300, 1, 0, 0);  // 5 another branch of split 0
  d.m_corrientes[0].m_split = 0;
  d.m_corrientes[5].m_split = 0;
  CServicios vapor;
  vapor.m_T = {500, 499};
  vapor.m_H = {0, -1};
  vapor.m_fria = 0;
  d.m_servicios.push_back(vapor);
  auto cambiador = [&d](int h, int f) {
    CCambiador c;
    c.ladoCaliente.ref = h;
    c.ladoFrio.ref = f;
    d.m_cambiadores.push_back(c);
  };
  cambiador(0, 1);
  cambiador(0, 1);
  cambiador(0, 2);
  cambiador(3, 4);
  cambiador(-1, 1);
  cambiador(kRefServicio, 2);
  ReconstruirListas(d);
  d.m_anillo = CAnillo();
  d.m_anillo.nodos = {1, 2, 1};
  d.m_anillo.cambiadores = {0, 1, 0};
  d.m_anillo.cuenta = 3;
  PrepararAnillo(d);
  EXPECT_EQ(d.m_anillo.corrientes, (std::vector<std::int32_t>{kRefServicio, 5, 2, 1, 0}));
  EXPECT_EQ(d.m_anillo.numCorrientes, 5);
}

TEST_F(PerturbacionesTest, UtilityPathMovesTheUtilityLoads) {
  // Steam heats C1 through E0 (40 kW), E1 takes 60 kW from H1 into C1, and
  // water cools H1 through E2 (40 kW). With the utilities shown E0, E1, E2 is
  // a path from the steam to the water: moving 10 kW along it raises both
  // utility loads by 10 kW.
  CDiagrama d;
  d.SetDTMin(10);
  d.AddCorriente(400, 300, 1, 0, 0);  // H1
  d.AddCorriente(290, 390, 1, 1, 0);  // C1
  CServicios vapor, agua;
  vapor.m_T = {500, 499};
  vapor.m_H = {0, -1};
  vapor.m_fria = 0;
  vapor.m_carga = 40;
  agua.m_T = {280, 290};
  agua.m_H = {0, 1};
  agua.m_fria = 1;
  agua.m_carga = 40;
  d.m_servicios = {vapor, agua};
  d.m_serviciosVisibles = 1;
  d.AddCambiador(kModoQ, kRefServicio, 1, kTipoExtremo, 0, 0, 0, kTipoCambiador, 1, 0, 0, 1, 40);
  d.AddCambiador(kModoQ, 0, 1, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 60);
  d.AddCambiador(kModoQ, 0, kRefServicio + 1, kTipoCambiador, 1, 0, 0, kTipoExtremo, 0, 0, 0, 1, 40);
  ReconstruirListas(d);
  CalcularRed(d);
  Preparar(d, {0, 1, 2});
  EXPECT_EQ(d.m_lazoEnCurso.Clasificar(d.m_cambiadores), kLazoSenda);
  EXPECT_EQ(d.m_anillo.corrientes, (std::vector<std::int32_t>{kRefServicio + 1, kRefServicio, 1, 0}));
  RelajarAnillo(d, 10.0);
  for (int e = 0; e < 3; ++e) EXPECT_NEAR(d.m_cambiadores[static_cast<std::size_t>(e)].q, 50.0, 1e-9) << e;
  EXPECT_NEAR(d.m_servicios[0].m_carga, 50.0, 1e-9);
  EXPECT_NEAR(d.m_servicios[1].m_carga, 50.0, 1e-9);
  // The process streams keep their heat and ends.
  EXPECT_NEAR(d.m_cambiadores[1].tEntradaCaliente, 400.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[2].tSalidaCaliente, 300.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[1].tEntradaFria, 290.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[0].tSalidaFria, 390.0, 1e-9);
  ExpectContinuas(d);
}

// ------------------------------------------------------- disturbance routes

// H1 feeds E0 (into C1) and then E1 (into C2); H2 has no exchanger.
CDiagrama Ramificada() {
  CDiagrama d;
  d.AddCorriente(400, 300, 1, 0, 0);  // 0 H1
  d.AddCorriente(290, 390, 1, 1, 0);  // 1 C1
  d.AddCorriente(280, 330, 1, 1, 0);  // 2 C2
  d.AddCorriente(500, 450, 1, 0, 0);  // 3 H2
  CCambiador c;
  c.ladoCaliente.ref = 0;
  c.ladoFrio.ref = 1;
  d.m_cambiadores.push_back(c);
  c.ladoFrio.ref = 2;
  d.m_cambiadores.push_back(c);
  ReconstruirListas(d);
  return d;
}

TEST_F(PerturbacionesTest, DisturbanceRoutesAndTheirMessages) {
  const std::string mismas = kTextoPerturbacionMismaCorriente;
  const std::string ninguno = kTextoPerturbacionSinCaminos;
  struct Caso {
    const char* que;
    std::int32_t s1, s2, silencio;
    std::int32_t encontrado;
    ListaSecuencias resultado;  // {{99}}: left as it was
    std::vector<std::string> mensajes;
    MsgKind tipo;
  };
  const Caso casos[] = {
      // C1 -> E0 -> along H1 -> E1 -> C2: the route from C2's end back to C1's.
      {"C1 to C2", 1, 2, 0, 1, {{1, 0}}, {}, MsgKind::Plain},
      {"H1 to C2", 0, 2, 0, 1, {{1}}, {}, MsgKind::Plain},
      // Against H1's direction of flow there is no way from E1 back to E0.
      {"C2 to C1", 2, 1, 0, 0, {}, {ninguno}, MsgKind::Information},
      {"C2 to C1, quiet", 2, 1, 1, 0, {}, {}, MsgKind::Plain},
      {"same stream", 1, 1, 0, 0, {{99}}, {mismas}, MsgKind::Plain},
      {"same stream, quiet", 1, 1, 1, 0, {{99}}, {mismas}, MsgKind::Plain},
      {"no exchanger", 3, 1, 0, 0, {{99}}, {ninguno}, MsgKind::Information},
      {"no exchanger, quiet", 1, 3, 1, 0, {{99}}, {}, MsgKind::Plain},
  };
  for (const Caso& k : casos) {
    CDiagrama d = Ramificada();
    d.m_arbol.perturbacion = {{99}};
    ui.Clear();
    EXPECT_EQ(BuscarCaminosPerturbacion(d, k.s1, k.s2, k.silencio, ui), k.encontrado) << k.que;
    EXPECT_EQ(d.m_perturbacionOrigen, k.s1);
    EXPECT_EQ(d.m_perturbacionDestino, k.s2);
    EXPECT_EQ(d.m_arbol.perturbacion, k.resultado) << k.que;
    EXPECT_EQ(ui.Messages(), k.mensajes) << k.que;
    if (!ui.Log().empty()) EXPECT_EQ(ui.Log()[0].kind, k.tipo) << k.que;
  }
}

TEST_F(PerturbacionesTest, DisturbanceSearchLeavesTheLoopSearchAlone) {
  CDiagrama d;
  d.AddCorriente(400, 300, 1, 0, 0);
  d.AddCorriente(290, 390, 1, 1, 0);
  CCambiador c;
  c.ladoCaliente.ref = 0;
  c.ladoFrio.ref = 1;
  d.m_cambiadores = {c, c};
  ReconstruirListas(d);
  ASSERT_EQ(BuscarAnillos(d, ui), 1);
  const ListaSecuencias candidatos = d.m_arbol.candidatos;
  EXPECT_EQ(BuscarCaminosPerturbacion(d, 0, 1, 1, ui), 1);
  EXPECT_EQ(d.m_arbol.candidatos, candidatos);
  EXPECT_EQ(d.m_grafoConstruido, 1);
  d.m_lazoEnCurso.Vaciar();
  EXPECT_EQ(BuscarAnillos(d, ui), 1);
}

// ------------------------------------------------- a split stream end to end

TEST_F(PerturbacionesTest, SplitStreamEndToEnd) {
  CDiagrama d = RedDividida();
  // Split anew at 450 (60/40, merging at 350) and calculate.
  CCorrienteBifurcada& b = d.m_bifurcadas[0];
  Bifurcar(b, d.m_corrientes, 0, 450, 350, 350, 350, 60, 40);
  ASSERT_TRUE(Calculada(CalcularRed(d)));
  ASSERT_TRUE(Calculada(CalcularTemperaturas(d, 0)));
  EXPECT_NEAR(d.m_corrientes[3].GetT1(), 420.0, 1e-6);  // mixing temperature
  EXPECT_NEAR(CalorDeLaDivision(d), -400.0, 1e-6);

  // Drawn on two rows.
  b.CalcularFilas();
  EXPECT_EQ(b.filas, 2);
  b.rect = Rect{1500, -2000, 19500, -4000};
  b.inicioRecolocar = 0;
  RecordingDc dc;
  DibujarBifurcada(b, d.m_corrientes, dc, d.m_tPinch, 0, 1);
  EXPECT_EQ(b.dibujada, 1);
  EXPECT_NE(dc.FindText("500."), nullptr);  // split temperature: the incoming stream has no exchanger
  EXPECT_NE(dc.FindText("420."), nullptr);  // merge temperature
  EXPECT_EQ(d.m_corrientes[2].m_rect.top, -2000);  // offset branch on the upper row

  // The loop E0, E1 through the split and C1.
  ASSERT_GE(BuscarAnillos(d, ui), 1);
  bool hay = false;
  for (const CLazo& l : d.m_lazos) hay = hay || l.nodos == std::vector<std::uint32_t>{0, 1, 0};
  EXPECT_TRUE(hay);
  const auto antes = Balances(d);
  Preparar(d, {0, 1, 0});
  EXPECT_EQ(d.m_anillo.corrientes, (std::vector<std::int32_t>{4, 3, 2, 1, 0}));
  EXPECT_TRUE(RelajarAnillo(d, 10.0)) << d.m_textoComprobacion;
  EXPECT_NEAR(d.m_cambiadores[0].q, 110.0, 1e-9);
  EXPECT_NEAR(d.m_cambiadores[1].q, 50.0, 1e-9);
  // C1 takes the same heat over the same temperatures; the hot stream keeps
  // its heat, and its branches their shares of the flow.
  EXPECT_NEAR(Balances(d)[4].q, antes[4].q, 1e-6);
  EXPECT_NEAR(Balances(d)[4].inicio, antes[4].inicio, 1e-6);
  EXPECT_NEAR(Balances(d)[4].fin, antes[4].fin, 1e-6);
  EXPECT_NEAR(CalorDeLaDivision(d), -400.0, 1e-6);
  EXPECT_NEAR(d.m_corrientes[1].GetCP(kTSentinel, kTSentinel), 1.2, 1e-9);
  EXPECT_NEAR(d.m_corrientes[1].GetT2(), 500.0 - 110.0 / 1.2, 1e-6);
  EXPECT_NEAR(d.m_corrientes[2].GetT2(), 500.0 - 50.0 / 0.8, 1e-6);
  EXPECT_NEAR(d.m_corrientes[3].GetT1(), 420.0, 1e-6);
  ExpectContinuas(d);
}

}  // namespace
}  // namespace vardo
