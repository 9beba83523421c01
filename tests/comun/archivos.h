// Bytes and files the tests share: a little-endian writer independent of
// Archive's, a record's stored bytes, whole-file reads and writes, and a
// fresh folder under /tmp removed at the end.
#pragma once
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "platform/core/archive.h"

namespace vardo::prueba {

// Little-endian bytes written by hand, independent of Archive's writer.
struct BytesLE {
  std::vector<std::uint8_t> b;
  void raw(const void* p, std::size_t n) {
    const auto* c = static_cast<const std::uint8_t*>(p);
    b.insert(b.end(), c, c + n);
  }
  void i32(std::int32_t v) {
    for (int k = 0; k < 4; ++k)
      b.push_back(static_cast<std::uint8_t>((static_cast<std::uint32_t>(v) >> (8 * k)) & 0xff));
  }
  void f64(double v) {
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int k = 0; k < 8; ++k) b.push_back(static_cast<std::uint8_t>((u >> (8 * k)) & 0xff));
  }
  // Short string: one length byte, then Windows-1252 bytes.
  void str(const std::string& cp1252) {
    b.push_back(static_cast<std::uint8_t>(cp1252.size()));
    raw(cp1252.data(), cp1252.size());
  }
};

// The 20 physical properties of a new stream, in their stored order.
inline constexpr double kPropiedadesDefecto[20] = {
    0.6,  0.001, 1000,  1000, 1.0, 4180, 2.0,  0.1, 20000, 0.055,
    0.01, 0.002, 0.006, 0.08, 0.1, 1.0,  0.05, 0.1, 50,    0.05};

// The bytes a record writes of itself.
template <class T>
std::vector<std::uint8_t> Guardar(T& registro) {
  Archive ar;
  registro.Serialize(ar);
  return ar.Bytes();
}

inline std::vector<std::uint8_t> LeerBytes(const std::string& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
}

inline void EscribirBytes(const std::string& ruta, const std::vector<std::uint8_t>& b) {
  std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// A fresh folder under /tmp, removed at the end (even if a test took its
// permissions away).
class Carpeta {
 public:
  Carpeta() {
    char plantilla[] = "/tmp/vardo_prueba_XXXXXX";
    ruta_ = ::mkdtemp(plantilla);
  }
  ~Carpeta() {
    std::error_code ec;
    std::filesystem::permissions(ruta_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(ruta_, ec);
  }
  Carpeta(const Carpeta&) = delete;
  Carpeta& operator=(const Carpeta&) = delete;

  std::string operator/(const std::string& nombre) const { return ruta_ + "/" + nombre; }
  const std::string& ruta() const { return ruta_; }
  // The names of the files in it, sorted.
  std::vector<std::string> Archivos() const {
    std::vector<std::string> v;
    for (const auto& e : std::filesystem::directory_iterator(ruta_))
      v.push_back(e.path().filename().string());
    std::sort(v.begin(), v.end());
    return v;
  }
  std::size_t NumArchivos() const { return Archivos().size(); }
  // Every entry with its bytes ("<carpeta>" for a folder), to tell that
  // nothing in it changed.
  std::map<std::string, std::vector<std::uint8_t>> Contenido() const {
    std::map<std::string, std::vector<std::uint8_t>> m;
    for (const std::string& n : Archivos())
      m[n] = std::filesystem::is_directory(*this / n)
                 ? std::vector<std::uint8_t>{'<', 'c', 'a', 'r', 'p', 'e', 't', 'a', '>'}
                 : LeerBytes(*this / n);
    return m;
  }

 private:
  std::string ruta_;
};

}  // namespace vardo::prueba
