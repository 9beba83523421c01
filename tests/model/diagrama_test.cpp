// The network object: defaults, the copy subset, and the editing operations
// with their renumbering of exchangers, splits, areas, selection and loops.
#include "model/diagrama.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/constantes.h"
#include "platform/core/uiport.h"

namespace vardo {
namespace {

// Routes the model's messages to a recording port for one test.
class PuertoGrabado {
 public:
  PuertoGrabado() { SetDefaultUiPort(&puerto); }
  ~PuertoGrabado() { SetDefaultUiPort(nullptr); }
  RecordingUiPort puerto;
};

std::int32_t AnadirCambiador(CDiagrama& d, std::int32_t caliente, std::int32_t fria,
                             double q = 100.0) {
  d.AddCambiador(kModoQ, caliente, fria, kTipoExtremo, 0.0, kTipoNinguno, 0.0, kTipoNinguno, 0.0,
                 kTipoExtremo, 0.0, 1, q);
  return d.GetNumCambiadores() - 1;
}

// Streams 0..n-1 alternating hot (even) and cold (odd).
void AnadirCorrientes(CDiagrama& d, int n) {
  for (int i = 0; i < n; ++i) {
    if (i % 2 == 0) {
      d.AddCorriente(450.0 - i, 350.0, 2.0, 0, 0);
    } else {
      d.AddCorriente(340.0, 440.0 - i, 2.0, 1, 0);
    }
  }
}

TEST(DiagramaDefaults, FreshObject) {
  const CDiagrama d;
  EXPECT_EQ(d.GetNumCorrientes(), 0);
  EXPECT_EQ(d.GetNumCambiadores(), 0);
  EXPECT_EQ(d.m_rectGrafico, (Rect{1500, -1500, 19500, -12500}));
  EXPECT_EQ(d.m_cambiadorResaltado, -1);
  EXPECT_EQ(d.m_dibujoExportar, 1);
  EXPECT_EQ(d.m_anilloActual, 0);
  EXPECT_EQ(d.m_dtMin, 10.0);
  EXPECT_EQ(d.m_tPinch, 0.0);
  EXPECT_EQ(d.m_tReferencia, 293.0);
  EXPECT_EQ(d.m_a1, 4600.0);
  EXPECT_EQ(d.m_b2, 920.0);
  EXPECT_EQ(d.m_c2, 0.7);
  EXPECT_EQ(d.m_costeCaliente, 50.0);
  EXPECT_EQ(d.m_costeFrio, 50.0);
  EXPECT_EQ(d.m_hFrioGenerico, 2.0);
  EXPECT_EQ(d.m_tFrioGenerico, kTSentinel);
  EXPECT_EQ(d.m_hCalienteGenerico, 2.0);
  EXPECT_EQ(d.m_tCalienteGenerico, kTSentinel);
  EXPECT_EQ(d.m_amortizacion, 10.0);
  EXPECT_EQ(d.m_interes, 5.0);
  EXPECT_EQ(d.m_factorLang, 3.4);
  EXPECT_EQ(d.m_fuente.height, 18);
  EXPECT_EQ(d.m_fuente.weight, 400);
  EXPECT_EQ(d.m_fuente.quality, 2);
  EXPECT_EQ(d.m_fuente.pitchAndFamily, 18);
  EXPECT_EQ(d.m_fuente.faceName, "Arial");
  EXPECT_EQ(d.GetCorrienteSel(), 0);
  EXPECT_EQ(d.GetCambiadorSel(), 0);
  EXPECT_EQ(d.m_grafoConstruido, 0);
  const std::int32_t opciones[] = {d.m_mostrarTPinch,     d.m_ordenarCalientesFrias,
                                   d.m_mostrarTBifurcadas, d.m_mostrarNombres,
                                   d.m_colorearAreas,      d.m_ordenarAreas,
                                   d.m_serviciosVisibles,  d.m_colorearServicios};
  const std::int32_t esperadas[] = {1, 0, 1, 0, 1, 1, 0, 1};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(opciones[k], esperadas[k]) << "option " << k;
}

// ---------------------------------------------------------------- copying

class CopiaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AnadirCorrientes(origen, 3);
    AnadirCambiador(origen, 0, 1);
    origen.AddArea("A", MakeRgb(1, 2, 3));
    origen.m_lazos.resize(2);
    origen.m_lazoEnCurso.cambiadores = {0};
    origen.m_lazoEnCurso.nodos = {1};
    origen.m_lazoEnCurso.cuenta = 1;
    origen.m_dtMin = 20.0;
    origen.m_tPinch = 400.0;
    origen.m_tReferencia = 300.0;
    origen.m_cambiadorResaltado = 0;
    origen.m_anilloActual = 1;
    origen.m_a2 = 1.0;
    origen.m_costeFrio = 7.0;
    origen.m_factorLang = 4.0;
    origen.m_corrienteSel = 2;
    origen.m_cambiadorSel = 0;
    origen.m_grafoConstruido = 1;
    origen.m_perturbacionOrigen = 1;
    origen.m_perturbacionDestino = 2;
    origen.m_mostrarNombres = 1;
    origen.m_colorearServicios = 0;
    // Not copied:
    origen.m_rectGrafico = Rect{1500, -1500, 5500, -4500};
    origen.m_fuente.height = 30;
    origen.m_fuente.faceName = "Courier";
    origen.m_dibujoExportar = 0;
    origen.m_estadoAnillos = 3;
    origen.m_textoComprobacion = "Errores";
    origen.m_pinchesServicioSup = {400.0};
    origen.m_cambiadorAux.q = 5.0;
    origen.m_temperaturas = {1.0, 2.0};
    origen.m_numIntervalos = 2;
    origen.m_cascadaConServ = {3.0};
  }
  CDiagrama origen;
};

TEST_F(CopiaTest, AssignmentCopiesTheListedSubsetOnly) {
  CDiagrama d;
  d.m_rectGrafico = Rect{1500, -1500, 9500, -7500};
  d.m_fuente.faceName = "Times";
  d.m_estadoAnillos = 1;
  d.m_textoComprobacion = "propio";
  d.m_cascada = {9.0};
  d = origen;
  // Copied.
  EXPECT_EQ(d.GetNumCorrientes(), 3);
  EXPECT_EQ(d.GetNumCambiadores(), 1);
  EXPECT_EQ(d.m_areas.size(), 1u);
  EXPECT_EQ(d.m_lazos.size(), 2u);
  EXPECT_EQ(d.m_lazoEnCurso.nodos, std::vector<std::uint32_t>{1});
  EXPECT_EQ(d.m_dtMin, 20.0);
  EXPECT_EQ(d.m_tPinch, 400.0);
  EXPECT_EQ(d.m_tReferencia, 300.0);
  EXPECT_EQ(d.m_cambiadorResaltado, 0);
  EXPECT_EQ(d.m_anilloActual, 1);
  EXPECT_EQ(d.m_a2, 1.0);
  EXPECT_EQ(d.m_costeFrio, 7.0);
  EXPECT_EQ(d.m_factorLang, 4.0);
  EXPECT_EQ(d.m_corrienteSel, 2);
  EXPECT_EQ(d.m_grafoConstruido, 1);
  EXPECT_EQ(d.m_perturbacionOrigen, 1);
  EXPECT_EQ(d.m_perturbacionDestino, 2);
  EXPECT_EQ(d.m_mostrarNombres, 1);
  EXPECT_EQ(d.m_colorearServicios, 0);
  // Kept.
  EXPECT_EQ(d.m_rectGrafico, (Rect{1500, -1500, 9500, -7500}));
  EXPECT_EQ(d.m_fuente.faceName, "Times");
  EXPECT_EQ(d.m_fuente.height, 18);
  EXPECT_EQ(d.m_dibujoExportar, 1);
  EXPECT_EQ(d.m_estadoAnillos, 1);
  EXPECT_EQ(d.m_textoComprobacion, "propio");
  EXPECT_TRUE(d.m_pinchesServicioSup.empty());
  EXPECT_EQ(d.m_cambiadorAux.q, 0.0);
  EXPECT_EQ(d.m_cascada, std::vector<double>{9.0});
  EXPECT_TRUE(d.m_temperaturas.empty());
  EXPECT_EQ(d.m_numIntervalos, 0);
  EXPECT_TRUE(d.m_cascadaConServ.empty());
}

TEST_F(CopiaTest, CopyConstructorStartsFromTheDefaults) {
  const CDiagrama d(origen);
  EXPECT_EQ(d.GetNumCorrientes(), 3);
  EXPECT_EQ(d.m_dtMin, 20.0);
  EXPECT_EQ(d.m_rectGrafico, CDiagrama::kRectGraficoDefecto);
  EXPECT_EQ(d.m_fuente, CDiagrama::FuenteDefecto());
  EXPECT_EQ(d.m_dibujoExportar, 1);
  EXPECT_TRUE(d.m_textoComprobacion.empty());
  EXPECT_TRUE(d.m_temperaturas.empty());
}

TEST_F(CopiaTest, ShrinkingAndGrowingArrays) {
  CDiagrama d;
  AnadirCorrientes(d, 5);
  d = origen;
  EXPECT_EQ(d.GetNumCorrientes(), 3);
  CDiagrama vacio;
  d = vacio;
  EXPECT_EQ(d.GetNumCorrientes(), 0);
  EXPECT_EQ(d.GetNumCambiadores(), 0);
  EXPECT_TRUE(d.m_areas.empty());
}

// ---------------------------------------------------------------- queries

TEST(DiagramaConsultas, GetCorrienteNeverReadsOutOfRange) {
  CDiagrama d;
  // Empty arrays: the default selection 0 names nothing yet.
  EXPECT_FALSE(d.RefValida(d.GetCorrienteSel()));
  EXPECT_EQ(d.GetCorriente(d.GetCorrienteSel()).GetNumPuntos(), 2);
  const CDiagrama& cd = d;
  for (std::int32_t ref : {-1, 0, 5, 999, 1000, 1001, 5000, kRefServicio, kRefServicio + 1}) {
    EXPECT_FALSE(d.RefValida(ref)) << ref;
    EXPECT_EQ(cd.GetCorriente(ref).GetT1(), 0.0) << ref;
  }
  // Writing through a bad reference goes nowhere.
  d.GetCorriente(7).m_nombre = "perdido";
  EXPECT_EQ(d.GetCorriente(7).m_nombre, "");

  d.AddCorriente(400.0, 300.0, 2.0, 0, 0);
  d.AddServicio();
  EXPECT_TRUE(d.RefValida(0));
  EXPECT_TRUE(d.RefValida(kRefServicio));
  EXPECT_FALSE(d.RefValida(1));
  EXPECT_FALSE(d.RefValida(kRefServicio + 1));
  EXPECT_EQ(d.GetCorriente(0).GetT1(), 400.0);
  EXPECT_EQ(&d.GetCorriente(kRefServicio), static_cast<CCorriente*>(&d.m_servicios[0]));
}

TEST(DiagramaConsultas, DeselectedStreamAnswersStreamZero) {
  CDiagrama d;
  AnadirCorrientes(d, 3);
  d.SeleccionarCorriente(2);
  EXPECT_EQ(d.m_corrientes[2].m_color, kColorSeleccion);
  d.DeseleccionarCorriente();
  EXPECT_EQ(d.GetCorrienteSel(), 0);
  EXPECT_EQ(d.m_corrientes[2].m_color, 0u);
  EXPECT_EQ(&d.GetCorriente(d.GetCorrienteSel()), &d.m_corrientes[0]);
}

// ---------------------------------------------------------------- adding

TEST(DiagramaAnadir, AddCorrienteRescalesExchangersAndJoinsTheOneShownArea) {
  struct Caso {
    std::vector<int> mostradas;  // shown flag of each area
    std::int32_t areaEsperada;
  };
  const Caso casos[] = {{{}, -1}, {{0, 0}, -1}, {{0, 1}, 1}, {{1, 1}, -1}};
  for (const auto& caso : casos) {
    CDiagrama d;
    for (std::size_t a = 0; a < caso.mostradas.size(); ++a) {
      d.AddArea("Area", 0);
      d.m_areas.back().mostrada = caso.mostradas[a];
    }
    d.AddCorriente(450.0, 350.0, 2.0, 0, 0);
    EXPECT_EQ(d.m_corrientes[0].m_area, caso.areaEsperada);
    if (caso.areaEsperada >= 0) {
      EXPECT_EQ(d.m_areas[static_cast<std::size_t>(caso.areaEsperada)].corrientes,
                std::vector<std::uint32_t>{0});
    }
    if (caso.areaEsperada < 0) {
      for (const auto& a : d.m_areas) EXPECT_TRUE(a.corrientes.empty());
    }
  }

  CDiagrama d;
  d.AddCorriente(450.0, 350.0, 2.0, 0, 0);
  EXPECT_EQ(d.m_corrientes[0].m_fria, 0);
  EXPECT_EQ(d.m_corrientes[0].GetT2(), 350.0);
  d.AddCorriente(340.0, 440.0, 2.0, 1, 0);
  const std::int32_t k = AnadirCambiador(d, 0, 1);
  d.m_cambiadores[static_cast<std::size_t>(k)].rectCaliente = Rect{1500, -1500, 2150, -2150};
  CCambiador esperado = d.m_cambiadores[0];
  esperado.Escalar(1.0, 2.0 / 3.0);
  d.AddCorriente(300.0, 400.0, 1.0, 1, 0);
  EXPECT_EQ(d.m_cambiadores[0].rectCaliente, esperado.rectCaliente);
  EXPECT_EQ(d.GetNumCorrientes(), 3);
}

TEST(DiagramaAnadir, AddCambiadorAttachesSidesAndTakesTheFirstFormat) {
  CDiagrama d;
  AnadirCorrientes(d, 2);
  d.AddServicio();
  d.m_servicios[0].m_carga = 50.0;
  AnadirCambiador(d, 0, 1);
  d.m_cambiadores[0].SetFormato(1, 0, 1, 0, 0, 1, 8.0);
  d.m_corrientes[0].m_marcaOrden = 0;
  d.m_cambiadores[0].rectFrio = Rect{1, 2, 3, 4};
  d.AddCambiador(kModoQ, 0, kRefServicio, 0, 0, 0, 0, 0, 0, 0, 0, 1, 10.0);
  const CCambiador& c = d.m_cambiadores[1];
  EXPECT_EQ(d.GetNumCambiadores(), 2);
  EXPECT_EQ(c.ladoCaliente.ref, 0);
  EXPECT_EQ(c.ladoCaliente.t1, 450.0);
  EXPECT_EQ(c.ladoCaliente.t2, 350.0);
  EXPECT_EQ(c.ladoCaliente.h, -200.0);
  EXPECT_EQ(c.ladoCaliente.cp, 2.0);
  EXPECT_EQ(c.ladoFrio.ref, kRefServicio);
  EXPECT_EQ(c.ladoFrio.h, d.m_servicios[0].GetH(kTSentinel, 1));
  EXPECT_EQ(c.rectFrio, Rect{});
  EXPECT_EQ(c.verEntradaCaliente, 1);
  EXPECT_EQ(c.verQ, 0);
  EXPECT_EQ(c.posicionNumero, 1);
  EXPECT_EQ(c.tamano, 8.0);
  EXPECT_EQ(d.m_corrientes[0].m_marcaOrden, 2);
  EXPECT_EQ(d.m_servicios[0].m_marcaOrden, 2);
  // A side that names no record becomes the generic utility.
  d.AddCambiador(kModoQ, 42, 1999, 0, 0, 0, 0, 0, 0, 0, 0, 1, 10.0);
  EXPECT_EQ(d.m_cambiadores[2].ladoCaliente, (LadoCambiador{-1, 0, 0, 0, 0}));
  EXPECT_EQ(d.m_cambiadores[2].ladoFrio.ref, -1);
}

TEST(DiagramaAnadir, ConectarReportsAChangedReference) {
  CDiagrama d;
  AnadirCorrientes(d, 3);
  AnadirCambiador(d, 0, 1);
  for (auto& c : d.m_corrientes) c.m_marcaOrden = 0;
  EXPECT_EQ(d.ConectarFria(1, 0, 0), 0);  // same reference
  EXPECT_EQ(d.m_corrientes[1].m_marcaOrden, 0);
  EXPECT_EQ(d.ConectarFria(2, 0, 1), 0);  // new exchanger: no report
  EXPECT_EQ(d.ConectarCaliente(2, 0, 0), 1);
  EXPECT_EQ(d.m_corrientes[2].m_marcaOrden, 2);
  EXPECT_EQ(d.ConectarCaliente(-1, 0, 0), 1);
  EXPECT_EQ(d.m_cambiadores[0].ladoCaliente, (LadoCambiador{-1, 0, 0, 0, 0}));
  EXPECT_EQ(d.ConectarCaliente(0, 7, 0), 0);  // no such exchanger
}

TEST(DiagramaAnadir, AddServicioHoldsTheCascadeAndJoinsTheShownArea) {
  CDiagrama d;
  d.AddCorriente(450.0, 350.0, 2.0, 0, 0);
  d.AddCorriente(340.0, 400.0, 4.0, 1, 0);
  d.AddArea("Area 1", 0);
  d.m_areas[0].mostrada = 1;
  d.m_corrientes[0].m_area = 0;
  d.m_corrientes[1].m_area = 0;
  d.m_areas[0].corrientes = {0, 1};
  d.AddServicio();
  ASSERT_EQ(d.GetNumServicios(), 1);
  const CServicios& s = d.m_servicios[0];
  EXPECT_EQ(s.m_T, (std::vector<double>{1.0, 1.0}));
  EXPECT_EQ(s.m_H, (std::vector<double>{0.0, 1.0}));
  EXPECT_EQ(s.m_fria, 1);
  EXPECT_EQ(s.m_latente, 1);
  EXPECT_EQ(s.m_cascadaT, d.m_temperaturas);
  EXPECT_EQ(s.m_cascadaH, d.m_cascada);
  EXPECT_FALSE(d.m_temperaturas.empty());
  EXPECT_EQ(s.m_area, 0);
  EXPECT_EQ(d.m_areas[0].corrientes, (std::vector<std::uint32_t>{0, 1, kRefServicio}));

  // The curves follow a new cascade.
  d.SetDTMin(20.0);
  d.CalcularObjetivos();
  d.ActualizarCurvasServicios();
  EXPECT_EQ(d.m_servicios[0].m_cascadaT, d.m_temperaturas);
  EXPECT_EQ(d.m_servicios[0].m_cascadaH, d.m_cascada);
}

// ---------------------------------------------------------------- deleting

// Streams 0..3; exchangers: 0 (0→1), 1 (2→3), 2 (0→3), 3 (2→1), 4 (2→3).
class BorrarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AnadirCorrientes(d, 4);
    const std::int32_t lados[][2] = {{0, 1}, {2, 3}, {0, 3}, {2, 1}, {2, 3}};
    for (const auto& l : lados) AnadirCambiador(d, l[0], l[1], 100.0 + d.GetNumCambiadores());
    for (std::size_t k = 0; k < d.m_cambiadores.size(); ++k) {
      auto& c = d.m_cambiadores[k];
      c.tEntradaCaliente = 400.0 + static_cast<double>(k);
      c.tSalidaCaliente = 380.0 + static_cast<double>(k);
      c.tEntradaFria = 350.0 + static_cast<double>(k);
      c.tSalidaFria = 370.0 + static_cast<double>(k);
    }
    // The lists as the exchanger dialog leaves them; stream 3 "forgets" 2.
    d.m_corrientes[0].m_cambiadores = {0, 2};
    d.m_corrientes[1].m_cambiadores = {0, 3};
    d.m_corrientes[2].m_cambiadores = {1, 3, 4};
    d.m_corrientes[3].m_cambiadores = {1, 4};
    d.m_grafoConstruido = 1;
  }
  CDiagrama d;
  PuertoGrabado ui;
};

// Deleting a stream that carries two exchangers deletes both; later ones move
// down by two; an end taken from a deleted exchanger becomes a typed value.
TEST_F(BorrarTest, StreamWithTwoExchangers) {
  // Exchanger 3 (on streams 2 and 1) takes its hot inlet from exchanger 2's
  // hot outlet, exchanger 4 its cold outlet from exchanger 3's cold inlet.
  d.m_cambiadores[3].tipoEntradaCaliente = kTipoCambiador;
  d.m_cambiadores[3].valorEntradaCaliente = 2.0;
  d.m_cambiadores[4].tipoSalidaFria = kTipoCambiador;
  d.m_cambiadores[4].valorSalidaFria = 3.0;
  d.BorrarCorriente(0);
  ASSERT_EQ(d.GetNumCambiadores(), 3);
  EXPECT_EQ(d.GetNumCorrientes(), 3);
  // Old 1, 3, 4 are now 0, 1, 2 with stream references shifted down.
  EXPECT_EQ(d.m_cambiadores[0].valorQ, 101.0);
  EXPECT_EQ(d.m_cambiadores[1].valorQ, 103.0);
  EXPECT_EQ(d.m_cambiadores[2].valorQ, 104.0);
  EXPECT_EQ(d.m_cambiadores[0].ladoCaliente.ref, 1);
  EXPECT_EQ(d.m_cambiadores[0].ladoFrio.ref, 2);
  EXPECT_EQ(d.m_cambiadores[1].ladoFrio.ref, 0);
  EXPECT_EQ(d.m_cambiadores[1].tipoEntradaCaliente, kTipoValor);
  EXPECT_EQ(d.m_cambiadores[1].valorEntradaCaliente, 382.0);  // old 2's hot outlet
  EXPECT_EQ(d.m_cambiadores[2].tipoSalidaFria, kTipoCambiador);
  EXPECT_EQ(d.m_cambiadores[2].valorSalidaFria, 1.0);
  EXPECT_EQ(d.m_corrientes[0].m_cambiadores, (std::vector<std::uint32_t>{1}));
  EXPECT_EQ(d.m_corrientes[1].m_cambiadores, (std::vector<std::uint32_t>{0, 1, 2}));
  EXPECT_EQ(d.m_corrientes[2].m_cambiadores, (std::vector<std::uint32_t>{0, 2}));
  for (const auto& c : d.m_corrientes) EXPECT_EQ(c.m_marcaOrden, 1);
  EXPECT_EQ(d.m_grafoConstruido, 0);
}

// An exchanger that still names the stream is deleted even when the stream's
// list does not hold it.
TEST_F(BorrarTest, ExchangerMissingFromTheListIsDeletedToo) {
  d.BorrarCorriente(3);
  for (const auto& c : d.m_cambiadores) {
    EXPECT_NE(c.ladoCaliente.ref, 3);
    EXPECT_NE(c.ladoFrio.ref, 3);
  }
  ASSERT_EQ(d.GetNumCambiadores(), 2);
  EXPECT_EQ(d.m_cambiadores[0].valorQ, 100.0);
  EXPECT_EQ(d.m_cambiadores[1].valorQ, 103.0);
}

// Ends taken from the deleted exchanger are converted in every exchanger, not
// only in those on the same streams.
TEST_F(BorrarTest, KindFourConversionScansAllExchangers) {
  struct Caso {
    std::int32_t CCambiador::*tipo;
    double CCambiador::*valor;
    double esperado;  // exchanger 0's end that the other end takes
  };
  const Caso casos[] = {
      {&CCambiador::tipoEntradaCaliente, &CCambiador::valorEntradaCaliente, 380.0},
      {&CCambiador::tipoSalidaCaliente, &CCambiador::valorSalidaCaliente, 400.0},
      {&CCambiador::tipoEntradaFria, &CCambiador::valorEntradaFria, 370.0},
      {&CCambiador::tipoSalidaFria, &CCambiador::valorSalidaFria, 350.0},
  };
  for (const auto& caso : casos) {
    CDiagrama m = d;
    // Exchanger 1 (streams 2, 3) shares no stream with exchanger 0 (0, 1).
    m.m_cambiadores[1].*caso.tipo = kTipoCambiador;
    m.m_cambiadores[1].*caso.valor = 0.0;
    m.m_cambiadores[4].*caso.tipo = kTipoCambiador;
    m.m_cambiadores[4].*caso.valor = 2.0;
    m.BorrarCambiador(0);
    EXPECT_EQ(m.m_cambiadores[0].*caso.tipo, kTipoValor);
    EXPECT_EQ(m.m_cambiadores[0].*caso.valor, caso.esperado);
    EXPECT_EQ(m.m_cambiadores[3].*caso.tipo, kTipoCambiador);
    EXPECT_EQ(m.m_cambiadores[3].*caso.valor, 1.0);
  }
}

TEST_F(BorrarTest, ExchangerDeletionKeepsSelectionAndHighlightOnTheirRecords) {
  struct Caso {
    std::int32_t borrar, sel, resaltado, selEsperada, resaltadoEsperado;
  };
  const Caso casos[] = {
      {2, 4, 3, 3, 2},    // above: shift down
      {2, 2, 2, 0, -1},   // equal: reset
      {2, 1, 0, 1, 0},    // below: unchanged
      {0, 0, -1, 0, -1},  // none highlighted stays none
  };
  for (const auto& c : casos) {
    CDiagrama m = d;
    m.SeleccionarCambiador(c.sel);
    m.m_cambiadorResaltado = c.resaltado;
    m.BorrarCambiador(c.borrar);
    EXPECT_EQ(m.GetCambiadorSel(), c.selEsperada) << c.borrar << " " << c.sel;
    EXPECT_EQ(m.m_cambiadorResaltado, c.resaltadoEsperado) << c.borrar << " " << c.resaltado;
    if (c.sel != c.borrar) {
      EXPECT_EQ(m.m_cambiadores[static_cast<std::size_t>(c.selEsperada)].color, kColorSeleccion);
    }
  }
}

TEST_F(BorrarTest, FoundLoopsAndChainsFollowTheExchangers) {
  auto lazo = [](std::vector<std::int32_t> cambiadores) {
    CLazo l;
    l.cambiadores = cambiadores;
    for (auto c : cambiadores) l.nodos.push_back(static_cast<std::uint32_t>(c));
    l.cuenta = static_cast<std::int32_t>(cambiadores.size());
    return l;
  };
  d.m_lazos = {lazo({0, 3, 0}), lazo({1, 4, 1}), lazo({2, 4, 3, 2})};
  d.m_anilloActual = 2;
  d.m_lazoEnCurso.cambiadores = {1, 4};
  d.m_lazoEnCurso.nodos = {2, 5};
  d.m_lazoEnCurso.cuenta = 2;
  d.m_anillo.cambiadores = {0, 3};
  d.m_anillo.nodos = {1, 4};
  d.m_anillo.cuenta = 2;

  d.BorrarCambiador(3);
  // Loops through exchanger 3 are gone; the others are renumbered.
  ASSERT_EQ(d.m_lazos.size(), 1u);
  EXPECT_EQ(d.m_lazos[0].cambiadores, (std::vector<std::int32_t>{1, 3, 1}));
  EXPECT_EQ(d.m_lazos[0].nodos, (std::vector<std::uint32_t>{1, 3, 1}));
  EXPECT_EQ(d.m_anilloActual, -1);  // the loop on show was deleted
  EXPECT_EQ(d.m_lazoEnCurso.cambiadores, (std::vector<std::int32_t>{1, 3}));
  EXPECT_EQ(d.m_lazoEnCurso.nodos, (std::vector<std::uint32_t>{2, 4}));
  EXPECT_EQ(d.m_anillo.cuenta, 0);
  EXPECT_TRUE(d.m_anillo.nodos.empty());

  d.m_anilloActual = 0;
  d.BorrarCambiador(0);
  EXPECT_EQ(d.m_anilloActual, 0);
  EXPECT_EQ(d.m_lazos[0].cambiadores, (std::vector<std::int32_t>{0, 2, 0}));
  d.BorrarCambiador(0);
  EXPECT_TRUE(d.m_lazos.empty());
  EXPECT_EQ(d.m_lazoEnCurso.cuenta, 0);
  EXPECT_TRUE(d.m_lazoEnCurso.cambiadores.empty());
}

TEST_F(BorrarTest, StreamDeletionShiftsTheSelectedStream) {
  struct Caso {
    std::int32_t borrar, sel, esperada;
  };
  const Caso casos[] = {{1, 3, 2}, {1, 1, 0}, {2, 1, 1}, {0, kRefServicio, kRefServicio}};
  for (const auto& c : casos) {
    CDiagrama m = d;
    m.AddServicio();
    m.SeleccionarCorriente(c.sel);
    m.m_perturbacionOrigen = c.sel;
    m.BorrarCorriente(c.borrar);
    EXPECT_EQ(m.GetCorrienteSel(), c.esperada) << c.borrar << " " << c.sel;
    EXPECT_EQ(m.m_perturbacionOrigen, c.esperada);
    EXPECT_TRUE(m.RefValida(m.GetCorrienteSel()));
  }
}

// Deleting stream 0 of three moves a member 2 to 1 and removes an area whose
// only member was 0, with the message naming it.
TEST(DiagramaAreas, DeletingAStreamEmptiesAndRemovesItsArea) {
  PuertoGrabado ui;
  CDiagrama d;
  AnadirCorrientes(d, 3);
  d.AddArea("Norte", 0);
  d.AddArea("Sur", 0);
  d.m_areas[0].corrientes = {0};
  d.m_corrientes[0].m_area = 0;
  d.m_areas[1].corrientes = {2, 1};
  d.m_corrientes[1].m_area = 1;
  d.m_corrientes[2].m_area = 1;
  d.BorrarCorriente(0);
  ASSERT_EQ(d.m_areas.size(), 1u);
  EXPECT_EQ(d.m_areas[0].nombre, "Sur");
  EXPECT_EQ(d.m_areas[0].corrientes, (std::vector<std::uint32_t>{1, 0}));
  EXPECT_EQ(d.m_corrientes[0].m_area, 0);
  EXPECT_EQ(d.m_corrientes[1].m_area, 0);
  ASSERT_EQ(ui.puerto.Log().size(), 1u);
  EXPECT_EQ(ui.puerto.Log()[0].text,
            "El área de integridad 1 Norte no tiene ninguna corriente.\nPor lo tanto, será "
            "eliminada");
  EXPECT_EQ(ui.puerto.Log()[0].kind, MsgKind::Information);
}

// Deleting area 1 of three makes its streams area-less and moves area 2's
// streams to area 1.
TEST(DiagramaAreas, BorrarArea) {
  CDiagrama d;
  AnadirCorrientes(d, 3);
  d.AddServicio();
  for (int a = 0; a < 3; ++a) d.AddArea("A" + std::to_string(a), MakeRgb(a, 0, 0));
  EXPECT_EQ(d.m_areas[2].color, MakeRgb(2, 0, 0));
  EXPECT_EQ(d.m_areas[2].mostrada, 0);
  d.m_corrientes[0].m_area = 0;
  d.m_corrientes[1].m_area = 1;
  d.m_corrientes[2].m_area = 2;
  d.m_servicios[0].m_area = 2;
  d.BorrarArea(1);
  ASSERT_EQ(d.m_areas.size(), 2u);
  EXPECT_EQ(d.m_areas[1].nombre, "A2");
  EXPECT_EQ(d.m_corrientes[0].m_area, 0);
  EXPECT_EQ(d.m_corrientes[1].m_area, -1);
  EXPECT_EQ(d.m_corrientes[2].m_area, 1);
  EXPECT_EQ(d.m_servicios[0].m_area, 1);
  d.BorrarArea(5);  // ignored
  EXPECT_EQ(d.m_areas.size(), 2u);
}

TEST(DiagramaServicios, BorrarServicio) {
  PuertoGrabado ui;
  CDiagrama d;
  AnadirCorrientes(d, 2);
  for (int k = 0; k < 3; ++k) d.AddServicio();
  AnadirCambiador(d, kRefServicio, 1);  // 0: on utility 0
  AnadirCambiador(d, 0, kRefServicio + 1);  // 1: on utility 1 (deleted)
  AnadirCambiador(d, kRefServicio + 2, 1);  // 2: on utility 2
  AnadirCambiador(d, 0, 1);     // 3
  d.m_cambiadores[3].tipoEntradaFria = kTipoCambiador;
  d.m_cambiadores[3].valorEntradaFria = 2.0;
  d.AddArea("Servicios", 0);
  d.m_areas[0].corrientes = {kRefServicio + 1};
  d.m_servicios[1].m_area = 0;
  d.AddArea("Mixta", 0);
  d.m_areas[1].corrientes = {0, kRefServicio + 2};
  d.m_corrientes[0].m_area = 1;
  d.m_servicios[2].m_area = 1;
  d.SeleccionarCorriente(kRefServicio + 2);
  d.m_grafoConstruido = 1;

  d.BorrarServicio(1);
  EXPECT_EQ(d.GetNumServicios(), 2);
  ASSERT_EQ(d.GetNumCambiadores(), 3);
  EXPECT_EQ(d.m_cambiadores[0].ladoCaliente.ref, kRefServicio);
  EXPECT_EQ(d.m_cambiadores[1].ladoCaliente.ref, kRefServicio + 1);
  EXPECT_EQ(d.m_cambiadores[2].ladoFrio.ref, 1);
  EXPECT_EQ(d.m_cambiadores[2].valorEntradaFria, 1.0);
  ASSERT_EQ(d.m_areas.size(), 1u);
  EXPECT_EQ(d.m_areas[0].corrientes, (std::vector<std::uint32_t>{0, kRefServicio + 1}));
  EXPECT_EQ(d.m_servicios[1].m_area, 0);
  EXPECT_EQ(d.GetCorrienteSel(), kRefServicio + 1);
  EXPECT_EQ(d.m_grafoConstruido, 0);
  EXPECT_EQ(ui.puerto.Log().size(), 1u);

  d.BorrarServicio(1);
  EXPECT_EQ(d.GetCorrienteSel(), 0);  // the selected utility was deleted
  d.BorrarServicio(9);                // ignored
  EXPECT_EQ(d.GetNumServicios(), 1);
}

// Working fields (colours, utility cascade lists, split selection) are left
// out by the records' copies; moving records inside their arrays must not
// hand them to a neighbour or drop them.
TEST(DiagramaTrabajo, WorkingFieldsStayWithTheirRecords) {
  PuertoGrabado ui;
  CDiagrama d;
  AnadirCorrientes(d, 2);
  d.SeleccionarCorriente(1);
  for (int i = 0; i < 40; ++i) d.AddCorriente(300.0, 400.0 + i, 1.0, 1, 0);  // grows the array
  EXPECT_EQ(d.m_corrientes[1].m_color, kColorSeleccion);
  for (std::size_t i = 0; i < d.m_corrientes.size(); ++i) {
    if (i != 1) {
      EXPECT_EQ(d.m_corrientes[i].m_color, 0u) << i;
    }
  }
  d.BorrarCorriente(0);
  EXPECT_EQ(d.GetCorrienteSel(), 0);
  EXPECT_EQ(d.m_corrientes[0].m_color, kColorSeleccion);
  EXPECT_EQ(d.m_corrientes[1].m_color, 0u);

  for (int k = 0; k < 3; ++k) d.AddServicio();
  for (int k = 0; k < 3; ++k) {
    d.m_servicios[static_cast<std::size_t>(k)].m_cascadaT = {100.0 * (k + 1)};
    d.m_servicios[static_cast<std::size_t>(k)].m_cascadaH = {static_cast<double>(k)};
  }
  d.BorrarServicio(0);
  EXPECT_EQ(d.m_servicios[0].m_cascadaT, std::vector<double>{200.0});
  EXPECT_EQ(d.m_servicios[1].m_cascadaH, std::vector<double>{2.0});
}

// ---------------------------------------------------------------- splits

// Streams 0 (plain), 1 and 2 (branches of split 0), 3 (branch of split 1),
// 4 (plain, yet the outgoing stream of split 1's node). Every node reference
// names a stream of its own split or stream 4.
class BifurcacionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AnadirCorrientes(d, 5);
    d.m_bifurcadas.resize(2);
    d.m_bifurcadas[0].ramas = {1, 2};
    d.m_bifurcadas[0].nodos.resize(1);
    d.m_bifurcadas[0].nodos[0].refEntrada = 1;
    d.m_bifurcadas[0].nodos[0].refRamaPrincipal = 2;
    d.m_bifurcadas[0].nodos[0].refRamaDesplazada = 2;
    d.m_bifurcadas[0].nodos[0].refSalida = 1;
    d.m_bifurcadas[0].conexiones = {CConexion(1, 2)};
    d.m_bifurcadas[1].ramas = {3};
    d.m_bifurcadas[1].nodos.resize(1);
    d.m_bifurcadas[1].nodos[0].refEntrada = 3;
    d.m_bifurcadas[1].nodos[0].refRamaPrincipal = 3;
    d.m_bifurcadas[1].nodos[0].refRamaDesplazada = 3;
    d.m_bifurcadas[1].nodos[0].refSalida = 4;
    d.m_bifurcadas[1].conexiones = {CConexion(3, 4)};
    d.m_corrientes[1].m_split = 0;
    d.m_corrientes[2].m_split = 0;
    d.m_corrientes[3].m_split = 1;
    AnadirCambiador(d, 0, 1);
    AnadirCambiador(d, 4, 3);
    d.m_grafoConstruido = 1;
  }
  CDiagrama d;
};

TEST_F(BifurcacionTest, BorrarBifurcacionDeletesItsBranches) {
  d.BorrarBifurcacion(0);
  ASSERT_EQ(d.GetNumCorrientes(), 3);
  ASSERT_EQ(d.m_bifurcadas.size(), 1u);
  EXPECT_EQ(d.m_corrientes[1].m_split, 0);  // old stream 3
  EXPECT_EQ(d.m_bifurcadas[0].ramas, std::vector<std::uint32_t>{1});
  EXPECT_EQ(d.m_bifurcadas[0].nodos[0].refEntrada, 1);
  EXPECT_EQ(d.m_bifurcadas[0].nodos[0].refSalida, 2);
  EXPECT_EQ(d.m_bifurcadas[0].conexiones[0], CConexion(1, 2));
  ASSERT_EQ(d.GetNumCambiadores(), 1);  // the exchanger on stream 1 went
  EXPECT_EQ(d.m_cambiadores[0].ladoCaliente.ref, 2);
  EXPECT_EQ(d.m_cambiadores[0].ladoFrio.ref, 1);
  EXPECT_EQ(d.m_grafoConstruido, 0);
  EXPECT_TRUE(d.m_bifurcadas[0].ReferenciasValidas(d.GetNumCorrientes()));
}

TEST_F(BifurcacionTest, DeletingABranchTakesItsWholeSplit) {
  d.BorrarCorriente(2);
  EXPECT_EQ(d.GetNumCorrientes(), 3);
  ASSERT_EQ(d.m_bifurcadas.size(), 1u);
  EXPECT_TRUE(d.m_bifurcadas[0].ReferenciasValidas(d.GetNumCorrientes()));
  // Deleting a plain stream below a split shifts the split's references.
  d.BorrarCorriente(0);
  EXPECT_EQ(d.m_bifurcadas[0].ramas, std::vector<std::uint32_t>{0});
  EXPECT_EQ(d.m_bifurcadas[0].nodos[0].refEntrada, 0);
  EXPECT_EQ(d.m_bifurcadas[0].nodos[0].refSalida, 1);
}

// Stream 4 carries no split index but split 1's node and link name it:
// deleting it takes split 1 with its branch, and every reference left names
// a stream that exists.
TEST_F(BifurcacionTest, DeletingAStreamASplitNamesTakesThatSplit) {
  d.BorrarCorriente(4);
  EXPECT_EQ(d.GetNumCorrientes(), 3);
  ASSERT_EQ(d.m_bifurcadas.size(), 1u);
  EXPECT_EQ(d.m_bifurcadas[0].ramas, (std::vector<std::uint32_t>{1, 2}));
  EXPECT_TRUE(d.m_bifurcadas[0].ReferenciasValidas(d.GetNumCorrientes()));
  for (const auto& c : d.m_corrientes) EXPECT_LT(c.m_split, 1);
  ASSERT_EQ(d.GetNumCambiadores(), 1);  // the one on streams 3 and 4 went
  EXPECT_EQ(d.m_grafoConstruido, 0);
  // Deleting a split that names a plain stream keeps that stream.
  d.m_bifurcadas[0].nodos[0].refSalida = 0;
  d.BorrarBifurcacion(0);
  EXPECT_EQ(d.GetNumCorrientes(), 1);
  EXPECT_TRUE(d.m_bifurcadas.empty());
}

TEST_F(BifurcacionTest, SelectingABranchMarksItsSplit) {
  d.SeleccionarCorriente(2);
  EXPECT_EQ(d.m_bifurcadas[0].seleccion, 2);
  d.SeleccionarCorriente(0);
  EXPECT_EQ(d.m_bifurcadas[0].seleccion, kSinSeleccionBifurcada);
  EXPECT_EQ(d.m_corrientes[2].m_color, 0u);
  EXPECT_EQ(d.m_corrientes[0].m_color, kColorSeleccion);
  d.SeleccionarCorriente(3);
  d.DeseleccionarCorriente();
  EXPECT_EQ(d.m_bifurcadas[1].seleccion, kSinSeleccionBifurcada);
}

// ---------------------------------------------------------------- graph flag

TEST(DiagramaGrafo, EveryChangeOfTheDesignClearsTheGraphFlag) {
  PuertoGrabado ui;
  struct Caso {
    const char* nombre;
    void (*op)(CDiagrama&);
  };
  const Caso casos[] = {
      {"AddCorriente", [](CDiagrama& d) { d.AddCorriente(300, 400, 1, 1, 0); }},
      {"BorrarCorriente", [](CDiagrama& d) { d.BorrarCorriente(1); }},
      {"AddServicio", [](CDiagrama& d) { d.AddServicio(); }},
      {"BorrarServicio", [](CDiagrama& d) { d.BorrarServicio(0); }},
      {"AddCambiador", [](CDiagrama& d) { AnadirCambiador(d, 0, 1); }},
      {"BorrarCambiador", [](CDiagrama& d) { d.BorrarCambiador(0); }},
      {"ConectarCaliente", [](CDiagrama& d) { d.ConectarCaliente(2, 0, 0); }},
      {"ConectarFria", [](CDiagrama& d) { d.ConectarFria(1, 0, 0); }},
      {"BorrarBifurcacion", [](CDiagrama& d) { d.BorrarBifurcacion(0); }},
  };
  for (const auto& c : casos) {
    CDiagrama d;
    AnadirCorrientes(d, 3);
    d.AddServicio();
    AnadirCambiador(d, 0, 1);
    d.m_bifurcadas.resize(1);
    d.m_grafoConstruido = 1;
    c.op(d);
    EXPECT_EQ(d.m_grafoConstruido, 0) << c.nombre;
  }
}

TEST(DiagramaIndices, OutOfRangeIndicesAreIgnored) {
  CDiagrama d;
  AnadirCorrientes(d, 2);
  AnadirCambiador(d, 0, 1);
  const CDiagrama antes = d;
  d.BorrarCorriente(2);
  d.BorrarCorriente(-1);
  d.BorrarCambiador(1);
  d.BorrarBifurcacion(0);
  d.BorrarServicio(0);
  d.SeleccionarCambiador(3);
  d.SeleccionarCorriente(1000);
  EXPECT_EQ(d.GetNumCorrientes(), antes.GetNumCorrientes());
  EXPECT_EQ(d.GetNumCambiadores(), antes.GetNumCambiadores());
  EXPECT_EQ(d.GetCambiadorSel(), 0);
  EXPECT_EQ(d.GetCorrienteSel(), 0);
}

}  // namespace
}  // namespace vardo
