// The profile's numbers as a hand-edited file may hold them: any port, speed,
// column items and window size, and any device text mapped to a port. What
// the program takes in must be usable: a port of 1..16 with a device name, a
// speed of 9600 or 19200, a window between the smallest one and the room.
#include <string>

#include "channels/profile_values.h"
#include "fuzz_support.h"
#include "link/link_state.h"

namespace {

using namespace kp07;
using fuzz::Fail;

int AnyInt(fuzz::FuzzInput& in) {
    return in.Int(-2147483647 - 1, 2147483647);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    fuzz::ResetState(nullptr);

    ProfileConfiguration read;
    read.comPort = AnyInt(in);
    read.comSpeed = AnyInt(in);
    for (int& item : read.items) item = in.Bool() ? AnyInt(in) : in.Int(0, 1);
    ApplyProfileConfiguration(read);
    if (comPort < kFirstComPort || comPort > kLastComPort) Fail("a port outside 1..16");
    if (comPort != read.comPort && comPort != 1) Fail("a bad port did not become COM1");
    if (comSpeed != 0 && comSpeed != 1) Fail("a speed that is neither choice");
    if (LinkBaud() != 9600 && LinkBaud() != 19200) Fail("a link speed the radio does not know");
    if (visibleItems != read.items) Fail("column items were not taken as read");

    const int cx = AnyInt(in);
    const int cy = AnyInt(in);
    const WindowExtent room{AnyInt(in), AnyInt(in)};
    const WindowExtent e = ClampWindowExtent(cx, cy, room);
    if (e.width < kMinWindowWidth || e.height < kMinWindowHeight) Fail("a window below its size");
    if (e.width > kMaxWindowExtent || e.height > kMaxWindowExtent)
        Fail("a window too large to draw");
    if (room.width >= kMinWindowWidth && e.width > room.width) Fail("a window wider than the room");
    if (room.height >= kMinWindowHeight && e.height > room.height)
        Fail("a window taller than the room");

    // Devices mapped to port numbers of any value, then looked up.
    while (!in.empty()) {
        const int port = AnyInt(in);
        const std::string device = in.Text(300);
        SetPortDevice(port, device);
        const std::string name = PortName(port);
        if (name.size() < 4 || name.compare(0, 3, "COM") != 0) Fail("a port name without COM");
        if (PortDevice(port).empty()) Fail("a port without a device");
    }
    fuzz::ResetState(nullptr);
    return 0;
}
