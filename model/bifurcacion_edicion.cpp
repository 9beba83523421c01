// Making and unmaking splits of the network's streams.
#include "model/bifurcacion_edicion.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/bifurcacion_layout.h"
#include "model/constantes.h"

namespace vardo {

namespace {

bool EsProceso(const CDiagrama& d, std::int32_t i) { return i >= 0 && i < d.GetNumCorrientes(); }

// Appends a stream; the others keep their grid colours (a stream's copy
// leaves its colour out, and growing the array copies every stream).
void AnadirCorriente(CDiagrama& d, const CCorriente& c) {
  std::vector<Rgb> colores;
  colores.reserve(d.m_corrientes.size());
  for (const CCorriente& s : d.m_corrientes) colores.push_back(s.m_color);
  d.m_corrientes.push_back(c);
  for (std::size_t k = 0; k < colores.size(); ++k) d.m_corrientes[k].m_color = colores[k];
}

// Appends a split record; the others keep their working state (selection,
// overlays, colour), which a split's copy leaves out.
void AnadirBifurcada(CDiagrama& d, const CCorrienteBifurcada& b) {
  struct Trabajo {
    std::int32_t dibujada, seleccion, dibujarEnBlanco;
    std::vector<std::uint32_t> pendientes, camino;
    Rgb color;
  };
  std::vector<Trabajo> trabajo;
  for (const CCorrienteBifurcada& x : d.m_bifurcadas)
    trabajo.push_back({x.dibujada, x.seleccion, x.dibujarEnBlanco, x.pendientes, x.camino, x.color});
  d.m_bifurcadas.push_back(b);
  for (std::size_t k = 0; k < trabajo.size(); ++k) {
    CCorrienteBifurcada& x = d.m_bifurcadas[k];
    x.dibujada = trabajo[k].dibujada;
    x.seleccion = trabajo[k].seleccion;
    x.dibujarEnBlanco = trabajo[k].dibujarEnBlanco;
    x.pendientes = trabajo[k].pendientes;
    x.camino = trabajo[k].camino;
    x.color = trabajo[k].color;
  }
}

// A new stream standing for part of `origen`: its data without its
// exchangers, in area `area`, branch of split `bifurcacion` (-1 none).
CCorriente Pieza(const CCorriente& origen, std::int32_t bifurcacion, std::int32_t area) {
  CCorriente p = origen;
  p.m_cambiadores.clear();
  p.m_split = bifurcacion;
  p.m_area = area;
  p.m_marcaOrden = 0;
  return p;
}

// Appends a piece and enters it in its area's member list.
std::int32_t AnadirPieza(CDiagrama& d, const CCorriente& p) {
  AnadirCorriente(d, p);
  const std::int32_t ref = d.GetNumCorrientes() - 1;
  if (p.m_area >= 0 && p.m_area < static_cast<std::int32_t>(d.m_areas.size()))
    d.m_areas[static_cast<std::size_t>(p.m_area)].AddCorriente(ref);
  return ref;
}

// A stream that names a split none of whose nodes names it is no part of
// it: it leaves the split's list, so that deleting it leaves the split alone.
void SoltarDeBifurcacion(CDiagrama& d, std::int32_t i) {
  CCorriente& c = d.m_corrientes[static_cast<std::size_t>(i)];
  if (c.m_split >= 0 && c.m_split < static_cast<std::int32_t>(d.m_bifurcadas.size())) {
    auto& ramas = d.m_bifurcadas[static_cast<std::size_t>(c.m_split)].ramas;
    ramas.erase(std::remove(ramas.begin(), ramas.end(), static_cast<std::uint32_t>(i)), ramas.end());
  }
  c.m_split = -1;
}

// The area a stream may keep: its own when it names an existing area.
std::int32_t AreaValida(const CDiagrama& d, std::int32_t area) {
  return area >= 0 && area < static_cast<std::int32_t>(d.m_areas.size()) ? area : -1;
}

// The stream of split b that plays part `ref` at one end of it: the part
// itself, or for a node (-m) the stream at that end of the node (`extremo`
// kEntrada where the flow enters it, kSalida where it leaves).
std::int32_t CorrienteEn(const CCorrienteBifurcada& b, std::int32_t ref, int extremo) {
  for (std::size_t pasos = 0; ref < 0 && pasos <= b.nodos.size(); ++pasos) {
    const auto m = static_cast<std::size_t>(-static_cast<std::int64_t>(ref));
    if (m >= b.nodos.size()) break;
    ref = b.nodos[m].Referencia(extremo);
  }
  return ref;
}
std::int32_t EntradaDe(const CCorrienteBifurcada& b, std::int32_t ref) {
  return CorrienteEn(b, ref, CCuaterna::kEntrada);
}
std::int32_t SalidaDe(const CCorrienteBifurcada& b, std::int32_t ref) {
  return CorrienteEn(b, ref, CCuaterna::kSalida);
}

// Puts `nodo` into split b in place of its part s: s leaves the member list,
// the nodes name the new node (-n) where they named s, s's links go, then
// the node's parts join the member list and its links, and every node that
// now names it is linked to them.
void ExtenderBifurcacion(CCorrienteBifurcada& b, std::int32_t s, const CCuaterna& nodo,
                         const std::vector<CConexion>& enlaces) {
  const auto n = static_cast<std::int32_t>(b.nodos.size());
  b.ramas.erase(std::remove(b.ramas.begin(), b.ramas.end(), static_cast<std::uint32_t>(s)),
                b.ramas.end());
  for (CCuaterna& q : b.nodos)
    for (int p = CCuaterna::kEntrada; p <= CCuaterna::kSalida; ++p)
      if (q.Referencia(p) == s) q.SetReferencia(p, -n);
  b.conexiones.erase(std::remove_if(b.conexiones.begin(), b.conexiones.end(),
                                    [s](const CConexion& c) {
                                      return c.primero == s || c.segundo == s;
                                    }),
                     b.conexiones.end());
  b.nodos.push_back(nodo);
  for (int p = CCuaterna::kEntrada; p <= CCuaterna::kSalida; ++p)
    b.ramas.push_back(static_cast<std::uint32_t>(nodo.Referencia(p)));
  b.conexiones.insert(b.conexiones.end(), enlaces.begin(), enlaces.end());

  const std::int32_t U = nodo.refEntrada;
  const std::int32_t D = nodo.refSalida;
  for (std::size_t j = 0; j + 1 < b.nodos.size(); ++j) {
    const CCuaterna J = b.nodos[j];
    if (J.refEntrada == -n) {
      b.conexiones.emplace_back(D, EntradaDe(b, J.refRamaPrincipal));
      b.conexiones.emplace_back(D, EntradaDe(b, J.refRamaDesplazada));
    }
    if (J.refSalida == -n) {
      b.conexiones.emplace_back(SalidaDe(b, J.refRamaPrincipal), U);
      b.conexiones.emplace_back(SalidaDe(b, J.refRamaDesplazada), U);
    }
    if (J.refRamaDesplazada == -n) {
      b.conexiones.emplace_back(SalidaDe(b, J.refEntrada), U);
      b.conexiones.emplace_back(D, EntradaDe(b, J.refSalida));
    }
  }
  // The next drawing places the nodes from the new one on, unless it is to
  // place earlier ones already.
  if (b.inicioRecolocar < 0) b.inicioRecolocar = n;
}

}  // namespace

bool EsLatente(const CCorriente& c) { return c.GetCP(kTSentinel, kTSentinel) == kCpLatente; }

std::int32_t BifurcacionDe(const CDiagrama& d, std::int32_t i) {
  if (!EsProceso(d, i)) return -1;
  const std::int32_t b = d.m_corrientes[static_cast<std::size_t>(i)].m_split;
  return b >= 0 && b < static_cast<std::int32_t>(d.m_bifurcadas.size()) ? b : -1;
}

std::int32_t NodoDeCorriente(const CDiagrama& d, std::int32_t b, std::int32_t i) {
  if (b < 0 || b >= static_cast<std::int32_t>(d.m_bifurcadas.size())) return -1;
  const auto& nodos = d.m_bifurcadas[static_cast<std::size_t>(b)].nodos;
  for (std::int32_t n = static_cast<std::int32_t>(nodos.size()) - 1; n >= 0; --n)
    for (int p = CCuaterna::kEntrada; p <= CCuaterna::kSalida; ++p)
      if (nodos[static_cast<std::size_t>(n)].Referencia(p) == i) return n;
  return -1;
}

double TemperaturaMezcla(const CCorriente& S, double Ta, double Tb, double Tc, double pu,
                         double pl) {
  CCorriente s = S;  // GetTEnH recomputes the stream's m·cp
  const double ha = s.GetH(Ta, 1);
  const double h = ha + pu * 0.01 * (s.GetH(Tb, 1) - ha) + pl * 0.01 * (s.GetH(Tc, 1) - ha);
  return s.GetTEnH(h);
}

bool PuedeBifurcarse(const CDiagrama& d, std::int32_t i) {
  if (!EsProceso(d, i) || EsLatente(d.m_corrientes[static_cast<std::size_t>(i)])) return false;
  for (const CCorrienteBifurcada& b : d.m_bifurcadas)
    for (const CCuaterna& n : b.nodos)
      if (n.refRamaPrincipal == i) return false;
  return true;
}

std::int32_t BifurcarCorriente(CDiagrama& d, std::int32_t i, double Ta, double Tb, double Tc,
                               double pu, double pl) {
  if (!PuedeBifurcarse(d, i)) return -1;
  const std::int32_t dentro = BifurcacionDe(d, i);
  const bool extender = NodoDeCorriente(d, dentro, i) >= 0;
  if (!extender) SoltarDeBifurcacion(d, i);
  const CCorriente S = d.m_corrientes[static_cast<std::size_t>(i)];

  const std::int32_t k = extender ? dentro : static_cast<std::int32_t>(d.m_bifurcadas.size());
  const std::int32_t area = AreaValida(d, S.m_area);
  const CCorriente pieza = Pieza(S, k, area);
  const std::int32_t e = d.GetNumCorrientes();
  for (int p = 0; p < 4; ++p) AnadirPieza(d, pieza);

  CCuaterna nodo;
  nodo.segmento = Pieza(S, -1, area);
  nodo.refEntrada = e;
  nodo.refRamaPrincipal = e + 1;
  nodo.refRamaDesplazada = e + 2;
  nodo.refSalida = e + 3;
  const auto u = static_cast<std::uint32_t>(e);
  const std::vector<CConexion> enlaces{CConexion(e, e + 1), CConexion(e, e + 2),
                                       CConexion(e + 1, e + 3), CConexion(e + 2, e + 3)};
  if (extender) {
    ExtenderBifurcacion(d.m_bifurcadas[static_cast<std::size_t>(k)], i, nodo, enlaces);
  } else {
    CCorrienteBifurcada b;
    b.corriente = nodo.segmento;
    b.nodos.push_back(nodo);
    b.ramas = {u, u + 1, u + 2, u + 3};
    b.conexiones = enlaces;
    b.inicioRecolocar = 0;  // the next drawing places the node
    AnadirBifurcada(d, b);
  }

  CCorrienteBifurcada& bif = d.m_bifurcadas[static_cast<std::size_t>(k)];
  const auto n = static_cast<std::int32_t>(bif.nodos.size()) - 1;
  Bifurcar(bif, d.m_corrientes, n, Ta, Tb, Tc, TemperaturaMezcla(S, Ta, Tb, Tc, pu, pl), pu, pl);
  for (std::int32_t r = e; r < e + 4; ++r)
    d.m_corrientes[static_cast<std::size_t>(r)].m_rect = bif.corriente.m_rect;
  bif.CalcularFilas();
  d.DeseleccionarCorriente();
  // Alone: the split it belonged to now holds the new parts.
  d.BorrarCorrienteSola(i);
  return k;
}

bool DividirCorrienteLatente(CDiagrama& d, std::int32_t i, double h1, double h2) {
  if (!EsProceso(d, i)) return false;
  if (NodoDeCorriente(d, BifurcacionDe(d, i), i) >= 0) return false;
  if (!EsLatente(d.m_corrientes[static_cast<std::size_t>(i)])) return false;
  SoltarDeBifurcacion(d, i);
  const CCorriente S = d.m_corrientes[static_cast<std::size_t>(i)];
  const double signo = S.m_fria ? 1.0 : -1.0;
  const double T = S.GetT1();
  for (double h : {h1, h2}) {
    CCorriente p = Pieza(S, -1, AreaValida(d, S.m_area));
    p.BorrarPuntos();
    p.AddPunto(T, 0.0);
    p.AddPunto(T, signo * std::fabs(h));
    p.m_latente = 1;
    p.m_mcp = kCpLatente;
    AnadirPieza(d, p);
  }
  d.BorrarCorriente(i);
  return true;
}

std::int32_t UnirBifurcacion(CDiagrama& d, std::int32_t b, std::int32_t area) {
  if (b < 0 || b >= static_cast<std::int32_t>(d.m_bifurcadas.size())) return -1;
  // The whole stream joins the area before the branches leave it, so that
  // the area is never left empty on the way.
  AnadirPieza(d, Pieza(d.m_bifurcadas[static_cast<std::size_t>(b)].corriente, -1,
                       AreaValida(d, area)));
  d.BorrarBifurcacion(b);
  return d.GetNumCorrientes() - 1;
}

}  // namespace vardo
