#include "model/lazo.h"

#include <algorithm>
#include <cstddef>
#include <functional>

#include "model/cambiador.h"
#include "model/constantes.h"
#include "model/corriente.h"
#include "model/servicios.h"

namespace vardo {

// --------------------------------------------------------------------- CLazo

CLazo::CLazo(const CLazo& o) { *this = o; }

CLazo& CLazo::operator=(const CLazo& o) {
  if (this != &o) {
    fuente = o.fuente;
    cuenta = o.cuenta;
    nodos = o.nodos;
    cambiadores = o.cambiadores;
  }
  return *this;
}

const CCambiador* CLazo::GetCambiador(const std::vector<CCambiador>& red, int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= cambiadores.size()) return nullptr;
  const std::int32_t e = cambiadores[static_cast<std::size_t>(i)];
  if (e < 0 || static_cast<std::size_t>(e) >= red.size()) return nullptr;
  return &red[static_cast<std::size_t>(e)];
}

std::int32_t CLazo::BifurcacionDe(std::int32_t ref) const {
  if (ref >= 0 && static_cast<std::size_t>(ref) < bifCorrientes.size()) {
    return bifCorrientes[static_cast<std::size_t>(ref)];
  }
  if (EsServicio(ref) && static_cast<std::size_t>(IndiceServicio(ref)) < bifServicios.size()) {
    return bifServicios[static_cast<std::size_t>(IndiceServicio(ref))];
  }
  return -1;
}

void CLazo::LlenarTablaCorrientes(const std::vector<CCorriente>& corrientes,
                                  const std::vector<CServicios>& servicios, int conServicios) {
  bifCorrientes.clear();
  for (const CCorriente& c : corrientes) bifCorrientes.push_back(c.m_split);
  bifServicios.clear();
  if (conServicios) {
    for (const CServicios& s : servicios) bifServicios.push_back(s.m_split);
  }
}

void CLazo::Dibujar(Dc& dc, const std::vector<CCambiador>& red, int resaltar) {
  pasosBifurcacion.clear();
  const Pen penAnterior = dc.SelectPen(
      Pen{PenStyle::Solid, 1, resaltar ? kColorLazoResaltado : kColorLazoPerturbacion});
  const LogFont fuenteAnterior = dc.SelectFont(FuenteDibujo(fuente));

  // Along end mark m of one exchanger to end mark n of the next, at m's
  // vertical centre.
  auto trazar = [&dc](const Rect& m, const Rect& n) {
    const std::int32_t y = m.top + (m.bottom - m.top) / 2;
    dc.MoveTo(m.left, y);
    dc.LineTo(n.left, y);
  };

  for (std::int32_t k = 0; k + 1 < cuenta; ++k) {
    const CCambiador* e = GetCambiador(red, k);
    const CCambiador* n = GetCambiador(red, k + 1);
    if (!e || !n) continue;
    const CCambiador* p = k > 0 ? GetCambiador(red, k - 1) : nullptr;
    auto pasoBifurcacion = [&] {
      pasosBifurcacion.push_back(static_cast<std::uint32_t>(cambiadores[k]));
      pasosBifurcacion.push_back(static_cast<std::uint32_t>(cambiadores[k + 1]));
    };
    // A row is used by the previous exchanger when one of its marks lies on it.
    auto usada = [p](std::int32_t top) {
      return p && (top == p->rectCaliente.top || top == p->rectFrio.top);
    };

    const std::int32_t a = e->rectCaliente.top;
    const std::int32_t b = e->rectFrio.top;
    const std::int32_t na = n->rectCaliente.top;
    const std::int32_t nb = n->rectFrio.top;

    if (k > 0 && ((a == na && b == nb) || (a == nb && b == na))) {
      // Parallel exchangers: leave along the row the previous link did not use.
      if (usada(a)) {
        trazar(e->rectFrio, n->rectFrio);
      } else {
        trazar(e->rectCaliente, n->rectCaliente);
      }
      continue;
    }

    const Rect* m = nullptr;
    const Rect* mn = nullptr;
    std::int32_t comun = 0;
    if (a == na && a != 0) {
      m = &e->rectCaliente, mn = &n->rectCaliente, comun = a;
    } else if (a == nb && a != 0) {
      m = &e->rectCaliente, mn = &n->rectFrio, comun = a;
    } else if (b == na && b != 0) {
      m = &e->rectFrio, mn = &n->rectCaliente, comun = b;
    } else if (b == nb && b != 0) {
      m = &e->rectFrio, mn = &n->rectFrio, comun = b;
    }
    if (m && (k == 0 || !usada(comun))) {
      trazar(*m, *mn);
    } else {
      // No shared row, or the shared row was used by the previous link: the
      // link passes through a split and the grid drawing highlights it.
      pasoBifurcacion();
    }
  }

  dc.SelectFont(fuenteAnterior);
  dc.SelectPen(penAnterior);
}

// -------------------------------------------------------------- CLazoEnCurso

namespace {

enum class Lado { Caliente, Fria };

// Both exchangers at the chain's ends touch a utility or the generic utility.
bool ExtremoServicio(const CCambiador& c) {
  const std::int32_t h = c.ladoCaliente.ref;
  const std::int32_t f = c.ladoFrio.ref;
  return h == kRefGenerico || f == kRefGenerico || EsServicio(h) || EsServicio(f);
}

}  // namespace

int CLazoEnCurso::PuedeAnadir(const std::vector<CCambiador>& red, std::int32_t numero) const {
  if (numero < 0 || static_cast<std::size_t>(numero) >= red.size()) return 0;
  const CCambiador& c = red[static_cast<std::size_t>(numero)];
  if (cuenta <= 0) return 1;

  // Two references are linked when equal (two unset sides both lie on the
  // generic utility) or when both are set and belong to the same split.
  auto enlazadas = [this](std::int32_t r1, std::int32_t r2) {
    if (r1 == r2) return true;
    if (r1 == kRefGenerico || r2 == kRefGenerico) return false;
    const std::int32_t s = BifurcacionDe(r1);
    return s >= 0 && s == BifurcacionDe(r2);
  };

  const CCambiador* primero = GetCambiador(red, 0);
  if (!primero) return 0;
  if (cuenta == 1) {
    return (enlazadas(c.ladoCaliente.ref, primero->ladoCaliente.ref) ||
            enlazadas(c.ladoFrio.ref, primero->ladoFrio.ref))
               ? 1
               : 0;
  }

  // The side each link of the chain used. A link on one side only used that
  // side; a link on both sides (parallel exchangers) used the side opposite
  // to the previous link, the first such link counting as hot; a link on
  // neither side counts as cold. The next link must use the other side, so
  // the chain alternates between hot and cold streams.
  Lado lado = Lado::Fria;
  for (std::int32_t i = 1; i < cuenta; ++i) {
    const CCambiador* p = GetCambiador(red, i - 1);
    const CCambiador* l = GetCambiador(red, i);
    if (!p || !l) return 0;
    const bool h = enlazadas(l->ladoCaliente.ref, p->ladoCaliente.ref);
    const bool f = enlazadas(l->ladoFrio.ref, p->ladoFrio.ref);
    if (h && f) {
      lado = (i == 1 || lado == Lado::Fria) ? Lado::Caliente : Lado::Fria;
    } else if (h) {
      lado = Lado::Caliente;
    } else {
      lado = Lado::Fria;
    }
  }
  const CCambiador* ultimo = GetCambiador(red, cuenta - 1);
  if (lado == Lado::Caliente) return enlazadas(c.ladoFrio.ref, ultimo->ladoFrio.ref) ? 1 : 0;
  return enlazadas(c.ladoCaliente.ref, ultimo->ladoCaliente.ref) ? 1 : 0;
}

int CLazoEnCurso::Anadir(const std::vector<CCambiador>& red, std::int32_t numero) {
  if (!PuedeAnadir(red, numero)) return 0;
  cambiadores.push_back(numero);
  nodos.push_back(static_cast<std::uint32_t>(numero + 1));
  ++cuenta;
  return 1;
}

int CLazoEnCurso::Clasificar(const std::vector<CCambiador>& red) const {
  const std::size_t n = nodos.size();
  if (n < 2) return kLazoIncompleto;
  if (nodos.front() != nodos.back()) {
    const CCambiador* primero = GetCambiador(red, 0);
    const CCambiador* ultimo = GetCambiador(red, static_cast<int>(n) - 1);
    if (primero && ultimo && ExtremoServicio(*primero) && ExtremoServicio(*ultimo)) {
      return kLazoSenda;
    }
    return kLazoIncompleto;
  }
  // Back at the exchanger it started from over an even number of distinct
  // exchangers.
  return (n % 2 == 1) ? kLazoAnillo : kLazoIncompleto;
}

void CLazoEnCurso::QuitarUltimo() {
  if (!nodos.empty()) nodos.pop_back();
  if (!cambiadores.empty()) cambiadores.pop_back();
  if (cuenta > 0) --cuenta;
}

void CLazoEnCurso::Vaciar() {
  nodos.clear();
  cambiadores.clear();
  cuenta = 0;
}

// ------------------------------------------------------------------- CAnillo

CAnillo::CAnillo(const CAnillo& o)
    : CLazo(o),
      corrientes(o.corrientes),
      numCorrientes(o.numCorrientes),
      minimoPar(o.minimoPar),
      minimoImpar(o.minimoImpar) {}

CAnillo& CAnillo::operator=(const CAnillo& o) {
  if (this != &o) {
    CLazo::operator=(o);
    corrientes = o.corrientes;
    numCorrientes = o.numCorrientes;
    minimoPar = o.minimoPar;
    minimoImpar = o.minimoImpar;
  }
  return *this;
}

void CAnillo::OrdenarCorrientes(const std::vector<CCambiador>& red) {
  corrientes.clear();
  for (std::int32_t i = 0; i < cuenta; ++i) {
    const CCambiador* c = GetCambiador(red, i);
    if (!c) continue;
    if (c->ladoCaliente.ref != kRefGenerico) corrientes.push_back(c->ladoCaliente.ref);
    if (c->ladoFrio.ref != kRefGenerico) corrientes.push_back(c->ladoFrio.ref);
  }
  std::sort(corrientes.begin(), corrientes.end(), std::greater<>());
  numCorrientes = static_cast<std::int32_t>(corrientes.size());
}

void CAnillo::QuitarRepetidas() {
  corrientes.erase(std::unique(corrientes.begin(), corrientes.end()), corrientes.end());
  numCorrientes = static_cast<std::int32_t>(corrientes.size());
}

void CAnillo::CalcularMinimos(const std::vector<CCambiador>& red) {
  minimoPar = -1.0;
  minimoImpar = -1.0;
  for (std::int32_t i = 0; i < cuenta; ++i) {
    const CCambiador* c = GetCambiador(red, i);
    if (!c) continue;
    double& minimo = (i % 2 == 0) ? minimoPar : minimoImpar;
    if (c->q < minimo || minimo == -1.0) minimo = c->q;
  }
}

}  // namespace vardo
