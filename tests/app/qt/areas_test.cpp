// The integrity areas of the example with utilities and two areas, changed
// through the real program: the menu entry "Áreas de Integridad", the dialog,
// the note on showing several areas, one undo step.
#include <QAction>
#include <QMenu>

#include "app/core/document/ids_comandos.h"
#include "controls/grid/celdix.h"
#include "dialogs/entry/dlg_areas_integridad.h"
#include "fixture.h"
#include "model/constantes.h"

namespace vardo::prueba {
namespace {

using A = CAreasIntegridadDlg;
using Lista = std::vector<std::string>;

class AreasPrograma : public AppFixture {
 protected:
  // The menu entry as the menu bar offers it.
  QAction* Entrada() {
    for (QMenu* m : Marco().findChildren<QMenu*>())
      for (QAction* a : m->actions())
        if (a->text() == QStringLiteral("Áreas de &Integridad")) return a;
    return nullptr;
  }
};

Lista Lineas(kit::Dialog& d, int id) {
  Lista v;
  for (int i = 0; i < d.Count(id); ++i) v.push_back(d.ItemText(id, i));
  return v;
}

TEST_F(AreasPrograma, EnabledOnlyWithStreams) {
  ASSERT_EQ(Iniciar(), -1);
  Procesar();
  ASSERT_NE(Doc(), nullptr);
  EXPECT_FALSE(Marco().Commands().State(cmd::kAreasIntegridad).enabled);
  ASSERT_NE(app_->AbrirDocumento(CopiaEjemplo("cuatro_corrientes.vdo")), nullptr);
  Procesar();
  EXPECT_TRUE(Marco().Commands().State(cmd::kAreasIntegridad).enabled);
}

TEST_F(AreasPrograma, MoverUnaCorrienteAUnAreaNuevaEsUnPasoDeDeshacer) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  Marco().show();
  Procesar();
  const CDiagrama antes = Doc()->m_Diagrama;
  ASSERT_EQ(antes.m_areas.size(), 2u);
  ASSERT_FALSE(Doc()->PuedeDeshacer());
  ASSERT_TRUE(Marco().Commands().State(cmd::kAreasIntegridad).enabled);

  Lista areas, area1, disponibles, cabeceras;
  kitRunner_.ScriptDialog([&](Driver& d) {
    A& a = dynamic_cast<A&>(d.Dialog());
    areas = Lineas(a, A::kIdAreas);
    // Nothing is selected, yet the first area's members show.
    area1 = Lineas(a, A::kIdSeleccionadas);
    const Celdix& t = *a.Get<Celdix>(A::kIdTabla);
    for (int c = 1; c < t.Cols(); ++c) cabeceras.push_back(t.TextMatrix(0, c).toStdString());
    d.Grab(std::string(::testing::TempDir()) + "programa_areas_abre.png");
    // H4 leaves the second area for a new third one, which is shown.
    d.Click(A::kIdNueva);
    d.Choose(A::kIdAreas, 1);
    d.Choose(A::kIdSeleccionadas, 1);
    d.Click(A::kIdSacar);
    disponibles = Lineas(a, A::kIdDisponibles);
    d.Choose(A::kIdAreas, 2);
    d.Choose(A::kIdDisponibles, 0);
    d.Click(A::kIdMeter);
    d.Type(A::kIdNombre, "Enfriamiento");
    d.Enter();
    d.Click(A::kIdMostrarSeleccionada);
    d.Grab(std::string(::testing::TempDir()) + "programa_areas_cambiadas.png");
    d.Ok();
  });
  QAction* entrada = Entrada();
  ASSERT_NE(entrada, nullptr);
  ASSERT_TRUE(entrada->isEnabled());
  entrada->trigger();
  Procesar();

  ASSERT_TRUE(kitRunner_.Done());
  EXPECT_EQ(areas, (Lista{"1 Area 1", "2 Area 2"}));
  EXPECT_EQ(area1, (Lista{"1 C1", "2 H2", "S1 Vapor"}));
  EXPECT_EQ(cabeceras, (Lista{"Sin Dividir", "1 Area 1", "2 Area 2", "Dividido"}));
  EXPECT_EQ(disponibles, Lista{"4 H4"});
  // No area was shown before: the note on showing areas comes once.
  ASSERT_FALSE(runner_.Log().empty());
  EXPECT_EQ(runner_.Log().back().text.rfind("NOTAS SOBRE LA UTILIZACIÓN DE ÁREAS DE INTEGRIDAD:", 0), 0u);

  const CDiagrama& m = Doc()->m_Diagrama;
  ASSERT_EQ(m.m_areas.size(), 3u);
  EXPECT_EQ(m.m_areas[2].GetNombre(), "Enfriamiento");
  EXPECT_EQ(m.m_areas[2].mostrada, 1);
  EXPECT_EQ(m.m_corrientes[3].m_area, 2);
  EXPECT_EQ(std::vector<std::uint32_t>(m.m_areas[2].corrientes), std::vector<std::uint32_t>{3});
  EXPECT_EQ(std::vector<std::uint32_t>(m.m_areas[1].corrientes),
            (std::vector<std::uint32_t>{2, kRefServicio + 1}));
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  EXPECT_TRUE(Doc()->IsModified());
  Vista()->grab().save(QString::fromStdString(std::string(::testing::TempDir()) +
                                              "programa_areas_rejilla.png"));

  // One undo step brings the two areas back as they were.
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kDeshacer));
  Procesar();
  EXPECT_EQ(Doc()->m_Diagrama.m_areas, antes.m_areas);
  EXPECT_EQ(Doc()->m_Diagrama.m_corrientes[3].m_area, 1);
  EXPECT_FALSE(Doc()->PuedeDeshacer());
}

TEST_F(AreasPrograma, CancelarNoCambiaNada) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  Procesar();
  const CDiagrama antes = Doc()->m_Diagrama;
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Click(A::kIdNueva);
    d.Click(A::kIdSacarTodas);
    d.Cancel();
  });
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kAreasIntegridad));
  Procesar();
  EXPECT_TRUE(kitRunner_.Done());
  EXPECT_EQ(Doc()->m_Diagrama.m_areas, antes.m_areas);
  EXPECT_FALSE(Doc()->PuedeDeshacer());
  EXPECT_FALSE(Doc()->IsModified());
  EXPECT_TRUE(runner_.Log().empty());
}

}  // namespace
}  // namespace vardo::prueba
