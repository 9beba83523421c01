// Editing the grid diagram in the running program, with real mouse and key
// events on the view: adding an exchanger by clicks, dragging it, deleting
// it, the context menus, the double click, the DT min field and scrolling.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "app/core/charts/graficas.h"
#include "app/core/document/ids_comandos.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "app/qt/menus_contexto.h"
#include "dialogs/analysis/dlg_factibilidad.h"
#include "dialogs/entry/dlg_bifurcar.h"
#include "dialogs/entry/dlg_cambiadores.h"
#include "tests/comun/kit_listas.h"
#include "fixture.h"
#include "model/constantes.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {
namespace {

class Edicion : public AppFixture {
 protected:
  void Abrir(const char* ejemplo) {
    ASSERT_EQ(Iniciar({CopiaEjemplo(ejemplo)}), -1);
    Marco().show();
    Procesar();
    ASSERT_EQ(Doc()->m_nModo, kModoRejilla);
  }
  FabricaDialogosQt& Fabrica() { return static_cast<FabricaDialogosQt&>(app_->Fabrica()); }
  CDiagrama& M() { return Doc()->m_Diagrama; }
  QWidget* Lienzo() { return Vista()->viewport(); }

  // The pixel of the view where a point of the drawing lies now.
  QPoint Pixel(Point p) {
    const double dx = Lienzo()->logicalDpiX() / 2540.0, dy = Lienzo()->logicalDpiY() / 2540.0;
    return QPoint(static_cast<int>(std::ceil(p.x * dx)) - Vista()->horizontalScrollBar()->value(),
                  static_cast<int>(std::ceil(-p.y * dy)) - Vista()->verticalScrollBar()->value());
  }
  Point EnFila(std::int32_t ref) {
    const Rect& r = M().GetCorriente(ref).m_rect;
    return Point{r.left + 500, static_cast<std::int32_t>(r.bottom + r.Height() / 2)};
  }
  Point EnCambiador(std::int32_t i) {
    const Rect& r = M().m_cambiadores[static_cast<std::size_t>(i)].rectCaliente;
    return Point{static_cast<std::int32_t>(r.left + r.Width() / 2),
                 static_cast<std::int32_t>(r.bottom + r.Height() / 2)};
  }
  void Clic(Point p, Qt::KeyboardModifiers m = Qt::NoModifier, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(Lienzo(), b, m, Pixel(p));
    Procesar();
  }
  void Mover(QPoint px, Qt::MouseButtons botones) {
    QMouseEvent e(QEvent::MouseMove, QPointF(px), Lienzo()->mapToGlobal(QPointF(px)), Qt::NoButton,
                  botones, Qt::NoModifier);
    QApplication::sendEvent(Lienzo(), &e);
  }
  void Tecla(Qt::Key k) {
    QTest::keyClick(Vista(), k);
    Procesar();
  }
  std::vector<std::string> Preguntas() const {
    std::vector<std::string> v;
    for (const auto& r : runner_.Log()) v.push_back(r.text);
    return v;
  }
};

// The real exchangers dialog as a user fills it: a duty of 60 kW, then OK.
void Carga60(Driver& d) {
  d.Choose(CAddCambDlg::kIdTipo, 0);
  d.Type(CAddCambDlg::kIdCampoQ, "60");
  d.Ok();
}

// Both circles of exchanger e lie inside the grid and inside the rows of
// their streams.
void DentroDeLaRejilla(const CDiagrama& m, const CCambiador& e) {
  const Rect& g = m.m_rectGrafico;
  for (const auto& [r, ref] : {std::pair{e.rectCaliente, e.ladoCaliente.ref},
                               std::pair{e.rectFrio, e.ladoFrio.ref}}) {
    if (ref == kRefGenerico) continue;
    SCOPED_TRACE(ref);
    EXPECT_GE(r.left, g.left);
    EXPECT_LE(r.right, g.right);
    EXPECT_LT(r.left, r.right);
    EXPECT_LE(std::max(r.top, r.bottom), std::max(g.top, g.bottom));
    EXPECT_GE(std::min(r.top, r.bottom), std::min(g.top, g.bottom));
    const Rect& fila = m.GetCorriente(ref).m_rect;
    EXPECT_GE(r.left, fila.left);
    EXPECT_LE(r.right, fila.right);
  }
}

TEST_F(Edicion, CtrlClicAnadeArrastraYSuprimeUnCambiador) {
  Abrir("cuatro_corrientes.vdo");
  // The column an exchanger H2–C3 of 60 kW gets when it is added through
  // the dialog of the "Añadir Cambiadores" command.
  kitRunner_.ScriptDialog([](Driver& d) {
    // The lists: the generic utility, then the streams of each kind.
    d.Choose(CAddCambDlg::kIdCaliente, 1);
    d.Choose(CAddCambDlg::kIdFria, 2);
    EXPECT_EQ(d.Text(CAddCambDlg::kIdCaliente), "2   H2");
    EXPECT_EQ(d.Text(CAddCambDlg::kIdFria), "3   C3");
    Carga60(d);
  });
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kAnadirCambiadores));
  Procesar();
  ASSERT_TRUE(kitRunner_.Done());
  ASSERT_EQ(M().GetNumCambiadores(), 1);
  const CCambiador porDialogo = M().m_cambiadores[0];
  DentroDeLaRejilla(M(), porDialogo);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kDeshacer));
  Procesar();
  ASSERT_EQ(M().GetNumCambiadores(), 0);

  // Ctrl+click H2, then C3; the real dialog opens on the new exchanger.
  std::string caliente, fria;
  kitRunner_.ScriptDialog([&](Driver& d) {
    caliente = d.Text(CAddCambDlg::kIdCaliente);
    fria = d.Text(CAddCambDlg::kIdFria);
    Carga60(d);
  });
  Clic(EnFila(1), Qt::ControlModifier);
  EXPECT_EQ(Marco().LastMessage().toStdString(),
            "Añadiendo cambiador: corriente caliente: 2 - pulse ESC para cancelar");
  EXPECT_FALSE(kitRunner_.Done());
  Clic(EnFila(2), Qt::ControlModifier);
  ASSERT_TRUE(kitRunner_.Done());
  EXPECT_EQ(caliente, "2   H2");
  EXPECT_EQ(fria, "3   C3");
  ASSERT_EQ(M().GetNumCambiadores(), 1);
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  const CCambiador& e = M().m_cambiadores[0];
  EXPECT_EQ(e.ladoCaliente.ref, 1);
  EXPECT_EQ(e.ladoFrio.ref, 2);
  EXPECT_NEAR(e.q, 60.0, 1e-9);
  EXPECT_NEAR(e.tEntradaCaliente, 443.15, 1e-9);
  EXPECT_NEAR(e.tSalidaCaliente, 423.15, 1e-9);
  EXPECT_NEAR(e.tEntradaFria, 353.15, 1e-9);
  EXPECT_NEAR(e.tSalidaFria, 368.15, 1e-9);
  // Drawn inside the grid, in the column the dialog gives it.
  DentroDeLaRejilla(M(), e);
  EXPECT_EQ(e.rectCaliente, porDialogo.rectCaliente);
  EXPECT_EQ(e.rectFrio, porDialogo.rectFrio);
  EXPECT_TRUE(M().m_textoComprobacion.empty()) << M().m_textoComprobacion;

  // A drag: one undo step, which puts it back.
  const Rect antes = e.rectCaliente;
  const QPoint desde = Pixel(EnCambiador(0));
  QTest::mousePress(Lienzo(), Qt::LeftButton, Qt::NoModifier, desde);
  for (int dx : {2, 20, 60}) Mover(desde + QPoint(dx, 0), Qt::LeftButton);
  QTest::mouseRelease(Lienzo(), Qt::LeftButton, Qt::NoModifier, desde + QPoint(60, 0));
  Procesar();
  EXPECT_EQ(Doc()->NumDeshacer(), 2);
  EXPECT_GT(M().m_cambiadores[0].rectCaliente.left, antes.left + 1000);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kDeshacer));
  Procesar();
  EXPECT_EQ(M().m_cambiadores[0].rectCaliente, antes);

  // Delete asks, then deletes; a second Delete finds nothing to delete.
  Clic(EnCambiador(0));
  ASSERT_EQ(Vista()->EstadoEdicion(), kSelCambiador);
  runner_.Script({Answer::Yes});
  Tecla(Qt::Key_Delete);
  EXPECT_EQ(Preguntas(), std::vector<std::string>{"¿Confirma que desea eliminar el cambiador?"});
  EXPECT_EQ(M().GetNumCambiadores(), 0);
  Tecla(Qt::Key_Delete);
  EXPECT_EQ(Preguntas().size(), 1u);
  EXPECT_EQ(M().GetNumCambiadores(), 0);
}

// The index of the entry of a list of the exchangers dialog that names
// stream ref ("%d   %s").
int EntradaDe(Driver& d, int id, std::int32_t ref) {
  const std::string prefijo = std::to_string(ref + 1) + "   ";
  const std::vector<std::string> e = Entradas(d.Dialog(), id);
  for (std::size_t i = 0; i < e.size(); ++i)
    if (e[i].rfind(prefijo, 0) == 0) return static_cast<int>(i);
  ADD_FAILURE() << "sin entrada " << prefijo;
  return 0;
}

// On a branch of a split: H2 to C3's main branch, 60 kW, by Ctrl+click and
// by the dialog, drawn in the same place inside the grid.
TEST_F(Edicion, CtrlClicSobreUnaRamaLoDibujaDondeElDialogo) {
  Abrir("cuatro_corrientes.vdo");
  // C3 (353.15 -> 413.15 K, m·cp 4) split at 380 K into two branches.
  M().SeleccionarCorriente(2);
  Doc()->SetTipoSeleccion(kSelCorriente);
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(CBifurcarDlg::kIdEntrada, "380");
    d.Type(CBifurcarDlg::kIdPorcentaje1, "50");
    d.Enter();
  });
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kBifurcarNueva));
  Procesar();
  ASSERT_EQ(M().m_bifurcadas.size(), 1u);
  const std::int32_t rama = M().m_bifurcadas[0].nodos[0].refRamaPrincipal;
  const std::int32_t h2 = 1;
  const int pasos = Doc()->NumDeshacer();

  kitRunner_.ScriptDialog([&](Driver& d) {
    d.Choose(CAddCambDlg::kIdCaliente, EntradaDe(d, CAddCambDlg::kIdCaliente, h2));
    d.Choose(CAddCambDlg::kIdFria, EntradaDe(d, CAddCambDlg::kIdFria, rama));
    Carga60(d);
  });
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kAnadirCambiadores));
  Procesar();
  ASSERT_TRUE(kitRunner_.Done());
  ASSERT_EQ(M().GetNumCambiadores(), 1);
  const CCambiador porDialogo = M().m_cambiadores[0];
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kDeshacer));
  Procesar();
  ASSERT_EQ(Doc()->NumDeshacer(), pasos);

  kitRunner_.ScriptDialog(Carga60);
  Clic(EnFila(h2), Qt::ControlModifier);
  Clic(EnFila(rama), Qt::ControlModifier);
  ASSERT_TRUE(kitRunner_.Done());
  ASSERT_EQ(M().GetNumCambiadores(), 1);
  const CCambiador& e = M().m_cambiadores[0];
  EXPECT_EQ(e.ladoCaliente.ref, h2);
  EXPECT_EQ(e.ladoFrio.ref, rama);
  EXPECT_NEAR(e.q, 60.0, 1e-9);
  EXPECT_NEAR(e.tEntradaCaliente, 443.15, 1e-9);
  EXPECT_NEAR(e.tSalidaCaliente, 423.15, 1e-9);
  EXPECT_NEAR(e.tEntradaFria, 380.0, 1e-9);
  DentroDeLaRejilla(M(), e);
  EXPECT_EQ(e.rectCaliente, porDialogo.rectCaliente);
  EXPECT_EQ(e.rectFrio, porDialogo.rectFrio);
}

// The four-stream maximum-energy-recovery design as an engineer builds it:
// the matches at the pinch in the feasibility windows, the rest by
// Ctrl+click (a heater and a cooler by Ctrl+double click) and the dialog.
TEST_F(Edicion, DisenoDeMaximaRecuperacionConLasVentanasYLosClics) {
  Abrir("cuatro_corrientes.vdo");
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kUsarFactibilidad));
  using F = CFactibilidadDlg;
  auto emparejar = [](Driver& d, int caliente, int fria) {
    d.Choose(F::kIdCalientes, caliente);
    d.Choose(F::kIdFrias, fria);
  };
  // Above the pinch: H2-C3 and H4-C1.
  kitRunner_.ScriptDialog([&](Driver& d) {
    emparejar(d, 0, 1);
    emparejar(d, 1, 0);
    d.Ok();
  });
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kFactibilidadCaliente));
  Procesar();
  // Below it: H2-C1.
  kitRunner_.ScriptDialog([&](Driver& d) {
    emparejar(d, 0, 0);
    d.Ok();
  });
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kFactibilidadFrio));
  Procesar();
  ASSERT_TRUE(kitRunner_.Done());
  ASSERT_EQ(M().GetNumCambiadores(), 3);

  // The heater completing C1: Ctrl+double click on C1, 20 kW up to C1's
  // target.
  kitRunner_.ScriptDialog([](Driver& d) {
    EXPECT_EQ(d.Text(CAddCambDlg::kIdCaliente), kServiciosGenerales);
    d.Type(CAddCambDlg::kIdCampoQ, "20");
    d.Ok();
  });
  QTest::mouseDClick(Lienzo(), Qt::LeftButton, Qt::ControlModifier, Pixel(EnFila(0)));
  Procesar();
  ASSERT_TRUE(kitRunner_.Done());
  ASSERT_EQ(M().GetNumCambiadores(), 4);
  // H4-C1 below the pinch: H4 from E2's outlet (363.15 K), C1 from its
  // supply, 30 kW.
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Choose(CAddCambDlg::kIdTipo, 0);
    d.Click(CAddCambDlg::IdRadio(kEntradaCaliente, kRadioValor));
    d.Type(CAddCambDlg::IdCampo(kEntradaCaliente), "363.15");
    d.Type(CAddCambDlg::kIdCampoQ, "30");
    d.Ok();
  });
  Clic(EnFila(3), Qt::ControlModifier);
  Clic(EnFila(0), Qt::ControlModifier);
  ASSERT_TRUE(kitRunner_.Done());
  ASSERT_EQ(M().GetNumCambiadores(), 5);
  // The cooler completing H4: 60 kW down to H4's target.
  kitRunner_.ScriptDialog([](Driver& d) {
    EXPECT_EQ(d.Text(CAddCambDlg::kIdFria), kServiciosGenerales);
    d.Type(CAddCambDlg::kIdCampoQ, "60");
    d.Ok();
  });
  QTest::mouseDClick(Lienzo(), Qt::LeftButton, Qt::ControlModifier, Pixel(EnFila(3)));
  Procesar();
  ASSERT_TRUE(kitRunner_.Done());
  ASSERT_EQ(M().GetNumCambiadores(), 6);

  struct Esperado {
    std::int32_t caliente, fria;
    double q, the, ths, tfe, tfs;
  };
  const Esperado esperados[] = {
      {1, 2, 240, 443.15, 363.15, 353.15, 413.15},
      {3, 0, 90, 423.15, 363.15, 353.15, 398.15},
      {1, 0, 90, 363.15, 333.15, 308.15, 353.15},
      {kRefGenerico, 0, 20, NAN, NAN, 398.15, 408.15},
      {3, 0, 30, 363.15, 343.15, 293.15, 308.15},
      {3, kRefGenerico, 60, 343.15, 303.15, NAN, NAN},
  };
  for (std::size_t i = 0; i < std::size(esperados); ++i) {
    SCOPED_TRACE(i + 1);
    const Esperado& x = esperados[i];
    const CCambiador& c = M().m_cambiadores[i];
    EXPECT_EQ(c.ladoCaliente.ref, x.caliente);
    EXPECT_EQ(c.ladoFrio.ref, x.fria);
    EXPECT_NEAR(c.q, x.q, 1e-6);
    if (x.caliente != kRefGenerico) {
      EXPECT_NEAR(c.tEntradaCaliente, x.the, 1e-6);
      EXPECT_NEAR(c.tSalidaCaliente, x.ths, 1e-6);
    }
    if (x.fria != kRefGenerico) {
      EXPECT_NEAR(c.tEntradaFria, x.tfe, 1e-6);
      EXPECT_NEAR(c.tSalidaFria, x.tfs, 1e-6);
    }
    DentroDeLaRejilla(M(), c);
  }
  EXPECT_TRUE(M().m_textoComprobacion.empty()) << M().m_textoComprobacion;
  // Heating and cooling are the minimum ones.
  EXPECT_EQ(Marco().PaneText(kPanelCal).toStdString(), "Cal:20./20.");
  Vista()->grab().save(QString::fromStdString(std::string(::testing::TempDir()) +
                                              "diseno_maxima_recuperacion.png"));
}

TEST_F(Edicion, CtrlClicYEscapeNoAnadenNada) {
  Abrir("cuatro_corrientes.vdo");
  int veces = 0;
  Fabrica().Registrar<DlgCambiadores>([&](QWidget*, DlgCambiadores&) {
    ++veces;
    return false;
  });
  Clic(EnFila(1), Qt::ControlModifier);
  Tecla(Qt::Key_Escape);
  EXPECT_EQ(Marco().LastMessage().toStdString(), kTextoPreparadoTrama);
  // The next Ctrl+click only chooses a first stream again.
  Clic(EnFila(2), Qt::ControlModifier);
  EXPECT_EQ(veces, 0);
  EXPECT_EQ(M().GetNumCambiadores(), 0);
  EXPECT_EQ(Doc()->NumDeshacer(), 0);
  // A Ctrl press left of every row adds nothing either.
  Clic(Point{700, EnFila(1).y}, Qt::ControlModifier);
  EXPECT_EQ(veces, 0);
  EXPECT_EQ(M().GetNumCambiadores(), 0);
}

TEST_F(Edicion, DTMinConIntroEsUnPasoYRehaceLasCompuestas) {
  Abrir("cuatro_corrientes.vdo");
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kCompuestas));
  Procesar();
  const int pasos = Doc()->NumDeshacer();
  const std::vector<Point> antes = Vista()->Grafica().puntos;
  QLineEdit* campo = Marco().Field();
  ASSERT_NE(campo, nullptr);
  campo->setFocus();
  campo->selectAll();
  QTest::keyClick(campo, Qt::Key_Backspace);
  QTest::keyClicks(campo, "1x2e,5");  // letters never reach it; the comma is a decimal point
  EXPECT_EQ(campo->text(), QStringLiteral("12,5"));
  QTest::keyClick(campo, Qt::Key_Return);
  Procesar();
  EXPECT_EQ(M().m_dtMin, 12.5);
  EXPECT_EQ(Doc()->NumDeshacer(), pasos + 1);
  EXPECT_TRUE(Doc()->IsModified());
  // The field then shows DT min as the program writes numbers.
  EXPECT_EQ(campo->text(), QStringLiteral("12.5"));
  EXPECT_TRUE(Preguntas().empty());
  // The composite curves of the new DT min are shown.
  CDiagrama copia = M();
  CGrafica nueva;
  GraficaCompuestas(copia, nueva, false);
  EXPECT_NE(Vista()->Grafica().puntos, antes);
  EXPECT_EQ(Vista()->Grafica().puntos, nueva.puntos);
  // Leaving the field without typing applies nothing more.
  Vista()->setFocus();
  Procesar();
  EXPECT_EQ(Doc()->NumDeshacer(), pasos + 1);
  // Leaving it after typing applies what was typed.
  campo->setFocus();
  campo->selectAll();
  QTest::keyClicks(campo, "15");
  Vista()->setFocus();
  Procesar();
  EXPECT_EQ(M().m_dtMin, 15.0);
  EXPECT_EQ(Doc()->NumDeshacer(), pasos + 2);
}

// What the DT min field cannot take is refused with its message: DT min,
// the undo steps and the picture stay; after Enter the text stays selected
// in the field, and leaving the field shows the DT min in force again.
TEST_F(Edicion, DTMinRechazaLoQueNoEsUnNumeroNoNegativo) {
  Abrir("cuatro_corrientes.vdo");
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kCompuestas));
  Procesar();
  const int pasos = Doc()->NumDeshacer();
  const std::vector<Point> antes = Vista()->Grafica().puntos;
  Doc()->SetModifiedFlag(false);
  QLineEdit* campo = Marco().Field();
  ASSERT_NE(campo, nullptr);
  auto sinCambios = [&] {
    EXPECT_EQ(M().m_dtMin, 10.0);
    EXPECT_EQ(Doc()->NumDeshacer(), pasos);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Vista()->Grafica().puntos, antes);
  };

  // A run of 400 nines, and two decimal points, typed and Enter.
  for (const std::string& texto : {std::string(400, '9'), std::string("1,5.0")}) {
    SCOPED_TRACE(texto.substr(0, 8));
    runner_.Clear();
    campo->setFocus();
    campo->selectAll();
    QTest::keyClicks(campo, QString::fromStdString(texto));
    QTest::keyClick(campo, Qt::Key_Return);
    Procesar();
    EXPECT_EQ(Preguntas(), std::vector<std::string>{"Introduzca un número."});
    sinCambios();
    EXPECT_TRUE(campo->hasFocus());
    EXPECT_EQ(campo->text().toStdString(), texto);
    EXPECT_EQ(campo->selectedText(), campo->text());
    if (texto.size() < 10)
      Marco().grab().save(QString::fromStdString(::testing::TempDir() + "dtmin_rechazado.png"));
    // Leaving it now refuses nothing more and shows DT min again.
    Vista()->setFocus();
    Procesar();
    EXPECT_EQ(Preguntas().size(), 1u);
    EXPECT_EQ(campo->text(), QStringLiteral("10."));
    sinCambios();
  }

  // A paste of "-5" with the middle button (the field takes no other
  // paste), then the field left: refused, DT min shown again.
  runner_.Clear();
  campo->setFocus();
  campo->selectAll();
  QGuiApplication::clipboard()->setText(QStringLiteral("-5"), QClipboard::Selection);
  if (QGuiApplication::clipboard()->supportsSelection()) {
    campo->clear();
    QTest::mouseClick(campo, Qt::MiddleButton);
  } else {
    campo->insert(QStringLiteral("-5"));  // what the middle-click paste does
  }
  EXPECT_EQ(campo->text(), QStringLiteral("-5"));
  Vista()->setFocus();
  Procesar();
  EXPECT_EQ(Preguntas(), std::vector<std::string>{"Introduzca una diferencia mínima de temperatura entre 0 y 10000 K."});
  EXPECT_EQ(campo->text(), QStringLiteral("10."));
  sinCambios();
}

TEST_F(Edicion, MenusContextualesSegunLoElegido) {
  Abrir("servicios_y_area.vdo");
  auto textos = [](QMenu* m) {
    std::vector<std::string> v;
    for (QAction* a : m->actions()) v.push_back(a->text().toStdString());
    return v;
  };
  // A process stream: menu "Principal".
  Clic(EnFila(1), Qt::NoModifier, Qt::RightButton);
  QMenu* menu = Vista()->MenuAbierto();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), QStringLiteral("Principal"));
  EXPECT_EQ(textos(menu), (std::vector<std::string>{"&Modificar", "&Borrar", "B&ifurcar",
                                                    "&Factibilidad", "Ver &Propiedades"}));
  menu->close();
  // Beside every row nothing is selected and no menu opens.
  Clic(Point{700, EnFila(1).y}, Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(Vista()->EstadoEdicion(), kSelNada);
  EXPECT_FALSE(menu->isVisible());

  // An exchanger: "PopCamb"; aligning its cold end under its hot end.
  std::int32_t proceso = -1;
  for (std::int32_t i = 0; i < M().GetNumCambiadores(); ++i) {
    const CCambiador& c = M().m_cambiadores[static_cast<std::size_t>(i)];
    if (c.ladoCaliente.ref >= 0 && c.ladoFrio.ref >= 0 && c.ladoCaliente.ref < kRefServicio &&
        c.ladoFrio.ref < kRefServicio)
      proceso = i;
  }
  ASSERT_GE(proceso, 0);
  Doc()->SetModifiedFlag(false);
  Clic(EnCambiador(proceso), Qt::NoModifier, Qt::RightButton);
  // Its cold end stands elsewhere on its row.
  Rect& frio = M().m_cambiadores[static_cast<std::size_t>(proceso)].rectFrio;
  frio.left += 3000;
  frio.right += 3000;
  menu = Vista()->MenuAbierto();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), QStringLiteral("PopCamb"));
  EXPECT_EQ(textos(menu), (std::vector<std::string>{"&Modificar", "&Borrar", "Mo&ver", "&Alinear",
                                                    "&Formato", "Ver &Propiedades"}));
  QMenu* alinear = menu->actions()[3]->menu();
  ASSERT_NE(alinear, nullptr);
  emit alinear->aboutToShow();
  QAction* inferior = alinear->actions()[1];
  EXPECT_EQ(ComandoDeEntrada(inferior), cmd::kAlinearFrio);
  ASSERT_TRUE(inferior->isEnabled());
  inferior->trigger();
  Procesar();
  menu->close();
  const CCambiador& c = M().m_cambiadores[static_cast<std::size_t>(proceso)];
  EXPECT_EQ(c.rectFrio.left, c.rectCaliente.left);
  EXPECT_TRUE(Doc()->IsModified());
}

TEST_F(Edicion, DobleClicEnUnaCorrienteSinCambiadoresLaModificaComoElMenu) {
  Abrir("cuatro_corrientes.vdo");
  std::vector<std::int32_t> abiertas;
  Fabrica().Registrar<DlgCorrientes>([&](QWidget*, DlgCorrientes& d) {
    abiertas.push_back(d.corriente);
    d.modelo.m_corrientes[static_cast<std::size_t>(d.corriente)].SetNombre("Vapor");
    return true;
  });
  ASSERT_FALSE(Doc()->IsModified());
  QTest::mouseDClick(Lienzo(), Qt::LeftButton, Qt::NoModifier, Pixel(EnFila(2)));
  Procesar();
  EXPECT_EQ(abiertas, std::vector<std::int32_t>{2});
  EXPECT_EQ(M().m_corrientes[2].GetNombre(), "Vapor");
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
}

TEST_F(Edicion, UnaPulsacionSigueAlDesplazamientoReal) {
  Abrir("cuatro_corrientes.vdo");
  // A grid much taller than the view: rows 250 mm high, the second one
  // from y = -26500 down.
  M().m_rectGrafico = Rect{1500, -1500, 19500, -101500};
  Doc()->UpdateAllViews();
  Procesar();
  QScrollBar* v = Vista()->verticalScrollBar();
  const int hasta = Pixel(Point{0, -26500}).y() - 100;
  ASSERT_GT(v->maximum(), hasta);
  // The wheel scrolls until the second row starts near the top of the view.
  for (int i = 0; i < 200 && v->value() < hasta; ++i) {
    QWheelEvent rueda(QPointF(50, 50), Lienzo()->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Lienzo(), &rueda);
  }
  Procesar();
  ASSERT_GE(v->value(), hasta);
  // Just inside the second row; the same pixel unscrolled lies in the first.
  const Point p{2000, -27500};
  ASSERT_TRUE(Lienzo()->rect().contains(Pixel(p)));
  Clic(p);
  EXPECT_EQ(Vista()->EstadoEdicion(), kSelCorriente);
  EXPECT_EQ(M().m_corrienteSel, 1);
}

TEST_F(Edicion, ComandosDeAnillosSegunElDisenoYSuDialogo) {
  Abrir("servicios_y_area.vdo");
  ASSERT_GE(M().GetNumCambiadores(), 3);
  EXPECT_TRUE(Marco().Commands().State(cmd::kBuscarAnillos).enabled);
  // No search yet: nothing to step through.
  EXPECT_FALSE(Marco().Commands().State(cmd::kAnilloSiguiente).enabled);
  // Its dialog is registered: enabled from two exchangers on.
  EXPECT_TRUE(Marco().Commands().State(cmd::kAnadirAnillo).enabled);
  const std::vector<CCambiador> todos = M().m_cambiadores;
  M().m_cambiadores.resize(1);
  EXPECT_FALSE(Marco().Commands().State(cmd::kAnadirAnillo).enabled);
  M().m_cambiadores = todos;
}

}  // namespace
}  // namespace vardo::prueba
