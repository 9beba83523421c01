#include "app/qt/aplicacion.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>
#include <QVBoxLayout>

#include "app/core/document/documento.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "app/qt/barra_areas.h"
#include "app/qt/iconos.h"
#include "app/core/document/ids_comandos.h"
#include "app/qt/marco_hijo.h"
#include "app/qt/rejilla_corrientes.h"
#include "app/qt/ventana_principal.h"
#include "app/qt/visor_objetos.h"
#include "app/qt/vista.h"
#include "dialogs/analysis/registro.h"
#include "dialogs/entry/registro.h"
#include "platform/qt/filedialogs.h"
#include "platform/qt/flatstyle.h"
#include "platform/qt/messagerunner.h"
#include "platform/qt/recentfiles.h"
#include "platform/qt/shellregistration.h"
#include "platform/qt/splash.h"

namespace vardo {

namespace {

CVardoApp* g_app = nullptr;

constexpr int kRetrasoPresentacionMs = 2000;
constexpr int kArchivosRecientes = 4;
const char* const kVersion = "1.0";
const char* const kFechaVersion = "2024";

DocumentTypeInfo TipoDocumento() {
  DocumentTypeInfo t;
  t.extension = QStringLiteral("vdo");
  t.typeId = QStringLiteral("VardotDoc");
  t.typeName = QString::fromUtf8("Documento de Calorama");
  t.mimeType = QStringLiteral("application/x-vardotdoc");
  t.appName = QString::fromUtf8(kTituloAplicacion);
  t.desktopId = QStringLiteral("calorama-vardo");
  t.executable = QCoreApplication::applicationFilePath();
  t.printSwitch = QStringLiteral("/p");
  return t;
}

// The "Acerca de Calorama..." box.
void AcercaDe(QWidget* padre) {
  QDialog d(padre);
  d.setWindowTitle(QString::fromUtf8("Acerca de Calorama..."));
  auto* fila = new QHBoxLayout;
  auto* icono = new QLabel(&d);
  icono->setPixmap(IconoPrograma().pixmap(32, 32));
  fila->addWidget(icono, 0, Qt::AlignTop);
  auto* textos = new QVBoxLayout;
  textos->addWidget(new QLabel(QString::fromUtf8(kTituloAplicacion), &d));
  textos->addWidget(new QLabel(
      QString::fromUtf8("Versión %1 (%2)").arg(QString::fromUtf8(kVersion), kFechaVersion), &d));
  fila->addLayout(textos);
  auto* ok = new QPushButton(QStringLiteral("Aceptar"), &d);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
  fila->addWidget(ok, 0, Qt::AlignTop);
  d.setLayout(fila);
  d.exec();
}

// The switches of the command line, by their name after "/" or "-" (any
// case); every other argument is a path.
enum class Modificador { Ninguno, Imprimir, ImprimirEn, Dde, Registrar, Desregistrar };

Modificador LeerModificador(const QString& a) {
  if (a.size() < 2 || !(a.startsWith(QLatin1Char('/')) || a.startsWith(QLatin1Char('-'))))
    return Modificador::Ninguno;
  const QString m = a.mid(1).toLower();
  if (m == QStringLiteral("p")) return Modificador::Imprimir;
  if (m == QStringLiteral("pt")) return Modificador::ImprimirEn;
  if (m == QStringLiteral("dde")) return Modificador::Dde;
  if (m == QStringLiteral("register") || m == QStringLiteral("regserver"))
    return Modificador::Registrar;
  if (m == QStringLiteral("unregister") || m == QStringLiteral("unregserver"))
    return Modificador::Desregistrar;
  return Modificador::Ninguno;
}

}  // namespace

std::function<void()>& HookAspectoPlano() {
  static std::function<void()> hook = [] { CGestorControles::Instalar(); };
  return hook;
}

CVardoApp::CVardoApp() : fabrica_(std::make_unique<FabricaDialogosQt>()) {
  g_app = this;
  auto& fabrica = static_cast<FabricaDialogosQt&>(*fabrica_);
  RegistrarDialogosEntrada(fabrica);
  RegistrarDialogosAnalisis(fabrica);
  recientes_ = new RecentFileList(cmd::kArchivoReciente, kArchivosRecientes, this);
  DefinirComandos();
}

CVardoApp::~CVardoApp() {
  if (marco_) {
    marco_->alCerrar = nullptr;
    marco_.reset();
  }
  CVardoDoc::SetPuertosPorDefecto(PuertosDocumento{});
  if (traduccionQt_) QCoreApplication::removeTranslator(traduccionQt_.get());
  if (g_app == this) g_app = nullptr;
}

CVardoApp* CVardoApp::Instancia() { return g_app; }

void CVardoApp::DefinirComandos() {
  comandos_.OnCommand(cmd::kNuevo, [this] { NuevoDocumento(); });
  comandos_.OnCommand(cmd::kAbrir, [this] { OnFileOpen(); });
  comandos_.OnCommand(cmd::kConfigurarImpresion, [this] {
    QPrinter printer;
    QPageSetupDialog dialogo(&printer, marco_.get());
    dialogo.exec();
  });
  comandos_.OnCommand(cmd::kAcercaDe, [this] { AcercaDe(marco_.get()); });
}

int CVardoApp::InitInstance(const QStringList& argumentos, const OpcionesInicio& opciones) {
  CargarTraduccionQt();
  CVardoDoc::ReiniciarTitulos();
  // 1. The start-up picture; start-up waits for it.
  if (opciones.presentacion) RunSplash(ImagenPresentacion(), kRetrasoPresentacionMs);
  // 2-5. The flat look of the dialogs' controls.
  if (HookAspectoPlano()) HookAspectoPlano()();
  // 6. The profile and its four recent files.
  QCoreApplication::setOrganizationName(QString::fromUtf8(kOrganizacionPerfil));
  QCoreApplication::setApplicationName(QString::fromUtf8(kTituloAplicacion));
  {
    QSettings perfil;
    recientes_->Load(perfil);
    perfil.value(QStringLiteral("Settings/PreviewPages"), 0);
  }
  // 8-9. The main window, which accepts dropped files.
  marco_ = std::make_unique<CMainFrame>();
  static_cast<FabricaDialogosQt*>(fabrica_.get())->SetPadre(marco_.get());
  marco_->SetAppTarget(&comandos_);
  InstalarTablaCorrientes(*marco_);
  InstalarBarraAreas(*marco_);
  recientes_->Attach(marco_->MenuArchivo(), marco_->SeparadorRecientes(),
                     [this](const QString& ruta) { AbrirDocumento(ruta); });
  PuertosDocumento puertos;
  puertos.ui = &DefaultUiPort();
  puertos.dialogos = fabrica_.get();
  puertos.estado = marco_.get();
  puertos.campoDTMin = marco_.get();
  puertos.paneles = marco_.get();
  puertos.archivos = marco_.get();
  RegistrarVisorObjetos(*marco_, puertos);
  CVardoDoc::SetPuertosPorDefecto(puertos);
  marco_->alCerrar = [this] {
    if (cerrando_) return true;
    if (!GuardarTodosModificados()) return false;
    cerrando_ = true;
    CerrarTodos();
    GuardarPerfil();
    return true;
  };
  marco_->alSoltarArchivo = [this](const QString& ruta) { AbrirDocumento(ruta); };
  // 10. The document type with the desktop.
  if (opciones.registrar) Registrar();
  // 11. The command line.
  int codigo = -1;
  if (!ProcesarLineaComandos(argumentos, codigo)) return codigo;
  // 12. The main window, maximised.
  if (opciones.mostrar) marco_->showMaximized();
  return -1;
}

bool CVardoApp::ProcesarLineaComandos(const QStringList& argumentos, int& codigo) {
  QString archivo;
  QString impresora;
  bool imprimir = false;
  bool imprimirEn = false;
  bool dde = false;
  QStringList resto;
  for (const QString& a : argumentos) {
    switch (LeerModificador(a)) {
      case Modificador::Imprimir: imprimir = true; break;
      case Modificador::ImprimirEn: imprimirEn = true; break;
      case Modificador::Dde: dde = true; break;
      case Modificador::Registrar:
        Registrar();
        codigo = 0;
        return false;
      case Modificador::Desregistrar: {
        const RegistrationResult r = RegisterDocumentType(TipoDocumento());
        QFile::remove(r.desktopFile);
        QFile::remove(r.mimeFile);
        codigo = 0;
        return false;
      }
      case Modificador::Ninguno: resto.append(a); break;
    }
  }
  if (!resto.isEmpty()) archivo = resto.front();
  if (imprimirEn && resto.size() > 1) impresora = resto[1];

  if (imprimir || imprimirEn) {
    // Printing from a shell waits on no message box: what it has to say goes
    // to the error output.
    StderrMessageRunner salidaErrores;
    ScopedMessageRunner sinCajas(salidaErrores);
    codigo = 1;
    if (archivo.isEmpty()) return false;
    CChildFrame* marco = AbrirDocumento(archivo);
    if (!marco) return false;
    codigo = ImprimirDocumento(marco, impresora) ? 0 : 1;
    cerrando_ = true;
    CerrarTodos();
    return false;
  }
  if (dde) return true;  // the desktop sends what to open
  if (archivo.isEmpty()) {
    if (!NuevoDocumento()) {
      codigo = 1;
      return false;
    }
    return true;
  }
  if (!AbrirDocumento(archivo)) {
    codigo = 1;
    return false;
  }
  return true;
}

void CVardoApp::Registrar() {
  RegisterDocumentType(TipoDocumento());
  QSettings perfil;
  const QString clave = QString::fromLatin1(CMainFrame::kClaveEjecuciones);
  if (!perfil.contains(clave)) perfil.setValue(clave, QStringLiteral("0"));
}

// Qt's own file, page set-up and print dialogs speak Spanish as the program
// does; without the translation files they stay in English.
void CVardoApp::CargarTraduccionQt() {
  if (traduccionQt_) return;
  auto t = std::make_unique<QTranslator>();
  if (!t->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return;
  QCoreApplication::installTranslator(t.get());
  traduccionQt_ = std::move(t);
}

void CVardoApp::GuardarPerfil() {
  QSettings perfil;
  recientes_->Save(perfil);
}

// ---------------------------------------------------------------- documents

CChildFrame* CVardoApp::NuevoDocumento() {
  auto doc = std::make_unique<CVardoDoc>();
  if (!doc->OnNewDocument()) return nullptr;
  auto* marco = new CChildFrame(std::move(doc), fabrica_.get());
  marco->alGuardar = [this](const QString& ruta) { recientes_->Add(ruta); };
  marco_->AnadirMarco(marco);
  return marco;
}

CChildFrame* CVardoApp::AbrirDocumento(const QString& ruta) {
  if (CVardoDoc* abierto = CVardoDoc::BuscarPorRuta(ruta.toStdString())) {
    for (CChildFrame* m : marco_->Marcos())
      if (m->Documento() == abierto) {
        marco_->ActivateChild(m);
        return m;
      }
  }
  auto doc = std::make_unique<CVardoDoc>();
  if (!doc->OnOpenDocument(ruta.toStdString()).ok) {
    // A recent entry that no longer opens leaves the list.
    if (recientes_->Paths().contains(QDir::cleanPath(QFileInfo(ruta).absoluteFilePath())))
      recientes_->Remove(ruta);
    return nullptr;
  }
  auto* marco = new CChildFrame(std::move(doc), fabrica_.get());
  marco->alGuardar = [this](const QString& p) { recientes_->Add(p); };
  marco_->AnadirMarco(marco);
  recientes_->Add(ruta);
  return marco;
}

void CVardoApp::OnFileOpen() {
  const QString ruta = ChooseOpenFile(marco_.get(), QString::fromUtf8(kFiltroArchivos));
  if (!ruta.isEmpty()) AbrirDocumento(ruta);
}

bool CVardoApp::GuardarTodosModificados() {
  for (CChildFrame* m : marco_->Marcos()) {
    marco_->ActivateChild(m);
    if (!m->GuardarSiModificado()) return false;
  }
  return true;
}

void CVardoApp::CerrarTodos() {
  for (CChildFrame* m : marco_->Marcos()) m->CerrarSinPreguntar();
}

bool CVardoApp::ImprimirDocumento(CChildFrame* marco, const QString& impresora, QString* pdf) {
  if (!marco) return false;
  CVardoDoc* doc = marco->Documento();
  QPrinterInfo info = impresora.isEmpty() ? QPrinterInfo::defaultPrinter()
                                          : QPrinterInfo::printerInfo(impresora);
  if (info.isNull() && impresora.isEmpty()) {
    const auto todas = QPrinterInfo::availablePrinters();
    if (!todas.isEmpty()) info = todas.front();
  }
  std::unique_ptr<QPrinter> printer;
  QString rutaPdf;
  if (!info.isNull()) {
    printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  } else {
    // No printer: a PDF beside the document (or in the working folder for
    // a document never saved).
    const QString origen = QString::fromStdString(doc->GetPathName());
    const QString carpeta =
        origen.isEmpty() ? QDir::currentPath() : QFileInfo(origen).absolutePath();
    rutaPdf = QDir(carpeta).filePath(QString::fromStdString(doc->GetTitle()) +
                                     QStringLiteral(".pdf"));
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(rutaPdf);
  }
  printer->setDocName(QString::fromStdString(doc->GetTitle()));
  const bool ok = marco->Vista()->Imprimir(*printer);
  if (ok && !rutaPdf.isEmpty()) {
    if (pdf) *pdf = rutaPdf;
    const QString nativa = QDir::toNativeSeparators(rutaPdf);
    const QString texto =
        impresora.isEmpty()
            ? QString::fromUtf8(kMsgSinImpresora).arg(nativa)
            : QString::fromUtf8(kMsgImpresoraNoEncontrada).arg(impresora, nativa);
    ShowMessage(marco_.get(), texto.toStdString(), MsgIcon::Information);
  }
  return ok;
}

}  // namespace vardo
