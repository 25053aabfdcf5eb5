#include "app/help_commands.h"

#include "app/about_dialog.h"
#include "app/help_text_dialog.h"
#include "app/main_frame.h"
#include "resources/command_ids.h"

namespace kp07 {

void InstallHelpCommands(CMainFrame& frame) {
    frame.SetCommandHandler(cmd::kGetStarted, [&frame] {
        CHelpTextDlg dialog(CHelpTextDlg::Text::kGetStarted, &frame);
        dialog.exec();
    });
    frame.SetCommandHandler(cmd::kCommonProblems, [&frame] {
        CHelpTextDlg dialog(CHelpTextDlg::Text::kCommonProblems, &frame);
        dialog.exec();
    });
    frame.SetCommandHandler(cmd::kAbout, [&frame] {
        CAboutDlg dialog(&frame);
        dialog.exec();
    });
}

}  // namespace kp07
