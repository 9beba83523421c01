#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "platform/core/numtext.h"
#include "tests/comun/locale_coma.h"

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
        NumCase{0.0, 6, "0."}, NumCase{-0.0, 6, "0."}, NumCase{-200.0, 6, "-200."}, NumCase{358.15, 6, "358.15"},
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

// Under a comma locale every writer keeps the point and every reader takes
// it; a comma is no decimal separator to them.
TEST(NumTexto, DecimalPointIgnoresLocale) {
  LocaleComa coma;
  EXPECT_EQ(NumTexto(2.5), "2.5");
  EXPECT_EQ(NumTexto(1234567.0), "1.23457e+006");
  EXPECT_EQ(TextoFijo(37.5, 2), "37.50");
  EXPECT_EQ(TextoGeneral(37.5, 15), "37.5");
  EXPECT_EQ(TextoGeneral(1.5e-7, 15), "1.5E-07");
  EXPECT_DOUBLE_EQ(TextoANumero("2.5"), 2.5);
  EXPECT_DOUBLE_EQ(TextoANumero("2,5"), 2.0);
  double v = 0;
  EXPECT_TRUE(EsNumero("37.5", &v));
  EXPECT_DOUBLE_EQ(v, 37.5);
  EXPECT_FALSE(EsNumero("37,5"));
  EXPECT_DOUBLE_EQ(TextoANumero("1e400"), HUGE_VAL);
}

struct FixedCase {
  double value;
  int decimals;
  const char* text;
};

TEST(TextoFijo, RoundsToTheGivenDecimals) {
  const FixedCase cases[] = {{288.15, 2, "288.15"},   {288.146, 2, "288.15"}, {-1.005, 2, "-1.00"},
                             {0.0, 2, "0.00"},         {1e6, 0, "1000000"},    {2.5, 0, "2"},
                             {1.0 / 3.0, 4, "0.3333"}, {-2.0, 1, "-2.0"},
                             // no signed zero, also where rounding makes one
                             {-0.0, 2, "0.00"},        {-0.001, 2, "0.00"},    {-0.4, 0, "0"},
                             {-0.005, 3, "-0.005"}};
  for (const FixedCase& c : cases) EXPECT_EQ(TextoFijo(c.value, c.decimals), c.text) << c.value;
}

TEST(TextoGeneral, WritesUpToTheDigitsLikeTheGeneralFormat) {
  const FixedCase cases[] = {
      {125.0, 15, "125"},        {62.4, 15, "62.4"},           {0.1 + 0.2, 15, "0.3"},
      {1e20, 15, "1E+20"},       {1e15, 15, "1E+15"},          {999999999999999.0, 15, "999999999999999"},
      {1e-4, 15, "0.0001"},      {1.5e-5, 15, "1.5E-05"},      {-37.5, 15, "-37.5"},
      {1e100, 15, "1E+100"},     {123456.0, 3, "1.23E+05"},    {0.5, 1, "0.5"},
      {2.0 / 3.0, 15, "0.666666666666667"}, {-0.0, 15, "0"}, {0.0, 15, "0"}};
  for (const FixedCase& c : cases) EXPECT_EQ(TextoGeneral(c.value, c.decimals), c.text) << c.value;
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

// Beyond a double's range a number reads as infinity or zero by its order of
// magnitude, however its digits are placed.
TEST(TextoANumero, OutOfRangeGoesToInfinityOrZero) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {{"1e400", HUGE_VAL},          {"-1e400", -HUGE_VAL},
                        {"123456e305", HUGE_VAL},     {"0.0001e309", 1e305},
                        {"0.0001e313", HUGE_VAL},     {"1e-400", 0.0},
                        {"-1e-400", -0.0},            {"0.000e999999", 0.0},
                        {"1e99999999999999999999", HUGE_VAL}, {"1000e-330", 0.0},
                        {"2.4e-324", 0.0}};
  for (const Case& c : cases) {
    EXPECT_EQ(TextoANumero(c.text), c.value) << c.text;
    EXPECT_EQ(std::signbit(TextoANumero(c.text)), std::signbit(c.value)) << c.text;
    EXPECT_FALSE(EsNumero(c.text) && std::isinf(c.value)) << c.text;
  }
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
