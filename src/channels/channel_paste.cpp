#include "channels/channel_paste.h"

#include <cstdio>

#include "blocks/channel_table.h"
#include "channels/channel_columns.h"
#include "channels/channel_editing.h"
#include "image/frequency_codec.h"
#include "image/radio_image.h"
#include "image/tone_codec.h"
#include "resources/message.h"
#include "widgets/input_filters.h"

namespace kp07 {
namespace {

constexpr int kMsgCopyChannel = 53;
constexpr int kToneNone = 0, kToneCtcss = 1, kToneDcs = 2;

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// A whole number written with digits only (blanks around it allowed).
bool WholeNumber(const std::string& text, int* value) {
    const std::string t = Trimmed(text);
    if (t.empty() || t.size() > 6) return false;
    int n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    *value = n;
    return true;
}

// "-" or "v" into a 0/1 value.
bool OnOffText(const std::string& text, int* value) {
    if (text == "-") {
        *value = 0;
        return true;
    }
    if (text == "v") {
        *value = 1;
        return true;
    }
    return false;
}

bool FrequencyText(const std::string& text) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text) {
        if (!IsFreqChar(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

bool TagText(const std::string& text, bool alphaTags) {
    if (!alphaTags || text.empty() || text.size() > 9) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsTagChar(static_cast<unsigned char>(text[i]), int(i))) return false;
    }
    return true;
}

// The tenths of a CTCSS list text (" 67.0"), or -1.
int CtcssFromListText(const std::string& text) {
    const std::string wanted = Trimmed(text);
    char entry[32];
    for (int tenths : kCtcssTenths) {
        std::snprintf(entry, sizeof entry, "%.1f", tenths / 10.0);
        if (wanted == entry) return tenths;
    }
    return -1;
}

// A DCS list code ("023") followed by a polarity letter, e.g. "023N".
bool DcsFromListText(const std::string& text, bool receive, int* code, char* polarity) {
    if (text.size() != 4) return false;
    const char p = text[3];
    if (p != 'N' && p != 'I' && !(receive && p == 'B')) return false;
    char entry[16];
    for (int c : kDcsCodes) {
        std::snprintf(entry, sizeof entry, "%.3d", c);
        if (text.compare(0, 3, entry) == 0) {
            *code = c;
            *polarity = p;
            return true;
        }
    }
    return false;
}

bool PasteTone(ChannelTable& table, ChannelRecord& r, int col, const std::string& raw) {
    const bool decoder = col == kColDecoder;
    std::string text = raw;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (text == kNoToneText) {
        r.txToneType = kToneNone;
        r.txCtcss = r.txDcsCode = 0.0;
        if (decoder) {
            r.rxToneType = kToneNone;
            r.rxCtcss = r.rxDcsCode = 0.0;
        }
    } else if (text.compare(0, 2, "C-") == 0) {
        const int tenths = CtcssFromListText(text.substr(2));
        if (tenths < 0) return false;
        r.txToneType = kToneCtcss;
        r.txCtcss = tenths;
        if (decoder) {
            r.rxToneType = kToneCtcss;
            r.rxCtcss = tenths;
        }
    } else if (text.compare(0, 2, "D-") == 0) {
        int code = 0;
        char polarity = 'N';
        if (!DcsFromListText(text.substr(2), decoder, &code, &polarity)) return false;
        if (decoder) {
            r.rxToneType = r.txToneType = kToneDcs;
            r.rxDcsCode = r.txDcsCode = code;
            r.rxDcsInverted = polarity == 'I';
            r.rxDcsBoth = polarity == 'B';
        } else {
            r.txToneType = kToneDcs;
            r.txDcsCode = code;
            r.txDcsInverted = polarity == 'I';
        }
    } else {
        return false;
    }
    table.ComputeTxTuning(r);
    EnforceQlnk(r);
    return true;
}

// Column 0: a channel number copies that channel onto this one.
PasteOutcome PasteChannelNumber(ChannelTable& table, int slot, const std::string& text,
                                const std::array<int, kVisibleItemCount>& visible) {
    PasteOutcome out;
    int n = 0;
    if (!WholeNumber(text, &n) || n < 1 || n > kChannelSlots || n == slot + 1) return out;
    char row[16];
    std::snprintf(row, sizeof row, "%3d", slot + 1);
    if (ShowMessage(kMsgCopyChannel, MsgButtons::kYesNo, MsgIcon::kQuestion, text, row) !=
        MsgResult::kYes) {
        out.result = PasteOutcome::kDeclined;
        return out;
    }
    CopyChannel(table, n - 1, slot, visible);
    out.result = PasteOutcome::kAccepted;
    out.copiedFrom = n - 1;
    return out;
}

bool PasteValue(ChannelTable& table, ChannelRecord& r, int slot, int col, const std::string& text,
                const EditContext& ctx) {
    int v = 0;
    switch (col) {
        case kColPri:
            if (text != "-" && text != "P" && text != "G" && text != "PG") return false;
            if (text == "P") {
                table.pChannel = slot + 1;
            } else if (table.pChannel == slot + 1) {
                table.pChannel = 0;
            }
            return true;
        case kColBandwidth:
            if (text != "W" && text != "N") return false;
            r.bandwidth = text == "N" ? 2 : 0;
            table.ComputeTxTuning(r);
            return true;
        case kColTag:
            if (!TagText(text, ctx.alphaTags)) return false;
            SetCellFromText(table, slot, col, text);
            return true;
        case kColRx:
            if (!FrequencyText(text)) return false;
            SetCellFromText(table, slot, col, text);
            return true;
        case kColTx:
            if (text == kNoTransmitFrequency) {
                r.txOff = 1;
                return true;
            }
            if (!FrequencyText(text)) return false;
            r.txOff = 0;
            SetCellFromText(table, slot, col, text);
            return true;
        case kColDecoder:
        case kColEncoder:
            return PasteTone(table, r, col, text);
        case kColPowerSaveRx:
        case kColPowerSaveTx:
        case kColTot:
        case kColDtmfAni:
        case kColCompander:
        case kColXtal: {
            if (!OnOffText(text, &v)) return false;
            int* field = col == kColPowerSaveRx   ? &r.powerSaveRx
                         : col == kColPowerSaveTx ? &r.powerSaveTx
                         : col == kColTot         ? &r.tot
                         : col == kColDtmfAni     ? &r.dtmfAni
                         : col == kColCompander   ? &r.compander
                                                  : &r.xtal;
            *field = v;
            return true;
        }
        case kColPower:
            if (text != "H" && text != "L") return false;
            r.power = text == "L" ? 1 : 0;
            return true;
        case kColScanOp:
        case kColScanGr:
        case kColScanPri: {
            if (!OnOffText(text, &v)) return false;
            const int bit = col == kColScanOp ? kScanOp : col == kColScanGr ? kScanGr : kScanPri;
            r.scanFlags = v ? (r.scanFlags | bit) : (r.scanFlags & ~bit);
            return true;
        }
        case kColSquelch:
            if (!WholeNumber(text, &v) || v > 15) return false;
            r.squelchLevel = v;
            return true;
        case kColSignalingType:
            // The type is chosen with Space; a pasted mark changes nothing.
            return OnOffText(text, &v);
        case kColSignalingNumber:
            if (!WholeNumber(text, &v) || v > 16) return false;
            r.signalingNumber = v;
            return true;
        case kColEncryption:
            if (text != "-" && text != "1" && text != "2" && text != "3") return false;
            r.encryption = text == "-" ? 0 : text[0] - '0';
            return true;
        case kColLockOut:
            if (text != "--" && text != "BC" && text != "BT") return false;
            r.lockOut = text == "--" ? 0 : text == "BC" ? 1 : 2;
            return true;
        case kColQlnk:
            if (!(r.rxToneType == kToneDcs && r.txToneType == kToneDcs)) return false;
            if (!OnOffText(text, &v)) return false;
            r.qlnk = v;
            return true;
        default:
            return false;
    }
}

}  // namespace

PasteOutcome PasteCell(ChannelTable& table, int slot, int col, const std::string& pasted,
                       const EditContext& ctx, const std::array<int, kVisibleItemCount>& visible) {
    PasteOutcome out;
    if (!table.IsInUse(slot)) return out;
    // Text from other programs often ends with a line break.
    std::string text = pasted;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (col == kColChannel) return PasteChannelNumber(table, slot, text, visible);
    if (!PasteValue(table, table.records[std::size_t(slot)], slot, col, text, ctx)) return out;
    imageModified = 1;
    out.result = PasteOutcome::kAccepted;
    return out;
}

void CopyChannel(ChannelTable& table, int source, int target,
                 const std::array<int, kVisibleItemCount>& visible) {
    if (source < 0 || source >= kChannelSlots || target < 0 || target >= kChannelSlots) return;
    const ChannelRecord s = table.records[std::size_t(source)];
    ChannelRecord& t = table.records[std::size_t(target)];
    auto shown = [&visible](int item) { return visible[std::size_t(item)] != 0; };
    const HardwareParams& hw = table.hardware();

    if (target != 0) t.inUse = (t.inUse & ~1) | (s.inUse & 1);
    if (shown(kItemPri)) {
        if (table.pChannel == source + 1) {
            table.pChannel = target + 1;
        } else if (table.pChannel == target + 1) {
            table.pChannel = 0;
        }
    }
    if (shown(kItemBandwidth)) t.bandwidth = s.bandwidth;
    if (shown(kItemTag)) t.tag = s.tag;
    if (shown(kItemFrequency)) {
        const RasterPlacement rx =
            PlaceOnRaster(s.rxMHz, hw.stepCode, hw.LowerLimitMHz(), hw.UpperLimitMHz());
        t.rxMHz = rx.mhz;
        t.rxStepFlag = rx.stepFlag;
        table.ComputeRxTuning(t);
        const RasterPlacement tx =
            PlaceOnRaster(s.txMHz, hw.stepCode, hw.LowerLimitMHz(), hw.UpperLimitMHz());
        t.txMHz = tx.mhz;
        t.txStepFlag = tx.stepFlag;
        t.txOff = s.txOff;
    }
    if (shown(kItemSubAudio)) {
        t.rxToneType = s.rxToneType;
        t.txToneType = s.txToneType;
        t.rxCtcss = s.rxCtcss;
        t.txCtcss = s.txCtcss;
        t.rxDcsCode = s.rxDcsCode;
        t.txDcsCode = s.txDcsCode;
    }
    if (shown(kItemPowerSave)) {
        t.powerSaveRx = s.powerSaveRx;
        t.powerSaveTx = s.powerSaveTx;
    }
    if (shown(kItemPower)) t.power = s.power;
    if (shown(kItemScan)) t.scanFlags = s.scanFlags;
    if (shown(kItemTot)) t.tot = s.tot;
    if (shown(kItemSquelch)) t.squelchLevel = s.squelchLevel;
    if (shown(kItemSignaling)) t.signalingNumber = s.signalingNumber;
    if (shown(kItemDtmfAni)) t.dtmfAni = s.dtmfAni;
    if (shown(kItemEncryption)) t.encryption = s.encryption;
    if (shown(kItemLockOut)) t.lockOut = s.lockOut;
    if (shown(kItemQlnk)) t.qlnk = s.qlnk;
    if (shown(kItemCompander)) t.compander = s.compander;
    if (shown(kItemXtal)) t.xtal = s.xtal;
    // The tone types may have changed under a copied QLNK or the other way
    // round; the bandwidth and the transmit frequency drive the TX tuning.
    EnforceQlnk(t);
    table.ComputeTxTuning(t);
    imageModified = 1;
}

}  // namespace kp07
