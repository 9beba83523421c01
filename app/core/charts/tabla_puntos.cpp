#include "app/core/charts/tabla_puntos.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "model/constantes.h"
#include "platform/core/numero_tecleado.h"
#include "platform/core/numtext.h"

namespace vardo {

double ValorCelda(const std::string& texto) { return LeerNumeroTecleado(texto).value_or(0.0); }

bool TablaAscendente(const TablaPuntos& filas) {
  if (filas.empty()) return false;
  const double t1 = ValorCelda(filas.front().t);
  const double tn = ValorCelda(filas.back().t);
  if (std::fabs(t1 - tn) >= kTolSpan) return tn >= t1;
  return ValorCelda(filas.back().h) > 0.0;
}

namespace {

// The enthalpy text of a cell with the sign the direction asks for.
void FirmarEntalpia(FilaPuntos& f, bool ascendente) {
  const double h = ValorCelda(f.h);
  if ((!ascendente && h > 0.0) || (ascendente && h < 0.0)) f.h = NumTexto(-h);
}

}  // namespace

bool ComprobarTabla(TablaPuntos& filas) {
  if (filas.empty()) return false;
  const bool sube = TablaAscendente(filas);
  bool corregida = false;
  if (filas.size() >= 3) {
    for (std::size_t r = 0; r + 1 < filas.size(); ++r) {
      FilaPuntos& a = filas[r];
      FilaPuntos& b = filas[r + 1];
      // Each pair is read as the earlier pairs left it.
      const double ta = ValorCelda(a.t);
      const double tb = ValorCelda(b.t);
      if ((!sube && tb > ta) || (sube && tb < ta)) {
        b.t = a.t;
        corregida = true;
      }
      if (std::fabs(ta) == std::fabs(tb)) b.t = NumTexto(sube ? ta + kTolT : ta - kTolT);
      const double ha = ValorCelda(a.h);
      const double hb = ValorCelda(b.h);
      if (std::fabs(ha) > std::fabs(hb)) {
        b.h = a.h;
        corregida = true;
      }
      FirmarEntalpia(a, sube);
    }
  }
  FirmarEntalpia(filas.back(), sube);
  return corregida;
}

TablaPuntos TablaDeCorriente(const CCorriente& c) {
  TablaPuntos filas;
  for (std::int32_t i = 0; i < c.GetNumPuntos(); ++i)
    filas.push_back({NumTexto(c.GetPunto(i, 1)), NumTexto(c.GetPunto(i, 0))});
  return filas;
}

void PuntosDeTabla(const TablaPuntos& filas, CCorriente& c) {
  c.BorrarPuntos();
  for (const FilaPuntos& f : filas) c.AddPunto(ValorCelda(f.t), ValorCelda(f.h));
}

TablaPuntos TablaDeFuncion(const std::vector<double>& x, const std::vector<double>& y,
                           bool hDeT, bool& desplazada) {
  TablaPuntos filas;
  desplazada = false;
  const std::size_t n = std::min(x.size(), y.size());
  if (n == 0) return filas;
  const double origen = hDeT ? y[0] : x[0];
  desplazada = std::fabs(origen) > kTolH;
  for (std::size_t i = 0; i < n; ++i) {
    if (hDeT) filas.push_back({NumTexto(x[i]), NumTexto(y[i] - origen)});
    else filas.push_back({NumTexto(y[i]), NumTexto(x[i] - origen)});
  }
  return filas;
}

CGrafica GraficaEntalpia(const TablaPuntos& filas) {
  CGrafica g;
  const double ultima = filas.empty() ? 0.0 : ValorCelda(filas.back().h);
  const bool fria = ultima > 0.0;
  g.Inicializar(fria ? "Entalpía" : "Entalpia", 0, fria ? kColorEntalpiaFria : kColorEntalpiaCaliente);
  const double origen = fria ? 0.0 : ultima;
  for (const FilaPuntos& f : filas)
    g.AddPunto(ValorGrafica(ValorCelda(f.h) - origen, 2), ValorGrafica(ValorCelda(f.t), 2));
  g.SetTitulos("H (kW)", "T (K)", "");
  g.marco = Rect{0, 500, 9000, -9000};
  g.fuenteEscala.height = 14;
  g.fuenteEjes.height = 16;
  g.sangriaEtiquetas = 300;
  g.semiMarca = 40;
  g.rejilla = 1;
  g.Recalcular();
  return g;
}

}  // namespace vardo
