#include "app/core/charts/texto_grafico.h"

#include <gtest/gtest.h>

namespace vardo {
namespace {

TEST(TextoComa, PrimerPuntoPasaAComa) {
  const struct {
    double v;
    const char* texto;
  } casos[] = {{30.0, "30,"}, {5.0, "5,"}, {0.05, "5,e-002"}, {2.5, "2,5"}, {-100.0, "-100,"}};
  for (const auto& c : casos) EXPECT_EQ(TextoComa(c.v), c.texto) << c.v;
}

}  // namespace
}  // namespace vardo
