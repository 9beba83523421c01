// Rounding shared by the program and its controls.
#pragma once

namespace vardo {

// To the nearest integer, halves to even: 0.5 -> 0, 1.5 -> 2, -2.5 -> -2.
// A value that is not finite comes back as it is.
double RedondeoPar(double v);

// Lengths of the screen and the page.
inline constexpr double kTwipsPorPulgada = 1440.0;
inline constexpr double kCentesimasMmPorPulgada = 2540.0;
// The controls lay out for 96 pixels per inch: 15 twips a pixel.
inline constexpr double kDpiControles = 96.0;

// A length in units of which `porPulgada` make an inch, as whole pixels at
// `dpi`: to the nearest (halves away from zero), saturated at the int limits.
// Without the last two arguments the length is in twips on the controls' screen.
int APixeles(double longitud, double porPulgada = kTwipsPorPulgada, double dpi = kDpiControles);

}  // namespace vardo
