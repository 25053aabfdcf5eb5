// What the fuzz targets share: a reader that turns the fuzzer's bytes into
// choices, a message backend that answers every box without a user, and the
// reset of the program-wide state between inputs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "image/radio_image.h"
#include "resources/message.h"

namespace kp07 {
class HardwareParams;
}

namespace kp07::fuzz {

// Takes values from the front of the input; once it is used up every value
// reads as 0 (or empty), so a short input is still a whole run.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    std::size_t left() const { return size_ - pos_; }
    std::uint8_t Byte();
    bool Bool() { return Byte() & 1; }
    // A number in [lo, hi] from up to four bytes.
    int Int(int lo, int hi);
    // Up to `max` bytes, the count chosen by the input.
    std::string Text(std::size_t max);
    std::vector<std::uint8_t> Bytes(std::size_t count);
    // Everything not taken yet.
    std::vector<std::uint8_t> Rest();

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Answers every message box: OK, Yes or Retry when `agree` is set, else the
// cautious answer. Counts the boxes.
class SilentMessages : public MessageBackend {
  public:
    MsgResult Show(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
    bool agree = false;
    int shown = 0;
};

// A fresh process's state (image, blocks, flags, link, messages) with the
// given backend installed.
void ResetState(MessageBackend* messages);

// The image a new document gets: every block's defaults, firmware 4.00.
const RadioImage& DefaultImage();
// `bytes` laid over a zeroed image (cut at the image's size).
RadioImage ImageFrom(const std::vector<std::uint8_t>& bytes);

// Loads and stores (or saves) after which damaged data has been put right:
// each pass may correct what the previous one made of a damaged value (a
// transmit frequency outside damaged limits becomes the receive frequency,
// which may itself lie beyond the synthesizer's count). After them the bytes
// must not change any more, and never swing back and forth.
constexpr int kSettlingPasses = 4;

// Stops the program with a message on standard error: the fuzzer takes the
// abort as a finding, like a sanitizer report.
[[noreturn]] void Fail(const char* what);
// Fails with `what` when the images differ, naming the first bytes that do.
void SameOrFail(const RadioImage& expected, const RadioImage& actual, const char* what);

// Runs `pass` over `image` (loads fresh blocks from it and stores them) until
// the bytes settle; fails with `what` when they still change after
// kSettlingPasses passes. A pass depends on the image alone, so the first pass
// that changes nothing has reached the bytes every later pass keeps, and the
// remaining passes are skipped.
template <class Pass>
void SettleOrFail(RadioImage& image, Pass pass, const char* what) {
    for (int done = 0; done < kSettlingPasses; ++done) {
        const RadioImage before = image;
        pass(image);
        if (image == before) return;
    }
    const RadioImage settled = image;
    pass(image);
    SameOrFail(settled, image, what);
}

// The channel table loaded from `image` and stored, until the bytes settle.
void SettleChannelTable(const HardwareParams& hardware, RadioImage& image, const char* what);

}  // namespace kp07::fuzz
