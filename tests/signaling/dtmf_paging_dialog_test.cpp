#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "image/accessors.h"
#include "params/settings_dialog_keys.h"
#include "signaling/ani_speed_dial_dialog.h"
#include "signaling/page_setting_dialog.h"
#include "signaling/paging_code_dialog.h"
#include "support/gui/gui_helpers.h"
#include "support/gui/signaling_helpers.h"
#include "support/test_support.h"
#include "widgets/filter_edit.h"

namespace kp07 {
namespace {

using test::Shown;
using test::TypeAndEnter;

struct DtmfPagingDialogs : ::testing::Test {
    void SetUp() override {
        ResetProcessStateForTest();
        image = test::NewFiveToneImage();
    }
    void TearDown() override {
        CParamDialog::SetHelpHook(nullptr);
        ResetProcessStateForTest();
    }
    RadioImage image;
};

TEST_F(DtmfPagingDialogs, ANewImageShowsTheFactoryValues) {
    CAniSpeedDialDlg ani(image);
    CPageSettingDlg setting(image);
    CPagingCodeDlg codes(image);
    // What the controls from `firstId` on show.
    const auto expect = [](const CParamDialog& dialog, int firstId,
                           const std::vector<const char*>& shown) {
        for (std::size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(Shown(dialog, firstId + int(i)), shown[i]) << firstId + int(i);
    };
    expect(ani, 3001, {"PTT Pressed", "300 ms", "66 ms", "2 s", ""});
    expect(ani, 3014, {"", "", "", ""});
    expect(setting, 4580, {"50 ms", "Disabled", "Disabled", "Disabled"});
    expect(codes, 4620, {""});
    expect(codes, 4629, {""});
    expect(codes, 4600, {"Off"});
}

TEST_F(DtmfPagingDialogs, AniCodesAreTakenOnOkOnlyWhenCommitted) {
    std::vector<int> topics;
    CParamDialog::SetHelpHook([&](int topic) { topics.push_back(topic); });
    image[8 * 2 + 9] = 0x5A;  // speed dial 2 keeps its bytes unless committed
    CAniSpeedDialDlg dialog(image);
    ASSERT_TRUE(test::ShowActive(&dialog));

    TypeAndEnter(dialog, 3005, "123");
    EXPECT_TRUE(dialog.isVisible());  // Enter in a code field never closes
    TypeAndEnter(dialog, 3006, "a");
    EXPECT_EQ(Shown(dialog, 3006), "A");
    TypeAndEnter(dialog, 3017, "#9");  // one digit only
    EXPECT_EQ(Shown(dialog, 3017), "#");
    TypeAndEnter(dialog, 3015, "xyz*");  // only DTMF characters get in
    EXPECT_EQ(Shown(dialog, 3015), "*");
    // Typed but never committed: Escape put the old text back.
    dialog.Control(3007)->setFocus();
    QTest::keyClicks(dialog.Control(3007), "77");
    QTest::keyClick(dialog.Control(3007), Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());

    // F1 on a later speed-dial field opens the topic of the first.
    QTest::keyClick(dialog.Control(3009), Qt::Key_F1);
    QTest::keyClick(dialog.Control(3015), Qt::Key_F1);
    EXPECT_EQ(topics, (std::vector<int>{3005, 3015}));

    qobject_cast<QComboBox*>(dialog.Control(3002))->setCurrentIndex(3);  // Delay
    EXPECT_EQ(imageModified, 0);  // lists too are taken on OK
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(imageModified, 1);
    EXPECT_TRUE(test::BytesAt(image, 9, {0x31, 0x23}));
    EXPECT_EQ(image[17], 0x1A);      // one digit, code 10
    EXPECT_EQ(image[25], 0x5A);      // code 2 untouched
    EXPECT_EQ(image[2] >> 3, 0x1F);  // pause code "#" (15) present
    EXPECT_EQ(image[7630], 0x1E);    // ANI "*"
    EXPECT_EQ(GetDtmfDelay(image), 3u);
}

TEST_F(DtmfPagingDialogs, PageSettingTakesEachListAtOnce) {
    CPageSettingDlg dialog(image);
    ASSERT_TRUE(test::ShowActive(&dialog));
    qobject_cast<QComboBox*>(dialog.Control(4583))->setCurrentIndex(15);
    EXPECT_EQ(imageModified, 1);
    EXPECT_EQ(GetPagingAutoResetTime(image), 0u);  // not before OK
    test::PressOk(dialog.okButton());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(GetPagingAutoResetTime(image), 15u);
}

TEST_F(DtmfPagingDialogs, PagingCodesNeedTheQsc61Board) {
    const struct {
        unsigned board;
        bool enabled;
    } cases[] = {{0, false}, {1, true}, {3, false}, {5, false}, {6, false}};
    SetPageEntered(image, 4, 1);
    for (const auto& c : cases) {
        SetOptionBoard(image, c.board);
        CPagingCodeDlg dialog(image);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(dialog.Control(4620 + i)->isEnabled(), c.enabled) << c.board << " " << i;
            // A page never entered has no decode setting to make.
            EXPECT_EQ(dialog.Control(4600 + i)->isEnabled(), c.enabled && i == 4)
                << c.board << " " << i;
        }
        auto* field = qobject_cast<CFilterEdit*>(dialog.Control(4621));
        EXPECT_EQ(field->look(),
                  c.enabled ? CColorEdit::Look::kBrowse : CColorEdit::Look::kDisabled);
    }

    // With the board, a typed code makes its decode list available.
    SetOptionBoard(image, 1);
    CPagingCodeDlg dialog(image);
    ASSERT_TRUE(test::ShowActive(&dialog));
    dialog.Control(4622)->setFocus();
    QTest::keyClicks(dialog.Control(4622), "1");
    EXPECT_TRUE(dialog.Control(4602)->isEnabled());
    QTest::keyClick(dialog.Control(4622), Qt::Key_Backspace);
    EXPECT_FALSE(dialog.Control(4602)->isEnabled());
}

TEST_F(DtmfPagingDialogs, AClearedPageCodeStaysEntered) {
    SetOptionBoard(image, 1);
    SetPageEntered(image, 0, 1);
    SetPageCode(image, 0, "123");
    CPagingCodeDlg dialog(image);
    ASSERT_TRUE(test::ShowActive(&dialog));
    EXPECT_EQ(Shown(dialog, 4620), "123");
    QWidget* field = dialog.Control(4620);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);  // editing, text selected
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Return);  // committed, and the dialog stays
    EXPECT_TRUE(dialog.isVisible());
    TypeAndEnter(dialog, 4623, "4d");
    test::PressOk(dialog.okButton());
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(imageModified, 1);
    EXPECT_TRUE(test::BytesAt(image, 7647, {0x80, 0x00}));  // entered, no digits
    EXPECT_EQ(GetPageEntered(image, 3), 1u);
    EXPECT_EQ(GetPageCode(image, 3), "4D0");
    EXPECT_EQ(GetPageEntered(image, 1), 0u);
}

}  // namespace
}  // namespace kp07
