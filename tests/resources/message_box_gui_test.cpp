#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <thread>

#include "resources/message_box_qt.h"

namespace kp07 {
namespace {

// What the box looked like, and which button the test pressed.
struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Answers the next message box with `press` (or closes it with Escape when
// `press` is NoButton) and records what it showed.
void AnswerNextBox(Seen* seen, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            AnswerNextBox(seen, press);
            return;
        }
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->standardButtons();
        seen->defaultButton = box->standardButton(box->defaultButton());
        if (press == QMessageBox::NoButton) {
            box->reject();
        } else {
            box->button(press)->click();
        }
    });
}

TEST(QtMessageBoxes, ButtonsIconsTitleAndLineBreaks) {
    QtMessageBackend backend;
    Seen seen;
    AnswerNextBox(&seen, QMessageBox::No);
    EXPECT_EQ(
        backend.Show("File not found.\r\nCreate it?", MsgButtons::kYesNoCancel, MsgIcon::kQuestion),
        MsgResult::kNo);
    EXPECT_EQ(seen.title, "KP07XT");
    EXPECT_EQ(seen.text, "File not found.\nCreate it?");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);

    AnswerNextBox(&seen, QMessageBox::Retry);
    EXPECT_EQ(backend.Show("x", MsgButtons::kRetryCancel, MsgIcon::kStop), MsgResult::kRetry);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);

    AnswerNextBox(&seen, QMessageBox::Ok);
    EXPECT_EQ(backend.Show("x", MsgButtons::kOk, MsgIcon::kExclamation), MsgResult::kOk);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);

    // Closed without a button: the cancelling answer.
    AnswerNextBox(&seen, QMessageBox::NoButton);
    EXPECT_EQ(backend.Show("x", MsgButtons::kOkCancel, MsgIcon::kInformation), MsgResult::kCancel);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
}

TEST(QtMessageBoxes, AWorkerThreadsMessageIsShownOnTheUiThread) {
    QtMessageBackend backend;
    Seen seen;
    AnswerNextBox(&seen, QMessageBox::Yes);
    MsgResult result = MsgResult::kCancel;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        result = backend.Show("Overwrite?", MsgButtons::kYesNo, MsgIcon::kQuestion);
        done = true;
    });
    while (!done) QApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    EXPECT_EQ(result, MsgResult::kYes);
    EXPECT_EQ(seen.text, "Overwrite?");
}

TEST(QtMessageBoxes, TableLineBreaksBecomeOne) {
    EXPECT_EQ(MessageBoxText("a\r\nb\r\n\r\nc\rd\n"), "a\nb\n\nc\rd\n");
}

}  // namespace
}  // namespace kp07
