// The factory tools in the program: Radio > Alignment only in factory mode,
// and Shift+F9 opening the file data viewer from the channel view and from
// 5-Tone Systems.
#include "app/alignment_commands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "alignment/file_data_dialog.h"
#include "app/channel_view_commands.h"
#include "app/radio_commands.h"
#include "channels/channel_view.h"
#include "image/process_state.h"
#include "link/transfer_dialog.h"
#include "resources/command_ids.h"
#include "signaling/five_tone_systems_dialog.h"
#include "support/gui/app_fixture.h"
#include "support/gui/gui_helpers.h"
#include "widgets/flex_grid.h"

namespace kp07 {
namespace {

class AlignmentCommandsTest : public test::MainFrameTest {
  protected:
    void TearDown() override {
        CFiveToneSystemsDlg::SetFileDataViewerHook(nullptr);
        MainFrameTest::TearDown();
    }
    // The frame as the program builds it.
    void InstallCommands() override {
        view = InstallChannelView(*frame, *profile);
        CTransferDialog* transfer = InstallRadioCommands(*frame, *profile, view);
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

    CKP05View* view = nullptr;
};

TEST_F(AlignmentCommandsTest, FactoryToolsOnlyInFactoryMode) {
    ASSERT_TRUE(test::ShowActive(frame.get()));
    for (bool factory : {false, true}) {
        SCOPED_TRACE(factory);
        factoryMode = factory;
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
    }
}

}  // namespace
}  // namespace kp07
