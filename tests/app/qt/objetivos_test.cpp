// The targeting commands in the real program, their dialogs driven through
// the kit with scripted answers: cascade, minimum area and cost, optimum DT
// min, the charts over DT min and the loop, exergy, tables and the matches
// across the pinch, each with what it leaves in the document.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <QTest>
#include <limits>
#include <set>

#include "app/core/analysis/dt_optima.h"
#include "app/core/document/ids_comandos.h"
#include "controls/cascade/vadizod.h"
#include "controls/grid/celdix.h"
#include "dialogs/analysis/dlg_area_minima.h"
#include "dialogs/analysis/dlg_cascada.h"
#include "dialogs/analysis/dlg_coste_minimo.h"
#include "dialogs/analysis/dlg_costes_variacion.h"
#include "dialogs/analysis/dlg_cruce_pinch.h"
#include "dialogs/analysis/dlg_dt_optima.h"
#include "dialogs/analysis/dlg_exergia.h"
#include "dialogs/analysis/dlg_objetivos.h"
#include "dialogs/analysis/dlg_tablas.h"
#include "fixture.h"
#include "model/red.h"
#include "platform/core/numero_tecleado.h"
#include "platform/core/numtext.h"
#include "platform/qt/displaygrid.h"
#include "platform/qt/gradientprogress.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {
namespace {

class Objetivos : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
    Marco().show();
    Procesar();
  }
  // The problem of the open document replaced by one built in code.
  void Modelo(const CDiagrama& m) {
    Doc()->m_Diagrama = m;
    Doc()->SetModifiedFlag(false);
  }
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> v;
    for (const MessageRequest& r : runner_.Log()) v.push_back(r.text);
    return v;
  }
  std::vector<std::string> Dialogos() const {
    std::vector<std::string> v;
    for (const RunRecord& r : kitRunner_.Log()) v.push_back(r.text);
    return v;
  }
};

TEST_F(Objetivos, CascadaConCtrlMAceptarTomaElDTMinConUnPasoDeDeshacer) {
  using D = CCalculoCascadaDlg;
  kitRunner_.ScriptDialog([](Driver& d) {
    EXPECT_EQ(d.Text(D::kIdCalefaccion), "20.");
    EXPECT_EQ(d.Text(D::kIdRefrigeracion), "60.");
    EXPECT_EQ(d.Text(D::kIdPinch), "358.15");
    EXPECT_EQ(d.Text(D::kIdNMin), "7");
    const Vadizod& v = *d.Dialog().Get<Vadizod>(D::kIdCascada);
    EXPECT_EQ(v.ListaT().size(), 6u);
    EXPECT_EQ(v.ListaH().size(), 5u);
    d.Type(D::kIdDTMin, "20");
    d.Enter();
    EXPECT_TRUE(d.Dialog().IsOpen());
    EXPECT_EQ(d.Text(D::kIdCalefaccion), "65.");
    EXPECT_EQ(d.Text(D::kIdRefrigeracion), "105.");
    EXPECT_EQ(d.Text(D::kIdPinch), "363.15");
    d.Ok();
  });
  QTest::keyClick(Vista(), Qt::Key_M, Qt::ControlModifier);
  Procesar();
  EXPECT_EQ(Dialogos(), std::vector<std::string>{"Cálculo de cascada"});
  EXPECT_EQ(Doc()->m_Diagrama.m_dtMin, 20.0);
  EXPECT_EQ(Marco().Field()->text().toStdString(), "20.");
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  EXPECT_TRUE(Doc()->IsModified());

  // Cancel changes nothing, whatever was typed.
  Doc()->SetModifiedFlag(false);
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(D::kIdDTMin, "30");
    d.Enter();
    d.Cancel();
  });
  ASSERT_TRUE(Ejecutar(cmd::kVadizod));
  EXPECT_EQ(Doc()->m_Diagrama.m_dtMin, 20.0);
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  EXPECT_FALSE(Doc()->IsModified());
  // Undo brings DT min 10 back.
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  EXPECT_EQ(Doc()->m_Diagrama.m_dtMin, 10.0);
}

TEST_F(Objetivos, AreaMinimaPreguntaUnaVezYDevuelveLosServiciosMovidos) {
  using D = CAreaMinimaDlg;
  CDiagrama copia = Doc()->m_Diagrama;
  runner_.Script({Answer::Yes});
  kitRunner_.ScriptDialog([&](Driver& d) {
    EXPECT_EQ(d.Text(D::kIdNombreServicio), "Calefacción");
    EXPECT_EQ(d.Text(D::kIdTempServicio), "448.15");
    d.Type(D::kIdDTMin, "20");
    d.Enter();
    EXPECT_EQ(d.Text(D::kIdTempServicio), "453.15");
    // The results are the model's own with the new limits.
    copia.SetDTMin(20.0);
    copia.m_tCalienteGenerico = 453.15;
    copia.m_tFrioGenerico = 273.15;
    copia.CalcularObjetivos();
    EXPECT_EQ(d.Text(D::kIdArea), NumTexto(copia.CalcularAreaMinima(0)));
    EXPECT_EQ(d.Text(D::kIdNMin), std::to_string(copia.CalcularNMinCambiadores(0)));
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kAreaMinima));
  EXPECT_EQ(Mensajes(), std::vector<std::string>{
                            "Las temperaturas de los servicios generales violan la diferencia de "
                            "temperaturas mínima para el nuevo valor de ésta. ¿Desea actualizarlos?"});
  const CDiagrama& m = Doc()->m_Diagrama;
  EXPECT_EQ(m.m_dtMin, 20.0);
  EXPECT_NEAR(m.m_tCalienteGenerico, 453.15, 1e-9);
  EXPECT_NEAR(m.m_tFrioGenerico, 273.15, 1e-9);
  EXPECT_EQ(Marco().Field()->text().toStdString(), "20.");
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
}

// A mouse click on w whose press makes the dialog ask, in a real message
// box: the user lets the button go while the box is up (the window behind
// is blocked and never sees the release), then clicks the answer in the box.
// The texts of the boxes seen.
std::vector<std::string> ClicConPregunta(QWidget* w, const char* respuesta) {
  QWindow* ventana = w->window()->windowHandle();
  const QPoint p = w->mapTo(w->window(), w->rect().center());
  std::vector<std::string> vistas;
  std::function<void()> responder = [&] {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!caja) return;
    vistas.push_back(caja->text().toStdString());
    QTest::mouseRelease(ventana, Qt::LeftButton, Qt::NoModifier, p);
    for (QAbstractButton* b : caja->buttons())
      if (b->text() == QString::fromUtf8(respuesta)) {
        // A second question would be answered the same way.
        QTimer::singleShot(0, caja, responder);
        ClickAt(b);
        return;
      }
    ADD_FAILURE() << "no button " << respuesta;
    caja->reject();
  };
  QTimer::singleShot(0, responder);
  QTest::mousePress(ventana, Qt::LeftButton, Qt::NoModifier, p);
  QApplication::processEvents();
  if (QGuiApplication::mouseButtons() != Qt::NoButton)  // no box came: the usual release
    QTest::mouseRelease(ventana, Qt::LeftButton, Qt::NoModifier, p);
  QApplication::processEvents();
  return vistas;
}

TEST_F(Objetivos, LaPreguntaDelDTMinNoSeComeElClicQueLaCausa) {
  // DT min raised to 20 K in the toolbar: the default utilities, set for
  // 10 K, are too close now, and leaving the DT min field asks, typed or not.
  TeclearDTMin("20");
  ASSERT_EQ(Doc()->m_Diagrama.m_dtMin, 20.0);
  ASSERT_NEAR(Doc()->m_Diagrama.m_tCalienteGenerico, 448.15, 1e-9);
  QtMessageRunner cajas;
  ScopedMessageRunner usarCajas(cajas);
  struct Caso {
    const char* que;
    int comando;
    int dtMin;
    int clic;
    const char* respuesta;
    bool cierra;
    double tCaliente;  // in the document afterwards
  };
  // The one that takes Sí back into the document comes last.
  const Caso casos[] = {
      {"area, Cancelar, Sí", cmd::kAreaMinima, CAreaMinimaDlg::kIdDTMin, kit::kIdCancel, "Sí", true,
       448.15},
      {"area, a field, Sí", cmd::kAreaMinima, CAreaMinimaDlg::kIdDTMin, CAreaMinimaDlg::kIdCoefCorriente,
       "Sí", false, 448.15},
      {"cost, a field, Sí", cmd::kCostesMinimos, CCosteMinimoDlg::kIdDTMin, CCosteMinimoDlg::kIdA, "Sí",
       false, 448.15},
      {"cost, Aceptar, No", cmd::kCostesMinimos, CCosteMinimoDlg::kIdDTMin, kit::kIdOk, "No", true, 448.15},
      {"area, Aceptar, Sí", cmd::kAreaMinima, CAreaMinimaDlg::kIdDTMin, kit::kIdOk, "Sí", true, 453.15},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    const int pasos = Doc()->NumDeshacer();
    std::vector<std::string> vistas;
    bool abierto = true;
    int foco = kit::kNoId;
    kitRunner_.ScriptDialog([&](Driver& d) {
      d.Focus(c.dtMin);
      vistas = ClicConPregunta(d.W(c.clic), c.respuesta);
      abierto = d.Dialog().IsOpen();
      foco = d.Dialog().FocusedId();
      if (abierto) d.Cancel();
    });
    ASSERT_TRUE(Ejecutar(c.comando));
    EXPECT_EQ(vistas, std::vector<std::string>{kPreguntaServiciosViolan});
    EXPECT_EQ(!abierto, c.cierra);
    if (!c.cierra) EXPECT_EQ(foco, c.clic);
    const bool acepta = c.clic == kit::kIdOk;
    EXPECT_EQ(Doc()->NumDeshacer(), pasos + (acepta ? 1 : 0));
    EXPECT_NEAR(Doc()->m_Diagrama.m_tCalienteGenerico, c.tCaliente, 1e-9);
  }
}

TEST_F(Objetivos, AreaMinimaConElAsistenteTerminado) {
  using D = CAreaMinimaDlg;
  const double antes = Doc()->m_Diagrama.m_corrientes[0].m_h;
  kitRunner_.ScriptDialog([&](Driver& d) {
    kitRunner_.ScriptDialog([](Driver& w) {
      w.Next();
      w.Next();
      w.Finish();
    });
    d.Click(D::kIdEstimarCorriente);
    EXPECT_NE(d.Text(D::kIdCoefCorriente), "2.");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kAreaMinima));
  EXPECT_EQ(Dialogos(), (std::vector<std::string>{"Área mínima de intercambio",
                                                  "Estimación de coeficientes de Transmisión de Calor"}));
  EXPECT_NE(Doc()->m_Diagrama.m_corrientes[0].m_h, antes);
  EXPECT_EQ(Doc()->m_Diagrama.m_corrientes[0].m_correlacion, 0);
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
}

TEST_F(Objetivos, CostesMinimosConCtrlDRechazanCeroAnos) {
  using D = CCosteMinimoDlg;
  kitRunner_.ScriptDialog([](Driver& d) {
    EXPECT_EQ(d.Text(D::kIdCosteServicio), "50.");
    d.Step(D::kIdSpinServicioOp, 1);
    EXPECT_EQ(d.Text(D::kIdCosteServicio), "50.");
    d.Type(D::kIdAnos, "0");
    d.Enter();
    EXPECT_EQ(d.Text(D::kIdCosteTotal), "-");
    d.Ok();
    EXPECT_TRUE(d.Dialog().IsOpen());
    d.Type(D::kIdAnos, "8");
    d.Ok();
  });
  QTest::keyClick(Vista(), Qt::Key_D, Qt::ControlModifier);
  Procesar();
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"El tiempo de amortización debe ser mayor que 0."});
  EXPECT_EQ(Doc()->m_Diagrama.m_amortizacion, 8.0);
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
}

TEST_F(Objetivos, DTOptimaSinPasoDeDeshacer) {
  // The sweep as it must be made: 499 values, the smallest total kept.
  CDiagrama m = Doc()->m_Diagrama;
  m.m_serviciosVisibles = 0;
  double mejor = 1e300, dtMejor = 0.0;
  int valores = 0;
  for (double dt = 0.1; dt <= 50.0; dt += 0.1, ++valores) {
    m.SetDTMin(dt);
    m.CalcularObjetivos();
    const double total = m.CosteInmovilizado(0) / m.m_amortizacion + m.CosteOperacion(0);
    if (total < mejor) {
      mejor = total;
      dtMejor = dt;
    }
  }
  ASSERT_EQ(valores, 499);
  kitRunner_.ScriptDialog([](Driver& d) {
    using D = CDifTempOptimaDlg;
    EXPECT_FALSE(d.Dialog().IsEnabled(kit::kIdOk));
    EXPECT_FALSE(d.Dialog().IsEnabled(kit::kIdCancel));
    ASSERT_TRUE(d.Timer(D::kTemporizador));
    EXPECT_EQ(d.Dialog().Get<CGradientProgressCtrl>(D::kIdProgreso)->Pos(), 499);
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kDifTemperaturas));
  EXPECT_EQ(Doc()->m_Diagrama.m_dtMin, dtMejor);
  EXPECT_EQ(Doc()->NumDeshacer(), 0);
  // The chosen DT min is not lost at close: the document asks to be saved.
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_EQ(Marco().Field()->text().toStdString(), NumTexto(dtMejor));
}

struct CasoGrafica {
  const char* nombre;
  int comando;
  int modo;
};

TEST_F(Objetivos, CadaDialogoDeRangoDibujaSuModo) {
  const CasoGrafica casos[] = {
      {"servicios", cmd::kServiciosDTMin, 4},       {"unidades", cmd::kNMinDTMin, 5},
      {"pinch", cmd::kTPinchDTMin, 6},              {"area", cmd::kAreaMinDTMin, 7},
      {"inmovilizado", cmd::kCosteInmDTMin, 8},     {"operacion", cmd::kCosteOperacionDTMin, 9},
      {"totales", cmd::kCosteTotalDTMin, 10},       {"exergia", cmd::kCompuestasExergia, 15},
      {"grand exergia", cmd::kGrandCompuestaExergia, 16},
      {"exergia disponible", cmd::kExergiaDisponible, 17},
  };
  for (const CasoGrafica& c : casos) {
    SCOPED_TRACE(c.nombre);
    EXPECT_TRUE(Marco().Commands().State(c.comando).enabled);
    const int deshacer = Doc()->NumDeshacer();
    kitRunner_.ScriptDialog([](Driver& d) { d.Ok(); });
    ASSERT_TRUE(Ejecutar(c.comando));
    EXPECT_EQ(Doc()->m_nModo, c.modo);
    EXPECT_EQ(Doc()->NumDeshacer(), deshacer + 1);
    EXPECT_FALSE(Vista()->Grafica().puntos.empty());
  }
  EXPECT_TRUE(kitRunner_.Done());
  EXPECT_TRUE(Mensajes().empty());
}

// In the running program a decimal comma is a decimal point: the cascade's
// DT min, and the operating-cost chart's range and heating cost.
TEST_F(Objetivos, ComaDecimalEnLaCascadaYEnElRangoYLosCostes) {
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(CCalculoCascadaDlg::kIdDTMin, "1,5");
    d.Enter();
    d.Ok();
  });
  QTest::keyClick(Vista(), Qt::Key_M, Qt::ControlModifier);
  Procesar();
  EXPECT_EQ(Doc()->m_Diagrama.m_dtMin, 1.5);
  EXPECT_EQ(Marco().Field()->text().toStdString(), "1.5");

  using O = CCostesOperacionDlg;
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(O::kIdInicial, "2,5");
    d.Type(O::kIdFinal, "40");
    d.Type(O::kIdCalefaccion, "62,5");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kCosteOperacionDTMin));
  EXPECT_EQ(Doc()->m_nModo, 9);
  EXPECT_EQ(Doc()->m_Diagrama.m_costeCaliente, 62.5);
  const CGrafica& g = Vista()->Grafica();
  ASSERT_FALSE(g.puntos.empty());
  EXPECT_EQ(g.puntos.front().x, ValorGrafica(2.5, g.decimales));
  EXPECT_TRUE(Mensajes().empty());
}

TEST_F(Objetivos, UnRangoRechazadoDejaElModo) {
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(1075, "1");  // final DT min no greater than the initial one
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kServiciosDTMin));
  EXPECT_EQ(Doc()->m_nModo, 3);
  EXPECT_EQ(Mensajes(),
            std::vector<std::string>{"La diferencia de temperaturas final debe ser mayor que la inicial"});
}

TEST_F(Objetivos, ExergiaDeshacerDevuelveLaTemperaturaAnterior) {
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(CExergiaDlg::kIdTemperatura, "300");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kCompuestasExergia));
  EXPECT_EQ(Doc()->m_Diagrama.m_tReferencia, 300.0);
  EXPECT_EQ(Doc()->m_nModo, 15);
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  EXPECT_EQ(Doc()->m_Diagrama.m_tReferencia, 293.0);
  EXPECT_EQ(Doc()->m_nModo, 3);
}

TEST_F(Objetivos, CostesDelAnilloConElRangoDelDialogoEnX) {
  CDiagrama m = DisenoCuatroCorrientes();
  m.CalcularObjetivos();
  ASSERT_TRUE(Calculada(CalcularRed(m)));
  Modelo(m);
  EXPECT_TRUE(Marco().Commands().State(cmd::kCostesAnillo).enabled);
  kitRunner_.ScriptDialog([](Driver& d) {
    using T = CCostesTotalesDlg;
    // The heater, exchanger 2 and the cooler: a path.
    for (int i : {2, 1, 5}) {
      d.Choose(T::kIdCambiadores, i);
      d.Click(T::kIdAnadir);
    }
    d.Type(T::kIdPuntos, "10");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kCostesAnillo));
  ASSERT_EQ(Doc()->m_nModo, 11);
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  const CAnillo& a = Doc()->m_Diagrama.m_anillo;
  ASSERT_GT(a.minimoPar, 0.0);
  ASSERT_GT(a.minimoImpar, 0.0);
  const CGrafica& g = Vista()->Grafica();
  EXPECT_EQ(g.xMin, TruncCoord(-100.0 * a.minimoPar));
  EXPECT_EQ(g.xMax, TruncCoord(100.0 * a.minimoImpar));
}

// The four-stream design at minimum utilities in the program: the figure
// "Coste de Operación" of "Costes Mínimos" (Ctrl+D), then the loop-cost
// chart built through its dialog along the path 3-5-6 and the loop 2-5-2,
// one kilowatt a step. No point is cut at the 32-bit limit; at q = 0 the
// operating series reads the figure; along the path both series move, along
// the loop only the total.
TEST_F(Objetivos, CostesDelAnilloEnElDisenoDeMinimaEnergia) {
  CDiagrama m = DisenoCuatroCorrientes();
  m.CalcularObjetivos();
  ASSERT_TRUE(Calculada(CalcularRed(m)));
  Modelo(m);

  std::string figura;
  kitRunner_.ScriptDialog([&](Driver& d) {
    figura = d.Text(CCosteMinimoDlg::kIdCosteOperacion);
    d.Cancel();
  });
  QTest::keyClick(Vista(), Qt::Key_D, Qt::ControlModifier);
  Procesar();
  ASSERT_EQ(figura, "4000.");
  const auto operacionActual = LeerNumeroTecleado(figura);
  ASSERT_TRUE(operacionActual.has_value());

  struct Caso {
    const char* nombre;
    std::vector<int> cadena;  // rows of "Cambiadores en el diagrama"
    const char* puntos;
    bool operacionVaria;
  };
  const Caso casos[] = {{"senda 3-5-6", {2, 4, 5}, "48", true},
                        {"anillo 2-5-2", {1, 4, 1}, "118", false}};
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    kitRunner_.ScriptDialog([&](Driver& d) {
      using T = CCostesTotalesDlg;
      d.Click(T::kIdVaciar);
      for (int i : caso.cadena) {
        d.Choose(T::kIdCambiadores, i);
        d.Click(T::kIdAnadir);
      }
      d.Type(T::kIdPuntos, caso.puntos);
      d.Ok();
    });
    ASSERT_TRUE(Ejecutar(cmd::kCostesAnillo));
    ASSERT_EQ(Doc()->m_nModo, 11);
    const CGrafica& g = Vista()->Grafica();
    ASSERT_EQ(g.series.size(), 3u);
    ASSERT_EQ(g.decimales, 2);
    const auto inicio = [&](std::size_t s) { return static_cast<std::size_t>(g.series[s].primerPunto); };
    const std::size_t n = inicio(1) - inicio(0);
    ASSERT_GT(n, 10u);
    ASSERT_EQ(g.puntos.size(), 3 * n);
    std::set<std::int32_t> operaciones, totales;
    bool enCero = false;
    for (std::size_t k = 0; k < n; ++k) {
      const Point op = g.puntos[inicio(1) + k];
      const Point tot = g.puntos[inicio(2) + k];
      for (const Point& p : {g.puntos[inicio(0) + k], op, tot}) {
        EXPECT_GT(p.y, 0);
        EXPECT_LT(p.y, std::numeric_limits<std::int32_t>::max());
      }
      if (op.x == 0) {
        enCero = true;
        EXPECT_EQ(op.y, ValorGrafica(*operacionActual, g.decimales));
      }
      operaciones.insert(op.y);
      totales.insert(tot.y);
    }
    EXPECT_TRUE(enCero);
    EXPECT_GT(totales.size(), 1u);
    EXPECT_EQ(operaciones.size() > 1, caso.operacionVaria);
    Vista()->grab().save(QString::fromStdString(std::string(::testing::TempDir()) +
                                                "costes_anillo_" + caso.nombre + ".png"));
  }
}

TEST_F(Objetivos, TablasYEmparejamientos) {
  kitRunner_.ScriptDialog([](Driver& d) {
    auto* g = d.Dialog().Get<DisplayGrid>(CTablaCorrientesDlg::kIdTabla);
    std::vector<std::string> fila;
    for (int c = 0; c < g->Cols(); ++c) fila.push_back(g->TextMatrix(1, c).toStdString());
    EXPECT_EQ(fila, (std::vector<std::string>{"1", "C1", "Fría", "Sensible", "293.15", "408.15",
                                              "230.", "2."}));
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kTablaCorrientes));
  EXPECT_EQ(Dialogos(), std::vector<std::string>{"Tabla de Corrientes"});
  EXPECT_EQ(Doc()->NumDeshacer(), 0);

  // The matches table is a window of its own beside the document.
  ASSERT_TRUE(Ejecutar(cmd::kTablaEmparejamientos));
  CTablaEmparejamientosDlg* ventana = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* t = dynamic_cast<CTablaEmparejamientosDlg*>(w); t && t->isVisible()) ventana = t;
  ASSERT_NE(ventana, nullptr);
  EXPECT_EQ(ventana->Text(CTablaEmparejamientosDlg::kIdPinch), "Pinch de Proceso");
  ventana->close();
  Procesar();
}

TEST_F(Objetivos, EmparejamientosATravesDelPinch) {
  // Every exchanger clear of the pinch: a message and no dialog.
  CDiagrama libre = DisenoCuatroCorrientes();
  ASSERT_TRUE(Calculada(CalcularRed(libre)));
  Modelo(libre);
  ASSERT_TRUE(Ejecutar(cmd::kCrucePinch));
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"No se han encontrado emparejamientos a través del pinch"});
  EXPECT_TRUE(Dialogos().empty());

  // H2 from 383.15 to 353.15 K crosses by 30 kW.
  CDiagrama cruce = CuatroCorrientesSinCalcular();
  cruce.AddCambiador(kModoTemperaturas, 1, 2, kTipoValor, 383.15, kTipoValor, 353.15, kTipoValor,
                     358.15, 0, 0, 0, 0);
  ReconstruirListas(cruce);
  cruce.CalcularRed();
  Modelo(cruce);
  kitRunner_.ScriptDialog([](Driver& d) {
    EXPECT_EQ(d.Dialog().Get<Celdix>(CCrucePinchDlg::kIdTabla)->TextMatrix(1, 1).toStdString(),
              "30.");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kCrucePinch));
  EXPECT_EQ(Dialogos(), std::vector<std::string>{"Emparejamientos a través del pinch"});
  EXPECT_FALSE(Doc()->IsModified());
}

}  // namespace
}  // namespace vardo::prueba
