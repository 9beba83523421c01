#include "platform/core/emf_dc.h"

#include <uemf.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <new>

namespace vardo {
namespace {

// The records are built in the machine's byte order, which the format wants
// little-endian.
static_assert(std::endian::native == std::endian::little);

// Advance widths of Arial (Liberation Sans has the same metrics), in font
// units of a 2048-unit em, for U+0020..U+007E and U+00A0..U+00FF.
constexpr std::uint16_t kAnchoNormal[2][96] = {
    {569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
     1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
     2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
     1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
     682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
     1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196, 0},
    {569,  682,  1139, 1139, 1139, 1139, 532,  1139, 682,  1509, 758,  1139, 1196, 682,  1509, 1131,
     819,  1124, 682,  682,  682,  1180, 1100, 682,  682,  682,  748,  1139, 1708, 1708, 1708, 1251,
     1366, 1366, 1366, 1366, 1366, 1366, 2048, 1479, 1366, 1366, 1366, 1366, 569,  569,  569,  569,
     1479, 1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251,
     1139, 1139, 1139, 1139, 1139, 1139, 1821, 1024, 1139, 1139, 1139, 1139, 569,  569,  569,  569,
     1139, 1139, 1139, 1139, 1139, 1139, 1139, 1124, 1251, 1139, 1139, 1139, 1139, 1024, 1139, 1024}};
constexpr std::uint16_t kAnchoNegrita[2][96] = {
    {569,  682,  971,  1139, 1139, 1821, 1479, 487,  682,  682,  797,  1196, 569,  682,  569,  569,
     1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682,  682,  1196, 1196, 1196, 1251,
     1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1139, 1479, 1251, 1706, 1479, 1593,
     1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682,  569,  682,  1196, 1139,
     682,  1139, 1251, 1139, 1251, 1139, 682,  1251, 1251, 569,  569,  1139, 569,  1821, 1251, 1251,
     1251, 1251, 797,  1139, 682,  1251, 1139, 1593, 1139, 1139, 1024, 797,  573,  797,  1196, 0},
    {569,  682,  1139, 1139, 1139, 1139, 573,  1139, 682,  1509, 758,  1139, 1196, 682,  1509, 1131,
     819,  1124, 682,  682,  682,  1180, 1139, 682,  682,  682,  748,  1139, 1708, 1708, 1708, 1251,
     1479, 1479, 1479, 1479, 1479, 1479, 2048, 1479, 1366, 1366, 1366, 1366, 569,  569,  569,  569,
     1479, 1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251,
     1139, 1139, 1139, 1139, 1139, 1139, 1821, 1139, 1139, 1139, 1139, 1139, 569,  569,  569,  569,
     1251, 1251, 1251, 1251, 1251, 1251, 1251, 1124, 1251, 1251, 1251, 1251, 1251, 1139, 1251, 1139}};
constexpr double kEm = 2048.0;
constexpr double kCelda = 1854.0 + 434.0;  // ascent + descent: the cell of one em
constexpr std::int32_t kAlturaDefecto = 360;  // cell height used for a font of height 0

constexpr std::uint32_t kPlumaDefecto = U_BLACK_PEN;
constexpr std::uint32_t kBrochaDefecto = U_WHITE_BRUSH;
constexpr std::uint32_t kFuenteDefecto = U_SYSTEM_FONT;

U_RECTL RectL(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
  U_RECTL out;
  out.left = Saturar32(l);
  out.top = Saturar32(t);
  out.right = Saturar32(r);
  out.bottom = Saturar32(b);
  return out;
}

U_COLORREF ColorRef(Rgb c) {
  return colorref3_set(static_cast<std::uint8_t>(RgbRed(c)), static_cast<std::uint8_t>(RgbGreen(c)),
                       static_cast<std::uint8_t>(RgbBlue(c)));
}

// UTF-8 to UTF-16; malformed bytes become U+FFFD.
std::u16string Utf16(const std::string& s) {
  std::u16string out;
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::uint32_t cp = 0xFFFD;
    std::size_t n = 1;
    if (c < 0x80) {
      cp = c;
    } else if (c >= 0xC2 && c <= 0xF4) {
      const std::size_t len = c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
      std::uint32_t v = c & (len == 2 ? 0x1F : len == 3 ? 0x0F : 0x07);
      bool ok = i + len <= s.size();
      for (std::size_t k = 1; ok && k < len; ++k) {
        const unsigned char d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) ok = false;
        v = (v << 6) | (d & 0x3F);
      }
      const std::uint32_t min = len == 2 ? 0x80 : len == 3 ? 0x800 : 0x10000;
      if (ok && v >= min && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF)) {
        cp = v;
        n = len;
      }
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += n;
  }
  return out;
}

// Em size and cell height of a font in logical units, from its record's
// height: negative = character height (the em), positive = cell height.
void Medidas(const LogFont& f, double* em, double* celda) {
  if (f.height < 0) {
    *em = -static_cast<double>(f.height);
    *celda = *em * kCelda / kEm;
  } else {
    *celda = f.height == 0 ? kAlturaDefecto : f.height;
    *em = *celda * kEm / kCelda;
  }
}

double Avance(char16_t c, bool negrita) {
  const auto& t = negrita ? kAnchoNegrita : kAnchoNormal;
  if (c >= 0x20 && c <= 0x7E) return t[0][c - 0x20];
  if (c >= 0xA0 && c <= 0xFF) return t[1][c - 0xA0];
  if (c >= 0xDC00 && c <= 0xDFFF) return 0;  // second half of a pair
  return 1139;  // the width of a digit
}

// Advance of every UTF-16 unit in logical units, rounded so that the sum is
// the rounded total.
std::vector<std::uint32_t> Avances(const std::u16string& s, const LogFont& f) {
  double em = 0, celda = 0;
  Medidas(f, &em, &celda);
  const bool negrita = f.weight >= 600;
  std::vector<std::uint32_t> dx;
  dx.reserve(s.size());
  double pos = 0;
  std::int64_t antes = 0;
  for (char16_t c : s) {
    pos += Avance(c, negrita) * em / kEm;
    const std::int64_t ahora = std::llround(pos);
    dx.push_back(static_cast<std::uint32_t>(std::max<std::int64_t>(0, ahora - antes)));
    antes = ahora;
  }
  return dx;
}

}  // namespace

EmfDc::EmfDc() {
  real_.pen = kPlumaDefecto;
  real_.brush = kBrochaDefecto;
  real_.font = kFuenteDefecto;
  real_.textColor = 0;
  objects_.resize(1);

  // Header; sizes, counts and bounds are written by Close.
  std::u16string desc = Utf16(kAplicacion);
  desc.push_back(0);  // end of the application name
  desc.push_back(0);  // empty picture name
  std::vector<std::uint16_t> d(desc.begin(), desc.end());
  const U_RECTL vacio = RectL(0, 0, -1, -1);
  Append(U_EMRHEADER_set(vacio, vacio, nullptr, static_cast<U_CBSTR>(d.size()), d.data(),
                         sizel_set(21000, 29700), sizel_set(210, 297), 0));
  Append(U_EMRSETMAPMODE_set(U_MM_HIMETRIC));
  // The state every back end starts from, written out so that no reader
  // has to assume it: top-left text reference, opaque white background,
  // black text, the black pen and the white brush.
  Append(U_EMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT | U_TA_NOUPDATECP));
  Append(U_EMRSETBKMODE_set(U_OPAQUE));
  Append(U_EMRSETBKCOLOR_set(colorref3_set(255, 255, 255)));
  Append(U_EMRSETTEXTCOLOR_set(colorref3_set(0, 0, 0)));
  Append(U_EMRSELECTOBJECT_set(kPlumaDefecto));
  Append(U_EMRSELECTOBJECT_set(kBrochaDefecto));
}

EmfDc::~EmfDc() = default;

void EmfDc::Append(char* record) {
  if (record == nullptr) throw std::bad_alloc();
  std::uint32_t size = 0;
  std::memcpy(&size, record + offsetof(U_EMR, nSize), sizeof size);
  bytes_.insert(bytes_.end(), reinterpret_cast<std::uint8_t*>(record),
                reinterpret_cast<std::uint8_t*>(record) + size);
  std::free(record);
  ++records_;
}

void EmfDc::Widen(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  // Logical (y up) to device (y down, 1 unit = 0.01 mm).
  const std::int64_t l = std::min(left, right), r = std::max(left, right);
  const std::int64_t t = -std::max(top, bottom), b = -std::min(top, bottom);
  if (!anyDrawn_) {
    boundLeft_ = l;
    boundTop_ = t;
    boundRight_ = r;
    boundBottom_ = b;
    anyDrawn_ = true;
    return;
  }
  boundLeft_ = std::min(boundLeft_, l);
  boundTop_ = std::min(boundTop_, t);
  boundRight_ = std::max(boundRight_, r);
  boundBottom_ = std::max(boundBottom_, b);
}

void EmfDc::WidenStroke(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
  const std::int32_t m = PenMargin();
  Widen(std::min(x1, x2) - m, std::max(y1, y2) + m, std::max(x1, x2) + m, std::min(y1, y2) - m);
}

std::int32_t EmfDc::PenMargin() const {
  const Pen& p = CurrentPen();
  return p.style == PenStyle::Null ? 0 : std::max(0, p.width / 2);
}

std::uint32_t EmfDc::FindOrCreate(const Object& o) {
  using K = Object::Kind;
  if (o.kind == K::Pen && o.pen == Pen{}) return kPlumaDefecto;
  if (o.kind == K::Brush && o.brush == Brush::White) return kBrochaDefecto;
  for (std::uint32_t h = 1; h < objects_.size(); ++h) {
    const auto& x = objects_[h];
    if (!x || x->kind != o.kind) continue;
    if ((o.kind == K::Pen && x->pen == o.pen) || (o.kind == K::Brush && x->brush == o.brush) ||
        (o.kind == K::Font && x->font == o.font))
      return h;
  }
  std::uint32_t h = 1;
  while (h < objects_.size() && objects_[h]) ++h;
  if (h == objects_.size()) objects_.emplace_back();
  objects_[h] = o;
  peakHandle_ = std::max(peakHandle_, h);

  switch (o.kind) {
    case K::Pen: {
      U_POINT ancho;
      ancho.x = std::max(0, o.pen.width);
      ancho.y = 0;
      Append(U_EMRCREATEPEN_set(
          h, logpen_set(static_cast<std::uint32_t>(o.pen.style), ancho, ColorRef(o.pen.color))));
      break;
    }
    case K::Brush: {
      const bool hueca = o.brush == Brush::Hollow;
      Append(U_EMRCREATEBRUSHINDIRECT_set(
          h, logbrush_set(hueca ? U_BS_NULL : U_BS_SOLID, colorref3_set(255, 255, 255), 0)));
      break;
    }
    case K::Font: {
      const LogFont& f = o.font;
      std::u16string cara = Utf16(f.faceName);
      if (cara.size() > U_LF_FACESIZE - 1) cara.resize(U_LF_FACESIZE - 1);
      std::uint16_t nombre[U_LF_FACESIZE] = {};
      std::copy(cara.begin(), cara.end(), nombre);
      U_LOGFONT lf = logfont_set(f.height, f.width, f.escapement, f.orientation, f.weight, f.italic,
                                 f.underline, f.strikeOut, f.charSet, f.outPrecision, f.clipPrecision,
                                 f.quality, f.pitchAndFamily, nombre);
      Append(U_EMREXTCREATEFONTINDIRECTW_set(h, reinterpret_cast<const char*>(&lf), nullptr));
      break;
    }
  }
  return h;
}

void EmfDc::DeleteUnused() {
  for (std::uint32_t h = 1; h < objects_.size(); ++h) {
    if (!objects_[h]) continue;
    bool usado = real_.pen == h || real_.brush == h || real_.font == h;
    for (const Realized& s : realSaved_)
      if (s.pen == h || s.brush == h || s.font == h) usado = true;
    if (usado) continue;
    Append(U_EMRDELETEOBJECT_set(h));
    objects_[h].reset();
  }
}

void EmfDc::Select(std::uint32_t* current, std::uint32_t handle) {
  if (*current == handle) return;
  Append(U_EMRSELECTOBJECT_set(handle));
  *current = handle;
  DeleteUnused();
}

void EmfDc::RealizePen() {
  Object o{Object::Kind::Pen, CurrentPen(), Brush::White, {}};
  Select(&real_.pen, FindOrCreate(o));
}

void EmfDc::RealizeBrush() {
  Object o{Object::Kind::Brush, {}, CurrentBrush(), {}};
  Select(&real_.brush, FindOrCreate(o));
}

void EmfDc::RealizeFont() {
  Object o{Object::Kind::Font, {}, Brush::White, CurrentFont()};
  if (real_.font != kFuenteDefecto && objects_[real_.font] && objects_[real_.font]->font == o.font) return;
  Select(&real_.font, FindOrCreate(o));
}

void EmfDc::RealizeTextColor() {
  const Rgb c = CurrentTextColor();
  if (real_.textColor == c) return;
  Append(U_EMRSETTEXTCOLOR_set(ColorRef(c)));
  real_.textColor = c;
}

int EmfDc::SaveDc() {
  const int level = DcStateBase::SaveDc();
  if (!closed_) {
    Append(U_EMRSAVEDC_set());
    realSaved_.push_back(real_);
  }
  return level;
}

void EmfDc::RestoreDc(int saved) {
  const std::size_t depth = saved_.size();
  DcStateBase::RestoreDc(saved);
  const std::size_t popped = depth - saved_.size();
  if (closed_ || popped == 0 || popped > realSaved_.size()) return;
  Append(U_EMRRESTOREDC_set(-static_cast<std::int32_t>(popped)));
  real_ = realSaved_[realSaved_.size() - popped];
  realSaved_.resize(realSaved_.size() - popped);
  DeleteUnused();
}

void EmfDc::LineTo(std::int32_t x, std::int32_t y) {
  const Point from = CurrentPosition();
  pos_ = {x, y};
  if (closed_) return;
  RealizePen();
  if (!real_.posKnown || !(real_.pos == from)) Append(U_EMRMOVETOEX_set(point32_set(from.x, from.y)));
  Append(U_EMRLINETO_set(point32_set(x, y)));
  real_.pos = {x, y};
  real_.posKnown = true;
  WidenStroke(from.x, from.y, x, y);
}

void EmfDc::Polyline(const std::vector<Point>& points) {
  if (closed_ || points.size() < 2) return;
  RealizePen();
  std::vector<U_POINTL> pts;
  pts.reserve(points.size());
  std::int64_t l = points[0].x, r = l, t = points[0].y, b = t;
  for (const Point& p : points) {
    pts.push_back(point32_set(p.x, p.y));
    l = std::min<std::int64_t>(l, p.x);
    r = std::max<std::int64_t>(r, p.x);
    t = std::max<std::int64_t>(t, p.y);
    b = std::min<std::int64_t>(b, p.y);
  }
  const std::int32_t m = PenMargin();
  Widen(l - m, t + m, r + m, b - m);
  Append(U_EMRPOLYLINE_set(RectL(l - m, -t - m, r + m, -b + m), static_cast<std::uint32_t>(pts.size()),
                           pts.data()));
}

void EmfDc::Rectangle(const Rect& r) { Box(r, false); }

void EmfDc::Ellipse(const Rect& r) { Box(r, true); }

void EmfDc::Box(const Rect& r, bool ellipse) {
  if (closed_) return;
  RealizePen();
  RealizeBrush();
  WidenStroke(r.left, r.top, r.right, r.bottom);
  const U_RECTL caja = RectL(r.left, r.top, r.right, r.bottom);
  Append(ellipse ? U_EMRELLIPSE_set(caja) : U_EMRRECTANGLE_set(caja));
}

Point EmfDc::TextExtent(const std::string& utf8) {
  const std::u16string s = Utf16(utf8);
  std::int64_t w = 0;
  for (std::uint32_t d : Avances(s, CurrentFont())) w += d;
  double em = 0, celda = 0;
  Medidas(CurrentFont(), &em, &celda);
  return {Saturar32(w), Saturar32(std::llround(celda))};
}

void EmfDc::TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) {
  if (closed_ || utf8.empty()) return;
  RealizeFont();
  RealizeTextColor();
  const std::u16string s = Utf16(utf8);
  std::vector<std::uint32_t> dx = Avances(s, CurrentFont());
  const Point ext = TextExtent(utf8);
  // The text cell: from the reference point rightwards and downwards.
  const std::int64_t l = x, r = std::int64_t{x} + ext.x, t = y, b = std::int64_t{y} - ext.y;
  Widen(l, t, r, b);
  std::vector<std::uint16_t> unidades(s.begin(), s.end());
  char* texto = emrtext_set(point32_set(x, y), static_cast<U_NUM_STR>(unidades.size()), 2, unidades.data(),
                            U_ETO_NONE, RectL(0, 0, -1, -1), dx.data());
  if (texto == nullptr) throw std::bad_alloc();
  char* rec = U_EMREXTTEXTOUTW_set(RectL(l, -t, r, -b), U_GM_COMPATIBLE, 1.0f, 1.0f,
                                   reinterpret_cast<PU_EMRTEXT>(texto));
  std::free(texto);
  Append(rec);
}

const std::vector<std::uint8_t>& EmfDc::Close() {
  if (closed_) return bytes_;
  // Unbalanced saves are restored, the defaults selected back, and every
  // object deleted, so that the picture leaves nothing behind.
  if (!realSaved_.empty()) {
    Append(U_EMRRESTOREDC_set(-static_cast<std::int32_t>(realSaved_.size())));
    real_ = realSaved_.front();
    realSaved_.clear();
  }
  if (real_.pen != kPlumaDefecto) {
    Append(U_EMRSELECTOBJECT_set(kPlumaDefecto));
    real_.pen = kPlumaDefecto;
  }
  if (real_.brush != kBrochaDefecto) {
    Append(U_EMRSELECTOBJECT_set(kBrochaDefecto));
    real_.brush = kBrochaDefecto;
  }
  if (real_.font != kFuenteDefecto) {
    Append(U_EMRSELECTOBJECT_set(kFuenteDefecto));
    real_.font = kFuenteDefecto;
  }
  DeleteUnused();
  EMFTRACK pista{};
  Append(U_EMREOF_set(0, nullptr, &pista));
  closed_ = true;

  // Header: bounds (device units) and frame (0.01 mm) are the same numbers.
  const U_RECTL caja = anyDrawn_ ? RectL(boundLeft_, boundTop_, boundRight_, boundBottom_) : RectL(0, 0, -1, -1);
  const std::uint32_t nBytes = static_cast<std::uint32_t>(bytes_.size());
  const std::uint16_t nHandles = static_cast<std::uint16_t>(peakHandle_ + 1);
  std::memcpy(bytes_.data() + offsetof(U_EMRHEADER, rclBounds), &caja, sizeof caja);
  std::memcpy(bytes_.data() + offsetof(U_EMRHEADER, rclFrame), &caja, sizeof caja);
  std::memcpy(bytes_.data() + offsetof(U_EMRHEADER, nBytes), &nBytes, sizeof nBytes);
  std::memcpy(bytes_.data() + offsetof(U_EMRHEADER, nRecords), &records_, sizeof records_);
  std::memcpy(bytes_.data() + offsetof(U_EMRHEADER, nHandles), &nHandles, sizeof nHandles);
  return bytes_;
}

bool EmfDc::WriteFile(const std::string& path) {
  const auto& data = Close();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace vardo
