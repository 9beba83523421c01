// How code without windows talks to the user: messages and questions.
// The program installs a port that shows message boxes; tests install a
// RecordingUiPort with scripted answers. Quiet mode (sweeps, painting, the
// report) swallows messages and answers questions with their default.
#pragma once
#include <deque>
#include <string>
#include <vector>

namespace vardo {

enum class MsgKind { Plain, Information, Warning, Error };
enum class Answer { Yes, No, Cancel, Ok };

class UiPort {
 public:
  virtual ~UiPort() = default;
  virtual void Message(const std::string& text, MsgKind kind = MsgKind::Plain) = 0;
  // Yes/No question; defaultAnswer is what quiet mode answers.
  virtual Answer AskYesNo(const std::string& text, Answer defaultAnswer = Answer::No) = 0;
  virtual Answer AskYesNoCancel(const std::string& text, Answer defaultAnswer = Answer::Cancel) = 0;

  void SetQuiet(bool quiet) { quiet_ = quiet; }
  bool Quiet() const { return quiet_; }

 protected:
  bool quiet_ = false;
};

// Turns quiet mode on for one scope and restores the previous mode.
class QuietScope {
 public:
  explicit QuietScope(UiPort& port) : port_(port), old_(port.Quiet()) { port_.SetQuiet(true); }
  ~QuietScope() { port_.SetQuiet(old_); }
  QuietScope(const QuietScope&) = delete;
  QuietScope& operator=(const QuietScope&) = delete;

 private:
  UiPort& port_;
  bool old_;
};

class RecordingUiPort : public UiPort {
 public:
  struct Entry {
    enum class Type { Message, YesNo, YesNoCancel } type;
    std::string text;
    MsgKind kind = MsgKind::Plain;
    Answer answer = Answer::Ok;
  };

  void Message(const std::string& text, MsgKind kind = MsgKind::Plain) override;
  Answer AskYesNo(const std::string& text, Answer defaultAnswer = Answer::No) override;
  Answer AskYesNoCancel(const std::string& text, Answer defaultAnswer = Answer::Cancel) override;

  // Answers given to the next questions, in order; when none is left the
  // question's default is used.
  void Script(std::initializer_list<Answer> answers) { script_.insert(script_.end(), answers); }

  const std::vector<Entry>& Log() const { return log_; }
  std::vector<std::string> Messages() const;
  void Clear() { log_.clear(); }

 private:
  Answer Next(Answer def);
  std::deque<Answer> script_;
  std::vector<Entry> log_;
};

// The port core code uses when none was given: the program sets it at start.
UiPort& DefaultUiPort();
void SetDefaultUiPort(UiPort* port);

}  // namespace vardo
