// The Signaling menu: ANI/Speed Dial, the 2-tone and 5-tone dialogs, Paging
// Setting and Page Code.
#pragma once

#include <functional>

class QDialog;

namespace kp07 {

class CMainFrame;

// Runs a dialog modally and returns its result; the program runs exec(),
// tests answer the dialogs themselves.
using DialogRunner = std::function<int(QDialog&)>;

// Registers the thirteen commands. Each runs its dialog on the document's
// image inside the frame's bracket (rebuild first); none of them changes a
// program-wide block, so nothing is reloaded and the view keeps its state.
void InstallSignalingCommands(CMainFrame& frame, DialogRunner run = {});

}  // namespace kp07
