#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "platform/core/redondeo.h"

namespace vardo {
namespace {

TEST(RedondeoPar, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double value, rounded;
  };
  const Case cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},         {3.5, 4},   {-0.5, 0},
                        {-1.5, -2}, {-2.5, -2}, {2.5000001, 3},   {-2.4, -2}, {2.4999999, 2},
                        {7.0, 7},   {-7.0, -7}, {4503599627370497.0, 4503599627370497.0}};
  for (const Case& c : cases) EXPECT_EQ(RedondeoPar(c.value), c.rounded) << c.value;
  EXPECT_TRUE(std::isnan(RedondeoPar(NAN)));
  EXPECT_EQ(RedondeoPar(-HUGE_VAL), -HUGE_VAL);
}

TEST(APixeles, TwipsAndHundredthsOfAMillimetreToTheNearestPixel) {
  struct Case {
    double length, perInch, dpi;
    int pixels;
  };
  const Case cases[] = {
      {1570, kTwipsPorPulgada, kDpiControles, 105},  // 104.67
      {1567, kTwipsPorPulgada, kDpiControles, 104},  // 104.47
      {7.5, kTwipsPorPulgada, kDpiControles, 1},     // half a pixel rounds away from zero
      {-7.5, kTwipsPorPulgada, kDpiControles, -1},
      {-1570, kTwipsPorPulgada, kDpiControles, -105},
      {2540, kCentesimasMmPorPulgada, 96, 96},  // an inch
      {1000, kCentesimasMmPorPulgada, 300, 118},  // 118.11
      {1e15, kTwipsPorPulgada, kDpiControles, INT_MAX},
      {-1e15, kTwipsPorPulgada, kDpiControles, INT_MIN},
      {NAN, kTwipsPorPulgada, kDpiControles, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(APixeles(c.length, c.perInch, c.dpi), c.pixels) << c.length;
  EXPECT_EQ(APixeles(1570), 105);  // twips on the controls' screen by default
}

}  // namespace
}  // namespace vardo
