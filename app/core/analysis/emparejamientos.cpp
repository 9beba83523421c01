#include "app/core/analysis/emparejamientos.h"

#include <cmath>
#include <utility>

#include "model/cambiador.h"
#include "model/constantes.h"
#include "model/red.h"

namespace vardo {

namespace {

bool Cerca(double a, double b) { return std::fabs(a - b) <= kTolSpan; }

bool Latente(const CCorriente& s) { return s.GetCP(kTSentinel, kTSentinel) == kCpLatente; }

double H(const CCorriente& s, double T) { return s.GetH(T, 1); }

// The nearest pinches above (U) and below (L) the chosen one, on the shifted
// scale, with their indices; far away when there is none. medio is half of
// DT min, which takes them to each stream's own scale.
struct Vecinos {
  double U = 1000000.0;
  int iU = 0;
  double L = -1000000.0;
  int iL = 0;
  double medio = 0.0;

  // The neighbouring pinch on the scale of a hot or a cold stream.
  double Arriba(const CCorriente& s) const { return s.m_fria ? U - medio : U + medio; }
  double Abajo(const CCorriente& s) const { return s.m_fria ? L - medio : L + medio; }
};

Vecinos PinchesVecinos(const CDiagrama& d, int pinch, double T) {
  Vecinos v;
  v.medio = d.m_dtMin / 2.0;
  const std::vector<double> pinches = PinchesServicioRed(d);
  const bool deProceso = pinch == 0;
  for (std::size_t i = 0; i < pinches.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    const double t = pinches[i];
    if (k == pinch) continue;
    if (k == pinch - 1 || (deProceso && T < t && t < v.U)) {
      v.U = t;
      v.iU = k;
    } else if (k == pinch + 1 || (deProceso && v.L < t && t < T)) {
      v.L = t;
      v.iL = k;
    }
  }
  const double Tp = d.m_tPinch;
  if (T < Tp && Tp < v.U) {
    v.U = Tp;
    v.iU = 0;
  }
  if (v.L < Tp && Tp < T) {
    v.L = Tp;
    v.iL = 0;
  }
  return v;
}

// The far end of a stream on this side: its own end (hot supply or cold
// target above the pinch, hot target or cold supply below it), or the
// neighbouring pinch on the stream's own scale when the stream reaches past
// it. First: whether the stream's own end is the nearer.
std::pair<bool, double> ExtremoDeLado(const CCorriente& s, int lado, const Vecinos& v) {
  if (lado == kLadoCaliente) {
    const double propio = s.m_fria ? s.GetT2() : s.GetT1();
    const double vecino = v.Arriba(s);
    return propio < vecino ? std::pair{true, propio} : std::pair{false, vecino};
  }
  const double propio = s.m_fria ? s.GetT1() : s.GetT2();
  const double vecino = v.Abajo(s);
  return propio > vecino ? std::pair{true, propio} : std::pair{false, vecino};
}

// Heat a stream can exchange on this side between the pinch and its far end.
double CalorHastaExtremo(const CCorriente& s, int lado, const TemperaturasPinch& p,
                         const Vecinos& v) {
  if (Latente(s)) return s.m_fria ? H(s, kTSentinel) : -H(s, kTSentinel);
  const double lejano = ExtremoDeLado(s, lado, v).second;
  const double enPinch = s.m_fria ? p.Tc : p.Th;
  return lado == kLadoCaliente ? H(s, lejano) - H(s, enPinch) : H(s, enPinch) - H(s, lejano);
}

// One temperature end of a new exchanger: (kind, value).
struct Extremo {
  std::int32_t tipo = kTipoNinguno;
  double valor = 0.0;
};

Extremo EnPinch(int indice) { return {kTipoPinch, static_cast<double>(indice)}; }

// The far end of the completed stream: its own end when it lies short of the
// neighbouring pinch, else that pinch.
Extremo ExtremoLejano(bool propio, int indiceVecino) {
  return propio ? Extremo{kTipoExtremo, 0.0} : EnPinch(indiceVecino);
}

void AnadirCambiador(CDiagrama& d, const Emparejamiento& e, int pinch, int lado,
                     const TemperaturasPinch& p, const Vecinos& v) {
  const CCorriente& h = d.GetCorriente(e.caliente);
  const CCorriente& c = d.GetCorriente(e.fria);
  const bool completaCaliente =
      CalorHastaExtremo(h, lado, p, v) <= CalorHastaExtremo(c, lado, p, v);
  const int vecino = lado == kLadoCaliente ? v.iU : v.iL;
  const bool propio = ExtremoDeLado(completaCaliente ? h : c, lado, v).first;
  Extremo ec, sc, ef, sf;
  if (lado == kLadoCaliente) {
    sc = ef = EnPinch(pinch);
    (completaCaliente ? ec : sf) = ExtremoLejano(propio, vecino);
  } else {
    ec = sf = EnPinch(pinch);
    (completaCaliente ? sc : ef) = ExtremoLejano(propio, vecino);
  }
  d.AddCambiador(kModoTemperaturas, e.caliente, e.fria, ec.tipo, ec.valor, sc.tipo, sc.valor,
                 ef.tipo, ef.valor, sf.tipo, sf.valor, kTipoNinguno, 0.0);
}

bool Une(const CCambiador& c, const Emparejamiento& e) {
  return c.ladoCaliente.ref == e.caliente && c.ladoFrio.ref == e.fria;
}

void ReconstruirListasCambiadores(CDiagrama& d) {
  for (CCorriente& s : d.m_corrientes) s.m_cambiadores.clear();
  for (CServicios& s : d.m_servicios) s.m_cambiadores.clear();
  for (std::size_t j = 0; j < d.m_cambiadores.size(); ++j) {
    const CCambiador& c = d.m_cambiadores[j];
    for (std::int32_t ref : {c.ladoCaliente.ref, c.ladoFrio.ref})
      if (d.RefValida(ref)) d.GetCorriente(ref).m_cambiadores.push_back(static_cast<std::uint32_t>(j));
  }
}

std::vector<CEmparejamientosPinch::Fila> Filas(const std::vector<FilaFactibilidad>& l) {
  std::vector<CEmparejamientosPinch::Fila> filas;
  for (const FilaFactibilidad& f : l) filas.push_back({f.ref, f.texto, 0});
  return filas;
}

}  // namespace

std::string AyudaPrimerClic(bool caliente, std::int32_t ref) {
  return std::string("Añadiendo cambiador\n") +
         (caliente ? "Corriente caliente: " : "Corriente fría: ") +
         std::to_string(RefEnArchivo(ref) + 1);
}

std::string AyudaTrasClic(ResultadoClic r) {
  if (r == ResultadoClic::Anadido) return kAyudaCambiadorAnadido;
  if (r == ResultadoClic::Eliminado) return kAyudaCambiadorEliminado;
  return kAyudaFactibilidad;
}

std::string MensajeTrasClic(ResultadoClic r) {
  if (r == ResultadoClic::YaEmparejada) return kMensajeYaEmparejada;
  if (r == ResultadoClic::NoFactible) return kMensajeNoFactible;
  if (r == ResultadoClic::NoGuardable) return kMsgCambiadorNoGuardable;
  return {};
}

bool CambiadorEnPinch(const CCambiador& c, int lado, const TemperaturasPinch& p) {
  if (lado == kLadoCaliente) return Cerca(c.tSalidaCaliente, p.Th) && Cerca(c.tEntradaFria, p.Tc);
  return Cerca(c.tEntradaCaliente, p.Th) && Cerca(c.tSalidaFria, p.Tc);
}

Rgb CEmparejamientosPinch::SiguienteColor() {
  color_ = color_ + 1 >= static_cast<int>(kColoresEmparejamiento.size()) ? 0 : color_ + 1;
  return kColoresEmparejamiento[static_cast<std::size_t>(color_)];
}

void CEmparejamientosPinch::RellenarListas(CDiagrama& d, int pinch, int lado) {
  const ListadoFactibilidad l = ListarCorrientesPinch(d, pinch, lado);
  calientes_ = Filas(l.calientes);
  frias_ = Filas(l.frias);
}

void CEmparejamientosPinch::MostrarCambiadores(CDiagrama& d, int pinch, int lado) {
  emparejamientos_.clear();
  eliminados_.clear();
  color_ = -1;
  RellenarListas(d, pinch, lado);
  const std::optional<TemperaturasPinch> p = TemperaturaPinch(d, pinch);
  if (!p) return;
  for (const CCambiador& c : d.m_cambiadores) {
    if (!CambiadorEnPinch(c, lado, *p)) continue;
    for (Fila& fc : calientes_) {
      if (fc.ref != c.ladoCaliente.ref) continue;
      for (Fila& ff : frias_) {
        if (ff.ref != c.ladoFrio.ref) continue;
        emparejamientos_.push_back({fc.ref, ff.ref});
        fc.color = ff.color = SiguienteColor();
      }
    }
  }
}

ResultadoClic CEmparejamientosPinch::Clic(CDiagrama& d, int pinch, int lado, int filaCaliente,
                                          int filaFria) {
  if (filaCaliente < 0 || static_cast<std::size_t>(filaCaliente) >= calientes_.size() ||
      filaFria < 0 || static_cast<std::size_t>(filaFria) >= frias_.size())
    return ResultadoClic::SinEfecto;
  const std::optional<TemperaturasPinch> p = TemperaturaPinch(d, pinch);
  if (!p) return ResultadoClic::SinEfecto;
  Fila& fc = calientes_[static_cast<std::size_t>(filaCaliente)];
  Fila& ff = frias_[static_cast<std::size_t>(filaFria)];
  const Emparejamiento nuevo{fc.ref, ff.ref};

  for (auto it = emparejamientos_.begin(); it != emparejamientos_.end(); ++it) {
    if (it->caliente != nuevo.caliente && it->fria != nuevo.fria) continue;
    if (*it != nuevo) return ResultadoClic::YaEmparejada;
    eliminados_.push_back(*it);
    emparejamientos_.erase(it);
    fc.color = ff.color = 0;
    return ResultadoClic::Eliminado;
  }

  if (!RefNombrableEnArchivo(nuevo.caliente) || !RefNombrableEnArchivo(nuevo.fria))
    return ResultadoClic::NoGuardable;
  const double mh = McpEnLado(d.GetCorriente(nuevo.caliente), lado, *p);
  const double mc = McpEnLado(d.GetCorriente(nuevo.fria), lado, *p);
  if (!CumpleCriterioMcp(lado, mh, mc)) return ResultadoClic::NoFactible;
  emparejamientos_.push_back(nuevo);
  fc.color = ff.color = SiguienteColor();
  return ResultadoClic::Anadido;
}

void CEmparejamientosPinch::TrasBifurcar(std::int32_t partida) {
  emparejamientos_.clear();
  auto renumerar = [partida](std::int32_t& ref) {
    if (!EsServicio(ref) && ref > partida) --ref;
  };
  std::vector<Emparejamiento> quedan;
  for (Emparejamiento e : eliminados_) {
    if (e.caliente == partida || e.fria == partida) continue;
    renumerar(e.caliente);
    renumerar(e.fria);
    quedan.push_back(e);
  }
  eliminados_ = std::move(quedan);
}

void CEmparejamientosPinch::GuardarCambiadores(CDiagrama& d, int pinch, int lado) {
  const std::optional<TemperaturasPinch> p = TemperaturaPinch(d, pinch);
  if (p) {
    const Vecinos v = PinchesVecinos(d, pinch, p->T);
    for (const Emparejamiento& e : eliminados_) {
      for (std::int32_t i = 0; i < d.GetNumCambiadores();) {
        const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(i)];
        if (Une(c, e) && CambiadorEnPinch(c, lado, *p))
          d.BorrarCambiador(i);
        else
          ++i;
      }
    }
    for (const Emparejamiento& e : emparejamientos_) {
      bool yaEsta = false;
      for (const CCambiador& c : d.m_cambiadores)
        if (Une(c, e) && CambiadorEnPinch(c, lado, *p)) yaEsta = true;
      if (!yaEsta) AnadirCambiador(d, e, pinch, lado, *p, v);
    }
  }
  ReconstruirListasCambiadores(d);
  d.CalcularRed();
}

}  // namespace vardo
