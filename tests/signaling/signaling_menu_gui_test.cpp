#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <vector>

#include "app/main_frame.h"
#include "app/signaling_commands.h"
#include "params/param_dialog.h"
#include "resources/command_ids.h"
#include "support/gui/app_fixture.h"

namespace kp07 {
namespace {

class SignalingMenu : public test::MainFrameTest {};

TEST_F(SignalingMenu, EachCommandOpensItsDialogUnderItsSignalingType) {
    enum Family { kBoth, kTwoOnly, kFiveOnly };
    const struct {
        int id;
        Family family;
        int templateId;
        const char* caption;
    } cases[] = {
        {cmd::kAniSpeedDial, kBoth, 149, "ANI/Speed Dial Parameters"},
        {cmd::kTwoToneParameters, kTwoOnly, 134, "2-Tone Parameters"},
        {cmd::kTwoToneSystems, kTwoOnly, 198, "2-Tone Systems"},
        {cmd::kTwoToneTable, kTwoOnly, 148, "2-Tone Table Parameters"},
        {cmd::kTwoToneEncode, kTwoOnly, 203, "2-Tone Encode"},
        {cmd::kFiveToneGeneral, kFiveOnly, 194, "5-Tone General Parameters"},
        {cmd::kFiveToneFormat, kFiveOnly, 197, "5-Tone Format Timing"},
        {cmd::kFiveToneSystems, kFiveOnly, 192, "5-Tone Systems"},
        {cmd::kFiveToneDecode, kFiveOnly, 195, "5-Tone Decode"},
        {cmd::kFiveToneEncode, kFiveOnly, 196, "5-Tone Encode"},
        {cmd::kFiveToneUserTone, kFiveOnly, 202, "5-Tone User Tone"},
        {cmd::kPagingSetting, kBoth, 205, "Page Setting Parameters"},
        {cmd::kPageCode, kBoth, 206, "Paging Code"},
    };
    std::vector<std::pair<int, QString>> opened;
    InstallSignalingCommands(*frame, [&](QDialog& dialog) {
        const auto* param = dynamic_cast<CParamDialog*>(&dialog);
        opened.push_back({param ? param->templateId() : 0, dialog.windowTitle()});
        return int(QDialog::Rejected);
    });
    for (bool fiveTone : {false, true}) {
        frame->SetFiveToneMenus(fiveTone);
        for (const auto& c : cases) {
            const bool enabled = c.family == kBoth || (c.family == kFiveOnly) == fiveTone;
            EXPECT_EQ(frame->Action(c.id)->isEnabled(), enabled) << c.id;
            opened.clear();
            frame->Trigger(c.id);
            if (!enabled) {
                EXPECT_TRUE(opened.empty()) << c.id;
                continue;
            }
            ASSERT_EQ(opened.size(), 1u) << c.id;
            EXPECT_EQ(opened[0].first, c.templateId);
            EXPECT_EQ(opened[0].second, c.caption);
        }
    }
}

}  // namespace
}  // namespace kp07
