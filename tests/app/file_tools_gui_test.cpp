// File > Export Channels, Import Channels and Compare with File in the main
// window: the file asked for, the bracket around the image, what is shown.
#include <gtest/gtest.h>

#include <QAction>

#include "app/app_profile.h"
#include "app/channel_view_commands.h"
#include "app/file_tools_commands.h"
#include "app/main_frame.h"
#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "channels/channel_csv.h"
#include "channels/channel_file_tools.h"
#include "document/data_file.h"
#include "image/accessors.h"
#include "resources/command_ids.h"
#include "support/gui/app_fixture.h"

namespace kp07 {
namespace {

class FileToolsTest : public test::MainFrameTest {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(MainFrameTest::SetUp());
        imageModified = 0;
    }
    void InstallCommands() override {
        InstallChannelView(*frame, *profile);
        tools = InstallFileToolCommands(*frame);
        tools->chooseFile = [this](int command, CsvLayout* layout) {
            asked.push_back(command);
            if (layout) *layout = CsvLayout::kGrid;
            return chosen;
        };
        tools->showText = [this](const QString& title, const QString& text) {
            shownTitle = title;
            shown = text.toStdString();
        };
    }
    std::string File(const char* name) const { return (dir.path() + "/" + name).toStdString(); }

    FileToolCommands* tools = nullptr;
    QString chosen;
    std::vector<int> asked;
    QString shownTitle;
    std::string shown;
};

TEST_F(FileToolsTest, ExportAndImportGoThroughTheDialogBracket) {
    for (int id : {cmd::kExportChannels, cmd::kImportChannels, cmd::kCompareWithFile})
        EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;

    // An edit still only in the channel table reaches the file.
    channels->records[0].squelchLevel = 11;
    chosen = QString::fromStdString(File("list.csv"));
    frame->Trigger(cmd::kExportChannels);
    std::string csv;
    ASSERT_TRUE(ReadTextFile(File("list.csv"), kMaxCsvBytes, &csv));
    EXPECT_EQ(csv.substr(csv.find("\n1,"), 51),
              "\n1,-,W,CB CH-01,476.42500,477.17500,-------,-------");
    EXPECT_NE(csv.find(",11,--,--,"), std::string::npos);
    EXPECT_EQ(imageModified, 0);

    // A file with a refused cell: the list is shown, nothing changes.
    const std::string refused = "Chn,SQ,TAG\r\n1,16,NEW\r\n";
    ASSERT_TRUE(WriteTextFile(File("bad.csv"), refused));
    chosen = QString::fromStdString(File("bad.csv"));
    frame->Trigger(cmd::kImportChannels);
    EXPECT_EQ(shownTitle, "Import Channels");
    EXPECT_EQ(shown,
              "Nothing was imported. Refused cells: 1\nRow 2, column \"SQ\": \"16\" is not "
              "accepted here\n");
    EXPECT_EQ(channels->records[0].tag, "CB CH-01");
    EXPECT_EQ(imageModified, 0);

    // A good one reaches the table, the image and the modified flag.
    shown.clear();
    ASSERT_TRUE(WriteTextFile(File("good.csv"), "Chn,SQ,TAG\r\n1,15,NEW\r\n"));
    chosen = QString::fromStdString(File("good.csv"));
    frame->Trigger(cmd::kImportChannels);
    EXPECT_EQ(shown, "");
    EXPECT_EQ(channels->records[0].tag, "NEW     ");
    EXPECT_EQ(channels->records[0].squelchLevel, 15);
    EXPECT_EQ(GetChannelSquelchLevel(ChannelRecordAt(*radioImage, 0)), 15u);
    EXPECT_EQ(imageModified, 1);

    // Cancelled file choices do nothing.
    chosen.clear();
    imageModified = 0;
    frame->Trigger(cmd::kImportChannels);
    frame->Trigger(cmd::kExportChannels);
    EXPECT_EQ(imageModified, 0);
}

TEST_F(FileToolsTest, CompareShowsTheDifferencesWithTheFile) {
    RebuildImage(*radioImage);
    RadioImage other = *radioImage;
    SetBeep(other, 0);
    ASSERT_TRUE(WriteDataFile(File("master.K07"), other, TrailerFromOffset(0.0)));
    imageModified = 0;
    chosen = QString::fromStdString(File("master.K07"));
    frame->Trigger(cmd::kCompareWithFile);
    EXPECT_EQ(asked.back(), cmd::kCompareWithFile);
    EXPECT_EQ(shownTitle, "Compare with File");
    EXPECT_EQ(shown, "<none> compared with " + File("master.K07") +
                         " (document -> file):\n\nCommonParams.Beep: 1 -> 0\nDifferences: 1\n");
    EXPECT_EQ(imageModified, 0);

    // A file that is no data file is reported, and nothing shown.
    shown.clear();
    ASSERT_TRUE(WriteTextFile(File("short.K07"), "abc"));
    chosen = QString::fromStdString(File("short.K07"));
    frame->Trigger(cmd::kCompareWithFile);
    EXPECT_EQ(shown, "");
    EXPECT_FALSE(messages.last().empty());
}

}  // namespace
}  // namespace kp07
