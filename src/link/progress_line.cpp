#include "link/progress_line.h"

#include <algorithm>

namespace kp07 {

void ProgressLine::SetRange(unsigned range) {
    range_ = range;
    shown_ = -1;
}

std::string ProgressLine::Step(unsigned value) {
    if (range_ == 0) return {};
    const int percent = int(100.0 * std::min(value, range_) / range_);
    if (terminal_) {
        if (percent == shown_) return {};
        shown_ = percent;
        open_ = true;
        std::string text = "\r" + prefix_;
        const std::string number = std::to_string(percent);
        text.append(3 - number.size(), ' ');
        return text + number + "%";
    }
    if (shown_ >= 0 && percent / 10 == shown_ / 10) return {};
    shown_ = percent;
    return prefix_ + std::to_string(percent) + "%\n";
}

std::string ProgressLine::Close() {
    if (!open_) return {};
    open_ = false;
    return "\n";
}

}  // namespace kp07
