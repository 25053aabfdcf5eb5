#include <gtest/gtest.h>

#include <string>

#include "image/dtmf_params.h"
#include "image/five_tone_format.h"
#include "image/five_tone_general.h"
#include "image/five_tone_user_tones.h"
#include "image/signaling_text.h"
#include "image/two_tone_general.h"
#include "image/two_tone_tables.h"

namespace kp07 {
namespace {

// What a typed text becomes when a signaling field is committed, and how the
// stored value is shown again.
TEST(SignalingValues, TwoToneFieldsClampAndShowAsTheEditorsDo) {
    EXPECT_EQ(DtmfParams::BeepRepeatFromText("300"), 255u);
    EXPECT_EQ(DtmfParams::BeepRepeatFromText("-5"), 0u);
    EXPECT_EQ(DtmfParams::BeepRepeatFromText(" 12 s"), 12u);
    EXPECT_EQ(DtmfParams::FormatBeepRepeat(255), "255 s");
    EXPECT_EQ(DtmfParams::FormatBeepRepeat(0), "  0 s");

    EXPECT_EQ(DtmfParams::PairFrequencyFromText("100"), 2885u);
    EXPECT_EQ(DtmfParams::PairFrequencyFromText("5000"), 30000u);
    EXPECT_EQ(DtmfParams::PairFrequencyFromText("1034.7 Hz"), 10347u);
    EXPECT_EQ(DtmfParams::PairFrequencyFromText("1034.79"), 10347u);  // cut, not rounded
    EXPECT_EQ(DtmfParams::FormatPairFrequency(2885), " 288.5 Hz");
    EXPECT_EQ(DtmfParams::FormatPairFrequency(30000), "3000.0 Hz");

    // A period is shown clamped when committed, and OK takes the shown text.
    const std::string thirty =
        TwoToneGeneral::FormatTonePeriod(TwoToneGeneral::TonePeriodFromText("30"));
    EXPECT_EQ(thirty, "25.5 s");
    EXPECT_EQ(TwoToneGeneral::TonePeriodTenths(thirty), 255u);
    EXPECT_EQ(TwoToneGeneral::TonePeriodTenths("1.0"), 10u);
    EXPECT_EQ(TwoToneGeneral::FormatTonePeriod(TwoToneGeneral::TonePeriodFromText("-2")), "0.0 s");
    EXPECT_EQ(TwoToneGeneral::FormatTonePeriod(TwoToneGeneral::TonePeriodFromText("1.26")),
              "1.3 s");
    EXPECT_EQ(TwoToneGeneral::TonePeriodTenths("1.3 s"), 13u);
    EXPECT_EQ(TwoToneGeneral::TonePeriodTenths("99"), 255u);
}

TEST(SignalingValues, FiveToneFieldsClampAndShowAsTheEditorsDo) {
    EXPECT_EQ(FiveToneGeneral::MillisecondsFromText("2555"), 255u);
    EXPECT_EQ(FiveToneGeneral::FormatMilliseconds(255), "2550 ms");
    EXPECT_EQ(FiveToneGeneral::MillisecondsFromText("15"), 1u);
    EXPECT_EQ(FiveToneGeneral::FormatMilliseconds(1), "  10 ms");
    EXPECT_EQ(FiveToneGeneral::MillisecondsFromText("-40"), 0u);
    EXPECT_EQ(FiveToneGeneral::SecondsFromText("300"), 255u);
    EXPECT_EQ(FiveToneGeneral::FormatSeconds(60), " 60 s");

    EXPECT_EQ(FiveToneFormat::PeriodFromText("300"), 255u);
    EXPECT_EQ(FiveToneFormat::FormatPeriod(70), " 70 ms");
    EXPECT_EQ(FiveToneFormat::GapFromText("700"), 255u);
    EXPECT_EQ(FiveToneFormat::FormatGap(255), "637.5 ms");
    EXPECT_EQ(FiveToneFormat::GapFromText("1.0"), 0u);
    EXPECT_EQ(FiveToneFormat::FormatGap(0), " 0.0 ms");
    EXPECT_EQ(FiveToneFormat::GapFromText("105"), 42u);
    EXPECT_EQ(FiveToneFormat::FormatGap(42), "105.0 ms");
    EXPECT_EQ(FiveToneFormat::GapFromText("7.4"), 2u);

    EXPECT_EQ(FiveToneUserTones::ToneFromText("50"), 300u);
    EXPECT_EQ(FiveToneUserTones::ToneFromText("5000"), 3000u);
    EXPECT_EQ(FiveToneUserTones::ToneFromText("2400.9"), 2400u);
    EXPECT_EQ(FiveToneUserTones::FormatTone(810), " 810 Hz");
    EXPECT_EQ(kFiveToneFormatNames[0], std::string("ZVEI1"));
    EXPECT_EQ(kFiveToneFormatNames[kUserToneFormat], std::string("TP40"));
}

TEST(SignalingValues, CodeAndDigitTexts) {
    EXPECT_EQ(DtmfCodeFromText("12ab*#\nxyz", kDtmfCodeMaxDigits), "12AB*#");
    EXPECT_EQ(DtmfCodeFromText("1234567890123456789", kDtmfCodeMaxDigits), "123456789012345");
    EXPECT_EQ(DtmfCodeFromText("ab", kPauseCodeMaxDigits), "A");
    EXPECT_EQ(DtmfCodeFromText("", kDtmfCodeMaxDigits), "");

    // F would end the string in the radio; other characters are no digits.
    EXPECT_EQ(DigitStringFromText("12f4e5z9a1c"), "124E59A1");
    EXPECT_EQ(DigitStringFromText("12345   "), "12345");
    EXPECT_EQ(FormatDigitString("12345"), "12345   ");
    EXPECT_EQ(FormatDigitString(""), "        ");
}

TEST(TwoTonePlans, ChooserLabelsAndTheFrequenciesTheyStandFor) {
    const std::vector<ToneChoice> items = ToneChooserItems();
    ASSERT_EQ(items.size(), 80u + 31u + 56u + 50u + 3u);  // tones and three headings
    EXPECT_EQ(items.front().label, "[MOTOROLA]");
    EXPECT_FALSE(items.front().tenths.has_value());
    EXPECT_EQ(items[1].label, " 1- 349.0");
    EXPECT_EQ(items[61].label, "10-1513.5");
    EXPECT_EQ(items[81].label, "[GE Type 99]");
    EXPECT_EQ(items[82].label, " A- 592.5");
    EXPECT_EQ(items[112].label, "DIA 742.5");
    EXPECT_EQ(items[113].label, " 282.2");  // PLECTRON: no heading, no code
    EXPECT_EQ(items[168].label, "3062.0");
    EXPECT_EQ(items[169].label, "[REACH TWO TONE]");
    EXPECT_EQ(items[170].label, " A-2704.0");
    EXPECT_EQ(items.back().label, " E- 588.0");

    EXPECT_EQ(FrequencyFromLabel("10-1513.5"), 15135u);
    EXPECT_EQ(FrequencyFromLabel("DIA 742.5"), 7425u);
    EXPECT_EQ(FrequencyFromLabel(" 282.2"), 2822u);
    EXPECT_FALSE(FrequencyFromLabel("[MOTOROLA]").has_value());
    EXPECT_FALSE(FrequencyFromLabel("").has_value());
    EXPECT_FALSE(FrequencyFromLabel("A-").has_value());
    for (const ToneChoice& item : items) {
        if (item.tenths) {
            EXPECT_EQ(FrequencyFromLabel(item.label), item.tenths) << item.label;
        }
    }
}

TEST(TwoTonePlans, PairGroupsFollowThePlanOfBothTones) {
    EXPECT_EQ(DerivePairGroup(0, 0), PairGroup::kOff);
    EXPECT_EQ(DerivePairGroup(2885, 2885), PairGroup::kMotorola);
    EXPECT_EQ(DerivePairGroup(5925, 6075), PairGroup::kGeType99);
    EXPECT_EQ(DerivePairGroup(7425, 5925), PairGroup::kGeType99);
    // 1598.0 Hz is in MOTOROLA and PLECTRON; with a PLECTRON-only tone the
    // pair is PLECTRON.
    EXPECT_EQ(DerivePairGroup(15980, 2822), PairGroup::kPlectron);
    EXPECT_EQ(DerivePairGroup(15980, 15135), PairGroup::kMotorola);
    EXPECT_EQ(DerivePairGroup(27040, 5880), PairGroup::kReach);
    EXPECT_EQ(DerivePairGroup(3490, 27040), PairGroup::kCustom);
    EXPECT_EQ(DerivePairGroup(12345, 12345), PairGroup::kCustom);
    EXPECT_EQ(DerivePairGroup(3490, 0), PairGroup::kMotorola);
    EXPECT_STREQ(PairGroupName(PairGroup::kGeType99), "GE/99 GRP");
    EXPECT_STREQ(PairGroupName(PairGroup::kReach), "REACH GRP");
    EXPECT_STREQ(PairGroupName(PairGroup::kCustom), "Custom");
}

}  // namespace
}  // namespace kp07
