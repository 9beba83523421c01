#include "model/bifurcacion_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "model/cambiador.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/dc.h"
#include "platform/core/uiport.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using Puntos = std::vector<std::pair<double, double>>;  // (T, H)

Puntos PuntosDe(const CCorriente& c) {
  Puntos p;
  for (std::size_t k = 0; k < c.m_T.size(); ++k) p.emplace_back(c.m_T[k], c.m_H[k]);
  return p;
}

void ExpectPuntos(const CCorriente& c, const Puntos& esperado, const std::string& que) {
  const Puntos p = PuntosDe(c);
  ASSERT_EQ(p.size(), esperado.size()) << que;
  for (std::size_t k = 0; k < p.size(); ++k) {
    EXPECT_NEAR(p[k].first, esperado[k].first, 1e-9) << que << " point " << k;
    EXPECT_NEAR(p[k].second, esperado[k].second, 1e-9) << que << " point " << k;
  }
}

CCorriente Tabla(const Puntos& puntos, int fria) {
  CCorriente c;
  c.BorrarPuntos();
  for (auto [T, H] : puntos) c.AddPunto(T, H);
  c.m_fria = fria;
  c.CalcularCP();
  return c;
}

// A hot stream split by node 0 into streams 0 (incoming), 1 (main branch),
// 2 (offset branch) and 3 (outgoing).
struct Division {
  std::vector<CCorriente> c;
  CCorrienteBifurcada b;
  explicit Division(const CCorriente& S) : c(4, S), b(prueba::UnaDivision(S, 0, false)) {
    for (auto& s : c) s.m_split = 0;
  }
};

// ------------------------------------------------------------------- pieces

TEST(Bifurcar, FourPiecesOfAStream) {
  struct Caso {
    const char* que;
    CCorriente S;
    double Ta, Tb, Tc, Td, pu, pl;
    Puntos entrada, principal, desplazada, salida;
  };
  const Caso casos[] = {
      {"two-point hot stream, 60/40",
       CCorriente(500, 300, 2.0, 0, 0),
       450, 350, 350, 350, 60, 40,
       {{500, 0}, {450, -100}},
       {{450, 0}, {350, -120}},
       {{450, 0}, {350, -80}},
       {{350, 0}, {300, -100}}},
      // Cuts on points of the table give no repeated points; the last point
      // of the table is never copied into a branch.
      {"hot table",
       Tabla({{500, 0}, {460, -60}, {400, -200}, {330, -300}, {300, -360}}, 0),
       460, 330, 330, 330, 50, 50,
       {{500, 0}, {460, -60}},
       {{460, 0}, {400, -70}, {330, -120}},
       {{460, 0}, {400, -70}, {330, -120}},
       {{330, 0}, {300, -60}}},
      {"cold stream, uneven branch ends",
       CCorriente(300, 400, 1.0, 1, 0),
       320, 380, 360, 380, 25, 75,
       {{300, 0}, {320, 20}},
       {{320, 0}, {380, 15}},
       {{320, 0}, {360, 30}},
       {{380, 0}, {400, 35}}},
  };
  for (const Caso& k : casos) {
    Division x(k.S);
    Bifurcar(x.b, x.c, 0, k.Ta, k.Tb, k.Tc, k.Td, k.pu, k.pl);
    ExpectPuntos(x.c[0], k.entrada, std::string(k.que) + ": incoming");
    ExpectPuntos(x.c[1], k.principal, std::string(k.que) + ": main");
    ExpectPuntos(x.c[2], k.desplazada, std::string(k.que) + ": offset");
    ExpectPuntos(x.c[3], k.salida, std::string(k.que) + ": outgoing");
    EXPECT_TRUE(x.b.pendientes.empty());
  }
  // m·cp of each piece follows from its points.
  Division x(CCorriente(500, 300, 2.0, 0, 0));
  Bifurcar(x.b, x.c, 0, 450, 350, 350, 350, 60, 40);
  EXPECT_NEAR(x.c[1].m_mcp, 1.2, 1e-12);
  EXPECT_NEAR(x.c[2].m_mcp, 0.8, 1e-12);
  EXPECT_EQ(x.c[1].m_fria, 0);
}

TEST(ActualizarCorriente, PiecesFollowTheEditedStreamKeepingTheirShares) {
  Division x(CCorriente(500, 300, 2.0, 0, 0));
  Bifurcar(x.b, x.c, 0, 450, 350, 350, 350, 60, 40);
  x.b.corriente = CCorriente(500, 300, 3.0, 0, 0);
  ActualizarCorriente(x.b, x.c);
  ExpectPuntos(x.b.nodos[0].segmento, {{500, 0}, {300, -600}}, "segment");
  ExpectPuntos(x.c[0], {{500, 0}, {450, -150}}, "incoming");
  ExpectPuntos(x.c[1], {{450, 0}, {350, -180}}, "main");
  ExpectPuntos(x.c[2], {{450, 0}, {350, -120}}, "offset");
  ExpectPuntos(x.c[3], {{350, 0}, {300, -150}}, "outgoing");
}

TEST(RecalcularRamas, SharesOfBranchesWithoutHeat) {
  struct Caso {
    const char* que;
    Puntos principal, desplazada;
    double hPrincipal, hDesplazada;  // after the rebuild
  };
  const Caso casos[] = {
      {"second points", {{450, 0}, {350, -90}}, {{450, 0}, {350, -30}}, -150, -50},
      // The second points carry nothing: the whole heats give the shares.
      {"whole heats", {{450, 0}, {450, 0}, {350, -90}}, {{450, 0}, {450, 0}, {350, -30}}, -150, -50},
      // Nothing anywhere: half and half instead of 0/0.
      {"no heat at all", {{450, 0}, {350, 0}}, {{450, 0}, {350, 0}}, -100, -100},
      // A branch of no length tells no share: the other one's 30 % stands.
      {"one branch of no length", {{450, 0}, {350, -60}}, {{450, 0}, {450, 0}}, -60, 0},
  };
  for (const Caso& k : casos) {
    Division x(CCorriente(500, 300, 2.0, 0, 0));
    Bifurcar(x.b, x.c, 0, 450, 350, 350, 350, 50, 50);
    x.c[1] = Tabla(k.principal, 0);
    x.c[2] = Tabla(k.desplazada, 0);
    x.b.pendientes = {0};
    RecalcularRamas(x.b, x.c);
    EXPECT_NEAR(x.c[1].m_H.back(), k.hPrincipal, 1e-9) << k.que;
    EXPECT_NEAR(x.c[2].m_H.back(), k.hDesplazada, 1e-9) << k.que;
    for (const auto& s : x.c)
      for (double h : s.m_H) EXPECT_TRUE(std::isfinite(h)) << k.que;
  }
}

// Node 1 splits node 0's main branch into streams 4, 5, 6 and 7.
Division Anidada() {
  Division x(CCorriente(500, 300, 2.0, 0, 0));
  x.c.resize(8, x.c[0]);
  x.b.nodos[0].refRamaPrincipal = -1;
  CCuaterna n1;
  n1.refEntrada = 4;
  n1.refRamaPrincipal = 5;
  n1.refRamaDesplazada = 6;
  n1.refSalida = 7;
  n1.segmento = CCorriente(450, 350, 1.0, 0, 0);
  x.b.nodos.push_back(n1);
  x.b.ramas = {0, 2, 3, 4, 5, 6, 7};
  // Node 1's pieces as a 50/50 split at 420 merging at 380.
  x.c[4] = CCorriente(450, 420, 1.0, 0, 0);
  x.c[5] = CCorriente(420, 380, 0.5, 0, 0);
  x.c[6] = CCorriente(420, 380, 0.5, 0, 0);
  x.c[7] = CCorriente(380, 350, 1.0, 0, 0);
  return x;
}

TEST(RecalcularRamas, ANodeNamedByAPieceIsRebuiltToo) {
  Division x = Anidada();
  Bifurcar(x.b, x.c, 0, 450, 350, 350, 350, 60, 40);
  ExpectPuntos(x.b.nodos[1].segmento, {{450, 0}, {350, -120}}, "node 1 segment");
  ExpectPuntos(x.c[4], {{450, 0}, {420, -36}}, "node 1 incoming");
  ExpectPuntos(x.c[5], {{420, 0}, {380, -24}}, "node 1 main");
  ExpectPuntos(x.c[6], {{420, 0}, {380, -24}}, "node 1 offset");
  ExpectPuntos(x.c[7], {{380, 0}, {350, -36}}, "node 1 outgoing");
  ExpectPuntos(x.c[3], {{350, 0}, {300, -100}}, "node 0 outgoing");
}

TEST(RecalcularRamas, NodeReferencesInACycleEnd) {
  Division x = Anidada();
  x.b.nodos[1].refRamaPrincipal = -1;  // node 1 names itself
  Bifurcar(x.b, x.c, 0, 450, 350, 350, 350, 60, 40);
  EXPECT_TRUE(x.b.pendientes.empty());
}

// ------------------------------------------------------------------- layout

// The split of the first case on a two-row rectangle, placed anew.
Division Dibujable() {
  Division x(CCorriente(500, 300, 2.0, 0, 0));
  Bifurcar(x.b, x.c, 0, 450, 350, 350, 350, 60, 40);
  x.b.filas = 2;
  x.b.rect = Rect{1500, -2000, 19500, -4000};
  x.b.inicioRecolocar = 0;
  x.b.color = MakeRgb(10, 20, 30);
  return x;
}

bool HayLinea(const RecordingDc& dc, Point a, Point b, Rgb color) {
  for (const auto& it : dc.Items()) {
    if (it.op == RecordingDc::Op::Line && it.points.size() == 2 && it.points[0] == a &&
        it.points[1] == b && it.pen.color == color) {
      return true;
    }
  }
  return false;
}

TEST(DibujarBifurcada, PlacesDrawsAndLabelsASplit) {
  Division x = Dibujable();
  RecordingDc dc;
  DibujarBifurcada(x.b, x.c, dc, 400.0, 0, 1);
  EXPECT_EQ(x.b.inicioRecolocar, -1);
  EXPECT_EQ(x.b.dibujada, 1);

  // Rows of 1000 units; third 6000, d = -300.
  struct Caso {
    int parte;
    Rect r;
  };
  const Caso casos[] = {
      {0, {2050, -3000, 7200, -4000}},    // incoming: the number box first
      {1, {7200, -3000, 13800, -4000}},   // main branch on the node's row
      {2, {7500, -2000, 13500, -3000}},   // offset branch one row up
      {3, {13800, -3000, 19500, -4000}},  // outgoing
  };
  for (const Caso& k : casos) EXPECT_EQ(x.c[static_cast<std::size_t>(k.parte)].m_rect, k.r) << k.parte;
  EXPECT_EQ(x.b.nodos[0].segmento.m_rect, (Rect{2050, -3000, 19500, -4000}));
  EXPECT_EQ(x.b.corriente.m_rect, (Rect{1500, -3000, 19500, -4000}));
  EXPECT_EQ(x.b.nodos[0].lineaIzquierda, (LineaNodo{7500, 7200, -2500, -3500}));
  EXPECT_EQ(x.b.nodos[0].lineaDerecha, (LineaNodo{13500, 13800, -2500, -3500}));

  // The bracket of the offset branch, in the split's colour.
  bool corchete = false;
  for (const auto& it : dc.Items()) {
    if (it.op == RecordingDc::Op::Polyline &&
        it.points == std::vector<Point>{{7200, -3500}, {7500, -2500}, {13500, -2500}, {13800, -3500}}) {
      corchete = it.pen.color == x.b.color;
    }
  }
  EXPECT_TRUE(corchete);
  // Split and merge temperatures beside the main branch; the stream's own row
  // carries its number.
  const auto* division = dc.FindText("450.");
  const auto* mezcla = dc.FindText("350.");
  ASSERT_TRUE(division && mezcla);
  EXPECT_EQ(division->points.at(0), (Point{6400, -3050}));
  EXPECT_EQ(mezcla->points.at(0), (Point{13900, -3050}));
  EXPECT_NE(dc.FindText("1"), nullptr);

  // Without labels there are none; the layout stays as it was.
  RecordingDc sin;
  DibujarBifurcada(x.b, x.c, sin, 400.0, 0, 0);
  EXPECT_EQ(sin.FindText("450."), nullptr);
  EXPECT_EQ(x.c[2].m_rect, (Rect{7500, -2000, 13500, -3000}));
}

TEST(DibujarBifurcada, SelectionAndWhiteDrawing) {
  const Rgb azul = kColorBifurcacionSeleccion;
  struct Caso {
    std::int32_t seleccion;
    Point a, b;
  };
  const Caso casos[] = {
      {-1, {13800, -3500}, {13500, -2500}},  // node 0 by its upper area: right line
      {-2, {7200, -3500}, {7500, -2500}},    // by its lower area: left line
      {1, {7200, -3500}, {13800, -3500}},    // the main branch stream
  };
  for (const Caso& k : casos) {
    Division x = Dibujable();
    x.b.SetSeleccion(k.seleccion);
    RecordingDc dc;
    DibujarBifurcada(x.b, x.c, dc, 400.0, 0, 0);
    EXPECT_TRUE(HayLinea(dc, k.a, k.b, azul)) << k.seleccion;

    // In white nothing blue is drawn, and the flag and colour are cleared.
    x.b.dibujarEnBlanco = 1;
    RecordingDc blanco;
    DibujarBifurcada(x.b, x.c, blanco, 400.0, 0, 0);
    for (const auto& it : blanco.Items()) EXPECT_NE(it.pen.color, azul);
    EXPECT_EQ(x.b.dibujarEnBlanco, 0);
    EXPECT_EQ(x.b.color, 0u);
  }
}

TEST(DibujarBifurcada, NestedSplitRows) {
  // Node 1 splits the main branch: three rows, node 1's offset branch on the
  // second, node 0's offset branch above it on the third.
  Division x = Anidada();
  Bifurcar(x.b, x.c, 0, 450, 350, 350, 350, 60, 40);
  x.b.conexiones = {CConexion(0, 4), CConexion(4, 5), CConexion(4, 6), CConexion(5, 7),
                    CConexion(6, 7), CConexion(0, 2), CConexion(7, 3), CConexion(2, 3)};
  x.b.CalcularFilas();
  ASSERT_EQ(x.b.filas, 3);
  x.b.rect = Rect{1500, -2000, 19500, -5000};
  x.b.inicioRecolocar = 0;
  RecordingDc dc;
  DibujarBifurcada(x.b, x.c, dc, 400.0, 0, 1);
  auto fila = [](const Rect& r) { return std::pair{r.top, r.bottom}; };
  EXPECT_EQ(fila(x.b.nodos[1].segmento.m_rect), (std::pair{-4000, -5000}));
  EXPECT_EQ(fila(x.c[5].m_rect), (std::pair{-4000, -5000}));  // node 1's main
  EXPECT_EQ(fila(x.c[6].m_rect), (std::pair{-3000, -4000}));  // node 1's offset
  EXPECT_EQ(fila(x.c[2].m_rect), (std::pair{-2000, -3000}));  // node 0's offset
  // Node 1 lies inside node 0's main branch.
  EXPECT_GE(x.c[4].m_rect.left, 7200);
  EXPECT_LE(x.c[7].m_rect.right, 13800);
}

// A rectangle read from a file may be as tall as 32 bits allow: the row
// height is taken in 64 bits and saturated, so the whole stream's row stays
// between the rectangle's edges.
TEST(DibujarBifurcada, RowHeightOfAnExtremeRectangle) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  struct Caso {
    std::int32_t filas, top, bottom, filaTop;
  };
  const Caso casos[] = {
      {2, 2000000000, -2000000000, 0},  // a height of 4e9 in two rows of 2e9
      {1, kMax, kMin, 0},               // one row saturated at the 32-bit limit
      {1, kMin, kMax, 0},
  };
  for (const Caso& k : casos) {
    CCorrienteBifurcada b;
    b.corriente = CCorriente(500, 300, 2.0, 0, 0);
    b.filas = k.filas;
    b.rect = Rect{1500, k.top, 19500, k.bottom};
    std::vector<CCorriente> ninguna;
    RecordingDc dc;
    DibujarBifurcada(b, ninguna, dc, 400.0, 0, 0);
    EXPECT_EQ(b.corriente.m_rect, (Rect{1500, k.filaTop, 19500, k.bottom})) << k.top;
    EXPECT_EQ(b.dibujada, 1);
  }
}

TEST(AjustarRectangulos, PartsFollowTheLinesOfADraggedNode) {
  Division x = Dibujable();
  RecordingDc dc;
  DibujarBifurcada(x.b, x.c, dc, 400.0, 0, 0);
  // The node dragged 1000 to the right.
  for (LineaNodo* l : {&x.b.nodos[0].lineaIzquierda, &x.b.nodos[0].lineaDerecha}) {
    l->xRama += 1000;
    l->xOtro += 1000;
  }
  AjustarRectangulos(x.b, x.c);
  EXPECT_EQ(std::pair(x.c[0].m_rect.left, x.c[0].m_rect.right), std::pair(2050, 8200));
  EXPECT_EQ(std::pair(x.c[1].m_rect.left, x.c[1].m_rect.right), std::pair(8200, 14800));
  EXPECT_EQ(std::pair(x.c[2].m_rect.left, x.c[2].m_rect.right), std::pair(8500, 14500));
  EXPECT_EQ(std::pair(x.c[3].m_rect.left, x.c[3].m_rect.right), std::pair(14800, 19500));
}

TEST(DibujarResaltada, PathThroughTheSplitInRedOrGreen) {
  Division x = Dibujable();
  RecordingDc dc0;
  DibujarBifurcada(x.b, x.c, dc0, 400.0, 0, 0);
  for (std::int32_t verde : {0, 1}) {
    RecordingDc dc;
    DibujarResaltada(x.b, x.c, 1, 2, dc, verde);
    EXPECT_EQ(x.b.camino, (std::vector<std::uint32_t>{1, 3, 2}));
    const Rgb color = verde ? kColorLazoPerturbacion : kColorLazoResaltado;
    EXPECT_TRUE(HayLinea(dc, {7200, -3500}, {13800, -3500}, color));
    EXPECT_TRUE(HayLinea(dc, {7500, -2500}, {13500, -2500}, color));
  }
}

// ------------------------------------------------------ branch temperatures

using TemperaturasTest = prueba::ConPuertoUi;
using prueba::Calculada;
using prueba::CalorDeLaDivision;
using prueba::RedDividida;

TEST_F(TemperaturasTest, BranchesEndAtTheirExchangersAndMixAtTheWeightedTemperature) {
  struct Caso {
    bool cambiadorEnD;
    double salidaP, salidaD, mezcla;
  };
  const Caso casos[] = {
      // (1.2·416.67 + 0.8·425) / 2 = 420
      {true, 500.0 - 100.0 / 1.2, 425.0, 420.0},
      // A branch without exchangers keeps its supply temperature: (500 + 400) / 2
      {false, 500.0 - 100.0 / 1.2, 500.0, 450.0},
  };
  for (const Caso& k : casos) {
    CDiagrama d = RedDividida(k.cambiadorEnD);
    ASSERT_TRUE(Calculada(CalcularRed(d)));
    EXPECT_TRUE(Calculada(CalcularTemperaturas(d, 0))) << k.cambiadorEnD;
    // The incoming stream has no exchanger: the split moves to its supply.
    EXPECT_NEAR(d.m_corrientes[0].GetT2(), 500.0, 1e-9);
    EXPECT_NEAR(d.m_corrientes[1].GetT1(), 500.0, 1e-9);
    EXPECT_NEAR(d.m_corrientes[1].GetT2(), k.salidaP, 1e-6);
    EXPECT_NEAR(d.m_corrientes[2].GetT2(), k.salidaD, 1e-6);
    EXPECT_NEAR(d.m_corrientes[3].GetT1(), k.mezcla, 1e-6);
    // The stream keeps its end and its whole heat (its tail after the merge
    // is not cut off).
    EXPECT_NEAR(d.m_corrientes[3].GetT2(), 300.0, 1e-9);
    EXPECT_NEAR(CalorDeLaDivision(d), -400.0, 1e-6);
    EXPECT_NEAR(d.m_cambiadores[0].tEntradaCaliente, 500.0, 1e-9);

    // Calculating again changes nothing: the branches keep their shares of
    // the flow (60/40), not the ratio of their duties.
    EXPECT_TRUE(Calculada(CalcularTemperaturas(d, 0)));
    EXPECT_NEAR(d.m_corrientes[1].GetCP(kTSentinel, kTSentinel), 1.2, 1e-9);
    EXPECT_NEAR(d.m_corrientes[1].GetT2(), k.salidaP, 1e-6);
    EXPECT_NEAR(d.m_corrientes[3].GetT1(), k.mezcla, 1e-6);
    EXPECT_NEAR(CalorDeLaDivision(d), -400.0, 1e-6);
  }
  CDiagrama vacio;
  EXPECT_EQ(CalcularTemperaturas(vacio, 3), kRedSinAvisos);
}

}  // namespace
}  // namespace vardo
