#include "platform/core/emf_dc.h"

#include <gtest/gtest.h>
#include <uemf.h>
#include <uemf_safe.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vardo {
namespace {

// One record read back from the bytes.
struct Rec {
  std::uint32_t type;
  std::uint32_t size;
  const std::uint8_t* p;
  template <typename T>
  T At(std::size_t off) const {
    T v;
    std::memcpy(&v, p + off, sizeof v);
    return v;
  }
};

// Walks the records, checking that each lies inside the data, has a size
// that is a multiple of 4, and passes libUEMF's own record checks.
std::vector<Rec> Parse(const std::vector<std::uint8_t>& b) {
  std::vector<Rec> out;
  std::size_t off = 0;
  while (off + 8 <= b.size()) {
    Rec r{0, 0, b.data() + off};
    r.type = r.At<std::uint32_t>(0);
    r.size = r.At<std::uint32_t>(4);
    EXPECT_GE(r.size, 8u);
    EXPECT_EQ(r.size % 4, 0u);
    EXPECT_LE(off + r.size, b.size());
    if (r.size < 8 || off + r.size > b.size()) break;
    std::vector<char> copy(r.p, r.p + r.size);  // the checks want an aligned, private copy
    EXPECT_TRUE(U_emf_record_safe(copy.data())) << "record " << out.size() << " type " << r.type;
    out.push_back(r);
    off += r.size;
  }
  EXPECT_EQ(off, b.size());
  return out;
}

std::vector<std::uint32_t> Types(const std::vector<Rec>& recs) {
  std::vector<std::uint32_t> t;
  for (const auto& r : recs) t.push_back(r.type);
  return t;
}

std::string Utf8(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// The text of an EXTTEXTOUTW record, its reference point and its spacing.
struct Texto {
  std::string utf8;
  Point ref;
  std::vector<std::uint32_t> dx;
};
Texto ReadText(const Rec& r) {
  const std::size_t t = offsetof(U_EMREXTTEXTOUTW, emrtext);
  Texto out;
  out.ref = {r.At<std::int32_t>(t), r.At<std::int32_t>(t + 4)};
  const auto n = r.At<std::uint32_t>(t + offsetof(U_EMRTEXT, nChars));
  const auto offS = r.At<std::uint32_t>(t + offsetof(U_EMRTEXT, offString));
  const auto offDx = r.At<std::uint32_t>(t + sizeof(U_EMRTEXT) + sizeof(U_RECTL));
  std::u16string s;
  for (std::uint32_t i = 0; i < n; ++i) {
    s.push_back(static_cast<char16_t>(r.At<std::uint16_t>(offS + 2 * i)));
    out.dx.push_back(r.At<std::uint32_t>(offDx + 4 * i));
  }
  out.utf8 = Utf8(s);
  return out;
}

// The n-th record (from 0) of a type.
const Rec& Nth(const std::vector<Rec>& recs, std::uint32_t type, int n = 0) {
  for (const Rec& r : recs)
    if (r.type == type && n-- == 0) return r;
  ADD_FAILURE() << "no record of type " << type;
  return recs.front();
}

U_RECTL HeaderRect(const Rec& h, std::size_t off) { return h.At<U_RECTL>(off); }

const Pen kRed{PenStyle::Dash, 1, MakeRgb(255, 0, 0)};
const Pen kGreen{PenStyle::Dot, 0, MakeRgb(0, 128, 0)};

// A drawing that uses every operation, with a nested save.
void DrawSample(Dc& dc) {
  dc.SelectPen(kRed);
  dc.MoveTo(100, -100);
  dc.LineTo(1000, -2000);
  dc.SelectBrush(Brush::Hollow);
  dc.Rectangle({0, 0, 500, -500});
  LogFont f;
  f.height = -400;
  f.weight = 700;
  dc.SelectFont(f);
  dc.SetTextColor(MakeRgb(0, 0, 255));
  dc.TextOut(200, -300, "Año");
  const int s = dc.SaveDc();
  dc.SelectPen(kGreen);
  dc.Polyline({{0, -3000}, {2000, -2500}, {4000, -4000}});
  dc.RestoreDc(s);
  dc.Ellipse({3000, -100, 3140, -240});
}

TEST(EmfDc, EmptyPictureHasHeaderMappingAndEnd) {
  EmfDc dc;
  const auto& bytes = dc.Close();
  const auto recs = Parse(bytes);
  EXPECT_EQ(Types(recs), (std::vector<std::uint32_t>{U_EMR_HEADER, U_EMR_SETMAPMODE, U_EMR_SETTEXTALIGN,
                                                     U_EMR_SETBKMODE, U_EMR_SETBKCOLOR, U_EMR_SETTEXTCOLOR,
                                                     U_EMR_SELECTOBJECT, U_EMR_SELECTOBJECT, U_EMR_EOF}));
  const Rec& h = recs[0];
  EXPECT_EQ(h.At<std::uint32_t>(offsetof(U_EMRHEADER, dSignature)), U_ENHMETA_SIGNATURE);
  EXPECT_EQ(h.At<std::uint32_t>(offsetof(U_EMRHEADER, nBytes)), bytes.size());
  EXPECT_EQ(h.At<std::uint32_t>(offsetof(U_EMRHEADER, nRecords)), recs.size());
  EXPECT_EQ(h.At<std::uint16_t>(offsetof(U_EMRHEADER, nHandles)), 1u);
  const U_RECTL b = HeaderRect(h, offsetof(U_EMRHEADER, rclBounds));
  EXPECT_EQ(b.right - b.left, -1);  // nothing drawn: empty bounds

  // Description "Vardo\0\0".
  const auto n = h.At<std::uint32_t>(offsetof(U_EMRHEADER, nDescription));
  const auto off = h.At<std::uint32_t>(offsetof(U_EMRHEADER, offDescription));
  ASSERT_EQ(n, 7u);
  std::u16string d;
  for (std::uint32_t i = 0; i < n; ++i) d.push_back(static_cast<char16_t>(h.At<std::uint16_t>(off + 2 * i)));
  EXPECT_EQ(d, std::u16string(u"Vardo\0\0", 7));

  EXPECT_EQ(recs[1].At<std::uint32_t>(8), static_cast<std::uint32_t>(U_MM_HIMETRIC));
  EXPECT_EQ(recs[3].At<std::uint32_t>(8), static_cast<std::uint32_t>(U_OPAQUE));
}

TEST(EmfDc, RecordsOfEveryOperationInOrder) {
  EmfDc dc;
  DrawSample(dc);
  const auto& bytes = dc.Close();
  const auto recs = Parse(bytes);

  struct Esperado {
    std::uint32_t type;
    std::uint32_t size;  // 0: variable
  };
  const std::vector<Esperado> expected = {
      {U_EMR_HEADER, 0},
      {U_EMR_SETMAPMODE, 12},
      {U_EMR_SETTEXTALIGN, 12},
      {U_EMR_SETBKMODE, 12},
      {U_EMR_SETBKCOLOR, 12},
      {U_EMR_SETTEXTCOLOR, 12},
      {U_EMR_SELECTOBJECT, 12},  // the stock black pen
      {U_EMR_SELECTOBJECT, 12},  // the stock white brush
      {U_EMR_CREATEPEN, 28},  // handle 1: the red dashed pen
      {U_EMR_SELECTOBJECT, 12},
      {U_EMR_MOVETOEX, 16},
      {U_EMR_LINETO, 16},
      {U_EMR_CREATEBRUSHINDIRECT, 24},  // handle 2: hollow
      {U_EMR_SELECTOBJECT, 12},
      {U_EMR_RECTANGLE, 24},
      {U_EMR_EXTCREATEFONTINDIRECTW, 104},  // handle 3
      {U_EMR_SELECTOBJECT, 12},
      {U_EMR_SETTEXTCOLOR, 12},
      {U_EMR_EXTTEXTOUTW, 96},
      {U_EMR_SAVEDC, 8},
      {U_EMR_CREATEPEN, 28},  // handle 4: the saved state still holds pen 1
      {U_EMR_SELECTOBJECT, 12},
      {U_EMR_POLYLINE, 28 + 3 * 8},
      {U_EMR_RESTOREDC, 12},
      {U_EMR_DELETEOBJECT, 12},  // pen 4, no longer selected anywhere
      {U_EMR_ELLIPSE, 24},
      {U_EMR_SELECTOBJECT, 12},  // the defaults back...
      {U_EMR_SELECTOBJECT, 12},
      {U_EMR_SELECTOBJECT, 12},
      {U_EMR_DELETEOBJECT, 12},  // ...and every object deleted
      {U_EMR_DELETEOBJECT, 12},
      {U_EMR_DELETEOBJECT, 12},
      {U_EMR_EOF, 20},
  };
  ASSERT_EQ(recs.size(), expected.size()) << "types differ";
  for (std::size_t i = 0; i < recs.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(recs[i].type, expected[i].type);
    if (expected[i].size) {
      EXPECT_EQ(recs[i].size, expected[i].size);
    }
  }

  // Pen: style, width, colour.
  const Rec& pen = Nth(recs, U_EMR_CREATEPEN);
  EXPECT_EQ(pen.At<std::uint32_t>(8), 1u);  // handle
  EXPECT_EQ(pen.At<std::uint32_t>(12), static_cast<std::uint32_t>(U_PS_DASH));
  EXPECT_EQ(pen.At<std::int32_t>(16), 1);
  EXPECT_EQ(pen.At<std::uint32_t>(24), 0x0000FFu);  // red in the low byte
  EXPECT_EQ(Nth(recs, U_EMR_CREATEPEN, 1).At<std::uint32_t>(12), static_cast<std::uint32_t>(U_PS_DOT));
  EXPECT_EQ(Nth(recs, U_EMR_CREATEPEN, 1).At<std::int32_t>(16), 0);
  // Hollow brush.
  EXPECT_EQ(Nth(recs, U_EMR_CREATEBRUSHINDIRECT).At<std::uint32_t>(12), static_cast<std::uint32_t>(U_BS_NULL));
  // Font: the height goes in unchanged.
  const Rec& font = Nth(recs, U_EMR_EXTCREATEFONTINDIRECTW);
  const std::size_t lf = offsetof(U_EMREXTCREATEFONTINDIRECTW, elfw);
  EXPECT_EQ(font.At<std::int32_t>(lf + offsetof(U_LOGFONT, lfHeight)), -400);
  EXPECT_EQ(font.At<std::int32_t>(lf + offsetof(U_LOGFONT, lfWeight)), 700);
  EXPECT_EQ(font.At<std::uint8_t>(lf + offsetof(U_LOGFONT, lfQuality)), 2);
  EXPECT_EQ(font.At<std::uint8_t>(lf + offsetof(U_LOGFONT, lfPitchAndFamily)), 18);
  std::u16string face;
  for (std::size_t i = 0; i < 5; ++i)
    face.push_back(static_cast<char16_t>(font.At<std::uint16_t>(lf + offsetof(U_LOGFONT, lfFaceName) + 2 * i)));
  EXPECT_EQ(face, u"Arial");
  // Text colour and text.
  EXPECT_EQ(Nth(recs, U_EMR_SETTEXTCOLOR, 1).At<std::uint32_t>(8), 0xFF0000u);
  const Texto t = ReadText(Nth(recs, U_EMR_EXTTEXTOUTW));
  EXPECT_EQ(t.utf8, "Año");
  EXPECT_EQ(t.ref, (Point{200, -300}));
  // Bold Arial, em 400: A 1479, ñ 1251, o 1251 units of 2048.
  EXPECT_EQ(t.dx, (std::vector<std::uint32_t>{289, 244, 245}));
  EXPECT_EQ(Nth(recs, U_EMR_RESTOREDC).At<std::int32_t>(8), -1);

  // Header: bounds (device, y down) and frame (0.01 mm) cover what was drawn.
  const Rec& h = recs[0];
  EXPECT_EQ(h.At<std::uint32_t>(offsetof(U_EMRHEADER, nBytes)), bytes.size());
  EXPECT_EQ(h.At<std::uint32_t>(offsetof(U_EMRHEADER, nRecords)), recs.size());
  EXPECT_EQ(h.At<std::uint16_t>(offsetof(U_EMRHEADER, nHandles)), 5u);
  const U_RECTL b = HeaderRect(h, offsetof(U_EMRHEADER, rclBounds));
  const U_RECTL f = HeaderRect(h, offsetof(U_EMRHEADER, rclFrame));
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.top, 0);
  EXPECT_EQ(b.right, 4000);
  EXPECT_EQ(b.bottom, 4000);
  EXPECT_EQ(f.left, b.left);
  EXPECT_EQ(f.top, b.top);
  EXPECT_EQ(f.right, b.right);
  EXPECT_EQ(f.bottom, b.bottom);
}

TEST(EmfDc, SameDrawingGivesSameBytes) {
  std::vector<std::uint8_t> first;
  {
    EmfDc dc;
    DrawSample(dc);
    first = dc.Close();
  }
  // Dirty the heap so that an unset byte would show.
  for (int i = 0; i < 64; ++i) {
    void* p = std::malloc(128 + i * 8);
    std::memset(p, 0xA5, 128 + i * 8);
    std::free(p);
  }
  EmfDc dc;
  DrawSample(dc);
  EXPECT_EQ(dc.Close(), first);
}

TEST(EmfDc, LineAfterRestoreStartsWhereTheDrawingLeftIt) {
  // The metafile's RestoreDC also restores its current position; the Dc
  // keeps the last one, so the metafile moves there again.
  EmfDc dc;
  const int s = dc.SaveDc();
  dc.MoveTo(10, -10);
  dc.LineTo(20, -20);
  dc.RestoreDc(s);
  dc.LineTo(30, -30);
  const auto recs = Parse(dc.Close());
  std::size_t i = 0;
  while (i < recs.size() && recs[i].type != U_EMR_RESTOREDC) ++i;
  ASSERT_LT(i + 2, recs.size());
  EXPECT_EQ(recs[i + 1].type, static_cast<std::uint32_t>(U_EMR_MOVETOEX));
  EXPECT_EQ(recs[i + 1].At<std::int32_t>(8), 20);
  EXPECT_EQ(recs[i + 2].type, static_cast<std::uint32_t>(U_EMR_LINETO));
}

TEST(EmfDc, UnbalancedSavesAndOddTextStillCloseCleanly) {
  EmfDc dc;
  dc.SaveDc();
  dc.SelectPen(kGreen);
  dc.SaveDc();
  dc.SelectPen(kRed);
  dc.LineTo(5, 5);
  dc.TextOut(0, 0, std::string("a\xff\xc3(b\xf0\x9f\x98\x80", 9));  // bad bytes and a non-BMP character
  dc.TextOut(0, 0, "");
  const auto recs = Parse(dc.Close());
  const auto types = Types(recs);
  EXPECT_EQ(types.back(), static_cast<std::uint32_t>(U_EMR_EOF));
  std::size_t restores = 0, creates = 0, deletes = 0;
  for (const auto& r : recs) {
    if (r.type == U_EMR_RESTOREDC) {
      ++restores;
      EXPECT_EQ(r.At<std::int32_t>(8), -2);
    }
    if (r.type == U_EMR_CREATEPEN || r.type == U_EMR_EXTCREATEFONTINDIRECTW) ++creates;
    if (r.type == U_EMR_DELETEOBJECT) ++deletes;
  }
  EXPECT_EQ(restores, 1u);
  EXPECT_EQ(creates, deletes);
  for (const auto& r : recs)
    if (r.type == U_EMR_EXTTEXTOUTW) {
      const Texto t = ReadText(r);
      EXPECT_EQ(t.dx.size(), 7u);  // a, FFFD, FFFD, (, b, and a surrogate pair
    }

  // Drawing after closing changes nothing.
  const auto size = dc.Close().size();
  dc.LineTo(100, 100);
  EXPECT_EQ(dc.Close().size(), size);
}

TEST(EmfDc, TextExtentUsesArialWidthsAndTheHeightRule) {
  EmfDc dc;
  LogFont f;
  f.height = -2048;  // em of 2048: widths in font units
  dc.SelectFont(f);
  EXPECT_EQ(dc.TextExtent("Wi"), (Point{1933 + 455, 2288}));
  EXPECT_EQ(dc.TextExtent("ÿ"), (Point{1024, 2288}));
  f.height = 2288;  // cell height: the same em
  dc.SelectFont(f);
  EXPECT_EQ(dc.TextExtent("Wi").x, 1933 + 455);
  EXPECT_TRUE(dc.IsMetafile());
}

TEST(EmfDc, WritesAFileThatASecondReaderAccepts) {
  const std::string emf = "/tmp/vardo_emfdc_test.emf";
  const std::string svg = "/tmp/vardo_emfdc_test.svg";
  EmfDc dc;
  DrawSample(dc);
  dc.SelectFont(LogFont{});
  dc.TextOut(600, -600, "Curvas compuestas");
  ASSERT_TRUE(dc.WriteFile(emf));
  std::ifstream in(emf, std::ios::binary);
  const std::vector<std::uint8_t> onDisk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(onDisk, dc.Close());

  EXPECT_FALSE(dc.WriteFile("/nonexistent-dir/x.emf"));

  if (std::system("command -v emf2svg-conv >/dev/null 2>&1") != 0) GTEST_SKIP() << "emf2svg-conv not installed";
  std::remove(svg.c_str());
  ASSERT_EQ(std::system(("emf2svg-conv -i " + emf + " -o " + svg + " 2>/dev/null").c_str()), 0);
  std::ifstream s(svg);
  std::stringstream ss;
  ss << s.rdbuf();
  const std::string text = ss.str();
  EXPECT_NE(text.find("<svg"), std::string::npos);
  EXPECT_NE(text.find("Curvas compuestas"), std::string::npos);
  EXPECT_NE(text.find("Año"), std::string::npos);
  EXPECT_NE(text.find("Arial"), std::string::npos);
}

}  // namespace
}  // namespace vardo
