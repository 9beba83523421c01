#include "app/core/entry/estimacion_coeficientes.h"

#include "model/constantes.h"

namespace vardo {

std::uint32_t IndiceCombinado(const CDiagrama& d, std::int32_t ref) {
  return static_cast<std::uint32_t>(EsServicio(ref) ? d.GetNumCorrientes() + IndiceServicio(ref)
                                                    : ref);
}

ResultadoEstimacion EstimacionInicial(const CDiagrama& d, std::int32_t ref) {
  ResultadoEstimacion e;
  const CCorriente& c = d.GetCorriente(ref);
  e.correlacion =
      c.m_correlacion < 0 || c.m_correlacion >= kNumCorrelacionesH ? 0 : c.m_correlacion;
  for (int k = 0; k < kNumPropiedadesFisicas; ++k)
    e.valores[static_cast<std::size_t>(k)] = ValorPropiedad(c, k);
  if (d.RefValida(ref)) e.elegidas.push_back(IndiceCombinado(d, ref));
  return e;
}

}  // namespace vardo
