// Shared pieces of the link tests: an owner that records what a job reports
// and says, and a fixture with a fresh document and a simulated cable.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "image/radio_image.h"
#include "link/simulated_line.h"
#include "link/transfer_owner.h"
#include "support/message_recorder.h"

namespace kp07::test {

class RecordingOwner : public TransferOwner {
  public:
    struct Report {
        unsigned message;
        unsigned value;
        std::int64_t atMs;
    };

    void PostReport(unsigned message, unsigned value) override;
    bool TakeCancel() override;
    MsgResult Ask(int id, MsgButtons buttons, MsgIcon icon, const std::string& arg1) override;
    std::string KeepRadioImage(const RadioImage& radio) override;

    // Called for every report (after it is recorded).
    std::function<void(unsigned message, unsigned value)> onReport;
    // Polled at every cancel check; true means the user pressed Cancel.
    std::function<bool()> cancelWhen;
    // What a download read before writing, once per KeepRadioImage call;
    // `keepError` is what the owner answers.
    std::vector<RadioImage> kept;
    std::string keepError;

    std::vector<Report> reports;

    bool Posted(unsigned message, unsigned value) const;
    int Count(unsigned message) const;
    // Values of every report of `message`, in order.
    std::vector<unsigned> Values(unsigned message) const;
};

// Random bytes with firmware 4.00 in bytes 0-1.
RadioImage RadioMemory(std::mt19937& rng);

class LinkTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A cable to a radio holding `memory`, in clone mode at `baud` (0: idle).
    SimulatedCable& Cable(const RadioImage& memory, std::uint32_t cloneBaud = 9600);
    SimulatedCable& cable() { return *cable_; }
    // Exactly one message was shown: `text` with `icon`.
    void ExpectOnlyMessage(const std::string& text, MsgIcon icon);

    MessageRecorder messages;
    RecordingOwner owner;
    std::mt19937 rng{318};
    // What the radio holds where a test needs no particular content.
    const RadioImage memory = RadioMemory(rng);

  private:
    std::unique_ptr<SimulatedCable> cable_;
};

// A document image as the program holds it before a download: defaults,
// firmware 4.00, rebuilt; the program-wide blocks loaded from it.
void MakeDocument();
// Bytes [first, last] of `image` as a vector (for readable comparisons).
std::vector<std::uint8_t> Slice(const RadioImage& image, std::size_t first, std::size_t last);

}  // namespace kp07::test
