// The exchanger format dialogs and the calculation message through the
// program's dialog factory, driven as a user drives them.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_formato_cambiadores.h"
#include "dialogs/entry/registro.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

class FormatoCambiadores : public ::testing::Test {
 protected:
  FormatoCambiadores() { RegistrarDialogosEntrada(fabrica_); }
  std::string Png(const char* nombre) { return std::string(::testing::TempDir()) + nombre; }
  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

// A new exchanger's format: outlets and duty shown, number inside, 6.5 mm.
DlgFormatoCambiadores FormatoNuevo() {
  DlgFormatoCambiadores d;
  d.verQ = 1;
  d.verSalidaCaliente = 1;
  d.verSalidaFria = 1;
  d.posicionNumero = 0;
  d.tamano = 6.5;
  return d;
}

TEST_F(FormatoCambiadores, TodosMuestraElFormatoYDevuelveElElegido) {
  using D = CFormatoCambDlg;
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::FormatoCamb));
  std::vector<bool> marcas;
  int radio = -2;
  std::string tamano;
  runner_.ScriptDialog([&](Driver& d) {
    for (int id : {D::kIdEntradaCaliente, D::kIdSalidaCaliente, D::kIdEntradaFria, D::kIdSalidaFria,
                   D::kIdQ})
      marcas.push_back(d.Dialog().Checked(id));
    radio = d.Dialog().RadioIndex(D::kIdDentro);
    tamano = d.Text(D::kIdTamano);
    d.Grab(Png("formato_cambiadores.png"));
    d.Click(D::kIdEntradaCaliente);
    d.Click(D::kIdQ);
    d.Click(D::kIdSinNumero);
    d.Type(D::kIdTamano, "4.25");
    d.Enter();
  });
  DlgFormatoCambiadores f = FormatoNuevo();
  ASSERT_TRUE(fabrica_.FormatoCambiadores(f));
  EXPECT_EQ(runner_.Log().front().text, "Formato de los cambiadores");
  EXPECT_EQ(marcas, (std::vector<bool>{false, true, false, true, true}));
  EXPECT_EQ(radio, 0);
  EXPECT_EQ(tamano, "6.5");
  EXPECT_EQ(f.verEntradaCaliente, 1);
  EXPECT_EQ(f.verQ, 0);
  EXPECT_EQ(f.posicionNumero, 2);
  EXPECT_EQ(f.tamano, 4.25);
}

TEST_F(FormatoCambiadores, ElTamanoVaDeUnoADiezMilimetros) {
  using D = CFormatoCambDlg;
  const struct {
    const char* texto;
    const char* mensaje;  // null: accepted
    double tamano;
  } casos[] = {
      {"0.5", "Introduzca un número entre 1 y 10.", 0},
      {"12", "Introduzca un número entre 1 y 10.", 0},
      {"tres", "Introduzca un número.", 0},
      {"", "Introduzca un número.", 0},
      {"4x0", "Introduzca un número.", 0},
      {"1e999", "Introduzca un número.", 0},
      {"4,5", nullptr, 4.5},
      {"1", nullptr, 1.0},
      {"10", nullptr, 10.0},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto);
    runner_.Clear();
    bool abierto = false;
    runner_.ScriptDialog([&](Driver& d) {
      d.Type(D::kIdTamano, c.texto);
      d.Ok();
      abierto = d.Dialog().IsOpen();
      if (abierto) d.Escape();
    });
    if (c.mensaje) runner_.ScriptMessage(Answer::Ok);
    DlgFormatoCambiadores f = FormatoNuevo();
    EXPECT_EQ(fabrica_.FormatoCambiadores(f), c.mensaje == nullptr);
    EXPECT_EQ(abierto, c.mensaje != nullptr);
    if (c.mensaje) {
      ASSERT_EQ(runner_.Log().size(), 2u);
      EXPECT_EQ(runner_.Log()[1].text, c.mensaje);
      EXPECT_EQ(f.tamano, 6.5);  // refused: the record keeps its value
    } else {
      EXPECT_EQ(f.tamano, c.tamano);
    }
  }
}

TEST_F(FormatoCambiadores, UnCambiadorSoloSusCuatroTemperaturas) {
  using D = CFormatoCambiadorDlg;
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::FormatoCambiador));
  std::string numero;
  bool soloLectura = false;
  runner_.ScriptDialog([&](Driver& d) {
    numero = d.Text(D::kIdNumero);
    soloLectura = d.Dialog().IsReadOnly(D::kIdNumero);
    d.Grab(Png("formato_cambiador.png"));
    d.Click(D::kIdEntradaFria);
    d.Click(D::kIdSalidaCaliente);
    d.Ok();
  });
  DlgFormatoCambiador f;
  f.numero = 3;
  f.verSalidaCaliente = 1;
  f.verSalidaFria = 1;
  ASSERT_TRUE(fabrica_.FormatoCambiador(f));
  EXPECT_EQ(runner_.Log().front().text, "Formato de cambiador");
  EXPECT_EQ(numero, "3");
  EXPECT_TRUE(soloLectura);
  EXPECT_EQ(f.verEntradaCaliente, 0);
  EXPECT_EQ(f.verSalidaCaliente, 0);
  EXPECT_EQ(f.verEntradaFria, 1);
  EXPECT_EQ(f.verSalidaFria, 1);
  // Cancel hands nothing back.
  runner_.ScriptDialog([](Driver& d) {
    d.Click(D::kIdSalidaFria);
    d.Cancel();
  });
  EXPECT_FALSE(fabrica_.FormatoCambiador(f));
  EXPECT_EQ(f.verSalidaFria, 1);
}

TEST_F(FormatoCambiadores, CalculoCorregirSoloConErrores) {
  using D = CCalculoCambDlg;
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::CalculoCamb));
  const std::string texto = "ADVERTENCIA: cambiador 2\n\n\tLa carga es muy pequeña.";
  const struct {
    const char* nombre;
    bool corregible;
    std::function<void(Driver&)> guion;
    bool ok;
  } casos[] = {
      {"avisos, intro", false, [](Driver& d) { d.Enter(); }, false},
      {"avisos, escape", false, [](Driver& d) { d.Escape(); }, false},
      {"avisos, corregir pulsado", false,
       [](Driver& d) {
         d.Click(D::kIdCorregir);
         d.Click(D::kIdCerrar);
       },
       false},
      {"errores, corregir", true, [](Driver& d) { d.Click(D::kIdCorregir); }, true},
      {"errores, intro cierra", true, [](Driver& d) { d.Enter(); }, false},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    std::string mostrado;
    bool habilitado = !c.corregible, visible = false;
    runner_.ScriptDialog([&](Driver& d) {
      mostrado = d.Dialog().Get<QPlainTextEdit>(D::kIdTexto)->toPlainText().toStdString();
      habilitado = d.Dialog().IsEnabled(D::kIdCorregir);
      visible = d.Dialog().IsShown(D::kIdCorregir);
      if (c.corregible) d.Grab(Png("calculo_cambiadores.png"));
      c.guion(d);
    });
    DlgCalculoCambiadores dlg;
    dlg.texto = texto;
    dlg.corregible = c.corregible;
    EXPECT_EQ(fabrica_.CalculoCambiadores(dlg), c.ok);
    EXPECT_EQ(runner_.Log().back().text, "Cálculo de cambiadores");
    EXPECT_EQ(mostrado, texto);
    EXPECT_EQ(habilitado, c.corregible);
    EXPECT_TRUE(visible);
  }
}

// A long indented line is broken to the box's width and every piece keeps
// the line's indent, so that none stands under the heading; no word is lost.
TEST_F(FormatoCambiadores, CalculoPartePorLaSangria) {
  using D = CCalculoCambDlg;
  const std::string largo =
      "\tEl cambiador 3 no cumple la diferencia mínima de temperaturas entre la corriente 1 "
      "y la corriente 2 en el extremo caliente, con una diferencia de 3 K";
  const std::string texto = "Errores:\n" + largo + "\n\nAdvertencias:\n" + largo;
  QStringList lineas;
  int ancho = 0;
  qreal tab = 0;
  QFont fuente;
  runner_.ScriptDialog([&](Driver& d) {
    auto* caja = d.Dialog().Get<QPlainTextEdit>(D::kIdTexto);
    lineas = caja->toPlainText().split(QLatin1Char('\n'));
    ancho = caja->viewport()->width();
    tab = caja->tabStopDistance();
    fuente = caja->font();
    d.Grab(Png("calculo_sangria.png"));
    d.Enter();
  });
  DlgCalculoCambiadores dlg;
  dlg.texto = texto;
  fabrica_.CalculoCambiadores(dlg);
  ASSERT_GT(lineas.size(), 6);
  const QFontMetrics fm(fuente);
  QStringList palabras;
  for (const QString& l : lineas) {
    qsizetype n = 0;
    while (n < l.size() && l[n] == QLatin1Char('\t')) ++n;
    EXPECT_LE(n * tab + fm.horizontalAdvance(l.mid(n)), ancho) << l.toStdString();
    // Only the headings and the blank line stand at the margin.
    if (!l.isEmpty() && l != QStringLiteral("Errores:") && l != QStringLiteral("Advertencias:"))
      EXPECT_EQ(n, 1) << l.toStdString();
    palabras << l.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  }
  EXPECT_EQ(palabras.join(QLatin1Char(' ')),
            QString::fromStdString(texto).split(QRegularExpression(QStringLiteral("\\s+")),
                                                Qt::SkipEmptyParts)
                .join(QLatin1Char(' ')));
}

}  // namespace
}  // namespace vardo::prueba
