// The coefficient estimation wizard and the dialog "Coeficientes de
// Transmisión de Calor", driven as a user drives them.
#include <gtest/gtest.h>

#include <QListWidget>
#include <utility>
#include <vector>

#include "app/core/entry/estimacion_coeficientes.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_coeficientes.h"
#include "dialogs/entry/dlg_estimar_h.h"
#include "dialogs/entry/registro.h"
#include "model/constantes.h"
#include "platform/core/numtext.h"
#include "tests/comun/kit_prueba.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {
namespace {

using W1 = CHEst1;
using W2 = CH2Est;
using W3 = CH3Est;
using K = CCoeficientesDlg;

std::string Png(const std::string& nombre) { return std::string(::testing::TempDir()) + nombre + ".png"; }

const char* const kAsistente = "Estimación de coeficientes de Transmisión de Calor";
const char* const kNoPositivo = "Introduzca un coeficiente mayor que 0.";

// The four-stream problem with steam (20 kW) and cooling water (60 kW),
// which cover it.
CDiagrama ConServicios() {
  CDiagrama d = CuatroCorrientesConServicios(
      {ServicioLatente(473.15, 20, 0), ServicioSensible(278.15, 288.15, 60)});
  d.m_servicios[0].SetNombre("Vapor");
  d.m_servicios[1].SetNombre("Agua");
  return d;
}

CEstimaHSheet& Asistente(Driver& d) { return dynamic_cast<CEstimaHSheet&>(d.Dialog()); }

std::vector<std::string> Entradas(kit::ControlHost& h, int id) {
  std::vector<std::string> v;
  for (int i = 0; i < h.Count(id); ++i) v.push_back(h.ItemText(id, i));
  return v;
}

class Coeficientes : public ::testing::Test {
 protected:
  Coeficientes() { RegistrarDialogosEntrada(fabrica_); }
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> v;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Message) v.push_back(r.text);
    return v;
  }
  // Runs the coefficients dialog on the model; the script drives it.
  bool Correr(CDiagrama& d, std::function<void(Driver&)> guion) {
    runner_.ScriptDialog(std::move(guion));
    DlgCoeficientes dlg;
    dlg.modelo = d;
    const bool ok = fabrica_.Coeficientes(dlg);
    if (ok) d = dlg.modelo;
    return ok;
  }
  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

// ================================================================ the wizard

TEST_F(Coeficientes, AsistenteTresPasos) {
  CDiagrama d = ConServicios();
  d.m_corrientes[1].m_correlacion = -1;
  d.m_corrientes[1].m_k = 0.25;
  std::vector<std::string> titulos, lista, elegidas, situaciones;
  std::string formula;
  unsigned botones1 = 0, botones3 = 0;
  std::vector<bool> abiertos;
  int situacion = -2;
  runner_.ScriptDialog([&](Driver& drv) {
    CEstimaHSheet& a = Asistente(drv);
    titulos.push_back(a.windowTitle().toStdString());
    situacion = a.m_paso1.CurSel(W1::kIdSituacion);  // no correlation: the first
    situaciones = Entradas(a.m_paso1, W1::kIdSituacion);
    botones1 = a.WizardButtonsShown();
    drv.Grab(Png("coeficientes_paso1"));
    drv.Choose(W1::kIdSituacion, 5);
    formula = a.m_paso1.Text(W1::kIdCorrelacion);
    drv.Next();
    titulos.push_back(a.windowTitle().toStdString());
    for (int k = 0; k < CCorriente::kNumPropiedades; ++k)
      abiertos.push_back(!a.m_paso2.IsReadOnly(W2::IdValor(k)));
    EXPECT_EQ(a.m_paso2.Text(W2::IdValor(0)), "0.25");  // the stream's own values
    drv.Grab(Png("coeficientes_paso2"));
    drv.Type(W2::IdValor(16), "0.04");
    drv.Next();
    titulos.push_back(a.windowTitle().toStdString());
    lista = Entradas(a.m_paso3, W3::kIdDisponibles);
    elegidas = Entradas(a.m_paso3, W3::kIdElegidas);
    drv.Grab(Png("coeficientes_paso3"));
    drv.Click(W3::kIdQuitarTodas);
    botones3 = a.WizardButtonsShown();
    drv.Choose(W3::kIdDisponibles, 5);  // S2 Agua
    drv.Click(W3::kIdAnadir);
    drv.Click(W3::kIdAnadir);  // once only
    drv.Choose(W3::kIdDisponibles, 0);
    drv.Click(W3::kIdAnadir);
    EXPECT_EQ(Entradas(a.m_paso3, W3::kIdElegidas), (std::vector<std::string>{"S2 Agua", "1 "}));
    EXPECT_TRUE(a.IsEnabled(kit::kIdFinish));
    drv.Finish();
  });
  CDiagrama antes = d;
  ASSERT_TRUE(EjecutarAsistenteCoeficientes(nullptr, d, 1));
  EXPECT_EQ(titulos, (std::vector<std::string>{"Coeficientes de Transmisión de Calor: Paso 1 de 3",
                                                "Coeficientes de Transmisión de Calor: Paso 2 de 3",
                                                "Coeficientes de Transmisión de Calor: Paso 3 de 3"}));
  EXPECT_EQ(situacion, 0);
  ASSERT_EQ(situaciones.size(), 10u);
  EXPECT_EQ(situaciones[5], "Cambiadores de placas");
  EXPECT_EQ(botones1, unsigned{kit::kWizNext});
  EXPECT_EQ(formula, "Nu=0.26*Re^0.65*Pr^0.4");
  // Plates: conductivity, viscosity, density, heat capacity, velocity, plate spacing.
  std::vector<bool> placas(CCorriente::kNumPropiedades, false);
  for (int k : {0, 1, 2, 5, 6, 16}) placas[static_cast<std::size_t>(k)] = true;
  EXPECT_EQ(abiertos, placas);
  EXPECT_EQ(lista, (std::vector<std::string>{"1 ", "2 ", "3 ", "4 ", "S1 Vapor", "S2 Agua"}));
  EXPECT_EQ(elegidas, std::vector<std::string>{"2 "});  // the stream being edited
  EXPECT_EQ(botones3, unsigned{kit::kWizBack});

  // The utility and stream 1 took situation 5 and the values; stream 2 not.
  CServicios agua = antes.m_servicios[1];
  agua.m_correlacion = 5;
  // The values shown came from stream 2; the plate spacing was typed.
  for (int n = 1; n <= CCorriente::kNumPropiedades; ++n)
    agua.Propiedad(n) = antes.m_corrientes[1].Propiedad(n);
  agua.m_PP = 0.04;
  agua.EstimarH();
  EXPECT_EQ(d.m_servicios[1].m_correlacion, 5);
  EXPECT_DOUBLE_EQ(d.m_servicios[1].m_PP, 0.04);
  EXPECT_DOUBLE_EQ(d.m_servicios[1].m_h, agua.m_h);
  EXPECT_NE(d.m_servicios[1].m_h, antes.m_servicios[1].m_h);
  EXPECT_EQ(d.m_corrientes[0].m_correlacion, 5);
  EXPECT_EQ(d.m_corrientes[1].m_correlacion, -1);
  EXPECT_DOUBLE_EQ(d.m_corrientes[1].m_h, antes.m_corrientes[1].m_h);
}

TEST_F(Coeficientes, LaCorrienteEditadaYOtraSeEstimanAmbas) {
  // What the "Estimar coeficiente" button of a stream page runs: afterwards
  // the edited stream holds its own new coefficient, whatever was chosen
  // after it.
  CDiagrama d = ConServicios();
  d.m_corrientes[0].m_correlacion = 1;
  d.m_corrientes[3].m_correlacion = 8;
  runner_.ScriptDialog([](Driver& drv) {
    drv.Next();
    drv.Type(W2::IdValor(6), "3");  // velocity
    drv.Next();
    drv.Choose(W3::kIdDisponibles, 3);
    drv.Click(W3::kIdAnadir);
    drv.Finish();
  });
  const CDiagrama antes = d;
  ASSERT_TRUE(EjecutarAsistenteCoeficientes(nullptr, d, 0));
  for (std::size_t i : {0u, 3u}) {
    CCorriente esperada = antes.m_corrientes[0];
    esperada.m_u = 3;
    esperada.EstimarH();
    EXPECT_EQ(d.m_corrientes[i].m_correlacion, 1);
    EXPECT_DOUBLE_EQ(d.m_corrientes[i].m_h, esperada.m_h);
  }
  EXPECT_NE(d.m_corrientes[0].m_h, antes.m_corrientes[0].m_h);
  EXPECT_EQ(d.m_corrientes[1].m_h, antes.m_corrientes[1].m_h);
}

TEST_F(Coeficientes, AsistenteCanceladoONumeroNoValido) {
  CDiagrama d = ConServicios();
  const CDiagrama antes = d;
  std::string pagina;
  runner_.ScriptDialog([&](Driver& drv) {
    drv.Next();
    drv.Type(W2::IdValor(0), "abc");
    drv.Next();  // refused: the page stays
    pagina = drv.Dialog().windowTitle().toStdString();
    drv.Cancel();
  });
  EXPECT_FALSE(EjecutarAsistenteCoeficientes(nullptr, d, kRefServicio));
  EXPECT_EQ(pagina, "Coeficientes de Transmisión de Calor: Paso 2 de 3");
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número."});
  EXPECT_EQ(d.m_servicios[0].m_h, antes.m_servicios[0].m_h);
  EXPECT_EQ(d.m_servicios[0].m_correlacion, antes.m_servicios[0].m_correlacion);
}

TEST_F(Coeficientes, AtrasSiempreVuelveDelPaso2) {
  CDiagrama d = CuatroCorrientes();
  std::vector<std::string> titulos;
  std::string velocidad;
  runner_.ScriptDialog([&](Driver& drv) {
    drv.Next();
    drv.Type(W2::IdValor(6), "abc");
    drv.Back();
    titulos.push_back(drv.Dialog().windowTitle().toStdString());
    drv.Next();
    titulos.push_back(drv.Dialog().windowTitle().toStdString());
    drv.Type(W2::IdValor(6), "0");
    drv.Back();
    titulos.push_back(drv.Dialog().windowTitle().toStdString());
    drv.Next();
    velocidad = drv.Text(W2::IdValor(6));
    drv.Cancel();
  });
  EXPECT_FALSE(EjecutarAsistenteCoeficientes(nullptr, d, 0));
  const std::string paso1 = "Coeficientes de Transmisión de Calor: Paso 1 de 3";
  EXPECT_EQ(titulos, (std::vector<std::string>{paso1, "Coeficientes de Transmisión de Calor: Paso 2 de 3", paso1}));
  EXPECT_TRUE(Mensajes().empty());
  EXPECT_EQ(velocidad, "0");  // a number typed is kept by Back, and checked going forwards
}

TEST(EstimacionCoeficientes, ElAsistenteEmpiezaPorLaCorrienteEditada) {
  CDiagrama d = ConServicios();
  d.m_corrientes[2].m_correlacion = 7;
  d.m_corrientes[2].m_Dc = 0.25;
  d.m_servicios[1].m_correlacion = -1;
  struct Caso {
    std::int32_t ref;
    std::int32_t correlacion;
    std::vector<std::uint32_t> elegidas;
  };
  const Caso casos[] = {{2, 7, {2}},
                        {kRefServicio + 1, 0, {5}},  // no correlation: the first
                        {kRefServicio + 5, 0, {}}};  // names nothing
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.ref);
    const ResultadoEstimacion e = EstimacionInicial(d, c.ref);
    EXPECT_EQ(e.correlacion, c.correlacion);
    EXPECT_EQ(e.elegidas, c.elegidas);
    for (std::uint32_t i : e.elegidas) EXPECT_EQ(RefDeIndiceCombinado(d, i), c.ref);
  }
  EXPECT_DOUBLE_EQ(EstimacionInicial(d, 2).valores[19], 0.25);
}

// ================================================================ the dialog

TEST_F(Coeficientes, ServiciosPorDefectoSiLosDefinidosNoSeUsan) {
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::Coeficientes));
  struct Caso {
    const char* nombre;
    CDiagrama d;
    std::vector<std::string> temperaturas;  // shown for numbers 1 and 2
    double tCalor, tFrio;                   // stored after OK
  };
  CDiagrama vacio;
  CDiagrama ocultos = ConServicios();  // they cover, but are not shown
  const Caso casos[] = {
      // Top shifted temperature 438.15 + DT min, bottom 298.15 - DT min.
      {"problema nuevo", CuatroCorrientes(), {"448.15", "288.15"}, 448.15, 288.15},
      {"servicios ocultos", ocultos, {"448.15", "288.15"}, 448.15, 288.15},
      // No temperatures to start from: they stay unset.
      {"sin corrientes", vacio, {"-", "-"}, kTSentinel, kTSentinel},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = c.d;
    std::vector<std::string> nombres, temperaturas;
    bool estimar = true;
    ASSERT_TRUE(Correr(d, [&](Driver& drv) {
      for (int paso = 0; paso < 2; ++paso) {
        nombres.push_back(drv.Text(K::kIdNombreServicio));
        temperaturas.push_back(drv.Text(K::kIdTemperatura));
        if (paso == 0) drv.Step(K::kIdPasoServicio, 1);
      }
      drv.Step(K::kIdPasoServicio, 1);  // beyond number 2: stays
      EXPECT_EQ(drv.Text(K::kIdServicio), "2");
      estimar = drv.Dialog().IsEnabled(K::kIdEstimarServicio);
      if (c.nombre == std::string("problema nuevo")) drv.Grab(Png("coeficientes_dialogo"));
      drv.Ok();
    }));
    EXPECT_EQ(nombres, (std::vector<std::string>{"Calefacción", "Refrigeración"}));
    EXPECT_EQ(temperaturas, c.temperaturas);
    EXPECT_FALSE(estimar);
    EXPECT_DOUBLE_EQ(d.m_tCalienteGenerico, c.tCalor);
    EXPECT_DOUBLE_EQ(d.m_tFrioGenerico, c.tFrio);
  }
}

TEST_F(Coeficientes, ServiciosDefinidosMostradosYQueCubren) {
  CDiagrama d = ConServicios();
  d.m_serviciosVisibles = 1;
  d.m_servicios[1].m_h = 0.75;
  std::string nombre, coef, temperatura;
  bool estimar = false, soloLectura = false;
  ASSERT_TRUE(Correr(d, [&](Driver& drv) {
    drv.Step(K::kIdPasoServicio, 1);
    nombre = drv.Text(K::kIdNombreServicio);
    coef = drv.Text(K::kIdCoefServicio);
    temperatura = drv.Text(K::kIdTemperatura);
    estimar = drv.Dialog().IsEnabled(K::kIdEstimarServicio);
    soloLectura = drv.Dialog().IsReadOnly(K::kIdTemperatura);
    drv.Type(K::kIdCoefServicio, "1.25");
    drv.Ok();
  }));
  EXPECT_EQ(nombre, "Agua");
  EXPECT_EQ(coef, "0.75");
  EXPECT_EQ(temperatura, "");
  EXPECT_TRUE(estimar);
  EXPECT_TRUE(soloLectura);
  EXPECT_DOUBLE_EQ(d.m_servicios[1].m_h, 1.25);
}

TEST_F(Coeficientes, NumeroDeCorrienteEscritoYCoeficientes) {
  struct Caso {
    const char* nombre;
    std::function<void(Driver&)> accion;
    std::vector<double> coeficientes;  // of the four streams after OK
    std::string mostrado;              // the stream number shown at the end
  };
  const Caso casos[] = {
      // Changed and OK without moving: stored.
      {"aceptar sin moverse", [](Driver& d) { d.Type(K::kIdCoefCorriente, "3.5"); },
       {3.5, 2, 2, 2}, "1"},
      // A typed number and Enter show that stream, then Enter presses OK,
      // which stores only what it shows.
      {"numero y enter",
       [](Driver& d) {
         d.Type(K::kIdCoefCorriente, "3.5");
         d.Step(K::kIdPasoCorriente, 1);  // stream 1 stored on the way
         d.Type(K::kIdCorriente, "4");
         d.Enter();
       },
       {3.5, 2, 2, 2}, "4"},
      {"numero mayor que las corrientes",
       [](Driver& d) {
         d.Type(K::kIdCorriente, "9");
         d.Focus(K::kIdCoefCorriente);
         d.Type(K::kIdCoefCorriente, "0.5");
       },
       {2, 2, 2, 0.5}, "4"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = CuatroCorrientes();
    d.m_corrientes[3].SetNombre("Aceite");
    std::string mostrado;
    ASSERT_TRUE(Correr(d, [&](Driver& drv) {
      c.accion(drv);
      mostrado = drv.Text(K::kIdCorriente);
      if (drv.Dialog().IsOpen()) drv.Ok();
    }));
    EXPECT_EQ(mostrado, c.mostrado);
    std::vector<double> h;
    for (const CCorriente& s : d.m_corrientes) h.push_back(s.m_h);
    EXPECT_EQ(h, c.coeficientes);
  }
}

TEST_F(Coeficientes, NumeroDeServicioEscritoFueraDeLosDefinidos) {
  // Two defined utilities, shown and covering: a typed number beyond them
  // shows the last one, and every store goes to the utility shown.
  struct Caso {
    const char* nombre;
    std::function<void(Driver&)> accion;
    std::vector<double> coeficientes;  // of the two utilities after OK
  };
  const Caso casos[] = {
      {"numero y enter",
       [](Driver& d) {
         d.Type(K::kIdCoefServicio, "1.25");
         d.Type(K::kIdServicio, "7");  // utility 1 stored on the way
         d.Enter();
       },
       {1.25, 2}},
      {"numero y coeficiente",
       [](Driver& d) {
         d.Type(K::kIdServicio, "7");
         d.Type(K::kIdCoefServicio, "0.5");
       },
       {2, 0.5}},
      {"numero cero", [](Driver& d) {
         d.Type(K::kIdServicio, "0");
         d.Type(K::kIdCoefServicio, "0.75");
       },
       {0.75, 2}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = ConServicios();
    d.m_serviciosVisibles = 1;
    ASSERT_TRUE(Correr(d, [&](Driver& drv) {
      c.accion(drv);
      if (drv.Dialog().IsOpen()) drv.Ok();
    }));
    EXPECT_EQ((std::vector<double>{d.m_servicios[0].m_h, d.m_servicios[1].m_h}), c.coeficientes);
    EXPECT_EQ(d.GetNumServicios(), 2);
  }
}

TEST_F(Coeficientes, CoeficienteQueNoEsPositivoSeRechaza) {
  for (const char* texto : {"0", "-1", "x"}) {
    for (int campo : {K::kIdCoefCorriente, K::kIdCoefServicio}) {
      SCOPED_TRACE(std::string(texto) + " en " + std::to_string(campo));
      runner_.Clear();
      CDiagrama d = CuatroCorrientes();
      std::string queda;
      bool abierto = false;
      ASSERT_FALSE(Correr(d, [&](Driver& drv) {
        drv.Type(campo, texto);
        drv.Ok();  // refused: the dialog stays with the text typed
        queda = drv.Text(campo);
        abierto = drv.Dialog().IsOpen();
        drv.Cancel();  // one click, no second message
      }));
      EXPECT_EQ(Mensajes(), std::vector<std::string>{std::string(texto) == "x" ? "Introduzca un número."
                                                                             : kNoPositivo});
      EXPECT_EQ(queda, texto);
      EXPECT_TRUE(abierto);
      EXPECT_DOUBLE_EQ(d.m_corrientes[0].m_h, 2.0);
      EXPECT_DOUBLE_EQ(d.m_hCalienteGenerico, 2.0);
    }
  }
}

TEST_F(Coeficientes, EstimarDesdeElDialogo) {
  // Estimated from the stream side with a shown utility chosen too: both
  // sides show the new values; Cancel afterwards leaves the caller's model.
  for (bool aceptar : {true, false}) {
    SCOPED_TRACE(aceptar);
    runner_.Clear();
    CDiagrama d = ConServicios();
    d.m_serviciosVisibles = 1;
    const CDiagrama antes = d;
    std::string coefCorriente, coefServicio;
    ASSERT_EQ(Correr(d, [&](Driver& drv) {
      runner_.ScriptDialog([](Driver& w) {
        w.Next();
        w.Next();
        w.Choose(W3::kIdDisponibles, 4);  // S1 Vapor
        w.Click(W3::kIdAnadir);
        w.Finish();
      });
      drv.Click(K::kIdEstimarCorriente);
      coefCorriente = drv.Text(K::kIdCoefCorriente);
      coefServicio = drv.Text(K::kIdCoefServicio);
      aceptar ? drv.Ok() : drv.Cancel();
    }), aceptar);
    CCorriente esperada = antes.m_corrientes[0];
    if (esperada.m_correlacion < 0) esperada.m_correlacion = 0;
    esperada.EstimarH();
    EXPECT_EQ(coefCorriente, NumTexto(esperada.m_h, 10));
    EXPECT_EQ(coefServicio, NumTexto(esperada.m_h, 10));  // same correlation and values
    if (aceptar) {
      // OK stores the field as shown, ten significant digits.
      EXPECT_DOUBLE_EQ(d.m_corrientes[0].m_h, TextoANumero(NumTexto(esperada.m_h, 10)));
    } else {
      EXPECT_EQ(d.m_corrientes[0].m_h, antes.m_corrientes[0].m_h);
      EXPECT_EQ(d.m_servicios[0].m_h, antes.m_servicios[0].m_h);
    }
  }
}

// What is typed on one side survives the wizard run from the other side:
// both are read, with their refusals, before it runs.
TEST_F(Coeficientes, EstimarUnLadoGuardaAntesLoEscritoEnElOtro) {
  const struct {
    const char* nombre;
    bool definidos;   // the utilities shown and covering the problem
    int campo;        // the field typed into
    const char* texto;
    int boton;        // the estimate run
    const char* mensaje;  // nullptr: the wizard runs
  } casos[] = {
      {"temperatura por defecto, estimar la corriente", false, K::kIdTemperatura, "290,5",
       K::kIdEstimarCorriente, nullptr},
      {"corriente, estimar el servicio", true, K::kIdCoefCorriente, "3,5", K::kIdEstimarServicio,
       nullptr},
      {"temperatura rechazada", false, K::kIdTemperatura, "0", K::kIdEstimarCorriente,
       "Introduzca una temperatura mayor que 0 K."},
      {"coeficiente rechazado", true, K::kIdCoefCorriente, "abc", K::kIdEstimarServicio,
       "Introduzca un número."},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    CDiagrama d = c.definidos ? ConServicios() : CuatroCorrientes();
    d.m_serviciosVisibles = c.definidos ? 1 : 0;
    std::string mostrado;
    bool asistente = false;
    ASSERT_TRUE(Correr(d, [&](Driver& drv) {
      if (!c.definidos) drv.Step(K::kIdPasoServicio, 1);  // "Refrigeración"
      drv.Type(c.campo, c.texto);
      if (!c.mensaje)
        runner_.ScriptDialog([](Driver& w) {
          w.Next();
          w.Next();
          w.Finish();
        });
      drv.Click(c.boton);
      for (const RunRecord& r : runner_.Log()) asistente = asistente || r.text == kAsistente;
      mostrado = drv.Text(c.campo);
      if (c.mensaje) drv.Type(c.campo, c.definidos ? "3,5" : "290,5");
      drv.Ok();
    }));
    EXPECT_EQ(asistente, c.mensaje == nullptr);
    EXPECT_EQ(Mensajes(), c.mensaje ? std::vector<std::string>{c.mensaje} : std::vector<std::string>{});
    EXPECT_EQ(mostrado, c.mensaje ? c.texto : c.definidos ? "3.5" : "290.5");
    if (c.definidos) EXPECT_DOUBLE_EQ(d.m_corrientes[0].m_h, 3.5);
    else EXPECT_DOUBLE_EQ(d.m_tFrioGenerico, 290.5);
  }
}

TEST_F(Coeficientes, CadaFlechaAvanzaUnaCorrienteYUnValorRechazadoSoloPita) {
  CDiagrama d = CuatroCorrientes();
  for (int i = 0; i < 4; ++i) d.m_corrientes[static_cast<std::size_t>(i)].SetNombre("C" + std::to_string(i + 1));
  std::vector<std::string> vistos;
  std::size_t mensajesTrasFlecha = 9;
  bool pitido = false;
  ASSERT_TRUE(Correr(d, [&](Driver& drv) {
    drv.Step(K::kIdPasoCorriente, 1);
    vistos.push_back(drv.Text(K::kIdCorriente) + " " + drv.Text(K::kIdNombreCorriente));
    drv.Step(K::kIdPasoCorriente, 1);
    vistos.push_back(drv.Text(K::kIdCorriente) + " " + drv.Text(K::kIdNombreCorriente));
    drv.Step(K::kIdPasoCorriente, -1);
    vistos.push_back(drv.Text(K::kIdCorriente) + " " + drv.Text(K::kIdNombreCorriente));
    // A coefficient no number above 0, then the down arrow: a beep, the
    // stream stays, no message from inside the press.
    drv.Type(K::kIdCoefCorriente, "0");
    drv.Step(K::kIdPasoCorriente, -1);
    vistos.push_back(drv.Text(K::kIdCorriente) + " " + drv.Text(K::kIdCoefCorriente));
    mensajesTrasFlecha = Mensajes().size();
    for (const RunRecord& r : runner_.Log()) pitido = pitido || r.kind == RunRecord::Kind::Beep;
    drv.Ok();  // the message comes here, and the dialog stays usable
    EXPECT_TRUE(drv.Dialog().IsOpen());
    drv.Type(K::kIdCoefCorriente, "2,5");
    drv.Ok();
  }));
  EXPECT_EQ(vistos, (std::vector<std::string>{"2 C2", "3 C3", "2 C2", "2 0"}));
  EXPECT_EQ(mensajesTrasFlecha, 0u);
  EXPECT_TRUE(pitido);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{kNoPositivo});
  EXPECT_DOUBLE_EQ(d.m_corrientes[1].m_h, 2.5);
}

TEST_F(Coeficientes, ElAsistenteRechazaAlSalirDelPaso2LoQueNoDaUnCoeficiente) {
  struct Caso {
    const char* nombre;
    int situacion;
    std::vector<std::pair<int, const char*>> campos;  // property, text typed
    const char* mensaje;
  };
  const Caso casos[] = {
      {"velocidad 0", 0, {{6, "0"}}, "Introduzca en \"Velocidad de flujo\" un número mayor que 0."},
      {"viscosidad negativa", 0, {{1, "-0,001"}}, "Introduzca en \"Viscosidad\" un número mayor que 0."},
      {"no es número", 0, {{0, "abc"}}, "Introduzca un número."},
      // Each above 0, but fins thicker than their spacing give no coefficient.
      {"aletas más gruesas que su separación", 4, {{10, "0,001"}, {11, "0,002"}},
       kMsgEstimacionNoValida},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    CDiagrama d = CuatroCorrientes();
    const double h = d.m_corrientes[0].m_h;
    std::string pagina;
    runner_.ScriptDialog([&](Driver& drv) {
      CEstimaHSheet& a = Asistente(drv);
      drv.Choose(W1::kIdSituacion, c.situacion);
      drv.Next();
      for (const auto& [propiedad, texto] : c.campos) drv.Type(W2::IdValor(propiedad), texto);
      drv.Next();
      pagina = a.windowTitle().toStdString();
      if (&c == &casos[0]) drv.Grab(Png("coeficientes_paso2_rechazado"));
      if (&c == &casos[3]) drv.Grab(Png("coeficientes_paso2_sin_coeficiente"));
      drv.Cancel();
    });
    EXPECT_FALSE(EjecutarAsistenteCoeficientes(nullptr, d, 0));
    EXPECT_EQ(pagina, "Coeficientes de Transmisión de Calor: Paso 2 de 3");
    EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje});
    EXPECT_DOUBLE_EQ(d.m_corrientes[0].m_h, h);
  }
  // Values each above 0 that together give none (fins thicker than their
  // spacing) are refused too, and never reach a stream.
  ResultadoEstimacion r;
  r.correlacion = 4;
  for (int k = 0; k < CCorriente::kNumPropiedades; ++k) r.valores[static_cast<std::size_t>(k)] = 1.0;
  r.valores[10] = 0.001;
  r.valores[11] = 0.002;
  r.elegidas = {0};
  EXPECT_FALSE(CoeficienteEstimado(r.correlacion, r.valores));
  CDiagrama d = CuatroCorrientes();
  const double h = d.m_corrientes[0].m_h;
  EXPECT_FALSE(AplicarEstimacion(d, r));
  EXPECT_DOUBLE_EQ(d.m_corrientes[0].m_h, h);
}

}  // namespace
}  // namespace vardo::prueba
