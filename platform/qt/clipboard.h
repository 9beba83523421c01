// What the program puts on the clipboard: plain text, and pictures as an
// enhanced metafile (under the two names programs look for it by) together
// with a PNG of the same picture, so that programs that cannot read a
// metafile can still paste it. Each call replaces what the clipboard held.
#pragma once
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace vardo {

inline constexpr const char* kMimeEmf = "image/emf";
inline constexpr const char* kMimeXEmf = "image/x-emf";
inline constexpr const char* kMimePng = "image/png";

// Text in UTF-8, lines ended by a line feed.
void CopiarTexto(const std::string& utf8);

// A picture: the metafile's bytes and its image (a null image puts the
// metafile alone).
void CopiarImagen(const std::vector<std::uint8_t>& emf, const QImage& imagen);

}  // namespace vardo
