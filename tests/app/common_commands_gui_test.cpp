// The Common menu's Scanning, Power Saving, Key Function and Emergency
// commands: enabled for both signaling families and in factory mode, each
// opening its own dialog.
#include "app/common_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTimer>

#include "image/process_state.h"
#include "params/param_dialog.h"
#include "resources/command_ids.h"
#include "support/gui/app_fixture.h"

namespace kp07 {
namespace {

class CommonCommandsTest : public test::MainFrameTest {
  protected:
    void InstallCommands() override { InstallCommonCommands(*frame); }
};

TEST_F(CommonCommandsTest, EachCommandOpensItsDialog) {
    const struct {
        int command;
        int templateId;
        const char* caption;
    } cases[] = {
        {cmd::kScanning, 158, "Scanning Parameters"},
        {cmd::kPowerSaving, 159, "Power Saving Parameters"},
        {cmd::kKeyFunction, 161, "Key Function Parameters"},
        {cmd::kEmergency, 162, "Emergency"},
    };
    for (const auto& c : cases) {
        for (bool factory : {false, true}) {
            for (bool fiveTone : {false, true}) {
                factoryMode = factory;
                frame->SetFiveToneMenus(fiveTone);
                EXPECT_TRUE(frame->Action(c.command)->isEnabled()) << c.command;
            }
        }
        int opened = 0;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CParamDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            opened = dialog->templateId();
            EXPECT_EQ(dialog->windowTitle(), c.caption);
            dialog->reject();
        });
        frame->Trigger(c.command);
        EXPECT_EQ(opened, c.templateId);
    }
}

}  // namespace
}  // namespace kp07
