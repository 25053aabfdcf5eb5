#include "channels/group_editing.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "blocks/channel_table.h"
#include "channels/channel_cells.h"
#include "image/number_text.h"
#include "image/radio_image.h"
#include "resources/message.h"

namespace kp07 {
namespace {

constexpr int kMsgTooManyChannels = 6;

}  // namespace

std::vector<int> SelectorGroups(const ChannelTable& table) {
    std::vector<int> groups;
    for (int g = 0; g < kGroupCount; ++g) {
        if (table.groupSizes()[std::size_t(g)] != 0) groups.push_back(g);
    }
    return groups;
}

std::string SelectorName(int group) {
    char text[16];
    std::snprintf(text, sizeof text, "%-8.8s", ChannelTable::GroupName(group).c_str());
    return text;
}

int GroupFromSelectorName(const std::string& name) {
    const std::string lastTwo = name.size() >= 2 ? name.substr(name.size() - 2) : name;
    return int(ClampWhole(ParseDecimal(lastTwo), 0, 99));
}

std::string ShownGroupTag(const ChannelTable& table, int group, bool alphaTags) {
    if (!alphaTags || group < 0 || group >= kGroupCount) return std::string(8, ' ');
    return PadTag(table.groupTags[std::size_t(group)]);
}

void CommitGroupTag(ChannelTable& table, const std::string& text) {
    if (table.currentGroup < 0 || table.currentGroup >= kGroupCount) return;
    std::string& tag = table.groupTags[std::size_t(table.currentGroup)];
    const std::string padded = PadTag(text);
    // A stored tag may be shorter than eight characters ("  C  B"): the
    // radio shows it blank-padded, so the padded forms decide whether the
    // user changed it. Browsing past the tag edit changes nothing.
    if (PadTag(tag) == padded) return;
    tag = padded;
    imageModified = 1;
}

bool CheckCbTag(ChannelTable& table) {
    if (table.currentGroup != 0) return false;
    const bool blank = IsBlankTag(table.groupTags[0]);
    const bool wasBlank = IsBlankTag(table.previousCbTag);
    const int cbSize = int(table.groupSizes()[0]);
    bool changed = false;
    if (blank && !wasBlank) {
        for (int slot = 0; slot < cbSize; ++slot) table.records[std::size_t(slot)].inUse &= ~1;
        if (cbSize < kChannelSlots) table.records[std::size_t(cbSize)].inUse |= 1;
        changed = true;
    } else if (!blank && wasBlank) {
        for (int slot = 0; slot < cbSize; ++slot) table.records[std::size_t(slot)].inUse |= 1;
        changed = true;
    }
    table.previousCbTag = table.groupTags[0];
    if (changed) imageModified = 1;
    return changed;
}

std::string GroupCountText(const ChannelTable& table, int group) {
    char text[16];
    const unsigned size =
        group >= 0 && group < kGroupCount ? table.groupSizes()[std::size_t(group)] : 0;
    std::snprintf(text, sizeof text, "%3.3u", size);
    return text;
}

bool CommitGroupCount(ChannelTable& table, int group, const std::string& text) {
    if (SetGroupCount(table, group, text)) return true;
    if (group >= 1 && group < kGroupCount)
        ShowMessage(kMsgTooManyChannels, MsgButtons::kOk, MsgIcon::kStop);
    return false;
}

bool SetGroupCount(ChannelTable& table, int group, const std::string& text) {
    if (group < 1 || group >= kGroupCount) return false;
    std::array<unsigned, kGroupCount> sizes = table.groupSizes();
    // Channels left once this group gives its channels back.
    const int left = table.channelsLeft() + int(sizes[std::size_t(group)]);
    const int wanted = int(ClampWhole(ParseDecimal(text), 0, kMaxGroupSize));
    imageModified = 1;
    table.currentGroup = group;
    if (left - wanted < 0) return false;
    sizes[std::size_t(group)] = unsigned(wanted);
    // The radio needs at least one channel somewhere.
    if (left - wanted == kChannelSlots) sizes[std::size_t(group)] = 1;
    table.SetGroupSizes(sizes);
    if (sizes[std::size_t(group)] == 0) table.groupTypes[std::size_t(group)] = 0;
    return true;
}

void CommitAllocationTag(ChannelTable& table, int group, const std::string& text) {
    if (group < 0 || group >= kGroupCount) return;
    // The tag ends where the typed text ends; the radio shows the rest blank.
    std::string tag = text.substr(0, std::min<std::size_t>(text.size(), 8));
    const std::size_t nul = tag.find('\0');
    if (nul != std::string::npos) tag.resize(nul);
    table.groupTags[std::size_t(group)] = tag;
    imageModified = 1;
}

}  // namespace kp07
