#include "app/core/document/documento.h"

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <cmath>
#include <limits>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

#include "model/constantes.h"
#include "model/documento_archivo.h"
#include "model/objetivos_area.h"
#include "model/red.h"
#include "tests/comun/archivos.h"
#include "tests/comun/puertos_prueba.h"

namespace vardo {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

using prueba::Carpeta;
using prueba::EscribirBytes;
using prueba::LeerBytes;

const char* const kEjemplos[] = {"examples/cuatro_corrientes.vdo", "examples/latente_y_tabla.vdo",
                                 "examples/servicios_y_area.vdo"};

// The bytes a document's whole model and framing would be written as.
Bytes Huella(const CVardoDoc& d) {
  CDiagrama copia;
  CopiarModeloCompleto(copia, d.m_Diagrama);
  MarcoDocumento m;
  m.usarFactibilidad = d.m_bUsarFactibilidad ? 1 : 0;
  m.modo = d.m_nModo;
  return GuardarDocumento(m, copia);
}

// Runs `cuerpo` in a child process and waits for it: the child's exit code,
// or 128 + the signal that ended it.
int EnProcesoHijo(const std::function<int()>& cuerpo) {
  const pid_t hijo = ::fork();
  if (hijo < 0) return -1;
  if (hijo == 0) ::_exit(cuerpo());
  int status = 0;
  if (::waitpid(hijo, &status, 0) != hijo) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

class DocumentoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PuertosDocumento p;
    p.ui = &ui;
    p.dialogos = &dlg;
    p.estado = &estado;
    p.campoDTMin = &estado;
    p.paneles = &paneles;
    p.vistas = &vistas;
    doc.SetPuertos(p);
  }

  void Abrir(const std::string& ruta) { ASSERT_TRUE(doc.OnOpenDocument(ruta).ok) << ruta; }

  RecordingUiPort ui;
  FabricaDialogosGuion dlg;
  EstadoGrabado estado;
  PanelesGrabados paneles;
  VistasGrabadas vistas;
  CVardoDoc doc;
};

// ------------------------------------------------------------ undo and redo

TEST_F(DocumentoTest, VeintiunCambiosVeinteDeshacerYVeinteRehacer) {
  // State k has DT min k and mode k % 18.
  doc.m_Diagrama.SetDTMin(0.0);
  for (int k = 1; k <= 21; ++k) {
    doc.GuardarDeshacer(true);
    doc.m_Diagrama.SetDTMin(k);
    doc.m_nModo = k % 18;
  }
  EXPECT_EQ(doc.NumDeshacer(), kProfundidadDeshacer);

  for (int k = 20; k >= 1; --k) {
    ASSERT_TRUE(doc.Deshacer());
    EXPECT_EQ(doc.m_Diagrama.m_dtMin, k);
    EXPECT_EQ(doc.m_nModo, k % 18);
  }
  // The first state fell off the bottom of the stack.
  EXPECT_FALSE(doc.PuedeDeshacer());
  EXPECT_FALSE(doc.Deshacer());
  EXPECT_EQ(doc.m_Diagrama.m_dtMin, 1.0);
  EXPECT_EQ(doc.NumRehacer(), 20);

  for (int k = 2; k <= 21; ++k) {
    ASSERT_TRUE(doc.Rehacer());
    EXPECT_EQ(doc.m_Diagrama.m_dtMin, k);
    EXPECT_EQ(doc.m_nModo, k % 18);
    EXPECT_EQ(doc.NumRehacer(), 21 - k);  // redo does not clear redo
  }
  EXPECT_FALSE(doc.Rehacer());
  EXPECT_EQ(doc.m_Diagrama.m_dtMin, 21.0);
  EXPECT_EQ(doc.NumDeshacer(), 20);
}

// A change lays the views out once, at its end, also when a step of it
// checks the exchangers (which repaints on its own outside a change); an
// undo and a redo refresh once too. Every layout of a large document costs
// its whole drawing.
TEST_F(DocumentoTest, UnCambioUnDeshacerYUnRehacerActualizanLasVistasUnaVez) {
  doc.m_Diagrama.AddCorriente(400.0, 300.0, 2.0, 0, 0);
  doc.m_Diagrama.AddCorriente(290.0, 380.0, 3.0, 1, 0);
  struct Paso {
    const char* que;
    std::function<void()> hacer;
  };
  const Paso pasos[] = {
      {"change", [&] {
         doc.CambiarModelo([&] {
           doc.m_Diagrama.SetDTMin(12.0);
           doc.ComprobarCambiadores();
           doc.UpdateAllViews();
         });
       }},
      {"undo", [&] { ASSERT_TRUE(doc.Deshacer()); }},
      {"redo", [&] { ASSERT_TRUE(doc.Rehacer()); }},
  };
  for (const Paso& p : pasos) {
    SCOPED_TRACE(p.que);
    const int vistasAntes = vistas.actualizaciones, tablaAntes = paneles.llamadasTabla;
    p.hacer();
    EXPECT_EQ(vistas.actualizaciones - vistasAntes, 1);
    EXPECT_EQ(paneles.llamadasTabla - tablaAntes, 1);
  }
  // Outside a change the check repaints at once, as before.
  const int antes = vistas.actualizaciones;
  doc.ComprobarCambiadores();
  EXPECT_EQ(vistas.actualizaciones - antes, 1);
}

TEST_F(DocumentoTest, UnCambioTrasDeshacerAnulaRehacer) {
  doc.GuardarDeshacer(true);
  doc.m_Diagrama.SetDTMin(20.0);
  doc.GuardarDeshacer(true);
  doc.m_Diagrama.SetDTMin(30.0);
  ASSERT_TRUE(doc.Deshacer());
  ASSERT_TRUE(doc.Rehacer());
  EXPECT_EQ(doc.m_Diagrama.m_dtMin, 30.0);
  ASSERT_TRUE(doc.Deshacer());
  EXPECT_EQ(doc.m_Diagrama.m_dtMin, 20.0);
  EXPECT_TRUE(doc.PuedeRehacer());

  doc.GuardarDeshacer(true);
  doc.m_Diagrama.SetDTMin(25.0);
  EXPECT_FALSE(doc.PuedeRehacer());
  EXPECT_FALSE(doc.Rehacer());
  EXPECT_EQ(doc.m_Diagrama.m_dtMin, 25.0);
  ASSERT_TRUE(doc.Deshacer());
  EXPECT_EQ(doc.m_Diagrama.m_dtMin, 20.0);
}

TEST_F(DocumentoTest, LaInstantaneaDevuelveElModoYMarcaLaGraficaCaducada) {
  struct Caso {
    std::int32_t guardado;
    bool caducada;
  };
  const Caso casos[] = {{0, false}, {1, true},  {2, true},  {3, false}, {4, true},
                        {10, true}, {11, true}, {13, true}, {17, true}};
  for (const Caso& c : casos) {
    CVardoDoc d;
    d.m_nModo = c.guardado;
    d.GuardarDeshacer(true);
    d.m_nModo = 12;
    d.m_bRedibujar = false;
    ASSERT_TRUE(d.Deshacer());
    EXPECT_EQ(d.m_nModo, c.guardado) << c.guardado;
    EXPECT_EQ(d.m_bRedibujar, c.caducada) << c.guardado;
    // Redo brings back the chart mode of before the undo, to be rebuilt.
    d.m_bRedibujar = false;
    ASSERT_TRUE(d.Rehacer());
    EXPECT_EQ(d.m_nModo, 12);
    EXPECT_TRUE(d.m_bRedibujar);
  }
}

TEST_F(DocumentoTest, LaInstantaneaGuardaElModeloEntero) {
  CDiagrama& m = doc.m_Diagrama;
  m.m_rectGrafico = Rect{1500, -1500, 21500, -13500};
  m.m_fuente.faceName = "Liberation Serif";
  m.m_fuente.height = 420;
  m.m_textoComprobacion = "Errores";
  m.m_serviciosVisibles = 1;
  doc.GuardarDeshacer(true);

  m.m_rectGrafico = CDiagrama::kRectGraficoDefecto;
  m.m_fuente = CDiagrama::FuenteDefecto();
  m.m_textoComprobacion.clear();
  m.m_serviciosVisibles = 0;
  ASSERT_TRUE(doc.Deshacer());
  EXPECT_EQ(m.m_rectGrafico, (Rect{1500, -1500, 21500, -13500}));
  EXPECT_EQ(m.m_fuente.faceName, "Liberation Serif");
  EXPECT_EQ(m.m_fuente.height, 420);
  EXPECT_EQ(m.m_textoComprobacion, "Errores");
  EXPECT_EQ(m.m_serviciosVisibles, 1);

  // And redo restores the changed state as wholly.
  ASSERT_TRUE(doc.Rehacer());
  EXPECT_EQ(m.m_rectGrafico, CDiagrama::kRectGraficoDefecto);
  EXPECT_EQ(m.m_fuente, CDiagrama::FuenteDefecto());
}

TEST_F(DocumentoTest, DeshacerMarcaModificadoYRefresca) {
  Abrir(kEjemplos[0]);
  doc.GuardarDeshacer(true);
  doc.m_Diagrama.SetDTMin(20.0);
  const int vistasAntes = vistas.actualizaciones;
  ASSERT_FALSE(doc.IsModified());
  ASSERT_TRUE(doc.Deshacer());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(estado.dtMin, "10.");
  EXPECT_EQ(estado.cal, "Cal:0./20.");
  EXPECT_GT(vistas.actualizaciones, vistasAntes);
}

// -------------------------------------------------------------- count panes

TEST_F(DocumentoTest, TextosDeLosContadores) {
  struct Caso {
    const char* archivo;
    bool calcularRed;
    const char *camb, *cal, *ref;
  };
  const Caso casos[] = {
      {kEjemplos[0], false, "Camb:0/7", "Cal:0./20.", "Ref:0./60."},
      // Heater S1 on C1 (20 kW) and cooler H4 on S2 (60 kW).
      {kEjemplos[2], true, "Camb:3/7", "Cal:20./20.", "Ref:60./60."},
  };
  for (const Caso& c : casos) {
    Abrir(c.archivo);
    if (c.calcularRed) CalcularRed(doc.m_Diagrama);
    estado.dtMin.clear();
    doc.ActualizarContadores();
    EXPECT_EQ(estado.camb, c.camb);
    EXPECT_EQ(estado.cal, c.cal);
    EXPECT_EQ(estado.ref, c.ref);
    EXPECT_EQ(estado.dtMin, "10.");
  }
}

TEST_F(DocumentoTest, ContadoresConUnAreaMostrada) {
  Abrir(kEjemplos[0]);
  CDiagrama& d = doc.m_Diagrama;
  // Area 1 (shown) holds C1 and H2; area 2 (hidden) holds C3 and H4.
  d.AddArea("Area 1", MakeRgb(255, 0, 0));
  d.AddArea("Area 2", MakeRgb(0, 255, 0));
  for (std::int32_t s = 0; s < 4; ++s) {
    d.m_areas[static_cast<std::size_t>(s / 2)].AddCorriente(s);
    d.m_corrientes[static_cast<std::size_t>(s)].m_area = s / 2;
  }
  d.m_areas[0].mostrada = 1;
  struct Camb {
    std::int32_t caliente, fria;
    double q;
  };
  const Camb cambs[] = {
      {1, 0, 100.0},   // H2-C1: inside the shown area, counted
      {3, 2, 50.0},    // H4-C3: both outside, left out
      {-1, 2, 40.0},   // heater on C3: counted (generic end), not a shown heater
      {-1, 0, 30.0},   // heater on C1: counted and shown
      {3, -1, 15.0},   // cooler on H4: counted, not a shown cooler
      {1, -1, 7.0},    // cooler on H2: counted and shown
  };
  for (const Camb& c : cambs) {
    d.AddCambiador(kModoQ, c.caliente, c.fria, 0, 0, 0, 0, 0, 0, 0, 0, 1, c.q);
    d.m_cambiadores.back().q = c.q;
  }
  CDiagrama copia = d;
  copia.CalcularObjetivos();
  const std::int32_t nMin = CalcularNMinCambiadores(copia, 0);

  doc.ActualizarContadores();
  EXPECT_EQ(estado.camb, "Camb:5/" + std::to_string(nMin));
  // The targets count C1 and H2 alone: 330 kW hot against 230 kW cold.
  EXPECT_EQ(estado.cal, "Cal:30./0.");
  EXPECT_EQ(estado.ref, "Ref:7./100.");
  // The bar's copy has the areas now.
  ASSERT_EQ(paneles.barra.m_areas.size(), 2u);
  EXPECT_EQ(paneles.barra.m_areas[0].mostrada, 1);
}

TEST_F(DocumentoTest, SinCorrientesLosContadoresVuelvenACero) {
  doc.OnNewDocument();
  estado.camb = "Camb:2/3";
  estado.dtMin = "12.";
  const int vistasAntes = vistas.actualizaciones;
  doc.ActualizarContadores();
  // No stream, no target: the counts of an empty problem; DT min stays.
  EXPECT_EQ(estado.camb, "Camb:0/0");
  EXPECT_EQ(estado.cal, "Cal:0/0");
  EXPECT_EQ(estado.ref, "Ref:0/0");
  EXPECT_EQ(estado.dtMin, "12.");
  EXPECT_EQ(estado.llamadasContadores, 1);
  EXPECT_EQ(paneles.llamadasTabla, 1);
  EXPECT_EQ(paneles.llamadasVisor, 1);
  EXPECT_FALSE(paneles.visorConCorrientes);
  // The area bar is refilled too, so it never keeps a deleted area.
  EXPECT_EQ(paneles.llamadasBarra, 1);
  EXPECT_TRUE(paneles.barra.m_areas.empty());
  EXPECT_GT(vistas.actualizaciones, vistasAntes);
}

// ----------------------------------------------------------- network check

// The four-stream problem with exchanger H2 -> C3 of 240 kW, which the
// network calculation accepts without remarks.
void AnadirCambiadorCorrecto(CDiagrama& d) {
  d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0.0, kTipoNinguno, 0.0, kTipoNinguno, 0.0,
                 kTipoExtremo, 0.0, 1, 240.0);
}
// H2 -> C1 of 10 kW with no temperature given: errors at that exchanger.
void AnadirCambiadorErroneo(CDiagrama& d) {
  d.AddCambiador(kModoQ, 1, 0, kTipoNinguno, 0.0, kTipoNinguno, 0.0, kTipoNinguno, 0.0,
                 kTipoNinguno, 0.0, 1, 10.0);
}
// H4 -> C1 of 50 kW from both supply ends: heat across the pinch, a warning.
void AnadirCambiadorConAviso(CDiagrama& d) {
  d.AddCambiador(kModoQ, 3, 0, kTipoExtremo, 0.0, kTipoNinguno, 0.0, kTipoExtremo, 0.0,
                 kTipoNinguno, 0.0, 1, 50.0);
}

TEST_F(DocumentoTest, ComprobarSinAvisosNoMuestraNada) {
  Abrir(kEjemplos[0]);
  AnadirCambiadorCorrecto(doc.m_Diagrama);
  doc.ComprobarCambiadores();
  EXPECT_TRUE(dlg.Llamadas().empty());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_NEAR(doc.m_Diagrama.m_cambiadores[0].q, 240.0, 1e-9);
}

TEST_F(DocumentoTest, ComprobarConAvisosNoOfreceCorregir) {
  Abrir(kEjemplos[0]);
  AnadirCambiadorConAviso(doc.m_Diagrama);
  dlg.Aceptar<DlgCalculoCambiadores>();
  doc.ComprobarCambiadores();
  ASSERT_EQ(dlg.Veces(DialogoId::CalculoCamb), 1);
  const auto& d = dlg.Ultima<DlgCalculoCambiadores>();
  EXPECT_FALSE(d.corregible);
  EXPECT_NE(d.texto.find("transmite calor a través del pinch"), std::string::npos);
  EXPECT_EQ(dlg.Veces(DialogoId::AddCamb), 0);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentoTest, CorregirAbreLosCambiadoresEnElErroneo) {
  Abrir(kEjemplos[0]);
  AnadirCambiadorCorrecto(doc.m_Diagrama);
  AnadirCambiadorErroneo(doc.m_Diagrama);
  dlg.Aceptar<DlgCalculoCambiadores>();
  // The user deletes the faulty exchanger in the dialog.
  dlg.Aceptar<DlgCambiadores>([](DlgCambiadores& d) { d.modelo.BorrarCambiador(1); });
  doc.ComprobarCambiadores();

  ASSERT_EQ(dlg.Veces(DialogoId::CalculoCamb), 1);
  EXPECT_TRUE(dlg.Ultima<DlgCalculoCambiadores>().corregible);
  ASSERT_EQ(dlg.Veces(DialogoId::AddCamb), 1);
  EXPECT_EQ(dlg.Ultima<DlgCambiadores>().cambiador, 1);
  EXPECT_EQ(dlg.Ultima<DlgCambiadores>().modo, 1);
  EXPECT_EQ(doc.m_Diagrama.GetNumCambiadores(), 1);
  EXPECT_TRUE(doc.IsModified());
  // One undo step brings the faulty exchanger back.
  ASSERT_EQ(doc.NumDeshacer(), 1);
  ASSERT_TRUE(doc.Deshacer());
  EXPECT_EQ(doc.m_Diagrama.GetNumCambiadores(), 2);
}

TEST_F(DocumentoTest, CerrarElMensajeDejaElModeloCalculado) {
  Abrir(kEjemplos[0]);
  AnadirCambiadorErroneo(doc.m_Diagrama);
  dlg.Cancelar<DlgCalculoCambiadores>();
  doc.ComprobarCambiadores();
  EXPECT_EQ(dlg.Veces(DialogoId::AddCamb), 0);
  EXPECT_EQ(doc.NumDeshacer(), 0);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentoTest, EditarCambiadoresConProvisional) {
  Abrir(kEjemplos[0]);
  CDiagrama& d = doc.m_Diagrama;
  d.m_rectGrafico.right = 25500;
  AnadirCambiadorCorrecto(d);
  d.m_cambiadores[0].rectCaliente = Rect{3000, -3000, 3650, -3650};
  d.m_cambiadores[0].rectFrio = Rect{3000, -6000, 3650, -6650};
  AnadirCambiadorCorrecto(d);  // provisional, never placed
  d.SeleccionarCambiador(1);

  std::int32_t rectEnDialogo = 0;
  dlg.Aceptar<DlgCambiadores>(
      [&](DlgCambiadores& c) { rectEnDialogo = c.modelo.m_rectGrafico.right; });
  doc.EditarCambiadores(1, 0);
  // The dialog worked on a whole copy.
  EXPECT_EQ(rectEnDialogo, 25500);
  EXPECT_EQ(d.GetNumCambiadores(), 2);
  // The snapshot does not hold the provisional exchanger.
  ASSERT_TRUE(doc.Deshacer());
  EXPECT_EQ(d.GetNumCambiadores(), 1);
}

// Cancel removes the provisional exchanger only: exchangers accepted earlier
// and not drawn yet (added while a chart was shown) stay.
TEST_F(DocumentoTest, CancelarCambiadoresQuitaSoloElProvisional) {
  Abrir(kEjemplos[0]);
  CDiagrama& d = doc.m_Diagrama;
  AnadirCambiadorCorrecto(d);
  AnadirCambiadorCorrecto(d);
  AnadirCambiadorCorrecto(d);
  d.m_cambiadores[1].rectCaliente.top = -3000;  // placed by one end
  dlg.Cancelar<DlgCambiadores>();
  doc.EditarCambiadores(2, 0);
  ASSERT_EQ(d.GetNumCambiadores(), 2);
  EXPECT_EQ(d.m_cambiadores[0].rectCaliente.top, 0);
  EXPECT_EQ(d.m_cambiadores[1].rectCaliente.top, -3000);
  // Without a provisional exchanger nothing goes.
  dlg.Cancelar<DlgCambiadores>();
  doc.EditarCambiadores(0, 1);
  EXPECT_EQ(d.GetNumCambiadores(), 2);
  EXPECT_EQ(doc.NumDeshacer(), 0);
  EXPECT_FALSE(doc.IsModified());
}

// -------------------------------------------------------------------- files

class EjemploTest : public DocumentoTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EjemploTest, GuardarYAbrirDevuelveLosMismosBytes) {
  Carpeta dir;
  const std::string original = GetParam();
  Abrir(original);
  EXPECT_EQ(doc.GetTitle(), fs::path(original).stem().string());
  EXPECT_EQ(doc.GetPathName(), fs::absolute(original).lexically_normal().string());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.m_nModo, kModoRejilla);
  EXPECT_TRUE(doc.m_bRedibujar);
  EXPECT_FALSE(doc.m_bUsarFactibilidad);
  EXPECT_EQ(estado.dtMin, "10.");

  doc.GuardarDeshacer(true);
  doc.SetModifiedFlag();
  const std::string copia = dir / "copia.vdo";
  ASSERT_TRUE(doc.OnSaveDocument(copia).ok);
  EXPECT_EQ(LeerBytes(copia), Huella(doc));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetTitle(), "copia");
  EXPECT_EQ(doc.GetPathName(), copia);
  EXPECT_EQ(doc.m_nModo, kModoRejilla);

  CVardoDoc otro;
  ASSERT_TRUE(otro.OnOpenDocument(copia).ok);
  EXPECT_EQ(Huella(otro), Huella(doc));
  EXPECT_FALSE(otro.PuedeDeshacer());
  EXPECT_FALSE(otro.PuedeRehacer());
  // Saved again, the reopened document gives the same bytes.
  ASSERT_TRUE(otro.OnSaveDocument(dir / "otra.vdo").ok);
  EXPECT_EQ(LeerBytes(dir / "otra.vdo"), LeerBytes(copia));
}

// Reading and writing compute the targets once and the count panes take
// them as they stand: they are what a fresh computation gives, also after a
// change of DT min that only the save recomputes.
TEST_P(EjemploTest, ContadoresTrasAbrirYGuardar) {
  Carpeta dir;
  auto esperados = [&] {
    CDiagrama copia;
    CopiarModeloCompleto(copia, doc.m_Diagrama);
    return CalcularContadores(copia);
  };
  Abrir(GetParam());
  TextosContadores t = esperados();
  EXPECT_EQ(estado.camb, t.camb);
  EXPECT_EQ(estado.cal, t.cal);
  EXPECT_EQ(estado.ref, t.ref);
  doc.m_Diagrama.SetDTMin(23.5);
  ASSERT_TRUE(doc.OnSaveDocument(dir / "a.vdo").ok);
  t = esperados();
  EXPECT_EQ(estado.camb, t.camb);
  EXPECT_EQ(estado.cal, t.cal);
  EXPECT_EQ(estado.ref, t.ref);
  EXPECT_NE(t.cal, "Cal:0/0");
}

INSTANTIATE_TEST_SUITE_P(Ejemplos, EjemploTest, ::testing::ValuesIn(kEjemplos));

TEST_F(DocumentoTest, PalabrasDelMarco) {
  const Bytes base = LeerBytes(kEjemplos[0]);
  struct Caso {
    std::uint32_t factibilidad, modo;
    bool usar;
    std::int32_t modoLeido;
    bool redibujar;
  };
  const Caso casos[] = {
      {1, 0, true, 0, false},   {0, 3, false, 3, true},        {5, 17, true, 17, true},
      {0, 18, false, 0, false}, {0, 0xFFFFFFFFu, false, 0, false},
  };
  Carpeta dir;
  for (const Caso& c : casos) {
    Bytes b = base;
    for (int i = 0; i < 4; ++i) {
      b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(c.factibilidad >> (8 * i));
      b[static_cast<std::size_t>(4 + i)] = static_cast<std::uint8_t>(c.modo >> (8 * i));
    }
    EscribirBytes(dir / "marco.vdo", b);
    CVardoDoc d;
    ASSERT_TRUE(d.OnOpenDocument(dir / "marco.vdo").ok);
    EXPECT_EQ(d.m_bUsarFactibilidad, c.usar) << c.modo;
    EXPECT_EQ(d.m_nModo, c.modoLeido) << c.modo;
    EXPECT_EQ(d.m_bRedibujar, c.redibujar) << c.modo;
    // Written back: the flag as 1 or 0, the mode as shown.
    ASSERT_TRUE(d.OnSaveDocument(dir / "vuelta.vdo").ok);
    const Bytes v = LeerBytes(dir / "vuelta.vdo");
    EXPECT_EQ(v[0], c.usar ? 1 : 0);
    EXPECT_EQ(static_cast<std::int32_t>(v[4]), c.modoLeido);
  }
}

TEST_F(DocumentoTest, BytesTrasElCuerpoSeIgnoran) {
  Carpeta dir;
  Bytes b = LeerBytes(kEjemplos[2]);
  b.insert(b.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x00});
  EscribirBytes(dir / "cola.vdo", b);
  Abrir(dir / "cola.vdo");
  CVardoDoc limpio;
  ASSERT_TRUE(limpio.OnOpenDocument(kEjemplos[2]).ok);
  EXPECT_EQ(Huella(doc), Huella(limpio));
}

TEST_F(DocumentoTest, UnArchivoDanadoSeRechazaSinCambiarNada) {
  Carpeta dir;
  const Bytes buena = LeerBytes(kEjemplos[2]);
  const Bytes danados[] = {
      {},
      {1, 0, 0, 0},
      {1, 0, 0, 0, 3, 0, 0},
      Bytes(buena.begin(), buena.begin() + 8),
      Bytes(buena.begin(), buena.begin() + static_cast<std::ptrdiff_t>(buena.size() / 2)),
      Bytes(buena.begin(), buena.end() - 1),
  };
  Abrir(kEjemplos[0]);
  doc.GuardarDeshacer(true);
  doc.m_Diagrama.SetDTMin(15.0);
  doc.m_nModo = 2;
  doc.m_bUsarFactibilidad = true;
  doc.SetModifiedFlag();
  const Bytes antes = Huella(doc);
  const std::string ruta = doc.GetPathName();
  int n = 0;
  for (const Bytes& b : danados) {
    const std::string archivo = dir / ("danado" + std::to_string(n++) + ".vdo");
    EscribirBytes(archivo, b);
    ui.Clear();
    const ResultadoArchivo r = doc.OnOpenDocument(archivo);
    EXPECT_FALSE(r.ok) << b.size();
    EXPECT_EQ(r.mensaje, "Formato de archivo no esperado.");
    ASSERT_EQ(ui.Log().size(), 1u);
    EXPECT_EQ(ui.Log()[0].text, "Formato de archivo no esperado.");
    EXPECT_EQ(Huella(doc), antes) << b.size();
    EXPECT_EQ(doc.GetPathName(), ruta);
    EXPECT_EQ(doc.GetTitle(), "cuatro_corrientes");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.NumDeshacer(), 1);
  }
}

TEST_F(DocumentoTest, ArchivoQueNoExiste) {
  Carpeta dir;
  const std::string ruta = dir / "no_esta.vdo";
  const ResultadoArchivo r = doc.OnOpenDocument(ruta);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.mensaje, ruta +
                           "\nImposible encontrar este archivo.\nCompruebe que la ruta y el nombre "
                           "de archivo son correctos");
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Log()[0].kind, MsgKind::Error);
}

// What cannot be a document is refused at once and changes nothing: a pipe
// no one writes to (it would wait forever), a device that never ends, a
// folder, a sparse file of 1 TiB and a real one just past the largest
// document. Each within a second.
TEST_F(DocumentoTest, LoQueNoPuedeSerUnDocumentoSeRechazaEnseguida) {
  Carpeta dir;
  const std::string fifo = dir / "tuberia.vdo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string disperso = dir / "disperso.vdo";
  {
    std::ofstream f(disperso, std::ios::binary);
    f.write("\x01\0\0\0", 4);
  }
  fs::resize_file(disperso, std::uintmax_t{1} << 40);
  const std::string grande = dir / "grande.vdo";
  EscribirBytes(grande, LeerBytes(kEjemplos[0]));
  fs::resize_file(grande, kMaxBytesDocumento + 1);
  struct Caso {
    std::string ruta;
    const char* mensaje;
  };
  const Caso casos[] = {
      {fifo, "Imposible abrir documento."},
      {"/dev/zero", "Imposible abrir documento."},
      {dir.ruta(), "Imposible abrir documento."},
      {disperso, "Formato de archivo no esperado."},
      {grande, "Formato de archivo no esperado."},
  };
  Abrir(kEjemplos[0]);
  const Bytes antes = Huella(doc);
  for (const auto& c : casos) {
    ui.Clear();
    const auto inicio = std::chrono::steady_clock::now();
    const ResultadoArchivo r = doc.OnOpenDocument(c.ruta);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - inicio)
                        .count();
    EXPECT_FALSE(r.ok) << c.ruta;
    EXPECT_EQ(r.mensaje, c.mensaje) << c.ruta;
    EXPECT_EQ(ui.Log().size(), 1u) << c.ruta;
    EXPECT_LT(ms, 1000) << c.ruta;
    EXPECT_EQ(Huella(doc), antes) << c.ruta;
    EXPECT_EQ(doc.GetTitle(), "cuatro_corrientes");
  }
  // A file of the largest size itself is read.
  fs::resize_file(grande, kMaxBytesDocumento);
  Bytes leidos;
  EXPECT_TRUE(LeerArchivo(grande, leidos).ok);
  EXPECT_EQ(leidos.size(), kMaxBytesDocumento);
}

TEST_F(DocumentoTest, GuardarSobreUnArchivoMasLargoNoDejaRestos) {
  Carpeta dir;
  const std::string ruta = dir / "planta.vdo";
  Bytes viejo = LeerBytes(kEjemplos[2]);
  viejo.resize(viejo.size() * 3, 0x55);
  EscribirBytes(ruta, viejo);
  ::chmod(ruta.c_str(), 0640);
  Abrir(kEjemplos[0]);
  ASSERT_TRUE(doc.OnSaveDocument(ruta).ok);
  EXPECT_EQ(LeerBytes(ruta), Huella(doc));
  struct stat st {};
  ASSERT_EQ(::stat(ruta.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(dir.Archivos(), std::vector<std::string>{"planta.vdo"});
}

// A write that fails half way (file-size limit) leaves the old file whole
// and no temporary file behind.
TEST_F(DocumentoTest, UnaEscrituraFallidaConservaElArchivoViejo) {
  Carpeta dir;
  const std::string ruta = dir / "planta.vdo";
  const Bytes viejo = LeerBytes(kEjemplos[0]);
  EscribirBytes(ruta, viejo);
  Abrir(kEjemplos[2]);  // a larger document
  doc.SetModifiedFlag();

  struct rlimit antes {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &antes), 0);
  auto* senal = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limite = antes;
  limite.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
  const ResultadoArchivo r = doc.OnSaveDocument(ruta);
  ::setrlimit(RLIMIT_FSIZE, &antes);
  std::signal(SIGXFSZ, senal);

  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.mensaje, "La unidad de disco de destino está llena.");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{r.mensaje});
  EXPECT_EQ(LeerBytes(ruta), viejo);
  EXPECT_EQ(dir.Archivos(), std::vector<std::string>{"planta.vdo"});
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.GetTitle(), "servicios_y_area");
}

// A folder the user may not write to: the save is refused with the
// framework's message and the old file stays. Run in a child process that
// gives up root, for whom every folder is writable.
TEST_F(DocumentoTest, CarpetaSinPermisoDeEscritura) {
  Carpeta dir;
  const std::string ruta = dir / "planta.vdo";
  const Bytes viejo = LeerBytes(kEjemplos[0]);
  EscribirBytes(ruta, viejo);
  ::chmod(ruta.c_str(), 0666);  // the file itself may be written
  ::chmod(dir.ruta().c_str(), 0755);
  Abrir(kEjemplos[2]);
  const std::string esperado =
      "Imposible escribir en " + ruta + ", es de sólo lectura o alguien más lo ha abierto.";

  const int codigo = EnProcesoHijo([&] {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 77;
    const ResultadoArchivo r = doc.OnSaveDocument(ruta);
    return !r.ok && r.mensaje == esperado ? 0 : 1;
  });
  if (codigo == 77) GTEST_SKIP() << "cannot give up root here";
  EXPECT_EQ(codigo, 0);
  EXPECT_EQ(LeerBytes(ruta), viejo);
  EXPECT_EQ(dir.Archivos(), std::vector<std::string>{"planta.vdo"});
}

// A save killed half way (here by the file-size limit's signal, as a crash
// or a power cut would stop it) leaves the old document whole and no
// temporary file beside it.
TEST_F(DocumentoTest, UnGuardadoInterrumpidoNoDejaTemporales) {
  Carpeta dir;
  const std::string ruta = dir / "planta.vdo";
  const Bytes viejo = LeerBytes(kEjemplos[0]);
  EscribirBytes(ruta, viejo);
  Abrir(kEjemplos[2]);
  const int codigo = EnProcesoHijo([&] {
    struct rlimit sinCore {0, 0};
    ::setrlimit(RLIMIT_CORE, &sinCore);
    std::signal(SIGXFSZ, SIG_DFL);
    struct rlimit limite {};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    limite.rlim_cur = 64;
    ::setrlimit(RLIMIT_FSIZE, &limite);
    doc.OnSaveDocument(ruta);
    return 0;
  });
  EXPECT_EQ(codigo, 128 + SIGXFSZ);
  EXPECT_EQ(LeerBytes(ruta), viejo);
  EXPECT_EQ(dir.Archivos(), std::vector<std::string>{"planta.vdo"});
}

// Where a file cannot be written unnamed first (no /proc through which to
// name it later), the save goes through a named temporary file and still
// replaces the document, leaving nothing else. Run in a child process with
// a mount namespace of its own, without /proc.
TEST_F(DocumentoTest, SinProcSeGuardaConUnTemporalConNombre) {
  Carpeta dir;
  const std::string ruta = dir / "planta.vdo";
  EscribirBytes(ruta, LeerBytes(kEjemplos[0]));
  Abrir(kEjemplos[2]);
  const Bytes nuevo = Huella(doc);
  const int codigo = EnProcesoHijo([&] {
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::umount2("/proc", MNT_DETACH) != 0)
      return 77;
    if (::access("/proc/self/fd", F_OK) == 0) return 78;
    return doc.OnSaveDocument(ruta).ok ? 0 : 1;
  });
  if (codigo == 77) GTEST_SKIP() << "no mount namespace of its own here";
  EXPECT_EQ(codigo, 0);
  EXPECT_EQ(LeerBytes(ruta), nuevo);
  EXPECT_EQ(dir.Archivos(), std::vector<std::string>{"planta.vdo"});
}

// A name as long as the file system allows is saved and opened again: the
// temporary file's own name stays short.
TEST_F(DocumentoTest, UnNombreLargoSeGuardaYSeVuelveAAbrir) {
  std::string nombre250, nombre255;
  for (int i = 0; i < 82; ++i) nombre250 += "炼";  // 3 bytes each
  nombre255 = nombre250 + "油oo";                   // 246 + 5
  nombre250 += ".vdo";
  nombre255 += ".vdo";
  ASSERT_EQ(nombre250.size(), 250u);
  ASSERT_EQ(nombre255.size(), 255u);
  for (const std::string& nombre : {nombre250, nombre255}) {
    SCOPED_TRACE(nombre.size());
    Carpeta dir;
    Abrir(kEjemplos[2]);
    const Bytes esperado = Huella(doc);
    ASSERT_TRUE(doc.OnSaveDocument(dir / nombre).ok) << ui.Messages().front();
    EXPECT_EQ(doc.GetTitle(), nombre.substr(0, nombre.size() - 4));
    // Saved again over itself, then opened.
    ASSERT_TRUE(doc.OnSaveDocument(dir / nombre).ok);
    EXPECT_EQ(dir.Archivos(), std::vector<std::string>{nombre});
    CVardoDoc leido;
    ASSERT_TRUE(leido.OnOpenDocument(dir / nombre).ok);
    EXPECT_EQ(Huella(leido), esperado);
  }
  EXPECT_TRUE(ui.Messages().empty());
}

// The writer refuses a document the reader would refuse for its size, with
// a message naming the limit, and writes nothing: the old file stays. One
// byte less is written and opens again.
TEST_F(DocumentoTest, UnDocumentoMayorQueElLimiteNoSeGuarda) {
  Carpeta dir;
  const std::string ruta = dir / "planta.vdo";
  const Bytes viejo = LeerBytes(kEjemplos[0]);
  EscribirBytes(ruta, viejo);
  Abrir(kEjemplos[0]);
  // A long stream name brings the file to the size wanted.
  // The size of the file: the two framing words and the body.
  const auto tamano = [this] {
    CDiagrama copia;
    CopiarModeloCompleto(copia, doc.m_Diagrama);
    Archive ar;
    copia.Serialize(ar);
    return 8 + ar.Bytes().size();
  };
  CCorriente& c = doc.m_Diagrama.m_corrientes[0];
  c.SetNombre(std::string(100000, 'x'));
  c.SetNombre(std::string(100000 + (kMaxBytesDocumento + 1 - tamano()), 'x'));
  ASSERT_EQ(tamano(), kMaxBytesDocumento + 1);
  doc.SetModifiedFlag();

  const std::string mensaje =
      "El documento no se ha guardado: ocuparía más de 64 MB, el tamaño mayor de un documento que "
      "se puede volver a abrir.";
  const ResultadoArchivo r = doc.OnSaveDocument(ruta);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.mensaje, mensaje);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{mensaje});
  const ResultadoArchivo copia = doc.GuardarCopia(dir / "Backup_of_planta.vdo");
  EXPECT_FALSE(copia.ok);
  EXPECT_EQ(copia.mensaje, mensaje);
  EXPECT_EQ(LeerBytes(ruta), viejo);
  EXPECT_EQ(dir.Archivos(), std::vector<std::string>{"planta.vdo"});
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.GetTitle(), "cuatro_corrientes");

  // At the limit itself: written, and read back.
  c.SetNombre(c.GetNombre().substr(1));
  ui.Clear();
  ASSERT_TRUE(doc.OnSaveDocument(ruta).ok);
  EXPECT_EQ(fs::file_size(ruta), kMaxBytesDocumento);
  CVardoDoc leido;
  ASSERT_TRUE(leido.OnOpenDocument(ruta).ok);
  EXPECT_EQ(leido.m_Diagrama.m_corrientes[0].GetNombre().size(), c.GetNombre().size());
}

TEST_F(DocumentoTest, GuardarRefrescaYNoCambiaElModo) {
  Carpeta dir;
  Abrir(kEjemplos[0]);
  doc.m_nModo = 7;
  doc.m_bRedibujar = false;
  doc.m_Diagrama.m_grafoConstruido = 1;
  doc.m_Diagrama.SetDTMin(12.5);
  estado.dtMin.clear();
  ASSERT_TRUE(doc.OnSaveDocument(dir / "a.vdo").ok);
  EXPECT_EQ(doc.m_nModo, 7);
  EXPECT_FALSE(doc.m_bRedibujar);
  EXPECT_EQ(doc.m_Diagrama.m_grafoConstruido, 0);
  EXPECT_EQ(estado.dtMin, "12.5");
  EXPECT_EQ(estado.cal.rfind("Cal:0./", 0), 0u);
}

// Whatever path put a value in the model, a save either refuses it with its
// message and writes nothing (the old file stays as it was), or writes bytes
// that open again: the document's save and the autosave copy alike.
TEST_F(DocumentoTest, CadaGuardadoSeVuelveAAbrirORechazaSinEscribir) {
  const double inf = std::numeric_limits<double>::infinity();
  const double valores[] = {inf, -inf, std::numeric_limits<double>::quiet_NaN(), 1e308};
  const std::string kNoFinitos = " tiene una temperatura o una entalpía que no es un número finito.";
  struct Campo {
    const char* nombre;
    // Puts v in its place; false when the sample has no such place.
    std::function<bool(CDiagrama&, double)> poner;
    // The reason of a refusal for a value that is not finite; empty: every
    // value is written and read back.
    std::string motivo;
  };
  const Campo campos[] = {
      {"DT min", [](CDiagrama& d, double v) { d.SetDTMin(v); return true; },
       "la diferencia mínima de temperatura no es un número finito."},
      {"entrada de una corriente", [](CDiagrama& d, double v) { d.m_corrientes[1].SetT1(v); return true; },
       "la corriente 2" + kNoFinitos},
      {"salida de una corriente", [](CDiagrama& d, double v) { d.m_corrientes[1].SetT2(v); return true; },
       "la corriente 2" + kNoFinitos},
      {"calor de una corriente", [](CDiagrama& d, double v) { d.m_corrientes[0].SetHFinal(v); return true; },
       "la corriente 1" + kNoFinitos},
      {"coeficiente de una corriente", [](CDiagrama& d, double v) { d.m_corrientes[0].m_h = v; return true; },
       ""},
      {"temperatura de un servicio",
       [](CDiagrama& d, double v) {
         if (d.m_servicios.empty()) return false;
         d.m_servicios[0].SetT1(v);
         return true;
       },
       "el servicio S1" + kNoFinitos},
      {"temperatura del servicio por defecto",
       [](CDiagrama& d, double v) { d.m_tCalienteGenerico = v; return true; }, ""},
      {"coste de la calefacción", [](CDiagrama& d, double v) { d.m_costeCaliente = v; return true; }, ""},
      {"ley de costes de una corriente", [](CDiagrama& d, double v) { d.m_corrientes[0].m_a = v; return true; },
       ""},
  };
  for (const char* ejemplo : kEjemplos) {
    for (const Campo& c : campos) {
      for (const double v : valores) {
        SCOPED_TRACE(std::string(ejemplo) + ", " + c.nombre + " = " + std::to_string(v));
        Carpeta dir;
        const std::string ruta = dir / "planta.vdo";
        const Bytes viejo = LeerBytes(kEjemplos[0]);
        EscribirBytes(ruta, viejo);
        CVardoDoc d;
        PuertosDocumento p;
        p.ui = &ui;
        d.SetPuertos(p);
        ASSERT_TRUE(d.OnOpenDocument(ejemplo).ok);
        if (!c.poner(d.m_Diagrama, v)) continue;
        d.SetModifiedFlag();
        ui.Clear();
        const bool rechazado = !c.motivo.empty() && !std::isfinite(v);
        const std::string mensaje = "El documento no se ha guardado: " + c.motivo;

        const ResultadoArchivo r = d.OnSaveDocument(ruta);
        const ResultadoArchivo copia = d.GuardarCopia(dir / "Backup_of_planta.vdo");
        EXPECT_EQ(r.ok, !rechazado);
        EXPECT_EQ(copia.ok, !rechazado);
        if (rechazado) {
          EXPECT_EQ(r.mensaje, mensaje);
          EXPECT_EQ(copia.mensaje, mensaje);
          EXPECT_EQ(ui.Messages(), std::vector<std::string>{mensaje});
          EXPECT_EQ(LeerBytes(ruta), viejo);
          EXPECT_EQ(dir.Archivos(), std::vector<std::string>{"planta.vdo"});
          EXPECT_TRUE(d.IsModified());
          continue;
        }
        EXPECT_TRUE(ui.Messages().empty());
        for (const std::string& escrito : {ruta, dir / "Backup_of_planta.vdo"}) {
          CVardoDoc leido;
          leido.SetPuertos(p);
          EXPECT_TRUE(leido.OnOpenDocument(escrito).ok) << escrito;
        }
      }
    }
  }
}

TEST_F(DocumentoTest, LaCopiaNoTocaElDocumento) {
  Carpeta dir;
  Abrir(kEjemplos[2]);
  doc.m_Diagrama.m_grafoConstruido = 1;
  doc.m_Diagrama.m_rectGrafico.right = 24500;  // stored in the file
  doc.SetModifiedFlag();
  const int contadores = estado.llamadasContadores;
  ASSERT_TRUE(doc.GuardarCopia(dir / "Backup_of_x.vdo").ok);
  EXPECT_EQ(LeerBytes(dir / "Backup_of_x.vdo"), Huella(doc));
  EXPECT_EQ(doc.m_Diagrama.m_grafoConstruido, 1);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.GetTitle(), "servicios_y_area");
  EXPECT_EQ(estado.llamadasContadores, contadores);
}

// ------------------------------------------------ documents, titles, texts

TEST_F(DocumentoTest, DocumentoActivoYBusquedaPorRuta) {
  Abrir(kEjemplos[1]);
  auto* otro = new CVardoDoc;
  CVardoDoc::SetDocActivo(otro);
  EXPECT_EQ(CVardoDoc::GetDocActivo(), otro);
  CVardoDoc::SetDocActivo(&doc);
  EXPECT_EQ(CVardoDoc::GetDocActivo(), &doc);
  EXPECT_EQ(CVardoDoc::BuscarPorRuta(kEjemplos[1]), &doc);
  EXPECT_EQ(CVardoDoc::BuscarPorRuta(kEjemplos[0]), nullptr);
  CVardoDoc::SetDocActivo(otro);
  delete otro;
  EXPECT_EQ(CVardoDoc::GetDocActivo(), nullptr);
  // A pointer that names no open document is not taken.
  CVardoDoc::SetDocActivo(reinterpret_cast<CVardoDoc*>(&ui));
  EXPECT_EQ(CVardoDoc::GetDocActivo(), nullptr);
}

TEST_F(DocumentoTest, DocumentoNuevo) {
  Abrir(kEjemplos[0]);
  doc.m_Diagrama.m_rectGrafico.right = 30000;
  ASSERT_TRUE(doc.OnNewDocument());
  EXPECT_EQ(doc.m_Diagrama.GetNumCorrientes(), 0);
  EXPECT_EQ(doc.m_Diagrama.m_rectGrafico, CDiagrama::kRectGraficoDefecto);
  EXPECT_EQ(doc.m_nModo, kModoNinguno);
  EXPECT_TRUE(doc.GetPathName().empty());
  EXPECT_FALSE(doc.IsModified());
  const std::string t1 = doc.GetTitle();
  ASSERT_EQ(t1.rfind("Vardo", 0), 0u);
  CVardoDoc otro;
  otro.OnNewDocument();
  EXPECT_EQ(otro.GetTitle(), "Vardo" + std::to_string(std::stoi(t1.substr(5)) + 1));
}

TEST(TextoEstado, SeTomaLiteralYSeCortaA255Caracteres) {
  std::string enie;
  for (int i = 0; i < 300; ++i) enie += "ñ";
  const struct {
    std::string entrada, salida;
  } casos[] = {
      {"Preparado", "Preparado"},
      {"100% %d %s", "100% %d %s"},
      {std::string(300, 'a'), std::string(255, 'a')},
      {std::string(254, 'a') + "ñb", std::string(254, 'a') + "ñ"},
      {enie, enie.substr(0, 510)},
  };
  for (const auto& c : casos) EXPECT_EQ(TextoEstado(c.entrada), c.salida);
}

}  // namespace
}  // namespace vardo
