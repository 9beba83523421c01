#include "app/core/analysis/emparejamientos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "model/bifurcacion_edicion.h"
#include "model/cambiador.h"
#include "model/constantes.h"
#include "model/red.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/comun/problemas.h"

namespace vardo {
namespace {

using EmparejamientosUi = prueba::ConPuertoUi;

constexpr Rgb kColor0 = MakeRgb(255, 200, 150);
constexpr Rgb kColor1 = MakeRgb(255, 0, 255);

// Row of a stream in a list, -1 when it is not listed.
int Fila(const std::vector<CEmparejamientosPinch::Fila>& filas, std::int32_t ref) {
  for (std::size_t i = 0; i < filas.size(); ++i)
    if (filas[i].ref == ref) return static_cast<int>(i);
  return -1;
}

// The design state on one pinch and side of a model, clicked by stream
// references as the engineer clicks rows.
struct Diseno {
  CDiagrama& d;
  int pinch;
  int lado;
  CEmparejamientosPinch e;

  Diseno(CDiagrama& modelo, int p, int l) : d(modelo), pinch(p), lado(l) {
    e.MostrarCambiadores(d, pinch, lado);
  }
  ResultadoClic Clic(std::int32_t caliente, std::int32_t fria) {
    const int fc = Fila(e.Calientes(), caliente);
    const int ff = Fila(e.Frias(), fria);
    EXPECT_GE(fc, 0) << caliente;
    EXPECT_GE(ff, 0) << fria;
    return e.Clic(d, pinch, lado, fc, ff);
  }
  Rgb ColorCaliente(std::int32_t ref) const {
    return e.Calientes()[static_cast<std::size_t>(Fila(e.Calientes(), ref))].color;
  }
  Rgb ColorFria(std::int32_t ref) const {
    return e.Frias()[static_cast<std::size_t>(Fila(e.Frias(), ref))].color;
  }
  void Guardar() { e.GuardarCambiadores(d, pinch, lado); }
};

// Each stream's and utility's exchanger list names exactly the exchangers
// that join it.
void EsperarListasCompletas(const CDiagrama& d) {
  const auto revisar = [&](const CCorriente& s, std::int32_t ref) {
    std::vector<std::uint32_t> esperadas;
    for (std::size_t j = 0; j < d.m_cambiadores.size(); ++j)
      if (d.m_cambiadores[j].ladoCaliente.ref == ref || d.m_cambiadores[j].ladoFrio.ref == ref)
        esperadas.push_back(static_cast<std::uint32_t>(j));
    std::vector<std::uint32_t> lista = s.m_cambiadores;
    std::sort(lista.begin(), lista.end());
    EXPECT_EQ(lista, esperadas) << "referencia " << ref;
  };
  for (std::int32_t i = 0; i < d.GetNumCorrientes(); ++i)
    revisar(d.m_corrientes[static_cast<std::size_t>(i)], i);
  for (std::int32_t k = 0; k < d.GetNumServicios(); ++k)
    revisar(d.m_servicios[static_cast<std::size_t>(k)], kRefServicio + k);
}

void EsperarCambiador(const CCambiador& c, std::int32_t caliente, std::int32_t fria, double q,
                      double the, double ths, double tfe, double tfs) {
  EXPECT_EQ(c.ladoCaliente.ref, caliente);
  EXPECT_EQ(c.ladoFrio.ref, fria);
  EXPECT_EQ(c.modo, kModoTemperaturas);
  EXPECT_NEAR(c.q, q, 1e-9);
  EXPECT_NEAR(c.tEntradaCaliente, the, 1e-9);
  EXPECT_NEAR(c.tSalidaCaliente, ths, 1e-9);
  EXPECT_NEAR(c.tEntradaFria, tfe, 1e-9);
  EXPECT_NEAR(c.tSalidaFria, tfs, 1e-9);
}

TEST_F(EmparejamientosUi, LadoCalienteDeCuatroCorrientesEmparejaYGuarda) {
  CDiagrama d = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  Diseno s(d, 0, kLadoCaliente);
  EXPECT_TRUE(s.e.Emparejamientos().empty());

  // H2 (m·cp 3) with C1 (m·cp 2) fails the criterion.
  EXPECT_EQ(s.Clic(1, 0), ResultadoClic::NoFactible);
  EXPECT_EQ(MensajeTrasClic(ResultadoClic::NoFactible),
            "No es posible definir un cambiador entre estas corrientes\n\n"
            "No se cumplen los criterios de factibilidad");
  EXPECT_EQ(s.ColorCaliente(1), 0u);

  EXPECT_EQ(s.Clic(1, 2), ResultadoClic::Anadido);
  EXPECT_EQ(s.ColorCaliente(1), kColor0);
  EXPECT_EQ(s.ColorFria(2), kColor0);
  EXPECT_EQ(s.Clic(3, 0), ResultadoClic::Anadido);
  EXPECT_EQ(s.ColorCaliente(3), kColor1);
  EXPECT_EQ(s.ColorFria(0), kColor1);
  EXPECT_EQ(s.Clic(1, 0), ResultadoClic::YaEmparejada);
  EXPECT_EQ(MensajeTrasClic(ResultadoClic::YaEmparejada).find(
                "Una de las corrientes ya está emparejada"),
            std::string("No es posible definir un cambiador entre estas corrientes\n\n").size());
  EXPECT_EQ(s.e.Emparejamientos(),
            (std::vector<Emparejamiento>{{1, 2}, {3, 0}}));

  s.Guardar();
  EXPECT_TRUE(ui.Log().empty()) << ui.Log().front().text;
  ASSERT_EQ(d.GetNumCambiadores(), 2);
  EsperarCambiador(d.m_cambiadores[0], 1, 2, 240, 443.15, 363.15, 353.15, 413.15);
  EsperarCambiador(d.m_cambiadores[1], 3, 0, 90, 423.15, 363.15, 353.15, 398.15);
  EsperarListasCompletas(d);

  // Shown again: both matches, coloured from colour 0 in exchanger order.
  Diseno otra(d, 0, kLadoCaliente);
  EXPECT_EQ(otra.e.Emparejamientos(), (std::vector<Emparejamiento>{{1, 2}, {3, 0}}));
  EXPECT_EQ(otra.ColorCaliente(1), kColor0);
  EXPECT_EQ(otra.ColorFria(2), kColor0);
  EXPECT_EQ(otra.ColorCaliente(3), kColor1);
  EXPECT_EQ(otra.ColorFria(0), kColor1);
  // Saving again adds nothing: the exchangers already sit at the pinch.
  otra.Guardar();
  EXPECT_EQ(d.GetNumCambiadores(), 2);

  // Clicking one pair again removes it; saving deletes its exchanger.
  Diseno tercera(d, 0, kLadoCaliente);
  EXPECT_EQ(tercera.Clic(1, 2), ResultadoClic::Eliminado);
  EXPECT_EQ(tercera.ColorCaliente(1), 0u);
  EXPECT_EQ(tercera.ColorFria(2), 0u);
  EXPECT_EQ(tercera.e.Eliminados(), (std::vector<Emparejamiento>{{1, 2}}));
  tercera.Guardar();
  ASSERT_EQ(d.GetNumCambiadores(), 1);
  EsperarCambiador(d.m_cambiadores[0], 3, 0, 90, 423.15, 363.15, 353.15, 398.15);
  EsperarListasCompletas(d);
}

TEST_F(EmparejamientosUi, LadoFrioDeCuatroCorrientes) {
  CDiagrama d = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  Diseno s(d, 0, kLadoFrio);
  EXPECT_EQ(s.Clic(3, 0), ResultadoClic::NoFactible);  // 1.5 < 2
  EXPECT_EQ(s.Clic(1, 0), ResultadoClic::Anadido);
  s.Guardar();
  EXPECT_TRUE(ui.Log().empty());
  ASSERT_EQ(d.GetNumCambiadores(), 1);
  EsperarCambiador(d.m_cambiadores[0], 1, 0, 90, 363.15, 333.15, 308.15, 353.15);
  EsperarListasCompletas(d);
}

TEST_F(EmparejamientosUi, QuitarUnEmparejamientoBorraSoloElCambiadorDelPinch) {
  // The minimum-utility design: E2 (H4-C1) sits at the pinch on the hot
  // side, E4 joins the same streams below it.
  CDiagrama d = prueba::DisenoCuatroCorrientes();
  ASSERT_TRUE(prueba::Calculada(d.CalcularRed()));
  Diseno s(d, 0, kLadoCaliente);
  EXPECT_EQ(s.e.Emparejamientos(), (std::vector<Emparejamiento>{{1, 2}, {3, 0}}));
  EXPECT_EQ(s.Clic(3, 0), ResultadoClic::Eliminado);
  s.Guardar();
  ASSERT_EQ(d.GetNumCambiadores(), 5);
  int entreH4yC1 = 0;
  for (const CCambiador& c : d.m_cambiadores) {
    if (c.ladoCaliente.ref == 3 && c.ladoFrio.ref == 0) {
      ++entreH4yC1;
      EXPECT_NEAR(c.tSalidaFria, 308.15, 1e-9);  // E4, below the pinch
    }
  }
  EXPECT_EQ(entreH4yC1, 1);
  EsperarListasCompletas(d);

  // The cold side shows E3 (H2-C1 at the pinch) only.
  Diseno frio(d, 0, kLadoFrio);
  EXPECT_EQ(frio.e.Emparejamientos(), (std::vector<Emparejamiento>{{1, 0}}));
}

TEST_F(EmparejamientosUi, ElCambiadorNuevoTomaElFormatoDelPrimero) {
  CDiagrama d = prueba::DisenoCuatroCorrientes();
  ASSERT_TRUE(prueba::Calculada(d.CalcularRed()));
  d.m_cambiadores[0].SetFormato(1, 0, 1, 0, 0, 1, 9.0);
  // H4-C1 removed and made again: its exchanger is deleted and a new one,
  // the model's last, written in its place.
  Diseno s(d, 0, kLadoCaliente);
  ASSERT_EQ(s.Clic(3, 0), ResultadoClic::Eliminado);
  ASSERT_EQ(s.Clic(3, 0), ResultadoClic::Anadido);
  s.Guardar();
  ASSERT_EQ(d.GetNumCambiadores(), 6);
  const CCambiador& nuevo = d.m_cambiadores.back();
  EXPECT_EQ(nuevo.ladoCaliente.ref, 3);
  EXPECT_EQ(nuevo.ladoFrio.ref, 0);
  EXPECT_EQ(nuevo.verEntradaCaliente, 1);
  EXPECT_EQ(nuevo.verSalidaCaliente, 0);
  EXPECT_EQ(nuevo.verEntradaFria, 1);
  EXPECT_EQ(nuevo.verSalidaFria, 0);
  EXPECT_EQ(nuevo.verQ, 0);
  EXPECT_EQ(nuevo.posicionNumero, 1);
  EXPECT_EQ(nuevo.tamano, 9.0);
  EsperarCambiador(nuevo, 3, 0, 90, 423.15, 363.15, 353.15, 398.15);
}

TEST_F(EmparejamientosUi, GuardarSinEmparejamientosReconstruyeListasYCalcula) {
  CDiagrama d = prueba::DisenoCuatroCorrientes();
  for (CCorriente& c : d.m_corrientes) c.m_cambiadores.clear();
  CEmparejamientosPinch e;
  e.RellenarListas(d, 0, kLadoCaliente);
  e.GuardarCambiadores(d, 0, kLadoCaliente);
  EXPECT_EQ(d.GetNumCambiadores(), 6);
  EsperarListasCompletas(d);
  for (const CCambiador& c : d.m_cambiadores) EXPECT_EQ(c.calculado, 1);
}

// Four streams plus C5 (353.15 -> 373.15 m·cp 5) above the pinch and C6
// (333.15 -> 353.15 m·cp 1) below it: each of the four ways a match is
// written.
TEST_F(EmparejamientosUi, ExtremosDelCambiadorSegunLaCorrienteCompletada) {
  struct Par {
    std::int32_t tipo;
    double valor;
  };
  struct Caso {
    const char* nombre;
    int lado;
    std::int32_t caliente, fria;
    Par ec, sc, ef, sf;
  };
  const Par no{kTipoNinguno, 0}, propio{kTipoExtremo, 0}, pinch{kTipoPinch, 0};
  const Caso casos[] = {
      {"empate: se completa la caliente", kLadoCaliente, 1, 2, propio, pinch, pinch, no},
      {"se completa la fría", kLadoCaliente, 1, 4, no, pinch, pinch, propio},
      {"lado frío, se completa la caliente", kLadoFrio, 1, 0, pinch, propio, no, pinch},
      {"lado frío, se completa la fría", kLadoFrio, 1, 5, pinch, no, propio, pinch},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = prueba::CuatroCorrientesSinCalcular();
    d.AddCorriente(353.15, 373.15, 5, 1, 0);
    d.AddCorriente(333.15, 353.15, 1, 1, 0);
    Diseno s(d, 0, c.lado);
    ASSERT_EQ(s.Clic(c.caliente, c.fria), ResultadoClic::Anadido);
    s.Guardar();
    ASSERT_EQ(d.GetNumCambiadores(), 1);
    const CCambiador& x = d.m_cambiadores[0];
    EXPECT_EQ(x.modo, kModoTemperaturas);
    EXPECT_EQ(x.tipoQ, kTipoNinguno);
    EXPECT_EQ(x.tipoEntradaCaliente, c.ec.tipo);
    EXPECT_EQ(x.valorEntradaCaliente, c.ec.valor);
    EXPECT_EQ(x.tipoSalidaCaliente, c.sc.tipo);
    EXPECT_EQ(x.valorSalidaCaliente, c.sc.valor);
    EXPECT_EQ(x.tipoEntradaFria, c.ef.tipo);
    EXPECT_EQ(x.valorEntradaFria, c.ef.valor);
    EXPECT_EQ(x.tipoSalidaFria, c.sf.tipo);
    EXPECT_EQ(x.valorSalidaFria, c.sf.valor);
    EXPECT_EQ(x.calculado, 1);
  }
}

// Process: C 290 -> 490 m·cp 1, H1 400 -> 300 m·cp 1 and the hot stream H
// from `entrada` to 400 (m·cp 0.5); pinch at shifted 395 (hot streams meet it
// at 400, cold ones at 390). Latent hot utilities of 50 kW at 520 and 450 K
// leave the cascade with utilities at zero at shifted 445: utility pinch 1,
// above the process pinch. The heat H brings lies below 445, so that pinch
// stays where it is.
CDiagrama ConPinchDeServicioArriba(double entrada) {
  CDiagrama d;
  d.AddCorriente(290, 490, 1, 1, 0);
  d.AddCorriente(400, 300, 1, 0, 0);
  d.AddCorriente(entrada, 400, 0.5, 0, 0);
  d.m_servicios.push_back(prueba::ServicioLatente(520, 50, 0));
  d.m_servicios.push_back(prueba::ServicioLatente(450, 50, 0));
  d.m_serviciosVisibles = 1;
  return d;
}

// The same problem mirrored about 400 K, hot and cold swapped: the process
// pinch at shifted 405 (hot streams 410, cold ones 400), latent cold
// utilities of 50 kW at 280 and 350 K, the utility pinch at shifted 355 and
// the cold stream C from `entrada` to 400 K.
CDiagrama ConPinchDeServicioAbajo(double entrada) {
  CDiagrama d;
  d.AddCorriente(510, 310, 1, 0, 0);
  d.AddCorriente(400, 500, 1, 1, 0);
  d.AddCorriente(entrada, 400, 0.5, 1, 0);
  d.m_servicios.push_back(prueba::ServicioLatente(280, 50, 1));
  d.m_servicios.push_back(prueba::ServicioLatente(350, 50, 1));
  d.m_serviciosVisibles = 1;
  return d;
}

// A stream that ends near the utility pinch next to the process pinch: its
// own end counts while it lies short of that pinch on its own scale (hot
// U + DT min/2 = 450 K, cold L - DT min/2 = 350 K), and the exchanger written
// lies within both streams and the check accepts it.
TEST_F(EmparejamientosUi, CorrienteQueLlegaAlPinchDeServicioVecinoDaUnCambiadorValido) {
  struct Caso {
    bool abajo;  // the cold mirror
    double entrada;
    std::int32_t tipo;  // of the completed stream's far end
    double entradaCaliente, salidaCaliente, entradaFria, salidaFria, q;
  };
  const Caso casos[] = {
      {false, 440, kTipoExtremo, 440, 400, 390, 410, 20},
      {false, 445, kTipoExtremo, 445, 400, 390, 412.5, 22.5},
      {false, 447, kTipoExtremo, 447, 400, 390, 413.5, 23.5},
      {false, 450, kTipoPinch, 450, 400, 390, 415, 25},
      {true, 360, kTipoExtremo, 410, 390, 360, 400, 20},
      {true, 355, kTipoExtremo, 410, 387.5, 355, 400, 22.5},
      {true, 353, kTipoExtremo, 410, 386.5, 353, 400, 23.5},
      {true, 350, kTipoPinch, 410, 385, 350, 400, 25},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << (c.abajo ? "fría " : "caliente ") << c.entrada);
    CDiagrama d = c.abajo ? ConPinchDeServicioAbajo(c.entrada) : ConPinchDeServicioArriba(c.entrada);
    const auto p = TemperaturaPinch(d, 0);
    ASSERT_TRUE(p.has_value());
    ASSERT_EQ(p->T, c.abajo ? 405.0 : 395.0);
    ASSERT_EQ(PinchesServicioRed(d), std::vector<double>{c.abajo ? 355.0 : 445.0});
    const int lado = c.abajo ? kLadoFrio : kLadoCaliente;
    Diseno s(d, 0, lado);
    ASSERT_EQ(c.abajo ? s.Clic(0, 2) : s.Clic(2, 0), ResultadoClic::Anadido);
    s.Guardar();
    ASSERT_EQ(d.GetNumCambiadores(), 1);
    const CCambiador& x = d.m_cambiadores[0];
    // C (H) is completed: its far end is its own supply or the pinch.
    if (c.abajo) {
      EXPECT_EQ(x.tipoEntradaFria, c.tipo);
      EXPECT_EQ(x.tipoSalidaCaliente, kTipoNinguno);
    } else {
      EXPECT_EQ(x.tipoEntradaCaliente, c.tipo);
      EXPECT_EQ(x.tipoSalidaFria, kTipoNinguno);
    }
    EXPECT_EQ(x.calculado, 1);
    EXPECT_NEAR(x.tEntradaCaliente, c.entradaCaliente, 1e-9);
    EXPECT_NEAR(x.tSalidaCaliente, c.salidaCaliente, 1e-9);
    EXPECT_NEAR(x.tEntradaFria, c.entradaFria, 1e-9);
    EXPECT_NEAR(x.tSalidaFria, c.salidaFria, 1e-9);
    EXPECT_NEAR(x.q, c.q, 1e-9);
    EXPECT_TRUE(prueba::Calculada(d.CalcularRed()));
    EXPECT_EQ(d.m_textoComprobacion.find("Errores"), std::string::npos) << d.m_textoComprobacion;
  }
}

// A match that completes a latent stream gives its whole heat. Process
// pinch: H1 500 -> 300 K m·cp 1, C2 395 -> 450 K m·cp 2, C3 latent at 390 K
// with 80 kW, DT min 10 (pinch at shifted 395: 400 K hot, 390 K cold). On the
// hot side H1 has 100 kW above 400 K, C3 its 80: C3 is completed, so the
// exchanger takes 80 kW and H1 runs from 480 down to the pinch at 400 K.
// Utility pinch: on its cold side (shifted 445) the latent steam at 450 K
// (50 kW) meets C (290 -> 490 K, 50 kW from 440 down to the process pinch at
// 390 K): the tie completes the steam, both its ends at 450 K, 50 kW.
TEST_F(EmparejamientosUi, LaCorrienteLatenteCompletadaDaTodoSuCalor) {
  struct Caso {
    const char* nombre;
    std::function<CDiagrama()> problema;
    int pinch, lado;
    std::int32_t caliente, fria;
    double q, the, ths, tfe, tfs;
  };
  const Caso casos[] = {
      {"pinch de proceso, fría latente", [] { return prueba::LatenteEnElPinch(); }, 0,
       kLadoCaliente, 0, 2, 80, 480, 400, 390, 390},
      {"pinch de servicios, vapor latente", [] { return ConPinchDeServicioArriba(440); }, 1,
       kLadoFrio, kRefServicio + 1, 0, 50, 450, 450, 390, 440},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = c.problema();
    Diseno s(d, c.pinch, c.lado);
    ASSERT_EQ(s.Clic(c.caliente, c.fria), ResultadoClic::Anadido);
    s.Guardar();
    ASSERT_EQ(d.GetNumCambiadores(), 1);
    EsperarCambiador(d.m_cambiadores[0], c.caliente, c.fria, c.q, c.the, c.ths, c.tfe, c.tfs);
    EXPECT_EQ(d.m_textoComprobacion.find("Errores"), std::string::npos) << d.m_textoComprobacion;
  }
}

TEST(Emparejamientos, ElDecimonovenoVuelveAlPrimerColor) {
  // 19 hot streams 500 -> 300 m·cp 1 and 19 cold ones 390 -> 490 m·cp 2:
  // pinch at shifted 395, every pair feasible on the hot side.
  CDiagrama d;
  for (int i = 0; i < 19; ++i) d.AddCorriente(500, 300, 1, 0, 0);
  for (int i = 0; i < 19; ++i) d.AddCorriente(390, 490, 2, 1, 0);
  CEmparejamientosPinch e;
  e.MostrarCambiadores(d, 0, kLadoCaliente);
  ASSERT_EQ(e.Calientes().size(), 19u);
  ASSERT_EQ(e.Frias().size(), 19u);
  for (int i = 0; i < 19; ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(e.Clic(d, 0, kLadoCaliente, i, i), ResultadoClic::Anadido);
    const Rgb esperado = kColoresEmparejamiento[static_cast<std::size_t>(i % 18)];
    EXPECT_EQ(e.Calientes()[static_cast<std::size_t>(i)].color, esperado);
    EXPECT_EQ(e.Frias()[static_cast<std::size_t>(i)].color, esperado);
  }
  EXPECT_EQ(e.Calientes()[17].color, MakeRgb(64, 255, 255));
  EXPECT_EQ(e.Calientes()[18].color, MakeRgb(255, 200, 150));
}

// Past 1000 streams: a match on stream 1001 or later is refused with its
// message, whichever side it is on; stream 1000 is matched.
TEST(Emparejamientos, CorrientesQueElArchivoNoNombraSeRehusan) {
  // Hot streams 500 -> 300 m·cp 1 at even numbers, cold ones 390 -> 490
  // m·cp 2 at odd numbers, up to stream 1004.
  CDiagrama d;
  for (int i = 0; i < 1004; ++i)
    d.AddCorriente(i % 2 ? 390 : 500, i % 2 ? 490 : 300, i % 2 ? 2 : 1, i % 2, 0);
  CEmparejamientosPinch e;
  e.MostrarCambiadores(d, 0, kLadoCaliente);
  ASSERT_EQ(e.Calientes().size(), 502u);
  ASSERT_EQ(e.Frias().size(), 502u);
  // Row k of each list: stream 2k or 2k + 1.
  ASSERT_EQ(e.Calientes()[500].ref, 1000);
  ASSERT_EQ(e.Frias()[499].ref, 999);
  const struct {
    int caliente, fria;
    ResultadoClic r;
  } casos[] = {{500, 0, ResultadoClic::NoGuardable},
               {0, 500, ResultadoClic::NoGuardable},
               {501, 501, ResultadoClic::NoGuardable},
               {499, 499, ResultadoClic::Anadido}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caliente * 1000 + c.fria);
    EXPECT_EQ(e.Clic(d, 0, kLadoCaliente, c.caliente, c.fria), c.r);
  }
  EXPECT_EQ(MensajeTrasClic(ResultadoClic::NoGuardable), kMsgCambiadorNoGuardable);
  EXPECT_EQ(AyudaTrasClic(ResultadoClic::NoGuardable), kAyudaFactibilidad);
  EXPECT_EQ(e.Emparejamientos(), (std::vector<Emparejamiento>{{998, 999}}));
  e.GuardarCambiadores(d, 0, kLadoCaliente);
  ASSERT_EQ(d.GetNumCambiadores(), 1);
  EXPECT_EQ(d.m_cambiadores[0].ladoCaliente.ref, 998);
}

TEST_F(EmparejamientosUi, PinchQueDesapareceNoEscribeNiBorraCambiadores) {
  CDiagrama d = prueba::TresServiciosFrios();
  d.m_serviciosVisibles = 1;
  Diseno s(d, 2, kLadoCaliente);
  ASSERT_EQ(s.Clic(0, kRefServicio + 1), ResultadoClic::Anadido);
  // The model loses its utility pinches (as a change made in the dialog may).
  d.m_servicios.erase(d.m_servicios.begin());
  ASSERT_FALSE(TemperaturaPinch(d, 2).has_value());
  EXPECT_EQ(s.e.Clic(d, 2, kLadoCaliente, 0, 0), ResultadoClic::SinEfecto);
  s.Guardar();
  EXPECT_EQ(d.GetNumCambiadores(), 0);
  s.e.MostrarCambiadores(d, 2, kLadoCaliente);
  EXPECT_TRUE(s.e.Calientes().empty());
  EXPECT_TRUE(s.e.Frias().empty());
  EXPECT_TRUE(s.e.Emparejamientos().empty());
}

TEST(Emparejamientos, FilasFueraDeLaListaNoHacenNada) {
  CDiagrama d = prueba::CargarEjemplo("cuatro_corrientes.vdo");
  CEmparejamientosPinch e;
  e.MostrarCambiadores(d, 0, kLadoCaliente);
  for (auto [fc, ff] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}})
    EXPECT_EQ(e.Clic(d, 0, kLadoCaliente, fc, ff), ResultadoClic::SinEfecto);
  EXPECT_TRUE(e.Emparejamientos().empty());
}

// A split of C1 while H2-C3 and H4-C1 are removed: the matches not written
// go, the removal H2-C3 stays with the streams renumbered (H2 0, C3 1) and
// still deletes its exchanger at OK; H4-C1 went with C1's exchangers.
TEST(Emparejamientos, TrasBifurcarSeConservanLasEliminacionesRenumeradas) {
  CDiagrama d = prueba::DisenoCuatroCorrientes();
  d.CalcularRed();
  Diseno s(d, 0, kLadoCaliente);
  ASSERT_EQ(s.Clic(1, 2), ResultadoClic::Eliminado);  // H2-C3
  ASSERT_EQ(s.Clic(3, 0), ResultadoClic::Eliminado);  // H4-C1
  ASSERT_EQ(s.Clic(3, 2), ResultadoClic::Anadido);    // H4-C3, not written
  ASSERT_GE(BifurcarCorriente(d, 0, 320, 408.15, 408.15, 50, 50), 0);
  s.e.TrasBifurcar(0);
  s.e.RellenarListas(d, 0, kLadoCaliente);
  EXPECT_TRUE(s.e.Emparejamientos().empty());
  EXPECT_EQ(s.e.Eliminados(), (std::vector<Emparejamiento>{{0, 1}}));
  for (const auto& f : s.e.Calientes()) EXPECT_EQ(f.color, 0u);
  // Left: H2-C3 and the cooler on H4; the removal takes H2-C3 away.
  ASSERT_EQ(d.GetNumCambiadores(), 2);
  s.Guardar();
  ASSERT_EQ(d.GetNumCambiadores(), 1);
  EXPECT_EQ(d.m_cambiadores[0].ladoCaliente.ref, 2);  // H4
  EXPECT_EQ(d.m_cambiadores[0].ladoFrio.ref, kRefGenerico);
  EsperarListasCompletas(d);
}

TEST(Emparejamientos, TextosDeAyuda) {
  EXPECT_EQ(AyudaPrimerClic(true, 1), "Añadiendo cambiador\nCorriente caliente: 2");
  EXPECT_EQ(AyudaPrimerClic(false, kRefServicio + 1),
            "Añadiendo cambiador\nCorriente fría: 1002");
  EXPECT_EQ(AyudaTrasClic(ResultadoClic::Anadido),
            "Cambiador añadido\nPara eliminarlo vuelva a hacer clic sobre sus corrientes");
  EXPECT_EQ(AyudaTrasClic(ResultadoClic::Eliminado), "Cambiador eliminado\n");
  for (ResultadoClic r : {ResultadoClic::YaEmparejada, ResultadoClic::NoFactible})
    EXPECT_EQ(AyudaTrasClic(r), kAyudaFactibilidad);
  EXPECT_TRUE(MensajeTrasClic(ResultadoClic::Anadido).empty());
}

}  // namespace
}  // namespace vardo
