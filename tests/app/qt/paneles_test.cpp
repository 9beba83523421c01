// The docked streams table and the integrity-area bar in the running
// program, on the sample documents, with real mouse and key events: what
// they show, cell edits that keep what other commands changed, the click and
// double click on a row, and the choice of areas.
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include "app/core/document/comandos_documento.h"
#include "app/core/document/ids_comandos.h"
#include "app/core/panes/tabla_corrientes_panel.h"
#include "app/qt/barra_areas.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "app/qt/rejilla_corrientes.h"
#include "controls/grid/celdix.h"
#include "fixture.h"
#include "model/constantes.h"
#include "tests/comun/kit_controles.h"

namespace vardo::prueba {
namespace {

class Paneles : public AppFixture {
 protected:
  void Abrir(const char* ejemplo) {
    AbrirEnVentana(ejemplo);
    if (HasFatalFailure()) return;
    ASSERT_NE(Panel(), nullptr);
    ASSERT_NE(Barra(), nullptr);
  }
  CDiagrama& M() { return Doc()->m_Diagrama; }
  FabricaDialogosQt& Fabrica() { return static_cast<FabricaDialogosQt&>(app_->Fabrica()); }
  CRejillaCorrientesDlg* Panel() { return Marco().findChild<CRejillaCorrientesDlg*>(); }
  Celdix& Tabla() { return Panel()->Tabla(); }
  CAreasBarDlg* Barra() { return Marco().findChild<CAreasBarDlg*>(); }
  QStringList Fila(int r) {
    QStringList f;
    for (int c = 0; c < kColumnasTablaCorrientes; ++c) f << Tabla().TextMatrix(r, c);
    return f;
  }
  QStringList Entradas() {
    QStringList l;
    for (int i = 0; i < Barra()->Combo()->count(); ++i) l << Barra()->Combo()->itemText(i);
    return l;
  }
  void Guardar(QWidget* w, const char* nombre) {
    const QString ruta = QString::fromStdString(::testing::TempDir()) + QString::fromUtf8(nombre);
    EXPECT_TRUE(w->grab().save(ruta)) << nombre;
  }
  // The view's pixel of a drawing point.
  QPoint Pixel(Point p) {
    QWidget* lienzo = Vista()->viewport();
    const double dx = lienzo->logicalDpiX() / 2540.0, dy = lienzo->logicalDpiY() / 2540.0;
    return QPoint(static_cast<int>(std::ceil(p.x * dx)) - Vista()->horizontalScrollBar()->value(),
                  static_cast<int>(std::ceil(-p.y * dy)) - Vista()->verticalScrollBar()->value());
  }
  void Arrastrar(QPoint desde, int dx) {
    QWidget* lienzo = Vista()->viewport();
    QTest::mousePress(lienzo, Qt::LeftButton, Qt::NoModifier, desde);
    for (int d : {2, dx / 2, dx}) {
      const QPointF px(desde + QPoint(d, 0));
      QMouseEvent e(QEvent::MouseMove, px, lienzo->mapToGlobal(px), Qt::NoButton, Qt::LeftButton,
                    Qt::NoModifier);
      QApplication::sendEvent(lienzo, &e);
    }
    QTest::mouseRelease(lienzo, Qt::LeftButton, Qt::NoModifier, desde + QPoint(dx, 0));
    Procesar();
  }
  QPoint Celda(int r, int c) {
    GridWidget* g = Tabla().Grid();
    return g->CellRect(r, c).center() - g->viewport()->geometry().topLeft();
  }
};

TEST_F(Paneles, TablaDeCorrientesAcopladaAbajoConLasCorrientesDelDocumento) {
  Abrir("latente_y_tabla.vdo");
  QDockWidget* dock = Marco().Dock(cmd::kVerTablaCorrientes);
  ASSERT_NE(dock, nullptr);
  EXPECT_EQ(dock->windowTitle(), QStringLiteral("Tabla de corrientes"));
  EXPECT_EQ(Marco().dockWidgetArea(dock), Qt::BottomDockWidgetArea);
  EXPECT_EQ(Marco().Commands().State(cmd::kVerTablaCorrientes).checked, std::optional<bool>(true));
  ASSERT_EQ(Tabla().Rows(), 4);
  EXPECT_EQ(Fila(0), (QStringList{"Corriente", QString::fromUtf8("Descripción"), "Tipo", "Tipo calor",
                                  "T1 (K)", "T2 (K)", "H (kW)", "mcp (kW/K)"}));
  QStringList tipos;
  for (int r = 1; r < 4; ++r) {
    EXPECT_EQ(Tabla().TextMatrix(r, 0), QString::number(r));
    tipos << Tabla().TextMatrix(r, kColTipoCalor);
  }
  EXPECT_EQ(tipos, (QStringList{"Latente", "No Lineal", "Sensible"}));
  EXPECT_EQ(Tabla().TextMatrix(1, kColMcp), QStringLiteral("-"));
  EXPECT_EQ(Tabla().TextMatrix(3, kColMcp), QStringLiteral("3."));
  EXPECT_EQ(Tabla().ColWidth(kColDescripcion), 2500);
  EXPECT_EQ(Tabla().ColWidth(kColH), 1420);
  Guardar(dock, "/vardo_tabla_corrientes.png");

  // A new document shows the heading row alone.
  ASSERT_TRUE(app_->NuevoDocumento());
  Procesar();
  EXPECT_EQ(Tabla().Rows(), 1);
}

TEST_F(Paneles, EdicionesDeCeldaConTeclado) {
  Abrir("cuatro_corrientes.vdo");
  struct Caso {
    const char* que;
    int fila, col;
    const char* texto;
    int pasosDeshacer;  // undo steps after it
    std::function<void(const CCorriente&)> comprobar;
    const char* celdaH;  // the row's H cell after the refill
  };
  const Caso casos[] = {
      {"a hot stream's H of 500", 2, kColH, "500", 1,
       [](const CCorriente& s) { EXPECT_DOUBLE_EQ(s.GetH(kTSentinel, 1), -500.0); }, "-500."},
      {"T1 by 0.0005 K changes nothing", 1, kColT1, "293.1505", 1,
       [](const CCorriente& s) { EXPECT_DOUBLE_EQ(s.GetT1(), 293.15); }, "230."},
      {"T1 by 0.002 K", 1, kColT1, "293.152", 2,
       [](const CCorriente& s) {
         EXPECT_DOUBLE_EQ(s.GetT1(), 293.152);
         EXPECT_NEAR(s.GetH(kTSentinel, 1), (408.15 - 293.152) * 2.0, 1e-9);
       },
       "229.996"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    EditCell(Tabla(), c.fila, c.col, c.texto);
    Procesar();
    c.comprobar(M().m_corrientes[static_cast<std::size_t>(c.fila - 1)]);
    EXPECT_EQ(Doc()->NumDeshacer(), c.pasosDeshacer);
    EXPECT_EQ(Tabla().TextMatrix(c.fila, kColH), QString::fromUtf8(c.celdaH));
  }
  EXPECT_TRUE(Doc()->IsModified());
  // Undo through the menu: the table follows the document.
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kDeshacer));
  Procesar();
  EXPECT_EQ(Tabla().TextMatrix(1, kColT1), QStringLiteral("293.15"));

  // A paste of more rows than streams, answered Yes: default streams first.
  runner_.Script({Answer::Yes});
  // Column 0 holds the numbers, which a paste leaves alone.
  Tabla().PasteText(QString::fromUtf8("1\tC1\tFría\tSensible\t300\t400\t0\t2\n"
                                      "2\tH2\tCaliente\tSensible\t500\t400\t0\t1\n"
                                      "3\tx\tCaliente\tSensible\t1\t2\t3\t4\n"
                                      "4\tx\tCaliente\tSensible\t1\t2\t3\t4\n"
                                      "5\tNueva\tCaliente\tSensible\t450\t350\t0\t2\n"));
  Procesar();
  ASSERT_EQ(M().GetNumCorrientes(), 5);
  EXPECT_DOUBLE_EQ(M().m_corrientes[0].GetH(kTSentinel, 1), 200.0);
  EXPECT_DOUBLE_EQ(M().m_corrientes[1].GetH(kTSentinel, 1), -100.0);
  EXPECT_EQ(M().m_corrientes[4].GetNombre(), "Nueva");
  EXPECT_DOUBLE_EQ(M().m_corrientes[4].GetH(kTSentinel, 1), -200.0);
  EXPECT_EQ(Tabla().Rows(), 6);
  EXPECT_EQ(Tabla().TextMatrix(5, kColTipo), QStringLiteral("Caliente"));
}

TEST_F(Paneles, UnMcpTecleadoPorLaReglaDeLosNumeros) {
  Abrir("cuatro_corrientes.vdo");
  const double mcp = M().m_corrientes[0].m_mcp;
  const QString antes = Tabla().TextMatrix(1, kColMcp);
  ASSERT_FALSE(Doc()->IsModified());
  // Refused first, on the untouched document: the cell shows its text again
  // and the document is as it was.
  struct Caso {
    const char* texto;
    const char* mensaje;
  };
  const Caso rechazos[] = {
      {"abc", "Introduzca un número."},
      {"1e308", "Con este valor el calor de la corriente no es un número finito."},
  };
  for (const Caso& c : rechazos) {
    SCOPED_TRACE(c.texto);
    runner_.Clear();
    EditCell(Tabla(), 1, kColMcp, c.texto);
    Procesar();
    EXPECT_EQ(runner_.Log().size(), 1u);
    if (!runner_.Log().empty()) EXPECT_EQ(runner_.Log()[0].text, c.mensaje);
    EXPECT_EQ(Tabla().TextMatrix(1, kColMcp), antes);
    EXPECT_DOUBLE_EQ(M().m_corrientes[0].m_mcp, mcp);
    EXPECT_EQ(Doc()->NumDeshacer(), 0);
    EXPECT_FALSE(Doc()->IsModified());
  }
  // A decimal comma is a decimal point: one undo step.
  runner_.Clear();
  EditCell(Tabla(), 1, kColMcp, "1,5");
  Procesar();
  EXPECT_TRUE(runner_.Log().empty());
  EXPECT_DOUBLE_EQ(M().m_corrientes[0].m_mcp, 1.5);
  EXPECT_EQ(Tabla().TextMatrix(1, kColMcp), QStringLiteral("1.5"));
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  EXPECT_TRUE(Doc()->IsModified());
}

TEST_F(Paneles, EdicionTrasBorrarUnServicioYArrastrarUnCambiador) {
  Abrir("servicios_y_area.vdo");
  ASSERT_EQ(M().GetNumServicios(), 2);
  ASSERT_EQ(M().GetNumCambiadores(), 3);
  // The utility deleted through its menu command.
  M().SeleccionarCorriente(kRefServicio + 1);
  Vista()->SetEstadoEdicion(kSelCorriente);
  runner_.Script({Answer::Yes});
  ASSERT_TRUE(EjecutarComandoDocumento(*Doc(), cmd::kBorrarServicioSel));
  Procesar();
  ASSERT_EQ(M().GetNumServicios(), 1);
  const int cambiadores = M().GetNumCambiadores();  // the utility's went with it
  // An exchanger dragged on the grid diagram.
  const Rect& r = M().m_cambiadores[0].rectCaliente;
  ASSERT_NE(r.top, 0);
  const Rect antes = r;
  Arrastrar(Pixel(Point{static_cast<std::int32_t>(r.left + r.Width() / 2),
                        static_cast<std::int32_t>(r.bottom + r.Height() / 2)}),
            60);
  const Rect movido = M().m_cambiadores[0].rectCaliente;
  ASSERT_GT(movido.left, antes.left + 1000);
  const int pasos = Doc()->NumDeshacer();

  // A cell edit keeps both.
  EditCell(Tabla(), 1, kColDescripcion, "Primera");
  Procesar();
  EXPECT_EQ(M().m_corrientes[0].GetNombre(), "Primera");
  EXPECT_EQ(M().GetNumServicios(), 1);
  EXPECT_EQ(M().GetNumCambiadores(), cambiadores);
  EXPECT_EQ(M().m_cambiadores[0].rectCaliente, movido);
  EXPECT_EQ(Doc()->NumDeshacer(), pasos + 1);
  // And so does its undo.
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kDeshacer));
  Procesar();
  EXPECT_NE(M().m_corrientes[0].GetNombre(), "Primera");
  EXPECT_EQ(M().GetNumServicios(), 1);
  EXPECT_EQ(M().m_cambiadores[0].rectCaliente, movido);
}

// The user's "Pegar": the clipboard's text pasted by the pane's button.
void PegarConElBoton(Celdix& t, const char* texto) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8(texto));
  QTest::mouseClick(t.PegarButton(), Qt::LeftButton);
  Procesar();
}

TEST_F(Paneles, PegarTemperaturasQueNoSonMayoresQueCeroSeRechazaEntero) {
  Abrir("cuatro_corrientes.vdo");
  // One good paste first, with a decimal comma: one undo step.
  PegarConElBoton(Tabla(), "1\tC1\tFría\tSensible\t300,5\t400\t0\t2\n");
  ASSERT_DOUBLE_EQ(M().m_corrientes[0].GetT1(), 300.5);
  ASSERT_EQ(Doc()->NumDeshacer(), 1);
  const std::vector<FilaTablaCorrientes> filas = FilasTablaCorrientes(M());
  QStringList tabla;
  for (int r = 0; r < Tabla().Rows(); ++r) tabla << Fila(r).join('|');

  struct Caso {
    const char* que;
    const char* texto;
    int preguntas;  // "Pegar Tabla" asked first
  };
  const Caso casos[] = {
      {"T1 of -50 K", "1\tC1\tFría\tSensible\t-50\t400\t0\t2\n", 0},
      {"T1 of -50,5 K beside a good row",
       "1\tC1\tFría\tSensible\t310\t400\t0\t2\n2\tH2\tCaliente\tSensible\t-50,5\t400\t0\t1\n", 0},
      {"T2 of 0 K", "1\tC1\tFría\tSensible\t300\t0\t0\t2\n", 0},
      {"a new row without T1 (0 K)",
       "1\tC1\tFría\tSensible\t300,5\t400\t0\t2\n2\tx\tCaliente\tSensible\t500\t400\t0\t1\n"
       "3\tx\tCaliente\tSensible\t1\t2\t3\t4\n4\tx\tCaliente\tSensible\t1\t2\t3\t4\n"
       "5\tNueva\tCaliente\tSensible\t\t350\t0\t2\n",
       1},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    runner_.Clear();
    runner_.Script({Answer::Yes});
    PegarConElBoton(Tabla(), c.texto);
    ASSERT_EQ(runner_.Log().size(), static_cast<std::size_t>(c.preguntas + 1));
    EXPECT_EQ(runner_.Log().back().text, "Introduzca una temperatura mayor que 0 K.");
    EXPECT_EQ(runner_.Log().back().icon, MsgIcon::Warning);
    // Nothing of it stays: the streams, the undo steps, the table.
    EXPECT_EQ(M().GetNumCorrientes(), 4);
    const std::vector<FilaTablaCorrientes> ahora = FilasTablaCorrientes(M());
    for (std::size_t i = 0; i < filas.size() && i < ahora.size(); ++i)
      EXPECT_EQ(ahora[i].celdas, filas[i].celdas) << "stream " << i + 1;
    EXPECT_EQ(Doc()->NumDeshacer(), 1);
    QStringList visto;
    for (int r = 0; r < Tabla().Rows(); ++r) visto << Fila(r).join('|');
    EXPECT_EQ(visto, tabla);
  }

  // The file saved afterwards holds the good paste, not the refused ones.
  ASSERT_TRUE(Ejecutar(cmd::kGuardar));
  CVardoDoc leido;
  ASSERT_TRUE(leido.OnOpenDocument(Doc()->GetPathName()).ok);
  ASSERT_EQ(leido.m_Diagrama.GetNumCorrientes(), 4);
  EXPECT_DOUBLE_EQ(leido.m_Diagrama.m_corrientes[0].GetT1(), 300.5);
  EXPECT_DOUBLE_EQ(leido.m_Diagrama.m_corrientes[1].GetT1(), M().m_corrientes[1].GetT1());
}

TEST_F(Paneles, CopiarTablaYPegarDevuelveLaMismaTabla) {
  for (const char* ejemplo : {"cuatro_corrientes.vdo", "latente_y_tabla.vdo"}) {
    SCOPED_TRACE(ejemplo);
    Abrir(ejemplo);
    const int n = M().GetNumCorrientes();
    const std::vector<FilaTablaCorrientes> filas = FilasTablaCorrientes(M());
    // "Copiar Tabla" from the grid's menu, headings and all.
    QAction* copiar = Tabla().Menu()->findChild<QAction*>(QStringLiteral("CopyTable"));
    ASSERT_NE(copiar, nullptr);
    copiar->trigger();
    ASSERT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Corriente\t")));

    // Pasted back at once: no row more, nothing changed, no undo step.
    runner_.Clear();
    QTest::mouseClick(Tabla().PegarButton(), Qt::LeftButton);
    Procesar();
    EXPECT_TRUE(runner_.Log().empty());
    EXPECT_EQ(M().GetNumCorrientes(), n);
    EXPECT_EQ(Tabla().Rows(), n + 1);
    EXPECT_EQ(Doc()->NumDeshacer(), 0);
    EXPECT_FALSE(Doc()->IsModified());

    // After a name is changed, the paste brings the copied one back, each
    // stream in its own row.
    EditCell(Tabla(), 1, kColDescripcion, "Otra");
    Procesar();
    ASSERT_EQ(M().m_corrientes[0].GetNombre(), "Otra");
    QTest::mouseClick(Tabla().PegarButton(), Qt::LeftButton);
    Procesar();
    EXPECT_TRUE(runner_.Log().empty());
    ASSERT_EQ(M().GetNumCorrientes(), n);
    const std::vector<FilaTablaCorrientes> ahora = FilasTablaCorrientes(M());
    for (std::size_t i = 0; i < filas.size(); ++i)
      EXPECT_EQ(ahora[i].celdas, filas[i].celdas) << "stream " << i + 1;
    EXPECT_EQ(Doc()->NumDeshacer(), 2);
    Doc()->SetModifiedFlag(false);
    app_->CerrarTodos();
    Procesar();
    app_.reset();
    Procesar();
  }
}

TEST_F(Paneles, ClicSeleccionaYDobleClicAbreLaCorriente) {
  Abrir("cuatro_corrientes.vdo");
  std::vector<std::int32_t> abiertas;
  Fabrica().Registrar<DlgCorrientes>([&](QWidget*, DlgCorrientes& d) {
    abiertas.push_back(d.corriente);
    return false;
  });
  GridWidget* g = Tabla().Grid();
  QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, Celda(3, kColNumero));
  Procesar();
  EXPECT_EQ(M().m_corrienteSel, 2);
  EXPECT_EQ(Vista()->EstadoEdicion(), kSelCorriente);
  EXPECT_TRUE(abiertas.empty());

  // The double click (its first press selects the row) opens the streams
  // sheet on the row's stream, once, after the grid's event is done.
  QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, Celda(2, kColNumero));
  QTest::mouseDClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, Celda(2, kColNumero));
  EXPECT_TRUE(abiertas.empty());
  Procesar();
  EXPECT_EQ(abiertas, std::vector<std::int32_t>{1});
  EXPECT_EQ(M().m_corrienteSel, 1);
  EXPECT_EQ(Doc()->NumDeshacer(), 0);

  // A double click on a column heading selects the column and opens nothing.
  QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, Celda(0, kColNumero));
  QTest::mouseDClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, Celda(0, kColNumero));
  Procesar();
  EXPECT_EQ(abiertas, std::vector<std::int32_t>{1});
  EXPECT_EQ(Doc()->NumDeshacer(), 0);
}

TEST_F(Paneles, BarraDeAreasNorteYSur) {
  Abrir("servicios_y_area.vdo");
  ASSERT_EQ(M().m_areas.size(), 2u);
  M().m_areas[0].SetNombre("Norte");
  M().m_areas[1].SetNombre("Sur");
  for (CAreaIntegridad& a : M().m_areas) a.mostrada = 1;
  Doc()->ActualizarContadores();
  Procesar();
  QComboBox* combo = Barra()->Combo();
  EXPECT_EQ(Entradas(), (QStringList{"1 Norte", "2 Sur", "Diagrama Completo", "1 Norte;2 Sur;"}));
  EXPECT_EQ(combo->currentIndex(), 3);
  Guardar(Barra(), "/vardo_barra_areas.png");
  Guardar(&Marco(), "/vardo_ventana_paneles.png");

  // The listing entry chosen from the open list keeps both shown.
  combo->showPopup();
  Procesar();
  QAbstractItemView* lista = combo->view();
  ASSERT_TRUE(lista->isVisible());
  // The combo ignores a release that comes as quickly as a double click.
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier,
                    lista->visualRect(lista->model()->index(3, 0)).center());
  Procesar();
  EXPECT_EQ(M().m_areas[0].mostrada, 1);
  EXPECT_EQ(M().m_areas[1].mostrada, 1);
  EXPECT_EQ(combo->currentIndex(), 3);

  // Up to "Diagrama Completo": every stream shown; up again: Sur alone.
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Up);
  Procesar();
  EXPECT_EQ(M().m_areas[0].mostrada, 0);
  EXPECT_EQ(M().m_areas[1].mostrada, 0);
  EXPECT_EQ(Entradas(), (QStringList{"1 Norte", "2 Sur", "Diagrama Completo"}));
  EXPECT_EQ(combo->currentIndex(), 2);
  QTest::keyClick(combo, Qt::Key_Up);
  Procesar();
  EXPECT_EQ(M().m_areas[0].mostrada, 0);
  EXPECT_EQ(M().m_areas[1].mostrada, 1);
  EXPECT_EQ(combo->currentIndex(), 1);
  // No undo step, not modified.
  EXPECT_EQ(Doc()->NumDeshacer(), 0);
  EXPECT_FALSE(Doc()->IsModified());

  // Deleting the areas leaves "Diagrama Completo" alone.
  M().BorrarArea(1);
  M().BorrarArea(0);
  Doc()->ActualizarContadores();
  EXPECT_EQ(Entradas(), QStringList{"Diagrama Completo"});
}

TEST_F(Paneles, OcultarLaBarraDeAreasConElFocoEnSuListaDejaElDocumentoActivo) {
  Abrir("servicios_y_area.vdo");
  CVardoDoc* activo = Doc();
  ASSERT_NE(app_->AbrirDocumento(CopiaEjemplo("cuatro_corrientes.vdo")), nullptr);
  Procesar();
  ASSERT_EQ(Marco().Marcos().size(), 2u);
  // Back to the first document, whose window comes before the bar in the
  // focus order, the second after it.
  Marco().ActivateChild(Marco().Marcos().front());
  Procesar();
  ASSERT_EQ(Doc(), activo);
  QComboBox* combo = Barra()->Combo();
  // The user opens the list and closes it with Escape: the focus stays on it.
  QTest::mouseClick(combo, Qt::LeftButton);
  Procesar();
  QTest::keyClick(combo->view(), Qt::Key_Escape);
  Procesar();
  ASSERT_EQ(QApplication::focusWidget(), combo);
  ASSERT_TRUE(Ejecutar(cmd::kVerBarraAreas));
  EXPECT_TRUE(Barra()->isHidden() || !Barra()->isVisible());
  EXPECT_EQ(Doc(), activo);
  EXPECT_EQ(CVardoDoc::GetDocActivo(), activo);
  EXPECT_EQ(QApplication::focusWidget(), Vista());
  // Shown again, it lists the active document's areas.
  ASSERT_TRUE(Ejecutar(cmd::kVerBarraAreas));
  EXPECT_EQ(Entradas(), (QStringList{"1 Area 1", "2 Area 2", "Diagrama Completo"}));
  EXPECT_EQ(Doc(), activo);
}

// The pane's refill costs one write per cell and no re-dimensioning of the
// read-only flags beyond one per change of size: a model of 4n streams costs
// four times the writes of one of n, and the flags still follow each row.
TEST(TablaCorrientesGrande, RellenarCuestaLoQueSusCeldas) {
  CRejillaCorrientesDlg panel;
  Celdix& t = panel.Tabla();
  auto modelo = [](int n) {
    CDiagrama d;
    for (int i = 0; i < n; ++i) {
      const double a = 300.0 + i % 97, b = 420.0 + i % 89;
      if (i % 3 == 0) d.AddCorriente(a, a, 50.0, 1, 1);  // latent
      else d.AddCorriente(i % 2 ? a : b, i % 2 ? b : a, 2.0, i % 2, 0);
    }
    return d;
  };
  std::size_t escrituras[2] = {};
  for (int k = 0; k < 2; ++k) {
    const int n = k == 0 ? 1'500 : 6'000;
    SCOPED_TRACE(n);
    const CDiagrama d = modelo(n);
    panel.ActualizarTablaCorrientes(d);  // a new size
    const std::size_t flags = t.FlagResizes();
    const std::size_t antes = t.Grid()->TextWrites();
    panel.ActualizarTablaCorrientes(d);  // the same size again
    escrituras[k] = t.Grid()->TextWrites() - antes;
    EXPECT_EQ(t.FlagResizes(), flags);
    ASSERT_EQ(t.Rows(), n + 1);
    EXPECT_EQ(t.TextMatrix(n, kColNumero), QString::number(n));
  }
  EXPECT_EQ(escrituras[0], 1'500u * kColumnasTablaCorrientes);
  EXPECT_EQ(escrituras[1], 4 * escrituras[0]);
}

}  // namespace
}  // namespace vardo::prueba
