#include "blocks/five_tone_encode.h"

#include <cstdio>

#include "image/accessors.h"

namespace kp07 {
namespace {
constexpr const char* kDefaultNumber = "12345";
}

void FiveToneEncode::SetDefaults() {
    for (int e = 0; e < kFiveToneEncodeCount; ++e) {
        FiveToneEncodeEntry entry;
        entry.number = kDefaultNumber;
        char tag[16];
        std::snprintf(tag, sizeof tag, "CALL-%2.2d", e + 1);
        entry.tag = tag;
        entries[std::size_t(e)] = entry;
    }
}

void FiveToneEncode::Load(const RadioImage& image) {
    for (int e = 0; e < kFiveToneEncodeCount; ++e) {
        const auto r = FiveToneEncodeAt(image, e);
        FiveToneEncodeEntry& entry = entries[std::size_t(e)];
        entry.number = GetEncodeNumber(r);
        entry.tag = GetEncodeTag(r);
        entry.firstDigitExtend = GetEncodeFirstDigitExtend(r) != 0;
        entry.recallingCode = GetEncodeRecallingCode(r) != 0;
        entry.overwrite = GetEncodeOverwrite(r) != 0;
        entry.transpondDecode = GetEncodeTranspondDecode(r) != 0;
        entry.transpondBeep = GetEncodeTranspondBeep(r) != 0;
        entry.groupDigitSelectable = GetEncodeGroupDigitSelectable(r) != 0;
        entry.inputDigits = GetEncodeInputDigits(r);
    }
}

void FiveToneEncode::Store(RadioImage& image) const {
    for (int e = 0; e < kFiveToneEncodeCount; ++e) {
        const auto r = FiveToneEncodeAt(image, e);
        const FiveToneEncodeEntry& entry = entries[std::size_t(e)];
        SetEncodeNumber(r, entry.number);
        SetEncodeTag(r, entry.tag);
        SetEncodeFirstDigitExtend(r, entry.firstDigitExtend ? 1 : 0);
        SetEncodeRecallingCode(r, entry.recallingCode ? 1 : 0);
        SetEncodeOverwrite(r, entry.overwrite ? 1 : 0);
        SetEncodeTranspondDecode(r, entry.transpondDecode ? 1 : 0);
        SetEncodeTranspondBeep(r, entry.transpondBeep ? 1 : 0);
        SetEncodeGroupDigitSelectable(r, entry.groupDigitSelectable ? 1 : 0);
        SetEncodeInputDigits(r, entry.inputDigits);
    }
}

}  // namespace kp07
