// The program's message templates name their argument "%1".
#pragma once
#include <string>
#include <string_view>

namespace vardo {

// The template with its first "%1" replaced by valor; unchanged without one.
inline std::string Sustituir(std::string_view plantilla, std::string_view valor) {
  std::string s(plantilla);
  const auto p = s.find("%1");
  if (p != std::string::npos) s.replace(p, 2, valor);
  return s;
}

}  // namespace vardo
