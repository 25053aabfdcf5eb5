// What the channel grid shows, its columns, the header facts and the channel
// listing. Expected texts are written from the grid's column formats.
#include <gtest/gtest.h>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "blocks/radio_identity.h"
#include "channels/channel_cells.h"
#include "channels/channel_columns.h"
#include "channels/channel_listing.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

class CellsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        hw.SetDefaults();
        table.SetDefaults();
    }
    std::string Text(int slot, int col, bool tags = true) const {
        return ShownCell(table, slot, col, tags).text;
    }
    HardwareParams hw;
    ChannelTable table{hw};
};

TEST_F(CellsTest, DefaultChannelsShowInTheGridFormats) {
    // CB CH-01: repeater input 0.750 MHz above, encryption 1, power save RX
    // (a check mark, no text); then CB CH-05, CB CH-22 and the first channel
    // of GROUP-1.
    const struct {
        int slot, col;
        const char* text;
    } cells[] = {
        {0, kColChannel, "  1"},      {0, kColPri, "-"},
        {0, kColBandwidth, "W"},      {0, kColTag, "CB CH-01"},
        {0, kColRx, "476.42500"},     {0, kColTx, "477.17500"},
        {0, kColDecoder, "-------"},  {0, kColEncoder, "-------"},
        {0, kColPowerSaveRx, ""},     {0, kColPowerSaveTx, "-"},
        {0, kColPower, "H"},          {0, kColSquelch, " 4"},
        {0, kColSignalingType, "--"}, {0, kColSignalingNumber, "--"},
        {0, kColEncryption, "1"},     {0, kColLockOut, "--"},
        {4, kColEncryption, "-"},     {21, kColTx, "---.-----"},
        {77, kColChannel, " 78"},     {77, kColTag, " CH-001 "},
    };
    for (const auto& c : cells) EXPECT_EQ(Text(c.slot, c.col), c.text) << c.slot << "/" << c.col;
    EXPECT_TRUE(ShownCell(table, 0, kColPowerSaveRx, true).checkMark);
    EXPECT_EQ(LogicalCellText(table, 0, kColPowerSaveRx, true), "v");

    ChannelRecord& r = table.records[9];
    r.rxToneType = 2;
    r.rxDcsCode = 23;
    r.rxDcsBoth = 1;
    r.txToneType = 2;
    r.txDcsCode = 754;
    r.txDcsInverted = 1;
    EXPECT_EQ(Text(9, kColDecoder), "D-023B  ");
    EXPECT_EQ(Text(9, kColEncoder), "D-754I  ");
    r.rxDcsInverted = 1;  // inverted wins over both
    EXPECT_EQ(Text(9, kColDecoder), "D-023I  ");
    r.txToneType = 1;
    r.txCtcss = 670;
    EXPECT_EQ(Text(9, kColEncoder), "C- 67.0");
    r.signalingType = 3;
    r.signalingNumber = 7;
    r.lockOut = 2;
    r.power = 1;
    r.bandwidth = 2;
    EXPECT_EQ(Text(9, kColSignalingType), "Option");
    EXPECT_EQ(Text(9, kColSignalingNumber), " 7");
    EXPECT_EQ(Text(9, kColLockOut), "BT");
    EXPECT_EQ(Text(9, kColPower), "L");
    EXPECT_EQ(Text(9, kColBandwidth), "N");
    table.pChannel = 10;
    table.gChannel = 10;
    EXPECT_EQ(Text(9, kColPri), "PG");
}

TEST_F(CellsTest, TypedStartTextsAndRadiosWithoutTags) {
    std::string text;
    ASSERT_TRUE(CellText(table, 21, kColTx, true, &text));
    EXPECT_EQ(text, "476.95000");  // the hidden transmit frequency of CB CH-22
    EXPECT_TRUE(CellText(table, 0, kColTag, true, &text));
    EXPECT_EQ(text, "CB CH-01");
    EXPECT_FALSE(CellText(table, 0, kColTag, false, &text));
    EXPECT_EQ(Text(0, kColTag, false), "        ");
    EXPECT_FALSE(CellText(table, 77, kColRx, true, &text));  // not in use
    EXPECT_FALSE(CellText(table, 0, kColPower, true, &text));
    table.records[0].rxToneType = 2;
    table.records[0].rxDcsCode = 23;
    EXPECT_TRUE(CellText(table, 0, kColDecoder, true, &text));
    EXPECT_EQ(text, "023");
}

TEST(ChannelColumns, WidthsFollowTheVisibleItems) {
    std::array<int, kVisibleItemCount> items;
    items.fill(1);
    const int full[kChannelColumnCount] = {480, 480, 480, 1430, 1080, 1080, 960, 960,
                                           480, 480, 480, 480,  480,  480,  480, 480,
                                           640, 700, 550, 580,  480,  550,  580, 480};
    for (int c = 0; c < kChannelColumnCount; ++c) {
        EXPECT_EQ(ShownColumnWidth(c, items), full[c]) << c;
    }
    items[kItemFrequency] = 0;
    EXPECT_EQ(ShownColumnWidth(kColRx, items), 0);
    EXPECT_EQ(ShownColumnWidth(kColTx, items), 0);
    EXPECT_EQ(ShownColumnWidth(kColDecoder, items), 960);
    items.fill(0);
    EXPECT_EQ(ShownColumnWidth(kColChannel, items), 480);  // "Chn" is always there
    EXPECT_EQ(ColumnsOfItem(kItemScan), (std::vector<int>{11, 12, 13}));
    EXPECT_EQ(ColumnsOfItem(kItemSignaling), (std::vector<int>{16, 17}));
    EXPECT_TRUE(ColumnsOfItem(kItemUnused).empty());
    EXPECT_EQ(ChannelColumnAt(kColSignalingType).helpContext, 319);
    EXPECT_EQ(ChannelColumnAt(kColScanPri).helpContext, 311);
    EXPECT_EQ(ChannelColumnAt(kColCompander).helpContext, 322);
}

TEST(RadioFactsText, HeaderFormats) {
    RadioIdentity id;
    id.SetDefaults();
    id.serialNumber = "1C01";
    id.firmwareVersion = 407;
    HardwareParams hw;
    hw.SetDefaults();
    RadioFacts f = RadioFactsOf(id, hw, 1, 0, "lp0");
    EXPECT_EQ(f.serialNumber, "1C01    ");
    EXPECT_EQ(f.band, "UHF          ");
    EXPECT_EQ(f.productType, "KR-318       ");
    EXPECT_EQ(f.firmware, "4.07");
    EXPECT_EQ(f.comPort, "COM1  9600BPS");
    EXPECT_EQ(f.printer, "lp0");
    hw.model = 0;
    hw.stepCode = 1;
    f = RadioFactsOf(id, hw, 12, 1, "");
    EXPECT_EQ(f.productType, "KR-302 Series");
    EXPECT_EQ(f.band, "VHF          ");
    EXPECT_EQ(f.comPort, "COM12  19200BPS");
}

TEST(ChannelListingText, DefaultImageGroupByGroup) {
    ResetProcessStateForTest();
    CreateImageAndBlocks();
    FillDefaults(*radioImage);
    const std::string text = ChannelListing(*radioImage);
    DestroyImageAndBlocks();
    // The groups' lines, and the column texts of CB CH-01, CB CH-22 and the
    // first channel of GROUP-1, in column order.
    for (const char* part :
         {"CB       tag \"  C  B  \": 77 channels (1-77)\n",
          "GROUP-6  tag \"GROUP 6 \": 11 channels (158-168)\n", "Frequency",
          "  1 -   W   CB CH-01 476.42500 477.17500", " 22 -   W   CB CH-22 476.95000 ---.-----",
          " 78 -   W    CH-001 ", "(not in use)"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << "\nin\n" << text;
    }
    EXPECT_EQ(text.find("in no group"), std::string::npos);
}

TEST(ChannelListingText, AnImageWithoutChannelsListsEveryGroupEmpty) {
    const std::string empty = ChannelListing(test::FilledImage(0));
    EXPECT_NE(empty.find("CB       tag \"        \": no channels"), std::string::npos) << empty;
    EXPECT_NE(empty.find("168 channels in no group"), std::string::npos);
}

}  // namespace
}  // namespace kp07
