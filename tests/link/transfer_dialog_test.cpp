#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <functional>
#include <memory>

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

TEST_F(TransferDialogTest, EscapeEnterAndCloseDoNotStopATransferButCancelDoes) {
    SimulatedCable cable(radioMemory);
    cable.radio().StartIdle();  // waits for a power cycle that never comes
    CTransferDialog dialog;
    const RadioImage before = *radioImage;
    bool stillOpen = false;
    QString status;
    When([&] { return !dialog.statusLine()->text().isEmpty(); },
         [&] {
             status = dialog.statusLine()->text();
             QTest::keyClick(&dialog, Qt::Key_Escape);
             QTest::keyClick(&dialog, Qt::Key_Return);
             QTest::keyClick(&dialog, Qt::Key_Space);
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

TEST_F(TransferDialogTest, ProductionDownloadRepeatsForTheNextRadio) {
    productionMode = true;
    currentFileName = "/data/fleet/radio.K07";
    SimulatedCable cable(*radioImage);
    cable.radio().StartInCloneMode(9600);
    CTransferDialog dialog;
    QString serialLine, button;
    int downloads = 0;
    std::function<void()> afterFirst = [&] {
        ++downloads;
        serialLine = dialog.fileLabel()->text();
        button = dialog.button()->text();
        // F5 starts the next download; F6 before it is ready only beeps.
        QTest::keyClick(&dialog, Qt::Key_F5);
        QTest::keyClick(&dialog, Qt::Key_F6);
        When([&] { return dialog.repeatReady(); },
             [&] {
                 ++downloads;
                 QTest::keyClick(&dialog, Qt::Key_Escape);
             });
    };
    When([&] { return dialog.repeatReady(); }, afterFirst);
    EXPECT_EQ(Run(dialog, kTransferDownload), QDialog::Rejected);
    EXPECT_TRUE(dialog.closeAllowed());
    EXPECT_EQ(serialLine, "Ser  1C010001");
    EXPECT_EQ(button, "Repeat(F5-8)");
    EXPECT_EQ(downloads, 2);
    EXPECT_FALSE(dialog.quitRequested());
    EXPECT_EQ(CTransferDialog::FileNamePart("C:\\radios\\a.K07"), "a.K07");
    EXPECT_EQ(CTransferDialog::FileNamePart("b:c.K07"), "c.K07");
}

TEST_F(TransferDialogTest, ProductionDownloadShowsTheFileAndEndsOnEscape) {
    productionMode = true;
    currentFileName = "/data/fleet/radio.K07";
    SimulatedCable cable(*radioImage);
    cable.radio().StartIdle();  // the next radio is not switched on yet
    CTransferDialog dialog;
    QString fileLine;
    bool buttonShown = true;
    When([&] { return !dialog.statusLine()->text().isEmpty(); },
         [&] {
             fileLine = dialog.fileLabel()->text();
             buttonShown = dialog.button()->isVisible();
             QTest::keyClick(&dialog, Qt::Key_Escape);
         });
    EXPECT_EQ(Run(dialog, kTransferDownload), QDialog::Rejected);
    EXPECT_EQ(fileLine, "Load File Name : radio.K07");
    EXPECT_FALSE(buttonShown);
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
    CConfigurationDialog dialog(profile);
    dialog.show();
    dialog.portList()->setCurrentIndex(4);
    dialog.deviceBox()->setEditText(dir.path() + "/no-such-device");
    dialog.speedButton(1)->click();
    // Enter on the list does not close the dialog.
    dialog.portList()->setFocus();
    QTest::keyClick(dialog.portList(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    dialog.okButton()->setFocus();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last(), "Problem with COM port\r\n" +
                                   (dir.path() + "/no-such-device").toStdString() +
                                   ": No such file or directory");
    EXPECT_EQ(comPort, 5);
    EXPECT_EQ(comSpeed, 1);
    EXPECT_EQ(PortDevice(5), (dir.path() + "/no-such-device").toStdString());
    EXPECT_EQ(profile.PortDevice(5), dir.path() + "/no-such-device");
}

}  // namespace
}  // namespace kp07
