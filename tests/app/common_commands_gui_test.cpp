// The Common menu's Scanning, Power Saving, Key Function and Emergency
// commands: enabled for both signaling families and in factory mode, each
// opening its own dialog on the image the frame has just rebuilt.
#include "app/common_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "app/app_profile.h"
#include "app/main_frame.h"
#include "blocks/image_ops.h"
#include "document/document.h"
#include "image/process_state.h"
#include "params/param_dialog.h"
#include "resources/command_ids.h"
#include "support/test_support.h"

namespace kp07 {
namespace {

class CommonCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        CreateImageAndBlocks();
        FillDefaults(*radioImage);
        LoadPersistentBlocks(*radioImage);
        frame = std::make_unique<CMainFrame>(doc, profile);
        InstallCommonCommands(*frame);
    }
    void TearDown() override {
        frame.reset();
        DestroyImageAndBlocks();
        ResetProcessStateForTest();
    }

    QTemporaryDir dir;
    AppProfile profile{dir.path() + "/kp07xt.ini"};
    CKP05Doc doc;
    std::unique_ptr<CMainFrame> frame;
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
        // The bracket rebuilds the image first: a byte no block owns is
        // clear by the time the dialog opens.
        (*radioImage)[120] = 0x77;
        int opened = 0;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CParamDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            opened = dialog->templateId();
            EXPECT_EQ(dialog->windowTitle(), c.caption);
            EXPECT_EQ((*radioImage)[120], 0);
            dialog->reject();
        });
        frame->Trigger(c.command);
        EXPECT_EQ(opened, c.templateId);
    }
}

}  // namespace
}  // namespace kp07
