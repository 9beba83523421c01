// The 20 physical-property and geometry values of a stream or utility and the
// ten heat-transfer correlations that estimate its film coefficient from
// them: labels, units and defaults of the values, the list text and formula
// of each correlation and which values it uses. Every page and wizard step
// that shows them takes them from here, in this order (k = 0 … 19 is the
// stream's property k + 1).
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "model/corriente.h"

namespace vardo {

inline constexpr int kNumPropiedadesFisicas = CCorriente::kNumPropiedades;
inline constexpr int kNumCorrelacionesH = CCorriente::kNumCorrelaciones;

struct PropiedadFisica {
  const char* etiqueta;  // "Conductividad calorífica:"
  const char* unidad;    // "W/(m·K)"
  double defecto;        // the value of a new stream
};

// Property k (0 … 19).
const PropiedadFisica& Propiedad(int k);

struct CorrelacionH {
  std::string nombre;   // list entry, "Ebullición"
  const char* formula;  // "Nu=0.023*Re^0.8*Pr^0.33"
  std::uint32_t usa;    // bit k set: property k is used
};

// Correlation c (0 … 9).
const CorrelacionH& Correlacion(int c);
// Whether correlation c uses property k; false for any c outside 0 … 9.
bool CorrelacionUsa(int c, int k);

// Order of the fields on the screen: two columns of ten, top to bottom.
inline constexpr std::array<int, 10> kColumnaIzquierdaPropiedades{0, 5, 2, 3, 4, 1, 9, 8, 6, 7};
inline constexpr std::array<int, 10> kColumnaDerechaPropiedades{13, 14, 12, 11, 10,
                                                                16, 15, 19, 17, 18};

// Property k of a stream or utility.
double ValorPropiedad(const CCorriente& c, int k);
void SetValorPropiedad(CCorriente& c, int k, double v);

}  // namespace vardo
