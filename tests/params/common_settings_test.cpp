// Rules behind the Scanning, Power Saving, Key Function and Emergency
// dialogs: the texts of their lists, the keys of a radio without the front
// keypad, the power-on tag.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "blocks/common_params.h"
#include "blocks/emergency_params.h"
#include "blocks/key_function_params.h"
#include "blocks/scan_params.h"
#include "image/accessors.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

TEST(CommonSettings, ListTexts) {
    // The lists whose texts come from a format or carry blanks.
    const struct {
        const ChoiceTexts& texts;
        std::size_t size;
        unsigned index;
        const char* text;
    } cases[] = {
        {DisabledEnabledTexts(), 2, 1, "Enabled "},
        {GroupScanTexts(), 2, 0, "Group Only         "},
        {ResumeTime1Texts(), 8, 0, "0.25 s"},
        {TransmitTimerTexts(), 8, 0, "0.5 min"},
        {TransmitTimerTexts(), 8, 7, "7   min"},
        {LowBatteryAlertTexts(), 4, 1, " 2s"},
        {EmergencyRxTimeTexts(), 16, 15, "80  s"},
        {EmergencyTxTimeTexts(), 16, 0, "5  s"},
        {LoneWorkerTimerTexts(), 12, 0, " 5 min"},
        {LoneWorkerTimerTexts(), 12, 11, "60 min"},
        {EmergencyChannelTexts(), 170, 1, "Priority Channel (Pri Mode)"},
        {EmergencyChannelTexts(), 170, 78, "CB CH-77"},
        {EmergencyChannelTexts(), 170, 79, "CH-001"},
        {EmergencyChannelTexts(), 170, 169, "CH-091"},
        {MicGainTexts(), 3, 3, ""},  // a value no item stands for
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.texts.size(), c.size) << c.text;
        EXPECT_EQ(ChoiceText(c.texts, c.index), c.text);
    }
}

TEST(CommonSettings, KeysWithoutTheKeypadLoseItsFunctions) {
    RadioImage im = test::FilledImage(0);
    const unsigned held[12] = {4, 5, 6, 7, 12, 19, 20, 21, 1, 22, 200, 0};
    for (int k = 0; k < 12; ++k) SetKeyFunction(im, k, held[k]);
    for (unsigned keypad : {0u, 1u}) {
        SetFrontKeypad(im, keypad);
        KeyFunctionParams p;
        p.Load(im);
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(p.keys[std::size_t(k)], keypad ? held[k] : 0u) << k;
            EXPECT_EQ(p.InUse(int(held[k])), keypad != 0) << k;
        }
        // Other functions stay where the image has them, even ones no list offers.
        EXPECT_EQ(p.keys[8], 1u);
        EXPECT_EQ(p.keys[9], 22u);
        EXPECT_EQ(p.keys[10], 200u);
    }
}

TEST(CommonSettings, PowerOnTagCommit) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"", "        "},           {"KR-318", "KR-318  "},
        {"kr 318", "KR 318  "},      // the display has no small letters
        {"A`B~", "A B     "},        // outside the tag alphabet: blanks
        {"123456789", "12345678"},   // eight at most
        {"(+=*/[\\]", "(+=*/[\\]"},  // the tag's own marks
    };
    for (const auto& c : cases) EXPECT_EQ(CommitPowerOnTag(c.typed), c.stored) << c.typed;
}

}  // namespace
}  // namespace kp07
