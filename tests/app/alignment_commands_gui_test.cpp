// The factory tools in the program: Radio > Alignment only in factory mode,
// and Shift+F9 opening the file data viewer from the channel view and from
// 5-Tone Systems.
#include "app/alignment_commands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "alignment/file_data_dialog.h"
#include "app/app_profile.h"
#include "app/channel_view_commands.h"
#include "app/main_frame.h"
#include "app/radio_commands.h"
#include "blocks/image_ops.h"
#include "channels/channel_view.h"
#include "document/document.h"
#include "image/process_state.h"
#include "link/transfer_dialog.h"
#include "resources/command_ids.h"
#include "signaling/five_tone_systems_dialog.h"
#include "support/gui/gui_helpers.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

class AlignmentCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        CreateImageAndBlocks();
        FillDefaults(*radioImage);
        LoadPersistentBlocks(*radioImage);
    }
    void TearDown() override {
        CFiveToneSystemsDlg::SetFileDataViewerHook(nullptr);
        DestroyImageAndBlocks();
        ResetProcessStateForTest();
    }
    // Builds the frame as the program does, in or out of factory mode.
    void Build(bool factory) {
        factoryMode = factory;
        frame = std::make_unique<CMainFrame>(doc, profile);
        view = InstallChannelView(*frame, profile);
        CTransferDialog* transfer = InstallRadioCommands(*frame, profile, view);
        InstallAlignmentCommands(*frame, *transfer, view);
    }
    // Presses Shift+F9 on `target`; true when the file data viewer opened.
    static bool ViewerOpensFrom(QWidget* target) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* viewer = qobject_cast<CFileDataDlg*>(QApplication::activeModalWidget());
            if (!viewer) return;
            opened = viewer->windowTitle() == "File Data";
            viewer->reject();
        });
        QTest::keyClick(target, Qt::Key_F9, Qt::ShiftModifier);
        QApplication::processEvents();
        return opened;
    }

    QTemporaryDir dir;
    AppProfile profile{dir.path() + "/kp07xt.ini"};
    CKP05Doc doc;
    std::unique_ptr<CMainFrame> frame;
    CKP05View* view = nullptr;
    test::MessageRecorder messages;
};

TEST_F(AlignmentCommandsTest, FactoryToolsOnlyInFactoryMode) {
    for (bool factory : {false, true}) {
        SCOPED_TRACE(factory);
        Build(factory);
        ASSERT_TRUE(test::ShowActive(frame.get()));
        EXPECT_EQ(ViewerOpensFrom(view->grid()), factory);

        {
            CFiveToneSystemsDlg systems(*radioImage, frame.get());
            ASSERT_TRUE(test::ShowActive(&systems));
            EXPECT_EQ(ViewerOpensFrom(&systems), factory);
            systems.reject();
        }

        // Even triggered directly, alignment does not start outside factory
        // mode: no caution question.
        messages.Clear();
        if (!factory) frame->Trigger(cmd::kAlignment);
        EXPECT_EQ(messages.count(), 0u);
        frame.reset();
    }
}

}  // namespace
}  // namespace kp07
