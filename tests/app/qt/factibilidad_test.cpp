// The pinch design method through the program: the four-stream example, the
// feasibility commands of the main window with the option on (the dialog,
// driven through the kit, its message boxes and the split dialog scripted)
// and off (the read-only windows).
#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QTest>

#include "app/core/emparejamientos.h"
#include "app/core/ids_comandos.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/dlg_factibilidad.h"
#include "fixture.h"
#include "model/documento_archivo.h"
#include "tests/comun/kit_listas.h"

namespace vardo::prueba {
namespace {

using D = CFactibilidadDlg;
using Textos = std::vector<std::string>;

constexpr Rgb kColor0 = MakeRgb(255, 200, 150);
constexpr Rgb kColor1 = MakeRgb(255, 0, 255);

// A match by two clicks, hot row first.
void Emparejar(Driver& dr, int caliente, int fria) {
  dr.Choose(D::kIdCalientes, caliente);
  dr.Choose(D::kIdFrias, fria);
}

class FactibilidadPrograma : public AppFixture {
 protected:
  // The design dialog of one command, driven by `guion`.
  void Disenar(int comando, std::function<void(Driver&, D&)> guion) {
    kitRunner_.ScriptDialog([guion](Driver& dr) { guion(dr, static_cast<D&>(dr.Dialog())); });
    ASSERT_TRUE(Ejecutar(comando));
    EXPECT_TRUE(kitRunner_.Done());
  }
  // The example with the option turned on by its command.
  void AbrirConOpcion() {
    ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
    ASSERT_FALSE(Doc()->m_bUsarFactibilidad);
    ASSERT_TRUE(Ejecutar(cmd::kUsarFactibilidad));
    ASSERT_TRUE(Doc()->m_bUsarFactibilidad);
    // The split dialog: C1 from 80 °C into branches to 135 and 125 °C.
    auto& fabrica = static_cast<FabricaDialogosQt&>(app_->Fabrica());
    fabrica.Registrar<DlgBifurcar>([](QWidget*, DlgBifurcar& b) {
      b.tEntrada = 353.15;
      b.tSalida1 = 408.15;
      b.tSalida2 = 398.15;
      b.porcentaje1 = 60;
      b.porcentaje2 = 40;
      return true;
    });
  }
  std::vector<std::uint8_t> Bytes() {
    MarcoDocumento marco;
    marco.usarFactibilidad = Doc()->m_bUsarFactibilidad ? 1 : 0;
    marco.modo = Doc()->m_nModo;
    CDiagrama copia;
    CopiarModeloCompleto(copia, Doc()->m_Diagrama);
    return GuardarDocumento(marco, copia);
  }
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> v;
    for (const MessageRequest& r : runner_.Log()) v.push_back(r.text);
    return v;
  }
};

void EsperarCambiador(const CDiagrama& d, std::size_t i, std::int32_t caliente, std::int32_t fria,
                      double q, double the, double ths, double tfe, double tfs) {
  ASSERT_LT(i, d.m_cambiadores.size());
  const CCambiador& c = d.m_cambiadores[i];
  SCOPED_TRACE(i);
  EXPECT_EQ(c.ladoCaliente.ref, caliente);
  EXPECT_EQ(c.ladoFrio.ref, fria);
  EXPECT_NEAR(c.q, q, 1e-6);
  EXPECT_NEAR(c.tEntradaCaliente, the, 1e-6);
  EXPECT_NEAR(c.tSalidaCaliente, ths, 1e-6);
  EXPECT_NEAR(c.tEntradaFria, tfe, 1e-6);
  EXPECT_NEAR(c.tSalidaFria, tfs, 1e-6);
  const auto en = [&](std::int32_t ref) {
    const auto& l = d.m_corrientes[static_cast<std::size_t>(ref)].m_cambiadores;
    return std::find(l.begin(), l.end(), static_cast<std::uint32_t>(i)) != l.end();
  };
  EXPECT_TRUE(en(caliente));
  EXPECT_TRUE(en(fria));
}

TEST_F(FactibilidadPrograma, LadoCalienteYLadoFrioHastaLosCambiadores) {
  AbrirConOpcion();
  const int pasos = Doc()->NumDeshacer();

  Disenar(cmd::kFactibilidadCaliente, [this](Driver& dr, D& w) {
    EXPECT_EQ(Entradas(w, D::kIdPinch), Textos{"Pinch de Proceso"});
    EXPECT_EQ(Entradas(w, D::kIdCalientes), (Textos{"2: 3.", "4: 1.5"}));
    EXPECT_EQ(Entradas(w, D::kIdFrias), (Textos{"1: 2.", "3: 4."}));
    EXPECT_TRUE(w.IsShown(D::kIdNumeroCaliente));
    EXPECT_EQ(w.Text(D::kIdNumeroCaliente),
              "Número de corrientes calientes <= Número de corrientes frías");
    EXPECT_FALSE(w.IsShown(D::kIdNumeroFrio));
    Emparejar(dr, 0, 0);  // 2 with 1
    EXPECT_EQ(Mensajes(), Textos{kMensajeNoFactible});
    Emparejar(dr, 0, 1);  // 2 with 3
    EXPECT_EQ(w.Text(D::kIdAyuda),
              "Cambiador añadido\nPara eliminarlo vuelva a hacer clic sobre sus corrientes");
    EXPECT_EQ(w.ItemColor(D::kIdCalientes, 0), kColor0);
    EXPECT_EQ(w.ItemColor(D::kIdFrias, 1), kColor0);
    Emparejar(dr, 1, 0);  // 4 with 1
    EXPECT_EQ(w.ItemColor(D::kIdCalientes, 1), kColor1);
    EXPECT_EQ(w.ItemColor(D::kIdFrias, 0), kColor1);
    Emparejar(dr, 0, 0);  // 2 with 1 again
    ASSERT_EQ(runner_.Log().size(), 2u);
    EXPECT_NE(runner_.Log()[1].text.find("Una de las corrientes ya está emparejada"),
              std::string::npos);
    dr.Ok();
  });
  const CDiagrama& m = Doc()->m_Diagrama;
  ASSERT_EQ(m.GetNumCambiadores(), 2);
  EsperarCambiador(m, 0, 1, 2, 240, 443.15, 363.15, 353.15, 413.15);
  EsperarCambiador(m, 1, 3, 0, 90, 423.15, 363.15, 353.15, 398.15);
  EXPECT_EQ(Doc()->NumDeshacer(), pasos + 1);
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_EQ(Marco().PaneText(kPanelCamb).left(7), QStringLiteral("Camb:2/"));
  // One undo takes both away; redo brings them back.
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCambiadores(), 0);
  ASSERT_TRUE(Ejecutar(cmd::kRehacer));
  ASSERT_EQ(Doc()->m_Diagrama.GetNumCambiadores(), 2);

  // Reopened: both matches in colours 0 and 1; clicking 2 and 3 again and
  // OK deletes that exchanger.
  Disenar(cmd::kFactibilidadCaliente, [](Driver& dr, D& w) {
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{kColor0, kColor1}));
    EXPECT_EQ(ColoresFilas(w, D::kIdFrias), (std::vector<Rgb>{kColor1, kColor0}));
    Emparejar(dr, 0, 1);
    EXPECT_EQ(w.Text(D::kIdAyuda), kAyudaCambiadorEliminado);
    dr.Ok();
  });
  ASSERT_EQ(Doc()->m_Diagrama.GetNumCambiadores(), 1);
  EsperarCambiador(Doc()->m_Diagrama, 0, 3, 0, 90, 423.15, 363.15, 353.15, 398.15);

  // The cold side: C3 starts at the pinch and is not listed.
  Disenar(cmd::kFactibilidadFrio, [](Driver& dr, D& w) {
    EXPECT_EQ(w.CurSel(D::kIdLado), 1);
    EXPECT_TRUE(w.IsShown(D::kIdMcpFrio));
    EXPECT_FALSE(w.IsShown(D::kIdMcpCaliente));
    EXPECT_EQ(Entradas(w, D::kIdCalientes), (Textos{"2: 3.", "4: 1.5"}));
    EXPECT_EQ(Entradas(w, D::kIdFrias), Textos{"1: 2."});
    Emparejar(dr, 0, 0);
    EXPECT_EQ(w.ItemColor(D::kIdFrias, 0), kColor0);
    dr.Ok();
  });
  ASSERT_EQ(Doc()->m_Diagrama.GetNumCambiadores(), 2);
  EsperarCambiador(Doc()->m_Diagrama, 1, 1, 0, 90, 363.15, 333.15, 308.15, 353.15);
}

TEST_F(FactibilidadPrograma, BifurcarYCancelarDejaElDocumentoIgual) {
  AbrirConOpcion();
  const std::vector<std::uint8_t> antes = Bytes();
  const bool modificado = Doc()->IsModified();
  const int pasos = Doc()->NumDeshacer();
  Disenar(cmd::kFactibilidadCaliente, [this](Driver& dr, D& w) {
    Emparejar(dr, 0, 1);  // 2 with 3
    runner_.Script({Answer::Yes});
    DobleClic(w, D::kIdFrias, 0);  // C1
    EXPECT_EQ(Mensajes().back(),
              "Al bifurcar una corriente se perderán las definiciones de cambiadores que se "
              "hayan realizado en este cuadro de diálogo\n\n¿Desea continuar?");
    EXPECT_EQ(Entradas(w, D::kIdCalientes), (Textos{"1: 3.", "3: 1.5"}));
    EXPECT_EQ(Entradas(w, D::kIdFrias), (Textos{"2: 4.", "5: 1.2", "6: 0.8"}));
    EXPECT_EQ(ColoresFilas(w, D::kIdFrias), (std::vector<Rgb>{0, 0, 0}));
    EXPECT_TRUE(w.Estado().Emparejamientos().empty());
    const CDiagrama& m = w.m_Diagrama;
    ASSERT_EQ(m.m_bifurcadas.size(), 1u);
    const CCorrienteBifurcada& b = m.m_bifurcadas[0];
    ASSERT_EQ(b.nodos.size(), 1u);
    EXPECT_EQ((std::vector<std::int32_t>{b.nodos[0].refEntrada, b.nodos[0].refRamaPrincipal,
                                         b.nodos[0].refRamaDesplazada, b.nodos[0].refSalida}),
              (std::vector<std::int32_t>{3, 4, 5, 6}));
    EXPECT_EQ(b.ramas, (std::vector<std::uint32_t>{3, 4, 5, 6}));
    EXPECT_EQ(b.conexiones, (std::vector<CConexion>{{3, 4}, {3, 5}, {4, 6}, {5, 6}}));
    DobleClic(w, D::kIdFrias, 1);  // "5: 1.2", node 0's branch 1
    EXPECT_EQ(Mensajes().back(), "No es posible bifurcar esa corriente");
    Emparejar(dr, 1, 0);  // 3 with 2, then Cancel
    dr.Cancel();
  });
  EXPECT_EQ(Bytes(), antes);
  EXPECT_EQ(Doc()->IsModified(), modificado);
  EXPECT_EQ(Doc()->NumDeshacer(), pasos);
}

TEST_F(FactibilidadPrograma, SinLaOpcionCadaComandoAbreSuVentana) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  ASSERT_FALSE(Doc()->m_bUsarFactibilidad);
  ASSERT_TRUE(Ejecutar(cmd::kFactibilidadCaliente));
  ASSERT_TRUE(Ejecutar(cmd::kFactibilidadFrio));
  EXPECT_TRUE(kitRunner_.Log().empty());  // no modal dialog
  QPointer<CFactibilidadCalDlg> caliente;
  QPointer<CFactibilidadFrioDlg> frio;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* c = dynamic_cast<CFactibilidadCalDlg*>(w); c && c->IsOpen()) caliente = c;
    if (auto* f = dynamic_cast<CFactibilidadFrioDlg*>(w); f && f->IsOpen()) frio = f;
  }
  ASSERT_TRUE(caliente && frio);
  using V = CFactibilidadLadoDlg;
  EXPECT_EQ(Entradas(*caliente, V::kIdListaB), (Textos{"2: 3.", "4: 1.5"}));
  EXPECT_EQ(Entradas(*caliente, V::kIdListaA), (Textos{"1: 2.", "3: 4."}));
  EXPECT_EQ(Entradas(*frio, V::kIdListaB), (Textos{"2: 3.", "4: 1.5"}));
  EXPECT_EQ(Entradas(*frio, V::kIdListaA), Textos{"1: 2."});
  EXPECT_TRUE(caliente->isVisible() && frio->isVisible());
  EXPECT_FALSE(Doc()->IsModified());
  Driver(*caliente).Click(kit::kIdCancel);
  Procesar();
  EXPECT_TRUE(caliente.isNull());
  ASSERT_FALSE(frio.isNull());
  EXPECT_TRUE(frio->isVisible());
  frio->close();
  Procesar();
}

}  // namespace
}  // namespace vardo::prueba
