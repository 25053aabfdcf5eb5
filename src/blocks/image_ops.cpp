#include "blocks/image_ops.h"

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
#include "blocks/key_function_params.h"
#include "blocks/paging_params.h"
#include "blocks/radio_identity.h"
#include "blocks/scan_params.h"
#include "blocks/signaling_type.h"
#include "blocks/two_tone_general.h"
#include "blocks/two_tone_systems.h"
#include "image/accessors.h"
#include "image/layout.h"

namespace kp07 {

std::unique_ptr<RadioIdentity> identity;
std::unique_ptr<HardwareParams> hardware;
std::unique_ptr<ChannelTable> channels;
std::unique_ptr<SignalingType> signalingType;

namespace {

template <class Block>
void StoreDefaults(RadioImage& image) {
    Block block;
    block.SetDefaults();
    block.Store(image);
}

// The rebuild needs the program-wide blocks; an image without them (only a
// caller that skipped CreateImageAndBlocks has one) gets them from itself.
void EnsureBlocks(const RadioImage& image) {
    if (identity && hardware && channels && signalingType) return;
    if (!identity) identity = std::make_unique<RadioIdentity>();
    if (!hardware) hardware = std::make_unique<HardwareParams>();
    if (!signalingType) signalingType = std::make_unique<SignalingType>();
    if (!channels) channels = std::make_unique<ChannelTable>(*hardware);
    LoadPersistentBlocks(image);
}

// Everything but the firmware version, the production and serial numbers
// and the four bytes between them.
void ClearUnkeptBytes(RadioImage& image) {
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool kept = (i >= layout::kKeptHeadBegin && i < layout::kKeptHeadEnd) ||
                          (i >= layout::kKeptIdentityBegin && i < layout::kKeptIdentityEnd);
        if (!kept) image[i] = 0;
    }
}

}  // namespace

void CreateImageAndBlocks() {
    DestroyImageAndBlocks();
    radioImage = std::make_unique<RadioImage>();
    radioImage->fill(0);
    identity = std::make_unique<RadioIdentity>();
    hardware = std::make_unique<HardwareParams>();
    signalingType = std::make_unique<SignalingType>();
    channels = std::make_unique<ChannelTable>(*hardware);
}

void DestroyImageAndBlocks() {
    channels.reset();
    hardware.reset();
    signalingType.reset();
    identity.reset();
    radioImage.reset();
}

void FillDefaults(RadioImage& image) {
    image.fill(0);
    EnsureBlocks(image);
    signalingType->SetDefaults();
    signalingType->Store(image);
    hardware->SetDefaults();
    hardware->Store(image);
    StoreDefaults<ScanParams>(image);
    StoreDefaults<DtmfParams>(image);
    StoreDefaults<FiveToneGeneral>(image);
    StoreDefaults<FiveToneFormat>(image);
    StoreDefaults<FiveToneSystems>(image);
    StoreDefaults<FiveToneDecode>(image);
    StoreDefaults<FiveToneEncode>(image);
    StoreDefaults<FiveToneUserTones>(image);
    StoreDefaults<EmergencyParams>(image);
    StoreDefaults<KeyFunctionParams>(image);
    StoreDefaults<CommonParams>(image);
    StoreDefaults<TwoToneGeneral>(image);
    StoreDefaults<PagingParams>(image);
    identity->SetDefaults();
    identity->Store(image);
    channels->SetDefaults();
    channels->StoreGroupData(image);
    for (int slot = 0; slot < kChannelSlots; ++slot) channels->StoreRecord(slot, image);
}

void LoadPersistentBlocks(const RadioImage& image) {
    if (!(identity && hardware && channels && signalingType)) {
        EnsureBlocks(image);
        return;
    }
    identity->Load(image);
    signalingType->Load(image);
    hardware->Load(image);
    channels->Load(image);
}

void RebuildImage(RadioImage& image) {
    EnsureBlocks(image);
    const bool fiveTone = IsFiveTone(image);

    ScanParams scan;
    KeyFunctionParams keys;
    DtmfParams dtmf;
    FiveToneGeneral fiveGeneral;
    FiveToneFormat fiveFormat;
    FiveToneSystems fiveSystems;
    FiveToneDecode fiveDecode;
    FiveToneEncode fiveEncode;
    TwoToneSystems twoSystems;
    TwoToneGeneral twoGeneral;
    FiveToneUserTones userTones;
    EmergencyParams emergency;
    CommonParams common;
    PagingParams paging;

    scan.Load(image);
    keys.Load(image);
    dtmf.Load(image);
    if (fiveTone) {
        fiveGeneral.Load(image);
        fiveFormat.Load(image);
        fiveSystems.Load(image);
        fiveDecode.Load(image);
        fiveEncode.Load(image);
    } else {
        twoSystems.Load(image);
        twoGeneral.Load(image);
    }
    userTones.Load(image);
    emergency.Load(image);
    common.Load(image);
    paging.Load(image);

    ClearUnkeptBytes(image);

    signalingType->Store(image);
    hardware->Store(image);
    channels->Store(image);
    scan.Store(image);
    keys.Store(image);
    if (fiveTone) {
        dtmf.StoreExceptTwoToneCommon(image);
        fiveGeneral.Store(image);
        fiveFormat.Store(image);
        fiveSystems.Store(image);
        fiveDecode.Store(image);
        fiveEncode.Store(image);
    } else {
        dtmf.Store(image);
        twoSystems.Store(image);
        twoGeneral.Store(image);
    }
    userTones.Store(image);
    emergency.Store(image);
    common.Store(image);
    identity->Store(image);
    paging.Store(image);

    SetImageChecksum(image, ComputeImageChecksum(image));
}

}  // namespace kp07
