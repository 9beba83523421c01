#include "platform/qt/messagerunner.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/comun/recortes.h"

namespace vardo {
namespace {

using prueba::AnchoEnEtiqueta;
using prueba::TextosRecortados;

// Presses the button with the given text on the next message box shown.
void PressWhenShown(const QString& text, QStringList* seen) {
  QTimer::singleShot(0, [text, seen] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box || !box->isVisible()) continue;
      for (QAbstractButton* b : box->buttons()) seen->append(b->text());
      seen->append(box->windowTitle());
      for (QAbstractButton* b : box->buttons())
        if (b->text() == text) b->click();
    }
  });
}

// A label's text without the zero-width spaces that let long words break.
QString SinCortes(QString t) { return t.remove(QChar(0x200B)); }

TEST(QtMessageRunner, SpanishButtonsAndTheAnswerOfTheButtonPressed) {
  QtMessageRunner runner;
  QStringList seen;
  PressWhenShown("No", &seen);
  EXPECT_EQ(runner.Run(nullptr, {"Pegar Tabla", "¿Seguro?", MsgButtons::YesNo, MsgIcon::Question}),
            Answer::No);
  EXPECT_EQ(seen, (QStringList{"Sí", "No", "Pegar Tabla"}));
  seen.clear();
  PressWhenShown("Cancelar", &seen);
  EXPECT_EQ(runner.Run(nullptr, {"", "x", MsgButtons::YesNoCancel, MsgIcon::None}), Answer::Cancel);
  QStringList buttons = seen.mid(0, 3);
  buttons.sort();
  EXPECT_EQ(buttons, (QStringList{"Cancelar", "No", "Sí"}));
  seen.clear();
  PressWhenShown("Aceptar", &seen);
  EXPECT_EQ(runner.Run(nullptr, {"", "x", MsgButtons::Ok, MsgIcon::Warning}), Answer::Ok);
}

// A file name is shown as it is written, never read as markup.
TEST(QtMessageRunner, TextIsPlainText) {
  QtMessageRunner runner;
  const std::string texto = "<b>Imposible</b> leer de /tmp/<i>a</i>&amp;.vdo";
  Qt::TextFormat formato = Qt::RichText;
  QString mostrado;
  QTimer::singleShot(0, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box || !box->isVisible()) continue;
      formato = box->textFormat();
      for (QLabel* l : box->findChildren<QLabel*>())
        if (SinCortes(l->text()) == QString::fromStdString(texto)) {
          mostrado = SinCortes(l->text());
          if (l->textFormat() != Qt::PlainText) formato = l->textFormat();
        }
      box->buttons().front()->click();
    }
  });
  runner.Run(nullptr, {"", texto, MsgButtons::Ok, MsgIcon::Warning});
  EXPECT_EQ(formato, Qt::PlainText);
  EXPECT_EQ(mostrado.toStdString(), texto);
}

// A message naming a long path (a file name of 250 bytes without a blank)
// wraps it: the box stays within the screen, and shows the text whole.
TEST(QtMessageRunner, UnaRutaLargaNoEnsanchaLaCajaMasQueLaPantalla) {
  std::string nombre;
  for (int i = 0; i < 35; ++i) nombre += "ñandú";  // 7 bytes each
  nombre += "00000.vdo";
  ASSERT_EQ(nombre.size(), 254u);
  const std::string texto = "/home/usuario/Documentos/" + nombre +
                            "\nImposible encontrar este archivo.\nCompruebe que la ruta y el "
                            "nombre de archivo son correctos";
  int ancho = 0, pantalla = 0;
  bool cabe = false;
  QString mostrado;
  QTimer::singleShot(0, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box || !box->isVisible()) continue;
      ancho = box->frameGeometry().width();
      pantalla = box->screen()->availableGeometry().width();
      for (QLabel* l : box->findChildren<QLabel*>()) {
        if (!l->text().contains(QStringLiteral("Imposible"))) continue;
        mostrado = SinCortes(l->text());
        // Its longest piece that cannot be broken fits in the label.
        cabe = l->minimumSizeHint().width() <= l->width();
      }
      box->grab().save(QString::fromStdString(std::string(::testing::TempDir()) + "ruta_larga.png"));
      box->buttons().front()->click();
    }
  });
  QtMessageRunner().Run(nullptr, {"", texto, MsgButtons::Ok, MsgIcon::Critical});
  EXPECT_EQ(mostrado.toStdString(), texto);
  ASSERT_GT(pantalla, 0);
  EXPECT_LE(ancho, pantalla);
  EXPECT_TRUE(cabe);
}

// A message whose lines start with tabs keeps every part of an indented
// line under its indent: the box is given lines it does not wrap again, the
// continuations start with the tabs of their line, and a long path in an
// indented line is broken too. Plain and indented texts alike stay within
// the screen.
TEST(BuildMessageBox, LasLineasConSangriaLaConservanAlPartirse) {
  std::string ruta = "/home/usuario/";
  for (int i = 0; i < 12; ++i) ruta += "carpeta_sin_blancos_";
  const struct {
    const char* nombre;
    std::string texto;
  } casos[] = {
      {"pregunta", "Al calcular el anillo o senda se producirán algunos cambios en las "
                   "especificaciones de los cambiadores implicados:\n\n\t-Pasarán a ser del tipo "
                   "'entalpía especificada por el usuario'.\n\n\t-Las especificaciones de "
                   "temperatura se transformarán a 'igual a la de la \n\tcorriente o el cambiador "
                   "anterior o posterior'.\n\n¿Desea continuar?"},
      {"ruta", "No se pudo leer:\n\t" + ruta + "archivo.vdo\n\t\tcon dos sangrías y bastante texto "
               "detrás para que la línea no quepa en la caja de ninguna manera razonable"},
      {"sin sangria", "Una línea larga sin sangría que la caja parte por sí misma, como siempre "
                      "lo ha hecho con cualquier otro mensaje del programa que no quepa."},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    const auto box = BuildMessageBox(nullptr, {"", c.texto, MsgButtons::YesNo, MsgIcon::Question});
    box->show();
    QApplication::processEvents();
    auto* l = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(l, nullptr);
    EXPECT_LE(box->frameGeometry().width(), box->screen()->availableGeometry().width());
    box->grab().save(QString::fromStdString(std::string(::testing::TempDir()) + "sangria_" +
                                            c.nombre + ".png"));
    // Nothing is lost or added but line breaks, tabs and break points.
    QString visto = SinCortes(l->text()), original = QString::fromStdString(c.texto);
    for (QString* t : {&visto, &original}) {
      t->remove(QLatin1Char('\n')).remove(QLatin1Char('\t')).remove(QLatin1Char(' '));
    }
    EXPECT_EQ(visto.toStdString(), original.toStdString());
    if (std::string(c.nombre) == "sin sangria") {
      EXPECT_EQ(SinCortes(l->text()).toStdString(), c.texto);
      continue;
    }
    // Each line stands whole in the label, and a line that continues an
    // indented one carries the same tabs.
    const QStringList lineas = l->text().split(QLatin1Char('\n'));
    const QStringList originales = QString::fromStdString(c.texto).split(QLatin1Char('\n'));
    EXPECT_GT(lineas.size(), originales.size());
    for (const QString& linea : lineas)
      EXPECT_LE(AnchoEnEtiqueta(l, linea), l->width()) << linea.toStdString();
    EXPECT_TRUE(TextosRecortados(box.get()).empty());
    qsizetype k = 0;
    for (const QString& o : originales) {
      qsizetype tabs = 0;
      while (tabs < o.size() && o[tabs] == QLatin1Char('\t')) ++tabs;
      // The lines of the box that make up this line of the text.
      QString junto;
      do {
        ASSERT_LT(k, lineas.size());
        const QString& linea = lineas[k++];
        EXPECT_TRUE(linea.startsWith(QString(tabs, QLatin1Char('\t'))) &&
                    (linea.size() == tabs || linea[tabs] != QLatin1Char('\t')))
            << linea.toStdString();
        junto += SinCortes(linea.mid(tabs));
      } while (SinCortes(junto).remove(QLatin1Char(' ')) !=
               SinCortes(o.mid(tabs)).remove(QLatin1Char(' ')));
    }
    EXPECT_EQ(k, lineas.size());
  }
}

TEST(ScriptedMessageRunner, AnswersFromItsScriptThenTheFirstButton) {
  ScriptedMessageRunner scripted;
  {
    ScopedMessageRunner use(scripted);
    scripted.Script({Answer::No});
    EXPECT_EQ(AskYesNo(nullptr, "a", "t"), Answer::No);
    EXPECT_EQ(AskYesNo(nullptr, "b"), Answer::Yes);
    EXPECT_EQ(ShowMessage(nullptr, "c", MsgIcon::Warning), Answer::Ok);
  }
  EXPECT_NE(&CurrentMessageRunner(), &scripted);
  ASSERT_EQ(scripted.Log().size(), 3u);
  EXPECT_EQ(scripted.Log()[0].caption, "t");
  EXPECT_EQ(scripted.Log()[2].icon, MsgIcon::Warning);
}

}  // namespace
}  // namespace vardo
