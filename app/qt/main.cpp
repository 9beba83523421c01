// The program's entry: the Qt application, the message port, and the
// application's start-up.
#include <QApplication>
#include <QGuiApplication>

#include "app/qt/aplicacion.h"
#include "platform/qt/messagerunner.h"
#include "platform/qt/runneruiport.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QString::fromUtf8(vardo::kOrganizacionPerfil));
  QApplication::setApplicationName(QString::fromUtf8(vardo::kTituloAplicacion));

  // Without a screen (offscreen or minimal platform) no one can answer a
  // message box: messages go to the error output.
  vardo::StderrMessageRunner sinPantalla;
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
