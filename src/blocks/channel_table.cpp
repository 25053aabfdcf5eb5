#include "blocks/channel_table.h"

#include <cstdio>

namespace kp07 {
namespace {

constexpr int kCbGroupSize = 77;
constexpr unsigned kDefaultSizes[kGroupCount] = {77, 16, 16, 16, 16, 16, 11};

std::string Format(const char* format, int n) {
    char text[32];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

// CB channel n (1-based): the first eight transmit 0.750 MHz above their
// receive frequency (repeater inputs), channels 9 to 40 are simplex.
void SetCbDefaults(ChannelRecord& r, int n) {
    r.inUse = 1;
    r.tag = Format("CB CH-%2.2d", n);
    r.encryption = (n == 5 || n == 35) ? 0 : 1;
    r.txOff = (n == 22 || n == 23) ? 1 : 0;
    if (n <= 40) {
        // Whole kilohertz first, so each frequency is the exact double of its
        // printed value.
        const int rxKHz = 476425 + 25 * (n - 1);
        r.rxMHz = rxKHz / 1000.0;
        r.txMHz = (n <= 8 ? rxKHz + 750 : rxKHz) / 1000.0;
    }
}

}  // namespace

const char* GroupTypeName(unsigned type) {
    return type == 1 ? "KR-Trunk" : "Conventional";
}

ChannelTable::ChannelTable(const HardwareParams& hardware) : hardware_(&hardware) {
    for (int i = 0; i < kChannelSlots; ++i) records[std::size_t(i)].slot = i;
}

const std::string& ChannelTable::GroupName(int group) {
    static const std::array<std::string, kGroupCount> names = {
        "CB     ", "GROUP-1", "GROUP-2", "GROUP-3", "GROUP-4", "GROUP-5", "GROUP-6"};
    static const std::string none;
    return group >= 0 && group < kGroupCount ? names[std::size_t(group)] : none;
}

void ChannelTable::SetGroupSizes(const std::array<unsigned, kGroupCount>& sizes) {
    allocated_ = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        unsigned s = sizes[std::size_t(g)];
        if (s > unsigned(kMaxGroupSize)) s = kMaxGroupSize;
        if (s > unsigned(kChannelSlots - allocated_)) s = unsigned(kChannelSlots - allocated_);
        groupSizes_[std::size_t(g)] = s;
        allocated_ += int(s);
    }
}

void ChannelTable::SetDefaults() {
    std::array<unsigned, kGroupCount> sizes{};
    for (int g = 0; g < kGroupCount; ++g) sizes[std::size_t(g)] = kDefaultSizes[g];
    SetGroupSizes(sizes);
    groupTags[0] = "  C  B";
    for (int g = 1; g < kGroupCount; ++g) groupTags[std::size_t(g)] = Format("GROUP %d", g);
    groupTypes.fill(0);
    pChannel = gChannel = savedP = savedG = 0;
    currentGroup = 0;
    for (int i = 0; i < kChannelSlots; ++i) {
        ChannelRecord& r = records[std::size_t(i)];
        r = ChannelRecord();
        r.slot = i;
        if (i < kCbGroupSize) {
            SetCbDefaults(r, i + 1);
        } else {
            r.tag = Format(" CH-%3.3d ", i - kCbGroupSize + 1).substr(0, 8);
            r.txOff = 1;
            r.encryption = 0;
            r.txStepFlag = 0;
            r.txSetByHand = 0;
        }
    }
    previousCbTag = groupTags[0];
    SelectGroup(0);
}

void ChannelTable::LoadRecord(int slot, const RadioImage& image) {
    if (slot < 0 || slot >= kChannelSlots) return;
    ChannelRecord& r = records[std::size_t(slot)];
    r.Load(ChannelRecordAt(image, slot), *hardware_);
    r.slot = slot;
}

void ChannelTable::StoreRecord(int slot, RadioImage& image) {
    if (slot < 0 || slot >= kChannelSlots) return;
    ChannelRecord& r = records[std::size_t(slot)];
    ComputeRxTuning(r);
    ComputeTxTuning(r);
    r.Store(ChannelRecordAt(image, slot), *hardware_);
}

void ChannelTable::ComputeRxTuning(ChannelRecord& record) const {
    record.ComputeRxTuning(*hardware_);
}
void ChannelTable::ComputeTxTuning(ChannelRecord& record) const {
    record.ComputeTxTuning(*hardware_);
}

void ChannelTable::Load(const RadioImage& image) {
    std::array<unsigned, kGroupCount> sizes{};
    for (int g = 0; g < kGroupCount; ++g) sizes[std::size_t(g)] = GetGroupChannelCount(image, g);
    SetGroupSizes(sizes);
    // The group shown stays; its rows follow the sizes just read, so that
    // the grid's rows still name the channels they show.
    SelectGroup(currentGroup);
    for (int i = 0; i < kChannelSlots; ++i) {
        LoadRecord(i, image);
        ChannelRecord& r = records[std::size_t(i)];
        r.scanFlags = (GetScanListOp(image, i) ? kScanOp : 0) |
                      (GetScanListGr(image, i) ? kScanGr : 0) |
                      (GetScanListPri(image, i) ? kScanPri : 0);
    }
    pChannel = int(GetPChannel(image));
    gChannel = int(GetGChannel(image));
    for (int g = 0; g < kGroupCount; ++g) {
        groupTags[std::size_t(g)] = GetGroupTag(image, g);
        groupTypes[std::size_t(g)] = GetGroupType(image, g);
    }
    // The CB tag check compares with the tag as loaded, not with one from
    // an earlier image.
    previousCbTag = groupTags[0];
}

void ChannelTable::StoreGroupData(RadioImage& image) const {
    for (int g = 0; g < kGroupCount; ++g) {
        SetGroupChannelCount(image, g, groupSizes_[std::size_t(g)]);
        SetGroupTag(image, g, groupTags[std::size_t(g)]);
        SetGroupType(image, g, groupTypes[std::size_t(g)]);
    }
    for (int i = 0; i < kChannelSlots; ++i) {
        const int flags = records[std::size_t(i)].scanFlags;
        SetScanListOp(image, i, (flags & kScanOp) ? 1 : 0);
        SetScanListGr(image, i, (flags & kScanGr) ? 1 : 0);
        SetScanListPri(image, i, (flags & kScanPri) ? 1 : 0);
    }
    auto groupOf = [this](int ref) { return unsigned(ref > 0 ? GroupOfSlot(ref - 1) : 0); };
    SetPChannel(image, unsigned(pChannel), groupOf(pChannel));
    SetGChannel(image, unsigned(gChannel), groupOf(gChannel));
}

void ChannelTable::Store(RadioImage& image) {
    StoreGroupData(image);
    for (int i = 0; i < kChannelSlots; ++i) StoreRecord(i, image);
}

int ChannelTable::GroupOfSlot(int slot) const {
    return GroupOfSlotInSizes(groupSizes_, slot);
}

std::pair<int, int> ChannelTable::GroupAndIndexOfSlot(int slot) const {
    const int group = GroupOfSlot(slot);
    return {group, slot - FirstSlotOfGroup(group)};
}

int ChannelTable::FirstSlotOfGroup(int group) const {
    int first = 0;
    for (int g = 0; g < group && g < kGroupCount; ++g) first += int(groupSizes_[std::size_t(g)]);
    return first;
}

bool ChannelTable::IsInUse(int slot) const {
    return slot >= 0 && slot < kChannelSlots && (records[std::size_t(slot)].inUse & 1);
}

void ChannelTable::SelectGroup(int group) {
    currentGroup = group;
    if (currentGroup < 0 || currentGroup >= kGroupCount) currentGroup = 0;
    // One pass over the groups at most: a table whose groups are all empty
    // stays on the group it started from.
    for (int tries = 0; tries < kGroupCount && groupSizes_[std::size_t(currentGroup)] == 0;
         ++tries) {
        currentGroup = (currentGroup + 1) % kGroupCount;
    }
    if (groupSizes_[std::size_t(currentGroup)] == 0) currentGroup = 0;
    firstRow = 1 + FirstSlotOfGroup(currentGroup);
    lastRow = firstRow + int(groupSizes_[std::size_t(currentGroup)]) - 1;
    currentChannel = firstRow - 1;
}

void ChannelTable::NextGroup() {
    SelectGroup(currentGroup + 1);
}

void ChannelTable::ResetFrequencies(bool uhf) {
    const double mhz = uhf ? 450.0 : 150.0;
    for (ChannelRecord& r : records) r.rxMHz = r.txMHz = mhz;
}

void ChannelTable::MarkAllInUse() {
    for (ChannelRecord& r : records) r.inUse |= 1;
}

void ChannelTable::ClearSignaling(RadioImage& image) {
    for (int i = 0; i < kChannelSlots; ++i) {
        records[std::size_t(i)].signalingNumber = 0;
        SetChannelSignaling(ChannelRecordAt(image, i), {0, 0});
    }
    for (int k = 0; k < 16; ++k) {
        SetTwoToneFirstPair(image, k, 0);
        SetTwoToneSecondPair(image, k, 0);
        SetTwoToneAutoReset(image, k, 0);
        SetTwoToneAni(image, k, 0);
    }
}

}  // namespace kp07
