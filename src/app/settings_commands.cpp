#include "app/settings_commands.h"

#include "app/main_frame.h"
#include "image/radio_image.h"
#include "params/hardware_dialog.h"
#include "params/marketing_dialog.h"
#include "params/miscellaneous_dialog.h"
#include "params/option_dialog.h"
#include "params/power_on_password_dialog.h"
#include "params/signaling_type_dialog.h"
#include "resources/command_ids.h"

namespace kp07 {
namespace {

// A dialog that ends with a fixed refresh code, OK or Cancel.
template <class Dialog>
void InstallDialog(CMainFrame& frame, int command, int code, bool reload) {
    frame.SetCommandHandler(command, [&frame, code, reload] {
        frame.RunDialogCommand(
            [&frame, code] {
                if (!radioImage) return int(kRefreshNothing);
                Dialog dialog(*radioImage, &frame);
                dialog.exec();
                return code;
            },
            reload);
    });
}

}  // namespace

void InstallSettingsCommands(CMainFrame& frame, CKP05Doc& doc) {
    // The hardware dialog reloads the process-wide blocks itself on Cancel;
    // after OK they are what the image now holds.
    frame.SetCommandHandler(cmd::kHardware, [&frame, &doc] {
        frame.RunDialogCommand(
            [&frame, &doc] {
                if (!radioImage) return int(kRefreshNothing);
                CHardwareDlg dialog(doc, *radioImage, &frame);
                dialog.exec();
                return dialog.RefreshCode();
            },
            false);
    });
    frame.SetCommandHandler(cmd::kSignalingSystem, [&frame] {
        frame.RunDialogCommand(
            [&frame] {
                if (!radioImage) return int(kRefreshNothing);
                CSignalingTypeDlg dialog(*radioImage, &frame);
                dialog.exec();
                return int(dialog.signalingChanged() ? kRefreshAll : kRefreshNothing);
            },
            true);
    });
    // Marketing edits the identity record itself and leaves it loaded.
    InstallDialog<CMarketingDlg>(frame, cmd::kMarketing, kRefreshFacts, false);
    InstallDialog<CMiscDlg>(frame, cmd::kMiscellaneous, kRefreshFacts, true);
    InstallDialog<COptionDlg>(frame, cmd::kOption, kRefreshAll, true);
    InstallDialog<CPowerOnPasswordDlg>(frame, cmd::kPowerOnPassword, kRefreshFacts, true);
}

}  // namespace kp07
