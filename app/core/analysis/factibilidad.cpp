#include "app/core/analysis/factibilidad.h"

#include <cmath>

#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

// Two temperatures meet when they lie within 0.001 K of each other.
bool EnPinch(double a, double b) { return std::fabs(a - b) <= kTolSpan; }

TemperaturasPinch Temperaturas(double T, double dtMin) {
  return {T, T + dtMin / 2.0, T - dtMin / 2.0};
}

bool Listada(const CCorriente& s, int lado, const TemperaturasPinch& p, ReglaListado regla) {
  const double t1 = s.GetT1();
  const double t2 = s.GetT2();
  const bool conCalor = std::fabs(s.GetH(kTSentinel, 1)) > 0.0;
  const bool sinCalorBasta = regla.enPinchSinCalor;
  if (!s.m_fria) {
    if (lado == kLadoCaliente) return conCalor && t1 > p.Th && t2 <= p.Th;
    if (conCalor && t1 >= p.Th && p.Th > t2) return true;
    return (conCalor || sinCalorBasta) && EnPinch(t1, p.Th) && EnPinch(t2, p.Th);
  }
  if (lado == kLadoFrio) return conCalor && t1 < p.Tc && p.Tc <= t2;
  if (conCalor && t1 <= p.Tc && p.Tc < t2) return true;
  return (conCalor || sinCalorBasta) && EnPinch(t1, p.Tc) && EnPinch(t2, p.Tc);
}

void Considerar(const CDiagrama& d, std::int32_t ref, int lado, const TemperaturasPinch& p,
                ReglaListado regla, bool hayAreas, ListadoFactibilidad& l) {
  if (regla.filtroAreas && !CorrienteEnAreaMostrada(d, ref, hayAreas)) return;
  const CCorriente& s = d.GetCorriente(ref);
  if (!Listada(s, lado, p, regla)) return;
  const double mcp = McpEnLado(s, lado, p);
  (s.m_fria ? l.frias : l.calientes).push_back({ref, mcp, TextoFilaFactibilidad(ref, mcp)});
}

}  // namespace

std::optional<TemperaturasPinch> TemperaturaPinch(CDiagrama& d, int k) {
  d.CalcularObjetivos();
  d.CalcularObjetivosServicios();
  if (k == 0) return Temperaturas(d.m_tPinch, d.m_dtMin);
  const std::vector<double> pinches = PinchesServicioRed(d);
  if (k < 0 || static_cast<std::size_t>(k) > pinches.size()) return std::nullopt;
  return Temperaturas(pinches[static_cast<std::size_t>(k) - 1], d.m_dtMin);
}

std::vector<std::string> TextosPinches(CDiagrama& d) {
  std::vector<std::string> textos{kTextoPinchProceso};
  if (!d.m_serviciosVisibles) return textos;
  d.CalcularObjetivos();
  d.CalcularObjetivosServicios();
  for (double T : PinchesServicioRed(d)) {
    const TemperaturasPinch p = Temperaturas(T, d.m_dtMin);
    textos.push_back("Pinch de Servicios " + NumTexto(p.Th) + " - " + NumTexto(p.Tc));
  }
  return textos;
}

ListadoFactibilidad ListarCorrientesPinch(const CDiagrama& d, const TemperaturasPinch& p,
                                          int lado, ReglaListado regla) {
  ListadoFactibilidad l;
  const bool hayAreas = HayAreasMostradas(d);
  for (std::int32_t i = 0; i < d.GetNumCorrientes(); ++i)
    Considerar(d, i, lado, p, regla, hayAreas, l);
  if (d.m_serviciosVisibles)
    for (std::int32_t k = 0; k < d.GetNumServicios(); ++k)
      Considerar(d, kRefServicio + k, lado, p, regla, hayAreas, l);
  return l;
}

ListadoFactibilidad ListarCorrientesPinch(CDiagrama& d, int pinch, int lado,
                                          ReglaListado regla) {
  const std::optional<TemperaturasPinch> p = TemperaturaPinch(d, pinch);
  if (!p) return {};
  return ListarCorrientesPinch(d, *p, lado, regla);
}

double McpEnLado(const CCorriente& s, int lado, const TemperaturasPinch& p) {
  if (lado == kLadoCaliente)
    return s.m_fria ? s.GetCP(p.Tc, s.GetT2()) : s.GetCP(s.GetT1(), p.Th);
  return s.m_fria ? s.GetCP(s.GetT1(), p.Tc) : s.GetCP(p.Th, s.GetT2());
}

std::string TextoMcp(double mcp) { return mcp == kCpLatente ? std::string("-") : NumTexto(mcp); }

std::string TextoFilaFactibilidad(std::int32_t ref, double mcp) {
  return EtiquetaCorriente(ref) + ": " + TextoMcp(mcp);
}

bool CumpleCriterioMcp(int lado, double mcpCaliente, double mcpFria) {
  if (lado == kLadoCaliente) return mcpCaliente <= mcpFria || mcpFria == kCpLatente;
  return mcpCaliente >= mcpFria || mcpCaliente == kCpLatente;
}

}  // namespace vardo
