// Utility loads by the cascade linear programme: the programme's shape, the
// cheapest utility set of problems whose answer is known, and the failures
// that keep the previous loads.
#include "model/cascada_lp.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/core/numtext.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using namespace prueba;

// The port the programme reports through, for one test.
using LP = ConPuertoUi;

TEST_F(LP, FormaDelPrograma) {
  CDiagrama d = CuatroCorrientes();
  d.m_servicios.push_back(ServicioLatente(450, 0, 0, 100));
  d.m_servicios.push_back(ServicioLatente(370, 0, 0, 50));
  d.m_servicios.push_back(ServicioLatente(280, 0, 1, 5));
  const DatosCascadaLP datos = DatosCascada(d);
  const int n = static_cast<int>(datos.T.size());
  ASSERT_GE(n, 3);
  glp_prob* lp = CrearProblemaCascada(datos);
  EXPECT_STREQ(glp_get_prob_name(lp), "cascada");
  EXPECT_EQ(glp_get_obj_dir(lp), GLP_MIN);
  EXPECT_EQ(glp_get_num_cols(lp), n + 3);
  EXPECT_EQ(glp_get_num_rows(lp), n - 1);
  EXPECT_STREQ(glp_get_col_name(lp, 1), "H0");
  EXPECT_STREQ(glp_get_col_name(lp, n), ("H" + std::to_string(n - 1)).c_str());
  EXPECT_STREQ(glp_get_col_name(lp, n + 1), "U0");
  EXPECT_STREQ(glp_get_col_name(lp, n + 3), "U2");
  EXPECT_STREQ(glp_get_row_name(lp, 1), "Hp1");
  // Nothing enters at the top or leaves at the bottom; the inner boundaries
  // and the loads are at least 0.
  EXPECT_EQ(glp_get_col_type(lp, 1), GLP_FX);
  EXPECT_EQ(glp_get_col_type(lp, n), GLP_FX);
  EXPECT_EQ(glp_get_col_type(lp, 2), GLP_LO);
  EXPECT_EQ(glp_get_col_lb(lp, 2), 0.0);
  EXPECT_EQ(glp_get_col_type(lp, n + 2), GLP_LO);
  EXPECT_EQ(glp_get_obj_coef(lp, n + 1), 100.0);
  EXPECT_EQ(glp_get_obj_coef(lp, n + 3), 5.0);
  EXPECT_EQ(glp_get_obj_coef(lp, 2), 0.0);

  // Row i: heat from above in, heat to below out, the process's demand fixed.
  int cuantos = 0;
  for (int i = 1; i < n; ++i) {
    EXPECT_EQ(glp_get_row_type(lp, i), GLP_FX);
    EXPECT_DOUBLE_EQ(glp_get_row_lb(lp, i), datos.Q[static_cast<std::size_t>(i)]);
    std::vector<int> ind(static_cast<std::size_t>(n + 4));
    std::vector<double> val(ind.size());
    const int len = glp_get_mat_row(lp, i, ind.data(), val.data());
    double arriba = 0, abajo = 0, servicios = 0;
    for (int k = 1; k <= len; ++k) {
      if (ind[k] == i) arriba = val[k];
      if (ind[k] == i + 1) abajo = val[k];
      if (ind[k] > n) servicios += val[k];
    }
    EXPECT_EQ(arriba, 1.0);
    EXPECT_EQ(abajo, -1.0);
    if (servicios != 0) ++cuantos;
  }
  // Each latent utility gives or takes its heat in exactly one interval.
  EXPECT_EQ(cuantos, 3);
  glp_delete_prob(lp);
}

struct CasoLP {
  const char* nombre;
  double costeAlta, costeBaja;      // unit costs of the 450 K and 370 K steam
  double cargaAlta, cargaBaja;      // the cheapest loads
};
void PrintTo(const CasoLP& c, std::ostream* os) { *os << c.nombre; }


class CasoConocido : public LP, public ::testing::WithParamInterface<CasoLP> {};

TEST_P(CasoConocido, Cargas) {
  const CasoLP c = GetParam();
  CDiagrama d = CuatroCorrientes();
  d.m_servicios.push_back(ServicioLatente(450, 1, 0, c.costeAlta));
  d.m_servicios.push_back(ServicioLatente(370, 1, 0, c.costeBaja));
  d.m_servicios.push_back(ServicioLatente(280, 1, 1, 5));
  // (A copy of the network does not carry the computed lists.)
  const std::vector<double> cascada = d.m_cascada;
  const double pinch = d.m_tPinch;
  CascadaLP(d);
  EXPECT_NEAR(d.m_servicios[0].m_carga, c.cargaAlta, 1e-6) << c.nombre;
  EXPECT_NEAR(d.m_servicios[1].m_carga, c.cargaBaja, 1e-6) << c.nombre;
  EXPECT_NEAR(d.m_servicios[2].m_carga, 60, 1e-6) << c.nombre;
  // The cascade with utilities is closed at both ends and never negative.
  ASSERT_FALSE(d.m_cascadaConServ.empty());
  EXPECT_EQ(d.m_cascadaConServ.size(), d.m_temperaturasConServ.size());
  EXPECT_EQ(d.m_cascadaConServ.front(), 0.0);
  EXPECT_EQ(d.m_cascadaConServ.back(), 0.0);
  for (double h : d.m_cascadaConServ) EXPECT_GE(h, 0.0);
  EXPECT_TRUE(d.ServiciosCubrenProblema());
  // The process targets are untouched; the count is shown before and after.
  EXPECT_EQ(d.m_cascada, cascada);
  EXPECT_EQ(d.m_tPinch, pinch);
  const std::string n = NumTexto(static_cast<double>(d.m_numIntervalosConServ));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{n, n}));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CasoConocido,
    ::testing::Values(
        // The cheap 370 K steam (365 K shifted) can give only the 10.275 kW
        // the process lacks between 365 and 358.15; the dear one the rest.
        CasoLP{"baja barata", 100, 50, 9.725, 10.275},
        // The 370 K steam dearer: all the heat from the 450 K steam.
        CasoLP{"baja cara", 100, 150, 20, 0}));

TEST_F(LP, CascadaIgualALaRecalculada) {
  // With the loads found, the cascade written equals the cascade with
  // utilities the network computes for those loads.
  CDiagrama d = CuatroCorrientes();
  d.m_servicios.push_back(ServicioLatente(450, 0, 0, 100));
  d.m_servicios.push_back(ServicioLatente(370, 0, 0, 50));
  d.m_servicios.push_back(ServicioSensible(280, 290, 0, 5));
  CascadaLP(d);
  EXPECT_NEAR(d.m_servicios[2].m_carga, 60, 1e-6);
  CDiagrama r = d;
  r.CalcularObjetivosServicios();
  ASSERT_EQ(r.m_temperaturasConServ, d.m_temperaturasConServ);
  ASSERT_EQ(r.m_cascadaConServ.size(), d.m_cascadaConServ.size());
  for (std::size_t i = 0; i < d.m_cascadaConServ.size(); ++i) {
    EXPECT_NEAR(d.m_cascadaConServ[i], r.m_cascadaConServ[i], 1e-6);
    EXPECT_NEAR(d.m_caloresConServ[i], r.m_caloresConServ[i], 1e-6);
  }
}

struct CasoFallo {
  const char* nombre;
  std::vector<CServicios> servicios;
  const char* texto;
};
void PrintTo(const CasoFallo& c, std::ostream* os) { *os << c.nombre; }


class Fallo : public LP, public ::testing::WithParamInterface<CasoFallo> {};

TEST_P(Fallo, ConservaLasCargas) {
  const CasoFallo& c = GetParam();
  CDiagrama d = CuatroCorrientes();
  d.m_servicios = c.servicios;
  d.CalcularObjetivosServicios();
  const std::vector<double> T = d.m_temperaturasConServ;
  const std::vector<double> Q = d.m_caloresConServ;
  const std::vector<double> C = d.m_cascadaConServ;
  ASSERT_FALSE(C.empty());
  CascadaLP(d);
  for (std::size_t k = 0; k < d.m_servicios.size(); ++k)
    EXPECT_EQ(d.m_servicios[k].m_carga, c.servicios[k].m_carga) << c.nombre;
  EXPECT_EQ(d.m_temperaturasConServ, T);
  EXPECT_EQ(d.m_caloresConServ, Q);
  EXPECT_EQ(d.m_cascadaConServ, C);
  EXPECT_EQ(d.m_numIntervalosConServ, static_cast<std::int32_t>(T.size()));
  ASSERT_EQ(ui.Log().size(), 2u) << c.nombre;
  EXPECT_EQ(ui.Log()[1].text, c.texto) << c.nombre;
  EXPECT_EQ(ui.Log()[1].kind, MsgKind::Warning);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Fallo,
    ::testing::Values(
        // No cold utility: the process's 60 kW of surplus heat have no sink.
        CasoFallo{"sin refrigeracion", {ServicioLatente(450, 7, 0, 100)}, kTextoLPInfactible},
        // A hot utility above everything and a cold one below everything
        // with negative total cost: loads could grow without end.
        CasoFallo{"no acotado", {ServicioLatente(450, 7, 0, -10), ServicioLatente(280, 3, 1, 5)}, kTextoLPNoAcotado}));

TEST_F(LP, ServicioFueraDelAreaMostrada) {
  // A utility outside the shown integrity area keeps its load and takes no part.
  CDiagrama d = CuatroCorrientes();
  d.m_servicios.push_back(ServicioLatente(450, 0, 0, 100));
  d.m_servicios.push_back(ServicioLatente(280, 0, 1, 5));
  d.m_servicios.push_back(ServicioLatente(500, 42, 0, 1));
  d.AddArea("A", 0);
  d.m_areas[0].mostrada = 1;
  for (auto& c : d.m_corrientes) c.m_area = 0;
  d.m_servicios[0].m_area = 0;
  d.m_servicios[1].m_area = 0;
  CascadaLP(d);
  EXPECT_NEAR(d.m_servicios[0].m_carga, 20, 1e-6);
  EXPECT_NEAR(d.m_servicios[1].m_carga, 60, 1e-6);
  EXPECT_EQ(d.m_servicios[2].m_carga, 42);
}

TEST_F(LP, SinCorrientes) {
  // Nothing to cover: every load is 0 and nothing fails.
  CDiagrama d;
  d.m_servicios.push_back(ServicioLatente(450, 5, 0, 100));
  d.m_servicios.push_back(ServicioLatente(280, 5, 1, 5));
  CascadaLP(d);
  EXPECT_EQ(d.m_servicios[0].m_carga, 0.0);
  EXPECT_EQ(d.m_servicios[1].m_carga, 0.0);
  ASSERT_EQ(ui.Log().size(), 2u);
  EXPECT_EQ(ui.Log()[0].kind, MsgKind::Plain);
}

}  // namespace
}  // namespace vardo
