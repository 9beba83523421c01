// Grid diagram: rows and their order under the display options, the row
// rectangles written into the records, the colours, the pinch lines with
// their labels, the exchangers and the overlays.
#include "app/core/views/diagrama_rejilla.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/bifurcacion_layout.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/dc.h"
#include "platform/core/uiport.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using Op = RecordingDc::Op;

// The same recorder seen as a metafile.
class RecordingMetafileDc : public RecordingDc {
 public:
  bool IsMetafile() const override { return true; }
};

using namespace prueba;

Rect Fila(int k, int h = 2750) { return Rect{1500, -1500 - h * k, 19500, -1500 - h * (k + 1)}; }

std::vector<const RecordingDc::Item*> Items(const RecordingDc& dc, Op op) {
  std::vector<const RecordingDc::Item*> out;
  for (const auto& it : dc.Items())
    if (it.op == op) out.push_back(&it);
  return out;
}

// The dashed vertical lines: the pinch lines.
std::vector<const RecordingDc::Item*> LineasPinch(const RecordingDc& dc) {
  std::vector<const RecordingDc::Item*> out;
  for (const auto* it : Items(dc, Op::Line))
    if (it->pen.style == PenStyle::Dash) out.push_back(it);
  return out;
}

std::vector<const RecordingDc::Item*> TextosEn(const RecordingDc& dc, const std::string& s) {
  std::vector<const RecordingDc::Item*> out;
  for (const auto* it : Items(dc, Op::Text))
    if (it->text == s) out.push_back(it);
  return out;
}

// Texts s at the height of the pinch labels: on the line's top and 300 above
// the grid's bottom edge (-12500 by default).
std::vector<const RecordingDc::Item*> EtiquetasPinch(const RecordingDc& dc, const std::string& s) {
  std::vector<const RecordingDc::Item*> out;
  for (const auto* it : TextosEn(dc, s))
    if (it->points[0].y == -1000 || it->points[0].y == -12200) out.push_back(it);
  return out;
}

// C1 293.15→408.15 K m·cp 2, H2 443.15→333.15 m·cp 3, C3 353.15→413.15 m·cp 4,
// H4 423.15→303.15 m·cp 1.5, DT min 10 (shifted pinch 358.15 K), with two
// exchangers above the pinch: E1 H2–C3 240 kW (all of C3's heat) and E2
// H4–C1 90 kW.
struct DiagramaTest : ::testing::Test {
  RecordingUiPort ui;
  CDiagrama d;
  RecordingDc dc;

  void SetUp() override {
    SetDefaultUiPort(&ui);
    d = CuatroCorrientesSinCalcular();
    d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, kTipoPinch, 0, 0, 0, 1, 240);
    d.AddCambiador(kModoQ, 3, 0, kTipoExtremo, 0, 0, 0, kTipoPinch, 0, 0, 0, 1, 90);
    ReconstruirListas(d);
    ASSERT_EQ(CalcularRed(d), kRedSinAvisos);
  }
  void TearDown() override { SetDefaultUiPort(nullptr); }

  // Hot utilities HP 500→499 K (5 kW) and MP 373.15→372.15 K (15 kW), cold
  // utilities 338.15→339.15 K (37.5 kW) and water 283.15→293.15 K (22.5 kW):
  // they meet the process exactly at shifted 368.15 K above the pinch and
  // 343.15 K below it.
  void ConServicios() {
    d.m_servicios.push_back(ServicioSensible(500, 499, 5));
    d.m_servicios.push_back(ServicioSensible(338.15, 339.15, 37.5));
    d.m_servicios.push_back(ServicioSensible(373.15, 372.15, 15));
    d.m_servicios.push_back(ServicioSensible(283.15, 293.15, 22.5));
    d.m_serviciosVisibles = 1;
  }

  std::vector<Rect> Filas() const {
    std::vector<Rect> r;
    for (const auto& c : d.m_corrientes) r.push_back(c.m_rect);
    return r;
  }
};

// ---------------------------------------------------------------- layout

TEST_F(DiagramaTest, CuatroCorrientesFilasYPinch) {
  Dibujar(d, dc, kDibujoPantalla);

  EXPECT_EQ(Filas(), (std::vector<Rect>{Fila(0), Fila(1), Fila(2), Fila(3)}));
  EXPECT_DOUBLE_EQ(d.m_tPinch, 358.15);

  const auto lineas = LineasPinch(dc);
  ASSERT_EQ(lineas.size(), 1u);
  EXPECT_EQ(lineas[0]->points, (std::vector<Point>{{10500, -1000}, {10500, -12500}}));
  EXPECT_EQ(lineas[0]->pen, (Pen{PenStyle::Dash, 1, MakeRgb(0, 0, 0)}));

  // Hot temperature left of the line, cold right, above and below the grid.
  // The hot one is too wide for its 600 units (6 × 180 with the recorder's
  // metrics): it ends at the line instead of running into the cold one.
  std::vector<Point> caliente, fria;
  for (const auto* t : EtiquetasPinch(dc, "363.15")) caliente.push_back(t->points[0]);
  for (const auto* t : EtiquetasPinch(dc, "353.15")) fria.push_back(t->points[0]);
  EXPECT_EQ(caliente, (std::vector<Point>{{9420, -1000}, {9420, -12200}}));
  EXPECT_EQ(fria, (std::vector<Point>{{10600, -1000}, {10600, -12200}}));

  // Each stream drew its label in its own row, with the records' pinch data.
  for (int i = 0; i < 4; ++i) {
    const CCorriente& c = d.m_corrientes[static_cast<std::size_t>(i)];
    EXPECT_DOUBLE_EQ(c.m_pinch, 358.15);
    EXPECT_DOUBLE_EQ(c.m_dtMin, 10.0);
    EXPECT_EQ(c.m_posicionT1.size(), 1u);
    const auto* label = dc.FindText(std::to_string(i + 1));
    ASSERT_NE(label, nullptr);
    EXPECT_LT(label->points[0].y, Fila(i).top);
    EXPECT_GT(label->points[0].y, Fila(i).bottom);
  }

  // Every item in the diagram font: 20 × 18.
  for (const auto& it : dc.Items()) EXPECT_EQ(it.font.height, 360);
}

TEST_F(DiagramaTest, RestauraPlumaPincelYFuente) {
  LogFont propia;
  propia.height = -123;
  const Pen pluma{PenStyle::Dot, 7, MakeRgb(1, 2, 3)};
  dc.SelectFont(propia);
  dc.SelectPen(pluma);
  dc.SelectBrush(Brush::Hollow);
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(dc.CurrentFont(), propia);
  EXPECT_EQ(dc.CurrentPen(), pluma);
  EXPECT_EQ(dc.CurrentBrush(), Brush::Hollow);
}

// The screen and a metafile take the same picture in 0.01 mm: font height
// 20 × the stored one in both.
TEST_F(DiagramaTest, FuentePantallaYMetafile) {
  d.m_fuente.height = 10;
  RecordingMetafileDc mf;
  Dibujar(d, dc, kDibujoPantalla);
  Dibujar(d, mf, kDibujoMetafile);
  ASSERT_EQ(dc.Items().size(), mf.Items().size());
  for (std::size_t k = 0; k < dc.Items().size(); ++k) {
    EXPECT_EQ(dc.Items()[k].font.height, 200);
    EXPECT_EQ(mf.Items()[k].font.height, 200);
    EXPECT_EQ(dc.Items()[k].points, mf.Items()[k].points);
    EXPECT_EQ(dc.Items()[k].text, mf.Items()[k].text);
  }
  EXPECT_EQ(FuenteDiagrama(d).faceName, d.m_fuente.faceName);
}

// Nothing counts: no row height, nothing drawn, nothing written.
TEST_F(DiagramaTest, SinFilasNoDibuja) {
  struct Caso {
    const char* nombre;
    void (*preparar)(CDiagrama&);
  } casos[] = {
      {"sin corrientes", [](CDiagrama& x) { x = CDiagrama(); }},
      {"area mostrada vacia",
       [](CDiagrama& x) {
         x.AddArea("Vacía", MakeRgb(1, 1, 1));
         x.m_areas[0].mostrada = 1;
       }},
  };
  for (const Caso& c : casos) {
    CDiagrama x = d;
    c.preparar(x);
    RecordingDc r;
    Dibujar(x, r, kDibujoPantalla);
    EXPECT_TRUE(r.Items().empty()) << c.nombre;
    EXPECT_EQ(ContarFilas(x), 0) << c.nombre;
  }
}

TEST_F(DiagramaTest, OrdenCalientesYFrias) {
  d.m_ordenarCalientesFrias = 1;
  Dibujar(d, dc, kDibujoPantalla);
  // H2, H4 above C1, C3, each group in list order.
  EXPECT_EQ(Filas(), (std::vector<Rect>{Fila(2), Fila(0), Fila(3), Fila(1)}));
}

// Utilities shown: hot utilities above every process stream, cold ones below,
// labelled "C%d" / "R%d" with the utility's own number.
TEST_F(DiagramaTest, ServiciosFilasYEtiquetas) {
  ConServicios();
  d.m_ordenarCalientesFrias = 1;
  Dibujar(d, dc, kDibujoPantalla);

  const int h = 11000 / 8;
  EXPECT_EQ(d.m_servicios[0].m_rect, Fila(0, h));  // HP
  EXPECT_EQ(d.m_servicios[2].m_rect, Fila(1, h));  // MP
  EXPECT_EQ(Filas(), (std::vector<Rect>{Fila(4, h), Fila(2, h), Fila(5, h), Fila(3, h)}));
  EXPECT_EQ(d.m_servicios[1].m_rect, Fila(6, h));
  EXPECT_EQ(d.m_servicios[3].m_rect, Fila(7, h));
  for (const char* s : {"C1", "C3", "R2", "R4"}) EXPECT_NE(dc.FindText(s), nullptr) << s;
  EXPECT_EQ(dc.FindText("C2"), nullptr);
  EXPECT_EQ(d.m_servicios[0].m_serviciosVisibles, 1);
  EXPECT_EQ(d.m_corrientes[0].m_serviciosVisibles, 1);
}

// One utility pinch above and one below: three lines at thirds of four
// columns, grey, black, grey, with their labels in the same colours; every
// record gets both lists and classifies against three pinches.
TEST_F(DiagramaTest, PinchesDeServicios) {
  ConServicios();
  Dibujar(d, dc, kDibujoPantalla);

  ASSERT_EQ(d.m_pinchesServicioSup.size(), 1u);
  ASSERT_EQ(d.m_pinchesServicioInf.size(), 1u);
  EXPECT_NEAR(d.m_pinchesServicioSup[0], 368.15, 1e-9);
  EXPECT_NEAR(d.m_pinchesServicioInf[0], 343.15, 1e-9);

  const Rgb gris = MakeRgb(185, 185, 185);
  const auto lineas = LineasPinch(dc);
  ASSERT_EQ(lineas.size(), 3u);
  const std::int32_t xs[] = {6000, 10500, 15000};
  const Rgb colores[] = {gris, MakeRgb(0, 0, 0), gris};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(lineas[k]->points, (std::vector<Point>{{xs[k], -1000}, {xs[k], -12500}}));
    EXPECT_EQ(lineas[k]->pen.color, colores[k]);
  }
  struct Etiqueta {
    const char* texto;
    std::int32_t x;
    Rgb color;
  } etiquetas[] = {{"373.15", 6000 - 1080, gris},  {"363.15", 6100, gris},
                   {"363.15", 10500 - 1080, 0},    {"353.15", 10600, 0},
                   {"348.15", 15000 - 1080, gris}, {"338.15", 15100, gris}};
  for (const Etiqueta& e : etiquetas) {
    int vistos = 0;
    for (const auto* t : EtiquetasPinch(dc, e.texto)) {
      if (t->points[0].x != e.x) continue;
      ++vistos;
      EXPECT_EQ(t->textColor, e.color) << e.texto;
    }
    EXPECT_EQ(vistos, 2) << e.texto << " at " << e.x;
  }
  for (const CCorriente& c : d.m_corrientes) {
    EXPECT_EQ(c.m_pinchesSup, d.m_pinchesServicioSup);
    EXPECT_EQ(c.m_pinchesInf, d.m_pinchesServicioInf);
    EXPECT_EQ(c.m_posicionT1.size(), 3u);
  }

  // Hidden utilities: the lists are still rebuilt, only the process pinch is drawn.
  d.m_serviciosVisibles = 0;
  RecordingDc r;
  Dibujar(d, r, kDibujoPantalla);
  EXPECT_EQ(d.m_pinchesServicioSup.size(), 1u);
  ASSERT_EQ(LineasPinch(r).size(), 1u);
  EXPECT_EQ(LineasPinch(r)[0]->points[0].x, 10500);
  EXPECT_EQ(d.m_corrientes[0].m_posicionT1.size(), 1u);

  // A utility without load ending a rounding error away from the process
  // pinch adds a boundary with no residual heat there: still the process
  // pinch, not a utility pinch beside it.
  d.m_servicios.push_back(ServicioSensible(353.15 + 1e-9, 360, 0));
  d.m_serviciosVisibles = 1;
  RecordingDc conCero;
  Dibujar(d, conCero, kDibujoPantalla);
  EXPECT_EQ(d.m_pinchesServicioSup.size(), 1u);
  EXPECT_EQ(d.m_pinchesServicioInf.size(), 1u);
  EXPECT_EQ(LineasPinch(conCero).size(), 3u);
}

// Pinch labels: hot T + DT min/2 600 left of the line and cold T - DT min/2
// 100 right of it, in six significant digits, whole numbers with their point;
// none when switched off.
TEST(DiagramaEtiquetas, TemperaturasDePinch) {
  struct Caso {
    double dtMin;
    const char* caliente;
    const char* fria;
  } casos[] = {{10, "100.", "90."}, {10.5, "100.25", "89.75"}};
  for (const Caso& c : casos) {
    // Hot 195→95 and cold 95→155 on the shifted scale: pinch at 95.
    CDiagrama d;
    const double m = c.dtMin / 2;
    d.AddCorriente(200 + m, 100 + m, 1, 0, 0);
    d.AddCorriente(95 - m, 155 - m, 2, 1, 0);
    d.SetDTMin(c.dtMin);
    d.m_fuente.height = 10;  // 100 units a character with the recorder's metrics
    RecordingDc dc;
    Dibujar(d, dc, kDibujoPantalla);
    EXPECT_DOUBLE_EQ(d.m_tPinch, 95.0);
    const auto calientes = EtiquetasPinch(dc, c.caliente);
    const auto frias = EtiquetasPinch(dc, c.fria);
    ASSERT_EQ(calientes.size(), 2u) << c.dtMin;
    ASSERT_EQ(frias.size(), 2u) << c.dtMin;
    EXPECT_EQ(calientes[0]->points[0], (Point{9900, -1000}));
    EXPECT_EQ(calientes[1]->points[0], (Point{9900, -12200}));
    EXPECT_EQ(frias[0]->points[0], (Point{10600, -1000}));
    EXPECT_EQ(frias[1]->points[0], (Point{10600, -12200}));

    d.m_mostrarTPinch = 0;
    RecordingDc sin;
    Dibujar(d, sin, kDibujoPantalla);
    EXPECT_TRUE(EtiquetasPinch(sin, c.caliente).empty());
    EXPECT_TRUE(EtiquetasPinch(sin, c.fria).empty());
    EXPECT_EQ(LineasPinch(sin).size(), 1u);
  }
}

// ----------------------------------------------------------------- areas

struct AreasTest : DiagramaTest {
  const Rgb rojo = MakeRgb(220, 0, 0);
  const Rgb azulado = MakeRgb(0, 100, 220);
  void SetUp() override {
    DiagramaTest::SetUp();
    // Area A holds H4 and C1 (members in that order), area B holds C3; H2
    // belongs to none.
    d.AddArea("A", rojo);
    d.AddArea("B", azulado);
    for (auto [area, ref] : {std::pair{0, 3}, {0, 0}, {1, 2}}) {
      d.m_areas[static_cast<std::size_t>(area)].AddCorriente(ref);
      d.m_corrientes[static_cast<std::size_t>(ref)].m_area = area;
    }
  }
};

TEST_F(AreasTest, OrdenPorAreas) {
  struct Caso {
    int ordenarAreas, calientesFrias;
    std::vector<int> filas;  // row of C1, H2, C3, H4
  } casos[] = {
      {1, 0, {1, 3, 2, 0}},  // A: H4 C1, B: C3, then H2
      {1, 1, {1, 3, 2, 0}},  // within A: H4 (hot) before C1
      {0, 0, {0, 1, 2, 3}},
      {0, 1, {2, 0, 3, 1}},
  };
  for (const Caso& c : casos) {
    d.m_ordenarAreas = c.ordenarAreas;
    d.m_ordenarCalientesFrias = c.calientesFrias;
    RecordingDc r;
    Dibujar(d, r, kDibujoPantalla);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(d.m_corrientes[static_cast<std::size_t>(i)].m_rect,
                Fila(c.filas[static_cast<std::size_t>(i)]))
          << c.ordenarAreas << c.calientesFrias << " stream " << i;
  }
}

// With area A shown only its members take rows (the whole height between
// them) and are drawn; the rest, areas or not, are left out.
TEST_F(AreasTest, FiltroDeAreaMostrada) {
  d.m_areas[0].mostrada = 1;
  for (int ordenar : {0, 1}) {
    d.m_ordenarAreas = ordenar;
    RecordingDc r;
    for (auto& c : d.m_corrientes) c.m_rect = Rect{};
    Dibujar(d, r, kDibujoPantalla);
    EXPECT_EQ(ContarFilas(d), 2);
    const Rect primera = ordenar ? d.m_corrientes[3].m_rect : d.m_corrientes[0].m_rect;
    EXPECT_EQ(primera, Fila(0, 5500)) << ordenar;
    EXPECT_EQ(d.m_corrientes[1].m_rect, Rect{}) << ordenar;
    EXPECT_EQ(d.m_corrientes[2].m_rect, Rect{}) << ordenar;
    EXPECT_EQ(r.FindText("-330."), nullptr);  // H2's heat
    EXPECT_EQ(r.FindText("3"), nullptr);      // C3's label
    EXPECT_NE(r.FindText("4"), nullptr);
    EXPECT_NE(r.FindText("1"), nullptr);
  }
}

// ----------------------------------------------------------------- colours

TEST_F(DiagramaTest, ColoresCubiertaServiciosYAreas) {
  const Rgb morado = MakeRgb(160, 60, 200);
  ConServicios();
  d.m_colorearServicios = 0;

  // C3 carries its whole heat in E1: highlighted on screen only.
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(d.m_corrientes[2].m_color, morado);
  EXPECT_EQ(d.m_corrientes[1].m_color, 0u);
  EXPECT_EQ(d.m_corrientes[0].m_color, 0u);
  d.m_dibujoExportar = 0;
  Dibujar(d, dc, kDibujoMetafile);
  EXPECT_EQ(d.m_corrientes[2].m_color, 0u);
  d.m_dibujoExportar = 1;

  // Utilities in their two colours.
  d.m_colorearServicios = 1;
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(d.m_servicios[0].m_color, MakeRgb(250, 120, 40));
  EXPECT_EQ(d.m_servicios[1].m_color, MakeRgb(50, 200, 20));
  EXPECT_EQ(d.m_servicios[2].m_color, MakeRgb(250, 120, 40));
  EXPECT_EQ(d.m_corrientes[2].m_color, morado);

  // Areas colour their members, utilities included, over both.
  const Rgb verde = MakeRgb(0, 120, 0);
  d.AddArea("A", verde);
  for (std::int32_t ref : {2, kRefServicio}) {
    d.m_areas[0].AddCorriente(ref);
    d.GetCorriente(ref).m_area = 0;
  }
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(d.m_corrientes[2].m_color, verde);
  EXPECT_EQ(d.m_servicios[0].m_color, verde);
  d.m_colorearAreas = 0;
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(d.m_corrientes[2].m_color, morado);

  // What the row drew with.
  RecordingDc r;
  Dibujar(d, r, kDibujoPantalla);
  const auto* etiqueta = r.FindText("3");
  ASSERT_NE(etiqueta, nullptr);
  EXPECT_EQ(etiqueta->textColor, morado);
}

// The selected stream keeps the selection colour through the highlight and
// the area colour; once deselected it takes its layout colour again.
TEST_F(DiagramaTest, SeleccionConservaSuColor) {
  d.AddArea("A", MakeRgb(0, 120, 0));
  d.m_areas[0].AddCorriente(2);
  d.m_corrientes[2].m_area = 0;
  d.SeleccionarCorriente(2);
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(d.m_corrientes[2].m_color, kColorSeleccion);
  d.DeseleccionarCorriente();
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(d.m_corrientes[2].m_color, MakeRgb(0, 120, 0));

  // The selection field names stream 0 again after deselecting: a highlight
  // it got earlier goes once its exchangers no longer cover it.
  d.m_colorearAreas = 0;
  d.m_cambiadores[1].q = 230;  // E2 now carries all of C1's heat
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(d.m_corrientes[0].m_color, MakeRgb(160, 60, 200));
  d.m_cambiadores[1].q = 90;
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(d.m_corrientes[0].m_color, 0u);
}

// --------------------------------------------------------------- names

TEST_F(DiagramaTest, NombresDeCorrientes) {
  d.m_corrientes[1].SetNombre("Reactor");
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(dc.FindText("Reactor"), nullptr);
  d.m_mostrarNombres = 1;
  RecordingDc r;
  Dibujar(d, r, kDibujoPantalla);
  const auto* t = r.FindText("Reactor");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->points[0].x, 19500 + 350);
  EXPECT_EQ(d.m_corrientes[1].m_mostrarNombre, 1);
}

// ---------------------------------------------------------------- splits

// A hot stream 400→300 K, m·cp 1, split at 380 K into a 60 % main branch and a
// 40 % offset branch that merge at 330 K: streams 4 (incoming), 5 (main), 6
// (offset) and 7 (outgoing), after the four streams of the problem; then a
// fifth stream 8. The split takes two rows whatever its four streams, so the
// stream after it moves down by two rows in all.
struct BifurcadaTest : DiagramaTest {
  void SetUp() override {
    DiagramaTest::SetUp();
    const CCorriente S(400, 300, 1, 0, 0);
    for (int k = 0; k < 4; ++k) {
      d.m_corrientes.push_back(S);
      d.m_corrientes.back().m_split = 0;
    }
    d.AddCorriente(300, 320, 1, 1, 0);
    CCorrienteBifurcada b = UnaDivision(S, 4, true);
    b.filas = 9;  // recomputed by the layout
    b.inicioRecolocar = 0;
    Bifurcar(b, d.m_corrientes, 0, 380, 330, 330, 330, 60, 40);
    d.m_bifurcadas.push_back(b);
  }
  static constexpr int h = 11000 / 7;
};

TEST_F(BifurcadaTest, OcupaSusFilas) {
  // Rows: C1, H2, C3, H4, the split (2), the fifth stream → 7 rows.
  EXPECT_EQ(ContarFilas(d), 7);
  d.m_bifurcadas[0].dibujada = 1;  // left over from an earlier drawing
  d.m_mostrarNombres = 1;
  Dibujar(d, dc, kDibujoPantalla);
  const CCorrienteBifurcada& s = d.m_bifurcadas[0];
  EXPECT_EQ(s.filas, 2);
  EXPECT_EQ(s.dibujada, 1);
  EXPECT_EQ(s.rect, (Rect{1500, Fila(4, h).top, 19500, Fila(5, h).bottom}));
  EXPECT_EQ(d.m_corrientes[3].m_rect, Fila(3, h));
  EXPECT_EQ(d.m_corrientes[8].m_rect, Fila(6, h));
  EXPECT_DOUBLE_EQ(s.corriente.m_pinch, d.m_tPinch);
  EXPECT_DOUBLE_EQ(s.corriente.m_dtMin, 10.0);
  EXPECT_EQ(s.mostrarNombre, 1);

  // The split's streams lie in its rows: the offset branch in the upper one,
  // the others in the lower one. The split's stream is labelled by the first
  // of its streams the layout met.
  for (int i : {4, 5, 7}) {
    EXPECT_EQ(d.m_corrientes[static_cast<std::size_t>(i)].m_rect.top, Fila(5, h).top) << i;
    EXPECT_EQ(d.m_corrientes[static_cast<std::size_t>(i)].m_rect.bottom, Fila(5, h).bottom) << i;
  }
  EXPECT_EQ(d.m_corrientes[6].m_rect.top, Fila(4, h).top);
  EXPECT_EQ(d.m_corrientes[6].m_rect.bottom, Fila(4, h).bottom);
  EXPECT_NE(dc.FindText("5"), nullptr);
  EXPECT_EQ(dc.FindText("6"), nullptr);
  EXPECT_NE(dc.FindText("9"), nullptr);
  // Split and merge temperatures, switched off with their option.
  EXPECT_NE(dc.FindText("380."), nullptr);
  d.m_mostrarTBifurcadas = 0;
  RecordingDc sin;
  Dibujar(d, sin, kDibujoPantalla);
  EXPECT_EQ(sin.FindText("380."), nullptr);
}

// The split takes its first stream's area colour; without areas, on screen,
// the covered-stream colour when its streams' exchangers carry its whole heat.
TEST_F(BifurcadaTest, Color) {
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(d.m_bifurcadas[0].color, 0u);

  d.AddCambiador(kModoQ, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 20);
  d.AddCambiador(kModoQ, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 30);
  d.AddCambiador(kModoQ, 5, -1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 30);
  d.AddCambiador(kModoQ, 6, -1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 20);
  ReconstruirListas(d);
  for (std::size_t k = 2; k < d.m_cambiadores.size(); ++k)
    d.m_cambiadores[k].q = d.m_cambiadores[k].valorQ;
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(d.m_bifurcadas[0].color, MakeRgb(160, 60, 200));
  d.m_dibujoExportar = 0;
  Dibujar(d, dc, kDibujoMetafile);
  EXPECT_EQ(d.m_bifurcadas[0].color, 0u);

  const Rgb teja = MakeRgb(190, 80, 40);
  d.AddArea("A", teja);
  d.m_areas[0].AddCorriente(4);
  d.m_corrientes[4].m_area = 0;
  RecordingDc r;
  Dibujar(d, r, kDibujoPantalla);
  EXPECT_EQ(d.m_bifurcadas[0].color, teja);
  const auto* etiqueta = r.FindText("5");
  ASSERT_NE(etiqueta, nullptr);
  EXPECT_EQ(etiqueta->textColor, teja);
}

// A loop that passes between the two branches of the split: the link is not
// traced along a row but the split draws the path through its branches.
TEST_F(BifurcadaTest, AnilloPorLaBifurcacion) {
  d.AddCambiador(kModoQ, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 10);  // E3: main branch – C1
  d.AddCambiador(kModoQ, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 10);  // E4: offset branch – C1
  ReconstruirListas(d);
  Dibujar(d, dc, kDibujoPantalla);

  CLazoEnCurso& lazo = d.m_lazoEnCurso;
  lazo.LlenarTablaCorrientes(d.m_corrientes, d.m_servicios, 0);
  ASSERT_EQ(lazo.Anadir(d.m_cambiadores, 2), 1);
  ASSERT_EQ(lazo.Anadir(d.m_cambiadores, 3), 1);
  ASSERT_EQ(lazo.Anadir(d.m_cambiadores, 2), 1);

  RecordingDc r;
  DibujarAuxiliar1(d, r);
  EXPECT_TRUE(lazo.pasosBifurcacion.empty());
  // Red lines along the path's streams: from the offset branch through the
  // outgoing stream to the main branch, each across its whole row piece.
  const Rgb rojo = MakeRgb(200, 0, 0);
  for (int i : {6, 7, 5}) {
    const Rect& f = d.m_corrientes[static_cast<std::size_t>(i)].m_rect;
    const std::vector<Point> esperado{{f.left, f.bottom - (f.bottom - f.top) / 2},
                                      {f.right, f.bottom - (f.bottom - f.top) / 2}};
    bool visto = false;
    for (const auto* l : Items(r, Op::Line))
      if (l->pen.color == rojo && l->points == esperado) visto = true;
    EXPECT_TRUE(visto) << i;
  }
}

// A split without nodes keeps the row count it was stored with; a damaged
// one takes at least one row and lays out at once.
TEST_F(BifurcadaTest, FilasDanadas) {
  for (std::int32_t filas : {0, -7, 2000000000}) {
    CDiagrama x = d;
    x.m_bifurcadas[0].nodos.clear();
    x.m_bifurcadas[0].filas = filas;
    RecordingDc r;
    Dibujar(x, r, kDibujoPantalla);
    EXPECT_EQ(x.m_bifurcadas[0].dibujada, 1) << filas;
    if (filas <= 0)
      EXPECT_EQ(x.m_bifurcadas[0].rect.top - x.m_bifurcadas[0].rect.bottom, 11000 / 6);
  }
}

// A split whose first stream is outside the shown area takes no rows.
TEST_F(BifurcadaTest, FueraDelAreaMostrada) {
  d.AddArea("A", 0);
  d.m_areas[0].mostrada = 1;
  for (int i : {0, 8}) {
    d.m_areas[0].AddCorriente(i);
    d.m_corrientes[static_cast<std::size_t>(i)].m_area = 0;
  }
  EXPECT_EQ(ContarFilas(d), 2);
  Dibujar(d, dc, kDibujoPantalla);
  EXPECT_EQ(d.m_bifurcadas[0].dibujada, 0);
}

// ------------------------------------------------------------- exchangers

TEST_F(DiagramaTest, CambiadoresOrientacionYResaltado) {
  Dibujar(d, dc, kDibujoPantalla);
  const auto circulos = Items(dc, Op::Ellipse);
  ASSERT_EQ(circulos.size(), 4u);
  for (const auto* c : circulos) EXPECT_EQ(c->brush, Brush::White);
  EXPECT_NE(dc.FindText("1"), nullptr);

  // E1: H2 (row 1) above C3 (row 2): the link runs from the bottom of the hot
  // circle down to the top of the cold one.
  const CCambiador& e1 = d.m_cambiadores[0];
  // The link line starts at the bottom centre of one of the two circles.
  auto enlace = [&](const RecordingDc& r, const CCambiador& e) -> const RecordingDc::Item* {
    for (const auto* l : Items(r, Op::Line))
      for (const Rect* c : {&e.rectCaliente, &e.rectFrio})
        if (l->points[0] == Point{c->left + 325, c->bottom}) return l;
    return nullptr;
  };
  const auto* l1 = enlace(dc, e1);
  ASSERT_NE(l1, nullptr);
  EXPECT_EQ(l1->points[0].y, e1.rectCaliente.bottom);
  EXPECT_EQ(l1->points[1].y, e1.rectFrio.top);
  EXPECT_GT(e1.rectCaliente.bottom, d.m_corrientes[1].m_rect.bottom);
  EXPECT_LT(e1.rectCaliente.top, d.m_corrientes[1].m_rect.top);

  // Rows ordered so that C3 lies above H2: the link goes the other way.
  d.m_ordenarAreas = 1;
  d.AddArea("A", 0);
  d.m_areas[0].AddCorriente(2);
  d.m_corrientes[2].m_area = 0;
  d.m_colorearAreas = 0;
  RecordingDc r;
  Dibujar(d, r, kDibujoPantalla);
  EXPECT_EQ(d.m_corrientes[2].m_rect, Fila(0));
  const CCambiador& e1b = d.m_cambiadores[0];
  const auto* l2 = enlace(r, e1b);
  ASSERT_NE(l2, nullptr);
  EXPECT_EQ(l2->points[0].y, e1b.rectFrio.bottom);
  EXPECT_EQ(l2->points[1].y, e1b.rectCaliente.top);

  // The dragged exchanger: its copy first, see-through, with the same number.
  d.m_cambiadorResaltado = 1;
  d.m_cambiadorAux = d.m_cambiadores[1];
  RecordingDc arr;
  Dibujar(d, arr, kDibujoPantalla);
  const auto c2 = Items(arr, Op::Ellipse);
  ASSERT_EQ(c2.size(), 6u);
  EXPECT_EQ(c2[2]->brush, Brush::Hollow);
  EXPECT_EQ(c2[3]->brush, Brush::Hollow);
  EXPECT_EQ(c2[4]->brush, Brush::White);
  EXPECT_EQ(TextosEn(arr, "2").size(), 3u);  // H2's row label and both exchangers
}

// A heater (generic hot side) has only its cold circle, labelled "C%d".
TEST_F(DiagramaTest, CalentadorGenerico) {
  d.AddCambiador(kModoCompletarFria, -1, 0, 0, 0, 0, 0, kTipoCambiador, 1, 0, 0, 2, 0);
  ReconstruirListas(d);
  CalcularRed(d);  // C1 is still short of heat below the pinch: only checks fail
  Dibujar(d, dc, kDibujoPantalla);
  // Only the cold circle; its label carries "C".
  EXPECT_EQ(Items(dc, Op::Ellipse).size(), 5u);
  EXPECT_NE(dc.FindText("C3"), nullptr);
}

// ---------------------------------------------------------------- overlays

// Two exchangers between H2 and C3 closed into a loop: red trace along the
// rows, both exchangers drawn over in red with the loop's numbers, their own
// colours kept.
TEST_F(DiagramaTest, SuperposicionAnillo) {
  d.AddCambiador(kModoQ, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 1, 10);
  ReconstruirListas(d);
  d.m_cambiadores[0].q = 230;
  d.m_cambiadores[2].q = 10;
  d.m_cambiadores[2].calculado = 1;
  Dibujar(d, dc, kDibujoPantalla);
  d.m_cambiadores[2].color = kColorSeleccion;

  CLazoEnCurso& lazo = d.m_lazoEnCurso;
  lazo.LlenarTablaCorrientes(d.m_corrientes, d.m_servicios, 0);
  ASSERT_EQ(lazo.Anadir(d.m_cambiadores, 0), 1);
  ASSERT_EQ(lazo.Anadir(d.m_cambiadores, 2), 1);
  ASSERT_EQ(lazo.Anadir(d.m_cambiadores, 0), 1);
  ASSERT_EQ(lazo.Clasificar(d.m_cambiadores), kLazoAnillo);

  LogFont propia;
  propia.height = 77;
  RecordingDc r;
  r.SelectFont(propia);
  DibujarAuxiliar1(d, r);
  const Rgb rojo = MakeRgb(200, 0, 0);
  int trazos = 0;
  for (const auto* l : Items(r, Op::Line))
    if (l->points[0].y == l->points[1].y && l->pen.color == rojo) ++trazos;
  EXPECT_EQ(trazos, 2);
  const auto circulos = Items(r, Op::Ellipse);
  ASSERT_EQ(circulos.size(), 6u);
  for (const auto* c : circulos) EXPECT_EQ(c->pen.color, rojo);
  EXPECT_EQ(TextosEn(r, "3").size(), 1u);
  EXPECT_EQ(TextosEn(r, "1").size(), 2u);
  EXPECT_EQ(d.m_cambiadores[2].color, kColorSeleccion);
  EXPECT_EQ(d.m_cambiadores[0].color, 0u);
  EXPECT_EQ(r.CurrentFont(), propia);
  EXPECT_EQ(r.CurrentPen(), Pen{});
}

// Disturbance route from H2 to C3 through E1: green lines from H2's upstream
// end to E1's hot circle and from its cold circle to C3's downstream end.
TEST_F(DiagramaTest, SuperposicionPerturbacion) {
  Dibujar(d, dc, kDibujoPantalla);
  d.m_perturbacionOrigen = 1;
  d.m_perturbacionDestino = 2;

  RecordingDc nada;
  DibujarAuxiliar2(d, nada);
  EXPECT_TRUE(nada.Items().empty());

  const Rgb verde = MakeRgb(80, 200, 0);
  const CCambiador& e1 = d.m_cambiadores[0];
  const std::int32_t y1 = Fila(1).top - 1375;
  const std::int32_t y2 = Fila(2).top - 1375;
  // The search lists the route from the second stream back to the first.
  d.m_arbol.perturbacion = {{0}};
  RecordingDc r;
  DibujarAuxiliar2(d, r);
  std::vector<std::vector<Point>> lineas;
  for (const auto* l : Items(r, Op::Line))
    if (l->pen.color == verde) lineas.push_back(l->points);
  const std::int32_t cx = e1.rectCaliente.left + 325;
  ASSERT_GE(lineas.size(), 2u);
  EXPECT_EQ(lineas[0], (std::vector<Point>{{3500, y1}, {cx, e1.rectCaliente.top - 325}}));
  EXPECT_EQ(lineas[1],
            (std::vector<Point>{{e1.rectFrio.left + 325, e1.rectFrio.top - 325}, {3500, y2}}));
  const auto circulos = Items(r, Op::Ellipse);
  ASSERT_EQ(circulos.size(), 2u);
  for (const auto* c : circulos) EXPECT_EQ(c->pen.color, verde);
  EXPECT_EQ(d.m_cambiadores[0].color, 0u);

  // A longer route, listed from the second stream back to the first: H4 –E2–
  // C1 –E3– H2 –E1– C3. Each stream is joined to the end exchanger on it.
  d.AddCambiador(kModoQ, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 10);
  ReconstruirListas(d);
  RecordingDc otra;
  Dibujar(d, otra, kDibujoPantalla);
  d.m_perturbacionOrigen = 3;
  d.m_arbol.perturbacion = {{0, 2, 1}};
  RecordingDc largo;
  DibujarAuxiliar2(d, largo);
  std::vector<std::vector<Point>> verdes;
  for (const auto* l : Items(largo, Op::Line))
    if (l->pen.color == verde && l->points[0].x == 3500) verdes.push_back(l->points);
  const CCambiador& e2 = d.m_cambiadores[1];
  ASSERT_EQ(verdes.size(), 1u);
  EXPECT_EQ(verdes[0],
            (std::vector<Point>{{3500, Fila(3).top - 1375},
                                {e2.rectCaliente.left + 325, e2.rectCaliente.top - 325}}));
  EXPECT_EQ(Items(largo, Op::Ellipse).size(), 6u);
  d.m_perturbacionOrigen = 1;

  // No exchanger on the route: the rows are joined directly.
  d.m_arbol.perturbacion = {{}};
  RecordingDc directo;
  DibujarAuxiliar2(d, directo);
  const auto l = Items(directo, Op::Line);
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(l[0]->points, (std::vector<Point>{{3500, y1}, {3500, y2}}));
}

}  // namespace
}  // namespace vardo
