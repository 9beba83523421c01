// The exchangers dialog and the split dialogs in the running program, on the
// sample documents: an exchanger drawn between two streams and specified in
// the dialog, and a split made, modified and undone through the commands.
#include <QApplication>
#include <cmath>

#include "app/core/document/ids_comandos.h"
#include "app/core/entry/editor_cambiadores.h"
#include "dialogs/entry/dlg_bifurcar.h"
#include "dialogs/entry/dlg_cambiadores.h"
#include "dialogs/entry/dlg_propiedades.h"
#include "fixture.h"
#include "model/bifurcacion_edicion.h"
#include "model/constantes.h"
#include "platform/core/numtext.h"
#include "tests/dialogs/entry/ventanas.h"

namespace vardo::prueba {
namespace {

using D = CAddCambDlg;
using B = CBifurcarDlg;

class EditarCambiadores : public AppFixture {
 protected:
  // Selects process stream s as a click on it does.
  void Seleccionar(std::int32_t s) {
    Doc()->m_Diagrama.SeleccionarCorriente(s);
    Doc()->SetTipoSeleccion(kSelCorriente);
  }
  ~EditarCambiadores() override {
    for (kit::Dialog* d : Abiertas<kit::Dialog>()) d->close();
    Borrados();
  }
};

TEST_F(EditarCambiadores, UnCambiadorDibujadoEntreH2YC3SeEspecificaPorSuCarga) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  CVardoDoc& doc = *Doc();
  ASSERT_EQ(doc.m_Diagrama.GetNumCambiadores(), 0);
  const int pasos = doc.NumDeshacer();
  // The grid diagram appends the provisional exchanger H2–C3, selects it
  // and opens the editor on it.
  CDiagrama& m = doc.m_Diagrama;
  m.AddCambiador(kModoQ, 1, 2, kTipoNinguno, 0, kTipoExtremo, 0, kTipoNinguno, 0, kTipoExtremo, 0,
                 1, 0.0);
  m.SeleccionarCambiador(0);
  doc.SetTipoSeleccion(kSelCambiador);
  bool abiertoTrasEnter = false;
  std::string cargaTrasEnter;
  kitRunner_.ScriptDialog([&](Driver& d) {
    EXPECT_EQ(d.Text(D::kIdCaliente), "2   H2");
    EXPECT_EQ(d.Text(D::kIdFria), "3   C3");
    d.Choose(D::kIdTipo, 0);
    d.Type(D::kIdCampoQ, "60");
    d.Enter();
    abiertoTrasEnter = d.Dialog().IsOpen();
    cargaTrasEnter = d.Text(D::kIdCampoQ);
    d.Grab(std::string(::testing::TempDir()) + "programa_cambiador.png");
    d.Ok();
  });
  doc.EditarCambiadores(0, 0);
  Procesar();
  EXPECT_TRUE(abiertoTrasEnter);
  EXPECT_EQ(cargaTrasEnter, "60.");
  EXPECT_TRUE(kitRunner_.Done());
  ASSERT_EQ(m.GetNumCambiadores(), 1);
  EXPECT_EQ(doc.NumDeshacer(), pasos + 1);
  const CCambiador& c = m.m_cambiadores[0];
  EXPECT_EQ(c.calculado, 1);
  EXPECT_NEAR(c.q, 60.0, 1e-9);
  EXPECT_NEAR(c.tSalidaCaliente, 423.15, 1e-9);
  EXPECT_NEAR(c.tSalidaFria, 368.15, 1e-9);

  // H2's properties window lists the exchanger.
  Seleccionar(1);
  ASSERT_TRUE(Ejecutar(cmd::kPropiedadesCorriente));
  const auto ventanas = Abiertas<CPropCorrienteDlg>();
  ASSERT_EQ(ventanas.size(), 1u);
  EXPECT_EQ(Lineas(*ventanas[0], CPropCorrienteDlg::kIdCambiadores),
            std::vector<std::string>{"1: desde 443.15 K hasta 423.15 K"});

  // One undo step takes it away, the provisional one included.
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCambiadores(), 0);
}

TEST_F(EditarCambiadores, CancelarQuitaElProvisional) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  CVardoDoc& doc = *Doc();
  const int pasos = doc.NumDeshacer();
  doc.m_Diagrama.AddCambiador(kModoQ, 1, 2, 0, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 1, 0.0);
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(D::kIdCampoQ, "60");
    d.Escape();
  });
  doc.EditarCambiadores(0, 0);
  EXPECT_EQ(doc.m_Diagrama.GetNumCambiadores(), 0);
  EXPECT_EQ(doc.NumDeshacer(), pasos);
}

TEST_F(EditarCambiadores, LaOrdenAnadirAbreElDialogoYCreaElPrimero) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  EXPECT_TRUE(Marco().Commands().State(cmd::kAnadirCambiadores).enabled);
  const int pasos = Doc()->NumDeshacer();
  // Cancel: the exchanger the dialog made for itself goes with it.
  kitRunner_.ScriptDialog([](Driver& d) { d.Cancel(); });
  ASSERT_TRUE(Ejecutar(cmd::kAnadirCambiadores));
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCambiadores(), 0);
  EXPECT_EQ(Doc()->NumDeshacer(), pasos);
  kitRunner_.ScriptDialog([](Driver& d) {
    // C1 is cold: the generic utility heats it to its target.
    EXPECT_EQ(d.Text(D::kIdCaliente), kServiciosGenerales);
    EXPECT_EQ(d.Text(D::kIdFria), "1   C1");
    d.Choose(D::kIdTipo, 2);
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kAnadirCambiadores));
  const CDiagrama& m = Doc()->m_Diagrama;
  ASSERT_EQ(m.GetNumCambiadores(), 1);
  EXPECT_EQ(m.m_cambiadores[0].modo, kModoCompletarFria);
  EXPECT_EQ(m.m_cambiadores[0].ladoCaliente.ref, kRefGenerico);
  EXPECT_NEAR(m.m_cambiadores[0].q, 230.0, 1e-9);
}

TEST_F(EditarCambiadores, UnaBifurcacionHechaModificadaYDeshecha) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  CVardoDoc& doc = *Doc();
  const int pasos = doc.NumDeshacer();
  Seleccionar(0);  // C1, 293.15 -> 408.15 K, m·cp 2
  ASSERT_TRUE(Marco().Commands().State(cmd::kBifurcarNueva).enabled);
  EXPECT_FALSE(Marco().Commands().State(cmd::kBifurcarModificar).enabled);
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(B::kIdSalida1, "380");
    d.Type(B::kIdPorcentaje1, "33.3");
    d.Enter();
  });
  ASSERT_TRUE(Ejecutar(cmd::kBifurcarNueva));
  EXPECT_EQ(kitRunner_.Log().back().text, "Bifurcar la corriente número 1");
  const CDiagrama& m = Doc()->m_Diagrama;
  ASSERT_EQ(m.m_bifurcadas.size(), 1u);
  ASSERT_EQ(m.GetNumCorrientes(), 7);
  const CCuaterna& nodo = m.m_bifurcadas[0].nodos[0];
  const std::int32_t rama1 = nodo.refRamaPrincipal;
  EXPECT_NEAR(m.m_corrientes[static_cast<std::size_t>(rama1)].GetCP(kTSentinel, kTSentinel),
              2 * 0.333, 1e-6);

  // "Modificar" on a branch shows the exact share and keeps it on OK.
  Seleccionar(rama1);
  ASSERT_TRUE(Marco().Commands().State(cmd::kBifurcarModificar).enabled);
  std::string porcentaje;
  int barra = -1;
  kitRunner_.ScriptDialog([&](Driver& d) {
    porcentaje = d.Text(B::kIdPorcentaje1);
    barra = d.Dialog().Pos(B::kIdBarra);
    EXPECT_EQ(d.Text(B::kIdSalida1), "380");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kBifurcarModificar));
  EXPECT_EQ(porcentaje, "33.3");
  EXPECT_EQ(barra, 33);
  {
    const CDiagrama& tras = Doc()->m_Diagrama;
    ASSERT_EQ(tras.m_bifurcadas.size(), 1u);
    const std::int32_t r1 = tras.m_bifurcadas[0].nodos[0].refRamaPrincipal;
    EXPECT_NEAR(tras.m_corrientes[static_cast<std::size_t>(r1)].GetCP(kTSentinel, kTSentinel),
                2 * 0.333, 1e-5);
  }
  EXPECT_EQ(Doc()->NumDeshacer(), pasos + 2);

  // Two undo steps give back the stream as it was.
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  const CDiagrama& antes = Doc()->m_Diagrama;
  EXPECT_TRUE(antes.m_bifurcadas.empty());
  ASSERT_EQ(antes.GetNumCorrientes(), 4);
  EXPECT_EQ(antes.m_corrientes[0].GetT1(), 293.15);
  EXPECT_EQ(antes.m_corrientes[0].GetT2(), 408.15);
}

// "Nueva" on a part of a split made before: the real dialog opens on that
// part and the split gets a second node; the main branch cannot be split.
TEST_F(EditarCambiadores, NuevaSobreUnaParteDeUnaBifurcacionLaAmplia) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  Seleccionar(0);  // C1, 293.15 -> 408.15 K, m·cp 2
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(B::kIdSalida1, "380");
    d.Type(B::kIdPorcentaje1, "50");
    d.Enter();
  });
  ASSERT_TRUE(Ejecutar(cmd::kBifurcarNueva));
  const CDiagrama& m = Doc()->m_Diagrama;
  ASSERT_EQ(m.m_bifurcadas.size(), 1u);
  ASSERT_EQ(m.GetNumCorrientes(), 7);
  const CCuaterna primero = m.m_bifurcadas[0].nodos[0];
  Seleccionar(primero.refRamaPrincipal);
  EXPECT_FALSE(Marco().Commands().State(cmd::kBifurcarNueva).enabled);

  // The outgoing part, 380 -> 408.15 K after the branches mix.
  const std::int32_t salida = primero.refSalida;
  Seleccionar(salida);
  ASSERT_TRUE(Marco().Commands().State(cmd::kBifurcarNueva).enabled);
  kitRunner_.ScriptDialog([&](Driver& d) {
    d.Type(B::kIdPorcentaje1, "50");
    d.Grab(std::string(::testing::TempDir()) + "programa_bifurcar_parte.png");
    d.Enter();
  });
  ASSERT_TRUE(Ejecutar(cmd::kBifurcarNueva));
  EXPECT_EQ(kitRunner_.Log().back().text,
            "Bifurcar la corriente número " + std::to_string(salida + 1));
  const CDiagrama& tras = Doc()->m_Diagrama;
  ASSERT_EQ(tras.m_bifurcadas.size(), 1u);
  EXPECT_EQ(tras.m_bifurcadas[0].nodos.size(), 2u);
  EXPECT_EQ(tras.GetNumCorrientes(), 10);
  // One undo step takes the second node away.
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  EXPECT_EQ(Doc()->m_Diagrama.m_bifurcadas[0].nodos.size(), 1u);
}

TEST_F(EditarCambiadores, UnaCorrienteLatenteSeDividePorCarga) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("latente_y_tabla.vdo")}), -1);
  const CDiagrama& m = Doc()->m_Diagrama;
  std::int32_t latente = -1;
  for (std::int32_t s = 0; s < m.GetNumCorrientes(); ++s)
    if (EsLatente(m.m_corrientes[static_cast<std::size_t>(s)])) latente = s;
  ASSERT_GE(latente, 0);
  const double total =
      std::fabs(m.m_corrientes[static_cast<std::size_t>(latente)].GetH(kTSentinel, 1));
  const int corrientes = m.GetNumCorrientes();
  Seleccionar(latente);
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(CBifurcarHDlg::kIdH1, "150");
    d.Enter();
  });
  ASSERT_TRUE(Ejecutar(cmd::kBifurcarNueva));
  EXPECT_EQ(kitRunner_.Log().back().text, "Bifurcar corriente");
  const CDiagrama& tras = Doc()->m_Diagrama;
  ASSERT_EQ(tras.GetNumCorrientes(), corrientes + 1);
  const double h1 =
      std::fabs(tras.m_corrientes[static_cast<std::size_t>(corrientes - 1)].GetH(kTSentinel, 1));
  const double h2 =
      std::fabs(tras.m_corrientes[static_cast<std::size_t>(corrientes)].GetH(kTSentinel, 1));
  EXPECT_NEAR(h1, 150.0, 1e-9);
  EXPECT_NEAR(h2, total - 150.0, 1e-9);
}

}  // namespace
}  // namespace vardo::prueba
