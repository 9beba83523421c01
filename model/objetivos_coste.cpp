// Cost targets: capital cost from the unit and area targets with the cost
// laws brought to one reference law through the film coefficients (one
// problem table, the composites built once), and the operating cost of the
// utilities.
#include "model/objetivos_coste.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "model/objetivos_area.h"
#include "model/objetivos_comun.h"
#include "model/tabla_problema.h"

namespace vardo {

namespace {

// Beyond this many years the sum is taken in closed form.
constexpr double kMaxTerminosSuma = 10000.0;

struct LeyCoste {
  double a, b, c;
};

// The reference law: the first process stream's; without streams the first
// utility's, and without either the heater law of the network.
LeyCoste LeyReferencia(const CDiagrama& d) {
  if (!d.m_corrientes.empty()) {
    const CCorriente& c = d.m_corrientes.front();
    return {c.m_a, c.m_b, c.m_c};
  }
  if (!d.m_servicios.empty()) {
    const CServicios& s = d.m_servicios.front();
    return {s.m_a, s.m_b, s.m_c};
  }
  return {d.m_a1, d.m_b1, d.m_c1};
}

}  // namespace

double FactorLeyCoste(double b0, double c0, double b, double c, double aPorUnidad) {
  if (!(b0 > 0.0) || !(c0 > 0.0) || !(b > 0.0) || !(c > 0.0)) return 1.0;
  double f = std::pow(b0 / b, 1.0 / c0);
  if (aPorUnidad > 0.0) f *= std::pow(aPorUnidad, 1.0 - c / c0);
  return (std::isfinite(f) && f > 0.0) ? f : 1.0;
}

double FactorAmortizacion(double anos, double interes) {
  if (!(anos > 0.0)) return 0.0;
  const double n = std::ceil(anos);
  const double r = 1.0 + interes / 100.0;
  if (n > kMaxTerminosSuma) {
    if (r == 1.0) return n;
    return (std::pow(r, n) - 1.0) / (r - 1.0);
  }
  double total = 0.0;
  double termino = 1.0;
  for (double i = 0.0; i < anos; i += 1.0) {
    total += termino;
    termino *= r;
  }
  return total;
}

double objetivos::CosteCapital(const CDiagrama& d, const Base& b, const ProblemaArea& pa, double P,
                               double half) {
  const double A = pa.Area(d, b, FactoresPelicula{});
  // An unbounded area costs without bound over any amortization period.
  if (std::isinf(A) && d.m_amortizacion > 0.0) return std::numeric_limits<double>::infinity();
  std::int32_t N = Unidades(d, b, P, half);
  if (N <= 0) N = 1;
  const double aN = A / N;

  // Every other cost law is folded into the reference one by scaling the
  // film coefficients, so that one area with the reference law costs the same.
  const LeyCoste ref = LeyReferencia(d);
  FactoresPelicula f;
  f.corrientes.resize(d.m_corrientes.size(), 1.0);
  for (std::size_t k = 1; k < d.m_corrientes.size(); ++k) {
    const CCorriente& c = d.m_corrientes[k];
    f.corrientes[k] = FactorLeyCoste(ref.b, ref.c, c.m_b, c.m_c, aN);
  }
  f.servicios.resize(d.m_servicios.size(), 1.0);
  for (std::size_t k = 0; k < d.m_servicios.size(); ++k) {
    const CServicios& s = d.m_servicios[k];
    f.servicios[k] = FactorLeyCoste(ref.b, ref.c, s.m_b, s.m_c, aN);
  }
  // Heaters use the first law of the network, coolers the second.
  f.calienteGenerico = FactorLeyCoste(ref.b, ref.c, d.m_b1, d.m_c1, aN);
  f.frioGenerico = FactorLeyCoste(ref.b, ref.c, d.m_b2, d.m_c2, aN);
  // With every law equal to the reference one the second area is the first.
  auto uno = [](double x) { return x == 1.0; };
  const bool iguales = std::all_of(f.corrientes.begin(), f.corrientes.end(), uno) &&
                       std::all_of(f.servicios.begin(), f.servicios.end(), uno) &&
                       uno(f.calienteGenerico) && uno(f.frioGenerico);
  const double A2 = iguales ? A : pa.Area(d, b, f);

  const double anos = d.m_amortizacion;
  if (!(anos > 0.0)) return 0.0;
  const double K = N * (ref.a + ref.b * std::pow(A2 / N, ref.c)) / anos;
  return K * FactorAmortizacion(anos, d.m_interes) * d.m_factorLang;
}

double CosteInmovilizado(CDiagrama& d, std::int32_t soloObjetivos) {
  // One process table: its ends are the residual needs and its pinch splits
  // the units.
  const objetivos::Base b = objetivos::PrepararBase(d, soloObjetivos, objetivos::Proceso::Calcular,
                                                    objetivos::OrigenGenericas::ConServicios);
  return objetivos::CosteCapital(d, b, objetivos::ProblemaDelHilo(d, b.participan), d.m_tPinch,
                                 d.m_dtMin / 2.0);
}

double CosteOperacion(CDiagrama& d, std::int32_t soloObjetivos) {
  d.CalcularObjetivos();
  const double qh = d.m_cascada.empty() ? 0.0 : d.m_cascada.front();
  const double qc = d.m_cascada.empty() ? 0.0 : d.m_cascada.back();
  if (soloObjetivos == 0 && d.m_serviciosVisibles != 0 && d.ServiciosCubrenProblema()) {
    // The utilities that take part in the targets (all of them while no
    // integrity area is shown).
    const bool activas = AreasActivas(d.m_areas);
    double total = 0.0;
    for (const CServicios& s : d.m_servicios)
      if (Considerada(s, d.m_areas, activas)) total += s.m_carga * s.m_coste;
    return total;
  }
  return qc * d.m_costeFrio + qh * d.m_costeCaliente;
}

}  // namespace vardo
