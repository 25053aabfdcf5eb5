// String-table entries of the channels subsystem.
#include "resources/strings.h"

namespace kp07 {
namespace {
const StringEntry kEntries[] = {
    {6, "Too many channels"},
    {53, "Do you copy Ch%1 data to Ch %2?\n(Only visible columns)"},
    // Help lines of the Channel Allocation/Group Tag dialog.
    {2601, "Edit Channel Number(1-128)\n<ENTER>"},
    {2602, "Edit Channel Number(1-128)\n<ENTER>"},
    {2603, "Edit Channel Number(1-128)\n<ENTER>"},
    {2604, "Edit Channel Number(1-128)\n<ENTER>"},
    {2605, "Edit Channel Number(1-128)\n<ENTER>"},
    {2606, "Edit Channel Number(1-128)\n<ENTER>"},
    {2607, "Edit Channel Number(1-128)\n<ENTER>"},
    {2633, "Edit Group alpha tag\n<ENTER>"},
    {2634, "Edit Group alpha tag\n<ENTER>"},
    {2635, "Edit Group alpha tag\n<ENTER>"},
    {2636, "Edit Group alpha tag\n<ENTER>"},
    {2637, "Edit Group alpha tag\n<ENTER>"},
    {2638, "Edit Group alpha tag\n<ENTER>"},
    {2639, "Edit Group alpha tag\n<ENTER>"},
    // Channel lists as CSV files: where a refused cell lies, and why.
    {6100, "Row %1, column \"%2\": "},
    {6101, "Row %1: "},
    {6110, "\"%1\" is not accepted here"},
    {6111, "\"%1\" would be stored as \"%2\""},
    {6112, "\"%1\" is changed to \"%2\" by another row"},
    {6113, "not a channel number (1-168)"},
    {6114, "channel %1 is given again (first in row %2)"},
    {6115, "unknown column"},
    {6116, "the column is given twice"},
    {6117, "the row ends before this column"},
    {6118, "the row has more cells than the heading row"},
    {6119, "\"%1\" is no group (CB, GROUP-1 ... GROUP-6, or empty for none)"},
    {6120, "the groups must follow each other: CB, GROUP-1 ... GROUP-6, then channels in no group"},
    {6121, "the CB group keeps its %1 channels"},
    {6122, "%1 cannot hold %2 channels"},
    {6123, "The file is no channel list: it has neither a \"Chn\" nor a \"Location\" column."},
    {6124, "The file cannot be read as CSV: a quote out of place in line %1."},
    {6125, "The file holds no channels."},
    {6126, "The file is larger than %1 MB."},
    {6127, "... and %1 more refused cells."},
    {6128, "Nothing was imported. Refused cells: %1"},
    {6129, "Channels imported: %1"},
    {6130, "Not carried:"},
    {6131, "column \"%1\": this radio has no such setting"},
    {6132, "cut to 8 characters from \"%1\""},
    {6133, "Channel %1, column \"%2\": "},
    {6134, "decoder polarity B has no place in this layout; written as N"},
    {6135, "columns without a place in this layout: %1"},
    {6136, "\"%1\" is not one of %2"},
    {6137, "\"%1\" is no number"},
    // Comparing two images.
    {6150, "Channel %1, %2"},
    {6151, "Byte %1"},
    {6152, "No differences."},
    {6153, "Differences: %1"},
};
}  // namespace

const StringTable kChannelStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
