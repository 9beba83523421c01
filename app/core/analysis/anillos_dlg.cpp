#include "app/core/analysis/anillos_dlg.h"

#include <algorithm>
#include <cmath>

#include "model/anillos.h"
#include "model/constantes.h"
#include "platform/core/numtext.h"

namespace vardo {

std::string EtiquetaLadoAnillo(const CDiagrama& d, std::int32_t ref) {
  if (ref == kRefGenerico) return "SG";
  const std::int32_t bif = d.GetCorriente(ref).m_split;
  if (bif >= 0) return std::to_string(ref + 1) + " (Bif. " + std::to_string(bif + 1) + ")";
  if (EsServicio(ref)) return "S" + std::to_string(IndiceServicio(ref) + 1);
  return std::to_string(ref + 1);
}

std::string LineaCambiadorAnillo(const CDiagrama& d, std::int32_t i) {
  if (i < 0 || i >= d.GetNumCambiadores()) return {};
  const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(i)];
  return std::to_string(i + 1) + " - CC: " + EtiquetaLadoAnillo(d, c.ladoCaliente.ref) +
         ", CF: " + EtiquetaLadoAnillo(d, c.ladoFrio.ref);
}

std::vector<std::string> LineasCambiadores(const CDiagrama& d) {
  std::vector<std::string> r;
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i) r.push_back(LineaCambiadorAnillo(d, i));
  return r;
}

std::vector<std::string> LineasAnilloEnCurso(const CDiagrama& d) {
  std::vector<std::string> r;
  for (std::uint32_t n : d.m_lazoEnCurso.nodos)
    r.push_back(LineaCambiadorAnillo(d, static_cast<std::int32_t>(n) - 1));
  return r;
}

DesplazamientoAnillo PrepararDesplazamiento(CDiagrama& d) {
  d.m_anillo = CAnillo(static_cast<const CLazo&>(d.m_lazoEnCurso));
  d.m_anillo.CalcularMinimos(d.m_cambiadores);
  DesplazamientoAnillo s;
  s.a = d.m_anillo.minimoImpar;  // positions 1, 3 ... counted from 0
  s.b = d.m_anillo.minimoPar;
  s.minimo = NumTexto(-s.b, 10);
  s.maximo = NumTexto(s.a, 10);
  s.cantidad = s.minimo;
  return s;
}

std::string CantidadEnPosicion(const DesplazamientoAnillo& s, int p) {
  return NumTexto((s.a + s.b) * p * 0.01 - s.b, 10);
}

CantidadAplicada AplicarCantidad(const DesplazamientoAnillo& s, double v) {
  CantidadAplicada r;
  if (v < -s.b) {
    r.reescrita = true;
    r.texto = NumTexto(-s.b, 7);
    r.posicion = 0;
  } else if (v > s.a) {
    r.reescrita = true;
    r.texto = NumTexto(s.a, 7);
    r.posicion = kPosicionMaxima;
  } else if (s.a + s.b > 0.0) {
    // Without a range (both smallest duties 0, or no exchanger at an even
    // place) there is nothing to divide: the slider stays at 0.
    const double p = std::trunc((s.b + v) * kPosicionMaxima / (s.a + s.b));
    r.posicion = static_cast<int>(std::clamp(p, 0.0, static_cast<double>(kPosicionMaxima)));
  }
  return r;
}

bool AceptarAnillo(CDiagrama& d, double cantidad, UiPort& ui) {
  if (d.m_lazoEnCurso.Clasificar(d.m_cambiadores) == kLazoIncompleto) return false;
  if (ui.AskYesNo(kPreguntaAnillo, Answer::No) != Answer::Yes) return false;
  // The shift record follows the chain as it is now, whatever was prepared
  // before.
  const DesplazamientoAnillo s = PrepararDesplazamiento(d);
  PrepararAnillo(d);
  DesplazarCargaAnillo(d);
  double v = cantidad;
  if (v < -s.b) v = -s.b;
  if (v > s.a) v = s.a;
  RelajarAnillo(d, v);
  return true;
}

}  // namespace vardo
