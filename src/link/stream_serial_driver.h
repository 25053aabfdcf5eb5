// A serial driver over a byte stream in which the line discipline marks line
// events: with PARMRK a received FF arrives as FF FF, a BREAK as FF 00 00 and
// a character c with a framing or parity error as FF 00 c. This base decodes
// the stream into data bytes and the error mask and implements the reads with
// their time limits; subclasses only fetch raw bytes.
#pragma once

#include <cstdint>
#include <deque>

#include "link/serial_driver.h"

namespace kp07 {

// Turns the marked stream back into data bytes and line-error bits. A marker
// may be split over two reads: the decoder keeps its place in between.
class ParmrkDecoder {
  public:
    // Feeds one raw byte. Returns true and sets `data` when it completes a data
    // byte; ORs any line event into `errors`.
    bool Feed(std::uint8_t raw, std::uint8_t* data, unsigned* errors);
    void Reset() { state_ = State::kData; }

  private:
    enum class State { kData, kAfterFF, kAfterFF00 };
    State state_ = State::kData;
};

class StreamSerialDriver : public SerialDriver {
  public:
    bool Read(std::uint8_t* data, std::size_t count, std::size_t* got, ReadLimits limits) override;
    unsigned TakeErrors() override;
    void PurgeReceive() override;

  protected:
    // Waits up to `waitUs` (0: does not wait) for raw bytes and reads at most
    // `max` of them. Returns the count (0 when none came), -1 on failure.
    virtual int Fill(std::uint8_t* raw, std::size_t max, std::int64_t waitUs) = 0;
    // Discards what the operating system holds on the receive side.
    virtual void FlushInput() = 0;
    // Forgets everything decoded (on open and close).
    void ResetReceiveState();
    // ORs bits into the error mask (for events the stream does not carry).
    void AddErrors(unsigned bits) { errors_ |= bits; }

  private:
    // Moves raw bytes into the decoded queue; -1 on failure, else raw count.
    int Pump(std::int64_t waitUs);

    ParmrkDecoder decoder_;
    std::deque<std::uint8_t> received_;
    unsigned errors_ = 0;
};

}  // namespace kp07
