// The format commands of the running program with their real dialogs: the
// grid diagram's and the chart's properties, the custom chart and the two
// exchanger formats, each driven as a user drives its dialog.
#include <QTest>

#include "app/core/document/ids_comandos.h"
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

TEST_F(Formatos, RejillaDeDieciochoComaCinco) { Ensanchar("18,5", 19500, 18.5 / 18.0); }

TEST_F(Formatos, UnTamanoRechazadoNoCierraNiPierdeLoDemas) {
  // Width or height refused inside the dialog: its message with the real
  // range, the field focused, the dialog open with the option already
  // changed; the next OK takes both.
  using D = CPropDiagramaDlg;
  Abrir("servicios_y_area.vdo");
  const std::int32_t nombres = M().m_mostrarNombres;
  int n = 0;
  const char* tamano = "Introduzca un ancho y un alto entre 1 y 1000 cm.";
  const char* numero = "Introduzca un número.";
  const std::pair<const char*, const char*> casos[] = {
      {"0", tamano},   {"0,5", tamano}, {"1000,5", tamano}, {"2000", tamano},
      {"abc", numero}, {"", numero},    {"4x0", numero},    {"1e999", numero}};
  for (const auto& [texto, mensaje] : casos) {
    SCOPED_TRACE(texto);
    for (int campo : {D::kIdAncho, D::kIdAlto}) {
      runner_.Clear();
      kitRunner_.ScriptDialog([&](Driver& d) {
        d.Click(D::kIdNombres);
        d.Type(campo, texto);
        d.Ok();
        EXPECT_TRUE(d.Dialog().IsOpen());
        EXPECT_EQ(d.Dialog().FocusedId(), campo);
        EXPECT_EQ(d.Dialog().Checked(D::kIdNombres), nombres == 0);
        if (++n == 1) d.Grab(std::string(::testing::TempDir()) + "rejilla_tamano_rechazado.png");
        d.Cancel();
      });
      ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
      ASSERT_EQ(runner_.Log().size(), 1u);
      EXPECT_EQ(runner_.Log()[0].text, mensaje);
      EXPECT_EQ(M().m_rectGrafico, CDiagrama::kRectGraficoDefecto);
      EXPECT_EQ(M().m_mostrarNombres, nombres);
      EXPECT_EQ(Doc()->NumDeshacer(), 0);
    }
  }
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Click(D::kIdNombres);
    d.Type(D::kIdAncho, "0");
    d.Ok();
    d.Type(D::kIdAncho, "1000");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
  EXPECT_EQ(M().m_rectGrafico.right, 1500 + 1000 * 1000);
  EXPECT_EQ(M().m_mostrarNombres, 1 - nombres);
}

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

TEST_F(Formatos, PropiedadesDeLaGraficaPorLaReglaDeLosNumeros) {
  // Size and axis limits with a decimal comma; a refused one keeps the
  // dialog open with its message and the title already typed.
  using D = CPropGraficoDlg;
  Abrir("cuatro_corrientes.vdo");
  ASSERT_TRUE(Ejecutar(cmd::kCompuestas));
  const char* tamano = "Introduzca un ancho y un alto entre 1 y 1000 cm.";
  const char* numero = "Introduzca un número.";
  struct Caso {
    int campo;
    const char* texto;
    const char* mensaje;
  } casos[] = {{D::kIdAncho, "0", tamano},      {D::kIdAlto, "1000,5", tamano},
               {D::kIdAncho, "abc", numero},    {D::kIdXMin, "abc", numero},
               {D::kIdXMax, "", numero},        {D::kIdYMin, "4x0", numero},
               {D::kIdYMax, "1e999", numero}};
  const CGrafica antes = Vista()->Grafica();
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.texto);
    runner_.Clear();
    kitRunner_.ScriptDialog([&](Driver& d) {
      d.Type(D::kIdTitulo, "Compuestas");
      d.Type(k.campo, k.texto);
      d.Ok();
      EXPECT_TRUE(d.Dialog().IsOpen());
      EXPECT_EQ(d.Dialog().FocusedId(), k.campo);
      EXPECT_EQ(d.Text(D::kIdTitulo), "Compuestas");
      d.Cancel();
    });
    ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
    ASSERT_EQ(runner_.Log().size(), 1u);
    EXPECT_EQ(runner_.Log()[0].text, k.mensaje);
    EXPECT_EQ(Vista()->Grafica().titulo, antes.titulo);
    EXPECT_EQ(Vista()->Grafica().marco, antes.marco);
  }
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(D::kIdTitulo, "Compuestas");
    d.Type(D::kIdAncho, "12,7");
    d.Type(D::kIdXMin, "-50,5");
    d.Type(D::kIdXMax, "250,5");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
  const CGrafica& g = Vista()->Grafica();
  EXPECT_EQ(g.titulo, "Compuestas");
  EXPECT_EQ(g.marco.right - g.marco.left, 12000);
  ASSERT_EQ(g.decimales, 2);
  EXPECT_EQ(g.xMin, -5050);  // in the chart's hundredths
  EXPECT_EQ(g.xMax, 25050);
}

TEST_F(Formatos, UnaEscalaConElMinimoSobreElMaximoSeRechazaEnElDialogo) {
  using D = CPropGraficoDlg;
  Abrir("cuatro_corrientes.vdo");
  ASSERT_TRUE(Ejecutar(cmd::kCompuestas));
  const CGrafica antes = Vista()->Grafica();
  struct Caso {
    int minimo, maximo;
    const char* desde;
    const char* hasta;
    const char* mensaje;
  } casos[] = {{D::kIdXMin, D::kIdXMax, "300", "100", "El mínimo del eje x debe ser menor que el máximo."},
               {D::kIdYMin, D::kIdYMax, "250,5", "250.5", "El mínimo del eje y debe ser menor que el máximo."},
               {D::kIdYMin, D::kIdYMax, "-1", "-2", "El mínimo del eje y debe ser menor que el máximo."}};
  int n = 0;
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.desde);
    runner_.Clear();
    kitRunner_.ScriptDialog([&](Driver& d) {
      d.Type(D::kIdTitulo, "Compuestas");
      d.Type(k.minimo, k.desde);
      d.Type(k.maximo, k.hasta);
      d.Ok();
      // Still open, the minimum focused, nothing typed lost.
      EXPECT_TRUE(d.Dialog().IsOpen());
      EXPECT_EQ(d.Dialog().FocusedId(), k.minimo);
      EXPECT_EQ(d.Text(k.maximo), k.hasta);
      EXPECT_EQ(d.Text(D::kIdTitulo), "Compuestas");
      if (++n == 1) d.Grab(std::string(::testing::TempDir()) + "grafica_escala_rechazada.png");
      d.Cancel();
    });
    ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
    ASSERT_EQ(runner_.Log().size(), 1u);
    EXPECT_EQ(runner_.Log()[0].text, k.mensaje);
    const CGrafica& g = Vista()->Grafica();
    EXPECT_EQ(g.titulo, antes.titulo);
    EXPECT_EQ(std::vector<std::int32_t>({g.xMin, g.xMax, g.yMin, g.yMax}),
              std::vector<std::int32_t>({antes.xMin, antes.xMax, antes.yMin, antes.yMax}));
  }
}

TEST_F(Formatos, LimitesEnLosDecimalesDelEje) {
  using D = CPropGraficoDlg;
  Abrir("cuatro_corrientes.vdo");
  // The exergy composites: three decimals, a Carnot factor axis below 1.
  kitRunner_.ScriptDialog([](Driver& d) { d.Ok(); });
  ASSERT_TRUE(Ejecutar(cmd::kCompuestasExergia));
  ASSERT_EQ(Doc()->m_nModo, 15);
  const CGrafica antes = Vista()->Grafica();
  ASSERT_EQ(antes.decimales, 3);
  std::vector<std::string> vistos;
  kitRunner_.ScriptDialog([&](Driver& d) {
    for (int id : {D::kIdXMin, D::kIdXMax, D::kIdYMin, D::kIdYMax}) vistos.push_back(d.Text(id));
    d.Grab(std::string(::testing::TempDir()) + "grafica_limites_exergia.png");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
  EXPECT_EQ(vistos, (std::vector<std::string>{"0.", "600.006", "0.", "0.404"}));
  const CGrafica& g = Vista()->Grafica();
  // Untouched, OK keeps every limit.
  EXPECT_EQ(std::vector<std::int32_t>({g.xMin, g.xMax, g.yMin, g.yMax}),
            std::vector<std::int32_t>({antes.xMin, antes.xMax, antes.yMin, antes.yMax}));
  // A typed 0,3 is 0.3 of the axis, and shows so the next time.
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Type(D::kIdYMax, "0,3");
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
  EXPECT_EQ(g.yMin, 0);
  EXPECT_EQ(g.yMax, 300);
  std::string yMax;
  kitRunner_.ScriptDialog([&](Driver& d) {
    yMax = d.Text(D::kIdYMax);
    d.Cancel();
  });
  ASSERT_TRUE(Ejecutar(cmd::kFormatoGrafica));
  EXPECT_EQ(yMax, "0.3");
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
