#include "app/core/analysis/dt_optima.h"

#include <limits>

namespace vardo {

namespace {

// Operating cost and capital cost per year at the DT min d holds. Without a
// positive amortization period there is no capital cost per year.
void Costes(CDiagrama& d, double& operacion, double& inmovilizado) {
  inmovilizado = d.m_amortizacion > 0.0 ? d.CosteInmovilizado(0) / d.m_amortizacion
                                        : std::numeric_limits<double>::quiet_NaN();
  operacion = d.CosteOperacion(0);
}

}  // namespace

ResultadoDTOptima BuscarDTOptima(CDiagrama& d, const std::function<void(int)>& alPaso) {
  const double dtInicial = d.m_dtMin;
  double mejorTotal = 1e300;
  double mejorDT = 0.0;
  bool encontrado = false;
  d.m_serviciosVisibles = 0;

  int pasos = 0;
  for (double dt = 0.1; dt <= 50.0; dt += 0.1) {
    d.SetDTMin(dt);
    d.CalcularObjetivos();
    double operacion = 0.0, inmovilizado = 0.0;
    Costes(d, operacion, inmovilizado);
    const double total = inmovilizado + operacion;
    // Strictly less: among equal totals the smallest DT min stays.
    if (total < mejorTotal) {
      mejorTotal = total;
      mejorDT = dt;
      encontrado = true;
    }
    ++pasos;
    if (alPaso) alPaso(pasos);
  }

  ResultadoDTOptima r;
  d.SetDTMin(encontrado ? mejorDT : dtInicial);
  d.CalcularObjetivos();
  if (!encontrado) return r;
  r.encontrado = true;
  r.dtMin = mejorDT;
  Costes(d, r.costeOperacion, r.costeInmovilizado);
  r.costeTotal = mejorTotal;
  return r;
}

}  // namespace vardo
