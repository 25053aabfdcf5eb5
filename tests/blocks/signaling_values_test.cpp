#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "blocks/dtmf_params.h"
#include "blocks/five_tone_format.h"
#include "blocks/five_tone_general.h"
#include "blocks/five_tone_user_tones.h"
#include "blocks/signaling_text.h"
#include "blocks/two_tone_general.h"
#include "blocks/two_tone_tables.h"

namespace kp07 {
namespace {

// Each text through `parse` gives its value.
template <class Parse>
void ExpectParsed(Parse parse, std::initializer_list<std::pair<const char*, unsigned>> cases) {
    for (const auto& [text, value] : cases) EXPECT_EQ(parse(text), value) << '"' << text << '"';
}
// Each value through `format` gives its text.
template <class Format>
void ExpectShown(Format format, std::initializer_list<std::pair<unsigned, const char*>> cases) {
    for (const auto& [value, text] : cases) EXPECT_EQ(format(value), text) << value;
}

// What a typed text becomes when a signaling field is committed, and how the
// stored value is shown again.
TEST(SignalingValues, TwoToneFieldsClampAndShowAsTheEditorsDo) {
    ExpectParsed(DtmfParams::BeepRepeatFromText, {{"300", 255}, {"-5", 0}, {" 12 s", 12}});
    ExpectShown(DtmfParams::FormatBeepRepeat, {{255, "255 s"}, {0, "  0 s"}});
    // Tenths of a hertz, cut and not rounded.
    ExpectParsed(DtmfParams::PairFrequencyFromText,
                 {{"100", 2885}, {"5000", 30000}, {"1034.7 Hz", 10347}, {"1034.79", 10347}});
    ExpectShown(DtmfParams::FormatPairFrequency, {{2885, " 288.5 Hz"}, {30000, "3000.0 Hz"}});

    // A period is shown clamped when committed, and OK takes the shown text.
    const auto shown = [](const char* typed) {
        return TwoToneGeneral::FormatTonePeriod(TwoToneGeneral::TonePeriodFromText(typed));
    };
    EXPECT_EQ(shown("30"), "25.5 s");
    EXPECT_EQ(shown("-2"), "0.0 s");
    EXPECT_EQ(shown("1.26"), "1.3 s");
    ExpectParsed(TwoToneGeneral::TonePeriodTenths,
                 {{"25.5 s", 255}, {"1.0", 10}, {"1.3 s", 13}, {"99", 255}});
}

TEST(SignalingValues, FiveToneFieldsClampAndShowAsTheEditorsDo) {
    ExpectParsed(FiveToneGeneral::MillisecondsFromText, {{"2555", 255}, {"15", 1}, {"-40", 0}});
    ExpectShown(FiveToneGeneral::FormatMilliseconds, {{255, "2550 ms"}, {1, "  10 ms"}});
    ExpectParsed(FiveToneGeneral::SecondsFromText, {{"300", 255}});
    ExpectShown(FiveToneGeneral::FormatSeconds, {{60, " 60 s"}});

    ExpectParsed(FiveToneFormat::PeriodFromText, {{"300", 255}});
    ExpectShown(FiveToneFormat::FormatPeriod, {{70, " 70 ms"}});
    ExpectParsed(FiveToneFormat::GapFromText, {{"700", 255}, {"1.0", 0}, {"105", 42}, {"7.4", 2}});
    ExpectShown(FiveToneFormat::FormatGap, {{255, "637.5 ms"}, {0, " 0.0 ms"}, {42, "105.0 ms"}});

    ExpectParsed(FiveToneUserTones::ToneFromText, {{"50", 300}, {"5000", 3000}, {"2400.9", 2400}});
    ExpectShown(FiveToneUserTones::FormatTone, {{810, " 810 Hz"}});
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
    const std::pair<std::size_t, const char*> labels[] = {
        {0, "[MOTOROLA]"}, {1, " 1- 349.0"},          {61, "10-1513.5"},  {81, "[GE Type 99]"},
        {82, " A- 592.5"}, {112, "DIA 742.5"},        {113, " 282.2"},  // PLECTRON: no heading
        {168, "3062.0"},   {169, "[REACH TWO TONE]"}, {170, " A-2704.0"}, {219, " E- 588.0"}};
    for (const auto& [at, label] : labels) EXPECT_EQ(items[at].label, label) << at;
    EXPECT_FALSE(items.front().tenths.has_value());

    EXPECT_EQ(FrequencyFromLabel("10-1513.5"), 15135u);
    EXPECT_EQ(FrequencyFromLabel("DIA 742.5"), 7425u);
    EXPECT_EQ(FrequencyFromLabel(" 282.2"), 2822u);
    EXPECT_FALSE(FrequencyFromLabel("[MOTOROLA]").has_value());
    EXPECT_FALSE(FrequencyFromLabel("").has_value());
    EXPECT_FALSE(FrequencyFromLabel("A-").has_value());
    // Every line of the chooser gives its own frequency; the plan headings
    // ("[GE Type 99]" too, though it holds a number) give none.
    for (const ToneChoice& item : items) {
        EXPECT_EQ(FrequencyFromLabel(item.label), item.tenths) << item.label;
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
