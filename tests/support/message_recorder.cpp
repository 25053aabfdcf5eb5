#include "support/message_recorder.h"

namespace kp07::test {

MessageRecorder::MessageRecorder() : previous_(SetMessageBackend(this)) {}

MessageRecorder::~MessageRecorder() {
    SetMessageBackend(previous_);
}

MsgResult MessageRecorder::Show(const std::string& text, MsgButtons buttons, MsgIcon icon) {
    std::lock_guard<std::mutex> lock(mutex_);
    shown_.push_back({text, buttons, icon});
    if (!answers_.empty()) {
        const MsgResult r = answers_.front();
        answers_.pop_front();
        return r;
    }
    switch (buttons) {
        case MsgButtons::kOk:
            return MsgResult::kOk;
        case MsgButtons::kYesNo:
            return MsgResult::kNo;
        default:
            return MsgResult::kCancel;
    }
}

void MessageRecorder::Answer(MsgResult result) {
    std::lock_guard<std::mutex> lock(mutex_);
    answers_.push_back(result);
}

std::vector<MessageRecorder::Shown> MessageRecorder::shown() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return shown_;
}

std::string MessageRecorder::last() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return shown_.empty() ? std::string() : shown_.back().text;
}

std::size_t MessageRecorder::count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return shown_.size();
}

void MessageRecorder::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    shown_.clear();
    answers_.clear();
}

}  // namespace kp07::test
