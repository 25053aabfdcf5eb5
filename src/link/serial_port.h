// The one piece of code that touches the serial line to the programming
// cable. The cable is a one-wire half-duplex link: every byte the PC sends
// also comes back into its own receive side, so every write here consumes that
// echo before anyone looks for the radio's answer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/serial_driver.h"

namespace kp07 {

struct PortSettings {
    int portNumber = 0;  // 1..16, from comPort when opening
    int connected = 0;   // 1 after a fully successful open
    std::uint8_t byteSize = 8;
    std::uint8_t parity = 0;    // none
    std::uint8_t stopBits = 2;  // two
    std::uint32_t baudRate = 0;
};

// Results of the reads.
constexpr int kReadOk = 0;
constexpr int kReadLineError = 1;
constexpr int kReadNothing = 2;  // time limit, BREAK or failure

class SerialPort {
  public:
    // A closed port on a line from the installed driver factory.
    SerialPort();
    explicit SerialPort(std::unique_ptr<SerialDriver> driver);
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens port comPort at `baud` (9600 or 19200). A port that is already
    // open stays as it is and the call succeeds.
    bool OpenPort(std::uint32_t baud);
    // Opens the device and sets the line up; non-zero on success.
    int InitializePort();
    // Programs the line settings (twice, the second time after a pause in
    // which the line settles); non-zero on success.
    int SetupConnection();
    // DTR off, both sides purged, line closed.
    void ClosePort();

    // Writes `count` bytes (at most the queue size) within 100 ms per byte
    // plus 5 s.
    bool WriteBytes(const std::uint8_t* data, std::size_t count);
    // Writes, waits until the bytes have left, and reads back exactly as many
    // echo bytes within the read limit (5 ms per byte plus half a second).
    // A missing echo fails the write.
    bool WriteWithEcho(const std::uint8_t* data, std::size_t count);
    // One byte within about half a second: kReadOk (possibly with nothing
    // read, see `count`), kReadLineError, or kReadNothing after a BREAK or
    // a failed read. Line errors are fetched before reading; one that arrives
    // while the read waits ends the wait and is reported by this read.
    int ReadOneByte(std::uint8_t* data, std::size_t* count);
    // kReadOk when a byte arrived, else kReadNothing.
    int ReadByte(std::uint8_t* byte);
    // kReadOk only when exactly `count` bytes arrived.
    int ReadBytes(std::uint8_t* data, std::size_t count);
    void PurgeReceive();
    // True when nothing (no byte, no line event) arrives within `ms`; what
    // does arrive is taken off the line.
    bool StaysQuiet(int ms);

    bool IsOpen() const { return driver_ && driver_->IsOpen(); }
    const PortSettings& settings() const { return settings_; }
    // The device of the last open attempt and, when the open itself was
    // refused, its errno value (0 when the line set-up failed instead).
    const std::string& device() const { return device_; }
    int openError() const { return openError_; }
    // The errno value of a line set-up that failed (0 when it did not).
    int setupError() const { return setupError_; }

  private:
    // Fetches and clears the line errors. kReadOk when there were none;
    // otherwise the result the read gives without reading.
    int CheckLineErrors();
    int ReadWithin(std::uint8_t* data, std::size_t count, ReadLimits limits);

    std::unique_ptr<SerialDriver> driver_;
    PortSettings settings_;
    std::string device_;
    int openError_ = 0;
    int setupError_ = 0;
};

// How long a read of `count` bytes may take, and a write.
ReadLimits ReadLimitsFor(std::size_t count);
int WriteLimitMsFor(std::size_t count);

}  // namespace kp07
