// The main window: status panes, message pane, toolbars and their toggles,
// docked panes, the other-charts drop-down and autosave's timers.
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <map>
#include <set>

#include "tests/comun/puertos_prueba.h"
#include "app/qt/dlg_autograbacion.h"
#include "app/qt/menus_contexto.h"
#include "app/core/document/ids_comandos.h"
#include "dialogs/analysis/dlg_tablas.h"
#include "fixture.h"
#include "platform/qt/displaygrid.h"
#include "platform/qt/splash.h"
#include "platform/qt/timer.h"

namespace vardo::prueba {
namespace {

class MarcoPrincipal : public AppFixture {};

std::vector<int> IdsDe(QToolBar* barra) {
  std::vector<int> ids;
  for (QAction* a : barra->actions()) ids.push_back(a->isSeparator() ? 0 : a->data().toInt());
  return ids;
}

TEST_F(MarcoPrincipal, BarrasConSusBotonesEnOrden) {
  using namespace cmd;
  ASSERT_EQ(Iniciar(), -1);
  EXPECT_EQ(IdsDe(Marco().ToolBar(kRecursoBarraEstandar)),
            (std::vector<int>{kNuevo, kAbrir, kGuardar, kImprimir, 0, kCopiar, 0,
                              kVerTablaCorrientes, kVerVisorObjetos, 0, kDeshacer, kRehacer, 0,
                              kAyuda}));
  EXPECT_EQ(IdsDe(Marco().ToolBar(kRecursoBarraDiagrama)),
            (std::vector<int>{32774, 32775, 32817, 32776, 32822, 32777}));
  EXPECT_EQ(IdsDe(Marco().ToolBar(kRecursoBarraPrincipal)),
            (std::vector<int>{32771, 32772, 0, 32786, 32803, 0, 32805, 113, 32845, 0, 32773,
                              32818, 32794, 32813, 0, 32778}));
  EXPECT_EQ(IdsDe(Marco().ToolBar(kRecursoBarraAnillos)),
            (std::vector<int>{32828, 32847, 32848, 32849}));
  for (int r : {kRecursoBarraEstandar, kRecursoBarraDiagrama, kRecursoBarraPrincipal, kRecursoBarraAnillos})
    for (QAction* a : Marco().ToolBar(r)->actions())
      if (!a->isSeparator()) EXPECT_FALSE(a->icon().isNull()) << a->data().toInt();
  // The DT min field with its label, before the toolbars.
  auto* etiqueta = Marco().FieldBand()->findChild<QLabel*>();
  ASSERT_NE(etiqueta, nullptr);
  EXPECT_EQ(etiqueta->text().trimmed(), QString::fromUtf8("DT mínima (K)"));
}

TEST_F(MarcoPrincipal, OcultarLaBarraPrincipalOcultaElCampoDTMin) {
  ASSERT_EQ(Iniciar(), -1);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kVerBarraPrincipal));
  EXPECT_TRUE(Marco().ToolBar(kRecursoBarraPrincipal)->isHidden());
  EXPECT_TRUE(Marco().FieldBand()->isHidden());
  EXPECT_EQ(Marco().Commands().State(cmd::kVerBarraPrincipal).checked, std::optional<bool>(false));
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kVerBarraPrincipal));
  EXPECT_FALSE(Marco().ToolBar(kRecursoBarraPrincipal)->isHidden());
  EXPECT_FALSE(Marco().FieldBand()->isHidden());
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kBarraEstado));
  EXPECT_TRUE(Marco().statusBar()->isHidden());
}

TEST_F(MarcoPrincipal, PanelesDeCuentasAjustadosASuTexto) {
  ASSERT_EQ(Iniciar(), -1);
  EXPECT_EQ(Marco().PaneText(kPanelCamb), QStringLiteral("Camb:0/0"));
  const int estrecho = Marco().PaneWidth(kPanelCal);
  Marco().SetContadores("Camb:3/5", "Cal:12345.6/20000.", "Ref:0/0");
  EXPECT_EQ(Marco().PaneText(kPanelCal), QStringLiteral("Cal:12345.6/20000."));
  const int ancho = Marco().PaneWidth(kPanelCal);
  EXPECT_GT(ancho, estrecho);
  Marco().SetContadores("Camb:3/5", "Cal:0/0", "Ref:0/0");
  EXPECT_EQ(Marco().PaneWidth(kPanelCal), estrecho);
}

TEST_F(MarcoPrincipal, MensajeLiteralCortadoYRestauradoTrasUnaAyuda) {
  ASSERT_EQ(Iniciar(), -1);
  Marco().SetTextoEstado("100% de %s y %d");
  EXPECT_EQ(Marco().ShownMessage(), QStringLiteral("100% de %s y %d"));
  const std::string largo(300, 'x');
  Marco().SetTextoEstado(largo);
  EXPECT_EQ(Marco().LastMessage().size(), 255);
  Marco().SetTextoEstado("Mensaje del programa");
  // A fly-by prompt, as a menu shows while open, then its end.
  QStatusTipEvent ayuda(QStringLiteral("Crea un documento nuevo"));
  QCoreApplication::sendEvent(&Marco(), &ayuda);
  EXPECT_EQ(Marco().ShownMessage(), QStringLiteral("Crea un documento nuevo"));
  QStatusTipEvent fin{QString()};
  QCoreApplication::sendEvent(&Marco(), &fin);
  EXPECT_EQ(Marco().ShownMessage(), QStringLiteral("Mensaje del programa"));
  EXPECT_EQ(Marco().UltimoMensaje(), "Mensaje del programa");
}

TEST_F(MarcoPrincipal, OtrasGraficasEnSuOrden) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  QStringList textos;
  std::vector<int> ids;
  for (QAction* a : Marco().MenuOtrasGraficas()->actions()) {
    textos << (a->isSeparator() ? QStringLiteral("-") : a->text());
    ids.push_back(a->isSeparator() ? 0 : a->data().toInt());
  }
  EXPECT_EQ(ids, (std::vector<int>{32826, 32792, 0, 32869, 32871, 32872, 0, 32788, 32787, 32789,
                                   32812, 32815, 32816, 32817, 32837, 32825}));
  EXPECT_EQ(textos.front(), QStringLiteral("Curvas Compuestas con Servicios"));
  EXPECT_EQ(textos.back(), QString::fromUtf8("Gráfica Personalizada"));
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kOtrasGraficas));
  Procesar();
  EXPECT_TRUE(Marco().MenuOtrasGraficas()->isVisible());
  // Entries with their dialog run; the loop's cost chart waits for a loop.
  for (QAction* a : Marco().MenuOtrasGraficas()->actions()) {
    if (a->data().toInt() == cmd::kGraficaPersonalizada) EXPECT_TRUE(a->isEnabled());
    if (a->data().toInt() == cmd::kServiciosDTMin) EXPECT_TRUE(a->isEnabled());
  }
  Marco().MenuOtrasGraficas()->actions().front()->trigger();
  Marco().MenuOtrasGraficas()->close();
  EXPECT_EQ(Doc()->m_nModo, 14);
}

TEST_F(MarcoPrincipal, PanelesAcopladosYSusCopiasDelModelo) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  PanelesGrabados grabados;
  CMainFrame::Panel tabla;
  tabla.comando = cmd::kVerTablaCorrientes;
  tabla.titulo = QStringLiteral("Tabla de corrientes");
  tabla.lado = Qt::BottomDockWidgetArea;
  tabla.crear = [] { return new QLabel(QStringLiteral("tabla")); };
  tabla.puerto = &grabados;
  // The first activation is past: the pane is made and docked at once.
  ASSERT_FALSE(Marco().PrimeraActivacionPendiente());
  Marco().RegistrarPanel(tabla);
  QDockWidget* dock = Marco().Dock(cmd::kVerTablaCorrientes);
  ASSERT_NE(dock, nullptr);
  EXPECT_EQ(Marco().dockWidgetArea(dock), Qt::BottomDockWidgetArea);
  EXPECT_EQ(Marco().Commands().State(cmd::kVerTablaCorrientes).checked, std::optional<bool>(true));
  Doc()->ActualizarContadores();
  const int llamadas = grabados.llamadasTabla;
  EXPECT_GT(llamadas, 0);
  EXPECT_EQ(grabados.tabla.GetNumCorrientes(), 4);
  // Hidden, it receives nothing; shown again it is the same pane.
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kVerTablaCorrientes));
  EXPECT_TRUE(dock->isHidden());
  Doc()->ActualizarContadores();
  EXPECT_EQ(grabados.llamadasTabla, llamadas);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kVerTablaCorrientes));
  EXPECT_EQ(Marco().Dock(cmd::kVerTablaCorrientes), dock);
  EXPECT_FALSE(dock->isHidden());
  // Closing the last document empties the pane; its port lives in this
  // test, so the documents close before it goes.
  Doc()->SetModifiedFlag(false);
  app_->CerrarTodos();
  Procesar();
  EXPECT_EQ(grabados.tabla.GetNumCorrientes(), 0);
}

TEST_F(MarcoPrincipal, AutograbacionAjustesYTemporizadores) {
  ASSERT_EQ(Iniciar(), -1);
  Marco().PrimeraActivacion();
  EXPECT_TRUE(Marco().TemporizadorActivo(kTimerAutograbacion));
  AjustesAutograbacion visto;
  Marco().dialogoAutograbacion = [&](AjustesAutograbacion& a) {
    visto = a;
    a.eleccion = AjustesAutograbacion::kPreguntar;
    a.minutos = 0.5;
    return true;
  };
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kAutograbacion));
  EXPECT_EQ(visto.eleccion, AjustesAutograbacion::kSegundoPlano);
  EXPECT_EQ(visto.minutos, 10.0);
  EXPECT_EQ(Marco().PeriodoTemporizador(kTimerAutograbacion), 30000);
  EXPECT_EQ(Marco().PeriodoTemporizador(kTimerCuentaAtras), 7500);
  // The countdown's first tick when its period has passed on the clock.
  ManualClock::Advance(7499);
  EXPECT_NE(Marco().LastMessage(), QString::fromUtf8("Próxima grabación automática en 0:22 min"));
  ManualClock::Advance(1);
  EXPECT_EQ(Marco().LastMessage(), QString::fromUtf8("Próxima grabación automática en 0:22 min"));
  EXPECT_EQ(Marco().PeriodoTemporizador(kTimerRestaurar), 375);

  Marco().dialogoAutograbacion = [](AjustesAutograbacion& a) {
    a.eleccion = AjustesAutograbacion::kSinGrabacion;
    return true;
  };
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kAutograbacion));
  EXPECT_FALSE(Marco().TemporizadorActivo(kTimerAutograbacion));
  EXPECT_FALSE(Marco().TemporizadorActivo(kTimerCuentaAtras));
  // Cancel leaves everything as it was.
  Marco().dialogoAutograbacion = [](AjustesAutograbacion&) { return false; };
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kAutograbacion));
  EXPECT_FALSE(Marco().TemporizadorActivo(kTimerAutograbacion));
}

TEST_F(MarcoPrincipal, CopiaDeSeguridadJuntoAlDocumentoSinTocarlo) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  Marco().PrimeraActivacion();
  Doc()->SetModifiedFlag(true);
  Marco().Disparar(kTimerAutograbacion);
  const QString copia = Ruta("Backup_of_cuatro_corrientes.vdo");
  EXPECT_TRUE(QFile::exists(copia));
  EXPECT_EQ(Marco().LastMessage(), QString::fromUtf8("Grabando automáticamente en ") + copia);
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_EQ(Doc()->GetTitle(), "cuatro_corrientes");
  EXPECT_EQ(Marco().PeriodoTemporizador(kTimerRestaurar), 1500);
  Marco().Disparar(kTimerRestaurar);
  EXPECT_FALSE(Marco().TemporizadorActivo(kTimerRestaurar));
}

TEST_F(MarcoPrincipal, UnaGrabacionJustoTrasLaCuentaAtrasDevuelveElMensajeAnterior) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  Marco().PrimeraActivacion();
  // 0,0167 min in the real settings dialog: saves every 1002 ms, a
  // countdown every 250 ms, each text shown for 12 ms. The fourth countdown
  // comes 2 ms before the save.
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(CAutograbacionDlg::kIdMinutos, "0,0167");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kAutograbacion));
  ASSERT_EQ(Marco().PeriodoTemporizador(kTimerAutograbacion), 1002);
  ASSERT_EQ(Marco().PeriodoTemporizador(kTimerRestaurar), -1);
  const QString antes = Marco().LastMessage();
  ASSERT_FALSE(antes.startsWith(QString::fromUtf8("Próxima")));
  ManualClock::Advance(1000);
  EXPECT_EQ(Marco().LastMessage(), QString::fromUtf8("Próxima grabación automática en 0:0 min"));
  ManualClock::Advance(2);
  EXPECT_EQ(Marco().LastMessage(), QString::fromUtf8("Grabando automáticamente en ") +
                                       Ruta("Backup_of_cuatro_corrientes.vdo"));
  // The restore brings back what was there before the countdown, and keeps
  // doing so at every later tick.
  ManualClock::Advance(12);
  EXPECT_EQ(Marco().LastMessage(), antes);
  EXPECT_FALSE(Marco().TemporizadorActivo(kTimerRestaurar));
  ManualClock::Advance(3086);  // past the save at 4008 and its restore at 4020
  EXPECT_FALSE(Marco().TemporizadorActivo(kTimerRestaurar));
  EXPECT_EQ(Marco().LastMessage(), antes);
}

QMenu* MenuDeBarra(QMainWindow& w, const QString& titulo) {
  for (QAction* a : w.menuBar()->actions())
    if (a->text() == titulo) return a->menu();
  return nullptr;
}

TEST_F(MarcoPrincipal, EntradaEnviarDelMenuArchivo) {
  ASSERT_EQ(Iniciar(), -1);
  QMenu* archivo = MenuDeBarra(Marco(), QStringLiteral("&Archivo"));
  ASSERT_NE(archivo, nullptr);
  QString texto;
  for (QAction* a : archivo->actions())
    if (a->data().toInt() == cmd::kEnviar) texto = a->text();
  EXPECT_EQ(texto, QStringLiteral("&Enviar"));
}

TEST_F(MarcoPrincipal, ListaDeVentanasYMenusDeDocumento) {
  ASSERT_EQ(Iniciar(), -1);
  const std::string primero = Doc()->GetTitle();
  ASSERT_NE(app_->AbrirDocumento(CopiaEjemplo("cuatro_corrientes.vdo")), nullptr);
  QMenu* ventana = MenuDeBarra(Marco(), QStringLiteral("Ve&ntana"));
  ASSERT_NE(ventana, nullptr);
  emit ventana->aboutToShow();
  QStringList entradas;
  QAction* activa = nullptr;
  for (QAction* a : ventana->actions())
    if (!a->isSeparator()) {
      entradas << a->text();
      if (a->isChecked()) activa = a;
    }
  EXPECT_EQ(entradas, (QStringList{QStringLiteral("&1 ") + QString::fromStdString(primero),
                                   QStringLiteral("&2 cuatro_corrientes")}));
  ASSERT_NE(activa, nullptr);
  EXPECT_EQ(activa->text(), QStringLiteral("&2 cuatro_corrientes"));
  // Choosing the first window makes it the active document.
  for (QAction* a : ventana->actions())
    if (a->text().startsWith(QStringLiteral("&1"))) a->trigger();
  Procesar();
  EXPECT_EQ(Doc()->GetTitle(), primero);
  EXPECT_EQ(CVardoDoc::GetDocActivo(), Doc());
  // Without a document the document's menus go away; File, View, Tools and
  // Help stay.
  for (CChildFrame* m : Marco().Marcos()) m->CerrarSinPreguntar();
  Procesar();
  QStringList visibles;
  for (QAction* a : Marco().menuBar()->actions())
    if (a->isVisible()) visibles << a->text();
  EXPECT_EQ(visibles, (QStringList{QStringLiteral("&Archivo"), QStringLiteral("&Ver"),
                                   QStringLiteral("&Herramientas"), QStringLiteral("Ay&uda")}));
  EXPECT_EQ(CVardoDoc::GetDocActivo(), nullptr);
  EXPECT_EQ(CVardoView::GetVistaActiva(), nullptr);
}

// The feasibility windows are opened from the streams menu, after the
// split submenu; the analysis menu no longer holds them.
TEST_F(MarcoPrincipal, FactibilidadEstaEnElMenuDeCorrientesTrasBifurcar) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  auto textos = [](QMenu* m) {
    QStringList t;
    for (QAction* a : m->actions())
      if (!a->isSeparator()) t << a->text();
    return t;
  };
  QMenu* corrientes = MenuDeBarra(Marco(), QStringLiteral("&Corrientes"));
  QMenu* analisis = MenuDeBarra(Marco(), QString::fromUtf8("A&nálisis"));
  ASSERT_NE(corrientes, nullptr);
  ASSERT_NE(analisis, nullptr);
  const QStringList enCorrientes = textos(corrientes);
  const auto bifurcar = enCorrientes.indexOf(QStringLiteral("B&ifurcar"));
  ASSERT_GE(bifurcar, 0);
  EXPECT_EQ(enCorrientes.value(bifurcar + 1), QStringLiteral("&Factibilidad"));
  EXPECT_FALSE(textos(analisis).contains(QStringLiteral("&Factibilidad")));
  QMenu* factibilidad = nullptr;
  for (QAction* a : corrientes->actions())
    if (a->text() == QStringLiteral("&Factibilidad")) factibilidad = a->menu();
  ASSERT_NE(factibilidad, nullptr);
  const QList<int> esperados{cmd::kFactibilidadCaliente, cmd::kFactibilidadFrio,
                             cmd::kTablaEmparejamientos, cmd::kUsarFactibilidad};
  EXPECT_EQ(factibilidad->actions().size(), esperados.size());
  // Its entries run the same commands as before.
  QList<int> corridos;
  for (QAction* a : factibilidad->actions())
    for (int id : esperados)
      if (a == Marco().Commands().Action(id)) corridos << id;
  EXPECT_EQ(corridos, esperados);
  corrientes->adjustSize();
  corrientes->grab().save(QString::fromStdString(std::string(::testing::TempDir()) +
                                                 "menu_corrientes.png"));
}

// "Tabla" of the streams menu, reached with the keys (Alt+C, then T): the
// streams table of the active document, only while it has streams. Its
// mnemonic is the only T of the menu.
TEST_F(MarcoPrincipal, TablaDeCorrientesDesdeElMenuCorrientes) {
  ASSERT_EQ(Iniciar(), -1);
  Marco().show();
  Marco().PrimeraActivacion();
  Procesar();
  QMenu* corrientes = MenuDeBarra(Marco(), QStringLiteral("&Corrientes"));
  ASSERT_NE(corrientes, nullptr);
  QAction* tabla = nullptr;
  QStringList mnemonicos;
  for (QAction* a : corrientes->actions()) {
    if (a->text() == QStringLiteral("&Tabla")) tabla = a;
    const auto i = a->text().indexOf(QLatin1Char('&'));
    if (i >= 0) mnemonicos << a->text().mid(i + 1, 1).toUpper();
  }
  ASSERT_NE(tabla, nullptr);
  EXPECT_EQ(mnemonicos.count(QStringLiteral("T")), 1) << mnemonicos.join(QLatin1Char(' ')).toStdString();
  // A new document has no streams.
  emit corrientes->aboutToShow();
  EXPECT_FALSE(tabla->isEnabled());

  ASSERT_NE(app_->AbrirDocumento(CopiaEjemplo("cuatro_corrientes.vdo")), nullptr);
  Procesar();
  std::vector<std::string> fila;
  kitRunner_.ScriptDialog([&](Driver& d) {
    auto* g = d.Dialog().Get<DisplayGrid>(CTablaCorrientesDlg::kIdTabla);
    for (int c = 0; c < g->Cols(); ++c) fila.push_back(g->TextMatrix(1, c).toStdString());
    d.Grab(::testing::TempDir() + "tabla_corrientes_menu.png");
    d.Ok();
  });
  QTest::keyClick(&Marco(), Qt::Key_C, Qt::AltModifier);
  Procesar();
  ASSERT_TRUE(corrientes->isVisible());
  EXPECT_TRUE(tabla->isEnabled());
  QTest::keyClick(corrientes, Qt::Key_T);
  Procesar();
  EXPECT_TRUE(kitRunner_.Done());
  ASSERT_EQ(kitRunner_.Log().size(), 1u);
  EXPECT_EQ(kitRunner_.Log()[0].text, "Tabla de Corrientes");
  EXPECT_EQ(fila, (std::vector<std::string>{"1", "C1", "Fría", "Sensible", "293.15", "408.15",
                                            "230.", "2."}));
  EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(MarcoPrincipal, ArchivoSoltadoSobreLaVentana) {
  const QString ruta = CopiaEjemplo("latente_y_tabla.vdo");
  ASSERT_EQ(Iniciar(), -1);
  QMimeData datos;
  datos.setUrls({QUrl::fromLocalFile(ruta)});
  QDragEnterEvent entra(QPoint(10, 10), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&Marco(), &entra);
  EXPECT_TRUE(entra.isAccepted());
  QDropEvent suelta(QPointF(10, 10), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&Marco(), &suelta);
  Procesar();
  EXPECT_EQ(Marco().Marcos().size(), 2u);
  EXPECT_EQ(Doc()->GetTitle(), "latente_y_tabla");
}

// The help commands have nothing to open in this build and say so; the
// About box names no address.
TEST_F(MarcoPrincipal, AyudaYAcercaDeSinDirecciones) {
  ASSERT_EQ(Iniciar(), -1);
  Marco().show();
  Procesar();
  QTest::keyClick(Vista(), Qt::Key_F1);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kPaginaWeb));
  ASSERT_EQ(runner_.Log().size(), 2u);
  EXPECT_EQ(runner_.Log()[0].text, kMsgSinAyuda);
  EXPECT_EQ(runner_.Log()[1].text, kMsgSinPaginaWeb);

  QStringList textos;
  QTimer::singleShot(0, [&] {
    QWidget* caja = QApplication::activeModalWidget();
    ASSERT_NE(caja, nullptr);
    caja->grab().save(QString::fromUtf8(::testing::TempDir().c_str()) +
                      QStringLiteral("acerca_de.png"));
    for (QLabel* l : caja->findChildren<QLabel*>()) textos << l->text();
    textos << caja->windowTitle();
    caja->close();
  });
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kAcercaDe));
  EXPECT_TRUE(textos.contains(QStringLiteral("Calorama")));
  EXPECT_TRUE(textos.contains(QString::fromUtf8("Acerca de Calorama...")));
  for (const QString& t : textos) {
    EXPECT_FALSE(t.contains(QLatin1Char('@'))) << t.toStdString();
    EXPECT_FALSE(t.contains(QStringLiteral("http"))) << t.toStdString();
    EXPECT_FALSE(t.contains(QStringLiteral("example"))) << t.toStdString();
  }
}

// Qt's own dialogs (files, page set-up, printing) speak Spanish while the
// program runs.
TEST_F(MarcoPrincipal, DialogosDeQtEnEspanol) {
  ASSERT_EQ(Iniciar(), -1);
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
  EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"),
            QStringLiteral("File &name:"));
  EXPECT_NE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Print"));
}

TEST(Presentacion, SeCierraSolaOConEscape) {
  {
    // Esc closes it before its time.
    SplashDialog splash(QPixmap(40, 30), 2000);
    EXPECT_EQ(splash.CloseTimer()->Period(), 2000);
    const std::int64_t inicio = ManualClock::Now();
    QTimer::singleShot(0, &splash, [&] { QTest::keyClick(&splash, Qt::Key_Escape); });
    EXPECT_EQ(splash.exec(), QDialog::Rejected);
    EXPECT_EQ(ManualClock::Now(), inicio);
  }
  // Left alone it closes when its time has passed, not before.
  SplashDialog corta(QPixmap(40, 30), 50);
  bool abiertaAntes = false;
  QTimer::singleShot(0, &corta, [&] {
    ManualClock::Advance(49);
    abiertaAntes = corta.isVisible();
    ManualClock::Advance(1);
  });
  EXPECT_EQ(corta.exec(), QDialog::Rejected);
  EXPECT_TRUE(abiertaAntes);
}

// Within each menu of the program (the bar's menus, their submenus and the
// context menus, with a document open) no two entries share the underlined
// letter, so that every letter reaches one entry. Remaining-problem analysis
// belongs with the exchangers, so that "Á&rea Mínima" keeps its letter, and
// the integrity areas with the analysis, clear of "B&ifurcar".
TEST_F(MarcoPrincipal, CadaLetraSubrayadaLlevaAUnaSolaEntradaDelMenu) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  Marco().show();
  Procesar();
  const MenuContexto contextos[] = {MenuContexto::Corriente, MenuContexto::Cambiador,
                                    MenuContexto::Servicio, MenuContexto::Areas,
                                    MenuContexto::Anillos};
  for (MenuContexto c : contextos) CrearMenuContexto(c, Marco().Commands(), &Marco());
  std::set<QMenu*> menus;
  for (QWidget* w : QApplication::allWidgets())
    if (auto* m = qobject_cast<QMenu*>(w)) menus.insert(m);
  ASSERT_GT(menus.size(), 15u);
  const auto letra = [](const QString& t) -> QString {
    for (qsizetype i = 0; i + 1 < t.size(); ++i) {
      if (t[i] != QLatin1Char('&')) continue;
      if (t[i + 1] == QLatin1Char('&')) {
        ++i;
        continue;
      }
      return t.mid(i + 1, 1).toLower();
    }
    return {};
  };
  for (QMenu* m : menus) {
    emit m->aboutToShow();  // menus filled when shown
    std::map<QString, QStringList> porLetra;
    for (QAction* a : m->actions()) {
      if (a->isSeparator() || !a->isVisible()) continue;
      const QString l = letra(a->text());
      if (!l.isEmpty()) porLetra[l] << a->text();
    }
    for (const auto& [l, textos] : porLetra)
      EXPECT_EQ(textos.size(), 1) << m->title().toStdString() << ": \"" << l.toStdString()
                                  << "\" en " << textos.join(QStringLiteral(" | ")).toStdString();
  }

  const auto contiene = [](QMenu* m, const char* texto) {
    for (QAction* a : m->actions())
      if (a->text() == QString::fromUtf8(texto)) return true;
    return false;
  };
  QMenu* analisis = MenuDeBarra(Marco(), QString::fromUtf8("A&nálisis"));
  QMenu* cambiadores = MenuDeBarra(Marco(), QStringLiteral("Ca&mbiadores"));
  ASSERT_NE(analisis, nullptr);
  ASSERT_NE(cambiadores, nullptr);
  EXPECT_TRUE(contiene(analisis, "Á&rea Mínima"));
  EXPECT_TRUE(contiene(analisis, "Áreas de &Integridad"));
  EXPECT_TRUE(contiene(cambiadores, "Problema &Remanente\tCtrl+R"));
}

}  // namespace
}  // namespace vardo::prueba
