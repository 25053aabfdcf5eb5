// The Common menu's hardware, signaling type, marketing, miscellaneous,
// option and power-on password commands.
#pragma once

namespace kp07 {

class CKP05Doc;
class CMainFrame;

// Registers the six commands; each runs its dialog inside the frame's dialog
// bracket and hands back the dialog's refresh code.
void InstallSettingsCommands(CMainFrame& frame, CKP05Doc& doc);

}  // namespace kp07
