// The program on a desktop: its own command-line options, the demo radio
// with a whole session on it (upload, download with a backup and verify,
// restoring the backup), the profile that keeps the user's own port, and a
// start from the desktop menu working in the data folder.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QTest>

#include "app/app_instance.h"
#include "app/app_profile.h"
#include "app/main_frame.h"
#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "blocks/radio_identity.h"
#include "document/radio_backups.h"
#include "image/accessors.h"
#include "link/link_state.h"
#include "resources/command_ids.h"
#include "support/gui/app_fixture.h"
#include "support/test_support.h"
#include "support/tool_process.h"

namespace kp07 {
namespace {

class DesktopTest : public test::RunningProgramTest {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(RunningProgramTest::SetUp());
        setenv("XDG_DATA_HOME", qPrintable(dir.filePath("data")), 1);
    }
    void TearDown() override {
        RunningProgramTest::TearDown();
        test::KeepUserFoldersInBuild();
    }
    void Prepare(Application& program) override { program.demoArguments = {"--no-pacing"}; }
};

// The program's own options come first; the switches /m and /f count only
// as the whole rest of the command line, anything else is a file name.
TEST_F(DesktopTest, ProgramOptionsComeBeforeTheCommandLineOfTheSwitches) {
    const struct {
        QStringList arguments;
        bool demo, desktop, factory, production;
        const char* file;
    } cases[] = {
        {{"/m"}, false, false, true, false, ""},
        {{"-M"}, false, false, true, false, ""},
        {{"/F"}, false, false, false, true, ""},
        {{"-f"}, false, false, false, true, ""},
        {{"/m", "x"}, false, false, false, false, "/m"},
        {{" /m"}, false, false, false, false, " /m"},
        {{"/m "}, false, false, false, false, "/m "},
        {{"/f", "/m"}, false, false, false, false, "/f"},
        {{"radio.K07"}, false, false, false, false, "radio.K07"},
        {{}, false, false, false, false, ""},
        {{"--demo"}, true, false, false, false, ""},
        {{"--demo", "/m"}, true, false, true, false, ""},
        {{"--desktop", "--demo", "radio.K07"}, true, true, false, false, "radio.K07"},
        {{"--demo", "--desktop", "/m", "x"}, true, true, false, false, "/m"},
        {{"/m", "--demo"}, false, false, false, false, "/m"},  // after it, a file name
        {{"--demo "}, false, false, false, false, "--demo "},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        SCOPED_TRACE(qPrintable(c.arguments.join(' ')));
        EXPECT_EQ(line.demo, c.demo);
        EXPECT_EQ(line.desktop, c.desktop);
        EXPECT_EQ(line.factorySwitch, c.factory);
        EXPECT_EQ(line.productionSwitch, c.production);
        EXPECT_EQ(line.fileName, c.file);
    }
}

TEST_F(DesktopTest, DemoRadioSessionKeepsTheUsersOwnPort) {
    {
        QSettings ini(ProfilePath(), QSettings::IniFormat);
        ini.setValue("Initialize/COM_PORT", 3);
        ini.setValue("Ports/COM1", "/dev/ttyUSB7");
        ini.setValue("Ports/COM3", "/dev/ttyUSB0");
    }
    ASSERT_TRUE(Start({"--demo"}));
    CMainFrame* frame = app->frame();
    const QString device = app->demoDevice();
    ASSERT_TRUE(device.startsWith("/dev/")) << messages.last();
    EXPECT_EQ(comPort, 1);
    EXPECT_EQ(PortDevice(1), device.toStdString());
    const auto* pane = frame->statusBar()->findChild<QLabel*>("demoRadio");
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->text(), "Demo radio: COM1 is a simulated KR-318 on " + device);

    // The sample radio comes into the program.
    frame->Trigger(cmd::kUpload);
    ASSERT_EQ(messages.last(), "Upload is completed");
    EXPECT_EQ(identity->serialNumber, "9D000318");
    EXPECT_EQ(GetGroupTag(*radioImage, 1), "DEMO    ");
    const RadioImage radio = *radioImage;

    // An edit goes back, verified, and what the radio held is kept.
    channels->records[1].tag = "EDITED";
    imageModified = 1;
    frame->Trigger(cmd::kVerifyAfterDownload);
    EXPECT_TRUE(frame->Action(cmd::kVerifyAfterDownload)->isChecked());
    messages.Clear();
    frame->Trigger(cmd::kDownload);
    EXPECT_EQ(messages.last(), "Download is completed");
    EXPECT_EQ(messages.count(), 1u);
    const std::string backups = dir.filePath("data/kp07xt/backups").toStdString();
    const std::vector<std::string> kept = RadioBackups(backups, "9D000318");
    ASSERT_EQ(kept.size(), 1u);
    const std::vector<std::uint8_t> bytes = test::ReadFileBytes(kept[0]);
    ASSERT_EQ(bytes.size(), 7815u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + kImageSize, radio.begin()));
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              QString::fromStdString("Radio backup kept: " + kept[0]));

    // File > Restore Radio Backup... opens it as File > Open would.
    frame->fileChooser = [&](bool save) {
        return save ? QString() : QString::fromStdString(kept[0]);
    };
    imageModified = 0;
    frame->Trigger(cmd::kRestoreRadioBackup);
    EXPECT_EQ(currentFileName, kept[0]);
    EXPECT_EQ(channels->records[1].tag, "CB CH-02");

    // Configure's OK maps every port again; the demo's stays out of the profile.
    app->profile()->SetPortDevice(1, device);
    app.reset();
    // The simulator has ended (its terminal is gone).
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(device); }));
    {
        QSettings ini(ProfilePath(), QSettings::IniFormat);
        EXPECT_EQ(ini.value("Initialize/COM_PORT").toInt(), 3);
        EXPECT_EQ(ini.value("Ports/COM1").toString(), "/dev/ttyUSB7");
        EXPECT_EQ(ini.value("Radio/VerifyAfterDownload").toInt(), 1);
    }

    // The next run without the demo: the user's port, and verify still on.
    DestroyImageAndBlocks();
    ResetProcessStateForTest();
    ASSERT_TRUE(Start({}));
    EXPECT_TRUE(app->demoDevice().isEmpty());
    EXPECT_EQ(comPort, 3);
    EXPECT_EQ(PortDevice(1), "/dev/ttyUSB7");
    EXPECT_TRUE(app->frame()->Action(cmd::kVerifyAfterDownload)->isChecked());
    EXPECT_EQ(verifyAfterDownload, 1);
}

TEST_F(DesktopTest, StartedFromTheDesktopItWorksInItsDataFolder) {
    ASSERT_TRUE(Start({"--desktop"}));
    const QString data = dir.filePath("data/kp07xt");
    EXPECT_EQ(QDir::currentPath(), data);
    EXPECT_TRUE(QFileInfo::exists(data + "/defaultu.k07"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("defaultu.k07")));
    // The next start from the desktop loads it.
    app.reset();
    DestroyImageAndBlocks();
    ASSERT_TRUE(Start({"--desktop"}));
    EXPECT_EQ(currentFileName, (data + "/defaultu.k07").toStdString());
}

}  // namespace
}  // namespace kp07
