// The one routine through which every message box of the program goes: it
// loads a string-table text, replaces %1 and %2 and shows it through the
// current backend. The desktop program installs a message-box backend; tests
// and command-line tools install their own.
#pragma once

#include <string>

namespace kp07 {

enum class MsgButtons { kOk, kOkCancel, kYesNo, kYesNoCancel, kRetryCancel };
enum class MsgIcon { kNone, kStop, kQuestion, kExclamation, kInformation };
enum class MsgResult { kOk, kCancel, kYes, kNo, kRetry };

class MessageBackend {
  public:
    virtual ~MessageBackend() = default;
    virtual MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon icon) = 0;
};

// The answer of a box closed without a choice: OK for an OK box, No for a
// Yes/No question, Cancel otherwise. Backends without a user give it too.
MsgResult CautiousAnswer(MsgButtons buttons);

// Installs a backend (nullptr puts back the default, which writes the text to
// standard error and answers OK, No or Cancel). Returns the previous one.
MessageBackend* SetMessageBackend(MessageBackend* backend);

// The string-table text of `id` with %1 and %2 replaced.
std::string FormatMessage(int id, const std::string& arg1 = {}, const std::string& arg2 = {});
// Replaces every %1 and %2 in `text`.
std::string ReplaceArgs(const std::string& text, const std::string& arg1,
                        const std::string& arg2 = {});

MsgResult ShowMessage(int id, MsgButtons buttons = MsgButtons::kOk, MsgIcon icon = MsgIcon::kNone,
                      const std::string& arg1 = {}, const std::string& arg2 = {});
// For the few texts that are composed rather than taken from the table.
MsgResult ShowMessageText(const std::string& text, MsgButtons buttons = MsgButtons::kOk,
                          MsgIcon icon = MsgIcon::kNone);

}  // namespace kp07
