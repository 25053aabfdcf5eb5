// Reading and writing the radio's whole image over the clone link.
//
// A radio starts a clone link itself: switched off and on with the cable in,
// it sends the wake-up byte 55h at 9600 baud and the PC answers with the
// speed byte for the rest of the link. A radio already in clone mode at the
// configured speed answers a block request at once, so the user is asked to
// power-cycle the radio only when the first request goes unanswered.
//
// A download first reads the radio again: its hardware configuration must
// match the document's, its factory data (alignment values, production and
// serial number, firmware version) is carried over into the document, and
// then only the blocks that differ from what the radio holds are written
// (the last block, with the factory data and the checksum, always).
#pragma once

#include <string>

#include "image/radio_image.h"
#include "link/transfer_owner.h"

namespace kp07 {

class SerialPort;

// Results of the block loops.
constexpr int kLoopDone = 0;
constexpr int kLoopStopped = 1;  // cancelled, or stopped after a message
constexpr int kLoopTooManyErrors = 8;

// Power-cycle prompts.
constexpr int kPromptUpload = 0;
constexpr int kPromptDownload = 1;

// The message for a port that would not open: the permission message (with
// the device as %1) when the account may not open the device, else "Problem
// with COM port" with a second line naming the device and the system's
// reason. Returns the string id and sets `arg1`.
int PortOpenFailureMessage(const SerialPort& port, std::string* arg1);

// Starts the link (asking for the power cycle when needed) and reads all 61
// blocks into `destination`.
bool ReadRadioImage(TransferOwner& owner, RadioImage& destination, ProgressCounter& progress,
                    int promptKind);
int ReadBlocks(TransferOwner& owner, RadioImage& destination, ProgressCounter& progress);

// Reads the radio into `scratch`, checks and merges into the document image
// (radioImage), then writes the blocks that differ.
bool PrepareDownload(TransferOwner& owner, RadioImage& scratch, ProgressCounter& progress);
// Carries the radio's factory data into the document, by the rules of normal
// and factory mode (reads and clears identityEdited and imageBytesEdited).
void MergeRadioFactoryData(RadioImage& document, const RadioImage& radio);

// Writes `source` over a fresh port at the link speed. Blocks 0..59 equal to
// the same block of `comparison` are not sent (null: every block is sent).
bool WriteRadioImage(TransferOwner& owner, const RadioImage& source, ProgressCounter& progress,
                     const RadioImage* comparison);
int WriteBlocks(TransferOwner& owner, const RadioImage& source, ProgressCounter& progress,
                const RadioImage* comparison);

}  // namespace kp07
