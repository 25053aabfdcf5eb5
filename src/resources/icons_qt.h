// The pictures of the program: the toolbar's command icons and the window
// icon. Commands with a desktop meaning take the desktop theme's icon, so
// that the program looks like its neighbours; the pictures bundled with the
// program stand in where the theme has none.
#pragma once

#include <QIcon>

namespace kp07 {

// The icon of a toolbar command; an empty icon for a command without one.
QIcon CommandIcon(int commandId);
// The program's own icon, for every window it opens.
QIcon ProgramIcon();

}  // namespace kp07
