// Exchanger calculation: from the set values to the duty and the four end
// temperatures, and the heat an exchanger moves across the pinches.
#include <cmath>
#include <cstddef>
#include <optional>

#include "model/cambiador.h"
#include "model/constantes.h"
#include "model/corriente.h"

namespace vardo {

namespace {

enum class Extremo { EntradaCaliente, SalidaCaliente, EntradaFria, SalidaFria };

bool EsIsotermo(const LadoCambiador& lado) { return lado.cp == kCpLatente; }

bool TipoDeTabla(std::int32_t tipo) { return tipo >= kTipoExtremo && tipo <= kTipoCambiador; }

// Pinch temperature (shifted scale) a kind-3 value names: utility pinch v of
// the list (1-based), the process pinch for any value outside 1..n.
double PinchDeValor(const CCambiador& c, double v) {
  const double n = static_cast<double>(c.pinchesServicio.size());
  if (!(v >= 1.0 && v <= n)) return c.tPinch;
  const auto k = static_cast<std::size_t>(v - 1.0);
  return k < c.pinchesServicio.size() ? c.pinchesServicio[k] : c.tPinch;
}

// The end of the linked exchanger an end takes: the hot inlet takes the other
// exchanger's hot outlet, and so on. Empty when the link names no exchanger.
std::optional<double> TemperaturaEnlazada(const CCambiador& c, Extremo e,
                                          const std::vector<CCambiador>& cambiadores) {
  std::int32_t enlace = -1;
  switch (e) {
    case Extremo::EntradaCaliente:
      enlace = c.enlaceEntradaCaliente;
      break;
    case Extremo::SalidaCaliente:
      enlace = c.enlaceSalidaCaliente;
      break;
    case Extremo::EntradaFria:
      enlace = c.enlaceEntradaFria;
      break;
    case Extremo::SalidaFria:
      enlace = c.enlaceSalidaFria;
      break;
  }
  if (enlace < 0 || static_cast<std::size_t>(enlace) >= cambiadores.size()) return std::nullopt;
  const CCambiador& r = cambiadores[static_cast<std::size_t>(enlace)];
  switch (e) {
    case Extremo::EntradaCaliente:
      return r.tSalidaCaliente;
    case Extremo::SalidaCaliente:
      return r.tEntradaCaliente;
    case Extremo::EntradaFria:
      return r.tSalidaFria;
    case Extremo::SalidaFria:
      return r.tEntradaFria;
  }
  return std::nullopt;
}

// End temperature by its kind: 1 the stream's own end, 2 the typed value,
// 3 a pinch, anything else the linked exchanger's end. Empty when the end
// cannot be determined (an unresolved link).
std::optional<double> TemperaturaPorTipo(const CCambiador& c, Extremo e,
                                         const std::vector<CCambiador>& cambiadores) {
  std::int32_t tipo = 0;
  double valor = 0.0;
  double extremo = 0.0;         // the stream's own end
  double desplazamiento = 0.0;  // from the shifted pinch to this side
  const double medio = c.dtMin / 2.0;
  switch (e) {
    case Extremo::EntradaCaliente:
      tipo = c.tipoEntradaCaliente;
      valor = c.valorEntradaCaliente;
      extremo = c.ladoCaliente.t1;
      desplazamiento = medio;
      break;
    case Extremo::SalidaCaliente:
      tipo = c.tipoSalidaCaliente;
      valor = c.valorSalidaCaliente;
      extremo = c.ladoCaliente.t2;
      desplazamiento = medio;
      break;
    case Extremo::EntradaFria:
      tipo = c.tipoEntradaFria;
      valor = c.valorEntradaFria;
      extremo = c.ladoFrio.t1;
      desplazamiento = -medio;
      break;
    case Extremo::SalidaFria:
      tipo = c.tipoSalidaFria;
      valor = c.valorSalidaFria;
      extremo = c.ladoFrio.t2;
      desplazamiento = -medio;
      break;
  }
  switch (tipo) {
    case kTipoExtremo:
      return extremo;
    case kTipoValor:
      return valor;
    case kTipoPinch:
      return PinchDeValor(c, valor) + desplazamiento;
    default:
      return TemperaturaEnlazada(c, e, cambiadores);
  }
}

// One side of an exchanger seen as a stream: enthalpy at T and temperature at
// a cumulative enthalpy.
struct Lado {
  CCorriente* s;
  bool isotermo;
  double H(double T) const { return s->GetH(T, 1); }
  double T(double h) const { return s->GetTEnH(h); }
  // Heat between two ends given on this side, from the first to the second.
  // Both ends of an isothermal side lie at its one temperature, where the
  // enthalpy difference says nothing: the side gives its whole heat.
  double Calor(double desde, double hasta) const {
    if (isotermo) return std::fabs(s->GetH(kTSentinel, 1));
    return H(desde) - H(hasta);
  }
};

// Hot side from its known inlet (desdeEntrada) or outlet and the duty.
void LadoCalienteDesde(const Lado& l, bool desdeEntrada, double q, double& ti, double& to) {
  if (desdeEntrada)
    to = l.isotermo ? ti : l.T(l.H(ti) - q);
  else
    ti = l.isotermo ? to : l.T(l.H(to) + q);
}

// Cold side from its known inlet or outlet and the duty.
void LadoFrioDesde(const Lado& l, bool desdeEntrada, double q, double& ti, double& to) {
  if (desdeEntrada)
    to = l.isotermo ? ti : l.T(l.H(ti) + q);
  else
    ti = l.isotermo ? to : l.T(l.H(to) - q);
}

// The duty value, then end e by its kind and the other end of its side from
// the duty (when the side has a stream s). An end that cannot be read (an
// unresolved link) leaves the side as it was.
void DesdeExtremo(CCambiador& c, Extremo e, CCorriente* s,
                  const std::vector<CCambiador>& cambiadores) {
  c.q = c.valorQ;
  const std::optional<double> t = TemperaturaPorTipo(c, e, cambiadores);
  if (!t) return;
  const bool caliente = e == Extremo::EntradaCaliente || e == Extremo::SalidaCaliente;
  const bool desdeEntrada = e == Extremo::EntradaCaliente || e == Extremo::EntradaFria;
  double& ti = caliente ? c.tEntradaCaliente : c.tEntradaFria;
  double& to = caliente ? c.tSalidaCaliente : c.tSalidaFria;
  (desdeEntrada ? ti : to) = *t;
  if (s == nullptr) return;
  const Lado l{s, EsIsotermo(caliente ? c.ladoCaliente : c.ladoFrio)};
  if (caliente)
    LadoCalienteDesde(l, desdeEntrada, c.q, ti, to);
  else
    LadoFrioDesde(l, desdeEntrada, c.q, ti, to);
}

}  // namespace

void CCambiador::Calcular(CCorriente* caliente, CCorriente* fria,
                          const std::vector<CCambiador>& cambiadores) {
  calculado = 1;
  // A generic side has no stream to ask: it is left as it was.
  const bool hayCaliente = ladoCaliente.ref != kRefGenerico && caliente != nullptr;
  const bool hayFria = ladoFrio.ref != kRefGenerico && fria != nullptr;
  const Lado lc{caliente, EsIsotermo(ladoCaliente)};
  const Lado lf{fria, EsIsotermo(ladoFrio)};

  if (modo == kModoQ || modo == kModoCompletarFria || modo == kModoCompletarCaliente) {
    q = valorQ;
    // Each side from its inlet when the inlet has a kind, else its outlet.
    if (hayCaliente) {
      if (TipoDeTabla(tipoEntradaCaliente))
        DesdeExtremo(*this, Extremo::EntradaCaliente, caliente, cambiadores);
      else if (TipoDeTabla(tipoSalidaCaliente))
        DesdeExtremo(*this, Extremo::SalidaCaliente, caliente, cambiadores);
    }
    if (hayFria) {
      if (TipoDeTabla(tipoEntradaFria))
        DesdeExtremo(*this, Extremo::EntradaFria, fria, cambiadores);
      else if (TipoDeTabla(tipoSalidaFria))
        DesdeExtremo(*this, Extremo::SalidaFria, fria, cambiadores);
    }
    return;
  }

  if (modo != kModoTemperaturas) return;

  // Four temperatures given: read every end that has a kind.
  auto leer = [&](std::int32_t tipo, Extremo e, double& destino) {
    if (!TipoDeTabla(tipo)) return;
    if (auto t = TemperaturaPorTipo(*this, e, cambiadores)) destino = *t;
  };
  if (hayCaliente) {
    leer(tipoEntradaCaliente, Extremo::EntradaCaliente, tEntradaCaliente);
    leer(tipoSalidaCaliente, Extremo::SalidaCaliente, tSalidaCaliente);
  }
  if (hayFria) {
    leer(tipoEntradaFria, Extremo::EntradaFria, tEntradaFria);
    leer(tipoSalidaFria, Extremo::SalidaFria, tSalidaFria);
  }

  const bool ambosCalientes = tipoEntradaCaliente != 0 && tipoSalidaCaliente != 0;
  const bool ambosFrios = tipoEntradaFria != 0 && tipoSalidaFria != 0;
  // The duty comes from the hot side when both its ends are given, else from
  // the cold side. When that side is a generic utility it has no curve: the
  // other side answers if it is a stream with both ends given; otherwise the
  // duty is 0.
  if (ambosCalientes && hayCaliente)
    q = lc.Calor(tEntradaCaliente, tSalidaCaliente);
  else if (!ambosCalientes && hayFria)
    q = lf.Calor(tSalidaFria, tEntradaFria);
  else if (ambosCalientes && hayFria && ambosFrios)
    q = lf.Calor(tSalidaFria, tEntradaFria);
  else
    q = 0.0;

  if (hayCaliente && !ambosCalientes)
    LadoCalienteDesde(lc, tipoEntradaCaliente != 0, q, tEntradaCaliente, tSalidaCaliente);
  if (hayFria && !ambosFrios) LadoFrioDesde(lf, tipoEntradaFria != 0, q, tEntradaFria, tSalidaFria);
}

// The end variants: the duty value, then one side from one end. An end of
// kind 1 to 3 is read from the table; any other takes the linked exchanger's
// end, and an unresolved link leaves the side as it was.

void CCambiador::CalcularDesdeEntradaCaliente(CCorriente* caliente,
                                              const std::vector<CCambiador>& cambiadores) {
  DesdeExtremo(*this, Extremo::EntradaCaliente, caliente, cambiadores);
}

void CCambiador::CalcularDesdeSalidaCaliente(CCorriente* caliente,
                                             const std::vector<CCambiador>& cambiadores) {
  DesdeExtremo(*this, Extremo::SalidaCaliente, caliente, cambiadores);
}

void CCambiador::CalcularDesdeEntradaFria(CCorriente* fria,
                                          const std::vector<CCambiador>& cambiadores) {
  DesdeExtremo(*this, Extremo::EntradaFria, fria, cambiadores);
}

void CCambiador::CalcularDesdeSalidaFria(CCorriente* fria,
                                         const std::vector<CCambiador>& cambiadores) {
  DesdeExtremo(*this, Extremo::SalidaFria, fria, cambiadores);
}

double CCambiador::CalorCruce(const CCorriente* caliente, const CCorriente* fria) {
  const bool hayCaliente = ladoCaliente.ref != kRefGenerico && caliente != nullptr;
  const bool hayFria = ladoFrio.ref != kRefGenerico && fria != nullptr;
  const double P = tPinch;
  const double medio = dtMin / 2.0;
  const double Q = std::fabs(q);
  const double thi = tEntradaCaliente, tho = tSalidaCaliente;
  const double tci = tEntradaFria, tco = tSalidaFria;

  double mejor = 0.0;
  for (std::size_t i = 0; i <= pinchesServicio.size(); ++i) {
    tPinch = i == 0 ? P : pinchesServicio[i - 1];
    const double ph = tPinch + medio;
    const double pc = tPinch - medio;

    bool afecta = false;
    if (hayCaliente && hayFria) {
      // The last test compares the hot ends with the cold pinch temperature.
      afecta = ((tho > ph || thi > ph) && (tco < pc || tci < pc)) ||
               ((tho < ph || thi < ph) && (tco > pc || tci > pc)) || (tco < pc && tci > pc) ||
               (tho > pc && thi < pc);
    } else if (!hayCaliente && hayFria) {
      afecta = tco < pc || tci < pc;
    } else if (hayCaliente && !hayFria) {
      afecta = tho > ph || thi > ph;
    }
    if (!afecta) continue;

    double q1 = 0.0, q2 = 0.0, q3 = 0.0, q4 = 0.0;
    if (!hayCaliente) {
      q2 = Q;
    } else {
      if (tho < ph && thi > ph)
        q1 = std::fabs(caliente->GetH(tho, 1) - caliente->GetH(ph, 1));
      else if (tho < ph && thi < ph)
        q1 = Q;
      q2 = thi > ph ? Q : 0.0;
    }
    if (!hayFria) {
      q3 = Q;
    } else {
      if (tci < pc && tco > pc)
        q3 = std::fabs(fria->GetH(pc, 1) - fria->GetH(tci, 1));
      else if (tci < pc && tco < pc)
        q3 = Q;
      q4 = tco > pc ? Q : 0.0;
    }
    const double a = std::fabs(q1 - q3);
    const double b = std::fabs(q2 - q4);
    const double valor = a > b ? a : b;
    if (valor > mejor) mejor = valor;
  }
  tPinch = P;
  return mejor;
}

}  // namespace vardo
