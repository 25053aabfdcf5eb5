// Pasting a text into a channel cell, and copying one channel onto another.
#pragma once

#include <array>
#include <string>

#include "channels/channel_cells.h"
#include "channels/visible_items.h"

namespace kp07 {

struct PasteOutcome {
    enum Result {
        kRejected,  // the text does not fit the cell: beep, nothing changed
        kAccepted,  // the table changed
        kDeclined,  // the user answered No to the channel copy
    };
    Result result = kRejected;
    int copiedFrom = -1;  // source slot of a channel copy (column 0)
};

// Applies a pasted text to the cell (slot, col). A channel number pasted
// into column 0 asks whether to copy that channel onto this one (the copy
// takes only the visible columns).
PasteOutcome PasteCell(ChannelTable& table, int slot, int col, const std::string& text,
                       const EditContext& ctx, const std::array<int, kVisibleItemCount>& visible);

// Copies the values of the visible columns of channel `source` onto channel
// `target`, and the in-use mark (except onto the first channel, which is
// always in use).
void CopyChannel(ChannelTable& table, int source, int target,
                 const std::array<int, kVisibleItemCount>& visible);

}  // namespace kp07
