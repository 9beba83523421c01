// The program started headlessly for a test: profile and data folders in a
// temporary directory, scripted message boxes and file dialogs, no start-up
// picture, no desktop registration.
#pragma once
#include <QCoreApplication>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "app/qt/aplicacion.h"
#include "app/core/document/documento.h"
#include "app/qt/marco_hijo.h"
#include "app/qt/ventana_principal.h"
#include "app/qt/vista.h"
#include "platform/qt/filedialogs.h"
#include "platform/qt/messagerunner.h"
#include "platform/qt/runneruiport.h"
#include "tests/comun/kit_prueba.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace vardo::prueba {

// A sample document of the repository.
inline QString Ejemplo(const char* nombre) {
  return QString::fromStdString((std::filesystem::path(VARDO_EXAMPLES_DIR) / nombre).string());
}

// Runs the posted events, deferred deletes included.
inline void Procesar() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("perfil"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath("perfil"));
    QCoreApplication::setOrganizationName(QString::fromUtf8(kOrganizacionPerfil));
    QCoreApplication::setApplicationName(QString::fromUtf8(kTituloAplicacion));
    SetDefaultUiPort(&ui_);
    // Kit dialogs go to their own script; messages and file dialogs to theirs.
    kit_ = std::make_unique<kit::ScopedModalRunner>(kitRunner_);
    mensajes_ = std::make_unique<ScopedMessageRunner>(runner_);
    archivos_ = std::make_unique<ScopedFileDialogRunner>(dialogos_);
  }
  void TearDown() override {
    if (app_ && app_->Marco()) {
      app_->CerrarTodos();
      Procesar();
    }
    app_.reset();
    Procesar();
    archivos_.reset();
    mensajes_.reset();
    kit_.reset();
    SetDefaultUiPort(nullptr);
  }

  // Runs a command of the program's menus as the user picks it; false when
  // it is not enabled.
  bool Ejecutar(int id) {
    const bool r = Marco().Commands().Execute(id);
    Procesar();
    return r;
  }

  // Starts the program with a command line; returns InitInstance's result.
  int Iniciar(const QStringList& argumentos = {}) {
    app_ = std::make_unique<CVardoApp>();
    OpcionesInicio o;
    o.presentacion = false;
    o.registrar = false;
    const int r = app_->InitInstance(argumentos, o);
    Procesar();
    return r;
  }

  // The program started on a copy of a sample, its window shown at a size
  // that holds every pane and activated, as a user first sees it.
  void AbrirEnVentana(const char* ejemplo) {
    ASSERT_EQ(Iniciar({CopiaEjemplo(ejemplo)}), -1);
    Marco().resize(1200, 900);
    Marco().show();
    Marco().PrimeraActivacion();
    Procesar();
  }

  // The user types a DT min into the toolbar's field and presses Enter.
  void TeclearDTMin(const char* texto) {
    QLineEdit* campo = Marco().Field();
    campo->setFocus();
    campo->selectAll();
    QTest::keyClicks(campo, texto);
    QTest::keyClick(campo, Qt::Key_Return);
    Procesar();
  }

  CMainFrame& Marco() { return *app_->Marco(); }
  CChildFrame* Activo() { return Marco().MarcoActivo(); }
  CVardoDoc* Doc() { return Activo() ? Activo()->Documento() : nullptr; }
  CVardoView* Vista() { return Activo() ? Activo()->Vista() : nullptr; }
  QString Ruta(const char* nombre) const { return dir_.filePath(QString::fromUtf8(nombre)); }
  // Copies a sample document into the temporary folder.
  QString CopiaEjemplo(const char* nombre) {
    const QString destino = Ruta(nombre);
    QFile::remove(destino);
    EXPECT_TRUE(QFile::copy(Ejemplo(nombre), destino));
    QFile(destino).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return destino;
  }

  QTemporaryDir dir_;
  RunnerUiPort ui_;
  ScriptedRunner kitRunner_;
  ScriptedMessageRunner runner_;
  ScriptedFileDialogRunner dialogos_;
  std::unique_ptr<kit::ScopedModalRunner> kit_;
  std::unique_ptr<ScopedMessageRunner> mensajes_;
  std::unique_ptr<ScopedFileDialogRunner> archivos_;
  std::unique_ptr<CVardoApp> app_;
};

}  // namespace vardo::prueba
