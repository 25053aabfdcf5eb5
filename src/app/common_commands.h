// The Common menu's Scanning, Power Saving, Key Function and Emergency
// commands.
#pragma once

namespace kp07 {

class CMainFrame;

// Registers the four commands. Each runs its dialog inside the frame's
// bracket: the image rebuilt before, the program-wide blocks reloaded after.
// None of them changes what the channel view shows.
void InstallCommonCommands(CMainFrame& frame);

}  // namespace kp07
