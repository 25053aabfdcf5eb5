#include "link/clone_frames.h"

#include <algorithm>
#include <vector>

#include "link/link_clock.h"
#include "link/link_state.h"
#include "link/serial_port.h"

namespace kp07 {
namespace {

constexpr int kPauseBeforeWriteMs = 150;
constexpr int kAckReads = 3;

// One byte of a frame: kLinkOk, or the outcome that ends the frame.
int ReadFrameByte(SerialPort& port, std::uint8_t* byte) {
    const int r = port.ReadByte(byte);
    if (r == kReadOk) return kLinkOk;
    return r == kReadNothing ? kLinkSilent : kLinkFailed;
}

// After a frame (or its ACK) the radio says nothing until it is asked again.
// A byte right behind the checksum means the frame was not what it seemed: a
// stray byte on the line shifted it by one, and the 8-bit sum, which such a
// shift passes once in 256 times, proved nothing. An ACK with a byte right
// behind it may be noise in front of a refusal. Three character times, and
// at least 2 ms.
bool QuietAfterFrame(SerialPort& port) {
    const std::uint32_t baud = port.settings().baudRate != 0 ? port.settings().baudRate : 9600;
    const int ms = std::max<int>(2, int((3 * 11 * 1000 + baud - 1) / baud));
    return port.StaysQuiet(ms);
}

}  // namespace

std::uint8_t FrameSum(std::uint8_t command, std::uint8_t length, const std::uint8_t* data,
                      std::size_t count) {
    unsigned sum = unsigned(command) + length;
    for (std::size_t i = 0; i < count; ++i) sum += data[i];
    return std::uint8_t(sum);
}

int SendFrame(std::uint8_t command, std::uint8_t length, const std::uint8_t* data, bool waitAck,
              bool pauseFirst) {
    SerialPort& port = CurrentPort();
    if (pauseFirst) linkClock().SleepMs(kPauseBeforeWriteMs);
    port.PurgeReceive();
    if (!port.WriteWithEcho(&command, 1) || !port.WriteWithEcho(&length, 1)) return kLinkFailed;
    const std::size_t count = length > 0 ? length - 1u : 0u;
    const std::uint8_t sum = FrameSum(command, length, data, count);
    if (count > 0 && !port.WriteWithEcho(data, count)) return kLinkFailed;
    if (!port.WriteWithEcho(&sum, 1)) return kLinkFailed;
    if (!waitAck) return kLinkOk;
    for (int i = 0; i < kAckReads; ++i) {
        std::uint8_t reply = 0;
        const int r = port.ReadByte(&reply);
        if (r == kReadNothing) continue;
        if (r == kReadLineError) return kLinkFailed;
        if (reply != kAckByte) return kLinkRefused;
        return QuietAfterFrame(port) ? kLinkOk : kLinkFailed;
    }
    return kLinkSilent;
}

int ReceiveFrame(std::uint8_t command, std::uint8_t length, std::uint8_t* destination) {
    SerialPort& port = CurrentPort();
    std::uint8_t byte = 0;
    int r = ReadFrameByte(port, &byte);
    if (r != kLinkOk) return r;
    if (byte != command) return kLinkFailed;
    r = ReadFrameByte(port, &byte);
    if (r != kLinkOk) return r;
    if (byte != length) return kLinkFailed;
    // The data a byte at a time, each with the wait of a single byte: a
    // radio that pauses inside a reply is waited for as at its start.
    const std::size_t count = length > 0 ? length - 1u : 0u;
    for (std::size_t i = 0; i < count; ++i) {
        r = ReadFrameByte(port, &destination[i]);
        if (r != kLinkOk) return r;
    }
    std::uint8_t sum = 0;
    if (port.ReadByte(&sum) != kReadOk) return kLinkSilent;
    if (sum != FrameSum(command, length, destination, count)) return kLinkFailed;
    return QuietAfterFrame(port) ? kLinkOk : kLinkFailed;
}

int RequestBlock(int block, std::uint8_t* destination) {
    const std::uint8_t number = std::uint8_t(block);
    if (SendFrame(kCmdReadBlock, kReadRequestLength, &number, false, false) != kLinkOk) {
        return kLinkFailed;
    }
    return ReceiveFrame(kCmdReadBlock, kBlockReplyLength, destination);
}

int SendBlock(int block, const std::uint8_t* data) {
    std::vector<std::uint8_t> frame(1 + kBlockSize);
    frame[0] = std::uint8_t(block);
    for (int i = 0; i < kBlockSize; ++i) frame[1 + i] = data[i];
    return SendFrame(kCmdWriteBlock, kBlockWriteLength, frame.data(), true, true);
}

}  // namespace kp07
