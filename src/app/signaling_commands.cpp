#include "app/signaling_commands.h"

#include <QDialog>

#include "app/main_frame.h"
#include "image/radio_image.h"
#include "resources/command_ids.h"
#include "signaling/ani_speed_dial_dialog.h"
#include "signaling/five_tone_decode_dialog.h"
#include "signaling/five_tone_encode_dialog.h"
#include "signaling/five_tone_format_dialog.h"
#include "signaling/five_tone_general_dialog.h"
#include "signaling/five_tone_systems_dialog.h"
#include "signaling/five_tone_user_tone_dialog.h"
#include "signaling/page_setting_dialog.h"
#include "signaling/paging_code_dialog.h"
#include "signaling/two_tone_encode_dialog.h"
#include "signaling/two_tone_params_dialog.h"
#include "signaling/two_tone_systems_dialog.h"
#include "signaling/two_tone_table_dialog.h"

namespace kp07 {
namespace {

template <class Dialog>
void Install(CMainFrame& frame, int id, const DialogRunner& run) {
    frame.SetCommandHandler(id, [&frame, run] {
        if (!radioImage) return;
        frame.RunDialogCommand(
            [&frame, &run] {
                Dialog dialog(*radioImage, &frame);
                run(dialog);
                return int(kRefreshNothing);
            },
            false);
    });
}

}  // namespace

void InstallSignalingCommands(CMainFrame& frame, DialogRunner run) {
    if (!run) run = [](QDialog& dialog) { return dialog.exec(); };
    Install<CAniSpeedDialDlg>(frame, cmd::kAniSpeedDial, run);
    Install<CTwoToneParamsDlg>(frame, cmd::kTwoToneParameters, run);
    Install<CTwoToneSystemsDlg>(frame, cmd::kTwoToneSystems, run);
    Install<CTwoToneTableDlg>(frame, cmd::kTwoToneTable, run);
    Install<CTwoToneEncodeDlg>(frame, cmd::kTwoToneEncode, run);
    Install<CFiveToneGeneralDlg>(frame, cmd::kFiveToneGeneral, run);
    Install<CFiveToneFormatDlg>(frame, cmd::kFiveToneFormat, run);
    Install<CFiveToneSystemsDlg>(frame, cmd::kFiveToneSystems, run);
    Install<CFiveToneDecodeDlg>(frame, cmd::kFiveToneDecode, run);
    Install<CFiveToneEncodeDlg>(frame, cmd::kFiveToneEncode, run);
    Install<CFiveToneUserToneDlg>(frame, cmd::kFiveToneUserTone, run);
    Install<CPageSettingDlg>(frame, cmd::kPagingSetting, run);
    Install<CPagingCodeDlg>(frame, cmd::kPageCode, run);
}

}  // namespace kp07
