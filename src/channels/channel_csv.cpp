#include "channels/channel_csv.h"

#include <algorithm>
#include <map>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "channels/channel_csv_cells.h"
#include "channels/csv_text.h"
#include "channels/generic_channel_list.h"
#include "image/accessors.h"
#include "resources/message.h"
#include "resources/strings.h"

namespace kp07 {
namespace {

constexpr int kMsgRowColumn = 6100;
constexpr int kMsgRow = 6101;
constexpr int kMsgNotAChannel = 6113;
constexpr int kMsgGivenAgain = 6114;
constexpr int kMsgUnknownColumn = 6115;
constexpr int kMsgColumnTwice = 6116;
constexpr int kMsgRowEnds = 6117;
constexpr int kMsgRowTooLong = 6118;
constexpr int kMsgNoChannelList = 6123;
constexpr int kMsgUnreadable = 6124;
constexpr int kMsgNoChannels = 6125;
constexpr int kMsgTooLarge = 6126;
constexpr int kMsgMoreRefused = 6127;
constexpr int kMsgNothingImported = 6128;
constexpr int kMsgImported = 6129;
constexpr int kMsgNotCarried = 6130;

// A channel number: one to three digits, 1..168.
int SlotOfNumber(const std::string& text) {
    const std::string t = CsvTrimmed(text);
    if (t.empty() || t.size() > 3 || t.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const int n = std::stoi(t);
    return n >= 1 && n <= kChannelSlots ? n - 1 : -1;
}

void GridToWanted(const std::vector<CsvRow>& rows, std::vector<WantedRow>* wanted,
                  CsvImportResult* result) {
    const CsvRow& heading = rows.front();
    std::vector<int> colOf(heading.size(), -1);
    std::map<int, std::size_t> seen;
    for (std::size_t i = 0; i < heading.size(); ++i) {
        const int col = CsvColumnOfHeading(heading[i]);
        if (col < 0) {
            // Trailing empty headings are what some spreadsheets add.
            if (!CsvTrimmed(heading[i]).empty())
                AddRefusal(result, 1, heading[i], LoadString(kMsgUnknownColumn));
            continue;
        }
        if (!seen.emplace(col, i).second) {
            AddRefusal(result, 1, heading[i], LoadString(kMsgColumnTwice));
            continue;
        }
        colOf[i] = col;
    }
    const auto chn = seen.find(kColChannel);
    std::map<int, int> rowOfSlot;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& cells = rows[r];
        const int fileRow = int(r) + 1;
        if (cells.size() < heading.size()) {
            AddRefusal(result, fileRow, heading[cells.size()], LoadString(kMsgRowEnds));
            continue;
        }
        for (std::size_t i = heading.size(); i < cells.size(); ++i) {
            if (!CsvTrimmed(cells[i]).empty()) {
                AddRefusal(result, fileRow, "", LoadString(kMsgRowTooLong));
                break;
            }
        }
        const std::string& number = cells[chn->second];
        const int slot = SlotOfNumber(number);
        if (slot < 0) {
            AddRefusal(result, fileRow, heading[chn->second], LoadString(kMsgNotAChannel));
            continue;
        }
        const auto first = rowOfSlot.emplace(slot, fileRow);
        if (!first.second) {
            AddRefusal(result, fileRow, heading[chn->second],
                       FormatMessage(kMsgGivenAgain, CsvTrimmed(number),
                                     std::to_string(first.first->second)));
            continue;
        }
        WantedRow w;
        w.fileRow = fileRow;
        w.slot = slot;
        for (std::size_t i = 0; i < heading.size(); ++i) {
            if (colOf[i] < 0 || colOf[i] == kColChannel) continue;
            w.cells.push_back(
                {colOf[i], NormalisedCsvCell(colOf[i], cells[i]), CsvTrimmed(heading[i])});
        }
        wanted->push_back(std::move(w));
        ++result->channels;
    }
}

bool HasChnColumn(const CsvRow& heading) {
    for (const std::string& h : heading) {
        if (CsvColumnOfHeading(h) == kColChannel) return true;
    }
    return false;
}

}  // namespace

std::string ExportChannelsCsv(const RadioImage& image, CsvLayout layout,
                              std::vector<std::string>* notCarried) {
    HardwareParams hw;
    hw.Load(image);
    ChannelTable table(hw);
    table.Load(image);
    const bool alphaTags = hw.model != 0;
    if (layout == CsvLayout::kGeneric) return ExportGenericList(table, alphaTags, notCarried);

    CsvRow row(kCsvColumnCount);
    for (int col = 0; col < kCsvColumnCount; ++col) row[std::size_t(col)] = CsvHeading(col);
    std::string out = CsvLine(row);
    for (int slot = 0; slot < kChannelSlots; ++slot) {
        for (int col = 0; col < kCsvColumnCount; ++col)
            row[std::size_t(col)] = CsvCellText(table, slot, col, alphaTags);
        out += CsvLine(row);
    }
    return out;
}

CsvImportResult ImportChannelsCsv(RadioImage& image, const std::string& text) {
    CsvImportResult result;
    if (text.size() > kMaxCsvBytes) {
        AddRefusal(&result, 0, "", FormatMessage(kMsgTooLarge, std::to_string(kMaxCsvBytes >> 20)));
        return result;
    }
    // Spreadsheets often begin a file with the UTF-8 byte order mark.
    const std::size_t bom = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    std::vector<CsvRow> rows;
    int errorLine = 0;
    if (!ParseCsv(text.substr(bom), &rows, &errorLine)) {
        AddRefusal(&result, 0, "", FormatMessage(kMsgUnreadable, std::to_string(errorLine)));
        return result;
    }
    if (rows.size() < 2) {
        AddRefusal(&result, 0, "", LoadString(kMsgNoChannels));
        return result;
    }

    const int modified = imageModified;
    HardwareParams hw;
    hw.Load(image);
    ChannelTable table(hw);
    table.Load(image);
    const EditContext ctx = EditContextOf(image);
    std::vector<WantedRow> wanted;
    if (IsGenericHeader(rows.front())) {
        result.layout = CsvLayout::kGeneric;
        GenericToWanted(rows, table, ctx.alphaTags, &wanted, &result);
    } else if (HasChnColumn(rows.front())) {
        GridToWanted(rows, &wanted, &result);
    } else {
        AddRefusal(&result, 0, "", LoadString(kMsgNoChannelList));
        return result;
    }
    // Every cell is tried, so that one reading lists all that is wrong.
    RadioImage scratch = image;
    std::vector<int> changedSlots;
    const bool changed = ApplyWantedRows(table, scratch, ctx, wanted, &result, &changedSlots);
    imageModified = modified;
    // Row by row, as the user reads the file.
    std::stable_sort(result.refused.begin(), result.refused.end(),
                     [](const CsvRefusal& a, const CsvRefusal& b) { return a.row < b.row; });
    if (result.refusedCount > 0) return result;
    result.accepted = true;
    if (changed) {
        // Only the channels the file changed are written: the others keep
        // their bytes as they are.
        const RadioImage before = image;
        table.StoreGroupData(image);
        for (int slot : changedSlots) table.StoreRecord(slot, image);
        SetImageChecksum(image, ComputeImageChecksum(image));
        result.changed = image != before;
    }
    return result;
}

std::string CsvRefusalLine(const CsvRefusal& refusal) {
    const std::string row = std::to_string(refusal.row);
    if (refusal.row > 0 && !refusal.column.empty())
        return FormatMessage(kMsgRowColumn, row, refusal.column) + refusal.reason;
    if (refusal.row > 0) return FormatMessage(kMsgRow, row) + refusal.reason;
    return refusal.reason;
}

std::string CsvImportReport(const CsvImportResult& result) {
    std::string out;
    if (result.accepted) {
        out = FormatMessage(kMsgImported, std::to_string(result.channels)) + "\n";
    } else {
        out = FormatMessage(kMsgNothingImported, std::to_string(result.refusedCount)) + "\n";
        for (const CsvRefusal& r : result.refused) out += CsvRefusalLine(r) + "\n";
        if (result.refusedCount > int(result.refused.size()))
            out += FormatMessage(kMsgMoreRefused,
                                 std::to_string(result.refusedCount - int(result.refused.size()))) +
                   "\n";
    }
    if (!result.notCarried.empty()) {
        out += LoadString(kMsgNotCarried) + "\n";
        for (const std::string& line : result.notCarried) out += "  " + line + "\n";
    }
    return out;
}

}  // namespace kp07
