// The rules behind the hardware, miscellaneous, option and signaling type
// dialogs, without a display: list texts, the range and step items, the
// smaller model, the option board and signaling type changes.
#include <gtest/gtest.h>

#include <string>

#include "blocks/channel_table.h"
#include "blocks/common_params.h"
#include "blocks/dtmf_params.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "blocks/new_image_fixture.h"
#include "blocks/paging_params.h"
#include "blocks/signaling_type.h"
#include "image/accessors.h"

namespace kp07 {
namespace {

using test::BytesAt;

TEST(SettingsRules, ListTextsAreTheRadiosOwn) {
    struct Case {
        const char* name;
        ChoiceTexts actual;
        ChoiceTexts expected;
    };
    const Case cases[] = {
        {"model", ModelTexts(), {"KR-302 Series", "KR-318"}},
        {"keypad", FrontKeypadTexts(), {"None  ", "4 Key ", "16 Key"}},
        {"band", BandTexts(), {"VHF", "UHF"}},
        {"range VHF", FrequencyRangeTexts(false), {"134-160 MHz", "146-174 MHz"}},
        {"range UHF",
         FrequencyRangeTexts(true),
         {"350-390 MHz", "400-430 MHz", "440-470 MHz", "450-490 MHz", "470-512 MHz"}},
        {"step VHF", ChannelStepTexts(false), {"2.5,6.25kHz", "5,6.25kHz  "}},
        {"step UHF", ChannelStepTexts(true), {"5,6.25kHz  ", "10,12.5kHz "}},
        {"sql release",
         SqlReleaseTimeTexts(),
         {"0   ms", "40  ms", "80  ms", "120 ms", "160 ms", "200 ms", "240 ms", "280 ms"}},
        {"rx save off", RxSaveOffTimeTexts(), {"100 ms", "200 ms", "300 ms", "400 ms"}},
        {"ctcss release", CtcssReleaseTimeTexts(), {"500 ms", "200 ms"}},
        {"power on", PowerOnConditionTexts(), {"Back up", "CB", "SCAN"}},
        {"squelch tail 3", SquelchTailTexts(3), {"Disabled", "No Tone", "Phase"}},
        {"squelch tail 2", SquelchTailTexts(2), {"Disabled", "No Tone", "Rev. Burst", "Phase"}},
        {"option board",
         OptionBoardTexts(),
         {"Dummy", "QSC-61", "QSC-71", "QVR-3", "QRB-140/QRBD-240"}},
        {"signaling", SignalingTypeTexts(), {"2-Tone", "5-Tone"}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
    EXPECT_EQ(SqlAttackTimeTexts().back(), "75  ms");
    EXPECT_EQ(SqlHysteresisTexts()[3], "3 ");
}

TEST(SettingsRules, RangeAndStepItemsFollowTheBand) {
    HardwareParams hw;
    hw.SetDefaults();  // upper band, range 4
    SelectChannelStep(hw, 1);
    EXPECT_EQ(hw.stepCode, 3u);
    SelectFrequencyRange(hw, 0);
    EXPECT_EQ(FrequencyRangeTexts(true)[std::size_t(FrequencyRangeItem(hw))], "350-390 MHz");

    double offset = 0.0;
    hw.ApplyBandDefaults(false, offset);
    SelectChannelStep(hw, 0);
    EXPECT_EQ(hw.stepCode, 0u);
    // A lower-band unit loaded with an upper-band range shows its default.
    hw.frequencyRange = 5;
    EXPECT_EQ(FrequencyRangeItem(hw), 1);
    SelectChannelStep(hw, 7);  // no such item: nothing changes
    EXPECT_EQ(hw.stepCode, 0u);
}

using SettingsImage = test::NewImageTest;

TEST_F(SettingsImage, WhatTheSmallerModelLacksIsCleared) {
    RadioImage& im = *radioImage;
    for (int i = 129; i <= 140; ++i) im[std::size_t(i)] = 1;  // "Monitor" on every key...
    im[6] |= 0x80;                                            // key holding time 150ms
    im[6703] = 0xFF;
    im[6705] |= 0x0C;
    const RadioImage before = im;
    ClearWhatModelLacks(1, im);
    EXPECT_EQ(im, before);  // a "KR-318" keeps everything

    ClearWhatModelLacks(0, im);
    EXPECT_TRUE(BytesAt(im, 129, {1, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(im[6] & 0x80, 0);
    EXPECT_EQ(im[6703], 0);
    EXPECT_EQ(im[6705] & 0x0C, 0);
    test::Footprint cleared = {{6, 0x80}, {6703, 0xFF}, {6705, 0x0C}};
    for (int key : {131, 132, 133, 134, 137, 138, 139, 140}) cleared[key] = 0xFF;
    EXPECT_TRUE(test::ChangedOnlyInside(cleared, before, im));
}

TEST_F(SettingsImage, OptionBoardChangesTakeChannelsOffTheUnitsTheyLose) {
    enum { kNone = 0, kSignal = 1, kPage = 2, kOption = 3 };
    struct Case {
        unsigned previous;
        unsigned next;
        int typeAfter[3];  // channels that were Signal, Page and Option
        bool changed;
    };
    const Case cases[] = {
        {kPagingOptionBoard, kPagingOptionBoard, {kSignal, kPage, kOption}, false},
        {kPagingOptionBoard, kBoardDummy, {kSignal, kNone, kOption}, true},
        {kBoardDummy, kBoardVoiceRecorder, {kSignal, kNone, kOption}, true},
        {kBoardOptionSignaling, kPagingOptionBoard, {kNone, kNone, kNone}, true},
        {kBoardOptionSignaling, kBoardOptionSignaling, {kSignal, kNone, kOption}, true},
    };
    for (const Case& c : cases) {
        ChannelTable& table = *channels;
        for (int i = 0; i < 3; ++i) {
            table.records[std::size_t(i)].signalingType = i + 1;
            table.records[std::size_t(i)].signalingNumber = 5;
        }
        EXPECT_EQ(ApplyOptionBoardChange(table, c.previous, c.next), c.changed)
            << c.previous << "->" << c.next;
        for (int i = 0; i < 3; ++i) {
            const ChannelRecord& r = table.records[std::size_t(i)];
            EXPECT_EQ(r.signalingType, c.typeAfter[i]) << c.previous << "->" << c.next << " " << i;
            EXPECT_EQ(r.signalingNumber, c.typeAfter[i] == kNone ? 0 : 5);
        }
    }

    channels->groupTypes = {0, 1, 0, 1, 0, 0, 0};
    EXPECT_FALSE(ApplyOptionBoardToGroups(*channels, kBoardTrunking));
    EXPECT_EQ(channels->groupTypes[3], 1u);
    EXPECT_TRUE(ApplyOptionBoardToGroups(*channels, kBoardDummy));
    EXPECT_EQ(channels->groupTypes, (std::array<unsigned, kGroupCount>{}));
    EXPECT_FALSE(ApplyOptionBoardToGroups(*channels, kBoardDummy));
}

TEST_F(SettingsImage, SignalingTypeChangeStartsTheNewFamilyAfresh) {
    RadioImage& im = *radioImage;
    channels->records[3].signalingType = 1;
    channels->records[3].signalingNumber = 7;
    channels->Store(im);
    DtmfParams dtmf;
    dtmf.Load(im);
    dtmf.aniCode = "123";
    dtmf.speedDial[0] = "555";
    dtmf.Store(im);
    for (int k = 7614; k <= 7629; ++k) im[std::size_t(k)] = 0xFF;

    EXPECT_TRUE(ChangeSignalingType(*signalingType, kTwoTone, *channels, im));
    EXPECT_EQ(imageModified, 1);
    EXPECT_EQ(signalingType->type, kTwoTone);
    EXPECT_EQ(im[7] & 1, 0);
    EXPECT_EQ(channels->records[3].signalingNumber, 0);
    EXPECT_EQ(GetChannelSignaling(ChannelRecordAt(im, 3)), (SignalingSelector{0, 0}));
    // 2-tone defaults: systems off with auto reset, encode "Individual" on
    // Pair#1 for 1.0 s and 3.0 s, ten pairs of 288.5 Hz.
    for (int k = 7614; k <= 7629; ++k) EXPECT_EQ(im[std::size_t(k)], 0x02) << k;
    EXPECT_TRUE(BytesAt(im, 7568, {0x00, 10, 30}));
    EXPECT_TRUE(BytesAt(im, 7574, {0x0B, 0x45, 0x0B, 0x45}));
    dtmf.Load(im);
    EXPECT_EQ(dtmf.aniCode, "");
    EXPECT_EQ(dtmf.speedDial[0], "555");

    // Back to 5-tone: the 5-tone tables come back with their defaults.
    for (int i = 6697; i <= 6702; ++i) im[std::size_t(i)] = 0;
    EXPECT_TRUE(ChangeSignalingType(*signalingType, kFiveTone, *channels, im));
    EXPECT_TRUE(BytesAt(im, 6697, {50, 30, 30, 10, 70, 160}));
}

}  // namespace
}  // namespace kp07
