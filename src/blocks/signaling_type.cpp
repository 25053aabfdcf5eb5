#include "blocks/signaling_type.h"

#include "blocks/channel_table.h"
#include "blocks/dtmf_params.h"
#include "blocks/five_tone_decode.h"
#include "blocks/five_tone_encode.h"
#include "blocks/five_tone_format.h"
#include "blocks/five_tone_general.h"
#include "blocks/five_tone_systems.h"
#include "blocks/two_tone_general.h"
#include "blocks/two_tone_systems.h"
#include "image/accessors.h"

namespace kp07 {

void SignalingType::SetDefaults() {
    type = kFiveTone;
    autoTxOffsetMHz = 0.0;
}

void SignalingType::Load(const RadioImage& image) {
    type = GetSignalingType(image);
}

void SignalingType::Store(RadioImage& image) const {
    SetSignalingType(image, type);
}

bool IsFiveTone(const RadioImage& image) {
    return GetSignalingType(image) == kFiveTone;
}

const ChoiceTexts& SignalingTypeTexts() {
    static const ChoiceTexts t = {"2-Tone", "5-Tone"};
    return t;
}

namespace {

template <class Block>
void StoreDefaults(RadioImage& image) {
    Block block;
    block.SetDefaults();
    block.Store(image);
}

}  // namespace

bool ChangeSignalingType(SignalingType& signaling, unsigned type, ChannelTable& table,
                         RadioImage& image) {
    if (type == signaling.type) return false;
    imageModified = 1;
    signaling.type = type;
    signaling.Store(image);
    table.ClearSignaling(image);
    if (type == kTwoTone) {
        DtmfParams dtmf;
        dtmf.Load(image);
        dtmf.SetTwoToneDefaults();
        dtmf.ClearCodesForTwoTone();
        dtmf.Store(image);
        StoreDefaults<TwoToneSystems>(image);
        StoreDefaults<TwoToneGeneral>(image);
    } else {
        StoreDefaults<FiveToneGeneral>(image);
        StoreDefaults<FiveToneFormat>(image);
        StoreDefaults<FiveToneSystems>(image);
        StoreDefaults<FiveToneDecode>(image);
        StoreDefaults<FiveToneEncode>(image);
    }
    return true;
}

}  // namespace kp07
