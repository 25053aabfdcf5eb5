// The Help menu's Get Started, Common Problems and About commands.
#pragma once

namespace kp07 {

class CMainFrame;

void InstallHelpCommands(CMainFrame& frame);

}  // namespace kp07
