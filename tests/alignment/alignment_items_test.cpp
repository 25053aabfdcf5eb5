// Working a shown value back into the stored base values.
#include <gtest/gtest.h>

#include <functional>

#include "alignment/alignment_items.h"
#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "image/radio_image.h"
#include "support/test_support.h"

namespace kp07::test {
namespace {

// The upper band of a new document: band 450..490 MHz (centre 470), tuning
// window 440..500 MHz (centre 470), every power slope 160 (-32), receiver
// slope 80, CTCSS and DCS ratios 63 %.
class AlignmentItemsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        hw.SetDefaults();
        table.SetDefaults();
    }
    ChannelRecord& Channel(double txMHz, double rxMHz, int bandwidth, int power, int tone) {
        ChannelRecord& r = table.records[0];
        r.txMHz = txMHz;
        r.rxMHz = rxMHz;
        r.bandwidth = bandwidth;
        r.power = power;
        r.txToneType = tone;
        return r;
    }

    HardwareParams hw;
    ChannelTable table{hw};
};

using Field = std::function<int(const AlignmentData&)>;

TEST_F(AlignmentItemsTest, StoreItemWorksTheBaseValueBack) {
    const Field powerHigh = [](const AlignmentData& a) { return a.powerBase[0]; };
    const Field powerLow = [](const AlignmentData& a) { return a.powerBase[1]; };
    const Field deviation = [](const AlignmentData& a) { return a.maxDeviationBase; };
    const Field refDeviation = [](const AlignmentData& a) { return a.maxRefDeviationBase; };
    const Field rxBase = [](const AlignmentData& a) { return a.rxSensitivityBase; };
    const Field ctcssWide = [](const AlignmentData& a) { return a.ctcssModulation[0]; };
    const Field ctcssNarrow = [](const AlignmentData& a) { return a.ctcssModulation[1]; };
    const Field dcsWide = [](const AlignmentData& a) { return a.dcsModulation[0]; };
    const Field dcsNarrow = [](const AlignmentData& a) { return a.dcsModulation[1]; };
    const Field rssiWide = [](const AlignmentData& a) { return a.rssi[0]; };
    const Field rssiNarrow = [](const AlignmentData& a) { return a.rssi[1]; };
    const Field none = [](const AlignmentData&) { return 0; };
    const struct {
        const char* name;
        std::function<void(AlignmentData&)> setup;
        int item;
        double tx, rx;
        int bandwidth, power, tone;  // tone: 0 none, 1 CTCSS, 2 DCS
        int value;
        Field field;
        int expected;
        Field other;
        int otherExpected;
    } cases[] = {
        // k = 2 x |475 - 470| / 40 = 0.25; upper half slope -32: -8.
        {"power high", nullptr, 0, 475.0, 470.0, 0, 0, 0, 100, powerHigh, 108, powerLow, 0},
        // k = 0.5, slope -5: -2.5 rounds away from zero to -3.
        {"power low, -2.5", [](AlignmentData& a) { a.powerSlope[1][1] = 0x85; }, 0, 480.0, 470.0, 0,
         1, 0, 100, powerLow, 103, powerHigh, 0},
        // Lower half: k = 2 x 15 / 40 = 0.75 with the first slope, +8: 6.
        {"power, lower half", [](AlignmentData& a) { a.powerSlope[0][0] = 0x08; }, 0, 455.0, 470.0,
         0, 0, 0, 100, powerHigh, 94, none, 0},
        {"power below the window", nullptr, 0, 430.0, 470.0, 0, 0, 0, 120, powerHigh, 120, none, 0},
        {"power above the window", nullptr, 0, 510.0, 470.0, 0, 0, 0, 100, powerHigh, 132, none, 0},
        // Deviations are stored as wide 5 kHz values.
        {"deviation, narrow", nullptr, 2, 470.0, 470.0, 2, 0, 0, 50, deviation, 100, none, 0},
        {"deviation, wide 4 kHz", nullptr, 2, 470.0, 470.0, 1, 0, 0, 50, deviation, 63, none, 0},
        {"reference deviation, slope -10",
         [](AlignmentData& a) { a.maxRefDeviationSlope[1] = 0x8A; }, 3, 480.0, 470.0, 0, 0, 0, 60,
         refDeviation, 65, none, 0},
        // Receiver: k = (460 - 450) / 40 = 0.25, slope 10: 2.5 rounds up.
        {"receiver, 2.5", [](AlignmentData& a) { a.rxSensitivitySlope = 10; }, 6, 470.0, 460.0, 0,
         0, 0, 50, rxBase, 47, none, 0},
        {"receiver above the window", nullptr, 6, 470.0, 505.0, 0, 0, 0, 100, rxBase, 20, none, 0},
        {"receiver held to 0", nullptr, 6, 470.0, 490.0, 0, 0, 0, 50, rxBase, 0, none, 0},
        // The other class by the ratio, rounded up: 40 x 100 / 63 = 63.49.
        {"CTCSS from narrow", nullptr, 4, 470.0, 470.0, 2, 0, 1, 40, ctcssNarrow, 40, ctcssWide,
         64},
        {"CTCSS from wide", nullptr, 4, 470.0, 470.0, 0, 0, 1, 50, ctcssWide, 50, ctcssNarrow, 32},
        {"CTCSS held to 255", nullptr, 4, 470.0, 470.0, 2, 0, 1, 200, ctcssNarrow, 200, ctcssWide,
         255},
        {"DCS, exact ratio", [](AlignmentData& a) { a.dcsRatio = 50; }, 4, 470.0, 470.0, 0, 0, 2,
         40, dcsWide, 40, dcsNarrow, 20},
        {"DCS, ratio 0", [](AlignmentData& a) { a.dcsRatio = 0; }, 4, 470.0, 470.0, 2, 0, 2, 30,
         dcsNarrow, 30, dcsWide, 255},
        {"RSSI, narrow", nullptr, 8, 470.0, 470.0, 2, 0, 0, 77, rssiNarrow, 77, rssiWide, 51},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        hw.SetDefaults();
        if (c.setup) c.setup(hw.alignment);
        Channel(c.tx, c.rx, c.bandwidth, c.power, c.tone);
        imageModified = 0;

        StoreItem(hw, table, 0, c.item, c.value);

        EXPECT_EQ(c.field(hw.alignment), c.expected);
        EXPECT_EQ(c.other(hw.alignment), c.otherExpected);
        EXPECT_EQ(imageModified, 1);
    }
}

TEST_F(AlignmentItemsTest, StoringRecomputesEveryChannelsTuning) {
    ChannelRecord& a = Channel(475.0, 470.0, 0, 0, 0);
    ChannelRecord& b = table.records[100];  // a channel elsewhere in the band
    b.txMHz = 455.0;
    b.rxMHz = 460.0;
    b.bandwidth = 2;

    StoreItem(hw, table, 0, kItemRfPower, 100);  // base 108
    StoreItem(hw, table, 0, kItemMaxDeviation, 80);

    // The channel shows what was stored; the other one its own value:
    // 108 - 32 x 0.75 = 84 at high power, 0 - 24 held to 0 at low power.
    EXPECT_EQ(ItemValue(hw, a, kItemRfPower), 100);
    EXPECT_EQ(ItemValue(hw, a, kItemMaxDeviation), 80);
    EXPECT_EQ(b.txTuning[0], 84);
    EXPECT_EQ(b.txTuning[1], 0);
    // Narrow halves the deviation: 80 x 0.5.
    EXPECT_EQ(ItemValue(hw, b, kItemMaxDeviation), 40);
    // Receiver: 80 x (460 - 450) / 40 = 20.
    EXPECT_EQ(ItemValue(hw, b, kItemRxSensitivity), 20);
}

}  // namespace
}  // namespace kp07::test
