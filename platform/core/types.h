// Plain value types shared by every layer: colour, point, rectangle, logical font.
#pragma once
#include <cstdint>
#include <climits>
#include <string>

namespace vardo {

// A colour as the documents store it: red in the low byte, then green, then blue.
using Rgb = std::uint32_t;

constexpr Rgb MakeRgb(int r, int g, int b) {
  return static_cast<Rgb>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}
constexpr int RgbRed(Rgb c) { return static_cast<int>(c & 0xff); }
constexpr int RgbGreen(Rgb c) { return static_cast<int>((c >> 8) & 0xff); }
constexpr int RgbBlue(Rgb c) { return static_cast<int>((c >> 16) & 0xff); }

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Rectangle in logical units; in the drawing space y grows upwards, so a
// rectangle drawn on the grid has top > bottom.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  // Extents in 64 bits: the difference of two 32-bit edges may not fit 32.
  std::int64_t Width() const { return std::int64_t{right} - left; }
  std::int64_t Height() const { return std::int64_t{top} - bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Logical font record. A negative height is the character height, a positive
// one the cell height (character plus internal leading), 0 the default size.
struct LogFont {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 400;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 2;
  std::uint8_t pitchAndFamily = 18;
  std::string faceName = "Arial";  // UTF-8, at most 31 characters when stored
  friend bool operator==(const LogFont&, const LogFont&) = default;
};

// Converts a computed coordinate to an integer the one way the program does it:
// truncation toward zero, saturating at the 32-bit limits (NaN gives 0).
std::int32_t TruncCoord(double v);
// The same for integer arithmetic done in 64 bits.
constexpr std::int32_t Saturar32(std::int64_t v) {
  return v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(v));
}

// The font a picture draws with: the stored height is in 1/20 of the drawing
// unit (the stored 18 gives 360, 3.6 mm), scaled without overflowing.
inline LogFont FuenteDibujo(LogFont f) {
  f.height = Saturar32(std::int64_t{f.height} * 20);
  return f;
}

}  // namespace vardo
