// The commands of the radio's alignment state, on the current port. They use
// the frame format of the clone link (command, length = data bytes + 1, data,
// 8-bit sum), each sent once with the receive side purged first; all but the
// status request (answered with a status frame) and the leave command
// (answered by nothing) are acknowledged with 06h. Everything here runs on the
// user-interface thread with synchronous port I/O.
//
// Channels are slot indexes (0-based) of the program-wide channel table;
// values come from the program-wide hardware block.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kp07 {

constexpr std::uint8_t kAlignSelectChannel = 0x30;  // channel index
constexpr std::uint8_t kAlignStatus = 0x31;         // -> status frame, 4 bytes
constexpr std::uint8_t kAlignLevel = 0x32;          // power or receiver level
constexpr std::uint8_t kAlignDeviation = 0x33;      // max deviation, max reference deviation
constexpr std::uint8_t kAlignCtcss = 0x34;          // modulation, tone high, tone low
constexpr std::uint8_t kAlignDcs = 0x35;            // modulation, code high, code low
constexpr std::uint8_t kAlignStartTransmit = 0x36;
constexpr std::uint8_t kAlignEndTransmit = 0x37;
constexpr std::uint8_t kAlignLeave = 0x38;
constexpr std::uint8_t kAlignRfFrequency = 0x39;  // reference frequency value
constexpr std::uint8_t kAlignDtmf = 0x3A;         // DTMF deviation, 1
constexpr std::uint8_t kAlignMic = 0x3B;          // microphone sensitivity

// Single bytes outside frames: the restart request after the entry upload
// and the answer to the wake-up byte that starts alignment.
constexpr std::uint8_t kRawRestart = 0x38;
constexpr std::uint8_t kRawStartAlignment = 0x30;

// Status bytes used: 1 the squelch reading, 2 the RSSI reading.
using AlignmentStatus = std::array<std::uint8_t, 4>;

// One acknowledged command: the frame layer's outcome (0 acknowledged).
int SendAlignmentCommand(std::uint8_t command, const std::vector<std::uint8_t>& data);

// Selects a channel on the radio (30h, acknowledged), then gives it the
// channel's receiver sensitivity (32h) and the reference frequency (39h),
// whose outcomes do not matter. 0, or the outcome of the 30h.
int SelectChannel(int channel);
// Sends the live command of `item` for `value` (see the item table); item 0
// only while transmitting. Non-zero when any frame failed.
int SendLiveValue(int channel, int item, int value, bool transmitting);
// The status frame (31h), up to three attempts 100 ms apart. 0 on success.
int ReadStatus(AlignmentStatus& status);
// The slider editor's start for a transmitting item: 36h, and once the radio
// transmits, the channel's current settings (level, microphone, deviations,
// the sub-audio tone, and for the DTMF item its deviation). True when the
// radio transmits.
bool StartTestTransmission(int channel, int item);
// 37h; the outcome.
int EndTestTransmission();

}  // namespace kp07
