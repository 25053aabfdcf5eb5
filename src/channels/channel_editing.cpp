#include "channels/channel_editing.h"

#include <cmath>
#include <cstdio>

#include "blocks/channel_table.h"
#include "blocks/common_params.h"
#include "blocks/paging_params.h"
#include "channels/channel_columns.h"
#include "image/frequency_codec.h"
#include "image/number_text.h"
#include "image/radio_image.h"
#include "image/tone_codec.h"

namespace kp07 {
namespace {

constexpr int kToneNone = 0, kToneCtcss = 1, kToneDcs = 2;
constexpr double kDefaultCtcss = 670.0;  // 67.0 Hz
constexpr double kDefaultDcs = 23.0;     // code 023
constexpr int kSignalingNone = 0, kSignalingSignal = 1, kSignalingPage = 2, kSignalingOption = 3;

void MarkModified() {
    imageModified = 1;
}

// The record of a slot that may be edited: in range and in use.
ChannelRecord* Editable(ChannelTable& table, int slot) {
    if (!table.IsInUse(slot)) return nullptr;
    return &table.records[std::size_t(slot)];
}

std::string Title(const char* what, int slot) {
    char text[64];
    std::snprintf(text, sizeof text, "%s(CH=%2d)", what, slot + 1);
    return text;
}

std::string Number(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", n);
    return text;
}

void Flip(int& value) {
    value = value ? 0 : 1;
}

// The next value of a setting that steps through `count` values; a value
// outside them (a damaged image) starts again at 0.
int Step(int value, int count) {
    return value >= 0 && value + 1 < count ? value + 1 : 0;
}

void AfterToneChange(ChannelTable& table, ChannelRecord& r) {
    table.ComputeTxTuning(r);
    EnforceQlnk(r);
}

std::string RightTrimmed(const std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return text.substr(0, end);
}

// A typed frequency: clamped into the hardware limits and put on the raster.
RasterPlacement Placed(const ChannelTable& table, double mhz) {
    const HardwareParams& hw = table.hardware();
    return PlaceOnRaster(mhz, hw.stepCode, hw.LowerLimitMHz(), hw.UpperLimitMHz());
}

bool SetTone(ChannelTable& table, ChannelRecord& r, int col, const std::string& text) {
    const int type = col == kColDecoder ? r.rxToneType : r.txToneType;
    if (type == kToneNone) return false;
    const std::size_t dash = text.find('-');
    const std::string rest = RightTrimmed(dash == std::string::npos ? text : text.substr(dash + 1));
    // Nothing after the "-": the user gave no value, so nothing is stored.
    if (rest.find_first_not_of(' ') == std::string::npos) {
        RestoreToneTypes(table, r.slot);
        return false;
    }
    const double x = ParseDecimal(rest);
    if (type == kToneDcs) {
        if (!(x >= 0.0 && x <= 777.0) || !IsValidDcsCode(int(x))) {
            RestoreToneTypes(table, r.slot);
            return false;
        }
        const double code = std::floor(x);
        r.txToneType = kToneDcs;
        r.txDcsCode = code;
        if (col == kColDecoder) {
            r.rxToneType = kToneDcs;
            r.rxDcsCode = code;
        }
    } else {
        if (!IsValidCtcssHz(x)) {
            RestoreToneTypes(table, r.slot);
            return false;
        }
        // Tenths of a hertz, cut toward zero; the small allowance keeps
        // 69.3 from becoming 692 through binary rounding.
        const double tenths = std::floor(x * 10.0 + 1e-6);
        r.txToneType = kToneCtcss;
        r.txCtcss = tenths;
        if (col == kColDecoder) {
            r.rxToneType = kToneCtcss;
            r.rxCtcss = tenths;
        }
    }
    AfterToneChange(table, r);
    return true;
}

}  // namespace

void EnforceQlnk(ChannelRecord& r) {
    if (r.qlnk && !(r.rxToneType == kToneDcs && r.txToneType == kToneDcs)) r.qlnk = 0;
}

bool OpensChoiceList(int col) {
    return col == kColPri || col == kColSquelch || col == kColSignalingNumber ||
           col == kColEncryption;
}

EditResult ToggleCell(ChannelTable& table, int slot, int col, const EditContext& ctx) {
    if (slot < 0 || slot >= kChannelSlots) return EditResult::kNothing;
    if (col == kColChannel) {
        ChannelRecord& r = table.records[std::size_t(slot)];
        // The radio always needs its first channel.
        if (slot == 0 && (r.inUse & 1)) return EditResult::kNothing;
        r.inUse ^= 1;
        MarkModified();
        return EditResult::kChanged;
    }
    ChannelRecord* rp = Editable(table, slot);
    if (!rp || OpensChoiceList(col)) return EditResult::kNothing;
    ChannelRecord& r = *rp;
    switch (col) {
        case kColBandwidth:
            r.bandwidth = r.bandwidth < 2 ? 2 : 0;
            table.ComputeTxTuning(r);
            break;
        case kColTag:
        case kColRx:
            return EditResult::kNothing;
        case kColTx:
            Flip(r.txOff);
            break;
        case kColDecoder:
            r.rxToneType = Step(r.rxToneType, 3);
            if (r.rxToneType == kToneNone) {
                r.txToneType = kToneNone;
            } else if (r.rxToneType == kToneCtcss) {
                r.txToneType = kToneCtcss;
                r.rxCtcss = r.txCtcss = kDefaultCtcss;
            } else {
                r.txToneType = kToneDcs;
                r.rxDcsCode = r.txDcsCode = kDefaultDcs;
            }
            AfterToneChange(table, r);
            break;
        case kColEncoder:
            r.txToneType = Step(r.txToneType, 3);
            if (r.txToneType == kToneCtcss) r.txCtcss = kDefaultCtcss;
            if (r.txToneType == kToneDcs) r.txDcsCode = kDefaultDcs;
            AfterToneChange(table, r);
            break;
        case kColPowerSaveRx:
            Flip(r.powerSaveRx);
            break;
        case kColPowerSaveTx:
            Flip(r.powerSaveTx);
            break;
        case kColPower:
            Flip(r.power);
            break;
        case kColScanOp:
            r.scanFlags ^= kScanOp;
            break;
        case kColScanGr:
            r.scanFlags ^= kScanGr;
            break;
        case kColScanPri:
            r.scanFlags ^= kScanPri;
            break;
        case kColTot:
            Flip(r.tot);
            break;
        case kColSignalingType: {
            const int count = ctx.optionBoard == kBoardOptionSignaling ? 4 : 3;
            r.signalingType = Step(r.signalingType, count);
            if (r.signalingType == kSignalingNone || r.signalingType == kSignalingPage)
                r.signalingNumber = 0;
            if (r.signalingType == kSignalingSignal) r.dtmfAni = 0;
            if (r.signalingType == kSignalingOption) r.encryption = 0;
            break;
        }
        case kColDtmfAni:
            // A signaling system sends its own identity.
            if (r.signalingType == kSignalingSignal) return EditResult::kBeep;
            Flip(r.dtmfAni);
            break;
        case kColLockOut:
            r.lockOut = Step(r.lockOut, 3);
            break;
        case kColQlnk:
            if (r.rxToneType == kToneDcs && r.txToneType == kToneDcs) {
                Flip(r.qlnk);
            } else if (r.qlnk) {
                r.qlnk = 0;
            } else {
                return EditResult::kBeep;
            }
            break;
        case kColCompander:
            Flip(r.compander);
            break;
        case kColXtal:
            Flip(r.xtal);
            break;
        default:
            return EditResult::kNothing;
    }
    MarkModified();
    return EditResult::kChanged;
}

ListStart PrepareChoice(ChannelTable& table, int slot, int col, const EditContext& ctx,
                        ChoiceList* list) {
    ChannelRecord* rp = Editable(table, slot);
    if (!rp || !list) return ListStart::kNone;
    const ChannelRecord& r = *rp;
    *list = ChoiceList();
    switch (col) {
        case kColPri:
            table.savedP = table.pChannel;
            table.savedG = table.gChannel;
            list->title = Title("Priority CH", slot);
            list->entries = {"  - : OFF", " G : Group Mode", " P : Priority Mode",
                             " PG:Priority/Group Mode"};
            list->selected = (table.gChannel ? 1 : 0) + (table.pChannel ? 2 : 0);
            break;
        case kColSquelch:
            list->title = Title("Squelch Level", slot);
            for (int level = 0; level <= 15; ++level) list->entries.push_back(Number(level));
            list->selected = r.squelchLevel >= 0 && r.squelchLevel <= 15 ? r.squelchLevel : 0;
            break;
        case kColSignalingNumber: {
            if (r.signalingType == kSignalingNone) return ListStart::kBeep;
            list->title = Title("Signaling System", slot);
            list->selected = r.signalingNumber;
            if (r.signalingType == kSignalingOption) {
                list->entries = {" - : OFF", " 1 : GE Star", " 2 : MDC-1200", " 3 : DTMF"};
            } else if (r.signalingType == kSignalingPage) {
                list->entries = {"off"};
                list->selected = 0;
                if (ctx.optionBoard == kPagingOptionBoard) {
                    for (int page : ctx.pagingCodes) {
                        list->entries.push_back(Number(page));
                        if (page == r.signalingNumber)
                            list->selected = int(list->entries.size()) - 1;
                    }
                }
            } else {
                list->entries = {"off"};
                const int systems = ctx.fiveTone ? 32 : 16;
                for (int n = 1; n <= systems; ++n) list->entries.push_back(Number(n));
            }
            break;
        }
        case kColEncryption:
            // The "Option" signaling unit does its own encryption.
            if (r.signalingType == kSignalingOption) return ListStart::kNone;
            list->title = Title("Encryption", slot);
            list->entries = {"  - : OFF", " 1 : Backup", " 2 : No Backup", " 3 : ON"};
            list->selected = r.encryption & 3;
            break;
        default:
            return ListStart::kNone;
    }
    if (list->selected < 0 || list->selected >= int(list->entries.size())) list->selected = 0;
    return ListStart::kShow;
}

void ApplyChoice(ChannelTable& table, int slot, int col, const ChoiceList& list, int index) {
    ChannelRecord* rp = Editable(table, slot);
    if (!rp || index < 0 || index >= int(list.entries.size())) return;
    ChannelRecord& r = *rp;
    switch (col) {
        case kColPri:
            ApplyPriChoice(table, slot, index);
            break;
        case kColSquelch:
            r.squelchLevel = index;
            break;
        case kColSignalingNumber:
            // Paging lists only the codes the radio has: the entry names
            // the code ("off" reads as 0).
            r.signalingNumber =
                r.signalingType == kSignalingPage
                    ? int(ClampWhole(ParseDecimal(list.entries[std::size_t(index)]), 0, 255))
                    : index;
            break;
        case kColEncryption:
            r.encryption = index & 3;
            break;
        default:
            return;
    }
    MarkModified();
}

void ApplyPriChoice(ChannelTable& table, int slot, int choice) {
    const int self = slot + 1;
    switch (choice) {
        case 0:
            if (table.pChannel == self) table.pChannel = 0;
            if (table.gChannel == self) table.gChannel = 0;
            break;
        case 1:
            table.gChannel = self;
            if (table.pChannel == self) table.pChannel = 0;
            break;
        case 2:
            table.pChannel = self;
            if (table.gChannel == self) table.gChannel = 0;
            break;
        case 3:
            table.pChannel = table.gChannel = self;
            break;
        default:
            return;
    }
    MarkModified();
}

// ---- tones ----

ListStart PrepareToneList(const ChannelTable& table, int slot, int col, ToneList* list) {
    if (!table.IsInUse(slot) || !list || (col != kColDecoder && col != kColEncoder))
        return ListStart::kNone;
    const ChannelRecord& r = table.records[std::size_t(slot)];
    const bool decoder = col == kColDecoder;
    const int type = decoder ? r.rxToneType : r.txToneType;
    *list = ToneList();
    char text[32];
    if (type == kToneCtcss) {
        list->title = Title("CTCSS Frequency", slot);
        list->columnWidth = 100;
        const int current = int(decoder ? r.rxCtcss : r.txCtcss);
        for (std::size_t i = 0; i < kCtcssTenths.size(); ++i) {
            std::snprintf(text, sizeof text, "%5.1f", kCtcssTenths[i] / 10.0);
            list->entries.push_back(text);
            if (kCtcssTenths[i] == current) list->selected = int(i);
        }
    } else if (type == kToneDcs) {
        list->title = Title("DCS Frequency", slot);
        list->columnWidth = 50;
        const int current = int(decoder ? r.rxDcsCode : r.txDcsCode);
        for (std::size_t i = 0; i < kDcsCodes.size(); ++i) {
            std::snprintf(text, sizeof text, "%.3d", kDcsCodes[i]);
            list->entries.push_back(text);
            if (kDcsCodes[i] == current) list->selected = int(i);
        }
    } else {
        return ListStart::kBeep;
    }
    return ListStart::kShow;
}

void ApplyToneChoice(ChannelTable& table, int slot, int col, int index) {
    ChannelRecord* rp = Editable(table, slot);
    if (!rp) return;
    ChannelRecord& r = *rp;
    const bool decoder = col == kColDecoder;
    const int type = decoder ? r.rxToneType : r.txToneType;
    if (type == kToneCtcss && index >= 0 && index < int(kCtcssTenths.size())) {
        r.txCtcss = kCtcssTenths[std::size_t(index)];
        if (decoder) r.rxCtcss = r.txCtcss;
    } else if (type == kToneDcs && index >= 0 && index < int(kDcsCodes.size())) {
        r.txDcsCode = kDcsCodes[std::size_t(index)];
        if (decoder) r.rxDcsCode = r.txDcsCode;
    } else {
        return;
    }
    AfterToneChange(table, r);
    MarkModified();
}

void SaveToneTypes(ChannelTable& table, int slot) {
    if (slot < 0 || slot >= kChannelSlots) return;
    ChannelRecord& r = table.records[std::size_t(slot)];
    r.savedRxToneType = r.rxToneType;
    r.savedTxToneType = r.txToneType;
}

void RestoreToneTypes(ChannelTable& table, int slot) {
    if (slot < 0 || slot >= kChannelSlots) return;
    ChannelRecord& r = table.records[std::size_t(slot)];
    r.rxToneType = r.savedRxToneType;
    r.txToneType = r.savedTxToneType;
}

std::string StartToneTyping(ChannelTable& table, int slot, int col, int character) {
    ChannelRecord* rp = Editable(table, slot);
    if (!rp || (col != kColDecoder && col != kColEncoder)) return std::string();
    const int c = character >= 'a' && character <= 'z' ? character - 'a' + 'A' : character;
    if (c != 'C' && c != 'D') return std::string();
    SaveToneTypes(table, slot);
    const int type = c == 'C' ? kToneCtcss : kToneDcs;
    rp->txToneType = type;
    if (col == kColDecoder) rp->rxToneType = type;
    return c == 'C' ? "C-" : "D-";
}

bool ToneTextOpensList(const std::string& text) {
    const std::size_t dash = text.find('-');
    return dash != std::string::npos && text.find_first_not_of(' ', dash + 1) == std::string::npos;
}

void SetToneTypeFromText(ChannelTable& table, int slot, int col, const std::string& text) {
    ChannelRecord* rp = Editable(table, slot);
    if (!rp || (col != kColDecoder && col != kColEncoder)) return;
    SaveToneTypes(table, slot);
    const int type = !text.empty() && (text[0] == 'C' || text[0] == 'c') ? kToneCtcss : kToneDcs;
    rp->txToneType = type;
    if (col == kColDecoder) rp->rxToneType = type;
}

bool IsBareTonePrefix(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::string trimmed =
        first == std::string::npos ? std::string() : RightTrimmed(text.substr(first));
    return trimmed == "C-" || trimmed == "D-";
}

// ---- typed values ----

bool SetCellFromText(ChannelTable& table, int slot, int col, const std::string& text) {
    MarkModified();
    if (slot < 0 || slot >= kChannelSlots) return false;
    ChannelRecord& r = table.records[std::size_t(slot)];
    switch (col) {
        case kColTag:
            r.tag = PadTag(text);
            return true;
        case kColRx: {
            const double mhz = ParseDecimal(text);
            r.inUse |= 1;
            // Without a number (or 0) the channel keeps its frequencies:
            // clamping "0" into the band would silently retune it.
            if (!(mhz > 0.0)) return true;
            const RasterPlacement rx = Placed(table, mhz);
            r.rxMHz = rx.mhz;
            r.rxStepFlag = rx.stepFlag;
            table.ComputeRxTuning(r);
            if (r.rxMHz == 0.0) return true;
            const RasterPlacement tx = Placed(table, r.rxMHz + autoTxOffsetMHz);
            r.txMHz = tx.mhz;
            r.txStepFlag = tx.stepFlag;
            table.ComputeTxTuning(r);
            r.xtal = XtalForFrequency(r.rxMHz);
            r.txSetByHand = 0;
            return true;
        }
        case kColTx: {
            if (text != kNoTransmitFrequency) {
                const double mhz = ParseDecimal(text);
                // As for receive: no number leaves the frequency alone.
                if (mhz > 0.0) {
                    r.txMHz = mhz;
                    r.txSetByHand = 1;
                }
            }
            const RasterPlacement tx = Placed(table, r.txMHz);
            r.txMHz = tx.mhz;
            r.txStepFlag = tx.stepFlag;
            table.ComputeTxTuning(r);
            return true;
        }
        case kColDecoder:
        case kColEncoder:
            return SetTone(table, r, col, text);
        default:
            return false;
    }
}

bool CycleDcsPolarity(ChannelTable& table, int slot, int col) {
    ChannelRecord* rp = Editable(table, slot);
    if (!rp) return false;
    ChannelRecord& r = *rp;
    if (col == kColDecoder && r.rxToneType == kToneDcs) {
        if (r.rxDcsInverted) {
            r.rxDcsInverted = 0;
            r.rxDcsBoth = 1;
        } else if (r.rxDcsBoth) {
            r.rxDcsBoth = 0;
        } else {
            r.rxDcsInverted = 1;
        }
    } else if (col == kColEncoder && r.txToneType == kToneDcs) {
        Flip(r.txDcsInverted);
    } else {
        return false;
    }
    MarkModified();
    return true;
}

}  // namespace kp07
