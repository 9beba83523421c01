// One QApplication for every test of the executable (headless runs use the
// offscreen platform).
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class EntornoQt : public ::testing::Environment {
 public:
  void SetUp() override {
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

}  // namespace
