// Network object: construction, copying, queries and the editing operations
// with all their renumbering.
#include "model/diagrama.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "model/constantes.h"
#include "platform/core/uiport.h"

namespace vardo {

namespace {

// Working fields of the records: their copy operations leave them out, so
// moving a record inside its array (growing it, deleting an element) carries
// them over explicitly and each record keeps its own.
void CopiarTrabajo(CCorriente& a, const CCorriente& b) { a.m_color = b.m_color; }
void CopiarTrabajo(CServicios& a, const CServicios& b) {
  a.m_color = b.m_color;
  a.m_cascadaH = b.m_cascadaH;
  a.m_cascadaT = b.m_cascadaT;
}
void CopiarTrabajo(CCambiador& a, const CCambiador& b) {
  a.color = b.color;
  a.enlaceEntradaCaliente = b.enlaceEntradaCaliente;
  a.enlaceSalidaCaliente = b.enlaceSalidaCaliente;
  a.enlaceEntradaFria = b.enlaceEntradaFria;
  a.enlaceSalidaFria = b.enlaceSalidaFria;
  a.tPinch = b.tPinch;
  a.dtMin = b.dtMin;
  a.pinchesServicio = b.pinchesServicio;
}
void CopiarTrabajo(CCorrienteBifurcada& a, const CCorrienteBifurcada& b) {
  a.dibujada = b.dibujada;
  a.pendientes = b.pendientes;
  a.camino = b.camino;
  a.seleccion = b.seleccion;
  a.dibujarEnBlanco = b.dibujarEnBlanco;
  a.color = b.color;
}
void CopiarTrabajo(CLazo& a, const CLazo& b) {
  a.pasosBifurcacion = b.pasosBifurcacion;
  a.bifCorrientes = b.bifCorrientes;
  a.bifServicios = b.bifServicios;
}
void CopiarTrabajo(CAreaIntegridad&, const CAreaIntegridad&) {}

// Makes room for at least n elements without losing any working field.
template <class T>
void Reservar(std::vector<T>& v, std::size_t n) {
  if (n <= v.capacity()) return;
  std::vector<T> nuevo;
  nuevo.reserve(std::max(n, 2 * v.capacity()));
  for (const T& x : v) {
    nuevo.push_back(x);
    CopiarTrabajo(nuevo.back(), x);
  }
  v.swap(nuevo);
}

// Appends a record built from the arguments; the others keep their working
// fields.
template <class T, class... A>
T& Anadir(std::vector<T>& v, A&&... args) {
  Reservar(v, v.size() + 1);
  v.emplace_back(std::forward<A>(args)...);
  return v.back();
}

// Removes element i; the later ones move down with their working fields.
template <class T>
void Quitar(std::vector<T>& v, std::size_t i) {
  for (std::size_t j = i; j + 1 < v.size(); ++j) {
    v[j] = v[j + 1];
    CopiarTrabajo(v[j], v[j + 1]);
  }
  v.pop_back();
}

// Sizes dst to the source's size and assigns element by element, so that the
// elements that already existed keep their own working fields.
template <class T>
void AsignarArray(std::vector<T>& dst, const std::vector<T>& src) {
  Reservar(dst, src.size());
  dst.resize(src.size());
  for (std::size_t i = 0; i < src.size(); ++i) dst[i] = src[i];
}

// The exchanger index a kind-4 value names, or -1 when it names none.
std::int32_t IndiceTipo4(double v) {
  if (!std::isfinite(v) || v < 0.0 || v > 2.0e9 || v != std::floor(v)) return -1;
  return static_cast<std::int32_t>(v);
}

// Visits every stream record the network holds: process streams, utilities,
// the stream of every split and the segment of every split node.
template <class F>
void ParaCadaRegistro(CDiagrama& d, F f) {
  for (auto& c : d.m_corrientes) f(static_cast<CCorriente&>(c));
  for (auto& s : d.m_servicios) f(static_cast<CCorriente&>(s));
  for (auto& b : d.m_bifurcadas) {
    f(b.corriente);
    for (auto& n : b.nodos) f(n.segmento);
  }
}

// Shifts the chain's exchanger indices above i down; false when the chain
// names exchanger i (it then no longer exists).
bool RenumerarCadena(CLazo& l, std::int32_t i, std::uint32_t baseNodos) {
  for (std::int32_t e : l.cambiadores)
    if (e == i) return false;
  for (std::uint32_t n : l.nodos)
    if (n == static_cast<std::uint32_t>(i) + baseNodos) return false;
  for (auto& e : l.cambiadores)
    if (e > i) --e;
  for (auto& n : l.nodos)
    if (n > static_cast<std::uint32_t>(i) + baseNodos) --n;
  return true;
}

// A reference to element i of an array from which i is deleted: a reference
// to i itself becomes `ninguno`, one above it moves down.
void Renumerar(std::int32_t& r, std::int32_t i, std::int32_t ninguno) {
  if (r == i) {
    r = ninguno;
  } else if (r > i) {
    --r;
  }
}

// A list of indices from which index i is deleted: i leaves it, those above
// move down.
void QuitarIndice(std::vector<std::uint32_t>& l, std::uint32_t i) {
  l.erase(std::remove(l.begin(), l.end(), i), l.end());
  for (auto& e : l)
    if (e > i) --e;
}

// Whether split b names stream i: in its branch list, a node or a link.
bool Nombra(const CCorrienteBifurcada& b, std::int32_t i) {
  const auto ui = static_cast<std::uint32_t>(i);
  if (std::find(b.ramas.begin(), b.ramas.end(), ui) != b.ramas.end()) return true;
  for (const auto& n : b.nodos)
    for (int p = CCuaterna::kEntrada; p <= CCuaterna::kSalida; ++p)
      if (n.Referencia(p) == i) return true;
  for (const auto& k : b.conexiones)
    if (k.primero == i || k.segundo == i) return true;
  return false;
}

void VaciarCadena(CLazo& l) {
  l.cambiadores.clear();
  l.nodos.clear();
  l.pasosBifurcacion.clear();
  l.cuenta = 0;
}

}  // namespace

LogFont CDiagrama::FuenteDefecto() {
  LogFont f;
  f.height = 18;
  f.width = 0;
  f.escapement = 0;
  f.orientation = 0;
  f.weight = 400;
  f.quality = 2;
  f.pitchAndFamily = 18;
  f.faceName = "Arial";
  return f;
}

CDiagrama::CDiagrama() = default;

CDiagrama::CDiagrama(const CDiagrama& o) { *this = o; }

CDiagrama::~CDiagrama() = default;

CDiagrama& CDiagrama::operator=(const CDiagrama& o) {
  if (this == &o) return *this;
  AsignarArray(m_corrientes, o.m_corrientes);
  AsignarArray(m_servicios, o.m_servicios);
  AsignarArray(m_areas, o.m_areas);
  AsignarArray(m_bifurcadas, o.m_bifurcadas);
  AsignarArray(m_cambiadores, o.m_cambiadores);
  AsignarArray(m_lazos, o.m_lazos);
  m_lazoEnCurso = o.m_lazoEnCurso;
  m_arbol = o.m_arbol;
  m_anillo = o.m_anillo;

  m_dtMin = o.m_dtMin;
  m_tPinch = o.m_tPinch;
  m_tReferencia = o.m_tReferencia;
  m_cambiadorResaltado = o.m_cambiadorResaltado;
  m_anilloActual = o.m_anilloActual;

  m_a1 = o.m_a1;
  m_b1 = o.m_b1;
  m_c1 = o.m_c1;
  m_a2 = o.m_a2;
  m_b2 = o.m_b2;
  m_c2 = o.m_c2;
  m_costeCaliente = o.m_costeCaliente;
  m_costeFrio = o.m_costeFrio;
  m_hFrioGenerico = o.m_hFrioGenerico;
  m_tFrioGenerico = o.m_tFrioGenerico;
  m_hCalienteGenerico = o.m_hCalienteGenerico;
  m_tCalienteGenerico = o.m_tCalienteGenerico;
  m_amortizacion = o.m_amortizacion;
  m_interes = o.m_interes;
  m_factorLang = o.m_factorLang;

  m_corrienteSel = o.m_corrienteSel;
  m_cambiadorSel = o.m_cambiadorSel;
  m_grafoConstruido = o.m_grafoConstruido;
  m_perturbacionOrigen = o.m_perturbacionOrigen;
  m_perturbacionDestino = o.m_perturbacionDestino;

  m_mostrarTPinch = o.m_mostrarTPinch;
  m_ordenarCalientesFrias = o.m_ordenarCalientesFrias;
  m_mostrarTBifurcadas = o.m_mostrarTBifurcadas;
  m_mostrarNombres = o.m_mostrarNombres;
  m_colorearAreas = o.m_colorearAreas;
  m_ordenarAreas = o.m_ordenarAreas;
  m_serviciosVisibles = o.m_serviciosVisibles;
  m_colorearServicios = o.m_colorearServicios;
  return *this;
}

// ---------------------------------------------------------------- queries

bool CDiagrama::RefValida(std::int32_t ref) const {
  if (ref < 0) return false;
  if (ref < kRefServicio) return ref < GetNumCorrientes();
  return IndiceServicio(ref) < GetNumServicios();
}

CCorriente& CDiagrama::GetCorriente(std::int32_t ref) {
  if (RefValida(ref)) {
    if (ref < kRefServicio) return m_corrientes[static_cast<std::size_t>(ref)];
    return m_servicios[static_cast<std::size_t>(IndiceServicio(ref))];
  }
  static CCorriente vacia;
  vacia = CCorriente();
  vacia.m_color = 0;
  return vacia;
}

const CCorriente& CDiagrama::GetCorriente(std::int32_t ref) const {
  if (RefValida(ref)) {
    if (ref < kRefServicio) return m_corrientes[static_cast<std::size_t>(ref)];
    return m_servicios[static_cast<std::size_t>(IndiceServicio(ref))];
  }
  static const CCorriente vacia;
  return vacia;
}

std::int32_t CDiagrama::AreaUnicaMostrada() const {
  std::int32_t unica = -1;
  for (std::size_t a = 0; a < m_areas.size(); ++a) {
    if (!m_areas[a].mostrada) continue;
    if (unica != -1) return -1;
    unica = static_cast<std::int32_t>(a);
  }
  return unica;
}

// ---------------------------------------------------------------- streams

void CDiagrama::AddCorriente(double T1, double T2, double valor, std::int32_t fria,
                             std::int32_t latente) {
  Anadir(m_corrientes, T1, T2, valor, fria, latente);
  const std::int32_t n = GetNumCorrientes();
  const double fy = static_cast<double>(n - 1) / static_cast<double>(n);
  for (auto& c : m_cambiadores) c.Escalar(1.0, fy);
  const std::int32_t area = AreaUnicaMostrada();
  if (area >= 0) {
    m_corrientes.back().m_area = area;
    m_areas[static_cast<std::size_t>(area)].AddCorriente(n - 1);
  }
  m_grafoConstruido = 0;
}

void CDiagrama::BorrarCambiadoresDe(std::int32_t ref) {
  // Every exchanger with a side on the record goes, whatever the exchanger
  // lists say; highest index first, so the lower ones keep their numbers.
  for (std::int32_t k = GetNumCambiadores() - 1; k >= 0; --k) {
    const CCambiador& c = m_cambiadores[static_cast<std::size_t>(k)];
    if (c.ladoCaliente.ref == ref || c.ladoFrio.ref == ref) BorrarCambiador(k);
  }
}

void CDiagrama::QuitarMiembroDeAreas(std::int32_t ref) {
  const bool servicio = EsServicio(ref);
  for (std::int32_t a = static_cast<std::int32_t>(m_areas.size()) - 1; a >= 0; --a) {
    CAreaIntegridad& area = m_areas[static_cast<std::size_t>(a)];
    for (std::int32_t m = area.GetNumCorrientes() - 1; m >= 0; --m) {
      const std::int32_t r = area.GetCorriente(m);
      if (r == ref) {
        area.QuitarCorriente(m);
        if (area.GetNumCorrientes() == 0) {
          char num[16];
          std::snprintf(num, sizeof num, "%d", a + 1);
          DefaultUiPort().Message(std::string("El área de integridad ") + num + " " +
                                      area.GetNombre() +
                                      " no tiene ninguna corriente.\nPor lo tanto, será eliminada",
                                  MsgKind::Information);
          BorrarArea(a);
          break;
        }
      } else if (r > ref && (servicio ? true : r < kRefServicio)) {
        area.SetCorriente(r - 1, m);
      }
    }
  }
}

void CDiagrama::RenumerarSeleccionCorriente(std::int32_t ref) {
  const bool servicio = EsServicio(ref);
  auto ajustar = [&](std::int32_t& r) {
    if (r == ref) {
      r = 0;
    } else if (r > ref && (servicio || r < kRefServicio)) {
      --r;
    }
  };
  if (m_corrienteSel == ref) {
    // The selected record is gone: nothing is selected any more.
    m_corrienteSel = 0;
  } else {
    ajustar(m_corrienteSel);
  }
  ajustar(m_perturbacionOrigen);
  ajustar(m_perturbacionDestino);
  // The load-shifting loop's stream list.
  for (auto it = m_anillo.corrientes.begin(); it != m_anillo.corrientes.end();) {
    if (*it == ref) {
      it = m_anillo.corrientes.erase(it);
      continue;
    }
    ajustar(*it);
    ++it;
  }
  m_anillo.numCorrientes = static_cast<std::int32_t>(m_anillo.corrientes.size());
}

void CDiagrama::BorrarCorriente(std::int32_t i) {
  if (i < 0 || i >= GetNumCorrientes()) return;
  std::vector<bool> corrientes(m_corrientes.size(), false);
  corrientes[static_cast<std::size_t>(i)] = true;
  BorrarConBifurcaciones(corrientes, std::vector<bool>(m_bifurcadas.size(), false));
}

// Deletes the marked streams and splits and whatever must go with them, so
// that no reference is left naming something gone: a split takes its branch
// streams; a stream takes the split whose index it carries and every split
// that names it in a node or a link (the split cannot stand without it).
void CDiagrama::BorrarConBifurcaciones(std::vector<bool> corrientes, std::vector<bool> bifurcadas) {
  const std::size_t S = m_corrientes.size(), B = m_bifurcadas.size();
  for (bool cambio = true; cambio;) {
    cambio = false;
    auto marcar = [&](std::vector<bool>& v, std::size_t k) {
      if (k < v.size() && !v[k]) {
        v[k] = true;
        cambio = true;
      }
    };
    for (std::size_t k = 0; k < S; ++k) {
      if (!corrientes[k]) continue;
      const std::int32_t b = m_corrientes[k].m_split;
      if (b >= 0) marcar(bifurcadas, static_cast<std::size_t>(b));
      for (std::size_t j = 0; j < B; ++j)
        if (!bifurcadas[j] && Nombra(m_bifurcadas[j], static_cast<std::int32_t>(k)))
          marcar(bifurcadas, j);
    }
    for (std::size_t j = 0; j < B; ++j)
      if (bifurcadas[j])
        for (std::uint32_t r : m_bifurcadas[j].ramas) marcar(corrientes, r);
  }
  // The split records first (nothing left names the streams they held), then
  // the streams, each from the last down so the marked indices stay right.
  for (std::size_t j = B; j-- > 0;) {
    if (!bifurcadas[j]) continue;
    const auto b = static_cast<std::int32_t>(j);
    for (auto& c : m_corrientes) Renumerar(c.m_split, b, -1);
    for (auto& s : m_servicios) Renumerar(s.m_split, b, -1);
    Quitar(m_bifurcadas, j);
  }
  for (std::size_t k = S; k-- > 0;)
    if (corrientes[k]) BorrarCorrienteSola(static_cast<std::int32_t>(k));
  m_grafoConstruido = 0;
}

void CDiagrama::BorrarCorrienteSola(std::int32_t i) {
  if (i < 0 || i >= GetNumCorrientes()) return;
  // 1. The exchangers on the stream.
  BorrarCambiadoresDe(i);
  // 2. Exchanger sides above it.
  for (auto& c : m_cambiadores) {
    if (c.ladoCaliente.ref > i && c.ladoCaliente.ref < kRefServicio) --c.ladoCaliente.ref;
    if (c.ladoFrio.ref > i && c.ladoFrio.ref < kRefServicio) --c.ladoFrio.ref;
  }
  // 3. Split records: the branch list drops the stream and shifts the rest;
  // node and link references above it shift.
  const auto ui = static_cast<std::uint32_t>(i);
  for (auto& b : m_bifurcadas) {
    QuitarIndice(b.ramas, ui);
    for (auto& n : b.nodos)
      for (int p = CCuaterna::kEntrada; p <= CCuaterna::kSalida; ++p) {
        const std::int32_t r = n.Referencia(p);
        if (r > i) n.SetReferencia(p, r - 1);
      }
    for (auto& k : b.conexiones) {
      if (k.primero > i) --k.primero;
      if (k.segundo > i) --k.segundo;
    }
    if (b.seleccion >= 0) {
      if (b.seleccion == i) {
        b.QuitarSeleccion();
      } else if (b.seleccion > i) {
        --b.seleccion;
      }
    }
    QuitarIndice(b.camino, ui);
  }
  // 4. Integrity areas.
  QuitarMiembroDeAreas(i);
  // 5. The stream itself.
  Quitar(m_corrientes, static_cast<std::size_t>(i));
  for (auto& c : m_corrientes) c.m_marcaOrden = 1;
  for (auto& s : m_servicios) s.m_marcaOrden = 1;
  RenumerarSeleccionCorriente(i);
  m_grafoConstruido = 0;
}

// ---------------------------------------------------------------- utilities

void CDiagrama::AddServicio() {
  CalcularObjetivos();
  // Set up in place: a utility's copy does not carry its cascade lists.
  CServicios& s = Anadir(m_servicios);
  s.CCorriente::BorrarPuntos();
  s.AddPunto(1.0, 0.0);
  s.AddPunto(1.0, 1.0);
  s.m_fria = 1;
  s.m_latente = 1;
  s.m_lineal = 1;
  s.m_entalpiaMaxima = 0.0;
  s.m_dtMin = m_dtMin;
  s.BorrarPuntos();
  const std::size_t n = std::min(m_temperaturas.size(), m_cascada.size());
  for (std::size_t k = 0; k < n; ++k) s.AnadirPunto(m_cascada[k], m_temperaturas[k]);
  s.CalcularEntalpiaMaxima();
  const std::int32_t k = GetNumServicios() - 1;
  const std::int32_t area = AreaUnicaMostrada();
  if (area >= 0) {
    s.m_area = area;
    m_areas[static_cast<std::size_t>(area)].AddCorriente(kRefServicio + k);
  }
  m_grafoConstruido = 0;
}

void CDiagrama::BorrarServicio(std::int32_t k) {
  if (k < 0 || k >= GetNumServicios()) return;
  const std::int32_t ref = kRefServicio + k;
  BorrarCambiadoresDe(ref);
  for (auto& c : m_cambiadores) {
    if (c.ladoCaliente.ref > ref) --c.ladoCaliente.ref;
    if (c.ladoFrio.ref > ref) --c.ladoFrio.ref;
  }
  QuitarMiembroDeAreas(ref);
  Quitar(m_servicios, static_cast<std::size_t>(k));
  for (auto& c : m_corrientes) c.m_marcaOrden = 1;
  for (auto& s : m_servicios) s.m_marcaOrden = 1;
  RenumerarSeleccionCorriente(ref);
  m_grafoConstruido = 0;
}

void CDiagrama::ActualizarCurvasServicios() {
  const std::size_t n = std::min(m_temperaturas.size(), m_cascada.size());
  for (auto& s : m_servicios) {
    s.BorrarPuntos();
    for (std::size_t k = 0; k < n; ++k) s.AnadirPunto(m_cascada[k], m_temperaturas[k]);
  }
}

// ---------------------------------------------------------------- exchangers

void CDiagrama::AddCambiador(std::int32_t modo, std::int32_t refCaliente, std::int32_t refFria,
                             std::int32_t tipoEntradaCaliente, double valorEntradaCaliente,
                             std::int32_t tipoSalidaCaliente, double valorSalidaCaliente,
                             std::int32_t tipoEntradaFria, double valorEntradaFria,
                             std::int32_t tipoSalidaFria, double valorSalidaFria,
                             std::int32_t tipoQ, double valorQ) {
  const bool habia = !m_cambiadores.empty();
  Anadir(m_cambiadores, modo, tipoEntradaCaliente, valorEntradaCaliente, tipoSalidaCaliente,
         valorSalidaCaliente, tipoEntradaFria, valorEntradaFria, tipoSalidaFria, valorSalidaFria,
         tipoQ, valorQ);
  const std::int32_t i = GetNumCambiadores() - 1;
  ConectarCaliente(refCaliente, i, 1);
  ConectarFria(refFria, i, 1);
  CCambiador& c = m_cambiadores.back();
  c.rectCaliente = Rect{};
  c.rectFrio = Rect{};
  if (habia) {
    const CCambiador& f = m_cambiadores.front();
    c.SetFormato(f.verEntradaCaliente, f.verSalidaCaliente, f.verEntradaFria, f.verSalidaFria,
                 f.verQ, f.posicionNumero, f.tamano);
  }
  if (c.ladoCaliente.ref != kRefGenerico) GetCorriente(c.ladoCaliente.ref).m_marcaOrden = 2;
  if (c.ladoFrio.ref != kRefGenerico) GetCorriente(c.ladoFrio.ref).m_marcaOrden = 2;
  m_grafoConstruido = 0;
}

std::int32_t CDiagrama::ConectarLado(std::int32_t ref, std::int32_t i, std::int32_t nuevo,
                                     bool caliente) {
  if (i < 0 || i >= GetNumCambiadores()) return 0;
  // A reference that names no record is the generic utility.
  if (!RefValida(ref)) ref = kRefGenerico;
  CCambiador& c = m_cambiadores[static_cast<std::size_t>(i)];
  const std::int32_t anterior = caliente ? c.ladoCaliente.ref : c.ladoFrio.ref;
  std::int32_t resultado = 0;
  if (nuevo == 0 && anterior != ref) {
    resultado = 1;
    if (ref != kRefGenerico) GetCorriente(ref).m_marcaOrden = 2;
  }
  double t1 = 0.0, t2 = 0.0, h = 0.0, cp = 0.0;
  if (ref != kRefGenerico) {
    const CCorriente& s = GetCorriente(ref);
    t1 = s.GetT1();
    t2 = s.GetT2();
    h = s.GetH(kTSentinel, 1);
    cp = s.GetCP(kTSentinel, kTSentinel);
  }
  if (caliente) {
    c.SetLadoCaliente(ref, t1, t2, h, cp);
  } else {
    c.SetLadoFrio(ref, t1, t2, h, cp);
  }
  m_grafoConstruido = 0;
  return resultado;
}

std::int32_t CDiagrama::ConectarCaliente(std::int32_t ref, std::int32_t i, std::int32_t nuevo) {
  return ConectarLado(ref, i, nuevo, true);
}

std::int32_t CDiagrama::ConectarFria(std::int32_t ref, std::int32_t i, std::int32_t nuevo) {
  return ConectarLado(ref, i, nuevo, false);
}

void CDiagrama::BorrarCambiador(std::int32_t i) {
  if (i < 0 || i >= GetNumCambiadores()) return;
  const CCambiador borrado = m_cambiadores[static_cast<std::size_t>(i)];
  // 1. Both sides' streams must be ordered again.
  if (RefValida(borrado.ladoCaliente.ref)) GetCorriente(borrado.ladoCaliente.ref).m_marcaOrden = 2;
  if (RefValida(borrado.ladoFrio.ref)) GetCorriente(borrado.ladoFrio.ref).m_marcaOrden = 2;
  // 2 and 3. Ends taken from exchanger i keep its computed temperature as a
  // typed value; references above it shift down. Every exchanger is looked
  // at, not only those on the same streams.
  for (std::int32_t k = 0; k < GetNumCambiadores(); ++k) {
    if (k == i) continue;
    CCambiador& c = m_cambiadores[static_cast<std::size_t>(k)];
    struct Extremo {
      std::int32_t& tipo;
      double& valor;
      double temperatura;  // the end of exchanger i this end would take
    };
    Extremo extremos[] = {
        {c.tipoEntradaCaliente, c.valorEntradaCaliente, borrado.tSalidaCaliente},
        {c.tipoSalidaCaliente, c.valorSalidaCaliente, borrado.tEntradaCaliente},
        {c.tipoEntradaFria, c.valorEntradaFria, borrado.tSalidaFria},
        {c.tipoSalidaFria, c.valorSalidaFria, borrado.tEntradaFria},
    };
    for (auto& e : extremos) {
      if (e.tipo != kTipoCambiador) continue;
      const std::int32_t j = IndiceTipo4(e.valor);
      if (j == i) {
        e.tipo = kTipoValor;
        e.valor = e.temperatura;
      } else if (j > i) {
        e.valor = static_cast<double>(j - 1);
      }
    }
    for (std::int32_t* enlace : {&c.enlaceEntradaCaliente, &c.enlaceSalidaCaliente,
                                 &c.enlaceEntradaFria, &c.enlaceSalidaFria})
      Renumerar(*enlace, i, -1);
  }
  // 4. Exchanger lists of every stream record: i goes, entries above shift.
  const auto ui = static_cast<std::uint32_t>(i);
  ParaCadaRegistro(*this, [ui](CCorriente& s) { QuitarIndice(s.m_cambiadores, ui); });
  // 5. The exchanger itself.
  Quitar(m_cambiadores, static_cast<std::size_t>(i));
  // Selection and highlight stay on the same records.
  Renumerar(m_cambiadorSel, i, 0);
  Renumerar(m_cambiadorResaltado, i, -1);
  RenumerarLazos(i);
  m_grafoConstruido = 0;
}

void CDiagrama::RenumerarLazos(std::int32_t i) {
  // Found loops keep 0-based numbers in their nodes; a loop through the
  // deleted exchanger no longer exists.
  std::int32_t actual = m_anilloActual;
  for (std::int32_t k = static_cast<std::int32_t>(m_lazos.size()) - 1; k >= 0; --k) {
    if (RenumerarCadena(m_lazos[static_cast<std::size_t>(k)], i, 0)) continue;
    Quitar(m_lazos, static_cast<std::size_t>(k));
    Renumerar(actual, k, -1);
  }
  if (actual >= static_cast<std::int32_t>(m_lazos.size())) actual = -1;
  m_anilloActual = actual;
  // The chain under construction and the load-shifting loop number their
  // nodes from 1.
  if (!RenumerarCadena(m_lazoEnCurso, i, 1)) VaciarCadena(m_lazoEnCurso);
  if (!RenumerarCadena(m_anillo, i, 1)) {
    VaciarCadena(m_anillo);
    m_anillo.corrientes.clear();
    m_anillo.numCorrientes = 0;
    m_anillo.minimoPar = -1.0;
    m_anillo.minimoImpar = -1.0;
  }
}

// ---------------------------------------------------------------- splits

void CDiagrama::BorrarBifurcacion(std::int32_t i) {
  if (i < 0 || i >= static_cast<std::int32_t>(m_bifurcadas.size())) return;
  std::vector<bool> bifurcadas(m_bifurcadas.size(), false);
  bifurcadas[static_cast<std::size_t>(i)] = true;
  BorrarConBifurcaciones(std::vector<bool>(m_corrientes.size(), false), bifurcadas);
}

// ---------------------------------------------------------------- areas

void CDiagrama::AddArea(const std::string& nombre, Rgb color) {
  CAreaIntegridad& a = Anadir(m_areas);
  a.mostrada = 0;
  a.SetNombre(nombre);
  a.color = color;
}

void CDiagrama::BorrarArea(std::int32_t i) {
  if (i < 0 || i >= static_cast<std::int32_t>(m_areas.size())) return;
  Quitar(m_areas, static_cast<std::size_t>(i));
  for (auto& c : m_corrientes) Renumerar(c.m_area, i, -1);
  for (auto& s : m_servicios) Renumerar(s.m_area, i, -1);
}

// ---------------------------------------------------------------- selection

void CDiagrama::SeleccionarCorriente(std::int32_t ref) {
  if (!RefValida(ref)) return;
  DeseleccionarCorriente();
  m_corrienteSel = ref;
  CCorriente& c = GetCorriente(ref);
  c.m_color = kColorSeleccion;
  if (ref < kRefServicio && c.m_split >= 0 &&
      c.m_split < static_cast<std::int32_t>(m_bifurcadas.size()))
    m_bifurcadas[static_cast<std::size_t>(c.m_split)].SetSeleccion(ref);
}

void CDiagrama::DeseleccionarCorriente() {
  if (RefValida(m_corrienteSel)) {
    CCorriente& c = GetCorriente(m_corrienteSel);
    c.m_color = 0;
    if (c.m_split >= 0 && c.m_split < static_cast<std::int32_t>(m_bifurcadas.size()))
      m_bifurcadas[static_cast<std::size_t>(c.m_split)].QuitarSeleccion();
  }
  m_corrienteSel = 0;
}

void CDiagrama::SeleccionarCambiador(std::int32_t i) {
  if (i < 0 || i >= GetNumCambiadores()) return;
  if (m_cambiadorSel >= 0 && m_cambiadorSel < GetNumCambiadores())
    m_cambiadores[static_cast<std::size_t>(m_cambiadorSel)].color = 0;
  m_cambiadorSel = i;
  m_cambiadores[static_cast<std::size_t>(i)].color = kColorSeleccion;
}

void CDiagrama::DeseleccionarCambiador() {
  if (m_cambiadorSel >= 0 && m_cambiadorSel < GetNumCambiadores())
    m_cambiadores[static_cast<std::size_t>(m_cambiadorSel)].color = 0;
  m_cambiadorSel = 0;
}

void CopiarModeloCompleto(CDiagrama& destino, const CDiagrama& origen) {
  if (&destino == &origen) return;
  destino = origen;
  destino.m_rectGrafico = origen.m_rectGrafico;
  destino.m_fuente = origen.m_fuente;
  destino.m_dibujoExportar = origen.m_dibujoExportar;
  destino.m_estadoAnillos = origen.m_estadoAnillos;
  destino.m_textoComprobacion = origen.m_textoComprobacion;
  destino.m_pinchesServicioSup = origen.m_pinchesServicioSup;
  destino.m_pinchesServicioInf = origen.m_pinchesServicioInf;
  destino.m_cambiadorAux = origen.m_cambiadorAux;

  destino.m_numIntervalos = origen.m_numIntervalos;
  destino.m_temperaturas = origen.m_temperaturas;
  destino.m_calores = origen.m_calores;
  destino.m_cascada = origen.m_cascada;
  destino.m_numIntervalosServ = origen.m_numIntervalosServ;
  destino.m_temperaturasServ = origen.m_temperaturasServ;
  destino.m_caloresServ = origen.m_caloresServ;
  destino.m_cascadaServ = origen.m_cascadaServ;
  destino.m_numIntervalosConServ = origen.m_numIntervalosConServ;
  destino.m_temperaturasConServ = origen.m_temperaturasConServ;
  destino.m_caloresConServ = origen.m_caloresConServ;
  destino.m_cascadaConServ = origen.m_cascadaConServ;
}

}  // namespace vardo
