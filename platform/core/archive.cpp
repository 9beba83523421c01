#include "platform/core/archive.h"

#include <cstring>

#include "platform/core/codec.h"

namespace vardo {

Archive::Archive() : storing_(true) {}

Archive::Archive(std::vector<std::uint8_t> bytes) : storing_(false), buf_(std::move(bytes)) {}

void Archive::Need(std::size_t n) const {
  if (n > Remaining()) throw FormatError("Formato de archivo no esperado.");
}

void Archive::WriteRaw(const void* data, std::size_t n) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  buf_.insert(buf_.end(), p, p + n);
}

void Archive::ReadRaw(void* data, std::size_t n) {
  Need(n);
  if (n) std::memcpy(data, buf_.data() + pos_, n);
  pos_ += n;
}

void Archive::WriteByte(std::uint8_t v) { buf_.push_back(v); }

void Archive::WriteUInt16(std::uint16_t v) {
  buf_.push_back(static_cast<std::uint8_t>(v));
  buf_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Archive::WriteUInt32(std::uint32_t v) {
  for (int i = 0; i < 4; ++i) buf_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void Archive::WriteInt32(std::int32_t v) { WriteUInt32(static_cast<std::uint32_t>(v)); }

void Archive::WriteDouble(double v) {
  std::uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  for (int i = 0; i < 8; ++i) buf_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

void Archive::WriteString(const std::string& utf8) {
  const std::string bytes = Utf8ToCp1252(utf8);
  const std::size_t n = bytes.size();
  if (n < 0xFF) {
    WriteByte(static_cast<std::uint8_t>(n));
  } else if (n < 0xFFFE) {
    WriteByte(0xFF);
    WriteUInt16(static_cast<std::uint16_t>(n));
  } else {
    WriteByte(0xFF);
    WriteUInt16(0xFFFF);
    WriteUInt32(static_cast<std::uint32_t>(n));
  }
  WriteRaw(bytes.data(), n);
}

void Archive::WriteRect(const Rect& r) {
  WriteInt32(r.left);
  WriteInt32(r.top);
  WriteInt32(r.right);
  WriteInt32(r.bottom);
}

std::uint8_t Archive::ReadByte() {
  Need(1);
  return buf_[pos_++];
}

std::uint16_t Archive::ReadUInt16() {
  Need(2);
  std::uint16_t v = static_cast<std::uint16_t>(buf_[pos_] | (buf_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

std::uint32_t Archive::ReadUInt32() {
  Need(4);
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(buf_[pos_ + i]) << (8 * i);
  pos_ += 4;
  return v;
}

std::int32_t Archive::ReadInt32() { return static_cast<std::int32_t>(ReadUInt32()); }

double Archive::ReadDouble() {
  Need(8);
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(buf_[pos_ + i]) << (8 * i);
  pos_ += 8;
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

std::string Archive::ReadString() {
  std::size_t n = ReadByte();
  if (n == 0xFF) {
    n = ReadUInt16();
    if (n == 0xFFFF) n = ReadUInt32();
  }
  Need(n);
  std::string bytes(reinterpret_cast<const char*>(buf_.data() + pos_), n);
  pos_ += n;
  return Cp1252ToUtf8(bytes);
}

Rect Archive::ReadRect() {
  Rect r;
  r.left = ReadInt32();
  r.top = ReadInt32();
  r.right = ReadInt32();
  r.bottom = ReadInt32();
  return r;
}

std::size_t Archive::ReadCount(std::size_t minBytesPerElement) {
  const std::int32_t n = ReadInt32();
  if (n < 0) throw FormatError("Formato de archivo no esperado.");
  const auto count = static_cast<std::size_t>(n);
  if (minBytesPerElement > 0 && count > Remaining() / minBytesPerElement)
    throw FormatError("Formato de archivo no esperado.");
  return count;
}

namespace {

// A 32-bit count, then the 4-byte elements, each through its own Io.
template <class T>
void IoArray4(Archive& ar, std::vector<T>& v) {
  if (ar.IsStoring()) {
    ar.WriteInt32(static_cast<std::int32_t>(v.size()));
  } else {
    v.assign(ar.ReadCount(4), 0);
  }
  for (auto& x : v) ar.Io(x);
}

}  // namespace

void Archive::IoArray(std::vector<std::uint32_t>& v) { IoArray4(*this, v); }

void Archive::IoArray(std::vector<std::int32_t>& v) { IoArray4(*this, v); }

}  // namespace vardo
