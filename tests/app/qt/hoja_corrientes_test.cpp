// A problem entered from scratch in the real program: a new document, Ctrl+S
// on the grid view opens "Añadir Corrientes", the four streams are typed
// page by page as a user types them, and "Aceptar" hands them to the
// document in one undo step; the counts, the grid diagram, undo and redo,
// and a saved and reopened document follow.
#include <QFile>
#include <QImage>
#include <QTest>

#include "app/core/document/ids_comandos.h"
#include "dialogs/entry/dlg_corrientes.h"
#include "model/constantes.h"
#include "fixture.h"

namespace vardo::prueba {
namespace {

using P = CCorrientesDlg;

class HojaCorrientes : public AppFixture {
 protected:
  static QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << ruta.toStdString();
    return f.readAll();
  }
  // Pixels of the grid view that are not white.
  int PuntosDibujados() {
    const QImage im = Vista()->viewport()->grab().toImage();
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x)
        if (im.pixel(x, y) != qRgb(255, 255, 255)) ++n;
    return n;
  }
};

struct Tecleo {
  const char* entrada;
  const char* salida;
  const char* mcp;
};

TEST_F(HojaCorrientes, CuatroCorrientesTecleadasEnUnDocumentoNuevo) {
  ASSERT_EQ(Iniciar(), -1);
  ASSERT_NE(Doc(), nullptr);
  ASSERT_EQ(Doc()->m_Diagrama.GetNumCorrientes(), 0);
  Marco().show();
  Procesar();
  EXPECT_EQ(PuntosDibujados(), 0);

  const Tecleo corrientes[] = {{"293.15", "408.15", "2"},
                               {"443.15", "333.15", "3"},
                               {"353.15", "413.15", "4"},
                               {"423.15", "303.15", "1.5"}};
  std::vector<std::string> numeros;
  kitRunner_.ScriptDialog([&](Driver& d) {
    for (std::size_t i = 0; i < std::size(corrientes); ++i) {
      if (i > 0) d.Click(P::kIdAnadir);
      numeros.push_back(d.Text(P::kIdNumero));
      d.Type(P::kIdTEntrada, corrientes[i].entrada);
      d.Type(P::kIdTSalida, corrientes[i].salida);
      d.Click(P::kIdRadioMcp);
      d.Type(P::kIdMcp, corrientes[i].mcp);
    }
    d.Grab(std::string(::testing::TempDir()) + "hoja_corrientes_programa.png");
    d.Ok();
  });
  Vista()->setFocus();
  QTest::keyClick(Vista(), Qt::Key_S, Qt::ControlModifier);
  Procesar();
  ASSERT_TRUE(kitRunner_.Done());
  ASSERT_EQ(kitRunner_.Log().size(), 1u);
  EXPECT_EQ(kitRunner_.Log()[0].text, "Añadir Corrientes");
  EXPECT_EQ(numeros, (std::vector<std::string>{"1", "2", "3", "4"}));

  const CDiagrama& m = Doc()->m_Diagrama;
  ASSERT_EQ(m.GetNumCorrientes(), 4);
  const struct {
    double t1, t2, h;
    int fria;
  } esperadas[] = {{293.15, 408.15, 230, 1}, {443.15, 333.15, -330, 0}, {353.15, 413.15, 240, 1},
                   {423.15, 303.15, -180, 0}};
  for (int i = 0; i < 4; ++i) {
    const CCorriente& s = m.m_corrientes[static_cast<std::size_t>(i)];
    EXPECT_DOUBLE_EQ(s.GetT1(), esperadas[i].t1) << i;
    EXPECT_DOUBLE_EQ(s.GetT2(), esperadas[i].t2) << i;
    EXPECT_NEAR(s.GetH(kTSentinel, 1), esperadas[i].h, 1e-9) << i;
    EXPECT_EQ(s.m_fria, esperadas[i].fria) << i;
  }
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_EQ(Marco().PaneText(kPanelCal), QStringLiteral("Cal:0./20."));
  EXPECT_EQ(Marco().PaneText(kPanelRef), QStringLiteral("Ref:0./60."));
  // The grid diagram: every stream has its row, and the view shows it.
  EXPECT_EQ(Doc()->m_nModo, 3);
  for (const CCorriente& s : m.m_corrientes) EXPECT_GT(s.m_rect.Width(), 0);
  const int dibujados = PuntosDibujados();
  EXPECT_GT(dibujados, 0);
  Vista()->viewport()->grab().save(
      QString::fromStdString(std::string(::testing::TempDir()) + "hoja_corrientes_rejilla.png"));

  // Undo takes the whole entry back, redo brings it again.
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCorrientes(), 0);
  EXPECT_EQ(Doc()->NumDeshacer(), 0);
  EXPECT_EQ(PuntosDibujados(), 0);
  ASSERT_TRUE(Ejecutar(cmd::kRehacer));
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCorrientes(), 4);
  EXPECT_EQ(Marco().PaneText(kPanelCal), QStringLiteral("Cal:0./20."));
  EXPECT_EQ(Marco().PaneText(kPanelRef), QStringLiteral("Ref:0./60."));
  EXPECT_EQ(PuntosDibujados(), dibujados);

  // Saved, reopened and saved again: the same bytes.
  const QString uno = Ruta("entrada.vdo");
  const QString dos = Ruta("reabierto.vdo");
  dialogos_.Script(uno);
  ASSERT_TRUE(Ejecutar(cmd::kGuardarComo));
  ASSERT_TRUE(Ejecutar(cmd::kCerrar));
  ASSERT_NE(app_->AbrirDocumento(uno), nullptr);
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCorrientes(), 4);
  dialogos_.Script(dos);
  ASSERT_TRUE(Ejecutar(cmd::kGuardarComo));
  EXPECT_EQ(Leer(uno), Leer(dos));
  EXPECT_FALSE(Leer(uno).isEmpty());
  EXPECT_TRUE(runner_.Log().empty());
}

// Double-clicking a stream of the grid opens the sheet on it ("Modificar").
TEST_F(HojaCorrientes, ModificarAbreLaHojaEnLaCorrienteSeleccionada) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  Doc()->m_Diagrama.SeleccionarCorriente(2);
  Vista()->SetEstadoEdicion(CVardoView::kSelCorriente);
  std::string numero;
  kitRunner_.ScriptDialog([&](Driver& d) {
    numero = d.Text(P::kIdNumero);
    d.Click(P::kIdRadioMcp);
    d.Type(P::kIdMcp, "5");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kModificarCorriente));
  EXPECT_EQ(numero, "3");
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  EXPECT_NEAR(Doc()->m_Diagrama.m_corrientes[2].GetH(kTSentinel, 1), 300, 1e-9);
}

}  // namespace
}  // namespace vardo::prueba
