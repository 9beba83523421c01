// The UiPort of the program: messages and questions of the window-free code
// become message boxes through the current MessageRunner, parented to the
// active window. Quiet mode swallows messages and answers the default.
#pragma once
#include "platform/core/uiport.h"

namespace vardo {

class RunnerUiPort : public UiPort {
 public:
  void Message(const std::string& text, MsgKind kind = MsgKind::Plain) override;
  Answer AskYesNo(const std::string& text, Answer defaultAnswer = Answer::No) override;
  Answer AskYesNoCancel(const std::string& text, Answer defaultAnswer = Answer::Cancel) override;
};

}  // namespace vardo
