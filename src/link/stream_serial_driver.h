// A serial driver over a byte stream in which the line discipline marks line
// events: with PARMRK a received FF arrives as FF FF, a BREAK as FF 00 00 and
// a character c with a framing or parity error as FF 00 c. This base decodes
// the stream and implements the reads with their time limits; subclasses
// only fetch raw bytes.
//
// Line events keep their place among the data: a read that is waiting ends
// at an event (as a UART's read ends with the character a BREAK produces),
// and the event's error bits are reported when the reader has reached it.
// So a BREAK from a radio powering up is seen before the wake-up byte that
// follows it, never after.
#pragma once

#include <cstdint>
#include <deque>

#include "link/serial_driver.h"

namespace kp07 {

// Turns the marked stream back into data bytes and line-error bits. A marker
// may be split over two reads: the decoder keeps its place in between.
class ParmrkDecoder {
  public:
    // Feeds one raw byte. Sets `event` to the error bits of a line event it
    // completes (else 0), and returns true with `data` set when it completes a
    // data byte (a character with a framing error gives both).
    bool Feed(std::uint8_t raw, std::uint8_t* data, unsigned* event);
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
    // How long one character takes on the line (0: unknown). A long read
    // then lets the rest of its bytes gather instead of waking for each one.
    virtual std::int64_t CharacterUs() const { return 0; }
    // Forgets everything decoded (on open and close).
    void ResetReceiveState();
    // ORs bits into the error mask (for events the stream does not carry).
    void AddErrors(unsigned bits) { errors_ |= bits; }

  private:
    // Moves raw bytes into the decoded queue; -1 on failure, else raw count.
    int Pump(std::int64_t waitUs);
    void Push(std::uint16_t item);

    ParmrkDecoder decoder_;
    // Data bytes, and line events as kEventMark | error bits.
    std::deque<std::uint16_t> received_;
    std::size_t dataCount_ = 0;
    unsigned errors_ = 0;
};

}  // namespace kp07
