#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "blocks/dtmf_params.h"
#include "blocks/five_tone_decode.h"
#include "blocks/five_tone_format.h"
#include "blocks/five_tone_general.h"
#include "blocks/five_tone_systems.h"
#include "blocks/paging_params.h"
#include "blocks/signaling_text.h"
#include "blocks/two_tone_general.h"
#include "blocks/two_tone_systems.h"

namespace kp07 {
namespace {

struct ListCase {
    const char* name;
    const ChoiceTexts& list;
    std::size_t size;
    std::vector<std::pair<unsigned, const char*>> texts;  // value, text
};

void ExpectLists(const std::vector<ListCase>& cases) {
    for (const ListCase& c : cases) {
        EXPECT_EQ(c.list.size(), c.size) << c.name;
        for (const auto& [value, text] : c.texts)
            EXPECT_EQ(ChoiceText(c.list, value), text) << c.name;
    }
}

// The list texts by stored value, as the dialogs show and the report prints.
TEST(SignalingChoices, DtmfPagingAndTwoToneTexts) {
    ExpectLists({
        {"ANI transmit", AniTransmitChoices(), 2, {{0, "PTT Pressed"}, {1, "PTT Released"}}},
        {"DTMF delay", DtmfDelayChoices(), 4, {{0, "50 ms"}, {2, "300 ms"}}},
        {"DTMF speed", DtmfSpeedChoices(), 4, {{0, "25 ms"}, {3, "66 ms"}}},
        {"pause time", DtmfPauseTimeChoices(), 8, {{0, "0.5 s"}, {1, "1 s"}, {7, "7 s"}}},
        {"auto reset", AutoResetTimeChoices(), 16, {{0, "2 s"}, {8, "10 s"}, {15, "60 s"}}},
        {"group call", GroupCallChoices(), 3, {{2, "2nd Tone"}}},
        {"pair", PairChoices(), 10, {{0, "Pair#1"}, {9, "Pair#10"}}},
        {"duty", DutyChoices(), 2, {{1, "On-Duty"}}},
        {"call beep", CallBeepToneChoices(), 8, {{0, "Disable"}, {7, "Beep G"}}},
        {"beep mode", BeepModeChoices(), 2, {{1, "Repeat"}}},
        {"encode type", EncodeTypeChoices(), 3, {{2, "Group(2nd Tone used)"}}},
        {"paging reset",
         PagingAutoResetChoices(),
         16,
         {{0, "Disabled"}, {9, "10 s"}, {15, "50 s"}}},
        {"call times", CallTimesChoices(), 4, {{1, "1 Time"}, {3, "5 Times"}}},
        {"paging speed", PagingSpeedChoices(), 2, {{1, "100 ms"}}},
        {"page decode", PageDecodeChoices(), 2, {{0, "Off"}, {1, "DEC"}}},
    });
    // A value a damaged image may hold has no text.
    EXPECT_EQ(ChoiceText(DutyChoices(), 2), "");
}

TEST(SignalingChoices, FiveToneTexts) {
    ExpectLists({
        {"format", FormatChoices(), 12, {{0, "ZVEI1"}, {5, "CCIR1"}, {11, "TP40"}}},
        {"group tone", ToneDigitChoices(), 15, {{0, "0 TONE"}, {10, "A TONE"}, {14, "E TONE"}}},
        {"delay 3 tone", Delay3ToneChoices(), 16, {{15, "F TONE"}}},
        {"call key", CallKeyChoices(), 32, {{0, "ENC NO.1"}, {31, "ENC NO.32"}}},
        {"monitor", MonitorSwitchChoices(), 4, {{0, "-----"}, {3, "Both"}}},
        {"channel", ChannelSwitchChoices(), 3, {{0, "-----"}, {2, "Close"}}},
        {"flow", FlowChoices(), 2, {{0, "Call-ID"}, {1, "ID-Call"}}},
        {"ANI", AniTransmissionChoices(), 3, {{0, "-------"}, {1, "Press"}, {2, "Release"}}},
        {"code cell", SystemCodeTexts(), 33, {{0, "-"}, {1, "1"}, {32, "32"}}},
        {"code chooser", SystemCodeChoices(), 33, {{0, "off"}, {32, "32"}}},
        {"transpond", TranspondChoices(), 33, {{0, "Disable"}, {1, "1"}, {32, "32"}}},
        {"LED", LedDisplayChoices(), 4, {{0, "-----"}, {1, " Off "}, {2, " On  "}, {3, "Blink"}}},
        {"mode", DecodeModeChoices(), 3, {{0, "-----"}, {1, "Open"}}},
        {"scan", DecodeScanChoices(), 3, {{0, "------"}, {2, "Start"}}},
        {"beep tone", DecodeBeepToneChoices(), 8, {{0, "-"}, {1, "A"}, {7, "G"}}},
        {"stun", StunChoices(), 4, {{0, "------"}, {3, "Revive"}}},
    });
}

TEST(SignalingChoices, TextsBackToValuesAndSteps) {
    const ChoiceTexts& list = GroupCallChoices();
    const struct {
        const char* text;
        int value;  // -1: refused
    } cases[] = {{"Off", 0}, {" 1st tone ", 1}, {"2ND TONE", 2}, {"3rd Tone", -1}, {"", -1}};
    for (const auto& c : cases) {
        const auto value = ChoiceIndex(list, c.text);
        EXPECT_EQ(value ? int(*value) : -1, c.value) << c.text;
    }
    EXPECT_EQ(NextChoice(list, 0), 1u);
    EXPECT_EQ(NextChoice(list, 2), 0u);  // wraps
    EXPECT_EQ(NextChoice(list, 7), 0u);  // a damaged value starts over
}

TEST(SignalingChoices, FirstPairChooserListsOnlyPairsWithTones) {
    DtmfParams dtmf;
    dtmf.SetTwoToneDefaults();
    dtmf.pairs[1] = {0, 0, PairGroup::kOff};
    const FirstPairChooser chooser = MakeFirstPairChooser(dtmf.pairs);
    EXPECT_EQ(chooser.texts, (ChoiceTexts{"Disable", "Pair #1", "Pair #3", "Pair #4", "Pair #5",
                                          "Pair #6", "Pair #7", "Pair #8", "Pair #9", "Pair #10"}));
    EXPECT_EQ(chooser.values, (std::vector<unsigned>{0, 1, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(chooser.LineOf(10), 9);
    EXPECT_EQ(chooser.LineOf(2), 0);  // not offered: Disable is selected
    EXPECT_EQ(FirstPairText(0), "-");
    EXPECT_EQ(FirstPairText(7), " 7");
}

}  // namespace
}  // namespace kp07
