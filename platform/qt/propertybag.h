// Stored properties of a control: an ordered list of (key, value) entries, as
// a host keeps them between sessions. A control writes its keys in a fixed
// order, each with its default; a value equal to its default is not written,
// and reading a missing key gives the default back.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vardo {

// Booleans, integers (16- and 32-bit values and colours alike), floating
// values and UTF-8 strings.
using PropValue = std::variant<bool, std::int64_t, double, std::string>;

class PropertyBag {
 public:
  struct Entry {
    std::string key;
    PropValue value;
    friend bool operator==(const Entry&, const Entry&) = default;
  };

  // Writing. Write leaves the key out when value equals def (and removes an
  // older entry of that key); WriteAlways stores it whatever its value.
  // A key written again keeps its place and takes the new value.
  void Write(std::string_view key, const PropValue& value, const PropValue& def);
  void WriteAlways(std::string_view key, const PropValue& value);

  // Reading: the stored value, converted to the default's type, or def when
  // the key is absent or its value cannot be converted.
  PropValue Read(std::string_view key, const PropValue& def) const;
  bool ReadBool(std::string_view key, bool def) const;
  std::int64_t ReadInt(std::string_view key, std::int64_t def) const;
  double ReadDouble(std::string_view key, double def) const;
  std::string ReadString(std::string_view key, const std::string& def) const;

  bool Contains(std::string_view key) const;
  void Remove(std::string_view key);
  void Clear() { entries_.clear(); }
  const std::vector<Entry>& Entries() const { return entries_; }
  bool Empty() const { return entries_.empty(); }

  // Key-value text form, one entry a line: key, TAB, type letter (b, i, d,
  // s), TAB, value. Backslash escapes TAB, line feed, carriage return and
  // backslash in keys and strings; doubles use '.' in every locale and enough
  // digits to read back exactly.
  std::string ToText() const;
  // Parses the text form; nullopt when a line is malformed.
  static std::optional<PropertyBag> FromText(std::string_view text);

  // The same form as bytes (UTF-8).
  std::vector<std::uint8_t> ToBytes() const;
  static std::optional<PropertyBag> FromBytes(const std::vector<std::uint8_t>& bytes);

  friend bool operator==(const PropertyBag&, const PropertyBag&) = default;

 private:
  Entry* Find(std::string_view key);
  const Entry* Find(std::string_view key) const;
  std::vector<Entry> entries_;
};

// True when two values hold the same type and value.
bool SamePropValue(const PropValue& a, const PropValue& b);

}  // namespace vardo
