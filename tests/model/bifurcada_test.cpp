#include "model/bifurcada.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/archive.h"

namespace vardo {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Stores the record itself (a copy would not carry every stored field: the
// drawn flag is not copied and a stream copy recomputes m·cp).
template <typename T>
Bytes Guardar(T&& registro) {
  Archive ar;
  registro.Serialize(ar);
  return ar.Bytes();
}

void Pon32(Bytes& b, std::int32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
}

Bytes Bytes32(std::initializer_list<std::int32_t> vs) {
  Bytes b;
  for (auto v : vs) Pon32(b, v);
  return b;
}

Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A hot stream from 400 K to 300 K with m·cp 2 and a name in Windows-1252.
CCorriente Caliente() {
  CCorriente c(400.0, 300.0, 2.0, 0, 0);
  c.SetNombre("Corriente fría · ñ");
  c.m_rect = {1500, -2000, 19500, -3000};
  return c;
}

// A split of stream 4 into U=4, B1=5, B2=6, D=7, then of B2 into U2=8,
// B2a=9, B2b=10, D2=11 (node 1 takes B2's place in node 0): links as the
// split command makes them.
CCorrienteBifurcada DosNodos() {
  CCorrienteBifurcada b;
  b.corriente = Caliente();
  b.ramas = {4, 5, 7, 8, 9, 10, 11};
  CCuaterna n0;
  n0.segmento = Caliente();
  n0.refEntrada = 4;
  n0.refRamaPrincipal = 5;
  n0.refRamaDesplazada = -1;
  n0.refSalida = 7;
  CCuaterna n1;
  n1.segmento = CCorriente(380.0, 320.0, 1.0, 0, 0);
  n1.refEntrada = 8;
  n1.refRamaPrincipal = 9;
  n1.refRamaDesplazada = 10;
  n1.refSalida = 11;
  b.nodos = {n0, n1};
  b.conexiones = {{4, 5}, {5, 7}, {8, 9}, {8, 10}, {9, 11}, {10, 11}, {4, 8}, {11, 7}};
  b.filas = 3;
  b.dibujada = 1;
  b.rect = {1500, -2000, 19500, -5000};
  return b;
}

// ---------------------------------------------------------------- stored form

TEST(BifurcadaArchivo, DefaultSplitLayout) {
  // Drawn flag 0, rows 2, the rectangle as sixteen zero bytes, no branches,
  // no nodes, no links, then the default stream in its own form.
  Bytes esperado = {0, 0, 0, 0, 2, 0, 0, 0};
  esperado.resize(esperado.size() + 16, 0);
  esperado = Concat(esperado, Bytes32({0, 0, 0}));
  ASSERT_EQ(esperado.size(), 36u);
  const Bytes corriente = Guardar(CCorriente{});
  EXPECT_EQ(corriente.size(), 302u);  // the smallest stored stream

  const Bytes b = Guardar(CCorrienteBifurcada{});
  EXPECT_EQ(b, Concat(esperado, corriente));

  CCorrienteBifurcada leida;
  leida.filas = 7;
  leida.dibujada = 1;
  leida.ramas = {3};
  Archive in(b);
  leida.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(leida.filas, 2);
  EXPECT_EQ(leida.dibujada, 0);
  EXPECT_TRUE(leida.ramas.empty());
  EXPECT_EQ(Guardar(leida), b);
}

TEST(BifurcadaArchivo, NodeWritesReferencesInReverseOrderThenSegment) {
  CCuaterna n;
  n.refSalida = 5;
  n.refRamaDesplazada = 6;
  n.refRamaPrincipal = 7;
  n.refEntrada = -1;
  n.segmento = Caliente();
  EXPECT_EQ(Guardar(n), Concat(Bytes32({-1, 7, 6, 5}), Guardar(Caliente())));

  CCuaterna leido;
  Archive in(Guardar(n));
  leido.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(leido.refEntrada, -1);
  EXPECT_EQ(leido.refRamaPrincipal, 7);
  EXPECT_EQ(leido.refRamaDesplazada, 6);
  EXPECT_EQ(leido.refSalida, 5);
  EXPECT_EQ(leido.segmento.GetNombre(), "Corriente fría · ñ");
  EXPECT_EQ(Guardar(leido), Guardar(n));
}

// The third value of a link is always written as 0, however the link was made
// and whatever a file held there.
TEST(BifurcadaArchivo, LinkThirdValueIsAlwaysZero) {
  std::vector<CConexion> enArray;
  enArray.emplace_back(3, -2);
  CConexion suelto;
  suelto.primero = 1;
  CConexion copia(enArray[0]);
  CConexion asignado;
  asignado = enArray[0];
  EXPECT_EQ(Guardar(enArray[0]), Bytes32({3, -2, 0}));
  EXPECT_EQ(Guardar(suelto), Bytes32({1, 0, 0}));
  EXPECT_EQ(Guardar(copia), Bytes32({3, -2, 0}));
  EXPECT_EQ(Guardar(asignado), Bytes32({3, -2, 0}));

  CConexion leido;
  Archive in(Bytes32({8, 9, 12345}));
  leido.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(leido.primero, 8);
  EXPECT_EQ(leido.segundo, 9);
  EXPECT_EQ(leido.tercero, 0);
  EXPECT_EQ(Guardar(leido), Bytes32({8, 9, 0}));
}

TEST(BifurcadaArchivo, NonDefaultRoundTrip) {
  CCorrienteBifurcada b = DosNodos();
  const Bytes bytes = Guardar(b);

  // Layout of the record's own part.
  Bytes cabeza = Bytes32({1, 3, 1500, -2000, 19500, -5000, 7, 4, 5, 7, 8, 9, 10, 11, 2, 8});
  ASSERT_GE(bytes.size(), cabeza.size());
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + cabeza.size()), cabeza);
  Bytes esperado = cabeza;
  for (CCuaterna& n : b.nodos) esperado = Concat(esperado, Guardar(n));
  for (CConexion& c : b.conexiones) esperado = Concat(esperado, Guardar(c));
  esperado = Concat(esperado, Guardar(b.corriente));
  EXPECT_EQ(bytes, esperado);

  // Reading into a record with more nodes and links than the file drops the
  // surplus ones.
  CCorrienteBifurcada leida = DosNodos();
  leida.nodos.resize(5);
  leida.conexiones.resize(11);
  leida.ramas.clear();
  Archive in(bytes);
  leida.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(leida.dibujada, 1);
  EXPECT_EQ(leida.filas, 3);
  EXPECT_EQ(leida.rect, b.rect);
  EXPECT_EQ(leida.ramas, b.ramas);
  ASSERT_EQ(leida.nodos.size(), 2u);
  EXPECT_EQ(leida.nodos[1].refRamaDesplazada, 10);
  EXPECT_EQ(leida.nodos[1].segmento.GetT1(), 380.0);
  EXPECT_EQ(leida.conexiones, b.conexiones);
  EXPECT_EQ(leida.corriente.GetNombre(), "Corriente fría · ñ");
  EXPECT_EQ(leida.corriente.m_mcp, 2.0);
  EXPECT_EQ(Guardar(leida), bytes);
}

// The stored m·cp and flags are taken as stored, not recomputed from the
// points.
TEST(BifurcadaArchivo, LoadedStreamKeepsStoredMcp) {
  CCorrienteBifurcada b;
  b.corriente = Caliente();
  b.corriente.m_mcp = 7.5;  // inconsistent with the points on purpose
  b.nodos.resize(1);
  b.nodos[0].segmento = Caliente();
  b.nodos[0].segmento.m_mcp = 3.25;
  const Bytes bytes = Guardar(b);
  CCorrienteBifurcada leida;
  Archive in(bytes);
  leida.Serialize(in);
  EXPECT_EQ(leida.corriente.m_mcp, 7.5);
  EXPECT_EQ(leida.nodos[0].segmento.m_mcp, 3.25);
  EXPECT_EQ(Guardar(leida), bytes);
}

// Damaged files are refused with FormatError and leave the record unchanged.
TEST(BifurcadaArchivo, DamagedFilesAreRefused) {
  const Bytes bueno = Guardar(DosNodos());
  auto conEntero = [&](std::size_t off, std::int32_t v) {
    Bytes b = bueno;
    for (int i = 0; i < 4; ++i) b[off + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
    return b;
  };
  // Offsets: rows 4, branch count 24, node count 56, link count 60.
  struct Caso {
    const char* nombre;
    Bytes datos;
  };
  std::vector<Caso> casos = {
      {"rows 0", conEntero(4, 0)},
      {"negative rows", conEntero(4, -3)},
      {"negative branch count", conEntero(24, -1)},
      {"branch count past the end", conEntero(24, 0x7fffffff)},
      {"negative node count", conEntero(56, -2)},
      {"node count past the end", conEntero(56, 1000)},
      {"link count past the end", conEntero(60, 0x40000000)},
      {"negative link count", conEntero(60, -8)},
      {"empty", {}},
  };
  // Every truncation of a good file.
  for (std::size_t n : {std::size_t{3}, std::size_t{30}, std::size_t{63}, bueno.size() / 2, bueno.size() - 1}) {
    casos.push_back({"truncated", Bytes(bueno.begin(), bueno.begin() + static_cast<std::ptrdiff_t>(n))});
  }

  for (const Caso& c : casos) {
    CCorrienteBifurcada r = DosNodos();
    r.nodos.pop_back();
    r.filas = 9;
    const Bytes antes = Guardar(r);
    Archive in(c.datos);
    EXPECT_THROW(r.Serialize(in), FormatError) << c.nombre;
    EXPECT_EQ(Guardar(r), antes) << c.nombre;
  }
}

TEST(BifurcadaArchivo, DamagedNodeAndLinkLeaveThemUnchanged) {
  CCuaterna n;
  n.refEntrada = 2;
  n.segmento = Caliente();
  Bytes nodo = Guardar(n);
  nodo.resize(nodo.size() - 5);
  CCuaterna r;
  r.refSalida = 4;
  const Bytes antes = Guardar(r);
  Archive in(nodo);
  EXPECT_THROW(r.Serialize(in), FormatError);
  EXPECT_EQ(Guardar(r), antes);

  CConexion c(1, 2);
  Archive corto(Bytes32({5, 6}));
  EXPECT_THROW(c.Serialize(corto), FormatError);
  EXPECT_EQ(c, CConexion(1, 2));
}

// ---------------------------------------------------------------- copying

TEST(BifurcadaCopia, CopiesTheSplitButNotItsWorkingState) {
  CCorrienteBifurcada b = DosNodos();
  b.inicioRecolocar = 1;
  b.mostrarNombre = 1;
  b.pendientes = {1};
  b.camino = {5, 7};
  b.SetSeleccion(-3);
  b.dibujarEnBlanco = 1;
  b.color = MakeRgb(1, 2, 3);
  b.nodos[0].lineaDerecha = {1, 2, 3, 4};

  const CCorrienteBifurcada copia(b);
  EXPECT_EQ(copia.filas, 3);
  EXPECT_EQ(copia.rect, b.rect);
  EXPECT_EQ(copia.ramas, b.ramas);
  EXPECT_EQ(copia.conexiones, b.conexiones);
  ASSERT_EQ(copia.nodos.size(), 2u);
  EXPECT_EQ(copia.nodos[1].refSalida, 11);
  EXPECT_EQ(copia.nodos[1].segmento.GetT2(), 320.0);
  EXPECT_EQ(copia.corriente.GetNombre(), b.corriente.GetNombre());
  EXPECT_EQ(copia.inicioRecolocar, 1);
  EXPECT_EQ(copia.mostrarNombre, 1);
  // Working state starts with its defaults.
  EXPECT_TRUE(copia.pendientes.empty());
  EXPECT_TRUE(copia.camino.empty());
  EXPECT_EQ(copia.seleccion, kSinSeleccionBifurcada);
  EXPECT_EQ(copia.dibujada, 0);
  EXPECT_EQ(copia.dibujarEnBlanco, 0);
  EXPECT_EQ(copia.color, 0u);
  EXPECT_EQ(copia.nodos[0].lineaDerecha, LineaNodo{});

  // An assigned split keeps its own working state.
  CCorrienteBifurcada destino;
  destino.camino = {9};
  destino.SetSeleccion(4);
  destino.dibujada = 1;
  destino.color = MakeRgb(9, 9, 9);
  destino = b;
  EXPECT_EQ(destino.ramas, b.ramas);
  EXPECT_EQ(destino.nodos.size(), 2u);
  EXPECT_EQ(destino.camino, std::vector<std::uint32_t>{9});
  EXPECT_EQ(destino.seleccion, 4);
  EXPECT_EQ(destino.dibujada, 1);
  EXPECT_EQ(destino.color, MakeRgb(9, 9, 9));
  destino.QuitarSeleccion();
  EXPECT_EQ(destino.seleccion, -1001);
}

// ---------------------------------------------------------------- queries

TEST(Bifurcada, ResolvesStreamAndNodeReferences) {
  std::vector<CCorriente> red(3);
  red[2] = Caliente();
  CCorrienteBifurcada b = DosNodos();
  EXPECT_EQ(b.Resolver(2, red), &red[2]);
  EXPECT_EQ(b.Resolver(-1, red), &b.nodos[1].segmento);
  EXPECT_EQ(b.Resolver(3, red), nullptr);
  EXPECT_EQ(b.Resolver(-2, red), nullptr);
  EXPECT_EQ(b.Resolver(-2147483647 - 1, red), nullptr);
  const CCorrienteBifurcada& cb = b;
  EXPECT_EQ(cb.Resolver(-1, red), &b.nodos[1].segmento);
}

TEST(Bifurcada, BranchRowsFollowTheLinks) {
  // One node: U=0 splits into B1=1 and B2=2, which merge into D=3.
  CCorrienteBifurcada uno;
  uno.nodos.resize(1);
  uno.nodos[0].refEntrada = 0;
  uno.nodos[0].refRamaPrincipal = 1;
  uno.nodos[0].refRamaDesplazada = 2;
  uno.nodos[0].refSalida = 3;
  uno.conexiones = {{0, 1}, {0, 2}, {1, 3}, {2, 3}};
  uno.filas = 5;
  uno.CalcularFilas();
  EXPECT_EQ(uno.filas, 2);

  // Splitting the offset branch again needs a third row.
  CCorrienteBifurcada dos = DosNodos();
  dos.filas = 2;
  dos.CalcularFilas();
  EXPECT_EQ(dos.filas, 3);

  // Node 0 fed by a node reference: the root is found through node 1.
  CCorrienteBifurcada raiz;
  raiz.nodos.resize(2);
  raiz.nodos[0].refEntrada = -1;
  raiz.nodos[0].refSalida = 3;
  raiz.nodos[1].refEntrada = 7;
  raiz.conexiones = {{7, 1}, {7, 2}, {7, 8}, {1, 3}, {2, 3}, {8, 3}};
  raiz.CalcularFilas();
  EXPECT_EQ(raiz.filas, 3);

  // Links that loop back on themselves still end.
  CCorrienteBifurcada ciclo;
  ciclo.nodos.resize(1);
  ciclo.nodos[0].refEntrada = 0;
  ciclo.nodos[0].refSalida = 3;
  ciclo.conexiones = {{0, 1}, {1, 0}, {0, 2}};
  ciclo.CalcularFilas();
  EXPECT_EQ(ciclo.filas, 2);
}

TEST(Bifurcada, ReferenceCheckAgainstTheNetwork) {
  const CCorrienteBifurcada b = DosNodos();
  EXPECT_TRUE(b.ReferenciasValidas(12));
  EXPECT_FALSE(b.ReferenciasValidas(11));  // stream 11 is missing

  struct Caso {
    const char* nombre;
    void (*danar)(CCorrienteBifurcada&);
  };
  const Caso casos[] = {
      {"branch", [](CCorrienteBifurcada& x) { x.ramas.push_back(12); }},
      {"node past the list", [](CCorrienteBifurcada& x) { x.nodos[0].refRamaDesplazada = -2; }},
      {"lowest integer", [](CCorrienteBifurcada& x) { x.nodos[1].refEntrada = -2147483647 - 1; }},
      {"link", [](CCorrienteBifurcada& x) { x.conexiones[3].segundo = 40; }},
      {"link to a node past the list", [](CCorrienteBifurcada& x) { x.conexiones[0].primero = -5; }},
  };
  for (const Caso& c : casos) {
    CCorrienteBifurcada x = DosNodos();
    c.danar(x);
    EXPECT_FALSE(x.ReferenciasValidas(12)) << c.nombre;
  }
}

}  // namespace
}  // namespace vardo
