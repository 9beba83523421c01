#include "app/core/analysis/tablas_resultados.h"

#include <cmath>
#include <functional>

#include "app/core/analysis/factibilidad.h"
#include "app/core/charts/texto_grafico.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

bool Latente(const CCorriente& s) { return s.GetCP(kTSentinel, kTSentinel) == kCpLatente; }

std::string Numero(std::int32_t i) { return std::to_string(i + 1); }

// Label of an exchanger side; "S.G." for the generic utility.
std::string EtiquetaLado(std::int32_t ref) {
  return ref == kRefGenerico ? std::string("S.G.") : EtiquetaCorriente(ref);
}

std::string TemperaturaLado(std::int32_t ref, double T) {
  return ref == kRefGenerico ? std::string("-") : NumTexto(T, 7);
}

// One grid of possible matches: rows down the left, columns across the top.
TablaTexto Rejilla(const std::vector<FilaFactibilidad>& filas,
                   const std::vector<FilaFactibilidad>& columnas,
                   const std::function<bool(const FilaFactibilidad&, const FilaFactibilidad&)>& posible) {
  TablaTexto t(filas.size() + 1, std::vector<std::string>(columnas.size() + 1));
  for (std::size_t j = 0; j < columnas.size(); ++j) t[0][j + 1] = EtiquetaCorriente(columnas[j].ref);
  for (std::size_t i = 0; i < filas.size(); ++i) {
    t[i + 1][0] = EtiquetaCorriente(filas[i].ref);
    for (std::size_t j = 0; j < columnas.size(); ++j)
      if (posible(filas[i], columnas[j])) t[i + 1][j + 1].push_back('*');
  }
  return t;
}

}  // namespace

TablaTexto TablaCorrientes(const CDiagrama& d) {
  TablaTexto t{{"Corriente", "Descripción", "Tipo", "Tipo calor", "T1 (K)", "T2 (K)", "H (kW)",
                "mcp (kW/K)"}};
  for (std::int32_t i = 0; i < d.GetNumCorrientes(); ++i) {
    const CCorriente& s = d.m_corrientes[static_cast<std::size_t>(i)];
    const bool latente = Latente(s);
    t.push_back({Numero(i), s.GetNombre(), s.m_fria ? "Fría" : "Caliente",
                 latente ? "Latente" : "Sensible", NumTexto(s.GetT1(), 7), NumTexto(s.GetT2(), 7),
                 NumTexto(s.GetH(kTSentinel, 1), 7),
                 latente ? "-" : NumTexto(s.GetCP(kTSentinel, kTSentinel), 7)});
  }
  return t;
}

TablaTexto TablaCambiadores(const CDiagrama& d) {
  TablaTexto t{{"Cambiador", "Carga (kW)", "C. caliente", "T1 (K)", "T2 (K)", "C. fría", "T1 (K)",
                "T2 (K)", "Área (m2)", "Coste ($)"}};
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i) {
    const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(i)];
    const std::int32_t rc = c.ladoCaliente.ref;
    const std::int32_t rf = c.ladoFrio.ref;
    t.push_back({Numero(i), NumTexto(c.q, 7), EtiquetaLado(rc), TemperaturaLado(rc, c.tEntradaCaliente),
                 TemperaturaLado(rc, c.tSalidaCaliente), EtiquetaLado(rf),
                 TemperaturaLado(rf, c.tEntradaFria), TemperaturaLado(rf, c.tSalidaFria),
                 NumTexto(AreaCambiador(d, i), 5), NumTexto(CosteCambiadores(d, i), 4)});
  }
  return t;
}

TablaTexto TablaServicios(const CDiagrama& d) {
  TablaTexto t{{"Nº", "Descripción", "Tipo", "Tipo calor", "T1(K)", "T2(K)", "H (kW)",
                "m·cp(kW/K)", "Coste ($/kWa)", "Coste anual ($/a)"}};
  for (std::int32_t k = 0; k < d.GetNumServicios(); ++k) {
    const CServicios& s = d.m_servicios[static_cast<std::size_t>(k)];
    const bool noLineal = s.m_lineal == 0;
    const bool latente = !noLineal && Latente(s);
    const double salto = s.GetT2() - s.GetT1();
    const std::string mcp =
        latente || salto == 0.0 ? std::string("-") : NumTexto(std::fabs(s.m_carga / salto));
    t.push_back({std::to_string(k + 1), s.GetNombre(), s.m_fria ? "Refrigeración" : "Calefacción",
                 noLineal ? "No Lineal" : (latente ? "Latente" : "Sensible"), NumTexto(s.GetT1()),
                 NumTexto(s.GetT2()), NumTexto(s.m_carga), mcp, NumTexto(s.m_coste),
                 NumTexto(s.m_coste * s.m_carga)});
  }
  return t;
}

bool EmparejamientoPosible(int lado, double mcpCaliente, double mcpFria) {
  if (lado == kLadoCaliente)
    return (mcpCaliente <= mcpFria && mcpCaliente != kCpLatente) || mcpFria == kCpLatente;
  return (mcpFria <= mcpCaliente && mcpFria != kCpLatente) || mcpCaliente == kCpLatente;
}

TablaEmparejamientos TablaEmparejamientosPosibles(CDiagrama& d, int pinch) {
  const ListadoFactibilidad arriba =
      ListarCorrientesPinch(d, pinch, kLadoCaliente, kReglaTablaEmparejamientos);
  const ListadoFactibilidad abajo =
      ListarCorrientesPinch(d, pinch, kLadoFrio, kReglaTablaEmparejamientos);
  TablaEmparejamientos t;
  t.ladoCaliente = Rejilla(arriba.frias, arriba.calientes,
                           [](const FilaFactibilidad& c, const FilaFactibilidad& h) {
                             return EmparejamientoPosible(kLadoCaliente, h.mcp, c.mcp);
                           });
  t.ladoFrio = Rejilla(abajo.calientes, abajo.frias,
                       [](const FilaFactibilidad& h, const FilaFactibilidad& c) {
                         return EmparejamientoPosible(kLadoFrio, h.mcp, c.mcp);
                       });
  return t;
}

std::vector<FilaCrucePinch> ListarCrucePinch(CDiagrama& d) {
  std::vector<FilaCrucePinch> filas;
  const bool hayAreas = HayAreasMostradas(d);
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i) {
    if (!CambiadorEnAreaMostrada(d, d.m_cambiadores[static_cast<std::size_t>(i)], hayAreas))
      continue;
    const double q = CalorCrucePinch(d, i);
    if (!(q > 0.0)) continue;
    filas.push_back({i, q, Numero(i), NumTexto(q), TextoComa(q)});
  }
  return filas;
}

}  // namespace vardo
