// The range dialogs before the view's charts, driven through the program's
// dialog factory: defaults, the ranges of their numbers, the data they edit
// on a copy, the amortization check, the exergy options and the loop dialog.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "dialogs/analysis/dlg_costes_variacion.h"
#include "dialogs/analysis/dlg_exergia.h"
#include "dialogs/analysis/dlg_variacion.h"
#include "model/red.h"
#include "platform/core/numero_tecleado.h"
#include "platform/core/numtext.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/comun/problemas.h"
#include "tests/comun/recortes.h"
#include "tests/dialogs/analysis/fixture_analisis.h"

namespace vardo::prueba {
namespace {

using Variacion = ConDialogos;

// One range dialog: how to run it, its caption and the ids of its fields.
struct CasoRango {
  const char* titulo;
  int idPuntos;
  // Runs the factory on a fresh record; gives back OK and the record's
  // initial, final and points.
  std::function<bool(FabricaDialogosQt&, std::string&, std::string&, int&)> correr;
  int minimoPuntos;  // the fewest points OK takes (0: any)
};

template <class R>
auto Correr(bool (FabricaDialogosQt::*f)(R&)) {
  return [f](FabricaDialogosQt& fab, std::string& ini, std::string& fin, int& puntos) {
    R d;
    if constexpr (requires { d.modelo; }) d.modelo = CuatroCorrientes();
    const bool ok = (fab.*f)(d);
    ini = d.inicial;
    fin = d.final;
    puntos = d.puntos;
    return ok;
  };
}

const std::vector<CasoRango>& Rangos() {
  static const std::vector<CasoRango> casos = {
      {"Variación con DT mínimo", CVariacionDTDlg::kIdPuntos,
       Correr(&FabricaDialogosQt::VariacionDT), 2},
      {"Variación del área mínima de intercambio con DT", CVariacionAreaDlg::kIdPuntos,
       Correr(&FabricaDialogosQt::VariacionArea), 1},
      {"Variación de los costes de inmovilizado", CVariacionCosteDlg::kIdPuntos,
       Correr(&FabricaDialogosQt::VariacionCosteInm), 0},
      {"Variación de los costes totales", CVariacionCosteDlg::kIdPuntos,
       Correr(&FabricaDialogosQt::VariacionCosteTot), 0},
      {"Variación de los costes de operación", CCostesOperacionDlg::kIdPuntos,
       Correr(&FabricaDialogosQt::CostesOperacion), 0},
  };
  return casos;
}

TEST_F(Variacion, RangoPorDefectoDe1A50Con50Puntos) {
  for (const CasoRango& c : Rangos()) {
    SCOPED_TRACE(c.titulo);
    runner_.Clear();
    std::string ini, fin;
    int puntos = 0;
    runner_.ScriptDialog([&](Driver& d) {
      EXPECT_EQ(d.Text(CVariacionDTDlg::kIdInicial), "1");
      EXPECT_EQ(d.Text(CVariacionDTDlg::kIdFinal), "50");
      EXPECT_EQ(d.Text(c.idPuntos), "50");
      d.Grab(::testing::TempDir() + "analisis_variacion_" + std::to_string(c.idPuntos) + "_" +
             std::to_string(std::string(c.titulo).size()) + ".png");
      d.Type(CVariacionDTDlg::kIdInicial, "5");
      d.Type(CVariacionDTDlg::kIdFinal, "40");
      d.Enter();  // "Aceptar" is the default
    });
    EXPECT_TRUE(c.correr(fabrica_, ini, fin, puntos));
    EXPECT_EQ(runner_.Log().at(0).text, c.titulo);
    EXPECT_EQ(ini, "5");
    EXPECT_EQ(fin, "40");
    EXPECT_EQ(puntos, 50);
  }
}

TEST_F(Variacion, NumeroDePuntosSegunLaPlantilla) {
  for (const CasoRango& c : Rangos()) {
    for (int puntos : {0, 1, 2, 10000, 10001}) {
      SCOPED_TRACE(std::string(c.titulo) + " " + std::to_string(puntos));
      runner_.Clear();
      const bool valido = c.minimoPuntos == 0 || (puntos >= c.minimoPuntos && puntos <= 10000);
      runner_.ScriptDialog([&](Driver& d) {
        d.Type(c.idPuntos, std::to_string(puntos));
        d.Ok();
        EXPECT_EQ(d.Dialog().IsOpen(), !valido);
        if (d.Dialog().IsOpen()) d.Cancel();
      });
      std::string ini, fin;
      int leidos = -1;
      EXPECT_EQ(c.correr(fabrica_, ini, fin, leidos), valido);
      EXPECT_EQ(leidos, valido ? puntos : 50);
      if (!valido)
        EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número entre " +
                                                       std::to_string(c.minimoPuntos) +
                                                       " y 10000."});
    }
  }
}

// The range's ends: a decimal comma is a decimal point; what is no finite
// number, or a DT min outside 0..10000 K, is refused on OK with the focus in
// its field (the command checks the order of the range itself).
TEST_F(Variacion, ExtremosDelRangoPorLaReglaDelNumero) {
  for (const CasoRango& c : Rangos()) {
    SCOPED_TRACE(c.titulo);
    runner_.Clear();
    runner_.ScriptDialog([&](Driver& d) {
      for (const int id : {CVariacionDTDlg::kIdInicial, CVariacionDTDlg::kIdFinal}) {
        // No number, then a DT min outside 0..10000 K.
        for (const char* malo : {"abc", "1e999", "2,5,0", "", "-1", "10000.5"}) {
          SCOPED_TRACE(malo);
          d.Type(id, malo);
          d.Ok();
          EXPECT_TRUE(d.Dialog().IsOpen());
          EXPECT_EQ(d.Dialog().FocusedId(), id);
        }
        d.Type(id, id == CVariacionDTDlg::kIdInicial ? "1,5" : "40,5");
      }
      d.Ok();
    });
    std::string ini, fin;
    int puntos = 0;
    EXPECT_TRUE(c.correr(fabrica_, ini, fin, puntos));
    std::vector<std::string> esperados;
    for (int campo = 0; campo < 2; ++campo) {
      esperados.insert(esperados.end(), 4, "Introduzca un número.");
      esperados.insert(esperados.end(), 2,
                       "Introduzca una diferencia mínima de temperatura entre 0 y 10000 K.");
    }
    EXPECT_EQ(Mensajes(), esperados);
    EXPECT_EQ(LeerNumeroTecleado(ini), 1.5);
    EXPECT_EQ(LeerNumeroTecleado(fin), 40.5);
  }
}

TEST_F(Variacion, AreaConLosServiciosPorDefectoEnLaCopiaYDecimales) {
  DlgVariacionArea d;
  d.modelo = CuatroCorrientes();
  runner_.ScriptDialog([](Driver& dr) {
    using A = CVariacionAreaDlg;
    EXPECT_EQ(dr.Text(A::kIdTCalefaccion), "448.15");
    EXPECT_EQ(dr.Text(A::kIdTRefrigeracion), "288.15");
    EXPECT_EQ(dr.Text(A::kIdHCalefaccion), "2");
    EXPECT_EQ(dr.Text(A::kIdNombre), "");
    dr.Type(A::kIdHRefrigeracion, "0.5");
    dr.Type(A::kIdTRefrigeracion, "278.5");
    dr.Step(A::kIdSpinCorriente, 1);
    dr.Type(A::kIdCoeficiente, "0.8");
    dr.Type(A::kIdInicial, "2.5");
    dr.Ok();
  });
  ASSERT_TRUE(fabrica_.VariacionArea(d));
  EXPECT_EQ(d.modelo.m_hFrioGenerico, 0.5);
  EXPECT_EQ(d.modelo.m_tFrioGenerico, 278.5);
  EXPECT_EQ(d.modelo.m_tCalienteGenerico, 448.15);
  EXPECT_EQ(d.modelo.m_corrientes[1].m_h, 0.8);
  EXPECT_EQ(d.inicial, "2.5");

  // Cancel leaves the record's copy as it came, default temperatures unset.
  DlgVariacionArea cancelado;
  cancelado.modelo = CuatroCorrientes();
  runner_.ScriptDialog([](Driver& dr) { dr.Cancel(); });
  EXPECT_FALSE(fabrica_.VariacionArea(cancelado));
  EXPECT_EQ(cancelado.modelo.m_tCalienteGenerico, -10000.0);
}

// The coefficients and temperatures of the area chart's dialog: "2,5" is
// 2.5 (the stream's coefficient too); 0 is refused on OK with its message,
// and the arrow does not leave a stream whose coefficient is refused.
TEST_F(Variacion, AreaRechazaCoeficientesYTemperaturasQueNoSonMayoresQue0) {
  using A = CVariacionAreaDlg;
  const std::string kCoef = "Introduzca un coeficiente mayor que 0.";
  const std::string kTemp = "Introduzca una temperatura mayor que 0 K.";
  DlgVariacionArea d;
  d.modelo = CuatroCorrientes();
  runner_.ScriptDialog([&](Driver& dr) {
    const struct {
      int id;
      const char* malo;
      std::string mensaje;
      const char* bueno;
    } casos[] = {{A::kIdCoeficiente, "0", kCoef, "2,5"},
                 {A::kIdTCalefaccion, "0", kTemp, "450,5"},
                 {A::kIdHCalefaccion, "0", kCoef, "1,5"},
                 {A::kIdTRefrigeracion, "0", kTemp, "280"},
                 {A::kIdHRefrigeracion, "0", kCoef, "0,25"}};
    for (const auto& c : casos) {
      SCOPED_TRACE(c.id);
      runner_.Clear();
      dr.Type(c.id, c.malo);
      if (c.id == A::kIdCoeficiente) {
        dr.Step(A::kIdSpinCorriente, 1);
        EXPECT_EQ(dr.Text(A::kIdCorriente), "1");
        EXPECT_EQ(dr.Dialog().FocusedId(), c.id);
        EXPECT_TRUE(Mensajes().empty());
      }
      dr.Ok();
      EXPECT_TRUE(dr.Dialog().IsOpen());
      EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje});
      EXPECT_EQ(dr.Dialog().FocusedId(), c.id);
      dr.Type(c.id, c.bueno);
      if (c.id == A::kIdHRefrigeracion)
        dr.Grab(::testing::TempDir() + "analisis_variacion_area_coma.png");
    }
    dr.Ok();
  });
  ASSERT_TRUE(fabrica_.VariacionArea(d));
  EXPECT_EQ(d.modelo.m_corrientes[0].m_h, 2.5);
  EXPECT_EQ(d.modelo.m_tCalienteGenerico, 450.5);
  EXPECT_EQ(d.modelo.m_hCalienteGenerico, 1.5);
  EXPECT_EQ(d.modelo.m_tFrioGenerico, 280.0);
  EXPECT_EQ(d.modelo.m_hFrioGenerico, 0.25);
}

// The cost dialogs: a field that is no finite number keeps the selector on
// its stream and is refused on OK; "62,5" is 62.5.
TEST_F(Variacion, CostesRechazanLoQueNoEsUnNumeroFinito) {
  using C = CVariacionCosteDlg;
  DlgVariacionCosteTot d;
  d.modelo = CuatroCorrientes();
  runner_.ScriptDialog([&](Driver& dr) {
    for (const int id : {C::kIdA + 1, C::kIdACalefaccion, C::kIdCosteCalefaccion, C::kIdInteres}) {
      SCOPED_TRACE(id);
      runner_.Clear();
      dr.Type(id, "1e400");
      dr.Step(C::kIdSpinCorriente, 1);
      EXPECT_EQ(dr.Text(C::kIdCorriente), "1");
      EXPECT_EQ(dr.Dialog().FocusedId(), id);
      dr.Ok();
      EXPECT_TRUE(dr.Dialog().IsOpen());
      EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número."});
      dr.Type(id, "62,5");
    }
    dr.Grab(::testing::TempDir() + "analisis_variacion_costes_coma.png");
    dr.Ok();
  });
  ASSERT_TRUE(fabrica_.VariacionCosteTot(d));
  EXPECT_EQ(d.modelo.m_corrientes[0].m_b, 62.5);
  EXPECT_EQ(d.modelo.m_a1, 62.5);
  EXPECT_EQ(d.modelo.m_costeCaliente, 62.5);
  EXPECT_EQ(d.modelo.m_interes, 62.5);
}

TEST_F(Variacion, CostesLlevanCadaCampoALaCopiaAlMoverElSelectorYAlAceptar) {
  using C = CVariacionCosteDlg;
  DlgVariacionCosteTot d;
  d.modelo = CuatroCorrientes();
  runner_.ScriptDialog([](Driver& dr) {
    EXPECT_EQ(dr.Text(C::kIdACalefaccion), "4600.");
    EXPECT_EQ(dr.Text(C::kIdCosteCalefaccion), "50.");
    dr.Type(C::kIdA + 1, "800");         // stream 1's b
    dr.Step(C::kIdSpinCorriente, 1);     // stored with the spin
    EXPECT_EQ(dr.Text(C::kIdCorriente), "2");
    EXPECT_EQ(dr.Text(C::kIdA + 1), "920.");
    dr.Type(C::kIdA + 2, "0.6");         // stream 2's c, stored on OK
    dr.Type(C::kIdARefrigeracion, "3000");
    dr.Type(C::kIdCosteRefrigeracion, "20");
    dr.Type(C::kIdLang, "4");
    dr.Ok();
  });
  ASSERT_TRUE(fabrica_.VariacionCosteTot(d));
  EXPECT_EQ(d.modelo.m_corrientes[0].m_b, 800.0);
  EXPECT_EQ(d.modelo.m_corrientes[1].m_c, 0.6);
  EXPECT_EQ(d.modelo.m_a2, 3000.0);
  EXPECT_EQ(d.modelo.m_costeFrio, 20.0);
  EXPECT_EQ(d.modelo.m_factorLang, 4.0);
}

TEST_F(Variacion, CostesRechazanUnaAmortizacionQueNoSeaMayorQue0) {
  for (const bool totales : {false, true}) {
    SCOPED_TRACE(totales);
    runner_.Clear();
    runner_.ScriptDialog([](Driver& dr) {
      dr.Type(CVariacionCosteDlg::kIdAnos, "0");
      dr.Ok();
      EXPECT_TRUE(dr.Dialog().IsOpen());
      EXPECT_EQ(dr.Dialog().FocusedId(), CVariacionCosteDlg::kIdAnos);
      dr.Cancel();
    });
    bool ok = true;
    if (totales) {
      DlgVariacionCosteTot d;
      d.modelo = CuatroCorrientes();
      ok = fabrica_.VariacionCosteTot(d);
    } else {
      DlgVariacionCosteInm d;
      d.modelo = CuatroCorrientes();
      ok = fabrica_.VariacionCosteInm(d);
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(Mensajes(), std::vector<std::string>{"El tiempo de amortización debe ser mayor que 0."});
  }
}

TEST_F(Variacion, OperacionDevuelveLosCostesEscritos) {
  DlgCostesOperacion d;
  d.costeCalefaccion = "50.";
  d.costeRefrigeracion = "50.";
  runner_.ScriptDialog([](Driver& dr) {
    EXPECT_EQ(dr.Text(CCostesOperacionDlg::kIdCalefaccion), "50.");
    // A cost that is no finite number is refused on OK.
    dr.Type(CCostesOperacionDlg::kIdRefrigeracion, "1e999");
    dr.Ok();
    EXPECT_TRUE(dr.Dialog().IsOpen());
    EXPECT_EQ(dr.Dialog().FocusedId(), CCostesOperacionDlg::kIdRefrigeracion);
    dr.Type(CCostesOperacionDlg::kIdRefrigeracion, "35,5");
    dr.Ok();
  });
  ASSERT_TRUE(fabrica_.CostesOperacion(d));
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número."});
  EXPECT_EQ(LeerNumeroTecleado(d.costeRefrigeracion), 35.5);
  EXPECT_EQ(d.costeCalefaccion, "50.");
}

// The two costs stand in one column with the range's fields, their units in
// one column with the range's "K", as the dialog shows them.
TEST_F(Variacion, OperacionCostesEnLaColumnaDelRango) {
  DlgCostesOperacion d;
  d.costeCalefaccion = "50.";
  d.costeRefrigeracion = "50.";
  runner_.ScriptDialog([](Driver& dr) {
    using O = CCostesOperacionDlg;
    QWidget* w = dr.Dialog().Widget(O::kIdInicial);
    const QRect rango = w->geometry();
    for (int id : {O::kIdFinal, O::kIdPuntos, O::kIdCalefaccion, O::kIdRefrigeracion}) {
      SCOPED_TRACE(id);
      const QRect r = dr.Dialog().Widget(id)->geometry();
      EXPECT_EQ(r.left(), rango.left());
      EXPECT_EQ(r.right(), rango.right());
    }
    std::vector<int> xK, xCoste;
    for (const QLabel* l : w->parentWidget()->findChildren<QLabel*>()) {
      if (l->text() == QStringLiteral("K")) xK.push_back(l->x());
      if (l->text() == QStringLiteral("$/kW·año")) xCoste.push_back(l->x());
    }
    ASSERT_EQ(xK.size(), 2u);
    ASSERT_EQ(xCoste.size(), 2u);
    for (int x : xK) EXPECT_EQ(x, xCoste.front());
    EXPECT_EQ(xCoste.back(), xCoste.front());
    EXPECT_EQ(TextosRecortados(&dr.Dialog()), std::vector<std::string>{});
    dr.Grab(::testing::TempDir() + "costes_operacion.png");
    dr.Cancel();
  });
  EXPECT_FALSE(fabrica_.CostesOperacion(d));
}

TEST_F(Variacion, ExergiaAdmiteLosExtremosYRechazaLoQueQuedaFuera) {
  struct Caso {
    const char* temperatura;
    const char* puntos;
    const char* mensaje;  // nullptr: accepted
  };
  const Caso casos[] = {
      {"0.1", "10", nullptr},
      {"1000", "10000", nullptr},
      {"0.09", "50", "Introduzca un número entre 0.1 y 1000."},
      {"1000.01", "50", "Introduzca un número entre 0.1 y 1000."},
      {"293", "9", "Introduzca un número entre 10 y 10000."},
      {"293", "10001", "Introduzca un número entre 10 y 10000."},
      {"abc", "50", "Introduzca un número."},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.temperatura) + " " + c.puntos);
    runner_.Clear();
    DlgExergia d;
    runner_.ScriptDialog([&](Driver& dr) {
      EXPECT_EQ(dr.Text(CExergiaDlg::kIdTemperatura), "293");
      EXPECT_EQ(dr.Text(CExergiaDlg::kIdPuntos), "50");
      if (&c == casos) dr.Grab(::testing::TempDir() + "analisis_exergia.png");
      dr.Type(CExergiaDlg::kIdTemperatura, c.temperatura);
      dr.Type(CExergiaDlg::kIdPuntos, c.puntos);
      dr.Ok();
      if (dr.Dialog().IsOpen()) dr.Cancel();
    });
    const bool ok = fabrica_.Exergia(d);
    EXPECT_EQ(ok, c.mensaje == nullptr);
    if (c.mensaje) {
      EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje});
      EXPECT_EQ(d.temperatura, 293.0);
    } else {
      EXPECT_EQ(d.temperatura, TextoANumero(c.temperatura));
      EXPECT_EQ(d.puntos, static_cast<int>(TextoANumero(c.puntos)));
    }
  }
}

// ---------------------------------------------------------------- loop

class Anillo : public ConDialogos {
 protected:
  void SetUp() override {
    registro_.modelo = DisenoCuatroCorrientes();
    registro_.modelo.CalcularObjetivos();
    ASSERT_TRUE(Calculada(CalcularRed(registro_.modelo)));
  }
  DlgCostesTotales registro_;
};

TEST_F(Anillo, AceptarSoloConUnAnilloOSendaYConPuntosDe2A10000) {
  using T = CCostesTotalesDlg;
  runner_.ScriptDialog([](Driver& d) {
    EXPECT_EQ(Lista(d, T::kIdCambiadores),
              (std::vector<std::string>{"1 - CC: 2, CF: 3", "2 - CC: 4, CF: 1", "3 - CC: SG, CF: 1",
                                        "4 - CC: 2, CF: 1", "5 - CC: 4, CF: 1",
                                        "6 - CC: 4, CF: SG"}));
    EXPECT_EQ(d.Dialog().CurSel(T::kIdCambiadores), 0);
    EXPECT_FALSE(d.Dialog().IsEnabled(kit::kIdOk));
    EXPECT_FALSE(d.Dialog().IsEnabled(T::kIdSiguiente));
    EXPECT_FALSE(d.Dialog().IsEnabled(T::kIdAnterior));
    // The same exchanger twice: in and out again.
    d.Choose(T::kIdCambiadores, 1);
    d.Click(T::kIdAnadir);
    EXPECT_EQ(Lista(d, T::kIdAnillo), std::vector<std::string>{"2 - CC: 4, CF: 1"});
    d.Click(T::kIdAnadir);
    EXPECT_TRUE(Lista(d, T::kIdAnillo).empty());
    // The heater on C1, exchanger 2 (H4 to C1) and the cooler on H4: a path
    // from utility to utility.
    for (int i : {2, 1}) {
      d.Choose(T::kIdCambiadores, i);
      d.Click(T::kIdAnadir);
      EXPECT_FALSE(d.Dialog().IsEnabled(kit::kIdOk));
    }
    d.Choose(T::kIdCambiadores, 5);
    d.Click(T::kIdAnadir);
    EXPECT_TRUE(d.Dialog().IsEnabled(kit::kIdOk));
    d.Click(T::kIdQuitar);
    EXPECT_FALSE(d.Dialog().IsEnabled(kit::kIdOk));
    d.Click(T::kIdAnadir);  // the cooler is still chosen on the left
    EXPECT_TRUE(d.Dialog().IsEnabled(kit::kIdOk));
    EXPECT_EQ(Lista(d, T::kIdAnillo),
              (std::vector<std::string>{"3 - CC: SG, CF: 1", "2 - CC: 4, CF: 1",
                                        "6 - CC: 4, CF: SG"}));
    d.Grab(::testing::TempDir() + "analisis_costes_anillo.png");
    // No points typed yet: the range message.
    d.Ok();
    EXPECT_TRUE(d.Dialog().IsOpen());
    d.Type(T::kIdPuntos, "20");
    d.Ok();
  });
  ASSERT_TRUE(fabrica_.CostesTotales(registro_));
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número entre 2 y 10000."});
  EXPECT_EQ(registro_.puntos, 20);
  // The loop record carries the minimum duties of the network handed back.
  const CDiagrama& m = registro_.modelo;
  ASSERT_EQ(m.m_anillo.cambiadores, (std::vector<std::int32_t>{2, 1, 5}));
  EXPECT_EQ(m.m_anillo.minimoPar, std::min(m.m_cambiadores[2].q, m.m_cambiadores[5].q));
  EXPECT_EQ(m.m_anillo.minimoImpar, m.m_cambiadores[1].q);
}

// Emptying the chain disables "Aceptar"; a loop or path found by "Buscar",
// or stepped to with the arrows, is complete and can be accepted.
TEST_F(Anillo, VaciarDeshabilitaYUnaCadenaBuscadaSePuedeAceptar) {
  using T = CCostesTotalesDlg;
  std::vector<std::string> mostrada;
  runner_.ScriptDialog([&](Driver& d) {
    for (int i : {2, 1, 5}) {
      d.Choose(T::kIdCambiadores, i);
      d.Click(T::kIdAnadir);
    }
    EXPECT_TRUE(d.Dialog().IsEnabled(kit::kIdOk));
    d.Click(T::kIdVaciar);
    EXPECT_TRUE(Lista(d, T::kIdAnillo).empty());
    EXPECT_FALSE(d.Dialog().IsEnabled(kit::kIdOk));
    d.Click(T::kIdBuscar);
    EXPECT_TRUE(d.Dialog().IsEnabled(T::kIdSiguiente));
    EXPECT_TRUE(d.Dialog().IsEnabled(T::kIdAnterior));
    EXPECT_FALSE(Lista(d, T::kIdAnillo).empty());
    EXPECT_TRUE(d.Dialog().IsEnabled(kit::kIdOk));
    d.Click(T::kIdVaciar);
    EXPECT_FALSE(d.Dialog().IsEnabled(kit::kIdOk));
    d.Click(T::kIdSiguiente);
    EXPECT_FALSE(Lista(d, T::kIdAnillo).empty());
    EXPECT_TRUE(d.Dialog().IsEnabled(kit::kIdOk));
    d.Click(T::kIdAnterior);
    EXPECT_TRUE(d.Dialog().IsEnabled(kit::kIdOk));
    mostrada = Lista(d, T::kIdAnillo);
    d.Type(T::kIdPuntos, "20");
    d.Ok();
  });
  ASSERT_TRUE(fabrica_.CostesTotales(registro_));
  // The chain shown is the one handed back.
  const CDiagrama& m = registro_.modelo;
  std::vector<std::string> devuelta;
  for (std::int32_t i : m.m_anillo.cambiadores) devuelta.push_back(LineaCambiadorCostes(m, i));
  EXPECT_EQ(devuelta, mostrada);
}

// The sample with utilities shown: the steam heater and the water cooler
// name their sides "S1" and "S2", as every other list of the program.
TEST_F(Anillo, ServiciosDefinidosComoS1YS2) {
  using T = CCostesTotalesDlg;
  registro_.modelo = CargarEjemplo("servicios_y_area.vdo");
  std::vector<std::string> lineas;
  runner_.ScriptDialog([&](Driver& d) {
    lineas = Lista(d, T::kIdCambiadores);
    d.Grab(::testing::TempDir() + "analisis_costes_anillo_servicios.png");
    d.Cancel();
  });
  EXPECT_FALSE(fabrica_.CostesTotales(registro_));
  EXPECT_EQ(lineas, (std::vector<std::string>{"1 - CC: 2, CF: 3", "2 - CC: S1, CF: 1",
                                              "3 - CC: 4, CF: S2"}));
}

}  // namespace
}  // namespace vardo::prueba
