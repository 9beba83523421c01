// The open and save-as file dialogs of the framework. Like message boxes
// they go through one replaceable runner, so that tests answer them with a
// scripted path instead of a window.
#pragma once
#include <QString>
#include <deque>
#include <vector>

class QWidget;

namespace vardo {

struct FileDialogRequest {
  bool save = false;      // save-as (with an overwrite prompt) or open
  QString title;          // "Abrir" or "Guardar como"
  QString filter;         // "Archivos de Calorama (*.vdo);;Todos los archivos (*.*)"
  QString defaultSuffix;  // without the dot, e.g. "vdo"
  QString initialPath;    // suggested file name or folder
  bool hideFilterDetails = false;  // the type list shows each entry's text, not its pattern
};

class FileDialogRunner {
 public:
  virtual ~FileDialogRunner() = default;
  // The chosen path, empty for Cancel.
  virtual QString Run(QWidget* parent, const FileDialogRequest& request) = 0;
};

FileDialogRunner& CurrentFileDialogRunner();
// nullptr goes back to the real dialogs.
void SetFileDialogRunner(FileDialogRunner* runner);

// The filter list of a document type: its own filter, then all files.
QString DocumentFilter(const QString& typeFilter);

// Shorthands with the framework's titles.
QString ChooseOpenFile(QWidget* parent, const QString& typeFilter);
QString ChooseSaveFile(QWidget* parent, const QString& typeFilter, const QString& suffix,
                       const QString& suggested);

// The real dialogs, with Spanish texts.
class QtFileDialogRunner : public FileDialogRunner {
 public:
  QString Run(QWidget* parent, const FileDialogRequest& request) override;
};

// For tests: answers from a list (an empty answer is Cancel) and records the
// requests.
class ScriptedFileDialogRunner : public FileDialogRunner {
 public:
  QString Run(QWidget* parent, const FileDialogRequest& request) override;
  void Script(const QString& answer) { answers_.push_back(answer); }
  const std::vector<FileDialogRequest>& Log() const { return log_; }

 private:
  std::deque<QString> answers_;
  std::vector<FileDialogRequest> log_;
};

class ScopedFileDialogRunner {
 public:
  explicit ScopedFileDialogRunner(FileDialogRunner& runner);
  ~ScopedFileDialogRunner();
  ScopedFileDialogRunner(const ScopedFileDialogRunner&) = delete;
  ScopedFileDialogRunner& operator=(const ScopedFileDialogRunner&) = delete;

 private:
  FileDialogRunner* previous_;
};

}  // namespace vardo
