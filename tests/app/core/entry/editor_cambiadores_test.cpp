// The exchangers dialog without its window: the type, box and radio rules as
// tables, the generic sides, moving between exchangers, adding, deleting and
// storing.
#include "app/core/entry/editor_cambiadores.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/core/numtext.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {
namespace {

// The four-stream problem: cold list "Servicios Generales", "1", "3"; hot
// list "Servicios Generales", "2", "4".
constexpr int kSG = 0;
constexpr int kC1 = 1, kC3 = 2;  // cold-list entries
constexpr int kH2 = 1, kH4 = 2;  // hot-list entries

struct Editor {
  explicit Editor(const CDiagrama& modelo, std::int32_t primero = 0) {
    datos.modelo = modelo;
    datos.cambiador = primero;
  }
  DlgCambiadores datos;
  RecordingUiPort ui;
  EditorCambiadores ed{datos, ui};
  ControlesCambiadores& c() { return ed.Controles(); }
  BloqueExtremo& b(int e) { return ed.Controles().extremos[static_cast<std::size_t>(e)]; }
  CCambiador& x(int i) { return datos.modelo.m_cambiadores[static_cast<std::size_t>(i)]; }
};

// One exchanger H2–C3 given by its duty, never calculated.
CDiagrama UnCambiador(double q = 60.0) {
  CDiagrama d = CuatroCorrientes();
  d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, q);
  ReconstruirListas(d);
  return d;
}

// What an end block shows, in short.
struct Fin {
  bool casilla;
  int radio;
  bool editable;
  friend bool operator==(const Fin&, const Fin&) = default;
};
void PrintTo(const Fin& f, std::ostream* os) {
  *os << "{" << f.casilla << ", " << f.radio << ", " << f.editable << "}";
}
Fin FinDe(const BloqueExtremo& b) { return {b.casilla, b.radio, b.editable}; }

constexpr Fin kNo{false, kRadioNinguno, false};
constexpr Fin kCorr{true, kRadioCorriente, false};
constexpr Fin kVal{true, kRadioValor, true};

std::array<Fin, 4> Fines(Editor& e) {
  return {FinDe(e.b(0)), FinDe(e.b(1)), FinDe(e.b(2)), FinDe(e.b(3))};
}

// ------------------------------------------------------------------ types

TEST(EditorCambiadores, AplicarTipoPorTipoYLadoGenerico) {
  struct Caso {
    const char* nombre;
    int tipo;
    int caliente, fria;  // list entries
    bool casillaQ, editableQ;
    std::array<Fin, 4> fines;  // hot inlet, hot outlet, cold inlet, cold outlet
  } casos[] = {
      {"0", 0, kH2, kC3, true, true, {kCorr, kNo, kCorr, kNo}},
      {"1 caliente generica", 1, kSG, kC3, false, false, {kNo, kNo, kCorr, kCorr}},
      {"1 fria generica", 1, kH2, kSG, false, false, {kCorr, kCorr, kNo, kNo}},
      {"1", 1, kH2, kC3, false, false, {kCorr, kCorr, kCorr, kNo}},
      {"2", 2, kH2, kC3, true, false, {kCorr, kNo, kNo, kCorr}},
      {"3", 3, kH2, kC3, true, false, {kNo, kCorr, kCorr, kNo}},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nombre);
    Editor e(UnCambiador());
    e.ed.Abrir();
    // A typed value and a chosen exchanger that the type clears.
    e.b(kEntradaCaliente).radio = kRadioValor;
    e.b(kEntradaCaliente).editable = true;
    e.b(kEntradaCaliente).campo = "400";
    e.b(kSalidaFria).cambiadorActivo = true;
    e.c().caliente = k.caliente;
    e.c().fria = k.fria;
    e.c().tipo = k.tipo;
    e.ed.AplicarTipo();
    EXPECT_EQ(e.c().casillaQ, k.casillaQ);
    EXPECT_EQ(e.c().editableQ, k.editableQ);
    EXPECT_EQ(Fines(e), k.fines);
    // Field texts stay; no list is left enabled.
    EXPECT_EQ(e.b(kEntradaCaliente).campo, "400");
    for (int f = 0; f < 4; ++f) {
      EXPECT_FALSE(e.b(f).pinchActivo);
      EXPECT_FALSE(e.b(f).cambiadorActivo);
    }
  }
}

// --------------------------------------------------------------- the boxes

TEST(EditorCambiadores, ClicEnLasCasillas) {
  struct Caso {
    const char* nombre;
    int tipo;
    int caliente;  // hot-list entry (kSG: generic)
    int clic;      // end clicked, -1 the duty box
    std::array<Fin, 4> fines;
    bool casillaQ;
  } casos[] = {
      // Type 1: three ends given, the next in the cycle goes.
      {"1 salida fria", 1, kH2, kSalidaFria, {kNo, kCorr, kCorr, kCorr}, false},
      {"1 entrada fria marcada", 1, kH2, kEntradaFria, {kCorr, kCorr, kCorr, kNo}, false},
      {"1 entrada caliente marcada", 1, kH2, kEntradaCaliente, {kCorr, kCorr, kCorr, kNo}, false},
      // Types 0, 2, 3: one end per side, a typed value.
      {"0 salida caliente", 0, kH2, kSalidaCaliente, {kNo, kVal, kCorr, kNo}, true},
      {"0 salida fria", 0, kH2, kSalidaFria, {kCorr, kNo, kNo, kVal}, true},
      {"0 entrada caliente marcada", 0, kH2, kEntradaCaliente, {kCorr, kNo, kCorr, kNo}, true},
      {"2 salida caliente", 2, kH2, kSalidaCaliente, {kNo, kVal, kNo, kCorr}, true},
      {"2 entrada fria fija", 2, kH2, kEntradaFria, {kCorr, kNo, kNo, kCorr}, true},
      {"2 salida fria fija", 2, kH2, kSalidaFria, {kCorr, kNo, kNo, kCorr}, true},
      {"3 entrada caliente fija", 3, kH2, kEntradaCaliente, {kNo, kCorr, kCorr, kNo}, true},
      {"3 salida caliente fija", 3, kH2, kSalidaCaliente, {kNo, kCorr, kCorr, kNo}, true},
      {"3 salida fria", 3, kH2, kSalidaFria, {kNo, kCorr, kNo, kVal}, true},
      // A generic side takes no end.
      {"0 generica entrada", 0, kSG, kEntradaCaliente, {kNo, kNo, kCorr, kNo}, true},
      {"0 generica salida", 0, kSG, kSalidaCaliente, {kNo, kNo, kCorr, kNo}, true},
      // The duty box follows the type.
      {"0 carga", 0, kH2, -1, {kCorr, kNo, kCorr, kNo}, true},
      {"1 carga", 1, kH2, -1, {kCorr, kCorr, kCorr, kNo}, false},
      {"2 carga", 2, kH2, -1, {kCorr, kNo, kNo, kCorr}, true},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nombre);
    Editor e(UnCambiador());
    e.ed.Abrir();
    e.ed.ElegirTipo(k.tipo);
    if (k.caliente == kSG) e.ed.ElegirCaliente(kSG);
    if (k.clic < 0)
      e.ed.ClicCasillaQ();
    else
      e.ed.ClicCasilla(k.clic);
    EXPECT_EQ(Fines(e), k.fines);
    EXPECT_EQ(e.c().casillaQ, k.casillaQ);
    EXPECT_EQ(e.c().editableQ, k.tipo == kModoQ);
  }
}

// --------------------------------------------------------------- the radios

TEST(EditorCambiadores, EleccionesDeRadio) {
  // Exchanger 1 (H2–C3) of the designed problem: H2 also carries exchanger
  // 4, C3 nothing else.
  struct Caso {
    const char* nombre;
    int tipo;
    int extremo, radio;
    int radioFinal;
    bool editable, pinchActivo, cambiadorActivo;
    bool campoVacio;
  } casos[] = {
      {"valor", 0, kEntradaCaliente, kRadioValor, kRadioValor, true, false, false, false},
      {"corriente", 0, kEntradaCaliente, kRadioCorriente, kRadioCorriente, false, false, false,
       true},
      {"pinch", 0, kEntradaCaliente, kRadioPinch, kRadioPinch, false, true, false, true},
      {"cambiador", 0, kEntradaCaliente, kRadioCambiador, kRadioCambiador, false, false, true,
       true},
      {"cambiador sin otro", 0, kEntradaFria, kRadioCambiador, kRadioCorriente, false, false, false,
       true},
      {"casilla sin marcar", 0, kSalidaCaliente, kRadioValor, kRadioNinguno, false, false, false,
       false},
      {"salida que completa 2", 2, kSalidaFria, kRadioValor, kRadioCorriente, false, false, false,
       true},
      {"salida que completa 3", 3, kSalidaCaliente, kRadioPinch, kRadioCorriente, false, false,
       false, true},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nombre);
    Editor e(DisenoCuatroCorrientes());
    e.ed.Abrir();
    ASSERT_EQ(e.c().cambiadoresCaliente, (std::vector<std::string>{"4"}));
    ASSERT_TRUE(e.c().cambiadoresFria.empty());
    e.ed.ElegirTipo(k.tipo);
    e.b(k.extremo).campo = "390";
    e.ed.ElegirRadio(k.extremo, k.radio);
    const BloqueExtremo& b = e.b(k.extremo);
    EXPECT_EQ(b.radio, k.radioFinal);
    EXPECT_EQ(b.editable, k.editable);
    EXPECT_EQ(b.pinchActivo, k.pinchActivo);
    EXPECT_EQ(b.cambiadorActivo, k.cambiadorActivo);
    EXPECT_EQ(b.campo.empty(), k.campoVacio);
    if (k.cambiadorActivo) {
      EXPECT_EQ(b.cambiador, 0);
    }
  }
}

// ------------------------------------------------------- lists and the type

TEST(EditorCambiadores, LadosGenericosRechazadosYResueltos) {
  const char* const kRechazo = kTextoGeneralCorriente;
  struct Caso {
    const char* nombre;
    int tipo;             // chosen first
    char lista;           // 'f' cold list, 'c' hot list, 't' type list
    int indice;           // the choice
    const char* mensaje;  // "" none
    int fria, caliente, tipoFinal;
    std::array<Fin, 4> fines;
  } casos[] = {
      {"fria generica en 2", 2, 'f', kSG, kRechazo, kC3, kH2, 2, {kCorr, kNo, kNo, kCorr}},
      {"caliente generica en 3", 3, 'c', kSG, kRechazo, kC3, kH2, 3, {kNo, kCorr, kCorr, kNo}},
      {"fria generica en 0", 0, 'f', kSG, "", kSG, kH2, 0, {kCorr, kNo, kNo, kNo}},
      {"caliente generica en 1", 1, 'c', kSG, "", kC3, kSG, 1, {kNo, kNo, kCorr, kCorr}},
      {"otra fria", 1, 'f', kC1, "", kC1, kH2, 1, {kCorr, kCorr, kCorr, kNo}},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nombre);
    Editor e(UnCambiador());
    e.ed.Abrir();
    e.ed.ElegirTipo(k.tipo);
    const auto antes = Fines(e);
    if (k.lista == 'f') e.ed.ElegirFria(k.indice);
    if (k.lista == 'c') e.ed.ElegirCaliente(k.indice);
    EXPECT_EQ(e.ui.Messages(), std::string(k.mensaje).empty()
                                   ? std::vector<std::string>{}
                                   : std::vector<std::string>{k.mensaje});
    EXPECT_EQ(e.c().fria, k.fria);
    EXPECT_EQ(e.c().caliente, k.caliente);
    EXPECT_EQ(e.c().tipo, k.tipoFinal);
    EXPECT_EQ(Fines(e), std::string(k.mensaje).empty() ? k.fines : antes);
  }
}

TEST(EditorCambiadores, TipoRechazadoParaUnLadoGenerico) {
  for (const auto& [lado, tipo] : {std::pair{'c', 3}, std::pair{'f', 2}}) {
    SCOPED_TRACE(tipo);
    Editor e(UnCambiador());
    e.ed.Abrir();
    e.ed.ElegirTipo(1);
    if (lado == 'c')
      e.ed.ElegirCaliente(kSG);
    else
      e.ed.ElegirFria(kSG);
    const auto antes = Fines(e);
    e.ed.ElegirTipo(tipo);
    EXPECT_EQ(e.ui.Messages(), std::vector<std::string>{kTextoGeneralTipo});
    // The type shown stays with its ends.
    EXPECT_EQ(e.c().tipo, 1);
    EXPECT_EQ(Fines(e), antes);
  }
}

TEST(EditorCambiadores, AmbosGenericosMuevenLaListaElegidaALaPrimeraCorriente) {
  // An exchanger stored with both sides generic shows both lists there.
  struct Caso {
    const char* nombre;
    char lista;  // 't' type list, 'c' hot list, 'f' cold list
    int fria, caliente;
    std::array<Fin, 4> fines;
  } casos[] = {
      {"tipo", 't', kC1, kSG, {kNo, kNo, kCorr, kNo}},
      {"caliente", 'c', kSG, kH2, {kCorr, kNo, kNo, kNo}},
      {"fria", 'f', kC1, kSG, {kNo, kNo, kCorr, kNo}},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nombre);
    CDiagrama d = CuatroCorrientes();
    d.AddCambiador(kModoQ, kRefGenerico, kRefGenerico, 0, 0, 0, 0, 0, 0, 0, 0, 1, 10);
    Editor e(d);
    e.ed.Abrir();
    ASSERT_EQ(e.c().fria, kSG);
    ASSERT_EQ(e.c().caliente, kSG);
    if (k.lista == 't') e.ed.ElegirTipo(0);
    if (k.lista == 'c') e.ed.ElegirCaliente(kSG);
    if (k.lista == 'f') e.ed.ElegirFria(kSG);
    EXPECT_EQ(e.c().fria, k.fria);
    EXPECT_EQ(e.c().caliente, k.caliente);
    EXPECT_EQ(Fines(e), k.fines);
    EXPECT_TRUE(e.ui.Messages().empty());
  }
}

TEST(EditorCambiadores, SinEntradaUnoElLadoSeQuedaComoEstaba) {
  // Only hot process streams: the cold list is "Servicios Generales" alone,
  // so a cold list that must leave it has nowhere to go.
  CDiagrama d;
  d.AddCorriente(400, 300, 1, 0, 0);
  d.AddCorriente(380, 320, 2, 0, 0);
  d.SetDTMin(10);
  d.AddCambiador(kModoQ, kRefGenerico, kRefGenerico, 0, 0, 0, 0, 0, 0, 0, 0, 1, 10);
  Editor e(d);
  e.ed.Abrir();
  ASSERT_EQ(e.c().listaFria, (std::vector<std::string>{kServiciosGenerales}));
  for (char lista : {'t', 'f'}) {
    if (lista == 't')
      e.ed.ElegirTipo(0);
    else
      e.ed.ElegirFria(kSG);
    EXPECT_EQ(e.c().fria, kSG);
    EXPECT_EQ(e.c().caliente, kSG);
    EXPECT_EQ(Fines(e), (std::array<Fin, 4>{kNo, kNo, kNo, kNo}));
  }
  e.ed.Aceptar();
  EXPECT_EQ(e.x(0).ladoCaliente.ref, kRefGenerico);
  EXPECT_EQ(e.x(0).ladoFrio.ref, kRefGenerico);
  // The hot list does have a first stream.
  e.ed.ElegirCaliente(kSG);
  EXPECT_EQ(e.c().caliente, 1);
}

TEST(EditorCambiadores, UnServicioConLosServiciosOcultosNoSeMueve) {
  CDiagrama d = CuatroCorrientes();
  d.m_servicios.push_back(ServicioLatente(473.15, 20, 0));
  d.AddCambiador(kModoCompletarFria, kRefServicio, 0, 0, 0, 0, 0, kTipoExtremo, 0, kTipoExtremo, 0,
                 2, 0);
  ReconstruirListas(d);
  Editor e(d);
  e.ed.Abrir();
  // The hot list has no entry for the utility: it shows none.
  EXPECT_EQ(e.c().caliente, -1);
  e.ed.ElegirTipo(2);
  e.ed.NumeroEntra();
  e.ed.Aceptar();
  EXPECT_EQ(e.x(0).ladoCaliente.ref, kRefServicio);
  EXPECT_EQ(e.x(0).ladoFrio.ref, 0);
  VentanaPropCorriente v;
  EXPECT_FALSE(e.ed.Propiedades(false, v));
}

// -------------------------------------------------------------- opening

TEST(EditorCambiadores, AbrirSinCambiadoresCreaUnoSobreLaCorrienteUno) {
  struct Caso {
    const char* nombre;
    bool fria;       // stream 1 cold
    bool servicios;  // utilities shown
    std::int32_t caliente, frio;
    std::array<std::int32_t, 4> tipos;  // hot inlet, hot outlet, cold inlet, cold outlet
  } casos[] = {
      {"fria", true, false, kRefGenerico, 0, {0, 0, 0, kTipoExtremo}},
      {"caliente", false, false, 0, kRefGenerico, {0, kTipoExtremo, 0, 0}},
      {"fria con servicios", true, true, kRefServicio + 1, 0, {0, kTipoExtremo, 0, kTipoExtremo}},
      {"caliente con servicios", false, true, 0, kRefServicio, {0, kTipoExtremo, 0, kTipoExtremo}},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nombre);
    CDiagrama d;
    d.AddCorriente(k.fria ? 300 : 400, k.fria ? 400 : 300, 1, k.fria, 0);
    d.m_servicios.push_back(ServicioSensible(280, 290, 100));  // cooling
    d.m_servicios.push_back(ServicioLatente(500, 100, 0));     // heating
    d.m_serviciosVisibles = k.servicios;
    Editor e(d);
    e.ed.Abrir();
    ASSERT_EQ(e.datos.modelo.GetNumCambiadores(), 1);
    EXPECT_EQ(e.ed.Marcas(), std::vector<std::int32_t>{kCreadoAlAbrir});
    EXPECT_EQ(e.c().numero, "1");
    EXPECT_EQ(e.x(0).ladoCaliente.ref, k.caliente);
    EXPECT_EQ(e.x(0).ladoFrio.ref, k.frio);
    EXPECT_EQ((std::array<std::int32_t, 4>{e.x(0).tipoEntradaCaliente, e.x(0).tipoSalidaCaliente,
                                           e.x(0).tipoEntradaFria, e.x(0).tipoSalidaFria}),
              k.tipos);
    EXPECT_EQ(e.x(0).tipoQ, 1);
    EXPECT_EQ(e.c().pinchesVisibles, k.servicios);
  }
}

TEST(EditorCambiadores, ListasSinServiciosYPinchSinLista) {
  Editor e(UnCambiador());
  e.ed.Abrir();
  EXPECT_EQ(e.c().listaFria, (std::vector<std::string>{kServiciosGenerales, "1   ", "3   "}));
  EXPECT_EQ(e.c().listaCaliente, (std::vector<std::string>{kServiciosGenerales, "2   ", "4   "}));
  EXPECT_EQ(e.c().caliente, kH2);
  EXPECT_EQ(e.c().fria, kC3);
  EXPECT_FALSE(e.c().pinchesVisibles);
  EXPECT_TRUE(e.c().pinches.empty());
  e.ed.ElegirRadio(kEntradaFria, kRadioPinch);
  e.ed.Aceptar();
  EXPECT_EQ(e.x(0).tipoEntradaFria, kTipoPinch);
  EXPECT_EQ(e.x(0).valorEntradaFria, -1.0);
}

TEST(EditorCambiadores, ListasConServiciosYSusPinches) {
  CDiagrama d = TresServiciosFrios();
  d.m_servicios[0].SetNombre("Vapor");
  d.m_serviciosVisibles = 1;
  Editor e(d);
  e.ed.Abrir();
  // Utilities first, no generic entry.
  EXPECT_EQ(e.c().listaFria, (std::vector<std::string>{"S1   Vapor", "S2   ", "S3   "}));
  EXPECT_EQ(e.c().listaCaliente, (std::vector<std::string>{"1   "}));
  EXPECT_EQ(e.ed.ReferenciaFria(1), kRefServicio + 1);
  EXPECT_EQ(e.ed.ReferenciaCaliente(0), 0);
  // The utility pinches at 450 and 400 (shifted) as hot and cold temperatures.
  EXPECT_TRUE(e.c().pinchesVisibles);
  EXPECT_EQ(e.c().pinches, (std::vector<std::string>{kPinchProceso, "455.-445.", "405.-395."}));
  // A pinch end shows its entry and is stored by it.
  e.ed.ElegirRadio(kSalidaCaliente, kRadioPinch);
  EXPECT_EQ(e.b(kSalidaCaliente).radio, kRadioPinch);  // its box is set in this exchanger
  e.ed.ElegirPinch(kSalidaCaliente, 2);
  e.ed.Aceptar();
  EXPECT_EQ(e.x(0).tipoSalidaCaliente, kTipoPinch);
  EXPECT_EQ(e.x(0).valorSalidaCaliente, 2.0);
  e.ed.MostrarCambiador();
  EXPECT_EQ(e.b(kSalidaCaliente).pinch, 2);
  EXPECT_TRUE(e.b(kSalidaCaliente).pinchActivo);
}

TEST(EditorCambiadores, UnPinchDeServiciosEnElDeProcesoNoTieneEntradaPropia) {
  // Steam and cooling water that exactly cover the four-stream problem: the
  // cascade with utilities falls to zero at the process pinch only.
  CDiagrama d = CuatroCorrientes();
  d.m_servicios.push_back(ServicioLatente(473.15, 20, 0));
  d.m_servicios.push_back(ServicioSensible(288.15, 303.15, 60));
  d.m_serviciosVisibles = 1;
  Editor e(d);
  e.ed.Abrir();
  const CDiagrama& m = e.datos.modelo;
  bool ceroEnElPinch = false;
  for (std::size_t k = 1; k + 1 < m.m_temperaturasConServ.size(); ++k)
    ceroEnElPinch = ceroEnElPinch || (std::fabs(m.m_temperaturasConServ[k] - m.m_tPinch) < kTolT &&
                                      m.m_cascadaConServ[k] < kTolPinchServicio);
  ASSERT_TRUE(ceroEnElPinch);
  EXPECT_EQ(e.c().pinches, std::vector<std::string>{kPinchProceso});
}

// ------------------------------------------------------- showing and storing

TEST(EditorCambiadores, LoEditableMuestraLoEspecificadoYLoCalculadoSoloLoDeSoloLectura) {
  for (bool calculado : {false, true}) {
    SCOPED_TRACE(calculado);
    CDiagrama d = UnCambiador(60);
    d.m_cambiadores[0].tipoSalidaFria = kTipoValor;
    d.m_cambiadores[0].valorSalidaFria = 370;
    d.m_cambiadores[0].tipoEntradaFria = kTipoNinguno;
    if (calculado) {
      ASSERT_TRUE(Calculada(CalcularRed(d)));
    }
    Editor e(d);
    e.ed.Abrir();
    EXPECT_EQ(e.c().campoQ, "60.");
    EXPECT_EQ(e.b(kSalidaFria).campo, "370.");
    EXPECT_EQ(e.b(kEntradaCaliente).campo, calculado ? "443.15" : "");
    EXPECT_EQ(e.b(kSalidaCaliente).campo, calculado ? "423.15" : "");
    // Storing what is shown changes nothing.
    e.ed.Aceptar();
    EXPECT_EQ(e.x(0).valorQ, 60.0);
    EXPECT_EQ(e.x(0).valorSalidaFria, 370.0);
    EXPECT_EQ(e.ed.Marcas(), std::vector<std::int32_t>{kSinCambios});
  }
}

TEST(EditorCambiadores, IntroGuardaLoEscritoAntesDeVolverAMostrar) {
  Editor e(UnCambiador(0));
  e.ed.Abrir();
  e.c().campoQ = "60";
  e.ed.Intro();
  EXPECT_EQ(e.c().campoQ, "60.");
  EXPECT_EQ(e.x(0).valorQ, 60.0);
  EXPECT_EQ(e.ed.Marcas(), std::vector<std::int32_t>{kCambiado});
}

TEST(EditorCambiadores, NumeroFueraDeRangoYPasos) {
  Editor e(DisenoCuatroCorrientes());
  e.ed.Abrir();
  ASSERT_EQ(e.c().spinMax, 6);
  const auto inicial = Fines(e);
  // Down from 1 stays at 1 with the fields as they were.
  EXPECT_TRUE(e.ed.Paso(1, -1));
  EXPECT_EQ(e.c().numero, "1");
  EXPECT_EQ(Fines(e), inicial);
  EXPECT_TRUE(e.ed.Paso(1, +1));
  EXPECT_EQ(e.c().numero, "2");
  EXPECT_EQ(e.ed.Mostrado(), 1);
  EXPECT_EQ(e.c().caliente, kH4);
  // A number typed past the end shows the last one.
  e.ed.NumeroEntra();
  e.c().numero = "40";
  e.ed.NumeroSale();
  EXPECT_EQ(e.c().numero, "6");
  EXPECT_EQ(e.ed.Mostrado(), 5);
  e.c().numero = "";
  e.ed.NumeroSale();
  EXPECT_EQ(e.c().numero, "6");
}

TEST(EditorCambiadores, UnPasoGuardaEnElMostradoAunqueElNumeroHayaCambiado) {
  Editor e(DisenoCuatroCorrientes());
  e.ed.Abrir();
  e.c().campoQ = "250";
  // A number typed but not yet left, then the arrow.
  e.c().numero = "3";
  e.ed.Paso(3, +1);
  EXPECT_EQ(e.x(0).valorQ, 250.0);
  EXPECT_EQ(e.x(2).valorQ, 0.0);
  EXPECT_EQ(e.c().numero, "4");
}

TEST(EditorCambiadores, CambiadorDeOtroCambiadorQueYaNoEstaEnLaCorriente) {
  struct Caso {
    const char* nombre;
    double valor;  // kind-4 value of exchanger 1's hot inlet
    int radio;
  } casos[] = {
      {"en la corriente", 3, kRadioCambiador},
      {"en otra corriente", 1, kRadioCorriente},
      {"no entero", 3.5, kRadioCorriente},
      {"negativo", -1, kRadioCorriente},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nombre);
    CDiagrama d = DisenoCuatroCorrientes();
    d.m_cambiadores[0].tipoEntradaCaliente = kTipoCambiador;
    d.m_cambiadores[0].valorEntradaCaliente = k.valor;
    Editor e(d);
    e.ed.Abrir();
    EXPECT_EQ(e.b(kEntradaCaliente).radio, k.radio);
    EXPECT_EQ(e.b(kEntradaCaliente).cambiadorActivo, k.radio == kRadioCambiador);
  }
}

TEST(EditorCambiadores, TipoCuatroQueNombraAlUnoEnUnaCorrienteConElDiez) {
  // Stream H2 carries exchanger 10 and not 1: "10" is not "1".
  CDiagrama d = CuatroCorrientes();
  for (int i = 0; i < 10; ++i)
    d.AddCambiador(kModoQ, i == 9 ? 1 : 3, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 1);
  d.AddCambiador(kModoQ, 1, 2, kTipoCambiador, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 1);
  ReconstruirListas(d);
  Editor e(d, 10);
  e.ed.Abrir();
  EXPECT_EQ(e.c().cambiadoresCaliente, std::vector<std::string>{"10"});
  EXPECT_EQ(e.b(kEntradaCaliente).radio, kRadioCorriente);
}

TEST(EditorCambiadores, CambiarSoloLaCorrienteMarcaElCambiadorYSusCorrientes) {
  CDiagrama d = UnCambiador(60);
  d.AddCambiador(kModoQ, 3, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 30);
  ReconstruirListas(d);
  for (auto& s : d.m_corrientes) s.m_marcaOrden = 0;
  Editor e(d);
  e.ed.Abrir();
  // Exchanger 1 moves from C3 to C1; nothing else.
  e.ed.ElegirFria(kC1);
  e.ed.ElegirTipo(0);
  e.c().campoQ = "60";
  e.ed.Aceptar();
  EXPECT_EQ(e.ed.Marcas(), (std::vector<std::int32_t>{kCambiado, kSinCambios}));
  const auto& s = e.datos.modelo.m_corrientes;
  EXPECT_EQ(s[0].m_marcaOrden, 2);  // C1, newly named by the connection
  EXPECT_EQ(s[1].m_marcaOrden, 1);  // H2, raised on OK
  EXPECT_EQ(s[2].m_marcaOrden, 0);  // C3 is no longer on it
  EXPECT_EQ(s[3].m_marcaOrden, 0);  // H4, on an unchanged exchanger
  // The exchanger lists follow the exchangers.
  EXPECT_EQ(s[0].m_cambiadores, (std::vector<std::uint32_t>{0, 1}));
  EXPECT_TRUE(s[2].m_cambiadores.empty());
}

TEST(EditorCambiadores, GuardarRehaceLasListasDeCadaCorriente) {
  // Exchangers appended by AddCambiador are on no list yet.
  CDiagrama d = CuatroCorrientes();
  d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 60);
  d.AddCambiador(kModoQ, 3, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 30);
  Editor e(d, 1);
  e.ed.Abrir();
  EXPECT_TRUE(e.c().cambiadoresCaliente.empty());
  e.ed.Aceptar();
  const auto& s = e.datos.modelo.m_corrientes;
  EXPECT_EQ(s[0].m_cambiadores, std::vector<std::uint32_t>{1});
  EXPECT_EQ(s[1].m_cambiadores, std::vector<std::uint32_t>{0});
  EXPECT_EQ(s[2].m_cambiadores, std::vector<std::uint32_t>{0});
  EXPECT_EQ(s[3].m_cambiadores, std::vector<std::uint32_t>{1});
}

// ------------------------------------------------------- adding and deleting

TEST(EditorCambiadores, AnadirGuardaYMuestraElNuevo) {
  Editor e(UnCambiador(0));
  e.ed.Abrir();
  e.x(0).SetFormato(1, 1, 1, 1, 0, 1, 8.0);
  e.c().campoQ = "45";
  e.ed.AnadirCambiador();
  EXPECT_EQ(e.x(0).valorQ, 45.0);
  ASSERT_EQ(e.datos.modelo.GetNumCambiadores(), 2);
  EXPECT_EQ(e.c().numero, "2");
  EXPECT_EQ(e.c().spinMax, 2);
  EXPECT_EQ(e.ed.Marcas(), (std::vector<std::int32_t>{kCambiado, kCambiado}));
  // Stream 1 is cold: the generic utility heats it.
  EXPECT_EQ(e.x(1).ladoCaliente.ref, kRefGenerico);
  EXPECT_EQ(e.x(1).ladoFrio.ref, 0);
  EXPECT_EQ(e.x(1).tipoSalidaFria, kTipoExtremo);
  EXPECT_EQ(e.x(1).tamano, 8.0);
  EXPECT_EQ(e.x(1).posicionNumero, 1);
  EXPECT_EQ(e.c().caliente, kSG);
  EXPECT_EQ(e.c().fria, kC1);
}

TEST(EditorCambiadores, Borrar) {
  struct Caso {
    const char* nombre;
    int cambiadores, mostrado;
    Answer respuesta;
    bool fin;
    int quedan;
    const char* numero;
  } casos[] = {
      {"el primero de tres", 3, 0, Answer::Yes, false, 2, "1"},
      {"el tercero de tres", 3, 2, Answer::Yes, false, 2, "2"},
      {"no", 3, 1, Answer::No, false, 3, "2"},
      {"el unico", 1, 0, Answer::Yes, true, 0, nullptr},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nombre);
    CDiagrama d = CuatroCorrientes();
    for (int i = 0; i < k.cambiadores; ++i)
      d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 0, 0, 1, 10.0 * (i + 1));
    ReconstruirListas(d);
    Editor e(d, k.mostrado);
    e.ed.Abrir();
    e.ui.Script({k.respuesta});
    EXPECT_EQ(e.ed.BorrarCambiador(), k.fin);
    EXPECT_EQ(e.ui.Log().back().text, kTextoBorrarCambiador);
    EXPECT_EQ(e.datos.modelo.GetNumCambiadores(), k.quedan);
    EXPECT_EQ(e.ed.Marcas().size(), static_cast<std::size_t>(k.quedan));
    if (!k.numero) continue;
    EXPECT_EQ(e.c().numero, k.numero);
    EXPECT_EQ(e.c().spinMax, k.quedan);
    // The one shown is the one the number names.
    EXPECT_EQ(e.c().campoQ, NumTexto(e.x(std::stoi(k.numero) - 1).valorQ));
  }
}

TEST(EditorCambiadores, PropiedadesDeLaCorrienteElegida) {
  CDiagrama d = UnCambiador(60);
  ASSERT_TRUE(Calculada(CalcularRed(d)));
  Editor e(d);
  e.ed.Abrir();
  VentanaPropCorriente v;
  ASSERT_TRUE(e.ed.Propiedades(false, v));
  EXPECT_EQ(v.numero, "2");
  EXPECT_EQ(v.tEntrada, "443.15");
  EXPECT_EQ(v.entalpiaTotal, "-330.");
  EXPECT_EQ(v.mcp, "3.");
  EXPECT_EQ(v.cambiadores, std::vector<std::string>{"1: desde 443.15 K hasta 423.15 K"});
  EXPECT_EQ(v.entalpiaSinCambiadores, "270.");
  ASSERT_TRUE(e.ed.Propiedades(true, v));
  EXPECT_EQ(v.cambiadores, std::vector<std::string>{"1: desde 353.15 K hasta 368.15 K"});
  e.ed.ElegirCaliente(kSG);
  EXPECT_FALSE(e.ed.Propiedades(false, v));
}

}  // namespace
}  // namespace vardo::prueba
