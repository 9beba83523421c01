// The program's entry: the Qt application, the message port, and the
// application's start-up.
#include <QApplication>
#include <QGuiApplication>
#include <cstdio>

#include "app/qt/aplicacion.h"
#include "platform/qt/messagerunner.h"
#include "platform/qt/runneruiport.h"

namespace {

// Without a screen (offscreen or minimal platform) no one can answer a
// message box: messages go to the error output and questions take their
// safe answer (No, or OK for a plain message).
class RunnerSinPantalla : public vardo::MessageRunner {
 public:
  vardo::Answer Run(QWidget*, const vardo::MessageRequest& r) override {
    std::fprintf(stderr, "%s\n", r.text.c_str());
    switch (r.buttons) {
      case vardo::MsgButtons::Ok: return vardo::Answer::Ok;
      case vardo::MsgButtons::OkCancel: return vardo::Answer::Cancel;
      case vardo::MsgButtons::YesNo: return vardo::Answer::No;
      case vardo::MsgButtons::YesNoCancel: return vardo::Answer::Cancel;
    }
    return vardo::Answer::Ok;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QString::fromUtf8(vardo::kOrganizacionPerfil));
  QApplication::setApplicationName(QString::fromUtf8(vardo::kTituloAplicacion));

  RunnerSinPantalla sinPantalla;
  const QString plataforma = QGuiApplication::platformName();
  const bool sinPantallaActiva =
      plataforma == QStringLiteral("offscreen") || plataforma == QStringLiteral("minimal");
  if (sinPantallaActiva) vardo::SetMessageRunner(&sinPantalla);
  vardo::RunnerUiPort ui;
  vardo::SetDefaultUiPort(&ui);

  int codigo = 0;
  {
    vardo::CVardoApp vardoApp;
    vardo::OpcionesInicio opciones;
    opciones.presentacion = !sinPantallaActiva;
    const int r = vardoApp.InitInstance(app.arguments().mid(1), opciones);
    codigo = r >= 0 ? r : app.exec();
  }
  vardo::SetDefaultUiPort(nullptr);
  vardo::SetMessageRunner(nullptr);
  return codigo;
}
