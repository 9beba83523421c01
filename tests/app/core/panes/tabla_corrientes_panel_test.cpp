// The docked streams table without its window: the rows it shows, the change
// a cell edit, a paste, a new row or a deleted row makes, and that change
// reaching the document's current model even when the table's copy is stale.
#include "app/core/panes/tabla_corrientes_panel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/core/document/documento.h"
#include "model/cambiador.h"
#include "model/constantes.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/comun/problemas.h"
#include "tests/comun/puertos_prueba.h"

namespace vardo {
namespace {

// The grid's data rows as the pane fills them from d.
CeldasTablaCorrientes Celdas(const CDiagrama& d) {
  CeldasTablaCorrientes c;
  for (const FilaTablaCorrientes& f : FilasTablaCorrientes(d)) c.push_back(f.celdas);
  return c;
}

// A copy of the table with one cell typed over.
CeldasTablaCorrientes Editada(const CDiagrama& d, int fila, int col, const std::string& texto) {
  CeldasTablaCorrientes c = Celdas(d);
  c[static_cast<std::size_t>(fila)][static_cast<std::size_t>(col)] = texto;
  return c;
}

const CCorriente& S(const CDiagrama& d, int i) { return d.m_corrientes[static_cast<std::size_t>(i)]; }

TEST(FilasTablaCorrientes, TextosSoloLecturaYColores) {
  CDiagrama d = prueba::CuatroCorrientesSinCalcular();
  d.m_corrientes[0].SetNombre("Alimentación");
  const CDiagrama ejemplo = prueba::CargarEjemplo("latente_y_tabla.vdo");
  for (const CCorriente& s : ejemplo.m_corrientes) d.m_corrientes.push_back(s);

  const std::vector<FilaTablaCorrientes> filas = FilasTablaCorrientes(d);
  ASSERT_EQ(filas.size(), 7u);
  using Celdas8 = std::array<std::string, kColumnasTablaCorrientes>;
  EXPECT_EQ(filas[0].celdas,
            (Celdas8{"1", "Alimentación", "Fría", "Sensible", "293.15", "408.15", "230.", "2."}));
  EXPECT_EQ(filas[1].celdas, (Celdas8{"2", "", "Caliente", "Sensible", "443.15", "333.15", "-330.", "3."}));
  EXPECT_EQ(filas[0].color, kColorFilaFria);
  EXPECT_EQ(filas[1].color, kColorFilaCaliente);

  // Read-only cells by kind: sensible, latent, table stream.
  struct Caso {
    const char* tipoCalor;
    std::array<bool, kColumnasTablaCorrientes> soloLectura;
  };
  const Caso casos[] = {
      {"Sensible", {true, false, true, false, false, false, false, false}},
      {"Latente", {true, false, false, false, false, true, false, true}},
      {"No Lineal", {true, false, true, true, true, true, true, true}},
  };
  for (const Caso& c : casos) {
    bool visto = false;
    for (const FilaTablaCorrientes& f : filas) {
      if (f.celdas[kColTipoCalor] != c.tipoCalor) continue;
      visto = true;
      EXPECT_EQ(f.soloLectura, c.soloLectura) << c.tipoCalor << " row " << f.celdas[0];
      if (std::string(c.tipoCalor) == "Latente") {
        EXPECT_EQ(f.celdas[kColMcp], "-");
      }
    }
    EXPECT_TRUE(visto) << c.tipoCalor;
  }
  EXPECT_TRUE(FilasTablaCorrientes(CDiagrama()).empty());
}

// A latent stream with its supply at 0 K.
CDiagrama ConLatenteEnCero() {
  CDiagrama d = prueba::CuatroCorrientesSinCalcular();
  d.AddCorriente(0.0, 0.0, 50.0, 1, 1);
  return d;
}

TEST(EdicionTablaCorrientes, CadaCeldaCambiaLoSuyo) {
  struct Caso {
    const char* que;
    int fila, col;
    std::string texto;
    bool cambia;
    std::function<void(const CCorriente&)> comprobar;
  };
  const Caso casos[] = {
      {"a hot stream's H of 500 is stored negative", 1, kColH, "500", true,
       [](const CCorriente& s) {
         EXPECT_DOUBLE_EQ(s.GetH(kTSentinel, 1), -500.0);
         EXPECT_EQ(s.m_fria, 0);
         EXPECT_NEAR(s.m_mcp, 500.0 / 110.0, 1e-12);
       }},
      {"T1 by less than 0.001 K", 0, kColT1, "293.1505", false, nullptr},
      {"T1 by 0.002 K", 0, kColT1, "293.152", true,
       [](const CCorriente& s) {
         EXPECT_DOUBLE_EQ(s.GetT1(), 293.152);
         EXPECT_NEAR(s.GetH(kTSentinel, 1), (408.15 - 293.152) * 2.0, 1e-9);
       }},
      {"T2 below T1 makes a cold stream hot", 0, kColT2, "250", true,
       [](const CCorriente& s) {
         EXPECT_EQ(s.m_fria, 0);
         EXPECT_NEAR(s.GetH(kTSentinel, 1), (250.0 - 293.15) * 2.0, 1e-9);
       }},
      {"m·cp", 2, kColMcp, "5", true,
       [](const CCorriente& s) { EXPECT_NEAR(s.GetH(kTSentinel, 1), 60.0 * 5.0, 1e-9); }},
      {"the name", 3, kColDescripcion, "Vapor", true,
       [](const CCorriente& s) { EXPECT_EQ(s.GetNombre(), "Vapor"); }},
      {"a latent stream at 0 K made sensible", 4, kColTipoCalor, "Sensible", true,
       [](const CCorriente& s) {
         EXPECT_EQ(s.m_latente, 0);
         EXPECT_DOUBLE_EQ(s.GetT2(), 1.0);
         EXPECT_EQ(s.m_fria, 1);
         EXPECT_EQ(s.m_mcp, 0.0);
       }},
      {"a latent stream turned hot", 4, kColTipo, "Caliente", true,
       [](const CCorriente& s) {
         EXPECT_EQ(s.m_fria, 0);
         EXPECT_DOUBLE_EQ(s.GetH(kTSentinel, 1), -50.0);  // its heat kept
       }},
      {"a latent stream's new T1 moves its target along", 4, kColT1, "373.15", true,
       [](const CCorriente& s) {
         EXPECT_DOUBLE_EQ(s.GetT1(), 373.15);
         EXPECT_DOUBLE_EQ(s.GetT2(), 373.15);
       }},
      {"a sensible stream made latent", 0, kColTipoCalor, "Latente", true,
       [](const CCorriente& s) {
         EXPECT_EQ(s.m_latente, 1);
         EXPECT_DOUBLE_EQ(s.GetT2(), 293.15);
         EXPECT_EQ(s.m_mcp, kCpLatente);
       }},
      {"text that is no number reads as 0", 2, kColH, "abc", true,
       [](const CCorriente& s) { EXPECT_EQ(s.GetH(kTSentinel, 1), 0.0); }},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    const CDiagrama mostrado = ConLatenteEnCero();
    CDiagrama d = mostrado;
    const auto cambio = DetectarCambio(mostrado, Editada(mostrado, c.fila, c.col, c.texto));
    ASSERT_EQ(cambio.has_value(), c.cambia);
    if (!c.cambia) continue;
    EXPECT_EQ(cambio->corriente, c.fila);
    ASSERT_TRUE(AplicarCambio(d, *cambio));
    c.comprobar(S(d, c.fila));
    // The other streams are as they were.
    for (int i = 0; i < d.GetNumCorrientes(); ++i)
      if (i != c.fila) {
        EXPECT_EQ(S(d, i).GetH(kTSentinel, 1), S(mostrado, i).GetH(kTSentinel, 1));
      }
  }
}

TEST(EdicionTablaCorrientes, SoloCuentanLasCeldasEscritasYLaUltimaFila) {
  // Heat that seven digits cannot hold: 1 234 567.891 kW over 100 K.
  CDiagrama mostrado = prueba::CuatroCorrientesSinCalcular();
  mostrado.AddCorriente(300.0, 400.0, 12345.67891, 1, 0);
  EXPECT_EQ(Celdas(mostrado)[4][kColH], "1234568.");
  EXPECT_FALSE(DetectarCambio(mostrado, Celdas(mostrado)).has_value());
  // Its m·cp edited: the rounded H cell is no change of its own.
  auto cambio = DetectarCambio(mostrado, Editada(mostrado, 4, kColMcp, "10"));
  ASSERT_TRUE(cambio.has_value());
  EXPECT_EQ(cambio->campo, CambioCorriente::kMcp);
  // Two rows edited: the last one is taken.
  CeldasTablaCorrientes c = Editada(mostrado, 1, kColDescripcion, "H2");
  c[3][kColDescripcion] = "H4";
  cambio = DetectarCambio(mostrado, c);
  ASSERT_TRUE(cambio.has_value());
  EXPECT_EQ(cambio->corriente, 3);
  EXPECT_EQ(cambio->nombre, "H4");
}

// The document with the four-stream design, its targets and panes recorded.
class EventosTabla : public ::testing::Test {
 protected:
  void SetUp() override {
    PuertosDocumento p;
    p.ui = &ui;
    p.estado = &estado;
    p.campoDTMin = &estado;
    p.paneles = &paneles;
    p.vistas = &vistas;
    p.visor = &visor;
    doc.SetPuertos(p);
    doc.m_Diagrama = prueba::DisenoCuatroCorrientes();
    doc.m_Diagrama.m_servicios.push_back(prueba::ServicioLatente(500, 20, 0));
    doc.m_Diagrama.m_servicios.push_back(prueba::ServicioLatente(280, 60, 1));
    for (std::size_t i = 0; i < doc.m_Diagrama.m_cambiadores.size(); ++i)
      doc.m_Diagrama.m_cambiadores[i].rectCaliente = Rect{1000, -2000, 1650, -2650};
    // The pane's copy, as the last refresh left it.
    mostrado = doc.m_Diagrama;
  }
  CDiagrama& M() { return doc.m_Diagrama; }

  class Visor : public PuertoVisorObjetos {
   public:
    std::int32_t GetAreaSeleccionada() const override { return -1; }
    void SeleccionarObjeto(const CDiagrama& m, int tipo, bool) override {
      tipos.push_back(tipo);
      corriente = m.m_corrienteSel;
    }
    std::vector<int> tipos;
    std::int32_t corriente = -1;
  };
  class Vistas : public VistasGrabadas {
   public:
    int TipoSeleccion() const override { return tipo; }
    void SetTipoSeleccion(int t) override { tipo = t; }
    int tipo = kSelNada;
  };

  RecordingUiPort ui;
  EstadoGrabado estado;
  PanelesGrabados paneles;
  Vistas vistas;
  Visor visor;
  CVardoDoc doc;
  CDiagrama mostrado;
};

TEST_F(EventosTabla, UnaEdicionSobreUnaCopiaViejaGuardaLoQueOtrosCambiaron) {
  // Commands that refresh nothing: the cascade dialog's DT min, a utility
  // deletion, an exchanger dragged.
  M().SetDTMin(15.0);
  M().BorrarServicio(0);
  M().m_cambiadores[2].rectCaliente = Rect{4000, -2000, 4650, -2650};
  const int llamadas = paneles.llamadasTabla;

  ASSERT_TRUE(AplicarEventoTabla(doc, mostrado, Editada(mostrado, 1, kColH, "500"),
                                 EventoTablaCorrientes::kModificada));
  EXPECT_DOUBLE_EQ(S(M(), 1).GetH(kTSentinel, 1), -500.0);
  EXPECT_EQ(M().m_dtMin, 15.0);
  EXPECT_EQ(M().GetNumServicios(), 1);
  EXPECT_EQ(M().m_cambiadores[2].rectCaliente.left, 4000);
  EXPECT_EQ(M().GetNumCambiadores(), 6);
  // One undo step, modified, charts stale, and the panes refreshed with it.
  EXPECT_EQ(doc.NumDeshacer(), 1);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(doc.m_bRedibujar);
  EXPECT_GT(paneles.llamadasTabla, llamadas);
  EXPECT_DOUBLE_EQ(S(paneles.tabla, 1).GetH(kTSentinel, 1), -500.0);
  EXPECT_EQ(estado.dtMin, "15.");
  // Undo brings the old heat back, and the other changes stay.
  ASSERT_TRUE(doc.Deshacer());
  EXPECT_DOUBLE_EQ(S(M(), 1).GetH(kTSentinel, 1), -330.0);
  EXPECT_EQ(M().GetNumServicios(), 1);
}

TEST_F(EventosTabla, FilasQueElDocumentoYaNoTieneNoCambianNada) {
  // Two streams deleted elsewhere; the pane still shows four.
  M().BorrarCorriente(3);
  M().BorrarCorriente(2);
  const std::vector<std::uint8_t> antes = [&] {
    Archive ar;
    M().Serialize(ar);
    return ar.Bytes();
  }();
  struct Caso {
    const char* que;
    CeldasTablaCorrientes filas;
    EventoTablaCorrientes evento;
  };
  CeldasTablaCorrientes sinCuarta = Celdas(mostrado);
  sinCuarta.pop_back();
  CeldasTablaCorrientes sinTercera = Celdas(mostrado);
  sinTercera.erase(sinTercera.begin() + 2);
  const Caso casos[] = {
      {"edit of row 4", Editada(mostrado, 3, kColH, "-99"), EventoTablaCorrientes::kModificada},
      {"edit of row 3", Editada(mostrado, 2, kColDescripcion, "x"), EventoTablaCorrientes::kModificada},
      {"row 4 deleted", sinCuarta, EventoTablaCorrientes::kBorrarLinea},
      {"row 3 deleted", sinTercera, EventoTablaCorrientes::kBorrarLinea},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    EXPECT_FALSE(AplicarEventoTabla(doc, mostrado, c.filas, c.evento));
    Archive ar;
    M().Serialize(ar);
    EXPECT_EQ(ar.Bytes(), antes);
    EXPECT_EQ(doc.NumDeshacer(), 0);
    EXPECT_FALSE(doc.IsModified());
  }
  // The click on the header row or past the streams selects nothing.
  for (int fila : {0, 3, 4}) {
    EXPECT_FALSE(SeleccionarFilaTabla(doc, fila)) << fila;
    EXPECT_TRUE(visor.tipos.empty());
  }
}

TEST_F(EventosTabla, BorrarUnaFilaBorraSuCorrienteYRefresca) {
  struct Caso {
    const char* que;
    int filaQuitada;  // 0-based data row taken out of the grid
    std::int32_t borrada;
  };
  const Caso casos[] = {{"a middle row", 2, 2}, {"the first row", 0, 0}, {"the last row", 3, 3}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    SetUp();
    paneles = PanelesGrabados();
    CeldasTablaCorrientes filas = Celdas(mostrado);
    filas.erase(filas.begin() + c.filaQuitada);
    EXPECT_EQ(CorrienteBorrada(M(), filas), c.borrada);
    const double sobrevivienteH = S(M(), c.borrada == 3 ? 0 : 3).GetH(kTSentinel, 1);
    const int pasos = doc.NumDeshacer();
    ASSERT_TRUE(AplicarEventoTabla(doc, mostrado, filas, EventoTablaCorrientes::kBorrarLinea));
    ASSERT_EQ(M().GetNumCorrientes(), 3);
    EXPECT_EQ(S(M(), c.borrada == 3 ? 0 : 2).GetH(kTSentinel, 1), sobrevivienteH);
    // Its exchangers went with it; the rest still name existing streams.
    for (const CCambiador& e : M().m_cambiadores)
      for (std::int32_t ref : {e.ladoCaliente.ref, e.ladoFrio.ref})
        EXPECT_TRUE(ref == kRefGenerico || M().RefValida(ref));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.NumDeshacer(), pasos + 1);
    EXPECT_EQ(paneles.tabla.GetNumCorrientes(), 3);
    doc.SetModifiedFlag(false);
  }
}

TEST_F(EventosTabla, NuevaLineaYPegado) {
  ASSERT_TRUE(AplicarEventoTabla(doc, mostrado, Celdas(mostrado), EventoTablaCorrientes::kNuevaLinea));
  ASSERT_EQ(M().GetNumCorrientes(), 5);
  EXPECT_EQ(S(M(), 4).GetT1(), 0.0);
  EXPECT_EQ(S(M(), 4).GetT2(), 1.0);
  EXPECT_EQ(S(M(), 4).m_fria, 1);
  EXPECT_EQ(S(M(), 4).m_latente, 0);
  EXPECT_EQ(doc.NumDeshacer(), 1);

  // A paste over rows 2 and 3 and two rows more than the streams: default
  // streams are appended first, untouched rows keep their exact values.
  mostrado = M();
  M().SetDTMin(12.0);  // changed elsewhere since
  CeldasTablaCorrientes filas = Celdas(mostrado);
  filas[1] = {"2", "Gases", "Caliente", "Sensible", "500", "400", "0", "2"};
  filas[2] = {"3", "Agua", "Fría", "Sensible", "300", "350", "-100", "7"};
  filas.push_back({"", "Vapor", "Caliente", "Latente", "420", "", "300", ""});
  filas.push_back({"", "Aire", "Fría", "Sensible", "350", "300", "", "3"});
  const double h1 = S(M(), 0).GetH(kTSentinel, 1);
  ASSERT_TRUE(AplicarEventoTabla(doc, mostrado, filas, EventoTablaCorrientes::kPegada));
  ASSERT_EQ(M().GetNumCorrientes(), 7);
  EXPECT_EQ(S(M(), 0).GetH(kTSentinel, 1), h1);
  struct Esperado {
    int i;
    const char* nombre;
    int fria;
    double h;
  };
  const Esperado esperados[] = {
      {1, "Gases", 0, -200.0},  // H 0: m·cp 2 over 100 K
      {2, "Agua", 1, 100.0},    // H given, signed as a cold stream
      {5, "Vapor", 0, -300.0},  // latent, hot by its type
      {6, "Aire", 0, -150.0},   // T1 > T2: hot
  };
  for (const Esperado& e : esperados) {
    SCOPED_TRACE(e.nombre);
    EXPECT_EQ(S(M(), e.i).GetNombre(), e.nombre);
    EXPECT_EQ(S(M(), e.i).m_fria, e.fria);
    EXPECT_NEAR(S(M(), e.i).GetH(kTSentinel, 1), e.h, 1e-9);
  }
  EXPECT_EQ(S(M(), 5).m_latente, 1);
  EXPECT_EQ(S(M(), 5).GetT2(), 420.0);
  EXPECT_NEAR(S(M(), 2).m_mcp, 2.0, 1e-12);
  EXPECT_EQ(M().m_dtMin, 12.0);
  EXPECT_EQ(doc.NumDeshacer(), 2);
}

TEST_F(EventosTabla, ClicSeleccionaLaCorrienteDeLaFila) {
  M().SeleccionarCambiador(1);
  vistas.tipo = kSelCambiador;
  M().m_cambiadorResaltado = 2;
  const int repintados = vistas.actualizaciones;
  ASSERT_TRUE(SeleccionarFilaTabla(doc, 3));
  EXPECT_EQ(M().m_corrienteSel, 2);
  EXPECT_EQ(vistas.tipo, kSelCorriente);
  EXPECT_EQ(M().m_cambiadorResaltado, -1);
  EXPECT_NE(M().m_cambiadores[1].color, kColorSeleccion);
  EXPECT_GT(vistas.actualizaciones, repintados);
  EXPECT_EQ(visor.tipos, std::vector<int>{kSelCorriente});
  EXPECT_EQ(visor.corriente, 2);
  EXPECT_EQ(doc.NumDeshacer(), 0);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(EventosTabla, UnValorQueDaUnCalorNoFinitoOUnaTemperaturaNoPositivaSeRechaza) {
  const struct {
    int col;
    const char* texto;
    const char* mensaje;
  } casos[] = {
      {kColMcp, "1e308", "Con este valor el calor de la corriente no es un número finito."},
      {kColT1, "0", "Introduzca una temperatura mayor que 0 K."},
      {kColMcp, "1.5", nullptr},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto);
    std::string rechazo;
    const bool hecho = AplicarEventoTabla(doc, mostrado, Editada(mostrado, 0, c.col, c.texto),
                                          EventoTablaCorrientes::kModificada, &rechazo);
    if (c.mensaje) {
      EXPECT_FALSE(hecho);
      EXPECT_EQ(rechazo, c.mensaje);
      EXPECT_EQ(doc.NumDeshacer(), 0);
      EXPECT_FALSE(doc.IsModified());
    } else {
      EXPECT_TRUE(hecho);
      EXPECT_TRUE(rechazo.empty());
      EXPECT_DOUBLE_EQ(S(M(), 0).m_mcp, 1.5);
    }
  }
}

}  // namespace
}  // namespace vardo
