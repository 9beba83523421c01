// Per-exchanger results of a calculated network: the area it needs, its
// capital cost and the heat it moves across the pinches.
#include <cmath>

#include "model/constantes.h"
#include "model/objetivos_coste.h"
#include "model/red.h"
#include "model/tabla_problema.h"

namespace vardo {

namespace {

const CCambiador* Cambiador(const CDiagrama& d, std::int32_t i) {
  if (i < 0 || i >= d.GetNumCambiadores()) return nullptr;
  return &d.m_cambiadores[static_cast<std::size_t>(i)];
}

// Cuts a copy of a side's stream to the exchanger: two points from its inlet
// to its outlet. The heat between them is read on the stream's own curve; an
// isothermal side, whose curve gives no heat between two equal temperatures,
// takes the exchanger's duty with the side's sign. A utility keeps its curve
// normalised and carries the heat as its load.
void Recortar(CCorriente& s, CServicios* servicio, double tEntrada, double tSalida, double q,
              bool caliente) {
  double dH = s.GetH(tSalida, 1) - s.GetH(tEntrada, 1);
  if (std::fabs(dH) < kTolH) dH = caliente ? -std::fabs(q) : std::fabs(q);
  s.BorrarPuntos();
  s.AddPunto(tEntrada, 0.0);
  if (servicio != nullptr) {
    s.AddPunto(tSalida, dH < 0.0 ? -1.0 : 1.0);
    servicio->m_carga = std::fabs(dH);
  } else {
    s.AddPunto(tSalida, dH);
  }
  s.CalcularCP();
  s.m_cambiadores.clear();
  s.m_area = -1;
  s.m_split = -1;
}

// Appends to red the side's stream or utility of exchanger c, cut to it.
void AnadirLado(CDiagrama& red, const CDiagrama& d, const CCambiador& c, bool caliente) {
  const std::int32_t ref = caliente ? c.ladoCaliente.ref : c.ladoFrio.ref;
  if (!d.RefValida(ref)) return;
  const double te = caliente ? c.tEntradaCaliente : c.tEntradaFria;
  const double ts = caliente ? c.tSalidaCaliente : c.tSalidaFria;
  if (EsServicio(ref)) {
    red.m_servicios.push_back(d.m_servicios[static_cast<std::size_t>(IndiceServicio(ref))]);
    CServicios& u = red.m_servicios.back();
    Recortar(u, &u, te, ts, c.q, caliente);
  } else {
    red.m_corrientes.push_back(d.m_corrientes[static_cast<std::size_t>(ref)]);
    Recortar(red.m_corrientes.back(), nullptr, te, ts, c.q, caliente);
  }
}

// What the area of a side asks: its film coefficient and its inlet and outlet
// temperatures; a generic utility side has the generic utility's
// coefficient and its one temperature at both ends.
struct LadoArea {
  double h, entrada, salida;
};

LadoArea LadoDeArea(const CDiagrama& d, std::int32_t ref, double entrada, double salida,
                    double hGenerico, double tGenerico) {
  if (ref == kRefGenerico) return {hGenerico, tGenerico, tGenerico};
  return {d.GetCorriente(ref).m_h, entrada, salida};
}

// The generic utilities' temperatures an exchanger's sides use. While both
// are still unset they are what the unit and area targets fix them at, from
// the process's shifted intervals (the hottest plus DT min, the coldest less
// DT min), so that a heater or a cooler never meets the unset value and its
// area does not hang on which target ran first.
struct TemperaturasGenericas {
  double caliente, frio;
};

TemperaturasGenericas Genericas(const CDiagrama& d) {
  if (d.m_tCalienteGenerico != kTSentinel || d.m_tFrioGenerico != kTSentinel)
    return {d.m_tCalienteGenerico, d.m_tFrioGenerico};
  const std::vector<double> T =
      CalcularIntervalosTabla(CorrientesConsideradas(d.m_corrientes, d.m_areas), d.m_dtMin);
  if (T.empty()) return {d.m_tCalienteGenerico, d.m_tFrioGenerico};
  return {T.front() + d.m_dtMin, T.back() - d.m_dtMin};
}

}  // namespace

double AreaCambiador(const CDiagrama& d, std::int32_t i) {
  const CCambiador* c = Cambiador(d, i);
  if (c == nullptr || c->q < kTolH) return 0.0;

  const TemperaturasGenericas g = Genericas(d);
  const LadoArea caliente = LadoDeArea(d, c->ladoCaliente.ref, c->tEntradaCaliente,
                                       c->tSalidaCaliente, d.m_hCalienteGenerico, g.caliente);
  const LadoArea frio = LadoDeArea(d, c->ladoFrio.ref, c->tEntradaFria, c->tSalidaFria,
                                   d.m_hFrioGenerico, g.frio);
  const double hCaliente = caliente.h, hFrio = frio.h;

  const double dt1 = caliente.entrada - frio.salida;
  const double dt2 = caliente.salida - frio.entrada;
  double lmtd = dt1;
  if (dt1 != dt2) {
    // End differences of opposite signs, or one of them zero, leave no
    // logarithmic mean: such a match is skipped like a zero mean difference.
    const double razon = dt1 / dt2;
    if (!(razon > 0.0) || !std::isfinite(razon)) return 0.0;
    lmtd = (dt1 - dt2) / std::log(razon);
  }
  lmtd = std::fabs(lmtd);
  if (!(lmtd > 0.0)) return 0.0;

  const double U = 1.0 / (1.0 / hCaliente + 1.0 / hFrio);
  const double area = c->q / (U * lmtd);
  return std::isfinite(area) ? area : 0.0;
}

CDiagrama RedDeCambiador(const CDiagrama& d, std::int32_t i) {
  CDiagrama red;
  red.m_dtMin = d.m_dtMin;
  red.m_tPinch = d.m_tPinch;
  red.m_tReferencia = d.m_tReferencia;
  red.m_a1 = d.m_a1;
  red.m_b1 = d.m_b1;
  red.m_c1 = d.m_c1;
  red.m_a2 = d.m_a2;
  red.m_b2 = d.m_b2;
  red.m_c2 = d.m_c2;
  red.m_costeCaliente = d.m_costeCaliente;
  red.m_costeFrio = d.m_costeFrio;
  const TemperaturasGenericas g = Genericas(d);
  red.m_hFrioGenerico = d.m_hFrioGenerico;
  red.m_tFrioGenerico = g.frio;
  red.m_hCalienteGenerico = d.m_hCalienteGenerico;
  red.m_tCalienteGenerico = g.caliente;
  red.m_amortizacion = d.m_amortizacion;
  red.m_interes = d.m_interes;
  red.m_factorLang = d.m_factorLang;
  red.m_serviciosVisibles = d.m_serviciosVisibles;
  const CCambiador* c = Cambiador(d, i);
  if (c == nullptr) return red;
  AnadirLado(red, d, *c, true);
  AnadirLado(red, d, *c, false);
  return red;
}

double CosteCambiadores(const CDiagrama& d, std::int32_t i) {
  const CCambiador* c = Cambiador(d, i);
  if (c == nullptr || c->q < kTolH) return 0.0;
  CDiagrama red = RedDeCambiador(d, i);
  return CosteInmovilizado(red, 0);
}

double CalorCrucePinch(CDiagrama& d, std::int32_t i) {
  if (Cambiador(d, i) == nullptr) return 0.0;
  d.CalcularObjetivos();
  d.ConectarCaliente(d.m_cambiadores[static_cast<std::size_t>(i)].ladoCaliente.ref, i, 0);
  d.ConectarFria(d.m_cambiadores[static_cast<std::size_t>(i)].ladoFrio.ref, i, 0);
  CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(i)];
  c.tPinch = d.m_tPinch;
  c.dtMin = d.m_dtMin;
  if (d.m_serviciosVisibles) {
    d.CalcularObjetivosServicios();
    c.pinchesServicio = PinchesServicioRed(d);
  }
  const double cruce =
      c.CalorCruce(CorrienteDeLado(d, c.ladoCaliente.ref), CorrienteDeLado(d, c.ladoFrio.ref));
  // Ends that meet the pinch up to rounding leave a few 1e-14 kW: no heat.
  return cruce < kTolH ? 0.0 : cruce;
}

}  // namespace vardo
