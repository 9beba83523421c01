// Problems the analysis dialog tests share.
#pragma once
#include "model/diagrama.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {

// The four-stream problem (DT min 10) with three shown utilities that cover
// it: "Vapor" condensing at 453.15 K (20 kW), "Agua 1" and "Agua 2" boiling
// at 280 and 285 K (30 kW each).
inline CDiagrama CuatroCorrientesConTresServicios() {
  CDiagrama d = CuatroCorrientes();
  const struct {
    const char* nombre;
    double T, carga;
    int fria;
  } servicios[] = {{"Vapor", 453.15, 20, 0}, {"Agua 1", 280, 30, 1}, {"Agua 2", 285, 30, 1}};
  for (const auto& s : servicios) {
    d.m_servicios.push_back(ServicioLatente(s.T, s.carga, s.fria, 10.0));
    d.m_servicios.back().SetNombre(s.nombre);
  }
  d.m_serviciosVisibles = 1;
  return d;
}

// The four streams (not calculated) with one exchanger H2-C3 from the given
// hot inlet and outlet and cold inlet, calculated: from 383.15 to 353.15 K
// with C3 entering at 358.15 K it moves 30 kW across the pinch (363.15 K on
// the hot side).
inline CDiagrama ConCambiadorH2C3(double the, double ths, double tfe) {
  CDiagrama d = CuatroCorrientesSinCalcular();
  d.AddCambiador(kModoTemperaturas, 1, 2, kTipoValor, the, kTipoValor, ths, kTipoValor, tfe, 0,
                 0, 0, 0);
  ReconstruirListas(d);
  d.CalcularRed();
  return d;
}

}  // namespace vardo::prueba
