#include "blocks/signaling_type.h"

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

}  // namespace kp07
