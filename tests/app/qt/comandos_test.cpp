// Command states, the key tables, undo and redo through the commands, the
// chart commands and the rebuild of a stale chart.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "tests/comun/puertos_prueba.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "app/core/document/ids_comandos.h"
#include "fixture.h"

namespace vardo::prueba {
namespace {

class Comandos : public AppFixture {
 protected:
  CmdUi Estado(int id) { return Marco().Commands().State(id); }
};

struct CasoEstado {
  const char* nombre;
  int id;
  bool sinDocumento;  // enabled with no document window
  bool vacio;         // enabled with an empty document
  bool conProblema;   // enabled with the four-stream problem in the grid diagram
};

TEST_F(Comandos, EstadosSegunDocumentoYProblema) {
  using namespace cmd;
  const CasoEstado casos[] = {
      {"nuevo", kNuevo, true, true, true},
      {"abrir", kAbrir, true, true, true},
      {"guardar", kGuardar, false, true, true},
      {"imprimir", kImprimir, false, true, true},
      {"deshacer", kDeshacer, false, false, false},
      {"rehacer", kRehacer, false, false, false},
      {"trama", kDiagramaTrama, false, false, true},
      {"compuestas", kCompuestas, false, false, true},
      {"grand compuesta", kGrandCompuesta, false, false, true},
      {"con servicios", kCompuestasServicios, false, false, true},
      {"dt disponible", kDTDisponible, false, false, true},
      {"otras graficas", kOtrasGraficas, false, false, true},
      // The grid diagram's properties (mode 3).
      {"formato", kFormatoGrafica, false, false, true},
      {"costes totales", kCosteTotalDTMin, false, false, true},
      {"servicios vs dt", kServiciosDTMin, false, false, true},
      {"anadir corrientes", kAnadirCorrientes, false, true, true},
      {"autograbacion", kAutograbacion, true, true, true},
      {"barra principal", kVerBarraPrincipal, true, true, true},
      {"salir", kSalir, true, true, true},
  };
  ASSERT_EQ(Iniciar(), -1);
  auto comprobar = [&](int columna) {
    for (const auto& c : casos) {
      const bool esperado = columna == 0 ? c.sinDocumento : columna == 1 ? c.vacio : c.conProblema;
      EXPECT_EQ(Estado(c.id).enabled, esperado) << c.nombre << " en el caso " << columna;
    }
  };
  comprobar(1);
  Activo()->CerrarSinPreguntar();
  Procesar();
  ASSERT_EQ(Activo(), nullptr);
  comprobar(0);
  ASSERT_NE(app_->AbrirDocumento(CopiaEjemplo("cuatro_corrientes.vdo")), nullptr);
  comprobar(2);
  // Check marks follow the mode.
  EXPECT_EQ(Estado(cmd::kDiagramaTrama).checked, std::optional<bool>(true));
  EXPECT_EQ(Estado(cmd::kCompuestas).checked, std::optional<bool>(false));
  EXPECT_EQ(Estado(cmd::kVerBarraPrincipal).checked, std::optional<bool>(true));
}

TEST_F(Comandos, GraficasDeshacerYRehacer) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  ASSERT_EQ(Doc()->m_nModo, 3);
  ASSERT_TRUE(Ejecutar(cmd::kCompuestas));
  EXPECT_EQ(Doc()->m_nModo, 2);
  EXPECT_GT(Vista()->Grafica().NumPuntos(), 0);
  EXPECT_EQ(Estado(cmd::kCompuestas).checked, std::optional<bool>(true));
  EXPECT_EQ(Marco().LastMessage(), QStringLiteral("Preparado"));
  ASSERT_TRUE(Ejecutar(cmd::kGrandCompuesta));
  EXPECT_EQ(Doc()->m_nModo, 1);
  EXPECT_TRUE(Estado(cmd::kDeshacer).enabled);
  EXPECT_FALSE(Estado(cmd::kRehacer).enabled);

  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  EXPECT_EQ(Doc()->m_nModo, 2);
  // The composite curves are rebuilt from the model, not the grand composite.
  EXPECT_EQ(Vista()->Grafica().series.front().etiqueta, "Curva caliente");
  EXPECT_FALSE(Doc()->m_bRedibujar);
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  EXPECT_EQ(Doc()->m_nModo, 3);
  EXPECT_FALSE(Estado(cmd::kDeshacer).enabled);
  EXPECT_TRUE(Estado(cmd::kRehacer).enabled);
  ASSERT_TRUE(Ejecutar(cmd::kRehacer));
  EXPECT_EQ(Doc()->m_nModo, 2);
  // A new change after an undo disables redo.
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  ASSERT_TRUE(Ejecutar(cmd::kDiagramaTrama));
  EXPECT_FALSE(Estado(cmd::kRehacer).enabled);
  EXPECT_EQ(Marco().LastMessage().toStdString(), kTextoPreparadoTrama);
}

TEST_F(Comandos, TablasDeTeclas) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  Marco().show();
  Procesar();
  QTest::keyClick(Vista(), Qt::Key_C, Qt::ShiftModifier);
  EXPECT_EQ(Doc()->m_nModo, 2);
  QTest::keyClick(Vista(), Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(Doc()->m_nModo, 3);
  QTest::keyClick(Vista(), Qt::Key_G, Qt::ShiftModifier);
  EXPECT_EQ(Doc()->m_nModo, 1);
  QTest::keyClick(Vista(), Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ(Doc()->m_nModo, 3);
  QTest::keyClick(Vista(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Doc()->m_nModo, 2);
  // With a document open Ctrl+S is the document's: it opens the streams
  // sheet (cancelled here) and saves nothing.
  Doc()->SetModifiedFlag(true);
  kitRunner_.Clear();
  QTest::keyClick(Vista(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(kitRunner_.Log().size(), 1u);
  EXPECT_EQ(kitRunner_.Log()[0].text, "Añadir Corrientes");
  EXPECT_TRUE(dialogos_.Log().empty());
  EXPECT_TRUE(Doc()->IsModified());
  // Without a document the main table answers: Ctrl+N makes one.
  Doc()->SetModifiedFlag(false);
  Activo()->CerrarSinPreguntar();
  Procesar();
  ASSERT_TRUE(Marco().Marcos().empty());
  QTest::keyClick(&Marco(), Qt::Key_N, Qt::ControlModifier);
  Procesar();
  EXPECT_EQ(Marco().Marcos().size(), 1u);
  EXPECT_TRUE(Marco().TranslateKey(QKeyCombination(Qt::ControlModifier, Qt::Key_O).toCombined()));
  EXPECT_FALSE(Marco().TranslateKey(QKeyCombination(Qt::NoModifier, Qt::Key_A).toCombined()));
}

// The keys the File menu shows: Ctrl+G saves an open document (also from the
// view, where Ctrl+S adds streams), Ctrl+A opens; Ctrl+I prints.
TEST_F(Comandos, TeclasDelMenuArchivo) {
  const QString ruta = CopiaEjemplo("cuatro_corrientes.vdo");
  ASSERT_EQ(Iniciar({ruta}), -1);
  Marco().show();
  Procesar();
  Vista()->setFocus();
  ASSERT_TRUE(QFile::remove(ruta));
  Doc()->SetModifiedFlag(true);
  QTest::keyClick(Vista(), Qt::Key_G, Qt::ControlModifier);
  EXPECT_TRUE(QFile::exists(ruta));
  EXPECT_FALSE(Doc()->IsModified());
  EXPECT_TRUE(dialogos_.Log().empty());

  QTest::keyClick(Vista(), Qt::Key_A, Qt::ControlModifier);
  ASSERT_EQ(dialogos_.Log().size(), 1u);
  EXPECT_FALSE(dialogos_.Log()[0].save);
  EXPECT_EQ(Marco().MainKeys().Find(QKeyCombination(Qt::ControlModifier, Qt::Key_I).toCombined()),
            cmd::kImprimir);
}

// Keys typed into a text field of the main window outside the document
// window (the DT min field) are that field's: the document's table does not
// see them (and the field, which takes numbers only, swallows letters), copy
// is the field's own, and a main-table key whose command is disabled reaches
// the field.
TEST_F(Comandos, TeclasEnUnCampoDeTextoSonDelCampo) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  Marco().show();
  Procesar();
  QLineEdit* campo = Marco().Field();
  campo->setFocus();
  campo->setText(QStringLiteral("10."));
  campo->end(false);
  const int modo = Doc()->m_nModo;
  for (char k : {'C', 'G', 'D', 'M', 'P'}) QTest::keyClick(campo, k, Qt::ShiftModifier);
  EXPECT_EQ(campo->text(), QStringLiteral("10."));
  EXPECT_EQ(Doc()->m_nModo, modo);
  EXPECT_EQ(Doc()->NumDeshacer(), 0);
  EXPECT_FALSE(Doc()->IsModified());

  // Ctrl+C and Ctrl+Insert copy the selected text.
  QApplication::clipboard()->clear();
  campo->setText(QStringLiteral("12.5"));
  campo->selectAll();
  QTest::keyClick(campo, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12.5"));
  campo->setSelection(0, 2);
  QTest::keyClick(campo, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12"));

  // Undo has nothing to undo in the document: Ctrl+Z undoes the typing.
  ASSERT_FALSE(Estado(cmd::kDeshacer).enabled);
  campo->clear();
  QTest::keyClicks(campo, QStringLiteral("7"));
  QTest::keyClick(campo, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(campo->text(), QString());
}

TEST_F(Comandos, GraficaCaducadaSeReconstruyeConParametrosFijos) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  Doc()->m_nModo = 4;  // utilities against DT min
  Doc()->m_bRedibujar = true;
  Doc()->UpdateAllViews();
  EXPECT_FALSE(Doc()->m_bRedibujar);
  EXPECT_EQ(Doc()->m_nModo, 4);
  const CGrafica& g = Vista()->Grafica();
  ASSERT_GT(g.NumPuntos(), 0);
  // Over 1 to 30 K: the first point sits at DT min 1.
  EXPECT_EQ(g.puntos.front().x, ValorGrafica(1.0, g.decimales));
  EXPECT_FALSE(Vista()->Imagen().empty());
  // Without streams the mode goes back to 0 and nothing is drawn.
  Doc()->m_Diagrama.m_corrientes.clear();
  Doc()->UpdateAllViews();
  EXPECT_EQ(Doc()->m_nModo, 0);
  EXPECT_TRUE(Vista()->Imagen().empty());
}

TEST_F(Comandos, UnDialogoRegistradoHabilitaSuComando) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  auto& fabrica = static_cast<FabricaDialogosQt&>(app_->Fabrica());
  // The program's own dialog is registered at start; a scripted one takes
  // its place and runs parented to the main window.
  EXPECT_TRUE(Estado(cmd::kProblemaRemanente).enabled);
  QWidget* padreVisto = nullptr;
  fabrica.Registrar<DlgRemanente>([&](QWidget* padre, DlgRemanente& d) {
    padreVisto = padre;
    d.modelo.m_tCalienteGenerico = 480.0;
    return true;
  });
  EXPECT_TRUE(Estado(cmd::kProblemaRemanente).enabled);
  ASSERT_TRUE(Ejecutar(cmd::kProblemaRemanente));
  EXPECT_EQ(padreVisto, &Marco());
  EXPECT_EQ(Doc()->m_Diagrama.m_tCalienteGenerico, 480.0);
}

// The document's commands run on the active document through the main
// window, each disabled until its dialog is registered.
TEST_F(Comandos, BorrarCorrientesPorLaVentanaPrincipal) {
  using namespace cmd;
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  auto& fabrica = static_cast<FabricaDialogosQt&>(app_->Fabrica());
  // The program's own delete dialog is registered at start; a scripted one
  // takes its place here.
  fabrica.Registrar<DlgBorrarCorrientes>([](QWidget*, DlgBorrarCorrientes& d) {
    EXPECT_EQ(d.numero, 4);
    d.indice = 1;
    return true;
  });
  ASSERT_TRUE(Estado(kBorrarCorrientes).enabled);
  // "No" to the question: nothing changes, no undo step.
  runner_.Script({Answer::No});
  ASSERT_TRUE(Ejecutar(kBorrarCorrientes));
  ASSERT_EQ(runner_.Log().size(), 1u);
  EXPECT_EQ(runner_.Log()[0].text, "¿Confirma que desea eliminar la corriente?");
  EXPECT_EQ(runner_.Log()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCorrientes(), 4);
  EXPECT_FALSE(Estado(kDeshacer).enabled);
  EXPECT_FALSE(Doc()->IsModified());
  runner_.Script({Answer::Yes});
  ASSERT_TRUE(Ejecutar(kBorrarCorrientes));
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCorrientes(), 3);
  EXPECT_TRUE(Doc()->IsModified());
  ASSERT_TRUE(Ejecutar(kDeshacer));
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCorrientes(), 4);
  // Without a document the command is disabled again.
  Doc()->SetModifiedFlag(false);
  Activo()->CerrarSinPreguntar();
  Procesar();
  EXPECT_FALSE(Estado(kBorrarCorrientes).enabled);
}

TEST_F(Comandos, CtrlSAnadeCorrientesConSuDialogo) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  auto& fabrica = static_cast<FabricaDialogosQt&>(app_->Fabrica());
  fabrica.Registrar<DlgCorrientes>([](QWidget*, DlgCorrientes& d) {
    EXPECT_EQ(d.titulo, "Añadir Corrientes");
    EXPECT_EQ(d.corriente, 0);
    d.modelo.AddCorriente(380.0, 400.0, 1.0, 1, 0);  // 20 kW more heating
    return true;
  });
  Marco().show();
  Procesar();
  QTest::keyClick(Vista(), Qt::Key_S, Qt::ControlModifier);
  Procesar();
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCorrientes(), 5);
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_TRUE(dialogos_.Log().empty());  // nothing was saved
  EXPECT_EQ(Marco().PaneText(kPanelCal), QStringLiteral("Cal:0./40."));
}

// The selection commands follow the view's selected kind: a deleted stream
// leaves nothing selected, so a second Delete deletes nothing.
TEST_F(Comandos, LaSeleccionDeLaVistaHabilitaYSeBorraConElObjeto) {
  using namespace cmd;
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  EXPECT_FALSE(Estado(kBorrarCorrienteSel).enabled);
  Doc()->m_Diagrama.SeleccionarCorriente(2);
  Vista()->SetEstadoEdicion(CVardoView::kSelCorriente);
  ASSERT_TRUE(Estado(kBorrarCorrienteSel).enabled);
  // Its properties window is registered at start.
  EXPECT_TRUE(Estado(kPropiedadesCorriente).enabled);
  runner_.Script({Answer::Yes});
  ASSERT_TRUE(Ejecutar(kBorrarCorrienteSel));
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCorrientes(), 3);
  EXPECT_EQ(Vista()->EstadoEdicion(), CVardoView::kSelNada);
  EXPECT_FALSE(Estado(kBorrarCorrienteSel).enabled);
  EXPECT_FALSE(Ejecutar(kBorrarCorrienteSel));
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCorrientes(), 3);

  // A check mark from the document: the feasibility option.
  const bool antes = Doc()->m_bUsarFactibilidad;
  EXPECT_EQ(Estado(kUsarFactibilidad).checked, std::optional<bool>(antes));
  ASSERT_TRUE(Ejecutar(kUsarFactibilidad));
  EXPECT_EQ(Doc()->m_bUsarFactibilidad, !antes);
  Marco().Commands().UpdateAll();
  EXPECT_EQ(Marco().Commands().Action(kUsarFactibilidad)->isChecked(), !antes);
}

TEST_F(Comandos, ElDialogoDeGuardarDelInforme) {
  ASSERT_EQ(Iniciar(), -1);
  dialogos_.Script(Ruta("informe.htm"));
  const std::string ruta = Marco().ElegirArchivoGuardar(PeticionGuardar{"Documentos HTML", "htm", "*.htm"});
  EXPECT_EQ(ruta, Ruta("informe.htm").toStdString());
  ASSERT_EQ(dialogos_.Log().size(), 1u);
  const FileDialogRequest& r = dialogos_.Log()[0];
  EXPECT_TRUE(r.save);
  EXPECT_EQ(r.title, QStringLiteral("Guardar como"));
  EXPECT_EQ(r.filter, QStringLiteral("Documentos HTML (*.htm)"));
  EXPECT_EQ(r.defaultSuffix, QStringLiteral("htm"));
  EXPECT_EQ(r.initialPath, QStringLiteral("*.htm"));
  // Cancel answers nothing.
  EXPECT_TRUE(Marco().ElegirArchivoGuardar(PeticionGuardar{"Documentos HTML", "htm", "*.htm"}).empty());
}

class ComandosConDialogos : public Comandos {
 protected:
  void Preparar() {
    ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
    Vista()->SetFabrica(&fabrica_);
  }
  std::vector<std::string> Mensajes() {
    std::vector<std::string> m;
    for (const auto& r : runner_.Log()) m.push_back(r.text);
    return m;
  }
  FabricaDialogosGuion fabrica_;
};

TEST_F(ComandosConDialogos, RangoDeDTMinRechazadoDejaLaImagenYGuardaDeshacer) {
  Preparar();
  ASSERT_TRUE(Estado(cmd::kServiciosDTMin).enabled);
  struct Caso {
    const char* inicial;
    const char* final;
    const char* mensaje;
  } casos[] = {{"0", "50", kMsgDTInicial}, {"abc", "50", kMsgDTInicial}, {"20", "20", kMsgDTFinal}};
  int deshacer = Doc()->NumDeshacer();
  for (const auto& c : casos) {
    runner_.Clear();
    fabrica_.Aceptar<DlgVariacionDT>([&](DlgVariacionDT& d) {
      d.inicial = c.inicial;
      d.final = c.final;
    });
    ASSERT_TRUE(Ejecutar(cmd::kServiciosDTMin));
    EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje}) << c.inicial;
    EXPECT_EQ(Doc()->m_nModo, 3);
    EXPECT_EQ(Doc()->NumDeshacer(), ++deshacer);
  }
  // The dialog's defaults: 1 to 50 K with 50 points.
  EXPECT_EQ(fabrica_.Ultima<DlgVariacionDT>().inicial, "1");
  EXPECT_EQ(fabrica_.Ultima<DlgVariacionDT>().puntos, 50);
  fabrica_.Aceptar<DlgVariacionDT>([](DlgVariacionDT& d) {
    d.inicial = "5";
    d.final = "40";
    d.puntos = 7;
  });
  runner_.Clear();
  ASSERT_TRUE(Ejecutar(cmd::kServiciosDTMin));
  EXPECT_TRUE(runner_.Log().empty());
  EXPECT_EQ(Doc()->m_nModo, 4);
  EXPECT_EQ(Vista()->Grafica().puntos.front().x, ValorGrafica(5.0, Vista()->Grafica().decimales));
  // Cancel changes nothing.
  fabrica_.Cancelar<DlgVariacionDT>();
  ASSERT_TRUE(Ejecutar(cmd::kNMinDTMin));
  EXPECT_EQ(Doc()->m_nModo, 4);
  EXPECT_EQ(Doc()->NumDeshacer(), deshacer + 1);
}

TEST_F(ComandosConDialogos, ExergiaEscribeLaTemperaturaYLaPersonalizadaNoGuardaDeshacer) {
  Preparar();
  fabrica_.Aceptar<DlgExergia>([](DlgExergia& d) {
    d.temperatura = 300.0;
    d.puntos = 20;
  });
  ASSERT_TRUE(Ejecutar(cmd::kCompuestasExergia));
  EXPECT_EQ(fabrica_.Ultima<DlgExergia>().temperatura, 293.0);
  EXPECT_EQ(Doc()->m_Diagrama.m_tReferencia, 300.0);
  EXPECT_EQ(Doc()->m_nModo, 15);
  const int deshacer = Doc()->NumDeshacer();
  fabrica_.Aceptar<DlgOtrasGraficas>();
  ASSERT_TRUE(Ejecutar(cmd::kGraficaPersonalizada));
  EXPECT_EQ(Doc()->m_nModo, 13);
  EXPECT_EQ(Doc()->NumDeshacer(), deshacer);
  EXPECT_EQ(fabrica_.Ultima<DlgOtrasGraficas>().puntos, 25);
}

// The cost chart over a loop's heat flow spans the dialog's range: from
// minus the even minimum to the odd minimum, in hundredths.
TEST_F(ComandosConDialogos, CostesDelAnilloTomanElRangoDelFlujo) {
  Preparar();
  fabrica_.Aceptar<DlgCostesTotales>([](DlgCostesTotales& d) {
    d.modelo.m_anillo.minimoPar = 21.0;
    d.modelo.m_anillo.minimoImpar = 11.0;
    d.puntos = 5;
  });
  ASSERT_TRUE(Ejecutar(cmd::kCostesAnillo));
  EXPECT_EQ(Doc()->m_nModo, 11);
  EXPECT_EQ(Vista()->Grafica().xMin, -2100);
  EXPECT_EQ(Vista()->Grafica().xMax, 1100);
}

TEST_F(ComandosConDialogos, FormatoDeLaTramaEscalaYRechazaUnTamanoNulo) {
  Preparar();
  ASSERT_TRUE(Estado(cmd::kFormatoGrafica).enabled);
  CDiagrama& m = Doc()->m_Diagrama;
  ASSERT_FALSE(m.m_cambiadores.empty());
  const Rect antes = m.m_rectGrafico;
  const Rect cambiador = m.m_cambiadores[0].rectCaliente;
  fabrica_.Aceptar<DlgPropDiagrama>([](DlgPropDiagrama& d) {
    d.ancho = "0";
    d.alto = "12";
  });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
  EXPECT_EQ(m.m_rectGrafico, antes);
  ASSERT_EQ(runner_.Log().size(), 1u);
  EXPECT_EQ(runner_.Log()[0].text, kMsgTamanoGrafico);

  fabrica_.Aceptar<DlgPropDiagrama>([](DlgPropDiagrama& d) {
    d.ancho = "20";
    d.alto = "12";
    d.mostrarNombres = 1;
  });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
  EXPECT_EQ(fabrica_.Ultima<DlgPropDiagrama>().ancho, std::to_string(antes.Width() / 1000));
  EXPECT_EQ(m.m_rectGrafico, (Rect{1500, -1500, 21500, -13500}));
  EXPECT_EQ(m.m_mostrarNombres, 1);
  EXPECT_TRUE(Doc()->IsModified());
  const double fx = 20000.0 / antes.Width();
  EXPECT_NEAR(m.m_cambiadores[0].rectCaliente.left - 1500, (cambiador.left - 1500) * fx, 1.0);
  // The scroll size follows the wider grid with the names column.
  const double dpi = Vista()->viewport()->logicalDpiX();
  EXPECT_NEAR(Vista()->TamanoTotal().width(), (21500 + 4000) * dpi / 2540.0, 1.0);
}

}  // namespace
}  // namespace vardo::prueba
