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
};
}  // namespace

const StringTable kChannelStrings{kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace kp07
