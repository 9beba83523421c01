// Binary archive of the document files: little-endian values, strings with a
// length prefix (one byte below 255; else 255 and a 16-bit length; else 255,
// 65535 and a 32-bit length) holding Windows-1252 text without terminator.
// In memory strings are UTF-8. Every read is bounds-checked and throws
// FormatError, the one error a damaged file produces.
#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/core/types.h"

namespace vardo {

class FormatError : public std::runtime_error {
 public:
  explicit FormatError(const std::string& what) : std::runtime_error(what) {}
};

class Archive {
 public:
  // An archive that stores into an empty byte buffer.
  Archive();
  // An archive that loads from the given bytes.
  explicit Archive(std::vector<std::uint8_t> bytes);

  bool IsStoring() const { return storing_; }
  bool IsLoading() const { return !storing_; }

  const std::vector<std::uint8_t>& Bytes() const { return buf_; }
  std::size_t Remaining() const { return buf_.size() - pos_; }
  std::size_t Position() const { return pos_; }

  // Storing.
  void WriteByte(std::uint8_t v);
  void WriteUInt16(std::uint16_t v);
  void WriteInt32(std::int32_t v);
  void WriteUInt32(std::uint32_t v);
  void WriteDouble(double v);
  void WriteString(const std::string& utf8);
  void WriteRect(const Rect& r);
  void WriteRaw(const void* data, std::size_t n);

  // Loading; each throws FormatError past the end.
  std::uint8_t ReadByte();
  std::uint16_t ReadUInt16();
  std::int32_t ReadInt32();
  std::uint32_t ReadUInt32();
  double ReadDouble();
  std::string ReadString();
  Rect ReadRect();
  void ReadRaw(void* data, std::size_t n);
  // Reads a 32-bit element count and checks it against the bytes left, given
  // the least number of bytes one element takes in the file.
  std::size_t ReadCount(std::size_t minBytesPerElement);

  // Symmetric forms for Serialize: write when storing, read when loading.
  void Io(std::uint8_t& v) { storing_ ? WriteByte(v) : void(v = ReadByte()); }
  void Io(std::int32_t& v) { storing_ ? WriteInt32(v) : void(v = ReadInt32()); }
  void Io(std::uint32_t& v) { storing_ ? WriteUInt32(v) : void(v = ReadUInt32()); }
  void Io(double& v) { storing_ ? WriteDouble(v) : void(v = ReadDouble()); }
  void Io(std::string& v) { storing_ ? WriteString(v) : void(v = ReadString()); }
  void Io(Rect& v) { storing_ ? WriteRect(v) : void(v = ReadRect()); }
  // A count-prefixed array of 32-bit values.
  void IoArray(std::vector<std::uint32_t>& v);
  void IoArray(std::vector<std::int32_t>& v);

 private:
  void Need(std::size_t n) const;

  bool storing_;
  std::vector<std::uint8_t> buf_;
  std::size_t pos_ = 0;
};

}  // namespace vardo
