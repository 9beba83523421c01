#include "app/qt/marco_hijo.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrinter>

#include "app/core/document/documento.h"
#include "app/qt/iconos.h"
#include "app/core/document/ids_comandos.h"
#include "app/qt/vista.h"
#include "platform/qt/filedialogs.h"
#include "platform/qt/frameworktexts.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {
const char* const kFiltroDocumento = "Archivos de Calorama (*.vdo)";
}

CChildFrame::CChildFrame(std::unique_ptr<CVardoDoc> doc, FabricaDialogos* fabrica, QWidget* parent)
    : MdiChild(nullptr, parent), doc_(std::move(doc)) {
  setWindowIcon(IconoPrograma());
  vista_ = new CVardoView(doc_.get());
  vista_->SetFabrica(fabrica);
  setWidget(vista_);
  doc_->Puertos().vistas = this;
  SetTargets({&vista_->Comandos(), &comandos_});
  SetCanClose([this] { return sinPreguntar_ || GuardarSiModificado(); });

  using namespace cmd;
  comandos_.OnCommand(kDeshacer, [this] { doc_->Deshacer(); },
                      [this](CmdUi& ui) { ui.enabled = doc_->NumDeshacer() > 0; });
  comandos_.OnCommand(kRehacer, [this] { doc_->Rehacer(); },
                      [this](CmdUi& ui) { ui.enabled = doc_->NumRehacer() > 0; });
  comandos_.OnCommand(kGuardar, [this] { Guardar(); });
  comandos_.OnCommand(kGuardarComo, [this] { GuardarComo(); });
  comandos_.OnCommand(kCerrar, [this] { close(); });
  comandos_.OnCommand(kImprimir, [this] {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(doc_->GetTitle()));
    QPrintDialog dialogo(&printer, this);
    dialogo.setWindowTitle(QStringLiteral("Imprimir"));
    if (dialogo.exec() == QDialog::Accepted) vista_->Imprimir(printer);
  });
  ActualizarTitulo();
  vista_->OnInitialUpdate();
}

CChildFrame::~CChildFrame() {
  // The view goes before the document it shows.
  doc_->Puertos().vistas = nullptr;
  delete vista_;
  vista_ = nullptr;
}

void CChildFrame::ActualizarVistas() {
  if (vista_) vista_->Actualizar();
  // The document changed: the states of the commands may have too.
  if (auto* marco = qobject_cast<MdiFrame*>(mdiArea() ? mdiArea()->window() : nullptr))
    marco->Commands().UpdateSoon();
}

int CChildFrame::TipoSeleccion() const { return vista_ ? vista_->EstadoEdicion() : kSelNada; }

void CChildFrame::SetTipoSeleccion(int tipo) {
  if (vista_) vista_->SetEstadoEdicion(tipo);
}

void CChildFrame::ActualizarTitulo() { setWindowTitle(QString::fromStdString(doc_->GetTitle())); }

bool CChildFrame::Guardar() {
  if (doc_->GetPathName().empty()) return GuardarComo();
  const std::string ruta = doc_->GetPathName();
  if (!doc_->OnSaveDocument(ruta).ok) return false;
  ActualizarTitulo();
  if (alGuardar) alGuardar(QString::fromStdString(ruta));
  return true;
}

bool CChildFrame::GuardarComo() {
  QString sugerido;
  if (doc_->GetPathName().empty()) {
    sugerido = QDir::current().filePath(QString::fromStdString(doc_->GetTitle()) +
                                        QString::fromLatin1(kExtensionDocumento));
  } else {
    sugerido = QString::fromStdString(doc_->GetPathName());
  }
  const QString ruta = ChooseSaveFile(this, QString::fromUtf8(kFiltroDocumento),
                                      QStringLiteral("vdo"), sugerido);
  if (ruta.isEmpty()) return false;
  if (!doc_->OnSaveDocument(ruta.toStdString()).ok) return false;
  ActualizarTitulo();
  if (alGuardar) alGuardar(ruta);
  return true;
}

bool CChildFrame::GuardarSiModificado() {
  if (!doc_->IsModified()) return true;
  const std::string nombre = doc_->GetPathName().empty() ? doc_->GetTitle() : doc_->GetPathName();
  QString texto = QString::fromUtf8(textos::kGuardarCambios).arg(QString::fromStdString(nombre));
  const Answer r = CurrentMessageRunner().Run(
      this, MessageRequest{{}, texto.toStdString(), MsgButtons::YesNoCancel, MsgIcon::Warning});
  if (r == Answer::Yes) return Guardar();
  return r == Answer::No;
}

void CChildFrame::CerrarSinPreguntar() {
  sinPreguntar_ = true;
  close();
}

}  // namespace vardo
