// The result tables through the program's dialog factory: what each table
// shows, the streams table's "Copiar" on a right press, and the modeless
// possible-matches window with its pinch list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "app/core/views/exportar.h"
#include "controls/grid/celdix.h"
#include "dialogs/analysis/dlg_tablas.h"
#include "platform/qt/displaygrid.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/dialogs/analysis/fixture_analisis.h"
#include "tests/dialogs/analysis/problemas_analisis.h"

namespace vardo::prueba {
namespace {

using Filas = std::vector<std::vector<std::string>>;

template <class Rejilla>
Filas Celdas(const Rejilla& g) {
  Filas f;
  for (int r = 0; r < g.Rows(); ++r) {
    f.emplace_back();
    for (int c = 0; c < g.Cols(); ++c) f.back().push_back(g.TextMatrix(r, c).toStdString());
  }
  return f;
}

using Tablas = ConDialogos;

TEST_F(Tablas, CorrientesConSuFilaYCopiarConElBotonDerecho) {
  DlgTablaCorrientes r;
  r.modelo = CargarEjemplo("cuatro_corrientes.vdo");
  QApplication::clipboard()->setText("nada");
  runner_.ScriptDialog([&](Driver& d) {
    using T = CTablaCorrientesDlg;
    auto* g = d.Dialog().Get<DisplayGrid>(T::kIdTabla);
    const Filas f = Celdas(*g);
    ASSERT_EQ(f.size(), 5u);
    EXPECT_EQ(f[0], (std::vector<std::string>{"Corriente", "Descripción", "Tipo", "Tipo calor",
                                              "T1 (K)", "T2 (K)", "H (kW)", "mcp (kW/K)"}));
    EXPECT_EQ(f[1], (std::vector<std::string>{"1", "C1", "Fría", "Sensible", "293.15", "408.15",
                                              "230.", "2."}));
    EXPECT_EQ(g->ColWidth(1), 2000);
    d.Grab(::testing::TempDir() + "analisis_tabla_corrientes.png");
    auto* dlg = static_cast<T*>(&d.Dialog());
    const QPoint p = g->CellRect(2, 2).center() - g->viewport()->geometry().topLeft();
    // The left button opens nothing; the right one the menu "Copiar".
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, p);
    EXPECT_FALSE(dlg->MenuCopiar()->isVisible());
    QTest::mousePress(g->viewport(), Qt::RightButton, {}, p);
    ASSERT_TRUE(dlg->MenuCopiar()->isVisible());
    ASSERT_EQ(dlg->MenuCopiar()->actions().size(), 1);
    EXPECT_EQ(dlg->MenuCopiar()->actions()[0]->text().toStdString(), "Copiar");
    dlg->MenuCopiar()->actions()[0]->trigger();
    dlg->MenuCopiar()->close();
    QTest::mouseRelease(g->viewport(), Qt::RightButton, {}, p);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    d.Ok();
  });
  fabrica_.TablaCorrientes(r);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), TextoTablaCorrientes(r.modelo));
}

TEST_F(Tablas, CambiadoresConElServicioGenericoYServiciosDefinidos) {
  DlgTablaCambiadores c;
  c.modelo = DisenoCuatroCorrientes();
  ASSERT_TRUE(Calculada(c.modelo.CalcularRed()));
  runner_.ScriptDialog([&](Driver& d) {
    auto* t = d.Dialog().Get<Celdix>(CTablaCambiadoresDlg::kIdTabla);
    EXPECT_TRUE(t->ReadOnlyTable());
    const Filas f = Celdas(*t);
    EXPECT_EQ(f, TablaCambiadores(c.modelo));
    ASSERT_EQ(f.size(), 7u);
    // The heater: the generic utility on its hot side.
    EXPECT_EQ(f[3][2], "S.G.");
    EXPECT_EQ(f[3][3], "-");
    EXPECT_EQ(f[3][4], "-");
    d.Grab(::testing::TempDir() + "analisis_tabla_cambiadores.png");
    d.Ok();
  });
  fabrica_.TablaCambiadores(c);

  DlgTablaServicios s;
  s.modelo = CuatroCorrientesConTresServicios();
  runner_.ScriptDialog([&](Driver& d) {
    auto* t = d.Dialog().Get<Celdix>(CTablaServiciosDlg::kIdTabla);
    EXPECT_TRUE(t->ReadOnlyTable());
    EXPECT_EQ(Celdas(*t), TablaServicios(s.modelo));
    EXPECT_EQ(t->Rows(), 4);
    // At least the widths given; wider where the texts need it.
    EXPECT_GE(t->ColWidth(1), 2300);
    EXPECT_GE(t->ColWidth(9), 1500);
    for (int c = 0; c < t->Cols(); ++c)
      EXPECT_LE(QFontMetrics(t->Grid()->font()).horizontalAdvance(t->TextMatrix(0, c)),
                t->Grid()->AnchoTextoPx(c))
          << c;
    d.Grab(::testing::TempDir() + "analisis_tabla_servicios.png");
    d.Ok();
  });
  fabrica_.TablaServicios(s);
  EXPECT_TRUE(runner_.Done());
}

// The tables only to be read show no buttons to change them, and Enter in
// the table closes the window.
TEST_F(Tablas, SoloLecturaSinBotonesEIntroCierra) {
  DlgTablaCambiadores c;
  c.modelo = DisenoCuatroCorrientes();
  ASSERT_TRUE(Calculada(c.modelo.CalcularRed()));
  DlgTablaServicios s;
  s.modelo = CuatroCorrientesConTresServicios();
  const std::function<void()> abrir[] = {[&] { fabrica_.TablaCambiadores(c); },
                                         [&] { fabrica_.TablaServicios(s); }};
  for (const auto& a : abrir) {
    bool botones = true, abierta = true;
    int resultado = 0;
    runner_.ScriptDialog([&](Driver& d) {
      auto* t = d.Dialog().Get<Celdix>(CTablaCambiadoresDlg::kIdTabla);
      botones = false;
      for (QToolButton* b : {t->CopyButton(), t->PegarButton(), t->AddButton(), t->DelButton()})
        botones = botones || b->isVisible();
      t->Grid()->setFocus();
      t->Grid()->SetCurrentCell(1, 1);
      QTest::keyClick(t->Grid(), Qt::Key_Return);
      abierta = d.Dialog().IsOpen();
      resultado = d.Dialog().Result();
      if (abierta) d.Ok();
    });
    a();
    EXPECT_FALSE(botones);
    EXPECT_FALSE(abierta);
    EXPECT_EQ(resultado, kit::kIdOk);
  }
  EXPECT_TRUE(runner_.Done());
}

TEST_F(Tablas, SinObjetosSoloLaCabecera) {
  DlgTablaCambiadores c;
  c.modelo = CuatroCorrientes();
  runner_.ScriptDialog([](Driver& d) {
    EXPECT_EQ(d.Dialog().Get<Celdix>(CTablaCambiadoresDlg::kIdTabla)->Rows(), 1);
    d.Ok();
  });
  fabrica_.TablaCambiadores(c);
  EXPECT_TRUE(runner_.Done());
}

// The open matches windows.
std::vector<CTablaEmparejamientosDlg*> Ventanas() {
  std::vector<CTablaEmparejamientosDlg*> v;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* t = dynamic_cast<CTablaEmparejamientosDlg*>(w); t && t->isVisible()) v.push_back(t);
  return v;
}

TEST_F(Tablas, EmparejamientosPosiblesEnElPinchDeProcesoEnUnaVentanaSinModo) {
  using E = CTablaEmparejamientosDlg;
  VentanaTablaEmparejamientos v;
  v.modelo = CargarEjemplo("cuatro_corrientes.vdo");
  fabrica_.TablaEmparejamientos(v);
  fabrica_.TablaEmparejamientos(v);  // each use opens another
  auto abiertas = Ventanas();
  ASSERT_EQ(abiertas.size(), 2u);
  E& w = *abiertas[0];
  EXPECT_TRUE(runner_.Log().empty());
  EXPECT_FALSE(w.isModal());
  EXPECT_EQ(w.Count(E::kIdPinch), 1);
  EXPECT_EQ(w.Text(E::kIdPinch), "Pinch de Proceso");
  // Hot side: the cold streams 1 and 3 against the hot streams 2 and 4.
  const Filas caliente = Celdas(*w.Get<DisplayGrid>(E::kIdLadoCaliente));
  ASSERT_EQ(caliente.size(), 3u);
  EXPECT_EQ(caliente[0][1], "2");
  EXPECT_EQ(caliente[0][2], "4");
  EXPECT_EQ(caliente[1], (std::vector<std::string>{"1", "", "*"}));
  EXPECT_EQ(caliente[2], (std::vector<std::string>{"3", "*", "*"}));
  // Cold side: the hot streams 2 and 4 against the cold stream 1.
  const Filas frio = Celdas(*w.Get<DisplayGrid>(E::kIdLadoFrio));
  ASSERT_EQ(frio.size(), 3u);
  EXPECT_EQ(frio[0][1], "1");
  EXPECT_EQ(frio[1], (std::vector<std::string>{"2", "*"}));
  EXPECT_EQ(frio[2], (std::vector<std::string>{"4", ""}));
  EXPECT_EQ(w.Get<DisplayGrid>(E::kIdLadoFrio)->ColWidth(1), 500);
  Driver(w).Grab(::testing::TempDir() + "analisis_tabla_emparejamientos.png");
  for (E* e : abiertas) Driver(*e).Click(kit::kIdCancel);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(Ventanas().empty());
}

TEST_F(Tablas, EmparejamientosConLosPinchesDeServiciosEnLaLista) {
  using E = CTablaEmparejamientosDlg;
  VentanaTablaEmparejamientos v;
  v.modelo = TresServiciosFrios();
  v.modelo.m_serviciosVisibles = 1;
  fabrica_.TablaEmparejamientos(v);
  ASSERT_EQ(Ventanas().size(), 1u);
  E& w = *Ventanas()[0];
  ASSERT_EQ(w.Count(E::kIdPinch), 3);
  EXPECT_EQ(w.ItemText(E::kIdPinch, 1), "Pinch de Servicios 455. - 445.");
  CDiagrama m = v.modelo;
  for (int k : {2, 1, 0}) {
    Driver(w).Choose(E::kIdPinch, k);
    const TablaEmparejamientos t = TablaEmparejamientosPosibles(m, k);
    EXPECT_EQ(Celdas(*w.Get<DisplayGrid>(E::kIdLadoCaliente)), t.ladoCaliente) << k;
    EXPECT_EQ(Celdas(*w.Get<DisplayGrid>(E::kIdLadoFrio)), t.ladoFrio) << k;
  }
  w.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace vardo::prueba
