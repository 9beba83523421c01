// The utilities of the four-stream example defined, combined and shown
// through the real program: Ctrl+U, the sheet "Servicios Generales", the
// undo step and the question that offers to show them.
#include <QTest>

#include "app/core/document/ids_comandos.h"
#include "dialogs/entry/dlg_formato_cambiadores.h"
#include "fixture.h"
#include "model/constantes.h"
#include "tests/dialogs/entry/servicios_prueba.h"

namespace vardo::prueba {
namespace {

class ServiciosPrograma : public AppFixture {};

constexpr const char* kCubren =
    "Los servicios que ha definido cubren completamente las necesidades de energía del "
    "proceso.\n\n¿Desea mostrar estos servicios en lugar de los servicios por defecto?";

TEST_F(ServiciosPrograma, DefinirCombinarYMostrarLosServicios) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  Marco().show();
  Procesar();
  ASSERT_EQ(Doc()->m_Diagrama.GetNumServicios(), 0);
  ASSERT_FALSE(Doc()->PuedeDeshacer());
  EXPECT_TRUE(Marco().Commands().State(cmd::kAnadirServicios).enabled);

  std::vector<std::string> tipos, totales;
  std::vector<double> barras;
  bool ajusteAlEntrar = false, ajusteAlSalir = false;
  kitRunner_.ScriptDialog([&](Driver& d) {
    CServGenSheet& hoja = Hoja(d);
    EXPECT_EQ(hoja.ActiveIndex(), 0);
    Celdix& t = *hoja.m_add.Get<Celdix>(CAddSGDlg::kIdTabla);
    PulsarBoton(t.AddButton());
    PulsarBoton(t.AddButton());
    // Steam: a latent utility at 473.15 K, above the pinch, heats.
    EditCell(t, 1, 1, "Vapor");
    EditCell(t, 1, 4, "473.15");
    // Cooling water from 278.15 to 288.15 K.
    EditCell(t, 2, 1, "Agua");
    ElegirEnCelda(t, 2, 3, 0);
    EditCell(t, 2, 4, "278.15");
    EditCell(t, 2, 5, "288.15");
    for (int r = 1; r <= 2; ++r)
      tipos.push_back((t.TextMatrix(r, 2) + " " + t.TextMatrix(r, 3)).toStdString());
    d.Grab(std::string(::testing::TempDir()) + "programa_servicios_anadir.png");

    ASSERT_TRUE(d.Page(1));
    CCombinarSGDlg& c = hoja.m_combinar;
    // New utilities carry no load: their curve fits and the box starts
    // set. The loads are typed with the fit on; each keeps the fit.
    ajusteAlEntrar = c.Checked(CCombinarSGDlg::kIdAjustar);
    TypeBar(*c.Get<Barrion>(CCombinarSGDlg::kIdCalor), 0, "20");
    TypeBar(*c.Get<Barrion>(CCombinarSGDlg::kIdFrio), 0, "60");
    ajusteAlSalir = c.Checked(CCombinarSGDlg::kIdAjustar);
    totales = {c.Text(CCombinarSGDlg::kIdTotalCalor), c.Text(CCombinarSGDlg::kIdTotalFrio)};
    barras = {c.Get<Barrion>(CCombinarSGDlg::kIdCalor)->LeerScroll(0).value_or(-1.0),
              c.Get<Barrion>(CCombinarSGDlg::kIdFrio)->LeerScroll(0).value_or(-1.0)};
    d.Grab(std::string(::testing::TempDir()) + "programa_servicios_combinar.png");
    d.Ok();
  });
  runner_.Script({Answer::Yes});
  QTest::keyClick(Vista(), Qt::Key_U, Qt::ControlModifier);
  Procesar();

  ASSERT_TRUE(kitRunner_.Done());
  EXPECT_EQ(tipos, (std::vector<std::string>{"Calefacción Latente", "Refrigeración Sensible"}));
  EXPECT_TRUE(ajusteAlEntrar);
  EXPECT_TRUE(ajusteAlSalir);
  EXPECT_EQ(barras, (std::vector<double>{20, 60}));
  EXPECT_EQ(totales, (std::vector<std::string>{"20. kW/20. kW", "60. kW/60. kW"}));
  // No change was refused.
  for (const RunRecord& r : kitRunner_.Log()) EXPECT_NE(r.kind, RunRecord::Kind::Beep);
  ASSERT_FALSE(runner_.Log().empty());
  EXPECT_EQ(runner_.Log().back().text, kCubren);

  const CDiagrama& m = Doc()->m_Diagrama;
  ASSERT_EQ(m.GetNumServicios(), 2);
  EXPECT_EQ(m.m_servicios[0].GetNombre(), "Vapor");
  EXPECT_EQ(m.m_servicios[0].m_fria, 0);
  EXPECT_EQ(m.m_servicios[0].m_latente, 1);
  EXPECT_DOUBLE_EQ(m.m_servicios[0].m_carga, 20);
  EXPECT_EQ(m.m_servicios[1].m_fria, 1);
  EXPECT_DOUBLE_EQ(m.m_servicios[1].GetT2(), 288.15);
  EXPECT_DOUBLE_EQ(m.m_servicios[1].m_carga, 60);
  EXPECT_EQ(m.m_serviciosVisibles, 1);  // "Sí": on the grid diagram
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  EXPECT_TRUE(Doc()->IsModified());
  ASSERT_TRUE(Doc()->m_nModo == kModoRejilla);
  Vista()->grab().save(QString::fromStdString(std::string(::testing::TempDir()) +
                                              "programa_servicios_rejilla.png"));

  // One undo step brings the problem without utilities back.
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kDeshacer));
  Procesar();
  EXPECT_EQ(Doc()->m_Diagrama.GetNumServicios(), 0);
  EXPECT_EQ(Doc()->m_Diagrama.m_serviciosVisibles, 0);
  EXPECT_FALSE(Doc()->PuedeDeshacer());
}

// The steam of the example with utilities (453.15 K, the heater of C1,
// exchanger 2) moved in "Servicios Generales": OK checks the exchangers at
// once, so the heater is drawn from the steam's new temperature and the
// calculation's message comes up (the example's design carries a warning
// of its own). At 473.15 K all fits; at 400.5 K the steam cannot heat C1
// to 408.15 K and the message names that error.
TEST_F(ServiciosPrograma, AceptarCompruebaLosCambiadoresDeLosServicios) {
  struct Caso {
    const char* temperatura;
    double esperada;
    bool error;
  };
  for (const Caso& caso : {Caso{"473,15", 473.15, false}, Caso{"400,5", 400.5, true}}) {
    SCOPED_TRACE(caso.temperatura);
    ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
    Marco().show();
    Procesar();
    const CDiagrama& m = Doc()->m_Diagrama;
    ASSERT_EQ(m.m_cambiadores.at(1).ladoCaliente.ref, kRefServicio);
    ASSERT_DOUBLE_EQ(m.m_cambiadores[1].tEntradaCaliente, 453.15);

    kitRunner_.ScriptDialog([&](Driver& d) {
      Celdix& t = *Hoja(d).m_add.Get<Celdix>(CAddSGDlg::kIdTabla);
      ASSERT_EQ(t.TextMatrix(1, 4).toStdString(), "453.15");
      EditCell(t, 1, 4, caso.temperatura);
      d.Ok();
    });
    std::string texto;
    kitRunner_.ScriptDialog([&](Driver& d) {
      texto = d.Text(CCalculoCambDlg::kIdTexto);
      d.Click(CCalculoCambDlg::kIdCerrar);
    });
    QTest::keyClick(Vista(), Qt::Key_U, Qt::ControlModifier);
    Procesar();

    ASSERT_TRUE(kitRunner_.Done());
    std::vector<std::string> dialogos;
    for (const RunRecord& r : kitRunner_.Log())
      if (r.kind == RunRecord::Kind::Dialog) dialogos.push_back(r.text);
    EXPECT_EQ(dialogos, (std::vector<std::string>{"Servicios Generales", "Cálculo de cambiadores"}));
    EXPECT_DOUBLE_EQ(m.m_servicios[0].GetT1(), caso.esperada);
    EXPECT_DOUBLE_EQ(m.m_cambiadores[1].tEntradaCaliente, caso.esperada);
    EXPECT_DOUBLE_EQ(m.m_cambiadores[1].tSalidaCaliente, caso.esperada);
    EXPECT_EQ(texto.find("Errores:") != std::string::npos, caso.error) << texto;
    EXPECT_EQ(texto.find("Es imposible transmitir calor de la corriente S1 a la") != std::string::npos,
              caso.error)
        << texto;
    EXPECT_EQ(Doc()->NumDeshacer(), 1);
    app_->CerrarTodos();
    app_.reset();
    Procesar();
    kitRunner_.Clear();
  }
}

}  // namespace
}  // namespace vardo::prueba
