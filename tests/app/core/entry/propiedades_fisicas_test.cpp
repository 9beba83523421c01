// The table of the 20 physical properties and the ten correlations.
#include "app/core/entry/propiedades_fisicas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/bifurcacion_edicion.h"
#include "model/servicios.h"
#include "model/constantes.h"

namespace vardo {
namespace {

TEST(PropiedadesFisicas, LosValoresPorDefectoSonLosDeUnaCorrienteNueva) {
  const CCorriente nueva;
  for (int k = 0; k < kNumPropiedadesFisicas; ++k)
    EXPECT_EQ(Propiedad(k).defecto, ValorPropiedad(nueva, k)) << Propiedad(k).etiqueta;
  EXPECT_STREQ(Propiedad(0).etiqueta, "Conductividad calorífica:");
  EXPECT_STREQ(Propiedad(0).unidad, "W/(m·K)");
  EXPECT_STREQ(Propiedad(8).etiqueta, "Calor de vaporización:");
  EXPECT_STREQ(Propiedad(18).unidad, "Hz");
  EXPECT_STREQ(Propiedad(19).etiqueta, "Diámetro de la espiral:");
}

TEST(PropiedadesFisicas, CadaValorEsUnCampoDistintoDeLaCorriente) {
  for (int k = 0; k < kNumPropiedadesFisicas; ++k) {
    CCorriente c;
    SetValorPropiedad(c, k, 1234.5);
    for (int j = 0; j < kNumPropiedadesFisicas; ++j)
      EXPECT_EQ(ValorPropiedad(c, j), j == k ? 1234.5 : Propiedad(j).defecto) << k << " " << j;
  }
  CCorriente c;
  SetValorPropiedad(c, 20, 7.0);  // outside: nothing changes
  for (int j = 0; j < kNumPropiedadesFisicas; ++j) EXPECT_EQ(ValorPropiedad(c, j), Propiedad(j).defecto);
}

TEST(PropiedadesFisicas, LasDosColumnasMuestranCadaValorUnaVez) {
  std::set<int> vistos(kColumnaIzquierdaPropiedades.begin(), kColumnaIzquierdaPropiedades.end());
  vistos.insert(kColumnaDerechaPropiedades.begin(), kColumnaDerechaPropiedades.end());
  EXPECT_EQ(vistos.size(), 20u);
  EXPECT_EQ(*vistos.begin(), 0);
  EXPECT_EQ(*vistos.rbegin(), 19);
}

TEST(Correlaciones, TextoFormulaYCamposQueUsan) {
  const struct {
    int c;
    const char* nombre;
    const char* formula;
    std::set<int> usa;
  } casos[] = {
      {0, "Convección forzada por el interior de tubos", "Nu=0.023*Re^0.8*Pr^0.33", {0, 1, 2, 5, 6, 7}},
      {2, "Condensación por el interior de tubos", "Nu=0.021*Re^0.8*Pr^0.43*(1+(pl/pv)^0.5)/2",
       {0, 1, 3, 4, 5, 6, 7}},
      {3, "Ebullición",
       "h=0.00122*(kl^0.79*Cpl^0.45*pl^0.49)/(s^0.5*mul^0.29*Hv^0.24*pv^0.24)",
       {0, 1, 3, 4, 5, 6, 7, 8, 9}},
      {4, "Convección forzada por el exterior de tubos con aletas",
       "Nu=0.134*Re^0.681*Pr^0.33*((pf-tf)/lf)^0.2*(pf/tf)^0.1134", {0, 1, 2, 5, 6, 7, 10, 11, 12}},
      {5, "Cambiadores de placas", "Nu=0.26*Re^0.65*Pr^0.4", {0, 1, 2, 5, 6, 16}},
      {6, "Convección forzada entre tubos concéntricos", "Nu=0.031*Re*Pr*(d2/d1)^0.15",
       {0, 1, 2, 5, 6, 13, 14}},
      {7, "Convección forzada por el interior de serpentines", "Nu=0.023*Re^0.8*Pr^0.4*(1+3.5*d/dc)",
       {0, 1, 2, 5, 6, 7, 19}},
      {8, "Convección forzada por el exterior de serpentines con agitación", "Nu=0.9*Re^0.62*Pr^0.33",
       {0, 1, 2, 5, 17, 18}},
      {9, "Tanques encamisados", "Nu=0.36*Re^0.67*Pr^0.33", {0, 1, 2, 5, 15, 17, 18}},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(Correlacion(caso.c).nombre, caso.nombre);
    EXPECT_STREQ(Correlacion(caso.c).formula, caso.formula);
    for (int k = 0; k < kNumPropiedadesFisicas; ++k)
      EXPECT_EQ(CorrelacionUsa(caso.c, k), caso.usa.count(k) == 1) << caso.c << " " << k;
  }
  EXPECT_EQ(Correlacion(1).nombre, "Convección forzada por el exterior de tubos");
  for (int k = 0; k < kNumPropiedadesFisicas; ++k) {
    EXPECT_FALSE(CorrelacionUsa(-1, k));
    EXPECT_FALSE(CorrelacionUsa(10, k));
  }
  EXPECT_FALSE(CorrelacionUsa(0, 20));
}

TEST(AplicarEstimacion, CadaElegidaTomaLaCorrelacionYLosValoresYEstimaSuCoeficiente) {
  CDiagrama d;
  d.AddCorriente(290, 400, 2.0, 1, 0);
  d.AddCorriente(500, 300, 2.0, 0, 0);
  ASSERT_EQ(BifurcarCorriente(d, 1, 450, 350, 350, 60, 40), 0);  // streams 1 to 4
  d.AddCorriente(300, 350, 1.0, 1, 0);                              // stream 5
  d.m_servicios.emplace_back();
  d.m_servicios.emplace_back();
  ResultadoEstimacion r;
  r.correlacion = 5;
  for (int k = 0; k < kNumPropiedadesFisicas; ++k) r.valores[k] = Propiedad(k).defecto * 2;
  // A branch, utility 1, an index that names nothing.
  r.elegidas = {3, 7, 99};
  EXPECT_EQ(RefDeIndiceCombinado(d, 3), 3);
  EXPECT_EQ(RefDeIndiceCombinado(d, 6), kRefServicio);
  EXPECT_EQ(RefDeIndiceCombinado(d, 7), kRefServicio + 1);
  EXPECT_EQ(RefDeIndiceCombinado(d, 8), -1);
  AplicarEstimacion(d, r);

  CCorriente esperada;
  esperada.m_correlacion = 5;
  for (int k = 0; k < kNumPropiedadesFisicas; ++k) SetValorPropiedad(esperada, k, r.valores[k]);
  esperada.EstimarH();
  ASSERT_NE(esperada.m_h, CCorriente().m_h);
  auto comprobar = [&](const CCorriente& c, bool elegida, const std::string& cual) {
    EXPECT_EQ(c.m_correlacion == 5, elegida) << cual;
    EXPECT_EQ(c.m_h, elegida ? esperada.m_h : 2.0) << cual;
    EXPECT_EQ(ValorPropiedad(c, 16), elegida ? 0.1 : 0.05) << cual;
  };
  comprobar(d.m_bifurcadas[0].corriente, true, "división");
  for (std::int32_t i = 0; i < 6; ++i) comprobar(d.m_corrientes[i], i >= 1 && i <= 4, std::to_string(i));
  comprobar(d.m_servicios[0], false, "S1");
  comprobar(d.m_servicios[1], true, "S2");
}

}  // namespace
}  // namespace vardo
