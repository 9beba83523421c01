// Utility loads of least cost by a linear programme over the heat cascade
// with utilities, solved by GLPK's simplex method.
#include "model/cascada_lp.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "model/constantes.h"
#include "model/tabla_problema.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

std::string Nombre(const char* prefijo, std::size_t i) { return prefijo + std::to_string(i); }

bool Finitos(const std::vector<double>& v) {
  for (double x : v)
    if (!std::isfinite(x)) return false;
  return true;
}

struct Estado {
  std::vector<double> cargas;
  std::int32_t n;
  std::vector<double> T, Q, C;
};

Estado Guardar(const CDiagrama& d) {
  Estado e;
  for (const CServicios& s : d.m_servicios) e.cargas.push_back(s.m_carga);
  e.n = d.m_numIntervalosConServ;
  e.T = d.m_temperaturasConServ;
  e.Q = d.m_caloresConServ;
  e.C = d.m_cascadaConServ;
  return e;
}

void Restaurar(CDiagrama& d, const Estado& e) {
  for (std::size_t k = 0; k < d.m_servicios.size() && k < e.cargas.size(); ++k)
    d.m_servicios[k].m_carga = e.cargas[k];
  d.m_numIntervalosConServ = e.n;
  d.m_temperaturasConServ = e.T;
  d.m_caloresConServ = e.Q;
  d.m_cascadaConServ = e.C;
}

}  // namespace

DatosCascadaLP DatosCascada(const CDiagrama& d) {
  DatosCascadaLP datos;
  const GrupoCorrientes proceso = CorrientesConsideradas(d.m_corrientes, d.m_areas);
  const bool activas = AreasActivas(d.m_areas);

  // Each considered utility at a load of 1 kW: its heat per kW of load, and
  // the boundaries a latent utility needs (a zero-width interval) whatever
  // its present load.
  std::vector<CServicios> unitarios;
  unitarios.reserve(d.m_servicios.size());
  std::vector<int> indice(d.m_servicios.size(), -1);
  for (std::size_t k = 0; k < d.m_servicios.size(); ++k) {
    if (!Considerada(d.m_servicios[k], d.m_areas, activas)) continue;
    indice[k] = static_cast<int>(unitarios.size());
    unitarios.push_back(d.m_servicios[k]);
    unitarios.back().m_carga = 1.0;
  }
  GrupoCorrientes servicios;
  for (const CServicios& u : unitarios) servicios.push_back(&u);

  const std::array<GrupoCorrientes, 2> pool = {proceso, servicios};
  datos.T = CalcularIntervalosTabla(pool, d.m_dtMin);
  datos.Q = CalcularCascadaTabla(proceso, d.m_dtMin, datos.T).Q;
  datos.q.resize(d.m_servicios.size());
  datos.coste.resize(d.m_servicios.size());
  for (std::size_t k = 0; k < d.m_servicios.size(); ++k) {
    datos.coste[k] = d.m_servicios[k].m_coste;
    if (indice[k] < 0) continue;
    const GrupoCorrientes uno = {&unitarios[static_cast<std::size_t>(indice[k])]};
    datos.q[k] = CalcularCascadaTabla(uno, d.m_dtMin, datos.T).Q;
  }
  return datos;
}

glp_prob* CrearProblemaCascada(const DatosCascadaLP& datos) {
  const int n = static_cast<int>(datos.T.size());
  const int m = static_cast<int>(datos.q.size());
  glp_prob* lp = glp_create_prob();
  glp_set_prob_name(lp, "cascada");
  glp_set_obj_dir(lp, GLP_MIN);

  if (n + m > 0) glp_add_cols(lp, n + m);
  for (int i = 0; i < n; ++i) {
    const int col = i + 1;
    glp_set_col_name(lp, col, Nombre("H", static_cast<std::size_t>(i)).c_str());
    // No heat enters above the top boundary or leaves below the bottom one.
    if (i == 0 || i == n - 1)
      glp_set_col_bnds(lp, col, GLP_FX, 0.0, 0.0);
    else
      glp_set_col_bnds(lp, col, GLP_LO, 0.0, 0.0);
    glp_set_obj_coef(lp, col, 0.0);
  }
  for (int k = 0; k < m; ++k) {
    const int col = n + 1 + k;
    glp_set_col_name(lp, col, Nombre("U", static_cast<std::size_t>(k)).c_str());
    const bool participa = !datos.q[static_cast<std::size_t>(k)].empty();
    if (participa)
      glp_set_col_bnds(lp, col, GLP_LO, 0.0, 0.0);
    else
      glp_set_col_bnds(lp, col, GLP_FX, 0.0, 0.0);
    glp_set_obj_coef(lp, col, participa ? datos.coste[static_cast<std::size_t>(k)] : 0.0);
  }

  if (n > 1) glp_add_rows(lp, n - 1);
  // GLPK arrays are 1-based: element 0 is unused.
  std::vector<int> ind(static_cast<std::size_t>(2 + m + 1));
  std::vector<double> val(ind.size());
  for (int i = 1; i < n; ++i) {
    const double Qi = i < static_cast<int>(datos.Q.size()) ? datos.Q[static_cast<std::size_t>(i)] : 0.0;
    glp_set_row_name(lp, i, Nombre("Hp", static_cast<std::size_t>(i)).c_str());
    glp_set_row_bnds(lp, i, GLP_FX, Qi, Qi);
    int len = 0;
    ind[static_cast<std::size_t>(++len)] = i;  // H(i-1): heat coming in from above
    val[static_cast<std::size_t>(len)] = 1.0;
    ind[static_cast<std::size_t>(++len)] = i + 1;  // H(i): heat going on below
    val[static_cast<std::size_t>(len)] = -1.0;
    for (int k = 0; k < m; ++k) {
      const std::vector<double>& qk = datos.q[static_cast<std::size_t>(k)];
      if (static_cast<int>(qk.size()) <= i) continue;
      // A utility's demand in the interval takes heat from the cascade.
      const double a = -qk[static_cast<std::size_t>(i)];
      if (a == 0.0) continue;
      ind[static_cast<std::size_t>(++len)] = n + 1 + k;
      val[static_cast<std::size_t>(len)] = a;
    }
    glp_set_mat_row(lp, i, len, ind.data(), val.data());
  }
  return lp;
}

void CascadaLP(CDiagrama& d, UiPort& ui) {
  const Estado antes = Guardar(d);
  const DatosCascadaLP datos = DatosCascada(d);
  const std::size_t n = datos.T.size();
  const std::size_t m = datos.q.size();

  ui.Message(NumTexto(static_cast<double>(n)));

  bool valido = Finitos(datos.T) && Finitos(datos.Q) && Finitos(datos.coste);
  for (const auto& qk : datos.q) valido = valido && Finitos(qk);

  const char* fallo = nullptr;
  std::vector<double> H(n, 0.0);
  std::vector<double> U(m, 0.0);
  if (!valido) {
    fallo = kTextoLPError;
  } else {
    glp_prob* lp = CrearProblemaCascada(datos);
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    const int ret = glp_simplex(lp, &parm);
    const int estado = glp_get_status(lp);
    if (ret != 0) {
      fallo = kTextoLPError;
    } else if (estado == GLP_OPT) {
      for (std::size_t i = 0; i < n; ++i) H[i] = glp_get_col_prim(lp, static_cast<int>(i) + 1);
      for (std::size_t k = 0; k < m; ++k)
        U[k] = glp_get_col_prim(lp, static_cast<int>(n + 1 + k));
    } else if (estado == GLP_UNBND) {
      fallo = kTextoLPNoAcotado;
    } else if (estado == GLP_NOFEAS || estado == GLP_INFEAS) {
      fallo = kTextoLPInfactible;
    } else {
      fallo = kTextoLPError;
    }
    glp_delete_prob(lp);
  }

  if (fallo) {
    Restaurar(d, antes);
    ui.Message(fallo, MsgKind::Warning);
    return;
  }

  // Loads of the utilities that take part; round-off below the heat
  // tolerance is no load.
  for (std::size_t k = 0; k < m; ++k) {
    if (datos.q[k].empty()) continue;
    d.m_servicios[k].m_carga = U[k] < kTolH ? 0.0 : U[k];
  }
  std::vector<double> Q = datos.Q;
  for (std::size_t k = 0; k < m; ++k) {
    if (datos.q[k].empty()) continue;
    const double carga = d.m_servicios[k].m_carga;
    for (std::size_t i = 0; i < n && i < datos.q[k].size(); ++i) Q[i] += datos.q[k][i] * carga;
  }
  for (double& h : H)
    if (h < kTolH) h = 0.0;
  d.m_numIntervalosConServ = static_cast<std::int32_t>(n);
  d.m_temperaturasConServ = datos.T;
  d.m_caloresConServ = std::move(Q);
  d.m_cascadaConServ = std::move(H);

  ui.Message(NumTexto(static_cast<double>(n)));
}

void CascadaLP(CDiagrama& d) { CascadaLP(d, DefaultUiPort()); }

}  // namespace vardo
