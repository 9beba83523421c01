#include "platform/qt/propertybag.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>
#include <utility>

namespace vardo {

namespace {

// Numbers as the same type as the default, so that a host writing an int
// where the control reads a double (or the reverse) still works.
std::optional<PropValue> ConvertTo(const PropValue& v, const PropValue& like) {
  if (v.index() == like.index()) return v;
  if (std::holds_alternative<std::string>(v) || std::holds_alternative<std::string>(like))
    return std::nullopt;
  double d = 0;
  if (auto* b = std::get_if<bool>(&v)) d = *b ? 1.0 : 0.0;
  if (auto* i = std::get_if<std::int64_t>(&v)) d = static_cast<double>(*i);
  if (auto* x = std::get_if<double>(&v)) d = *x;
  if (std::holds_alternative<bool>(like)) return PropValue(d != 0.0);
  if (std::holds_alternative<std::int64_t>(like)) {
    if (!std::isfinite(d) || d < -9.2e18 || d > 9.2e18) return std::nullopt;
    return PropValue(static_cast<std::int64_t>(d));
  }
  return PropValue(d);
}

void Escape(std::string& out, std::string_view s) {
  for (char c : s) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
}

std::optional<std::string> Unescape(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\') {
      out += s[i];
      continue;
    }
    if (++i >= s.size()) return std::nullopt;
    switch (s[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

// The whole of s as a number of type T; empty when s holds anything else.
template <class T>
std::optional<T> Numero(std::string_view s) {
  T v{};
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

std::string DoubleText(double d) {
  // Shortest text that reads back exactly; to_chars ignores the locale.
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, d);
  return std::string(buf, r.ptr);
}

}  // namespace

bool SamePropValue(const PropValue& a, const PropValue& b) { return a == b; }

PropertyBag::Entry* PropertyBag::Find(std::string_view key) {
  return const_cast<Entry*>(std::as_const(*this).Find(key));
}

const PropertyBag::Entry* PropertyBag::Find(std::string_view key) const {
  for (auto& e : entries_)
    if (e.key == key) return &e;
  return nullptr;
}

void PropertyBag::Write(std::string_view key, const PropValue& value, const PropValue& def) {
  auto conv = ConvertTo(value, def);
  if (conv && *conv == def) {
    Remove(key);
    return;
  }
  WriteAlways(key, value);
}

void PropertyBag::WriteAlways(std::string_view key, const PropValue& value) {
  if (Entry* e = Find(key)) {
    e->value = value;
    return;
  }
  entries_.push_back(Entry{std::string(key), value});
}

PropValue PropertyBag::Read(std::string_view key, const PropValue& def) const {
  const Entry* e = Find(key);
  if (!e) return def;
  auto conv = ConvertTo(e->value, def);
  return conv ? *conv : def;
}

bool PropertyBag::ReadBool(std::string_view key, bool def) const {
  return std::get<bool>(Read(key, def));
}
std::int64_t PropertyBag::ReadInt(std::string_view key, std::int64_t def) const {
  return std::get<std::int64_t>(Read(key, def));
}
double PropertyBag::ReadDouble(std::string_view key, double def) const {
  return std::get<double>(Read(key, def));
}
std::string PropertyBag::ReadString(std::string_view key, const std::string& def) const {
  return std::get<std::string>(Read(key, def));
}

bool PropertyBag::Contains(std::string_view key) const { return Find(key) != nullptr; }

void PropertyBag::Remove(std::string_view key) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->key == key) {
      entries_.erase(it);
      return;
    }
  }
}

std::string PropertyBag::ToText() const {
  std::string out;
  for (const auto& e : entries_) {
    Escape(out, e.key);
    out += '\t';
    if (auto* b = std::get_if<bool>(&e.value)) {
      out += "b\t";
      out += *b ? "1" : "0";
    } else if (auto* i = std::get_if<std::int64_t>(&e.value)) {
      out += "i\t";
      out += std::to_string(*i);
    } else if (auto* d = std::get_if<double>(&e.value)) {
      out += "d\t";
      out += DoubleText(*d);
    } else {
      out += "s\t";
      Escape(out, std::get<std::string>(e.value));
    }
    out += '\n';
  }
  return out;
}

std::optional<PropertyBag> PropertyBag::FromText(std::string_view text) {
  PropertyBag bag;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    std::size_t t1 = line.find('\t');
    if (t1 == std::string_view::npos || t1 + 2 >= line.size() || line[t1 + 2] != '\t')
      return std::nullopt;
    auto key = Unescape(line.substr(0, t1));
    if (!key || key->empty()) return std::nullopt;
    char type = line[t1 + 1];
    std::string_view val = line.substr(t1 + 3);
    PropValue v;
    switch (type) {
      case 'b':
        if (val != "0" && val != "1") return std::nullopt;
        v = (val == "1");
        break;
      case 'i': {
        const auto i = Numero<std::int64_t>(val);
        if (!i) return std::nullopt;
        v = *i;
        break;
      }
      case 'd': {
        const auto d = Numero<double>(val);
        if (!d) return std::nullopt;
        v = *d;
        break;
      }
      case 's': {
        auto s = Unescape(val);
        if (!s) return std::nullopt;
        v = *s;
        break;
      }
      default:
        return std::nullopt;
    }
    bag.WriteAlways(*key, v);
  }
  return bag;
}

std::vector<std::uint8_t> PropertyBag::ToBytes() const {
  std::string t = ToText();
  return std::vector<std::uint8_t>(t.begin(), t.end());
}

std::optional<PropertyBag> PropertyBag::FromBytes(const std::vector<std::uint8_t>& bytes) {
  return FromText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace vardo
