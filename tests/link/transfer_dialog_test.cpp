#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <thread>

#include "app/app_profile.h"
#include "app/configuration_dialog.h"
#include "blocks/image_ops.h"
#include "blocks/radio_identity.h"
#include "image/accessors.h"
#include "image/process_state.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "link/simulated_line.h"
#include "link/transfer_dialog.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "widgets/enter_combo.h"

namespace kp07 {
namespace {

// Polls `done` while the dialog runs modally; then runs `step`.
void When(std::function<bool()> done, std::function<void()> step, int timeoutMs = 10000) {
    auto* timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, done, step, started, timeoutMs] {
        if (done() || started->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            step();
        }
    });
    timer->start(10);
}

class TransferDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        CreateImageAndBlocks();
        FillDefaults(*radioImage);
        identity->firmwareVersion = 400;
        RebuildImage(*radioImage);
        LoadPersistentBlocks(*radioImage);
        radioMemory = *radioImage;
        SetGroupTag(radioMemory, 1, "RADIO   ");
    }
    void TearDown() override {
        currentPort.reset();
        DestroyImageAndBlocks();
        ResetProcessStateForTest();
    }
    // A fresh port, as the menu command creates before the dialog runs.
    int Run(CTransferDialog& dialog, int mode) {
        ReplaceCurrentPort();
        dialog.SetMode(mode);
        return dialog.RunModal();
    }

    RadioImage radioMemory{};
    test::MessageRecorder messages;
};

TEST_F(TransferDialogTest, UploadRunsBehindTheDialogAndClosesItself) {
    SimulatedCable cable(radioMemory);
    cable.radio().StartInCloneMode(9600);
    CTransferDialog dialog;
    EXPECT_EQ(Run(dialog, kTransferUpload), QDialog::Accepted);
    EXPECT_EQ(dialog.windowTitle(), "Upload Function");
    ASSERT_NE(dialog.progressBar(), nullptr);
    EXPECT_EQ(dialog.progressBar()->maximum(), 7809);
    EXPECT_EQ(messages.last(), "Upload is completed");
    EXPECT_EQ(GetGroupTag(*radioImage, 1), "RADIO   ");
    EXPECT_EQ(uploadSucceeded, 1);
    EXPECT_FALSE(dialog.closeAllowed());
}

TEST_F(TransferDialogTest, KeysAndCloseDoNotStopATransferButCancelDoes) {
    SimulatedCable cable(radioMemory);
    cable.radio().StartIdle();  // waits for a power cycle that never comes
    CTransferDialog dialog;
    const RadioImage before = *radioImage;
    bool stillOpen = false;
    QString status;
    When([&] { return !dialog.statusLine()->text().isEmpty(); },
         [&] {
             status = dialog.statusLine()->text();
             // Space, Enter and Return on the focused Cancel button and on
             // the dialog do nothing, nor does Escape outside production.
             dialog.button()->setFocus();
             for (QWidget* target :
                  {static_cast<QWidget*>(dialog.button()), static_cast<QWidget*>(&dialog)}) {
                 for (const Qt::Key key :
                      {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                     QTest::keyClick(target, key);
                 }
             }
             dialog.close();
             stillOpen = dialog.isVisible();
             QTest::mouseClick(dialog.button(), Qt::LeftButton);
         });
    EXPECT_EQ(Run(dialog, kTransferUpload), QDialog::Rejected);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(status, "Switch radio OFF, back ON to start uploading");
    EXPECT_EQ(*radioImage, before);
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(TransferDialogTest, AFailingJobShowsItsMessageAndClosesWithOk) {
    SimulatedCable cable(radioMemory);
    cable.SetOpenError(ENOENT);
    CTransferDialog dialog;
    EXPECT_EQ(Run(dialog, kTransferDownload), QDialog::Accepted);
    EXPECT_EQ(messages.last(), "Problem with COM port\r\n/dev/ttyS0: No such file or directory");
}

// Whether a text shows whole: the label is as wide as the text and lies
// inside the dialog.
::testing::AssertionResult Fits(const QLabel* label, const QWidget* dialog) {
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    if (label->width() < needed || label->geometry().right() >= dialog->width()) {
        return ::testing::AssertionFailure()
               << label->text().toStdString() << ": " << needed << " px of text in a label "
               << label->width() << " px wide from x=" << label->x() << ", dialog "
               << dialog->width() << " px";
    }
    return ::testing::AssertionSuccess();
}

TEST_F(TransferDialogTest, ProductionDownloadShowsTheFileWholeAndEndsOnEscape) {
    productionMode = true;
    currentFileName = "/data/fleet/radio of the northern depot, second batch.K07";
    SimulatedCable cable(*radioImage);
    cable.radio().StartIdle();  // the next radio is not switched on yet
    CTransferDialog dialog;
    QString fileLine;
    bool buttonShown = true;
    When([&] { return !dialog.statusLine()->text().isEmpty(); },
         [&] {
             fileLine = dialog.fileLabel()->text();
             buttonShown = dialog.button()->isVisible();
             // The dialog is as wide as its longest text.
             EXPECT_EQ(dialog.statusLine()->text(),
                       "Switch radio OFF, back ON to start downloading");
             EXPECT_TRUE(Fits(dialog.statusLine(), &dialog));
             EXPECT_TRUE(Fits(dialog.fileLabel(), &dialog));
             QTest::keyClick(&dialog, Qt::Key_Escape);
         });
    EXPECT_EQ(Run(dialog, kTransferDownload), QDialog::Rejected);
    EXPECT_EQ(fileLine, "Load File Name : radio of the northern depot, second batch.K07");
    EXPECT_FALSE(buttonShown);
}

// The job shows "Download is completed" a moment after it reported that a
// repeat may start; F5 pressed in between must not wait for the job while
// the job waits for the message to be shown.
class SlowToAskDialog : public CTransferDialog {
  public:
    MsgResult Ask(int id, MsgButtons buttons, MsgIcon icon, const std::string& arg1) override {
        if (id == kMsgDownloadCompleted)
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return CTransferDialog::Ask(id, buttons, icon, arg1);
    }
};

// F5 starts the next download while the job that reported the repeat ready
// may still wait for its message; F6 before the next is ready only beeps.
TEST_F(TransferDialogTest, ProductionDownloadRepeatsForTheNextRadioWithoutHanging) {
    productionMode = true;
    currentFileName = "/data/fleet/radio.K07";
    SimulatedCable cable(*radioImage);
    cable.radio().StartInCloneMode(9600);
    // A hang fails the test instead of stalling the run.
    std::atomic<bool> finished{false};
    std::thread watchdog([&] {
        for (int i = 0; i < 600 && !finished; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (!finished) {
            std::fprintf(stderr, "the production repeat hangs\n");
            std::_Exit(1);
        }
    });
    SlowToAskDialog dialog;
    QString serialLine, button;
    int ready = 0;
    std::function<void()> next = [&] {
        if (++ready == 2) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            return;
        }
        serialLine = dialog.fileLabel()->text();
        button = dialog.button()->text();
        QTest::keyClick(&dialog, Qt::Key_F5);
        QTest::keyClick(&dialog, Qt::Key_F6);
        When([&] { return dialog.repeatReady(); }, next);
    };
    When([&] { return dialog.repeatReady(); }, next);
    EXPECT_EQ(Run(dialog, kTransferDownload), QDialog::Rejected);
    finished = true;
    watchdog.join();
    EXPECT_EQ(ready, 2);
    ASSERT_EQ(messages.count(), 2u);  // each radio's completion was shown
    EXPECT_EQ(messages.last(), "Download is completed");
    EXPECT_TRUE(dialog.closeAllowed());
    EXPECT_FALSE(dialog.quitRequested());
    EXPECT_EQ(serialLine, "Ser  1C010001");
    EXPECT_EQ(button, "Repeat(F5-8)");
    EXPECT_EQ(CTransferDialog::FileNamePart("C:\\radios\\a.K07"), "a.K07");
    EXPECT_EQ(CTransferDialog::FileNamePart("b:c.K07"), "c.K07");
}

TEST_F(TransferDialogTest, ConfigurationKeepsAChoiceThatDoesNotOpen) {
    QTemporaryDir dir;
    AppProfile profile(dir.path() + "/kp07xt.ini");
    comPort = 12;
    comSpeed = 0;
    {
        CConfigurationDialog dialog(profile);
        EXPECT_EQ(dialog.portList()->currentText(), "COM 12");
        EXPECT_EQ(dialog.deviceBox()->currentText(), "/dev/ttyS11");
        // Cancel after changing both leaves the configuration alone.
        dialog.portList()->setCurrentIndex(2);
        dialog.speedButton(1)->click();
        dialog.reject();
        EXPECT_EQ(comPort, 12);
        EXPECT_EQ(comSpeed, 0);
    }
    const std::string device = dir.filePath("no-such-device").toStdString();
    CConfigurationDialog dialog(profile);
    dialog.show();
    dialog.portList()->setCurrentIndex(4);
    dialog.deviceBox()->setEditText(QString::fromStdString(device));
    dialog.speedButton(1)->click();
    // Enter on the list does not close the dialog.
    dialog.portList()->setFocus();
    QTest::keyClick(dialog.portList(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    dialog.okButton()->setFocus();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last(),
              "Problem with COM port\r\n" + device + ": No such file or directory");
    EXPECT_EQ(comPort, 5);
    EXPECT_EQ(comSpeed, 1);
    EXPECT_EQ(PortDevice(5), device);
    EXPECT_EQ(profile.PortDevice(5).toStdString(), device);
}

}  // namespace
}  // namespace kp07
