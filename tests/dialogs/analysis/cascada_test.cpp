// "Cálculo de cascada" through the program's dialog factory: the numbers,
// the plot fed boundary by boundary, Enter, OK and Cancel, the areas.
#include <gtest/gtest.h>

#include "controls/cascade/vadizod.h"
#include "dialogs/analysis/dlg_cascada.h"
#include "platform/core/numtext.h"
#include "platform/qt/gridwidget.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/comun/textos_cascada.h"
#include "tests/dialogs/analysis/fixture_analisis.h"

namespace vardo::prueba {
namespace {

using D = CCalculoCascadaDlg;

void EsperarCerca(const std::vector<double>& v, const std::vector<double>& esperado) {
  ASSERT_EQ(v.size(), esperado.size());
  for (std::size_t i = 0; i < v.size(); ++i) EXPECT_NEAR(v[i], esperado[i], 1e-9) << i;
}

class Cascada : public ConDialogos {
 protected:
  // Runs the dialog on a document's problem with a script.
  bool Correr(const char* ejemplo, std::function<void(Driver&)> guion) {
    registro_.modelo = CargarEjemplo(ejemplo);
    return ConDialogos::Correr(&FabricaDialogosQt::CalculoCascada, registro_, std::move(guion));
  }
  static Vadizod& Plot(Driver& d) { return *d.Dialog().Get<Vadizod>(D::kIdCascada); }
  DlgCalculoCascada registro_;
};

TEST_F(Cascada, NumerosYCascadaDelProblemaEnterRecalculaYAceptarDevuelveDTMin) {
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::CalculoCascada));
  const bool ok = Correr("cuatro_corrientes.vdo", [](Driver& d) {
    EXPECT_EQ(d.Text(D::kIdDTMin), "10.");
    EXPECT_EQ(d.Text(D::kIdCalefaccion), "20.");
    EXPECT_EQ(d.Text(D::kIdRefrigeracion), "60.");
    EXPECT_EQ(d.Text(D::kIdPinch), "358.15");
    EXPECT_EQ(d.Text(D::kIdNMin), "7");
    const Vadizod& v = Plot(d);
    EsperarCerca(v.ListaT(), {438.15, 418.15, 413.15, 358.15, 328.15, 298.15});
    EsperarCerca(v.ListaH(), {-60, -2.5, 82.5, -75, 15});
    EsperarCerca(v.ListaHp(), {20, 80, 82.5, 0, 75, 60});
    EXPECT_EQ(v.MSFlexGrid1()->Rows(), 7);
    d.Grab(::testing::TempDir() + "analisis_cascada.png");

    // Enter recalculates through the hidden button; the dialog stays open.
    d.Type(D::kIdDTMin, "20");
    d.Enter();
    EXPECT_TRUE(d.Dialog().IsOpen());
    EXPECT_EQ(d.Text(D::kIdCalefaccion), "65.");
    EXPECT_EQ(d.Text(D::kIdRefrigeracion), "105.");
    EXPECT_EQ(d.Text(D::kIdPinch), "363.15");
    EXPECT_EQ(Plot(d).ListaT().size(), 8u);
    d.Ok();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(registro_.modelo.m_dtMin, 20.0);
}

// Every label of the plot stands inside the picture, off the arrows and off
// the other labels, also with three-digit heats.
TEST_F(Cascada, EtiquetasDentroDelDibujo) {
  const bool ok = Correr("cuatro_corrientes.vdo", [](Driver& d) {
    for (const char* dt : {"10", "20", "60"}) {
      SCOPED_TRACE(dt);
      d.Type(D::kIdDTMin, dt);
      d.Enter();
      const Vadizod& v = Plot(d);
      ASSERT_GT(v.Intervalos(), 0);
      EXPECT_EQ(TextosCascadaEstorbados(v), std::vector<std::string>{});
    }
    // DT min 60: "H=180.00 kW" and the like.
    d.Grab(::testing::TempDir() + "analisis_cascada_dt60.png");
    d.Cancel();
  });
  EXPECT_FALSE(ok);
}

TEST_F(Cascada, AceptarTomaElDTMinEscritoAunqueNoSeHayaRecalculadoYCancelarNada) {
  struct Caso {
    const char* texto;
    bool aceptar;
    bool esperado;
    double dtMin;
  };
  const Caso casos[] = {{"15", true, true, 15.0}, {"1,5", true, true, 1.5}, {"15", false, false, 10.0}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.texto);
    const bool ok = Correr("cuatro_corrientes.vdo", [&](Driver& d) {
      // Typed, then the button clicked with the mouse: the focus-out
      // recalculates first, but OK reads the field again in any case.
      d.Type(D::kIdDTMin, c.texto);
      c.aceptar ? d.Ok() : d.Cancel();
    });
    EXPECT_EQ(ok, c.esperado);
    EXPECT_EQ(registro_.modelo.m_dtMin, c.dtMin);
  }
  EXPECT_TRUE(Mensajes().empty());
}

// A DT min that is no number of at least 0 is refused on Enter (one message)
// and on OK, with the focus kept in the field; leaving the field asks
// nothing and recalculates nothing; Cancel still closes at once.
TEST_F(Cascada, DTMinQueNoEsUnNumeroNoNegativoSeRechaza) {
  struct Caso {
    const char* texto;
    const char* mensaje;
  };
  const Caso casos[] = {{"1e999", "Introduzca un número."},
                        {"abc", "Introduzca un número."},
                        {"1,5,0", "Introduzca un número."},
                        {"-1", "Introduzca una diferencia mínima de temperatura entre 0 y 10000 K."},
                        {"1e300", "Introduzca una diferencia mínima de temperatura entre 0 y 10000 K."}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.texto);
    runner_.Clear();
    const bool ok = Correr("cuatro_corrientes.vdo", [&](Driver& d) {
      d.Type(D::kIdDTMin, c.texto);
      d.Focus(D::kIdCalefaccion);
      EXPECT_TRUE(Mensajes().empty());
      EXPECT_EQ(d.Text(D::kIdCalefaccion), "20.");
      d.Focus(D::kIdDTMin);
      d.Enter();
      EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje});
      EXPECT_EQ(d.Dialog().FocusedId(), D::kIdDTMin);
      if (&c == casos) d.Grab(::testing::TempDir() + "analisis_cascada_rechazo.png");
      EXPECT_EQ(d.Text(D::kIdCalefaccion), "20.");
      EXPECT_EQ(Plot(d).ListaT().size(), 6u);
      d.Ok();
      EXPECT_TRUE(d.Dialog().IsOpen());
      EXPECT_EQ(Mensajes().size(), 2u);
      d.Cancel();
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(Mensajes().size(), 2u);
  }
}

TEST_F(Cascada, UnPuntoInteriorDeTablaNoSeEnviaYSuCalorVaConLaFronteraDeArriba) {
  Correr("latente_y_tabla.vdo", [](Driver& d) {
    const Vadizod& v = Plot(d);
    EsperarCerca(v.ListaT(), {468.15, 398.15, 398.15, 378.15, 348.15, 308.15});
    // Every heat sent takes the cascade down to the next boundary sent.
    ASSERT_EQ(v.ListaH().size() + 1, v.ListaHp().size());
    for (std::size_t i = 0; i < v.ListaH().size(); ++i)
      EXPECT_NEAR(v.ListaHp()[i + 1], v.ListaHp()[i] - v.ListaH()[i], 1e-9) << i;
    d.Cancel();
  });
}

TEST_F(Cascada, SinAreasDiagramaCompletoEnNegroYLosBotonesNoCambianNada) {
  Correr("cuatro_corrientes.vdo", [](Driver& d) {
    EXPECT_EQ(d.Dialog().Count(D::kIdAreas), 0);
    EXPECT_EQ(Lista(d, D::kIdVisibles), std::vector<std::string>{"Diagrama completo"});
    EXPECT_EQ(d.Dialog().ItemColor(D::kIdVisibles, 0), 0u);
    d.Click(D::kIdMostrarSeleccionada);
    d.Click(D::kIdMostrarTodas);
    EXPECT_EQ(Lista(d, D::kIdVisibles), std::vector<std::string>{"Diagrama completo"});
    d.Ok();
  });
  EXPECT_TRUE(registro_.modelo.m_areas.empty());
}

TEST_F(Cascada, DosAreasMostradasPorTurnoSiguenVisiblesYMostrarTodasLasOculta) {
  std::vector<std::string> existentes;
  const bool ok = Correr("servicios_y_area.vdo", [&](Driver& d) {
    existentes = Lista(d, D::kIdAreas);
    ASSERT_EQ(existentes.size(), 2u);
    const std::string pinch = d.Text(D::kIdPinch);
    d.Choose(D::kIdAreas, 0);
    d.Click(D::kIdMostrarSeleccionada);
    EXPECT_EQ(Lista(d, D::kIdVisibles), std::vector<std::string>{existentes[0]});
    // The selection stays on the refilled list; the targets follow the area.
    EXPECT_EQ(d.Dialog().CurSel(D::kIdAreas), 0);
    d.Choose(D::kIdAreas, 1);
    d.Click(D::kIdMostrarSeleccionada);
    EXPECT_EQ(Lista(d, D::kIdVisibles), existentes);
    EXPECT_EQ(d.Dialog().ItemColor(D::kIdVisibles, 1), d.Dialog().ItemColor(D::kIdAreas, 1));
    d.Grab(::testing::TempDir() + "analisis_cascada_areas.png");
    d.Click(D::kIdMostrarTodas);
    EXPECT_EQ(Lista(d, D::kIdVisibles), std::vector<std::string>{"Diagrama completo"});
    EXPECT_EQ(d.Text(D::kIdPinch), pinch);
    d.Choose(D::kIdAreas, 1);
    d.Click(D::kIdMostrarSeleccionada);
    d.Ok();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(existentes[0].rfind("1 ", 0), 0u);
  ASSERT_EQ(registro_.modelo.m_areas.size(), 2u);
  EXPECT_EQ(registro_.modelo.m_areas[0].mostrada, 0);
  EXPECT_NE(registro_.modelo.m_areas[1].mostrada, 0);
}

// The plot is still fed boundary by boundary, with its table written after
// each one, but each boundary costs its own row: the table's cell writes are
// two per row sent (and the headings), for n streams as for 4n, and the rows
// hold the boundaries sent.
TEST_F(Cascada, CadaFronteraEscribeSoloSuFilaDeLaTabla) {
  auto modelo = [](int n) {
    CDiagrama d;
    for (int i = 0; i < n; ++i) {
      const double a = 280.0 + 0.37 * i, b = 600.0 - 0.29 * i;
      d.AddCorriente(i % 2 ? a : b, i % 2 ? b : a, 1.0 + i % 7, i % 2, 0);
    }
    d.SetDTMin(10.0);
    return d;
  };
  for (int n : {250, 1'000}) {
    SCOPED_TRACE(n);
    registro_.modelo = modelo(n);
    const bool ok = ConDialogos::Correr(&FabricaDialogosQt::CalculoCascada, registro_, [](Driver& d) {
      const Vadizod& v = Plot(d);
      const GridWidget& g = *v.MSFlexGrid1();
      const std::size_t filas = v.ListaT().size();
      EXPECT_GT(filas, 100u);
      ASSERT_EQ(g.Rows(), static_cast<int>(filas) + 1);
      // The two headings, written once per emptying (twice here: the
      // control's creation empties nothing, the feed empties once).
      EXPECT_LE(g.TextWrites(), 2 * filas + 4);
      EXPECT_EQ(g.Text(1, 0).toStdString(), TextoFijo(v.ListaT().front(), 2));
      EXPECT_EQ(g.Text(static_cast<int>(filas), 1).toStdString(), TextoFijo(v.ListaHp().back(), 2));
      d.Cancel();
    });
    EXPECT_FALSE(ok);
  }
}

}  // namespace
}  // namespace vardo::prueba
