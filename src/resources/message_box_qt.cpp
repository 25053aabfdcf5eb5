#include "resources/message_box_qt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

namespace kp07 {
namespace {

const char kTitle[] = "KP07XT";

struct ButtonChoice {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

ButtonChoice ChooseButtons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::kOkCancel:
            return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
        case MsgButtons::kYesNo:
            return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
        case MsgButtons::kYesNoCancel:
            return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes};
        case MsgButtons::kRetryCancel:
            return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry};
        case MsgButtons::kOk:
        default:
            return {QMessageBox::Ok, QMessageBox::Ok};
    }
}

QMessageBox::Icon ChooseIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::kStop:
            return QMessageBox::Critical;
        case MsgIcon::kQuestion:
            return QMessageBox::Question;
        case MsgIcon::kExclamation:
            return QMessageBox::Warning;
        case MsgIcon::kInformation:
            return QMessageBox::Information;
        case MsgIcon::kNone:
        default:
            return QMessageBox::NoIcon;
    }
}

// A box closed without a button (window close, Escape where no button is the
// escape button) answers like its cancelling button.
MsgResult ToResult(int clicked, MsgButtons buttons) {
    switch (clicked) {
        case QMessageBox::Ok:
            return MsgResult::kOk;
        case QMessageBox::Yes:
            return MsgResult::kYes;
        case QMessageBox::No:
            return MsgResult::kNo;
        case QMessageBox::Retry:
            return MsgResult::kRetry;
        case QMessageBox::Cancel:
            return MsgResult::kCancel;
        default:
            break;
    }
    return CautiousAnswer(buttons);
}

MsgResult ShowOnThisThread(const std::string& text, MsgButtons buttons, MsgIcon icon) {
    const ButtonChoice choice = ChooseButtons(buttons);
    QMessageBox box(ChooseIcon(icon), QString::fromLatin1(kTitle),
                    QString::fromStdString(MessageBoxText(text)), choice.buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(choice.defaultButton);
    box.setTextFormat(Qt::PlainText);
    return ToResult(box.exec(), buttons);
}

}  // namespace

std::string MessageBoxText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

MsgResult QtMessageBackend::Show(const std::string& text, MsgButtons buttons, MsgIcon icon) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return ToResult(-1, buttons);
    if (QThread::currentThread() == app->thread()) return ShowOnThisThread(text, buttons, icon);
    MsgResult result = ToResult(-1, buttons);
    QMetaObject::invokeMethod(
        app, [&] { result = ShowOnThisThread(text, buttons, icon); }, Qt::BlockingQueuedConnection);
    return result;
}

void InstallQtMessageBackend() {
    static QtMessageBackend backend;
    SetMessageBackend(&backend);
}

}  // namespace kp07
