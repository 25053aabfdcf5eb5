// The 24 columns of the channel grid: their headings, full widths, the
// visibility item that shows or hides them, and their help topics.
#pragma once

#include <array>
#include <vector>

#include "channels/visible_items.h"

namespace kp07 {

enum ChannelColumnId {
    kColChannel = 0,
    kColPri = 1,
    kColBandwidth = 2,
    kColTag = 3,
    kColRx = 4,
    kColTx = 5,
    kColDecoder = 6,
    kColEncoder = 7,
    kColPowerSaveRx = 8,
    kColPowerSaveTx = 9,
    kColPower = 10,
    kColScanOp = 11,
    kColScanGr = 12,
    kColScanPri = 13,
    kColTot = 14,
    kColSquelch = 15,
    kColSignalingType = 16,
    kColSignalingNumber = 17,
    kColDtmfAni = 18,
    kColEncryption = 19,
    kColLockOut = 20,
    kColQlnk = 21,
    kColCompander = 22,
    kColXtal = 23,
};
constexpr int kChannelColumnCount = 24;
// The two heading rows above the channels.
constexpr int kChannelHeadingRows = 2;

// Visibility items (index into visibleItems).
enum VisibleItemId {
    kItemPri = 0,
    kItemBandwidth = 1,
    kItemTag = 2,
    kItemFrequency = 3,
    kItemSubAudio = 4,
    kItemPowerSave = 5,
    kItemPower = 6,
    kItemScan = 7,
    kItemTot = 8,
    kItemSquelch = 9,
    kItemSignaling = 10,
    kItemUnused = 11,  // no column, no menu entry
    kItemDtmfAni = 12,
    kItemEncryption = 13,
    kItemLockOut = 14,
    kItemQlnk = 15,
    kItemCompander = 16,
    kItemXtal = 17,
};

struct ChannelColumn {
    const char* heading0;  // group heading, merged over equal neighbours
    const char* heading1;  // column title
    int widthTwips;        // width when shown
    int item;              // visibility item, -1 = always shown
    bool checkMark;        // on/off value drawn as a check mark
    int helpContext;
};

// The column `col` (0..23); a column outside that range reads as column 0.
const ChannelColumn& ChannelColumnAt(int col);
bool IsCheckMarkColumn(int col);
// The width the column gets with the given items: its full width when its
// item is shown (or it has none), 0 when hidden.
int ShownColumnWidth(int col, const std::array<int, kVisibleItemCount>& items);
// The columns an item covers (none for item 11 and for indexes out of range).
std::vector<int> ColumnsOfItem(int item);

// Help topics of the view's two group controls.
constexpr int kGroupSelectorHelp = 338;
constexpr int kGroupTagHelp = 339;

}  // namespace kp07
