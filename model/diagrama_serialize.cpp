// Stored form of the network object: the body of a document file.
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "model/constantes.h"
#include "model/diagrama.h"

namespace vardo {

namespace {

// A refused body. The reader says only "Formato de archivo no esperado.";
// the reason a user can act on travels with it for the writer's message.
[[noreturn]] void Danado(std::string motivo = {}) { throw CuerpoIlegible(std::move(motivo)); }

constexpr const char* kPuntosNoFinitos = " tiene una temperatura o una entalpía que no es un número finito";

// Least bytes one record of each kind takes in a file; a count that the bytes
// left cannot hold is refused before anything is allocated.
constexpr std::size_t kMinBytesCorriente = 302;  // with its two points
constexpr std::size_t kMinBytesServicio = kMinBytesCorriente + 24;
constexpr std::size_t kMinBytesCambiador = 244;
constexpr std::size_t kMinBytesBifurcada = 36 + kMinBytesCorriente;
constexpr std::size_t kMinBytesArea = 13;

// Every rectangle a document stores lies within this many units (0.01 mm) of
// the origin. The grid-size command makes grids of at most 10 m a side and
// the layout places every record inside its grid; a coordinate beyond 100 m
// is damage, and refusing it keeps every sum of coordinates and text sizes
// the drawing makes well inside 32 bits.
constexpr std::int64_t kMaxCoordenada = 10'000'000;
// The drawing font's stored height and width (drawn 20 times larger): a size
// beyond this is no font a document uses.
constexpr std::int32_t kMaxTamanoFuente = 32767;

bool RectPlausible(const Rect& r) {
  for (std::int64_t v : {r.left, r.top, r.right, r.bottom})
    if (v < -kMaxCoordenada || v > kMaxCoordenada) return false;
  return true;
}

// An exchanger's circle size in mm: the format dialog offers 1 to 10; a
// size beyond this would place circles outside any plausible grid, and the
// file the program then saves would not read back.
constexpr double kMaxTamanoCirculo = 1000.0;

bool TamanoCirculoPlausible(double t) { return std::isfinite(t) && t >= 0.0 && t <= kMaxTamanoCirculo; }

bool TamanoFuentePlausible(std::int32_t v) { return v >= -kMaxTamanoFuente && v <= kMaxTamanoFuente; }

// Keeps the first n characters of a UTF-8 text.
std::string PrimerosCaracteres(const std::string& s, std::size_t n) {
  std::size_t i = 0, cuenta = 0;
  while (i < s.size() && cuenta < n) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t largo = 1;
    if (b >= 0xF0) largo = 4;
    else if (b >= 0xE0) largo = 3;
    else if (b >= 0xC0) largo = 2;
    i = std::min(s.size(), i + largo);
    ++cuenta;
  }
  return s.substr(0, i);
}

// A stream record read from a file: finite points and exchanger numbers that
// exist. nombre names the record in the reason of a refusal.
void ValidarRegistro(const CCorriente& c, std::size_t numCambiadores, const std::string& nombre) {
  if (c.m_T.size() < 2 || c.m_T.size() != c.m_H.size()) Danado();
  if (!RectPlausible(c.m_rect)) Danado();
  for (std::size_t k = 0; k < c.m_T.size(); ++k)
    if (!std::isfinite(c.m_T[k]) || !std::isfinite(c.m_H[k])) Danado(nombre + kPuntosNoFinitos);
  for (std::uint32_t e : c.m_cambiadores)
    if (e >= numCambiadores) Danado();
}

// Split nodes name each other by -k; following those references must always
// end (the rebuild of the branches and the row count walk them).
void ValidarNodosSinCiclos(const CCorrienteBifurcada& b) {
  const std::size_t n = b.nodos.size();
  // 0 unvisited, 1 on the current walk, 2 done.
  std::vector<int> estado(n, 0);
  std::vector<std::pair<std::size_t, int>> pila;
  for (std::size_t raiz = 0; raiz < n; ++raiz) {
    if (estado[raiz] != 0) continue;
    pila.push_back({raiz, 0});
    estado[raiz] = 1;
    while (!pila.empty()) {
      auto& [nodo, pos] = pila.back();
      if (pos > CCuaterna::kSalida) {
        estado[nodo] = 2;
        pila.pop_back();
        continue;
      }
      const std::int32_t r = b.nodos[nodo].Referencia(pos++);
      if (r >= 0) continue;
      const auto k = static_cast<std::size_t>(-static_cast<std::int64_t>(r));
      if (k >= n) Danado();
      if (estado[k] == 1) Danado();  // a cycle
      if (estado[k] == 0) {
        estado[k] = 1;
        pila.push_back({k, 0});
      }
    }
  }
}

}  // namespace

void CDiagrama::SerializarFuente(Archive& ar) {
  ar.Io(m_fuente.height);
  ar.Io(m_fuente.width);
  ar.Io(m_fuente.escapement);
  ar.Io(m_fuente.orientation);
  ar.Io(m_fuente.weight);
  ar.Io(m_fuente.italic);
  ar.Io(m_fuente.underline);
  ar.Io(m_fuente.strikeOut);
  ar.Io(m_fuente.charSet);
  ar.Io(m_fuente.outPrecision);
  ar.Io(m_fuente.clipPrecision);
  ar.Io(m_fuente.quality);
  ar.Io(m_fuente.pitchAndFamily);
  if (ar.IsStoring()) {
    ar.WriteString(m_fuente.faceName);
  } else {
    // The face field holds 31 characters and its terminator.
    m_fuente.faceName = PrimerosCaracteres(ar.ReadString(), 31);
  }
}

// Items 1 to 36 of the body, in order, both directions. On loading the
// arrays are sized as their counts are read.
void CDiagrama::IoCuerpo(Archive& ar) {
  const bool guardar = ar.IsStoring();
  std::int32_t S = GetNumCorrientes();
  std::int32_t E = GetNumCambiadores();
  if (guardar) {
    ar.WriteInt32(S);
    ar.WriteInt32(E);
  } else {
    S = static_cast<std::int32_t>(ar.ReadCount(kMinBytesCorriente));
    E = static_cast<std::int32_t>(ar.ReadCount(kMinBytesCambiador));
  }
  ar.Io(m_dtMin);
  ar.Io(m_rectGrafico);
  ar.Io(m_a1);
  ar.Io(m_b1);
  ar.Io(m_c1);
  ar.Io(m_a2);
  ar.Io(m_b2);
  ar.Io(m_c2);
  ar.Io(m_costeCaliente);
  ar.Io(m_costeFrio);
  ar.Io(m_hCalienteGenerico);
  ar.Io(m_hFrioGenerico);
  ar.Io(m_tCalienteGenerico);
  ar.Io(m_tFrioGenerico);
  ar.Io(m_amortizacion);
  if (guardar) {
    ar.WriteInt32(static_cast<std::int32_t>(m_bifurcadas.size()));
  } else {
    m_bifurcadas.resize(ar.ReadCount(kMinBytesBifurcada));
  }
  ar.Io(m_factorLang);
  ar.Io(m_interes);
  ar.Io(m_dibujoExportar);
  ar.Io(m_colorearAreas);
  ar.Io(m_mostrarNombres);
  ar.Io(m_mostrarTPinch);
  ar.Io(m_mostrarTBifurcadas);
  ar.Io(m_ordenarAreas);
  ar.Io(m_ordenarCalientesFrias);
  if (guardar) {
    ar.WriteInt32(GetNumServicios());
    ar.WriteInt32(static_cast<std::int32_t>(m_areas.size()));
  } else {
    m_servicios.resize(ar.ReadCount(kMinBytesServicio));
    m_areas.resize(ar.ReadCount(kMinBytesArea));
  }
  ar.Io(m_serviciosVisibles);
  if (!guardar) {
    m_corrientes.resize(static_cast<std::size_t>(S));
    m_cambiadores.resize(static_cast<std::size_t>(E));
  }
  for (auto& c : m_corrientes) c.Serialize(ar);
  for (auto& c : m_cambiadores) c.Serialize(ar);
  for (auto& b : m_bifurcadas) b.Serialize(ar);
  SerializarFuente(ar);
  for (auto& s : m_servicios) s.Serialize(ar);
  for (auto& a : m_areas) a.Serialize(ar);
}

// Every reference of a freshly read body must name a record that exists.
void CDiagrama::ValidarCargado() const {
  if (!std::isfinite(m_dtMin)) Danado("la diferencia mínima de temperatura no es un número finito");
  if (!RectPlausible(m_rectGrafico)) Danado();
  if (!TamanoFuentePlausible(m_fuente.height) || !TamanoFuentePlausible(m_fuente.width)) Danado();
  const auto S = static_cast<std::int64_t>(m_corrientes.size());
  const auto U = static_cast<std::int64_t>(m_servicios.size());
  const auto E = m_cambiadores.size();
  const auto B = static_cast<std::int64_t>(m_bifurcadas.size());
  const auto A = static_cast<std::int64_t>(m_areas.size());
  auto refExiste = [&](std::int64_t r) {
    return (r >= 0 && r < S) || (r >= kRefServicio && r - kRefServicio < U);
  };
  auto indiceEn = [](std::int64_t v, std::int64_t n) { return v == -1 || (v >= 0 && v < n); };

  auto validarRed = [&](const CCorriente& c, const std::string& nombre) {
    ValidarRegistro(c, E, nombre);
    if (!indiceEn(c.m_split, B) || !indiceEn(c.m_area, A)) Danado();
  };
  for (std::size_t k = 0; k < m_corrientes.size(); ++k)
    validarRed(m_corrientes[k], "la corriente " + std::to_string(k + 1));
  for (std::size_t k = 0; k < m_servicios.size(); ++k)
    validarRed(m_servicios[k], "el servicio S" + std::to_string(k + 1));

  for (const auto& c : m_cambiadores) {
    if (!RectPlausible(c.rectCaliente) || !RectPlausible(c.rectFrio)) Danado();
    if (!TamanoCirculoPlausible(c.tamano)) Danado();
    for (std::int32_t r : {c.ladoCaliente.ref, c.ladoFrio.ref})
      if (r != kRefGenerico && !refExiste(r)) Danado();
    const std::pair<std::int32_t, double> extremos[] = {
        {c.tipoEntradaCaliente, c.valorEntradaCaliente},
        {c.tipoSalidaCaliente, c.valorSalidaCaliente},
        {c.tipoEntradaFria, c.valorEntradaFria},
        {c.tipoSalidaFria, c.valorSalidaFria},
    };
    for (const auto& [tipo, valor] : extremos) {
      if (tipo != kTipoCambiador) continue;
      if (!std::isfinite(valor) || valor != std::floor(valor) || valor < 0.0 ||
          valor >= static_cast<double>(E))
        Danado();
    }
  }

  for (std::size_t k = 0; k < m_bifurcadas.size(); ++k) {
    const CCorrienteBifurcada& b = m_bifurcadas[k];
    if (!b.ReferenciasValidas(static_cast<std::int32_t>(S))) Danado();
    if (!RectPlausible(b.rect)) Danado();
    // Every stream a split names is one of its own: it carries the split's
    // index, so deleting it takes the whole split and nothing is left naming
    // a stream that is gone.
    auto propia = [&](std::int64_t r) {
      return r < 0 || m_corrientes[static_cast<std::size_t>(r)].m_split == static_cast<std::int64_t>(k);
    };
    for (std::uint32_t r : b.ramas)
      if (!propia(r)) Danado();
    for (const auto& n : b.nodos)
      for (int p = CCuaterna::kEntrada; p <= CCuaterna::kSalida; ++p)
        if (!propia(n.Referencia(p))) Danado();
    for (const auto& c : b.conexiones)
      if (!propia(c.primero) || !propia(c.segundo)) Danado();
    ValidarNodosSinCiclos(b);
    const std::string nombre = "la bifurcación " + std::to_string(k + 1);
    ValidarRegistro(b.corriente, E, nombre);
    for (const auto& n : b.nodos) ValidarRegistro(n.segmento, E, nombre);
  }

  for (const auto& a : m_areas)
    for (std::uint32_t m : a.corrientes)
      if (!refExiste(static_cast<std::int64_t>(m))) Danado();
}

// Moves the stored fields of a validated body into this object; the fields
// that are not stored keep their values.
void CDiagrama::TomarCargado(CDiagrama&& n) {
  m_corrientes = std::move(n.m_corrientes);
  m_cambiadores = std::move(n.m_cambiadores);
  m_bifurcadas = std::move(n.m_bifurcadas);
  m_servicios = std::move(n.m_servicios);
  m_areas = std::move(n.m_areas);
  m_dtMin = n.m_dtMin;
  m_rectGrafico = n.m_rectGrafico;
  m_a1 = n.m_a1;
  m_b1 = n.m_b1;
  m_c1 = n.m_c1;
  m_a2 = n.m_a2;
  m_b2 = n.m_b2;
  m_c2 = n.m_c2;
  m_costeCaliente = n.m_costeCaliente;
  m_costeFrio = n.m_costeFrio;
  m_hCalienteGenerico = n.m_hCalienteGenerico;
  m_hFrioGenerico = n.m_hFrioGenerico;
  m_tCalienteGenerico = n.m_tCalienteGenerico;
  m_tFrioGenerico = n.m_tFrioGenerico;
  m_amortizacion = n.m_amortizacion;
  m_factorLang = n.m_factorLang;
  m_interes = n.m_interes;
  m_dibujoExportar = n.m_dibujoExportar;
  m_colorearAreas = n.m_colorearAreas;
  m_mostrarNombres = n.m_mostrarNombres;
  m_mostrarTPinch = n.m_mostrarTPinch;
  m_mostrarTBifurcadas = n.m_mostrarTBifurcadas;
  m_ordenarAreas = n.m_ordenarAreas;
  m_ordenarCalientesFrias = n.m_ordenarCalientesFrias;
  m_serviciosVisibles = n.m_serviciosVisibles;
  m_fuente = std::move(n.m_fuente);

  // Loops, chains and the graph described the records that were replaced.
  m_lazos.clear();
  m_lazoEnCurso.Vaciar();
  m_anillo = CAnillo();
  m_arbol = CArbol();
  m_grafoConstruido = 0;
  // A selection that names nothing any more returns to its default.
  if (m_corrienteSel != 0 && !RefValida(m_corrienteSel)) m_corrienteSel = 0;
  if (m_perturbacionOrigen != 0 && !RefValida(m_perturbacionOrigen)) m_perturbacionOrigen = 0;
  if (m_perturbacionDestino != 0 && !RefValida(m_perturbacionDestino)) m_perturbacionDestino = 0;
  if (m_cambiadorSel < 0 || m_cambiadorSel >= GetNumCambiadores()) m_cambiadorSel = 0;
  if (m_cambiadorResaltado >= GetNumCambiadores()) m_cambiadorResaltado = -1;
}

// After storing and after loading: targets with streams present, and the
// pinch temperature and DT min in every exchanger.
void CDiagrama::TrasSerializar() {
  if (!m_corrientes.empty()) CalcularObjetivos();
  for (auto& c : m_cambiadores) {
    c.tPinch = m_tPinch;
    c.dtMin = m_dtMin;
  }
}

void CDiagrama::LeerCuerpo(Archive& ar) {
  IoCuerpo(ar);
  ValidarCargado();
}

void CDiagrama::Serialize(Archive& ar) {
  if (ar.IsStoring()) {
    IoCuerpo(ar);
  } else {
    CDiagrama nuevo;
    nuevo.LeerCuerpo(ar);
    TomarCargado(std::move(nuevo));
  }
  TrasSerializar();
}

}  // namespace vardo
