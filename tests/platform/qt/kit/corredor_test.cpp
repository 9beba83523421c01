// The modal runner: one installed runner answers every kind of nested run,
// the older message and file-dialog callers included; font records.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/qt/filedialogs.h"
#include "platform/qt/kit/runner.h"
#include "platform/qt/messagerunner.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

TEST(KitCorredor, ElCorredorInstaladoAtiendeMensajesYArchivosYSeRestaura) {
  kit::ModalRunner* real = &kit::CurrentModalRunner();
  {
    ScriptedRunner runner;
    kit::ScopedModalRunner usar(runner);
    EXPECT_EQ(&kit::CurrentModalRunner(), &runner);
    runner.ScriptMessage(Answer::No);
    runner.ScriptFile(QStringLiteral("/tmp/x.vdo"));
    EXPECT_EQ(CurrentMessageRunner().Run(nullptr, {"", "¿Guardar?", MsgButtons::YesNoCancel,
                                                   MsgIcon::Warning}),
              Answer::No);
    EXPECT_EQ(ChooseSaveFile(nullptr, QStringLiteral("Documentos (*.vdo)"), "vdo", "x"),
              QStringLiteral("/tmp/x.vdo"));
    {
      // A message runner installed inside takes the messages only.
      ScriptedMessageRunner mensajes;
      ScopedMessageRunner solo(mensajes);
      ShowMessage(nullptr, "dentro");
      EXPECT_EQ(mensajes.Log().size(), 1u);
    }
    ShowMessage(nullptr, "fuera");
    ASSERT_EQ(runner.Log().size(), 3u);
    EXPECT_EQ(runner.Log()[1].text, "Guardar como");
    EXPECT_EQ(runner.Log()[2].text, "fuera");
  }
  EXPECT_EQ(&kit::CurrentModalRunner(), real);
}

TEST(KitCorredor, UnPasoDelGuionDeOtraClaseNoSeConsume) {
  ScriptedRunner runner;
  kit::ScopedModalRunner usar(runner);
  runner.ScriptFile(QStringLiteral("/tmp/y"));
  ::testing::TestPartResultArray fallos;
  {
    ::testing::ScopedFakeTestPartResultReporter captura(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &fallos);
    // A message comes first: its default answer, a failure, the step stays.
    EXPECT_EQ(ShowMessage(nullptr, "x"), Answer::Ok);
  }
  EXPECT_EQ(fallos.size(), 1);
  EXPECT_EQ(ChooseOpenFile(nullptr, QStringLiteral("*")), QStringLiteral("/tmp/y"));
}

TEST(KitCorredor, RegistroDeFuenteYFuenteDeQt) {
  struct Caso {
    const char* cara;
    int alto, peso;
    bool cursiva, subrayada, tachada;
  } casos[] = {{"Liberation Sans", -16, 400, false, false, false},
               {"Liberation Serif", -24, 700, true, true, false},
               {"DejaVu Sans", -11, 400, false, false, true}};
  for (const Caso& c : casos) {
    LogFont lf;
    lf.faceName = c.cara;
    lf.height = c.alto;
    lf.weight = c.peso;
    lf.italic = c.cursiva;
    lf.underline = c.subrayada;
    lf.strikeOut = c.tachada;
    const QFont f = kit::ToQFont(lf);
    EXPECT_DOUBLE_EQ(f.pointSizeF(), -c.alto * 72.0 / 96.0) << c.cara;
    const LogFont vuelta = kit::ToLogFont(f);
    EXPECT_EQ(vuelta.faceName, c.cara);
    EXPECT_EQ(vuelta.height, c.alto);
    EXPECT_EQ(vuelta.weight, c.peso);
    EXPECT_EQ(vuelta.italic, lf.italic);
    EXPECT_EQ(vuelta.underline, lf.underline);
    EXPECT_EQ(vuelta.strikeOut, lf.strikeOut);
  }
}

}  // namespace
}  // namespace vardo::prueba
