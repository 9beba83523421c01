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

#include "app/core/graficas.h"
#include "app/core/ids_comandos.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "app/qt/menus_contexto.h"
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

// The exchangers dialog as a user fills it on the provisional exchanger: its
// two inlets at the streams' inlets and a duty of 60 kW; the dialog keeps
// every stream's exchanger list.
bool Especificar60(DlgCambiadores& d) {
  CCambiador& e = d.modelo.m_cambiadores.back();
  e.modo = kModoQ;
  e.tipoEntradaCaliente = kTipoExtremo;
  e.tipoEntradaFria = kTipoExtremo;
  e.tipoSalidaCaliente = 0;
  e.tipoSalidaFria = 0;
  e.tipoQ = 1;
  e.valorQ = 60.0;
  ReconstruirListas(d.modelo);
  return true;
}

TEST_F(Edicion, CtrlClicAnadeArrastraYSuprimeUnCambiador) {
  Abrir("cuatro_corrientes.vdo");
  std::vector<DlgCambiadores> vistos;
  Fabrica().Registrar<DlgCambiadores>([&](QWidget*, DlgCambiadores& d) {
    vistos.push_back(d);
    return Especificar60(d);
  });

  // Ctrl+click H2, then C3.
  Clic(EnFila(1), Qt::ControlModifier);
  EXPECT_EQ(Marco().LastMessage().toStdString(),
            "Añadiendo cambiador: corriente caliente: 2 - pulse ESC para cancelar");
  EXPECT_TRUE(vistos.empty());
  Clic(EnFila(2), Qt::ControlModifier);
  ASSERT_EQ(vistos.size(), 1u);
  EXPECT_EQ(vistos[0].modo, 0);
  EXPECT_EQ(vistos[0].cambiador, 0);
  ASSERT_EQ(vistos[0].modelo.GetNumCambiadores(), 1);
  EXPECT_EQ(vistos[0].modelo.m_cambiadores[0].ladoCaliente.ref, 1);
  EXPECT_EQ(vistos[0].modelo.m_cambiadores[0].ladoFrio.ref, 2);
  ASSERT_EQ(M().GetNumCambiadores(), 1);
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  const CCambiador& e = M().m_cambiadores[0];
  EXPECT_NEAR(e.tSalidaCaliente, 423.15, 1e-9);
  EXPECT_NEAR(e.tSalidaFria, 368.15, 1e-9);
  ASSERT_NE(e.rectCaliente.top, 0);  // drawn

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
  EXPECT_EQ(Preguntas(), std::vector<std::string>{"Introduzca un número mayor o igual que 0."});
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
