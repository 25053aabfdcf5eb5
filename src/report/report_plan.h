// Which channels go on which page of the printed report.
//
// The report starts with its fixed pages (common and signaling data, and the
// two 5-tone tables of a 5-tone radio), then prints the programmed channels
// group by group. A page holds 64 lines (0 to 63): its header and banner,
// then for every group on it a heading block (nine lines are reserved for
// it) and one line per programmed channel.
#pragma once

#include <vector>

namespace kp07 {

class ChannelTable;

// The channels of one channel page: the programmed ones from `firstSlot` to
// `lastSlot` (0-based slots; groups are laid over the slots in order).
struct ChannelPageRange {
    int firstGroup = 0;
    int firstSlot = 0;
    int lastGroup = 0;
    int lastSlot = 0;
};

struct PagePlan {
    int fixedPages = 2;  // 4 for a 5-tone radio
    std::vector<ChannelPageRange> channelPages;
    int PageCount() const { return fixedPages + int(channelPages.size()); }
    int FirstChannelPage() const { return fixedPages + 1; }
};

// Lines the page counter reserves: the header and banner of a page, and a
// group's heading block.
constexpr int kPageTopLines = 2;
constexpr int kGroupHeadingLines = 9;
// A group starts on a new page when its heading would begin below line 54; a
// page ends when its counter passes 63.
constexpr int kLastGroupStartLine = 54;
constexpr int kLastPageLine = 63;

PagePlan PlanPages(const ChannelTable& table, bool fiveTone);

}  // namespace kp07
