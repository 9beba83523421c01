#include "platform/qt/messagerunner.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
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
        if (l->text() == QString::fromStdString(texto)) {
          mostrado = l->text();
          if (l->textFormat() != Qt::PlainText) formato = l->textFormat();
        }
      box->buttons().front()->click();
    }
  });
  runner.Run(nullptr, {"", texto, MsgButtons::Ok, MsgIcon::Warning});
  EXPECT_EQ(formato, Qt::PlainText);
  EXPECT_EQ(mostrado.toStdString(), texto);
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
