// The 5-tone decode table: eight numbers the radio answers to, each with its
// tag and what a call to it does, and the group entry that holds the same
// actions for calls to the group.
#pragma once

#include <array>
#include <string>

#include "blocks/signaling_text.h"
#include "image/accessors.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr int kFiveToneDecodeCount = layout::kFiveToneDecode.count;  // without the group entry

struct FiveToneDecodeEntry {
    std::string number;          // up to 8 tone digits "0"-"E"; unused in the group entry
    std::string tag;             // 8 alpha-tag characters
    unsigned transpondCode = 0;  // 0 Disable, else 1..; unused in the group entry
    unsigned idDecode = 0;
    unsigned callLedDisplay = 2;  // four values
    unsigned mode = 1;            // Null, Open, Close
    unsigned scan = 0;            // Null, Cancel, Start
    unsigned emergency = 0;       // Null, Cancel
    unsigned callBeepTone = 1;    // Disable, A .. G
    unsigned beepMode = 0;        // Single, Repeat
    unsigned stun = 0;            // Disable, Kill, Stun, Revive
    unsigned autoTx = 0;          // not in the group entry
};

class FiveToneDecode {
  public:
    virtual ~FiveToneDecode() = default;

    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    // Entries 0-7 are the decode entries, entry kGroupDecodeEntry (8) the
    // group entry, whose number and transpond code are not stored.
    std::array<FiveToneDecodeEntry, kGroupDecodeEntry + 1> entries;
};

// The texts of the list fields, by stored value. The beep mode uses the
// 2-tone texts (BeepModeChoices).
const ChoiceTexts& TranspondChoices();       // "Disable", "1" .. "32"
const ChoiceTexts& LedDisplayChoices();      // "-----", " Off ", " On  ", "Blink"
const ChoiceTexts& DecodeModeChoices();      // "-----" (null), "Open", "Close"
const ChoiceTexts& DecodeScanChoices();      // "------" (null), "Cancel", "Start"
const ChoiceTexts& DecodeBeepToneChoices();  // "-" (disabled), "A" .. "G"
const ChoiceTexts& StunChoices();            // "------" (disabled), "Kill", "Stun", "Revive"

// Whether an entry's tag can be typed: an entry that decodes an ID shows
// the caller's ID in place of its tag, and the group entry's tag is fixed.
bool DecodeTagEditable(const FiveToneDecodeEntry& entry, int index);

}  // namespace kp07
