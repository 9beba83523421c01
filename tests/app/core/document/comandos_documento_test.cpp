// The document's commands on scripted dialogs: enable rules, the order of
// their steps (undo step, question, take back, check, refresh, modified) and
// their texts.
#include "app/core/document/comandos_documento.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/core/document/ids_comandos.h"
#include "model/bifurcacion_edicion.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/numtext.h"
#include "tests/comun/problemas.h"
#include "tests/comun/puertos_prueba.h"

namespace vardo {
namespace {

namespace fs = std::filesystem;

// The view's selected kind, as the grid diagram leaves it.
class VistaConSeleccion : public VistasGrabadas {
 public:
  int TipoSeleccion() const override { return tipo; }
  void SetTipoSeleccion(int t) override { tipo = t; }
  int tipo = kSelNada;
};

// A factory some of whose dialogs are not built yet.
class FabricaParcial : public FabricaDialogosGuion {
 public:
  bool Disponible(DialogoId id) const override { return faltan.count(id) == 0; }
  std::set<DialogoId> faltan;
};

class VisorGuion : public PuertoVisorObjetos {
 public:
  std::int32_t GetAreaSeleccionada() const override { return area; }
  std::int32_t area = -1;
};

class ArchivosGuion : public PuertoArchivos {
 public:
  std::string ElegirArchivoGuardar(const PeticionGuardar& p) override {
    peticiones.push_back(p);
    return respuesta;
  }
  std::string respuesta;
  std::vector<PeticionGuardar> peticiones;
};

// The four-stream design at minimum utilities with a hot utility at 500 K.
CDiagrama Diseno() {
  CDiagrama d = prueba::DisenoCuatroCorrientes();
  d.m_servicios.push_back(prueba::ServicioLatente(500, 20, 0));
  return d;
}

class Comandos : public ::testing::Test {
 public:
  void SetUp() override {
    SetDefaultUiPort(&ui);
    PuertosDocumento p;
    p.ui = &ui;
    p.dialogos = &dlg;
    p.estado = &estado;
    p.campoDTMin = &estado;
    p.paneles = &paneles;
    p.vistas = &vista;
    p.visor = &visor;
    p.archivos = &archivos;
    doc.SetPuertos(p);
  }
  void TearDown() override { SetDefaultUiPort(nullptr); }

  void Cargar(const CDiagrama& d) { CopiarModeloCompleto(doc.m_Diagrama, d); }
  void SeleccionarCorriente(std::int32_t ref) {
    doc.m_Diagrama.SeleccionarCorriente(ref);
    vista.tipo = kSelCorriente;
  }
  void SeleccionarCambiador(std::int32_t i) {
    doc.m_Diagrama.SeleccionarCambiador(i);
    vista.tipo = kSelCambiador;
  }
  bool Habilitado(int id) { return EstadoComandoDocumento(&doc, id).habilitado; }
  bool Ejecutar(int id) { return EjecutarComandoDocumento(doc, id); }
  // Questions asked, in order.
  std::vector<std::string> Preguntas() const {
    std::vector<std::string> v;
    for (const auto& e : ui.Log())
      if (e.type != RecordingUiPort::Entry::Type::Message) v.push_back(e.text);
    return v;
  }
  // A state to come back to by redo: one change, undone.
  void DejarRehacer() {
    doc.GuardarDeshacer(true);
    doc.m_Diagrama.SetDTMin(11.0);
    ASSERT_TRUE(doc.Deshacer());
    ASSERT_EQ(doc.NumRehacer(), 1);
  }

  RecordingUiPort ui;
  FabricaParcial dlg;
  EstadoGrabado estado;
  PanelesGrabados paneles;
  VistaConSeleccion vista;
  VisorGuion visor;
  ArchivosGuion archivos;
  CVardoDoc doc;
};

// ------------------------------------------------------------ enable rules

TEST_F(Comandos, HabilitadosSegunProblemaYSeleccion) {
  using namespace cmd;
  struct Estado {
    const char* nombre;
    std::function<void()> preparar;
  };
  const Estado estados[] = {
      {"vacio", [] {}},
      {"diseno", [&] { Cargar(Diseno()); }},
      {"corriente", [&] { Cargar(Diseno()); SeleccionarCorriente(1); }},
      {"cambiador", [&] { Cargar(Diseno()); SeleccionarCambiador(0); }},
      {"servicio", [&] { Cargar(Diseno()); SeleccionarCorriente(kRefServicio); }},
      // The model still names stream 1, but the view selects nothing.
      {"sin tipo", [&] { Cargar(Diseno()); SeleccionarCorriente(1); vista.tipo = kSelNada; }},
      // Deselection leaves index 0 in the model: it names no selected stream.
      {"deseleccionada",
       [&] { Cargar(Diseno()); SeleccionarCorriente(1); doc.m_Diagrama.DeseleccionarCorriente(); }},
      {"rama",
       [&] {
         Cargar(Diseno());
         ASSERT_EQ(BifurcarCorriente(doc.m_Diagrama, 1, 443.15, 333.15, 333.15, 50, 50), 0);
         SeleccionarCorriente(5);
       }},
      {"anillos buscados", [&] { Cargar(Diseno()); doc.m_Diagrama.m_grafoConstruido = 1; }},
  };
  struct Caso {
    const char* nombre;
    int id;
    std::vector<bool> esperado;  // per state, in the order above
  };
  const Caso casos[] = {
      {"añadir corrientes", kAnadirCorrientes, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"borrar corrientes", kBorrarCorrientes, {0, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"borrar cambiadores", kBorrarCambiadores, {0, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"combinar servicios", kCombinarServicios, {0, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"perturbaciones", kPerturbaciones, {0, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"añadir anillo (vista)", kAnadirAnillo, {0, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"siguiente anillo (vista)", kAnilloSiguiente, {0, 0, 0, 0, 0, 0, 0, 0, 1}},
      {"modificar corriente", kModificarCorriente, {0, 0, 1, 0, 0, 0, 0, 1, 0}},
      {"borrar corriente sel", kBorrarCorrienteSel, {0, 0, 1, 0, 0, 0, 0, 1, 0}},
      {"propiedades corriente", kPropiedadesCorriente, {0, 0, 1, 0, 0, 0, 0, 1, 0}},
      {"propiedades servicio", kPropiedadesServicio, {0, 0, 0, 0, 1, 0, 0, 0, 0}},
      {"borrar servicio sel", kBorrarServicioSel, {0, 0, 0, 0, 1, 0, 0, 0, 0}},
      {"formato cambiador", kFormatoCambiador, {0, 0, 0, 1, 0, 0, 0, 0, 0}},
      {"borrar cambiador sel", kBorrarCambiadorSel, {0, 0, 0, 1, 0, 0, 0, 0, 0}},
      // A part of a split can be split again (the split grows).
      {"nueva bifurcación", kBifurcarNueva, {0, 0, 1, 0, 0, 0, 0, 1, 0}},
      {"borrar bifurcación", kBifurcarBorrar, {0, 0, 0, 0, 0, 0, 0, 1, 0}},
      {"lado caliente (menú de corriente)", kLadoCalienteCorriente, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"seleccionar área", kSeleccionarArea, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"informe", kInforme, {0, 1, 1, 1, 1, 1, 1, 1, 1}},
  };
  for (std::size_t k = 0; k < std::size(estados); ++k) {
    doc.OnNewDocument();
    vista.tipo = kSelNada;
    estados[k].preparar();
    for (const Caso& c : casos)
      EXPECT_EQ(Habilitado(c.id), c.esperado[k]) << c.nombre << " en " << estados[k].nombre;
  }
  // Without a document nothing is enabled.
  for (const Caso& c : casos) EXPECT_FALSE(EstadoComandoDocumento(nullptr, c.id).habilitado);
  // On a split of H2 (443.15 -> 333.15 K) at 420 K into branches to 350 K,
  // every part but the main branch (drawn on its node's row, with no room
  // for a further node) can be split.
  doc.OnNewDocument();
  Cargar(Diseno());
  ASSERT_EQ(BifurcarCorriente(doc.m_Diagrama, 1, 420, 350, 350, 50, 50), 0);
  const CCuaterna& nodo = doc.m_Diagrama.m_bifurcadas[0].nodos[0];
  for (std::int32_t parte = 0; parte < 4; ++parte) {
    const std::int32_t ref = nodo.Referencia(parte);
    SeleccionarCorriente(ref);
    EXPECT_EQ(Habilitado(kBifurcarNueva), ref != nodo.refRamaPrincipal) << parte;
  }
  // The view runs its own loop commands.
  EXPECT_FALSE(EsComandoDocumento(kAnadirAnillo));
  EXPECT_FALSE(Ejecutar(kAnilloSiguiente));
}

TEST_F(Comandos, SinSuDialogoElComandoQuedaDeshabilitado) {
  using namespace cmd;
  struct Caso {
    const char* nombre;
    int id;
    DialogoId falta;
    std::function<void()> preparar;
  };
  const auto seleccionada = [&](double t2) {
    return [&, t2] {
      CDiagrama d = Diseno();
      d.AddCorriente(400, t2, 100, 0, t2 == 400 ? 1 : 0);
      Cargar(d);
      SeleccionarCorriente(4);
    };
  };
  const Caso casos[] = {
      {"añadir corrientes", kAnadirCorrientes, DialogoId::CorrientesSheet, [] {}},
      {"borrar servicios", kBorrarServicios, DialogoId::BorrarServicios, [] {}},
      {"bifurcar sensible", kBifurcarNueva, DialogoId::Bifurcar, seleccionada(300)},
      {"bifurcar latente", kBifurcarNueva, DialogoId::BifurcarH, seleccionada(400)},
      {"factibilidad con la opción", kFactibilidadCaliente, DialogoId::Factibilidad,
       [&] { doc.m_bUsarFactibilidad = true; }},
      {"factibilidad sin la opción", kFactibilidadFrio, DialogoId::FactibilidadVentana,
       [&] { doc.m_bUsarFactibilidad = false; }},
      {"informe", kInforme, DialogoId::GenerandoInforme, [] {}},
      {"errores", kErrores, DialogoId::CalculoCamb, [] {}},
  };
  for (const Caso& c : casos) {
    Cargar(Diseno());
    vista.tipo = kSelNada;
    c.preparar();
    dlg.faltan = {c.falta};
    EXPECT_FALSE(Habilitado(c.id)) << c.nombre;
    EXPECT_FALSE(Ejecutar(c.id)) << c.nombre;
    dlg.faltan.clear();
    EXPECT_TRUE(Habilitado(c.id)) << c.nombre;
  }
  EXPECT_TRUE(dlg.Llamadas().empty());
  // The report also needs the save dialog.
  doc.Puertos().archivos = nullptr;
  EXPECT_FALSE(Habilitado(kInforme));
}

TEST_F(Comandos, MarcasDeMostrarServiciosYUsarFactibilidad) {
  Cargar(Diseno());
  doc.m_bUsarFactibilidad = true;
  EXPECT_EQ(EstadoComandoDocumento(&doc, cmd::kUsarFactibilidad).marcado, std::optional(true));
  ASSERT_TRUE(Ejecutar(cmd::kUsarFactibilidad));
  EXPECT_EQ(EstadoComandoDocumento(&doc, cmd::kUsarFactibilidad).marcado, std::optional(false));
  // The option is stored in the file.
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.NumDeshacer(), 0);
  EXPECT_EQ(EstadoComandoDocumento(&doc, cmd::kMostrarServicios).marcado, std::optional(false));
  EXPECT_FALSE(EstadoComandoDocumento(&doc, cmd::kAnadirCorrientes).marcado.has_value());
}

// --------------------------------------------------------- deleting streams

TEST_F(Comandos, BorrarTodasLasCorrientesDejaUnModeloVacioYUnPasoDeDeshacer) {
  Cargar(Diseno());
  doc.m_nModo = kModoRejilla;
  dlg.Aceptar<DlgBorrarCorrientes>([](DlgBorrarCorrientes& d) { d.eleccion = d.kTodos; });
  ui.Script({Answer::Yes});
  ASSERT_TRUE(Ejecutar(cmd::kBorrarCorrientes));
  EXPECT_EQ(dlg.Ultima<DlgBorrarCorrientes>().numero, 4);
  EXPECT_EQ(Preguntas(), std::vector<std::string>{"¿Confirma que desea eliminar la corriente?"});
  EXPECT_EQ(doc.m_Diagrama.GetNumCorrientes(), 0);
  EXPECT_EQ(doc.m_Diagrama.GetNumCambiadores(), 0);
  EXPECT_TRUE(doc.m_Diagrama.m_bifurcadas.empty());
  EXPECT_EQ(doc.m_Diagrama.GetNumServicios(), 1);
  EXPECT_EQ(doc.m_nModo, kModoNinguno);
  EXPECT_TRUE(doc.IsModified());
  ASSERT_EQ(doc.NumDeshacer(), 1);
  ASSERT_TRUE(doc.Deshacer());
  EXPECT_EQ(doc.m_Diagrama.GetNumCorrientes(), 4);
  EXPECT_EQ(doc.m_Diagrama.GetNumCambiadores(), 6);
  EXPECT_EQ(doc.m_nModo, kModoRejilla);
}

// "No" to the question changes nothing: no empty undo step, and the redo
// history survives.
TEST_F(Comandos, BorrarPreguntaAntesDeGuardarElPasoDeDeshacer) {
  struct Caso {
    const char* nombre;
    int id;
    std::function<void()> guion;
    const char* pregunta;
  };
  const Caso casos[] = {
      {"corrientes", cmd::kBorrarCorrientes,
       [&] { dlg.Aceptar<DlgBorrarCorrientes>([](DlgBorrarCorrientes& d) { d.indice = 2; }); },
       "¿Confirma que desea eliminar la corriente?"},
      {"cambiadores", cmd::kBorrarCambiadores,
       [&] { dlg.Aceptar<DlgBorrarCambiadores>([](DlgBorrarCambiadores& d) { d.indice = 1; }); },
       "¿Confirma que desea eliminar el cambiador?"},
      {"servicios", cmd::kBorrarServicios,
       [&] { dlg.Aceptar<DlgBorrarServicios>([](DlgBorrarServicios& d) { d.indice = 0; }); },
       "¿Confirma que desea eliminar el servicio general?"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Cargar(Diseno());
    DejarRehacer();
    const int pasos = doc.NumDeshacer();
    ui.Clear();
    c.guion();
    ui.Script({Answer::No});
    ASSERT_TRUE(Ejecutar(c.id));
    EXPECT_EQ(Preguntas(), std::vector<std::string>{c.pregunta});
    EXPECT_EQ(doc.NumDeshacer(), pasos);
    EXPECT_EQ(doc.NumRehacer(), 1);
    EXPECT_EQ(doc.m_Diagrama.GetNumCorrientes(), 4);
    EXPECT_EQ(doc.m_Diagrama.GetNumCambiadores(), 6);
    EXPECT_EQ(doc.m_Diagrama.GetNumServicios(), 1);
    // "Sí" deletes with one undo step.
    c.guion();
    ui.Script({Answer::Yes});
    ASSERT_TRUE(Ejecutar(c.id));
    EXPECT_EQ(doc.NumDeshacer(), pasos + 1);
    EXPECT_EQ(doc.NumRehacer(), 0);
    EXPECT_EQ(doc.m_Diagrama.GetNumCorrientes() + doc.m_Diagrama.GetNumCambiadores() +
                  doc.m_Diagrama.GetNumServicios(),
              // C3 takes its exchanger with it.
              4 + 6 + 1 - 1 - (c.id == cmd::kBorrarCorrientes ? 1 : 0));
  }
}

TEST_F(Comandos, BorrarUnaRamaBorraTodaLaBifurcacion) {
  CDiagrama d = prueba::CuatroCorrientes();
  ASSERT_EQ(BifurcarCorriente(d, 1, 443.15, 333.15, 333.15, 50, 50), 0);
  Cargar(d);
  ASSERT_EQ(doc.m_Diagrama.GetNumCorrientes(), 7);
  dlg.Aceptar<DlgBorrarCorrientes>([](DlgBorrarCorrientes& d) { d.indice = 4; });
  ui.Script({Answer::Yes});
  ASSERT_TRUE(Ejecutar(cmd::kBorrarCorrientes));
  EXPECT_EQ(doc.m_Diagrama.GetNumCorrientes(), 3);
  EXPECT_TRUE(doc.m_Diagrama.m_bifurcadas.empty());
}

// A second Delete after the first must not reach the object that took the
// deleted one's place (the model's deselection leaves index 0 behind).
TEST_F(Comandos, BorrarLaSeleccionSoloBorraLoSeleccionado) {
  struct Caso {
    const char* nombre;
    int id;
    std::function<void(Comandos&)> seleccionar;
    std::function<int(const CDiagrama&)> cuenta;
  };
  const Caso casos[] = {
      {"corriente", cmd::kBorrarCorrienteSel, [](Comandos& t) { t.SeleccionarCorriente(2); },
       [](const CDiagrama& d) { return d.GetNumCorrientes(); }},
      {"cambiador", cmd::kBorrarCambiadorSel, [](Comandos& t) { t.SeleccionarCambiador(3); },
       [](const CDiagrama& d) { return d.GetNumCambiadores(); }},
      {"servicio", cmd::kBorrarServicioSel,
       [](Comandos& t) { t.SeleccionarCorriente(kRefServicio); },
       [](const CDiagrama& d) { return d.GetNumServicios(); }},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Cargar(Diseno());
    ui.Clear();
    c.seleccionar(*this);
    const int antes = c.cuenta(doc.m_Diagrama);
    const int pasos = doc.NumDeshacer();
    ui.Script({Answer::Yes});
    ASSERT_TRUE(Ejecutar(c.id));
    EXPECT_EQ(c.cuenta(doc.m_Diagrama), antes - 1);
    EXPECT_EQ(vista.tipo, kSelNada);
    EXPECT_EQ(doc.NumDeshacer(), pasos + 1);
    // The second Delete: disabled, and the direct call asks nothing.
    EXPECT_FALSE(Ejecutar(c.id));
    vista.tipo = c.id == cmd::kBorrarCambiadorSel ? kSelCambiador : kSelCorriente;
    if (c.id == cmd::kBorrarCorrienteSel) doc.BorrarCorrienteSel();
    if (c.id == cmd::kBorrarCambiadorSel) doc.BorrarCambiadorSel();
    if (c.id == cmd::kBorrarServicioSel) doc.BorrarServicioSel();
    EXPECT_EQ(c.cuenta(doc.m_Diagrama), antes - 1);
    EXPECT_EQ(vista.tipo, kSelNada);
    EXPECT_EQ(Preguntas().size(), 1u);
  }
  // On an empty model a stale kind reads nothing.
  doc.OnNewDocument();
  const int pasos = doc.NumDeshacer();
  vista.tipo = kSelCorriente;
  doc.BorrarCorrienteSel();
  vista.tipo = kSelCambiador;
  doc.BorrarCambiadorSel();
  EXPECT_EQ(vista.tipo, kSelNada);
  EXPECT_EQ(doc.NumDeshacer(), pasos);
}

TEST_F(Comandos, BorrarUnCambiadorConErroresLlevaAlEditor) {
  CDiagrama d = prueba::CuatroCorrientes();
  // H2 -> C3 240 kW, correct; H2 -> C1 10 kW with no temperature: an error.
  d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, 240);
  d.AddCambiador(kModoQ, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 10);
  Cargar(d);
  SeleccionarCambiador(0);
  ui.Script({Answer::Yes});
  dlg.Aceptar<DlgCalculoCambiadores>();  // "Corregir"
  dlg.Cancelar<DlgCambiadores>();
  ASSERT_TRUE(Ejecutar(cmd::kBorrarCambiadorSel));
  ASSERT_EQ(dlg.Veces(DialogoId::CalculoCamb), 1);
  EXPECT_TRUE(dlg.Ultima<DlgCalculoCambiadores>().corregible);
  ASSERT_EQ(dlg.Veces(DialogoId::AddCamb), 1);
  EXPECT_EQ(dlg.Ultima<DlgCambiadores>().cambiador, 0);  // the faulty one, renumbered
  EXPECT_EQ(dlg.Ultima<DlgCambiadores>().modo, 1);
  EXPECT_EQ(doc.m_Diagrama.GetNumCambiadores(), 1);
  EXPECT_EQ(doc.NumDeshacer(), 1);
  EXPECT_TRUE(doc.IsModified());
}

// -------------------------------------------------------------- exchangers

TEST_F(Comandos, CancelarUnCambiadorAnadidoConservaLosAnterioresSinDibujar) {
  CDiagrama d = prueba::CuatroCorrientes();
  // Two exchangers accepted while a chart was shown: never drawn.
  d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, 240);
  d.AddCambiador(kModoQ, 3, 0, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, 30);
  struct Caso {
    std::int32_t modo;
    int quedan;
  };
  for (const Caso& c : {Caso{1, 2}, Caso{0, 2}}) {
    Cargar(d);
    if (c.modo == 0) {
      // The grid diagram adds the provisional exchanger and selects it.
      doc.m_Diagrama.AddCambiador(kModoQ, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0);
      SeleccionarCambiador(2);
    }
    doc.SetModifiedFlag(false);
    dlg.Cancelar<DlgCambiadores>();
    doc.EditarCambiadores(c.modo == 0 ? 2 : 0, c.modo);
    EXPECT_EQ(doc.m_Diagrama.GetNumCambiadores(), c.quedan) << c.modo;
    EXPECT_DOUBLE_EQ(doc.m_Diagrama.m_cambiadores[1].valorQ, 30) << c.modo;
    EXPECT_EQ(doc.NumDeshacer(), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(vista.tipo, kSelNada);
  }
}

// "Corregir" and then Cancel in the exchangers dialog: the change that led
// to the check is kept, so the document must say it is modified.
TEST_F(Comandos, LosCambiosSinPasoNuevoMarcanElDocumento) {
  struct Caso {
    const char* nombre;
    std::function<void()> preparar;
    int id;
    int editores;  // exchangers dialogs opened on the way
  };
  const Caso casos[] = {
      {"añadir corrientes, corregir y cancelar",
       [&] {
         Cargar(prueba::CuatroCorrientes());
         dlg.Aceptar<DlgCorrientes>([](DlgCorrientes& d) {
           d.modelo.AddCambiador(kModoQ, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 10.0);
         });
         dlg.Aceptar<DlgCalculoCambiadores>();
         dlg.Cancelar<DlgCambiadores>();
       },
       cmd::kAnadirCorrientes, 1},
      {"mostrar servicios", [&] { ui.Script({Answer::Yes, Answer::Yes}); }, cmd::kMostrarServicios,
       0},
      {"borrar bifurcación",
       [&] {
         ASSERT_EQ(BifurcarCorriente(doc.m_Diagrama, 1, 443.15, 333.15, 333.15, 50, 50), 0);
         SeleccionarCorriente(5);
         ui.Script({Answer::Yes});
       },
       cmd::kBifurcarBorrar, 0},
      // Branches without exchangers end where they start.
      {"calcular temperaturas",
       [&] {
         ASSERT_EQ(BifurcarCorriente(doc.m_Diagrama, 1, 443.15, 333.15, 333.15, 50, 50), 0);
         SeleccionarCorriente(5);
       },
       cmd::kBifurcarTemperaturas, 0},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Cargar(Diseno());
    vista.tipo = kSelNada;
    dlg.Limpiar();
    c.preparar();
    doc.SetModifiedFlag(false);
    ASSERT_TRUE(Ejecutar(c.id));
    EXPECT_EQ(dlg.Veces(DialogoId::AddCamb), c.editores);
    EXPECT_TRUE(doc.IsModified());
  }
}

TEST_F(Comandos, ModificarUnaCorrienteAbreElEditorEnElCambiadorErroneo) {
  Cargar(Diseno());
  SeleccionarCorriente(1);
  // H2 now ends at 400 K: the exchangers below the pinch cannot work.
  dlg.Aceptar<DlgCorrientes>([](DlgCorrientes& d) {
    d.modelo.m_corrientes[1].SetT2(400.0);
    d.modelo.m_corrientes[1].CalcularHFinal();
  });
  dlg.Cancelar<DlgCambiadores>();
  ASSERT_TRUE(Ejecutar(cmd::kModificarCorriente));
  EXPECT_EQ(dlg.Ultima<DlgCorrientes>().corriente, 1);
  ASSERT_EQ(dlg.Veces(DialogoId::AddCamb), 1);
  EXPECT_EQ(dlg.Veces(DialogoId::CalculoCamb), 0);  // no message first
  EXPECT_GE(dlg.Ultima<DlgCambiadores>().cambiador, 0);
  EXPECT_EQ(dlg.Ultima<DlgCambiadores>().modo, 1);
  EXPECT_EQ(doc.NumDeshacer(), 1);
  EXPECT_TRUE(doc.IsModified());
  // Both sides were attached again to the changed stream.
  EXPECT_DOUBLE_EQ(doc.m_Diagrama.m_cambiadores[0].ladoCaliente.t2, 400.0);
}

TEST_F(Comandos, FormatoDeUnCambiadorYDeshacer) {
  Cargar(Diseno());
  SeleccionarCambiador(2);
  CCambiador& c = doc.m_Diagrama.m_cambiadores[2];
  c.SetFormato(0, 1, 0, 1, 1, 1, 4.0);
  dlg.Aceptar<DlgFormatoCambiador>([](DlgFormatoCambiador& d) {
    d.verEntradaCaliente = 1;
    d.verEntradaFria = 1;
    d.verSalidaCaliente = 0;
    d.verSalidaFria = 0;
  });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoCambiador));
  const DlgFormatoCambiador& dado = dlg.Ultima<DlgFormatoCambiador>();
  EXPECT_EQ(dado.numero, 3);
  EXPECT_EQ(dado.verSalidaCaliente, 1);
  const CCambiador& x = doc.m_Diagrama.m_cambiadores[2];
  EXPECT_EQ(std::vector<int>({x.verEntradaCaliente, x.verSalidaCaliente, x.verEntradaFria,
                              x.verSalidaFria, x.verQ, x.posicionNumero}),
            std::vector<int>({1, 0, 1, 0, 1, 1}));
  EXPECT_EQ(x.tamano, 4.0);
  ASSERT_TRUE(doc.Deshacer());
  const CCambiador& y = doc.m_Diagrama.m_cambiadores[2];
  EXPECT_EQ(std::vector<int>({y.verEntradaCaliente, y.verSalidaCaliente, y.verEntradaFria,
                              y.verSalidaFria}),
            std::vector<int>({0, 1, 0, 1}));

  // The format of every exchanger, preset from the first one.
  doc.m_Diagrama.m_cambiadores[0].SetFormato(1, 1, 1, 1, 0, 2, 3.0);
  dlg.Aceptar<DlgFormatoCambiadores>([](DlgFormatoCambiadores& d) { d.tamano = 8.0; });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoCambiadores));
  EXPECT_EQ(dlg.Ultima<DlgFormatoCambiadores>().posicionNumero, 2);
  EXPECT_EQ(dlg.Ultima<DlgFormatoCambiadores>().tamano, 3.0);
  for (const CCambiador& e : doc.m_Diagrama.m_cambiadores) {
    EXPECT_EQ(e.tamano, 8.0);
    EXPECT_EQ(e.verQ, 0);
    EXPECT_EQ(e.verEntradaFria, 1);
  }
}

TEST_F(Comandos, ErroresYCrucesDelPinch) {
  Cargar(Diseno());
  ASSERT_TRUE(prueba::Calculada(CalcularRed(doc.m_Diagrama)));
  ASSERT_TRUE(Ejecutar(cmd::kErrores));
  ASSERT_TRUE(Ejecutar(cmd::kCrucePinch));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                               "No se han encontrado errores",
                               "No se han encontrado emparejamientos a través del pinch"}));
  EXPECT_TRUE(dlg.Llamadas().empty());
  // H4 -> C1 from both supply ends crosses the pinch.
  doc.m_Diagrama.AddCambiador(kModoQ, 3, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 50);
  CalcularRed(doc.m_Diagrama);
  ASSERT_TRUE(Ejecutar(cmd::kCrucePinch));
  EXPECT_EQ(dlg.Veces(DialogoId::CrucePinch), 1);
  // With one area shown that holds none of its streams, it is left out.
  doc.m_Diagrama.AddArea("Norte", 0);
  doc.m_Diagrama.m_areas[0].mostrada = 1;
  ASSERT_TRUE(Ejecutar(cmd::kCrucePinch));
  EXPECT_EQ(dlg.Veces(DialogoId::CrucePinch), 1);
}

// ---------------------------------------------------------------- splits

TEST_F(Comandos, NuevaBifurcacionYModificarConDeshacer) {
  Cargar(prueba::CuatroCorrientes());
  doc.m_nModo = kModoCompuestas;
  SeleccionarCorriente(1);
  dlg.Aceptar<DlgBifurcar>([](DlgBifurcar& d) {
    d.tEntrada = 443.15;
    d.tSalida1 = 333.15;
    d.tSalida2 = 333.15;
    d.porcentaje1 = 60;
    d.porcentaje2 = 40;
  });
  ASSERT_TRUE(Ejecutar(cmd::kBifurcarNueva));
  EXPECT_EQ(dlg.Ultima<DlgBifurcar>().numero, 2);
  EXPECT_EQ(dlg.Ultima<DlgBifurcar>().corriente.GetT1(), 443.15);
  ASSERT_EQ(doc.m_Diagrama.m_bifurcadas.size(), 1u);
  ASSERT_EQ(doc.m_Diagrama.GetNumCorrientes(), 7);
  EXPECT_NEAR(doc.m_Diagrama.m_corrientes[4].GetCP(kTSentinel, kTSentinel), 1.8, 1e-9);
  EXPECT_EQ(vista.tipo, kSelNada);
  EXPECT_TRUE(doc.m_bRedibujar);
  EXPECT_EQ(doc.NumDeshacer(), 1);
  EXPECT_EQ(estado.cal, "Cal:0./20.");

  // Modify: the dialog opens on the split's first branch.
  SeleccionarCorriente(4);
  dlg.Aceptar<DlgBifurcar>([](DlgBifurcar& d) {
    d.tSalida1 = 363.15;
    d.porcentaje1 = 50;
    d.porcentaje2 = 50;
  });
  ASSERT_TRUE(Ejecutar(cmd::kBifurcarModificar));
  const DlgBifurcar& dado = dlg.Ultima<DlgBifurcar>();
  EXPECT_EQ(dado.tEntrada, 443.15);
  EXPECT_EQ(dado.tSalida1, 333.15);
  EXPECT_NEAR(dado.porcentaje1, 60, 1e-9);
  EXPECT_EQ(doc.m_Diagrama.m_corrientes[4].GetT2(), 363.15);
  EXPECT_NEAR(doc.m_Diagrama.m_corrientes[4].GetCP(kTSentinel, kTSentinel), 1.5, 1e-9);
  EXPECT_EQ(doc.NumDeshacer(), 2);
  // Undo brings the branches of before back.
  ASSERT_TRUE(doc.Deshacer());
  EXPECT_EQ(doc.m_Diagrama.m_corrientes[4].GetT2(), 333.15);
  EXPECT_NEAR(doc.m_Diagrama.m_corrientes[4].GetCP(kTSentinel, kTSentinel), 1.8, 1e-9);
  ASSERT_TRUE(doc.Deshacer());
  EXPECT_EQ(doc.m_Diagrama.GetNumCorrientes(), 4);
  EXPECT_TRUE(doc.m_Diagrama.m_bifurcadas.empty());
}

TEST_F(Comandos, UnaLatenteSeDivideConSuDialogo) {
  CDiagrama d = prueba::CuatroCorrientes();
  d.AddCorriente(420, 420, -1000, 0, 1);
  Cargar(d);
  SeleccionarCorriente(4);
  dlg.Aceptar<DlgBifurcarH>([](DlgBifurcarH& x) {
    x.h1 = 400;
    x.h2 = 600;
  });
  ASSERT_TRUE(Ejecutar(cmd::kBifurcarNueva));
  EXPECT_EQ(dlg.Veces(DialogoId::Bifurcar), 0);
  EXPECT_EQ(dlg.Ultima<DlgBifurcarH>().numero, 5);
  ASSERT_EQ(doc.m_Diagrama.GetNumCorrientes(), 6);
  EXPECT_DOUBLE_EQ(doc.m_Diagrama.m_corrientes[4].GetH(kTSentinel, 1), -400);
  EXPECT_DOUBLE_EQ(doc.m_Diagrama.m_corrientes[5].GetH(kTSentinel, 1), -600);
  EXPECT_TRUE(doc.m_Diagrama.m_bifurcadas.empty());
  EXPECT_EQ(doc.NumDeshacer(), 1);
}

// ---------------------------------------------------------- feasibility

// Shifted pinch 100 K, DT min 10 K: hot pinch 105, cold pinch 95.
CDiagrama PinchEn100() {
  CDiagrama d;
  d.AddCorriente(300, 105, 10, 0, 0);       // 1 hot, above
  d.AddCorriente(95, 290, 20, 1, 0);        // 2 cold, above
  d.AddCorriente(105, 40, 10, 0, 0);        // 3 hot, below
  d.AddCorriente(105.02, 60, 0.1, 0, 0);    // 4 starts 0.02 above the hot pinch
  d.AddCorriente(105.005, 60, 0.1, 0, 0);   // 5 starts 0.005 above it
  d.AddCorriente(60, 94.995, 0.1, 1, 0);    // 6 ends 0.005 below the cold pinch
  d.AddCorriente(60, 94.98, 0.1, 1, 0);     // 7 ends 0.02 below it
  d.AddCorriente(200, 200, -50, 0, 1);      // 8 latent, above
  d.SetDTMin(10);
  return d;
}

TEST_F(Comandos, FactibilidadSinLaOpcionListaLasCorrientesDeCadaLado) {
  Cargar(PinchEn100());
  doc.m_bUsarFactibilidad = false;
  struct Caso {
    int id;
    std::vector<std::string> calientes, frias;
  };
  const Caso casos[] = {
      {cmd::kFactibilidadCaliente, {"1: 10.", "4: 0.1", "8: -"}, {"2: 20.", "6: 0.1"}},
      {cmd::kLadoFrioCorriente, {"1: 10.", "3: 10.", "4: 0.1", "5: 0.1"}, {"6: 0.1", "7: 0.1"}},
  };
  for (const Caso& c : casos) {
    ASSERT_TRUE(Ejecutar(c.id));
    ASSERT_DOUBLE_EQ(doc.m_Diagrama.m_tPinch, 100.0);
    const VentanaFactibilidad& v = dlg.Ultima<VentanaFactibilidad>();
    EXPECT_EQ(v.lado, c.id == cmd::kFactibilidadCaliente ? 0 : 1);
    EXPECT_EQ(v.calientes, c.calientes);
    EXPECT_EQ(v.frias, c.frias);
  }
  EXPECT_EQ(doc.NumDeshacer(), 0);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(Comandos, FactibilidadConLaOpcionTomaLaCopia) {
  Cargar(prueba::CuatroCorrientes());
  doc.m_bUsarFactibilidad = true;
  dlg.Aceptar<DlgFactibilidad>([](DlgFactibilidad& d) {
    d.modelo.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, 240);
  });
  ASSERT_TRUE(Ejecutar(cmd::kFactibilidadFrio));
  EXPECT_EQ(dlg.Ultima<DlgFactibilidad>().lado, 1);
  EXPECT_EQ(doc.m_Diagrama.GetNumCambiadores(), 1);
  EXPECT_NEAR(doc.m_Diagrama.m_cambiadores[0].q, 240, 1e-9);
  EXPECT_EQ(doc.NumDeshacer(), 1);
  EXPECT_TRUE(doc.IsModified());
}

// ---------------------------------------------------------------- areas

TEST_F(Comandos, LaNotaDeLasAreasUnaVezPorDocumento) {
  const std::string nota = "NOTAS SOBRE LA UTILIZACIÓN DE ÁREAS DE INTEGRIDAD:";
  auto notas = [&] {
    int n = 0;
    for (const std::string& m : ui.Messages()) n += m.rfind(nota, 0) == 0;
    return n;
  };
  struct Paso {
    int mostradas;  // shown areas before the dialog
    int notasTras;
  };
  CDiagrama d = prueba::CuatroCorrientes();
  d.AddArea("Norte", 0);
  d.AddArea("Sur", 0);
  Cargar(d);
  // Exactly one area shown: no note, and none is owed any more... until
  // another state comes; then once.
  for (const Paso& p : {Paso{1, 0}, Paso{1, 0}, Paso{0, 1}, Paso{2, 1}, Paso{0, 1}}) {
    for (int a = 0; a < 2; ++a) doc.m_Diagrama.m_areas[a].mostrada = a < p.mostradas;
    dlg.Aceptar<DlgAreasIntegridad>();
    ASSERT_TRUE(Ejecutar(cmd::kAreasIntegridad));
    EXPECT_EQ(notas(), p.notasTras) << p.mostradas;
  }
  EXPECT_EQ(doc.NumDeshacer(), 5);
  EXPECT_GT(paneles.llamadasBarra, 0);
  // A new document of its own shows it again.
  CVardoDoc otro;
  otro.SetPuertos(doc.Puertos());
  CopiarModeloCompleto(otro.m_Diagrama, d);
  dlg.Aceptar<DlgAreasIntegridad>();
  ASSERT_TRUE(EjecutarComandoDocumento(otro, cmd::kAreasIntegridad));
  EXPECT_EQ(notas(), 2);
}

TEST_F(Comandos, SeleccionarElAreaDelVisor) {
  CDiagrama d = prueba::CuatroCorrientes();
  d.AddArea("Norte", 0);
  d.AddArea("Sur", 0);
  d.m_areas[0].mostrada = 1;
  Cargar(d);
  visor.area = -1;
  ASSERT_TRUE(Ejecutar(cmd::kSeleccionarArea));
  EXPECT_EQ(doc.NumDeshacer(), 0);
  visor.area = 1;
  ASSERT_TRUE(Ejecutar(cmd::kSeleccionarArea));
  EXPECT_EQ(doc.m_Diagrama.m_areas[0].mostrada, 0);
  EXPECT_EQ(doc.m_Diagrama.m_areas[1].mostrada, 1);
  EXPECT_EQ(doc.NumDeshacer(), 1);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(paneles.barra.m_areas[1].mostrada, 1);
}

// ------------------------------------------------------------- utilities

TEST_F(Comandos, MostrarServiciosConCambiadoresDeLosPorDefecto) {
  struct Caso {
    const char* nombre;
    std::vector<Answer> respuestas;
    int visibles;
    int cambiadores;
  };
  // The utility does not cover the process: two questions.
  const Caso casos[] = {
      {"no a la primera", {Answer::No}, 0, 6},
      {"no a borrar", {Answer::Yes, Answer::No}, 0, 6},
      {"sí a todo", {Answer::Yes, Answer::Yes}, 1, 4},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Cargar(Diseno());
    SeleccionarCambiador(2);  // the heater
    ui.Clear();
    for (Answer a : c.respuestas) ui.Script({a});
    ASSERT_TRUE(Ejecutar(cmd::kMostrarServicios));
    EXPECT_EQ(Preguntas().size(), c.respuestas.size());
    EXPECT_EQ(doc.m_Diagrama.m_serviciosVisibles, c.visibles);
    EXPECT_EQ(doc.m_Diagrama.GetNumCambiadores(), c.cambiadores);
    EXPECT_EQ(doc.NumDeshacer(), 0);
  }
  EXPECT_EQ(vista.tipo, kSelNada);  // the selected heater went
  EXPECT_EQ(EstadoComandoDocumento(&doc, cmd::kMostrarServicios).marcado, std::optional(true));
  // Hiding: an exchanger on the utility goes with a "Sí".
  doc.m_Diagrama.AddCambiador(kModoQ, kRefServicio, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5);
  ui.Clear();
  ui.Script({Answer::Yes});
  ASSERT_TRUE(Ejecutar(cmd::kMostrarServicios));
  ASSERT_EQ(Preguntas().size(), 1u);
  EXPECT_EQ(Preguntas()[0].rfind("En el diagrama de trama, existen cambiadores definidos con los "
                                 "Servicios definidos por el usuario.",
                                 0),
            0u);
  EXPECT_EQ(doc.m_Diagrama.m_serviciosVisibles, 0);
  EXPECT_EQ(doc.m_Diagrama.GetNumCambiadores(), 4);
}

TEST_F(Comandos, ServiciosQueCubrenElProcesoOfrecenMostrarse) {
  Cargar(prueba::CuatroCorrientes());
  doc.m_nModo = kModoGrandCompuesta;
  dlg.Aceptar<DlgServicios>([](DlgServicios& d) {
    d.modelo.m_servicios.push_back(prueba::ServicioLatente(500, 20, 0));
    d.modelo.m_servicios.push_back(prueba::ServicioLatente(280, 60, 1));
  });
  ui.Script({Answer::Yes});
  ASSERT_TRUE(Ejecutar(cmd::kAnadirServicios));
  EXPECT_EQ(dlg.Ultima<DlgServicios>().pagina, 1);
  ASSERT_EQ(Preguntas().size(), 1u);
  EXPECT_EQ(Preguntas()[0],
            "Los servicios que ha definido cubren completamente las necesidades de energía del "
            "proceso.\n\n¿Desea mostrar estos servicios en lugar de los servicios por defecto?");
  EXPECT_EQ(doc.m_Diagrama.m_serviciosVisibles, 1);
  EXPECT_TRUE(doc.m_bRedibujar);
  EXPECT_EQ(doc.NumDeshacer(), 1);
  // The counts follow the new utilities at once.
  EXPECT_GT(estado.llamadasContadores, 0);

  // Deleting the selected hot utility: the rest no longer covers the process.
  SeleccionarCorriente(kRefServicio);
  ui.Clear();
  ui.Script({Answer::Yes});
  ASSERT_TRUE(Ejecutar(cmd::kBorrarServicioSel));
  EXPECT_EQ(doc.m_Diagrama.GetNumServicios(), 1);
  ASSERT_EQ(ui.Log().size(), 2u);
  EXPECT_EQ(ui.Log()[1].kind, MsgKind::Warning);
  EXPECT_EQ(ui.Log()[1].text,
            "Advertencia:\n\nLos Servicios Generales definidos actualmente no cubren las "
            "necesidades de energía del proceso");
}

// ------------------------------------------------------------ properties

TEST_F(Comandos, VentanasDePropiedades) {
  CDiagrama d = Diseno();
  ASSERT_TRUE(prueba::Calculada(CalcularRed(d)));
  d.AddCorriente(420, 420, -100, 0, 1);  // latent, index 4
  Cargar(d);
  SeleccionarCorriente(4);
  ASSERT_TRUE(Ejecutar(cmd::kPropiedadesCorrienteSel));
  EXPECT_EQ(dlg.Ultima<VentanaPropCorriente>().mcp, "-");
  EXPECT_EQ(dlg.Ultima<VentanaPropCorriente>().numero, "5");

  // H4 (hot, 180 kW) is covered by E2, E4 and its cooler.
  SeleccionarCorriente(3);
  ASSERT_TRUE(Ejecutar(cmd::kPropiedadesCorriente));
  const VentanaPropCorriente& v = dlg.Ultima<VentanaPropCorriente>();
  EXPECT_EQ(v.tEntrada, "423.15");
  EXPECT_EQ(v.entalpiaTotal, "-180.");
  EXPECT_EQ(v.mcp, "1.5");
  EXPECT_EQ(v.entalpiaSinCambiadores, "0.");
  ASSERT_EQ(v.cambiadores.size(), 3u);
  EXPECT_EQ(v.cambiadores[0].rfind("2: desde 423.15 K hasta ", 0), 0u);

  // The heater: the generic utility on its hot side.
  SeleccionarCambiador(2);
  ASSERT_TRUE(Ejecutar(cmd::kPropiedadesCambiadorSel));
  const VentanaPropCambiador& c = dlg.Ultima<VentanaPropCambiador>();
  EXPECT_EQ(c.numero, "3");
  EXPECT_EQ(c.corrienteCaliente, "S.G.");
  EXPECT_EQ(c.tEntradaCaliente, "-");
  EXPECT_EQ(c.tSalidaCaliente, "-");
  EXPECT_EQ(c.corrienteFria, "1");
  EXPECT_EQ(c.tSalidaFria, "408.15");
  EXPECT_EQ(c.carga, "20.");

  SeleccionarCorriente(kRefServicio);
  ASSERT_TRUE(Ejecutar(cmd::kPropiedadesServicio));
  const VentanaPropServicio& s = dlg.Ultima<VentanaPropServicio>();
  EXPECT_EQ(s.numero, 1);
  EXPECT_EQ(s.entalpiaTotal, 20.0);
  EXPECT_EQ(s.mcp, kCpLatente);
  EXPECT_TRUE(s.cambiadores.empty());
  EXPECT_EQ(doc.NumDeshacer(), 0);
  EXPECT_FALSE(doc.IsModified());
}

// ------------------------------------------------- targets and analyses

TEST_F(Comandos, PasosDeLosDialogosDeObjetivos) {
  Cargar(prueba::CuatroCorrientes());
  doc.m_nModo = kModoRejilla;
  // Cascade: an undo step, DT min field, picture stale, counts refreshed.
  dlg.Aceptar<DlgCalculoCascada>([](DlgCalculoCascada& d) { d.modelo.SetDTMin(15); });
  ASSERT_TRUE(Ejecutar(cmd::kVadizod));
  EXPECT_EQ(doc.m_Diagrama.m_dtMin, 15);
  EXPECT_EQ(doc.NumDeshacer(), 1);
  EXPECT_EQ(estado.dtMin, "15.");
  EXPECT_TRUE(doc.m_bRedibujar);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(estado.llamadasContadores, 1);
  EXPECT_EQ(estado.cal, "Cal:0./" + NumTexto(doc.m_Diagrama.m_cascada.front()));

  // Optimum DT min: no undo step; the check marks the document.
  doc.SetModifiedFlag(false);
  dlg.Aceptar<DlgDifTempOptima>([](DlgDifTempOptima& d) { d.dtMin = 12.5; });
  ASSERT_TRUE(Ejecutar(cmd::kDifTemperaturas));
  EXPECT_EQ(doc.m_Diagrama.m_dtMin, 12.5);
  EXPECT_EQ(doc.NumDeshacer(), 1);
  EXPECT_EQ(estado.dtMin, "12.5");
  EXPECT_TRUE(doc.IsModified());

  // Remaining problem: taken back without an undo step; modified only when
  // what the file holds changed.
  for (const bool cambia : {false, true}) {
    doc.SetModifiedFlag(false);
    dlg.Aceptar<DlgRemanente>([cambia](DlgRemanente& d) {
      if (cambia) d.modelo.m_tCalienteGenerico = 480.0;
    });
    ASSERT_TRUE(Ejecutar(cmd::kProblemaRemanente));
    if (cambia) {
      EXPECT_EQ(doc.m_Diagrama.m_tCalienteGenerico, 480.0);
    }
    EXPECT_EQ(doc.IsModified(), cambia);
    EXPECT_EQ(doc.NumDeshacer(), 1);
  }

  // Tables work on copies: nothing comes back.
  dlg.Aceptar<DlgTablaCorrientes>([](DlgTablaCorrientes& d) { d.modelo.SetDTMin(99); });
  ASSERT_TRUE(Ejecutar(cmd::kTablaCorrientes));
  EXPECT_EQ(doc.m_Diagrama.m_dtMin, 12.5);
}

TEST_F(Comandos, InformeEnElArchivoElegido) {
  Cargar(prueba::CuatroCorrientes());
  doc.SetTitle("Planta");
  const fs::path carpeta = fs::temp_directory_path() / ("vardo_informe_" + std::to_string(::getpid()));
  fs::create_directories(carpeta);
  const std::string ruta = (carpeta / "informe.htm").string();
  {
    std::FILE* f = std::fopen(ruta.c_str(), "w");
    std::fputs("viejo", f);
    std::fclose(f);
  }
  // Cancel in the options sheet, then in the save dialog: nothing written.
  dlg.Cancelar<DlgInforme>();
  ASSERT_TRUE(Ejecutar(cmd::kInforme));
  EXPECT_TRUE(archivos.peticiones.empty());
  dlg.Aceptar<DlgInforme>();
  ASSERT_TRUE(Ejecutar(cmd::kInforme));
  ASSERT_EQ(archivos.peticiones.size(), 1u);
  EXPECT_EQ(archivos.peticiones[0].filtro, "Documentos HTML");
  EXPECT_EQ(archivos.peticiones[0].extension, "htm");
  EXPECT_EQ(archivos.peticiones[0].nombre, "*.htm");
  EXPECT_EQ(dlg.Veces(DialogoId::GenerandoInforme), 0);
  EXPECT_EQ(fs::file_size(ruta), 5u);

  archivos.respuesta = ruta;
  dlg.Aceptar<DlgInforme>([](DlgInforme& d) { d.opciones.puntos = 7; });
  dlg.Aceptar<DlgGenerandoInforme>();
  ASSERT_TRUE(Ejecutar(cmd::kInforme));
  const DlgGenerandoInforme& g = dlg.Ultima<DlgGenerandoInforme>();
  EXPECT_EQ(g.ruta, ruta);
  EXPECT_EQ(g.titulo, "Planta");
  EXPECT_EQ(g.opciones.puntos, 7);
  EXPECT_EQ(g.modelo.GetNumCorrientes(), 4);
  // The old report stays until the progress dialog has written the new one.
  EXPECT_EQ(fs::file_size(ruta), 5u);
  EXPECT_EQ(fs::directory_iterator(carpeta)->path(), fs::path(ruta));
  EXPECT_FALSE(doc.IsModified());

  // With no section chosen the report is the empty page, there at once.
  dlg.Aceptar<DlgInforme>([](DlgInforme& d) {
    d.opciones.corrientes.fill(false);
    d.opciones.cambiadores.fill(false);
    d.opciones.servicios.fill(false);
  });
  dlg.Aceptar<DlgGenerandoInforme>();
  ASSERT_TRUE(Ejecutar(cmd::kInforme));
  EXPECT_EQ(dlg.Veces(DialogoId::GenerandoInforme), 2);
  EXPECT_EQ(fs::file_size(ruta), 0u);

  // A file that cannot be created is reported.
  archivos.respuesta = (carpeta / "no" / "existe.htm").string();
  dlg.Aceptar<DlgInforme>();
  ASSERT_TRUE(Ejecutar(cmd::kInforme));
  EXPECT_EQ(dlg.Veces(DialogoId::GenerandoInforme), 2);
  ASSERT_FALSE(ui.Messages().empty());
  EXPECT_NE(ui.Messages().back().find(archivos.respuesta), std::string::npos);
  fs::remove_all(carpeta);
}

}  // namespace
}  // namespace vardo
