// The profile's numbers as the program takes them in, whatever a hand-edited
// file holds.
#include <gtest/gtest.h>

#include <climits>

#include "channels/profile_values.h"
#include "channels/visible_items.h"
#include "link/link_state.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

TEST(ProfileValues, PortAndSpeedAreHeldItemsTakenAsRead) {
    struct Case {
        int port, speed, item, wantPort, wantSpeed;
    };
    const Case cases[] = {
        {1, 0, 0, 1, 0},    {16, 1, 1, 16, 1},           {0, 2, 5, 1, 0},
        {17, -1, -3, 1, 0}, {INT_MIN, INT_MAX, 7, 1, 0},
    };
    for (const Case& c : cases) {
        ResetProcessStateForTest();
        ProfileConfiguration read;
        read.comPort = c.port;
        read.comSpeed = c.speed;
        read.items[4] = c.item;
        ApplyProfileConfiguration(read);
        EXPECT_EQ(comPort, c.wantPort) << c.port;
        EXPECT_EQ(comSpeed, c.wantSpeed) << c.speed;
        EXPECT_EQ(visibleItems[4], c.item);
        EXPECT_EQ(visibleItems[5], 1);
    }
    ResetProcessStateForTest();
}

TEST(ProfileValues, WindowStaysBetweenTheSmallestAndTheRoom) {
    struct Case {
        int cx, cy, roomW, roomH, wantW, wantH;
    };
    const Case cases[] = {
        {1000, 700, 1920, 1080, 1000, 700},
        {400, 300, 1920, 1080, 835, 540},
        // A size written by hand far beyond the screen would give a window
        // whose pixels do not fit in memory.
        {2000000000, 2000000000, 1920, 1080, 1920, 1080},
        {INT_MAX, INT_MIN, 1920, 1080, 1920, 540},
        // A screen smaller than the smallest window does not shrink it.
        {2000, 2000, 800, 600, 835, 600},
        // Without a screen: at most 8192 on a side.
        {100000, 100000, 0, 0, 8192, 8192},
    };
    for (const Case& c : cases) {
        const WindowExtent e = ClampWindowExtent(c.cx, c.cy, {c.roomW, c.roomH});
        EXPECT_EQ(e.width, c.wantW) << c.cx << " in " << c.roomW;
        EXPECT_EQ(e.height, c.wantH) << c.cy << " in " << c.roomH;
    }
}

}  // namespace
}  // namespace kp07
