#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "platform/core/numtext.h"

namespace vardo {
namespace {

struct NumCase {
  double value;
  int digits;
  const char* text;
};

class NumTextoTable : public ::testing::TestWithParam<NumCase> {};

TEST_P(NumTextoTable, WritesShortestForm) {
  const auto& c = GetParam();
  EXPECT_EQ(NumTexto(c.value, c.digits), c.text) << c.value << " with " << c.digits;
}

INSTANTIATE_TEST_SUITE_P(
    Digits, NumTextoTable,
    ::testing::Values(
        // six digits: the program's usual form
        NumCase{100.0, 6, "100."}, NumCase{2.5, 6, "2.5"}, NumCase{0.05, 6, "5.e-002"},
        NumCase{0.0, 6, "0."}, NumCase{-200.0, 6, "-200."}, NumCase{358.15, 6, "358.15"},
        NumCase{0.5, 6, "0.5"}, NumCase{0.123456789, 6, "0.123457"},
        NumCase{123456.0, 6, "123456."}, NumCase{1234567.0, 6, "1.23457e+006"},
        NumCase{999999.5, 6, "1.e+006"}, NumCase{1e-5, 6, "1.e-005"}, NumCase{-0.001, 6, "-1.e-003"},
        NumCase{1e100, 6, "1.e+100"}, NumCase{1.0 / 3.0, 6, "0.333333"},
        NumCase{2.0 / 3.0 * 1000, 6, "666.667"},
        // four digits (exchanger temperatures)
        NumCase{358.16, 4, "358.2"}, NumCase{358.14, 4, "358.1"}, NumCase{1000.0, 4, "1000."}, NumCase{10000.0, 4, "1.e+004"},
        NumCase{0.25, 4, "0.25"},
        // five, seven and ten digits (areas, tables, coefficients)
        NumCase{12.345678, 5, "12.346"}, NumCase{1234567.0, 7, "1234567."},
        NumCase{3.14159265358979, 7, "3.141593"}, NumCase{2.0, 10, "2."},
        NumCase{0.023456789012345, 10, "2.345678901e-002"}, NumCase{4600.0, 10, "4600."}));

TEST(NumTexto, DecimalPointIgnoresLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "es_ES.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
    EXPECT_EQ(NumTexto(2.5), "2.5");
    EXPECT_DOUBLE_EQ(TextoANumero("2.5"), 2.5);
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TextoANumero, ReadsPrefixAndZeroForText) {
  EXPECT_DOUBLE_EQ(TextoANumero("  12.5abc"), 12.5);
  EXPECT_DOUBLE_EQ(TextoANumero("-3"), -3.0);
  EXPECT_DOUBLE_EQ(TextoANumero("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(TextoANumero("1E3"), 1000.0);
  EXPECT_DOUBLE_EQ(TextoANumero("5.e-002"), 0.05);
  EXPECT_DOUBLE_EQ(TextoANumero("abc"), 0.0);
  EXPECT_DOUBLE_EQ(TextoANumero(""), 0.0);
  EXPECT_DOUBLE_EQ(TextoANumero("inf"), 0.0);
  EXPECT_DOUBLE_EQ(TextoANumero("-"), 0.0);
}

TEST(EsNumero, AcceptsOnlyWholeFiniteNumbers) {
  double v = 0;
  EXPECT_TRUE(EsNumero(" 62.4 ", &v));
  EXPECT_DOUBLE_EQ(v, 62.4);
  EXPECT_FALSE(EsNumero("62.4x"));
  EXPECT_FALSE(EsNumero("letras"));
  EXPECT_FALSE(EsNumero(""));
  EXPECT_FALSE(EsNumero("1e999"));
}

TEST(NumTexto, RoundTripsThroughTextoANumero) {
  for (double v : {1.0, 273.15, -0.000123456, 98765.4321, 1e-7, 5e12}) {
    const double back = TextoANumero(NumTexto(v, 10));
    EXPECT_NEAR(back, v, std::abs(v) * 1e-9) << v;
  }
}

}  // namespace
}  // namespace vardo
