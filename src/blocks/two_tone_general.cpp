#include "blocks/two_tone_general.h"

#include "image/accessors.h"
#include "image/number_text.h"

namespace kp07 {
namespace {
constexpr double kMaxPeriodSeconds = 25.5;
constexpr long kMaxPeriodTenths = 255;
}  // namespace

// The member initialisers are the defaults of a new image.
void TwoToneGeneral::SetDefaults() {
    *this = TwoToneGeneral();
}

void TwoToneGeneral::Load(const RadioImage& image) {
    encodeType = GetTwoToneEncodeType(image);
    encodePair = GetTwoToneEncodePair(image);
    firstTonePeriod = GetFirstTonePeriod(image);
    secondTonePeriod = GetSecondTonePeriod(image);
}

void TwoToneGeneral::Store(RadioImage& image) const {
    SetTwoToneEncodeType(image, encodeType);
    SetTwoToneEncodePair(image, encodePair);
    SetFirstTonePeriod(image, firstTonePeriod);
    SetSecondTonePeriod(image, secondTonePeriod);
}

double TwoToneGeneral::TonePeriodFromText(const std::string& text) {
    return ClampDecimal(ParseDecimal(text), 0.0, kMaxPeriodSeconds);
}

unsigned TwoToneGeneral::TonePeriodTenths(const std::string& text) {
    return unsigned(ClampWhole(ParseDecimal(text) * 10.0, 0, kMaxPeriodTenths));
}

std::string TwoToneGeneral::FormatTonePeriod(double seconds) {
    return FormatDecimal(seconds, 1, 3) + " s";
}

const ChoiceTexts& EncodeTypeChoices() {
    static const ChoiceTexts list{"Individual", "Group(1st Tone used)", "Group(2nd Tone used)"};
    return list;
}

}  // namespace kp07
