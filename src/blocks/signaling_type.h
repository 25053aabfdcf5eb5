// Which selective-calling family the radio uses: 2-tone or 5-tone.
#pragma once

#include "blocks/choice_texts.h"
#include "image/radio_image.h"

namespace kp07 {

constexpr unsigned kTwoTone = 0;
constexpr unsigned kFiveTone = 1;

class SignalingType {
  public:
    virtual ~SignalingType() = default;

    // 5-tone; also puts the automatic transmit offset back to 0.0 MHz.
    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image) const;

    unsigned type = kFiveTone;
};

// The signaling type stored in an image.
bool IsFiveTone(const RadioImage& image);

class ChannelTable;

// The list texts of the Signaling Type dialog: "2-Tone", "5-Tone".
const ChoiceTexts& SignalingTypeTexts();

// Switches the radio to the other signaling family. The channels' signaling
// numbers and the 2-tone systems referred to the old family and are
// cleared; the new family starts from its defaults (a switch to 2-tone also
// empties the DTMF ANI, emergency and pause codes). Type, table and image
// change together and the document is marked modified. Returns false, and
// changes nothing, when `type` is the current type.
bool ChangeSignalingType(SignalingType& signaling, unsigned type, ChannelTable& table,
                         RadioImage& image);

}  // namespace kp07
