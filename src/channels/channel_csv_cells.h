// The cells of a channel CSV file: their headings and texts, and how a row
// of wanted texts is brought into the channel table through the grid's own
// edit rules. Both file layouts end here.
#pragma once

#include <string>
#include <vector>

#include "channels/channel_cells.h"
#include "channels/channel_columns.h"
#include "channels/channel_csv.h"

namespace kp07 {

class ChannelTable;

// Two columns beyond the grid's 24: the in-use mark (drawn grey in the grid)
// and the group that holds the slot.
constexpr int kCsvInUse = kChannelColumnCount;
constexpr int kCsvGroup = kChannelColumnCount + 1;
constexpr int kCsvColumnCount = kChannelColumnCount + 2;

// "Chn", "Frequency Receive", "SUB AUDIO Dec", ... "In use", "Group": the
// grid's two heading rows joined by a blank.
std::string CsvHeading(int col);
// The column of a heading (blanks around it and case do not matter), or -1.
int CsvColumnOfHeading(const std::string& heading);
// "CB", "GROUP-1" .. "GROUP-6", and "" beyond the last group.
std::string GroupCsvName(int group);

// The text of a cell in the file: the grid's text without the blanks it
// pads with, flags 0/1, tones "C-67.0" / "D-023N", the tag without its
// trailing blanks.
std::string CsvCellText(const ChannelTable& table, int slot, int col, bool alphaTags);
// A text read from a file in the same form, ready to compare.
std::string NormalisedCsvCell(int col, const std::string& text);

struct WantedCell {
    int col = 0;          // grid column, kCsvInUse or kCsvGroup
    std::string text;     // normalised
    std::string heading;  // the file's column the text came from
};
struct WantedRow {
    int fileRow = 0;
    int slot = 0;
    std::vector<WantedCell> cells;
};

void AddRefusal(CsvImportResult* result, int row, const std::string& column,
                const std::string& reason);

// Brings every wanted cell into `table` as a user would in the grid, and
// refuses each cell that the grid would not take or would store otherwise
// (checked through the image record the channel becomes: `scratch` is a
// copy of the image to write it into). Returns whether the table changed;
// the slots whose channels changed go into `changedSlots`.
bool ApplyWantedRows(ChannelTable& table, RadioImage& scratch, const EditContext& ctx,
                     const std::vector<WantedRow>& rows, CsvImportResult* result,
                     std::vector<int>* changedSlots);

}  // namespace kp07
