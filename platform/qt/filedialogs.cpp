#include "platform/qt/filedialogs.h"

#include <QFileDialog>

#include "platform/qt/frameworktexts.h"

namespace vardo {

namespace {

FileDialogRunner* g_runner = nullptr;

QtFileDialogRunner& QtRunner() {
  static QtFileDialogRunner runner;
  return runner;
}

}  // namespace

QString QtFileDialogRunner::Run(QWidget* parent, const FileDialogRequest& r) {
  QFileDialog dialog(parent, r.title, r.initialPath, r.filter);
  dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!r.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(r.defaultSuffix);
  dialog.setOption(QFileDialog::HideNameFilterDetails, r.hideFilterDetails);
  dialog.setLabelText(QFileDialog::Accept, r.save ? QStringLiteral("Guardar")
                                                  : QStringLiteral("Abrir"));
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Buscar en:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nombre de archivo:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.front();
}

FileDialogRunner& CurrentFileDialogRunner() { return g_runner ? *g_runner : QtRunner(); }

void SetFileDialogRunner(FileDialogRunner* runner) { g_runner = runner; }

QString DocumentFilter(const QString& typeFilter) {
  return typeFilter + QStringLiteral(";;") + QString::fromUtf8(textos::kTodosLosArchivos);
}

QString ChooseOpenFile(QWidget* parent, const QString& typeFilter) {
  FileDialogRequest r;
  r.save = false;
  r.title = QString::fromUtf8(textos::kTituloAbrir);
  r.filter = DocumentFilter(typeFilter);
  return CurrentFileDialogRunner().Run(parent, r);
}

QString ChooseSaveFile(QWidget* parent, const QString& typeFilter, const QString& suffix,
                       const QString& suggested) {
  FileDialogRequest r;
  r.save = true;
  r.title = QString::fromUtf8(textos::kTituloGuardarComo);
  r.filter = DocumentFilter(typeFilter);
  r.defaultSuffix = suffix;
  r.initialPath = suggested;
  return CurrentFileDialogRunner().Run(parent, r);
}

QString ScriptedFileDialogRunner::Run(QWidget*, const FileDialogRequest& request) {
  log_.push_back(request);
  if (answers_.empty()) return {};
  QString a = answers_.front();
  answers_.pop_front();
  return a;
}

ScopedFileDialogRunner::ScopedFileDialogRunner(FileDialogRunner& runner) : previous_(g_runner) {
  g_runner = &runner;
}

ScopedFileDialogRunner::~ScopedFileDialogRunner() { g_runner = previous_; }

}  // namespace vardo
