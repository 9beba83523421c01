#include "platform/qt/messagerunner.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace vardo {
namespace {

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
