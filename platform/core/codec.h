// Windows-1252 <-> UTF-8. Every byte value maps to one code point and back, so
// any file text survives a read and a write unchanged; the five bytes that
// Windows-1252 leaves undefined map to the C1 controls of the same value.
#pragma once
#include <string>
#include <string_view>

namespace vardo {

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters with no Windows-1252 byte become '?'; invalid UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace vardo
