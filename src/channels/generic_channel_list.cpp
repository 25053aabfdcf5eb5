#include "channels/generic_channel_list.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>

#include "blocks/channel_table.h"
#include "image/frequency_codec.h"
#include "image/number_text.h"
#include "image/tone_codec.h"
#include "resources/message.h"
#include "resources/strings.h"

namespace kp07 {
namespace {

constexpr int kMsgRowColumn = 6100;
constexpr int kMsgNotAChannel = 6113;
constexpr int kMsgGivenAgain = 6114;
constexpr int kMsgRowEnds = 6117;
constexpr int kMsgCut = 6132;
constexpr int kMsgExportChannelColumn = 6133;
constexpr int kMsgPolarityB = 6134;
constexpr int kMsgLeftOut = 6135;
constexpr int kMsgNotOneOf = 6136;
constexpr int kMsgNoNumber = 6137;
constexpr int kMsgNoSuchSetting = 6131;

const char* const kColumns[] = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
// What the layout has no room for.
const int kLeftOutColumns[] = {
    kColPri,        kColPowerSaveRx, kColPowerSaveTx,   kColScanGr,          kColScanPri,
    kColTot,        kColSquelch,     kColSignalingType, kColSignalingNumber, kColDtmfAni,
    kColEncryption, kColLockOut,     kColQlnk,          kColCompander,       kColXtal,
    kCsvGroup};

constexpr int kToneNone = 0, kToneCtcss = 1, kToneDcs = 2;

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Code(double dcs) {
    char text[16];
    std::snprintf(text, sizeof text, "%.3d", int(dcs));
    return text;
}

// A plain decimal number: digits with at most one point.
bool Number(const std::string& text, double* value) {
    bool digit = false;
    int points = 0;
    for (char c : text) {
        if (c == '.') {
            ++points;
        } else if (c >= '0' && c <= '9') {
            digit = true;
        } else {
            return false;
        }
    }
    if (!digit || points > 1) return false;
    *value = ParseDecimal(text);
    return true;
}

// One row of the file, by column name.
class GenericRow {
  public:
    GenericRow(const std::map<std::string, std::size_t>& index, const CsvRow& cells, int fileRow)
        : index_(index), cells_(cells), fileRow_(fileRow) {}

    bool Has(const char* column) const { return index_.count(CsvLower(column)) != 0; }
    std::string operator[](const char* column) const {
        const auto it = index_.find(CsvLower(column));
        return it == index_.end() || it->second >= cells_.size() ? std::string()
                                                                 : CsvTrimmed(cells_[it->second]);
    }
    int fileRow() const { return fileRow_; }

  private:
    const std::map<std::string, std::size_t>& index_;
    const CsvRow& cells_;
    int fileRow_;
};

class RowMapper {
  public:
    RowMapper(const GenericRow& row, const ChannelTable& table, bool alphaTags, WantedRow* wanted,
              CsvImportResult* result)
        : row_(row), table_(table), alphaTags_(alphaTags), wanted_(wanted), result_(result) {}

    void Map() {
        Want(kCsvInUse, "1", "Location");
        // A radio without alpha tags has no place for names.
        if (row_.Has("Name") && alphaTags_) MapName();
        double rx = 0.0;
        if (row_.Has("Frequency") && MapFrequency(&rx)) MapDuplex(rx);
        if (row_.Has("Tone")) MapTones();
        if (row_.Has("Mode")) MapMode();
        if (row_.Has("Skip")) MapSkip();
        if (row_.Has("Power")) MapPower();
    }

  private:
    void Want(int col, const std::string& text, const char* column) {
        wanted_->cells.push_back({col, NormalisedCsvCell(col, text), column});
    }
    void Refuse(const char* column, const std::string& reason) {
        AddRefusal(result_, row_.fileRow(), column, reason);
    }
    void NotOneOf(const char* column, const char* choices) {
        Refuse(column, FormatMessage(kMsgNotOneOf, row_[column], choices));
    }
    bool NumberOf(const char* column, double* value) {
        if (Number(row_[column], value)) return true;
        Refuse(column, FormatMessage(kMsgNoNumber, row_[column]));
        return false;
    }

    // The radio's tags are upper case, as the grid types them, and eight
    // characters long.
    void MapName() {
        std::string name = row_["Name"];
        for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
        if (name.size() > 8) {
            name.resize(8);
            result_->notCarried.push_back(
                FormatMessage(kMsgRowColumn, std::to_string(row_.fileRow()), "Name") +
                FormatMessage(kMsgCut, row_["Name"]));
        }
        Want(kColTag, name, "Name");
    }

    // A frequency as the grid shows it once placed: a value on the raster
    // reads back as itself; any other is passed on as it is and refused by
    // the grid's rules as the frequency it would become.
    std::string FrequencyText(double mhz) const {
        const HardwareParams& hw = table_.hardware();
        const RasterPlacement placed =
            PlaceOnRaster(mhz, hw.stepCode, hw.LowerLimitMHz(), hw.UpperLimitMHz());
        return FormatFrequency(std::fabs(placed.mhz - mhz) < 0.5e-6 ? placed.mhz : mhz);
    }

    bool MapFrequency(double* rx) {
        if (!NumberOf("Frequency", rx)) return false;
        Want(kColRx, FrequencyText(*rx), "Frequency");
        return true;
    }

    void MapDuplex(double rx) {
        const std::string duplex = CsvLower(row_["Duplex"]);
        double offset = 0.0;
        if (duplex == "off") {
            Want(kColTx, kNoTransmitFrequency, "Duplex");
            return;
        }
        if (duplex == "+" || duplex == "-" || duplex == "split") {
            if (!NumberOf("Offset", &offset)) return;
        } else if (!duplex.empty()) {
            NotOneOf("Duplex", "\"\", +, -, split, off");
            return;
        }
        const double tx = duplex == "split" ? offset : duplex == "-" ? rx - offset : rx + offset;
        Want(kColTx, FrequencyText(tx), duplex.empty() ? "Duplex" : "Offset");
    }

    // The tone of one side: a CTCSS value from `hzColumn`, or a DCS code
    // from `codeColumn` with the polarity letter at `polarityIndex` of
    // DtcsPolarity (N normal, R reversed).
    bool ToneText(int type, const char* hzColumn, const char* codeColumn, int polarityIndex,
                  std::string* text) {
        if (type == kToneNone) {
            *text = kNoToneText;
            return true;
        }
        double value = 0.0;
        if (type == kToneCtcss) {
            if (!NumberOf(hzColumn, &value)) return false;
            *text = "C-" + Fixed(value, 1);
            return true;
        }
        // An older file without RxDtcsCode uses DtcsCode for both sides.
        if (!row_.Has(codeColumn)) codeColumn = "DtcsCode";
        if (!NumberOf(codeColumn, &value)) return false;
        if (value != std::floor(value)) {
            Refuse(codeColumn, FormatMessage(kMsgNoNumber, row_[codeColumn]));
            return false;
        }
        std::string polarity = row_["DtcsPolarity"];
        if (polarity.empty()) polarity = "NN";
        const char p = polarity.size() == 2 ? polarity[std::size_t(polarityIndex)] : '?';
        if (p != 'N' && p != 'R') {
            NotOneOf("DtcsPolarity", "NN, NR, RN, RR");
            return false;
        }
        // A number too long for a code is passed on as written, for the
        // grid's rules to refuse.
        const std::string code = value <= 999.0 ? Code(value) : row_[codeColumn];
        *text = "D-" + code + (p == 'R' ? "I" : "N");
        return true;
    }

    void MapTones() {
        const std::string mode = CsvLower(row_["Tone"]);
        int tx = kToneNone, rx = kToneNone;
        const char* txHz = "rToneFreq";
        const char* rxHz = "cToneFreq";
        const char* rxCode = "RxDtcsCode";
        if (mode == "tone") {
            tx = kToneCtcss;
        } else if (mode == "tsql") {
            tx = rx = kToneCtcss;
            txHz = "cToneFreq";
        } else if (mode == "dtcs") {
            tx = rx = kToneDcs;
            rxCode = "DtcsCode";
        } else if (mode == "cross") {
            const std::string cross = row_["CrossMode"];
            const std::size_t arrow = cross.find("->");
            const std::string from = CsvLower(cross.substr(0, std::min(arrow, cross.size())));
            const std::string to =
                arrow == std::string::npos ? "?" : CsvLower(cross.substr(arrow + 2));
            auto kind = [](const std::string& side) {
                return side.empty()     ? kToneNone
                       : side == "tone" ? kToneCtcss
                       : side == "dtcs" ? kToneDcs
                                        : -1;
            };
            tx = kind(from);
            rx = kind(to);
            if (tx < 0 || rx < 0 || (tx == kToneNone && rx == kToneNone)) {
                NotOneOf("CrossMode",
                         "Tone->Tone, Tone->DTCS, DTCS->Tone, DTCS->DTCS, ->Tone, ->DTCS, DTCS->");
                return;
            }
        } else if (!mode.empty()) {
            NotOneOf("Tone", "\"\", Tone, TSQL, DTCS, Cross");
            return;
        }
        // The decoder column sets both sides; the encoder then its own.
        std::string dec, enc;
        if (!ToneText(rx, rxHz, rxCode, 1, &dec) || !ToneText(tx, txHz, "DtcsCode", 0, &enc))
            return;
        Want(kColDecoder, dec, rx == kToneCtcss ? rxHz : rx == kToneDcs ? rxCode : "Tone");
        Want(kColEncoder, enc, tx == kToneCtcss ? txHz : tx == kToneDcs ? "DtcsCode" : "Tone");
    }

    void MapMode() {
        const std::string mode = CsvLower(row_["Mode"]);
        if (mode == "fm") {
            Want(kColBandwidth, "W", "Mode");
        } else if (mode == "nfm") {
            Want(kColBandwidth, "N", "Mode");
        } else if (!mode.empty()) {
            NotOneOf("Mode", "FM, NFM");
        }
    }

    void MapSkip() {
        const std::string skip = CsvLower(row_["Skip"]);
        if (skip.empty() || skip == "s") {
            Want(kColScanOp, skip.empty() ? "1" : "0", "Skip");
        } else {
            NotOneOf("Skip", "\"\", S");
        }
    }

    void MapPower() {
        const std::string power = CsvLower(row_["Power"]);
        if (power.empty()) return;
        if (power == "high" || power == "low") {
            Want(kColPower, power == "high" ? "H" : "L", "Power");
        } else {
            result_->notCarried.push_back(
                FormatMessage(kMsgRowColumn, std::to_string(row_.fileRow()), "Power") +
                FormatMessage(kMsgNotOneOf, row_["Power"], "High, Low"));
        }
    }

    const GenericRow& row_;
    const ChannelTable& table_;
    bool alphaTags_;
    WantedRow* wanted_;
    CsvImportResult* result_;
};

}  // namespace

bool IsGenericHeader(const CsvRow& heading) {
    for (const std::string& h : heading) {
        if (CsvLower(CsvTrimmed(h)) == "location") return true;
    }
    return false;
}

std::string ExportGenericList(const ChannelTable& table, bool alphaTags,
                              std::vector<std::string>* notCarried) {
    std::string out = CsvLine(CsvRow(std::begin(kColumns), std::end(kColumns)));
    const HardwareParams& hw = table.hardware();
    const std::string step = Fixed(StepHz(hw.stepCode, 0) / 1000.0, 2);
    std::string leftOut;
    for (int col : kLeftOutColumns) leftOut += (leftOut.empty() ? "" : ", ") + CsvHeading(col);
    if (notCarried) notCarried->push_back(FormatMessage(kMsgLeftOut, leftOut));

    for (int slot = 0; slot < kChannelSlots; ++slot) {
        if (!table.IsInUse(slot)) continue;
        const ChannelRecord& r = table.records[std::size_t(slot)];
        std::string duplex, offset = "0.000000";
        if (r.txOff) {
            duplex = "off";
        } else if (std::fabs(r.txMHz - r.rxMHz) >= 0.5e-6) {
            duplex = r.txMHz > r.rxMHz ? "+" : "-";
            offset = Fixed(std::fabs(r.txMHz - r.rxMHz), 6);
        }
        // What the tone columns can say: a tone mode and the values it uses.
        std::string mode, cross = "Tone->Tone", rTone = "88.5", cTone = "88.5";
        std::string dtcs = "023", rxDtcs = "023";
        const int tx = r.txToneType, rx = r.rxToneType;
        const std::string txHz = Fixed(r.txCtcss / 10.0, 1), rxHz = Fixed(r.rxCtcss / 10.0, 1);
        if (tx == kToneCtcss) rTone = txHz;
        if (rx == kToneCtcss) cTone = rxHz;
        if (tx == kToneDcs) dtcs = Code(r.txDcsCode);
        if (rx == kToneDcs) rxDtcs = Code(r.rxDcsCode);
        if (tx == kToneNone && rx == kToneDcs) dtcs = rxDtcs;
        if (tx == kToneNone && rx == kToneNone) {
            mode.clear();
        } else if (tx == kToneCtcss && rx == kToneNone) {
            mode = "Tone";
        } else if (tx == kToneCtcss && rx == kToneCtcss && txHz == rxHz) {
            mode = "TSQL";
        } else if (tx == kToneDcs && rx == kToneDcs && dtcs == rxDtcs) {
            mode = "DTCS";
        } else {
            mode = "Cross";
            auto side = [](int type) {
                return type == kToneCtcss ? "Tone" : type == kToneDcs ? "DTCS" : "";
            };
            cross = std::string(side(tx)) + "->" + side(rx);
        }
        std::string polarity = "NN";
        if (tx == kToneDcs && r.txDcsInverted) polarity[0] = 'R';
        if (rx == kToneDcs && r.rxDcsInverted) polarity[1] = 'R';
        if (rx == kToneDcs && !r.rxDcsInverted && r.rxDcsBoth && notCarried) {
            notCarried->push_back(FormatMessage(kMsgExportChannelColumn, std::to_string(slot + 1),
                                                CsvHeading(kColDecoder)) +
                                  LoadString(kMsgPolarityB));
        }
        std::string name = alphaTags ? CsvCellText(table, slot, kColTag, true) : std::string();
        out += CsvLine({std::to_string(slot + 1),
                        name,
                        Fixed(r.rxMHz, 6),
                        duplex,
                        offset,
                        mode,
                        rTone,
                        cTone,
                        dtcs,
                        polarity,
                        rxDtcs,
                        cross,
                        r.bandwidth == 2 ? "NFM" : "FM",
                        step,
                        (r.scanFlags & kScanOp) ? "" : "S",
                        r.power ? "Low" : "High",
                        "",
                        "",
                        "",
                        "",
                        ""});
    }
    return out;
}

void GenericToWanted(const std::vector<CsvRow>& rows, const ChannelTable& table, bool alphaTags,
                     std::vector<WantedRow>* wanted, CsvImportResult* result) {
    const CsvRow& heading = rows.front();
    std::map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < heading.size(); ++i)
        index.emplace(CsvLower(CsvTrimmed(heading[i])), i);
    static const char* const kCarried[] = {"location", "name",         "frequency",  "duplex",
                                           "offset",   "tone",         "rtonefreq",  "ctonefreq",
                                           "dtcscode", "dtcspolarity", "rxdtcscode", "crossmode",
                                           "mode",     "skip",         "power"};
    // Columns with nothing to say to this radio are listed once, when a row
    // has something in them.
    for (std::size_t i = 0; i < heading.size(); ++i) {
        const std::string name = CsvLower(CsvTrimmed(heading[i]));
        const bool carried =
            std::find(std::begin(kCarried), std::end(kCarried), name) != std::end(kCarried);
        if (name.empty() || (carried && (name != "name" || alphaTags))) continue;
        for (std::size_t r = 1; r < rows.size(); ++r) {
            if (i < rows[r].size() && !CsvTrimmed(rows[r][i]).empty()) {
                result->notCarried.push_back(
                    FormatMessage(kMsgNoSuchSetting, CsvTrimmed(heading[i])));
                break;
            }
        }
    }
    std::map<int, int> rowOfSlot;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const int fileRow = int(r) + 1;
        if (rows[r].size() < heading.size()) {
            AddRefusal(result, fileRow, CsvTrimmed(heading[rows[r].size()]),
                       LoadString(kMsgRowEnds));
            continue;
        }
        const GenericRow row(index, rows[r], fileRow);
        const std::string location = row["Location"];
        double n = 0.0;
        if (!Number(location, &n) || location.find('.') != std::string::npos || n < 1 ||
            n > kChannelSlots) {
            AddRefusal(result, fileRow, "Location", LoadString(kMsgNotAChannel));
            continue;
        }
        const int slot = int(n) - 1;
        const auto first = rowOfSlot.emplace(slot, fileRow);
        if (!first.second) {
            AddRefusal(
                result, fileRow, "Location",
                FormatMessage(kMsgGivenAgain, location, std::to_string(first.first->second)));
            continue;
        }
        WantedRow w;
        w.fileRow = fileRow;
        w.slot = slot;
        RowMapper(row, table, alphaTags, &w, result).Map();
        wanted->push_back(std::move(w));
        ++result->channels;
    }
}

}  // namespace kp07
