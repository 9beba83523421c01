// Streams edited one at a time, a split as one stream: the number it is
// shown under, the up-down walk over its run, and what storing the main
// page's fields, properties and costs does to it.
#include "app/core/entry/corriente_edicion.h"

#include <gtest/gtest.h>

#include "model/bifurcacion_edicion.h"
#include "model/constantes.h"

namespace vardo {
namespace {

// C0 290 -> 400 K m·cp 2; the hot stream 500 -> 300 K m·cp 2 split at 450
// into branches of 60 and 40 % mixing at 350 (streams 1 to 4); with `cola`,
// a cold stream 5 after the split's run.
CDiagrama ConDivision(bool cola) {
  CDiagrama d;
  d.AddCorriente(290, 400, 2.0, 1, 0);
  d.AddCorriente(500, 300, 2.0, 0, 0);
  d.m_corrientes[1].SetNombre("Gases");
  EXPECT_EQ(BifurcarCorriente(d, 1, 450, 350, 350, 60, 40), 0);
  if (cola) d.AddCorriente(300, 350, 1.0, 1, 0);
  return d;
}

TEST(CorrienteEdicion, UnaDivisionSeMuestraConElNumeroDeSuPrimeraRama) {
  const CDiagrama d = ConDivision(true);
  ASSERT_EQ(d.GetNumCorrientes(), 6);
  const std::int32_t numeros[] = {1, 2, 2, 2, 2, 6};
  for (std::int32_t i = 0; i < 6; ++i) {
    EXPECT_EQ(NumeroMostrado(d, i), numeros[i]) << i;
    EXPECT_EQ(PrimeraRama(d, i), numeros[i] - 1) << i;
  }
  // Every branch edits the split's whole stream.
  for (std::int32_t i = 1; i <= 4; ++i) EXPECT_EQ(&CorrienteEditada(d, i), &d.m_bifurcadas[0].corriente);
  EXPECT_EQ(&CorrienteEditada(d, 5), &d.m_corrientes[5]);
}

TEST(CorrienteEdicion, ElPasoSaltaLaDivisionHaciaArribaYCaeEnSuPrimeraRamaHaciaAbajo) {
  const struct {
    const char* nombre;
    bool cola;
    std::int32_t posicion, delta;
    PasoCorriente paso;
  } casos[] = {
      {"a una corriente", true, 1, -1, {-1, true}},
      {"al principio", true, 0, 1, {0, true}},
      {"sobre la primera rama", true, 1, 1, {1, false}},
      {"desde la primera rama", true, 2, 1, {5, false}},
      {"bajando desde detrás", true, 6, -1, {1, false}},
      {"bajando desde la primera rama", true, 2, -1, {0, true}},
      {"fuera por arriba", true, 6, 1, {-1, true}},
      {"la división al final vuelve a su primera rama", false, 2, 1, {1, false}},
      {"bajando a la última rama", false, 5, -1, {1, false}},
      {"fuera tras la división", false, 5, 1, {-1, true}},
  };
  for (const auto& c : casos) {
    const CDiagrama d = ConDivision(c.cola);
    const PasoCorriente p = DestinoPaso(d, c.posicion, c.delta);
    EXPECT_EQ(p.indice, c.paso.indice) << c.nombre;
    if (p.indice >= 0) {
      EXPECT_EQ(p.aceptado, c.paso.aceptado) << c.nombre;
    }
  }
}

struct CasoGuardar {
  const char* nombre;
  CamposCorriente campos;
  std::vector<double> t, h;
  int fria;
  double mcp;
  int entalpiaDada;
  int latente;
};

TEST(CorrienteEdicion, GuardarUnaCorrienteLinealDecideCalienteOFriaPorSusTemperaturas) {
  auto campos = [](double t1, double t2, bool mcpDado, double mcp, double h, bool caliente,
                   bool latente) {
    CamposCorriente f;
    f.nombre = "Vapor";
    f.tEntrada = t1;
    f.tSalida = t2;
    f.mcpDado = mcpDado;
    f.mcp = mcp;
    f.h = h;
    f.caliente = caliente;
    f.latente = latente;
    return f;
  };
  const CasoGuardar casos[] = {
      {"m·cp bajando, marcada fría", campos(400, 300, true, 5, 0, false, false), {400, 300},
       {0, -500}, 0, 5, 0, 0},
      {"m·cp subiendo, marcada caliente", campos(300, 400, true, 5, 0, true, false), {300, 400},
       {0, 500}, 1, 5, 0, 0},
      {"m·cp negativo", campos(300, 400, true, -5, 0, false, false), {300, 400}, {0, 500}, 1, 5, 0, 0},
      {"H bajando, marcada fría", campos(400, 300, false, 0, 300, false, false), {400, 300},
       {0, -300}, 0, 3, 1, 0},
      {"H subiendo, marcada caliente", campos(300, 400, false, 0, 300, true, false), {300, 400},
       {0, 300}, 1, 3, 1, 0},
      {"latente caliente", campos(350, 999, true, 7, 200, true, true), {350, 350}, {0, -200}, 0, -1,
       1, 1},
      {"latente fría", campos(350, 999, false, 0, -200, false, true), {350, 350}, {0, 200}, 1, -1, 1,
       1},
  };
  for (const CasoGuardar& c : casos) {
    CDiagrama d = ConDivision(true);
    GuardarCampos(d, 5, c.campos);
    const CCorriente& s = d.m_corrientes[5];
    SCOPED_TRACE(c.nombre);
    EXPECT_EQ(s.GetNombre(), "Vapor");
    EXPECT_EQ(s.m_T, c.t);
    EXPECT_EQ(s.m_H, c.h);
    EXPECT_EQ(s.m_fria, c.fria);
    EXPECT_DOUBLE_EQ(s.m_mcp, c.mcp);
    EXPECT_EQ(s.m_entalpiaDada, c.entalpiaDada);
    EXPECT_EQ(s.m_latente, c.latente);
    EXPECT_EQ(s.m_lineal, 1);
    // What was stored shows again as stored.
    const CamposCorriente vuelta = CamposDe(d, 5);
    EXPECT_EQ(vuelta.latente, c.latente == 1);
    EXPECT_EQ(vuelta.caliente, c.fria == 0);
  }
}

TEST(CorrienteEdicion, UnaCorrienteNoLinealSoloCambiaSuNombreYSuMarca) {
  CDiagrama d = ConDivision(true);
  CCorriente& s = d.m_corrientes[0];
  s.m_T = {290, 330, 400};
  s.m_H = {0, 100, 180};
  CamposCorriente f = CamposDe(d, 0);
  f.lineal = false;
  f.nombre = "Aceite";
  f.tEntrada = 1;
  f.mcp = 9;
  GuardarCampos(d, 0, f);
  EXPECT_EQ(s.m_lineal, 0);
  EXPECT_EQ(s.GetNombre(), "Aceite");
  EXPECT_EQ(s.m_T, (std::vector<double>{290, 330, 400}));
  EXPECT_EQ(s.m_H, (std::vector<double>{0, 100, 180}));
}

TEST(CorrienteEdicion, GuardarUnaRamaEscribeLaCorrienteEnteraYRehaceLasRamas) {
  CDiagrama d = ConDivision(true);
  const CCorriente cola = d.m_corrientes[5];
  CamposCorriente f = CamposDe(d, 3);
  // The branch shows the whole stream.
  EXPECT_EQ(f.nombre, "Gases");
  EXPECT_DOUBLE_EQ(f.tEntrada, 500);
  EXPECT_DOUBLE_EQ(f.tSalida, 300);
  EXPECT_DOUBLE_EQ(f.mcp, 2);
  EXPECT_DOUBLE_EQ(f.h, -400);
  EXPECT_TRUE(f.caliente);
  EXPECT_FALSE(f.latente);
  // Twice the flow, typed as m·cp; "Latente" is not read for a split.
  f.mcpDado = true;
  f.mcp = 4;
  f.latente = true;
  GuardarCampos(d, 3, f);
  const CCorriente& entera = d.m_bifurcadas[0].corriente;
  EXPECT_EQ(entera.m_T, (std::vector<double>{500, 300}));
  EXPECT_DOUBLE_EQ(entera.m_H.back(), -800);
  EXPECT_EQ(entera.m_latente, 0);
  const double calores[] = {-200, -240, -160, -200};
  for (int k = 0; k < 4; ++k)
    EXPECT_NEAR(d.m_corrientes[static_cast<std::size_t>(k + 1)].GetH(kTSentinel, 1), calores[k], 1e-9)
        << k;
  EXPECT_EQ(d.m_corrientes[5].m_H, cola.m_H);
}

TEST(CorrienteEdicion, LosCambiosDePropiedadesVanALaDivisionYATodasSusRamas) {
  auto cambio = [](CCorriente& c) {
    c.m_a = 1.0;
    c.m_correlacion = 5;
  };
  CDiagrama d = ConDivision(true);
  CambiarCorrienteYRamas(d, 2, cambio);
  EXPECT_EQ(d.m_bifurcadas[0].corriente.m_a, 1.0);
  EXPECT_EQ(d.m_bifurcadas[0].corriente.m_correlacion, 5);
  for (std::int32_t i = 0; i < 6; ++i) {
    const bool rama = i >= 1 && i <= 4;
    EXPECT_EQ(d.m_corrientes[static_cast<std::size_t>(i)].m_a, rama ? 1.0 : 4600.0) << i;
  }
  CDiagrama e = ConDivision(true);
  CambiarCorrienteYRamas(e, 5, cambio);
  for (std::int32_t i = 0; i < 6; ++i)
    EXPECT_EQ(e.m_corrientes[static_cast<std::size_t>(i)].m_a, i == 5 ? 1.0 : 4600.0) << i;
  EXPECT_EQ(e.m_bifurcadas[0].corriente.m_a, 4600.0);
  CambiarCorrienteYRamas(e, 6, cambio);  // outside: nothing
  CambiarCorrienteYRamas(e, -1, cambio);
}

}  // namespace
}  // namespace vardo
