// The eleven adjustment items of alignment mode and what the technician sees
// of a channel while tuning it.
//
// Each item has one stored base value in the hardware block's alignment
// data. The frequency-dependent items (power, both deviations, receiver
// sensitivity) vary over the band, so what a channel shows is its effective
// value, kept in the channel table as the channel's tuning values; storing a
// shown value works the base value back and recomputes every channel.
#pragma once

#include <string>

namespace kp07 {

class ChannelRecord;
class ChannelTable;
class HardwareParams;

constexpr int kAlignmentItemCount = 11;

enum AlignmentItem {
    kItemRfPower = 0,  // for the channel's power level
    kItemMicSensitivity = 1,
    kItemMaxDeviation = 2,
    kItemMaxRefDeviation = 3,
    kItemSubAudioLevel = 4,  // CTCSS or DCS modulation, by the channel's transmit tone
    kItemRfFrequency = 5,
    kItemRxSensitivity = 6,
    kItemDtmfDeviation = 7,
    kItemRssi = 8,
    kItemSquelchThreshold = 9,
    kItemSquelchTight = 10,
};

// Items 0..7 are set with the slider, 8..10 from the radio's own readings.
bool IsSliderItem(int item);
// Whether the slider editor keys the transmitter for the item (all slider
// items but the receiver sensitivity).
bool ItemTransmits(int item);
// The read-back items take values 0..100 only.
constexpr int kReadBackMax = 100;

// 0 no sub-audio, 1 CTCSS, 2 DCS: the channel's transmit tone type.
int SubAudioKind(const ChannelRecord& channel);
// Item 4 exists only for a channel that sends a sub-audio tone.
bool ItemShown(const ChannelRecord& channel, int item);
// The label of an item for a channel ("RF Power (High)", "DCS Modulation").
std::string ItemLabel(const ChannelRecord& channel, int item);
// The help topic of an item's value field (item 4 has one for CTCSS and one
// for DCS channels).
int ItemHelpTopic(const ChannelRecord& channel, int item);
// The control id of an item's value field.
int ItemFieldId(int item);

// The value an item shows for a channel, 0..255.
int ItemValue(const HardwareParams& hw, const ChannelRecord& channel, int item);
// Stores a shown value for the channel in `slot` (0..255; the caller holds
// the read-back items to 0..100): works the base value back where the item
// varies with frequency, recomputes the tuning values of every channel and
// marks the image modified. `table` must work on `hw`.
void StoreItem(HardwareParams& hw, ChannelTable& table, int slot, int item, int value);
// The tuning values of every channel from the current alignment data.
void RecomputeTuningCache(ChannelTable& table);

// The sub-audio word the radio takes with 34h/35h: the CTCSS tone in tenths
// of a hertz, or the DCS code's octal digits d1 d2 d3 as d1*64 + d2*8 + d3.
unsigned SubAudioWord(const ChannelRecord& channel);

// The read-only channel fields of the Alignment dialog.
struct AlignmentChannelTexts {
    std::string rxFrequency;  // "%9.5f "
    std::string txFrequency;
    std::string power;      // "High" or "Low "
    std::string subAudio;   // "None ", "CTCSS" or "DCS  "
    std::string toneCode;   // "-----", "%5.1f" Hz or "%.3d  "
    std::string bandwidth;  // "Wide 5kHz", "Wide 4kHz" or "Narrow"
};
AlignmentChannelTexts ChannelTexts(const ChannelRecord& channel);

}  // namespace kp07
