// The differences of two images: settings by the memory map's names,
// channels by number and grid column, bytes no field owns by offset.
#include <gtest/gtest.h>

#include "blocks/new_image_fixture.h"
#include "channels/channel_file_tools.h"
#include "channels/image_diff.h"
#include "document/data_file.h"
#include "image/accessors.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "support/tool_process.h"

namespace kp07 {
namespace {

class DiffTest : public test::NewImageTest {
  protected:
    void SetUp() override {
        NewImageTest::SetUp();
        a = *radioImage;
    }
    RadioImage a{};
};

TEST_F(DiffTest, ListsExactlyTheChangedFields) {
    EXPECT_TRUE(DiffImages(a, a).equal);
    EXPECT_TRUE(DiffImages(a, a).lines.empty());
    EXPECT_EQ(ImageDiffText(DiffImages(a, a)), "No differences.\n");
    RadioImage b = a;
    SetGroupTag(b, 2, "POLICE");
    SetBeep(b, 0);
    SetSystemCallCode(FiveToneSystemAt(b, 2), 12);
    SetPChannel(b, 3, 0);
    SetChannelSquelchLevel(ChannelRecordAt(b, 4), 9);
    SetChannelTxSetByHand(ChannelRecordAt(b, 4), 0);  // not shown by the grid
    // The Transmit column tells it; the inhibit bit is not told again.
    SetChannelTxInhibit(ChannelRecordAt(b, 6), 1);
    SetScanListGr(b, 10, 0);
    b[7727] = 0x5A;  // between the checksum and the Gr scan list: nobody's
    const ImageDiff diff = DiffImages(a, b);
    EXPECT_FALSE(diff.equal);
    const std::vector<std::string> expected = {
        "ChannelTable.GroupTag[3]: \"GROUP 2 \" -> \"POLICE  \"",
        "CommonParams.Beep: 1 -> 0",
        "FiveToneSystems.FtsCallCode[3]: 0 -> 12",
        "Channel 3, Pri: - -> P",
        "Channel 5, SQ: 4 -> 9",
        "Channel 5, ChTxSetByHand: 1 -> 0",
        "Channel 7, Frequency Transmit: 477.32500 -> ---.-----",
        "Channel 11, Scan Gr: 1 -> 0",
        "Byte 7727: 0x00 -> 0x5A",
    };
    EXPECT_EQ(diff.lines, expected);
    EXPECT_EQ(ImageDiffText(diff).substr(ImageDiffText(diff).rfind("Differences")),
              "Differences: 9\n");
    // The other way round, the same fields with the values swapped.
    EXPECT_EQ(DiffImages(b, a).lines[1], "CommonParams.Beep: 0 -> 1");
}

TEST_F(DiffTest, AnyTwoImagesCanBeCompared) {
    std::mt19937 rng(3);
    for (int run = 0; run < 4; ++run) {
        const RadioImage x = test::RandomImage(rng), y = test::RandomImage(rng);
        const ImageDiff diff = DiffImages(x, y);
        EXPECT_FALSE(diff.equal);
        EXPECT_FALSE(diff.lines.empty());
        EXPECT_TRUE(DiffImages(x, x).equal);
    }
}

// The channel tools on files (their outcomes by status are the kp07
// commands' test): the radio's file takes the master's channels.
TEST_F(DiffTest, ImportedChannelsComeWithATrueChecksum) {
    test::MessageRecorder messages;
    test::TempDir dir;
    const std::string master = dir.File("master.K07"), radio = dir.File("radio.K07");
    ASSERT_TRUE(WriteDataFile(master, a, TrailerFromOffset(0.0)));
    RadioImage changed = a;
    SetBeep(changed, 0);
    SetChannelSquelchLevel(ChannelRecordAt(changed, 0), 9);
    ASSERT_TRUE(WriteDataFile(radio, changed, TrailerFromOffset(0.0)));

    EXPECT_EQ(ExportChannelsFile(master, dir.File("list.csv"), CsvLayout::kGrid).status, 0);
    ToolOutput out = ImportChannelsFile(radio, dir.File("list.csv"), dir.File("new.K07"));
    EXPECT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out, "Channels imported: 168\n");
    // The import writes a true checksum: the master's less the Beep bit
    // (128); the radio's file kept the master's, its changes were made
    // byte by byte.
    const unsigned sum = GetImageChecksum(a);
    EXPECT_EQ(DiffDataFiles(radio, dir.File("new.K07")).out,
              "Image.Checksum: " + std::to_string(sum) + " -> " + std::to_string(sum - 128) +
                  "\nChannel 1, SQ: 9 -> 4\nDifferences: 2\n");
    EXPECT_EQ(ImportChannelsFile(radio, dir.File("none.csv"), "").status, 1);
}

}  // namespace
}  // namespace kp07
