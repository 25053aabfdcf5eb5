// Program-wide state of the radio link: the one serial port object, the line
// flags the clone link uses, the configured port and speed, where each COM
// port number leads on this machine, and the reference image of alignment.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "image/radio_image.h"

namespace kp07 {

class SerialPort;
class SerialDriver;

// The one port object. Callers never reconfigure it: to change speed or reset
// the line they replace it (ReplaceCurrentPort).
extern std::unique_ptr<SerialPort> currentPort;
// Set by a read that found a BREAK; cleared by the link start.
extern int breakSeen;
// 1 while the link start waits for the radio's wake-up byte: a framing error
// then counts as a BREAK (the radio's power-up glitch).
extern int handshakePhase;
// Configured port number (1..16) and speed choice (0 = 9600, else 19200).
extern int comPort;
extern int comSpeed;
// Set by an upload that completed; alignment mode reads it.
extern int uploadSucceeded;
// Non-zero: a download reads the radio back after writing and compares.
extern int verifyAfterDownload;
// What the radio held when alignment began; null outside alignment mode.
extern std::unique_ptr<RadioImage> referenceImage;

constexpr int kFirstComPort = 1;
constexpr int kLastComPort = 16;

// 1..16 stay, anything else becomes 1.
int NormalisePortNumber(int portNumber);
// "COM1" .. "COM16".
std::string PortName(int portNumber);
// The device behind a port number: the mapped device, else /dev/ttyS(n-1).
std::string PortDevice(int portNumber);
// Maps COMn to a device ("" removes the mapping). The desktop program fills
// the map from its profile; the command-line tool from --device.
void SetPortDevice(int portNumber, const std::string& device);
// The speed of the clone link: 19200 when comSpeed is non-zero, else 9600.
std::uint32_t LinkBaud();

// Where new port objects get their line from (the termios driver unless a
// test installed a simulated line). Returns the previous factory.
using SerialDriverFactory = std::function<std::unique_ptr<SerialDriver>()>;
SerialDriverFactory SetSerialDriverFactory(SerialDriverFactory factory);
std::unique_ptr<SerialDriver> MakeSerialDriver();

// Deletes the port object (which closes the line) and creates a fresh one.
SerialPort& ReplaceCurrentPort();
// The port object, created if there is none.
SerialPort& CurrentPort();

// Puts the state above back to how a fresh process starts (tests only).
void ResetLinkStateForTest();

}  // namespace kp07
