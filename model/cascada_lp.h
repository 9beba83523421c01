// Utility loads of least cost by a linear programme over the heat cascade
// with utilities. Columns H0..H(n-1) are the heat cascaded across each
// interval boundary (at least 0; nothing enters above the top boundary and
// nothing leaves below the bottom one), columns U0..U(m-1) the utilities'
// loads (at least 0, cost = unit cost); row Hp i closes interval i:
//   H(i-1) - H(i) + (heat utility k gives in interval i per kW of load) · Uk = Q[i]
// with Q[i] the process's net heat demand of the interval. The intervals are
// the joint ones of the considered streams and utilities.
#pragma once
#include <glpk.h>

#include <string>
#include <vector>

#include "model/diagrama.h"
#include "platform/core/uiport.h"

namespace vardo {

// What the programme is built from.
struct DatosCascadaLP {
  std::vector<double> T;  // joint interval temperatures, shifted, falling
  std::vector<double> Q;  // the process's interval heats on T
  // Per utility (array order): its interval heats on T at a load of 1 kW,
  // as net demand (positive for a cold utility); empty for a utility that
  // takes no part (outside the shown integrity areas), whose load is fixed.
  std::vector<std::vector<double>> q;
  std::vector<double> coste;  // unit cost per utility, $/(kW·year)
};

// Gathers the data from the network's considered streams and utilities.
DatosCascadaLP DatosCascada(const CDiagrama& d);

// The GLPK problem "cascada" of the data; the caller deletes it.
glp_prob* CrearProblemaCascada(const DatosCascadaLP& datos);

// Messages when the programme has no solution; the loads and the cascade
// with utilities are then left as they were.
inline constexpr const char* kTextoLPInfactible =
    "Los servicios definidos no pueden cubrir exactamente las necesidades del proceso.\n"
    "Se mantienen las cargas anteriores.";
inline constexpr const char* kTextoLPNoAcotado =
    "La optimización de los servicios no tiene límite: revise los costes unitarios.\n"
    "Se mantienen las cargas anteriores.";
inline constexpr const char* kTextoLPError =
    "No se ha podido resolver la optimización de los servicios.\n"
    "Se mantienen las cargas anteriores.";

// Solves the programme and writes the loads of the utilities that take part
// and the cascade with utilities (temperatures, heats, cascaded heats). The
// number of cascade entries is shown before and after solving.
void CascadaLP(CDiagrama& d, UiPort& ui);
void CascadaLP(CDiagrama& d);  // through DefaultUiPort()

}  // namespace vardo
