#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "platform/core/numero_tecleado.h"
#include "tests/comun/locale_coma.h"

namespace vardo {
namespace {

struct Caso {
  const char* texto;
  std::optional<double> valor;  // nullopt: refused
};

const Caso kCasos[] = {
    {"1,5", 1.5},       {"1.5", 1.5},      {" 1,5 ", 1.5},     {"\t1,5\n", 1.5},
    {"1e3", 1000.0},    {"1E-2", 0.01},    {"-2,25", -2.25},   {"+3", 3.0},
    {",5", 0.5},        {"5,", 5.0},       {"-0", 0.0},        {"0", 0.0},
    {"1e308", 1e308},   {"400", 400.0},
    {"", std::nullopt}, {"   ", std::nullopt}, {"abc", std::nullopt}, {"4x0", std::nullopt},
    {"1,5,0", std::nullopt}, {"1.5,0", std::nullopt}, {"1e999", std::nullopt},
    {"-1e999", std::nullopt}, {"nan", std::nullopt}, {"inf", std::nullopt},
    {"-inf", std::nullopt}, {"1 5", std::nullopt}, {",", std::nullopt}, {"-", std::nullopt},
    {"1e", std::nullopt}, {"0x10", std::nullopt}, {"--1", std::nullopt}, {"1,5 kW", std::nullopt},
};

// The same answers in the C locale and in one whose decimal point is a comma.
void ComprobarTabla() {
  for (const Caso& c : kCasos) {
    const auto v = LeerNumeroTecleado(c.texto);
    ASSERT_EQ(v.has_value(), c.valor.has_value()) << '"' << c.texto << '"';
    if (v) {
      EXPECT_EQ(*v, *c.valor) << '"' << c.texto << '"';
      EXPECT_FALSE(std::signbit(*v) && *v == 0.0) << '"' << c.texto << "\" gives -0";
    }
  }
}

TEST(NumeroTecleado, UnaReglaParaTodoLoQueSeTeclea) { ComprobarTabla(); }

TEST(NumeroTecleado, LaMismaReglaConComaDecimalEnElEntorno) {
  LocaleComa coma;
  ASSERT_TRUE(coma.Puesto());
  ComprobarTabla();
}

TEST(NumeroTecleado, ElRangoRechazaConSuMensajeYConservaElValor) {
  struct CasoRango {
    const char* texto;
    RangoNumero rango;
    const char* mensaje;  // "" accepted
  };
  const CasoRango casos[] = {
      {"12,5", RangoNumero::NoNegativo(), ""},
      {"0", RangoNumero::NoNegativo(), ""},
      {"-5", RangoNumero::NoNegativo(), "Introduzca un número mayor o igual que 0."},
      {"0", RangoNumero::Coeficiente(), "Introduzca un coeficiente mayor que 0."},
      {"-0,001", RangoNumero::Coeficiente(), "Introduzca un coeficiente mayor que 0."},
      {"0", RangoNumero::Temperatura(), "Introduzca una temperatura mayor que 0 K."},
      {"0,1", RangoNumero::Temperatura(), ""},
      {"1e308", RangoNumero::Finito(), ""},
      {"abc", RangoNumero::Coeficiente(), "Introduzca un número."},
      {"1e999", RangoNumero::Finito(), "Introduzca un número."},
      {"1000,5", RangoNumero::Entre(0.1, 1000), "Introduzca un número entre 0.1 y 1000."},
      {"1000", RangoNumero::Entre(0.1, 1000), ""},
  };
  for (const auto& c : casos) {
    double v = 42.0;
    const std::string m = ComprobarNumeroTecleado(c.texto, c.rango, v);
    EXPECT_EQ(m, c.mensaje) << c.texto;
    if (m.empty()) EXPECT_EQ(v, *LeerNumeroTecleado(c.texto)) << c.texto;
    else EXPECT_EQ(v, 42.0) << c.texto << ": a refused text changed the value";
  }
}

}  // namespace
}  // namespace vardo
