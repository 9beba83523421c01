// Fixture of the chart builder tests: a full picture of a model to tell
// whether a builder left it as it found it, and checks of the series and
// titles; the problems come from the shared test problems.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/core/charts/grafica.h"
#include "app/core/charts/graficas.h"
#include "model/diagrama.h"
#include "platform/core/archive.h"
#include "platform/core/numtext.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {

// Series colours of the builders.
inline constexpr Rgb kRojo = MakeRgb(170, 0, 0);
inline constexpr Rgb kAzul = MakeRgb(0, 0, 200);
inline constexpr Rgb kVerde = MakeRgb(0, 170, 0);
inline constexpr Rgb kLila = MakeRgb(180, 110, 250);

// The four-stream problem's composite curves, scaled, with the legend on.
inline CGrafica CompuestasCuatroCorrientes() {
  CDiagrama d = CuatroCorrientes();
  CGrafica g;
  GraficaCompuestas(d, g, false);
  g.Recalcular();
  g.posLeyenda = 1;
  return g;
}

// Everything a builder must leave alone: the stored form, the values that
// are not stored, and the targets.
struct Foto {
  std::vector<std::uint8_t> bytes;
  double dtMin, tPinch, tCal, tFrio;
  std::vector<double> T, Q, C, Ts, Qs, Cs, Tcs, Qcs, Ccs;
  std::int32_t n, ns, ncs;
  std::vector<double> pinchesBifurcadas;
  std::string texto;

  bool operator==(const Foto&) const = default;
};

inline Foto Fotografiar(const CDiagrama& d) {
  Foto f;
  CDiagrama copia(d);
  Archive ar;
  copia.Serialize(ar);
  f.bytes = ar.Bytes();
  f.dtMin = d.m_dtMin;
  f.tPinch = d.m_tPinch;
  f.tCal = d.m_tCalienteGenerico;
  f.tFrio = d.m_tFrioGenerico;
  f.T = d.m_temperaturas;
  f.Q = d.m_calores;
  f.C = d.m_cascada;
  f.Ts = d.m_temperaturasServ;
  f.Qs = d.m_caloresServ;
  f.Cs = d.m_cascadaServ;
  f.Tcs = d.m_temperaturasConServ;
  f.Qcs = d.m_caloresConServ;
  f.Ccs = d.m_cascadaConServ;
  f.n = d.m_numIntervalos;
  f.ns = d.m_numIntervalosServ;
  f.ncs = d.m_numIntervalosConServ;
  for (const CCorrienteBifurcada& b : d.m_bifurcadas) {
    f.pinchesBifurcadas.push_back(b.corriente.m_pinch);
    f.pinchesBifurcadas.push_back(b.corriente.m_dtMin);
  }
  for (const CCorriente& c : d.m_corrientes) f.texto += NumTexto(c.m_mcp, 17) + ";";
  f.texto += d.m_textoComprobacion;
  return f;
}

// The points of series i.
inline std::vector<Point> PuntosSerie(const CGrafica& g, std::size_t i) {
  const std::size_t desde = static_cast<std::size_t>(g.series.at(i).primerPunto);
  const std::size_t hasta = i + 1 < g.series.size()
                                ? static_cast<std::size_t>(g.series[i + 1].primerPunto)
                                : g.puntos.size();
  return {g.puntos.begin() + static_cast<std::ptrdiff_t>(desde),
          g.puntos.begin() + static_cast<std::ptrdiff_t>(hasta)};
}

struct SerieEsperada {
  std::string etiqueta;
  int estilo;
  Rgb color;
};

inline void ComprobarSeries(const CGrafica& g, const std::vector<SerieEsperada>& esperadas) {
  ASSERT_EQ(g.series.size(), esperadas.size());
  for (std::size_t i = 0; i < esperadas.size(); ++i) {
    EXPECT_EQ(g.series[i].etiqueta, esperadas[i].etiqueta) << i;
    EXPECT_EQ(g.series[i].estilo, esperadas[i].estilo) << esperadas[i].etiqueta;
    EXPECT_EQ(g.series[i].color, esperadas[i].color) << esperadas[i].etiqueta;
  }
}

inline void ComprobarTitulos(const CGrafica& g, const std::string& x, const std::string& y,
                             const std::string& titulo, int decimales) {
  EXPECT_EQ(g.tituloX, x);
  EXPECT_EQ(g.tituloY, y);
  EXPECT_EQ(g.titulo, titulo);
  EXPECT_EQ(g.decimales, decimales);
}

}  // namespace vardo::prueba
