#include "model/bifurcada.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace vardo {

namespace {

[[noreturn]] void Danado() { throw FormatError("Formato de archivo no esperado."); }

// Bytes of the smallest stored stream (empty texts and lists, two points);
// taken from the stream's own stored form so the two never disagree.
std::size_t MinBytesCorriente() {
  static const std::size_t n = [] {
    Archive ar;
    CCorriente c;
    c.Serialize(ar);
    return ar.Bytes().size();
  }();
  return n;
}

constexpr std::size_t kBytesConexion = 12;
std::size_t MinBytesNodo() { return 16 + MinBytesCorriente(); }

// Takes a freshly loaded stream over into a record's stream. The stream's
// assignment recomputes m·cp from the curve; a loaded stream keeps the stored
// value and flags instead.
void TomarCorrienteLeida(CCorriente& destino, const CCorriente& leida) {
  const double mcp = leida.m_mcp;
  const std::int32_t latente = leida.m_latente;
  const std::int32_t fria = leida.m_fria;
  destino = leida;
  destino.m_mcp = mcp;
  destino.m_latente = latente;
  destino.m_fria = fria;
}

}  // namespace

// ---------------------------------------------------------------- CConexion

void CConexion::Serialize(Archive& ar) {
  if (ar.IsStoring()) {
    ar.WriteInt32(primero);
    ar.WriteInt32(segundo);
    ar.WriteInt32(0);
  } else {
    const std::int32_t a = ar.ReadInt32();
    const std::int32_t b = ar.ReadInt32();
    ar.ReadInt32();  // no meaning; the record keeps 0
    primero = a;
    segundo = b;
    tercero = 0;
  }
}

// ---------------------------------------------------------------- CCuaterna

CCuaterna::CCuaterna(const CCuaterna& o)
    : segmento(o.segmento),
      refSalida(o.refSalida),
      refRamaDesplazada(o.refRamaDesplazada),
      refRamaPrincipal(o.refRamaPrincipal),
      refEntrada(o.refEntrada) {}

CCuaterna& CCuaterna::operator=(const CCuaterna& o) {
  if (this != &o) {
    segmento = o.segmento;
    refSalida = o.refSalida;
    refRamaDesplazada = o.refRamaDesplazada;
    refRamaPrincipal = o.refRamaPrincipal;
    refEntrada = o.refEntrada;
  }
  return *this;
}

std::int32_t CCuaterna::Referencia(int i) const {
  switch (i) {
    case kEntrada: return refEntrada;
    case kRamaPrincipal: return refRamaPrincipal;
    case kRamaDesplazada: return refRamaDesplazada;
    case kSalida: return refSalida;
    default: return 0;
  }
}

void CCuaterna::SetReferencia(int i, std::int32_t ref) {
  switch (i) {
    case kEntrada: refEntrada = ref; break;
    case kRamaPrincipal: refRamaPrincipal = ref; break;
    case kRamaDesplazada: refRamaDesplazada = ref; break;
    case kSalida: refSalida = ref; break;
    default: break;
  }
}

void CCuaterna::Serialize(Archive& ar) {
  if (ar.IsStoring()) {
    ar.WriteInt32(refEntrada);
    ar.WriteInt32(refRamaPrincipal);
    ar.WriteInt32(refRamaDesplazada);
    ar.WriteInt32(refSalida);
    segmento.Serialize(ar);
    return;
  }
  // Read everything first so that a damaged archive leaves the node as it was.
  const std::int32_t entrada = ar.ReadInt32();
  const std::int32_t principal = ar.ReadInt32();
  const std::int32_t desplazada = ar.ReadInt32();
  const std::int32_t salida = ar.ReadInt32();
  CCorriente leida(segmento);
  leida.Serialize(ar);
  refEntrada = entrada;
  refRamaPrincipal = principal;
  refRamaDesplazada = desplazada;
  refSalida = salida;
  TomarCorrienteLeida(segmento, leida);
}

// ------------------------------------------------------ CCorrienteBifurcada

CCorrienteBifurcada::CCorrienteBifurcada(const CCorrienteBifurcada& o)
    : filas(o.filas),
      rect(o.rect),
      ramas(o.ramas),
      nodos(o.nodos),
      conexiones(o.conexiones),
      corriente(o.corriente),
      inicioRecolocar(o.inicioRecolocar),
      mostrarNombre(o.mostrarNombre) {}

CCorrienteBifurcada& CCorrienteBifurcada::operator=(const CCorrienteBifurcada& o) {
  if (this != &o) {
    filas = o.filas;
    corriente = o.corriente;
    rect = o.rect;
    ramas = o.ramas;
    nodos = o.nodos;
    conexiones = o.conexiones;
    inicioRecolocar = o.inicioRecolocar;
    mostrarNombre = o.mostrarNombre;
  }
  return *this;
}

CCorriente* CCorrienteBifurcada::Resolver(std::int32_t ref, std::vector<CCorriente>& corrientes) {
  return const_cast<CCorriente*>(std::as_const(*this).Resolver(ref, corrientes));
}

const CCorriente* CCorrienteBifurcada::Resolver(std::int32_t ref,
                                                const std::vector<CCorriente>& corrientes) const {
  if (ref >= 0) {
    return static_cast<std::size_t>(ref) < corrientes.size() ? &corrientes[ref] : nullptr;
  }
  const auto k = static_cast<std::size_t>(-static_cast<std::int64_t>(ref));
  return k < nodos.size() ? &nodos[k].segmento : nullptr;
}

void CCorrienteBifurcada::CalcularFilas() {
  if (nodos.empty()) return;

  // Root stream: follow the incoming references back through the nodes.
  std::int32_t raiz = nodos[0].refEntrada;
  for (std::size_t pasos = 0; raiz < 0 && pasos <= nodos.size(); ++pasos) {
    const auto k = static_cast<std::size_t>(-static_cast<std::int64_t>(raiz));
    if (k >= nodos.size()) break;
    raiz = nodos[k].refEntrada;
  }
  const std::int32_t final_ = nodos[0].refSalida;

  // Walk the links level by level; each link is followed once.
  std::vector<bool> usada(conexiones.size(), false);
  std::vector<std::int32_t> nivel{raiz};
  std::size_t maximo = 1;
  auto contiene = [](const std::vector<std::int32_t>& v, std::int32_t x) {
    return std::find(v.begin(), v.end(), x) != v.end();
  };
  while (std::any_of(nivel.begin(), nivel.end(), [&](std::int32_t s) { return s != final_; })) {
    std::vector<std::int32_t> nuevo;
    for (auto it = nivel.rbegin(); it != nivel.rend(); ++it) {
      const std::int32_t s = *it;
      for (std::size_t c = 0; c < conexiones.size(); ++c) {
        if (usada[c] || conexiones[c].primero != s) continue;
        if (!contiene(nuevo, conexiones[c].segundo)) {
          nuevo.push_back(conexiones[c].segundo);
          usada[c] = true;
        }
      }
      if (s == final_ && !contiene(nuevo, s)) nuevo.push_back(s);
    }
    maximo = std::max(maximo, nuevo.size());
    nivel = std::move(nuevo);
  }
  filas = static_cast<std::int32_t>(maximo);
}

bool CCorrienteBifurcada::ReferenciasValidas(std::int32_t numCorrientes) const {
  auto valida = [&](std::int32_t ref) {
    if (ref >= 0) return ref < numCorrientes;
    const auto k = static_cast<std::size_t>(-static_cast<std::int64_t>(ref));
    return k >= 1 && k < nodos.size();
  };
  for (std::uint32_t r : ramas) {
    if (static_cast<std::int64_t>(r) >= numCorrientes) return false;
  }
  for (const CCuaterna& n : nodos) {
    for (int i = CCuaterna::kEntrada; i <= CCuaterna::kSalida; ++i) {
      if (!valida(n.Referencia(i))) return false;
    }
  }
  for (const CConexion& c : conexiones) {
    if (!valida(c.primero) || !valida(c.segundo)) return false;
  }
  return true;
}

void CCorrienteBifurcada::Serialize(Archive& ar) {
  if (ar.IsStoring()) {
    ar.WriteInt32(dibujada);
    ar.WriteInt32(filas);
    ar.WriteRect(rect);
    ar.WriteInt32(static_cast<std::int32_t>(ramas.size()));
    for (std::uint32_t r : ramas) ar.WriteUInt32(r);
    ar.WriteInt32(static_cast<std::int32_t>(nodos.size()));
    ar.WriteInt32(static_cast<std::int32_t>(conexiones.size()));
    for (CCuaterna& n : nodos) n.Serialize(ar);
    for (CConexion& c : conexiones) c.Serialize(ar);
    corriente.Serialize(ar);
    return;
  }

  // Loading: everything is read into locals first, so a damaged archive
  // leaves the record as it was.
  const std::int32_t dib = ar.ReadInt32();
  const std::int32_t nFilas = ar.ReadInt32();
  // The drawing divides the rectangle's height by the rows.
  if (nFilas < 1) Danado();
  const Rect r = ar.ReadRect();

  const std::size_t nRamas = ar.ReadCount(4);
  std::vector<std::uint32_t> rs(nRamas);
  for (auto& x : rs) x = ar.ReadUInt32();

  const std::size_t nNodos = ar.ReadCount(MinBytesNodo());
  const std::size_t nConexiones = ar.ReadCount(kBytesConexion);
  // Nodes, links and the stream must all fit in what is left.
  const std::size_t resto = ar.Remaining();
  if (resto < MinBytesCorriente() ||
      nNodos > (resto - MinBytesCorriente()) / MinBytesNodo() ||
      nConexiones * kBytesConexion > resto - MinBytesCorriente() - nNodos * MinBytesNodo()) {
    Danado();
  }

  std::vector<CCuaterna> ns(nNodos);
  for (CCuaterna& n : ns) n.Serialize(ar);
  std::vector<CConexion> cs(nConexiones);
  for (CConexion& c : cs) c.Serialize(ar);
  CCorriente leida(corriente);
  leida.Serialize(ar);

  dibujada = dib;
  filas = nFilas;
  rect = r;
  ramas = std::move(rs);
  nodos = std::move(ns);
  conexiones = std::move(cs);
  TomarCorrienteLeida(corriente, leida);
}

}  // namespace vardo
