#include "channels/channel_cells.h"

#include <algorithm>
#include <cstdio>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "blocks/paging_params.h"
#include "blocks/radio_identity.h"
#include "blocks/signaling_type.h"
#include "channels/channel_columns.h"
#include "image/accessors.h"
#include "image/tone_codec.h"

namespace kp07 {
namespace {

std::string Printf(const char* format, int n) {
    char text[32];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

const char* OnOff(int value) {
    return value ? "v" : "-";
}

// The value behind a check-mark column.
int CheckValue(const ChannelRecord& r, int col) {
    switch (col) {
        case kColPowerSaveRx:
            return r.powerSaveRx;
        case kColPowerSaveTx:
            return r.powerSaveTx;
        case kColScanOp:
            return r.scanFlags & kScanOp;
        case kColScanGr:
            return r.scanFlags & kScanGr;
        case kColScanPri:
            return r.scanFlags & kScanPri;
        case kColTot:
            return r.tot;
        case kColDtmfAni:
            return r.dtmfAni;
        case kColQlnk:
            return r.qlnk;
        case kColCompander:
            return r.compander;
        case kColXtal:
            return r.xtal;
        default:
            return 0;
    }
}

// Tones show their DCS polarity letter followed by two blanks.
std::string ToneCellText(const Tone& tone, bool receive) {
    std::string text = FormatTone(tone, receive);
    if (tone.type == ToneType::kDcs) text += "  ";
    return text;
}

std::string ToneValueText(int type, double ctcssTenths, double dcsCode) {
    char text[64];
    if (type == 1) {
        std::snprintf(text, sizeof text, "%5.1f", ctcssTenths / 10.0);
    } else if (type == 2) {
        std::snprintf(text, sizeof text, "%.3d", int(dcsCode));
    } else {
        return std::string();
    }
    return text;
}

std::string TextCell(const ChannelTable& table, const ChannelRecord& r, int slot, int col,
                     bool alphaTags) {
    static const char* const kLockOut[] = {"--", "BC", "BT"};
    switch (col) {
        case kColChannel:
            return Printf("%3d", slot + 1);
        case kColPri: {
            const bool p = table.pChannel == slot + 1;
            const bool g = table.gChannel == slot + 1;
            return p && g ? "PG" : p ? "P" : g ? "G" : "-";
        }
        case kColBandwidth:
            return r.bandwidth == 2 ? "N" : "W";
        case kColTag:
            return alphaTags ? PadTag(r.tag) : std::string(8, ' ');
        case kColRx:
            return FormatFrequency(r.rxMHz);
        case kColTx:
            return r.txOff ? kNoTransmitFrequency : FormatFrequency(r.txMHz);
        case kColDecoder:
            return ToneCellText(r.RxTone(), true);
        case kColEncoder:
            return ToneCellText(r.TxTone(), false);
        case kColPower:
            return r.power ? "L" : "H";
        case kColSquelch:
            return Printf("%2d", r.squelchLevel);
        case kColSignalingType: {
            const std::string name = SignalingTypeName(r.signalingType);
            return name.empty() ? "--" : name;
        }
        case kColSignalingNumber:
            return r.signalingNumber == 0 ? "--" : Printf("%2d", r.signalingNumber);
        case kColEncryption:
            return (r.encryption & 3) == 0 ? "-" : Printf("%d", r.encryption & 3);
        case kColLockOut:
            return r.lockOut >= 0 && r.lockOut <= 2 ? kLockOut[r.lockOut] : "--";
        default:
            return std::string();
    }
}

}  // namespace

bool CurrentRadioHasAlphaTags() {
    return !hardware || hardware->model != 0;
}

namespace {

// The option unit and the paging codes, which only the image holds.
void LoadImageContext(const RadioImage& image, EditContext* ctx) {
    ctx->optionBoard = GetOptionBoard(image);
    PagingParams paging;
    paging.Load(image);
    for (int i = 0; i < kPageCodeCount; ++i) {
        if (paging.pages[std::size_t(i)].entered) ctx->pagingCodes.push_back(i + 1);
    }
}

}  // namespace

EditContext CurrentEditContext() {
    EditContext ctx;
    ctx.alphaTags = CurrentRadioHasAlphaTags();
    if (signalingType) ctx.fiveTone = signalingType->type == kFiveTone;
    if (radioImage) LoadImageContext(*radioImage, &ctx);
    return ctx;
}

EditContext EditContextOf(const RadioImage& image) {
    EditContext ctx;
    HardwareParams hw;
    hw.Load(image);
    ctx.alphaTags = hw.model != 0;
    ctx.fiveTone = IsFiveTone(image);
    LoadImageContext(image, &ctx);
    return ctx;
}

std::string PadTag(const std::string& tag) {
    std::string text = tag.substr(0, std::min<std::size_t>(tag.size(), 8));
    // A tag ends at its terminator.
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    text.resize(8, ' ');
    return text;
}

bool IsBlankTag(const std::string& tag) {
    return PadTag(tag) == std::string(8, ' ');
}

CellShown ShownCell(const ChannelTable& table, int slot, int col, bool alphaTags) {
    CellShown shown;
    if (slot < 0 || slot >= kChannelSlots) return shown;
    const ChannelRecord& r = table.records[std::size_t(slot)];
    if (IsCheckMarkColumn(col)) {
        shown.checkMark = CheckValue(r, col) != 0;
        if (!shown.checkMark) shown.text = "-";
        return shown;
    }
    shown.text = TextCell(table, r, slot, col, alphaTags);
    return shown;
}

std::string LogicalCellText(const ChannelTable& table, int slot, int col, bool alphaTags) {
    const CellShown shown = ShownCell(table, slot, col, alphaTags);
    return shown.checkMark ? OnOff(1) : shown.text;
}

bool CellText(const ChannelTable& table, int slot, int col, bool alphaTags, std::string* text) {
    if (!table.IsInUse(slot)) return false;
    const ChannelRecord& r = table.records[std::size_t(slot)];
    std::string value;
    switch (col) {
        case kColTag:
            if (!alphaTags) return false;
            value = PadTag(r.tag);
            break;
        case kColRx:
            value = FormatFrequency(r.rxMHz);
            break;
        case kColTx:
            value = FormatFrequency(r.txMHz);
            break;
        case kColDecoder:
            value = ToneValueText(r.rxToneType, r.rxCtcss, r.rxDcsCode);
            break;
        case kColEncoder:
            value = ToneValueText(r.txToneType, r.txCtcss, r.txDcsCode);
            break;
        default:
            return false;
    }
    if (text) *text = value;
    return true;
}

std::string CopyTextOfCell(const ChannelTable& table, int slot, int col, bool alphaTags,
                           const std::string& selectionText) {
    if (IsCheckMarkColumn(col) || col == kColEncryption) {
        return LogicalCellText(table, slot, col, alphaTags);
    }
    return selectionText;
}

RadioFacts RadioFactsOf(const RadioIdentity& identity, const HardwareParams& hardware, int comPort,
                        int comSpeed, const std::string& printer) {
    RadioFacts facts;
    char text[64];
    std::snprintf(text, sizeof text, "%-8s", identity.serialNumber.c_str());
    facts.serialNumber = text;
    std::snprintf(text, sizeof text, "%-13s", hardware.IsUpperBand() ? "UHF" : "VHF");
    facts.band = text;
    std::snprintf(text, sizeof text, "%-13s", hardware.model == 0 ? "KR-302 Series" : "KR-318");
    facts.productType = text;
    std::snprintf(text, sizeof text, "%-d.%2.2d", int(identity.firmwareVersion / 100),
                  int(identity.firmwareVersion % 100));
    facts.firmware = text;
    std::snprintf(text, sizeof text, "COM%d%s", comPort, comSpeed ? "  19200BPS" : "  9600BPS");
    facts.comPort = text;
    facts.printer = printer;
    return facts;
}

}  // namespace kp07
