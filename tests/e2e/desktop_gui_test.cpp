// The desktop program against kr318-sim on a pseudo-terminal, as a dealer
// would use it: map COM1 to the simulator in the profile, Upload from the
// Radio menu, edit a channel, Download, and compare the radio's memory.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_profile.h"
#include "app/channel_view_commands.h"
#include "app/main_frame.h"
#include "app/radio_commands.h"
#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "blocks/radio_identity.h"
#include "channels/channel_view.h"
#include "document/document.h"
#include "image/accessors.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "resources/command_ids.h"
#include "support/gui/gui_helpers.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "support/tool_process.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

TEST(DesktopWithSimulatedRadio, UploadEditDownload) {
    if (test::ToolsDir().empty()) GTEST_SKIP() << "KP07_TOOLS_DIR not set";
    ResetProcessStateForTest();
    ResetLinkStateForTest();
    QTemporaryDir dir;
    SetExecutableDirectoryForTest(dir.path().toStdString());
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(dir.path());

    // The radio: a delivered unit with its own serial number and a group tag.
    RadioImage radio{};
    CreateImageAndBlocks();
    FillDefaults(radio);
    identity->firmwareVersion = 400;
    identity->serialNumber = "3D123456";
    RebuildImage(radio);
    SetGroupTag(radio, 2, "FLEET   ");
    const std::string memoryFile = dir.filePath("radio.mem").toStdString();
    ASSERT_TRUE(test::WriteMemory(memoryFile, radio));
    test::SimProcess sim;
    ASSERT_TRUE(sim.Start({"--memory", memoryFile, "--clone", "9600", "--no-pacing"}));

    test::MessageRecorder messages;
    {
        AppProfile profile(dir.filePath("kp07xt.ini"));
        profile.ReadConfiguration();
        profile.SetPortDevice(1, QString::fromStdString(sim.device()));  // as Configure does
        CKP05Doc doc;
        CMainFrame frame(doc, profile);
        doc.SetHost(&frame);
        doc.OnNewDocument();
        CKP05View* view = InstallChannelView(frame, profile);
        InstallRadioCommands(frame, profile, view);
        ASSERT_TRUE(test::ShowActive(&frame));

        // Another radio's channels start on the CB group; a Download keeps
        // the group shown.
        view->groupSelector()->setCurrentIndex(2);
        frame.Trigger(cmd::kUpload);
        EXPECT_EQ(messages.last(), "Upload is completed");
        EXPECT_EQ(channels->currentGroup, 0);
        // The keyboard is back in the main window's grid.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &frame; }));
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
        frame.Trigger(cmd::kDownload);
        EXPECT_EQ(messages.last(), "Download is completed");
        EXPECT_EQ(channels->currentGroup, 2);
        RebuildImage(*radioImage);
        const RadioImage document = *radioImage;

        sim.Stop();  // saves the radio's memory
        const RadioImage written = test::ReadMemory(memoryFile);
        for (std::size_t i = 0; i < kImageSize; ++i) {
            ASSERT_EQ(written[i], document[i]) << "byte " << i;
        }
        EXPECT_EQ(GetChannelTag(ChannelRecordAt(written, 1)), "EDITED  ");
        imageModified = 0;
    }
    QDir::setCurrent(oldCwd);
    SetExecutableDirectoryForTest("");
    DestroyImageAndBlocks();
    ResetLinkStateForTest();
    ResetProcessStateForTest();
}

}  // namespace
}  // namespace kp07
