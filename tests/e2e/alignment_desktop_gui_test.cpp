// A technician's whole alignment from the menu, in factory mode, against
// kr318-sim on a pseudo-terminal: the way in, one item tuned with the slider,
// OK, the way out and the changed blocks written into the radio.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "alignment/align_slider_dialog.h"
#include "alignment/alignment_dialog.h"
#include "alignment/alignment_items.h"
#include "app/alignment_commands.h"
#include "app/app_profile.h"
#include "app/channel_view_commands.h"
#include "app/main_frame.h"
#include "app/radio_commands.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "document/document.h"
#include "image/accessors.h"
#include "image/process_state.h"
#include "link/link_state.h"
#include "resources/command_ids.h"
#include "support/gui/gui_helpers.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "support/tool_process.h"

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

TEST(AlignmentWithSimulatedRadio, TuneTheMicrophoneFromTheMenu) {
    if (test::ToolsDir().empty()) GTEST_SKIP() << "KP07_TOOLS_DIR not set";
    ResetProcessStateForTest();
    QTemporaryDir dir;
    SetExecutableDirectoryForTest(dir.path().toStdString());
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(dir.path());

    // The radio: a delivered unit whose microphone sensitivity is 40h.
    RadioImage radio{};
    CreateImageAndBlocks();
    FillDefaults(radio);
    SetFirmwareVersion(radio, 400);
    LoadPersistentBlocks(radio);
    hardware->alignment.micSensitivity = 0x40;
    RebuildImage(radio);
    const std::string memoryFile = dir.filePath("radio.mem").toStdString();
    ASSERT_TRUE(test::WriteMemory(memoryFile, radio));
    test::SimProcess sim;
    ASSERT_TRUE(sim.Start({"--memory", memoryFile, "--clone", "9600", "--no-pacing"}));

    test::MessageRecorder messages;
    factoryMode = true;
    {
        AppProfile profile(dir.filePath("kp07xt.ini"));
        profile.ReadConfiguration();
        profile.SetPortDevice(1, QString::fromStdString(sim.device()));
        CKP05Doc doc;
        CMainFrame frame(doc, profile);
        doc.SetHost(&frame);
        doc.OnNewDocument();
        CKP05View* view = InstallChannelView(frame, profile);
        CTransferDialog* transfer = InstallRadioCommands(frame, profile, view);
        InstallAlignmentCommands(frame, *transfer, view);
        ASSERT_TRUE(test::ShowActive(&frame));
        ASSERT_TRUE(frame.Action(cmd::kAlignment)->isEnabled());

        messages.Answer(MsgResult::kYes);  // the caution
        int shownMic = -1;
        WhenModal<CAlignmentDlg>([&](CAlignmentDlg* alignment) {
            shownMic = alignment->valueField(kItemMicSensitivity)->text().toInt();
            WhenModal<CAlignSliderDlg>([](CAlignSliderDlg* slider) {
                for (int i = 0; i < 3; ++i) {
                    QTest::keyClick(slider->valueField(), Qt::Key_Right);
                }
                slider->accept();
            });
            QLineEdit* mic = alignment->valueField(kItemMicSensitivity);
            mic->setFocus();
            QTest::keyClick(mic, Qt::Key_Return);
            messages.Answer(MsgResult::kYes);  // overwrite the radio's data
            alignment->accept();
        });
        frame.Trigger(cmd::kAlignment);

        EXPECT_EQ(shownMic, 0x40);
        const std::vector<test::MessageRecorder::Shown> shown = messages.shown();
        std::vector<std::string> texts;
        for (const auto& s : shown) texts.push_back(s.text);
        ASSERT_EQ(texts.size(), 4u);
        EXPECT_EQ(texts[1], "Upload is completed");
        EXPECT_EQ(texts[2], "Overwrite original data");
        EXPECT_EQ(texts[3], "Download is completed");
        EXPECT_EQ(hardware->alignment.micSensitivity, 0x43);
        EXPECT_EQ(currentPort, nullptr);
        EXPECT_EQ(referenceImage, nullptr);

        sim.Stop();  // saves the radio's memory
        const RadioImage written = test::ReadMemory(memoryFile);
        EXPECT_EQ(GetMicSensitivity(written), 0x43u);
        for (std::size_t i = 0; i < 7680; ++i) {
            ASSERT_EQ(written[i], radio[i]) << "byte " << i;  // only the last block changed
        }
        imageModified = 0;
    }
    QDir::setCurrent(oldCwd);
    SetExecutableDirectoryForTest("");
    DestroyImageAndBlocks();
    ResetProcessStateForTest();
}

}  // namespace
}  // namespace kp07
