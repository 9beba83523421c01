#include "model/lazo.h"
#include "model/constantes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "model/cambiador.h"
#include "model/corriente.h"
#include "model/servicios.h"
#include "platform/core/dc.h"

namespace vardo {
namespace {

// Stream references of the examples.
constexpr int H1 = 0, H2 = 1, C1 = 2, C2 = 3, C3 = 4, H3 = 5, C4 = 6;
constexpr int S1 = kRefServicio, S2 = kRefServicio + 1;  // utilities
constexpr int G = -1;                // generic utility

CCambiador Camb(int caliente, int fria, double q = 0.0) {
  CCambiador c;
  c.ladoCaliente.ref = caliente;
  c.ladoFrio.ref = fria;
  c.q = q;
  return c;
}

// Builds a chain by picking the given exchangers; every pick must be taken.
CLazoEnCurso Cadena(const std::vector<CCambiador>& red, std::initializer_list<int> picks) {
  CLazoEnCurso l;
  for (int i : picks) EXPECT_EQ(l.Anadir(red, i), 1) << "pick " << i;
  return l;
}

// ---------------------------------------------------------------- continuity

TEST(LazoEnCurso, AddsExchangersThatContinueTheChain) {
  const std::vector<CCambiador> red = {Camb(H1, C1), Camb(H1, C2), Camb(H2, C2), Camb(H2, C1),
                                       Camb(H3, C3)};
  CLazoEnCurso l;
  EXPECT_EQ(l.Anadir(red, 0), 1);  // anything starts a chain
  EXPECT_EQ(l.Anadir(red, 1), 1);  // shares H1
  EXPECT_EQ(l.Anadir(red, 2), 1);  // hot link before: must share the cold stream C2
  EXPECT_EQ(l.Anadir(red, 3), 1);  // cold link before: must share the hot stream H2
  EXPECT_EQ(l.cuenta, 4);
  EXPECT_EQ(l.nodos, (std::vector<std::uint32_t>{1, 2, 3, 4}));
  EXPECT_EQ(l.cambiadores, (std::vector<std::int32_t>{0, 1, 2, 3}));

  // Sharing no stream is refused and changes nothing.
  const int antes = l.Clasificar(red);
  EXPECT_EQ(l.Anadir(red, 4), 0);
  EXPECT_EQ(l.cuenta, 4);
  EXPECT_EQ(l.nodos.size(), 4u);
  EXPECT_EQ(l.cambiadores.size(), 4u);
  EXPECT_EQ(l.Clasificar(red), antes);
  // Out-of-range candidates are refused too.
  EXPECT_EQ(l.Anadir(red, 5), 0);
  EXPECT_EQ(l.Anadir(red, -1), 0);
  EXPECT_EQ(l.cuenta, 4);
}

// With A (H1, C1) followed by B (H1, C2) the link used the hot side, so the
// next exchanger must share C2 (or a branch of its split), not H1.
TEST(LazoEnCurso, SidesAlternate) {
  std::vector<CCambiador> red = {Camb(H1, C1), Camb(H1, C2)};
  struct Caso {
    int caliente, fria, esperado;
  };
  const Caso casos[] = {
      {H1, C3, 0},  // shares only H1
      {H2, C2, 1},  // shares C2
      {H3, C4, 1},  // C4 is a branch of C2's split
      {H3, C3, 0},  // C3 belongs to no split
      {H1, C2, 1},  // parallel to B
  };
  for (const Caso& c : casos) {
    std::vector<CCambiador> r = red;
    r.push_back(Camb(c.caliente, c.fria));
    CLazoEnCurso l = Cadena(r, {0, 1});
    l.bifCorrientes = {-1, -1, -1, 0, -1, -1, 0};  // C2 and C4 are branches of split 0
    EXPECT_EQ(l.PuedeAnadir(r, 2), c.esperado) << c.caliente << "," << c.fria;
  }
}

TEST(LazoEnCurso, SplitBranchesAndUtilitiesInTheStreamsTable) {
  std::vector<CCorriente> corrientes(4);
  corrientes[1].m_split = 0;
  corrientes[3].m_split = 0;
  std::vector<CServicios> servicios(2);
  servicios[0].m_split = 2;
  servicios[1].m_split = 2;

  CLazoEnCurso l;
  l.LlenarTablaCorrientes(corrientes, servicios, 0);
  EXPECT_EQ(l.bifCorrientes, (std::vector<std::int32_t>{-1, 0, -1, 0}));
  EXPECT_TRUE(l.bifServicios.empty());
  EXPECT_EQ(l.BifurcacionDe(3), 0);
  EXPECT_EQ(l.BifurcacionDe(S2), -1);  // utilities hidden: outside the table
  EXPECT_EQ(l.BifurcacionDe(4), -1);
  EXPECT_EQ(l.BifurcacionDe(G), -1);

  // Branches 1 and 3 of one split link two exchangers; utilities of the same
  // split index only while the utilities are in the table.
  const std::vector<CCambiador> red = {Camb(1, 0), Camb(3, 2), Camb(S1, 2), Camb(S2, 0)};
  EXPECT_EQ(l.Anadir(red, 0), 1);
  EXPECT_EQ(l.PuedeAnadir(red, 1), 1);
  CLazoEnCurso u;
  u.LlenarTablaCorrientes(corrientes, servicios, 0);
  ASSERT_EQ(u.Anadir(red, 2), 1);
  EXPECT_EQ(u.PuedeAnadir(red, 3), 0);
  u.LlenarTablaCorrientes(corrientes, servicios, 1);
  EXPECT_EQ(u.BifurcacionDe(S2), 2);
  EXPECT_EQ(u.PuedeAnadir(red, 3), 1);
}

// Two generic-utility sides are linked (both lie on the implicit utility);
// a set side never links with an unset one through the split table.
TEST(LazoEnCurso, GenericSidesLinkOnlyWithEachOther) {
  const std::vector<CCambiador> red = {Camb(G, C1), Camb(G, C2), Camb(H1, G)};
  CLazoEnCurso l;
  l.bifCorrientes = {-1, -1, -1, -1};
  ASSERT_EQ(l.Anadir(red, 0), 1);
  EXPECT_EQ(l.PuedeAnadir(red, 1), 1);
  EXPECT_EQ(l.PuedeAnadir(red, 2), 0);
}

// After a parallel pair the next link takes the side the link before the pair
// took, so that links keep alternating.
TEST(LazoEnCurso, ParallelPairKeepsTheAlternation) {
  struct Caso {
    const char* nombre;
    std::vector<CCambiador> red;  // chain 0, 1, 2; candidates 3 and 4
    int esperado3, esperado4;
  };
  const Caso casos[] = {
      // First link on H1 (hot), parallel pair on C2: the next link is hot.
      {"hot then parallel", {Camb(H1, C1), Camb(H1, C2), Camb(H1, C2), Camb(H1, C3), Camb(H2, C2)}, 1, 0},
      // First link on C2 (cold), parallel pair on H1: the next link is cold.
      {"cold then parallel", {Camb(H2, C2), Camb(H1, C2), Camb(H1, C2), Camb(H1, C3), Camb(H3, C2)}, 0, 1},
  };
  for (const Caso& c : casos) {
    CLazoEnCurso l = Cadena(c.red, {0, 1, 2});
    EXPECT_EQ(l.PuedeAnadir(c.red, 3), c.esperado3) << c.nombre;
    EXPECT_EQ(l.PuedeAnadir(c.red, 4), c.esperado4) << c.nombre;
  }
  // A parallel first pair counts as a hot link: the third must share the cold stream.
  const std::vector<CCambiador> red = {Camb(H1, C1), Camb(H1, C1), Camb(H1, C2), Camb(H2, C1)};
  CLazoEnCurso l = Cadena(red, {0, 1});
  EXPECT_EQ(l.PuedeAnadir(red, 2), 0);
  EXPECT_EQ(l.PuedeAnadir(red, 3), 1);
}

TEST(LazoEnCurso, RemovingTheLastPickAndEmptying) {
  const std::vector<CCambiador> red = {Camb(H1, C1), Camb(H1, C2), Camb(H2, C2)};
  CLazoEnCurso l = Cadena(red, {0, 1, 2});
  l.QuitarUltimo();
  EXPECT_EQ(l.cuenta, 2);
  EXPECT_EQ(l.nodos, (std::vector<std::uint32_t>{1, 2}));
  EXPECT_EQ(l.cambiadores, (std::vector<std::int32_t>{0, 1}));
  EXPECT_EQ(l.Anadir(red, 2), 1);  // the same pick is possible again
  l.Vaciar();
  EXPECT_EQ(l.cuenta, 0);
  EXPECT_TRUE(l.nodos.empty());
  EXPECT_TRUE(l.cambiadores.empty());
  l.QuitarUltimo();  // on an empty chain: nothing happens
  EXPECT_EQ(l.cuenta, 0);
}

// ---------------------------------------------------------------- classification

TEST(LazoEnCurso, Classification) {
  const std::vector<CCambiador> red = {
      Camb(H1, C1),  // 0
      Camb(H1, C1),  // 1: parallel to 0
      Camb(H1, C2),  // 2
      Camb(H2, C2),  // 3
      Camb(H2, C1),  // 4
      Camb(G, C1),   // 5: heater, generic utility
      Camb(H1, G),   // 6: cooler, generic utility
      Camb(S1, C1),  // 7: heater on a utility
      Camb(H1, S2),  // 8: cooler on a utility
      Camb(G, C2),   // 9: heater on C2
  };
  struct Caso {
    const char* nombre;
    std::initializer_list<int> picks;
    int esperado;
  };
  const Caso casos[] = {
      {"one exchanger", {5}, kLazoIncompleto},
      {"open chain between process streams", {0, 2}, kLazoIncompleto},
      {"E1, E2, E1 on one pair of streams", {0, 1, 0}, kLazoAnillo},
      {"four distinct exchangers, closed", {0, 2, 3, 4, 0}, kLazoAnillo},
      {"heater, match, cooler", {5, 0, 6}, kLazoSenda},
      {"utility heater, match, utility cooler", {7, 0, 8}, kLazoSenda},
      {"two generic heaters", {5, 9}, kLazoSenda},
      {"utility end at one side only", {7, 0}, kLazoIncompleto},
  };
  for (const Caso& c : casos) {
    const CLazoEnCurso l = Cadena(red, c.picks);
    EXPECT_EQ(l.Clasificar(red), c.esperado) << c.nombre;
  }

  // E1, E2, E3, E1 (four nodes, first = last) is no loop; empty is incomplete.
  CLazoEnCurso cuatro;
  cuatro.nodos = {1, 3, 4, 1};
  cuatro.cambiadores = {0, 2, 3, 0};
  cuatro.cuenta = 4;
  EXPECT_EQ(cuatro.Clasificar(red), kLazoIncompleto);
  EXPECT_EQ(CLazoEnCurso{}.Clasificar(red), kLazoIncompleto);
}

// ---------------------------------------------------------------- load shifting

TEST(Anillo, MinimaOfEvenAndOddPositions) {
  struct Caso {
    const char* nombre;
    std::vector<double> q;
    double par, impar;
  };
  const Caso casos[] = {
      {"four duties", {50.0, 20.0, 30.0, 10.0}, 30.0, 10.0},
      {"closed loop of two", {40.0, 25.0, 40.0}, 40.0, 25.0},
      {"one exchanger", {12.5}, 12.5, -1.0},
      {"zero duty is a minimum", {0.0, 5.0, 3.0}, 0.0, 5.0},
      {"empty", {}, -1.0, -1.0},
  };
  for (const Caso& c : casos) {
    std::vector<CCambiador> red;
    CLazo l;
    for (std::size_t i = 0; i < c.q.size(); ++i) {
      red.push_back(Camb(H1, C1, c.q[i]));
      l.cambiadores.push_back(static_cast<std::int32_t>(i));
      l.nodos.push_back(static_cast<std::uint32_t>(i + 1));
    }
    l.cuenta = static_cast<std::int32_t>(c.q.size());
    CAnillo a(l);
    a.minimoPar = a.minimoImpar = 99.0;
    a.CalcularMinimos(red);
    EXPECT_EQ(a.minimoPar, c.par) << c.nombre;
    EXPECT_EQ(a.minimoImpar, c.impar) << c.nombre;
  }
}

TEST(Anillo, StreamsOfTheChainSortedWithoutRepeats) {
  const std::vector<CCambiador> red = {Camb(H1, C1), Camb(H1, C2), Camb(S1, C2), Camb(G, C1),
                                       Camb(H2, G)};
  CLazo l;
  l.cambiadores = {0, 1, 2, 3, 4};
  l.nodos = {1, 2, 3, 4, 5};
  l.cuenta = 4;  // the last exchanger lies beyond the count
  CAnillo a(l);
  a.OrdenarCorrientes(red);
  EXPECT_EQ(a.corrientes, (std::vector<std::int32_t>{S1, C2, C2, C1, C1, H1, H1}));
  EXPECT_EQ(a.numCorrientes, 7);
  a.QuitarRepetidas();
  EXPECT_EQ(a.corrientes, (std::vector<std::int32_t>{S1, C2, C1, H1}));
  EXPECT_EQ(a.numCorrientes, 4);
}

// ---------------------------------------------------------------- copying

TEST(LazoCopia, CopiesTheChainButNotTheWorkingLists) {
  CLazo l;
  l.cambiadores = {2, 0};
  l.nodos = {3, 1};
  l.cuenta = 2;
  l.fuente.height = 24;
  l.fuente.faceName = "Courier New";
  l.pasosBifurcacion = {2, 0};
  l.bifCorrientes = {0, 0};
  l.bifServicios = {1};

  const CLazo copia(l);
  EXPECT_EQ(copia.cambiadores, l.cambiadores);
  EXPECT_EQ(copia.nodos, l.nodos);
  EXPECT_EQ(copia.cuenta, 2);
  EXPECT_EQ(copia.fuente, l.fuente);
  EXPECT_TRUE(copia.pasosBifurcacion.empty());
  EXPECT_TRUE(copia.bifCorrientes.empty());
  EXPECT_TRUE(copia.bifServicios.empty());

  CLazoEnCurso destino;
  destino.pasosBifurcacion = {7, 8};
  destino.bifCorrientes = {-1};
  destino = l;
  EXPECT_EQ(destino.nodos, l.nodos);
  EXPECT_EQ(destino.pasosBifurcacion, (std::vector<std::uint32_t>{7, 8}));
  EXPECT_EQ(destino.bifCorrientes, std::vector<std::int32_t>{-1});

  // A load-shifting record from a chain starts without streams or minima;
  // its own assignment carries them.
  CAnillo a(l);
  EXPECT_EQ(a.nodos, l.nodos);
  EXPECT_EQ(a.fuente, l.fuente);
  EXPECT_TRUE(a.corrientes.empty());
  EXPECT_EQ(a.minimoPar, -1.0);
  EXPECT_EQ(a.minimoImpar, -1.0);
  a.corrientes = {3, 1};
  a.numCorrientes = 2;
  a.minimoPar = 4.0;
  a.minimoImpar = 6.0;
  a.pasosBifurcacion = {1, 2};
  CAnillo b;
  b = a;
  EXPECT_EQ(b.corrientes, a.corrientes);
  EXPECT_EQ(b.numCorrientes, 2);
  EXPECT_EQ(b.minimoPar, 4.0);
  EXPECT_EQ(b.minimoImpar, 6.0);
  EXPECT_EQ(b.cambiadores, a.cambiadores);
  EXPECT_TRUE(b.pasosBifurcacion.empty());
  const CAnillo c(a);
  EXPECT_EQ(c.minimoImpar, 6.0);
  EXPECT_EQ(c.corrientes, a.corrientes);
}

// ---------------------------------------------------------------- drawing

// End marks of an exchanger at x on the rows whose circles have the given tops.
CCambiador EnGrid(int caliente, int fria, std::int32_t x, std::int32_t topC, std::int32_t topF) {
  CCambiador c = Camb(caliente, fria);
  c.rectCaliente = {x, topC, x + 650, topC - 650};
  c.rectFrio = {x, topF, x + 650, topF - 650};
  return c;
}

struct Segmento {
  Point desde, hasta;
  Rgb color;
};

std::vector<Segmento> Lineas(const RecordingDc& dc) {
  std::vector<Segmento> v;
  for (const auto& it : dc.Items()) {
    EXPECT_EQ(it.op, RecordingDc::Op::Line);
    EXPECT_EQ(it.pen.style, PenStyle::Solid);
    EXPECT_EQ(it.pen.width, 1);
    v.push_back({it.points[0], it.points[1], it.pen.color});
  }
  return v;
}

TEST(LazoDibujo, LoopAlongTheStreamRows) {
  // Rows: H1 circles at top -1675 (centre -2000), C1 at -3675 (centre -4000).
  const std::vector<CCambiador> red = {EnGrid(H1, C1, 3000, -1675, -3675),
                                       EnGrid(H1, C1, 6000, -1675, -3675)};
  CLazoEnCurso l = Cadena(red, {0, 1, 0});
  l.fuente.height = 18;

  RecordingDc dc;
  const Pen pluma{PenStyle::Dot, 0, MakeRgb(1, 2, 3)};
  dc.SelectPen(pluma);
  l.Dibujar(dc, red, 1);
  const auto lineas = Lineas(dc);
  ASSERT_EQ(lineas.size(), 2u);
  // First link along the hot row, then (parallel pair, hot row used) the cold row back.
  EXPECT_EQ(lineas[0].desde, (Point{3000, -2000}));
  EXPECT_EQ(lineas[0].hasta, (Point{6000, -2000}));
  EXPECT_EQ(lineas[1].desde, (Point{6000, -4000}));
  EXPECT_EQ(lineas[1].hasta, (Point{3000, -4000}));
  for (const auto& s : lineas) EXPECT_EQ(s.color, MakeRgb(200, 0, 0));
  EXPECT_EQ(dc.Items()[0].font.height, 360);
  EXPECT_TRUE(l.pasosBifurcacion.empty());
  // Pen and font are given back.
  EXPECT_EQ(dc.CurrentPen(), pluma);
  EXPECT_EQ(dc.CurrentFont(), LogFont{});

  // The disturbance route colour.
  RecordingDc verde;
  l.Dibujar(verde, red, 0);
  for (const auto& s : Lineas(verde)) EXPECT_EQ(s.color, MakeRgb(80, 200, 0));
}

TEST(LazoDibujo, FourExchangerLoop) {
  // H1 -2000, H2 -3000, C1 -4000, C2 -5000 (row centres).
  const std::vector<CCambiador> red = {
      EnGrid(H1, C1, 3000, -1675, -3675), EnGrid(H1, C2, 5000, -1675, -4675),
      EnGrid(H2, C2, 8000, -2675, -4675), EnGrid(H2, C1, 11000, -2675, -3675)};
  CLazoEnCurso l = Cadena(red, {0, 1, 2, 3, 0});
  ASSERT_EQ(l.Clasificar(red), kLazoAnillo);
  RecordingDc dc;
  l.Dibujar(dc, red, 1);
  const auto lineas = Lineas(dc);
  ASSERT_EQ(lineas.size(), 4u);
  const Point esperado[4][2] = {{{3000, -2000}, {5000, -2000}},
                                {{5000, -5000}, {8000, -5000}},
                                {{8000, -3000}, {11000, -3000}},
                                {{11000, -4000}, {3000, -4000}}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(lineas[i].desde, esperado[i][0]) << i;
    EXPECT_EQ(lineas[i].hasta, esperado[i][1]) << i;
  }
  EXPECT_TRUE(l.pasosBifurcacion.empty());
}

// Two exchangers on different branches of one split: the link back along the
// cold row was used already, so the other link passes through the split; it
// is listed for the grid drawing and not drawn.
TEST(LazoDibujo, LinksThroughASplitAreListedNotDrawn) {
  // Branches Ha (stream 7) and Hb (stream 8) of split 0 on rows -2000 and
  // -3000; C1 on row -5000.
  const std::vector<CCambiador> red = {EnGrid(H1, C1, 2000, -1675, -4675),
                                       EnGrid(7, C1, 4000, -1675, -4675),
                                       EnGrid(8, C1, 6000, -2675, -4675)};
  CLazoEnCurso l;
  l.bifCorrientes = {-1, -1, -1, -1, -1, -1, -1, 0, 0};
  ASSERT_EQ(l.Anadir(red, 1), 1);
  ASSERT_EQ(l.Anadir(red, 2), 1);
  ASSERT_EQ(l.Anadir(red, 1), 1);
  ASSERT_EQ(l.Clasificar(red), kLazoAnillo);

  RecordingDc dc;
  l.Dibujar(dc, red, 1);
  const auto lineas = Lineas(dc);
  ASSERT_EQ(lineas.size(), 1u);
  EXPECT_EQ(lineas[0].desde, (Point{4000, -5000}));
  EXPECT_EQ(lineas[0].hasta, (Point{6000, -5000}));
  EXPECT_EQ(l.pasosBifurcacion, (std::vector<std::uint32_t>{2, 1}));

  // Every drawing rebuilds the list.
  l.Dibujar(dc, red, 1);
  EXPECT_EQ(l.pasosBifurcacion, (std::vector<std::uint32_t>{2, 1}));

  // A pair without a shared row at all is listed as well, as is a pair
  // whose only shared top is 0 (not placed).
  std::vector<CCambiador> r2 = {EnGrid(7, C1, 2000, -1675, -4675), EnGrid(8, C2, 4000, -2675, -5675),
                                Camb(H1, C1)};
  CLazo suelto;
  suelto.cambiadores = {0, 1, 2};
  suelto.nodos = {1, 2, 3};
  suelto.cuenta = 3;
  RecordingDc otro;
  suelto.Dibujar(otro, r2, 1);
  EXPECT_TRUE(otro.Items().empty());
  EXPECT_EQ(suelto.pasosBifurcacion, (std::vector<std::uint32_t>{0, 1, 1, 2}));
}

// Indices that no longer name an exchanger are skipped, never read.
TEST(LazoDibujo, StaleIndicesAreSkipped) {
  const std::vector<CCambiador> red = {EnGrid(H1, C1, 3000, -1675, -3675),
                                       EnGrid(H1, C1, 6000, -1675, -3675)};
  CAnillo a;
  a.cambiadores = {0, 1, 5};
  a.nodos = {1, 2, 6};
  a.cuenta = 4;
  RecordingDc dc;
  a.Dibujar(dc, red, 1);
  EXPECT_EQ(dc.Items().size(), 1u);
  a.CalcularMinimos(red);
  EXPECT_EQ(a.minimoPar, 0.0);
  a.OrdenarCorrientes(red);
  EXPECT_EQ(a.numCorrientes, 4);
  CLazoEnCurso e(a);
  EXPECT_EQ(e.PuedeAnadir(red, 0), 0);
  EXPECT_EQ(e.Clasificar(red), kLazoIncompleto);
}

}  // namespace
}  // namespace vardo
