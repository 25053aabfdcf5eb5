#include "link/link_state.h"

#include <map>
#include <mutex>

#include "link/posix_serial_driver.h"
#include "link/serial_port.h"

namespace kp07 {

std::unique_ptr<SerialPort> currentPort;
int breakSeen = 0;
int handshakePhase = 0;
int comPort = 1;
int comSpeed = 0;
int uploadSucceeded = 0;
int verifyAfterDownload = 0;
std::unique_ptr<RadioImage> referenceImage;

namespace {

std::mutex portMapMutex;
std::map<int, std::string> portDevices;

std::unique_ptr<SerialDriver> MakePosixDriver() {
    return std::make_unique<PosixSerialDriver>();
}

SerialDriverFactory& DriverFactory() {
    static SerialDriverFactory factory = MakePosixDriver;
    return factory;
}

}  // namespace

int NormalisePortNumber(int portNumber) {
    return portNumber >= kFirstComPort && portNumber <= kLastComPort ? portNumber : kFirstComPort;
}

std::string PortName(int portNumber) {
    return "COM" + std::to_string(NormalisePortNumber(portNumber));
}

std::string PortDevice(int portNumber) {
    const int n = NormalisePortNumber(portNumber);
    {
        std::lock_guard<std::mutex> lock(portMapMutex);
        const auto it = portDevices.find(n);
        if (it != portDevices.end()) return it->second;
    }
    return "/dev/ttyS" + std::to_string(n - 1);
}

void SetPortDevice(int portNumber, const std::string& device) {
    const int n = NormalisePortNumber(portNumber);
    std::lock_guard<std::mutex> lock(portMapMutex);
    if (device.empty()) {
        portDevices.erase(n);
    } else {
        portDevices[n] = device;
    }
}

std::uint32_t LinkBaud() {
    return comSpeed != 0 ? 19200 : 9600;
}

SerialDriverFactory SetSerialDriverFactory(SerialDriverFactory factory) {
    SerialDriverFactory previous = DriverFactory();
    DriverFactory() = factory ? std::move(factory) : SerialDriverFactory(MakePosixDriver);
    return previous;
}

std::unique_ptr<SerialDriver> MakeSerialDriver() {
    return DriverFactory()();
}

SerialPort& ReplaceCurrentPort() {
    currentPort.reset();  // closes the line before the new object may open it
    currentPort = std::make_unique<SerialPort>();
    return *currentPort;
}

SerialPort& CurrentPort() {
    if (!currentPort) currentPort = std::make_unique<SerialPort>();
    return *currentPort;
}

void ResetLinkStateForTest() {
    currentPort.reset();
    breakSeen = 0;
    handshakePhase = 0;
    comPort = 1;
    comSpeed = 0;
    uploadSucceeded = 0;
    verifyAfterDownload = 0;
    referenceImage.reset();
    {
        std::lock_guard<std::mutex> lock(portMapMutex);
        portDevices.clear();
    }
    DriverFactory() = MakePosixDriver;
}

}  // namespace kp07
