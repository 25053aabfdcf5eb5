// The Scanning, Power Saving, Key Function and Emergency dialogs through
// their widgets: what a new image shows, the key lists, the priority check,
// the power-on tag, OK and Cancel, help.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "blocks/image_ops.h"
#include "blocks/new_image_fixture.h"
#include "image/accessors.h"
#include "params/emergency_dialog.h"
#include "params/key_function_dialog.h"
#include "params/power_saving_dialog.h"
#include "params/scanning_dialog.h"
#include "params/settings_dialog_keys.h"
#include "support/gui/gui_helpers.h"
#include "support/test_support.h"
#include "widgets/enter_combo.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

using Make = std::function<std::unique_ptr<CParamDialog>()>;

template <class Dialog>
Make Maker() {
    return [] { return std::make_unique<Dialog>(*radioImage); };
}

class SettingsDialogTest : public test::NewImageTest {
  protected:
    void TearDown() override {
        CParamDialog::SetHelpHook(nullptr);
        NewImageTest::TearDown();
    }
    static CEnterComboBox* List(const CParamDialog& d, int id) {
        return qobject_cast<CEnterComboBox*>(d.Control(id));
    }
    static bool Holds(const QComboBox* list, const char* text) {
        return list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
    }
    // Chooses `text` as the user does, through the list's own selection.
    static void Choose(QComboBox* list, const QString& text) {
        const int i = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(i, 0) << text.toStdString();
        list->setCurrentIndex(i);
    }
};

TEST_F(SettingsDialogTest, NewImageShows) {
    // Each dialog's lists in the order of their ids.
    const struct {
        Make make;
        int firstId;
        std::vector<const char*> shown;
    } cases[] = {
        {Maker<CScanningDlg>(),
         2101,
         {"2 s", "5 s", "Enabled ", "5 s", "Disabled", "Priority Channel", "Fast",
          "Select FULL Channel"}},
        {Maker<CEmergencyDlg>(),
         2300,
         {"current Channel", "10  s", "10 s", "Disabled", "Short", " 5 min"}},
        {Maker<CPowerSavingDlg>(), 2153, {"1   min", "0 s", "2 s", "1:2", "Standard", " 5s"}},
        {Maker<CKeyFunctionDlg>(),
         2250,
         {"Monitor       ", "Low Power     ", "Scan          ", "Scan Mode     ", "Duplex        ",
          "Group Up      ", "Squelch Off   ", "Lock          ", "Add/Del       ", "Pri-CH Set    ",
          "CTCSS/DCS SEL ", "Encryption    ", "Channel"}},
    };
    for (const auto& c : cases) {
        const auto dialog = c.make();
        for (std::size_t i = 0; i < c.shown.size(); ++i) {
            const int id = c.firstId + int(i);
            const CEnterComboBox* list = List(*dialog, id);
            ASSERT_NE(list, nullptr) << id;
            EXPECT_EQ(list->currentText().toStdString(), c.shown[i]) << id;
            // A new image has the front keypad: every list is enabled.
            EXPECT_TRUE(list->isEnabled()) << id;
        }
    }
    CPowerSavingDlg saving(*radioImage);
    EXPECT_EQ(saving.tagEdit()->text(), " KR-318 ");
    EXPECT_EQ(saving.tagEdit()->look(), CColorEdit::Look::kBrowse);
    EXPECT_EQ(imageModified, 0);
}

// Which key offers which function is the core's table (blocks_test); here
// the lists follow a choice at once.
TEST_F(SettingsDialogTest, KeyListsOfferEachFunctionOnce) {
    CKeyFunctionDlg dialog(*radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    // "Monitor" reaches [SIDE2] only once [SIDE1] gives it up: Home on the
    // closed [SIDE1] list chooses "None".
    EXPECT_FALSE(Holds(dialog.keyList(1), "Monitor       "));
    dialog.keyList(0)->setFocus();
    QTest::keyClick(dialog.keyList(0), Qt::Key_Home);
    EXPECT_EQ(dialog.keyList(0)->currentText(), "None          ");
    EXPECT_EQ(imageModified, 1);
    Choose(dialog.keyList(1), "Monitor       ");
    EXPECT_EQ(dialog.keyList(1)->currentText(), "Monitor       ");
    EXPECT_FALSE(Holds(dialog.keyList(0), "Monitor       "));
    EXPECT_TRUE(Holds(dialog.keyList(0), "Low Power     "));  // given up by [SIDE2]

    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(test::BytesAt(*radioImage, 129, {0, 1, 8, 33, 11, 23, 2, 4, 12, 32, 31, 29}));
}

TEST_F(SettingsDialogTest, WithoutTheKeypadOnlyTheSideKeysWork) {
    SetFrontKeypad(*radioImage, 0);
    CKeyFunctionDlg dialog(*radioImage);
    // [SIDE2] held "Lock", which needs the keypad.
    EXPECT_EQ(dialog.keyList(7)->currentText(), "None          ");
    for (int k = 0; k < kKeyCount; ++k) {
        EXPECT_EQ(dialog.keyList(k)->isEnabled(), k == 0 || k == 1 || k == 6 || k == 7) << k;
        EXPECT_FALSE(Holds(dialog.keyList(k), "Lock          ")) << k;
    }
    EXPECT_FALSE(dialog.rotaryList()->isEnabled());
    // The [A] key keeps its "Scan", which needs no keypad.
    EXPECT_EQ(dialog.keyList(2)->currentText(), "Scan          ");
    EXPECT_EQ(imageModified, 0);

    CPowerSavingDlg saving(*radioImage);
    EXPECT_EQ(saving.tagEdit()->look(), CColorEdit::Look::kDisabled);
    EXPECT_TRUE(List(saving, 2153)->isEnabled());
}

TEST_F(SettingsDialogTest, PriorityCheckAndItsTimer) {
    CScanningDlg dialog(*radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    QComboBox* check = dialog.list(CScanningDlg::kPriorityCheckId);
    QComboBox* timer = dialog.list(CScanningDlg::kPriorityTimerId);
    Choose(check, "Disabled");
    EXPECT_FALSE(timer->isEnabled());
    // Enabling again sets the high bit only: P = 2, the timer's "2 s".
    Choose(check, "Enabled ");
    EXPECT_TRUE(timer->isEnabled());
    EXPECT_EQ(timer->currentText(), "2 s");
    Choose(timer, "1 s");
    dialog.okButton()->setFocus();
    QTest::keyClick(dialog.okButton(), Qt::Key_Space);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ((*radioImage)[6] & 0x28, 0x08);  // high bit 0, low bit 1
}

TEST_F(SettingsDialogTest, PowerOnTagIsCommittedOnEnter) {
    CPowerSavingDlg dialog(*radioImage);
    ASSERT_TRUE(test::ShowActive(&dialog));
    CFilterEdit* tag = dialog.tagEdit();
    test::Type(tag, "ab-1!");         // "!" is refused by the field
    EXPECT_TRUE(dialog.isVisible());  // Enter commits and does not close
    EXPECT_EQ(tag->text(), "AB-1    ");
    EXPECT_EQ(imageModified, 1);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(test::BytesAt(*radioImage, 145, {10, 11, 40, 1, 36, 36, 36, 36}));
}

// One change per dialog: OK stores it, Cancel leaves the image as it was
// while the document stays marked modified. (Where each value is stored:
// accessors_test and blocks_test.)
TEST_F(SettingsDialogTest, OkStoresCancelDrops) {
    const struct {
        Make make;
        int id;
        const char* choice;
        int offset, mask, bits;
    } cases[] = {
        {Maker<CScanningDlg>(), 2107, "Slow", 7, 0x04, 0x04},
        {Maker<CPowerSavingDlg>(), 2157, "-6dB", 7, 0xC0, 0x80},
        {Maker<CKeyFunctionDlg>(), 2262, "Group", 6, 0x40, 0x40},
        {Maker<CEmergencyDlg>(), 2305, "60 min", 144, 0x0F, 11},
        {Maker<CEmergencyDlg>(), 2300, "CH-001", 142, 0xFF, 77},
    };
    for (const auto& c : cases) {
        for (bool ok : {false, true}) {
            FillDefaults(*radioImage);
            imageModified = 0;
            const RadioImage before = *radioImage;
            const auto dialog = c.make();
            ASSERT_TRUE(test::ShowActive(dialog.get()));
            Choose(List(*dialog, c.id), c.choice);
            EXPECT_EQ(imageModified, 1) << c.id;
            if (ok) {
                QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            } else {
                QTest::keyClick(dialog.get(), Qt::Key_Escape);
            }
            EXPECT_FALSE(dialog->isVisible()) << c.id;
            EXPECT_EQ(imageModified, 1) << c.id;
            if (ok) {
                EXPECT_EQ((*radioImage)[std::size_t(c.offset)] & c.mask, c.bits) << c.id;
            } else {
                EXPECT_TRUE(*radioImage == before) << c.id;
            }
        }
    }
}

TEST_F(SettingsDialogTest, FocusShowsHelpAndF1OpensItsTopic) {
    std::vector<int> topics;
    CParamDialog::SetHelpHook([&](int topic) { topics.push_back(topic); });
    struct Case {
        Make make;
        int id;
        const char* line;
        const char* key;
    };
    const Case cases[] = {
        {Maker<CScanningDlg>(), 2104, "Time interval to check carrier at PRI channel", "<SELECT>"},
        {Maker<CPowerSavingDlg>(), 2150, "Edit Power-ON Alpha Tag display", ""},
        {Maker<CKeyFunctionDlg>(), 2259, "Specify [B] Key function(Press & Hold)", "<SELECT>"},
        {Maker<CEmergencyDlg>(), 2305, "Lone Worker Timer(5 min - 60min)", "<SELECT>"},
    };
    for (const Case& c : cases) {
        topics.clear();
        const auto dialog = c.make();
        ASSERT_TRUE(test::ShowActive(dialog.get()));
        QWidget* control = dialog->Control(c.id);
        control->setFocus();
        EXPECT_EQ(dialog->helpText().toStdString(), c.line);
        EXPECT_EQ(dialog->keyHint().toStdString(), c.key);
        QTest::keyClick(control, Qt::Key_F1);
        EXPECT_EQ(topics, std::vector<int>({c.id}));
        dialog->reject();
    }
}

}  // namespace
}  // namespace kp07
