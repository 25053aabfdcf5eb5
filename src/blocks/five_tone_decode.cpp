#include "blocks/five_tone_decode.h"

#include <cstdio>

namespace kp07 {
namespace {
constexpr unsigned kMaxTranspondCode = 32;
constexpr const char* kDefaultNumber = "12345";
constexpr const char* kGroupTag = "  GROUP ";
}  // namespace

void FiveToneDecode::SetDefaults() {
    for (int e = 0; e <= kGroupDecodeEntry; ++e) {
        FiveToneDecodeEntry entry;
        if (e == kGroupDecodeEntry) {
            entry.tag = kGroupTag;
        } else {
            char tag[16];
            std::snprintf(tag, sizeof tag, "DECODE-%1.1d", e + 1);
            entry.tag = tag;
            entry.number = kDefaultNumber;
        }
        entries[std::size_t(e)] = entry;
    }
}

void FiveToneDecode::Load(const RadioImage& image) {
    for (int e = 0; e <= kGroupDecodeEntry; ++e) {
        FiveToneDecodeEntry& entry = entries[std::size_t(e)];
        if (e < kFiveToneDecodeCount) {
            const auto record = FiveToneDecodeAt(image, e);
            entry.number = GetDecodeNumber(record);
            // Disable or one of the 32 codes; anything else only a damaged
            // image holds, and it would drift on every save.
            entry.transpondCode = GetDecodeTranspondCode(record);
            if (entry.transpondCode > kMaxTranspondCode) entry.transpondCode = 0;
        } else {
            entry.number.clear();
            entry.transpondCode = 0;
        }
        const auto options = DecodeOptionsAt(image, e);
        entry.tag = GetDecodeTag(options);
        entry.idDecode = GetDecodeIdDecode(options);
        entry.callLedDisplay = GetDecodeCallLedDisplay(options);
        entry.mode = GetDecodeMode(options);
        entry.scan = GetDecodeScan(options);
        entry.emergency = GetDecodeEmergency(options);
        entry.callBeepTone = GetDecodeCallBeepTone(options);
        entry.beepMode = GetDecodeBeepMode(options);
        entry.stun = GetDecodeStun(options);
        // The group entry has no auto TX: its bit 0 of the second settings
        // byte belongs to no field.
        entry.autoTx = e < kFiveToneDecodeCount ? GetDecodeAutoTx(options) : 0;
    }
}

void FiveToneDecode::Store(RadioImage& image) const {
    for (int e = 0; e <= kGroupDecodeEntry; ++e) {
        const FiveToneDecodeEntry& entry = entries[std::size_t(e)];
        if (e < kFiveToneDecodeCount) {
            const auto record = FiveToneDecodeAt(image, e);
            SetDecodeNumber(record, entry.number);
            SetDecodeTranspondCode(record, entry.transpondCode);
        }
        const auto options = DecodeOptionsAt(image, e);
        SetDecodeTag(options, entry.tag);
        SetDecodeIdDecode(options, entry.idDecode);
        SetDecodeCallLedDisplay(options, entry.callLedDisplay);
        SetDecodeMode(options, entry.mode);
        SetDecodeScan(options, entry.scan);
        SetDecodeEmergency(options, entry.emergency);
        SetDecodeCallBeepTone(options, entry.callBeepTone);
        SetDecodeBeepMode(options, entry.beepMode);
        SetDecodeStun(options, entry.stun);
        if (e < kFiveToneDecodeCount) SetDecodeAutoTx(options, entry.autoTx);
    }
}

const ChoiceTexts& TranspondChoices() {
    static const ChoiceTexts list = [] {
        ChoiceTexts texts{"Disable"};
        const ChoiceTexts codes = NumberTexts("%d", 1, int(kMaxTranspondCode), 1);
        texts.insert(texts.end(), codes.begin(), codes.end());
        return texts;
    }();
    return list;
}

const ChoiceTexts& LedDisplayChoices() {
    static const ChoiceTexts list{"-----", " Off ", " On  ", "Blink"};
    return list;
}

const ChoiceTexts& DecodeModeChoices() {
    static const ChoiceTexts list{"-----", "Open", "Close"};
    return list;
}

const ChoiceTexts& DecodeScanChoices() {
    static const ChoiceTexts list{"------", "Cancel", "Start"};
    return list;
}

const ChoiceTexts& DecodeBeepToneChoices() {
    static const ChoiceTexts list{"-", "A", "B", "C", "D", "E", "F", "G"};
    return list;
}

const ChoiceTexts& StunChoices() {
    static const ChoiceTexts list{"------", "Kill", "Stun", "Revive"};
    return list;
}

bool DecodeTagEditable(const FiveToneDecodeEntry& entry, int index) {
    return index >= 0 && index < kFiveToneDecodeCount && entry.idDecode == 0;
}

}  // namespace kp07
