#include "app/alignment_commands.h"

#include "alignment/alignment_dialog.h"
#include "alignment/alignment_mode.h"
#include "alignment/file_data_dialog.h"
#include "app/main_frame.h"
#include "blocks/image_ops.h"
#include "channels/channel_view.h"
#include "image/process_state.h"
#include "image/radio_image.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "link/transfer_dialog.h"
#include "resources/command_ids.h"
#include "signaling/five_tone_systems_dialog.h"

namespace kp07 {

void RunAlignment(CMainFrame& frame, CTransferDialog& transfer) {
    if (!radioImage) return;
    RebuildImage(*radioImage);
    ReplaceCurrentPort();
    uploadSucceeded = 0;  // an earlier Upload's success says nothing here
    const TransferRunner run = [&transfer](int mode) {
        transfer.SetMode(mode);
        return transfer.RunModal() == QDialog::Accepted;
    };
    const bool entered = EnterAlignment(run);
    // The way in read the radio into the document, which is now the radio's
    // image (even when alignment did not start afterwards).
    if (uploadSucceeded) {
        defaultFileLoaded = 0;
        frame.SetTitle(currentFileName);
    }
    if (entered) {
        frame.ApplyRefresh(kRefreshAll);
        CAlignmentDlg dialog(&frame);
        dialog.exec();
        LeaveAlignment(run);
    }
    currentPort.reset();
    // Values stored and then cancelled stay in the document: the image takes
    // them from the blocks.
    RebuildImage(*radioImage);
    frame.ApplyRefresh(kRefreshAll);
}

bool RunFileDataViewer(QWidget* parent) {
    if (!factoryMode || !radioImage) return false;
    CFileDataDlg viewer(parent);
    return viewer.exec() == QDialog::Accepted;
}

void InstallAlignmentCommands(CMainFrame& frame, CTransferDialog& transfer, CKP05View* view) {
    CAlignmentDlg::SetHelpHook([&frame](int topic) { frame.ShowHelp(topic); });
    frame.SetCommandHandler(cmd::kAlignment, [&frame, &transfer] {
        // The command is a factory tool; outside factory mode it is not even
        // in the menu.
        if (factoryMode) RunAlignment(frame, transfer);
    });
    if (view) {
        view->SetFileDataViewer([&frame] {
            if (!radioImage) return;
            RebuildImage(*radioImage);
            if (RunFileDataViewer(&frame)) frame.ApplyRefresh(kRefreshAll);
        });
    }
    // 5-Tone Systems opened it inside the frame's bracket: the image is
    // rebuilt already. Bytes taken may change channels, so the view follows.
    CFiveToneSystemsDlg::SetFileDataViewerHook([&frame](QWidget* parent) {
        if (RunFileDataViewer(parent)) frame.ApplyRefresh(kRefreshAll);
    });
}

}  // namespace kp07
