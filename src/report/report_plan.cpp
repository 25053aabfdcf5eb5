#include "report/report_plan.h"

#include "blocks/channel_table.h"

namespace kp07 {

PagePlan PlanPages(const ChannelTable& table, bool fiveTone) {
    PagePlan plan;
    plan.fixedPages = fiveTone ? 4 : 2;

    ChannelPageRange page;
    bool pageHasChannels = false;
    int lastGroup = 0;
    int lastSlot = 0;
    int counter = kPageTopLines;
    auto endPage = [&] {
        page.lastGroup = lastGroup;
        page.lastSlot = lastSlot;
        plan.channelPages.push_back(page);
        page = ChannelPageRange();
        pageHasChannels = false;
        counter = kPageTopLines;
    };

    int slot = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        const int size = int(table.groupSizes()[std::size_t(g)]);
        // A group whose heading would start too low on the page begins the
        // next one.
        if (counter > kLastGroupStartLine) endPage();
        bool groupOnPage = false;
        for (int i = 0; i < size; ++i, ++slot) {
            if (!table.IsInUse(slot)) continue;
            if (!groupOnPage) {
                counter += kGroupHeadingLines;
                groupOnPage = true;
            }
            if (!pageHasChannels) {
                page.firstGroup = g;
                page.firstSlot = slot;
                pageHasChannels = true;
            }
            ++counter;
            lastGroup = g;
            lastSlot = slot;
            if (counter > kLastPageLine) {
                endPage();
                groupOnPage = false;
            }
        }
    }
    // A page that would hold no channel (all channels fitted on the page
    // before, or none is programmed) would print a group heading alone, and
    // is left out. The last page runs to the end of the channel area.
    if (pageHasChannels) endPage();
    if (!plan.channelPages.empty()) {
        plan.channelPages.back().lastGroup = kGroupCount - 1;
        plan.channelPages.back().lastSlot = kChannelSlots - 1;
    }
    return plan;
}

}  // namespace kp07
