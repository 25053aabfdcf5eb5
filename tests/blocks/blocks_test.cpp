#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "blocks/channel_table.h"
#include "blocks/common_params.h"
#include "blocks/dtmf_params.h"
#include "blocks/emergency_params.h"
#include "blocks/five_tone_decode.h"
#include "blocks/five_tone_encode.h"
#include "blocks/five_tone_format.h"
#include "blocks/five_tone_general.h"
#include "blocks/five_tone_systems.h"
#include "blocks/five_tone_user_tones.h"
#include "blocks/hardware_params.h"
#include "blocks/key_function_params.h"
#include "blocks/paging_params.h"
#include "blocks/radio_identity.h"
#include "blocks/scan_params.h"
#include "blocks/signaling_type.h"
#include "blocks/tuning.h"
#include "blocks/two_tone_general.h"
#include "blocks/two_tone_systems.h"
#include "image/accessors.h"
#include "image/tone_codec.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

using test::Footprint;

// The ranges {first, last, mask}, repeated `count` times `stride` bytes apart.
struct ByteRange {
    int first, last;
    unsigned mask;
};
Footprint Make(std::initializer_list<ByteRange> ranges, int count = 1, int stride = 0) {
    Footprint fp;
    for (int r = 0; r < count; ++r) {
        for (const ByteRange& b : ranges) {
            for (int i = b.first; i <= b.last; ++i) fp[i + r * stride] |= b.mask;
        }
    }
    return fp;
}
Footprint Join(Footprint a, const Footprint& b) {
    for (const auto& [offset, mask] : b) a[offset] |= mask;
    return a;
}

// The bytes and bits each block owns, written out from the memory map. Bits
// left out belong to no field or to another block.
const Footprint kIdentity = Make({{0, 1, 0xFF}, {7715, 7716, 0xFF}, {7721, 7724, 0xFF}});
const Footprint kHardware = Make({{7667, 7667, 0x01},
                                  {7668, 7685, 0xFF},
                                  {7686, 7686, 0x07},
                                  {7687, 7707, 0xFF},
                                  {7709, 7711, 0xFF},
                                  {3, 3, 0x80},
                                  {4, 4, 0x60}});
const Footprint kCommon = Make({{2, 2, 0x03},
                                {3, 3, 0x7F},
                                {4, 4, 0x9F},
                                {5, 5, 0xF0},
                                {6, 6, 0x80},
                                {7, 7, 0xE0},
                                {8, 8, 0x80},
                                {125, 125, 0x3F},
                                {128, 128, 0x07},
                                {145, 152, 0xFF},
                                {7667, 7667, 0x06},
                                {7712, 7712, 0x01},
                                {7713, 7714, 0xFF}});
const Footprint kScan = Make({{124, 124, 0xFF}, {6, 6, 0x2F}, {7, 7, 0x0C}});
const Footprint kKeys = Make({{129, 140, 0xFF}, {6, 6, 0x40}});
const Footprint kEmergency = Make({{141, 143, 0xFF}, {144, 144, 0x0F}});
const Footprint kChannelTable = Make({{89, 112, 0xFF},
                                      {126, 126, 0x7F},
                                      {153, 208, 0xFF},
                                      {281, 287, 0xFF},
                                      {297, 4496, 0xFF},
                                      {7728, 7769, 0xFF},
                                      {6, 6, 0x10},
                                      {7, 7, 0x10}});
const Footprint kDtmfWithoutTwoToneCommon = Make({{2, 2, 0xF8},        // pause code
                                                  {8, 8, 0x1F},        // ANI transmit, delay, speed
                                                  {9, 88, 0xFF},       // speed dial
                                                  {128, 128, 0xE0},    // pause time
                                                  {7574, 7613, 0xFF},  // pair table
                                                  {7630, 7645, 0xFF}});  // ANI, emergency
const Footprint kDtmfWhole = Join(
    kDtmfWithoutTwoToneCommon,
    Make({{5, 5, 0x0F}, {7, 7, 0x02}, {7571, 7571, 0xFF}, {7572, 7572, 0xFC}, {7573, 7573, 0xFF}}));
// A DTMF code block keeps the bytes past its last digit.
const Footprint kDtmfCodeTails =
    Join(Make({{10, 16, 0xFF}}, 10, 8), Make({{7631, 7637, 0xFF}, {7639, 7645, 0xFF}}));
const Footprint kPaging =
    Join(Make({{7646, 7646, 0xFF}}), Make({{7647, 7647, 0xCF}, {7648, 7648, 0xFF}}, 10, 2));
const Footprint kTwoToneEncode = Make({{7568, 7568, 0xCF}, {7569, 7570, 0xFF}});
const Footprint kTwoToneSystems = Make({{7614, 7629, 0xFE}});  // b0 (ANI) is not the table's
const Footprint kFiveToneGeneral = Make({{6697, 6711, 0xFF}, {5, 5, 0x0F}, {7, 7, 0x02}});
const Footprint kSystems =
    Make({{6766, 6769, 0xFF}, {6770, 6770, 0xE0}, {6771, 6771, 0xFF}}, 32, 6);
const Footprint kDecode = Join(Make({{6958, 6964, 0xFF}, {6965, 6972, 0x3F}}, 8, 15),
                               Make({{7078, 7078, 0x7F}, {7079, 7079, 0xFE}, {7080, 7087, 0x3F}}));
const Footprint kEncode =
    Make({{7089, 7092, 0xFF}, {7093, 7093, 0xFA}, {7094, 7094, 0xFF}, {7095, 7102, 0x3F}}, 32, 15);

struct BlockCase {
    std::string name;
    Footprint footprint;
    Footprint mayKeep;  // footprint bits a store may leave as they were
    // Loads a fresh block from `from` and stores it into `into`.
    std::function<void(const RadioImage& from, RadioImage& into)> loadStore;
    std::function<void(RadioImage& into)> storeDefaults;
    // Whether a load and store keeps every value it read. The program-wide
    // blocks and the plain parameters put a damaged image right on loading
    // (limits, keys, groups), so for them only the footprint is checked.
    bool keepsWhatItReads = true;
};

template <class Block>
BlockCase Case(const std::string& name, Footprint fp, Footprint mayKeep = {}, bool keeps = true) {
    return {name,
            std::move(fp),
            std::move(mayKeep),
            [](const RadioImage& from, RadioImage& into) {
                Block b;
                b.Load(from);
                b.Store(into);
            },
            [](RadioImage& into) {
                Block b;
                b.SetDefaults();
                b.Store(into);
            },
            keeps};
}

// The channel table reads frequencies with the hardware of the same image.
struct TableWithItsHardware {
    HardwareParams hw;
    ChannelTable table{hw};
    void Load(const RadioImage& im) { hw.Load(im), table.Load(im); }
    void SetDefaults() { hw.SetDefaults(), table.SetDefaults(); }
    void Store(RadioImage& im) { table.Store(im); }
};
// The 5-tone form leaves the 2-tone common settings alone.
struct DtmfExceptTwoToneCommon : DtmfParams {
    void Store(RadioImage& im) const { StoreExceptTwoToneCommon(im); }
};

std::vector<BlockCase> Blocks() {
    return {
        Case<RadioIdentity>("RadioIdentity", kIdentity, {}, false),
        Case<HardwareParams>("HardwareParams", kHardware, {}, false),
        Case<CommonParams>("CommonParams", kCommon, {}, false),
        Case<ScanParams>("ScanParams", kScan, {}, false),
        Case<KeyFunctionParams>("KeyFunctionParams", kKeys, {}, false),
        Case<EmergencyParams>("EmergencyParams", kEmergency, {}, false),
        Case<SignalingType>("SignalingType", Footprint{{7, 0x01}}, {}, false),
        Case<DtmfParams>("DtmfParams", kDtmfWhole, kDtmfCodeTails),
        Case<PagingParams>("PagingParams", kPaging),
        Case<TwoToneGeneral>("TwoToneGeneral", kTwoToneEncode),
        Case<TwoToneSystems>("TwoToneSystems", kTwoToneSystems),
        Case<FiveToneGeneral>("FiveToneGeneral", kFiveToneGeneral),
        Case<FiveToneFormat>("FiveToneFormat", Make({{6712, 6735, 0xFF}})),
        Case<FiveToneUserTones>("FiveToneUserTones", Make({{6736, 6765, 0xFF}})),
        Case<FiveToneSystems>("FiveToneSystems", kSystems),
        Case<FiveToneDecode>("FiveToneDecode", kDecode),
        Case<FiveToneEncode>("FiveToneEncode", kEncode),
        Case<TableWithItsHardware>("ChannelTable", kChannelTable, {}, false),
        Case<DtmfExceptTwoToneCommon>("DtmfParams::StoreExceptTwoToneCommon",
                                      kDtmfWithoutTwoToneCommon, kDtmfCodeTails),
    };
}

// A random image whose decode transpond codes lie in the chooser's range:
// stored values outside it do not survive a load and store unchanged.
RadioImage RandomImageWithValidTranspondCodes(std::mt19937& rng) {
    RadioImage image = test::RandomImage(rng);
    for (int e = 0; e < 8; ++e) SetDecodeTranspondCode(FiveToneDecodeAt(image, e), rng() % 34);
    return image;
}

// Random images, the sanitizer build included: a block read from any bytes
// (or set to its defaults) and written onto any other bytes changes only its
// own bits; a block that keeps what it reads also writes all of them, and a
// second read and write changes nothing.
TEST(Blocks, LoadAndStoreTouchOnlyTheirOwnBitsOnAnyImage) {
    std::mt19937 rng(20240611);
    for (const BlockCase& block : Blocks()) {
        SCOPED_TRACE(block.name);
        for (int round = 0; round < 40; ++round) {
            const RadioImage from = RandomImageWithValidTranspondCodes(rng);
            const RadioImage before = test::RandomImage(rng);

            RadioImage after = before;
            block.loadStore(from, after);
            ASSERT_TRUE(test::ChangedOnlyInside(block.footprint, before, after));

            RadioImage defaults = before;
            block.storeDefaults(defaults);
            ASSERT_TRUE(test::ChangedOnlyInside(block.footprint, before, defaults));

            if (!block.keepsWhatItReads) continue;
            RadioImage again = after;
            block.loadStore(after, again);
            ASSERT_EQ(again, after) << "a second load and store changed the image";
        }
        if (!block.keepsWhatItReads) continue;
        // Stored onto all-zero and all-one bytes, the block leaves the same
        // bits in its footprint: no field is forgotten by Store.
        const RadioImage from = RandomImageWithValidTranspondCodes(rng);
        RadioImage zeros = test::FilledImage(0x00), ones = test::FilledImage(0xFF);
        block.loadStore(from, zeros);
        block.loadStore(from, ones);
        for (const auto& [offset, mask] : block.footprint) {
            const auto kept = block.mayKeep.find(offset);
            const unsigned free = kept == block.mayKeep.end() ? 0u : kept->second;
            EXPECT_EQ((zeros[std::size_t(offset)] ^ ones[std::size_t(offset)]) & mask & ~free, 0u)
                << "byte " << offset << " not written";
        }
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
    EXPECT_TRUE(test::BytesAt(
        im, 7678, {51,  66, 56, 38, 51, 66, 56, 38, 4, 0x4C, 0, 80, 0,  160, 160, 0, 160,
                   160, 0,  0,  0,  0,  0,  0,  0,  0, 63,   0, 0,  63, 0,   128, 0, 0}));

    // A band change resets the caller's copy of the offset, not the document's.
    autoTxOffsetMHz = 3.25;
    double dialogOffset = 7.5;
    hw.ApplyBandDefaults(false, dialogOffset);
    EXPECT_EQ(dialogOffset, 0.0);
    EXPECT_EQ(autoTxOffsetMHz, 3.25);
    EXPECT_EQ(hw.stepCode, 1u);
    EXPECT_EQ(hw.injectionSide, 1u);
    EXPECT_EQ(hw.frequencyRange, 1u);
    EXPECT_EQ(hw.sqlReleaseTime, 6u);
    EXPECT_EQ(hw.LowerLimitMHz(), 136.0);
    EXPECT_EQ(hw.UpperLimitMHz(), 184.0);
    hw.Store(im);
    EXPECT_TRUE(test::BytesAt(im, 7678, {54, 64, 66, 33, 54, 64, 65, 33}));
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
    // The defaults are checked in the bytes of a new image (image_ops_test).
    KeyFunctionParams keys;
    keys.SetDefaults();
    EXPECT_EQ(KeyFunctionName(31), "CTCSS/DCS SEL ");
    EXPECT_EQ(FindKeyFunction("Monitor"), -1);
    // The keys (bit k) whose list offers the function.
    const auto offeredOn = [&keys](const char* name, bool keypad = true) {
        const int fn = FindKeyFunction(name);
        EXPECT_GE(fn, 0) << name;
        unsigned on = 0;
        for (int k = 0; k < kKeyCount; ++k) {
            const std::vector<int> list = keys.OfferedFunctions(k, keypad);
            if (std::count(list.begin(), list.end(), fn) == 1) on |= 1u << k;
        }
        return on;
    };
    const struct {
        const char* name;
        unsigned keys;
    } cases[] = {
        {"None          ", 0xFFF}, {"Monitor       ", 0x001},  // held by [SIDE1]
        {"Lock          ", 0x080},                             // held by [SIDE2] (Press & Hold)
        {"Reset         ", 0xFFF},                             // free
        {"Emergency     ", 0xFC0},                             // press-and-hold keys only
        {"Lone Worker   ", 0xFC0}, {"Follow-Me Scan", 0x000}, {"Dual Watch    ", 0x000},
        {"Code Up       ", 0x000}, {"Code Down     ", 0x000},
    };
    for (const auto& c : cases) EXPECT_EQ(offeredOn(c.name), c.keys) << c.name;
    keys.Assign(0, 0);  // [SIDE1] to None frees Monitor for every key
    EXPECT_EQ(offeredOn("Monitor       "), 0xFFFu);

    // Without the front keypad no key is offered what needs it.
    for (const char* keypadOnly : {"Lock          ", "Lamp          ", "Channel UP    ",
                                   "Channel Down  ", "Add/Del       ", "Code Select   "}) {
        EXPECT_EQ(offeredOn(keypadOnly, false), 0u) << keypadOnly;
    }
    EXPECT_TRUE(KeyFunctionParams::KeyEnabled(7, false));
    EXPECT_FALSE(KeyFunctionParams::KeyEnabled(2, false));

    // Codes beyond the table from a damaged image do no harm.
    RadioImage im = test::FilledImage(0);
    im[129] = 200;
    keys.Load(im);
    keys.Assign(0, 5);
    EXPECT_EQ(keys.keys[0], 5u);
}

// The group sizes, CB CH-01's frequencies, the receive-only CB channels and
// slot 77 are checked in the bytes of a new image (image_ops_test).
TEST(Blocks, ChannelTableDefaults) {
    HardwareParams hw;
    hw.SetDefaults();
    ChannelTable table(hw);
    table.SetDefaults();
    RadioImage im = test::FilledImage(0);
    table.Store(im);

    // "  C  B" completed with spaces; "GROUP 1".
    EXPECT_TRUE(test::BytesAt(im, 153, {36, 36, 12, 36, 36, 11, 36, 36}));
    EXPECT_EQ(im[161], 16);  // 'G'
    EXPECT_EQ(im[166], 36);  // the blank of "GROUP 1"

    // CB CH-01 and CB CH-05 (no encryption) row by row: report_channels_test.
    ChannelTable loaded(hw);
    loaded.Load(im);
    EXPECT_EQ(FormatFrequency(loaded.records[8].txMHz), "476.62500");  // CB CH-09 simplex
    EXPECT_EQ(loaded.records[23].txOff, 0);
    EXPECT_EQ(im[297 + 25 * 21 + 1] & 0x80, 0x80);
    const ChannelRecord& ch78 = loaded.records[77];
    EXPECT_EQ(ch78.txOff, 1);
    EXPECT_EQ(ch78.txSetByHand, 0);
    EXPECT_EQ(loaded.records[167].tag, " CH-091 ");
    // Receive tuning: slope 80 over the 450-490 MHz band, half rounded up.
    EXPECT_EQ(im[297 + 25 * 13 + 12], 54);  // CB CH-14, 476.750 MHz
    EXPECT_EQ(im[297 + 25 * 33 + 12], 55);  // CB CH-34, 477.250 MHz
    // Every slot is on all three scan lists.
    EXPECT_TRUE(test::BytesAt(im, 92, std::vector<int>(21, 0xFF)));
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
    EXPECT_EQ(table.groupSizes(), (std::array<unsigned, kGroupCount>{128, 40, 0, 0, 0, 0, 0}));
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
