// One QApplication for every test of a Qt test executable; headless runs use
// the offscreen platform unless the environment names another. The windows'
// timers run on a manual clock: a tick comes only when a test moves it on.
// The cases of an executable share one process, so each starts with the
// mouse as a new process has it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "platform/qt/timer.h"

namespace {

class EntornoQt : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    vardo::ManualClock::Enable();
    if (!QApplication::instance()) {
      static int argc = 1;
      static char nombre[] = "pruebas";
      static char* argv[] = {nombre, nullptr};
      app_ = std::make_unique<QApplication>(argc, argv);
    }
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

::testing::Environment* const entorno = ::testing::AddGlobalTestEnvironment(new EntornoQt);

// QTest's double click on a widget sends the double-click event alone and
// leaves its button held in QTest's own record: a later test's mouse moves
// would then be drags, and no widget would see the mouse come over it.
class RatonSuelto : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
  }
};

const bool oyente = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new RatonSuelto);
  return true;
}();

}  // namespace
