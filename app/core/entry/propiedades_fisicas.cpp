#include "app/core/entry/propiedades_fisicas.h"

#include <cmath>
#include <initializer_list>

#include "app/core/entry/corriente_edicion.h"
#include "model/constantes.h"

namespace vardo {

namespace {

const std::array<PropiedadFisica, kNumPropiedadesFisicas> kPropiedades{{
    {"Conductividad calorífica:", "W/(m·K)", 0.6},
    {"Viscosidad:", "kg/(m·s)", 0.001},
    {"Densidad:", "kg/m3", 1000.0},
    {"Densidad del líquido:", "kg/m3", 1000.0},
    {"Densidad del vapor:", "kg/m3", 1.0},
    {"Capacidad calorífica:", "J/(kg·K)", 4180.0},
    {"Velocidad de flujo:", "m/s", 2.0},
    {"Diámetro de la tubería:", "m", 0.1},
    {"Calor de vaporización:", "J/kg", 20000.0},
    {"Tensión superficial:", "N/m", 0.055},
    {"Separación entre aletas:", "m", 0.01},
    {"Espesor de la aleta:", "m", 0.002},
    {"Longitud de la aleta:", "m", 0.006},
    {"Diámetro interior:", "m", 0.08},
    {"Diámetro exterior:", "m", 0.1},
    {"Diámetro del tanque:", "m", 1.0},
    {"Separación placas:", "m", 0.05},
    {"Diámetro del agitador:", "m", 0.1},
    {"Velocidad de giro:", "Hz", 50.0},
    {"Diámetro de la espiral:", "m", 0.05},
}};

constexpr std::uint32_t Bits(std::initializer_list<int> ks) {
  std::uint32_t b = 0;
  for (int k : ks) b |= 1u << k;
  return b;
}

struct Fila {
  const char* formula;
  std::uint32_t usa;
};

// The list text of each correlation is the model's name for it.
const std::array<CorrelacionH, kNumCorrelacionesH>& Tabla() {
  static const std::array<Fila, kNumCorrelacionesH> kFilas{{
      {"Nu=0.023*Re^0.8*Pr^0.33", Bits({0, 1, 2, 5, 6, 7})},
      {"Nu=0.26*Re^0.6*Pr^0.3", Bits({0, 1, 2, 5, 6, 7})},
      {"Nu=0.021*Re^0.8*Pr^0.43*(1+(pl/pv)^0.5)/2", Bits({0, 1, 3, 4, 5, 6, 7})},
      {"h=0.00122*(kl^0.79*Cpl^0.45*pl^0.49)/(s^0.5*mul^0.29*Hv^0.24*pv^0.24)",
       Bits({0, 1, 3, 4, 5, 6, 7, 8, 9})},
      {"Nu=0.134*Re^0.681*Pr^0.33*((pf-tf)/lf)^0.2*(pf/tf)^0.1134",
       Bits({0, 1, 2, 5, 6, 7, 10, 11, 12})},
      {"Nu=0.26*Re^0.65*Pr^0.4", Bits({0, 1, 2, 5, 6, 16})},
      {"Nu=0.031*Re*Pr*(d2/d1)^0.15", Bits({0, 1, 2, 5, 6, 13, 14})},
      {"Nu=0.023*Re^0.8*Pr^0.4*(1+3.5*d/dc)", Bits({0, 1, 2, 5, 6, 7, 19})},
      {"Nu=0.9*Re^0.62*Pr^0.33", Bits({0, 1, 2, 5, 17, 18})},
      {"Nu=0.36*Re^0.67*Pr^0.33", Bits({0, 1, 2, 5, 15, 17, 18})},
  }};
  static const std::array<CorrelacionH, kNumCorrelacionesH> tabla = [] {
    std::array<CorrelacionH, kNumCorrelacionesH> t{};
    for (int c = 0; c < kNumCorrelacionesH; ++c)
      t[c] = {CCorriente::NombreCorrelacion(c), kFilas[c].formula, kFilas[c].usa};
    return t;
  }();
  return tabla;
}

}  // namespace

const PropiedadFisica& Propiedad(int k) { return kPropiedades.at(static_cast<std::size_t>(k)); }

const CorrelacionH& Correlacion(int c) { return Tabla().at(static_cast<std::size_t>(c)); }

bool CorrelacionUsa(int c, int k) {
  if (c < 0 || c >= kNumCorrelacionesH || k < 0 || k >= kNumPropiedadesFisicas) return false;
  return (Tabla()[static_cast<std::size_t>(c)].usa >> k) & 1u;
}

bool CorrelacionNecesita(int c, int k) {
  return CorrelacionUsa(c, k) || (k == kPropDiametroTuberia && (c == 6 || c == 8));
}

std::string MensajeValorPositivo(int k) {
  std::string campo = Propiedad(k).etiqueta;
  if (!campo.empty() && campo.back() == ':') campo.pop_back();
  return "Introduzca en \"" + campo + "\" un número mayor que 0.";
}

double ValorPropiedad(const CCorriente& c, int k) { return c.Propiedad(k + 1); }

void SetValorPropiedad(CCorriente& c, int k, double v) {
  if (k >= 0 && k < kNumPropiedadesFisicas) c.Propiedad(k + 1) = v;
}

std::int32_t RefDeIndiceCombinado(const CDiagrama& d, std::uint32_t indice) {
  const auto n = static_cast<std::uint32_t>(d.GetNumCorrientes());
  if (indice < n) return static_cast<std::int32_t>(indice);
  const std::uint32_t k = indice - n;
  if (k >= static_cast<std::uint32_t>(d.GetNumServicios())) return kRefGenerico;
  return kRefServicio + static_cast<std::int32_t>(k);
}

std::optional<double> CoeficienteEstimado(std::int32_t c,
                                          const std::array<double, kNumPropiedadesFisicas>& valores) {
  CCorriente prueba;
  prueba.m_correlacion = c;
  for (int k = 0; k < kNumPropiedadesFisicas; ++k) SetValorPropiedad(prueba, k, valores[k]);
  prueba.EstimarH();
  if (!std::isfinite(prueba.m_h) || !(prueba.m_h > 0.0)) return std::nullopt;
  return prueba.m_h;
}

bool AplicarEstimacion(CDiagrama& d, const ResultadoEstimacion& r) {
  if (!CoeficienteEstimado(r.correlacion, r.valores)) return false;
  auto aplicar = [&r](CCorriente& c) {
    c.m_correlacion = r.correlacion;
    for (int k = 0; k < kNumPropiedadesFisicas; ++k) SetValorPropiedad(c, k, r.valores[k]);
    c.EstimarH();
  };
  for (std::uint32_t indice : r.elegidas) {
    const std::int32_t ref = RefDeIndiceCombinado(d, indice);
    if (!d.RefValida(ref)) continue;
    if (EsServicio(ref)) aplicar(d.GetCorriente(ref));
    else CambiarCorrienteYRamas(d, ref, aplicar);
  }
  return true;
}

}  // namespace vardo
