// The channel table: the 168 channel records, the seven groups laid over
// them, the group tags and types, the three scan lists and the P and G
// channel references. The view shows one group of it at a time.
#pragma once

#include <array>
#include <string>
#include <utility>

#include "blocks/channel_record.h"
#include "blocks/hardware_params.h"

namespace kp07 {

// The system a channel group works in: 0 "Conventional", 1 "KR-Trunk" (the
// maker's trunking system).
const char* GroupTypeName(unsigned type);

class ChannelTable {
  public:
    // The table reads and writes frequencies with the step tables and limits
    // of `hardware`, which must outlive it.
    explicit ChannelTable(const HardwareParams& hardware);
    virtual ~ChannelTable() = default;

    // The contents of a new image: 77 CB channels, groups of 16 and 11.
    void SetDefaults();
    void Load(const RadioImage& image);
    void Store(RadioImage& image);
    // Group sizes, tags, types, the scan lists and the P/G references only.
    void StoreGroupData(RadioImage& image) const;

    void LoadRecord(int slot, const RadioImage& image);
    // Recomputes the record's tuning values, then writes it.
    void StoreRecord(int slot, RadioImage& image);
    void ComputeRxTuning(ChannelRecord& record) const;
    void ComputeTxTuning(ChannelRecord& record) const;

    // Makes group g current and normalises: an index past the last group
    // becomes 0, empty groups are skipped (one pass at most), and the rows
    // of the group become the current rows.
    void SelectGroup(int group);
    void NextGroup();
    // The group holding `slot`, or kGroupCount when it lies beyond all groups.
    int GroupOfSlot(int slot) const;
    std::pair<int, int> GroupAndIndexOfSlot(int slot) const;
    bool IsInUse(int slot) const;
    // The first slot of `group` (0-based).
    int FirstSlotOfGroup(int group) const;

    void ResetFrequencies(bool uhf);
    void MarkAllInUse();
    // Clears every channel's signaling number, in the table and in the
    // image, and the sixteen 2-tone system entries of the image.
    void ClearSignaling(RadioImage& image);

    // Sizes from an image cut back so that no group holds more than 128
    // channels and all of them together no more than 168.
    void SetGroupSizes(const std::array<unsigned, kGroupCount>& sizes);
    const std::array<unsigned, kGroupCount>& groupSizes() const { return groupSizes_; }
    int allocated() const { return allocated_; }
    int channelsLeft() const { return kChannelSlots - allocated_; }
    static const std::string& GroupName(int group);  // "CB     ", "GROUP-1" ...

    const HardwareParams& hardware() const { return *hardware_; }

    std::array<ChannelRecord, kChannelSlots> records;
    std::array<std::string, kGroupCount> groupTags;
    std::array<unsigned, kGroupCount> groupTypes{};  // 0 conventional, 1 trunked
    std::string previousCbTag;
    int currentGroup = 0;
    int firstRow = 1;  // 1-based slot numbers of the current group's rows
    int lastRow = kChannelSlots;
    int currentChannel = 0;  // 0-based slot
    int pChannel = 0;        // slot + 1, 0 = none
    int gChannel = 0;
    int savedP = 0;
    int savedG = 0;

  private:
    const HardwareParams* hardware_;
    std::array<unsigned, kGroupCount> groupSizes_{};
    int allocated_ = 0;
};

}  // namespace kp07
