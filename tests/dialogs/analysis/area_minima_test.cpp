// "Área mínima de intercambio" through the program's dialog factory: the two
// utility modes, the DT min questions, decimal fields, results against the
// model's own targets, and a long stream name shown read-only.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "dialogs/analysis/dlg_area_minima.h"
#include "platform/core/numtext.h"
#include "tests/dialogs/analysis/fixture_analisis.h"
#include "tests/dialogs/analysis/problemas_analisis.h"

namespace vardo::prueba {
namespace {

using D = CAreaMinimaDlg;

class AreaMinima : public ConDialogos {
 protected:
  bool Correr(const CDiagrama& m, std::function<void(Driver&)> guion,
              std::initializer_list<Answer> respuestas = {}) {
    registro_.modelo = m;
    return ConDialogos::Correr(&FabricaDialogosQt::AreaMinima, registro_, std::move(guion),
                               respuestas);
  }
  DlgAreaMinima registro_;
};

// The targets the dialog must show for a model.
void EsperarResultados(Driver& d, CDiagrama m) {
  m.CalcularObjetivos();
  EXPECT_EQ(d.Text(D::kIdArea), NumTexto(m.CalcularAreaMinima(0)));
  EXPECT_EQ(d.Text(D::kIdNMin), std::to_string(m.CalcularNMinCambiadores(0)));
}

TEST_F(AreaMinima, ServiciosPorDefectoConSusLimitesYResultadosDelModelo) {
  CDiagrama esperado = CuatroCorrientes();
  esperado.m_tCalienteGenerico = 448.15;
  esperado.m_tFrioGenerico = 288.15;
  const bool ok = Correr(CuatroCorrientes(), [&](Driver& d) {
    EXPECT_EQ(d.Text(D::kIdDTMin), "10.");
    EXPECT_EQ(d.Text(D::kIdCorriente), "1");
    EXPECT_EQ(d.Text(D::kIdCoefCorriente), "2.");
    EXPECT_EQ(d.Text(D::kIdServicio), "1");
    EXPECT_EQ(d.Text(D::kIdNombreServicio), "Calefacción");
    EXPECT_EQ(d.Text(D::kIdTempServicio), "448.15");
    EXPECT_FALSE(d.Dialog().IsReadOnly(D::kIdTempServicio));
    EXPECT_FALSE(d.Dialog().IsEnabled(D::kIdEstimarServicio));
    EsperarResultados(d, esperado);
    d.Step(D::kIdSpinServicio, 1);
    EXPECT_EQ(d.Text(D::kIdServicio), "2");
    EXPECT_EQ(d.Text(D::kIdNombreServicio), "Refrigeración");
    EXPECT_EQ(d.Text(D::kIdTempServicio), "288.15");
    d.Step(D::kIdSpinServicio, 1);  // only two
    EXPECT_EQ(d.Text(D::kIdNombreServicio), "Refrigeración");
    d.Grab(::testing::TempDir() + "analisis_area_minima.png");

    // A coefficient of 0.5 typed for stream 2 and a cooling water at
    // 283.15 K: the results are the model's with those values.
    d.Step(D::kIdSpinCorriente, 1);
    d.Type(D::kIdCoefCorriente, "0.5");
    d.Type(D::kIdTempServicio, "283.15");
    d.Enter();
    esperado.m_corrientes[1].m_h = 0.5;
    esperado.m_tFrioGenerico = 283.15;
    EsperarResultados(d, esperado);
    d.Ok();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(registro_.modelo.m_corrientes[1].m_h, 0.5);
  EXPECT_EQ(registro_.modelo.m_tCalienteGenerico, 448.15);
  EXPECT_EQ(registro_.modelo.m_tFrioGenerico, 283.15);
  EXPECT_TRUE(Mensajes().empty());
}

// What the keys leave in the fields: digits and one decimal point, "." or
// ","; the stream number takes digits only.
TEST_F(AreaMinima, CoeficientesYTemperaturaAdmitenUnNumeroDecimal) {
  struct Caso {
    int id;
    const char* tecleado;
    const char* queda;
  };
  const Caso casos[] = {{D::kIdCoefCorriente, "0.5", "0.5"},
                        {D::kIdCoefServicio, "1.25", "1.25"},
                        {D::kIdTempServicio, "573.15", "573.15"},
                        {D::kIdTempServicio, "1.2.3", "1.23"},
                        {D::kIdCoefCorriente, "2,5", "2,5"},
                        {D::kIdCoefCorriente, "2,5.1", "2,51"},
                        {D::kIdCoefCorriente, "-1e3", "13"},
                        {D::kIdCorriente, "2.5", "25"}};
  Correr(CuatroCorrientes(), [&](Driver& d) {
    for (const Caso& c : casos) {
      d.Type(c.id, c.tecleado);
      EXPECT_EQ(d.Text(c.id), c.queda) << c.tecleado;
    }
    d.Cancel();
  });
  // Cancel left with what the fields held: nothing asked, nothing refused.
  EXPECT_TRUE(Mensajes().empty());
}

// A decimal comma is a decimal point; a coefficient of 0 or a temperature of
// 0 K is refused on Enter and on OK, the field keeping the focus, and the
// area never becomes "nan".
TEST_F(AreaMinima, ComaDecimalYCoeficienteOTemperaturaCeroRechazados) {
  const std::string kCoef = "Introduzca un coeficiente mayor que 0.";
  const std::string kTemp = "Introduzca una temperatura mayor que 0 K.";
  CDiagrama esperado = CuatroCorrientes();
  esperado.m_tCalienteGenerico = 448.15;
  esperado.m_tFrioGenerico = 288.15;
  const bool ok = Correr(CuatroCorrientes(), [&](Driver& d) {
    d.Type(D::kIdCoefCorriente, "2,5");
    d.Enter();
    esperado.m_corrientes[0].m_h = 2.5;
    EsperarResultados(d, esperado);
    const std::string area = d.Text(D::kIdArea);

    struct Caso {
      int id;
      const char* texto;
      std::string mensaje;
      const char* bueno;  // typed afterwards: the value the model keeps
    };
    const Caso casos[] = {{D::kIdCoefCorriente, "0", kCoef, "2,5"},
                          {D::kIdCoefServicio, "0", kCoef, "2"},
                          {D::kIdTempServicio, "0", kTemp, "448.15"},
                          {D::kIdCoefCorriente, "", "Introduzca un número.", "2,5"}};
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.texto);
      runner_.Clear();
      d.Type(c.id, c.texto);
      d.Enter();
      EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje});
      EXPECT_EQ(d.Dialog().FocusedId(), c.id);
      EXPECT_EQ(d.Text(c.id), c.texto);
      EXPECT_EQ(d.Text(D::kIdArea), area);
      if (c.id == D::kIdTempServicio) d.Grab(::testing::TempDir() + "analisis_area_minima_rechazo.png");
      // Leaving the field recalculates nothing and asks nothing.
      d.Focus(D::kIdDTMin);
      EXPECT_EQ(d.Text(D::kIdArea), area);
      EXPECT_EQ(Mensajes().size(), 1u);
      // An arrow does not take the refused text away: the item stays, the
      // field gets the focus back, and no message opens inside the press.
      const int spin = c.id == D::kIdCoefCorriente ? D::kIdSpinCorriente : D::kIdSpinServicio;
      const int numero = c.id == D::kIdCoefCorriente ? D::kIdCorriente : D::kIdServicio;
      d.Step(spin, 1);
      EXPECT_EQ(d.Text(numero), "1");
      EXPECT_EQ(d.Text(c.id), c.texto);
      EXPECT_EQ(d.Dialog().FocusedId(), c.id);
      EXPECT_EQ(Mensajes().size(), 1u);
      // OK refuses it too and stays open.
      d.Ok();
      EXPECT_TRUE(d.Dialog().IsOpen());
      EXPECT_EQ(Mensajes().size(), 2u);
      EXPECT_EQ(d.Dialog().FocusedId(), c.id);
      d.Type(c.id, c.bueno);
    }
    d.Ok();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(registro_.modelo.m_corrientes[0].m_h, 2.5);
  EXPECT_EQ(registro_.modelo.m_hCalienteGenerico, 2.0);
  EXPECT_EQ(registro_.modelo.m_tCalienteGenerico, 448.15);
}

// DT min: "1,5" is 1.5; what is no number of at least 0 is refused on Enter
// and on OK with the focus kept in the field, and changes nothing.
TEST_F(AreaMinima, DTMinConComaYRechazos) {
  const bool ok = Correr(CuatroCorrientes(), [&](Driver& d) {
    d.Type(D::kIdDTMin, "1,5");
    d.Enter();
    CDiagrama esperado = CuatroCorrientes();
    esperado.m_tCalienteGenerico = 448.15;
    esperado.m_tFrioGenerico = 288.15;
    esperado.SetDTMin(1.5);
    EsperarResultados(d, esperado);
    const std::string area = d.Text(D::kIdArea);
    for (const char* texto : {"1e999", "-2", "abc"}) {
      SCOPED_TRACE(texto);
      runner_.Clear();
      d.Type(D::kIdDTMin, texto);
      d.Enter();
      ASSERT_EQ(Mensajes().size(), 1u);
      EXPECT_EQ(d.Dialog().FocusedId(), D::kIdDTMin);
      EXPECT_EQ(d.Text(D::kIdArea), area);
      d.Ok();
      EXPECT_TRUE(d.Dialog().IsOpen());
      EXPECT_EQ(Mensajes().size(), 2u);
    }
    d.Type(D::kIdDTMin, "1,5");
    d.Ok();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(registro_.modelo.m_dtMin, 1.5);
}

// The default heating must reach the hottest process temperature it serves
// (highest shifted 438.15 + 5 = 443.15 K), the cooling the coldest (lowest
// shifted 298.15 - 5 = 293.15 K): a temperature beyond is refused on Enter
// with a message that names the limit; the limit itself, as shown, is taken.
// DT min takes 0 to 10000 K; at 0 the composites touch and the area shown is
// not finite.
TEST_F(AreaMinima, TemperaturasPorDefectoYDTMinFueraDeSuRango) {
  const std::string kCalor =
      "La temperatura de la calefacción no puede ser menor que 443.15 K, la temperatura más alta "
      "a la que debe calentar el proceso.";
  const std::string kFrio =
      "La temperatura de la refrigeración no puede ser mayor que 293.15 K, la temperatura más "
      "baja a la que debe enfriar el proceso.";
  const std::string kDT = "Introduzca una diferencia mínima de temperatura entre 0 y 10000 K.";
  const bool ok = Correr(CuatroCorrientes(), [&](Driver& d) {
    std::string area = d.Text(D::kIdArea);
    struct Caso {
      int servicio;  // 1 heating, 2 cooling, 0 the DT min field
      const char* texto;
      std::string mensaje;  // empty: taken
    };
    const Caso casos[] = {
        {0, "10001", kDT},  {0, "1e300", kDT},  {1, "300", kCalor}, {1, "443.1", kCalor},
        {1, "443,15", ""},  {2, "300", kFrio},  {2, "293.2", kFrio}, {2, "293.15", ""},
    };
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.texto);
      runner_.Clear();
      const int id = c.servicio == 0 ? D::kIdDTMin : D::kIdTempServicio;
      if (c.servicio != 0) {
        d.Type(D::kIdServicio, std::to_string(c.servicio));
        d.Focus(D::kIdCoefServicio);
        ASSERT_EQ(d.Text(D::kIdServicio), std::to_string(c.servicio));
      }
      d.Type(id, c.texto);
      d.Enter();
      if (c.mensaje.empty()) {
        EXPECT_TRUE(Mensajes().empty());
        area = d.Text(D::kIdArea);
        continue;
      }
      EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje});
      EXPECT_EQ(d.Dialog().FocusedId(), id);
      EXPECT_EQ(d.Text(D::kIdArea), area);
      if (c.servicio == 1) d.Grab(::testing::TempDir() + "analisis_area_minima_limite.png");
      d.Ok();
      EXPECT_TRUE(d.Dialog().IsOpen());
      d.Type(id, c.servicio == 1 ? "448.15" : c.servicio == 2 ? "288.15" : "10");
      d.Enter();
    }
    d.Ok();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(registro_.modelo.m_dtMin, 10.0);
  EXPECT_EQ(registro_.modelo.m_tCalienteGenerico, 443.15);
  EXPECT_EQ(registro_.modelo.m_tFrioGenerico, 293.15);
}

// DT min 0 where the composites touch (H1 500 -> 300 K, C2 395 -> 450 K,
// C3 boiling at 390 K): the area is not finite and the dialog says so.
TEST_F(AreaMinima, DTMinCeroConCurvasQueSeTocanDaAreaInfinita) {
  CDiagrama m = LatenteEnElPinch();
  m.CalcularObjetivos();
  const bool ok = Correr(m, [&](Driver& d) {
    EXPECT_NE(d.Text(D::kIdArea), "infinita");
    d.Type(D::kIdDTMin, "0");
    d.Enter();
    EXPECT_EQ(d.Text(D::kIdArea), "infinita");
    d.Grab(::testing::TempDir() + "analisis_area_minima_infinita.png");
    d.Ok();
  }, {Answer::Yes});
  EXPECT_TRUE(ok);
  EXPECT_EQ(registro_.modelo.m_dtMin, 0.0);
}

TEST_F(AreaMinima, DTMin20PreguntaUnaVezYSiMueveLosServiciosAlLimite) {
  const bool ok = Correr(CuatroCorrientes(), [](Driver& d) {
    d.Type(D::kIdDTMin, "20");
    d.Enter();
    // The focus leaves the field again: the temperatures already comply.
    d.Focus(D::kIdCoefCorriente);
    EXPECT_EQ(d.Text(D::kIdServicio), "1");
    EXPECT_EQ(d.Text(D::kIdTempServicio), "453.15");
    d.Step(D::kIdSpinServicio, 1);
    EXPECT_EQ(d.Text(D::kIdTempServicio), "273.15");
    d.Ok();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{kPreguntaServiciosViolan});
  EXPECT_EQ(registro_.modelo.m_dtMin, 20.0);
  EXPECT_NEAR(registro_.modelo.m_tCalienteGenerico, 453.15, 1e-9);
  EXPECT_NEAR(registro_.modelo.m_tFrioGenerico, 273.15, 1e-9);
}

TEST_F(AreaMinima, DTMin20ConNoDejaLosServiciosComoEstabanYSeVuelveAPreguntar) {
  Correr(
      CuatroCorrientes(),
      [](Driver& d) {
        d.Type(D::kIdDTMin, "20");
        d.Enter();
        EXPECT_EQ(d.Text(D::kIdTempServicio), "448.15");
        // Leaving the field for OK asks again: the limits are still violated.
        d.Ok();
      },
      {Answer::No, Answer::No});
  EXPECT_EQ(Mensajes(), (std::vector<std::string>{kPreguntaServiciosViolan, kPreguntaServiciosViolan}));
  EXPECT_EQ(registro_.modelo.m_dtMin, 20.0);
  EXPECT_EQ(registro_.modelo.m_tCalienteGenerico, 448.15);
}

TEST_F(AreaMinima, ServiciosDefinidosQueCubrenVanDe1A3) {
  const CDiagrama m = CuatroCorrientesConTresServicios();
  std::vector<std::string> nombres;
  Correr(m, [&](Driver& d) {
    EXPECT_TRUE(d.Dialog().IsReadOnly(D::kIdTempServicio));
    for (int k = 0; k < 4; ++k) {
      nombres.push_back(d.Text(D::kIdNombreServicio));
      EXPECT_EQ(d.Text(D::kIdServicio), std::to_string(std::min(k + 1, 3)));
      d.Step(D::kIdSpinServicio, 1);
    }
    // A number typed beyond the utilities is pulled back to the last one.
    d.Type(D::kIdServicio, "9");
    d.Focus(D::kIdCoefServicio);
    EXPECT_EQ(d.Text(D::kIdServicio), "3");
    d.Type(D::kIdCoefServicio, "0.75");
    d.Enter();
    d.Ok();
  });
  EXPECT_EQ(nombres, (std::vector<std::string>{"Vapor", "Agua 1", "Agua 2", "Agua 2"}));
  EXPECT_EQ(registro_.modelo.m_servicios[2].m_h, 0.75);
}

TEST_F(AreaMinima, ServiciosQueDejanDeCubrirPreguntanYNoRestauraElDTMin) {
  struct Caso {
    Answer respuesta;
    double dtMin;
    const char* campo;
    const char* nombre;
  };
  const Caso casos[] = {{Answer::No, 10.0, "10.", "Vapor"},
                        {Answer::Yes, 40.0, "40", "Calefacción"}};
  for (const Caso& c : casos) {
    runner_.Clear();
    Correr(
        CuatroCorrientesConTresServicios(),
        [&](Driver& d) {
          d.Type(D::kIdDTMin, "40");
          d.Focus(D::kIdCoefCorriente);
          EXPECT_EQ(d.Text(D::kIdDTMin), c.campo);
          EXPECT_EQ(d.Text(D::kIdNombreServicio), c.nombre);
          d.Ok();
        },
        {c.respuesta});
    ASSERT_FALSE(Mensajes().empty());
    EXPECT_EQ(Mensajes().front(), kPreguntaServiciosNoCubren);
    EXPECT_EQ(registro_.modelo.m_dtMin, c.dtMin);
  }
}

TEST_F(AreaMinima, UnNombreLargoDeSoloLecturaNoImpideAceptar) {
  CDiagrama m = CuatroCorrientes();
  m.m_corrientes[0].SetNombre("Alimentación del reactor de hidrogenación");
  const bool ok = Correr(m, [](Driver& d) {
    EXPECT_EQ(d.Text(D::kIdNombreCorriente), "Alimentación del reactor de hidrogenación");
    d.Ok();
    EXPECT_FALSE(d.Dialog().IsOpen());
  });
  EXPECT_TRUE(ok);
  EXPECT_TRUE(Mensajes().empty());
}

TEST_F(AreaMinima, AsistenteTerminadoEstimaElCoeficienteYLoMuestra) {
  struct Caso {
    const char* nombre;
    CDiagrama modelo;
    int boton;
    int campo;
    std::int32_t ref;
  };
  const Caso casos[] = {
      {"corriente", CuatroCorrientes(), D::kIdEstimarCorriente, D::kIdCoefCorriente, 0},
      {"servicio", CuatroCorrientesConTresServicios(), D::kIdEstimarServicio, D::kIdCoefServicio,
       kRefServicio},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    std::string mostrado;
    const bool ok = Correr(c.modelo, [&](Driver& d) {
      EXPECT_TRUE(d.Dialog().IsEnabled(c.boton));
      // The wizard with what it starts from, to its end.
      runner_.ScriptDialog([](Driver& w) {
        w.Next();
        w.Next();
        w.Finish();
      });
      d.Click(c.boton);
      mostrado = d.Text(c.campo);
      d.Ok();
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(runner_.Log().at(1).text, "Estimación de coeficientes de Transmisión de Calor");
    CCorriente esperada = c.modelo.GetCorriente(c.ref);
    if (esperada.m_correlacion < 0) esperada.m_correlacion = 0;
    esperada.EstimarH();
    ASSERT_NE(esperada.m_h, c.modelo.GetCorriente(c.ref).m_h);
    EXPECT_EQ(mostrado, NumTexto(esperada.m_h, 10));
    // The estimate itself, or the field's ten digits once it is stored.
    EXPECT_NEAR(registro_.modelo.GetCorriente(c.ref).m_h, esperada.m_h, 1e-9 * esperada.m_h);
  }
}

}  // namespace
}  // namespace vardo::prueba
