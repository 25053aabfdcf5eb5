#include "report/report_columns.h"

#include <algorithm>

#include "report/report_text.h"

namespace kp07 {

void ColumnComposer::LeftHeading(const std::string& heading) {
    left_.push_back(Line("%-55s", heading.c_str()));
}

void ColumnComposer::LeftBlank() {
    left_.push_back(Line("%55s", ""));
}

void ColumnComposer::CloseColumns() {
    while (left_.size() < right_.size()) LeftBlank();
    const bool rightEnded = right_.empty() || right_.size() < left_.size() || right_.back().empty();
    const bool leftBlank =
        !left_.empty() && left_.back().find_first_not_of(' ') == std::string::npos;
    if (!rightEnded || !leftBlank) LeftBlank();
}

std::vector<std::string> ColumnComposer::Lines() const {
    const std::size_t count = std::max(left_.size(), right_.size());
    std::vector<std::string> lines(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (i < left_.size()) lines[i] = left_[i];
        if (i < right_.size()) lines[i] += right_[i];
    }
    return lines;
}

}  // namespace kp07
