#include "app/backup_commands.h"

#include <QAction>
#include <QFileDialog>
#include <ctime>

#include "app/main_frame.h"
#include "document/document.h"
#include "document/radio_backups.h"
#include "document/user_folders.h"
#include "image/process_state.h"
#include "link/link_state.h"
#include "link/transfer_dialog.h"
#include "resources/command_ids.h"
#include "resources/message.h"

namespace kp07 {
namespace {

QString Text(int id, const std::string& arg = {}) {
    return QString::fromStdString(FormatMessage(id, arg));
}

void ShowVerifyChoice(CMainFrame& frame) {
    if (QAction* a = frame.Action(cmd::kVerifyAfterDownload))
        a->setChecked(verifyAfterDownload != 0);
}

}  // namespace

void InstallBackupCommands(CMainFrame& frame, CKP05Doc& doc, CTransferDialog* transfer) {
    if (transfer) {
        // On the job's thread, before the download writes the radio.
        transfer->radioKeeper = [transfer](const RadioImage& radio) {
            const BackupResult kept = KeepRadioBackup(
                RadioBackupFolder(), radio, TrailerFromOffset(autoTxOffsetMHz), std::time(nullptr));
            if (kept.kept) transfer->SetNotice(Text(kMsgBackupKept, kept.path));
            return kept.error;
        };
    }

    frame.SetCommandHandler(cmd::kRestoreRadioBackup, [&frame, &doc] {
        const std::string folder = RadioBackupFolder();
        MakeFolders(folder);
        const QString path =
            frame.fileChooser ? frame.fileChooser(false)
                              : QFileDialog::getOpenFileName(&frame, Text(kMsgRestoreBackupCaption),
                                                             QString::fromStdString(folder),
                                                             QStringLiteral("KP07 Files(*.K07)"));
        // Then as File > Open: the checks, the save question, the document.
        if (!path.isEmpty() && doc.OpenFile(path.toStdString())) frame.AddRecentFile(path);
    });

    frame.SetCommandHandler(cmd::kVerifyAfterDownload, [&frame] {
        verifyAfterDownload = verifyAfterDownload != 0 ? 0 : 1;
        ShowVerifyChoice(frame);
    });
    ShowVerifyChoice(frame);
}

}  // namespace kp07
