#include "blocks/signaling_text.h"

#include <cctype>
#include <cstdio>

#include "image/number_text.h"

namespace kp07 {
namespace {
constexpr long kByteMax = 255;
constexpr std::size_t kDigitStringLength = 8;
constexpr std::size_t kTagLength = 8;
std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string Upper(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::optional<unsigned> ChoiceIndex(const ChoiceTexts& list, const std::string& text) {
    const std::string wanted = Upper(Trimmed(text));
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (Upper(Trimmed(list[i])) == wanted) return unsigned(i);
    }
    return {};
}

unsigned NextChoice(const ChoiceTexts& list, unsigned index) {
    return index + 1 < list.size() ? index + 1 : 0;
}

const ChoiceTexts& FlagChoices() {
    static const ChoiceTexts list{"-", "v"};
    return list;
}

unsigned WholeSecondsFromText(const std::string& text) {
    return unsigned(ClampWhole(ParseDecimal(text), 0, kByteMax));
}

std::string FormatWholeSeconds(unsigned seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%3u s", seconds);
    return text;
}

std::string DtmfCodeFromText(const std::string& text, std::size_t maxDigits) {
    std::string code = text.substr(0, text.find_first_of("\r\n"));
    if (code.size() > maxDigits) code.resize(maxDigits);
    for (char& c : code) c = char(std::toupper(static_cast<unsigned char>(c)));
    return code;
}

std::string DigitStringFromText(const std::string& text) {
    std::string digits;
    for (char c : text) {
        const char u = char(std::toupper(static_cast<unsigned char>(c)));
        if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'E')) digits += u;
        if (digits.size() == kDigitStringLength) break;
    }
    return digits;
}

std::string FormatDigitString(const std::string& digits) {
    std::string shown = digits.substr(0, kDigitStringLength);
    shown.resize(kDigitStringLength, ' ');
    return shown;
}

std::string SignalingTagFromText(const std::string& text) {
    std::string tag = Upper(text.substr(0, text.find_first_of("\r\n")));
    tag.resize(kTagLength, ' ');
    return tag;
}

}  // namespace kp07
