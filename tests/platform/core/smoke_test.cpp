#include <gtest/gtest.h>
#include "platform/core/numtext.h"
TEST(NumTexto, Smoke) { EXPECT_EQ(vardo::NumTexto(100.0), "100."); }
