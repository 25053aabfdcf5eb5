// The Radio menu's Upload and Download (and their toolbar buttons), the
// production-mode download of the channel view, and File > Configure.
#pragma once

namespace kp07 {

class AppProfile;
class CKP05View;
class CMainFrame;
class CTransferDialog;

// Registers the commands; the transfer dialog is one object for the run,
// owned by the frame. Returns it.
CTransferDialog* InstallRadioCommands(CMainFrame& frame, AppProfile& profile, CKP05View* view);

// Runs one transfer in the bracket the frame keeps around it: rebuild the
// image, a fresh port, the dialog in `mode`, then the port closed, the
// program-wide blocks reloaded and the view rebuilt. Returns the dialog's
// result (accepted when the job ended by itself).
int RunTransfer(CMainFrame& frame, CTransferDialog& dialog, int mode);

}  // namespace kp07
