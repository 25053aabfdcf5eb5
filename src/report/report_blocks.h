// Every parameter block of an image, loaded for the report. The report
// reads an image the way a dialog does: it creates the blocks and loads them.
#pragma once

#include "blocks/channel_table.h"
#include "blocks/common_params.h"
#include "blocks/dtmf_params.h"
#include "blocks/emergency_params.h"
#include "blocks/five_tone_decode.h"
#include "blocks/five_tone_encode.h"
#include "blocks/five_tone_format.h"
#include "blocks/five_tone_general.h"
#include "blocks/five_tone_systems.h"
#include "blocks/hardware_params.h"
#include "blocks/key_function_params.h"
#include "blocks/paging_params.h"
#include "blocks/radio_identity.h"
#include "blocks/scan_params.h"
#include "blocks/signaling_type.h"
#include "blocks/two_tone_general.h"
#include "blocks/two_tone_systems.h"
#include "report/report_builder.h"

namespace kp07 {

struct ReportBlocks {
    explicit ReportBlocks(const RadioImage& image);
    ReportBlocks(const ReportBlocks&) = delete;
    ReportBlocks& operator=(const ReportBlocks&) = delete;

    bool FiveTone() const { return signaling.type == kFiveTone; }
    // "KR-302 Series" units have no alpha tags and no front keys A to D.
    bool FirstModel() const { return hardware.model == 0; }

    HardwareParams hardware;
    ChannelTable channels{hardware};
    RadioIdentity identity;
    SignalingType signaling;
    CommonParams common;
    ScanParams scan;
    KeyFunctionParams keys;
    EmergencyParams emergency;
    DtmfParams dtmf;
    PagingParams paging;
    TwoToneGeneral twoToneEncode;
    TwoToneSystems twoToneSystems;
    FiveToneGeneral fiveTone;
    FiveToneFormat formats;
    FiveToneSystems fiveToneSystems;
    FiveToneDecode decode;
    FiveToneEncode encode;
};

// Page 1 (common parameters and DTMF/paging), page 2 (signaling), and for a
// 5-tone radio pages 3 (systems and decode) and 4 (encode).
ReportPage CommonPage(const ReportBlocks& blocks, const std::string& fileName,
                      const std::string& dateText, double defaultSplitMHz);
ReportPage SignalingPage(const ReportBlocks& blocks, const std::string& dateText);
ReportPage FiveToneSystemsPage(const ReportBlocks& blocks, const std::string& dateText);
ReportPage FiveToneEncodePage(const ReportBlocks& blocks, const std::string& dateText);

}  // namespace kp07
