#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "image/channel_table.h"
#include "image/common_params.h"
#include "image/emergency_params.h"
#include "image/hardware_params.h"
#include "image/key_function_params.h"
#include "image/radio_identity.h"
#include "image/scan_params.h"
#include "image/signaling_type.h"
#include "image/tone_codec.h"
#include "image/tuning.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

using Footprint = std::map<int, unsigned>;  // offset -> bits the block owns

void Own(Footprint& fp, int first, int last, unsigned mask = 0xFF) {
    for (int i = first; i <= last; ++i) fp[i] |= mask;
}

// The bytes and bits each block owns, written out from the memory map.
Footprint IdentityFootprint() {
    Footprint fp;
    Own(fp, 0, 1);
    Own(fp, 7715, 7716);
    Own(fp, 7721, 7724);
    return fp;
}
Footprint HardwareFootprint() {
    Footprint fp;
    Own(fp, 7667, 7667, 0x01);
    Own(fp, 7668, 7685);
    Own(fp, 7686, 7686, 0x07);
    Own(fp, 7687, 7707);
    Own(fp, 7709, 7711);
    Own(fp, 3, 3, 0x80);
    Own(fp, 4, 4, 0x60);
    return fp;
}
Footprint CommonFootprint() {
    Footprint fp;
    Own(fp, 2, 2, 0x03);
    Own(fp, 3, 3, 0x7F);
    Own(fp, 4, 4, 0x9F);
    Own(fp, 5, 5, 0xF0);
    Own(fp, 6, 6, 0x80);
    Own(fp, 7, 7, 0xE0);
    Own(fp, 8, 8, 0x80);
    Own(fp, 125, 125, 0x3F);
    Own(fp, 128, 128, 0x07);
    Own(fp, 145, 152);
    Own(fp, 7667, 7667, 0x06);
    Own(fp, 7712, 7712, 0x01);
    Own(fp, 7713, 7714);
    return fp;
}
Footprint ScanFootprint() {
    Footprint fp;
    Own(fp, 124, 124);
    Own(fp, 6, 6, 0x2F);
    Own(fp, 7, 7, 0x0C);
    return fp;
}
Footprint KeyFootprint() {
    Footprint fp;
    Own(fp, 129, 140);
    Own(fp, 6, 6, 0x40);
    return fp;
}
Footprint EmergencyFootprint() {
    Footprint fp;
    Own(fp, 141, 143);
    Own(fp, 144, 144, 0x0F);
    return fp;
}
Footprint ChannelTableFootprint() {
    Footprint fp;
    Own(fp, 89, 112);
    Own(fp, 126, 126, 0x7F);
    Own(fp, 153, 208);
    Own(fp, 281, 287);
    Own(fp, 297, 4496);
    Own(fp, 7728, 7769);
    Own(fp, 6, 6, 0x10);
    Own(fp, 7, 7, 0x10);
    return fp;
}

void ExpectOnlyFootprintChanged(const RadioImage& before, const RadioImage& after,
                                const Footprint& fp, const char* block) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        const auto it = fp.find(int(i));
        const unsigned mask = it == fp.end() ? 0u : it->second;
        ASSERT_EQ(unsigned(before[i] ^ after[i]) & ~mask, 0u)
            << block << " changed byte " << i << " outside its fields";
    }
}

// Load then Store onto a copy of random images: nothing outside the block's
// fields may change, and storing what was loaded is stable.
TEST(Blocks, LoadThenStoreKeepsEveryBitOutsideTheBlock) {
    std::mt19937 rng(99);
    for (int round = 0; round < 300; ++round) {
        const RadioImage original = test::RandomImage(rng);
        auto check = [&](auto& block, const Footprint& fp, const char* name) {
            block.Load(original);
            RadioImage copy = original;
            block.Store(copy);
            ExpectOnlyFootprintChanged(original, copy, fp, name);
        };
        RadioIdentity identity;
        check(identity, IdentityFootprint(), "RadioIdentity");
        HardwareParams hw;
        check(hw, HardwareFootprint(), "HardwareParams");
        CommonParams common;
        check(common, CommonFootprint(), "CommonParams");
        ScanParams scan;
        check(scan, ScanFootprint(), "ScanParams");
        KeyFunctionParams keys;
        check(keys, KeyFootprint(), "KeyFunctionParams");
        EmergencyParams emergency;
        check(emergency, EmergencyFootprint(), "EmergencyParams");
        SignalingType signaling;
        check(signaling, Footprint{{7, 0x01}}, "SignalingType");
        ChannelTable table(hw);
        check(table, ChannelTableFootprint(), "ChannelTable");
    }
}

TEST(Blocks, HardwareDefaultsOfBothBands) {
    RadioImage im = test::FilledImage(0);
    HardwareParams hw;
    autoTxOffsetMHz = 12.5;
    hw.SetDefaults();
    EXPECT_EQ(autoTxOffsetMHz, 0.0);
    hw.Store(im);
    EXPECT_EQ(im[7667], 0x01);      // model KR-318
    EXPECT_EQ(im[7668] >> 6, 2);    // step code 2: upper band
    EXPECT_EQ(im[7670] & 0x80, 0);  // injection side lower
    // 16.8 MHz over 5000 Hz = 3360 and over 6250 Hz = 2688, 14 bits each.
    EXPECT_EQ(((im[7668] & 0x3F) << 8) | im[7669], 3360);
    EXPECT_EQ(((im[7670] & 0x3F) << 8) | im[7671], 2688);
    EXPECT_EQ((im[7672] << 8) | im[7673], 4500);
    EXPECT_EQ((im[7674] << 8) | im[7675], 4900);
    EXPECT_EQ((im[7676] << 8) | im[7677], 50850);
    const std::uint8_t tuning[] = {51, 66,  56,  38, 51,  66,  56, 38,  4, 0x4C, 0, 80,
                                   0,  160, 160, 0,  160, 160, 0,  0,   0, 0,    0, 0,
                                   0,  0,   63,  0,  0,   63,  0,  128, 0, 0};
    for (int i = 0; i < 34; ++i) EXPECT_EQ(im[7678 + i], tuning[i]) << "byte " << 7678 + i;

    hw.ApplyBandDefaults(false);
    EXPECT_EQ(hw.stepCode, 1u);
    EXPECT_EQ(hw.injectionSide, 1u);
    EXPECT_EQ(hw.frequencyRange, 1u);
    EXPECT_EQ(hw.sqlReleaseTime, 6u);
    EXPECT_EQ(hw.LowerLimitMHz(), 136.0);
    EXPECT_EQ(hw.UpperLimitMHz(), 184.0);
    hw.Store(im);
    const std::uint8_t lower[] = {54, 64, 66, 33, 54, 64, 65, 33};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(im[7678 + i], lower[i]) << "byte " << 7678 + i;
    EXPECT_EQ(im[7689], 170);
    EXPECT_EQ(im[7691], 0);
    EXPECT_EQ(im[7695], 0);
}

TEST(Blocks, HardwareCommitRules) {
    HardwareParams hw;
    hw.SetDefaults();
    hw.CommitMinFrequency(700.0);  // above the maximum of 490: lowered to it
    EXPECT_EQ(hw.minFrequencyMHz, 490.0);
    hw.CommitMaxFrequency(700.0);
    EXPECT_EQ(hw.maxFrequencyMHz, 600.0);
    hw.CommitMinFrequency(700.0);
    EXPECT_EQ(hw.minFrequencyMHz, 600.0);
    hw.CommitMaxFrequency(50.0);  // raised to the minimum
    EXPECT_EQ(hw.maxFrequencyMHz, 600.0);
    hw.CommitFirstIfMHz(70.0);
    EXPECT_EQ(hw.firstIfMHz, 65.53);
    // The reference never exceeds what the 14-bit count can hold.
    hw.CommitReferenceMHz(99.0);
    RadioImage im = test::FilledImage(0);
    hw.Store(im);
    EXPECT_LE(hw.referenceMHz, 16383 * 5000 / 1e6);
    EXPECT_EQ(((im[7668] & 0x3F) << 8) | im[7669], 16383);
}

TEST(Blocks, IdentityAndCommonCommitRules) {
    EXPECT_EQ(RadioIdentity::CompleteProductionNumber("12"), "1200");
    EXPECT_EQ(RadioIdentity::CompleteSerialNumber("5"), "5C000000");
    EXPECT_EQ(RadioIdentity::CompleteSerialNumber(""), "0C000000");
    EXPECT_EQ(CommonParams::CompletePassword("A"), "000A");
    EXPECT_EQ(CommonParams::CompletePassword("ABCDC"), "BCDC");
    EXPECT_EQ(CommonParams::CompletePowerOnTag("AB"), "AB      ");
    EXPECT_DOUBLE_EQ(CommonParams::ClampDefaultSplit(150), 99.9);
    EXPECT_DOUBLE_EQ(CommonParams::ClampDefaultSplit(-150), -99.9);

    RadioImage im = test::FilledImage(0);
    CommonParams common;
    common.SetDefaults();
    common.Store(im);
    EXPECT_EQ(im[7713], 0xCA);  // "cadb" is stored upper case
    EXPECT_EQ(im[7714], 0xDB);
    EXPECT_EQ(im[125], 0x20);   // low battery alert 2, option board 0
    EXPECT_EQ(im[3], 0x11);     // transmit timer 1, penalty 0, release 1
    EXPECT_EQ(im[4], 0x9B);     // beep, clone, LCD mode, receive save mode 3
    EXPECT_EQ(im[5], 0xE0);     // LED, squelch tail 3
    EXPECT_EQ(im[7667], 0x02);  // keypad selection 1
}

TEST(Blocks, ScanPriorityCheckIsOneTwoBitNumber) {
    ScanParams scan;
    scan.SetDefaults();
    EXPECT_EQ(scan.PriorityCheck(), 3u);
    scan.SetPriorityCheckEnabled(false);
    EXPECT_EQ(scan.PriorityCheck(), 0u);
    scan.SetPriorityCheckEnabled(true);
    EXPECT_EQ(scan.PriorityCheck(), 2u);  // the low bit kept its value
    scan.SetPriorityCheckTimer(0);
    EXPECT_EQ(scan.PriorityCheck(), 1u);
    scan.SetPriorityCheckTimer(2);
    RadioImage im = test::FilledImage(0);
    scan.Store(im);
    EXPECT_EQ(im[6], 0x28);
}

TEST(Blocks, KeyFunctionsSitOnOneKeyAndNeedTheKeypad) {
    RadioImage im = test::FilledImage(0);
    KeyFunctionParams keys;
    keys.SetDefaults();
    keys.Store(im);
    const std::uint8_t expected[12] = {1, 3, 8, 33, 11, 23, 2, 4, 12, 32, 31, 29};
    for (int k = 0; k < 12; ++k) EXPECT_EQ(im[129 + k], expected[k]);
    EXPECT_EQ(KeyFunctionName(31), "CTCSS/DCS SEL ");
    EXPECT_EQ(FindKeyFunction("Monitor       "), 1);
    EXPECT_EQ(FindKeyFunction("Monitor"), -1);

    // [SIDE2] is not offered Monitor while [SIDE1] holds it.
    auto offered = keys.OfferedFunctions(1, true);
    EXPECT_EQ(std::count(offered.begin(), offered.end(), 1), 0);
    EXPECT_EQ(std::count(offered.begin(), offered.end(), 3), 1);  // its own
    keys.Assign(0, 0);                                            // [SIDE1] to None frees Monitor
    offered = keys.OfferedFunctions(1, true);
    EXPECT_EQ(std::count(offered.begin(), offered.end(), 1), 1);
    // Emergency and Lone Worker only on held keys; never Dual Watch.
    EXPECT_EQ(std::count(offered.begin(), offered.end(), 22), 0);
    offered = keys.OfferedFunctions(7, true);
    EXPECT_EQ(std::count(offered.begin(), offered.end(), 22), 1);
    EXPECT_EQ(std::count(offered.begin(), offered.end(), 10), 0);

    // Without the front keypad a key holding Lock loses it on loading, and
    // Lock is free for another enabled key.
    im[7667] = 0;
    im[130] = 4;
    keys.Load(im);
    EXPECT_EQ(keys.keys[1], 0u);
    EXPECT_FALSE(keys.InUse(4));
    offered = keys.OfferedFunctions(0, false);
    EXPECT_EQ(std::count(offered.begin(), offered.end(), 4), 0);  // keypad function
    EXPECT_TRUE(KeyFunctionParams::KeyEnabled(7, false));
    EXPECT_FALSE(KeyFunctionParams::KeyEnabled(2, false));

    // Codes beyond the table from a damaged image do no harm.
    im[129] = 200;
    keys.Load(im);
    keys.Assign(0, 5);
    EXPECT_EQ(keys.keys[0], 5u);
}

TEST(Blocks, ChannelTableDefaults) {
    HardwareParams hw;
    hw.SetDefaults();
    ChannelTable table(hw);
    table.SetDefaults();
    RadioImage im = test::FilledImage(0);
    table.Store(im);

    const std::uint8_t sizes[7] = {77, 16, 16, 16, 16, 16, 11};
    for (int g = 0; g < 7; ++g) EXPECT_EQ(im[281 + g], sizes[g]);
    // "  C  B" completed with spaces; "GROUP 1".
    const std::uint8_t cb[8] = {36, 36, 12, 36, 36, 11, 36, 36};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(im[153 + i], cb[i]);
    EXPECT_EQ(im[161], 16);  // 'G'
    EXPECT_EQ(im[166], 36);  // the blank of "GROUP 1"

    ChannelTable loaded(hw);
    loaded.Load(im);
    const ChannelRecord& ch1 = loaded.records[0];
    EXPECT_EQ(FormatFrequency(ch1.rxMHz), "476.42500");
    EXPECT_EQ(FormatFrequency(ch1.txMHz), "477.17500");
    EXPECT_EQ(ch1.tag, "CB CH-01");
    EXPECT_EQ(ch1.inUse, 1);
    EXPECT_EQ(ch1.encryption, 1);
    EXPECT_EQ(loaded.records[4].encryption, 0);                        // CB CH-05
    EXPECT_EQ(FormatFrequency(loaded.records[8].txMHz), "476.62500");  // CB CH-09 simplex
    EXPECT_EQ(loaded.records[21].txOff, 1);                            // CB CH-22
    EXPECT_EQ(loaded.records[22].txOff, 1);                            // CB CH-23
    EXPECT_EQ(loaded.records[23].txOff, 0);
    EXPECT_EQ(im[297 + 25 * 21 + 1] & 0x80, 0x80);
    const ChannelRecord& ch78 = loaded.records[77];
    EXPECT_EQ(ch78.tag, " CH-001 ");
    EXPECT_EQ(ch78.inUse, 0);
    EXPECT_EQ(ch78.txOff, 1);
    EXPECT_EQ(ch78.txSetByHand, 0);
    EXPECT_EQ(loaded.records[167].tag, " CH-091 ");
    // Receive tuning: slope 80 over the 450-490 MHz band, half rounded up.
    EXPECT_EQ(im[297 + 25 * 13 + 12], 54);  // CB CH-14, 476.750 MHz
    EXPECT_EQ(im[297 + 25 * 33 + 12], 55);  // CB CH-34, 477.250 MHz
    // Every slot is on all three scan lists.
    for (int i = 92; i <= 112; ++i) EXPECT_EQ(im[i], 0xFF);
    EXPECT_EQ(loaded.pChannel, 0);
}

TEST(Blocks, DerivedTuningValues) {
    HardwareParams hw;
    hw.SetDefaults();
    AlignmentData& a = hw.alignment;
    a.rxSensitivityBase = 100;
    a.rxSensitivitySlope = 40;
    a.powerBase = {200, 100};
    a.powerSlope = {{{130, 10}, {140, 20}}};  // [high][half]: -2, 10; [low]: -12, 20
    a.maxDeviationBase = 100;
    a.maxDeviationSlope = {0x85, 20};  // -5, +20
    a.maxRefDeviationBase = 250;
    a.maxRefDeviationSlope = {50, 50};
    // Window 440..500, band 450..490: at 480 MHz k = 2 x |480 - 470| / 40 = 0.5,
    // upper half.
    TxTuning t = ComputeTxTuningValues(hw, 480.0, 0);
    EXPECT_EQ(t.powerHigh, 205);
    EXPECT_EQ(t.powerLow, 110);
    EXPECT_EQ(t.maxDeviation, 110);
    EXPECT_EQ(t.maxRefDeviation, 255);        // limited
    t = ComputeTxTuningValues(hw, 460.0, 2);  // lower half, narrow: x 0.5
    EXPECT_EQ(t.powerHigh, 199);
    EXPECT_EQ(t.powerLow, 94);
    EXPECT_EQ(t.maxDeviation, 49);  // (100 - 2.5) x 0.5 = 48.75
    EXPECT_EQ(ComputeTxTuningValues(hw, 430.0, 1).maxDeviation,
              80);                                    // below the window: base x 0.8
    EXPECT_EQ(ComputeRxTuningValue(hw, 470.0), 120);  // 100 + 0.5 x 40
    EXPECT_EQ(ComputeRxTuningValue(hw, 520.0), 140);  // above the window: k = 1
    EXPECT_EQ(ComputeRxTuningValue(hw, 400.0), 100);
    // A band without width does not divide by zero.
    hw.maxFrequencyMHz = hw.minFrequencyMHz;
    EXPECT_EQ(ComputeRxTuningValue(hw, 455.0), 100);
}

TEST(Blocks, GroupNormalisationNeverLoopsOrOverruns) {
    HardwareParams hw;
    hw.SetDefaults();
    ChannelTable table(hw);
    table.SetDefaults();
    table.SelectGroup(6);
    EXPECT_EQ(table.firstRow, 158);
    EXPECT_EQ(table.lastRow, 168);
    table.NextGroup();
    EXPECT_EQ(table.currentGroup, 0);
    EXPECT_EQ(table.GroupOfSlot(77), 1);
    EXPECT_EQ(table.GroupAndIndexOfSlot(80), (std::pair<int, int>{1, 3}));
    EXPECT_EQ(table.GroupOfSlot(168), 7);

    // An empty CB group: group 0 lands on the first non-empty group.
    table.SetGroupSizes({0, 0, 5, 0, 0, 0, 3});
    table.SelectGroup(0);
    EXPECT_EQ(table.currentGroup, 2);
    EXPECT_EQ(table.firstRow, 1);
    table.NextGroup();
    EXPECT_EQ(table.currentGroup, 6);
    table.NextGroup();
    EXPECT_EQ(table.currentGroup, 2);

    // All groups empty: one pass, then group 0 with no rows.
    table.SetGroupSizes({0, 0, 0, 0, 0, 0, 0});
    table.SelectGroup(3);
    EXPECT_EQ(table.currentGroup, 0);
    EXPECT_EQ(table.lastRow, table.firstRow - 1);

    // Sizes from a damaged image are cut back in group order.
    table.SetGroupSizes({200, 100, 100, 0, 0, 0, 255});
    EXPECT_EQ(table.groupSizes()[0], 128u);
    EXPECT_EQ(table.groupSizes()[1], 40u);
    EXPECT_EQ(table.groupSizes()[2], 0u);
    EXPECT_EQ(table.allocated(), 168);
    table.SelectGroup(9);
    EXPECT_EQ(table.currentGroup, 0);
}

TEST(Blocks, ClearSignalingAndBandChange) {
    HardwareParams hw;
    hw.SetDefaults();
    ChannelTable table(hw);
    table.SetDefaults();
    RadioImage im = test::FilledImage(0);
    table.records[3].signalingType = 1;
    table.records[3].signalingNumber = 7;
    table.Store(im);
    EXPECT_EQ(im[297 + 25 * 3 + 3] & 0xDF, 64 + 6);
    for (int k = 7614; k <= 7629; ++k) im[k] = 0xFF;
    table.ClearSignaling(im);
    EXPECT_EQ(table.records[3].signalingNumber, 0);
    EXPECT_EQ(im[297 + 25 * 3 + 3] & 0xDF, 0);
    for (int k = 7614; k <= 7629; ++k) EXPECT_EQ(im[k], 0) << k;

    table.ResetFrequencies(true);
    table.MarkAllInUse();
    EXPECT_TRUE(table.IsInUse(167));
    EXPECT_EQ(table.records[100].rxMHz, 450.0);
    EXPECT_FALSE(table.IsInUse(168));
}

TEST(Blocks, XtalHarmonics) {
    EXPECT_EQ(XtalForFrequency(3.6864 * 125), 1);  // 460.8 MHz
    EXPECT_EQ(XtalForFrequency(460.84), 1);        // 87 ppm away
    EXPECT_EQ(XtalForFrequency(460.9), 0);
    EXPECT_EQ(XtalForFrequency(476.425), 0);
}

}  // namespace
}  // namespace kp07
