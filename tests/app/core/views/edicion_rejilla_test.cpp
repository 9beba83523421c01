// Editing the grid diagram without the window: what a press hits, adding an
// exchanger by clicks, picking loops and disturbance streams, drags and their
// undo steps, the keys, the double click, the loop commands and the DT min
// field, on documents laid out as the view lays them out.
#include "app/core/views/edicion_rejilla.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/core/document/comandos_documento.h"
#include "app/core/document/documento.h"
#include "app/core/document/ids_comandos.h"
#include "app/core/views/diagrama_rejilla.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/dc.h"
#include "tests/comun/anillos_referencia.h"
#include "tests/comun/problemas.h"
#include "tests/comun/puertos_prueba.h"

namespace vardo {
namespace {

// The view's selected kind is the editor's.
class VistaDelEditor : public VistasGrabadas {
 public:
  int TipoSeleccion() const override { return editor ? editor->Tipo() : kSelNada; }
  void SetTipoSeleccion(int t) override {
    if (editor) editor->SetTipo(t);
  }
  CEditorRejilla* editor = nullptr;
};

// Records what the browser was asked to follow.
class VisorGrabado : public PuertoVisorObjetos {
 public:
  std::int32_t GetAreaSeleccionada() const override { return -1; }
  void SeleccionarObjeto(const CDiagrama&, int tipo, bool anillo) override {
    tipos.push_back(tipo);
    anillos.push_back(anillo);
  }
  std::vector<int> tipos;
  std::vector<bool> anillos;
};

constexpr const char* kReposo = "Preparado - reposo";

// The four-stream problem with a hot utility at 500 K (20 kW) and a cold
// one at 280 K (60 kW), which cover it.
CDiagrama ConServicios(bool mostrados) {
  CDiagrama d = prueba::CuatroCorrientesSinCalcular();
  d.m_servicios.push_back(prueba::ServicioLatente(500, 20, 0));
  d.m_servicios.push_back(prueba::ServicioLatente(280, 60, 1));
  d.m_serviciosVisibles = mostrados ? 1 : 0;
  return d;
}

// Two hot and two cold streams with an exchanger between every pair
// (E1 H0-C0, E2 H0-C1, E3 H1-C0, E4 H1-C1), each end placed by hand on the
// lines (all of them below the pinch, on the right half of the grid).
CDiagrama CuatroEnAnillo() {
  prueba::RedManual r;
  prueba::UnirTodas(r, 2, 2);
  for (std::size_t i = 0; i < r.d.m_cambiadores.size(); ++i) {
    CCambiador& c = r.d.m_cambiadores[i];
    const std::int32_t x = 11000 + 1500 * static_cast<std::int32_t>(i);
    c.rectCaliente = Rect{x, -2000 - 2750 * c.ladoCaliente.ref, x + 650, -2650 - 2750 * c.ladoCaliente.ref};
    c.rectFrio = Rect{x, -2000 - 2750 * c.ladoFrio.ref, x + 650, -2650 - 2750 * c.ladoFrio.ref};
  }
  return r.d;
}

Point Centro(const Rect& r) {
  return Point{static_cast<std::int32_t>(r.left + r.Width() / 2),
               static_cast<std::int32_t>(r.bottom + r.Height() / 2)};
}

class Editor : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDefaultUiPort(&ui);
    PuertosDocumento p;
    p.ui = &ui;
    p.dialogos = &dlg;
    p.estado = &estado;
    p.campoDTMin = &estado;
    p.vistas = &vista;
    p.visor = &visor;
    doc.SetPuertos(p);
    vista.editor = &ed;
  }
  void TearDown() override { SetDefaultUiPort(nullptr); }

  // The model as the view shows it: calculated and laid out.
  void Cargar(const CDiagrama& d, bool calcular = true) {
    CopiarModeloCompleto(doc.m_Diagrama, d);
    if (calcular) CalcularRed(doc.m_Diagrama);
    Maquetar();
  }
  void Maquetar() {
    RecordingDc dc;
    Dibujar(doc.m_Diagrama, dc, kDibujoPantalla);
  }
  CDiagrama& M() { return doc.m_Diagrama; }
  // Inside a row, left of every exchanger.
  Point EnFila(std::int32_t ref) {
    const Rect& r = M().GetCorriente(ref).m_rect;
    return Point{r.left + 500, static_cast<std::int32_t>(r.bottom + r.Height() / 2)};
  }
  Point EnCambiador(std::int32_t i) { return Centro(M().m_cambiadores[static_cast<std::size_t>(i)].rectCaliente); }
  // A press as the view makes it, then the picture laid out again.
  Pendiente Clic(Point p, bool ctrl = false, bool mayus = false) {
    const Pendiente r = ed.PulsarIzquierdo(p, ctrl, mayus, true);
    Maquetar();
    return r;
  }

  RecordingUiPort ui;
  FabricaDialogosGuion dlg;
  EstadoGrabado estado;
  VistaDelEditor vista;
  VisorGrabado visor;
  CVardoDoc doc;
  std::string reposo = kReposo;
  CEditorRejilla ed{doc, reposo};
};

// A point that lies on no row: the line between stream 0's and stream 1's rows.
constexpr Point kEntreFilas{4000, -1500 - 2750};

// ------------------------------------------------------------ hit test

TEST(EdicionRejilla, CodigosDeNodosYPixeles) {
  const struct {
    NodoBifurcada nodo;
    std::int32_t codigo;
  } nodos[] = {{{0, 0, true}, 1001}, {{0, 0, false}, 1002}, {{0, 2, true}, 1005}, {{2, 3, false}, 3008}};
  for (const auto& c : nodos) {
    EXPECT_EQ(CodigoNodo(c.nodo), c.codigo);
    EXPECT_EQ(DecodificarNodo(c.codigo), c.nodo) << c.codigo;
  }
  // 96 dots per inch: 100 pixels are 2645.8 (0.01 mm), y downwards on the
  // screen and upwards in the drawing.
  EXPECT_EQ(PixelALogico(100, 50, 0, 0, 96, 96), (Point{2645, -1322}));
  // Scrolled by (20, 10) pixels: the same pixel lies further on.
  EXPECT_EQ(PixelALogico(80, 40, 20, 10, 96, 96), (Point{2645, -1322}));
  EXPECT_EQ(PixelALogico(120, 60, 0, 0, 120, 120), (Point{2540, -1270}));
}

TEST_F(Editor, UnaPulsacionEligeLoQueHayDebajo) {
  struct Caso {
    const char* nombre;
    CDiagrama modelo;
    std::function<Point()> punto;
    int tipo;
    std::int32_t indice;  // stream reference, exchanger or node code
  };
  const Caso casos[] = {
      {"entre dos filas", prueba::DisenoCuatroCorrientes(), [] { return kEntreFilas; }, kSelNada, -1},
      {"fila", prueba::DisenoCuatroCorrientes(), [&] { return EnFila(2); }, kSelCorriente, 2},
      {"cambiador sobre su fila", prueba::DisenoCuatroCorrientes(), [&] { return EnCambiador(0); },
       kSelCambiador, 0},
      {"borde del cambiador", prueba::DisenoCuatroCorrientes(),
       [&] {
         const Rect& r = M().m_cambiadores[0].rectCaliente;
         return Point{r.right + 190, static_cast<std::int32_t>(r.bottom + r.Height() / 2)};
       },
       kSelCambiador, 0},
      {"fuera del borde", prueba::DisenoCuatroCorrientes(),
       [&] {
         const Rect& r = M().m_cambiadores[0].rectCaliente;
         return Point{r.right + 210, static_cast<std::int32_t>(r.bottom + r.Height() / 2)};
       },
       kSelCorriente, 1},
      {"servicio mostrado", ConServicios(true), [&] { return EnFila(kRefServicio); }, kSelCorriente,
       kRefServicio},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Cargar(c.modelo);
    // Something else was selected before.
    Clic(EnFila(3));
    ASSERT_EQ(ed.Tipo(), kSelCorriente);
    Clic(c.punto());
    EXPECT_EQ(ed.Tipo(), c.tipo);
    EXPECT_EQ(doc.TipoSeleccion(), c.tipo);
    EXPECT_EQ(M().GetCorriente(3).m_color == kColorSeleccion, false);
    if (c.tipo == kSelCorriente) {
      EXPECT_EQ(M().m_corrienteSel, c.indice);
      EXPECT_EQ(M().GetCorriente(c.indice).m_color, kColorSeleccion);
      EXPECT_EQ(doc.CorrienteSeleccionada() >= 0 || doc.ServicioSeleccionado() >= 0, true);
    } else if (c.tipo == kSelCambiador) {
      EXPECT_EQ(doc.CambiadorSeleccionado(), c.indice);
    } else {
      EXPECT_EQ(doc.CorrienteSeleccionada(), -1);
      EXPECT_EQ(doc.CambiadorSeleccionado(), -1);
    }
  }
}

TEST_F(Editor, LosServiciosOcultosNoSeEligen) {
  Cargar(ConServicios(true));
  // The cold utility's row is the lowest one.
  const Point frio = EnFila(kRefServicio + 1);
  Clic(frio);
  ASSERT_EQ(ed.Tipo(), kSelCorriente);
  ASSERT_EQ(M().m_corrienteSel, kRefServicio + 1);
  // Hidden, the utilities' rows are no longer laid out but their records
  // keep their old places; on a shorter grid no process row covers that one.
  M().m_serviciosVisibles = 0;
  M().m_rectGrafico.bottom = -9000;
  Maquetar();
  ASSERT_LT(M().GetCorriente(kRefServicio + 1).m_rect.top, -9000);
  Clic(frio);
  EXPECT_EQ(ed.Tipo(), kSelNada);
  EXPECT_EQ(doc.ServicioSeleccionado(), -1);
}

// The split network as a new split leaves it: its node placed at the next drawing.
CDiagrama DivididaNueva() {
  CDiagrama d = prueba::RedDividida();
  d.m_bifurcadas[0].inicioRecolocar = 0;
  return d;
}

TEST_F(Editor, UnNodoGanaALaFilaYAlCambiadorQueCubre) {
  Cargar(DivididaNueva());
  const CCorrienteBifurcada& b = M().m_bifurcadas[0];
  ASSERT_TRUE(b.dibujada);
  for (bool superior : {true, false}) {
    SCOPED_TRACE(superior ? "superior" : "inferior");
    const Rect caja = AreaNodo(b.nodos[0], superior);
    ASSERT_GT(caja.Width(), 0);
    // Just inside the box, on the main row: a stream lies there too.
    const Point p{caja.left + 50, caja.bottom + 100};
    bool enFila = false;
    for (const CCorriente& s : M().m_corrientes) {
      const Rect& r = s.m_rect;
      enFila = enFila || (r.left < p.x && p.x < r.right && r.bottom < p.y && p.y < r.top);
    }
    ASSERT_TRUE(enFila);
    // And an exchanger end moved under the same point.
    CCambiador& e = M().m_cambiadores[0];
    e.rectCaliente = Rect{p.x - 300, p.y + 300, p.x + 300, p.y - 300};
    const Impacto h = ProbarImpacto(M(), p);
    EXPECT_EQ(h.tipo, Impacto::kNodo);
    ed.PulsarIzquierdo(p, false, false, true);
    EXPECT_EQ(ed.Tipo(), kSelNodo);
    EXPECT_EQ(ed.CodigoNodoSeleccionado(), superior ? 1001 : 1002);
    EXPECT_EQ(M().m_bifurcadas[0].seleccion, superior ? -1 : -2);
    EXPECT_EQ(doc.CambiadorSeleccionado(), -1);
    Maquetar();
  }
}

// ------------------------------------------------------------ adding by clicks

TEST_F(Editor, CtrlYClicAnadeUnCambiador) {
  constexpr std::int32_t kNada = -99;
  constexpr std::int32_t S1 = kRefServicio, S2 = kRefServicio + 1;
  struct Caso {
    const char* nombre;
    bool servicios;
    std::vector<std::int32_t> clics;  // references, kNada beside every row
    bool anade;
    std::int32_t caliente, fria;      // sides of the new exchanger
    const char* mensaje;              // or the refusal shown
  };
  const Caso casos[] = {
      {"caliente y fria", false, {1, 2}, true, 1, 2, nullptr},
      {"fria y caliente", false, {0, 3}, true, 3, 0, nullptr},
      {"dos frias", false, {0, 2}, false, 0, 0, kMsgMismoTipo},
      {"dos calientes", false, {1, 3}, false, 0, 0, kMsgMismoTipo},
      {"la misma caliente", false, {1, 1}, true, 1, kRefGenerico, nullptr},
      {"la misma fria", false, {2, 2}, true, kRefGenerico, 2, nullptr},
      {"la misma con servicios", true, {1, 1}, false, 0, 0, kMsgServiciosPorDefecto},
      {"un servicio dos veces", true, {S1, S1}, false, 0, 0, kMsgServiciosPorDefecto},
      {"servicio y corriente", true, {S1, 2}, true, S1, 2, nullptr},
      {"corriente y servicio", true, {1, S2}, true, 1, S2, nullptr},
      {"nada primero", false, {kNada, 1}, false, 0, 0, nullptr},
      {"nada despues", false, {1, kNada}, false, 0, 0, nullptr},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Cargar(ConServicios(c.servicios));
    ed.Escape();
    ui.Clear();
    estado.textos.clear();
    Pendiente ultimo;
    for (std::int32_t ref : c.clics) ultimo = Clic(ref == kNada ? kEntreFilas : EnFila(ref), true);
    if (c.anade) {
      ASSERT_EQ(M().GetNumCambiadores(), 1);
      const CCambiador& e = M().m_cambiadores[0];
      EXPECT_EQ(e.ladoCaliente.ref, c.caliente);
      EXPECT_EQ(e.ladoFrio.ref, c.fria);
      // Set-value mode, the outlets of the sides it has, a duty to give.
      EXPECT_EQ(e.modo, 0);
      EXPECT_EQ(e.tipoSalidaCaliente, c.caliente != kRefGenerico ? 1 : 0);
      EXPECT_EQ(e.tipoSalidaFria, c.fria != kRefGenerico ? 1 : 0);
      EXPECT_EQ(e.tipoEntradaCaliente, 0);
      EXPECT_EQ(e.tipoQ, 1);
      EXPECT_EQ(ed.Tipo(), kSelCambiador);
      EXPECT_EQ(doc.CambiadorSeleccionado(), 0);
      EXPECT_EQ(ultimo.tipo, Pendiente::kEditarCambiador);
      EXPECT_EQ(ultimo.cambiador, 0);
      EXPECT_EQ(ultimo.modo, 0);
      EXPECT_EQ(ed.PrimeraCorriente(), -2);
      EXPECT_EQ(estado.UltimoMensaje(), kReposo);
    } else {
      EXPECT_EQ(M().GetNumCambiadores(), 0);
      if (c.mensaje) {
        EXPECT_EQ(ultimo.tipo, Pendiente::kMensaje);
        EXPECT_EQ(ultimo.texto, c.mensaje);
        EXPECT_EQ(ed.PrimeraCorriente(), -2);
      } else {
        // A press beside the rows neither starts nor ends an exchanger.
        EXPECT_EQ(ultimo.tipo, Pendiente::kNada);
        EXPECT_EQ(ed.PrimeraCorriente(), 1);
        EXPECT_EQ(estado.UltimoMensaje(),
                  "Añadiendo cambiador: corriente caliente: 2 - pulse ESC para cancelar");
      }
    }
  }
}

TEST_F(Editor, ElCambiadorAnadidoVaAlDialogoYCancelarLoQuita) {
  Cargar(prueba::CuatroCorrientesSinCalcular());
  Clic(EnFila(1), true);
  EXPECT_EQ(estado.UltimoMensaje(), "Añadiendo cambiador: corriente caliente: 2 - pulse ESC para cancelar");
  Clic(EnFila(0), true);
  ASSERT_EQ(M().GetNumCambiadores(), 1);
  // The view runs the dialog afterwards; cancelled, the exchanger goes.
  dlg.Cancelar<DlgCambiadores>();
  doc.EditarCambiadores(0, 0);
  const DlgCambiadores& d = dlg.Ultima<DlgCambiadores>();
  EXPECT_EQ(d.modo, 0);
  EXPECT_EQ(d.cambiador, 0);
  ASSERT_EQ(d.modelo.GetNumCambiadores(), 1);
  EXPECT_EQ(d.modelo.m_cambiadores[0].ladoCaliente.ref, 1);
  EXPECT_EQ(d.modelo.m_cambiadores[0].ladoFrio.ref, 0);
  EXPECT_EQ(M().GetNumCambiadores(), 0);
  EXPECT_EQ(doc.NumDeshacer(), 0);
}

TEST_F(Editor, CtrlYDobleClicAnadeUnCalentador) {
  Cargar(prueba::CuatroCorrientesSinCalcular());
  // The first press of the double click chooses the stream, the double
  // click puts a heater on it.
  Clic(EnFila(0), true);
  const Pendiente r = ed.DobleClic(EnFila(0), true);
  ASSERT_EQ(M().GetNumCambiadores(), 1);
  EXPECT_EQ(M().m_cambiadores[0].ladoCaliente.ref, kRefGenerico);
  EXPECT_EQ(M().m_cambiadores[0].ladoFrio.ref, 0);
  EXPECT_EQ(r.tipo, Pendiente::kEditarCambiador);
}

TEST_F(Editor, EscapeCancelaElCambiadorEmpezado) {
  Cargar(prueba::CuatroCorrientesSinCalcular());
  Clic(EnFila(1), true);
  ASSERT_EQ(ed.PrimeraCorriente(), 1);
  ed.Escape();
  EXPECT_EQ(ed.PrimeraCorriente(), -2);
  EXPECT_EQ(estado.UltimoMensaje(), kReposo);
  // The next Ctrl press starts a new one.
  EXPECT_EQ(Clic(EnFila(2), true).tipo, Pendiente::kNada);
  EXPECT_EQ(M().GetNumCambiadores(), 0);
  EXPECT_EQ(ed.PrimeraCorriente(), 2);
}

// ------------------------------------------------------------ loops and routes

TEST(EdicionRejilla, TextosDeAnillos) {
  const struct {
    int clase;
    std::vector<std::uint32_t> numeros;
    const char* texto;
  } casos[] = {
      {kLazoAnillo, {3, 5, 8}, "Anillo terminado - Cambiadores: 3 - 5 - 8 - Pulse ESC para cancelar"},
      {kLazoSenda, {2, 4}, "Senda terminada - Cambiadores: 2 - 4 - Pulse ESC para cancelar"},
      {kLazoIncompleto, {7}, "Añadiendo anillo o senda - Cambiadores: 7 - Pulse ESC para cancelar"},
      {kLazoIncompleto, {}, "Añadiendo anillo o senda - Cambiadores: Pulse ESC para cancelar"},
  };
  for (const auto& c : casos) EXPECT_EQ(TextoLazoEnCurso(c.clase, c.numeros), c.texto);
  EXPECT_EQ(TextoLazoMostrado(true, {1, 2}),
            "Senda terminada - Cambiadores: 1 - 2 - Pulse ESC para cancelar o Mayús + DblClick para "
            "editar");
  EXPECT_EQ(TextoBuscandoPerturbacion(kRefServicio + 1),
            "Buscando camino de transmisión de perturbaciones desde la corriente S2. Pulse ESC para "
            "cancelar");
}

TEST_F(Editor, MayusYClicConstruyenUnAnillo) {
  Cargar(CuatroEnAnillo(), false);
  const struct {
    std::int32_t cambiador;
    const char* estado;
  } pasos[] = {
      {0, "Añadiendo anillo o senda - Cambiadores: 1 - Pulse ESC para cancelar"},
      {1, "Añadiendo anillo o senda - Cambiadores: 1 - 2 - Pulse ESC para cancelar"},
      // Picking the last one again takes it back.
      {1, "Añadiendo anillo o senda - Cambiadores: 1 - Pulse ESC para cancelar"},
      {1, "Añadiendo anillo o senda - Cambiadores: 1 - 2 - Pulse ESC para cancelar"},
      // E1 shares no stream on the cold side with E2: refused.
      {0, "Añadiendo anillo o senda - Cambiadores: 1 - 2 - Pulse ESC para cancelar"},
      {3, "Añadiendo anillo o senda - Cambiadores: 1 - 2 - 4 - Pulse ESC para cancelar"},
      {2, "Añadiendo anillo o senda - Cambiadores: 1 - 2 - 4 - 3 - Pulse ESC para cancelar"},
      {0, "Anillo terminado - Cambiadores: 1 - 2 - 4 - 3 - 1 - Pulse ESC para cancelar"},
  };
  for (const auto& p : pasos) {
    Clic(EnCambiador(p.cambiador), false, true);
    EXPECT_EQ(estado.UltimoMensaje(), p.estado);
    EXPECT_TRUE(ed.Superposicion());
  }
  EXPECT_EQ(visor.tipos.back(), kSelCambiador);
  // A press without Shift drops the loop and its overlay.
  Clic(kEntreFilas);
  EXPECT_FALSE(ed.Superposicion());
  EXPECT_EQ(M().m_lazoEnCurso.cuenta, 0);
  EXPECT_EQ(estado.UltimoMensaje(), kReposo);
}

TEST_F(Editor, MayusYClicEnDosCorrientesBuscaElCamino) {
  Cargar(prueba::DisenoCuatroCorrientes());
  EXPECT_EQ(Clic(EnFila(1), false, true).tipo, Pendiente::kNada);
  EXPECT_EQ(estado.UltimoMensaje(),
            "Buscando camino de transmisión de perturbaciones desde la corriente 2. Pulse ESC para "
            "cancelar");
  const Pendiente r = Clic(EnFila(0), false, true);
  EXPECT_EQ(r.tipo, Pendiente::kPerturbacion);
  EXPECT_EQ(r.corriente, 1);
  EXPECT_EQ(r.destino, 0);
  EXPECT_EQ(ed.PrimeraPerturbacion(), -2);
  EXPECT_EQ(estado.UltimoMensaje(), kReposo);
  // Escape forgets a first stream.
  Clic(EnFila(3), false, true);
  ed.Escape();
  EXPECT_EQ(ed.PrimeraPerturbacion(), -2);
  EXPECT_EQ(Clic(EnFila(0), false, true).tipo, Pendiente::kNada);
}

TEST_F(Editor, BuscarSiguienteYAnadirAnillo) {
  Cargar(CuatroEnAnillo(), false);
  ed.Buscar();
  EXPECT_TRUE(ed.Superposicion());
  ASSERT_FALSE(M().m_lazos.empty());
  const std::string primero = estado.UltimoMensaje();
  EXPECT_EQ(primero, TextoLazoMostrado(false, M().m_lazoEnCurso.nodos));
  EXPECT_NE(primero.find("Anillo terminado - Cambiadores: 1 - "), std::string::npos) << primero;
  EXPECT_TRUE(visor.anillos.back());
  ed.Siguiente();
  ed.Anterior();
  EXPECT_EQ(estado.UltimoMensaje(), primero);

  // A double click on the overlay edits the loop; the dialog sees the chain.
  EXPECT_EQ(ed.DobleClic(kEntreFilas, false).tipo, Pendiente::kAnadirAnillo);
  const std::int32_t cuenta = M().m_lazoEnCurso.cuenta;
  dlg.Aceptar<DlgAnadirAnillos>([](DlgAnadirAnillos& d) { d.modelo.m_cambiadores[0].valorQ = 7.0; });
  ed.AnadirAnillo();
  EXPECT_EQ(dlg.Ultima<DlgAnadirAnillos>().modelo.m_lazoEnCurso.cuenta, cuenta);
  EXPECT_EQ(M().m_cambiadores[0].valorQ, 7.0);
  EXPECT_EQ(doc.NumDeshacer(), 1);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_FALSE(ed.Superposicion());
  EXPECT_EQ(M().m_lazoEnCurso.cuenta, 0);
}

// ------------------------------------------------------------ drags

TEST_F(Editor, ArrastrarUnCambiadorEsUnPasoDeshacer) {
  Cargar(prueba::DisenoCuatroCorrientes());
  const Rect antes = M().m_cambiadores[0].rectCaliente;
  const Point p = EnCambiador(0);
  // A click without a move is no step.
  Clic(p);
  EXPECT_FALSE(ed.Soltar());
  EXPECT_EQ(doc.NumDeshacer(), 0);

  Clic(p);
  EXPECT_FALSE(ed.Mover(p, true));  // the first move only starts the drag
  for (int dx : {500, 1500, 3000}) {
    EXPECT_TRUE(ed.Mover(Point{p.x + dx, p.y}, true));
    Maquetar();
  }
  EXPECT_TRUE(ed.Soltar());
  EXPECT_EQ(doc.NumDeshacer(), 1);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(ed.Tipo(), kSelNada);
  const Rect despues = M().m_cambiadores[0].rectCaliente;
  EXPECT_EQ(Centro(despues).x, p.x + 3000 + 325);
  EXPECT_EQ(M().m_cambiadores[0].rectFrio.left, despues.left);

  ASSERT_TRUE(doc.Deshacer());
  Maquetar();
  EXPECT_EQ(M().m_cambiadores[0].rectCaliente, antes);
}

TEST_F(Editor, MoverYAlinearUnExtremoPorElMenu) {
  Cargar(prueba::DisenoCuatroCorrientes());
  Clic(EnCambiador(0));
  ASSERT_TRUE(ed.PuedeMover(true));
  ASSERT_TRUE(ed.PuedeAlinear());
  const Rect frio = M().m_cambiadores[0].rectFrio;
  ed.MoverExtremo(true);
  // The hot end follows the pointer with no button held...
  EXPECT_TRUE(ed.Mover(Point{8000, -3000}, false));
  EXPECT_EQ(M().m_cambiadores[0].rectCaliente.left, 8000);
  EXPECT_EQ(M().m_cambiadores[0].rectFrio, frio);
  EXPECT_EQ(doc.NumDeshacer(), 0);
  // ...until the next press, which makes it one step.
  Clic(EnFila(3));
  EXPECT_EQ(doc.NumDeshacer(), 1);
  EXPECT_FALSE(ed.Mover(Point{14000, -3000}, false));
  EXPECT_EQ(M().m_cambiadores[0].rectCaliente.left, 8000);

  // Aligning the cold end under the hot one: stored, no undo step.
  doc.SetModifiedFlag(false);
  Clic(EnCambiador(0));
  ed.Alinear(false);
  EXPECT_EQ(M().m_cambiadores[0].rectFrio.left, M().m_cambiadores[0].rectCaliente.left);
  EXPECT_EQ(M().m_cambiadores[0].rectFrio.right, M().m_cambiadores[0].rectCaliente.right);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.NumDeshacer(), 1);

  // The heater's hot side is the default utility: neither moves nor aligns.
  Clic(Centro(M().m_cambiadores[2].rectFrio));
  ASSERT_EQ(doc.CambiadorSeleccionado(), 2);
  EXPECT_FALSE(ed.PuedeMover(true));
  EXPECT_TRUE(ed.PuedeMover(false));
  EXPECT_FALSE(ed.PuedeAlinear());

  // E1 lies above the pinch: moved past the pinch line (the middle of its
  // row) it is drawn back on its own side of it.
  const Rect fila = M().GetCorriente(1).m_rect;
  const std::int64_t lineaPinch = fila.left + fila.Width() / 2;
  Clic(EnCambiador(0));
  ed.MoverExtremo(true);
  EXPECT_TRUE(ed.Mover(Point{12000, -3000}, false));
  Clic(EnFila(3));
  EXPECT_LE(M().m_cambiadores[0].rectCaliente.right, lineaPinch);
}

TEST_F(Editor, ArrastrarUnNodoLoGuardaSinPasoDeshacer) {
  Cargar(DivididaNueva());
  const Rect caja = AreaNodo(M().m_bifurcadas[0].nodos[0], true);
  const std::int32_t derecha = M().m_corrientes[2].m_rect.right;  // offset branch
  const Point p = Centro(caja);
  Clic(p);
  ASSERT_EQ(ed.Tipo(), kSelNodo);
  EXPECT_FALSE(ed.Mover(p, true));
  EXPECT_TRUE(ed.Mover(Point{p.x + 300, p.y}, true));
  Maquetar();
  EXPECT_TRUE(ed.Soltar());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.NumDeshacer(), 0);
  EXPECT_EQ(M().m_corrientes[2].m_rect.right, derecha + 300);
  EXPECT_EQ(AreaNodo(M().m_bifurcadas[0].nodos[0], true).left, caja.left + 300);
  // The next exchanger drag's step holds the node where it was left.
  Clic(EnCambiador(0));
  ed.Mover(EnCambiador(0), true);
  ed.Mover(Point{EnCambiador(0).x + 100, EnCambiador(0).y}, true);
  ed.Soltar();
  ASSERT_TRUE(doc.Deshacer());
  EXPECT_EQ(M().m_corrientes[2].m_rect.right, derecha + 300);
}

// ------------------------------------------------------------ keys, double click

TEST_F(Editor, SuprimirYDobleClicSegunLoElegido) {
  struct Caso {
    const char* nombre;
    CDiagrama modelo;
    std::function<Point()> punto;
    int suprimir;  // command of Delete, 0 none
    Pendiente::Tipo doble;
    int comandoDoble;
  };
  const Caso casos[] = {
      {"corriente", prueba::DisenoCuatroCorrientes(), [&] { return EnFila(1); },
       cmd::kBorrarCorrienteSel, Pendiente::kComando, cmd::kModificarCorriente},
      {"servicio", ConServicios(true), [&] { return EnFila(kRefServicio); },
       cmd::kBorrarServicioSel, Pendiente::kComando, cmd::kAnadirServicios},
      {"cambiador", prueba::DisenoCuatroCorrientes(), [&] { return EnCambiador(0); },
       cmd::kBorrarCambiadorSel, Pendiente::kEditarCambiador, 0},
      {"nada", prueba::DisenoCuatroCorrientes(), [] { return kEntreFilas; }, 0, Pendiente::kNada, 0},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Cargar(c.modelo);
    Clic(c.punto());
    const Pendiente s = ed.Suprimir();
    EXPECT_EQ(s.tipo, c.suprimir ? Pendiente::kComando : Pendiente::kNada);
    EXPECT_EQ(s.comando, c.suprimir);
    const Pendiente r = ed.DobleClic(c.punto(), false);
    EXPECT_EQ(r.tipo, c.doble);
    if (r.tipo == Pendiente::kComando) EXPECT_EQ(r.comando, c.comandoDoble);
    if (r.tipo == Pendiente::kEditarCambiador) {
      EXPECT_EQ(r.cambiador, 0);
      EXPECT_EQ(r.modo, 1);
    }
  }
}

TEST_F(Editor, SuprimirBorraUnaVezYLaSegundaNoHaceNada) {
  Cargar(prueba::DisenoCuatroCorrientes());
  Clic(EnCambiador(0));
  const Pendiente p = ed.Suprimir();
  ui.Script({Answer::Yes});
  ASSERT_TRUE(EjecutarComandoDocumento(doc, p.comando));
  EXPECT_EQ(M().GetNumCambiadores(), 5);
  std::vector<std::string> preguntas;
  for (const auto& e : ui.Log())
    if (e.type == RecordingUiPort::Entry::Type::YesNo) preguntas.push_back(e.text);
  EXPECT_EQ(preguntas, std::vector<std::string>{"¿Confirma que desea eliminar el cambiador?"});
  EXPECT_EQ(ed.Tipo(), kSelNada);
  EXPECT_EQ(ed.Suprimir().tipo, Pendiente::kNada);
}

// ------------------------------------------------------------ DT min field

TEST_F(Editor, DTMinDelCampo) {
  using R = CEditorRejilla::ResultadoDTMin;
  const std::string nueves(400, '9');
  const struct {
    std::string texto;
    double dtMin;       // taken, or 10 as it was
    const char* rechazo;  // the message of a refused text
  } casos[] = {{"12.5", 12.5, nullptr},
               {"12,5", 12.5, nullptr},
               {"7.", 7.0, nullptr},
               {"0", 0.0, nullptr},
               {"", 10.0, "Introduzca un número."},
               {"abc", 10.0, "Introduzca un número."},
               {"1,5,0", 10.0, "Introduzca un número."},
               {nueves, 10.0, "Introduzca un número."},
               {"1e999", 10.0, "Introduzca un número."},
               {"-5", 10.0, "Introduzca una diferencia mínima de temperatura entre 0 y 10000 K."},
               // Beyond 10000 K the shifted temperatures lose their digits.
               {"10000", 10000.0, nullptr},
               {"10000.5", 10.0, "Introduzca una diferencia mínima de temperatura entre 0 y 10000 K."},
               {"1e300", 10.0, "Introduzca una diferencia mínima de temperatura entre 0 y 10000 K."}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto.substr(0, 10));
    Cargar(prueba::CuatroCorrientesSinCalcular());
    const int pasos = doc.NumDeshacer();
    doc.SetModifiedFlag(false);
    ui.Clear();
    const R r = ed.AplicarDTMin(c.texto);
    EXPECT_EQ(r, c.rechazo ? R::Rechazado : R::Aplicado);
    EXPECT_EQ(M().m_dtMin, c.dtMin);
    EXPECT_EQ(doc.NumDeshacer(), pasos + (c.rechazo ? 0 : 1));
    EXPECT_EQ(doc.IsModified(), !c.rechazo);
    EXPECT_EQ(ui.Messages(), c.rechazo ? std::vector<std::string>{c.rechazo}
                                       : std::vector<std::string>{});
    CDiagrama ref = prueba::CuatroCorrientesSinCalcular();
    ref.SetDTMin(c.dtMin);
    ref.CalcularObjetivos();
    if (!c.rechazo) {
      EXPECT_EQ(M().m_tPinch, ref.m_tPinch);
      EXPECT_EQ(M().m_cascada, ref.m_cascada);
    }
  }
  // Without streams nothing happens.
  Cargar(CDiagrama{}, false);
  EXPECT_EQ(ed.AplicarDTMin("12.5"), R::SinCorrientes);
  EXPECT_EQ(M().m_dtMin, 10.0);
}

}  // namespace
}  // namespace vardo
