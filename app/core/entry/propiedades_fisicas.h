// The 20 physical-property and geometry values of a stream or utility and the
// ten heat-transfer correlations that estimate its film coefficient from
// them: labels, units and defaults of the values, the list text and formula
// of each correlation and which values it uses. Every page and wizard step
// that shows them takes them from here, in this order (k = 0 … 19 is the
// stream's property k + 1).
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/corriente.h"
#include "model/diagrama.h"

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
// The pipe diameter.
inline constexpr int kPropDiametroTuberia = 7;
// Whether the estimate of correlation c reads property k: the values it
// uses and, where its coefficient is its Nusselt number over the pipe
// diameter without the formula showing that diameter (6 and 8), the pipe
// diameter too.
bool CorrelacionNecesita(int c, int k);
// The message that asks for a number above 0 in property k's field, naming
// the field.
std::string MensajeValorPositivo(int k);

// Order of the fields on the screen: two columns of ten, top to bottom.
inline constexpr std::array<int, 10> kColumnaIzquierdaPropiedades{0, 5, 2, 3, 4, 1, 9, 8, 6, 7};
inline constexpr std::array<int, 10> kColumnaDerechaPropiedades{13, 14, 12, 11, 10,
                                                                16, 15, 19, 17, 18};

// Property k of a stream or utility.
double ValorPropiedad(const CCorriente& c, int k);
void SetValorPropiedad(CCorriente& c, int k, double v);

// What the coefficient-estimation wizard hands back on Finish: the chosen
// streams and utilities as combined indices (process stream k as k, utility
// k as the number of process streams + k), the correlation and the 20 values.
struct ResultadoEstimacion {
  std::vector<std::uint32_t> elegidas;
  std::int32_t correlacion = 0;
  std::array<double, kNumPropiedadesFisicas> valores{};
};

// The stream reference of a combined index: below the number of process
// streams the index itself, otherwise kRefServicio + (index - that number); -1 when
// that names no utility.
std::int32_t RefDeIndiceCombinado(const CDiagrama& d, std::uint32_t indice);

// The film coefficient correlation c estimates from the 20 values; nullopt
// when that is not a finite number above 0 (a value 0 or negative, fins
// thicker than their spacing), which no stream may be given.
std::optional<double> CoeficienteEstimado(std::int32_t c,
                                          const std::array<double, kNumPropiedadesFisicas>& valores);
inline constexpr const char* kMsgEstimacionNoValida =
    "Con estos datos el coeficiente estimado no es un número mayor que 0. Revise los valores.";

// Gives each chosen stream or utility, in the list's order, the correlation
// and the 20 values and lets it estimate its film coefficient. A process
// stream of a split stands for the whole split: its whole stream and every
// branch get them. Entries that name nothing are skipped. Nothing changes,
// and false is returned, when the estimate is no coefficient
// (CoeficienteEstimado).
bool AplicarEstimacion(CDiagrama& d, const ResultadoEstimacion& r);

}  // namespace vardo
