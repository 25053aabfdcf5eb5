#include "blocks/choice_texts.h"

#include <algorithm>
#include <cstdio>

namespace kp07 {

const ChoiceTexts& DisabledEnabledTexts() {
    static const ChoiceTexts texts = BlankedToOneWidth({"Disabled", "Enabled"});
    return texts;
}

ChoiceTexts FormatTexts(const char* format, const ChoiceTexts& numbers) {
    ChoiceTexts texts;
    for (const std::string& n : numbers) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, format, n.c_str());
        texts.emplace_back(buffer);
    }
    return texts;
}

ChoiceTexts NumberTexts(const char* format, int first, int last, int step) {
    ChoiceTexts texts;
    if (step <= 0) return texts;
    for (int n = first; n <= last; n += step) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, format, n);
        texts.emplace_back(buffer);
    }
    return texts;
}

ChoiceTexts BlankedToOneWidth(ChoiceTexts texts) {
    std::size_t width = 0;
    for (const std::string& t : texts) width = std::max(width, t.size());
    for (std::string& t : texts) t.resize(width, ' ');
    return texts;
}

std::string ChoiceText(const ChoiceTexts& texts, unsigned index) {
    return index < texts.size() ? texts[index] : std::string();
}

}  // namespace kp07
