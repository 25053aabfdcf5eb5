#include "channels/profile_values.h"

#include <algorithm>

#include "link/link_state.h"

namespace kp07 {
namespace {

int Side(int asked, int smallest, int room) {
    const int largest =
        std::max(smallest, room > 0 ? std::min(room, kMaxWindowExtent) : kMaxWindowExtent);
    return std::clamp(asked, smallest, largest);
}

}  // namespace

ProfileConfiguration ClampProfileConfiguration(const ProfileConfiguration& read) {
    ProfileConfiguration c = read;
    c.comPort = NormalisePortNumber(read.comPort);
    if (c.comSpeed < 0 || c.comSpeed > 1) c.comSpeed = 0;
    return c;
}

void ApplyProfileConfiguration(const ProfileConfiguration& values) {
    const ProfileConfiguration c = ClampProfileConfiguration(values);
    comPort = c.comPort;
    comSpeed = c.comSpeed;
    visibleItems = c.items;
}

WindowExtent ClampWindowExtent(int cx, int cy, WindowExtent room) {
    WindowExtent e;
    e.width = Side(cx, kMinWindowWidth, room.width);
    e.height = Side(cy, kMinWindowHeight, room.height);
    return e;
}

}  // namespace kp07
