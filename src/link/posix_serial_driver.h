// The serial line through termios. The line is raw (no echo, no character
// translation, no signals), 8 data bits, no parity, two stop bits, no
// RTS/CTS and no XON/XOFF; DTR and RTS are held on while the port is open
// (the programming cable draws its power from them) and DTR drops on close.
// BREAK and framing errors arrive marked in the stream (PARMRK) and are
// decoded by StreamSerialDriver.
#pragma once

#include <string>

#include "link/stream_serial_driver.h"

namespace kp07 {

class PosixSerialDriver : public StreamSerialDriver {
  public:
    PosixSerialDriver() = default;
    ~PosixSerialDriver() override;
    PosixSerialDriver(const PosixSerialDriver&) = delete;
    PosixSerialDriver& operator=(const PosixSerialDriver&) = delete;

    int Open(const std::string& device) override;
    bool Configure(std::uint32_t baud) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }
    bool Write(const std::uint8_t* data, std::size_t count, int timeoutMs) override;
    bool Drain() override;
    unsigned TakeErrors() override;

  protected:
    int Fill(std::uint8_t* raw, std::size_t max, std::int64_t waitUs) override;
    void FlushInput() override;
    std::int64_t CharacterUs() const override { return characterUs_; }

  private:
    // Sets or clears modem-control lines; a line without them is no error.
    bool ModemLines(unsigned long request, int bits);
    // Overrun counts of a real UART, when the device keeps them.
    bool ReadOverruns(unsigned long* count);

    int fd_ = -1;
    std::int64_t characterUs_ = 0;
    bool countsOverruns_ = false;
    unsigned long overruns_ = 0;
};

}  // namespace kp07
