// Problems and builders the model and chart tests share: the four-stream
// problem with and without its design, utilities, split streams, networks
// built record by record, and the checks that targets were left as the
// problem itself gives them.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "model/anillos.h"
#include "model/cambiador.h"
#include "model/constantes.h"
#include "model/diagrama.h"
#include "model/red.h"
#include "platform/core/uiport.h"

namespace vardo::prueba {

// A test whose code reports through a recording port of its own.
struct ConPuertoUi : ::testing::Test {
  RecordingUiPort ui;
  void SetUp() override { SetDefaultUiPort(&ui); }
  void TearDown() override { SetDefaultUiPort(nullptr); }
};

// C1 293.15->408.15 K m·cp 2, H2 443.15->333.15 m·cp 3, C3 353.15->413.15
// m·cp 4, H4 423.15->303.15 m·cp 1.5 (20->135 °C, 170->60, 80->140,
// 150->30), DT min 10; the targets not yet calculated.
inline CDiagrama CuatroCorrientesSinCalcular() {
  CDiagrama d;
  d.AddCorriente(293.15, 408.15, 2.0, 1, 0);
  d.AddCorriente(443.15, 333.15, 3.0, 0, 0);
  d.AddCorriente(353.15, 413.15, 4.0, 1, 0);
  d.AddCorriente(423.15, 303.15, 1.5, 0, 0);
  d.SetDTMin(10.0);
  return d;
}

// The four-stream problem with its targets: Qh 20, Qc 60, shifted pinch
// 358.15 K (363.15 hot, 353.15 cold). Between 413.15 and 358.15 (shifted)
// the process lacks 1.5 kW/K.
inline CDiagrama CuatroCorrientes() {
  CDiagrama d = CuatroCorrientesSinCalcular();
  d.CalcularObjetivos();
  return d;
}

// Every exchanger on the lists of both its sides, in index order (the lists
// the exchangers dialog keeps).
inline void ReconstruirListas(CDiagrama& d) {
  for (auto& s : d.m_corrientes) s.m_cambiadores.clear();
  for (auto& s : d.m_servicios) s.m_cambiadores.clear();
  for (std::size_t i = 0; i < d.m_cambiadores.size(); ++i)
    for (std::int32_t ref : {d.m_cambiadores[i].ladoCaliente.ref, d.m_cambiadores[i].ladoFrio.ref})
      if (d.RefValida(ref))
        d.GetCorriente(ref).m_cambiadores.push_back(static_cast<std::uint32_t>(i));
}

// The four-stream problem designed at minimum utilities (not calculated):
//   E1 H2–C3 240 kW above the pinch, E2 H4–C1 90 kW above, a heater
//   completing C1 from E2's outlet, E3 H2–C1 90 kW below, E4 H4–C1 30 kW
//   below, and a cooler completing H4 from E4's outlet.
inline CDiagrama DisenoCuatroCorrientes() {
  CDiagrama d = CuatroCorrientesSinCalcular();
  // modo, caliente, fria, (tipo, valor) EC, SC, EF, SF, Q
  d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, kTipoPinch, 0, 0, 0, 1, 240);
  d.AddCambiador(kModoQ, 3, 0, kTipoExtremo, 0, 0, 0, kTipoPinch, 0, 0, 0, 1, 90);
  d.AddCambiador(kModoCompletarFria, -1, 0, 0, 0, 0, 0, kTipoCambiador, 1, 0, 0, 2, 0);
  d.AddCambiador(kModoQ, 1, 0, kTipoCambiador, 0, 0, 0, 0, 0, kTipoPinch, 0, 1, 90);
  d.AddCambiador(kModoQ, 3, 0, kTipoCambiador, 1, 0, 0, 0, 0, kTipoCambiador, 3, 1, 30);
  d.AddCambiador(kModoCompletarCaliente, 3, -1, kTipoCambiador, 4, 0, 0, 0, 0, 0, 0, 3, 0);
  ReconstruirListas(d);
  return d;
}

// The chain of these exchangers (0-based, in picking order) loaded for load
// shifting, as the loop dialogs' OK leaves it; the network calculated.
inline void CargarCadena(CDiagrama& d, std::initializer_list<std::int32_t> cadena,
                         std::int32_t clase) {
  std::int32_t r = kLazoIncompleto;
  for (std::int32_t e : cadena) r = AddCambiadorAnillo(d, e);
  ASSERT_EQ(r, clase);
  d.m_anillo = CAnillo(d.m_lazoEnCurso);
  PrepararAnillo(d);
  DesplazarCargaAnillo(d);
  d.m_anillo.CalcularMinimos(d.m_cambiadores);
  CalcularRed(d);
}

// The four-stream design with 0.5 kW shifted from E5 to E2 along its loop
// 2-5-2 (both H4-C1), calculated: E2's cold inlet ends a rounding error off
// the cold pinch.
inline CDiagrama DisenoConCargaDesplazada() {
  CDiagrama d = DisenoCuatroCorrientes();
  d.CalcularObjetivos();
  CalcularRed(d);
  CargarCadena(d, {1, 4, 1}, kLazoAnillo);
  RelajarAnillo(d, 0.5);
  CalcularRed(d);
  return d;
}

// H1 500 -> 300 K m·cp 1, C2 395 -> 450 K m·cp 2 and C3 boiling at 390 K
// (80 kW), all moved up by t0, DT min 10 (pinch at shifted 395 + t0: 400 K
// hot, 390 K cold); not calculated. At DT min 0 the hot curve meets C3.
inline CDiagrama LatenteEnElPinch(double t0 = 0.0) {
  CDiagrama d;
  d.AddCorriente(500 + t0, 300 + t0, 1, 0, 0);
  d.AddCorriente(395 + t0, 450 + t0, 2, 1, 0);
  d.AddCorriente(390 + t0, 390 + t0, 80, 1, 1);
  d.SetDTMin(10);
  return d;
}

// A utility from T1 to T2: its curve is one step of magnitude 1 scaled by the
// load (negative enthalpies for a hot one); latent when T1 == T2.
inline CServicios Servicio(double T1, double T2, double carga, int fria, double coste = 0.0) {
  CServicios s;
  s.CCorriente::BorrarPuntos();
  s.AddPunto(T1, 0.0);
  s.AddPunto(T2, fria ? 1.0 : -1.0);
  s.m_fria = fria;
  s.m_latente = T1 == T2 ? 1 : 0;
  s.m_carga = carga;
  s.m_coste = coste;
  return s;
}

inline CServicios ServicioLatente(double T, double carga, int fria, double coste = 0.0) {
  return Servicio(T, T, carga, fria, coste);
}

// A sensible utility, cold when it is heated (T2 > T1).
inline CServicios ServicioSensible(double T1, double T2, double carga, double coste = 0.0) {
  return Servicio(T1, T2, carga, T2 > T1 ? 1 : 0, coste);
}

// A hot stream 500 → 300 K (m·cp 1, shifted 495 → 295) whose heat three
// latent cold utilities at 445, 395 and 290 K (45, 50 and 105 kW) take: the
// cascade with utilities falls to zero at 450 and 400 (shifted), the two
// utility pinches, below the process pinch (495).
inline CDiagrama TresServiciosFrios() {
  CDiagrama d;
  d.AddCorriente(500, 300, 1, 0, 0);
  d.SetDTMin(10);
  d.m_servicios.push_back(ServicioLatente(445, 45, 1));
  d.m_servicios.push_back(ServicioLatente(395, 50, 1));
  d.m_servicios.push_back(ServicioLatente(290, 105, 1));
  return d;
}

// The process targets must be those the problem itself gives.
inline void EsperarObjetivosDelProceso(const CDiagrama& d) {
  CDiagrama ref = d;
  ref.CalcularObjetivos();
  ASSERT_EQ(d.m_temperaturas, ref.m_temperaturas);
  EXPECT_EQ(d.m_numIntervalos, ref.m_numIntervalos);
  EXPECT_EQ(d.m_calores, ref.m_calores);
  EXPECT_EQ(d.m_cascada, ref.m_cascada);
  EXPECT_EQ(d.m_tPinch, ref.m_tPinch);
}

// The streams' curves and film coefficients as they were, and as many
// utilities.
inline void EsperarMismasCorrientes(const CDiagrama& d, const CDiagrama& antes) {
  ASSERT_EQ(d.m_corrientes.size(), antes.m_corrientes.size());
  for (std::size_t k = 0; k < d.m_corrientes.size(); ++k) {
    EXPECT_EQ(d.m_corrientes[k].m_T, antes.m_corrientes[k].m_T);
    EXPECT_EQ(d.m_corrientes[k].m_H, antes.m_corrientes[k].m_H);
    EXPECT_EQ(d.m_corrientes[k].m_h, antes.m_corrientes[k].m_h);
  }
  EXPECT_EQ(d.m_servicios.size(), antes.m_servicios.size());
}

// A design built record by record; exchanger lists in the order of creation.
struct RedManual {
  CDiagrama d;

  int Corriente(double t1, double t2, double mcp = 1.0) {
    d.m_corrientes.emplace_back(t1, t2, mcp, t2 > t1 ? 1 : 0, 0);
    return d.GetNumCorrientes() - 1;
  }
  int Servicio(double t1, double t2) {
    CServicios s;
    s.m_T = {t1, t2};
    s.m_H = {0.0, t2 > t1 ? 1.0 : -1.0};
    s.m_fria = t2 > t1 ? 1 : 0;
    d.m_servicios.push_back(s);
    return kRefServicio + d.GetNumServicios() - 1;
  }
  int Cambiador(int caliente, int fria) {
    CCambiador c;
    c.ladoCaliente.ref = caliente;
    c.ladoFrio.ref = fria;
    d.m_cambiadores.push_back(c);
    const int e = d.GetNumCambiadores() - 1;
    if (caliente != kRefGenerico) d.GetCorriente(caliente).m_cambiadores.push_back(e);
    if (fria != kRefGenerico) d.GetCorriente(fria).m_cambiadores.push_back(e);
    return e;
  }
};

// Stream S split by one node into the streams entrada (incoming), entrada + 1
// (main branch), entrada + 2 (offset branch) and entrada + 3 (outgoing); with
// conexiones, the links between them as well.
inline CCorrienteBifurcada UnaDivision(const CCorriente& S, std::int32_t entrada, bool conexiones) {
  CCorrienteBifurcada b;
  b.corriente = S;
  CCuaterna n;
  n.segmento = S;
  n.refEntrada = entrada;
  n.refRamaPrincipal = entrada + 1;
  n.refRamaDesplazada = entrada + 2;
  n.refSalida = entrada + 3;
  b.nodos.push_back(n);
  const auto e = static_cast<std::uint32_t>(entrada);
  b.ramas = {e, e + 1, e + 2, e + 3};
  if (conexiones)
    b.conexiones = {CConexion(entrada, entrada + 1), CConexion(entrada, entrada + 2),
                    CConexion(entrada + 1, entrada + 3), CConexion(entrada + 2, entrada + 3)};
  return b;
}

// Hot stream 500 -> 300 K, m·cp 2 (400 kW), split at 450 into branches P
// (60 %, stream 1) and D (40 %, stream 2) merging at 350; E0 takes 100 kW
// from P and, with cambiadorEnD, E1 60 kW from D, both into C1 (stream 4,
// 290 -> 400 K, m·cp 2). Without E1, E0's cold inlet is C1's supply.
inline CDiagrama RedDividida(bool cambiadorEnD = true) {
  CDiagrama d;
  d.SetDTMin(10);
  d.m_corrientes.emplace_back(500, 450, 2.0, 0, 0);  // 0 incoming
  d.m_corrientes.emplace_back(450, 350, 1.2, 0, 0);  // 1 P
  d.m_corrientes.emplace_back(450, 350, 0.8, 0, 0);  // 2 D
  d.m_corrientes.emplace_back(350, 300, 2.0, 0, 0);  // 3 outgoing
  d.m_corrientes.emplace_back(290, 400, 2.0, 1, 0);  // 4 C1
  for (int s = 0; s < 4; ++s) d.m_corrientes[static_cast<std::size_t>(s)].m_split = 0;
  d.m_bifurcadas.push_back(UnaDivision(CCorriente(500, 300, 2.0, 0, 0), 0, true));
  // modo, caliente, fria, (tipo, valor) EC, SC, EF, SF, Q
  d.AddCambiador(kModoQ, 1, 4, kTipoExtremo, 0, 0, 0, kTipoCambiador, 1, 0, 0, 1, 100);
  if (cambiadorEnD)
    d.AddCambiador(kModoQ, 2, 4, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 60);
  else
    d.m_cambiadores[0].tipoEntradaFria = kTipoExtremo;
  ReconstruirListas(d);
  return d;
}

// The heat of the split stream's four parts together.
inline double CalorDeLaDivision(const CDiagrama& d) {
  double h = 0.0;
  for (int s = 0; s < 4; ++s) h += d.m_corrientes[static_cast<std::size_t>(s)].GetH(kTSentinel, 1);
  return h;
}

// The network calculation found no error (warnings allowed).
inline bool Calculada(std::int32_t r) { return r == kRedSinAvisos || r == kRedSoloAvisos; }

// The four-stream problem with these utilities, their copies of the cascade
// and their maximum enthalpies brought up to date (as the utilities sheet
// leaves them).
inline CDiagrama CuatroCorrientesConServicios(std::vector<CServicios> servicios) {
  CDiagrama d = CuatroCorrientes();
  d.m_servicios = std::move(servicios);
  d.ActualizarCurvasServicios();
  for (CServicios& s : d.m_servicios) {
    s.m_dtMin = d.m_dtMin;
    s.CalcularEntalpiaMaxima();
  }
  return d;
}

}  // namespace vardo::prueba
