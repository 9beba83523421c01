#include "platform/core/uiport.h"

namespace vardo {

void RecordingUiPort::Message(const std::string& text, MsgKind kind) {
  if (quiet_) return;
  log_.push_back({Entry::Type::Message, text, kind, Answer::Ok});
}

Answer RecordingUiPort::Next(Answer def) {
  if (script_.empty()) return def;
  Answer a = script_.front();
  script_.pop_front();
  return a;
}

Answer RecordingUiPort::AskYesNo(const std::string& text, Answer defaultAnswer) {
  if (quiet_) return defaultAnswer;
  Answer a = Next(defaultAnswer);
  log_.push_back({Entry::Type::YesNo, text, MsgKind::Plain, a});
  return a;
}

Answer RecordingUiPort::AskYesNoCancel(const std::string& text, Answer defaultAnswer) {
  if (quiet_) return defaultAnswer;
  Answer a = Next(defaultAnswer);
  log_.push_back({Entry::Type::YesNoCancel, text, MsgKind::Plain, a});
  return a;
}

std::vector<std::string> RecordingUiPort::Messages() const {
  std::vector<std::string> out;
  for (const auto& e : log_) out.push_back(e.text);
  return out;
}

namespace {
RecordingUiPort& FallbackPort() {
  static RecordingUiPort port;
  return port;
}
UiPort* g_port = nullptr;
}  // namespace

UiPort& DefaultUiPort() { return g_port ? *g_port : FallbackPort(); }
void SetDefaultUiPort(UiPort* port) { g_port = port; }

}  // namespace vardo
