// Transfer progress as text, for the command line. On a terminal it is one
// line rewritten in place ("\r"), so a whole transfer takes a single line;
// in a pipe or a log file, where "\r" would pile up into one endless line,
// it is a plain line every ten percent.
#pragma once

#include <string>

namespace kp07 {

class ProgressLine {
  public:
    ProgressLine(bool terminal, std::string prefix)
        : terminal_(terminal), prefix_(std::move(prefix)) {}

    // A new count of steps (the next phase of a transfer); 0: no progress.
    void SetRange(unsigned range);
    // The text for step `value` of the range: "" when what is shown stays.
    std::string Step(unsigned value);
    // Before any other line: "\n" when a terminal line is still open, else "".
    std::string Close();

  private:
    bool terminal_;
    std::string prefix_;
    unsigned range_ = 0;
    int shown_ = -1;  // the percentage on show; -1: none yet
    bool open_ = false;
};

}  // namespace kp07
