// The format commands of the running program with their real dialogs: the
// grid diagram's and the chart's properties, the custom chart and the two
// exchanger formats, each driven as a user drives its dialog.
#include <QTest>

#include "app/core/ids_comandos.h"
#include "dialogs/entry/dlg_formato_cambiadores.h"
#include "dialogs/entry/dlg_prop_diagrama.h"
#include "dialogs/entry/dlg_prop_grafico.h"
#include "fixture.h"
#include "model/constantes.h"

namespace vardo::prueba {
namespace {

class Formatos : public AppFixture {
 protected:
  void Abrir(const char* ejemplo) {
    ASSERT_EQ(Iniciar({CopiaEjemplo(ejemplo)}), -1);
    Marco().show();
    Procesar();
  }
  bool Ejecutar(int id) {
    const bool r = Marco().Commands().Execute(id);
    Procesar();
    return r;
  }
  CDiagrama& M() { return Doc()->m_Diagrama; }
  void Ensanchar(const char* ancho, std::int32_t derecha, double factor);
};

// The grid made `ancho` cm wide in its properties: the rectangle takes the
// whole centimetres, the exchangers' places the typed factor.
void Formatos::Ensanchar(const char* ancho, std::int32_t derecha, double factor) {
  using D = CPropDiagramaDlg;
  Abrir("servicios_y_area.vdo");
  ASSERT_EQ(M().m_rectGrafico, CDiagrama::kRectGraficoDefecto);
  std::vector<std::int32_t> antes;
  for (const CCambiador& e : M().m_cambiadores) antes.push_back(e.rectCaliente.left);
  const LogFont fuente = M().m_fuente;
  std::string anchoVisto, altoVisto;
  kitRunner_.ScriptDialog([&](Driver& d) {
    anchoVisto = d.Text(D::kIdAncho);
    altoVisto = d.Text(D::kIdAlto);
    d.Type(D::kIdAncho, ancho);
    d.Click(D::kIdCambiarFuente);
    d.Ok();
  });
  kitRunner_.ScriptFont(std::nullopt);
  ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
  EXPECT_EQ(anchoVisto, "18");
  EXPECT_EQ(altoVisto, "11");
  EXPECT_EQ(M().m_rectGrafico, (Rect{1500, -1500, derecha, -12500}));
  for (std::size_t i = 0; i < antes.size(); ++i)
    EXPECT_EQ(M().m_cambiadores[i].rectCaliente.left, TruncCoord((antes[i] - 1500) * factor + 1500))
        << i;
  EXPECT_EQ(M().m_fuente, fuente);  // the chooser was cancelled
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  EXPECT_TRUE(Doc()->IsModified());
}

TEST_F(Formatos, RejillaDeVeinteCentimetros) { Ensanchar("20", 21500, 20.0 / 18.0); }

TEST_F(Formatos, RejillaDeDieciochoYMedio) { Ensanchar("18.5", 19500, 18.5 / 18.0); }

TEST_F(Formatos, PropiedadesDeLaGraficaNoSonDelDocumento) {
  using D = CPropGraficoDlg;
  Abrir("cuatro_corrientes.vdo");
  ASSERT_TRUE(Ejecutar(cmd::kCompuestas));
  const int pasos = Doc()->NumDeshacer();
  Doc()->SetModifiedFlag(false);
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(D::kIdAncho, "12.7");
    d.Type(D::kIdTitulo, "Compuestas");
    d.Choose(D::kIdEstilo, 3);
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
  EXPECT_EQ(kitRunner_.Log().back().text, "Propiedades del gráfico");
  const CGrafica& g = Vista()->Grafica();
  EXPECT_EQ(g.marco.right - g.marco.left, 12000);
  EXPECT_EQ(g.titulo, "Compuestas");
  EXPECT_EQ(g.series[0].estilo, kEstiloMarcas);
  EXPECT_EQ(Doc()->NumDeshacer(), pasos);
  EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(Formatos, GraficaPersonalizada) {
  Abrir("cuatro_corrientes.vdo");
  ASSERT_TRUE(Marco().Commands().State(cmd::kGraficaPersonalizada).enabled);
  kitRunner_.ScriptDialog([](Driver& d) { d.Cancel(); });
  ASSERT_TRUE(Ejecutar(cmd::kGraficaPersonalizada));
  EXPECT_EQ(Doc()->m_nModo, kModoRejilla);
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Choose(COtrasGraficasDlg::kIdEjeY, 1);
    d.Type(COtrasGraficasDlg::kIdPuntos, "5");
    d.Enter();
  });
  ASSERT_TRUE(Ejecutar(cmd::kGraficaPersonalizada));
  EXPECT_EQ(Doc()->m_nModo, 13);
  EXPECT_EQ(Vista()->Grafica().NumPuntos(), 5);
}

TEST_F(Formatos, FormatoDeTodosLosCambiadoresYDeUno) {
  using T = CFormatoCambDlg;
  using U = CFormatoCambiadorDlg;
  Abrir("servicios_y_area.vdo");
  ASSERT_EQ(M().GetNumCambiadores(), 3);
  // Every exchanger takes the dialog's format as a whole.
  M().m_cambiadores[1].verEntradaFria = 1;
  M().m_cambiadores[2].tamano = 9.0;
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Click(T::kIdQ);
    d.Click(T::kIdEncima);
    d.Type(T::kIdTamano, "8");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoCambiadores));
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  for (const CCambiador& e : M().m_cambiadores) {
    EXPECT_EQ(e.verQ, 0);
    EXPECT_EQ(e.verEntradaFria, 0);
    EXPECT_EQ(e.verSalidaFria, M().m_cambiadores[0].verSalidaFria);
    EXPECT_EQ(e.posicionNumero, 1);
    EXPECT_EQ(e.tamano, 8.0);
  }

  // One exchanger: its four temperatures only; undo brings them back.
  const CCambiador& primero = M().m_cambiadores[0];
  const Rect& r = primero.ladoCaliente.ref != kRefGenerico ? primero.rectCaliente : primero.rectFrio;
  const double dpi = Vista()->viewport()->logicalDpiX() / 2540.0;
  QTest::mouseClick(Vista()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(static_cast<int>((r.left + r.right) / 2 * dpi),
                           static_cast<int>(-(r.top + r.bottom) / 2 * dpi)));
  Procesar();
  ASSERT_EQ(Doc()->CambiadorSeleccionado(), 0);
  const CCambiador antes = M().m_cambiadores[0];
  std::string numero;
  kitRunner_.ScriptDialog([&](Driver& d) {
    numero = d.Text(U::kIdNumero);
    d.Click(U::kIdEntradaCaliente);
    d.Click(U::kIdSalidaFria);
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoCambiador));
  EXPECT_EQ(numero, "1");
  const CCambiador& e = M().m_cambiadores[0];
  EXPECT_EQ(e.verEntradaCaliente, 1 - antes.verEntradaCaliente);
  EXPECT_EQ(e.verSalidaFria, 1 - antes.verSalidaFria);
  EXPECT_EQ(e.verQ, antes.verQ);
  EXPECT_EQ(e.posicionNumero, antes.posicionNumero);
  EXPECT_EQ(e.tamano, antes.tamano);
  EXPECT_EQ(M().m_cambiadores[1].verEntradaCaliente, antes.verEntradaCaliente);
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  EXPECT_EQ(M().m_cambiadores[0].verEntradaCaliente, antes.verEntradaCaliente);
  EXPECT_EQ(M().m_cambiadores[0].verSalidaFria, antes.verSalidaFria);
}

}  // namespace
}  // namespace vardo::prueba
