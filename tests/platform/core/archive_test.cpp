#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/archive.h"
#include "platform/core/codec.h"

namespace vardo {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Archive, WritesLittleEndianValues) {
  Archive ar;
  ar.WriteInt32(-2);
  ar.WriteUInt32(0x01020304u);
  ar.WriteDouble(1.0);
  ar.WriteRect({1, -1, 256, 0});
  const Bytes expected = {0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01,
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,
                          0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,
                          0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
  EXPECT_EQ(ar.Bytes(), expected);

  Archive in(ar.Bytes());
  EXPECT_EQ(in.ReadInt32(), -2);
  EXPECT_EQ(in.ReadUInt32(), 0x01020304u);
  EXPECT_EQ(in.ReadDouble(), 1.0);
  EXPECT_EQ(in.ReadRect(), (Rect{1, -1, 256, 0}));
  EXPECT_EQ(in.Remaining(), 0u);
}

// The length prefix: one byte below 255; 255 and 16 bits; 255, 65535 and 32 bits.
TEST(Archive, StringLengthPrefixRule) {
  struct Case {
    std::size_t len;
    Bytes prefix;
  };
  const Case cases[] = {
      {0, {0x00}},
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {1000, {0xFF, 0xE8, 0x03}},
      {0xFFFD, {0xFF, 0xFD, 0xFF}},
      {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
  };
  for (const auto& c : cases) {
    Archive ar;
    const std::string s(c.len, 'a');
    ar.WriteString(s);
    ASSERT_EQ(ar.Bytes().size(), c.prefix.size() + c.len) << c.len;
    EXPECT_TRUE(std::equal(c.prefix.begin(), c.prefix.end(), ar.Bytes().begin())) << c.len;
    Archive in(ar.Bytes());
    EXPECT_EQ(in.ReadString(), s);
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

TEST(Archive, StringsAreWindows1252InTheFile) {
  Archive ar;
  ar.WriteString("Corriente fría · ñ");
  const Bytes& b = ar.Bytes();
  ASSERT_EQ(b[0], 18);  // 18 characters, one byte each
  EXPECT_EQ(b[13], 0xED);  // í
  EXPECT_EQ(b[16], 0xB7);  // ·
  EXPECT_EQ(b[18], 0xF1);  // ñ
  Archive in(b);
  EXPECT_EQ(in.ReadString(), "Corriente fría · ñ");
}

TEST(Codec, EveryByteValueSurvivesARoundTrip) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
  // and through an archive
  Archive ar;
  ar.WriteString(utf8);
  Archive in(ar.Bytes());
  EXPECT_EQ(in.ReadString(), utf8);
  EXPECT_EQ(std::string(ar.Bytes().begin() + 3, ar.Bytes().end()), all);
}

TEST(Codec, MapsTheEuroAndUnmappableCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
  EXPECT_EQ(Utf8ToCp1252("€ 5"), "\x80 5");
  EXPECT_EQ(Utf8ToCp1252("π"), "?");
  EXPECT_EQ(Utf8ToCp1252(std::string("a\xC3", 2)), "a?");  // cut UTF-8 sequence
}

TEST(Archive, EveryReadPastTheEndIsAFormatError) {
  const Bytes three = {1, 2, 3};
  EXPECT_THROW(Archive(three).ReadInt32(), FormatError);
  EXPECT_THROW(Archive(three).ReadDouble(), FormatError);
  EXPECT_THROW(Archive(three).ReadRect(), FormatError);
  EXPECT_THROW(Archive(Bytes{}).ReadByte(), FormatError);
  EXPECT_THROW(Archive(Bytes{5, 'a', 'b'}).ReadString(), FormatError);   // length past the end
  EXPECT_THROW(Archive(Bytes{0xFF, 0x10}).ReadString(), FormatError);    // cut 16-bit length
  EXPECT_THROW(Archive(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}).ReadString(), FormatError);
}

TEST(Archive, CountsAreCheckedAgainstTheBytesLeft) {
  auto withCount = [](std::int32_t n, std::size_t extra) {
    Archive ar;
    ar.WriteInt32(n);
    for (std::size_t i = 0; i < extra; ++i) ar.WriteByte(0);
    return Archive(ar.Bytes());
  };
  EXPECT_THROW(withCount(-1, 100).ReadCount(4), FormatError);
  EXPECT_THROW(withCount(26, 100).ReadCount(4), FormatError);
  EXPECT_THROW(withCount(0x7FFFFFFF, 8).ReadCount(8), FormatError);
  EXPECT_EQ(withCount(25, 100).ReadCount(4), 25u);
  EXPECT_EQ(withCount(0, 0).ReadCount(4), 0u);

  std::vector<std::uint32_t> v = {7, 8, 9};
  Archive out;
  out.IoArray(v);
  Archive in(out.Bytes());
  std::vector<std::uint32_t> back;
  in.IoArray(back);
  EXPECT_EQ(back, v);
}

}  // namespace
}  // namespace vardo
