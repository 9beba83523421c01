// Message boxes and questions of the window layers go through one replaceable
// runner: the program shows real message boxes, tests install a scripted
// runner that records each request and answers from a list, headlessly.
#pragma once
#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/uiport.h"

class QAbstractButton;
class QMessageBox;
class QWidget;

namespace vardo {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Warning, Critical, Question };

struct MessageRequest {
  std::string caption;  // empty: the application's name
  std::string text;
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
};

class MessageRunner {
 public:
  virtual ~MessageRunner() = default;
  virtual Answer Run(QWidget* parent, const MessageRequest& request) = 0;
};

// The runner in use (a QMessageBox runner unless one was installed).
MessageRunner& CurrentMessageRunner();
// Installs a runner; nullptr goes back to the QMessageBox runner.
void SetMessageRunner(MessageRunner* runner);

// Shorthands.
Answer ShowMessage(QWidget* parent, const std::string& text, MsgIcon icon = MsgIcon::None,
                   const std::string& caption = {});
Answer AskYesNo(QWidget* parent, const std::string& text, const std::string& caption = {},
                MsgIcon icon = MsgIcon::Question);

// The buttons of a built message box; those the request has not are null.
struct MessageBoxButtons {
  QAbstractButton* ok = nullptr;
  QAbstractButton* yes = nullptr;
  QAbstractButton* no = nullptr;
  QAbstractButton* cancel = nullptr;
};

// The box that shows a request, built and laid out but not shown: caption,
// icon, plain text and the buttons. Long words may break (Partible); a
// message with lines that start with tabs is broken to the box's width with
// each part of a line under its indent (EnvolverConSangria).
std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* parent, const MessageRequest& request,
                                             MessageBoxButtons* buttons = nullptr);

// Real message boxes, buttons "Aceptar", "Cancelar", "Sí", "No".
class QtMessageRunner : public MessageRunner {
 public:
  Answer Run(QWidget* parent, const MessageRequest& request) override;
};

// Where no one can answer (no screen, or printing from a shell): writes each
// text to standard error, one line each, and gives the safe answer (Ok for a
// message, No or Cancel for a question).
class StderrMessageRunner : public MessageRunner {
 public:
  Answer Run(QWidget* parent, const MessageRequest& request) override;
};

// For tests: records every request; answers the next scripted answer, or
// the first button of the request (Ok or Yes) when the script is empty.
class ScriptedMessageRunner : public MessageRunner {
 public:
  Answer Run(QWidget* parent, const MessageRequest& request) override;
  void Script(std::initializer_list<Answer> answers) { script_.insert(script_.end(), answers); }
  const std::vector<MessageRequest>& Log() const { return log_; }
  void Clear() { log_.clear(); }

 private:
  std::deque<Answer> script_;
  std::vector<MessageRequest> log_;
};

// Installs a runner for one scope and restores the previous one.
class ScopedMessageRunner {
 public:
  explicit ScopedMessageRunner(MessageRunner& runner);
  ~ScopedMessageRunner();
  ScopedMessageRunner(const ScopedMessageRunner&) = delete;
  ScopedMessageRunner& operator=(const ScopedMessageRunner&) = delete;

 private:
  MessageRunner* previous_;
};

}  // namespace vardo
