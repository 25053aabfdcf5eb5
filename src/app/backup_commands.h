// Radio backups and verify on the desktop: every download keeps what the
// radio held in the backup folder (and says so in the status bar); File >
// Restore Radio Backup... opens one of them; Radio > Verify After Download
// reads the radio back after each download.
#pragma once

namespace kp07 {

class CKP05Doc;
class CMainFrame;
class CTransferDialog;

constexpr int kMsgBackupKept = 5122;            // "Radio backup kept: %1"
constexpr int kMsgRestoreBackupCaption = 5123;  // the file dialog's caption

// Registers the two commands and makes `transfer` keep the backups.
void InstallBackupCommands(CMainFrame& frame, CKP05Doc& doc, CTransferDialog* transfer);

}  // namespace kp07
