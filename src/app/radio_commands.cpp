#include "app/radio_commands.h"

#include <QStatusBar>

#include "app/app_profile.h"
#include "app/configuration_dialog.h"
#include "app/main_frame.h"
#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "channels/channel_view.h"
#include "image/radio_image.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "link/transfer_dialog.h"
#include "resources/command_ids.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

// How long the status bar keeps what a transfer had to say afterwards.
constexpr int kNoticeShownMs = 15000;

// After the transfer dialog (and the job's message boxes) the keyboard goes
// back to the main window's grid: a window manager need not activate any
// window when a modal dialog closes.
void ReturnToGrid(CMainFrame& frame) {
    frame.raise();
    frame.activateWindow();
    QWidget* target = frame.centralWidget();
    if (auto* view = dynamic_cast<CKP05View*>(target); view && view->grid()) target = view->grid();
    if (target) target->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace

int RunTransfer(CMainFrame& frame, CTransferDialog& dialog, int mode) {
    RebuildImage(*radioImage);
    ReplaceCurrentPort();
    if (mode == kTransferUpload) uploadSucceeded = 0;
    dialog.SetMode(mode);
    const int result = dialog.RunModal();
    // Only a completed upload replaces the document: a failed one leaves it,
    // its name included, as it was.
    if (mode == kTransferUpload && result == QDialog::Accepted && uploadSucceeded) {
        defaultFileLoaded = 0;
        currentFileName = kNoFileName;
        frame.SetTitle(currentFileName);
    }
    currentPort.reset();
    LoadPersistentBlocks(*radioImage);
    // Another radio's channels start on the first group, as after New and
    // Open; otherwise the view stays on the group it shows.
    if (mode == kTransferUpload && uploadSucceeded && channels) channels->SelectGroup(0);
    frame.ApplyRefresh(kRefreshAll);
    ReturnToGrid(frame);
    const QString notice = dialog.TakeNotice();
    if (!notice.isEmpty()) frame.statusBar()->showMessage(notice, kNoticeShownMs);
    return result;
}

CTransferDialog* InstallRadioCommands(CMainFrame& frame, AppProfile& profile, CKP05View* view) {
    auto* dialog = new CTransferDialog(&frame);
    auto upload = [&frame, dialog] { RunTransfer(frame, *dialog, kTransferUpload); };
    auto download = [&frame, dialog] { RunTransfer(frame, *dialog, kTransferDownload); };
    frame.SetCommandHandler(cmd::kUpload, upload);
    frame.SetCommandHandler(cmd::kToolbarUpload, upload);
    frame.SetCommandHandler(cmd::kDownload, download);
    frame.SetCommandHandler(cmd::kToolbarDownload, download);
    if (view) view->SetProductionDownload(download);
    frame.SetCommandHandler(cmd::kConfigure, [&frame, &profile] {
        CConfigurationDialog configure(profile, &frame);
        if (configure.exec() == QDialog::Accepted) frame.ApplyRefresh(kRefreshFacts);
    });
    return dialog;
}

}  // namespace kp07
