// The channel table as a CSV file: one row per slot with the grid's columns,
// or the generic channel-list layout that multi-radio programming tools
// share. An imported file goes through the same edit rules as the grid
// (typed values, Space, the choice lists, the tone editor, the group
// allocation), cell by cell, and the image changes only when every cell of
// the file fits.
#pragma once

#include <string>
#include <vector>

#include "image/radio_image.h"

namespace kp07 {

enum class CsvLayout {
    // "Chn", "Pri", "W/N", "TAG", "Frequency Receive", ... "Xtal", then
    // "In use" and "Group": every slot, texts as the grid shows them, flags
    // 0/1, tones "C-67.0" / "D-023N".
    kGrid,
    // "Location", "Name", "Frequency", "Duplex", "Offset", "Tone", ...: the
    // channels in use, with what that layout has room for.
    kGeneric,
};

// A cell (or row, or the whole file) the import refused.
struct CsvRefusal {
    int row = 0;         // record of the file, the heading row being 1; 0: the file
    std::string column;  // heading of the file's column; "" for a whole row or the file
    std::string reason;
};

struct CsvImportResult {
    CsvLayout layout = CsvLayout::kGrid;
    bool accepted = false;  // every cell fitted and the image holds the file's values
    bool changed = false;   // ... and the image differs from before
    int channels = 0;       // rows of channels the file gave
    // The refusals, at most kMaxListedRefusals of them; refusedCount counts all.
    std::vector<CsvRefusal> refused;
    int refusedCount = 0;
    // Generic layout: what has no place in this radio (columns, cut names).
    std::vector<std::string> notCarried;
};

constexpr int kMaxListedRefusals = 1000;
// Larger files are refused whole: no channel list comes near it.
constexpr std::size_t kMaxCsvBytes = 16u << 20;

// The channels of `image` in `layout`. `notCarried`, when given, receives
// what the generic layout cannot hold (always empty for the grid layout).
std::string ExportChannelsCsv(const RadioImage& image, CsvLayout layout,
                              std::vector<std::string>* notCarried = nullptr);

// Reads a file of either layout (told apart by its headings) into `image`.
// Rows name their channel (Chn or Location), so rows may come in any order
// and slots the file leaves out keep their channels; columns the file leaves
// out keep their values. A new transmit frequency follows the automatic
// offset like a typed one (autoTxOffsetMHz). Leaves imageModified as it was.
CsvImportResult ImportChannelsCsv(RadioImage& image, const std::string& text);

// What the user reads after an import: the refusals, one a line ("Row 5,
// column "SQ": ..."), or the count of channels taken, then what was not
// carried.
std::string CsvImportReport(const CsvImportResult& result);
std::string CsvRefusalLine(const CsvRefusal& refusal);

}  // namespace kp07
