// The values of the profile as the program takes them in. The profile is a
// text file the user may have edited by hand: every number in it can be
// anything. The port and the speed are held to what the link knows, the
// column items are taken as they are (0 hides a column, anything else shows
// it), and the window size stays between the smallest window the main frame
// lays out and the room the screen has.
#pragma once

#include <array>

#include "channels/visible_items.h"

namespace kp07 {

struct ProfileConfiguration {
    int comPort = 1;
    int comSpeed = 0;
    std::array<int, kVisibleItemCount> items = {1, 1, 1, 1, 1, 1, 1, 1, 1,
                                                1, 1, 1, 1, 1, 1, 1, 1, 1};
};

// A port outside 1..16 becomes 1, a speed other than 0 or 1 becomes 0.
ProfileConfiguration ClampProfileConfiguration(const ProfileConfiguration& read);
// Makes the values the program's own: comPort, comSpeed and visibleItems.
void ApplyProfileConfiguration(const ProfileConfiguration& values);

// The smallest main window.
constexpr int kMinWindowWidth = 835;
constexpr int kMinWindowHeight = 540;
// No window is made larger than this when the screen's size is not known.
constexpr int kMaxWindowExtent = 8192;

struct WindowExtent {
    int width = kMinWindowWidth;
    int height = kMinWindowHeight;
};
// The window size "CX"/"CY" ask for, never below the smallest window and
// never beyond `room` (the screen's available area; a side of 0 or less:
// unknown, kMaxWindowExtent). A room smaller than the smallest window does
// not shrink it.
WindowExtent ClampWindowExtent(int cx, int cy, WindowExtent room);

}  // namespace kp07
