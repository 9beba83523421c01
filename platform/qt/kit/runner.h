// The one runner of every nested modal run: kit dialogs, message boxes,
// file dialogs, the font and colour choosers and beeps. The program uses the
// real windows; a test installs one scripted runner (ScopedModalRunner) and
// answers and logs all of them. The message and file-dialog runners of
// messagerunner.h and filedialogs.h are parts of it, so their callers keep
// working and reach the installed runner too.
#pragma once
#include <QFont>

#include "platform/core/types.h"
#include "platform/qt/filedialogs.h"
#include "platform/qt/messagerunner.h"

class QWidget;

namespace vardo::kit {

class Dialog;

class ModalRunner : public MessageRunner, public FileDialogRunner {
 public:
  using MessageRunner::Run;
  using FileDialogRunner::Run;
  // Runs a kit dialog modally and returns how it ended (kIdOk, kIdCancel,
  // kIdFinish or the code given to Dialog::End).
  virtual int RunDialog(Dialog& dialog) = 0;
  // The standard font chooser (screen fonts with effects); true for OK with
  // font holding the choice.
  virtual bool ChooseFont(QWidget* parent, LogFont& font) = 0;
  // The standard colour chooser; true for OK with colour holding the choice.
  virtual bool ChooseColor(QWidget* parent, Rgb& colour) = 0;
  virtual void Beep(int frequencyHz, int durationMs) = 0;
};

// The runner in use: the installed one, else the real windows.
ModalRunner& CurrentModalRunner();

// Real windows: QDialog::exec, message boxes and file dialogs with Spanish
// buttons, the Qt font and colour dialogs, the desktop's beep.
class QtModalRunner : public ModalRunner {
 public:
  Answer Run(QWidget* parent, const MessageRequest& request) override;
  QString Run(QWidget* parent, const FileDialogRequest& request) override;
  int RunDialog(Dialog& dialog) override;
  bool ChooseFont(QWidget* parent, LogFont& font) override;
  bool ChooseColor(QWidget* parent, Rgb& colour) override;
  void Beep(int frequencyHz, int durationMs) override;
};

// Installs a runner for one scope (dialogs, messages and file dialogs alike)
// and restores the previous ones.
class ScopedModalRunner {
 public:
  explicit ScopedModalRunner(ModalRunner& runner);
  ~ScopedModalRunner();
  ScopedModalRunner(const ScopedModalRunner&) = delete;
  ScopedModalRunner& operator=(const ScopedModalRunner&) = delete;

 private:
  ModalRunner* previous_;
  ScopedMessageRunner messages_;
  ScopedFileDialogRunner files_;
};

// Shorthands through the current runner.
bool ChooseFont(QWidget* parent, LogFont& font);
bool ChooseColor(QWidget* parent, Rgb& colour);
void Beep(int frequencyHz, int durationMs);

// A font record and a Qt font, the record's height being the negative
// character height in screen pixels (96 per inch).
LogFont ToLogFont(const QFont& font);
QFont ToQFont(const LogFont& font);

// The wait cursor for one scope.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  // How many are showing now (tests).
  static int Depth();
};

}  // namespace vardo::kit
