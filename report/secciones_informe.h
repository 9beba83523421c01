// The sections of the report page, in page order. Each writes its own
// pieces through the page, under the flags of the options.
#pragma once
#include <string>
#include <vector>

#include "model/corriente.h"
#include "report/pagina_informe.h"

namespace vardo {

// The process streams or the utilities, for the tables both share.
struct GrupoCorrientes {
  const char* nombre;  // "Corriente" or "Servicio": first header cell, enthalpy-table titles
  bool servicios;
  std::vector<const CCorriente*> lista;
};
GrupoCorrientes GrupoProceso(const CDiagrama& d);
GrupoCorrientes GrupoServicios(const CDiagrama& d);

// Tables the streams and the utilities share. titulo is the heading's text.
std::string TablaCorrientesHtml(const GrupoCorrientes& g, const char* titulo);
std::string PropiedadesHtml(const GrupoCorrientes& g);
std::string EntalpiasHtml(const GrupoCorrientes& g, const char* titulo);
std::string CostesCoeficientesHtml(const GrupoCorrientes& g);
std::string EstimacionHtml(const GrupoCorrientes& g);

// Streams: their tables, cascade, targets, feasibility, the four charts and
// the integrity areas.
void SeccionesCorrientes(PaginaInforme& p);
// Exchangers: tables, set values, grid diagram, remaining problem,
// matches across the pinch.
void SeccionesCambiadores(PaginaInforme& p);
// Utilities.
void SeccionesServicios(PaginaInforme& p);
// Loops and paths, node matrix, disturbance paths.
void SeccionesAnillos(PaginaInforme& p);
// The seven charts against DT min.
void SeccionesDTMin(PaginaInforme& p);

}  // namespace vardo
