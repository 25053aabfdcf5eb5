#include "app/common_commands.h"

#include "app/main_frame.h"
#include "image/radio_image.h"
#include "params/emergency_dialog.h"
#include "params/key_function_dialog.h"
#include "params/power_saving_dialog.h"
#include "params/scanning_dialog.h"
#include "resources/command_ids.h"

namespace kp07 {
namespace {

template <class Dialog>
void InstallDialog(CMainFrame& frame, int command) {
    frame.SetCommandHandler(command, [&frame] {
        frame.RunDialogCommand(
            [&frame] {
                if (!radioImage) return int(kRefreshNothing);
                Dialog dialog(*radioImage, &frame);
                dialog.exec();
                return int(kRefreshNothing);
            },
            true);
    });
}

}  // namespace

void InstallCommonCommands(CMainFrame& frame) {
    InstallDialog<CScanningDlg>(frame, cmd::kScanning);
    InstallDialog<CPowerSavingDlg>(frame, cmd::kPowerSaving);
    InstallDialog<CKeyFunctionDlg>(frame, cmd::kKeyFunction);
    InstallDialog<CEmergencyDlg>(frame, cmd::kEmergency);
}

}  // namespace kp07
