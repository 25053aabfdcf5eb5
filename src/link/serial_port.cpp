#include "link/serial_port.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "link/link_clock.h"
#include "link/link_state.h"

namespace kp07 {
namespace {

// Diagnostic trace of the line set-up, on standard error when the
// environment variable KP07_LINK_TRACE is set.
void Trace(const char* format, ...) {
    static const bool enabled = std::getenv("KP07_LINK_TRACE") != nullptr;
    if (!enabled) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
}

constexpr int kSettleMs = 140;  // the line settles between the two set-up passes

}  // namespace

ReadLimits ReadLimitsFor(std::size_t count) {
    ReadLimits limits;
    limits.intervalMs = 100;
    limits.totalMs = int(5 * count + 500);
    return limits;
}

int WriteLimitMsFor(std::size_t count) {
    return int(100 * count + 5000);
}

SerialPort::SerialPort() : SerialPort(MakeSerialDriver()) {}

SerialPort::SerialPort(std::unique_ptr<SerialDriver> driver) : driver_(std::move(driver)) {}

SerialPort::~SerialPort() {
    ClosePort();
}

bool SerialPort::OpenPort(std::uint32_t baud) {
    if (IsOpen()) return true;
    settings_.baudRate = baud;
    settings_.portNumber = NormalisePortNumber(comPort);
    settings_.byteSize = 8;
    settings_.stopBits = 2;
    settings_.parity = 0;
    return InitializePort() != 0;
}

int SerialPort::InitializePort() {
    device_ = PortDevice(settings_.portNumber);
    setupError_ = 0;
    if (!driver_) {
        openError_ = ENODEV;
        return 0;
    }
    openError_ = driver_->Open(device_);
    if (openError_ != 0) return 0;
    errno = 0;
    if (SetupConnection()) {
        settings_.connected = 1;
        return 1;
    }
    // The call the line refused left its reason in errno.
    setupError_ = errno != 0 ? errno : EIO;
    settings_.connected = 0;
    // A line that refused its settings is of no use; close it so that a later
    // OpenPort on this object tries again instead of taking it as open.
    driver_->Close();
    return 0;
}

int SerialPort::SetupConnection() {
    LinkClock& clock = linkClock();
    const std::int64_t start = clock.NowMs();
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            clock.SleepMs(kSettleMs);
            Trace("SetupConnection Sleep\n");
        }
        if (!driver_->Configure(settings_.baudRate)) return 0;
    }
    Trace("InitializePort took %d ms\n", int(clock.NowMs() - start));
    return 1;
}

void SerialPort::ClosePort() {
    if (driver_) driver_->Close();
}

bool SerialPort::WriteBytes(const std::uint8_t* data, std::size_t count) {
    if (count > kSerialQueueSize || !IsOpen()) return false;
    return driver_->Write(data, count, WriteLimitMsFor(count));
}

bool SerialPort::WriteWithEcho(const std::uint8_t* data, std::size_t count) {
    if (!WriteBytes(data, count)) return false;
    if (!driver_->Drain()) return false;
    // Every echo byte is read back, long writes included: an echo byte left
    // in the queue would be taken for the radio's answer (a late echo 06h
    // for its ACK). The echo is awaited like any reply, within the read
    // limit: the bytes have left the line, so a missing echo means a lead
    // that is not there, and the protocol's own retries decide what then.
    std::vector<std::uint8_t> echo(count);
    return ReadBytes(echo.data(), count) == kReadOk;
}

int SerialPort::CheckLineErrors() {
    const unsigned mask = driver_->TakeErrors();
    if (mask == 0) return kReadOk;
    const bool breakOnly = mask == kLineBreak;
    const bool powerUpGlitch = handshakePhase && (mask & ~(kLineBreak | kLineFraming)) == 0;
    if (breakOnly || powerUpGlitch) {
        driver_->PurgeReceive();
        breakSeen = 1;
        return kReadNothing;
    }
    return kReadLineError;  // the received bytes stay for the next read
}

int SerialPort::ReadOneByte(std::uint8_t* data, std::size_t* count) {
    *count = 0;
    if (!IsOpen()) return kReadNothing;
    const int errors = CheckLineErrors();
    if (errors != kReadOk) return errors;
    if (!driver_->Read(data, 1, count, ReadLimitsFor(1))) return kReadNothing;
    // A line event that ended the wait is this read's finding.
    return *count == 0 ? CheckLineErrors() : kReadOk;
}

int SerialPort::ReadByte(std::uint8_t* byte) {
    std::size_t count = 0;
    const int result = ReadOneByte(byte, &count);
    if (count == 0) return kReadNothing;
    return result != kReadOk ? kReadLineError : kReadOk;
}

int SerialPort::ReadWithin(std::uint8_t* data, std::size_t count, ReadLimits limits) {
    if (!IsOpen()) return kReadNothing;
    const int errors = CheckLineErrors();
    if (errors != kReadOk) return errors;
    std::size_t got = 0;
    if (!driver_->Read(data, count, &got, limits)) return kReadNothing;
    if (got == count) return kReadOk;
    const int late = CheckLineErrors();  // a line event that ended the wait
    return late != kReadOk ? late : kReadNothing;
}

int SerialPort::ReadBytes(std::uint8_t* data, std::size_t count) {
    return ReadWithin(data, count, ReadLimitsFor(count));
}

void SerialPort::PurgeReceive() {
    if (IsOpen()) driver_->PurgeReceive();
}

bool SerialPort::StaysQuiet(int ms) {
    if (!IsOpen()) return false;
    std::uint8_t byte = 0;
    std::size_t got = 0;
    ReadLimits limits;
    limits.totalMs = ms;
    if (!driver_->Read(&byte, 1, &got, limits) || got != 0) return false;
    // A line event ends the wait as a byte does.
    return driver_->TakeErrors() == 0;
}

}  // namespace kp07
