#include "resources/message.h"

#include <cstdio>

#include "resources/strings.h"

namespace kp07 {
namespace {

class StderrBackend : public MessageBackend {
  public:
    MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return CautiousAnswer(buttons);
    }
};

StderrBackend stderrBackend;
MessageBackend* currentBackend = &stderrBackend;

}  // namespace

MsgResult CautiousAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::kOk:
            return MsgResult::kOk;
        case MsgButtons::kYesNo:
            return MsgResult::kNo;
        default:
            return MsgResult::kCancel;
    }
}

MessageBackend* SetMessageBackend(MessageBackend* backend) {
    MessageBackend* previous = currentBackend;
    currentBackend = backend ? backend : &stderrBackend;
    return previous;
}

std::string ReplaceArgs(const std::string& text, const std::string& arg1, const std::string& arg2) {
    std::string out;
    out.reserve(text.size() + arg1.size() + arg2.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FormatMessage(int id, const std::string& arg1, const std::string& arg2) {
    return ReplaceArgs(LoadString(id), arg1, arg2);
}

MsgResult ShowMessage(int id, MsgButtons buttons, MsgIcon icon, const std::string& arg1,
                      const std::string& arg2) {
    return ShowMessageText(FormatMessage(id, arg1, arg2), buttons, icon);
}

MsgResult ShowMessageText(const std::string& text, MsgButtons buttons, MsgIcon icon) {
    return currentBackend->Show(text, buttons, icon);
}

}  // namespace kp07
