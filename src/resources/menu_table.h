// The main window's menus and toolbar as data, and the rule that enables the
// signaling commands that fit the radio's signaling family.
#pragma once

#include <string>
#include <vector>

namespace kp07 {

struct MenuItem {
    enum Kind { kCommand, kSeparator, kSubmenu, kEndSubmenu, kRecentFiles };
    Kind kind = kCommand;
    int id = 0;
    const char* text = "";
    const char* shortcut = "";  // in the QKeySequence text form, "" for none
    bool checkable = false;
};

struct Menu {
    const char* title;
    std::vector<MenuItem> items;
};

const std::vector<Menu>& MainMenus();
// Command ids of the toolbar, 0 for a separator.
const std::vector<int>& ToolbarCommands();

// Whether the enable masks of the signaling family allow command `id`.
// Commands outside the masked ranges are always allowed.
bool MaskAllowsCommand(int id, bool fiveTone);

// The item index of a View > Item command (32800 + item), or -1.
int ViewItemOfCommand(int id);

}  // namespace kp07
