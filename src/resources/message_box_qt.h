// The desktop program's message boxes: shows the texts of the one message
// routine in a modal box titled with the program's name.
#pragma once

#include "resources/message.h"

namespace kp07 {

class QtMessageBackend : public MessageBackend {
  public:
    // Safe from any thread: a call from a worker thread is shown on the user
    // interface thread and waits there for the answer.
    MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
};

// Installs one process-wide QtMessageBackend; called once at start-up, after
// the QApplication exists.
void InstallQtMessageBackend();

// The text as the box shows it: the table's "\r\n" line breaks become one
// line break each.
std::string MessageBoxText(const std::string& text);

}  // namespace kp07
