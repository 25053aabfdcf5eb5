// A message backend for tests: records every message and answers from a
// queue of prepared results (OK, No or Cancel when the queue is empty).
#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "resources/message.h"

namespace kp07::test {

class MessageRecorder : public MessageBackend {
  public:
    struct Shown {
        std::string text;
        MsgButtons buttons;
        MsgIcon icon;
    };

    // Installs itself for its lifetime.
    MessageRecorder();
    ~MessageRecorder() override;

    MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon icon) override;

    void Answer(MsgResult result);  // queue the answer to the next message
    std::vector<Shown> shown() const;
    std::string last() const;  // text of the last message, or ""
    std::size_t count() const;
    void Clear();

  private:
    mutable std::mutex mutex_;
    std::vector<Shown> shown_;
    std::deque<MsgResult> answers_;
    MessageBackend* previous_;
};

}  // namespace kp07::test
