// Every parameter block over an image of any bytes (a damaged file, a radio
// with an erased or foreign EEPROM): Load, Store and the whole-image
// operations must neither crash nor drift: a block loaded and stored again
// and again, and an image rebuilt again and again, settle after the first
// passes. Saving a file again and again must not keep changing it.
#include <algorithm>

#include "blocks/channel_table.h"
#include "blocks/common_params.h"
#include "blocks/dtmf_params.h"
#include "blocks/emergency_params.h"
#include "blocks/five_tone_decode.h"
#include "blocks/five_tone_encode.h"
#include "blocks/five_tone_format.h"
#include "blocks/five_tone_general.h"
#include "blocks/five_tone_systems.h"
#include "blocks/five_tone_user_tones.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "blocks/key_function_params.h"
#include "blocks/paging_params.h"
#include "blocks/radio_identity.h"
#include "blocks/scan_params.h"
#include "blocks/signaling_type.h"
#include "blocks/two_tone_general.h"
#include "blocks/two_tone_systems.h"
#include "fuzz_support.h"

namespace {

using namespace kp07;

using fuzz::Fail;

// A block loaded from the image and stored puts a damaged value right (in
// steps: an emergency channel of kind 3 becomes a channel of kind 2 one slot
// further on, which the next load reads as such); then it must settle.
template <class Block>
void RoundTrip(const RadioImage& source, const char* name) {
    RadioImage image = source;
    fuzz::SettleOrFail(
        image,
        [](RadioImage& bytes) {
            Block block;
            block.Load(bytes);
            block.Store(bytes);
        },
        name);
    Block defaults;
    defaults.SetDefaults();
    defaults.Store(image);
}

void ChannelRoundTrip(const RadioImage& source) {
    HardwareParams hardware;
    hardware.Load(source);
    RadioImage image = source;
    fuzz::SettleChannelTable(hardware, image, "ChannelTable store keeps changing");
    ChannelTable table(hardware);
    table.Load(image);
    for (int g = 0; g <= kGroupCount; ++g) table.SelectGroup(g);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    // The first byte chooses what runs (one block, the channel table, or the
    // whole rebuild) and how the rest is laid over the image: over zeros, or
    // over a default image (so that mutations stay near sane images).
    const std::uint8_t choice = in.Byte();
    RadioImage image = (choice & 0x80) ? fuzz::DefaultImage() : RadioImage{};
    const std::vector<std::uint8_t> bytes = in.Rest();
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());

    switch ((choice & 0x7F) % 19) {
        case 0:
            RoundTrip<RadioIdentity>(image, "RadioIdentity store keeps changing");
            break;
        case 1:
            RoundTrip<SignalingType>(image, "SignalingType store keeps changing");
            break;
        case 2:
            RoundTrip<HardwareParams>(image, "HardwareParams store keeps changing");
            break;
        case 3:
            RoundTrip<CommonParams>(image, "CommonParams store keeps changing");
            break;
        case 4:
            RoundTrip<ScanParams>(image, "ScanParams store keeps changing");
            break;
        case 5:
            RoundTrip<KeyFunctionParams>(image, "KeyFunctionParams store keeps changing");
            break;
        case 6:
            RoundTrip<EmergencyParams>(image, "EmergencyParams store keeps changing");
            break;
        case 7:
            RoundTrip<DtmfParams>(image, "DtmfParams store keeps changing");
            break;
        case 8:
            RoundTrip<PagingParams>(image, "PagingParams store keeps changing");
            break;
        case 9:
            RoundTrip<TwoToneGeneral>(image, "TwoToneGeneral store keeps changing");
            break;
        case 10:
            RoundTrip<TwoToneSystems>(image, "TwoToneSystems store keeps changing");
            break;
        case 11:
            RoundTrip<FiveToneGeneral>(image, "FiveToneGeneral store keeps changing");
            break;
        case 12:
            RoundTrip<FiveToneFormat>(image, "FiveToneFormat store keeps changing");
            break;
        case 13:
            RoundTrip<FiveToneSystems>(image, "FiveToneSystems store keeps changing");
            break;
        case 14:
            RoundTrip<FiveToneDecode>(image, "FiveToneDecode store keeps changing");
            break;
        case 15:
            RoundTrip<FiveToneEncode>(image, "FiveToneEncode store keeps changing");
            break;
        case 16:
            RoundTrip<FiveToneUserTones>(image, "FiveToneUserTones store keeps changing");
            break;
        case 17:
            ChannelRoundTrip(image);
            break;
        default: {  // 18
            // The document's way: blocks loaded from the image, then
            // rebuilt, as every save does; the image must settle.
            fuzz::ResetState(nullptr);
            CreateImageAndBlocks();
            *radioImage = image;
            fuzz::SettleOrFail(
                *radioImage,
                [](RadioImage& bytes) {
                    LoadPersistentBlocks(bytes);
                    RebuildImage(bytes);
                },
                "a rebuilt image keeps changing");
            DestroyImageAndBlocks();
            break;
        }
    }
    return 0;
}
