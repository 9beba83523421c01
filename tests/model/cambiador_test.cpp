#include "model/cambiador.h"
#include "model/constantes.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/archive.h"
#include "platform/core/dc.h"
#include "platform/core/numtext.h"

namespace vardo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Guardar(CCambiador c) {
  Archive ar;
  c.Serialize(ar);
  return ar.Bytes();
}

// Little-endian writers for building expected files by offset.
void Pon32(Bytes& b, std::size_t off, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[off + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void PonD(Bytes& b, std::size_t off, double v) {
  const auto u = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) b[off + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

// ---------------------------------------------------------------- stored form

TEST(CambiadorArchivo, DefaultIs244KnownBytes) {
  Bytes esperado(244, 0);
  esperado[212] = 0x01;  // show hot outlet
  esperado[220] = 0x01;  // show cold outlet
  esperado[228] = 0x01;  // show duty
  esperado[238] = 0x1A;  // circle size 6.5 = 0x401A000000000000
  esperado[239] = 0x40;
  EXPECT_EQ(Guardar(CCambiador{}), esperado);

  CCambiador leido;
  leido.tamano = 1.0;
  leido.verQ = 0;
  Archive in(esperado);
  leido.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(Guardar(leido), esperado);
}

// Every field with a distinct value, placed at its offset in the record.
CCambiador Completo() {
  CCambiador c;
  c.q = 101.5;
  c.SetLadoCaliente(kRefServicio + 3, 510.0, 320.0, -900.0, 4.5);
  c.SetLadoFrio(7, 290.0, 480.0, 760.0, -1.0);
  c.tEntradaCaliente = 500.25;
  c.tEntradaFria = 295.5;
  c.tSalidaCaliente = 410.75;
  c.tSalidaFria = 350.125;
  c.rectCaliente = {5500, -2000, 6150, -2650};
  c.rectFrio = {-1, 1000, 2147483647, -2147483647 - 1};
  c.valorQ = 222.0;
  c.valorEntradaCaliente = 505.0;
  c.valorEntradaFria = 1.0;
  c.valorSalidaCaliente = 2.0;
  c.valorSalidaFria = 3.5;
  c.tipoQ = 1;
  c.tipoEntradaCaliente = 2;
  c.tipoEntradaFria = 3;
  c.tipoSalidaCaliente = 4;
  c.tipoSalidaFria = 5;
  c.modo = 6;
  c.SetFormato(7, 8, 9, 10, 11, 12, 7.25);
  c.calculado = 13;
  return c;
}

TEST(CambiadorArchivo, FieldsAtTheirOffsets) {
  Bytes e(244, 0);
  PonD(e, 0, 101.5);     // duty
  PonD(e, 8, -900.0);    // hot side enthalpy
  PonD(e, 16, 760.0);    // cold side enthalpy
  PonD(e, 24, 4.5);      // hot side m·cp
  PonD(e, 32, -1.0);     // cold side m·cp
  Pon32(e, 40, 1003);    // hot side reference: utility 3
  Pon32(e, 44, 7);       // cold side reference
  PonD(e, 48, 500.25);   // hot inlet
  PonD(e, 56, 295.5);    // cold inlet
  PonD(e, 64, 510.0);    // hot supply
  PonD(e, 72, 290.0);    // cold supply
  PonD(e, 80, 410.75);   // hot outlet
  PonD(e, 88, 350.125);  // cold outlet
  PonD(e, 96, 320.0);    // hot target
  PonD(e, 104, 480.0);   // cold target
  Pon32(e, 112, 5500);
  Pon32(e, 116, static_cast<std::uint32_t>(-2000));
  Pon32(e, 120, 6150);
  Pon32(e, 124, static_cast<std::uint32_t>(-2650));
  Pon32(e, 128, 0xFFFFFFFFu);
  Pon32(e, 132, 1000);
  Pon32(e, 136, 0x7FFFFFFFu);
  Pon32(e, 140, 0x80000000u);
  PonD(e, 144, 222.0);  // duty value
  PonD(e, 152, 505.0);  // hot inlet value
  PonD(e, 160, 1.0);    // cold inlet value
  PonD(e, 168, 2.0);    // hot outlet value
  PonD(e, 176, 3.5);    // cold outlet value
  Pon32(e, 184, 1);     // duty kind
  Pon32(e, 188, 2);     // hot inlet kind
  Pon32(e, 192, 3);     // cold inlet kind
  Pon32(e, 196, 4);     // hot outlet kind
  Pon32(e, 200, 5);     // cold outlet kind
  Pon32(e, 204, 6);     // mode
  Pon32(e, 208, 7);     // show hot inlet
  Pon32(e, 212, 8);     // show hot outlet
  Pon32(e, 216, 9);     // show cold inlet
  Pon32(e, 220, 10);    // show cold outlet
  Pon32(e, 224, 12);    // number position
  Pon32(e, 228, 11);    // show duty
  PonD(e, 232, 7.25);   // circle size
  Pon32(e, 240, 13);    // calculated
  EXPECT_EQ(Guardar(Completo()), e);

  // Loading puts every value back into its own field.
  CCambiador leido;
  Archive in(e);
  leido.Serialize(in);
  EXPECT_EQ(leido.ladoCaliente, (LadoCambiador{kRefServicio + 3, 510.0, 320.0, -900.0, 4.5}));
  EXPECT_EQ(leido.ladoFrio, (LadoCambiador{7, 290.0, 480.0, 760.0, -1.0}));
  EXPECT_EQ(leido.tSalidaFria, 350.125);
  EXPECT_EQ(leido.rectFrio, (Rect{-1, 1000, 2147483647, -2147483647 - 1}));
  EXPECT_EQ(leido.verEntradaCaliente, 7);
  EXPECT_EQ(leido.posicionNumero, 12);
  EXPECT_EQ(leido.verQ, 11);
  EXPECT_EQ(leido.tamano, 7.25);
  EXPECT_EQ(leido.calculado, 13);
  EXPECT_EQ(Guardar(leido), e);
}

TEST(CambiadorArchivo, LoadingKeepsWorkingFieldsAndRefusesShortData) {
  const Bytes datos = Guardar(Completo());

  CCambiador c;
  c.color = kColorSeleccion;
  c.enlaceSalidaFria = 4;
  c.tPinch = 400.0;
  c.dtMin = 10.0;
  c.pinchesServicio = {350.0};
  Archive in(datos);
  c.Serialize(in);
  EXPECT_EQ(c.color, kColorSeleccion);
  EXPECT_EQ(c.enlaceSalidaFria, 4);
  EXPECT_EQ(c.tPinch, 400.0);
  EXPECT_EQ(c.dtMin, 10.0);
  EXPECT_EQ(c.pinchesServicio, std::vector<double>{350.0});

  // A record cut anywhere is a format error and leaves the exchanger as it was.
  for (std::size_t n : {std::size_t{0}, std::size_t{43}, std::size_t{200}, std::size_t{243}}) {
    CCambiador d;
    Archive corto(Bytes(datos.begin(), datos.begin() + static_cast<std::ptrdiff_t>(n)));
    EXPECT_THROW(d.Serialize(corto), FormatError) << n;
    EXPECT_EQ(Guardar(d), Guardar(CCambiador{})) << n;
  }
}

// ---------------------------------------------------------------- copies

TEST(CambiadorCopia, CopiesStoredFieldsOnly) {
  CCambiador fuente = Completo();
  fuente.color = kColorSeleccion;
  fuente.enlaceEntradaCaliente = 2;
  fuente.tPinch = 380.0;
  fuente.dtMin = 20.0;
  fuente.pinchesServicio = {300.0, 250.0};

  const CCambiador copia(fuente);
  EXPECT_EQ(Guardar(copia), Guardar(fuente));
  EXPECT_EQ(copia.color, 0u);
  EXPECT_EQ(copia.enlaceEntradaCaliente, -1);
  EXPECT_EQ(copia.tPinch, 0.0);
  EXPECT_EQ(copia.dtMin, 0.0);
  EXPECT_TRUE(copia.pinchesServicio.empty());

  CCambiador destino;
  destino.color = MakeRgb(200, 0, 0);
  destino.enlaceSalidaCaliente = 1;
  destino.dtMin = 5.0;
  destino = fuente;
  EXPECT_EQ(Guardar(destino), Guardar(fuente));
  EXPECT_EQ(destino.color, MakeRgb(200, 0, 0));
  EXPECT_EQ(destino.enlaceSalidaCaliente, 1);
  EXPECT_EQ(destino.enlaceEntradaCaliente, -1);
  EXPECT_EQ(destino.dtMin, 5.0);
}

TEST(CambiadorCopia, ValueConstructorTakesArgumentsInOrder) {
  const CCambiador c(1, 2, 450.0, 3, 1.0, 4, 2.0, 1, 0.0, 1, 150.0);
  EXPECT_EQ(c.modo, 1);
  EXPECT_EQ(c.tipoEntradaCaliente, 2);
  EXPECT_EQ(c.valorEntradaCaliente, 450.0);
  EXPECT_EQ(c.tipoSalidaCaliente, 3);
  EXPECT_EQ(c.valorSalidaCaliente, 1.0);
  EXPECT_EQ(c.tipoEntradaFria, 4);
  EXPECT_EQ(c.valorEntradaFria, 2.0);
  EXPECT_EQ(c.tipoSalidaFria, 1);
  EXPECT_EQ(c.valorSalidaFria, 0.0);
  EXPECT_EQ(c.tipoQ, 1);
  EXPECT_EQ(c.valorQ, 150.0);
  // Display defaults, nothing else set.
  EXPECT_EQ(c.verQ, 1);
  EXPECT_EQ(c.tamano, 6.5);
  EXPECT_EQ(c.ladoCaliente, LadoCambiador{});
  EXPECT_EQ(c.rectCaliente, Rect{});
  EXPECT_EQ(c.enlaceSalidaFria, -1);
}

// ---------------------------------------------------------------- set values

TEST(CambiadorEspecificacion, ReportsChanges) {
  struct Caso {
    const char* que;
    int modoActual;
    int campo;  // which argument differs: -1 none, 0..10 the kinds/values/mode
    int esperado;
  };
  // Arguments: kinds Q, EC, EF, SC, SF; values Q, EC, EF, SC, SF; mode.
  const Caso casos[] = {
      {"identical, mode 0", 0, -1, 0}, {"identical, mode 3", 3, -1, 0},
      {"duty value, mode 0", 0, 5, 1}, {"duty value, mode 1", 1, 5, 1},
      {"duty value, mode 2", 2, 5, 0}, {"duty value, mode 3", 3, 5, 0},
      {"duty kind", 2, 0, 1},          {"hot inlet kind", 0, 1, 1},
      {"cold inlet kind", 0, 2, 1},    {"hot outlet kind", 0, 3, 1},
      {"cold outlet kind", 0, 4, 1},   {"hot inlet value", 2, 6, 1},
      {"cold inlet value", 0, 7, 1},   {"hot outlet value", 0, 8, 1},
      {"cold outlet value", 3, 9, 1},  {"mode", 0, 10, 1},
  };
  for (const Caso& k : casos) {
    int t[5] = {1, 2, 2, 1, 3};
    double v[5] = {100.0, 450.0, 300.0, 0.0, 1.0};
    CCambiador c;
    c.SetEspecificacion(t[0], t[1], t[2], t[3], t[4], 0, v[0], v[1], v[2], v[3], v[4],
                        k.modoActual, 0);
    int modo = k.modoActual;
    if (k.campo >= 0 && k.campo < 5) t[k.campo] += 1;
    if (k.campo >= 5 && k.campo < 10) v[k.campo - 5] += 0.5;
    if (k.campo == 10) modo = (modo + 1) % 4;
    // The spare integers never count.
    EXPECT_EQ(c.SetEspecificacion(t[0], t[1], t[2], t[3], t[4], 77, v[0], v[1], v[2], v[3], v[4],
                                  modo, 88),
              k.esperado)
        << k.que;
    // Stored whatever the answer.
    EXPECT_EQ(c.tipoQ, t[0]) << k.que;
    EXPECT_EQ(c.tipoSalidaFria, t[4]) << k.que;
    EXPECT_EQ(c.valorQ, v[0]) << k.que;
    EXPECT_EQ(c.valorEntradaCaliente, v[1]) << k.que;
    EXPECT_EQ(c.valorSalidaFria, v[4]) << k.que;
    EXPECT_EQ(c.modo, modo) << k.que;
  }
}

TEST(CambiadorEspecificacion, SetFormatoOrder) {
  CCambiador c;
  c.SetFormato(1, 0, 1, 0, 0, 1, 8.0);
  EXPECT_EQ(c.verEntradaCaliente, 1);
  EXPECT_EQ(c.verSalidaCaliente, 0);
  EXPECT_EQ(c.verEntradaFria, 1);
  EXPECT_EQ(c.verSalidaFria, 0);
  EXPECT_EQ(c.verQ, 0);
  EXPECT_EQ(c.posicionNumero, 1);
  EXPECT_EQ(c.tamano, 8.0);
}

TEST(CambiadorEspecificacion, KnownEnds) {
  struct Caso {
    int modo, tipo, enlace, esperado;
  };
  const Caso casos[] = {
      {0, 0, -1, 0}, {0, 1, -1, 1}, {0, 2, -1, 1}, {0, 3, -1, 1}, {0, 4, -1, 0},
      {0, 4, 3, 1},  {0, 5, 3, 0},  {1, 2, -1, 0}, {1, 4, 3, 0},  {2, 1, -1, 0},
      {3, 3, -1, 0},
  };
  for (const Caso& k : casos) {
    for (int extremo = 0; extremo < 4; ++extremo) {
      CCambiador c;
      c.modo = k.modo;
      int* tipos[] = {&c.tipoEntradaCaliente, &c.tipoSalidaCaliente, &c.tipoEntradaFria,
                      &c.tipoSalidaFria};
      std::int32_t* enlaces[] = {&c.enlaceEntradaCaliente, &c.enlaceSalidaCaliente,
                                 &c.enlaceEntradaFria, &c.enlaceSalidaFria};
      *tipos[extremo] = k.tipo;
      *enlaces[extremo] = k.enlace;
      const int r[] = {c.EntradaCalienteConocida(), c.SalidaCalienteConocida(),
                       c.EntradaFriaConocida(), c.SalidaFriaConocida()};
      for (int e = 0; e < 4; ++e)
        EXPECT_EQ(r[e], e == extremo ? k.esperado : 0)
            << "mode " << k.modo << " kind " << k.tipo << " link " << k.enlace << " end " << e;
    }
  }
}

// ---------------------------------------------------------------- rescaling

TEST(CambiadorEscalar, MovesEndsAboutGridCorner) {
  struct Caso {
    Rect antes;
    double fx, fy;
    Rect despues;
  };
  const Caso casos[] = {
      // The canonical square is left as it is by (1, 1).
      {{5500, -2000, 6150, -2650}, 1.0, 1.0, {5500, -2000, 6150, -2650}},
      // A third stream added: centre -3325 scaled by 2/3 about -1500.
      {{5500, -3000, 6150, -3650}, 1.0, 2.0 / 3.0, {5500, -2391, 6150, -3041}},
      // Grid widened from 18 to 20 cm: left 5500 -> 1500 + 4000 * 20/18.
      {{5500, -2000, 5700, -2200}, 20.0 / 18.0, 1.0, {5944, -2000, 6594, -2650}},
      // Centre -2325 -> (-2325 + 1500) * 1.5 - 1500 = -2737.5, truncated toward zero.
      {{1500, -2000, 2150, -2650}, 1.0, 1.5, {1500, -2412, 2150, -3062}},
  };
  for (const Caso& k : casos) {
    CCambiador c;
    c.rectCaliente = k.antes;
    c.rectFrio = k.antes;
    c.Escalar(k.fx, k.fy);
    EXPECT_EQ(c.rectCaliente, k.despues);
    EXPECT_EQ(c.rectFrio, k.despues);
  }
}

// ---------------------------------------------------------------- drawing

using Op = RecordingDc::Op;
constexpr Rgb kAzul = MakeRgb(0, 0, 255);

struct Dibujo : ::testing::Test {
  CCambiador c;
  RecordingDc dc;
  const Pen previo{PenStyle::Dash, 0, MakeRgb(1, 2, 3)};

  void SetUp() override {
    c.SetLadoCaliente(0, 450.0, 300.0, -300.0, 2.0);
    c.SetLadoFrio(1, 290.0, 400.0, 330.0, 3.0);
    c.q = 250.0;
    c.tEntradaCaliente = 450.0;
    c.tSalidaCaliente = 400.5;
    c.tEntradaFria = 300.0;
    c.tSalidaFria = 360.27;
    c.SetFormato(1, 1, 1, 1, 1, 0, 6.5);
    c.color = kAzul;
    dc.SelectPen(previo);
    dc.SetTextColor(MakeRgb(9, 9, 9));
  }

  std::vector<const RecordingDc::Item*> De(Op op) const {
    std::vector<const RecordingDc::Item*> r;
    for (const auto& it : dc.Items())
      if (it.op == op) r.push_back(&it);
    return r;
  }
  Point En(const std::string& texto) const {
    const auto* it = dc.FindText(texto);
    EXPECT_NE(it, nullptr) << texto;
    return it ? it->points[0] : Point{};
  }
  void EsperaRestaurado() const {
    EXPECT_EQ(dc.CurrentPen(), previo);
    EXPECT_EQ(dc.CurrentTextColor(), 0u);
  }
};

TEST_F(Dibujo, HotEndAboveColdEnd) {
  c.rectCaliente = {5500, -2000, 6150, -2650};
  c.rectFrio = {5400, -4000, 6000, -4600};  // re-centred on (5700, -4300)
  c.Dibujar(dc, 3, 1);

  // The stored rectangles are circles of half-side 325, top above bottom.
  EXPECT_EQ(c.rectCaliente, (Rect{5500, -2000, 6150, -2650}));
  EXPECT_EQ(c.rectFrio, (Rect{5375, -3975, 6025, -4625}));

  const auto elipses = De(Op::Ellipse);
  ASSERT_EQ(elipses.size(), 2u);
  EXPECT_EQ(elipses[0]->points, (std::vector<Point>{{5500, -2000}, {6150, -2650}}));
  EXPECT_EQ(elipses[1]->points, (std::vector<Point>{{5375, -3975}, {6025, -4625}}));
  for (const auto& it : dc.Items()) {
    EXPECT_EQ(it.pen, (Pen{PenStyle::Solid, 1, kAzul}));
    EXPECT_EQ(it.textColor, kAzul);
  }

  // The joining line runs from the bottom of the hot circle to the top of the cold one.
  const auto lineas = De(Op::Line);
  ASSERT_EQ(lineas.size(), 1u);
  EXPECT_EQ(lineas[0]->points, (std::vector<Point>{{5825, -2650}, {5700, -3975}}));

  // Number inside the hot circle, duty box below the cold one.
  EXPECT_EQ(En("3"), (Point{5590, -2120}));
  const auto cajas = De(Op::Rectangle);
  ASSERT_EQ(cajas.size(), 1u);
  EXPECT_EQ(cajas[0]->points, (std::vector<Point>{{5125, -4725}, {6275, -5225}}));
  EXPECT_EQ(En(NumTexto(250.0, 6)), (Point{5225, -4775}));
  EXPECT_EQ(NumTexto(250.0, 6), "250.");

  // Temperatures above each circle, four significant digits.
  EXPECT_EQ(En("400.5"), (Point{6150, -1855}));  // hot outlet, right of the hot end
  EXPECT_EQ(En("450."), (Point{4600, -1855}));   // hot inlet, left
  EXPECT_EQ(En("360.3"), (Point{4475, -3830}));  // cold outlet, left of the cold end
  EXPECT_EQ(En("300."), (Point{6025, -3830}));   // cold inlet, right
  EXPECT_EQ(dc.Texts().size(), 6u);
  EsperaRestaurado();
}

TEST_F(Dibujo, ColdEndAboveHotEnd) {
  c.rectFrio = {5500, -2000, 6150, -2650};
  c.rectCaliente = {5500, -4000, 6150, -4650};
  c.SetFormato(0, 0, 0, 0, 1, 1, 6.5);
  c.Dibujar(dc, 12, 0);

  const auto lineas = De(Op::Line);
  ASSERT_EQ(lineas.size(), 1u);
  EXPECT_EQ(lineas[0]->points, (std::vector<Point>{{5825, -2650}, {5825, -4000}}));
  // Number above the cold (upper) circle, duty box on the hot one.
  EXPECT_EQ(En("12"), (Point{5590, -1650}));
  const auto cajas = De(Op::Rectangle);
  ASSERT_EQ(cajas.size(), 1u);
  EXPECT_EQ(cajas[0]->points, (std::vector<Point>{{5250, -4750}, {6400, -5250}}));
  EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"12", "250."}));
  EsperaRestaurado();
}

// A hidden end (parked at top = bottom = 1000) stays hidden after re-centring;
// the number and the duty go on the end that is drawn.
TEST_F(Dibujo, HiddenEndIsNotDrawn) {
  c.rectCaliente = {5500, 1000, 6150, 1000};
  c.rectFrio = {5500, -4000, 6150, -4650};
  c.Dibujar(dc, 2, 0);

  EXPECT_EQ(c.rectCaliente, (Rect{5500, 1325, 6150, 675}));
  const auto elipses = De(Op::Ellipse);
  ASSERT_EQ(elipses.size(), 1u);
  EXPECT_EQ(elipses[0]->points, (std::vector<Point>{{5500, -4000}, {6150, -4650}}));
  EXPECT_TRUE(De(Op::Line).empty());
  EXPECT_EQ(En("2"), (Point{5590, -4120}));
  EXPECT_EQ(De(Op::Rectangle).size(), 1u);
  EXPECT_EQ(En("250."), (Point{5350, -4800}));
  // Only the cold end's temperatures.
  EXPECT_EQ(dc.FindText("400.5"), nullptr);
  EXPECT_EQ(dc.FindText("450."), nullptr);
  EXPECT_EQ(En("360.3"), (Point{4600, -3855}));
  EsperaRestaurado();
}

TEST_F(Dibujo, GenericHotSideDrawsOnlyTheColdCircle) {
  c.SetLadoCaliente(-1, 0.0, 0.0, 0.0, 0.0);
  c.rectCaliente = {5500, -2000, 6150, -2650};
  c.rectFrio = {5500, -4000, 6150, -4650};
  c.Dibujar(dc, 5, 1);

  const auto elipses = De(Op::Ellipse);
  ASSERT_EQ(elipses.size(), 1u);
  EXPECT_EQ(elipses[0]->points, (std::vector<Point>{{5500, -4000}, {6150, -4650}}));
  EXPECT_TRUE(De(Op::Line).empty());
  EXPECT_EQ(En("C5"), (Point{5590, -4120}));
  EXPECT_EQ(En("250."), (Point{5350, -4800}));
  EXPECT_EQ(dc.FindText("400.5"), nullptr);
  EsperaRestaurado();
}

TEST_F(Dibujo, NotPlacedDrawsNothing) {
  c.Dibujar(dc, 1, 1);
  EXPECT_TRUE(dc.Items().empty());
  EXPECT_EQ(dc.CurrentPen(), previo);
  EXPECT_EQ(c.rectCaliente, Rect{});
}

TEST_F(Dibujo, LabelsByKindOfSide) {
  struct Caso {
    int caliente, fria;
    const char* etiqueta;
  };
  const Caso casos[] = {
      {0, 1, "7"},
      {kRefServicio, 1, "C7"},
      {2, kRefServicio + 1, "R7"},
      {kRefServicio, kRefServicio + 1, "C7"},
      {kRefServicio, -1, "R7"},
      {-1, kRefServicio + 2, "C7"},
      {1000, 1001, "7"},  // streams 1001 and 1002
  };
  for (const Caso& k : casos) {
    RecordingDc d;
    CCambiador e = c;
    e.ladoCaliente.ref = k.caliente;
    e.ladoFrio.ref = k.fria;
    e.rectCaliente = {5500, -2000, 6150, -2650};
    e.rectFrio = {5500, -4000, 6150, -4650};
    e.Dibujar(d, 7, 1);
    EXPECT_NE(d.FindText(k.etiqueta), nullptr) << k.caliente << " " << k.fria;
  }
}

TEST_F(Dibujo, CircleSizeAndNumberPosition) {
  struct Caso {
    int posicion;
    bool etiqueta;
    int y;
  };
  const Caso casos[] = {{0, true, -2075 - 250 + 205}, {1, true, -2075 + 350}, {2, false, 0}};
  for (const Caso& k : casos) {
    RecordingDc d;
    CCambiador e = c;
    e.SetFormato(0, 0, 0, 0, 0, k.posicion, 5.0);  // half-side 250
    e.rectCaliente = {5500, -2000, 6150, -2650};
    e.rectFrio = {5500, -4000, 6150, -4650};
    e.Dibujar(d, 4, 1);
    EXPECT_EQ(e.rectCaliente, (Rect{5575, -2075, 6075, -2575}));
    const auto* it = d.FindText("4");
    if (k.etiqueta) {
      ASSERT_NE(it, nullptr);
      EXPECT_EQ(it->points[0], (Point{5665, k.y}));
    } else {
      EXPECT_EQ(it, nullptr);
    }
    EXPECT_EQ(d.Texts().size(), k.etiqueta ? 1u : 0u);  // no duty, no temperatures
  }
}

// Rectangles are taken from the file as stored; coordinates far off the grid
// saturate instead of overflowing.
TEST_F(Dibujo, ExtremeRectanglesSaturate) {
  constexpr std::int32_t kMax = 2147483647;
  constexpr std::int32_t kMin = -kMax - 1;
  c.rectCaliente = {kMax - 10, -2000, kMax, -2650};
  c.rectFrio = {kMin, -4000, kMin + 10, -4650};
  c.Dibujar(dc, 1, 1);
  EXPECT_EQ(c.rectCaliente.right, kMax);
  EXPECT_EQ(c.rectFrio.left, kMin);
  EXPECT_EQ(En("360.3").x, kMin);  // cold outlet, 900 left of the left edge
  EXPECT_EQ(En("1").x, kMax - 240);
  EXPECT_EQ(En("400.5").x, kMax);  // hot outlet, 650 right of the left edge
  EsperaRestaurado();
}

}  // namespace
}  // namespace vardo
