// Documents of more than 1000 streams in the running program, with real
// mouse events: a click on any stream's row of the grid diagram, the streams
// pane or the object browser selects that stream, and an exchanger on a
// stream the document file cannot name (number 1001 and on) is refused with
// its message where the user makes it.
#include <QDockWidget>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include "app/core/document/ids_comandos.h"
#include "app/qt/rejilla_corrientes.h"
#include "app/qt/visor_objetos.h"
#include "controls/grid/celdix.h"
#include "dialogs/entry/dlg_cambiadores.h"
#include "fixture.h"
#include "model/cambiador.h"
#include "model/constantes.h"
#include "model/documento_archivo.h"

namespace vardo::prueba {
namespace {

class CorrientesMil : public AppFixture {
 protected:
  // A saved document of n streams, even numbers hot (400 → 310 K), odd ones
  // cold (300 → 390 K), opened in the main window on the grid diagram. The
  // grid is 20 cm wide and alto cm tall, as "Tamaño del gráfico" sets it, so
  // that every row is some pixels tall.
  void AbrirCon(int n, int alto) {
    CDiagrama d;
    for (int i = 0; i < n; ++i)
      d.AddCorriente(i % 2 ? 300.0 : 400.0, i % 2 ? 390.0 : 310.0, 1.0 + i % 7, i % 2, 0);
    d.SetDTMin(10.0);
    d.m_rectGrafico = Rect{1500, -1500, 1500 + 1000 * 20, -1500 - 1000 * alto};
    MarcoDocumento marco;
    marco.modo = kModoRejilla;
    const auto bytes = GuardarDocumento(marco, d);
    const QString ruta = Ruta("corrientes.vdo");
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const auto tam = static_cast<qint64>(bytes.size());
    ASSERT_EQ(f.write(reinterpret_cast<const char*>(bytes.data()), tam), tam);
    f.close();
    ASSERT_EQ(Iniciar({ruta}), -1);
    Marco().resize(1200, 900);
    Marco().show();
    Marco().PrimeraActivacion();
    Procesar();
    ASSERT_EQ(M().GetNumCorrientes(), n);
    ASSERT_EQ(Doc()->m_nModo, kModoRejilla);
  }
  CDiagrama& M() { return Doc()->m_Diagrama; }
  QWidget* Lienzo() { return Vista()->viewport(); }

  // The grid diagram scrolled so that stream ref's row is in view, and the
  // pixel in the middle of its line's left part.
  QPoint EnFila(std::int32_t ref) {
    const Rect& r = M().GetCorriente(ref).m_rect;
    const double dx = Lienzo()->logicalDpiX() / 2540.0, dy = Lienzo()->logicalDpiY() / 2540.0;
    const int x = static_cast<int>(std::ceil((r.left + 500) * dx));
    const int y = static_cast<int>(std::ceil(-(r.bottom + r.Height() / 2.0) * dy));
    QScrollBar* v = Vista()->verticalScrollBar();
    v->setValue(y - Lienzo()->height() / 2);
    Procesar();
    return QPoint(x - Vista()->horizontalScrollBar()->value(), y - v->value());
  }
  void ClicEnFila(std::int32_t ref, Qt::KeyboardModifiers m = Qt::NoModifier) {
    const QPoint p = EnFila(ref);
    ASSERT_TRUE(Lienzo()->rect().contains(p)) << ref;
    QTest::mouseClick(Lienzo(), Qt::LeftButton, m, p);
    Procesar();
  }
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> v;
    for (const auto& r : runner_.Log()) v.push_back(r.text);
    return v;
  }
};

TEST_F(CorrientesMil, UnClicEnCualquierFilaSeleccionaSuCorriente) {
  // Rows of 1 mm.
  AbrirCon(10000, 1000);
  if (HasFatalFailure()) return;

  // The grid diagram: rows 1001 and 5000 of 10,000, and back to row 3.
  for (std::int32_t ref : {1000, 4999, 2}) {
    SCOPED_TRACE(ref);
    ClicEnFila(ref);
    EXPECT_EQ(M().m_corrienteSel, ref);
    EXPECT_EQ(Vista()->EstadoEdicion(), kSelCorriente);
  }

  // The streams pane: row r + 1 shows stream r.
  auto* panel = Marco().findChild<CRejillaCorrientesDlg*>();
  ASSERT_NE(panel, nullptr);
  GridWidget* g = panel->Tabla().Grid();
  for (std::int32_t ref : {4999, 1000}) {
    SCOPED_TRACE(ref);
    g->SetTopRow(ref - 2);
    Procesar();
    const QPoint p = g->CellRect(ref + 1, 1).center() - g->viewport()->geometry().topLeft();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, p);
    Procesar();
    EXPECT_EQ(M().m_corrienteSel, ref);
    EXPECT_EQ(Vista()->EstadoEdicion(), kSelCorriente);
  }

  // The object browser.
  QDockWidget* dock = Marco().Dock(cmd::kVerVisorObjetos);
  ASSERT_NE(dock, nullptr);
  auto* visor = qobject_cast<CVisorObjetosDlg*>(dock->widget());
  ASSERT_NE(visor, nullptr);
  QTreeWidget* t = visor->Arbol();
  for (const char* texto : {"Corriente 5000", "Corriente 1001"}) {
    SCOPED_TRACE(texto);
    QTreeWidgetItem* item = visor->Buscar(QStringLiteral("Corrientes"), QString::fromUtf8(texto));
    ASSERT_NE(item, nullptr);
    t->scrollToItem(item);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(item).center());
    Procesar();
    EXPECT_EQ(M().m_corrienteSel + 1, std::stoi(std::string(texto).substr(10)));
    EXPECT_EQ(Vista()->EstadoEdicion(), kSelCorriente);
  }
}

TEST_F(CorrientesMil, CtrlClicRehusaUnCambiadorEnLaCorriente1001OSiguientes) {
  AbrirCon(1010, 200);
  if (HasFatalFailure()) return;
  struct Caso {
    const char* nombre;
    std::vector<std::int32_t> clics;  // Ctrl+clicks in order
  };
  const Caso casos[] = {
      {"segunda corriente 1002", {998, 1001}},
      {"primera corriente 1001", {1000}},
      {"calentador en 1002 (doble clic)", {}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    if (c.clics.empty()) {
      const QPoint p = EnFila(1001);
      QTest::mouseDClick(Lienzo(), Qt::LeftButton, Qt::ControlModifier, p);
      Procesar();
    } else {
      for (std::int32_t ref : c.clics) ClicEnFila(ref, Qt::ControlModifier);
    }
    // The double click's first press refuses too.
    const std::vector<std::string> m = Mensajes();
    ASSERT_FALSE(m.empty());
    for (const std::string& t : m) EXPECT_EQ(t, kMsgCambiadorNoGuardable);
    if (!c.clics.empty()) EXPECT_EQ(m.size(), 1u);
    EXPECT_EQ(M().GetNumCambiadores(), 0);
    EXPECT_EQ(Doc()->NumDeshacer(), 0);
  }

  // Stream 1000, the last the file names, takes an exchanger; the real
  // dialog opens on it.
  runner_.Clear();
  std::string caliente, fria;
  kitRunner_.ScriptDialog([&](Driver& d) {
    caliente = d.Text(CAddCambDlg::kIdCaliente);
    fria = d.Text(CAddCambDlg::kIdFria);
    d.Choose(CAddCambDlg::kIdTipo, 0);
    d.Type(CAddCambDlg::kIdCampoQ, "5");
    d.Ok();
  });
  ClicEnFila(998, Qt::ControlModifier);
  ClicEnFila(999, Qt::ControlModifier);
  EXPECT_TRUE(kitRunner_.Done());
  EXPECT_TRUE(Mensajes().empty());
  ASSERT_EQ(M().GetNumCambiadores(), 1);
  EXPECT_EQ(M().m_cambiadores[0].ladoCaliente.ref, 998);
  EXPECT_EQ(M().m_cambiadores[0].ladoFrio.ref, 999);
  EXPECT_EQ(caliente, "999   ");
  EXPECT_EQ(fria, "1000   ");
}

TEST_F(CorrientesMil, ElDialogoDeCambiadoresRehusaLaCorriente1001OSiguientes) {
  AbrirCon(1010, 200);
  if (HasFatalFailure()) return;
  // The lists: "Servicios Generales", then the streams of the kind in order:
  // entry k + 1 of the hot list is stream 2k, of the cold list 2k + 1.
  int calienteAntes = -1, friaAntes = -1;
  kitRunner_.ScriptDialog([&](Driver& d) {
    kit::Dialog& w = d.Dialog();
    calienteAntes = w.CurSel(CAddCambDlg::kIdCaliente);
    friaAntes = w.CurSel(CAddCambDlg::kIdFria);
    d.Choose(CAddCambDlg::kIdCaliente, 501);  // stream 1000: number 1001
    EXPECT_EQ(w.CurSel(CAddCambDlg::kIdCaliente), calienteAntes);
    d.Choose(CAddCambDlg::kIdFria, 502);  // stream 1003: number 1004
    EXPECT_EQ(w.CurSel(CAddCambDlg::kIdFria), friaAntes);
    d.Choose(CAddCambDlg::kIdCaliente, 500);  // stream 998: taken
    d.Choose(CAddCambDlg::kIdFria, 500);      // stream 999: taken
    EXPECT_EQ(d.Text(CAddCambDlg::kIdFria).substr(0, 4), "1000");
    d.Choose(CAddCambDlg::kIdTipo, 0);
    d.Type(CAddCambDlg::kIdCampoQ, "5");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kAnadirCambiadores));
  ASSERT_TRUE(kitRunner_.Done());
  EXPECT_EQ(Mensajes(),
            (std::vector<std::string>{kMsgCambiadorNoGuardable, kMsgCambiadorNoGuardable}));
  ASSERT_EQ(M().GetNumCambiadores(), 1);
  EXPECT_EQ(M().m_cambiadores[0].ladoCaliente.ref, 998);
  EXPECT_EQ(M().m_cambiadores[0].ladoFrio.ref, 999);
}

}  // namespace
}  // namespace vardo::prueba
