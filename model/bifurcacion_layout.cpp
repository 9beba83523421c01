// Split streams: pieces, layout, drawing and branch temperatures.
#include "model/bifurcacion_layout.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/numtext.h"
#include "platform/core/types.h"

namespace vardo {

namespace {

using Partes = std::array<CCorriente*, 4>;

// Height of one of the split's rows (negative: y grows upwards). The
// rectangle may come from a file, so its height is taken in 64 bits and the
// row height saturated.
std::int32_t AltoFila(const CCorrienteBifurcada& b) {
  const std::int64_t filas = std::max(1, b.filas);
  return Saturar32((std::int64_t{b.rect.bottom} - b.rect.top) / filas);
}

// T lies beyond `ref` in the direction of flow: below it on a hot stream,
// above it on a cold one.
bool Mas(bool fria, double T, double ref) { return fria ? T > ref : T < ref; }

// Appends a point; a point that repeats the last one (a cut that falls on a
// point of the stream) is left out while the piece already has two.
void Agregar(CCorriente& p, double T, double H) {
  if (p.GetNumPuntos() >= 2 && p.m_T.back() == T && std::fabs(p.m_H.back() - H) < kTolH) return;
  p.AddPunto(T, H);
}

// Closes a piece of segment S: at least two points (a piece of no length
// keeps its one temperature twice), the segment's direction and kind, its
// m·cp; its whole enthalpy change is added to hsum.
void Terminar(CCorriente& p, const CCorriente& S, double& hsum) {
  if (p.GetNumPuntos() == 1) p.AddPunto(p.m_T.front(), p.m_H.front());
  p.m_fria = S.m_fria;
  p.m_latente = S.m_latente;
  p.CalcularCP();
  hsum += p.m_H.back();
}

// The part of S up to Ta.
void PiezaEntrada(const CCorriente& S, double Ta, CCorriente& p) {
  const bool fria = S.m_fria != 0;
  p.BorrarPuntos();
  for (std::size_t k = 0; k < S.m_T.size(); ++k) {
    if (Mas(fria, S.m_T[k], Ta)) break;
    p.AddPunto(S.m_T[k], S.m_H[k]);
  }
  Agregar(p, Ta, S.GetH(Ta, 1));
}

// A branch from Ta to Te carrying pct percent of S's flow, enthalpies from 0
// at Ta.
void PiezaRama(const CCorriente& S, double Ta, double Te, double pct, CCorriente& p) {
  const bool fria = S.m_fria != 0;
  const double f = pct * 0.01;
  const double h0 = S.GetH(Ta, 1) * f;
  p.BorrarPuntos();
  p.AddPunto(Ta, 0.0);
  const std::size_t n = S.m_T.size();
  std::size_t k = 0;
  while (k < n && !Mas(fria, S.m_T[k], Ta)) ++k;
  for (; k + 1 < n; ++k) {  // the last point of S is never copied
    if (Mas(fria, S.m_T[k], Te)) break;
    Agregar(p, S.m_T[k], S.m_H[k] * f - h0);
  }
  Agregar(p, Te, S.GetH(Te, 1) * f - h0);
}

// The part of S from Td on, enthalpies less hsum.
void PiezaSalida(const CCorriente& S, double Td, double hsum, CCorriente& p) {
  const bool fria = S.m_fria != 0;
  p.BorrarPuntos();
  p.AddPunto(Td, 0.0);
  for (std::size_t k = 0; k < S.m_T.size(); ++k) {
    if (Mas(fria, S.m_T[k], Td)) Agregar(p, S.m_T[k], S.m_H[k] - hsum);
  }
}

// Share of S's flow that a branch piece carries: the piece's heat from its
// start to its point k over S's heat across the same temperatures. Not a
// number when that span holds no heat of S.
double Fraccion(const CCorriente* p, const CCorriente& S, std::size_t k) {
  if (!p || p->m_T.size() <= k || k == 0) return std::nan("");
  const double dh = S.GetH(p->m_T[k], 1) - S.GetH(p->m_T[0], 1);
  if (dh == 0.0) return std::nan("");
  return p->m_H[k] / dh;
}

// Share at the piece's second point, else over the whole piece.
double FraccionRama(const CCorriente* p, const CCorriente& S) {
  const double f = Fraccion(p, S, 1);
  if (std::isfinite(f) || !p) return f;
  return Fraccion(p, S, p->m_T.size() - 1);
}

// Percentage of the main branch from the two branches' shares of the flow.
// The two shares of one split make the whole flow: when only one branch
// tells its share (the other spans no temperature), the other has the rest;
// when neither does, half and half.
double Reparto(double fu, double fl) {
  if (std::isfinite(fu) && std::isfinite(fl) && fu + fl != 0.0) {
    const double p = 100.0 * fu / (fu + fl);
    if (std::isfinite(p)) return p;
  }
  if (std::isfinite(fu) && !std::isfinite(fl)) return std::clamp(100.0 * fu, 0.0, 100.0);
  if (std::isfinite(fl) && !std::isfinite(fu)) return std::clamp(100.0 - 100.0 * fl, 0.0, 100.0);
  return 50.0;
}

double Total(const CCorriente* p) { return p && !p->m_H.empty() ? p->m_H.back() : 0.0; }

// The stream (or node segment) a reference of the split names; a node
// reference is queued for rebuilding when `pendientes` is set.
CCorriente* Destino(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes, std::int32_t ref,
                    bool pendientes) {
  CCorriente* p = b.Resolver(ref, corrientes);
  if (p && ref < 0 && pendientes) b.pendientes.push_back(static_cast<std::uint32_t>(-ref));
  return p;
}

// Writes the four pieces of node n from segment S.
void ReconstruirNodo(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes, std::size_t n,
                     const CCorriente& S, double Ta, double Tb, double Tc, double Td, double pu,
                     double pl) {
  const CCuaterna q = b.nodos[n];  // references only; the pieces may be node segments
  double hsum = 0.0;
  if (CCorriente* p = Destino(b, corrientes, q.refEntrada, true)) {
    PiezaEntrada(S, Ta, *p);
    Terminar(*p, S, hsum);
  }
  if (CCorriente* p = Destino(b, corrientes, q.refRamaPrincipal, true)) {
    PiezaRama(S, Ta, Tb, pu, *p);
    Terminar(*p, S, hsum);
  }
  if (CCorriente* p = Destino(b, corrientes, q.refRamaDesplazada, true)) {
    PiezaRama(S, Ta, Tc, pl, *p);
    Terminar(*p, S, hsum);
  }
  if (CCorriente* p = Destino(b, corrientes, q.refSalida, true)) {
    double h = 0.0;
    PiezaSalida(S, Td, hsum, *p);
    Terminar(*p, S, h);
  }
}

Partes PartesDe(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes, std::size_t n) {
  const CCuaterna& q = b.nodos[n];
  return {b.Resolver(q.refEntrada, corrientes), b.Resolver(q.refRamaPrincipal, corrientes),
          b.Resolver(q.refRamaDesplazada, corrientes), b.Resolver(q.refSalida, corrientes)};
}

// Nodes with each one after the node that names it (node 0 first), so a
// node's segment is placed before its own parts; nodes nobody names follow
// in index order.
std::vector<std::size_t> OrdenNodos(const CCorrienteBifurcada& b) {
  const std::size_t n = b.nodos.size();
  std::vector<std::size_t> orden;
  std::vector<char> visto(n, 0);
  auto poner = [&](std::size_t k) {
    if (k < n && !visto[k]) {
      visto[k] = 1;
      orden.push_back(k);
    }
  };
  poner(0);
  for (std::size_t i = 0; i < orden.size(); ++i) {
    for (int r = CCuaterna::kEntrada; r <= CCuaterna::kSalida; ++r) {
      const std::int32_t ref = b.nodos[orden[i]].Referencia(r);
      if (ref < 0) poner(static_cast<std::size_t>(-static_cast<std::int64_t>(ref)));
    }
  }
  for (std::size_t k = 0; k < n; ++k) poner(k);
  return orden;
}

std::int32_t Centro(const Rect& r) { return r.bottom - (r.bottom - r.top) / 2; }

// Rows a part of the split takes: one for a stream; for a node, the most of
// its incoming part, its two branches together and its outgoing part.
std::int32_t FilasDe(const CCorrienteBifurcada& b, std::int32_t ref, std::size_t profundidad) {
  if (ref >= 0 || profundidad > b.nodos.size()) return 1;
  const auto k = static_cast<std::size_t>(-static_cast<std::int64_t>(ref));
  if (k >= b.nodos.size()) return 1;
  const CCuaterna& q = b.nodos[k];
  return std::max({FilasDe(b, q.refEntrada, profundidad + 1),
                   FilasDe(b, q.refRamaPrincipal, profundidad + 1) +
                       FilasDe(b, q.refRamaDesplazada, profundidad + 1),
                   FilasDe(b, q.refSalida, profundidad + 1)});
}

// Rows of every node: the incoming, main and outgoing parts on the node's
// row, the offset branch on the row above the main branch (one row up, or
// above the rows of a main branch that is split again); the main branch a
// little wider than the offset one, the incoming and outgoing parts meeting
// it.
void DisponerFilas(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes) {
  const std::int32_t r = AltoFila(b);
  const double d = 0.3 * r;
  const bool fria = b.corriente.m_fria != 0;
  for (std::size_t n : OrdenNodos(b)) {
    const Partes p = PartesDe(b, corrientes, n);
    const std::int32_t B = b.nodos[n].segmento.m_rect.bottom;
    for (int i : {0, 1, 3}) {
      if (!p[i]) continue;
      p[i]->m_rect.top = B - r;
      p[i]->m_rect.bottom = B;
    }
    if (p[2]) {
      const std::int32_t debajo = FilasDe(b, b.nodos[n].refRamaPrincipal, 0);
      p[2]->m_rect.top = B - (debajo + 1) * r;
      p[2]->m_rect.bottom = B - debajo * r;
    }
    if (!p[1]) continue;
    if (p[2]) {
      p[1]->m_rect.left = TruncCoord(p[2]->m_rect.left + d);
      p[1]->m_rect.right = TruncCoord(p[2]->m_rect.right - d);
    }
    if (fria) {
      if (p[0]) p[0]->m_rect.left = p[1]->m_rect.right;
      if (p[3]) p[3]->m_rect.right = p[1]->m_rect.left;
    } else {
      if (p[0]) p[0]->m_rect.right = p[1]->m_rect.left;
      if (p[3]) p[3]->m_rect.left = p[1]->m_rect.right;
    }
  }
}

// Places node n's parts across its segment's rectangle: the branches in the
// middle third, the incoming and outgoing parts to either side.
void ColocarNodo(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes, std::size_t n) {
  Rect& seg = b.nodos[n].segmento.m_rect;
  const std::int32_t L = seg.left, R = seg.right, top = seg.top, B = seg.bottom;
  const std::int32_t tercio = (R - L) / 3;
  const std::int32_t fila = B - top;
  const double d = 0.3 * fila;
  const bool fria = b.corriente.m_fria != 0;

  Rect entrada, salida;
  if (fria) {
    entrada = Rect{TruncCoord(R - tercio - d), top, R, B};
    salida = Rect{L, top, TruncCoord(L + tercio + d), B};
  } else {
    entrada = Rect{n == 0 ? L + 550 : L, top, TruncCoord(L + tercio + d), B};
    salida = Rect{TruncCoord(R - tercio - d), top, R, B};
  }
  const std::int32_t u = TruncCoord(L + tercio + d);
  const Rect principal{u, top, TruncCoord(u + tercio - 0.6 * fila), B};
  const Rect desplazada{L + tercio, 2 * top - B, L + 2 * tercio, top};

  const Partes p = PartesDe(b, corrientes, n);
  const Rect rects[4] = {entrada, principal, desplazada, salida};
  for (int i = 0; i < 4; ++i)
    if (p[i]) p[i]->m_rect = rects[i];
  // A part may be this node itself (a damaged record); the segment is set last.
  Rect& s = b.nodos[n].segmento.m_rect;
  s = Rect{L, top, R, B};
  if (fria) {
    s.left = salida.left;
    s.right = entrada.right;
  } else {
    s.left = entrada.left;
    s.right = salida.right;
  }
}

// Whether node n's segment runs to the split stream's own end: node 0, and
// every node that is the outgoing part of such a node.
bool LlegaAlFinal(const CCorrienteBifurcada& b, std::size_t n) {
  for (std::size_t pasos = 0; pasos <= b.nodos.size(); ++pasos) {
    if (n == 0) return true;
    bool encontrado = false;
    for (std::size_t m = 0; m < b.nodos.size(); ++m) {
      const CCuaterna& q = b.nodos[m];
      const auto ref = -static_cast<std::int32_t>(n);
      if (q.refSalida == ref) {
        n = m;
        encontrado = true;
        break;
      }
      if (q.refEntrada == ref || q.refRamaPrincipal == ref || q.refRamaDesplazada == ref) return false;
    }
    if (!encontrado) return false;
  }
  return false;
}

// The node holding stream ref among its four references, then the nodes
// that name it, up to node 0.
std::vector<std::size_t> CadenaDeNodos(const CCorrienteBifurcada& b, std::int32_t ref) {
  std::vector<std::size_t> cadena;
  for (std::size_t pasos = 0; pasos <= b.nodos.size(); ++pasos) {
    std::size_t encontrado = b.nodos.size();
    for (std::size_t m = 0; m < b.nodos.size(); ++m) {
      const CCuaterna& q = b.nodos[m];
      if (q.refEntrada == ref || q.refRamaPrincipal == ref || q.refRamaDesplazada == ref ||
          q.refSalida == ref) {
        encontrado = m;
        break;
      }
    }
    if (encontrado == b.nodos.size() ||
        std::find(cadena.begin(), cadena.end(), encontrado) != cadena.end()) {
      break;
    }
    cadena.push_back(encontrado);
    if (encontrado == 0) break;
    ref = -static_cast<std::int32_t>(encontrado);
  }
  return cadena;
}

}  // namespace

// ------------------------------------------------------------------- pieces

void Bifurcar(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes, std::int32_t nodo,
              double Ta, double Tb, double Tc, double Td, double pu, double pl) {
  b.pendientes.clear();
  if (nodo < 0 || static_cast<std::size_t>(nodo) >= b.nodos.size()) return;
  const CCorriente S = b.nodos[static_cast<std::size_t>(nodo)].segmento;
  ReconstruirNodo(b, corrientes, static_cast<std::size_t>(nodo), S, Ta, Tb, Tc, Td, pu, pl);
  RecalcularRamas(b, corrientes);
}

void RecalcularRamas(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes) {
  // Each node is rebuilt once per node naming it; a damaged record whose
  // node references form a cycle is stopped by the bound.
  const std::size_t limite = 4 * (b.nodos.size() + 1) * (b.nodos.size() + 1);
  for (std::size_t vueltas = 0; !b.pendientes.empty() && vueltas < limite; ++vueltas) {
    const std::size_t n = b.pendientes.front();
    b.pendientes.erase(b.pendientes.begin());
    if (n >= b.nodos.size()) continue;
    const CCorriente S = b.nodos[n].segmento;
    const bool fria = S.m_fria != 0;
    const Partes p = PartesDe(b, corrientes, n);

    double Ta = p[0] ? p[0]->GetT2() : S.GetT1();
    if (Mas(fria, S.GetT1(), Ta)) Ta = S.GetT1();  // not before the segment starts
    const double pu = Reparto(FraccionRama(p[1], S), FraccionRama(p[2], S));
    auto fin = [&](const CCorriente* r) {
      const double T = r ? r->GetT2() : S.GetT2();
      return Mas(fria, T, S.GetT2()) ? S.GetT2() : T;
    };
    const double Tb = fin(p[1]);
    const double Tc = fin(p[2]);
    const double Td = p[3] ? p[3]->GetT1() : S.GetT2();
    ReconstruirNodo(b, corrientes, n, S, Ta, Tb, Tc, Td, pu, 100.0 - pu);
  }
  b.pendientes.clear();
}

void ActualizarCorriente(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes) {
  if (b.nodos.empty()) return;
  b.pendientes.assign(1, 0);
  b.nodos[0].segmento = b.corriente;
  RecalcularRamas(b, corrientes);
}

// ------------------------------------------------------------------ drawing

void CalcularPuntos(CCorrienteBifurcada& b, const std::vector<CCorriente>& corrientes,
                    std::int32_t nodo) {
  if (nodo < 0 || static_cast<std::size_t>(nodo) >= b.nodos.size()) return;
  CCuaterna& q = b.nodos[static_cast<std::size_t>(nodo)];
  const CCorriente* p0 = b.Resolver(q.refEntrada, corrientes);
  const CCorriente* p2 = b.Resolver(q.refRamaDesplazada, corrientes);
  const CCorriente* p3 = b.Resolver(q.refSalida, corrientes);
  if (!p0 || !p2 || !p3) return;
  const Rect &e = p0->m_rect, &o = p2->m_rect, &s = p3->m_rect;
  if (b.corriente.m_fria) {
    q.lineaDerecha = LineaNodo{o.right, e.left, Centro(o), Centro(e)};
    q.lineaIzquierda = LineaNodo{o.left, s.right, Centro(o), Centro(s)};
  } else {
    q.lineaIzquierda = LineaNodo{o.left, e.right, Centro(o), Centro(e)};
    q.lineaDerecha = LineaNodo{o.right, s.left, Centro(o), Centro(s)};
  }
}

void DibujarNodo(const CCuaterna& n, Dc& dc, std::int32_t izquierda) {
  const LineaNodo& l = izquierda ? n.lineaIzquierda : n.lineaDerecha;
  dc.MoveTo(l.xOtro, l.yOtro);
  dc.LineTo(l.xRama, l.yRama);
}

void DibujarBifurcada(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes, Dc& dc,
                      double tPinch, std::int32_t indice, std::int32_t mostrarTemperaturas) {
  const std::int32_t alto = AltoFila(b);
  const bool blanco = b.dibujarEnBlanco != 0;
  const Rgb color = blanco ? kColorBifurcacionBlanco : b.color;
  const bool fria = b.corriente.m_fria != 0;

  const int guardado = dc.SaveDc();
  dc.SelectPen(Pen{PenStyle::Solid, 1, color});

  // The whole stream on the split's bottom row; node 0 splits it.
  CCorriente& c = b.corriente;
  c.m_rect = Rect{b.rect.left, b.rect.bottom - alto, b.rect.right, b.rect.bottom};
  c.m_mostrarNombre = b.mostrarNombre;
  c.m_pinch = tPinch;
  c.m_color = color;
  c.ClasificarExtremos();
  c.Dibujar(dc, indice);
  if (!b.nodos.empty()) b.nodos[0].segmento = c;

  DisponerFilas(b, corrientes);
  if (b.inicioRecolocar >= 0) {
    for (std::size_t n : OrdenNodos(b)) {
      if (n >= static_cast<std::size_t>(b.inicioRecolocar)) ColocarNodo(b, corrientes, n);
    }
    b.inicioRecolocar = -1;
    DisponerFilas(b, corrientes);  // rows of the nodes just placed
  }
  for (std::size_t n = 0; n < b.nodos.size(); ++n) CalcularPuntos(b, corrientes, static_cast<std::int32_t>(n));

  // Offset branches as brackets above their main branches.
  for (std::size_t n = 0; n < b.nodos.size(); ++n) {
    const Partes p = PartesDe(b, corrientes, n);
    if (!p[1] || !p[2]) continue;
    const Rect& m = p[1]->m_rect;
    const Rect& o = p[2]->m_rect;
    const std::int32_t h = m.bottom - m.top;
    const std::int32_t yo = o.top + h / 2;
    const std::int32_t ym = m.top + h / 2;
    dc.Polyline({{TruncCoord(o.left + 0.3 * h), ym}, {o.left, yo}, {o.right, yo},
                 {TruncCoord(o.right - 0.3 * h), ym}});
  }

  // Split and merge temperatures beside each main branch.
  if (mostrarTemperaturas) {
    for (std::size_t n = 0; n < b.nodos.size(); ++n) {
      const Partes p = PartesDe(b, corrientes, n);
      if (!p[1] || !p[3]) continue;
      const Rect& m = p[1]->m_rect;
      const std::int32_t y = Centro(m) + 450;
      const std::string division = NumTexto(p[1]->GetT1(), 6);
      const std::string mezcla = NumTexto(p[3]->GetT1(), 6);
      dc.TextOut(m.left - 800, y, fria ? mezcla : division);
      dc.TextOut(m.right + 100, y, fria ? division : mezcla);
    }
  }

  // The selection: one line of a node, or a line across a branch stream.
  if (!blanco && b.seleccion != kSinSeleccionBifurcada) {
    dc.SelectPen(Pen{PenStyle::Solid, 1, kColorBifurcacionSeleccion});
    if (b.seleccion < 0) {
      const std::int64_t codigo = -static_cast<std::int64_t>(b.seleccion) - 1;
      const auto k = static_cast<std::size_t>(codigo / 2);
      if (k < b.nodos.size()) DibujarNodo(b.nodos[k], dc, codigo % 2 == 1 ? 1 : 0);
    } else if (static_cast<std::size_t>(b.seleccion) < corrientes.size()) {
      const Rect& r = corrientes[static_cast<std::size_t>(b.seleccion)].m_rect;
      dc.MoveTo(r.left, Centro(r));
      dc.LineTo(r.right, Centro(r));
    }
  }

  dc.RestoreDc(guardado);
  b.dibujada = 1;
  if (blanco) {
    b.dibujarEnBlanco = 0;
    b.color = 0;
  }
}

void DibujarResaltada(CCorrienteBifurcada& b, const std::vector<CCorriente>& corrientes,
                      std::int32_t desde, std::int32_t hasta, Dc& dc, std::int32_t verde) {
  // The nodes on the way: from each end up to the first node both chains
  // share.
  const std::vector<std::size_t> a = CadenaDeNodos(b, desde);
  const std::vector<std::size_t> c = CadenaDeNodos(b, hasta);
  std::vector<std::size_t> camino;
  std::size_t ic = c.size();
  for (std::size_t n : a) {
    camino.push_back(n);
    auto it = std::find(c.begin(), c.end(), n);
    if (it != c.end()) {
      ic = static_cast<std::size_t>(it - c.begin());
      break;
    }
  }
  for (std::size_t i = std::min(ic, c.size()); i-- > 0;) camino.push_back(c[i]);

  b.camino.clear();
  auto anadir = [&](std::int32_t s) {
    if (s < 0) return;
    const auto u = static_cast<std::uint32_t>(s);
    if (std::find(b.camino.begin(), b.camino.end(), u) == b.camino.end()) b.camino.push_back(u);
  };
  anadir(desde);
  for (std::size_t n : camino) anadir(b.nodos[n].refSalida);
  anadir(hasta);

  const int guardado = dc.SaveDc();
  dc.SelectPen(Pen{PenStyle::Solid, 1, verde ? kColorLazoPerturbacion : kColorLazoResaltado});
  for (std::uint32_t s : b.camino) {
    if (s >= corrientes.size()) continue;
    const Rect& r = corrientes[s].m_rect;
    dc.MoveTo(r.left, Centro(r));
    dc.LineTo(r.right, Centro(r));
  }
  dc.RestoreDc(guardado);
}

void AjustarRectangulos(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes) {
  const bool fria = b.corriente.m_fria != 0;
  for (std::size_t n = 0; n < b.nodos.size(); ++n) {
    const Partes p = PartesDe(b, corrientes, n);
    // Copies of a node leave its lines behind: these are read in place.
    const Rect seg = b.nodos[n].segmento.m_rect;
    const LineaNodo iz = b.nodos[n].lineaIzquierda;
    const LineaNodo de = b.nodos[n].lineaDerecha;
    auto poner = [](CCorriente* s, std::int32_t left, std::int32_t right) {
      if (!s) return;
      s->m_rect.left = left;
      s->m_rect.right = right;
    };
    if (fria) {
      poner(p[0], de.xOtro, seg.right);
      poner(p[3], seg.left, iz.xOtro);
    } else {
      poner(p[0], seg.left, iz.xOtro);
      poner(p[3], de.xOtro, seg.right);
    }
    poner(p[1], iz.xOtro, de.xOtro);
    poner(p[2], iz.xRama, de.xRama);
  }
}

// ------------------------------------------------------ branch temperatures

namespace {

// Where a stream of the split leaves its exchangers: its supply temperature
// without exchangers, else the hot outlet of its last exchanger (hot stream)
// or the cold outlet of its first one (cold stream). A node segment ends at
// its own target temperature.
double Salida(const CDiagrama& d, const CCorrienteBifurcada& b, std::int32_t ref) {
  if (ref < 0) {
    const CCorriente* s = b.Resolver(ref, d.m_corrientes);
    return s ? s->GetT2() : 0.0;
  }
  if (static_cast<std::size_t>(ref) >= d.m_corrientes.size()) return 0.0;
  const CCorriente& s = d.m_corrientes[static_cast<std::size_t>(ref)];
  std::vector<std::uint32_t> l;
  for (std::uint32_t e : s.m_cambiadores)
    if (e < d.m_cambiadores.size()) l.push_back(e);
  if (l.empty()) return s.GetT1();
  return s.m_fria ? d.m_cambiadores[l.front()].tSalidaFria : d.m_cambiadores[l.back()].tSalidaCaliente;
}

}  // namespace

std::int32_t CalcularTemperaturas(CDiagrama& d, std::int32_t bifurcacion) {
  if (bifurcacion < 0 || static_cast<std::size_t>(bifurcacion) >= d.m_bifurcadas.size()) {
    return kRedSinAvisos;
  }
  const auto ib = static_cast<std::size_t>(bifurcacion);
  std::int32_t resultado = kRedSinAvisos;
  for (std::size_t n = d.m_bifurcadas[ib].nodos.size(); n-- > 0;) {
    // The record is looked up again after every network calculation.
    auto bif = [&]() -> CCorrienteBifurcada& { return d.m_bifurcadas[ib]; };
    CCorriente S = bif().nodos[n].segmento;
    const CCuaterna q = bif().nodos[n];
    auto parte = [&](std::int32_t ref) { return Destino(bif(), d.m_corrientes, ref, false); };

    // 1. The split happens where the incoming stream leaves its last exchanger.
    if (q.refEntrada >= 0) {
      if (CCorriente* e = parte(q.refEntrada)) {
        double h = 0.0;
        PiezaEntrada(S, Salida(d, bif(), q.refEntrada), *e);
        Terminar(*e, S, h);
      }
    }
    CCorriente* entrada = parte(q.refEntrada);
    const double Ta = entrada ? entrada->GetT2() : S.GetT1();

    // 2. The branches' shares of the flow, from their whole heats. A branch
    //    that ends where its exchangers end carries its share over a span of
    //    its own: its heat is compared with S's heat across that span, so
    //    the shares stay what the user split (the heats alone would turn
    //    them into the ratio of the duties at the next calculation).
    auto whole = [&](std::int32_t ref) {
      const CCorriente* r = parte(ref);
      return r ? Fraccion(r, S, r->m_T.size() - 1) : std::nan("");
    };
    const double pu = Reparto(whole(q.refRamaPrincipal), whole(q.refRamaDesplazada));
    const double pl = 100.0 - pu;

    // 3. The branches to their present ends with the new shares, and the
    //    network with them.
    auto rama = [&](std::int32_t ref, double pct, bool hastaSalida) {
      CCorriente* r = parte(ref);
      if (!r) return;
      const double Te = hastaSalida ? Salida(d, bif(), ref) : r->GetT2();
      double h = 0.0;
      PiezaRama(S, Ta, Te, pct, *r);
      Terminar(*r, S, h);
    };
    rama(q.refRamaPrincipal, pu, false);
    rama(q.refRamaDesplazada, pl, false);
    resultado = CalcularRed(d);

    // 4. The branches up to where their exchangers end.
    rama(q.refRamaPrincipal, pu, true);
    rama(q.refRamaDesplazada, pl, true);

    // 5. The outgoing stream starts at the mixing temperature.
    const double hMezcla = Total(parte(q.refEntrada)) + Total(parte(q.refRamaPrincipal)) +
                           Total(parte(q.refRamaDesplazada));
    const double tMezcla = S.GetTEnH(hMezcla);
    if (CCorriente* s = parte(q.refSalida)) {
      double h = 0.0;
      PiezaSalida(S, tMezcla, S.GetH(tMezcla, 1), *s);
      Terminar(*s, S, h);
    }
    resultado = CalcularRed(d);

    // 6. A node inside the split ends where its outgoing stream's exchangers
    //    end; the stream's own end stays where it is.
    if (q.refSalida >= 0 && !LlegaAlFinal(bif(), n)) {
      const double tFin = Salida(d, bif(), q.refSalida);
      CCorriente recorte = S;
      double h = 0.0;
      PiezaEntrada(S, tFin, recorte);
      Terminar(recorte, S, h);
      if (CCorriente* s = parte(q.refSalida)) {
        double hs = 0.0;
        PiezaSalida(recorte, tMezcla, recorte.GetH(tMezcla, 1), *s);
        Terminar(*s, S, hs);
      }
      bif().nodos[n].segmento = recorte;
      resultado = CalcularRed(d);
    }
  }
  return resultado;
}

}  // namespace vardo
