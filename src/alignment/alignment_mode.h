// Entering and leaving the radio's alignment state.
//
// The way in: the radio's image is read into the reference image (and the
// document), the radio is asked to restart (a raw 38h), its wake-up byte is
// answered with a raw 30h instead of a speed byte, which starts alignment, and
// channel 1 is selected. The way out: 38h in a frame, the wake-up byte
// answered with the speed byte (a clone link again), and, when items were
// stored, the blocks that differ from the reference image are written.
#pragma once

#include <functional>

namespace kp07 {

// An item was stored since alignment began; decides whether leaving writes
// the image into the radio.
extern int alignmentModified;

// Runs the transfer dialog in a transfer mode (2: the radio into the
// reference image and the document; 3: the blocks that differ from the
// reference image). False when the user cancelled it.
using TransferRunner = std::function<bool(int mode)>;

// String-table ids.
constexpr int kMsgAlignmentCaution = 110;
constexpr int kMsgChannelError = 5200;  // "Ch Error"

// Asks the caution question, reads the radio and brings it into alignment
// with channel 1 selected. True when the Alignment dialog may open; on false
// the reference image is gone again. The caller rebuilt the image and put a
// fresh port object in place.
bool EnterAlignment(const TransferRunner& runTransfer);
// Brings the radio back into a clone link and, after the question, writes
// what alignment changed. Frees the reference image.
void LeaveAlignment(const TransferRunner& runTransfer);

// Puts the flag above back to how a fresh process starts (tests only).
void ResetAlignmentStateForTest();

}  // namespace kp07
