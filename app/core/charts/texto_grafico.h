// Values handed to a bar chart travel as text: the number text of the value
// (6 significant digits unless told) with its first "." replaced by ","
// ("30." -> "30,", "5.e-002" -> "5,e-002").
#pragma once
#include <string>

#include "platform/core/numtext.h"

namespace vardo {

inline std::string TextoComa(double v, int digitos = 6) {
  std::string s = NumTexto(v, digitos);
  if (auto p = s.find('.'); p != std::string::npos) s[p] = ',';
  return s;
}

}  // namespace vardo
