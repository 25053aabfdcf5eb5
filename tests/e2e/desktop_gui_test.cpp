// The desktop program against kr318-sim on a pseudo-terminal, as a dealer or
// a technician would use it: COM1 mapped to the simulator in the profile, the
// transfers and the alignment run from the menus, and the radio's memory
// compared afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "alignment/align_slider_dialog.h"
#include "alignment/alignment_dialog.h"
#include "alignment/alignment_items.h"
#include "app/alignment_commands.h"
#include "app/channel_view_commands.h"
#include "app/radio_commands.h"
#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "blocks/radio_identity.h"
#include "channels/channel_view.h"
#include "image/accessors.h"
#include "image/process_state.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "resources/command_ids.h"
#include "support/gui/app_fixture.h"
#include "support/gui/gui_helpers.h"
#include "support/test_support.h"
#include "support/tool_process.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

// Runs `act` on the modal dialog of type T as soon as it is up (polled while
// the dialogs before it run modally).
template <class T>
void WhenModal(std::function<void(T*)> act, int timeoutMs = 20000) {
    auto* timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, act, started, timeoutMs] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && started->elapsed() < timeoutMs) return;
        timer->stop();
        timer->deleteLater();
        if (dialog) act(dialog);
    });
    timer->start(10);
}

// The main window with the channel view, the Radio menu and alignment, its
// COM1 leading to a delivered unit: serial number 3D123456, a group tag of
// its own, microphone sensitivity 40h.
class DesktopWithSimulatedRadio : public test::MainFrameTest {
  protected:
    void SetUp() override {
        if (test::ToolsDir().empty()) GTEST_SKIP() << "KP07_TOOLS_DIR not set";
        MainFrameTest::SetUp();
    }
    void TearDown() override {
        imageModified = 0;
        MainFrameTest::TearDown();
    }
    void InstallCommands() override {
        FillDefaults(radio);
        SetFirmwareVersion(radio, 400);
        SetSerialNumber(radio, "3D123456");
        SetMicSensitivity(radio, 0x40);
        LoadPersistentBlocks(radio);
        RebuildImage(radio);
        SetGroupTag(radio, 2, "FLEET   ");
        ASSERT_TRUE(test::WriteMemory(memoryFile, radio));
        ASSERT_TRUE(sim.Start({"--memory", memoryFile, "--clone", "9600", "--no-pacing"}));
        profile->SetPortDevice(1, QString::fromStdString(sim.device()));  // as Configure does
        view = InstallChannelView(*frame, *profile);
        CTransferDialog* transfer = InstallRadioCommands(*frame, *profile, view);
        InstallAlignmentCommands(*frame, *transfer, view);
    }
    // Stops the simulator, which saves its memory, and reads that back.
    RadioImage RadioMemory() {
        sim.Stop();
        return test::ReadMemory(memoryFile);
    }

    RadioImage radio{};
    const std::string memoryFile = dir.filePath("radio.mem").toStdString();
    test::SimProcess sim;
    CKP05View* view = nullptr;
};

TEST_F(DesktopWithSimulatedRadio, UploadEditDownload) {
    ASSERT_TRUE(test::ShowActive(frame.get()));
    // Another radio's channels start on the CB group; a Download keeps the
    // group shown.
    view->groupSelector()->setCurrentIndex(2);
    frame->Trigger(cmd::kUpload);
    EXPECT_EQ(messages.last(), "Upload is completed");
    EXPECT_EQ(channels->currentGroup, 0);
    // The keyboard is back in the main window's grid.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == frame.get(); }));
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(view->grid()));
    EXPECT_EQ(GetGroupTag(*radioImage, 2), "FLEET   ");
    EXPECT_EQ(identity->serialNumber, "3D123456");
    EXPECT_EQ(currentFileName, "<none>");
    EXPECT_EQ(currentPort, nullptr);  // the port object is gone after the transfer

    // Edit a channel and send it back.
    channels->records[1].tag = "EDITED";
    channels->records[1].inUse = 1;
    imageModified = 1;
    messages.Clear();
    view->groupSelector()->setCurrentIndex(2);
    frame->Trigger(cmd::kDownload);
    EXPECT_EQ(messages.last(), "Download is completed");
    EXPECT_EQ(channels->currentGroup, 2);
    RebuildImage(*radioImage);
    const RadioImage written = RadioMemory();
    EXPECT_TRUE(
        test::BytesAt(written, 0, std::vector<int>(radioImage->begin(), radioImage->end())));
    EXPECT_EQ(GetChannelTag(ChannelRecordAt(written, 1)), "EDITED  ");
}

// In factory mode: the way in, the microphone tuned three steps up with the
// slider, OK, the way out and only the changed block written.
TEST_F(DesktopWithSimulatedRadio, TuneTheMicrophoneFromTheMenu) {
    factoryMode = true;  // before the window shows: the menu keeps Alignment
    ASSERT_TRUE(test::ShowActive(frame.get()));
    ASSERT_TRUE(frame->Action(cmd::kAlignment)->isEnabled());
    messages.Answer(MsgResult::kYes);  // the caution
    int shownMic = -1;
    WhenModal<CAlignmentDlg>([&](CAlignmentDlg* alignment) {
        shownMic = alignment->valueField(kItemMicSensitivity)->text().toInt();
        WhenModal<CAlignSliderDlg>([](CAlignSliderDlg* slider) {
            for (int i = 0; i < 3; ++i) QTest::keyClick(slider->valueField(), Qt::Key_Right);
            slider->accept();
        });
        QLineEdit* mic = alignment->valueField(kItemMicSensitivity);
        mic->setFocus();
        QTest::keyClick(mic, Qt::Key_Return);
        messages.Answer(MsgResult::kYes);  // overwrite the radio's data
        alignment->accept();
    });
    frame->Trigger(cmd::kAlignment);

    EXPECT_EQ(shownMic, 0x40);
    std::vector<std::string> texts;
    for (const auto& s : messages.shown()) texts.push_back(s.text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1], "Upload is completed");
    EXPECT_EQ(texts[2], "Overwrite original data");
    EXPECT_EQ(texts[3], "Download is completed");
    EXPECT_EQ(hardware->alignment.micSensitivity, 0x43);
    EXPECT_EQ(currentPort, nullptr);
    EXPECT_EQ(referenceImage, nullptr);
    const RadioImage written = RadioMemory();
    EXPECT_EQ(GetMicSensitivity(written), 0x43u);
    // Only the last block changed.
    EXPECT_TRUE(test::BytesAt(written, 0, std::vector<int>(radio.begin(), radio.begin() + 7680)));
}

}  // namespace
}  // namespace kp07
