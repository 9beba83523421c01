// "Propiedades del gráfico" through the program's dialog factory: the series
// moved through by number, up-down and Enter, their styles and colours, the
// fonts and the fields handed back.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_prop_grafico.h"
#include "app/core/charts/grafica.h"
#include "dialogs/entry/registro.h"
#include "tests/comun/kit_prueba.h"
#include "tests/comun/recortes.h"

namespace vardo::prueba {
namespace {

using D = CPropGraficoDlg;

// A chart's record as the view fills it: three series.
DlgPropGrafico Tres() {
  DlgPropGrafico d;
  d.titulo = "Figura 1: Curvas Compuestas";
  d.tituloX = "H (kW)";
  d.tituloY = "T (K)";
  d.xMin = "0";
  d.xMax = "500";
  d.yMin = "250";
  d.yMax = "450";
  d.ancho = "13";
  d.alto = "14";
  d.fuenteTitulo.height = 20;
  d.fuenteTitulo.weight = 700;
  d.posLeyenda = 1;
  d.rejilla = 1;
  d.series = {{"Curva caliente", 0, MakeRgb(255, 0, 0), 0},
              {"Curva fría", 1, MakeRgb(0, 0, 255), 0},
              {"Pinch", 3, MakeRgb(0, 128, 0), 0}};
  return d;
}

class PropGrafico : public ::testing::Test {
 protected:
  PropGrafico() { RegistrarDialogosEntrada(fabrica_); }
  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

TEST_F(PropGrafico, MuestraLaPrimeraSerieYDevuelveLosCampos) {
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::PropGrafico));
  std::string numero, nombre, estilo, muestra;
  int leyenda = -2;
  QColor color;
  runner_.ScriptDialog([&](Driver& d) {
    numero = d.Text(D::kIdNumeroSerie);
    nombre = d.Text(D::kIdNombre);
    estilo = d.Text(D::kIdEstilo);
    muestra = d.Text(D::kIdMuestraTitulo);
    leyenda = d.Dialog().RadioIndex(D::kIdLeyenda);
    color = d.Dialog().Get<QLabel>(D::kIdColor)->palette().color(QPalette::Window);
    d.Grab(std::string(::testing::TempDir()) + "prop_grafico.png");
    d.Type(D::kIdTitulo, "Mi gráfica");
    d.Type(D::kIdAncho, "12.7");
    d.Click(D::kIdRejilla);
    d.Click(D::kIdLeyenda + 4);
    d.Type(D::kIdNombre, "Caliente");
    d.Choose(D::kIdEstilo, 3);  // "Puntos"
    d.Ok();
  });
  DlgPropGrafico g = Tres();
  ASSERT_TRUE(fabrica_.PropGrafico(g));
  EXPECT_EQ(runner_.Log().front().text, "Propiedades del gráfico");
  EXPECT_EQ(numero, "1");
  EXPECT_EQ(nombre, "Curva caliente");
  EXPECT_EQ(estilo, "Línea continua");
  EXPECT_EQ(muestra, "Título");
  EXPECT_EQ(leyenda, 1);
  EXPECT_EQ(color, QColor(255, 0, 0));
  EXPECT_EQ(g.titulo, "Mi gráfica");
  EXPECT_EQ(g.ancho, "12.7");  // the view reads it as a whole number
  EXPECT_EQ(g.rejilla, 0);
  EXPECT_EQ(g.posLeyenda, 4);
  EXPECT_EQ(g.series[0].etiqueta, "Caliente");
  EXPECT_EQ(g.series[0].estilo, kEstiloMarcas);
  EXPECT_EQ(g.series[1].etiqueta, "Curva fría");
  EXPECT_FALSE(g.fuentesCambiadas);

  // Opened again, the markers-only series shows "Puntos".
  runner_.ScriptDialog([&](Driver& d) {
    estilo = d.Text(D::kIdEstilo);
    d.Cancel();
  });
  EXPECT_FALSE(fabrica_.PropGrafico(g));
  EXPECT_EQ(estilo, "Puntos");
}

TEST_F(PropGrafico, EstilosDeLaLista) {
  // Entry by entry: the style stored, and the entry a style shows.
  const int esperados[] = {0, 1, 2, kEstiloMarcas, 3, 4};
  for (int entrada = 0; entrada < 6; ++entrada) {
    runner_.ScriptDialog([entrada](Driver& d) {
      d.Choose(D::kIdEstilo, entrada);
      d.Ok();
    });
    DlgPropGrafico g = Tres();
    ASSERT_TRUE(fabrica_.PropGrafico(g));
    EXPECT_EQ(g.series[0].estilo, esperados[entrada]) << entrada;
    EXPECT_EQ(EntradaDeEstilo(esperados[entrada]), entrada);
  }
  // A style the list does not offer leaves the list as it was.
  EXPECT_EQ(EntradaDeEstilo(7), -1);
  std::string estilo = "?";
  runner_.ScriptDialog([&](Driver& d) {
    d.Step(D::kIdGiroSerie, 1);
    estilo = d.Text(D::kIdEstilo);
    d.Ok();
  });
  DlgPropGrafico g = Tres();
  g.series[1].estilo = 7;
  ASSERT_TRUE(fabrica_.PropGrafico(g));
  EXPECT_EQ(estilo, "Línea continua");  // still the first series' entry
  EXPECT_EQ(g.series[1].estilo, 0);     // stored from the list on OK
}

TEST_F(PropGrafico, MoverseEntreSeries) {
  struct Caso {
    const char* nombre;
    std::function<void(Driver&)> guion;
    std::string numero;                  // the field at the end
    std::vector<std::string> etiquetas;  // the series handed back
  };
  const Caso casos[] = {
      {"el giro guarda y muestra",
       [](Driver& d) {
         d.Type(D::kIdNombre, "A");
         d.Step(D::kIdGiroSerie, 1);
         d.Type(D::kIdNombre, "B");
         d.Ok();
       },
       "2", {"A", "B", "Pinch"}},
      {"girar pasada la ultima",
       [](Driver& d) {
         d.Step(D::kIdGiroSerie, 2);
         d.Type(D::kIdNombre, "C");
         d.Step(D::kIdGiroSerie, 1);
         d.Ok();
       },
       "3", {"Curva caliente", "Curva fría", "C"}},
      {"girar antes de la primera",
       [](Driver& d) {
         d.Step(D::kIdGiroSerie, -1);
         d.Type(D::kIdNombre, "D");
         d.Ok();
       },
       "1", {"D", "Curva fría", "Pinch"}},
      {"cero y salir",
       [](Driver& d) {
         d.Type(D::kIdNumeroSerie, "0");
         d.Focus(D::kIdNombre);
         d.Type(D::kIdNombre, "E");
         d.Ok();
       },
       "1", {"E", "Curva fría", "Pinch"}},
      // A number typed, then Enter: the series typed is shown first, then
      // stored as shown; none gets another's fields.
      {"numero e intro",
       [](Driver& d) {
         d.Type(D::kIdNombre, "F");
         d.Type(D::kIdNumeroSerie, "2");
         d.Enter();
       },
       "2", {"F", "Curva fría", "Pinch"}},
      {"numero pasado e intro",
       [](Driver& d) {
         d.Type(D::kIdNombre, "G");
         d.Type(D::kIdNumeroSerie, "9");
         d.Enter();
       },
       "3", {"G", "Curva fría", "Pinch"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    std::string numero;
    runner_.ScriptDialog([&](Driver& d) {
      c.guion(d);
      numero = d.Text(D::kIdNumeroSerie);
    });
    DlgPropGrafico g = Tres();
    ASSERT_TRUE(fabrica_.PropGrafico(g));
    EXPECT_EQ(numero, c.numero);
    ASSERT_EQ(g.series.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(g.series[i].etiqueta, c.etiquetas[i]) << i;
  }
}

TEST_F(PropGrafico, FuentesYColores) {
  LogFont elegida;
  elegida.faceName = "Liberation Serif";
  elegida.height = -24;
  runner_.ScriptDialog([](Driver& d) {
    d.Click(D::kIdCambiarEscala);  // cancelled
    d.Step(D::kIdGiroSerie, 1);
    d.Click(D::kIdCambiarColor);
    d.Ok();
  });
  runner_.ScriptFont(std::nullopt);
  runner_.ScriptColor(MakeRgb(10, 20, 30));
  DlgPropGrafico g = Tres();
  const LogFont escala = g.fuenteEscala;
  ASSERT_TRUE(fabrica_.PropGrafico(g));
  EXPECT_FALSE(g.fuentesCambiadas);
  EXPECT_EQ(g.fuenteEscala, escala);
  EXPECT_EQ(g.series[1].color, MakeRgb(10, 20, 30));
  EXPECT_EQ(g.series[0].color, MakeRgb(255, 0, 0));

  std::string familia;
  runner_.ScriptDialog([&](Driver& d) {
    d.Click(D::kIdCambiarLeyenda);
    familia = d.Dialog().Get<QLineEdit>(D::kIdMuestraLeyenda)->font().family().toStdString();
    d.Ok();
  });
  runner_.ScriptFont(elegida);
  g = Tres();
  ASSERT_TRUE(fabrica_.PropGrafico(g));
  EXPECT_TRUE(g.fuentesCambiadas);
  EXPECT_EQ(g.fuenteLeyenda, elegida);
  EXPECT_EQ(familia, "Liberation Serif");
}

// Whether a sample shows its whole text: with the cursor moved to its end
// the text has not scrolled (the end stands one text width from the start)
// and the line stands inside the field.
std::string MuestraCortada(QLineEdit* e) {
  e->setCursorPosition(0);
  const QRect inicio = e->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  e->setCursorPosition(static_cast<int>(e->text().size()));
  const QRect fin = e->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  e->setCursorPosition(0);
  const int ancho = QFontMetrics(e->font()).horizontalAdvance(e->text());
  std::string out;
  if (std::abs(fin.left() - inicio.left() - ancho) > 1 || fin.right() >= e->width())
    out += "\"" + e->text().toStdString() + "\" cut across (" + std::to_string(inicio.left()) + ".." + std::to_string(fin.left()) + " for " + std::to_string(ancho) + " in " + std::to_string(e->width()) + ")";
  if (inicio.top() < 0 || inicio.bottom() >= e->height())
    out += "\"" + e->text().toStdString() + "\" cut in height";
  return out;
}

// The four samples with the chart's own fonts, and one changed to a large
// font: each shows its whole text, in its face and style.
TEST_F(PropGrafico, MuestrasDeFuenteEnterasEnSuCampo) {
  const CGrafica grafica;
  DlgPropGrafico g = Tres();
  g.fuenteEscala = grafica.fuenteEscala;
  g.fuenteLeyenda = grafica.fuenteLeyenda;
  g.fuenteEjes = grafica.fuenteEjes;
  g.fuenteTitulo = grafica.fuenteTitulo;
  LogFont grande;
  grande.faceName = "Liberation Serif";
  grande.height = -48;
  grande.italic = 1;
  const int muestras[] = {D::kIdMuestraEscala, D::kIdMuestraLeyenda, D::kIdMuestraEjes,
                          D::kIdMuestraTitulo};
  runner_.ScriptDialog([&](Driver& d) {
    for (int id : muestras) {
      auto* e = d.Dialog().Get<QLineEdit>(id);
      EXPECT_EQ(MuestraCortada(e), "");
      EXPECT_EQ(e->font().family(), QStringLiteral("Arial"));
    }
    EXPECT_EQ(d.Text(D::kIdMuestraEscala), "Escala de Ejes");
    EXPECT_EQ(d.Text(D::kIdMuestraEjes), "Títulos de Ejes");
    EXPECT_TRUE(d.Dialog().Get<QLineEdit>(D::kIdMuestraTitulo)->font().bold());
    EXPECT_EQ(TextosRecortados(&d.Dialog()), std::vector<std::string>{});
    d.Grab(std::string(::testing::TempDir()) + "prop_grafico_muestras.png");
    d.Click(D::kIdCambiarEjes);
    auto* e = d.Dialog().Get<QLineEdit>(D::kIdMuestraEjes);
    EXPECT_EQ(d.Text(D::kIdMuestraEjes), "Títulos de Ejes");
    EXPECT_EQ(MuestraCortada(e), "");
    EXPECT_EQ(e->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(e->font().italic());
    d.Grab(std::string(::testing::TempDir()) + "prop_grafico_muestra_grande.png");
    d.Ok();
  });
  runner_.ScriptFont(grande);
  ASSERT_TRUE(fabrica_.PropGrafico(g));
  // The chart takes the font chosen, not the one the sample shows.
  EXPECT_EQ(g.fuenteEjes, grande);
}

TEST_F(PropGrafico, SinSeriesNoHayNadaQueEditar) {
  bool numero = true;
  runner_.ScriptDialog([&](Driver& d) {
    numero = d.Dialog().IsEnabled(D::kIdNumeroSerie);
    d.Enter();
  });
  DlgPropGrafico g = Tres();
  g.series.clear();
  EXPECT_TRUE(fabrica_.PropGrafico(g));
  EXPECT_FALSE(numero);
  EXPECT_TRUE(g.series.empty());
}

}  // namespace
}  // namespace vardo::prueba
