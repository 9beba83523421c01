// Colours as the controls' hosts pass them: 32-bit values with red in the low
// byte; a set top bit names a system colour by its index in the low byte
// (8 window text, 5 window, 15 button face, 18 button text, ...).
#pragma once
#include <QColor>
#include <cstdint>

namespace vardo {

constexpr std::uint32_t kSysColorFlag = 0x80000000u;
constexpr std::uint32_t kSysWindowText = 0x80000008u;
constexpr std::uint32_t kSysWindow = 0x80000005u;
constexpr std::uint32_t kSysButtonFace = 0x8000000Fu;
constexpr std::uint32_t kSysButtonText = 0x80000012u;
constexpr std::uint32_t kSysHighlight = 0x8000000Du;
constexpr std::uint32_t kSysHighlightText = 0x8000000Eu;
constexpr std::uint32_t kSysAppWorkspace = 0x8000000Cu;

// The colour a value stands for; system colours come from the application's
// palette (fixed fallbacks for indices it has no role for).
QColor OleToQColor(std::uint32_t value);
// The plain RGB value of a colour (top bit clear).
std::uint32_t QColorToOle(const QColor& c);

}  // namespace vardo
