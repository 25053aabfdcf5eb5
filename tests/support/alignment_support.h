// Shared pieces of the alignment tests: transfers run at once on the test's
// thread, and the radio's record of what it was told, as readable texts.
#pragma once

#include <string>
#include <vector>

#include "alignment/alignment_mode.h"
#include "image/radio_image.h"
#include "link/radio_simulator.h"
#include "link/transfer_owner.h"

namespace kp07::test {

// A radio as the program reads it: the defaults of a new document with
// firmware 4.00 and the given reference frequency and microphone values,
// rebuilt. Needs the program-wide blocks; loads them from the result.
RadioImage AlignedRadioImage(std::uint8_t rfFrequency, std::uint8_t micSensitivity);

// Runs the transfer job of a mode at once on the calling thread, as the
// transfer dialog runs it on its worker. Messages go to the message backend.
class InlineTransfers : public TransferOwner {
  public:
    void PostReport(unsigned, unsigned) override {}
    bool TakeCancel() override { return cancel; }
    MsgResult Ask(int id, MsgButtons buttons, MsgIcon icon, const std::string& arg1) override;

    // The runner for EnterAlignment and LeaveAlignment: false (as a
    // cancelled dialog) when `cancel` is set.
    TransferRunner Runner();

    bool cancel = false;
    std::vector<int> modes;  // every mode run, in order
};

// What the radio was told since the last call, oldest first, as texts such
// as "raw 38h" or "33h 80 40"; block frames and status requests are left
// out. With `clear` the record is emptied.
std::vector<std::string> ToldTexts(RadioSimulator& radio, bool clear = true);
// The time (ms) at which the radio took the first item whose text is `text`,
// or -1.
std::int64_t ToldAtMs(const RadioSimulator& radio, const std::string& text);

}  // namespace kp07::test
