#include "channels/channel_listing.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "channels/channel_cells.h"
#include "channels/channel_columns.h"
#include "channels/group_editing.h"

namespace kp07 {
namespace {

using Row = std::array<std::string, kChannelColumnCount>;

std::string JoinRow(const Row& cells, const std::array<std::size_t, kChannelColumnCount>& widths) {
    std::string line;
    for (int c = 0; c < kChannelColumnCount; ++c) {
        std::string cell = cells[std::size_t(c)];
        cell.resize(widths[std::size_t(c)], ' ');
        if (c > 0) line += ' ';
        line += cell;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

// The group headings, each written once over the columns it covers.
std::string JoinMerged(const Row& cells,
                       const std::array<std::size_t, kChannelColumnCount>& widths) {
    std::string line;
    for (int c = 0; c < kChannelColumnCount;) {
        int last = c;
        while (last + 1 < kChannelColumnCount &&
               cells[std::size_t(last + 1)] == cells[std::size_t(c)])
            ++last;
        std::size_t span = 0;
        for (int k = c; k <= last; ++k) span += widths[std::size_t(k)] + (k > c ? 1 : 0);
        std::string cell = cells[std::size_t(c)];
        cell.resize(span, ' ');
        if (c > 0) line += ' ';
        line += cell;
        c = last + 1;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

}  // namespace

std::string ChannelListing(const RadioImage& image) {
    HardwareParams hw;
    hw.Load(image);
    ChannelTable table(hw);
    table.Load(image);
    const bool alphaTags = hw.model != 0;

    Row heading0, heading1;
    std::array<std::size_t, kChannelColumnCount> widths{};
    for (int c = 0; c < kChannelColumnCount; ++c) {
        const ChannelColumn& col = ChannelColumnAt(c);
        heading0[std::size_t(c)] = col.heading0;
        heading1[std::size_t(c)] = col.heading1;
        widths[std::size_t(c)] = heading1[std::size_t(c)].size();
    }
    // Every allocated channel's texts, so that all groups share one layout.
    std::vector<Row> rows(std::size_t(table.allocated()));
    for (int slot = 0; slot < table.allocated(); ++slot) {
        for (int c = 0; c < kChannelColumnCount; ++c) {
            std::string text = LogicalCellText(table, slot, c, alphaTags);
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], text.size());
            rows[std::size_t(slot)][std::size_t(c)] = std::move(text);
        }
    }

    // A group heading wider than its columns widens the last of them.
    for (int c = 0; c < kChannelColumnCount;) {
        int last = c;
        while (last + 1 < kChannelColumnCount &&
               heading0[std::size_t(last + 1)] == heading0[std::size_t(c)])
            ++last;
        std::size_t span = std::size_t(last - c);
        for (int k = c; k <= last; ++k) span += widths[std::size_t(k)];
        if (heading0[std::size_t(c)].size() > span)
            widths[std::size_t(last)] += heading0[std::size_t(c)].size() - span;
        c = last + 1;
    }

    std::string out;
    char line[128];
    int slot = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        const int size = int(table.groupSizes()[std::size_t(g)]);
        if (g > 0) out += '\n';
        std::snprintf(line, sizeof line, "%s tag \"%s\": ", SelectorName(g).c_str(),
                      ShownGroupTag(table, g, alphaTags).c_str());
        out += line;
        if (size == 0) {
            out += "no channels\n";
            continue;
        }
        std::snprintf(line, sizeof line, "%d channel%s (%d-%d)\n", size, size == 1 ? "" : "s",
                      slot + 1, slot + size);
        out += line;
        out += JoinMerged(heading0, widths) + '\n';
        out += JoinRow(heading1, widths) + '\n';
        for (int k = 0; k < size; ++k, ++slot) {
            out += JoinRow(rows[std::size_t(slot)], widths);
            if (!table.IsInUse(slot)) out += "  (not in use)";
            out += '\n';
        }
    }
    if (table.channelsLeft() > 0) {
        std::snprintf(line, sizeof line, "\n%d channel%s in no group\n", table.channelsLeft(),
                      table.channelsLeft() == 1 ? "" : "s");
        out += line;
    }
    return out;
}

}  // namespace kp07
