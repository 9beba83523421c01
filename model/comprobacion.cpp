// Network check of a calculated network: a plain-text report of
// warnings (DT min, heat across the process pinch or a utility pinch, matches
// between integrity areas) and errors (temperatures outside a stream, more
// heat than a stream has, overlapping exchangers, impossible transfers).
#include <cmath>
#include <cstdio>
#include <string>

#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

// Rounding left by subtracting two temperatures in K must not turn a
// difference of exactly DT min into a violation.
constexpr double kTolRedondeo = 1e-9;

// Tolerance of a stream's temperature limits (K) and of its enthalpy sum (kW).
constexpr double kTolLimite = 0.001;

std::string Formato(const char* f, int a) {
  char buf[512];
  std::snprintf(buf, sizeof buf, f, a);
  return buf;
}

class Informe {
 public:
  explicit Informe(std::string& texto) : texto_(texto) { texto_.clear(); }

  void Aviso(const std::string& linea) {
    if (!hayAvisos_) texto_ += "Advertencias:\n";
    hayAvisos_ = true;
    texto_ += linea;
    if (resultado_ == kRedSinAvisos) resultado_ = kRedSoloAvisos;
  }
  void Error(const std::string& linea, std::int32_t cambiador) {
    if (!hayErrores_) texto_ += "\n\nErrores:\n";
    hayErrores_ = true;
    texto_ += linea;
    resultado_ = cambiador;
  }
  std::int32_t Resultado() const { return resultado_; }

 private:
  std::string& texto_;
  bool hayAvisos_ = false;
  bool hayErrores_ = false;
  std::int32_t resultado_ = kRedSinAvisos;
};

// Whether an exchanger moves heat across the pinch at shifted temperature tp.
bool CruzaPinch(const CCambiador& c, double tp, double h) {
  const bool hayCaliente = c.ladoCaliente.ref != kRefGenerico;
  const bool hayFria = c.ladoFrio.ref != kRefGenerico;
  const double pc = tp - h;  // cold pinch
  const double ph = tp + h;  // hot pinch
  const double tho = c.tSalidaCaliente, thi = c.tEntradaCaliente;
  const double tci = c.tEntradaFria, tco = c.tSalidaFria;
  if (!hayCaliente && hayFria) return tco - pc < -kTolT || tci - pc < -kTolT;
  if (hayCaliente && !hayFria) return tho - ph > kTolT || thi - ph > kTolT;
  if (!hayCaliente && !hayFria) return false;
  return (tho - ph > kTolT && tci - pc < -kTolT) || (tho - ph < -kTolT && tci - pc > kTolT) ||
         (tco - pc < -kTolT && tci - pc > kTolT) || (tco - pc > kTolT && tci - pc < -kTolT);
}

// Heat the exchangers of a stream move, each counted by its size: a negative
// duty does not give back heat that another exchanger took.
double SumaDuties(const CDiagrama& d, const CCorriente& s) {
  double suma = 0.0;
  for (std::uint32_t k : s.m_cambiadores)
    if (k < d.m_cambiadores.size()) suma += std::fabs(d.m_cambiadores[k].q);
  return suma;
}

std::int32_t Numero(std::size_t i) { return static_cast<std::int32_t>(i) + 1; }

}  // namespace

std::int32_t ComprobarRed(CDiagrama& d) {
  Informe inf(d.m_textoComprobacion);
  const bool hayAreas = HayAreasMostradas(d);
  const double h = d.m_dtMin / 2.0;
  auto& cs = d.m_cambiadores;
  auto entra = [&](const CCambiador& c) { return CambiadorEnAreaMostrada(d, c, hayAreas); };
  auto reales = [](const CCambiador& c) {
    return c.ladoCaliente.ref != kRefGenerico && c.ladoFrio.ref != kRefGenerico;
  };

  // 1. DT min.
  for (std::size_t i = 0; i < cs.size(); ++i) {
    const CCambiador& c = cs[i];
    if (!reales(c) || !entra(c)) continue;
    if (c.tEntradaCaliente - c.tSalidaFria < d.m_dtMin - kTolRedondeo ||
        c.tSalidaCaliente - c.tEntradaFria < d.m_dtMin - kTolRedondeo)
      inf.Aviso(
          Formato("\n\tEl cambiador %d viola la diferencia mínima de temperaturas", Numero(i)));
  }

  // 2. Process pinch.
  for (std::size_t i = 0; i < cs.size(); ++i) {
    if (entra(cs[i]) && CruzaPinch(cs[i], d.m_tPinch, h))
      inf.Aviso(Formato("\n\tEl cambiador %d transmite calor a través del pinch", Numero(i)));
  }

  // 3. Utility pinches; the network's lists of them are refilled on the way.
  if (d.m_serviciosVisibles) {
    d.CalcularObjetivosServicios();
    const std::vector<double> pinches = PinchesServicioRed(d);
    d.m_pinchesServicioSup.clear();
    d.m_pinchesServicioInf.clear();
    for (double tu : pinches)
      (tu > d.m_tPinch ? d.m_pinchesServicioSup : d.m_pinchesServicioInf).push_back(tu);
    for (double tu : pinches) {
      for (std::size_t i = 0; i < cs.size(); ++i) {
        if (entra(cs[i]) && CruzaPinch(cs[i], tu, h))
          inf.Aviso(Formato("\n\tEl cambiador %d transmite calor a través de un pinch de servicios",
                            Numero(i)));
      }
    }
  }

  // 4. Integrity areas.
  if (!d.m_areas.empty()) {
    for (std::size_t i = 0; i < cs.size(); ++i) {
      const CCambiador& c = cs[i];
      if (!reales(c) || !entra(c)) continue;
      if (d.GetCorriente(c.ladoCaliente.ref).m_area != d.GetCorriente(c.ladoFrio.ref).m_area) {
        char buf[512];
        std::snprintf(buf, sizeof buf,
                      "\n\tLas corrientes %s y %s, que se cruzan en el cambiador %d,\n\tpertenecen "
                      "a diferentes áreas de integridad",
                      EtiquetaCorriente(c.ladoCaliente.ref).c_str(),
                      EtiquetaCorriente(c.ladoFrio.ref).c_str(), Numero(i));
        inf.Aviso(buf);
      }
    }
  }

  // 5. Temperature limits of each side's stream.
  for (std::size_t i = 0; i < cs.size(); ++i) {
    const CCambiador& c = cs[i];
    if (!entra(c)) continue;
    auto fuera = [&](std::int32_t ref) {
      char buf[512];
      std::snprintf(buf, sizeof buf,
                    "\n\tLas especificaciones de temperatura del cambiador %d \n\testán fuera de "
                    "los límites de temperatura de la corriente %s",
                    Numero(i), EtiquetaCorriente(ref).c_str());
      inf.Error(buf, static_cast<std::int32_t>(i));
    };
    if (c.ladoCaliente.ref != kRefGenerico) {
      const CCorriente& s = d.GetCorriente(c.ladoCaliente.ref);
      const double t1 = s.GetT1(), t2 = s.GetT2();
      if (c.tEntradaCaliente > t1 + kTolLimite || c.tSalidaCaliente > t1 + kTolLimite ||
          c.tSalidaCaliente < t2 - kTolLimite || c.tEntradaCaliente < t2 - kTolLimite)
        fuera(c.ladoCaliente.ref);
    }
    if (c.ladoFrio.ref != kRefGenerico) {
      const CCorriente& s = d.GetCorriente(c.ladoFrio.ref);
      const double t1 = s.GetT1(), t2 = s.GetT2();
      if (c.tEntradaFria < t1 - kTolLimite || c.tSalidaFria < t1 - kTolLimite ||
          c.tSalidaFria > t2 + kTolLimite || c.tEntradaFria > t2 + kTolLimite)
        fuera(c.ladoFrio.ref);
    }
  }

  // Each exchanger's own duty: below 0 (a completing duty whose stream the
  // other exchangers already exhaust), or more than either side's stream holds.
  for (std::size_t i = 0; i < cs.size(); ++i) {
    const CCambiador& c = cs[i];
    if (!entra(c)) continue;
    char buf[512];
    if (c.q < -kTolLimite) {
      const bool completa = c.modo == kModoCompletarCaliente || c.modo == kModoCompletarFria;
      const std::int32_t ref =
          c.modo == kModoCompletarCaliente ? c.ladoCaliente.ref : c.ladoFrio.ref;
      if (completa && d.RefValida(ref))
        std::snprintf(buf, sizeof buf,
                      "\n\tLa carga del cambiador %d, que completa la corriente %s, es negativa "
                      "(%s kW): \n\tlos demás cambiadores de la corriente superan su entalpía total",
                      Numero(i), EtiquetaCorriente(ref).c_str(), NumTexto(c.q).c_str());
      else
        std::snprintf(buf, sizeof buf, "\n\tLa carga del cambiador %d es negativa (%s kW)",
                      Numero(i), NumTexto(c.q).c_str());
      inf.Error(buf, static_cast<std::int32_t>(i));
    }
    for (std::int32_t ref : {c.ladoCaliente.ref, c.ladoFrio.ref}) {
      if (ref == kRefGenerico || !d.RefValida(ref)) continue;
      const double total = std::fabs(d.GetCorriente(ref).GetH(kTSentinel, 1));
      if (std::fabs(c.q) <= total + kTolLimite) continue;
      std::snprintf(buf, sizeof buf,
                    "\n\tEl cambiador %d transmite %s kW, más que la entalpía total \n\tde la "
                    "corriente %s (%s kW)",
                    Numero(i), NumTexto(std::fabs(c.q)).c_str(), EtiquetaCorriente(ref).c_str(),
                    NumTexto(total).c_str());
      inf.Error(buf, static_cast<std::int32_t>(i));
    }
  }

  // 6 and 7. Duties of a stream's or utility's exchangers against its heat.
  auto duties = [&](const CCorriente& s, std::int32_t ref, std::size_t numero,
                    const char* formato) {
    if (!CorrienteEnAreaMostrada(d, ref, hayAreas)) return;
    if (std::fabs(s.GetH(kTSentinel, 1)) + kTolLimite < SumaDuties(d, s))
      inf.Error(Formato(formato, Numero(numero)),
                static_cast<std::int32_t>(s.m_cambiadores.front()));
  };
  for (std::size_t k = 0; k < d.m_corrientes.size(); ++k)
    duties(d.m_corrientes[k], static_cast<std::int32_t>(k), k,
           "\n\tLa suma de las entalpías de los cambiadores de la corriente %d \n\tsupera la "
           "entalpía total de la corriente");
  for (std::size_t k = 0; k < d.m_servicios.size(); ++k)
    duties(d.m_servicios[k], kRefServicio + static_cast<std::int32_t>(k), k,
           "\n\tLa suma de las entalpías de los cambiadores del servicio %d \n\tsupera la "
           "entalpía total del servicio");

  // 8. Overlapping exchangers along a stream or utility, in outlet order. The
  // ordering also places the circles; the exchanger records are put back
  // afterwards and only the new order of the lists stays.
  const std::vector<CCambiador> guardados = cs;
  OrdenarCambiadores(d);
  auto restaurar = [&] {
    for (std::size_t i = 0; i < cs.size() && i < guardados.size(); ++i) cs[i] = guardados[i];
  };
  auto solapes = [&](const CCorriente& s, std::int32_t ref, std::size_t numero, bool servicio) {
    if (!CorrienteEnAreaMostrada(d, ref, hayAreas) || s.m_cambiadores.size() < 2) return;
    for (std::size_t k = 1; k < s.m_cambiadores.size(); ++k) {
      const std::uint32_t ip = s.m_cambiadores[k - 1], ic = s.m_cambiadores[k];
      if (ip >= cs.size() || ic >= cs.size()) continue;
      const CCambiador& P = cs[ip];
      const CCambiador& C = cs[ic];
      const bool solapan = s.m_fria == 0 ? P.tSalidaCaliente < C.tEntradaCaliente - kTolT
                                         : P.tEntradaFria + kTolT < C.tSalidaFria;
      if (!solapan) continue;
      char buf[512];
      if (servicio) {
        std::snprintf(
            buf, sizeof buf,
            "\n\tLos intervalos de temperatura de los cambiadores %d y %d del \n\tservicio "
            "%d están solapados",
            Numero(ic), Numero(ip), Numero(numero));
      } else {
        const std::string donde = Formato("de la \n\tcorriente %d", Numero(numero));
        std::snprintf(buf, sizeof buf,
                      "\n\tLos intervalos de temperatura de los cambiadores %d y %d %s están "
                      "solapados",
                      Numero(ic), Numero(ip), donde.c_str());
      }
      inf.Error(buf, static_cast<std::int32_t>(ic));
      restaurar();
    }
  };
  for (std::size_t k = 0; k < d.m_corrientes.size(); ++k)
    solapes(d.m_corrientes[k], static_cast<std::int32_t>(k), k, false);
  for (std::size_t k = 0; k < d.m_servicios.size(); ++k)
    solapes(d.m_servicios[k], kRefServicio + static_cast<std::int32_t>(k), k, true);
  restaurar();

  // 9. Impossible transfer.
  for (std::size_t i = 0; i < cs.size(); ++i) {
    const CCambiador& c = cs[i];
    if (!reales(c) || !entra(c)) continue;
    if (c.tEntradaCaliente - c.tSalidaFria < 0.0 || c.tSalidaCaliente - c.tEntradaFria < 0.0) {
      char buf[512];
      std::snprintf(buf, sizeof buf,
                    "\n\tEs imposible transmitir calor de la corriente %s a la %s, debido a sus "
                    "\n\ttemperaturas\r",
                    EtiquetaCorriente(c.ladoCaliente.ref).c_str(),
                    EtiquetaCorriente(c.ladoFrio.ref).c_str());
      inf.Error(buf, static_cast<std::int32_t>(i));
    }
  }

  return inf.Resultado();
}

}  // namespace vardo
