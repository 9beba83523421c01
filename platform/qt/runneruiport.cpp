#include "platform/qt/runneruiport.h"

#include <QApplication>
#include <QWidget>

#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {
QWidget* Parent() {
  QWidget* w = QApplication::activeModalWidget();
  if (!w) w = QApplication::activeWindow();
  return w;
}

MsgIcon IconOf(MsgKind kind) {
  switch (kind) {
    case MsgKind::Plain: return MsgIcon::None;
    case MsgKind::Information: return MsgIcon::Information;
    case MsgKind::Warning: return MsgIcon::Warning;
    case MsgKind::Error: return MsgIcon::Critical;
  }
  return MsgIcon::None;
}
}  // namespace

void RunnerUiPort::Message(const std::string& text, MsgKind kind) {
  if (quiet_) return;
  CurrentMessageRunner().Run(Parent(), MessageRequest{{}, text, MsgButtons::Ok, IconOf(kind)});
}

Answer RunnerUiPort::AskYesNo(const std::string& text, Answer defaultAnswer) {
  if (quiet_) return defaultAnswer;
  return CurrentMessageRunner().Run(
      Parent(), MessageRequest{{}, text, MsgButtons::YesNo, MsgIcon::Question});
}

Answer RunnerUiPort::AskYesNoCancel(const std::string& text, Answer defaultAnswer) {
  if (quiet_) return defaultAnswer;
  return CurrentMessageRunner().Run(
      Parent(), MessageRequest{{}, text, MsgButtons::YesNoCancel, MsgIcon::Question});
}

}  // namespace vardo
