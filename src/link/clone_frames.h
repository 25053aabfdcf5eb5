// The frame layer of the clone link. A frame is a command byte, a length byte
// L (data bytes + 1), L-1 data bytes and an 8-bit sum of everything before
// it. The PC reads a 128-byte block with F2h (the radio answers with an F2h
// frame carrying the block) and writes one with F3h (the radio answers with
// the single byte ACK 06h).
#pragma once

#include <cstddef>
#include <cstdint>

namespace kp07 {

constexpr int kBlockSize = 128;
constexpr int kBlockCount = 61;  // 61 x 128 = the 7808-byte image buffer

constexpr std::uint8_t kCmdReadBlock = 0xF2;
constexpr std::uint8_t kCmdWriteBlock = 0xF3;
constexpr std::uint8_t kReadRequestLength = 0x02;
constexpr std::uint8_t kBlockReplyLength = 0x81;
constexpr std::uint8_t kBlockWriteLength = 0x82;
constexpr std::uint8_t kAckByte = 0x06;
constexpr std::uint8_t kWakeUpByte = 0x55;     // the radio, after it was switched on
constexpr std::uint8_t kSpeedByte9600 = 0x20;  // the PC's answer: link at 9600 baud
constexpr std::uint8_t kSpeedByte19200 = 0x21;

// Outcomes of the frame layer.
constexpr int kLinkOk = 0;
constexpr int kLinkFailed = 1;   // write or echo failed, line error, reply did not match
constexpr int kLinkSilent = 2;   // nothing arrived (time limit, BREAK)
constexpr int kLinkRefused = 3;  // a byte other than ACK came back

// Low 8 bits of command + length + data.
std::uint8_t FrameSum(std::uint8_t command, std::uint8_t length, const std::uint8_t* data,
                      std::size_t count);

// Sends one frame on the current port (one attempt). With `pauseFirst` the
// radio first gets 150 ms to finish what it was doing.
int SendFrame(std::uint8_t command, std::uint8_t length, const std::uint8_t* data, bool waitAck,
              bool pauseFirst);
// Receives a frame of the expected command and length; stores its L-1 data bytes.
int ReceiveFrame(std::uint8_t command, std::uint8_t length, std::uint8_t* destination);
// Asks for block `block` and stores its 128 bytes.
int RequestBlock(int block, std::uint8_t* destination);
// Writes 128 bytes as block `block` and waits for the radio's ACK.
int SendBlock(int block, const std::uint8_t* data);

}  // namespace kp07
