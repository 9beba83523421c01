// The application: start-up in its fixed order (start-up picture, flat look,
// profile, main window, desktop registration, command line, main window
// shown maximised), the application's commands (new, open, printer set-up,
// about), opening and creating documents, printing from the command line and
// the close of every document at exit.
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/qt/commands.h"

class QTranslator;

namespace vardo {

class CChildFrame;
class CMainFrame;
class FabricaDialogos;
class RecentFileList;

// The application's title: the main window's name and the profile's folder.
inline constexpr const char* kTituloAplicacion = "Calorama";
// The profile lives under this organisation, as the settings file's folder.
inline constexpr const char* kOrganizacionPerfil = "Local AppWizard-Generated Applications";
inline constexpr const char* kFiltroArchivos = "Archivos de Calorama (*.vdo)";
inline constexpr const char* kMsgSinImpresora =
    "No hay ninguna impresora disponible. El documento se ha guardado en %1";
inline constexpr const char* kMsgImpresoraNoEncontrada =
    "No se encuentra la impresora %1. El documento se ha guardado en %2";

// Hook of the flat look of dialog controls, run at start-up when set; it
// installs the flat style unless replaced.
std::function<void()>& HookAspectoPlano();

struct OpcionesInicio {
  bool presentacion = true;  // show the start-up picture (2000 ms or Esc)
  bool registrar = true;     // register the document type with the desktop
  bool mostrar = true;       // show the main window
};

class CVardoApp : public QObject {
  Q_OBJECT
 public:
  CVardoApp();
  ~CVardoApp() override;

  static CVardoApp* Instancia();

  // Runs the start-up. Returns -1 when the program goes on to its event
  // loop, otherwise the exit code (printing from the command line, a
  // registration switch, or a failed start-up).
  int InitInstance(const QStringList& argumentos, const OpcionesInicio& opciones = {});

  CMainFrame* Marco() const { return marco_.get(); }
  RecentFileList& Recientes() const { return *recientes_; }
  FabricaDialogos& Fabrica() const { return *fabrica_; }
  CommandTarget& Comandos() { return comandos_; }

  // A new empty document ("Vardo1", "Vardo2", ...) in its own window.
  CChildFrame* NuevoDocumento();
  // Opens a file; when it is already open its window is activated instead.
  // On failure the message has been shown and no window is left.
  CChildFrame* AbrirDocumento(const QString& ruta);
  // The open command: the open dialog, then AbrirDocumento.
  void OnFileOpen();
  // Asks for each modified document in turn; false as soon as one answer is
  // Cancel (or its save fails), with every document still open.
  bool GuardarTodosModificados();
  // Closes the main window's documents without asking.
  void CerrarTodos();
  // Prints a document on the named printer (empty: the default one); with
  // no such printer a PDF is written beside the document and the user is
  // told. pdf receives its path when one was written.
  bool ImprimirDocumento(CChildFrame* marco, const QString& impresora, QString* pdf = nullptr);

 private:
  bool ProcesarLineaComandos(const QStringList& argumentos, int& codigo);
  void Registrar();
  void DefinirComandos();
  void GuardarPerfil();
  void CargarTraduccionQt();

  std::unique_ptr<FabricaDialogos> fabrica_;
  std::unique_ptr<QTranslator> traduccionQt_;  // Qt's own dialogs in Spanish
  std::unique_ptr<CMainFrame> marco_;
  RecentFileList* recientes_ = nullptr;
  CommandTarget comandos_;
  bool cerrando_ = false;
};

}  // namespace vardo
