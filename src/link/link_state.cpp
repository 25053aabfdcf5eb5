#include "link/link_state.h"

#include <map>
#include <mutex>

namespace kp07 {

int breakSeen = 0;
int handshakePhase = 0;
int comPort = 1;
int comSpeed = 0;
int uploadSucceeded = 0;

namespace {
std::mutex portMapMutex;
std::map<int, std::string> portDevices;
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

void ResetLinkStateForTest() {
    breakSeen = 0;
    handshakePhase = 0;
    comPort = 1;
    comSpeed = 0;
    uploadSucceeded = 0;
    std::lock_guard<std::mutex> lock(portMapMutex);
    portDevices.clear();
}

}  // namespace kp07
