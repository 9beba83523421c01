// The document body: its byte layout, what writing and reading change, and
// the refusal of damaged bodies with the model left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "model/constantes.h"
#include "model/diagrama.h"
#include "model/documento_archivo.h"

namespace vardo {
namespace {

std::vector<std::uint8_t> Escribir(CDiagrama& d) {
  Archive ar;
  d.Serialize(ar);
  return ar.Bytes();
}

void Leer(const std::vector<std::uint8_t>& bytes, CDiagrama& d) {
  Archive ar(bytes);
  d.Serialize(ar);
}

std::int32_t Int32En(const std::vector<std::uint8_t>& b, std::size_t pos) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(b[pos + i]) << (8 * i);
  return static_cast<std::int32_t>(v);
}

double DoubleEn(const std::vector<std::uint8_t>& b, std::size_t pos) {
  std::uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v |= static_cast<std::uint64_t>(b[pos + i]) << (8 * i);
  double d;
  std::memcpy(&d, &v, sizeof d);
  return d;
}

void PonerInt32(std::vector<std::uint8_t>& b, std::size_t pos, std::int32_t v) {
  for (int i = 0; i < 4; ++i)
    b[pos + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

// A small problem that holds one of every record: streams 0 (hot), 1 and 2
// (cold, the branches of split 0), one utility, two exchangers, one area.
CDiagrama Base() {
  CDiagrama d;
  d.AddCorriente(450.0, 350.0, 2.0, 0, 0);
  d.AddCorriente(340.0, 400.0, 1.0, 1, 0);
  d.AddCorriente(340.0, 400.0, 1.0, 1, 0);
  d.m_corrientes[0].SetNombre("Caliente");
  d.AddServicio();
  d.AddCambiador(kModoQ, 0, 1, kTipoExtremo, 0, kTipoNinguno, 0, kTipoNinguno, 0, kTipoExtremo, 0,
                 1, 50.0);
  d.AddCambiador(kModoQ, 0, kRefServicio, kTipoCambiador, 0.0, kTipoNinguno, 0, kTipoNinguno, 0,
                 kTipoNinguno, 0, 1, 10.0);
  d.m_corrientes[0].m_cambiadores = {0, 1};
  d.m_corrientes[1].m_cambiadores = {0};
  d.m_servicios[0].m_cambiadores = {1};
  CCorrienteBifurcada b;
  b.corriente = CCorriente(340.0, 400.0, 2.0, 1, 0);
  b.ramas = {1, 2};
  b.nodos.resize(2);
  b.nodos[0].segmento = b.corriente;
  b.nodos[0].refEntrada = 1;
  b.nodos[0].refRamaPrincipal = -1;  // node 1 continues the main branch
  b.nodos[0].refRamaDesplazada = 2;
  b.nodos[0].refSalida = 1;
  b.nodos[1].refEntrada = 1;
  b.nodos[1].refRamaPrincipal = 1;
  b.nodos[1].refRamaDesplazada = 2;
  b.nodos[1].refSalida = 2;
  b.conexiones = {CConexion(1, 2)};
  d.m_bifurcadas.push_back(b);
  d.m_corrientes[1].m_split = 0;
  d.m_corrientes[2].m_split = 0;
  d.AddArea("Zona Á", MakeRgb(10, 20, 30));
  d.m_areas[0].corrientes = {0, kRefServicio};
  d.m_corrientes[0].m_area = 0;
  d.m_servicios[0].m_area = 0;
  return d;
}

// ---------------------------------------------------------------- layout

TEST(DiagramaSerializar, ByteLayoutOfTheBody) {
  CDiagrama d = Base();
  d.m_dtMin = 12.5;
  d.m_rectGrafico = Rect{1500, -1500, 21500, -9500};
  d.m_a1 = 1.0;
  d.m_b1 = 2.0;
  d.m_c1 = 3.0;
  d.m_a2 = 4.0;
  d.m_b2 = 5.0;
  d.m_c2 = 6.0;
  d.m_costeCaliente = 7.0;
  d.m_costeFrio = 8.0;
  d.m_hCalienteGenerico = 9.0;
  d.m_hFrioGenerico = 10.0;
  d.m_tCalienteGenerico = 11.0;
  d.m_tFrioGenerico = 12.0;
  d.m_amortizacion = 13.0;
  d.m_factorLang = 14.0;
  d.m_interes = 15.0;
  d.m_dibujoExportar = 16;
  d.m_colorearAreas = 17;
  d.m_mostrarNombres = 18;
  d.m_mostrarTPinch = 19;
  d.m_mostrarTBifurcadas = 20;
  d.m_ordenarAreas = 21;
  d.m_ordenarCalientesFrias = 22;
  d.m_serviciosVisibles = 23;
  d.m_fuente.italic = 1;
  d.m_fuente.charSet = 7;
  d.m_fuente.faceName = "Tahoma";
  const auto b = Escribir(d);

  EXPECT_EQ(Int32En(b, 0), 3);
  EXPECT_EQ(Int32En(b, 4), 2);
  EXPECT_EQ(DoubleEn(b, 8), 12.5);
  EXPECT_EQ(Int32En(b, 16), 1500);
  EXPECT_EQ(Int32En(b, 20), -1500);
  EXPECT_EQ(Int32En(b, 24), 21500);
  EXPECT_EQ(Int32En(b, 28), -9500);
  for (int k = 0; k < 13; ++k) EXPECT_EQ(DoubleEn(b, 32 + 8 * k), 1.0 + k) << "double " << k;
  EXPECT_EQ(Int32En(b, 136), 1);  // splits
  EXPECT_EQ(DoubleEn(b, 140), 14.0);
  EXPECT_EQ(DoubleEn(b, 148), 15.0);
  for (int k = 0; k < 7; ++k) EXPECT_EQ(Int32En(b, 156 + 4 * k), 16 + k) << "option " << k;
  EXPECT_EQ(Int32En(b, 184), 1);  // utilities
  EXPECT_EQ(Int32En(b, 188), 1);  // areas
  EXPECT_EQ(Int32En(b, 192), 23);

  // Then the records in their own stored forms: streams, exchangers, splits,
  // the font, utilities, areas.
  Archive esperado;
  for (auto& c : d.m_corrientes) c.Serialize(esperado);
  for (auto& c : d.m_cambiadores) c.Serialize(esperado);
  for (auto& s : d.m_bifurcadas) s.Serialize(esperado);
  for (std::int32_t v : {18, 0, 0, 0, 400}) esperado.WriteInt32(v);
  for (std::uint8_t v : {1, 0, 0, 7, 0, 0, 2, 18}) esperado.WriteByte(v);
  esperado.WriteString("Tahoma");
  for (auto& s : d.m_servicios) s.Serialize(esperado);
  for (auto& a : d.m_areas) a.Serialize(esperado);
  ASSERT_EQ(b.size(), 196 + esperado.Bytes().size());
  EXPECT_TRUE(std::equal(esperado.Bytes().begin(), esperado.Bytes().end(), b.begin() + 196));
}

TEST(DiagramaSerializar, WriteThenReadGivesTheSameProblem) {
  CDiagrama d = Base();
  d.m_dtMin = 15.0;
  d.m_interes = 7.5;
  d.m_fuente.faceName = "Courier New";
  const auto b = Escribir(d);
  CDiagrama l;
  Leer(b, l);
  EXPECT_EQ(Escribir(l), b);
  EXPECT_EQ(l.GetNumCorrientes(), 3);
  EXPECT_EQ(l.GetNumCambiadores(), 2);
  EXPECT_EQ(l.m_bifurcadas.size(), 1u);
  EXPECT_EQ(l.m_bifurcadas[0].nodos[0].refRamaPrincipal, -1);
  EXPECT_EQ(l.m_corrientes[0].GetNombre(), "Caliente");
  EXPECT_EQ(l.m_areas, d.m_areas);
  EXPECT_EQ(l.m_dtMin, 15.0);
  EXPECT_EQ(l.m_interes, 7.5);
  EXPECT_EQ(l.m_fuente, d.m_fuente);
  EXPECT_EQ(l.m_tPinch, d.m_tPinch);
  EXPECT_EQ(l.m_temperaturas, d.m_temperaturas);
  EXPECT_EQ(l.m_cascada, d.m_cascada);
}

// Writing recomputes the targets and hands the pinch and DT min to the
// exchangers; nothing stored changes.
TEST(DiagramaSerializar, WritingChangesOnlyTheTargets) {
  CDiagrama d = Base();
  d.m_dtMin = 20.0;
  d.m_textoComprobacion = "texto";
  d.m_cambiadorResaltado = 1;
  const auto primera = Escribir(d);
  EXPECT_EQ(Escribir(d), primera);
  EXPECT_FALSE(d.m_temperaturas.empty());
  for (const auto& c : d.m_cambiadores) {
    EXPECT_EQ(c.tPinch, d.m_tPinch);
    EXPECT_EQ(c.dtMin, 20.0);
  }
  for (const auto& b : d.m_bifurcadas) {
    EXPECT_EQ(b.corriente.m_pinch, d.m_tPinch);
    EXPECT_EQ(b.corriente.m_dtMin, 20.0);
  }
  EXPECT_EQ(d.m_textoComprobacion, "texto");
  EXPECT_EQ(d.m_cambiadorResaltado, 1);
}

TEST(DiagramaSerializar, NoStreamsNoTargets) {
  CDiagrama vacio;
  vacio.m_tPinch = 123.0;
  const auto b = Escribir(vacio);
  EXPECT_EQ(vacio.m_tPinch, 123.0);
  EXPECT_EQ(b.size(), 196u + 5 * 4 + 8 + 1 + 5);  // header, font, "Arial"
  CDiagrama l;
  l.m_tPinch = 55.0;
  l.m_temperaturas = {1.0};
  Leer(b, l);
  EXPECT_EQ(l.m_tPinch, 55.0);
  EXPECT_EQ(l.m_temperaturas, std::vector<double>{1.0});

  // Streams without exchangers: the targets only.
  CDiagrama s;
  s.AddCorriente(450.0, 350.0, 2.0, 0, 0);
  s.AddCorriente(340.0, 440.0, 2.0, 1, 0);
  CDiagrama ls;
  Leer(Escribir(s), ls);
  ASSERT_EQ(ls.m_numIntervalos, 2);
  EXPECT_EQ(ls.m_tPinch, 445.0);
}

// Fields that are not stored keep the reading object's values.
TEST(DiagramaSerializar, UnstoredFieldsKeepTheReadersValues) {
  CDiagrama d = Base();
  d.m_colorearServicios = 0;
  d.m_tReferencia = 250.0;
  d.m_textoComprobacion = "del archivo";
  const auto b = Escribir(d);
  CDiagrama nuevo;
  Leer(b, nuevo);
  EXPECT_EQ(nuevo.m_colorearServicios, 1);
  EXPECT_EQ(nuevo.m_tReferencia, 293.0);
  EXPECT_TRUE(nuevo.m_textoComprobacion.empty());

  CDiagrama otro;
  otro.m_tReferencia = 280.0;
  otro.m_corrienteSel = kRefServicio;
  otro.m_estadoAnillos = 2;
  Leer(b, otro);
  EXPECT_EQ(otro.m_tReferencia, 280.0);
  EXPECT_EQ(otro.m_corrienteSel, kRefServicio);
  EXPECT_EQ(otro.m_estadoAnillos, 2);
}

// What named the records that reading replaced is reset: loops, chains, the
// graph, selections that name nothing.
TEST(DiagramaSerializar, ReadingResetsWhatNamedTheOldRecords) {
  CDiagrama d = Base();
  const auto b = Escribir(d);
  CDiagrama l;
  for (int i = 0; i < 4; ++i) l.AddCorriente(300.0 + i, 400.0, 1.0, 1, 0);
  l.m_lazos.resize(3);
  l.m_lazoEnCurso.cambiadores = {4};
  l.m_lazoEnCurso.nodos = {5};
  l.m_lazoEnCurso.cuenta = 1;
  l.m_grafoConstruido = 1;
  l.m_cambiadorSel = 5;
  l.m_cambiadorResaltado = 7;
  l.m_corrienteSel = 3;
  l.m_perturbacionDestino = 3;
  Leer(b, l);
  EXPECT_TRUE(l.m_lazos.empty());
  EXPECT_EQ(l.m_lazoEnCurso.cuenta, 0);
  EXPECT_TRUE(l.m_lazoEnCurso.nodos.empty());
  EXPECT_EQ(l.m_grafoConstruido, 0);
  EXPECT_EQ(l.m_cambiadorSel, 0);
  EXPECT_EQ(l.m_cambiadorResaltado, -1);
  EXPECT_EQ(l.m_corrienteSel, 0);
  EXPECT_EQ(l.m_perturbacionDestino, 0);
}

TEST(DiagramaSerializar, FaceNameLoadsAsItsFirst31Characters) {
  CDiagrama d;
  d.m_fuente.faceName = std::string(40, 'x');
  const auto b = Escribir(d);
  CDiagrama l;
  Leer(b, l);
  EXPECT_EQ(l.m_fuente.faceName, std::string(31, 'x'));
  // Characters, not bytes: accented letters take one byte in the file.
  d.m_fuente.faceName.clear();
  for (int i = 0; i < 35; ++i) d.m_fuente.faceName += "é";
  Leer(Escribir(d), l);
  std::string esperado;
  for (int i = 0; i < 31; ++i) esperado += "é";
  EXPECT_EQ(l.m_fuente.faceName, esperado);
}

// ---------------------------------------------------------------- damaged bodies

struct Danado {
  const char* nombre;
  std::function<void(CDiagrama&)> cambiar = nullptr;                  // on the model, before writing
  std::function<void(std::vector<std::uint8_t>&)> parchear = nullptr;  // on the bytes, after writing
};

void PrintTo(const Danado& d, std::ostream* os) { *os << d.nombre; }

class CuerpoDanadoTest : public ::testing::TestWithParam<Danado> {};

TEST_P(CuerpoDanadoTest, IsRefusedAndTheModelIsUnchanged) {
  const Danado& caso = GetParam();
  CDiagrama d = Base();
  if (caso.cambiar) caso.cambiar(d);
  auto bytes = Escribir(d);
  if (caso.parchear) caso.parchear(bytes);

  CDiagrama receptor;
  receptor.AddCorriente(500.0, 300.0, 1.0, 0, 0);
  receptor.m_fuente.faceName = "Propia";
  const auto antes = Escribir(receptor);
  receptor.m_textoComprobacion = "intacto";
  receptor.m_tPinch = 77.0;
  receptor.m_cambiadorResaltado = 4;
  receptor.m_grafoConstruido = 1;
  try {
    Leer(bytes, receptor);
    FAIL() << caso.nombre << " was read";
  } catch (const FormatError& e) {
    EXPECT_STREQ(e.what(), "Formato de archivo no esperado.");
  }
  EXPECT_EQ(receptor.m_textoComprobacion, "intacto");
  EXPECT_EQ(receptor.m_tPinch, 77.0);
  EXPECT_EQ(receptor.m_cambiadorResaltado, 4);
  EXPECT_EQ(receptor.m_grafoConstruido, 1);
  EXPECT_EQ(Escribir(receptor), antes);
}

const Danado kDanados[] = {
    // Counts.
    {"NegativeStreamCount", nullptr, [](auto& b) { PonerInt32(b, 0, -1); }},
    {"HugeStreamCount", nullptr, [](auto& b) { PonerInt32(b, 0, 0x7fffffff); }},
    {"MoreStreamsThanWritten", nullptr, [](auto& b) { PonerInt32(b, 0, 4); }},
    {"NegativeExchangerCount", nullptr, [](auto& b) { PonerInt32(b, 4, -3); }},
    {"HugeExchangerCount", nullptr, [](auto& b) { PonerInt32(b, 4, 1 << 24); }},
    {"NegativeSplitCount", nullptr, [](auto& b) { PonerInt32(b, 136, -1); }},
    {"NegativeUtilityCount", nullptr, [](auto& b) { PonerInt32(b, 184, -2); }},
    {"HugeAreaCount", nullptr, [](auto& b) { PonerInt32(b, 188, 0x40000000); }},
    {"TruncatedBody", nullptr, [](auto& b) { b.pop_back(); }},
    // Exchanger references.
    {"ExchangerOnMissingStream", [](CDiagrama& d) { d.m_cambiadores[0].ladoCaliente.ref = 3; }},
    {"ExchangerOnMissingUtility",
     [](CDiagrama& d) { d.m_cambiadores[1].ladoFrio.ref = kRefServicio + 1; }},
    {"ExchangerNegativeReference", [](CDiagrama& d) { d.m_cambiadores[0].ladoFrio.ref = -2; }},
    {"KindFourPastTheEnd", [](CDiagrama& d) { d.m_cambiadores[1].valorEntradaCaliente = 2.0; }},
    {"KindFourNegative", [](CDiagrama& d) { d.m_cambiadores[1].valorEntradaCaliente = -1.0; }},
    {"KindFourFraction", [](CDiagrama& d) { d.m_cambiadores[1].valorEntradaCaliente = 0.5; }},
    {"KindFourNaN",
     [](CDiagrama& d) {
       d.m_cambiadores[1].valorEntradaCaliente = std::numeric_limits<double>::quiet_NaN();
     }},
    // Stream and utility fields.
    {"StreamListsMissingExchanger", [](CDiagrama& d) { d.m_corrientes[1].m_cambiadores = {2}; }},
    {"UtilityListsMissingExchanger", [](CDiagrama& d) { d.m_servicios[0].m_cambiadores = {7}; }},
    {"StreamInMissingSplit", [](CDiagrama& d) { d.m_corrientes[0].m_split = 1; }},
    {"StreamSplitBelowMinusOne", [](CDiagrama& d) { d.m_corrientes[0].m_split = -2; }},
    {"StreamInMissingArea", [](CDiagrama& d) { d.m_corrientes[2].m_area = 1; }},
    {"UtilityInMissingArea", [](CDiagrama& d) { d.m_servicios[0].m_area = 3; }},
    {"StreamPointNaN",
     [](CDiagrama& d) { d.m_corrientes[1].m_T[1] = std::numeric_limits<double>::quiet_NaN(); }},
    {"DTMinInfinite",
     [](CDiagrama& d) { d.m_dtMin = std::numeric_limits<double>::infinity(); }},
    // Areas.
    {"AreaMemberMissingStream", [](CDiagrama& d) { d.m_areas[0].corrientes.push_back(3); }},
    {"AreaMemberMissingUtility",
     [](CDiagrama& d) { d.m_areas[0].corrientes.push_back(kRefServicio + 1); }},
    // Splits.
    {"SplitBranchMissing", [](CDiagrama& d) { d.m_bifurcadas[0].ramas.push_back(3); }},
    {"SplitNodeStreamMissing", [](CDiagrama& d) { d.m_bifurcadas[0].nodos[1].refSalida = 3; }},
    {"SplitNodeReferenceOutOfRange",
     [](CDiagrama& d) { d.m_bifurcadas[0].nodos[0].refRamaPrincipal = -2; }},
    {"SplitNodeNamesItself", [](CDiagrama& d) { d.m_bifurcadas[0].nodos[1].refEntrada = -1; }},
    {"SplitNodesInACycle",
     [](CDiagrama& d) {
       auto& b = d.m_bifurcadas[0];
       b.nodos.resize(3);
       b.nodos[1].refRamaDesplazada = -2;
       b.nodos[2].refEntrada = -1;
     }},
    {"SplitNodeIntMin",
     [](CDiagrama& d) {
       d.m_bifurcadas[0].nodos[0].refEntrada = std::numeric_limits<std::int32_t>::min();
     }},
    {"SplitLinkMissing", [](CDiagrama& d) { d.m_bifurcadas[0].conexiones.push_back({1, 7}); }},
    {"SplitSegmentListsMissingExchanger",
     [](CDiagrama& d) { d.m_bifurcadas[0].nodos[1].segmento.m_cambiadores = {9}; }},
    // A split naming a stream that does not carry its index.
    {"SplitNodeNamesAStreamOfNoSplit",
     [](CDiagrama& d) { d.m_bifurcadas[0].nodos[1].refSalida = 0; }},
    {"SplitLinkNamesAStreamOfNoSplit",
     [](CDiagrama& d) { d.m_bifurcadas[0].conexiones.push_back({2, 0}); }},
    {"SplitBranchWithoutItsIndex", [](CDiagrama& d) { d.m_corrientes[2].m_split = -1; }},
    // Rectangles and font sizes no drawing could hold.
    {"GridRightAtIntMin",
     [](CDiagrama& d) { d.m_rectGrafico.right = std::numeric_limits<std::int32_t>::min(); }},
    {"GridBottomPast100m", [](CDiagrama& d) { d.m_rectGrafico.bottom = -10'000'001; }},
    {"FontHeightAtIntMin",
     [](CDiagrama& d) { d.m_fuente.height = std::numeric_limits<std::int32_t>::min(); }},
    {"FontWidthHuge", [](CDiagrama& d) { d.m_fuente.width = 40000; }},
    {"StreamRectangleHuge",
     [](CDiagrama& d) { d.m_corrientes[0].m_rect.left = std::numeric_limits<std::int32_t>::max(); }},
    {"ExchangerRectangleHuge",
     [](CDiagrama& d) { d.m_cambiadores[1].rectFrio.top = std::numeric_limits<std::int32_t>::min(); }},
    {"SplitRectangleHuge", [](CDiagrama& d) { d.m_bifurcadas[0].rect.right = 2'000'000'000; }},
    // Circle sizes that would place exchangers outside any grid.
    {"ExchangerCircleHuge", [](CDiagrama& d) { d.m_cambiadores[0].tamano = 1e12; }},
    {"ExchangerCircleNegative", [](CDiagrama& d) { d.m_cambiadores[1].tamano = -6.5; }},
    {"ExchangerCircleNaN",
     [](CDiagrama& d) { d.m_cambiadores[0].tamano = std::numeric_limits<double>::quiet_NaN(); }},
};

INSTANTIATE_TEST_SUITE_P(Diagrama, CuerpoDanadoTest, ::testing::ValuesIn(kDanados),
                         [](const ::testing::TestParamInfo<Danado>& i) {
                           return std::string(i.param.nombre);
                         });

// The base problem itself, the same split in a longer chain of nodes, and
// extra bytes after the body are all fine.
TEST(DiagramaSerializar, ValidBodiesAreRead) {
  CDiagrama d = Base();
  auto& b = d.m_bifurcadas[0];
  b.nodos.resize(3);
  b.nodos[1].refRamaDesplazada = -2;  // node 2 continues node 1's offset branch
  b.nodos[2].refEntrada = 2;
  b.nodos[2].refRamaPrincipal = 2;
  b.nodos[2].refRamaDesplazada = 1;
  b.nodos[2].refSalida = 2;
  // The largest grid the grid-size command makes, and a large font.
  d.m_rectGrafico = Rect{1500, -1500, 1001500, -1001500};
  d.m_fuente.height = -2000;
  auto bytes = Escribir(d);
  bytes.push_back(0xAB);
  bytes.push_back(0xCD);
  CDiagrama l;
  Leer(bytes, l);
  EXPECT_EQ(l.m_bifurcadas[0].nodos.size(), 3u);
}

// Every file the program writes after deleting streams or splits reads
// back: the deletions leave no split naming a stream that is gone or one
// that is not its own.
TEST(DiagramaSerializar, DeletionsInSplitsWriteFilesThatReadBack) {
  // Base() (split 0 over streams 1 and 2; stream 0 plain), and the same with
  // a second split over streams 3 to 6, its node 0 continued by node 1.
  auto dosDivisiones = [] {
    CDiagrama d = Base();
    for (int k = 0; k < 4; ++k) d.AddCorriente(500.0, 300.0, 1.0, 0, 0);
    CCorrienteBifurcada b;
    b.corriente = CCorriente(500.0, 300.0, 1.0, 0, 0);
    b.ramas = {3, 4, 5, 6};
    b.nodos.resize(2);
    b.nodos[0].segmento = b.corriente;
    b.nodos[0].refEntrada = 3;
    b.nodos[0].refRamaPrincipal = 4;
    b.nodos[0].refRamaDesplazada = -1;
    b.nodos[0].refSalida = 6;
    b.nodos[1].refEntrada = 3;
    b.nodos[1].refRamaPrincipal = 5;
    b.nodos[1].refRamaDesplazada = 6;
    b.nodos[1].refSalida = 6;
    b.conexiones = {CConexion(3, 4), CConexion(3, 5), CConexion(4, 6), CConexion(5, 6)};
    d.m_bifurcadas.push_back(b);
    for (int k = 3; k <= 6; ++k) d.m_corrientes[static_cast<std::size_t>(k)].m_split = 1;
    d.AddCambiador(kModoQ, 5, 2, kTipoExtremo, 0, kTipoNinguno, 0, kTipoNinguno, 0, kTipoExtremo,
                   0, 1, 5.0);
    d.m_corrientes[5].m_cambiadores = {2};
    d.m_corrientes[2].m_cambiadores = {2};
    return d;
  };
  struct Config {
    const char* nombre;
    CDiagrama d;
  };
  const Config configs[] = {{"one split", Base()}, {"two splits", dosDivisiones()}};
  for (const auto& cfg : configs) {
    const auto nCorrientes = cfg.d.GetNumCorrientes();
    const auto nBifurcadas = static_cast<std::int32_t>(cfg.d.m_bifurcadas.size());
    for (std::int32_t i = -nBifurcadas; i < nCorrientes; ++i) {
      CDiagrama d = cfg.d;
      if (i < 0)
        d.BorrarBifurcacion(-i - 1);
      else
        d.BorrarCorriente(i);
      const auto bytes = Escribir(d);
      CDiagrama l;
      EXPECT_NO_THROW(Leer(bytes, l)) << cfg.nombre << ", deleting " << i;
      EXPECT_EQ(Escribir(l), bytes) << cfg.nombre << ", deleting " << i;
    }
  }
}

// ---------------------------------------------------------------- references

// 1001 streams (0..1000, alternately hot and cold) and two utilities, so that
// stream 1000 and the file's number of utility 0 coincide.
CDiagrama MilUnaCorrientes() {
  CDiagrama d;
  for (int i = 0; i <= 1000; ++i)
    d.AddCorriente(i % 2 ? 300.0 : 400.0, i % 2 ? 390.0 : 310.0, 1.0, i % 2, 0);
  d.AddServicio();
  d.AddServicio();
  return d;
}

std::vector<std::uint8_t> Registro(CCambiador& c) {
  Archive ar;
  c.Serialize(ar);
  return ar.Bytes();
}

// In memory a utility is never a stream's number, at any stream count; the
// file numbers utility k 1000 + k as it always has, and reading turns those
// numbers back into utilities.
TEST(DiagramaSerializar, UtilitiesAre1000PlusKInTheFileAndUtilitiesWhenRead) {
  CDiagrama d = MilUnaCorrientes();
  EXPECT_TRUE(d.RefValida(1000));
  EXPECT_EQ(&d.GetCorriente(1000), &d.m_corrientes[1000]);
  EXPECT_EQ(&d.GetCorriente(kRefServicio + 1), static_cast<CCorriente*>(&d.m_servicios[1]));
  d.AddCambiador(kModoQ, kRefServicio + 1, 999, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5.0);
  d.AddCambiador(kModoQ, 998, kRefServicio, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5.0);
  d.AddArea("Zona", 0);
  d.m_areas[0].corrientes = {999, kRefServicio + 1, kRefServicio};

  const auto b = Escribir(d);
  // The stored sides: bytes 40 and 44 of the exchanger record.
  const auto e0 = Registro(d.m_cambiadores[0]);
  const auto e1 = Registro(d.m_cambiadores[1]);
  EXPECT_EQ(Int32En(e0, 40), 1001);
  EXPECT_EQ(Int32En(e0, 44), 999);
  EXPECT_EQ(Int32En(e1, 40), 998);
  EXPECT_EQ(Int32En(e1, 44), 1000);
  EXPECT_NE(std::search(b.begin(), b.end(), e0.begin(), e0.end()), b.end());
  EXPECT_NE(std::search(b.begin(), b.end(), e1.begin(), e1.end()), b.end());
  // The area's members close the body: 999, 1001, 1000.
  const std::int32_t miembros[] = {999, 1001, 1000};
  for (std::size_t k = 0; k < 3; ++k)
    EXPECT_EQ(Int32En(b, b.size() - 12 + 4 * k), miembros[k]) << k;

  CDiagrama l;
  Leer(b, l);
  EXPECT_EQ(l.m_cambiadores[0].ladoCaliente.ref, kRefServicio + 1);
  EXPECT_EQ(l.m_cambiadores[0].ladoFrio.ref, 999);
  EXPECT_EQ(l.m_cambiadores[1].ladoFrio.ref, kRefServicio);
  EXPECT_EQ(l.m_areas[0].corrientes, d.m_areas[0].corrientes);
  EXPECT_EQ(Escribir(l), b);
}

// A process stream numbered 1000 or more would read back as a utility: the
// writer refuses it, names it, and writes nothing.
TEST(DocumentoArchivo, AStreamTheFileCannotNameIsNotWritten) {
  struct Caso {
    const char* nombre;
    std::function<void(CDiagrama&)> poner;
    const char* mensaje;
  };
  const Caso casos[] = {
      {"lado caliente", [](CDiagrama& d) { d.m_cambiadores[0].ladoCaliente.ref = 1000; },
       "El documento no se ha guardado: el cambiador 1 está en la corriente 1001, y el archivo solo "
       "puede guardar cambiadores en las corrientes 1 a 1000."},
      {"corriente 1000, la última que el archivo nombra",
       [](CDiagrama& d) { d.m_cambiadores[1].ladoCaliente.ref = 999; }, nullptr},
      {"lado frío", [](CDiagrama& d) { d.m_cambiadores[0].ladoFrio.ref = 1000; },
       "El documento no se ha guardado: el cambiador 1 está en la corriente 1001, y el archivo solo "
       "puede guardar cambiadores en las corrientes 1 a 1000."},
      {"área", [](CDiagrama& d) { d.m_areas[0].corrientes.push_back(1000); },
       "El documento no se ha guardado: el área de integridad 1 incluye la corriente 1001, y el "
       "archivo solo puede guardar en las áreas las corrientes 1 a 1000."},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = MilUnaCorrientes();
    d.AddCambiador(kModoQ, kRefServicio + 1, 999, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5.0);
    d.AddCambiador(kModoQ, 998, kRefServicio, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5.0);
    d.AddArea("Zona", 0);
    d.m_areas[0].corrientes = {999};
    c.poner(d);
    Archive ar;
    if (!c.mensaje) {
      EXPECT_NO_THROW(EscribirDocumento(ar, MarcoDocumento{}, d));
      continue;
    }
    try {
      EscribirDocumento(ar, MarcoDocumento{}, d);
      ADD_FAILURE() << "written";
    } catch (const DocumentoNoGuardable& e) {
      EXPECT_STREQ(e.what(), c.mensaje);
    }
    EXPECT_TRUE(ar.Bytes().empty());
  }
}

// ---------------------------------------------------------------- framing

TEST(DocumentoArchivo, ModeWordIsFiltered) {
  struct Caso {
    std::uint32_t palabra;
    std::int32_t modo;
    bool redibujar;
  };
  const Caso casos[] = {{0, 0, false},  {3, 3, true},  {17, 17, true},
                        {18, 0, false}, {0xFFFFFFFFu, 0, false}};
  CDiagrama d = Base();
  MarcoDocumento m;
  m.usarFactibilidad = 5;
  d.m_grafoConstruido = 1;
  auto bytes = GuardarDocumento(m, d);
  EXPECT_EQ(d.m_grafoConstruido, 0);
  EXPECT_EQ(bytes.size(), 8 + Escribir(d).size());
  for (const auto& c : casos) {
    PonerInt32(bytes, 4, static_cast<std::int32_t>(c.palabra));
    CDiagrama l;
    l.m_cambiadorResaltado = 1;
    MarcoDocumento leido;
    leido.modo = 9;
    CargarDocumento(bytes, leido, l);
    EXPECT_EQ(leido.modo, c.modo) << c.palabra;
    EXPECT_EQ(leido.redibujar, c.redibujar) << c.palabra;
    EXPECT_EQ(leido.usarFactibilidad, 5u);
    EXPECT_EQ(l.m_cambiadorResaltado, -1);
    EXPECT_EQ(l.GetNumCorrientes(), 3);
  }
}

TEST(DocumentoArchivo, ShortOrDamagedFileChangesNothing) {
  CDiagrama d = Base();
  MarcoDocumento m;
  m.modo = 3;
  const auto bytes = GuardarDocumento(m, d);
  for (std::size_t n : {std::size_t{0}, std::size_t{4}, std::size_t{7}, std::size_t{8},
                        bytes.size() - 1}) {
    CDiagrama l;
    l.m_cambiadorResaltado = 2;
    MarcoDocumento leido;
    leido.modo = 5;
    leido.usarFactibilidad = 1;
    const std::vector<std::uint8_t> corto(bytes.begin(), bytes.begin() + static_cast<long>(n));
    EXPECT_THROW(CargarDocumento(corto, leido, l), FormatError) << n;
    EXPECT_EQ(leido.modo, 5);
    EXPECT_EQ(leido.usarFactibilidad, 1u);
    EXPECT_EQ(l.m_cambiadorResaltado, 2);
    EXPECT_EQ(l.GetNumCorrientes(), 0);
  }
}

}  // namespace
}  // namespace vardo
