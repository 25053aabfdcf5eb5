#include "resources/help_texts.h"

#include "resources/strings.h"

namespace kp07 {
namespace {
const char* const kBlankLine = "\r\n\r\n";
const char* const kLineBreak = "\r\n";
}  // namespace

std::string GetStartedText() {
    return LoadString(60) + LoadString(61) + LoadString(62) + kBlankLine + LoadString(63) +
           kBlankLine + LoadString(64);
}

std::string CommonProblemsText() {
    std::string text = LoadString(66);
    for (int id : {67, 68}) text += kBlankLine + LoadString(id);
    for (int id : {69, 70, 71}) text += LoadString(id);
    text += kLineBreak;
    for (int id = 72; id <= 76; ++id) text += LoadString(id);
    text += LoadString(77) + kLineBreak + LoadString(103) + LoadString(104);
    return text;
}

}  // namespace kp07
