// The six settings commands in the real main window: each opens its dialog
// from the Common menu under both signaling families, in normal and in
// factory mode, and the frame applies the dialog's refresh afterwards.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTimer>

#include "app/main_frame.h"
#include "blocks/channel_table.h"
#include "blocks/hardware_params.h"
#include "blocks/image_ops.h"
#include "blocks/signaling_type.h"
#include "image/accessors.h"
#include "image/frequency_codec.h"
#include "image/process_state.h"
#include "params/hardware_dialog.h"
#include "params/settings_dialog_keys.h"
#include "params/signaling_type_dialog.h"
#include "resources/command_ids.h"
#include "support/gui/app_fixture.h"
#include "widgets/enter_combo.h"

namespace kp07 {
namespace {

class SettingsCommandsTest : public test::RunningProgramTest {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(RunningProgramTest::SetUp());
        StartShown();
    }
    // Runs command `id` from its menu entry; `inside` sees the dialog and
    // ends it. Returns the class name of the dialog that opened.
    QString Run(int id, const std::function<void(QWidget*)>& inside) {
        QString opened;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            opened = QString::fromLatin1(dialog->metaObject()->className());
            inside(dialog);
            if (dialog->isVisible()) static_cast<QDialog*>(dialog)->reject();
        });
        frame->Action(id)->trigger();
        return opened;
    }
};

TEST_F(SettingsCommandsTest, EachCommandOpensItsDialogInEveryMode) {
    const std::pair<int, const char*> commands[] = {
        {cmd::kHardware, "kp07::CHardwareDlg"},
        {cmd::kSignalingSystem, "kp07::CSignalingTypeDlg"},
        {cmd::kMarketing, "kp07::CMarketingDlg"},
        {cmd::kMiscellaneous, "kp07::CMiscDlg"},
        {cmd::kOption, "kp07::COptionDlg"},
        {cmd::kPowerOnPassword, "kp07::CPowerOnPasswordDlg"},
    };
    for (bool factory : {false, true}) {
        factoryMode = factory;
        for (bool fiveTone : {true, false}) {
            frame->SetFiveToneMenus(fiveTone);
            for (const auto& [id, name] : commands) {
                ASSERT_TRUE(frame->Action(id)->isEnabled()) << id;
                bool modelOpen = false;
                const QString opened = Run(id, [&](QWidget* dialog) {
                    if (auto* hw = qobject_cast<CHardwareDlg*>(dialog))
                        modelOpen = hw->list(CHardwareDlg::kModelId)->isEnabled();
                });
                EXPECT_EQ(opened, name) << id << " factory " << factory << " five " << fiveTone;
                EXPECT_EQ(modelOpen, id == cmd::kHardware && factory)
                    << id << " factory " << factory;
            }
        }
    }
    // Cancelled everywhere: nothing to save.
    EXPECT_EQ(imageModified, 0);

    // A change of signaling type switches the menus to the other family.
    for (int id : {cmd::kTwoToneParameters, cmd::kFiveToneGeneral})
        frame->SetCommandHandler(id, [] {});
    frame->SetFiveToneMenus(true);
    Run(cmd::kSignalingSystem, [](QWidget* dialog) {
        auto* d = static_cast<CSignalingTypeDlg*>(dialog);
        test::Choose(d->signalingList(), "2-Tone");
        test::PressOk(d->okButton());
    });
    EXPECT_EQ(signalingType->type, kTwoTone);
    EXPECT_TRUE(frame->Action(cmd::kTwoToneParameters)->isEnabled());
    EXPECT_FALSE(frame->Action(cmd::kFiveToneGeneral)->isEnabled());
}

// The default file the program wrote at its first start holds an upper-band
// unit; a change to the lower band must neither take it nor overwrite it.
TEST_F(SettingsCommandsTest, ABandChangeKeepsItsBandWhateverTheDefaultFilesHold) {
    const QString upperFile = dir.filePath("defaultu.k07");
    ASSERT_TRUE(QFile::exists(upperFile));
    const QByteArray upperBytes = [&] {
        QFile f(upperFile);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    factoryMode = true;
    messages.Answer(MsgResult::kYes);
    Run(cmd::kHardware, [](QWidget* dialog) {
        auto* d = static_cast<CHardwareDlg*>(dialog);
        test::Choose(d->list(CHardwareDlg::kBandId), "VHF");
        test::PressOk(d->okButton());
    });
    EXPECT_FALSE(hardware->IsUpperBand());
    EXPECT_FALSE(IsUpperBandStepCode(GetStepCode(*radioImage)));
    EXPECT_EQ(channels->records[0].rxMHz, 150.0);
    EXPECT_EQ(currentFileName, "<none>");
    QFile f(upperFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), upperBytes);
}

}  // namespace
}  // namespace kp07
