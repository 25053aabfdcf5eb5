// The channel view in the main window, and the commands that belong to it:
// View > Item, View > Item > Visible and Channel Allocations.
#pragma once

namespace kp07 {

class AppProfile;
class CKP05View;
class CMainFrame;

// Creates the view as the frame's central widget and registers its commands.
CKP05View* InstallChannelView(CMainFrame& frame, AppProfile& profile);

}  // namespace kp07
