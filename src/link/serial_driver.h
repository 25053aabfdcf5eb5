// The operating-system side of the serial port: one open line, raw bytes,
// time limits and line errors. SerialPort holds one of these; the program uses
// PosixSerialDriver, the unit tests a simulated line in the same process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kp07 {

// Line-error bits, fetched and cleared before every read.
constexpr unsigned kLineRxOverflow = 0x01;  // the receive queue was full
constexpr unsigned kLineOverrun = 0x02;     // the UART lost characters
constexpr unsigned kLineParity = 0x04;
constexpr unsigned kLineFraming = 0x08;
constexpr unsigned kLineBreak = 0x10;  // the line was held low for longer than a character

// Receive and transmit queue size; no write may be longer.
constexpr std::size_t kSerialQueueSize = 4096;

// A read gives up when `totalMs` have passed since it started or, once a byte
// has arrived, when no further byte came for `intervalMs` (0: no such limit).
struct ReadLimits {
    int intervalMs = 0;
    int totalMs = 0;
};

class SerialDriver {
  public:
    virtual ~SerialDriver() = default;

    // Opens the device for exclusive use: 0, or the errno value of the failure.
    virtual int Open(const std::string& device) = 0;
    // One pass of the line set-up: raw bytes, 8 data bits, no parity, two stop
    // bits, no flow control, DTR and RTS on. False when the line refuses it.
    virtual bool Configure(std::uint32_t baud) = 0;
    // DTR off, both directions purged, device closed. Harmless when closed.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Hands all `count` bytes to the line within `timeoutMs`.
    virtual bool Write(const std::uint8_t* data, std::size_t count, int timeoutMs) = 0;
    // Waits until every byte written has left the line.
    virtual bool Drain() = 0;
    // Reads up to `count` bytes within `limits`; `got` tells how many came.
    // False only when the read itself failed (a time-out is not a failure).
    virtual bool Read(std::uint8_t* data, std::size_t count, std::size_t* got,
                      ReadLimits limits) = 0;
    // The line errors seen since the last call; the mask is cleared.
    virtual unsigned TakeErrors() = 0;
    // Discards everything received and not yet read.
    virtual void PurgeReceive() = 0;
};

}  // namespace kp07
