#include "platform/qt/propertybag.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/comun/locale_coma.h"

namespace vardo {
namespace {

TEST(PropertyBag, ValueEqualToDefaultIsNotWrittenAndReadsBackAsDefault) {
  PropertyBag bag;
  bag.Write("BackColor", std::int64_t{0}, std::int64_t{0});
  bag.Write("Rows", std::int64_t{10}, std::int64_t{6});
  bag.Write("FontName", std::string(""), std::string(""));
  bag.Write("ReadOnlyTable", true, false);
  bag.WriteAlways("ForeColorFixed", std::int64_t{0x80000012});
  ASSERT_EQ(bag.Entries().size(), 3u);
  EXPECT_EQ(bag.Entries()[0].key, "Rows");
  EXPECT_EQ(bag.Entries()[1].key, "ReadOnlyTable");
  EXPECT_EQ(bag.Entries()[2].key, "ForeColorFixed");
  EXPECT_EQ(bag.ReadInt("Rows", 6), 10);
  EXPECT_EQ(bag.ReadInt("Cols", 6), 6);
  EXPECT_EQ(bag.ReadInt("BackColor", 0), 0);
  EXPECT_TRUE(bag.ReadBool("ReadOnlyTable", false));
  // Writing the default again removes an older entry.
  bag.Write("Rows", std::int64_t{6}, std::int64_t{6});
  EXPECT_FALSE(bag.Contains("Rows"));
}

TEST(PropertyBag, ReadConvertsNumbersToTheDefaultsTypeAndRefusesStrings) {
  PropertyBag bag;
  bag.WriteAlways("FontSize", std::int64_t{8});
  bag.WriteAlways("Rows", 7.9);
  bag.WriteAlways("Name", std::string("x"));
  EXPECT_DOUBLE_EQ(bag.ReadDouble("FontSize", 0.0), 8.0);
  EXPECT_EQ(bag.ReadInt("Rows", 6), 7);
  EXPECT_EQ(bag.ReadInt("Name", 6), 6);
  EXPECT_EQ(bag.ReadString("Rows", "d"), "d");
}

TEST(PropertyBag, TextAndBytesRoundTripWithAwkwardStringsAndDoubles) {
  PropertyBag bag;
  bag.WriteAlways("TextMatrix0", std::string("a\tb\nc\\d\r é"));
  bag.WriteAlways("FontSize", 8.25);
  bag.WriteAlways("Tiny", 1e-300);
  bag.WriteAlways("Color", std::int64_t{0x80000008});
  bag.WriteAlways("Neg", std::int64_t{-5});
  bag.WriteAlways("On", true);
  std::string text;
  std::optional<PropertyBag> back, fromBytes;
  {
    LocaleComa coma;
    ASSERT_TRUE(coma.Puesto());
    text = bag.ToText();
    back = PropertyBag::FromText(text);
    fromBytes = PropertyBag::FromBytes(bag.ToBytes());
  }
  EXPECT_NE(text.find("8.25"), std::string::npos);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, bag);
  ASSERT_TRUE(fromBytes.has_value());
  EXPECT_EQ(*fromBytes, bag);
}

TEST(PropertyBag, MalformedTextIsRefused) {
  for (const char* t : {"Key\n", "Key\tx\t1\n", "Key\ti\t12a\n", "Key\tb\t2\n", "Key\ts\tbad\\q\n",
                        "\ti\t1\n", "Key\td\t\n"}) {
    EXPECT_FALSE(PropertyBag::FromText(t).has_value()) << t;
  }
  EXPECT_TRUE(PropertyBag::FromText("").has_value());
}

}  // namespace
}  // namespace vardo
