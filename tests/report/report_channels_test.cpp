// The channel pages of the printed report and the page plan behind them.
// Expected lines are written from the report's line formats.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/new_image_fixture.h"
#include "blocks/signaling_type.h"
#include "report/report_builder.h"
#include "report/report_channels.h"
#include "report/report_plan.h"

namespace kp07 {
namespace {

const char kDate[] = "7/4/2025";

const std::vector<std::string> kHeadingBlock5Tone = {
    "",
    "        Group No. : 1    System Type : Conventional            Tag :   C  B  ",
    "",
    "                                                                         SC                   "
    "E      A C X ",
    "              P W                                                Power P     T              A "
    "N      R M t ",
    "              r /               FREQUENCY          SUB AUDIO     Save  w OGP O  S Signaling N "
    "C Lock T P a ",
    "          CH  i N    TAG     Receive   Transmit   Dec     Enc    RX TX r PPR T  Q Type   No I "
    "R Out  S D l ",
    "         "
    "----------------------------------------------------------------------------------------------"
    "--------",
};
const char kLastHeading2Tone[] =
    "          CH  i N    TAG     Receive   Transmit   Dec     Enc    RX TX r PRR T  Q Type   No I "
    "R Out  S D l ";

// The document's channel table stands for the channels printed.
class ReportChannelsTest : public test::NewImageTest {
  protected:
    static Report Build() {
        channels->Store(*radioImage);
        return BuildReport(*radioImage, "/home/tech/radios/CB.K07", kDate, 0.0);
    }
    // A table with only the channels of `inUse` programmed, in groups of `sizes`.
    static void Programme(const std::array<unsigned, kGroupCount>& sizes,
                          const std::vector<int>& inUse) {
        channels->SetGroupSizes(sizes);
        for (ChannelRecord& r : channels->records) r.inUse = 0;
        for (int slot : inUse) channels->records[std::size_t(slot)].inUse = 1;
    }
};

TEST_F(ReportChannelsTest, NewImageChannelPageBeginsWithHeadingBlockAndCbRows) {
    const Report report = Build();
    // 5-tone: four fixed pages, the CB group on pages 5 and 6.
    ASSERT_EQ(report.pages.size(), 6u);
    const ReportPage& page = report.pages[4];
    std::vector<std::string> expected = {std::string(81, ' ') + "7/4/2025   Page 5",
                                         "        ************************************   CHANNEL "
                                         "DATA   **************************************"};
    expected.insert(expected.end(), kHeadingBlock5Tone.begin(), kHeadingBlock5Tone.end());
    expected.push_back(
        "           1  - W5 CB CH-01 476.42500 477.17500  ------- ------- X  -  H X X X -  4 "
        "------ -- - 1 ---- - - - ");
    expected.push_back(
        "           2  - W5 CB CH-02 476.45000 477.20000  ------- ------- X  -  H X X X -  4 "
        "------ -- - 1 ---- - - - ");
    ASSERT_GE(page.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(page.begin(), page.begin() + long(expected.size())),
              expected);
    // CB CH-05 has no encryption; CB CH-22 is receive-only.
    EXPECT_EQ(page[10 + 4],
              "           5  - W5 CB CH-05 476.52500 477.27500  ------- ------- X  -  H X X X -  4 "
              "------ -- - - ---- - - - ");
    EXPECT_EQ(page[10 + 21],
              "          22  - W5 CB CH-22 476.95000 ---.-----  ------- ------- X  -  H X X X -  4 "
              "------ -- - 1 ---- - - - ");
    // 53 rows fill the page; CB CH-54 starts page 6 under its own heading.
    EXPECT_EQ(page.back().substr(0, 27), "          53  - W5 CB CH-53");
    EXPECT_EQ(report.pages[5][2 + 8].substr(0, 27), "          54  - W5 CB CH-54");
}

TEST_F(ReportChannelsTest, RowPiecesShowEveryChannelSetting) {
    ChannelTable& table = *channels;
    ChannelRecord& r = table.records[0];
    r.bandwidth = 1;
    r.rxToneType = 1;
    r.rxCtcss = 670.0;
    r.txToneType = 2;
    r.txDcsCode = 23;
    r.txDcsInverted = 1;
    r.powerSaveRx = 0;
    r.powerSaveTx = 1;
    r.power = 1;
    r.scanFlags = kScanGr;
    r.tot = 1;
    r.squelchLevel = 12;
    r.signalingType = 1;
    r.signalingNumber = 7;
    r.dtmfAni = 1;
    r.encryption = 3;
    r.lockOut = 2;
    r.qlnk = 1;
    r.compander = 1;
    r.xtal = 1;
    table.records[1].bandwidth = 2;
    table.records[1].lockOut = 1;
    table.records[1].signalingType = 2;  // a page code without its number
    table.pChannel = 1;
    table.gChannel = 1;
    table.records[2].signalingType = 3;
    table.records[2].signalingNumber = 12;
    table.gChannel = 3;
    table.pChannel = 2;
    const struct {
        int slot;
        bool tags;
        const char* row;
    } cases[] = {
        {0, true,
         "           1  - W4 CB CH-01 476.42500 477.17500  C- 67.0 D-023   -  X  L - X - X 12 "
         "Signal  7 X 3 BTLO X X X "},
        {1, true,
         "           2  P N  CB CH-02 476.45000 477.20000  ------- ------- X  -  H X X X -  4 Page "
         "  -- - 1 BCLO - - - "},
        {2, true,
         "           3  G W5 CB CH-03 476.47500 477.22500  ------- ------- X  -  H X X X -  4 "
         "Option 12 - 1 ---- - - - "},
        {2, false,
         "           3  G W5 -------- 476.47500 477.22500  ------- ------- X  -  H X X X -  4 "
         "Option 12 - 1 ---- - - - "},
    };
    for (const auto& c : cases) EXPECT_EQ(ChannelRow(table, c.slot, c.tags), c.row) << c.slot;
    table.gChannel = 2;
    EXPECT_EQ(ChannelRow(table, 1, true).substr(14, 2), "PG");
}

TEST_F(ReportChannelsTest, TwoToneRadioStartsChannelsOnPage3WithPrr) {
    SignalingType twoTone;
    twoTone.type = kTwoTone;
    twoTone.Store(*radioImage);
    const Report report = Build();
    ASSERT_EQ(report.pages.size(), 4u);
    EXPECT_EQ(report.pages[2][0], std::string(81, ' ') + "7/4/2025   Page 3");
    EXPECT_EQ(report.pages[2][2 + 6], kLastHeading2Tone);
    EXPECT_EQ(report.pages[3][0], std::string(81, ' ') + "7/4/2025   Page 4");
}

bool IsChannelRow(const std::string& line) {
    return line.size() > 14 && line.compare(0, 9, std::string(9, ' ')) == 0 && line[11] >= '0' &&
           line[11] <= '9' && line.compare(12, 2, "  ") == 0;
}

// Lines a page counts: header and banner, nine per group heading, one per row.
int CountedLines(const ReportPage& page) {
    int counted = 2;
    for (const std::string& line : page) {
        if (line.rfind("        Group No. : ", 0) == 0) counted += 9;
        if (IsChannelRow(line)) ++counted;
    }
    return counted;
}

TEST_F(ReportChannelsTest, PagePlanOfHandMadeTables) {
    auto slots = [](int first, int count) {
        std::vector<int> s;
        for (int i = 0; i < count; ++i) s.push_back(first + i);
        return s;
    };
    auto concat = [](std::vector<int> a, const std::vector<int>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::array<unsigned, kGroupCount> defaults = {77, 16, 16, 16, 16, 16, 11};
    const std::array<unsigned, kGroupCount> two = {100, 68, 0, 0, 0, 0, 0};
    struct Range {
        int firstGroup, firstSlot, lastGroup, lastSlot;
    };
    const struct {
        const char* name;
        std::array<unsigned, kGroupCount> sizes;
        std::vector<int> inUse;
        std::vector<Range> pages;
    } cases[] = {
        {"none in use", defaults, {}, {}},
        {"one", defaults, {5}, {{0, 5, 6, 167}}},
        // 53 rows fill a page exactly; no page with a heading alone follows.
        {"53 in one group", two, slots(0, 53), {{0, 0, 6, 167}}},
        {"55 in one group", two, slots(0, 55), {{0, 0, 0, 52}, {0, 53, 6, 167}}},
        // 43 rows leave the counter at 54: the next group still starts here
        // and its first row ends the page.
        {"56: 43 + 13",
         two,
         concat(slots(0, 43), slots(100, 13)),
         {{0, 0, 1, 100}, {1, 101, 6, 167}}},
        // 44 rows leave it at 55: the next group begins a new page, even
        // when its first programmed channel is its third.
        {"56: 44 + 12",
         two,
         concat(slots(0, 44), slots(102, 12)),
         {{0, 0, 0, 43}, {1, 102, 6, 167}}},
        {"168 in use",
         defaults,
         slots(0, 168),
         {{0, 0, 0, 52}, {0, 53, 1, 92}, {2, 93, 4, 127}, {4, 128, 6, 162}, {6, 163, 6, 167}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Programme(c.sizes, c.inUse);
        const PagePlan plan = PlanPages(*channels, true);
        ASSERT_EQ(plan.channelPages.size(), c.pages.size());
        for (std::size_t p = 0; p < c.pages.size(); ++p) {
            const ChannelPageRange& got = plan.channelPages[p];
            const Range& want = c.pages[p];
            EXPECT_EQ(got.firstGroup, want.firstGroup) << p;
            EXPECT_EQ(got.firstSlot, want.firstSlot) << p;
            EXPECT_EQ(got.lastGroup, want.lastGroup) << p;
            EXPECT_EQ(got.lastSlot, want.lastSlot) << p;
        }
        // The printed pages: every programmed channel once, no page past
        // 63 counted lines, and every page ends with a channel row.
        const Report report = Build();
        ASSERT_EQ(report.pages.size(), 4 + c.pages.size());
        std::size_t listed = 0;
        for (std::size_t p = 4; p < report.pages.size(); ++p) {
            EXPECT_LE(CountedLines(report.pages[p]), 64) << p;
            EXPECT_TRUE(IsChannelRow(report.pages[p].back())) << p;
            for (const std::string& line : report.pages[p]) listed += IsChannelRow(line);
        }
        EXPECT_EQ(listed, c.inUse.size());
    }
}

}  // namespace
}  // namespace kp07
