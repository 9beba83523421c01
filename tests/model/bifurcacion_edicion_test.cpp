#include "model/bifurcacion_edicion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/archive.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using prueba::UnaDivision;

// Cold C0 290 -> 400 K m·cp 2; hot H1 500 -> 300 K m·cp 2 named "Gases"
// with film coefficient 0.5, alone in area 0; an exchanger H1–C0 and a
// heater on C0.
struct Problema : prueba::ConPuertoUi {
  CDiagrama d;
  void SetUp() override {
    prueba::ConPuertoUi::SetUp();
    d.AddCorriente(290, 400, 2.0, 1, 0);
    d.AddCorriente(500, 300, 2.0, 0, 0);
    d.m_corrientes[1].SetNombre("Gases");
    d.m_corrientes[1].m_h = 0.5;
    d.AddArea("Norte", MakeRgb(1, 2, 3));
    d.m_areas[0].AddCorriente(1);
    d.m_corrientes[1].m_area = 0;
    d.AddCambiador(kModoQ, 1, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 100);
    d.AddCambiador(kModoCompletarFria, -1, 0, 0, 0, 0, 0, kTipoCambiador, 0, 0, 0, 2, 0);
    prueba::ReconstruirListas(d);
  }
};

TEST_F(Problema, UnaCorrienteSensibleSeDivideEnCuatroUnidasPorUnNodo) {
  const std::int32_t b = BifurcarCorriente(d, 1, 450, 350, 350, 60, 40);
  ASSERT_EQ(b, 0);
  // C0 and the four pieces, which took the places from 1 on.
  ASSERT_EQ(d.GetNumCorrientes(), 5);
  ASSERT_EQ(d.m_bifurcadas.size(), 1u);
  const CCorrienteBifurcada& s = d.m_bifurcadas[0];
  const CCorrienteBifurcada esperada = UnaDivision(CCorriente(500, 300, 2.0, 0, 0), 1, true);
  EXPECT_EQ(s.ramas, esperada.ramas);
  EXPECT_EQ(s.conexiones, esperada.conexiones);
  ASSERT_EQ(s.nodos.size(), 1u);
  for (int p = CCuaterna::kEntrada; p <= CCuaterna::kSalida; ++p)
    EXPECT_EQ(s.nodos[0].Referencia(p), esperada.nodos[0].Referencia(p));
  EXPECT_EQ(s.filas, 2);
  EXPECT_EQ(s.corriente.m_T, (std::vector<double>{500, 300}));
  EXPECT_EQ(s.nodos[0].segmento.m_H, s.corriente.m_H);

  // Pieces: before the split, the branches at 60 and 40 %, mixing at 350.
  struct Pieza {
    double t1, t2, h, mcp;
  };
  const Pieza piezas[] = {{500, 450, -100, 2.0}, {450, 350, -120, 1.2}, {450, 350, -80, 0.8},
                          {350, 300, -100, 2.0}};
  for (int k = 0; k < 4; ++k) {
    const CCorriente& c = d.m_corrientes[static_cast<std::size_t>(k + 1)];
    SCOPED_TRACE(k);
    EXPECT_DOUBLE_EQ(c.GetT1(), piezas[k].t1);
    EXPECT_DOUBLE_EQ(c.GetT2(), piezas[k].t2);
    EXPECT_NEAR(c.GetH(kTSentinel, 1), piezas[k].h, 1e-9);
    EXPECT_NEAR(c.GetCP(kTSentinel, kTSentinel), piezas[k].mcp, 1e-9);
    // Named like the stream, with its data, in its split and its area.
    EXPECT_EQ(c.GetNombre(), "Gases");
    EXPECT_EQ(c.m_h, 0.5);
    EXPECT_EQ(c.m_split, 0);
    EXPECT_EQ(c.m_area, 0);
    EXPECT_TRUE(c.m_cambiadores.empty());
  }
  // The area keeps the pieces (it was never left empty: no message).
  EXPECT_EQ(d.m_areas.size(), 1u);
  EXPECT_EQ(d.m_areas[0].corrientes, (std::vector<std::uint32_t>{1, 2, 3, 4}));
  EXPECT_TRUE(ui.Log().empty());
  // The exchanger on the split stream went with it; the heater on C0 stays.
  ASSERT_EQ(d.GetNumCambiadores(), 1);
  EXPECT_EQ(d.m_cambiadores[0].ladoCaliente.ref, kRefGenerico);
  EXPECT_EQ(d.m_cambiadores[0].ladoFrio.ref, 0);
  // The stored form is one a file can hold.
  Archive ar;
  CDiagrama copia = d;
  copia.Serialize(ar);
  CDiagrama leido;
  Archive entrada(ar.Bytes());
  EXPECT_NO_THROW(leido.Serialize(entrada));
}

TEST_F(Problema, LaMezclaDependeDeLosRepartos) {
  // A cold stream 300 -> 400 (m·cp 1): branches to 380 (30 %) and 360
  // (70 %) from 320 carry 18 and 28 of the 80 kW after 320.
  const CCorriente S(300, 400, 1.0, 1, 0);
  EXPECT_NEAR(TemperaturaMezcla(S, 320, 380, 360, 30, 70), 320 + 18 + 28, 1e-9);
  // The defaults of a new split: from the supply, both to the target, 0/100.
  EXPECT_NEAR(TemperaturaMezcla(S, 300, 400, 400, 0, 100), 400, 1e-9);
}

TEST_F(Problema, LoQueNoSePuedeDividirQuedaIgual) {
  d.AddCorriente(420, 420, -300, 0, 1);  // latent, index 2
  CDiagrama dividida = d;
  ASSERT_EQ(BifurcarCorriente(dividida, 1, 450, 350, 350, 50, 50), 0);
  struct Caso {
    const char* nombre;
    CDiagrama modelo;
    std::int32_t corriente;
  };
  const Caso casos[] = {
      {"latente", d, 2},
      {"fuera", d, 7},
      {"negativa", d, -1},
      {"rama principal de un nodo", dividida, 3},
  };
  for (const Caso& c : casos) {
    CDiagrama m = c.modelo;
    Archive antes;
    CDiagrama(m).Serialize(antes);
    EXPECT_EQ(BifurcarCorriente(m, c.corriente, 450, 350, 350, 50, 50), -1) << c.nombre;
    Archive despues;
    CDiagrama(m).Serialize(despues);
    EXPECT_EQ(antes.Bytes(), despues.Bytes()) << c.nombre;
  }
  CDiagrama m = d;
  EXPECT_FALSE(DividirCorrienteLatente(m, 1, 10, 20)) << "sensible";
  EXPECT_EQ(m.GetNumCorrientes(), d.GetNumCorrientes());
}

// The plain split of "Gases" leaves C0 and the parts 1 (before 450), 2 and 3
// (the branches to 350 at 60 and 40 %) and 4 (after 350), node 0 = (1, 2, 3,
// 4). Splitting one part again extends the split with node 1, whose parts
// are the four new streams 4..7 once the part is gone (C0 and an exchanger
// between C0 and the main branch stay, renumbered).
TEST_F(Problema, UnaParteDeUnaBifurcacionSeVuelveABifurcar) {
  using Enlaces = std::vector<CConexion>;
  struct Caso {
    const char* nombre;
    std::int32_t parte;
    std::int32_t nodo0[4];   // node 0's references afterwards
    Enlaces enlaces;         // links afterwards
    std::int32_t ramaPrincipal;  // node 0's main branch afterwards
  };
  const Caso casos[] = {
      {"la de entrada", 1, {-1, 1, 2, 3},
       {{1, 3}, {2, 3}, {4, 5}, {4, 6}, {5, 7}, {6, 7}, {7, 1}, {7, 2}}, 1},
      {"la rama desplazada", 3, {1, 2, -1, 3},
       {{1, 2}, {2, 3}, {4, 5}, {4, 6}, {5, 7}, {6, 7}, {1, 4}, {7, 3}}, 2},
      {"la de salida", 4, {1, 2, 3, -1},
       {{1, 2}, {1, 3}, {4, 5}, {4, 6}, {5, 7}, {6, 7}, {2, 4}, {3, 4}}, 2},
  };
  ASSERT_EQ(BifurcarCorriente(d, 1, 450, 350, 350, 60, 40), 0);
  d.m_bifurcadas[0].inicioRecolocar = -1;  // as after a drawing
  // An exchanger on the main branch and one on the part split again.
  d.AddCambiador(kModoQ, 2, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 10);
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama m = d;
    m.AddCambiador(kModoQ, c.parte, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 5);
    prueba::ReconstruirListas(m);
    const CCorriente parte = m.m_corrientes[static_cast<std::size_t>(c.parte)];
    // Half and half, branches to 5 and 10 K past the split temperature.
    const double ta = parte.GetT1() - 0.25 * (parte.GetT1() - parte.GetT2());
    ASSERT_EQ(BifurcarCorriente(m, c.parte, ta, ta - 5, ta - 10, 50, 50), 0);

    ASSERT_EQ(m.GetNumCorrientes(), 8);
    ASSERT_EQ(m.m_bifurcadas.size(), 1u);
    const CCorrienteBifurcada& b = m.m_bifurcadas[0];
    ASSERT_EQ(b.nodos.size(), 2u);
    for (int p = CCuaterna::kEntrada; p <= CCuaterna::kSalida; ++p) {
      EXPECT_EQ(b.nodos[0].Referencia(p), c.nodo0[p]) << p;
      EXPECT_EQ(b.nodos[1].Referencia(p), 4 + p) << p;
    }
    EXPECT_EQ(b.ramas, (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(b.conexiones, c.enlaces);
    EXPECT_EQ(b.inicioRecolocar, 1);
    EXPECT_EQ(b.nodos[1].segmento.m_T, parte.m_T);
    EXPECT_TRUE(b.ReferenciasValidas(m.GetNumCorrientes()));

    // The new parts cut from the old one: 0 to 25 % of its range, the
    // branches at half its m·cp, the rest from where they mix.
    const double mcp = parte.GetCP(kTSentinel, kTSentinel);
    const double tMezcla = ta - 7.5;
    const double extremos[4][2] = {
        {parte.GetT1(), ta}, {ta, ta - 5}, {ta, ta - 10}, {tMezcla, parte.GetT2()}};
    const double mcps[4] = {mcp, mcp / 2, mcp / 2, mcp};
    for (int p = 0; p < 4; ++p) {
      const CCorriente& x = m.m_corrientes[static_cast<std::size_t>(4 + p)];
      SCOPED_TRACE(p);
      EXPECT_NEAR(x.GetT1(), extremos[p][0], 1e-9);
      EXPECT_NEAR(x.GetT2(), extremos[p][1], 1e-9);
      EXPECT_NEAR(x.GetCP(kTSentinel, kTSentinel), mcps[p], 1e-9);
      EXPECT_EQ(x.GetNombre(), "Gases");
      EXPECT_EQ(x.m_split, 0);
      EXPECT_EQ(x.m_area, 0);
      EXPECT_EQ(x.m_rect, b.corriente.m_rect);
    }
    EXPECT_EQ(m.m_areas[0].corrientes, (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6, 7}));
    // The part's exchanger went with it; the main branch's stays on it.
    ASSERT_EQ(m.GetNumCambiadores(), 2);
    EXPECT_EQ(m.m_cambiadores[1].ladoCaliente.ref, c.ramaPrincipal);
    EXPECT_EQ(m.m_cambiadores[1].ladoFrio.ref, 0);

    // A file holds it and reads it back.
    Archive ar;
    CDiagrama(m).Serialize(ar);
    CDiagrama leido;
    Archive entrada(ar.Bytes());
    ASSERT_NO_THROW(leido.Serialize(entrada));
    ASSERT_EQ(leido.m_bifurcadas.size(), 1u);
    EXPECT_EQ(leido.m_bifurcadas[0].conexiones, c.enlaces);
  }
}

// A link never names a node: splitting the incoming part of node 0 whose
// offset branch is node 1 links the new outgoing part to the stream that
// enters node 1.
TEST_F(Problema, LosEnlacesNombranCorrientesNoNodos) {
  ASSERT_EQ(BifurcarCorriente(d, 1, 450, 350, 350, 60, 40), 0);
  ASSERT_EQ(BifurcarCorriente(d, 3, 420, 400, 390, 50, 50), 0);  // the offset branch
  // Node 0 = (1, 2, -1, 3), node 1 = (4, 5, 6, 7).
  ASSERT_EQ(d.m_bifurcadas[0].nodos[0].refRamaDesplazada, -1);
  ASSERT_EQ(BifurcarCorriente(d, 1, 480, 460, 470, 30, 70), 0);
  // Streams 1..6 are the old 2..7; node 2 = (7, 8, 9, 10).
  const CCorrienteBifurcada& b = d.m_bifurcadas[0];
  ASSERT_EQ(b.nodos.size(), 3u);
  EXPECT_EQ(b.nodos[0].refEntrada, -2);
  EXPECT_EQ(b.nodos[0].refRamaDesplazada, -1);
  EXPECT_EQ(b.nodos[1].refEntrada, 3);
  const std::vector<CConexion> esperados{{1, 2}, {3, 4}, {3, 5}, {4, 6}, {5, 6}, {6, 2},
                                         {7, 8}, {7, 9}, {8, 10}, {9, 10}, {10, 1}, {10, 3}};
  EXPECT_EQ(b.conexiones, esperados);
  for (const CConexion& c : b.conexiones) {
    EXPECT_GE(c.primero, 0);
    EXPECT_GE(c.segundo, 0);
  }
  // Three rows: node 0's main branch beside node 1's two branches.
  EXPECT_EQ(b.filas, 3);
}

TEST_F(Problema, UnaLatenteSeDivideEnDosLatentesSinRegistroDeDivision) {
  struct Caso {
    int fria;
    double signo;
  };
  for (const Caso& k : {Caso{0, -1.0}, Caso{1, 1.0}}) {
    CDiagrama m = d;
    m.AddCorriente(420, 420, 1000 * k.signo, k.fria, 1);
    m.m_corrientes[2].SetNombre("Vapor");
    m.m_corrientes[2].m_area = 0;
    m.m_areas[0].AddCorriente(2);
    ASSERT_TRUE(DividirCorrienteLatente(m, 2, 250, 750)) << k.fria;
    ASSERT_EQ(m.GetNumCorrientes(), 4);
    EXPECT_TRUE(m.m_bifurcadas.empty());
    const double cargas[] = {250, 750};
    for (int j = 0; j < 2; ++j) {
      const CCorriente& c = m.m_corrientes[static_cast<std::size_t>(2 + j)];
      EXPECT_EQ(c.m_T, (std::vector<double>{420, 420}));
      EXPECT_DOUBLE_EQ(c.GetH(kTSentinel, 1), cargas[j] * k.signo);
      EXPECT_TRUE(EsLatente(c));
      EXPECT_EQ(c.m_fria, k.fria);
      EXPECT_EQ(c.GetNombre(), "Vapor");
      EXPECT_EQ(c.m_area, 0);
      EXPECT_EQ(c.m_split, -1);
    }
    EXPECT_EQ(m.m_areas[0].corrientes, (std::vector<std::uint32_t>{1, 2, 3}));
  }
}

TEST_F(Problema, UnirDevuelveLaCorrienteEnteraConSuArea) {
  ASSERT_EQ(BifurcarCorriente(d, 1, 450, 350, 350, 60, 40), 0);
  // An exchanger on a branch goes with the branch.
  d.AddCambiador(kModoQ, 2, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 50);
  ASSERT_EQ(UnirBifurcacion(d, 0, 0), 1);
  ASSERT_EQ(d.GetNumCorrientes(), 2);
  EXPECT_TRUE(d.m_bifurcadas.empty());
  const CCorriente& c = d.m_corrientes[1];
  EXPECT_EQ(c.m_T, (std::vector<double>{500, 300}));
  EXPECT_DOUBLE_EQ(c.GetH(kTSentinel, 1), -400);
  EXPECT_EQ(c.GetNombre(), "Gases");
  EXPECT_EQ(c.m_split, -1);
  EXPECT_EQ(c.m_area, 0);
  ASSERT_EQ(d.m_areas.size(), 1u);
  EXPECT_EQ(d.m_areas[0].corrientes, (std::vector<std::uint32_t>{1}));
  EXPECT_TRUE(ui.Log().empty());
  ASSERT_EQ(d.GetNumCambiadores(), 1);
  EXPECT_EQ(d.m_cambiadores[0].ladoCaliente.ref, kRefGenerico);
  EXPECT_EQ(UnirBifurcacion(d, 0, 0), -1);
}

}  // namespace
}  // namespace vardo
