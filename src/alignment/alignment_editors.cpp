#include "alignment/alignment_editors.h"

#include "alignment/alignment_items.h"
#include "alignment/alignment_mode.h"
#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "image/number_text.h"
#include "link/clone_frames.h"

namespace kp07 {
namespace {

bool HaveChannel(int channel) {
    return hardware && channels && channel >= 0 && channel < kChannelSlots;
}

int CurrentValue(int channel, int item) {
    if (!HaveChannel(channel)) return 0;
    return ItemValue(*hardware, channels->records[std::size_t(channel)], item);
}

void Store(int channel, int item, int value) {
    if (!HaveChannel(channel)) return;
    StoreItem(*hardware, *channels, channel, item, value);
    alignmentModified = 1;
}

}  // namespace

// ------------------------------------------------------------------ slider

AlignmentSlider::AlignmentSlider(int channel, int item)
    : channel_(channel), item_(item), value_(CurrentValue(channel, item)) {}

void AlignmentSlider::Begin() {
    transmitting_ = ItemTransmits(item_) && StartTestTransmission(channel_, item_);
}

bool AlignmentSlider::Apply(int value) {
    const int v = value < 0 ? 0 : value > kMax ? kMax : value;
    if (v == value_) return true;
    if (SendLiveValue(channel_, item_, v, transmitting_) != kLinkOk) return false;
    value_ = v;
    return true;
}

bool AlignmentSlider::Step(int delta) {
    const int v = value_ + delta;
    if (v < 0 || v > kMax) return false;
    return Apply(v);
}

void AlignmentSlider::Finish(bool ok) {
    EndTestTransmission();
    transmitting_ = false;
    if (ok) Store(channel_, item_, value_);
}

int AlignmentSlider::ParseTyped(const std::string& text) {
    return int(ClampWhole(ParseDecimal(text), 0, kMax));
}

// --------------------------------------------------------------- read-back

AlignmentReadBack::AlignmentReadBack(int channel, int item)
    : channel_(channel), item_(item), value_(CurrentValue(channel, item)) {}

bool AlignmentReadBack::Poll() {
    AlignmentStatus status{};
    if (ReadStatus(status) != kLinkOk) return false;
    reading_ = item_ == kItemRssi ? status[2] : status[1];
    hasReading_ = true;
    return true;
}

void AlignmentReadBack::CopyReading() {
    if (hasReading_) value_ = reading_;
}

void AlignmentReadBack::SetTyped(const std::string& text) {
    value_ = int(ClampWhole(ParseDecimal(text), 0, kReadBackMax));
}

void AlignmentReadBack::Finish(bool ok) {
    if (ok) Store(channel_, item_, value_);
}

}  // namespace kp07
