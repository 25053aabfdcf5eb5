#include "blocks/five_tone_format.h"

#include <cstdio>

#include "image/accessors.h"
#include "image/number_text.h"

namespace kp07 {
namespace {
constexpr long kMaxPeriodMs = 255;
constexpr double kGapUnitMs = 2.5;
constexpr double kMaxGapMs = 637.5;

// The standard timings of each format: period in ms, gap in 2.5 ms units.
constexpr std::array<unsigned, kFiveToneFormatCount> kDefaultPeriods{70, 70,  70, 70, 70, 100,
                                                                     70, 100, 40, 33, 70, 40};
constexpr std::array<unsigned, kFiveToneFormatCount> kDefaultGaps{42, 42, 42, 42, 42, 60,
                                                                  42, 60, 24, 20, 42, 24};
}  // namespace

const std::array<const char*, kFiveToneFormatCount> kFiveToneFormatNames{
    "ZVEI1", "ZVEI2", "PZVEI", "DZVEI", "PDZVEI", "CCIR1",
    "CCIR2", "PCCIR", "EEA",   "EIA",   "NATEL",  "TP40"};

void FiveToneFormat::SetDefaults() {
    periods = kDefaultPeriods;
    gaps = kDefaultGaps;
}

void FiveToneFormat::Load(const RadioImage& image) {
    for (int k = 0; k < kFiveToneFormatCount; ++k) {
        periods[std::size_t(k)] = GetFormatPeriod(image, k);
        gaps[std::size_t(k)] = GetFormatGap(image, k);
    }
}

void FiveToneFormat::Store(RadioImage& image) const {
    for (int k = 0; k < kFiveToneFormatCount; ++k) {
        SetFormatPeriod(image, k, periods[std::size_t(k)]);
        SetFormatGap(image, k, gaps[std::size_t(k)]);
    }
}

unsigned FiveToneFormat::PeriodFromText(const std::string& text) {
    return unsigned(ClampWhole(ParseDecimal(text), 0, kMaxPeriodMs));
}

std::string FiveToneFormat::FormatPeriod(unsigned ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%3u ms", ms);
    return text;
}

unsigned FiveToneFormat::GapFromText(const std::string& text) {
    const double ms = ClampDecimal(ParseDecimal(text), 0.0, kMaxGapMs);
    return unsigned(ClampWhole(ms / kGapUnitMs, 0, long(kMaxGapMs / kGapUnitMs)));
}

std::string FiveToneFormat::FormatGap(unsigned units) {
    return FormatDecimal(units * kGapUnitMs, 1, 4) + " ms";
}

const ChoiceTexts& FormatChoices() {
    static const ChoiceTexts list(kFiveToneFormatNames.begin(), kFiveToneFormatNames.end());
    return list;
}

}  // namespace kp07
